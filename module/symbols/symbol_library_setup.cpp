#include "symbol_library_setup.h"

#include "symbol_trade_files.h"

#include "corekit/node.h"
#include "corekit/tree_items.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include <memory>

namespace SymbolLibrarySetup {

SymbolFilterValues InstallationFilters(const QString& base, std::vector<SymbolProblem>& problems) {
    const QString path = QDir(base).filePath(QStringLiteral("installation.inf"));
    if (const QFileInfo info(path); !info.exists() && !info.isSymLink())
        return {};
    CNode* root = nullptr;
    TreeReadError error;
    if (!TreeItems::ReadFromFile(path, root, 0, &error)) {
        problems.push_back({SymbolProblem::Error,
                            path,
                            error.line,
                            error.column,
                            {},
                            SymbolTradeFiles::CannotBeRead(error) +
                                QStringLiteral("; the filters get no version and region from it")});
        return {};
    }
    const std::unique_ptr<CNode> owner(root);
    const auto value = [&](const QString& key) {
        const CLeaf* leaf = root->FindLeaf(key);
        return leaf ? leaf->GetRawData() : QString();
    };
    return {value(QStringLiteral("VersionName")), value(QStringLiteral("Region"))};
}

std::vector<SymbolProblem> DescriptorProblems(const QStringList& loadErrors) {
    static const QRegularExpression form(QStringLiteral(R"(^(.+?\.inf)(?::(\d+):(\d+))?: (.*)$)"),
                                         QRegularExpression::CaseInsensitiveOption |
                                             QRegularExpression::DotMatchesEverythingOption);
    const QString prefix = QStringLiteral("catalogue descriptor not used: ");
    std::vector<SymbolProblem> problems;
    for (const QString& text : loadErrors) {
        const QRegularExpressionMatch match = form.match(text);
        if (match.hasMatch())
            problems.push_back({SymbolProblem::Warning,
                                match.captured(1),
                                match.captured(2).toInt(),
                                match.captured(3).toInt(),
                                {},
                                prefix + match.captured(4)});
        else
            problems.push_back({SymbolProblem::Warning, {}, 0, 0, {}, prefix + text});
    }
    return problems;
}

} // namespace SymbolLibrarySetup
