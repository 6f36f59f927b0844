<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="da" sourcelanguage="en">
<context>
    <name>Tessaquill</name>
    <message>
        <source>Accessibility is on. %app is ready in your other apps.</source>
        <translation>Tilgængelighed er slået til. %app er klar i dine andre apps.</translation>
    </message>
    <message>
        <source>Paused while %1 is open</source>
        <translation>På pause, mens %1 er åben</translation>
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
        <translation>En anden autofuldførelses-app kører</translation>
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
        <translation>Tænker</translation>
    </message>
    <message>
        <source>Showing a suggestion</source>
        <translation>Viser et forslag</translation>
    </message>
    <message>
        <source>The model took too long to answer</source>
        <translation>Modellen var for længe om at svare</translation>
    </message>
    <message>
        <source>This app doesn&apos;t report where the caret is</source>
        <translation>Denne app oplyser ikke, hvor markøren er</translation>
    </message>
    <message>
        <source>%app is turned off</source>
        <translation>%app er slået fra</translation>
    </message>
    <message>
        <source>Secure input is on, so %app stays out</source>
        <translation>Sikker indtastning er slået til, så %app holder sig væk</translation>
    </message>
    <message>
        <source>Press %1 for a suggestion</source>
        <translation>Tryk på %1 for at få et forslag</translation>
    </message>
    <message>
        <source>Text is selected</source>
        <translation>Der er markeret tekst</translation>
    </message>
    <message>
        <source>The caret is inside existing text</source>
        <translation>Markøren står inde i eksisterende tekst</translation>
    </message>
    <message>
        <source>This field is too small</source>
        <translation>Feltet er for lille</translation>
    </message>
    <message>
        <source>Waiting for a few characters</source>
        <translation>Venter på et par tegn</translation>
    </message>
    <message>
        <source>Start of a new line</source>
        <translation>Starten af en ny linje</translation>
    </message>
    <message>
        <source>The model is still downloading</source>
        <translation>Modellen hentes stadig</translation>
    </message>
    <message>
        <source>Download the %app model in Settings first</source>
        <translation>Hent først %app-modellen under Indstillinger</translation>
    </message>
    <message>
        <source>Not checked yet</source>
        <translation>Ikke tjekket endnu</translation>
    </message>
    <message>
        <source>Checking…</source>
        <translation>Tjekker…</translation>
    </message>
    <message>
        <source>The model stopped with error %1</source>
        <translation>Modellen stoppede med fejl %1</translation>
    </message>
    <message>
        <source>The model file couldn&apos;t be loaded</source>
        <translation>Modelfilen kunne ikke indlæses</translation>
    </message>
    <message>
        <source>There wasn&apos;t enough memory to start the model</source>
        <translation>Der var ikke nok hukommelse til at starte modellen</translation>
    </message>
    <message>
        <source>The text couldn&apos;t be prepared for the model</source>
        <translation>Teksten kunne ikke forberedes til modellen</translation>
    </message>
    <message>
        <source>This computer needs %1 free for the download. Free up some space, then try again.</source>
        <translation>Computeren skal have %1 ledigt til download. Frigør noget plads, og prøv igen.</translation>
    </message>
    <message>
        <source>The download didn&apos;t match the expected file, so it was deleted. Try again.</source>
        <translation>Downloadet passede ikke med den forventede fil og blev slettet. Prøv igen.</translation>
    </message>
    <message>
        <source>Downloaded</source>
        <translation>Hentet</translation>
    </message>
    <message>
        <source>Downloading. Suggestions start once it&apos;s done.</source>
        <translation>Henter. Forslag starter, når den er færdig.</translation>
    </message>
    <message>
        <source>Checking the download.</source>
        <translation>Tjekker downloadet.</translation>
    </message>
    <message>
        <source>Checking the download. Suggestions start once it&apos;s done.</source>
        <translation>Tjekker downloadet. Forslag starter, når det er færdigt.</translation>
    </message>
    <message>
        <source>Download the model to start</source>
        <translation>Hent modellen for at starte</translation>
    </message>
    <message>
        <source>Ollama is running but has no models</source>
        <translation>Ollama kører, men har ingen modeller</translation>
    </message>
    <message>
        <source>Another app</source>
        <translation>En anden app</translation>
    </message>
    <message>
        <source>There is no D-Bus session bus, so %1 cannot reach text fields.</source>
        <translation>Der er ingen D-Bus-sessionsbus, så %1 kan ikke nå tekstfelter.</translation>
    </message>
    <message>
        <source>The desktop&apos;s accessibility bus is not running, so %1 cannot reach text fields.</source>
        <translation>Skrivebordets tilgængelighedsbus kører ikke, så %1 kan ikke nå tekstfelter.</translation>
    </message>
    <message>
        <source>Short</source>
        <translation>Kort</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Mellem</translation>
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
        <translation>Skjul forslag, til jeg skifter felt</translation>
    </message>
    <message>
        <source>Do nothing, send Escape to the app</source>
        <translation>Gør intet, send Esc til appen</translation>
    </message>
    <message>
        <source>Type it</source>
        <translation>Indtastning</translation>
    </message>
    <message>
        <source>Insert through Accessibility</source>
        <translation>Indsæt via tilgængelighed</translation>
    </message>
    <message>
        <source>Paste it</source>
        <translation>Indsæt via udklipsholder</translation>
    </message>
    <message>
        <source>Grey</source>
        <translation>Grå</translation>
    </message>
    <message>
        <source>Gold tint</source>
        <translation>Guldtone</translation>
    </message>
    <message>
        <source>%app model</source>
        <translation>%app-model</translation>
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
        <translation>Kører på denne computer efter én download. Virker offline.</translation>
    </message>
    <message>
        <source>Any model you run in Ollama, base models included.</source>
        <translation>Enhver model, du kører i Ollama, også basismodeller.</translation>
    </message>
    <message>
        <source>LM Studio, llama-server or any OpenAI-compatible endpoint.</source>
        <translation>LM Studio, llama-server eller ethvert OpenAI-kompatibelt endpoint.</translation>
    </message>
    <message>
        <source>Sends the text as keystrokes. Works almost everywhere.</source>
        <translation>Sender teksten som tastetryk. Virker næsten overalt.</translation>
    </message>
    <message>
        <source>Uses the clipboard, then puts your clipboard back.</source>
        <translation>Bruger udklipsholderen og lægger derefter dit indhold tilbage.</translation>
    </message>
    <message>
        <source>Accessibility</source>
        <translation>Tilgængelighed</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Udklipsholder</translation>
    </message>
    <message>
        <source>Your writing memory could not be opened and was set aside. Nothing new is remembered until %app starts again.</source>
        <translation>Din skrivehukommelse kunne ikke åbnes og er lagt til side. Intet nyt huskes, før %app starter igen.</translation>
    </message>
    <message>
        <source>Your writing memory could not be opened because its key could not be read from the keyring. Nothing new is remembered until %app starts again.</source>
        <translation>Din skrivehukommelse kunne ikke åbnes, fordi dens nøgle ikke kunne læses fra nøgleringen. Intet nyt huskes, før %app starter igen.</translation>
    </message>
    <message>
        <source>Not Now</source>
        <translation>Ikke nu</translation>
    </message>
    <message>
        <source>Open the desktop&apos;s settings</source>
        <translation>Åbn skrivebordets indstillinger</translation>
    </message>
    <message>
        <source>Don&apos;t remind me again</source>
        <translation>Mind mig ikke om det igen</translation>
    </message>
    <message>
        <source>Open Playground</source>
        <translation>Åbn øveområde</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Indstillinger</translation>
    </message>
    <message>
        <source>Quit %app</source>
        <translation>Afslut %app</translation>
    </message>
    <message>
        <source>Needs Accessibility access</source>
        <translation>Kræver adgang til Tilgængelighed</translation>
    </message>
    <message>
        <source>Paused until you resume</source>
        <translation>På pause, til du genoptager</translation>
    </message>
    <message>
        <source>Paused until %1</source>
        <translation>På pause til %1</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Fra</translation>
    </message>
    <message numerus="yes">
        <source>Paused while %1 are open</source>
        <translation>
            <numerusform>På pause, mens %1 er åben</numerusform>
            <numerusform>På pause, mens %1 er åbne</numerusform>
        </translation>
    </message>
    <message>
        <source>Grant Accessibility Access…</source>
        <translation>Giv adgang til Tilgængelighed…</translation>
    </message>
    <message numerus="yes">
        <source>Force Quit %1</source>
        <translation>
            <numerusform>Tvangsafslut %1</numerusform>
            <numerusform>Tvangsafslut %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Quit %1</source>
        <translation>
            <numerusform>Afslut %1</numerusform>
            <numerusform>Afslut %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>words saved today</source>
        <translation>
            <numerusform>ord sparet i dag</numerusform>
            <numerusform>ord sparet i dag</numerusform>
        </translation>
    </message>
    <message>
        <source>Start typing anywhere. %app keeps count here.</source>
        <translation>Begynd at skrive hvor som helst. %app tæller op her.</translation>
    </message>
    <message>
        <source>Resume in %1</source>
        <translation>Genoptag i %1</translation>
    </message>
    <message>
        <source>Pause in %1</source>
        <translation>Sæt på pause i %1</translation>
    </message>
    <message>
        <source>Resume Everywhere</source>
        <translation>Genoptag overalt</translation>
    </message>
    <message>
        <source>Pause Everywhere</source>
        <translation>Sæt på pause overalt</translation>
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
        <translation>Til jeg genoptager</translation>
    </message>
    <message>
        <source>Example: after typing %1, %2 suggests %3</source>
        <translation>Eksempel: efter du har skrevet %1, foreslår %2 %3</translation>
    </message>
    <message>
        <source>takes the next word</source>
        <translation>tager næste ord</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Hent</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuller</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 af %2</translation>
    </message>
    <message>
        <source>%1 of %2. You can keep writing while it downloads.</source>
        <translation>%1 af %2. Du kan skrive videre, mens den hentes.</translation>
    </message>
    <message>
        <source>Checking the download</source>
        <translation>Tjekker downloadet</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Prøv igen</translation>
    </message>
    <message>
        <source>Remove…</source>
        <translation>Fjern…</translation>
    </message>
    <message>
        <source>%1 license</source>
        <translation>%1-licens</translation>
    </message>
    <message>
        <source>Remove the %app model?</source>
        <translation>Vil du fjerne %app-modellen?</translation>
    </message>
    <message>
        <source>Model download</source>
        <translation>Download af model</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Fjern</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Fortsæt</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Senere</translation>
    </message>
    <message>
        <source>Start Writing</source>
        <translation>Begynd at skrive</translation>
    </message>
    <message>
        <source>Finish your sentences in any app.</source>
        <translation>Gør dine sætninger færdige i enhver app.</translation>
    </message>
    <message>
        <source>%app reads the words before your caret and suggests what comes next in grey. Press Tab to take one word, or the key above Tab to take the rest. If you don&apos;t want it, keep typing.</source>
        <translation>%app læser ordene før markøren og foreslår med gråt, hvad der kommer. Tryk på Tab for at tage ét ord eller på tasten over Tab for at tage resten. Vil du ikke have det, så skriv bare videre.</translation>
    </message>
    <message>
        <source>Sees what you see</source>
        <translation>Ser det, du ser</translation>
    </message>
    <message>
        <source>Private</source>
        <translation>Privat</translation>
    </message>
    <message>
        <source>It reads the window you&apos;re typing in, like the chat you&apos;re answering, so suggestions fit. None of it goes online, to us or any server. It stays private on your computer.</source>
        <translation>Den læser vinduet, du skriver i, fx den chat, du svarer på, så forslagene passer. Intet af det kommer online, hverken til os eller til en server. Det forbliver privat på din computer.</translation>
    </message>
    <message>
        <source>Accessibility is on</source>
        <translation>Tilgængelighed er slået til</translation>
    </message>
    <message>
        <source>%app can now read the field you&apos;re writing in and type suggestions for you.</source>
        <translation>%app kan nu læse feltet, du skriver i, og indsætte forslag for dig.</translation>
    </message>
    <message>
        <source>Let %app see what you type.</source>
        <translation>Lad %app se, hvad du skriver.</translation>
    </message>
    <message>
        <source>%app reads your text when you pause and forgets it after one suggestion, unless you turn on writing memory.</source>
        <translation>%app læser din tekst, når du holder pause, og glemmer den efter ét forslag, medmindre du slår skrivehukommelse til.</translation>
    </message>
    <message>
        <source>%app skips password fields and anything else the system marks as secure.</source>
        <translation>%app springer adgangskodefelter over og alt andet, systemet markerer som sikkert.</translation>
    </message>
    <message>
        <source>Open Accessibility Settings</source>
        <translation>Åbn indstillinger for tilgængelighed</translation>
    </message>
    <message>
        <source>Pick what writes your suggestions.</source>
        <translation>Vælg, hvad der skriver dine forslag.</translation>
    </message>
    <message>
        <source>You can change this any time in Settings.</source>
        <translation>Du kan altid ændre det under Indstillinger.</translation>
    </message>
    <message>
        <source>Give it a try.</source>
        <translation>Prøv det.</translation>
    </message>
    <message>
        <source>Start typing a sentence. When grey words appear, press Tab for one word or the key above Tab for all of them.</source>
        <translation>Begynd at skrive en sætning. Når der kommer grå ord, så tryk på Tab for ét ord eller på tasten over Tab for dem alle.</translation>
    </message>
    <message>
        <source>Hi Orlenn, thanks for the quick reply. I think we should</source>
        <translation>Hej Orlenn, tak for det hurtige svar. Jeg synes, vi skal</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Tilbage</translation>
    </message>
    <message>
        <source>Practice field</source>
        <translation>Øvefelt</translation>
    </message>
    <message>
        <source>Default, on</source>
        <translation>Standard, til</translation>
    </message>
    <message>
        <source>Default, off</source>
        <translation>Standard, fra</translation>
    </message>
    <message>
        <source>Add a website</source>
        <translation>Tilføj et websted</translation>
    </message>
    <message>
        <source>Domain</source>
        <translation>Domæne</translation>
    </message>
    <message>
        <source>Rules for a site apply in any browser %app can read.</source>
        <translation>Regler for et websted gælder i alle browsere, %app kan læse.</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Tilføj</translation>
    </message>
    <message>
        <source>Add App…</source>
        <translation>Tilføj app…</translation>
    </message>
    <message>
        <source>Add an app</source>
        <translation>Tilføj en app</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Søg</translation>
    </message>
    <message>
        <source>Clear search</source>
        <translation>Ryd søgning</translation>
    </message>
    <message>
        <source>Add an app or website</source>
        <translation>Tilføj en app eller et websted</translation>
    </message>
    <message>
        <source>Add Website…</source>
        <translation>Tilføj websted…</translation>
    </message>
    <message>
        <source>Apps &amp; Sites</source>
        <translation>Apps &amp; websteder</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>På pause</translation>
    </message>
    <message>
        <source>Apps</source>
        <translation>Apps</translation>
    </message>
    <message>
        <source>Websites</source>
        <translation>Websteder</translation>
    </message>
    <message>
        <source>No matches</source>
        <translation>Ingen resultater</translation>
    </message>
    <message>
        <source>No apps yet</source>
        <translation>Ingen apps endnu</translation>
    </message>
    <message>
        <source>Nothing matches “%1”.</source>
        <translation>Intet matcher »%1«.</translation>
    </message>
    <message>
        <source>Apps appear here once you accept a suggestion in them, or add one with +.</source>
        <translation>Apps vises her, når du accepterer et forslag i dem, eller tilføj en med +.</translation>
    </message>
    <message>
        <source>Pick an app or site</source>
        <translation>Vælg en app eller et websted</translation>
    </message>
    <message>
        <source>Each one can have its own rules. Anything you don&apos;t change follows General.</source>
        <translation>Hver kan have sine egne regler. Alt, du ikke ændrer, følger »Generelt«.</translation>
    </message>
    <message>
        <source>Words saved here</source>
        <translation>Ord sparet her</translation>
    </message>
    <message>
        <source>Suggestions</source>
        <translation>Forslag</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Til</translation>
    </message>
    <message>
        <source>Tab accepts suggestions</source>
        <translation>Tab accepterer forslag</translation>
    </message>
    <message>
        <source>Turn off where Tab already means something, like indenting. The other accept key still works.</source>
        <translation>Slå fra, hvor Tab allerede betyder noget, fx indrykning. Den anden accepttast virker stadig.</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Insert by</source>
        <translation>Indsæt via</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Længde</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Genoptag</translation>
    </message>
    <message>
        <source>Pause here</source>
        <translation>Sæt på pause her</translation>
    </message>
    <message>
        <source>Memory</source>
        <translation>Hukommelse</translation>
    </message>
    <message>
        <source>Remember my writing here</source>
        <translation>Husk, hvordan jeg skriver her</translation>
    </message>
    <message>
        <source>Writing memory is off in Your Voice.</source>
        <translation>Skrivehukommelse er slået fra under »Din stil«.</translation>
    </message>
    <message>
        <source>Erase…</source>
        <translation>Slet…</translation>
    </message>
    <message>
        <source>Reset to Defaults</source>
        <translation>Nulstil til standard</translation>
    </message>
    <message>
        <source>Erase what %app remembered from %1?</source>
        <translation>Vil du slette det, %app har husket i %1?</translation>
    </message>
    <message>
        <source>Erase</source>
        <translation>Slet</translation>
    </message>
    <message>
        <source>Passages from this app can shape suggestions everywhere.</source>
        <translation>Tekststykker fra denne app kan præge forslag overalt.</translation>
    </message>
    <message>
        <source>Finish setting up</source>
        <translation>Gør opsætningen færdig</translation>
    </message>
    <message>
        <source>Setup progress</source>
        <translation>Opsætningsforløb</translation>
    </message>
    <message>
        <source>Done: %1</source>
        <translation>Færdig: %1</translation>
    </message>
    <message>
        <source>Best day yet!</source>
        <translation>Din bedste dag!</translation>
    </message>
    <message>
        <source>Try it here</source>
        <translation>Prøv det her</translation>
    </message>
    <message>
        <source>Thanks for sending the draft over. I had a look and</source>
        <translation>Tak, fordi du sendte udkastet. Jeg har kigget på det, og</translation>
    </message>
    <message>
        <source>next word</source>
        <translation>næste ord</translation>
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
        <translation>Feltet bruger den rigtige motor. Begynd at skrive, så dukker grå ord op undervejs.</translation>
    </message>
    <message>
        <source>This field runs the real engine, even before you allow Accessibility. Start typing and grey words show up as you go.</source>
        <translation>Feltet bruger den rigtige motor, også før du tillader Tilgængelighed. Begynd at skrive, så dukker grå ord op undervejs.</translation>
    </message>
    <message>
        <source>You&apos;re all set</source>
        <translation>Du er klar</translation>
    </message>
    <message>
        <source>Accessibility is on and %1 is ready. %app works in every app you type in.</source>
        <translation>Tilgængelighed er slået til, og %1 er klar. %app virker i alle apps, du skriver i.</translation>
    </message>
    <message>
        <source>Waiting for %1 to quit</source>
        <translation>Venter på, at %1 afslutter</translation>
    </message>
    <message>
        <source>Turned off</source>
        <translation>Slået fra</translation>
    </message>
    <message>
        <source>Paused everywhere</source>
        <translation>På pause overalt</translation>
    </message>
    <message>
        <source>%1, %2 typical wait</source>
        <translation>%1, typisk ventetid %2</translation>
    </message>
    <message>
        <source>Start your streak today.</source>
        <translation>Start din stime i dag.</translation>
    </message>
    <message>
        <source>Overview</source>
        <translation>Oversigt</translation>
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
        <translation>Statistik</translation>
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
        <translation>Hvordan %app klarer sig i dag</translation>
    </message>
    <message>
        <source>Where and how suggestions appear</source>
        <translation>Hvor og hvordan forslag vises</translation>
    </message>
    <message>
        <source>The model that writes your suggestions</source>
        <translation>Modellen, der skriver dine forslag</translation>
    </message>
    <message>
        <source>What %app may look at to guess better</source>
        <translation>Hvad %app må se på for at gætte bedre</translation>
    </message>
    <message>
        <source>Help suggestions sound like you</source>
        <translation>Få forslag til at lyde som dig</translation>
    </message>
    <message>
        <source>Accept, dismiss and summon suggestions</source>
        <translation>Accepter, afvis og hent forslag frem</translation>
    </message>
    <message>
        <source>Emoji search and emoticons</source>
        <translation>Emojisøgning og humørikoner</translation>
    </message>
    <message>
        <source>Rules for each app and website</source>
        <translation>Regler for hver app og hvert websted</translation>
    </message>
    <message>
        <source>Save power when you&apos;re unplugged</source>
        <translation>Spar strøm, når du kører på batteri</translation>
    </message>
    <message>
        <source>Words saved and how fast suggestions arrive</source>
        <translation>Sparede ord og hvor hurtigt forslag kommer</translation>
    </message>
    <message>
        <source>What %app sees in the focused field</source>
        <translation>Hvad %app ser i det aktive felt</translation>
    </message>
    <message>
        <source>Version and privacy</source>
        <translation>Version og privatliv</translation>
    </message>
    <message>
        <source>Writing</source>
        <translation>Skrivning</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Input</translation>
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
        <translation>%app kan læse feltet, du skriver i, og indsætte forslag i enhver app.</translation>
    </message>
    <message>
        <source>Allow Accessibility access</source>
        <translation>Tillad adgang til Tilgængelighed</translation>
    </message>
    <message>
        <source>%app needs it to read the text you type in other apps and to insert suggestions.</source>
        <translation>%app skal bruge det for at læse teksten, du skriver i andre apps, og indsætte forslag.</translation>
    </message>
    <message>
        <source>Allow…</source>
        <translation>Tillad…</translation>
    </message>
    <message>
        <source>%1 is ready</source>
        <translation>%1 er klar</translation>
    </message>
    <message>
        <source>Checking %1</source>
        <translation>Tjekker %1</translation>
    </message>
    <message>
        <source>This takes a moment.</source>
        <translation>Det tager et øjeblik.</translation>
    </message>
    <message>
        <source>Your engine isn&apos;t ready</source>
        <translation>Din motor er ikke klar</translation>
    </message>
    <message>
        <source>Open Engine</source>
        <translation>Åbn »Motor«</translation>
    </message>
    <message>
        <source>The system&apos;s predictions are off</source>
        <translation>Systemets forudsigelser er slået fra</translation>
    </message>
    <message>
        <source>Only %app&apos;s suggestions appear while you type.</source>
        <translation>Kun forslag fra %app vises, mens du skriver.</translation>
    </message>
    <message>
        <source>Turn off the system&apos;s predictions</source>
        <translation>Slå systemets forudsigelser fra</translation>
    </message>
    <message>
        <source>The system shows its own grey suggestions on top of %app&apos;s. Each app picks up the change the next time you open it.</source>
        <translation>Systemet viser sine egne grå forslag oven på dem fra %app. Hver app får ændringen med, næste gang du åbner den.</translation>
    </message>
    <message>
        <source>Keyboard Settings</source>
        <translation>Tastaturindstillinger</translation>
    </message>
    <message>
        <source>Turn Off</source>
        <translation>Slå fra</translation>
    </message>
    <message>
        <source>Only %app is suggesting</source>
        <translation>Kun %app kommer med forslag</translation>
    </message>
    <message>
        <source>Tab reaches %app again.</source>
        <translation>Tab-tasten virker igen for %app.</translation>
    </message>
    <message numerus="yes">
        <source>%1 didn&apos;t quit. They may be showing a dialog. Force Quit closes them right away.</source>
        <translation>
            <numerusform>%1 blev ikke afsluttet. Den viser måske en dialog. »Tvangsafslut« lukker den med det samme.</numerusform>
            <numerusform>%1 blev ikke afsluttet. De viser måske en dialog. »Tvangsafslut« lukker dem med det samme.</numerusform>
        </translation>
    </message>
    <message>
        <source>Force Quit</source>
        <translation>Tvangsafslut</translation>
    </message>
    <message numerus="yes">
        <source>%1 take the Tab key before %app can, so %app stays paused in your other apps until you quit them.</source>
        <translation>
            <numerusform>%1 tager Tab-tasten før %app, så %app er på pause i dine andre apps, indtil du afslutter den.</numerusform>
            <numerusform>%1 tager Tab-tasten før %app, så %app er på pause i dine andre apps, indtil du afslutter dem.</numerusform>
        </translation>
    </message>
    <message>
        <source>Only when I ask</source>
        <translation>Kun når jeg beder om det</translation>
    </message>
    <message>
        <source>On battery, suggestions appear only after you press the Suggest Now shortcut.</source>
        <translation>På batteri vises forslag kun, når du trykker på genvejen »Foreslå nu«.</translation>
    </message>
    <message>
        <source>Shorter suggestions</source>
        <translation>Kortere forslag</translation>
    </message>
    <message>
        <source>Fewer words take less power to write.</source>
        <translation>Færre ord kræver mindre strøm.</translation>
    </message>
    <message>
        <source>Lighter model</source>
        <translation>Lettere model</translation>
    </message>
    <message>
        <source>Same as plugged in</source>
        <translation>Som med strøm tilsluttet</translation>
    </message>
    <message>
        <source>Running on battery. These apply right now.</source>
        <translation>Kører på batteri. Disse indstillinger gælder nu.</translation>
    </message>
    <message>
        <source>Plugged in. These wait until you unplug.</source>
        <translation>Strøm tilsluttet. Disse indstillinger gælder, når du tager stikket ud.</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Model</translation>
    </message>
    <message>
        <source>Model name</source>
        <translation>Modelnavn</translation>
    </message>
    <message>
        <source>Reload the model list</source>
        <translation>Genindlæs modellisten</translation>
    </message>
    <message>
        <source>Choose a model</source>
        <translation>Vælg en model</translation>
    </message>
    <message>
        <source>For people who already run Ollama, LM Studio or llama-server.</source>
        <translation>Til dem, der allerede kører Ollama, LM Studio eller llama-server.</translation>
    </message>
    <message>
        <source>Use your own model</source>
        <translation>Brug din egen model</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>API key</source>
        <translation>API-nøgle</translation>
    </message>
    <message>
        <source>Only if your server asks for one</source>
        <translation>Kun hvis din server beder om en</translation>
    </message>
    <message>
        <source>Focused</source>
        <translation>Fokuseret</translation>
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
        <translation>Lavere holder sig til de oplagte næste ord. Højere prøver mere.</translation>
    </message>
    <message>
        <source>Wait before suggesting</source>
        <translation>Vent før forslag</translation>
    </message>
    <message>
        <source>How long you pause before %app starts.</source>
        <translation>Hvor længe du holder pause, før %app går i gang.</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Kør</translation>
    </message>
    <message>
        <source>Try the engine</source>
        <translation>Afprøv motoren</translation>
    </message>
    <message>
        <source>Sends a sample sentence and shows what comes back.</source>
        <translation>Sender en eksempelsætning og viser, hvad der kommer tilbage.</translation>
    </message>
    <message>
        <source>Running…</source>
        <translation>Kører…</translation>
    </message>
    <message>
        <source>The engine answered in %1 but had nothing useful to add.</source>
        <translation>Motoren svarede på %1, men havde intet nyttigt at tilføje.</translation>
    </message>
    <message>
        <source>That didn&apos;t work: %1</source>
        <translation>Det virkede ikke: %1</translation>
    </message>
    <message>
        <source>The request was cancelled.</source>
        <translation>Forespørgslen blev annulleret.</translation>
    </message>
    <message>
        <source>Startup</source>
        <translation>Opstart</translation>
    </message>
    <message>
        <source>Launch at login</source>
        <translation>Start ved login</translation>
    </message>
    <message>
        <source>Show today&apos;s word count next to the icon</source>
        <translation>Vis dagens antal ord ved ikonet</translation>
    </message>
    <message>
        <source>Where suggestions appear</source>
        <translation>Hvor forslag vises</translation>
    </message>
    <message>
        <source>Turn this off to use %app only in the apps you switch on under Apps &amp; Sites.</source>
        <translation>Slå fra for kun at bruge %app i de apps, du slår til under »Apps &amp; websteder«.</translation>
    </message>
    <message>
        <source>By default %app waits until the caret is at the end of a line.</source>
        <translation>Som standard venter %app, til markøren står for enden af en linje.</translation>
    </message>
    <message>
        <source>Without this, %app skips search bars and one-word boxes.</source>
        <translation>Uden dette springer %app søgefelter og enkeltordsfelter over.</translation>
    </message>
    <message>
        <source>Suggestions appear only after you press the Suggest Now shortcut.</source>
        <translation>Forslag vises kun, når du trykker på genvejen »Foreslå nu«.</translation>
    </message>
    <message>
        <source>Spelling</source>
        <translation>Stavning</translation>
    </message>
    <message>
        <source>Waits while the word you&apos;re typing looks misspelled, so %app doesn&apos;t build on a typo.</source>
        <translation>Venter, mens ordet, du skriver, ser forkert stavet ud, så %app ikke bygger videre på en tastefejl.</translation>
    </message>
    <message>
        <source>After a misspelled word, shows a fix next to the caret. Press Tab to swap it in.</source>
        <translation>Viser efter et forkert stavet ord en rettelse ved markøren. Tryk på Tab for at skifte den ind.</translation>
    </message>
    <message>
        <source>Look</source>
        <translation>Udseende</translation>
    </message>
    <message>
        <source>Suggestion color</source>
        <translation>Forslagsfarve</translation>
    </message>
    <message>
        <source>Text size</source>
        <translation>Tekststørrelse</translation>
    </message>
    <message>
        <source>Fine-tune if suggestions look larger or smaller than your text.</source>
        <translation>Finjuster, hvis forslag ser større eller mindre ud end din tekst.</translation>
    </message>
    <message>
        <source>Vertical position</source>
        <translation>Lodret placering</translation>
    </message>
    <message>
        <source>Nudge suggestions up or down to line up with your text.</source>
        <translation>Flyt forslag op eller ned, så de flugter med din tekst.</translation>
    </message>
    <message>
        <source>A small keycap after your first suggestions, as a reminder of what to press.</source>
        <translation>Et lille tastikon efter dine første forslag som påmindelse om, hvad du skal trykke på.</translation>
    </message>
    <message>
        <source>Insert suggestions by</source>
        <translation>Indsæt forslag via</translation>
    </message>
    <message>
        <source>Other autocomplete apps</source>
        <translation>Andre autofuldførelses-apps</translation>
    </message>
    <message>
        <source>They take the Tab key before %app can. With this off, %app asks you first.</source>
        <translation>De tager Tab-tasten før %app. Når dette er slået fra, spørger %app dig først.</translation>
    </message>
    <message>
        <source>%1 is another device on your network, so the text around your caret will be sent there.</source>
        <translation>%1 er en anden enhed på dit netværk, så teksten omkring markøren bliver sendt dertil.</translation>
    </message>
    <message>
        <source>%1 isn&apos;t this computer, so the text around your caret will be sent there.</source>
        <translation>%1 er ikke denne computer, så teksten omkring markøren bliver sendt dertil.</translation>
    </message>
    <message>
        <source>Both keep your text on this computer.</source>
        <translation>Begge holder din tekst på denne computer.</translation>
    </message>
    <message>
        <source>%app opens by itself when you start your computer.</source>
        <translation>%app åbner af sig selv, når du starter computeren.</translation>
    </message>
    <message>
        <source>System predictions</source>
        <translation>Systemforudsigelser</translation>
    </message>
    <message>
        <source>The system can show its own grey predictions. Keeping them off avoids two suggestions at once.</source>
        <translation>Systemet kan vise sine egne grå forudsigelser. Holder du dem slået fra, undgår du to forslag på én gang.</translation>
    </message>
    <message>
        <source>System predictions are on</source>
        <translation>Systemforudsigelser er slået til</translation>
    </message>
    <message>
        <source>System predictions are off</source>
        <translation>Systemforudsigelser er slået fra</translation>
    </message>
    <message>
        <source>tab</source>
        <translation>tab</translation>
    </message>
    <message>
        <source>Your next words, one Tab away.</source>
        <translation>Dine næste ord, et Tab væk.</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Spring over</translation>
    </message>
    <message>
        <source>Get Started</source>
        <translation>Kom i gang</translation>
    </message>
    <message>
        <source>Turn sound on</source>
        <translation>Slå lyd til</translation>
    </message>
    <message>
        <source>Turn sound off</source>
        <translation>Slå lyd fra</translation>
    </message>
    <message>
        <source>The other app</source>
        <translation>Den anden app</translation>
    </message>
    <message numerus="yes">
        <source>Next time, quit %1 without asking</source>
        <translation>
            <numerusform>Afslut %1 uden at spørge næste gang</numerusform>
            <numerusform>Afslut %1 uden at spørge næste gang</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 is also running</source>
        <translation>
            <numerusform>%1 kører også</numerusform>
            <numerusform>%1 kører også</numerusform>
        </translation>
    </message>
    <message>
        <source>Quitting…</source>
        <translation>Afslutter…</translation>
    </message>
    <message numerus="yes">
        <source>%1 is still open</source>
        <translation>
            <numerusform>%1 er stadig åben</numerusform>
            <numerusform>%1 er stadig åbne</numerusform>
        </translation>
    </message>
    <message>
        <source>%app has the Tab key</source>
        <translation>%app har Tab-tasten</translation>
    </message>
    <message>
        <source>%1 quit, so your suggestions are back in every app.</source>
        <translation>%1 er afsluttet, så dine forslag er tilbage i alle apps.</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Færdig</translation>
    </message>
    <message>
        <source>Open Source Notices</source>
        <translation>Open source-meddelelser</translation>
    </message>
    <message>
        <source>Reset all settings?</source>
        <translation>Nulstil alle indstillinger?</translation>
    </message>
    <message>
        <source>This also clears your rules for apps and sites. Your statistics and writing memory stay.</source>
        <translation>Det rydder også dine regler for apps og websteder. Din statistik og skrivehukommelse bliver.</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Nulstil</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Some apps hide their text</source>
        <translation>Nogle apps skjuler deres tekst</translation>
    </message>
    <message>
        <source>Suggest emoji after a colon</source>
        <translation>Foreslå emoji efter kolon</translation>
    </message>
    <message>
        <source>Turn emoticons into emoji</source>
        <translation>Lav humørikoner om til emoji</translation>
    </message>
    <message>
        <source>After :-) or &lt;3, %app offers the matching emoji. Press Tab to swap it in.</source>
        <translation>Efter :-) eller &lt;3 tilbyder %app den passende emoji. Tryk på Tab for at indsætte den.</translation>
    </message>
    <message>
        <source>Skin tone</source>
        <translation>Hudfarve</translation>
    </message>
    <message>
        <source>Also show the default yellow</source>
        <translation>Vis også standardgul</translation>
    </message>
    <message>
        <source>Try a word</source>
        <translation>Prøv et ord</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Let</translation>
    </message>
    <message>
        <source>No emoji match “%1”</source>
        <translation>Ingen emoji matcher »%1«</translation>
    </message>
    <message>
        <source>Accepting</source>
        <translation>Accept</translation>
    </message>
    <message>
        <source>Take the next word</source>
        <translation>Tag næste ord</translation>
    </message>
    <message>
        <source>Press again for each following word.</source>
        <translation>Tryk igen for hvert følgende ord.</translation>
    </message>
    <message>
        <source>Take the whole suggestion</source>
        <translation>Tag hele forslaget</translation>
    </message>
    <message>
        <source>The key above Tab is easy to reach on most keyboards.</source>
        <translation>Tasten over Tab er let at nå på de fleste tastaturer.</translation>
    </message>
    <message>
        <source>Include the space after a word</source>
        <translation>Medtag mellemrummet efter et ord</translation>
    </message>
    <message>
        <source>Include punctuation right after a word</source>
        <translation>Medtag tegnsætning lige efter et ord</translation>
    </message>
    <message>
        <source>When you press Escape</source>
        <translation>Når du trykker på Esc</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Genveje</translation>
    </message>
    <message>
        <source>Suggest now</source>
        <translation>Foreslå nu</translation>
    </message>
    <message>
        <source>Asks for a suggestion right away, even where %app would normally wait.</source>
        <translation>Beder om et forslag med det samme, også hvor %app normalt ville vente.</translation>
    </message>
    <message>
        <source>Other suggestions</source>
        <translation>Andre forslag</translation>
    </message>
    <message>
        <source>Lists a few different ways to continue. Choose with the arrow keys, then press Tab.</source>
        <translation>Viser nogle forskellige måder at fortsætte på. Vælg med piletasterne, og tryk på Tab.</translation>
    </message>
    <message>
        <source>Pause or resume in this app</source>
        <translation>Sæt på pause eller genoptag i denne app</translation>
    </message>
    <message>
        <source>Pauses for 15 minutes.</source>
        <translation>Sætter på pause i 15 minutter.</translation>
    </message>
    <message>
        <source>Turn %app on or off</source>
        <translation>Slå %app til eller fra</translation>
    </message>
    <message>
        <source>Everywhere, until you press it again.</source>
        <translation>Overalt, indtil du trykker igen.</translation>
    </message>
    <message>
        <source>Pause or resume</source>
        <translation>Pause eller genoptag</translation>
    </message>
    <message>
        <source>Turn on or off</source>
        <translation>Slå til eller fra</translation>
    </message>
    <message>
        <source>%1 and %2 use the same keys. Only the first will work.</source>
        <translation>»%1« og »%2« bruger de samme taster. Kun den første virker.</translation>
    </message>
    <message>
        <source>About you</source>
        <translation>Om dig</translation>
    </message>
    <message>
        <source>For example: I&apos;m a product designer in Berlin. I write short, friendly emails in British English and sign off with Cheers.</source>
        <translation>Fx: Jeg er produktdesigner i Berlin. Jeg skriver korte, venlige mails på britisk engelsk og slutter med »Cheers«.</translation>
    </message>
    <message>
        <source>Your role, the languages you write in, names you use often, how you like to sound.</source>
        <translation>Din rolle, de sprog, du skriver på, navne, du ofte bruger, hvordan du gerne vil lyde.</translation>
    </message>
    <message>
        <source>Writing memory</source>
        <translation>Skrivehukommelse</translation>
    </message>
    <message>
        <source>Remember how I write</source>
        <translation>Husk, hvordan jeg skriver</translation>
    </message>
    <message>
        <source>Also remember fields where I accept nothing</source>
        <translation>Husk også felter, hvor jeg ikke accepterer noget</translation>
    </message>
    <message>
        <source>%app learns your style sooner but keeps more of what you type.</source>
        <translation>%app lærer din stil hurtigere, men gemmer mere af det, du skriver.</translation>
    </message>
    <message>
        <source>Influence</source>
        <translation>Indflydelse</translation>
    </message>
    <message>
        <source>Strong</source>
        <translation>Stærk</translation>
    </message>
    <message>
        <source>How many of your passages each suggestion can draw on.</source>
        <translation>Hvor mange af dine tekststykker hvert forslag kan trække på.</translation>
    </message>
    <message>
        <source>Erase All…</source>
        <translation>Slet alt…</translation>
    </message>
    <message>
        <source>Erase everything %app remembered?</source>
        <translation>Vil du slette alt, hvad %app har husket?</translation>
    </message>
    <message>
        <source>This can&apos;t be undone.</source>
        <translation>Det kan ikke fortrydes.</translation>
    </message>
    <message>
        <source>Erase All</source>
        <translation>Slet alt</translation>
    </message>
    <message>
        <source>Nothing remembered yet</source>
        <translation>Intet husket endnu</translation>
    </message>
    <message>
        <source>App and window name</source>
        <translation>App- og vinduesnavn</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>Websted</translation>
    </message>
    <message>
        <source>The site&apos;s domain when you write in a browser.</source>
        <translation>Webstedets domæne, når du skriver i en browser.</translation>
    </message>
    <message>
        <source>Recently copied text</source>
        <translation>Nyligt kopieret tekst</translation>
    </message>
    <message>
        <source>Anything you copied in the last 10 minutes. Copies from password managers are skipped.</source>
        <translation>Alt, du har kopieret de sidste 10 minutter. Kopier fra adgangskodeadministratorer springes over.</translation>
    </message>
    <message>
        <source>Text on screen</source>
        <translation>Tekst på skærmen</translation>
    </message>
    <message>
        <source>Reads the window you&apos;re writing in, so replies fit the conversation. It picks the lines closest to where you type.</source>
        <translation>Læser vinduet, du skriver i, så svar passer til samtalen. Den vælger linjerne tættest på, hvor du skriver.</translation>
    </message>
    <message>
        <source>What you just looked at</source>
        <translation>Det, du lige har set på</translation>
    </message>
    <message>
        <source>Windows beside you</source>
        <translation>Vinduer ved siden af</translation>
    </message>
    <message>
        <source>Also reads up to two other windows on the same screen, like the document you&apos;re replying about. Skips password managers and apps you switched off.</source>
        <translation>Læser også op til to andre vinduer på samme skærm, fx det dokument, dit svar handler om. Springer adgangskodeadministratorer og apps, du har slået fra, over.</translation>
    </message>
    <message>
        <source>Off in this app</source>
        <translation>Fra i denne app</translation>
    </message>
    <message>
        <source>This word looks misspelled</source>
        <translation>Ordet ser forkert stavet ud</translation>
    </message>
    <message>
        <source>Thanks for the notes. I&apos;ll send the revised deck</source>
        <translation>Tak for noterne. Jeg sender den reviderede præsentation</translation>
    </message>
    <message>
        <source> by Friday morning.</source>
        <translation> senest fredag morgen.</translation>
    </message>
    <message>
        <source>%1 quit. %app has the Tab key.</source>
        <translation>%1 er afsluttet. %app har Tab-tasten.</translation>
    </message>
    <message>
        <source>Open Data Folder</source>
        <translation>Åbn datamappe</translation>
    </message>
    <message>
        <source>Show Welcome Again</source>
        <translation>Vis velkomst igen</translation>
    </message>
    <message>
        <source>Play Intro Again</source>
        <translation>Afspil intro igen</translation>
    </message>
    <message>
        <source>Reset Settings…</source>
        <translation>Nulstil indstillinger…</translation>
    </message>
    <message>
        <source>Suggest in every app</source>
        <translation>Foreslå i alle apps</translation>
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
        <translation>Foreslå i små felter</translation>
    </message>
    <message>
        <source>Hold back on misspelled words</source>
        <translation>Vent, hvis ordet ser forkert stavet ud</translation>
    </message>
    <message>
        <source>Offer spelling fixes</source>
        <translation>Tilbyd stavekorrektioner</translation>
    </message>
    <message>
        <source>Show the key hint</source>
        <translation>Vis tasttip</translation>
    </message>
    <message>
        <source>Quit other autocomplete apps when they open</source>
        <translation>Afslut andre autofuldførelses-apps, når de åbner</translation>
    </message>
    <message>
        <source>Keeps a few minutes of text from windows you switched away from, like a page you read before replying. It stays on your computer and skips apps you switched off.</source>
        <translation>Gemmer et par minutters tekst fra vinduer, du har forladt, fx en side, du læste, før du svarede. Den bliver på din computer og springer apps, du har slået fra, over.</translation>
    </message>
    <message numerus="yes">
        <source>Both apps answer the Tab key, and the system gives it to %1 first. %app stays paused in your other apps until %1 quits.</source>
        <translation>
            <numerusform>Begge apps reagerer på Tab-tasten, og systemet giver den først til %1. %app er på pause i dine andre apps, indtil %1 afslutter.</numerusform>
            <numerusform>%1 tager Tab-tasten før %app, så %app er på pause i dine andre apps, indtil du afslutter dem.</numerusform>
        </translation>
    </message>
    <message>
        <source>Finishes your sentences in any app, on your computer.</source>
        <translation>Gør dine sætninger færdige i enhver app, på din computer.</translation>
    </message>
    <message>
        <source>Keeps short passages from fields where you accepted a suggestion, encrypted on this computer, and shows them to the model as examples.</source>
        <translation>Gemmer korte tekststykker fra felter, hvor du accepterede et forslag, krypteret på denne computer, og viser dem til modellen som eksempler.</translation>
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
        <translation>Mellemlys</translation>
    </message>
    <message>
        <source>Medium</source>
        <comment>skin tone</comment>
        <translation>Mellem</translation>
    </message>
    <message>
        <source>Medium dark</source>
        <comment>skin tone</comment>
        <translation>Mellemmørk</translation>
    </message>
    <message>
        <source>Dark</source>
        <comment>skin tone</comment>
        <translation>Mørk</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Ukendt</translation>
    </message>
    <message>
        <source>%1 × %2 pt</source>
        <translation>%1 × %2 pt</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nej</translation>
    </message>
    <message>
        <source>Not reported, estimated from the caret</source>
        <translation>Ikke oplyst, anslået ud fra markøren</translation>
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
        <translation>Ikke endnu</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>I dag</translation>
    </message>
    <message>
        <source>Last 7 days</source>
        <translation>Sidste 7 dage</translation>
    </message>
    <message>
        <source>All time</source>
        <translation>Siden start</translation>
    </message>
    <message>
        <source>Typing saved</source>
        <translation>Sparet indtastning</translation>
    </message>
    <message>
        <source>at 40 words a minute</source>
        <translation>ved 40 ord i minuttet</translation>
    </message>
    <message>
        <source>Accepted</source>
        <translation>Accepteret</translation>
    </message>
    <message>
        <source>of suggestions shown</source>
        <translation>af viste forslag</translation>
    </message>
    <message>
        <source>Typical wait</source>
        <translation>Typisk ventetid</translation>
    </message>
    <message>
        <source>9 in 10 under %1</source>
        <translation>9 ud af 10 under %1</translation>
    </message>
    <message>
        <source>no requests yet</source>
        <translation>ingen forespørgsler endnu</translation>
    </message>
    <message>
        <source>Words saved</source>
        <translation>Sparede ord</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>Periode</translation>
    </message>
    <message>
        <source>Nothing to chart yet</source>
        <translation>Intet at vise endnu</translation>
    </message>
    <message>
        <source>Accept a few suggestions and your days show up here.</source>
        <translation>Accepter nogle forslag, så dukker dine dage op her.</translation>
    </message>
    <message>
        <source>Where you write</source>
        <translation>Hvor du skriver</translation>
    </message>
    <message>
        <source>Reset Statistics…</source>
        <translation>Nulstil statistik…</translation>
    </message>
    <message>
        <source>Reset all statistics?</source>
        <translation>Nulstil al statistik?</translation>
    </message>
    <message>
        <source>This clears words saved, acceptance and timing history.</source>
        <translation>Det rydder historikken for sparede ord, accept og ventetider.</translation>
    </message>
    <message>
        <source>Copy Diagnostics</source>
        <translation>Kopiér diagnosticering</translation>
    </message>
    <message>
        <source>Diagnostics leave out the text you typed.</source>
        <translation>Diagnosticering udelader den tekst, du har skrevet.</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Right now</source>
        <translation>Lige nu</translation>
    </message>
    <message>
        <source>Allowed</source>
        <translation>Tilladt</translation>
    </message>
    <message>
        <source>Not allowed</source>
        <translation>Ikke tilladt</translation>
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
        <translation>Klik i et tekstfelt i en anden app, og kom så tilbage. Det sidste felt, %1 så, bliver stående her.</translation>
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
        <translation>Vindue</translation>
    </message>
    <message>
        <source>Field size</source>
        <translation>Feltstørrelse</translation>
    </message>
    <message>
        <source>Caret found</source>
        <translation>Markør fundet</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Skrifttype</translation>
    </message>
    <message>
        <source>At end of line</source>
        <translation>Ved linjeslut</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>Secure input</source>
        <translation>Sikker indtastning</translation>
    </message>
    <message>
        <source>Looked at lately</source>
        <translation>Set for nylig</translation>
    </message>
    <message>
        <source>Text before the caret</source>
        <translation>Tekst før markøren</translation>
    </message>
    <message>
        <source>Last request</source>
        <translation>Seneste forespørgsel</translation>
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
        <translation>Råt svar</translation>
    </message>
    <message>
        <source>(empty)</source>
        <translation>(tom)</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>Kopieret</translation>
    </message>
    <message>
        <source>Choose a language</source>
        <translation>Vælg et sprog</translation>
    </message>
    <message>
        <source>Search languages</source>
        <translation>Søg efter sprog</translation>
    </message>
    <message>
        <source>Same as my computer</source>
        <translation>Samme som min computer</translation>
    </message>
    <message>
        <source>Switch to %1?</source>
        <translation>Skift til %1?</translation>
    </message>
    <message>
        <source>%1 closes and opens again in a second. Your settings stay as they are.</source>
        <translation>%1 lukker og åbner igen om et sekund. Dine indstillinger forbliver uændrede.</translation>
    </message>
    <message>
        <source>Reopen Now</source>
        <translation>Genåbn nu</translation>
    </message>
    <message>
        <source>App language</source>
        <translation>Appsprog</translation>
    </message>
    <message>
        <source>Pick the language you read most easily. Suggestions follow whatever language you type.</source>
        <translation>Vælg det sprog, du nemmest læser. Forslag følger det sprog, du skriver på.</translation>
    </message>
    <message>
        <source>Change the app language</source>
        <translation>Skift appens sprog</translation>
    </message>
    <message>
        <source>0 min</source>
        <translation>0 min.</translation>
    </message>
    <message>
        <source>under a minute</source>
        <translation>under et minut</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>Not set</source>
        <translation>Ikke angivet</translation>
    </message>
    <message>
        <source>Clear shortcut</source>
        <translation>Ryd genvej</translation>
    </message>
    <message>
        <source>Add Ctrl, Alt or Super so normal typing still works.</source>
        <translation>Tilføj Ctrl, Alt eller Super, så almindelig skrivning stadig virker.</translation>
    </message>
    <message>
        <source>Type a shortcut…</source>
        <translation>Tryk på en genvej…</translation>
    </message>
    <message>
        <source>Recording shortcut</source>
        <translation>Optager genvej</translation>
    </message>
    <message>
        <source>Shortcut %1</source>
        <translation>Genvej %1</translation>
    </message>
    <message>
        <source>Record shortcut</source>
        <translation>Optag genvej</translation>
    </message>
    <message>
        <source>Shortcut not set</source>
        <translation>Ingen genvej angivet</translation>
    </message>
    <message>
        <source>Press to record a new shortcut. Escape cancels.</source>
        <translation>Tryk for at optage en ny genvej. Esc annullerer.</translation>
    </message>
    <message>
        <source>Your tray icon is hidden</source>
        <translation>Dit ikon i systembakken er skjult</translation>
    </message>
    <message>
        <source>This computer has no on-device language model</source>
        <translation>Denne computer har ingen indbygget sprogmodel</translation>
    </message>
    <message>
        <source>Turn on the on-device model in the desktop&apos;s settings</source>
        <translation>Slå enhedsmodellen til i skrivebordets indstillinger</translation>
    </message>
    <message>
        <source>The on-device model is unavailable</source>
        <translation>Enhedsmodellen er ikke tilgængelig</translation>
    </message>
    <message>
        <source>Downloading. The on-device model fills in until it&apos;s done.</source>
        <translation>Henter. Enhedsmodellen træder til, indtil det er færdigt.</translation>
    </message>
    <message>
        <source>The on-device model fills in until you download it.</source>
        <translation>Enhedsmodellen træder til, indtil du henter den.</translation>
    </message>
    <message>
        <source>%1 shares no text. Quit it and start it with %2 to get suggestions in it.</source>
        <translation>%1 deler ingen tekst. Afslut den, og start den med %2 for at få forslag i den.</translation>
    </message>
    <message>
        <source>On-device model</source>
        <translation>Enhedsmodel</translation>
    </message>
    <message>
        <source>The system&apos;s own language model. Nothing to download.</source>
        <translation>Systemets egen sprogmodel. Intet at hente.</translation>
    </message>
    <message>
        <source>A website name cannot hold spaces, tabs or line breaks.</source>
        <translation>Et webstedsnavn kan ikke indeholde mellemrum, tabulatorer eller linjeskift.</translation>
    </message>
    <message>
        <source>Only addresses that start with http or https can be added.</source>
        <translation>Kun adresser, der starter med http eller https, kan tilføjes.</translation>
    </message>
    <message>
        <source>That is not a website name. Type one such as wikipedia.org.</source>
        <translation>Det er ikke et webstedsnavn. Skriv et som wikipedia.org.</translation>
    </message>
    <message>
        <source>A port is a number from 1 to 65535.</source>
        <translation>En port er et tal fra 1 til 65535.</translation>
    </message>
    <message>
        <source>The on-device model fills in until the download is done.</source>
        <translation>Enhedsmodellen træder til, indtil downloadet er færdigt.</translation>
    </message>
    <message>
        <source>Suggestions start once the download is done.</source>
        <translation>Forslag starter, når downloadet er færdigt.</translation>
    </message>
    <message>
        <source>This frees %1. The on-device model fills in until you download it again.</source>
        <translation>Det frigør %1. Enhedsmodellen træder til, indtil du henter den igen.</translation>
    </message>
    <message>
        <source>This frees %1. The %app model can&apos;t suggest until you download it again.</source>
        <translation>Det frigør %1. %app-modellen kan ikke foreslå noget, før du henter den igen.</translation>
    </message>
    <message>
        <source>There&apos;s no room for it, or your panel has no system tray. Add the panel&apos;s system tray or status area applet in its settings.</source>
        <translation>Der er ikke plads til det, eller dit panel har ingen systembakke. Tilføj panelets applet til systembakke eller statusområde i dets indstillinger.</translation>
    </message>
    <message>
        <source>GNOME shows tray icons only with the AppIndicator extension. Install the gnome-shell-extension-appindicator package, log out and in, then turn it on in Extensions.</source>
        <translation>GNOME viser kun ikoner i systembakken med udvidelsen AppIndicator. Installer pakken gnome-shell-extension-appindicator, log ud og ind igen, og slå den så til under »Udvidelser«.</translation>
    </message>
    <message>
        <source>GNOME shows tray icons only with the AppIndicator extension. It is installed but off: turn it on in Extensions.</source>
        <translation>GNOME viser kun ikoner i systembakken med udvidelsen AppIndicator. Den er installeret, men slået fra: slå den til under »Udvidelser«.</translation>
    </message>
    <message>
        <source>Until then, open %app from your applications menu to reach Settings.</source>
        <translation>Indtil da kan du åbne %app fra programmenuen for at komme til Indstillinger.</translation>
    </message>
    <message>
        <source>Open Extensions</source>
        <translation>Åbn »Udvidelser«</translation>
    </message>
    <message>
        <source>Show Count in Tray</source>
        <translation>Vis antal i systembakken</translation>
    </message>
    <message>
        <source>%1 shares no text</source>
        <translation>%1 deler ingen tekst</translation>
    </message>
    <message>
        <source>Copy command</source>
        <translation>Kopiér kommando</translation>
    </message>
    <message>
        <source>There&apos;s no account and no analytics. With the %app model or the on-device model, your text stays on this computer.</source>
        <translation>Ingen konto og ingen brugsstatistik. Med %app-modellen eller enhedsmodellen bliver din tekst på denne computer.</translation>
    </message>
    <message>
        <source>There&apos;s no account and no analytics. With the %app model, your text stays on this computer.</source>
        <translation>Ingen konto og ingen brugsstatistik. Med %app-modellen bliver din tekst på denne computer.</translation>
    </message>
    <message>
        <source>%app lives in your system tray from now on. Click its icon to pause it in an app or open Settings.</source>
        <translation>%app bor nu i din systembakke. Klik på ikonet for at sætte den på pause i en app eller åbne Indstillinger.</translation>
    </message>
    <message>
        <source>%app has no account, no analytics and no servers of its own. The %app model and the on-device model keep your text on this computer. Other engines get it only if you set one up.</source>
        <translation>%app har ingen konto, ingen brugsstatistik og ingen egne servere. %app-modellen og enhedsmodellen holder din tekst på denne computer. Andre motorer får den kun, hvis du sætter en op.</translation>
    </message>
    <message>
        <source>%app has no account, no analytics and no servers of its own. The %app model keeps your text on this computer. Other engines get it only if you set one up.</source>
        <translation>%app har ingen konto, ingen brugsstatistik og ingen egne servere. %app-modellen holder din tekst på denne computer. Andre motorer får den kun, hvis du sætter en op.</translation>
    </message>
    <message>
        <source>Installed applications</source>
        <translation>Installerede programmer</translation>
    </message>
    <message>
        <source>%app reads these only while making a suggestion and never saves them. With the %app model or the on-device model, nothing leaves your computer.</source>
        <translation>%app læser dem kun, mens der laves et forslag, og gemmer dem aldrig. Med %app-modellen eller enhedsmodellen forlader intet din computer.</translation>
    </message>
    <message>
        <source>%app reads these only while making a suggestion and never saves them. With the %app model, nothing leaves your computer.</source>
        <translation>%app læser dem kun, mens der laves et forslag, og gemmer dem aldrig. Med %app-modellen forlader intet din computer.</translation>
    </message>
    <message>
        <source>The %app model keeps your text on this computer.</source>
        <translation>%app-modellen holder din tekst på denne computer.</translation>
    </message>
    <message>
        <source>The key holds a line break or another control character. Paste it again without them.</source>
        <translation>Nøglen indeholder et linjeskift eller et andet kontroltegn. Indsæt den igen uden.</translation>
    </message>
    <message>
        <source>Waiting for the keyring to store the key.</source>
        <translation>Venter på, at nøgleringen gemmer nøglen.</translation>
    </message>
    <message>
        <source>The keyring cannot keep this key, so it is used only until %app quits.</source>
        <translation>Nøgleringen kan ikke gemme denne nøgle, så den bruges kun, indtil %app afsluttes.</translation>
    </message>
    <message>
        <source>Show in the system tray</source>
        <translation>Vis i systembakken</translation>
    </message>
    <message>
        <source>Pause or open Settings from the system tray. Hidden? Open %app from your applications menu to come back.</source>
        <translation>Sæt på pause eller åbn Indstillinger fra systembakken. Er ikonet skjult? Åbn %app fra programmenuen for at komme tilbage.</translation>
    </message>
    <message>
        <source>This tray can&apos;t show text beside icons, so the count shows in the icon&apos;s tooltip.</source>
        <translation>Denne systembakke kan ikke vise tekst ved ikoner, så antallet vises i ikonets værktøjstip.</translation>
    </message>
    <message>
        <source>VS Code, VSCodium, Cursor, Zed, Kate, Sublime Text, JetBrains IDEs and similar apps.</source>
        <translation>VS Code, VSCodium, Cursor, Zed, Kate, Sublime Text, JetBrains-IDE&apos;er og lignende apps.</translation>
    </message>
    <message>
        <source>Your settings could not be read, so they were set aside and %app started over with its defaults.</source>
        <translation>Dine indstillinger kunne ikke læses, så de blev lagt til side, og %app startede forfra med standardværdierne.</translation>
    </message>
    <message>
        <source>Your settings are not saved: %app cannot write to its settings folder.</source>
        <translation>Dine indstillinger gemmes ikke: %app kan ikke skrive til sin indstillingsmappe.</translation>
    </message>
    <message>
        <source>Your app and website rules could not be read, so they were set aside.</source>
        <translation>Dine regler for apps og websteder kunne ikke læses, så de blev lagt til side.</translation>
    </message>
    <message>
        <source>Your statistics could not be read, so they were set aside and counting started over.</source>
        <translation>Din statistik kunne ikke læses, så den blev lagt til side, og optællingen startede forfra.</translation>
    </message>
    <message>
        <source>Not saved: %app cannot write to its data folder.</source>
        <translation>Ikke gemt: %app kan ikke skrive til sin datamappe.</translation>
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
            <numerusform>%Ln min.</numerusform>
            <numerusform>%Ln min.</numerusform>
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
            <numerusform>%Ln tekststykke herfra</numerusform>
            <numerusform>%Ln tekststykker herfra</numerusform>
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
            <numerusform>%Ln dage</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Words saved per day over the last %Ln days</source>
        <translation>
            <numerusform>Sparede ord pr. dag det sidste døgn</numerusform>
            <numerusform>Sparede ord pr. dag de sidste %Ln dage</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln day streak</source>
        <translation>
            <numerusform>Stime på %Ln dag</numerusform>
            <numerusform>Stime på %Ln dage</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln passages remembered</source>
        <translation>
            <numerusform>%Ln tekststykke husket</numerusform>
            <numerusform>%Ln tekststykker husket</numerusform>
        </translation>
    </message>
    <message>
        <source>enter</source>
        <translation>enter</translation>
    </message>
    <message>
        <source>Allow screen capture so %app can read those too. Most apps work without it.</source>
        <translation>Tillad skærmoptagelse, så %app også kan læse dem. De fleste apps virker uden.</translation>
    </message>
    <message>
        <source>Type a colon and a word, like :rocket, then press Tab or Enter to pick.</source>
        <translation>Skriv et kolon og et ord, fx :rocket, og tryk på Tab eller Enter for at vælge.</translation>
    </message>
    <message>
        <source>You can switch memory off for single apps under Apps &amp; Sites. The key that unlocks it lives in your keyring.</source>
        <translation>Du kan slå hukommelse fra for enkelte apps under »Apps &amp; websteder«. Nøglen, der låser den op, ligger i din nøglering.</translation>
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
            <numerusform>%Ln model tilgængelig</numerusform>
            <numerusform>%Ln modeller tilgængelige</numerusform>
        </translation>
    </message>
    <message>
        <source>The model couldn&apos;t be saved: %1</source>
        <translation>Modellen kunne ikke gemmes: %1</translation>
    </message>
    <message>
        <source>Ollama isn&apos;t running.</source>
        <translation>Ollama kører ikke.</translation>
    </message>
    <message>
        <source>Ollama isn&apos;t running at %1.</source>
        <translation>Ollama kører ikke på %1.</translation>
    </message>
    <message>
        <source>No server answered.</source>
        <translation>Ingen server svarede.</translation>
    </message>
    <message>
        <source>No server answered at %1.</source>
        <translation>Ingen server svarede på %1.</translation>
    </message>
    <message>
        <source>Range: %1</source>
        <translation>Periode: %1</translation>
    </message>
    <message numerus="yes">
        <source>%1, %Ln to do</source>
        <translation>
            <numerusform>%1, %Ln tilbage</numerusform>
            <numerusform>%1, %Ln tilbage</numerusform>
        </translation>
    </message>
    <message>
        <source>Type the whole name of the website, such as wikipedia.org.</source>
        <translation>Skriv hele webstedets navn, fx wikipedia.org.</translation>
    </message>
    <message>
        <source>The key holds a space, an invisible character or a letter outside plain ASCII. Paste it again exactly as your server gave it.</source>
        <translation>Nøglen indeholder et mellemrum, et usynligt tegn eller et bogstav uden for almindelig ASCII. Indsæt den igen præcis, som din server gav den.</translation>
    </message>
    <message>
        <source>The keyring could not be read, so your server is asked without an API key. Type the key again if your server needs one.</source>
        <translation>Nøgleringen kunne ikke læses, så din server kontaktes uden API-nøgle. Skriv nøglen igen, hvis din server kræver en.</translation>
    </message>
    <message>
        <source>Your writing memory could not be opened, so it was set aside and %app started a new one.</source>
        <translation>Din skrivehukommelse kunne ikke åbnes, så den blev lagt til side, og %app startede en ny.</translation>
    </message>
    <message>
        <source>%1, converted for llama.cpp by %2</source>
        <translation>%1, konverteret til llama.cpp af %2</translation>
    </message>
    <message>
        <source>The data folder %1 could not be made. Check that the folder above it exists and that you may write there.</source>
        <translation>Datamappen %1 kunne ikke oprettes. Tjek, at mappen over den findes, og at du må skrive i den.</translation>
    </message>
    <message>
        <source>party</source>
        <comment>emoji search sample</comment>
        <translation>fest</translation>
    </message>
    <message numerus="yes">
        <source>%Ln settings held values %app cannot use, so they were corrected and saved.</source>
        <translation>
            <numerusform>%Ln indstilling havde en værdi, %app ikke kan bruge, så den blev rettet og gemt.</numerusform>
            <numerusform>%Ln indstillinger havde værdier, %app ikke kan bruge, så de blev rettet og gemt.</numerusform>
        </translation>
    </message>
    <message>
        <source>Your writing memory is not saved: the keyring is missing or locked, so its key cannot be kept.</source>
        <translation>Din skrivehukommelse er ikke gemt: nøgleringen mangler eller er låst, så dens nøgle kan ikke opbevares.</translation>
    </message>
    <message>
        <source>That address isn&apos;t valid</source>
        <translation>Den adresse er ikke gyldig</translation>
    </message>
    <message>
        <source>The request timed out.</source>
        <translation>Anmodningen fik timeout.</translation>
    </message>
    <message>
        <source>The server&apos;s reply was too long, so it was stopped.</source>
        <translation>Serverens svar var for langt, så det blev stoppet.</translation>
    </message>
    <message>
        <source>The server answered %1.</source>
        <translation>Serveren svarede %1.</translation>
    </message>
    <message>
        <source>The server answered %1: %2</source>
        <translation>Serveren svarede %1: %2</translation>
    </message>
    <message>
        <source>The download server answered %1. Try again later.</source>
        <translation>Downloadserveren svarede %1. Prøv igen senere.</translation>
    </message>
    <message>
        <source>The download couldn&apos;t be saved: %1</source>
        <translation>Downloadet kunne ikke gemmes: %1</translation>
    </message>
    <message>
        <source>The download paused because the connection dropped. Try again to pick up where it stopped.</source>
        <translation>Downloadet blev sat på pause, fordi forbindelsen blev afbrudt. Prøv igen for at fortsætte, hvor det stoppede.</translation>
    </message>
    <message>
        <source>The download stopped. Check your connection, then try again.</source>
        <translation>Downloadet stoppede. Tjek din forbindelse, og prøv så igen.</translation>
    </message>
    <message>
        <source>Pick an Ollama model in Settings</source>
        <translation>Vælg en Ollama-model i Indstillinger</translation>
    </message>
    <message>
        <source>Pick a model for your local server</source>
        <translation>Vælg en model til din lokale server</translation>
    </message>
    <message>
        <source>The server&apos;s answer is not HTTP.</source>
        <translation>Serverens svar er ikke HTTP.</translation>
    </message>
    <message>
        <source>The data couldn&apos;t be read because it is missing.</source>
        <translation>Dataene kunne ikke læses, fordi de mangler.</translation>
    </message>
    <message>
        <source>The data couldn&apos;t be read because it isn&apos;t in the correct format.</source>
        <translation>Dataene kunne ikke læses, fordi de ikke har det rigtige format.</translation>
    </message>
    <message>
        <source>:%1:</source>
        <comment>emoji name</comment>
        <translation>:%1:</translation>
    </message>
    <message>
        <source>This computer has no on-device language model.</source>
        <translation>Denne computer har ingen indbygget sprogmodel.</translation>
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
        <translation>Sat på pause på %1</translation>
    </message>
    <message>
        <source>Paused in %1</source>
        <translation>Sat på pause i %1</translation>
    </message>
    <message>
        <source>Off on %1</source>
        <translation>Slået fra på %1</translation>
    </message>
    <message>
        <source>Off in %1</source>
        <translation>Slået fra i %1</translation>
    </message>
    <message>
        <source>Off in %1 by default</source>
        <translation>Slået fra i %1 som standard</translation>
    </message>
    <message>
        <source>Off in code editors</source>
        <translation>Slået fra i kodeeditorer</translation>
    </message>
    <message>
        <source>Off unless turned on per app</source>
        <translation>Slået fra, medmindre det slås til pr. app</translation>
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
        <translation>Mellemrum</translation>
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
        <translation>Et svar på en e-mail lyder anderledes end en commit-besked.</translation>
    </message>
    <message>
        <source>Writes straight into the field. Cleanest in GTK and Qt apps.</source>
        <translation>Skriver direkte i feltet. Renest i GTK- og Qt-apps.</translation>
    </message>
    <message>
        <source>Typing</source>
        <comment>insertion method</comment>
        <translation>Indtastning</translation>
    </message>
    <message>
        <source>%1 h</source>
        <comment>hours with one decimal, such as 1.5</comment>
        <translation>%1 t.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln h</source>
        <translation>
            <numerusform>%Ln t.</numerusform>
            <numerusform>%Ln t.</numerusform>
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
            <numerusform>%Ln ord sparet i dag</numerusform>
            <numerusform>%Ln ord sparet i dag</numerusform>
        </translation>
    </message>
    <message>
        <source>Under a minute of typing saved today.</source>
        <translation>Under et minuts indtastning sparet i dag.</translation>
    </message>
    <message>
        <source>About %1 of typing saved today.</source>
        <translation>Cirka %1 indtastning sparet i dag.</translation>
    </message>
    <message numerus="yes">
        <source>Step %1 of %Ln</source>
        <translation>
            <numerusform>Trin %1 af %Ln</numerusform>
            <numerusform>Trin %1 af %Ln</numerusform>
        </translation>
    </message>
    <message>
        <source>%app reads and types into text fields through the desktop&apos;s accessibility support, which some desktops leave off. %app uses it only for the field you&apos;re writing in.</source>
        <translation>%app læser og skriver i tekstfelter via skrivebordets tilgængelighedsunderstøttelse, som nogle skriveborde har slået fra. %app bruger den kun til det felt, du skriver i.</translation>
    </message>
    <message>
        <source>The button switches the desktop&apos;s accessibility support on. If the desktop&apos;s settings open instead, turn accessibility on there, then come back. This page updates by itself.</source>
        <translation>Knappen slår skrivebordets tilgængelighedsunderstøttelse til. Hvis skrivebordets indstillinger åbner i stedet, så slå tilgængelighed til der, og kom så tilbage. Siden opdaterer sig selv.</translation>
    </message>
    <message>
        <source>Still off? Some desktops start their accessibility service only when you log in. Log out and back in, then try again.</source>
        <translation>Stadig slået fra? Nogle skriveborde starter først deres tilgængelighedstjeneste, når du logger ind. Log ud og ind igen, og prøv så igen.</translation>
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
        <translation>indtastning</translation>
    </message>
    <message>
        <source>accessibility</source>
        <comment>insertion method, in a sentence</comment>
        <translation>tilgængelighed</translation>
    </message>
    <message>
        <source>paste</source>
        <comment>insertion method, in a sentence</comment>
        <translation>udklipsholder</translation>
    </message>
    <message>
        <source>short</source>
        <comment>suggestion length, in a sentence</comment>
        <translation>korte</translation>
    </message>
    <message>
        <source>medium</source>
        <comment>suggestion length, in a sentence</comment>
        <translation>mellemlange</translation>
    </message>
    <message>
        <source>long</source>
        <comment>suggestion length, in a sentence</comment>
        <translation>lange</translation>
    </message>
    <message>
        <source>Default follows General: %1, %2 suggestions.</source>
        <translation>Standard følger »Generelt«: %1, %2 forslag.</translation>
    </message>
    <message>
        <source>Yes, at %1, %2 on screen, %3 pt tall, %4 and %5</source>
        <translation>Ja, ved %1, %2 på skærmen, %3 pt høj, %4 og %5</translation>
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
            <numerusform>%Ln efter</numerusform>
            <numerusform>%Ln efter</numerusform>
        </translation>
    </message>
    <message>
        <source>No system tray runs on this desktop, so the icon cannot show. %1</source>
        <translation>Der kører ingen systembakke på dette skrivebord, så ikonet kan ikke vises. %1</translation>
    </message>
    <message>
        <source>Typing</source>
        <comment>section header</comment>
        <translation>Indtastning</translation>
    </message>
    <message>
        <source>Switch to the computer&apos;s language?</source>
        <translation>Skift til computerens sprog?</translation>
    </message>
    <message numerus="yes">
        <source>%Ln words this week.</source>
        <translation>
            <numerusform>%Ln ord denne uge.</numerusform>
            <numerusform>%Ln ord denne uge.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Under a minute of typing saved today. %Ln words this week.</source>
        <translation>
            <numerusform>Under et minuts indtastning sparet i dag. %Ln ord denne uge.</numerusform>
            <numerusform>Under et minuts indtastning sparet i dag. %Ln ord denne uge.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>About %1 of typing saved today. %Ln words this week.</source>
        <translation>
            <numerusform>Cirka %1 indtastning sparet i dag. %Ln ord denne uge.</numerusform>
            <numerusform>Cirka %1 indtastning sparet i dag. %Ln ord denne uge.</numerusform>
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
            <numerusform>%Ln af %1 færdig</numerusform>
            <numerusform>%Ln af %1 færdige</numerusform>
        </translation>
    </message>
    <message>
        <source>The server refused the connection. Check that it is running and that the address is right.</source>
        <translation>Serveren afviste forbindelsen. Tjek, at den kører, og at adressen er rigtig.</translation>
    </message>
    <message>
        <source>The server&apos;s name couldn&apos;t be found. Check the address.</source>
        <translation>Serverens navn kunne ikke findes. Tjek adressen.</translation>
    </message>
    <message>
        <source>A secure connection to the server couldn&apos;t be made.</source>
        <translation>Der kunne ikke oprettes en sikker forbindelse til serveren.</translation>
    </message>
    <message>
        <source>The server closed the connection before it answered.</source>
        <translation>Serveren lukkede forbindelsen, før den svarede.</translation>
    </message>
    <message>
        <source>The network proxy couldn&apos;t be reached.</source>
        <translation>Netværksproxyen kunne ikke nås.</translation>
    </message>
    <message>
        <source>The server couldn&apos;t be reached.</source>
        <translation>Serveren kunne ikke nås.</translation>
    </message>
    <message>
        <source>Waiting for the network…</source>
        <translation>Venter på netværket…</translation>
    </message>
    <message>
        <source>%1 is taken by another program.</source>
        <translation>%1 bruges allerede af et andet program.</translation>
    </message>
    <message>
        <source>%1 could not open again. Your choice takes effect the next time you start it.</source>
        <translation>%1 kunne ikke starte igen. Dit valg træder i kraft, næste gang du starter det.</translation>
    </message>
    <message>
        <source>Downloading the model</source>
        <translation>Henter modellen</translation>
    </message>
    <message numerus="yes">
        <source>These apps answer the Tab key before %app can, so %app stays paused in your other apps until they quit.</source>
        <translation>
            <numerusform>Disse apps reagerer på Tab-tasten, før %app kan, så %app er på pause i dine andre apps, indtil de afslutter.</numerusform>
            <numerusform>Disse apps reagerer på Tab-tasten, før %app kan, så %app er på pause i dine andre apps, indtil de afslutter.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>It may be waiting on a dialog of its own. Force Quit closes it right away.</source>
        <translation>
            <numerusform>Den venter måske på en af sine egne dialoger. »Tvangsafslut« lukker den med det samme.</numerusform>
            <numerusform>De venter måske på deres egne dialoger. »Tvangsafslut« lukker dem med det samme.</numerusform>
        </translation>
    </message>
    <message>
        <source>Set a Suggest Now shortcut in Keys to ask for suggestions</source>
        <translation>Angiv en genvej til »Foreslå nu« under »Taster« for at bede om forslag</translation>
    </message>
    <message>
        <source>Backspace</source>
        <comment>key above Enter that deletes backwards</comment>
        <translation>Backspace</translation>
    </message>
    <message>
        <source>0 words saved today</source>
        <translation>0 ord sparet i dag</translation>
    </message>
    <message>
        <source>words saved today</source>
        <comment>beside the count 0</comment>
        <translation>ord sparet i dag</translation>
    </message>
    <message>
        <source>Quit the other app</source>
        <translation>Afslut den anden app</translation>
    </message>
    <message>
        <source>None yet</source>
        <comment>no app looked at yet</comment>
        <translation>Ingen endnu</translation>
    </message>
    <message>
        <source>None yet</source>
        <comment>no suggestion shown yet</comment>
        <translation>Intet endnu</translation>
    </message>
    <message>
        <source>The other app is also running</source>
        <translation>Den anden app kører også</translation>
    </message>
    <message>
        <source>Both apps answer the Tab key, and the system gives it to the other app first. %app stays paused in your other apps until the other app quits.</source>
        <translation>Begge apps reagerer på Tab-tasten, og systemet giver den først til den anden app. %app er på pause i dine andre apps, indtil den anden app afslutter.</translation>
    </message>
    <message>
        <source>The other app is still open</source>
        <translation>Den anden app er stadig åben</translation>
    </message>
    <message>
        <source>The other app quit, so your suggestions are back in every app.</source>
        <translation>Den anden app er afsluttet, så dine forslag er tilbage i alle apps.</translation>
    </message>
    <message>
        <source>The other app quit. %app has the Tab key.</source>
        <translation>Den anden app er afsluttet. %app har Tab-tasten.</translation>
    </message>
</context>
</TS>
