#include "qt_ui_services.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QUrl>

namespace {

QMessageBox::Icon qtIcon(UiIcon icon) {
    switch (icon) {
    case UiIcon::Information:
        return QMessageBox::Information;
    case UiIcon::Question:
        return QMessageBox::Question;
    case UiIcon::Exclamation:
        return QMessageBox::Warning;
    case UiIcon::Stop:
        return QMessageBox::Critical;
    case UiIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

// Widgets need a QApplication. A program with only a core or GUI application (the command-line
// tool, a host run without windows) gets the silent services instead of an abort.
bool canShowWidgets() {
    return qobject_cast<QApplication*>(QCoreApplication::instance()) != nullptr;
}

} // namespace

int CQtUiServices::MessageBox(const QString& text, const QString& caption, UiButtons buttons, UiIcon icon) {
    if (!canShowWidgets())
        return SilentUiServices().MessageBox(text, caption, buttons, icon);
    const auto qtButtons =
        buttons == UiButtons::YesNo ? (QMessageBox::Yes | QMessageBox::No) : QMessageBox::Ok;
    QMessageBox box(qtIcon(icon), caption, text, qtButtons, QApplication::activeWindow());
    const int result = box.exec();
    if (buttons == UiButtons::YesNo)
        return result == QMessageBox::Yes ? IDYES : IDNO;
    return IDOK;
}

bool CQtUiServices::InputBox(const QString& caption, const QString& prompt, QString& value) {
    if (!canShowWidgets())
        return SilentUiServices().InputBox(caption, prompt, value);
    bool ok = false;
    const QString answer =
        QInputDialog::getText(QApplication::activeWindow(), caption, prompt, QLineEdit::Normal, value, &ok);
    if (ok)
        value = answer;
    return ok;
}

QString CQtUiServices::GetOpenFileName(const QString& caption, const QString& folder, const QString& filter) {
    if (!canShowWidgets())
        return SilentUiServices().GetOpenFileName(caption, folder, filter);
    return QFileDialog::getOpenFileName(QApplication::activeWindow(), caption, folder, filter);
}

bool CQtUiServices::LaunchDocument(const QUrl& url) {
    // The desktop services live in the GUI application's platform integration.
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        return false;
    return QDesktopServices::openUrl(url);
}

void CQtUiServices::InstallAsFallback() {
    static CQtUiServices services;
    SetFallbackUiServices(&services);
}
