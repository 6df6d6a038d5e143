#pragma once

#include <QString>

#include <memory>

class QTranslator;

// Qt's own texts (the buttons of standard dialogs, a pane's float and close buttons, the file
// dialog) in `language`, from the translations installed with Qt, installed on the running
// application. Null when Qt has none for that language here: its English texts then stay.
std::unique_ptr<QTranslator> InstallQtTranslation(const QString& language);
