// orvane hydraulics: the schematic of a hydraulic circuit as a picture or as the list of
// primitives the renderer produced.

#include "cli_command.h"
#include "cli_output.h"

#include "corekit/atomic_save.h"

#include "hydraulics/circuit_model.h"
#include "hydraulics/schematic_builder.h"
#include "hydraulics/schematic_listing.h"
#include "hydraulics/schematic_painter.h"

#include <QJsonDocument>
#include <QRegularExpression>

#include <optional>

namespace orvane::cli {
namespace {

const char* const kHydraulicsHelp =
    "Usage: orvane hydraulics render [OPTIONS] -o OUT.png|OUT.svg\n"
    "       orvane hydraulics primitives [OPTIONS] [--json]\n\n"
    "render      draws the schematic of a circuit to a PNG or an SVG file\n"
    "primitives  lists the primitives of the schematic in drawing order and the up and down\n"
    "            rectangles of the valve-position control\n\n"
    "Options:\n"
    "  --type N         circuit type 0 ... 6 (default 0)\n"
    "                   0 Beimischschaltung, 1 mit Konstantbeimischung, 2 Verteilschaltung,\n"
    "                   3 Einspritzschaltung mit Dreiwege-Armatur, 4 Hydraulische Weiche,\n"
    "                   5 Einspritzschaltung mit Zweiwege-Armatur, 6 Drosselschaltung\n"
    "  --valve P        valve position -1 (not shown, default) or 0 ... 100\n"
    "  --valve-type V   0 Armatur (default), 1 Ventil, 2 Hahn\n"
    "  --actuator 0|1   valve with actuator (default 1)\n"
    "  --supply 0|1     control valve in the supply (default 1)\n"
    "  --check 0|1      with non-return valve (default 1)\n"
    "  --throttle 0|1   constant admixture with throttle valve (default 1)\n"
    "  --size WxH       client area in pixels (default 660x440)\n";

const QStringList kValueOptions{
    QStringLiteral("--type"),     QStringLiteral("--valve"),  QStringLiteral("--valve-type"),
    QStringLiteral("--actuator"), QStringLiteral("--supply"), QStringLiteral("--check"),
    QStringLiteral("--throttle"), QStringLiteral("--size"),   QStringLiteral("-o")};

struct tRequest {
    CHydraulicsModel model;
    QSize size{660, 440};
};

// Reads an integer option within [low, high]; false with a message when it is not one.
bool ReadInt(const ArgReader& reader, const QString& option, int low, int high, int& target, QString& error) {
    const auto text = reader.value(option);
    if (!text)
        return true;
    bool ok = false;
    const int value = text->toInt(&ok);
    if (!ok || value < low || value > high) {
        error = QStringLiteral("%1 needs a whole number from %2 to %3, not \"%4\"")
                    .arg(option)
                    .arg(low)
                    .arg(high)
                    .arg(*text);
        return false;
    }
    target = value;
    return true;
}

bool ReadSize(const ArgReader& reader, QSize& size, QString& error) {
    const auto text = reader.value(QStringLiteral("--size"));
    if (!text)
        return true;
    static const QRegularExpression pattern(QStringLiteral("^(\\d{1,5})x(\\d{1,5})$"));
    const auto match = pattern.match(*text);
    const int w = match.hasMatch() ? match.captured(1).toInt() : 0;
    const int h = match.hasMatch() ? match.captured(2).toInt() : 0;
    if (w < 1 || h < 1 || w > 10000 || h > 10000) {
        error = QStringLiteral("--size needs WIDTHxHEIGHT, each 1 ... 10000, not \"%1\"").arg(*text);
        return false;
    }
    size = QSize(w, h);
    return true;
}

std::optional<tRequest> ReadRequest(const ArgReader& reader, QString& error) {
    tRequest request;
    CHydraulicsModel& m = request.model;
    int type = m.m_circuitType;
    int valve = m.ValvePosition();
    const bool ok =
        ReadInt(reader, QStringLiteral("--type"), 0, Hydraulics::kCircuitTypeCount - 1, type, error) &&
        ReadInt(reader, QStringLiteral("--valve"), -1, 100, valve, error) &&
        ReadInt(reader, QStringLiteral("--valve-type"), 0, 2, m.m_valveType, error) &&
        ReadInt(reader, QStringLiteral("--actuator"), 0, 1, m.m_actuator, error) &&
        ReadInt(reader, QStringLiteral("--supply"), 0, 1, m.m_valveInSupply, error) &&
        ReadInt(reader, QStringLiteral("--check"), 0, 1, m.m_checkValve, error) &&
        ReadInt(reader, QStringLiteral("--throttle"), 0, 1, m.m_throttle, error) &&
        ReadSize(reader, request.size, error);
    if (!ok)
        return std::nullopt;
    m.SetCircuitType(type);
    m.SetValvePosition(valve);
    return request;
}

int Render(const tRequest& request, const QString& out, CommandIo& io) {
    const bool svg = out.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive);
    const auto schematic = Hydraulics::BuildSchematic(request.size, request.model);
    if (!readyOutputFile(out, io.err))
        return WorkFailed;
    AtomicSave file(out);
    if (!file.open(QIODevice::WriteOnly)) {
        io.err << out << ": cannot be written\n";
        return WorkFailed;
    }
    const bool written = svg ? Hydraulics::WriteSchematicSvg(schematic, file)
                             : Hydraulics::RenderSchematicImage(schematic).save(&file, "PNG");
    if (!written || !file.commit()) {
        io.err << out << ": cannot be written\n";
        return WorkFailed;
    }
    return Success;
}

int RunHydraulics(const QStringList& args, CommandIo& io) {
    if (args.isEmpty() || wantsHelp(args)) {
        (args.isEmpty() ? io.err : io.out) << kHydraulicsHelp;
        return args.isEmpty() ? UsageError : Success;
    }
    const QString verb = args.first();
    const bool render = verb == QStringLiteral("render");
    if (!render && verb != QStringLiteral("primitives")) {
        io.err << "orvane hydraulics: unknown command \"" << verb << "\"\n" << kHydraulicsHelp;
        return UsageError;
    }
    const QStringList switches = render ? QStringList{} : QStringList{QStringLiteral("--json")};
    const ArgReader reader(args.mid(1), kValueOptions, switches);
    QString error = reader.error();
    const auto request = reader.ok() ? ReadRequest(reader, error) : std::nullopt;
    if (!request || !reader.positional().isEmpty()) {
        io.err << "orvane hydraulics: " << (error.isEmpty() ? QStringLiteral("unexpected arguments") : error)
               << "\n";
        return UsageError;
    }
    if (render) {
        const QString out = reader.value(QStringLiteral("-o"), QString());
        if (!out.endsWith(QStringLiteral(".png"), Qt::CaseInsensitive) &&
            !out.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive)) {
            io.err << "orvane hydraulics render: -o needs a file ending in .png or .svg\n";
            return UsageError;
        }
        return Render(*request, out, io);
    }
    const auto schematic = Hydraulics::BuildSchematic(request->size, request->model);
    if (reader.has(QStringLiteral("--json")))
        writeJson(io.out, QJsonDocument(Hydraulics::SchematicToJson(schematic)));
    else
        io.out << Hydraulics::SchematicToText(schematic);
    return Success;
}

const CommandRegistration registration{
    {QStringLiteral("hydraulics"),
     QStringLiteral("render hydraulic circuit schematics and list their primitives"), RunHydraulics,
     [](const QStringList& args) { return args.value(0) == QStringLiteral("render"); }}};

} // namespace
} // namespace orvane::cli
