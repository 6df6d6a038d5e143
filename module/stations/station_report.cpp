#include "station_report.h"

#include "station_text.h"

#include "corekit/atomic_save.h"
#include "corekit/node.h"

#include <QPageSize>
#include <QPdfWriter>
#include <QStringList>
#include <QTextDocument>

namespace WoSt {
namespace {

QString esc(const QString& text) {
    return text.toHtmlEscaped();
}

QString number(double value, int decimals) {
    return QString::number(value, 'f', decimals);
}

// A two-column table of label and value rows.
QString table(const QList<QPair<QString, QString>>& rows) {
    QString html = QStringLiteral("<table cellspacing='0' cellpadding='3' border='1'>");
    for (const auto& [label, value] : rows)
        html += QStringLiteral("<tr><td>%1</td><td>%2</td></tr>").arg(esc(label), esc(value));
    return html + QStringLiteral("</table>");
}

QString section(const QString& title, const QString& body) {
    return QStringLiteral("<h2>%1</h2>%2").arg(esc(title), body);
}

QString requirementsSection(const tWizardState& w) {
    const tReqTw& tw = w.reqTw;
    QList<QPair<QString, QString>> rows{
        {T("Temperatur (kalt)"), number(tw.tK, 0) + QStringLiteral(" °C")},
        {T("Temperatur (warm)"), number(tw.tW, 0) + QStringLiteral(" °C")},
        {T("Zapfrate"), number(ZapfrateOf(tw), 2) + u' ' + U("l/min")},
        {T("Wärmeleistung"), number(WaermeleistungOf(tw), 0) + u' ' + U("W")},
        {T("Temperatur, Vorlauf"), number(tw.tVL, 0) + QStringLiteral(" °C")}};
    QString html = section(T("Anforderung Trinkwasser"), table(rows));
    if (w.reqHz.fbhPossible) {
        const tReqHz& hz = w.reqHz;
        html += section(T("Anforderung Fußbodenheizung"),
                        table({{T("Vorlauftemp."), number(hz.tVL, 0) + QStringLiteral(" °C")},
                               {T("Rücklauftemp."), number(hz.tRL, 0) + QStringLiteral(" °C")},
                               {T("Anzahl FBH-Kreise"), QString::number(hz.nFbh)},
                               {T("Wärmeleistung"), number(hz.q, 0) + u' ' + U("W")},
                               {T("Druckverlust"), number(hz.dp, 0) + u' ' + U("Pa")},
                               {T("Wasserinhalt"), number(hz.vol, 1) + u' ' + U("l")}}));
    }
    return html;
}

// The result rows ("label<TAB>value") hold the design temperatures and the pressure losses.
QString resultSection(const tWizardState& w) {
    const bool passes = w.display.drawEnabled;
    QString html = QStringLiteral("<p><b>%1</b></p>")
                       .arg(esc(passes ? T("Die Station erfüllt die Anforderungen.")
                                       : T("Die Station erfüllt die Anforderungen nicht.")));
    QList<QPair<QString, QString>> rows;
    for (const QString& row : w.display.result.split(kCrLf, Qt::SkipEmptyParts)) {
        const QStringList parts = row.split(u'\t', Qt::SkipEmptyParts);
        rows.append({parts.value(0), parts.mid(1).join(u' ')});
    }
    if (rows.size() == 1 && rows[0].second.isEmpty())
        html += QStringLiteral("<p>%1</p>").arg(esc(rows[0].first));
    else
        html += table(rows);
    if (passes) {
        const tPressureLosses dp = PressureLossesAt(w, ZapfrateOf(w.reqTw));
        html += QStringLiteral("<h3>%1</h3>").arg(esc(T("Druckverluste"))) +
                table({{T("Druckverlust-TW"), number(dp.tw, 0) + u' ' + U("mbar")},
                       {T("Druckverlust-HZ"), number(dp.hz, 0) + u' ' + U("mbar")}});
    }
    if (passes)
        html += QStringLiteral("<h3>%1</h3>").arg(esc(T("Auslegungspunkt"))) +
                table({{T("Vorlauftemp."), number(w.design.tVL, 1) + QStringLiteral(" °C")},
                       {T("Rücklauftemperatur primär"), number(w.design.tRLPrim, 1) + QStringLiteral(" °C")},
                       {T("Volumenstrom primär"), number(w.design.vPrim, 1) + u' ' + U("l/h")},
                       {T("Temperatur (warm)"), number(w.design.tW, 1) + QStringLiteral(" °C")}});
    return section(T("Ergebnis"), html);
}

QString pumpsSection(const CNode& draw) {
    QList<QPair<QString, QString>> rows;
    for (const char* name : {"PUMPEN_HZ", "PUMPEN_Z"}) {
        const CNode* pumps = draw.FindChild(QString::fromLatin1(name));
        const CNode* pump = pumps ? pumps->FindChild(QStringLiteral("PUMPE"), nullptr, true) : nullptr;
        if (!pump)
            continue;
        const QString range =
            number(pump->GetStrLeafValue(QString(), QStringLiteral("DPZUL"), 1).toDouble(), 0) +
            QStringLiteral(" … ") +
            number(pump->GetStrLeafValue(QString(), QStringLiteral("DPZUL"), 2).toDouble(), 0);
        rows.append({QString::fromLatin1(name) == QStringLiteral("PUMPEN_HZ") ? T("Heizungspumpe")
                                                                              : T("Zweite Pumpe"),
                     pump->GetStrLeafValue(QString(), QStringLiteral("BEZ"), 1, u'\n') +
                         QStringLiteral(", ") +
                         pump->GetStrLeafValue(QString(), QStringLiteral("REG"), 1, u'\n') +
                         QStringLiteral(", ") + range + u' ' + U("mbar")});
    }
    return rows.isEmpty() ? QString() : section(T("Pumpen"), table(rows));
}

QString materialSection(const tWizardState& w, const CNode& draw) {
    const CNode* stl = draw.FindChild(QStringLiteral("WOST"))
                           ? draw.FindChild(QStringLiteral("WOST"))->FindChild(QStringLiteral("STL"))
                           : nullptr;
    if (!stl)
        return {};
    MaterialDatabase& db = CatalogDb(*w.catalog);
    TableHandle articles = 0;
    const bool named = db.OpenTable(articles, 0, QStringLiteral("Heizung.Artikel"));
    QString html =
        QStringLiteral(
            "<table cellspacing='0' cellpadding='3' border='1'><tr><th>%1</th><th>%2</th><th>%3</th></tr>")
            .arg(esc(T("Menge")), esc(T("Artikel")), esc(T("Bezeichnung")));
    for (const auto& leaf : stl->Leaves()) {
        QString quantity, key, text;
        leaf->GetValue(1, quantity);
        leaf->GetValue(2, key);
        if (named)
            db.ReadText(text, articles, db.IdOfKey(key), 0, 0);
        html += QStringLiteral("<tr><td align='right'>%1</td><td>%2</td><td>%3</td></tr>")
                    .arg(number(quantity.toDouble(), 2), esc(key), esc(text));
    }
    return section(T("Materialliste"), html + QStringLiteral("</table>"));
}

} // namespace

QString StationReportHtml(const tWizardState& w, const CNode* draw) {
    QString html = QStringLiteral("<html><head><meta charset='utf-8'><title>%1</title></head><body>")
                       .arg(esc(T("Auslegungsbericht")));
    html += QStringLiteral("<h1>%1</h1>").arg(esc(T("Auslegungsbericht")));
    QList<QPair<QString, QString>> product;
    if (w.catalog)
        product.append({T("Hersteller"), w.catalog->info.displayName});
    product.append({T("Produkt"), w.product.name});
    if (w.catalog && w.product.dataRow)
        product.append({T("Artikelsatz"), CatalogDb(*w.catalog).KeyOfId(w.product.dataRow)});
    html += table(product);
    html += requirementsSection(w) + resultSection(w);
    if (draw && w.catalog)
        html += pumpsSection(*draw) + materialSection(w, *draw);
    return html + QStringLiteral("</body></html>");
}

bool WriteStationReport(const tWizardState& wizard, const CNode* draw, const QString& path, QString* error) {
    AtomicSave file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    const QString html = StationReportHtml(wizard, draw);
    if (path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive)) {
        QPdfWriter writer(&file);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setTitle(T("Auslegungsbericht"));
        writer.setCreator(QStringLiteral("OrvanePlanungUI"));
        QTextDocument document;
        document.setHtml(html);
        document.print(&writer);
    } else {
        file.write(html.toUtf8());
    }
    if (!file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}

} // namespace WoSt
