#pragma once

#include <QByteArray>
#include <QString>

// Offset of the first byte that is not part of well-formed UTF-8 (overlong forms, surrogates
// and values above U+10FFFF count as malformed), or -1 when all of `bytes` is well-formed.
qsizetype FindInvalidUtf8(const QByteArray& bytes);
// The same, a NUL byte counting as malformed too (no text file of ours holds one).
qsizetype FindInvalidUtf8OrNul(const QByteArray& bytes);

// The text of UTF-8 bytes with every character kept. QString::fromUtf8 drops a U+FEFF that
// starts the bytes (taking it for a byte-order mark); inside a name or a value it is content.
QString Utf8ToString(QByteArrayView bytes);
