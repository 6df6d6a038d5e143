#include "document_policy.h"

#include "corekit_text.h"
#include "text_utils.h"
#include "whole_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QStringConverter>

namespace {

DocumentDecision refuse(const char* reason) {
    return {false, QUrl(), CoreKitText(reason)};
}

bool hasControlCharacter(const QString& value) {
    for (const QChar c : value) {
        if (c.category() == QChar::Other_Control || c == QChar::LineSeparator ||
            c == QChar::ParagraphSeparator)
            return true;
    }
    return false;
}

// The types a planner may open by extension: documents, images, text, PDF, HTML, office.
// Office files that carry macros are programs as much as documents and stay closed.
bool isDocumentType(const QMimeType& type) {
    const QString name = type.name();
    if (name.contains(QLatin1String("macroenabled"), Qt::CaseInsensitive))
        return false;
    static const QStringList exact = {
        QStringLiteral("text/plain"),
        QStringLiteral("text/html"),
        QStringLiteral("application/xhtml+xml"),
        QStringLiteral("text/csv"),
        QStringLiteral("text/markdown"),
        QStringLiteral("text/rtf"),
        QStringLiteral("application/rtf"),
        QStringLiteral("application/pdf"),
        QStringLiteral("application/msword"),
        QStringLiteral("application/vnd.ms-excel"),
        QStringLiteral("application/vnd.ms-powerpoint"),
        QStringLiteral("text/tab-separated-values"),
    };
    if (exact.contains(name))
        return true;
    return name.startsWith(QLatin1String("image/")) ||
           name.startsWith(QLatin1String("application/vnd.oasis.opendocument.")) ||
           name.startsWith(QLatin1String("application/vnd.openxmlformats-officedocument."));
}

// Types that run something when opened, whatever the file is called; checked against what the
// content says, with every type derived from them (a shell script is also plain text).
bool isProgramType(const QMimeType& type) {
    static const QStringList programs = {
        QStringLiteral("application/x-executable"),
        QStringLiteral("application/x-sharedlib"),
        QStringLiteral("application/x-pie-executable"),
        QStringLiteral("application/x-shellscript"),
        QStringLiteral("application/x-desktop"),
        QStringLiteral("application/x-msdownload"),
        QStringLiteral("application/x-ms-dos-executable"),
        QStringLiteral("application/vnd.microsoft.portable-executable"),
        QStringLiteral("application/x-ms-shortcut"),
        QStringLiteral("application/x-java-archive"),
        QStringLiteral("application/javascript"),
        QStringLiteral("text/javascript"),
        QStringLiteral("text/x-python"),
        QStringLiteral("text/x-python3"),
        QStringLiteral("application/x-perl"),
        QStringLiteral("application/x-ruby"),
        QStringLiteral("application/x-csh"),
        QStringLiteral("application/x-bat"),
        QStringLiteral("application/x-msi"),
    };
    for (const QString& program : programs) {
        if (type.inherits(program))
            return true;
    }
    return false;
}

bool isInside(const QString& canonicalPath, const QString& folder) {
    const QString canonicalFolder = QFileInfo(folder).canonicalFilePath();
    if (canonicalFolder.isEmpty())
        return false;
    const QString prefix =
        canonicalFolder.endsWith(QLatin1Char('/')) ? canonicalFolder : canonicalFolder + '/';
    return canonicalPath.startsWith(prefix);
}

QString resolvedPath(const QString& value, const DocumentSource& source) {
    QString path = QDir::fromNativeSeparators(value);
    if (QDir::isRelativePath(path) && !source.baseFolder.isEmpty())
        path = QDir(source.baseFolder).filePath(path);
    return QDir::cleanPath(path);
}

} // namespace

DocumentDecision CheckDocumentFile(const QString& value, const DocumentSource& source) {
    if (value.trimmed().isEmpty())
        return refuse("Es ist kein Dokument angegeben.");
    if (hasControlCharacter(value))
        return refuse("Der Name enthält Steuerzeichen.");

    const QString path = resolvedPath(value, source);
    const QFileInfo link(path);
    if (!link.exists())
        return refuse("Die Datei existiert nicht.");
    // Every decision is taken on the file a link finally points to.
    const QString canonical = link.canonicalFilePath();
    const QFileInfo file(canonical);
    if (!file.isFile())
        return refuse("Das ist keine gewöhnliche Datei.");
    if (!source.baseFolder.isEmpty() && !isInside(canonical, source.baseFolder))
        return refuse("Die Datei liegt außerhalb ihres Ordners.");
    if (file.permissions() & (QFile::ExeUser | QFile::ExeGroup | QFile::ExeOther))
        return refuse("Die Datei ist ausführbar.");

    const QMimeDatabase mime;
    const QMimeType byName = mime.mimeTypeForFile(canonical, QMimeDatabase::MatchExtension);
    const QMimeType byContent = mime.mimeTypeForFile(canonical, QMimeDatabase::MatchContent);
    if (isProgramType(byContent) || isProgramType(byName))
        return refuse("Die Datei ist ein Programm oder Skript.");
    if (!isDocumentType(byName))
        return {false, QUrl(),
                sformat(CoreKitText("Dateien dieser Art werden nicht geöffnet: %s"), byName.name())};
    return {true, QUrl::fromLocalFile(canonical), QString()};
}

DocumentDecision CheckDocumentLink(const QString& value, const DocumentSource& source) {
    if (hasControlCharacter(value))
        return refuse("Der Name enthält Steuerzeichen.");
    const QString trimmed = value.trimmed();
    const QUrl url(trimmed, QUrl::StrictMode);
    const QString scheme = url.scheme().toLower();
    // "C:\Daten\blatt.pdf" parses as scheme "c": a drive letter names a file, not a link.
    if (scheme.size() <= 1)
        return CheckDocumentFile(value, source);
    if (!url.isValid())
        return refuse("Der Verweis ist ungültig.");
    if ((scheme == QLatin1String("http") || scheme == QLatin1String("https")) && !url.host().isEmpty())
        return {true, url, QString()};
    if (scheme == QLatin1String("mailto") && !url.path().isEmpty())
        return {true, url, QString()};
    return {false, QUrl(), sformat(CoreKitText("Verweise dieser Art werden nicht geöffnet: %s:"), scheme)};
}

QString ReadHelpDocument(const QString& path, const DocumentSource& source, QString* reason,
                         qint64 maxBytes) {
    auto fail = [reason](const QString& why) {
        if (reason)
            *reason = why;
        return QString();
    };
    const DocumentDecision decision = CheckDocumentFile(path, source);
    if (!decision.allowed)
        return fail(decision.reason);
    const QString file = decision.url.toLocalFile();
    const QMimeType type = QMimeDatabase().mimeTypeForFile(file);
    if (!type.inherits(QStringLiteral("text/plain")) && type.name() != QLatin1String("application/xhtml+xml"))
        return fail(CoreKitText("Das Hilfedokument ist kein Text."));
    WholeFileError error;
    const std::optional<QByteArray> read = ReadWholeFile(file, maxBytes, &error);
    if (!read)
        return fail(error.kind == WholeFileError::TooLarge
                        ? CoreKitText("Das Hilfedokument ist zu groß.")
                        : CoreKitText("Das Hilfedokument kann nicht gelesen werden."));
    const QByteArray& bytes = *read;
    if (bytes.contains('\0'))
        return fail(CoreKitText("Das Hilfedokument enthält binäre Daten."));
    auto decoder = QStringDecoder(QStringDecoder::Utf8);
    QString text = decoder(bytes);
    if (decoder.hasError())
        text = QString::fromLatin1(bytes);
    if (reason)
        reason->clear();
    return text;
}
