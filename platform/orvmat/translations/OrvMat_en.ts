<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="de">
<context>
    <name>OrvMat</name>
    <message>
        <source>Artikel</source>
        <translation>Article</translation>
    </message>
    <message>
        <source>Artikel und Mengen</source>
        <translation>Articles and quantities</translation>
    </message>
    <message>
        <source>Bezeichnung</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Menge</source>
        <translation>Quantity</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
</context>
</TS>
