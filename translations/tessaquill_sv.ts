<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sv" sourcelanguage="en">
<context>
    <name>Tessaquill</name>
    <message>
        <source>Accessibility is on. %app is ready in your other apps.</source>
        <translation>Hjälpmedel är på. %app är redo i dina andra appar.</translation>
    </message>
    <message>
        <source>Paused while %1 is open</source>
        <translation>Pausad medan %1 är öppen</translation>
    </message>
    <message>
        <source>Welcome to %app</source>
        <translation>Välkommen till %app</translation>
    </message>
    <message>
        <source>%app</source>
        <translation>%app</translation>
    </message>
    <message>
        <source>Another autocomplete app is running</source>
        <translation>En annan app för autokomplettering körs</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Redo</translation>
    </message>
    <message>
        <source>Waiting for a pause</source>
        <translation>Väntar på en paus</translation>
    </message>
    <message>
        <source>Thinking</source>
        <translation>Tänker</translation>
    </message>
    <message>
        <source>Showing a suggestion</source>
        <translation>Visar ett förslag</translation>
    </message>
    <message>
        <source>The model took too long to answer</source>
        <translation>Modellen tog för lång tid att svara</translation>
    </message>
    <message>
        <source>This app doesn&apos;t report where the caret is</source>
        <translation>Den här appen anger inte var markören är</translation>
    </message>
    <message>
        <source>%app is turned off</source>
        <translation>%app är avstängd</translation>
    </message>
    <message>
        <source>Secure input is on, so %app stays out</source>
        <translation>Säker inmatning är på, så %app håller sig undan</translation>
    </message>
    <message>
        <source>Press %1 for a suggestion</source>
        <translation>Tryck på %1 för ett förslag</translation>
    </message>
    <message>
        <source>Text is selected</source>
        <translation>Text är markerad</translation>
    </message>
    <message>
        <source>The caret is inside existing text</source>
        <translation>Markören står inne i befintlig text</translation>
    </message>
    <message>
        <source>This field is too small</source>
        <translation>Fältet är för litet</translation>
    </message>
    <message>
        <source>Waiting for a few characters</source>
        <translation>Väntar på några tecken</translation>
    </message>
    <message>
        <source>Start of a new line</source>
        <translation>Början på en ny rad</translation>
    </message>
    <message>
        <source>The model is still downloading</source>
        <translation>Modellen hämtas fortfarande</translation>
    </message>
    <message>
        <source>Download the %app model in Settings first</source>
        <translation>Hämta %app-modellen i Inställningar först</translation>
    </message>
    <message>
        <source>Not checked yet</source>
        <translation>Inte kontrollerad än</translation>
    </message>
    <message>
        <source>Checking…</source>
        <translation>Kontrollerar…</translation>
    </message>
    <message>
        <source>The model stopped with error %1</source>
        <translation>Modellen stoppade med fel %1</translation>
    </message>
    <message>
        <source>The model file couldn&apos;t be loaded</source>
        <translation>Modellfilen kunde inte läsas in</translation>
    </message>
    <message>
        <source>There wasn&apos;t enough memory to start the model</source>
        <translation>Det fanns inte tillräckligt med minne för att starta modellen</translation>
    </message>
    <message>
        <source>The text couldn&apos;t be prepared for the model</source>
        <translation>Texten kunde inte förberedas för modellen</translation>
    </message>
    <message>
        <source>This computer needs %1 free for the download. Free up some space, then try again.</source>
        <translation>Datorn behöver %1 ledigt för nedladdningen. Frigör lite utrymme och försök igen.</translation>
    </message>
    <message>
        <source>The download didn&apos;t match the expected file, so it was deleted. Try again.</source>
        <translation>Nedladdningen stämde inte med den förväntade filen och togs bort. Försök igen.</translation>
    </message>
    <message>
        <source>Downloaded</source>
        <translation>Hämtad</translation>
    </message>
    <message>
        <source>Downloading. Suggestions start once it&apos;s done.</source>
        <translation>Hämtar. Förslagen börjar när den är klar.</translation>
    </message>
    <message>
        <source>Checking the download.</source>
        <translation>Kontrollerar nedladdningen.</translation>
    </message>
    <message>
        <source>Checking the download. Suggestions start once it&apos;s done.</source>
        <translation>Kontrollerar nedladdningen. Förslagen börjar när den är klar.</translation>
    </message>
    <message>
        <source>Download the model to start</source>
        <translation>Hämta modellen för att börja</translation>
    </message>
    <message>
        <source>Ollama is running but has no models</source>
        <translation>Ollama körs men har inga modeller</translation>
    </message>
    <message>
        <source>Another app</source>
        <translation>En annan app</translation>
    </message>
    <message>
        <source>There is no D-Bus session bus, so %1 cannot reach text fields.</source>
        <translation>Det finns ingen D-Bus-sessionsbuss, så %1 kan inte nå textfält.</translation>
    </message>
    <message>
        <source>The desktop&apos;s accessibility bus is not running, so %1 cannot reach text fields.</source>
        <translation>Skrivbordets hjälpmedelsbuss körs inte, så %1 kan inte nå textfält.</translation>
    </message>
    <message>
        <source>Short</source>
        <translation>Kort</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Mellan</translation>
    </message>
    <message>
        <source>Long</source>
        <translation>Lång</translation>
    </message>
    <message>
        <source>Hide the suggestion</source>
        <translation>Dölj förslaget</translation>
    </message>
    <message>
        <source>Hide suggestions until I change fields</source>
        <translation>Dölj förslag tills jag byter fält</translation>
    </message>
    <message>
        <source>Do nothing, send Escape to the app</source>
        <translation>Gör inget, skicka Esc till appen</translation>
    </message>
    <message>
        <source>Type it</source>
        <translation>Skriv in</translation>
    </message>
    <message>
        <source>Insert through Accessibility</source>
        <translation>Infoga via hjälpmedel</translation>
    </message>
    <message>
        <source>Paste it</source>
        <translation>Klistra in</translation>
    </message>
    <message>
        <source>Grey</source>
        <translation>Grå</translation>
    </message>
    <message>
        <source>Gold tint</source>
        <translation>Guldton</translation>
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
        <translation>Körs på den här datorn efter en engångsnedladdning. Fungerar offline.</translation>
    </message>
    <message>
        <source>Any model you run in Ollama, base models included.</source>
        <translation>Alla modeller du kör i Ollama, även basmodeller.</translation>
    </message>
    <message>
        <source>LM Studio, llama-server or any OpenAI-compatible endpoint.</source>
        <translation>LM Studio, llama-server eller valfri OpenAI-kompatibel slutpunkt.</translation>
    </message>
    <message>
        <source>Sends the text as keystrokes. Works almost everywhere.</source>
        <translation>Skickar texten som tangenttryck. Fungerar nästan överallt.</translation>
    </message>
    <message>
        <source>Uses the clipboard, then puts your clipboard back.</source>
        <translation>Använder urklipp och lägger sedan tillbaka ditt urklipp.</translation>
    </message>
    <message>
        <source>Accessibility</source>
        <translation>Hjälpmedel</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Inklistring</translation>
    </message>
    <message>
        <source>Your writing memory could not be opened and was set aside. Nothing new is remembered until %app starts again.</source>
        <translation>Ditt skrivminne kunde inte öppnas och har lagts åt sidan. Inget nytt minns förrän %app startar igen.</translation>
    </message>
    <message>
        <source>Your writing memory could not be opened because its key could not be read from the keyring. Nothing new is remembered until %app starts again.</source>
        <translation>Ditt skrivminne kunde inte öppnas eftersom nyckeln inte kunde läsas från nyckelringen. Inget nytt minns förrän %app startar igen.</translation>
    </message>
    <message>
        <source>Not Now</source>
        <translation>Inte nu</translation>
    </message>
    <message>
        <source>Open the desktop&apos;s settings</source>
        <translation>Öppna skrivbordets inställningar</translation>
    </message>
    <message>
        <source>Don&apos;t remind me again</source>
        <translation>Påminn mig inte igen</translation>
    </message>
    <message>
        <source>Open Playground</source>
        <translation>Öppna övningsytan</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Inställningar</translation>
    </message>
    <message>
        <source>Quit %app</source>
        <translation>Avsluta %app</translation>
    </message>
    <message>
        <source>Needs Accessibility access</source>
        <translation>Behöver åtkomst till Hjälpmedel</translation>
    </message>
    <message>
        <source>Paused until you resume</source>
        <translation>Pausad tills du återupptar</translation>
    </message>
    <message>
        <source>Paused until %1</source>
        <translation>Pausad till %1</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Av</translation>
    </message>
    <message numerus="yes">
        <source>Paused while %1 are open</source>
        <translation>
            <numerusform>Pausad medan %1 är öppen</numerusform>
            <numerusform>Pausad medan %1 är öppna</numerusform>
        </translation>
    </message>
    <message>
        <source>Grant Accessibility Access…</source>
        <translation>Ge åtkomst till Hjälpmedel…</translation>
    </message>
    <message numerus="yes">
        <source>Force Quit %1</source>
        <translation>
            <numerusform>Tvångsavsluta %1</numerusform>
            <numerusform>Tvångsavsluta %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Quit %1</source>
        <translation>
            <numerusform>Avsluta %1</numerusform>
            <numerusform>Avsluta %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>words saved today</source>
        <translation>
            <numerusform>ord sparat i dag</numerusform>
            <numerusform>ord sparade i dag</numerusform>
        </translation>
    </message>
    <message>
        <source>Start typing anywhere. %app keeps count here.</source>
        <translation>Börja skriva var som helst. %app räknar här.</translation>
    </message>
    <message>
        <source>Resume in %1</source>
        <translation>Återuppta i %1</translation>
    </message>
    <message>
        <source>Pause in %1</source>
        <translation>Pausa i %1</translation>
    </message>
    <message>
        <source>Resume Everywhere</source>
        <translation>Återuppta överallt</translation>
    </message>
    <message>
        <source>Pause Everywhere</source>
        <translation>Pausa överallt</translation>
    </message>
    <message>
        <source>For 15 Minutes</source>
        <translation>I 15 minuter</translation>
    </message>
    <message>
        <source>For 1 Hour</source>
        <translation>I 1 timme</translation>
    </message>
    <message>
        <source>For 4 Hours</source>
        <translation>I 4 timmar</translation>
    </message>
    <message>
        <source>Until I Resume</source>
        <translation>Tills jag återupptar</translation>
    </message>
    <message>
        <source>Example: after typing %1, %2 suggests %3</source>
        <translation>Exempel: efter att du skrivit %1 föreslår %2 %3</translation>
    </message>
    <message>
        <source>takes the next word</source>
        <translation>tar nästa ord</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Hämta</translation>
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
        <translation>%1 av %2. Du kan fortsätta skriva medan den hämtas.</translation>
    </message>
    <message>
        <source>Checking the download</source>
        <translation>Kontrollerar nedladdningen</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Försök igen</translation>
    </message>
    <message>
        <source>Remove…</source>
        <translation>Ta bort…</translation>
    </message>
    <message>
        <source>%1 license</source>
        <translation>%1-licens</translation>
    </message>
    <message>
        <source>Remove the %app model?</source>
        <translation>Ta bort %app-modellen?</translation>
    </message>
    <message>
        <source>Model download</source>
        <translation>Modellnedladdning</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Ta bort</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Fortsätt</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Senare</translation>
    </message>
    <message>
        <source>Start Writing</source>
        <translation>Börja skriva</translation>
    </message>
    <message>
        <source>Finish your sentences in any app.</source>
        <translation>Skriv klart dina meningar i alla appar.</translation>
    </message>
    <message>
        <source>%app reads the words before your caret and suggests what comes next in grey. Press Tab to take one word, or the key above Tab to take the rest. If you don&apos;t want it, keep typing.</source>
        <translation>%app läser orden före markören och föreslår i grått vad som kommer sedan. Tryck på Tab för att ta ett ord, eller tangenten ovanför Tab för att ta resten. Vill du inte ha det, skriv bara vidare.</translation>
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
        <translation>Den läser fönstret du skriver i, till exempel chatten du svarar i, så att förslagen passar. Inget av det går ut på nätet, varken till oss eller någon server. Det förblir privat på din dator.</translation>
    </message>
    <message>
        <source>Accessibility is on</source>
        <translation>Hjälpmedel är på</translation>
    </message>
    <message>
        <source>%app can now read the field you&apos;re writing in and type suggestions for you.</source>
        <translation>%app kan nu läsa fältet du skriver i och infoga förslag åt dig.</translation>
    </message>
    <message>
        <source>Let %app see what you type.</source>
        <translation>Låt %app se vad du skriver.</translation>
    </message>
    <message>
        <source>%app reads your text when you pause and forgets it after one suggestion, unless you turn on writing memory.</source>
        <translation>%app läser din text när du pausar och glömmer den efter ett förslag, om du inte slår på skrivminnet.</translation>
    </message>
    <message>
        <source>%app skips password fields and anything else the system marks as secure.</source>
        <translation>%app hoppar över lösenordsfält och allt annat som systemet markerar som säkert.</translation>
    </message>
    <message>
        <source>Open Accessibility Settings</source>
        <translation>Öppna inställningar för hjälpmedel</translation>
    </message>
    <message>
        <source>Pick what writes your suggestions.</source>
        <translation>Välj vad som skriver dina förslag.</translation>
    </message>
    <message>
        <source>You can change this any time in Settings.</source>
        <translation>Du kan ändra detta när som helst i Inställningar.</translation>
    </message>
    <message>
        <source>Give it a try.</source>
        <translation>Prova själv.</translation>
    </message>
    <message>
        <source>Start typing a sentence. When grey words appear, press Tab for one word or the key above Tab for all of them.</source>
        <translation>Börja skriva en mening. När grå ord visas trycker du på Tab för ett ord eller tangenten ovanför Tab för alla.</translation>
    </message>
    <message>
        <source>Hi Orlenn, thanks for the quick reply. I think we should</source>
        <translation>Hej Orlenn, tack för det snabba svaret. Jag tycker att vi borde</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Tillbaka</translation>
    </message>
    <message>
        <source>Practice field</source>
        <translation>Övningsfält</translation>
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
        <translation>Lägg till en webbplats</translation>
    </message>
    <message>
        <source>Domain</source>
        <translation>Domän</translation>
    </message>
    <message>
        <source>Rules for a site apply in any browser %app can read.</source>
        <translation>Regler för en webbplats gäller i alla webbläsare som %app kan läsa.</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Lägg till</translation>
    </message>
    <message>
        <source>Add App…</source>
        <translation>Lägg till app…</translation>
    </message>
    <message>
        <source>Add an app</source>
        <translation>Lägg till en app</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Sök</translation>
    </message>
    <message>
        <source>Clear search</source>
        <translation>Rensa sökning</translation>
    </message>
    <message>
        <source>Add an app or website</source>
        <translation>Lägg till en app eller webbplats</translation>
    </message>
    <message>
        <source>Add Website…</source>
        <translation>Lägg till webbplats…</translation>
    </message>
    <message>
        <source>Apps &amp; Sites</source>
        <translation>Appar &amp; webbplatser</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Pausad</translation>
    </message>
    <message>
        <source>Apps</source>
        <translation>Appar</translation>
    </message>
    <message>
        <source>Websites</source>
        <translation>Webbplatser</translation>
    </message>
    <message>
        <source>No matches</source>
        <translation>Inga träffar</translation>
    </message>
    <message>
        <source>No apps yet</source>
        <translation>Inga appar än</translation>
    </message>
    <message>
        <source>Nothing matches “%1”.</source>
        <translation>Inget matchar ”%1”.</translation>
    </message>
    <message>
        <source>Apps appear here once you accept a suggestion in them, or add one with +.</source>
        <translation>Appar visas här när du godkänner ett förslag i dem, eller lägg till en med +.</translation>
    </message>
    <message>
        <source>Pick an app or site</source>
        <translation>Välj en app eller webbplats</translation>
    </message>
    <message>
        <source>Each one can have its own rules. Anything you don&apos;t change follows General.</source>
        <translation>Var och en kan ha egna regler. Det du inte ändrar följer ”Allmänt”.</translation>
    </message>
    <message>
        <source>Words saved here</source>
        <translation>Ord sparade här</translation>
    </message>
    <message>
        <source>Suggestions</source>
        <translation>Förslag</translation>
    </message>
    <message>
        <source>On</source>
        <translation>På</translation>
    </message>
    <message>
        <source>Tab accepts suggestions</source>
        <translation>Tab godkänner förslag</translation>
    </message>
    <message>
        <source>Turn off where Tab already means something, like indenting. The other accept key still works.</source>
        <translation>Stäng av där Tab redan betyder något, som indrag. Den andra godkänn-tangenten fungerar fortfarande.</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Insert by</source>
        <translation>Infoga via</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Längd</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Återuppta</translation>
    </message>
    <message>
        <source>Pause here</source>
        <translation>Pausa här</translation>
    </message>
    <message>
        <source>Memory</source>
        <translation>Minne</translation>
    </message>
    <message>
        <source>Remember my writing here</source>
        <translation>Kom ihåg hur jag skriver här</translation>
    </message>
    <message>
        <source>Writing memory is off in Your Voice.</source>
        <translation>Skrivminnet är avstängt under ”Din stil”.</translation>
    </message>
    <message>
        <source>Erase…</source>
        <translation>Radera…</translation>
    </message>
    <message>
        <source>Reset to Defaults</source>
        <translation>Återställ standard</translation>
    </message>
    <message>
        <source>Erase what %app remembered from %1?</source>
        <translation>Radera det %app har kommit ihåg i %1?</translation>
    </message>
    <message>
        <source>Erase</source>
        <translation>Radera</translation>
    </message>
    <message>
        <source>Passages from this app can shape suggestions everywhere.</source>
        <translation>Textavsnitt från den här appen kan påverka förslag överallt.</translation>
    </message>
    <message>
        <source>Finish setting up</source>
        <translation>Slutför konfigurationen</translation>
    </message>
    <message>
        <source>Setup progress</source>
        <translation>Konfigurationsförlopp</translation>
    </message>
    <message>
        <source>Done: %1</source>
        <translation>Klart: %1</translation>
    </message>
    <message>
        <source>Best day yet!</source>
        <translation>Bästa dagen hittills!</translation>
    </message>
    <message>
        <source>Try it here</source>
        <translation>Prova här</translation>
    </message>
    <message>
        <source>Thanks for sending the draft over. I had a look and</source>
        <translation>Tack för att du skickade utkastet. Jag har tittat på det och</translation>
    </message>
    <message>
        <source>next word</source>
        <translation>nästa ord</translation>
    </message>
    <message>
        <source>whole suggestion</source>
        <translation>hela förslaget</translation>
    </message>
    <message>
        <source>hide it</source>
        <translation>dölj det</translation>
    </message>
    <message>
        <source>This field runs the real engine. Start typing and grey words show up as you go.</source>
        <translation>Det här fältet använder den riktiga motorn. Börja skriva så dyker grå ord upp under tiden.</translation>
    </message>
    <message>
        <source>This field runs the real engine, even before you allow Accessibility. Start typing and grey words show up as you go.</source>
        <translation>Det här fältet använder den riktiga motorn, redan innan du tillåter Hjälpmedel. Börja skriva så dyker grå ord upp under tiden.</translation>
    </message>
    <message>
        <source>You&apos;re all set</source>
        <translation>Allt är klart</translation>
    </message>
    <message>
        <source>Accessibility is on and %1 is ready. %app works in every app you type in.</source>
        <translation>Hjälpmedel är på och %1 är redo. %app fungerar i alla appar du skriver i.</translation>
    </message>
    <message>
        <source>Waiting for %1 to quit</source>
        <translation>Väntar på att %1 avslutas</translation>
    </message>
    <message>
        <source>Turned off</source>
        <translation>Avstängd</translation>
    </message>
    <message>
        <source>Paused everywhere</source>
        <translation>Pausad överallt</translation>
    </message>
    <message>
        <source>%1, %2 typical wait</source>
        <translation>%1, typisk väntetid %2</translation>
    </message>
    <message>
        <source>Start your streak today.</source>
        <translation>Starta din svit i dag.</translation>
    </message>
    <message>
        <source>Overview</source>
        <translation>Översikt</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Allmänt</translation>
    </message>
    <message>
        <source>Engine</source>
        <translation>Motor</translation>
    </message>
    <message>
        <source>Context</source>
        <translation>Kontext</translation>
    </message>
    <message>
        <source>Your Voice</source>
        <translation>Din stil</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Tangenter</translation>
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
        <translation>Fältinspektör</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Om</translation>
    </message>
    <message>
        <source>How %app is doing today</source>
        <translation>Hur det går för %app i dag</translation>
    </message>
    <message>
        <source>Where and how suggestions appear</source>
        <translation>Var och hur förslag visas</translation>
    </message>
    <message>
        <source>The model that writes your suggestions</source>
        <translation>Modellen som skriver dina förslag</translation>
    </message>
    <message>
        <source>What %app may look at to guess better</source>
        <translation>Vad %app får titta på för att gissa bättre</translation>
    </message>
    <message>
        <source>Help suggestions sound like you</source>
        <translation>Få förslagen att låta som du</translation>
    </message>
    <message>
        <source>Accept, dismiss and summon suggestions</source>
        <translation>Godkänn, avvisa och ta fram förslag</translation>
    </message>
    <message>
        <source>Emoji search and emoticons</source>
        <translation>Emojisökning och smilisar</translation>
    </message>
    <message>
        <source>Rules for each app and website</source>
        <translation>Regler för varje app och webbplats</translation>
    </message>
    <message>
        <source>Save power when you&apos;re unplugged</source>
        <translation>Spara ström när du kör på batteri</translation>
    </message>
    <message>
        <source>Words saved and how fast suggestions arrive</source>
        <translation>Sparade ord och hur snabbt förslagen kommer</translation>
    </message>
    <message>
        <source>What %app sees in the focused field</source>
        <translation>Vad %app ser i det aktiva fältet</translation>
    </message>
    <message>
        <source>Version and privacy</source>
        <translation>Version och integritet</translation>
    </message>
    <message>
        <source>Writing</source>
        <translation>Skrivande</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Inmatning</translation>
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
        <translation>%app kan läsa fältet du skriver i och infoga förslag i alla appar.</translation>
    </message>
    <message>
        <source>Allow Accessibility access</source>
        <translation>Tillåt åtkomst till Hjälpmedel</translation>
    </message>
    <message>
        <source>%app needs it to read the text you type in other apps and to insert suggestions.</source>
        <translation>%app behöver det för att läsa texten du skriver i andra appar och för att infoga förslag.</translation>
    </message>
    <message>
        <source>Allow…</source>
        <translation>Tillåt…</translation>
    </message>
    <message>
        <source>%1 is ready</source>
        <translation>%1 är redo</translation>
    </message>
    <message>
        <source>Checking %1</source>
        <translation>Kontrollerar %1</translation>
    </message>
    <message>
        <source>This takes a moment.</source>
        <translation>Det tar en liten stund.</translation>
    </message>
    <message>
        <source>Your engine isn&apos;t ready</source>
        <translation>Din motor är inte redo</translation>
    </message>
    <message>
        <source>Open Engine</source>
        <translation>Öppna ”Motor”</translation>
    </message>
    <message>
        <source>The system&apos;s predictions are off</source>
        <translation>Systemets förutsägelser är avstängda</translation>
    </message>
    <message>
        <source>Only %app&apos;s suggestions appear while you type.</source>
        <translation>Bara förslag från %app visas medan du skriver.</translation>
    </message>
    <message>
        <source>Turn off the system&apos;s predictions</source>
        <translation>Stäng av systemets förutsägelser</translation>
    </message>
    <message>
        <source>The system shows its own grey suggestions on top of %app&apos;s. Each app picks up the change the next time you open it.</source>
        <translation>Systemet visar sina egna grå förslag ovanpå förslagen från %app. Varje app tar till sig ändringen nästa gång du öppnar den.</translation>
    </message>
    <message>
        <source>Keyboard Settings</source>
        <translation>Tangentbordsinställningar</translation>
    </message>
    <message>
        <source>Turn Off</source>
        <translation>Stäng av</translation>
    </message>
    <message>
        <source>Only %app is suggesting</source>
        <translation>Bara %app ger förslag</translation>
    </message>
    <message>
        <source>Tab reaches %app again.</source>
        <translation>Tab-tangenten fungerar igen för %app.</translation>
    </message>
    <message numerus="yes">
        <source>%1 didn&apos;t quit. They may be showing a dialog. Force Quit closes them right away.</source>
        <translation>
            <numerusform>%1 avslutades inte. Den kanske visar en dialogruta. ”Tvångsavsluta” stänger den direkt.</numerusform>
            <numerusform>%1 avslutades inte. De kanske visar en dialogruta. ”Tvångsavsluta” stänger dem direkt.</numerusform>
        </translation>
    </message>
    <message>
        <source>Force Quit</source>
        <translation>Tvångsavsluta</translation>
    </message>
    <message numerus="yes">
        <source>%1 take the Tab key before %app can, so %app stays paused in your other apps until you quit them.</source>
        <translation>
            <numerusform>%1 tar Tab-tangenten före %app, så %app förblir pausad i dina andra appar tills du avslutar den.</numerusform>
            <numerusform>%1 tar Tab-tangenten före %app, så %app förblir pausad i dina andra appar tills du avslutar dem.</numerusform>
        </translation>
    </message>
    <message>
        <source>Only when I ask</source>
        <translation>Bara när jag ber om det</translation>
    </message>
    <message>
        <source>On battery, suggestions appear only after you press the Suggest Now shortcut.</source>
        <translation>På batteri visas förslag bara när du trycker på kortkommandot ”Föreslå nu”.</translation>
    </message>
    <message>
        <source>Shorter suggestions</source>
        <translation>Kortare förslag</translation>
    </message>
    <message>
        <source>Fewer words take less power to write.</source>
        <translation>Färre ord kräver mindre ström.</translation>
    </message>
    <message>
        <source>Lighter model</source>
        <translation>Lättare modell</translation>
    </message>
    <message>
        <source>Same as plugged in</source>
        <translation>Samma som med laddare</translation>
    </message>
    <message>
        <source>Running on battery. These apply right now.</source>
        <translation>Körs på batteri. De här inställningarna gäller nu.</translation>
    </message>
    <message>
        <source>Plugged in. These wait until you unplug.</source>
        <translation>Laddaren ansluten. De här inställningarna gäller när du kopplar ur laddaren.</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modell</translation>
    </message>
    <message>
        <source>Model name</source>
        <translation>Modellnamn</translation>
    </message>
    <message>
        <source>Reload the model list</source>
        <translation>Läs in modellistan igen</translation>
    </message>
    <message>
        <source>Choose a model</source>
        <translation>Välj en modell</translation>
    </message>
    <message>
        <source>For people who already run Ollama, LM Studio or llama-server.</source>
        <translation>För dig som redan kör Ollama, LM Studio eller llama-server.</translation>
    </message>
    <message>
        <source>Use your own model</source>
        <translation>Använd din egen modell</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adress</translation>
    </message>
    <message>
        <source>API key</source>
        <translation>API-nyckel</translation>
    </message>
    <message>
        <source>Only if your server asks for one</source>
        <translation>Bara om din server kräver en</translation>
    </message>
    <message>
        <source>Focused</source>
        <translation>Fokuserad</translation>
    </message>
    <message>
        <source>Creativity</source>
        <translation>Kreativitet</translation>
    </message>
    <message>
        <source>Loose</source>
        <translation>Fri</translation>
    </message>
    <message>
        <source>Lower stays close to the obvious next words. Higher tries more.</source>
        <translation>Lägre håller sig nära de självklara nästa orden. Högre vågar mer.</translation>
    </message>
    <message>
        <source>Wait before suggesting</source>
        <translation>Vänta innan förslag</translation>
    </message>
    <message>
        <source>How long you pause before %app starts.</source>
        <translation>Hur länge du pausar innan %app börjar.</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Kör</translation>
    </message>
    <message>
        <source>Try the engine</source>
        <translation>Testa motorn</translation>
    </message>
    <message>
        <source>Sends a sample sentence and shows what comes back.</source>
        <translation>Skickar en exempelmening och visar vad som kommer tillbaka.</translation>
    </message>
    <message>
        <source>Running…</source>
        <translation>Kör…</translation>
    </message>
    <message>
        <source>The engine answered in %1 but had nothing useful to add.</source>
        <translation>Motorn svarade på %1 men hade inget användbart att lägga till.</translation>
    </message>
    <message>
        <source>That didn&apos;t work: %1</source>
        <translation>Det fungerade inte: %1</translation>
    </message>
    <message>
        <source>The request was cancelled.</source>
        <translation>Begäran avbröts.</translation>
    </message>
    <message>
        <source>Startup</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Launch at login</source>
        <translation>Starta vid inloggning</translation>
    </message>
    <message>
        <source>Show today&apos;s word count next to the icon</source>
        <translation>Visa dagens antal ord vid ikonen</translation>
    </message>
    <message>
        <source>Where suggestions appear</source>
        <translation>Var förslag visas</translation>
    </message>
    <message>
        <source>Turn this off to use %app only in the apps you switch on under Apps &amp; Sites.</source>
        <translation>Stäng av för att bara använda %app i apparna du slår på under ”Appar &amp; webbplatser”.</translation>
    </message>
    <message>
        <source>By default %app waits until the caret is at the end of a line.</source>
        <translation>Som standard väntar %app tills markören står i slutet av en rad.</translation>
    </message>
    <message>
        <source>Without this, %app skips search bars and one-word boxes.</source>
        <translation>Utan detta hoppar %app över sökfält och enordsrutor.</translation>
    </message>
    <message>
        <source>Suggestions appear only after you press the Suggest Now shortcut.</source>
        <translation>Förslag visas bara när du trycker på kortkommandot ”Föreslå nu”.</translation>
    </message>
    <message>
        <source>Spelling</source>
        <translation>Stavning</translation>
    </message>
    <message>
        <source>Waits while the word you&apos;re typing looks misspelled, so %app doesn&apos;t build on a typo.</source>
        <translation>Väntar medan ordet du skriver ser felstavat ut, så att %app inte bygger vidare på ett stavfel.</translation>
    </message>
    <message>
        <source>After a misspelled word, shows a fix next to the caret. Press Tab to swap it in.</source>
        <translation>Efter ett felstavat ord visas en rättelse vid markören. Tryck på Tab för att byta in den.</translation>
    </message>
    <message>
        <source>Look</source>
        <translation>Utseende</translation>
    </message>
    <message>
        <source>Suggestion color</source>
        <translation>Förslagsfärg</translation>
    </message>
    <message>
        <source>Text size</source>
        <translation>Textstorlek</translation>
    </message>
    <message>
        <source>Fine-tune if suggestions look larger or smaller than your text.</source>
        <translation>Finjustera om förslagen ser större eller mindre ut än din text.</translation>
    </message>
    <message>
        <source>Vertical position</source>
        <translation>Lodrät position</translation>
    </message>
    <message>
        <source>Nudge suggestions up or down to line up with your text.</source>
        <translation>Flytta förslagen upp eller ned så att de ligger i linje med din text.</translation>
    </message>
    <message>
        <source>A small keycap after your first suggestions, as a reminder of what to press.</source>
        <translation>En liten tangentsymbol efter dina första förslag, som påminnelse om vad du ska trycka på.</translation>
    </message>
    <message>
        <source>Insert suggestions by</source>
        <translation>Infoga förslag via</translation>
    </message>
    <message>
        <source>Other autocomplete apps</source>
        <translation>Andra appar för autokomplettering</translation>
    </message>
    <message>
        <source>They take the Tab key before %app can. With this off, %app asks you first.</source>
        <translation>De tar Tab-tangenten före %app. När detta är av frågar %app dig först.</translation>
    </message>
    <message>
        <source>%1 is another device on your network, so the text around your caret will be sent there.</source>
        <translation>%1 är en annan enhet i ditt nätverk, så texten runt markören skickas dit.</translation>
    </message>
    <message>
        <source>%1 isn&apos;t this computer, so the text around your caret will be sent there.</source>
        <translation>%1 är inte den här datorn, så texten runt markören skickas dit.</translation>
    </message>
    <message>
        <source>Both keep your text on this computer.</source>
        <translation>Båda håller din text på den här datorn.</translation>
    </message>
    <message>
        <source>%app opens by itself when you start your computer.</source>
        <translation>%app öppnas av sig själv när du startar datorn.</translation>
    </message>
    <message>
        <source>System predictions</source>
        <translation>Systemets förutsägelser</translation>
    </message>
    <message>
        <source>The system can show its own grey predictions. Keeping them off avoids two suggestions at once.</source>
        <translation>Systemet kan visa egna grå förutsägelser. Att ha dem avstängda undviker två förslag samtidigt.</translation>
    </message>
    <message>
        <source>System predictions are on</source>
        <translation>Systemets förutsägelser är på</translation>
    </message>
    <message>
        <source>System predictions are off</source>
        <translation>Systemets förutsägelser är av</translation>
    </message>
    <message>
        <source>tab</source>
        <translation>tab</translation>
    </message>
    <message>
        <source>Your next words, one Tab away.</source>
        <translation>Dina nästa ord, ett Tab bort.</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Hoppa över</translation>
    </message>
    <message>
        <source>Get Started</source>
        <translation>Kom igång</translation>
    </message>
    <message>
        <source>Turn sound on</source>
        <translation>Slå på ljud</translation>
    </message>
    <message>
        <source>Turn sound off</source>
        <translation>Stäng av ljud</translation>
    </message>
    <message>
        <source>The other app</source>
        <translation>Den andra appen</translation>
    </message>
    <message numerus="yes">
        <source>Next time, quit %1 without asking</source>
        <translation>
            <numerusform>Avsluta %1 utan att fråga nästa gång</numerusform>
            <numerusform>Avsluta %1 utan att fråga nästa gång</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 is also running</source>
        <translation>
            <numerusform>%1 körs också</numerusform>
            <numerusform>%1 körs också</numerusform>
        </translation>
    </message>
    <message>
        <source>Quitting…</source>
        <translation>Avslutar…</translation>
    </message>
    <message numerus="yes">
        <source>%1 is still open</source>
        <translation>
            <numerusform>%1 är fortfarande öppen</numerusform>
            <numerusform>%1 är fortfarande öppna</numerusform>
        </translation>
    </message>
    <message>
        <source>%app has the Tab key</source>
        <translation>%app har Tab-tangenten</translation>
    </message>
    <message>
        <source>%1 quit, so your suggestions are back in every app.</source>
        <translation>%1 avslutades, så dina förslag är tillbaka i alla appar.</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Klar</translation>
    </message>
    <message>
        <source>Open Source Notices</source>
        <translation>Meddelanden om öppen källkod</translation>
    </message>
    <message>
        <source>Reset all settings?</source>
        <translation>Återställ alla inställningar?</translation>
    </message>
    <message>
        <source>This also clears your rules for apps and sites. Your statistics and writing memory stay.</source>
        <translation>Detta rensar även dina regler för appar och webbplatser. Din statistik och ditt skrivminne finns kvar.</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Återställ</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Some apps hide their text</source>
        <translation>Vissa appar döljer sin text</translation>
    </message>
    <message>
        <source>Suggest emoji after a colon</source>
        <translation>Föreslå emoji efter kolon</translation>
    </message>
    <message>
        <source>Turn emoticons into emoji</source>
        <translation>Gör om smilisar till emoji</translation>
    </message>
    <message>
        <source>After :-) or &lt;3, %app offers the matching emoji. Press Tab to swap it in.</source>
        <translation>Efter :-) eller &lt;3 erbjuder %app matchande emoji. Tryck på Tab för att infoga den.</translation>
    </message>
    <message>
        <source>Skin tone</source>
        <translation>Hudton</translation>
    </message>
    <message>
        <source>Also show the default yellow</source>
        <translation>Visa även standardgult</translation>
    </message>
    <message>
        <source>Try a word</source>
        <translation>Prova ett ord</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Svagt</translation>
    </message>
    <message>
        <source>No emoji match “%1”</source>
        <translation>Ingen emoji matchar ”%1”</translation>
    </message>
    <message>
        <source>Accepting</source>
        <translation>Godkännande</translation>
    </message>
    <message>
        <source>Take the next word</source>
        <translation>Ta nästa ord</translation>
    </message>
    <message>
        <source>Press again for each following word.</source>
        <translation>Tryck igen för varje följande ord.</translation>
    </message>
    <message>
        <source>Take the whole suggestion</source>
        <translation>Ta hela förslaget</translation>
    </message>
    <message>
        <source>The key above Tab is easy to reach on most keyboards.</source>
        <translation>Tangenten ovanför Tab är lätt att nå på de flesta tangentbord.</translation>
    </message>
    <message>
        <source>Include the space after a word</source>
        <translation>Ta med mellanslaget efter ett ord</translation>
    </message>
    <message>
        <source>Include punctuation right after a word</source>
        <translation>Ta med skiljetecken direkt efter ett ord</translation>
    </message>
    <message>
        <source>When you press Escape</source>
        <translation>När du trycker på Esc</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Kortkommandon</translation>
    </message>
    <message>
        <source>Suggest now</source>
        <translation>Föreslå nu</translation>
    </message>
    <message>
        <source>Asks for a suggestion right away, even where %app would normally wait.</source>
        <translation>Ber om ett förslag direkt, även där %app normalt skulle vänta.</translation>
    </message>
    <message>
        <source>Other suggestions</source>
        <translation>Andra förslag</translation>
    </message>
    <message>
        <source>Lists a few different ways to continue. Choose with the arrow keys, then press Tab.</source>
        <translation>Visar några olika sätt att fortsätta. Välj med piltangenterna och tryck sedan på Tab.</translation>
    </message>
    <message>
        <source>Pause or resume in this app</source>
        <translation>Pausa eller återuppta i den här appen</translation>
    </message>
    <message>
        <source>Pauses for 15 minutes.</source>
        <translation>Pausar i 15 minuter.</translation>
    </message>
    <message>
        <source>Turn %app on or off</source>
        <translation>Slå på eller av %app</translation>
    </message>
    <message>
        <source>Everywhere, until you press it again.</source>
        <translation>Överallt, tills du trycker igen.</translation>
    </message>
    <message>
        <source>Pause or resume</source>
        <translation>Pausa eller återuppta</translation>
    </message>
    <message>
        <source>Turn on or off</source>
        <translation>Slå på eller av</translation>
    </message>
    <message>
        <source>%1 and %2 use the same keys. Only the first will work.</source>
        <translation>”%1” och ”%2” använder samma tangenter. Bara det första fungerar.</translation>
    </message>
    <message>
        <source>About you</source>
        <translation>Om dig</translation>
    </message>
    <message>
        <source>For example: I&apos;m a product designer in Berlin. I write short, friendly emails in British English and sign off with Cheers.</source>
        <translation>Till exempel: Jag är produktdesigner i Berlin. Jag skriver korta, vänliga mejl på brittisk engelska och avslutar med ”Cheers”.</translation>
    </message>
    <message>
        <source>Your role, the languages you write in, names you use often, how you like to sound.</source>
        <translation>Din roll, språken du skriver på, namn du ofta använder, hur du vill låta.</translation>
    </message>
    <message>
        <source>Writing memory</source>
        <translation>Skrivminne</translation>
    </message>
    <message>
        <source>Remember how I write</source>
        <translation>Kom ihåg hur jag skriver</translation>
    </message>
    <message>
        <source>Also remember fields where I accept nothing</source>
        <translation>Kom även ihåg fält där jag inte godkänner något</translation>
    </message>
    <message>
        <source>%app learns your style sooner but keeps more of what you type.</source>
        <translation>%app lär sig din stil snabbare men sparar mer av det du skriver.</translation>
    </message>
    <message>
        <source>Influence</source>
        <translation>Inflytande</translation>
    </message>
    <message>
        <source>Strong</source>
        <translation>Starkt</translation>
    </message>
    <message>
        <source>How many of your passages each suggestion can draw on.</source>
        <translation>Hur många av dina textavsnitt varje förslag kan bygga på.</translation>
    </message>
    <message>
        <source>Erase All…</source>
        <translation>Radera allt…</translation>
    </message>
    <message>
        <source>Erase everything %app remembered?</source>
        <translation>Radera allt som %app har kommit ihåg?</translation>
    </message>
    <message>
        <source>This can&apos;t be undone.</source>
        <translation>Det går inte att ångra.</translation>
    </message>
    <message>
        <source>Erase All</source>
        <translation>Radera allt</translation>
    </message>
    <message>
        <source>Nothing remembered yet</source>
        <translation>Inget sparat än</translation>
    </message>
    <message>
        <source>App and window name</source>
        <translation>App- och fönsternamn</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>Webbplats</translation>
    </message>
    <message>
        <source>The site&apos;s domain when you write in a browser.</source>
        <translation>Webbplatsens domän när du skriver i en webbläsare.</translation>
    </message>
    <message>
        <source>Recently copied text</source>
        <translation>Nyligen kopierad text</translation>
    </message>
    <message>
        <source>Anything you copied in the last 10 minutes. Copies from password managers are skipped.</source>
        <translation>Allt du har kopierat de senaste 10 minuterna. Kopior från lösenordshanterare hoppas över.</translation>
    </message>
    <message>
        <source>Text on screen</source>
        <translation>Text på skärmen</translation>
    </message>
    <message>
        <source>Reads the window you&apos;re writing in, so replies fit the conversation. It picks the lines closest to where you type.</source>
        <translation>Läser fönstret du skriver i, så att svaren passar samtalet. Den väljer raderna närmast där du skriver.</translation>
    </message>
    <message>
        <source>What you just looked at</source>
        <translation>Det du just tittade på</translation>
    </message>
    <message>
        <source>Windows beside you</source>
        <translation>Fönster bredvid</translation>
    </message>
    <message>
        <source>Also reads up to two other windows on the same screen, like the document you&apos;re replying about. Skips password managers and apps you switched off.</source>
        <translation>Läser även upp till två andra fönster på samma skärm, som dokumentet ditt svar handlar om. Hoppar över lösenordshanterare och appar du har stängt av.</translation>
    </message>
    <message>
        <source>Off in this app</source>
        <translation>Av i den här appen</translation>
    </message>
    <message>
        <source>This word looks misspelled</source>
        <translation>Ordet ser felstavat ut</translation>
    </message>
    <message>
        <source>Thanks for the notes. I&apos;ll send the revised deck</source>
        <translation>Tack för anteckningarna. Jag skickar den reviderade presentationen</translation>
    </message>
    <message>
        <source> by Friday morning.</source>
        <translation> senast fredag morgon.</translation>
    </message>
    <message>
        <source>%1 quit. %app has the Tab key.</source>
        <translation>%1 avslutades. %app har Tab-tangenten.</translation>
    </message>
    <message>
        <source>Open Data Folder</source>
        <translation>Öppna datamappen</translation>
    </message>
    <message>
        <source>Show Welcome Again</source>
        <translation>Visa välkomsten igen</translation>
    </message>
    <message>
        <source>Play Intro Again</source>
        <translation>Spela introt igen</translation>
    </message>
    <message>
        <source>Reset Settings…</source>
        <translation>Återställ inställningar…</translation>
    </message>
    <message>
        <source>Suggest in every app</source>
        <translation>Föreslå i alla appar</translation>
    </message>
    <message>
        <source>Suggest in code editors</source>
        <translation>Föreslå i kodredigerare</translation>
    </message>
    <message>
        <source>Suggest in the middle of a line</source>
        <translation>Föreslå mitt på en rad</translation>
    </message>
    <message>
        <source>Suggest in small fields</source>
        <translation>Föreslå i små fält</translation>
    </message>
    <message>
        <source>Hold back on misspelled words</source>
        <translation>Vänta om ordet ser felstavat ut</translation>
    </message>
    <message>
        <source>Offer spelling fixes</source>
        <translation>Erbjud stavningsrättelser</translation>
    </message>
    <message>
        <source>Show the key hint</source>
        <translation>Visa tangenttips</translation>
    </message>
    <message>
        <source>Quit other autocomplete apps when they open</source>
        <translation>Avsluta andra appar för autokomplettering när de öppnas</translation>
    </message>
    <message>
        <source>Keeps a few minutes of text from windows you switched away from, like a page you read before replying. It stays on your computer and skips apps you switched off.</source>
        <translation>Sparar några minuters text från fönster du har lämnat, som en sida du läste innan du svarade. Den stannar på din dator och hoppar över appar du har stängt av.</translation>
    </message>
    <message numerus="yes">
        <source>Both apps answer the Tab key, and the system gives it to %1 first. %app stays paused in your other apps until %1 quits.</source>
        <translation>
            <numerusform>Båda apparna svarar på Tab-tangenten, och systemet ger den till %1 först. %app förblir pausad i dina andra appar tills %1 avslutas.</numerusform>
            <numerusform>%1 tar Tab-tangenten före %app, så %app förblir pausad i dina andra appar tills du avslutar dem.</numerusform>
        </translation>
    </message>
    <message>
        <source>Finishes your sentences in any app, on your computer.</source>
        <translation>Skriver klart dina meningar i alla appar, på din dator.</translation>
    </message>
    <message>
        <source>Keeps short passages from fields where you accepted a suggestion, encrypted on this computer, and shows them to the model as examples.</source>
        <translation>Sparar korta textavsnitt från fält där du godkände ett förslag, krypterade på den här datorn, och visar dem för modellen som exempel.</translation>
    </message>
    <message>
        <source>Light</source>
        <comment>skin tone</comment>
        <translation>Ljus</translation>
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
        <translation>Mellanljus</translation>
    </message>
    <message>
        <source>Medium</source>
        <comment>skin tone</comment>
        <translation>Mellan</translation>
    </message>
    <message>
        <source>Medium dark</source>
        <comment>skin tone</comment>
        <translation>Mellanmörk</translation>
    </message>
    <message>
        <source>Dark</source>
        <comment>skin tone</comment>
        <translation>Mörk</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Okänd</translation>
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
        <translation>Inte angivet, uppskattat från markören</translation>
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
        <translation>Inte än</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>I dag</translation>
    </message>
    <message>
        <source>Last 7 days</source>
        <translation>Senaste 7 dagarna</translation>
    </message>
    <message>
        <source>All time</source>
        <translation>Sedan start</translation>
    </message>
    <message>
        <source>Typing saved</source>
        <translation>Sparat skrivande</translation>
    </message>
    <message>
        <source>at 40 words a minute</source>
        <translation>vid 40 ord per minut</translation>
    </message>
    <message>
        <source>Accepted</source>
        <translation>Godkända</translation>
    </message>
    <message>
        <source>of suggestions shown</source>
        <translation>av visade förslag</translation>
    </message>
    <message>
        <source>Typical wait</source>
        <translation>Typisk väntetid</translation>
    </message>
    <message>
        <source>9 in 10 under %1</source>
        <translation>9 av 10 under %1</translation>
    </message>
    <message>
        <source>no requests yet</source>
        <translation>inga förfrågningar än</translation>
    </message>
    <message>
        <source>Words saved</source>
        <translation>Sparade ord</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>Period</translation>
    </message>
    <message>
        <source>Nothing to chart yet</source>
        <translation>Inget att visa än</translation>
    </message>
    <message>
        <source>Accept a few suggestions and your days show up here.</source>
        <translation>Godkänn några förslag så visas dina dagar här.</translation>
    </message>
    <message>
        <source>Where you write</source>
        <translation>Var du skriver</translation>
    </message>
    <message>
        <source>Reset Statistics…</source>
        <translation>Återställ statistik…</translation>
    </message>
    <message>
        <source>Reset all statistics?</source>
        <translation>Återställ all statistik?</translation>
    </message>
    <message>
        <source>This clears words saved, acceptance and timing history.</source>
        <translation>Detta rensar historiken för sparade ord, godkännanden och väntetider.</translation>
    </message>
    <message>
        <source>Copy Diagnostics</source>
        <translation>Kopiera diagnostik</translation>
    </message>
    <message>
        <source>Diagnostics leave out the text you typed.</source>
        <translation>Diagnostiken utelämnar texten du skrev.</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Right now</source>
        <translation>Just nu</translation>
    </message>
    <message>
        <source>Allowed</source>
        <translation>Tillåten</translation>
    </message>
    <message>
        <source>Not allowed</source>
        <translation>Inte tillåten</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Tangentbord</translation>
    </message>
    <message>
        <source>Listening</source>
        <translation>Lyssnar</translation>
    </message>
    <message>
        <source>Not listening</source>
        <translation>Lyssnar inte</translation>
    </message>
    <message>
        <source>Focused field</source>
        <translation>Aktivt fält</translation>
    </message>
    <message>
        <source>Click into a text field in another app, then come back. The last field %1 saw stays here.</source>
        <translation>Klicka i ett textfält i en annan app och kom sedan tillbaka. Det senaste fältet som %1 såg stannar här.</translation>
    </message>
    <message>
        <source>App</source>
        <translation>App</translation>
    </message>
    <message>
        <source>Field type</source>
        <translation>Fälttyp</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>Fönster</translation>
    </message>
    <message>
        <source>Field size</source>
        <translation>Fältstorlek</translation>
    </message>
    <message>
        <source>Caret found</source>
        <translation>Markör hittad</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Typsnitt</translation>
    </message>
    <message>
        <source>At end of line</source>
        <translation>I slutet av raden</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>Secure input</source>
        <translation>Säker inmatning</translation>
    </message>
    <message>
        <source>Looked at lately</source>
        <translation>Nyligen sett</translation>
    </message>
    <message>
        <source>Text before the caret</source>
        <translation>Text före markören</translation>
    </message>
    <message>
        <source>Last request</source>
        <translation>Senaste förfrågan</translation>
    </message>
    <message>
        <source>Wait</source>
        <translation>Väntetid</translation>
    </message>
    <message>
        <source>Suggestion</source>
        <translation>Förslag</translation>
    </message>
    <message>
        <source>Prompt sent to the engine</source>
        <translation>Prompt skickad till motorn</translation>
    </message>
    <message>
        <source>Raw answer</source>
        <translation>Rått svar</translation>
    </message>
    <message>
        <source>(empty)</source>
        <translation>(tomt)</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>Kopierat</translation>
    </message>
    <message>
        <source>Choose a language</source>
        <translation>Välj ett språk</translation>
    </message>
    <message>
        <source>Search languages</source>
        <translation>Sök språk</translation>
    </message>
    <message>
        <source>Same as my computer</source>
        <translation>Samma som datorn</translation>
    </message>
    <message>
        <source>Switch to %1?</source>
        <translation>Byta till %1?</translation>
    </message>
    <message>
        <source>%1 closes and opens again in a second. Your settings stay as they are.</source>
        <translation>%1 stängs och öppnas igen inom en sekund. Dina inställningar förblir som de är.</translation>
    </message>
    <message>
        <source>Reopen Now</source>
        <translation>Öppna igen nu</translation>
    </message>
    <message>
        <source>App language</source>
        <translation>Appspråk</translation>
    </message>
    <message>
        <source>Pick the language you read most easily. Suggestions follow whatever language you type.</source>
        <translation>Välj det språk du läser lättast. Förslagen följer det språk du skriver på.</translation>
    </message>
    <message>
        <source>Change the app language</source>
        <translation>Ändra appens språk</translation>
    </message>
    <message>
        <source>0 min</source>
        <translation>0 min</translation>
    </message>
    <message>
        <source>under a minute</source>
        <translation>under en minut</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>Not set</source>
        <translation>Inte angivet</translation>
    </message>
    <message>
        <source>Clear shortcut</source>
        <translation>Rensa kortkommando</translation>
    </message>
    <message>
        <source>Add Ctrl, Alt or Super so normal typing still works.</source>
        <translation>Lägg till Ctrl, Alt eller Super så att vanligt skrivande fortfarande fungerar.</translation>
    </message>
    <message>
        <source>Type a shortcut…</source>
        <translation>Tryck på ett kortkommando…</translation>
    </message>
    <message>
        <source>Recording shortcut</source>
        <translation>Spelar in kortkommando</translation>
    </message>
    <message>
        <source>Shortcut %1</source>
        <translation>Kortkommando %1</translation>
    </message>
    <message>
        <source>Record shortcut</source>
        <translation>Spela in kortkommando</translation>
    </message>
    <message>
        <source>Shortcut not set</source>
        <translation>Kortkommando saknas</translation>
    </message>
    <message>
        <source>Press to record a new shortcut. Escape cancels.</source>
        <translation>Tryck för att spela in ett nytt kortkommando. Esc avbryter.</translation>
    </message>
    <message>
        <source>Your tray icon is hidden</source>
        <translation>Din ikon i systemfältet är dold</translation>
    </message>
    <message>
        <source>This computer has no on-device language model</source>
        <translation>Den här datorn har ingen inbyggd språkmodell</translation>
    </message>
    <message>
        <source>Turn on the on-device model in the desktop&apos;s settings</source>
        <translation>Slå på enhetsmodellen i skrivbordets inställningar</translation>
    </message>
    <message>
        <source>The on-device model is unavailable</source>
        <translation>Enhetsmodellen är inte tillgänglig</translation>
    </message>
    <message>
        <source>Downloading. The on-device model fills in until it&apos;s done.</source>
        <translation>Hämtar. Enhetsmodellen täcker upp tills det är klart.</translation>
    </message>
    <message>
        <source>The on-device model fills in until you download it.</source>
        <translation>Enhetsmodellen täcker upp tills du hämtar den.</translation>
    </message>
    <message>
        <source>%1 shares no text. Quit it and start it with %2 to get suggestions in it.</source>
        <translation>%1 delar ingen text. Avsluta den och starta den med %2 för att få förslag i den.</translation>
    </message>
    <message>
        <source>On-device model</source>
        <translation>Enhetsmodell</translation>
    </message>
    <message>
        <source>The system&apos;s own language model. Nothing to download.</source>
        <translation>Systemets egen språkmodell. Inget att hämta.</translation>
    </message>
    <message>
        <source>A website name cannot hold spaces, tabs or line breaks.</source>
        <translation>Ett webbplatsnamn får inte innehålla mellanslag, tabbar eller radbrytningar.</translation>
    </message>
    <message>
        <source>Only addresses that start with http or https can be added.</source>
        <translation>Bara adresser som börjar med http eller https kan läggas till.</translation>
    </message>
    <message>
        <source>That is not a website name. Type one such as wikipedia.org.</source>
        <translation>Det är inte ett webbplatsnamn. Skriv ett som wikipedia.org.</translation>
    </message>
    <message>
        <source>A port is a number from 1 to 65535.</source>
        <translation>En port är ett tal från 1 till 65535.</translation>
    </message>
    <message>
        <source>The on-device model fills in until the download is done.</source>
        <translation>Enhetsmodellen täcker upp tills nedladdningen är klar.</translation>
    </message>
    <message>
        <source>Suggestions start once the download is done.</source>
        <translation>Förslagen börjar när nedladdningen är klar.</translation>
    </message>
    <message>
        <source>This frees %1. The on-device model fills in until you download it again.</source>
        <translation>Detta frigör %1. Enhetsmodellen täcker upp tills du hämtar den igen.</translation>
    </message>
    <message>
        <source>This frees %1. The %app model can&apos;t suggest until you download it again.</source>
        <translation>Detta frigör %1. %app-modellen kan inte föreslå något förrän du hämtar den igen.</translation>
    </message>
    <message>
        <source>There&apos;s no room for it, or your panel has no system tray. Add the panel&apos;s system tray or status area applet in its settings.</source>
        <translation>Det finns ingen plats, eller så har panelen inget systemfält. Lägg till panelens miniprogram för systemfält eller statusområde i dess inställningar.</translation>
    </message>
    <message>
        <source>GNOME shows tray icons only with the AppIndicator extension. Install the gnome-shell-extension-appindicator package, log out and in, then turn it on in Extensions.</source>
        <translation>GNOME visar ikoner i systemfältet bara med tillägget AppIndicator. Installera paketet gnome-shell-extension-appindicator, logga ut och in och slå sedan på det i ”Tillägg”.</translation>
    </message>
    <message>
        <source>GNOME shows tray icons only with the AppIndicator extension. It is installed but off: turn it on in Extensions.</source>
        <translation>GNOME visar ikoner i systemfältet bara med tillägget AppIndicator. Det är installerat men avstängt: slå på det i ”Tillägg”.</translation>
    </message>
    <message>
        <source>Until then, open %app from your applications menu to reach Settings.</source>
        <translation>Fram till dess kan du öppna %app från programmenyn för att nå Inställningar.</translation>
    </message>
    <message>
        <source>Open Extensions</source>
        <translation>Öppna ”Tillägg”</translation>
    </message>
    <message>
        <source>Show Count in Tray</source>
        <translation>Visa antal i systemfältet</translation>
    </message>
    <message>
        <source>%1 shares no text</source>
        <translation>%1 delar ingen text</translation>
    </message>
    <message>
        <source>Copy command</source>
        <translation>Kopiera kommando</translation>
    </message>
    <message>
        <source>There&apos;s no account and no analytics. With the %app model or the on-device model, your text stays on this computer.</source>
        <translation>Inget konto och ingen användningsstatistik. Med %app-modellen eller enhetsmodellen stannar din text på den här datorn.</translation>
    </message>
    <message>
        <source>There&apos;s no account and no analytics. With the %app model, your text stays on this computer.</source>
        <translation>Inget konto och ingen användningsstatistik. Med %app-modellen stannar din text på den här datorn.</translation>
    </message>
    <message>
        <source>%app lives in your system tray from now on. Click its icon to pause it in an app or open Settings.</source>
        <translation>%app bor i systemfältet från och med nu. Klicka på ikonen för att pausa den i en app eller öppna Inställningar.</translation>
    </message>
    <message>
        <source>%app has no account, no analytics and no servers of its own. The %app model and the on-device model keep your text on this computer. Other engines get it only if you set one up.</source>
        <translation>%app har inget konto, ingen användningsstatistik och inga egna servrar. %app-modellen och enhetsmodellen håller din text på den här datorn. Andra motorer får den bara om du konfigurerar en.</translation>
    </message>
    <message>
        <source>%app has no account, no analytics and no servers of its own. The %app model keeps your text on this computer. Other engines get it only if you set one up.</source>
        <translation>%app har inget konto, ingen användningsstatistik och inga egna servrar. %app-modellen håller din text på den här datorn. Andra motorer får den bara om du konfigurerar en.</translation>
    </message>
    <message>
        <source>Installed applications</source>
        <translation>Installerade program</translation>
    </message>
    <message>
        <source>%app reads these only while making a suggestion and never saves them. With the %app model or the on-device model, nothing leaves your computer.</source>
        <translation>%app läser dessa bara medan ett förslag tas fram och sparar dem aldrig. Med %app-modellen eller enhetsmodellen lämnar inget din dator.</translation>
    </message>
    <message>
        <source>%app reads these only while making a suggestion and never saves them. With the %app model, nothing leaves your computer.</source>
        <translation>%app läser dessa bara medan ett förslag tas fram och sparar dem aldrig. Med %app-modellen lämnar inget din dator.</translation>
    </message>
    <message>
        <source>The %app model keeps your text on this computer.</source>
        <translation>%app-modellen håller din text på den här datorn.</translation>
    </message>
    <message>
        <source>The key holds a line break or another control character. Paste it again without them.</source>
        <translation>Nyckeln innehåller en radbrytning eller ett annat styrtecken. Klistra in den igen utan dem.</translation>
    </message>
    <message>
        <source>Waiting for the keyring to store the key.</source>
        <translation>Väntar på att nyckelringen ska spara nyckeln.</translation>
    </message>
    <message>
        <source>The keyring cannot keep this key, so it is used only until %app quits.</source>
        <translation>Nyckelringen kan inte behålla den här nyckeln, så den används bara tills %app avslutas.</translation>
    </message>
    <message>
        <source>Show in the system tray</source>
        <translation>Visa i systemfältet</translation>
    </message>
    <message>
        <source>Pause or open Settings from the system tray. Hidden? Open %app from your applications menu to come back.</source>
        <translation>Pausa eller öppna Inställningar från systemfältet. Är ikonen dold? Öppna %app från programmenyn för att komma tillbaka.</translation>
    </message>
    <message>
        <source>This tray can&apos;t show text beside icons, so the count shows in the icon&apos;s tooltip.</source>
        <translation>Det här systemfältet kan inte visa text bredvid ikoner, så antalet visas i ikonens verktygstips.</translation>
    </message>
    <message>
        <source>VS Code, VSCodium, Cursor, Zed, Kate, Sublime Text, JetBrains IDEs and similar apps.</source>
        <translation>VS Code, VSCodium, Cursor, Zed, Kate, Sublime Text, JetBrains-IDE:er och liknande appar.</translation>
    </message>
    <message>
        <source>Your settings could not be read, so they were set aside and %app started over with its defaults.</source>
        <translation>Dina inställningar kunde inte läsas, så de lades åt sidan och %app började om med standardvärdena.</translation>
    </message>
    <message>
        <source>Your settings are not saved: %app cannot write to its settings folder.</source>
        <translation>Dina inställningar sparas inte: %app kan inte skriva till sin inställningsmapp.</translation>
    </message>
    <message>
        <source>Your app and website rules could not be read, so they were set aside.</source>
        <translation>Dina regler för appar och webbplatser kunde inte läsas, så de lades åt sidan.</translation>
    </message>
    <message>
        <source>Your statistics could not be read, so they were set aside and counting started over.</source>
        <translation>Din statistik kunde inte läsas, så den lades åt sidan och räkningen började om.</translation>
    </message>
    <message>
        <source>Not saved: %app cannot write to its data folder.</source>
        <translation>Inte sparat: %app kan inte skriva till sin datamapp.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln suggestions. %1 selected</source>
        <translation>
            <numerusform>%Ln förslag. %1 valt</numerusform>
            <numerusform>%Ln förslag. %1 valt</numerusform>
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
            <numerusform>%Ln textavsnitt härifrån</numerusform>
            <numerusform>%Ln textavsnitt härifrån</numerusform>
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
            <numerusform>%Ln dagar</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Words saved per day over the last %Ln days</source>
        <translation>
            <numerusform>Sparade ord per dag det senaste dygnet</numerusform>
            <numerusform>Sparade ord per dag de senaste %Ln dagarna</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln day streak</source>
        <translation>
            <numerusform>Svit på %Ln dag</numerusform>
            <numerusform>Svit på %Ln dagar</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln passages remembered</source>
        <translation>
            <numerusform>%Ln textavsnitt sparat</numerusform>
            <numerusform>%Ln textavsnitt sparade</numerusform>
        </translation>
    </message>
    <message>
        <source>enter</source>
        <translation>enter</translation>
    </message>
    <message>
        <source>Allow screen capture so %app can read those too. Most apps work without it.</source>
        <translation>Tillåt skärminspelning så att %app kan läsa dem också. De flesta appar fungerar utan.</translation>
    </message>
    <message>
        <source>Type a colon and a word, like :rocket, then press Tab or Enter to pick.</source>
        <translation>Skriv ett kolon och ett ord, som :rocket, och tryck sedan på Tab eller Enter för att välja.</translation>
    </message>
    <message>
        <source>You can switch memory off for single apps under Apps &amp; Sites. The key that unlocks it lives in your keyring.</source>
        <translation>Du kan stänga av minnet för enskilda appar under ”Appar &amp; webbplatser”. Nyckeln som låser upp det finns i din nyckelring.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln emoji. %1 selected</source>
        <translation>
            <numerusform>%Ln emoji. %1 vald</numerusform>
            <numerusform>%Ln emojier. %1 vald</numerusform>
        </translation>
    </message>
    <message>
        <source>Suggestion: %1</source>
        <translation>Förslag: %1</translation>
    </message>
    <message numerus="yes">
        <source>%Ln models available</source>
        <translation>
            <numerusform>%Ln modell tillgänglig</numerusform>
            <numerusform>%Ln modeller tillgängliga</numerusform>
        </translation>
    </message>
    <message>
        <source>The model couldn&apos;t be saved: %1</source>
        <translation>Modellen kunde inte sparas: %1</translation>
    </message>
    <message>
        <source>Ollama isn&apos;t running.</source>
        <translation>Ollama körs inte.</translation>
    </message>
    <message>
        <source>Ollama isn&apos;t running at %1.</source>
        <translation>Ollama körs inte på %1.</translation>
    </message>
    <message>
        <source>No server answered.</source>
        <translation>Ingen server svarade.</translation>
    </message>
    <message>
        <source>No server answered at %1.</source>
        <translation>Ingen server svarade på %1.</translation>
    </message>
    <message>
        <source>Range: %1</source>
        <translation>Period: %1</translation>
    </message>
    <message numerus="yes">
        <source>%1, %Ln to do</source>
        <translation>
            <numerusform>%1, %Ln kvar att göra</numerusform>
            <numerusform>%1, %Ln kvar att göra</numerusform>
        </translation>
    </message>
    <message>
        <source>Type the whole name of the website, such as wikipedia.org.</source>
        <translation>Skriv webbplatsens fullständiga namn, till exempel wikipedia.org.</translation>
    </message>
    <message>
        <source>The key holds a space, an invisible character or a letter outside plain ASCII. Paste it again exactly as your server gave it.</source>
        <translation>Nyckeln innehåller ett mellanslag, ett osynligt tecken eller en bokstav utanför vanlig ASCII. Klistra in den igen precis som servern gav den.</translation>
    </message>
    <message>
        <source>The keyring could not be read, so your server is asked without an API key. Type the key again if your server needs one.</source>
        <translation>Nyckelringen kunde inte läsas, så servern anropas utan API-nyckel. Skriv nyckeln igen om servern behöver en.</translation>
    </message>
    <message>
        <source>Your writing memory could not be opened, so it was set aside and %app started a new one.</source>
        <translation>Ditt skrivminne kunde inte öppnas, så det lades åt sidan och %app skapade ett nytt.</translation>
    </message>
    <message>
        <source>%1, converted for llama.cpp by %2</source>
        <translation>%1, konverterad för llama.cpp av %2</translation>
    </message>
    <message>
        <source>The data folder %1 could not be made. Check that the folder above it exists and that you may write there.</source>
        <translation>Datamappen %1 kunde inte skapas. Kontrollera att den överordnade mappen finns och att du får skriva där.</translation>
    </message>
    <message>
        <source>party</source>
        <comment>emoji search sample</comment>
        <translation>fest</translation>
    </message>
    <message numerus="yes">
        <source>%Ln settings held values %app cannot use, so they were corrected and saved.</source>
        <translation>
            <numerusform>%Ln inställning hade ett värde som %app inte kan använda, så den rättades och sparades.</numerusform>
            <numerusform>%Ln inställningar hade värden som %app inte kan använda, så de rättades och sparades.</numerusform>
        </translation>
    </message>
    <message>
        <source>Your writing memory is not saved: the keyring is missing or locked, so its key cannot be kept.</source>
        <translation>Ditt skrivminne sparas inte: nyckelringen saknas eller är låst, så skrivminnets nyckel kan inte sparas.</translation>
    </message>
    <message>
        <source>That address isn&apos;t valid</source>
        <translation>Adressen är inte giltig</translation>
    </message>
    <message>
        <source>The request timed out.</source>
        <translation>Tidsgränsen för begäran överskreds.</translation>
    </message>
    <message>
        <source>The server&apos;s reply was too long, so it was stopped.</source>
        <translation>Serverns svar var för långt och stoppades.</translation>
    </message>
    <message>
        <source>The server answered %1.</source>
        <translation>Servern svarade %1.</translation>
    </message>
    <message>
        <source>The server answered %1: %2</source>
        <translation>Servern svarade %1: %2</translation>
    </message>
    <message>
        <source>The download server answered %1. Try again later.</source>
        <translation>Nedladdningsservern svarade %1. Försök igen senare.</translation>
    </message>
    <message>
        <source>The download couldn&apos;t be saved: %1</source>
        <translation>Nedladdningen kunde inte sparas: %1</translation>
    </message>
    <message>
        <source>The download paused because the connection dropped. Try again to pick up where it stopped.</source>
        <translation>Nedladdningen pausades eftersom anslutningen bröts. Försök igen för att fortsätta där den slutade.</translation>
    </message>
    <message>
        <source>The download stopped. Check your connection, then try again.</source>
        <translation>Nedladdningen avbröts. Kontrollera anslutningen och försök sedan igen.</translation>
    </message>
    <message>
        <source>Pick an Ollama model in Settings</source>
        <translation>Välj en Ollama-modell i Inställningar</translation>
    </message>
    <message>
        <source>Pick a model for your local server</source>
        <translation>Välj en modell för din lokala server</translation>
    </message>
    <message>
        <source>The server&apos;s answer is not HTTP.</source>
        <translation>Serverns svar är inte HTTP.</translation>
    </message>
    <message>
        <source>The data couldn&apos;t be read because it is missing.</source>
        <translation>Datan kunde inte läsas eftersom den saknas.</translation>
    </message>
    <message>
        <source>The data couldn&apos;t be read because it isn&apos;t in the correct format.</source>
        <translation>Datan kunde inte läsas eftersom den inte har rätt format.</translation>
    </message>
    <message>
        <source>:%1:</source>
        <comment>emoji name</comment>
        <translation>:%1:</translation>
    </message>
    <message>
        <source>This computer has no on-device language model.</source>
        <translation>Den här datorn har ingen språkmodell på enheten.</translation>
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
        <translation>Pausad på %1</translation>
    </message>
    <message>
        <source>Paused in %1</source>
        <translation>Pausad i %1</translation>
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
        <translation>Av i kodredigerare</translation>
    </message>
    <message>
        <source>Off unless turned on per app</source>
        <translation>Av om det inte slås på per app</translation>
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
        <translation>Blanksteg</translation>
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
        <translation>Tangent %1</translation>
    </message>
    <message>
        <source>An email reply reads differently from a commit message.</source>
        <translation>Ett svar på ett mejl låter annorlunda än ett commit-meddelande.</translation>
    </message>
    <message>
        <source>Writes straight into the field. Cleanest in GTK and Qt apps.</source>
        <translation>Skriver direkt i fältet. Renast i GTK- och Qt-appar.</translation>
    </message>
    <message>
        <source>Typing</source>
        <comment>insertion method</comment>
        <translation>Skrivning</translation>
    </message>
    <message>
        <source>%1 h</source>
        <comment>hours with one decimal, such as 1.5</comment>
        <translation>%1 tim</translation>
    </message>
    <message numerus="yes">
        <source>%Ln h</source>
        <translation>
            <numerusform>%Ln tim</numerusform>
            <numerusform>%Ln tim</numerusform>
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
            <numerusform>%Ln ord sparat i dag</numerusform>
            <numerusform>%Ln ord sparade i dag</numerusform>
        </translation>
    </message>
    <message>
        <source>Under a minute of typing saved today.</source>
        <translation>Under en minuts skrivande sparat i dag.</translation>
    </message>
    <message>
        <source>About %1 of typing saved today.</source>
        <translation>Ungefär %1 skrivande sparat i dag.</translation>
    </message>
    <message numerus="yes">
        <source>Step %1 of %Ln</source>
        <translation>
            <numerusform>Steg %1 av %Ln</numerusform>
            <numerusform>Steg %1 av %Ln</numerusform>
        </translation>
    </message>
    <message>
        <source>%app reads and types into text fields through the desktop&apos;s accessibility support, which some desktops leave off. %app uses it only for the field you&apos;re writing in.</source>
        <translation>%app läser och skriver i textfält via skrivbordets stöd för hjälpmedel, som vissa skrivbord låter vara avstängt. %app använder det bara för fältet du skriver i.</translation>
    </message>
    <message>
        <source>The button switches the desktop&apos;s accessibility support on. If the desktop&apos;s settings open instead, turn accessibility on there, then come back. This page updates by itself.</source>
        <translation>Knappen slår på skrivbordets stöd för hjälpmedel. Om skrivbordets inställningar öppnas i stället slår du på hjälpmedel där och kommer sedan tillbaka. Sidan uppdateras av sig själv.</translation>
    </message>
    <message>
        <source>Still off? Some desktops start their accessibility service only when you log in. Log out and back in, then try again.</source>
        <translation>Fortfarande av? Vissa skrivbord startar sin hjälpmedelstjänst först när du loggar in. Logga ut och in igen och försök sedan på nytt.</translation>
    </message>
    <message>
        <source>Pause</source>
        <comment>section header</comment>
        <translation>Paus</translation>
    </message>
    <message>
        <source>Pause</source>
        <comment>button</comment>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>typing</source>
        <comment>insertion method, in a sentence</comment>
        <translation>skrivning</translation>
    </message>
    <message>
        <source>accessibility</source>
        <comment>insertion method, in a sentence</comment>
        <translation>hjälpmedel</translation>
    </message>
    <message>
        <source>paste</source>
        <comment>insertion method, in a sentence</comment>
        <translation>inklistring</translation>
    </message>
    <message>
        <source>short</source>
        <comment>suggestion length, in a sentence</comment>
        <translation>korta</translation>
    </message>
    <message>
        <source>medium</source>
        <comment>suggestion length, in a sentence</comment>
        <translation>mellanlånga</translation>
    </message>
    <message>
        <source>long</source>
        <comment>suggestion length, in a sentence</comment>
        <translation>långa</translation>
    </message>
    <message>
        <source>Default follows General: %1, %2 suggestions.</source>
        <translation>Standard följer ”Allmänt”: %1, %2 förslag.</translation>
    </message>
    <message>
        <source>Yes, at %1, %2 on screen, %3 pt tall, %4 and %5</source>
        <translation>Ja, vid %1, %2 på skärmen, %3 pt hög, %4 och %5</translation>
    </message>
    <message numerus="yes">
        <source>%Ln characters before it</source>
        <translation>
            <numerusform>%Ln tecken före</numerusform>
            <numerusform>%Ln tecken före</numerusform>
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
        <translation>Inget systemfält körs på det här skrivbordet, så ikonen kan inte visas. %1</translation>
    </message>
    <message>
        <source>Typing</source>
        <comment>section header</comment>
        <translation>Skrivning</translation>
    </message>
    <message>
        <source>Switch to the computer&apos;s language?</source>
        <translation>Byta till datorns språk?</translation>
    </message>
    <message numerus="yes">
        <source>%Ln words this week.</source>
        <translation>
            <numerusform>%Ln ord den här veckan.</numerusform>
            <numerusform>%Ln ord den här veckan.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Under a minute of typing saved today. %Ln words this week.</source>
        <translation>
            <numerusform>Under en minuts skrivande sparat i dag. %Ln ord den här veckan.</numerusform>
            <numerusform>Under en minuts skrivande sparat i dag. %Ln ord den här veckan.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>About %1 of typing saved today. %Ln words this week.</source>
        <translation>
            <numerusform>Ungefär %1 skrivande sparat i dag. %Ln ord den här veckan.</numerusform>
            <numerusform>Ungefär %1 skrivande sparat i dag. %Ln ord den här veckan.</numerusform>
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
            <numerusform>%Ln av %1 klar</numerusform>
            <numerusform>%Ln av %1 klara</numerusform>
        </translation>
    </message>
    <message>
        <source>The server refused the connection. Check that it is running and that the address is right.</source>
        <translation>Servern nekade anslutningen. Kontrollera att den körs och att adressen stämmer.</translation>
    </message>
    <message>
        <source>The server&apos;s name couldn&apos;t be found. Check the address.</source>
        <translation>Serverns namn hittades inte. Kontrollera adressen.</translation>
    </message>
    <message>
        <source>A secure connection to the server couldn&apos;t be made.</source>
        <translation>Det gick inte att upprätta en säker anslutning till servern.</translation>
    </message>
    <message>
        <source>The server closed the connection before it answered.</source>
        <translation>Servern stängde anslutningen innan den svarade.</translation>
    </message>
    <message>
        <source>The network proxy couldn&apos;t be reached.</source>
        <translation>Nätverksproxyn går inte att nå.</translation>
    </message>
    <message>
        <source>The server couldn&apos;t be reached.</source>
        <translation>Servern går inte att nå.</translation>
    </message>
    <message>
        <source>Waiting for the network…</source>
        <translation>Väntar på nätverket…</translation>
    </message>
    <message>
        <source>%1 is taken by another program.</source>
        <translation>%1 används redan av ett annat program.</translation>
    </message>
    <message>
        <source>%1 could not open again. Your choice takes effect the next time you start it.</source>
        <translation>%1 kunde inte startas om. Ditt val gäller nästa gång du startar det.</translation>
    </message>
    <message>
        <source>Downloading the model</source>
        <translation>Hämtar modellen</translation>
    </message>
    <message numerus="yes">
        <source>These apps answer the Tab key before %app can, so %app stays paused in your other apps until they quit.</source>
        <translation>
            <numerusform>De här apparna svarar på Tab-tangenten före %app, så %app förblir pausad i dina andra appar tills de avslutas.</numerusform>
            <numerusform>De här apparna svarar på Tab-tangenten före %app, så %app förblir pausad i dina andra appar tills de avslutas.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>It may be waiting on a dialog of its own. Force Quit closes it right away.</source>
        <translation>
            <numerusform>Den väntar kanske på en egen dialogruta. ”Tvångsavsluta” stänger den direkt.</numerusform>
            <numerusform>De väntar kanske på egna dialogrutor. ”Tvångsavsluta” stänger dem direkt.</numerusform>
        </translation>
    </message>
    <message>
        <source>Set a Suggest Now shortcut in Keys to ask for suggestions</source>
        <translation>Ställ in ett kortkommando för ”Föreslå nu” under ”Tangenter” för att be om förslag</translation>
    </message>
    <message>
        <source>Backspace</source>
        <comment>key above Enter that deletes backwards</comment>
        <translation>Backsteg</translation>
    </message>
    <message>
        <source>0 words saved today</source>
        <translation>0 ord sparade i dag</translation>
    </message>
    <message>
        <source>words saved today</source>
        <comment>beside the count 0</comment>
        <translation>ord sparade i dag</translation>
    </message>
    <message>
        <source>Quit the other app</source>
        <translation>Avsluta den andra appen</translation>
    </message>
    <message>
        <source>None yet</source>
        <comment>no app looked at yet</comment>
        <translation>Inga än</translation>
    </message>
    <message>
        <source>None yet</source>
        <comment>no suggestion shown yet</comment>
        <translation>Inget än</translation>
    </message>
    <message>
        <source>The other app is also running</source>
        <translation>Den andra appen körs också</translation>
    </message>
    <message>
        <source>Both apps answer the Tab key, and the system gives it to the other app first. %app stays paused in your other apps until the other app quits.</source>
        <translation>Båda apparna svarar på Tab-tangenten, och systemet ger den till den andra appen först. %app förblir pausad i dina andra appar tills den andra appen avslutas.</translation>
    </message>
    <message>
        <source>The other app is still open</source>
        <translation>Den andra appen är fortfarande öppen</translation>
    </message>
    <message>
        <source>The other app quit, so your suggestions are back in every app.</source>
        <translation>Den andra appen avslutades, så dina förslag är tillbaka i alla appar.</translation>
    </message>
    <message>
        <source>The other app quit. %app has the Tab key.</source>
        <translation>Den andra appen avslutades. %app har Tab-tangenten.</translation>
    </message>
</context>
</TS>
