#pragma once

#include <cstdint>

// One point of a slide's figure, in slide coordinates (y grows upwards).
struct SlidePoint {
    int32_t x = 0;
    int32_t y = 0;
    // Colour number of the line that ends here; 0 or less makes the point a "move to".
    int16_t color = 0;

    friend bool operator==(const SlidePoint&, const SlidePoint&) = default;
};
