#include "drawing_file.h"

#include "drawing.h"
#include "host_text.h"

#include "corekit/node.h"
#include "corekit/text_utils.h"
#include "corekit/tree_items.h"

#include <memory>

namespace {

constexpr int kVersion = 1;

// The whole raw value: paths may hold the value separator ':'.
QString RawLeaf(const CNode& node, const char* key) {
    const CLeaf* leaf = node.FindLeaf(QString::fromLatin1(key));
    return leaf ? leaf->GetRawData() : QString();
}

bool Fail(QString* error, const QString& text) {
    if (error)
        *error = text;
    return false;
}

} // namespace

namespace DrawingFile {

bool Save(const Drawing& drawing, const QString& path, QString* error) {
    CNode root(QStringLiteral("Drawing"));
    root.AddLeaf(QStringLiteral("Version"), kVersion);
    for (const auto& [id, item] : drawing.Items()) {
        CNode* node = root.AddChild(QStringLiteral("Item"));
        node->AddLeaf(QStringLiteral("Kind"), item.kind);
        node->AddLeaf(QStringLiteral("BlockName"), item.blockName);
        node->AddLeaf(QStringLiteral("SlideFile"), item.slideFile);
        node->AddLeaf(QStringLiteral("X"), item.position.x());
        node->AddLeaf(QStringLiteral("Y"), item.position.y());
        if (item.data)
            node->AddChild(QStringLiteral("Data"))->AddChild(item.data->Clone());
    }
    if (!root.WriteToFile(path, false, false))
        return Fail(error, sformat(HostText("Die Zeichnung konnte nicht nach %s geschrieben werden."), path));
    return true;
}

bool Open(Drawing& drawing, const QString& path, QString* error) {
    CNode* read = nullptr;
    TreeReadError readError;
    if (!TreeItems::ReadFromFile(path, read, 0, &readError))
        return Fail(error, readError.ToString());
    const std::unique_ptr<CNode> root(read);
    if (root->GetName() != u"Drawing")
        return Fail(error,
                    sformat(HostText("%s: keine Zeichnung (der oberste Knoten heißt '%s', nicht 'Drawing')."),
                            path, root->GetName()));
    QList<DrawingItem> items;
    for (const CNode* node = root->FindChild(QStringLiteral("Item")); node;
         node = root->FindChild(QStringLiteral("Item"), node)) {
        DrawingItem item;
        item.kind = RawLeaf(*node, "Kind");
        item.blockName = RawLeaf(*node, "BlockName");
        item.slideFile = RawLeaf(*node, "SlideFile");
        bool okX = false, okY = false;
        item.position = QPointF(RawLeaf(*node, "X").toDouble(&okX), RawLeaf(*node, "Y").toDouble(&okY));
        if (!okX || !okY)
            return Fail(error, sformat(HostText("%s: Element %d hat keine gültige Position (X, Y)."), path,
                                       int(items.size()) + 1));
        if (const CNode* data = node->FindChild(QStringLiteral("Data")); data && data->GetFirstChild())
            item.data = std::shared_ptr<const CNode>(data->GetFirstChild()->Clone());
        items << item;
    }
    drawing.Reset();
    for (const DrawingItem& item : items)
        drawing.Load(item);
    return true;
}

} // namespace DrawingFile
