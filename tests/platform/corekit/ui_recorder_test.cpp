#include "corekit/ui_recorder.h"

#include <gtest/gtest.h>

TEST(UiRecorder, RecordsWhatWasShownAndGivesScriptedAnswers) {
    CRecordingUiServices ui;
    ui.QueueAnswer(IDYES);
    EXPECT_EQ(UiMessageBox("Speichern?", "Frage", UiButtons::YesNo, UiIcon::Question), IDYES);
    EXPECT_EQ(UiMessageBox("Nochmal?", "Frage", UiButtons::YesNo), IDNO)
        << "the default answer to a question is No";
    ui.SetDefaultYesNo(IDYES);
    EXPECT_EQ(UiMessageBox("Und jetzt?", "Frage", UiButtons::YesNo), IDYES);
    EXPECT_EQ(UiMessageBox("Fertig", "Hinweis"), IDOK);

    QString value = "Vorschlag";
    EXPECT_FALSE(CurrentUiServices().InputBox("Titel", "Name:", value));
    EXPECT_EQ(value, "Vorschlag");
    ui.QueueInput(QStringLiteral("Neu"));
    ui.QueueInput(std::nullopt);
    EXPECT_TRUE(CurrentUiServices().InputBox("Titel", "Name:", value));
    EXPECT_EQ(value, "Neu");
    EXPECT_FALSE(CurrentUiServices().InputBox("Titel", "Name:", value));

    ui.QueueOpenFile("/daten/a.sld");
    EXPECT_EQ(CurrentUiServices().GetOpenFileName("Dia", "/daten", "Dias (*.sld)"), "/daten/a.sld");
    EXPECT_EQ(CurrentUiServices().GetOpenFileName("Dia", "/daten", "Dias (*.sld)"), "");

    EXPECT_EQ(ui.MessageCount(), 4);
    ASSERT_EQ(ui.Shown().size(), 9);
    EXPECT_EQ(ui.Shown()[0].text, "Speichern?");
    EXPECT_EQ(ui.Shown()[0].icon, UiIcon::Question);
    EXPECT_EQ(ui.Shown()[4].kind, CRecordingUiServices::Kind::InputBox);
    EXPECT_EQ(ui.Shown()[4].value, "Vorschlag");
    EXPECT_EQ(ui.Shown()[7].filter, "Dias (*.sld)");
}

TEST(UiRecorder, ARecorderGivesBackWhatWasInstalledBefore) {
    IUiServices* before = &CurrentUiServices();
    {
        CRecordingUiServices outer;
        {
            CRecordingUiServices inner;
            UiMessageBox("innen", "x");
            EXPECT_EQ(inner.MessageCount(), 1);
        }
        UiMessageBox("außen", "x");
        EXPECT_EQ(outer.MessageCount(), 1);
    }
    EXPECT_EQ(&CurrentUiServices(), before);
}
