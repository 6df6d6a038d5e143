#pragma once

// orvane station: what the station verbs share. Each verb lives in a file of its own
// (cmd_station_<verb>.cpp); cmd_station.cpp reads the options and hands over.

#include "cli_command.h"
#include "cli_output.h"

#include "corekit/ui_services.h"
#include "corekitex/catalog_manager.h"
#include "stations/station_catalog.h"
#include "stations/station_check.h"
#include "stations/station_output.h"

#include <QJsonArray>
#include <QJsonObject>

namespace orvane::cli::station {

// Messages the station code would show in a message box go to standard error; nothing else
// is asked on the command line.
class MessagesToStream : public IUiServices {
public:
    explicit MessagesToStream(QTextStream& err);
    ~MessagesToStream() override;
    MessagesToStream(const MessagesToStream&) = delete;
    MessagesToStream& operator=(const MessagesToStream&) = delete;

    int MessageBox(const QString& text, const QString&, UiButtons buttons, UiIcon) override;
    bool InputBox(const QString&, const QString&, QString&) override { return false; }
    QString GetOpenFileName(const QString&, const QString&, const QString&) override { return {}; }

protected:
    bool LaunchDocument(const QUrl&) override { return false; }

private:
    QTextStream& m_err;
    IUiServices* m_previous;
};

// The station catalogues one command works on: a catalogue manager of its own (the folder of
// --catalogs, the database folder of --databases) and the catalogues listed from it, which
// point into the manager.
struct Catalogues {
    orvCatalogManager manager;
    WoSt::tCatalogList list;
};

// Points the command's catalogue manager at --catalogs and --databases; false (with `status`
// saying whether the call or the folder was wrong) when --catalogs is missing or no folder.
// Descriptors that cannot be read are told on standard error.
bool useCatalogFolder(const ArgReader& args, CommandIo& io, int& status, Catalogues& catalogs);

// Tells which station catalogues of the folder (with a key, only those of that database key)
// could not be listed; answers how many.
int reportUnlisted(Catalogues& catalogs, CommandIo& io, const QString& key = QString());

// Loads the catalogue; when it cannot be used, standard error says why.
bool loadCatalog(WoSt::tCatalog& catalog, CommandIo& io);

// The material-database key of a row of the catalogue, or empty for no row.
QString keyOf(const WoSt::tCatalog& catalog, WoSt::RowId id);

// The JSON forms of the tool's output.
QJsonArray treeJson(const WoSt::tCatalog& catalog, const WoSt::tSelLevel& node);
QJsonObject designJson(const WoSt::tReqTw& design);
QJsonObject checkJson(const WoSt::tWizardState& wizard);

// The requirement options (--tk, --tw, --tvl, --fr or --hr, --nfbh, --hz-tvl, --hz-trl) into
// the wizard's records; false after telling what is wrong.
bool readRequirements(const ArgReader& args, WoSt::tWizardState& wizard, CommandIo& io);
// Walks a selection path down from the catalogue's root.
const WoSt::tSelLevel* nodeAt(const WoSt::tCatalog& catalog, const std::vector<int>& path);
// The catalogue of the database key, listed into `catalogs` and loaded; null after telling why.
WoSt::tCatalog* openCatalog(const QString& key, Catalogues& catalogs, CommandIo& io);
// The product (a leaf of the selection tree) of the key into the wizard; false after telling why.
bool loadProductByKey(WoSt::tCatalog& catalog, const QString& key, WoSt::tWizardState& wizard, CommandIo& io);

// The catalogue, product, requirements, meters and accessories of draw and report, checked;
// -1 when ready, else the exit status (after telling why). Messages must be caught already.
int prepareStation(const ArgReader& args, CommandIo& io, const char* verb, Catalogues& catalogs,
                   WoSt::tWizardState& wizard, WoSt::tDrawOptions& options);

// The verbs.
int runList(const ArgReader& args, CommandIo& io);
int runCheck(const ArgReader& args, CommandIo& io);
int runCheckAll(const ArgReader& args, CommandIo& io);
int runDraw(const ArgReader& args, CommandIo& io);
int runReport(const ArgReader& args, CommandIo& io);
int runDiagram(const ArgReader& args, CommandIo& io);

} // namespace orvane::cli::station
