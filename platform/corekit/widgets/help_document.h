#pragma once

#include "corekit/document_policy.h"

#include <QString>

// The rich text of a help document, made safe to show in a tooltip: read by ReadHelpDocument
// (documents only, size-limited, no binary), scripts and embedded objects dropped, links kept as
// plain text, and images only from local image files inside the document's folder — nothing is
// fetched from the network or from elsewhere on the disk. Empty with `reason` set when the
// document is not shown.
QString SafeHelpHtml(const QString& path, const DocumentSource& source, QString* reason = nullptr);
