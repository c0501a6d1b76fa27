<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>QObject</name>
    <message>
        <source>Patterns separated by &apos;;&apos;, &apos;%1&apos; for any text</source>
        <translation>Muster durch „;“ getrennt, „%1“ für beliebigen Text</translation>
    </message>
    <message>
        <source>Texts</source>
        <translation>Texte</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>Spalten</translation>
    </message>
    <message>
        <source>Datapoint</source>
        <translation>Datenpunkt</translation>
    </message>
    <message>
        <source>Alarm text</source>
        <translation>Alarmtext</translation>
    </message>
    <message>
        <source>Priority</source>
        <translation>Priorität</translation>
    </message>
</context>
<context>
    <name>SampleColumnsPage</name>
    <message>
        <source>Priority rules:</source>
        <translation>Prioritätsregeln:</translation>
    </message>
    <message>
        <source>priority at least</source>
        <translation>Priorität mindestens</translation>
    </message>
    <message>
        <source>System:</source>
        <translation>System:</translation>
    </message>
    <message>
        <source>Came time:</source>
        <translation>Kommt-Zeit:</translation>
    </message>
    <message>
        <source>State:</source>
        <translation>Zustand:</translation>
    </message>
    <message>
        <source>Unacknowledged</source>
        <translation>Unquittiert</translation>
    </message>
    <message>
        <source>Only alarms that are not acknowledged</source>
        <translation>Nur Alarme, die nicht quittiert sind</translation>
    </message>
    <message>
        <source>Came</source>
        <translation>Gekommen</translation>
    </message>
    <message>
        <source>Went</source>
        <translation>Gegangen</translation>
    </message>
</context>
<context>
    <name>SamplePanel</name>
    <message>
        <source>&lt;b&gt;Sources and filters&lt;/b&gt; (sample plug-in panel)</source>
        <translation>&lt;b&gt;Quellen und Filter&lt;/b&gt; (Bereich aus dem Beispiel-Plug-in)</translation>
    </message>
</context>
<context>
    <name>SampleQuickFilterRow</name>
    <message>
        <source>Quick filter:</source>
        <translation>Schnellfilter:</translation>
    </message>
</context>
<context>
    <name>SampleTextRules</name>
    <message>
        <source>Patterns match case</source>
        <translation>Muster beachten Groß-/Kleinschreibung</translation>
    </message>
    <message>
        <source>Patterns ignore case</source>
        <translation>Muster ignorieren Groß-/Kleinschreibung</translation>
    </message>
    <message>
        <source>
Suggestions: %1%2</source>
        <translation>
Vorschläge: %1%2</translation>
    </message>
</context>
</TS>
