// orvane symbols: scan, look up and check the symbol library of an installation.

#include "cli_command.h"
#include "cli_output.h"

#include "symbols/node_filters.h"
#include "symbols/symbol_file.h"
#include "symbols/symbol_file_manager.h"
#include "symbols/symbol_folders.h"
#include "symbols/symbol_library_check.h"
#include "symbols/symbol_library_context.h"
#include "symbols/symbol_library_setup.h"
#include "symbols/symbol_trade_files.h"
#include "symbols/symbol_values.h"

#include "corekit/node.h"
#include "corekit/tree_items.h"
#include "corekitex/catalog_manager.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonObject>

#include <algorithm>
#include <memory>
#include <optional>

namespace orvane::cli {
namespace {

const char* const kSymbolsHelp =
    "Usage: orvane symbols scan   --base DIR [--trade CODE] [options]\n"
    "       orvane symbols lookup --base DIR NAME [options]\n"
    "       orvane symbols check  --base DIR [options]\n\n"
    "scan    per trade: the files, the pages that pass the filters and their symbols\n"
    "lookup  the symbol for a block name or key, its file and its values with the user's\n"
    "        overrides applied; exit status 1 when there is none\n"
    "check   every problem in the symbol files (unreadable files and folders, list entries\n"
    "        that lead nowhere, unknown keys as errors; filtered-out files, block names used\n"
    "        twice, missing slides and help documents, unusable catalogue descriptors as\n"
    "        warnings); exit status 1 on an error\n\n"
    "scan and lookup name on the error stream what they could not read; scan then ends\n"
    "with exit status 1\n\n"
    "--base DIR        the symbol base folder (holding Support/ and User-Standards/)\n"
    "--version NAME    version name for the filters (default: from DIR/installation.inf)\n"
    "--region TOKEN    region token for the filters (default: from DIR/installation.inf)\n"
    "--catalogs DIR    folder of the catalogue descriptors, which list files name as\n"
    "                  <ID>path (default: DIR/Catalogs)\n"
    "--json            a JSON document instead of text\n";

struct Options {
    QString base;
    bool json = false;
    // The catalogues that list files name, read from the descriptors of --catalogs.
    orvCatalogManager catalogs;
    SymbolLibraryContext context;
    // What could not be read around the library: the installation file, catalogue descriptors.
    std::vector<SymbolProblem> problems;
};

QString relativeTo(const QString& base, const QString& path) {
    return QDir(base).relativeFilePath(path);
}

QString pageName(const CNode* page) {
    return Symbols::GetSymbolValue(page, QStringLiteral("DisplayName"));
}

std::vector<const CNode*> visibleChildren(const CNode* parent, const QString& name, bool pages,
                                          const SymbolFilterValues& filters) {
    std::vector<const CNode*> result;
    for (const CNode* child = parent ? parent->FindChild(name) : nullptr; child;
         child = parent->FindChild(name, child))
        if (pages ? NodeFilters::CheckPageFilters(child, filters)
                  : NodeFilters::CheckSymbolFilters(child, filters))
            result.push_back(child);
    return result;
}

// The JSON of a scan is written file by file as the files are visited, in the layout of
// QJsonDocument's indented form: the whole document is never held.
class ScanJsonWriter {
public:
    explicit ScanJsonWriter(QTextStream& out) : m_out(out) { m_out << "{\n    \"trades\": ["; }

    void beginTrade() {
        m_out << (m_trades++ ? ",\n" : "\n") << "        {\n            \"files\": [";
        m_files = 0;
    }
    void file(const QJsonObject& file) {
        m_out << (m_files++ ? ",\n" : "\n");
        // The object's own lines, indented to its place (the text ends with a line break).
        const QList<QByteArray> lines =
            QJsonDocument(file).toJson(QJsonDocument::Indented).chopped(1).split('\n');
        for (qsizetype i = 0; i < lines.size(); ++i)
            m_out << (i ? "\n" : "") << "                " << QString::fromUtf8(lines[i]);
    }
    void endTrade(const QString& code) {
        const QByteArray quoted = QJsonDocument(QJsonArray{code}).toJson(QJsonDocument::Compact);
        m_out << "\n            ],\n            \"trade\": " << QString::fromUtf8(quoted.sliced(1).chopped(1))
              << "\n        }";
    }
    void finish() { m_out << "\n    ]\n}\n"; }

private:
    QTextStream& m_out;
    int m_trades = 0;
    int m_files = 0;
};

QString locationOf(const SymbolProblem& problem, const QString& base) {
    QString text = relativeTo(base, problem.file);
    if (problem.line > 0)
        text += QStringLiteral(":%1:%2").arg(problem.line).arg(problem.column);
    if (!problem.where.isEmpty())
        text += QStringLiteral(" [%1]").arg(problem.where);
    return text;
}

QString problemLine(const SymbolProblem& problem, const QString& base) {
    return (problem.severity == SymbolProblem::Error ? QStringLiteral("error: ")
                                                     : QStringLiteral("warning: ")) +
           locationOf(problem, base) + QStringLiteral(": ") + problem.message;
}

// Scan and lookup name what they could not read on the error stream; true when there was any.
bool reportUnread(const Options& options, const std::vector<TreeReadError>& readErrors, CommandIo& io) {
    for (const SymbolProblem& problem : options.problems)
        io.err << "orvane symbols: " << problemLine(problem, options.base) << "\n";
    for (const TreeReadError& error : readErrors)
        io.err << "orvane symbols: "
               << problemLine({SymbolProblem::Error,
                               error.file,
                               error.line,
                               error.column,
                               {},
                               SymbolTradeFiles::CannotBeRead(error)},
                              options.base)
               << "\n";
    return !readErrors.empty() || !options.problems.empty();
}

int runScan(const QString& trade, Options& options, CommandIo& io) {
    CSymbolFileManager manager(options.context);
    manager.SetUserSettingsReadOnly(true);
    manager.CollectFiles();
    const QStringList trades = trade.isEmpty()
                                   ? QStringList{"H", "S", "L", "E", "A", "G", "K", "B", "Schemata", "USER"}
                                   : QStringList{trade};
    std::optional<ScanJsonWriter> json;
    if (options.json)
        json.emplace(io.out);
    for (const QString& code : trades) {
        std::vector<CSymbolFile*> files;
        manager.GetFilesForTrade(code, files, QString(), 1);
        if (json)
            json->beginTrade();
        else
            io.out << code << ": " << files.size() << " files\n";
        for (const CSymbolFile* file : files) {
            const QString name = relativeTo(options.base, file->m_path);
            if (!json)
                io.out << "  " << name << "\n";
            QJsonArray jsonPages;
            const CNode* pages = file->m_pRoot ? file->m_pRoot->FindChild(QStringLiteral("Pages")) : nullptr;
            for (const CNode* page :
                 visibleChildren(pages, QStringLiteral("Page"), true, options.context.filters)) {
                const auto symbols =
                    visibleChildren(page, QStringLiteral("Symbol"), false, options.context.filters);
                if (!json) {
                    io.out << "    " << pageName(page) << ": " << symbols.size() << " symbols\n";
                    continue;
                }
                QJsonArray jsonSymbols;
                for (const CNode* symbol : symbols)
                    jsonSymbols.append(Symbols::GetSymbolValue(symbol, QStringLiteral("BlockName")));
                jsonPages.append(QJsonObject{{"name", pageName(page)}, {"symbols", jsonSymbols}});
            }
            if (json)
                json->file(QJsonObject{{"file", name}, {"pages", jsonPages}});
        }
        if (json)
            json->endTrade(code);
    }
    if (json)
        json->finish();
    return reportUnread(options, manager.ReadErrors(), io) ? WorkFailed : Success;
}

int runLookup(const QString& name, Options& options, CommandIo& io) {
    CSymbolFileManager manager(options.context);
    manager.SetUserSettingsReadOnly(true);
    manager.CollectFiles();
    reportUnread(options, manager.ReadErrors(), io);
    const CNode* symbol = manager.LookupSymbol(name);
    if (!symbol) {
        io.err << "orvane symbols: no symbol \"" << name << "\"\n";
        return WorkFailed;
    }
    const CSymbolFile* file = manager.FileOfNode(symbol);
    const QString path = file ? relativeTo(options.base, file->m_path) : QString();
    QJsonObject values;
    for (const auto& leaf : symbol->Leaves())
        values.insert(leaf->GetKey(), leaf->GetRawData());
    const bool overridden = manager.HasUserSymbol(name);
    if (options.json) {
        writeJson(io.out, QJsonDocument(QJsonObject{{"key", Symbols::GetSymbolKey(name)},
                                                    {"file", path},
                                                    {"userOverride", overridden},
                                                    {"values", values}}));
        return Success;
    }
    io.out << "file: " << path << (overridden ? "  (with the user's overrides)" : "") << "\n";
    for (const auto& leaf : symbol->Leaves())
        io.out << "  " << leaf->GetKey() << " = " << leaf->GetRawData() << "\n";
    return Success;
}

int runCheck(Options& options, CommandIo& io) {
    SymbolLibraryCheck check(options.context);
    check.Run();
    std::vector<SymbolProblem> all = options.problems;
    all.insert(all.end(), check.Problems().begin(), check.Problems().end());
    const int errors = int(std::count_if(
        all.begin(), all.end(), [](const SymbolProblem& p) { return p.severity == SymbolProblem::Error; }));
    const int warnings = int(all.size()) - errors;
    if (options.json) {
        QJsonArray problems;
        for (const SymbolProblem& p : all)
            problems.append(
                QJsonObject{{"severity", p.severity == SymbolProblem::Error ? "error" : "warning"},
                            {"file", relativeTo(options.base, p.file)},
                            {"line", p.line},
                            {"column", p.column},
                            {"where", p.where},
                            {"message", p.message}});
        writeJson(io.out, QJsonDocument(QJsonObject{{"filesChecked", check.FilesChecked()},
                                                    {"errors", errors},
                                                    {"warnings", warnings},
                                                    {"problems", problems}}));
    } else {
        for (const SymbolProblem& p : all)
            io.out << problemLine(p, options.base) << "\n";
        io.out << check.FilesChecked() << " files checked, " << errors << " errors, " << warnings
               << " warnings\n";
    }
    return errors > 0 ? WorkFailed : Success;
}

int runSymbols(const QStringList& args, CommandIo& io) {
    if (args.isEmpty() || wantsHelp(args)) {
        (args.isEmpty() ? io.err : io.out) << kSymbolsHelp;
        return args.isEmpty() ? UsageError : Success;
    }
    const ArgReader reader(args.mid(1), {"--base", "--trade", "--version", "--region", "--catalogs"},
                           {"--json"});
    const QString verb = args.first();
    const auto usage = [&](const QString& why) {
        io.err << "orvane symbols: " << why << "\n" << kSymbolsHelp;
        return UsageError;
    };
    if (!reader.ok())
        return usage(reader.error());
    Options options;
    options.base = reader.value(QStringLiteral("--base"), QString());
    if (options.base.isEmpty())
        return usage(QStringLiteral("--base DIR is needed"));
    // A folder named but not there would only show as entries that lead nowhere.
    for (const QString& folder : {options.base, reader.value(QStringLiteral("--catalogs"), options.base)})
        if (!QFileInfo(folder).isDir()) {
            io.err << "orvane symbols: " << folder << ": no folder\n";
            return WorkFailed;
        }
    options.base = QFileInfo(options.base).canonicalFilePath();
    options.json = reader.has(QStringLiteral("--json"));
    SymbolLibraryContext& context = options.context;
    context.folders = SymbolLibraryContext::FoldersUnder(options.base);
    const SymbolFilterValues installed =
        SymbolLibrarySetup::InstallationFilters(options.base, options.problems);
    context.filters = {reader.value(QStringLiteral("--version"), installed.versionName),
                       reader.value(QStringLiteral("--region"), installed.regionToken)};
    options.catalogs.setCatalogFolder(
        reader.value(QStringLiteral("--catalogs"), QDir(options.base).filePath(QStringLiteral("Catalogs"))));
    for (const SymbolProblem& problem :
         SymbolLibrarySetup::DescriptorProblems(options.catalogs.getLoadErrors()))
        options.problems.push_back(problem);
    context.catalogLookup = [&catalogs = options.catalogs](const QString& name) -> std::optional<QString> {
        const orvCatalogInfo* info = catalogs.findCatalogInfo(name);
        return info ? std::optional<QString>(info->getStrRootPath()) : std::nullopt;
    };
    const QStringList rest = reader.positional();
    // Without supplied symbols the base folder is wrong rather than the library empty; check
    // reports it among its errors.
    const bool looksAtLibrary = verb == QStringLiteral("scan") || verb == QStringLiteral("lookup");
    if (looksAtLibrary && !QFileInfo(context.folders.supplied).isDir()) {
        io.err << "orvane symbols: " << options.base << ": no folder Support/Symbol Toolbars\n";
        return WorkFailed;
    }
    if (verb == QStringLiteral("scan") && rest.isEmpty())
        return runScan(reader.value(QStringLiteral("--trade"), QString()), options, io);
    if (verb == QStringLiteral("lookup") && rest.size() == 1)
        return runLookup(rest[0], options, io);
    if (verb == QStringLiteral("check") && rest.isEmpty())
        return runCheck(options, io);
    return usage(QStringLiteral("wrong arguments"));
}

const CommandRegistration registration{
    {QStringLiteral("symbols"),
     QStringLiteral("scan, look up and check the symbol library of an installation"), runSymbols,
     neverPaints}};

} // namespace
} // namespace orvane::cli
