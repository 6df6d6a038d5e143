// The data of the failure diagram: which limit the requested tap rate crossed.

#include "station_test_support.h"

#include "stations/failure_diagram.h"

#include <gtest/gtest.h>

using namespace orvane::test;
using namespace WoSt;

TEST(FailureDiagram, TheLimitCrossed) {
    ConstantWater water;
    ScopedWaterProperties useWater{water};
    MemoryDb memory;
    MessageLog messages;
    StationDb s(memory, "D", 2);
    const RowId wt = s.exchanger("WT", {{65, 10, 50, {{6, 300, 22}, {12, 700, 25}, {18, 1200, 30}}}});
    tCatalog catalog;
    catalog.db = &memory;
    catalog.mmdKey = s.key;
    catalog.data = s.datenTable;
    catalog.heatExchangers = s.exchangers;
    tWizardState w;
    w.catalog = &catalog;
    w.product.supported = 1;
    w.product.dataRow = s.product("P", wt);
    w.product.heatExchangerId = wt;
    struct Case {
        double fr, tVL;
        tFailureDiagram::Limit limit;
        double limitFlow;
    };
    const Case cases[] = {{12, 65, tFailureDiagram::Limit::None, 0},
                          {18, 65, tFailureDiagram::Limit::None, 0},
                          {25, 65, tFailureDiagram::Limit::TapRateTooLarge, 18},
                          {4, 65, tFailureDiagram::Limit::TapRateTooSmall, 6},
                          {12, 75, tFailureDiagram::Limit::NoCurve, 0}};
    for (const Case& c : cases) {
        w.reqTw.fr = c.fr;
        w.reqTw.tVL = c.tVL;
        const tFailureDiagram d = FailureDiagramOf(w);
        EXPECT_TRUE(d.valid);
        EXPECT_EQ(d.limit, c.limit) << c.fr;
        EXPECT_EQ(d.limitFlow, c.limitFlow) << c.fr;
        EXPECT_EQ(d.points.size(), c.limit == tFailureDiagram::Limit::NoCurve ? 0u : 3u);
    }
    w.product.heatExchangerId = memory.idOf("NO_SUCH_EXCHANGER");
    EXPECT_FALSE(FailureDiagramOf(w).valid);
}
