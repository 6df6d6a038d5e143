<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<!-- English texts of the station catalogues and the design check ("Fehler" is among the shared
     texts; units and the untranslated technical messages have none). DW: drinking water,
     HTG: heating. -->
<TS version="2.1" language="en" sourcelanguage="de">
<context>
    <name>OrvanePlanungUI</name>
    <message>
        <source>Assistent Frischwasser- und Wohnungsstationen</source>
        <translation>Fresh-water and apartment station wizard</translation>
    </message>
    <message>
        <source>Der Datensatz %s kann in dieser Programmversion nicht verwendet werden.</source>
        <translation>The data set %s cannot be used with this program version.</translation>
    </message>
    <message>
        <source>Die Vorlauftemperatur reicht nicht aus. Der größtmögliche Wert beträgt %.0f °C.</source>
        <translation>The supply temperature is not sufficient. The highest possible value is %.0f °C.</translation>
    </message>
    <message>
        <source>Das gewählte Gerät kann für die angegebenen Temperaturen nicht ausgelegt werden.</source>
        <translation>The selected device cannot be designed for the given temperatures.</translation>
    </message>
    <message>
        <source>Die Zapfrate von %.2f %s ist zu groß. Der größtmögliche Wert des gewählten Wärmetauschers beträgt %.2f %s. Verringern Sie die Zapfrate oder wählen Sie einen größeren Wärmetauscher.</source>
        <translation>The tap rate of %.2f %s is too high. The highest possible value of the selected heat exchanger is %.2f %s. Reduce the tap rate or choose a larger heat exchanger.</translation>
    </message>
    <message>
        <source>Der Volumenstrom ist zu klein. Der kleinstmögliche Wert beträgt %.2f %s.</source>
        <translation>The flow rate is too low. The lowest possible value is %.2f %s.</translation>
    </message>
    <message>
        <source>@Betriebsart Wohnungsstation@Vorrang</source>
        <translation>Priority</translation>
    </message>
    <message>
        <source>@Betriebsart Wohnungsstation@Parallel</source>
        <translation>Parallel</translation>
    </message>
    <message>
        <source>@Betriebsart Wohnungsstation@Vorrang/Parallel</source>
        <translation>Priority/parallel</translation>
    </message>
    <message>
        <source>VL/RL-Temp.</source>
        <translation>Supply/return temp.</translation>
    </message>
    <message>
        <source>Heizstab</source>
        <translation>heating rod</translation>
    </message>
    <message>
        <source>Druckverlust-TW</source>
        <translation>Pressure loss DW</translation>
    </message>
    <message>
        <source>Druckverlust-HZ</source>
        <translation>Pressure loss HTG</translation>
    </message>
    <message>
        <source>Schaltung</source>
        <translation>Operating mode</translation>
    </message>
    <message>
        <source>Die gewählte Station enthält einen Fußbodenheizungs-Verteiler. Bei Bedarf bitte Anzahl der FBH-Kreise festlegen.</source>
        <translation>The selected station contains an underfloor-heating manifold. If needed, please set the number of underfloor-heating circuits.</translation>
    </message>
    <message>
        <source>Die gewählte Station enthält keinen FBH-Verteiler. Bitte Anzahl der FBH-Kreise auf 0 setzen.</source>
        <translation>The selected station contains no underfloor-heating manifold. Please set the number of underfloor-heating circuits to 0.</translation>
    </message>
    <message>
        <source>Die gewählte Station kann maximal %d Heizkreise am Verteiler aufnehmen.</source>
        <translation>The selected station can take at most %d heating circuits on its manifold.</translation>
    </message>
    <message>
        <source>FBH-Kreise: %d Stück</source>
        <translation>Underfloor-heating circuits: %d</translation>
    </message>
    <message>
        <source>An diese Wohnungsstation kann ein externer FBH-Verteiler angeschlossen werden. Einstellungen können bei Bedarf an dem externen FBH-Verteiler vorgenommen werden.</source>
        <translation>An external underfloor-heating manifold can be connected to this apartment station. Settings can be made on the external manifold if needed.</translation>
    </message>
    <message>
        <source>Zapfrate</source>
        <translation>Tap rate</translation>
    </message>
    <message>
        <source>Wärmeleistung-TW</source>
        <translation>Heat output DW</translation>
    </message>
    <message>
        <source>Vorlauftemp.</source>
        <translation>Supply temp.</translation>
    </message>
    <message>
        <source>Die VL-Temperatur liegt außerhalb des zulässigen Einstellungsintervalls des Gerätes.</source>
        <translation>The supply temperature lies outside the device's settable range.</translation>
    </message>
    <message>
        <source>Geben Sie eine Zahl zwischen %s und %s ein.</source>
        <translation>Please enter a number between %s and %s.</translation>
    </message>
    <message>
        <source>Geben Sie eine ganze Zahl zwischen %d und %d ein.</source>
        <translation>Please enter a whole number between %d and %d.</translation>
    </message>
    <message>
        <source>Geben Sie eine Zahl ein.</source>
        <translation>Please enter a number.</translation>
    </message>
    <message>
        <source>Geben Sie eine ganze Zahl ein.</source>
        <translation>Please enter a whole number.</translation>
    </message>
    <message>
        <source>Keine Herstellerdaten vorhanden!</source>
        <translation>No manufacturer data available!</translation>
    </message>
    <message>
        <source>Produkt %s konnte nicht mehr gefunden werden.</source>
        <translation>Product %s could not be found any more.</translation>
    </message>
    <message>
        <source>Übernehmen</source>
        <translation>Apply</translation>
    </message>
    <message>
        <source>Zeichnen &lt;</source>
        <translation>Draw &lt;</translation>
    </message>
    <message>
        <source>Beenden</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Anforderung Trinkwasser</source>
        <translation>Drinking-water requirement</translation>
    </message>
    <message>
        <source>Trinkwassererwärmer Auslegung</source>
        <translation>Water heater design</translation>
    </message>
    <message>
        <source>Temperatur (kalt)</source>
        <translation>Temperature (cold)</translation>
    </message>
    <message>
        <source>Temperatur (warm)</source>
        <translation>Temperature (hot)</translation>
    </message>
    <message>
        <source>Wärmeleistung</source>
        <translation>Heat output</translation>
    </message>
    <message>
        <source>Temperatur, Vorlauf</source>
        <translation>Temperature, supply</translation>
    </message>
    <message>
        <source>Anforderung Fußbodenheizung</source>
        <translation>Floor-heating requirement</translation>
    </message>
    <message>
        <source>Sekundärseite</source>
        <translation>Secondary side</translation>
    </message>
    <message>
        <source>Rücklauftemp.</source>
        <translation>Return temp.</translation>
    </message>
    <message>
        <source>Wenn Verteiler im Gerät enthalten:</source>
        <translation>If the device contains a distributor:</translation>
    </message>
    <message>
        <source>Anzahl FBH-Kreise</source>
        <translation>Number of UFH circuits</translation>
    </message>
    <message>
        <source>Druckverlust</source>
        <translation>Pressure loss</translation>
    </message>
    <message>
        <source>Wasserinhalt</source>
        <translation>Water content</translation>
    </message>
    <message>
        <source>Hersteller</source>
        <translation>Manufacturer</translation>
    </message>
    <message>
        <source>Produktgruppe</source>
        <translation>Product group</translation>
    </message>
    <message>
        <source>Produktauswahl</source>
        <translation>Product</translation>
    </message>
    <message>
        <source>Wärmemengenzähler</source>
        <translation>Heat meter</translation>
    </message>
    <message>
        <source>Wasserzähler</source>
        <translation>Water meter</translation>
    </message>
    <message>
        <source>Nennvolumenstrom</source>
        <translation>Nominal flow</translation>
    </message>
    <message>
        <source>Auswahl Zubehörmaterial...</source>
        <translation>Choose accessories...</translation>
    </message>
    <message>
        <source>spiegeln</source>
        <translation>mirror</translation>
    </message>
    <message>
        <source>Trinkwasser...</source>
        <translation>Drinking water...</translation>
    </message>
    <message>
        <source>Trinkwasser</source>
        <translation>Drinking water</translation>
    </message>
    <message>
        <source>Fußbodenheizung...</source>
        <translation>Floor heating...</translation>
    </message>
    <message>
        <source>Produktbild</source>
        <translation>Product picture</translation>
    </message>
    <message>
        <source>Datenblatt ...</source>
        <translation>Data sheet ...</translation>
    </message>
    <message>
        <source>Ergebnis</source>
        <translation>Result</translation>
    </message>
    <message>
        <source>Löschen &lt;</source>
        <translation>Delete &lt;</translation>
    </message>
    <message>
        <source>Holen &lt;</source>
        <translation>Fetch &lt;</translation>
    </message>
    <message>
        <source>Dieser Stationstyp wird in dieser Version noch nicht unterstützt!</source>
        <translation>This station type is not supported in this version yet!</translation>
    </message>
    <message>
        <source>Es fehlt eine Angabe zum Zähler.&#10;Wollen Sie trotzdem fortfahren?</source>
        <translation>A meter value is missing.&#10;Do you want to continue anyway?</translation>
    </message>
    <message>
        <source>Wählen Sie das Zubehörmaterial</source>
        <translation>Choose the accessories</translation>
    </message>
    <message>
        <source>Datenblatt</source>
        <translation>Data sheet</translation>
    </message>
    <message>
        <source>Bericht</source>
        <translation>Report</translation>
    </message>
    <message>
        <source>Auslegungsbericht</source>
        <translation>Design report</translation>
    </message>
    <message>
        <source>Der Bericht konnte nicht geschrieben werden: %s</source>
        <translation>The report could not be written: %s</translation>
    </message>
    <message>
        <source>Die Station erfüllt die Anforderungen.</source>
        <translation>The station meets the requirements.</translation>
    </message>
    <message>
        <source>Die Station erfüllt die Anforderungen nicht.</source>
        <translation>The station does not meet the requirements.</translation>
    </message>
    <message>
        <source>Auslegungspunkt</source>
        <translation>Design point</translation>
    </message>
    <message>
        <source>Rücklauftemperatur primär</source>
        <translation>Primary return temperature</translation>
    </message>
    <message>
        <source>Volumenstrom primär</source>
        <translation>Primary flow</translation>
    </message>
    <message>
        <source>Druckverluste</source>
        <translation>Pressure losses</translation>
    </message>
    <message>
        <source>Heizungspumpe</source>
        <translation>Heating pump</translation>
    </message>
    <message>
        <source>Zweite Pumpe</source>
        <translation>Second pump</translation>
    </message>
    <message>
        <source>Pumpen</source>
        <translation>Pumps</translation>
    </message>
    <message>
        <source>Menge</source>
        <translation>Quantity</translation>
    </message>
    <message>
        <source>Artikel</source>
        <translation>Article</translation>
    </message>
    <message>
        <source>Bezeichnung</source>
        <translation>Designation</translation>
    </message>
    <message>
        <source>Materialliste</source>
        <translation>Material list</translation>
    </message>
    <message>
        <source>Produkt</source>
        <translation>Product</translation>
    </message>
    <message>
        <source>Artikelsatz</source>
        <translation>Article set</translation>
    </message>
    <message>
        <source>Kennlinie</source>
        <translation>Characteristic</translation>
    </message>
    <message>
        <source>Keine Kennlinie vorhanden</source>
        <translation>No characteristic available</translation>
    </message>
    <message>
        <source>Keine Kennlinie für diese Temperaturen; höchster Vorlauf %.0f °C</source>
        <translation>No characteristic for these temperatures; highest supply %.0f °C</translation>
    </message>
    <message>
        <source>Grenze %.2f %s, verlangt %.2f %s</source>
        <translation>Limit %.2f %s, asked %.2f %s</translation>
    </message>
    <message>
        <source>Fußbodenheizung</source>
        <translation>Floor heating</translation>
    </message>
</context>
</TS>
