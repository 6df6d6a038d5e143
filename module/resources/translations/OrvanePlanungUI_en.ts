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
</context>
</TS>
