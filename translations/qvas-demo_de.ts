<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>DemoAlarmRoom</name>
    <message>
        <source>%1: %2 of %3 alarms shown</source>
        <translation>%1: %2 von %3 Alarmen angezeigt</translation>
    </message>
    <message>
        <source>Live</source>
        <translation>Aktuell</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Archiv</translation>
    </message>
    <message>
        <source>Export to CSV</source>
        <translation>Als CSV exportieren</translation>
    </message>
</context>
<context>
    <name>DemoColorView</name>
    <message>
        <source>Show names containing...</source>
        <translation>Namen zeigen, die enthalten...</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Art</translation>
    </message>
    <message>
        <source>blinking, %1 entries</source>
        <translation>blinkend, %1 Einträge</translation>
    </message>
    <message>
        <source>alias of %1</source>
        <translation>Alias von %1</translation>
    </message>
    <message>
        <source>steady</source>
        <translation>fest</translation>
    </message>
    <message>
        <source>invalid (unresolved alias)</source>
        <translation>ungültig (Alias ohne Ziel)</translation>
    </message>
</context>
<context>
    <name>DemoCompletionProbe</name>
    <message>
        <source>Text typed in the DPE filter, for example *Pump*</source>
        <translation>Im DPE-Filter getippter Text, zum Beispiel *Pump*</translation>
    </message>
    <message>
        <source>Request completions</source>
        <translation>Vervollständigungen anfordern</translation>
    </message>
    <message>
        <source>Property:</source>
        <translation>Eigenschaft:</translation>
    </message>
    <message>
        <source>Systems:</source>
        <translation>Systeme:</translation>
    </message>
    <message>
        <source>DPE filter text:</source>
        <translation>Text des DPE-Filters:</translation>
    </message>
    <message>
        <source>Answer:</source>
        <translation>Antwort:</translation>
    </message>
    <message>
        <source>waiting for the script...</source>
        <translation>warte auf das Skript...</translation>
    </message>
    <message>
        <source>no completions</source>
        <translation>keine Vervollständigungen</translation>
    </message>
    <message>
        <source>fixed list</source>
        <translation>feste Liste</translation>
    </message>
    <message>
        <source>depends on: %1</source>
        <translation>hängt ab von: %1</translation>
    </message>
    <message>
        <source>per system</source>
        <translation>je System</translation>
    </message>
    <message>
        <source>unknown yet</source>
        <translation>noch unbekannt</translation>
    </message>
</context>
<context>
    <name>DemoCounterBar</name>
    <message>
        <source>Counters:</source>
        <translation>Zähler:</translation>
    </message>
    <message>
        <source>Unacknowledged</source>
        <translation>Unquittiert</translation>
    </message>
    <message>
        <source>Priority ≥ 80</source>
        <translation>Priorität ≥ 80</translation>
    </message>
    <message>
        <source>%count% alarms, %unack% unacknowledged, %went% gone, highest priority %maxPrio%
Click to apply this filter</source>
        <translation>%count% Alarme, %unack% unquittiert, %went% gegangen, höchste Priorität %maxPrio%
Klicken, um diesen Filter anzuwenden</translation>
    </message>
</context>
<context>
    <name>DemoFilterPage</name>
    <message>
        <source>Structured filter: alarm text (%1)</source>
        <translation>Strukturierter Filter: Alarmtext (%1)</translation>
    </message>
    <message>
        <source>Match case</source>
        <translation>Groß-/Kleinschreibung beachten</translation>
    </message>
    <message>
        <source>Edited filter:</source>
        <translation>Bearbeiteter Filter:</translation>
    </message>
    <message>
        <source>(no filter: no rule, or a rule without pattern)</source>
        <translation>(kein Filter: keine Regel oder eine Regel ohne Muster)</translation>
    </message>
</context>
<context>
    <name>DemoFilterSetEditor</name>
    <message>
        <source>Filter set datapoint:</source>
        <translation>Datenpunkt des Filtersatzes:</translation>
    </message>
    <message>
        <source>Set .SetJSON</source>
        <translation>.SetJSON setzen</translation>
    </message>
    <message>
        <source>set; the tab follows the datapoint (errors in the log below)</source>
        <translation>gesetzt; der Reiter folgt dem Datenpunkt (Fehler im Protokoll unten)</translation>
    </message>
</context>
<context>
    <name>DemoHistoryRoom</name>
    <message>
        <source>Query state</source>
        <translation>Zustand der Abfrage</translation>
    </message>
    <message>
        <source>State, time and counts of the archive query</source>
        <translation>Zustand, Dauer und Zahlen der Archivabfrage</translation>
    </message>
</context>
<context>
    <name>DemoMenus</name>
    <message>
        <source>&amp;Filter</source>
        <translation>&amp;Filter</translation>
    </message>
    <message>
        <source>Operator actions:</source>
        <translation>Bedieneraktionen:</translation>
    </message>
    <message>
        <source>Acknowledge selected</source>
        <translation>Ausgewählte quittieren</translation>
    </message>
    <message>
        <source>Acknowledge all</source>
        <translation>Alle quittieren</translation>
    </message>
    <message>
        <source>Settings...</source>
        <translation>Einstellungen...</translation>
    </message>
    <message>
        <source>Admin settings...</source>
        <translation>Administration...</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>Export to CSV...</source>
        <translation>Als CSV exportieren...</translation>
    </message>
    <message>
        <source>System Connections...</source>
        <translation>Systemverbindungen...</translation>
    </message>
    <message>
        <source>Save Filter...</source>
        <translation>Filter speichern...</translation>
    </message>
    <message>
        <source>Load Filter...</source>
        <translation>Filter laden...</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>Expand all groups</source>
        <translation>Alle Gruppen aufklappen</translation>
    </message>
    <message>
        <source>Collapse all groups</source>
        <translation>Alle Gruppen zuklappen</translation>
    </message>
    <message>
        <source>&amp;Grouping</source>
        <translation>&amp;Gruppierung</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>By system</source>
        <translation>Nach System</translation>
    </message>
    <message>
        <source>By system and priority</source>
        <translation>Nach System und Priorität</translation>
    </message>
    <message>
        <source>&amp;Panel</source>
        <translation>&amp;Bereich</translation>
    </message>
    <message>
        <source>Sample plug-in panel (%1)</source>
        <translation>Bereich aus dem Beispiel-Plug-in (%1)</translation>
    </message>
    <message>
        <source>Built-in panel</source>
        <translation>Eingebauter Bereich</translation>
    </message>
    <message>
        <source>No panel</source>
        <translation>Kein Bereich</translation>
    </message>
    <message>
        <source>&amp;Layout</source>
        <translation>&amp;Layout</translation>
    </message>
    <message>
        <source>Source and filters in a spoiler</source>
        <translation>Quelle und Filter zusammenklappbar</translation>
    </message>
    <message>
        <source>Reset layout</source>
        <translation>Layout zurücksetzen</translation>
    </message>
    <message>
        <source>&amp;Rights</source>
        <translation>&amp;Rechte</translation>
    </message>
    <message>
        <source>Operator</source>
        <translation>Bediener</translation>
    </message>
    <message>
        <source>Engineer</source>
        <translation>Ingenieur</translation>
    </message>
    <message>
        <source>Administrator</source>
        <translation>Administrator</translation>
    </message>
</context>
<context>
    <name>DemoSourceRoom</name>
    <message>
        <source>No source-and-filters panel (configured so).</source>
        <translation>Kein Bereich für Quelle und Filter (so konfiguriert).</translation>
    </message>
    <message>
        <source>The panel plug-in &apos;%1&apos; could not be loaded; see the log.</source>
        <translation>Das Plug-in „%1“ für den Bereich konnte nicht geladen werden; siehe Protokoll.</translation>
    </message>
    <message>
        <source>History %1 of %2</source>
        <translation>Archiv %1 bis %2</translation>
    </message>
    <message>
        <source>Live alarms</source>
        <translation>Aktuelle Alarme</translation>
    </message>
    <message>
        <source>no filter</source>
        <translation>kein Filter</translation>
    </message>
    <message>
        <source>Source and filters: %1, %2</source>
        <translation>Quelle und Filter: %1, %2</translation>
    </message>
    <message>
        <source>Load Filter</source>
        <translation>Filter laden</translation>
    </message>
    <message>
        <source>Filters (*.json)</source>
        <translation>Filter (*.json)</translation>
    </message>
    <message>
        <source>Save Filter</source>
        <translation>Filter speichern</translation>
    </message>
    <message>
        <source>there is no panel to show it</source>
        <translation>es gibt keinen Bereich, der ihn zeigt</translation>
    </message>
    <message>
        <source>the panel cannot show any part of it</source>
        <translation>der Bereich kann keinen Teil davon zeigen</translation>
    </message>
    <message>
        <source>Filter not loaded: %1: %2</source>
        <translation>Filter nicht geladen: %1: %2</translation>
    </message>
    <message>
        <source>there is no panel</source>
        <translation>es gibt keinen Bereich</translation>
    </message>
</context>
<context>
    <name>DemoTextRuleFilter</name>
    <message>
        <source>Patterns match letter case</source>
        <translation>Muster beachten Groß-/Kleinschreibung</translation>
    </message>
    <message>
        <source>Patterns ignore letter case</source>
        <translation>Muster ignorieren Groß-/Kleinschreibung</translation>
    </message>
</context>
<context>
    <name>DemoWindow</name>
    <message>
        <source>qvas demo: alarm screen</source>
        <translation>qvas-Demo: Alarmbild</translation>
    </message>
    <message>
        <source>Alarms</source>
        <translation>Alarme</translation>
    </message>
    <message>
        <source>Filters</source>
        <translation>Filter</translation>
    </message>
    <message>
        <source>Colours</source>
        <translation>Farben</translation>
    </message>
    <message>
        <source>Completions</source>
        <translation>Vervollständigung</translation>
    </message>
    <message>
        <source>Filter sets</source>
        <translation>Filtersätze</translation>
    </message>
    <message>
        <source>Click to connect or disconnect systems</source>
        <translation>Klicken, um Systeme zu verbinden oder zu trennen</translation>
    </message>
    <message>
        <source>Log messages of the alarm screen; click for the history</source>
        <translation>Protokollmeldungen des Alarmbilds; klicken für den Verlauf</translation>
    </message>
    <message>
        <source>Systems:</source>
        <translation>Systeme:</translation>
    </message>
</context>
</TS>
