#include "corekit/node_xml_readers.h"
#include "corekit/tree_items.h"
#include "test_folder.h"

#include <QFile>

#include <gtest/gtest.h>

#include <memory>

namespace {

using orvane::test::FolderTest;

// Names, keys and values that a careless format would mangle.
QStringList hostileTexts() {
    return {QString(),
            QStringLiteral(" leading and trailing "),
            QStringLiteral("a:b:c"),
            QStringLiteral("quote \" and backslash \\ and \\u0041"),
            QStringLiteral("{braces} = and # not a comment"),
            QStringLiteral("line\nbreak\r\nand\rcarriage\ttab"),
            QStringLiteral("Größe ÄÖÜ ß € 水 😀"),
            QStringLiteral("ß€"), // short enough to be kept inside a leaf
            QString(QChar(0x01)) + QStringLiteral("control") + QChar(0x1F) + QChar(0x7F),
            QString(QChar(0xD800)) + QStringLiteral("lone surrogate"),
            QStringLiteral("<xml> &amp; ]]> '")};
}

std::unique_ptr<CNode> hostileTree() {
    auto root = std::make_unique<CNode>(QStringLiteral("Root"));
    const QStringList texts = hostileTexts();
    for (int i = 0; i < texts.size(); ++i) {
        CNode* child = root->AddChild(texts[i]);
        child->AddLeaf(texts[i], texts[(i + 1) % texts.size()]);
        child->AddLeaf(QStringLiteral("Same"), texts[i]);
        child->AddLeaf(QStringLiteral("Same"), texts[(i + 3) % texts.size()]);
        child->AddChild(QStringLiteral("Empty"));
    }
    return root;
}

void expectSameTree(const CNode& a, const CNode& b) {
    ASSERT_EQ(a.GetName(), b.GetName());
    ASSERT_EQ(a.NrOfLeaves(), b.NrOfLeaves()) << qPrintable(a.GetName());
    for (int i = 0; i < a.NrOfLeaves(); ++i) {
        EXPECT_EQ(a.GetLeaf(i)->GetKey(), b.GetLeaf(i)->GetKey());
        EXPECT_EQ(a.GetLeaf(i)->GetRawData(), b.GetLeaf(i)->GetRawData());
    }
    ASSERT_EQ(a.NrOfChildren(), b.NrOfChildren());
    for (int i = 0; i < a.NrOfChildren(); ++i)
        expectSameTree(*a.GetChild(i), *b.GetChild(i));
}

class NodeFormatRoundTrip : public FolderTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(NodeFormatRoundTrip, HostileTreeSurvivesFileRoundTrip) {
    const auto tree = hostileTree();
    const QString path = folder.filePath(QStringLiteral("sub/tree.") + QString::fromLatin1(GetParam()));
    ASSERT_TRUE(tree->WriteToFile(path, false, false));
    CNode* read = nullptr;
    TreeReadError error;
    ASSERT_TRUE(TreeItems::ReadFromFile(path, read, 0, &error)) << qPrintable(error.ToString());
    std::unique_ptr<CNode> owned(read);
    expectSameTree(*tree, *owned);
}

INSTANTIATE_TEST_SUITE_P(BothForms, NodeFormatRoundTrip, ::testing::Values("inf", "infx", "INFX", "txt"));

TEST_F(FolderTest, FileNameEndingInXSelectsXml) {
    CNode root(QStringLiteral("Root"));
    const QString xml = folder.filePath(QStringLiteral("a.INFX"));
    const QString text = folder.filePath(QStringLiteral("a.inf"));
    ASSERT_TRUE(root.WriteToFile(xml, false, false));
    ASSERT_TRUE(root.WriteToFile(text, false, true));
    EXPECT_TRUE(folder.read(QStringLiteral("a.INFX")).startsWith("<?xml"));
    EXPECT_FALSE(folder.read(QStringLiteral("a.inf")).contains("<"));
    ASSERT_TRUE(root.WriteToFile(text, true, false));
    EXPECT_TRUE(folder.read(QStringLiteral("a.inf")).startsWith("<?xml"))
        << "the XML flag wins over the name";
}

TEST(NodeFormatsString, StringRoundTripAndReadableText) {
    const auto tree = hostileTree();
    QString text;
    ASSERT_TRUE(tree->WriteToString(text));
    std::unique_ptr<CNode> read(TreeItems::ReadFromString(text));
    ASSERT_TRUE(read);
    expectSameTree(*tree, *read);

    CNode simple(QStringLiteral("Root"));
    simple.AddChild(QStringLiteral("Pages"))
        ->AddLeaf(QStringLiteral("DisplayName"), QStringLiteral("Heizung"));
    simple.WriteToString(text);
    EXPECT_EQ(text, QStringLiteral("Root {\n  Pages {\n    DisplayName = \"Heizung\"\n  }\n}\n"));
}

// A text longer than one block goes to the sink in blocks of whole lines that read back.
TEST(NodeFormatsString, StreamedTextComesInBlocksOfWholeLines) {
    CNode root(QStringLiteral("Root"));
    for (int i = 0; i < 400; ++i)
        root.AddChild(hostileTree().release());
    QByteArray joined;
    int blocks = 0;
    ASSERT_TRUE(NodeFormats::WriteText(root, [&](QByteArrayView block) {
        EXPECT_TRUE(block.endsWith('\n'));
        joined += block;
        ++blocks;
        return true;
    }));
    EXPECT_GT(blocks, 1);
    EXPECT_EQ(joined, NodeFormats::WriteText(root));
    std::unique_ptr<CNode> read(NodeFormats::ReadText(joined, nullptr));
    ASSERT_TRUE(read);
    expectSameTree(root, *read);
    EXPECT_FALSE(NodeFormats::WriteText(root, [](QByteArrayView) { return false; }));
}

TEST(NodeFormatsString, CommentsInterleavingAndBom) {
    const QString text =
        QStringLiteral("\xFEFF# header\nRoot { # trailing\n  A {}\n  K = \"1\" # c\n  B { X = \"\" }\n}\n");
    TreeReadError error;
    std::unique_ptr<CNode> root(TreeItems::ReadFromString(text, 1, &error));
    ASSERT_TRUE(root) << qPrintable(error.ToString());
    EXPECT_EQ(root->NrOfChildren(), 2);
    EXPECT_EQ(root->GetLeaf(0)->GetRawData(), QStringLiteral("1"));
    EXPECT_EQ(root->GetChild(1)->GetLeaf(0)->GetRawData(), QString());
}

struct BadInput {
    const char* text;
    int line;
    int column;
    const char* messagePart;
};

void expectErrorAt(CNode* read, const TreeReadError& error, const BadInput& bad) {
    const std::unique_ptr<CNode> root(read);
    EXPECT_FALSE(root);
    EXPECT_EQ(std::pair(error.line, error.column), std::pair(bad.line, bad.column))
        << qPrintable(error.message);
    EXPECT_TRUE(error.message.contains(QLatin1String(bad.messagePart))) << qPrintable(error.message);
}

class NodeTextErrors : public ::testing::TestWithParam<BadInput> {};

TEST_P(NodeTextErrors, ReportLineAndColumn) {
    TreeReadError error;
    expectErrorAt(NodeFormats::ReadText(QByteArray(GetParam().text), &error), error, GetParam());
}

const BadInput kBadInputs[] = {
    {"", 1, 1, "no node"},
    {"Root {\n  K = \"a\\q\"\n}", 2, 9, "unknown escape"},
    {"Root {\n  K = \"open\n}", 2, 7, "not closed"},
    {"Root {\n  A {\n}", 1, 6, "not closed"},
    {"Root {}\n}", 2, 1, "after the root"},
    {"Root {\n  K = 5\n}", 2, 7, "quoted value"},
    {"Root {\n  K \"v\"\n}", 2, 5, "'=' or '{'"},
    {"Root {\n  K = \"\\u12G4\"\n}", 2, 8, "hexadecimal"},
    {"Root {\n  K = \"ok\xC3\x28\"\n}", 2, 10, "invalid UTF-8"},
    {"Root {\n  \x01 = \"v\"\n}", 2, 3, "unexpected character"},
    // A byte-order mark takes no column; U+FEFF after it does, and U+1F600 counts once.
    {"\xEF\xBB\xBFRoot x", 1, 6, "'{' expected"},
    {"Root {\n  \"a\xEF\xBB\xBF\" = \"\xF0\x9F\x98\x80\\q\"\n}", 2, 12, "unknown escape"},
};
INSTANTIATE_TEST_SUITE_P(Cases, NodeTextErrors, ::testing::ValuesIn(kBadInputs));

TEST(NodeTextErrors, DeepNestingFailsInsteadOfOverflowing) {
    QByteArray text;
    for (int i = 0; i < 5000; ++i)
        text += "N {";
    TreeReadError error;
    EXPECT_EQ(NodeFormats::ReadText(text, &error), nullptr);
    EXPECT_TRUE(error.message.contains(QLatin1String("nested")));
}

// Columns count characters as in the text form: a byte-order mark takes none, U+FEFF after it
// one, and a character beyond U+FFFF one (the stream reader itself counts UTF-16 units). The
// stream reader stands just past what it could not read.
class NodeXmlErrors : public ::testing::TestWithParam<BadInput> {};

TEST_P(NodeXmlErrors, ReportLineAndColumn) {
    TreeReadError error;
    expectErrorAt(NodeFormats::ReadXml(QByteArray(GetParam().text), &error), error, GetParam());
}

const BadInput kBadXml[] = {
    {"<node name=\"Root\">\n  <leaf>x</leaf>\n</node>", 2, 9, "key"},
    {"<node name=\"Root\">\n  <leaf key=\"a\">x</leaf>\n", 3, 1, "end of document"},
    {"<node name=\"R\"><other/></node>", 1, 24, "other"},
    {"<node name=\"R\"/><node name=\"S\"/>", 1, 33, "Extra content"},
    {"<node name=\"\xC3\xA4\">&</node>", 1, 18, "got '<'"},
    {"<node name=\"R\">\n<leaf key=\"\xE2\x82\xAC\xE2\x82\xAC\">&</leaf></node>", 2, 18, "got '<'"},
    {"<node name=\"R\">\n<leaf key=\"\xF0\x9F\x98\x80\">x</leaf>&</node>", 2, 25, "got '<'"},
    {"<node name=\"\xF0\x9F\x98\x80\xF0\x9F\x98\x80\"><bad/></node>", 1, 23, "bad"},
    {"\xEF\xBB\xBF<node name=\"\xEF\xBB\xBF\">&</node>", 1, 18, "got '<'"},
    // A declared other encoding keeps the stream reader's count.
    {"<?xml version='1.0' encoding='latin1'?>\n<node name=\"\xE4\">&</node>", 2, 18, "got '<'"},
};
INSTANTIATE_TEST_SUITE_P(Cases, NodeXmlErrors, ::testing::ValuesIn(kBadXml));

// Only a UTF-8 document is looked over for bytes that are not UTF-8; a declared other encoding
// is read as declared.
TEST(NodeXmlErrors, DeclaredEncodingIsHonoured) {
    for (const char* declaration :
         {"<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>", "<?xml version='1.0' encoding='latin1'?>"}) {
        TreeReadError error;
        std::unique_ptr<CNode> root(NodeFormats::ReadXml(QByteArray(declaration) + "\n<node name=\"Gr\xF6\xDF"
                                                                                   "e\"/>",
                                                         &error));
        ASSERT_TRUE(root) << declaration << qPrintable(error.ToString());
        EXPECT_EQ(root->GetName(), QStringLiteral("Größe"));
    }
    TreeReadError error;
    EXPECT_FALSE(
        NodeFormats::ReadXml("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<node name=\"Gr\xF6\"/>", &error));
    EXPECT_EQ(error.ToString(), QStringLiteral("2:15: invalid UTF-8 (byte 0xf6)"));
}

// The plain XML reader takes the writer's documents and simple hand-written ones and gives up
// on the rest, which the stream reader then reads; what it takes, both read alike.
struct PlainXmlCase {
    const char* document;
    bool plain;
};

class PlainXmlReader : public ::testing::TestWithParam<PlainXmlCase> {};

TEST_P(PlainXmlReader, TakesOnlyWhatItReadsAsTheStreamReaderDoes) {
    const QByteArray document(GetParam().document);
    const std::unique_ptr<CNode> plain(NodeFormats::ReadPlainXml(document));
    ASSERT_EQ(plain != nullptr, GetParam().plain);
    if (!plain)
        return;
    const std::unique_ptr<CNode> full(NodeFormats::ReadXmlWithStreamReader(document, nullptr));
    ASSERT_TRUE(full);
    EXPECT_EQ(NodeFormats::WriteText(*plain), NodeFormats::WriteText(*full));
}

INSTANTIATE_TEST_SUITE_P(
    Documents, PlainXmlReader,
    ::testing::Values(
        PlainXmlCase{
            "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<node name=\"R\">\n  <leaf key=\"a\">1</leaf>\n"
            "  <node name=\"C\"/>\n  <leaf key=\"a\"></leaf>\n</node>\n",
            true},
        PlainXmlCase{"\xEF\xBB\xBF<!-- a -- b? no --><node name='R'/>", false},
        PlainXmlCase{"\xEF\xBB\xBF<?xml version=\"1.0\"?><!-- c --><node name='R' ><leaf key = \"k\"/>"
                     "<node\nname=\"E\" ></node ></node><!-- after -->\n",
                     true},
        PlainXmlCase{"<node name=\"a&amp;b&lt;&gt;&quot;&apos;\"><leaf key='\"'>x &amp; &#65;&#x1F600; ]] >"
                     "\xEF\xBB\xBF\xC2\x85\t\n</leaf></node>",
                     true},
        PlainXmlCase{"<node name=\"R\"><leaf escaped=\"1\" key=\"a\\u0001\">x</leaf></node>", false},
        PlainXmlCase{"<node name=\"R\"><leaf key=\"k\"><![CDATA[<x>]]></leaf></node>", false},
        PlainXmlCase{"<node name=\"R\"><leaf key=\"k\">a<!-- c -->b</leaf></node>", false},
        PlainXmlCase{"<node name=\"R\"><leaf key=\"k\">a\r\nb</leaf></node>", false},
        PlainXmlCase{"<node name=\"R\"><leaf key=\"k\">a]]>b</leaf></node>", false},
        PlainXmlCase{"<node name=\"R\"><leaf key=\"k\">\xEF\xBF\xBE</leaf></node>", false},
        PlainXmlCase{"<node name=\"R\"><leaf key=\"a\tb\"/></node>", false},
        PlainXmlCase{"<node name=\"&#65;\"/>", false}, PlainXmlCase{"<node name=\"R\" name=\"S\"/>", false},
        PlainXmlCase{"<node name=\"R\" other=\"1\"/>", false},
        PlainXmlCase{"<!DOCTYPE node><node name=\"R\"/>", false},
        PlainXmlCase{"<node name=\"R\"><?pi x?></node>", false},
        PlainXmlCase{"<?xml version='1.0' encoding='utf-8'?><node name=\"R\"/>", false},
        PlainXmlCase{"<node name=\"R\"><leaf key=\"k\"><leaf key=\"j\"/></leaf></node>", false},
        PlainXmlCase{"<node name=\"R\">text</node>", false},
        PlainXmlCase{"<node name=\"R\"/><node name=\"S\"/>", false},
        PlainXmlCase{"<node name=\"R\"><leaf key=\"k\">x</node>", false}));

TEST(PlainXmlReader, TakesWhatTheWriterWrites) {
    CNode root(QStringLiteral("Root"));
    for (const QString& text : hostileTexts())
        if (!text.contains(u'\r') && !text.contains(QChar(0x01)) && !text.contains(QChar(0xD800)))
            root.AddChild(text)->AddLeaf(text, text);
    const std::unique_ptr<CNode> read(NodeFormats::ReadPlainXml(NodeFormats::WriteXml(root)));
    ASSERT_TRUE(read);
    expectSameTree(root, *read);
}

TEST_F(FolderTest, FailedReadKeepsTheFileAndNamesIt) {
    const QByteArray garbage("Root {\n  K = \"v\"\n  \x80\x81 binary");
    const QString path = folder.write(QStringLiteral("bad.inf"), garbage);
    CNode* root = reinterpret_cast<CNode*>(0x1);
    TreeReadError error;
    EXPECT_EQ(TreeItems::ReadFromFile(path, root, 0, &error), 0);
    EXPECT_EQ(root, nullptr);
    EXPECT_TRUE(error.ToString().startsWith(path + QStringLiteral(":3:3: "))) << qPrintable(error.ToString());
    EXPECT_EQ(folder.read(QStringLiteral("bad.inf")), garbage);

    EXPECT_EQ(TreeItems::ReadFromFile(folder.filePath(QStringLiteral("missing.inf")), root, 0, &error), 0);
    EXPECT_EQ(error.line, 0);
}

TEST_F(FolderTest, WriteThatCannotHappenAnswersFalse) {
    CNode root(QStringLiteral("Root"));
    folder.write(QStringLiteral("plain-file"), "not a folder");
    EXPECT_FALSE(root.WriteToFile(folder.filePath(QStringLiteral("plain-file/tree.inf")), false, true));
    EXPECT_EQ(folder.read(QStringLiteral("plain-file")), QByteArray("not a folder"));
}

} // namespace
