#pragma once

#include <QString>

namespace ShellUI {

enum class ColorScheme { Light, Dark };

// The scheme of the application's palette: dark when its window colour is dark. Light
// without a GUI application.
ColorScheme CurrentColorScheme();

// The name of an image for a colour scheme: "_Dark" appended in the dark scheme, the name as
// it is in the light one ("ImgList_Symbols" -> "ImgList_Symbols_Dark").
QString AddColorSchemeSuffix(const QString& name, ColorScheme scheme);
QString AddColorSchemeSuffix(const QString& name);

} // namespace ShellUI
