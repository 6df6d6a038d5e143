#include "ui_services.h"

#include "corekit_text.h"
#include "document_policy.h"
#include "text_utils.h"

#include <QLoggingCategory>

#include <cstdio>

Q_LOGGING_CATEGORY(lcDocuments, "orvane.documents")

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

protected:
    bool LaunchDocument(const QUrl&) override { return false; }
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

namespace {

// Says why a value from data is not opened, to the planner and to the log.
void reportRefusal(IUiServices& services, const QString& value, const DocumentSource& source,
                   const QString& reason) {
    qCWarning(lcDocuments, "refused to open \"%s\" from %s: %s", qUtf8Printable(value),
              qUtf8Printable(source.origin), qUtf8Printable(reason));
    const QString origin = source.origin.isEmpty() ? CoreKitText("unbekannter Herkunft") : source.origin;
    services.MessageBox(sformat(CoreKitText("\"%s\" (%s) wird nicht geöffnet.\n%s"), value, origin, reason),
                        CoreKitText("Dokument öffnen"), UiButtons::Ok, UiIcon::Exclamation);
}

} // namespace

bool IUiServices::OpenWithDefaultHandler(const QString& path, const DocumentSource& source) {
    const DocumentDecision decision = CheckDocumentFile(path, source);
    if (!decision.allowed) {
        reportRefusal(*this, path, source, decision.reason);
        return false;
    }
    return LaunchDocument(decision.url);
}

bool IUiServices::OpenLinkWithDefaultHandler(const QString& value, const DocumentSource& source) {
    const DocumentDecision decision = CheckDocumentLink(value, source);
    if (!decision.allowed) {
        reportRefusal(*this, value, source, decision.reason);
        return false;
    }
    return LaunchDocument(decision.url);
}
