#include "fuzz_entries.h"

#include "slides/slide.h"
#include "slides/slide_decoder.h"

#include <QImage>
#include <QPainter>

namespace orvane::fuzz {

// Any bytes decode without reading outside them, and a slide that loads draws into a small
// image, kept in shape and stretched.
void Slide(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const SlideDecodeResult decoded = DecodeSlide(bytes);
    CSlide slide;
    Require((slide.LoadFromData(bytes) == 1) == decoded.usable(), "a slide loads exactly when it decodes");
    if (!slide.IsLoaded())
        return;
    Require(slide.Points().size() == decoded.points.size(), "the loaded slide keeps every decoded point");
    QImage image(40, 30, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    for (int stretch : {0, 1})
        Require(slide.Draw(painter, QRect(2, 2, 36, 26), stretch) == 1, "a loaded slide draws");
}

} // namespace orvane::fuzz
