<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="de">
<context>
    <name>OrvanePlanungUI</name>
    <message>
        <source>Symbolhilfe</source>
        <translation>Symbol help</translation>
    </message>
    <message>
        <source>Schnellsuche</source>
        <translation>Quick find</translation>
    </message>
    <message>
        <source>Treffer der Schnellsuche</source>
        <translation>Quick find hits</translation>
    </message>
    <message>
        <source>ganzes Wort</source>
        <translation>whole word</translation>
    </message>
    <message>
        <source>Wortanfang</source>
        <translation>beginning of a word</translation>
    </message>
    <message>
        <source>im Wort</source>
        <translation>inside a word</translation>
    </message>
    <message>
        <source>ein Tippfehler</source>
        <translation>one typo</translation>
    </message>
    <message>
        <source>Blockname</source>
        <translation>block name</translation>
    </message>
    <message>
        <source>Namen</source>
        <translation>Names</translation>
    </message>
    <message>
        <source>Blockname/-datei</source>
        <translation>Block name/file</translation>
    </message>
    <message>
        <source>Blockdatei wählen</source>
        <translation>Choose block file</translation>
    </message>
    <message>
        <source>erzeugen &lt;</source>
        <translation>create &lt;</translation>
    </message>
    <message>
        <source>Block erzeugen</source>
        <translation>Create block</translation>
    </message>
    <message>
        <source>verbinden mit Block</source>
        <translation>pair with block</translation>
    </message>
    <message>
        <source>zweite Blockdatei wählen</source>
        <translation>Choose second block file</translation>
    </message>
    <message>
        <source>1. Attr.</source>
        <translation>1st attr.</translation>
    </message>
    <message>
        <source>2. Attr.</source>
        <translation>2nd attr.</translation>
    </message>
    <message>
        <source>Slidename/-datei</source>
        <translation>Slide name/file</translation>
    </message>
    <message>
        <source>Slidedatei wählen</source>
        <translation>Choose slide file</translation>
    </message>
    <message>
        <source>Slide erzeugen</source>
        <translation>Create slide</translation>
    </message>
    <message>
        <source>Texte</source>
        <translation>Texts</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Kürzel</source>
        <translation>Abbreviation</translation>
    </message>
    <message>
        <source>Befehl absetzen</source>
        <translation>Send command</translation>
    </message>
    <message>
        <source>Verwendbar für Rohrnetzberechnung</source>
        <translation>Usable in pipe network calculation</translation>
    </message>
    <message>
        <source>Einfüge-Optionen</source>
        <translation>Insert options</translation>
    </message>
    <message>
        <source>Drehung abfragen</source>
        <translation>Ask for rotation</translation>
    </message>
    <message>
        <source>Größe abfragen</source>
        <translation>Ask for size</translation>
    </message>
    <message>
        <source>Symbolfaktor anwenden</source>
        <translation>Apply symbol factor</translation>
    </message>
    <message>
        <source>in Ursprung auflösen</source>
        <translation>Explode at origin</translation>
    </message>
    <message>
        <source>incl. Layer anpassen</source>
        <translation>Adjust layers too</translation>
    </message>
    <message>
        <source>Attribute abfragen</source>
        <translation>Ask for attributes</translation>
    </message>
    <message>
        <source>Medium verwenden</source>
        <translation>Use medium</translation>
    </message>
    <message>
        <source>Komponente</source>
        <translation>Component</translation>
    </message>
    <message>
        <source>Objektfang</source>
        <translation>Object snap</translation>
    </message>
    <message>
        <source>aktuell eingestellter</source>
        <translation>current setting</translation>
    </message>
    <message>
        <source>@Objektfang@Nächster</source>
        <translation>Nearest</translation>
    </message>
    <message>
        <source>@Objektfang@Endpunkt</source>
        <translation>Endpoint</translation>
    </message>
    <message>
        <source>@Objektfang@Mittelpunkt</source>
        <translation>Midpoint</translation>
    </message>
    <message>
        <source>@Objektfang@Schnittpunkt</source>
        <translation>Intersection</translation>
    </message>
    <message>
        <source>@Objektfang@Punkt</source>
        <translation>Node</translation>
    </message>
    <message>
        <source>ohne Z-Anteil</source>
        <translation>without Z</translation>
    </message>
    <message>
        <source>Datei wählen</source>
        <translation>Choose file</translation>
    </message>
    <message>
        <source>Alle Dateien</source>
        <translation>All files</translation>
    </message>
    <message>
        <source>Slide-Dateien</source>
        <translation>Slide files</translation>
    </message>
    <message>
        <source>Dateien</source>
        <translation>files</translation>
    </message>
    <message>
        <source>Zeichnungsdateien</source>
        <translation>Drawing files</translation>
    </message>
    <message>
        <source>Geben Sie bitte einen Blocknamen ein.</source>
        <translation>Please enter a block name.</translation>
    </message>
    <message>
        <source>Geben Sie bitte einen Slidenamen ein.</source>
        <translation>Please enter a slide name.</translation>
    </message>
    <message>
        <source>Zeichnung ist schon vorhanden. Überschreiben?</source>
        <translation>The drawing exists already. Overwrite?</translation>
    </message>
</context>
</TS>
