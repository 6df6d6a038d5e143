// orvane station: the JSON forms of the catalogue list and of a check.

#include "cmd_station.h"

namespace orvane::cli::station {

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

QJsonObject designJson(const WoSt::tReqTw& d) {
    return {{QStringLiteral("tK"), d.tK},      {QStringLiteral("tW"), d.tW},
            {QStringLiteral("hr"), d.hr},      {QStringLiteral("fr"), d.fr},
            {QStringLiteral("tVL"), d.tVL},    {QStringLiteral("tRLPrim"), d.tRLPrim},
            {QStringLiteral("vPrim"), d.vPrim}};
}

QJsonObject checkJson(const WoSt::tWizardState& w) {
    const WoSt::tCheckDisplay& d = w.display;
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
    return report;
}

} // namespace orvane::cli::station
