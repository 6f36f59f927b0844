<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>Tessaquill</name>
    <message>
        <source>Accessibility is on. %app is ready in your other apps.</source>
        <translation>Barrierefreiheit ist an. %app ist in deinen anderen Apps bereit.</translation>
    </message>
    <message>
        <source>Paused while %1 is open</source>
        <translation>Pausiert, solange %1 offen ist</translation>
    </message>
    <message>
        <source>Welcome to %app</source>
        <translation>Willkommen bei %app</translation>
    </message>
    <message>
        <source>%app</source>
        <translation>%app</translation>
    </message>
    <message>
        <source>Another autocomplete app is running</source>
        <translation>Eine andere Autovervollständigungs-App läuft</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Bereit</translation>
    </message>
    <message>
        <source>Waiting for a pause</source>
        <translation>Wartet auf eine Pause</translation>
    </message>
    <message>
        <source>Thinking</source>
        <translation>Denkt nach</translation>
    </message>
    <message>
        <source>Showing a suggestion</source>
        <translation>Zeigt einen Vorschlag</translation>
    </message>
    <message>
        <source>The model took too long to answer</source>
        <translation>Das Modell hat zu lange für die Antwort gebraucht</translation>
    </message>
    <message>
        <source>This app doesn&apos;t report where the caret is</source>
        <translation>Diese App meldet nicht, wo die Einfügemarke steht</translation>
    </message>
    <message>
        <source>%app is turned off</source>
        <translation>%app ist ausgeschaltet</translation>
    </message>
    <message>
        <source>Secure input is on, so %app stays out</source>
        <translation>Sichere Eingabe ist an, deshalb hält sich %app heraus</translation>
    </message>
    <message>
        <source>Press %1 for a suggestion</source>
        <translation>Drücke %1 für einen Vorschlag</translation>
    </message>
    <message>
        <source>Text is selected</source>
        <translation>Text ist ausgewählt</translation>
    </message>
    <message>
        <source>The caret is inside existing text</source>
        <translation>Die Einfügemarke steht mitten im Text</translation>
    </message>
    <message>
        <source>This field is too small</source>
        <translation>Dieses Feld ist zu klein</translation>
    </message>
    <message>
        <source>Waiting for a few characters</source>
        <translation>Wartet auf ein paar Zeichen</translation>
    </message>
    <message>
        <source>Start of a new line</source>
        <translation>Anfang einer neuen Zeile</translation>
    </message>
    <message>
        <source>The model is still downloading</source>
        <translation>Das Modell wird noch heruntergeladen</translation>
    </message>
    <message>
        <source>Download the %app model in Settings first</source>
        <translation>Lade zuerst das %app-Modell in den Einstellungen herunter</translation>
    </message>
    <message>
        <source>Not checked yet</source>
        <translation>Noch nicht geprüft</translation>
    </message>
    <message>
        <source>Checking…</source>
        <translation>Wird geprüft…</translation>
    </message>
    <message>
        <source>The model stopped with error %1</source>
        <translation>Das Modell wurde mit Fehler %1 beendet</translation>
    </message>
    <message>
        <source>The model file couldn&apos;t be loaded</source>
        <translation>Die Modelldatei konnte nicht geladen werden</translation>
    </message>
    <message>
        <source>There wasn&apos;t enough memory to start the model</source>
        <translation>Es war nicht genug Speicher frei, um das Modell zu starten</translation>
    </message>
    <message>
        <source>The text couldn&apos;t be prepared for the model</source>
        <translation>Der Text konnte nicht für das Modell vorbereitet werden</translation>
    </message>
    <message>
        <source>This computer needs %1 free for the download. Free up some space, then try again.</source>
        <translation>Dieser Computer braucht %1 freien Platz für den Download. Schaffe etwas Platz und versuche es dann noch einmal.</translation>
    </message>
    <message>
        <source>The download didn&apos;t match the expected file, so it was deleted. Try again.</source>
        <translation>Der Download passte nicht zur erwarteten Datei und wurde deshalb gelöscht. Versuche es noch einmal.</translation>
    </message>
    <message>
        <source>Downloaded</source>
        <translation>Heruntergeladen</translation>
    </message>
    <message>
        <source>Downloading. Suggestions start once it&apos;s done.</source>
        <translation>Wird heruntergeladen. Vorschläge beginnen, sobald der Download fertig ist.</translation>
    </message>
    <message>
        <source>Checking the download.</source>
        <translation>Der Download wird geprüft.</translation>
    </message>
    <message>
        <source>Checking the download. Suggestions start once it&apos;s done.</source>
        <translation>Der Download wird geprüft. Vorschläge beginnen, sobald die Prüfung fertig ist.</translation>
    </message>
    <message>
        <source>Download the model to start</source>
        <translation>Lade das Modell herunter, um zu beginnen</translation>
    </message>
    <message>
        <source>Ollama is running but has no models</source>
        <translation>Ollama läuft, hat aber keine Modelle</translation>
    </message>
    <message>
        <source>Another app</source>
        <translation>Eine andere App</translation>
    </message>
    <message>
        <source>There is no D-Bus session bus, so %1 cannot reach text fields.</source>
        <translation>Es gibt keinen D-Bus-Sitzungsbus, deshalb erreicht %1 keine Textfelder.</translation>
    </message>
    <message>
        <source>The desktop&apos;s accessibility bus is not running, so %1 cannot reach text fields.</source>
        <translation>Der Barrierefreiheits-Bus des Desktops läuft nicht, deshalb erreicht %1 keine Textfelder.</translation>
    </message>
    <message>
        <source>Short</source>
        <translation>Kurz</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Mittel</translation>
    </message>
    <message>
        <source>Long</source>
        <translation>Lang</translation>
    </message>
    <message>
        <source>Hide the suggestion</source>
        <translation>Den Vorschlag ausblenden</translation>
    </message>
    <message>
        <source>Hide suggestions until I change fields</source>
        <translation>Vorschläge ausblenden, bis ich das Feld wechsle</translation>
    </message>
    <message>
        <source>Do nothing, send Escape to the app</source>
        <translation>Nichts tun, Escape an die App senden</translation>
    </message>
    <message>
        <source>Type it</source>
        <translation>Eintippen</translation>
    </message>
    <message>
        <source>Insert through Accessibility</source>
        <translation>Über Barrierefreiheit einfügen</translation>
    </message>
    <message>
        <source>Paste it</source>
        <translation>Über Zwischenablage</translation>
    </message>
    <message>
        <source>Grey</source>
        <translation>Grau</translation>
    </message>
    <message>
        <source>Gold tint</source>
        <translation>Goldton</translation>
    </message>
    <message>
        <source>%app model</source>
        <translation>%app-Modell</translation>
    </message>
    <message>
        <source>Ollama</source>
        <translation>Ollama</translation>
    </message>
    <message>
        <source>Local server</source>
        <translation>Lokaler Server</translation>
    </message>
    <message>
        <source>Runs on this computer after a one-time download. Works offline.</source>
        <translation>Läuft nach einem einmaligen Download auf diesem Computer. Funktioniert offline.</translation>
    </message>
    <message>
        <source>Any model you run in Ollama, base models included.</source>
        <translation>Jedes Modell, das du in Ollama ausführst, auch Basismodelle.</translation>
    </message>
    <message>
        <source>LM Studio, llama-server or any OpenAI-compatible endpoint.</source>
        <translation>LM Studio, llama-server oder jeder OpenAI-kompatible Endpunkt.</translation>
    </message>
    <message>
        <source>Sends the text as keystrokes. Works almost everywhere.</source>
        <translation>Sendet den Text als Tastenanschläge. Funktioniert fast überall.</translation>
    </message>
    <message>
        <source>Uses the clipboard, then puts your clipboard back.</source>
        <translation>Nutzt die Zwischenablage und stellt sie danach wieder her.</translation>
    </message>
    <message>
        <source>Accessibility</source>
        <translation>Barrierefreiheit</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Zwischenablage</translation>
    </message>
    <message>
        <source>Your writing memory could not be opened and was set aside. Nothing new is remembered until %app starts again.</source>
        <translation>Dein Schreibgedächtnis konnte nicht geöffnet werden und wurde beiseitegelegt. Bis %app neu startet, wird nichts Neues gemerkt.</translation>
    </message>
    <message>
        <source>Your writing memory could not be opened because its key could not be read from the keyring. Nothing new is remembered until %app starts again.</source>
        <translation>Dein Schreibgedächtnis konnte nicht geöffnet werden, weil sein Schlüssel nicht aus dem Schlüsselbund gelesen werden konnte. Bis %app neu startet, wird nichts Neues gemerkt.</translation>
    </message>
    <message>
        <source>Not Now</source>
        <translation>Nicht jetzt</translation>
    </message>
    <message>
        <source>Open the desktop&apos;s settings</source>
        <translation>Einstellungen des Desktops öffnen</translation>
    </message>
    <message>
        <source>Don&apos;t remind me again</source>
        <translation>Nicht mehr erinnern</translation>
    </message>
    <message>
        <source>Open Playground</source>
        <translation>Übungsfeld öffnen</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Quit %app</source>
        <translation>%app beenden</translation>
    </message>
    <message>
        <source>Needs Accessibility access</source>
        <translation>Braucht Zugriff über Barrierefreiheit</translation>
    </message>
    <message>
        <source>Paused until you resume</source>
        <translation>Pausiert, bis du fortsetzt</translation>
    </message>
    <message>
        <source>Paused until %1</source>
        <translation>Pausiert bis %1</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message numerus="yes">
        <source>Paused while %1 are open</source>
        <translation>
            <numerusform>Pausiert, solange %1 offen ist</numerusform>
            <numerusform>Pausiert, solange %1 offen sind</numerusform>
        </translation>
    </message>
    <message>
        <source>Grant Accessibility Access…</source>
        <translation>Zugriff über Barrierefreiheit erlauben…</translation>
    </message>
    <message numerus="yes">
        <source>Force Quit %1</source>
        <translation>
            <numerusform>%1 sofort beenden</numerusform>
            <numerusform>%1 sofort beenden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Quit %1</source>
        <translation>
            <numerusform>%1 beenden</numerusform>
            <numerusform>%1 beenden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>words saved today</source>
        <translation>
            <numerusform>Wort heute gespart</numerusform>
            <numerusform>Wörter heute gespart</numerusform>
        </translation>
    </message>
    <message>
        <source>Start typing anywhere. %app keeps count here.</source>
        <translation>Fang irgendwo an zu tippen. %app zählt hier mit.</translation>
    </message>
    <message>
        <source>Resume in %1</source>
        <translation>In %1 fortsetzen</translation>
    </message>
    <message>
        <source>Pause in %1</source>
        <translation>In %1 pausieren</translation>
    </message>
    <message>
        <source>Resume Everywhere</source>
        <translation>Überall fortsetzen</translation>
    </message>
    <message>
        <source>Pause Everywhere</source>
        <translation>Überall pausieren</translation>
    </message>
    <message>
        <source>For 15 Minutes</source>
        <translation>Für 15 Minuten</translation>
    </message>
    <message>
        <source>For 1 Hour</source>
        <translation>Für 1 Stunde</translation>
    </message>
    <message>
        <source>For 4 Hours</source>
        <translation>Für 4 Stunden</translation>
    </message>
    <message>
        <source>Until I Resume</source>
        <translation>Bis ich fortsetze</translation>
    </message>
    <message>
        <source>Example: after typing %1, %2 suggests %3</source>
        <translation>Beispiel: Nach „%1“ schlägt %2 „%3“ vor</translation>
    </message>
    <message>
        <source>takes the next word</source>
        <translation>übernimmt das nächste Wort</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Herunterladen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 von %2</translation>
    </message>
    <message>
        <source>%1 of %2. You can keep writing while it downloads.</source>
        <translation>%1 von %2. Du kannst weiterschreiben, während der Download läuft.</translation>
    </message>
    <message>
        <source>Checking the download</source>
        <translation>Der Download wird geprüft</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Erneut versuchen</translation>
    </message>
    <message>
        <source>Remove…</source>
        <translation>Entfernen…</translation>
    </message>
    <message>
        <source>%1 license</source>
        <translation>Lizenz %1</translation>
    </message>
    <message>
        <source>Remove the %app model?</source>
        <translation>Das %app-Modell entfernen?</translation>
    </message>
    <message>
        <source>Model download</source>
        <translation>Modell-Download</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Später</translation>
    </message>
    <message>
        <source>Start Writing</source>
        <translation>Losschreiben</translation>
    </message>
    <message>
        <source>Finish your sentences in any app.</source>
        <translation>Vollendet deine Sätze in jeder App.</translation>
    </message>
    <message>
        <source>%app reads the words before your caret and suggests what comes next in grey. Press Tab to take one word, or the key above Tab to take the rest. If you don&apos;t want it, keep typing.</source>
        <translation>%app liest die Wörter vor deiner Einfügemarke und schlägt in Grau vor, was als Nächstes kommt. Drücke Tab für ein Wort oder die Taste über Tab für den Rest. Wenn du es nicht willst, tipp einfach weiter.</translation>
    </message>
    <message>
        <source>Sees what you see</source>
        <translation>Sieht, was du siehst</translation>
    </message>
    <message>
        <source>Private</source>
        <translation>Privat</translation>
    </message>
    <message>
        <source>It reads the window you&apos;re typing in, like the chat you&apos;re answering, so suggestions fit. None of it goes online, to us or any server. It stays private on your computer.</source>
        <translation>Es liest das Fenster, in dem du tippst, etwa den Chat, auf den du antwortest, damit die Vorschläge passen. Nichts davon geht online, weder an uns noch an einen Server. Es bleibt privat auf deinem Computer.</translation>
    </message>
    <message>
        <source>Accessibility is on</source>
        <translation>Barrierefreiheit ist an</translation>
    </message>
    <message>
        <source>%app can now read the field you&apos;re writing in and type suggestions for you.</source>
        <translation>%app kann jetzt das Feld lesen, in dem du schreibst, und Vorschläge für dich tippen.</translation>
    </message>
    <message>
        <source>Let %app see what you type.</source>
        <translation>Lass %app sehen, was du tippst.</translation>
    </message>
    <message>
        <source>%app reads your text when you pause and forgets it after one suggestion, unless you turn on writing memory.</source>
        <translation>%app liest deinen Text, wenn du innehältst, und vergisst ihn nach einem Vorschlag, außer du schaltest das Schreibgedächtnis ein.</translation>
    </message>
    <message>
        <source>%app skips password fields and anything else the system marks as secure.</source>
        <translation>%app überspringt Passwortfelder und alles andere, was das System als sicher kennzeichnet.</translation>
    </message>
    <message>
        <source>Open Accessibility Settings</source>
        <translation>Einstellungen der Barrierefreiheit öffnen</translation>
    </message>
    <message>
        <source>Pick what writes your suggestions.</source>
        <translation>Wähle, was deine Vorschläge schreibt.</translation>
    </message>
    <message>
        <source>You can change this any time in Settings.</source>
        <translation>Du kannst das jederzeit in den Einstellungen ändern.</translation>
    </message>
    <message>
        <source>Give it a try.</source>
        <translation>Probier es aus.</translation>
    </message>
    <message>
        <source>Start typing a sentence. When grey words appear, press Tab for one word or the key above Tab for all of them.</source>
        <translation>Fang an, einen Satz zu tippen. Wenn graue Wörter erscheinen, drücke Tab für ein Wort oder die Taste über Tab für alle.</translation>
    </message>
    <message>
        <source>Hi Orlenn, thanks for the quick reply. I think we should</source>
        <translation>Hallo Orlenn, danke für die schnelle Antwort. Ich finde, wir sollten</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Practice field</source>
        <translation>Übungsfeld</translation>
    </message>
    <message>
        <source>Default, on</source>
        <translation>Standard, an</translation>
    </message>
    <message>
        <source>Default, off</source>
        <translation>Standard, aus</translation>
    </message>
    <message>
        <source>Add a website</source>
        <translation>Website hinzufügen</translation>
    </message>
    <message>
        <source>Domain</source>
        <translation>Domain</translation>
    </message>
    <message>
        <source>Rules for a site apply in any browser %app can read.</source>
        <translation>Regeln für eine Website gelten in jedem Browser, den %app lesen kann.</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Add App…</source>
        <translation>App hinzufügen…</translation>
    </message>
    <message>
        <source>Add an app</source>
        <translation>App hinzufügen</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Clear search</source>
        <translation>Suche leeren</translation>
    </message>
    <message>
        <source>Add an app or website</source>
        <translation>Eine App oder Website hinzufügen</translation>
    </message>
    <message>
        <source>Add Website…</source>
        <translation>Website hinzufügen…</translation>
    </message>
    <message>
        <source>Apps &amp; Sites</source>
        <translation>Apps &amp; Websites</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Pausiert</translation>
    </message>
    <message>
        <source>Apps</source>
        <translation>Apps</translation>
    </message>
    <message>
        <source>Websites</source>
        <translation>Websites</translation>
    </message>
    <message>
        <source>No matches</source>
        <translation>Keine Treffer</translation>
    </message>
    <message>
        <source>No apps yet</source>
        <translation>Noch keine Apps</translation>
    </message>
    <message>
        <source>Nothing matches “%1”.</source>
        <translation>Nichts passt zu „%1“.</translation>
    </message>
    <message>
        <source>Apps appear here once you accept a suggestion in them, or add one with +.</source>
        <translation>Apps erscheinen hier, sobald du in ihnen einen Vorschlag annimmst. Du kannst auch eine mit + hinzufügen.</translation>
    </message>
    <message>
        <source>Pick an app or site</source>
        <translation>Wähle eine App oder Website</translation>
    </message>
    <message>
        <source>Each one can have its own rules. Anything you don&apos;t change follows General.</source>
        <translation>Jede kann eigene Regeln haben. Was du nicht änderst, folgt „Allgemein“.</translation>
    </message>
    <message>
        <source>Words saved here</source>
        <translation>Hier gesparte Wörter</translation>
    </message>
    <message>
        <source>Suggestions</source>
        <translation>Vorschläge</translation>
    </message>
    <message>
        <source>On</source>
        <translation>An</translation>
    </message>
    <message>
        <source>Tab accepts suggestions</source>
        <translation>Tab nimmt Vorschläge an</translation>
    </message>
    <message>
        <source>Turn off where Tab already means something, like indenting. The other accept key still works.</source>
        <translation>Schalte das aus, wo Tab schon etwas bedeutet, etwa Einrücken. Die andere Taste zum Annehmen funktioniert weiter.</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Insert by</source>
        <translation>Einfügemethode</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Länge</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Fortsetzen</translation>
    </message>
    <message>
        <source>Pause here</source>
        <translation>Hier pausieren</translation>
    </message>
    <message>
        <source>Memory</source>
        <translation>Gedächtnis</translation>
    </message>
    <message>
        <source>Remember my writing here</source>
        <translation>Hier merken, wie ich schreibe</translation>
    </message>
    <message>
        <source>Writing memory is off in Your Voice.</source>
        <translation>Das Schreibgedächtnis ist unter „Dein Schreibstil“ aus.</translation>
    </message>
    <message>
        <source>Erase…</source>
        <translation>Löschen…</translation>
    </message>
    <message>
        <source>Reset to Defaults</source>
        <translation>Auf Standard zurücksetzen</translation>
    </message>
    <message>
        <source>Erase what %app remembered from %1?</source>
        <translation>Löschen, was sich %app aus %1 gemerkt hat?</translation>
    </message>
    <message>
        <source>Erase</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Passages from this app can shape suggestions everywhere.</source>
        <translation>Passagen aus dieser App können Vorschläge überall prägen.</translation>
    </message>
    <message>
        <source>Finish setting up</source>
        <translation>Einrichtung abschließen</translation>
    </message>
    <message>
        <source>Setup progress</source>
        <translation>Fortschritt der Einrichtung</translation>
    </message>
    <message>
        <source>Done: %1</source>
        <translation>Erledigt: %1</translation>
    </message>
    <message>
        <source>Best day yet!</source>
        <translation>Dein bester Tag bisher!</translation>
    </message>
    <message>
        <source>Try it here</source>
        <translation>Probier es hier aus</translation>
    </message>
    <message>
        <source>Thanks for sending the draft over. I had a look and</source>
        <translation>Danke, dass du den Entwurf geschickt hast. Ich habe ihn mir angesehen und</translation>
    </message>
    <message>
        <source>next word</source>
        <translation>nächstes Wort</translation>
    </message>
    <message>
        <source>whole suggestion</source>
        <translation>ganzer Vorschlag</translation>
    </message>
    <message>
        <source>hide it</source>
        <translation>ausblenden</translation>
    </message>
    <message>
        <source>This field runs the real engine. Start typing and grey words show up as you go.</source>
        <translation>Dieses Feld nutzt die echte Engine. Fang an zu tippen, und graue Wörter erscheinen dabei.</translation>
    </message>
    <message>
        <source>This field runs the real engine, even before you allow Accessibility. Start typing and grey words show up as you go.</source>
        <translation>Dieses Feld nutzt die echte Engine, schon bevor du den Zugriff über Barrierefreiheit erlaubst. Fang an zu tippen, und graue Wörter erscheinen dabei.</translation>
    </message>
    <message>
        <source>You&apos;re all set</source>
        <translation>Alles bereit</translation>
    </message>
    <message>
        <source>Accessibility is on and %1 is ready. %app works in every app you type in.</source>
        <translation>Barrierefreiheit ist an und %1 ist bereit. %app funktioniert in jeder App, in der du tippst.</translation>
    </message>
    <message>
        <source>Waiting for %1 to quit</source>
        <translation>Wartet, bis %1 beendet ist</translation>
    </message>
    <message>
        <source>Turned off</source>
        <translation>Ausgeschaltet</translation>
    </message>
    <message>
        <source>Paused everywhere</source>
        <translation>Überall pausiert</translation>
    </message>
    <message>
        <source>%1, %2 typical wait</source>
        <translation>%1, typische Wartezeit %2</translation>
    </message>
    <message>
        <source>Start your streak today.</source>
        <translation>Beginne heute deine Serie.</translation>
    </message>
    <message>
        <source>Overview</source>
        <translation>Übersicht</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>Engine</source>
        <translation>Engine</translation>
    </message>
    <message>
        <source>Context</source>
        <translation>Kontext</translation>
    </message>
    <message>
        <source>Your Voice</source>
        <translation>Dein Schreibstil</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Tasten</translation>
    </message>
    <message>
        <source>Emoji</source>
        <translation>Emoji</translation>
    </message>
    <message>
        <source>Battery</source>
        <translation>Akku</translation>
    </message>
    <message>
        <source>Insights</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <source>Field Inspector</source>
        <translation>Feldinspektor</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>How %app is doing today</source>
        <translation>Wie es %app heute geht</translation>
    </message>
    <message>
        <source>Where and how suggestions appear</source>
        <translation>Wo und wie Vorschläge erscheinen</translation>
    </message>
    <message>
        <source>The model that writes your suggestions</source>
        <translation>Das Modell, das deine Vorschläge schreibt</translation>
    </message>
    <message>
        <source>What %app may look at to guess better</source>
        <translation>Was %app ansehen darf, um besser zu raten</translation>
    </message>
    <message>
        <source>Help suggestions sound like you</source>
        <translation>Damit Vorschläge wie du klingen</translation>
    </message>
    <message>
        <source>Accept, dismiss and summon suggestions</source>
        <translation>Vorschläge annehmen, verwerfen und anfordern</translation>
    </message>
    <message>
        <source>Emoji search and emoticons</source>
        <translation>Emoji-Suche und Emoticons</translation>
    </message>
    <message>
        <source>Rules for each app and website</source>
        <translation>Regeln für jede App und Website</translation>
    </message>
    <message>
        <source>Save power when you&apos;re unplugged</source>
        <translation>Strom sparen ohne Netzteil</translation>
    </message>
    <message>
        <source>Words saved and how fast suggestions arrive</source>
        <translation>Gesparte Wörter und wie schnell Vorschläge kommen</translation>
    </message>
    <message>
        <source>What %app sees in the focused field</source>
        <translation>Was %app im aktiven Feld sieht</translation>
    </message>
    <message>
        <source>Version and privacy</source>
        <translation>Version und Datenschutz</translation>
    </message>
    <message>
        <source>Writing</source>
        <translation>Schreiben</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Eingabe</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Regeln</translation>
    </message>
    <message>
        <source>Activity</source>
        <translation>Aktivität</translation>
    </message>
    <message>
        <source>%app can read the field you&apos;re typing in and insert suggestions in any app.</source>
        <translation>%app kann das Feld lesen, in dem du tippst, und in jeder App Vorschläge einfügen.</translation>
    </message>
    <message>
        <source>Allow Accessibility access</source>
        <translation>Zugriff über Barrierefreiheit erlauben</translation>
    </message>
    <message>
        <source>%app needs it to read the text you type in other apps and to insert suggestions.</source>
        <translation>%app braucht ihn, um den Text zu lesen, den du in anderen Apps tippst, und um Vorschläge einzufügen.</translation>
    </message>
    <message>
        <source>Allow…</source>
        <translation>Erlauben…</translation>
    </message>
    <message>
        <source>%1 is ready</source>
        <translation>%1 ist bereit</translation>
    </message>
    <message>
        <source>Checking %1</source>
        <translation>%1 wird geprüft</translation>
    </message>
    <message>
        <source>This takes a moment.</source>
        <translation>Das dauert einen Moment.</translation>
    </message>
    <message>
        <source>Your engine isn&apos;t ready</source>
        <translation>Deine Engine ist nicht bereit</translation>
    </message>
    <message>
        <source>Open Engine</source>
        <translation>„Engine“ öffnen</translation>
    </message>
    <message>
        <source>The system&apos;s predictions are off</source>
        <translation>Die Vorhersagen des Systems sind aus</translation>
    </message>
    <message>
        <source>Only %app&apos;s suggestions appear while you type.</source>
        <translation>Beim Tippen erscheinen nur die Vorschläge von %app.</translation>
    </message>
    <message>
        <source>Turn off the system&apos;s predictions</source>
        <translation>Die Vorhersagen des Systems ausschalten</translation>
    </message>
    <message>
        <source>The system shows its own grey suggestions on top of %app&apos;s. Each app picks up the change the next time you open it.</source>
        <translation>Das System zeigt seine eigenen grauen Vorschläge über denen von %app. Jede App übernimmt die Änderung, wenn du sie das nächste Mal öffnest.</translation>
    </message>
    <message>
        <source>Keyboard Settings</source>
        <translation>Tastatureinstellungen</translation>
    </message>
    <message>
        <source>Turn Off</source>
        <translation>Ausschalten</translation>
    </message>
    <message>
        <source>Only %app is suggesting</source>
        <translation>Nur %app macht Vorschläge</translation>
    </message>
    <message>
        <source>Tab reaches %app again.</source>
        <translation>Die Tab-Taste kommt wieder bei %app an.</translation>
    </message>
    <message numerus="yes">
        <source>%1 didn&apos;t quit. They may be showing a dialog. Force Quit closes them right away.</source>
        <translation>
            <numerusform>%1 wurde nicht beendet. Vielleicht zeigt die App einen Dialog. „Sofort beenden“ schließt sie umgehend.</numerusform>
            <numerusform>%1 wurden nicht beendet. Vielleicht zeigen sie einen Dialog. „Sofort beenden“ schließt sie umgehend.</numerusform>
        </translation>
    </message>
    <message>
        <source>Force Quit</source>
        <translation>Sofort beenden</translation>
    </message>
    <message numerus="yes">
        <source>%1 take the Tab key before %app can, so %app stays paused in your other apps until you quit them.</source>
        <translation>
            <numerusform>%1 schnappt sich die Tab-Taste vor %app, deshalb bleibt %app in deinen anderen Apps pausiert, bis du die App beendest.</numerusform>
            <numerusform>%1 schnappen sich die Tab-Taste vor %app, deshalb bleibt %app in deinen anderen Apps pausiert, bis du sie beendest.</numerusform>
        </translation>
    </message>
    <message>
        <source>Only when I ask</source>
        <translation>Nur auf Anfrage</translation>
    </message>
    <message>
        <source>On battery, suggestions appear only after you press the Suggest Now shortcut.</source>
        <translation>Im Akkubetrieb erscheinen Vorschläge erst, wenn du das Kürzel „Jetzt vorschlagen“ drückst.</translation>
    </message>
    <message>
        <source>Shorter suggestions</source>
        <translation>Kürzere Vorschläge</translation>
    </message>
    <message>
        <source>Fewer words take less power to write.</source>
        <translation>Weniger Wörter brauchen weniger Strom.</translation>
    </message>
    <message>
        <source>Lighter model</source>
        <translation>Leichteres Modell</translation>
    </message>
    <message>
        <source>Same as plugged in</source>
        <translation>Wie am Netzteil</translation>
    </message>
    <message>
        <source>Running on battery. These apply right now.</source>
        <translation>Akkubetrieb. Diese Einstellungen gelten jetzt.</translation>
    </message>
    <message>
        <source>Plugged in. These wait until you unplug.</source>
        <translation>Am Netzteil. Diese Einstellungen warten, bis du den Stecker ziehst.</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modell</translation>
    </message>
    <message>
        <source>Model name</source>
        <translation>Modellname</translation>
    </message>
    <message>
        <source>Reload the model list</source>
        <translation>Modellliste neu laden</translation>
    </message>
    <message>
        <source>Choose a model</source>
        <translation>Modell wählen</translation>
    </message>
    <message>
        <source>For people who already run Ollama, LM Studio or llama-server.</source>
        <translation>Für alle, die schon Ollama, LM Studio oder llama-server nutzen.</translation>
    </message>
    <message>
        <source>Use your own model</source>
        <translation>Eigenes Modell verwenden</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>API key</source>
        <translation>API-Schlüssel</translation>
    </message>
    <message>
        <source>Only if your server asks for one</source>
        <translation>Nur falls dein Server einen verlangt</translation>
    </message>
    <message>
        <source>Focused</source>
        <translation>Fokussiert</translation>
    </message>
    <message>
        <source>Creativity</source>
        <translation>Kreativität</translation>
    </message>
    <message>
        <source>Loose</source>
        <translation>Locker</translation>
    </message>
    <message>
        <source>Lower stays close to the obvious next words. Higher tries more.</source>
        <translation>Niedriger bleibt bei den naheliegenden nächsten Wörtern. Höher probiert mehr aus.</translation>
    </message>
    <message>
        <source>Wait before suggesting</source>
        <translation>Warten vor dem Vorschlagen</translation>
    </message>
    <message>
        <source>How long you pause before %app starts.</source>
        <translation>Wie lange du innehältst, bevor %app loslegt.</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Ausführen</translation>
    </message>
    <message>
        <source>Try the engine</source>
        <translation>Engine ausprobieren</translation>
    </message>
    <message>
        <source>Sends a sample sentence and shows what comes back.</source>
        <translation>Sendet einen Beispielsatz und zeigt, was zurückkommt.</translation>
    </message>
    <message>
        <source>Running…</source>
        <translation>Läuft…</translation>
    </message>
    <message>
        <source>The engine answered in %1 but had nothing useful to add.</source>
        <translation>Die Engine hat in %1 geantwortet, hatte aber nichts Nützliches hinzuzufügen.</translation>
    </message>
    <message>
        <source>That didn&apos;t work: %1</source>
        <translation>Das hat nicht geklappt: %1</translation>
    </message>
    <message>
        <source>The request was cancelled.</source>
        <translation>Die Anfrage wurde abgebrochen.</translation>
    </message>
    <message>
        <source>Startup</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Launch at login</source>
        <translation>Beim Anmelden starten</translation>
    </message>
    <message>
        <source>Show today&apos;s word count next to the icon</source>
        <translation>Heutige Wortzahl neben dem Symbol zeigen</translation>
    </message>
    <message>
        <source>Where suggestions appear</source>
        <translation>Wo Vorschläge erscheinen</translation>
    </message>
    <message>
        <source>Turn this off to use %app only in the apps you switch on under Apps &amp; Sites.</source>
        <translation>Schalte dies aus, um %app nur in den Apps zu nutzen, die du unter „Apps &amp; Websites“ einschaltest.</translation>
    </message>
    <message>
        <source>By default %app waits until the caret is at the end of a line.</source>
        <translation>Normalerweise wartet %app, bis die Einfügemarke am Zeilenende steht.</translation>
    </message>
    <message>
        <source>Without this, %app skips search bars and one-word boxes.</source>
        <translation>Ohne dies überspringt %app Suchleisten und Ein-Wort-Felder.</translation>
    </message>
    <message>
        <source>Suggestions appear only after you press the Suggest Now shortcut.</source>
        <translation>Vorschläge erscheinen erst, wenn du das Kürzel „Jetzt vorschlagen“ drückst.</translation>
    </message>
    <message>
        <source>Spelling</source>
        <translation>Rechtschreibung</translation>
    </message>
    <message>
        <source>Waits while the word you&apos;re typing looks misspelled, so %app doesn&apos;t build on a typo.</source>
        <translation>Wartet, solange das getippte Wort falsch geschrieben aussieht, damit %app nicht auf einem Tippfehler aufbaut.</translation>
    </message>
    <message>
        <source>After a misspelled word, shows a fix next to the caret. Press Tab to swap it in.</source>
        <translation>Zeigt nach einem falsch geschriebenen Wort eine Korrektur neben der Einfügemarke. Drücke Tab, um sie einzusetzen.</translation>
    </message>
    <message>
        <source>Look</source>
        <translation>Aussehen</translation>
    </message>
    <message>
        <source>Suggestion color</source>
        <translation>Farbe der Vorschläge</translation>
    </message>
    <message>
        <source>Text size</source>
        <translation>Textgröße</translation>
    </message>
    <message>
        <source>Fine-tune if suggestions look larger or smaller than your text.</source>
        <translation>Feinabstimmung, falls Vorschläge größer oder kleiner als dein Text wirken.</translation>
    </message>
    <message>
        <source>Vertical position</source>
        <translation>Vertikale Position</translation>
    </message>
    <message>
        <source>Nudge suggestions up or down to line up with your text.</source>
        <translation>Verschiebe Vorschläge nach oben oder unten, bis sie mit deinem Text auf einer Linie liegen.</translation>
    </message>
    <message>
        <source>A small keycap after your first suggestions, as a reminder of what to press.</source>
        <translation>Ein kleines Tastensymbol nach deinen ersten Vorschlägen, als Erinnerung, was zu drücken ist.</translation>
    </message>
    <message>
        <source>Insert suggestions by</source>
        <translation>Einfügemethode für Vorschläge</translation>
    </message>
    <message>
        <source>Other autocomplete apps</source>
        <translation>Andere Autovervollständigungs-Apps</translation>
    </message>
    <message>
        <source>They take the Tab key before %app can. With this off, %app asks you first.</source>
        <translation>Sie schnappen sich die Tab-Taste vor %app. Ist dies aus, fragt %app dich zuerst.</translation>
    </message>
    <message>
        <source>%1 is another device on your network, so the text around your caret will be sent there.</source>
        <translation>%1 ist ein anderes Gerät in deinem Netzwerk, daher wird der Text um deine Einfügemarke dorthin gesendet.</translation>
    </message>
    <message>
        <source>%1 isn&apos;t this computer, so the text around your caret will be sent there.</source>
        <translation>%1 ist nicht dieser Computer, daher wird der Text um deine Einfügemarke dorthin gesendet.</translation>
    </message>
    <message>
        <source>Both keep your text on this computer.</source>
        <translation>Beide behalten deinen Text auf diesem Computer.</translation>
    </message>
    <message>
        <source>%app opens by itself when you start your computer.</source>
        <translation>%app öffnet sich von selbst, wenn du deinen Computer startest.</translation>
    </message>
    <message>
        <source>System predictions</source>
        <translation>Systemvorhersagen</translation>
    </message>
    <message>
        <source>The system can show its own grey predictions. Keeping them off avoids two suggestions at once.</source>
        <translation>Das System kann eigene graue Vorhersagen zeigen. Sind sie aus, erscheinen nie zwei Vorschläge zugleich.</translation>
    </message>
    <message>
        <source>System predictions are on</source>
        <translation>Systemvorhersagen sind an</translation>
    </message>
    <message>
        <source>System predictions are off</source>
        <translation>Systemvorhersagen sind aus</translation>
    </message>
    <message>
        <source>tab</source>
        <translation>tab</translation>
    </message>
    <message>
        <source>Your next words, one Tab away.</source>
        <translation>Deine nächsten Wörter, nur einen Tab entfernt.</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Überspringen</translation>
    </message>
    <message>
        <source>Get Started</source>
        <translation>Loslegen</translation>
    </message>
    <message>
        <source>Turn sound on</source>
        <translation>Ton einschalten</translation>
    </message>
    <message>
        <source>Turn sound off</source>
        <translation>Ton ausschalten</translation>
    </message>
    <message>
        <source>The other app</source>
        <translation>Die andere App</translation>
    </message>
    <message numerus="yes">
        <source>Next time, quit %1 without asking</source>
        <translation>
            <numerusform>Nächstes Mal %1 ohne Nachfrage beenden</numerusform>
            <numerusform>Nächstes Mal %1 ohne Nachfrage beenden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 is also running</source>
        <translation>
            <numerusform>%1 läuft ebenfalls</numerusform>
            <numerusform>%1 laufen ebenfalls</numerusform>
        </translation>
    </message>
    <message>
        <source>Quitting…</source>
        <translation>Wird beendet…</translation>
    </message>
    <message numerus="yes">
        <source>%1 is still open</source>
        <translation>
            <numerusform>%1 ist noch offen</numerusform>
            <numerusform>%1 sind noch offen</numerusform>
        </translation>
    </message>
    <message>
        <source>%app has the Tab key</source>
        <translation>%app hat die Tab-Taste</translation>
    </message>
    <message>
        <source>%1 quit, so your suggestions are back in every app.</source>
        <translation>Beendet: %1. Deine Vorschläge sind wieder in jeder App da.</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Open Source Notices</source>
        <translation>Open-Source-Hinweise</translation>
    </message>
    <message>
        <source>Reset all settings?</source>
        <translation>Alle Einstellungen zurücksetzen?</translation>
    </message>
    <message>
        <source>This also clears your rules for apps and sites. Your statistics and writing memory stay.</source>
        <translation>Das löscht auch deine Regeln für Apps und Websites. Deine Statistik und dein Schreibgedächtnis bleiben erhalten.</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Some apps hide their text</source>
        <translation>Manche Apps verbergen ihren Text</translation>
    </message>
    <message>
        <source>Suggest emoji after a colon</source>
        <translation>Emoji nach einem Doppelpunkt vorschlagen</translation>
    </message>
    <message>
        <source>Turn emoticons into emoji</source>
        <translation>Emoticons in Emoji verwandeln</translation>
    </message>
    <message>
        <source>After :-) or &lt;3, %app offers the matching emoji. Press Tab to swap it in.</source>
        <translation>Nach :-) oder &lt;3 bietet %app das passende Emoji an. Drücke Tab, um es einzusetzen.</translation>
    </message>
    <message>
        <source>Skin tone</source>
        <translation>Hautton</translation>
    </message>
    <message>
        <source>Also show the default yellow</source>
        <translation>Auch das Standardgelb zeigen</translation>
    </message>
    <message>
        <source>Try a word</source>
        <translation>Probier ein Wort</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Schwach</translation>
    </message>
    <message>
        <source>No emoji match “%1”</source>
        <translation>Kein Emoji passt zu „%1“</translation>
    </message>
    <message>
        <source>Accepting</source>
        <translation>Annehmen</translation>
    </message>
    <message>
        <source>Take the next word</source>
        <translation>Das nächste Wort übernehmen</translation>
    </message>
    <message>
        <source>Press again for each following word.</source>
        <translation>Drücke erneut für jedes weitere Wort.</translation>
    </message>
    <message>
        <source>Take the whole suggestion</source>
        <translation>Den ganzen Vorschlag übernehmen</translation>
    </message>
    <message>
        <source>The key above Tab is easy to reach on most keyboards.</source>
        <translation>Die Taste über Tab ist auf den meisten Tastaturen leicht zu erreichen.</translation>
    </message>
    <message>
        <source>Include the space after a word</source>
        <translation>Das Leerzeichen nach einem Wort mitnehmen</translation>
    </message>
    <message>
        <source>Include punctuation right after a word</source>
        <translation>Satzzeichen direkt nach einem Wort mitnehmen</translation>
    </message>
    <message>
        <source>When you press Escape</source>
        <translation>Wenn du Escape drückst</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Kürzel</translation>
    </message>
    <message>
        <source>Suggest now</source>
        <translation>Jetzt vorschlagen</translation>
    </message>
    <message>
        <source>Asks for a suggestion right away, even where %app would normally wait.</source>
        <translation>Fordert sofort einen Vorschlag an, auch wo %app sonst warten würde.</translation>
    </message>
    <message>
        <source>Other suggestions</source>
        <translation>Andere Vorschläge</translation>
    </message>
    <message>
        <source>Lists a few different ways to continue. Choose with the arrow keys, then press Tab.</source>
        <translation>Zeigt ein paar andere Möglichkeiten weiterzuschreiben. Wähle mit den Pfeiltasten und drücke dann Tab.</translation>
    </message>
    <message>
        <source>Pause or resume in this app</source>
        <translation>In dieser App pausieren oder fortsetzen</translation>
    </message>
    <message>
        <source>Pauses for 15 minutes.</source>
        <translation>Pausiert für 15 Minuten.</translation>
    </message>
    <message>
        <source>Turn %app on or off</source>
        <translation>%app ein- oder ausschalten</translation>
    </message>
    <message>
        <source>Everywhere, until you press it again.</source>
        <translation>Überall, bis du es erneut drückst.</translation>
    </message>
    <message>
        <source>Pause or resume</source>
        <translation>Pausieren oder fortsetzen</translation>
    </message>
    <message>
        <source>Turn on or off</source>
        <translation>Ein- oder ausschalten</translation>
    </message>
    <message>
        <source>%1 and %2 use the same keys. Only the first will work.</source>
        <translation>„%1“ und „%2“ nutzen dieselben Tasten. Nur das erste Kürzel funktioniert.</translation>
    </message>
    <message>
        <source>About you</source>
        <translation>Über dich</translation>
    </message>
    <message>
        <source>For example: I&apos;m a product designer in Berlin. I write short, friendly emails in British English and sign off with Cheers.</source>
        <translation>Zum Beispiel: Ich bin Produktdesigner in Berlin. Ich schreibe kurze, freundliche E-Mails auf britischem Englisch und verabschiede mich mit „Cheers“.</translation>
    </message>
    <message>
        <source>Your role, the languages you write in, names you use often, how you like to sound.</source>
        <translation>Dein Beruf, die Sprachen, in denen du schreibst, Namen, die du oft verwendest, wie du klingen möchtest.</translation>
    </message>
    <message>
        <source>Writing memory</source>
        <translation>Schreibgedächtnis</translation>
    </message>
    <message>
        <source>Remember how I write</source>
        <translation>Merken, wie ich schreibe</translation>
    </message>
    <message>
        <source>Also remember fields where I accept nothing</source>
        <translation>Auch Felder merken, in denen ich nichts annehme</translation>
    </message>
    <message>
        <source>%app learns your style sooner but keeps more of what you type.</source>
        <translation>%app lernt deinen Stil schneller, behält aber mehr von dem, was du tippst.</translation>
    </message>
    <message>
        <source>Influence</source>
        <translation>Einfluss</translation>
    </message>
    <message>
        <source>Strong</source>
        <translation>Stark</translation>
    </message>
    <message>
        <source>How many of your passages each suggestion can draw on.</source>
        <translation>Auf wie viele deiner Passagen jeder Vorschlag zurückgreifen kann.</translation>
    </message>
    <message>
        <source>Erase All…</source>
        <translation>Alles löschen…</translation>
    </message>
    <message>
        <source>Erase everything %app remembered?</source>
        <translation>Alles löschen, was sich %app gemerkt hat?</translation>
    </message>
    <message>
        <source>This can&apos;t be undone.</source>
        <translation>Das lässt sich nicht rückgängig machen.</translation>
    </message>
    <message>
        <source>Erase All</source>
        <translation>Alles löschen</translation>
    </message>
    <message>
        <source>Nothing remembered yet</source>
        <translation>Noch nichts gemerkt</translation>
    </message>
    <message>
        <source>App and window name</source>
        <translation>App- und Fenstername</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>Website</translation>
    </message>
    <message>
        <source>The site&apos;s domain when you write in a browser.</source>
        <translation>Die Domain der Website, wenn du in einem Browser schreibst.</translation>
    </message>
    <message>
        <source>Recently copied text</source>
        <translation>Kürzlich kopierter Text</translation>
    </message>
    <message>
        <source>Anything you copied in the last 10 minutes. Copies from password managers are skipped.</source>
        <translation>Alles, was du in den letzten 10 Minuten kopiert hast. Kopien aus Passwortmanagern werden übersprungen.</translation>
    </message>
    <message>
        <source>Text on screen</source>
        <translation>Text auf dem Bildschirm</translation>
    </message>
    <message>
        <source>Reads the window you&apos;re writing in, so replies fit the conversation. It picks the lines closest to where you type.</source>
        <translation>Liest das Fenster, in dem du schreibst, damit Antworten zum Gespräch passen. Es wählt die Zeilen, die am nächsten an deiner Schreibstelle liegen.</translation>
    </message>
    <message>
        <source>What you just looked at</source>
        <translation>Was du gerade angesehen hast</translation>
    </message>
    <message>
        <source>Windows beside you</source>
        <translation>Fenster daneben</translation>
    </message>
    <message>
        <source>Also reads up to two other windows on the same screen, like the document you&apos;re replying about. Skips password managers and apps you switched off.</source>
        <translation>Liest auch bis zu zwei weitere Fenster auf demselben Bildschirm, etwa das Dokument, um das es in deiner Antwort geht. Lässt Passwortmanager und Apps aus, die du ausgeschaltet hast.</translation>
    </message>
    <message>
        <source>Off in this app</source>
        <translation>In dieser App aus</translation>
    </message>
    <message>
        <source>This word looks misspelled</source>
        <translation>Dieses Wort sieht falsch geschrieben aus</translation>
    </message>
    <message>
        <source>Thanks for the notes. I&apos;ll send the revised deck</source>
        <translation>Danke für die Notizen. Ich schicke dir die überarbeiteten Folien</translation>
    </message>
    <message>
        <source> by Friday morning.</source>
        <translation> bis Freitagmorgen.</translation>
    </message>
    <message>
        <source>%1 quit. %app has the Tab key.</source>
        <translation>Beendet: %1. %app hat die Tab-Taste.</translation>
    </message>
    <message>
        <source>Open Data Folder</source>
        <translation>Datenordner öffnen</translation>
    </message>
    <message>
        <source>Show Welcome Again</source>
        <translation>Willkommensbildschirm erneut zeigen</translation>
    </message>
    <message>
        <source>Play Intro Again</source>
        <translation>Intro erneut abspielen</translation>
    </message>
    <message>
        <source>Reset Settings…</source>
        <translation>Einstellungen zurücksetzen…</translation>
    </message>
    <message>
        <source>Suggest in every app</source>
        <translation>In jeder App vorschlagen</translation>
    </message>
    <message>
        <source>Suggest in code editors</source>
        <translation>In Code-Editoren vorschlagen</translation>
    </message>
    <message>
        <source>Suggest in the middle of a line</source>
        <translation>Mitten in der Zeile vorschlagen</translation>
    </message>
    <message>
        <source>Suggest in small fields</source>
        <translation>In kleinen Feldern vorschlagen</translation>
    </message>
    <message>
        <source>Hold back on misspelled words</source>
        <translation>Bei Tippfehlern zurückhalten</translation>
    </message>
    <message>
        <source>Offer spelling fixes</source>
        <translation>Korrekturen anbieten</translation>
    </message>
    <message>
        <source>Show the key hint</source>
        <translation>Tastenhinweis zeigen</translation>
    </message>
    <message>
        <source>Quit other autocomplete apps when they open</source>
        <translation>Andere Autovervollständigungs-Apps beim Öffnen beenden</translation>
    </message>
    <message>
        <source>Keeps a few minutes of text from windows you switched away from, like a page you read before replying. It stays on your computer and skips apps you switched off.</source>
        <translation>Behält für ein paar Minuten Text aus Fenstern, die du verlassen hast, etwa eine Seite, die du vor dem Antworten gelesen hast. Der Text bleibt auf deinem Computer; Apps, die du ausgeschaltet hast, werden übersprungen.</translation>
    </message>
    <message numerus="yes">
        <source>Both apps answer the Tab key, and the system gives it to %1 first. %app stays paused in your other apps until %1 quits.</source>
        <translation>
            <numerusform>Beide Apps reagieren auf die Tab-Taste, und das System gibt sie zuerst an %1. %app bleibt in deinen anderen Apps pausiert, bis %1 beendet ist.</numerusform>
            <numerusform>%1 schnappen sich die Tab-Taste vor %app, deshalb bleibt %app in deinen anderen Apps pausiert, bis du sie beendest.</numerusform>
        </translation>
    </message>
    <message>
        <source>Finishes your sentences in any app, on your computer.</source>
        <translation>Vollendet deine Sätze in jeder App, auf deinem Computer.</translation>
    </message>
    <message>
        <source>Keeps short passages from fields where you accepted a suggestion, encrypted on this computer, and shows them to the model as examples.</source>
        <translation>Bewahrt kurze Passagen aus Feldern, in denen du einen Vorschlag angenommen hast, verschlüsselt auf diesem Computer auf und zeigt sie dem Modell als Beispiele.</translation>
    </message>
    <message>
        <source>Light</source>
        <comment>skin tone</comment>
        <translation>Hell</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Default</source>
        <comment>skin tone</comment>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Medium light</source>
        <comment>skin tone</comment>
        <translation>Mittelhell</translation>
    </message>
    <message>
        <source>Medium</source>
        <comment>skin tone</comment>
        <translation>Mittel</translation>
    </message>
    <message>
        <source>Medium dark</source>
        <comment>skin tone</comment>
        <translation>Mitteldunkel</translation>
    </message>
    <message>
        <source>Dark</source>
        <comment>skin tone</comment>
        <translation>Dunkel</translation>
    </message>
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
    <message>
        <source>Words saved</source>
        <translation>Gesparte Wörter</translation>
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
        <source>Reset all statistics?</source>
        <translation>Die gesamte Statistik zurücksetzen?</translation>
    </message>
    <message>
        <source>This clears words saved, acceptance and timing history.</source>
        <translation>Das löscht gesparte Wörter, die Annahmequote und die Wartezeiten.</translation>
    </message>
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
        <translation>Aktuell</translation>
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
        <source>Prompt sent to the engine</source>
        <translation>An die Engine gesendeter Prompt</translation>
    </message>
    <message>
        <source>Raw answer</source>
        <translation>Unverarbeitete Antwort</translation>
    </message>
    <message>
        <source>(empty)</source>
        <translation>(leer)</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>Kopiert</translation>
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
        <source>Same as my computer</source>
        <translation>Systemsprache</translation>
    </message>
    <message>
        <source>Switch to %1?</source>
        <translation>Auf %1 umstellen?</translation>
    </message>
    <message>
        <source>%1 closes and opens again in a second. Your settings stay as they are.</source>
        <translation>%1 schließt sich und öffnet sich gleich wieder. Deine Einstellungen bleiben, wie sie sind.</translation>
    </message>
    <message>
        <source>Reopen Now</source>
        <translation>Jetzt neu öffnen</translation>
    </message>
    <message>
        <source>App language</source>
        <translation>Sprache der App</translation>
    </message>
    <message>
        <source>Pick the language you read most easily. Suggestions follow whatever language you type.</source>
        <translation>Wähle die Sprache, die du am leichtesten liest. Vorschläge folgen der Sprache, in der du tippst.</translation>
    </message>
    <message>
        <source>Change the app language</source>
        <translation>Sprache der App ändern</translation>
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
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>Not set</source>
        <translation>Nicht festgelegt</translation>
    </message>
    <message>
        <source>Clear shortcut</source>
        <translation>Kürzel löschen</translation>
    </message>
    <message>
        <source>Add Ctrl, Alt or Super so normal typing still works.</source>
        <translation>Nimm Strg, Alt oder Super dazu, damit normales Tippen weiter funktioniert.</translation>
    </message>
    <message>
        <source>Type a shortcut…</source>
        <translation>Drücke ein Kürzel…</translation>
    </message>
    <message>
        <source>Recording shortcut</source>
        <translation>Kürzel wird aufgenommen</translation>
    </message>
    <message>
        <source>Shortcut %1</source>
        <translation>Kürzel %1</translation>
    </message>
    <message>
        <source>Record shortcut</source>
        <translation>Kürzel aufnehmen</translation>
    </message>
    <message>
        <source>Shortcut not set</source>
        <translation>Kein Kürzel festgelegt</translation>
    </message>
    <message>
        <source>Press to record a new shortcut. Escape cancels.</source>
        <translation>Drücken, um ein neues Kürzel aufzunehmen. Escape bricht ab.</translation>
    </message>
    <message>
        <source>Your tray icon is hidden</source>
        <translation>Dein Symbol in der Systemleiste ist ausgeblendet</translation>
    </message>
    <message>
        <source>This computer has no on-device language model</source>
        <translation>Dieser Computer hat kein eingebautes Sprachmodell</translation>
    </message>
    <message>
        <source>Turn on the on-device model in the desktop&apos;s settings</source>
        <translation>Schalte das Modell auf dem Gerät in den Einstellungen des Desktops ein</translation>
    </message>
    <message>
        <source>The on-device model is unavailable</source>
        <translation>Das Modell auf dem Gerät ist nicht verfügbar</translation>
    </message>
    <message>
        <source>Downloading. The on-device model fills in until it&apos;s done.</source>
        <translation>Wird heruntergeladen. Bis dahin springt das Modell auf dem Gerät ein.</translation>
    </message>
    <message>
        <source>The on-device model fills in until you download it.</source>
        <translation>Bis du das Modell herunterlädst, springt das Modell auf dem Gerät ein.</translation>
    </message>
    <message>
        <source>%1 shares no text. Quit it and start it with %2 to get suggestions in it.</source>
        <translation>%1 gibt keinen Text frei. Beende die App und starte sie mit %2, um darin Vorschläge zu bekommen.</translation>
    </message>
    <message>
        <source>On-device model</source>
        <translation>Modell auf dem Gerät</translation>
    </message>
    <message>
        <source>The system&apos;s own language model. Nothing to download.</source>
        <translation>Das eigene Sprachmodell des Systems. Kein Download nötig.</translation>
    </message>
    <message>
        <source>A website name cannot hold spaces, tabs or line breaks.</source>
        <translation>Ein Websitename darf keine Leerzeichen, Tabulatoren oder Zeilenumbrüche enthalten.</translation>
    </message>
    <message>
        <source>Only addresses that start with http or https can be added.</source>
        <translation>Nur Adressen, die mit http oder https beginnen, können hinzugefügt werden.</translation>
    </message>
    <message>
        <source>That is not a website name. Type one such as wikipedia.org.</source>
        <translation>Das ist kein Websitename. Gib einen wie wikipedia.org ein.</translation>
    </message>
    <message>
        <source>A port is a number from 1 to 65535.</source>
        <translation>Ein Port ist eine Zahl von 1 bis 65535.</translation>
    </message>
    <message>
        <source>The on-device model fills in until the download is done.</source>
        <translation>Bis der Download fertig ist, springt das Modell auf dem Gerät ein.</translation>
    </message>
    <message>
        <source>Suggestions start once the download is done.</source>
        <translation>Vorschläge beginnen, sobald der Download fertig ist.</translation>
    </message>
    <message>
        <source>This frees %1. The on-device model fills in until you download it again.</source>
        <translation>Das gibt %1 frei. Bis du es wieder herunterlädst, springt das Modell auf dem Gerät ein.</translation>
    </message>
    <message>
        <source>This frees %1. The %app model can&apos;t suggest until you download it again.</source>
        <translation>Das gibt %1 frei. Das %app-Modell macht erst wieder Vorschläge, wenn du es erneut herunterlädst.</translation>
    </message>
    <message>
        <source>There&apos;s no room for it, or your panel has no system tray. Add the panel&apos;s system tray or status area applet in its settings.</source>
        <translation>Es ist kein Platz dafür, oder dein Panel hat keine Systemleiste. Füge in seinen Einstellungen das Applet für die Systemleiste oder den Statusbereich hinzu.</translation>
    </message>
    <message>
        <source>GNOME shows tray icons only with the AppIndicator extension. Install the gnome-shell-extension-appindicator package, log out and in, then turn it on in Extensions.</source>
        <translation>GNOME zeigt Symbole in der Systemleiste nur mit der Erweiterung AppIndicator. Installiere das Paket gnome-shell-extension-appindicator, melde dich ab und wieder an und schalte sie dann in „Erweiterungen“ ein.</translation>
    </message>
    <message>
        <source>GNOME shows tray icons only with the AppIndicator extension. It is installed but off: turn it on in Extensions.</source>
        <translation>GNOME zeigt Symbole in der Systemleiste nur mit der Erweiterung AppIndicator. Sie ist installiert, aber aus: Schalte sie in „Erweiterungen“ ein.</translation>
    </message>
    <message>
        <source>Until then, open %app from your applications menu to reach Settings.</source>
        <translation>Öffne bis dahin %app aus deinem Anwendungsmenü, um zu den Einstellungen zu gelangen.</translation>
    </message>
    <message>
        <source>Open Extensions</source>
        <translation>Erweiterungen öffnen</translation>
    </message>
    <message>
        <source>Show Count in Tray</source>
        <translation>Anzahl in der Systemleiste zeigen</translation>
    </message>
    <message>
        <source>%1 shares no text</source>
        <translation>%1 gibt keinen Text frei</translation>
    </message>
    <message>
        <source>Copy command</source>
        <translation>Befehl kopieren</translation>
    </message>
    <message>
        <source>There&apos;s no account and no analytics. With the %app model or the on-device model, your text stays on this computer.</source>
        <translation>Es gibt kein Konto und keine Nutzungsstatistik. Mit dem %app-Modell oder dem Modell auf dem Gerät bleibt dein Text auf diesem Computer.</translation>
    </message>
    <message>
        <source>There&apos;s no account and no analytics. With the %app model, your text stays on this computer.</source>
        <translation>Es gibt kein Konto und keine Nutzungsstatistik. Mit dem %app-Modell bleibt dein Text auf diesem Computer.</translation>
    </message>
    <message>
        <source>%app lives in your system tray from now on. Click its icon to pause it in an app or open Settings.</source>
        <translation>%app wohnt ab jetzt in deiner Systemleiste. Klicke auf das Symbol, um es in einer App zu pausieren oder die Einstellungen zu öffnen.</translation>
    </message>
    <message>
        <source>%app has no account, no analytics and no servers of its own. The %app model and the on-device model keep your text on this computer. Other engines get it only if you set one up.</source>
        <translation>%app hat kein Konto, keine Nutzungsstatistik und keine eigenen Server. Das %app-Modell und das Modell auf dem Gerät behalten deinen Text auf diesem Computer. Andere Engines bekommen ihn nur, wenn du eine davon einrichtest.</translation>
    </message>
    <message>
        <source>%app has no account, no analytics and no servers of its own. The %app model keeps your text on this computer. Other engines get it only if you set one up.</source>
        <translation>%app hat kein Konto, keine Nutzungsstatistik und keine eigenen Server. Das %app-Modell behält deinen Text auf diesem Computer. Andere Engines bekommen ihn nur, wenn du eine davon einrichtest.</translation>
    </message>
    <message>
        <source>Installed applications</source>
        <translation>Installierte Anwendungen</translation>
    </message>
    <message>
        <source>%app reads these only while making a suggestion and never saves them. With the %app model or the on-device model, nothing leaves your computer.</source>
        <translation>%app liest diese nur, während ein Vorschlag entsteht, und speichert sie nie. Mit dem %app-Modell oder dem Modell auf dem Gerät verlässt nichts deinen Computer.</translation>
    </message>
    <message>
        <source>%app reads these only while making a suggestion and never saves them. With the %app model, nothing leaves your computer.</source>
        <translation>%app liest diese nur, während ein Vorschlag entsteht, und speichert sie nie. Mit dem %app-Modell verlässt nichts deinen Computer.</translation>
    </message>
    <message>
        <source>The %app model keeps your text on this computer.</source>
        <translation>Das %app-Modell behält deinen Text auf diesem Computer.</translation>
    </message>
    <message>
        <source>The key holds a line break or another control character. Paste it again without them.</source>
        <translation>Der Schlüssel enthält einen Zeilenumbruch oder ein anderes Steuerzeichen. Füge ihn ohne diese erneut ein.</translation>
    </message>
    <message>
        <source>Waiting for the keyring to store the key.</source>
        <translation>Warten, bis der Schlüsselbund den Schlüssel speichert.</translation>
    </message>
    <message>
        <source>The keyring cannot keep this key, so it is used only until %app quits.</source>
        <translation>Der Schlüsselbund kann diesen Schlüssel nicht aufbewahren, daher wird er nur verwendet, bis %app beendet wird.</translation>
    </message>
    <message>
        <source>Show in the system tray</source>
        <translation>In der Systemleiste zeigen</translation>
    </message>
    <message>
        <source>Pause or open Settings from the system tray. Hidden? Open %app from your applications menu to come back.</source>
        <translation>Über die Systemleiste pausieren oder die Einstellungen öffnen. Ausgeblendet? Öffne %app aus deinem Anwendungsmenü, um zurückzukommen.</translation>
    </message>
    <message>
        <source>This tray can&apos;t show text beside icons, so the count shows in the icon&apos;s tooltip.</source>
        <translation>Diese Systemleiste kann keinen Text neben Symbolen zeigen, daher steht die Anzahl im Tooltip des Symbols.</translation>
    </message>
    <message>
        <source>VS Code, VSCodium, Cursor, Zed, Kate, Sublime Text, JetBrains IDEs and similar apps.</source>
        <translation>VS Code, VSCodium, Cursor, Zed, Kate, Sublime Text, JetBrains-IDEs und ähnliche Apps.</translation>
    </message>
    <message>
        <source>Your settings could not be read, so they were set aside and %app started over with its defaults.</source>
        <translation>Deine Einstellungen konnten nicht gelesen werden. Sie wurden beiseitegelegt und %app hat mit den Standardwerten neu begonnen.</translation>
    </message>
    <message>
        <source>Your settings are not saved: %app cannot write to its settings folder.</source>
        <translation>Deine Einstellungen werden nicht gespeichert: %app kann nicht in seinen Einstellungsordner schreiben.</translation>
    </message>
    <message>
        <source>Your app and website rules could not be read, so they were set aside.</source>
        <translation>Deine Regeln für Apps und Websites konnten nicht gelesen werden und wurden beiseitegelegt.</translation>
    </message>
    <message>
        <source>Your statistics could not be read, so they were set aside and counting started over.</source>
        <translation>Deine Statistik konnte nicht gelesen werden. Sie wurde beiseitegelegt und die Zählung beginnt von vorn.</translation>
    </message>
    <message>
        <source>Not saved: %app cannot write to its data folder.</source>
        <translation>Nicht gespeichert: %app kann nicht in seinen Datenordner schreiben.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln suggestions. %1 selected</source>
        <translation>
            <numerusform>%Ln Vorschlag. %1 ausgewählt</numerusform>
            <numerusform>%Ln Vorschläge. %1 ausgewählt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln min</source>
        <translation>
            <numerusform>%Ln Min.</numerusform>
            <numerusform>%Ln Min.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln words</source>
        <translation>
            <numerusform>%Ln Wort</numerusform>
            <numerusform>%Ln Wörter</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln passages from here</source>
        <translation>
            <numerusform>%Ln Passage aus dieser App</numerusform>
            <numerusform>%Ln Passagen aus dieser App</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>words</source>
        <comment>unit after a count</comment>
        <translation>
            <numerusform>Wort</numerusform>
            <numerusform>Wörter</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln days</source>
        <translation>
            <numerusform>%Ln Tag</numerusform>
            <numerusform>%Ln Tage</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Words saved per day over the last %Ln days</source>
        <translation>
            <numerusform>Gesparte Wörter pro Tag am letzten Tag</numerusform>
            <numerusform>Gesparte Wörter pro Tag in den letzten %Ln Tagen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln day streak</source>
        <translation>
            <numerusform>%Ln Tag in Folge</numerusform>
            <numerusform>%Ln Tage in Folge</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln passages remembered</source>
        <translation>
            <numerusform>%Ln Passage gemerkt</numerusform>
            <numerusform>%Ln Passagen gemerkt</numerusform>
        </translation>
    </message>
    <message>
        <source>enter</source>
        <translation>enter</translation>
    </message>
    <message>
        <source>Allow screen capture so %app can read those too. Most apps work without it.</source>
        <translation>Erlaube die Bildschirmaufnahme, damit %app auch diese lesen kann. Die meisten Apps funktionieren ohne.</translation>
    </message>
    <message>
        <source>Type a colon and a word, like :rocket, then press Tab or Enter to pick.</source>
        <translation>Tippe einen Doppelpunkt und ein Wort, etwa :rocket, und drücke dann Tab oder Enter zum Auswählen.</translation>
    </message>
    <message>
        <source>You can switch memory off for single apps under Apps &amp; Sites. The key that unlocks it lives in your keyring.</source>
        <translation>Unter „Apps &amp; Websites“ kannst du das Gedächtnis für einzelne Apps ausschalten. Der Schlüssel, der es entsperrt, liegt in deinem Schlüsselbund.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln emoji. %1 selected</source>
        <translation>
            <numerusform>%Ln Emoji. %1 ausgewählt</numerusform>
            <numerusform>%Ln Emojis. %1 ausgewählt</numerusform>
        </translation>
    </message>
    <message>
        <source>Suggestion: %1</source>
        <translation>Vorschlag: %1</translation>
    </message>
    <message numerus="yes">
        <source>%Ln models available</source>
        <translation>
            <numerusform>%Ln Modell verfügbar</numerusform>
            <numerusform>%Ln Modelle verfügbar</numerusform>
        </translation>
    </message>
    <message>
        <source>The model couldn&apos;t be saved: %1</source>
        <translation>Das Modell konnte nicht gespeichert werden: %1</translation>
    </message>
    <message>
        <source>Ollama isn&apos;t running.</source>
        <translation>Ollama läuft nicht.</translation>
    </message>
    <message>
        <source>Ollama isn&apos;t running at %1.</source>
        <translation>Ollama läuft nicht unter %1.</translation>
    </message>
    <message>
        <source>No server answered.</source>
        <translation>Kein Server hat geantwortet.</translation>
    </message>
    <message>
        <source>No server answered at %1.</source>
        <translation>Unter %1 hat kein Server geantwortet.</translation>
    </message>
    <message>
        <source>Range: %1</source>
        <translation>Zeitraum: %1</translation>
    </message>
    <message numerus="yes">
        <source>%1, %Ln to do</source>
        <translation>
            <numerusform>%1, %Ln offen</numerusform>
            <numerusform>%1, %Ln offen</numerusform>
        </translation>
    </message>
    <message>
        <source>Type the whole name of the website, such as wikipedia.org.</source>
        <translation>Gib den vollständigen Namen der Website ein, etwa wikipedia.org.</translation>
    </message>
    <message>
        <source>The key holds a space, an invisible character or a letter outside plain ASCII. Paste it again exactly as your server gave it.</source>
        <translation>Der Schlüssel enthält ein Leerzeichen, ein unsichtbares Zeichen oder einen Buchstaben außerhalb von einfachem ASCII. Füge ihn genau so erneut ein, wie dein Server ihn ausgegeben hat.</translation>
    </message>
    <message>
        <source>The keyring could not be read, so your server is asked without an API key. Type the key again if your server needs one.</source>
        <translation>Der Schlüsselbund konnte nicht gelesen werden, daher wird dein Server ohne API-Schlüssel gefragt. Gib den Schlüssel erneut ein, wenn dein Server einen braucht.</translation>
    </message>
    <message>
        <source>Your writing memory could not be opened, so it was set aside and %app started a new one.</source>
        <translation>Dein Schreibgedächtnis konnte nicht geöffnet werden. Es wurde beiseitegelegt und %app hat ein neues begonnen.</translation>
    </message>
    <message>
        <source>%1, converted for llama.cpp by %2</source>
        <translation>%1, für llama.cpp umgewandelt von %2</translation>
    </message>
    <message>
        <source>The data folder %1 could not be made. Check that the folder above it exists and that you may write there.</source>
        <translation>Der Datenordner %1 konnte nicht angelegt werden. Prüfe, ob der Ordner darüber existiert und ob du dort schreiben darfst.</translation>
    </message>
    <message>
        <source>party</source>
        <comment>emoji search sample</comment>
        <translation>Party</translation>
    </message>
    <message numerus="yes">
        <source>%Ln settings held values %app cannot use, so they were corrected and saved.</source>
        <translation>
            <numerusform>%Ln Einstellung hatte einen Wert, den %app nicht verwenden kann, und wurde daher korrigiert und gespeichert.</numerusform>
            <numerusform>%Ln Einstellungen hatten Werte, die %app nicht verwenden kann, und wurden daher korrigiert und gespeichert.</numerusform>
        </translation>
    </message>
    <message>
        <source>Your writing memory is not saved: the keyring is missing or locked, so its key cannot be kept.</source>
        <translation>Dein Schreibgedächtnis wird nicht gespeichert: Der Schlüsselbund fehlt oder ist gesperrt, daher kann der zugehörige Schlüssel nicht aufbewahrt werden.</translation>
    </message>
    <message>
        <source>That address isn&apos;t valid</source>
        <translation>Diese Adresse ist ungültig</translation>
    </message>
    <message>
        <source>The request timed out.</source>
        <translation>Die Anfrage hat zu lange gedauert.</translation>
    </message>
    <message>
        <source>The server&apos;s reply was too long, so it was stopped.</source>
        <translation>Die Antwort des Servers war zu lang und wurde abgebrochen.</translation>
    </message>
    <message>
        <source>The server answered %1.</source>
        <translation>Der Server hat mit %1 geantwortet.</translation>
    </message>
    <message>
        <source>The server answered %1: %2</source>
        <translation>Der Server hat mit %1 geantwortet: %2</translation>
    </message>
    <message>
        <source>The download server answered %1. Try again later.</source>
        <translation>Der Download-Server hat mit %1 geantwortet. Versuche es später noch einmal.</translation>
    </message>
    <message>
        <source>The download couldn&apos;t be saved: %1</source>
        <translation>Der Download konnte nicht gespeichert werden: %1</translation>
    </message>
    <message>
        <source>The download paused because the connection dropped. Try again to pick up where it stopped.</source>
        <translation>Der Download wurde angehalten, weil die Verbindung abgebrochen ist. Versuche es noch einmal, um dort weiterzumachen, wo er aufgehört hat.</translation>
    </message>
    <message>
        <source>The download stopped. Check your connection, then try again.</source>
        <translation>Der Download wurde abgebrochen. Prüfe deine Verbindung und versuche es dann noch einmal.</translation>
    </message>
    <message>
        <source>Pick an Ollama model in Settings</source>
        <translation>Wähle in den Einstellungen ein Ollama-Modell</translation>
    </message>
    <message>
        <source>Pick a model for your local server</source>
        <translation>Wähle ein Modell für deinen lokalen Server</translation>
    </message>
    <message>
        <source>The server&apos;s answer is not HTTP.</source>
        <translation>Die Antwort des Servers ist kein HTTP.</translation>
    </message>
    <message>
        <source>The data couldn&apos;t be read because it is missing.</source>
        <translation>Die Daten konnten nicht gelesen werden, weil sie fehlen.</translation>
    </message>
    <message>
        <source>The data couldn&apos;t be read because it isn&apos;t in the correct format.</source>
        <translation>Die Daten konnten nicht gelesen werden, weil sie nicht das richtige Format haben.</translation>
    </message>
    <message>
        <source>:%1:</source>
        <comment>emoji name</comment>
        <translation>:%1:</translation>
    </message>
    <message>
        <source>This computer has no on-device language model.</source>
        <translation>Dieser Computer hat kein eingebautes Sprachmodell.</translation>
    </message>
    <message>
        <source>Ctrl</source>
        <comment>key</comment>
        <translation>Strg</translation>
    </message>
    <message>
        <source>Alt</source>
        <comment>key</comment>
        <translation>Alt</translation>
    </message>
    <message>
        <source>Shift</source>
        <comment>key</comment>
        <translation>Umschalt</translation>
    </message>
    <message>
        <source>Super</source>
        <comment>key</comment>
        <translation>Super</translation>
    </message>
    <message>
        <source>Paused on %1</source>
        <translation>Pausiert auf %1</translation>
    </message>
    <message>
        <source>Paused in %1</source>
        <translation>Pausiert in %1</translation>
    </message>
    <message>
        <source>Off on %1</source>
        <translation>Aus auf %1</translation>
    </message>
    <message>
        <source>Off in %1</source>
        <translation>Aus in %1</translation>
    </message>
    <message>
        <source>Off in %1 by default</source>
        <translation>In %1 standardmäßig aus</translation>
    </message>
    <message>
        <source>Off in code editors</source>
        <translation>Aus in Code-Editoren</translation>
    </message>
    <message>
        <source>Off unless turned on per app</source>
        <translation>Aus, außer pro App eingeschaltet</translation>
    </message>
    <message>
        <source>Tab</source>
        <comment>key</comment>
        <translation>Tab</translation>
    </message>
    <message>
        <source>Enter</source>
        <comment>key</comment>
        <translation>Enter</translation>
    </message>
    <message>
        <source>Esc</source>
        <comment>key</comment>
        <translation>Esc</translation>
    </message>
    <message>
        <source>Del</source>
        <comment>key</comment>
        <translation>Entf</translation>
    </message>
    <message>
        <source>Space</source>
        <comment>key</comment>
        <translation>Leertaste</translation>
    </message>
    <message>
        <source>Home</source>
        <comment>key</comment>
        <translation>Pos1</translation>
    </message>
    <message>
        <source>End</source>
        <comment>key</comment>
        <translation>Ende</translation>
    </message>
    <message>
        <source>Page Up</source>
        <comment>key</comment>
        <translation>Bild auf</translation>
    </message>
    <message>
        <source>Page Down</source>
        <comment>key</comment>
        <translation>Bild ab</translation>
    </message>
    <message>
        <source>Key %1</source>
        <comment>key</comment>
        <translation>Taste %1</translation>
    </message>
    <message>
        <source>An email reply reads differently from a commit message.</source>
        <translation>Eine Antwort auf eine E-Mail klingt anders als eine Commit-Nachricht.</translation>
    </message>
    <message>
        <source>Writes straight into the field. Cleanest in GTK and Qt apps.</source>
        <translation>Schreibt direkt ins Feld. Am saubersten in GTK- und Qt-Apps.</translation>
    </message>
    <message>
        <source>Typing</source>
        <comment>insertion method</comment>
        <translation>Tippen</translation>
    </message>
    <message>
        <source>%1 h</source>
        <comment>hours with one decimal, such as 1.5</comment>
        <translation>%1 Std.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln h</source>
        <translation>
            <numerusform>%Ln Std.</numerusform>
            <numerusform>%Ln Std.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln ms</source>
        <translation>
            <numerusform>%Ln ms</numerusform>
            <numerusform>%Ln ms</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>screen-reader name: a sentence, then the next part</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <comment>screen-reader name: a title, then the next part</comment>
        <translation>%1. %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>screen-reader name: one item of a list, then the next</comment>
        <translation>%1, %2</translation>
    </message>
    <message numerus="yes">
        <source>%Ln words saved today</source>
        <translation>
            <numerusform>%Ln Wort heute gespart</numerusform>
            <numerusform>%Ln Wörter heute gespart</numerusform>
        </translation>
    </message>
    <message>
        <source>Under a minute of typing saved today.</source>
        <translation>Heute unter einer Minute Tipparbeit gespart.</translation>
    </message>
    <message>
        <source>About %1 of typing saved today.</source>
        <translation>Heute etwa %1 Tipparbeit gespart.</translation>
    </message>
    <message numerus="yes">
        <source>Step %1 of %Ln</source>
        <translation>
            <numerusform>Schritt %1 von %Ln</numerusform>
            <numerusform>Schritt %1 von %Ln</numerusform>
        </translation>
    </message>
    <message>
        <source>%app reads and types into text fields through the desktop&apos;s accessibility support, which some desktops leave off. %app uses it only for the field you&apos;re writing in.</source>
        <translation>%app liest Textfelder und tippt in sie hinein – über die Barrierefreiheit des Desktops, die manche Desktops ausgeschaltet lassen. %app nutzt sie nur für das Feld, in dem du gerade schreibst.</translation>
    </message>
    <message>
        <source>The button switches the desktop&apos;s accessibility support on. If the desktop&apos;s settings open instead, turn accessibility on there, then come back. This page updates by itself.</source>
        <translation>Die Schaltfläche schaltet die Barrierefreiheit des Desktops ein. Öffnen sich stattdessen die Einstellungen des Desktops, schalte die Barrierefreiheit dort ein und komm dann zurück. Diese Seite aktualisiert sich von selbst.</translation>
    </message>
    <message>
        <source>Still off? Some desktops start their accessibility service only when you log in. Log out and back in, then try again.</source>
        <translation>Immer noch aus? Manche Desktops starten ihren Barrierefreiheitsdienst erst bei der Anmeldung. Melde dich ab und wieder an und versuche es dann noch einmal.</translation>
    </message>
    <message>
        <source>Pause</source>
        <comment>section header</comment>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Pause</source>
        <comment>button</comment>
        <translation>Pausieren</translation>
    </message>
    <message>
        <source>typing</source>
        <comment>insertion method, in a sentence</comment>
        <translation>Tippen</translation>
    </message>
    <message>
        <source>accessibility</source>
        <comment>insertion method, in a sentence</comment>
        <translation>Barrierefreiheit</translation>
    </message>
    <message>
        <source>paste</source>
        <comment>insertion method, in a sentence</comment>
        <translation>Zwischenablage</translation>
    </message>
    <message>
        <source>short</source>
        <comment>suggestion length, in a sentence</comment>
        <translation>kurze</translation>
    </message>
    <message>
        <source>medium</source>
        <comment>suggestion length, in a sentence</comment>
        <translation>mittellange</translation>
    </message>
    <message>
        <source>long</source>
        <comment>suggestion length, in a sentence</comment>
        <translation>lange</translation>
    </message>
    <message>
        <source>Default follows General: %1, %2 suggestions.</source>
        <translation>Standard wie unter „Allgemein“: %1, %2 Vorschläge.</translation>
    </message>
    <message>
        <source>Yes, at %1, %2 on screen, %3 pt tall, %4 and %5</source>
        <translation>Ja, bei %1, %2 auf dem Bildschirm, %3 pt hoch, %4 und %5</translation>
    </message>
    <message numerus="yes">
        <source>%Ln characters before it</source>
        <translation>
            <numerusform>%Ln Zeichen davor</numerusform>
            <numerusform>%Ln Zeichen davor</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln after</source>
        <comment>characters after the caret</comment>
        <translation>
            <numerusform>%Ln danach</numerusform>
            <numerusform>%Ln danach</numerusform>
        </translation>
    </message>
    <message>
        <source>No system tray runs on this desktop, so the icon cannot show. %1</source>
        <translation>Auf diesem Desktop läuft keine Systemleiste, daher kann das Symbol nicht erscheinen. %1</translation>
    </message>
    <message>
        <source>Typing</source>
        <comment>section header</comment>
        <translation>Tippen</translation>
    </message>
    <message>
        <source>Switch to the computer&apos;s language?</source>
        <translation>Auf die Sprache des Computers umstellen?</translation>
    </message>
    <message numerus="yes">
        <source>%Ln words this week.</source>
        <translation>
            <numerusform>%Ln Wort diese Woche.</numerusform>
            <numerusform>%Ln Wörter diese Woche.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Under a minute of typing saved today. %Ln words this week.</source>
        <translation>
            <numerusform>Heute unter einer Minute Tipparbeit gespart. %Ln Wort diese Woche.</numerusform>
            <numerusform>Heute unter einer Minute Tipparbeit gespart. %Ln Wörter diese Woche.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>About %1 of typing saved today. %Ln words this week.</source>
        <translation>
            <numerusform>Heute etwa %1 Tipparbeit gespart. %Ln Wort diese Woche.</numerusform>
            <numerusform>Heute etwa %1 Tipparbeit gespart. %Ln Wörter diese Woche.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>screen-reader name: a day of the week, then the words saved that day</comment>
        <translation>%1: %2</translation>
    </message>
    <message numerus="yes">
        <source>%Ln of %1 done</source>
        <translation>
            <numerusform>%Ln von %1 erledigt</numerusform>
            <numerusform>%Ln von %1 erledigt</numerusform>
        </translation>
    </message>
    <message>
        <source>The server refused the connection. Check that it is running and that the address is right.</source>
        <translation>Der Server hat die Verbindung abgelehnt. Prüfe, ob er läuft und ob die Adresse stimmt.</translation>
    </message>
    <message>
        <source>The server&apos;s name couldn&apos;t be found. Check the address.</source>
        <translation>Der Name des Servers wurde nicht gefunden. Prüfe die Adresse.</translation>
    </message>
    <message>
        <source>A secure connection to the server couldn&apos;t be made.</source>
        <translation>Es konnte keine sichere Verbindung zum Server hergestellt werden.</translation>
    </message>
    <message>
        <source>The server closed the connection before it answered.</source>
        <translation>Der Server hat die Verbindung geschlossen, bevor er geantwortet hat.</translation>
    </message>
    <message>
        <source>The network proxy couldn&apos;t be reached.</source>
        <translation>Der Netzwerk-Proxy ist nicht erreichbar.</translation>
    </message>
    <message>
        <source>The server couldn&apos;t be reached.</source>
        <translation>Der Server ist nicht erreichbar.</translation>
    </message>
    <message>
        <source>Waiting for the network…</source>
        <translation>Warten auf das Netzwerk…</translation>
    </message>
    <message>
        <source>%1 is taken by another program.</source>
        <translation>%1 wird schon von einem anderen Programm verwendet.</translation>
    </message>
    <message>
        <source>%1 could not open again. Your choice takes effect the next time you start it.</source>
        <translation>%1 konnte nicht neu starten. Deine Auswahl gilt ab dem nächsten Start.</translation>
    </message>
    <message>
        <source>Downloading the model</source>
        <translation>Modell wird heruntergeladen</translation>
    </message>
    <message numerus="yes">
        <source>These apps answer the Tab key before %app can, so %app stays paused in your other apps until they quit.</source>
        <translation>
            <numerusform>Diese Apps reagieren vor %app auf die Tab-Taste, deshalb bleibt %app in deinen anderen Apps pausiert, bis sie beendet sind.</numerusform>
            <numerusform>Diese Apps reagieren vor %app auf die Tab-Taste, deshalb bleibt %app in deinen anderen Apps pausiert, bis sie beendet sind.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>It may be waiting on a dialog of its own. Force Quit closes it right away.</source>
        <translation>
            <numerusform>Vielleicht wartet die App auf einen eigenen Dialog. „Sofort beenden“ schließt sie umgehend.</numerusform>
            <numerusform>Vielleicht warten die Apps auf eigene Dialoge. „Sofort beenden“ schließt sie umgehend.</numerusform>
        </translation>
    </message>
    <message>
        <source>Set a Suggest Now shortcut in Keys to ask for suggestions</source>
        <translation>Lege unter „Tasten“ ein Kürzel für „Jetzt vorschlagen“ fest, um Vorschläge anzufordern</translation>
    </message>
    <message>
        <source>Backspace</source>
        <comment>key above Enter that deletes backwards</comment>
        <translation>Rücktaste</translation>
    </message>
    <message>
        <source>0 words saved today</source>
        <translation>0 Wörter heute gespart</translation>
    </message>
    <message>
        <source>words saved today</source>
        <comment>beside the count 0</comment>
        <translation>Wörter heute gespart</translation>
    </message>
    <message>
        <source>Quit the other app</source>
        <translation>Die andere App beenden</translation>
    </message>
    <message>
        <source>None yet</source>
        <comment>no app looked at yet</comment>
        <translation>Noch keine</translation>
    </message>
    <message>
        <source>None yet</source>
        <comment>no suggestion shown yet</comment>
        <translation>Noch keiner</translation>
    </message>
    <message>
        <source>The other app is also running</source>
        <translation>Die andere App läuft ebenfalls</translation>
    </message>
    <message>
        <source>Both apps answer the Tab key, and the system gives it to the other app first. %app stays paused in your other apps until the other app quits.</source>
        <translation>Beide Apps reagieren auf die Tab-Taste, und das System gibt sie zuerst an die andere App. %app bleibt in deinen anderen Apps pausiert, bis die andere App beendet ist.</translation>
    </message>
    <message>
        <source>The other app is still open</source>
        <translation>Die andere App ist noch offen</translation>
    </message>
    <message>
        <source>The other app quit, so your suggestions are back in every app.</source>
        <translation>Die andere App wurde beendet. Deine Vorschläge sind wieder in jeder App da.</translation>
    </message>
    <message>
        <source>The other app quit. %app has the Tab key.</source>
        <translation>Die andere App wurde beendet. %app hat die Tab-Taste.</translation>
    </message>
</context>
</TS>
