#include "corekit/installation.h"
#include "corekit/vars_mgr.h"

#include "test_folder.h"

#include <QDir>

using orvane::test::FolderTest;

namespace {

const char* kInstallation = R"(Installation {
  RegistryBasePath = "Firma\\Suite\\"
  VersionName = "OrvaneDT"
  Region = "AUT"
  Folders {
    Program = "bin"
    Support = "Daten\\Support"
    Standards = "/elsewhere/User-Standards"
  }
  Variables {
    SYMBOLE_PATH = "$(INSTALLDIR)\\Symbole"
    Q3DB_MASTERMODE = "0"
    SYMBOLE_BUTTON_COLOR = "255"
  }
}
)";

} // namespace

// Every test starts from its own installation and settings, as a new process would.
class HostVariablesTest : public FolderTest {
protected:
    void SetUp() override {
        installFile = folder.write("inst/installation.inf", kInstallation);
        ASSERT_TRUE(COrvaneInstallation::GetInstance().Load(installFile));
        vars().Reset();
    }
    void TearDown() override {
        COrvaneInstallation::GetInstance().Clear();
        vars().Reset();
    }
    static COrvaneVarsMgr& vars() { return COrvaneVarsMgr::GetInstance(); }
    QString installFile;
};

TEST_F(HostVariablesTest, InstallationFileGivesFoldersAndNames) {
    const auto& inst = COrvaneInstallation::GetInstance();
    const QString root = QDir(folder.path()).filePath("inst");
    EXPECT_EQ(inst.RootFolder(), root);
    EXPECT_EQ(inst.ProgramFolder(), root + "/bin");
    EXPECT_EQ(inst.SupportFolder(), root + "/Daten/Support");
    EXPECT_EQ(inst.StandardsFolder(), "/elsewhere/User-Standards");
    EXPECT_EQ(inst.LibraryFolder(), root + "/bin");
    EXPECT_EQ(inst.RegistryBasePath(), "Firma\\Suite\\");
    EXPECT_EQ(inst.VersionName(), "OrvaneDT");
    EXPECT_EQ(inst.Region(), "AUT");
}

TEST_F(HostVariablesTest, SeedsFromTheInstallationWithItsFolderFilledIn) {
    QString path;
    ASSERT_EQ(vars().get("SYMBOLE_PATH", path), 1);
    EXPECT_EQ(path, QDir(folder.path()).filePath("inst") + "\\Symbole");
    int colour = 0;
    ASSERT_EQ(vars().get("symbole_button_color", colour), 1);
    EXPECT_EQ(colour, 255);
    // Non-numeric text is not an integer.
    int number = 5;
    EXPECT_EQ(vars().get("SYMBOLE_PATH", number), 0);
    EXPECT_EQ(number, 5);
}

TEST_F(HostVariablesTest, SetNeedsAnExistingVariableAndMakeKeepsAnExistingValue) {
    EXPECT_EQ(vars().set("SYMBOLS_BLOCKFILE", "a.dwg", eVarSaveProcess), 0);
    QString value;
    EXPECT_EQ(vars().get("SYMBOLS_BLOCKFILE", value), 0);

    EXPECT_EQ(vars().make("SYMBOLS_BLOCKFILE", "", eVarSaveProcess), 1);
    EXPECT_EQ(vars().set("SYMBOLS_BLOCKFILE", "a.dwg", eVarSaveProcess), 1);
    EXPECT_EQ(vars().make("SYMBOLS_BLOCKFILE", "other", eVarSaveProcess), 1);
    ASSERT_EQ(vars().get("SYMBOLS_BLOCKFILE", value), 1);
    EXPECT_EQ(value, "a.dwg");
}

TEST_F(HostVariablesTest, SaveTypeOneSurvivesARestartAndTypeZeroDoesNot) {
    ASSERT_EQ(vars().make("SYMBOLS_SLIDEFILE", "", eVarSaveSettings), 1);
    ASSERT_EQ(vars().set("SYMBOLS_SLIDEFILE", "C:\\Slides\\pump.sld", eVarSaveSettings), 1);
    ASSERT_EQ(vars().set("Q3DB_MASTERMODE", 1, eVarSaveSettings), 1);
    ASSERT_EQ(vars().make("ONLY_NOW", "x", eVarSaveProcess), 1);
    ASSERT_EQ(vars().set("SYMBOLE_BUTTON_COLOR", "7", eVarSaveProcess), 1);

    vars().Reset(); // a new process on the same settings file

    QString slide;
    ASSERT_EQ(vars().get("SYMBOLS_SLIDEFILE", slide, eVarSaveSettings), 1);
    EXPECT_EQ(slide, "C:\\Slides\\pump.sld");
    int master = 0;
    ASSERT_EQ(vars().get("Q3DB_MASTERMODE", master, eVarSaveSettings), 1);
    EXPECT_EQ(master, 1) << "a kept value wins over the installation's";
    QString gone;
    EXPECT_EQ(vars().get("ONLY_NOW", gone), 0);
    int colour = 0;
    ASSERT_EQ(vars().get("SYMBOLE_BUTTON_COLOR", colour), 1);
    EXPECT_EQ(colour, 255) << "a process value falls back to the installation's";
}

TEST_F(HostVariablesTest, KeptValuesBelongToTheSettingsFileInUse) {
    ASSERT_EQ(vars().make("SYMBOLS_FILELIST_SUPPORT", "list.txt", eVarSaveSettings), 1);
    orvane::test::TestFolder otherUser; // redirects the settings to a fresh file
    vars().Reset();
    QString value;
    EXPECT_EQ(vars().get("SYMBOLS_FILELIST_SUPPORT", value, eVarSaveSettings), 0);
}

TEST(InstallationFile, AFileThatCannotBeReadKeepsThePreviousInstallation) {
    orvane::test::TestFolder folder;
    auto& inst = COrvaneInstallation::GetInstance();
    ASSERT_TRUE(inst.Load(folder.write("good.inf", "Installation { Region = \"CHE\" }\n")));
    QString error;
    EXPECT_FALSE(inst.Load(folder.write("bad.inf", "Installation { Region = \"x\"\n"), &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_FALSE(inst.Load(folder.write("wrong.inf", "Other { }\n"), &error));
    EXPECT_TRUE(error.contains("Installation"));
    EXPECT_EQ(inst.Region(), "CHE");
    inst.Clear();
    EXPECT_FALSE(inst.IsLoaded());
    EXPECT_EQ(inst.Region(), "");
}

TEST(InstallationFile, TheSampleInstallationLoads) {
    auto& inst = COrvaneInstallation::GetInstance();
    QString error;
    ASSERT_TRUE(inst.Load(orvane::test::sampleInstallationPath("installation.inf"), &error))
        << error.toStdString();
    EXPECT_FALSE(inst.SupportFolder().isEmpty());
    EXPECT_FALSE(inst.VersionName().isEmpty());
    inst.Clear();
}
