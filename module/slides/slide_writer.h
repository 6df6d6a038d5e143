#pragma once

#include <QByteArray>
#include <QPoint>
#include <QString>

#include <cstdint>

// Builds slide files from lines and colours. Each line is stored in the shortest record that
// holds it (common-endpoint, offset or full vector), so written files use every vector kind.
// Coordinates run from 0 to 32767.
class CSlideWriter {
public:
    CSlideWriter(uint16_t width, uint16_t height);

    // Writes every 16-bit value high byte first (a file from a machine of the other byte order).
    void SetSwapped(bool swapped) { m_swapped = swapped; }
    void SetColor(int colorNumber);
    void AddLine(QPoint from, QPoint to);
    // Always a full vector record, whatever the distance to the last point.
    void AddFullVector(QPoint from, QPoint to);
    // A solid-fill record; the next line starts with a move.
    void AddSolidFill(QPoint vertex);
    // A record kind between 0x80 and 0xFA, which readers skip.
    void AddOtherRecord(uint8_t kind);

    // The file's bytes; without the end record when withEnd is false.
    QByteArray ToBytes(bool withEnd = true) const;
    // Writes the file atomically; answers false when it cannot be written.
    bool WriteToFile(const QString& path) const;

    int LineCount() const { return m_lines; }

private:
    void word(int value);
    void byte(int value);

    uint16_t m_width;
    uint16_t m_height;
    bool m_swapped = false;
    QByteArray m_records;
    QPoint m_last; // the reader's "last point" after the records so far
    int m_lines = 0;
};
