// The host's side of the station wizard.
#include "station_flow.h"

#include "corekit/node.h"
#include "test_folder.h"

class HostStationFlowTest : public orvane::test::FolderTest {};

TEST_F(HostStationFlowTest, AnswersInputAndTheDrawnItem) {
    const struct {
        const char* name;
        StationFlow::Answer answer;
    } answers[] = {{"DrawStation", StationFlow::Answer::Draw},
                   {"DeleteStation", StationFlow::Answer::Delete},
                   {"GetStation", StationFlow::Answer::Fetch},
                   {"HydData", StationFlow::Answer::None}};
    for (const auto& a : answers) {
        CNode node(a.name);
        EXPECT_EQ(StationFlow::AnswerOf(&node), a.answer) << a.name;
    }
    EXPECT_EQ(StationFlow::AnswerOf(nullptr), StationFlow::Answer::None);

    auto drawn = std::make_shared<CNode>("DrawStation");
    drawn->AddLeaf("BlockFile2D", QString(folder.write("Blocks/AH_K20.dwg", "")).replace('/', '\\'));
    drawn->AddChild("WOST")->AddLeaf("MMD", "AUENHOF");
    const auto input = StationFlow::Input(drawn.get(), 1);
    EXPECT_EQ(input->GetIntLeafValue(QString(), "ZTyp"), 1);
    ASSERT_NE(input->GetFirstChild(), nullptr);
    EXPECT_EQ(input->GetFirstChild()->GetStrLeafValue("WOST", "MMD"), "AUENHOF");
    EXPECT_EQ(StationFlow::Input(nullptr, 0)->GetFirstChild(), nullptr);

    // The block's slide is used once it exists beside the block file.
    EXPECT_TRUE(StationFlow::ItemOf(drawn).slideFile.isEmpty());
    const QString slide = folder.write("Blocks/AH_K20.sld", "");
    const DrawingItem item = StationFlow::ItemOf(drawn);
    EXPECT_EQ(item.kind, "Station");
    EXPECT_EQ(item.blockName, "AH_K20");
    EXPECT_EQ(item.slideFile, slide);
    EXPECT_EQ(item.data, drawn);

    Drawing drawing;
    const QList<int> ids = drawing.Insert({item, DrawingItem{"Symbol", "X", "", {}, {}}}, "x");
    EXPECT_EQ(StationFlow::Stations(drawing, ids), QList<int>{ids[0]});
}
