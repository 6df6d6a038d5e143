#include "host_variables.h"

#include "corekit/installation.h"
#include "corekit/vars_mgr.h"

#include <QStringList>

namespace {

struct Known {
    const char* name;
    int saveType;
    const char* description;
};

// The variables of the module with the save types it passes; the trade folder names of the
// toolbars follow for every trade code.
constexpr Known kKnown[] = {
    {"SYMBOLE_PATH", 0, "Basisordner der Symbole"},
    {"Q3DB_MASTERMODE", 1, "Mastermodus: Symboldateien bei jedem Aufruf neu sammeln (1)"},
    {"CUR_GLOBAL_GEWERK_KZL", 0, "Aktuelles Gewerk (H, S, L, E, A, G, K, B)"},
    {"SYMBOLS_FILELIST_SUPPORT", 1, "Symboldateien des Symbolfensters (mitgeliefert)"},
    {"SYMBOLS_FILELIST_STANDARDS", 1, "Symboldateien des Symbolfensters (eigene)"},
    {"SYMBOLE_MARK_CORNER", 0, "Ecke der Berechnungssymbole markieren (1)"},
    {"SYMBOLE_USE_BUTTON_COLOR", 0, "Eigene Farbe für Berechnungssymbole (1)"},
    {"SYMBOLE_BUTTON_COLOR", 0, "Farbe der Berechnungssymbole (0x00BBGGRR)"},
    {"SYMBOLS_BLOCKFILE", 1, "Vom Modul gesetzt: Blockdatei des letzten Symbols"},
    {"SYMBOLS_SLIDEFILE", 1, "Vom Modul gesetzt: Dia des letzten Symbols"},
};
constexpr const char* kTrades[] = {"H", "S", "L", "E", "A", "G", "K", "B", "USER"};

HostVariable ReadOne(const QString& name, int saveType, const char* description) {
    HostVariable v{name, saveType, QString(), false, description};
    v.exists = COrvaneVarsMgr::GetInstance().get(name, v.value, saveType) != 0;
    return v;
}

} // namespace

namespace HostVariables {

QList<HostVariable> Read() {
    QList<HostVariable> list;
    QStringList names;
    for (const Known& k : kKnown) {
        list << ReadOne(QString::fromLatin1(k.name), k.saveType, k.description);
        names << list.last().name;
    }
    for (const char* trade : kTrades) {
        list << ReadOne(QStringLiteral("Q3DB_SYMBOLTB_DIRNAME_") + QLatin1StringView(trade), 0,
                        "Ordnername der Symbolleisten dieses Gewerks (leer: Vorgabe)");
        names << list.last().name;
    }
    for (const auto& [name, value] : COrvaneInstallation::GetInstance().Variables())
        if (!names.contains(name, Qt::CaseInsensitive)) {
            list << ReadOne(name, 0, "Variable der Installation");
            names << name;
        }
    return list;
}

QStringList Apply(const QList<HostVariable>& variables) {
    QStringList changed;
    COrvaneVarsMgr& vars = COrvaneVarsMgr::GetInstance();
    for (const HostVariable& v : variables) {
        QString now;
        const bool exists = vars.get(v.name, now, v.saveType) != 0;
        if (exists && now == v.value)
            continue;
        if (!exists && v.value.isEmpty())
            continue;
        const int ok =
            exists ? vars.set(v.name, v.value, v.saveType) : vars.make(v.name, v.value, v.saveType);
        if (ok)
            changed << v.name;
    }
    return changed;
}

} // namespace HostVariables

namespace {
int VariableInt(const char* name, int defaultValue) {
    int value = defaultValue;
    return COrvaneVarsMgr::GetInstance().get(QString::fromLatin1(name), value, 0) ? value : defaultValue;
}
} // namespace

namespace HostVariables {

SymbolOptions ReadSymbolOptions() {
    SymbolOptions options;
    options.markCorner = VariableInt("SYMBOLE_MARK_CORNER", 1) != 0;
    options.useButtonColor = VariableInt("SYMBOLE_USE_BUTTON_COLOR", 0) != 0;
    options.buttonColor = quint32(VariableInt("SYMBOLE_BUTTON_COLOR", 0)) & 0xFFFFFFu;
    return options;
}

bool WriteSymbolOptions(const SymbolOptions& options) {
    const SymbolOptions before = ReadSymbolOptions();
    QList<HostVariable> variables = {
        {QStringLiteral("SYMBOLE_MARK_CORNER"), 0, QString::number(options.markCorner ? 1 : 0)},
        {QStringLiteral("SYMBOLE_USE_BUTTON_COLOR"), 0, QString::number(options.useButtonColor ? 1 : 0)},
        {QStringLiteral("SYMBOLE_BUTTON_COLOR"), 0, QString::number(options.buttonColor & 0xFFFFFFu)},
    };
    Apply(variables);
    return !(ReadSymbolOptions() == before);
}

} // namespace HostVariables
