#include "symbol_folders.h"

#include "symbols_host.h"

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

ToolbarFolders DetermineToolbarFolders() {
    const QString toolbars = QStringLiteral("Symbol Toolbars");
    const QString base = NormalizeSeparators(SymbolsHost::VariableText(QStringLiteral("SYMBOLE_PATH"), 0));
    QString supplied;
    QString user;
    if (!base.isEmpty() && QFileInfo(base).isDir()) {
        supplied = JoinFolder(base, QStringLiteral("Support"));
        user = JoinFolder(base, QStringLiteral("User-Standards"));
    } else {
        supplied = JoinFolder(SymbolsHost::Get().DefaultFolder(6), QString());
        user = JoinFolder(SymbolsHost::Get().DefaultFolder(7), QString());
    }
    // A folder the installation does not name stays empty and is not searched.
    const auto toolbarsIn = [&](const QString& folder) {
        return folder == QStringLiteral("/") || folder.isEmpty() ? QString() : JoinFolder(folder, toolbars);
    };
    return {toolbarsIn(supplied), toolbarsIn(user)};
}

QString TradeFolderName(const QString& code, bool useVariable) {
    if (useVariable) {
        const QString named = SymbolsHost::VariableText(QStringLiteral("Q3DB_SYMBOLTB_DIRNAME_") + code, 0);
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

std::optional<QString> ResolveCatalogPath(const QString& text) {
    if (!text.startsWith(u'<'))
        return std::nullopt;
    const qsizetype close = text.indexOf(u'>');
    if (close < 0)
        return std::nullopt;
    const auto root = SymbolsHost::Get().CatalogRoot(text.mid(1, close - 1));
    if (!root || root->isEmpty())
        return std::nullopt;
    QString joined = JoinFolder(*root, QString()) + NormalizeSeparators(text.mid(close + 1));
    return QDir::cleanPath(joined);
}

} // namespace SymbolFolders
