#pragma once

#include <QPixmap>
#include <QSize>
#include <QString>

namespace WoSt {

// A catalogue picture (logo, product picture) for a picture control: magenta (0xFF00FF) is
// transparent, and the picture is scaled into `box` keeping its proportions. A file without
// extension is looked for as ".bmp". Null when there is no such picture. The pixmap has the
// screen's pixel ratio (a box of 100 x 80 at ratio 2 is 200 x 160 pixels), so that the screen
// does not enlarge an already scaled picture a second time.
QPixmap LoadPicture(const QString& file, QSize box, qreal ratio);

} // namespace WoSt
