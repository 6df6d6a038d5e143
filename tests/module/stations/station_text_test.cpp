#include "stations/station_text.h"

#include <gtest/gtest.h>

TEST(StationText, FormatsLikePrintfWithTextsAsUtf8) {
    EXPECT_EQ(WoSt::sformat(QStringLiteral("%s\t%.0f/%.0f °C"), QStringLiteral("VL/RL-Temp."), 64.6, 25.4),
              QStringLiteral("VL/RL-Temp.\t65/25 °C"));
    EXPECT_EQ(WoSt::sformat(QStringLiteral("%s\t%0.f %s"), QStringLiteral("Druckverlust-TW"), 409.2, "mbar"),
              QStringLiteral("Druckverlust-TW\t409 mbar"));
    EXPECT_EQ(WoSt::sformat(QStringLiteral("Größe %d: %s"), 7, QStringLiteral("Fußbodenheizungs-Verteiler")),
              QStringLiteral("Größe 7: Fußbodenheizungs-Verteiler"));
    EXPECT_EQ(WoSt::sformat(QStringLiteral("%.1f%s"), 4.25001, QStringLiteral("kW")),
              QStringLiteral("4.3kW"));
}

TEST(StationText, LongTextsAreNotCut) {
    const QString longText(5000, QLatin1Char('x'));
    EXPECT_EQ(WoSt::sformat(QStringLiteral("<%s>"), longText),
              QLatin1Char('<') + longText + QLatin1Char('>'));
}
