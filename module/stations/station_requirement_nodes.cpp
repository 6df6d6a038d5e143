#include "station_output.h"

#include "corekit/node.h"

#include <QLocale>

namespace WoSt {
namespace {

// The first value of a leaf, when the leaf is there and reads as a number.
void takeDouble(const CNode& node, const char* key, double& target) {
    double value = 0.0;
    if (const CLeaf* leaf = node.FindLeaf(QString::fromLatin1(key)); leaf && leaf->GetFirstValue(value, u':'))
        target = value;
}

void takeInt(const CNode& node, const char* key, int& target) {
    int value = 0;
    if (const CLeaf* leaf = node.FindLeaf(QString::fromLatin1(key)); leaf && leaf->GetFirstValue(value, u':'))
        target = value;
}

} // namespace

void AddReal(CNode& node, const QString& key, double value) {
    node.AddLeaf(key, QString::number(value, 'f', QLocale::FloatingPointShortest));
}

std::unique_ptr<CNode> ReqTwNode(const tReqTw& req) {
    auto node = std::make_unique<CNode>(QStringLiteral("PWFLUX"));
    AddReal(*node, QStringLiteral("tK"), req.tK);
    AddReal(*node, QStringLiteral("tW"), req.tW);
    AddReal(*node, QStringLiteral("tVL"), req.tVL);
    AddReal(*node, QStringLiteral("hr"), req.hr);
    AddReal(*node, QStringLiteral("fr"), req.fr);
    return node;
}

std::unique_ptr<CNode> ReqHzNode(const tReqHz& req) {
    auto node = std::make_unique<CNode>(QStringLiteral("SecondPump"));
    AddReal(*node, QStringLiteral("tVL"), req.tVL);
    AddReal(*node, QStringLiteral("tRL"), req.tRL);
    node->AddLeaf(QStringLiteral("nFBH"), req.nFbh);
    AddReal(*node, QStringLiteral("Q"), req.q);
    AddReal(*node, QStringLiteral("DP"), req.dp);
    AddReal(*node, QStringLiteral("VOL"), req.vol);
    return node;
}

void ReadReqTwNode(const CNode& node, tReqTw& req) {
    takeDouble(node, "tK", req.tK);
    takeDouble(node, "tW", req.tW);
    takeDouble(node, "tVL", req.tVL);
    takeDouble(node, "hr", req.hr);
    takeDouble(node, "fr", req.fr);
}

void ReadReqHzNode(const CNode& node, tReqHz& req) {
    takeDouble(node, "tVL", req.tVL);
    takeDouble(node, "tRL", req.tRL);
    takeDouble(node, "Q", req.q);
    takeDouble(node, "DP", req.dp);
    takeDouble(node, "VOL", req.vol);
    takeInt(node, "nFBH", req.nFbh);
}

QString MeterDataText(double flow, double dp) {
    return QString::asprintf("%f,%f", flow, dp);
}

bool ParseMeterData(const QString& text, double& flow, double& dp) {
    const QStringList parts = text.split(QLatin1Char(','));
    if (parts.size() < 2)
        return false;
    bool okFlow = false;
    bool okDp = false;
    const double f = parts.at(0).trimmed().toDouble(&okFlow);
    const double d = parts.at(1).trimmed().toDouble(&okDp);
    if (!okFlow || !okDp)
        return false;
    flow = f;
    dp = d;
    return true;
}

} // namespace WoSt
