#include "color_scheme.h"

#include <QGuiApplication>
#include <QPalette>

namespace ShellUI {

ColorScheme CurrentColorScheme() {
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        return ColorScheme::Light;
    return QGuiApplication::palette().color(QPalette::Window).lightness() < 128 ? ColorScheme::Dark
                                                                                : ColorScheme::Light;
}

QString AddColorSchemeSuffix(const QString& name, ColorScheme scheme) {
    return scheme == ColorScheme::Dark ? name + QStringLiteral("_Dark") : name;
}

QString AddColorSchemeSuffix(const QString& name) {
    return AddColorSchemeSuffix(name, CurrentColorScheme());
}

} // namespace ShellUI
