#include "tree_items.h"

#include "atomic_save.h"
#include "mapped_read_guard.h"
#include "utf8_check.h"
#include "whole_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <vector>

QString TreeReadError::ToString() const {
    QString text = file;
    if (line > 0) {
        if (!text.isEmpty())
            text += u':';
        text += QString::number(line) + u':' + QString::number(column);
    }
    if (!text.isEmpty())
        text += QStringLiteral(": ");
    return text + message;
}

namespace NodeFormats {

bool LooksLikeXml(const QByteArray& utf8) {
    qsizetype i = 0;
    if (utf8.startsWith("\xEF\xBB\xBF"))
        i = 3;
    while (i < utf8.size() && (utf8[i] == ' ' || utf8[i] == '\t' || utf8[i] == '\r' || utf8[i] == '\n'))
        ++i;
    return i < utf8.size() && utf8[i] == '<';
}

TreeReadError ErrorAt(QByteArrayView text, qsizetype offset, const QString& message) {
    offset = std::clamp(offset, qsizetype(0), text.size());
    const QByteArrayView before = text.first(offset);
    const int line = int(before.count('\n')) + 1;
    qsizetype lineStart = before.lastIndexOf('\n') + 1;
    // A byte-order mark that starts the text only tells the encoding: it takes no column. A
    // U+FEFF anywhere else is a character like any other.
    if (lineStart == 0 && before.startsWith(QByteArrayView("\xEF\xBB\xBF", 3)))
        lineStart = 3;
    // Characters, not UTF-16 units (a character beyond U+FFFF takes two): every byte of the
    // well-formed UTF-8 before the error starts one, except the continuation bytes.
    const QByteArrayView onLine = before.sliced(lineStart);
    const auto characters =
        std::count_if(onLine.begin(), onLine.end(), [](char c) { return (uchar(c) & 0xC0) != 0x80; });
    const int column = int(characters) + 1;
    return TreeReadError{QString(), line, column, message};
}

bool CheckBytes(const QByteArray& utf8, TreeReadError* error) {
    const qsizetype bad = FindInvalidUtf8OrNul(utf8);
    if (bad < 0)
        return true;
    const uchar byte = uchar(utf8[bad]);
    if (error)
        *error = ErrorAt(
            utf8, bad,
            byte == 0 ? QStringLiteral("a NUL byte")
                      : QStringLiteral("invalid UTF-8 (byte 0x%1)").arg(uint(byte), 2, 16, QLatin1Char('0')));
    return false;
}

int TreeDepth(const CNode& root) {
    int deepest = 0;
    std::vector<std::pair<const CNode*, int>> pending{{&root, 0}};
    while (!pending.empty()) {
        const auto [node, depth] = pending.back();
        pending.pop_back();
        deepest = std::max(deepest, depth);
        for (const auto& child : node->Children())
            pending.emplace_back(child.get(), depth + 1);
    }
    return deepest;
}

} // namespace NodeFormats

namespace {

CNode* readBytes(const QByteArray& bytes, TreeReadError* error,
                 const NodeFormats::ReleaseBytes& release = {}) {
    return NodeFormats::LooksLikeXml(bytes) ? NodeFormats::ReadXml(bytes, error)
                                            : NodeFormats::ReadText(bytes, error, release);
}

bool endsInX(const QString& path) {
    const QString ext = QFileInfo(path).suffix();
    return !ext.isEmpty() && ext.back().toLower() == u'x';
}

} // namespace

namespace TreeItems {

// Files from this size on are mapped rather than read (see ReadFromFile).
constexpr qint64 kMapFrom = 4 << 20;

// Hands back the pages the text reader is done with as it goes. Another process may cut the
// file short meanwhile: the guard turns what would be SIGBUS into an error, and a size that
// changed tells of a change the reader did not run into (a cut inside the last page or after
// it was read, or the file grown).
CNode* ReadMapped(const QFile& file, uchar* mapped, qint64 size, TreeReadError* error) {
    const MappedReadGuard guard(mapped, size_t(size));
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(mapped), size);
    const qsizetype page = qsizetype(sysconf(_SC_PAGESIZE));
    const auto release = [&](qsizetype done) { madvise(mapped, size_t(done - done % page), MADV_DONTNEED); };
    CNode* root = readBytes(bytes, error, release);
    struct stat st {};
    if (guard.Faulted() || ::fstat(file.handle(), &st) != 0 || st.st_size != size) {
        delete root;
        if (error)
            *error = TreeReadError{QString(), 0, 0, QStringLiteral("was cut short while it was read")};
        return nullptr;
    }
    return root;
}

int ReadFromFile(const QString& path, CNode*& root, int, TreeReadError* error) {
    root = nullptr;
    QFile file;
    WholeFileError openError;
    if (!OpenRegularFile(path, NodeFormats::kMaxFileBytes, file, &openError)) {
        if (error)
            *error = TreeReadError{path, 0, 0, openError.message};
        return 0;
    }
    // A large file is mapped instead of read: the file and the tree it becomes are not held
    // whole side by side.
    const qint64 size = file.size();
    uchar* mapped = size >= kMapFrom ? file.map(0, size) : nullptr;
    if (mapped) {
        root = ReadMapped(file, mapped, size, error);
        file.unmap(mapped);
    } else {
        const std::optional<QByteArray> bytes =
            ReadOpenedFile(file, path, NodeFormats::kMaxFileBytes, &openError);
        if (!bytes) {
            if (error)
                *error = TreeReadError{path, 0, 0, openError.message};
            return 0;
        }
        root = readBytes(*bytes, error);
    }
    if (!root && error)
        error->file = path;
    return root ? 1 : 0;
}

CNode* ReadFromString(const QString& text, int, TreeReadError* error) {
    return readBytes(text.toUtf8(), error);
}

} // namespace TreeItems

bool CNode::WriteToFile(const QString& path, bool asXml, bool asText, bool createFolders, int, QChar) const {
    const bool xml = asXml || (!asText && endsInX(path));
    if (NodeFormats::TreeDepth(*this) > NodeFormats::kMaxDepth)
        return false;
    if (createFolders)
        QDir().mkpath(QFileInfo(path).absolutePath());
    // The save writes beside the target and renames on commit: a failed write leaves the old
    // file untouched. The text goes to it as the tree is walked.
    AtomicSave file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const bool written =
        xml ? NodeFormats::WriteXml(*this, file) : NodeFormats::WriteText(*this, [&](QByteArrayView block) {
            return file.write(block.data(), block.size()) == block.size();
        });
    if (!written) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

bool CNode::WriteToString(QString& text, bool asXml, bool, bool, int, QChar) const {
    text.clear();
    if (NodeFormats::TreeDepth(*this) > NodeFormats::kMaxDepth)
        return false;
    text = QString::fromUtf8(asXml ? NodeFormats::WriteXml(*this) : NodeFormats::WriteText(*this));
    return true;
}
