#include "slide_description.h"

#include <QRegularExpression>
#include <QStringList>

#include <QHash>

#include <cmath>
#include <numbers>
#include <optional>

namespace {

// Curves are drawn as chords of at most this many degrees.
constexpr double kChordDegrees = 10.0;

std::optional<std::vector<int>> numbers(const QStringList& words, qsizetype from) {
    std::vector<int> values;
    for (qsizetype i = from; i < words.size(); ++i) {
        bool ok = false;
        const int v = words[i].toInt(&ok);
        if (!ok || v < 0 || v > 32767)
            return std::nullopt;
        values.push_back(v);
    }
    return values;
}

void addPolyline(CSlideWriter& writer, const std::vector<QPoint>& points) {
    for (size_t i = 1; i < points.size(); ++i)
        writer.AddLine(points[i - 1], points[i]);
}

std::vector<QPoint> arcPoints(int cx, int cy, int r, double fromDeg, double toDeg) {
    while (toDeg <= fromDeg)
        toDeg += 360.0;
    const int steps = std::max(2, int(std::ceil((toDeg - fromDeg) / kChordDegrees)));
    std::vector<QPoint> points;
    for (int i = 0; i <= steps; ++i) {
        const double a = (fromDeg + (toDeg - fromDeg) * i / steps) * std::numbers::pi / 180.0;
        points.emplace_back(int(std::lround(cx + r * std::cos(a))), int(std::lround(cy + r * std::sin(a))));
    }
    return points;
}

class DescriptionReader {
public:
    DescriptionReader(std::vector<DescribedSlide>& slides, SlideDescriptionError& error)
        : m_slides(slides), m_error(error) {}

    bool statement(const QStringList& words, int line);
    bool finish(int line) {
        if (m_inSlide)
            return fail(line, QStringLiteral("slide %1 has no end").arg(m_slides.back().name));
        return true;
    }

private:
    bool fail(int line, const QString& message) {
        m_error = {line, message};
        return false;
    }
    bool shape(const QString& keyword, const std::vector<int>& v, int line);

    std::vector<DescribedSlide>& m_slides;
    SlideDescriptionError& m_error;
    QString m_folder;
    bool m_inSlide = false;
    // The drawing statements of every slide so far, by name, for "include".
    QHash<QString, QList<QStringList>> m_statements;
};

bool DescriptionReader::statement(const QStringList& words, int line) {
    const QString& keyword = words.first();
    if (keyword == QLatin1String("folder")) {
        if (m_inSlide || words.size() != 2)
            return fail(line, QStringLiteral("folder needs one name, outside a slide"));
        m_folder = words[1];
        return true;
    }
    if (keyword == QLatin1String("slide")) {
        if (m_inSlide)
            return fail(line, QStringLiteral("slide inside a slide"));
        const auto size = numbers(words, 2);
        if (words.size() < 2 || !size || !(size->empty() || size->size() == 2))
            return fail(line, QStringLiteral("slide needs a name and optionally a width and a height"));
        DescribedSlide slide{m_folder, words[1],
                             CSlideWriter(size->empty() ? 1000 : uint16_t((*size)[0]),
                                          size->empty() ? 1000 : uint16_t((*size)[1]))};
        m_slides.push_back(std::move(slide));
        m_inSlide = true;
        return true;
    }
    if (!m_inSlide)
        return fail(line, QStringLiteral("%1 outside a slide").arg(keyword));
    if (keyword == QLatin1String("end")) {
        m_inSlide = false;
        return true;
    }
    QList<QStringList>& own = m_statements[m_slides.back().name];
    if (keyword == QLatin1String("include")) {
        if (words.size() != 2 || words[1] == m_slides.back().name || !m_statements.contains(words[1]))
            return fail(line, QStringLiteral("include needs the name of an earlier slide"));
        const QList<QStringList> included = m_statements.value(words[1]);
        for (const QStringList& statement : included)
            if (!shape(statement.first(), *numbers(statement, 1), line))
                return false;
        own.append(included);
        return true;
    }
    const auto values = numbers(words, 1);
    if (!values)
        return fail(line, QStringLiteral("numbers from 0 to 32767 expected"));
    if (!shape(keyword, *values, line))
        return false;
    own.append(words);
    return true;
}

bool DescriptionReader::shape(const QString& keyword, const std::vector<int>& v, int line) {
    CSlideWriter& writer = m_slides.back().writer;
    const auto needs = [&](size_t count) {
        return v.size() == count ? true
                                 : fail(line, QStringLiteral("%1 needs %2 numbers").arg(keyword).arg(count));
    };
    if (keyword == QLatin1String("color")) {
        if (!needs(1))
            return false;
        if (v[0] > 255) // a colour record holds one byte
            return fail(line, QStringLiteral("colour numbers are 0 to 255, not %1").arg(v[0]));
        writer.SetColor(v[0]);
    } else if (keyword == QLatin1String("line")) {
        if (!needs(4))
            return false;
        writer.AddLine({v[0], v[1]}, {v[2], v[3]});
    } else if (keyword == QLatin1String("poly") || keyword == QLatin1String("closed")) {
        if (v.size() < 4 || v.size() % 2 != 0)
            return fail(line, QStringLiteral("%1 needs pairs of numbers, at least two").arg(keyword));
        std::vector<QPoint> points;
        for (size_t i = 0; i < v.size(); i += 2)
            points.emplace_back(v[i], v[i + 1]);
        if (keyword == QLatin1String("closed"))
            points.push_back(points.front());
        addPolyline(writer, points);
    } else if (keyword == QLatin1String("rect")) {
        if (!needs(4))
            return false;
        addPolyline(writer, {{v[0], v[1]}, {v[2], v[1]}, {v[2], v[3]}, {v[0], v[3]}, {v[0], v[1]}});
    } else if (keyword == QLatin1String("circle") || keyword == QLatin1String("arc")) {
        if (!needs(keyword == QLatin1String("arc") ? 5 : 3))
            return false;
        const bool full = keyword == QLatin1String("circle");
        const std::vector<QPoint> points =
            arcPoints(v[0], v[1], v[2], full ? 0.0 : v[3], full ? 360.0 : v[4]);
        // A curve must stay on the sheet: coordinates below 0 would wrap round to 65535.
        for (const QPoint& p : points)
            if (p.x() < 0 || p.y() < 0 || p.x() > 32767 || p.y() > 32767)
                return fail(line,
                            QStringLiteral("%1 reaches outside the coordinates 0 to 32767").arg(keyword));
        addPolyline(writer, points);
    } else if (keyword == QLatin1String("fill")) {
        if (!needs(0))
            return false;
        writer.AddSolidFill({0, 0});
    } else {
        return fail(line, QStringLiteral("unknown statement %1").arg(keyword));
    }
    return true;
}

} // namespace

bool ReadSlideDescription(const QString& text, std::vector<DescribedSlide>& slides,
                          SlideDescriptionError& error) {
    DescriptionReader reader(slides, error);
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (int i = 0; i < lines.size(); ++i) {
        const QString content = lines[i].section(QLatin1Char('#'), 0, 0);
        const QStringList words =
            content.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
        if (!words.isEmpty() && !reader.statement(words, i + 1))
            return false;
    }
    return reader.finish(int(lines.size()));
}
