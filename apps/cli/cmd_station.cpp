// orvane station: the station catalogues and the design check of the station wizard.

#include "cli_command.h"
#include "cli_output.h"

#include "corekitex/catalog_manager.h"
#include "corekitex/mmd_loader.h"
#include "orvmat/orvmat.h"
#include "stations/manager_catalogs.h"
#include "stations/station_catalog.h"
#include "stations/station_check.h"
#include "stations/station_text.h"

#include "corekit/ui_services.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonObject>

#include <dlfcn.h>

#include <algorithm>
#include <cmath>
#include <optional>

namespace orvane::cli {
namespace {

const char* const kStationHelp =
    "Usage: orvane station list --catalogs DIR [--databases DBDIR] [--json]\n"
    "       orvane station check --catalogs DIR [--databases DBDIR] --catalog KEY --product KEY\n"
    "                            [--tk C] [--tw C] [--tvl C] [--fr L/MIN | --hr W]\n"
    "                            [--nfbh N --hz-tvl C --hz-trl C] [--json]\n\n"
    "list   the station catalogues in DIR with their data version and selection trees\n"
    "check  checks a product against drinking-water and floor-heating requirements as the\n"
    "       station wizard does; prints the result text (or the error), the two summaries and\n"
    "       the design point. Exit status 0 when the station passes, 1 when it does not or\n"
    "       cannot be checked.\n\n"
    "DIR    the catalogue folder of an installation: its catalogue descriptors (*.inf); the\n"
    "       station catalogues are those of the kind RS_HZ\n"
    "DBDIR  a folder where catalogue databases missing beside their catalogue are looked for\n"
    "       (before those of ORVANE_DATABASE_PATH), such as the databases a build makes from\n"
    "       the sample installation's catalogue sources\n"
    "KEY    a catalogue's material-database key; a product's key (selection row or article set)\n"
    "Temperatures in °C, tap rate in l/min, heat output in W; unset values keep the wizard's\n"
    "defaults (10 °C cold, 50 °C hot, 65 °C supply, 12 l/min).\n";

// Messages the station code would show in a message box go to standard error; nothing else
// is asked on the command line.
class MessagesToStream : public IUiServices {
public:
    explicit MessagesToStream(QTextStream& err) : m_err(err), m_previous(SetUiServices(this)) {}
    ~MessagesToStream() override { SetUiServices(m_previous); }
    MessagesToStream(const MessagesToStream&) = delete;
    MessagesToStream& operator=(const MessagesToStream&) = delete;

    int MessageBox(const QString& text, const QString&, UiButtons buttons, UiIcon) override {
        m_err << text << "\n";
        return buttons == UiButtons::YesNo ? IDNO : IDOK;
    }
    bool InputBox(const QString&, const QString&, QString&) override { return false; }
    QString GetOpenFileName(const QString&, const QString&, const QString&) override { return {}; }

protected:
    bool LaunchDocument(const QUrl&) override { return false; }

private:
    QTextStream& m_err;
    IUiServices* m_previous;
};

// The station code loads the material database library lazily by name; this program has it
// linked already, so the loader is pointed at the very same file.
void shareLinkedLibrary() {
    Dl_info info{};
    if (!dladdr(reinterpret_cast<void*>(&OrvMat_AttachDatabase), &info) || !info.dli_fname)
        return;
    const QByteArray folder = QFileInfo(QString::fromLocal8Bit(info.dli_fname)).absolutePath().toLocal8Bit();
    const QByteArray path = qgetenv("ORVANE_LIBRARY_PATH");
    if (!path.split(':').contains(folder))
        qputenv("ORVANE_LIBRARY_PATH", path.isEmpty() ? folder : folder + ':' + path);
}

// Puts --databases in front of ORVANE_DATABASE_PATH for one command.
class DatabaseFolder {
public:
    explicit DatabaseFolder(const std::optional<QString>& folder)
        : m_had(qEnvironmentVariableIsSet("ORVANE_DATABASE_PATH")),
          m_previous(qgetenv("ORVANE_DATABASE_PATH")) {
        if (folder)
            qputenv("ORVANE_DATABASE_PATH",
                    m_previous.isEmpty() ? folder->toLocal8Bit() : folder->toLocal8Bit() + ':' + m_previous);
    }
    ~DatabaseFolder() {
        if (m_had)
            qputenv("ORVANE_DATABASE_PATH", m_previous);
        else
            qunsetenv("ORVANE_DATABASE_PATH");
    }
    DatabaseFolder(const DatabaseFolder&) = delete;
    DatabaseFolder& operator=(const DatabaseFolder&) = delete;

private:
    bool m_had;
    QByteArray m_previous;
};

// Points the catalogue manager at --catalogs; false (with `status` saying whether the call or
// the folder was wrong) when that is missing or no folder. Descriptors that cannot be read
// are told on standard error.
bool useCatalogFolder(const ArgReader& args, CommandIo& io, int& status) {
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
    shareLinkedLibrary();
    orvCatalogManager::getInstance()->setCatalogFolder(*dir);
    for (const QString& error : orvCatalogManager::getInstance()->getLoadErrors())
        io.err << error << "\n";
    return true;
}

// Tells which station catalogues of the folder (with a key, only those of that database key)
// could not be listed: their database did not attach (missing, or no material database) or
// lacks the group of the stations.
int reportUnlisted(const WoSt::tCatalogList& listed, CommandIo& io, const QString& key = QString()) {
    WoSt::ManagerCatalogs source;
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
        else if (!OrvMat_AttachDatabase(info->getStrMmdKey().toUtf8().constData(),
                                        file.toLocal8Bit().constData()))
            io.err << entry.id << ": " << QString::fromUtf8(OrvMat_LastError())
                   << "\n"; // e.g. no material database
        else
            io.err << entry.id << ": no station catalogue in its material database \"" << file << "\"\n";
    }
    return unlisted;
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

// Loads the catalogue; when it cannot be used, standard error says why.
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

QJsonArray treeJson(const WoSt::tCatalog& catalog, const WoSt::tSelLevel& node) {
    QJsonArray children;
    for (const auto& child : node.children) {
        QJsonObject entry{{QStringLiteral("name"), child->name},
                          {QStringLiteral("key"), keyOf(catalog, child->row)}};
        if (child->articleSetRef)
            entry.insert(QStringLiteral("articleSet"), keyOf(catalog, child->articleSetRef));
        if (!child->children.empty())
            entry.insert(QStringLiteral("children"), treeJson(catalog, *child));
        children.append(entry);
    }
    return children;
}

void printTree(QTextStream& out, const WoSt::tCatalog& catalog, const WoSt::tSelLevel& node, int depth) {
    for (const auto& child : node.children) {
        out << QString(2 * depth, QLatin1Char(' ')) << child->name << "  [" << keyOf(catalog, child->row);
        if (child->articleSetRef)
            out << " -> " << keyOf(catalog, child->articleSetRef);
        out << "]\n";
        printTree(out, catalog, *child, depth + 1);
    }
}

int runList(const ArgReader& args, CommandIo& io) {
    int status = Success;
    if (!useCatalogFolder(args, io, status))
        return status;
    MessagesToStream messages(io.err);
    WoSt::ManagerCatalogs source;
    WoSt::tCatalogList catalogs;
    WoSt::ListCatalogs(catalogs, QString(), source);
    bool allLoaded = reportUnlisted(catalogs, io) == 0;
    QJsonArray all;
    for (const auto& catalog : catalogs) {
        const bool loaded = loadCatalog(*catalog, io);
        allLoaded = allLoaded && loaded;
        if (args.has(QStringLiteral("--json"))) {
            QJsonObject entry{{QStringLiteral("key"), catalog->mmdKey},
                              {QStringLiteral("name"), catalog->info.displayName},
                              {QStringLiteral("version"), catalog->version},
                              {QStringLiteral("usable"), loaded}};
            if (loaded) {
                entry.insert(QStringLiteral("url"), catalog->url);
                entry.insert(QStringLiteral("tree"), treeJson(*catalog, *catalog->root));
            }
            all.append(entry);
            continue;
        }
        io.out << catalog->mmdKey << "  " << catalog->info.displayName << "  (data version "
               << catalog->version << (loaded ? ")" : ", not usable)") << "\n";
        if (loaded)
            printTree(io.out, *catalog, *catalog->root, 1);
    }
    if (args.has(QStringLiteral("--json")))
        writeJson(io.out, QJsonDocument(QJsonObject{{QStringLiteral("catalogs"), all}}));
    else if (catalogs.empty())
        io.out << "no station catalogues\n";
    return allLoaded ? Success : WorkFailed;
}

// Reads a number option into `target`; false (with a message) when it is given but no number.
bool readNumber(const ArgReader& args, const char* option, double& target, CommandIo& io) {
    const auto text = args.value(QString::fromLatin1(option));
    if (!text)
        return true;
    bool ok = false;
    const double value = text->toDouble(&ok);
    if (!ok || !std::isfinite(value)) {
        io.err << "orvane station: " << option << " needs a number, not \"" << *text << "\"\n";
        return false;
    }
    target = value;
    return true;
}

bool readRequirements(const ArgReader& args, WoSt::tWizardState& wizard, CommandIo& io) {
    if (args.has(QStringLiteral("--fr")) && args.has(QStringLiteral("--hr"))) {
        io.err << "orvane station: give either --fr or --hr\n";
        return false;
    }
    WoSt::tReqTw& tw = wizard.reqTw;
    double nFbh = 0.0;
    if (!readNumber(args, "--tk", tw.tK, io) || !readNumber(args, "--tw", tw.tW, io) ||
        !readNumber(args, "--tvl", tw.tVL, io) || !readNumber(args, "--fr", tw.fr, io) ||
        !readNumber(args, "--hr", tw.hr, io) || !readNumber(args, "--nfbh", nFbh, io) ||
        !readNumber(args, "--hz-tvl", wizard.reqHz.tVL, io) ||
        !readNumber(args, "--hz-trl", wizard.reqHz.tRL, io))
        return false;
    if (args.has(QStringLiteral("--hr")))
        tw.fr = -1.0;
    if (nFbh < 0.0 || nFbh > 100.0 || nFbh != static_cast<int>(nFbh)) {
        io.err << "orvane station: --nfbh needs a whole number from 0 to 100\n";
        return false;
    }
    wizard.reqHz.nFbh = static_cast<int>(nFbh);
    return true;
}

QJsonObject designJson(const WoSt::tReqTw& d) {
    return {{QStringLiteral("tK"), d.tK},      {QStringLiteral("tW"), d.tW},
            {QStringLiteral("hr"), d.hr},      {QStringLiteral("fr"), d.fr},
            {QStringLiteral("tVL"), d.tVL},    {QStringLiteral("tRLPrim"), d.tRLPrim},
            {QStringLiteral("vPrim"), d.vPrim}};
}

// The result fields of the wizard use CR LF between rows; a terminal wants plain line breaks.
QString lines(QString text) {
    return text.replace(WoSt::kCrLf, QStringLiteral("\n"));
}

void printCheck(const WoSt::tWizardState& w, const ArgReader& args, CommandIo& io) {
    const WoSt::tCheckDisplay& d = w.display;
    if (args.has(QStringLiteral("--json"))) {
        QJsonObject report{{QStringLiteral("product"), w.product.name},
                           {QStringLiteral("passes"), d.drawEnabled},
                           {QStringLiteral("error"), d.resultLook == WoSt::ResultLook::Error},
                           {QStringLiteral("result"), d.result},
                           {QStringLiteral("drinkingWaterSummary"), d.twSummary},
                           {QStringLiteral("floorHeatingSummary"), d.hzSummary},
                           {QStringLiteral("floorHeatingPossible"), d.fbhEnabled},
                           {QStringLiteral("heatMeter"), d.heatMeterVisible},
                           {QStringLiteral("waterMeter"), d.waterMeterVisible}};
        if (d.drawEnabled)
            report.insert(QStringLiteral("design"), designJson(w.design));
        writeJson(io.out, QJsonDocument(report));
        return;
    }
    io.out << w.product.name << "\n\n" << lines(d.result) << "\n\n" << lines(d.twSummary) << "\n";
    if (!d.hzSummary.isEmpty())
        io.out << "\n" << lines(d.hzSummary) << "\n";
    if (d.drawEnabled)
        io.out << QStringLiteral(
                      "\nDesign point: %1/%2 °C, supply %3 °C, primary return %4 °C, primary flow %5 l/h\n")
                      .arg(w.design.tK, 0, 'f', 1)
                      .arg(w.design.tW, 0, 'f', 1)
                      .arg(w.design.tVL, 0, 'f', 1)
                      .arg(w.design.tRLPrim, 0, 'f', 1)
                      .arg(w.design.vPrim, 0, 'f', 1);
}

// Walks the selection path down from the catalogue's root.
const WoSt::tSelLevel* nodeAt(const WoSt::tCatalog& catalog, const std::vector<int>& path) {
    const WoSt::tSelLevel* node = catalog.root.get();
    for (int i : path)
        node = node->children.at(static_cast<size_t>(i)).get();
    return node;
}

int runCheck(const ArgReader& args, CommandIo& io) {
    const auto catalogKey = args.value(QStringLiteral("--catalog"));
    const auto productKey = args.value(QStringLiteral("--product"));
    if (!catalogKey || !productKey) {
        io.err << "orvane station check: --catalog KEY and --product KEY are needed\n";
        return UsageError;
    }
    WoSt::tWizardState wizard;
    if (!readRequirements(args, wizard, io))
        return UsageError;
    int status = Success;
    if (!useCatalogFolder(args, io, status))
        return status;
    MessagesToStream messages(io.err);
    WoSt::ManagerCatalogs source;
    WoSt::tCatalogList catalogs;
    if (WoSt::ListCatalogs(catalogs, *catalogKey, source) == 0) {
        io.err << "orvane station: no station catalogue \"" << *catalogKey << "\"\n";
        reportUnlisted(catalogs, io, *catalogKey);
        return WorkFailed;
    }
    WoSt::tCatalog& catalog = *catalogs.front();
    if (!loadCatalog(catalog, io))
        return WorkFailed;
    std::vector<int> path;
    if (!WoSt::FindProductPath(catalog, *productKey, path) || path.empty()) {
        io.err << "orvane station: " << catalog.mmdKey << " has no product \"" << *productKey << "\"\n";
        return WorkFailed;
    }
    const WoSt::tSelLevel& node = *nodeAt(catalog, path);
    if (!node.children.empty()) {
        io.err << "orvane station: \"" << *productKey
               << "\" is a group of the selection tree, not a product\n";
        return WorkFailed;
    }
    wizard.catalog = &catalog;
    wizard.product.accessories = WoSt::MaterialDb().NewMaterialList();
    if (!WoSt::LoadProduct(wizard.product, catalog, node)) {
        io.err << "orvane station: \"" << *productKey << "\" is no station this check supports\n";
        return WorkFailed;
    }
    WoSt::UpdateTwSummary(wizard);
    printCheck(wizard, args, io);
    return wizard.display.drawEnabled ? Success : WorkFailed;
}

int runStation(const QStringList& all, CommandIo& io) {
    if (all.isEmpty() || wantsHelp(all)) {
        (all.isEmpty() ? io.err : io.out) << kStationHelp;
        return all.isEmpty() ? UsageError : Success;
    }
    const QString verb = all.first();
    const ArgReader args(all.mid(1),
                         {QStringLiteral("--catalogs"), QStringLiteral("--databases"),
                          QStringLiteral("--catalog"), QStringLiteral("--product"), QStringLiteral("--tk"),
                          QStringLiteral("--tw"), QStringLiteral("--tvl"), QStringLiteral("--fr"),
                          QStringLiteral("--hr"), QStringLiteral("--nfbh"), QStringLiteral("--hz-tvl"),
                          QStringLiteral("--hz-trl")},
                         {QStringLiteral("--json")});
    if (!args.ok() || !args.positional().isEmpty()) {
        io.err << "orvane station: "
               << (args.ok() ? QStringLiteral("unexpected argument ") + args.positional().first()
                             : args.error())
               << "\n"
               << kStationHelp;
        return UsageError;
    }
    const DatabaseFolder databases(args.value(QStringLiteral("--databases")));
    if (verb == QStringLiteral("list"))
        return runList(args, io);
    if (verb == QStringLiteral("check"))
        return runCheck(args, io);
    io.err << "orvane station: unknown command \"" << verb << "\"\n" << kStationHelp;
    return UsageError;
}

const CommandRegistration registration{
    {QStringLiteral("station"),
     QStringLiteral("list station catalogues and check stations against requirements"), runStation}};

} // namespace
} // namespace orvane::cli
