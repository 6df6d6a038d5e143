#pragma once

#include <QByteArray>

// Offset of the first byte that is not part of well-formed UTF-8 (overlong forms, surrogates
// and values above U+10FFFF count as malformed), or -1 when all of `bytes` is well-formed.
qsizetype FindInvalidUtf8(const QByteArray& bytes);
