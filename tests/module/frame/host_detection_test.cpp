#include "frame/host_detection.h"

#include <gtest/gtest.h>

// The second word of the folder's own name is the release; "Preview" stands for 2018.
TEST(RevitFolder, ReleaseFromTheFolderName) {
    const std::pair<const char*, const char*> cases[] = {
        {"C:\\Program Files\\Autodesk\\Revit 2019", "2019"},
        {"C:\\Program Files\\Autodesk\\Revit 2021\\", "2021"},
        {"/opt/Autodesk/  Revit   2020  ", "2020"},
        {"/opt/Autodesk/Revit 2022 Beta", "2022"},
        {"C:\\Autodesk\\Revit Preview Release", "2018"},
        {"C:\\Autodesk\\Revit Preview", "2018"},
        {"C:\\Autodesk\\Revit", ""},
        {"", ""},
        {"/Revit 2017/Revit", ""}, // only the folder's own name counts, not its parents
    };
    for (const auto& [folder, release] : cases)
        EXPECT_EQ(HostDetection::RevitVersionFromProgramFolder(folder), release) << folder;
}

TEST(HostKind, TheHostSaysWhetherItIsRevit) {
    const std::tuple<const char*, bool, const char*> cases[] = {
        {"C:\\Autodesk\\Revit 2019", true, "2019"}, {"/opt/Revit", true, ""}, {"", false, ""}};
    for (const auto& [folder, isRevit, release] : cases) {
        HostDetection::SetRevitProgramFolder(folder);
        const HostDetection::HostKind host = HostDetection::DetectHost();
        EXPECT_EQ(host.isRevit, isRevit) << folder;
        EXPECT_EQ(host.revitVersion, release) << folder;
    }
    HostDetection::SetRevitProgramFolder("C:\\Autodesk\\Revit 2019");
    EXPECT_EQ(HostDetection::FindRevitProgram(), "C:/Autodesk/Revit 2019/Revit.exe");
    HostDetection::SetRevitProgramFolder(QString());
}
