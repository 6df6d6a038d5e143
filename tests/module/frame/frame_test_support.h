#pragma once

#include "frame/app.h"
#include "frame/host_detection.h"

#include "corekit/installation.h"
#include "corekit/translation.h"

#include "test_folder.h"

// Runs the module's start-up afresh for one test, as the host named, and puts the module
// back into its unstarted state afterwards.
class StartedModuleTest : public orvane::test::FolderTest {
protected:
    void StartAs(const QString& revitFolder, const QByteArray& language = "de") {
        m_previousLanguage = qgetenv("ORVANE_LANGUAGE");
        qputenv("ORVANE_LANGUAGE", language);
        CTranslationManager::GetInstance().Reload();
        HostDetection::SetRevitProgramFolder(revitFolder);
        theApp.m_isAcadHost = theApp.m_isRevit = 0;
        theApp.m_revitVersion.clear();
        ASSERT_NE(theApp.InitInstance(), 0);
        m_started = true;
    }
    void TearDown() override {
        if (!m_started)
            return;
        HostDetection::SetRevitProgramFolder(QString());
        qputenv("ORVANE_LANGUAGE", m_previousLanguage);
        CTranslationManager::GetInstance().Reload();
        COrvaneInstallation::GetInstance().Clear();
    }

private:
    QByteArray m_previousLanguage;
    bool m_started = false;
};
