#include "station_flow.h"

#include "corekit/node.h"

#include <QDir>
#include <QFileInfo>

namespace StationFlow {

std::unique_ptr<CNode> Input(const CNode* drawnStation, int zTyp) {
    auto input = std::make_unique<CNode>(QStringLiteral("StationInput"));
    input->AddLeaf(QStringLiteral("ZTyp"), zTyp);
    if (drawnStation)
        input->AddChild(drawnStation->Clone());
    return input;
}

Answer AnswerOf(const CNode* result) {
    if (!result)
        return Answer::None;
    const QString& name = result->GetName();
    if (name == u"DrawStation")
        return Answer::Draw;
    if (name == u"DeleteStation")
        return Answer::Delete;
    if (name == u"GetStation")
        return Answer::Fetch;
    return Answer::None;
}

DrawingItem ItemOf(std::shared_ptr<const CNode> drawNode) {
    const CLeaf* leaf = drawNode->FindLeaf(QStringLiteral("BlockFile2D"));
    const QString block = leaf ? QString(leaf->GetRawData()).replace(u'\\', u'/') : QString();
    const QFileInfo file(block);
    DrawingItem item;
    item.kind = QStringLiteral("Station");
    item.blockName = file.completeBaseName();
    const QString slide = file.dir().filePath(file.completeBaseName() + QStringLiteral(".sld"));
    if (QFileInfo(block).isAbsolute() && QFileInfo::exists(slide))
        item.slideFile = slide;
    item.data = std::move(drawNode);
    return item;
}

QList<int> Stations(const Drawing& drawing, const QList<int>& ids) {
    QList<int> stations;
    for (int id : ids)
        if (const DrawingItem* item = drawing.Item(id); item && item->kind == u"Station")
            stations << id;
    return stations;
}

} // namespace StationFlow
