<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="de">
<context>
    <name>WidgetTest</name>
    <message><source>Symboleigenschaften</source><translation>Symbol properties</translation></message>
    <message><source>@Objektfang@Nächster</source><translation>Nearest</translation></message>
    <message><source>Abbrechen</source><translation>Cancel</translation></message>
    <message><source>Schließt ohne zu speichern</source><translation>Closes without saving</translation></message>
</context>
</TS>
