// orvane station check --all: every product of a catalogue against one set of requirements,
// those that pass first, so that a planner can choose.

#include "cmd_station.h"

#include "stations/station_text.h"

#include <algorithm>

namespace orvane::cli::station {
namespace {

struct Candidate {
    QString key;
    QString name;
    bool passes = false;
    double primaryFlow = 0.0;   // l/h at the design point
    double primaryReturn = 0.0; // °C at the design point
    QString result;             // the first row of the result, or the error
    int order = 0;              // place in the selection tree
};

void collectProducts(const WoSt::tSelLevel& node, std::vector<const WoSt::tSelLevel*>& out) {
    for (const auto& child : node.children) {
        if (child->children.empty())
            out.push_back(child.get());
        collectProducts(*child, out);
    }
}

// Passing stations first; among them the one that needs the least primary flow for the same
// tap rate (the larger exchanger margin), then the tree's order.
bool better(const Candidate& a, const Candidate& b) {
    if (a.passes != b.passes)
        return a.passes;
    if (a.passes && a.primaryFlow != b.primaryFlow)
        return a.primaryFlow < b.primaryFlow;
    return a.order < b.order;
}

Candidate checkOne(WoSt::tCatalog& catalog, const WoSt::tSelLevel& node, const WoSt::tWizardState& asked,
                   int order) {
    WoSt::tWizardState w;
    w.catalog = &catalog;
    w.reqTw = asked.reqTw;
    w.reqHz = asked.reqHz;
    w.product.accessories = WoSt::CatalogDb(catalog).NewMaterialList();
    Candidate c;
    c.order = order;
    c.key = keyOf(catalog, node.articleSetRef ? node.articleSetRef : node.row);
    c.name = node.name;
    if (!WoSt::LoadProduct(w.product, catalog, node)) {
        c.result = QStringLiteral("not a supported station");
        return c;
    }
    c.name = w.product.name;
    WoSt::UpdateTwSummary(w);
    c.passes = w.display.drawEnabled;
    c.primaryFlow = w.design.vPrim;
    c.primaryReturn = w.design.tRLPrim;
    c.result = w.display.result.split(WoSt::kCrLf).value(0);
    return c;
}

void printTable(const std::vector<Candidate>& all, QTextStream& out) {
    out << QStringLiteral("%1  %2  %3  %4  %5  %6\n")
               .arg(QStringLiteral("#"), 2)
               .arg(QStringLiteral("product"), -16)
               .arg(QStringLiteral("result"), -6)
               .arg(QStringLiteral("prim. l/h"), 9)
               .arg(QStringLiteral("return °C"), 9)
               .arg(QStringLiteral("name / why not"));
    int rank = 0;
    for (const Candidate& c : all) {
        out << QStringLiteral("%1  %2  %3  ")
                   .arg(++rank, 2)
                   .arg(c.key, -16)
                   .arg(c.passes ? "pass" : "fail", -6);
        if (c.passes)
            out << QStringLiteral("%1  %2  %3\n")
                       .arg(c.primaryFlow, 9, 'f', 1)
                       .arg(c.primaryReturn, 9, 'f', 1)
                       .arg(c.name);
        else
            out << QStringLiteral("%1  %2  %3: %4\n")
                       .arg(QString(), 9)
                       .arg(QString(), 9)
                       .arg(c.name, c.result);
    }
}

QJsonArray tableJson(const std::vector<Candidate>& all) {
    QJsonArray rows;
    for (const Candidate& c : all) {
        QJsonObject row{{QStringLiteral("product"), c.key},
                        {QStringLiteral("name"), c.name},
                        {QStringLiteral("passes"), c.passes},
                        {QStringLiteral("result"), c.result}};
        if (c.passes) {
            row.insert(QStringLiteral("primaryFlow"), c.primaryFlow);
            row.insert(QStringLiteral("primaryReturn"), c.primaryReturn);
        }
        rows.append(row);
    }
    return rows;
}

} // namespace

int runCheckAll(const ArgReader& args, CommandIo& io) {
    const auto catalogKey = args.value(QStringLiteral("--catalog"));
    if (!catalogKey || args.has(QStringLiteral("--product"))) {
        io.err << "orvane station check --all: --catalog KEY is needed, --product is not\n";
        return UsageError;
    }
    WoSt::tWizardState asked;
    if (!readRequirements(args, asked, io))
        return UsageError;
    int status = Success;
    Catalogues catalogs;
    if (!useCatalogFolder(args, io, status, catalogs))
        return status;
    MessagesToStream messages(io.err);
    WoSt::tCatalog* catalog = openCatalog(*catalogKey, catalogs, io);
    if (!catalog)
        return WorkFailed;
    std::vector<const WoSt::tSelLevel*> products;
    collectProducts(*catalog->root, products);
    std::vector<Candidate> all;
    for (const WoSt::tSelLevel* node : products)
        all.push_back(checkOne(*catalog, *node, asked, static_cast<int>(all.size())));
    std::stable_sort(all.begin(), all.end(), better);
    if (args.has(QStringLiteral("--json")))
        writeJson(io.out, QJsonDocument(QJsonObject{{QStringLiteral("catalog"), catalog->mmdKey},
                                                    {QStringLiteral("products"), tableJson(all)}}));
    else
        printTable(all, io.out);
    const bool anyPasses = std::any_of(all.begin(), all.end(), [](const Candidate& c) { return c.passes; });
    return anyPasses ? Success : WorkFailed;
}

} // namespace orvane::cli::station
