<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ro" sourcelanguage="en">
<context>
    <name>Tessaquill</name>
    <message>
        <source>Accessibility is on. %app is ready in your other apps.</source>
        <translation>Accesibilitatea este activată. %app este pregătit în celelalte aplicații.</translation>
    </message>
    <message>
        <source>Paused while %1 is open</source>
        <translation>În pauză cât timp %1 este deschis</translation>
    </message>
    <message>
        <source>Welcome to %app</source>
        <translation>Bun venit în %app</translation>
    </message>
    <message>
        <source>%app</source>
        <translation>%app</translation>
    </message>
    <message>
        <source>Another autocomplete app is running</source>
        <translation>Rulează o altă aplicație de completare automată</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Pregătit</translation>
    </message>
    <message>
        <source>Waiting for a pause</source>
        <translation>Se așteaptă o pauză</translation>
    </message>
    <message>
        <source>Thinking</source>
        <translation>Se gândește</translation>
    </message>
    <message>
        <source>Showing a suggestion</source>
        <translation>Se afișează o sugestie</translation>
    </message>
    <message>
        <source>The model took too long to answer</source>
        <translation>Modelul a răspuns prea încet</translation>
    </message>
    <message>
        <source>This app doesn&apos;t report where the caret is</source>
        <translation>Această aplicație nu indică unde este cursorul</translation>
    </message>
    <message>
        <source>%app is turned off</source>
        <translation>%app este dezactivat</translation>
    </message>
    <message>
        <source>Secure input is on, so %app stays out</source>
        <translation>Introducere securizată activă: %app stă deoparte</translation>
    </message>
    <message>
        <source>Press %1 for a suggestion</source>
        <translation>Apăsați %1 pentru o sugestie</translation>
    </message>
    <message>
        <source>Text is selected</source>
        <translation>Este selectat text</translation>
    </message>
    <message>
        <source>The caret is inside existing text</source>
        <translation>Cursorul este în interiorul unui text existent</translation>
    </message>
    <message>
        <source>This field is too small</source>
        <translation>Acest câmp este prea mic</translation>
    </message>
    <message>
        <source>Waiting for a few characters</source>
        <translation>Se așteaptă câteva caractere</translation>
    </message>
    <message>
        <source>Start of a new line</source>
        <translation>Început de rând nou</translation>
    </message>
    <message>
        <source>The model is still downloading</source>
        <translation>Modelul încă se descarcă</translation>
    </message>
    <message>
        <source>Download the %app model in Settings first</source>
        <translation>Descărcați mai întâi modelul %app din Setări</translation>
    </message>
    <message>
        <source>Not checked yet</source>
        <translation>Încă neverificat</translation>
    </message>
    <message>
        <source>Checking…</source>
        <translation>Se verifică…</translation>
    </message>
    <message>
        <source>The model stopped with error %1</source>
        <translation>Modelul s-a oprit cu eroarea %1</translation>
    </message>
    <message>
        <source>The model file couldn&apos;t be loaded</source>
        <translation>Fișierul modelului nu a putut fi încărcat</translation>
    </message>
    <message>
        <source>There wasn&apos;t enough memory to start the model</source>
        <translation>Nu a fost destulă memorie pentru a porni modelul</translation>
    </message>
    <message>
        <source>The text couldn&apos;t be prepared for the model</source>
        <translation>Textul nu a putut fi pregătit pentru model</translation>
    </message>
    <message>
        <source>This computer needs %1 free for the download. Free up some space, then try again.</source>
        <translation>Acest computer are nevoie de %1 liberi pentru descărcare. Eliberați spațiu, apoi încercați din nou.</translation>
    </message>
    <message>
        <source>The download didn&apos;t match the expected file, so it was deleted. Try again.</source>
        <translation>Descărcarea nu corespundea fișierului așteptat, așa că a fost ștearsă. Încercați din nou.</translation>
    </message>
    <message>
        <source>Downloaded</source>
        <translation>Descărcat</translation>
    </message>
    <message>
        <source>Downloading. Suggestions start once it&apos;s done.</source>
        <translation>Se descarcă. Sugestiile încep după ce se termină.</translation>
    </message>
    <message>
        <source>Checking the download.</source>
        <translation>Se verifică descărcarea.</translation>
    </message>
    <message>
        <source>Checking the download. Suggestions start once it&apos;s done.</source>
        <translation>Se verifică descărcarea. Sugestiile încep după ce se termină.</translation>
    </message>
    <message>
        <source>Download the model to start</source>
        <translation>Descărcați modelul pentru a începe</translation>
    </message>
    <message>
        <source>Ollama is running but has no models</source>
        <translation>Ollama rulează, dar nu are modele</translation>
    </message>
    <message>
        <source>Another app</source>
        <translation>Altă aplicație</translation>
    </message>
    <message>
        <source>There is no D-Bus session bus, so %1 cannot reach text fields.</source>
        <translation>Nu există magistrală de sesiune D-Bus, deci %1 nu poate accesa câmpurile de text.</translation>
    </message>
    <message>
        <source>The desktop&apos;s accessibility bus is not running, so %1 cannot reach text fields.</source>
        <translation>Magistrala de accesibilitate a desktopului nu rulează, deci %1 nu poate accesa câmpurile de text.</translation>
    </message>
    <message>
        <source>Short</source>
        <translation>Scurtă</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Medie</translation>
    </message>
    <message>
        <source>Long</source>
        <translation>Lungă</translation>
    </message>
    <message>
        <source>Hide the suggestion</source>
        <translation>Ascunde sugestia</translation>
    </message>
    <message>
        <source>Hide suggestions until I change fields</source>
        <translation>Ascunde sugestiile până schimb câmpul</translation>
    </message>
    <message>
        <source>Do nothing, send Escape to the app</source>
        <translation>Nu face nimic, trimite Esc aplicației</translation>
    </message>
    <message>
        <source>Type it</source>
        <translation>Tastare</translation>
    </message>
    <message>
        <source>Insert through Accessibility</source>
        <translation>Inserare prin accesibilitate</translation>
    </message>
    <message>
        <source>Paste it</source>
        <translation>Lipire</translation>
    </message>
    <message>
        <source>Grey</source>
        <translation>Gri</translation>
    </message>
    <message>
        <source>Gold tint</source>
        <translation>Nuanță aurie</translation>
    </message>
    <message>
        <source>%app model</source>
        <translation>Modelul %app</translation>
    </message>
    <message>
        <source>Ollama</source>
        <translation>Ollama</translation>
    </message>
    <message>
        <source>Local server</source>
        <translation>Server local</translation>
    </message>
    <message>
        <source>Runs on this computer after a one-time download. Works offline.</source>
        <translation>Rulează pe acest computer după o singură descărcare. Funcționează offline.</translation>
    </message>
    <message>
        <source>Any model you run in Ollama, base models included.</source>
        <translation>Orice model rulat în Ollama, inclusiv modele de bază.</translation>
    </message>
    <message>
        <source>LM Studio, llama-server or any OpenAI-compatible endpoint.</source>
        <translation>LM Studio, llama-server sau orice endpoint compatibil OpenAI.</translation>
    </message>
    <message>
        <source>Sends the text as keystrokes. Works almost everywhere.</source>
        <translation>Trimite textul ca apăsări de taste. Merge aproape peste tot.</translation>
    </message>
    <message>
        <source>Uses the clipboard, then puts your clipboard back.</source>
        <translation>Folosește clipboardul, apoi îl restabilește.</translation>
    </message>
    <message>
        <source>Accessibility</source>
        <translation>Accesibilitate</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Lipire</translation>
    </message>
    <message>
        <source>Your writing memory could not be opened and was set aside. Nothing new is remembered until %app starts again.</source>
        <translation>Memoria de scriere nu a putut fi deschisă și a fost pusă deoparte. Nimic nou nu este reținut până la repornirea lui %app.</translation>
    </message>
    <message>
        <source>Your writing memory could not be opened because its key could not be read from the keyring. Nothing new is remembered until %app starts again.</source>
        <translation>Memoria de scriere nu a putut fi deschisă, deoarece cheia ei nu a putut fi citită din portchei. Nimic nou nu este reținut până la repornirea lui %app.</translation>
    </message>
    <message>
        <source>Not Now</source>
        <translation>Nu acum</translation>
    </message>
    <message>
        <source>Open the desktop&apos;s settings</source>
        <translation>Deschide setările desktopului</translation>
    </message>
    <message>
        <source>Don&apos;t remind me again</source>
        <translation>Nu-mi mai aminti</translation>
    </message>
    <message>
        <source>Open Playground</source>
        <translation>Deschide zona de exersare</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Setări</translation>
    </message>
    <message>
        <source>Quit %app</source>
        <translation>Ieși din %app</translation>
    </message>
    <message>
        <source>Needs Accessibility access</source>
        <translation>Necesită acces la Accesibilitate</translation>
    </message>
    <message>
        <source>Paused until you resume</source>
        <translation>În pauză până la reluare</translation>
    </message>
    <message>
        <source>Paused until %1</source>
        <translation>În pauză până la %1</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Dezactivat</translation>
    </message>
    <message numerus="yes">
        <source>Paused while %1 are open</source>
        <translation>
            <numerusform>În pauză cât timp %1 este deschis</numerusform>
            <numerusform>În pauză cât timp %1 sunt deschise</numerusform>
            <numerusform>În pauză cât timp %1 sunt deschise</numerusform>
        </translation>
    </message>
    <message>
        <source>Grant Accessibility Access…</source>
        <translation>Acordă acces la Accesibilitate…</translation>
    </message>
    <message numerus="yes">
        <source>Force Quit %1</source>
        <translation>
            <numerusform>Închide forțat %1</numerusform>
            <numerusform>Închide forțat %1</numerusform>
            <numerusform>Închide forțat %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Quit %1</source>
        <translation>
            <numerusform>Închide %1</numerusform>
            <numerusform>Închide %1</numerusform>
            <numerusform>Închide %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>words saved today</source>
        <translation>
            <numerusform>cuvânt economisit azi</numerusform>
            <numerusform>cuvinte economisite azi</numerusform>
            <numerusform>de cuvinte economisite azi</numerusform>
        </translation>
    </message>
    <message>
        <source>Start typing anywhere. %app keeps count here.</source>
        <translation>Începeți să scrieți oriunde. %app ține socoteala aici.</translation>
    </message>
    <message>
        <source>Resume in %1</source>
        <translation>Reia în %1</translation>
    </message>
    <message>
        <source>Pause in %1</source>
        <translation>Pune pe pauză în %1</translation>
    </message>
    <message>
        <source>Resume Everywhere</source>
        <translation>Reia peste tot</translation>
    </message>
    <message>
        <source>Pause Everywhere</source>
        <translation>Pune pe pauză peste tot</translation>
    </message>
    <message>
        <source>For 15 Minutes</source>
        <translation>Pentru 15 minute</translation>
    </message>
    <message>
        <source>For 1 Hour</source>
        <translation>Pentru 1 oră</translation>
    </message>
    <message>
        <source>For 4 Hours</source>
        <translation>Pentru 4 ore</translation>
    </message>
    <message>
        <source>Until I Resume</source>
        <translation>Până reiau</translation>
    </message>
    <message>
        <source>Example: after typing %1, %2 suggests %3</source>
        <translation>Exemplu: după ce tastați %1, %2 sugerează %3</translation>
    </message>
    <message>
        <source>takes the next word</source>
        <translation>preia cuvântul următor</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Descarcă</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anulează</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 din %2</translation>
    </message>
    <message>
        <source>%1 of %2. You can keep writing while it downloads.</source>
        <translation>%1 din %2. Puteți scrie în continuare cât timp se descarcă.</translation>
    </message>
    <message>
        <source>Checking the download</source>
        <translation>Se verifică descărcarea</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Încearcă din nou</translation>
    </message>
    <message>
        <source>Remove…</source>
        <translation>Elimină…</translation>
    </message>
    <message>
        <source>%1 license</source>
        <translation>Licență %1</translation>
    </message>
    <message>
        <source>Remove the %app model?</source>
        <translation>Eliminați modelul %app?</translation>
    </message>
    <message>
        <source>Model download</source>
        <translation>Descărcarea modelului</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Elimină</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuă</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Mai târziu</translation>
    </message>
    <message>
        <source>Start Writing</source>
        <translation>Începe scrierea</translation>
    </message>
    <message>
        <source>Finish your sentences in any app.</source>
        <translation>Terminați-vă frazele în orice aplicație.</translation>
    </message>
    <message>
        <source>%app reads the words before your caret and suggests what comes next in grey. Press Tab to take one word, or the key above Tab to take the rest. If you don&apos;t want it, keep typing.</source>
        <translation>%app citește cuvintele dinaintea cursorului și sugerează cu gri ce urmează. Apăsați Tab pentru a prelua un cuvânt sau tasta de deasupra lui Tab pentru restul. Dacă nu vă trebuie, continuați să tastați.</translation>
    </message>
    <message>
        <source>Sees what you see</source>
        <translation>Vede ce vedeți</translation>
    </message>
    <message>
        <source>Private</source>
        <translation>Privat</translation>
    </message>
    <message>
        <source>It reads the window you&apos;re typing in, like the chat you&apos;re answering, so suggestions fit. None of it goes online, to us or any server. It stays private on your computer.</source>
        <translation>Citește fereastra în care scrieți, de exemplu conversația la care răspundeți, ca sugestiile să se potrivească. Nimic nu ajunge online, nici la noi, nici la vreun server. Rămâne privat pe computerul dvs.</translation>
    </message>
    <message>
        <source>Accessibility is on</source>
        <translation>Accesibilitate activată</translation>
    </message>
    <message>
        <source>%app can now read the field you&apos;re writing in and type suggestions for you.</source>
        <translation>Acum %app poate citi câmpul în care scrieți și poate insera sugestii pentru dvs.</translation>
    </message>
    <message>
        <source>Let %app see what you type.</source>
        <translation>Permiteți-i lui %app să vadă ce tastați.</translation>
    </message>
    <message>
        <source>%app reads your text when you pause and forgets it after one suggestion, unless you turn on writing memory.</source>
        <translation>%app vă citește textul când faceți o pauză și îl uită după o sugestie, dacă nu activați memoria de scriere.</translation>
    </message>
    <message>
        <source>%app skips password fields and anything else the system marks as secure.</source>
        <translation>%app omite câmpurile de parolă și tot ce sistemul marchează ca securizat.</translation>
    </message>
    <message>
        <source>Open Accessibility Settings</source>
        <translation>Deschide setările de accesibilitate</translation>
    </message>
    <message>
        <source>Pick what writes your suggestions.</source>
        <translation>Alegeți ce vă scrie sugestiile.</translation>
    </message>
    <message>
        <source>You can change this any time in Settings.</source>
        <translation>Puteți schimba oricând în Setări.</translation>
    </message>
    <message>
        <source>Give it a try.</source>
        <translation>Încercați.</translation>
    </message>
    <message>
        <source>Start typing a sentence. When grey words appear, press Tab for one word or the key above Tab for all of them.</source>
        <translation>Începeți să tastați o frază. Când apar cuvinte gri, apăsați Tab pentru un cuvânt sau tasta de deasupra lui Tab pentru toate.</translation>
    </message>
    <message>
        <source>Hi Orlenn, thanks for the quick reply. I think we should</source>
        <translation>Salut, Orlenn, mersi pentru răspunsul rapid. Cred că ar trebui</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Înapoi</translation>
    </message>
    <message>
        <source>Practice field</source>
        <translation>Câmp de exersare</translation>
    </message>
    <message>
        <source>Default, on</source>
        <translation>Implicit, activat</translation>
    </message>
    <message>
        <source>Default, off</source>
        <translation>Implicit, dezactivat</translation>
    </message>
    <message>
        <source>Add a website</source>
        <translation>Adăugare site web</translation>
    </message>
    <message>
        <source>Domain</source>
        <translation>Domeniu</translation>
    </message>
    <message>
        <source>Rules for a site apply in any browser %app can read.</source>
        <translation>Regulile unui site se aplică în orice browser pe care îl poate citi %app.</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Adaugă</translation>
    </message>
    <message>
        <source>Add App…</source>
        <translation>Adaugă aplicație…</translation>
    </message>
    <message>
        <source>Add an app</source>
        <translation>Adăugare aplicație</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Caută</translation>
    </message>
    <message>
        <source>Clear search</source>
        <translation>Golește căutarea</translation>
    </message>
    <message>
        <source>Add an app or website</source>
        <translation>Adaugă o aplicație sau un site</translation>
    </message>
    <message>
        <source>Add Website…</source>
        <translation>Adaugă site web…</translation>
    </message>
    <message>
        <source>Apps &amp; Sites</source>
        <translation>Aplicații &amp; site-uri</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>În pauză</translation>
    </message>
    <message>
        <source>Apps</source>
        <translation>Aplicații</translation>
    </message>
    <message>
        <source>Websites</source>
        <translation>Site-uri web</translation>
    </message>
    <message>
        <source>No matches</source>
        <translation>Nicio potrivire</translation>
    </message>
    <message>
        <source>No apps yet</source>
        <translation>Încă nicio aplicație</translation>
    </message>
    <message>
        <source>Nothing matches “%1”.</source>
        <translation>Nimic nu se potrivește cu „%1”.</translation>
    </message>
    <message>
        <source>Apps appear here once you accept a suggestion in them, or add one with +.</source>
        <translation>Aplicațiile apar aici după ce acceptați o sugestie în ele sau adăugați una cu +.</translation>
    </message>
    <message>
        <source>Pick an app or site</source>
        <translation>Alegeți o aplicație sau un site</translation>
    </message>
    <message>
        <source>Each one can have its own rules. Anything you don&apos;t change follows General.</source>
        <translation>Fiecare poate avea regulile sale. Ce nu schimbați urmează setările din „Generale”.</translation>
    </message>
    <message>
        <source>Words saved here</source>
        <translation>Cuvinte economisite aici</translation>
    </message>
    <message>
        <source>Suggestions</source>
        <translation>Sugestii</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Activat</translation>
    </message>
    <message>
        <source>Tab accepts suggestions</source>
        <translation>Tab acceptă sugestiile</translation>
    </message>
    <message>
        <source>Turn off where Tab already means something, like indenting. The other accept key still works.</source>
        <translation>Dezactivați unde Tab are deja un rol, de exemplu indentarea. Cealaltă tastă de acceptare funcționează în continuare.</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Implicit</translation>
    </message>
    <message>
        <source>Insert by</source>
        <translation>Inserare prin</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Lungime</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Reia</translation>
    </message>
    <message>
        <source>Pause here</source>
        <translation>Pune pe pauză aici</translation>
    </message>
    <message>
        <source>Memory</source>
        <translation>Memorie</translation>
    </message>
    <message>
        <source>Remember my writing here</source>
        <translation>Reține cum scriu aici</translation>
    </message>
    <message>
        <source>Writing memory is off in Your Voice.</source>
        <translation>Memoria de scriere este dezactivată în „Stilul personal”.</translation>
    </message>
    <message>
        <source>Erase…</source>
        <translation>Șterge…</translation>
    </message>
    <message>
        <source>Reset to Defaults</source>
        <translation>Restabilește valorile implicite</translation>
    </message>
    <message>
        <source>Erase what %app remembered from %1?</source>
        <translation>Ștergeți ce a reținut %app în %1?</translation>
    </message>
    <message>
        <source>Erase</source>
        <translation>Șterge</translation>
    </message>
    <message>
        <source>Passages from this app can shape suggestions everywhere.</source>
        <translation>Fragmentele din această aplicație pot influența sugestiile peste tot.</translation>
    </message>
    <message>
        <source>Finish setting up</source>
        <translation>Finalizați configurarea</translation>
    </message>
    <message>
        <source>Setup progress</source>
        <translation>Progresul configurării</translation>
    </message>
    <message>
        <source>Done: %1</source>
        <translation>Gata: %1</translation>
    </message>
    <message>
        <source>Best day yet!</source>
        <translation>Cea mai bună zi!</translation>
    </message>
    <message>
        <source>Try it here</source>
        <translation>Încercați aici</translation>
    </message>
    <message>
        <source>Thanks for sending the draft over. I had a look and</source>
        <translation>Mersi că mi-ai trimis ciorna. M-am uitat peste ea și</translation>
    </message>
    <message>
        <source>next word</source>
        <translation>cuvântul următor</translation>
    </message>
    <message>
        <source>whole suggestion</source>
        <translation>sugestia întreagă</translation>
    </message>
    <message>
        <source>hide it</source>
        <translation>ascunde-o</translation>
    </message>
    <message>
        <source>This field runs the real engine. Start typing and grey words show up as you go.</source>
        <translation>Acest câmp folosește motorul real. Începeți să tastați și cuvintele gri apar pe parcurs.</translation>
    </message>
    <message>
        <source>This field runs the real engine, even before you allow Accessibility. Start typing and grey words show up as you go.</source>
        <translation>Acest câmp folosește motorul real, chiar înainte să permiteți accesibilitatea. Începeți să tastați și cuvintele gri apar pe parcurs.</translation>
    </message>
    <message>
        <source>You&apos;re all set</source>
        <translation>Totul este gata</translation>
    </message>
    <message>
        <source>Accessibility is on and %1 is ready. %app works in every app you type in.</source>
        <translation>Accesibilitatea este activată și %1 este pregătit. %app funcționează în orice aplicație în care tastați.</translation>
    </message>
    <message>
        <source>Waiting for %1 to quit</source>
        <translation>Se așteaptă închiderea lui %1</translation>
    </message>
    <message>
        <source>Turned off</source>
        <translation>Dezactivat</translation>
    </message>
    <message>
        <source>Paused everywhere</source>
        <translation>În pauză peste tot</translation>
    </message>
    <message>
        <source>%1, %2 typical wait</source>
        <translation>%1, așteptare obișnuită: %2</translation>
    </message>
    <message>
        <source>Start your streak today.</source>
        <translation>Începeți-vă seria azi.</translation>
    </message>
    <message>
        <source>Overview</source>
        <translation>Rezumat</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Generale</translation>
    </message>
    <message>
        <source>Engine</source>
        <translation>Motor</translation>
    </message>
    <message>
        <source>Context</source>
        <translation>Context</translation>
    </message>
    <message>
        <source>Your Voice</source>
        <translation>Stilul personal</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Taste</translation>
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
        <translation>Statistici</translation>
    </message>
    <message>
        <source>Field Inspector</source>
        <translation>Inspector de câmp</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Despre</translation>
    </message>
    <message>
        <source>How %app is doing today</source>
        <translation>Cum se descurcă %app azi</translation>
    </message>
    <message>
        <source>Where and how suggestions appear</source>
        <translation>Unde și cum apar sugestiile</translation>
    </message>
    <message>
        <source>The model that writes your suggestions</source>
        <translation>Modelul care vă scrie sugestiile</translation>
    </message>
    <message>
        <source>What %app may look at to guess better</source>
        <translation>La ce se poate uita %app ca să ghicească mai bine</translation>
    </message>
    <message>
        <source>Help suggestions sound like you</source>
        <translation>Sugestii care sună ca dvs.</translation>
    </message>
    <message>
        <source>Accept, dismiss and summon suggestions</source>
        <translation>Acceptarea, respingerea și cererea sugestiilor</translation>
    </message>
    <message>
        <source>Emoji search and emoticons</source>
        <translation>Căutare emoji și emoticoane</translation>
    </message>
    <message>
        <source>Rules for each app and website</source>
        <translation>Reguli pentru fiecare aplicație și site web</translation>
    </message>
    <message>
        <source>Save power when you&apos;re unplugged</source>
        <translation>Economisirea energiei pe baterie</translation>
    </message>
    <message>
        <source>Words saved and how fast suggestions arrive</source>
        <translation>Cuvinte economisite și viteza sugestiilor</translation>
    </message>
    <message>
        <source>What %app sees in the focused field</source>
        <translation>Ce vede %app în câmpul activ</translation>
    </message>
    <message>
        <source>Version and privacy</source>
        <translation>Versiune și confidențialitate</translation>
    </message>
    <message>
        <source>Writing</source>
        <translation>Scriere</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Introducere</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Reguli</translation>
    </message>
    <message>
        <source>Activity</source>
        <translation>Activitate</translation>
    </message>
    <message>
        <source>%app can read the field you&apos;re typing in and insert suggestions in any app.</source>
        <translation>%app poate citi câmpul în care tastați și poate insera sugestii în orice aplicație.</translation>
    </message>
    <message>
        <source>Allow Accessibility access</source>
        <translation>Permiteți accesul la Accesibilitate</translation>
    </message>
    <message>
        <source>%app needs it to read the text you type in other apps and to insert suggestions.</source>
        <translation>%app are nevoie de el pentru a citi textul tastat în alte aplicații și pentru a insera sugestii.</translation>
    </message>
    <message>
        <source>Allow…</source>
        <translation>Permite…</translation>
    </message>
    <message>
        <source>%1 is ready</source>
        <translation>%1 este pregătit</translation>
    </message>
    <message>
        <source>Checking %1</source>
        <translation>Se verifică %1</translation>
    </message>
    <message>
        <source>This takes a moment.</source>
        <translation>Durează o clipă.</translation>
    </message>
    <message>
        <source>Your engine isn&apos;t ready</source>
        <translation>Motorul nu este pregătit</translation>
    </message>
    <message>
        <source>Open Engine</source>
        <translation>Deschide „Motor”</translation>
    </message>
    <message>
        <source>The system&apos;s predictions are off</source>
        <translation>Predicțiile sistemului sunt dezactivate</translation>
    </message>
    <message>
        <source>Only %app&apos;s suggestions appear while you type.</source>
        <translation>Cât tastați apar doar sugestiile lui %app.</translation>
    </message>
    <message>
        <source>Turn off the system&apos;s predictions</source>
        <translation>Dezactivați predicțiile sistemului</translation>
    </message>
    <message>
        <source>The system shows its own grey suggestions on top of %app&apos;s. Each app picks up the change the next time you open it.</source>
        <translation>Sistemul afișează propriile sugestii gri peste cele ale lui %app. Fiecare aplicație preia schimbarea data viitoare când o deschideți.</translation>
    </message>
    <message>
        <source>Keyboard Settings</source>
        <translation>Setări tastatură</translation>
    </message>
    <message>
        <source>Turn Off</source>
        <translation>Dezactivează</translation>
    </message>
    <message>
        <source>Only %app is suggesting</source>
        <translation>Doar %app face sugestii</translation>
    </message>
    <message>
        <source>Tab reaches %app again.</source>
        <translation>Tasta Tab funcționează din nou cu %app.</translation>
    </message>
    <message numerus="yes">
        <source>%1 didn&apos;t quit. They may be showing a dialog. Force Quit closes them right away.</source>
        <translation>
            <numerusform>%1 nu s-a închis. Poate afișează un dialog. „Închide forțat” îl închide imediat.</numerusform>
            <numerusform>%1 nu s-au închis. Poate afișează un dialog. „Închide forțat” le închide imediat.</numerusform>
            <numerusform>%1 nu s-au închis. Poate afișează un dialog. „Închide forțat” le închide imediat.</numerusform>
        </translation>
    </message>
    <message>
        <source>Force Quit</source>
        <translation>Închide forțat</translation>
    </message>
    <message numerus="yes">
        <source>%1 take the Tab key before %app can, so %app stays paused in your other apps until you quit them.</source>
        <translation>
            <numerusform>%1 preia tasta Tab înaintea lui %app, așa că %app rămâne în pauză în celelalte aplicații până când îl închideți.</numerusform>
            <numerusform>%1 preiau tasta Tab înaintea lui %app, așa că %app rămâne în pauză în celelalte aplicații până când le închideți.</numerusform>
            <numerusform>%1 preiau tasta Tab înaintea lui %app, așa că %app rămâne în pauză în celelalte aplicații până când le închideți.</numerusform>
        </translation>
    </message>
    <message>
        <source>Only when I ask</source>
        <translation>Doar când cer</translation>
    </message>
    <message>
        <source>On battery, suggestions appear only after you press the Suggest Now shortcut.</source>
        <translation>Pe baterie, sugestiile apar doar după ce apăsați scurtătura „Sugerează acum”.</translation>
    </message>
    <message>
        <source>Shorter suggestions</source>
        <translation>Sugestii mai scurte</translation>
    </message>
    <message>
        <source>Fewer words take less power to write.</source>
        <translation>Mai puține cuvinte consumă mai puțină energie.</translation>
    </message>
    <message>
        <source>Lighter model</source>
        <translation>Model mai ușor</translation>
    </message>
    <message>
        <source>Same as plugged in</source>
        <translation>La fel ca la priză</translation>
    </message>
    <message>
        <source>Running on battery. These apply right now.</source>
        <translation>Pe baterie. Aceste setări se aplică acum.</translation>
    </message>
    <message>
        <source>Plugged in. These wait until you unplug.</source>
        <translation>La priză. Aceste setări se aplică după ce scoateți încărcătorul.</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Model</translation>
    </message>
    <message>
        <source>Model name</source>
        <translation>Numele modelului</translation>
    </message>
    <message>
        <source>Reload the model list</source>
        <translation>Reîncarcă lista de modele</translation>
    </message>
    <message>
        <source>Choose a model</source>
        <translation>Alegeți un model</translation>
    </message>
    <message>
        <source>For people who already run Ollama, LM Studio or llama-server.</source>
        <translation>Pentru cei care folosesc deja Ollama, LM Studio sau llama-server.</translation>
    </message>
    <message>
        <source>Use your own model</source>
        <translation>Folosiți propriul model</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresă</translation>
    </message>
    <message>
        <source>API key</source>
        <translation>Cheie API</translation>
    </message>
    <message>
        <source>Only if your server asks for one</source>
        <translation>Doar dacă serverul cere una</translation>
    </message>
    <message>
        <source>Focused</source>
        <translation>Concentrat</translation>
    </message>
    <message>
        <source>Creativity</source>
        <translation>Creativitate</translation>
    </message>
    <message>
        <source>Loose</source>
        <translation>Liber</translation>
    </message>
    <message>
        <source>Lower stays close to the obvious next words. Higher tries more.</source>
        <translation>O valoare mai mică rămâne la cuvintele evidente. Una mai mare încearcă mai mult.</translation>
    </message>
    <message>
        <source>Wait before suggesting</source>
        <translation>Așteptare înainte de sugestie</translation>
    </message>
    <message>
        <source>How long you pause before %app starts.</source>
        <translation>Cât de lungă e pauza dvs. înainte ca %app să pornească.</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Rulează</translation>
    </message>
    <message>
        <source>Try the engine</source>
        <translation>Testează motorul</translation>
    </message>
    <message>
        <source>Sends a sample sentence and shows what comes back.</source>
        <translation>Trimite o propoziție de probă și arată ce revine.</translation>
    </message>
    <message>
        <source>Running…</source>
        <translation>Rulează…</translation>
    </message>
    <message>
        <source>The engine answered in %1 but had nothing useful to add.</source>
        <translation>Motorul a răspuns în %1, dar nu avea nimic util de adăugat.</translation>
    </message>
    <message>
        <source>That didn&apos;t work: %1</source>
        <translation>Nu a funcționat: %1</translation>
    </message>
    <message>
        <source>The request was cancelled.</source>
        <translation>Solicitarea a fost anulată.</translation>
    </message>
    <message>
        <source>Startup</source>
        <translation>Pornire</translation>
    </message>
    <message>
        <source>Launch at login</source>
        <translation>Pornește la autentificare</translation>
    </message>
    <message>
        <source>Show today&apos;s word count next to the icon</source>
        <translation>Arată cuvintele de azi lângă pictogramă</translation>
    </message>
    <message>
        <source>Where suggestions appear</source>
        <translation>Unde apar sugestiile</translation>
    </message>
    <message>
        <source>Turn this off to use %app only in the apps you switch on under Apps &amp; Sites.</source>
        <translation>Dezactivați pentru a folosi %app doar în aplicațiile activate la „Aplicații &amp; site-uri”.</translation>
    </message>
    <message>
        <source>By default %app waits until the caret is at the end of a line.</source>
        <translation>Implicit, %app așteaptă până când cursorul e la finalul rândului.</translation>
    </message>
    <message>
        <source>Without this, %app skips search bars and one-word boxes.</source>
        <translation>Fără aceasta, %app omite barele de căutare și casetele de un cuvânt.</translation>
    </message>
    <message>
        <source>Suggestions appear only after you press the Suggest Now shortcut.</source>
        <translation>Sugestiile apar doar după ce apăsați scurtătura „Sugerează acum”.</translation>
    </message>
    <message>
        <source>Spelling</source>
        <translation>Ortografie</translation>
    </message>
    <message>
        <source>Waits while the word you&apos;re typing looks misspelled, so %app doesn&apos;t build on a typo.</source>
        <translation>Așteaptă cât timp cuvântul tastat pare greșit, ca %app să nu construiască pe o greșeală.</translation>
    </message>
    <message>
        <source>After a misspelled word, shows a fix next to the caret. Press Tab to swap it in.</source>
        <translation>După un cuvânt greșit, arată o corectură lângă cursor. Apăsați Tab pentru a o aplica.</translation>
    </message>
    <message>
        <source>Look</source>
        <translation>Aspect</translation>
    </message>
    <message>
        <source>Suggestion color</source>
        <translation>Culoarea sugestiilor</translation>
    </message>
    <message>
        <source>Text size</source>
        <translation>Dimensiunea textului</translation>
    </message>
    <message>
        <source>Fine-tune if suggestions look larger or smaller than your text.</source>
        <translation>Ajustați dacă sugestiile par mai mari sau mai mici decât textul dvs.</translation>
    </message>
    <message>
        <source>Vertical position</source>
        <translation>Poziție verticală</translation>
    </message>
    <message>
        <source>Nudge suggestions up or down to line up with your text.</source>
        <translation>Mutați sugestiile în sus sau în jos ca să se alinieze cu textul.</translation>
    </message>
    <message>
        <source>A small keycap after your first suggestions, as a reminder of what to press.</source>
        <translation>O mică pictogramă de tastă după primele sugestii, ca să vă amintească ce să apăsați.</translation>
    </message>
    <message>
        <source>Insert suggestions by</source>
        <translation>Inserare sugestii prin</translation>
    </message>
    <message>
        <source>Other autocomplete apps</source>
        <translation>Alte aplicații de completare</translation>
    </message>
    <message>
        <source>They take the Tab key before %app can. With this off, %app asks you first.</source>
        <translation>Preiau tasta Tab înaintea lui %app. Cu aceasta dezactivată, %app vă întreabă mai întâi.</translation>
    </message>
    <message>
        <source>%1 is another device on your network, so the text around your caret will be sent there.</source>
        <translation>%1 este alt dispozitiv din rețea, așa că textul din jurul cursorului va fi trimis acolo.</translation>
    </message>
    <message>
        <source>%1 isn&apos;t this computer, so the text around your caret will be sent there.</source>
        <translation>%1 nu este acest computer, așa că textul din jurul cursorului va fi trimis acolo.</translation>
    </message>
    <message>
        <source>Both keep your text on this computer.</source>
        <translation>Ambele păstrează textul pe acest computer.</translation>
    </message>
    <message>
        <source>%app opens by itself when you start your computer.</source>
        <translation>%app se deschide singur când porniți computerul.</translation>
    </message>
    <message>
        <source>System predictions</source>
        <translation>Predicțiile sistemului</translation>
    </message>
    <message>
        <source>The system can show its own grey predictions. Keeping them off avoids two suggestions at once.</source>
        <translation>Sistemul poate afișa propriile predicții gri. Dacă le țineți dezactivate, evitați două sugestii deodată.</translation>
    </message>
    <message>
        <source>System predictions are on</source>
        <translation>Predicțiile sistemului sunt activate</translation>
    </message>
    <message>
        <source>System predictions are off</source>
        <translation>Predicțiile sistemului sunt dezactivate</translation>
    </message>
    <message>
        <source>tab</source>
        <translation>tab</translation>
    </message>
    <message>
        <source>Your next words, one Tab away.</source>
        <translation>Următoarele cuvinte, la un Tab distanță.</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Omite</translation>
    </message>
    <message>
        <source>Get Started</source>
        <translation>Să începem</translation>
    </message>
    <message>
        <source>Turn sound on</source>
        <translation>Pornește sunetul</translation>
    </message>
    <message>
        <source>Turn sound off</source>
        <translation>Oprește sunetul</translation>
    </message>
    <message>
        <source>The other app</source>
        <translation>Cealaltă aplicație</translation>
    </message>
    <message numerus="yes">
        <source>Next time, quit %1 without asking</source>
        <translation>
            <numerusform>Data viitoare, închide %1 fără confirmare</numerusform>
            <numerusform>Data viitoare, închide %1 fără confirmare</numerusform>
            <numerusform>Data viitoare, închide %1 fără confirmare</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 is also running</source>
        <translation>
            <numerusform>Rulează și %1</numerusform>
            <numerusform>Rulează și %1</numerusform>
            <numerusform>Rulează și %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Quitting…</source>
        <translation>Se închide…</translation>
    </message>
    <message numerus="yes">
        <source>%1 is still open</source>
        <translation>
            <numerusform>%1 este încă deschis</numerusform>
            <numerusform>%1 sunt încă deschise</numerusform>
            <numerusform>%1 sunt încă deschise</numerusform>
        </translation>
    </message>
    <message>
        <source>%app has the Tab key</source>
        <translation>%app are tasta Tab</translation>
    </message>
    <message>
        <source>%1 quit, so your suggestions are back in every app.</source>
        <translation>%1 s-a închis, deci sugestiile au revenit în toate aplicațiile.</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Gata</translation>
    </message>
    <message>
        <source>Open Source Notices</source>
        <translation>Note open source</translation>
    </message>
    <message>
        <source>Reset all settings?</source>
        <translation>Resetați toate setările?</translation>
    </message>
    <message>
        <source>This also clears your rules for apps and sites. Your statistics and writing memory stay.</source>
        <translation>Se șterg și regulile pentru aplicații și site-uri. Statisticile și memoria de scriere rămân.</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Resetează</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versiunea %1</translation>
    </message>
    <message>
        <source>Some apps hide their text</source>
        <translation>Unele aplicații își ascund textul</translation>
    </message>
    <message>
        <source>Suggest emoji after a colon</source>
        <translation>Sugerează emoji după două puncte</translation>
    </message>
    <message>
        <source>Turn emoticons into emoji</source>
        <translation>Transformă emoticoanele în emoji</translation>
    </message>
    <message>
        <source>After :-) or &lt;3, %app offers the matching emoji. Press Tab to swap it in.</source>
        <translation>După :-) sau &lt;3, %app oferă emoji-ul potrivit. Apăsați Tab pentru a-l insera.</translation>
    </message>
    <message>
        <source>Skin tone</source>
        <translation>Nuanța pielii</translation>
    </message>
    <message>
        <source>Also show the default yellow</source>
        <translation>Arată și galbenul implicit</translation>
    </message>
    <message>
        <source>Try a word</source>
        <translation>Încercați un cuvânt</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Slabă</translation>
    </message>
    <message>
        <source>No emoji match “%1”</source>
        <translation>Niciun emoji pentru „%1”</translation>
    </message>
    <message>
        <source>Accepting</source>
        <translation>Acceptare</translation>
    </message>
    <message>
        <source>Take the next word</source>
        <translation>Preia cuvântul următor</translation>
    </message>
    <message>
        <source>Press again for each following word.</source>
        <translation>Apăsați din nou pentru fiecare cuvânt următor.</translation>
    </message>
    <message>
        <source>Take the whole suggestion</source>
        <translation>Preia sugestia întreagă</translation>
    </message>
    <message>
        <source>The key above Tab is easy to reach on most keyboards.</source>
        <translation>Tasta de deasupra lui Tab este ușor de atins pe majoritatea tastaturilor.</translation>
    </message>
    <message>
        <source>Include the space after a word</source>
        <translation>Include spațiul de după cuvânt</translation>
    </message>
    <message>
        <source>Include punctuation right after a word</source>
        <translation>Include punctuația imediat după cuvânt</translation>
    </message>
    <message>
        <source>When you press Escape</source>
        <translation>Când apăsați Esc</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Scurtături</translation>
    </message>
    <message>
        <source>Suggest now</source>
        <translation>Sugerează acum</translation>
    </message>
    <message>
        <source>Asks for a suggestion right away, even where %app would normally wait.</source>
        <translation>Cere imediat o sugestie, chiar și acolo unde %app ar aștepta de obicei.</translation>
    </message>
    <message>
        <source>Other suggestions</source>
        <translation>Alte sugestii</translation>
    </message>
    <message>
        <source>Lists a few different ways to continue. Choose with the arrow keys, then press Tab.</source>
        <translation>Afișează câteva moduri diferite de a continua. Alegeți cu săgețile, apoi apăsați Tab.</translation>
    </message>
    <message>
        <source>Pause or resume in this app</source>
        <translation>Pauză sau reluare în această aplicație</translation>
    </message>
    <message>
        <source>Pauses for 15 minutes.</source>
        <translation>Pune pe pauză 15 minute.</translation>
    </message>
    <message>
        <source>Turn %app on or off</source>
        <translation>Activează sau dezactivează %app</translation>
    </message>
    <message>
        <source>Everywhere, until you press it again.</source>
        <translation>Peste tot, până o apăsați din nou.</translation>
    </message>
    <message>
        <source>Pause or resume</source>
        <translation>Pauză sau reluare</translation>
    </message>
    <message>
        <source>Turn on or off</source>
        <translation>Activare sau dezactivare</translation>
    </message>
    <message>
        <source>%1 and %2 use the same keys. Only the first will work.</source>
        <translation>„%1” și „%2” folosesc aceleași taste. Doar prima va funcționa.</translation>
    </message>
    <message>
        <source>About you</source>
        <translation>Despre dvs.</translation>
    </message>
    <message>
        <source>For example: I&apos;m a product designer in Berlin. I write short, friendly emails in British English and sign off with Cheers.</source>
        <translation>De exemplu: sunt designer de produs în Berlin. Scriu e-mailuri scurte și prietenoase în engleza britanică și închei cu „Cheers”.</translation>
    </message>
    <message>
        <source>Your role, the languages you write in, names you use often, how you like to sound.</source>
        <translation>Rolul dvs., limbile în care scrieți, nume pe care le folosiți des, ce ton preferați.</translation>
    </message>
    <message>
        <source>Writing memory</source>
        <translation>Memoria de scriere</translation>
    </message>
    <message>
        <source>Remember how I write</source>
        <translation>Reține cum scriu</translation>
    </message>
    <message>
        <source>Also remember fields where I accept nothing</source>
        <translation>Reține și câmpurile în care nu accept nimic</translation>
    </message>
    <message>
        <source>%app learns your style sooner but keeps more of what you type.</source>
        <translation>%app învață mai repede stilul dvs., dar păstrează mai mult din ce tastați.</translation>
    </message>
    <message>
        <source>Influence</source>
        <translation>Influență</translation>
    </message>
    <message>
        <source>Strong</source>
        <translation>Puternică</translation>
    </message>
    <message>
        <source>How many of your passages each suggestion can draw on.</source>
        <translation>Pe câte dintre fragmentele dvs. se poate baza fiecare sugestie.</translation>
    </message>
    <message>
        <source>Erase All…</source>
        <translation>Șterge tot…</translation>
    </message>
    <message>
        <source>Erase everything %app remembered?</source>
        <translation>Ștergeți tot ce a reținut %app?</translation>
    </message>
    <message>
        <source>This can&apos;t be undone.</source>
        <translation>Acțiunea nu poate fi anulată.</translation>
    </message>
    <message>
        <source>Erase All</source>
        <translation>Șterge tot</translation>
    </message>
    <message>
        <source>Nothing remembered yet</source>
        <translation>Nimic reținut încă</translation>
    </message>
    <message>
        <source>App and window name</source>
        <translation>Numele aplicației și al ferestrei</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>Site web</translation>
    </message>
    <message>
        <source>The site&apos;s domain when you write in a browser.</source>
        <translation>Domeniul site-ului când scrieți într-un browser.</translation>
    </message>
    <message>
        <source>Recently copied text</source>
        <translation>Text copiat recent</translation>
    </message>
    <message>
        <source>Anything you copied in the last 10 minutes. Copies from password managers are skipped.</source>
        <translation>Tot ce ați copiat în ultimele 10 minute. Copiile din managerele de parole sunt omise.</translation>
    </message>
    <message>
        <source>Text on screen</source>
        <translation>Text de pe ecran</translation>
    </message>
    <message>
        <source>Reads the window you&apos;re writing in, so replies fit the conversation. It picks the lines closest to where you type.</source>
        <translation>Citește fereastra în care scrieți, ca răspunsurile să se potrivească cu conversația. Alege rândurile cele mai apropiate de locul unde tastați.</translation>
    </message>
    <message>
        <source>What you just looked at</source>
        <translation>Ce ați văzut adineauri</translation>
    </message>
    <message>
        <source>Windows beside you</source>
        <translation>Ferestrele de alături</translation>
    </message>
    <message>
        <source>Also reads up to two other windows on the same screen, like the document you&apos;re replying about. Skips password managers and apps you switched off.</source>
        <translation>Citește și până la alte două ferestre de pe același ecran, de exemplu documentul la care se referă răspunsul dvs. Omite managerele de parole și aplicațiile dezactivate.</translation>
    </message>
    <message>
        <source>Off in this app</source>
        <translation>Dezactivat în această aplicație</translation>
    </message>
    <message>
        <source>This word looks misspelled</source>
        <translation>Acest cuvânt pare greșit</translation>
    </message>
    <message>
        <source>Thanks for the notes. I&apos;ll send the revised deck</source>
        <translation>Mersi pentru observații. Trimit prezentarea revizuită</translation>
    </message>
    <message>
        <source> by Friday morning.</source>
        <translation> până vineri dimineață.</translation>
    </message>
    <message>
        <source>%1 quit. %app has the Tab key.</source>
        <translation>%1 s-a închis. %app are tasta Tab.</translation>
    </message>
    <message>
        <source>Open Data Folder</source>
        <translation>Deschide dosarul de date</translation>
    </message>
    <message>
        <source>Show Welcome Again</source>
        <translation>Arată din nou ecranul de bun venit</translation>
    </message>
    <message>
        <source>Play Intro Again</source>
        <translation>Redă din nou introducerea</translation>
    </message>
    <message>
        <source>Reset Settings…</source>
        <translation>Resetează setările…</translation>
    </message>
    <message>
        <source>Suggest in every app</source>
        <translation>Sugerează în orice aplicație</translation>
    </message>
    <message>
        <source>Suggest in code editors</source>
        <translation>Sugerează în editoarele de cod</translation>
    </message>
    <message>
        <source>Suggest in the middle of a line</source>
        <translation>Sugerează în mijlocul rândului</translation>
    </message>
    <message>
        <source>Suggest in small fields</source>
        <translation>Sugerează în câmpurile mici</translation>
    </message>
    <message>
        <source>Hold back on misspelled words</source>
        <translation>Așteaptă dacă un cuvânt pare greșit</translation>
    </message>
    <message>
        <source>Offer spelling fixes</source>
        <translation>Oferă corecturi ortografice</translation>
    </message>
    <message>
        <source>Show the key hint</source>
        <translation>Arată indiciul tastei</translation>
    </message>
    <message>
        <source>Quit other autocomplete apps when they open</source>
        <translation>Închide alte aplicații de completare când se deschid</translation>
    </message>
    <message>
        <source>Keeps a few minutes of text from windows you switched away from, like a page you read before replying. It stays on your computer and skips apps you switched off.</source>
        <translation>Păstrează câteva minute de text din ferestrele pe care le-ați părăsit, de exemplu o pagină citită înainte de a răspunde. Rămâne pe computer și omite aplicațiile dezactivate.</translation>
    </message>
    <message numerus="yes">
        <source>Both apps answer the Tab key, and the system gives it to %1 first. %app stays paused in your other apps until %1 quits.</source>
        <translation>
            <numerusform>Ambele aplicații răspund la tasta Tab, iar sistemul o dă mai întâi lui %1. %app rămâne în pauză în celelalte aplicații până se închide %1.</numerusform>
            <numerusform>%1 preiau tasta Tab înaintea lui %app, așa că %app rămâne în pauză în celelalte aplicații până când le închideți.</numerusform>
            <numerusform>%1 preiau tasta Tab înaintea lui %app, așa că %app rămâne în pauză în celelalte aplicații până când le închideți.</numerusform>
        </translation>
    </message>
    <message>
        <source>Finishes your sentences in any app, on your computer.</source>
        <translation>Vă termină frazele în orice aplicație, pe computerul dvs.</translation>
    </message>
    <message>
        <source>Keeps short passages from fields where you accepted a suggestion, encrypted on this computer, and shows them to the model as examples.</source>
        <translation>Păstrează fragmente scurte din câmpurile în care ați acceptat o sugestie, criptate pe acest computer, și le arată modelului ca exemple.</translation>
    </message>
    <message>
        <source>Light</source>
        <comment>skin tone</comment>
        <translation>Deschisă</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Default</source>
        <comment>skin tone</comment>
        <translation>Implicită</translation>
    </message>
    <message>
        <source>Medium light</source>
        <comment>skin tone</comment>
        <translation>Medie deschisă</translation>
    </message>
    <message>
        <source>Medium</source>
        <comment>skin tone</comment>
        <translation>Medie</translation>
    </message>
    <message>
        <source>Medium dark</source>
        <comment>skin tone</comment>
        <translation>Medie închisă</translation>
    </message>
    <message>
        <source>Dark</source>
        <comment>skin tone</comment>
        <translation>Închisă</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Necunoscut</translation>
    </message>
    <message>
        <source>%1 × %2 pt</source>
        <translation>%1 × %2 pt</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nu</translation>
    </message>
    <message>
        <source>Not reported, estimated from the caret</source>
        <translation>Neraportat, estimat după cursor</translation>
    </message>
    <message>
        <source>%1 %2 pt</source>
        <translation>%1 %2 pt</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Sistem</translation>
    </message>
    <message>
        <source>Not yet</source>
        <translation>Încă nu</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Azi</translation>
    </message>
    <message>
        <source>Last 7 days</source>
        <translation>Ultimele 7 zile</translation>
    </message>
    <message>
        <source>All time</source>
        <translation>Dintotdeauna</translation>
    </message>
    <message>
        <source>Typing saved</source>
        <translation>Timp de tastare economisit</translation>
    </message>
    <message>
        <source>at 40 words a minute</source>
        <translation>la 40 de cuvinte pe minut</translation>
    </message>
    <message>
        <source>Accepted</source>
        <translation>Acceptate</translation>
    </message>
    <message>
        <source>of suggestions shown</source>
        <translation>din sugestiile afișate</translation>
    </message>
    <message>
        <source>Typical wait</source>
        <translation>Așteptare obișnuită</translation>
    </message>
    <message>
        <source>9 in 10 under %1</source>
        <translation>9 din 10 sub %1</translation>
    </message>
    <message>
        <source>no requests yet</source>
        <translation>încă nicio solicitare</translation>
    </message>
    <message>
        <source>Words saved</source>
        <translation>Cuvinte economisite</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>Interval</translation>
    </message>
    <message>
        <source>Nothing to chart yet</source>
        <translation>Încă nimic de afișat</translation>
    </message>
    <message>
        <source>Accept a few suggestions and your days show up here.</source>
        <translation>Acceptați câteva sugestii și zilele dvs. vor apărea aici.</translation>
    </message>
    <message>
        <source>Where you write</source>
        <translation>Unde scrieți</translation>
    </message>
    <message>
        <source>Reset Statistics…</source>
        <translation>Resetează statisticile…</translation>
    </message>
    <message>
        <source>Reset all statistics?</source>
        <translation>Resetați toate statisticile?</translation>
    </message>
    <message>
        <source>This clears words saved, acceptance and timing history.</source>
        <translation>Se șterge istoricul cuvintelor economisite, al acceptărilor și al timpilor de așteptare.</translation>
    </message>
    <message>
        <source>Copy Diagnostics</source>
        <translation>Copiază diagnosticul</translation>
    </message>
    <message>
        <source>Diagnostics leave out the text you typed.</source>
        <translation>Diagnosticul nu include textul tastat.</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stare</translation>
    </message>
    <message>
        <source>Right now</source>
        <translation>Chiar acum</translation>
    </message>
    <message>
        <source>Allowed</source>
        <translation>Permis</translation>
    </message>
    <message>
        <source>Not allowed</source>
        <translation>Nepermis</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Tastatură</translation>
    </message>
    <message>
        <source>Listening</source>
        <translation>Ascultă</translation>
    </message>
    <message>
        <source>Not listening</source>
        <translation>Nu ascultă</translation>
    </message>
    <message>
        <source>Focused field</source>
        <translation>Câmp activ</translation>
    </message>
    <message>
        <source>Click into a text field in another app, then come back. The last field %1 saw stays here.</source>
        <translation>Faceți clic într-un câmp de text din altă aplicație, apoi reveniți. Ultimul câmp văzut de %1 rămâne aici.</translation>
    </message>
    <message>
        <source>App</source>
        <translation>Aplicație</translation>
    </message>
    <message>
        <source>Field type</source>
        <translation>Tip de câmp</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>Fereastră</translation>
    </message>
    <message>
        <source>Field size</source>
        <translation>Dimensiunea câmpului</translation>
    </message>
    <message>
        <source>Caret found</source>
        <translation>Cursor găsit</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Font</translation>
    </message>
    <message>
        <source>At end of line</source>
        <translation>La final de rând</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Da</translation>
    </message>
    <message>
        <source>Secure input</source>
        <translation>Introducere securizată</translation>
    </message>
    <message>
        <source>Looked at lately</source>
        <translation>Văzut recent</translation>
    </message>
    <message>
        <source>Text before the caret</source>
        <translation>Textul dinaintea cursorului</translation>
    </message>
    <message>
        <source>Last request</source>
        <translation>Ultima solicitare</translation>
    </message>
    <message>
        <source>Wait</source>
        <translation>Așteptare</translation>
    </message>
    <message>
        <source>Suggestion</source>
        <translation>Sugestie</translation>
    </message>
    <message>
        <source>Prompt sent to the engine</source>
        <translation>Promptul trimis motorului</translation>
    </message>
    <message>
        <source>Raw answer</source>
        <translation>Răspuns brut</translation>
    </message>
    <message>
        <source>(empty)</source>
        <translation>(gol)</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>Copiat</translation>
    </message>
    <message>
        <source>Choose a language</source>
        <translation>Alegeți o limbă</translation>
    </message>
    <message>
        <source>Search languages</source>
        <translation>Caută limbi</translation>
    </message>
    <message>
        <source>Same as my computer</source>
        <translation>La fel ca pe computer</translation>
    </message>
    <message>
        <source>Switch to %1?</source>
        <translation>Treceți la %1?</translation>
    </message>
    <message>
        <source>%1 closes and opens again in a second. Your settings stay as they are.</source>
        <translation>%1 se închide și se redeschide într-o secundă. Setările rămân neschimbate.</translation>
    </message>
    <message>
        <source>Reopen Now</source>
        <translation>Redeschide acum</translation>
    </message>
    <message>
        <source>App language</source>
        <translation>Limba aplicației</translation>
    </message>
    <message>
        <source>Pick the language you read most easily. Suggestions follow whatever language you type.</source>
        <translation>Alegeți limba pe care o citiți cel mai ușor. Sugestiile urmează limba în care tastați.</translation>
    </message>
    <message>
        <source>Change the app language</source>
        <translation>Schimbă limba aplicației</translation>
    </message>
    <message>
        <source>0 min</source>
        <translation>0 min</translation>
    </message>
    <message>
        <source>under a minute</source>
        <translation>sub un minut</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>Not set</source>
        <translation>Nesetată</translation>
    </message>
    <message>
        <source>Clear shortcut</source>
        <translation>Golește scurtătura</translation>
    </message>
    <message>
        <source>Add Ctrl, Alt or Super so normal typing still works.</source>
        <translation>Adăugați Ctrl, Alt sau Super ca tastarea obișnuită să funcționeze în continuare.</translation>
    </message>
    <message>
        <source>Type a shortcut…</source>
        <translation>Apăsați o scurtătură…</translation>
    </message>
    <message>
        <source>Recording shortcut</source>
        <translation>Se înregistrează scurtătura</translation>
    </message>
    <message>
        <source>Shortcut %1</source>
        <translation>Scurtătura %1</translation>
    </message>
    <message>
        <source>Record shortcut</source>
        <translation>Înregistrează scurtătura</translation>
    </message>
    <message>
        <source>Shortcut not set</source>
        <translation>Scurtătură nesetată</translation>
    </message>
    <message>
        <source>Press to record a new shortcut. Escape cancels.</source>
        <translation>Apăsați pentru a înregistra o scurtătură nouă. Esc anulează.</translation>
    </message>
    <message>
        <source>Your tray icon is hidden</source>
        <translation>Pictograma din zona de notificare este ascunsă</translation>
    </message>
    <message>
        <source>This computer has no on-device language model</source>
        <translation>Acest computer nu are un model de limbaj integrat</translation>
    </message>
    <message>
        <source>Turn on the on-device model in the desktop&apos;s settings</source>
        <translation>Activați modelul de pe dispozitiv în setările desktopului</translation>
    </message>
    <message>
        <source>The on-device model is unavailable</source>
        <translation>Modelul de pe dispozitiv nu este disponibil</translation>
    </message>
    <message>
        <source>Downloading. The on-device model fills in until it&apos;s done.</source>
        <translation>Se descarcă. Până atunci se folosește modelul de pe dispozitiv.</translation>
    </message>
    <message>
        <source>The on-device model fills in until you download it.</source>
        <translation>Până îl descărcați, se folosește modelul de pe dispozitiv.</translation>
    </message>
    <message>
        <source>%1 shares no text. Quit it and start it with %2 to get suggestions in it.</source>
        <translation>%1 nu partajează text. Închideți-l și porniți-l cu %2 pentru a primi sugestii în el.</translation>
    </message>
    <message>
        <source>On-device model</source>
        <translation>Model pe dispozitiv</translation>
    </message>
    <message>
        <source>The system&apos;s own language model. Nothing to download.</source>
        <translation>Modelul de limbaj propriu al sistemului. Nimic de descărcat.</translation>
    </message>
    <message>
        <source>A website name cannot hold spaces, tabs or line breaks.</source>
        <translation>Numele unui site nu poate conține spații, taburi sau rânduri noi.</translation>
    </message>
    <message>
        <source>Only addresses that start with http or https can be added.</source>
        <translation>Se pot adăuga doar adrese care încep cu http sau https.</translation>
    </message>
    <message>
        <source>That is not a website name. Type one such as wikipedia.org.</source>
        <translation>Acesta nu este un nume de site. Tastați unul precum wikipedia.org.</translation>
    </message>
    <message>
        <source>A port is a number from 1 to 65535.</source>
        <translation>Un port este un număr de la 1 la 65535.</translation>
    </message>
    <message>
        <source>The on-device model fills in until the download is done.</source>
        <translation>Până se termină descărcarea, se folosește modelul de pe dispozitiv.</translation>
    </message>
    <message>
        <source>Suggestions start once the download is done.</source>
        <translation>Sugestiile încep după terminarea descărcării.</translation>
    </message>
    <message>
        <source>This frees %1. The on-device model fills in until you download it again.</source>
        <translation>Se eliberează %1. Până îl descărcați din nou, se folosește modelul de pe dispozitiv.</translation>
    </message>
    <message>
        <source>This frees %1. The %app model can&apos;t suggest until you download it again.</source>
        <translation>Se eliberează %1. Modelul %app nu poate sugera până nu îl descărcați din nou.</translation>
    </message>
    <message>
        <source>There&apos;s no room for it, or your panel has no system tray. Add the panel&apos;s system tray or status area applet in its settings.</source>
        <translation>Nu are loc sau panoul nu are zonă de notificare. Adăugați appletul zonă de notificare sau zonă de stare din setările panoului.</translation>
    </message>
    <message>
        <source>GNOME shows tray icons only with the AppIndicator extension. Install the gnome-shell-extension-appindicator package, log out and in, then turn it on in Extensions.</source>
        <translation>GNOME afișează pictograme în zona de notificare doar cu extensia AppIndicator. Instalați pachetul gnome-shell-extension-appindicator, ieșiți din sesiune și reintrați, apoi activați-o în „Extensii”.</translation>
    </message>
    <message>
        <source>GNOME shows tray icons only with the AppIndicator extension. It is installed but off: turn it on in Extensions.</source>
        <translation>GNOME afișează pictograme în zona de notificare doar cu extensia AppIndicator. Este instalată, dar dezactivată: activați-o în „Extensii”.</translation>
    </message>
    <message>
        <source>Until then, open %app from your applications menu to reach Settings.</source>
        <translation>Până atunci, deschideți %app din meniul de aplicații pentru a ajunge la Setări.</translation>
    </message>
    <message>
        <source>Open Extensions</source>
        <translation>Deschide „Extensii”</translation>
    </message>
    <message>
        <source>Show Count in Tray</source>
        <translation>Arată numărul lângă pictogramă</translation>
    </message>
    <message>
        <source>%1 shares no text</source>
        <translation>%1 nu partajează text</translation>
    </message>
    <message>
        <source>Copy command</source>
        <translation>Copiază comanda</translation>
    </message>
    <message>
        <source>There&apos;s no account and no analytics. With the %app model or the on-device model, your text stays on this computer.</source>
        <translation>Fără cont și fără analiză de utilizare. Cu modelul %app sau cu cel de pe dispozitiv, textul rămâne pe acest computer.</translation>
    </message>
    <message>
        <source>There&apos;s no account and no analytics. With the %app model, your text stays on this computer.</source>
        <translation>Fără cont și fără analiză de utilizare. Cu modelul %app, textul rămâne pe acest computer.</translation>
    </message>
    <message>
        <source>%app lives in your system tray from now on. Click its icon to pause it in an app or open Settings.</source>
        <translation>De acum %app stă în zona de notificare. Faceți clic pe pictogramă pentru a-l pune pe pauză într-o aplicație sau pentru a deschide Setări.</translation>
    </message>
    <message>
        <source>%app has no account, no analytics and no servers of its own. The %app model and the on-device model keep your text on this computer. Other engines get it only if you set one up.</source>
        <translation>%app nu are cont, analiză de utilizare sau servere proprii. Modelul %app și cel de pe dispozitiv păstrează textul pe acest computer. Alte motoare îl primesc doar dacă configurați unul.</translation>
    </message>
    <message>
        <source>%app has no account, no analytics and no servers of its own. The %app model keeps your text on this computer. Other engines get it only if you set one up.</source>
        <translation>%app nu are cont, analiză de utilizare sau servere proprii. Modelul %app păstrează textul pe acest computer. Alte motoare îl primesc doar dacă configurați unul.</translation>
    </message>
    <message>
        <source>Installed applications</source>
        <translation>Aplicații instalate</translation>
    </message>
    <message>
        <source>%app reads these only while making a suggestion and never saves them. With the %app model or the on-device model, nothing leaves your computer.</source>
        <translation>%app le citește doar când face o sugestie și nu le salvează niciodată. Cu modelul %app sau cu cel de pe dispozitiv, nimic nu vă părăsește computerul.</translation>
    </message>
    <message>
        <source>%app reads these only while making a suggestion and never saves them. With the %app model, nothing leaves your computer.</source>
        <translation>%app le citește doar când face o sugestie și nu le salvează niciodată. Cu modelul %app, nimic nu vă părăsește computerul.</translation>
    </message>
    <message>
        <source>The %app model keeps your text on this computer.</source>
        <translation>Modelul %app păstrează textul pe acest computer.</translation>
    </message>
    <message>
        <source>The key holds a line break or another control character. Paste it again without them.</source>
        <translation>Cheia conține un rând nou sau alt caracter de control. Lipiți-o din nou fără acestea.</translation>
    </message>
    <message>
        <source>Waiting for the keyring to store the key.</source>
        <translation>Se așteaptă ca portcheiul să salveze cheia.</translation>
    </message>
    <message>
        <source>The keyring cannot keep this key, so it is used only until %app quits.</source>
        <translation>Portcheiul nu poate păstra această cheie, așa că e folosită doar până se închide %app.</translation>
    </message>
    <message>
        <source>Show in the system tray</source>
        <translation>Arată în zona de notificare</translation>
    </message>
    <message>
        <source>Pause or open Settings from the system tray. Hidden? Open %app from your applications menu to come back.</source>
        <translation>Puneți pe pauză sau deschideți Setări din zona de notificare. Pictograma e ascunsă? Deschideți %app din meniul de aplicații ca să reveniți.</translation>
    </message>
    <message>
        <source>This tray can&apos;t show text beside icons, so the count shows in the icon&apos;s tooltip.</source>
        <translation>Această zonă de notificare nu poate afișa text lângă pictograme, așa că numărul apare în indiciul pictogramei.</translation>
    </message>
    <message>
        <source>VS Code, VSCodium, Cursor, Zed, Kate, Sublime Text, JetBrains IDEs and similar apps.</source>
        <translation>VS Code, VSCodium, Cursor, Zed, Kate, Sublime Text, IDE-uri JetBrains și aplicații similare.</translation>
    </message>
    <message>
        <source>Your settings could not be read, so they were set aside and %app started over with its defaults.</source>
        <translation>Setările nu au putut fi citite, așa că au fost puse deoparte și %app a pornit din nou cu valorile implicite.</translation>
    </message>
    <message>
        <source>Your settings are not saved: %app cannot write to its settings folder.</source>
        <translation>Setările nu sunt salvate: %app nu poate scrie în dosarul de setări.</translation>
    </message>
    <message>
        <source>Your app and website rules could not be read, so they were set aside.</source>
        <translation>Regulile pentru aplicații și site-uri nu au putut fi citite, așa că au fost puse deoparte.</translation>
    </message>
    <message>
        <source>Your statistics could not be read, so they were set aside and counting started over.</source>
        <translation>Statisticile nu au putut fi citite, așa că au fost puse deoparte și numărarea a început de la zero.</translation>
    </message>
    <message>
        <source>Not saved: %app cannot write to its data folder.</source>
        <translation>Nesalvat: %app nu poate scrie în dosarul de date.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln suggestions. %1 selected</source>
        <translation>
            <numerusform>%Ln sugestie. Selectată: %1</numerusform>
            <numerusform>%Ln sugestii. Selectată: %1</numerusform>
            <numerusform>%Ln de sugestii. Selectată: %1</numerusform>
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
            <numerusform>%Ln cuvânt</numerusform>
            <numerusform>%Ln cuvinte</numerusform>
            <numerusform>%Ln de cuvinte</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln passages from here</source>
        <translation>
            <numerusform>%Ln fragment reținut aici</numerusform>
            <numerusform>%Ln fragmente reținute aici</numerusform>
            <numerusform>%Ln de fragmente reținute aici</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>words</source>
        <comment>unit after a count</comment>
        <translation>
            <numerusform>cuvânt</numerusform>
            <numerusform>cuvinte</numerusform>
            <numerusform>de cuvinte</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln days</source>
        <translation>
            <numerusform>%Ln zi</numerusform>
            <numerusform>%Ln zile</numerusform>
            <numerusform>%Ln de zile</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Words saved per day over the last %Ln days</source>
        <translation>
            <numerusform>Cuvinte economisite pe zi în ultima zi</numerusform>
            <numerusform>Cuvinte economisite pe zi în ultimele %Ln zile</numerusform>
            <numerusform>Cuvinte economisite pe zi în ultimele %Ln de zile</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln day streak</source>
        <translation>
            <numerusform>Serie de %Ln zi</numerusform>
            <numerusform>Serie de %Ln zile</numerusform>
            <numerusform>Serie de %Ln de zile</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln passages remembered</source>
        <translation>
            <numerusform>%Ln fragment reținut</numerusform>
            <numerusform>%Ln fragmente reținute</numerusform>
            <numerusform>%Ln de fragmente reținute</numerusform>
        </translation>
    </message>
    <message>
        <source>enter</source>
        <translation>enter</translation>
    </message>
    <message>
        <source>Allow screen capture so %app can read those too. Most apps work without it.</source>
        <translation>Permiteți capturarea ecranului ca %app să le poată citi și pe acestea. Majoritatea aplicațiilor merg și fără.</translation>
    </message>
    <message>
        <source>Type a colon and a word, like :rocket, then press Tab or Enter to pick.</source>
        <translation>Tastați două puncte și un cuvânt, ca :rocket, apoi apăsați Tab sau Enter pentru a alege.</translation>
    </message>
    <message>
        <source>You can switch memory off for single apps under Apps &amp; Sites. The key that unlocks it lives in your keyring.</source>
        <translation>Puteți dezactiva memoria pentru anumite aplicații la „Aplicații &amp; site-uri”. Cheia care o deblochează se află în portchei.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln emoji. %1 selected</source>
        <translation>
            <numerusform>%Ln emoji. Selectat: %1</numerusform>
            <numerusform>%Ln emoji. Selectat: %1</numerusform>
            <numerusform>%Ln de emoji. Selectat: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Suggestion: %1</source>
        <translation>Sugestie: %1</translation>
    </message>
    <message numerus="yes">
        <source>%Ln models available</source>
        <translation>
            <numerusform>%Ln model disponibil</numerusform>
            <numerusform>%Ln modele disponibile</numerusform>
            <numerusform>%Ln de modele disponibile</numerusform>
        </translation>
    </message>
    <message>
        <source>The model couldn&apos;t be saved: %1</source>
        <translation>Modelul nu a putut fi salvat: %1</translation>
    </message>
    <message>
        <source>Ollama isn&apos;t running.</source>
        <translation>Ollama nu rulează.</translation>
    </message>
    <message>
        <source>Ollama isn&apos;t running at %1.</source>
        <translation>Ollama nu rulează la %1.</translation>
    </message>
    <message>
        <source>No server answered.</source>
        <translation>Niciun server nu a răspuns.</translation>
    </message>
    <message>
        <source>No server answered at %1.</source>
        <translation>Niciun server nu a răspuns la %1.</translation>
    </message>
    <message>
        <source>Range: %1</source>
        <translation>Interval: %1</translation>
    </message>
    <message numerus="yes">
        <source>%1, %Ln to do</source>
        <translation>
            <numerusform>%1, %Ln de făcut</numerusform>
            <numerusform>%1, %Ln de făcut</numerusform>
            <numerusform>%1, %Ln de făcut</numerusform>
        </translation>
    </message>
    <message>
        <source>Type the whole name of the website, such as wikipedia.org.</source>
        <translation>Tastați numele complet al site-ului, precum wikipedia.org.</translation>
    </message>
    <message>
        <source>The key holds a space, an invisible character or a letter outside plain ASCII. Paste it again exactly as your server gave it.</source>
        <translation>Cheia conține un spațiu, un caracter invizibil sau o literă din afara ASCII simplu. Lipiți-o din nou exact cum v-a dat-o serverul.</translation>
    </message>
    <message>
        <source>The keyring could not be read, so your server is asked without an API key. Type the key again if your server needs one.</source>
        <translation>Portcheiul nu a putut fi citit, așa că serverul este întrebat fără cheie API. Tastați din nou cheia dacă serverul are nevoie de ea.</translation>
    </message>
    <message>
        <source>Your writing memory could not be opened, so it was set aside and %app started a new one.</source>
        <translation>Memoria de scriere nu a putut fi deschisă, așa că a fost pusă deoparte și %app a început una nouă.</translation>
    </message>
    <message>
        <source>%1, converted for llama.cpp by %2</source>
        <translation>%1, convertit pentru llama.cpp de %2</translation>
    </message>
    <message>
        <source>The data folder %1 could not be made. Check that the folder above it exists and that you may write there.</source>
        <translation>Dosarul de date %1 nu a putut fi creat. Verificați dacă dosarul părinte există și dacă puteți scrie acolo.</translation>
    </message>
    <message>
        <source>party</source>
        <comment>emoji search sample</comment>
        <translation>petrecere</translation>
    </message>
    <message numerus="yes">
        <source>%Ln settings held values %app cannot use, so they were corrected and saved.</source>
        <translation>
            <numerusform>%Ln setare avea o valoare pe care %app nu o poate folosi, așa că a fost corectată și salvată.</numerusform>
            <numerusform>%Ln setări aveau valori pe care %app nu le poate folosi, așa că au fost corectate și salvate.</numerusform>
            <numerusform>%Ln de setări aveau valori pe care %app nu le poate folosi, așa că au fost corectate și salvate.</numerusform>
        </translation>
    </message>
    <message>
        <source>Your writing memory is not saved: the keyring is missing or locked, so its key cannot be kept.</source>
        <translation>Memoria de scriere nu este salvată: portcheiul lipsește sau este blocat, așa că cheia ei nu poate fi păstrată.</translation>
    </message>
    <message>
        <source>That address isn&apos;t valid</source>
        <translation>Această adresă nu este validă</translation>
    </message>
    <message>
        <source>The request timed out.</source>
        <translation>Solicitarea a expirat.</translation>
    </message>
    <message>
        <source>The server&apos;s reply was too long, so it was stopped.</source>
        <translation>Răspunsul serverului a fost prea lung, așa că a fost oprit.</translation>
    </message>
    <message>
        <source>The server answered %1.</source>
        <translation>Serverul a răspuns %1.</translation>
    </message>
    <message>
        <source>The server answered %1: %2</source>
        <translation>Serverul a răspuns %1: %2</translation>
    </message>
    <message>
        <source>The download server answered %1. Try again later.</source>
        <translation>Serverul de descărcare a răspuns %1. Încercați din nou mai târziu.</translation>
    </message>
    <message>
        <source>The download couldn&apos;t be saved: %1</source>
        <translation>Descărcarea nu a putut fi salvată: %1</translation>
    </message>
    <message>
        <source>The download paused because the connection dropped. Try again to pick up where it stopped.</source>
        <translation>Descărcarea s-a întrerupt pentru că s-a pierdut conexiunea. Încercați din nou pentru a continua de unde a rămas.</translation>
    </message>
    <message>
        <source>The download stopped. Check your connection, then try again.</source>
        <translation>Descărcarea s-a oprit. Verificați conexiunea, apoi încercați din nou.</translation>
    </message>
    <message>
        <source>Pick an Ollama model in Settings</source>
        <translation>Alegeți un model Ollama în Setări</translation>
    </message>
    <message>
        <source>Pick a model for your local server</source>
        <translation>Alegeți un model pentru serverul local</translation>
    </message>
    <message>
        <source>The server&apos;s answer is not HTTP.</source>
        <translation>Răspunsul serverului nu este HTTP.</translation>
    </message>
    <message>
        <source>The data couldn&apos;t be read because it is missing.</source>
        <translation>Datele nu au putut fi citite pentru că lipsesc.</translation>
    </message>
    <message>
        <source>The data couldn&apos;t be read because it isn&apos;t in the correct format.</source>
        <translation>Datele nu au putut fi citite pentru că nu sunt în formatul corect.</translation>
    </message>
    <message>
        <source>:%1:</source>
        <comment>emoji name</comment>
        <translation>:%1:</translation>
    </message>
    <message>
        <source>This computer has no on-device language model.</source>
        <translation>Acest computer nu are un model de limbaj pe dispozitiv.</translation>
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
        <translation>În pauză pe %1</translation>
    </message>
    <message>
        <source>Paused in %1</source>
        <translation>În pauză în %1</translation>
    </message>
    <message>
        <source>Off on %1</source>
        <translation>Dezactivat pe %1</translation>
    </message>
    <message>
        <source>Off in %1</source>
        <translation>Dezactivat în %1</translation>
    </message>
    <message>
        <source>Off in %1 by default</source>
        <translation>Dezactivat implicit în %1</translation>
    </message>
    <message>
        <source>Off in code editors</source>
        <translation>Dezactivat în editoarele de cod</translation>
    </message>
    <message>
        <source>Off unless turned on per app</source>
        <translation>Dezactivat dacă nu e activat pentru aplicație</translation>
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
        <translation>Spațiu</translation>
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
        <translation>Tasta %1</translation>
    </message>
    <message>
        <source>An email reply reads differently from a commit message.</source>
        <translation>Un răspuns la un e-mail sună altfel decât un mesaj de commit.</translation>
    </message>
    <message>
        <source>Writes straight into the field. Cleanest in GTK and Qt apps.</source>
        <translation>Scrie direct în câmp. Cel mai curat în aplicațiile GTK și Qt.</translation>
    </message>
    <message>
        <source>Typing</source>
        <comment>insertion method</comment>
        <translation>Tastare</translation>
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
            <numerusform>%Ln cuvânt economisit azi</numerusform>
            <numerusform>%Ln cuvinte economisite azi</numerusform>
            <numerusform>%Ln de cuvinte economisite azi</numerusform>
        </translation>
    </message>
    <message>
        <source>Under a minute of typing saved today.</source>
        <translation>Azi ați economisit sub un minut de tastare.</translation>
    </message>
    <message>
        <source>About %1 of typing saved today.</source>
        <translation>Azi ați economisit circa %1 de tastare.</translation>
    </message>
    <message numerus="yes">
        <source>Step %1 of %Ln</source>
        <translation>
            <numerusform>Pasul %1 din %Ln</numerusform>
            <numerusform>Pasul %1 din %Ln</numerusform>
            <numerusform>Pasul %1 din %Ln</numerusform>
        </translation>
    </message>
    <message>
        <source>%app reads and types into text fields through the desktop&apos;s accessibility support, which some desktops leave off. %app uses it only for the field you&apos;re writing in.</source>
        <translation>%app citește câmpurile de text și scrie în ele prin suportul de accesibilitate al desktopului, pe care unele desktopuri îl lasă oprit. %app îl folosește doar pentru câmpul în care scrieți.</translation>
    </message>
    <message>
        <source>The button switches the desktop&apos;s accessibility support on. If the desktop&apos;s settings open instead, turn accessibility on there, then come back. This page updates by itself.</source>
        <translation>Butonul pornește suportul de accesibilitate al desktopului. Dacă se deschid în schimb setările desktopului, porniți accesibilitatea acolo, apoi reveniți. Pagina se actualizează singură.</translation>
    </message>
    <message>
        <source>Still off? Some desktops start their accessibility service only when you log in. Log out and back in, then try again.</source>
        <translation>Tot oprit? Unele desktopuri pornesc serviciul de accesibilitate doar la autentificare. Deconectați-vă, conectați-vă din nou, apoi încercați iar.</translation>
    </message>
    <message>
        <source>Pause</source>
        <comment>section header</comment>
        <translation>Pauză</translation>
    </message>
    <message>
        <source>Pause</source>
        <comment>button</comment>
        <translation>Pauză</translation>
    </message>
    <message>
        <source>typing</source>
        <comment>insertion method, in a sentence</comment>
        <translation>tastare</translation>
    </message>
    <message>
        <source>accessibility</source>
        <comment>insertion method, in a sentence</comment>
        <translation>accesibilitate</translation>
    </message>
    <message>
        <source>paste</source>
        <comment>insertion method, in a sentence</comment>
        <translation>lipire</translation>
    </message>
    <message>
        <source>short</source>
        <comment>suggestion length, in a sentence</comment>
        <translation>scurte</translation>
    </message>
    <message>
        <source>medium</source>
        <comment>suggestion length, in a sentence</comment>
        <translation>medii</translation>
    </message>
    <message>
        <source>long</source>
        <comment>suggestion length, in a sentence</comment>
        <translation>lungi</translation>
    </message>
    <message>
        <source>Default follows General: %1, %2 suggestions.</source>
        <translation>Implicit, ca în „Generale”: %1, sugestii %2.</translation>
    </message>
    <message>
        <source>Yes, at %1, %2 on screen, %3 pt tall, %4 and %5</source>
        <translation>Da, la %1, %2 pe ecran, %3 pt înălțime, %4 și %5</translation>
    </message>
    <message numerus="yes">
        <source>%Ln characters before it</source>
        <translation>
            <numerusform>%Ln caracter înainte</numerusform>
            <numerusform>%Ln caractere înainte</numerusform>
            <numerusform>%Ln de caractere înainte</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln after</source>
        <comment>characters after the caret</comment>
        <translation>
            <numerusform>%Ln după</numerusform>
            <numerusform>%Ln după</numerusform>
            <numerusform>%Ln după</numerusform>
        </translation>
    </message>
    <message>
        <source>No system tray runs on this desktop, so the icon cannot show. %1</source>
        <translation>Pe acest desktop nu rulează nicio zonă de notificare, așa că pictograma nu poate apărea. %1</translation>
    </message>
    <message>
        <source>Typing</source>
        <comment>section header</comment>
        <translation>Tastare</translation>
    </message>
    <message>
        <source>Switch to the computer&apos;s language?</source>
        <translation>Treceți la limba computerului?</translation>
    </message>
    <message numerus="yes">
        <source>%Ln words this week.</source>
        <translation>
            <numerusform>%Ln cuvânt săptămâna aceasta.</numerusform>
            <numerusform>%Ln cuvinte săptămâna aceasta.</numerusform>
            <numerusform>%Ln de cuvinte săptămâna aceasta.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Under a minute of typing saved today. %Ln words this week.</source>
        <translation>
            <numerusform>Azi ați economisit sub un minut de tastare. %Ln cuvânt săptămâna aceasta.</numerusform>
            <numerusform>Azi ați economisit sub un minut de tastare. %Ln cuvinte săptămâna aceasta.</numerusform>
            <numerusform>Azi ați economisit sub un minut de tastare. %Ln de cuvinte săptămâna aceasta.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>About %1 of typing saved today. %Ln words this week.</source>
        <translation>
            <numerusform>Azi ați economisit circa %1 de tastare. %Ln cuvânt săptămâna aceasta.</numerusform>
            <numerusform>Azi ați economisit circa %1 de tastare. %Ln cuvinte săptămâna aceasta.</numerusform>
            <numerusform>Azi ați economisit circa %1 de tastare. %Ln de cuvinte săptămâna aceasta.</numerusform>
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
            <numerusform>%Ln din %1 gata</numerusform>
            <numerusform>%Ln din %1 gata</numerusform>
            <numerusform>%Ln din %1 gata</numerusform>
        </translation>
    </message>
    <message>
        <source>The server refused the connection. Check that it is running and that the address is right.</source>
        <translation>Serverul a refuzat conexiunea. Verificați dacă rulează și dacă adresa este corectă.</translation>
    </message>
    <message>
        <source>The server&apos;s name couldn&apos;t be found. Check the address.</source>
        <translation>Numele serverului nu a fost găsit. Verificați adresa.</translation>
    </message>
    <message>
        <source>A secure connection to the server couldn&apos;t be made.</source>
        <translation>Nu s-a putut stabili o conexiune securizată cu serverul.</translation>
    </message>
    <message>
        <source>The server closed the connection before it answered.</source>
        <translation>Serverul a închis conexiunea înainte să răspundă.</translation>
    </message>
    <message>
        <source>The network proxy couldn&apos;t be reached.</source>
        <translation>Proxy-ul rețelei nu poate fi accesat.</translation>
    </message>
    <message>
        <source>The server couldn&apos;t be reached.</source>
        <translation>Serverul nu poate fi accesat.</translation>
    </message>
    <message>
        <source>Waiting for the network…</source>
        <translation>Se așteaptă rețeaua…</translation>
    </message>
    <message>
        <source>%1 is taken by another program.</source>
        <translation>%1 este deja folosit de alt program.</translation>
    </message>
    <message>
        <source>%1 could not open again. Your choice takes effect the next time you start it.</source>
        <translation>%1 nu s-a putut redeschide. Alegerea făcută se aplică la următoarea pornire.</translation>
    </message>
    <message>
        <source>Downloading the model</source>
        <translation>Se descarcă modelul</translation>
    </message>
    <message numerus="yes">
        <source>These apps answer the Tab key before %app can, so %app stays paused in your other apps until they quit.</source>
        <translation>
            <numerusform>Aceste aplicații răspund la tasta Tab înaintea lui %app, așa că %app rămâne în pauză în celelalte aplicații până când se închid.</numerusform>
            <numerusform>Aceste aplicații răspund la tasta Tab înaintea lui %app, așa că %app rămâne în pauză în celelalte aplicații până când se închid.</numerusform>
            <numerusform>Aceste aplicații răspund la tasta Tab înaintea lui %app, așa că %app rămâne în pauză în celelalte aplicații până când se închid.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>It may be waiting on a dialog of its own. Force Quit closes it right away.</source>
        <translation>
            <numerusform>Poate așteaptă un dialog propriu. „Închide forțat” îl închide imediat.</numerusform>
            <numerusform>Poate așteaptă dialoguri proprii. „Închide forțat” le închide imediat.</numerusform>
            <numerusform>Poate așteaptă dialoguri proprii. „Închide forțat” le închide imediat.</numerusform>
        </translation>
    </message>
    <message>
        <source>Set a Suggest Now shortcut in Keys to ask for suggestions</source>
        <translation>Setați o scurtătură „Sugerează acum” în „Taste” pentru a cere sugestii</translation>
    </message>
    <message>
        <source>Backspace</source>
        <comment>key above Enter that deletes backwards</comment>
        <translation>Backspace</translation>
    </message>
    <message>
        <source>0 words saved today</source>
        <translation>0 cuvinte economisite azi</translation>
    </message>
    <message>
        <source>words saved today</source>
        <comment>beside the count 0</comment>
        <translation>cuvinte economisite azi</translation>
    </message>
    <message>
        <source>Quit the other app</source>
        <translation>Închide cealaltă aplicație</translation>
    </message>
    <message>
        <source>None yet</source>
        <comment>no app looked at yet</comment>
        <translation>Încă niciuna</translation>
    </message>
    <message>
        <source>None yet</source>
        <comment>no suggestion shown yet</comment>
        <translation>Încă niciuna</translation>
    </message>
    <message>
        <source>The other app is also running</source>
        <translation>Rulează și cealaltă aplicație</translation>
    </message>
    <message>
        <source>Both apps answer the Tab key, and the system gives it to the other app first. %app stays paused in your other apps until the other app quits.</source>
        <translation>Ambele aplicații răspund la tasta Tab, iar sistemul o dă mai întâi celeilalte aplicații. %app rămâne în pauză în celelalte aplicații până se închide cealaltă aplicație.</translation>
    </message>
    <message>
        <source>The other app is still open</source>
        <translation>Cealaltă aplicație este încă deschisă</translation>
    </message>
    <message>
        <source>The other app quit, so your suggestions are back in every app.</source>
        <translation>Cealaltă aplicație s-a închis, deci sugestiile au revenit în toate aplicațiile.</translation>
    </message>
    <message>
        <source>The other app quit. %app has the Tab key.</source>
        <translation>Cealaltă aplicație s-a închis. %app are tasta Tab.</translation>
    </message>
</context>
</TS>
