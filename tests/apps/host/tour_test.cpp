// The host's scripted tour, run as the program: every step passes, the node trees the module
// returned are the expected ones, and the canvas holds the inserted symbols.
#include "corekit/node.h"
#include "corekit/tree_items.h"
#include "test_folder.h"

#include <QDir>
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

} // namespace

TEST_F(HostTourTest, TheTourRunsEveryStepOnTheSampleInstallation) {
    const TourRun run = RunTour(folder.path());
    ASSERT_EQ(run.status, 0) << run.log.join('\n').toStdString() << run.err.toStdString();
    const QStringList steps = run.log.filter(QRegularExpression("^\\d\\d "));
    ASSERT_GE(steps.size(), 27);
    for (int i = 0; i < steps.size(); ++i) {
        EXPECT_TRUE(steps[i].endsWith(": ok")) << steps[i].toStdString();
        const QString shot =
            QDir(folder.path()).filePath(steps[i].section(':', 0, 0).replace(' ', '-') + ".png");
        EXPECT_GT(QFileInfo(shot).size(), 1000) << shot.toStdString();
    }
    // The hydraulic circuit types in the order of the dialog's list, one "HydData" each.
    const int types[] = {0, 1, 2, 6, 3, 5, 4};
    for (int i = 0; i < 7; ++i) {
        const QStringList files =
            QDir(folder.path()).entryList({QString("*-hydraulics-type-%1.inf").arg(types[i])});
        ASSERT_EQ(files.size(), 1) << types[i];
        const auto tree = ReadTree(folder.filePath(files.first()));
        ASSERT_TRUE(tree) << i;
        EXPECT_EQ(tree->GetName(), "HydData");
        EXPECT_EQ(tree->NrOfLeaves(), 6);
        EXPECT_EQ(tree->GetIntLeafValue(QString(), "eHydMode", 1, ':', -1), types[i]);
    }
    // The station the wizard drew, with its product; fetched, drawn again and deleted after.
    const QStringList station = QDir(folder.path()).entryList({"*-station-draw.inf"});
    ASSERT_EQ(station.size(), 1);
    const auto drawn = ReadTree(folder.filePath(station.first()));
    ASSERT_TRUE(drawn);
    EXPECT_EQ(drawn->GetName(), "DrawStation");
    EXPECT_FALSE(drawn->GetStrLeafValue("WOST", "HANDLE").isEmpty());
    const auto drawing = ReadTree(folder.filePath("drawing.inf"));
    ASSERT_TRUE(drawing);
    QStringList blocks;
    for (const CNode* item = drawing->FindChild("Item"); item; item = drawing->FindChild("Item", item))
        blocks << item->GetStrLeafValue(QString(), "BlockName");
    // The symbol clicked in the symbols window, the quick find hit for "Kessel", then the two
    // inserted by name, the pair whole.
    ASSERT_EQ(blocks.size(), 5);
    EXPECT_EQ(blocks.mid(1),
              QStringList({"HZ_KESSEL", "HZ_KESSEL", "HZ_FBH_VERTEILER", "HZ_FBH_VERTEILER_ANSCHLUSS"}));
}

TEST_F(HostTourTest, WithoutItsInstallationTheHostSaysWhatIsMissingAndTheDialogsStillWork) {
    const QString missing = folder.filePath("no-such-installation");
    const TourRun run = RunTour(folder.filePath("tour"), {"--installation", missing});
    EXPECT_TRUE(run.err.contains(missing)) << run.err.toStdString();
    const QStringList hydraulics = run.log.filter("hydraulics-type-");
    ASSERT_EQ(hydraulics.size(), 7) << run.log.join('\n').toStdString();
    for (const QString& line : hydraulics)
        EXPECT_TRUE(line.endsWith(": ok")) << line.toStdString();
    EXPECT_EQ(run.status, 1); // inserting symbols needs the symbol library
}
