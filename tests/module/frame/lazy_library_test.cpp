#include "frame_test_support.h"

#include "frame/lazy_library.h"

#include "corekit/ui_recorder.h"

// The probe library's functions, declared as a user of a suite library would include them.
extern "C" {
int LazyProbe_Add(int a, int b);
long long LazyProbe_Wide(long long value);
const char* LazyProbe_Name(void);
void LazyProbe_Count(void);
int LazyProbe_Counter(void);
int LazyProbe_Missing(int);
}

class LazyLibraryTest : public StartedModuleTest {
protected:
    void SetUp() override {
        COrvaneInstallation::GetInstance().Clear();
        StartAs(QString());
    }
    CRecordingUiServices ui;
};

TEST_F(LazyLibraryTest, CallsGoThroughToAFoundLibrary) {
    CLazyLibrary probe("LazyProbe", nullptr, {LAZY_PROBE_DIR});
    EXPECT_EQ(ORVANE_LAZY_CALL(probe, LazyProbe_Add, 2, 40), 42);
    // An int argument reaches a 64-bit parameter whole, as in a direct call.
    EXPECT_EQ(ORVANE_LAZY_CALL(probe, LazyProbe_Wide, 3000000000LL), 6000000000LL);
    EXPECT_EQ(ORVANE_LAZY_CALL(probe, LazyProbe_Wide, -5), -10);
    EXPECT_STREQ(ORVANE_LAZY_CALL(probe, LazyProbe_Name), "LazyProbe");
    const int before = ORVANE_LAZY_CALL(probe, LazyProbe_Counter);
    ORVANE_LAZY_CALL(probe, LazyProbe_Count);
    EXPECT_EQ(ORVANE_LAZY_CALL(probe, LazyProbe_Counter), before + 1);
    auto* add = probe.Resolve<decltype(LazyProbe_Add)>("LazyProbe_Add");
    ASSERT_NE(add, nullptr);
    EXPECT_EQ(add(1, 1), 2);
    EXPECT_TRUE(probe.IsAvailable());
    EXPECT_EQ(ui.MessageCount(), 0);
}

TEST_F(LazyLibraryTest, AMissingLibraryIsReportedOnceAndEveryCallAnswersZero) {
    unsigned char shown = 0;
    CLazyLibrary missing("NoSuchSuiteLibrary", &shown);

    EXPECT_EQ(ORVANE_LAZY_CALL(missing, LazyProbe_Add, 2, 40), 0);
    EXPECT_EQ(ORVANE_LAZY_CALL(missing, LazyProbe_Name), nullptr);
    ORVANE_LAZY_CALL(missing, LazyProbe_Count);
    EXPECT_EQ(missing.Resolve<decltype(LazyProbe_Add)>("LazyProbe_Add"), nullptr);
    EXPECT_FALSE(missing.IsAvailable());
    EXPECT_EQ(shown, 1);

    ASSERT_EQ(ui.Shown().size(), 1);
    const auto& message = ui.Shown()[0];
    EXPECT_EQ(message.caption, "DLL Error");
    EXPECT_EQ(message.icon, UiIcon::Stop);
    const QString moduleFile = theApp.m_dllModule.Get(CDllModule::kFile);
    EXPECT_EQ(message.text,
              "Error in " + moduleFile + "!\nRequired program part NoSuchSuiteLibrary cannot be found.");

    // A new load attempt may report again, once.
    missing.Reset();
    EXPECT_EQ(shown, 0);
    EXPECT_EQ(ORVANE_LAZY_CALL(missing, LazyProbe_Add, 1, 1), 0);
    EXPECT_EQ(ORVANE_LAZY_CALL(missing, LazyProbe_Add, 1, 1), 0);
    EXPECT_EQ(ui.MessageCount(), 2);
}

TEST_F(LazyLibraryTest, AMissingFunctionIsReportedOnceAndTheRestStillWorks) {
    CLazyLibrary probe("LazyProbe", nullptr, {LAZY_PROBE_DIR});
    EXPECT_EQ(ORVANE_LAZY_CALL(probe, LazyProbe_Add, 1, 2), 3);
    EXPECT_EQ(ORVANE_LAZY_CALL(probe, LazyProbe_Missing, 7), 0);
    EXPECT_EQ(ORVANE_LAZY_CALL(probe, LazyProbe_Missing, 7), 0);
    EXPECT_EQ(probe.Call<int(int)>("LazyProbe_AlsoMissing", 1), 0);
    EXPECT_EQ(ORVANE_LAZY_CALL(probe, LazyProbe_Add, 2, 2), 4);

    ASSERT_EQ(ui.MessageCount(), 1);
    const QString moduleFile = theApp.m_dllModule.Get(CDllModule::kFile);
    EXPECT_EQ(ui.Shown()[0].text, "Error in " + moduleFile +
                                      "!\nRequired program part LazyProbe is not compatible with the current "
                                      "program version.\nMissing function: No. 2");
}

TEST_F(LazyLibraryTest, TheMaterialLibraryReportsThroughTheModuleFlag) {
    CLazyLibrary& orvMat = OrvMatLibrary();
    orvMat.Reset();
    g_loadErrorShown = 0;
    // The library lies beside CoreKit in the build, so a function it lacks makes the report.
    const char* function = orvMat.IsAvailable() ? "OrvMat_NoSuchFunction" : "OrvMat_SelectDatabase";
    EXPECT_EQ(orvMat.Call<int(const char*)>(function, "KEY"), 0);
    EXPECT_EQ(g_loadErrorShown, 1);
    EXPECT_EQ(ui.MessageCount(), 1);
    orvMat.Reset();
}
