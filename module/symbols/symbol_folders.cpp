#include "symbol_folders.h"

#include "symbol_library_context.h"

#include <QDir>
#include <QFileInfo>

namespace SymbolFolders {

QString NormalizeSeparators(const QString& path) {
    QString result = path;
    result.replace(u'\\', u'/');
    return result;
}

QString JoinFolder(const QString& folder, const QString& part) {
    QString result = NormalizeSeparators(folder);
    if (!result.isEmpty() && !result.endsWith(u'/'))
        result += u'/';
    QString tail = NormalizeSeparators(part);
    while (tail.startsWith(u'/'))
        tail.remove(0, 1);
    result += tail;
    if (!result.endsWith(u'/'))
        result += u'/';
    return result;
}

QString ShortFileName(const QString& path) {
    return QFileInfo(NormalizeSeparators(path)).completeBaseName();
}

QString TradeFolderName(const ISymbolLibraryContext& context, const QString& code, bool useVariable) {
    if (useVariable) {
        const QString named = context.TradeFolderVariable(code);
        if (!named.isEmpty())
            return named;
    }
    static const QHash<QString, QString> fixed = {
        {QStringLiteral("H"), QStringLiteral("Heizung")},
        {QStringLiteral("S"), QStringLiteral("Sanitaer")},
        {QStringLiteral("L"), QStringLiteral("Lueftung")},
        {QStringLiteral("E"), QStringLiteral("Elektro")},
        {QStringLiteral("A"), QStringLiteral("Architektur")},
        {QStringLiteral("G"), QStringLiteral("Gas")},
        {QStringLiteral("K"), QStringLiteral("Kaelte")},
        {QStringLiteral("B"), QStringLiteral("Brandschutz")},
        {QStringLiteral("USER"), QStringLiteral("User")},
    };
    return fixed.value(code, code);
}

const QStringList& SuppliedTradeFolders() {
    static const QStringList names = {
        QStringLiteral("Architektur"), QStringLiteral("Brandschutz"), QStringLiteral("Elektro"),
        QStringLiteral("Gas"),         QStringLiteral("Heizung"),     QStringLiteral("Lueftung"),
        QStringLiteral("Sanitaer"),    QStringLiteral("Kaelte"),      QStringLiteral("Schemata"),
    };
    return names;
}

std::optional<QString> ResolveCatalogPath(const ISymbolLibraryContext& context, const QString& text) {
    if (!text.startsWith(u'<'))
        return std::nullopt;
    const qsizetype close = text.indexOf(u'>');
    if (close < 0)
        return std::nullopt;
    const auto root = context.CatalogRoot(text.mid(1, close - 1));
    if (!root || root->isEmpty())
        return std::nullopt;
    QString joined = JoinFolder(*root, QString()) + NormalizeSeparators(text.mid(close + 1));
    return QDir::cleanPath(joined);
}

} // namespace SymbolFolders
