#include "frame/host_detection.h"

#include <gtest/gtest.h>

TEST(RevitFolder, TheSecondWordOfTheFolderNameIsTheRelease) {
    using HostDetection::RevitVersionFromProgramFolder;
    EXPECT_EQ(RevitVersionFromProgramFolder("C:\\Program Files\\Autodesk\\Revit 2019"), "2019");
    EXPECT_EQ(RevitVersionFromProgramFolder("C:\\Program Files\\Autodesk\\Revit 2021\\"), "2021");
    EXPECT_EQ(RevitVersionFromProgramFolder("/opt/Autodesk/  Revit   2020  "), "2020");
    EXPECT_EQ(RevitVersionFromProgramFolder("/opt/Autodesk/Revit 2022 Beta"), "2022");
}

TEST(RevitFolder, PreviewStandsFor2018AndAOneWordFolderHasNoRelease) {
    using HostDetection::RevitVersionFromProgramFolder;
    EXPECT_EQ(RevitVersionFromProgramFolder("C:\\Autodesk\\Revit Preview Release"), "2018");
    EXPECT_EQ(RevitVersionFromProgramFolder("C:\\Autodesk\\Revit Preview"), "2018");
    EXPECT_EQ(RevitVersionFromProgramFolder("C:\\Autodesk\\Revit"), "");
    EXPECT_EQ(RevitVersionFromProgramFolder(""), "");
    // Only the folder's own name counts, not its parents.
    EXPECT_EQ(RevitVersionFromProgramFolder("/Revit 2017/Revit"), "");
}

TEST(HostKind, TheHostSaysWhetherItIsRevit) {
    HostDetection::SetRevitProgramFolder("C:\\Autodesk\\Revit 2019");
    HostDetection::HostKind revit = HostDetection::DetectHost();
    EXPECT_TRUE(revit.isRevit);
    EXPECT_EQ(revit.revitVersion, "2019");
    EXPECT_EQ(HostDetection::FindRevitProgram(), "C:/Autodesk/Revit 2019/Revit.exe");

    HostDetection::SetRevitProgramFolder("/opt/Revit");
    revit = HostDetection::DetectHost();
    EXPECT_TRUE(revit.isRevit);
    EXPECT_EQ(revit.revitVersion, "");

    HostDetection::SetRevitProgramFolder(QString());
    const HostDetection::HostKind drawingHost = HostDetection::DetectHost();
    EXPECT_FALSE(drawingHost.isRevit);
    EXPECT_EQ(drawingHost.revitVersion, "");
}
