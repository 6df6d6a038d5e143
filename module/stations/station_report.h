#pragma once

// The check report of the station wizard: requirements, chosen product, check result, design
// point, pressure losses, pumps and the material list, as HTML or as a PDF made from it with
// Qt's own PDF writer. Runs without a window system.

#include "station_check.h"

#include <QString>

class CNode;

namespace WoSt {

// The report as an HTML document; `draw` is the draw node of the same state (pumps, parts
// list), or null when the station does not pass.
QString StationReportHtml(const tWizardState& wizard, const CNode* draw);

// Writes the report to `path`: PDF when the name ends in ".pdf", else HTML. The file is
// replaced only when the whole report was written. False with `error` set otherwise.
bool WriteStationReport(const tWizardState& wizard, const CNode* draw, const QString& path, QString* error);

} // namespace WoSt
