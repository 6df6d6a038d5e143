#include "corekit/registry.h"

#include "test_folder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

#include <sys/stat.h>

using orvane::test::FolderTest;
using orvane::test::TestFolder;

namespace {
const QString kKey = QStringLiteral("Orvane\\OrvanePlanungUI20\\Dialogs\\DlgHydraulics");
}

class RegistryTest : public FolderTest {};

TEST_F(RegistryTest, ValuesSurviveAFreshSettingsObject) {
    ASSERT_EQ(RegSetValueW(HKEY_CURRENT_USER, kKey, "Typ", DWORD(4)), 1);
    ASSERT_EQ(RegSetValueW(HKEY_CURRENT_USER, kKey, "Pos", QStringLiteral("10,20,300,400")), 1);
    ASSERT_EQ(RegSetValueW(HKEY_CURRENT_USER, kKey, "Name", QStringLiteral("Wärme \"Süd\"; =x")), 1);

    // The file itself holds the values: read it with a settings object of our own.
    QSettings fresh(folder.settingsFile(), QSettings::IniFormat);
    EXPECT_EQ(fresh.value("Orvane/OrvanePlanungUI20/Dialogs/DlgHydraulics/Typ").toString(), "4");

    DWORD typ = 0;
    QString pos, name;
    EXPECT_EQ(RegQueryValueW(HKEY_CURRENT_USER, kKey, "Typ", typ), 1);
    EXPECT_EQ(typ, 4u);
    EXPECT_EQ(RegQueryValueW(HKEY_CURRENT_USER, kKey, "Pos", pos), 1);
    EXPECT_EQ(pos, "10,20,300,400");
    EXPECT_EQ(RegQueryValueW(HKEY_CURRENT_USER, kKey, "Name", name), 1);
    EXPECT_EQ(name, QStringLiteral("Wärme \"Süd\"; =x"));
}

TEST_F(RegistryTest, MissingOrNonNumericValuesAreNotFound) {
    DWORD number = 77;
    QString text = "unchanged";
    EXPECT_EQ(RegQueryValueW(HKEY_CURRENT_USER, kKey, "Nothing", number), 0);
    EXPECT_EQ(RegQueryValueW(HKEY_CURRENT_USER, kKey, "Nothing", text), 0);
    EXPECT_EQ(number, 77u);
    EXPECT_EQ(text, "unchanged");

    RegSetValueW(HKEY_CURRENT_USER, kKey, "Text", QStringLiteral("abc"));
    EXPECT_EQ(RegQueryValueW(HKEY_CURRENT_USER, kKey, "Text", number), 0);
    EXPECT_EQ(number, 77u);
}

TEST_F(RegistryTest, BackslashesAndSlashesNameTheSameGroup) {
    RegSetValueW(HKEY_CURRENT_USER, "A\\B\\", "V", DWORD(1));
    DWORD v = 0;
    EXPECT_EQ(RegQueryValueW(HKEY_CURRENT_USER, "A/B", "V", v), 1);
    EXPECT_EQ(RegQueryValueW(HKEY_CURRENT_USER, "\\A\\\\B", "V", v), 1);
    EXPECT_EQ(RegQueryValueW(HKEY_CURRENT_USER, "A", "V", v), 0);
}

TEST_F(RegistryTest, EnumeratesOnlyTheValuesDirectlyUnderAKey) {
    const QString key = "Orvane\\OrvanePlanungUI20\\Dialogs\\DlgSymbolToolbar";
    RegSetValueW(HKEY_CURRENT_USER, key, "H_WndPos", QStringLiteral("1,2,3,4"));
    RegSetValueW(HKEY_CURRENT_USER, key, "S_WndPos", QStringLiteral("5,6,7,8"));
    RegSetValueW(HKEY_CURRENT_USER, key + "\\Sub", "Deeper", DWORD(1));
    QStringList names;
    EXPECT_EQ(RegEnumValues(HKEY_CURRENT_USER, key, names), 1);
    EXPECT_EQ(names, QStringList({"H_WndPos", "S_WndPos"}));
    EXPECT_EQ(RegEnumValues(HKEY_CURRENT_USER, "Nowhere", names), 0);
    EXPECT_TRUE(names.isEmpty());
}

TEST_F(RegistryTest, DeleteRemovesOnlyTheNamedValue) {
    RegSetValueW(HKEY_CURRENT_USER, kKey, "A", DWORD(1));
    RegSetValueW(HKEY_CURRENT_USER, kKey, "B", DWORD(2));
    EXPECT_EQ(RegDeleteValueW(HKEY_CURRENT_USER, kKey, "A"), 1);
    EXPECT_EQ(RegDeleteValueW(HKEY_CURRENT_USER, kKey, "A"), 0);
    DWORD v = 0;
    EXPECT_EQ(RegQueryValueW(HKEY_CURRENT_USER, kKey, "A", v), 0);
    EXPECT_EQ(RegQueryValueW(HKEY_CURRENT_USER, kKey, "B", v), 1);
}

TEST(RegistryRedirection, EachCallFollowsTheCurrentSettingsFile) {
    auto first = std::make_unique<TestFolder>();
    RegSetValueW(HKEY_CURRENT_USER, kKey, "Where", QStringLiteral("first"));
    const QString firstFile = first->settingsFile();
    {
        TestFolder second;
        QString where;
        EXPECT_EQ(OrvaneSettingsFile(), second.settingsFile());
        EXPECT_EQ(RegQueryValueW(HKEY_CURRENT_USER, kKey, "Where", where), 0);
    }
    QString where;
    EXPECT_EQ(RegQueryValueW(HKEY_CURRENT_USER, kKey, "Where", where), 1);
    EXPECT_EQ(where, "first");
    EXPECT_TRUE(QFile::exists(firstFile));
}

TEST(RegistryFailure, ASettingsNameThatIsNoRegularFileIsNeitherReadNorWritten) {
    TestFolder folder;
    const QString fifo = folder.path() + "/fifo.ini";
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const QString directory = folder.path() + "/folder.ini";
    ASSERT_TRUE(QDir().mkpath(directory));
    for (const QString& settings : {fifo, directory}) {
        SCOPED_TRACE(settings.toStdString());
        SetOrvaneSettingsFile(settings);
        // Reading the FIFO would block this test for ever.
        QString value;
        EXPECT_EQ(RegQueryValueW(HKEY_CURRENT_USER, kKey, "V", value), 0);
        EXPECT_EQ(RegSetValueW(HKEY_CURRENT_USER, kKey, "V", DWORD(1)), 0);
    }
    EXPECT_TRUE(QFileInfo(directory).isDir());
}

TEST(RegistryFailure, AWriteThatCannotReachTheDiskReportsFailure) {
    TestFolder folder;
    // A settings "file" whose folder is a plain file cannot be written.
    const QString blocker = folder.write("blocker", "x");
    SetOrvaneSettingsFile(blocker + "/user.ini");
    EXPECT_EQ(RegSetValueW(HKEY_CURRENT_USER, kKey, "V", DWORD(1)), 0);
    EXPECT_EQ(RegCreateKeyW(HKEY_CURRENT_USER, kKey), 0);
}
