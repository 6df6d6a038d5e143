// How every command group answers a call: the overview equals the launcher's own index of the
// groups, help succeeds, and a wrong call fails with 2 and says why.

#include "cli_test_support.h"
#include "command_index.h"
#include "test_folder.h"

#include "slides/slide_writer.h"

#include <gtest/gtest.h>

namespace {

using namespace orvane::test;

TEST(CommandIndex, LauncherOverviewEqualsTheRegisteredGroups) {
    const auto result = runOrvane({"--help"});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out, QString::fromStdString(orvane::cli::OverviewText()));
}

// "@out" stands for a file in the test's folder, "@slide" for a slide there, "@samples" for the
// sample catalogues, '' for an empty argument.
class UsageTest : public FolderTest {
protected:
    CliResult run(const char* line) {
        QStringList args;
        for (const QString& word : QString::fromUtf8(line).split(u' ', Qt::SkipEmptyParts)) {
            if (word == "''")
                args << QString();
            else if (word == "@samples")
                args += sampleStation({}).mid(2);
            else if (word.startsWith('@'))
                args << folder.filePath(word.mid(1));
            else
                args << word;
        }
        return runOrvane(args);
    }
    void SetUp() override {
        CSlideWriter writer(100, 50);
        writer.AddLine({0, 0}, {100, 0});
        ASSERT_TRUE(writer.WriteToFile(folder.filePath("slide")));
    }
};

TEST_F(UsageTest, HelpSucceedsAndWrongCallsFailWithTwoAndAReason) {
    const struct {
        const char* line;
        int status;
        const char* said; // in the help text or the error message
    } cases[] = {
        {"", 2, "Usage"},
        {"frobnicate", 2, "frobnicate"},
        {"tree print --help", 0, "tree print"},
        {"tree print", 2, ""},
        {"catalog --help", 0, "catalog build"},
        {"catalog build @src", 2, "-o"},
        {"catalog show", 2, ""},
        {"catalog frob", 2, "frob"},
        {"slide --help", 0, "slide render"},
        {"slide render --help", 0, "--size"},
        {"slide", 2, ""},
        {"slide frob", 2, "frob"},
        {"slide info", 2, ""},
        {"slide render @slide", 2, "-o"},
        {"slide render @slide -o @x.gif", 2, ".png or .svg"},
        {"slide render @slide -o @out.png --size 0x5", 2, "--size"},
        {"symbols --help", 0, "symbols check"},
        {"symbols lookup NIX", 2, "--base"},
        {"symbols frobnicate --base @", 2, "wrong arguments"},
        {"hydraulics --help", 0, "--valve-type"},
        {"hydraulics", 2, ""},
        {"hydraulics draw", 2, "draw"},
        {"hydraulics render --type 1", 2, "-o"},
        {"hydraulics render -o @x.bmp", 2, ".png or .svg"},
        {"hydraulics render --type 7 -o @out.png", 2, "--type"},
        {"hydraulics render --valve 101 -o @out.png", 2, "--valve"},
        {"hydraulics render --valve-type -3 -o @out.png", 2, "--valve-type"},
        {"hydraulics render --check 2 -o @out.png", 2, "--check"},
        {"hydraulics render --type abc -o @out.png", 2, "abc"},
        {"hydraulics render --size 0x0 -o @out.png", 2, "--size"},
        {"hydraulics render --size 12 -o @out.png", 2, "--size"},
        {"hydraulics render --json -o @out.png", 2, "--json"},
        {"station --help", 0, "orvane station check"},
        {"station", 2, ""},
        {"station list", 2, "--catalogs"},
        {"station frobnicate @samples", 2, "frobnicate"},
        {"station list --x @samples", 2, "--x"},
        {"station check @samples --catalog AUENHOF_WOST", 2, "--product"},
        {"station check @samples --catalog AUENHOF_WOST --product AH_WS_K20 --fr 10 --hr 20000", 2, "--hr"},
        {"station check @samples --catalog AUENHOF_WOST --product AH_WS_K20 --tk cold", 2, "--tk"},
        {"station check @samples --catalog AUENHOF_WOST --product AH_WS_K20 --nfbh 2.5", 2, "--nfbh"},
        {"station check @samples --all --catalog AUENHOF_WOST --product X", 2, "--product"},
        {"station draw @samples --catalog AUENHOF_WOST", 2, "--product"},
        {"station draw @samples --catalog AUENHOF_WOST --product AH_WS_K20 --heat-meter 1.5", 2,
         "--heat-meter"},
        {"station draw @samples --catalog AUENHOF_WOST --product AH_WS_K20 --accessories NO_SUCH=1", 2,
         "NO_SUCH"},
        {"station diagram @samples --catalog AUENHOF_WOST --product AH_WS_K20", 2, "-o"},
    };
    for (const auto& c : cases) {
        const CliResult result = run(c.line);
        EXPECT_EQ(result.status, c.status) << c.line;
        EXPECT_TRUE((c.status ? result.err : result.out).contains(QString::fromUtf8(c.said)))
            << c.line << ": " << qPrintable(result.err);
        if (c.status) {
            EXPECT_FALSE(result.err.isEmpty()) << c.line;
        }
    }
    EXPECT_FALSE(QFile::exists(folder.filePath("out.png")));
}

// A file is written into a folder that is not there yet; where it cannot go, the path is named.
TEST_F(UsageTest, OutputsGoIntoNewFoldersOrTheRefusalNamesThePath) {
    folder.write("plain", "a file, not a folder");
    const QByteArray source = "database U\ninclude \"texts.orvsrc\"\n"; // a source that builds
    const QByteArray texts = "table Heizung.Texte\nrow T: \"Text\"\n";
    folder.write("src.orvsrc", source);
    folder.write("texts.orvsrc", texts);
    folder.write("slides.txt", "folder F\nslide S\nline 0 0 9 9\nend\n");
    const struct {
        const char* line;
        int status;
        const char* said; // on the error stream
        const char* made; // the file written, if any
    } cases[] = {
        {"slide render @slide -o @neu-ä/a/s.png", 0, "", "neu-ä/a/s.png"},
        {"hydraulics render -o @neu-ä/h.svg", 0, "", "neu-ä/h.svg"},
        {"station diagram @samples --catalog AUENHOF_WOST --product AH_WS_K20 --fr 400 -o @neu-ä/d.png", 0,
         "", "neu-ä/d.png"},
        {"hydraulics render -o @plain/h.png", 1, "plain is a file", ""},
        {"station report @samples --catalog AUENHOF_WOST --product AH_WS_K20 -o @neu-ä/", 1, "is a folder",
         ""},
        {"catalog build @src.orvsrc -o @src.orvsrc", 1, "would replace it", ""},
        {"catalog build @src.orvsrc -o @texts.orvsrc", 1, "would replace it", ""},
        {"catalog show @neu-ä", 1, "neu-ä: is a folder", ""},
        {"catalog show @src.orvsrc/", 1, "src.orvsrc is a file, not a folder", ""},
        {"station list @samples --databases @gone", 1, "gone: no folder", ""},
        {"symbols check --base @ --catalogs @gone", 1, "gone: no folder", ""},
        {"slide build @slides.txt -o @plain", 1, "plain is a file", ""},
        {"slide build @slides.txt -o @neu-ä/", 0, "", "neu-ä/F/S.sld"},
        {"slide build @slides.txt -o ''", 2, "-o FOLDER", ""},
        {"station draw @samples --catalog AUENHOF_WOST --product AH_WS_K20 -o ''", 1, "name is empty", ""},
    };
    for (const auto& c : cases) {
        const CliResult result = run(c.line);
        EXPECT_EQ(result.status, c.status) << c.line << ": " << qPrintable(result.err);
        EXPECT_TRUE(result.err.contains(QString::fromUtf8(c.said)))
            << c.line << ": " << qPrintable(result.err);
        if (*c.made) {
            EXPECT_TRUE(QFileInfo(folder.filePath(QString::fromUtf8(c.made))).isFile()) << c.line;
        }
    }
    EXPECT_EQ(folder.read("src.orvsrc"), source);
    EXPECT_EQ(folder.read("texts.orvsrc"), texts);
}

} // namespace
