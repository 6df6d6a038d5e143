#pragma once

#include <QImage>
#include <QString>

#include <vector>

namespace ShellUI {

// Small images of equal size cut from one bitmap strip, left to right. Magenta (255, 0, 255)
// is the transparent colour of such strips.
struct CImageList {
    std::vector<QImage> images;

    int Count() const { return int(images.size()); }
    // Image `index`, or a null image for an index outside the list.
    QImage Image(int index) const;
};

// Reads the strip in `file` and cuts it into images of cx x cy (a strip of another height is
// cut at its own height). An unreadable file gives an empty list.
CImageList LoadImageList(const QString& file, int cx, int cy);

} // namespace ShellUI
