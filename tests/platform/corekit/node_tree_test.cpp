#include "corekit/node.h"

#include <QList>
#include <QStringList>

#include <gtest/gtest.h>

#include <memory>

namespace {

// The "Id" values of the children that FindChild(name, after) visits one after the other
// (every child with an empty name), and the same walk over the leaves with key "K".
QList<int> walkChildren(const CNode& node, const QString& name) {
    QList<int> ids;
    if (name.isEmpty()) {
        for (const CNode* c = node.GetFirstChild(); c; c = c->GetNextSibling())
            ids << c->GetIntLeafValue(QString(), QStringLiteral("Id"));
        return ids;
    }
    for (const CNode* c = node.FindChild(name); c; c = node.FindChild(name, c))
        ids << c->GetIntLeafValue(QString(), QStringLiteral("Id"));
    return ids;
}

QList<int> walkLeaves(const CNode& node) {
    QList<int> values;
    for (const CLeaf* l = node.FindLeaf(QStringLiteral("K")); l; l = node.FindLeaf(QStringLiteral("K"), l))
        values << l->GetRawData().toInt();
    return values;
}

// What the walks must give: the children and leaves as they stand, looked at one by one.
QList<int> expectedChildren(const CNode& node, const QString& name) {
    QList<int> ids;
    for (const auto& c : node.Children())
        if (name.isEmpty() || c->GetName() == name)
            ids << c->GetIntLeafValue(QString(), QStringLiteral("Id"));
    return ids;
}

QList<int> expectedLeaves(const CNode& node) {
    QList<int> values;
    for (const auto& l : node.Leaves())
        if (l->GetKey() == QStringLiteral("K"))
            values << l->GetRawData().toInt();
    return values;
}

// The walks go on from where the previous step stood; every edit of the lists must leave them
// right, whatever they remember of earlier steps.
TEST(NodeTree, WalksOverChildrenAndLeavesStayRightThroughEdits) {
    CNode root(QStringLiteral("Root"));
    for (int i = 0; i < 12; ++i) {
        root.AddChild(i % 3 ? QStringLiteral("Page") : QStringLiteral("Other"))
            ->AddLeaf(QStringLiteral("Id"), i);
        root.AddLeaf(i % 4 ? QStringLiteral("K") : QStringLiteral("L"), i);
    }
    using Edit = void (*)(CNode&);
    const std::pair<const char*, Edit> edits[] = {
        {"as built", [](CNode&) {}},
        {"first child deleted", [](CNode& r) { ASSERT_TRUE(r.DeleteChild(r.GetChild(0))); }},
        {"middle child deleted", [](CNode& r) { ASSERT_TRUE(r.DeleteChild(r.GetChild(4))); }},
        {"last child detached",
         [](CNode& r) { std::unique_ptr<CNode>(r.DetachChild(r.GetChild(r.NrOfChildren() - 1))); }},
        {"child moved to the end", [](CNode& r) { r.AddChild(r.DetachChild(r.GetChild(2))); }},
        {"child added",
         [](CNode& r) { r.AddChild(QStringLiteral("Page"))->AddLeaf(QStringLiteral("Id"), 99); }},
        {"leaf found last deleted",
         [](CNode& r) {
             ASSERT_TRUE(r.DeleteLeaf(r.FindLeaf(QStringLiteral("K"), r.FindLeaf(QStringLiteral("K")))));
         }},
        {"first leaf deleted", [](CNode& r) { ASSERT_TRUE(r.DeleteLeaf(r.GetLeaf(0))); }},
        {"earlier leaf deleted in the middle of a walk",
         [](CNode& r) {
             const CLeaf* found = r.FindLeaf(QStringLiteral("K"), r.FindLeaf(QStringLiteral("K")));
             const CLeaf* next = r.FindLeaf(QStringLiteral("K"), found);
             ASSERT_TRUE(r.DeleteLeaf(r.GetLeaf(0)));
             EXPECT_EQ(r.FindLeaf(QStringLiteral("K"), found), next);
         }},
    };
    for (const auto& [what, edit] : edits) {
        edit(root);
        for (const QString& name : {QStringLiteral("Page"), QStringLiteral("Other"), QString()})
            EXPECT_EQ(walkChildren(root, name), expectedChildren(root, name)) << what << qPrintable(name);
        EXPECT_EQ(walkLeaves(root), expectedLeaves(root)) << what;
        for (const auto& child : root.Children())
            EXPECT_EQ(child->GetParent(), &root) << what;
    }
    EXPECT_EQ(root.FindChild(QStringLiteral("page")), nullptr) << "names compare case-sensitively";
    // A node or leaf that is not (or no longer) there ends the walk.
    std::unique_ptr<CNode> detached(root.DetachChild(root.GetFirstChild()));
    EXPECT_EQ(detached->GetParent(), nullptr);
    EXPECT_EQ(detached->GetNextSibling(), nullptr);
    EXPECT_EQ(root.FindChild(detached->GetName(), detached.get()), nullptr);
    const CLeaf foreign(QStringLiteral("K"), QStringLiteral("0"));
    EXPECT_EQ(root.FindLeaf(QStringLiteral("K"), &foreign), nullptr);
}

TEST(NodeTree, RecursiveFindGoesDepthFirstInDocumentOrder) {
    CNode root(QStringLiteral("Root"));
    CNode* pages = root.AddChild(QStringLiteral("Pages"));
    CNode* s1 = pages->AddChild(QStringLiteral("Page"))->AddChild(QStringLiteral("Symbol"));
    CNode* s2 = pages->AddChild(QStringLiteral("Page"))->AddChild(QStringLiteral("Symbol"));
    EXPECT_EQ(root.FindChild(QStringLiteral("Symbol"), nullptr, true), s1);
    EXPECT_EQ(root.FindChild(QStringLiteral("Symbol"), s1, true), s2);
    EXPECT_EQ(root.FindChild(QStringLiteral("Symbol"), s2, true), nullptr);
}

TEST(NodeTree, FindChildByAttributeValue) {
    CNode root(QStringLiteral("Root"));
    root.AddChild(QStringLiteral("Symbol"))->AddLeaf(QStringLiteral("BlockName"), QStringLiteral("PUMP"));
    CNode* valve = root.AddChild(QStringLiteral("Symbol"));
    valve->AddLeaf(QStringLiteral("BlockName"), QStringLiteral("VALVE"));
    EXPECT_EQ(root.FindChildByAttributeValue(QStringLiteral("Symbol"), QStringLiteral("BlockName"),
                                             QStringLiteral("VALVE")),
              valve);
    EXPECT_EQ(root.FindChildByAttributeValue(QStringLiteral("Symbol"), QStringLiteral("BlockName"),
                                             QStringLiteral("valve")),
              nullptr);
}

TEST(NodeTree, LeavesAreDeletedWhereTheyStandOrBelowWhenAsked) {
    CNode root(QStringLiteral("Root"));
    CLeaf* leaf = root.AddChild(QStringLiteral("B"))->AddLeaf(QStringLiteral("K"), QStringLiteral("v"));
    EXPECT_FALSE(root.DeleteLeaf(leaf));
    EXPECT_EQ(root.FindLeaf(QStringLiteral("K"), nullptr, true), leaf);
    EXPECT_TRUE(root.DeleteLeaf(leaf, true));
    EXPECT_EQ(root.GetFirstChild()->NrOfLeaves(), 0);
}

TEST(NodeTree, LeafPositionsVisitAllLeavesInOrder) {
    CNode node(QStringLiteral("N"));
    EXPECT_EQ(node.GetFirstLeafPos(), 0);
    node.AddLeaf(QStringLiteral("A"), 1);
    node.AddLeaf(QStringLiteral("B"), 2.5);
    node.AddLeaf(QStringLiteral("A"), QStringLiteral("x"));
    QStringList seen;
    for (auto pos = node.GetFirstLeafPos(); pos;)
        seen << node.GetNextLeaf(pos)->GetKey() + u'=' + node.GetLeaf(int(seen.size()))->GetRawData();
    EXPECT_EQ(seen, (QStringList{QStringLiteral("A=1"), QStringLiteral("B=2.5"), QStringLiteral("A=x")}));
}

TEST(Leaf, ValuesAreSplitAtTheSeparator) {
    const std::pair<QString, QStringList> cases[] = {
        {QStringLiteral("a:b::d"),
         {QStringLiteral("a"), QStringLiteral("b"), QString(), QStringLiteral("d")}},
        {QStringLiteral("a:"), {QStringLiteral("a"), QString()}},
        {QString(), {}},
    };
    for (const auto& [raw, expected] : cases) {
        CLeaf leaf(QStringLiteral("Pos"), raw);
        QString v;
        QStringList values;
        for (bool ok = leaf.GetFirstValue(v); ok; ok = leaf.GetNextValue(v))
            values << v;
        EXPECT_EQ(values, expected) << qPrintable(raw);
        EXPECT_EQ(leaf.NrOfValues(), expected.size()) << qPrintable(raw);
        EXPECT_FALSE(leaf.GetValue(int(expected.size()) + 1, v)) << qPrintable(raw);
        EXPECT_FALSE(leaf.GetValue(0, v)) << "values count from 1";
    }
    QString second;
    ASSERT_TRUE(CLeaf(QStringLiteral("Pos"), QStringLiteral("a:b::d")).GetValue(2, second));
    EXPECT_EQ(second, QStringLiteral("b"));
}

TEST(Leaf, OnlyValueKeepsSeparatorsAndNumbersParse) {
    CLeaf path(QStringLiteral("BlockName"), QStringLiteral("C:\\Blocks\\pump.dwg"));
    EXPECT_EQ(path.GetOnlyValue(), QStringLiteral("C:\\Blocks\\pump.dwg"));
    CLeaf number(QStringLiteral("Osnap"), QStringLiteral(" 33 :7"));
    int i = -1;
    ASSERT_TRUE(number.GetFirstValue(i));
    EXPECT_EQ(i, 33);
    EXPECT_FALSE(number.GetFirstValue(i, u':', false)) << "blanks count when not skipped";
    CLeaf text(QStringLiteral("X"), QStringLiteral("abc"));
    i = 5;
    EXPECT_FALSE(text.GetFirstValue(i));
    EXPECT_EQ(i, 5) << "output untouched on failure";
    double d = 0;
    CLeaf real(QStringLiteral("D"), QStringLiteral("2.25:1"));
    ASSERT_TRUE(real.GetFirstValue(d));
    EXPECT_DOUBLE_EQ(d, 2.25);
}

// Values set one by one replace only their own place, and a value list built piece by piece
// grows past the short form kept inside the leaf.
TEST(Leaf, SettingValues) {
    CLeaf leaf(QStringLiteral("K"), QStringLiteral("old:keep"));
    leaf.SetFirstValue(QStringLiteral("new"));
    EXPECT_EQ(leaf.GetRawData(), QStringLiteral("new:keep"));
    leaf.InitSetValues(u':');
    leaf.SetFirstValue(QStringLiteral("1"), u':');
    for (int i = 2; i <= 6; ++i)
        leaf.SetNextValue(QString::number(i * 100));
    leaf.SetNextValue(QString());
    leaf.ExitSetValues();
    EXPECT_EQ(leaf.GetRawData(), QStringLiteral("1:200:300:400:500:600:"));
    leaf.SetFirstValue(QStringLiteral("Größe"), u':');
    QString third;
    ASSERT_TRUE(leaf.GetValue(3, third, u':'));
    EXPECT_EQ(third, QStringLiteral("300"));
    EXPECT_EQ(leaf.GetRawData(), QStringLiteral("Größe:200:300:400:500:600:"));
}

// Values are stored compactly (short ones inside the leaf, longer ones as UTF-8 on the heap);
// every length around those limits and every kind of character must come back unchanged.
TEST(Leaf, ValuesOfEveryLengthAndCharacterComeBackUnchanged) {
    const QStringList pieces = {QStringLiteral("a"), QStringLiteral("ä"), QStringLiteral("水"),
                                QStringLiteral("😀"), QString(QChar(0)),   QString(QChar(0xDC00))};
    for (const QString& piece : pieces) {
        for (int repeat = 0; repeat <= 18; ++repeat) {
            const QString value = QStringLiteral("x").repeated(repeat % 3) + piece.repeated(repeat);
            CLeaf leaf(QStringLiteral("Key"), value);
            ASSERT_EQ(leaf.GetRawData(), value) << repeat;
            ASSERT_EQ(leaf.GetRawData().size(), value.size()) << repeat;
            CLeaf copy(leaf);
            leaf.SetRawData(QStringLiteral("anders"));
            EXPECT_EQ(copy.GetRawData(), value) << "a copy keeps its own text";
            copy = leaf;
            EXPECT_EQ(copy.GetRawData(), QStringLiteral("anders"));
        }
    }
}

TEST(NodeTree, ValuesByPath) {
    CNode root(QStringLiteral("Root"));
    EXPECT_TRUE(root.SetStrLeafValue(QStringLiteral("Dialogs\\Toolbar"), QStringLiteral("Pos"), 2,
                                     QStringLiteral("20")));
    EXPECT_EQ(root.GetStrLeafValue(QStringLiteral("Dialogs/Toolbar"), QStringLiteral("Pos"), 1, u':',
                                   QStringLiteral("d")),
              QString());
    EXPECT_EQ(root.GetIntLeafValue(QStringLiteral("Dialogs\\Toolbar"), QStringLiteral("Pos"), 2), 20);
    EXPECT_EQ(root.GetIntLeafValue(QString(), QStringLiteral("Missing"), 1, u':', 7), 7);
    root.SetStrLeafValue(QString(), QStringLiteral("FixedLayout"), 1, QStringLiteral("1"));
    EXPECT_EQ(root.GetIntLeafValue(QString(), QStringLiteral("FixedLayout"), 1), 1);
    EXPECT_EQ(
        root.GetStrLeafValue(QStringLiteral("Nowhere"), QStringLiteral("K"), 1, u':', QStringLiteral("d")),
        QStringLiteral("d"));
}

TEST(NodeTree, CloneIsDeepAndIndependent) {
    CNode root(QStringLiteral("Root"));
    root.AddChild(QStringLiteral("A"))->AddLeaf(QStringLiteral("K"), QStringLiteral("v"));
    std::unique_ptr<CNode> copy(root.Clone());
    copy->GetFirstChild()->GetLeaf(0)->SetRawData(QStringLiteral("changed"));
    EXPECT_EQ(root.GetFirstChild()->GetLeaf(0)->GetRawData(), QStringLiteral("v"));
    EXPECT_EQ(copy->GetFirstChild()->GetParent(), copy.get());
}

} // namespace
