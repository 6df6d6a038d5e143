<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<!-- English texts of the hydraulic circuit dialog ("Schließen" is among the shared texts). -->
<TS version="2.1" language="en" sourcelanguage="de">
<context>
    <name>OrvanePlanungUI</name>
    <message>
        <source>Hydraulische Schaltungen</source>
        <translation>Hydraulic circuits</translation>
    </message>
    <message>
        <source>Schaltungsart</source>
        <translation>Circuit type</translation>
    </message>
    <message>
        <source>Schaltbild</source>
        <translation>Schematic</translation>
    </message>
    <message>
        <source>Beimischschaltung</source>
        <translation>Admixing circuit</translation>
    </message>
    <message>
        <source>Beimischschaltung mit Konstantbeimischung</source>
        <translation>Admixing circuit with constant admixture</translation>
    </message>
    <message>
        <source>Verteilschaltung</source>
        <translation>Diverting circuit</translation>
    </message>
    <message>
        <source>Drosselschaltung</source>
        <translation>Throttling circuit</translation>
    </message>
    <message>
        <source>Einspritzschaltung mit Dreiwege-Armatur</source>
        <translation>Injection circuit with three-way valve</translation>
    </message>
    <message>
        <source>Einspritzschaltung mit Zweiwege-Armatur</source>
        <translation>Injection circuit with two-way valve</translation>
    </message>
    <message>
        <source>Hydraulische Weiche</source>
        <translation>Hydraulic separator</translation>
    </message>
    <message>
        <source>Dreiwege-Armatur</source>
        <translation>Three-way fitting</translation>
    </message>
    <message>
        <source>Dreiwege-Ventil</source>
        <translation>Three-way valve</translation>
    </message>
    <message>
        <source>Dreiwege-Hahn</source>
        <translation>Three-way cock</translation>
    </message>
    <message>
        <source>Zweiwege-Armatur</source>
        <translation>Two-way fitting</translation>
    </message>
    <message>
        <source>Zweiwege-Ventil</source>
        <translation>Two-way valve</translation>
    </message>
    <message>
        <source>Zweiwege-Hahn</source>
        <translation>Two-way cock</translation>
    </message>
    <message>
        <source>Regelarmatur im Vorlauf</source>
        <translation>Control valve in the supply</translation>
    </message>
    <message>
        <source>mit Stellmotor</source>
        <translation>with actuator</translation>
    </message>
    <message>
        <source>mit Rückflussverhinderer</source>
        <translation>with non-return valve</translation>
    </message>
    <message>
        <source>mit Drosselventil</source>
        <translation>with throttle valve</translation>
    </message>
    <message>
        <source>Zeichnen</source>
        <translation>Draw</translation>
    </message>
</context>
</TS>
