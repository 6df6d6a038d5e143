#pragma once

#include <QString>
#include <QUrl>

// Which values from data may be handed to the desktop's default handler. Symbol files,
// catalogues and their descriptors come from manufacturers and colleagues: a value that names
// a program, a script or a launcher must never be started by a click. Only documents are
// opened: existing, regular, non-executable files whose type is a document, image, text, PDF,
// HTML or office type, and links with http, https or mailto. See docs/opening-documents.md.

// Where a value came from: named in a refusal, and the folder a file must stay inside.
struct DocumentSource {
    QString origin;     // e.g. "Katalog AUENHOF_WOST, Datenblatt"; shown as given
    QString baseFolder; // relative values are resolved here and must not leave it; empty: none
};

struct DocumentDecision {
    bool allowed = false;
    QUrl url;       // what to open, when allowed
    QString reason; // why not, translated, when refused
};

// A value naming a local file (a data sheet, a help document, an output file).
DocumentDecision CheckDocumentFile(const QString& value, const DocumentSource& source);
// A value that may be a link (http, https, mailto) or else names a local file.
DocumentDecision CheckDocumentLink(const QString& value, const DocumentSource& source);

// Reads a help document to show as rich text: a document by the rules above, of a text type,
// at most `maxBytes` long and free of binary content. Empty with `reason` set otherwise.
QString ReadHelpDocument(const QString& path, const DocumentSource& source, QString* reason,
                         qint64 maxBytes = 256 * 1024);
