// orvane slide: inspect slide files, render them to PNG or SVG, build slides from a description.

#include "cli_command.h"
#include "cli_output.h"

#include "slides/slide.h"
#include "slides/slide_decoder.h"
#include "slides/slide_description.h"

#include "corekit/whole_file.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QJsonObject>
#include <QPainter>
#include <QRegularExpression>
#include <QSvgGenerator>

namespace orvane::cli {
namespace {

const char* const kSlideHelp =
    "Usage: orvane slide info FILE [--json]\n"
    "       orvane slide points FILE\n"
    "       orvane slide render FILE -o OUT.png|OUT.svg [--size WxH] [--stretch] [--fg COLOUR] [--bg "
    "COLOUR]\n"
    "       orvane slide build DESCRIPTION -o FOLDER\n\n"
    "info    identification, size, byte order, number of points and records of each kind\n"
    "points  one line per point, \"x y colour\", in file order (colour 0: move to)\n"
    "render  draws the slide; the size defaults to the slide's own (at most 20000 x 20000),\n"
    "        colours to white lines on black (#rrggbb or a colour name); without --stretch the\n"
    "        aspect is kept\n"
    "build   writes the slides of a description file (see slide_description.h for the form)\n"
    "        below FOLDER, each into its folder, as NAME.sld\n";

// The largest image side, as --size or as taken from the slide header.
constexpr int kMaxRenderSide = 20000;

QString identificationText(const char* bytes, qsizetype size) {
    QString text;
    for (qsizetype i = 0; i < size; ++i) {
        const char c = bytes[i];
        text += (c >= 0x20 && c < 0x7F) ? QString(QLatin1Char(c))
                                        : QStringLiteral("\\x%1").arg(uchar(c), 2, 16, QLatin1Char('0'));
    }
    return text;
}

// Which check a file that is no usable slide failed.
QString refusal(const SlideDecodeResult& result, const QByteArray& bytes) {
    if (result.status == SlideDecodeStatus::HeaderTooShort)
        return QStringLiteral("the header is cut short: %1 of %2 bytes")
            .arg(bytes.size())
            .arg(kSlideHeaderSize);
    if (bytes.isEmpty())
        return QStringLiteral("the file is empty");
    return QStringLiteral("it does not start with the slide identification (found \"%1\")")
        .arg(identificationText(bytes.constData(),
                                std::min<qsizetype>(bytes.size(), kSlideIdentificationSize)));
}

// Reads and decodes a slide; says on io.err why a file is refused, and warns when the slide
// is cut short, since what is shown then is only the part before the cut.
std::optional<SlideDecodeResult> readSlide(const QString& path, CommandIo& io) {
    WholeFileError error;
    const auto bytes = ReadWholeFile(path, kMaxSlideFileBytes, &error);
    if (!bytes) {
        io.err << error.ToString() << "\n";
        return std::nullopt;
    }
    SlideDecodeResult result = DecodeSlide(*bytes);
    if (!result.usable()) {
        io.err << path << ": not a slide file: " << refusal(result, *bytes) << "\n";
        return std::nullopt;
    }
    if (result.status == SlideDecodeStatus::CutShort)
        io.err << "warning: " << path << ": cut at byte " << result.stopOffset << " before the end record; "
               << result.points.size() << " points read so far\n";
    return result;
}

int runInfo(const QStringList& args, CommandIo& io) {
    const ArgReader reader(args, {}, {QStringLiteral("--json")});
    if (!reader.ok() || reader.positional().size() != 1) {
        io.err << "orvane slide info: one FILE expected\n" << kSlideHelp;
        return UsageError;
    }
    const QString path = reader.positional().first();
    const auto slide = readSlide(path, io);
    if (!slide)
        return WorkFailed;
    const SlideHeader& h = slide->header;
    const SlideRecordCounts& c = slide->counts;
    const QString order = h.swapped ? QStringLiteral("big-endian") : QStringLiteral("little-endian");
    const bool complete = slide->status == SlideDecodeStatus::Complete;
    if (reader.has(QStringLiteral("--json"))) {
        const QJsonObject records{{QStringLiteral("vector"), c.vectors},
                                  {QStringLiteral("offsetVector"), c.offsetVectors},
                                  {QStringLiteral("commonEndpoint"), c.commonEndpoints},
                                  {QStringLiteral("solidFill"), c.solidFills},
                                  {QStringLiteral("colour"), c.colors},
                                  {QStringLiteral("other"), c.others}};
        const QJsonObject info{{QStringLiteral("file"), path},
                               {QStringLiteral("identification"),
                                identificationText(h.identification.data(), kSlideIdentificationSize)},
                               {QStringLiteral("type"), h.type},
                               {QStringLiteral("level"), h.level},
                               {QStringLiteral("width"), h.width},
                               {QStringLiteral("height"), h.height},
                               {QStringLiteral("byteOrder"), order},
                               {QStringLiteral("points"), qint64(slide->points.size())},
                               {QStringLiteral("complete"), complete},
                               {QStringLiteral("records"), records}};
        writeJson(io.out, QJsonDocument(info));
        return Success;
    }
    io.out << "file:            " << path << "\n"
           << "identification:  " << identificationText(h.identification.data(), kSlideIdentificationSize)
           << "\n"
           << "type, level:     " << h.type << ", " << h.level << "\n"
           << "width x height:  " << h.width << " x " << h.height << "\n"
           << "byte order:      " << order << "\n"
           << "points:          " << slide->points.size() << "\n"
           << "vectors:         " << c.vectors << "\n"
           << "offset vectors:  " << c.offsetVectors << "\n"
           << "common endpoint: " << c.commonEndpoints << "\n"
           << "solid fills:     " << c.solidFills << "\n"
           << "colours:         " << c.colors << "\n"
           << "other records:   " << c.others << "\n"
           << "end record:      " << (complete ? "yes" : "no, the file ends before it") << "\n";
    return Success;
}

int runPoints(const QStringList& args, CommandIo& io) {
    if (args.size() != 1) {
        io.err << "orvane slide points: one FILE expected\n" << kSlideHelp;
        return UsageError;
    }
    const auto slide = readSlide(args.first(), io);
    if (!slide)
        return WorkFailed;
    for (const SlidePoint& p : slide->points)
        io.out << p.x << ' ' << p.y << ' ' << p.color << '\n';
    return Success;
}

std::optional<QSize> parseSize(const QString& text) {
    static const QRegularExpression form(QStringLiteral("^(\\d{1,5})x(\\d{1,5})$"));
    const auto match = form.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    const QSize size(match.captured(1).toInt(), match.captured(2).toInt());
    if (size.width() < 1 || size.height() < 1 || size.width() > kMaxRenderSide ||
        size.height() > kMaxRenderSide)
        return std::nullopt;
    return size;
}

// The slide's own size, its highest coordinates plus one; scaled down, aspect kept, to the
// largest size --size takes, with a warning, as a damaged header may claim any size.
QSize sizeFromHeader(const CSlide& slide, const QString& path, CommandIo& io) {
    const QSize own(int(slide.m_width) + 1, int(slide.m_height) + 1);
    if (own.width() <= kMaxRenderSide && own.height() <= kMaxRenderSide)
        return own;
    const QSize used =
        own.scaled(kMaxRenderSide, kMaxRenderSide, Qt::KeepAspectRatio).expandedTo(QSize(1, 1));
    io.err << "warning: " << path << ": the header's size " << own.width() << " x " << own.height()
           << " is larger than " << kMaxRenderSide << " x " << kMaxRenderSide << "; rendering at "
           << used.width() << " x " << used.height() << " (use --size for another)\n";
    return used;
}

bool paintTo(QPaintDevice& device, const CSlide& slide, const QSize& size, const QColor& bg, bool stretch) {
    QPainter painter(&device);
    if (!painter.isActive())
        return false;
    painter.fillRect(QRect(QPoint(), size), bg);
    // The highest slide coordinates map onto the rectangle's width and height, so the last
    // pixel row and column are left out of the rectangle to keep the figure's edges inside.
    slide.Draw(painter, QRect(0, 0, size.width() - 1, size.height() - 1), stretch ? 1 : 0);
    return painter.end();
}

int runRender(const QStringList& args, CommandIo& io) {
    const ArgReader reader(
        args,
        {QStringLiteral("-o"), QStringLiteral("--size"), QStringLiteral("--fg"), QStringLiteral("--bg")},
        {QStringLiteral("--stretch")});
    const auto out = reader.value(QStringLiteral("-o"));
    if (!reader.ok() || reader.positional().size() != 1 || !out) {
        io.err << "orvane slide render: FILE and -o OUT expected\n" << kSlideHelp;
        return UsageError;
    }
    const QString suffix = QFileInfo(*out).suffix().toLower();
    const QColor fg(reader.value(QStringLiteral("--fg"), QStringLiteral("white")));
    const QColor bg(reader.value(QStringLiteral("--bg"), QStringLiteral("black")));
    if ((suffix != QLatin1String("png") && suffix != QLatin1String("svg")) || !fg.isValid() ||
        !bg.isValid()) {
        io.err << "orvane slide render: OUT must end in .png or .svg, colours must be #rrggbb or names\n";
        return UsageError;
    }
    std::optional<QSize> size;
    if (const auto sizeText = reader.value(QStringLiteral("--size"));
        sizeText && !(size = parseSize(*sizeText))) {
        io.err << "orvane slide render: --size wants WxH, e.g. 64x64\n";
        return UsageError;
    }
    if (!readyOutputFile(*out, io.err, reader.positional()))
        return WorkFailed;
    auto decoded = readSlide(reader.positional().first(), io);
    if (!decoded)
        return WorkFailed;
    CSlide slide;
    slide.LoadDecoded(std::move(*decoded));
    slide.SetForegroundColor(ColorRefFromColor(fg));
    if (!size)
        size = sizeFromHeader(slide, reader.positional().first(), io);
    bool written = false;
    if (suffix == QLatin1String("svg")) {
        QSvgGenerator svg;
        svg.setFileName(*out);
        svg.setSize(*size);
        svg.setViewBox(QRect(QPoint(), *size));
        written = paintTo(svg, slide, *size, bg, reader.has(QStringLiteral("--stretch"))) &&
                  QFileInfo::exists(*out);
    } else {
        QImage image(*size, QImage::Format_RGB32);
        written = paintTo(image, slide, *size, bg, reader.has(QStringLiteral("--stretch"))) &&
                  image.save(*out, "PNG");
    }
    if (!written) {
        io.err << *out << ": cannot be written\n";
        return WorkFailed;
    }
    return Success;
}

int runBuild(const QStringList& args, CommandIo& io) {
    const ArgReader reader(args, {QStringLiteral("-o")}, {});
    const auto outDir = reader.value(QStringLiteral("-o"));
    if (!reader.ok() || reader.positional().size() != 1 || !outDir || outDir->isEmpty()) {
        io.err << "orvane slide build: DESCRIPTION and -o FOLDER expected\n" << kSlideHelp;
        return UsageError;
    }
    const QString descPath = reader.positional().first();
    WholeFileError failure;
    const auto text = ReadWholeFile(descPath, kMaxSlideDescriptionBytes, &failure);
    if (!text) {
        io.err << failure.ToString() << "\n";
        return WorkFailed;
    }
    std::vector<DescribedSlide> slides;
    SlideDescriptionError error;
    if (!ReadSlideDescription(QString::fromUtf8(*text), slides, error)) {
        io.err << descPath << ':' << error.line << ": " << error.message << '\n';
        return WorkFailed;
    }
    for (const DescribedSlide& slide : slides) {
        const QDir folder(QDir(*outDir).filePath(slide.folder));
        const QString path = folder.filePath(slide.name + QStringLiteral(".sld"));
        if (!readyOutputFile(path, io.err, {descPath}))
            return WorkFailed;
        if (!slide.writer.WriteToFile(path)) {
            io.err << path << ": cannot be written\n";
            return WorkFailed;
        }
        io.out << (slide.folder.isEmpty() ? QString() : slide.folder + QLatin1Char('/')) << slide.name
               << ".sld\n";
    }
    return Success;
}

int runSlide(const QStringList& args, CommandIo& io) {
    if (args.isEmpty() || (wantsHelp(args) && args.size() <= 2)) {
        (args.isEmpty() ? io.err : io.out) << kSlideHelp;
        return args.isEmpty() ? UsageError : Success;
    }
    const QString verb = args.first();
    const QStringList rest = args.mid(1);
    if (wantsHelp(rest)) {
        io.out << kSlideHelp;
        return Success;
    }
    if (verb == QLatin1String("info"))
        return runInfo(rest, io);
    if (verb == QLatin1String("points"))
        return runPoints(rest, io);
    if (verb == QLatin1String("render"))
        return runRender(rest, io);
    if (verb == QLatin1String("build"))
        return runBuild(rest, io);
    io.err << "orvane slide: unknown command " << verb << "\n" << kSlideHelp;
    return UsageError;
}

const CommandRegistration registration{
    {QStringLiteral("slide"), QStringLiteral("inspect, render and build slide files (.sld)"), runSlide,
     [](const QStringList& args) { return args.value(0) == QStringLiteral("render"); }}};

} // namespace
} // namespace orvane::cli
