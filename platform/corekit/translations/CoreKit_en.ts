<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="de">
<context>
    <name>CoreKit</name>
    <message>
        <source>Es ist kein Dokument angegeben.</source>
        <translation>No document is named.</translation>
    </message>
    <message>
        <source>Der Name enthält Steuerzeichen.</source>
        <translation>The name contains control characters.</translation>
    </message>
    <message>
        <source>Die Datei existiert nicht.</source>
        <translation>The file does not exist.</translation>
    </message>
    <message>
        <source>Die Datei liegt außerhalb ihres Ordners.</source>
        <translation>The file lies outside its folder.</translation>
    </message>
    <message>
        <source>Das ist keine gewöhnliche Datei.</source>
        <translation>This is not a regular file.</translation>
    </message>
    <message>
        <source>Die Datei ist ausführbar.</source>
        <translation>The file is executable.</translation>
    </message>
    <message>
        <source>Die Datei ist ein Programm oder Skript.</source>
        <translation>The file is a program or script.</translation>
    </message>
    <message>
        <source>Dateien dieser Art werden nicht geöffnet: %s</source>
        <translation>Files of this type are not opened: %s</translation>
    </message>
    <message>
        <source>Der Verweis ist ungültig.</source>
        <translation>The link is not valid.</translation>
    </message>
    <message>
        <source>Verweise dieser Art werden nicht geöffnet: %s:</source>
        <translation>Links of this kind are not opened: %s:</translation>
    </message>
    <message>
        <source>Das Hilfedokument ist kein Text.</source>
        <translation>The help document is not text.</translation>
    </message>
    <message>
        <source>Das Hilfedokument ist zu groß.</source>
        <translation>The help document is too large.</translation>
    </message>
    <message>
        <source>Das Hilfedokument kann nicht gelesen werden.</source>
        <translation>The help document cannot be read.</translation>
    </message>
    <message>
        <source>Das Hilfedokument enthält binäre Daten.</source>
        <translation>The help document contains binary data.</translation>
    </message>
    <message>
        <source>unbekannter Herkunft</source>
        <translation>of unknown origin</translation>
    </message>
    <message>
        <source>&quot;%s&quot; (%s) wird nicht geöffnet.&#10;%s</source>
        <translation>&quot;%s&quot; (%s) is not opened.&#10;%s</translation>
    </message>
    <message>
        <source>Dokument öffnen</source>
        <translation>Open document</translation>
    </message>
</context>
</TS>
