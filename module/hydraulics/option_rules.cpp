#include "hydraulics/option_rules.h"

#include "hydraulics/circuit_model.h"

namespace Hydraulics {

namespace {
constexpr std::array<const char*, 3> kThreeWay{"Dreiwege-Armatur", "Dreiwege-Ventil", "Dreiwege-Hahn"};
constexpr std::array<const char*, 3> kTwoWay{"Zweiwege-Armatur", "Zweiwege-Ventil", "Zweiwege-Hahn"};
} // namespace

tOptionRules OptionRulesFor(int circuitType) {
    switch (circuitType) {
    case BeimischungKonstant:
        return {true, ExtraOption::Throttle, "mit Drosselventil", kThreeWay};
    case EinspritzungDreiwege:
        return {true, ExtraOption::CheckValve, "mit Rückflussverhinderer", kThreeWay};
    case Weiche:
        return {false, ExtraOption::None, nullptr, kThreeWay};
    case EinspritzungZweiwege:
    case Drosselung:
        return {true, ExtraOption::None, nullptr, kTwoWay};
    default:
        return {true, ExtraOption::None, nullptr, kThreeWay};
    }
}

ExtraOption ExtraOptionBinding(int circuitType) {
    return circuitType == BeimischungKonstant ? ExtraOption::Throttle : ExtraOption::CheckValve;
}

} // namespace Hydraulics
