<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl" sourcelanguage="en">
<context>
    <name>Tessaquill</name>
    <message>
        <source>Accessibility is on. %app is ready in your other apps.</source>
        <translation>Toegankelijkheid staat aan. %app is klaar in je andere apps.</translation>
    </message>
    <message>
        <source>Paused while %1 is open</source>
        <translation>Gepauzeerd zolang %1 open is</translation>
    </message>
    <message>
        <source>Welcome to %app</source>
        <translation>Welkom bij %app</translation>
    </message>
    <message>
        <source>%app</source>
        <translation>%app</translation>
    </message>
    <message>
        <source>Another autocomplete app is running</source>
        <translation>Er draait een andere app voor automatisch aanvullen</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Klaar</translation>
    </message>
    <message>
        <source>Waiting for a pause</source>
        <translation>Wachten op een pauze</translation>
    </message>
    <message>
        <source>Thinking</source>
        <translation>Denkt na</translation>
    </message>
    <message>
        <source>Showing a suggestion</source>
        <translation>Toont een suggestie</translation>
    </message>
    <message>
        <source>The model took too long to answer</source>
        <translation>Het model deed te lang over een antwoord</translation>
    </message>
    <message>
        <source>This app doesn&apos;t report where the caret is</source>
        <translation>Deze app geeft niet door waar de cursor staat</translation>
    </message>
    <message>
        <source>%app is turned off</source>
        <translation>%app staat uit</translation>
    </message>
    <message>
        <source>Secure input is on, so %app stays out</source>
        <translation>Beveiligde invoer staat aan, dus %app blijft erbuiten</translation>
    </message>
    <message>
        <source>Press %1 for a suggestion</source>
        <translation>Druk op %1 voor een suggestie</translation>
    </message>
    <message>
        <source>Text is selected</source>
        <translation>Er is tekst geselecteerd</translation>
    </message>
    <message>
        <source>The caret is inside existing text</source>
        <translation>De cursor staat midden in bestaande tekst</translation>
    </message>
    <message>
        <source>This field is too small</source>
        <translation>Dit veld is te klein</translation>
    </message>
    <message>
        <source>Waiting for a few characters</source>
        <translation>Wachten op een paar tekens</translation>
    </message>
    <message>
        <source>Start of a new line</source>
        <translation>Begin van een nieuwe regel</translation>
    </message>
    <message>
        <source>The model is still downloading</source>
        <translation>Het model wordt nog gedownload</translation>
    </message>
    <message>
        <source>Download the %app model in Settings first</source>
        <translation>Download eerst het %app-model in Instellingen</translation>
    </message>
    <message>
        <source>Not checked yet</source>
        <translation>Nog niet gecontroleerd</translation>
    </message>
    <message>
        <source>Checking…</source>
        <translation>Controleren…</translation>
    </message>
    <message>
        <source>The model stopped with error %1</source>
        <translation>Het model stopte met fout %1</translation>
    </message>
    <message>
        <source>The model file couldn&apos;t be loaded</source>
        <translation>Het modelbestand kon niet worden geladen</translation>
    </message>
    <message>
        <source>There wasn&apos;t enough memory to start the model</source>
        <translation>Er was niet genoeg geheugen om het model te starten</translation>
    </message>
    <message>
        <source>The text couldn&apos;t be prepared for the model</source>
        <translation>De tekst kon niet worden voorbereid voor het model</translation>
    </message>
    <message>
        <source>This computer needs %1 free for the download. Free up some space, then try again.</source>
        <translation>Deze computer heeft %1 vrije ruimte nodig voor de download. Maak ruimte vrij en probeer het opnieuw.</translation>
    </message>
    <message>
        <source>The download didn&apos;t match the expected file, so it was deleted. Try again.</source>
        <translation>De download kwam niet overeen met het verwachte bestand en is verwijderd. Probeer het opnieuw.</translation>
    </message>
    <message>
        <source>Downloaded</source>
        <translation>Gedownload</translation>
    </message>
    <message>
        <source>Downloading. Suggestions start once it&apos;s done.</source>
        <translation>Bezig met downloaden. Suggesties beginnen zodra het klaar is.</translation>
    </message>
    <message>
        <source>Checking the download.</source>
        <translation>Download wordt gecontroleerd.</translation>
    </message>
    <message>
        <source>Checking the download. Suggestions start once it&apos;s done.</source>
        <translation>Download wordt gecontroleerd. Suggesties beginnen zodra het klaar is.</translation>
    </message>
    <message>
        <source>Download the model to start</source>
        <translation>Download het model om te beginnen</translation>
    </message>
    <message>
        <source>Ollama is running but has no models</source>
        <translation>Ollama draait maar heeft geen modellen</translation>
    </message>
    <message>
        <source>Another app</source>
        <translation>Een andere app</translation>
    </message>
    <message>
        <source>There is no D-Bus session bus, so %1 cannot reach text fields.</source>
        <translation>Er is geen D-Bus-sessiebus, dus %1 kan geen tekstvelden bereiken.</translation>
    </message>
    <message>
        <source>The desktop&apos;s accessibility bus is not running, so %1 cannot reach text fields.</source>
        <translation>De toegankelijkheidsbus van de desktop draait niet, dus %1 kan geen tekstvelden bereiken.</translation>
    </message>
    <message>
        <source>Short</source>
        <translation>Kort</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Middel</translation>
    </message>
    <message>
        <source>Long</source>
        <translation>Lang</translation>
    </message>
    <message>
        <source>Hide the suggestion</source>
        <translation>Suggestie verbergen</translation>
    </message>
    <message>
        <source>Hide suggestions until I change fields</source>
        <translation>Suggesties verbergen tot ik van veld wissel</translation>
    </message>
    <message>
        <source>Do nothing, send Escape to the app</source>
        <translation>Niets doen, Esc naar de app sturen</translation>
    </message>
    <message>
        <source>Type it</source>
        <translation>Typen</translation>
    </message>
    <message>
        <source>Insert through Accessibility</source>
        <translation>Invoegen via toegankelijkheid</translation>
    </message>
    <message>
        <source>Paste it</source>
        <translation>Plakken</translation>
    </message>
    <message>
        <source>Grey</source>
        <translation>Grijs</translation>
    </message>
    <message>
        <source>Gold tint</source>
        <translation>Goudtint</translation>
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
        <translation>Lokale server</translation>
    </message>
    <message>
        <source>Runs on this computer after a one-time download. Works offline.</source>
        <translation>Draait op deze computer na een eenmalige download. Werkt offline.</translation>
    </message>
    <message>
        <source>Any model you run in Ollama, base models included.</source>
        <translation>Elk model dat je in Ollama draait, basismodellen inbegrepen.</translation>
    </message>
    <message>
        <source>LM Studio, llama-server or any OpenAI-compatible endpoint.</source>
        <translation>LM Studio, llama-server of elk OpenAI-compatibel endpoint.</translation>
    </message>
    <message>
        <source>Sends the text as keystrokes. Works almost everywhere.</source>
        <translation>Stuurt de tekst als toetsaanslagen. Werkt bijna overal.</translation>
    </message>
    <message>
        <source>Uses the clipboard, then puts your clipboard back.</source>
        <translation>Gebruikt het klembord en zet daarna je klembord terug.</translation>
    </message>
    <message>
        <source>Accessibility</source>
        <translation>Toegankelijkheid</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Plakken</translation>
    </message>
    <message>
        <source>Your writing memory could not be opened and was set aside. Nothing new is remembered until %app starts again.</source>
        <translation>Je schrijfgeheugen kon niet worden geopend en is apart gezet. Er wordt niets nieuws onthouden tot %app opnieuw start.</translation>
    </message>
    <message>
        <source>Your writing memory could not be opened because its key could not be read from the keyring. Nothing new is remembered until %app starts again.</source>
        <translation>Je schrijfgeheugen kon niet worden geopend, omdat de sleutel niet uit de sleutelbos kon worden gelezen. Er wordt niets nieuws onthouden tot %app opnieuw start.</translation>
    </message>
    <message>
        <source>Not Now</source>
        <translation>Niet nu</translation>
    </message>
    <message>
        <source>Open the desktop&apos;s settings</source>
        <translation>Desktopinstellingen openen</translation>
    </message>
    <message>
        <source>Don&apos;t remind me again</source>
        <translation>Niet meer herinneren</translation>
    </message>
    <message>
        <source>Open Playground</source>
        <translation>Oefenruimte openen</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Instellingen</translation>
    </message>
    <message>
        <source>Quit %app</source>
        <translation>%app afsluiten</translation>
    </message>
    <message>
        <source>Needs Accessibility access</source>
        <translation>Toegang tot Toegankelijkheid nodig</translation>
    </message>
    <message>
        <source>Paused until you resume</source>
        <translation>Gepauzeerd tot je hervat</translation>
    </message>
    <message>
        <source>Paused until %1</source>
        <translation>Gepauzeerd tot %1</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Uit</translation>
    </message>
    <message numerus="yes">
        <source>Paused while %1 are open</source>
        <translation>
            <numerusform>Gepauzeerd zolang %1 open is</numerusform>
            <numerusform>Gepauzeerd zolang %1 open zijn</numerusform>
        </translation>
    </message>
    <message>
        <source>Grant Accessibility Access…</source>
        <translation>Toegang tot Toegankelijkheid geven…</translation>
    </message>
    <message numerus="yes">
        <source>Force Quit %1</source>
        <translation>
            <numerusform>%1 geforceerd stoppen</numerusform>
            <numerusform>%1 geforceerd stoppen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Quit %1</source>
        <translation>
            <numerusform>%1 afsluiten</numerusform>
            <numerusform>%1 afsluiten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>words saved today</source>
        <translation>
            <numerusform>woord bespaard vandaag</numerusform>
            <numerusform>woorden bespaard vandaag</numerusform>
        </translation>
    </message>
    <message>
        <source>Start typing anywhere. %app keeps count here.</source>
        <translation>Begin waar dan ook te typen. %app houdt hier de telling bij.</translation>
    </message>
    <message>
        <source>Resume in %1</source>
        <translation>Hervatten in %1</translation>
    </message>
    <message>
        <source>Pause in %1</source>
        <translation>Pauzeren in %1</translation>
    </message>
    <message>
        <source>Resume Everywhere</source>
        <translation>Overal hervatten</translation>
    </message>
    <message>
        <source>Pause Everywhere</source>
        <translation>Overal pauzeren</translation>
    </message>
    <message>
        <source>For 15 Minutes</source>
        <translation>15 minuten</translation>
    </message>
    <message>
        <source>For 1 Hour</source>
        <translation>1 uur</translation>
    </message>
    <message>
        <source>For 4 Hours</source>
        <translation>4 uur</translation>
    </message>
    <message>
        <source>Until I Resume</source>
        <translation>Tot ik hervat</translation>
    </message>
    <message>
        <source>Example: after typing %1, %2 suggests %3</source>
        <translation>Voorbeeld: na het typen van %1 stelt %2 %3 voor</translation>
    </message>
    <message>
        <source>takes the next word</source>
        <translation>neemt het volgende woord</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Downloaden</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 van %2</translation>
    </message>
    <message>
        <source>%1 of %2. You can keep writing while it downloads.</source>
        <translation>%1 van %2. Je kunt blijven schrijven tijdens het downloaden.</translation>
    </message>
    <message>
        <source>Checking the download</source>
        <translation>Download wordt gecontroleerd</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Opnieuw proberen</translation>
    </message>
    <message>
        <source>Remove…</source>
        <translation>Verwijderen…</translation>
    </message>
    <message>
        <source>%1 license</source>
        <translation>%1-licentie</translation>
    </message>
    <message>
        <source>Remove the %app model?</source>
        <translation>Het %app-model verwijderen?</translation>
    </message>
    <message>
        <source>Model download</source>
        <translation>Modeldownload</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Verwijderen</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Doorgaan</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Later</translation>
    </message>
    <message>
        <source>Start Writing</source>
        <translation>Beginnen met schrijven</translation>
    </message>
    <message>
        <source>Finish your sentences in any app.</source>
        <translation>Maak je zinnen af in elke app.</translation>
    </message>
    <message>
        <source>%app reads the words before your caret and suggests what comes next in grey. Press Tab to take one word, or the key above Tab to take the rest. If you don&apos;t want it, keep typing.</source>
        <translation>%app leest de woorden vóór je cursor en stelt in grijs voor wat volgt. Druk op Tab voor één woord, of op de toets boven Tab voor de rest. Wil je het niet, typ dan gewoon door.</translation>
    </message>
    <message>
        <source>Sees what you see</source>
        <translation>Ziet wat jij ziet</translation>
    </message>
    <message>
        <source>Private</source>
        <translation>Privé</translation>
    </message>
    <message>
        <source>It reads the window you&apos;re typing in, like the chat you&apos;re answering, so suggestions fit. None of it goes online, to us or any server. It stays private on your computer.</source>
        <translation>Het leest het venster waarin je typt, zoals de chat die je beantwoordt, zodat suggesties passen. Niets gaat online, niet naar ons en niet naar een server. Het blijft privé op je computer.</translation>
    </message>
    <message>
        <source>Accessibility is on</source>
        <translation>Toegankelijkheid staat aan</translation>
    </message>
    <message>
        <source>%app can now read the field you&apos;re writing in and type suggestions for you.</source>
        <translation>%app kan nu het veld lezen waarin je schrijft en suggesties voor je invoegen.</translation>
    </message>
    <message>
        <source>Let %app see what you type.</source>
        <translation>Laat %app zien wat je typt.</translation>
    </message>
    <message>
        <source>%app reads your text when you pause and forgets it after one suggestion, unless you turn on writing memory.</source>
        <translation>%app leest je tekst als je pauzeert en vergeet hem na één suggestie, tenzij je het schrijfgeheugen aanzet.</translation>
    </message>
    <message>
        <source>%app skips password fields and anything else the system marks as secure.</source>
        <translation>%app slaat wachtwoordvelden over en alles wat het systeem als beveiligd markeert.</translation>
    </message>
    <message>
        <source>Open Accessibility Settings</source>
        <translation>Toegankelijkheidsinstellingen openen</translation>
    </message>
    <message>
        <source>Pick what writes your suggestions.</source>
        <translation>Kies wat je suggesties schrijft.</translation>
    </message>
    <message>
        <source>You can change this any time in Settings.</source>
        <translation>Je kunt dit altijd wijzigen in Instellingen.</translation>
    </message>
    <message>
        <source>Give it a try.</source>
        <translation>Probeer het eens.</translation>
    </message>
    <message>
        <source>Start typing a sentence. When grey words appear, press Tab for one word or the key above Tab for all of them.</source>
        <translation>Begin een zin te typen. Als er grijze woorden verschijnen, druk dan op Tab voor één woord of op de toets boven Tab voor allemaal.</translation>
    </message>
    <message>
        <source>Hi Orlenn, thanks for the quick reply. I think we should</source>
        <translation>Hoi Orlenn, bedankt voor je snelle antwoord. Ik denk dat we</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Terug</translation>
    </message>
    <message>
        <source>Practice field</source>
        <translation>Oefenveld</translation>
    </message>
    <message>
        <source>Default, on</source>
        <translation>Standaard, aan</translation>
    </message>
    <message>
        <source>Default, off</source>
        <translation>Standaard, uit</translation>
    </message>
    <message>
        <source>Add a website</source>
        <translation>Website toevoegen</translation>
    </message>
    <message>
        <source>Domain</source>
        <translation>Domein</translation>
    </message>
    <message>
        <source>Rules for a site apply in any browser %app can read.</source>
        <translation>Regels voor een site gelden in elke browser die %app kan lezen.</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Toevoegen</translation>
    </message>
    <message>
        <source>Add App…</source>
        <translation>App toevoegen…</translation>
    </message>
    <message>
        <source>Add an app</source>
        <translation>App toevoegen</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Zoeken</translation>
    </message>
    <message>
        <source>Clear search</source>
        <translation>Zoekopdracht wissen</translation>
    </message>
    <message>
        <source>Add an app or website</source>
        <translation>Een app of website toevoegen</translation>
    </message>
    <message>
        <source>Add Website…</source>
        <translation>Website toevoegen…</translation>
    </message>
    <message>
        <source>Apps &amp; Sites</source>
        <translation>Apps &amp; sites</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Gepauzeerd</translation>
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
        <translation>Geen resultaten</translation>
    </message>
    <message>
        <source>No apps yet</source>
        <translation>Nog geen apps</translation>
    </message>
    <message>
        <source>Nothing matches “%1”.</source>
        <translation>Niets komt overeen met ‘%1’.</translation>
    </message>
    <message>
        <source>Apps appear here once you accept a suggestion in them, or add one with +.</source>
        <translation>Apps verschijnen hier zodra je er een suggestie accepteert, of voeg er een toe met +.</translation>
    </message>
    <message>
        <source>Pick an app or site</source>
        <translation>Kies een app of site</translation>
    </message>
    <message>
        <source>Each one can have its own rules. Anything you don&apos;t change follows General.</source>
        <translation>Elk kan eigen regels hebben. Wat je niet wijzigt, volgt ‘Algemeen’.</translation>
    </message>
    <message>
        <source>Words saved here</source>
        <translation>Hier bespaarde woorden</translation>
    </message>
    <message>
        <source>Suggestions</source>
        <translation>Suggesties</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Aan</translation>
    </message>
    <message>
        <source>Tab accepts suggestions</source>
        <translation>Tab accepteert suggesties</translation>
    </message>
    <message>
        <source>Turn off where Tab already means something, like indenting. The other accept key still works.</source>
        <translation>Zet dit uit waar Tab al iets doet, zoals inspringen. De andere accepteertoets werkt nog steeds.</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Standaard</translation>
    </message>
    <message>
        <source>Insert by</source>
        <translation>Invoegen via</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Lengte</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Hervatten</translation>
    </message>
    <message>
        <source>Pause here</source>
        <translation>Hier pauzeren</translation>
    </message>
    <message>
        <source>Memory</source>
        <translation>Geheugen</translation>
    </message>
    <message>
        <source>Remember my writing here</source>
        <translation>Onthouden hoe ik hier schrijf</translation>
    </message>
    <message>
        <source>Writing memory is off in Your Voice.</source>
        <translation>Schrijfgeheugen staat uit in ‘Jouw stijl’.</translation>
    </message>
    <message>
        <source>Erase…</source>
        <translation>Wissen…</translation>
    </message>
    <message>
        <source>Reset to Defaults</source>
        <translation>Standaardwaarden herstellen</translation>
    </message>
    <message>
        <source>Erase what %app remembered from %1?</source>
        <translation>Wissen wat %app in %1 heeft onthouden?</translation>
    </message>
    <message>
        <source>Erase</source>
        <translation>Wissen</translation>
    </message>
    <message>
        <source>Passages from this app can shape suggestions everywhere.</source>
        <translation>Fragmenten uit deze app kunnen suggesties overal beïnvloeden.</translation>
    </message>
    <message>
        <source>Finish setting up</source>
        <translation>Instellen afronden</translation>
    </message>
    <message>
        <source>Setup progress</source>
        <translation>Voortgang</translation>
    </message>
    <message>
        <source>Done: %1</source>
        <translation>Klaar: %1</translation>
    </message>
    <message>
        <source>Best day yet!</source>
        <translation>Beste dag tot nu toe!</translation>
    </message>
    <message>
        <source>Try it here</source>
        <translation>Probeer het hier</translation>
    </message>
    <message>
        <source>Thanks for sending the draft over. I had a look and</source>
        <translation>Bedankt voor het sturen van het concept. Ik heb er even naar gekeken en</translation>
    </message>
    <message>
        <source>next word</source>
        <translation>volgend woord</translation>
    </message>
    <message>
        <source>whole suggestion</source>
        <translation>hele suggestie</translation>
    </message>
    <message>
        <source>hide it</source>
        <translation>verbergen</translation>
    </message>
    <message>
        <source>This field runs the real engine. Start typing and grey words show up as you go.</source>
        <translation>Dit veld gebruikt de echte engine. Begin te typen en grijze woorden verschijnen gaandeweg.</translation>
    </message>
    <message>
        <source>This field runs the real engine, even before you allow Accessibility. Start typing and grey words show up as you go.</source>
        <translation>Dit veld gebruikt de echte engine, zelfs voordat je Toegankelijkheid toestaat. Begin te typen en grijze woorden verschijnen gaandeweg.</translation>
    </message>
    <message>
        <source>You&apos;re all set</source>
        <translation>Je bent klaar</translation>
    </message>
    <message>
        <source>Accessibility is on and %1 is ready. %app works in every app you type in.</source>
        <translation>Toegankelijkheid staat aan en %1 is klaar. %app werkt in elke app waarin je typt.</translation>
    </message>
    <message>
        <source>Waiting for %1 to quit</source>
        <translation>Wachten tot %1 afsluit</translation>
    </message>
    <message>
        <source>Turned off</source>
        <translation>Uitgeschakeld</translation>
    </message>
    <message>
        <source>Paused everywhere</source>
        <translation>Overal gepauzeerd</translation>
    </message>
    <message>
        <source>%1, %2 typical wait</source>
        <translation>%1, doorgaans %2 wachttijd</translation>
    </message>
    <message>
        <source>Start your streak today.</source>
        <translation>Begin vandaag je reeks.</translation>
    </message>
    <message>
        <source>Overview</source>
        <translation>Overzicht</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Algemeen</translation>
    </message>
    <message>
        <source>Engine</source>
        <translation>Engine</translation>
    </message>
    <message>
        <source>Context</source>
        <translation>Context</translation>
    </message>
    <message>
        <source>Your Voice</source>
        <translation>Jouw stijl</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Toetsen</translation>
    </message>
    <message>
        <source>Emoji</source>
        <translation>Emoji</translation>
    </message>
    <message>
        <source>Battery</source>
        <translation>Batterij</translation>
    </message>
    <message>
        <source>Insights</source>
        <translation>Statistieken</translation>
    </message>
    <message>
        <source>Field Inspector</source>
        <translation>Veldinspecteur</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Over</translation>
    </message>
    <message>
        <source>How %app is doing today</source>
        <translation>Hoe het vandaag met %app gaat</translation>
    </message>
    <message>
        <source>Where and how suggestions appear</source>
        <translation>Waar en hoe suggesties verschijnen</translation>
    </message>
    <message>
        <source>The model that writes your suggestions</source>
        <translation>Het model dat je suggesties schrijft</translation>
    </message>
    <message>
        <source>What %app may look at to guess better</source>
        <translation>Waar %app naar mag kijken om beter te raden</translation>
    </message>
    <message>
        <source>Help suggestions sound like you</source>
        <translation>Suggesties die klinken als jij</translation>
    </message>
    <message>
        <source>Accept, dismiss and summon suggestions</source>
        <translation>Suggesties accepteren, wegklikken en oproepen</translation>
    </message>
    <message>
        <source>Emoji search and emoticons</source>
        <translation>Emoji zoeken en emoticons</translation>
    </message>
    <message>
        <source>Rules for each app and website</source>
        <translation>Regels per app en website</translation>
    </message>
    <message>
        <source>Save power when you&apos;re unplugged</source>
        <translation>Stroom besparen op de batterij</translation>
    </message>
    <message>
        <source>Words saved and how fast suggestions arrive</source>
        <translation>Bespaarde woorden en hoe snel suggesties komen</translation>
    </message>
    <message>
        <source>What %app sees in the focused field</source>
        <translation>Wat %app ziet in het actieve veld</translation>
    </message>
    <message>
        <source>Version and privacy</source>
        <translation>Versie en privacy</translation>
    </message>
    <message>
        <source>Writing</source>
        <translation>Schrijven</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Invoer</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Regels</translation>
    </message>
    <message>
        <source>Activity</source>
        <translation>Activiteit</translation>
    </message>
    <message>
        <source>%app can read the field you&apos;re typing in and insert suggestions in any app.</source>
        <translation>%app kan het veld lezen waarin je typt en in elke app suggesties invoegen.</translation>
    </message>
    <message>
        <source>Allow Accessibility access</source>
        <translation>Toegang tot Toegankelijkheid toestaan</translation>
    </message>
    <message>
        <source>%app needs it to read the text you type in other apps and to insert suggestions.</source>
        <translation>%app heeft dit nodig om de tekst te lezen die je in andere apps typt en om suggesties in te voegen.</translation>
    </message>
    <message>
        <source>Allow…</source>
        <translation>Toestaan…</translation>
    </message>
    <message>
        <source>%1 is ready</source>
        <translation>%1 is klaar</translation>
    </message>
    <message>
        <source>Checking %1</source>
        <translation>%1 wordt gecontroleerd</translation>
    </message>
    <message>
        <source>This takes a moment.</source>
        <translation>Dit duurt even.</translation>
    </message>
    <message>
        <source>Your engine isn&apos;t ready</source>
        <translation>Je engine is niet klaar</translation>
    </message>
    <message>
        <source>Open Engine</source>
        <translation>‘Engine’ openen</translation>
    </message>
    <message>
        <source>The system&apos;s predictions are off</source>
        <translation>De systeemvoorspellingen staan uit</translation>
    </message>
    <message>
        <source>Only %app&apos;s suggestions appear while you type.</source>
        <translation>Alleen de suggesties van %app verschijnen terwijl je typt.</translation>
    </message>
    <message>
        <source>Turn off the system&apos;s predictions</source>
        <translation>Systeemvoorspellingen uitzetten</translation>
    </message>
    <message>
        <source>The system shows its own grey suggestions on top of %app&apos;s. Each app picks up the change the next time you open it.</source>
        <translation>Het systeem toont eigen grijze suggesties bovenop die van %app. Elke app neemt de wijziging over zodra je hem weer opent.</translation>
    </message>
    <message>
        <source>Keyboard Settings</source>
        <translation>Toetsenbordinstellingen</translation>
    </message>
    <message>
        <source>Turn Off</source>
        <translation>Uitzetten</translation>
    </message>
    <message>
        <source>Only %app is suggesting</source>
        <translation>Alleen %app geeft suggesties</translation>
    </message>
    <message>
        <source>Tab reaches %app again.</source>
        <translation>De Tab-toets werkt weer voor %app.</translation>
    </message>
    <message numerus="yes">
        <source>%1 didn&apos;t quit. They may be showing a dialog. Force Quit closes them right away.</source>
        <translation>
            <numerusform>%1 is niet afgesloten. Misschien toont het een dialoogvenster. ‘Geforceerd stoppen’ sluit het meteen.</numerusform>
            <numerusform>%1 zijn niet afgesloten. Misschien tonen ze een dialoogvenster. ‘Geforceerd stoppen’ sluit ze meteen.</numerusform>
        </translation>
    </message>
    <message>
        <source>Force Quit</source>
        <translation>Geforceerd stoppen</translation>
    </message>
    <message numerus="yes">
        <source>%1 take the Tab key before %app can, so %app stays paused in your other apps until you quit them.</source>
        <translation>
            <numerusform>%1 pakt de Tab-toets eerder dan %app, dus %app blijft in je andere apps gepauzeerd tot je het afsluit.</numerusform>
            <numerusform>%1 pakken de Tab-toets eerder dan %app, dus %app blijft in je andere apps gepauzeerd tot je ze afsluit.</numerusform>
        </translation>
    </message>
    <message>
        <source>Only when I ask</source>
        <translation>Alleen als ik erom vraag</translation>
    </message>
    <message>
        <source>On battery, suggestions appear only after you press the Suggest Now shortcut.</source>
        <translation>Op de batterij verschijnen suggesties pas nadat je de sneltoets ‘Nu voorstellen’ indrukt.</translation>
    </message>
    <message>
        <source>Shorter suggestions</source>
        <translation>Kortere suggesties</translation>
    </message>
    <message>
        <source>Fewer words take less power to write.</source>
        <translation>Minder woorden kosten minder stroom.</translation>
    </message>
    <message>
        <source>Lighter model</source>
        <translation>Lichter model</translation>
    </message>
    <message>
        <source>Same as plugged in</source>
        <translation>Zoals aan de lader</translation>
    </message>
    <message>
        <source>Running on battery. These apply right now.</source>
        <translation>Op de batterij. Deze instellingen gelden nu.</translation>
    </message>
    <message>
        <source>Plugged in. These wait until you unplug.</source>
        <translation>Aan de lader. Deze instellingen gelden zodra je de lader loskoppelt.</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Model</translation>
    </message>
    <message>
        <source>Model name</source>
        <translation>Modelnaam</translation>
    </message>
    <message>
        <source>Reload the model list</source>
        <translation>Modellenlijst vernieuwen</translation>
    </message>
    <message>
        <source>Choose a model</source>
        <translation>Kies een model</translation>
    </message>
    <message>
        <source>For people who already run Ollama, LM Studio or llama-server.</source>
        <translation>Voor wie al Ollama, LM Studio of llama-server gebruikt.</translation>
    </message>
    <message>
        <source>Use your own model</source>
        <translation>Je eigen model gebruiken</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adres</translation>
    </message>
    <message>
        <source>API key</source>
        <translation>API-sleutel</translation>
    </message>
    <message>
        <source>Only if your server asks for one</source>
        <translation>Alleen als je server erom vraagt</translation>
    </message>
    <message>
        <source>Focused</source>
        <translation>Gericht</translation>
    </message>
    <message>
        <source>Creativity</source>
        <translation>Creativiteit</translation>
    </message>
    <message>
        <source>Loose</source>
        <translation>Vrij</translation>
    </message>
    <message>
        <source>Lower stays close to the obvious next words. Higher tries more.</source>
        <translation>Lager blijft dicht bij de voor de hand liggende woorden. Hoger probeert meer.</translation>
    </message>
    <message>
        <source>Wait before suggesting</source>
        <translation>Wachten vóór een suggestie</translation>
    </message>
    <message>
        <source>How long you pause before %app starts.</source>
        <translation>Hoe lang je pauzeert voordat %app begint.</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Uitvoeren</translation>
    </message>
    <message>
        <source>Try the engine</source>
        <translation>Engine testen</translation>
    </message>
    <message>
        <source>Sends a sample sentence and shows what comes back.</source>
        <translation>Stuurt een voorbeeldzin en toont wat er terugkomt.</translation>
    </message>
    <message>
        <source>Running…</source>
        <translation>Bezig…</translation>
    </message>
    <message>
        <source>The engine answered in %1 but had nothing useful to add.</source>
        <translation>De engine antwoordde in %1, maar had niets nuttigs toe te voegen.</translation>
    </message>
    <message>
        <source>That didn&apos;t work: %1</source>
        <translation>Dat werkte niet: %1</translation>
    </message>
    <message>
        <source>The request was cancelled.</source>
        <translation>Het verzoek is geannuleerd.</translation>
    </message>
    <message>
        <source>Startup</source>
        <translation>Opstarten</translation>
    </message>
    <message>
        <source>Launch at login</source>
        <translation>Starten bij inloggen</translation>
    </message>
    <message>
        <source>Show today&apos;s word count next to the icon</source>
        <translation>Woorden van vandaag naast het pictogram tonen</translation>
    </message>
    <message>
        <source>Where suggestions appear</source>
        <translation>Waar suggesties verschijnen</translation>
    </message>
    <message>
        <source>Turn this off to use %app only in the apps you switch on under Apps &amp; Sites.</source>
        <translation>Zet dit uit om %app alleen te gebruiken in de apps die je aanzet onder ‘Apps &amp; sites’.</translation>
    </message>
    <message>
        <source>By default %app waits until the caret is at the end of a line.</source>
        <translation>Standaard wacht %app tot de cursor aan het einde van een regel staat.</translation>
    </message>
    <message>
        <source>Without this, %app skips search bars and one-word boxes.</source>
        <translation>Zonder dit slaat %app zoekbalken en velden voor één woord over.</translation>
    </message>
    <message>
        <source>Suggestions appear only after you press the Suggest Now shortcut.</source>
        <translation>Suggesties verschijnen pas nadat je de sneltoets ‘Nu voorstellen’ indrukt.</translation>
    </message>
    <message>
        <source>Spelling</source>
        <translation>Spelling</translation>
    </message>
    <message>
        <source>Waits while the word you&apos;re typing looks misspelled, so %app doesn&apos;t build on a typo.</source>
        <translation>Wacht zolang het woord dat je typt verkeerd gespeld lijkt, zodat %app niet op een typfout voortbouwt.</translation>
    </message>
    <message>
        <source>After a misspelled word, shows a fix next to the caret. Press Tab to swap it in.</source>
        <translation>Toont na een verkeerd gespeld woord een correctie naast de cursor. Druk op Tab om die over te nemen.</translation>
    </message>
    <message>
        <source>Look</source>
        <translation>Uiterlijk</translation>
    </message>
    <message>
        <source>Suggestion color</source>
        <translation>Kleur van suggesties</translation>
    </message>
    <message>
        <source>Text size</source>
        <translation>Tekstgrootte</translation>
    </message>
    <message>
        <source>Fine-tune if suggestions look larger or smaller than your text.</source>
        <translation>Stel bij als suggesties groter of kleiner lijken dan je tekst.</translation>
    </message>
    <message>
        <source>Vertical position</source>
        <translation>Verticale positie</translation>
    </message>
    <message>
        <source>Nudge suggestions up or down to line up with your text.</source>
        <translation>Schuif suggesties omhoog of omlaag zodat ze op één lijn staan met je tekst.</translation>
    </message>
    <message>
        <source>A small keycap after your first suggestions, as a reminder of what to press.</source>
        <translation>Een klein toetspictogram na je eerste suggesties, als geheugensteun voor wat je indrukt.</translation>
    </message>
    <message>
        <source>Insert suggestions by</source>
        <translation>Suggesties invoegen via</translation>
    </message>
    <message>
        <source>Other autocomplete apps</source>
        <translation>Andere apps voor aanvullen</translation>
    </message>
    <message>
        <source>They take the Tab key before %app can. With this off, %app asks you first.</source>
        <translation>Die pakken de Tab-toets eerder dan %app. Met dit uit vraagt %app het je eerst.</translation>
    </message>
    <message>
        <source>%1 is another device on your network, so the text around your caret will be sent there.</source>
        <translation>%1 is een ander apparaat in je netwerk, dus de tekst rond je cursor wordt daarheen gestuurd.</translation>
    </message>
    <message>
        <source>%1 isn&apos;t this computer, so the text around your caret will be sent there.</source>
        <translation>%1 is niet deze computer, dus de tekst rond je cursor wordt daarheen gestuurd.</translation>
    </message>
    <message>
        <source>Both keep your text on this computer.</source>
        <translation>Beide houden je tekst op deze computer.</translation>
    </message>
    <message>
        <source>%app opens by itself when you start your computer.</source>
        <translation>%app opent vanzelf als je je computer start.</translation>
    </message>
    <message>
        <source>System predictions</source>
        <translation>Systeemvoorspellingen</translation>
    </message>
    <message>
        <source>The system can show its own grey predictions. Keeping them off avoids two suggestions at once.</source>
        <translation>Het systeem kan eigen grijze voorspellingen tonen. Ze uit laten voorkomt twee suggesties tegelijk.</translation>
    </message>
    <message>
        <source>System predictions are on</source>
        <translation>Systeemvoorspellingen staan aan</translation>
    </message>
    <message>
        <source>System predictions are off</source>
        <translation>Systeemvoorspellingen staan uit</translation>
    </message>
    <message>
        <source>tab</source>
        <translation>tab</translation>
    </message>
    <message>
        <source>Your next words, one Tab away.</source>
        <translation>Je volgende woorden, één Tab verderop.</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Overslaan</translation>
    </message>
    <message>
        <source>Get Started</source>
        <translation>Aan de slag</translation>
    </message>
    <message>
        <source>Turn sound on</source>
        <translation>Geluid aan</translation>
    </message>
    <message>
        <source>Turn sound off</source>
        <translation>Geluid uit</translation>
    </message>
    <message>
        <source>The other app</source>
        <translation>De andere app</translation>
    </message>
    <message numerus="yes">
        <source>Next time, quit %1 without asking</source>
        <translation>
            <numerusform>Volgende keer %1 afsluiten zonder te vragen</numerusform>
            <numerusform>Volgende keer %1 afsluiten zonder te vragen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 is also running</source>
        <translation>
            <numerusform>%1 draait ook</numerusform>
            <numerusform>%1 draaien ook</numerusform>
        </translation>
    </message>
    <message>
        <source>Quitting…</source>
        <translation>Afsluiten…</translation>
    </message>
    <message numerus="yes">
        <source>%1 is still open</source>
        <translation>
            <numerusform>%1 is nog open</numerusform>
            <numerusform>%1 zijn nog open</numerusform>
        </translation>
    </message>
    <message>
        <source>%app has the Tab key</source>
        <translation>%app heeft de Tab-toets</translation>
    </message>
    <message>
        <source>%1 quit, so your suggestions are back in every app.</source>
        <translation>%1 is afgesloten, dus je suggesties zijn terug in elke app.</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Gereed</translation>
    </message>
    <message>
        <source>Open Source Notices</source>
        <translation>Opensourcevermeldingen</translation>
    </message>
    <message>
        <source>Reset all settings?</source>
        <translation>Alle instellingen herstellen?</translation>
    </message>
    <message>
        <source>This also clears your rules for apps and sites. Your statistics and writing memory stay.</source>
        <translation>Dit wist ook je regels voor apps en sites. Je statistieken en schrijfgeheugen blijven.</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Herstellen</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versie %1</translation>
    </message>
    <message>
        <source>Some apps hide their text</source>
        <translation>Sommige apps verbergen hun tekst</translation>
    </message>
    <message>
        <source>Suggest emoji after a colon</source>
        <translation>Emoji voorstellen na een dubbele punt</translation>
    </message>
    <message>
        <source>Turn emoticons into emoji</source>
        <translation>Emoticons omzetten in emoji</translation>
    </message>
    <message>
        <source>After :-) or &lt;3, %app offers the matching emoji. Press Tab to swap it in.</source>
        <translation>Na :-) of &lt;3 biedt %app de bijpassende emoji aan. Druk op Tab om die in te voegen.</translation>
    </message>
    <message>
        <source>Skin tone</source>
        <translation>Huidskleur</translation>
    </message>
    <message>
        <source>Also show the default yellow</source>
        <translation>Ook het standaardgeel tonen</translation>
    </message>
    <message>
        <source>Try a word</source>
        <translation>Probeer een woord</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Licht</translation>
    </message>
    <message>
        <source>No emoji match “%1”</source>
        <translation>Geen emoji voor ‘%1’</translation>
    </message>
    <message>
        <source>Accepting</source>
        <translation>Accepteren</translation>
    </message>
    <message>
        <source>Take the next word</source>
        <translation>Volgende woord nemen</translation>
    </message>
    <message>
        <source>Press again for each following word.</source>
        <translation>Druk nogmaals voor elk volgend woord.</translation>
    </message>
    <message>
        <source>Take the whole suggestion</source>
        <translation>Hele suggestie nemen</translation>
    </message>
    <message>
        <source>The key above Tab is easy to reach on most keyboards.</source>
        <translation>De toets boven Tab is op de meeste toetsenborden makkelijk te bereiken.</translation>
    </message>
    <message>
        <source>Include the space after a word</source>
        <translation>Spatie na een woord meenemen</translation>
    </message>
    <message>
        <source>Include punctuation right after a word</source>
        <translation>Leestekens direct na een woord meenemen</translation>
    </message>
    <message>
        <source>When you press Escape</source>
        <translation>Als je op Esc drukt</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Sneltoetsen</translation>
    </message>
    <message>
        <source>Suggest now</source>
        <translation>Nu voorstellen</translation>
    </message>
    <message>
        <source>Asks for a suggestion right away, even where %app would normally wait.</source>
        <translation>Vraagt meteen om een suggestie, ook waar %app normaal zou wachten.</translation>
    </message>
    <message>
        <source>Other suggestions</source>
        <translation>Andere suggesties</translation>
    </message>
    <message>
        <source>Lists a few different ways to continue. Choose with the arrow keys, then press Tab.</source>
        <translation>Toont een paar manieren om verder te gaan. Kies met de pijltjestoetsen en druk op Tab.</translation>
    </message>
    <message>
        <source>Pause or resume in this app</source>
        <translation>Pauzeren of hervatten in deze app</translation>
    </message>
    <message>
        <source>Pauses for 15 minutes.</source>
        <translation>Pauzeert 15 minuten.</translation>
    </message>
    <message>
        <source>Turn %app on or off</source>
        <translation>%app aan- of uitzetten</translation>
    </message>
    <message>
        <source>Everywhere, until you press it again.</source>
        <translation>Overal, tot je er weer op drukt.</translation>
    </message>
    <message>
        <source>Pause or resume</source>
        <translation>Pauzeren of hervatten</translation>
    </message>
    <message>
        <source>Turn on or off</source>
        <translation>Aan- of uitzetten</translation>
    </message>
    <message>
        <source>%1 and %2 use the same keys. Only the first will work.</source>
        <translation>‘%1’ en ‘%2’ gebruiken dezelfde toetsen. Alleen de eerste werkt.</translation>
    </message>
    <message>
        <source>About you</source>
        <translation>Over jou</translation>
    </message>
    <message>
        <source>For example: I&apos;m a product designer in Berlin. I write short, friendly emails in British English and sign off with Cheers.</source>
        <translation>Bijvoorbeeld: ik ben productontwerper in Berlijn. Ik schrijf korte, vriendelijke e-mails in Brits Engels en sluit af met ‘Cheers’.</translation>
    </message>
    <message>
        <source>Your role, the languages you write in, names you use often, how you like to sound.</source>
        <translation>Je rol, de talen waarin je schrijft, namen die je vaak gebruikt, hoe je wilt klinken.</translation>
    </message>
    <message>
        <source>Writing memory</source>
        <translation>Schrijfgeheugen</translation>
    </message>
    <message>
        <source>Remember how I write</source>
        <translation>Onthouden hoe ik schrijf</translation>
    </message>
    <message>
        <source>Also remember fields where I accept nothing</source>
        <translation>Ook velden onthouden waarin ik niets accepteer</translation>
    </message>
    <message>
        <source>%app learns your style sooner but keeps more of what you type.</source>
        <translation>%app leert je stijl sneller, maar bewaart meer van wat je typt.</translation>
    </message>
    <message>
        <source>Influence</source>
        <translation>Invloed</translation>
    </message>
    <message>
        <source>Strong</source>
        <translation>Sterk</translation>
    </message>
    <message>
        <source>How many of your passages each suggestion can draw on.</source>
        <translation>Op hoeveel van je fragmenten elke suggestie kan steunen.</translation>
    </message>
    <message>
        <source>Erase All…</source>
        <translation>Alles wissen…</translation>
    </message>
    <message>
        <source>Erase everything %app remembered?</source>
        <translation>Alles wissen wat %app heeft onthouden?</translation>
    </message>
    <message>
        <source>This can&apos;t be undone.</source>
        <translation>Dit is niet ongedaan te maken.</translation>
    </message>
    <message>
        <source>Erase All</source>
        <translation>Alles wissen</translation>
    </message>
    <message>
        <source>Nothing remembered yet</source>
        <translation>Nog niets onthouden</translation>
    </message>
    <message>
        <source>App and window name</source>
        <translation>App- en vensternaam</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>Website</translation>
    </message>
    <message>
        <source>The site&apos;s domain when you write in a browser.</source>
        <translation>Het domein van de site als je in een browser schrijft.</translation>
    </message>
    <message>
        <source>Recently copied text</source>
        <translation>Recent gekopieerde tekst</translation>
    </message>
    <message>
        <source>Anything you copied in the last 10 minutes. Copies from password managers are skipped.</source>
        <translation>Alles wat je de afgelopen 10 minuten hebt gekopieerd. Kopieën uit wachtwoordbeheerders worden overgeslagen.</translation>
    </message>
    <message>
        <source>Text on screen</source>
        <translation>Tekst op het scherm</translation>
    </message>
    <message>
        <source>Reads the window you&apos;re writing in, so replies fit the conversation. It picks the lines closest to where you type.</source>
        <translation>Leest het venster waarin je schrijft, zodat antwoorden bij het gesprek passen. Kiest de regels die het dichtst bij je typpositie staan.</translation>
    </message>
    <message>
        <source>What you just looked at</source>
        <translation>Wat je net hebt bekeken</translation>
    </message>
    <message>
        <source>Windows beside you</source>
        <translation>Vensters ernaast</translation>
    </message>
    <message>
        <source>Also reads up to two other windows on the same screen, like the document you&apos;re replying about. Skips password managers and apps you switched off.</source>
        <translation>Leest ook tot twee andere vensters op hetzelfde scherm, zoals het document waar je antwoord over gaat. Slaat wachtwoordbeheerders en apps die je hebt uitgezet over.</translation>
    </message>
    <message>
        <source>Off in this app</source>
        <translation>Uit in deze app</translation>
    </message>
    <message>
        <source>This word looks misspelled</source>
        <translation>Dit woord lijkt verkeerd gespeld</translation>
    </message>
    <message>
        <source>Thanks for the notes. I&apos;ll send the revised deck</source>
        <translation>Bedankt voor de opmerkingen. Ik stuur de herziene presentatie</translation>
    </message>
    <message>
        <source> by Friday morning.</source>
        <translation> uiterlijk vrijdagochtend.</translation>
    </message>
    <message>
        <source>%1 quit. %app has the Tab key.</source>
        <translation>%1 is afgesloten. %app heeft de Tab-toets.</translation>
    </message>
    <message>
        <source>Open Data Folder</source>
        <translation>Gegevensmap openen</translation>
    </message>
    <message>
        <source>Show Welcome Again</source>
        <translation>Welkomstscherm opnieuw tonen</translation>
    </message>
    <message>
        <source>Play Intro Again</source>
        <translation>Intro opnieuw afspelen</translation>
    </message>
    <message>
        <source>Reset Settings…</source>
        <translation>Instellingen herstellen…</translation>
    </message>
    <message>
        <source>Suggest in every app</source>
        <translation>In elke app voorstellen</translation>
    </message>
    <message>
        <source>Suggest in code editors</source>
        <translation>In code-editors voorstellen</translation>
    </message>
    <message>
        <source>Suggest in the middle of a line</source>
        <translation>Midden in een regel voorstellen</translation>
    </message>
    <message>
        <source>Suggest in small fields</source>
        <translation>In kleine velden voorstellen</translation>
    </message>
    <message>
        <source>Hold back on misspelled words</source>
        <translation>Wachten als een woord verkeerd gespeld lijkt</translation>
    </message>
    <message>
        <source>Offer spelling fixes</source>
        <translation>Spellingcorrecties aanbieden</translation>
    </message>
    <message>
        <source>Show the key hint</source>
        <translation>Toetstip tonen</translation>
    </message>
    <message>
        <source>Quit other autocomplete apps when they open</source>
        <translation>Andere apps voor aanvullen afsluiten als ze openen</translation>
    </message>
    <message>
        <source>Keeps a few minutes of text from windows you switched away from, like a page you read before replying. It stays on your computer and skips apps you switched off.</source>
        <translation>Bewaart een paar minuten tekst uit vensters die je hebt verlaten, zoals een pagina die je las voor je antwoordde. Het blijft op je computer en slaat apps over die je hebt uitgezet.</translation>
    </message>
    <message numerus="yes">
        <source>Both apps answer the Tab key, and the system gives it to %1 first. %app stays paused in your other apps until %1 quits.</source>
        <translation>
            <numerusform>Beide apps reageren op de Tab-toets en het systeem geeft die eerst aan %1. %app blijft in je andere apps gepauzeerd tot %1 afsluit.</numerusform>
            <numerusform>%1 pakken de Tab-toets eerder dan %app, dus %app blijft in je andere apps gepauzeerd tot je ze afsluit.</numerusform>
        </translation>
    </message>
    <message>
        <source>Finishes your sentences in any app, on your computer.</source>
        <translation>Maakt je zinnen af in elke app, op je computer.</translation>
    </message>
    <message>
        <source>Keeps short passages from fields where you accepted a suggestion, encrypted on this computer, and shows them to the model as examples.</source>
        <translation>Bewaart korte fragmenten uit velden waarin je een suggestie hebt geaccepteerd, versleuteld op deze computer, en toont ze het model als voorbeeld.</translation>
    </message>
    <message>
        <source>Light</source>
        <comment>skin tone</comment>
        <translation>Licht</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Default</source>
        <comment>skin tone</comment>
        <translation>Standaard</translation>
    </message>
    <message>
        <source>Medium light</source>
        <comment>skin tone</comment>
        <translation>Lichtgetint</translation>
    </message>
    <message>
        <source>Medium</source>
        <comment>skin tone</comment>
        <translation>Getint</translation>
    </message>
    <message>
        <source>Medium dark</source>
        <comment>skin tone</comment>
        <translation>Donkergetint</translation>
    </message>
    <message>
        <source>Dark</source>
        <comment>skin tone</comment>
        <translation>Donker</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Onbekend</translation>
    </message>
    <message>
        <source>%1 × %2 pt</source>
        <translation>%1 × %2 pt</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nee</translation>
    </message>
    <message>
        <source>Not reported, estimated from the caret</source>
        <translation>Niet doorgegeven, geschat op basis van de cursor</translation>
    </message>
    <message>
        <source>%1 %2 pt</source>
        <translation>%1 %2 pt</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Systeem</translation>
    </message>
    <message>
        <source>Not yet</source>
        <translation>Nog niet</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Vandaag</translation>
    </message>
    <message>
        <source>Last 7 days</source>
        <translation>Afgelopen 7 dagen</translation>
    </message>
    <message>
        <source>All time</source>
        <translation>Sinds het begin</translation>
    </message>
    <message>
        <source>Typing saved</source>
        <translation>Bespaard typwerk</translation>
    </message>
    <message>
        <source>at 40 words a minute</source>
        <translation>bij 40 woorden per minuut</translation>
    </message>
    <message>
        <source>Accepted</source>
        <translation>Geaccepteerd</translation>
    </message>
    <message>
        <source>of suggestions shown</source>
        <translation>van de getoonde suggesties</translation>
    </message>
    <message>
        <source>Typical wait</source>
        <translation>Typische wachttijd</translation>
    </message>
    <message>
        <source>9 in 10 under %1</source>
        <translation>9 op 10 onder %1</translation>
    </message>
    <message>
        <source>no requests yet</source>
        <translation>nog geen verzoeken</translation>
    </message>
    <message>
        <source>Words saved</source>
        <translation>Bespaarde woorden</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>Periode</translation>
    </message>
    <message>
        <source>Nothing to chart yet</source>
        <translation>Nog niets om te tonen</translation>
    </message>
    <message>
        <source>Accept a few suggestions and your days show up here.</source>
        <translation>Accepteer een paar suggesties en je dagen verschijnen hier.</translation>
    </message>
    <message>
        <source>Where you write</source>
        <translation>Waar je schrijft</translation>
    </message>
    <message>
        <source>Reset Statistics…</source>
        <translation>Statistieken herstellen…</translation>
    </message>
    <message>
        <source>Reset all statistics?</source>
        <translation>Alle statistieken herstellen?</translation>
    </message>
    <message>
        <source>This clears words saved, acceptance and timing history.</source>
        <translation>Dit wist de geschiedenis van bespaarde woorden, acceptatie en wachttijden.</translation>
    </message>
    <message>
        <source>Copy Diagnostics</source>
        <translation>Diagnose kopiëren</translation>
    </message>
    <message>
        <source>Diagnostics leave out the text you typed.</source>
        <translation>De diagnose bevat niet de tekst die je hebt getypt.</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Right now</source>
        <translation>Op dit moment</translation>
    </message>
    <message>
        <source>Allowed</source>
        <translation>Toegestaan</translation>
    </message>
    <message>
        <source>Not allowed</source>
        <translation>Niet toegestaan</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Toetsenbord</translation>
    </message>
    <message>
        <source>Listening</source>
        <translation>Luistert</translation>
    </message>
    <message>
        <source>Not listening</source>
        <translation>Luistert niet</translation>
    </message>
    <message>
        <source>Focused field</source>
        <translation>Actief veld</translation>
    </message>
    <message>
        <source>Click into a text field in another app, then come back. The last field %1 saw stays here.</source>
        <translation>Klik in een tekstveld in een andere app en kom dan terug. Het laatste veld dat %1 zag, blijft hier staan.</translation>
    </message>
    <message>
        <source>App</source>
        <translation>App</translation>
    </message>
    <message>
        <source>Field type</source>
        <translation>Veldtype</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>Venster</translation>
    </message>
    <message>
        <source>Field size</source>
        <translation>Veldgrootte</translation>
    </message>
    <message>
        <source>Caret found</source>
        <translation>Cursor gevonden</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Lettertype</translation>
    </message>
    <message>
        <source>At end of line</source>
        <translation>Aan einde van regel</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>Secure input</source>
        <translation>Beveiligde invoer</translation>
    </message>
    <message>
        <source>Looked at lately</source>
        <translation>Onlangs bekeken</translation>
    </message>
    <message>
        <source>Text before the caret</source>
        <translation>Tekst vóór de cursor</translation>
    </message>
    <message>
        <source>Last request</source>
        <translation>Laatste verzoek</translation>
    </message>
    <message>
        <source>Wait</source>
        <translation>Wachttijd</translation>
    </message>
    <message>
        <source>Suggestion</source>
        <translation>Suggestie</translation>
    </message>
    <message>
        <source>Prompt sent to the engine</source>
        <translation>Prompt naar de engine</translation>
    </message>
    <message>
        <source>Raw answer</source>
        <translation>Ruw antwoord</translation>
    </message>
    <message>
        <source>(empty)</source>
        <translation>(leeg)</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>Gekopieerd</translation>
    </message>
    <message>
        <source>Choose a language</source>
        <translation>Kies een taal</translation>
    </message>
    <message>
        <source>Search languages</source>
        <translation>Talen zoeken</translation>
    </message>
    <message>
        <source>Same as my computer</source>
        <translation>Zelfde als mijn computer</translation>
    </message>
    <message>
        <source>Switch to %1?</source>
        <translation>Wisselen naar %1?</translation>
    </message>
    <message>
        <source>%1 closes and opens again in a second. Your settings stay as they are.</source>
        <translation>%1 sluit en opent binnen een seconde opnieuw. Je instellingen blijven zoals ze zijn.</translation>
    </message>
    <message>
        <source>Reopen Now</source>
        <translation>Nu heropenen</translation>
    </message>
    <message>
        <source>App language</source>
        <translation>Apptaal</translation>
    </message>
    <message>
        <source>Pick the language you read most easily. Suggestions follow whatever language you type.</source>
        <translation>Kies de taal die je het makkelijkst leest. Suggesties volgen de taal waarin je typt.</translation>
    </message>
    <message>
        <source>Change the app language</source>
        <translation>De apptaal wijzigen</translation>
    </message>
    <message>
        <source>0 min</source>
        <translation>0 min</translation>
    </message>
    <message>
        <source>under a minute</source>
        <translation>minder dan een minuut</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>Not set</source>
        <translation>Niet ingesteld</translation>
    </message>
    <message>
        <source>Clear shortcut</source>
        <translation>Sneltoets wissen</translation>
    </message>
    <message>
        <source>Add Ctrl, Alt or Super so normal typing still works.</source>
        <translation>Voeg Ctrl, Alt of Super toe zodat gewoon typen blijft werken.</translation>
    </message>
    <message>
        <source>Type a shortcut…</source>
        <translation>Druk op een sneltoets…</translation>
    </message>
    <message>
        <source>Recording shortcut</source>
        <translation>Sneltoets opnemen</translation>
    </message>
    <message>
        <source>Shortcut %1</source>
        <translation>Sneltoets %1</translation>
    </message>
    <message>
        <source>Record shortcut</source>
        <translation>Sneltoets opnemen</translation>
    </message>
    <message>
        <source>Shortcut not set</source>
        <translation>Geen sneltoets ingesteld</translation>
    </message>
    <message>
        <source>Press to record a new shortcut. Escape cancels.</source>
        <translation>Druk om een nieuwe sneltoets op te nemen. Esc annuleert.</translation>
    </message>
    <message>
        <source>Your tray icon is hidden</source>
        <translation>Je systeemvakpictogram is verborgen</translation>
    </message>
    <message>
        <source>This computer has no on-device language model</source>
        <translation>Deze computer heeft geen ingebouwd taalmodel</translation>
    </message>
    <message>
        <source>Turn on the on-device model in the desktop&apos;s settings</source>
        <translation>Zet het apparaatmodel aan in de desktopinstellingen</translation>
    </message>
    <message>
        <source>The on-device model is unavailable</source>
        <translation>Het apparaatmodel is niet beschikbaar</translation>
    </message>
    <message>
        <source>Downloading. The on-device model fills in until it&apos;s done.</source>
        <translation>Bezig met downloaden. Het apparaatmodel springt in tot het klaar is.</translation>
    </message>
    <message>
        <source>The on-device model fills in until you download it.</source>
        <translation>Het apparaatmodel springt in tot je het downloadt.</translation>
    </message>
    <message>
        <source>%1 shares no text. Quit it and start it with %2 to get suggestions in it.</source>
        <translation>%1 deelt geen tekst. Sluit het af en start het met %2 om er suggesties in te krijgen.</translation>
    </message>
    <message>
        <source>On-device model</source>
        <translation>Apparaatmodel</translation>
    </message>
    <message>
        <source>The system&apos;s own language model. Nothing to download.</source>
        <translation>Het eigen taalmodel van het systeem. Niets te downloaden.</translation>
    </message>
    <message>
        <source>A website name cannot hold spaces, tabs or line breaks.</source>
        <translation>Een websitenaam mag geen spaties, tabs of regeleinden bevatten.</translation>
    </message>
    <message>
        <source>Only addresses that start with http or https can be added.</source>
        <translation>Alleen adressen die met http of https beginnen kunnen worden toegevoegd.</translation>
    </message>
    <message>
        <source>That is not a website name. Type one such as wikipedia.org.</source>
        <translation>Dat is geen websitenaam. Typ er een zoals wikipedia.org.</translation>
    </message>
    <message>
        <source>A port is a number from 1 to 65535.</source>
        <translation>Een poort is een getal van 1 tot 65535.</translation>
    </message>
    <message>
        <source>The on-device model fills in until the download is done.</source>
        <translation>Het apparaatmodel springt in tot de download klaar is.</translation>
    </message>
    <message>
        <source>Suggestions start once the download is done.</source>
        <translation>Suggesties beginnen zodra de download klaar is.</translation>
    </message>
    <message>
        <source>This frees %1. The on-device model fills in until you download it again.</source>
        <translation>Dit maakt %1 vrij. Het apparaatmodel springt in tot je het opnieuw downloadt.</translation>
    </message>
    <message>
        <source>This frees %1. The %app model can&apos;t suggest until you download it again.</source>
        <translation>Dit maakt %1 vrij. Het %app-model kan pas weer voorstellen als je het opnieuw downloadt.</translation>
    </message>
    <message>
        <source>There&apos;s no room for it, or your panel has no system tray. Add the panel&apos;s system tray or status area applet in its settings.</source>
        <translation>Er is geen ruimte voor, of je paneel heeft geen systeemvak. Voeg de applet voor systeemvak of statusgebied toe in de paneelinstellingen.</translation>
    </message>
    <message>
        <source>GNOME shows tray icons only with the AppIndicator extension. Install the gnome-shell-extension-appindicator package, log out and in, then turn it on in Extensions.</source>
        <translation>GNOME toont systeemvakpictogrammen alleen met de extensie AppIndicator. Installeer het pakket gnome-shell-extension-appindicator, log uit en weer in, en zet hem aan in ‘Extensies’.</translation>
    </message>
    <message>
        <source>GNOME shows tray icons only with the AppIndicator extension. It is installed but off: turn it on in Extensions.</source>
        <translation>GNOME toont systeemvakpictogrammen alleen met de extensie AppIndicator. Die is geïnstalleerd maar staat uit: zet hem aan in ‘Extensies’.</translation>
    </message>
    <message>
        <source>Until then, open %app from your applications menu to reach Settings.</source>
        <translation>Open %app tot die tijd via je toepassingenmenu om bij Instellingen te komen.</translation>
    </message>
    <message>
        <source>Open Extensions</source>
        <translation>‘Extensies’ openen</translation>
    </message>
    <message>
        <source>Show Count in Tray</source>
        <translation>Aantal in systeemvak tonen</translation>
    </message>
    <message>
        <source>%1 shares no text</source>
        <translation>%1 deelt geen tekst</translation>
    </message>
    <message>
        <source>Copy command</source>
        <translation>Opdracht kopiëren</translation>
    </message>
    <message>
        <source>There&apos;s no account and no analytics. With the %app model or the on-device model, your text stays on this computer.</source>
        <translation>Geen account en geen gebruiksstatistieken. Met het %app-model of het apparaatmodel blijft je tekst op deze computer.</translation>
    </message>
    <message>
        <source>There&apos;s no account and no analytics. With the %app model, your text stays on this computer.</source>
        <translation>Geen account en geen gebruiksstatistieken. Met het %app-model blijft je tekst op deze computer.</translation>
    </message>
    <message>
        <source>%app lives in your system tray from now on. Click its icon to pause it in an app or open Settings.</source>
        <translation>%app woont vanaf nu in je systeemvak. Klik op het pictogram om het in een app te pauzeren of Instellingen te openen.</translation>
    </message>
    <message>
        <source>%app has no account, no analytics and no servers of its own. The %app model and the on-device model keep your text on this computer. Other engines get it only if you set one up.</source>
        <translation>%app heeft geen account, geen gebruiksstatistieken en geen eigen servers. Het %app-model en het apparaatmodel houden je tekst op deze computer. Andere engines krijgen hem alleen als je er een instelt.</translation>
    </message>
    <message>
        <source>%app has no account, no analytics and no servers of its own. The %app model keeps your text on this computer. Other engines get it only if you set one up.</source>
        <translation>%app heeft geen account, geen gebruiksstatistieken en geen eigen servers. Het %app-model houdt je tekst op deze computer. Andere engines krijgen hem alleen als je er een instelt.</translation>
    </message>
    <message>
        <source>Installed applications</source>
        <translation>Geïnstalleerde toepassingen</translation>
    </message>
    <message>
        <source>%app reads these only while making a suggestion and never saves them. With the %app model or the on-device model, nothing leaves your computer.</source>
        <translation>%app leest deze alleen tijdens het maken van een suggestie en slaat ze nooit op. Met het %app-model of het apparaatmodel verlaat niets je computer.</translation>
    </message>
    <message>
        <source>%app reads these only while making a suggestion and never saves them. With the %app model, nothing leaves your computer.</source>
        <translation>%app leest deze alleen tijdens het maken van een suggestie en slaat ze nooit op. Met het %app-model verlaat niets je computer.</translation>
    </message>
    <message>
        <source>The %app model keeps your text on this computer.</source>
        <translation>Het %app-model houdt je tekst op deze computer.</translation>
    </message>
    <message>
        <source>The key holds a line break or another control character. Paste it again without them.</source>
        <translation>De sleutel bevat een regeleinde of een ander stuurteken. Plak hem opnieuw zonder.</translation>
    </message>
    <message>
        <source>Waiting for the keyring to store the key.</source>
        <translation>Wachten tot de sleutelbos de sleutel opslaat.</translation>
    </message>
    <message>
        <source>The keyring cannot keep this key, so it is used only until %app quits.</source>
        <translation>De sleutelbos kan deze sleutel niet bewaren, dus hij wordt alleen gebruikt tot %app afsluit.</translation>
    </message>
    <message>
        <source>Show in the system tray</source>
        <translation>Tonen in het systeemvak</translation>
    </message>
    <message>
        <source>Pause or open Settings from the system tray. Hidden? Open %app from your applications menu to come back.</source>
        <translation>Pauzeer of open Instellingen vanuit het systeemvak. Pictogram verborgen? Open %app via je toepassingenmenu om terug te komen.</translation>
    </message>
    <message>
        <source>This tray can&apos;t show text beside icons, so the count shows in the icon&apos;s tooltip.</source>
        <translation>Dit systeemvak kan geen tekst naast pictogrammen tonen, dus het aantal staat in de tooltip van het pictogram.</translation>
    </message>
    <message>
        <source>VS Code, VSCodium, Cursor, Zed, Kate, Sublime Text, JetBrains IDEs and similar apps.</source>
        <translation>VS Code, VSCodium, Cursor, Zed, Kate, Sublime Text, JetBrains-IDE&apos;s en vergelijkbare apps.</translation>
    </message>
    <message>
        <source>Your settings could not be read, so they were set aside and %app started over with its defaults.</source>
        <translation>Je instellingen konden niet worden gelezen, dus zijn ze apart gezet en is %app opnieuw begonnen met de standaardwaarden.</translation>
    </message>
    <message>
        <source>Your settings are not saved: %app cannot write to its settings folder.</source>
        <translation>Je instellingen worden niet opgeslagen: %app kan niet schrijven naar zijn instellingenmap.</translation>
    </message>
    <message>
        <source>Your app and website rules could not be read, so they were set aside.</source>
        <translation>Je regels voor apps en websites konden niet worden gelezen, dus zijn ze apart gezet.</translation>
    </message>
    <message>
        <source>Your statistics could not be read, so they were set aside and counting started over.</source>
        <translation>Je statistieken konden niet worden gelezen, dus zijn ze apart gezet en is het tellen opnieuw begonnen.</translation>
    </message>
    <message>
        <source>Not saved: %app cannot write to its data folder.</source>
        <translation>Niet opgeslagen: %app kan niet schrijven naar zijn gegevensmap.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln suggestions. %1 selected</source>
        <translation>
            <numerusform>%Ln suggestie. %1 geselecteerd</numerusform>
            <numerusform>%Ln suggesties. %1 geselecteerd</numerusform>
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
            <numerusform>%Ln woord</numerusform>
            <numerusform>%Ln woorden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln passages from here</source>
        <translation>
            <numerusform>%Ln fragment hier onthouden</numerusform>
            <numerusform>%Ln fragmenten hier onthouden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>words</source>
        <comment>unit after a count</comment>
        <translation>
            <numerusform>woord</numerusform>
            <numerusform>woorden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln days</source>
        <translation>
            <numerusform>%Ln dag</numerusform>
            <numerusform>%Ln dagen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Words saved per day over the last %Ln days</source>
        <translation>
            <numerusform>Bespaarde woorden per dag over de afgelopen dag</numerusform>
            <numerusform>Bespaarde woorden per dag over de afgelopen %Ln dagen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln day streak</source>
        <translation>
            <numerusform>Reeks van %Ln dag</numerusform>
            <numerusform>Reeks van %Ln dagen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln passages remembered</source>
        <translation>
            <numerusform>%Ln fragment onthouden</numerusform>
            <numerusform>%Ln fragmenten onthouden</numerusform>
        </translation>
    </message>
    <message>
        <source>enter</source>
        <translation>enter</translation>
    </message>
    <message>
        <source>Allow screen capture so %app can read those too. Most apps work without it.</source>
        <translation>Sta schermopname toe zodat %app die ook kan lezen. De meeste apps werken zonder.</translation>
    </message>
    <message>
        <source>Type a colon and a word, like :rocket, then press Tab or Enter to pick.</source>
        <translation>Typ een dubbele punt en een woord, zoals :rocket, en druk op Tab of Enter om te kiezen.</translation>
    </message>
    <message>
        <source>You can switch memory off for single apps under Apps &amp; Sites. The key that unlocks it lives in your keyring.</source>
        <translation>Je kunt het geheugen per app uitzetten onder ‘Apps &amp; sites’. De sleutel die het ontgrendelt staat in je sleutelbos.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln emoji. %1 selected</source>
        <translation>
            <numerusform>%Ln emoji. %1 geselecteerd</numerusform>
            <numerusform>%Ln emoji. %1 geselecteerd</numerusform>
        </translation>
    </message>
    <message>
        <source>Suggestion: %1</source>
        <translation>Suggestie: %1</translation>
    </message>
    <message numerus="yes">
        <source>%Ln models available</source>
        <translation>
            <numerusform>%Ln model beschikbaar</numerusform>
            <numerusform>%Ln modellen beschikbaar</numerusform>
        </translation>
    </message>
    <message>
        <source>The model couldn&apos;t be saved: %1</source>
        <translation>Het model kon niet worden opgeslagen: %1</translation>
    </message>
    <message>
        <source>Ollama isn&apos;t running.</source>
        <translation>Ollama draait niet.</translation>
    </message>
    <message>
        <source>Ollama isn&apos;t running at %1.</source>
        <translation>Ollama draait niet op %1.</translation>
    </message>
    <message>
        <source>No server answered.</source>
        <translation>Er antwoordde geen server.</translation>
    </message>
    <message>
        <source>No server answered at %1.</source>
        <translation>Er antwoordde geen server op %1.</translation>
    </message>
    <message>
        <source>Range: %1</source>
        <translation>Periode: %1</translation>
    </message>
    <message numerus="yes">
        <source>%1, %Ln to do</source>
        <translation>
            <numerusform>%1, nog %Ln te doen</numerusform>
            <numerusform>%1, nog %Ln te doen</numerusform>
        </translation>
    </message>
    <message>
        <source>Type the whole name of the website, such as wikipedia.org.</source>
        <translation>Typ de volledige naam van de website, zoals wikipedia.org.</translation>
    </message>
    <message>
        <source>The key holds a space, an invisible character or a letter outside plain ASCII. Paste it again exactly as your server gave it.</source>
        <translation>De sleutel bevat een spatie, een onzichtbaar teken of een letter buiten gewone ASCII. Plak hem opnieuw precies zoals je server hem gaf.</translation>
    </message>
    <message>
        <source>The keyring could not be read, so your server is asked without an API key. Type the key again if your server needs one.</source>
        <translation>De sleutelbos kon niet worden gelezen, dus je server wordt zonder API-sleutel benaderd. Typ de sleutel opnieuw als je server er een nodig heeft.</translation>
    </message>
    <message>
        <source>Your writing memory could not be opened, so it was set aside and %app started a new one.</source>
        <translation>Je schrijfgeheugen kon niet worden geopend, dus het is apart gezet en %app is een nieuw begonnen.</translation>
    </message>
    <message>
        <source>%1, converted for llama.cpp by %2</source>
        <translation>%1, voor llama.cpp omgezet door %2</translation>
    </message>
    <message>
        <source>The data folder %1 could not be made. Check that the folder above it exists and that you may write there.</source>
        <translation>De gegevensmap %1 kon niet worden gemaakt. Controleer of de bovenliggende map bestaat en of je daar mag schrijven.</translation>
    </message>
    <message>
        <source>party</source>
        <comment>emoji search sample</comment>
        <translation>feest</translation>
    </message>
    <message numerus="yes">
        <source>%Ln settings held values %app cannot use, so they were corrected and saved.</source>
        <translation>
            <numerusform>%Ln instelling had een waarde die %app niet kan gebruiken, dus is die gecorrigeerd en opgeslagen.</numerusform>
            <numerusform>%Ln instellingen hadden waarden die %app niet kan gebruiken, dus zijn ze gecorrigeerd en opgeslagen.</numerusform>
        </translation>
    </message>
    <message>
        <source>Your writing memory is not saved: the keyring is missing or locked, so its key cannot be kept.</source>
        <translation>Je schrijfgeheugen wordt niet opgeslagen: de sleutelbos ontbreekt of is vergrendeld, dus de sleutel kan niet worden bewaard.</translation>
    </message>
    <message>
        <source>That address isn&apos;t valid</source>
        <translation>Dat adres is ongeldig</translation>
    </message>
    <message>
        <source>The request timed out.</source>
        <translation>Er is een time-out opgetreden voor het verzoek.</translation>
    </message>
    <message>
        <source>The server&apos;s reply was too long, so it was stopped.</source>
        <translation>Het antwoord van de server was te lang en is daarom afgebroken.</translation>
    </message>
    <message>
        <source>The server answered %1.</source>
        <translation>De server antwoordde %1.</translation>
    </message>
    <message>
        <source>The server answered %1: %2</source>
        <translation>De server antwoordde %1: %2</translation>
    </message>
    <message>
        <source>The download server answered %1. Try again later.</source>
        <translation>De downloadserver antwoordde %1. Probeer het later opnieuw.</translation>
    </message>
    <message>
        <source>The download couldn&apos;t be saved: %1</source>
        <translation>De download kon niet worden opgeslagen: %1</translation>
    </message>
    <message>
        <source>The download paused because the connection dropped. Try again to pick up where it stopped.</source>
        <translation>De download is gepauzeerd omdat de verbinding wegviel. Probeer het opnieuw om verder te gaan waar hij stopte.</translation>
    </message>
    <message>
        <source>The download stopped. Check your connection, then try again.</source>
        <translation>De download is gestopt. Controleer je verbinding en probeer het opnieuw.</translation>
    </message>
    <message>
        <source>Pick an Ollama model in Settings</source>
        <translation>Kies een Ollama-model in Instellingen</translation>
    </message>
    <message>
        <source>Pick a model for your local server</source>
        <translation>Kies een model voor je lokale server</translation>
    </message>
    <message>
        <source>The server&apos;s answer is not HTTP.</source>
        <translation>Het antwoord van de server is geen HTTP.</translation>
    </message>
    <message>
        <source>The data couldn&apos;t be read because it is missing.</source>
        <translation>De gegevens konden niet worden gelezen omdat ze ontbreken.</translation>
    </message>
    <message>
        <source>The data couldn&apos;t be read because it isn&apos;t in the correct format.</source>
        <translation>De gegevens konden niet worden gelezen omdat ze niet de juiste indeling hebben.</translation>
    </message>
    <message>
        <source>:%1:</source>
        <comment>emoji name</comment>
        <translation>:%1:</translation>
    </message>
    <message>
        <source>This computer has no on-device language model.</source>
        <translation>Deze computer heeft geen taalmodel op het apparaat.</translation>
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
        <translation>Shift</translation>
    </message>
    <message>
        <source>Super</source>
        <comment>key</comment>
        <translation>Super</translation>
    </message>
    <message>
        <source>Paused on %1</source>
        <translation>Gepauzeerd op %1</translation>
    </message>
    <message>
        <source>Paused in %1</source>
        <translation>Gepauzeerd in %1</translation>
    </message>
    <message>
        <source>Off on %1</source>
        <translation>Uit op %1</translation>
    </message>
    <message>
        <source>Off in %1</source>
        <translation>Uit in %1</translation>
    </message>
    <message>
        <source>Off in %1 by default</source>
        <translation>Standaard uit in %1</translation>
    </message>
    <message>
        <source>Off in code editors</source>
        <translation>Uit in code-editors</translation>
    </message>
    <message>
        <source>Off unless turned on per app</source>
        <translation>Uit tenzij per app ingeschakeld</translation>
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
        <translation>Del</translation>
    </message>
    <message>
        <source>Space</source>
        <comment>key</comment>
        <translation>Spatie</translation>
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
        <translation>Toets %1</translation>
    </message>
    <message>
        <source>An email reply reads differently from a commit message.</source>
        <translation>Een antwoord op een e-mail klinkt anders dan een commitbericht.</translation>
    </message>
    <message>
        <source>Writes straight into the field. Cleanest in GTK and Qt apps.</source>
        <translation>Schrijft rechtstreeks in het veld. Het netst in GTK- en Qt-apps.</translation>
    </message>
    <message>
        <source>Typing</source>
        <comment>insertion method</comment>
        <translation>Typen</translation>
    </message>
    <message>
        <source>%1 h</source>
        <comment>hours with one decimal, such as 1.5</comment>
        <translation>%1 u</translation>
    </message>
    <message numerus="yes">
        <source>%Ln h</source>
        <translation>
            <numerusform>%Ln u</numerusform>
            <numerusform>%Ln u</numerusform>
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
            <numerusform>%Ln woord bespaard vandaag</numerusform>
            <numerusform>%Ln woorden bespaard vandaag</numerusform>
        </translation>
    </message>
    <message>
        <source>Under a minute of typing saved today.</source>
        <translation>Vandaag minder dan een minuut typwerk bespaard.</translation>
    </message>
    <message>
        <source>About %1 of typing saved today.</source>
        <translation>Vandaag ongeveer %1 typwerk bespaard.</translation>
    </message>
    <message numerus="yes">
        <source>Step %1 of %Ln</source>
        <translation>
            <numerusform>Stap %1 van %Ln</numerusform>
            <numerusform>Stap %1 van %Ln</numerusform>
        </translation>
    </message>
    <message>
        <source>%app reads and types into text fields through the desktop&apos;s accessibility support, which some desktops leave off. %app uses it only for the field you&apos;re writing in.</source>
        <translation>%app leest tekstvelden en typt erin via de toegankelijkheidsondersteuning van de desktop, die sommige desktops uit laten staan. %app gebruikt die alleen voor het veld waarin je schrijft.</translation>
    </message>
    <message>
        <source>The button switches the desktop&apos;s accessibility support on. If the desktop&apos;s settings open instead, turn accessibility on there, then come back. This page updates by itself.</source>
        <translation>De knop zet de toegankelijkheidsondersteuning van de desktop aan. Openen in plaats daarvan de desktopinstellingen, zet toegankelijkheid daar dan aan en kom terug. Deze pagina werkt zichzelf bij.</translation>
    </message>
    <message>
        <source>Still off? Some desktops start their accessibility service only when you log in. Log out and back in, then try again.</source>
        <translation>Nog steeds uit? Sommige desktops starten hun toegankelijkheidsdienst pas bij het inloggen. Log uit en weer in en probeer het opnieuw.</translation>
    </message>
    <message>
        <source>Pause</source>
        <comment>section header</comment>
        <translation>Pauze</translation>
    </message>
    <message>
        <source>Pause</source>
        <comment>button</comment>
        <translation>Pauzeren</translation>
    </message>
    <message>
        <source>typing</source>
        <comment>insertion method, in a sentence</comment>
        <translation>typen</translation>
    </message>
    <message>
        <source>accessibility</source>
        <comment>insertion method, in a sentence</comment>
        <translation>toegankelijkheid</translation>
    </message>
    <message>
        <source>paste</source>
        <comment>insertion method, in a sentence</comment>
        <translation>plakken</translation>
    </message>
    <message>
        <source>short</source>
        <comment>suggestion length, in a sentence</comment>
        <translation>korte</translation>
    </message>
    <message>
        <source>medium</source>
        <comment>suggestion length, in a sentence</comment>
        <translation>middellange</translation>
    </message>
    <message>
        <source>long</source>
        <comment>suggestion length, in a sentence</comment>
        <translation>lange</translation>
    </message>
    <message>
        <source>Default follows General: %1, %2 suggestions.</source>
        <translation>Standaard volgt ‘Algemeen’: %1, %2 suggesties.</translation>
    </message>
    <message>
        <source>Yes, at %1, %2 on screen, %3 pt tall, %4 and %5</source>
        <translation>Ja, op %1, %2 op het scherm, %3 pt hoog, %4 en %5</translation>
    </message>
    <message numerus="yes">
        <source>%Ln characters before it</source>
        <translation>
            <numerusform>%Ln teken ervoor</numerusform>
            <numerusform>%Ln tekens ervoor</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln after</source>
        <comment>characters after the caret</comment>
        <translation>
            <numerusform>%Ln erna</numerusform>
            <numerusform>%Ln erna</numerusform>
        </translation>
    </message>
    <message>
        <source>No system tray runs on this desktop, so the icon cannot show. %1</source>
        <translation>Op deze desktop draait geen systeemvak, dus het pictogram kan niet verschijnen. %1</translation>
    </message>
    <message>
        <source>Typing</source>
        <comment>section header</comment>
        <translation>Typen</translation>
    </message>
    <message>
        <source>Switch to the computer&apos;s language?</source>
        <translation>Wisselen naar de taal van de computer?</translation>
    </message>
    <message numerus="yes">
        <source>%Ln words this week.</source>
        <translation>
            <numerusform>%Ln woord deze week.</numerusform>
            <numerusform>%Ln woorden deze week.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Under a minute of typing saved today. %Ln words this week.</source>
        <translation>
            <numerusform>Vandaag minder dan een minuut typwerk bespaard. %Ln woord deze week.</numerusform>
            <numerusform>Vandaag minder dan een minuut typwerk bespaard. %Ln woorden deze week.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>About %1 of typing saved today. %Ln words this week.</source>
        <translation>
            <numerusform>Vandaag ongeveer %1 typwerk bespaard. %Ln woord deze week.</numerusform>
            <numerusform>Vandaag ongeveer %1 typwerk bespaard. %Ln woorden deze week.</numerusform>
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
            <numerusform>%Ln van %1 klaar</numerusform>
            <numerusform>%Ln van %1 klaar</numerusform>
        </translation>
    </message>
    <message>
        <source>The server refused the connection. Check that it is running and that the address is right.</source>
        <translation>De server weigerde de verbinding. Controleer of hij draait en of het adres klopt.</translation>
    </message>
    <message>
        <source>The server&apos;s name couldn&apos;t be found. Check the address.</source>
        <translation>De naam van de server is niet gevonden. Controleer het adres.</translation>
    </message>
    <message>
        <source>A secure connection to the server couldn&apos;t be made.</source>
        <translation>Er kon geen beveiligde verbinding met de server worden gemaakt.</translation>
    </message>
    <message>
        <source>The server closed the connection before it answered.</source>
        <translation>De server verbrak de verbinding voordat hij antwoordde.</translation>
    </message>
    <message>
        <source>The network proxy couldn&apos;t be reached.</source>
        <translation>De netwerkproxy is niet bereikbaar.</translation>
    </message>
    <message>
        <source>The server couldn&apos;t be reached.</source>
        <translation>De server is niet bereikbaar.</translation>
    </message>
    <message>
        <source>Waiting for the network…</source>
        <translation>Wachten op het netwerk…</translation>
    </message>
    <message>
        <source>%1 is taken by another program.</source>
        <translation>%1 wordt al gebruikt door een ander programma.</translation>
    </message>
    <message>
        <source>%1 could not open again. Your choice takes effect the next time you start it.</source>
        <translation>%1 kon niet opnieuw starten. Je keuze geldt vanaf de volgende keer dat je het start.</translation>
    </message>
    <message>
        <source>Downloading the model</source>
        <translation>Model wordt gedownload</translation>
    </message>
    <message numerus="yes">
        <source>These apps answer the Tab key before %app can, so %app stays paused in your other apps until they quit.</source>
        <translation>
            <numerusform>Deze apps reageren eerder op de Tab-toets dan %app, dus %app blijft in je andere apps gepauzeerd tot ze afsluiten.</numerusform>
            <numerusform>Deze apps reageren eerder op de Tab-toets dan %app, dus %app blijft in je andere apps gepauzeerd tot ze afsluiten.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>It may be waiting on a dialog of its own. Force Quit closes it right away.</source>
        <translation>
            <numerusform>Misschien wacht het op een eigen dialoogvenster. ‘Geforceerd stoppen’ sluit het meteen.</numerusform>
            <numerusform>Misschien wachten ze op hun eigen dialoogvensters. ‘Geforceerd stoppen’ sluit ze meteen.</numerusform>
        </translation>
    </message>
    <message>
        <source>Set a Suggest Now shortcut in Keys to ask for suggestions</source>
        <translation>Stel onder ‘Toetsen’ een sneltoets voor ‘Nu voorstellen’ in om suggesties te vragen</translation>
    </message>
    <message>
        <source>Backspace</source>
        <comment>key above Enter that deletes backwards</comment>
        <translation>Backspace</translation>
    </message>
    <message>
        <source>0 words saved today</source>
        <translation>0 woorden bespaard vandaag</translation>
    </message>
    <message>
        <source>words saved today</source>
        <comment>beside the count 0</comment>
        <translation>woorden bespaard vandaag</translation>
    </message>
    <message>
        <source>Quit the other app</source>
        <translation>De andere app afsluiten</translation>
    </message>
    <message>
        <source>None yet</source>
        <comment>no app looked at yet</comment>
        <translation>Nog geen</translation>
    </message>
    <message>
        <source>None yet</source>
        <comment>no suggestion shown yet</comment>
        <translation>Nog geen</translation>
    </message>
    <message>
        <source>The other app is also running</source>
        <translation>De andere app draait ook</translation>
    </message>
    <message>
        <source>Both apps answer the Tab key, and the system gives it to the other app first. %app stays paused in your other apps until the other app quits.</source>
        <translation>Beide apps reageren op de Tab-toets en het systeem geeft die eerst aan de andere app. %app blijft in je andere apps gepauzeerd tot de andere app afsluit.</translation>
    </message>
    <message>
        <source>The other app is still open</source>
        <translation>De andere app is nog open</translation>
    </message>
    <message>
        <source>The other app quit, so your suggestions are back in every app.</source>
        <translation>De andere app is afgesloten, dus je suggesties zijn terug in elke app.</translation>
    </message>
    <message>
        <source>The other app quit. %app has the Tab key.</source>
        <translation>De andere app is afgesloten. %app heeft de Tab-toets.</translation>
    </message>
</context>
</TS>
