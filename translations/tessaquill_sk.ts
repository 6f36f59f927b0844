<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sk" sourcelanguage="en">
<context>
    <name>Tessaquill</name>
    <message>
        <source>Accessibility is on. %app is ready in your other apps.</source>
        <translation>Prístupnosť je zapnutá. %app je pripravený vo vašich ďalších aplikáciách.</translation>
    </message>
    <message>
        <source>Paused while %1 is open</source>
        <translation>Pozastavené, kým je otvorená aplikácia %1</translation>
    </message>
    <message>
        <source>Welcome to %app</source>
        <translation>Vitajte v %app</translation>
    </message>
    <message>
        <source>%app</source>
        <translation>%app</translation>
    </message>
    <message>
        <source>Another autocomplete app is running</source>
        <translation>Beží iná aplikácia na automatické dopĺňanie</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Pripravené</translation>
    </message>
    <message>
        <source>Waiting for a pause</source>
        <translation>Čaká na pauzu</translation>
    </message>
    <message>
        <source>Thinking</source>
        <translation>Premýšľa</translation>
    </message>
    <message>
        <source>Showing a suggestion</source>
        <translation>Zobrazuje návrh</translation>
    </message>
    <message>
        <source>The model took too long to answer</source>
        <translation>Model odpovedal príliš dlho</translation>
    </message>
    <message>
        <source>This app doesn&apos;t report where the caret is</source>
        <translation>Táto aplikácia neoznamuje, kde je kurzor</translation>
    </message>
    <message>
        <source>%app is turned off</source>
        <translation>%app je vypnutý</translation>
    </message>
    <message>
        <source>Secure input is on, so %app stays out</source>
        <translation>Je zapnuté zabezpečené zadávanie, preto %app nezasahuje</translation>
    </message>
    <message>
        <source>Press %1 for a suggestion</source>
        <translation>Pre návrh stlačte %1</translation>
    </message>
    <message>
        <source>Text is selected</source>
        <translation>Je vybraný text</translation>
    </message>
    <message>
        <source>The caret is inside existing text</source>
        <translation>Kurzor je vnútri existujúceho textu</translation>
    </message>
    <message>
        <source>This field is too small</source>
        <translation>Toto pole je príliš malé</translation>
    </message>
    <message>
        <source>Waiting for a few characters</source>
        <translation>Čaká na niekoľko znakov</translation>
    </message>
    <message>
        <source>Start of a new line</source>
        <translation>Začiatok nového riadka</translation>
    </message>
    <message>
        <source>The model is still downloading</source>
        <translation>Model sa ešte sťahuje</translation>
    </message>
    <message>
        <source>Download the %app model in Settings first</source>
        <translation>Najprv stiahnite model %app v nastaveniach</translation>
    </message>
    <message>
        <source>Not checked yet</source>
        <translation>Zatiaľ neskontrolované</translation>
    </message>
    <message>
        <source>Checking…</source>
        <translation>Kontroluje sa…</translation>
    </message>
    <message>
        <source>The model stopped with error %1</source>
        <translation>Model sa zastavil s chybou %1</translation>
    </message>
    <message>
        <source>The model file couldn&apos;t be loaded</source>
        <translation>Súbor modelu sa nepodarilo načítať</translation>
    </message>
    <message>
        <source>There wasn&apos;t enough memory to start the model</source>
        <translation>Na spustenie modelu nebolo dosť pamäte</translation>
    </message>
    <message>
        <source>The text couldn&apos;t be prepared for the model</source>
        <translation>Text sa nepodarilo pripraviť pre model</translation>
    </message>
    <message>
        <source>This computer needs %1 free for the download. Free up some space, then try again.</source>
        <translation>Na stiahnutie treba %1 voľného miesta. Uvoľnite miesto a skúste to znova.</translation>
    </message>
    <message>
        <source>The download didn&apos;t match the expected file, so it was deleted. Try again.</source>
        <translation>Stiahnutý súbor nezodpovedal očakávanému, preto bol vymazaný. Skúste to znova.</translation>
    </message>
    <message>
        <source>Downloaded</source>
        <translation>Stiahnuté</translation>
    </message>
    <message>
        <source>Downloading. Suggestions start once it&apos;s done.</source>
        <translation>Sťahuje sa. Návrhy začnú, keď sa dokončí.</translation>
    </message>
    <message>
        <source>Checking the download.</source>
        <translation>Kontrola stiahnutého súboru.</translation>
    </message>
    <message>
        <source>Checking the download. Suggestions start once it&apos;s done.</source>
        <translation>Kontrola stiahnutého súboru. Návrhy začnú, keď sa dokončí.</translation>
    </message>
    <message>
        <source>Download the model to start</source>
        <translation>Začnite stiahnutím modelu</translation>
    </message>
    <message>
        <source>Ollama is running but has no models</source>
        <translation>Ollama beží, ale nemá žiadne modely</translation>
    </message>
    <message>
        <source>Another app</source>
        <translation>Iná aplikácia</translation>
    </message>
    <message>
        <source>There is no D-Bus session bus, so %1 cannot reach text fields.</source>
        <translation>Neexistuje zbernica relácie D-Bus, preto %1 nemá prístup k textovým poliam.</translation>
    </message>
    <message>
        <source>The desktop&apos;s accessibility bus is not running, so %1 cannot reach text fields.</source>
        <translation>Zbernica prístupnosti pracovného prostredia nebeží, preto %1 nemá prístup k textovým poliam.</translation>
    </message>
    <message>
        <source>Short</source>
        <translation>Krátke</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Stredné</translation>
    </message>
    <message>
        <source>Long</source>
        <translation>Dlhé</translation>
    </message>
    <message>
        <source>Hide the suggestion</source>
        <translation>Skryť návrh</translation>
    </message>
    <message>
        <source>Hide suggestions until I change fields</source>
        <translation>Skrývať návrhy, kým neprejdem do iného poľa</translation>
    </message>
    <message>
        <source>Do nothing, send Escape to the app</source>
        <translation>Nerobiť nič, poslať Escape aplikácii</translation>
    </message>
    <message>
        <source>Type it</source>
        <translation>Písanie</translation>
    </message>
    <message>
        <source>Insert through Accessibility</source>
        <translation>Vloženie cez prístupnosť</translation>
    </message>
    <message>
        <source>Paste it</source>
        <translation>Vloženie zo schránky</translation>
    </message>
    <message>
        <source>Grey</source>
        <translation>Sivá</translation>
    </message>
    <message>
        <source>Gold tint</source>
        <translation>Zlatý nádych</translation>
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
        <translation>Lokálny server</translation>
    </message>
    <message>
        <source>Runs on this computer after a one-time download. Works offline.</source>
        <translation>Beží na tomto počítači po jednorazovom stiahnutí. Funguje offline.</translation>
    </message>
    <message>
        <source>Any model you run in Ollama, base models included.</source>
        <translation>Akýkoľvek model spustený v Ollame vrátane základných modelov.</translation>
    </message>
    <message>
        <source>LM Studio, llama-server or any OpenAI-compatible endpoint.</source>
        <translation>LM Studio, llama-server alebo akýkoľvek koncový bod kompatibilný s OpenAI.</translation>
    </message>
    <message>
        <source>Sends the text as keystrokes. Works almost everywhere.</source>
        <translation>Posiela text ako stlačenia klávesov. Funguje takmer všade.</translation>
    </message>
    <message>
        <source>Uses the clipboard, then puts your clipboard back.</source>
        <translation>Použije schránku a potom vráti jej obsah.</translation>
    </message>
    <message>
        <source>Accessibility</source>
        <translation>Prístupnosť</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Vloženie</translation>
    </message>
    <message>
        <source>Your writing memory could not be opened and was set aside. Nothing new is remembered until %app starts again.</source>
        <translation>Pamäť písania sa nepodarilo otvoriť, preto bola odložená. Do ďalšieho spustenia %app sa nič nové nezapamätá.</translation>
    </message>
    <message>
        <source>Your writing memory could not be opened because its key could not be read from the keyring. Nothing new is remembered until %app starts again.</source>
        <translation>Pamäť písania sa nepodarilo otvoriť, pretože jej kľúč sa nedal prečítať zo zväzku kľúčov. Do ďalšieho spustenia %app sa nič nové nezapamätá.</translation>
    </message>
    <message>
        <source>Not Now</source>
        <translation>Teraz nie</translation>
    </message>
    <message>
        <source>Open the desktop&apos;s settings</source>
        <translation>Otvoriť nastavenia prostredia</translation>
    </message>
    <message>
        <source>Don&apos;t remind me again</source>
        <translation>Už nepripomínať</translation>
    </message>
    <message>
        <source>Open Playground</source>
        <translation>Otvoriť skúšobné pole</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Nastavenia</translation>
    </message>
    <message>
        <source>Quit %app</source>
        <translation>Ukončiť %app</translation>
    </message>
    <message>
        <source>Needs Accessibility access</source>
        <translation>Vyžaduje povolenie prístupnosti</translation>
    </message>
    <message>
        <source>Paused until you resume</source>
        <translation>Pozastavené, kým neobnovíte</translation>
    </message>
    <message>
        <source>Paused until %1</source>
        <translation>Pozastavené do %1</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Vypnuté</translation>
    </message>
    <message numerus="yes">
        <source>Paused while %1 are open</source>
        <translation>
            <numerusform>Pozastavené, kým je otvorená aplikácia %1</numerusform>
            <numerusform>Pozastavené, kým sú otvorené aplikácie %1</numerusform>
            <numerusform>Pozastavené, kým sú otvorené aplikácie %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Grant Accessibility Access…</source>
        <translation>Povoliť prístupnosť…</translation>
    </message>
    <message numerus="yes">
        <source>Force Quit %1</source>
        <translation>
            <numerusform>Vynútiť ukončenie aplikácie %1</numerusform>
            <numerusform>Vynútiť ukončenie aplikácií %1</numerusform>
            <numerusform>Vynútiť ukončenie aplikácií %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Quit %1</source>
        <translation>
            <numerusform>Ukončiť %1</numerusform>
            <numerusform>Ukončiť %1</numerusform>
            <numerusform>Ukončiť %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>words saved today</source>
        <translation>
            <numerusform>slovo dnes ušetrené</numerusform>
            <numerusform>slová dnes ušetrené</numerusform>
            <numerusform>slov dnes ušetrených</numerusform>
        </translation>
    </message>
    <message>
        <source>Start typing anywhere. %app keeps count here.</source>
        <translation>Začnite písať kdekoľvek. %app to tu bude počítať.</translation>
    </message>
    <message>
        <source>Resume in %1</source>
        <translation>Obnoviť v aplikácii %1</translation>
    </message>
    <message>
        <source>Pause in %1</source>
        <translation>Pozastaviť v aplikácii %1</translation>
    </message>
    <message>
        <source>Resume Everywhere</source>
        <translation>Obnoviť všade</translation>
    </message>
    <message>
        <source>Pause Everywhere</source>
        <translation>Pozastaviť všade</translation>
    </message>
    <message>
        <source>For 15 Minutes</source>
        <translation>Na 15 minút</translation>
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
        <translation>Kým neobnovím</translation>
    </message>
    <message>
        <source>Example: after typing %1, %2 suggests %3</source>
        <translation>Príklad: po napísaní „%1“ %2 navrhne „%3“</translation>
    </message>
    <message>
        <source>takes the next word</source>
        <translation>prijme ďalšie slovo</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Stiahnuť</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušiť</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 z %2</translation>
    </message>
    <message>
        <source>%1 of %2. You can keep writing while it downloads.</source>
        <translation>%1 z %2. Počas sťahovania môžete ďalej písať.</translation>
    </message>
    <message>
        <source>Checking the download</source>
        <translation>Kontrola stiahnutého súboru</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Skúsiť znova</translation>
    </message>
    <message>
        <source>Remove…</source>
        <translation>Odstrániť…</translation>
    </message>
    <message>
        <source>%1 license</source>
        <translation>Licencia %1</translation>
    </message>
    <message>
        <source>Remove the %app model?</source>
        <translation>Odstrániť model %app?</translation>
    </message>
    <message>
        <source>Model download</source>
        <translation>Sťahovanie modelu</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Odstrániť</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Pokračovať</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Neskôr</translation>
    </message>
    <message>
        <source>Start Writing</source>
        <translation>Začať písať</translation>
    </message>
    <message>
        <source>Finish your sentences in any app.</source>
        <translation>Dokončuje vaše vety v každej aplikácii.</translation>
    </message>
    <message>
        <source>%app reads the words before your caret and suggests what comes next in grey. Press Tab to take one word, or the key above Tab to take the rest. If you don&apos;t want it, keep typing.</source>
        <translation>%app číta slová pred kurzorom a sivou navrhuje, čo nasleduje. Stlačením Tab prijmete jedno slovo, klávesom nad Tab zvyšok. Ak návrh nechcete, jednoducho píšte ďalej.</translation>
    </message>
    <message>
        <source>Sees what you see</source>
        <translation>Vidí, čo vidíte vy</translation>
    </message>
    <message>
        <source>Private</source>
        <translation>Súkromné</translation>
    </message>
    <message>
        <source>It reads the window you&apos;re typing in, like the chat you&apos;re answering, so suggestions fit. None of it goes online, to us or any server. It stays private on your computer.</source>
        <translation>Číta okno, v ktorom píšete, napríklad chat, na ktorý odpovedáte, aby návrhy sedeli. Nič z toho neodchádza na internet, nám ani žiadnemu serveru. Všetko zostáva v súkromí na vašom počítači.</translation>
    </message>
    <message>
        <source>Accessibility is on</source>
        <translation>Prístupnosť je zapnutá</translation>
    </message>
    <message>
        <source>%app can now read the field you&apos;re writing in and type suggestions for you.</source>
        <translation>%app teraz môže čítať pole, do ktorého píšete, a písať návrhy za vás.</translation>
    </message>
    <message>
        <source>Let %app see what you type.</source>
        <translation>Dovoľte %app vidieť, čo píšete.</translation>
    </message>
    <message>
        <source>%app reads your text when you pause and forgets it after one suggestion, unless you turn on writing memory.</source>
        <translation>%app číta váš text, keď sa zastavíte, a po jednom návrhu ho zabudne, ak nezapnete pamäť písania.</translation>
    </message>
    <message>
        <source>%app skips password fields and anything else the system marks as secure.</source>
        <translation>%app vynecháva polia pre heslá a všetko ostatné, čo systém označí ako zabezpečené.</translation>
    </message>
    <message>
        <source>Open Accessibility Settings</source>
        <translation>Otvoriť nastavenia prístupnosti</translation>
    </message>
    <message>
        <source>Pick what writes your suggestions.</source>
        <translation>Vyberte, čo bude písať vaše návrhy.</translation>
    </message>
    <message>
        <source>You can change this any time in Settings.</source>
        <translation>Kedykoľvek to môžete zmeniť v nastaveniach.</translation>
    </message>
    <message>
        <source>Give it a try.</source>
        <translation>Vyskúšajte to.</translation>
    </message>
    <message>
        <source>Start typing a sentence. When grey words appear, press Tab for one word or the key above Tab for all of them.</source>
        <translation>Začnite písať vetu. Keď sa objavia sivé slová, stlačte Tab pre jedno slovo alebo kláves nad Tab pre všetky.</translation>
    </message>
    <message>
        <source>Hi Orlenn, thanks for the quick reply. I think we should</source>
        <translation>Ahoj Orlenn, vďaka za rýchlu odpoveď. Myslím, že by sme mali</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Späť</translation>
    </message>
    <message>
        <source>Practice field</source>
        <translation>Skúšobné pole</translation>
    </message>
    <message>
        <source>Default, on</source>
        <translation>Predvolené, zapnuté</translation>
    </message>
    <message>
        <source>Default, off</source>
        <translation>Predvolené, vypnuté</translation>
    </message>
    <message>
        <source>Add a website</source>
        <translation>Pridať web</translation>
    </message>
    <message>
        <source>Domain</source>
        <translation>Doména</translation>
    </message>
    <message>
        <source>Rules for a site apply in any browser %app can read.</source>
        <translation>Pravidlá pre web platia v každom prehliadači, ktorý %app dokáže čítať.</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Pridať</translation>
    </message>
    <message>
        <source>Add App…</source>
        <translation>Pridať aplikáciu…</translation>
    </message>
    <message>
        <source>Add an app</source>
        <translation>Pridať aplikáciu</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Hľadať</translation>
    </message>
    <message>
        <source>Clear search</source>
        <translation>Vymazať hľadanie</translation>
    </message>
    <message>
        <source>Add an app or website</source>
        <translation>Pridať aplikáciu alebo web</translation>
    </message>
    <message>
        <source>Add Website…</source>
        <translation>Pridať web…</translation>
    </message>
    <message>
        <source>Apps &amp; Sites</source>
        <translation>Aplikácie a weby</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Pozastavené</translation>
    </message>
    <message>
        <source>Apps</source>
        <translation>Aplikácie</translation>
    </message>
    <message>
        <source>Websites</source>
        <translation>Weby</translation>
    </message>
    <message>
        <source>No matches</source>
        <translation>Žiadne zhody</translation>
    </message>
    <message>
        <source>No apps yet</source>
        <translation>Zatiaľ žiadne aplikácie</translation>
    </message>
    <message>
        <source>Nothing matches “%1”.</source>
        <translation>Nič nezodpovedá „%1“.</translation>
    </message>
    <message>
        <source>Apps appear here once you accept a suggestion in them, or add one with +.</source>
        <translation>Aplikácie sa tu objavia, keď v nich prijmete návrh, alebo ich pridajte tlačidlom +.</translation>
    </message>
    <message>
        <source>Pick an app or site</source>
        <translation>Vyberte aplikáciu alebo web</translation>
    </message>
    <message>
        <source>Each one can have its own rules. Anything you don&apos;t change follows General.</source>
        <translation>Každá môže mať vlastné pravidlá. Čo nezmeníte, sa riadi sekciou „Všeobecné“.</translation>
    </message>
    <message>
        <source>Words saved here</source>
        <translation>Tu ušetrené slová</translation>
    </message>
    <message>
        <source>Suggestions</source>
        <translation>Návrhy</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Zapnuté</translation>
    </message>
    <message>
        <source>Tab accepts suggestions</source>
        <translation>Tab prijíma návrhy</translation>
    </message>
    <message>
        <source>Turn off where Tab already means something, like indenting. The other accept key still works.</source>
        <translation>Vypnite tam, kde Tab už niečo robí, napríklad odsadenie. Druhý kláves na prijatie funguje ďalej.</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Predvolené</translation>
    </message>
    <message>
        <source>Insert by</source>
        <translation>Spôsob vkladania</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Dĺžka</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Obnoviť</translation>
    </message>
    <message>
        <source>Pause here</source>
        <translation>Pozastaviť tu</translation>
    </message>
    <message>
        <source>Memory</source>
        <translation>Pamäť</translation>
    </message>
    <message>
        <source>Remember my writing here</source>
        <translation>Pamätať si tu, ako píšem</translation>
    </message>
    <message>
        <source>Writing memory is off in Your Voice.</source>
        <translation>Pamäť písania je vypnutá v sekcii „Váš štýl“.</translation>
    </message>
    <message>
        <source>Erase…</source>
        <translation>Vymazať…</translation>
    </message>
    <message>
        <source>Reset to Defaults</source>
        <translation>Obnoviť predvolené</translation>
    </message>
    <message>
        <source>Erase what %app remembered from %1?</source>
        <translation>Vymazať, čo si %app zapamätal pre „%1“?</translation>
    </message>
    <message>
        <source>Erase</source>
        <translation>Vymazať</translation>
    </message>
    <message>
        <source>Passages from this app can shape suggestions everywhere.</source>
        <translation>Úryvky z tejto aplikácie môžu ovplyvniť návrhy všade.</translation>
    </message>
    <message>
        <source>Finish setting up</source>
        <translation>Dokončite nastavenie</translation>
    </message>
    <message>
        <source>Setup progress</source>
        <translation>Priebeh nastavenia</translation>
    </message>
    <message>
        <source>Done: %1</source>
        <translation>Hotovo: %1</translation>
    </message>
    <message>
        <source>Best day yet!</source>
        <translation>Zatiaľ najlepší deň!</translation>
    </message>
    <message>
        <source>Try it here</source>
        <translation>Vyskúšajte si to tu</translation>
    </message>
    <message>
        <source>Thanks for sending the draft over. I had a look and</source>
        <translation>Vďaka za poslanie konceptu. Pozrel som sa naň a</translation>
    </message>
    <message>
        <source>next word</source>
        <translation>ďalšie slovo</translation>
    </message>
    <message>
        <source>whole suggestion</source>
        <translation>celý návrh</translation>
    </message>
    <message>
        <source>hide it</source>
        <translation>skryť</translation>
    </message>
    <message>
        <source>This field runs the real engine. Start typing and grey words show up as you go.</source>
        <translation>Toto pole používa skutočné jadro. Začnite písať a sivé slová sa budú priebežne objavovať.</translation>
    </message>
    <message>
        <source>This field runs the real engine, even before you allow Accessibility. Start typing and grey words show up as you go.</source>
        <translation>Toto pole používa skutočné jadro, ešte predtým, ako povolíte prístupnosť. Začnite písať a sivé slová sa budú priebežne objavovať.</translation>
    </message>
    <message>
        <source>You&apos;re all set</source>
        <translation>Všetko je pripravené</translation>
    </message>
    <message>
        <source>Accessibility is on and %1 is ready. %app works in every app you type in.</source>
        <translation>Prístupnosť je zapnutá a jadro „%1“ je pripravené. %app funguje v každej aplikácii, kde píšete.</translation>
    </message>
    <message>
        <source>Waiting for %1 to quit</source>
        <translation>Čaká sa na ukončenie %1</translation>
    </message>
    <message>
        <source>Turned off</source>
        <translation>Vypnuté</translation>
    </message>
    <message>
        <source>Paused everywhere</source>
        <translation>Pozastavené všade</translation>
    </message>
    <message>
        <source>%1, %2 typical wait</source>
        <translation>%1, bežné čakanie %2</translation>
    </message>
    <message>
        <source>Start your streak today.</source>
        <translation>Začnite svoju sériu ešte dnes.</translation>
    </message>
    <message>
        <source>Overview</source>
        <translation>Prehľad</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Všeobecné</translation>
    </message>
    <message>
        <source>Engine</source>
        <translation>Jadro</translation>
    </message>
    <message>
        <source>Context</source>
        <translation>Kontext</translation>
    </message>
    <message>
        <source>Your Voice</source>
        <translation>Váš štýl</translation>
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
        <translation>Batéria</translation>
    </message>
    <message>
        <source>Insights</source>
        <translation>Štatistiky</translation>
    </message>
    <message>
        <source>Field Inspector</source>
        <translation>Inšpektor polí</translation>
    </message>
    <message>
        <source>About</source>
        <translation>O aplikácii</translation>
    </message>
    <message>
        <source>How %app is doing today</source>
        <translation>Ako sa %app dnes darí</translation>
    </message>
    <message>
        <source>Where and how suggestions appear</source>
        <translation>Kde a ako sa návrhy zobrazujú</translation>
    </message>
    <message>
        <source>The model that writes your suggestions</source>
        <translation>Model, ktorý píše vaše návrhy</translation>
    </message>
    <message>
        <source>What %app may look at to guess better</source>
        <translation>Na čo sa %app smie pozerať, aby lepšie odhadoval</translation>
    </message>
    <message>
        <source>Help suggestions sound like you</source>
        <translation>Aby návrhy zneli ako vy</translation>
    </message>
    <message>
        <source>Accept, dismiss and summon suggestions</source>
        <translation>Prijímanie, skrývanie a vyvolanie návrhov</translation>
    </message>
    <message>
        <source>Emoji search and emoticons</source>
        <translation>Hľadanie emoji a emotikony</translation>
    </message>
    <message>
        <source>Rules for each app and website</source>
        <translation>Pravidlá pre jednotlivé aplikácie a weby</translation>
    </message>
    <message>
        <source>Save power when you&apos;re unplugged</source>
        <translation>Úspora energie, keď nie ste pri zásuvke</translation>
    </message>
    <message>
        <source>Words saved and how fast suggestions arrive</source>
        <translation>Ušetrené slová a rýchlosť návrhov</translation>
    </message>
    <message>
        <source>What %app sees in the focused field</source>
        <translation>Čo %app vidí v aktívnom poli</translation>
    </message>
    <message>
        <source>Version and privacy</source>
        <translation>Verzia a súkromie</translation>
    </message>
    <message>
        <source>Writing</source>
        <translation>Písanie</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Vstup</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Pravidlá</translation>
    </message>
    <message>
        <source>Activity</source>
        <translation>Aktivita</translation>
    </message>
    <message>
        <source>%app can read the field you&apos;re typing in and insert suggestions in any app.</source>
        <translation>%app môže čítať pole, do ktorého píšete, a vkladať návrhy v každej aplikácii.</translation>
    </message>
    <message>
        <source>Allow Accessibility access</source>
        <translation>Povoľte prístupnosť</translation>
    </message>
    <message>
        <source>%app needs it to read the text you type in other apps and to insert suggestions.</source>
        <translation>%app ho potrebuje na čítanie textu, ktorý píšete v iných aplikáciách, a na vkladanie návrhov.</translation>
    </message>
    <message>
        <source>Allow…</source>
        <translation>Povoliť…</translation>
    </message>
    <message>
        <source>%1 is ready</source>
        <translation>Jadro „%1“ je pripravené</translation>
    </message>
    <message>
        <source>Checking %1</source>
        <translation>Kontrola: %1</translation>
    </message>
    <message>
        <source>This takes a moment.</source>
        <translation>Chvíľu to potrvá.</translation>
    </message>
    <message>
        <source>Your engine isn&apos;t ready</source>
        <translation>Vaše jadro nie je pripravené</translation>
    </message>
    <message>
        <source>Open Engine</source>
        <translation>Otvoriť „Jadro“</translation>
    </message>
    <message>
        <source>The system&apos;s predictions are off</source>
        <translation>Systémové predpovede sú vypnuté</translation>
    </message>
    <message>
        <source>Only %app&apos;s suggestions appear while you type.</source>
        <translation>Pri písaní sa zobrazujú len návrhy %app.</translation>
    </message>
    <message>
        <source>Turn off the system&apos;s predictions</source>
        <translation>Vypnite systémové predpovede</translation>
    </message>
    <message>
        <source>The system shows its own grey suggestions on top of %app&apos;s. Each app picks up the change the next time you open it.</source>
        <translation>Systém zobrazuje vlastné sivé návrhy cez návrhy %app. Každá aplikácia zmenu prevezme pri ďalšom otvorení.</translation>
    </message>
    <message>
        <source>Keyboard Settings</source>
        <translation>Nastavenia klávesnice</translation>
    </message>
    <message>
        <source>Turn Off</source>
        <translation>Vypnúť</translation>
    </message>
    <message>
        <source>Only %app is suggesting</source>
        <translation>Navrhuje len %app</translation>
    </message>
    <message>
        <source>Tab reaches %app again.</source>
        <translation>Tab opäť patrí %app.</translation>
    </message>
    <message numerus="yes">
        <source>%1 didn&apos;t quit. They may be showing a dialog. Force Quit closes them right away.</source>
        <translation>
            <numerusform>Aplikácia %1 sa neukončila. Možno zobrazuje dialóg. „Vynútiť ukončenie“ ju hneď zavrie.</numerusform>
            <numerusform>Aplikácie %1 sa neukončili. Možno zobrazujú dialóg. „Vynútiť ukončenie“ ich hneď zavrie.</numerusform>
            <numerusform>Aplikácie %1 sa neukončili. Možno zobrazujú dialóg. „Vynútiť ukončenie“ ich hneď zavrie.</numerusform>
        </translation>
    </message>
    <message>
        <source>Force Quit</source>
        <translation>Vynútiť ukončenie</translation>
    </message>
    <message numerus="yes">
        <source>%1 take the Tab key before %app can, so %app stays paused in your other apps until you quit them.</source>
        <translation>
            <numerusform>%1 zachytáva kláves Tab skôr než %app, preto %app zostane v ostatných aplikáciách pozastavený, kým aplikáciu %1 neukončíte.</numerusform>
            <numerusform>%1 zachytávajú kláves Tab skôr než %app, preto %app zostane v ostatných aplikáciách pozastavený, kým ich neukončíte.</numerusform>
            <numerusform>%1 zachytávajú kláves Tab skôr než %app, preto %app zostane v ostatných aplikáciách pozastavený, kým ich neukončíte.</numerusform>
        </translation>
    </message>
    <message>
        <source>Only when I ask</source>
        <translation>Len na požiadanie</translation>
    </message>
    <message>
        <source>On battery, suggestions appear only after you press the Suggest Now shortcut.</source>
        <translation>Na batérii sa návrhy zobrazia až po stlačení skratky „Navrhnúť hneď“.</translation>
    </message>
    <message>
        <source>Shorter suggestions</source>
        <translation>Kratšie návrhy</translation>
    </message>
    <message>
        <source>Fewer words take less power to write.</source>
        <translation>Menej slov spotrebuje menej energie.</translation>
    </message>
    <message>
        <source>Lighter model</source>
        <translation>Ľahší model</translation>
    </message>
    <message>
        <source>Same as plugged in</source>
        <translation>Rovnako ako pri napájaní</translation>
    </message>
    <message>
        <source>Running on battery. These apply right now.</source>
        <translation>Napájanie z batérie. Tieto nastavenia platia hneď.</translation>
    </message>
    <message>
        <source>Plugged in. These wait until you unplug.</source>
        <translation>Pripojené k napájaniu. Tieto nastavenia začnú platiť po odpojení.</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Model</translation>
    </message>
    <message>
        <source>Model name</source>
        <translation>Názov modelu</translation>
    </message>
    <message>
        <source>Reload the model list</source>
        <translation>Znova načítať zoznam modelov</translation>
    </message>
    <message>
        <source>Choose a model</source>
        <translation>Vyberte model</translation>
    </message>
    <message>
        <source>For people who already run Ollama, LM Studio or llama-server.</source>
        <translation>Pre tých, ktorí už používajú Ollamu, LM Studio alebo llama-server.</translation>
    </message>
    <message>
        <source>Use your own model</source>
        <translation>Použiť vlastný model</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresa</translation>
    </message>
    <message>
        <source>API key</source>
        <translation>Kľúč API</translation>
    </message>
    <message>
        <source>Only if your server asks for one</source>
        <translation>Len ak ho server vyžaduje</translation>
    </message>
    <message>
        <source>Focused</source>
        <translation>Sústredené</translation>
    </message>
    <message>
        <source>Creativity</source>
        <translation>Kreativita</translation>
    </message>
    <message>
        <source>Loose</source>
        <translation>Voľné</translation>
    </message>
    <message>
        <source>Lower stays close to the obvious next words. Higher tries more.</source>
        <translation>Nižšia hodnota sa drží zrejmých ďalších slov. Vyššia skúša viac možností.</translation>
    </message>
    <message>
        <source>Wait before suggesting</source>
        <translation>Čakanie pred návrhom</translation>
    </message>
    <message>
        <source>How long you pause before %app starts.</source>
        <translation>Ako dlho sa musíte zastaviť, kým %app začne.</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Spustiť</translation>
    </message>
    <message>
        <source>Try the engine</source>
        <translation>Vyskúšať jadro</translation>
    </message>
    <message>
        <source>Sends a sample sentence and shows what comes back.</source>
        <translation>Pošle ukážkovú vetu a zobrazí odpoveď.</translation>
    </message>
    <message>
        <source>Running…</source>
        <translation>Prebieha…</translation>
    </message>
    <message>
        <source>The engine answered in %1 but had nothing useful to add.</source>
        <translation>Jadro odpovedalo za %1, ale nemalo nič užitočné na doplnenie.</translation>
    </message>
    <message>
        <source>That didn&apos;t work: %1</source>
        <translation>Nepodarilo sa: %1</translation>
    </message>
    <message>
        <source>The request was cancelled.</source>
        <translation>Požiadavka bola zrušená.</translation>
    </message>
    <message>
        <source>Startup</source>
        <translation>Spustenie</translation>
    </message>
    <message>
        <source>Launch at login</source>
        <translation>Spúšťať po prihlásení</translation>
    </message>
    <message>
        <source>Show today&apos;s word count next to the icon</source>
        <translation>Zobrazovať dnešný počet slov vedľa ikony</translation>
    </message>
    <message>
        <source>Where suggestions appear</source>
        <translation>Kde sa návrhy zobrazujú</translation>
    </message>
    <message>
        <source>Turn this off to use %app only in the apps you switch on under Apps &amp; Sites.</source>
        <translation>Vypnite, ak chcete používať %app len v aplikáciách zapnutých v sekcii „Aplikácie a weby“.</translation>
    </message>
    <message>
        <source>By default %app waits until the caret is at the end of a line.</source>
        <translation>Predvolene %app čaká, kým bude kurzor na konci riadka.</translation>
    </message>
    <message>
        <source>Without this, %app skips search bars and one-word boxes.</source>
        <translation>Bez toho %app vynecháva vyhľadávacie polia a polia na jedno slovo.</translation>
    </message>
    <message>
        <source>Suggestions appear only after you press the Suggest Now shortcut.</source>
        <translation>Návrhy sa zobrazia až po stlačení skratky „Navrhnúť hneď“.</translation>
    </message>
    <message>
        <source>Spelling</source>
        <translation>Pravopis</translation>
    </message>
    <message>
        <source>Waits while the word you&apos;re typing looks misspelled, so %app doesn&apos;t build on a typo.</source>
        <translation>Počká, keď písané slovo vyzerá ako preklep, aby %app nestaval na chybe.</translation>
    </message>
    <message>
        <source>After a misspelled word, shows a fix next to the caret. Press Tab to swap it in.</source>
        <translation>Po slove s preklepom zobrazí opravu vedľa kurzora. Stlačením Tab ju vložíte.</translation>
    </message>
    <message>
        <source>Look</source>
        <translation>Vzhľad</translation>
    </message>
    <message>
        <source>Suggestion color</source>
        <translation>Farba návrhov</translation>
    </message>
    <message>
        <source>Text size</source>
        <translation>Veľkosť textu</translation>
    </message>
    <message>
        <source>Fine-tune if suggestions look larger or smaller than your text.</source>
        <translation>Dolaďte, ak návrhy vyzerajú väčšie alebo menšie než váš text.</translation>
    </message>
    <message>
        <source>Vertical position</source>
        <translation>Zvislá poloha</translation>
    </message>
    <message>
        <source>Nudge suggestions up or down to line up with your text.</source>
        <translation>Posuňte návrhy nahor alebo nadol, aby lícovali s textom.</translation>
    </message>
    <message>
        <source>A small keycap after your first suggestions, as a reminder of what to press.</source>
        <translation>Malá ikona klávesu za prvými návrhmi ako pripomienka, čo stlačiť.</translation>
    </message>
    <message>
        <source>Insert suggestions by</source>
        <translation>Spôsob vkladania návrhov</translation>
    </message>
    <message>
        <source>Other autocomplete apps</source>
        <translation>Iné aplikácie na automatické dopĺňanie</translation>
    </message>
    <message>
        <source>They take the Tab key before %app can. With this off, %app asks you first.</source>
        <translation>Zachytávajú kláves Tab skôr než %app. Keď je toto vypnuté, %app sa vás najprv opýta.</translation>
    </message>
    <message>
        <source>%1 is another device on your network, so the text around your caret will be sent there.</source>
        <translation>%1 je iné zariadenie vo vašej sieti, takže text okolo kurzora sa bude posielať tam.</translation>
    </message>
    <message>
        <source>%1 isn&apos;t this computer, so the text around your caret will be sent there.</source>
        <translation>%1 nie je tento počítač, takže text okolo kurzora sa bude posielať tam.</translation>
    </message>
    <message>
        <source>Both keep your text on this computer.</source>
        <translation>Oba nechávajú váš text na tomto počítači.</translation>
    </message>
    <message>
        <source>%app opens by itself when you start your computer.</source>
        <translation>%app sa otvorí sám, keď zapnete počítač.</translation>
    </message>
    <message>
        <source>System predictions</source>
        <translation>Systémové predpovede</translation>
    </message>
    <message>
        <source>The system can show its own grey predictions. Keeping them off avoids two suggestions at once.</source>
        <translation>Systém môže zobrazovať vlastné sivé predpovede. Keď ich necháte vypnuté, nebudú sa zobrazovať dva návrhy naraz.</translation>
    </message>
    <message>
        <source>System predictions are on</source>
        <translation>Systémové predpovede sú zapnuté</translation>
    </message>
    <message>
        <source>System predictions are off</source>
        <translation>Systémové predpovede sú vypnuté</translation>
    </message>
    <message>
        <source>tab</source>
        <translation>tab</translation>
    </message>
    <message>
        <source>Your next words, one Tab away.</source>
        <translation>Vaše ďalšie slová na jedno stlačenie klávesu Tab.</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Preskočiť</translation>
    </message>
    <message>
        <source>Get Started</source>
        <translation>Začať</translation>
    </message>
    <message>
        <source>Turn sound on</source>
        <translation>Zapnúť zvuk</translation>
    </message>
    <message>
        <source>Turn sound off</source>
        <translation>Vypnúť zvuk</translation>
    </message>
    <message>
        <source>The other app</source>
        <translation>Tá druhá aplikácia</translation>
    </message>
    <message numerus="yes">
        <source>Next time, quit %1 without asking</source>
        <translation>
            <numerusform>Nabudúce ukončiť %1 bez pýtania</numerusform>
            <numerusform>Nabudúce ukončiť %1 bez pýtania</numerusform>
            <numerusform>Nabudúce ukončiť %1 bez pýtania</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 is also running</source>
        <translation>
            <numerusform>%1 tiež beží</numerusform>
            <numerusform>%1 tiež bežia</numerusform>
            <numerusform>%1 tiež bežia</numerusform>
        </translation>
    </message>
    <message>
        <source>Quitting…</source>
        <translation>Ukončuje sa…</translation>
    </message>
    <message numerus="yes">
        <source>%1 is still open</source>
        <translation>
            <numerusform>%1 je stále otvorený</numerusform>
            <numerusform>%1 sú stále otvorené</numerusform>
            <numerusform>%1 sú stále otvorené</numerusform>
        </translation>
    </message>
    <message>
        <source>%app has the Tab key</source>
        <translation>%app má kláves Tab</translation>
    </message>
    <message>
        <source>%1 quit, so your suggestions are back in every app.</source>
        <translation>Aplikácia %1 sa ukončila, návrhy sú späť vo všetkých aplikáciách.</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Hotovo</translation>
    </message>
    <message>
        <source>Open Source Notices</source>
        <translation>Licencie open source</translation>
    </message>
    <message>
        <source>Reset all settings?</source>
        <translation>Obnoviť všetky nastavenia?</translation>
    </message>
    <message>
        <source>This also clears your rules for apps and sites. Your statistics and writing memory stay.</source>
        <translation>Tým sa vymažú aj pravidlá pre aplikácie a weby. Štatistiky a pamäť písania zostanú.</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Obnoviť</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Verzia %1</translation>
    </message>
    <message>
        <source>Some apps hide their text</source>
        <translation>Niektoré aplikácie skrývajú svoj text</translation>
    </message>
    <message>
        <source>Suggest emoji after a colon</source>
        <translation>Navrhovať emoji po dvojbodke</translation>
    </message>
    <message>
        <source>Turn emoticons into emoji</source>
        <translation>Meniť emotikony na emoji</translation>
    </message>
    <message>
        <source>After :-) or &lt;3, %app offers the matching emoji. Press Tab to swap it in.</source>
        <translation>Po :-) alebo &lt;3 %app ponúkne zodpovedajúce emoji. Stlačením Tab ho vložíte.</translation>
    </message>
    <message>
        <source>Skin tone</source>
        <translation>Odtieň pleti</translation>
    </message>
    <message>
        <source>Also show the default yellow</source>
        <translation>Zobraziť aj predvolenú žltú</translation>
    </message>
    <message>
        <source>Try a word</source>
        <translation>Skúste slovo</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Slabý</translation>
    </message>
    <message>
        <source>No emoji match “%1”</source>
        <translation>Žiadne emoji nezodpovedá „%1“</translation>
    </message>
    <message>
        <source>Accepting</source>
        <translation>Prijímanie</translation>
    </message>
    <message>
        <source>Take the next word</source>
        <translation>Prijať ďalšie slovo</translation>
    </message>
    <message>
        <source>Press again for each following word.</source>
        <translation>Stlačte znova pre každé ďalšie slovo.</translation>
    </message>
    <message>
        <source>Take the whole suggestion</source>
        <translation>Prijať celý návrh</translation>
    </message>
    <message>
        <source>The key above Tab is easy to reach on most keyboards.</source>
        <translation>Kláves nad Tab je na väčšine klávesníc ľahko dosiahnuteľný.</translation>
    </message>
    <message>
        <source>Include the space after a word</source>
        <translation>Zahrnúť medzeru za slovom</translation>
    </message>
    <message>
        <source>Include punctuation right after a word</source>
        <translation>Zahrnúť interpunkciu hneď za slovom</translation>
    </message>
    <message>
        <source>When you press Escape</source>
        <translation>Keď stlačíte Escape</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Skratky</translation>
    </message>
    <message>
        <source>Suggest now</source>
        <translation>Navrhnúť hneď</translation>
    </message>
    <message>
        <source>Asks for a suggestion right away, even where %app would normally wait.</source>
        <translation>Požiada o návrh hneď, aj tam, kde by %app normálne čakal.</translation>
    </message>
    <message>
        <source>Other suggestions</source>
        <translation>Ďalšie návrhy</translation>
    </message>
    <message>
        <source>Lists a few different ways to continue. Choose with the arrow keys, then press Tab.</source>
        <translation>Ponúkne niekoľko rôznych pokračovaní. Vyberte šípkami a stlačte Tab.</translation>
    </message>
    <message>
        <source>Pause or resume in this app</source>
        <translation>Pozastaviť alebo obnoviť v tejto aplikácii</translation>
    </message>
    <message>
        <source>Pauses for 15 minutes.</source>
        <translation>Pozastaví na 15 minút.</translation>
    </message>
    <message>
        <source>Turn %app on or off</source>
        <translation>Zapnúť alebo vypnúť %app</translation>
    </message>
    <message>
        <source>Everywhere, until you press it again.</source>
        <translation>Všade, kým ju znova nestlačíte.</translation>
    </message>
    <message>
        <source>Pause or resume</source>
        <translation>Pozastaviť alebo obnoviť</translation>
    </message>
    <message>
        <source>Turn on or off</source>
        <translation>Zapnúť alebo vypnúť</translation>
    </message>
    <message>
        <source>%1 and %2 use the same keys. Only the first will work.</source>
        <translation>„%1“ a „%2“ používajú rovnaké klávesy. Fungovať bude len prvá skratka.</translation>
    </message>
    <message>
        <source>About you</source>
        <translation>O vás</translation>
    </message>
    <message>
        <source>For example: I&apos;m a product designer in Berlin. I write short, friendly emails in British English and sign off with Cheers.</source>
        <translation>Napríklad: Som produktový dizajnér v Berlíne. Píšem krátke, priateľské e-maily britskou angličtinou a podpisujem sa Cheers.</translation>
    </message>
    <message>
        <source>Your role, the languages you write in, names you use often, how you like to sound.</source>
        <translation>Vaša profesia, jazyky, v ktorých píšete, často používané mená, ako chcete znieť.</translation>
    </message>
    <message>
        <source>Writing memory</source>
        <translation>Pamäť písania</translation>
    </message>
    <message>
        <source>Remember how I write</source>
        <translation>Pamätať si, ako píšem</translation>
    </message>
    <message>
        <source>Also remember fields where I accept nothing</source>
        <translation>Pamätať si aj polia, kde nič neprijmem</translation>
    </message>
    <message>
        <source>%app learns your style sooner but keeps more of what you type.</source>
        <translation>%app sa váš štýl naučí skôr, ale uchová viac z toho, čo píšete.</translation>
    </message>
    <message>
        <source>Influence</source>
        <translation>Vplyv</translation>
    </message>
    <message>
        <source>Strong</source>
        <translation>Silný</translation>
    </message>
    <message>
        <source>How many of your passages each suggestion can draw on.</source>
        <translation>Z koľkých vašich úryvkov môže každý návrh čerpať.</translation>
    </message>
    <message>
        <source>Erase All…</source>
        <translation>Vymazať všetko…</translation>
    </message>
    <message>
        <source>Erase everything %app remembered?</source>
        <translation>Vymazať všetko, čo si %app zapamätal?</translation>
    </message>
    <message>
        <source>This can&apos;t be undone.</source>
        <translation>Túto akciu nemožno vrátiť.</translation>
    </message>
    <message>
        <source>Erase All</source>
        <translation>Vymazať všetko</translation>
    </message>
    <message>
        <source>Nothing remembered yet</source>
        <translation>Zatiaľ nič nezapamätané</translation>
    </message>
    <message>
        <source>App and window name</source>
        <translation>Názov aplikácie a okna</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>Web</translation>
    </message>
    <message>
        <source>The site&apos;s domain when you write in a browser.</source>
        <translation>Doména webu, keď píšete v prehliadači.</translation>
    </message>
    <message>
        <source>Recently copied text</source>
        <translation>Nedávno skopírovaný text</translation>
    </message>
    <message>
        <source>Anything you copied in the last 10 minutes. Copies from password managers are skipped.</source>
        <translation>Čokoľvek skopírované za posledných 10 minút. Kópie zo správcov hesiel sa vynechávajú.</translation>
    </message>
    <message>
        <source>Text on screen</source>
        <translation>Text na obrazovke</translation>
    </message>
    <message>
        <source>Reads the window you&apos;re writing in, so replies fit the conversation. It picks the lines closest to where you type.</source>
        <translation>Číta okno, v ktorom píšete, aby odpovede sedeli ku konverzácii. Vyberá riadky najbližšie k miestu, kde píšete.</translation>
    </message>
    <message>
        <source>What you just looked at</source>
        <translation>Čo ste si práve prezerali</translation>
    </message>
    <message>
        <source>Windows beside you</source>
        <translation>Susedné okná</translation>
    </message>
    <message>
        <source>Also reads up to two other windows on the same screen, like the document you&apos;re replying about. Skips password managers and apps you switched off.</source>
        <translation>Číta aj až dve ďalšie okná na tej istej obrazovke, napríklad dokument, o ktorom je vaša odpoveď. Vynecháva správcov hesiel a aplikácie, ktoré ste vypli.</translation>
    </message>
    <message>
        <source>Off in this app</source>
        <translation>V tejto aplikácii vypnuté</translation>
    </message>
    <message>
        <source>This word looks misspelled</source>
        <translation>Toto slovo vyzerá ako preklep</translation>
    </message>
    <message>
        <source>Thanks for the notes. I&apos;ll send the revised deck</source>
        <translation>Vďaka za poznámky. Upravenú prezentáciu pošlem</translation>
    </message>
    <message>
        <source> by Friday morning.</source>
        <translation> do piatkového rána.</translation>
    </message>
    <message>
        <source>%1 quit. %app has the Tab key.</source>
        <translation>Aplikácia %1 sa ukončila. %app má kláves Tab.</translation>
    </message>
    <message>
        <source>Open Data Folder</source>
        <translation>Otvoriť priečinok s údajmi</translation>
    </message>
    <message>
        <source>Show Welcome Again</source>
        <translation>Znova zobraziť uvítanie</translation>
    </message>
    <message>
        <source>Play Intro Again</source>
        <translation>Znova prehrať úvod</translation>
    </message>
    <message>
        <source>Reset Settings…</source>
        <translation>Obnoviť nastavenia…</translation>
    </message>
    <message>
        <source>Suggest in every app</source>
        <translation>Navrhovať vo všetkých aplikáciách</translation>
    </message>
    <message>
        <source>Suggest in code editors</source>
        <translation>Navrhovať v editoroch kódu</translation>
    </message>
    <message>
        <source>Suggest in the middle of a line</source>
        <translation>Navrhovať uprostred riadka</translation>
    </message>
    <message>
        <source>Suggest in small fields</source>
        <translation>Navrhovať v malých poliach</translation>
    </message>
    <message>
        <source>Hold back on misspelled words</source>
        <translation>Zdržať sa pri preklepoch</translation>
    </message>
    <message>
        <source>Offer spelling fixes</source>
        <translation>Ponúkať opravy pravopisu</translation>
    </message>
    <message>
        <source>Show the key hint</source>
        <translation>Zobrazovať nápovedu klávesu</translation>
    </message>
    <message>
        <source>Quit other autocomplete apps when they open</source>
        <translation>Ukončiť iné aplikácie na dopĺňanie, keď sa otvoria</translation>
    </message>
    <message>
        <source>Keeps a few minutes of text from windows you switched away from, like a page you read before replying. It stays on your computer and skips apps you switched off.</source>
        <translation>Uchováva pár minút textu z okien, z ktorých ste sa prepli, napríklad stránku prečítanú pred odpoveďou. Zostáva na vašom počítači a vynecháva aplikácie, ktoré ste vypli.</translation>
    </message>
    <message numerus="yes">
        <source>Both apps answer the Tab key, and the system gives it to %1 first. %app stays paused in your other apps until %1 quits.</source>
        <translation>
            <numerusform>Obe aplikácie reagujú na kláves Tab a systém ho dá najprv %1. %app zostane v ostatných aplikáciách pozastavený, kým sa %1 neukončí.</numerusform>
            <numerusform>%1 zachytávajú kláves Tab skôr než %app, preto %app zostane v ostatných aplikáciách pozastavený, kým ich neukončíte.</numerusform>
            <numerusform>%1 zachytávajú kláves Tab skôr než %app, preto %app zostane v ostatných aplikáciách pozastavený, kým ich neukončíte.</numerusform>
        </translation>
    </message>
    <message>
        <source>Finishes your sentences in any app, on your computer.</source>
        <translation>Dokončuje vaše vety v každej aplikácii, priamo na vašom počítači.</translation>
    </message>
    <message>
        <source>Keeps short passages from fields where you accepted a suggestion, encrypted on this computer, and shows them to the model as examples.</source>
        <translation>Uchováva krátke úryvky z polí, kde ste prijali návrh, šifrovane na tomto počítači a ukazuje ich modelu ako príklady.</translation>
    </message>
    <message>
        <source>Light</source>
        <comment>skin tone</comment>
        <translation>Svetlý</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Default</source>
        <comment>skin tone</comment>
        <translation>Predvolený</translation>
    </message>
    <message>
        <source>Medium light</source>
        <comment>skin tone</comment>
        <translation>Stredne svetlý</translation>
    </message>
    <message>
        <source>Medium</source>
        <comment>skin tone</comment>
        <translation>Stredný</translation>
    </message>
    <message>
        <source>Medium dark</source>
        <comment>skin tone</comment>
        <translation>Stredne tmavý</translation>
    </message>
    <message>
        <source>Dark</source>
        <comment>skin tone</comment>
        <translation>Tmavý</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Neznáme</translation>
    </message>
    <message>
        <source>%1 × %2 pt</source>
        <translation>%1 × %2 pt</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nie</translation>
    </message>
    <message>
        <source>Not reported, estimated from the caret</source>
        <translation>Neoznámené, odhadnuté podľa kurzora</translation>
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
        <translation>Zatiaľ nie</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Dnes</translation>
    </message>
    <message>
        <source>Last 7 days</source>
        <translation>Posledných 7 dní</translation>
    </message>
    <message>
        <source>All time</source>
        <translation>Celkovo</translation>
    </message>
    <message>
        <source>Typing saved</source>
        <translation>Ušetrený čas písania</translation>
    </message>
    <message>
        <source>at 40 words a minute</source>
        <translation>pri 40 slovách za minútu</translation>
    </message>
    <message>
        <source>Accepted</source>
        <translation>Prijaté</translation>
    </message>
    <message>
        <source>of suggestions shown</source>
        <translation>zo zobrazených návrhov</translation>
    </message>
    <message>
        <source>Typical wait</source>
        <translation>Bežné čakanie</translation>
    </message>
    <message>
        <source>9 in 10 under %1</source>
        <translation>9 z 10 pod %1</translation>
    </message>
    <message>
        <source>no requests yet</source>
        <translation>zatiaľ žiadne požiadavky</translation>
    </message>
    <message>
        <source>Words saved</source>
        <translation>Ušetrené slová</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>Rozsah</translation>
    </message>
    <message>
        <source>Nothing to chart yet</source>
        <translation>Zatiaľ nie je čo zobraziť</translation>
    </message>
    <message>
        <source>Accept a few suggestions and your days show up here.</source>
        <translation>Prijmite pár návrhov a vaše dni sa objavia tu.</translation>
    </message>
    <message>
        <source>Where you write</source>
        <translation>Kde píšete</translation>
    </message>
    <message>
        <source>Reset Statistics…</source>
        <translation>Vynulovať štatistiky…</translation>
    </message>
    <message>
        <source>Reset all statistics?</source>
        <translation>Vynulovať všetky štatistiky?</translation>
    </message>
    <message>
        <source>This clears words saved, acceptance and timing history.</source>
        <translation>Vymaže sa história ušetrených slov, prijatí aj čakania.</translation>
    </message>
    <message>
        <source>Copy Diagnostics</source>
        <translation>Kopírovať diagnostiku</translation>
    </message>
    <message>
        <source>Diagnostics leave out the text you typed.</source>
        <translation>Diagnostika neobsahuje text, ktorý ste napísali.</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stav</translation>
    </message>
    <message>
        <source>Right now</source>
        <translation>Práve teraz</translation>
    </message>
    <message>
        <source>Allowed</source>
        <translation>Povolené</translation>
    </message>
    <message>
        <source>Not allowed</source>
        <translation>Nepovolené</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Klávesnica</translation>
    </message>
    <message>
        <source>Listening</source>
        <translation>Počúva</translation>
    </message>
    <message>
        <source>Not listening</source>
        <translation>Nepočúva</translation>
    </message>
    <message>
        <source>Focused field</source>
        <translation>Aktívne pole</translation>
    </message>
    <message>
        <source>Click into a text field in another app, then come back. The last field %1 saw stays here.</source>
        <translation>Kliknite do textového poľa v inej aplikácii a vráťte sa. Posledné pole, ktoré %1 videl, tu zostane.</translation>
    </message>
    <message>
        <source>App</source>
        <translation>Aplikácia</translation>
    </message>
    <message>
        <source>Field type</source>
        <translation>Typ poľa</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>Okno</translation>
    </message>
    <message>
        <source>Field size</source>
        <translation>Veľkosť poľa</translation>
    </message>
    <message>
        <source>Caret found</source>
        <translation>Kurzor nájdený</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Písmo</translation>
    </message>
    <message>
        <source>At end of line</source>
        <translation>Na konci riadka</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Áno</translation>
    </message>
    <message>
        <source>Secure input</source>
        <translation>Zabezpečené zadávanie</translation>
    </message>
    <message>
        <source>Looked at lately</source>
        <translation>Nedávno zobrazené</translation>
    </message>
    <message>
        <source>Text before the caret</source>
        <translation>Text pred kurzorom</translation>
    </message>
    <message>
        <source>Last request</source>
        <translation>Posledná požiadavka</translation>
    </message>
    <message>
        <source>Wait</source>
        <translation>Čakanie</translation>
    </message>
    <message>
        <source>Suggestion</source>
        <translation>Návrh</translation>
    </message>
    <message>
        <source>Prompt sent to the engine</source>
        <translation>Prompt odoslaný jadru</translation>
    </message>
    <message>
        <source>Raw answer</source>
        <translation>Nespracovaná odpoveď</translation>
    </message>
    <message>
        <source>(empty)</source>
        <translation>(prázdne)</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>Skopírované</translation>
    </message>
    <message>
        <source>Choose a language</source>
        <translation>Vyberte jazyk</translation>
    </message>
    <message>
        <source>Search languages</source>
        <translation>Hľadať jazyky</translation>
    </message>
    <message>
        <source>Same as my computer</source>
        <translation>Podľa systému</translation>
    </message>
    <message>
        <source>Switch to %1?</source>
        <translation>Prepnúť na %1?</translation>
    </message>
    <message>
        <source>%1 closes and opens again in a second. Your settings stay as they are.</source>
        <translation>%1 sa zavrie a o chvíľu znova otvorí. Nastavenia zostanú bez zmeny.</translation>
    </message>
    <message>
        <source>Reopen Now</source>
        <translation>Znova otvoriť</translation>
    </message>
    <message>
        <source>App language</source>
        <translation>Jazyk aplikácie</translation>
    </message>
    <message>
        <source>Pick the language you read most easily. Suggestions follow whatever language you type.</source>
        <translation>Vyberte jazyk, v ktorom sa vám najlepšie číta. Návrhy sa riadia jazykom, v ktorom píšete.</translation>
    </message>
    <message>
        <source>Change the app language</source>
        <translation>Zmeniť jazyk aplikácie</translation>
    </message>
    <message>
        <source>0 min</source>
        <translation>0 min</translation>
    </message>
    <message>
        <source>under a minute</source>
        <translation>menej než minúta</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>Not set</source>
        <translation>Nenastavené</translation>
    </message>
    <message>
        <source>Clear shortcut</source>
        <translation>Vymazať skratku</translation>
    </message>
    <message>
        <source>Add Ctrl, Alt or Super so normal typing still works.</source>
        <translation>Pridajte Ctrl, Alt alebo Super, aby bežné písanie ďalej fungovalo.</translation>
    </message>
    <message>
        <source>Type a shortcut…</source>
        <translation>Stlačte skratku…</translation>
    </message>
    <message>
        <source>Recording shortcut</source>
        <translation>Nahrávanie skratky</translation>
    </message>
    <message>
        <source>Shortcut %1</source>
        <translation>Skratka %1</translation>
    </message>
    <message>
        <source>Record shortcut</source>
        <translation>Nahrať skratku</translation>
    </message>
    <message>
        <source>Shortcut not set</source>
        <translation>Skratka nie je nastavená</translation>
    </message>
    <message>
        <source>Press to record a new shortcut. Escape cancels.</source>
        <translation>Stlačením nahráte novú skratku. Escape ruší.</translation>
    </message>
    <message>
        <source>Your tray icon is hidden</source>
        <translation>Ikona v oblasti oznámení je skrytá</translation>
    </message>
    <message>
        <source>This computer has no on-device language model</source>
        <translation>Tento počítač nemá vstavaný jazykový model</translation>
    </message>
    <message>
        <source>Turn on the on-device model in the desktop&apos;s settings</source>
        <translation>Zapnite vstavaný model v nastaveniach prostredia</translation>
    </message>
    <message>
        <source>The on-device model is unavailable</source>
        <translation>Vstavaný model nie je dostupný</translation>
    </message>
    <message>
        <source>Downloading. The on-device model fills in until it&apos;s done.</source>
        <translation>Sťahuje sa. Dovtedy zaskočí vstavaný model.</translation>
    </message>
    <message>
        <source>The on-device model fills in until you download it.</source>
        <translation>Kým model nestiahnete, zaskočí zaň vstavaný model.</translation>
    </message>
    <message>
        <source>%1 shares no text. Quit it and start it with %2 to get suggestions in it.</source>
        <translation>%1 nezdieľa žiadny text. Ukončite ho a spustite s %2, aby ste v ňom dostávali návrhy.</translation>
    </message>
    <message>
        <source>On-device model</source>
        <translation>Vstavaný model</translation>
    </message>
    <message>
        <source>The system&apos;s own language model. Nothing to download.</source>
        <translation>Vlastný jazykový model systému. Nič sa nesťahuje.</translation>
    </message>
    <message>
        <source>A website name cannot hold spaces, tabs or line breaks.</source>
        <translation>Názov webu nemôže obsahovať medzery, tabulátory ani konce riadkov.</translation>
    </message>
    <message>
        <source>Only addresses that start with http or https can be added.</source>
        <translation>Pridať možno len adresy začínajúce http alebo https.</translation>
    </message>
    <message>
        <source>That is not a website name. Type one such as wikipedia.org.</source>
        <translation>To nie je názov webu. Napíšte napríklad wikipedia.org.</translation>
    </message>
    <message>
        <source>A port is a number from 1 to 65535.</source>
        <translation>Port je číslo od 1 do 65535.</translation>
    </message>
    <message>
        <source>The on-device model fills in until the download is done.</source>
        <translation>Kým sa sťahovanie nedokončí, zaskočí vstavaný model.</translation>
    </message>
    <message>
        <source>Suggestions start once the download is done.</source>
        <translation>Návrhy začnú po dokončení sťahovania.</translation>
    </message>
    <message>
        <source>This frees %1. The on-device model fills in until you download it again.</source>
        <translation>Uvoľní sa %1. Kým model znova nestiahnete, zaskočí zaň vstavaný model.</translation>
    </message>
    <message>
        <source>This frees %1. The %app model can&apos;t suggest until you download it again.</source>
        <translation>Uvoľní sa %1. Model %app nebude navrhovať, kým ho znova nestiahnete.</translation>
    </message>
    <message>
        <source>There&apos;s no room for it, or your panel has no system tray. Add the panel&apos;s system tray or status area applet in its settings.</source>
        <translation>Nie je pre ňu miesto alebo váš panel nemá oblasť oznámení. Pridajte do panela v jeho nastaveniach aplet oblasti oznámení alebo stavovej oblasti.</translation>
    </message>
    <message>
        <source>GNOME shows tray icons only with the AppIndicator extension. Install the gnome-shell-extension-appindicator package, log out and in, then turn it on in Extensions.</source>
        <translation>GNOME zobrazuje ikony v oblasti oznámení len s rozšírením AppIndicator. Nainštalujte balík gnome-shell-extension-appindicator, odhláste sa a znova prihláste a potom ho zapnite v aplikácii Rozšírenia.</translation>
    </message>
    <message>
        <source>GNOME shows tray icons only with the AppIndicator extension. It is installed but off: turn it on in Extensions.</source>
        <translation>GNOME zobrazuje ikony v oblasti oznámení len s rozšírením AppIndicator. Je nainštalované, ale vypnuté: zapnite ho v aplikácii Rozšírenia.</translation>
    </message>
    <message>
        <source>Until then, open %app from your applications menu to reach Settings.</source>
        <translation>Dovtedy otvárajte %app z ponuky aplikácií, aby ste sa dostali do nastavení.</translation>
    </message>
    <message>
        <source>Open Extensions</source>
        <translation>Otvoriť Rozšírenia</translation>
    </message>
    <message>
        <source>Show Count in Tray</source>
        <translation>Zobraziť počet v oblasti oznámení</translation>
    </message>
    <message>
        <source>%1 shares no text</source>
        <translation>%1 nezdieľa žiadny text</translation>
    </message>
    <message>
        <source>Copy command</source>
        <translation>Kopírovať príkaz</translation>
    </message>
    <message>
        <source>There&apos;s no account and no analytics. With the %app model or the on-device model, your text stays on this computer.</source>
        <translation>Žiadny účet ani zber štatistík používania. S modelom %app alebo vstavaným modelom zostáva váš text na tomto počítači.</translation>
    </message>
    <message>
        <source>There&apos;s no account and no analytics. With the %app model, your text stays on this computer.</source>
        <translation>Žiadny účet ani zber štatistík používania. S modelom %app zostáva váš text na tomto počítači.</translation>
    </message>
    <message>
        <source>%app lives in your system tray from now on. Click its icon to pause it in an app or open Settings.</source>
        <translation>%app teraz býva v oblasti oznámení. Kliknite na jeho ikonu, ak ho chcete v aplikácii pozastaviť alebo otvoriť nastavenia.</translation>
    </message>
    <message>
        <source>%app has no account, no analytics and no servers of its own. The %app model and the on-device model keep your text on this computer. Other engines get it only if you set one up.</source>
        <translation>%app nemá účet, nezbiera štatistiky používania a nemá vlastné servery. Model %app a vstavaný model uchovávajú váš text na tomto počítači. Iné jadrá ho dostanú, len keď si ich nastavíte.</translation>
    </message>
    <message>
        <source>%app has no account, no analytics and no servers of its own. The %app model keeps your text on this computer. Other engines get it only if you set one up.</source>
        <translation>%app nemá účet, nezbiera štatistiky používania a nemá vlastné servery. Model %app uchováva váš text na tomto počítači. Iné jadrá ho dostanú, len keď si ich nastavíte.</translation>
    </message>
    <message>
        <source>Installed applications</source>
        <translation>Nainštalované aplikácie</translation>
    </message>
    <message>
        <source>%app reads these only while making a suggestion and never saves them. With the %app model or the on-device model, nothing leaves your computer.</source>
        <translation>%app ich číta len pri tvorbe návrhu a nikdy ich neukladá. S modelom %app alebo vstavaným modelom nič neopustí váš počítač.</translation>
    </message>
    <message>
        <source>%app reads these only while making a suggestion and never saves them. With the %app model, nothing leaves your computer.</source>
        <translation>%app ich číta len pri tvorbe návrhu a nikdy ich neukladá. S modelom %app nič neopustí váš počítač.</translation>
    </message>
    <message>
        <source>The %app model keeps your text on this computer.</source>
        <translation>Model %app uchováva váš text na tomto počítači.</translation>
    </message>
    <message>
        <source>The key holds a line break or another control character. Paste it again without them.</source>
        <translation>Kľúč obsahuje koniec riadka alebo iný riadiaci znak. Vložte ho znova bez nich.</translation>
    </message>
    <message>
        <source>Waiting for the keyring to store the key.</source>
        <translation>Čaká sa, kým zväzok kľúčov uloží kľúč.</translation>
    </message>
    <message>
        <source>The keyring cannot keep this key, so it is used only until %app quits.</source>
        <translation>Zväzok kľúčov tento kľúč neuloží, preto sa použije len do ukončenia %app.</translation>
    </message>
    <message>
        <source>Show in the system tray</source>
        <translation>Zobrazovať v oblasti oznámení</translation>
    </message>
    <message>
        <source>Pause or open Settings from the system tray. Hidden? Open %app from your applications menu to come back.</source>
        <translation>Pozastavujte alebo otvárajte nastavenia z oblasti oznámení. Skrytá? Otvorte %app z ponuky aplikácií.</translation>
    </message>
    <message>
        <source>This tray can&apos;t show text beside icons, so the count shows in the icon&apos;s tooltip.</source>
        <translation>Táto oblasť oznámení nevie zobraziť text vedľa ikon, preto je počet v popise ikony.</translation>
    </message>
    <message>
        <source>VS Code, VSCodium, Cursor, Zed, Kate, Sublime Text, JetBrains IDEs and similar apps.</source>
        <translation>VS Code, VSCodium, Cursor, Zed, Kate, Sublime Text, IDE od JetBrains a podobné aplikácie.</translation>
    </message>
    <message>
        <source>Your settings could not be read, so they were set aside and %app started over with its defaults.</source>
        <translation>Vaše nastavenia sa nedali prečítať, preto boli odložené a %app začal znova s predvolenými hodnotami.</translation>
    </message>
    <message>
        <source>Your settings are not saved: %app cannot write to its settings folder.</source>
        <translation>Vaše nastavenia sa neukladajú: %app nemôže zapisovať do svojho priečinka nastavení.</translation>
    </message>
    <message>
        <source>Your app and website rules could not be read, so they were set aside.</source>
        <translation>Pravidlá pre aplikácie a weby sa nedali prečítať, preto boli odložené.</translation>
    </message>
    <message>
        <source>Your statistics could not be read, so they were set aside and counting started over.</source>
        <translation>Štatistiky sa nedali prečítať, preto boli odložené a počítanie začalo znova.</translation>
    </message>
    <message>
        <source>Not saved: %app cannot write to its data folder.</source>
        <translation>Neuložené: %app nemôže zapisovať do svojho priečinka s údajmi.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln suggestions. %1 selected</source>
        <translation>
            <numerusform>%Ln návrh. Vybrané: %1</numerusform>
            <numerusform>%Ln návrhy. Vybrané: %1</numerusform>
            <numerusform>%Ln návrhov. Vybrané: %1</numerusform>
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
            <numerusform>%Ln slová</numerusform>
            <numerusform>%Ln slov</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln passages from here</source>
        <translation>
            <numerusform>%Ln úryvok z tejto aplikácie</numerusform>
            <numerusform>%Ln úryvky z tejto aplikácie</numerusform>
            <numerusform>%Ln úryvkov z tejto aplikácie</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>words</source>
        <comment>unit after a count</comment>
        <translation>
            <numerusform>slovo</numerusform>
            <numerusform>slová</numerusform>
            <numerusform>slov</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln days</source>
        <translation>
            <numerusform>%Ln deň</numerusform>
            <numerusform>%Ln dni</numerusform>
            <numerusform>%Ln dní</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Words saved per day over the last %Ln days</source>
        <translation>
            <numerusform>Ušetrené slová za deň za posledný deň</numerusform>
            <numerusform>Ušetrené slová za deň za posledné %Ln dni</numerusform>
            <numerusform>Ušetrené slová za deň za posledných %Ln dní</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln day streak</source>
        <translation>
            <numerusform>Séria: %Ln deň</numerusform>
            <numerusform>Séria: %Ln dni</numerusform>
            <numerusform>Séria: %Ln dní</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln passages remembered</source>
        <translation>
            <numerusform>Zapamätaný %Ln úryvok</numerusform>
            <numerusform>Zapamätané %Ln úryvky</numerusform>
            <numerusform>Zapamätaných %Ln úryvkov</numerusform>
        </translation>
    </message>
    <message>
        <source>enter</source>
        <translation>enter</translation>
    </message>
    <message>
        <source>Allow screen capture so %app can read those too. Most apps work without it.</source>
        <translation>Povoľte zachytávanie obrazovky, aby %app mohol čítať aj ich. Väčšina aplikácií funguje aj bez toho.</translation>
    </message>
    <message>
        <source>Type a colon and a word, like :rocket, then press Tab or Enter to pick.</source>
        <translation>Napíšte dvojbodku a slovo, napríklad :rocket, a vyberte stlačením Tab alebo Enter.</translation>
    </message>
    <message>
        <source>You can switch memory off for single apps under Apps &amp; Sites. The key that unlocks it lives in your keyring.</source>
        <translation>Pamäť môžete vypnúť pre jednotlivé aplikácie v sekcii „Aplikácie a weby“. Kľúč, ktorý ju odomyká, je uložený vo vašom zväzku kľúčov.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln emoji. %1 selected</source>
        <translation>
            <numerusform>%Ln emoji. Vybrané: %1</numerusform>
            <numerusform>%Ln emoji. Vybrané: %1</numerusform>
            <numerusform>%Ln emoji. Vybrané: %1</numerusform>
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
            <numerusform>%Ln dostupných modelov</numerusform>
        </translation>
    </message>
    <message>
        <source>The model couldn&apos;t be saved: %1</source>
        <translation>Model sa nepodarilo uložiť: %1</translation>
    </message>
    <message>
        <source>Ollama isn&apos;t running.</source>
        <translation>Ollama nebeží.</translation>
    </message>
    <message>
        <source>Ollama isn&apos;t running at %1.</source>
        <translation>Ollama nebeží na adrese %1.</translation>
    </message>
    <message>
        <source>No server answered.</source>
        <translation>Žiadny server neodpovedal.</translation>
    </message>
    <message>
        <source>No server answered at %1.</source>
        <translation>Žiadny server neodpovedal na adrese %1.</translation>
    </message>
    <message>
        <source>Range: %1</source>
        <translation>Rozsah: %1</translation>
    </message>
    <message numerus="yes">
        <source>%1, %Ln to do</source>
        <translation>
            <numerusform>%1, zostáva: %Ln</numerusform>
            <numerusform>%1, zostáva: %Ln</numerusform>
            <numerusform>%1, zostáva: %Ln</numerusform>
        </translation>
    </message>
    <message>
        <source>Type the whole name of the website, such as wikipedia.org.</source>
        <translation>Napíšte celý názov webu, napríklad wikipedia.org.</translation>
    </message>
    <message>
        <source>The key holds a space, an invisible character or a letter outside plain ASCII. Paste it again exactly as your server gave it.</source>
        <translation>Kľúč obsahuje medzeru, neviditeľný znak alebo písmeno mimo obyčajného ASCII. Vložte ho znova presne tak, ako vám ho dal server.</translation>
    </message>
    <message>
        <source>The keyring could not be read, so your server is asked without an API key. Type the key again if your server needs one.</source>
        <translation>Zväzok kľúčov sa nedal prečítať, preto sa požiadavky na server posielajú bez kľúča API. Ak ho server potrebuje, napíšte kľúč znova.</translation>
    </message>
    <message>
        <source>Your writing memory could not be opened, so it was set aside and %app started a new one.</source>
        <translation>Pamäť písania sa nepodarilo otvoriť, preto bola odložená a %app vytvoril novú.</translation>
    </message>
    <message>
        <source>%1, converted for llama.cpp by %2</source>
        <translation>%1, pre llama.cpp previedol %2</translation>
    </message>
    <message>
        <source>The data folder %1 could not be made. Check that the folder above it exists and that you may write there.</source>
        <translation>Priečinok s údajmi %1 sa nepodarilo vytvoriť. Skontrolujte, či nadradený priečinok existuje a či doň môžete zapisovať.</translation>
    </message>
    <message>
        <source>party</source>
        <comment>emoji search sample</comment>
        <translation>oslava</translation>
    </message>
    <message numerus="yes">
        <source>%Ln settings held values %app cannot use, so they were corrected and saved.</source>
        <translation>
            <numerusform>%Ln nastavenie malo hodnotu, ktorú %app nemôže použiť, preto bolo opravené a uložené.</numerusform>
            <numerusform>%Ln nastavenia mali hodnoty, ktoré %app nemôže použiť, preto boli opravené a uložené.</numerusform>
            <numerusform>%Ln nastavení malo hodnoty, ktoré %app nemôže použiť, preto sa opravili a uložili.</numerusform>
        </translation>
    </message>
    <message>
        <source>Your writing memory is not saved: the keyring is missing or locked, so its key cannot be kept.</source>
        <translation>Pamäť písania sa neukladá: zväzok kľúčov chýba alebo je zamknutý, takže jej kľúč nemožno uchovať.</translation>
    </message>
    <message>
        <source>That address isn&apos;t valid</source>
        <translation>Táto adresa nie je platná</translation>
    </message>
    <message>
        <source>The request timed out.</source>
        <translation>Časový limit požiadavky vypršal.</translation>
    </message>
    <message>
        <source>The server&apos;s reply was too long, so it was stopped.</source>
        <translation>Odpoveď servera bola príliš dlhá, preto bola zastavená.</translation>
    </message>
    <message>
        <source>The server answered %1.</source>
        <translation>Server odpovedal %1.</translation>
    </message>
    <message>
        <source>The server answered %1: %2</source>
        <translation>Server odpovedal %1: %2</translation>
    </message>
    <message>
        <source>The download server answered %1. Try again later.</source>
        <translation>Server na sťahovanie odpovedal %1. Skúste to neskôr.</translation>
    </message>
    <message>
        <source>The download couldn&apos;t be saved: %1</source>
        <translation>Stiahnutý súbor sa nepodarilo uložiť: %1</translation>
    </message>
    <message>
        <source>The download paused because the connection dropped. Try again to pick up where it stopped.</source>
        <translation>Sťahovanie sa pozastavilo, pretože sa prerušilo pripojenie. Skúste to znova a bude pokračovať tam, kde skončilo.</translation>
    </message>
    <message>
        <source>The download stopped. Check your connection, then try again.</source>
        <translation>Sťahovanie sa zastavilo. Skontrolujte pripojenie a skúste to znova.</translation>
    </message>
    <message>
        <source>Pick an Ollama model in Settings</source>
        <translation>Vyberte model Ollama v nastaveniach</translation>
    </message>
    <message>
        <source>Pick a model for your local server</source>
        <translation>Vyberte model pre svoj lokálny server</translation>
    </message>
    <message>
        <source>The server&apos;s answer is not HTTP.</source>
        <translation>Odpoveď servera nie je HTTP.</translation>
    </message>
    <message>
        <source>The data couldn&apos;t be read because it is missing.</source>
        <translation>Údaje sa nepodarilo prečítať, pretože chýbajú.</translation>
    </message>
    <message>
        <source>The data couldn&apos;t be read because it isn&apos;t in the correct format.</source>
        <translation>Údaje sa nepodarilo prečítať, pretože nemajú správny formát.</translation>
    </message>
    <message>
        <source>:%1:</source>
        <comment>emoji name</comment>
        <translation>:%1:</translation>
    </message>
    <message>
        <source>This computer has no on-device language model.</source>
        <translation>Tento počítač nemá vstavaný jazykový model.</translation>
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
        <translation>Pozastavené na %1</translation>
    </message>
    <message>
        <source>Paused in %1</source>
        <translation>Pozastavené v aplikácii %1</translation>
    </message>
    <message>
        <source>Off on %1</source>
        <translation>Vypnuté na %1</translation>
    </message>
    <message>
        <source>Off in %1</source>
        <translation>Vypnuté v aplikácii %1</translation>
    </message>
    <message>
        <source>Off in %1 by default</source>
        <translation>Predvolene vypnuté v aplikácii %1</translation>
    </message>
    <message>
        <source>Off in code editors</source>
        <translation>Vypnuté v editoroch kódu</translation>
    </message>
    <message>
        <source>Off unless turned on per app</source>
        <translation>Vypnuté, ak nie je zapnuté pre aplikáciu</translation>
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
        <translation>Medzerník</translation>
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
        <translation>Kláves %1</translation>
    </message>
    <message>
        <source>An email reply reads differently from a commit message.</source>
        <translation>Odpoveď na e-mail sa píše inak ako správa commitu.</translation>
    </message>
    <message>
        <source>Writes straight into the field. Cleanest in GTK and Qt apps.</source>
        <translation>Píše priamo do poľa. Najčistejšie v aplikáciách GTK a Qt.</translation>
    </message>
    <message>
        <source>Typing</source>
        <comment>insertion method</comment>
        <translation>Písanie</translation>
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
            <numerusform>%Ln slovo dnes ušetrené</numerusform>
            <numerusform>%Ln slová dnes ušetrené</numerusform>
            <numerusform>%Ln slov dnes ušetrených</numerusform>
        </translation>
    </message>
    <message>
        <source>Under a minute of typing saved today.</source>
        <translation>Dnes ušetrená necelá minúta písania.</translation>
    </message>
    <message>
        <source>About %1 of typing saved today.</source>
        <translation>Dnes ušetrené približne %1 písania.</translation>
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
        <translation>%app číta textové polia a píše do nich cez podporu prístupnosti pracovného prostredia, ktorú niektoré prostredia nechávajú vypnutú. %app ju používa len pre pole, do ktorého práve píšete.</translation>
    </message>
    <message>
        <source>The button switches the desktop&apos;s accessibility support on. If the desktop&apos;s settings open instead, turn accessibility on there, then come back. This page updates by itself.</source>
        <translation>Tlačidlo zapne podporu prístupnosti pracovného prostredia. Ak sa namiesto toho otvoria nastavenia prostredia, zapnite tam prístupnosť a vráťte sa. Táto stránka sa aktualizuje sama.</translation>
    </message>
    <message>
        <source>Still off? Some desktops start their accessibility service only when you log in. Log out and back in, then try again.</source>
        <translation>Stále vypnuté? Niektoré prostredia spúšťajú službu prístupnosti až pri prihlásení. Odhláste sa, znova sa prihláste a skúste to ešte raz.</translation>
    </message>
    <message>
        <source>Pause</source>
        <comment>section header</comment>
        <translation>Pozastavenie</translation>
    </message>
    <message>
        <source>Pause</source>
        <comment>button</comment>
        <translation>Pozastaviť</translation>
    </message>
    <message>
        <source>typing</source>
        <comment>insertion method, in a sentence</comment>
        <translation>písanie</translation>
    </message>
    <message>
        <source>accessibility</source>
        <comment>insertion method, in a sentence</comment>
        <translation>prístupnosť</translation>
    </message>
    <message>
        <source>paste</source>
        <comment>insertion method, in a sentence</comment>
        <translation>vloženie</translation>
    </message>
    <message>
        <source>short</source>
        <comment>suggestion length, in a sentence</comment>
        <translation>krátke</translation>
    </message>
    <message>
        <source>medium</source>
        <comment>suggestion length, in a sentence</comment>
        <translation>stredné</translation>
    </message>
    <message>
        <source>long</source>
        <comment>suggestion length, in a sentence</comment>
        <translation>dlhé</translation>
    </message>
    <message>
        <source>Default follows General: %1, %2 suggestions.</source>
        <translation>Predvolené podľa sekcie „Všeobecné“: %1, %2 návrhy.</translation>
    </message>
    <message>
        <source>Yes, at %1, %2 on screen, %3 pt tall, %4 and %5</source>
        <translation>Áno, na pozícii %1, %2 na obrazovke, výška %3 pt, %4 a %5</translation>
    </message>
    <message numerus="yes">
        <source>%Ln characters before it</source>
        <translation>
            <numerusform>%Ln znak pred ním</numerusform>
            <numerusform>%Ln znaky pred ním</numerusform>
            <numerusform>%Ln znakov pred ním</numerusform>
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
        <translation>V tomto pracovnom prostredí nebeží žiadna oblasť oznámení, takže ikona sa nemôže zobraziť. %1</translation>
    </message>
    <message>
        <source>Typing</source>
        <comment>section header</comment>
        <translation>Písanie</translation>
    </message>
    <message>
        <source>Switch to the computer&apos;s language?</source>
        <translation>Prepnúť na jazyk počítača?</translation>
    </message>
    <message numerus="yes">
        <source>%Ln words this week.</source>
        <translation>
            <numerusform>%Ln slovo tento týždeň.</numerusform>
            <numerusform>%Ln slová tento týždeň.</numerusform>
            <numerusform>%Ln slov tento týždeň.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Under a minute of typing saved today. %Ln words this week.</source>
        <translation>
            <numerusform>Dnes ušetrená necelá minúta písania. %Ln slovo tento týždeň.</numerusform>
            <numerusform>Dnes ušetrená necelá minúta písania. %Ln slová tento týždeň.</numerusform>
            <numerusform>Dnes ušetrená necelá minúta písania. %Ln slov tento týždeň.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>About %1 of typing saved today. %Ln words this week.</source>
        <translation>
            <numerusform>Dnes ušetrené približne %1 písania. %Ln slovo tento týždeň.</numerusform>
            <numerusform>Dnes ušetrené približne %1 písania. %Ln slová tento týždeň.</numerusform>
            <numerusform>Dnes ušetrené približne %1 písania. %Ln slov tento týždeň.</numerusform>
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
        <translation>Server odmietol spojenie. Skontrolujte, či beží a či je adresa správna.</translation>
    </message>
    <message>
        <source>The server&apos;s name couldn&apos;t be found. Check the address.</source>
        <translation>Názov servera sa nepodarilo nájsť. Skontrolujte adresu.</translation>
    </message>
    <message>
        <source>A secure connection to the server couldn&apos;t be made.</source>
        <translation>Zabezpečené spojenie so serverom sa nepodarilo nadviazať.</translation>
    </message>
    <message>
        <source>The server closed the connection before it answered.</source>
        <translation>Server ukončil spojenie skôr, ako odpovedal.</translation>
    </message>
    <message>
        <source>The network proxy couldn&apos;t be reached.</source>
        <translation>Sieťový proxy server nie je dostupný.</translation>
    </message>
    <message>
        <source>The server couldn&apos;t be reached.</source>
        <translation>Server nie je dostupný.</translation>
    </message>
    <message>
        <source>Waiting for the network…</source>
        <translation>Čaká sa na sieť…</translation>
    </message>
    <message>
        <source>%1 is taken by another program.</source>
        <translation>Klávesovú skratku %1 už používa iný program.</translation>
    </message>
    <message>
        <source>%1 could not open again. Your choice takes effect the next time you start it.</source>
        <translation>%1 sa nepodarilo znova otvoriť. Vaša voľba sa prejaví pri ďalšom spustení.</translation>
    </message>
    <message>
        <source>Downloading the model</source>
        <translation>Sťahuje sa model</translation>
    </message>
    <message numerus="yes">
        <source>These apps answer the Tab key before %app can, so %app stays paused in your other apps until they quit.</source>
        <translation>
            <numerusform>Tieto aplikácie reagujú na kláves Tab skôr než %app, preto %app zostane v ostatných aplikáciách pozastavený, kým sa neukončia.</numerusform>
            <numerusform>Tieto aplikácie reagujú na kláves Tab skôr než %app, preto %app zostane v ostatných aplikáciách pozastavený, kým sa neukončia.</numerusform>
            <numerusform>Tieto aplikácie reagujú na kláves Tab skôr než %app, preto %app zostane v ostatných aplikáciách pozastavený, kým sa neukončia.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>It may be waiting on a dialog of its own. Force Quit closes it right away.</source>
        <translation>
            <numerusform>Možno čaká na vlastný dialóg. „Vynútiť ukončenie“ ju hneď zavrie.</numerusform>
            <numerusform>Možno čakajú na vlastné dialógy. „Vynútiť ukončenie“ ich hneď zavrie.</numerusform>
            <numerusform>Možno čakajú na vlastné dialógy. „Vynútiť ukončenie“ ich hneď zavrie.</numerusform>
        </translation>
    </message>
    <message>
        <source>Set a Suggest Now shortcut in Keys to ask for suggestions</source>
        <translation>Ak chcete žiadať o návrhy, nastavte v sekcii „Klávesy“ skratku „Navrhnúť hneď“</translation>
    </message>
    <message>
        <source>Backspace</source>
        <comment>key above Enter that deletes backwards</comment>
        <translation>Backspace</translation>
    </message>
    <message>
        <source>0 words saved today</source>
        <translation>0 slov dnes ušetrených</translation>
    </message>
    <message>
        <source>words saved today</source>
        <comment>beside the count 0</comment>
        <translation>slov dnes ušetrených</translation>
    </message>
    <message>
        <source>Quit the other app</source>
        <translation>Ukončiť tú druhú aplikáciu</translation>
    </message>
    <message>
        <source>None yet</source>
        <comment>no app looked at yet</comment>
        <translation>Zatiaľ žiadne</translation>
    </message>
    <message>
        <source>None yet</source>
        <comment>no suggestion shown yet</comment>
        <translation>Zatiaľ žiadny</translation>
    </message>
    <message>
        <source>The other app is also running</source>
        <translation>Tá druhá aplikácia tiež beží</translation>
    </message>
    <message>
        <source>Both apps answer the Tab key, and the system gives it to the other app first. %app stays paused in your other apps until the other app quits.</source>
        <translation>Obe aplikácie reagujú na kláves Tab a systém ho dá najprv tej druhej aplikácii. %app zostane v ostatných aplikáciách pozastavený, kým sa tá druhá aplikácia neukončí.</translation>
    </message>
    <message>
        <source>The other app is still open</source>
        <translation>Tá druhá aplikácia je stále otvorená</translation>
    </message>
    <message>
        <source>The other app quit, so your suggestions are back in every app.</source>
        <translation>Tá druhá aplikácia sa ukončila, návrhy sú späť vo všetkých aplikáciách.</translation>
    </message>
    <message>
        <source>The other app quit. %app has the Tab key.</source>
        <translation>Tá druhá aplikácia sa ukončila. %app má kláves Tab.</translation>
    </message>
</context>
</TS>
