// orvane station: the catalogue folder, messages and catalogue loading every verb shares.

#include "cmd_station.h"

#include "corekitex/catalog_manager.h"
#include "corekitex/mmd_loader.h"
#include "orvmat/database.h"
#include "stations/manager_catalogs.h"

#include <QFileInfo>

#include <algorithm>

namespace orvane::cli::station {

MessagesToStream::MessagesToStream(QTextStream& err) : m_err(err), m_previous(SetUiServices(this)) {}

MessagesToStream::~MessagesToStream() {
    SetUiServices(m_previous);
}

int MessagesToStream::MessageBox(const QString& text, const QString&, UiButtons buttons, UiIcon) {
    m_err << text << "\n";
    return buttons == UiButtons::YesNo ? IDNO : IDOK;
}

namespace {

// Why the material database library would not attach the file, or empty when it opens.
QString whyNotOpened(const QString& file) {
    std::string error;
    return orvmat::Database::open(file.toLocal8Bit().toStdString(), &error) ? QString()
                                                                            : QString::fromStdString(error);
}

// Why LoadCatalog refused a catalogue that is not too new (that one has told it already): a
// table it cannot do without, or a selection tree without entries.
QString whyNotUsable(const WoSt::tCatalog& catalog) {
    if (catalog.version >= 4)
        return {};
    WoSt::MaterialDatabase& db = WoSt::CatalogDb(catalog);
    for (const char* name : {"Logik", "Daten", "Waermeuebertrager"}) {
        WoSt::TableHandle table = 0;
        if (!db.OpenTable(table, catalog.stations, QString::fromLatin1(name)))
            return QStringLiteral("no table \"%1\" in Heizung.Wohnungsstationen")
                .arg(QString::fromLatin1(name));
    }
    return QStringLiteral(
        "its selection tree is empty (no rows in Logik.Auswahl1_1 and the tables after it)");
}

} // namespace

bool useCatalogFolder(const ArgReader& args, CommandIo& io, int& status, Catalogues& catalogs) {
    const auto dir = args.value(QStringLiteral("--catalogs"));
    if (!dir) {
        io.err << "orvane station: --catalogs DIR is needed\n";
        status = UsageError;
        return false;
    }
    if (!QFileInfo(*dir).isDir()) {
        io.err << *dir << ": no folder\n";
        status = WorkFailed;
        return false;
    }
    const auto databases = args.value(QStringLiteral("--databases"));
    if (databases && !QFileInfo(*databases).isDir()) {
        io.err << *databases << ": no folder\n";
        status = WorkFailed;
        return false;
    }
    if (databases)
        catalogs.manager.setDatabaseFolders({*databases});
    catalogs.manager.setCatalogFolder(*dir);
    for (const QString& error : catalogs.manager.getLoadErrors())
        io.err << error << "\n";
    return true;
}

// A catalogue is unlisted when its database did not attach (missing, or no material
// database) or lacks the group of the stations.
int reportUnlisted(Catalogues& catalogs, CommandIo& io, const QString& key) {
    const WoSt::tCatalogList& listed = catalogs.list;
    WoSt::ManagerCatalogs source(catalogs.manager);
    int unlisted = 0;
    for (const WoSt::CatalogEntry& entry : source.Catalogs()) {
        const auto* info = static_cast<const orvCatalogInfo*>(entry.info);
        const bool found = std::any_of(listed.begin(), listed.end(),
                                       [&](const auto& catalog) { return catalog->info.info == entry.info; });
        if (found || (!key.isEmpty() && info->getStrMmdKey().compare(key, Qt::CaseInsensitive) != 0))
            continue;
        ++unlisted;
        const QString file = catalogDatabaseFile(*info);
        if (file.isEmpty())
            io.err << entry.id << ": the descriptor names no material database\n";
        else if (!QFileInfo::exists(file))
            io.err << entry.id << ": its material database \"" << file
                   << "\" does not exist (--databases names a folder of built databases)\n";
        else if (const QString why = whyNotOpened(file); !why.isEmpty())
            io.err << entry.id << ": " << why << "\n"; // e.g. no material database
        else
            io.err << entry.id << ": no station catalogue in its material database \"" << file << "\"\n";
    }
    return unlisted;
}

bool loadCatalog(WoSt::tCatalog& catalog, CommandIo& io) {
    if (WoSt::LoadCatalog(catalog))
        return true;
    if (const QString why = whyNotUsable(catalog); !why.isEmpty())
        io.err << catalog.mmdKey << ": not usable: " << why << "\n";
    return false;
}

QString keyOf(const WoSt::tCatalog& catalog, WoSt::RowId id) {
    return id ? WoSt::CatalogDb(catalog).KeyOfId(id) : QString();
}

} // namespace orvane::cli::station
