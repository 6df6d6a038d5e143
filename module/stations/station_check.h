#pragma once

// The design check of the station wizard: whether the chosen station meets the planner's
// drinking-water and floor-heating requirements, and what the wizard shows about it.

#include "station_catalog.h"
#include "station_curves.h"
#include "station_requirements.h"

#include <QColor>
#include <QPalette>
#include <QString>

#include <vector>

namespace WoSt {

enum class ResultLook { System, Error }; // button text on button face, or red on button face

// What the check writes into the wizard's fields and controls.
struct tCheckDisplay {
    QString result;
    ResultLook resultLook = ResultLook::System;
    QString twSummary;
    QString hzSummary;
    bool heatMeterVisible = false;
    bool waterMeterVisible = false;
    bool drawEnabled = false;
    bool fbhEnabled = false;
};

// The part of the wizard that the check reads and writes.
struct tWizardState {
    tCatalog* catalog = nullptr; // the selected catalogue, not owned
    tProduct product;
    tReqTw reqTw;
    tReqTw design;
    tReqHz reqHz;
    double heatMeterFlow = 0.0;  // m³/h
    double heatMeterDp = 0.0;    // mbar
    double waterMeterFlow = 0.0; // m³/h
    double waterMeterDp = 0.0;   // mbar
    tCheckDisplay display;
};

void CheckStation(tWizardState& wizard);

// The rows of a heat exchanger's "Ansatz_Kennlinien" table (flow, cold and hot water
// temperatures), sorted as the curve search expects.
std::vector<tAnsatzKennlinieItem> ReadFittedCurves(MaterialDatabase& db, TableHandle table);

// Pressure losses of the drinking-water path and of the heating side at a tap rate (l/min),
// in mbar, as the check's result text states them.
struct tPressureLosses {
    double tw = 0.0;
    double hz = 0.0;
};
tPressureLosses PressureLossesAt(const tWizardState& wizard, double tapRate);
void UpdateTwSummary(tWizardState& wizard);

// Text and background colour of the result field.
std::pair<QColor, QColor> ResultColors(ResultLook look, const QPalette& palette);

} // namespace WoSt
