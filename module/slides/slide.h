#pragma once

#include "slide_colors.h"
#include "slide_decoder.h"
#include "slide_point.h"

#include <QRect>
#include <QString>

#include <vector>

class QPainter;

// A slide file read into a list of points, drawn scaled into a rectangle of any paint device.
class CSlide {
public:
    CSlide() = default;

    // Reads the slide file name (".SLD" is appended when the name holds neither ".sld" nor
    // ".SLD"); answers 1 on success, 0 on failure. Slide libraries are not read: a non-empty
    // library answers 0. A file that ends before its end record keeps what was read.
    int Load(const QString& library, const QString& name);
    // Decodes slide bytes held in memory, with the same answers as Load.
    int LoadFromData(const QByteArray& bytes);
    // Takes what the decoder read, with the same answers as Load.
    int LoadDecoded(SlideDecodeResult decoded);
    // Draws the figure into rect; stretch 0 keeps the aspect ratio and centres the figure.
    int Draw(QPainter& painter, const QRect& rect, int stretch) const;
    int IsLoaded() const { return m_bLoaded; }
    void SetForegroundColor(COLORREF color) { m_foreColor = color; }
    COLORREF ForegroundColor() const { return m_foreColor; }
    void Clear();

    const std::vector<SlidePoint>& Points() const { return m_points; }

    // The header's highest coordinates, read by the toolbar layout as the reference size.
    quint16 m_width = 0;
    quint16 m_height = 0;

private:
    std::vector<SlidePoint> m_points;
    COLORREF m_foreColor = 0xFFFFFF;
    int m_bLoaded = 0;
};

// The path Load opens for name: ".SLD" appended unless the name holds ".sld" or ".SLD".
QString SlideFilePathFor(const QString& name);

// Paths longer than this many characters are not read.
constexpr int kMaxSlidePathLength = 259;
// Larger files are not read: the largest slides in use have about a megabyte.
constexpr qint64 kMaxSlideFileBytes = 64 * 1024 * 1024;
