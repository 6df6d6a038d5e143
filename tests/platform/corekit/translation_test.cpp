#include "corekit/registry.h"
#include "corekit/translation.h"

#include "process_choices.h"
#include "test_folder.h"

#include <QSettings>

using orvane::test::FolderTest;

namespace {

using orvane::test::LanguageScope;

QByteArray tsFile(const char* language, const char* messages) {
    return QByteArray(
               "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<!DOCTYPE TS>\n<TS version=\"2.1\" language=\"") +
           language + "\">\n<context><name>Daten</name>\n" + messages + "</context>\n</TS>\n";
}

} // namespace

TEST(UntranslatedText, ShowsTheTextAfterTheLastAtOfAContextKey) {
    EXPECT_EQ(Translation::UntranslatedText("@Gewerk@Heizung"), "Heizung");
    EXPECT_EQ(Translation::UntranslatedText("@Betriebsart Wohnungsstation@Vorrang/Parallel"),
              "Vorrang/Parallel");
    EXPECT_EQ(Translation::UntranslatedText("@a@b@c"), "c");
    EXPECT_EQ(Translation::UntranslatedText("Heizung"), "Heizung");
    EXPECT_EQ(Translation::UntranslatedText("info@firma.de"), "info@firma.de");
    EXPECT_EQ(Translation::UntranslatedText("@"), "@");
    EXPECT_EQ(Translation::UntranslatedText("@Kontext@"), "");
}

class TranslationTest : public FolderTest {};

TEST_F(TranslationTest, GermanNeedsNoTranslationButContextKeysAreCut) {
    LanguageScope german("de");
    CTranslationModule* module = CTranslationManager::GetInstance().AddModule("TestModul");
    ASSERT_NE(module, nullptr);
    EXPECT_EQ(CTranslationManager::GetInstance().AddModule("TestModul"), module);
    EXPECT_EQ(module->TranslateText("Größe"), QStringLiteral("Größe"));
    EXPECT_EQ(module->TranslateText("@Objektfang@Nächster"), QStringLiteral("Nächster"));
    EXPECT_EQ(CTranslationManager::GetDataText("@Gewerk@Kälte", module), QStringLiteral("Kälte"));
    EXPECT_EQ(CTranslationManager::GetDataText("@Gewerk@Kälte", nullptr), QStringLiteral("Kälte"));
}

TEST_F(TranslationTest, DataTextsComeFromTheFilesBesideTheData) {
    LanguageScope english("en");
    folder.write("Heizung/Seiten_en.ts", tsFile("en", R"(
<message><source>Heizkörper</source><translation>Radiators</translation></message>
<message><source>@Seite@Ventile</source><translation>Valves</translation></message>
<message><source>Pumpen</source><translation type="unfinished"></translation></message>
<message><source>Alt</source><translation type="vanished">Old</translation></message>
)"));
    folder.write(
        "Heizung/Seiten_fr.ts",
        tsFile("fr", R"(<message><source>Pumpen</source><translation>Pompes</translation></message>)"));
    CTranslationModule* module = CTranslationManager::GetInstance().AddModule("DatenModul");

    EXPECT_EQ(module->ScanDirectory(folder.filePath("Heizung")), 1);
    EXPECT_EQ(module->ScanDirectory(folder.filePath("Heizung")), 0) << "a folder is read once";

    EXPECT_EQ(CTranslationManager::GetDataText(QStringLiteral("Heizkörper"), module), "Radiators");
    EXPECT_EQ(CTranslationManager::GetDataText("@Seite@Ventile", module), "Valves");
    EXPECT_EQ(CTranslationManager::GetDataText("Pumpen", module), "Pumpen") << "empty translation";
    EXPECT_EQ(CTranslationManager::GetDataText("Alt", module), "Alt") << "vanished translation";
    EXPECT_EQ(CTranslationManager::GetDataText("@Seite@Unbekannt", module), "Unbekannt");
    // Data translations are not code translations.
    EXPECT_EQ(module->TranslateText("Heizkörper"), QStringLiteral("Heizkörper"));
}

TEST_F(TranslationTest, ABackslashFolderFromDataIsScannedLikeTheSameFolder) {
    LanguageScope english("en");
    folder.write("Sanitär/a_en.ts",
                 tsFile("en", "<message><source>Wanne</source><translation>Tub</translation></message>"));
    CTranslationModule* module = CTranslationManager::GetInstance().AddModule("PfadModul");
    QString windowsStyle = folder.filePath(QStringLiteral("Sanitär/"));
    windowsStyle.replace(u'/', u'\\');
    EXPECT_EQ(module->ScanDirectory(windowsStyle), 1);
    EXPECT_EQ(module->ScanDirectory(folder.filePath(QStringLiteral("Sanitär"))), 0);
    EXPECT_EQ(module->TranslateDataText("Wanne"), "Tub");
}

TEST_F(TranslationTest, AChangedLanguageDropsWhatWasLoaded) {
    folder.write("d/x_en.ts",
                 tsFile("en", "<message><source>Rohr</source><translation>Pipe</translation></message>"));
    CTranslationModule* module = CTranslationManager::GetInstance().AddModule("WechselModul");
    {
        LanguageScope english("en");
        module->ScanDirectory(folder.filePath("d"));
        EXPECT_EQ(module->TranslateDataText("Rohr"), "Pipe");
    }
    EXPECT_EQ(module->TranslateDataText("Rohr"), "Rohr");
}

TEST_F(TranslationTest, TheLanguageTheProgramSetWinsOverTheSetting) {
    {
        QSettings settings(OrvaneSettingsFile(), QSettings::IniFormat);
        settings.setValue("Translation/Language", "en");
    }
    const CTranslationManager& manager = CTranslationManager::GetInstance();
    struct Case {
        const char* requested;
        const char* expected;
    };
    for (const Case& c : {Case{" fr ", "fr"}, Case{"", "en"}}) {
        LanguageScope scope(c.requested);
        EXPECT_EQ(manager.Language(), c.expected) << c.requested;
    }
    EXPECT_EQ(manager.Language(), "de") << "the previous language comes back";
}
