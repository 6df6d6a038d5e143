#include "slide_writer.h"

#include "corekit/atomic_save.h"

namespace {

bool fitsSignedByte(int v) {
    return v >= -128 && v <= 127;
}

} // namespace

CSlideWriter::CSlideWriter(uint16_t width, uint16_t height) : m_width(width), m_height(height) {}

void CSlideWriter::word(int value) {
    const char low = char(value & 0xFF);
    const char high = char((value >> 8) & 0xFF);
    if (m_swapped) {
        m_records.append(high);
        m_records.append(low);
    } else {
        m_records.append(low);
        m_records.append(high);
    }
}

void CSlideWriter::byte(int value) {
    m_records.append(char(value & 0xFF));
}

void CSlideWriter::SetColor(int colorNumber) {
    word(0xFF00 | (colorNumber & 0xFF));
}

void CSlideWriter::AddFullVector(QPoint from, QPoint to) {
    word(from.x() & 0x7FFF);
    word(from.y());
    word(to.x());
    word(to.y());
    m_last = from;
    ++m_lines;
}

void CSlideWriter::AddLine(QPoint from, QPoint to) {
    const QPoint d0 = from - m_last;
    const QPoint d1 = to - m_last;
    if (from == m_last && fitsSignedByte(d1.x()) && fitsSignedByte(d1.y())) {
        word(0xFE00 | (d1.x() & 0xFF));
        byte(d1.y());
        m_last = to;
        ++m_lines;
    } else if (fitsSignedByte(d0.x()) && fitsSignedByte(d0.y()) && fitsSignedByte(d1.x()) &&
               fitsSignedByte(d1.y())) {
        word(0xFB00 | (d0.x() & 0xFF));
        byte(d0.y());
        byte(d1.x());
        byte(d1.y());
        m_last = from;
        ++m_lines;
    } else {
        AddFullVector(from, to);
    }
}

void CSlideWriter::AddSolidFill(QPoint vertex) {
    word(0xFD00);
    word(vertex.x());
    word(vertex.y());
}

void CSlideWriter::AddOtherRecord(uint8_t kind) {
    word(int(kind) << 8);
}

QByteArray CSlideWriter::ToBytes(bool withEnd) const {
    CSlideWriter header(m_width, m_height);
    header.m_swapped = m_swapped;
    QByteArray& out = header.m_records;
    out.append("AutoCAD Slide\r\n\x1a", 16);
    out.append('\0');
    out.append(char(0x56)); // type indicator
    out.append(char(2));    // level
    header.word(m_width);
    header.word(m_height);
    const uint32_t aspect = m_height ? uint32_t(double(m_width) / m_height * 1e7) : 0;
    header.word(int(aspect & 0xFFFF));
    header.word(int(aspect >> 16));
    header.word(2);      // hardware fill
    header.word(0x1234); // test number, in the file's byte order
    out.append(m_records);
    if (withEnd)
        header.word(0xFC00);
    return out;
}

bool CSlideWriter::WriteToFile(const QString& path) const {
    AtomicSave file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const QByteArray bytes = ToBytes();
    if (file.write(bytes) != bytes.size())
        return false;
    return file.commit();
}
