<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nb" sourcelanguage="en">
<context>
    <name>Tessaquill</name>
    <message>
        <source>Accessibility is on. %app is ready in your other apps.</source>
        <translation>Tilgjengelighet er slått på. %app er klar i de andre appene dine.</translation>
    </message>
    <message>
        <source>Paused while %1 is open</source>
        <translation>Satt på pause mens %1 er åpen</translation>
    </message>
    <message>
        <source>Welcome to %app</source>
        <translation>Velkommen til %app</translation>
    </message>
    <message>
        <source>%app</source>
        <translation>%app</translation>
    </message>
    <message>
        <source>Another autocomplete app is running</source>
        <translation>En annen autofullføringsapp kjører</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Klar</translation>
    </message>
    <message>
        <source>Waiting for a pause</source>
        <translation>Venter på en pause</translation>
    </message>
    <message>
        <source>Thinking</source>
        <translation>Tenker</translation>
    </message>
    <message>
        <source>Showing a suggestion</source>
        <translation>Viser et forslag</translation>
    </message>
    <message>
        <source>The model took too long to answer</source>
        <translation>Modellen brukte for lang tid på å svare</translation>
    </message>
    <message>
        <source>This app doesn&apos;t report where the caret is</source>
        <translation>Denne appen oppgir ikke hvor markøren er</translation>
    </message>
    <message>
        <source>%app is turned off</source>
        <translation>%app er slått av</translation>
    </message>
    <message>
        <source>Secure input is on, so %app stays out</source>
        <translation>Sikker inndata er på, så %app holder seg unna</translation>
    </message>
    <message>
        <source>Press %1 for a suggestion</source>
        <translation>Trykk %1 for et forslag</translation>
    </message>
    <message>
        <source>Text is selected</source>
        <translation>Tekst er merket</translation>
    </message>
    <message>
        <source>The caret is inside existing text</source>
        <translation>Markøren står inne i eksisterende tekst</translation>
    </message>
    <message>
        <source>This field is too small</source>
        <translation>Feltet er for lite</translation>
    </message>
    <message>
        <source>Waiting for a few characters</source>
        <translation>Venter på noen tegn</translation>
    </message>
    <message>
        <source>Start of a new line</source>
        <translation>Starten av en ny linje</translation>
    </message>
    <message>
        <source>The model is still downloading</source>
        <translation>Modellen lastes fortsatt ned</translation>
    </message>
    <message>
        <source>Download the %app model in Settings first</source>
        <translation>Last ned %app-modellen i Innstillinger først</translation>
    </message>
    <message>
        <source>Not checked yet</source>
        <translation>Ikke sjekket ennå</translation>
    </message>
    <message>
        <source>Checking…</source>
        <translation>Sjekker …</translation>
    </message>
    <message>
        <source>The model stopped with error %1</source>
        <translation>Modellen stoppet med feil %1</translation>
    </message>
    <message>
        <source>The model file couldn&apos;t be loaded</source>
        <translation>Modellfilen kunne ikke lastes inn</translation>
    </message>
    <message>
        <source>There wasn&apos;t enough memory to start the model</source>
        <translation>Det var ikke nok minne til å starte modellen</translation>
    </message>
    <message>
        <source>The text couldn&apos;t be prepared for the model</source>
        <translation>Teksten kunne ikke klargjøres for modellen</translation>
    </message>
    <message>
        <source>This computer needs %1 free for the download. Free up some space, then try again.</source>
        <translation>Datamaskinen trenger %1 ledig plass til nedlastingen. Frigjør litt plass og prøv igjen.</translation>
    </message>
    <message>
        <source>The download didn&apos;t match the expected file, so it was deleted. Try again.</source>
        <translation>Nedlastingen stemte ikke med den forventede filen og ble slettet. Prøv igjen.</translation>
    </message>
    <message>
        <source>Downloaded</source>
        <translation>Lastet ned</translation>
    </message>
    <message>
        <source>Downloading. Suggestions start once it&apos;s done.</source>
        <translation>Laster ned. Forslag starter når nedlastingen er ferdig.</translation>
    </message>
    <message>
        <source>Checking the download.</source>
        <translation>Sjekker nedlastingen.</translation>
    </message>
    <message>
        <source>Checking the download. Suggestions start once it&apos;s done.</source>
        <translation>Sjekker nedlastingen. Forslag starter når det er gjort.</translation>
    </message>
    <message>
        <source>Download the model to start</source>
        <translation>Last ned modellen for å starte</translation>
    </message>
    <message>
        <source>Ollama is running but has no models</source>
        <translation>Ollama kjører, men har ingen modeller</translation>
    </message>
    <message>
        <source>Another app</source>
        <translation>En annen app</translation>
    </message>
    <message>
        <source>There is no D-Bus session bus, so %1 cannot reach text fields.</source>
        <translation>Det finnes ingen D-Bus-øktbuss, så %1 når ikke tekstfelt.</translation>
    </message>
    <message>
        <source>The desktop&apos;s accessibility bus is not running, so %1 cannot reach text fields.</source>
        <translation>Skrivebordets tilgjengelighetsbuss kjører ikke, så %1 når ikke tekstfelt.</translation>
    </message>
    <message>
        <source>Short</source>
        <translation>Kort</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Middels</translation>
    </message>
    <message>
        <source>Long</source>
        <translation>Lang</translation>
    </message>
    <message>
        <source>Hide the suggestion</source>
        <translation>Skjul forslaget</translation>
    </message>
    <message>
        <source>Hide suggestions until I change fields</source>
        <translation>Skjul forslag til jeg bytter felt</translation>
    </message>
    <message>
        <source>Do nothing, send Escape to the app</source>
        <translation>Ikke gjør noe, send Esc til appen</translation>
    </message>
    <message>
        <source>Type it</source>
        <translation>Tast inn</translation>
    </message>
    <message>
        <source>Insert through Accessibility</source>
        <translation>Sett inn via tilgjengelighet</translation>
    </message>
    <message>
        <source>Paste it</source>
        <translation>Lim inn</translation>
    </message>
    <message>
        <source>Grey</source>
        <translation>Grå</translation>
    </message>
    <message>
        <source>Gold tint</source>
        <translation>Gulltone</translation>
    </message>
    <message>
        <source>%app model</source>
        <translation>%app-modell</translation>
    </message>
    <message>
        <source>Ollama</source>
        <translation>Ollama</translation>
    </message>
    <message>
        <source>Local server</source>
        <translation>Lokal server</translation>
    </message>
    <message>
        <source>Runs on this computer after a one-time download. Works offline.</source>
        <translation>Kjører på denne datamaskinen etter én nedlasting. Virker uten nett.</translation>
    </message>
    <message>
        <source>Any model you run in Ollama, base models included.</source>
        <translation>Alle modeller du kjører i Ollama, også basismodeller.</translation>
    </message>
    <message>
        <source>LM Studio, llama-server or any OpenAI-compatible endpoint.</source>
        <translation>LM Studio, llama-server eller et hvilket som helst OpenAI-kompatibelt endepunkt.</translation>
    </message>
    <message>
        <source>Sends the text as keystrokes. Works almost everywhere.</source>
        <translation>Sender teksten som tastetrykk. Virker nesten overalt.</translation>
    </message>
    <message>
        <source>Uses the clipboard, then puts your clipboard back.</source>
        <translation>Bruker utklippstavlen og legger så tilbake innholdet ditt.</translation>
    </message>
    <message>
        <source>Accessibility</source>
        <translation>Tilgjengelighet</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Innliming</translation>
    </message>
    <message>
        <source>Your writing memory could not be opened and was set aside. Nothing new is remembered until %app starts again.</source>
        <translation>Skriveminnet ditt kunne ikke åpnes og ble lagt til side. Ingenting nytt huskes før %app starter på nytt.</translation>
    </message>
    <message>
        <source>Your writing memory could not be opened because its key could not be read from the keyring. Nothing new is remembered until %app starts again.</source>
        <translation>Skriveminnet ditt kunne ikke åpnes fordi nøkkelen ikke kunne leses fra nøkkelringen. Ingenting nytt huskes før %app starter på nytt.</translation>
    </message>
    <message>
        <source>Not Now</source>
        <translation>Ikke nå</translation>
    </message>
    <message>
        <source>Open the desktop&apos;s settings</source>
        <translation>Åpne skrivebordets innstillinger</translation>
    </message>
    <message>
        <source>Don&apos;t remind me again</source>
        <translation>Ikke minn meg på det igjen</translation>
    </message>
    <message>
        <source>Open Playground</source>
        <translation>Åpne øvingsområdet</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Innstillinger</translation>
    </message>
    <message>
        <source>Quit %app</source>
        <translation>Avslutt %app</translation>
    </message>
    <message>
        <source>Needs Accessibility access</source>
        <translation>Trenger tilgang til Tilgjengelighet</translation>
    </message>
    <message>
        <source>Paused until you resume</source>
        <translation>Satt på pause til du gjenopptar</translation>
    </message>
    <message>
        <source>Paused until %1</source>
        <translation>Satt på pause til %1</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Av</translation>
    </message>
    <message numerus="yes">
        <source>Paused while %1 are open</source>
        <translation>
            <numerusform>Satt på pause mens %1 er åpen</numerusform>
            <numerusform>Satt på pause mens %1 er åpne</numerusform>
        </translation>
    </message>
    <message>
        <source>Grant Accessibility Access…</source>
        <translation>Gi tilgang til Tilgjengelighet …</translation>
    </message>
    <message numerus="yes">
        <source>Force Quit %1</source>
        <translation>
            <numerusform>Tvangsavslutt %1</numerusform>
            <numerusform>Tvangsavslutt %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Quit %1</source>
        <translation>
            <numerusform>Avslutt %1</numerusform>
            <numerusform>Avslutt %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>words saved today</source>
        <translation>
            <numerusform>ord spart i dag</numerusform>
            <numerusform>ord spart i dag</numerusform>
        </translation>
    </message>
    <message>
        <source>Start typing anywhere. %app keeps count here.</source>
        <translation>Begynn å skrive hvor som helst. %app teller her.</translation>
    </message>
    <message>
        <source>Resume in %1</source>
        <translation>Gjenoppta i %1</translation>
    </message>
    <message>
        <source>Pause in %1</source>
        <translation>Sett på pause i %1</translation>
    </message>
    <message>
        <source>Resume Everywhere</source>
        <translation>Gjenoppta overalt</translation>
    </message>
    <message>
        <source>Pause Everywhere</source>
        <translation>Sett på pause overalt</translation>
    </message>
    <message>
        <source>For 15 Minutes</source>
        <translation>I 15 minutter</translation>
    </message>
    <message>
        <source>For 1 Hour</source>
        <translation>I 1 time</translation>
    </message>
    <message>
        <source>For 4 Hours</source>
        <translation>I 4 timer</translation>
    </message>
    <message>
        <source>Until I Resume</source>
        <translation>Til jeg gjenopptar</translation>
    </message>
    <message>
        <source>Example: after typing %1, %2 suggests %3</source>
        <translation>Eksempel: etter at du har skrevet %1, foreslår %2 %3</translation>
    </message>
    <message>
        <source>takes the next word</source>
        <translation>tar neste ord</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Last ned</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 av %2</translation>
    </message>
    <message>
        <source>%1 of %2. You can keep writing while it downloads.</source>
        <translation>%1 av %2. Du kan skrive videre mens den lastes ned.</translation>
    </message>
    <message>
        <source>Checking the download</source>
        <translation>Sjekker nedlastingen</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Prøv igjen</translation>
    </message>
    <message>
        <source>Remove…</source>
        <translation>Fjern …</translation>
    </message>
    <message>
        <source>%1 license</source>
        <translation>%1-lisens</translation>
    </message>
    <message>
        <source>Remove the %app model?</source>
        <translation>Vil du fjerne %app-modellen?</translation>
    </message>
    <message>
        <source>Model download</source>
        <translation>Nedlasting av modell</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Fjern</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Fortsett</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Senere</translation>
    </message>
    <message>
        <source>Start Writing</source>
        <translation>Begynn å skrive</translation>
    </message>
    <message>
        <source>Finish your sentences in any app.</source>
        <translation>Fullfør setningene dine i hvilken som helst app.</translation>
    </message>
    <message>
        <source>%app reads the words before your caret and suggests what comes next in grey. Press Tab to take one word, or the key above Tab to take the rest. If you don&apos;t want it, keep typing.</source>
        <translation>%app leser ordene før markøren og foreslår med grått hva som kommer. Trykk Tab for å ta ett ord, eller tasten over Tab for å ta resten. Vil du ikke ha det, skriver du bare videre.</translation>
    </message>
    <message>
        <source>Sees what you see</source>
        <translation>Ser det du ser</translation>
    </message>
    <message>
        <source>Private</source>
        <translation>Privat</translation>
    </message>
    <message>
        <source>It reads the window you&apos;re typing in, like the chat you&apos;re answering, so suggestions fit. None of it goes online, to us or any server. It stays private on your computer.</source>
        <translation>Den leser vinduet du skriver i, for eksempel chatten du svarer på, så forslagene passer. Ingenting sendes på nett, verken til oss eller til noen server. Det forblir privat på datamaskinen din.</translation>
    </message>
    <message>
        <source>Accessibility is on</source>
        <translation>Tilgjengelighet er slått på</translation>
    </message>
    <message>
        <source>%app can now read the field you&apos;re writing in and type suggestions for you.</source>
        <translation>%app kan nå lese feltet du skriver i, og skrive forslag for deg.</translation>
    </message>
    <message>
        <source>Let %app see what you type.</source>
        <translation>La %app se det du skriver.</translation>
    </message>
    <message>
        <source>%app reads your text when you pause and forgets it after one suggestion, unless you turn on writing memory.</source>
        <translation>%app leser teksten din når du tar en pause, og glemmer den etter ett forslag, med mindre du slår på skriveminne.</translation>
    </message>
    <message>
        <source>%app skips password fields and anything else the system marks as secure.</source>
        <translation>%app hopper over passordfelt og alt annet systemet merker som sikkert.</translation>
    </message>
    <message>
        <source>Open Accessibility Settings</source>
        <translation>Åpne tilgjengelighetsinnstillinger</translation>
    </message>
    <message>
        <source>Pick what writes your suggestions.</source>
        <translation>Velg hva som skriver forslagene dine.</translation>
    </message>
    <message>
        <source>You can change this any time in Settings.</source>
        <translation>Du kan endre dette når som helst i Innstillinger.</translation>
    </message>
    <message>
        <source>Give it a try.</source>
        <translation>Prøv det.</translation>
    </message>
    <message>
        <source>Start typing a sentence. When grey words appear, press Tab for one word or the key above Tab for all of them.</source>
        <translation>Begynn å skrive en setning. Når grå ord dukker opp, trykker du Tab for ett ord eller tasten over Tab for alle.</translation>
    </message>
    <message>
        <source>Hi Orlenn, thanks for the quick reply. I think we should</source>
        <translation>Hei Orlenn, takk for det raske svaret. Jeg tror vi bør</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Tilbake</translation>
    </message>
    <message>
        <source>Practice field</source>
        <translation>Øvingsfelt</translation>
    </message>
    <message>
        <source>Default, on</source>
        <translation>Standard, på</translation>
    </message>
    <message>
        <source>Default, off</source>
        <translation>Standard, av</translation>
    </message>
    <message>
        <source>Add a website</source>
        <translation>Legg til et nettsted</translation>
    </message>
    <message>
        <source>Domain</source>
        <translation>Domene</translation>
    </message>
    <message>
        <source>Rules for a site apply in any browser %app can read.</source>
        <translation>Regler for et nettsted gjelder i alle nettlesere %app kan lese.</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Legg til</translation>
    </message>
    <message>
        <source>Add App…</source>
        <translation>Legg til app …</translation>
    </message>
    <message>
        <source>Add an app</source>
        <translation>Legg til en app</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Søk</translation>
    </message>
    <message>
        <source>Clear search</source>
        <translation>Tøm søket</translation>
    </message>
    <message>
        <source>Add an app or website</source>
        <translation>Legg til en app eller et nettsted</translation>
    </message>
    <message>
        <source>Add Website…</source>
        <translation>Legg til nettsted …</translation>
    </message>
    <message>
        <source>Apps &amp; Sites</source>
        <translation>Apper &amp; nettsteder</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Satt på pause</translation>
    </message>
    <message>
        <source>Apps</source>
        <translation>Apper</translation>
    </message>
    <message>
        <source>Websites</source>
        <translation>Nettsteder</translation>
    </message>
    <message>
        <source>No matches</source>
        <translation>Ingen treff</translation>
    </message>
    <message>
        <source>No apps yet</source>
        <translation>Ingen apper ennå</translation>
    </message>
    <message>
        <source>Nothing matches “%1”.</source>
        <translation>Ingenting samsvarer med «%1».</translation>
    </message>
    <message>
        <source>Apps appear here once you accept a suggestion in them, or add one with +.</source>
        <translation>Apper vises her når du godtar et forslag i dem. Du kan også legge til en med +.</translation>
    </message>
    <message>
        <source>Pick an app or site</source>
        <translation>Velg en app eller et nettsted</translation>
    </message>
    <message>
        <source>Each one can have its own rules. Anything you don&apos;t change follows General.</source>
        <translation>Hver kan ha egne regler. Alt du ikke endrer, følger «Generelt».</translation>
    </message>
    <message>
        <source>Words saved here</source>
        <translation>Ord spart her</translation>
    </message>
    <message>
        <source>Suggestions</source>
        <translation>Forslag</translation>
    </message>
    <message>
        <source>On</source>
        <translation>På</translation>
    </message>
    <message>
        <source>Tab accepts suggestions</source>
        <translation>Tab godtar forslag</translation>
    </message>
    <message>
        <source>Turn off where Tab already means something, like indenting. The other accept key still works.</source>
        <translation>Slå av der Tab allerede betyr noe, som innrykk. Den andre godta-tasten virker fortsatt.</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Insert by</source>
        <translation>Sett inn via</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Lengde</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Gjenoppta</translation>
    </message>
    <message>
        <source>Pause here</source>
        <translation>Sett på pause her</translation>
    </message>
    <message>
        <source>Memory</source>
        <translation>Minne</translation>
    </message>
    <message>
        <source>Remember my writing here</source>
        <translation>Husk hvordan jeg skriver her</translation>
    </message>
    <message>
        <source>Writing memory is off in Your Voice.</source>
        <translation>Skriveminne er slått av under «Din stil».</translation>
    </message>
    <message>
        <source>Erase…</source>
        <translation>Slett …</translation>
    </message>
    <message>
        <source>Reset to Defaults</source>
        <translation>Tilbakestill til standard</translation>
    </message>
    <message>
        <source>Erase what %app remembered from %1?</source>
        <translation>Vil du slette det %app har husket i %1?</translation>
    </message>
    <message>
        <source>Erase</source>
        <translation>Slett</translation>
    </message>
    <message>
        <source>Passages from this app can shape suggestions everywhere.</source>
        <translation>Tekstutdrag fra denne appen kan påvirke forslag overalt.</translation>
    </message>
    <message>
        <source>Finish setting up</source>
        <translation>Fullfør oppsettet</translation>
    </message>
    <message>
        <source>Setup progress</source>
        <translation>Fremdrift for oppsett</translation>
    </message>
    <message>
        <source>Done: %1</source>
        <translation>Ferdig: %1</translation>
    </message>
    <message>
        <source>Best day yet!</source>
        <translation>Beste dag hittil!</translation>
    </message>
    <message>
        <source>Try it here</source>
        <translation>Prøv her</translation>
    </message>
    <message>
        <source>Thanks for sending the draft over. I had a look and</source>
        <translation>Takk for at du sendte utkastet. Jeg har sett på det, og</translation>
    </message>
    <message>
        <source>next word</source>
        <translation>neste ord</translation>
    </message>
    <message>
        <source>whole suggestion</source>
        <translation>hele forslaget</translation>
    </message>
    <message>
        <source>hide it</source>
        <translation>skjul det</translation>
    </message>
    <message>
        <source>This field runs the real engine. Start typing and grey words show up as you go.</source>
        <translation>Dette feltet bruker den ekte motoren. Begynn å skrive, så dukker grå ord opp underveis.</translation>
    </message>
    <message>
        <source>This field runs the real engine, even before you allow Accessibility. Start typing and grey words show up as you go.</source>
        <translation>Dette feltet bruker den ekte motoren, selv før du tillater Tilgjengelighet. Begynn å skrive, så dukker grå ord opp underveis.</translation>
    </message>
    <message>
        <source>You&apos;re all set</source>
        <translation>Alt er klart</translation>
    </message>
    <message>
        <source>Accessibility is on and %1 is ready. %app works in every app you type in.</source>
        <translation>Tilgjengelighet er slått på, og %1 er klar. %app virker i alle apper du skriver i.</translation>
    </message>
    <message>
        <source>Waiting for %1 to quit</source>
        <translation>Venter på at %1 avsluttes</translation>
    </message>
    <message>
        <source>Turned off</source>
        <translation>Slått av</translation>
    </message>
    <message>
        <source>Paused everywhere</source>
        <translation>Satt på pause overalt</translation>
    </message>
    <message>
        <source>%1, %2 typical wait</source>
        <translation>%1, typisk ventetid %2</translation>
    </message>
    <message>
        <source>Start your streak today.</source>
        <translation>Start rekken din i dag.</translation>
    </message>
    <message>
        <source>Overview</source>
        <translation>Oversikt</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Generelt</translation>
    </message>
    <message>
        <source>Engine</source>
        <translation>Motor</translation>
    </message>
    <message>
        <source>Context</source>
        <translation>Kontekst</translation>
    </message>
    <message>
        <source>Your Voice</source>
        <translation>Din stil</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Taster</translation>
    </message>
    <message>
        <source>Emoji</source>
        <translation>Emoji</translation>
    </message>
    <message>
        <source>Battery</source>
        <translation>Batteri</translation>
    </message>
    <message>
        <source>Insights</source>
        <translation>Statistikk</translation>
    </message>
    <message>
        <source>Field Inspector</source>
        <translation>Feltinspektør</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Om</translation>
    </message>
    <message>
        <source>How %app is doing today</source>
        <translation>Hvordan %app gjør det i dag</translation>
    </message>
    <message>
        <source>Where and how suggestions appear</source>
        <translation>Hvor og hvordan forslag vises</translation>
    </message>
    <message>
        <source>The model that writes your suggestions</source>
        <translation>Modellen som skriver forslagene dine</translation>
    </message>
    <message>
        <source>What %app may look at to guess better</source>
        <translation>Hva %app kan se på for å gjette bedre</translation>
    </message>
    <message>
        <source>Help suggestions sound like you</source>
        <translation>Få forslag til å høres ut som deg</translation>
    </message>
    <message>
        <source>Accept, dismiss and summon suggestions</source>
        <translation>Godta, avvis og hent frem forslag</translation>
    </message>
    <message>
        <source>Emoji search and emoticons</source>
        <translation>Emojisøk og uttrykksikoner</translation>
    </message>
    <message>
        <source>Rules for each app and website</source>
        <translation>Regler for hver app og hvert nettsted</translation>
    </message>
    <message>
        <source>Save power when you&apos;re unplugged</source>
        <translation>Spar strøm når du går på batteri</translation>
    </message>
    <message>
        <source>Words saved and how fast suggestions arrive</source>
        <translation>Ord spart og hvor raskt forslag kommer</translation>
    </message>
    <message>
        <source>What %app sees in the focused field</source>
        <translation>Hva %app ser i det aktive feltet</translation>
    </message>
    <message>
        <source>Version and privacy</source>
        <translation>Versjon og personvern</translation>
    </message>
    <message>
        <source>Writing</source>
        <translation>Skriving</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Inndata</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Regler</translation>
    </message>
    <message>
        <source>Activity</source>
        <translation>Aktivitet</translation>
    </message>
    <message>
        <source>%app can read the field you&apos;re typing in and insert suggestions in any app.</source>
        <translation>%app kan lese feltet du skriver i, og sette inn forslag i alle apper.</translation>
    </message>
    <message>
        <source>Allow Accessibility access</source>
        <translation>Tillat tilgang til Tilgjengelighet</translation>
    </message>
    <message>
        <source>%app needs it to read the text you type in other apps and to insert suggestions.</source>
        <translation>%app trenger det for å lese teksten du skriver i andre apper, og for å sette inn forslag.</translation>
    </message>
    <message>
        <source>Allow…</source>
        <translation>Tillat …</translation>
    </message>
    <message>
        <source>%1 is ready</source>
        <translation>%1 er klar</translation>
    </message>
    <message>
        <source>Checking %1</source>
        <translation>Sjekker %1</translation>
    </message>
    <message>
        <source>This takes a moment.</source>
        <translation>Dette tar et øyeblikk.</translation>
    </message>
    <message>
        <source>Your engine isn&apos;t ready</source>
        <translation>Motoren din er ikke klar</translation>
    </message>
    <message>
        <source>Open Engine</source>
        <translation>Åpne «Motor»</translation>
    </message>
    <message>
        <source>The system&apos;s predictions are off</source>
        <translation>Systemets prediksjoner er slått av</translation>
    </message>
    <message>
        <source>Only %app&apos;s suggestions appear while you type.</source>
        <translation>Bare forslag fra %app vises mens du skriver.</translation>
    </message>
    <message>
        <source>Turn off the system&apos;s predictions</source>
        <translation>Slå av systemets prediksjoner</translation>
    </message>
    <message>
        <source>The system shows its own grey suggestions on top of %app&apos;s. Each app picks up the change the next time you open it.</source>
        <translation>Systemet viser sine egne grå forslag oppå forslagene fra %app. Hver app tar i bruk endringen neste gang du åpner den.</translation>
    </message>
    <message>
        <source>Keyboard Settings</source>
        <translation>Tastaturinnstillinger</translation>
    </message>
    <message>
        <source>Turn Off</source>
        <translation>Slå av</translation>
    </message>
    <message>
        <source>Only %app is suggesting</source>
        <translation>Bare %app kommer med forslag</translation>
    </message>
    <message>
        <source>Tab reaches %app again.</source>
        <translation>Tab-tasten virker med %app igjen.</translation>
    </message>
    <message numerus="yes">
        <source>%1 didn&apos;t quit. They may be showing a dialog. Force Quit closes them right away.</source>
        <translation>
            <numerusform>%1 avsluttet ikke. Den viser kanskje en dialog. «Tvangsavslutt» lukker den med en gang.</numerusform>
            <numerusform>%1 avsluttet ikke. De viser kanskje en dialog. «Tvangsavslutt» lukker dem med en gang.</numerusform>
        </translation>
    </message>
    <message>
        <source>Force Quit</source>
        <translation>Tvangsavslutt</translation>
    </message>
    <message numerus="yes">
        <source>%1 take the Tab key before %app can, so %app stays paused in your other apps until you quit them.</source>
        <translation>
            <numerusform>%1 tar Tab-tasten før %app, så %app står på pause i de andre appene dine til du avslutter den.</numerusform>
            <numerusform>%1 tar Tab-tasten før %app, så %app står på pause i de andre appene dine til du avslutter dem.</numerusform>
        </translation>
    </message>
    <message>
        <source>Only when I ask</source>
        <translation>Bare når jeg ber om det</translation>
    </message>
    <message>
        <source>On battery, suggestions appear only after you press the Suggest Now shortcut.</source>
        <translation>På batteri vises forslag bare etter at du trykker snarveien «Foreslå nå».</translation>
    </message>
    <message>
        <source>Shorter suggestions</source>
        <translation>Kortere forslag</translation>
    </message>
    <message>
        <source>Fewer words take less power to write.</source>
        <translation>Færre ord krever mindre strøm.</translation>
    </message>
    <message>
        <source>Lighter model</source>
        <translation>Lettere modell</translation>
    </message>
    <message>
        <source>Same as plugged in</source>
        <translation>Samme som på strøm</translation>
    </message>
    <message>
        <source>Running on battery. These apply right now.</source>
        <translation>Går på batteri. Disse innstillingene gjelder nå.</translation>
    </message>
    <message>
        <source>Plugged in. These wait until you unplug.</source>
        <translation>Koblet til strøm. Disse innstillingene gjelder når du kobler fra.</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modell</translation>
    </message>
    <message>
        <source>Model name</source>
        <translation>Modellnavn</translation>
    </message>
    <message>
        <source>Reload the model list</source>
        <translation>Last inn modellisten på nytt</translation>
    </message>
    <message>
        <source>Choose a model</source>
        <translation>Velg en modell</translation>
    </message>
    <message>
        <source>For people who already run Ollama, LM Studio or llama-server.</source>
        <translation>For deg som allerede kjører Ollama, LM Studio eller llama-server.</translation>
    </message>
    <message>
        <source>Use your own model</source>
        <translation>Bruk din egen modell</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>API key</source>
        <translation>API-nøkkel</translation>
    </message>
    <message>
        <source>Only if your server asks for one</source>
        <translation>Bare hvis serveren din ber om en</translation>
    </message>
    <message>
        <source>Focused</source>
        <translation>Fokusert</translation>
    </message>
    <message>
        <source>Creativity</source>
        <translation>Kreativitet</translation>
    </message>
    <message>
        <source>Loose</source>
        <translation>Løs</translation>
    </message>
    <message>
        <source>Lower stays close to the obvious next words. Higher tries more.</source>
        <translation>Lavere holder seg til de åpenbare neste ordene. Høyere prøver flere muligheter.</translation>
    </message>
    <message>
        <source>Wait before suggesting</source>
        <translation>Vent før forslag</translation>
    </message>
    <message>
        <source>How long you pause before %app starts.</source>
        <translation>Hvor lenge du tar pause før %app starter.</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Kjør</translation>
    </message>
    <message>
        <source>Try the engine</source>
        <translation>Test motoren</translation>
    </message>
    <message>
        <source>Sends a sample sentence and shows what comes back.</source>
        <translation>Sender en eksempelsetning og viser hva som kommer tilbake.</translation>
    </message>
    <message>
        <source>Running…</source>
        <translation>Kjører …</translation>
    </message>
    <message>
        <source>The engine answered in %1 but had nothing useful to add.</source>
        <translation>Motoren svarte etter %1, men hadde ikke noe nyttig å legge til.</translation>
    </message>
    <message>
        <source>That didn&apos;t work: %1</source>
        <translation>Det virket ikke: %1</translation>
    </message>
    <message>
        <source>The request was cancelled.</source>
        <translation>Forespørselen ble avbrutt.</translation>
    </message>
    <message>
        <source>Startup</source>
        <translation>Oppstart</translation>
    </message>
    <message>
        <source>Launch at login</source>
        <translation>Start ved pålogging</translation>
    </message>
    <message>
        <source>Show today&apos;s word count next to the icon</source>
        <translation>Vis dagens ordtall ved siden av ikonet</translation>
    </message>
    <message>
        <source>Where suggestions appear</source>
        <translation>Hvor forslag vises</translation>
    </message>
    <message>
        <source>Turn this off to use %app only in the apps you switch on under Apps &amp; Sites.</source>
        <translation>Slå av for å bruke %app bare i appene du slår på under «Apper &amp; nettsteder».</translation>
    </message>
    <message>
        <source>By default %app waits until the caret is at the end of a line.</source>
        <translation>Som standard venter %app til markøren står på slutten av en linje.</translation>
    </message>
    <message>
        <source>Without this, %app skips search bars and one-word boxes.</source>
        <translation>Uten dette hopper %app over søkefelt og enkeltordsfelt.</translation>
    </message>
    <message>
        <source>Suggestions appear only after you press the Suggest Now shortcut.</source>
        <translation>Forslag vises bare etter at du trykker snarveien «Foreslå nå».</translation>
    </message>
    <message>
        <source>Spelling</source>
        <translation>Stavekontroll</translation>
    </message>
    <message>
        <source>Waits while the word you&apos;re typing looks misspelled, so %app doesn&apos;t build on a typo.</source>
        <translation>Venter mens ordet du skriver ser feilstavet ut, så %app ikke bygger videre på en skrivefeil.</translation>
    </message>
    <message>
        <source>After a misspelled word, shows a fix next to the caret. Press Tab to swap it in.</source>
        <translation>Viser en retting ved markøren etter et feilstavet ord. Trykk Tab for å bytte den inn.</translation>
    </message>
    <message>
        <source>Look</source>
        <translation>Utseende</translation>
    </message>
    <message>
        <source>Suggestion color</source>
        <translation>Forslagsfarge</translation>
    </message>
    <message>
        <source>Text size</source>
        <translation>Tekststørrelse</translation>
    </message>
    <message>
        <source>Fine-tune if suggestions look larger or smaller than your text.</source>
        <translation>Finjuster hvis forslag ser større eller mindre ut enn teksten din.</translation>
    </message>
    <message>
        <source>Vertical position</source>
        <translation>Loddrett plassering</translation>
    </message>
    <message>
        <source>Nudge suggestions up or down to line up with your text.</source>
        <translation>Flytt forslag opp eller ned så de står på linje med teksten din.</translation>
    </message>
    <message>
        <source>A small keycap after your first suggestions, as a reminder of what to press.</source>
        <translation>Et lite tastesymbol etter de første forslagene, som en påminnelse om hva du skal trykke.</translation>
    </message>
    <message>
        <source>Insert suggestions by</source>
        <translation>Sett inn forslag via</translation>
    </message>
    <message>
        <source>Other autocomplete apps</source>
        <translation>Andre autofullføringsapper</translation>
    </message>
    <message>
        <source>They take the Tab key before %app can. With this off, %app asks you first.</source>
        <translation>De tar Tab-tasten før %app. Når dette er av, spør %app deg først.</translation>
    </message>
    <message>
        <source>%1 is another device on your network, so the text around your caret will be sent there.</source>
        <translation>%1 er en annen enhet på nettverket ditt, så teksten rundt markøren sendes dit.</translation>
    </message>
    <message>
        <source>%1 isn&apos;t this computer, so the text around your caret will be sent there.</source>
        <translation>%1 er ikke denne datamaskinen, så teksten rundt markøren sendes dit.</translation>
    </message>
    <message>
        <source>Both keep your text on this computer.</source>
        <translation>Begge holder teksten din på denne datamaskinen.</translation>
    </message>
    <message>
        <source>%app opens by itself when you start your computer.</source>
        <translation>%app starter automatisk når du starter datamaskinen.</translation>
    </message>
    <message>
        <source>System predictions</source>
        <translation>Systemprediksjoner</translation>
    </message>
    <message>
        <source>The system can show its own grey predictions. Keeping them off avoids two suggestions at once.</source>
        <translation>Systemet kan vise sine egne grå prediksjoner. Å holde dem av hindrer to forslag samtidig.</translation>
    </message>
    <message>
        <source>System predictions are on</source>
        <translation>Systemprediksjoner er på</translation>
    </message>
    <message>
        <source>System predictions are off</source>
        <translation>Systemprediksjoner er av</translation>
    </message>
    <message>
        <source>tab</source>
        <translation>tab</translation>
    </message>
    <message>
        <source>Your next words, one Tab away.</source>
        <translation>Dine neste ord, ett Tab-trykk unna.</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Hopp over</translation>
    </message>
    <message>
        <source>Get Started</source>
        <translation>Kom i gang</translation>
    </message>
    <message>
        <source>Turn sound on</source>
        <translation>Slå på lyd</translation>
    </message>
    <message>
        <source>Turn sound off</source>
        <translation>Slå av lyd</translation>
    </message>
    <message>
        <source>The other app</source>
        <translation>Den andre appen</translation>
    </message>
    <message numerus="yes">
        <source>Next time, quit %1 without asking</source>
        <translation>
            <numerusform>Avslutt %1 uten å spørre neste gang</numerusform>
            <numerusform>Avslutt %1 uten å spørre neste gang</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 is also running</source>
        <translation>
            <numerusform>%1 kjører også</numerusform>
            <numerusform>%1 kjører også</numerusform>
        </translation>
    </message>
    <message>
        <source>Quitting…</source>
        <translation>Avslutter …</translation>
    </message>
    <message numerus="yes">
        <source>%1 is still open</source>
        <translation>
            <numerusform>%1 er fortsatt åpen</numerusform>
            <numerusform>%1 er fortsatt åpne</numerusform>
        </translation>
    </message>
    <message>
        <source>%app has the Tab key</source>
        <translation>%app har Tab-tasten</translation>
    </message>
    <message>
        <source>%1 quit, so your suggestions are back in every app.</source>
        <translation>%1 avsluttet, så forslagene dine er tilbake i alle apper.</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Ferdig</translation>
    </message>
    <message>
        <source>Open Source Notices</source>
        <translation>Merknader om åpen kildekode</translation>
    </message>
    <message>
        <source>Reset all settings?</source>
        <translation>Vil du tilbakestille alle innstillinger?</translation>
    </message>
    <message>
        <source>This also clears your rules for apps and sites. Your statistics and writing memory stay.</source>
        <translation>Dette sletter også reglene dine for apper og nettsteder. Statistikken og skriveminnet blir værende.</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Tilbakestill</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versjon %1</translation>
    </message>
    <message>
        <source>Some apps hide their text</source>
        <translation>Noen apper skjuler teksten sin</translation>
    </message>
    <message>
        <source>Suggest emoji after a colon</source>
        <translation>Foreslå emoji etter kolon</translation>
    </message>
    <message>
        <source>Turn emoticons into emoji</source>
        <translation>Gjør uttrykksikoner om til emoji</translation>
    </message>
    <message>
        <source>After :-) or &lt;3, %app offers the matching emoji. Press Tab to swap it in.</source>
        <translation>Etter :-) eller &lt;3 tilbyr %app den passende emojien. Trykk Tab for å sette den inn.</translation>
    </message>
    <message>
        <source>Skin tone</source>
        <translation>Hudtone</translation>
    </message>
    <message>
        <source>Also show the default yellow</source>
        <translation>Vis også standard gul</translation>
    </message>
    <message>
        <source>Try a word</source>
        <translation>Prøv et ord</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Svak</translation>
    </message>
    <message>
        <source>No emoji match “%1”</source>
        <translation>Ingen emoji samsvarer med «%1»</translation>
    </message>
    <message>
        <source>Accepting</source>
        <translation>Godta forslag</translation>
    </message>
    <message>
        <source>Take the next word</source>
        <translation>Ta neste ord</translation>
    </message>
    <message>
        <source>Press again for each following word.</source>
        <translation>Trykk igjen for hvert følgende ord.</translation>
    </message>
    <message>
        <source>Take the whole suggestion</source>
        <translation>Ta hele forslaget</translation>
    </message>
    <message>
        <source>The key above Tab is easy to reach on most keyboards.</source>
        <translation>Tasten over Tab er lett å nå på de fleste tastaturer.</translation>
    </message>
    <message>
        <source>Include the space after a word</source>
        <translation>Ta med mellomrommet etter et ord</translation>
    </message>
    <message>
        <source>Include punctuation right after a word</source>
        <translation>Ta med tegnsetting rett etter et ord</translation>
    </message>
    <message>
        <source>When you press Escape</source>
        <translation>Når du trykker Esc</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Snarveier</translation>
    </message>
    <message>
        <source>Suggest now</source>
        <translation>Foreslå nå</translation>
    </message>
    <message>
        <source>Asks for a suggestion right away, even where %app would normally wait.</source>
        <translation>Ber om et forslag med en gang, også der %app vanligvis ville ventet.</translation>
    </message>
    <message>
        <source>Other suggestions</source>
        <translation>Andre forslag</translation>
    </message>
    <message>
        <source>Lists a few different ways to continue. Choose with the arrow keys, then press Tab.</source>
        <translation>Viser noen ulike måter å fortsette på. Velg med piltastene og trykk Tab.</translation>
    </message>
    <message>
        <source>Pause or resume in this app</source>
        <translation>Pause eller gjenoppta i denne appen</translation>
    </message>
    <message>
        <source>Pauses for 15 minutes.</source>
        <translation>Setter på pause i 15 minutter.</translation>
    </message>
    <message>
        <source>Turn %app on or off</source>
        <translation>Slå %app på eller av</translation>
    </message>
    <message>
        <source>Everywhere, until you press it again.</source>
        <translation>Overalt, til du trykker igjen.</translation>
    </message>
    <message>
        <source>Pause or resume</source>
        <translation>Pause eller gjenoppta</translation>
    </message>
    <message>
        <source>Turn on or off</source>
        <translation>Slå på eller av</translation>
    </message>
    <message>
        <source>%1 and %2 use the same keys. Only the first will work.</source>
        <translation>«%1» og «%2» bruker de samme tastene. Bare den første virker.</translation>
    </message>
    <message>
        <source>About you</source>
        <translation>Om deg</translation>
    </message>
    <message>
        <source>For example: I&apos;m a product designer in Berlin. I write short, friendly emails in British English and sign off with Cheers.</source>
        <translation>For eksempel: Jeg er produktdesigner i Berlin. Jeg skriver korte, vennlige e-poster på britisk engelsk og avslutter med Cheers.</translation>
    </message>
    <message>
        <source>Your role, the languages you write in, names you use often, how you like to sound.</source>
        <translation>Yrket ditt, språkene du skriver på, navn du ofte bruker, hvordan du vil høres ut.</translation>
    </message>
    <message>
        <source>Writing memory</source>
        <translation>Skriveminne</translation>
    </message>
    <message>
        <source>Remember how I write</source>
        <translation>Husk hvordan jeg skriver</translation>
    </message>
    <message>
        <source>Also remember fields where I accept nothing</source>
        <translation>Husk også felt der jeg ikke godtar noe</translation>
    </message>
    <message>
        <source>%app learns your style sooner but keeps more of what you type.</source>
        <translation>%app lærer stilen din raskere, men tar vare på mer av det du skriver.</translation>
    </message>
    <message>
        <source>Influence</source>
        <translation>Innflytelse</translation>
    </message>
    <message>
        <source>Strong</source>
        <translation>Sterk</translation>
    </message>
    <message>
        <source>How many of your passages each suggestion can draw on.</source>
        <translation>Hvor mange av tekstutdragene dine hvert forslag kan bygge på.</translation>
    </message>
    <message>
        <source>Erase All…</source>
        <translation>Slett alt …</translation>
    </message>
    <message>
        <source>Erase everything %app remembered?</source>
        <translation>Vil du slette alt %app har husket?</translation>
    </message>
    <message>
        <source>This can&apos;t be undone.</source>
        <translation>Dette kan ikke angres.</translation>
    </message>
    <message>
        <source>Erase All</source>
        <translation>Slett alt</translation>
    </message>
    <message>
        <source>Nothing remembered yet</source>
        <translation>Ingenting husket ennå</translation>
    </message>
    <message>
        <source>App and window name</source>
        <translation>App- og vindusnavn</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>Nettsted</translation>
    </message>
    <message>
        <source>The site&apos;s domain when you write in a browser.</source>
        <translation>Nettstedets domene når du skriver i en nettleser.</translation>
    </message>
    <message>
        <source>Recently copied text</source>
        <translation>Nylig kopiert tekst</translation>
    </message>
    <message>
        <source>Anything you copied in the last 10 minutes. Copies from password managers are skipped.</source>
        <translation>Alt du har kopiert de siste 10 minuttene. Kopier fra passordbehandlere hoppes over.</translation>
    </message>
    <message>
        <source>Text on screen</source>
        <translation>Tekst på skjermen</translation>
    </message>
    <message>
        <source>Reads the window you&apos;re writing in, so replies fit the conversation. It picks the lines closest to where you type.</source>
        <translation>Leser vinduet du skriver i, så svar passer til samtalen. Den velger linjene nærmest der du skriver.</translation>
    </message>
    <message>
        <source>What you just looked at</source>
        <translation>Det du nettopp så på</translation>
    </message>
    <message>
        <source>Windows beside you</source>
        <translation>Vinduer ved siden av</translation>
    </message>
    <message>
        <source>Also reads up to two other windows on the same screen, like the document you&apos;re replying about. Skips password managers and apps you switched off.</source>
        <translation>Leser også opptil to andre vinduer på samme skjerm, for eksempel dokumentet svaret ditt handler om. Hopper over passordbehandlere og apper du har slått av.</translation>
    </message>
    <message>
        <source>Off in this app</source>
        <translation>Av i denne appen</translation>
    </message>
    <message>
        <source>This word looks misspelled</source>
        <translation>Dette ordet ser feilstavet ut</translation>
    </message>
    <message>
        <source>Thanks for the notes. I&apos;ll send the revised deck</source>
        <translation>Takk for notatene. Jeg sender den reviderte presentasjonen</translation>
    </message>
    <message>
        <source> by Friday morning.</source>
        <translation> innen fredag morgen.</translation>
    </message>
    <message>
        <source>%1 quit. %app has the Tab key.</source>
        <translation>%1 avsluttet. %app har Tab-tasten.</translation>
    </message>
    <message>
        <source>Open Data Folder</source>
        <translation>Åpne datamappe</translation>
    </message>
    <message>
        <source>Show Welcome Again</source>
        <translation>Vis velkomst igjen</translation>
    </message>
    <message>
        <source>Play Intro Again</source>
        <translation>Spill av intro igjen</translation>
    </message>
    <message>
        <source>Reset Settings…</source>
        <translation>Tilbakestill innstillinger …</translation>
    </message>
    <message>
        <source>Suggest in every app</source>
        <translation>Foreslå i alle apper</translation>
    </message>
    <message>
        <source>Suggest in code editors</source>
        <translation>Foreslå i kodeeditorer</translation>
    </message>
    <message>
        <source>Suggest in the middle of a line</source>
        <translation>Foreslå midt i en linje</translation>
    </message>
    <message>
        <source>Suggest in small fields</source>
        <translation>Foreslå i små felt</translation>
    </message>
    <message>
        <source>Hold back on misspelled words</source>
        <translation>Vent ved feilstavede ord</translation>
    </message>
    <message>
        <source>Offer spelling fixes</source>
        <translation>Tilby staverettelser</translation>
    </message>
    <message>
        <source>Show the key hint</source>
        <translation>Vis tastehint</translation>
    </message>
    <message>
        <source>Quit other autocomplete apps when they open</source>
        <translation>Avslutt andre autofullføringsapper når de åpnes</translation>
    </message>
    <message>
        <source>Keeps a few minutes of text from windows you switched away from, like a page you read before replying. It stays on your computer and skips apps you switched off.</source>
        <translation>Tar vare på noen minutter med tekst fra vinduer du har gått bort fra, som en side du leste før du svarte. Det blir på datamaskinen din og hopper over apper du har slått av.</translation>
    </message>
    <message numerus="yes">
        <source>Both apps answer the Tab key, and the system gives it to %1 first. %app stays paused in your other apps until %1 quits.</source>
        <translation>
            <numerusform>Begge appene svarer på Tab-tasten, og systemet gir den til %1 først. %app står på pause i de andre appene dine til %1 avslutter.</numerusform>
            <numerusform>%1 tar Tab-tasten før %app, så %app står på pause i de andre appene dine til du avslutter dem.</numerusform>
        </translation>
    </message>
    <message>
        <source>Finishes your sentences in any app, on your computer.</source>
        <translation>Fullfører setningene dine i alle apper, på datamaskinen din.</translation>
    </message>
    <message>
        <source>Keeps short passages from fields where you accepted a suggestion, encrypted on this computer, and shows them to the model as examples.</source>
        <translation>Tar vare på korte tekstutdrag fra felt der du godtok et forslag, kryptert på denne datamaskinen, og viser dem til modellen som eksempler.</translation>
    </message>
    <message>
        <source>Light</source>
        <comment>skin tone</comment>
        <translation>Lys</translation>
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
        <translation>Middels lys</translation>
    </message>
    <message>
        <source>Medium</source>
        <comment>skin tone</comment>
        <translation>Middels</translation>
    </message>
    <message>
        <source>Medium dark</source>
        <comment>skin tone</comment>
        <translation>Middels mørk</translation>
    </message>
    <message>
        <source>Dark</source>
        <comment>skin tone</comment>
        <translation>Mørk</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Ukjent</translation>
    </message>
    <message>
        <source>%1 × %2 pt</source>
        <translation>%1 × %2 pt</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nei</translation>
    </message>
    <message>
        <source>Not reported, estimated from the caret</source>
        <translation>Ikke oppgitt, anslått ut fra markøren</translation>
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
        <translation>Ikke ennå</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>I dag</translation>
    </message>
    <message>
        <source>Last 7 days</source>
        <translation>Siste 7 dager</translation>
    </message>
    <message>
        <source>All time</source>
        <translation>Siden start</translation>
    </message>
    <message>
        <source>Typing saved</source>
        <translation>Spart skriving</translation>
    </message>
    <message>
        <source>at 40 words a minute</source>
        <translation>ved 40 ord i minuttet</translation>
    </message>
    <message>
        <source>Accepted</source>
        <translation>Godtatt</translation>
    </message>
    <message>
        <source>of suggestions shown</source>
        <translation>av viste forslag</translation>
    </message>
    <message>
        <source>Typical wait</source>
        <translation>Typisk ventetid</translation>
    </message>
    <message>
        <source>9 in 10 under %1</source>
        <translation>9 av 10 under %1</translation>
    </message>
    <message>
        <source>no requests yet</source>
        <translation>ingen forespørsler ennå</translation>
    </message>
    <message>
        <source>Words saved</source>
        <translation>Ord spart</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>Periode</translation>
    </message>
    <message>
        <source>Nothing to chart yet</source>
        <translation>Ingenting å vise ennå</translation>
    </message>
    <message>
        <source>Accept a few suggestions and your days show up here.</source>
        <translation>Godta noen forslag, så dukker dagene dine opp her.</translation>
    </message>
    <message>
        <source>Where you write</source>
        <translation>Hvor du skriver</translation>
    </message>
    <message>
        <source>Reset Statistics…</source>
        <translation>Tilbakestill statistikk …</translation>
    </message>
    <message>
        <source>Reset all statistics?</source>
        <translation>Vil du tilbakestille all statistikk?</translation>
    </message>
    <message>
        <source>This clears words saved, acceptance and timing history.</source>
        <translation>Dette sletter historikken for ord spart, godtakelse og ventetider.</translation>
    </message>
    <message>
        <source>Copy Diagnostics</source>
        <translation>Kopier diagnostikk</translation>
    </message>
    <message>
        <source>Diagnostics leave out the text you typed.</source>
        <translation>Diagnostikken utelater teksten du har skrevet.</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Right now</source>
        <translation>Akkurat nå</translation>
    </message>
    <message>
        <source>Allowed</source>
        <translation>Tillatt</translation>
    </message>
    <message>
        <source>Not allowed</source>
        <translation>Ikke tillatt</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Tastatur</translation>
    </message>
    <message>
        <source>Listening</source>
        <translation>Lytter</translation>
    </message>
    <message>
        <source>Not listening</source>
        <translation>Lytter ikke</translation>
    </message>
    <message>
        <source>Focused field</source>
        <translation>Aktivt felt</translation>
    </message>
    <message>
        <source>Click into a text field in another app, then come back. The last field %1 saw stays here.</source>
        <translation>Klikk i et tekstfelt i en annen app, og kom tilbake. Det siste feltet %1 så, blir stående her.</translation>
    </message>
    <message>
        <source>App</source>
        <translation>App</translation>
    </message>
    <message>
        <source>Field type</source>
        <translation>Felttype</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>Vindu</translation>
    </message>
    <message>
        <source>Field size</source>
        <translation>Feltstørrelse</translation>
    </message>
    <message>
        <source>Caret found</source>
        <translation>Markør funnet</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Skrift</translation>
    </message>
    <message>
        <source>At end of line</source>
        <translation>På slutten av linjen</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>Secure input</source>
        <translation>Sikker inndata</translation>
    </message>
    <message>
        <source>Looked at lately</source>
        <translation>Sett nylig</translation>
    </message>
    <message>
        <source>Text before the caret</source>
        <translation>Tekst før markøren</translation>
    </message>
    <message>
        <source>Last request</source>
        <translation>Siste forespørsel</translation>
    </message>
    <message>
        <source>Wait</source>
        <translation>Ventetid</translation>
    </message>
    <message>
        <source>Suggestion</source>
        <translation>Forslag</translation>
    </message>
    <message>
        <source>Prompt sent to the engine</source>
        <translation>Prompt sendt til motoren</translation>
    </message>
    <message>
        <source>Raw answer</source>
        <translation>Ubearbeidet svar</translation>
    </message>
    <message>
        <source>(empty)</source>
        <translation>(tom)</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>Kopiert</translation>
    </message>
    <message>
        <source>Choose a language</source>
        <translation>Velg et språk</translation>
    </message>
    <message>
        <source>Search languages</source>
        <translation>Søk etter språk</translation>
    </message>
    <message>
        <source>Same as my computer</source>
        <translation>Samme som systemet</translation>
    </message>
    <message>
        <source>Switch to %1?</source>
        <translation>Bytte til %1?</translation>
    </message>
    <message>
        <source>%1 closes and opens again in a second. Your settings stay as they are.</source>
        <translation>%1 lukkes og åpnes igjen om et sekund. Innstillingene dine forblir som de er.</translation>
    </message>
    <message>
        <source>Reopen Now</source>
        <translation>Åpne på nytt nå</translation>
    </message>
    <message>
        <source>App language</source>
        <translation>Appspråk</translation>
    </message>
    <message>
        <source>Pick the language you read most easily. Suggestions follow whatever language you type.</source>
        <translation>Velg språket du leser lettest. Forslag følger språket du skriver på.</translation>
    </message>
    <message>
        <source>Change the app language</source>
        <translation>Endre appspråket</translation>
    </message>
    <message>
        <source>0 min</source>
        <translation>0 min</translation>
    </message>
    <message>
        <source>under a minute</source>
        <translation>under ett minutt</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>Not set</source>
        <translation>Ikke angitt</translation>
    </message>
    <message>
        <source>Clear shortcut</source>
        <translation>Tøm snarvei</translation>
    </message>
    <message>
        <source>Add Ctrl, Alt or Super so normal typing still works.</source>
        <translation>Legg til Ctrl, Alt eller Super så vanlig skriving fortsatt virker.</translation>
    </message>
    <message>
        <source>Type a shortcut…</source>
        <translation>Trykk en snarvei …</translation>
    </message>
    <message>
        <source>Recording shortcut</source>
        <translation>Tar opp snarvei</translation>
    </message>
    <message>
        <source>Shortcut %1</source>
        <translation>Snarvei %1</translation>
    </message>
    <message>
        <source>Record shortcut</source>
        <translation>Ta opp snarvei</translation>
    </message>
    <message>
        <source>Shortcut not set</source>
        <translation>Snarvei ikke angitt</translation>
    </message>
    <message>
        <source>Press to record a new shortcut. Escape cancels.</source>
        <translation>Trykk for å ta opp en ny snarvei. Esc avbryter.</translation>
    </message>
    <message>
        <source>Your tray icon is hidden</source>
        <translation>Ikonet ditt i systemkurven er skjult</translation>
    </message>
    <message>
        <source>This computer has no on-device language model</source>
        <translation>Denne datamaskinen har ingen innebygd språkmodell</translation>
    </message>
    <message>
        <source>Turn on the on-device model in the desktop&apos;s settings</source>
        <translation>Slå på enhetsmodellen i skrivebordets innstillinger</translation>
    </message>
    <message>
        <source>The on-device model is unavailable</source>
        <translation>Enhetsmodellen er ikke tilgjengelig</translation>
    </message>
    <message>
        <source>Downloading. The on-device model fills in until it&apos;s done.</source>
        <translation>Laster ned. Enhetsmodellen tar over til den er ferdig.</translation>
    </message>
    <message>
        <source>The on-device model fills in until you download it.</source>
        <translation>Enhetsmodellen tar over til du laster den ned.</translation>
    </message>
    <message>
        <source>%1 shares no text. Quit it and start it with %2 to get suggestions in it.</source>
        <translation>%1 deler ingen tekst. Avslutt den og start den med %2 for å få forslag i den.</translation>
    </message>
    <message>
        <source>On-device model</source>
        <translation>Enhetsmodell</translation>
    </message>
    <message>
        <source>The system&apos;s own language model. Nothing to download.</source>
        <translation>Systemets egen språkmodell. Ingenting å laste ned.</translation>
    </message>
    <message>
        <source>A website name cannot hold spaces, tabs or line breaks.</source>
        <translation>Et nettstedsnavn kan ikke inneholde mellomrom, tabulatorer eller linjeskift.</translation>
    </message>
    <message>
        <source>Only addresses that start with http or https can be added.</source>
        <translation>Bare adresser som starter med http eller https, kan legges til.</translation>
    </message>
    <message>
        <source>That is not a website name. Type one such as wikipedia.org.</source>
        <translation>Det er ikke et nettstedsnavn. Skriv et som wikipedia.org.</translation>
    </message>
    <message>
        <source>A port is a number from 1 to 65535.</source>
        <translation>En port er et tall fra 1 til 65535.</translation>
    </message>
    <message>
        <source>The on-device model fills in until the download is done.</source>
        <translation>Enhetsmodellen tar over til nedlastingen er ferdig.</translation>
    </message>
    <message>
        <source>Suggestions start once the download is done.</source>
        <translation>Forslag starter når nedlastingen er ferdig.</translation>
    </message>
    <message>
        <source>This frees %1. The on-device model fills in until you download it again.</source>
        <translation>Dette frigjør %1. Enhetsmodellen tar over til du laster den ned igjen.</translation>
    </message>
    <message>
        <source>This frees %1. The %app model can&apos;t suggest until you download it again.</source>
        <translation>Dette frigjør %1. %app-modellen kan ikke foreslå noe før du laster den ned igjen.</translation>
    </message>
    <message>
        <source>There&apos;s no room for it, or your panel has no system tray. Add the panel&apos;s system tray or status area applet in its settings.</source>
        <translation>Det er ikke plass til det, eller panelet ditt har ingen systemkurv. Legg til panelets miniprogram for systemkurv eller statusområde i innstillingene.</translation>
    </message>
    <message>
        <source>GNOME shows tray icons only with the AppIndicator extension. Install the gnome-shell-extension-appindicator package, log out and in, then turn it on in Extensions.</source>
        <translation>GNOME viser ikoner i systemkurven bare med utvidelsen AppIndicator. Installer pakken gnome-shell-extension-appindicator, logg ut og inn, og slå den på i Utvidelser.</translation>
    </message>
    <message>
        <source>GNOME shows tray icons only with the AppIndicator extension. It is installed but off: turn it on in Extensions.</source>
        <translation>GNOME viser ikoner i systemkurven bare med utvidelsen AppIndicator. Den er installert, men slått av: slå den på i Utvidelser.</translation>
    </message>
    <message>
        <source>Until then, open %app from your applications menu to reach Settings.</source>
        <translation>Til da kan du åpne %app fra programmenyen for å komme til Innstillinger.</translation>
    </message>
    <message>
        <source>Open Extensions</source>
        <translation>Åpne Utvidelser</translation>
    </message>
    <message>
        <source>Show Count in Tray</source>
        <translation>Vis antall i systemkurven</translation>
    </message>
    <message>
        <source>%1 shares no text</source>
        <translation>%1 deler ingen tekst</translation>
    </message>
    <message>
        <source>Copy command</source>
        <translation>Kopier kommando</translation>
    </message>
    <message>
        <source>There&apos;s no account and no analytics. With the %app model or the on-device model, your text stays on this computer.</source>
        <translation>Ingen konto og ingen bruksstatistikk. Med %app-modellen eller enhetsmodellen blir teksten din på denne datamaskinen.</translation>
    </message>
    <message>
        <source>There&apos;s no account and no analytics. With the %app model, your text stays on this computer.</source>
        <translation>Ingen konto og ingen bruksstatistikk. Med %app-modellen blir teksten din på denne datamaskinen.</translation>
    </message>
    <message>
        <source>%app lives in your system tray from now on. Click its icon to pause it in an app or open Settings.</source>
        <translation>%app bor nå i systemkurven. Klikk på ikonet for å sette den på pause i en app eller åpne Innstillinger.</translation>
    </message>
    <message>
        <source>%app has no account, no analytics and no servers of its own. The %app model and the on-device model keep your text on this computer. Other engines get it only if you set one up.</source>
        <translation>%app har ingen konto, ingen bruksstatistikk og ingen egne servere. %app-modellen og enhetsmodellen holder teksten din på denne datamaskinen. Andre motorer får den bare hvis du setter opp en.</translation>
    </message>
    <message>
        <source>%app has no account, no analytics and no servers of its own. The %app model keeps your text on this computer. Other engines get it only if you set one up.</source>
        <translation>%app har ingen konto, ingen bruksstatistikk og ingen egne servere. %app-modellen holder teksten din på denne datamaskinen. Andre motorer får den bare hvis du setter opp en.</translation>
    </message>
    <message>
        <source>Installed applications</source>
        <translation>Installerte programmer</translation>
    </message>
    <message>
        <source>%app reads these only while making a suggestion and never saves them. With the %app model or the on-device model, nothing leaves your computer.</source>
        <translation>%app leser disse bare mens et forslag lages, og lagrer dem aldri. Med %app-modellen eller enhetsmodellen forlater ingenting datamaskinen din.</translation>
    </message>
    <message>
        <source>%app reads these only while making a suggestion and never saves them. With the %app model, nothing leaves your computer.</source>
        <translation>%app leser disse bare mens et forslag lages, og lagrer dem aldri. Med %app-modellen forlater ingenting datamaskinen din.</translation>
    </message>
    <message>
        <source>The %app model keeps your text on this computer.</source>
        <translation>%app-modellen holder teksten din på denne datamaskinen.</translation>
    </message>
    <message>
        <source>The key holds a line break or another control character. Paste it again without them.</source>
        <translation>Nøkkelen inneholder et linjeskift eller et annet kontrolltegn. Lim den inn igjen uten dem.</translation>
    </message>
    <message>
        <source>Waiting for the keyring to store the key.</source>
        <translation>Venter på at nøkkelringen lagrer nøkkelen.</translation>
    </message>
    <message>
        <source>The keyring cannot keep this key, so it is used only until %app quits.</source>
        <translation>Nøkkelringen kan ikke ta vare på denne nøkkelen, så den brukes bare til %app avslutter.</translation>
    </message>
    <message>
        <source>Show in the system tray</source>
        <translation>Vis i systemkurven</translation>
    </message>
    <message>
        <source>Pause or open Settings from the system tray. Hidden? Open %app from your applications menu to come back.</source>
        <translation>Sett på pause eller åpne Innstillinger fra systemkurven. Skjult? Åpne %app fra programmenyen for å komme tilbake.</translation>
    </message>
    <message>
        <source>This tray can&apos;t show text beside icons, so the count shows in the icon&apos;s tooltip.</source>
        <translation>Denne systemkurven kan ikke vise tekst ved ikoner, så antallet vises i ikonets verktøytips.</translation>
    </message>
    <message>
        <source>VS Code, VSCodium, Cursor, Zed, Kate, Sublime Text, JetBrains IDEs and similar apps.</source>
        <translation>VS Code, VSCodium, Cursor, Zed, Kate, Sublime Text, JetBrains-IDE-er og lignende apper.</translation>
    </message>
    <message>
        <source>Your settings could not be read, so they were set aside and %app started over with its defaults.</source>
        <translation>Innstillingene dine kunne ikke leses, så de ble lagt til side, og %app startet på nytt med standardverdiene.</translation>
    </message>
    <message>
        <source>Your settings are not saved: %app cannot write to its settings folder.</source>
        <translation>Innstillingene dine lagres ikke: %app kan ikke skrive til innstillingsmappen sin.</translation>
    </message>
    <message>
        <source>Your app and website rules could not be read, so they were set aside.</source>
        <translation>Reglene dine for apper og nettsteder kunne ikke leses, så de ble lagt til side.</translation>
    </message>
    <message>
        <source>Your statistics could not be read, so they were set aside and counting started over.</source>
        <translation>Statistikken din kunne ikke leses, så den ble lagt til side, og tellingen startet på nytt.</translation>
    </message>
    <message>
        <source>Not saved: %app cannot write to its data folder.</source>
        <translation>Ikke lagret: %app kan ikke skrive til datamappen sin.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln suggestions. %1 selected</source>
        <translation>
            <numerusform>%Ln forslag. %1 valgt</numerusform>
            <numerusform>%Ln forslag. %1 valgt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln min</source>
        <translation>
            <numerusform>%Ln min</numerusform>
            <numerusform>%Ln min</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln words</source>
        <translation>
            <numerusform>%Ln ord</numerusform>
            <numerusform>%Ln ord</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln passages from here</source>
        <translation>
            <numerusform>%Ln tekstutdrag fra denne appen</numerusform>
            <numerusform>%Ln tekstutdrag fra denne appen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>words</source>
        <comment>unit after a count</comment>
        <translation>
            <numerusform>ord</numerusform>
            <numerusform>ord</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln days</source>
        <translation>
            <numerusform>%Ln dag</numerusform>
            <numerusform>%Ln dager</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Words saved per day over the last %Ln days</source>
        <translation>
            <numerusform>Ord spart per dag det siste døgnet</numerusform>
            <numerusform>Ord spart per dag de siste %Ln dagene</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln day streak</source>
        <translation>
            <numerusform>Rekke på %Ln dag</numerusform>
            <numerusform>Rekke på %Ln dager</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln passages remembered</source>
        <translation>
            <numerusform>%Ln tekstutdrag husket</numerusform>
            <numerusform>%Ln tekstutdrag husket</numerusform>
        </translation>
    </message>
    <message>
        <source>enter</source>
        <translation>enter</translation>
    </message>
    <message>
        <source>Allow screen capture so %app can read those too. Most apps work without it.</source>
        <translation>Tillat skjermbilder så %app kan lese dem også. De fleste apper virker uten.</translation>
    </message>
    <message>
        <source>Type a colon and a word, like :rocket, then press Tab or Enter to pick.</source>
        <translation>Skriv et kolon og et ord, som :rocket, og trykk Tab eller Enter for å velge.</translation>
    </message>
    <message>
        <source>You can switch memory off for single apps under Apps &amp; Sites. The key that unlocks it lives in your keyring.</source>
        <translation>Du kan slå av minnet for enkeltapper under «Apper &amp; nettsteder». Nøkkelen som låser det opp, ligger i nøkkelringen din.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln emoji. %1 selected</source>
        <translation>
            <numerusform>%Ln emoji. %1 valgt</numerusform>
            <numerusform>%Ln emojier. %1 valgt</numerusform>
        </translation>
    </message>
    <message>
        <source>Suggestion: %1</source>
        <translation>Forslag: %1</translation>
    </message>
    <message numerus="yes">
        <source>%Ln models available</source>
        <translation>
            <numerusform>%Ln modell tilgjengelig</numerusform>
            <numerusform>%Ln modeller tilgjengelige</numerusform>
        </translation>
    </message>
    <message>
        <source>The model couldn&apos;t be saved: %1</source>
        <translation>Modellen kunne ikke lagres: %1</translation>
    </message>
    <message>
        <source>Ollama isn&apos;t running.</source>
        <translation>Ollama kjører ikke.</translation>
    </message>
    <message>
        <source>Ollama isn&apos;t running at %1.</source>
        <translation>Ollama kjører ikke på %1.</translation>
    </message>
    <message>
        <source>No server answered.</source>
        <translation>Ingen server svarte.</translation>
    </message>
    <message>
        <source>No server answered at %1.</source>
        <translation>Ingen server svarte på %1.</translation>
    </message>
    <message>
        <source>Range: %1</source>
        <translation>Periode: %1</translation>
    </message>
    <message numerus="yes">
        <source>%1, %Ln to do</source>
        <translation>
            <numerusform>%1, %Ln gjenstår</numerusform>
            <numerusform>%1, %Ln gjenstår</numerusform>
        </translation>
    </message>
    <message>
        <source>Type the whole name of the website, such as wikipedia.org.</source>
        <translation>Skriv hele navnet på nettstedet, for eksempel wikipedia.org.</translation>
    </message>
    <message>
        <source>The key holds a space, an invisible character or a letter outside plain ASCII. Paste it again exactly as your server gave it.</source>
        <translation>Nøkkelen inneholder et mellomrom, et usynlig tegn eller en bokstav utenfor vanlig ASCII. Lim den inn igjen nøyaktig slik serveren ga den.</translation>
    </message>
    <message>
        <source>The keyring could not be read, so your server is asked without an API key. Type the key again if your server needs one.</source>
        <translation>Nøkkelringen kunne ikke leses, så serveren din spørres uten API-nøkkel. Skriv inn nøkkelen igjen hvis serveren trenger en.</translation>
    </message>
    <message>
        <source>Your writing memory could not be opened, so it was set aside and %app started a new one.</source>
        <translation>Skriveminnet ditt kunne ikke åpnes, så det ble lagt til side, og %app startet et nytt.</translation>
    </message>
    <message>
        <source>%1, converted for llama.cpp by %2</source>
        <translation>%1, konvertert for llama.cpp av %2</translation>
    </message>
    <message>
        <source>The data folder %1 could not be made. Check that the folder above it exists and that you may write there.</source>
        <translation>Datamappen %1 kunne ikke opprettes. Sjekk at den overordnede mappen finnes, og at du kan skrive der.</translation>
    </message>
    <message>
        <source>party</source>
        <comment>emoji search sample</comment>
        <translation>fest</translation>
    </message>
    <message numerus="yes">
        <source>%Ln settings held values %app cannot use, so they were corrected and saved.</source>
        <translation>
            <numerusform>%Ln innstilling hadde en verdi %app ikke kan bruke, så den ble rettet og lagret.</numerusform>
            <numerusform>%Ln innstillinger hadde verdier %app ikke kan bruke, så de ble rettet og lagret.</numerusform>
        </translation>
    </message>
    <message>
        <source>Your writing memory is not saved: the keyring is missing or locked, so its key cannot be kept.</source>
        <translation>Skriveminnet ditt lagres ikke: nøkkelringen mangler eller er låst, så nøkkelen kan ikke tas vare på.</translation>
    </message>
    <message>
        <source>That address isn&apos;t valid</source>
        <translation>Den adressen er ikke gyldig</translation>
    </message>
    <message>
        <source>The request timed out.</source>
        <translation>Forespørselen fikk tidsavbrudd.</translation>
    </message>
    <message>
        <source>The server&apos;s reply was too long, so it was stopped.</source>
        <translation>Svaret fra serveren var for langt, så det ble stoppet.</translation>
    </message>
    <message>
        <source>The server answered %1.</source>
        <translation>Serveren svarte %1.</translation>
    </message>
    <message>
        <source>The server answered %1: %2</source>
        <translation>Serveren svarte %1: %2</translation>
    </message>
    <message>
        <source>The download server answered %1. Try again later.</source>
        <translation>Nedlastingsserveren svarte %1. Prøv igjen senere.</translation>
    </message>
    <message>
        <source>The download couldn&apos;t be saved: %1</source>
        <translation>Nedlastingen kunne ikke lagres: %1</translation>
    </message>
    <message>
        <source>The download paused because the connection dropped. Try again to pick up where it stopped.</source>
        <translation>Nedlastingen ble satt på pause fordi forbindelsen falt ut. Prøv igjen for å fortsette der den stoppet.</translation>
    </message>
    <message>
        <source>The download stopped. Check your connection, then try again.</source>
        <translation>Nedlastingen stoppet. Sjekk forbindelsen, og prøv igjen.</translation>
    </message>
    <message>
        <source>Pick an Ollama model in Settings</source>
        <translation>Velg en Ollama-modell i Innstillinger</translation>
    </message>
    <message>
        <source>Pick a model for your local server</source>
        <translation>Velg en modell for den lokale serveren din</translation>
    </message>
    <message>
        <source>The server&apos;s answer is not HTTP.</source>
        <translation>Svaret fra serveren er ikke HTTP.</translation>
    </message>
    <message>
        <source>The data couldn&apos;t be read because it is missing.</source>
        <translation>Dataene kunne ikke leses fordi de mangler.</translation>
    </message>
    <message>
        <source>The data couldn&apos;t be read because it isn&apos;t in the correct format.</source>
        <translation>Dataene kunne ikke leses fordi de ikke har riktig format.</translation>
    </message>
    <message>
        <source>:%1:</source>
        <comment>emoji name</comment>
        <translation>:%1:</translation>
    </message>
    <message>
        <source>This computer has no on-device language model.</source>
        <translation>Denne datamaskinen har ingen språkmodell på enheten.</translation>
    </message>
    <message>
        <source>Ctrl</source>
        <comment>key</comment>
        <translation>Ctrl</translation>
    </message>
    <message>
        <source>Alt</source>
        <comment>key</comment>
        <translation>Alt</translation>
    </message>
    <message>
        <source>Shift</source>
        <comment>key</comment>
        <translation>Skift</translation>
    </message>
    <message>
        <source>Super</source>
        <comment>key</comment>
        <translation>Super</translation>
    </message>
    <message>
        <source>Paused on %1</source>
        <translation>Satt på pause på %1</translation>
    </message>
    <message>
        <source>Paused in %1</source>
        <translation>Satt på pause i %1</translation>
    </message>
    <message>
        <source>Off on %1</source>
        <translation>Av på %1</translation>
    </message>
    <message>
        <source>Off in %1</source>
        <translation>Av i %1</translation>
    </message>
    <message>
        <source>Off in %1 by default</source>
        <translation>Av i %1 som standard</translation>
    </message>
    <message>
        <source>Off in code editors</source>
        <translation>Av i koderedigeringsprogrammer</translation>
    </message>
    <message>
        <source>Off unless turned on per app</source>
        <translation>Av med mindre det slås på per app</translation>
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
        <translation>Delete</translation>
    </message>
    <message>
        <source>Space</source>
        <comment>key</comment>
        <translation>Mellomrom</translation>
    </message>
    <message>
        <source>Home</source>
        <comment>key</comment>
        <translation>Home</translation>
    </message>
    <message>
        <source>End</source>
        <comment>key</comment>
        <translation>End</translation>
    </message>
    <message>
        <source>Page Up</source>
        <comment>key</comment>
        <translation>Page Up</translation>
    </message>
    <message>
        <source>Page Down</source>
        <comment>key</comment>
        <translation>Page Down</translation>
    </message>
    <message>
        <source>Key %1</source>
        <comment>key</comment>
        <translation>Tast %1</translation>
    </message>
    <message>
        <source>An email reply reads differently from a commit message.</source>
        <translation>Et svar på en e-post høres annerledes ut enn en commit-melding.</translation>
    </message>
    <message>
        <source>Writes straight into the field. Cleanest in GTK and Qt apps.</source>
        <translation>Skriver rett i feltet. Renest i GTK- og Qt-apper.</translation>
    </message>
    <message>
        <source>Typing</source>
        <comment>insertion method</comment>
        <translation>Skriving</translation>
    </message>
    <message>
        <source>%1 h</source>
        <comment>hours with one decimal, such as 1.5</comment>
        <translation>%1 t</translation>
    </message>
    <message numerus="yes">
        <source>%Ln h</source>
        <translation>
            <numerusform>%Ln t</numerusform>
            <numerusform>%Ln t</numerusform>
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
            <numerusform>%Ln ord spart i dag</numerusform>
            <numerusform>%Ln ord spart i dag</numerusform>
        </translation>
    </message>
    <message>
        <source>Under a minute of typing saved today.</source>
        <translation>Under ett minutt med skriving spart i dag.</translation>
    </message>
    <message>
        <source>About %1 of typing saved today.</source>
        <translation>Omtrent %1 med skriving spart i dag.</translation>
    </message>
    <message numerus="yes">
        <source>Step %1 of %Ln</source>
        <translation>
            <numerusform>Trinn %1 av %Ln</numerusform>
            <numerusform>Trinn %1 av %Ln</numerusform>
        </translation>
    </message>
    <message>
        <source>%app reads and types into text fields through the desktop&apos;s accessibility support, which some desktops leave off. %app uses it only for the field you&apos;re writing in.</source>
        <translation>%app leser og skriver i tekstfelt via skrivebordets tilgjengelighetsstøtte, som noen skrivebord lar være av. %app bruker den bare for feltet du skriver i.</translation>
    </message>
    <message>
        <source>The button switches the desktop&apos;s accessibility support on. If the desktop&apos;s settings open instead, turn accessibility on there, then come back. This page updates by itself.</source>
        <translation>Knappen slår på skrivebordets tilgjengelighetsstøtte. Hvis skrivebordets innstillinger åpnes i stedet, slår du på tilgjengelighet der og kommer tilbake. Siden oppdaterer seg selv.</translation>
    </message>
    <message>
        <source>Still off? Some desktops start their accessibility service only when you log in. Log out and back in, then try again.</source>
        <translation>Fortsatt av? Noen skrivebord starter tilgjengelighetstjenesten bare når du logger inn. Logg ut og inn igjen, og prøv på nytt.</translation>
    </message>
    <message>
        <source>Pause</source>
        <comment>section header</comment>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Pause</source>
        <comment>button</comment>
        <translation>Pause</translation>
    </message>
    <message>
        <source>typing</source>
        <comment>insertion method, in a sentence</comment>
        <translation>skriving</translation>
    </message>
    <message>
        <source>accessibility</source>
        <comment>insertion method, in a sentence</comment>
        <translation>tilgjengelighet</translation>
    </message>
    <message>
        <source>paste</source>
        <comment>insertion method, in a sentence</comment>
        <translation>innliming</translation>
    </message>
    <message>
        <source>short</source>
        <comment>suggestion length, in a sentence</comment>
        <translation>korte</translation>
    </message>
    <message>
        <source>medium</source>
        <comment>suggestion length, in a sentence</comment>
        <translation>middels lange</translation>
    </message>
    <message>
        <source>long</source>
        <comment>suggestion length, in a sentence</comment>
        <translation>lange</translation>
    </message>
    <message>
        <source>Default follows General: %1, %2 suggestions.</source>
        <translation>Standard følger «Generelt»: %1, %2 forslag.</translation>
    </message>
    <message>
        <source>Yes, at %1, %2 on screen, %3 pt tall, %4 and %5</source>
        <translation>Ja, ved %1, %2 på skjermen, %3 pt høy, %4 og %5</translation>
    </message>
    <message numerus="yes">
        <source>%Ln characters before it</source>
        <translation>
            <numerusform>%Ln tegn før</numerusform>
            <numerusform>%Ln tegn før</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln after</source>
        <comment>characters after the caret</comment>
        <translation>
            <numerusform>%Ln etter</numerusform>
            <numerusform>%Ln etter</numerusform>
        </translation>
    </message>
    <message>
        <source>No system tray runs on this desktop, so the icon cannot show. %1</source>
        <translation>Ingen systemkurv kjører på dette skrivebordet, så ikonet kan ikke vises. %1</translation>
    </message>
    <message>
        <source>Typing</source>
        <comment>section header</comment>
        <translation>Skriving</translation>
    </message>
    <message>
        <source>Switch to the computer&apos;s language?</source>
        <translation>Bytte til datamaskinens språk?</translation>
    </message>
    <message numerus="yes">
        <source>%Ln words this week.</source>
        <translation>
            <numerusform>%Ln ord denne uken.</numerusform>
            <numerusform>%Ln ord denne uken.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Under a minute of typing saved today. %Ln words this week.</source>
        <translation>
            <numerusform>Under ett minutt med skriving spart i dag. %Ln ord denne uken.</numerusform>
            <numerusform>Under ett minutt med skriving spart i dag. %Ln ord denne uken.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>About %1 of typing saved today. %Ln words this week.</source>
        <translation>
            <numerusform>Omtrent %1 med skriving spart i dag. %Ln ord denne uken.</numerusform>
            <numerusform>Omtrent %1 med skriving spart i dag. %Ln ord denne uken.</numerusform>
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
            <numerusform>%Ln av %1 fullført</numerusform>
            <numerusform>%Ln av %1 fullført</numerusform>
        </translation>
    </message>
    <message>
        <source>The server refused the connection. Check that it is running and that the address is right.</source>
        <translation>Serveren avviste tilkoblingen. Sjekk at den kjører, og at adressen er riktig.</translation>
    </message>
    <message>
        <source>The server&apos;s name couldn&apos;t be found. Check the address.</source>
        <translation>Finner ikke navnet på serveren. Sjekk adressen.</translation>
    </message>
    <message>
        <source>A secure connection to the server couldn&apos;t be made.</source>
        <translation>Kunne ikke opprette en sikker tilkobling til serveren.</translation>
    </message>
    <message>
        <source>The server closed the connection before it answered.</source>
        <translation>Serveren lukket tilkoblingen før den svarte.</translation>
    </message>
    <message>
        <source>The network proxy couldn&apos;t be reached.</source>
        <translation>Får ikke kontakt med nettverkets proxy.</translation>
    </message>
    <message>
        <source>The server couldn&apos;t be reached.</source>
        <translation>Får ikke kontakt med serveren.</translation>
    </message>
    <message>
        <source>Waiting for the network…</source>
        <translation>Venter på nettverket…</translation>
    </message>
    <message>
        <source>%1 is taken by another program.</source>
        <translation>%1 brukes allerede av et annet program.</translation>
    </message>
    <message>
        <source>%1 could not open again. Your choice takes effect the next time you start it.</source>
        <translation>%1 kunne ikke åpnes på nytt. Valget ditt gjelder neste gang du starter det.</translation>
    </message>
    <message>
        <source>Downloading the model</source>
        <translation>Laster ned modellen</translation>
    </message>
    <message numerus="yes">
        <source>These apps answer the Tab key before %app can, so %app stays paused in your other apps until they quit.</source>
        <translation>
            <numerusform>Disse appene svarer på Tab-tasten før %app kan, så %app står på pause i de andre appene dine til de avslutter.</numerusform>
            <numerusform>Disse appene svarer på Tab-tasten før %app kan, så %app står på pause i de andre appene dine til de avslutter.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>It may be waiting on a dialog of its own. Force Quit closes it right away.</source>
        <translation>
            <numerusform>Den venter kanskje på en egen dialog. «Tvangsavslutt» lukker den med en gang.</numerusform>
            <numerusform>De venter kanskje på egne dialoger. «Tvangsavslutt» lukker dem med en gang.</numerusform>
        </translation>
    </message>
    <message>
        <source>Set a Suggest Now shortcut in Keys to ask for suggestions</source>
        <translation>Angi en snarvei for «Foreslå nå» under «Taster» for å be om forslag</translation>
    </message>
    <message>
        <source>Backspace</source>
        <comment>key above Enter that deletes backwards</comment>
        <translation>Backspace</translation>
    </message>
    <message>
        <source>0 words saved today</source>
        <translation>0 ord spart i dag</translation>
    </message>
    <message>
        <source>words saved today</source>
        <comment>beside the count 0</comment>
        <translation>ord spart i dag</translation>
    </message>
    <message>
        <source>Quit the other app</source>
        <translation>Avslutt den andre appen</translation>
    </message>
    <message>
        <source>None yet</source>
        <comment>no app looked at yet</comment>
        <translation>Ingen ennå</translation>
    </message>
    <message>
        <source>None yet</source>
        <comment>no suggestion shown yet</comment>
        <translation>Ingen ennå</translation>
    </message>
    <message>
        <source>The other app is also running</source>
        <translation>Den andre appen kjører også</translation>
    </message>
    <message>
        <source>Both apps answer the Tab key, and the system gives it to the other app first. %app stays paused in your other apps until the other app quits.</source>
        <translation>Begge appene svarer på Tab-tasten, og systemet gir den til den andre appen først. %app står på pause i de andre appene dine til den andre appen avslutter.</translation>
    </message>
    <message>
        <source>The other app is still open</source>
        <translation>Den andre appen er fortsatt åpen</translation>
    </message>
    <message>
        <source>The other app quit, so your suggestions are back in every app.</source>
        <translation>Den andre appen avsluttet, så forslagene dine er tilbake i alle apper.</translation>
    </message>
    <message>
        <source>The other app quit. %app has the Tab key.</source>
        <translation>Den andre appen avsluttet. %app har Tab-tasten.</translation>
    </message>
</context>
</TS>
