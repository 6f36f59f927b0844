<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fil" sourcelanguage="en">
<context>
    <name>Tessaquill</name>
    <message>
        <source>Accessibility is on. %app is ready in your other apps.</source>
        <translation>Naka-on ang Accessibility. Handa na ang %app sa iba mo pang app.</translation>
    </message>
    <message>
        <source>Paused while %1 is open</source>
        <translation>Naka-pause habang bukas ang %1</translation>
    </message>
    <message>
        <source>Welcome to %app</source>
        <translation>Maligayang pagdating sa %app</translation>
    </message>
    <message>
        <source>%app</source>
        <translation>%app</translation>
    </message>
    <message>
        <source>Another autocomplete app is running</source>
        <translation>May tumatakbong ibang autocomplete app</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Handa</translation>
    </message>
    <message>
        <source>Waiting for a pause</source>
        <translation>Naghihintay ng paghinto</translation>
    </message>
    <message>
        <source>Thinking</source>
        <translation>Nag-iisip</translation>
    </message>
    <message>
        <source>Showing a suggestion</source>
        <translation>Nagpapakita ng mungkahi</translation>
    </message>
    <message>
        <source>The model took too long to answer</source>
        <translation>Masyadong natagalan ang model bago sumagot</translation>
    </message>
    <message>
        <source>This app doesn&apos;t report where the caret is</source>
        <translation>Hindi sinasabi ng app na ito kung nasaan ang cursor</translation>
    </message>
    <message>
        <source>%app is turned off</source>
        <translation>Naka-off ang %app</translation>
    </message>
    <message>
        <source>Secure input is on, so %app stays out</source>
        <translation>Naka-on ang secure input, kaya hindi nakikialam ang %app</translation>
    </message>
    <message>
        <source>Press %1 for a suggestion</source>
        <translation>Pindutin ang %1 para sa mungkahi</translation>
    </message>
    <message>
        <source>Text is selected</source>
        <translation>May napiling text</translation>
    </message>
    <message>
        <source>The caret is inside existing text</source>
        <translation>Nasa loob ng kasalukuyang text ang cursor</translation>
    </message>
    <message>
        <source>This field is too small</source>
        <translation>Masyadong maliit ang field na ito</translation>
    </message>
    <message>
        <source>Waiting for a few characters</source>
        <translation>Naghihintay ng ilang character</translation>
    </message>
    <message>
        <source>Start of a new line</source>
        <translation>Simula ng bagong linya</translation>
    </message>
    <message>
        <source>The model is still downloading</source>
        <translation>Dina-download pa ang model</translation>
    </message>
    <message>
        <source>Download the %app model in Settings first</source>
        <translation>I-download muna ang %app model sa Mga Setting</translation>
    </message>
    <message>
        <source>Not checked yet</source>
        <translation>Hindi pa nasusuri</translation>
    </message>
    <message>
        <source>Checking…</source>
        <translation>Sinusuri…</translation>
    </message>
    <message>
        <source>The model stopped with error %1</source>
        <translation>Huminto ang model dahil sa error %1</translation>
    </message>
    <message>
        <source>The model file couldn&apos;t be loaded</source>
        <translation>Hindi ma-load ang model file</translation>
    </message>
    <message>
        <source>There wasn&apos;t enough memory to start the model</source>
        <translation>Kulang ang memory para simulan ang model</translation>
    </message>
    <message>
        <source>The text couldn&apos;t be prepared for the model</source>
        <translation>Hindi maihanda ang text para sa model</translation>
    </message>
    <message>
        <source>This computer needs %1 free for the download. Free up some space, then try again.</source>
        <translation>Kailangan ng computer na ito ng %1 na bakanteng espasyo para sa download. Magbakante ng espasyo, saka subukang muli.</translation>
    </message>
    <message>
        <source>The download didn&apos;t match the expected file, so it was deleted. Try again.</source>
        <translation>Hindi tumugma ang na-download sa inaasahang file, kaya binura ito. Subukang muli.</translation>
    </message>
    <message>
        <source>Downloaded</source>
        <translation>Na-download na</translation>
    </message>
    <message>
        <source>Downloading. Suggestions start once it&apos;s done.</source>
        <translation>Nagda-download. Magsisimula ang mga mungkahi kapag tapos na.</translation>
    </message>
    <message>
        <source>Checking the download.</source>
        <translation>Sinusuri ang na-download.</translation>
    </message>
    <message>
        <source>Checking the download. Suggestions start once it&apos;s done.</source>
        <translation>Sinusuri ang na-download. Magsisimula ang mga mungkahi kapag tapos na.</translation>
    </message>
    <message>
        <source>Download the model to start</source>
        <translation>I-download ang model para magsimula</translation>
    </message>
    <message>
        <source>Ollama is running but has no models</source>
        <translation>Tumatakbo ang Ollama pero wala itong model</translation>
    </message>
    <message>
        <source>Another app</source>
        <translation>Ibang app</translation>
    </message>
    <message>
        <source>There is no D-Bus session bus, so %1 cannot reach text fields.</source>
        <translation>Walang D-Bus session bus, kaya hindi maabot ng %1 ang mga text field.</translation>
    </message>
    <message>
        <source>The desktop&apos;s accessibility bus is not running, so %1 cannot reach text fields.</source>
        <translation>Hindi tumatakbo ang accessibility bus ng desktop, kaya hindi maabot ng %1 ang mga text field.</translation>
    </message>
    <message>
        <source>Short</source>
        <translation>Maikli</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Katamtaman</translation>
    </message>
    <message>
        <source>Long</source>
        <translation>Mahaba</translation>
    </message>
    <message>
        <source>Hide the suggestion</source>
        <translation>Itago ang mungkahi</translation>
    </message>
    <message>
        <source>Hide suggestions until I change fields</source>
        <translation>Itago ang mga mungkahi hanggang lumipat ako ng field</translation>
    </message>
    <message>
        <source>Do nothing, send Escape to the app</source>
        <translation>Walang gagawin, ipasa ang Esc sa app</translation>
    </message>
    <message>
        <source>Type it</source>
        <translation>Pag-type</translation>
    </message>
    <message>
        <source>Insert through Accessibility</source>
        <translation>Pagpasok gamit ang Accessibility</translation>
    </message>
    <message>
        <source>Paste it</source>
        <translation>Pag-paste</translation>
    </message>
    <message>
        <source>Grey</source>
        <translation>Kulay-abo</translation>
    </message>
    <message>
        <source>Gold tint</source>
        <translation>Gintong tint</translation>
    </message>
    <message>
        <source>%app model</source>
        <translation>%app model</translation>
    </message>
    <message>
        <source>Ollama</source>
        <translation>Ollama</translation>
    </message>
    <message>
        <source>Local server</source>
        <translation>Lokal na server</translation>
    </message>
    <message>
        <source>Runs on this computer after a one-time download. Works offline.</source>
        <translation>Tumatakbo sa computer na ito pagkatapos ng isang beses na pag-download. Gumagana offline.</translation>
    </message>
    <message>
        <source>Any model you run in Ollama, base models included.</source>
        <translation>Anumang model na pinapatakbo mo sa Ollama, kasama ang mga base model.</translation>
    </message>
    <message>
        <source>LM Studio, llama-server or any OpenAI-compatible endpoint.</source>
        <translation>LM Studio, llama-server o anumang endpoint na compatible sa OpenAI.</translation>
    </message>
    <message>
        <source>Sends the text as keystrokes. Works almost everywhere.</source>
        <translation>Ipinapadala ang text bilang mga keystroke. Gumagana halos kahit saan.</translation>
    </message>
    <message>
        <source>Uses the clipboard, then puts your clipboard back.</source>
        <translation>Ginagamit ang clipboard, saka ibinabalik ang laman ng clipboard mo.</translation>
    </message>
    <message>
        <source>Accessibility</source>
        <translation>Accessibility</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Pag-paste</translation>
    </message>
    <message>
        <source>Your writing memory could not be opened and was set aside. Nothing new is remembered until %app starts again.</source>
        <translation>Hindi mabuksan ang memorya ng pagsusulat mo kaya itinabi ito. Walang bagong maaalala hanggang magsimula muli ang %app.</translation>
    </message>
    <message>
        <source>Your writing memory could not be opened because its key could not be read from the keyring. Nothing new is remembered until %app starts again.</source>
        <translation>Hindi mabuksan ang memorya ng pagsusulat mo dahil hindi mabasa ang key nito mula sa keyring. Walang bagong maaalala hanggang magsimula muli ang %app.</translation>
    </message>
    <message>
        <source>Not Now</source>
        <translation>Hindi ngayon</translation>
    </message>
    <message>
        <source>Open the desktop&apos;s settings</source>
        <translation>Buksan ang mga setting ng desktop</translation>
    </message>
    <message>
        <source>Don&apos;t remind me again</source>
        <translation>Huwag na akong paalalahanan</translation>
    </message>
    <message>
        <source>Open Playground</source>
        <translation>Buksan ang practice field</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Mga Setting</translation>
    </message>
    <message>
        <source>Quit %app</source>
        <translation>Umalis sa %app</translation>
    </message>
    <message>
        <source>Needs Accessibility access</source>
        <translation>Kailangan ng Accessibility access</translation>
    </message>
    <message>
        <source>Paused until you resume</source>
        <translation>Naka-pause hanggang ituloy mo</translation>
    </message>
    <message>
        <source>Paused until %1</source>
        <translation>Naka-pause hanggang %1</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Naka-off</translation>
    </message>
    <message numerus="yes">
        <source>Paused while %1 are open</source>
        <translation>
            <numerusform>Naka-pause habang bukas ang %1</numerusform>
            <numerusform>Naka-pause habang bukas ang %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Grant Accessibility Access…</source>
        <translation>Magbigay ng Accessibility access…</translation>
    </message>
    <message numerus="yes">
        <source>Force Quit %1</source>
        <translation>
            <numerusform>Sapilitang isara ang %1</numerusform>
            <numerusform>Sapilitang isara ang %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Quit %1</source>
        <translation>
            <numerusform>Isara ang %1</numerusform>
            <numerusform>Isara ang %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>words saved today</source>
        <translation>
            <numerusform>salitang natipid ngayong araw</numerusform>
            <numerusform>salitang natipid ngayong araw</numerusform>
        </translation>
    </message>
    <message>
        <source>Start typing anywhere. %app keeps count here.</source>
        <translation>Magsimulang mag-type kahit saan. Binibilang ito ng %app dito.</translation>
    </message>
    <message>
        <source>Resume in %1</source>
        <translation>Ituloy sa %1</translation>
    </message>
    <message>
        <source>Pause in %1</source>
        <translation>I-pause sa %1</translation>
    </message>
    <message>
        <source>Resume Everywhere</source>
        <translation>Ituloy saanman</translation>
    </message>
    <message>
        <source>Pause Everywhere</source>
        <translation>I-pause saanman</translation>
    </message>
    <message>
        <source>For 15 Minutes</source>
        <translation>Sa loob ng 15 minuto</translation>
    </message>
    <message>
        <source>For 1 Hour</source>
        <translation>Sa loob ng 1 oras</translation>
    </message>
    <message>
        <source>For 4 Hours</source>
        <translation>Sa loob ng 4 na oras</translation>
    </message>
    <message>
        <source>Until I Resume</source>
        <translation>Hanggang ituloy ko</translation>
    </message>
    <message>
        <source>Example: after typing %1, %2 suggests %3</source>
        <translation>Halimbawa: pagkatapos i-type ang “%1”, imumungkahi ng %2 ang “%3”</translation>
    </message>
    <message>
        <source>takes the next word</source>
        <translation>kinukuha ang susunod na salita</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>I-download</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Kanselahin</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 sa %2</translation>
    </message>
    <message>
        <source>%1 of %2. You can keep writing while it downloads.</source>
        <translation>%1 sa %2. Puwede kang magpatuloy sa pagsusulat habang nagda-download.</translation>
    </message>
    <message>
        <source>Checking the download</source>
        <translation>Sinusuri ang na-download</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Subukang muli</translation>
    </message>
    <message>
        <source>Remove…</source>
        <translation>Alisin…</translation>
    </message>
    <message>
        <source>%1 license</source>
        <translation>Lisensya ng %1</translation>
    </message>
    <message>
        <source>Remove the %app model?</source>
        <translation>Alisin ang %app model?</translation>
    </message>
    <message>
        <source>Model download</source>
        <translation>Pag-download ng model</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Alisin</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Magpatuloy</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Mamaya</translation>
    </message>
    <message>
        <source>Start Writing</source>
        <translation>Magsimulang magsulat</translation>
    </message>
    <message>
        <source>Finish your sentences in any app.</source>
        <translation>Tinatapos ang mga pangungusap mo sa anumang app.</translation>
    </message>
    <message>
        <source>%app reads the words before your caret and suggests what comes next in grey. Press Tab to take one word, or the key above Tab to take the rest. If you don&apos;t want it, keep typing.</source>
        <translation>Binabasa ng %app ang mga salita bago ang cursor at imumungkahi nang kulay-abo ang susunod. Pindutin ang Tab para kunin ang isang salita, o ang key sa itaas ng Tab para kunin ang natitira. Kung ayaw mo, ituloy lang ang pag-type.</translation>
    </message>
    <message>
        <source>Sees what you see</source>
        <translation>Nakikita ang nakikita mo</translation>
    </message>
    <message>
        <source>Private</source>
        <translation>Pribado</translation>
    </message>
    <message>
        <source>It reads the window you&apos;re typing in, like the chat you&apos;re answering, so suggestions fit. None of it goes online, to us or any server. It stays private on your computer.</source>
        <translation>Binabasa nito ang window kung saan ka nagta-type, gaya ng chat na sinasagot mo, para tumugma ang mga mungkahi. Walang napupunta online, sa amin man o sa anumang server. Nananatili itong pribado sa computer mo.</translation>
    </message>
    <message>
        <source>Accessibility is on</source>
        <translation>Naka-on ang Accessibility</translation>
    </message>
    <message>
        <source>%app can now read the field you&apos;re writing in and type suggestions for you.</source>
        <translation>Mababasa na ng %app ang field kung saan ka nagsusulat at mai-type ang mga mungkahi para sa iyo.</translation>
    </message>
    <message>
        <source>Let %app see what you type.</source>
        <translation>Hayaang makita ng %app ang tina-type mo.</translation>
    </message>
    <message>
        <source>%app reads your text when you pause and forgets it after one suggestion, unless you turn on writing memory.</source>
        <translation>Binabasa ng %app ang text mo kapag huminto ka at kinakalimutan ito pagkatapos ng isang mungkahi, maliban kung i-on mo ang memorya ng pagsusulat.</translation>
    </message>
    <message>
        <source>%app skips password fields and anything else the system marks as secure.</source>
        <translation>Nilalaktawan ng %app ang mga password field at anumang iba pang minarkahan ng system bilang secure.</translation>
    </message>
    <message>
        <source>Open Accessibility Settings</source>
        <translation>Buksan ang mga setting ng Accessibility</translation>
    </message>
    <message>
        <source>Pick what writes your suggestions.</source>
        <translation>Piliin ang engine na gagawa ng mga mungkahi mo.</translation>
    </message>
    <message>
        <source>You can change this any time in Settings.</source>
        <translation>Puwede mo itong baguhin anumang oras sa Mga Setting.</translation>
    </message>
    <message>
        <source>Give it a try.</source>
        <translation>Subukan mo.</translation>
    </message>
    <message>
        <source>Start typing a sentence. When grey words appear, press Tab for one word or the key above Tab for all of them.</source>
        <translation>Magsimulang mag-type ng pangungusap. Kapag lumabas ang mga kulay-abong salita, pindutin ang Tab para sa isang salita o ang key sa itaas ng Tab para sa lahat.</translation>
    </message>
    <message>
        <source>Hi Orlenn, thanks for the quick reply. I think we should</source>
        <translation>Hi Orlenn, salamat sa mabilis na sagot. Sa tingin ko dapat nating</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Bumalik</translation>
    </message>
    <message>
        <source>Practice field</source>
        <translation>Practice field</translation>
    </message>
    <message>
        <source>Default, on</source>
        <translation>Default, naka-on</translation>
    </message>
    <message>
        <source>Default, off</source>
        <translation>Default, naka-off</translation>
    </message>
    <message>
        <source>Add a website</source>
        <translation>Magdagdag ng website</translation>
    </message>
    <message>
        <source>Domain</source>
        <translation>Domain</translation>
    </message>
    <message>
        <source>Rules for a site apply in any browser %app can read.</source>
        <translation>Nalalapat ang mga patakaran para sa isang site sa anumang browser na nababasa ng %app.</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Idagdag</translation>
    </message>
    <message>
        <source>Add App…</source>
        <translation>Magdagdag ng app…</translation>
    </message>
    <message>
        <source>Add an app</source>
        <translation>Magdagdag ng app</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Maghanap</translation>
    </message>
    <message>
        <source>Clear search</source>
        <translation>I-clear ang paghahanap</translation>
    </message>
    <message>
        <source>Add an app or website</source>
        <translation>Magdagdag ng app o website</translation>
    </message>
    <message>
        <source>Add Website…</source>
        <translation>Magdagdag ng website…</translation>
    </message>
    <message>
        <source>Apps &amp; Sites</source>
        <translation>Mga App at Site</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Naka-pause</translation>
    </message>
    <message>
        <source>Apps</source>
        <translation>Mga App</translation>
    </message>
    <message>
        <source>Websites</source>
        <translation>Mga Website</translation>
    </message>
    <message>
        <source>No matches</source>
        <translation>Walang tugma</translation>
    </message>
    <message>
        <source>No apps yet</source>
        <translation>Wala pang app</translation>
    </message>
    <message>
        <source>Nothing matches “%1”.</source>
        <translation>Walang tumutugma sa “%1”.</translation>
    </message>
    <message>
        <source>Apps appear here once you accept a suggestion in them, or add one with +.</source>
        <translation>Lalabas dito ang mga app kapag tumanggap ka ng mungkahi sa mga ito, o magdagdag ng isa gamit ang +.</translation>
    </message>
    <message>
        <source>Pick an app or site</source>
        <translation>Pumili ng app o site</translation>
    </message>
    <message>
        <source>Each one can have its own rules. Anything you don&apos;t change follows General.</source>
        <translation>Puwedeng may sariling patakaran ang bawat isa. Ang anumang hindi mo binago ay sumusunod sa Pangkalahatan.</translation>
    </message>
    <message>
        <source>Words saved here</source>
        <translation>Salitang natipid dito</translation>
    </message>
    <message>
        <source>Suggestions</source>
        <translation>Mga mungkahi</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Naka-on</translation>
    </message>
    <message>
        <source>Tab accepts suggestions</source>
        <translation>Tinatanggap ng Tab ang mga mungkahi</translation>
    </message>
    <message>
        <source>Turn off where Tab already means something, like indenting. The other accept key still works.</source>
        <translation>I-off kung saan may ibang gamit na ang Tab, gaya ng pag-indent. Gumagana pa rin ang isa pang accept key.</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Default</translation>
    </message>
    <message>
        <source>Insert by</source>
        <translation>Paraan ng pagpasok</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Haba</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Ituloy</translation>
    </message>
    <message>
        <source>Pause here</source>
        <translation>I-pause dito</translation>
    </message>
    <message>
        <source>Memory</source>
        <translation>Memorya</translation>
    </message>
    <message>
        <source>Remember my writing here</source>
        <translation>Tandaan kung paano ako sumulat dito</translation>
    </message>
    <message>
        <source>Writing memory is off in Your Voice.</source>
        <translation>Naka-off ang memorya ng pagsusulat sa “Ang Istilo Mo”.</translation>
    </message>
    <message>
        <source>Erase…</source>
        <translation>Burahin…</translation>
    </message>
    <message>
        <source>Reset to Defaults</source>
        <translation>I-reset sa mga default</translation>
    </message>
    <message>
        <source>Erase what %app remembered from %1?</source>
        <translation>Burahin ang naalala ng %app mula sa %1?</translation>
    </message>
    <message>
        <source>Erase</source>
        <translation>Burahin</translation>
    </message>
    <message>
        <source>Passages from this app can shape suggestions everywhere.</source>
        <translation>Puwedeng hubugin ng mga sipi mula sa app na ito ang mga mungkahi saanman.</translation>
    </message>
    <message>
        <source>Finish setting up</source>
        <translation>Tapusin ang pag-set up</translation>
    </message>
    <message>
        <source>Setup progress</source>
        <translation>Progreso ng pag-set up</translation>
    </message>
    <message>
        <source>Done: %1</source>
        <translation>Tapos: %1</translation>
    </message>
    <message>
        <source>Best day yet!</source>
        <translation>Pinakamagandang araw mo!</translation>
    </message>
    <message>
        <source>Try it here</source>
        <translation>Subukan dito</translation>
    </message>
    <message>
        <source>Thanks for sending the draft over. I had a look and</source>
        <translation>Salamat sa pagpapadala ng draft. Tiningnan ko ito at</translation>
    </message>
    <message>
        <source>next word</source>
        <translation>susunod na salita</translation>
    </message>
    <message>
        <source>whole suggestion</source>
        <translation>buong mungkahi</translation>
    </message>
    <message>
        <source>hide it</source>
        <translation>itago ito</translation>
    </message>
    <message>
        <source>This field runs the real engine. Start typing and grey words show up as you go.</source>
        <translation>Ginagamit ng field na ito ang totoong engine. Magsimulang mag-type at lalabas ang mga kulay-abong salita habang nagta-type ka.</translation>
    </message>
    <message>
        <source>This field runs the real engine, even before you allow Accessibility. Start typing and grey words show up as you go.</source>
        <translation>Ginagamit ng field na ito ang totoong engine, kahit bago mo payagan ang Accessibility. Magsimulang mag-type at lalabas ang mga kulay-abong salita habang nagta-type ka.</translation>
    </message>
    <message>
        <source>You&apos;re all set</source>
        <translation>Handa ka na</translation>
    </message>
    <message>
        <source>Accessibility is on and %1 is ready. %app works in every app you type in.</source>
        <translation>Naka-on ang Accessibility at handa na ang %1. Gumagana ang %app sa bawat app kung saan ka nagta-type.</translation>
    </message>
    <message>
        <source>Waiting for %1 to quit</source>
        <translation>Hinihintay na magsara ang %1</translation>
    </message>
    <message>
        <source>Turned off</source>
        <translation>Naka-off</translation>
    </message>
    <message>
        <source>Paused everywhere</source>
        <translation>Naka-pause saanman</translation>
    </message>
    <message>
        <source>%1, %2 typical wait</source>
        <translation>%1, karaniwang paghihintay %2</translation>
    </message>
    <message>
        <source>Start your streak today.</source>
        <translation>Simulan ang streak mo ngayon.</translation>
    </message>
    <message>
        <source>Overview</source>
        <translation>Pangkalahatang-ideya</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Pangkalahatan</translation>
    </message>
    <message>
        <source>Engine</source>
        <translation>Engine</translation>
    </message>
    <message>
        <source>Context</source>
        <translation>Konteksto</translation>
    </message>
    <message>
        <source>Your Voice</source>
        <translation>Ang Istilo Mo</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Mga Key</translation>
    </message>
    <message>
        <source>Emoji</source>
        <translation>Emoji</translation>
    </message>
    <message>
        <source>Battery</source>
        <translation>Baterya</translation>
    </message>
    <message>
        <source>Insights</source>
        <translation>Mga Istatistika</translation>
    </message>
    <message>
        <source>Field Inspector</source>
        <translation>Field Inspector</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Tungkol dito</translation>
    </message>
    <message>
        <source>How %app is doing today</source>
        <translation>Kumusta ang %app ngayong araw</translation>
    </message>
    <message>
        <source>Where and how suggestions appear</source>
        <translation>Saan at paano lumalabas ang mga mungkahi</translation>
    </message>
    <message>
        <source>The model that writes your suggestions</source>
        <translation>Ang model na gumagawa ng mga mungkahi mo</translation>
    </message>
    <message>
        <source>What %app may look at to guess better</source>
        <translation>Ano ang puwedeng tingnan ng %app para mas mahusay manghula</translation>
    </message>
    <message>
        <source>Help suggestions sound like you</source>
        <translation>Gawing parang ikaw ang mga mungkahi</translation>
    </message>
    <message>
        <source>Accept, dismiss and summon suggestions</source>
        <translation>Tanggapin, i-dismiss at tawagin ang mga mungkahi</translation>
    </message>
    <message>
        <source>Emoji search and emoticons</source>
        <translation>Paghahanap ng emoji at mga emoticon</translation>
    </message>
    <message>
        <source>Rules for each app and website</source>
        <translation>Mga patakaran para sa bawat app at website</translation>
    </message>
    <message>
        <source>Save power when you&apos;re unplugged</source>
        <translation>Magtipid ng power kapag naka-unplug</translation>
    </message>
    <message>
        <source>Words saved and how fast suggestions arrive</source>
        <translation>Mga salitang natipid at gaano kabilis dumating ang mga mungkahi</translation>
    </message>
    <message>
        <source>What %app sees in the focused field</source>
        <translation>Ano ang nakikita ng %app sa naka-focus na field</translation>
    </message>
    <message>
        <source>Version and privacy</source>
        <translation>Bersyon at privacy</translation>
    </message>
    <message>
        <source>Writing</source>
        <translation>Pagsusulat</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Input</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Mga Patakaran</translation>
    </message>
    <message>
        <source>Activity</source>
        <translation>Aktibidad</translation>
    </message>
    <message>
        <source>%app can read the field you&apos;re typing in and insert suggestions in any app.</source>
        <translation>Mababasa ng %app ang field kung saan ka nagta-type at makakapagpasok ng mga mungkahi sa anumang app.</translation>
    </message>
    <message>
        <source>Allow Accessibility access</source>
        <translation>Payagan ang Accessibility access</translation>
    </message>
    <message>
        <source>%app needs it to read the text you type in other apps and to insert suggestions.</source>
        <translation>Kailangan ito ng %app para mabasa ang text na tina-type mo sa ibang app at para makapagpasok ng mga mungkahi.</translation>
    </message>
    <message>
        <source>Allow…</source>
        <translation>Payagan…</translation>
    </message>
    <message>
        <source>%1 is ready</source>
        <translation>Handa na ang %1</translation>
    </message>
    <message>
        <source>Checking %1</source>
        <translation>Sinusuri ang %1</translation>
    </message>
    <message>
        <source>This takes a moment.</source>
        <translation>Sandali lang ito.</translation>
    </message>
    <message>
        <source>Your engine isn&apos;t ready</source>
        <translation>Hindi pa handa ang engine mo</translation>
    </message>
    <message>
        <source>Open Engine</source>
        <translation>Buksan ang mga setting ng engine</translation>
    </message>
    <message>
        <source>The system&apos;s predictions are off</source>
        <translation>Naka-off ang mga prediksyon ng system</translation>
    </message>
    <message>
        <source>Only %app&apos;s suggestions appear while you type.</source>
        <translation>Mga mungkahi lang ng %app ang lumalabas habang nagta-type ka.</translation>
    </message>
    <message>
        <source>Turn off the system&apos;s predictions</source>
        <translation>I-off ang mga prediksyon ng system</translation>
    </message>
    <message>
        <source>The system shows its own grey suggestions on top of %app&apos;s. Each app picks up the change the next time you open it.</source>
        <translation>Ipinapakita ng system ang sarili nitong kulay-abong mungkahi sa ibabaw ng sa %app. Makukuha ng bawat app ang pagbabago sa susunod na buksan mo ito.</translation>
    </message>
    <message>
        <source>Keyboard Settings</source>
        <translation>Mga setting ng keyboard</translation>
    </message>
    <message>
        <source>Turn Off</source>
        <translation>I-off</translation>
    </message>
    <message>
        <source>Only %app is suggesting</source>
        <translation>%app lang ang nagmumungkahi</translation>
    </message>
    <message>
        <source>Tab reaches %app again.</source>
        <translation>Napupunta na ulit sa %app ang Tab.</translation>
    </message>
    <message numerus="yes">
        <source>%1 didn&apos;t quit. They may be showing a dialog. Force Quit closes them right away.</source>
        <translation>
            <numerusform>Hindi nagsara ang %1. Baka may ipinapakitang dialog ito. Isinasara ito agad ng “Sapilitang isara”.</numerusform>
            <numerusform>Hindi nagsara ang %1. Baka may ipinapakitang dialog ang mga ito. Isinasara agad ng “Sapilitang isara” ang mga ito.</numerusform>
        </translation>
    </message>
    <message>
        <source>Force Quit</source>
        <translation>Sapilitang isara</translation>
    </message>
    <message numerus="yes">
        <source>%1 take the Tab key before %app can, so %app stays paused in your other apps until you quit them.</source>
        <translation>
            <numerusform>Kinukuha ng %1 ang Tab key bago ang %app, kaya mananatiling naka-pause ang %app sa iba mo pang app hanggang isara mo ito.</numerusform>
            <numerusform>Kinukuha ng %1 ang Tab key bago ang %app, kaya mananatiling naka-pause ang %app sa iba mo pang app hanggang isara mo ang mga ito.</numerusform>
        </translation>
    </message>
    <message>
        <source>Only when I ask</source>
        <translation>Kapag hiniling ko lang</translation>
    </message>
    <message>
        <source>On battery, suggestions appear only after you press the Suggest Now shortcut.</source>
        <translation>Kapag naka-baterya, lalabas lang ang mga mungkahi pagkatapos mong pindutin ang shortcut na “Magmungkahi ngayon”.</translation>
    </message>
    <message>
        <source>Shorter suggestions</source>
        <translation>Mas maiikling mungkahi</translation>
    </message>
    <message>
        <source>Fewer words take less power to write.</source>
        <translation>Mas kaunting salita, mas kaunting power ang kailangan.</translation>
    </message>
    <message>
        <source>Lighter model</source>
        <translation>Mas magaang model</translation>
    </message>
    <message>
        <source>Same as plugged in</source>
        <translation>Katulad noong naka-plug in</translation>
    </message>
    <message>
        <source>Running on battery. These apply right now.</source>
        <translation>Naka-baterya. Nalalapat ang mga ito ngayon.</translation>
    </message>
    <message>
        <source>Plugged in. These wait until you unplug.</source>
        <translation>Naka-plug in. Maghihintay ang mga ito hanggang mag-unplug ka.</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Model</translation>
    </message>
    <message>
        <source>Model name</source>
        <translation>Pangalan ng model</translation>
    </message>
    <message>
        <source>Reload the model list</source>
        <translation>I-refresh ang listahan ng model</translation>
    </message>
    <message>
        <source>Choose a model</source>
        <translation>Pumili ng model</translation>
    </message>
    <message>
        <source>For people who already run Ollama, LM Studio or llama-server.</source>
        <translation>Para sa mga nagpapatakbo na ng Ollama, LM Studio o llama-server.</translation>
    </message>
    <message>
        <source>Use your own model</source>
        <translation>Gamitin ang sarili mong model</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Address</translation>
    </message>
    <message>
        <source>API key</source>
        <translation>API key</translation>
    </message>
    <message>
        <source>Only if your server asks for one</source>
        <translation>Kung hihingi lang ang server mo</translation>
    </message>
    <message>
        <source>Focused</source>
        <translation>Nakatutok</translation>
    </message>
    <message>
        <source>Creativity</source>
        <translation>Pagkamalikhain</translation>
    </message>
    <message>
        <source>Loose</source>
        <translation>Maluwag</translation>
    </message>
    <message>
        <source>Lower stays close to the obvious next words. Higher tries more.</source>
        <translation>Ang mas mababa ay nananatili malapit sa halatang susunod na salita. Mas marami ang sinusubukan ng mas mataas.</translation>
    </message>
    <message>
        <source>Wait before suggesting</source>
        <translation>Maghintay bago magmungkahi</translation>
    </message>
    <message>
        <source>How long you pause before %app starts.</source>
        <translation>Gaano katagal kang hihinto bago magsimula ang %app.</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Patakbuhin</translation>
    </message>
    <message>
        <source>Try the engine</source>
        <translation>Subukan ang engine</translation>
    </message>
    <message>
        <source>Sends a sample sentence and shows what comes back.</source>
        <translation>Nagpapadala ng halimbawang pangungusap at ipinapakita ang sagot.</translation>
    </message>
    <message>
        <source>Running…</source>
        <translation>Tumatakbo…</translation>
    </message>
    <message>
        <source>The engine answered in %1 but had nothing useful to add.</source>
        <translation>Sumagot ang engine sa loob ng %1 pero walang kapaki-pakinabang na maidagdag.</translation>
    </message>
    <message>
        <source>That didn&apos;t work: %1</source>
        <translation>Hindi iyon gumana: %1</translation>
    </message>
    <message>
        <source>The request was cancelled.</source>
        <translation>Kinansela ang request.</translation>
    </message>
    <message>
        <source>Startup</source>
        <translation>Startup</translation>
    </message>
    <message>
        <source>Launch at login</source>
        <translation>Ilunsad sa pag-log in</translation>
    </message>
    <message>
        <source>Show today&apos;s word count next to the icon</source>
        <translation>Ipakita ang bilang ng salita ngayong araw sa tabi ng icon</translation>
    </message>
    <message>
        <source>Where suggestions appear</source>
        <translation>Saan lumalabas ang mga mungkahi</translation>
    </message>
    <message>
        <source>Turn this off to use %app only in the apps you switch on under Apps &amp; Sites.</source>
        <translation>I-off ito para gamitin ang %app sa mga app lang na ino-on mo sa Mga App at Site.</translation>
    </message>
    <message>
        <source>By default %app waits until the caret is at the end of a line.</source>
        <translation>Bilang default, naghihintay ang %app hanggang nasa dulo ng linya ang cursor.</translation>
    </message>
    <message>
        <source>Without this, %app skips search bars and one-word boxes.</source>
        <translation>Kung wala ito, nilalaktawan ng %app ang mga search bar at mga kahong pang-isang salita.</translation>
    </message>
    <message>
        <source>Suggestions appear only after you press the Suggest Now shortcut.</source>
        <translation>Lalabas lang ang mga mungkahi pagkatapos mong pindutin ang shortcut na “Magmungkahi ngayon”.</translation>
    </message>
    <message>
        <source>Spelling</source>
        <translation>Pagbaybay</translation>
    </message>
    <message>
        <source>Waits while the word you&apos;re typing looks misspelled, so %app doesn&apos;t build on a typo.</source>
        <translation>Naghihintay habang mukhang mali ang baybay ng salitang tina-type mo, para hindi magpatong ang %app sa typo.</translation>
    </message>
    <message>
        <source>After a misspelled word, shows a fix next to the caret. Press Tab to swap it in.</source>
        <translation>Pagkatapos ng maling baybay na salita, nagpapakita ng pagwawasto sa tabi ng cursor. Pindutin ang Tab para ipalit ito.</translation>
    </message>
    <message>
        <source>Look</source>
        <translation>Hitsura</translation>
    </message>
    <message>
        <source>Suggestion color</source>
        <translation>Kulay ng mungkahi</translation>
    </message>
    <message>
        <source>Text size</source>
        <translation>Laki ng text</translation>
    </message>
    <message>
        <source>Fine-tune if suggestions look larger or smaller than your text.</source>
        <translation>I-fine-tune kung mukhang mas malaki o mas maliit ang mga mungkahi kaysa sa text mo.</translation>
    </message>
    <message>
        <source>Vertical position</source>
        <translation>Patayong posisyon</translation>
    </message>
    <message>
        <source>Nudge suggestions up or down to line up with your text.</source>
        <translation>Iusog pataas o pababa ang mga mungkahi para pumantay sa text mo.</translation>
    </message>
    <message>
        <source>A small keycap after your first suggestions, as a reminder of what to press.</source>
        <translation>Maliit na keycap pagkatapos ng mga unang mungkahi mo, bilang paalala kung ano ang pipindutin.</translation>
    </message>
    <message>
        <source>Insert suggestions by</source>
        <translation>Paraan ng pagpasok ng mga mungkahi</translation>
    </message>
    <message>
        <source>Other autocomplete apps</source>
        <translation>Ibang autocomplete app</translation>
    </message>
    <message>
        <source>They take the Tab key before %app can. With this off, %app asks you first.</source>
        <translation>Kinukuha nila ang Tab key bago ang %app. Kapag naka-off ito, tatanungin ka muna ng %app.</translation>
    </message>
    <message>
        <source>%1 is another device on your network, so the text around your caret will be sent there.</source>
        <translation>Ibang device sa network mo ang %1, kaya ipapadala roon ang text sa paligid ng cursor mo.</translation>
    </message>
    <message>
        <source>%1 isn&apos;t this computer, so the text around your caret will be sent there.</source>
        <translation>Hindi ang computer na ito ang %1, kaya ipapadala roon ang text sa paligid ng cursor mo.</translation>
    </message>
    <message>
        <source>Both keep your text on this computer.</source>
        <translation>Parehong pinapanatili ang text mo sa computer na ito.</translation>
    </message>
    <message>
        <source>%app opens by itself when you start your computer.</source>
        <translation>Kusang bumubukas ang %app kapag sinimulan mo ang computer.</translation>
    </message>
    <message>
        <source>System predictions</source>
        <translation>Mga prediksyon ng system</translation>
    </message>
    <message>
        <source>The system can show its own grey predictions. Keeping them off avoids two suggestions at once.</source>
        <translation>Puwedeng magpakita ang system ng sarili nitong kulay-abong prediksyon. Kapag naka-off ang mga ito, walang dalawang mungkahi nang sabay.</translation>
    </message>
    <message>
        <source>System predictions are on</source>
        <translation>Naka-on ang mga prediksyon ng system</translation>
    </message>
    <message>
        <source>System predictions are off</source>
        <translation>Naka-off ang mga prediksyon ng system</translation>
    </message>
    <message>
        <source>tab</source>
        <translation>tab</translation>
    </message>
    <message>
        <source>Your next words, one Tab away.</source>
        <translation>Ang mga susunod mong salita, isang Tab lang ang layo.</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Laktawan</translation>
    </message>
    <message>
        <source>Get Started</source>
        <translation>Magsimula</translation>
    </message>
    <message>
        <source>Turn sound on</source>
        <translation>I-on ang tunog</translation>
    </message>
    <message>
        <source>Turn sound off</source>
        <translation>I-off ang tunog</translation>
    </message>
    <message>
        <source>The other app</source>
        <translation>Ang ibang app</translation>
    </message>
    <message numerus="yes">
        <source>Next time, quit %1 without asking</source>
        <translation>
            <numerusform>Sa susunod, isara ang %1 nang hindi nagtatanong</numerusform>
            <numerusform>Sa susunod, isara ang %1 nang hindi nagtatanong</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 is also running</source>
        <translation>
            <numerusform>Tumatakbo rin ang %1</numerusform>
            <numerusform>Tumatakbo rin ang %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Quitting…</source>
        <translation>Isinasara…</translation>
    </message>
    <message numerus="yes">
        <source>%1 is still open</source>
        <translation>
            <numerusform>Bukas pa rin ang %1</numerusform>
            <numerusform>Bukas pa rin ang %1</numerusform>
        </translation>
    </message>
    <message>
        <source>%app has the Tab key</source>
        <translation>Nasa %app na ang Tab key</translation>
    </message>
    <message>
        <source>%1 quit, so your suggestions are back in every app.</source>
        <translation>Nagsara ang %1, kaya bumalik na ang mga mungkahi mo sa bawat app.</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Tapos</translation>
    </message>
    <message>
        <source>Open Source Notices</source>
        <translation>Mga lisensya ng open source</translation>
    </message>
    <message>
        <source>Reset all settings?</source>
        <translation>I-reset ang lahat ng setting?</translation>
    </message>
    <message>
        <source>This also clears your rules for apps and sites. Your statistics and writing memory stay.</source>
        <translation>Nabubura rin nito ang mga patakaran mo para sa mga app at site. Mananatili ang mga istatistika at memorya ng pagsusulat mo.</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>I-reset</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Bersyon %1</translation>
    </message>
    <message>
        <source>Some apps hide their text</source>
        <translation>Itinatago ng ilang app ang text nila</translation>
    </message>
    <message>
        <source>Suggest emoji after a colon</source>
        <translation>Magmungkahi ng emoji pagkatapos ng colon</translation>
    </message>
    <message>
        <source>Turn emoticons into emoji</source>
        <translation>Gawing emoji ang mga emoticon</translation>
    </message>
    <message>
        <source>After :-) or &lt;3, %app offers the matching emoji. Press Tab to swap it in.</source>
        <translation>Pagkatapos ng :-) o &lt;3, iaalok ng %app ang katugmang emoji. Pindutin ang Tab para ipalit ito.</translation>
    </message>
    <message>
        <source>Skin tone</source>
        <translation>Kulay ng balat</translation>
    </message>
    <message>
        <source>Also show the default yellow</source>
        <translation>Ipakita rin ang default na dilaw</translation>
    </message>
    <message>
        <source>Try a word</source>
        <translation>Sumubok ng salita</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Magaan</translation>
    </message>
    <message>
        <source>No emoji match “%1”</source>
        <translation>Walang emoji na tumutugma sa “%1”</translation>
    </message>
    <message>
        <source>Accepting</source>
        <translation>Pagtanggap</translation>
    </message>
    <message>
        <source>Take the next word</source>
        <translation>Kunin ang susunod na salita</translation>
    </message>
    <message>
        <source>Press again for each following word.</source>
        <translation>Pindutin ulit para sa bawat kasunod na salita.</translation>
    </message>
    <message>
        <source>Take the whole suggestion</source>
        <translation>Kunin ang buong mungkahi</translation>
    </message>
    <message>
        <source>The key above Tab is easy to reach on most keyboards.</source>
        <translation>Madaling abutin ang key sa itaas ng Tab sa karamihan ng keyboard.</translation>
    </message>
    <message>
        <source>Include the space after a word</source>
        <translation>Isama ang space pagkatapos ng salita</translation>
    </message>
    <message>
        <source>Include punctuation right after a word</source>
        <translation>Isama ang bantas na kasunod mismo ng salita</translation>
    </message>
    <message>
        <source>When you press Escape</source>
        <translation>Kapag pinindot mo ang Esc</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Mga Shortcut</translation>
    </message>
    <message>
        <source>Suggest now</source>
        <translation>Magmungkahi ngayon</translation>
    </message>
    <message>
        <source>Asks for a suggestion right away, even where %app would normally wait.</source>
        <translation>Humihingi agad ng mungkahi, kahit saan karaniwang maghihintay ang %app.</translation>
    </message>
    <message>
        <source>Other suggestions</source>
        <translation>Ibang mungkahi</translation>
    </message>
    <message>
        <source>Lists a few different ways to continue. Choose with the arrow keys, then press Tab.</source>
        <translation>Naglilista ng ilang ibang paraan ng pagpapatuloy. Pumili gamit ang arrow key, saka pindutin ang Tab.</translation>
    </message>
    <message>
        <source>Pause or resume in this app</source>
        <translation>I-pause o ituloy sa app na ito</translation>
    </message>
    <message>
        <source>Pauses for 15 minutes.</source>
        <translation>Nagpa-pause nang 15 minuto.</translation>
    </message>
    <message>
        <source>Turn %app on or off</source>
        <translation>I-on o i-off ang %app</translation>
    </message>
    <message>
        <source>Everywhere, until you press it again.</source>
        <translation>Saanman, hanggang pindutin mo ito ulit.</translation>
    </message>
    <message>
        <source>Pause or resume</source>
        <translation>I-pause o ituloy</translation>
    </message>
    <message>
        <source>Turn on or off</source>
        <translation>I-on o i-off</translation>
    </message>
    <message>
        <source>%1 and %2 use the same keys. Only the first will work.</source>
        <translation>Parehong key ang gamit ng %1 at %2. Ang una lang ang gagana.</translation>
    </message>
    <message>
        <source>About you</source>
        <translation>Tungkol sa iyo</translation>
    </message>
    <message>
        <source>For example: I&apos;m a product designer in Berlin. I write short, friendly emails in British English and sign off with Cheers.</source>
        <translation>Halimbawa: Product designer ako sa Berlin. Sumusulat ako ng maiikli at magiliw na email sa British English at nagtatapos sa Cheers.</translation>
    </message>
    <message>
        <source>Your role, the languages you write in, names you use often, how you like to sound.</source>
        <translation>Ang papel mo, mga wikang sinusulatan mo, mga pangalang madalas mong gamitin, kung paano mo gustong tumunog.</translation>
    </message>
    <message>
        <source>Writing memory</source>
        <translation>Memorya ng pagsusulat</translation>
    </message>
    <message>
        <source>Remember how I write</source>
        <translation>Tandaan kung paano ako sumulat</translation>
    </message>
    <message>
        <source>Also remember fields where I accept nothing</source>
        <translation>Tandaan din ang mga field kung saan wala akong tinatanggap</translation>
    </message>
    <message>
        <source>%app learns your style sooner but keeps more of what you type.</source>
        <translation>Mas mabilis matututunan ng %app ang istilo mo pero mas marami itong itatabi sa mga tina-type mo.</translation>
    </message>
    <message>
        <source>Influence</source>
        <translation>Impluwensya</translation>
    </message>
    <message>
        <source>Strong</source>
        <translation>Malakas</translation>
    </message>
    <message>
        <source>How many of your passages each suggestion can draw on.</source>
        <translation>Ilan sa mga sipi mo ang puwedeng pagbatayan ng bawat mungkahi.</translation>
    </message>
    <message>
        <source>Erase All…</source>
        <translation>Burahin lahat…</translation>
    </message>
    <message>
        <source>Erase everything %app remembered?</source>
        <translation>Burahin ang lahat ng naalala ng %app?</translation>
    </message>
    <message>
        <source>This can&apos;t be undone.</source>
        <translation>Hindi na ito maa-undo.</translation>
    </message>
    <message>
        <source>Erase All</source>
        <translation>Burahin lahat</translation>
    </message>
    <message>
        <source>Nothing remembered yet</source>
        <translation>Wala pang naaalala</translation>
    </message>
    <message>
        <source>App and window name</source>
        <translation>Pangalan ng app at window</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>Website</translation>
    </message>
    <message>
        <source>The site&apos;s domain when you write in a browser.</source>
        <translation>Ang domain ng site kapag sumusulat ka sa browser.</translation>
    </message>
    <message>
        <source>Recently copied text</source>
        <translation>Kamakailang kinopyang text</translation>
    </message>
    <message>
        <source>Anything you copied in the last 10 minutes. Copies from password managers are skipped.</source>
        <translation>Anumang kinopya mo sa nakaraang 10 minuto. Nilalaktawan ang mga kopya mula sa password manager.</translation>
    </message>
    <message>
        <source>Text on screen</source>
        <translation>Text sa screen</translation>
    </message>
    <message>
        <source>Reads the window you&apos;re writing in, so replies fit the conversation. It picks the lines closest to where you type.</source>
        <translation>Binabasa ang window kung saan ka sumusulat, para tumugma ang mga sagot sa usapan. Pinipili nito ang mga linyang pinakamalapit sa kung saan ka nagta-type.</translation>
    </message>
    <message>
        <source>What you just looked at</source>
        <translation>Ang katitingin mo lang</translation>
    </message>
    <message>
        <source>Windows beside you</source>
        <translation>Mga window sa tabi mo</translation>
    </message>
    <message>
        <source>Also reads up to two other windows on the same screen, like the document you&apos;re replying about. Skips password managers and apps you switched off.</source>
        <translation>Nagbabasa rin ng hanggang dalawa pang window sa parehong screen, gaya ng dokumentong sinasagot mo. Nilalaktawan ang mga password manager at mga app na in-off mo.</translation>
    </message>
    <message>
        <source>Off in this app</source>
        <translation>Naka-off sa app na ito</translation>
    </message>
    <message>
        <source>This word looks misspelled</source>
        <translation>Mukhang mali ang baybay ng salitang ito</translation>
    </message>
    <message>
        <source>Thanks for the notes. I&apos;ll send the revised deck</source>
        <translation>Salamat sa mga tala. Ipapadala ko ang binagong deck</translation>
    </message>
    <message>
        <source> by Friday morning.</source>
        <translation> pagsapit ng Biyernes ng umaga.</translation>
    </message>
    <message>
        <source>%1 quit. %app has the Tab key.</source>
        <translation>Nagsara ang %1. Nasa %app na ang Tab key.</translation>
    </message>
    <message>
        <source>Open Data Folder</source>
        <translation>Buksan ang data folder</translation>
    </message>
    <message>
        <source>Show Welcome Again</source>
        <translation>Ipakita ulit ang welcome</translation>
    </message>
    <message>
        <source>Play Intro Again</source>
        <translation>I-play ulit ang intro</translation>
    </message>
    <message>
        <source>Reset Settings…</source>
        <translation>I-reset ang mga setting…</translation>
    </message>
    <message>
        <source>Suggest in every app</source>
        <translation>Magmungkahi sa bawat app</translation>
    </message>
    <message>
        <source>Suggest in code editors</source>
        <translation>Magmungkahi sa mga code editor</translation>
    </message>
    <message>
        <source>Suggest in the middle of a line</source>
        <translation>Magmungkahi sa gitna ng linya</translation>
    </message>
    <message>
        <source>Suggest in small fields</source>
        <translation>Magmungkahi sa maliliit na field</translation>
    </message>
    <message>
        <source>Hold back on misspelled words</source>
        <translation>Magpigil sa mga maling baybay na salita</translation>
    </message>
    <message>
        <source>Offer spelling fixes</source>
        <translation>Mag-alok ng pagwawasto sa baybay</translation>
    </message>
    <message>
        <source>Show the key hint</source>
        <translation>Ipakita ang hint ng key</translation>
    </message>
    <message>
        <source>Quit other autocomplete apps when they open</source>
        <translation>Isara ang ibang autocomplete app kapag bumukas ang mga ito</translation>
    </message>
    <message>
        <source>Keeps a few minutes of text from windows you switched away from, like a page you read before replying. It stays on your computer and skips apps you switched off.</source>
        <translation>Nagtatabi ng ilang minutong text mula sa mga window na iniwan mo, gaya ng page na binasa mo bago sumagot. Nananatili ito sa computer mo at nilalaktawan ang mga app na in-off mo.</translation>
    </message>
    <message numerus="yes">
        <source>Both apps answer the Tab key, and the system gives it to %1 first. %app stays paused in your other apps until %1 quits.</source>
        <translation>
            <numerusform>Parehong sumasagot ang dalawang app sa Tab key, at ibinibigay muna ito ng system sa %1. Mananatiling naka-pause ang %app sa iba mo pang app hanggang magsara ang %1.</numerusform>
            <numerusform>Kinukuha ng %1 ang Tab key bago ang %app, kaya mananatiling naka-pause ang %app sa iba mo pang app hanggang isara mo ang mga ito.</numerusform>
        </translation>
    </message>
    <message>
        <source>Finishes your sentences in any app, on your computer.</source>
        <translation>Tinatapos ang mga pangungusap mo sa anumang app, sa computer mo.</translation>
    </message>
    <message>
        <source>Keeps short passages from fields where you accepted a suggestion, encrypted on this computer, and shows them to the model as examples.</source>
        <translation>Nagtatabi ng maiikling sipi mula sa mga field kung saan ka tumanggap ng mungkahi, naka-encrypt sa computer na ito, at ipinapakita ang mga ito sa model bilang mga halimbawa.</translation>
    </message>
    <message>
        <source>Light</source>
        <comment>skin tone</comment>
        <translation>Maputi</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Default</source>
        <comment>skin tone</comment>
        <translation>Default</translation>
    </message>
    <message>
        <source>Medium light</source>
        <comment>skin tone</comment>
        <translation>Katamtamang maputi</translation>
    </message>
    <message>
        <source>Medium</source>
        <comment>skin tone</comment>
        <translation>Katamtaman</translation>
    </message>
    <message>
        <source>Medium dark</source>
        <comment>skin tone</comment>
        <translation>Katamtamang maitim</translation>
    </message>
    <message>
        <source>Dark</source>
        <comment>skin tone</comment>
        <translation>Maitim</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Hindi alam</translation>
    </message>
    <message>
        <source>%1 × %2 pt</source>
        <translation>%1 × %2 pt</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Hindi</translation>
    </message>
    <message>
        <source>Not reported, estimated from the caret</source>
        <translation>Hindi iniulat, tinantya mula sa cursor</translation>
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
        <translation>Hindi pa</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Ngayong araw</translation>
    </message>
    <message>
        <source>Last 7 days</source>
        <translation>Nakaraang 7 araw</translation>
    </message>
    <message>
        <source>All time</source>
        <translation>Mula sa simula</translation>
    </message>
    <message>
        <source>Typing saved</source>
        <translation>Natipid na pag-type</translation>
    </message>
    <message>
        <source>at 40 words a minute</source>
        <translation>sa 40 salita bawat minuto</translation>
    </message>
    <message>
        <source>Accepted</source>
        <translation>Tinanggap</translation>
    </message>
    <message>
        <source>of suggestions shown</source>
        <translation>ng mga ipinakitang mungkahi</translation>
    </message>
    <message>
        <source>Typical wait</source>
        <translation>Karaniwang paghihintay</translation>
    </message>
    <message>
        <source>9 in 10 under %1</source>
        <translation>9 sa 10 ay wala pang %1</translation>
    </message>
    <message>
        <source>no requests yet</source>
        <translation>wala pang request</translation>
    </message>
    <message>
        <source>Words saved</source>
        <translation>Mga salitang natipid</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>Saklaw</translation>
    </message>
    <message>
        <source>Nothing to chart yet</source>
        <translation>Wala pang maipapakita</translation>
    </message>
    <message>
        <source>Accept a few suggestions and your days show up here.</source>
        <translation>Tumanggap ng ilang mungkahi at lalabas dito ang mga araw mo.</translation>
    </message>
    <message>
        <source>Where you write</source>
        <translation>Saan ka sumusulat</translation>
    </message>
    <message>
        <source>Reset Statistics…</source>
        <translation>I-reset ang mga istatistika…</translation>
    </message>
    <message>
        <source>Reset all statistics?</source>
        <translation>I-reset ang lahat ng istatistika?</translation>
    </message>
    <message>
        <source>This clears words saved, acceptance and timing history.</source>
        <translation>Binubura nito ang mga salitang natipid, ang rate ng pagtanggap at ang kasaysayan ng paghihintay.</translation>
    </message>
    <message>
        <source>Copy Diagnostics</source>
        <translation>Kopyahin ang diagnostics</translation>
    </message>
    <message>
        <source>Diagnostics leave out the text you typed.</source>
        <translation>Hindi kasama sa diagnostics ang text na na-type mo.</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Right now</source>
        <translation>Ngayon mismo</translation>
    </message>
    <message>
        <source>Allowed</source>
        <translation>Pinayagan</translation>
    </message>
    <message>
        <source>Not allowed</source>
        <translation>Hindi pinayagan</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Keyboard</translation>
    </message>
    <message>
        <source>Listening</source>
        <translation>Nakikinig</translation>
    </message>
    <message>
        <source>Not listening</source>
        <translation>Hindi nakikinig</translation>
    </message>
    <message>
        <source>Focused field</source>
        <translation>Naka-focus na field</translation>
    </message>
    <message>
        <source>Click into a text field in another app, then come back. The last field %1 saw stays here.</source>
        <translation>Mag-click sa isang text field sa ibang app, saka bumalik. Mananatili rito ang huling field na nakita ng %1.</translation>
    </message>
    <message>
        <source>App</source>
        <translation>App</translation>
    </message>
    <message>
        <source>Field type</source>
        <translation>Uri ng field</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>Window</translation>
    </message>
    <message>
        <source>Field size</source>
        <translation>Laki ng field</translation>
    </message>
    <message>
        <source>Caret found</source>
        <translation>Nahanap ang cursor</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Font</translation>
    </message>
    <message>
        <source>At end of line</source>
        <translation>Sa dulo ng linya</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oo</translation>
    </message>
    <message>
        <source>Secure input</source>
        <translation>Secure input</translation>
    </message>
    <message>
        <source>Looked at lately</source>
        <translation>Kamakailang tiningnan</translation>
    </message>
    <message>
        <source>Text before the caret</source>
        <translation>Text bago ang cursor</translation>
    </message>
    <message>
        <source>Last request</source>
        <translation>Huling request</translation>
    </message>
    <message>
        <source>Wait</source>
        <translation>Paghihintay</translation>
    </message>
    <message>
        <source>Suggestion</source>
        <translation>Mungkahi</translation>
    </message>
    <message>
        <source>Prompt sent to the engine</source>
        <translation>Prompt na ipinadala sa engine</translation>
    </message>
    <message>
        <source>Raw answer</source>
        <translation>Hilaw na sagot</translation>
    </message>
    <message>
        <source>(empty)</source>
        <translation>(walang laman)</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>Nakopya</translation>
    </message>
    <message>
        <source>Choose a language</source>
        <translation>Pumili ng wika</translation>
    </message>
    <message>
        <source>Search languages</source>
        <translation>Maghanap ng wika</translation>
    </message>
    <message>
        <source>Same as my computer</source>
        <translation>Kapareho ng system</translation>
    </message>
    <message>
        <source>Switch to %1?</source>
        <translation>Lumipat sa %1?</translation>
    </message>
    <message>
        <source>%1 closes and opens again in a second. Your settings stay as they are.</source>
        <translation>Magsasara at muling bubukas ang %1 sa isang segundo. Mananatili ang mga setting mo.</translation>
    </message>
    <message>
        <source>Reopen Now</source>
        <translation>Buksang muli ngayon</translation>
    </message>
    <message>
        <source>App language</source>
        <translation>Wika ng app</translation>
    </message>
    <message>
        <source>Pick the language you read most easily. Suggestions follow whatever language you type.</source>
        <translation>Piliin ang wikang pinakamadali mong mabasa. Sinusunod ng mga mungkahi ang anumang wikang tina-type mo.</translation>
    </message>
    <message>
        <source>Change the app language</source>
        <translation>Baguhin ang wika ng app</translation>
    </message>
    <message>
        <source>0 min</source>
        <translation>0 min</translation>
    </message>
    <message>
        <source>under a minute</source>
        <translation>wala pang isang minuto</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 seg</translation>
    </message>
    <message>
        <source>Not set</source>
        <translation>Hindi nakatakda</translation>
    </message>
    <message>
        <source>Clear shortcut</source>
        <translation>I-clear ang shortcut</translation>
    </message>
    <message>
        <source>Add Ctrl, Alt or Super so normal typing still works.</source>
        <translation>Magdagdag ng Ctrl, Alt o Super para gumana pa rin ang normal na pag-type.</translation>
    </message>
    <message>
        <source>Type a shortcut…</source>
        <translation>Pumindot ng shortcut…</translation>
    </message>
    <message>
        <source>Recording shortcut</source>
        <translation>Nire-record ang shortcut</translation>
    </message>
    <message>
        <source>Shortcut %1</source>
        <translation>Shortcut %1</translation>
    </message>
    <message>
        <source>Record shortcut</source>
        <translation>I-record ang shortcut</translation>
    </message>
    <message>
        <source>Shortcut not set</source>
        <translation>Hindi nakatakda ang shortcut</translation>
    </message>
    <message>
        <source>Press to record a new shortcut. Escape cancels.</source>
        <translation>Pindutin para mag-record ng bagong shortcut. Kinakansela ng Esc.</translation>
    </message>
    <message>
        <source>Your tray icon is hidden</source>
        <translation>Nakatago ang icon mo sa tray</translation>
    </message>
    <message>
        <source>This computer has no on-device language model</source>
        <translation>Walang on-device na language model ang computer na ito</translation>
    </message>
    <message>
        <source>Turn on the on-device model in the desktop&apos;s settings</source>
        <translation>I-on ang on-device na model sa mga setting ng desktop</translation>
    </message>
    <message>
        <source>The on-device model is unavailable</source>
        <translation>Hindi available ang on-device na model</translation>
    </message>
    <message>
        <source>Downloading. The on-device model fills in until it&apos;s done.</source>
        <translation>Nagda-download. Pansamantalang gagamitin ang on-device na model hanggang matapos.</translation>
    </message>
    <message>
        <source>The on-device model fills in until you download it.</source>
        <translation>Pansamantalang gagamitin ang on-device na model hanggang i-download mo ito.</translation>
    </message>
    <message>
        <source>%1 shares no text. Quit it and start it with %2 to get suggestions in it.</source>
        <translation>Walang ibinabahaging text ang %1. Isara ito at simulan gamit ang %2 para makakuha ng mga mungkahi rito.</translation>
    </message>
    <message>
        <source>On-device model</source>
        <translation>On-device na model</translation>
    </message>
    <message>
        <source>The system&apos;s own language model. Nothing to download.</source>
        <translation>Ang sariling language model ng system. Walang kailangang i-download.</translation>
    </message>
    <message>
        <source>A website name cannot hold spaces, tabs or line breaks.</source>
        <translation>Hindi puwedeng may space, tab o line break ang pangalan ng website.</translation>
    </message>
    <message>
        <source>Only addresses that start with http or https can be added.</source>
        <translation>Mga address lang na nagsisimula sa http o https ang puwedeng idagdag.</translation>
    </message>
    <message>
        <source>That is not a website name. Type one such as wikipedia.org.</source>
        <translation>Hindi iyan pangalan ng website. Mag-type ng gaya ng wikipedia.org.</translation>
    </message>
    <message>
        <source>A port is a number from 1 to 65535.</source>
        <translation>Ang port ay numero mula 1 hanggang 65535.</translation>
    </message>
    <message>
        <source>The on-device model fills in until the download is done.</source>
        <translation>Pansamantalang gagamitin ang on-device na model hanggang matapos ang download.</translation>
    </message>
    <message>
        <source>Suggestions start once the download is done.</source>
        <translation>Magsisimula ang mga mungkahi kapag tapos na ang download.</translation>
    </message>
    <message>
        <source>This frees %1. The on-device model fills in until you download it again.</source>
        <translation>Magbabakante ito ng %1. Pansamantalang gagamitin ang on-device na model hanggang i-download mo ulit.</translation>
    </message>
    <message>
        <source>This frees %1. The %app model can&apos;t suggest until you download it again.</source>
        <translation>Magbabakante ito ng %1. Hindi makakapagmungkahi ang %app model hanggang i-download mo ito ulit.</translation>
    </message>
    <message>
        <source>There&apos;s no room for it, or your panel has no system tray. Add the panel&apos;s system tray or status area applet in its settings.</source>
        <translation>Walang lugar para rito, o walang system tray ang panel mo. Idagdag ang system tray o status area applet ng panel sa mga setting nito.</translation>
    </message>
    <message>
        <source>GNOME shows tray icons only with the AppIndicator extension. Install the gnome-shell-extension-appindicator package, log out and in, then turn it on in Extensions.</source>
        <translation>Nagpapakita lang ang GNOME ng mga tray icon gamit ang AppIndicator extension. I-install ang package na gnome-shell-extension-appindicator, mag-log out at mag-log in ulit, saka ito i-on sa Extensions.</translation>
    </message>
    <message>
        <source>GNOME shows tray icons only with the AppIndicator extension. It is installed but off: turn it on in Extensions.</source>
        <translation>Nagpapakita lang ang GNOME ng mga tray icon gamit ang AppIndicator extension. Naka-install ito pero naka-off: i-on ito sa Extensions.</translation>
    </message>
    <message>
        <source>Until then, open %app from your applications menu to reach Settings.</source>
        <translation>Samantala, buksan ang %app mula sa applications menu mo para maabot ang Mga Setting.</translation>
    </message>
    <message>
        <source>Open Extensions</source>
        <translation>Buksan ang Extensions</translation>
    </message>
    <message>
        <source>Show Count in Tray</source>
        <translation>Ipakita ang bilang sa tray</translation>
    </message>
    <message>
        <source>%1 shares no text</source>
        <translation>Walang ibinabahaging text ang %1</translation>
    </message>
    <message>
        <source>Copy command</source>
        <translation>Kopyahin ang command</translation>
    </message>
    <message>
        <source>There&apos;s no account and no analytics. With the %app model or the on-device model, your text stays on this computer.</source>
        <translation>Walang account at walang analytics. Sa %app model o sa on-device na model, nananatili ang text mo sa computer na ito.</translation>
    </message>
    <message>
        <source>There&apos;s no account and no analytics. With the %app model, your text stays on this computer.</source>
        <translation>Walang account at walang analytics. Sa %app model, nananatili ang text mo sa computer na ito.</translation>
    </message>
    <message>
        <source>%app lives in your system tray from now on. Click its icon to pause it in an app or open Settings.</source>
        <translation>Nasa system tray mo na ang %app mula ngayon. I-click ang icon nito para i-pause ito sa isang app o buksan ang Mga Setting.</translation>
    </message>
    <message>
        <source>%app has no account, no analytics and no servers of its own. The %app model and the on-device model keep your text on this computer. Other engines get it only if you set one up.</source>
        <translation>Walang account, analytics o sariling server ang %app. Pinapanatili ng %app model at ng on-device na model ang text mo sa computer na ito. Natatanggap lang ito ng ibang engine kung mag-set up ka ng isa.</translation>
    </message>
    <message>
        <source>%app has no account, no analytics and no servers of its own. The %app model keeps your text on this computer. Other engines get it only if you set one up.</source>
        <translation>Walang account, analytics o sariling server ang %app. Pinapanatili ng %app model ang text mo sa computer na ito. Natatanggap lang ito ng ibang engine kung mag-set up ka ng isa.</translation>
    </message>
    <message>
        <source>Installed applications</source>
        <translation>Mga naka-install na application</translation>
    </message>
    <message>
        <source>%app reads these only while making a suggestion and never saves them. With the %app model or the on-device model, nothing leaves your computer.</source>
        <translation>Binabasa lang ng %app ang mga ito habang gumagawa ng mungkahi at hindi kailanman sine-save. Sa %app model o sa on-device na model, walang lumalabas sa computer mo.</translation>
    </message>
    <message>
        <source>%app reads these only while making a suggestion and never saves them. With the %app model, nothing leaves your computer.</source>
        <translation>Binabasa lang ng %app ang mga ito habang gumagawa ng mungkahi at hindi kailanman sine-save. Sa %app model, walang lumalabas sa computer mo.</translation>
    </message>
    <message>
        <source>The %app model keeps your text on this computer.</source>
        <translation>Pinapanatili ng %app model ang text mo sa computer na ito.</translation>
    </message>
    <message>
        <source>The key holds a line break or another control character. Paste it again without them.</source>
        <translation>May line break o ibang control character ang key. I-paste ulit ito nang wala ang mga iyon.</translation>
    </message>
    <message>
        <source>Waiting for the keyring to store the key.</source>
        <translation>Hinihintay na i-store ng keyring ang key.</translation>
    </message>
    <message>
        <source>The keyring cannot keep this key, so it is used only until %app quits.</source>
        <translation>Hindi maitatabi ng keyring ang key na ito, kaya gagamitin lang ito hanggang magsara ang %app.</translation>
    </message>
    <message>
        <source>Show in the system tray</source>
        <translation>Ipakita sa system tray</translation>
    </message>
    <message>
        <source>Pause or open Settings from the system tray. Hidden? Open %app from your applications menu to come back.</source>
        <translation>Mag-pause o buksan ang Mga Setting mula sa system tray. Nakatago? Buksan ang %app mula sa applications menu mo para bumalik.</translation>
    </message>
    <message>
        <source>This tray can&apos;t show text beside icons, so the count shows in the icon&apos;s tooltip.</source>
        <translation>Hindi makapagpakita ng text sa tabi ng mga icon ang tray na ito, kaya nasa tooltip ng icon ang bilang.</translation>
    </message>
    <message>
        <source>VS Code, VSCodium, Cursor, Zed, Kate, Sublime Text, JetBrains IDEs and similar apps.</source>
        <translation>VS Code, VSCodium, Cursor, Zed, Kate, Sublime Text, mga JetBrains IDE at mga katulad na app.</translation>
    </message>
    <message>
        <source>Your settings could not be read, so they were set aside and %app started over with its defaults.</source>
        <translation>Hindi mabasa ang mga setting mo, kaya itinabi ang mga ito at nagsimula muli ang %app sa mga default nito.</translation>
    </message>
    <message>
        <source>Your settings are not saved: %app cannot write to its settings folder.</source>
        <translation>Hindi nase-save ang mga setting mo: hindi makasulat ang %app sa settings folder nito.</translation>
    </message>
    <message>
        <source>Your app and website rules could not be read, so they were set aside.</source>
        <translation>Hindi mabasa ang mga patakaran mo para sa app at website, kaya itinabi ang mga ito.</translation>
    </message>
    <message>
        <source>Your statistics could not be read, so they were set aside and counting started over.</source>
        <translation>Hindi mabasa ang mga istatistika mo, kaya itinabi ang mga ito at nagsimula muli ang pagbibilang.</translation>
    </message>
    <message>
        <source>Not saved: %app cannot write to its data folder.</source>
        <translation>Hindi na-save: hindi makasulat ang %app sa data folder nito.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln suggestions. %1 selected</source>
        <translation>
            <numerusform>%Ln mungkahi. Napili: %1</numerusform>
            <numerusform>%Ln mungkahi. Napili: %1</numerusform>
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
            <numerusform>%Ln salita</numerusform>
            <numerusform>%Ln salita</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln passages from here</source>
        <translation>
            <numerusform>%Ln sipi mula rito</numerusform>
            <numerusform>%Ln sipi mula rito</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>words</source>
        <comment>unit after a count</comment>
        <translation>
            <numerusform>salita</numerusform>
            <numerusform>salita</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln days</source>
        <translation>
            <numerusform>%Ln araw</numerusform>
            <numerusform>%Ln araw</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Words saved per day over the last %Ln days</source>
        <translation>
            <numerusform>Mga salitang natipid bawat araw sa nakaraang %Ln araw</numerusform>
            <numerusform>Mga salitang natipid bawat araw sa nakaraang %Ln araw</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln day streak</source>
        <translation>
            <numerusform>%Ln araw na streak</numerusform>
            <numerusform>%Ln araw na streak</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln passages remembered</source>
        <translation>
            <numerusform>%Ln sipi ang naalala</numerusform>
            <numerusform>%Ln sipi ang naalala</numerusform>
        </translation>
    </message>
    <message>
        <source>enter</source>
        <translation>enter</translation>
    </message>
    <message>
        <source>Allow screen capture so %app can read those too. Most apps work without it.</source>
        <translation>Payagan ang screen capture para mabasa rin ng %app ang mga iyon. Gumagana ang karamihan ng app kahit wala ito.</translation>
    </message>
    <message>
        <source>Type a colon and a word, like :rocket, then press Tab or Enter to pick.</source>
        <translation>Mag-type ng colon at isang salita, gaya ng :rocket, saka pindutin ang Tab o Enter para pumili.</translation>
    </message>
    <message>
        <source>You can switch memory off for single apps under Apps &amp; Sites. The key that unlocks it lives in your keyring.</source>
        <translation>Puwede mong i-off ang memorya para sa isa-isang app sa Mga App at Site. Nasa keyring mo ang key na nagbubukas dito.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln emoji. %1 selected</source>
        <translation>
            <numerusform>%Ln emoji. Napili: %1</numerusform>
            <numerusform>%Ln emoji. Napili: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Suggestion: %1</source>
        <translation>Mungkahi: %1</translation>
    </message>
    <message numerus="yes">
        <source>%Ln models available</source>
        <translation>
            <numerusform>%Ln model ang available</numerusform>
            <numerusform>%Ln model ang available</numerusform>
        </translation>
    </message>
    <message>
        <source>The model couldn&apos;t be saved: %1</source>
        <translation>Hindi ma-save ang model: %1</translation>
    </message>
    <message>
        <source>Ollama isn&apos;t running.</source>
        <translation>Hindi tumatakbo ang Ollama.</translation>
    </message>
    <message>
        <source>Ollama isn&apos;t running at %1.</source>
        <translation>Hindi tumatakbo ang Ollama sa %1.</translation>
    </message>
    <message>
        <source>No server answered.</source>
        <translation>Walang server na sumagot.</translation>
    </message>
    <message>
        <source>No server answered at %1.</source>
        <translation>Walang server na sumagot sa %1.</translation>
    </message>
    <message>
        <source>Range: %1</source>
        <translation>Saklaw: %1</translation>
    </message>
    <message numerus="yes">
        <source>%1, %Ln to do</source>
        <translation>
            <numerusform>%1, %Ln pang gagawin</numerusform>
            <numerusform>%1, %Ln pang gagawin</numerusform>
        </translation>
    </message>
    <message>
        <source>Type the whole name of the website, such as wikipedia.org.</source>
        <translation>I-type ang buong pangalan ng website, gaya ng wikipedia.org.</translation>
    </message>
    <message>
        <source>The key holds a space, an invisible character or a letter outside plain ASCII. Paste it again exactly as your server gave it.</source>
        <translation>May space, di-nakikitang character, o letrang labas sa plain ASCII ang key. I-paste ulit ito nang eksakto kung paano ito ibinigay ng server mo.</translation>
    </message>
    <message>
        <source>The keyring could not be read, so your server is asked without an API key. Type the key again if your server needs one.</source>
        <translation>Hindi mabasa ang keyring, kaya ipinapadala ang request sa server mo nang walang API key. I-type ulit ang key kung kailangan ito ng server mo.</translation>
    </message>
    <message>
        <source>Your writing memory could not be opened, so it was set aside and %app started a new one.</source>
        <translation>Hindi mabuksan ang memorya ng pagsusulat mo, kaya itinabi ito at nagsimula ang %app ng bago.</translation>
    </message>
    <message>
        <source>%1, converted for llama.cpp by %2</source>
        <translation>%1, kinonvert para sa llama.cpp ng %2</translation>
    </message>
    <message>
        <source>The data folder %1 could not be made. Check that the folder above it exists and that you may write there.</source>
        <translation>Hindi nagawa ang data folder na %1. Tingnan kung umiiral ang folder sa itaas nito at kung maaari kang sumulat doon.</translation>
    </message>
    <message>
        <source>party</source>
        <comment>emoji search sample</comment>
        <translation>party</translation>
    </message>
    <message numerus="yes">
        <source>%Ln settings held values %app cannot use, so they were corrected and saved.</source>
        <translation>
            <numerusform>May value ang %Ln setting na hindi magagamit ng %app, kaya itinama at na-save ito.</numerusform>
            <numerusform>May mga value ang %Ln setting na hindi magagamit ng %app, kaya itinama at na-save ang mga ito.</numerusform>
        </translation>
    </message>
    <message>
        <source>Your writing memory is not saved: the keyring is missing or locked, so its key cannot be kept.</source>
        <translation>Hindi naka-save ang memorya ng pagsusulat mo: wala o naka-lock ang keyring, kaya hindi maitatago ang key nito.</translation>
    </message>
    <message>
        <source>That address isn&apos;t valid</source>
        <translation>Hindi wasto ang address na iyan</translation>
    </message>
    <message>
        <source>The request timed out.</source>
        <translation>Nag-time out ang kahilingan.</translation>
    </message>
    <message>
        <source>The server&apos;s reply was too long, so it was stopped.</source>
        <translation>Masyadong mahaba ang sagot ng server, kaya itinigil ito.</translation>
    </message>
    <message>
        <source>The server answered %1.</source>
        <translation>Sumagot ang server ng %1.</translation>
    </message>
    <message>
        <source>The server answered %1: %2</source>
        <translation>Sumagot ang server ng %1: %2</translation>
    </message>
    <message>
        <source>The download server answered %1. Try again later.</source>
        <translation>Sumagot ang download server ng %1. Subukang muli mamaya.</translation>
    </message>
    <message>
        <source>The download couldn&apos;t be saved: %1</source>
        <translation>Hindi ma-save ang download: %1</translation>
    </message>
    <message>
        <source>The download paused because the connection dropped. Try again to pick up where it stopped.</source>
        <translation>Na-pause ang download dahil naputol ang koneksiyon. Subukang muli para ituloy mula sa kung saan ito huminto.</translation>
    </message>
    <message>
        <source>The download stopped. Check your connection, then try again.</source>
        <translation>Huminto ang download. Tingnan ang iyong koneksiyon, saka subukang muli.</translation>
    </message>
    <message>
        <source>Pick an Ollama model in Settings</source>
        <translation>Pumili ng Ollama model sa Mga Setting</translation>
    </message>
    <message>
        <source>Pick a model for your local server</source>
        <translation>Pumili ng model para sa iyong lokal na server</translation>
    </message>
    <message>
        <source>The server&apos;s answer is not HTTP.</source>
        <translation>Hindi HTTP ang sagot ng server.</translation>
    </message>
    <message>
        <source>The data couldn&apos;t be read because it is missing.</source>
        <translation>Hindi mabasa ang data dahil wala ito.</translation>
    </message>
    <message>
        <source>The data couldn&apos;t be read because it isn&apos;t in the correct format.</source>
        <translation>Hindi mabasa ang data dahil mali ang format nito.</translation>
    </message>
    <message>
        <source>:%1:</source>
        <comment>emoji name</comment>
        <translation>:%1:</translation>
    </message>
    <message>
        <source>This computer has no on-device language model.</source>
        <translation>Walang on-device na language model ang computer na ito.</translation>
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
        <translation>Naka-pause sa %1</translation>
    </message>
    <message>
        <source>Paused in %1</source>
        <translation>Naka-pause sa %1</translation>
    </message>
    <message>
        <source>Off on %1</source>
        <translation>Naka-off sa %1</translation>
    </message>
    <message>
        <source>Off in %1</source>
        <translation>Naka-off sa %1</translation>
    </message>
    <message>
        <source>Off in %1 by default</source>
        <translation>Naka-off sa %1 bilang default</translation>
    </message>
    <message>
        <source>Off in code editors</source>
        <translation>Naka-off sa mga code editor</translation>
    </message>
    <message>
        <source>Off unless turned on per app</source>
        <translation>Naka-off maliban kung i-on para sa isa-isang app</translation>
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
        <translation>Space</translation>
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
        <translation>Key %1</translation>
    </message>
    <message>
        <source>An email reply reads differently from a commit message.</source>
        <translation>Iba ang tunog ng sagot sa email kaysa sa commit message.</translation>
    </message>
    <message>
        <source>Writes straight into the field. Cleanest in GTK and Qt apps.</source>
        <translation>Direktang sumusulat sa field. Pinakamalinis sa mga GTK at Qt app.</translation>
    </message>
    <message>
        <source>Typing</source>
        <comment>insertion method</comment>
        <translation>Pag-type</translation>
    </message>
    <message>
        <source>%1 h</source>
        <comment>hours with one decimal, such as 1.5</comment>
        <translation>%1 oras</translation>
    </message>
    <message numerus="yes">
        <source>%Ln h</source>
        <translation>
            <numerusform>%Ln oras</numerusform>
            <numerusform>%Ln oras</numerusform>
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
            <numerusform>%Ln salitang natipid ngayong araw</numerusform>
            <numerusform>%Ln salitang natipid ngayong araw</numerusform>
        </translation>
    </message>
    <message>
        <source>Under a minute of typing saved today.</source>
        <translation>Wala pang isang minutong pag-type ang natipid ngayong araw.</translation>
    </message>
    <message>
        <source>About %1 of typing saved today.</source>
        <translation>Mga %1 na pag-type ang natipid ngayong araw.</translation>
    </message>
    <message numerus="yes">
        <source>Step %1 of %Ln</source>
        <translation>
            <numerusform>Hakbang %1 sa %Ln</numerusform>
            <numerusform>Hakbang %1 sa %Ln</numerusform>
        </translation>
    </message>
    <message>
        <source>%app reads and types into text fields through the desktop&apos;s accessibility support, which some desktops leave off. %app uses it only for the field you&apos;re writing in.</source>
        <translation>Binabasa at tina-type-an ng %app ang mga text field sa pamamagitan ng accessibility support ng desktop, na naka-off sa ilang desktop. Ginagamit lang ito ng %app para sa field na sinusulatan mo.</translation>
    </message>
    <message>
        <source>The button switches the desktop&apos;s accessibility support on. If the desktop&apos;s settings open instead, turn accessibility on there, then come back. This page updates by itself.</source>
        <translation>Ino-on ng button ang accessibility support ng desktop. Kung bumukas sa halip ang mga setting ng desktop, i-on doon ang accessibility, saka bumalik. Kusang nag-a-update ang page na ito.</translation>
    </message>
    <message>
        <source>Still off? Some desktops start their accessibility service only when you log in. Log out and back in, then try again.</source>
        <translation>Naka-off pa rin? Sa ilang desktop, nagsisimula lang ang accessibility service kapag nag-log in ka. Mag-log out at mag-log in ulit, saka subukang muli.</translation>
    </message>
    <message>
        <source>Pause</source>
        <comment>section header</comment>
        <translation>Pag-pause</translation>
    </message>
    <message>
        <source>Pause</source>
        <comment>button</comment>
        <translation>I-pause</translation>
    </message>
    <message>
        <source>typing</source>
        <comment>insertion method, in a sentence</comment>
        <translation>pag-type</translation>
    </message>
    <message>
        <source>accessibility</source>
        <comment>insertion method, in a sentence</comment>
        <translation>accessibility</translation>
    </message>
    <message>
        <source>paste</source>
        <comment>insertion method, in a sentence</comment>
        <translation>pag-paste</translation>
    </message>
    <message>
        <source>short</source>
        <comment>suggestion length, in a sentence</comment>
        <translation>maiikling</translation>
    </message>
    <message>
        <source>medium</source>
        <comment>suggestion length, in a sentence</comment>
        <translation>katamtamang</translation>
    </message>
    <message>
        <source>long</source>
        <comment>suggestion length, in a sentence</comment>
        <translation>mahahabang</translation>
    </message>
    <message>
        <source>Default follows General: %1, %2 suggestions.</source>
        <translation>Sumusunod ang default sa Pangkalahatan: %1, %2 mungkahi.</translation>
    </message>
    <message>
        <source>Yes, at %1, %2 on screen, %3 pt tall, %4 and %5</source>
        <translation>Oo, sa %1, %2 sa screen, %3 pt ang taas, %4 at %5</translation>
    </message>
    <message numerus="yes">
        <source>%Ln characters before it</source>
        <translation>
            <numerusform>%Ln character bago nito</numerusform>
            <numerusform>%Ln character bago nito</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln after</source>
        <comment>characters after the caret</comment>
        <translation>
            <numerusform>%Ln pagkatapos</numerusform>
            <numerusform>%Ln pagkatapos</numerusform>
        </translation>
    </message>
    <message>
        <source>No system tray runs on this desktop, so the icon cannot show. %1</source>
        <translation>Walang tumatakbong system tray sa desktop na ito, kaya hindi maipakita ang icon. %1</translation>
    </message>
    <message>
        <source>Typing</source>
        <comment>section header</comment>
        <translation>Pag-type</translation>
    </message>
    <message>
        <source>Switch to the computer&apos;s language?</source>
        <translation>Lumipat sa wika ng computer?</translation>
    </message>
    <message numerus="yes">
        <source>%Ln words this week.</source>
        <translation>
            <numerusform>%Ln salita ngayong linggo.</numerusform>
            <numerusform>%Ln salita ngayong linggo.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Under a minute of typing saved today. %Ln words this week.</source>
        <translation>
            <numerusform>Wala pang isang minutong pag-type ang natipid ngayong araw. %Ln salita ngayong linggo.</numerusform>
            <numerusform>Wala pang isang minutong pag-type ang natipid ngayong araw. %Ln salita ngayong linggo.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>About %1 of typing saved today. %Ln words this week.</source>
        <translation>
            <numerusform>Mga %1 na pag-type ang natipid ngayong araw. %Ln salita ngayong linggo.</numerusform>
            <numerusform>Mga %1 na pag-type ang natipid ngayong araw. %Ln salita ngayong linggo.</numerusform>
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
            <numerusform>%Ln sa %1 ang tapos</numerusform>
            <numerusform>%Ln sa %1 ang tapos</numerusform>
        </translation>
    </message>
    <message>
        <source>The server refused the connection. Check that it is running and that the address is right.</source>
        <translation>Tinanggihan ng server ang koneksiyon. Tiyaking tumatakbo ito at tama ang address.</translation>
    </message>
    <message>
        <source>The server&apos;s name couldn&apos;t be found. Check the address.</source>
        <translation>Hindi mahanap ang pangalan ng server. Tingnan ang address.</translation>
    </message>
    <message>
        <source>A secure connection to the server couldn&apos;t be made.</source>
        <translation>Hindi makagawa ng ligtas na koneksiyon sa server.</translation>
    </message>
    <message>
        <source>The server closed the connection before it answered.</source>
        <translation>Isinara ng server ang koneksiyon bago ito sumagot.</translation>
    </message>
    <message>
        <source>The network proxy couldn&apos;t be reached.</source>
        <translation>Hindi maabot ang proxy ng network.</translation>
    </message>
    <message>
        <source>The server couldn&apos;t be reached.</source>
        <translation>Hindi maabot ang server.</translation>
    </message>
    <message>
        <source>Waiting for the network…</source>
        <translation>Hinihintay ang network…</translation>
    </message>
    <message>
        <source>%1 is taken by another program.</source>
        <translation>Ginagamit na ng ibang program ang %1.</translation>
    </message>
    <message>
        <source>%1 could not open again. Your choice takes effect the next time you start it.</source>
        <translation>Hindi muling mabuksan ang %1. Magkakabisa ang pinili mo sa susunod na buksan mo ito.</translation>
    </message>
    <message>
        <source>Downloading the model</source>
        <translation>Dina-download ang model</translation>
    </message>
    <message numerus="yes">
        <source>These apps answer the Tab key before %app can, so %app stays paused in your other apps until they quit.</source>
        <translation>
            <numerusform>Sumasagot ang mga app na ito sa Tab key bago pa ang %app, kaya mananatiling naka-pause ang %app sa iba mo pang app hanggang magsara ang mga ito.</numerusform>
            <numerusform>Sumasagot ang mga app na ito sa Tab key bago pa ang %app, kaya mananatiling naka-pause ang %app sa iba mo pang app hanggang magsara ang mga ito.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>It may be waiting on a dialog of its own. Force Quit closes it right away.</source>
        <translation>
            <numerusform>Baka naghihintay ito sa sarili nitong dialog. Isinasara ito agad ng “Sapilitang isara”.</numerusform>
            <numerusform>Baka naghihintay ang mga ito sa sarili nilang mga dialog. Isinasara agad ng “Sapilitang isara” ang mga ito.</numerusform>
        </translation>
    </message>
    <message>
        <source>Set a Suggest Now shortcut in Keys to ask for suggestions</source>
        <translation>Magtakda ng shortcut na “Magmungkahi ngayon” sa Mga Key para humingi ng mga mungkahi</translation>
    </message>
    <message>
        <source>Backspace</source>
        <comment>key above Enter that deletes backwards</comment>
        <translation>Backspace</translation>
    </message>
    <message>
        <source>0 words saved today</source>
        <translation>0 salitang natipid ngayong araw</translation>
    </message>
    <message>
        <source>words saved today</source>
        <comment>beside the count 0</comment>
        <translation>salitang natipid ngayong araw</translation>
    </message>
    <message>
        <source>Quit the other app</source>
        <translation>Isara ang ibang app</translation>
    </message>
    <message>
        <source>None yet</source>
        <comment>no app looked at yet</comment>
        <translation>Wala pa</translation>
    </message>
    <message>
        <source>None yet</source>
        <comment>no suggestion shown yet</comment>
        <translation>Wala pa</translation>
    </message>
    <message>
        <source>The other app is also running</source>
        <translation>Tumatakbo rin ang ibang app</translation>
    </message>
    <message>
        <source>Both apps answer the Tab key, and the system gives it to the other app first. %app stays paused in your other apps until the other app quits.</source>
        <translation>Parehong sumasagot ang dalawang app sa Tab key, at ibinibigay muna ito ng system sa ibang app. Mananatiling naka-pause ang %app sa iba mo pang app hanggang magsara ang app na iyon.</translation>
    </message>
    <message>
        <source>The other app is still open</source>
        <translation>Bukas pa rin ang ibang app</translation>
    </message>
    <message>
        <source>The other app quit, so your suggestions are back in every app.</source>
        <translation>Nagsara ang ibang app, kaya bumalik na ang mga mungkahi mo sa bawat app.</translation>
    </message>
    <message>
        <source>The other app quit. %app has the Tab key.</source>
        <translation>Nagsara ang ibang app. Nasa %app na ang Tab key.</translation>
    </message>
</context>
</TS>
