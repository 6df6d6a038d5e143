// orvane station draw and check --all on the sample catalogues.

#include "cli_test_support.h"
#include "test_folder.h"

#include "corekit/node.h"
#include "corekit/tree_items.h"

#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <QProcess>

#include <gtest/gtest.h>

#include <memory>

namespace {

using namespace orvane::test;

std::unique_ptr<CNode> drawn(const QStringList& args) {
    const auto result = runOrvane(sampleStation(QStringLiteral("draw"), args));
    EXPECT_EQ(result.status, 0) << result.err.toStdString();
    return std::unique_ptr<CNode>(TreeItems::ReadFromString(result.out));
}

const CNode* childAt(const CNode& node, const QString& path) {
    const CNode* at = &node;
    for (const QString& part : path.split(u'/'))
        if (at)
            at = at->FindChild(part);
    return at;
}

} // namespace

TEST(StationDrawCommand, SampleProductsFieldByField) {
    struct Case {
        QStringList args;
        std::vector<std::tuple<const char*, const char*, const char*>> leaves; // path, key, value
        std::vector<const char*> absentChildren;
    };
    const Case cases[] = {
        // Apartment station with both meters: kv in series with each meter.
        {{"--catalog", "AUENHOF_WOST", "--product", "AH_WS_K20", "--heat-meter", "1.5,100", "--water-meter",
          "2.5,200"},
         {{"", "StationType", "0"},
          {"HzEed", "kv-Wert_HZ_Prim", "2.212"},
          {"HzEed", "bKvWert_HZ_Sek", "1"},
          {"TwEed", "kv-Wert_PWC", "2.504"},
          {"TwEed", "dp(Oeffn)_PWC", "5000"},
          {"WOST", "HANDLE", "AH_WS_K20"},
          {"WOST", "HZ_ZAEHLER", "1"},
          {"WOST/STRV", "NAME", "Strangregulierventil DN 15"},
          {"WOST/ANS", "TW_PWH_OUT", "G 3/4 AG"},
          {"", "DataWZ", "2.500000,200.000000"}},
         {"PUMPEN_HZ", "FbhEed"}},
        // Fresh-water station: no meters, a pump with three curves.
        {{"--catalog", "AUENHOF_WOST", "--product", "AH_FWS_40", "--fr", "20", "--tvl", "70"},
         {{"", "StationType", "1"},
          {"HzEed", "kv-Wert_HZ_Prim", "4.5"},
          {"HzEed", "bKvWert_HZ_Sek", "0"},
          {"WOST", "TW_DURCHFLUSS", "20"},
          {"PUMPEN_HZ/PUMPEN/SERIE/PUMPE", "DPZUL", "250.000000:600.000000"},
          {"WOST/ANS", "TW_PWH_C", "G 3/4 AG"}},
         {"PUMPEN_Z", "WOST/DDR"}},
        // The exploded station with its heating rod, mirrored.
        {{"--catalog", "AUENHOF_WOST", "--product", "AH_WS_C30E", "--mirror", "--hz-tvl", "35", "--hz-trl",
          "28"},
         {{"", "Explode", "1"},
          {"", "Mirror", "1"},
          {"WOST", "Q_ELEKTRO_HEIZSTAB", "7500"},
          {"HzEed", "auslTemp_K_VL", "308.15"},
          {"ReqHz/SecondPump", "tVL", "35"}},
         {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args.join(' ').toStdString());
        const auto node = drawn(c.args);
        ASSERT_TRUE(node);
        EXPECT_EQ(node->GetName(), "DrawStation");
        EXPECT_TRUE(childAt(*node, "WOST/STL")) << "every sample product has a parts list";
        for (const auto& [path, key, value] : c.leaves)
            EXPECT_EQ(node->GetStrLeafValue(path, key, 1, u'\n'), value) << path << "/" << key;
        for (const char* child : c.absentChildren)
            EXPECT_FALSE(childAt(*node, child)) << child;
    }
}

TEST_F(FolderTest, StationDrawWritesAFileAndRefusesWhatTheWizardWould) {
    const QString file = folder.filePath("out/station.infx");
    const auto written = runOrvane(sampleStation("draw", {"--catalog", "AUENHOF_WOST", "--product",
                                                          "AH_WS_K30", "--xml", "-o", file, "--scheme-net"}));
    ASSERT_EQ(written.status, 0) << written.err.toStdString();
    CNode* root = nullptr;
    ASSERT_TRUE(TreeItems::ReadFromFile(file, root));
    const std::unique_ptr<CNode> owned(root);
    EXPECT_FALSE(root->FindLeaf("BlockFile3D")) << "a scheme-net input has no 3D block";
    EXPECT_TRUE(folder.read("out/station.infx").startsWith("<"));

    const auto failing = runOrvane(
        sampleStation("draw", {"--catalog", "AUENHOF_WOST", "--product", "AH_WS_K20", "--fr", "40"}));
    EXPECT_EQ(failing.status, 1);
    EXPECT_TRUE(failing.err.contains("Zapfrate")) << failing.err.toStdString();
    EXPECT_TRUE(failing.out.isEmpty());
}

TEST(StationCheckAllCommand, PassingProductsFirstLeastPrimaryFlowFirst) {
    const auto result = runOrvane(sampleStation(
        "check", {"--all", "--catalog", "QUELLWERK_WOST", "--fr", "20", "--tvl", "70", "--json"}));
    ASSERT_EQ(result.status, 0) << result.err.toStdString();
    const QJsonArray rows = QJsonDocument::fromJson(result.out.toUtf8()).object().value("products").toArray();
    ASSERT_GE(rows.size(), 4);
    bool failedSeen = false;
    double lastFlow = 0.0;
    int passing = 0;
    for (const auto& value : rows) {
        const QJsonObject row = value.toObject();
        const bool passes = row.value("passes").toBool();
        EXPECT_FALSE(passes && failedSeen) << "a passing product after a failing one";
        failedSeen = failedSeen || !passes;
        if (passes) {
            ++passing;
            EXPECT_GE(row.value("primaryFlow").toDouble(), lastFlow);
            lastFlow = row.value("primaryFlow").toDouble();
        } else {
            EXPECT_TRUE(row.value("result").toString().startsWith("Fehler: "));
        }
    }
    EXPECT_GT(passing, 0);
    EXPECT_TRUE(failedSeen) << "20 l/min is too much for the small stations";

    const auto table = runOrvane(sampleStation("check", {"--all", "--catalog", "AUENHOF_WOST"}));
    EXPECT_EQ(table.status, 0);
    EXPECT_EQ(table.out.count('\n'), 7) << table.out.toStdString(); // heading and six products
    EXPECT_EQ(runOrvane(sampleStation("check", {"--all", "--catalog", "AUENHOF_WOST", "--fr", "200"})).status,
              1);
}

TEST_F(FolderTest, StationReportAsHtmlAndPdfWithItsKeyFigures) {
    const QStringList choice{"--catalog",    "AUENHOF_WOST", "--product",     "AH_WS_C30",
                             "--heat-meter", "1.5,100",      "--accessories", "AH_ART_ABDECKUNG=2"};
    const QString html = folder.filePath("report.html");
    const QString pdf = folder.filePath("report.pdf");
    ASSERT_EQ(runOrvane(sampleStation("report", choice + QStringList{"-o", html})).status, 0);
    ASSERT_EQ(runOrvane(sampleStation("report", choice + QStringList{"-o", pdf})).status, 0);
    const QString text = QString::fromUtf8(folder.read("report.html"));
    for (const QString& figure :
         {QString("Auenhof Wohnungsstation Komfort 30"), QString("Die Station erfüllt die Anforderungen."),
          QString("Hocheffizienzpumpe 25-60, dp-variabel, 250 … 600 mbar"),
          QString("<td align='right'>4.00</td><td>AH_ART_KUGELHAHN_20</td><td>Kugelhahn DN 20 mit "
                  "Thermometer</td>"),
          QString("<td align='right'>2.00</td><td>AH_ART_ABDECKUNG</td>"), QString("747.8 l/h")})
        EXPECT_TRUE(text.contains(figure)) << figure.toStdString();
    const QByteArray bytes = folder.read("report.pdf");
    EXPECT_TRUE(bytes.startsWith("%PDF-1.")) << "a PDF";
    EXPECT_TRUE(bytes.trimmed().endsWith("%%EOF"));
    EXPECT_GE(bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r") + bytes.count("/Type /Page "), 1);
    EXPECT_GT(bytes.size(), 5000) << "text and tables, not an empty page";
    // What a reader of the PDF sees: its text holds the same key figures.
    QProcess pdftotext;
    pdftotext.start("pdftotext", {"-layout", pdf, "-"});
    ASSERT_TRUE(pdftotext.waitForFinished(30000))
        << "pdftotext (poppler-utils) is installed by scripts/setup";
    const QString pdfText = QString::fromUtf8(pdftotext.readAllStandardOutput()).simplified();
    for (const QString& figure :
         {QString("Auenhof Wohnungsstation Komfort 30"), QString("Die Station erfüllt die Anforderungen."),
          QString("AH_ART_KUGELHAHN_20"), QString("AH_ART_ABDECKUNG"), QString("747.8 l/h")})
        EXPECT_TRUE(pdfText.contains(figure)) << figure.toStdString() << "\n" << pdfText.toStdString();

    // The pressure losses are the check's own figures.
    const QStringList k20{"--catalog", "AUENHOF_WOST", "--product", "AH_WS_K20"};
    const auto check = runOrvane(sampleStation("check", k20));
    const QString tw = check.out.section("Druckverlust-TW\t", 1).section('\n', 0, 0);
    ASSERT_TRUE(tw.endsWith(" mbar")) << check.out.toStdString();
    ASSERT_EQ(runOrvane(sampleStation("report", k20 + QStringList{"-o", html})).status, 0);
    EXPECT_TRUE(QString::fromUtf8(folder.read("report.html")).contains("<td>Druckverlust-TW</td><td>" + tw));

    // A station that fails gets a report that says so, without parts list.
    ASSERT_EQ(runOrvane(sampleStation("report", {"--catalog", "AUENHOF_WOST", "--product", "AH_WS_K20",
                                                 "--fr", "40", "-o", html}))
                  .status,
              0);
    const QString failing = QString::fromUtf8(folder.read("report.html"));
    EXPECT_TRUE(failing.contains("Die Station erfüllt die Anforderungen nicht.")) << failing.toStdString();
    EXPECT_FALSE(failing.contains("Materialliste"));
}

TEST_F(FolderTest, StationDiagramAsPngAndSvg) {
    const QStringList failing{"--catalog", "AUENHOF_WOST", "--product", "AH_WS_K20", "--fr", "40"};
    ASSERT_EQ(
        runOrvane(sampleStation("diagram", failing + QStringList{"-o", folder.filePath("d.png")})).status, 0);
    ASSERT_EQ(
        runOrvane(sampleStation("diagram", failing + QStringList{"-o", folder.filePath("d.svg")})).status, 0);
    const QImage image(folder.filePath("d.png"));
    ASSERT_FALSE(image.isNull());
    int red = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            red += image.pixel(x, y) == qRgb(255, 0, 0) ? 1 : 0;
    EXPECT_GT(red, 20) << "the limit crossed and the requested point in red";
    const QByteArray svg = folder.read("d.svg");
    EXPECT_TRUE(svg.contains("<svg")) << svg.left(200).toStdString();
    EXPECT_TRUE(svg.contains("40.00 l/min"));
}
