<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="de">
<context>
    <name>OrvanePlanungUI</name>
    <message>
        <source>zurück</source>
        <translation>back</translation>
    </message>
    <message>
        <source>weiter</source>
        <translation>forward</translation>
    </message>
    <message>
        <source>Seiten</source>
        <translation>Pages</translation>
    </message>
    <message>
        <source>Symbole</source>
        <translation>Symbols</translation>
    </message>
    <message>
        <source>Standard-Größe</source>
        <translation>Standard size</translation>
    </message>
    <message>
        <source>Schaltflächen strecken/nicht strecken</source>
        <translation>Stretch/do not stretch buttons</translation>
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
        <source>Freie Symbole</source>
        <translation>Free symbols</translation>
    </message>
    <message>
        <source>Änderungen konnten nicht gespeichert werden.</source>
        <translation>Changes could not be saved.</translation>
    </message>
    <message>
        <source>Eigenschaften</source>
        <translation>Properties</translation>
    </message>
    <message>
        <source>Titel</source>
        <translation>Title</translation>
    </message>
    <message>
        <source>Datei</source>
        <translation>File</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
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
</context>
</TS>
