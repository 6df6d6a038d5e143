<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="de">
<context>
    <name>OrvaneHost</name>
    <message>
        <source>Zeigt die Befehle des Hosts</source>
        <translation>Shows the host's commands</translation>
    </message>
    <message>
        <source>Vom Modul: </source>
        <translation>From the module: </translation>
    </message>
    <message>
        <source>Unbekannter Befehl '%s' (HILFE zeigt die Befehle).</source>
        <translation>Unknown command '%s' (HILFE shows the commands).</translation>
    </message>
    <message>
        <source>Befehlszeilenverlauf</source>
        <translation>Command line history</translation>
    </message>
    <message>
        <source>Befehl eingeben (HILFE zeigt die Befehle)</source>
        <translation>Enter a command (HILFE shows the commands)</translation>
    </message>
    <message>
        <source>Befehlszeile</source>
        <translation>Command line</translation>
    </message>
    <message>
        <source>Löschen</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Verschieben</source>
        <translation>Move</translation>
    </message>
    <message>
        <source>Die Zeichnung konnte nicht nach %s geschrieben werden.</source>
        <translation>The drawing could not be written to %s.</translation>
    </message>
    <message>
        <source>%s: keine Zeichnung (der oberste Knoten heißt '%s', nicht 'Drawing').</source>
        <translation>%s: not a drawing (the top node is called '%s', not 'Drawing').</translation>
    </message>
    <message>
        <source>%s: Element %d hat keine gültige Position (X, Y).</source>
        <translation>%s: item %d has no valid position (X, Y).</translation>
    </message>
    <message>
        <source>Zeichenfläche</source>
        <translation>Drawing area</translation>
    </message>
    <message>
        <source>Einfügepunkt angeben (Esc bricht ab).</source>
        <translation>Specify the insertion point (Esc cancels).</translation>
    </message>
    <message>
        <source>Einfügen abgebrochen.</source>
        <translation>Insertion cancelled.</translation>
    </message>
    <message>
        <source>Demo-Host des Planungsmoduls</source>
        <translation>Demo host of the planning module</translation>
    </message>
    <message>
        <source>Diese Hilfe zeigen</source>
        <translation>Show this help</translation>
    </message>
    <message>
        <source>Installationsordner (Vorgabe: die Beispielinstallation)</source>
        <translation>Installation folder (default: the sample installation)</translation>
    </message>
    <message>
        <source>Einstellungsdatei des Benutzers</source>
        <translation>The user's settings file</translation>
    </message>
    <message>
        <source>Sprache: de oder en</source>
        <translation>Language: de or en</translation>
    </message>
    <message>
        <source>Als Revit laufen, mit diesem Programmordner</source>
        <translation>Act as Revit, with this program folder</translation>
    </message>
    <message>
        <source>Den Rundgang ohne Bildschirm ausführen, Bilder und Protokoll in DIR</source>
        <translation>Run the tour off-screen, screenshots and log in DIR</translation>
    </message>
    <message>
        <source>Beenden, sobald das Fenster gefüllt gezeigt wird (Startzeit messen)</source>
        <translation>Quit as soon as the window is shown filled (start-up timing)</translation>
    </message>
    <message>
        <source>Zeichnung, die geöffnet wird</source>
        <translation>Drawing to open</translation>
    </message>
    <message>
        <source>Farben der Fenster: light (die des Systems) oder dark</source>
        <translation>Window colours: light (the system's) or dark</translation>
    </message>
    <message>
        <source>Unbekannte Farben '%s' (light oder dark).</source>
        <translation>Unknown colours '%s' (light or dark).</translation>
    </message>
    <message>
        <source>Unbekannte Sprache '%s' (de oder en).</source>
        <translation>Unknown language '%s' (de or en).</translation>
    </message>
    <message>
        <source>Höchstens eine Zeichnung angeben.</source>
        <translation>Give at most one drawing.</translation>
    </message>
    <message>
        <source>Basisordner der Symbole</source>
        <translation>Base folder of the symbols</translation>
    </message>
    <message>
        <source>Mastermodus: Symboldateien bei jedem Aufruf neu sammeln (1)</source>
        <translation>Master mode: collect the symbol files on every call (1)</translation>
    </message>
    <message>
        <source>Aktuelles Gewerk (H, S, L, E, A, G, K, B)</source>
        <translation>Current trade (H, S, L, E, A, G, K, B)</translation>
    </message>
    <message>
        <source>Symboldateien des Symbolfensters (mitgeliefert)</source>
        <translation>Symbol files of the symbols window (supplied)</translation>
    </message>
    <message>
        <source>Symboldateien des Symbolfensters (eigene)</source>
        <translation>Symbol files of the symbols window (own)</translation>
    </message>
    <message>
        <source>Ecke der Berechnungssymbole markieren (1)</source>
        <translation>Mark the corner of calculation symbols (1)</translation>
    </message>
    <message>
        <source>Eigene Farbe für Berechnungssymbole (1)</source>
        <translation>Own colour for calculation symbols (1)</translation>
    </message>
    <message>
        <source>Farbe der Berechnungssymbole (0x00BBGGRR)</source>
        <translation>Colour of calculation symbols (0x00BBGGRR)</translation>
    </message>
    <message>
        <source>Vom Modul gesetzt: Blockdatei des letzten Symbols</source>
        <translation>Set by the module: block file of the last symbol</translation>
    </message>
    <message>
        <source>Vom Modul gesetzt: Dia des letzten Symbols</source>
        <translation>Set by the module: slide of the last symbol</translation>
    </message>
    <message>
        <source>Ordnername der Symbolleisten dieses Gewerks (leer: Vorgabe)</source>
        <translation>Toolbar folder name of this trade (empty: default)</translation>
    </message>
    <message>
        <source>Variable der Installation</source>
        <translation>Variable of the installation</translation>
    </message>
    <message>
        <source>Host-Variablen</source>
        <translation>Host variables</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Wert</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>Bedeutung</source>
        <translation>Meaning</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Hinweise zur Installation</source>
        <translation>Notes on the installation</translation>
    </message>
    <message>
        <source>Symbole</source>
        <translation>Symbols</translation>
    </message>
    <message>
        <source>Knotenbäume vom Modul</source>
        <translation>Node trees from the module</translation>
    </message>
    <message>
        <source>Installation: %s (%d Symboldateien, %d Kataloge)</source>
        <translation>Installation: %s (%d symbol files, %d catalogues)</translation>
    </message>
    <message>
        <source>Fehlt: </source>
        <translation>Missing: </translation>
    </message>
    <message>
        <source>Fügt das aktuelle Symbol ein (vom Modul)</source>
        <translation>Inserts the current symbol (from the module)</translation>
    </message>
    <message>
        <source>Fügt das aktuelle Symbol als Blockpaar ein (vom Modul)</source>
        <translation>Inserts the current symbol as a block pair (from the module)</translation>
    </message>
    <message>
        <source>SYMBOL Blockname: fügt das Symbol dieses Blocks ein</source>
        <translation>SYMBOL block name: inserts the symbol of this block</translation>
    </message>
    <message>
        <source>Symbol einfügen</source>
        <translation>Insert symbol</translation>
    </message>
    <message>
        <source>Vom Modul: die Auswahl als Block und Dia in die Symbolbibliothek schreiben</source>
        <translation>From the module: write the selection as a block and slide into the symbol library</translation>
    </message>
    <message>
        <source>Vom Modul: die Auswahl als Dia in die Symbolbibliothek schreiben</source>
        <translation>From the module: write the selection as a slide into the symbol library</translation>
    </message>
    <message>
        <source>Nichts ausgewählt: erst die Elemente auf der Zeichenfläche wählen, dann im Eigenschaftendialog erzeugen.</source>
        <translation>Nothing selected: select the items on the canvas first, then create in the properties dialog.</translation>
    </message>
    <message>
        <source>Das Modul nennt keine Blockdatei (SYMBOLS_BLOCKFILE).</source>
        <translation>The module names no block file (SYMBOLS_BLOCKFILE).</translation>
    </message>
    <message>
        <source>Das Modul nennt keine Diadatei (SYMBOLS_SLIDEFILE).</source>
        <translation>The module names no slide file (SYMBOLS_SLIDEFILE).</translation>
    </message>
    <message>
        <source>Block geschrieben: %s (%d Elemente)</source>
        <translation>Block written: %s (%d items)</translation>
    </message>
    <message>
        <source>Dia geschrieben: %s</source>
        <translation>Slide written: %s</translation>
    </message>
    <message>
        <source>Das Dia des Blocks gibt es schon; es bleibt, wie es ist.</source>
        <translation>The block's slide exists already; it is kept as it is.</translation>
    </message>
    <message>
        <source>Das Dia konnte nicht nach %s geschrieben werden.</source>
        <translation>The slide could not be written to %s.</translation>
    </message>
    <message>
        <source>Die Installation konnte nicht kopiert werden: %s</source>
        <translation>The installation could not be copied: %s</translation>
    </message>
    <message>
        <source>Der Ordner des Rundgangs %s kann nicht angelegt werden.</source>
        <translation>The tour's folder %s cannot be made.</translation>
    </message>
    <message>
        <source>Die Einstellungsdatei %s kann nicht angelegt werden.</source>
        <translation>The settings file %s cannot be made.</translation>
    </message>
    <message>
        <source>--%s braucht einen Pfad.</source>
        <translation>--%s needs a path.</translation>
    </message>
    <message>
        <source>Die Installation und ihre Kopie liegen ineinander: %s</source>
        <translation>The installation and its copy lie one inside the other: %s</translation>
    </message>
    <message>
        <source>Hydraulische Schaltungen</source>
        <translation>Hydraulic circuits</translation>
    </message>
    <message>
        <source>Assistent Frischwasser- und Wohnungsstationen</source>
        <translation>Fresh-water and apartment station wizard</translation>
    </message>
    <message>
        <source>Symboldateien neu laden</source>
        <translation>Reload the symbol files</translation>
    </message>
    <message>
        <source>%d Symboldateien geladen.</source>
        <translation>%d symbol files loaded.</translation>
    </message>
    <message>
        <source>Host-Variablen bearbeiten</source>
        <translation>Edit the host variables</translation>
    </message>
    <message>
        <source>REVIT Ordner: als Revit mit diesem Programmordner laufen</source>
        <translation>REVIT folder: act as Revit with this program folder</translation>
    </message>
    <message>
        <source>Als Zeichenprogramm laufen (nicht Revit)</source>
        <translation>Act as the drawing program (not Revit)</translation>
    </message>
    <message>
        <source>Letzte Änderung zurücknehmen</source>
        <translation>Undo the last change</translation>
    </message>
    <message>
        <source>Zurückgenommene Änderung wiederholen</source>
        <translation>Redo the undone change</translation>
    </message>
    <message>
        <source>Auswahl löschen</source>
        <translation>Delete the selection</translation>
    </message>
    <message>
        <source>SICHERN [Datei]: Zeichnung speichern</source>
        <translation>SICHERN [file]: save the drawing</translation>
    </message>
    <message>
        <source>OEFFNEN Datei: Zeichnung öffnen</source>
        <translation>OEFFNEN file: open a drawing</translation>
    </message>
    <message>
        <source>&amp;Datei</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Neu</source>
        <translation>&amp;New</translation>
    </message>
    <message>
        <source>Ö&amp;ffnen…</source>
        <translation>&amp;Open…</translation>
    </message>
    <message>
        <source>&amp;Speichern</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>Speichern &amp;unter…</source>
        <translation>Save &amp;as…</translation>
    </message>
    <message>
        <source>&amp;Beenden</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>&amp;Bearbeiten</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>Rückgängig:</source>
        <translation>Undo:</translation>
    </message>
    <message>
        <source>Wiederholen:</source>
        <translation>Redo:</translation>
    </message>
    <message>
        <source>&amp;Löschen</source>
        <translation>&amp;Delete</translation>
    </message>
    <message>
        <source>&amp;Modul</source>
        <translation>&amp;Module</translation>
    </message>
    <message>
        <source>&amp;Hydraulische Schaltungen…</source>
        <translation>&amp;Hydraulic circuits…</translation>
    </message>
    <message>
        <source>&amp;Wohnungsstation…</source>
        <translation>&amp;Station wizard…</translation>
    </message>
    <message>
        <source>Symbole &amp;aktualisieren</source>
        <translation>&amp;Refresh symbols</translation>
    </message>
    <message>
        <source>E&amp;xtras</source>
        <translation>E&amp;xtras</translation>
    </message>
    <message>
        <source>&amp;Host-Variablen…</source>
        <translation>&amp;Host variables…</translation>
    </message>
    <message>
        <source>&amp;Symboloptionen…</source>
        <translation>&amp;Symbol options…</translation>
    </message>
    <message>
        <source>Als &amp;Revit ausführen…</source>
        <translation>Act as &amp;Revit…</translation>
    </message>
    <message>
        <source>&amp;Ansicht</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>Ver&amp;größern</source>
        <translation>Zoom &amp;in</translation>
    </message>
    <message>
        <source>Ver&amp;kleinern</source>
        <translation>Zoom &amp;out</translation>
    </message>
    <message>
        <source>Hydraulische Schaltungen: geschlossen, nichts zu zeichnen.</source>
        <translation>Hydraulic circuits: closed, nothing to draw.</translation>
    </message>
    <message>
        <source>Hydraulische Schaltungen: Knoten "%s" erhalten.</source>
        <translation>Hydraulic circuits: node "%s" received.</translation>
    </message>
    <message>
        <source>Hydraulische Schaltung</source>
        <translation>Hydraulic circuit</translation>
    </message>
    <message>
        <source>Keine Host-Variable geändert.</source>
        <translation>No host variable changed.</translation>
    </message>
    <message>
        <source>Geändert: %s</source>
        <translation>Changed: %s</translation>
    </message>
    <message>
        <source>Das Symbolfenster konnte nicht erzeugt werden.</source>
        <translation>The symbols window could not be made.</translation>
    </message>
    <message>
        <source>Das Modul läuft jetzt im Zeichenprogramm.</source>
        <translation>The module now runs in the drawing program.</translation>
    </message>
    <message>
        <source>Das Modul läuft jetzt als Revit (Programmordner %s).</source>
        <translation>The module now runs as Revit (program folder %s).</translation>
    </message>
    <message>
        <source>Als Revit ausführen</source>
        <translation>Act as Revit</translation>
    </message>
    <message>
        <source>Programmordner von Revit (sein Name nennt die Version):</source>
        <translation>Revit's program folder (its name gives the release):</translation>
    </message>
    <message>
        <source>Gespeichert: %s</source>
        <translation>Saved: %s</translation>
    </message>
    <message>
        <source>Geöffnet: %s (%d Elemente)</source>
        <translation>Opened: %s (%d items)</translation>
    </message>
    <message>
        <source>Zeichnung öffnen</source>
        <translation>Open drawing</translation>
    </message>
    <message>
        <source>Zeichnungen</source>
        <translation>Drawings</translation>
    </message>
    <message>
        <source>Zeichnung speichern</source>
        <translation>Save drawing</translation>
    </message>
    <message>
        <source>Orvane Demo-Host</source>
        <translation>Orvane demo host</translation>
    </message>
    <message>
        <source>Unbenannt</source>
        <translation>Untitled</translation>
    </message>
    <message>
        <source>Die Zeichnung wurde geändert. Speichern?</source>
        <translation>The drawing has changed. Save it?</translation>
    </message>
    <message>
        <source>Wohnungsstation: geschlossen, nichts zu tun.</source>
        <translation>Station wizard: closed, nothing to do.</translation>
    </message>
    <message>
        <source>Keine Station ausgewählt: die Station auf der Zeichenfläche anklicken und STATION erneut aufrufen.</source>
        <translation>No station selected: click the station on the canvas and run STATION again.</translation>
    </message>
    <message>
        <source>Station gelöscht.</source>
        <translation>Station deleted.</translation>
    </message>
    <message>
        <source>Die Station auf der Zeichenfläche anklicken und STATION erneut aufrufen.</source>
        <translation>Click the station on the canvas and run STATION again.</translation>
    </message>
    <message>
        <source>Station geholt: der Assistent öffnet sie wieder.</source>
        <translation>Station fetched: the wizard opens it again.</translation>
    </message>
    <message>
        <source>Station ersetzen</source>
        <translation>Replace station</translation>
    </message>
    <message>
        <source>Station zeichnen</source>
        <translation>Draw station</translation>
    </message>
    <message>
        <source>Wohnungsstation</source>
        <translation>Station</translation>
    </message>
    <message>
        <source>S&amp;ymbolleisten</source>
        <translation>S&amp;ymbol toolbars</translation>
    </message>
    <message>
        <source>Paneele &amp;ausblenden</source>
        <translation>&amp;Hide panels</translation>
    </message>
    <message>
        <source>SYMBOLLEISTE Gewerk: öffnet die Symbolleiste (H, S, L, E, A, G, K, B, USER)</source>
        <translation>SYMBOLLEISTE trade: opens the symbol toolbar (H, S, L, E, A, G, K, B, USER)</translation>
    </message>
    <message>
        <source>Unbekanntes Gewerk '%s'.</source>
        <translation>Unknown trade '%s'.</translation>
    </message>
    <message>
        <source>Symbolleiste %s geöffnet (%d offen).</source>
        <translation>Toolbar %s opened (%d open).</translation>
    </message>
    <message>
        <source>Der Installationsordner %s existiert nicht: keine Symbole, keine Kataloge, keine Wohnungsstationen.</source>
        <translation>The installation folder %s does not exist: no symbols, no catalogues, no stations.</translation>
    </message>
    <message>
        <source>Die Installationsdatei %s kann nicht gelesen werden: %s</source>
        <translation>The installation file %s cannot be read: %s</translation>
    </message>
    <message>
        <source>Keine Symboldateien in %s: das Symbolfenster und die Symbolleisten bleiben leer.</source>
        <translation>No symbol files in %s: the symbols window and the toolbars stay empty.</translation>
    </message>
    <message>
        <source>Keine Kataloge in %s: der Wohnungsstationen-Assistent hat keine Produkte.</source>
        <translation>No catalogues in %s: the station wizard has no products.</translation>
    </message>
    <message>
        <source>Die Bibliothek der Materialdatenbank (OrvMat) wurde neben dem Modul nicht gefunden: keine Wohnungsstationen.</source>
        <translation>The material database library (OrvMat) was not found beside the module: no stations.</translation>
    </message>
    <message>
        <source>Kein aktuelles Symbol: im Symbolfenster oder in einer Symbolleiste ein Symbol anklicken, oder SYMBOL mit einem Blocknamen eingeben.</source>
        <translation>No current symbol: click a symbol in the symbols window or a toolbar, or enter SYMBOL with a block name.</translation>
    </message>
    <message>
        <source>Das aktuelle Symbol nennt keinen Block.</source>
        <translation>The current symbol names no block.</translation>
    </message>
    <message>
        <source>Kein Symbol mit diesem Blocknamen in der Symbolbibliothek.</source>
        <translation>No symbol with this block name in the symbol library.</translation>
    </message>
    <message>
        <source>Symboloptionen</source>
        <translation>Symbol options</translation>
    </message>
    <message>
        <source>Ecke der Berechnungssymbole markieren</source>
        <translation>Mark the corner of calculation symbols</translation>
    </message>
    <message>
        <source>Berechnungssymbole in eigener Farbe</source>
        <translation>Calculation symbols in their own colour</translation>
    </message>
    <message>
        <source>Farbe der Berechnungssymbole</source>
        <translation>Colour of calculation symbols</translation>
    </message>
    <message>
        <source>Erhaltene Knotenbäume</source>
        <translation>Node trees received</translation>
    </message>
    <message>
        <source>Knoten / Schlüssel</source>
        <translation>Node / key</translation>
    </message>
    <message>
        <source>Knotenbaum</source>
        <translation>Node tree</translation>
    </message>
    <message>
        <source>Knotenbaum als Text</source>
        <translation>Node tree as text</translation>
    </message>
</context>
</TS>
