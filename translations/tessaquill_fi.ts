<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fi" sourcelanguage="en">
<context>
    <name>Tessaquill</name>
    <message>
        <source>Accessibility is on. %app is ready in your other apps.</source>
        <translation>Esteettömyys on päällä. %app on valmis muissa sovelluksissa.</translation>
    </message>
    <message>
        <source>Paused while %1 is open</source>
        <translation>Tauolla, kun %1 on auki</translation>
    </message>
    <message>
        <source>Welcome to %app</source>
        <translation>Tervetuloa %app-sovellukseen</translation>
    </message>
    <message>
        <source>%app</source>
        <translation>%app</translation>
    </message>
    <message>
        <source>Another autocomplete app is running</source>
        <translation>Toinen automaattitäydennys on käynnissä</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Valmis</translation>
    </message>
    <message>
        <source>Waiting for a pause</source>
        <translation>Odottaa taukoa</translation>
    </message>
    <message>
        <source>Thinking</source>
        <translation>Miettii</translation>
    </message>
    <message>
        <source>Showing a suggestion</source>
        <translation>Näyttää ehdotuksen</translation>
    </message>
    <message>
        <source>The model took too long to answer</source>
        <translation>Malli vastasi liian hitaasti</translation>
    </message>
    <message>
        <source>This app doesn&apos;t report where the caret is</source>
        <translation>Sovellus ei kerro kohdistimen paikkaa</translation>
    </message>
    <message>
        <source>%app is turned off</source>
        <translation>%app on pois päältä</translation>
    </message>
    <message>
        <source>Secure input is on, so %app stays out</source>
        <translation>Suojattu syöttö on päällä, joten %app pysyy poissa</translation>
    </message>
    <message>
        <source>Press %1 for a suggestion</source>
        <translation>Paina %1 saadaksesi ehdotuksen</translation>
    </message>
    <message>
        <source>Text is selected</source>
        <translation>Tekstiä on valittu</translation>
    </message>
    <message>
        <source>The caret is inside existing text</source>
        <translation>Kohdistin on tekstin keskellä</translation>
    </message>
    <message>
        <source>This field is too small</source>
        <translation>Kenttä on liian pieni</translation>
    </message>
    <message>
        <source>Waiting for a few characters</source>
        <translation>Odottaa muutamaa merkkiä</translation>
    </message>
    <message>
        <source>Start of a new line</source>
        <translation>Uuden rivin alku</translation>
    </message>
    <message>
        <source>The model is still downloading</source>
        <translation>Mallia ladataan yhä</translation>
    </message>
    <message>
        <source>Download the %app model in Settings first</source>
        <translation>Lataa ensin %app-malli asetuksista</translation>
    </message>
    <message>
        <source>Not checked yet</source>
        <translation>Ei vielä tarkistettu</translation>
    </message>
    <message>
        <source>Checking…</source>
        <translation>Tarkistetaan…</translation>
    </message>
    <message>
        <source>The model stopped with error %1</source>
        <translation>Malli pysähtyi virheeseen %1</translation>
    </message>
    <message>
        <source>The model file couldn&apos;t be loaded</source>
        <translation>Mallitiedostoa ei voitu ladata muistiin</translation>
    </message>
    <message>
        <source>There wasn&apos;t enough memory to start the model</source>
        <translation>Muisti ei riittänyt mallin käynnistämiseen</translation>
    </message>
    <message>
        <source>The text couldn&apos;t be prepared for the model</source>
        <translation>Tekstiä ei voitu valmistella mallille</translation>
    </message>
    <message>
        <source>This computer needs %1 free for the download. Free up some space, then try again.</source>
        <translation>Lataus vaatii %1 vapaata tilaa. Vapauta tilaa ja yritä uudelleen.</translation>
    </message>
    <message>
        <source>The download didn&apos;t match the expected file, so it was deleted. Try again.</source>
        <translation>Lataus ei vastannut odotettua tiedostoa, joten se poistettiin. Yritä uudelleen.</translation>
    </message>
    <message>
        <source>Downloaded</source>
        <translation>Ladattu</translation>
    </message>
    <message>
        <source>Downloading. Suggestions start once it&apos;s done.</source>
        <translation>Ladataan. Ehdotukset alkavat, kun lataus valmistuu.</translation>
    </message>
    <message>
        <source>Checking the download.</source>
        <translation>Tarkistetaan latausta.</translation>
    </message>
    <message>
        <source>Checking the download. Suggestions start once it&apos;s done.</source>
        <translation>Tarkistetaan latausta. Ehdotukset alkavat sen jälkeen.</translation>
    </message>
    <message>
        <source>Download the model to start</source>
        <translation>Aloita lataamalla malli</translation>
    </message>
    <message>
        <source>Ollama is running but has no models</source>
        <translation>Ollama on käynnissä, mutta siinä ei ole malleja</translation>
    </message>
    <message>
        <source>Another app</source>
        <translation>Toinen sovellus</translation>
    </message>
    <message>
        <source>There is no D-Bus session bus, so %1 cannot reach text fields.</source>
        <translation>D-Bus-istuntoväylää ei ole, joten %1 ei tavoita tekstikenttiä.</translation>
    </message>
    <message>
        <source>The desktop&apos;s accessibility bus is not running, so %1 cannot reach text fields.</source>
        <translation>Työpöydän esteettömyysväylä ei ole käynnissä, joten %1 ei tavoita tekstikenttiä.</translation>
    </message>
    <message>
        <source>Short</source>
        <translation>Lyhyt</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Keskipitkä</translation>
    </message>
    <message>
        <source>Long</source>
        <translation>Pitkä</translation>
    </message>
    <message>
        <source>Hide the suggestion</source>
        <translation>Piilota ehdotus</translation>
    </message>
    <message>
        <source>Hide suggestions until I change fields</source>
        <translation>Piilota ehdotukset, kunnes vaihdan kenttää</translation>
    </message>
    <message>
        <source>Do nothing, send Escape to the app</source>
        <translation>Älä tee mitään, lähetä Esc sovellukselle</translation>
    </message>
    <message>
        <source>Type it</source>
        <translation>Kirjoittamalla</translation>
    </message>
    <message>
        <source>Insert through Accessibility</source>
        <translation>Esteettömyyden kautta</translation>
    </message>
    <message>
        <source>Paste it</source>
        <translation>Liittämällä</translation>
    </message>
    <message>
        <source>Grey</source>
        <translation>Harmaa</translation>
    </message>
    <message>
        <source>Gold tint</source>
        <translation>Kultasävy</translation>
    </message>
    <message>
        <source>%app model</source>
        <translation>%app-malli</translation>
    </message>
    <message>
        <source>Ollama</source>
        <translation>Ollama</translation>
    </message>
    <message>
        <source>Local server</source>
        <translation>Paikallinen palvelin</translation>
    </message>
    <message>
        <source>Runs on this computer after a one-time download. Works offline.</source>
        <translation>Toimii tällä koneella yhden latauksen jälkeen. Ei vaadi verkkoyhteyttä.</translation>
    </message>
    <message>
        <source>Any model you run in Ollama, base models included.</source>
        <translation>Mikä tahansa Ollaman malli, myös perusmallit.</translation>
    </message>
    <message>
        <source>LM Studio, llama-server or any OpenAI-compatible endpoint.</source>
        <translation>LM Studio, llama-server tai muu OpenAI-yhteensopiva rajapinta.</translation>
    </message>
    <message>
        <source>Sends the text as keystrokes. Works almost everywhere.</source>
        <translation>Lähettää tekstin näppäilyinä. Toimii lähes kaikkialla.</translation>
    </message>
    <message>
        <source>Uses the clipboard, then puts your clipboard back.</source>
        <translation>Käyttää leikepöytää ja palauttaa sen sitten.</translation>
    </message>
    <message>
        <source>Accessibility</source>
        <translation>Esteettömyys</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Liittäminen</translation>
    </message>
    <message>
        <source>Your writing memory could not be opened and was set aside. Nothing new is remembered until %app starts again.</source>
        <translation>Kirjoitusmuistia ei voitu avata, joten se siirrettiin sivuun. Uutta ei muisteta ennen kuin %app käynnistyy uudelleen.</translation>
    </message>
    <message>
        <source>Your writing memory could not be opened because its key could not be read from the keyring. Nothing new is remembered until %app starts again.</source>
        <translation>Kirjoitusmuistia ei voitu avata, koska sen avainta ei voitu lukea avainnipusta. Uutta ei muisteta ennen kuin %app käynnistyy uudelleen.</translation>
    </message>
    <message>
        <source>Not Now</source>
        <translation>Ei nyt</translation>
    </message>
    <message>
        <source>Open the desktop&apos;s settings</source>
        <translation>Avaa työpöydän asetukset</translation>
    </message>
    <message>
        <source>Don&apos;t remind me again</source>
        <translation>Älä muistuta uudelleen</translation>
    </message>
    <message>
        <source>Open Playground</source>
        <translation>Avaa harjoitusalue</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Asetukset</translation>
    </message>
    <message>
        <source>Quit %app</source>
        <translation>Lopeta %app</translation>
    </message>
    <message>
        <source>Needs Accessibility access</source>
        <translation>Tarvitsee esteettömyysoikeuden</translation>
    </message>
    <message>
        <source>Paused until you resume</source>
        <translation>Tauolla, kunnes jatkat</translation>
    </message>
    <message>
        <source>Paused until %1</source>
        <translation>Tauolla klo %1 asti</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Pois</translation>
    </message>
    <message numerus="yes">
        <source>Paused while %1 are open</source>
        <translation>
            <numerusform>Tauolla, kun %1 on auki</numerusform>
            <numerusform>Tauolla, kun %1 ovat auki</numerusform>
        </translation>
    </message>
    <message>
        <source>Grant Accessibility Access…</source>
        <translation>Anna esteettömyysoikeus…</translation>
    </message>
    <message numerus="yes">
        <source>Force Quit %1</source>
        <translation>
            <numerusform>Pakota lopetus: %1</numerusform>
            <numerusform>Pakota lopetus: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Quit %1</source>
        <translation>
            <numerusform>Lopeta %1</numerusform>
            <numerusform>Lopeta %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>words saved today</source>
        <translation>
            <numerusform>sana säästetty tänään</numerusform>
            <numerusform>sanaa säästetty tänään</numerusform>
        </translation>
    </message>
    <message>
        <source>Start typing anywhere. %app keeps count here.</source>
        <translation>Aloita kirjoittaminen missä vain. %app pitää kirjaa täällä.</translation>
    </message>
    <message>
        <source>Resume in %1</source>
        <translation>Jatka: %1</translation>
    </message>
    <message>
        <source>Pause in %1</source>
        <translation>Keskeytä: %1</translation>
    </message>
    <message>
        <source>Resume Everywhere</source>
        <translation>Jatka kaikkialla</translation>
    </message>
    <message>
        <source>Pause Everywhere</source>
        <translation>Keskeytä kaikkialla</translation>
    </message>
    <message>
        <source>For 15 Minutes</source>
        <translation>15 minuutiksi</translation>
    </message>
    <message>
        <source>For 1 Hour</source>
        <translation>1 tunniksi</translation>
    </message>
    <message>
        <source>For 4 Hours</source>
        <translation>4 tunniksi</translation>
    </message>
    <message>
        <source>Until I Resume</source>
        <translation>Kunnes jatkan</translation>
    </message>
    <message>
        <source>Example: after typing %1, %2 suggests %3</source>
        <translation>Esimerkki: kun kirjoitat %1, %2 ehdottaa %3</translation>
    </message>
    <message>
        <source>takes the next word</source>
        <translation>ottaa seuraavan sanan</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Lataa</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Peruuta</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1/%2</translation>
    </message>
    <message>
        <source>%1 of %2. You can keep writing while it downloads.</source>
        <translation>%1/%2. Voit jatkaa kirjoittamista latauksen aikana.</translation>
    </message>
    <message>
        <source>Checking the download</source>
        <translation>Tarkistetaan latausta</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Yritä uudelleen</translation>
    </message>
    <message>
        <source>Remove…</source>
        <translation>Poista…</translation>
    </message>
    <message>
        <source>%1 license</source>
        <translation>Lisenssi: %1</translation>
    </message>
    <message>
        <source>Remove the %app model?</source>
        <translation>Poistetaanko %app-malli?</translation>
    </message>
    <message>
        <source>Model download</source>
        <translation>Mallin lataus</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Poista</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Jatka</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Myöhemmin</translation>
    </message>
    <message>
        <source>Start Writing</source>
        <translation>Aloita kirjoittaminen</translation>
    </message>
    <message>
        <source>Finish your sentences in any app.</source>
        <translation>Viimeistele lauseesi missä tahansa sovelluksessa.</translation>
    </message>
    <message>
        <source>%app reads the words before your caret and suggests what comes next in grey. Press Tab to take one word, or the key above Tab to take the rest. If you don&apos;t want it, keep typing.</source>
        <translation>%app lukee kohdistinta edeltävät sanat ja ehdottaa jatkoa harmaalla. Ota yksi sana painamalla Tab tai loput Tabin yläpuolella olevalla näppäimellä. Jos et halua ehdotusta, jatka kirjoittamista.</translation>
    </message>
    <message>
        <source>Sees what you see</source>
        <translation>Näkee, mitä sinä näet</translation>
    </message>
    <message>
        <source>Private</source>
        <translation>Yksityinen</translation>
    </message>
    <message>
        <source>It reads the window you&apos;re typing in, like the chat you&apos;re answering, so suggestions fit. None of it goes online, to us or any server. It stays private on your computer.</source>
        <translation>Se lukee ikkunan, jossa kirjoitat, esimerkiksi keskustelun, johon vastaat, jotta ehdotukset sopivat. Mitään ei lähetetä verkkoon, ei meille eikä palvelimille. Kaikki pysyy yksityisenä koneellasi.</translation>
    </message>
    <message>
        <source>Accessibility is on</source>
        <translation>Esteettömyys on päällä</translation>
    </message>
    <message>
        <source>%app can now read the field you&apos;re writing in and type suggestions for you.</source>
        <translation>%app voi nyt lukea kentän, johon kirjoitat, ja kirjoittaa ehdotuksia puolestasi.</translation>
    </message>
    <message>
        <source>Let %app see what you type.</source>
        <translation>Anna %app-sovelluksen nähdä, mitä kirjoitat.</translation>
    </message>
    <message>
        <source>%app reads your text when you pause and forgets it after one suggestion, unless you turn on writing memory.</source>
        <translation>%app lukee tekstisi, kun pidät tauon, ja unohtaa sen yhden ehdotuksen jälkeen, ellet ota kirjoitusmuistia käyttöön.</translation>
    </message>
    <message>
        <source>%app skips password fields and anything else the system marks as secure.</source>
        <translation>%app ohittaa salasanakentät ja kaiken, minkä järjestelmä merkitsee suojatuksi.</translation>
    </message>
    <message>
        <source>Open Accessibility Settings</source>
        <translation>Avaa esteettömyysasetukset</translation>
    </message>
    <message>
        <source>Pick what writes your suggestions.</source>
        <translation>Valitse moottori, joka kirjoittaa ehdotuksesi.</translation>
    </message>
    <message>
        <source>You can change this any time in Settings.</source>
        <translation>Voit muuttaa tätä milloin tahansa asetuksista.</translation>
    </message>
    <message>
        <source>Give it a try.</source>
        <translation>Kokeile.</translation>
    </message>
    <message>
        <source>Start typing a sentence. When grey words appear, press Tab for one word or the key above Tab for all of them.</source>
        <translation>Ala kirjoittaa lausetta. Kun harmaita sanoja näkyy, paina Tab yhdelle sanalle tai Tabin yläpuolista näppäintä kaikille.</translation>
    </message>
    <message>
        <source>Hi Orlenn, thanks for the quick reply. I think we should</source>
        <translation>Hei Orlenn, kiitos nopeasta vastauksesta. Meidän kannattaisi mielestäni</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Takaisin</translation>
    </message>
    <message>
        <source>Practice field</source>
        <translation>Harjoituskenttä</translation>
    </message>
    <message>
        <source>Default, on</source>
        <translation>Oletus, päällä</translation>
    </message>
    <message>
        <source>Default, off</source>
        <translation>Oletus, pois</translation>
    </message>
    <message>
        <source>Add a website</source>
        <translation>Lisää sivusto</translation>
    </message>
    <message>
        <source>Domain</source>
        <translation>Verkkotunnus</translation>
    </message>
    <message>
        <source>Rules for a site apply in any browser %app can read.</source>
        <translation>Sivuston säännöt pätevät kaikissa selaimissa, joita %app voi lukea.</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Lisää</translation>
    </message>
    <message>
        <source>Add App…</source>
        <translation>Lisää sovellus…</translation>
    </message>
    <message>
        <source>Add an app</source>
        <translation>Lisää sovellus</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Haku</translation>
    </message>
    <message>
        <source>Clear search</source>
        <translation>Tyhjennä haku</translation>
    </message>
    <message>
        <source>Add an app or website</source>
        <translation>Lisää sovellus tai sivusto</translation>
    </message>
    <message>
        <source>Add Website…</source>
        <translation>Lisää sivusto…</translation>
    </message>
    <message>
        <source>Apps &amp; Sites</source>
        <translation>Sovellukset &amp; sivustot</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Tauolla</translation>
    </message>
    <message>
        <source>Apps</source>
        <translation>Sovellukset</translation>
    </message>
    <message>
        <source>Websites</source>
        <translation>Sivustot</translation>
    </message>
    <message>
        <source>No matches</source>
        <translation>Ei osumia</translation>
    </message>
    <message>
        <source>No apps yet</source>
        <translation>Ei vielä sovelluksia</translation>
    </message>
    <message>
        <source>Nothing matches “%1”.</source>
        <translation>Mikään ei vastaa hakua ”%1”.</translation>
    </message>
    <message>
        <source>Apps appear here once you accept a suggestion in them, or add one with +.</source>
        <translation>Sovellukset näkyvät tässä, kun hyväksyt niissä ehdotuksen, tai lisää sovellus +-painikkeella.</translation>
    </message>
    <message>
        <source>Pick an app or site</source>
        <translation>Valitse sovellus tai sivusto</translation>
    </message>
    <message>
        <source>Each one can have its own rules. Anything you don&apos;t change follows General.</source>
        <translation>Kullakin voi olla omat sääntönsä. Kaikki, mitä et muuta, seuraa Yleiset-asetuksia.</translation>
    </message>
    <message>
        <source>Words saved here</source>
        <translation>Täällä säästetyt sanat</translation>
    </message>
    <message>
        <source>Suggestions</source>
        <translation>Ehdotukset</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Päällä</translation>
    </message>
    <message>
        <source>Tab accepts suggestions</source>
        <translation>Tab hyväksyy ehdotukset</translation>
    </message>
    <message>
        <source>Turn off where Tab already means something, like indenting. The other accept key still works.</source>
        <translation>Poista käytöstä, jos Tabilla on jo tehtävä, kuten sisennys. Toinen hyväksyntänäppäin toimii yhä.</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Oletus</translation>
    </message>
    <message>
        <source>Insert by</source>
        <translation>Lisäystapa</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Pituus</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Jatka</translation>
    </message>
    <message>
        <source>Pause here</source>
        <translation>Keskeytä täällä</translation>
    </message>
    <message>
        <source>Memory</source>
        <translation>Muisti</translation>
    </message>
    <message>
        <source>Remember my writing here</source>
        <translation>Muista kirjoitustyylini täällä</translation>
    </message>
    <message>
        <source>Writing memory is off in Your Voice.</source>
        <translation>Kirjoitusmuisti on pois päältä kohdassa Oma tyyli.</translation>
    </message>
    <message>
        <source>Erase…</source>
        <translation>Tyhjennä…</translation>
    </message>
    <message>
        <source>Reset to Defaults</source>
        <translation>Palauta oletukset</translation>
    </message>
    <message>
        <source>Erase what %app remembered from %1?</source>
        <translation>Tyhjennetäänkö, mitä %app muistaa kohteesta %1?</translation>
    </message>
    <message>
        <source>Erase</source>
        <translation>Tyhjennä</translation>
    </message>
    <message>
        <source>Passages from this app can shape suggestions everywhere.</source>
        <translation>Tämän sovelluksen katkelmat voivat vaikuttaa ehdotuksiin kaikkialla.</translation>
    </message>
    <message>
        <source>Finish setting up</source>
        <translation>Viimeistele käyttöönotto</translation>
    </message>
    <message>
        <source>Setup progress</source>
        <translation>Käyttöönoton tila</translation>
    </message>
    <message>
        <source>Done: %1</source>
        <translation>Valmis: %1</translation>
    </message>
    <message>
        <source>Best day yet!</source>
        <translation>Paras päiväsi!</translation>
    </message>
    <message>
        <source>Try it here</source>
        <translation>Kokeile tässä</translation>
    </message>
    <message>
        <source>Thanks for sending the draft over. I had a look and</source>
        <translation>Kiitos, että lähetit luonnoksen. Katsoin sen läpi ja</translation>
    </message>
    <message>
        <source>next word</source>
        <translation>seuraava sana</translation>
    </message>
    <message>
        <source>whole suggestion</source>
        <translation>koko ehdotus</translation>
    </message>
    <message>
        <source>hide it</source>
        <translation>piilota</translation>
    </message>
    <message>
        <source>This field runs the real engine. Start typing and grey words show up as you go.</source>
        <translation>Tämä kenttä käyttää oikeaa moottoria. Ala kirjoittaa, niin harmaita sanoja ilmestyy.</translation>
    </message>
    <message>
        <source>This field runs the real engine, even before you allow Accessibility. Start typing and grey words show up as you go.</source>
        <translation>Tämä kenttä käyttää oikeaa moottoria jo ennen esteettömyyden sallimista. Ala kirjoittaa, niin harmaita sanoja ilmestyy.</translation>
    </message>
    <message>
        <source>You&apos;re all set</source>
        <translation>Kaikki valmista</translation>
    </message>
    <message>
        <source>Accessibility is on and %1 is ready. %app works in every app you type in.</source>
        <translation>Esteettömyys on päällä ja %1 on valmis. %app toimii kaikissa sovelluksissa, joissa kirjoitat.</translation>
    </message>
    <message>
        <source>Waiting for %1 to quit</source>
        <translation>Odotetaan, että %1 sulkeutuu</translation>
    </message>
    <message>
        <source>Turned off</source>
        <translation>Pois päältä</translation>
    </message>
    <message>
        <source>Paused everywhere</source>
        <translation>Tauolla kaikkialla</translation>
    </message>
    <message>
        <source>%1, %2 typical wait</source>
        <translation>%1, tyypillinen odotus %2</translation>
    </message>
    <message>
        <source>Start your streak today.</source>
        <translation>Aloita putki tänään.</translation>
    </message>
    <message>
        <source>Overview</source>
        <translation>Yleiskatsaus</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Yleiset</translation>
    </message>
    <message>
        <source>Engine</source>
        <translation>Moottori</translation>
    </message>
    <message>
        <source>Context</source>
        <translation>Konteksti</translation>
    </message>
    <message>
        <source>Your Voice</source>
        <translation>Oma tyyli</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Näppäimet</translation>
    </message>
    <message>
        <source>Emoji</source>
        <translation>Emojit</translation>
    </message>
    <message>
        <source>Battery</source>
        <translation>Akku</translation>
    </message>
    <message>
        <source>Insights</source>
        <translation>Tilastot</translation>
    </message>
    <message>
        <source>Field Inspector</source>
        <translation>Kenttätarkastin</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Tietoja</translation>
    </message>
    <message>
        <source>How %app is doing today</source>
        <translation>Miten %app pärjää tänään</translation>
    </message>
    <message>
        <source>Where and how suggestions appear</source>
        <translation>Missä ja miten ehdotukset näkyvät</translation>
    </message>
    <message>
        <source>The model that writes your suggestions</source>
        <translation>Malli, joka kirjoittaa ehdotuksesi</translation>
    </message>
    <message>
        <source>What %app may look at to guess better</source>
        <translation>Mitä %app saa katsoa arvatakseen paremmin</translation>
    </message>
    <message>
        <source>Help suggestions sound like you</source>
        <translation>Ehdotukset, jotka kuulostavat sinulta</translation>
    </message>
    <message>
        <source>Accept, dismiss and summon suggestions</source>
        <translation>Hyväksy, hylkää ja pyydä ehdotuksia</translation>
    </message>
    <message>
        <source>Emoji search and emoticons</source>
        <translation>Emojihaku ja hymiöt</translation>
    </message>
    <message>
        <source>Rules for each app and website</source>
        <translation>Säännöt sovelluksille ja sivustoille</translation>
    </message>
    <message>
        <source>Save power when you&apos;re unplugged</source>
        <translation>Säästä virtaa akkukäytössä</translation>
    </message>
    <message>
        <source>Words saved and how fast suggestions arrive</source>
        <translation>Säästetyt sanat ja ehdotusten nopeus</translation>
    </message>
    <message>
        <source>What %app sees in the focused field</source>
        <translation>Mitä %app näkee aktiivisessa kentässä</translation>
    </message>
    <message>
        <source>Version and privacy</source>
        <translation>Versio ja tietosuoja</translation>
    </message>
    <message>
        <source>Writing</source>
        <translation>Kirjoittaminen</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Syöte</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Säännöt</translation>
    </message>
    <message>
        <source>Activity</source>
        <translation>Aktiivisuus</translation>
    </message>
    <message>
        <source>%app can read the field you&apos;re typing in and insert suggestions in any app.</source>
        <translation>%app voi lukea kentän, johon kirjoitat, ja lisätä ehdotuksia mihin tahansa sovellukseen.</translation>
    </message>
    <message>
        <source>Allow Accessibility access</source>
        <translation>Salli esteettömyysoikeus</translation>
    </message>
    <message>
        <source>%app needs it to read the text you type in other apps and to insert suggestions.</source>
        <translation>%app tarvitsee sitä lukeakseen muihin sovelluksiin kirjoittamasi tekstin ja lisätäkseen ehdotuksia.</translation>
    </message>
    <message>
        <source>Allow…</source>
        <translation>Salli…</translation>
    </message>
    <message>
        <source>%1 is ready</source>
        <translation>%1 on valmis</translation>
    </message>
    <message>
        <source>Checking %1</source>
        <translation>Tarkistetaan: %1</translation>
    </message>
    <message>
        <source>This takes a moment.</source>
        <translation>Tämä vie hetken.</translation>
    </message>
    <message>
        <source>Your engine isn&apos;t ready</source>
        <translation>Moottori ei ole valmis</translation>
    </message>
    <message>
        <source>Open Engine</source>
        <translation>Avaa Moottori</translation>
    </message>
    <message>
        <source>The system&apos;s predictions are off</source>
        <translation>Järjestelmän ennusteet pois päältä</translation>
    </message>
    <message>
        <source>Only %app&apos;s suggestions appear while you type.</source>
        <translation>Kirjoittaessasi näkyvät vain %app-ehdotukset.</translation>
    </message>
    <message>
        <source>Turn off the system&apos;s predictions</source>
        <translation>Poista järjestelmän ennusteet käytöstä</translation>
    </message>
    <message>
        <source>The system shows its own grey suggestions on top of %app&apos;s. Each app picks up the change the next time you open it.</source>
        <translation>Järjestelmä näyttää omia harmaita ehdotuksiaan %app-ehdotusten päällä. Kukin sovellus ottaa muutoksen käyttöön, kun avaat sen seuraavan kerran.</translation>
    </message>
    <message>
        <source>Keyboard Settings</source>
        <translation>Näppäimistöasetukset</translation>
    </message>
    <message>
        <source>Turn Off</source>
        <translation>Poista käytöstä</translation>
    </message>
    <message>
        <source>Only %app is suggesting</source>
        <translation>Vain %app ehdottaa</translation>
    </message>
    <message>
        <source>Tab reaches %app again.</source>
        <translation>Tab toimii taas %app-sovelluksessa.</translation>
    </message>
    <message numerus="yes">
        <source>%1 didn&apos;t quit. They may be showing a dialog. Force Quit closes them right away.</source>
        <translation>
            <numerusform>%1 ei sulkeutunut. Siinä voi olla valintaikkuna auki. Pakota lopetus sulkee sen heti.</numerusform>
            <numerusform>%1 eivät sulkeutuneet. Niissä voi olla valintaikkuna auki. Pakota lopetus sulkee ne heti.</numerusform>
        </translation>
    </message>
    <message>
        <source>Force Quit</source>
        <translation>Pakota lopetus</translation>
    </message>
    <message numerus="yes">
        <source>%1 take the Tab key before %app can, so %app stays paused in your other apps until you quit them.</source>
        <translation>
            <numerusform>%1 nappaa Tab-näppäimen ennen %app-sovellusta, joten %app on tauolla muissa sovelluksissa, kunnes suljet sen.</numerusform>
            <numerusform>%1 nappaavat Tab-näppäimen ennen %app-sovellusta, joten %app on tauolla muissa sovelluksissa, kunnes suljet ne.</numerusform>
        </translation>
    </message>
    <message>
        <source>Only when I ask</source>
        <translation>Vain pyydettäessä</translation>
    </message>
    <message>
        <source>On battery, suggestions appear only after you press the Suggest Now shortcut.</source>
        <translation>Akkukäytössä ehdotukset näkyvät vasta, kun painat Ehdota nyt -pikanäppäintä.</translation>
    </message>
    <message>
        <source>Shorter suggestions</source>
        <translation>Lyhyemmät ehdotukset</translation>
    </message>
    <message>
        <source>Fewer words take less power to write.</source>
        <translation>Vähemmän sanoja vie vähemmän virtaa.</translation>
    </message>
    <message>
        <source>Lighter model</source>
        <translation>Kevyempi malli</translation>
    </message>
    <message>
        <source>Same as plugged in</source>
        <translation>Sama kuin verkkovirralla</translation>
    </message>
    <message>
        <source>Running on battery. These apply right now.</source>
        <translation>Akkukäytössä. Nämä ovat voimassa nyt.</translation>
    </message>
    <message>
        <source>Plugged in. These wait until you unplug.</source>
        <translation>Verkkovirrassa. Nämä tulevat voimaan, kun irrotat laturin.</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Malli</translation>
    </message>
    <message>
        <source>Model name</source>
        <translation>Mallin nimi</translation>
    </message>
    <message>
        <source>Reload the model list</source>
        <translation>Päivitä malliluettelo</translation>
    </message>
    <message>
        <source>Choose a model</source>
        <translation>Valitse malli</translation>
    </message>
    <message>
        <source>For people who already run Ollama, LM Studio or llama-server.</source>
        <translation>Niille, jotka jo käyttävät Ollamaa, LM Studiota tai llama-serveriä.</translation>
    </message>
    <message>
        <source>Use your own model</source>
        <translation>Käytä omaa mallia</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Osoite</translation>
    </message>
    <message>
        <source>API key</source>
        <translation>API-avain</translation>
    </message>
    <message>
        <source>Only if your server asks for one</source>
        <translation>Vain jos palvelin vaatii</translation>
    </message>
    <message>
        <source>Focused</source>
        <translation>Tarkka</translation>
    </message>
    <message>
        <source>Creativity</source>
        <translation>Luovuus</translation>
    </message>
    <message>
        <source>Loose</source>
        <translation>Vapaa</translation>
    </message>
    <message>
        <source>Lower stays close to the obvious next words. Higher tries more.</source>
        <translation>Pieni arvo pysyy ilmeisissä seuraavissa sanoissa. Suuri arvo kokeilee enemmän.</translation>
    </message>
    <message>
        <source>Wait before suggesting</source>
        <translation>Odotus ennen ehdotusta</translation>
    </message>
    <message>
        <source>How long you pause before %app starts.</source>
        <translation>Kuinka pitkän tauon jälkeen %app aloittaa.</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Suorita</translation>
    </message>
    <message>
        <source>Try the engine</source>
        <translation>Kokeile moottoria</translation>
    </message>
    <message>
        <source>Sends a sample sentence and shows what comes back.</source>
        <translation>Lähettää esimerkkilauseen ja näyttää vastauksen.</translation>
    </message>
    <message>
        <source>Running…</source>
        <translation>Suoritetaan…</translation>
    </message>
    <message>
        <source>The engine answered in %1 but had nothing useful to add.</source>
        <translation>Moottori vastasi ajassa %1, mutta sillä ei ollut hyödyllistä lisättävää.</translation>
    </message>
    <message>
        <source>That didn&apos;t work: %1</source>
        <translation>Ei onnistunut: %1</translation>
    </message>
    <message>
        <source>The request was cancelled.</source>
        <translation>Pyyntö peruttiin.</translation>
    </message>
    <message>
        <source>Startup</source>
        <translation>Käynnistys</translation>
    </message>
    <message>
        <source>Launch at login</source>
        <translation>Käynnistä kirjautuessa</translation>
    </message>
    <message>
        <source>Show today&apos;s word count next to the icon</source>
        <translation>Näytä päivän sanamäärä kuvakkeen vieressä</translation>
    </message>
    <message>
        <source>Where suggestions appear</source>
        <translation>Missä ehdotukset näkyvät</translation>
    </message>
    <message>
        <source>Turn this off to use %app only in the apps you switch on under Apps &amp; Sites.</source>
        <translation>Poista käytöstä, niin %app toimii vain kohdassa Sovellukset &amp; sivustot valituissa sovelluksissa.</translation>
    </message>
    <message>
        <source>By default %app waits until the caret is at the end of a line.</source>
        <translation>Oletuksena %app odottaa, että kohdistin on rivin lopussa.</translation>
    </message>
    <message>
        <source>Without this, %app skips search bars and one-word boxes.</source>
        <translation>Ilman tätä %app ohittaa hakupalkit ja yhden sanan kentät.</translation>
    </message>
    <message>
        <source>Suggestions appear only after you press the Suggest Now shortcut.</source>
        <translation>Ehdotukset näkyvät vasta, kun painat Ehdota nyt -pikanäppäintä.</translation>
    </message>
    <message>
        <source>Spelling</source>
        <translation>Oikeinkirjoitus</translation>
    </message>
    <message>
        <source>Waits while the word you&apos;re typing looks misspelled, so %app doesn&apos;t build on a typo.</source>
        <translation>Odottaa, jos kirjoittamasi sana näyttää virheelliseltä, jottei %app jatka kirjoitusvirheestä.</translation>
    </message>
    <message>
        <source>After a misspelled word, shows a fix next to the caret. Press Tab to swap it in.</source>
        <translation>Näyttää virheellisen sanan jälkeen korjauksen kohdistimen vieressä. Vaihda se painamalla Tab.</translation>
    </message>
    <message>
        <source>Look</source>
        <translation>Ulkoasu</translation>
    </message>
    <message>
        <source>Suggestion color</source>
        <translation>Ehdotusten väri</translation>
    </message>
    <message>
        <source>Text size</source>
        <translation>Tekstin koko</translation>
    </message>
    <message>
        <source>Fine-tune if suggestions look larger or smaller than your text.</source>
        <translation>Hienosäädä, jos ehdotukset näyttävät tekstiäsi suuremmilta tai pienemmiltä.</translation>
    </message>
    <message>
        <source>Vertical position</source>
        <translation>Pystysijainti</translation>
    </message>
    <message>
        <source>Nudge suggestions up or down to line up with your text.</source>
        <translation>Siirrä ehdotuksia ylös tai alas tekstisi tasalle.</translation>
    </message>
    <message>
        <source>A small keycap after your first suggestions, as a reminder of what to press.</source>
        <translation>Pieni näppäinkuva ensimmäisten ehdotusten perässä muistuttamaan, mitä painaa.</translation>
    </message>
    <message>
        <source>Insert suggestions by</source>
        <translation>Ehdotusten lisäystapa</translation>
    </message>
    <message>
        <source>Other autocomplete apps</source>
        <translation>Muut automaattitäydennykset</translation>
    </message>
    <message>
        <source>They take the Tab key before %app can. With this off, %app asks you first.</source>
        <translation>Ne nappaavat Tab-näppäimen ennen %app-sovellusta. Kun tämä on pois, %app kysyy ensin sinulta.</translation>
    </message>
    <message>
        <source>%1 is another device on your network, so the text around your caret will be sent there.</source>
        <translation>%1 on toinen laite verkossasi, joten kohdistimen ympärillä oleva teksti lähetetään sinne.</translation>
    </message>
    <message>
        <source>%1 isn&apos;t this computer, so the text around your caret will be sent there.</source>
        <translation>%1 ei ole tämä tietokone, joten kohdistimen ympärillä oleva teksti lähetetään sinne.</translation>
    </message>
    <message>
        <source>Both keep your text on this computer.</source>
        <translation>Molemmat pitävät tekstisi tällä tietokoneella.</translation>
    </message>
    <message>
        <source>%app opens by itself when you start your computer.</source>
        <translation>%app avautuu itsestään, kun käynnistät tietokoneen.</translation>
    </message>
    <message>
        <source>System predictions</source>
        <translation>Järjestelmän ennusteet</translation>
    </message>
    <message>
        <source>The system can show its own grey predictions. Keeping them off avoids two suggestions at once.</source>
        <translation>Järjestelmä voi näyttää omia harmaita ennusteitaan. Kun ne ovat pois, kaksi ehdotusta ei näy kerralla.</translation>
    </message>
    <message>
        <source>System predictions are on</source>
        <translation>Järjestelmän ennusteet päällä</translation>
    </message>
    <message>
        <source>System predictions are off</source>
        <translation>Järjestelmän ennusteet pois päältä</translation>
    </message>
    <message>
        <source>tab</source>
        <translation>tab</translation>
    </message>
    <message>
        <source>Your next words, one Tab away.</source>
        <translation>Seuraavat sanasi yhden Tabin päässä.</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Ohita</translation>
    </message>
    <message>
        <source>Get Started</source>
        <translation>Aloita</translation>
    </message>
    <message>
        <source>Turn sound on</source>
        <translation>Ääni päälle</translation>
    </message>
    <message>
        <source>Turn sound off</source>
        <translation>Ääni pois</translation>
    </message>
    <message>
        <source>The other app</source>
        <translation>Toinen sovellus</translation>
    </message>
    <message numerus="yes">
        <source>Next time, quit %1 without asking</source>
        <translation>
            <numerusform>Lopeta %1 ensi kerralla kysymättä</numerusform>
            <numerusform>Lopeta %1 ensi kerralla kysymättä</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 is also running</source>
        <translation>
            <numerusform>%1 on myös käynnissä</numerusform>
            <numerusform>%1 ovat myös käynnissä</numerusform>
        </translation>
    </message>
    <message>
        <source>Quitting…</source>
        <translation>Suljetaan…</translation>
    </message>
    <message numerus="yes">
        <source>%1 is still open</source>
        <translation>
            <numerusform>%1 on yhä auki</numerusform>
            <numerusform>%1 ovat yhä auki</numerusform>
        </translation>
    </message>
    <message>
        <source>%app has the Tab key</source>
        <translation>%app sai Tab-näppäimen</translation>
    </message>
    <message>
        <source>%1 quit, so your suggestions are back in every app.</source>
        <translation>%1 sulkeutui, joten ehdotukset ovat taas käytössä kaikissa sovelluksissa.</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Valmis</translation>
    </message>
    <message>
        <source>Open Source Notices</source>
        <translation>Avoimen lähdekoodin lisenssit</translation>
    </message>
    <message>
        <source>Reset all settings?</source>
        <translation>Palautetaanko kaikki asetukset?</translation>
    </message>
    <message>
        <source>This also clears your rules for apps and sites. Your statistics and writing memory stay.</source>
        <translation>Tämä tyhjentää myös sovellusten ja sivustojen säännöt. Tilastot ja kirjoitusmuisti säilyvät.</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Palauta</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versio %1</translation>
    </message>
    <message>
        <source>Some apps hide their text</source>
        <translation>Jotkin sovellukset piilottavat tekstinsä</translation>
    </message>
    <message>
        <source>Suggest emoji after a colon</source>
        <translation>Ehdota emojeja kaksoispisteen jälkeen</translation>
    </message>
    <message>
        <source>Turn emoticons into emoji</source>
        <translation>Muuta hymiöt emojeiksi</translation>
    </message>
    <message>
        <source>After :-) or &lt;3, %app offers the matching emoji. Press Tab to swap it in.</source>
        <translation>Kun kirjoitat :-) tai &lt;3, %app tarjoaa vastaavaa emojia. Lisää se painamalla Tab.</translation>
    </message>
    <message>
        <source>Skin tone</source>
        <translation>Ihonväri</translation>
    </message>
    <message>
        <source>Also show the default yellow</source>
        <translation>Näytä myös oletuskeltainen</translation>
    </message>
    <message>
        <source>Try a word</source>
        <translation>Kokeile sanaa</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Heikko</translation>
    </message>
    <message>
        <source>No emoji match “%1”</source>
        <translation>Ei emojia haulle ”%1”</translation>
    </message>
    <message>
        <source>Accepting</source>
        <translation>Hyväksyminen</translation>
    </message>
    <message>
        <source>Take the next word</source>
        <translation>Ota seuraava sana</translation>
    </message>
    <message>
        <source>Press again for each following word.</source>
        <translation>Paina uudelleen jokaista seuraavaa sanaa varten.</translation>
    </message>
    <message>
        <source>Take the whole suggestion</source>
        <translation>Ota koko ehdotus</translation>
    </message>
    <message>
        <source>The key above Tab is easy to reach on most keyboards.</source>
        <translation>Tabin yläpuolella oleva näppäin on helppo tavoittaa useimmilla näppäimistöillä.</translation>
    </message>
    <message>
        <source>Include the space after a word</source>
        <translation>Ota sanan jälkeinen välilyönti mukaan</translation>
    </message>
    <message>
        <source>Include punctuation right after a word</source>
        <translation>Ota sanaa seuraava välimerkki mukaan</translation>
    </message>
    <message>
        <source>When you press Escape</source>
        <translation>Kun painat Esc</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Pikanäppäimet</translation>
    </message>
    <message>
        <source>Suggest now</source>
        <translation>Ehdota nyt</translation>
    </message>
    <message>
        <source>Asks for a suggestion right away, even where %app would normally wait.</source>
        <translation>Pyytää ehdotusta heti, myös siellä, missä %app yleensä odottaisi.</translation>
    </message>
    <message>
        <source>Other suggestions</source>
        <translation>Muut ehdotukset</translation>
    </message>
    <message>
        <source>Lists a few different ways to continue. Choose with the arrow keys, then press Tab.</source>
        <translation>Näyttää muutaman eri jatkon. Valitse nuolinäppäimillä ja paina Tab.</translation>
    </message>
    <message>
        <source>Pause or resume in this app</source>
        <translation>Keskeytä tai jatka tässä sovelluksessa</translation>
    </message>
    <message>
        <source>Pauses for 15 minutes.</source>
        <translation>Keskeyttää 15 minuutiksi.</translation>
    </message>
    <message>
        <source>Turn %app on or off</source>
        <translation>%app päälle tai pois</translation>
    </message>
    <message>
        <source>Everywhere, until you press it again.</source>
        <translation>Kaikkialla, kunnes painat uudelleen.</translation>
    </message>
    <message>
        <source>Pause or resume</source>
        <translation>Keskeytä tai jatka</translation>
    </message>
    <message>
        <source>Turn on or off</source>
        <translation>Päälle tai pois</translation>
    </message>
    <message>
        <source>%1 and %2 use the same keys. Only the first will work.</source>
        <translation>%1 ja %2 käyttävät samoja näppäimiä. Vain ensimmäinen toimii.</translation>
    </message>
    <message>
        <source>About you</source>
        <translation>Tietoja sinusta</translation>
    </message>
    <message>
        <source>For example: I&apos;m a product designer in Berlin. I write short, friendly emails in British English and sign off with Cheers.</source>
        <translation>Esimerkiksi: Olen tuotesuunnittelija Berliinissä. Kirjoitan lyhyitä, ystävällisiä sähköposteja brittienglanniksi ja lopetan sanaan Cheers.</translation>
    </message>
    <message>
        <source>Your role, the languages you write in, names you use often, how you like to sound.</source>
        <translation>Roolisi, kielet, joilla kirjoitat, usein käyttämäsi nimet, millainen sävy sinulle sopii.</translation>
    </message>
    <message>
        <source>Writing memory</source>
        <translation>Kirjoitusmuisti</translation>
    </message>
    <message>
        <source>Remember how I write</source>
        <translation>Muista kirjoitustyylini</translation>
    </message>
    <message>
        <source>Also remember fields where I accept nothing</source>
        <translation>Muista myös kentät, joissa en hyväksy mitään</translation>
    </message>
    <message>
        <source>%app learns your style sooner but keeps more of what you type.</source>
        <translation>%app oppii tyylisi nopeammin, mutta säilyttää enemmän kirjoittamastasi.</translation>
    </message>
    <message>
        <source>Influence</source>
        <translation>Vaikutus</translation>
    </message>
    <message>
        <source>Strong</source>
        <translation>Vahva</translation>
    </message>
    <message>
        <source>How many of your passages each suggestion can draw on.</source>
        <translation>Kuinka moneen katkelmaasi kukin ehdotus voi perustua.</translation>
    </message>
    <message>
        <source>Erase All…</source>
        <translation>Tyhjennä kaikki…</translation>
    </message>
    <message>
        <source>Erase everything %app remembered?</source>
        <translation>Tyhjennetäänkö kaikki, mitä %app muistaa?</translation>
    </message>
    <message>
        <source>This can&apos;t be undone.</source>
        <translation>Tätä ei voi kumota.</translation>
    </message>
    <message>
        <source>Erase All</source>
        <translation>Tyhjennä kaikki</translation>
    </message>
    <message>
        <source>Nothing remembered yet</source>
        <translation>Mitään ei ole vielä muistissa</translation>
    </message>
    <message>
        <source>App and window name</source>
        <translation>Sovelluksen ja ikkunan nimi</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>Sivusto</translation>
    </message>
    <message>
        <source>The site&apos;s domain when you write in a browser.</source>
        <translation>Sivuston verkkotunnus, kun kirjoitat selaimessa.</translation>
    </message>
    <message>
        <source>Recently copied text</source>
        <translation>Äskettäin kopioitu teksti</translation>
    </message>
    <message>
        <source>Anything you copied in the last 10 minutes. Copies from password managers are skipped.</source>
        <translation>Kaikki viimeisen 10 minuutin aikana kopioimasi. Salasanojen hallinnasta kopioitu ohitetaan.</translation>
    </message>
    <message>
        <source>Text on screen</source>
        <translation>Näytön teksti</translation>
    </message>
    <message>
        <source>Reads the window you&apos;re writing in, so replies fit the conversation. It picks the lines closest to where you type.</source>
        <translation>Lukee ikkunan, jossa kirjoitat, jotta vastaukset sopivat keskusteluun. Valitsee kirjoituskohtaa lähimmät rivit.</translation>
    </message>
    <message>
        <source>What you just looked at</source>
        <translation>Mitä juuri katsoit</translation>
    </message>
    <message>
        <source>Windows beside you</source>
        <translation>Viereiset ikkunat</translation>
    </message>
    <message>
        <source>Also reads up to two other windows on the same screen, like the document you&apos;re replying about. Skips password managers and apps you switched off.</source>
        <translation>Lukee myös enintään kaksi muuta ikkunaa samalla näytöllä, kuten asiakirjan, josta vastaat. Ohittaa salasanojen hallinnat ja pois kytketyt sovellukset.</translation>
    </message>
    <message>
        <source>Off in this app</source>
        <translation>Pois tässä sovelluksessa</translation>
    </message>
    <message>
        <source>This word looks misspelled</source>
        <translation>Sana näyttää virheelliseltä</translation>
    </message>
    <message>
        <source>Thanks for the notes. I&apos;ll send the revised deck</source>
        <translation>Kiitos huomioista. Lähetän korjatun esityksen</translation>
    </message>
    <message>
        <source> by Friday morning.</source>
        <translation> perjantaiaamuun mennessä.</translation>
    </message>
    <message>
        <source>%1 quit. %app has the Tab key.</source>
        <translation>%1 sulkeutui. %app sai Tab-näppäimen.</translation>
    </message>
    <message>
        <source>Open Data Folder</source>
        <translation>Avaa datakansio</translation>
    </message>
    <message>
        <source>Show Welcome Again</source>
        <translation>Näytä tervetulonäkymä uudelleen</translation>
    </message>
    <message>
        <source>Play Intro Again</source>
        <translation>Toista esittely</translation>
    </message>
    <message>
        <source>Reset Settings…</source>
        <translation>Palauta asetukset…</translation>
    </message>
    <message>
        <source>Suggest in every app</source>
        <translation>Ehdota kaikissa sovelluksissa</translation>
    </message>
    <message>
        <source>Suggest in code editors</source>
        <translation>Ehdota koodieditoreissa</translation>
    </message>
    <message>
        <source>Suggest in the middle of a line</source>
        <translation>Ehdota rivin keskellä</translation>
    </message>
    <message>
        <source>Suggest in small fields</source>
        <translation>Ehdota pienissä kentissä</translation>
    </message>
    <message>
        <source>Hold back on misspelled words</source>
        <translation>Odota virheellisten sanojen kohdalla</translation>
    </message>
    <message>
        <source>Offer spelling fixes</source>
        <translation>Tarjoa korjauksia</translation>
    </message>
    <message>
        <source>Show the key hint</source>
        <translation>Näytä näppäinvihje</translation>
    </message>
    <message>
        <source>Quit other autocomplete apps when they open</source>
        <translation>Lopeta muut automaattitäydennykset niiden avautuessa</translation>
    </message>
    <message>
        <source>Keeps a few minutes of text from windows you switched away from, like a page you read before replying. It stays on your computer and skips apps you switched off.</source>
        <translation>Säilyttää muutaman minuutin tekstiä ikkunoista, joista siirryit pois, kuten ennen vastaamista luetun sivun. Se pysyy koneellasi ja ohittaa pois kytketyt sovellukset.</translation>
    </message>
    <message numerus="yes">
        <source>Both apps answer the Tab key, and the system gives it to %1 first. %app stays paused in your other apps until %1 quits.</source>
        <translation>
            <numerusform>Molemmat sovellukset reagoivat Tab-näppäimeen, ja järjestelmä antaa sen ensin sovellukselle %1. %app on tauolla muissa sovelluksissa, kunnes %1 sulkeutuu.</numerusform>
            <numerusform>%1 nappaavat Tab-näppäimen ennen %app-sovellusta, joten %app on tauolla muissa sovelluksissa, kunnes suljet ne.</numerusform>
        </translation>
    </message>
    <message>
        <source>Finishes your sentences in any app, on your computer.</source>
        <translation>Viimeistelee lauseesi missä tahansa sovelluksessa, omalla koneellasi.</translation>
    </message>
    <message>
        <source>Keeps short passages from fields where you accepted a suggestion, encrypted on this computer, and shows them to the model as examples.</source>
        <translation>Säilyttää lyhyitä katkelmia kentistä, joissa hyväksyit ehdotuksen, salattuina tällä koneella, ja näyttää niitä mallille esimerkkeinä.</translation>
    </message>
    <message>
        <source>Light</source>
        <comment>skin tone</comment>
        <translation>Vaalea</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Default</source>
        <comment>skin tone</comment>
        <translation>Oletus</translation>
    </message>
    <message>
        <source>Medium light</source>
        <comment>skin tone</comment>
        <translation>Keskivaalea</translation>
    </message>
    <message>
        <source>Medium</source>
        <comment>skin tone</comment>
        <translation>Keskimääräinen</translation>
    </message>
    <message>
        <source>Medium dark</source>
        <comment>skin tone</comment>
        <translation>Keskitumma</translation>
    </message>
    <message>
        <source>Dark</source>
        <comment>skin tone</comment>
        <translation>Tumma</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Tuntematon</translation>
    </message>
    <message>
        <source>%1 × %2 pt</source>
        <translation>%1 × %2 pt</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Ei</translation>
    </message>
    <message>
        <source>Not reported, estimated from the caret</source>
        <translation>Ei ilmoitettu, arvioitu kohdistimesta</translation>
    </message>
    <message>
        <source>%1 %2 pt</source>
        <translation>%1 %2 pt</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Järjestelmä</translation>
    </message>
    <message>
        <source>Not yet</source>
        <translation>Ei vielä</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Tänään</translation>
    </message>
    <message>
        <source>Last 7 days</source>
        <translation>7 viime päivää</translation>
    </message>
    <message>
        <source>All time</source>
        <translation>Koko ajalta</translation>
    </message>
    <message>
        <source>Typing saved</source>
        <translation>Säästetty kirjoitusaika</translation>
    </message>
    <message>
        <source>at 40 words a minute</source>
        <translation>nopeudella 40 sanaa/min</translation>
    </message>
    <message>
        <source>Accepted</source>
        <translation>Hyväksytty</translation>
    </message>
    <message>
        <source>of suggestions shown</source>
        <translation>näytetyistä ehdotuksista</translation>
    </message>
    <message>
        <source>Typical wait</source>
        <translation>Tyypillinen odotus</translation>
    </message>
    <message>
        <source>9 in 10 under %1</source>
        <translation>9/10 alle %1</translation>
    </message>
    <message>
        <source>no requests yet</source>
        <translation>ei vielä pyyntöjä</translation>
    </message>
    <message>
        <source>Words saved</source>
        <translation>Säästetyt sanat</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>Aikaväli</translation>
    </message>
    <message>
        <source>Nothing to chart yet</source>
        <translation>Ei vielä näytettävää</translation>
    </message>
    <message>
        <source>Accept a few suggestions and your days show up here.</source>
        <translation>Hyväksy muutama ehdotus, niin päiväsi näkyvät tässä.</translation>
    </message>
    <message>
        <source>Where you write</source>
        <translation>Missä kirjoitat</translation>
    </message>
    <message>
        <source>Reset Statistics…</source>
        <translation>Nollaa tilastot…</translation>
    </message>
    <message>
        <source>Reset all statistics?</source>
        <translation>Nollataanko kaikki tilastot?</translation>
    </message>
    <message>
        <source>This clears words saved, acceptance and timing history.</source>
        <translation>Tämä tyhjentää säästettyjen sanojen, hyväksyntöjen ja viiveiden historian.</translation>
    </message>
    <message>
        <source>Copy Diagnostics</source>
        <translation>Kopioi diagnostiikka</translation>
    </message>
    <message>
        <source>Diagnostics leave out the text you typed.</source>
        <translation>Diagnostiikka ei sisällä kirjoittamaasi tekstiä.</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Tila</translation>
    </message>
    <message>
        <source>Right now</source>
        <translation>Juuri nyt</translation>
    </message>
    <message>
        <source>Allowed</source>
        <translation>Sallittu</translation>
    </message>
    <message>
        <source>Not allowed</source>
        <translation>Ei sallittu</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Näppäimistö</translation>
    </message>
    <message>
        <source>Listening</source>
        <translation>Kuuntelee</translation>
    </message>
    <message>
        <source>Not listening</source>
        <translation>Ei kuuntele</translation>
    </message>
    <message>
        <source>Focused field</source>
        <translation>Aktiivinen kenttä</translation>
    </message>
    <message>
        <source>Click into a text field in another app, then come back. The last field %1 saw stays here.</source>
        <translation>Napsauta tekstikenttää toisessa sovelluksessa ja palaa sitten. Viimeisin kenttä, jonka %1 näki, jää tähän.</translation>
    </message>
    <message>
        <source>App</source>
        <translation>Sovellus</translation>
    </message>
    <message>
        <source>Field type</source>
        <translation>Kentän tyyppi</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>Ikkuna</translation>
    </message>
    <message>
        <source>Field size</source>
        <translation>Kentän koko</translation>
    </message>
    <message>
        <source>Caret found</source>
        <translation>Kohdistin löytyi</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Fontti</translation>
    </message>
    <message>
        <source>At end of line</source>
        <translation>Rivin lopussa</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Kyllä</translation>
    </message>
    <message>
        <source>Secure input</source>
        <translation>Suojattu syöttö</translation>
    </message>
    <message>
        <source>Looked at lately</source>
        <translation>Äskettäin katsottu</translation>
    </message>
    <message>
        <source>Text before the caret</source>
        <translation>Teksti ennen kohdistinta</translation>
    </message>
    <message>
        <source>Last request</source>
        <translation>Viimeisin pyyntö</translation>
    </message>
    <message>
        <source>Wait</source>
        <translation>Odotus</translation>
    </message>
    <message>
        <source>Suggestion</source>
        <translation>Ehdotus</translation>
    </message>
    <message>
        <source>Prompt sent to the engine</source>
        <translation>Moottorille lähetetty kehote</translation>
    </message>
    <message>
        <source>Raw answer</source>
        <translation>Raaka vastaus</translation>
    </message>
    <message>
        <source>(empty)</source>
        <translation>(tyhjä)</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>Kopioitu</translation>
    </message>
    <message>
        <source>Choose a language</source>
        <translation>Valitse kieli</translation>
    </message>
    <message>
        <source>Search languages</source>
        <translation>Hae kieliä</translation>
    </message>
    <message>
        <source>Same as my computer</source>
        <translation>Sama kuin tietokoneessa</translation>
    </message>
    <message>
        <source>Switch to %1?</source>
        <translation>Vaihdetaanko kieli: %1?</translation>
    </message>
    <message>
        <source>%1 closes and opens again in a second. Your settings stay as they are.</source>
        <translation>%1 sulkeutuu ja avautuu uudelleen sekunnissa. Asetuksesi säilyvät ennallaan.</translation>
    </message>
    <message>
        <source>Reopen Now</source>
        <translation>Avaa uudelleen nyt</translation>
    </message>
    <message>
        <source>App language</source>
        <translation>Sovelluksen kieli</translation>
    </message>
    <message>
        <source>Pick the language you read most easily. Suggestions follow whatever language you type.</source>
        <translation>Valitse kieli, jota luet helpoimmin. Ehdotukset seuraavat kieltä, jolla kirjoitat.</translation>
    </message>
    <message>
        <source>Change the app language</source>
        <translation>Vaihda sovelluksen kieli</translation>
    </message>
    <message>
        <source>0 min</source>
        <translation>0 min</translation>
    </message>
    <message>
        <source>under a minute</source>
        <translation>alle minuutti</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>Not set</source>
        <translation>Ei asetettu</translation>
    </message>
    <message>
        <source>Clear shortcut</source>
        <translation>Tyhjennä pikanäppäin</translation>
    </message>
    <message>
        <source>Add Ctrl, Alt or Super so normal typing still works.</source>
        <translation>Lisää Ctrl, Alt tai Super, jotta tavallinen kirjoittaminen toimii yhä.</translation>
    </message>
    <message>
        <source>Type a shortcut…</source>
        <translation>Paina pikanäppäintä…</translation>
    </message>
    <message>
        <source>Recording shortcut</source>
        <translation>Tallennetaan pikanäppäintä</translation>
    </message>
    <message>
        <source>Shortcut %1</source>
        <translation>Pikanäppäin %1</translation>
    </message>
    <message>
        <source>Record shortcut</source>
        <translation>Tallenna pikanäppäin</translation>
    </message>
    <message>
        <source>Shortcut not set</source>
        <translation>Ei pikanäppäintä</translation>
    </message>
    <message>
        <source>Press to record a new shortcut. Escape cancels.</source>
        <translation>Paina tallentaaksesi uuden pikanäppäimen. Esc peruuttaa.</translation>
    </message>
    <message>
        <source>Your tray icon is hidden</source>
        <translation>Ilmoitusalueen kuvake on piilossa</translation>
    </message>
    <message>
        <source>This computer has no on-device language model</source>
        <translation>Tällä tietokoneella ei ole laitteen omaa kielimallia</translation>
    </message>
    <message>
        <source>Turn on the on-device model in the desktop&apos;s settings</source>
        <translation>Ota laitteen malli käyttöön työpöydän asetuksista</translation>
    </message>
    <message>
        <source>The on-device model is unavailable</source>
        <translation>Laitteen malli ei ole käytettävissä</translation>
    </message>
    <message>
        <source>Downloading. The on-device model fills in until it&apos;s done.</source>
        <translation>Ladataan. Siihen asti käytetään laitteen mallia.</translation>
    </message>
    <message>
        <source>The on-device model fills in until you download it.</source>
        <translation>Laitteen mallia käytetään, kunnes lataat mallin.</translation>
    </message>
    <message>
        <source>%1 shares no text. Quit it and start it with %2 to get suggestions in it.</source>
        <translation>%1 ei jaa tekstiä. Lopeta se ja käynnistä valitsimella %2, niin saat siihen ehdotuksia.</translation>
    </message>
    <message>
        <source>On-device model</source>
        <translation>Laitteen malli</translation>
    </message>
    <message>
        <source>The system&apos;s own language model. Nothing to download.</source>
        <translation>Järjestelmän oma kielimalli. Ei ladattavaa.</translation>
    </message>
    <message>
        <source>A website name cannot hold spaces, tabs or line breaks.</source>
        <translation>Sivuston nimessä ei voi olla välilyöntejä, sarkaimia eikä rivinvaihtoja.</translation>
    </message>
    <message>
        <source>Only addresses that start with http or https can be added.</source>
        <translation>Vain http- tai https-alkuisia osoitteita voi lisätä.</translation>
    </message>
    <message>
        <source>That is not a website name. Type one such as wikipedia.org.</source>
        <translation>Tämä ei ole sivuston nimi. Kirjoita esimerkiksi wikipedia.org.</translation>
    </message>
    <message>
        <source>A port is a number from 1 to 65535.</source>
        <translation>Portti on luku väliltä 1–65535.</translation>
    </message>
    <message>
        <source>The on-device model fills in until the download is done.</source>
        <translation>Laitteen mallia käytetään, kunnes lataus valmistuu.</translation>
    </message>
    <message>
        <source>Suggestions start once the download is done.</source>
        <translation>Ehdotukset alkavat, kun lataus valmistuu.</translation>
    </message>
    <message>
        <source>This frees %1. The on-device model fills in until you download it again.</source>
        <translation>Vapauttaa %1. Laitteen mallia käytetään, kunnes lataat mallin uudelleen.</translation>
    </message>
    <message>
        <source>This frees %1. The %app model can&apos;t suggest until you download it again.</source>
        <translation>Vapauttaa %1. %app-malli ei ehdota, ennen kuin lataat sen uudelleen.</translation>
    </message>
    <message>
        <source>There&apos;s no room for it, or your panel has no system tray. Add the panel&apos;s system tray or status area applet in its settings.</source>
        <translation>Kuvakkeelle ei ole tilaa, tai paneelissa ei ole ilmoitusaluetta. Lisää paneelin asetuksista ilmoitusalue- tai tila-alue-sovelma.</translation>
    </message>
    <message>
        <source>GNOME shows tray icons only with the AppIndicator extension. Install the gnome-shell-extension-appindicator package, log out and in, then turn it on in Extensions.</source>
        <translation>GNOME näyttää ilmoitusalueen kuvakkeet vain AppIndicator-laajennuksella. Asenna paketti gnome-shell-extension-appindicator, kirjaudu ulos ja takaisin ja ota se käyttöön Laajennuksissa.</translation>
    </message>
    <message>
        <source>GNOME shows tray icons only with the AppIndicator extension. It is installed but off: turn it on in Extensions.</source>
        <translation>GNOME näyttää ilmoitusalueen kuvakkeet vain AppIndicator-laajennuksella. Se on asennettu mutta pois käytöstä: ota se käyttöön Laajennuksissa.</translation>
    </message>
    <message>
        <source>Until then, open %app from your applications menu to reach Settings.</source>
        <translation>Sillä välin avaa %app sovellusvalikosta päästäksesi asetuksiin.</translation>
    </message>
    <message>
        <source>Open Extensions</source>
        <translation>Avaa Laajennukset</translation>
    </message>
    <message>
        <source>Show Count in Tray</source>
        <translation>Näytä määrä ilmoitusalueella</translation>
    </message>
    <message>
        <source>%1 shares no text</source>
        <translation>%1 ei jaa tekstiä</translation>
    </message>
    <message>
        <source>Copy command</source>
        <translation>Kopioi komento</translation>
    </message>
    <message>
        <source>There&apos;s no account and no analytics. With the %app model or the on-device model, your text stays on this computer.</source>
        <translation>Ei tiliä eikä analytiikkaa. %app-mallilla tai laitteen mallilla tekstisi pysyy tällä koneella.</translation>
    </message>
    <message>
        <source>There&apos;s no account and no analytics. With the %app model, your text stays on this computer.</source>
        <translation>Ei tiliä eikä analytiikkaa. %app-mallilla tekstisi pysyy tällä koneella.</translation>
    </message>
    <message>
        <source>%app lives in your system tray from now on. Click its icon to pause it in an app or open Settings.</source>
        <translation>%app löytyy nyt ilmoitusalueelta. Napsauta kuvaketta keskeyttääksesi sen sovelluksessa tai avataksesi asetukset.</translation>
    </message>
    <message>
        <source>%app has no account, no analytics and no servers of its own. The %app model and the on-device model keep your text on this computer. Other engines get it only if you set one up.</source>
        <translation>%app-sovelluksella ei ole tiliä, analytiikkaa eikä omia palvelimia. %app-malli ja laitteen malli pitävät tekstisi tällä koneella. Muut moottorit saavat sen vain, jos otat sellaisen käyttöön.</translation>
    </message>
    <message>
        <source>%app has no account, no analytics and no servers of its own. The %app model keeps your text on this computer. Other engines get it only if you set one up.</source>
        <translation>%app-sovelluksella ei ole tiliä, analytiikkaa eikä omia palvelimia. %app-malli pitää tekstisi tällä koneella. Muut moottorit saavat sen vain, jos otat sellaisen käyttöön.</translation>
    </message>
    <message>
        <source>Installed applications</source>
        <translation>Asennetut sovellukset</translation>
    </message>
    <message>
        <source>%app reads these only while making a suggestion and never saves them. With the %app model or the on-device model, nothing leaves your computer.</source>
        <translation>%app lukee näitä vain ehdotusta tehdessään eikä tallenna niitä. %app-mallilla tai laitteen mallilla mikään ei lähde koneeltasi.</translation>
    </message>
    <message>
        <source>%app reads these only while making a suggestion and never saves them. With the %app model, nothing leaves your computer.</source>
        <translation>%app lukee näitä vain ehdotusta tehdessään eikä tallenna niitä. %app-mallilla mikään ei lähde koneeltasi.</translation>
    </message>
    <message>
        <source>The %app model keeps your text on this computer.</source>
        <translation>%app-malli pitää tekstisi tällä koneella.</translation>
    </message>
    <message>
        <source>The key holds a line break or another control character. Paste it again without them.</source>
        <translation>Avaimessa on rivinvaihto tai muu ohjausmerkki. Liitä se uudelleen ilman niitä.</translation>
    </message>
    <message>
        <source>Waiting for the keyring to store the key.</source>
        <translation>Odotetaan, että avainnippu tallentaa avaimen.</translation>
    </message>
    <message>
        <source>The keyring cannot keep this key, so it is used only until %app quits.</source>
        <translation>Avainnippu ei voi säilyttää tätä avainta, joten sitä käytetään vain, kunnes %app suljetaan.</translation>
    </message>
    <message>
        <source>Show in the system tray</source>
        <translation>Näytä ilmoitusalueella</translation>
    </message>
    <message>
        <source>Pause or open Settings from the system tray. Hidden? Open %app from your applications menu to come back.</source>
        <translation>Keskeytä tai avaa asetukset ilmoitusalueelta. Piilossa? Avaa %app sovellusvalikosta palataksesi.</translation>
    </message>
    <message>
        <source>This tray can&apos;t show text beside icons, so the count shows in the icon&apos;s tooltip.</source>
        <translation>Tämä ilmoitusalue ei voi näyttää tekstiä kuvakkeiden vieressä, joten määrä näkyy kuvakkeen työkaluvihjeessä.</translation>
    </message>
    <message>
        <source>VS Code, VSCodium, Cursor, Zed, Kate, Sublime Text, JetBrains IDEs and similar apps.</source>
        <translation>VS Code, VSCodium, Cursor, Zed, Kate, Sublime Text, JetBrainsin IDE:t ja vastaavat.</translation>
    </message>
    <message>
        <source>Your settings could not be read, so they were set aside and %app started over with its defaults.</source>
        <translation>Asetuksia ei voitu lukea, joten ne siirrettiin sivuun ja %app aloitti oletusasetuksilla.</translation>
    </message>
    <message>
        <source>Your settings are not saved: %app cannot write to its settings folder.</source>
        <translation>Asetuksia ei tallenneta: %app ei voi kirjoittaa asetuskansioonsa.</translation>
    </message>
    <message>
        <source>Your app and website rules could not be read, so they were set aside.</source>
        <translation>Sovellusten ja sivustojen sääntöjä ei voitu lukea, joten ne siirrettiin sivuun.</translation>
    </message>
    <message>
        <source>Your statistics could not be read, so they were set aside and counting started over.</source>
        <translation>Tilastoja ei voitu lukea, joten ne siirrettiin sivuun ja laskenta alkoi alusta.</translation>
    </message>
    <message>
        <source>Not saved: %app cannot write to its data folder.</source>
        <translation>Ei tallennettu: %app ei voi kirjoittaa datakansioonsa.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln suggestions. %1 selected</source>
        <translation>
            <numerusform>%Ln ehdotus. Valittu: %1</numerusform>
            <numerusform>%Ln ehdotusta. Valittu: %1</numerusform>
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
            <numerusform>%Ln sana</numerusform>
            <numerusform>%Ln sanaa</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln passages from here</source>
        <translation>
            <numerusform>%Ln katkelma täältä</numerusform>
            <numerusform>%Ln katkelmaa täältä</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>words</source>
        <comment>unit after a count</comment>
        <translation>
            <numerusform>sana</numerusform>
            <numerusform>sanaa</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln days</source>
        <translation>
            <numerusform>%Ln päivä</numerusform>
            <numerusform>%Ln päivää</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Words saved per day over the last %Ln days</source>
        <translation>
            <numerusform>Säästetyt sanat päivittäin viimeisen päivän ajalta</numerusform>
            <numerusform>Säästetyt sanat päivittäin viimeisten %Ln päivän ajalta</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln day streak</source>
        <translation>
            <numerusform>%Ln päivän putki</numerusform>
            <numerusform>%Ln päivän putki</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln passages remembered</source>
        <translation>
            <numerusform>%Ln katkelma muistissa</numerusform>
            <numerusform>%Ln katkelmaa muistissa</numerusform>
        </translation>
    </message>
    <message>
        <source>enter</source>
        <translation>enter</translation>
    </message>
    <message>
        <source>Allow screen capture so %app can read those too. Most apps work without it.</source>
        <translation>Salli näytönkaappaus, jotta %app voi lukea nekin. Useimmat sovellukset toimivat ilman.</translation>
    </message>
    <message>
        <source>Type a colon and a word, like :rocket, then press Tab or Enter to pick.</source>
        <translation>Kirjoita kaksoispiste ja sana, kuten :rocket, ja valitse painamalla Tab tai Enter.</translation>
    </message>
    <message>
        <source>You can switch memory off for single apps under Apps &amp; Sites. The key that unlocks it lives in your keyring.</source>
        <translation>Voit poistaa muistin käytöstä yksittäisiltä sovelluksilta kohdassa Sovellukset &amp; sivustot. Sen avaava avain on avainnipussasi.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln emoji. %1 selected</source>
        <translation>
            <numerusform>%Ln emoji. Valittu: %1</numerusform>
            <numerusform>%Ln emojia. Valittu: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Suggestion: %1</source>
        <translation>Ehdotus: %1</translation>
    </message>
    <message numerus="yes">
        <source>%Ln models available</source>
        <translation>
            <numerusform>%Ln malli saatavilla</numerusform>
            <numerusform>%Ln mallia saatavilla</numerusform>
        </translation>
    </message>
    <message>
        <source>The model couldn&apos;t be saved: %1</source>
        <translation>Mallia ei voitu tallentaa: %1</translation>
    </message>
    <message>
        <source>Ollama isn&apos;t running.</source>
        <translation>Ollama ei ole käynnissä.</translation>
    </message>
    <message>
        <source>Ollama isn&apos;t running at %1.</source>
        <translation>Ollama ei ole käynnissä osoitteessa %1.</translation>
    </message>
    <message>
        <source>No server answered.</source>
        <translation>Mikään palvelin ei vastannut.</translation>
    </message>
    <message>
        <source>No server answered at %1.</source>
        <translation>Mikään palvelin ei vastannut osoitteessa %1.</translation>
    </message>
    <message>
        <source>Range: %1</source>
        <translation>Aikaväli: %1</translation>
    </message>
    <message numerus="yes">
        <source>%1, %Ln to do</source>
        <translation>
            <numerusform>%1, %Ln tekemättä</numerusform>
            <numerusform>%1, %Ln tekemättä</numerusform>
        </translation>
    </message>
    <message>
        <source>Type the whole name of the website, such as wikipedia.org.</source>
        <translation>Kirjoita sivuston koko nimi, esimerkiksi wikipedia.org.</translation>
    </message>
    <message>
        <source>The key holds a space, an invisible character or a letter outside plain ASCII. Paste it again exactly as your server gave it.</source>
        <translation>Avaimessa on välilyönti, näkymätön merkki tai kirjain tavallisen ASCII:n ulkopuolelta. Liitä se uudelleen täsmälleen sellaisena kuin palvelin sen antoi.</translation>
    </message>
    <message>
        <source>The keyring could not be read, so your server is asked without an API key. Type the key again if your server needs one.</source>
        <translation>Avainnippua ei voitu lukea, joten palvelimelta kysytään ilman API-avainta. Kirjoita avain uudelleen, jos palvelimesi tarvitsee sen.</translation>
    </message>
    <message>
        <source>Your writing memory could not be opened, so it was set aside and %app started a new one.</source>
        <translation>Kirjoitusmuistia ei voitu avata, joten se siirrettiin sivuun ja %app aloitti uuden.</translation>
    </message>
    <message>
        <source>%1, converted for llama.cpp by %2</source>
        <translation>%1, llama.cpp:lle muuntanut %2</translation>
    </message>
    <message>
        <source>The data folder %1 could not be made. Check that the folder above it exists and that you may write there.</source>
        <translation>Datakansiota %1 ei voitu luoda. Tarkista, että sen yläkansio on olemassa ja että voit kirjoittaa sinne.</translation>
    </message>
    <message>
        <source>party</source>
        <comment>emoji search sample</comment>
        <translation>juhlat</translation>
    </message>
    <message numerus="yes">
        <source>%Ln settings held values %app cannot use, so they were corrected and saved.</source>
        <translation>
            <numerusform>%Ln asetuksella oli arvo, jota %app ei voi käyttää, joten se korjattiin ja tallennettiin.</numerusform>
            <numerusform>%Ln asetuksella oli arvoja, joita %app ei voi käyttää, joten ne korjattiin ja tallennettiin.</numerusform>
        </translation>
    </message>
    <message>
        <source>Your writing memory is not saved: the keyring is missing or locked, so its key cannot be kept.</source>
        <translation>Kirjoitusmuistia ei tallenneta: avainnippu puuttuu tai on lukittu, joten kirjoitusmuistin avainta ei voi säilyttää.</translation>
    </message>
    <message>
        <source>That address isn&apos;t valid</source>
        <translation>Osoite ei kelpaa</translation>
    </message>
    <message>
        <source>The request timed out.</source>
        <translation>Pyyntö aikakatkaistiin.</translation>
    </message>
    <message>
        <source>The server&apos;s reply was too long, so it was stopped.</source>
        <translation>Palvelimen vastaus oli liian pitkä, joten se keskeytettiin.</translation>
    </message>
    <message>
        <source>The server answered %1.</source>
        <translation>Palvelin vastasi %1.</translation>
    </message>
    <message>
        <source>The server answered %1: %2</source>
        <translation>Palvelin vastasi %1: %2</translation>
    </message>
    <message>
        <source>The download server answered %1. Try again later.</source>
        <translation>Latauspalvelin vastasi %1. Yritä myöhemmin uudelleen.</translation>
    </message>
    <message>
        <source>The download couldn&apos;t be saved: %1</source>
        <translation>Latausta ei voitu tallentaa: %1</translation>
    </message>
    <message>
        <source>The download paused because the connection dropped. Try again to pick up where it stopped.</source>
        <translation>Lataus keskeytyi, koska yhteys katkesi. Yritä uudelleen, niin se jatkuu siitä, mihin se jäi.</translation>
    </message>
    <message>
        <source>The download stopped. Check your connection, then try again.</source>
        <translation>Lataus pysähtyi. Tarkista yhteys ja yritä sitten uudelleen.</translation>
    </message>
    <message>
        <source>Pick an Ollama model in Settings</source>
        <translation>Valitse Ollama-malli asetuksista</translation>
    </message>
    <message>
        <source>Pick a model for your local server</source>
        <translation>Valitse malli paikalliselle palvelimellesi</translation>
    </message>
    <message>
        <source>The server&apos;s answer is not HTTP.</source>
        <translation>Palvelimen vastaus ei ole HTTP:tä.</translation>
    </message>
    <message>
        <source>The data couldn&apos;t be read because it is missing.</source>
        <translation>Tietoja ei voitu lukea, koska ne puuttuvat.</translation>
    </message>
    <message>
        <source>The data couldn&apos;t be read because it isn&apos;t in the correct format.</source>
        <translation>Tietoja ei voitu lukea, koska ne eivät ole oikeassa muodossa.</translation>
    </message>
    <message>
        <source>:%1:</source>
        <comment>emoji name</comment>
        <translation>:%1:</translation>
    </message>
    <message>
        <source>This computer has no on-device language model.</source>
        <translation>Tällä tietokoneella ei ole laitteen omaa kielimallia.</translation>
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
        <translation>Vaihto</translation>
    </message>
    <message>
        <source>Super</source>
        <comment>key</comment>
        <translation>Super</translation>
    </message>
    <message>
        <source>Paused on %1</source>
        <translation>Tauolla sivustolla %1</translation>
    </message>
    <message>
        <source>Paused in %1</source>
        <translation>Tauolla sovelluksessa %1</translation>
    </message>
    <message>
        <source>Off on %1</source>
        <translation>Pois sivustolla %1</translation>
    </message>
    <message>
        <source>Off in %1</source>
        <translation>Pois sovelluksessa %1</translation>
    </message>
    <message>
        <source>Off in %1 by default</source>
        <translation>Oletuksena pois sovelluksessa %1</translation>
    </message>
    <message>
        <source>Off in code editors</source>
        <translation>Pois koodieditoreissa</translation>
    </message>
    <message>
        <source>Off unless turned on per app</source>
        <translation>Pois, ellei sovelluskohtaisesti päällä</translation>
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
        <translation>Välilyönti</translation>
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
        <translation>Näppäin %1</translation>
    </message>
    <message>
        <source>An email reply reads differently from a commit message.</source>
        <translation>Vastaus sähköpostiin kuulostaa erilaiselta kuin commit-viesti.</translation>
    </message>
    <message>
        <source>Writes straight into the field. Cleanest in GTK and Qt apps.</source>
        <translation>Kirjoittaa suoraan kenttään. Siistein GTK- ja Qt-sovelluksissa.</translation>
    </message>
    <message>
        <source>Typing</source>
        <comment>insertion method</comment>
        <translation>Kirjoittaminen</translation>
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
            <numerusform>%Ln sana säästetty tänään</numerusform>
            <numerusform>%Ln sanaa säästetty tänään</numerusform>
        </translation>
    </message>
    <message>
        <source>Under a minute of typing saved today.</source>
        <translation>Alle minuutti kirjoittamista säästetty tänään.</translation>
    </message>
    <message>
        <source>About %1 of typing saved today.</source>
        <translation>Noin %1 kirjoittamista säästetty tänään.</translation>
    </message>
    <message numerus="yes">
        <source>Step %1 of %Ln</source>
        <translation>
            <numerusform>Vaihe %1/%Ln</numerusform>
            <numerusform>Vaihe %1/%Ln</numerusform>
        </translation>
    </message>
    <message>
        <source>%app reads and types into text fields through the desktop&apos;s accessibility support, which some desktops leave off. %app uses it only for the field you&apos;re writing in.</source>
        <translation>%app lukee tekstikenttiä ja kirjoittaa niihin työpöydän esteettömyystuen kautta, jonka jotkin työpöydät jättävät pois päältä. %app käyttää sitä vain kenttään, johon kirjoitat.</translation>
    </message>
    <message>
        <source>The button switches the desktop&apos;s accessibility support on. If the desktop&apos;s settings open instead, turn accessibility on there, then come back. This page updates by itself.</source>
        <translation>Painike kytkee työpöydän esteettömyystuen päälle. Jos sen sijaan aukeavat työpöydän asetukset, kytke esteettömyys päälle siellä ja palaa sitten. Tämä sivu päivittyy itsestään.</translation>
    </message>
    <message>
        <source>Still off? Some desktops start their accessibility service only when you log in. Log out and back in, then try again.</source>
        <translation>Yhä pois päältä? Jotkin työpöydät käynnistävät esteettömyyspalvelunsa vasta kirjautuessa. Kirjaudu ulos ja takaisin sisään ja yritä sitten uudelleen.</translation>
    </message>
    <message>
        <source>Pause</source>
        <comment>section header</comment>
        <translation>Tauko</translation>
    </message>
    <message>
        <source>Pause</source>
        <comment>button</comment>
        <translation>Keskeytä</translation>
    </message>
    <message>
        <source>typing</source>
        <comment>insertion method, in a sentence</comment>
        <translation>kirjoittaminen</translation>
    </message>
    <message>
        <source>accessibility</source>
        <comment>insertion method, in a sentence</comment>
        <translation>esteettömyys</translation>
    </message>
    <message>
        <source>paste</source>
        <comment>insertion method, in a sentence</comment>
        <translation>liittäminen</translation>
    </message>
    <message>
        <source>short</source>
        <comment>suggestion length, in a sentence</comment>
        <translation>lyhyet</translation>
    </message>
    <message>
        <source>medium</source>
        <comment>suggestion length, in a sentence</comment>
        <translation>keskipitkät</translation>
    </message>
    <message>
        <source>long</source>
        <comment>suggestion length, in a sentence</comment>
        <translation>pitkät</translation>
    </message>
    <message>
        <source>Default follows General: %1, %2 suggestions.</source>
        <translation>Oletus seuraa Yleiset-asetuksia: %1, %2 ehdotukset.</translation>
    </message>
    <message>
        <source>Yes, at %1, %2 on screen, %3 pt tall, %4 and %5</source>
        <translation>Kyllä, kohdassa %1, %2 näytöllä, %3 pt korkea, %4 ja %5</translation>
    </message>
    <message numerus="yes">
        <source>%Ln characters before it</source>
        <translation>
            <numerusform>%Ln merkki ennen</numerusform>
            <numerusform>%Ln merkkiä ennen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln after</source>
        <comment>characters after the caret</comment>
        <translation>
            <numerusform>%Ln jälkeen</numerusform>
            <numerusform>%Ln jälkeen</numerusform>
        </translation>
    </message>
    <message>
        <source>No system tray runs on this desktop, so the icon cannot show. %1</source>
        <translation>Tällä työpöydällä ei ole käynnissä ilmoitusaluetta, joten kuvaketta ei voi näyttää. %1</translation>
    </message>
    <message>
        <source>Typing</source>
        <comment>section header</comment>
        <translation>Kirjoittaminen</translation>
    </message>
    <message>
        <source>Switch to the computer&apos;s language?</source>
        <translation>Vaihdetaanko tietokoneen kieleen?</translation>
    </message>
    <message numerus="yes">
        <source>%Ln words this week.</source>
        <translation>
            <numerusform>%Ln sana tällä viikolla.</numerusform>
            <numerusform>%Ln sanaa tällä viikolla.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Under a minute of typing saved today. %Ln words this week.</source>
        <translation>
            <numerusform>Alle minuutti kirjoittamista säästetty tänään. %Ln sana tällä viikolla.</numerusform>
            <numerusform>Alle minuutti kirjoittamista säästetty tänään. %Ln sanaa tällä viikolla.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>About %1 of typing saved today. %Ln words this week.</source>
        <translation>
            <numerusform>Noin %1 kirjoittamista säästetty tänään. %Ln sana tällä viikolla.</numerusform>
            <numerusform>Noin %1 kirjoittamista säästetty tänään. %Ln sanaa tällä viikolla.</numerusform>
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
            <numerusform>%Ln/%1 valmiina</numerusform>
            <numerusform>%Ln/%1 valmiina</numerusform>
        </translation>
    </message>
    <message>
        <source>The server refused the connection. Check that it is running and that the address is right.</source>
        <translation>Palvelin torjui yhteyden. Tarkista, että se on käynnissä ja että osoite on oikein.</translation>
    </message>
    <message>
        <source>The server&apos;s name couldn&apos;t be found. Check the address.</source>
        <translation>Palvelimen nimeä ei löytynyt. Tarkista osoite.</translation>
    </message>
    <message>
        <source>A secure connection to the server couldn&apos;t be made.</source>
        <translation>Suojattua yhteyttä palvelimeen ei saatu muodostettua.</translation>
    </message>
    <message>
        <source>The server closed the connection before it answered.</source>
        <translation>Palvelin sulki yhteyden ennen kuin vastasi.</translation>
    </message>
    <message>
        <source>The network proxy couldn&apos;t be reached.</source>
        <translation>Verkon välityspalvelimeen ei saatu yhteyttä.</translation>
    </message>
    <message>
        <source>The server couldn&apos;t be reached.</source>
        <translation>Palvelimeen ei saatu yhteyttä.</translation>
    </message>
    <message>
        <source>Waiting for the network…</source>
        <translation>Odotetaan verkkoa…</translation>
    </message>
    <message>
        <source>%1 is taken by another program.</source>
        <translation>%1 on jo toisen ohjelman käytössä.</translation>
    </message>
    <message>
        <source>%1 could not open again. Your choice takes effect the next time you start it.</source>
        <translation>%1 ei auennut uudelleen. Valintasi tulee voimaan, kun käynnistät sen seuraavan kerran.</translation>
    </message>
    <message>
        <source>Downloading the model</source>
        <translation>Ladataan mallia</translation>
    </message>
    <message numerus="yes">
        <source>These apps answer the Tab key before %app can, so %app stays paused in your other apps until they quit.</source>
        <translation>
            <numerusform>Nämä sovellukset reagoivat Tab-näppäimeen ennen %app-sovellusta, joten %app on tauolla muissa sovelluksissa, kunnes ne sulkeutuvat.</numerusform>
            <numerusform>Nämä sovellukset reagoivat Tab-näppäimeen ennen %app-sovellusta, joten %app on tauolla muissa sovelluksissa, kunnes ne sulkeutuvat.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>It may be waiting on a dialog of its own. Force Quit closes it right away.</source>
        <translation>
            <numerusform>Se saattaa odottaa omaa valintaikkunaansa. Pakota lopetus sulkee sen heti.</numerusform>
            <numerusform>Ne saattavat odottaa omia valintaikkunoitaan. Pakota lopetus sulkee ne heti.</numerusform>
        </translation>
    </message>
    <message>
        <source>Set a Suggest Now shortcut in Keys to ask for suggestions</source>
        <translation>Määritä Ehdota nyt -pikanäppäin Näppäimet-osiossa, niin voit pyytää ehdotuksia</translation>
    </message>
    <message>
        <source>Backspace</source>
        <comment>key above Enter that deletes backwards</comment>
        <translation>Askelpalautin</translation>
    </message>
    <message>
        <source>0 words saved today</source>
        <translation>0 sanaa säästetty tänään</translation>
    </message>
    <message>
        <source>words saved today</source>
        <comment>beside the count 0</comment>
        <translation>sanaa säästetty tänään</translation>
    </message>
    <message>
        <source>Quit the other app</source>
        <translation>Lopeta toinen sovellus</translation>
    </message>
    <message>
        <source>None yet</source>
        <comment>no app looked at yet</comment>
        <translation>Ei vielä</translation>
    </message>
    <message>
        <source>None yet</source>
        <comment>no suggestion shown yet</comment>
        <translation>Ei vielä</translation>
    </message>
    <message>
        <source>The other app is also running</source>
        <translation>Toinen sovellus on myös käynnissä</translation>
    </message>
    <message>
        <source>Both apps answer the Tab key, and the system gives it to the other app first. %app stays paused in your other apps until the other app quits.</source>
        <translation>Molemmat sovellukset reagoivat Tab-näppäimeen, ja järjestelmä antaa sen ensin toiselle sovellukselle. %app on tauolla muissa sovelluksissa, kunnes toinen sovellus sulkeutuu.</translation>
    </message>
    <message>
        <source>The other app is still open</source>
        <translation>Toinen sovellus on yhä auki</translation>
    </message>
    <message>
        <source>The other app quit, so your suggestions are back in every app.</source>
        <translation>Toinen sovellus sulkeutui, joten ehdotukset ovat taas käytössä kaikissa sovelluksissa.</translation>
    </message>
    <message>
        <source>The other app quit. %app has the Tab key.</source>
        <translation>Toinen sovellus sulkeutui. %app sai Tab-näppäimen.</translation>
    </message>
</context>
</TS>
