#include "text_utils.h"

#include <cstdio>

bool GetNotEmptyToken(const QString& text, const QString& separators, int index, QString& out) {
    if (index < 0)
        return false;
    int found = 0;
    qsizetype start = -1;
    for (qsizetype i = 0; i <= text.size(); ++i) {
        const bool atSeparator = i == text.size() || separators.contains(text[i]);
        if (!atSeparator) {
            if (start < 0)
                start = i;
            continue;
        }
        if (start >= 0) {
            if (found == index) {
                out = text.mid(start, i - start);
                return true;
            }
            ++found;
            start = -1;
        }
    }
    return false;
}

namespace String {
qsizetype FindNoCase(const QString& text, const QString& what, qsizetype from) {
    return text.indexOf(what, from, Qt::CaseInsensitive);
}
} // namespace String

namespace {

// One conversion: "%", flags, width, precision, length, type.
struct Conversion {
    QByteArray flags;
    int width = -1;
    int precision = -1;
    char type = 0;
};

long long asInteger(const SformatArg& arg) {
    switch (arg.type) {
    case SformatArg::Type::Integer:
        return arg.integer;
    case SformatArg::Type::Unsigned:
        return (long long)arg.unsignedValue;
    case SformatArg::Type::Real:
        return (long long)arg.real;
    case SformatArg::Type::Text:
        return arg.text.trimmed().toLongLong();
    }
    return 0;
}

double asReal(const SformatArg& arg) {
    switch (arg.type) {
    case SformatArg::Type::Integer:
        return double(arg.integer);
    case SformatArg::Type::Unsigned:
        return double(arg.unsignedValue);
    case SformatArg::Type::Real:
        return arg.real;
    case SformatArg::Type::Text:
        return arg.text.trimmed().toDouble();
    }
    return 0.0;
}

QString formatNumber(const Conversion& conversion, const SformatArg& arg) {
    QByteArray format = "%" + conversion.flags;
    if (conversion.width >= 0)
        format += QByteArray::number(conversion.width);
    if (conversion.precision >= 0)
        format += "." + QByteArray::number(conversion.precision);
    // Measured first, so that any width or precision fits.
    auto print = [](const QByteArray& f, auto value) {
        const int size = std::snprintf(nullptr, 0, f.constData(), value);
        if (size <= 0)
            return QString();
        QByteArray buffer(size + 1, '\0');
        std::snprintf(buffer.data(), buffer.size(), f.constData(), value);
        buffer.chop(1);
        return QString::fromLatin1(buffer);
    };
    switch (conversion.type) {
    case 'd':
    case 'i':
        return print(format + "lld", asInteger(arg));
    case 'u':
    case 'x':
    case 'X':
    case 'o':
        return print(format + "ll" + conversion.type, (unsigned long long)asInteger(arg));
    default:
        return print(format + conversion.type, asReal(arg));
    }
}

QString formatText(const Conversion& conversion, const SformatArg& arg) {
    QString text;
    if (arg.type == SformatArg::Type::Text)
        text = arg.text;
    else if (arg.type == SformatArg::Type::Real)
        text = QString::number(arg.real);
    else
        text = QString::number(asInteger(arg));
    if (conversion.precision >= 0)
        text.truncate(conversion.precision);
    if (conversion.width > text.size()) {
        const QString pad(conversion.width - text.size(), u' ');
        text = conversion.flags.contains('-') ? text + pad : pad + text;
    }
    return text;
}

QString formatChar(const Conversion& conversion, const SformatArg& arg) {
    SformatArg asText(arg.type == SformatArg::Type::Text ? arg.text.left(1)
                                                         : QString(QChar(char16_t(asInteger(arg)))));
    Conversion textConversion = conversion;
    textConversion.precision = -1;
    return formatText(textConversion, asText);
}

} // namespace

QString sformatArgs(const QString& format, const std::vector<SformatArg>& args) {
    QString out;
    size_t next = 0;
    const qsizetype n = format.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = format[i];
        if (c != u'%' || i + 1 >= n) {
            out += c;
            continue;
        }
        qsizetype j = i + 1;
        if (format[j] == u'%') {
            out += u'%';
            i = j;
            continue;
        }
        Conversion conversion;
        while (j < n && QStringLiteral("-+ #0").contains(format[j]))
            conversion.flags += char(format[j++].unicode());
        auto readNumber = [&](int& target) {
            if (j < n && format[j] == u'*') {
                target = next < args.size() ? int(asInteger(args[next++])) : -1;
                ++j;
                return;
            }
            int value = -1;
            while (j < n && format[j].isDigit())
                value = (value < 0 ? 0 : value * 10) + format[j++].digitValue();
            target = value;
        };
        readNumber(conversion.width);
        if (j < n && format[j] == u'.') {
            ++j;
            readNumber(conversion.precision);
            if (conversion.precision < 0)
                conversion.precision = 0;
        }
        while (j < n && QStringLiteral("hlLqjzt").contains(format[j]))
            ++j;
        if (j >= n || !QStringLiteral("diuxXocsSfFeEgG").contains(format[j])) {
            // Not a conversion we know: keep the text as it stands.
            out += format.mid(i, j - i);
            i = j - 1;
            continue;
        }
        conversion.type = char(format[j].unicode());
        i = j;
        if (next >= args.size())
            continue;
        const SformatArg& arg = args[next++];
        if (conversion.type == 's' || conversion.type == 'S')
            out += formatText(conversion, arg);
        else if (conversion.type == 'c')
            out += formatChar(conversion, arg);
        else
            out += formatNumber(conversion, arg);
    }
    return out;
}
