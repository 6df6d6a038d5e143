<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<!-- English texts of the module shared by every part. A part with many texts of its own keeps
     them in OrvanePlanungUI.<part>_en.ts beside this file (docs/translations.md). -->
<TS version="2.1" language="en" sourcelanguage="de">
<context>
    <name>OrvanePlanungUI</name>
    <message>
        <source>Fehler</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Warnung</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>Hinweis</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>@Gewerk@Heizung</source>
        <translation>Heating</translation>
    </message>
    <message>
        <source>@Gewerk@Sanitär</source>
        <translation>Plumbing</translation>
    </message>
    <message>
        <source>@Gewerk@Lüftung</source>
        <translation>Ventilation</translation>
    </message>
    <message>
        <source>@Gewerk@Elektro</source>
        <translation>Electrical</translation>
    </message>
    <message>
        <source>@Gewerk@Architektur</source>
        <translation>Architecture</translation>
    </message>
    <message>
        <source>@Gewerk@Brandschutz</source>
        <translation>Fire protection</translation>
    </message>
    <message>
        <source>@Gewerk@Gas</source>
        <translation>Gas</translation>
    </message>
    <message>
        <source>@Gewerk@Kälte</source>
        <translation>Refrigeration</translation>
    </message>
    <message>
        <source>Materialliste der Station</source>
        <translation>Material list of the station</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Beschreibung</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Symbole</source>
        <translation>Symbols</translation>
    </message>
    <message>
        <source>zurück</source>
        <translation>back</translation>
    </message>
    <message>
        <source>weiter</source>
        <translation>next</translation>
    </message>
    <message>
        <source>Optionen</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Symbol suchen</source>
        <translation>Find symbol</translation>
    </message>
    <message>
        <source>Nächstes Symbol suchen</source>
        <translation>Find next symbol</translation>
    </message>
    <message>
        <source>Seiten</source>
        <translation>Pages</translation>
    </message>
    <message>
        <source>Symbolsuche</source>
        <translation>Symbol search</translation>
    </message>
    <message>
        <source>Text eingeben</source>
        <translation>Enter text</translation>
    </message>
    <message>
        <source>'%s' wurde nicht gefunden.</source>
        <translation>'%s' was not found.</translation>
    </message>
    <message>
        <source>Eigenschaften</source>
        <translation>Properties</translation>
    </message>
    <message>
        <source>Änderungen konnten nicht gespeichert werden.</source>
        <translation>The changes could not be saved.</translation>
    </message>
</context>
</TS>
