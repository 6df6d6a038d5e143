#pragma once

#include <QPixmap>
#include <QSize>
#include <QString>

namespace WoSt {

// A catalogue picture (logo, product picture) for a picture control: magenta (0xFF00FF) is
// transparent, and the picture is scaled into `box` keeping its proportions. A file without
// extension is looked for as ".bmp". Null when there is no such picture.
QPixmap LoadPicture(const QString& file, QSize box);

} // namespace WoSt
