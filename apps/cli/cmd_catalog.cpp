// orvane catalog: build material databases from their readable source form and look into them.

#include "cli_command.h"
#include "cli_output.h"

#include "orvmat/catalogue_dump.h"
#include "orvmat/catalogue_source.h"
#include "orvmat/database.h"
#include "orvmat/database_writer.h"

#include <QJsonArray>
#include <QJsonObject>

#include <memory>

namespace orvane::cli {
namespace {

const char* const kCatalogHelp =
    "Usage: orvane catalog build SRC -o DB\n"
    "       orvane catalog show DB [--json]\n"
    "       orvane catalog dump DB\n\n"
    "build  reads the catalogue source SRC (and the files it includes) and writes the material\n"
    "       database DB; errors name file and line; DB is replaced only by a complete build\n"
    "show   lists the key and the tables of DB with their row counts\n"
    "dump   writes DB back in the source form\n";

std::string local(const QString& path) {
    return path.toLocal8Bit().toStdString();
}

int build(const QStringList& args, CommandIo& io) {
    const ArgReader reader(args, {QStringLiteral("-o"), QStringLiteral("--output")}, {});
    const QString output = reader.value(QStringLiteral("-o"), reader.value(QStringLiteral("--output"), {}));
    if (!reader.ok() || reader.positional().size() != 1 || output.isEmpty()) {
        io.err << "orvane catalog build: "
               << (reader.ok() ? QStringLiteral("needs SRC and -o DB") : reader.error()) << "\n"
               << kCatalogHelp;
        return UsageError;
    }
    if (!readyOutputFile(output, io.err))
        return WorkFailed;
    // A build that was killed left its partial file; it goes even when this build fails early.
    orvmat::removeBuildLeftovers(local(output));
    orvmat::CatalogueSource source;
    orvmat::SourceError error;
    if (!readyInputFile(reader.positional()[0], io.err))
        return WorkFailed;
    if (!orvmat::readCatalogueSource(local(reader.positional()[0]), source, error)) {
        io.err << QString::fromStdString(error.toString()) << "\n";
        return WorkFailed;
    }
    // Not onto the source or a file it includes: that file would be gone for the next build.
    QStringList read;
    for (const std::string& file : source.files)
        read << QString::fromLocal8Bit(file);
    if (!readyOutputFile(output, io.err, read))
        return WorkFailed;
    if (!orvmat::writeDatabase(source, local(output), error)) {
        io.err << QString::fromStdString(error.toString()) << "\n";
        return WorkFailed;
    }
    std::size_t rows = 0;
    for (const auto& table : source.tables)
        rows += table.rows.size();
    io.out << output << ": " << source.tables.size() << " tables, " << rows << " rows\n";
    return Success;
}

std::unique_ptr<orvmat::Database> openDatabase(const QString& path, CommandIo& io) {
    if (!readyInputFile(path, io.err))
        return nullptr;
    std::string error;
    auto db = orvmat::Database::open(local(path), &error);
    if (!db)
        io.err << QString::fromStdString(error) << "\n";
    return db;
}

QJsonArray tablesJson(orvmat::Database& db, std::int64_t parent) {
    QJsonArray tables;
    for (std::int64_t table : db.childTables(parent)) {
        QJsonObject entry;
        entry[QStringLiteral("name")] = QString::fromStdString(*db.tableName(table));
        entry[QStringLiteral("rows")] = qint64(db.rowsOf(table)->size());
        const QJsonArray children = tablesJson(db, table);
        if (!children.isEmpty())
            entry[QStringLiteral("tables")] = children;
        tables.append(entry);
    }
    return tables;
}

void writeTables(orvmat::Database& db, std::int64_t parent, int depth, QTextStream& out) {
    for (std::int64_t table : db.childTables(parent)) {
        out << QString(depth * 2, QLatin1Char(' ')) << QString::fromStdString(*db.tableName(table));
        const std::size_t rows = db.rowsOf(table)->size();
        if (rows > 0)
            out << " (" << rows << (rows == 1 ? " row)" : " rows)");
        out << "\n";
        writeTables(db, table, depth + 1, out);
    }
}

int show(const QStringList& args, CommandIo& io) {
    const ArgReader reader(args, {}, {QStringLiteral("--json")});
    if (!reader.ok() || reader.positional().size() != 1) {
        io.err << "orvane catalog show: needs DB\n" << kCatalogHelp;
        return UsageError;
    }
    const auto db = openDatabase(reader.positional()[0], io);
    if (!db)
        return WorkFailed;
    const QString key = QString::fromStdString(db->storedKey());
    if (reader.has(QStringLiteral("--json"))) {
        QJsonObject root;
        root[QStringLiteral("key")] = key;
        root[QStringLiteral("tables")] = tablesJson(*db, 0);
        writeJson(io.out, QJsonDocument(root));
    } else {
        io.out << "key: " << (key.isEmpty() ? QStringLiteral("(none)") : key) << "\n";
        writeTables(*db, 0, 0, io.out);
    }
    return Success;
}

int dump(const QStringList& args, CommandIo& io) {
    if (args.size() != 1) {
        io.err << "orvane catalog dump: needs DB\n" << kCatalogHelp;
        return UsageError;
    }
    const auto db = openDatabase(args[0], io);
    if (!db)
        return WorkFailed;
    io.out << QString::fromStdString(orvmat::dumpCatalogueSource(*db));
    return Success;
}

int runCatalog(const QStringList& args, CommandIo& io) {
    if (args.isEmpty() || wantsHelp(args)) {
        (args.isEmpty() ? io.err : io.out) << kCatalogHelp;
        return args.isEmpty() ? UsageError : Success;
    }
    const QString verb = args.first();
    if (verb == QStringLiteral("build"))
        return build(args.mid(1), io);
    if (verb == QStringLiteral("show"))
        return show(args.mid(1), io);
    if (verb == QStringLiteral("dump"))
        return dump(args.mid(1), io);
    io.err << "orvane catalog: unknown verb " << verb << "\n" << kCatalogHelp;
    return UsageError;
}

const CommandRegistration registration{
    {QStringLiteral("catalog"),
     QStringLiteral("build material databases from catalogue sources, show and dump them"), runCatalog,
     neverPaints}};

} // namespace
} // namespace orvane::cli
