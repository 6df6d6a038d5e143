<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="de">
<context>
    <name>OrvanePlanungUI</name>
    <message>
        <source>Standard-Größe</source>
        <translation>Standard size</translation>
    </message>
    <message>
        <source>Schaltflächen strecken/nicht strecken</source>
        <translation>Stretch/do not stretch buttons</translation>
    </message>
    <message>
        <source>Freie Symbole</source>
        <translation>Free symbols</translation>
    </message>
    <message>
        <source>Titel</source>
        <translation>Title</translation>
    </message>
    <message>
        <source>Datei</source>
        <translation>File</translation>
    </message>
</context>
</TS>
