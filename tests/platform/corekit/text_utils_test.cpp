#include "corekit/text_utils.h"

#include <gtest/gtest.h>

TEST(GetNotEmptyToken, CountsOnlyNonEmptyTokens) {
    QString out = "unchanged";
    EXPECT_TRUE(GetNotEmptyToken("  Revit   2019 x", " ", 1, out));
    EXPECT_EQ(out, "2019");
    EXPECT_TRUE(GetNotEmptyToken("_H__WndPos", "_", 0, out));
    EXPECT_EQ(out, "H");
    EXPECT_TRUE(GetNotEmptyToken("a;b,,c", ";,", 2, out));
    EXPECT_EQ(out, "c");
    out = "unchanged";
    EXPECT_FALSE(GetNotEmptyToken("Revit", " ", 1, out));
    EXPECT_FALSE(GetNotEmptyToken("   ", " ", 0, out));
    EXPECT_FALSE(GetNotEmptyToken("a b", " ", -1, out));
    EXPECT_EQ(out, "unchanged");
}

TEST(FindNoCase, IgnoresCaseOfUmlautsToo) {
    EXPECT_EQ(String::FindNoCase(QStringLiteral("Wärmepumpe ÖL"), QStringLiteral("PUMPE")), 5);
    EXPECT_EQ(String::FindNoCase(QStringLiteral("Wärmepumpe ÖL"), QStringLiteral("wÄrme")), 0);
    EXPECT_EQ(String::FindNoCase(QStringLiteral("Wärmepumpe ÖL"), QStringLiteral("öl")), 11);
    EXPECT_EQ(String::FindNoCase("abcabc", "ABC", 1), 3);
    EXPECT_EQ(String::FindNoCase("abc", "x"), -1);
}

TEST(Sformat, TextsAndNumbersAsPrintfWouldWriteThem) {
    EXPECT_EQ(sformat("%s\t%.0f/%.0f °C", QStringLiteral("VL/RL-Temp."), 70.4, 55.5),
              QStringLiteral("VL/RL-Temp.\t70/56 °C"));
    EXPECT_EQ(sformat("%s\t%0.f %s", "Druckverlust-TW", 123.6, "mbar"), "Druckverlust-TW\t124 mbar");
    EXPECT_EQ(sformat("%i,%i,%i,%i", 10, -20, 300, 4), "10,-20,300,4");
    EXPECT_EQ(sformat("%lf", 2.5), "2.500000");
    EXPECT_EQ(sformat("%5d|%-5d|%05d", 42, 42, 42), "   42|42   |00042");
    EXPECT_EQ(sformat("%x %X %o %u", 255, 255, 8, 7u), "ff FF 10 7");
    EXPECT_EQ(sformat("100%% %s", QStringLiteral("Größe")), QStringLiteral("100% Größe"));
    EXPECT_EQ(sformat("[%6s][%-4s][%.2s]", "ab", "c", "xyz"), "[    ab][c   ][xy]");
    EXPECT_EQ(sformat("%c%c", 'O', QChar(u'K')), "OK");
    EXPECT_EQ(sformat(QStringLiteral("Die Station kann maximal %d Heizkreise aufnehmen."), 12),
              "Die Station kann maximal 12 Heizkreise aufnehmen.");
}

TEST(Sformat, MismatchedOrMissingArgumentsDoNoHarm) {
    EXPECT_EQ(sformat("%d", 3.9), "3");
    EXPECT_EQ(sformat("%d", -3.9), "-3");
    EXPECT_EQ(sformat("%s", 5), "5");
    EXPECT_EQ(sformat("%.1f", 2), "2.0");
    EXPECT_EQ(sformat("a %s b %d"), "a  b ");
    EXPECT_EQ(sformat("%y %s", "x"), "%y x");
    EXPECT_EQ(sformat("end %"), "end %");
    EXPECT_EQ(sformat("%.300f", 1.0).size(), 302);
    EXPECT_EQ(sformat("%*d", 4, 7), "   7");
}
