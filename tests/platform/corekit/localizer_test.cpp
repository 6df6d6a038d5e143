#include "corekit/installation.h"
#include "corekit/localizer.h"

#include "test_folder.h"

TEST(Localizer, VersionNameAndRegionComeFromTheInstallationUnlessOverridden) {
    orvane::test::TestFolder folder;
    auto& inst = COrvaneInstallation::GetInstance();
    ASSERT_TRUE(
        inst.Load(folder.write("i.inf", "Installation { VersionName = \"OrvaneDT\" Region = \"UKR\" }\n")));
    EXPECT_EQ(CLocalizer::instance().GetVersionName(), "OrvaneDT");
    EXPECT_EQ(CLocalizer::instance().GetMyRegionsToken(), "UKR");
    qputenv("ORVANE_REGION", "CHE");
    qputenv("ORVANE_VERSION_NAME", "Andere");
    EXPECT_EQ(CLocalizer::instance().GetMyRegionsToken(), "CHE");
    EXPECT_EQ(CLocalizer::instance().GetVersionName(), "Andere");
    qunsetenv("ORVANE_REGION");
    qunsetenv("ORVANE_VERSION_NAME");
    inst.Clear();
    EXPECT_EQ(CLocalizer::instance().GetVersionName(), "");
}
