<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs" sourcelanguage="en">
<context>
    <name>Tessaquill</name>
    <message>
        <source>Accessibility is on. %app is ready in your other apps.</source>
        <translation>Zpřístupnění je zapnuté. %app je připraven ve vašich dalších aplikacích.</translation>
    </message>
    <message>
        <source>Paused while %1 is open</source>
        <translation>Pozastaveno, dokud je otevřena aplikace %1</translation>
    </message>
    <message>
        <source>Welcome to %app</source>
        <translation>Vítejte v %app</translation>
    </message>
    <message>
        <source>%app</source>
        <translation>%app</translation>
    </message>
    <message>
        <source>Another autocomplete app is running</source>
        <translation>Běží jiná aplikace pro automatické doplňování</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Připraveno</translation>
    </message>
    <message>
        <source>Waiting for a pause</source>
        <translation>Čeká na pauzu</translation>
    </message>
    <message>
        <source>Thinking</source>
        <translation>Přemýšlí</translation>
    </message>
    <message>
        <source>Showing a suggestion</source>
        <translation>Zobrazuje návrh</translation>
    </message>
    <message>
        <source>The model took too long to answer</source>
        <translation>Model odpovídal příliš dlouho</translation>
    </message>
    <message>
        <source>This app doesn&apos;t report where the caret is</source>
        <translation>Tato aplikace nesděluje, kde je kurzor</translation>
    </message>
    <message>
        <source>%app is turned off</source>
        <translation>%app je vypnutý</translation>
    </message>
    <message>
        <source>Secure input is on, so %app stays out</source>
        <translation>Je zapnuté zabezpečené zadávání, proto %app nezasahuje</translation>
    </message>
    <message>
        <source>Press %1 for a suggestion</source>
        <translation>Pro návrh stiskněte %1</translation>
    </message>
    <message>
        <source>Text is selected</source>
        <translation>Je vybrán text</translation>
    </message>
    <message>
        <source>The caret is inside existing text</source>
        <translation>Kurzor je uvnitř existujícího textu</translation>
    </message>
    <message>
        <source>This field is too small</source>
        <translation>Toto pole je příliš malé</translation>
    </message>
    <message>
        <source>Waiting for a few characters</source>
        <translation>Čeká na několik znaků</translation>
    </message>
    <message>
        <source>Start of a new line</source>
        <translation>Začátek nového řádku</translation>
    </message>
    <message>
        <source>The model is still downloading</source>
        <translation>Model se ještě stahuje</translation>
    </message>
    <message>
        <source>Download the %app model in Settings first</source>
        <translation>Nejprve stáhněte model %app v nastavení</translation>
    </message>
    <message>
        <source>Not checked yet</source>
        <translation>Zatím nezkontrolováno</translation>
    </message>
    <message>
        <source>Checking…</source>
        <translation>Kontrola…</translation>
    </message>
    <message>
        <source>The model stopped with error %1</source>
        <translation>Model se zastavil s chybou %1</translation>
    </message>
    <message>
        <source>The model file couldn&apos;t be loaded</source>
        <translation>Soubor modelu se nepodařilo načíst</translation>
    </message>
    <message>
        <source>There wasn&apos;t enough memory to start the model</source>
        <translation>Na spuštění modelu nebylo dost paměti</translation>
    </message>
    <message>
        <source>The text couldn&apos;t be prepared for the model</source>
        <translation>Text se nepodařilo připravit pro model</translation>
    </message>
    <message>
        <source>This computer needs %1 free for the download. Free up some space, then try again.</source>
        <translation>Stahování potřebuje %1 volného místa. Uvolněte místo a zkuste to znovu.</translation>
    </message>
    <message>
        <source>The download didn&apos;t match the expected file, so it was deleted. Try again.</source>
        <translation>Stažený soubor neodpovídal očekávanému, proto byl smazán. Zkuste to znovu.</translation>
    </message>
    <message>
        <source>Downloaded</source>
        <translation>Staženo</translation>
    </message>
    <message>
        <source>Downloading. Suggestions start once it&apos;s done.</source>
        <translation>Stahuje se. Návrhy začnou, jakmile bude hotovo.</translation>
    </message>
    <message>
        <source>Checking the download.</source>
        <translation>Kontrola staženého souboru.</translation>
    </message>
    <message>
        <source>Checking the download. Suggestions start once it&apos;s done.</source>
        <translation>Kontrola staženého souboru. Návrhy začnou, jakmile bude hotovo.</translation>
    </message>
    <message>
        <source>Download the model to start</source>
        <translation>Začněte stažením modelu</translation>
    </message>
    <message>
        <source>Ollama is running but has no models</source>
        <translation>Ollama běží, ale nemá žádné modely</translation>
    </message>
    <message>
        <source>Another app</source>
        <translation>Jiná aplikace</translation>
    </message>
    <message>
        <source>There is no D-Bus session bus, so %1 cannot reach text fields.</source>
        <translation>Neexistuje sběrnice relace D-Bus, proto %1 nemá přístup k textovým polím.</translation>
    </message>
    <message>
        <source>The desktop&apos;s accessibility bus is not running, so %1 cannot reach text fields.</source>
        <translation>Sběrnice zpřístupnění pracovního prostředí neběží, proto %1 nemá přístup k textovým polím.</translation>
    </message>
    <message>
        <source>Short</source>
        <translation>Krátké</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Střední</translation>
    </message>
    <message>
        <source>Long</source>
        <translation>Dlouhé</translation>
    </message>
    <message>
        <source>Hide the suggestion</source>
        <translation>Skrýt návrh</translation>
    </message>
    <message>
        <source>Hide suggestions until I change fields</source>
        <translation>Skrývat návrhy, dokud nepřejdu do jiného pole</translation>
    </message>
    <message>
        <source>Do nothing, send Escape to the app</source>
        <translation>Nic nedělat, poslat Escape aplikaci</translation>
    </message>
    <message>
        <source>Type it</source>
        <translation>Psaní</translation>
    </message>
    <message>
        <source>Insert through Accessibility</source>
        <translation>Vložení přes zpřístupnění</translation>
    </message>
    <message>
        <source>Paste it</source>
        <translation>Vložení ze schránky</translation>
    </message>
    <message>
        <source>Grey</source>
        <translation>Šedá</translation>
    </message>
    <message>
        <source>Gold tint</source>
        <translation>Zlatý nádech</translation>
    </message>
    <message>
        <source>%app model</source>
        <translation>Model %app</translation>
    </message>
    <message>
        <source>Ollama</source>
        <translation>Ollama</translation>
    </message>
    <message>
        <source>Local server</source>
        <translation>Místní server</translation>
    </message>
    <message>
        <source>Runs on this computer after a one-time download. Works offline.</source>
        <translation>Běží na tomto počítači po jednorázovém stažení. Funguje offline.</translation>
    </message>
    <message>
        <source>Any model you run in Ollama, base models included.</source>
        <translation>Jakýkoli model spuštěný v Ollamě, včetně základních modelů.</translation>
    </message>
    <message>
        <source>LM Studio, llama-server or any OpenAI-compatible endpoint.</source>
        <translation>LM Studio, llama-server nebo jakýkoli koncový bod kompatibilní s OpenAI.</translation>
    </message>
    <message>
        <source>Sends the text as keystrokes. Works almost everywhere.</source>
        <translation>Posílá text jako stisky kláves. Funguje téměř všude.</translation>
    </message>
    <message>
        <source>Uses the clipboard, then puts your clipboard back.</source>
        <translation>Použije schránku a pak vrátí její obsah.</translation>
    </message>
    <message>
        <source>Accessibility</source>
        <translation>Zpřístupnění</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Vložení</translation>
    </message>
    <message>
        <source>Your writing memory could not be opened and was set aside. Nothing new is remembered until %app starts again.</source>
        <translation>Paměť psaní se nepodařilo otevřít, proto byla odložena. Do dalšího spuštění %app se nic nového nezapamatuje.</translation>
    </message>
    <message>
        <source>Your writing memory could not be opened because its key could not be read from the keyring. Nothing new is remembered until %app starts again.</source>
        <translation>Paměť psaní se nepodařilo otevřít, protože její klíč nešlo přečíst z klíčenky. Do dalšího spuštění %app se nic nového nezapamatuje.</translation>
    </message>
    <message>
        <source>Not Now</source>
        <translation>Teď ne</translation>
    </message>
    <message>
        <source>Open the desktop&apos;s settings</source>
        <translation>Otevřít nastavení prostředí</translation>
    </message>
    <message>
        <source>Don&apos;t remind me again</source>
        <translation>Už nepřipomínat</translation>
    </message>
    <message>
        <source>Open Playground</source>
        <translation>Otevřít zkušební pole</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Nastavení</translation>
    </message>
    <message>
        <source>Quit %app</source>
        <translation>Ukončit %app</translation>
    </message>
    <message>
        <source>Needs Accessibility access</source>
        <translation>Vyžaduje oprávnění pro zpřístupnění</translation>
    </message>
    <message>
        <source>Paused until you resume</source>
        <translation>Pozastaveno, dokud neobnovíte</translation>
    </message>
    <message>
        <source>Paused until %1</source>
        <translation>Pozastaveno do %1</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Vypnuto</translation>
    </message>
    <message numerus="yes">
        <source>Paused while %1 are open</source>
        <translation>
            <numerusform>Pozastaveno, dokud je otevřena aplikace %1</numerusform>
            <numerusform>Pozastaveno, dokud jsou otevřené aplikace %1</numerusform>
            <numerusform>Pozastaveno, dokud jsou otevřené aplikace %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Grant Accessibility Access…</source>
        <translation>Udělit oprávnění pro zpřístupnění…</translation>
    </message>
    <message numerus="yes">
        <source>Force Quit %1</source>
        <translation>
            <numerusform>Vynutit ukončení aplikace %1</numerusform>
            <numerusform>Vynutit ukončení aplikací %1</numerusform>
            <numerusform>Vynutit ukončení aplikací %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Quit %1</source>
        <translation>
            <numerusform>Ukončit %1</numerusform>
            <numerusform>Ukončit %1</numerusform>
            <numerusform>Ukončit %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>words saved today</source>
        <translation>
            <numerusform>slovo dnes ušetřeno</numerusform>
            <numerusform>slova dnes ušetřena</numerusform>
            <numerusform>slov dnes ušetřeno</numerusform>
        </translation>
    </message>
    <message>
        <source>Start typing anywhere. %app keeps count here.</source>
        <translation>Začněte psát kdekoli. %app to tu bude počítat.</translation>
    </message>
    <message>
        <source>Resume in %1</source>
        <translation>Obnovit v aplikaci %1</translation>
    </message>
    <message>
        <source>Pause in %1</source>
        <translation>Pozastavit v aplikaci %1</translation>
    </message>
    <message>
        <source>Resume Everywhere</source>
        <translation>Obnovit všude</translation>
    </message>
    <message>
        <source>Pause Everywhere</source>
        <translation>Pozastavit všude</translation>
    </message>
    <message>
        <source>For 15 Minutes</source>
        <translation>Na 15 minut</translation>
    </message>
    <message>
        <source>For 1 Hour</source>
        <translation>Na 1 hodinu</translation>
    </message>
    <message>
        <source>For 4 Hours</source>
        <translation>Na 4 hodiny</translation>
    </message>
    <message>
        <source>Until I Resume</source>
        <translation>Dokud neobnovím</translation>
    </message>
    <message>
        <source>Example: after typing %1, %2 suggests %3</source>
        <translation>Příklad: po napsání „%1“ %2 navrhne „%3“</translation>
    </message>
    <message>
        <source>takes the next word</source>
        <translation>přijme další slovo</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Stáhnout</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 z %2</translation>
    </message>
    <message>
        <source>%1 of %2. You can keep writing while it downloads.</source>
        <translation>%1 z %2. Během stahování můžete dál psát.</translation>
    </message>
    <message>
        <source>Checking the download</source>
        <translation>Kontrola staženého souboru</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Zkusit znovu</translation>
    </message>
    <message>
        <source>Remove…</source>
        <translation>Odstranit…</translation>
    </message>
    <message>
        <source>%1 license</source>
        <translation>Licence %1</translation>
    </message>
    <message>
        <source>Remove the %app model?</source>
        <translation>Odstranit model %app?</translation>
    </message>
    <message>
        <source>Model download</source>
        <translation>Stahování modelu</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Odstranit</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Pokračovat</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Později</translation>
    </message>
    <message>
        <source>Start Writing</source>
        <translation>Začít psát</translation>
    </message>
    <message>
        <source>Finish your sentences in any app.</source>
        <translation>Dokončuje vaše věty v každé aplikaci.</translation>
    </message>
    <message>
        <source>%app reads the words before your caret and suggests what comes next in grey. Press Tab to take one word, or the key above Tab to take the rest. If you don&apos;t want it, keep typing.</source>
        <translation>%app čte slova před kurzorem a šedě navrhuje, co následuje. Stiskem Tab přijmete jedno slovo, klávesou nad Tab zbytek. Pokud návrh nechcete, prostě pište dál.</translation>
    </message>
    <message>
        <source>Sees what you see</source>
        <translation>Vidí, co vidíte vy</translation>
    </message>
    <message>
        <source>Private</source>
        <translation>Soukromé</translation>
    </message>
    <message>
        <source>It reads the window you&apos;re typing in, like the chat you&apos;re answering, so suggestions fit. None of it goes online, to us or any server. It stays private on your computer.</source>
        <translation>Čte okno, ve kterém píšete, třeba chat, na který odpovídáte, aby návrhy seděly. Nic z toho neodchází na internet, nám ani žádnému serveru. Vše zůstává v soukromí na vašem počítači.</translation>
    </message>
    <message>
        <source>Accessibility is on</source>
        <translation>Zpřístupnění je zapnuté</translation>
    </message>
    <message>
        <source>%app can now read the field you&apos;re writing in and type suggestions for you.</source>
        <translation>%app teď může číst pole, do kterého píšete, a psát návrhy za vás.</translation>
    </message>
    <message>
        <source>Let %app see what you type.</source>
        <translation>Dovolte %app vidět, co píšete.</translation>
    </message>
    <message>
        <source>%app reads your text when you pause and forgets it after one suggestion, unless you turn on writing memory.</source>
        <translation>%app čte váš text, když se zastavíte, a po jednom návrhu ho zapomene, pokud nezapnete paměť psaní.</translation>
    </message>
    <message>
        <source>%app skips password fields and anything else the system marks as secure.</source>
        <translation>%app vynechává pole pro hesla a vše ostatní, co systém označí jako zabezpečené.</translation>
    </message>
    <message>
        <source>Open Accessibility Settings</source>
        <translation>Otevřít nastavení zpřístupnění</translation>
    </message>
    <message>
        <source>Pick what writes your suggestions.</source>
        <translation>Vyberte, co bude psát vaše návrhy.</translation>
    </message>
    <message>
        <source>You can change this any time in Settings.</source>
        <translation>Kdykoli to můžete změnit v nastavení.</translation>
    </message>
    <message>
        <source>Give it a try.</source>
        <translation>Vyzkoušejte to.</translation>
    </message>
    <message>
        <source>Start typing a sentence. When grey words appear, press Tab for one word or the key above Tab for all of them.</source>
        <translation>Začněte psát větu. Když se objeví šedá slova, stiskněte Tab pro jedno slovo nebo klávesu nad Tab pro všechna.</translation>
    </message>
    <message>
        <source>Hi Orlenn, thanks for the quick reply. I think we should</source>
        <translation>Ahoj Orlenne, díky za rychlou odpověď. Myslím, že bychom měli</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zpět</translation>
    </message>
    <message>
        <source>Practice field</source>
        <translation>Zkušební pole</translation>
    </message>
    <message>
        <source>Default, on</source>
        <translation>Výchozí, zapnuto</translation>
    </message>
    <message>
        <source>Default, off</source>
        <translation>Výchozí, vypnuto</translation>
    </message>
    <message>
        <source>Add a website</source>
        <translation>Přidat web</translation>
    </message>
    <message>
        <source>Domain</source>
        <translation>Doména</translation>
    </message>
    <message>
        <source>Rules for a site apply in any browser %app can read.</source>
        <translation>Pravidla pro web platí v každém prohlížeči, který %app umí číst.</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Přidat</translation>
    </message>
    <message>
        <source>Add App…</source>
        <translation>Přidat aplikaci…</translation>
    </message>
    <message>
        <source>Add an app</source>
        <translation>Přidat aplikaci</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Hledat</translation>
    </message>
    <message>
        <source>Clear search</source>
        <translation>Vymazat hledání</translation>
    </message>
    <message>
        <source>Add an app or website</source>
        <translation>Přidat aplikaci nebo web</translation>
    </message>
    <message>
        <source>Add Website…</source>
        <translation>Přidat web…</translation>
    </message>
    <message>
        <source>Apps &amp; Sites</source>
        <translation>Aplikace a weby</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Pozastaveno</translation>
    </message>
    <message>
        <source>Apps</source>
        <translation>Aplikace</translation>
    </message>
    <message>
        <source>Websites</source>
        <translation>Weby</translation>
    </message>
    <message>
        <source>No matches</source>
        <translation>Žádné shody</translation>
    </message>
    <message>
        <source>No apps yet</source>
        <translation>Zatím žádné aplikace</translation>
    </message>
    <message>
        <source>Nothing matches “%1”.</source>
        <translation>Nic neodpovídá „%1“.</translation>
    </message>
    <message>
        <source>Apps appear here once you accept a suggestion in them, or add one with +.</source>
        <translation>Aplikace se tu objeví, jakmile v nich přijmete návrh, nebo je přidejte tlačítkem +.</translation>
    </message>
    <message>
        <source>Pick an app or site</source>
        <translation>Vyberte aplikaci nebo web</translation>
    </message>
    <message>
        <source>Each one can have its own rules. Anything you don&apos;t change follows General.</source>
        <translation>Každá může mít vlastní pravidla. Co nezměníte, se řídí sekcí „Obecné“.</translation>
    </message>
    <message>
        <source>Words saved here</source>
        <translation>Zde ušetřená slova</translation>
    </message>
    <message>
        <source>Suggestions</source>
        <translation>Návrhy</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Zapnuto</translation>
    </message>
    <message>
        <source>Tab accepts suggestions</source>
        <translation>Tab přijímá návrhy</translation>
    </message>
    <message>
        <source>Turn off where Tab already means something, like indenting. The other accept key still works.</source>
        <translation>Vypněte tam, kde Tab už něco dělá, třeba odsazení. Druhá klávesa pro přijetí funguje dál.</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Výchozí</translation>
    </message>
    <message>
        <source>Insert by</source>
        <translation>Způsob vkládání</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Délka</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Obnovit</translation>
    </message>
    <message>
        <source>Pause here</source>
        <translation>Pozastavit zde</translation>
    </message>
    <message>
        <source>Memory</source>
        <translation>Paměť</translation>
    </message>
    <message>
        <source>Remember my writing here</source>
        <translation>Pamatovat si zde, jak píšu</translation>
    </message>
    <message>
        <source>Writing memory is off in Your Voice.</source>
        <translation>Paměť psaní je vypnutá v sekci „Váš styl“.</translation>
    </message>
    <message>
        <source>Erase…</source>
        <translation>Vymazat…</translation>
    </message>
    <message>
        <source>Reset to Defaults</source>
        <translation>Obnovit výchozí</translation>
    </message>
    <message>
        <source>Erase what %app remembered from %1?</source>
        <translation>Vymazat, co si %app zapamatoval pro „%1“?</translation>
    </message>
    <message>
        <source>Erase</source>
        <translation>Vymazat</translation>
    </message>
    <message>
        <source>Passages from this app can shape suggestions everywhere.</source>
        <translation>Úryvky z této aplikace mohou ovlivnit návrhy všude.</translation>
    </message>
    <message>
        <source>Finish setting up</source>
        <translation>Dokončete nastavení</translation>
    </message>
    <message>
        <source>Setup progress</source>
        <translation>Průběh nastavení</translation>
    </message>
    <message>
        <source>Done: %1</source>
        <translation>Hotovo: %1</translation>
    </message>
    <message>
        <source>Best day yet!</source>
        <translation>Zatím nejlepší den!</translation>
    </message>
    <message>
        <source>Try it here</source>
        <translation>Vyzkoušejte si to zde</translation>
    </message>
    <message>
        <source>Thanks for sending the draft over. I had a look and</source>
        <translation>Díky za poslání konceptu. Podíval jsem se a</translation>
    </message>
    <message>
        <source>next word</source>
        <translation>další slovo</translation>
    </message>
    <message>
        <source>whole suggestion</source>
        <translation>celý návrh</translation>
    </message>
    <message>
        <source>hide it</source>
        <translation>skrýt</translation>
    </message>
    <message>
        <source>This field runs the real engine. Start typing and grey words show up as you go.</source>
        <translation>Toto pole používá skutečné jádro. Začněte psát a šedá slova se budou průběžně objevovat.</translation>
    </message>
    <message>
        <source>This field runs the real engine, even before you allow Accessibility. Start typing and grey words show up as you go.</source>
        <translation>Toto pole používá skutečné jádro, ještě předtím, než povolíte zpřístupnění. Začněte psát a šedá slova se budou průběžně objevovat.</translation>
    </message>
    <message>
        <source>You&apos;re all set</source>
        <translation>Vše je připraveno</translation>
    </message>
    <message>
        <source>Accessibility is on and %1 is ready. %app works in every app you type in.</source>
        <translation>Zpřístupnění je zapnuté a jádro „%1“ je připraveno. %app funguje v každé aplikaci, kde píšete.</translation>
    </message>
    <message>
        <source>Waiting for %1 to quit</source>
        <translation>Čeká se na ukončení %1</translation>
    </message>
    <message>
        <source>Turned off</source>
        <translation>Vypnuto</translation>
    </message>
    <message>
        <source>Paused everywhere</source>
        <translation>Pozastaveno všude</translation>
    </message>
    <message>
        <source>%1, %2 typical wait</source>
        <translation>%1, obvyklé čekání %2</translation>
    </message>
    <message>
        <source>Start your streak today.</source>
        <translation>Začněte svou sérii ještě dnes.</translation>
    </message>
    <message>
        <source>Overview</source>
        <translation>Přehled</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Obecné</translation>
    </message>
    <message>
        <source>Engine</source>
        <translation>Jádro</translation>
    </message>
    <message>
        <source>Context</source>
        <translation>Kontext</translation>
    </message>
    <message>
        <source>Your Voice</source>
        <translation>Váš styl</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Klávesy</translation>
    </message>
    <message>
        <source>Emoji</source>
        <translation>Emoji</translation>
    </message>
    <message>
        <source>Battery</source>
        <translation>Baterie</translation>
    </message>
    <message>
        <source>Insights</source>
        <translation>Statistiky</translation>
    </message>
    <message>
        <source>Field Inspector</source>
        <translation>Inspektor polí</translation>
    </message>
    <message>
        <source>About</source>
        <translation>O aplikaci</translation>
    </message>
    <message>
        <source>How %app is doing today</source>
        <translation>Jak se %app dnes daří</translation>
    </message>
    <message>
        <source>Where and how suggestions appear</source>
        <translation>Kde a jak se návrhy zobrazují</translation>
    </message>
    <message>
        <source>The model that writes your suggestions</source>
        <translation>Model, který píše vaše návrhy</translation>
    </message>
    <message>
        <source>What %app may look at to guess better</source>
        <translation>Na co se %app smí dívat, aby lépe odhadoval</translation>
    </message>
    <message>
        <source>Help suggestions sound like you</source>
        <translation>Aby návrhy zněly jako vy</translation>
    </message>
    <message>
        <source>Accept, dismiss and summon suggestions</source>
        <translation>Přijímání, skrývání a vyvolání návrhů</translation>
    </message>
    <message>
        <source>Emoji search and emoticons</source>
        <translation>Hledání emoji a emotikony</translation>
    </message>
    <message>
        <source>Rules for each app and website</source>
        <translation>Pravidla pro jednotlivé aplikace a weby</translation>
    </message>
    <message>
        <source>Save power when you&apos;re unplugged</source>
        <translation>Úspora energie, když nejste u zásuvky</translation>
    </message>
    <message>
        <source>Words saved and how fast suggestions arrive</source>
        <translation>Ušetřená slova a rychlost návrhů</translation>
    </message>
    <message>
        <source>What %app sees in the focused field</source>
        <translation>Co %app vidí v aktivním poli</translation>
    </message>
    <message>
        <source>Version and privacy</source>
        <translation>Verze a soukromí</translation>
    </message>
    <message>
        <source>Writing</source>
        <translation>Psaní</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Vstup</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Pravidla</translation>
    </message>
    <message>
        <source>Activity</source>
        <translation>Aktivita</translation>
    </message>
    <message>
        <source>%app can read the field you&apos;re typing in and insert suggestions in any app.</source>
        <translation>%app může číst pole, do kterého píšete, a vkládat návrhy v každé aplikaci.</translation>
    </message>
    <message>
        <source>Allow Accessibility access</source>
        <translation>Povolte oprávnění pro zpřístupnění</translation>
    </message>
    <message>
        <source>%app needs it to read the text you type in other apps and to insert suggestions.</source>
        <translation>%app ho potřebuje ke čtení textu, který píšete v jiných aplikacích, a ke vkládání návrhů.</translation>
    </message>
    <message>
        <source>Allow…</source>
        <translation>Povolit…</translation>
    </message>
    <message>
        <source>%1 is ready</source>
        <translation>Jádro „%1“ je připraveno</translation>
    </message>
    <message>
        <source>Checking %1</source>
        <translation>Kontrola: %1</translation>
    </message>
    <message>
        <source>This takes a moment.</source>
        <translation>Chvíli to potrvá.</translation>
    </message>
    <message>
        <source>Your engine isn&apos;t ready</source>
        <translation>Vaše jádro není připraveno</translation>
    </message>
    <message>
        <source>Open Engine</source>
        <translation>Otevřít „Jádro“</translation>
    </message>
    <message>
        <source>The system&apos;s predictions are off</source>
        <translation>Systémové předpovědi jsou vypnuté</translation>
    </message>
    <message>
        <source>Only %app&apos;s suggestions appear while you type.</source>
        <translation>Při psaní se zobrazují jen návrhy %app.</translation>
    </message>
    <message>
        <source>Turn off the system&apos;s predictions</source>
        <translation>Vypněte systémové předpovědi</translation>
    </message>
    <message>
        <source>The system shows its own grey suggestions on top of %app&apos;s. Each app picks up the change the next time you open it.</source>
        <translation>Systém zobrazuje vlastní šedé návrhy přes návrhy %app. Každá aplikace změnu převezme při příštím otevření.</translation>
    </message>
    <message>
        <source>Keyboard Settings</source>
        <translation>Nastavení klávesnice</translation>
    </message>
    <message>
        <source>Turn Off</source>
        <translation>Vypnout</translation>
    </message>
    <message>
        <source>Only %app is suggesting</source>
        <translation>Navrhuje jen %app</translation>
    </message>
    <message>
        <source>Tab reaches %app again.</source>
        <translation>Tab opět patří %app.</translation>
    </message>
    <message numerus="yes">
        <source>%1 didn&apos;t quit. They may be showing a dialog. Force Quit closes them right away.</source>
        <translation>
            <numerusform>Aplikace %1 se neukončila. Možná zobrazuje dialog. „Vynutit ukončení“ ji okamžitě zavře.</numerusform>
            <numerusform>Aplikace %1 se neukončily. Možná zobrazují dialog. „Vynutit ukončení“ je okamžitě zavře.</numerusform>
            <numerusform>Aplikace %1 se neukončily. Možná zobrazují dialog. „Vynutit ukončení“ je okamžitě zavře.</numerusform>
        </translation>
    </message>
    <message>
        <source>Force Quit</source>
        <translation>Vynutit ukončení</translation>
    </message>
    <message numerus="yes">
        <source>%1 take the Tab key before %app can, so %app stays paused in your other apps until you quit them.</source>
        <translation>
            <numerusform>%1 zachytává klávesu Tab dřív než %app, proto %app zůstane v ostatních aplikacích pozastaven, dokud aplikaci %1 neukončíte.</numerusform>
            <numerusform>%1 zachytávají klávesu Tab dřív než %app, proto %app zůstane v ostatních aplikacích pozastaven, dokud je neukončíte.</numerusform>
            <numerusform>%1 zachytávají klávesu Tab dřív než %app, proto %app zůstane v ostatních aplikacích pozastaven, dokud je neukončíte.</numerusform>
        </translation>
    </message>
    <message>
        <source>Only when I ask</source>
        <translation>Jen na požádání</translation>
    </message>
    <message>
        <source>On battery, suggestions appear only after you press the Suggest Now shortcut.</source>
        <translation>Na baterii se návrhy zobrazí jen po stisku zkratky „Navrhnout hned“.</translation>
    </message>
    <message>
        <source>Shorter suggestions</source>
        <translation>Kratší návrhy</translation>
    </message>
    <message>
        <source>Fewer words take less power to write.</source>
        <translation>Méně slov spotřebuje méně energie.</translation>
    </message>
    <message>
        <source>Lighter model</source>
        <translation>Lehčí model</translation>
    </message>
    <message>
        <source>Same as plugged in</source>
        <translation>Stejné jako při napájení</translation>
    </message>
    <message>
        <source>Running on battery. These apply right now.</source>
        <translation>Napájení z baterie. Tato nastavení platí hned.</translation>
    </message>
    <message>
        <source>Plugged in. These wait until you unplug.</source>
        <translation>Připojeno k napájení. Tato nastavení začnou platit po odpojení.</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Model</translation>
    </message>
    <message>
        <source>Model name</source>
        <translation>Název modelu</translation>
    </message>
    <message>
        <source>Reload the model list</source>
        <translation>Znovu načíst seznam modelů</translation>
    </message>
    <message>
        <source>Choose a model</source>
        <translation>Vyberte model</translation>
    </message>
    <message>
        <source>For people who already run Ollama, LM Studio or llama-server.</source>
        <translation>Pro ty, kdo už používají Ollamu, LM Studio nebo llama-server.</translation>
    </message>
    <message>
        <source>Use your own model</source>
        <translation>Použít vlastní model</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresa</translation>
    </message>
    <message>
        <source>API key</source>
        <translation>Klíč API</translation>
    </message>
    <message>
        <source>Only if your server asks for one</source>
        <translation>Jen pokud ho server vyžaduje</translation>
    </message>
    <message>
        <source>Focused</source>
        <translation>Soustředěné</translation>
    </message>
    <message>
        <source>Creativity</source>
        <translation>Kreativita</translation>
    </message>
    <message>
        <source>Loose</source>
        <translation>Volné</translation>
    </message>
    <message>
        <source>Lower stays close to the obvious next words. Higher tries more.</source>
        <translation>Nižší hodnota se drží zřejmých dalších slov. Vyšší zkouší víc možností.</translation>
    </message>
    <message>
        <source>Wait before suggesting</source>
        <translation>Čekání před návrhem</translation>
    </message>
    <message>
        <source>How long you pause before %app starts.</source>
        <translation>Jak dlouho se musíte zastavit, než %app začne.</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Spustit</translation>
    </message>
    <message>
        <source>Try the engine</source>
        <translation>Vyzkoušet jádro</translation>
    </message>
    <message>
        <source>Sends a sample sentence and shows what comes back.</source>
        <translation>Pošle ukázkovou větu a zobrazí odpověď.</translation>
    </message>
    <message>
        <source>Running…</source>
        <translation>Probíhá…</translation>
    </message>
    <message>
        <source>The engine answered in %1 but had nothing useful to add.</source>
        <translation>Jádro odpovědělo za %1, ale nemělo nic užitečného k přidání.</translation>
    </message>
    <message>
        <source>That didn&apos;t work: %1</source>
        <translation>Nepodařilo se: %1</translation>
    </message>
    <message>
        <source>The request was cancelled.</source>
        <translation>Požadavek byl zrušen.</translation>
    </message>
    <message>
        <source>Startup</source>
        <translation>Spuštění</translation>
    </message>
    <message>
        <source>Launch at login</source>
        <translation>Spouštět po přihlášení</translation>
    </message>
    <message>
        <source>Show today&apos;s word count next to the icon</source>
        <translation>Zobrazovat dnešní počet slov vedle ikony</translation>
    </message>
    <message>
        <source>Where suggestions appear</source>
        <translation>Kde se návrhy zobrazují</translation>
    </message>
    <message>
        <source>Turn this off to use %app only in the apps you switch on under Apps &amp; Sites.</source>
        <translation>Vypněte, chcete-li používat %app jen v aplikacích zapnutých v sekci „Aplikace a weby“.</translation>
    </message>
    <message>
        <source>By default %app waits until the caret is at the end of a line.</source>
        <translation>Ve výchozím stavu %app čeká, až bude kurzor na konci řádku.</translation>
    </message>
    <message>
        <source>Without this, %app skips search bars and one-word boxes.</source>
        <translation>Bez toho %app vynechává vyhledávací pole a pole na jedno slovo.</translation>
    </message>
    <message>
        <source>Suggestions appear only after you press the Suggest Now shortcut.</source>
        <translation>Návrhy se zobrazí jen po stisku zkratky „Navrhnout hned“.</translation>
    </message>
    <message>
        <source>Spelling</source>
        <translation>Pravopis</translation>
    </message>
    <message>
        <source>Waits while the word you&apos;re typing looks misspelled, so %app doesn&apos;t build on a typo.</source>
        <translation>Počká, když psané slovo vypadá jako překlep, aby %app nestavěl na chybě.</translation>
    </message>
    <message>
        <source>After a misspelled word, shows a fix next to the caret. Press Tab to swap it in.</source>
        <translation>Po slově s překlepem zobrazí opravu vedle kurzoru. Stiskem Tab ji vložíte.</translation>
    </message>
    <message>
        <source>Look</source>
        <translation>Vzhled</translation>
    </message>
    <message>
        <source>Suggestion color</source>
        <translation>Barva návrhů</translation>
    </message>
    <message>
        <source>Text size</source>
        <translation>Velikost textu</translation>
    </message>
    <message>
        <source>Fine-tune if suggestions look larger or smaller than your text.</source>
        <translation>Dolaďte, pokud návrhy vypadají větší nebo menší než váš text.</translation>
    </message>
    <message>
        <source>Vertical position</source>
        <translation>Svislá poloha</translation>
    </message>
    <message>
        <source>Nudge suggestions up or down to line up with your text.</source>
        <translation>Posuňte návrhy nahoru nebo dolů, aby lícovaly s textem.</translation>
    </message>
    <message>
        <source>A small keycap after your first suggestions, as a reminder of what to press.</source>
        <translation>Malá ikona klávesy za prvními návrhy jako připomínka, co stisknout.</translation>
    </message>
    <message>
        <source>Insert suggestions by</source>
        <translation>Způsob vkládání návrhů</translation>
    </message>
    <message>
        <source>Other autocomplete apps</source>
        <translation>Jiné aplikace pro automatické doplňování</translation>
    </message>
    <message>
        <source>They take the Tab key before %app can. With this off, %app asks you first.</source>
        <translation>Zachytávají klávesu Tab dřív než %app. Když je toto vypnuté, %app se vás nejdřív zeptá.</translation>
    </message>
    <message>
        <source>%1 is another device on your network, so the text around your caret will be sent there.</source>
        <translation>%1 je jiné zařízení ve vaší síti, takže text kolem kurzoru se bude posílat tam.</translation>
    </message>
    <message>
        <source>%1 isn&apos;t this computer, so the text around your caret will be sent there.</source>
        <translation>%1 není tento počítač, takže text kolem kurzoru se bude posílat tam.</translation>
    </message>
    <message>
        <source>Both keep your text on this computer.</source>
        <translation>Oba nechávají váš text na tomto počítači.</translation>
    </message>
    <message>
        <source>%app opens by itself when you start your computer.</source>
        <translation>%app se otevře sám, když zapnete počítač.</translation>
    </message>
    <message>
        <source>System predictions</source>
        <translation>Systémové předpovědi</translation>
    </message>
    <message>
        <source>The system can show its own grey predictions. Keeping them off avoids two suggestions at once.</source>
        <translation>Systém může zobrazovat vlastní šedé předpovědi. Když je necháte vypnuté, nebudou se ukazovat dva návrhy najednou.</translation>
    </message>
    <message>
        <source>System predictions are on</source>
        <translation>Systémové předpovědi jsou zapnuté</translation>
    </message>
    <message>
        <source>System predictions are off</source>
        <translation>Systémové předpovědi jsou vypnuté</translation>
    </message>
    <message>
        <source>tab</source>
        <translation>tab</translation>
    </message>
    <message>
        <source>Your next words, one Tab away.</source>
        <translation>Vaše další slova na jeden stisk klávesy Tab.</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Přeskočit</translation>
    </message>
    <message>
        <source>Get Started</source>
        <translation>Začít</translation>
    </message>
    <message>
        <source>Turn sound on</source>
        <translation>Zapnout zvuk</translation>
    </message>
    <message>
        <source>Turn sound off</source>
        <translation>Vypnout zvuk</translation>
    </message>
    <message>
        <source>The other app</source>
        <translation>Ta druhá aplikace</translation>
    </message>
    <message numerus="yes">
        <source>Next time, quit %1 without asking</source>
        <translation>
            <numerusform>Příště ukončit %1 bez dotazu</numerusform>
            <numerusform>Příště ukončit %1 bez dotazu</numerusform>
            <numerusform>Příště ukončit %1 bez dotazu</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 is also running</source>
        <translation>
            <numerusform>%1 také běží</numerusform>
            <numerusform>%1 také běží</numerusform>
            <numerusform>%1 také běží</numerusform>
        </translation>
    </message>
    <message>
        <source>Quitting…</source>
        <translation>Ukončování…</translation>
    </message>
    <message numerus="yes">
        <source>%1 is still open</source>
        <translation>
            <numerusform>%1 je stále otevřený</numerusform>
            <numerusform>%1 jsou stále otevřené</numerusform>
            <numerusform>%1 jsou stále otevřené</numerusform>
        </translation>
    </message>
    <message>
        <source>%app has the Tab key</source>
        <translation>%app má klávesu Tab</translation>
    </message>
    <message>
        <source>%1 quit, so your suggestions are back in every app.</source>
        <translation>Aplikace %1 byla ukončena, návrhy jsou zpět ve všech aplikacích.</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Hotovo</translation>
    </message>
    <message>
        <source>Open Source Notices</source>
        <translation>Licence open source</translation>
    </message>
    <message>
        <source>Reset all settings?</source>
        <translation>Obnovit všechna nastavení?</translation>
    </message>
    <message>
        <source>This also clears your rules for apps and sites. Your statistics and writing memory stay.</source>
        <translation>Tím se vymažou i pravidla pro aplikace a weby. Statistiky a paměť psaní zůstanou.</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Obnovit</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Verze %1</translation>
    </message>
    <message>
        <source>Some apps hide their text</source>
        <translation>Některé aplikace skrývají svůj text</translation>
    </message>
    <message>
        <source>Suggest emoji after a colon</source>
        <translation>Navrhovat emoji po dvojtečce</translation>
    </message>
    <message>
        <source>Turn emoticons into emoji</source>
        <translation>Měnit emotikony na emoji</translation>
    </message>
    <message>
        <source>After :-) or &lt;3, %app offers the matching emoji. Press Tab to swap it in.</source>
        <translation>Po :-) nebo &lt;3 %app nabídne odpovídající emoji. Stiskem Tab ho vložíte.</translation>
    </message>
    <message>
        <source>Skin tone</source>
        <translation>Odstín pleti</translation>
    </message>
    <message>
        <source>Also show the default yellow</source>
        <translation>Zobrazit i výchozí žlutou</translation>
    </message>
    <message>
        <source>Try a word</source>
        <translation>Zkuste slovo</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Slabý</translation>
    </message>
    <message>
        <source>No emoji match “%1”</source>
        <translation>Žádné emoji neodpovídá „%1“</translation>
    </message>
    <message>
        <source>Accepting</source>
        <translation>Přijímání</translation>
    </message>
    <message>
        <source>Take the next word</source>
        <translation>Přijmout další slovo</translation>
    </message>
    <message>
        <source>Press again for each following word.</source>
        <translation>Stiskněte znovu pro každé další slovo.</translation>
    </message>
    <message>
        <source>Take the whole suggestion</source>
        <translation>Přijmout celý návrh</translation>
    </message>
    <message>
        <source>The key above Tab is easy to reach on most keyboards.</source>
        <translation>Klávesa nad Tab je na většině klávesnic snadno dosažitelná.</translation>
    </message>
    <message>
        <source>Include the space after a word</source>
        <translation>Zahrnout mezeru za slovem</translation>
    </message>
    <message>
        <source>Include punctuation right after a word</source>
        <translation>Zahrnout interpunkci hned za slovem</translation>
    </message>
    <message>
        <source>When you press Escape</source>
        <translation>Když stisknete Escape</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Zkratky</translation>
    </message>
    <message>
        <source>Suggest now</source>
        <translation>Navrhnout hned</translation>
    </message>
    <message>
        <source>Asks for a suggestion right away, even where %app would normally wait.</source>
        <translation>Požádá o návrh hned, i tam, kde by %app normálně čekal.</translation>
    </message>
    <message>
        <source>Other suggestions</source>
        <translation>Další návrhy</translation>
    </message>
    <message>
        <source>Lists a few different ways to continue. Choose with the arrow keys, then press Tab.</source>
        <translation>Nabídne několik různých pokračování. Vyberte šipkami a stiskněte Tab.</translation>
    </message>
    <message>
        <source>Pause or resume in this app</source>
        <translation>Pozastavit nebo obnovit v této aplikaci</translation>
    </message>
    <message>
        <source>Pauses for 15 minutes.</source>
        <translation>Pozastaví na 15 minut.</translation>
    </message>
    <message>
        <source>Turn %app on or off</source>
        <translation>Zapnout nebo vypnout %app</translation>
    </message>
    <message>
        <source>Everywhere, until you press it again.</source>
        <translation>Všude, dokud ji znovu nestisknete.</translation>
    </message>
    <message>
        <source>Pause or resume</source>
        <translation>Pozastavit nebo obnovit</translation>
    </message>
    <message>
        <source>Turn on or off</source>
        <translation>Zapnout nebo vypnout</translation>
    </message>
    <message>
        <source>%1 and %2 use the same keys. Only the first will work.</source>
        <translation>„%1“ a „%2“ používají stejné klávesy. Fungovat bude jen první zkratka.</translation>
    </message>
    <message>
        <source>About you</source>
        <translation>O vás</translation>
    </message>
    <message>
        <source>For example: I&apos;m a product designer in Berlin. I write short, friendly emails in British English and sign off with Cheers.</source>
        <translation>Například: Jsem produktový designér v Berlíně. Píšu krátké, přátelské e-maily britskou angličtinou a podepisuji se Cheers.</translation>
    </message>
    <message>
        <source>Your role, the languages you write in, names you use often, how you like to sound.</source>
        <translation>Vaše profese, jazyky, ve kterých píšete, často používaná jména, jak chcete znít.</translation>
    </message>
    <message>
        <source>Writing memory</source>
        <translation>Paměť psaní</translation>
    </message>
    <message>
        <source>Remember how I write</source>
        <translation>Pamatovat si, jak píšu</translation>
    </message>
    <message>
        <source>Also remember fields where I accept nothing</source>
        <translation>Pamatovat si i pole, kde nic nepřijmu</translation>
    </message>
    <message>
        <source>%app learns your style sooner but keeps more of what you type.</source>
        <translation>%app se váš styl naučí dřív, ale uchová víc z toho, co píšete.</translation>
    </message>
    <message>
        <source>Influence</source>
        <translation>Vliv</translation>
    </message>
    <message>
        <source>Strong</source>
        <translation>Silný</translation>
    </message>
    <message>
        <source>How many of your passages each suggestion can draw on.</source>
        <translation>Z kolika vašich úryvků může každý návrh čerpat.</translation>
    </message>
    <message>
        <source>Erase All…</source>
        <translation>Vymazat vše…</translation>
    </message>
    <message>
        <source>Erase everything %app remembered?</source>
        <translation>Vymazat vše, co si %app zapamatoval?</translation>
    </message>
    <message>
        <source>This can&apos;t be undone.</source>
        <translation>Tuto akci nelze vrátit.</translation>
    </message>
    <message>
        <source>Erase All</source>
        <translation>Vymazat vše</translation>
    </message>
    <message>
        <source>Nothing remembered yet</source>
        <translation>Zatím nic nezapamatováno</translation>
    </message>
    <message>
        <source>App and window name</source>
        <translation>Název aplikace a okna</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>Web</translation>
    </message>
    <message>
        <source>The site&apos;s domain when you write in a browser.</source>
        <translation>Doména webu, když píšete v prohlížeči.</translation>
    </message>
    <message>
        <source>Recently copied text</source>
        <translation>Nedávno zkopírovaný text</translation>
    </message>
    <message>
        <source>Anything you copied in the last 10 minutes. Copies from password managers are skipped.</source>
        <translation>Cokoli zkopírovaného za posledních 10 minut. Kopie ze správců hesel se vynechávají.</translation>
    </message>
    <message>
        <source>Text on screen</source>
        <translation>Text na obrazovce</translation>
    </message>
    <message>
        <source>Reads the window you&apos;re writing in, so replies fit the conversation. It picks the lines closest to where you type.</source>
        <translation>Čte okno, ve kterém píšete, aby odpovědi seděly ke konverzaci. Vybírá řádky nejblíže místu, kde píšete.</translation>
    </message>
    <message>
        <source>What you just looked at</source>
        <translation>Co jste si právě prohlíželi</translation>
    </message>
    <message>
        <source>Windows beside you</source>
        <translation>Sousední okna</translation>
    </message>
    <message>
        <source>Also reads up to two other windows on the same screen, like the document you&apos;re replying about. Skips password managers and apps you switched off.</source>
        <translation>Čte i až dvě další okna na stejné obrazovce, třeba dokument, o kterém je vaše odpověď. Vynechává správce hesel a aplikace, které jste vypnuli.</translation>
    </message>
    <message>
        <source>Off in this app</source>
        <translation>V této aplikaci vypnuto</translation>
    </message>
    <message>
        <source>This word looks misspelled</source>
        <translation>Toto slovo vypadá jako překlep</translation>
    </message>
    <message>
        <source>Thanks for the notes. I&apos;ll send the revised deck</source>
        <translation>Díky za poznámky. Upravenou prezentaci pošlu</translation>
    </message>
    <message>
        <source> by Friday morning.</source>
        <translation> do pátečního rána.</translation>
    </message>
    <message>
        <source>%1 quit. %app has the Tab key.</source>
        <translation>Aplikace %1 byla ukončena. %app má klávesu Tab.</translation>
    </message>
    <message>
        <source>Open Data Folder</source>
        <translation>Otevřít složku s daty</translation>
    </message>
    <message>
        <source>Show Welcome Again</source>
        <translation>Znovu zobrazit uvítání</translation>
    </message>
    <message>
        <source>Play Intro Again</source>
        <translation>Znovu přehrát úvod</translation>
    </message>
    <message>
        <source>Reset Settings…</source>
        <translation>Obnovit nastavení…</translation>
    </message>
    <message>
        <source>Suggest in every app</source>
        <translation>Navrhovat ve všech aplikacích</translation>
    </message>
    <message>
        <source>Suggest in code editors</source>
        <translation>Navrhovat v editorech kódu</translation>
    </message>
    <message>
        <source>Suggest in the middle of a line</source>
        <translation>Navrhovat uprostřed řádku</translation>
    </message>
    <message>
        <source>Suggest in small fields</source>
        <translation>Navrhovat v malých polích</translation>
    </message>
    <message>
        <source>Hold back on misspelled words</source>
        <translation>Zdržet se u překlepů</translation>
    </message>
    <message>
        <source>Offer spelling fixes</source>
        <translation>Nabízet opravy pravopisu</translation>
    </message>
    <message>
        <source>Show the key hint</source>
        <translation>Zobrazovat nápovědu klávesy</translation>
    </message>
    <message>
        <source>Quit other autocomplete apps when they open</source>
        <translation>Ukončit jiné aplikace pro doplňování, když se otevřou</translation>
    </message>
    <message>
        <source>Keeps a few minutes of text from windows you switched away from, like a page you read before replying. It stays on your computer and skips apps you switched off.</source>
        <translation>Uchovává pár minut textu z oken, ze kterých jste se přepnuli, třeba stránku přečtenou před odpovědí. Zůstává na vašem počítači a vynechává aplikace, které jste vypnuli.</translation>
    </message>
    <message numerus="yes">
        <source>Both apps answer the Tab key, and the system gives it to %1 first. %app stays paused in your other apps until %1 quits.</source>
        <translation>
            <numerusform>Obě aplikace reagují na klávesu Tab a systém ji dá nejprve %1. %app zůstane v ostatních aplikacích pozastaven, dokud se %1 neukončí.</numerusform>
            <numerusform>%1 zachytávají klávesu Tab dřív než %app, proto %app zůstane v ostatních aplikacích pozastaven, dokud je neukončíte.</numerusform>
            <numerusform>%1 zachytávají klávesu Tab dřív než %app, proto %app zůstane v ostatních aplikacích pozastaven, dokud je neukončíte.</numerusform>
        </translation>
    </message>
    <message>
        <source>Finishes your sentences in any app, on your computer.</source>
        <translation>Dokončuje vaše věty v každé aplikaci, přímo na vašem počítači.</translation>
    </message>
    <message>
        <source>Keeps short passages from fields where you accepted a suggestion, encrypted on this computer, and shows them to the model as examples.</source>
        <translation>Uchovává krátké úryvky z polí, kde jste přijali návrh, šifrovaně na tomto počítači a ukazuje je modelu jako příklady.</translation>
    </message>
    <message>
        <source>Light</source>
        <comment>skin tone</comment>
        <translation>Světlý</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Default</source>
        <comment>skin tone</comment>
        <translation>Výchozí</translation>
    </message>
    <message>
        <source>Medium light</source>
        <comment>skin tone</comment>
        <translation>Středně světlý</translation>
    </message>
    <message>
        <source>Medium</source>
        <comment>skin tone</comment>
        <translation>Střední</translation>
    </message>
    <message>
        <source>Medium dark</source>
        <comment>skin tone</comment>
        <translation>Středně tmavý</translation>
    </message>
    <message>
        <source>Dark</source>
        <comment>skin tone</comment>
        <translation>Tmavý</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Neznámé</translation>
    </message>
    <message>
        <source>%1 × %2 pt</source>
        <translation>%1 × %2 pt</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Ne</translation>
    </message>
    <message>
        <source>Not reported, estimated from the caret</source>
        <translation>Nesděleno, odhadnuto podle kurzoru</translation>
    </message>
    <message>
        <source>%1 %2 pt</source>
        <translation>%1 %2 pt</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Systémové</translation>
    </message>
    <message>
        <source>Not yet</source>
        <translation>Zatím ne</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Dnes</translation>
    </message>
    <message>
        <source>Last 7 days</source>
        <translation>Posledních 7 dní</translation>
    </message>
    <message>
        <source>All time</source>
        <translation>Celkem</translation>
    </message>
    <message>
        <source>Typing saved</source>
        <translation>Ušetřený čas psaní</translation>
    </message>
    <message>
        <source>at 40 words a minute</source>
        <translation>při 40 slovech za minutu</translation>
    </message>
    <message>
        <source>Accepted</source>
        <translation>Přijato</translation>
    </message>
    <message>
        <source>of suggestions shown</source>
        <translation>ze zobrazených návrhů</translation>
    </message>
    <message>
        <source>Typical wait</source>
        <translation>Obvyklé čekání</translation>
    </message>
    <message>
        <source>9 in 10 under %1</source>
        <translation>9 z 10 pod %1</translation>
    </message>
    <message>
        <source>no requests yet</source>
        <translation>zatím žádné požadavky</translation>
    </message>
    <message>
        <source>Words saved</source>
        <translation>Ušetřená slova</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>Rozsah</translation>
    </message>
    <message>
        <source>Nothing to chart yet</source>
        <translation>Zatím není co zobrazit</translation>
    </message>
    <message>
        <source>Accept a few suggestions and your days show up here.</source>
        <translation>Přijměte pár návrhů a vaše dny se objeví zde.</translation>
    </message>
    <message>
        <source>Where you write</source>
        <translation>Kde píšete</translation>
    </message>
    <message>
        <source>Reset Statistics…</source>
        <translation>Vynulovat statistiky…</translation>
    </message>
    <message>
        <source>Reset all statistics?</source>
        <translation>Vynulovat všechny statistiky?</translation>
    </message>
    <message>
        <source>This clears words saved, acceptance and timing history.</source>
        <translation>Vymaže se historie ušetřených slov, přijetí i čekání.</translation>
    </message>
    <message>
        <source>Copy Diagnostics</source>
        <translation>Kopírovat diagnostiku</translation>
    </message>
    <message>
        <source>Diagnostics leave out the text you typed.</source>
        <translation>Diagnostika neobsahuje text, který jste napsali.</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stav</translation>
    </message>
    <message>
        <source>Right now</source>
        <translation>Právě teď</translation>
    </message>
    <message>
        <source>Allowed</source>
        <translation>Povoleno</translation>
    </message>
    <message>
        <source>Not allowed</source>
        <translation>Nepovoleno</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Klávesnice</translation>
    </message>
    <message>
        <source>Listening</source>
        <translation>Naslouchá</translation>
    </message>
    <message>
        <source>Not listening</source>
        <translation>Nenaslouchá</translation>
    </message>
    <message>
        <source>Focused field</source>
        <translation>Aktivní pole</translation>
    </message>
    <message>
        <source>Click into a text field in another app, then come back. The last field %1 saw stays here.</source>
        <translation>Klikněte do textového pole v jiné aplikaci a vraťte se. Poslední pole, které %1 viděl, tu zůstane.</translation>
    </message>
    <message>
        <source>App</source>
        <translation>Aplikace</translation>
    </message>
    <message>
        <source>Field type</source>
        <translation>Typ pole</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>Okno</translation>
    </message>
    <message>
        <source>Field size</source>
        <translation>Velikost pole</translation>
    </message>
    <message>
        <source>Caret found</source>
        <translation>Kurzor nalezen</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Písmo</translation>
    </message>
    <message>
        <source>At end of line</source>
        <translation>Na konci řádku</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ano</translation>
    </message>
    <message>
        <source>Secure input</source>
        <translation>Zabezpečené zadávání</translation>
    </message>
    <message>
        <source>Looked at lately</source>
        <translation>Nedávno zobrazené</translation>
    </message>
    <message>
        <source>Text before the caret</source>
        <translation>Text před kurzorem</translation>
    </message>
    <message>
        <source>Last request</source>
        <translation>Poslední požadavek</translation>
    </message>
    <message>
        <source>Wait</source>
        <translation>Čekání</translation>
    </message>
    <message>
        <source>Suggestion</source>
        <translation>Návrh</translation>
    </message>
    <message>
        <source>Prompt sent to the engine</source>
        <translation>Prompt odeslaný jádru</translation>
    </message>
    <message>
        <source>Raw answer</source>
        <translation>Nezpracovaná odpověď</translation>
    </message>
    <message>
        <source>(empty)</source>
        <translation>(prázdné)</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>Zkopírováno</translation>
    </message>
    <message>
        <source>Choose a language</source>
        <translation>Vyberte jazyk</translation>
    </message>
    <message>
        <source>Search languages</source>
        <translation>Hledat jazyky</translation>
    </message>
    <message>
        <source>Same as my computer</source>
        <translation>Podle systému</translation>
    </message>
    <message>
        <source>Switch to %1?</source>
        <translation>Přepnout na %1?</translation>
    </message>
    <message>
        <source>%1 closes and opens again in a second. Your settings stay as they are.</source>
        <translation>%1 se zavře a za okamžik znovu otevře. Nastavení zůstane beze změny.</translation>
    </message>
    <message>
        <source>Reopen Now</source>
        <translation>Znovu otevřít</translation>
    </message>
    <message>
        <source>App language</source>
        <translation>Jazyk aplikace</translation>
    </message>
    <message>
        <source>Pick the language you read most easily. Suggestions follow whatever language you type.</source>
        <translation>Vyberte jazyk, ve kterém se vám nejlépe čte. Návrhy se řídí jazykem, ve kterém píšete.</translation>
    </message>
    <message>
        <source>Change the app language</source>
        <translation>Změnit jazyk aplikace</translation>
    </message>
    <message>
        <source>0 min</source>
        <translation>0 min</translation>
    </message>
    <message>
        <source>under a minute</source>
        <translation>méně než minuta</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>Not set</source>
        <translation>Nenastaveno</translation>
    </message>
    <message>
        <source>Clear shortcut</source>
        <translation>Vymazat zkratku</translation>
    </message>
    <message>
        <source>Add Ctrl, Alt or Super so normal typing still works.</source>
        <translation>Přidejte Ctrl, Alt nebo Super, aby běžné psaní dál fungovalo.</translation>
    </message>
    <message>
        <source>Type a shortcut…</source>
        <translation>Stiskněte zkratku…</translation>
    </message>
    <message>
        <source>Recording shortcut</source>
        <translation>Nahrávání zkratky</translation>
    </message>
    <message>
        <source>Shortcut %1</source>
        <translation>Zkratka %1</translation>
    </message>
    <message>
        <source>Record shortcut</source>
        <translation>Nahrát zkratku</translation>
    </message>
    <message>
        <source>Shortcut not set</source>
        <translation>Zkratka není nastavena</translation>
    </message>
    <message>
        <source>Press to record a new shortcut. Escape cancels.</source>
        <translation>Stiskněte pro nahrání nové zkratky. Escape ruší.</translation>
    </message>
    <message>
        <source>Your tray icon is hidden</source>
        <translation>Ikona v oznamovací oblasti je skrytá</translation>
    </message>
    <message>
        <source>This computer has no on-device language model</source>
        <translation>Tento počítač nemá vestavěný jazykový model</translation>
    </message>
    <message>
        <source>Turn on the on-device model in the desktop&apos;s settings</source>
        <translation>Zapněte vestavěný model v nastavení prostředí</translation>
    </message>
    <message>
        <source>The on-device model is unavailable</source>
        <translation>Vestavěný model není dostupný</translation>
    </message>
    <message>
        <source>Downloading. The on-device model fills in until it&apos;s done.</source>
        <translation>Stahuje se. Do dokončení zastoupí vestavěný model.</translation>
    </message>
    <message>
        <source>The on-device model fills in until you download it.</source>
        <translation>Dokud model nestáhnete, zastoupí ho vestavěný model.</translation>
    </message>
    <message>
        <source>%1 shares no text. Quit it and start it with %2 to get suggestions in it.</source>
        <translation>%1 nesdílí žádný text. Ukončete ho a spusťte s %2, abyste v něm dostávali návrhy.</translation>
    </message>
    <message>
        <source>On-device model</source>
        <translation>Vestavěný model</translation>
    </message>
    <message>
        <source>The system&apos;s own language model. Nothing to download.</source>
        <translation>Vlastní jazykový model systému. Nic se nestahuje.</translation>
    </message>
    <message>
        <source>A website name cannot hold spaces, tabs or line breaks.</source>
        <translation>Název webu nemůže obsahovat mezery, tabulátory ani konce řádků.</translation>
    </message>
    <message>
        <source>Only addresses that start with http or https can be added.</source>
        <translation>Přidat lze jen adresy začínající http nebo https.</translation>
    </message>
    <message>
        <source>That is not a website name. Type one such as wikipedia.org.</source>
        <translation>To není název webu. Napište třeba wikipedia.org.</translation>
    </message>
    <message>
        <source>A port is a number from 1 to 65535.</source>
        <translation>Port je číslo od 1 do 65535.</translation>
    </message>
    <message>
        <source>The on-device model fills in until the download is done.</source>
        <translation>Do dokončení stahování zastoupí vestavěný model.</translation>
    </message>
    <message>
        <source>Suggestions start once the download is done.</source>
        <translation>Návrhy začnou po dokončení stahování.</translation>
    </message>
    <message>
        <source>This frees %1. The on-device model fills in until you download it again.</source>
        <translation>Uvolní se %1. Dokud model znovu nestáhnete, zastoupí ho vestavěný model.</translation>
    </message>
    <message>
        <source>This frees %1. The %app model can&apos;t suggest until you download it again.</source>
        <translation>Uvolní se %1. Model %app nebude navrhovat, dokud ho znovu nestáhnete.</translation>
    </message>
    <message>
        <source>There&apos;s no room for it, or your panel has no system tray. Add the panel&apos;s system tray or status area applet in its settings.</source>
        <translation>Není pro ni místo, nebo váš panel nemá oznamovací oblast. Přidejte do panelu v jeho nastavení applet oznamovací oblasti nebo stavové oblasti.</translation>
    </message>
    <message>
        <source>GNOME shows tray icons only with the AppIndicator extension. Install the gnome-shell-extension-appindicator package, log out and in, then turn it on in Extensions.</source>
        <translation>GNOME zobrazuje ikony v oznamovací oblasti jen s rozšířením AppIndicator. Nainstalujte balíček gnome-shell-extension-appindicator, odhlaste se a znovu přihlaste a pak ho zapněte v aplikaci Rozšíření.</translation>
    </message>
    <message>
        <source>GNOME shows tray icons only with the AppIndicator extension. It is installed but off: turn it on in Extensions.</source>
        <translation>GNOME zobrazuje ikony v oznamovací oblasti jen s rozšířením AppIndicator. Je nainstalované, ale vypnuté: zapněte ho v aplikaci Rozšíření.</translation>
    </message>
    <message>
        <source>Until then, open %app from your applications menu to reach Settings.</source>
        <translation>Do té doby otevírejte %app z nabídky aplikací, abyste se dostali do nastavení.</translation>
    </message>
    <message>
        <source>Open Extensions</source>
        <translation>Otevřít Rozšíření</translation>
    </message>
    <message>
        <source>Show Count in Tray</source>
        <translation>Zobrazit počet v oznamovací oblasti</translation>
    </message>
    <message>
        <source>%1 shares no text</source>
        <translation>%1 nesdílí žádný text</translation>
    </message>
    <message>
        <source>Copy command</source>
        <translation>Kopírovat příkaz</translation>
    </message>
    <message>
        <source>There&apos;s no account and no analytics. With the %app model or the on-device model, your text stays on this computer.</source>
        <translation>Žádný účet ani sběr statistik používání. S modelem %app nebo vestavěným modelem zůstává váš text na tomto počítači.</translation>
    </message>
    <message>
        <source>There&apos;s no account and no analytics. With the %app model, your text stays on this computer.</source>
        <translation>Žádný účet ani sběr statistik používání. S modelem %app zůstává váš text na tomto počítači.</translation>
    </message>
    <message>
        <source>%app lives in your system tray from now on. Click its icon to pause it in an app or open Settings.</source>
        <translation>%app teď bydlí v oznamovací oblasti. Klikněte na jeho ikonu, chcete-li ho v aplikaci pozastavit nebo otevřít nastavení.</translation>
    </message>
    <message>
        <source>%app has no account, no analytics and no servers of its own. The %app model and the on-device model keep your text on this computer. Other engines get it only if you set one up.</source>
        <translation>%app nemá účet, nesbírá statistiky používání a nemá vlastní servery. Model %app a vestavěný model nechávají váš text na tomto počítači. Jiná jádra ho dostanou, jen když si je nastavíte.</translation>
    </message>
    <message>
        <source>%app has no account, no analytics and no servers of its own. The %app model keeps your text on this computer. Other engines get it only if you set one up.</source>
        <translation>%app nemá účet, nesbírá statistiky používání a nemá vlastní servery. Model %app nechává váš text na tomto počítači. Jiná jádra ho dostanou, jen když si je nastavíte.</translation>
    </message>
    <message>
        <source>Installed applications</source>
        <translation>Nainstalované aplikace</translation>
    </message>
    <message>
        <source>%app reads these only while making a suggestion and never saves them. With the %app model or the on-device model, nothing leaves your computer.</source>
        <translation>%app je čte jen při tvorbě návrhu a nikdy je neukládá. S modelem %app nebo vestavěným modelem nic neopustí váš počítač.</translation>
    </message>
    <message>
        <source>%app reads these only while making a suggestion and never saves them. With the %app model, nothing leaves your computer.</source>
        <translation>%app je čte jen při tvorbě návrhu a nikdy je neukládá. S modelem %app nic neopustí váš počítač.</translation>
    </message>
    <message>
        <source>The %app model keeps your text on this computer.</source>
        <translation>Model %app nechává váš text na tomto počítači.</translation>
    </message>
    <message>
        <source>The key holds a line break or another control character. Paste it again without them.</source>
        <translation>Klíč obsahuje konec řádku nebo jiný řídicí znak. Vložte ho znovu bez nich.</translation>
    </message>
    <message>
        <source>Waiting for the keyring to store the key.</source>
        <translation>Čeká se, až klíčenka klíč uloží.</translation>
    </message>
    <message>
        <source>The keyring cannot keep this key, so it is used only until %app quits.</source>
        <translation>Klíčenka tento klíč neuloží, proto se použije jen do ukončení %app.</translation>
    </message>
    <message>
        <source>Show in the system tray</source>
        <translation>Zobrazovat v oznamovací oblasti</translation>
    </message>
    <message>
        <source>Pause or open Settings from the system tray. Hidden? Open %app from your applications menu to come back.</source>
        <translation>Pozastavujte nebo otevírejte nastavení z oznamovací oblasti. Skrytá? Otevřete %app z nabídky aplikací.</translation>
    </message>
    <message>
        <source>This tray can&apos;t show text beside icons, so the count shows in the icon&apos;s tooltip.</source>
        <translation>Tato oznamovací oblast neumí zobrazit text vedle ikon, proto je počet v popisku ikony.</translation>
    </message>
    <message>
        <source>VS Code, VSCodium, Cursor, Zed, Kate, Sublime Text, JetBrains IDEs and similar apps.</source>
        <translation>VS Code, VSCodium, Cursor, Zed, Kate, Sublime Text, IDE od JetBrains a podobné aplikace.</translation>
    </message>
    <message>
        <source>Your settings could not be read, so they were set aside and %app started over with its defaults.</source>
        <translation>Vaše nastavení nešlo přečíst, proto bylo odloženo a %app začal znovu s výchozími hodnotami.</translation>
    </message>
    <message>
        <source>Your settings are not saved: %app cannot write to its settings folder.</source>
        <translation>Vaše nastavení se neukládá: %app nemůže zapisovat do své složky nastavení.</translation>
    </message>
    <message>
        <source>Your app and website rules could not be read, so they were set aside.</source>
        <translation>Pravidla pro aplikace a weby nešlo přečíst, proto byla odložena.</translation>
    </message>
    <message>
        <source>Your statistics could not be read, so they were set aside and counting started over.</source>
        <translation>Statistiky nešlo přečíst, proto byly odloženy a počítání začalo znovu.</translation>
    </message>
    <message>
        <source>Not saved: %app cannot write to its data folder.</source>
        <translation>Neuloženo: %app nemůže zapisovat do své složky dat.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln suggestions. %1 selected</source>
        <translation>
            <numerusform>%Ln návrh. Vybráno: %1</numerusform>
            <numerusform>%Ln návrhy. Vybráno: %1</numerusform>
            <numerusform>%Ln návrhů. Vybráno: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln min</source>
        <translation>
            <numerusform>%Ln min</numerusform>
            <numerusform>%Ln min</numerusform>
            <numerusform>%Ln min</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln words</source>
        <translation>
            <numerusform>%Ln slovo</numerusform>
            <numerusform>%Ln slova</numerusform>
            <numerusform>%Ln slov</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln passages from here</source>
        <translation>
            <numerusform>%Ln úryvek z této aplikace</numerusform>
            <numerusform>%Ln úryvky z této aplikace</numerusform>
            <numerusform>%Ln úryvků z této aplikace</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>words</source>
        <comment>unit after a count</comment>
        <translation>
            <numerusform>slovo</numerusform>
            <numerusform>slova</numerusform>
            <numerusform>slov</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln days</source>
        <translation>
            <numerusform>%Ln den</numerusform>
            <numerusform>%Ln dny</numerusform>
            <numerusform>%Ln dní</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Words saved per day over the last %Ln days</source>
        <translation>
            <numerusform>Ušetřená slova za den za poslední den</numerusform>
            <numerusform>Ušetřená slova za den za poslední %Ln dny</numerusform>
            <numerusform>Ušetřená slova za den za posledních %Ln dní</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln day streak</source>
        <translation>
            <numerusform>Série: %Ln den</numerusform>
            <numerusform>Série: %Ln dny</numerusform>
            <numerusform>Série: %Ln dní</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln passages remembered</source>
        <translation>
            <numerusform>Zapamatován %Ln úryvek</numerusform>
            <numerusform>Zapamatovány %Ln úryvky</numerusform>
            <numerusform>Zapamatováno %Ln úryvků</numerusform>
        </translation>
    </message>
    <message>
        <source>enter</source>
        <translation>enter</translation>
    </message>
    <message>
        <source>Allow screen capture so %app can read those too. Most apps work without it.</source>
        <translation>Povolte zachytávání obrazovky, aby %app mohl číst i je. Většina aplikací funguje i bez toho.</translation>
    </message>
    <message>
        <source>Type a colon and a word, like :rocket, then press Tab or Enter to pick.</source>
        <translation>Napište dvojtečku a slovo, třeba :rocket, a vyberte stiskem Tab nebo Enter.</translation>
    </message>
    <message>
        <source>You can switch memory off for single apps under Apps &amp; Sites. The key that unlocks it lives in your keyring.</source>
        <translation>Paměť můžete vypnout pro jednotlivé aplikace v sekci „Aplikace a weby“. Klíč, který ji odemyká, je uložen ve vaší klíčence.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln emoji. %1 selected</source>
        <translation>
            <numerusform>%Ln emoji. Vybráno: %1</numerusform>
            <numerusform>%Ln emoji. Vybráno: %1</numerusform>
            <numerusform>%Ln emoji. Vybráno: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Suggestion: %1</source>
        <translation>Návrh: %1</translation>
    </message>
    <message numerus="yes">
        <source>%Ln models available</source>
        <translation>
            <numerusform>%Ln dostupný model</numerusform>
            <numerusform>%Ln dostupné modely</numerusform>
            <numerusform>%Ln dostupných modelů</numerusform>
        </translation>
    </message>
    <message>
        <source>The model couldn&apos;t be saved: %1</source>
        <translation>Model se nepodařilo uložit: %1</translation>
    </message>
    <message>
        <source>Ollama isn&apos;t running.</source>
        <translation>Ollama neběží.</translation>
    </message>
    <message>
        <source>Ollama isn&apos;t running at %1.</source>
        <translation>Ollama neběží na adrese %1.</translation>
    </message>
    <message>
        <source>No server answered.</source>
        <translation>Žádný server neodpověděl.</translation>
    </message>
    <message>
        <source>No server answered at %1.</source>
        <translation>Žádný server neodpověděl na adrese %1.</translation>
    </message>
    <message>
        <source>Range: %1</source>
        <translation>Rozsah: %1</translation>
    </message>
    <message numerus="yes">
        <source>%1, %Ln to do</source>
        <translation>
            <numerusform>%1, zbývá: %Ln</numerusform>
            <numerusform>%1, zbývá: %Ln</numerusform>
            <numerusform>%1, zbývá: %Ln</numerusform>
        </translation>
    </message>
    <message>
        <source>Type the whole name of the website, such as wikipedia.org.</source>
        <translation>Napište celý název webu, třeba wikipedia.org.</translation>
    </message>
    <message>
        <source>The key holds a space, an invisible character or a letter outside plain ASCII. Paste it again exactly as your server gave it.</source>
        <translation>Klíč obsahuje mezeru, neviditelný znak nebo písmeno mimo prosté ASCII. Vložte ho znovu přesně tak, jak vám ho dal server.</translation>
    </message>
    <message>
        <source>The keyring could not be read, so your server is asked without an API key. Type the key again if your server needs one.</source>
        <translation>Klíčenku nešlo přečíst, proto se dotazy na server posílají bez klíče API. Pokud ho server potřebuje, napište klíč znovu.</translation>
    </message>
    <message>
        <source>Your writing memory could not be opened, so it was set aside and %app started a new one.</source>
        <translation>Paměť psaní se nepodařilo otevřít, proto byla odložena a %app začal novou.</translation>
    </message>
    <message>
        <source>%1, converted for llama.cpp by %2</source>
        <translation>%1, pro llama.cpp převedl %2</translation>
    </message>
    <message>
        <source>The data folder %1 could not be made. Check that the folder above it exists and that you may write there.</source>
        <translation>Složku s daty %1 se nepodařilo vytvořit. Zkontrolujte, že nadřazená složka existuje a že do ní můžete zapisovat.</translation>
    </message>
    <message>
        <source>party</source>
        <comment>emoji search sample</comment>
        <translation>oslava</translation>
    </message>
    <message numerus="yes">
        <source>%Ln settings held values %app cannot use, so they were corrected and saved.</source>
        <translation>
            <numerusform>%Ln nastavení mělo hodnotu, kterou %app nemůže použít, proto bylo opraveno a uloženo.</numerusform>
            <numerusform>%Ln nastavení měla hodnoty, které %app nemůže použít, proto byla opravena a uložena.</numerusform>
            <numerusform>%Ln nastavení mělo hodnoty, které %app nemůže použít, proto byla opravena a uložena.</numerusform>
        </translation>
    </message>
    <message>
        <source>Your writing memory is not saved: the keyring is missing or locked, so its key cannot be kept.</source>
        <translation>Paměť psaní není uložená: klíčenka chybí nebo je zamčená, takže její klíč nelze uchovat.</translation>
    </message>
    <message>
        <source>That address isn&apos;t valid</source>
        <translation>Tato adresa není platná</translation>
    </message>
    <message>
        <source>The request timed out.</source>
        <translation>Časový limit požadavku vypršel.</translation>
    </message>
    <message>
        <source>The server&apos;s reply was too long, so it was stopped.</source>
        <translation>Odpověď serveru byla příliš dlouhá, a proto byla zastavena.</translation>
    </message>
    <message>
        <source>The server answered %1.</source>
        <translation>Server odpověděl %1.</translation>
    </message>
    <message>
        <source>The server answered %1: %2</source>
        <translation>Server odpověděl %1: %2</translation>
    </message>
    <message>
        <source>The download server answered %1. Try again later.</source>
        <translation>Server pro stahování odpověděl %1. Zkuste to později.</translation>
    </message>
    <message>
        <source>The download couldn&apos;t be saved: %1</source>
        <translation>Stažený soubor se nepodařilo uložit: %1</translation>
    </message>
    <message>
        <source>The download paused because the connection dropped. Try again to pick up where it stopped.</source>
        <translation>Stahování se pozastavilo, protože se přerušilo připojení. Zkuste to znovu a bude pokračovat tam, kde skončilo.</translation>
    </message>
    <message>
        <source>The download stopped. Check your connection, then try again.</source>
        <translation>Stahování se zastavilo. Zkontrolujte připojení a zkuste to znovu.</translation>
    </message>
    <message>
        <source>Pick an Ollama model in Settings</source>
        <translation>Vyberte model Ollama v nastavení</translation>
    </message>
    <message>
        <source>Pick a model for your local server</source>
        <translation>Vyberte model pro svůj místní server</translation>
    </message>
    <message>
        <source>The server&apos;s answer is not HTTP.</source>
        <translation>Odpověď serveru není HTTP.</translation>
    </message>
    <message>
        <source>The data couldn&apos;t be read because it is missing.</source>
        <translation>Data nelze přečíst, protože chybí.</translation>
    </message>
    <message>
        <source>The data couldn&apos;t be read because it isn&apos;t in the correct format.</source>
        <translation>Data nelze přečíst, protože nemají správný formát.</translation>
    </message>
    <message>
        <source>:%1:</source>
        <comment>emoji name</comment>
        <translation>:%1:</translation>
    </message>
    <message>
        <source>This computer has no on-device language model.</source>
        <translation>Tento počítač nemá vestavěný jazykový model.</translation>
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
        <translation>Pozastaveno na %1</translation>
    </message>
    <message>
        <source>Paused in %1</source>
        <translation>Pozastaveno v aplikaci %1</translation>
    </message>
    <message>
        <source>Off on %1</source>
        <translation>Vypnuto na %1</translation>
    </message>
    <message>
        <source>Off in %1</source>
        <translation>Vypnuto v aplikaci %1</translation>
    </message>
    <message>
        <source>Off in %1 by default</source>
        <translation>Ve výchozím stavu vypnuto v aplikaci %1</translation>
    </message>
    <message>
        <source>Off in code editors</source>
        <translation>Vypnuto v editorech kódu</translation>
    </message>
    <message>
        <source>Off unless turned on per app</source>
        <translation>Vypnuto, pokud není zapnuto pro aplikaci</translation>
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
        <translation>Mezerník</translation>
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
        <translation>Klávesa %1</translation>
    </message>
    <message>
        <source>An email reply reads differently from a commit message.</source>
        <translation>Odpověď na e-mail se píše jinak než zpráva commitu.</translation>
    </message>
    <message>
        <source>Writes straight into the field. Cleanest in GTK and Qt apps.</source>
        <translation>Píše přímo do pole. Nejčistší v aplikacích GTK a Qt.</translation>
    </message>
    <message>
        <source>Typing</source>
        <comment>insertion method</comment>
        <translation>Psaní</translation>
    </message>
    <message>
        <source>%1 h</source>
        <comment>hours with one decimal, such as 1.5</comment>
        <translation>%1 h</translation>
    </message>
    <message numerus="yes">
        <source>%Ln h</source>
        <translation>
            <numerusform>%Ln h</numerusform>
            <numerusform>%Ln h</numerusform>
            <numerusform>%Ln h</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln ms</source>
        <translation>
            <numerusform>%Ln ms</numerusform>
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
            <numerusform>%Ln slovo dnes ušetřeno</numerusform>
            <numerusform>%Ln slova dnes ušetřena</numerusform>
            <numerusform>%Ln slov dnes ušetřeno</numerusform>
        </translation>
    </message>
    <message>
        <source>Under a minute of typing saved today.</source>
        <translation>Dnes ušetřena necelá minuta psaní.</translation>
    </message>
    <message>
        <source>About %1 of typing saved today.</source>
        <translation>Dnes ušetřeno asi %1 psaní.</translation>
    </message>
    <message numerus="yes">
        <source>Step %1 of %Ln</source>
        <translation>
            <numerusform>Krok %1 z %Ln</numerusform>
            <numerusform>Krok %1 z %Ln</numerusform>
            <numerusform>Krok %1 z %Ln</numerusform>
        </translation>
    </message>
    <message>
        <source>%app reads and types into text fields through the desktop&apos;s accessibility support, which some desktops leave off. %app uses it only for the field you&apos;re writing in.</source>
        <translation>%app čte textová pole a píše do nich přes podporu zpřístupnění v pracovním prostředí, kterou některá prostředí nechávají vypnutou. %app ji používá jen pro pole, do kterého právě píšete.</translation>
    </message>
    <message>
        <source>The button switches the desktop&apos;s accessibility support on. If the desktop&apos;s settings open instead, turn accessibility on there, then come back. This page updates by itself.</source>
        <translation>Tlačítko zapne podporu zpřístupnění v pracovním prostředí. Pokud se místo toho otevře nastavení prostředí, zapněte zpřístupnění tam a vraťte se. Tato stránka se aktualizuje sama.</translation>
    </message>
    <message>
        <source>Still off? Some desktops start their accessibility service only when you log in. Log out and back in, then try again.</source>
        <translation>Stále vypnuto? Některá prostředí spouštějí službu zpřístupnění až při přihlášení. Odhlaste se, znovu se přihlaste a zkuste to znovu.</translation>
    </message>
    <message>
        <source>Pause</source>
        <comment>section header</comment>
        <translation>Pozastavení</translation>
    </message>
    <message>
        <source>Pause</source>
        <comment>button</comment>
        <translation>Pozastavit</translation>
    </message>
    <message>
        <source>typing</source>
        <comment>insertion method, in a sentence</comment>
        <translation>psaní</translation>
    </message>
    <message>
        <source>accessibility</source>
        <comment>insertion method, in a sentence</comment>
        <translation>zpřístupnění</translation>
    </message>
    <message>
        <source>paste</source>
        <comment>insertion method, in a sentence</comment>
        <translation>vložení</translation>
    </message>
    <message>
        <source>short</source>
        <comment>suggestion length, in a sentence</comment>
        <translation>krátké</translation>
    </message>
    <message>
        <source>medium</source>
        <comment>suggestion length, in a sentence</comment>
        <translation>střední</translation>
    </message>
    <message>
        <source>long</source>
        <comment>suggestion length, in a sentence</comment>
        <translation>dlouhé</translation>
    </message>
    <message>
        <source>Default follows General: %1, %2 suggestions.</source>
        <translation>Výchozí podle sekce „Obecné“: %1, %2 návrhy.</translation>
    </message>
    <message>
        <source>Yes, at %1, %2 on screen, %3 pt tall, %4 and %5</source>
        <translation>Ano, na %1, %2 na obrazovce, výška %3 pt, %4 a %5</translation>
    </message>
    <message numerus="yes">
        <source>%Ln characters before it</source>
        <translation>
            <numerusform>%Ln znak před ním</numerusform>
            <numerusform>%Ln znaky před ním</numerusform>
            <numerusform>%Ln znaků před ním</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln after</source>
        <comment>characters after the caret</comment>
        <translation>
            <numerusform>%Ln za ním</numerusform>
            <numerusform>%Ln za ním</numerusform>
            <numerusform>%Ln za ním</numerusform>
        </translation>
    </message>
    <message>
        <source>No system tray runs on this desktop, so the icon cannot show. %1</source>
        <translation>V tomto pracovním prostředí neběží žádná oznamovací oblast, takže ikonu nelze zobrazit. %1</translation>
    </message>
    <message>
        <source>Typing</source>
        <comment>section header</comment>
        <translation>Psaní</translation>
    </message>
    <message>
        <source>Switch to the computer&apos;s language?</source>
        <translation>Přepnout na jazyk počítače?</translation>
    </message>
    <message numerus="yes">
        <source>%Ln words this week.</source>
        <translation>
            <numerusform>%Ln slovo tento týden.</numerusform>
            <numerusform>%Ln slova tento týden.</numerusform>
            <numerusform>%Ln slov tento týden.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Under a minute of typing saved today. %Ln words this week.</source>
        <translation>
            <numerusform>Dnes ušetřena necelá minuta psaní. %Ln slovo tento týden.</numerusform>
            <numerusform>Dnes ušetřena necelá minuta psaní. %Ln slova tento týden.</numerusform>
            <numerusform>Dnes ušetřena necelá minuta psaní. %Ln slov tento týden.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>About %1 of typing saved today. %Ln words this week.</source>
        <translation>
            <numerusform>Dnes ušetřeno asi %1 psaní. %Ln slovo tento týden.</numerusform>
            <numerusform>Dnes ušetřeno asi %1 psaní. %Ln slova tento týden.</numerusform>
            <numerusform>Dnes ušetřeno asi %1 psaní. %Ln slov tento týden.</numerusform>
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
            <numerusform>%Ln z %1 hotovo</numerusform>
            <numerusform>%Ln z %1 hotovo</numerusform>
            <numerusform>%Ln z %1 hotovo</numerusform>
        </translation>
    </message>
    <message>
        <source>The server refused the connection. Check that it is running and that the address is right.</source>
        <translation>Server odmítl spojení. Zkontrolujte, že běží a že je adresa správná.</translation>
    </message>
    <message>
        <source>The server&apos;s name couldn&apos;t be found. Check the address.</source>
        <translation>Název serveru se nepodařilo najít. Zkontrolujte adresu.</translation>
    </message>
    <message>
        <source>A secure connection to the server couldn&apos;t be made.</source>
        <translation>Zabezpečené spojení se serverem se nepodařilo navázat.</translation>
    </message>
    <message>
        <source>The server closed the connection before it answered.</source>
        <translation>Server ukončil spojení dřív, než odpověděl.</translation>
    </message>
    <message>
        <source>The network proxy couldn&apos;t be reached.</source>
        <translation>Síťový proxy server není dostupný.</translation>
    </message>
    <message>
        <source>The server couldn&apos;t be reached.</source>
        <translation>Server není dostupný.</translation>
    </message>
    <message>
        <source>Waiting for the network…</source>
        <translation>Čekání na síť…</translation>
    </message>
    <message>
        <source>%1 is taken by another program.</source>
        <translation>Klávesovou zkratku %1 už používá jiný program.</translation>
    </message>
    <message>
        <source>%1 could not open again. Your choice takes effect the next time you start it.</source>
        <translation>%1 se nepodařilo znovu otevřít. Vaše volba se projeví při příštím spuštění.</translation>
    </message>
    <message>
        <source>Downloading the model</source>
        <translation>Stahuje se model</translation>
    </message>
    <message numerus="yes">
        <source>These apps answer the Tab key before %app can, so %app stays paused in your other apps until they quit.</source>
        <translation>
            <numerusform>Tyto aplikace reagují na klávesu Tab dřív než %app, proto %app zůstane v ostatních aplikacích pozastaven, dokud se neukončí.</numerusform>
            <numerusform>Tyto aplikace reagují na klávesu Tab dřív než %app, proto %app zůstane v ostatních aplikacích pozastaven, dokud se neukončí.</numerusform>
            <numerusform>Tyto aplikace reagují na klávesu Tab dřív než %app, proto %app zůstane v ostatních aplikacích pozastaven, dokud se neukončí.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>It may be waiting on a dialog of its own. Force Quit closes it right away.</source>
        <translation>
            <numerusform>Možná čeká na vlastní dialog. „Vynutit ukončení“ ji okamžitě zavře.</numerusform>
            <numerusform>Možná čekají na vlastní dialogy. „Vynutit ukončení“ je okamžitě zavře.</numerusform>
            <numerusform>Možná čekají na vlastní dialogy. „Vynutit ukončení“ je okamžitě zavře.</numerusform>
        </translation>
    </message>
    <message>
        <source>Set a Suggest Now shortcut in Keys to ask for suggestions</source>
        <translation>Chcete-li žádat o návrhy, nastavte v sekci „Klávesy“ zkratku „Navrhnout hned“</translation>
    </message>
    <message>
        <source>Backspace</source>
        <comment>key above Enter that deletes backwards</comment>
        <translation>Backspace</translation>
    </message>
    <message>
        <source>0 words saved today</source>
        <translation>0 slov dnes ušetřeno</translation>
    </message>
    <message>
        <source>words saved today</source>
        <comment>beside the count 0</comment>
        <translation>slov dnes ušetřeno</translation>
    </message>
    <message>
        <source>Quit the other app</source>
        <translation>Ukončit tu druhou aplikaci</translation>
    </message>
    <message>
        <source>None yet</source>
        <comment>no app looked at yet</comment>
        <translation>Zatím žádné</translation>
    </message>
    <message>
        <source>None yet</source>
        <comment>no suggestion shown yet</comment>
        <translation>Zatím žádný</translation>
    </message>
    <message>
        <source>The other app is also running</source>
        <translation>Ta druhá aplikace také běží</translation>
    </message>
    <message>
        <source>Both apps answer the Tab key, and the system gives it to the other app first. %app stays paused in your other apps until the other app quits.</source>
        <translation>Obě aplikace reagují na klávesu Tab a systém ji dá nejprve té druhé aplikaci. %app zůstane v ostatních aplikacích pozastaven, dokud se ta druhá aplikace neukončí.</translation>
    </message>
    <message>
        <source>The other app is still open</source>
        <translation>Ta druhá aplikace je stále otevřená</translation>
    </message>
    <message>
        <source>The other app quit, so your suggestions are back in every app.</source>
        <translation>Ta druhá aplikace byla ukončena, návrhy jsou zpět ve všech aplikacích.</translation>
    </message>
    <message>
        <source>The other app quit. %app has the Tab key.</source>
        <translation>Ta druhá aplikace byla ukončena. %app má klávesu Tab.</translation>
    </message>
</context>
</TS>
