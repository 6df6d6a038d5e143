#include "slide_decoder.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr char kIdentification[] = "AutoCAD Slide";
constexpr int kIdentificationChecked = 13;
constexpr uint16_t kTestNumber = 0x1234;
constexpr int kEndRecordKind = 0xFC;

// Reads the data front to back; every read checks the remaining length first.
class ByteReader {
public:
    ByteReader(const char* data, int64_t size)
        : m_data(reinterpret_cast<const uint8_t*>(data)), m_size(size) {}

    void setSwapped(bool swapped) { m_swapped = swapped; }
    bool canRead(int64_t count) const { return m_size - m_pos >= count; }
    int64_t position() const { return m_pos; }

    bool byte(uint8_t& value) {
        if (!canRead(1))
            return false;
        value = m_data[m_pos++];
        return true;
    }
    bool signedByte(int& value) {
        uint8_t raw = 0;
        if (!byte(raw))
            return false;
        value = static_cast<int8_t>(raw);
        return true;
    }
    // A 16-bit value stored low byte first, exchanged when the file asks for swapping.
    bool word(uint16_t& value) {
        if (!canRead(2))
            return false;
        const uint16_t low = m_data[m_pos];
        const uint16_t high = m_data[m_pos + 1];
        m_pos += 2;
        value =
            m_swapped ? static_cast<uint16_t>((low << 8) | high) : static_cast<uint16_t>((high << 8) | low);
        return true;
    }
    bool skip(int64_t count) {
        if (!canRead(count))
            return false;
        m_pos += count;
        return true;
    }

private:
    const uint8_t* m_data;
    int64_t m_size;
    int64_t m_pos = 0;
    bool m_swapped = false;
};

struct Point16 {
    int x = 0;
    int y = 0;
    bool operator==(const Point16&) const = default;
};

int wrap16(int value) {
    return value & 0xFFFF;
}

Point16 offsetFrom(Point16 base, int dx, int dy) {
    return {wrap16(base.x + dx), wrap16(base.y + dy)};
}

bool readHeader(ByteReader& in, SlideHeader& header) {
    uint16_t aspectLow = 0;
    uint16_t aspectHigh = 0;
    uint16_t test = 0;
    if (!in.byte(header.type) || !in.byte(header.level) || !in.word(header.width) ||
        !in.word(header.height) || !in.word(aspectLow) || !in.word(aspectHigh) ||
        !in.word(header.hardwareFill) || !in.word(test))
        return false;
    header.aspectRaw = (uint32_t(aspectHigh) << 16) | aspectLow;
    if (test != kTestNumber) {
        // Everything 16-bit was read in our order; exchange the bytes of what we keep.
        header.swapped = true;
        header.width = static_cast<uint16_t>((header.width << 8) | (header.width >> 8));
        header.height = static_cast<uint16_t>((header.height << 8) | (header.height >> 8));
        header.hardwareFill = static_cast<uint16_t>((header.hardwareFill << 8) | (header.hardwareFill >> 8));
    }
    return true;
}

// Turns the record stream into points: keeps the last point, the last end point, the current
// colour and the break flag between records.
class FigureBuilder {
public:
    explicit FigureBuilder(std::vector<SlidePoint>& points) : m_points(points) {}

    void line(Point16 from, Point16 to) {
        if (!(m_hasEnd && from == m_lastEnd && !m_break))
            m_points.push_back({from.x, from.y, 0});
        m_points.push_back({to.x, to.y, m_color});
        m_break = false;
        m_lastEnd = to;
        m_hasEnd = true;
    }
    void setColor(int color) { m_color = static_cast<int16_t>(color); }
    void setBreak() { m_break = true; }

    Point16 last;

private:
    std::vector<SlidePoint>& m_points;
    Point16 m_lastEnd;
    bool m_hasEnd = false;
    bool m_break = false;
    int16_t m_color = 7;
};

// Reads one record after its first word; answers false when the data ends inside it.
bool readRecord(ByteReader& in, uint16_t word, FigureBuilder& figure, SlideRecordCounts& counts) {
    const int high = word >> 8;
    const int low = word & 0xFF;
    if (high <= 0x7F) {
        uint16_t fromY = 0, toX = 0, toY = 0;
        if (!in.word(fromY) || !in.word(toX) || !in.word(toY))
            return false;
        const Point16 from{word, fromY};
        figure.line(from, {toX, toY});
        figure.last = from;
        ++counts.vectors;
    } else if (high == 0xFB) {
        int fromDy = 0, toDx = 0, toDy = 0;
        if (!in.signedByte(fromDy) || !in.signedByte(toDx) || !in.signedByte(toDy))
            return false;
        const Point16 from = offsetFrom(figure.last, static_cast<int8_t>(low), fromDy);
        figure.line(from, offsetFrom(figure.last, toDx, toDy));
        figure.last = from;
        ++counts.offsetVectors;
    } else if (high == 0xFD) {
        if (!in.skip(4))
            return false;
        figure.setBreak();
        ++counts.solidFills;
    } else if (high == 0xFE) {
        int dy = 0;
        if (!in.signedByte(dy))
            return false;
        const Point16 to = offsetFrom(figure.last, static_cast<int8_t>(low), dy);
        figure.line(figure.last, to);
        figure.last = to;
        ++counts.commonEndpoints;
    } else if (high == 0xFF) {
        figure.setColor(low);
        ++counts.colors;
    } else {
        ++counts.others;
    }
    return true;
}

} // namespace

SlideDecodeResult DecodeSlide(const char* data, int64_t size) {
    SlideDecodeResult result;
    ByteReader in(data, size);
    if (!in.canRead(17)) {
        // Too short for the identification: a cut-off slide when what is there matches it.
        const bool prefixMatches =
            size > 0 &&
            std::memcmp(data, kIdentification, size_t(std::min<int64_t>(size, kIdentificationChecked))) == 0;
        result.status = prefixMatches ? SlideDecodeStatus::HeaderTooShort : SlideDecodeStatus::NotASlide;
        return result;
    }
    result.header.identification = QByteArray(data, 17);
    if (std::memcmp(data, kIdentification, kIdentificationChecked) != 0) {
        result.status = SlideDecodeStatus::NotASlide;
        return result;
    }
    in.skip(17);
    if (!readHeader(in, result.header)) {
        result.status = SlideDecodeStatus::HeaderTooShort;
        return result;
    }
    in.setSwapped(result.header.swapped);

    // A slide has at most one point per byte of records; reserving from the size keeps
    // decoding of large files free of repeated growth.
    result.points.reserve(size_t(std::min<int64_t>(size - kSlideHeaderSize, 1 << 16)));
    FigureBuilder figure(result.points);
    result.status = SlideDecodeStatus::CutShort;
    uint16_t word = 0;
    while (in.word(word)) {
        if ((word >> 8) == kEndRecordKind) {
            result.status = SlideDecodeStatus::Complete;
            break;
        }
        if (!readRecord(in, word, figure, result.counts))
            break;
    }
    return result;
}
