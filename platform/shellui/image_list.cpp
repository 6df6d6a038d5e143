#include "image_list.h"

namespace ShellUI {

QImage CImageList::Image(int index) const {
    if (index < 0 || index >= Count())
        return {};
    return images[std::size_t(index)];
}

CImageList LoadImageList(const QString& file, int cx, int cy) {
    CImageList list;
    QImage strip(file);
    if (strip.isNull() || cx <= 0 || cy <= 0)
        return list;
    strip = strip.convertToFormat(QImage::Format_ARGB32);
    const QRgb transparent = qRgb(255, 0, 255);
    for (int y = 0; y < strip.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(strip.scanLine(y));
        for (int x = 0; x < strip.width(); ++x)
            if ((line[x] & 0xFFFFFF) == (transparent & 0xFFFFFF))
                line[x] = 0;
    }
    const int height = strip.height() == cy ? cy : strip.height();
    for (int x = 0; x + cx <= strip.width(); x += cx)
        list.images.push_back(strip.copy(x, 0, cx, height));
    return list;
}

} // namespace ShellUI
