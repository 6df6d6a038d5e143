#pragma once

#include <QByteArray>
#include <QString>

#include <string>
#include <type_traits>
#include <vector>

// Small text helpers used all over the module.

// The token number `index` (from 0) of `text` split at any character of `separators`,
// empty tokens skipped. False (and `out` unchanged) when there are not that many tokens.
bool GetNotEmptyToken(const QString& text, const QString& separators, int index, QString& out);

namespace String {
// Position of `what` in `text` from `from` on, ignoring case; -1 when not found.
qsizetype FindNoCase(const QString& text, const QString& what, qsizetype from = 0);
} // namespace String

// One argument of sformat: a text or a number, whatever the call site passed.
struct SformatArg {
    enum class Type { Text, Integer, Unsigned, Real };
    Type type;
    QString text;
    long long integer = 0;
    unsigned long long unsignedValue = 0;
    double real = 0.0;

    SformatArg(const QString& value) : type(Type::Text), text(value) {}
    SformatArg(const char* value) : type(Type::Text), text(QString::fromUtf8(value ? value : "")) {}
    SformatArg(const wchar_t* value) : type(Type::Text), text(QString::fromWCharArray(value ? value : L"")) {}
    SformatArg(const QByteArray& value) : type(Type::Text), text(QString::fromUtf8(value)) {}
    SformatArg(const std::string& value) : type(Type::Text), text(QString::fromStdString(value)) {}
    SformatArg(QChar value) : type(Type::Text), text(value) {}
    template <typename T, std::enable_if_t<std::is_integral_v<T> && std::is_signed_v<T>, int> = 0>
    SformatArg(T value) : type(Type::Integer), integer(value) {}
    template <typename T, std::enable_if_t<std::is_integral_v<T> && std::is_unsigned_v<T>, int> = 0>
    SformatArg(T value) : type(Type::Unsigned), unsignedValue(value) {}
    template <typename T, std::enable_if_t<std::is_floating_point_v<T>, int> = 0>
    SformatArg(T value) : type(Type::Real), real(double(value)) {}
};

// printf-style formatting into a QString: %s takes any text (QString, UTF-8, wide), %d %i
// %u %x %X %o %c take integers, %f %e %g (with "l" or not) take numbers; flags, width and
// precision as in printf; %% is a percent sign. An argument of the other kind is converted
// (a number for %s is written as text, a real for %d is truncated toward zero); a missing
// argument leaves the conversion out.
QString sformatArgs(const QString& format, const std::vector<SformatArg>& args);

template <typename... Args> QString sformat(const QString& format, const Args&... args) {
    return sformatArgs(format, std::vector<SformatArg>{SformatArg(args)...});
}
template <typename... Args> QString sformat(const char* format, const Args&... args) {
    return sformatArgs(QString::fromUtf8(format), std::vector<SformatArg>{SformatArg(args)...});
}
