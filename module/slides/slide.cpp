#include "slide.h"

#include "slide_decoder.h"
#include "slide_mapping.h"

#include "corekit/whole_file.h"

#include <QDir>
#include <QFileInfo>
#include <QLine>
#include <QPainter>

namespace {

// Slide names in data often come from systems whose file names ignore case; when the exact
// name is missing, a file in the same folder that differs only in case is taken.
QString existingPathIgnoringCase(const QString& path) {
    if (QFileInfo::exists(path))
        return path;
    const QFileInfo info(path);
    const QDir dir = info.dir();
    const QStringList entries = dir.entryList({info.fileName()}, QDir::Files | QDir::CaseSensitive);
    if (!entries.isEmpty())
        return dir.filePath(entries.first());
    const QStringList similar = dir.entryList(QDir::Files);
    for (const QString& entry : similar)
        if (entry.compare(info.fileName(), Qt::CaseInsensitive) == 0)
            return dir.filePath(entry);
    return path;
}

} // namespace

QString SlideFilePathFor(const QString& name) {
    if (name.contains(QLatin1String(".sld")) || name.contains(QLatin1String(".SLD")))
        return name;
    return name + QLatin1String(".SLD");
}

void CSlide::Clear() {
    m_points.clear();
    m_width = 0;
    m_height = 0;
    m_bLoaded = 0;
}

int CSlide::Load(const QString& library, const QString& name) {
    Clear();
    if (!library.isEmpty() || name.isEmpty())
        return 0;
    const QString path = SlideFilePathFor(name);
    if (path.size() > kMaxSlidePathLength)
        return 0;
    const auto bytes = ReadWholeFile(existingPathIgnoringCase(path), kMaxSlideFileBytes);
    if (!bytes)
        return 0;
    return LoadFromData(*bytes);
}

int CSlide::LoadFromData(const QByteArray& bytes) {
    return LoadDecoded(DecodeSlide(bytes));
}

int CSlide::LoadDecoded(SlideDecodeResult decoded) {
    Clear();
    if (!decoded.usable())
        return 0;
    m_points = std::move(decoded.points);
    m_width = decoded.header.width;
    m_height = decoded.header.height;
    m_bLoaded = 1;
    return 1;
}

int CSlide::Draw(QPainter& painter, const QRect& rect, int stretch) const {
    SlideMapping mapping;
    if (!SlideMappingFor(m_width, m_height, rect, stretch != 0, mapping))
        return 1;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    // Lines of one colour are collected and drawn together; the pen changes only with the colour.
    std::vector<QLine> lines;
    int penColor = 0;
    const auto flush = [&] {
        if (lines.empty())
            return;
        painter.setPen(QPen(ColorFromColorRef(SlideColorToColorRef(penColor, m_foreColor)), 0));
        painter.drawLines(lines.data(), int(lines.size()));
        lines.clear();
    };
    QPoint current;
    for (const SlidePoint& point : m_points) {
        const QPoint device = MapSlidePoint(mapping, point.x, point.y);
        if (point.color > 0) {
            if (point.color != penColor) {
                flush();
                penColor = point.color;
            }
            lines.emplace_back(current, device);
        }
        current = device;
    }
    flush();
    painter.restore();
    return 1;
}
