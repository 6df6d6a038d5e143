#pragma once

#include <array>

namespace Hydraulics {

// Which field the shared check box (1543) stands for.
enum class ExtraOption { None, Throttle, CheckValve };

// Which options of the dialog a circuit type shows and how they are labelled. All texts are
// German translation keys.
struct tOptionRules {
    bool valveOptionsShown;                 // 1541, 1542 and the radio group
    ExtraOption extraOption;                // what check box 1543 shows; None: hidden
    const char* extraLabel;                 // its label, null when hidden
    std::array<const char*, 3> radioLabels; // valve type 0, 1, 2
};

tOptionRules OptionRulesFor(int circuitType);

// The field check box 1543 exchanges its state with: the throttle under type 1, the check
// valve under every other type, whether the box is shown or not.
ExtraOption ExtraOptionBinding(int circuitType);

} // namespace Hydraulics
