#include "slide_colors.h"

COLORREF SlideColorToColorRef(int colorNumber, COLORREF foreground) {
    switch (colorNumber) {
    case 1:
        return 0x0000FF;
    case 2:
        return 0x00FFFF;
    case 3:
        return 0x00FF00;
    case 4:
        return 0xFFFF00;
    case 5:
        return 0xFF0000;
    case 6:
        return 0xFF00FF;
    case 7:
    case 250:
        return foreground;
    case 255:
        return 0xFFFFFF;
    default:
        return 0x000000;
    }
}
