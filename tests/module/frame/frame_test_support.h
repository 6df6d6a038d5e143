#pragma once

#include "frame/app.h"
#include "frame/host_detection.h"

#include "corekit/installation.h"
#include "corekit/translation.h"

#include "test_folder.h"

#include <optional>

// Runs the module's start-up afresh for one test, as the host named, and puts the module
// back into its unstarted state afterwards.
class StartedModuleTest : public orvane::test::FolderTest {
protected:
    void StartAs(const QString& revitFolder, const QString& language = QStringLiteral("de")) {
        m_language.emplace(language);
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
        m_language.reset();
        COrvaneInstallation::GetInstance().Clear();
    }

private:
    std::optional<orvane::test::LanguageScope> m_language;
    bool m_started = false;
};
