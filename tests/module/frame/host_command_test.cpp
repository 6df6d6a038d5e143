#include "frame_test_support.h"

#include "frame/host_command.h"

#include <QList>

namespace {

struct Pasted {
    QString text;
    int a;
    int b;
};
QList<Pasted> g_pasted;

void recordPaste(const wchar_t* text, int a, int b) {
    g_pasted.append({QString::fromWCharArray(text), a, b});
}

} // namespace

class HostCommandTest : public StartedModuleTest {
protected:
    void TearDown() override {
        DlgSymbols::SetOrvanePasteToCommandLineFunc(nullptr);
        g_pasted.clear();
        StartedModuleTest::TearDown();
    }
};

TEST_F(HostCommandTest, DrawingHostEndsABareCommandWithOneReturn) {
    StartAs(QString());
    EXPECT_EQ(FormatHostCommand("InsertSymbol", ""), "InsertSymbol\r");
    EXPECT_EQ(FormatHostCommand("InsertSymbol"), "InsertSymbol\r");
    EXPECT_EQ(FormatHostCommand("InsPair", "Pumpe"), "InsPair\rPumpe\r");
}

TEST_F(HostCommandTest, RevitTakesABareCommandAsItIs) {
    StartAs("C:\\Autodesk\\Revit 2019");
    EXPECT_EQ(FormatHostCommand("InsertSymbol", ""), "InsertSymbol");
    EXPECT_EQ(FormatHostCommand("InsPair", "Pumpe"), "InsPair\rPumpe\r");
}

TEST_F(HostCommandTest, PastingBeforeTheHostRegisteredDoesNothing) {
    StartAs(QString());
    PasteToCommandLine("Vorher\r", 0, 1);
    DlgSymbols::SetOrvanePasteToCommandLineFunc(&recordPaste);
    EXPECT_TRUE(g_pasted.isEmpty());

    PasteToCommandLine(FormatHostCommand("Größe", "1"), 0, 1);
    ASSERT_EQ(g_pasted.size(), 1);
    EXPECT_EQ(g_pasted[0].text, "Größe\r1\r");
    EXPECT_EQ(g_pasted[0].a, 0);
    EXPECT_EQ(g_pasted[0].b, 1);

    DlgSymbols::SetOrvanePasteToCommandLineFunc(nullptr);
    PasteToCommandLine("Danach\r");
    EXPECT_EQ(g_pasted.size(), 1);
}
