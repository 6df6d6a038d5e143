#pragma once

// What the station wizard hands to the host: the draw node with everything the host needs to
// insert and calculate the station, the two empty nodes for deleting and fetching a station,
// the requirement nodes stored with a drawn station, and the material output file.

#include "station_check.h"

#include <QString>

#include <memory>

class CNode;

namespace WoSt {

// What the draw node takes besides the wizard's state: the host's wishes from the input node
// and where the material output file goes.
struct tDrawOptions {
    bool schemeNetType = false; // the input has a leaf "SchemeNetType": no 3D block, no mirror
    int zTyp = 0;               // the input's "ZTyp"
    int mirror = 0;             // the check box "spiegeln"
    QString materialFolder;     // the user's temporary folder; empty: no material output file
};

inline const char* const kMaterialOutputFileName = "WOST_MATERIAL_OUTPUT.txt";

// The node "DrawStation" for the current product. Writes the material output file into
// `materialFolder` on the way (replacing an earlier one) and opens it with the default
// handler when the write succeeded. Null without a catalogue.
std::unique_ptr<CNode> CreateDrawNode(tWizardState& wizard, const tDrawOptions& options);

// The empty answers of "Löschen" and "Holen".
std::unique_ptr<CNode> CreateDeleteStationNode();
std::unique_ptr<CNode> CreateGetStationNode();

// kv of a station path in series with a meter (flag 1, nominal flow m³/h, nominal pressure
// loss mbar); 0 when neither has a kv. Rounded to 3 decimals.
double SeriesKv(double kvPath, int meterFlag, double meterFlow, double meterDp);

// A number leaf in plain decimal notation, as short as exact ("100000", "2.212", "-1").
void AddReal(CNode& node, const QString& key, double value);

// floor(x · 10^d + 0.5) / 10^d
double RoundTo(double x, int decimals);

// The requirement nodes "PWFLUX" and "SecondPump" as stored with a drawn station and in the
// settings, and their reading: leaves that are missing keep the record's value.
std::unique_ptr<CNode> ReqTwNode(const tReqTw& req);
std::unique_ptr<CNode> ReqHzNode(const tReqHz& req);
void ReadReqTwNode(const CNode& node, tReqTw& req);
void ReadReqHzNode(const CNode& node, tReqHz& req);

// "%f,%f" of a meter's nominal flow and pressure loss, and its reading (false: left as is).
QString MeterDataText(double flow, double dp);
bool ParseMeterData(const QString& text, double& flow, double& dp);

} // namespace WoSt
