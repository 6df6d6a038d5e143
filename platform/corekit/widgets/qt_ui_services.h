#pragma once

#include "corekit/ui_services.h"

// The UI services on Qt widgets: QMessageBox, QInputDialog, QFileDialog and
// QDesktopServices. Dialogs are parented to the active window so that they stay on top of
// the host.
class CQtUiServices : public IUiServices {
public:
    int MessageBox(const QString& text, const QString& caption, UiButtons buttons, UiIcon icon) override;
    bool InputBox(const QString& caption, const QString& prompt, QString& value) override;
    QString GetOpenFileName(const QString& caption, const QString& folder, const QString& filter) override;

    // One instance for the process, made the fallback of CurrentUiServices().
    static void InstallAsFallback();

protected:
    bool LaunchDocument(const QUrl& url) override;
};
