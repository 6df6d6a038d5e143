#pragma once

// Texts of the station wizard: translation of the German source texts, units, printf-style
// formatting of translated formats, and the message boxes the checks show.

#include <QByteArray>
#include <QString>

#include <tuple>
#include <type_traits>

namespace WoSt {

// The planner's language for a German source text of the module.
QString T(const char* germanText);
// A unit such as "l/min" or "mbar" in the planner's language.
QString U(const char* unit);

enum class MessageIcon { Information, Exclamation, Stop };

// Shows a message box with an OK button through the host's user-interface services.
void ShowMessage(const QString& text, MessageIcon icon);

namespace detail {
QString formatBytes(const char* format, ...);

inline QByteArray cArgument(const QString& text) {
    return text.toUtf8();
}
inline QByteArray cArgument(const char* text) {
    return QByteArray(text);
}
template <class N>
requires std::is_arithmetic_v<N> N cArgument(N number) {
    return number;
}

inline const char* passed(const QByteArray& text) {
    return text.constData();
}
template <class N>
requires std::is_arithmetic_v<N> N passed(N number) {
    return number;
}
} // namespace detail

// printf formatting of a (translated) format: texts are passed as UTF-8, numbers as they are.
template <class... Args> QString sformat(const QString& format, const Args&... args) {
    const auto held = std::make_tuple(detail::cArgument(args)...);
    return std::apply(
        [&](const auto&... h) {
            return detail::formatBytes(format.toUtf8().constData(), detail::passed(h)...);
        },
        held);
}

// The two characters that end a row in the multi-row result fields.
inline const QString kCrLf = QStringLiteral("\r\n");

} // namespace WoSt
