#pragma once

#include "slide_writer.h"

#include <QString>

#include <vector>

// One slide described in a slide description file: where it goes and its content.
struct DescribedSlide {
    QString folder; // relative folder below the output folder, may be empty
    QString name;   // file name without extension
    CSlideWriter writer{1000, 1000};
};

struct SlideDescriptionError {
    int line = 0;
    QString message;
};

// Reads a slide description: a readable text form from which the sample slides are built.
//
//   # comment (also after a statement)
//   folder Heizung                 following slides go to the folder Heizung
//   slide Pumpe [W H]              starts a slide (highest coordinates, default 1000 1000)
//   color N                        colour number (0 to 255) of the following lines
//   line X1 Y1 X2 Y2
//   poly X Y X Y ...               open polyline
//   closed X Y X Y ...             closed polygon
//   rect X1 Y1 X2 Y2
//   circle CX CY R
//   arc CX CY R FROM TO            degrees, counter-clockwise from FROM to TO
//   fill                           a solid-fill record (a break in the figure)
//   include NAME                   repeats the statements of the earlier slide NAME
//   end                            ends the slide
//
// Answers false and fills error at the first line that cannot be read.
bool ReadSlideDescription(const QString& text, std::vector<DescribedSlide>& slides,
                          SlideDescriptionError& error);

// Description files are read whole up to this size; those in use have a few kilobytes.
constexpr qint64 kMaxSlideDescriptionBytes = 16 * 1024 * 1024;
