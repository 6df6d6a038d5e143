// What the host starts with: its options, its installation and the host variables editor.
#include "host_options.h"
#include "host_variables.h"
#include "installation_copy.h"
#include "installation_report.h"

#include "corekit/installation.h"
#include "corekit/vars_mgr.h"
#include "test_folder.h"

// A folder of its own for each test.
class HostSetupTest : public orvane::test::FolderTest {};

TEST(HostOptionsTest, ArgumentsAndTheirDefaults) {
    const struct {
        QStringList args;
        const char* installation; // relative ones are expected against the current folder
        const char* language;
        const char* tour;
        const char* drawing;
        bool error;
    } cases[] = {
        {{}, "/p/share/OrvanePlanungUI/sample-installation", "", "", "", false},
        {{"--installation", "/x", "--language", "en", "--tour", "/t", "--palette", "dark"},
         "/x",
         "en",
         "/t",
         "",
         false},
        {{"--installation", "./inst/", "--tour", "../t ä", "--palette", "light", "Zeichnung ä.inf"},
         "inst",
         "",
         "../t ä",
         "Zeichnung ä.inf",
         false},
        {{"--language", "fr"}, "", "", "", "", true},
        {{"--palette", "Dark"}, "", "", "", "", true},
        {{"--bogus"}, "", "", "", "", true},
        {{"--installation", ""}, "", "", "", "", true},
        {{"a.inf", "b.inf"}, "", "", "", "", true},
    };
    const auto resolved = [](const char* path) {
        return *path ? QDir::cleanPath(QDir::current().absoluteFilePath(QString::fromUtf8(path))) : QString();
    };
    for (const auto& c : cases) {
        const HostOptionsResult r = ParseHostOptions(QStringList{"orvane-host"} + c.args, "/p/bin");
        EXPECT_EQ(!r.error.isEmpty(), c.error) << c.args.join(' ').toStdString();
        if (c.error)
            continue;
        EXPECT_EQ(r.options.installationDir, resolved(c.installation));
        EXPECT_EQ(r.options.language, c.language);
        EXPECT_EQ(r.options.tourDir, resolved(c.tour));
        EXPECT_EQ(r.options.drawingFile, resolved(c.drawing));
        EXPECT_EQ(r.options.darkPalette, c.args.contains("dark"));
    }
}

// A tour works on a copy of the named settings file in its own folder, made anew for each run.
TEST_F(HostSetupTest, ATourWorksOnAFreshCopyOfTheNamedSettings) {
    const QByteArray mine = "[Symbols]\nPage=3\n";
    HostOptions options;
    options.settingsFile = folder.write(QStringLiteral("mine.ini"), mine);
    EXPECT_EQ(ChooseSettingsFile(options), QFileInfo(options.settingsFile).absoluteFilePath());
    options.tourDir = folder.filePath(QStringLiteral("tour"));
    const QString own = ChooseSettingsFile(options);
    EXPECT_EQ(own, QFileInfo(folder.filePath(QStringLiteral("tour/settings.ini"))).absoluteFilePath());
    folder.write(QStringLiteral("tour/settings.ini"), "changed by a run");
    ChooseSettingsFile(options);
    EXPECT_EQ(folder.read(QStringLiteral("tour/settings.ini")), mine);
    EXPECT_EQ(folder.read(QStringLiteral("mine.ini")), mine);
    options.settingsFile.clear();
    EXPECT_EQ(ChooseSettingsFile(options), own);
    EXPECT_FALSE(QFile::exists(own)) << "without a named file a tour starts from none";
}

// What a run writes must have a place: the tour's folder, the settings file's folder.
TEST_F(HostSetupTest, OutputPathsThatCannotBeMadeAreNamedBeforeTheRun) {
    folder.write("plain", "a file, not a folder");
    const struct {
        const char* tour;
        const char* settings;
        const char* named; // empty: the run can start
    } cases[] = {
        {"neu ä/Rundgang", "Einstellungen ä/user.ini", ""},
        {"plain/tour", "", "plain/tour"},
        {"", "plain/user.ini", "plain/user.ini"},
        {"", "neu ä", "neu ä"}, // a folder
    };
    for (const auto& c : cases) {
        HostOptions options;
        options.tourDir = *c.tour ? folder.filePath(c.tour) : QString();
        options.settingsFile = *c.settings ? folder.filePath(c.settings) : QString();
        const QString error = PrepareOutputPaths(options);
        EXPECT_EQ(error.isEmpty(), !*c.named) << error.toStdString();
        EXPECT_TRUE(error.contains(QString::fromUtf8(c.named))) << error.toStdString();
    }
    EXPECT_TRUE(QFileInfo(folder.filePath("neu ä/Rundgang")).isDir());
}

TEST_F(HostSetupTest, AnInstallationWithMissingPartsSaysWhichAndWhere) {
    const QByteArray file =
        "Installation {\n  Folders {\n    Support = \"Support\"\n    Catalogs = \"Catalogs\"\n"
        "  }\n  Variables {\n    EXTRA_VAR = \"7\"\n  }\n}\n";
    const struct {
        const char* name;
        QList<QPair<const char*, QByteArray>> files;
        bool loaded;
        QStringList mentions; // one text per expected problem
    } cases[] = {
        {"gone", {}, false, {"gone"}},
        {"nofile", {{"nofile/Support/x.txt", ""}}, false, {"installation.inf"}},
        {"empty", {{"empty/installation.inf", file}}, true, {"Symbol Toolbars", "Catalogs"}},
        {"full",
         {{"full/installation.inf", file},
          {"full/Support/Symbol Toolbars/Heizung/a.infx", "<x/>"},
          {"full/Catalogs/C.inf", ""}},
         true,
         {}},
    };
    for (const auto& c : cases) {
        for (const auto& [path, content] : c.files)
            folder.write(path, content);
        const InstallationReport report = LoadInstallation(folder.filePath(c.name));
        EXPECT_EQ(report.loaded, c.loaded) << c.name;
        ASSERT_EQ(report.problems.size(), c.mentions.size()) << report.problems.join('\n').toStdString();
        for (int i = 0; i < c.mentions.size(); ++i)
            EXPECT_TRUE(report.problems[i].contains(c.mentions[i])) << report.problems[i].toStdString();
    }
    // The last installation read stays current: the editor lists its own variable too.
    COrvaneVarsMgr::GetInstance().Reset();
    const QList<HostVariable> variables = HostVariables::Read();
    const auto extra = std::find_if(variables.begin(), variables.end(),
                                    [](const HostVariable& v) { return v.name == "EXTRA_VAR"; });
    ASSERT_NE(extra, variables.end());
    EXPECT_EQ(extra->value, "7");
    COrvaneInstallation::GetInstance().Clear();
}

TEST_F(HostSetupTest, TheVariablesEditorWritesOnlyChangesWithTheModulesSaveType) {
    COrvaneInstallation::GetInstance().Clear();
    COrvaneVarsMgr::GetInstance().Reset();
    QList<HostVariable> variables = HostVariables::Read();
    for (HostVariable& v : variables) {
        if (v.name == "Q3DB_MASTERMODE")
            v.value = "1";
        if (v.name == "CUR_GLOBAL_GEWERK_KZL")
            v.value = "S";
    }
    EXPECT_EQ(HostVariables::Apply(variables), QStringList({"Q3DB_MASTERMODE", "CUR_GLOBAL_GEWERK_KZL"}));
    EXPECT_TRUE(HostVariables::Apply(variables).isEmpty());
    // The master mode is kept in the settings (save type 1), the trade for the process only.
    COrvaneVarsMgr::GetInstance().Reset();
    QString value;
    EXPECT_TRUE(COrvaneVarsMgr::GetInstance().get("Q3DB_MASTERMODE", value, 1));
    EXPECT_EQ(value, "1");
    EXPECT_FALSE(COrvaneVarsMgr::GetInstance().get("CUR_GLOBAL_GEWERK_KZL", value, 0));
}

TEST_F(HostSetupTest, SymbolOptionsRoundTripThroughTheHostVariables) {
    COrvaneInstallation::GetInstance().Clear();
    COrvaneVarsMgr::GetInstance().Reset();
    EXPECT_EQ(HostVariables::ReadSymbolOptions(), SymbolOptions{}); // nothing set: the window's defaults
    const SymbolOptions changed{false, true, 0x123456};
    EXPECT_TRUE(HostVariables::WriteSymbolOptions(changed));
    EXPECT_FALSE(HostVariables::WriteSymbolOptions(changed));
    EXPECT_EQ(HostVariables::ReadSymbolOptions(), changed);
    QString text;
    COrvaneVarsMgr::GetInstance().get("SYMBOLE_BUTTON_COLOR", text, 0);
    EXPECT_EQ(text, QString::number(0x123456));
}

// The copy is the same for a source named in full and for one typed relative to the current folder.
TEST_F(HostSetupTest, TheTourCopiesTheInstallationWithItsLinks) {
    folder.write("inst/installation.inf", "I");
    folder.write("inst/Support/Slides/Heizung/a.sld", "S");
    ASSERT_TRUE(QDir(folder.filePath("inst/Support/Heizung")).mkpath("."));
    ASSERT_TRUE(QFile::link("../Slides/Heizung", folder.filePath("inst/Support/Heizung/Slides")));
    const struct CurrentFolder {
        const QString before = QDir::currentPath();
        ~CurrentFolder() { QDir::setCurrent(before); }
    } restore;
    ASSERT_TRUE(QDir::setCurrent(folder.filePath("inst/Support")));
    for (const QString& source : {folder.filePath("inst"), QString("../../inst/")}) {
        folder.write("copy/stale.txt", "old");
        ASSERT_TRUE(CopyInstallation(source, folder.filePath("copy"))) << source.toStdString();
        EXPECT_TRUE(QFileInfo::exists(folder.filePath("copy/installation.inf"))) << source.toStdString();
        EXPECT_FALSE(QFileInfo::exists(folder.filePath("copy/stale.txt")));
        // The link points into the copy: a slide written through it lands in the copy only.
        const QFileInfo link(folder.filePath("copy/Support/Heizung/Slides"));
        EXPECT_TRUE(link.isSymLink());
        EXPECT_EQ(link.canonicalFilePath(),
                  QFileInfo(folder.filePath("copy/Support/Slides/Heizung")).canonicalFilePath());
        EXPECT_EQ(folder.read("copy/Support/Heizung/Slides/a.sld"), "S");
    }
    // Refused, naming the folder: no source; a copy that would delete its source or copy itself.
    const struct {
        QString from, to;
        const char* named;
    } refused[] = {
        {"../../gone", "../../copy2", "gone"}, {"..", "../copy", "copy"}, {"../Support", "..", "inst"}};
    for (const auto& r : refused) {
        QString error;
        EXPECT_FALSE(CopyInstallation(r.from, r.to, &error)) << r.to.toStdString();
        EXPECT_TRUE(error.contains(r.named)) << error.toStdString();
    }
    EXPECT_EQ(folder.read("inst/installation.inf"), "I");
}
