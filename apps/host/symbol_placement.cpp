#include "symbol_placement.h"

#include "corekit/node.h"

#include <QDir>
#include <QFileInfo>

namespace {
QString Leaf(const CNode& node, const char* key) {
    const CLeaf* leaf = node.FindLeaf(QString::fromLatin1(key));
    return leaf ? leaf->GetRawData() : QString();
}
} // namespace

namespace SymbolPlacement {

QString SlidePath(const QString& symbolFileFolder, const QString& name) {
    QString path = QString(name).replace(u'\\', u'/');
    if (path.isEmpty())
        return {};
    if (!QDir::isAbsolutePath(path))
        path =
            QDir(QString(symbolFileFolder).replace(u'\\', u'/')).filePath(QStringLiteral("Slides/") + path);
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".sld");
    return QDir::cleanPath(path);
}

QString SymbolFileFolder(const CNode& props) {
    for (const char* key : {"SymbolsDir", "FamiliesDir"}) {
        const QString dir = Leaf(props, key).replace(u'\\', u'/');
        // "Symbols" follows the folder with or without a separator in between.
        const qsizetype at = dir.lastIndexOf(QStringLiteral("Symbols/"));
        if (at >= 0)
            return QDir::cleanPath(dir.left(at));
    }
    return {};
}

QList<DrawingItem> ItemsFromSymbolProps(const CNode& props, const QString& previewSlide,
                                        const QString& slideName) {
    const QString block = Leaf(props, "BlockName");
    if (block.isEmpty())
        return {};
    const QString folder = SymbolFileFolder(props);
    DrawingItem first;
    first.kind = QStringLiteral("Symbol");
    first.blockName = block;
    first.slideFile =
        !previewSlide.isEmpty() ? previewSlide : SlidePath(folder, slideName.isEmpty() ? block : slideName);
    QList<DrawingItem> items{first};
    const QString second = Leaf(props, "SecondBlockName");
    if (!second.isEmpty()) {
        DrawingItem pair = first;
        pair.blockName = second;
        pair.slideFile = SlidePath(folder, second);
        pair.position = QPointF(kPairOffset, 0);
        items << pair;
    }
    return items;
}

} // namespace SymbolPlacement
