#include "hydraulics/circuit_model.h"
#include "hydraulics/hydraulics_settings.h"
#include "hydraulics/option_rules.h"

#include "corekit/node.h"
#include "corekit/registry.h"

#include "test_folder.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

using namespace Hydraulics;

using orvane::test::FolderTest;

const QString kKey = "Firma\\OrvanePlanungUI20\\Dialogs\\DlgHydraulics";

void Store(const char* name, const QString& value) {
    ASSERT_TRUE(RegSetValueW(HKEY_CURRENT_USER, kKey, QString::fromLatin1(name), value));
}

TEST(CircuitModel, ValvePositionStepsWithinItsRangeAndResetsOnTypeChange) {
    CHydraulicsModel model;
    EXPECT_EQ(model.ValvePosition(), -1);
    EXPECT_TRUE(model.StepValveDown()); // a hidden position becomes 0 from either arrow
    EXPECT_EQ(model.ValvePosition(), 0);
    EXPECT_FALSE(model.StepValveDown());
    EXPECT_EQ(model.ValvePosition(), 0);
    for (int i = 0; i < 150; ++i)
        model.StepValveUp();
    EXPECT_EQ(model.ValvePosition(), 100);
    EXPECT_FALSE(model.StepValveUp());
    EXPECT_TRUE(model.StepValveDown());
    EXPECT_EQ(model.ValvePosition(), 99);

    model.SetCircuitType(Beimischung); // same type: the position stays
    EXPECT_EQ(model.ValvePosition(), 99);
    model.SetCircuitType(Weiche);
    EXPECT_EQ(model.ValvePosition(), -1);
    model.StepValveUp();
    EXPECT_EQ(model.ValvePosition(), 0);

    model.SetValvePosition(250);
    EXPECT_EQ(model.ValvePosition(), 100);
    model.SetValvePosition(-7);
    EXPECT_EQ(model.ValvePosition(), -1);
}

TEST(CircuitModel, HydDataNodeHoldsSixIntegerLeavesInOrder) {
    CHydraulicsModel model;
    model.SetCircuitType(Weiche);
    model.m_valveType = 2;
    model.m_actuator = 0;
    model.m_checkValve = 0;
    const std::unique_ptr<CNode> node(model.CreateHydDataNode());
    ASSERT_EQ(node->GetName(), "HydData");
    ASSERT_EQ(node->NrOfLeaves(), 6);
    const char* keys[] = {"eHydMode", "eVentilType",  "bStellmotor",
                          "bVorlauf", "bRueckflVerh", "bKonstBeimDross"};
    const int values[] = {4, 2, 0, 1, 0, 1};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(node->GetLeaf(i)->GetKey(), QString::fromLatin1(keys[i]));
        int v = -99;
        EXPECT_TRUE(node->GetLeaf(i)->GetFirstValue(v));
        EXPECT_EQ(v, values[i]) << keys[i];
    }
}

TEST(CircuitModel, TypeListIsInDisplayOrderWithNamesForValidTypesOnly) {
    const int expectedOrder[] = {0, 1, 2, 6, 3, 5, 4};
    const auto& list = CircuitTypeList();
    for (int i = 0; i < kCircuitTypeCount; ++i)
        EXPECT_EQ(list[i].type, expectedOrder[i]);
    EXPECT_EQ(CircuitTypeName(6), "Drosselschaltung");
    EXPECT_EQ(CircuitTypeName(4), "Hydraulische Weiche");
    EXPECT_TRUE(CircuitTypeName(7).isEmpty());
    EXPECT_TRUE(CircuitTypeName(-1).isEmpty());
}

TEST(OptionRules, EachTypeShowsItsOptionsAndLabels) {
    const struct {
        int type;
        bool valveOptions;
        ExtraOption extra, binding;
        const char *firstRadio, *extraLabel;
    } cases[] = {
        {0, true, ExtraOption::None, ExtraOption::CheckValve, "Dreiwege-Armatur", nullptr},
        {1, true, ExtraOption::Throttle, ExtraOption::Throttle, "Dreiwege-Armatur", "mit Drosselventil"},
        {2, true, ExtraOption::None, ExtraOption::CheckValve, "Dreiwege-Armatur", nullptr},
        {3, true, ExtraOption::CheckValve, ExtraOption::CheckValve, "Dreiwege-Armatur",
         "mit Rückflussverhinderer"},
        {4, false, ExtraOption::None, ExtraOption::CheckValve, nullptr, nullptr},
        {5, true, ExtraOption::None, ExtraOption::CheckValve, "Zweiwege-Armatur", nullptr},
        {6, true, ExtraOption::None, ExtraOption::CheckValve, "Zweiwege-Armatur", nullptr},
    };
    for (const auto& c : cases) {
        const auto rules = OptionRulesFor(c.type);
        EXPECT_EQ(rules.valveOptionsShown, c.valveOptions) << c.type;
        EXPECT_EQ(rules.extraOption, c.extra) << c.type;
        EXPECT_EQ(ExtraOptionBinding(c.type), c.binding) << c.type;
        if (c.firstRadio) {
            EXPECT_STREQ(rules.radioLabels[0], c.firstRadio) << c.type;
        }
        if (c.extraLabel) {
            EXPECT_STREQ(rules.extraLabel, c.extraLabel) << c.type;
        }
    }
}

class CircuitSettings : public FolderTest {};

TEST_F(CircuitSettings, RoundTripOfAllSixFields) {
    CHydraulicsModel written;
    written.m_circuitType = 5;
    written.m_valveType = 1;
    written.m_actuator = written.m_valveInSupply = written.m_checkValve = written.m_throttle = 0;
    WriteModelSettings(written, kKey);
    DWORD stored = 99;
    ASSERT_TRUE(RegQueryValueW(HKEY_CURRENT_USER, kKey, "HydMode", stored));
    EXPECT_EQ(stored, 5u);
    ASSERT_TRUE(RegQueryValueW(HKEY_CURRENT_USER, kKey, "KonstBeimDross", stored));
    EXPECT_EQ(stored, 0u);

    CHydraulicsModel read;
    ReadModelSettings(read, kKey);
    const std::unique_ptr<CNode> a(written.CreateHydDataNode()), b(read.CreateHydDataNode());
    QString ta, tb;
    ASSERT_TRUE(a->WriteToString(ta) && b->WriteToString(tb));
    EXPECT_EQ(ta, tb);
}

TEST_F(CircuitSettings, MissingOrBadValuesLeaveTheDefaults) {
    Store("HydMode", "7"); // one past the last type
    Store("VentilType", "-3");
    Store("Stellmotor", "yes");
    Store("Vorlauf", "0");
    Store("Rueckfl", "4294967295");
    CHydraulicsModel model;
    ReadModelSettings(model, kKey);
    EXPECT_EQ(model.m_circuitType, 0);
    EXPECT_EQ(model.m_valveType, 0);
    EXPECT_EQ(model.m_actuator, 1);
    EXPECT_EQ(model.m_valveInSupply, 0); // the one valid value is taken
    EXPECT_EQ(model.m_checkValve, 1);
    EXPECT_EQ(model.m_throttle, 1); // missing
    EXPECT_EQ(model.ValvePosition(), -1);
}

} // namespace
