#pragma once

#include <QString>
#include <QUrl>

struct DocumentSource;

// Every prompt to the user goes through one replaceable object, so that logic can ask
// questions without knowing about windows and tests can script the answers
// (CRecordingUiServices in corekit/ui_recorder.h). The Qt implementation is CQtUiServices in
// corekit/widgets/qt_ui_services.h.
//
// Texts arrive already translated; the services show them as given.

// Answers of a message box, with the usual numbers.
enum UiAnswer { IDOK = 1, IDCANCEL = 2, IDYES = 6, IDNO = 7 };

enum class UiButtons { Ok, YesNo };
enum class UiIcon { None, Information, Question, Exclamation, Stop };

class IUiServices {
public:
    virtual ~IUiServices() = default;

    // Shows a message and answers IDOK, IDYES or IDNO.
    virtual int MessageBox(const QString& text, const QString& caption, UiButtons buttons, UiIcon icon) = 0;
    // Asks for one text; `value` holds the proposal and receives the answer. False on cancel
    // (then `value` is unchanged).
    virtual bool InputBox(const QString& caption, const QString& prompt, QString& value) = 0;
    // Lets the user pick an existing file; empty on cancel. `filter` as in Qt file dialogs,
    // e.g. "Dias (*.sld);;Alle Dateien (*)".
    virtual QString GetOpenFileName(const QString& caption, const QString& folder, const QString& filter) = 0;

    // Opens a document named by data (a data sheet, a help document, an output file) with the
    // desktop's default program. Only documents are opened (corekit/document_policy.h); anything
    // else is refused with a message naming the value, its source and the reason, and the refusal
    // is logged. Answers whether the document was handed to the desktop.
    bool OpenWithDefaultHandler(const QString& path, const DocumentSource& source);
    // The same for a value that may be a link: http, https and mailto links, or a document.
    bool OpenLinkWithDefaultHandler(const QString& value, const DocumentSource& source);

protected:
    // Hands an approved document or link to the desktop. Only the two calls above reach it, so
    // every value from data passes the one check.
    virtual bool LaunchDocument(const QUrl& url) = 0;
};

// The services in use: the one installed last, else the fallback (the module installs the Qt
// services there), else services that show nothing and answer OK, No and cancel.
IUiServices& CurrentUiServices();
// Installs `services` (null: back to the fallback); answers the one installed before.
IUiServices* SetUiServices(IUiServices* services);
// The fallback used while nothing is installed.
void SetFallbackUiServices(IUiServices* services);
// Services that show nothing: messages go to the error stream, questions get the cautious
// answer (OK, No, cancel). Used where no window can be shown.
IUiServices& SilentUiServices();

// Short forms for the common cases.
int UiMessageBox(const QString& text, const QString& caption, UiButtons buttons = UiButtons::Ok,
                 UiIcon icon = UiIcon::None);
