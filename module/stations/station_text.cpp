#include "station_text.h"

namespace WoSt {

QString T(const char* germanText) {
    // Until a translation is loaded: a key "@context@text" shows the text after the last '@'.
    const QString key = QString::fromUtf8(germanText);
    if (key.startsWith(QLatin1Char('@')))
        return key.mid(key.lastIndexOf(QLatin1Char('@')) + 1);
    return key;
}

QString U(const char* unit) { return T(unit); }

namespace {
MessageSink g_sink;
}

void SetMessageSink(MessageSink sink) { g_sink = std::move(sink); }

void ShowMessage(const QString& text, MessageIcon icon) {
    if (g_sink)
        g_sink(text, icon);
}

} // namespace WoSt
