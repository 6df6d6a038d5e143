// The host's scripted tour, run as the program: every step passes and finds what the sample
// installation holds, the node trees the module returned are the expected ones, the symbol
// library holds what the tour edited and created, the canvas holds the inserted symbols, and
// the main window looks as its reference picture.
#include "corekit/node.h"
#include "corekit/tree_items.h"
#include "image_compare.h"
#include "test_folder.h"

#include <QDir>
#include <QImage>
#include <QMap>
#include <QProcess>
#include <QRegularExpression>

#include <memory>

// A folder of its own for each test.
class HostTourTest : public orvane::test::FolderTest {};

namespace {

struct TourRun {
    int status = -1;
    QStringList log;
    QString err;
};

TourRun RunTour(const QString& folder, const QStringList& extra = {}) {
    QProcess host;
    host.setProgram(ORVANE_HOST_PROGRAM);
    host.setArguments(QStringList{"--tour", folder, "--language", "de"} + extra);
    host.start();
    TourRun run;
    if (!host.waitForFinished(120000))
        return run;
    run.status = host.exitCode();
    run.err = QString::fromUtf8(host.readAllStandardError());
    QFile log(QDir(folder).filePath("tour.log"));
    if (log.open(QIODevice::ReadOnly))
        run.log = QString::fromUtf8(log.readAll()).split('\n', Qt::SkipEmptyParts);
    return run;
}

std::unique_ptr<CNode> ReadTree(const QString& path) {
    CNode* root = nullptr;
    TreeItems::ReadFromFile(path, root);
    return std::unique_ptr<CNode>(root);
}

// The one file of the tour's folder whose name ends in `suffix`.
QString StepFile(const QString& folder, const QString& suffix) {
    const QStringList files = QDir(folder).entryList({"*-" + suffix});
    return files.size() == 1 ? QDir(folder).filePath(files.first()) : QString();
}

// "leaf of every child named `child`", in order.
QStringList Values(const CNode& node, const char* child, const char* leaf) {
    QStringList values;
    for (const CNode* c = node.FindChild(child); c; c = node.FindChild(child, c))
        values << c->GetStrLeafValue(QString(), leaf);
    return values;
}

} // namespace

TEST_F(HostTourTest, TheTourRunsEveryStepOnTheSampleInstallation) {
    const TourRun run = RunTour(folder.path());
    ASSERT_EQ(run.status, 0) << run.log.join('\n').toStdString() << run.err.toStdString();
    // "NN name: ok [what it found]", with the step's screenshot.
    const QRegularExpression stepLine("^(\\d\\d) (\\S+): (ok|FAILED)(?: \\[(.*)\\])?");
    QMap<QString, QString> found;
    for (const QString& line : run.log) {
        const QRegularExpressionMatch m = stepLine.match(line);
        if (!m.hasMatch())
            continue;
        EXPECT_EQ(m.captured(3), "ok") << line.toStdString();
        found[m.captured(2)] = m.captured(4);
        const QString shot = folder.filePath(m.captured(1) + '-' + m.captured(2) + ".png");
        EXPECT_GT(QFileInfo(shot).size(), 1000) << shot.toStdString();
    }
    ASSERT_GE(found.size(), 32) << run.log.join('\n').toStdString();
    const struct {
        const char* step;
        const char* found;
    } expected[] = {
        {"search", "Armaturen: Absperrventil, Thermostatventil, Rückschlagventil, Sicherheitsventil, "
                   "Strangregulierventil"},
        {"quick-find", "Wärmeerzeuger: Heizkessel = HZ_KESSEL"},
        {"symbol-options", "3 corner marks off and on"},
        {"symbol-properties", "Eigene_Symbole.inf: DisplayName = Legendenfeld der Tour"},
        {"create-symbol-slide", "EIGEN_VERTEILER.sld: 22 lines of 2 items"},
        {"create-symbol-block", "EIGEN_GRUPPE.dwg: 5 items, EIGEN_GRUPPE.sld: 163 lines"},
    };
    for (const auto& e : expected)
        EXPECT_EQ(found.value(e.step), QString::fromUtf8(e.found)) << e.step;
    // The station that passes shows no error; the one that fails says why.
    EXPECT_FALSE(found.value("station-draw").contains("Fehler")) << found.value("station-draw").toStdString();
    EXPECT_TRUE(found.value("station-check-fails").contains("Zapfrate von 30.00 l/min ist zu groß"))
        << found.value("station-check-fails").toStdString();

    // The hydraulic circuit types in the order of the dialog's list, one "HydData" each.
    const int types[] = {0, 1, 2, 6, 3, 5, 4};
    for (const int type : types) {
        const auto tree = ReadTree(StepFile(folder.path(), QString("hydraulics-type-%1.inf").arg(type)));
        ASSERT_TRUE(tree) << type;
        EXPECT_EQ(tree->GetName(), "HydData");
        EXPECT_EQ(tree->NrOfLeaves(), 6);
        EXPECT_EQ(tree->GetIntLeafValue(QString(), "eHydMode", 1, ':', -1), type);
    }
    // The station the wizard drew, with its product, and the symbol quick find made current.
    const auto drawn = ReadTree(StepFile(folder.path(), "station-draw.inf"));
    ASSERT_TRUE(drawn);
    EXPECT_EQ(drawn->GetName(), "DrawStation");
    EXPECT_FALSE(drawn->GetStrLeafValue("WOST", "HANDLE").isEmpty());
    const auto props = ReadTree(StepFile(folder.path(), "quick-find.inf"));
    ASSERT_TRUE(props);
    EXPECT_EQ(props->GetName(), "SymbolProps");
    EXPECT_EQ(props->GetStrLeafValue(QString(), "BlockName"), "HZ_KESSEL");

    // The tour's copy of the installation: the edited name, the created block and its symbol.
    const QString own = folder.filePath("installation/User-Standards/Symbol Toolbars/User/");
    const auto symbols = ReadTree(own + "Eigene_Symbole.inf");
    ASSERT_TRUE(symbols);
    const CNode* pages = symbols->FindChild("Pages");
    const CNode* page = pages ? pages->FindChild("Page") : nullptr;
    ASSERT_TRUE(page);
    EXPECT_EQ(Values(*page, "Symbol", "BlockName"), QStringList({"EIGEN_VERTEILER", "EIGEN_GRUPPE"}));
    EXPECT_EQ(Values(*page, "Symbol", "DisplayName"),
              QStringList({"Mein Verteilerbalken", "Legendenfeld der Tour"}));
    const auto block = ReadTree(own + "Symbols/EIGEN_GRUPPE.dwg");
    ASSERT_TRUE(block);
    const QStringList selected = {"HZ_PUMPE", "HZ_KESSEL", "HZ_KESSEL", "HZ_FBH_VERTEILER",
                                  "HZ_FBH_VERTEILER_ANSCHLUSS"};
    EXPECT_EQ(Values(*block, "Item", "BlockName"), selected);

    // The canvas at the end: the symbols clicked in the window, found, inserted by name (the pair
    // whole), the created block, the one from the toolbar and the one clicked as Revit.
    const auto drawing = ReadTree(folder.filePath("drawing.inf"));
    ASSERT_TRUE(drawing);
    EXPECT_EQ(Values(*drawing, "Item", "BlockName"),
              selected + QStringList({"EIGEN_GRUPPE", "HZ_PUMPE", "EIGEN_VERTEILER"}));

    // The main window with the symbols window filled and a toolbar over it.
    const QImage window(StepFile(folder.path(), "main-window.png"));
    EXPECT_TRUE(
        orvane::test::MatchesReference(window, "host/main-window", orvane::test::kLineDrawingTolerance));
}

TEST_F(HostTourTest, WithoutItsInstallationOrDrawingTheHostSaysWhatIsMissingAndTheDialogsStillWork) {
    const QString missing = folder.filePath("no-such-installation");
    const QString drawing = folder.filePath("no-such-drawing.inf");
    const TourRun run = RunTour(folder.filePath("tour"), {"--installation", missing, drawing});
    EXPECT_TRUE(run.err.contains(missing)) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains(drawing)) << run.err.toStdString();
    const QStringList hydraulics = run.log.filter("hydraulics-type-");
    ASSERT_EQ(hydraulics.size(), 7) << run.log.join('\n').toStdString();
    for (const QString& line : hydraulics)
        EXPECT_TRUE(line.endsWith(": ok")) << line.toStdString();
    EXPECT_EQ(run.status, 1); // inserting symbols needs the symbol library
}
