<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>DialogCsvOptions</name>
    <message>
        <source>Options for export to CSV</source>
        <translation>Optionen für den CSV-Export</translation>
    </message>
    <message>
        <source>Export all rows</source>
        <translation>Alle Zeilen exportieren</translation>
    </message>
    <message>
        <source>Export selected rows</source>
        <translation>Ausgewählte Zeilen exportieren</translation>
    </message>
    <message>
        <source>Include column headers</source>
        <translation>Spaltenüberschriften einschließen</translation>
    </message>
    <message>
        <source>Including grouping</source>
        <translation>Mit Gruppierung</translation>
    </message>
    <message>
        <source>CSV separator character:</source>
        <translation>CSV-Trennzeichen:</translation>
    </message>
</context>
<context>
    <name>DialogLogHistory</name>
    <message>
        <source>Log message history</source>
        <translation>Verlauf der Protokollmeldungen</translation>
    </message>
    <message>
        <source>counter</source>
        <translation>Zähler</translation>
    </message>
    <message>
        <source>Total: %1</source>
        <translation>Gesamt: %1</translation>
    </message>
</context>
<context>
    <name>DialogSystemConnections</name>
    <message>
        <source>System Connections</source>
        <translation>Systemverbindungen</translation>
    </message>
</context>
<context>
    <name>ExporterCSV</name>
    <message>
        <source>NULL tree view passed to exportToCsv() method</source>
        <translation>NULL tree view passed to exportToCsv() method</translation>
    </message>
    <message>
        <source>tree view without model passed to exportToCsv() method</source>
        <translation>tree view without model passed to exportToCsv() method</translation>
    </message>
    <message>
        <source>unknown column title &apos;%1&apos; for exporting to CSV</source>
        <translation>unknown column title &apos;%1&apos; for exporting to CSV</translation>
    </message>
    <message>
        <source>Please select output CSV file</source>
        <translation>CSV-Ausgabedatei wählen</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>no output file selected for export</source>
        <translation>no output file selected for export</translation>
    </message>
    <message>
        <source>failed to open file for writing: error %1 for file %2</source>
        <translation>failed to open file for writing: error %1 for file %2</translation>
    </message>
    <message>
        <source>failed to get valid index for row %1</source>
        <translation>failed to get valid index for row %1</translation>
    </message>
    <message>
        <source>model returned invalid index for row %1</source>
        <translation>model returned invalid index for row %1</translation>
    </message>
    <message>
        <source>writing to file failed: %1</source>
        <translation>writing to file failed: %1</translation>
    </message>
</context>
<context>
    <name>MouseEventProcessor</name>
    <message>
        <source>Expand all nodes</source>
        <translation>Alle Knoten aufklappen</translation>
    </message>
    <message>
        <source>Collapse all nodes</source>
        <translation>Alle Knoten zuklappen</translation>
    </message>
</context>
<context>
    <name>MsgLoggerStatistics</name>
    <message>
        <source>Messages: %1</source>
        <translation>Meldungen: %1</translation>
    </message>
</context>
<context>
    <name>QueryStateDisplay</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
    <message>
        <source>Source state:</source>
        <translation>Zustand der Quelle:</translation>
    </message>
    <message>
        <source>Current state of alarm source</source>
        <translation>Aktueller Zustand der Alarmquelle</translation>
    </message>
    <message>
        <source>Time spent:</source>
        <translation>Dauer:</translation>
    </message>
    <message>
        <source>Total time spent for query execution</source>
        <translation>Gesamtdauer der Abfrage</translation>
    </message>
    <message>
        <source>Total alarms read:</source>
        <translation>Gelesene Alarme:</translation>
    </message>
    <message>
        <source>total number of alarms read from archive</source>
        <translation>Anzahl der aus dem Archiv gelesenen Alarme</translation>
    </message>
    <message>
        <source>Matching alarms:</source>
        <translation>Passende Alarme:</translation>
    </message>
    <message>
        <source>Abort query execution</source>
        <translation>Abfrage abbrechen</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>QuickFilterEditor</name>
    <message>
        <source>Edit options</source>
        <translation>Optionen bearbeiten</translation>
    </message>
    <message>
        <source>Incorrect pattern: </source>
        <translation>Ungültiges Muster: </translation>
    </message>
</context>
<context>
    <name>QuickFilterOptions</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Modus</translation>
    </message>
    <message>
        <source>Wildcard</source>
        <translation>Platzhalter</translation>
    </message>
    <message>
        <source>Regular expression</source>
        <translation>Regulärer Ausdruck</translation>
    </message>
    <message>
        <source>String literal</source>
        <translation>Wörtlicher Text</translation>
    </message>
    <message>
        <source>Case sensitive</source>
        <translation>Groß-/Kleinschreibung beachten</translation>
    </message>
    <message>
        <source>The filter shall match the whole content of column</source>
        <translation>Der Filter muss auf den ganzen Inhalt der Spalte passen</translation>
    </message>
    <message>
        <source>Match full column</source>
        <translation>Ganze Spalte</translation>
    </message>
</context>
<context>
    <name>SingleFilterTab</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
    <message>
        <source>Filter Type:</source>
        <translation>Filterart:</translation>
    </message>
    <message>
        <source>Include</source>
        <translation>Einschließen</translation>
    </message>
    <message>
        <source>Exclude</source>
        <translation>Ausschließen</translation>
    </message>
    <message>
        <source>Filter #%1: %2</source>
        <translation>Filter #%1: %2</translation>
    </message>
</context>
<context>
    <name>SourceAndFiltersUi</name>
    <message>
        <source>as EWO doesn&apos;t contains source control, archive mode can&apos;t be set</source>
        <translation>as EWO doesn&apos;t contains source control, archive mode can&apos;t be set</translation>
    </message>
    <message>
        <source>there is no editor to display content of structured filter</source>
        <translation>there is no editor to display content of structured filter</translation>
    </message>
</context>
<context>
    <name>SourceUiLong</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Quelle</translation>
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
        <source>Time range for archive query</source>
        <translation>Zeitraum der Archivabfrage</translation>
    </message>
    <message>
        <source>Time Range</source>
        <translation>Zeitraum</translation>
    </message>
    <message>
        <source>Systems selected for archive query</source>
        <translation>Für die Archivabfrage gewählte Systeme</translation>
    </message>
    <message>
        <source>Systems 0/0</source>
        <translation>Systeme 0/0</translation>
    </message>
    <message>
        <source>NoQuery</source>
        <translation>Keine Abfrage</translation>
    </message>
    <message>
        <source>00:00:00</source>
        <translation>00:00:00</translation>
    </message>
    <message>
        <source>Matching: 0 / Total read: 0</source>
        <translation>Passend: 0 / Gelesen: 0</translation>
    </message>
    <message>
        <source>Abort runnung query</source>
        <translation>Laufende Abfrage abbrechen</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Click Apply button to view alarms according to selection</source>
        <translation>Auf „Anwenden“ klicken, um die Alarme nach dieser Auswahl zu zeigen</translation>
    </message>
    <message>
        <source>&gt;&gt;&gt;&gt;</source>
        <translation>&gt;&gt;&gt;&gt;</translation>
    </message>
    <message>
        <source>Apply source/filter to model</source>
        <translation>Quelle und Filter auf die Tabelle anwenden</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Anwenden</translation>
    </message>
    <message>
        <source>Systems %1 / %2</source>
        <translation>Systeme %1 / %2</translation>
    </message>
    <message>
        <source>click signal from unexpected button</source>
        <translation>click signal from unexpected button</translation>
    </message>
    <message>
        <source>Matching: %1 / Total read: %2</source>
        <translation>Passend: %1 / Gelesen: %2</translation>
    </message>
</context>
<context>
    <name>Spoiler</name>
    <message>
        <source>Show/hide</source>
        <translation>Zeigen/verbergen</translation>
    </message>
</context>
<context>
    <name>SysConnectModel</name>
    <message>
        <source>System</source>
        <translation>System</translation>
    </message>
</context>
<context>
    <name>SystemSelectionModel</name>
    <message>
        <source>System</source>
        <translation>System</translation>
    </message>
    <message>
        <source>Unknwon system name: %1</source>
        <translation>Unknwon system name: %1</translation>
    </message>
</context>
<context>
    <name>SystemSelectionTable</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
    <message>
        <source>Filter:</source>
        <translation>Filter:</translation>
    </message>
    <message>
        <source>Select all matching systems in table</source>
        <translation>Alle passenden Systeme der Tabelle auswählen</translation>
    </message>
    <message>
        <source>Unselect all matching systems in table</source>
        <translation>Auswahl aller passenden Systeme der Tabelle aufheben</translation>
    </message>
    <message>
        <source>Matching 0</source>
        <translation>Passend 0</translation>
    </message>
    <message>
        <source>Selected: 0 / 0</source>
        <translation>Ausgewählt: 0 / 0</translation>
    </message>
    <message>
        <source>Close system list</source>
        <translation>Systemliste schließen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Matching %1</source>
        <translation>Passend %1</translation>
    </message>
    <message>
        <source>Selected %1/%2</source>
        <translation>Ausgewählt %1/%2</translation>
    </message>
</context>
<context>
    <name>TabbedStructuredFilterUi</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Anwenden</translation>
    </message>
    <message>
        <source>The filter in editor diffesr from one applied to table</source>
        <translation>Der Filter im Editor weicht vom Filter der Tabelle ab</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p align=&quot;center&quot;&gt;Filter not&lt;br&gt;applied&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p align=&quot;center&quot;&gt;Filter nicht&lt;br&gt;angewendet&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filter</translation>
    </message>
    <message>
        <source>Add filter set</source>
        <translation>Filtersatz hinzufügen</translation>
    </message>
    <message>
        <source>Delete Filter?</source>
        <translation>Filter löschen?</translation>
    </message>
    <message>
        <source>Are you sure you want to delete &apos;%1&apos;?

This action cannot be undone.</source>
        <translation>Soll „%1“ wirklich gelöscht werden?

Das kann nicht rückgängig gemacht werden.</translation>
    </message>
    <message>
        <source>Reset to</source>
        <translation>Zurücksetzen auf</translation>
    </message>
    <message>
        <source>Empty</source>
        <translation>Leer</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Save Filter...</source>
        <translation>Filter speichern...</translation>
    </message>
    <message>
        <source>Load Filter...</source>
        <translation>Filter laden...</translation>
    </message>
</context>
<context>
    <name>TimeRangeEditor</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
    <message>
        <source>Type of time interval:</source>
        <translation>Art des Zeitraums:</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Von</translation>
    </message>
    <message>
        <source>Set start of interval to current time</source>
        <translation>Beginn auf die aktuelle Zeit setzen</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Jetzt</translation>
    </message>
    <message>
        <source>Time zone  </source>
        <translation>Zeitzone  </translation>
    </message>
    <message>
        <source>to</source>
        <translation>bis</translation>
    </message>
    <message>
        <source>Set end of interval to current time</source>
        <translation>Ende auf die aktuelle Zeit setzen</translation>
    </message>
</context>
<context>
    <name>WEditFilterRuleDate</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
    <message>
        <source>Select date comparison method</source>
        <translation>Art des Zeitvergleichs wählen</translation>
    </message>
    <message>
        <source>Select...</source>
        <translation>Wählen...</translation>
    </message>
    <message>
        <source>Time before</source>
        <translation>Zeit vor</translation>
    </message>
    <message>
        <source>Time after</source>
        <translation>Zeit nach</translation>
    </message>
    <message>
        <source>Time between</source>
        <translation>Zeit zwischen</translation>
    </message>
    <message>
        <source>yyyy/MM/dd HH:mm</source>
        <translation>dd.MM.yyyy HH:mm</translation>
    </message>
</context>
<context>
    <name>WEditFilterRuleNumbers</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
    <message>
        <source>*</source>
        <translation>*</translation>
    </message>
</context>
<context>
    <name>WEditFilterRuleSelectText</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
    <message>
        <source>*</source>
        <translation>*</translation>
    </message>
</context>
<context>
    <name>WEditFilterRuleText</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
    <message>
        <source>Add new filter rule for this field</source>
        <translation>Neue Filterregel für dieses Feld hinzufügen</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Delete selected filter rules for this field</source>
        <translation>Ausgewählte Filterregeln dieses Felds löschen</translation>
    </message>
    <message>
        <source>Del</source>
        <translation>Entf</translation>
    </message>
    <message>
        <source>Exact Match</source>
        <translation>Genau</translation>
    </message>
    <message>
        <source>Wildcard</source>
        <translation>Platzhalter</translation>
    </message>
    <message>
        <source>Regular Expression</source>
        <translation>Regulärer Ausdruck</translation>
    </message>
    <message>
        <source>Filter-matching method</source>
        <translation>Vergleichsart des Filters</translation>
    </message>
    <message>
        <source>Double-click to set filter pattern</source>
        <translation>Doppelklick, um das Filtermuster zu setzen</translation>
    </message>
    <message>
        <source>Exclude</source>
        <translation>Ausschließen</translation>
    </message>
</context>
<context>
    <name>WFilter</name>
    <message>
        <source>attempt to set filter for value &apos;%1&apos; to widget for column &apos;%2&apos;</source>
        <translation>attempt to set filter for value &apos;%1&apos; to widget for column &apos;%2&apos;</translation>
    </message>
    <message>
        <source>attempt to set filter for value &apos;%1&apos; source %2 to widget for source &apos;%3&apos;</source>
        <translation>attempt to set filter for value &apos;%1&apos; source %2 to widget for source &apos;%3&apos;</translation>
    </message>
</context>
<context>
    <name>WFilterToggleButton</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
</context>
<context>
    <name>WSpinboxFilterRuleNumbers</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
</context>
</TS>
