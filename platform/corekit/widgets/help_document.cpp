#include "help_document.h"

#include <QFileInfo>
#include <QMimeDatabase>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QUrl>

#include <vector>

namespace {

// A document that loads nothing by itself: the images it may show are checked one by one below.
class CInertDocument : public QTextDocument {
protected:
    QVariant loadResource(int, const QUrl&) override { return QVariant(); }
};

// The local file an image name stands for, when it is an image file inside `folder`.
QString allowedImage(const QString& name, const QString& folder) {
    const QUrl url(name);
    QString path;
    if (url.scheme().size() <= 1)
        path = name;
    else if (url.isLocalFile())
        path = url.toLocalFile();
    else
        return QString();
    const DocumentDecision decision = CheckDocumentFile(path, {QString(), folder});
    if (!decision.allowed)
        return QString();
    const QString file = decision.url.toLocalFile();
    if (!QMimeDatabase().mimeTypeForFile(file).name().startsWith(QLatin1String("image/")))
        return QString();
    return file;
}

struct FragmentFix {
    int start;
    int length;
    QTextCharFormat format;
    bool remove;
};

} // namespace

QString SafeHelpHtml(const QString& path, const DocumentSource& source, QString* reason) {
    const QString html = ReadHelpDocument(path, source, reason);
    if (html.isEmpty())
        return QString();
    const QString folder = QFileInfo(path).absolutePath();

    CInertDocument document;
    if (Qt::mightBeRichText(html))
        document.setHtml(html);
    else
        document.setPlainText(html);

    std::vector<FragmentFix> fixes;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            QTextCharFormat format = fragment.charFormat();
            bool changed = false;
            bool remove = false;
            if (format.isAnchor()) {
                format.setAnchor(false);
                format.setAnchorHref(QString());
                format.setAnchorNames({});
                changed = true;
            }
            if (format.isImageFormat()) {
                QTextImageFormat image = format.toImageFormat();
                const QString file = allowedImage(image.name(), folder);
                if (file.isEmpty()) {
                    remove = true;
                } else {
                    image.setName(QUrl::fromLocalFile(file).toString());
                    format = image;
                    changed = true;
                }
            }
            if (changed || remove)
                fixes.push_back({fragment.position(), fragment.length(), format, remove});
        }
    }
    // From the end, so that removals do not move the fragments still to fix.
    for (auto fix = fixes.rbegin(); fix != fixes.rend(); ++fix) {
        QTextCursor cursor(&document);
        cursor.setPosition(fix->start);
        cursor.setPosition(fix->start + fix->length, QTextCursor::KeepAnchor);
        if (fix->remove)
            cursor.removeSelectedText();
        else
            cursor.setCharFormat(fix->format);
    }
    return document.toHtml();
}
