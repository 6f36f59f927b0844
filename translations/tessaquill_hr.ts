<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hr" sourcelanguage="en">
<context>
    <name>Tessaquill</name>
    <message>
        <source>Accessibility is on. %app is ready in your other apps.</source>
        <translation>Pristupačnost je uključena. %app je spreman u vašim drugim aplikacijama.</translation>
    </message>
    <message>
        <source>Paused while %1 is open</source>
        <translation>Pauzirano dok je otvoreno: %1</translation>
    </message>
    <message>
        <source>Welcome to %app</source>
        <translation>Dobro došli u %app</translation>
    </message>
    <message>
        <source>%app</source>
        <translation>%app</translation>
    </message>
    <message>
        <source>Another autocomplete app is running</source>
        <translation>Pokrenuta je druga aplikacija za automatsko dovršavanje</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Spremno</translation>
    </message>
    <message>
        <source>Waiting for a pause</source>
        <translation>Čeka stanku</translation>
    </message>
    <message>
        <source>Thinking</source>
        <translation>Razmišlja</translation>
    </message>
    <message>
        <source>Showing a suggestion</source>
        <translation>Prikazuje prijedlog</translation>
    </message>
    <message>
        <source>The model took too long to answer</source>
        <translation>Model je predugo odgovarao</translation>
    </message>
    <message>
        <source>This app doesn&apos;t report where the caret is</source>
        <translation>Ova aplikacija ne javlja gdje je kursor</translation>
    </message>
    <message>
        <source>%app is turned off</source>
        <translation>%app je isključen</translation>
    </message>
    <message>
        <source>Secure input is on, so %app stays out</source>
        <translation>Sigurni unos je uključen pa se %app ne miješa</translation>
    </message>
    <message>
        <source>Press %1 for a suggestion</source>
        <translation>Pritisnite %1 za prijedlog</translation>
    </message>
    <message>
        <source>Text is selected</source>
        <translation>Tekst je odabran</translation>
    </message>
    <message>
        <source>The caret is inside existing text</source>
        <translation>Kursor je unutar postojećeg teksta</translation>
    </message>
    <message>
        <source>This field is too small</source>
        <translation>Ovo je polje premalo</translation>
    </message>
    <message>
        <source>Waiting for a few characters</source>
        <translation>Čeka nekoliko znakova</translation>
    </message>
    <message>
        <source>Start of a new line</source>
        <translation>Početak novog retka</translation>
    </message>
    <message>
        <source>The model is still downloading</source>
        <translation>Model se još preuzima</translation>
    </message>
    <message>
        <source>Download the %app model in Settings first</source>
        <translation>Najprije preuzmite model %app u postavkama</translation>
    </message>
    <message>
        <source>Not checked yet</source>
        <translation>Još nije provjereno</translation>
    </message>
    <message>
        <source>Checking…</source>
        <translation>Provjera…</translation>
    </message>
    <message>
        <source>The model stopped with error %1</source>
        <translation>Model se zaustavio s pogreškom %1</translation>
    </message>
    <message>
        <source>The model file couldn&apos;t be loaded</source>
        <translation>Datoteku modela nije moguće učitati</translation>
    </message>
    <message>
        <source>There wasn&apos;t enough memory to start the model</source>
        <translation>Nema dovoljno memorije za pokretanje modela</translation>
    </message>
    <message>
        <source>The text couldn&apos;t be prepared for the model</source>
        <translation>Tekst nije moguće pripremiti za model</translation>
    </message>
    <message>
        <source>This computer needs %1 free for the download. Free up some space, then try again.</source>
        <translation>Za preuzimanje je potrebno %1 slobodnog prostora. Oslobodite prostor pa pokušajte ponovno.</translation>
    </message>
    <message>
        <source>The download didn&apos;t match the expected file, so it was deleted. Try again.</source>
        <translation>Preuzeta datoteka nije odgovarala očekivanoj pa je izbrisana. Pokušajte ponovno.</translation>
    </message>
    <message>
        <source>Downloaded</source>
        <translation>Preuzeto</translation>
    </message>
    <message>
        <source>Downloading. Suggestions start once it&apos;s done.</source>
        <translation>Preuzimanje. Prijedlozi počinju čim završi.</translation>
    </message>
    <message>
        <source>Checking the download.</source>
        <translation>Provjera preuzete datoteke.</translation>
    </message>
    <message>
        <source>Checking the download. Suggestions start once it&apos;s done.</source>
        <translation>Provjera preuzete datoteke. Prijedlozi počinju čim završi.</translation>
    </message>
    <message>
        <source>Download the model to start</source>
        <translation>Preuzmite model za početak</translation>
    </message>
    <message>
        <source>Ollama is running but has no models</source>
        <translation>Ollama radi, ali nema modela</translation>
    </message>
    <message>
        <source>Another app</source>
        <translation>Druga aplikacija</translation>
    </message>
    <message>
        <source>There is no D-Bus session bus, so %1 cannot reach text fields.</source>
        <translation>Nema sesijske sabirnice D-Bus pa %1 ne može pristupiti tekstnim poljima.</translation>
    </message>
    <message>
        <source>The desktop&apos;s accessibility bus is not running, so %1 cannot reach text fields.</source>
        <translation>Sabirnica pristupačnosti radne površine nije pokrenuta pa %1 ne može pristupiti tekstnim poljima.</translation>
    </message>
    <message>
        <source>Short</source>
        <translation>Kratki</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Srednji</translation>
    </message>
    <message>
        <source>Long</source>
        <translation>Dugi</translation>
    </message>
    <message>
        <source>Hide the suggestion</source>
        <translation>Sakrij prijedlog</translation>
    </message>
    <message>
        <source>Hide suggestions until I change fields</source>
        <translation>Skrivaj prijedloge dok ne promijenim polje</translation>
    </message>
    <message>
        <source>Do nothing, send Escape to the app</source>
        <translation>Ne radi ništa, pošalji Escape aplikaciji</translation>
    </message>
    <message>
        <source>Type it</source>
        <translation>Tipkanje</translation>
    </message>
    <message>
        <source>Insert through Accessibility</source>
        <translation>Umetanje putem pristupačnosti</translation>
    </message>
    <message>
        <source>Paste it</source>
        <translation>Lijepljenje</translation>
    </message>
    <message>
        <source>Grey</source>
        <translation>Siva</translation>
    </message>
    <message>
        <source>Gold tint</source>
        <translation>Zlatna nijansa</translation>
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
        <translation>Lokalni poslužitelj</translation>
    </message>
    <message>
        <source>Runs on this computer after a one-time download. Works offline.</source>
        <translation>Radi na ovom računalu nakon jednokratnog preuzimanja. Internet nije potreban.</translation>
    </message>
    <message>
        <source>Any model you run in Ollama, base models included.</source>
        <translation>Bilo koji model koji pokrećete u Ollami, uključujući osnovne modele.</translation>
    </message>
    <message>
        <source>LM Studio, llama-server or any OpenAI-compatible endpoint.</source>
        <translation>LM Studio, llama-server ili bilo koja krajnja točka kompatibilna s OpenAI-jem.</translation>
    </message>
    <message>
        <source>Sends the text as keystrokes. Works almost everywhere.</source>
        <translation>Šalje tekst kao pritiske tipki. Radi gotovo svugdje.</translation>
    </message>
    <message>
        <source>Uses the clipboard, then puts your clipboard back.</source>
        <translation>Koristi međuspremnik, a zatim vraća njegov sadržaj.</translation>
    </message>
    <message>
        <source>Accessibility</source>
        <translation>Pristupačnost</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Lijepljenje</translation>
    </message>
    <message>
        <source>Your writing memory could not be opened and was set aside. Nothing new is remembered until %app starts again.</source>
        <translation>Memoriju pisanja nije moguće otvoriti pa je odložena. Ništa novo se ne pamti dok se %app ponovno ne pokrene.</translation>
    </message>
    <message>
        <source>Your writing memory could not be opened because its key could not be read from the keyring. Nothing new is remembered until %app starts again.</source>
        <translation>Memoriju pisanja nije moguće otvoriti jer njezin ključ nije bilo moguće pročitati iz spremnika ključeva. Ništa novo se ne pamti dok se %app ponovno ne pokrene.</translation>
    </message>
    <message>
        <source>Not Now</source>
        <translation>Ne sada</translation>
    </message>
    <message>
        <source>Open the desktop&apos;s settings</source>
        <translation>Otvori postavke radne površine</translation>
    </message>
    <message>
        <source>Don&apos;t remind me again</source>
        <translation>Ne podsjećaj me više</translation>
    </message>
    <message>
        <source>Open Playground</source>
        <translation>Otvori polje za vježbu</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Postavke</translation>
    </message>
    <message>
        <source>Quit %app</source>
        <translation>Zatvori %app</translation>
    </message>
    <message>
        <source>Needs Accessibility access</source>
        <translation>Potreban je pristup značajkama pristupačnosti</translation>
    </message>
    <message>
        <source>Paused until you resume</source>
        <translation>Pauzirano dok ne nastavite</translation>
    </message>
    <message>
        <source>Paused until %1</source>
        <translation>Pauzirano do %1</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Isključeno</translation>
    </message>
    <message numerus="yes">
        <source>Paused while %1 are open</source>
        <translation>
            <numerusform>Pauzirano dok je otvoreno: %1</numerusform>
            <numerusform>Pauzirano dok su otvoreni: %1</numerusform>
            <numerusform>Pauzirano dok su otvoreni: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Grant Accessibility Access…</source>
        <translation>Dopusti pristup značajkama pristupačnosti…</translation>
    </message>
    <message numerus="yes">
        <source>Force Quit %1</source>
        <translation>
            <numerusform>Prisilno zatvori %1</numerusform>
            <numerusform>Prisilno zatvori %1</numerusform>
            <numerusform>Prisilno zatvori %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Quit %1</source>
        <translation>
            <numerusform>Zatvori %1</numerusform>
            <numerusform>Zatvori %1</numerusform>
            <numerusform>Zatvori %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>words saved today</source>
        <translation>
            <numerusform>riječ danas ušteđena</numerusform>
            <numerusform>riječi danas ušteđene</numerusform>
            <numerusform>riječi danas ušteđeno</numerusform>
        </translation>
    </message>
    <message>
        <source>Start typing anywhere. %app keeps count here.</source>
        <translation>Počnite tipkati bilo gdje. %app ovdje vodi brojanje.</translation>
    </message>
    <message>
        <source>Resume in %1</source>
        <translation>Nastavi u aplikaciji %1</translation>
    </message>
    <message>
        <source>Pause in %1</source>
        <translation>Pauziraj u aplikaciji %1</translation>
    </message>
    <message>
        <source>Resume Everywhere</source>
        <translation>Nastavi svugdje</translation>
    </message>
    <message>
        <source>Pause Everywhere</source>
        <translation>Pauziraj svugdje</translation>
    </message>
    <message>
        <source>For 15 Minutes</source>
        <translation>Na 15 minuta</translation>
    </message>
    <message>
        <source>For 1 Hour</source>
        <translation>Na 1 sat</translation>
    </message>
    <message>
        <source>For 4 Hours</source>
        <translation>Na 4 sata</translation>
    </message>
    <message>
        <source>Until I Resume</source>
        <translation>Dok ne nastavim</translation>
    </message>
    <message>
        <source>Example: after typing %1, %2 suggests %3</source>
        <translation>Primjer: nakon „%1” %2 predlaže „%3”</translation>
    </message>
    <message>
        <source>takes the next word</source>
        <translation>prihvaća sljedeću riječ</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Preuzmi</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Odustani</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 od %2</translation>
    </message>
    <message>
        <source>%1 of %2. You can keep writing while it downloads.</source>
        <translation>%1 od %2. Možete nastaviti pisati dok se preuzima.</translation>
    </message>
    <message>
        <source>Checking the download</source>
        <translation>Provjera preuzete datoteke</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Pokušaj ponovno</translation>
    </message>
    <message>
        <source>Remove…</source>
        <translation>Ukloni…</translation>
    </message>
    <message>
        <source>%1 license</source>
        <translation>Licenca %1</translation>
    </message>
    <message>
        <source>Remove the %app model?</source>
        <translation>Ukloniti model %app?</translation>
    </message>
    <message>
        <source>Model download</source>
        <translation>Preuzimanje modela</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Ukloni</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Nastavi</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Kasnije</translation>
    </message>
    <message>
        <source>Start Writing</source>
        <translation>Počni pisati</translation>
    </message>
    <message>
        <source>Finish your sentences in any app.</source>
        <translation>Dovršava vaše rečenice u svakoj aplikaciji.</translation>
    </message>
    <message>
        <source>%app reads the words before your caret and suggests what comes next in grey. Press Tab to take one word, or the key above Tab to take the rest. If you don&apos;t want it, keep typing.</source>
        <translation>%app čita riječi ispred kursora i sivo predlaže nastavak. Pritisnite Tab za jednu riječ ili tipku iznad Tab za ostatak. Ako ga ne želite, samo nastavite tipkati.</translation>
    </message>
    <message>
        <source>Sees what you see</source>
        <translation>Vidi ono što vi vidite</translation>
    </message>
    <message>
        <source>Private</source>
        <translation>Privatno</translation>
    </message>
    <message>
        <source>It reads the window you&apos;re typing in, like the chat you&apos;re answering, so suggestions fit. None of it goes online, to us or any server. It stays private on your computer.</source>
        <translation>Čita prozor u kojem tipkate, primjerice razgovor na koji odgovarate, kako bi prijedlozi odgovarali. Ništa od toga ne ide na internet, ni nama ni bilo kojem poslužitelju. Sve ostaje privatno na vašem računalu.</translation>
    </message>
    <message>
        <source>Accessibility is on</source>
        <translation>Pristupačnost je uključena</translation>
    </message>
    <message>
        <source>%app can now read the field you&apos;re writing in and type suggestions for you.</source>
        <translation>%app sada može čitati polje u kojem pišete i tipkati prijedloge umjesto vas.</translation>
    </message>
    <message>
        <source>Let %app see what you type.</source>
        <translation>Dopustite da %app vidi što tipkate.</translation>
    </message>
    <message>
        <source>%app reads your text when you pause and forgets it after one suggestion, unless you turn on writing memory.</source>
        <translation>%app čita vaš tekst kad zastanete i zaboravlja ga nakon jednog prijedloga, osim ako uključite memoriju pisanja.</translation>
    </message>
    <message>
        <source>%app skips password fields and anything else the system marks as secure.</source>
        <translation>%app preskače polja za lozinke i sve ostalo što sustav označi kao sigurno.</translation>
    </message>
    <message>
        <source>Open Accessibility Settings</source>
        <translation>Otvori postavke pristupačnosti</translation>
    </message>
    <message>
        <source>Pick what writes your suggestions.</source>
        <translation>Odaberite što piše vaše prijedloge.</translation>
    </message>
    <message>
        <source>You can change this any time in Settings.</source>
        <translation>Ovo možete promijeniti bilo kada u postavkama.</translation>
    </message>
    <message>
        <source>Give it a try.</source>
        <translation>Isprobajte.</translation>
    </message>
    <message>
        <source>Start typing a sentence. When grey words appear, press Tab for one word or the key above Tab for all of them.</source>
        <translation>Počnite tipkati rečenicu. Kad se pojave sive riječi, pritisnite Tab za jednu riječ ili tipku iznad Tab za sve.</translation>
    </message>
    <message>
        <source>Hi Orlenn, thanks for the quick reply. I think we should</source>
        <translation>Bok Orlenn, hvala na brzom odgovoru. Mislim da bismo trebali</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Natrag</translation>
    </message>
    <message>
        <source>Practice field</source>
        <translation>Polje za vježbu</translation>
    </message>
    <message>
        <source>Default, on</source>
        <translation>Zadano, uključeno</translation>
    </message>
    <message>
        <source>Default, off</source>
        <translation>Zadano, isključeno</translation>
    </message>
    <message>
        <source>Add a website</source>
        <translation>Dodaj web-mjesto</translation>
    </message>
    <message>
        <source>Domain</source>
        <translation>Domena</translation>
    </message>
    <message>
        <source>Rules for a site apply in any browser %app can read.</source>
        <translation>Pravila za web-mjesto vrijede u svakom pregledniku koji %app može čitati.</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Dodaj</translation>
    </message>
    <message>
        <source>Add App…</source>
        <translation>Dodaj aplikaciju…</translation>
    </message>
    <message>
        <source>Add an app</source>
        <translation>Dodaj aplikaciju</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Pretraži</translation>
    </message>
    <message>
        <source>Clear search</source>
        <translation>Očisti pretragu</translation>
    </message>
    <message>
        <source>Add an app or website</source>
        <translation>Dodaj aplikaciju ili web-mjesto</translation>
    </message>
    <message>
        <source>Add Website…</source>
        <translation>Dodaj web-mjesto…</translation>
    </message>
    <message>
        <source>Apps &amp; Sites</source>
        <translation>Aplikacije i web-mjesta</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Pauzirano</translation>
    </message>
    <message>
        <source>Apps</source>
        <translation>Aplikacije</translation>
    </message>
    <message>
        <source>Websites</source>
        <translation>Web-mjesta</translation>
    </message>
    <message>
        <source>No matches</source>
        <translation>Nema podudaranja</translation>
    </message>
    <message>
        <source>No apps yet</source>
        <translation>Još nema aplikacija</translation>
    </message>
    <message>
        <source>Nothing matches “%1”.</source>
        <translation>Ništa ne odgovara upitu „%1”.</translation>
    </message>
    <message>
        <source>Apps appear here once you accept a suggestion in them, or add one with +.</source>
        <translation>Aplikacije se ovdje pojavljuju kad u njima prihvatite prijedlog, ili ih dodajte gumbom +.</translation>
    </message>
    <message>
        <source>Pick an app or site</source>
        <translation>Odaberite aplikaciju ili web-mjesto</translation>
    </message>
    <message>
        <source>Each one can have its own rules. Anything you don&apos;t change follows General.</source>
        <translation>Svaka može imati vlastita pravila. Sve što ne promijenite slijedi odjeljak „Općenito”.</translation>
    </message>
    <message>
        <source>Words saved here</source>
        <translation>Ovdje ušteđene riječi</translation>
    </message>
    <message>
        <source>Suggestions</source>
        <translation>Prijedlozi</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Uključeno</translation>
    </message>
    <message>
        <source>Tab accepts suggestions</source>
        <translation>Tab prihvaća prijedloge</translation>
    </message>
    <message>
        <source>Turn off where Tab already means something, like indenting. The other accept key still works.</source>
        <translation>Isključite gdje Tab već nešto znači, primjerice uvlačenje. Druga tipka za prihvaćanje i dalje radi.</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Zadano</translation>
    </message>
    <message>
        <source>Insert by</source>
        <translation>Način umetanja</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Duljina</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Nastavi</translation>
    </message>
    <message>
        <source>Pause here</source>
        <translation>Pauziraj ovdje</translation>
    </message>
    <message>
        <source>Memory</source>
        <translation>Memorija</translation>
    </message>
    <message>
        <source>Remember my writing here</source>
        <translation>Pamti kako ovdje pišem</translation>
    </message>
    <message>
        <source>Writing memory is off in Your Voice.</source>
        <translation>Memorija pisanja isključena je u odjeljku „Vaš stil”.</translation>
    </message>
    <message>
        <source>Erase…</source>
        <translation>Izbriši…</translation>
    </message>
    <message>
        <source>Reset to Defaults</source>
        <translation>Vrati zadano</translation>
    </message>
    <message>
        <source>Erase what %app remembered from %1?</source>
        <translation>Izbrisati sve što je %app zapamtio za: %1?</translation>
    </message>
    <message>
        <source>Erase</source>
        <translation>Izbriši</translation>
    </message>
    <message>
        <source>Passages from this app can shape suggestions everywhere.</source>
        <translation>Odlomci iz ove aplikacije mogu oblikovati prijedloge svugdje.</translation>
    </message>
    <message>
        <source>Finish setting up</source>
        <translation>Dovršite postavljanje</translation>
    </message>
    <message>
        <source>Setup progress</source>
        <translation>Napredak postavljanja</translation>
    </message>
    <message>
        <source>Done: %1</source>
        <translation>Gotovo: %1</translation>
    </message>
    <message>
        <source>Best day yet!</source>
        <translation>Najbolji dan dosad!</translation>
    </message>
    <message>
        <source>Try it here</source>
        <translation>Isprobajte ovdje</translation>
    </message>
    <message>
        <source>Thanks for sending the draft over. I had a look and</source>
        <translation>Hvala što ste poslali nacrt. Pogledao sam ga i</translation>
    </message>
    <message>
        <source>next word</source>
        <translation>sljedeća riječ</translation>
    </message>
    <message>
        <source>whole suggestion</source>
        <translation>cijeli prijedlog</translation>
    </message>
    <message>
        <source>hide it</source>
        <translation>sakrij</translation>
    </message>
    <message>
        <source>This field runs the real engine. Start typing and grey words show up as you go.</source>
        <translation>Ovo polje koristi pravi pogon. Počnite tipkati i sive riječi pojavljivat će se usput.</translation>
    </message>
    <message>
        <source>This field runs the real engine, even before you allow Accessibility. Start typing and grey words show up as you go.</source>
        <translation>Ovo polje koristi pravi pogon, čak i prije nego što dopustite pristupačnost. Počnite tipkati i sive riječi pojavljivat će se usput.</translation>
    </message>
    <message>
        <source>You&apos;re all set</source>
        <translation>Sve je spremno</translation>
    </message>
    <message>
        <source>Accessibility is on and %1 is ready. %app works in every app you type in.</source>
        <translation>Pristupačnost je uključena i pogon „%1” je spreman. %app radi u svakoj aplikaciji u kojoj tipkate.</translation>
    </message>
    <message>
        <source>Waiting for %1 to quit</source>
        <translation>Čeka se da se %1 zatvori</translation>
    </message>
    <message>
        <source>Turned off</source>
        <translation>Isključeno</translation>
    </message>
    <message>
        <source>Paused everywhere</source>
        <translation>Pauzirano svugdje</translation>
    </message>
    <message>
        <source>%1, %2 typical wait</source>
        <translation>%1, uobičajeno čekanje %2</translation>
    </message>
    <message>
        <source>Start your streak today.</source>
        <translation>Započnite niz danas.</translation>
    </message>
    <message>
        <source>Overview</source>
        <translation>Pregled</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Općenito</translation>
    </message>
    <message>
        <source>Engine</source>
        <translation>Pogon</translation>
    </message>
    <message>
        <source>Context</source>
        <translation>Kontekst</translation>
    </message>
    <message>
        <source>Your Voice</source>
        <translation>Vaš stil</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Tipke</translation>
    </message>
    <message>
        <source>Emoji</source>
        <translation>Emoji</translation>
    </message>
    <message>
        <source>Battery</source>
        <translation>Baterija</translation>
    </message>
    <message>
        <source>Insights</source>
        <translation>Statistika</translation>
    </message>
    <message>
        <source>Field Inspector</source>
        <translation>Inspektor polja</translation>
    </message>
    <message>
        <source>About</source>
        <translation>O aplikaciji</translation>
    </message>
    <message>
        <source>How %app is doing today</source>
        <translation>Kako %app danas radi</translation>
    </message>
    <message>
        <source>Where and how suggestions appear</source>
        <translation>Gdje i kako se pojavljuju prijedlozi</translation>
    </message>
    <message>
        <source>The model that writes your suggestions</source>
        <translation>Model koji piše vaše prijedloge</translation>
    </message>
    <message>
        <source>What %app may look at to guess better</source>
        <translation>Što %app smije gledati kako bi bolje pogađao</translation>
    </message>
    <message>
        <source>Help suggestions sound like you</source>
        <translation>Neka prijedlozi zvuče kao vi</translation>
    </message>
    <message>
        <source>Accept, dismiss and summon suggestions</source>
        <translation>Prihvaćanje, odbacivanje i pozivanje prijedloga</translation>
    </message>
    <message>
        <source>Emoji search and emoticons</source>
        <translation>Traženje emojija i emotikoni</translation>
    </message>
    <message>
        <source>Rules for each app and website</source>
        <translation>Pravila za svaku aplikaciju i web-mjesto</translation>
    </message>
    <message>
        <source>Save power when you&apos;re unplugged</source>
        <translation>Štedite energiju kad niste na punjaču</translation>
    </message>
    <message>
        <source>Words saved and how fast suggestions arrive</source>
        <translation>Ušteđene riječi i brzina prijedloga</translation>
    </message>
    <message>
        <source>What %app sees in the focused field</source>
        <translation>Što %app vidi u aktivnom polju</translation>
    </message>
    <message>
        <source>Version and privacy</source>
        <translation>Verzija i privatnost</translation>
    </message>
    <message>
        <source>Writing</source>
        <translation>Pisanje</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Unos</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Pravila</translation>
    </message>
    <message>
        <source>Activity</source>
        <translation>Aktivnost</translation>
    </message>
    <message>
        <source>%app can read the field you&apos;re typing in and insert suggestions in any app.</source>
        <translation>%app može čitati polje u kojem tipkate i umetati prijedloge u bilo kojoj aplikaciji.</translation>
    </message>
    <message>
        <source>Allow Accessibility access</source>
        <translation>Dopustite pristup značajkama pristupačnosti</translation>
    </message>
    <message>
        <source>%app needs it to read the text you type in other apps and to insert suggestions.</source>
        <translation>%app ga treba kako bi čitao tekst koji tipkate u drugim aplikacijama i umetao prijedloge.</translation>
    </message>
    <message>
        <source>Allow…</source>
        <translation>Dopusti…</translation>
    </message>
    <message>
        <source>%1 is ready</source>
        <translation>Pogon „%1” je spreman</translation>
    </message>
    <message>
        <source>Checking %1</source>
        <translation>Provjera: %1</translation>
    </message>
    <message>
        <source>This takes a moment.</source>
        <translation>Ovo traje trenutak.</translation>
    </message>
    <message>
        <source>Your engine isn&apos;t ready</source>
        <translation>Vaš pogon nije spreman</translation>
    </message>
    <message>
        <source>Open Engine</source>
        <translation>Otvori „Pogon”</translation>
    </message>
    <message>
        <source>The system&apos;s predictions are off</source>
        <translation>Predviđanja sustava su isključena</translation>
    </message>
    <message>
        <source>Only %app&apos;s suggestions appear while you type.</source>
        <translation>Dok tipkate, pojavljuju se samo prijedlozi aplikacije %app.</translation>
    </message>
    <message>
        <source>Turn off the system&apos;s predictions</source>
        <translation>Isključite predviđanja sustava</translation>
    </message>
    <message>
        <source>The system shows its own grey suggestions on top of %app&apos;s. Each app picks up the change the next time you open it.</source>
        <translation>Sustav prikazuje vlastite sive prijedloge preko prijedloga aplikacije %app. Svaka aplikacija preuzima promjenu kad je sljedeći put otvorite.</translation>
    </message>
    <message>
        <source>Keyboard Settings</source>
        <translation>Postavke tipkovnice</translation>
    </message>
    <message>
        <source>Turn Off</source>
        <translation>Isključi</translation>
    </message>
    <message>
        <source>Only %app is suggesting</source>
        <translation>Predlaže samo %app</translation>
    </message>
    <message>
        <source>Tab reaches %app again.</source>
        <translation>Tipka Tab opet pripada aplikaciji %app.</translation>
    </message>
    <message numerus="yes">
        <source>%1 didn&apos;t quit. They may be showing a dialog. Force Quit closes them right away.</source>
        <translation>
            <numerusform>Aplikacija %1 nije se zatvorila. Možda prikazuje dijalog. „Prisilno zatvori” odmah je zatvara.</numerusform>
            <numerusform>Aplikacije %1 nisu se zatvorile. Možda prikazuju dijalog. „Prisilno zatvori” odmah ih zatvara.</numerusform>
            <numerusform>Aplikacije %1 nisu se zatvorile. Možda prikazuju dijalog. „Prisilno zatvori” odmah ih zatvara.</numerusform>
        </translation>
    </message>
    <message>
        <source>Force Quit</source>
        <translation>Prisilno zatvori</translation>
    </message>
    <message numerus="yes">
        <source>%1 take the Tab key before %app can, so %app stays paused in your other apps until you quit them.</source>
        <translation>
            <numerusform>%1 preuzima tipku Tab prije aplikacije %app pa %app ostaje pauziran u vašim drugim aplikacijama dok ne zatvorite aplikaciju %1.</numerusform>
            <numerusform>%1 preuzimaju tipku Tab prije aplikacije %app pa %app ostaje pauziran u vašim drugim aplikacijama dok ih ne zatvorite.</numerusform>
            <numerusform>%1 preuzimaju tipku Tab prije aplikacije %app pa %app ostaje pauziran u vašim drugim aplikacijama dok ih ne zatvorite.</numerusform>
        </translation>
    </message>
    <message>
        <source>Only when I ask</source>
        <translation>Samo kad zatražim</translation>
    </message>
    <message>
        <source>On battery, suggestions appear only after you press the Suggest Now shortcut.</source>
        <translation>Na bateriji se prijedlozi pojavljuju tek kad pritisnete prečac „Predloži sada”.</translation>
    </message>
    <message>
        <source>Shorter suggestions</source>
        <translation>Kraći prijedlozi</translation>
    </message>
    <message>
        <source>Fewer words take less power to write.</source>
        <translation>Manje riječi troši manje energije.</translation>
    </message>
    <message>
        <source>Lighter model</source>
        <translation>Lakši model</translation>
    </message>
    <message>
        <source>Same as plugged in</source>
        <translation>Isto kao na punjaču</translation>
    </message>
    <message>
        <source>Running on battery. These apply right now.</source>
        <translation>Rad na bateriji. Ove postavke vrijede odmah.</translation>
    </message>
    <message>
        <source>Plugged in. These wait until you unplug.</source>
        <translation>Priključeno na napajanje. Ove postavke počinju vrijediti kad isključite punjač.</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Model</translation>
    </message>
    <message>
        <source>Model name</source>
        <translation>Naziv modela</translation>
    </message>
    <message>
        <source>Reload the model list</source>
        <translation>Ponovno učitaj popis modela</translation>
    </message>
    <message>
        <source>Choose a model</source>
        <translation>Odaberite model</translation>
    </message>
    <message>
        <source>For people who already run Ollama, LM Studio or llama-server.</source>
        <translation>Za one koji već koriste Ollamu, LM Studio ili llama-server.</translation>
    </message>
    <message>
        <source>Use your own model</source>
        <translation>Koristi vlastiti model</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresa</translation>
    </message>
    <message>
        <source>API key</source>
        <translation>API ključ</translation>
    </message>
    <message>
        <source>Only if your server asks for one</source>
        <translation>Samo ako ga vaš poslužitelj traži</translation>
    </message>
    <message>
        <source>Focused</source>
        <translation>Usredotočeno</translation>
    </message>
    <message>
        <source>Creativity</source>
        <translation>Kreativnost</translation>
    </message>
    <message>
        <source>Loose</source>
        <translation>Slobodno</translation>
    </message>
    <message>
        <source>Lower stays close to the obvious next words. Higher tries more.</source>
        <translation>Niža vrijednost drži se očitih sljedećih riječi. Viša isprobava više mogućnosti.</translation>
    </message>
    <message>
        <source>Wait before suggesting</source>
        <translation>Čekanje prije prijedloga</translation>
    </message>
    <message>
        <source>How long you pause before %app starts.</source>
        <translation>Koliko dugo zastanete prije nego što %app počne.</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Pokreni</translation>
    </message>
    <message>
        <source>Try the engine</source>
        <translation>Isprobaj pogon</translation>
    </message>
    <message>
        <source>Sends a sample sentence and shows what comes back.</source>
        <translation>Šalje oglednu rečenicu i prikazuje što se vrati.</translation>
    </message>
    <message>
        <source>Running…</source>
        <translation>U tijeku…</translation>
    </message>
    <message>
        <source>The engine answered in %1 but had nothing useful to add.</source>
        <translation>Pogon je odgovorio za %1, ali nije imao ništa korisno dodati.</translation>
    </message>
    <message>
        <source>That didn&apos;t work: %1</source>
        <translation>Nije uspjelo: %1</translation>
    </message>
    <message>
        <source>The request was cancelled.</source>
        <translation>Zahtjev je otkazan.</translation>
    </message>
    <message>
        <source>Startup</source>
        <translation>Pokretanje</translation>
    </message>
    <message>
        <source>Launch at login</source>
        <translation>Pokreni pri prijavi</translation>
    </message>
    <message>
        <source>Show today&apos;s word count next to the icon</source>
        <translation>Prikaži današnji broj riječi uz ikonu</translation>
    </message>
    <message>
        <source>Where suggestions appear</source>
        <translation>Gdje se pojavljuju prijedlozi</translation>
    </message>
    <message>
        <source>Turn this off to use %app only in the apps you switch on under Apps &amp; Sites.</source>
        <translation>Isključite da biste %app koristili samo u aplikacijama koje uključite u odjeljku „Aplikacije i web-mjesta”.</translation>
    </message>
    <message>
        <source>By default %app waits until the caret is at the end of a line.</source>
        <translation>Prema zadanim postavkama %app čeka da kursor bude na kraju retka.</translation>
    </message>
    <message>
        <source>Without this, %app skips search bars and one-word boxes.</source>
        <translation>Bez ovoga %app preskače trake za pretraživanje i polja za jednu riječ.</translation>
    </message>
    <message>
        <source>Suggestions appear only after you press the Suggest Now shortcut.</source>
        <translation>Prijedlozi se pojavljuju tek kad pritisnete prečac „Predloži sada”.</translation>
    </message>
    <message>
        <source>Spelling</source>
        <translation>Pravopis</translation>
    </message>
    <message>
        <source>Waits while the word you&apos;re typing looks misspelled, so %app doesn&apos;t build on a typo.</source>
        <translation>Pričeka kad se čini da je riječ koju tipkate pogrešno napisana, kako %app ne bi gradio na pogrešci.</translation>
    </message>
    <message>
        <source>After a misspelled word, shows a fix next to the caret. Press Tab to swap it in.</source>
        <translation>Nakon pogrešno napisane riječi prikazuje ispravak uz kursor. Pritisnite Tab da ga umetnete.</translation>
    </message>
    <message>
        <source>Look</source>
        <translation>Izgled</translation>
    </message>
    <message>
        <source>Suggestion color</source>
        <translation>Boja prijedloga</translation>
    </message>
    <message>
        <source>Text size</source>
        <translation>Veličina teksta</translation>
    </message>
    <message>
        <source>Fine-tune if suggestions look larger or smaller than your text.</source>
        <translation>Fino podesite ako prijedlozi izgledaju veći ili manji od vašeg teksta.</translation>
    </message>
    <message>
        <source>Vertical position</source>
        <translation>Okomiti položaj</translation>
    </message>
    <message>
        <source>Nudge suggestions up or down to line up with your text.</source>
        <translation>Pomaknite prijedloge gore ili dolje da se poravnaju s tekstom.</translation>
    </message>
    <message>
        <source>A small keycap after your first suggestions, as a reminder of what to press.</source>
        <translation>Mala ikona tipke nakon prvih prijedloga, kao podsjetnik što pritisnuti.</translation>
    </message>
    <message>
        <source>Insert suggestions by</source>
        <translation>Način umetanja prijedloga</translation>
    </message>
    <message>
        <source>Other autocomplete apps</source>
        <translation>Druge aplikacije za automatsko dovršavanje</translation>
    </message>
    <message>
        <source>They take the Tab key before %app can. With this off, %app asks you first.</source>
        <translation>Preuzimaju tipku Tab prije aplikacije %app. Kad je ovo isključeno, %app vas najprije pita.</translation>
    </message>
    <message>
        <source>%1 is another device on your network, so the text around your caret will be sent there.</source>
        <translation>%1 je drugi uređaj u vašoj mreži pa će se tekst oko kursora slati tamo.</translation>
    </message>
    <message>
        <source>%1 isn&apos;t this computer, so the text around your caret will be sent there.</source>
        <translation>%1 nije ovo računalo pa će se tekst oko kursora slati tamo.</translation>
    </message>
    <message>
        <source>Both keep your text on this computer.</source>
        <translation>Oba drže vaš tekst na ovom računalu.</translation>
    </message>
    <message>
        <source>%app opens by itself when you start your computer.</source>
        <translation>%app se sam otvara kad pokrenete računalo.</translation>
    </message>
    <message>
        <source>System predictions</source>
        <translation>Predviđanja sustava</translation>
    </message>
    <message>
        <source>The system can show its own grey predictions. Keeping them off avoids two suggestions at once.</source>
        <translation>Sustav može prikazivati vlastita siva predviđanja. Ako su isključena, nema dva prijedloga odjednom.</translation>
    </message>
    <message>
        <source>System predictions are on</source>
        <translation>Predviđanja sustava su uključena</translation>
    </message>
    <message>
        <source>System predictions are off</source>
        <translation>Predviđanja sustava su isključena</translation>
    </message>
    <message>
        <source>tab</source>
        <translation>tab</translation>
    </message>
    <message>
        <source>Your next words, one Tab away.</source>
        <translation>Vaše sljedeće riječi, na jedan pritisak tipke Tab.</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Preskoči</translation>
    </message>
    <message>
        <source>Get Started</source>
        <translation>Započni</translation>
    </message>
    <message>
        <source>Turn sound on</source>
        <translation>Uključi zvuk</translation>
    </message>
    <message>
        <source>Turn sound off</source>
        <translation>Isključi zvuk</translation>
    </message>
    <message>
        <source>The other app</source>
        <translation>Druga aplikacija</translation>
    </message>
    <message numerus="yes">
        <source>Next time, quit %1 without asking</source>
        <translation>
            <numerusform>Sljedeći put zatvori %1 bez pitanja</numerusform>
            <numerusform>Sljedeći put zatvori %1 bez pitanja</numerusform>
            <numerusform>Sljedeći put zatvori %1 bez pitanja</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 is also running</source>
        <translation>
            <numerusform>%1 također radi</numerusform>
            <numerusform>%1 također rade</numerusform>
            <numerusform>%1 također rade</numerusform>
        </translation>
    </message>
    <message>
        <source>Quitting…</source>
        <translation>Zatvaranje…</translation>
    </message>
    <message numerus="yes">
        <source>%1 is still open</source>
        <translation>
            <numerusform>%1 je još otvoren</numerusform>
            <numerusform>%1 su još otvoreni</numerusform>
            <numerusform>%1 su još otvoreni</numerusform>
        </translation>
    </message>
    <message>
        <source>%app has the Tab key</source>
        <translation>%app ima tipku Tab</translation>
    </message>
    <message>
        <source>%1 quit, so your suggestions are back in every app.</source>
        <translation>Aplikacija %1 je zatvorena pa su vaši prijedlozi ponovno u svakoj aplikaciji.</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Gotovo</translation>
    </message>
    <message>
        <source>Open Source Notices</source>
        <translation>Obavijesti o otvorenom kodu</translation>
    </message>
    <message>
        <source>Reset all settings?</source>
        <translation>Vratiti sve postavke?</translation>
    </message>
    <message>
        <source>This also clears your rules for apps and sites. Your statistics and writing memory stay.</source>
        <translation>Ovo briše i vaša pravila za aplikacije i web-mjesta. Statistika i memorija pisanja ostaju.</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Vrati</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Verzija %1</translation>
    </message>
    <message>
        <source>Some apps hide their text</source>
        <translation>Neke aplikacije skrivaju svoj tekst</translation>
    </message>
    <message>
        <source>Suggest emoji after a colon</source>
        <translation>Predlaži emojije nakon dvotočke</translation>
    </message>
    <message>
        <source>Turn emoticons into emoji</source>
        <translation>Pretvaraj emotikone u emojije</translation>
    </message>
    <message>
        <source>After :-) or &lt;3, %app offers the matching emoji. Press Tab to swap it in.</source>
        <translation>Nakon :-) ili &lt;3 %app nudi odgovarajući emoji. Pritisnite Tab da ga umetnete.</translation>
    </message>
    <message>
        <source>Skin tone</source>
        <translation>Ton kože</translation>
    </message>
    <message>
        <source>Also show the default yellow</source>
        <translation>Prikaži i zadanu žutu</translation>
    </message>
    <message>
        <source>Try a word</source>
        <translation>Isprobajte riječ</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Slab</translation>
    </message>
    <message>
        <source>No emoji match “%1”</source>
        <translation>Nijedan emoji ne odgovara „%1”</translation>
    </message>
    <message>
        <source>Accepting</source>
        <translation>Prihvaćanje</translation>
    </message>
    <message>
        <source>Take the next word</source>
        <translation>Prihvati sljedeću riječ</translation>
    </message>
    <message>
        <source>Press again for each following word.</source>
        <translation>Pritisnite ponovno za svaku sljedeću riječ.</translation>
    </message>
    <message>
        <source>Take the whole suggestion</source>
        <translation>Prihvati cijeli prijedlog</translation>
    </message>
    <message>
        <source>The key above Tab is easy to reach on most keyboards.</source>
        <translation>Tipka iznad Tab lako je dohvatljiva na većini tipkovnica.</translation>
    </message>
    <message>
        <source>Include the space after a word</source>
        <translation>Uključi razmak nakon riječi</translation>
    </message>
    <message>
        <source>Include punctuation right after a word</source>
        <translation>Uključi interpunkciju odmah nakon riječi</translation>
    </message>
    <message>
        <source>When you press Escape</source>
        <translation>Kad pritisnete Escape</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Prečaci</translation>
    </message>
    <message>
        <source>Suggest now</source>
        <translation>Predloži sada</translation>
    </message>
    <message>
        <source>Asks for a suggestion right away, even where %app would normally wait.</source>
        <translation>Odmah traži prijedlog, čak i gdje bi %app inače čekao.</translation>
    </message>
    <message>
        <source>Other suggestions</source>
        <translation>Drugi prijedlozi</translation>
    </message>
    <message>
        <source>Lists a few different ways to continue. Choose with the arrow keys, then press Tab.</source>
        <translation>Navodi nekoliko različitih nastavaka. Odaberite strelicama pa pritisnite Tab.</translation>
    </message>
    <message>
        <source>Pause or resume in this app</source>
        <translation>Pauziraj ili nastavi u ovoj aplikaciji</translation>
    </message>
    <message>
        <source>Pauses for 15 minutes.</source>
        <translation>Pauzira na 15 minuta.</translation>
    </message>
    <message>
        <source>Turn %app on or off</source>
        <translation>Uključi ili isključi %app</translation>
    </message>
    <message>
        <source>Everywhere, until you press it again.</source>
        <translation>Svugdje, dok ga ponovno ne pritisnete.</translation>
    </message>
    <message>
        <source>Pause or resume</source>
        <translation>Pauziraj ili nastavi</translation>
    </message>
    <message>
        <source>Turn on or off</source>
        <translation>Uključi ili isključi</translation>
    </message>
    <message>
        <source>%1 and %2 use the same keys. Only the first will work.</source>
        <translation>„%1” i „%2” koriste iste tipke. Radit će samo prvi prečac.</translation>
    </message>
    <message>
        <source>About you</source>
        <translation>O vama</translation>
    </message>
    <message>
        <source>For example: I&apos;m a product designer in Berlin. I write short, friendly emails in British English and sign off with Cheers.</source>
        <translation>Primjerice: Ja sam dizajner proizvoda u Berlinu. Pišem kratke, prijateljske e-poruke na britanskom engleskom i potpisujem se s Cheers.</translation>
    </message>
    <message>
        <source>Your role, the languages you write in, names you use often, how you like to sound.</source>
        <translation>Vaše zanimanje, jezici na kojima pišete, imena koja često koristite, kako želite zvučati.</translation>
    </message>
    <message>
        <source>Writing memory</source>
        <translation>Memorija pisanja</translation>
    </message>
    <message>
        <source>Remember how I write</source>
        <translation>Pamti kako pišem</translation>
    </message>
    <message>
        <source>Also remember fields where I accept nothing</source>
        <translation>Pamti i polja u kojima ništa ne prihvatim</translation>
    </message>
    <message>
        <source>%app learns your style sooner but keeps more of what you type.</source>
        <translation>%app brže uči vaš stil, ali čuva više onoga što tipkate.</translation>
    </message>
    <message>
        <source>Influence</source>
        <translation>Utjecaj</translation>
    </message>
    <message>
        <source>Strong</source>
        <translation>Jak</translation>
    </message>
    <message>
        <source>How many of your passages each suggestion can draw on.</source>
        <translation>Na koliko vaših odlomaka se svaki prijedlog može osloniti.</translation>
    </message>
    <message>
        <source>Erase All…</source>
        <translation>Izbriši sve…</translation>
    </message>
    <message>
        <source>Erase everything %app remembered?</source>
        <translation>Izbrisati sve što je %app zapamtio?</translation>
    </message>
    <message>
        <source>This can&apos;t be undone.</source>
        <translation>Ovo se ne može poništiti.</translation>
    </message>
    <message>
        <source>Erase All</source>
        <translation>Izbriši sve</translation>
    </message>
    <message>
        <source>Nothing remembered yet</source>
        <translation>Još ništa nije zapamćeno</translation>
    </message>
    <message>
        <source>App and window name</source>
        <translation>Naziv aplikacije i prozora</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>Web-mjesto</translation>
    </message>
    <message>
        <source>The site&apos;s domain when you write in a browser.</source>
        <translation>Domena web-mjesta kad pišete u pregledniku.</translation>
    </message>
    <message>
        <source>Recently copied text</source>
        <translation>Nedavno kopirani tekst</translation>
    </message>
    <message>
        <source>Anything you copied in the last 10 minutes. Copies from password managers are skipped.</source>
        <translation>Sve što ste kopirali u zadnjih 10 minuta. Kopije iz upravitelja lozinki se preskaču.</translation>
    </message>
    <message>
        <source>Text on screen</source>
        <translation>Tekst na zaslonu</translation>
    </message>
    <message>
        <source>Reads the window you&apos;re writing in, so replies fit the conversation. It picks the lines closest to where you type.</source>
        <translation>Čita prozor u kojem pišete kako bi odgovori pristajali razgovoru. Bira retke najbliže mjestu gdje tipkate.</translation>
    </message>
    <message>
        <source>What you just looked at</source>
        <translation>Ono što ste upravo gledali</translation>
    </message>
    <message>
        <source>Windows beside you</source>
        <translation>Susjedni prozori</translation>
    </message>
    <message>
        <source>Also reads up to two other windows on the same screen, like the document you&apos;re replying about. Skips password managers and apps you switched off.</source>
        <translation>Čita i do dva druga prozora na istom zaslonu, primjerice dokument na koji se odnosi vaš odgovor. Preskače upravitelje lozinki i aplikacije koje ste isključili.</translation>
    </message>
    <message>
        <source>Off in this app</source>
        <translation>Isključeno u ovoj aplikaciji</translation>
    </message>
    <message>
        <source>This word looks misspelled</source>
        <translation>Čini se da je ova riječ pogrešno napisana</translation>
    </message>
    <message>
        <source>Thanks for the notes. I&apos;ll send the revised deck</source>
        <translation>Hvala na bilješkama. Poslat ću dorađenu prezentaciju</translation>
    </message>
    <message>
        <source> by Friday morning.</source>
        <translation> do petka ujutro.</translation>
    </message>
    <message>
        <source>%1 quit. %app has the Tab key.</source>
        <translation>Aplikacija %1 je zatvorena. %app ima tipku Tab.</translation>
    </message>
    <message>
        <source>Open Data Folder</source>
        <translation>Otvori mapu podataka</translation>
    </message>
    <message>
        <source>Show Welcome Again</source>
        <translation>Ponovno prikaži dobrodošlicu</translation>
    </message>
    <message>
        <source>Play Intro Again</source>
        <translation>Ponovno reproduciraj uvod</translation>
    </message>
    <message>
        <source>Reset Settings…</source>
        <translation>Vrati postavke…</translation>
    </message>
    <message>
        <source>Suggest in every app</source>
        <translation>Predlaži u svakoj aplikaciji</translation>
    </message>
    <message>
        <source>Suggest in code editors</source>
        <translation>Predlaži u uređivačima koda</translation>
    </message>
    <message>
        <source>Suggest in the middle of a line</source>
        <translation>Predlaži usred retka</translation>
    </message>
    <message>
        <source>Suggest in small fields</source>
        <translation>Predlaži u malim poljima</translation>
    </message>
    <message>
        <source>Hold back on misspelled words</source>
        <translation>Suzdrži se kod pogrešno napisanih riječi</translation>
    </message>
    <message>
        <source>Offer spelling fixes</source>
        <translation>Nudi pravopisne ispravke</translation>
    </message>
    <message>
        <source>Show the key hint</source>
        <translation>Prikaži podsjetnik tipke</translation>
    </message>
    <message>
        <source>Quit other autocomplete apps when they open</source>
        <translation>Zatvori druge aplikacije za dovršavanje kad se otvore</translation>
    </message>
    <message>
        <source>Keeps a few minutes of text from windows you switched away from, like a page you read before replying. It stays on your computer and skips apps you switched off.</source>
        <translation>Čuva nekoliko minuta teksta iz prozora koje ste napustili, primjerice stranicu koju ste pročitali prije odgovora. Ostaje na vašem računalu i preskače aplikacije koje ste isključili.</translation>
    </message>
    <message numerus="yes">
        <source>Both apps answer the Tab key, and the system gives it to %1 first. %app stays paused in your other apps until %1 quits.</source>
        <translation>
            <numerusform>Obje aplikacije reagiraju na tipku Tab, a sustav je najprije daje aplikaciji %1. %app ostaje pauziran u vašim drugim aplikacijama dok se %1 ne zatvori.</numerusform>
            <numerusform>%1 preuzimaju tipku Tab prije aplikacije %app pa %app ostaje pauziran u vašim drugim aplikacijama dok ih ne zatvorite.</numerusform>
            <numerusform>%1 preuzimaju tipku Tab prije aplikacije %app pa %app ostaje pauziran u vašim drugim aplikacijama dok ih ne zatvorite.</numerusform>
        </translation>
    </message>
    <message>
        <source>Finishes your sentences in any app, on your computer.</source>
        <translation>Dovršava vaše rečenice u svakoj aplikaciji, na vašem računalu.</translation>
    </message>
    <message>
        <source>Keeps short passages from fields where you accepted a suggestion, encrypted on this computer, and shows them to the model as examples.</source>
        <translation>Čuva kratke odlomke iz polja u kojima ste prihvatili prijedlog, šifrirane na ovom računalu, i pokazuje ih modelu kao primjere.</translation>
    </message>
    <message>
        <source>Light</source>
        <comment>skin tone</comment>
        <translation>Svijetla</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>U redu</translation>
    </message>
    <message>
        <source>Default</source>
        <comment>skin tone</comment>
        <translation>Zadana</translation>
    </message>
    <message>
        <source>Medium light</source>
        <comment>skin tone</comment>
        <translation>Srednje svijetla</translation>
    </message>
    <message>
        <source>Medium</source>
        <comment>skin tone</comment>
        <translation>Srednja</translation>
    </message>
    <message>
        <source>Medium dark</source>
        <comment>skin tone</comment>
        <translation>Srednje tamna</translation>
    </message>
    <message>
        <source>Dark</source>
        <comment>skin tone</comment>
        <translation>Tamna</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Nepoznato</translation>
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
        <translation>Nije javljeno, procijenjeno prema kursoru</translation>
    </message>
    <message>
        <source>%1 %2 pt</source>
        <translation>%1 %2 pt</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Sustavski</translation>
    </message>
    <message>
        <source>Not yet</source>
        <translation>Još ne</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Danas</translation>
    </message>
    <message>
        <source>Last 7 days</source>
        <translation>Zadnjih 7 dana</translation>
    </message>
    <message>
        <source>All time</source>
        <translation>Ukupno</translation>
    </message>
    <message>
        <source>Typing saved</source>
        <translation>Ušteđeno vrijeme tipkanja</translation>
    </message>
    <message>
        <source>at 40 words a minute</source>
        <translation>pri 40 riječi u minuti</translation>
    </message>
    <message>
        <source>Accepted</source>
        <translation>Prihvaćeno</translation>
    </message>
    <message>
        <source>of suggestions shown</source>
        <translation>od prikazanih prijedloga</translation>
    </message>
    <message>
        <source>Typical wait</source>
        <translation>Uobičajeno čekanje</translation>
    </message>
    <message>
        <source>9 in 10 under %1</source>
        <translation>9 od 10 ispod %1</translation>
    </message>
    <message>
        <source>no requests yet</source>
        <translation>još nema zahtjeva</translation>
    </message>
    <message>
        <source>Words saved</source>
        <translation>Ušteđene riječi</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>Raspon</translation>
    </message>
    <message>
        <source>Nothing to chart yet</source>
        <translation>Još nema ničega za prikaz</translation>
    </message>
    <message>
        <source>Accept a few suggestions and your days show up here.</source>
        <translation>Prihvatite nekoliko prijedloga i vaši će se dani pojaviti ovdje.</translation>
    </message>
    <message>
        <source>Where you write</source>
        <translation>Gdje pišete</translation>
    </message>
    <message>
        <source>Reset Statistics…</source>
        <translation>Poništi statistiku…</translation>
    </message>
    <message>
        <source>Reset all statistics?</source>
        <translation>Poništiti svu statistiku?</translation>
    </message>
    <message>
        <source>This clears words saved, acceptance and timing history.</source>
        <translation>Ovo briše ušteđene riječi, povijest prihvaćanja i vremena čekanja.</translation>
    </message>
    <message>
        <source>Copy Diagnostics</source>
        <translation>Kopiraj dijagnostiku</translation>
    </message>
    <message>
        <source>Diagnostics leave out the text you typed.</source>
        <translation>Dijagnostika ne uključuje tekst koji ste utipkali.</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stanje</translation>
    </message>
    <message>
        <source>Right now</source>
        <translation>Trenutačno</translation>
    </message>
    <message>
        <source>Allowed</source>
        <translation>Dopušteno</translation>
    </message>
    <message>
        <source>Not allowed</source>
        <translation>Nije dopušteno</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Tipkovnica</translation>
    </message>
    <message>
        <source>Listening</source>
        <translation>Osluškuje</translation>
    </message>
    <message>
        <source>Not listening</source>
        <translation>Ne osluškuje</translation>
    </message>
    <message>
        <source>Focused field</source>
        <translation>Aktivno polje</translation>
    </message>
    <message>
        <source>Click into a text field in another app, then come back. The last field %1 saw stays here.</source>
        <translation>Kliknite u tekstno polje u drugoj aplikaciji pa se vratite. Zadnje polje koje je %1 vidio ostaje ovdje.</translation>
    </message>
    <message>
        <source>App</source>
        <translation>Aplikacija</translation>
    </message>
    <message>
        <source>Field type</source>
        <translation>Vrsta polja</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>Prozor</translation>
    </message>
    <message>
        <source>Field size</source>
        <translation>Veličina polja</translation>
    </message>
    <message>
        <source>Caret found</source>
        <translation>Kursor pronađen</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Font</translation>
    </message>
    <message>
        <source>At end of line</source>
        <translation>Na kraju retka</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Da</translation>
    </message>
    <message>
        <source>Secure input</source>
        <translation>Sigurni unos</translation>
    </message>
    <message>
        <source>Looked at lately</source>
        <translation>Nedavno gledano</translation>
    </message>
    <message>
        <source>Text before the caret</source>
        <translation>Tekst ispred kursora</translation>
    </message>
    <message>
        <source>Last request</source>
        <translation>Zadnji zahtjev</translation>
    </message>
    <message>
        <source>Wait</source>
        <translation>Čekanje</translation>
    </message>
    <message>
        <source>Suggestion</source>
        <translation>Prijedlog</translation>
    </message>
    <message>
        <source>Prompt sent to the engine</source>
        <translation>Upit poslan pogonu</translation>
    </message>
    <message>
        <source>Raw answer</source>
        <translation>Sirovi odgovor</translation>
    </message>
    <message>
        <source>(empty)</source>
        <translation>(prazno)</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>Kopirano</translation>
    </message>
    <message>
        <source>Choose a language</source>
        <translation>Odaberite jezik</translation>
    </message>
    <message>
        <source>Search languages</source>
        <translation>Pretraži jezike</translation>
    </message>
    <message>
        <source>Same as my computer</source>
        <translation>Jezik sustava</translation>
    </message>
    <message>
        <source>Switch to %1?</source>
        <translation>Prebaciti na %1?</translation>
    </message>
    <message>
        <source>%1 closes and opens again in a second. Your settings stay as they are.</source>
        <translation>%1 se zatvara i za sekundu ponovno otvara. Vaše postavke ostaju kakve jesu.</translation>
    </message>
    <message>
        <source>Reopen Now</source>
        <translation>Ponovno otvori</translation>
    </message>
    <message>
        <source>App language</source>
        <translation>Jezik aplikacije</translation>
    </message>
    <message>
        <source>Pick the language you read most easily. Suggestions follow whatever language you type.</source>
        <translation>Odaberite jezik koji najlakše čitate. Prijedlozi prate jezik na kojem tipkate.</translation>
    </message>
    <message>
        <source>Change the app language</source>
        <translation>Promijeni jezik aplikacije</translation>
    </message>
    <message>
        <source>0 min</source>
        <translation>0 min</translation>
    </message>
    <message>
        <source>under a minute</source>
        <translation>manje od minute</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>Not set</source>
        <translation>Nije postavljeno</translation>
    </message>
    <message>
        <source>Clear shortcut</source>
        <translation>Očisti prečac</translation>
    </message>
    <message>
        <source>Add Ctrl, Alt or Super so normal typing still works.</source>
        <translation>Dodajte Ctrl, Alt ili Super kako bi obično tipkanje i dalje radilo.</translation>
    </message>
    <message>
        <source>Type a shortcut…</source>
        <translation>Pritisnite prečac…</translation>
    </message>
    <message>
        <source>Recording shortcut</source>
        <translation>Snimanje prečaca</translation>
    </message>
    <message>
        <source>Shortcut %1</source>
        <translation>Prečac %1</translation>
    </message>
    <message>
        <source>Record shortcut</source>
        <translation>Snimi prečac</translation>
    </message>
    <message>
        <source>Shortcut not set</source>
        <translation>Prečac nije postavljen</translation>
    </message>
    <message>
        <source>Press to record a new shortcut. Escape cancels.</source>
        <translation>Pritisnite za snimanje novog prečaca. Escape odustaje.</translation>
    </message>
    <message>
        <source>Your tray icon is hidden</source>
        <translation>Vaša ikona u području obavijesti je skrivena</translation>
    </message>
    <message>
        <source>This computer has no on-device language model</source>
        <translation>Ovo računalo nema ugrađeni jezični model</translation>
    </message>
    <message>
        <source>Turn on the on-device model in the desktop&apos;s settings</source>
        <translation>Uključite ugrađeni model u postavkama radne površine</translation>
    </message>
    <message>
        <source>The on-device model is unavailable</source>
        <translation>Ugrađeni model nije dostupan</translation>
    </message>
    <message>
        <source>Downloading. The on-device model fills in until it&apos;s done.</source>
        <translation>Preuzimanje. Dok ne završi, uskače ugrađeni model.</translation>
    </message>
    <message>
        <source>The on-device model fills in until you download it.</source>
        <translation>Dok ne preuzmete model, uskače ugrađeni model.</translation>
    </message>
    <message>
        <source>%1 shares no text. Quit it and start it with %2 to get suggestions in it.</source>
        <translation>%1 ne dijeli tekst. Zatvorite ga i pokrenite s %2 da biste u njemu dobivali prijedloge.</translation>
    </message>
    <message>
        <source>On-device model</source>
        <translation>Ugrađeni model</translation>
    </message>
    <message>
        <source>The system&apos;s own language model. Nothing to download.</source>
        <translation>Vlastiti jezični model sustava. Ništa se ne preuzima.</translation>
    </message>
    <message>
        <source>A website name cannot hold spaces, tabs or line breaks.</source>
        <translation>Naziv web-mjesta ne može sadržavati razmake, tabulatore ni prijelome redaka.</translation>
    </message>
    <message>
        <source>Only addresses that start with http or https can be added.</source>
        <translation>Mogu se dodati samo adrese koje počinju s http ili https.</translation>
    </message>
    <message>
        <source>That is not a website name. Type one such as wikipedia.org.</source>
        <translation>To nije naziv web-mjesta. Upišite, primjerice, wikipedia.org.</translation>
    </message>
    <message>
        <source>A port is a number from 1 to 65535.</source>
        <translation>Port je broj od 1 do 65535.</translation>
    </message>
    <message>
        <source>The on-device model fills in until the download is done.</source>
        <translation>Dok preuzimanje ne završi, uskače ugrađeni model.</translation>
    </message>
    <message>
        <source>Suggestions start once the download is done.</source>
        <translation>Prijedlozi počinju kad preuzimanje završi.</translation>
    </message>
    <message>
        <source>This frees %1. The on-device model fills in until you download it again.</source>
        <translation>Ovo oslobađa %1. Dok model ponovno ne preuzmete, uskače ugrađeni model.</translation>
    </message>
    <message>
        <source>This frees %1. The %app model can&apos;t suggest until you download it again.</source>
        <translation>Ovo oslobađa %1. Model %app ne može predlagati dok ga ponovno ne preuzmete.</translation>
    </message>
    <message>
        <source>There&apos;s no room for it, or your panel has no system tray. Add the panel&apos;s system tray or status area applet in its settings.</source>
        <translation>Nema mjesta za nju ili vaša ploča nema područje obavijesti. U postavkama ploče dodajte aplet područja obavijesti ili statusnog područja.</translation>
    </message>
    <message>
        <source>GNOME shows tray icons only with the AppIndicator extension. Install the gnome-shell-extension-appindicator package, log out and in, then turn it on in Extensions.</source>
        <translation>GNOME prikazuje ikone u području obavijesti samo uz proširenje AppIndicator. Instalirajte paket gnome-shell-extension-appindicator, odjavite se i ponovno prijavite, a zatim ga uključite u aplikaciji Proširenja.</translation>
    </message>
    <message>
        <source>GNOME shows tray icons only with the AppIndicator extension. It is installed but off: turn it on in Extensions.</source>
        <translation>GNOME prikazuje ikone u području obavijesti samo uz proširenje AppIndicator. Instalirano je, ali isključeno: uključite ga u aplikaciji Proširenja.</translation>
    </message>
    <message>
        <source>Until then, open %app from your applications menu to reach Settings.</source>
        <translation>Do tada otvarajte %app iz izbornika aplikacija kako biste došli do postavki.</translation>
    </message>
    <message>
        <source>Open Extensions</source>
        <translation>Otvori Proširenja</translation>
    </message>
    <message>
        <source>Show Count in Tray</source>
        <translation>Prikaži broj u području obavijesti</translation>
    </message>
    <message>
        <source>%1 shares no text</source>
        <translation>%1 ne dijeli tekst</translation>
    </message>
    <message>
        <source>Copy command</source>
        <translation>Kopiraj naredbu</translation>
    </message>
    <message>
        <source>There&apos;s no account and no analytics. With the %app model or the on-device model, your text stays on this computer.</source>
        <translation>Nema računa ni telemetrije. S modelom %app ili ugrađenim modelom vaš tekst ostaje na ovom računalu.</translation>
    </message>
    <message>
        <source>There&apos;s no account and no analytics. With the %app model, your text stays on this computer.</source>
        <translation>Nema računa ni telemetrije. S modelom %app vaš tekst ostaje na ovom računalu.</translation>
    </message>
    <message>
        <source>%app lives in your system tray from now on. Click its icon to pause it in an app or open Settings.</source>
        <translation>%app od sada živi u vašem području obavijesti. Kliknite njegovu ikonu da ga pauzirate u aplikaciji ili otvorite postavke.</translation>
    </message>
    <message>
        <source>%app has no account, no analytics and no servers of its own. The %app model and the on-device model keep your text on this computer. Other engines get it only if you set one up.</source>
        <translation>%app nema račun, telemetriju ni vlastite poslužitelje. Model %app i ugrađeni model drže vaš tekst na ovom računalu. Drugi pogoni dobivaju ga samo ako neki od njih postavite.</translation>
    </message>
    <message>
        <source>%app has no account, no analytics and no servers of its own. The %app model keeps your text on this computer. Other engines get it only if you set one up.</source>
        <translation>%app nema račun, telemetriju ni vlastite poslužitelje. Model %app drži vaš tekst na ovom računalu. Drugi pogoni dobivaju ga samo ako neki od njih postavite.</translation>
    </message>
    <message>
        <source>Installed applications</source>
        <translation>Instalirane aplikacije</translation>
    </message>
    <message>
        <source>%app reads these only while making a suggestion and never saves them. With the %app model or the on-device model, nothing leaves your computer.</source>
        <translation>%app ovo čita samo dok stvara prijedlog i nikad ne sprema. S modelom %app ili ugrađenim modelom ništa ne napušta vaše računalo.</translation>
    </message>
    <message>
        <source>%app reads these only while making a suggestion and never saves them. With the %app model, nothing leaves your computer.</source>
        <translation>%app ovo čita samo dok stvara prijedlog i nikad ne sprema. S modelom %app ništa ne napušta vaše računalo.</translation>
    </message>
    <message>
        <source>The %app model keeps your text on this computer.</source>
        <translation>Model %app drži vaš tekst na ovom računalu.</translation>
    </message>
    <message>
        <source>The key holds a line break or another control character. Paste it again without them.</source>
        <translation>Ključ sadrži prijelom retka ili drugi kontrolni znak. Zalijepite ga ponovno bez njih.</translation>
    </message>
    <message>
        <source>Waiting for the keyring to store the key.</source>
        <translation>Čeka se da spremnik ključeva spremi ključ.</translation>
    </message>
    <message>
        <source>The keyring cannot keep this key, so it is used only until %app quits.</source>
        <translation>Spremnik ključeva ne može čuvati ovaj ključ pa se koristi samo dok se %app ne zatvori.</translation>
    </message>
    <message>
        <source>Show in the system tray</source>
        <translation>Prikaži u području obavijesti</translation>
    </message>
    <message>
        <source>Pause or open Settings from the system tray. Hidden? Open %app from your applications menu to come back.</source>
        <translation>Pauzirajte ili otvorite postavke iz područja obavijesti. Ikona je skrivena? Otvorite %app iz izbornika aplikacija da se vratite.</translation>
    </message>
    <message>
        <source>This tray can&apos;t show text beside icons, so the count shows in the icon&apos;s tooltip.</source>
        <translation>Ovo područje obavijesti ne može prikazati tekst uz ikone pa se broj prikazuje u opisu ikone.</translation>
    </message>
    <message>
        <source>VS Code, VSCodium, Cursor, Zed, Kate, Sublime Text, JetBrains IDEs and similar apps.</source>
        <translation>VS Code, VSCodium, Cursor, Zed, Kate, Sublime Text, JetBrains IDE-ovi i slične aplikacije.</translation>
    </message>
    <message>
        <source>Your settings could not be read, so they were set aside and %app started over with its defaults.</source>
        <translation>Vaše postavke nije bilo moguće pročitati pa su odložene, a %app je krenuo ispočetka sa zadanim postavkama.</translation>
    </message>
    <message>
        <source>Your settings are not saved: %app cannot write to its settings folder.</source>
        <translation>Vaše postavke se ne spremaju: %app ne može pisati u svoju mapu postavki.</translation>
    </message>
    <message>
        <source>Your app and website rules could not be read, so they were set aside.</source>
        <translation>Vaša pravila za aplikacije i web-mjesta nije bilo moguće pročitati pa su odložena.</translation>
    </message>
    <message>
        <source>Your statistics could not be read, so they were set aside and counting started over.</source>
        <translation>Vašu statistiku nije bilo moguće pročitati pa je odložena, a brojanje je krenulo ispočetka.</translation>
    </message>
    <message>
        <source>Not saved: %app cannot write to its data folder.</source>
        <translation>Nije spremljeno: %app ne može pisati u svoju mapu podataka.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln suggestions. %1 selected</source>
        <translation>
            <numerusform>%Ln prijedlog. Odabrano: %1</numerusform>
            <numerusform>%Ln prijedloga. Odabrano: %1</numerusform>
            <numerusform>%Ln prijedloga. Odabrano: %1</numerusform>
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
            <numerusform>%Ln riječ</numerusform>
            <numerusform>%Ln riječi</numerusform>
            <numerusform>%Ln riječi</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln passages from here</source>
        <translation>
            <numerusform>%Ln odlomak iz ove aplikacije</numerusform>
            <numerusform>%Ln odlomka iz ove aplikacije</numerusform>
            <numerusform>%Ln odlomaka iz ove aplikacije</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>words</source>
        <comment>unit after a count</comment>
        <translation>
            <numerusform>riječ</numerusform>
            <numerusform>riječi</numerusform>
            <numerusform>riječi</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln days</source>
        <translation>
            <numerusform>%Ln dan</numerusform>
            <numerusform>%Ln dana</numerusform>
            <numerusform>%Ln dana</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Words saved per day over the last %Ln days</source>
        <translation>
            <numerusform>Ušteđene riječi po danu, zadnji %Ln dan</numerusform>
            <numerusform>Ušteđene riječi po danu, zadnja %Ln dana</numerusform>
            <numerusform>Ušteđene riječi po danu, zadnjih %Ln dana</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln day streak</source>
        <translation>
            <numerusform>Niz: %Ln dan</numerusform>
            <numerusform>Niz: %Ln dana</numerusform>
            <numerusform>Niz: %Ln dana</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln passages remembered</source>
        <translation>
            <numerusform>Zapamćen %Ln odlomak</numerusform>
            <numerusform>Zapamćena %Ln odlomka</numerusform>
            <numerusform>Zapamćeno %Ln odlomaka</numerusform>
        </translation>
    </message>
    <message>
        <source>enter</source>
        <translation>enter</translation>
    </message>
    <message>
        <source>Allow screen capture so %app can read those too. Most apps work without it.</source>
        <translation>Dopustite snimanje zaslona kako bi %app mogao čitati i njih. Većina aplikacija radi i bez toga.</translation>
    </message>
    <message>
        <source>Type a colon and a word, like :rocket, then press Tab or Enter to pick.</source>
        <translation>Upišite dvotočku i riječ, primjerice :rocket, zatim pritisnite Tab ili Enter za odabir.</translation>
    </message>
    <message>
        <source>You can switch memory off for single apps under Apps &amp; Sites. The key that unlocks it lives in your keyring.</source>
        <translation>Memoriju možete isključiti za pojedine aplikacije u odjeljku „Aplikacije i web-mjesta”. Ključ koji je otključava nalazi se u vašem spremniku ključeva.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln emoji. %1 selected</source>
        <translation>
            <numerusform>%Ln emoji. Odabrano: %1</numerusform>
            <numerusform>%Ln emojija. Odabrano: %1</numerusform>
            <numerusform>%Ln emojija. Odabrano: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Suggestion: %1</source>
        <translation>Prijedlog: %1</translation>
    </message>
    <message numerus="yes">
        <source>%Ln models available</source>
        <translation>
            <numerusform>Dostupan je %Ln model</numerusform>
            <numerusform>Dostupna su %Ln modela</numerusform>
            <numerusform>Dostupno je %Ln modela</numerusform>
        </translation>
    </message>
    <message>
        <source>The model couldn&apos;t be saved: %1</source>
        <translation>Model nije moguće spremiti: %1</translation>
    </message>
    <message>
        <source>Ollama isn&apos;t running.</source>
        <translation>Ollama ne radi.</translation>
    </message>
    <message>
        <source>Ollama isn&apos;t running at %1.</source>
        <translation>Ollama ne radi na adresi %1.</translation>
    </message>
    <message>
        <source>No server answered.</source>
        <translation>Nijedan poslužitelj nije odgovorio.</translation>
    </message>
    <message>
        <source>No server answered at %1.</source>
        <translation>Nijedan poslužitelj nije odgovorio na adresi %1.</translation>
    </message>
    <message>
        <source>Range: %1</source>
        <translation>Raspon: %1</translation>
    </message>
    <message numerus="yes">
        <source>%1, %Ln to do</source>
        <translation>
            <numerusform>%1, preostalo: %Ln</numerusform>
            <numerusform>%1, preostalo: %Ln</numerusform>
            <numerusform>%1, preostalo: %Ln</numerusform>
        </translation>
    </message>
    <message>
        <source>Type the whole name of the website, such as wikipedia.org.</source>
        <translation>Upišite puni naziv web-mjesta, primjerice wikipedia.org.</translation>
    </message>
    <message>
        <source>The key holds a space, an invisible character or a letter outside plain ASCII. Paste it again exactly as your server gave it.</source>
        <translation>Ključ sadrži razmak, nevidljivi znak ili slovo izvan običnog ASCII-ja. Zalijepite ga ponovno točno onako kako vam ga je dao poslužitelj.</translation>
    </message>
    <message>
        <source>The keyring could not be read, so your server is asked without an API key. Type the key again if your server needs one.</source>
        <translation>Spremnik ključeva nije bilo moguće pročitati pa se poslužitelju šalju upiti bez API ključa. Ponovno upišite ključ ako ga poslužitelj treba.</translation>
    </message>
    <message>
        <source>Your writing memory could not be opened, so it was set aside and %app started a new one.</source>
        <translation>Memoriju pisanja nije bilo moguće otvoriti pa je odložena, a %app je započeo novu.</translation>
    </message>
    <message>
        <source>%1, converted for llama.cpp by %2</source>
        <translation>%1, za llama.cpp pretvorio %2</translation>
    </message>
    <message>
        <source>The data folder %1 could not be made. Check that the folder above it exists and that you may write there.</source>
        <translation>Mapu podataka %1 nije bilo moguće stvoriti. Provjerite postoji li nadređena mapa i smijete li pisati u nju.</translation>
    </message>
    <message>
        <source>party</source>
        <comment>emoji search sample</comment>
        <translation>zabava</translation>
    </message>
    <message numerus="yes">
        <source>%Ln settings held values %app cannot use, so they were corrected and saved.</source>
        <translation>
            <numerusform>%Ln postavka imala je vrijednost koju %app ne može koristiti pa je ispravljena i spremljena.</numerusform>
            <numerusform>%Ln postavke imale su vrijednosti koje %app ne može koristiti pa su ispravljene i spremljene.</numerusform>
            <numerusform>%Ln postavki imalo je vrijednosti koje %app ne može koristiti pa su ispravljene i spremljene.</numerusform>
        </translation>
    </message>
    <message>
        <source>Your writing memory is not saved: the keyring is missing or locked, so its key cannot be kept.</source>
        <translation>Memorija pisanja se ne sprema: spremnik ključeva nedostaje ili je zaključan pa se njezin ključ ne može čuvati.</translation>
    </message>
    <message>
        <source>That address isn&apos;t valid</source>
        <translation>Ta adresa nije valjana</translation>
    </message>
    <message>
        <source>The request timed out.</source>
        <translation>Zahtjevu je isteklo vrijeme.</translation>
    </message>
    <message>
        <source>The server&apos;s reply was too long, so it was stopped.</source>
        <translation>Odgovor poslužitelja bio je predug pa je prekinut.</translation>
    </message>
    <message>
        <source>The server answered %1.</source>
        <translation>Poslužitelj je odgovorio %1.</translation>
    </message>
    <message>
        <source>The server answered %1: %2</source>
        <translation>Poslužitelj je odgovorio %1: %2</translation>
    </message>
    <message>
        <source>The download server answered %1. Try again later.</source>
        <translation>Poslužitelj za preuzimanje odgovorio je %1. Pokušajte ponovno kasnije.</translation>
    </message>
    <message>
        <source>The download couldn&apos;t be saved: %1</source>
        <translation>Preuzimanje nije moguće spremiti: %1</translation>
    </message>
    <message>
        <source>The download paused because the connection dropped. Try again to pick up where it stopped.</source>
        <translation>Preuzimanje je pauzirano jer je veza prekinuta. Pokušajte ponovno za nastavak od mjesta gdje je stalo.</translation>
    </message>
    <message>
        <source>The download stopped. Check your connection, then try again.</source>
        <translation>Preuzimanje je zaustavljeno. Provjerite vezu pa pokušajte ponovno.</translation>
    </message>
    <message>
        <source>Pick an Ollama model in Settings</source>
        <translation>Odaberite model Ollama u postavkama</translation>
    </message>
    <message>
        <source>Pick a model for your local server</source>
        <translation>Odaberite model za svoj lokalni poslužitelj</translation>
    </message>
    <message>
        <source>The server&apos;s answer is not HTTP.</source>
        <translation>Odgovor poslužitelja nije HTTP.</translation>
    </message>
    <message>
        <source>The data couldn&apos;t be read because it is missing.</source>
        <translation>Podaci se ne mogu pročitati jer nedostaju.</translation>
    </message>
    <message>
        <source>The data couldn&apos;t be read because it isn&apos;t in the correct format.</source>
        <translation>Podaci se ne mogu pročitati jer nisu u ispravnom formatu.</translation>
    </message>
    <message>
        <source>:%1:</source>
        <comment>emoji name</comment>
        <translation>:%1:</translation>
    </message>
    <message>
        <source>This computer has no on-device language model.</source>
        <translation>Ovo računalo nema ugrađeni jezični model.</translation>
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
        <translation>Pauzirano na web-mjestu %1</translation>
    </message>
    <message>
        <source>Paused in %1</source>
        <translation>Pauzirano u aplikaciji %1</translation>
    </message>
    <message>
        <source>Off on %1</source>
        <translation>Isključeno na web-mjestu %1</translation>
    </message>
    <message>
        <source>Off in %1</source>
        <translation>Isključeno u aplikaciji %1</translation>
    </message>
    <message>
        <source>Off in %1 by default</source>
        <translation>Zadano isključeno u aplikaciji %1</translation>
    </message>
    <message>
        <source>Off in code editors</source>
        <translation>Isključeno u uređivačima koda</translation>
    </message>
    <message>
        <source>Off unless turned on per app</source>
        <translation>Isključeno osim ako je uključeno za aplikaciju</translation>
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
        <translation>Razmaknica</translation>
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
        <translation>Tipka %1</translation>
    </message>
    <message>
        <source>An email reply reads differently from a commit message.</source>
        <translation>Odgovor na e-poštu piše se drukčije od poruke commita.</translation>
    </message>
    <message>
        <source>Writes straight into the field. Cleanest in GTK and Qt apps.</source>
        <translation>Piše izravno u polje. Najčišće u GTK i Qt aplikacijama.</translation>
    </message>
    <message>
        <source>Typing</source>
        <comment>insertion method</comment>
        <translation>Tipkanje</translation>
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
            <numerusform>%Ln riječ danas ušteđena</numerusform>
            <numerusform>%Ln riječi danas ušteđene</numerusform>
            <numerusform>%Ln riječi danas ušteđeno</numerusform>
        </translation>
    </message>
    <message>
        <source>Under a minute of typing saved today.</source>
        <translation>Danas ušteđeno manje od minute tipkanja.</translation>
    </message>
    <message>
        <source>About %1 of typing saved today.</source>
        <translation>Danas ušteđeno oko %1 tipkanja.</translation>
    </message>
    <message numerus="yes">
        <source>Step %1 of %Ln</source>
        <translation>
            <numerusform>Korak %1 od %Ln</numerusform>
            <numerusform>Korak %1 od %Ln</numerusform>
            <numerusform>Korak %1 od %Ln</numerusform>
        </translation>
    </message>
    <message>
        <source>%app reads and types into text fields through the desktop&apos;s accessibility support, which some desktops leave off. %app uses it only for the field you&apos;re writing in.</source>
        <translation>%app čita tekstna polja i tipka u njih putem podrške za pristupačnost radne površine, koju neke radne površine ostavljaju isključenom. %app je koristi samo za polje u koje pišete.</translation>
    </message>
    <message>
        <source>The button switches the desktop&apos;s accessibility support on. If the desktop&apos;s settings open instead, turn accessibility on there, then come back. This page updates by itself.</source>
        <translation>Gumb uključuje podršku za pristupačnost radne površine. Ako se umjesto toga otvore postavke radne površine, ondje uključite pristupačnost, a zatim se vratite. Ova se stranica sama osvježava.</translation>
    </message>
    <message>
        <source>Still off? Some desktops start their accessibility service only when you log in. Log out and back in, then try again.</source>
        <translation>Još uvijek isključeno? Neke radne površine pokreću uslugu pristupačnosti tek pri prijavi. Odjavite se i ponovno prijavite, a zatim pokušajte ponovno.</translation>
    </message>
    <message>
        <source>Pause</source>
        <comment>section header</comment>
        <translation>Pauza</translation>
    </message>
    <message>
        <source>Pause</source>
        <comment>button</comment>
        <translation>Pauziraj</translation>
    </message>
    <message>
        <source>typing</source>
        <comment>insertion method, in a sentence</comment>
        <translation>tipkanje</translation>
    </message>
    <message>
        <source>accessibility</source>
        <comment>insertion method, in a sentence</comment>
        <translation>pristupačnost</translation>
    </message>
    <message>
        <source>paste</source>
        <comment>insertion method, in a sentence</comment>
        <translation>lijepljenje</translation>
    </message>
    <message>
        <source>short</source>
        <comment>suggestion length, in a sentence</comment>
        <translation>kratki</translation>
    </message>
    <message>
        <source>medium</source>
        <comment>suggestion length, in a sentence</comment>
        <translation>srednji</translation>
    </message>
    <message>
        <source>long</source>
        <comment>suggestion length, in a sentence</comment>
        <translation>dugi</translation>
    </message>
    <message>
        <source>Default follows General: %1, %2 suggestions.</source>
        <translation>Zadano prema odjeljku „Općenito”: %1, %2 prijedlozi.</translation>
    </message>
    <message>
        <source>Yes, at %1, %2 on screen, %3 pt tall, %4 and %5</source>
        <translation>Da, na %1, %2 na zaslonu, visina %3 pt, %4 i %5</translation>
    </message>
    <message numerus="yes">
        <source>%Ln characters before it</source>
        <translation>
            <numerusform>%Ln znak ispred</numerusform>
            <numerusform>%Ln znaka ispred</numerusform>
            <numerusform>%Ln znakova ispred</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln after</source>
        <comment>characters after the caret</comment>
        <translation>
            <numerusform>%Ln iza</numerusform>
            <numerusform>%Ln iza</numerusform>
            <numerusform>%Ln iza</numerusform>
        </translation>
    </message>
    <message>
        <source>No system tray runs on this desktop, so the icon cannot show. %1</source>
        <translation>Na ovoj radnoj površini ne radi područje obavijesti, pa se ikona ne može prikazati. %1</translation>
    </message>
    <message>
        <source>Typing</source>
        <comment>section header</comment>
        <translation>Tipkanje</translation>
    </message>
    <message>
        <source>Switch to the computer&apos;s language?</source>
        <translation>Prebaciti na jezik računala?</translation>
    </message>
    <message numerus="yes">
        <source>%Ln words this week.</source>
        <translation>
            <numerusform>%Ln riječ ovaj tjedan.</numerusform>
            <numerusform>%Ln riječi ovaj tjedan.</numerusform>
            <numerusform>%Ln riječi ovaj tjedan.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Under a minute of typing saved today. %Ln words this week.</source>
        <translation>
            <numerusform>Danas ušteđeno manje od minute tipkanja. %Ln riječ ovaj tjedan.</numerusform>
            <numerusform>Danas ušteđeno manje od minute tipkanja. %Ln riječi ovaj tjedan.</numerusform>
            <numerusform>Danas ušteđeno manje od minute tipkanja. %Ln riječi ovaj tjedan.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>About %1 of typing saved today. %Ln words this week.</source>
        <translation>
            <numerusform>Danas ušteđeno oko %1 tipkanja. %Ln riječ ovaj tjedan.</numerusform>
            <numerusform>Danas ušteđeno oko %1 tipkanja. %Ln riječi ovaj tjedan.</numerusform>
            <numerusform>Danas ušteđeno oko %1 tipkanja. %Ln riječi ovaj tjedan.</numerusform>
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
            <numerusform>%Ln od %1 gotovo</numerusform>
            <numerusform>%Ln od %1 gotovo</numerusform>
            <numerusform>%Ln od %1 gotovo</numerusform>
        </translation>
    </message>
    <message>
        <source>The server refused the connection. Check that it is running and that the address is right.</source>
        <translation>Poslužitelj je odbio vezu. Provjerite je li pokrenut i je li adresa točna.</translation>
    </message>
    <message>
        <source>The server&apos;s name couldn&apos;t be found. Check the address.</source>
        <translation>Naziv poslužitelja nije pronađen. Provjerite adresu.</translation>
    </message>
    <message>
        <source>A secure connection to the server couldn&apos;t be made.</source>
        <translation>Nije moguće uspostaviti sigurnu vezu s poslužiteljem.</translation>
    </message>
    <message>
        <source>The server closed the connection before it answered.</source>
        <translation>Poslužitelj je zatvorio vezu prije nego što je odgovorio.</translation>
    </message>
    <message>
        <source>The network proxy couldn&apos;t be reached.</source>
        <translation>Mrežni proxy poslužitelj nije dostupan.</translation>
    </message>
    <message>
        <source>The server couldn&apos;t be reached.</source>
        <translation>Poslužitelj nije dostupan.</translation>
    </message>
    <message>
        <source>Waiting for the network…</source>
        <translation>Čeka se mreža…</translation>
    </message>
    <message>
        <source>%1 is taken by another program.</source>
        <translation>Drugi program već koristi %1.</translation>
    </message>
    <message>
        <source>%1 could not open again. Your choice takes effect the next time you start it.</source>
        <translation>%1 se nije mogao ponovno otvoriti. Vaš izbor vrijedi od sljedećeg pokretanja.</translation>
    </message>
    <message>
        <source>Downloading the model</source>
        <translation>Preuzimanje modela</translation>
    </message>
    <message numerus="yes">
        <source>These apps answer the Tab key before %app can, so %app stays paused in your other apps until they quit.</source>
        <translation>
            <numerusform>Te aplikacije reagiraju na tipku Tab prije aplikacije %app pa %app ostaje pauziran u vašim drugim aplikacijama dok se ne zatvore.</numerusform>
            <numerusform>Te aplikacije reagiraju na tipku Tab prije aplikacije %app pa %app ostaje pauziran u vašim drugim aplikacijama dok se ne zatvore.</numerusform>
            <numerusform>Te aplikacije reagiraju na tipku Tab prije aplikacije %app pa %app ostaje pauziran u vašim drugim aplikacijama dok se ne zatvore.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>It may be waiting on a dialog of its own. Force Quit closes it right away.</source>
        <translation>
            <numerusform>Možda čeka na vlastiti dijalog. „Prisilno zatvori” odmah je zatvara.</numerusform>
            <numerusform>Možda čekaju na vlastite dijaloge. „Prisilno zatvori” odmah ih zatvara.</numerusform>
            <numerusform>Možda čekaju na vlastite dijaloge. „Prisilno zatvori” odmah ih zatvara.</numerusform>
        </translation>
    </message>
    <message>
        <source>Set a Suggest Now shortcut in Keys to ask for suggestions</source>
        <translation>Postavite prečac „Predloži sada” u odjeljku „Tipke” da biste tražili prijedloge</translation>
    </message>
    <message>
        <source>Backspace</source>
        <comment>key above Enter that deletes backwards</comment>
        <translation>Backspace</translation>
    </message>
    <message>
        <source>0 words saved today</source>
        <translation>0 riječi danas ušteđeno</translation>
    </message>
    <message>
        <source>words saved today</source>
        <comment>beside the count 0</comment>
        <translation>riječi danas ušteđeno</translation>
    </message>
    <message>
        <source>Quit the other app</source>
        <translation>Zatvori drugu aplikaciju</translation>
    </message>
    <message>
        <source>None yet</source>
        <comment>no app looked at yet</comment>
        <translation>Još nema</translation>
    </message>
    <message>
        <source>None yet</source>
        <comment>no suggestion shown yet</comment>
        <translation>Još nema</translation>
    </message>
    <message>
        <source>The other app is also running</source>
        <translation>Druga aplikacija također radi</translation>
    </message>
    <message>
        <source>Both apps answer the Tab key, and the system gives it to the other app first. %app stays paused in your other apps until the other app quits.</source>
        <translation>Obje aplikacije reagiraju na tipku Tab, a sustav je najprije daje drugoj aplikaciji. %app ostaje pauziran u vašim drugim aplikacijama dok se ta aplikacija ne zatvori.</translation>
    </message>
    <message>
        <source>The other app is still open</source>
        <translation>Druga aplikacija je još otvorena</translation>
    </message>
    <message>
        <source>The other app quit, so your suggestions are back in every app.</source>
        <translation>Druga aplikacija je zatvorena pa su vaši prijedlozi ponovno u svakoj aplikaciji.</translation>
    </message>
    <message>
        <source>The other app quit. %app has the Tab key.</source>
        <translation>Druga aplikacija je zatvorena. %app ima tipku Tab.</translation>
    </message>
</context>
</TS>
