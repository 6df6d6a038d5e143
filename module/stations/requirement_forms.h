#pragma once

// The logic of the two requirement dialogs, without widgets: what their fields show, how the
// entries are validated (field by field, in the dialog's order, with the framework's range
// message) and what the record takes over. The dialogs only show the texts and move the focus.

#include "station_requirements.h"

#include <QString>

#include <optional>
#include <vector>

namespace WoSt {

// A field that was refused: its control and the message to show. The focus stays there.
struct tFieldError {
    int control = 0;
    QString message;
};

// The framework's messages for a number outside its range, for an entry that is no number.
QString RangeMessage(double min, double max);
QString IntRangeMessage(int min, int max);
QString NotANumberMessage();
QString NotAnIntegerMessage();

// A number as a field shows it, and its reading (',' is taken as the decimal point too).
QString FieldText(double value);
std::optional<double> ParseField(const QString& text);

// ---- "Anforderung Trinkwasser" ------------------------------------------------------------

namespace TwControl {
enum : int {
    ColdTemperature = 1028,
    HotTemperature = 1029,
    HeatOutput = 1030,
    TapRate = 1031,
    SupplyTemperature = 1032
};
}

struct tTwEntries {
    QString tK, tW, heat, tapRate, tVL;
};

// What the drinking-water dialog needs to know about the wizard's product: whether one is
// chosen and supported, and the power of its heating rod in W (0 = none).
struct tTwProductInfo {
    bool supported = false;
    int heatingRodPower = 0;
};

// The numbers offered in the tap-rate list: 8, 10, 11, ... 20, 25, 30.
std::vector<int> TapRateChoices();

class CTwRequirementForm {
public:
    CTwRequirementForm(const tReqTw& record, tTwProductInfo product) : m_req(record), m_product(product) {}

    const tReqTw& Record() const { return m_req; }
    // The fields: temperatures and heat output to whole numbers, the tap rate to 2 decimals.
    tTwEntries Entries() const;
    // Validates the entries in the dialog's order and takes over what changed; nothing is
    // taken when a field is refused. May show the heating-rod message first.
    std::optional<tFieldError> Read(const tTwEntries& entries);
    // A choice from the tap-rate list: the entries are read, then the tap rate is the choice.
    std::optional<tFieldError> ChooseTapRate(const tTwEntries& entries, int litresPerMinute);
    // The longest value the fields take (the largest below the end of the heat output's and
    // the tap rate's range, with two decimals), for the room each field keeps.
    static QString LongestEntry();

private:
    tReqTw m_req;
    tTwProductInfo m_product;
};

// ---- "Anforderung Fußbodenheizung" --------------------------------------------------------

namespace HzControl {
enum : int {
    Group = 1026,
    ReturnTemperature = 1025,
    Circuits = 1027,
    HeatOutput = 1028,
    PressureLoss = 1029,
    WaterContent = 1030,
    SupplyTemperature = 1032
};
}

struct tHzEntries {
    QString tVL, tRL, nFbh, q, dp, vol;
};

class CHzRequirementForm {
public:
    explicit CHzRequirementForm(const tReqHz& record) : m_req(record) {}

    const tReqHz& Record() const { return m_req; }
    tHzEntries Entries() const;
    // The group box's text with the device's settable supply range.
    QString GroupTitle(const QString& groupText) const;
    // Heat output, pressure loss and water content are asked only with circuits.
    static bool CircuitFieldsEnabled(int circuits) { return circuits >= 1; }
    // The longest value the fields take (the largest below the end of the circuit values'
    // range, with two decimals), for the room each field keeps.
    static QString LongestEntry();
    // Validates every field against its range; takes them only when all are valid.
    std::optional<tFieldError> Read(const tHzEntries& entries);

private:
    tReqHz m_req;
};

} // namespace WoSt
