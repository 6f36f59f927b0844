<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>tq::InsightsPane</name>
    <message>
        <source>Words saved</source>
        <translation>Gesparte Wörter</translation>
    </message>
    <message>
        <source>%1 days</source>
        <translation>%1 Tage</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>Zeitraum</translation>
    </message>
    <message>
        <source>Nothing to chart yet</source>
        <translation>Noch nichts zum Anzeigen</translation>
    </message>
    <message>
        <source>Accept a few suggestions and your days show up here.</source>
        <translation>Nimm ein paar Vorschläge an, dann erscheinen deine Tage hier.</translation>
    </message>
    <message>
        <source>Where you write</source>
        <translation>Wo du schreibst</translation>
    </message>
    <message>
        <source>Reset Statistics…</source>
        <translation>Statistik zurücksetzen…</translation>
    </message>
    <message>
        <source>Words saved per day over the last %1 days</source>
        <translation>Gesparte Wörter pro Tag in den letzten %1 Tagen</translation>
    </message>
    <message>
        <source>No apps yet</source>
        <translation>Noch keine Apps</translation>
    </message>
    <message>
        <source>Reset all statistics?</source>
        <translation>Die gesamte Statistik zurücksetzen?</translation>
    </message>
    <message>
        <source>This clears words saved, acceptance and timing history.</source>
        <translation>Das löscht gesparte Wörter, Annahmen und Wartezeiten.</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Zurücksetzen</translation>
    </message>
</context>
<context>
    <name>tq::InspectorPane</name>
    <message>
        <source>Copy Diagnostics</source>
        <translation>Diagnose kopieren</translation>
    </message>
    <message>
        <source>Diagnostics leave out the text you typed.</source>
        <translation>Die Diagnose enthält nichts von dem, was du getippt hast.</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Right now</source>
        <translation>Gerade</translation>
    </message>
    <message>
        <source>Accessibility</source>
        <translation>Bedienungshilfen</translation>
    </message>
    <message>
        <source>Allowed</source>
        <translation>Erlaubt</translation>
    </message>
    <message>
        <source>Not allowed</source>
        <translation>Nicht erlaubt</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Tastatur</translation>
    </message>
    <message>
        <source>Listening</source>
        <translation>Hört zu</translation>
    </message>
    <message>
        <source>Not listening</source>
        <translation>Hört nicht zu</translation>
    </message>
    <message>
        <source>Engine</source>
        <translation>Modell</translation>
    </message>
    <message>
        <source>Focused field</source>
        <translation>Aktives Feld</translation>
    </message>
    <message>
        <source>Click into a text field in another app, then come back. The last field %1 saw stays here.</source>
        <translation>Klicke in ein Textfeld einer anderen App und komm dann zurück. Das letzte Feld, das %1 gesehen hat, bleibt hier stehen.</translation>
    </message>
    <message>
        <source>App</source>
        <translation>App</translation>
    </message>
    <message>
        <source>Field type</source>
        <translation>Feldtyp</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>Website</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>Fenster</translation>
    </message>
    <message>
        <source>Field size</source>
        <translation>Feldgröße</translation>
    </message>
    <message>
        <source>Caret found</source>
        <translation>Einfügemarke gefunden</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Schrift</translation>
    </message>
    <message>
        <source>At end of line</source>
        <translation>Am Zeilenende</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Secure input</source>
        <translation>Sichere Eingabe</translation>
    </message>
    <message>
        <source>Looked at lately</source>
        <translation>Zuletzt angesehen</translation>
    </message>
    <message>
        <source>Text before the caret</source>
        <translation>Text vor der Einfügemarke</translation>
    </message>
    <message>
        <source>Last request</source>
        <translation>Letzte Anfrage</translation>
    </message>
    <message>
        <source>Wait</source>
        <translation>Wartezeit</translation>
    </message>
    <message>
        <source>Suggestion</source>
        <translation>Vorschlag</translation>
    </message>
    <message>
        <source>None yet</source>
        <translation>Noch keine</translation>
    </message>
    <message>
        <source>Prompt sent to the engine</source>
        <translation>An das Modell gesendeter Prompt</translation>
    </message>
    <message>
        <source>Raw answer</source>
        <translation>Rohe Antwort</translation>
    </message>
    <message>
        <source>(empty)</source>
        <translation>(leer)</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>Kopiert</translation>
    </message>
</context>
<context>
    <name>tq::LanguageButton</name>
    <message>
        <source>Change the app language</source>
        <translation>Sprache der App ändern</translation>
    </message>
</context>
<context>
    <name>tq::LanguageRow</name>
    <message>
        <source>App language</source>
        <translation>Sprache der App</translation>
    </message>
    <message>
        <source>Pick the language you read most easily. Suggestions follow whatever language you type.</source>
        <translation>Wähle die Sprache, die du am leichtesten liest. Vorschläge folgen der Sprache, in der du tippst.</translation>
    </message>
</context>
<context>
    <name>tq::LanguageSheet</name>
    <message>
        <source>%1 could not open again: %2 Your choice takes effect the next time you start it.</source>
        <translation>%1 konnte nicht neu geöffnet werden: %2 Deine Wahl gilt beim nächsten Start.</translation>
    </message>
    <message>
        <source>Choose a language</source>
        <translation>Sprache wählen</translation>
    </message>
    <message>
        <source>Search languages</source>
        <translation>Sprachen suchen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Same as my computer</source>
        <translation>Wie mein Computer</translation>
    </message>
    <message>
        <source>Switch to %1?</source>
        <translation>Zu %1 wechseln?</translation>
    </message>
    <message>
        <source>the computer&apos;s language</source>
        <translation>der Sprache des Computers</translation>
    </message>
    <message>
        <source>%1 closes and opens again in a second. Your settings stay as they are.</source>
        <translation>%1 schließt sich und öffnet sich gleich wieder. Deine Einstellungen bleiben, wie sie sind.</translation>
    </message>
    <message>
        <source>Reopen Now</source>
        <translation>Jetzt neu öffnen</translation>
    </message>
</context>
<context>
    <name>tq::insights</name>
    <message>
        <source>word</source>
        <translation>Wort</translation>
    </message>
    <message>
        <source>words</source>
        <translation>Wörter</translation>
    </message>
    <message>
        <source>0 min</source>
        <translation>0 Min.</translation>
    </message>
    <message>
        <source>under a minute</source>
        <translation>unter einer Minute</translation>
    </message>
    <message>
        <source>%1 min</source>
        <translation>%1 Min.</translation>
    </message>
    <message>
        <source>%1 h</source>
        <translation>%1 Std.</translation>
    </message>
    <message>
        <source>Not yet</source>
        <translation>Noch nicht</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Heute</translation>
    </message>
    <message>
        <source>Last 7 days</source>
        <translation>Letzte 7 Tage</translation>
    </message>
    <message>
        <source>All time</source>
        <translation>Insgesamt</translation>
    </message>
    <message>
        <source>Typing saved</source>
        <translation>Gesparte Tippzeit</translation>
    </message>
    <message>
        <source>at 40 words a minute</source>
        <translation>bei 40 Wörtern pro Minute</translation>
    </message>
    <message>
        <source>Accepted</source>
        <translation>Angenommen</translation>
    </message>
    <message>
        <source>of suggestions shown</source>
        <translation>der gezeigten Vorschläge</translation>
    </message>
    <message>
        <source>Typical wait</source>
        <translation>Typische Wartezeit</translation>
    </message>
    <message>
        <source>9 in 10 under %1</source>
        <translation>9 von 10 unter %1</translation>
    </message>
    <message>
        <source>no requests yet</source>
        <translation>noch keine Anfragen</translation>
    </message>
</context>
<context>
    <name>tq::inspector</name>
    <message>
        <source>Unknown</source>
        <translation>Unbekannt</translation>
    </message>
    <message>
        <source>%1 × %2 pt</source>
        <translation>%1 × %2 pt</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Yes, at %1, %2 on screen, %3 pt tall, %4 characters before it and %5 after</source>
        <translation>Ja, bei %1, %2 auf dem Bildschirm, %3 pt hoch, %4 Zeichen davor und %5 danach</translation>
    </message>
    <message>
        <source>Not reported, estimated from the caret</source>
        <translation>Nicht gemeldet, aus der Einfügemarke geschätzt</translation>
    </message>
    <message>
        <source>%1 %2 pt</source>
        <translation>%1 %2 pt</translation>
    </message>
    <message>
        <source>System</source>
        <translation>System</translation>
    </message>
    <message>
        <source>None yet</source>
        <translation>Noch keine</translation>
    </message>
    <message>
        <source>Not yet</source>
        <translation>Noch nicht</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>%1 ms</source>
        <translation>%1 ms</translation>
    </message>
</context>
</TS>
