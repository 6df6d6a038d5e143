#pragma once

#include "node.h"

#include <QByteArrayView>
#include <QString>

#include <functional>

class QFile;
class QIODevice;

// Reading node trees from files and texts. The text form is used for ".inf" files and for
// every tree exchanged as a string, the XML form for ".infx" files; docs/node-tree-formats.md
// describes both.
struct TreeReadError {
    QString file;    // empty when reading from a string
    int line = 0;    // 1-based; 0 when the error has no position (file cannot be opened)
    int column = 0;  // 1-based, counted in characters
    QString message; // English, for maintainers and logs

    // "file:line:column: message", leaving out what is unknown.
    QString ToString() const;
};

namespace TreeItems {

// Reads a tree; the caller owns `root`. Answers non-zero on success; on failure `root` is
// null and `error` (when given) says where and what.
int ReadFromFile(const QString& path, CNode*& root, int flags = 0, TreeReadError* error = nullptr);
// Reads a tree from a text in either form (XML when it starts with '<'); null on failure.
CNode* ReadFromString(const QString& text, int flags = 1, TreeReadError* error = nullptr);
// Reads a tree from the first `size` bytes of `file`, mapped whole at `mapped`, as ReadFromFile
// does for a large file. Fails, as cut short, when the file is no longer `size` bytes long once
// it has been read, or was cut short under a page being read.
CNode* ReadMapped(const QFile& file, uchar* mapped, qint64 size, TreeReadError* error = nullptr);

} // namespace TreeItems

// The two forms, used by CNode and TreeItems. `error` may be null.
namespace NodeFormats {

// The deepest nesting a tree file may hold, the root at depth 0. Both readers refuse deeper
// text, and CNode::WriteToFile and WriteToString refuse deeper trees, so whatever is written
// reads back.
inline constexpr int kMaxDepth = 1000;
// The largest tree file either reader takes (256 MiB, several times the largest symbol library
// seen); a larger one, or a name that is no regular file, is refused before it is read.
inline constexpr qint64 kMaxFileBytes = qint64(256) << 20;
// Indentation stops growing at this depth, so a deep tree stays a small multiple of its
// content on disk.
inline constexpr int kMaxIndentDepth = 8;
// The depth of the deepest node (a root alone: 0), found without recursion.
int TreeDepth(const CNode& root);

QByteArray WriteText(const CNode& root);
QByteArray WriteXml(const CNode& root);
// Receives a written text block by block (each ends with a whole line); answers false to stop.
using TextSink = std::function<bool(QByteArrayView block)>;
// Write as they walk the tree, without holding the whole text; false when the sink or the
// device refused a block.
bool WriteText(const CNode& root, const TextSink& sink);
bool WriteXml(const CNode& root, QIODevice& device);
// The text reader may call this with a byte count now and then: the bytes before it may leave
// memory for now (they are read again only for an error message or a name it holds).
using ReleaseBytes = std::function<void(qsizetype bytes)>;
CNode* ReadText(const QByteArray& utf8, TreeReadError* error, const ReleaseBytes& release = {});
CNode* ReadXml(const QByteArray& utf8, TreeReadError* error);
// True when the bytes look like the XML form (first non-blank character '<').
bool LooksLikeXml(const QByteArray& utf8);
// An error at a byte offset of a text, its line and column (in characters) worked out.
TreeReadError ErrorAt(QByteArrayView text, qsizetype offset, const QString& message);
// Looks for the first byte neither reader takes, a NUL byte or one that is not well-formed
// UTF-8; false, with where it stands and what it is in `error`, when there is one.
bool CheckBytes(const QByteArray& utf8, TreeReadError* error);

} // namespace NodeFormats
