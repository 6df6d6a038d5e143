#include "symbol_creation.h"

#include "drawing_file.h"
#include "host_text.h"

#include "corekit/text_utils.h"
#include "slides/slide.h"
#include "slides/slide_writer.h"

#include <QDir>
#include <QFileInfo>
#include <QRectF>

#include <algorithm>
#include <cmath>

namespace {

// Colour 7 is the slide's foreground: what the canvas draws unreadable items in.
constexpr int kForeground = 7;

QRectF SquareOf(const DrawingItem& item) {
    const double half = kItemSize / 2;
    return {item.position.x() - half, item.position.y() - half, kItemSize, kItemSize};
}

QRectF Bounds(const QList<DrawingItem>& items) {
    QRectF bounds;
    for (const DrawingItem& item : items)
        bounds = bounds.united(SquareOf(item));
    return bounds;
}

// Maps drawing points (y down) into the slide (y up) over the selection's bounds.
struct SlideFrame {
    QRectF bounds;
    double scale = 1;

    QPoint Map(QPointF p) const {
        return {int(std::lround((p.x() - bounds.left()) * scale)),
                int(std::lround((bounds.bottom() - p.y()) * scale))};
    }
};

void AddSlideLines(CSlideWriter& writer, const SlideFrame& frame, const DrawingItem& item,
                   const CSlide& slide) {
    const QRectF square = SquareOf(item);
    const double w = std::max<int>(slide.m_width, 1);
    const double h = std::max<int>(slide.m_height, 1);
    const double s = std::min(square.width() / w, square.height() / h);
    const QPointF origin(square.left() + (square.width() - w * s) / 2,
                         square.top() + (square.height() - h * s) / 2);
    const auto toDrawing = [&](const SlidePoint& p) { return origin + QPointF(p.x * s, (h - p.y) * s); };
    const SlidePoint* last = nullptr;
    int color = -1;
    for (const SlidePoint& point : slide.Points()) {
        if (point.color > 0 && last) {
            if (point.color != color)
                writer.SetColor(color = point.color);
            writer.AddLine(frame.Map(toDrawing(*last)), frame.Map(toDrawing(point)));
        }
        last = &point;
    }
}

void AddCrossedBox(CSlideWriter& writer, const SlideFrame& frame, const DrawingItem& item) {
    const QRectF r = SquareOf(item);
    writer.SetColor(kForeground);
    const QPointF corners[] = {r.topLeft(), r.topRight(), r.bottomRight(), r.bottomLeft()};
    for (int i = 0; i < 4; ++i)
        writer.AddLine(frame.Map(corners[i]), frame.Map(corners[(i + 1) % 4]));
    writer.AddLine(frame.Map(r.topLeft()), frame.Map(r.bottomRight()));
    writer.AddLine(frame.Map(r.topRight()), frame.Map(r.bottomLeft()));
}

bool Fail(QString* error, const QString& text) {
    if (error)
        *error = text;
    return false;
}

} // namespace

namespace SymbolCreation {

QList<DrawingItem> BlockItems(const Drawing& drawing, const QList<int>& ids) {
    QList<DrawingItem> items;
    for (const auto& [id, item] : drawing.Items())
        if (ids.contains(id))
            items << item;
    const QPointF centre = Bounds(items).center();
    for (DrawingItem& item : items)
        item.position -= centre;
    return items;
}

bool WriteBlock(const QList<DrawingItem>& items, const QString& path, QString* error) {
    Drawing block;
    for (const DrawingItem& item : items)
        block.Load(item);
    return DrawingFile::Save(block, path, error);
}

CSlideWriter SlideOf(const QList<DrawingItem>& items) {
    SlideFrame frame{Bounds(items)};
    const double longest = std::max(frame.bounds.width(), frame.bounds.height());
    frame.scale = longest > 0 ? std::min(kUnitsPerItem / kItemSize, kMaxSlideExtent / longest) : 1;
    CSlideWriter writer(uint16_t(std::lround(frame.bounds.width() * frame.scale)),
                        uint16_t(std::lround(frame.bounds.height() * frame.scale)));
    for (const DrawingItem& item : items) {
        CSlide slide;
        if (!item.slideFile.isEmpty() && QFileInfo(item.slideFile).isFile() &&
            slide.Load(QString(), item.slideFile))
            AddSlideLines(writer, frame, item, slide);
        else
            AddCrossedBox(writer, frame, item);
    }
    return writer;
}

bool WriteSlide(const QList<DrawingItem>& items, const QString& path, QString* error) {
    if (!QDir().mkpath(QFileInfo(path).absolutePath()) || !SlideOf(items).WriteToFile(path))
        return Fail(error, sformat(HostText("Das Dia konnte nicht nach %s geschrieben werden."), path));
    return true;
}

QStringList Create(const Drawing& drawing, const QList<int>& selected, const Request& request, bool* ok) {
    QStringList said;
    bool written = false;
    const QString blockPath = QString(request.blockPath).replace(u'\\', u'/');
    const QString slidePath = QString(request.slidePath).replace(u'\\', u'/');
    const QList<DrawingItem> items = BlockItems(drawing, selected);
    QString error;
    if (items.isEmpty()) {
        said << HostText("Nichts ausgewählt: erst die Elemente auf der Zeichenfläche wählen, dann im "
                         "Eigenschaftendialog erzeugen.");
    } else if (request.block && blockPath.isEmpty()) {
        said << HostText("Das Modul nennt keine Blockdatei (SYMBOLS_BLOCKFILE).");
    } else if (!request.block && slidePath.isEmpty()) {
        said << HostText("Das Modul nennt keine Diadatei (SYMBOLS_SLIDEFILE).");
    } else {
        written = true;
        if (request.block) {
            written = WriteBlock(items, blockPath, &error);
            said << (written ? sformat(HostText("Block geschrieben: %s (%d Elemente)"), blockPath,
                                       int(items.size()))
                             : error);
        }
        if (written && !slidePath.isEmpty()) {
            written = WriteSlide(items, slidePath, &error);
            said << (written ? sformat(HostText("Dia geschrieben: %s"), slidePath) : error);
        } else if (written) {
            said << HostText("Das Dia des Blocks gibt es schon; es bleibt, wie es ist.");
        }
    }
    if (ok)
        *ok = written;
    return said;
}

} // namespace SymbolCreation
