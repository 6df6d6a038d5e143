#pragma once

#include <cstdint>
#include <string>

namespace orvmat {

// The type numbers are those of the C interface (ORVMAT_TEXT ...) and of the file.
enum class ValueType { Text = 1, Int = 2, Float = 3, Ref = 4 };

// One value of a cell.
struct Value {
    ValueType type = ValueType::Text;
    std::string text;         // Text
    std::int64_t integer = 0; // Int, Ref (the identifier)
    double number = 0.0;      // Float
};

} // namespace orvmat
