<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hu" sourcelanguage="en">
<context>
    <name>Tessaquill</name>
    <message>
        <source>Accessibility is on. %app is ready in your other apps.</source>
        <translation>Az akadálymentesítés be van kapcsolva. A %app készen áll a többi alkalmazásban.</translation>
    </message>
    <message>
        <source>Paused while %1 is open</source>
        <translation>Szüneteltetve, amíg nyitva van: %1</translation>
    </message>
    <message>
        <source>Welcome to %app</source>
        <translation>Üdvözli a %app</translation>
    </message>
    <message>
        <source>%app</source>
        <translation>%app</translation>
    </message>
    <message>
        <source>Another autocomplete app is running</source>
        <translation>Egy másik automatikus kiegészítő alkalmazás fut</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Kész</translation>
    </message>
    <message>
        <source>Waiting for a pause</source>
        <translation>Szünetre vár</translation>
    </message>
    <message>
        <source>Thinking</source>
        <translation>Gondolkodik</translation>
    </message>
    <message>
        <source>Showing a suggestion</source>
        <translation>Javaslat megjelenítése</translation>
    </message>
    <message>
        <source>The model took too long to answer</source>
        <translation>A modell túl sokáig nem válaszolt</translation>
    </message>
    <message>
        <source>This app doesn&apos;t report where the caret is</source>
        <translation>Ez az alkalmazás nem jelzi, hol van a kurzor</translation>
    </message>
    <message>
        <source>%app is turned off</source>
        <translation>A %app ki van kapcsolva</translation>
    </message>
    <message>
        <source>Secure input is on, so %app stays out</source>
        <translation>A biztonságos bevitel be van kapcsolva, ezért a %app nem avatkozik be</translation>
    </message>
    <message>
        <source>Press %1 for a suggestion</source>
        <translation>Javaslatért nyomja meg ezt: %1</translation>
    </message>
    <message>
        <source>Text is selected</source>
        <translation>Szöveg van kijelölve</translation>
    </message>
    <message>
        <source>The caret is inside existing text</source>
        <translation>A kurzor meglévő szöveg belsejében van</translation>
    </message>
    <message>
        <source>This field is too small</source>
        <translation>Ez a mező túl kicsi</translation>
    </message>
    <message>
        <source>Waiting for a few characters</source>
        <translation>Néhány karakterre vár</translation>
    </message>
    <message>
        <source>Start of a new line</source>
        <translation>Új sor eleje</translation>
    </message>
    <message>
        <source>The model is still downloading</source>
        <translation>A modell letöltése még folyamatban van</translation>
    </message>
    <message>
        <source>Download the %app model in Settings first</source>
        <translation>Előbb töltse le a %app modellt a Beállításokban</translation>
    </message>
    <message>
        <source>Not checked yet</source>
        <translation>Még nincs ellenőrizve</translation>
    </message>
    <message>
        <source>Checking…</source>
        <translation>Ellenőrzés…</translation>
    </message>
    <message>
        <source>The model stopped with error %1</source>
        <translation>A modell leállt, hibakód: %1</translation>
    </message>
    <message>
        <source>The model file couldn&apos;t be loaded</source>
        <translation>A modellfájlt nem sikerült betölteni</translation>
    </message>
    <message>
        <source>There wasn&apos;t enough memory to start the model</source>
        <translation>Nem volt elég memória a modell elindításához</translation>
    </message>
    <message>
        <source>The text couldn&apos;t be prepared for the model</source>
        <translation>A szöveget nem sikerült előkészíteni a modellnek</translation>
    </message>
    <message>
        <source>This computer needs %1 free for the download. Free up some space, then try again.</source>
        <translation>A letöltéshez %1 szabad hely kell ezen a számítógépen. Szabadítson fel helyet, majd próbálja újra.</translation>
    </message>
    <message>
        <source>The download didn&apos;t match the expected file, so it was deleted. Try again.</source>
        <translation>A letöltött fájl nem egyezett a várttal, ezért törölve lett. Próbálja újra.</translation>
    </message>
    <message>
        <source>Downloaded</source>
        <translation>Letöltve</translation>
    </message>
    <message>
        <source>Downloading. Suggestions start once it&apos;s done.</source>
        <translation>Letöltés folyamatban. A javaslatok a végeztével indulnak.</translation>
    </message>
    <message>
        <source>Checking the download.</source>
        <translation>A letöltés ellenőrzése.</translation>
    </message>
    <message>
        <source>Checking the download. Suggestions start once it&apos;s done.</source>
        <translation>A letöltés ellenőrzése. A javaslatok a végeztével indulnak.</translation>
    </message>
    <message>
        <source>Download the model to start</source>
        <translation>A kezdéshez töltse le a modellt</translation>
    </message>
    <message>
        <source>Ollama is running but has no models</source>
        <translation>Az Ollama fut, de nincs benne modell</translation>
    </message>
    <message>
        <source>Another app</source>
        <translation>Egy másik alkalmazás</translation>
    </message>
    <message>
        <source>There is no D-Bus session bus, so %1 cannot reach text fields.</source>
        <translation>Nincs D-Bus munkamenetbusz, ezért ez nem éri el a szövegmezőket: %1.</translation>
    </message>
    <message>
        <source>The desktop&apos;s accessibility bus is not running, so %1 cannot reach text fields.</source>
        <translation>Az asztali környezet akadálymentesítési busza nem fut, ezért ez nem éri el a szövegmezőket: %1.</translation>
    </message>
    <message>
        <source>Short</source>
        <translation>Rövid</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Közepes</translation>
    </message>
    <message>
        <source>Long</source>
        <translation>Hosszú</translation>
    </message>
    <message>
        <source>Hide the suggestion</source>
        <translation>Javaslat elrejtése</translation>
    </message>
    <message>
        <source>Hide suggestions until I change fields</source>
        <translation>Javaslatok elrejtése, amíg mezőt nem váltok</translation>
    </message>
    <message>
        <source>Do nothing, send Escape to the app</source>
        <translation>Semmi, az Escape továbbítása az alkalmazásnak</translation>
    </message>
    <message>
        <source>Type it</source>
        <translation>Begépelés</translation>
    </message>
    <message>
        <source>Insert through Accessibility</source>
        <translation>Beszúrás akadálymentesítéssel</translation>
    </message>
    <message>
        <source>Paste it</source>
        <translation>Beillesztés</translation>
    </message>
    <message>
        <source>Grey</source>
        <translation>Szürke</translation>
    </message>
    <message>
        <source>Gold tint</source>
        <translation>Arany árnyalat</translation>
    </message>
    <message>
        <source>%app model</source>
        <translation>%app modell</translation>
    </message>
    <message>
        <source>Ollama</source>
        <translation>Ollama</translation>
    </message>
    <message>
        <source>Local server</source>
        <translation>Helyi szerver</translation>
    </message>
    <message>
        <source>Runs on this computer after a one-time download. Works offline.</source>
        <translation>Egyszeri letöltés után ezen a számítógépen fut. Offline is működik.</translation>
    </message>
    <message>
        <source>Any model you run in Ollama, base models included.</source>
        <translation>Bármely modell, amelyet az Ollamában futtat, az alapmodelleket is beleértve.</translation>
    </message>
    <message>
        <source>LM Studio, llama-server or any OpenAI-compatible endpoint.</source>
        <translation>LM Studio, llama-server vagy bármely OpenAI-kompatibilis végpont.</translation>
    </message>
    <message>
        <source>Sends the text as keystrokes. Works almost everywhere.</source>
        <translation>Billentyűleütésként küldi a szöveget. Szinte mindenhol működik.</translation>
    </message>
    <message>
        <source>Uses the clipboard, then puts your clipboard back.</source>
        <translation>A vágólapot használja, majd visszaállítja annak tartalmát.</translation>
    </message>
    <message>
        <source>Accessibility</source>
        <translation>Akadálymentesítés</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Beillesztés</translation>
    </message>
    <message>
        <source>Your writing memory could not be opened and was set aside. Nothing new is remembered until %app starts again.</source>
        <translation>Az írásmemóriát nem sikerült megnyitni, ezért a %app félretette. Amíg a %app újra nem indul, semmi újat nem jegyez meg.</translation>
    </message>
    <message>
        <source>Your writing memory could not be opened because its key could not be read from the keyring. Nothing new is remembered until %app starts again.</source>
        <translation>Az írásmemóriát nem sikerült megnyitni, mert a kulcsát nem lehetett kiolvasni a kulcstartóból. Amíg a %app újra nem indul, semmi újat nem jegyez meg.</translation>
    </message>
    <message>
        <source>Not Now</source>
        <translation>Most nem</translation>
    </message>
    <message>
        <source>Open the desktop&apos;s settings</source>
        <translation>Az asztal beállításainak megnyitása</translation>
    </message>
    <message>
        <source>Don&apos;t remind me again</source>
        <translation>Ne emlékeztessen újra</translation>
    </message>
    <message>
        <source>Open Playground</source>
        <translation>Gyakorlómező megnyitása</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Beállítások</translation>
    </message>
    <message>
        <source>Quit %app</source>
        <translation>Kilépés a %app programból</translation>
    </message>
    <message>
        <source>Needs Accessibility access</source>
        <translation>Akadálymentesítési hozzáférés szükséges</translation>
    </message>
    <message>
        <source>Paused until you resume</source>
        <translation>Szüneteltetve a folytatásig</translation>
    </message>
    <message>
        <source>Paused until %1</source>
        <translation>Szüneteltetve eddig: %1</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Ki</translation>
    </message>
    <message numerus="yes">
        <source>Paused while %1 are open</source>
        <translation>
            <numerusform>Szüneteltetve, amíg nyitva van: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Grant Accessibility Access…</source>
        <translation>Akadálymentesítési hozzáférés megadása…</translation>
    </message>
    <message numerus="yes">
        <source>Force Quit %1</source>
        <translation>
            <numerusform>Kényszerített kilépés: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Quit %1</source>
        <translation>
            <numerusform>Kilépés: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>words saved today</source>
        <translation>
            <numerusform>megspórolt szó ma</numerusform>
        </translation>
    </message>
    <message>
        <source>Start typing anywhere. %app keeps count here.</source>
        <translation>Kezdjen el gépelni bárhol. A %app itt számol.</translation>
    </message>
    <message>
        <source>Resume in %1</source>
        <translation>Folytatás itt: %1</translation>
    </message>
    <message>
        <source>Pause in %1</source>
        <translation>Szüneteltetés itt: %1</translation>
    </message>
    <message>
        <source>Resume Everywhere</source>
        <translation>Folytatás mindenhol</translation>
    </message>
    <message>
        <source>Pause Everywhere</source>
        <translation>Szüneteltetés mindenhol</translation>
    </message>
    <message>
        <source>For 15 Minutes</source>
        <translation>15 percre</translation>
    </message>
    <message>
        <source>For 1 Hour</source>
        <translation>1 órára</translation>
    </message>
    <message>
        <source>For 4 Hours</source>
        <translation>4 órára</translation>
    </message>
    <message>
        <source>Until I Resume</source>
        <translation>Amíg nem folytatom</translation>
    </message>
    <message>
        <source>Example: after typing %1, %2 suggests %3</source>
        <translation>Példa: „%1” begépelése után a %2 ezt javasolja: „%3”</translation>
    </message>
    <message>
        <source>takes the next word</source>
        <translation>átveszi a következő szót</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Letöltés</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Mégse</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>%1 of %2. You can keep writing while it downloads.</source>
        <translation>%1 / %2. A letöltés közben nyugodtan írhat tovább.</translation>
    </message>
    <message>
        <source>Checking the download</source>
        <translation>A letöltés ellenőrzése</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Újrapróbálás</translation>
    </message>
    <message>
        <source>Remove…</source>
        <translation>Eltávolítás…</translation>
    </message>
    <message>
        <source>%1 license</source>
        <translation>Licenc: %1</translation>
    </message>
    <message>
        <source>Remove the %app model?</source>
        <translation>Eltávolítja a %app modellt?</translation>
    </message>
    <message>
        <source>Model download</source>
        <translation>Modell letöltése</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Eltávolítás</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Tovább</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Később</translation>
    </message>
    <message>
        <source>Start Writing</source>
        <translation>Írás indítása</translation>
    </message>
    <message>
        <source>Finish your sentences in any app.</source>
        <translation>Befejezi a mondatait bármely alkalmazásban.</translation>
    </message>
    <message>
        <source>%app reads the words before your caret and suggests what comes next in grey. Press Tab to take one word, or the key above Tab to take the rest. If you don&apos;t want it, keep typing.</source>
        <translation>A %app elolvassa a kurzor előtti szavakat, és szürkével javasolja a folytatást. A Tab egy szót fogad el, a Tab feletti billentyű a többit. Ha nem kell, gépeljen tovább.</translation>
    </message>
    <message>
        <source>Sees what you see</source>
        <translation>Azt látja, amit Ön</translation>
    </message>
    <message>
        <source>Private</source>
        <translation>Privát</translation>
    </message>
    <message>
        <source>It reads the window you&apos;re typing in, like the chat you&apos;re answering, so suggestions fit. None of it goes online, to us or any server. It stays private on your computer.</source>
        <translation>Elolvassa az ablakot, amelyben gépel, például a csevegést, amelyre válaszol, hogy a javaslatok illeszkedjenek. Ebből semmi nem megy az internetre, sem hozzánk, sem más szerverre. Minden privát marad a számítógépén.</translation>
    </message>
    <message>
        <source>Accessibility is on</source>
        <translation>Az akadálymentesítés be van kapcsolva</translation>
    </message>
    <message>
        <source>%app can now read the field you&apos;re writing in and type suggestions for you.</source>
        <translation>A %app most már olvashatja a mezőt, amelyben ír, és begépelheti Ön helyett a javaslatokat.</translation>
    </message>
    <message>
        <source>Let %app see what you type.</source>
        <translation>Engedje, hogy a %app lássa, mit gépel.</translation>
    </message>
    <message>
        <source>%app reads your text when you pause and forgets it after one suggestion, unless you turn on writing memory.</source>
        <translation>A %app akkor olvassa a szövegét, amikor megáll, és egy javaslat után elfelejti, hacsak be nem kapcsolja az írásmemóriát.</translation>
    </message>
    <message>
        <source>%app skips password fields and anything else the system marks as secure.</source>
        <translation>A %app kihagyja a jelszómezőket és mindent, amit a rendszer biztonságosnak jelöl.</translation>
    </message>
    <message>
        <source>Open Accessibility Settings</source>
        <translation>Akadálymentesítési beállítások megnyitása</translation>
    </message>
    <message>
        <source>Pick what writes your suggestions.</source>
        <translation>Válassza ki, mi írja a javaslatokat.</translation>
    </message>
    <message>
        <source>You can change this any time in Settings.</source>
        <translation>Ezt bármikor módosíthatja a Beállításokban.</translation>
    </message>
    <message>
        <source>Give it a try.</source>
        <translation>Próbálja ki.</translation>
    </message>
    <message>
        <source>Start typing a sentence. When grey words appear, press Tab for one word or the key above Tab for all of them.</source>
        <translation>Kezdjen el gépelni egy mondatot. Amikor szürke szavak jelennek meg, nyomja meg a Tab billentyűt egy szóhoz, vagy a Tab feletti billentyűt az összeshez.</translation>
    </message>
    <message>
        <source>Hi Orlenn, thanks for the quick reply. I think we should</source>
        <translation>Szia Orlenn, köszi a gyors választ. Szerintem az lenne a legjobb, ha</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Vissza</translation>
    </message>
    <message>
        <source>Practice field</source>
        <translation>Gyakorlómező</translation>
    </message>
    <message>
        <source>Default, on</source>
        <translation>Alapértelmezés, be</translation>
    </message>
    <message>
        <source>Default, off</source>
        <translation>Alapértelmezés, ki</translation>
    </message>
    <message>
        <source>Add a website</source>
        <translation>Webhely hozzáadása</translation>
    </message>
    <message>
        <source>Domain</source>
        <translation>Tartomány</translation>
    </message>
    <message>
        <source>Rules for a site apply in any browser %app can read.</source>
        <translation>A webhely szabályai minden olyan böngészőben érvényesek, amelyet a %app olvasni tud.</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hozzáadás</translation>
    </message>
    <message>
        <source>Add App…</source>
        <translation>Alkalmazás hozzáadása…</translation>
    </message>
    <message>
        <source>Add an app</source>
        <translation>Alkalmazás hozzáadása</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Keresés</translation>
    </message>
    <message>
        <source>Clear search</source>
        <translation>Keresés törlése</translation>
    </message>
    <message>
        <source>Add an app or website</source>
        <translation>Alkalmazás vagy webhely hozzáadása</translation>
    </message>
    <message>
        <source>Add Website…</source>
        <translation>Webhely hozzáadása…</translation>
    </message>
    <message>
        <source>Apps &amp; Sites</source>
        <translation>Alkalmazások és webhelyek</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Szüneteltetve</translation>
    </message>
    <message>
        <source>Apps</source>
        <translation>Alkalmazások</translation>
    </message>
    <message>
        <source>Websites</source>
        <translation>Webhelyek</translation>
    </message>
    <message>
        <source>No matches</source>
        <translation>Nincs találat</translation>
    </message>
    <message>
        <source>No apps yet</source>
        <translation>Még nincs alkalmazás</translation>
    </message>
    <message>
        <source>Nothing matches “%1”.</source>
        <translation>Nincs találat erre: „%1”.</translation>
    </message>
    <message>
        <source>Apps appear here once you accept a suggestion in them, or add one with +.</source>
        <translation>Az alkalmazások akkor jelennek meg itt, ha elfogad bennük egy javaslatot. A + gombbal is hozzáadhatja őket.</translation>
    </message>
    <message>
        <source>Pick an app or site</source>
        <translation>Válasszon alkalmazást vagy webhelyet</translation>
    </message>
    <message>
        <source>Each one can have its own rules. Anything you don&apos;t change follows General.</source>
        <translation>Mindegyiknek lehetnek saját szabályai. Amit nem módosít, az az „Általános” lap beállításait követi.</translation>
    </message>
    <message>
        <source>Words saved here</source>
        <translation>Itt megspórolt szavak</translation>
    </message>
    <message>
        <source>Suggestions</source>
        <translation>Javaslatok</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Be</translation>
    </message>
    <message>
        <source>Tab accepts suggestions</source>
        <translation>A Tab elfogadja a javaslatokat</translation>
    </message>
    <message>
        <source>Turn off where Tab already means something, like indenting. The other accept key still works.</source>
        <translation>Kapcsolja ki, ahol a Tab billentyűnek már van szerepe, például behúzás. A másik elfogadó billentyű továbbra is működik.</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Alapértelmezett</translation>
    </message>
    <message>
        <source>Insert by</source>
        <translation>Beszúrás módja</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Hossz</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Folytatás</translation>
    </message>
    <message>
        <source>Pause here</source>
        <translation>Szüneteltetés itt</translation>
    </message>
    <message>
        <source>Memory</source>
        <translation>Memória</translation>
    </message>
    <message>
        <source>Remember my writing here</source>
        <translation>Jegyezze meg, hogyan írok itt</translation>
    </message>
    <message>
        <source>Writing memory is off in Your Voice.</source>
        <translation>Az írásmemória ki van kapcsolva a „Saját stílus” lapon.</translation>
    </message>
    <message>
        <source>Erase…</source>
        <translation>Törlés…</translation>
    </message>
    <message>
        <source>Reset to Defaults</source>
        <translation>Alapértékek visszaállítása</translation>
    </message>
    <message>
        <source>Erase what %app remembered from %1?</source>
        <translation>Törli, amit a %app megjegyzett innen: %1?</translation>
    </message>
    <message>
        <source>Erase</source>
        <translation>Törlés</translation>
    </message>
    <message>
        <source>Passages from this app can shape suggestions everywhere.</source>
        <translation>Az ebből az alkalmazásból származó szövegrészletek mindenhol befolyásolhatják a javaslatokat.</translation>
    </message>
    <message>
        <source>Finish setting up</source>
        <translation>Beállítás befejezése</translation>
    </message>
    <message>
        <source>Setup progress</source>
        <translation>Beállítás állapota</translation>
    </message>
    <message>
        <source>Done: %1</source>
        <translation>Kész: %1</translation>
    </message>
    <message>
        <source>Best day yet!</source>
        <translation>Eddigi legjobb nap!</translation>
    </message>
    <message>
        <source>Try it here</source>
        <translation>Próbálja ki itt</translation>
    </message>
    <message>
        <source>Thanks for sending the draft over. I had a look and</source>
        <translation>Köszi, hogy átküldted a vázlatot. Átnéztem, és</translation>
    </message>
    <message>
        <source>next word</source>
        <translation>következő szó</translation>
    </message>
    <message>
        <source>whole suggestion</source>
        <translation>teljes javaslat</translation>
    </message>
    <message>
        <source>hide it</source>
        <translation>elrejtés</translation>
    </message>
    <message>
        <source>This field runs the real engine. Start typing and grey words show up as you go.</source>
        <translation>Ebben a mezőben a valódi motor fut. Kezdjen el gépelni, és menet közben szürke szavak jelennek meg.</translation>
    </message>
    <message>
        <source>This field runs the real engine, even before you allow Accessibility. Start typing and grey words show up as you go.</source>
        <translation>Ebben a mezőben a valódi motor fut, még az akadálymentesítés engedélyezése előtt is. Kezdjen el gépelni, és menet közben szürke szavak jelennek meg.</translation>
    </message>
    <message>
        <source>You&apos;re all set</source>
        <translation>Minden kész</translation>
    </message>
    <message>
        <source>Accessibility is on and %1 is ready. %app works in every app you type in.</source>
        <translation>Az akadálymentesítés be van kapcsolva, és a motor készen áll: %1. A %app minden alkalmazásban működik, amelyben gépel.</translation>
    </message>
    <message>
        <source>Waiting for %1 to quit</source>
        <translation>Várakozás ennek bezárására: %1</translation>
    </message>
    <message>
        <source>Turned off</source>
        <translation>Kikapcsolva</translation>
    </message>
    <message>
        <source>Paused everywhere</source>
        <translation>Mindenhol szüneteltetve</translation>
    </message>
    <message>
        <source>%1, %2 typical wait</source>
        <translation>%1, szokásos várakozás: %2</translation>
    </message>
    <message>
        <source>Start your streak today.</source>
        <translation>Kezdje el ma a sorozatát.</translation>
    </message>
    <message>
        <source>Overview</source>
        <translation>Áttekintés</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Általános</translation>
    </message>
    <message>
        <source>Engine</source>
        <translation>Motor</translation>
    </message>
    <message>
        <source>Context</source>
        <translation>Kontextus</translation>
    </message>
    <message>
        <source>Your Voice</source>
        <translation>Saját stílus</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Billentyűk</translation>
    </message>
    <message>
        <source>Emoji</source>
        <translation>Emoji</translation>
    </message>
    <message>
        <source>Battery</source>
        <translation>Akkumulátor</translation>
    </message>
    <message>
        <source>Insights</source>
        <translation>Statisztika</translation>
    </message>
    <message>
        <source>Field Inspector</source>
        <translation>Mezővizsgáló</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Névjegy</translation>
    </message>
    <message>
        <source>How %app is doing today</source>
        <translation>Hogy áll ma a %app</translation>
    </message>
    <message>
        <source>Where and how suggestions appear</source>
        <translation>Hol és hogyan jelennek meg a javaslatok</translation>
    </message>
    <message>
        <source>The model that writes your suggestions</source>
        <translation>A modell, amely a javaslatokat írja</translation>
    </message>
    <message>
        <source>What %app may look at to guess better</source>
        <translation>Mit nézhet meg a %app a jobb találatokért</translation>
    </message>
    <message>
        <source>Help suggestions sound like you</source>
        <translation>Hogy a javaslatok az Ön hangján szóljanak</translation>
    </message>
    <message>
        <source>Accept, dismiss and summon suggestions</source>
        <translation>Javaslatok elfogadása, elvetése és előhívása</translation>
    </message>
    <message>
        <source>Emoji search and emoticons</source>
        <translation>Emojikeresés és hangulatjelek</translation>
    </message>
    <message>
        <source>Rules for each app and website</source>
        <translation>Szabályok alkalmazásonként és webhelyenként</translation>
    </message>
    <message>
        <source>Save power when you&apos;re unplugged</source>
        <translation>Energiatakarékosság töltő nélkül</translation>
    </message>
    <message>
        <source>Words saved and how fast suggestions arrive</source>
        <translation>Megspórolt szavak és a javaslatok sebessége</translation>
    </message>
    <message>
        <source>What %app sees in the focused field</source>
        <translation>Mit lát a %app az aktív mezőben</translation>
    </message>
    <message>
        <source>Version and privacy</source>
        <translation>Verzió és adatvédelem</translation>
    </message>
    <message>
        <source>Writing</source>
        <translation>Írás</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Bevitel</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Szabályok</translation>
    </message>
    <message>
        <source>Activity</source>
        <translation>Tevékenység</translation>
    </message>
    <message>
        <source>%app can read the field you&apos;re typing in and insert suggestions in any app.</source>
        <translation>A %app olvashatja a mezőt, amelyben gépel, és bármely alkalmazásban beszúrhat javaslatokat.</translation>
    </message>
    <message>
        <source>Allow Accessibility access</source>
        <translation>Akadálymentesítési hozzáférés engedélyezése</translation>
    </message>
    <message>
        <source>%app needs it to read the text you type in other apps and to insert suggestions.</source>
        <translation>A %app ennek segítségével olvassa a más alkalmazásokban gépelt szöveget, és szúrja be a javaslatokat.</translation>
    </message>
    <message>
        <source>Allow…</source>
        <translation>Engedélyezés…</translation>
    </message>
    <message>
        <source>%1 is ready</source>
        <translation>A motor készen áll: %1</translation>
    </message>
    <message>
        <source>Checking %1</source>
        <translation>Ellenőrzés: %1</translation>
    </message>
    <message>
        <source>This takes a moment.</source>
        <translation>Ez eltart egy pillanatig.</translation>
    </message>
    <message>
        <source>Your engine isn&apos;t ready</source>
        <translation>A motor nem áll készen</translation>
    </message>
    <message>
        <source>Open Engine</source>
        <translation>A „Motor” lap megnyitása</translation>
    </message>
    <message>
        <source>The system&apos;s predictions are off</source>
        <translation>A rendszer előrejelzései ki vannak kapcsolva</translation>
    </message>
    <message>
        <source>Only %app&apos;s suggestions appear while you type.</source>
        <translation>Gépelés közben csak a %app javaslatai jelennek meg.</translation>
    </message>
    <message>
        <source>Turn off the system&apos;s predictions</source>
        <translation>Kapcsolja ki a rendszer előrejelzéseit</translation>
    </message>
    <message>
        <source>The system shows its own grey suggestions on top of %app&apos;s. Each app picks up the change the next time you open it.</source>
        <translation>A rendszer a saját szürke javaslatait a %app javaslatai fölött jeleníti meg. Minden alkalmazás a következő megnyitáskor veszi át a változást.</translation>
    </message>
    <message>
        <source>Keyboard Settings</source>
        <translation>Billentyűzetbeállítások</translation>
    </message>
    <message>
        <source>Turn Off</source>
        <translation>Kikapcsolás</translation>
    </message>
    <message>
        <source>Only %app is suggesting</source>
        <translation>Csak a %app javasol</translation>
    </message>
    <message>
        <source>Tab reaches %app again.</source>
        <translation>A Tab ismét a %app programhoz jut.</translation>
    </message>
    <message numerus="yes">
        <source>%1 didn&apos;t quit. They may be showing a dialog. Force Quit closes them right away.</source>
        <translation>
            <numerusform>Nem lépett ki: %1. Lehet, hogy párbeszédablakot mutat. A „Kényszerített kilépés” azonnal bezárja.</numerusform>
        </translation>
    </message>
    <message>
        <source>Force Quit</source>
        <translation>Kényszerített kilépés</translation>
    </message>
    <message numerus="yes">
        <source>%1 take the Tab key before %app can, so %app stays paused in your other apps until you quit them.</source>
        <translation>
            <numerusform>A Tab billentyűt a %app előtt foglalja le: %1. Ezért a %app szünetel a többi alkalmazásban, amíg be nem zárja.</numerusform>
        </translation>
    </message>
    <message>
        <source>Only when I ask</source>
        <translation>Csak ha kérem</translation>
    </message>
    <message>
        <source>On battery, suggestions appear only after you press the Suggest Now shortcut.</source>
        <translation>Akkumulátorról a javaslatok csak a „Javaslat most” billentyűparancs megnyomása után jelennek meg.</translation>
    </message>
    <message>
        <source>Shorter suggestions</source>
        <translation>Rövidebb javaslatok</translation>
    </message>
    <message>
        <source>Fewer words take less power to write.</source>
        <translation>Kevesebb szó megírása kevesebb energiát igényel.</translation>
    </message>
    <message>
        <source>Lighter model</source>
        <translation>Könnyebb modell</translation>
    </message>
    <message>
        <source>Same as plugged in</source>
        <translation>Ugyanaz, mint hálózatról</translation>
    </message>
    <message>
        <source>Running on battery. These apply right now.</source>
        <translation>Akkumulátorról működik. Ezek a beállítások most érvényesek.</translation>
    </message>
    <message>
        <source>Plugged in. These wait until you unplug.</source>
        <translation>Hálózatra csatlakoztatva. Ezek a beállítások a töltő kihúzásakor lépnek életbe.</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modell</translation>
    </message>
    <message>
        <source>Model name</source>
        <translation>Modell neve</translation>
    </message>
    <message>
        <source>Reload the model list</source>
        <translation>Modellista újratöltése</translation>
    </message>
    <message>
        <source>Choose a model</source>
        <translation>Modell kiválasztása</translation>
    </message>
    <message>
        <source>For people who already run Ollama, LM Studio or llama-server.</source>
        <translation>Azoknak, akik már futtatnak Ollamát, LM Studiót vagy llama-servert.</translation>
    </message>
    <message>
        <source>Use your own model</source>
        <translation>Saját modell használata</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Cím</translation>
    </message>
    <message>
        <source>API key</source>
        <translation>API-kulcs</translation>
    </message>
    <message>
        <source>Only if your server asks for one</source>
        <translation>Csak ha a szerver kéri</translation>
    </message>
    <message>
        <source>Focused</source>
        <translation>Fókuszált</translation>
    </message>
    <message>
        <source>Creativity</source>
        <translation>Kreativitás</translation>
    </message>
    <message>
        <source>Loose</source>
        <translation>Laza</translation>
    </message>
    <message>
        <source>Lower stays close to the obvious next words. Higher tries more.</source>
        <translation>Alacsonyabb értéken a kézenfekvő következő szavaknál marad. Magasabbon többfélével próbálkozik.</translation>
    </message>
    <message>
        <source>Wait before suggesting</source>
        <translation>Várakozás javaslat előtt</translation>
    </message>
    <message>
        <source>How long you pause before %app starts.</source>
        <translation>Mennyi ideig kell megállnia, mielőtt a %app munkába áll.</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Futtatás</translation>
    </message>
    <message>
        <source>Try the engine</source>
        <translation>Motor kipróbálása</translation>
    </message>
    <message>
        <source>Sends a sample sentence and shows what comes back.</source>
        <translation>Elküld egy mintamondatot, és megmutatja a választ.</translation>
    </message>
    <message>
        <source>Running…</source>
        <translation>Futtatás…</translation>
    </message>
    <message>
        <source>The engine answered in %1 but had nothing useful to add.</source>
        <translation>A motor %1 alatt válaszolt, de nem volt hasznos hozzáfűznivalója.</translation>
    </message>
    <message>
        <source>That didn&apos;t work: %1</source>
        <translation>Nem sikerült: %1</translation>
    </message>
    <message>
        <source>The request was cancelled.</source>
        <translation>A kérés megszakítva.</translation>
    </message>
    <message>
        <source>Startup</source>
        <translation>Indítás</translation>
    </message>
    <message>
        <source>Launch at login</source>
        <translation>Indítás bejelentkezéskor</translation>
    </message>
    <message>
        <source>Show today&apos;s word count next to the icon</source>
        <translation>A mai szószám megjelenítése az ikon mellett</translation>
    </message>
    <message>
        <source>Where suggestions appear</source>
        <translation>Hol jelenjenek meg a javaslatok</translation>
    </message>
    <message>
        <source>Turn this off to use %app only in the apps you switch on under Apps &amp; Sites.</source>
        <translation>Kapcsolja ki, ha a %app programot csak az „Alkalmazások és webhelyek” lapon bekapcsolt alkalmazásokban szeretné használni.</translation>
    </message>
    <message>
        <source>By default %app waits until the caret is at the end of a line.</source>
        <translation>Alapértelmezés szerint a %app megvárja, amíg a kurzor a sor végére ér.</translation>
    </message>
    <message>
        <source>Without this, %app skips search bars and one-word boxes.</source>
        <translation>Enélkül a %app kihagyja a keresősávokat és az egyszavas mezőket.</translation>
    </message>
    <message>
        <source>Suggestions appear only after you press the Suggest Now shortcut.</source>
        <translation>A javaslatok csak a „Javaslat most” billentyűparancs megnyomása után jelennek meg.</translation>
    </message>
    <message>
        <source>Spelling</source>
        <translation>Helyesírás</translation>
    </message>
    <message>
        <source>Waits while the word you&apos;re typing looks misspelled, so %app doesn&apos;t build on a typo.</source>
        <translation>Vár, amíg a gépelt szó elírtnak tűnik, hogy a %app ne egy elírásra építsen.</translation>
    </message>
    <message>
        <source>After a misspelled word, shows a fix next to the caret. Press Tab to swap it in.</source>
        <translation>Elírt szó után javítást mutat a kurzor mellett. A Tab megnyomásával cserélheti be.</translation>
    </message>
    <message>
        <source>Look</source>
        <translation>Megjelenés</translation>
    </message>
    <message>
        <source>Suggestion color</source>
        <translation>Javaslat színe</translation>
    </message>
    <message>
        <source>Text size</source>
        <translation>Szövegméret</translation>
    </message>
    <message>
        <source>Fine-tune if suggestions look larger or smaller than your text.</source>
        <translation>Finomhangolja, ha a javaslatok nagyobbnak vagy kisebbnek tűnnek a szövegnél.</translation>
    </message>
    <message>
        <source>Vertical position</source>
        <translation>Függőleges helyzet</translation>
    </message>
    <message>
        <source>Nudge suggestions up or down to line up with your text.</source>
        <translation>Tolja feljebb vagy lejjebb a javaslatokat, hogy egy vonalba kerüljenek a szöveggel.</translation>
    </message>
    <message>
        <source>A small keycap after your first suggestions, as a reminder of what to press.</source>
        <translation>Egy kis billentyűikon az első javaslatok után, emlékeztetőül, mit kell megnyomni.</translation>
    </message>
    <message>
        <source>Insert suggestions by</source>
        <translation>Javaslatok beszúrásának módja</translation>
    </message>
    <message>
        <source>Other autocomplete apps</source>
        <translation>Más automatikus kiegészítő alkalmazások</translation>
    </message>
    <message>
        <source>They take the Tab key before %app can. With this off, %app asks you first.</source>
        <translation>A %app előtt elveszik a Tab billentyűt. Ha ez ki van kapcsolva, a %app előbb megkérdezi.</translation>
    </message>
    <message>
        <source>%1 is another device on your network, so the text around your caret will be sent there.</source>
        <translation>A(z) %1 egy másik eszköz a hálózatán, ezért a kurzor körüli szöveg oda lesz elküldve.</translation>
    </message>
    <message>
        <source>%1 isn&apos;t this computer, so the text around your caret will be sent there.</source>
        <translation>A(z) %1 nem ez a számítógép, ezért a kurzor körüli szöveg oda lesz elküldve.</translation>
    </message>
    <message>
        <source>Both keep your text on this computer.</source>
        <translation>Mindkettő ezen a számítógépen tartja a szövegét.</translation>
    </message>
    <message>
        <source>%app opens by itself when you start your computer.</source>
        <translation>A %app magától elindul, amikor bekapcsolja a számítógépet.</translation>
    </message>
    <message>
        <source>System predictions</source>
        <translation>Rendszer-előrejelzések</translation>
    </message>
    <message>
        <source>The system can show its own grey predictions. Keeping them off avoids two suggestions at once.</source>
        <translation>A rendszer saját szürke előrejelzéseket mutathat. Ha kikapcsolva tartja őket, nem lesz egyszerre két javaslat.</translation>
    </message>
    <message>
        <source>System predictions are on</source>
        <translation>A rendszer-előrejelzések be vannak kapcsolva</translation>
    </message>
    <message>
        <source>System predictions are off</source>
        <translation>A rendszer-előrejelzések ki vannak kapcsolva</translation>
    </message>
    <message>
        <source>tab</source>
        <translation>tab</translation>
    </message>
    <message>
        <source>Your next words, one Tab away.</source>
        <translation>A következő szavai egyetlen Tab-lenyomásra.</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Kihagyás</translation>
    </message>
    <message>
        <source>Get Started</source>
        <translation>Kezdés</translation>
    </message>
    <message>
        <source>Turn sound on</source>
        <translation>Hang bekapcsolása</translation>
    </message>
    <message>
        <source>Turn sound off</source>
        <translation>Hang kikapcsolása</translation>
    </message>
    <message>
        <source>The other app</source>
        <translation>A másik alkalmazás</translation>
    </message>
    <message numerus="yes">
        <source>Next time, quit %1 without asking</source>
        <translation>
            <numerusform>Legközelebb kilépés kérdés nélkül: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 is also running</source>
        <translation>
            <numerusform>Ezek is futnak: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Quitting…</source>
        <translation>Kilépés…</translation>
    </message>
    <message numerus="yes">
        <source>%1 is still open</source>
        <translation>
            <numerusform>%1 még mindig nyitva van</numerusform>
        </translation>
    </message>
    <message>
        <source>%app has the Tab key</source>
        <translation>A Tab billentyű a %app programé</translation>
    </message>
    <message>
        <source>%1 quit, so your suggestions are back in every app.</source>
        <translation>Kilépett: %1. A javaslatok újra minden alkalmazásban működnek.</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Kész</translation>
    </message>
    <message>
        <source>Open Source Notices</source>
        <translation>Nyílt forráskódú közlemények</translation>
    </message>
    <message>
        <source>Reset all settings?</source>
        <translation>Visszaállítja az összes beállítást?</translation>
    </message>
    <message>
        <source>This also clears your rules for apps and sites. Your statistics and writing memory stay.</source>
        <translation>Ez az alkalmazások és webhelyek szabályait is törli. A statisztika és az írásmemória megmarad.</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Visszaállítás</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Verzió: %1</translation>
    </message>
    <message>
        <source>Some apps hide their text</source>
        <translation>Egyes alkalmazások elrejtik a szövegüket</translation>
    </message>
    <message>
        <source>Suggest emoji after a colon</source>
        <translation>Emojijavaslat kettőspont után</translation>
    </message>
    <message>
        <source>Turn emoticons into emoji</source>
        <translation>Hangulatjelek cseréje emojira</translation>
    </message>
    <message>
        <source>After :-) or &lt;3, %app offers the matching emoji. Press Tab to swap it in.</source>
        <translation>A :-) vagy &lt;3 után a %app felajánlja a megfelelő emojit. A Tab megnyomásával cserélheti be.</translation>
    </message>
    <message>
        <source>Skin tone</source>
        <translation>Bőrszín</translation>
    </message>
    <message>
        <source>Also show the default yellow</source>
        <translation>Az alapértelmezett sárga is látszódjon</translation>
    </message>
    <message>
        <source>Try a word</source>
        <translation>Próbáljon ki egy szót</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Gyenge</translation>
    </message>
    <message>
        <source>No emoji match “%1”</source>
        <translation>Nincs emoji ehhez: „%1”</translation>
    </message>
    <message>
        <source>Accepting</source>
        <translation>Elfogadás</translation>
    </message>
    <message>
        <source>Take the next word</source>
        <translation>A következő szó elfogadása</translation>
    </message>
    <message>
        <source>Press again for each following word.</source>
        <translation>Nyomja meg újra minden további szóhoz.</translation>
    </message>
    <message>
        <source>Take the whole suggestion</source>
        <translation>A teljes javaslat elfogadása</translation>
    </message>
    <message>
        <source>The key above Tab is easy to reach on most keyboards.</source>
        <translation>A Tab feletti billentyű a legtöbb billentyűzeten könnyen elérhető.</translation>
    </message>
    <message>
        <source>Include the space after a word</source>
        <translation>Szóköz hozzáadása a szó után</translation>
    </message>
    <message>
        <source>Include punctuation right after a word</source>
        <translation>A közvetlenül a szó utáni írásjel hozzáadása</translation>
    </message>
    <message>
        <source>When you press Escape</source>
        <translation>Az Escape megnyomásakor</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Billentyűparancsok</translation>
    </message>
    <message>
        <source>Suggest now</source>
        <translation>Javaslat most</translation>
    </message>
    <message>
        <source>Asks for a suggestion right away, even where %app would normally wait.</source>
        <translation>Azonnal javaslatot kér, ott is, ahol a %app egyébként várna.</translation>
    </message>
    <message>
        <source>Other suggestions</source>
        <translation>További javaslatok</translation>
    </message>
    <message>
        <source>Lists a few different ways to continue. Choose with the arrow keys, then press Tab.</source>
        <translation>Néhány különböző folytatást kínál. Válasszon a nyílbillentyűkkel, majd nyomja meg a Tab billentyűt.</translation>
    </message>
    <message>
        <source>Pause or resume in this app</source>
        <translation>Szüneteltetés vagy folytatás ebben az alkalmazásban</translation>
    </message>
    <message>
        <source>Pauses for 15 minutes.</source>
        <translation>15 percre szünetel.</translation>
    </message>
    <message>
        <source>Turn %app on or off</source>
        <translation>A %app be- vagy kikapcsolása</translation>
    </message>
    <message>
        <source>Everywhere, until you press it again.</source>
        <translation>Mindenhol, amíg újra meg nem nyomja.</translation>
    </message>
    <message>
        <source>Pause or resume</source>
        <translation>Szüneteltetés vagy folytatás</translation>
    </message>
    <message>
        <source>Turn on or off</source>
        <translation>Be- vagy kikapcsolás</translation>
    </message>
    <message>
        <source>%1 and %2 use the same keys. Only the first will work.</source>
        <translation>Ugyanazokat a billentyűket használja: „%1” és „%2”. Csak az első fog működni.</translation>
    </message>
    <message>
        <source>About you</source>
        <translation>Önről</translation>
    </message>
    <message>
        <source>For example: I&apos;m a product designer in Berlin. I write short, friendly emails in British English and sign off with Cheers.</source>
        <translation>Például: Termékdizájner vagyok Berlinben. Rövid, barátságos e-maileket írok brit angolsággal, és „Cheers” köszönéssel zárok.</translation>
    </message>
    <message>
        <source>Your role, the languages you write in, names you use often, how you like to sound.</source>
        <translation>A foglalkozása, a nyelvek, amelyeken ír, a gyakran használt nevek, és milyen hangnemet szeretne.</translation>
    </message>
    <message>
        <source>Writing memory</source>
        <translation>Írásmemória</translation>
    </message>
    <message>
        <source>Remember how I write</source>
        <translation>Jegyezze meg, hogyan írok</translation>
    </message>
    <message>
        <source>Also remember fields where I accept nothing</source>
        <translation>Azokat a mezőket is jegyezze meg, ahol semmit nem fogadok el</translation>
    </message>
    <message>
        <source>%app learns your style sooner but keeps more of what you type.</source>
        <translation>A %app hamarabb megtanulja a stílusát, de többet megőriz abból, amit gépel.</translation>
    </message>
    <message>
        <source>Influence</source>
        <translation>Befolyás</translation>
    </message>
    <message>
        <source>Strong</source>
        <translation>Erős</translation>
    </message>
    <message>
        <source>How many of your passages each suggestion can draw on.</source>
        <translation>Hány szövegrészletére támaszkodhat egy-egy javaslat.</translation>
    </message>
    <message>
        <source>Erase All…</source>
        <translation>Összes törlése…</translation>
    </message>
    <message>
        <source>Erase everything %app remembered?</source>
        <translation>Törli mindazt, amit a %app megjegyzett?</translation>
    </message>
    <message>
        <source>This can&apos;t be undone.</source>
        <translation>Ez nem vonható vissza.</translation>
    </message>
    <message>
        <source>Erase All</source>
        <translation>Összes törlése</translation>
    </message>
    <message>
        <source>Nothing remembered yet</source>
        <translation>Még nincs megjegyzett szöveg</translation>
    </message>
    <message>
        <source>App and window name</source>
        <translation>Alkalmazás és ablak neve</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>Webhely</translation>
    </message>
    <message>
        <source>The site&apos;s domain when you write in a browser.</source>
        <translation>A webhely tartománya, amikor böngészőben ír.</translation>
    </message>
    <message>
        <source>Recently copied text</source>
        <translation>Nemrég másolt szöveg</translation>
    </message>
    <message>
        <source>Anything you copied in the last 10 minutes. Copies from password managers are skipped.</source>
        <translation>Bármi, amit az elmúlt 10 percben másolt. A jelszókezelőkből származó másolatok kimaradnak.</translation>
    </message>
    <message>
        <source>Text on screen</source>
        <translation>Szöveg a képernyőn</translation>
    </message>
    <message>
        <source>Reads the window you&apos;re writing in, so replies fit the conversation. It picks the lines closest to where you type.</source>
        <translation>Elolvassa az ablakot, amelyben ír, hogy a válaszok illeszkedjenek a beszélgetéshez. A gépelés helyéhez legközelebbi sorokat választja.</translation>
    </message>
    <message>
        <source>What you just looked at</source>
        <translation>Amit az imént nézett</translation>
    </message>
    <message>
        <source>Windows beside you</source>
        <translation>Szomszédos ablakok</translation>
    </message>
    <message>
        <source>Also reads up to two other windows on the same screen, like the document you&apos;re replying about. Skips password managers and apps you switched off.</source>
        <translation>Legfeljebb két másik ablakot is elolvas ugyanazon a képernyőn, például a dokumentumot, amelyről a válasza szól. Kihagyja a jelszókezelőket és a kikapcsolt alkalmazásokat.</translation>
    </message>
    <message>
        <source>Off in this app</source>
        <translation>Ebben az alkalmazásban ki</translation>
    </message>
    <message>
        <source>This word looks misspelled</source>
        <translation>Ez a szó elírtnak tűnik</translation>
    </message>
    <message>
        <source>Thanks for the notes. I&apos;ll send the revised deck</source>
        <translation>Köszi a jegyzeteket. Az átdolgozott diákat elküldöm</translation>
    </message>
    <message>
        <source> by Friday morning.</source>
        <translation> péntek reggelig.</translation>
    </message>
    <message>
        <source>%1 quit. %app has the Tab key.</source>
        <translation>Kilépett: %1. A Tab billentyű a %app programé.</translation>
    </message>
    <message>
        <source>Open Data Folder</source>
        <translation>Adatmappa megnyitása</translation>
    </message>
    <message>
        <source>Show Welcome Again</source>
        <translation>Üdvözlés újbóli megjelenítése</translation>
    </message>
    <message>
        <source>Play Intro Again</source>
        <translation>Bevezető újbóli lejátszása</translation>
    </message>
    <message>
        <source>Reset Settings…</source>
        <translation>Beállítások visszaállítása…</translation>
    </message>
    <message>
        <source>Suggest in every app</source>
        <translation>Javaslatok minden alkalmazásban</translation>
    </message>
    <message>
        <source>Suggest in code editors</source>
        <translation>Javaslatok kódszerkesztőkben</translation>
    </message>
    <message>
        <source>Suggest in the middle of a line</source>
        <translation>Javaslatok a sor közepén</translation>
    </message>
    <message>
        <source>Suggest in small fields</source>
        <translation>Javaslatok kis mezőkben</translation>
    </message>
    <message>
        <source>Hold back on misspelled words</source>
        <translation>Visszafogás elírt szavaknál</translation>
    </message>
    <message>
        <source>Offer spelling fixes</source>
        <translation>Helyesírási javítások felajánlása</translation>
    </message>
    <message>
        <source>Show the key hint</source>
        <translation>Billentyűtipp megjelenítése</translation>
    </message>
    <message>
        <source>Quit other autocomplete apps when they open</source>
        <translation>Más automatikus kiegészítők bezárása induláskor</translation>
    </message>
    <message>
        <source>Keeps a few minutes of text from windows you switched away from, like a page you read before replying. It stays on your computer and skips apps you switched off.</source>
        <translation>Néhány percnyi szöveget megőriz azokból az ablakokból, amelyekből átváltott, például egy oldalt, amelyet a válasz előtt olvasott. A számítógépén marad, és kihagyja a kikapcsolt alkalmazásokat.</translation>
    </message>
    <message numerus="yes">
        <source>Both apps answer the Tab key, and the system gives it to %1 first. %app stays paused in your other apps until %1 quits.</source>
        <translation>
            <numerusform>A Tab billentyűt a %app előtt foglalja le: %1. Ezért a %app szünetel a többi alkalmazásban, amíg be nem zárja.</numerusform>
        </translation>
    </message>
    <message>
        <source>Finishes your sentences in any app, on your computer.</source>
        <translation>Befejezi a mondatait bármely alkalmazásban, a saját számítógépén.</translation>
    </message>
    <message>
        <source>Keeps short passages from fields where you accepted a suggestion, encrypted on this computer, and shows them to the model as examples.</source>
        <translation>Rövid szövegrészleteket őriz meg azokból a mezőkből, ahol javaslatot fogadott el, titkosítva ezen a számítógépen, és példaként mutatja meg őket a modellnek.</translation>
    </message>
    <message>
        <source>Light</source>
        <comment>skin tone</comment>
        <translation>Világos</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Default</source>
        <comment>skin tone</comment>
        <translation>Alapértelmezett</translation>
    </message>
    <message>
        <source>Medium light</source>
        <comment>skin tone</comment>
        <translation>Közepesen világos</translation>
    </message>
    <message>
        <source>Medium</source>
        <comment>skin tone</comment>
        <translation>Közepes</translation>
    </message>
    <message>
        <source>Medium dark</source>
        <comment>skin tone</comment>
        <translation>Közepesen sötét</translation>
    </message>
    <message>
        <source>Dark</source>
        <comment>skin tone</comment>
        <translation>Sötét</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Ismeretlen</translation>
    </message>
    <message>
        <source>%1 × %2 pt</source>
        <translation>%1 × %2 pt</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nem</translation>
    </message>
    <message>
        <source>Not reported, estimated from the caret</source>
        <translation>Nincs jelezve, a kurzorból becsülve</translation>
    </message>
    <message>
        <source>%1 %2 pt</source>
        <translation>%1 %2 pt</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Rendszer</translation>
    </message>
    <message>
        <source>Not yet</source>
        <translation>Még nem</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Ma</translation>
    </message>
    <message>
        <source>Last 7 days</source>
        <translation>Elmúlt 7 nap</translation>
    </message>
    <message>
        <source>All time</source>
        <translation>Összesen</translation>
    </message>
    <message>
        <source>Typing saved</source>
        <translation>Megspórolt gépelés</translation>
    </message>
    <message>
        <source>at 40 words a minute</source>
        <translation>percenként 40 szóval számolva</translation>
    </message>
    <message>
        <source>Accepted</source>
        <translation>Elfogadva</translation>
    </message>
    <message>
        <source>of suggestions shown</source>
        <translation>a megjelenített javaslatokból</translation>
    </message>
    <message>
        <source>Typical wait</source>
        <translation>Szokásos várakozás</translation>
    </message>
    <message>
        <source>9 in 10 under %1</source>
        <translation>10-ből 9 %1 alatt</translation>
    </message>
    <message>
        <source>no requests yet</source>
        <translation>még nem volt kérés</translation>
    </message>
    <message>
        <source>Words saved</source>
        <translation>Megspórolt szavak</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>Időszak</translation>
    </message>
    <message>
        <source>Nothing to chart yet</source>
        <translation>Még nincs mit ábrázolni</translation>
    </message>
    <message>
        <source>Accept a few suggestions and your days show up here.</source>
        <translation>Fogadjon el néhány javaslatot, és a napjai itt jelennek meg.</translation>
    </message>
    <message>
        <source>Where you write</source>
        <translation>Hol ír</translation>
    </message>
    <message>
        <source>Reset Statistics…</source>
        <translation>Statisztika visszaállítása…</translation>
    </message>
    <message>
        <source>Reset all statistics?</source>
        <translation>Visszaállítja az összes statisztikát?</translation>
    </message>
    <message>
        <source>This clears words saved, acceptance and timing history.</source>
        <translation>Ez törli a megspórolt szavakat, az elfogadási arányt és a várakozási időket.</translation>
    </message>
    <message>
        <source>Copy Diagnostics</source>
        <translation>Diagnosztika másolása</translation>
    </message>
    <message>
        <source>Diagnostics leave out the text you typed.</source>
        <translation>A diagnosztika nem tartalmazza a begépelt szöveget.</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Állapot</translation>
    </message>
    <message>
        <source>Right now</source>
        <translation>Jelenleg</translation>
    </message>
    <message>
        <source>Allowed</source>
        <translation>Engedélyezve</translation>
    </message>
    <message>
        <source>Not allowed</source>
        <translation>Nincs engedélyezve</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Billentyűzet</translation>
    </message>
    <message>
        <source>Listening</source>
        <translation>Figyel</translation>
    </message>
    <message>
        <source>Not listening</source>
        <translation>Nem figyel</translation>
    </message>
    <message>
        <source>Focused field</source>
        <translation>Aktív mező</translation>
    </message>
    <message>
        <source>Click into a text field in another app, then come back. The last field %1 saw stays here.</source>
        <translation>Kattintson egy másik alkalmazás szövegmezőjébe, majd térjen vissza. Az utolsó mező, amelyet a(z) %1 látott, itt marad.</translation>
    </message>
    <message>
        <source>App</source>
        <translation>Alkalmazás</translation>
    </message>
    <message>
        <source>Field type</source>
        <translation>Mezőtípus</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>Ablak</translation>
    </message>
    <message>
        <source>Field size</source>
        <translation>Mezőméret</translation>
    </message>
    <message>
        <source>Caret found</source>
        <translation>Kurzor megtalálva</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Betűtípus</translation>
    </message>
    <message>
        <source>At end of line</source>
        <translation>A sor végén</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Igen</translation>
    </message>
    <message>
        <source>Secure input</source>
        <translation>Biztonságos bevitel</translation>
    </message>
    <message>
        <source>Looked at lately</source>
        <translation>Nemrég megtekintve</translation>
    </message>
    <message>
        <source>Text before the caret</source>
        <translation>Szöveg a kurzor előtt</translation>
    </message>
    <message>
        <source>Last request</source>
        <translation>Utolsó kérés</translation>
    </message>
    <message>
        <source>Wait</source>
        <translation>Várakozás</translation>
    </message>
    <message>
        <source>Suggestion</source>
        <translation>Javaslat</translation>
    </message>
    <message>
        <source>Prompt sent to the engine</source>
        <translation>A motornak küldött prompt</translation>
    </message>
    <message>
        <source>Raw answer</source>
        <translation>Nyers válasz</translation>
    </message>
    <message>
        <source>(empty)</source>
        <translation>(üres)</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>Másolva</translation>
    </message>
    <message>
        <source>Choose a language</source>
        <translation>Nyelv kiválasztása</translation>
    </message>
    <message>
        <source>Search languages</source>
        <translation>Nyelvek keresése</translation>
    </message>
    <message>
        <source>Same as my computer</source>
        <translation>A rendszer nyelve</translation>
    </message>
    <message>
        <source>Switch to %1?</source>
        <translation>Átvált erre: %1?</translation>
    </message>
    <message>
        <source>%1 closes and opens again in a second. Your settings stay as they are.</source>
        <translation>A(z) %1 bezárul, és egy pillanat múlva újra megnyílik. A beállítások nem változnak.</translation>
    </message>
    <message>
        <source>Reopen Now</source>
        <translation>Újranyitás most</translation>
    </message>
    <message>
        <source>App language</source>
        <translation>Alkalmazás nyelve</translation>
    </message>
    <message>
        <source>Pick the language you read most easily. Suggestions follow whatever language you type.</source>
        <translation>Válassza azt a nyelvet, amelyen a legkönnyebben olvas. A javaslatok azt a nyelvet követik, amelyen gépel.</translation>
    </message>
    <message>
        <source>Change the app language</source>
        <translation>Az alkalmazás nyelvének módosítása</translation>
    </message>
    <message>
        <source>0 min</source>
        <translation>0 perc</translation>
    </message>
    <message>
        <source>under a minute</source>
        <translation>kevesebb mint egy perc</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 mp</translation>
    </message>
    <message>
        <source>Not set</source>
        <translation>Nincs beállítva</translation>
    </message>
    <message>
        <source>Clear shortcut</source>
        <translation>Billentyűparancs törlése</translation>
    </message>
    <message>
        <source>Add Ctrl, Alt or Super so normal typing still works.</source>
        <translation>Adjon hozzá Ctrl, Alt vagy Super billentyűt, hogy a normál gépelés továbbra is működjön.</translation>
    </message>
    <message>
        <source>Type a shortcut…</source>
        <translation>Nyomja le a billentyűparancsot…</translation>
    </message>
    <message>
        <source>Recording shortcut</source>
        <translation>Billentyűparancs rögzítése</translation>
    </message>
    <message>
        <source>Shortcut %1</source>
        <translation>Billentyűparancs: %1</translation>
    </message>
    <message>
        <source>Record shortcut</source>
        <translation>Billentyűparancs rögzítése</translation>
    </message>
    <message>
        <source>Shortcut not set</source>
        <translation>Nincs billentyűparancs beállítva</translation>
    </message>
    <message>
        <source>Press to record a new shortcut. Escape cancels.</source>
        <translation>Kattintson egy új billentyűparancs rögzítéséhez. Az Escape megszakítja.</translation>
    </message>
    <message>
        <source>Your tray icon is hidden</source>
        <translation>A tálcaikon rejtve van</translation>
    </message>
    <message>
        <source>This computer has no on-device language model</source>
        <translation>Ezen a számítógépen nincs beépített nyelvi modell</translation>
    </message>
    <message>
        <source>Turn on the on-device model in the desktop&apos;s settings</source>
        <translation>Kapcsolja be a beépített modellt az asztal beállításaiban</translation>
    </message>
    <message>
        <source>The on-device model is unavailable</source>
        <translation>A beépített modell nem érhető el</translation>
    </message>
    <message>
        <source>Downloading. The on-device model fills in until it&apos;s done.</source>
        <translation>Letöltés folyamatban. Addig a beépített modell helyettesít.</translation>
    </message>
    <message>
        <source>The on-device model fills in until you download it.</source>
        <translation>Amíg le nem tölti, a beépített modell helyettesít.</translation>
    </message>
    <message>
        <source>%1 shares no text. Quit it and start it with %2 to get suggestions in it.</source>
        <translation>Ez nem oszt meg szöveget: %1. Lépjen ki belőle, és indítsa el ezzel: %2, hogy javaslatokat kapjon benne.</translation>
    </message>
    <message>
        <source>On-device model</source>
        <translation>Beépített modell</translation>
    </message>
    <message>
        <source>The system&apos;s own language model. Nothing to download.</source>
        <translation>A rendszer saját nyelvi modellje. Nincs mit letölteni.</translation>
    </message>
    <message>
        <source>A website name cannot hold spaces, tabs or line breaks.</source>
        <translation>A webhely neve nem tartalmazhat szóközt, tabulátort vagy sortörést.</translation>
    </message>
    <message>
        <source>Only addresses that start with http or https can be added.</source>
        <translation>Csak http vagy https kezdetű címek adhatók hozzá.</translation>
    </message>
    <message>
        <source>That is not a website name. Type one such as wikipedia.org.</source>
        <translation>Ez nem webhelynév. Írjon be egyet, például: wikipedia.org.</translation>
    </message>
    <message>
        <source>A port is a number from 1 to 65535.</source>
        <translation>A port egy szám 1 és 65535 között.</translation>
    </message>
    <message>
        <source>The on-device model fills in until the download is done.</source>
        <translation>Amíg a letöltés be nem fejeződik, a beépített modell helyettesít.</translation>
    </message>
    <message>
        <source>Suggestions start once the download is done.</source>
        <translation>A javaslatok a letöltés befejeztével indulnak.</translation>
    </message>
    <message>
        <source>This frees %1. The on-device model fills in until you download it again.</source>
        <translation>Ez %1 helyet szabadít fel. Amíg újra le nem tölti, a beépített modell helyettesít.</translation>
    </message>
    <message>
        <source>This frees %1. The %app model can&apos;t suggest until you download it again.</source>
        <translation>Ez %1 helyet szabadít fel. A %app modell nem tud javasolni, amíg újra le nem tölti.</translation>
    </message>
    <message>
        <source>There&apos;s no room for it, or your panel has no system tray. Add the panel&apos;s system tray or status area applet in its settings.</source>
        <translation>Nincs neki hely, vagy a panelen nincs rendszertálca. Adja hozzá a panel beállításaiban a rendszertálca vagy az állapotterület kisalkalmazást.</translation>
    </message>
    <message>
        <source>GNOME shows tray icons only with the AppIndicator extension. Install the gnome-shell-extension-appindicator package, log out and in, then turn it on in Extensions.</source>
        <translation>A GNOME csak az AppIndicator kiterjesztéssel mutat tálcaikonokat. Telepítse a gnome-shell-extension-appindicator csomagot, jelentkezzen ki és be, majd kapcsolja be a Kiterjesztésekben.</translation>
    </message>
    <message>
        <source>GNOME shows tray icons only with the AppIndicator extension. It is installed but off: turn it on in Extensions.</source>
        <translation>A GNOME csak az AppIndicator kiterjesztéssel mutat tálcaikonokat. Telepítve van, de ki van kapcsolva: kapcsolja be a Kiterjesztésekben.</translation>
    </message>
    <message>
        <source>Until then, open %app from your applications menu to reach Settings.</source>
        <translation>Addig a Beállítások eléréséhez nyissa meg a %app programot az alkalmazásmenüből.</translation>
    </message>
    <message>
        <source>Open Extensions</source>
        <translation>Kiterjesztések megnyitása</translation>
    </message>
    <message>
        <source>Show Count in Tray</source>
        <translation>Szám megjelenítése a rendszertálcán</translation>
    </message>
    <message>
        <source>%1 shares no text</source>
        <translation>Nem oszt meg szöveget: %1</translation>
    </message>
    <message>
        <source>Copy command</source>
        <translation>Parancs másolása</translation>
    </message>
    <message>
        <source>There&apos;s no account and no analytics. With the %app model or the on-device model, your text stays on this computer.</source>
        <translation>Nincs fiók, és nincs használati adatgyűjtés. A %app modellel vagy a beépített modellel a szövege ezen a számítógépen marad.</translation>
    </message>
    <message>
        <source>There&apos;s no account and no analytics. With the %app model, your text stays on this computer.</source>
        <translation>Nincs fiók, és nincs használati adatgyűjtés. A %app modellel a szövege ezen a számítógépen marad.</translation>
    </message>
    <message>
        <source>%app lives in your system tray from now on. Click its icon to pause it in an app or open Settings.</source>
        <translation>A %app mostantól a rendszertálcán lakik. Kattintson az ikonjára, ha szüneteltetné egy alkalmazásban, vagy megnyitná a Beállításokat.</translation>
    </message>
    <message>
        <source>%app has no account, no analytics and no servers of its own. The %app model and the on-device model keep your text on this computer. Other engines get it only if you set one up.</source>
        <translation>A %app programnak nincs fiókja, nem gyűjt használati adatokat, és nincs saját szervere. A %app modell és a beépített modell ezen a számítógépen tartja a szövegét. Más motorok csak akkor kapják meg, ha beállít egyet.</translation>
    </message>
    <message>
        <source>%app has no account, no analytics and no servers of its own. The %app model keeps your text on this computer. Other engines get it only if you set one up.</source>
        <translation>A %app programnak nincs fiókja, nem gyűjt használati adatokat, és nincs saját szervere. A %app modell ezen a számítógépen tartja a szövegét. Más motorok csak akkor kapják meg, ha beállít egyet.</translation>
    </message>
    <message>
        <source>Installed applications</source>
        <translation>Telepített alkalmazások</translation>
    </message>
    <message>
        <source>%app reads these only while making a suggestion and never saves them. With the %app model or the on-device model, nothing leaves your computer.</source>
        <translation>A %app ezeket csak javaslatkészítés közben olvassa, és soha nem menti. A %app modellel vagy a beépített modellel semmi sem hagyja el a számítógépet.</translation>
    </message>
    <message>
        <source>%app reads these only while making a suggestion and never saves them. With the %app model, nothing leaves your computer.</source>
        <translation>A %app ezeket csak javaslatkészítés közben olvassa, és soha nem menti. A %app modellel semmi sem hagyja el a számítógépet.</translation>
    </message>
    <message>
        <source>The %app model keeps your text on this computer.</source>
        <translation>A %app modell ezen a számítógépen tartja a szövegét.</translation>
    </message>
    <message>
        <source>The key holds a line break or another control character. Paste it again without them.</source>
        <translation>A kulcs sortörést vagy más vezérlőkaraktert tartalmaz. Illessze be újra ezek nélkül.</translation>
    </message>
    <message>
        <source>Waiting for the keyring to store the key.</source>
        <translation>Várakozás, hogy a kulcstartó eltárolja a kulcsot.</translation>
    </message>
    <message>
        <source>The keyring cannot keep this key, so it is used only until %app quits.</source>
        <translation>A kulcstartó nem tudja megőrizni ezt a kulcsot, ezért csak a %app bezárásáig használható.</translation>
    </message>
    <message>
        <source>Show in the system tray</source>
        <translation>Megjelenítés a rendszertálcán</translation>
    </message>
    <message>
        <source>Pause or open Settings from the system tray. Hidden? Open %app from your applications menu to come back.</source>
        <translation>Szüneteltetés vagy a Beállítások megnyitása a rendszertálcáról. Rejtve van? Nyissa meg a %app programot az alkalmazásmenüből.</translation>
    </message>
    <message>
        <source>This tray can&apos;t show text beside icons, so the count shows in the icon&apos;s tooltip.</source>
        <translation>Ez a tálca nem tud szöveget mutatni az ikonok mellett, ezért a szám az ikon buboréksúgójában látszik.</translation>
    </message>
    <message>
        <source>VS Code, VSCodium, Cursor, Zed, Kate, Sublime Text, JetBrains IDEs and similar apps.</source>
        <translation>VS Code, VSCodium, Cursor, Zed, Kate, Sublime Text, JetBrains IDE-k és hasonló alkalmazások.</translation>
    </message>
    <message>
        <source>Your settings could not be read, so they were set aside and %app started over with its defaults.</source>
        <translation>A beállításokat nem sikerült beolvasni, ezért a %app félretette őket, és az alapértelmezésekkel indult újra.</translation>
    </message>
    <message>
        <source>Your settings are not saved: %app cannot write to its settings folder.</source>
        <translation>A beállítások nincsenek mentve: a %app nem tud írni a beállítások mappájába.</translation>
    </message>
    <message>
        <source>Your app and website rules could not be read, so they were set aside.</source>
        <translation>Az alkalmazás- és webhelyszabályokat nem sikerült beolvasni, ezért a fájljuk félre került.</translation>
    </message>
    <message>
        <source>Your statistics could not be read, so they were set aside and counting started over.</source>
        <translation>A statisztikát nem sikerült beolvasni, ezért a fájlja félre került, és a számlálás újrakezdődött.</translation>
    </message>
    <message>
        <source>Not saved: %app cannot write to its data folder.</source>
        <translation>Nincs mentve: a %app nem tud írni az adatmappájába.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln suggestions. %1 selected</source>
        <translation>
            <numerusform>%Ln javaslat. Kijelölve: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln min</source>
        <translation>
            <numerusform>%Ln perc</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln words</source>
        <translation>
            <numerusform>%Ln szó</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln passages from here</source>
        <translation>
            <numerusform>%Ln szövegrészlet ebből az alkalmazásból</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>words</source>
        <comment>unit after a count</comment>
        <translation>
            <numerusform>szó</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln days</source>
        <translation>
            <numerusform>%Ln nap</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Words saved per day over the last %Ln days</source>
        <translation>
            <numerusform>Naponta megspórolt szavak az elmúlt %Ln napban</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln day streak</source>
        <translation>
            <numerusform>%Ln napos sorozat</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln passages remembered</source>
        <translation>
            <numerusform>%Ln szövegrészlet megjegyezve</numerusform>
        </translation>
    </message>
    <message>
        <source>enter</source>
        <translation>enter</translation>
    </message>
    <message>
        <source>Allow screen capture so %app can read those too. Most apps work without it.</source>
        <translation>Engedélyezze a képernyőtartalom rögzítését, hogy a %app ezeket is olvashassa. A legtöbb alkalmazás enélkül is működik.</translation>
    </message>
    <message>
        <source>Type a colon and a word, like :rocket, then press Tab or Enter to pick.</source>
        <translation>Írjon be egy kettőspontot és egy szót, például :rocket, majd válasszon a Tab vagy az Enter billentyűvel.</translation>
    </message>
    <message>
        <source>You can switch memory off for single apps under Apps &amp; Sites. The key that unlocks it lives in your keyring.</source>
        <translation>A memóriát egyes alkalmazásokra kikapcsolhatja az „Alkalmazások és webhelyek” lapon. A feloldó kulcs a kulcstartójában van.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln emoji. %1 selected</source>
        <translation>
            <numerusform>%Ln emoji. Kijelölve: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Suggestion: %1</source>
        <translation>Javaslat: %1</translation>
    </message>
    <message numerus="yes">
        <source>%Ln models available</source>
        <translation>
            <numerusform>%Ln modell érhető el</numerusform>
        </translation>
    </message>
    <message>
        <source>The model couldn&apos;t be saved: %1</source>
        <translation>A modellt nem sikerült menteni: %1</translation>
    </message>
    <message>
        <source>Ollama isn&apos;t running.</source>
        <translation>Az Ollama nem fut.</translation>
    </message>
    <message>
        <source>Ollama isn&apos;t running at %1.</source>
        <translation>Az Ollama nem fut ezen a címen: %1.</translation>
    </message>
    <message>
        <source>No server answered.</source>
        <translation>Egy szerver sem válaszolt.</translation>
    </message>
    <message>
        <source>No server answered at %1.</source>
        <translation>Egy szerver sem válaszolt ezen a címen: %1.</translation>
    </message>
    <message>
        <source>Range: %1</source>
        <translation>Időszak: %1</translation>
    </message>
    <message numerus="yes">
        <source>%1, %Ln to do</source>
        <translation>
            <numerusform>%1, hátravan: %Ln</numerusform>
        </translation>
    </message>
    <message>
        <source>Type the whole name of the website, such as wikipedia.org.</source>
        <translation>Írja be a webhely teljes nevét, például: wikipedia.org.</translation>
    </message>
    <message>
        <source>The key holds a space, an invisible character or a letter outside plain ASCII. Paste it again exactly as your server gave it.</source>
        <translation>A kulcs szóközt, láthatatlan karaktert vagy az egyszerű ASCII-n kívüli betűt tartalmaz. Illessze be újra pontosan úgy, ahogy a szerver adta.</translation>
    </message>
    <message>
        <source>The keyring could not be read, so your server is asked without an API key. Type the key again if your server needs one.</source>
        <translation>A kulcstartót nem sikerült beolvasni, ezért a szerver API-kulcs nélkül kap kérést. Ha a szervernek kell kulcs, írja be újra.</translation>
    </message>
    <message>
        <source>Your writing memory could not be opened, so it was set aside and %app started a new one.</source>
        <translation>Az írásmemóriát nem sikerült megnyitni, ezért a %app félretette, és újat kezdett.</translation>
    </message>
    <message>
        <source>%1, converted for llama.cpp by %2</source>
        <translation>%1, llama.cpp-hez átalakította: %2</translation>
    </message>
    <message>
        <source>The data folder %1 could not be made. Check that the folder above it exists and that you may write there.</source>
        <translation>A(z) %1 adatmappát nem sikerült létrehozni. Ellenőrizze, hogy a fölötte lévő mappa létezik-e, és hogy írhat-e bele.</translation>
    </message>
    <message>
        <source>party</source>
        <comment>emoji search sample</comment>
        <translation>buli</translation>
    </message>
    <message numerus="yes">
        <source>%Ln settings held values %app cannot use, so they were corrected and saved.</source>
        <translation>
            <numerusform>%Ln beállítás olyan értéket tartalmazott, amelyet a %app nem tud használni, ezért kijavította és elmentette.</numerusform>
        </translation>
    </message>
    <message>
        <source>Your writing memory is not saved: the keyring is missing or locked, so its key cannot be kept.</source>
        <translation>Az írásmemória nincs mentve: a kulcstartó hiányzik vagy zárolva van, így a kulcsát nem lehet megőrizni.</translation>
    </message>
    <message>
        <source>That address isn&apos;t valid</source>
        <translation>Ez a cím nem érvényes</translation>
    </message>
    <message>
        <source>The request timed out.</source>
        <translation>A kérés túllépte az időkorlátot.</translation>
    </message>
    <message>
        <source>The server&apos;s reply was too long, so it was stopped.</source>
        <translation>A szerver válasza túl hosszú volt, ezért a fogadása megszakadt.</translation>
    </message>
    <message>
        <source>The server answered %1.</source>
        <translation>A szerver ezt válaszolta: %1.</translation>
    </message>
    <message>
        <source>The server answered %1: %2</source>
        <translation>A szerver ezt válaszolta: %1: %2</translation>
    </message>
    <message>
        <source>The download server answered %1. Try again later.</source>
        <translation>A letöltési szerver ezt válaszolta: %1. Próbálja újra később.</translation>
    </message>
    <message>
        <source>The download couldn&apos;t be saved: %1</source>
        <translation>A letöltést nem sikerült menteni: %1</translation>
    </message>
    <message>
        <source>The download paused because the connection dropped. Try again to pick up where it stopped.</source>
        <translation>A letöltés szünetel, mert megszakadt a kapcsolat. Próbálja újra, és ott folytatódik, ahol abbamaradt.</translation>
    </message>
    <message>
        <source>The download stopped. Check your connection, then try again.</source>
        <translation>A letöltés leállt. Ellenőrizze a kapcsolatot, majd próbálja újra.</translation>
    </message>
    <message>
        <source>Pick an Ollama model in Settings</source>
        <translation>Válasszon Ollama-modellt a Beállításokban</translation>
    </message>
    <message>
        <source>Pick a model for your local server</source>
        <translation>Válasszon modellt a helyi szerveréhez</translation>
    </message>
    <message>
        <source>The server&apos;s answer is not HTTP.</source>
        <translation>A szerver válasza nem HTTP.</translation>
    </message>
    <message>
        <source>The data couldn&apos;t be read because it is missing.</source>
        <translation>Az adatok nem olvashatók, mert hiányoznak.</translation>
    </message>
    <message>
        <source>The data couldn&apos;t be read because it isn&apos;t in the correct format.</source>
        <translation>Az adatok nem olvashatók, mert nem megfelelő a formátumuk.</translation>
    </message>
    <message>
        <source>:%1:</source>
        <comment>emoji name</comment>
        <translation>:%1:</translation>
    </message>
    <message>
        <source>This computer has no on-device language model.</source>
        <translation>Ezen a számítógépen nincs beépített nyelvi modell.</translation>
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
        <translation>Szüneteltetve itt: %1</translation>
    </message>
    <message>
        <source>Paused in %1</source>
        <translation>Szüneteltetve itt: %1</translation>
    </message>
    <message>
        <source>Off on %1</source>
        <translation>Kikapcsolva itt: %1</translation>
    </message>
    <message>
        <source>Off in %1</source>
        <translation>Kikapcsolva itt: %1</translation>
    </message>
    <message>
        <source>Off in %1 by default</source>
        <translation>Alapértelmezetten kikapcsolva itt: %1</translation>
    </message>
    <message>
        <source>Off in code editors</source>
        <translation>Kikapcsolva kódszerkesztőkben</translation>
    </message>
    <message>
        <source>Off unless turned on per app</source>
        <translation>Kikapcsolva, hacsak nincs apponként bekapcsolva</translation>
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
        <translation>Szóköz</translation>
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
        <translation>%1. billentyű</translation>
    </message>
    <message>
        <source>An email reply reads differently from a commit message.</source>
        <translation>Egy e-mailre adott válasz másképp szól, mint egy commitüzenet.</translation>
    </message>
    <message>
        <source>Writes straight into the field. Cleanest in GTK and Qt apps.</source>
        <translation>Közvetlenül a mezőbe ír. GTK- és Qt-alkalmazásokban a legtisztább.</translation>
    </message>
    <message>
        <source>Typing</source>
        <comment>insertion method</comment>
        <translation>Gépelés</translation>
    </message>
    <message>
        <source>%1 h</source>
        <comment>hours with one decimal, such as 1.5</comment>
        <translation>%1 óra</translation>
    </message>
    <message numerus="yes">
        <source>%Ln h</source>
        <translation>
            <numerusform>%Ln óra</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln ms</source>
        <translation>
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
            <numerusform>Ma %Ln szót spórolt meg</numerusform>
        </translation>
    </message>
    <message>
        <source>Under a minute of typing saved today.</source>
        <translation>Ma kevesebb mint egy percnyi gépelést spórolt meg.</translation>
    </message>
    <message>
        <source>About %1 of typing saved today.</source>
        <translation>Ma körülbelül %1 gépelést spórolt meg.</translation>
    </message>
    <message numerus="yes">
        <source>Step %1 of %Ln</source>
        <translation>
            <numerusform>%1. lépés / %Ln</numerusform>
        </translation>
    </message>
    <message>
        <source>%app reads and types into text fields through the desktop&apos;s accessibility support, which some desktops leave off. %app uses it only for the field you&apos;re writing in.</source>
        <translation>A %app az asztali környezet akadálymentesítési támogatásán keresztül olvassa a szövegmezőket és gépel beléjük; egyes asztali környezetekben ez ki van kapcsolva. A %app csak abban a mezőben használja, amelybe éppen ír.</translation>
    </message>
    <message>
        <source>The button switches the desktop&apos;s accessibility support on. If the desktop&apos;s settings open instead, turn accessibility on there, then come back. This page updates by itself.</source>
        <translation>A gomb bekapcsolja az asztali környezet akadálymentesítési támogatását. Ha helyette az asztali környezet beállításai nyílnak meg, ott kapcsolja be az akadálymentesítést, majd térjen vissza. Ez az oldal magától frissül.</translation>
    </message>
    <message>
        <source>Still off? Some desktops start their accessibility service only when you log in. Log out and back in, then try again.</source>
        <translation>Még mindig ki van kapcsolva? Egyes asztali környezetek csak bejelentkezéskor indítják el az akadálymentesítési szolgáltatást. Jelentkezzen ki, majd be, és próbálja újra.</translation>
    </message>
    <message>
        <source>Pause</source>
        <comment>section header</comment>
        <translation>Szüneteltetés</translation>
    </message>
    <message>
        <source>Pause</source>
        <comment>button</comment>
        <translation>Szüneteltetés</translation>
    </message>
    <message>
        <source>typing</source>
        <comment>insertion method, in a sentence</comment>
        <translation>gépelés</translation>
    </message>
    <message>
        <source>accessibility</source>
        <comment>insertion method, in a sentence</comment>
        <translation>akadálymentesítés</translation>
    </message>
    <message>
        <source>paste</source>
        <comment>insertion method, in a sentence</comment>
        <translation>beillesztés</translation>
    </message>
    <message>
        <source>short</source>
        <comment>suggestion length, in a sentence</comment>
        <translation>rövid</translation>
    </message>
    <message>
        <source>medium</source>
        <comment>suggestion length, in a sentence</comment>
        <translation>közepes</translation>
    </message>
    <message>
        <source>long</source>
        <comment>suggestion length, in a sentence</comment>
        <translation>hosszú</translation>
    </message>
    <message>
        <source>Default follows General: %1, %2 suggestions.</source>
        <translation>Az alapértelmezés az „Általános” lapot követi: %1, %2 javaslatok.</translation>
    </message>
    <message>
        <source>Yes, at %1, %2 on screen, %3 pt tall, %4 and %5</source>
        <translation>Igen, itt: %1, %2 a képernyőn, %3 pt magas, %4 és %5</translation>
    </message>
    <message numerus="yes">
        <source>%Ln characters before it</source>
        <translation>
            <numerusform>előtte %Ln karakter</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln after</source>
        <comment>characters after the caret</comment>
        <translation>
            <numerusform>utána %Ln</numerusform>
        </translation>
    </message>
    <message>
        <source>No system tray runs on this desktop, so the icon cannot show. %1</source>
        <translation>Ezen az asztalon nem fut rendszertálca, ezért az ikon nem jelenhet meg. %1</translation>
    </message>
    <message>
        <source>Typing</source>
        <comment>section header</comment>
        <translation>Gépelés</translation>
    </message>
    <message>
        <source>Switch to the computer&apos;s language?</source>
        <translation>Átvált a számítógép nyelvére?</translation>
    </message>
    <message numerus="yes">
        <source>%Ln words this week.</source>
        <translation>
            <numerusform>%Ln szó ezen a héten.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Under a minute of typing saved today. %Ln words this week.</source>
        <translation>
            <numerusform>Ma kevesebb mint egy percnyi gépelést spórolt meg. %Ln szó ezen a héten.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>About %1 of typing saved today. %Ln words this week.</source>
        <translation>
            <numerusform>Ma körülbelül %1 gépelést spórolt meg. %Ln szó ezen a héten.</numerusform>
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
            <numerusform>%Ln / %1 kész</numerusform>
        </translation>
    </message>
    <message>
        <source>The server refused the connection. Check that it is running and that the address is right.</source>
        <translation>A szerver elutasította a kapcsolatot. Ellenőrizze, hogy fut-e, és hogy helyes-e a cím.</translation>
    </message>
    <message>
        <source>The server&apos;s name couldn&apos;t be found. Check the address.</source>
        <translation>A szerver neve nem található. Ellenőrizze a címet.</translation>
    </message>
    <message>
        <source>A secure connection to the server couldn&apos;t be made.</source>
        <translation>Nem sikerült biztonságos kapcsolatot létesíteni a szerverrel.</translation>
    </message>
    <message>
        <source>The server closed the connection before it answered.</source>
        <translation>A szerver bontotta a kapcsolatot, mielőtt válaszolt volna.</translation>
    </message>
    <message>
        <source>The network proxy couldn&apos;t be reached.</source>
        <translation>A hálózat proxyja nem érhető el.</translation>
    </message>
    <message>
        <source>The server couldn&apos;t be reached.</source>
        <translation>A szerver nem érhető el.</translation>
    </message>
    <message>
        <source>Waiting for the network…</source>
        <translation>Várakozás a hálózatra…</translation>
    </message>
    <message>
        <source>%1 is taken by another program.</source>
        <translation>A(z) %1 billentyűparancsot már egy másik program használja.</translation>
    </message>
    <message>
        <source>%1 could not open again. Your choice takes effect the next time you start it.</source>
        <translation>A(z) %1 nem tudott újra megnyílni. A választása a következő indításkor lép életbe.</translation>
    </message>
    <message>
        <source>Downloading the model</source>
        <translation>A modell letöltése</translation>
    </message>
    <message numerus="yes">
        <source>These apps answer the Tab key before %app can, so %app stays paused in your other apps until they quit.</source>
        <translation>
            <numerusform>Ezek az alkalmazások a %app előtt reagálnak a Tab billentyűre, ezért a %app szünetel a többi alkalmazásban, amíg be nem záródnak.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>It may be waiting on a dialog of its own. Force Quit closes it right away.</source>
        <translation>
            <numerusform>Lehet, hogy egy saját párbeszédablakra vár. A „Kényszerített kilépés” azonnal bezárja.</numerusform>
        </translation>
    </message>
    <message>
        <source>Set a Suggest Now shortcut in Keys to ask for suggestions</source>
        <translation>Javaslatok kéréséhez állítson be „Javaslat most” billentyűparancsot a „Billentyűk” lapon</translation>
    </message>
    <message>
        <source>Backspace</source>
        <comment>key above Enter that deletes backwards</comment>
        <translation>Backspace</translation>
    </message>
    <message>
        <source>0 words saved today</source>
        <translation>Ma 0 szót spórolt meg</translation>
    </message>
    <message>
        <source>words saved today</source>
        <comment>beside the count 0</comment>
        <translation>megspórolt szó ma</translation>
    </message>
    <message>
        <source>Quit the other app</source>
        <translation>Kilépés a másik alkalmazásból</translation>
    </message>
    <message>
        <source>None yet</source>
        <comment>no app looked at yet</comment>
        <translation>Még nincs</translation>
    </message>
    <message>
        <source>None yet</source>
        <comment>no suggestion shown yet</comment>
        <translation>Még nincs</translation>
    </message>
    <message>
        <source>The other app is also running</source>
        <translation>A másik alkalmazás is fut</translation>
    </message>
    <message>
        <source>Both apps answer the Tab key, and the system gives it to the other app first. %app stays paused in your other apps until the other app quits.</source>
        <translation>Mindkét alkalmazás reagál a Tab billentyűre, és a rendszer először a másik alkalmazásnak adja. Ezért a %app szünetel a többi alkalmazásban, amíg a másik alkalmazás ki nem lép.</translation>
    </message>
    <message>
        <source>The other app is still open</source>
        <translation>A másik alkalmazás még mindig nyitva van</translation>
    </message>
    <message>
        <source>The other app quit, so your suggestions are back in every app.</source>
        <translation>A másik alkalmazás kilépett. A javaslatok újra minden alkalmazásban működnek.</translation>
    </message>
    <message>
        <source>The other app quit. %app has the Tab key.</source>
        <translation>A másik alkalmazás kilépett. A Tab billentyű a %app programé.</translation>
    </message>
</context>
</TS>
