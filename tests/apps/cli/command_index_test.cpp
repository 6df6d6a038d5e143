// The launcher prints the overview from its own index of the groups; it must say what the
// registered groups say.

#include "cli_test_support.h"
#include "command_index.h"

#include <gtest/gtest.h>

TEST(CommandIndex, LauncherOverviewEqualsTheRegisteredGroups) {
    const auto result = orvane::test::runOrvane({QStringLiteral("--help")});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out, QString::fromStdString(orvane::cli::OverviewText()));
}
