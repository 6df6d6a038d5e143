#include "frame_test_support.h"

#include "frame/module_start.h"
#include "frame/resource_scope.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QXmlStreamReader>

#include <stdexcept>

class AppTest : public StartedModuleTest {};

TEST_F(AppTest, InTheDrawingHost) {
    StartAs(QString());
    EXPECT_EQ(theApp.m_isAcadHost, 1);
    EXPECT_EQ(theApp.m_isRevit, 0);
    EXPECT_EQ(theApp.m_revitVersion, "");
    EXPECT_EQ(g_hModuleInstance, &theApp);
    EXPECT_EQ(g_hResourceInstance, g_hModuleInstance);
    ASSERT_NE(g_pTranslationModule, nullptr);
    EXPECT_EQ(g_pTranslationModule->Name(), "OrvanePlanungUI");
}

TEST_F(AppTest, InRevit) {
    StartAs("C:\\Program Files\\Autodesk\\Revit Preview Release");
    EXPECT_EQ(theApp.m_isAcadHost, 0);
    EXPECT_EQ(theApp.m_isRevit, 1);
    EXPECT_EQ(theApp.m_revitVersion, "2018");
}

TEST_F(AppTest, TheModuleDescriptorNamesTheFileHoldingTheModule) {
    StartAs(QString());
    // In this test the module's code is linked into the test program itself.
    const QFileInfo program(QCoreApplication::applicationFilePath());
    EXPECT_EQ(QFileInfo(theApp.m_dllModule.Get(CDllModule::kFile)), program);
    EXPECT_EQ(QFileInfo(theApp.m_dllModule.Get(CDllModule::kProgramDir)), QFileInfo(program.absolutePath()));
}

TEST_F(AppTest, TheSettingsKeyStartsWithTheInstallationsBasePath) {
    ASSERT_TRUE(COrvaneInstallation::GetInstance().Load(
        folder.write("inst.inf", "Installation { RegistryBasePath = \"Firma\\\\Suite\\\\\" }\n")));
    StartAs(QString());
    EXPECT_EQ(theApp.m_regPath, "Firma\\Suite\\OrvanePlanungUI20\\");

    ASSERT_TRUE(COrvaneInstallation::GetInstance().Load(
        folder.write("no-sep.inf", "Installation { RegistryBasePath = \"Firma\" }\n")));
    theApp.InitInstance();
    EXPECT_EQ(theApp.m_regPath, "Firma\\OrvanePlanungUI20\\");

    COrvaneInstallation::GetInstance().Clear();
    theApp.InitInstance();
    EXPECT_EQ(theApp.m_regPath, "OrvanePlanungUI20\\");
}

TEST_F(AppTest, ModuleTextsInGermanKeepTheTextAndCutContextKeys) {
    StartAs(QString(), "de");
    EXPECT_EQ(ModuleText("Fehler"), "Fehler");
    EXPECT_EQ(ModuleText("@Gewerk@Lüftung"), "Lüftung");
}

TEST_F(AppTest, TheEnglishTranslationShipsWithTheModule) {
    StartAs(QString(), "en");
    EXPECT_EQ(ModuleText("Fehler"), "Error");
    EXPECT_EQ(ModuleText("@Gewerk@Lüftung"), "Ventilation");
    EXPECT_EQ(ModuleText("@Gewerk@Kälte"), "Refrigeration");
    // Texts nobody translated yet fall back as in German.
    EXPECT_EQ(ModuleText("Kein Eintrag hierfür"), "Kein Eintrag hierfür");
    EXPECT_EQ(ModuleText("@Kontext@Ohne Übersetzung"), "Ohne Übersetzung");
    EXPECT_EQ(ModuleDataText("@Gewerk@Heizung"), "Heating");
}

// Every English text of the module's Linguist files, shared ones and those of the parts alike,
// reaches the module's lookup (an entry kept once in the shared file serves every part).
TEST_F(AppTest, EveryEnglishEntryOfTheModulesFilesIsFound) {
    StartAs(QString(), "en");
    const QDir folder(QStringLiteral(ORVANE_SOURCE_DIR "/module/resources/translations"));
    const QStringList files = folder.entryList({QStringLiteral("OrvanePlanungUI*_en.ts")}, QDir::Files);
    ASSERT_GE(files.size(), 2);
    int checked = 0;
    QHash<QString, QString> fileOf;
    for (const QString& name : files) {
        QFile file(folder.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << qPrintable(name);
        QXmlStreamReader xml(&file);
        QString source;
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement)
                continue;
            if (xml.name() == u"source") {
                source = xml.readElementText();
                // One entry serves every part: a text kept in two files would drift apart.
                EXPECT_FALSE(fileOf.contains(source)) << qPrintable(source) << " in " << qPrintable(name)
                                                      << " and " << qPrintable(fileOf.value(source));
                fileOf.insert(source, name);
            } else if (xml.name() == u"translation" &&
                       xml.attributes().value(QStringLiteral("type")).isEmpty()) {
                const QString english = xml.readElementText();
                if (english.isEmpty())
                    continue;
                EXPECT_EQ(ModuleText(source.toUtf8().constData()), english) << qPrintable(name);
                ++checked;
            }
        }
        EXPECT_FALSE(xml.hasError()) << qPrintable(name) << ": " << qPrintable(xml.errorString());
    }
    EXPECT_GT(checked, 100);
}

TEST_F(AppTest, StartUpRunsOnceUntilStopped) {
    StartAs(QString());
    EXPECT_NE(OrvaneModuleStart(), 0);
    HostDetection::SetRevitProgramFolder("/opt/Revit 2020");
    EXPECT_NE(OrvaneModuleStart(), 0);
    EXPECT_EQ(theApp.m_isRevit, 0) << "a second start does not detect again";
    OrvaneModuleStop();
    EXPECT_NE(OrvaneModuleStart(), 0);
    EXPECT_EQ(theApp.m_revitVersion, "2020");
    OrvaneModuleStop();
}

TEST_F(AppTest, TheResourceScopeGivesTheHostsResourcesBackOnEveryPath) {
    StartAs(QString());
    int hostResources = 0;
    SetCurrentResourceInstance(&hostResources);
    {
        CModuleResourceScope scope;
        EXPECT_EQ(CurrentResourceInstance(), g_hResourceInstance);
    }
    EXPECT_EQ(CurrentResourceInstance(), &hostResources);
    try {
        CModuleResourceScope scope;
        throw std::runtime_error("leaving early");
    } catch (const std::runtime_error&) {
    }
    EXPECT_EQ(CurrentResourceInstance(), &hostResources);

    // A host without resources of its own keeps the module's afterwards.
    SetCurrentResourceInstance(nullptr);
    { CModuleResourceScope scope; }
    EXPECT_EQ(CurrentResourceInstance(), g_hResourceInstance);
    SetCurrentResourceInstance(nullptr);
}
