#include "station_text.h"

#include <cstdarg>
#include <cstdio>
#include <vector>

namespace WoSt::detail {

// The formats are the module's own German source texts or their translations; the caller's
// arguments match them.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat-nonliteral"
QString formatBytes(const char* format, ...) {
    va_list args;
    va_start(args, format);
    va_list again;
    va_copy(again, args);
    const int size = std::vsnprintf(nullptr, 0, format, args);
    va_end(args);
    QString result;
    if (size >= 0) {
        std::vector<char> buffer(static_cast<size_t>(size) + 1);
        std::vsnprintf(buffer.data(), buffer.size(), format, again);
        result = QString::fromUtf8(buffer.data(), size);
    }
    va_end(again);
    return result;
}
#pragma GCC diagnostic pop

} // namespace WoSt::detail
