#include "ui_services.h"

#include <cstdio>

namespace {

// Used where no window can be shown, e.g. in a command-line run: messages go to the error
// stream and every question gets the cautious answer.
class CSilentUiServices : public IUiServices {
public:
    int MessageBox(const QString& text, const QString& caption, UiButtons buttons, UiIcon) override {
        std::fprintf(stderr, "%s: %s\n", qUtf8Printable(caption), qUtf8Printable(text));
        return buttons == UiButtons::YesNo ? IDNO : IDOK;
    }
    bool InputBox(const QString&, const QString&, QString&) override { return false; }
    QString GetOpenFileName(const QString&, const QString&, const QString&) override { return QString(); }
    bool OpenWithDefaultHandler(const QString&) override { return false; }
};

IUiServices* g_installed = nullptr;
IUiServices* g_fallback = nullptr;

} // namespace

IUiServices& SilentUiServices() {
    static CSilentUiServices silent;
    return silent;
}

IUiServices& CurrentUiServices() {
    if (g_installed)
        return *g_installed;
    if (g_fallback)
        return *g_fallback;
    return SilentUiServices();
}

IUiServices* SetUiServices(IUiServices* services) {
    IUiServices* previous = g_installed;
    g_installed = services;
    return previous;
}

void SetFallbackUiServices(IUiServices* services) {
    g_fallback = services;
}

int UiMessageBox(const QString& text, const QString& caption, UiButtons buttons, UiIcon icon) {
    return CurrentUiServices().MessageBox(text, caption, buttons, icon);
}
