#include "requirement_forms.h"

#include "station_output.h"
#include "station_text.h"

#include <cmath>

namespace WoSt {
namespace {

constexpr double kMaxAmount = 100000000.0;
constexpr double kMaxCircuitValue = 1000000.0;

// One field of a dialog in its validation order: entry, control, range.
struct RealField {
    const QString& text;
    int control;
    double min;
    double max;
};

std::optional<tFieldError> readReal(const RealField& f, double& value) {
    const std::optional<double> parsed = ParseField(f.text);
    if (!parsed)
        return tFieldError{f.control, NotANumberMessage()};
    if (*parsed < f.min || *parsed > f.max)
        return tFieldError{f.control, RangeMessage(f.min, f.max)};
    value = *parsed;
    return std::nullopt;
}

std::optional<tFieldError> readInt(const QString& text, int control, int min, int max, int& value) {
    bool ok = false;
    const int parsed = text.trimmed().toInt(&ok);
    if (!ok)
        return tFieldError{control, NotAnIntegerMessage()};
    if (parsed < min || parsed > max)
        return tFieldError{control, IntRangeMessage(min, max)};
    value = parsed;
    return std::nullopt;
}

} // namespace

QString RangeMessage(double min, double max) {
    return sformat(T("Geben Sie eine Zahl zwischen %s und %s ein."), FieldText(min), FieldText(max));
}

QString IntRangeMessage(int min, int max) {
    return sformat(T("Geben Sie eine ganze Zahl zwischen %d und %d ein."), min, max);
}

QString NotANumberMessage() {
    return T("Geben Sie eine Zahl ein.");
}

QString NotAnIntegerMessage() {
    return T("Geben Sie eine ganze Zahl ein.");
}

QString FieldText(double value) {
    return QString::number(value, 'g', 15);
}

std::optional<double> ParseField(const QString& text) {
    QString plain = text.trimmed();
    plain.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double value = plain.toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::vector<int> TapRateChoices() {
    std::vector<int> choices{8};
    for (int n = 10; n <= 20; ++n)
        choices.push_back(n);
    choices.push_back(25);
    choices.push_back(30);
    return choices;
}

QString CTwRequirementForm::LongestEntry() {
    return FieldText(kMaxAmount - 0.01);
}

tTwEntries CTwRequirementForm::Entries() const {
    return {FieldText(RoundTo(m_req.tK, 0)), FieldText(RoundTo(m_req.tW, 0)),
            FieldText(RoundTo(WaermeleistungOf(m_req), 0)), FieldText(RoundTo(ZapfrateOf(m_req), 2)),
            FieldText(m_req.tVL)};
}

std::optional<tFieldError> CTwRequirementForm::Read(const tTwEntries& e) {
    double tK = 0.0, tW = 0.0, heat = 0.0, tap = 0.0, tVL = m_req.tVL;
    if (auto error = readReal({e.tK, TwControl::ColdTemperature, 0.0, 20.0}, tK))
        return error;
    if (auto error = readReal({e.tW, TwControl::HotTemperature, 25.0, 100.0}, tW))
        return error;
    if (auto error = readReal({e.heat, TwControl::HeatOutput, 0.0, kMaxAmount}, heat))
        return error;
    if (auto error = readReal({e.tapRate, TwControl::TapRate, 0.0, kMaxAmount}, tap))
        return error;
    if (m_product.supported) {
        const bool rod = m_product.heatingRodPower >= 1;
        const std::optional<double> entered = ParseField(e.tVL);
        if (!rod && entered && tW > *entered)
            ShowMessage(
                QStringLiteral("Das aktuell gewählte Gerät enthält keine zusätzliche elektrische Heizung."),
                MessageIcon::Exclamation);
        if (auto error = readReal({e.tVL, TwControl::SupplyTemperature, rod ? 20.0 : tW, 100.0}, tVL))
            return error;
    } else if (const std::optional<double> entered = ParseField(e.tVL)) {
        tVL = *entered;
    } else {
        return tFieldError{TwControl::SupplyTemperature, NotANumberMessage()};
    }
    // What changed is judged against the record as the fields showed it.
    if (RoundTo(heat, 0) != RoundTo(WaermeleistungOf(m_req), 0)) {
        m_req.hr = heat < 0.0 ? -1.0 : heat;
        m_req.fr = -1.0;
    } else if (RoundTo(tap, 2) != RoundTo(ZapfrateOf(m_req), 2)) {
        m_req.fr = tap < 0.0 ? -1.0 : tap;
        m_req.hr = -1.0;
    }
    if (RoundTo(tK, 0) != RoundTo(m_req.tK, 0))
        m_req.tK = tK;
    if (RoundTo(tW, 0) != RoundTo(m_req.tW, 0))
        m_req.tW = tW;
    m_req.tVL = tVL;
    return std::nullopt;
}

std::optional<tFieldError> CTwRequirementForm::ChooseTapRate(const tTwEntries& entries, int litresPerMinute) {
    if (auto error = Read(entries))
        return error;
    m_req.fr = litresPerMinute;
    m_req.hr = -1.0;
    return std::nullopt;
}

QString CHzRequirementForm::LongestEntry() {
    return FieldText(kMaxCircuitValue - 0.01);
}

tHzEntries CHzRequirementForm::Entries() const {
    return {FieldText(m_req.tVL), FieldText(m_req.tRL), QString::number(m_req.nFbh),
            FieldText(m_req.q),   FieldText(m_req.dp),  FieldText(m_req.vol)};
}

QString CHzRequirementForm::GroupTitle(const QString& groupText) const {
    return groupText + sformat(": %i-%i °C", m_req.tVLMin, m_req.tVLMax);
}

std::optional<tFieldError> CHzRequirementForm::Read(const tHzEntries& e) {
    tReqHz read = m_req;
    if (auto error = readReal(
            {e.tVL, HzControl::SupplyTemperature, double(m_req.tVLMin), double(m_req.tVLMax)}, read.tVL))
        return error;
    if (auto error = readReal({e.tRL, HzControl::ReturnTemperature, 0.0, read.tVL - 1.0}, read.tRL))
        return error;
    if (auto error = readInt(e.nFbh, HzControl::Circuits, 0, 100, read.nFbh))
        return error;
    if (auto error = readReal({e.q, HzControl::HeatOutput, 0.0, kMaxCircuitValue}, read.q))
        return error;
    if (auto error = readReal({e.dp, HzControl::PressureLoss, 0.0, kMaxCircuitValue}, read.dp))
        return error;
    if (auto error = readReal({e.vol, HzControl::WaterContent, 0.0, kMaxCircuitValue}, read.vol))
        return error;
    m_req = read;
    return std::nullopt;
}

} // namespace WoSt
