#pragma once

#include "slide_point.h"

#include <QByteArray>

#include <array>
#include <cstdint>
#include <vector>

// The identification at the start of a slide file, and the fixed header it begins.
constexpr int kSlideIdentificationSize = 17;

// What the fixed header of a slide file says.
struct SlideHeader {
    std::array<char, kSlideIdentificationSize> identification{}; // the bytes as found
    uint8_t type = 0;
    uint8_t level = 0;
    uint16_t width = 0;  // highest x coordinate
    uint16_t height = 0; // highest y coordinate
    uint32_t aspectRaw = 0;
    uint16_t hardwareFill = 0;
    bool swapped = false; // the file's byte order is not ours: every word is byte-swapped
};

// How many records of each kind were read.
struct SlideRecordCounts {
    int vectors = 0;
    int offsetVectors = 0;
    int commonEndpoints = 0;
    int solidFills = 0;
    int colors = 0;
    int others = 0;
};

enum class SlideDecodeStatus {
    Complete, // the end record was reached
    CutShort, // the data ended before the end record; what was read is kept
    HeaderTooShort,
    NotASlide, // wrong identification
};

struct SlideDecodeResult {
    SlideDecodeStatus status = SlideDecodeStatus::NotASlide;
    SlideHeader header;
    SlideRecordCounts counts;
    std::vector<SlidePoint> points;
    // Where reading stopped: the offset of the end record, or for a slide cut short of the
    // record that is cut (the size when the data ends between records).
    int64_t stopOffset = 0;

    bool usable() const {
        return status == SlideDecodeStatus::Complete || status == SlideDecodeStatus::CutShort;
    }
};

// Size of the fixed header; records start right after it.
constexpr int kSlideHeaderSize = 31;

// Decodes the bytes of a slide file into its point list. Never reads outside [data, data + size).
SlideDecodeResult DecodeSlide(const char* data, int64_t size);
inline SlideDecodeResult DecodeSlide(const QByteArray& bytes) {
    return DecodeSlide(bytes.constData(), bytes.size());
}
