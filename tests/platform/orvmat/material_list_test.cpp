// Material lists: adding, visiting, expanding article sets; the selection model behind the
// dialog, without widgets.

#include "orvmat_test_support.h"

#include "orvmat/material_list.h"
#include "orvmat/selection_model.h"
#include "orvmat/session.h"

#include <limits>
#include <vector>

using orvane::test::entries;
using orvane::test::Entry;
using orvane::test::ListPtr;
using orvane::test::OrvMatTest;

namespace {

const char* const kSets = R"(
key ART_PUMP
table Heizung.ArtikelSetGruppen
row WOST_A: 1.0, 2.0, 1 | @ART_PUMP, @SET_VALVES, @ART_PIPE | 0, 1
row SET_VALVES: 3.0, 1.0 | @ART_VALVE, @ART_CAP | 5, 6
row SET_EMPTY
table Heizung.Wohnungsstationen.Zubehoer.ZUB_A
row ART_CAP: "Kappe"
row ART_PIPE: "Rohr 1 m"
row ART_VALVE: 42
table Loop
row LOOP_A: 1.0 | @LOOP_B
row LOOP_B: 1.0 | @LOOP_A
)";

OrvMatTable open(const char* name) {
    OrvMatTable t = 0;
    EXPECT_EQ(OrvMat_OpenTable(&t, 0, name), 0) << name;
    return t;
}

} // namespace

TEST_F(OrvMatTest, ListKeepsEntriesInOrderAndVisitsThemOnce) {
    attach("RS_SETS", kSets);
    ASSERT_EQ(OrvMat_SelectDatabase("RS_SETS"), 1);
    ListPtr list(OrvMat_ListCreate());
    ASSERT_TRUE(list);
    EXPECT_EQ(OrvMat_ListFirstPos(list.get()), 0);
    ASSERT_EQ(OrvMat_ListAdd(list.get(), 2.0, OrvMat_IdOfKey("ART_PIPE"), 3), 1);
    ASSERT_EQ(OrvMat_ListAdd(list.get(), 0.5, OrvMat_IdOfKey("ART_CAP"), 0), 1);
    EXPECT_EQ(OrvMat_ListAdd(list.get(), 1.0, 0, 0), 0) << "no article";
    EXPECT_EQ(entries(list.get()), (std::vector<Entry>{{"ART_PIPE", 2.0, 3}, {"ART_CAP", 0.5, 0}}));

    OrvMatPos past = 3;
    double untouched = -1;
    EXPECT_EQ(OrvMat_ListNext(list.get(), &past, nullptr, &untouched, nullptr), 0);
    EXPECT_EQ(untouched, -1);
    int count = 0;
    ASSERT_EQ(OrvMat_ListCount(&count, list.get()), 1);
    EXPECT_EQ(count, 2);
    ASSERT_EQ(OrvMat_ListClear(list.get()), 1);
    EXPECT_TRUE(entries(list.get()).empty());
    EXPECT_EQ(OrvMat_ListAdd(nullptr, 1.0, 1, 0), 0);
    EXPECT_EQ(OrvMat_ListDestroy(nullptr), 0);
}

TEST_F(OrvMatTest, ExpandReplacesNestedSetsAndMultipliesQuantities) {
    attach("RS_SETS", kSets);
    ASSERT_EQ(OrvMat_SelectDatabase("RS_SETS"), 1);
    const OrvMatTable groups = open("Heizung.ArtikelSetGruppen");
    ListPtr list(OrvMat_ListCreate());
    OrvMat_ListAdd(list.get(), 2.0, OrvMat_IdOfKey("WOST_A"), 9);
    OrvMat_ListAdd(list.get(), 4.0, OrvMat_IdOfKey("ART_CAP"), 7);
    OrvMat_ListAdd(list.get(), 1.0, OrvMat_IdOfKey("SET_EMPTY"), 0);
    ASSERT_EQ(OrvMat_ListExpand(list.get(), groups), 1) << OrvMat_LastError();
    // WOST_A x2: pump 1 each (flag 0), the valve set 2 each (flag 1) with valve 3 and cap 1
    // each (flags 5, 6), pipe 1 each (flag missing: the set's 9). The cap stays; an empty
    // set vanishes.
    EXPECT_EQ(entries(list.get()), (std::vector<Entry>{{"ART_PUMP", 2.0, 0},
                                                       {"ART_VALVE", 12.0, 5},
                                                       {"ART_CAP", 4.0, 6},
                                                       {"ART_PIPE", 2.0, 9},
                                                       {"ART_CAP", 4.0, 7}}));
}

TEST_F(OrvMatTest, ExpandRefusesSetsThatContainThemselves) {
    attach("RS_SETS", kSets);
    ASSERT_EQ(OrvMat_SelectDatabase("RS_SETS"), 1);
    ListPtr list(OrvMat_ListCreate());
    OrvMat_ListAdd(list.get(), 1.0, OrvMat_IdOfKey("ART_PIPE"), 0);
    OrvMat_ListAdd(list.get(), 1.0, OrvMat_IdOfKey("LOOP_A"), 0);
    EXPECT_EQ(OrvMat_ListExpand(list.get(), open("Loop")), 0);
    EXPECT_NE(std::string(OrvMat_LastError()).find("nest deeper"), std::string::npos) << OrvMat_LastError();
    EXPECT_EQ(entries(list.get()), (std::vector<Entry>{{"ART_PIPE", 1.0, 0}, {"LOOP_A", 1.0, 0}}))
        << "the list is left as it was";
    EXPECT_EQ(OrvMat_ListExpand(list.get(), 987654), 0) << "unknown table";
}

TEST_F(OrvMatTest, SelectionModelOffersTheSourceRowsWithTheListsQuantities) {
    attach("RS_SETS", kSets);
    ASSERT_EQ(OrvMat_SelectDatabase("RS_SETS"), 1);
    const OrvMatTable accessories = open("Heizung.Wohnungsstationen.Zubehoer.ZUB_A");
    ListPtr list(OrvMat_ListCreate());
    EXPECT_EQ(OrvMat_ListShowSelectionDialog(list.get(), "x", 0, 0, 1), 0) << "no selection source yet";
    ASSERT_EQ(OrvMat_ListSetSelectionSource(list.get(), accessories), 1);
    OrvMat_ListAdd(list.get(), 1.0, OrvMat_IdOfKey("ART_PIPE"), 4);
    OrvMat_ListAdd(list.get(), 2.0, OrvMat_IdOfKey("ART_PIPE"), 0);

    orvmat::Session::TableRef source = orvmat::Session::GetInstance().table(accessories);
    ASSERT_TRUE(source.db);
    auto model = orvmat::SelectionModel::fromList(*list, *source.db, source.table);
    ASSERT_EQ(model.lines().size(), 3u);
    EXPECT_EQ(model.lines()[0].key, "ART_CAP");
    EXPECT_EQ(model.lines()[0].text, "Kappe");
    EXPECT_EQ(model.lines()[1].quantity, 3.0) << "an article listed twice adds up";
    EXPECT_EQ(model.lines()[2].text, "") << "a number is no description";

    model.setQuantity(0, 2.5);
    model.setQuantity(1, -1.0);
    model.setQuantity(2, std::numeric_limits<double>::infinity());
    model.setQuantity(7, 1.0); // no such line: ignored
    model.applyTo(*list);
    EXPECT_EQ(entries(list.get()), (std::vector<Entry>{{"ART_CAP", 2.5, 0}}));
    EXPECT_EQ(OrvMat_ListShowSelectionDialog(list.get(), "x", 0, 0, 1), 0) << "no widget application here";
    EXPECT_EQ(entries(list.get()), (std::vector<Entry>{{"ART_CAP", 2.5, 0}}));
}
