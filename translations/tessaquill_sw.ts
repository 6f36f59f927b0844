<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sw" sourcelanguage="en">
<context>
    <name>Tessaquill</name>
    <message>
        <source>Accessibility is on. %app is ready in your other apps.</source>
        <translation>Ufikivu umewashwa. %app iko tayari katika programu zako nyingine.</translation>
    </message>
    <message>
        <source>Paused while %1 is open</source>
        <translation>Imesitishwa wakati %1 iko wazi</translation>
    </message>
    <message>
        <source>Welcome to %app</source>
        <translation>Karibu kwenye %app</translation>
    </message>
    <message>
        <source>%app</source>
        <translation>%app</translation>
    </message>
    <message>
        <source>Another autocomplete app is running</source>
        <translation>Programu nyingine ya ukamilishaji otomatiki inaendeshwa</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Tayari</translation>
    </message>
    <message>
        <source>Waiting for a pause</source>
        <translation>Inasubiri usimame kuandika</translation>
    </message>
    <message>
        <source>Thinking</source>
        <translation>Inafikiri</translation>
    </message>
    <message>
        <source>Showing a suggestion</source>
        <translation>Inaonyesha pendekezo</translation>
    </message>
    <message>
        <source>The model took too long to answer</source>
        <translation>Modeli ilichukua muda mrefu mno kujibu</translation>
    </message>
    <message>
        <source>This app doesn&apos;t report where the caret is</source>
        <translation>Programu hii haionyeshi kishale kilipo</translation>
    </message>
    <message>
        <source>%app is turned off</source>
        <translation>%app imezimwa</translation>
    </message>
    <message>
        <source>Secure input is on, so %app stays out</source>
        <translation>Uingizaji salama umewashwa, kwa hivyo %app inakaa kando</translation>
    </message>
    <message>
        <source>Press %1 for a suggestion</source>
        <translation>Bonyeza %1 upate pendekezo</translation>
    </message>
    <message>
        <source>Text is selected</source>
        <translation>Maandishi yamechaguliwa</translation>
    </message>
    <message>
        <source>The caret is inside existing text</source>
        <translation>Kishale kiko ndani ya maandishi yaliyopo</translation>
    </message>
    <message>
        <source>This field is too small</source>
        <translation>Sehemu hii ni ndogo mno</translation>
    </message>
    <message>
        <source>Waiting for a few characters</source>
        <translation>Inasubiri herufi chache</translation>
    </message>
    <message>
        <source>Start of a new line</source>
        <translation>Mwanzo wa mstari mpya</translation>
    </message>
    <message>
        <source>The model is still downloading</source>
        <translation>Modeli bado inapakuliwa</translation>
    </message>
    <message>
        <source>Download the %app model in Settings first</source>
        <translation>Pakua kwanza modeli ya %app katika Mipangilio</translation>
    </message>
    <message>
        <source>Not checked yet</source>
        <translation>Bado haijakaguliwa</translation>
    </message>
    <message>
        <source>Checking…</source>
        <translation>Inakagua…</translation>
    </message>
    <message>
        <source>The model stopped with error %1</source>
        <translation>Modeli ilisimama na hitilafu %1</translation>
    </message>
    <message>
        <source>The model file couldn&apos;t be loaded</source>
        <translation>Faili ya modeli haikuweza kupakiwa</translation>
    </message>
    <message>
        <source>There wasn&apos;t enough memory to start the model</source>
        <translation>Hakukuwa na kumbukumbu ya kutosha kuanzisha modeli</translation>
    </message>
    <message>
        <source>The text couldn&apos;t be prepared for the model</source>
        <translation>Maandishi hayakuweza kutayarishwa kwa ajili ya modeli</translation>
    </message>
    <message>
        <source>This computer needs %1 free for the download. Free up some space, then try again.</source>
        <translation>Kompyuta hii inahitaji nafasi ya %1 kwa upakuaji. Ondoa baadhi ya vitu, kisha ujaribu tena.</translation>
    </message>
    <message>
        <source>The download didn&apos;t match the expected file, so it was deleted. Try again.</source>
        <translation>Faili iliyopakuliwa haikulingana na faili iliyotarajiwa, kwa hivyo imefutwa. Jaribu tena.</translation>
    </message>
    <message>
        <source>Downloaded</source>
        <translation>Imepakuliwa</translation>
    </message>
    <message>
        <source>Downloading. Suggestions start once it&apos;s done.</source>
        <translation>Inapakua. Mapendekezo yataanza ikikamilika.</translation>
    </message>
    <message>
        <source>Checking the download.</source>
        <translation>Inakagua faili iliyopakuliwa.</translation>
    </message>
    <message>
        <source>Checking the download. Suggestions start once it&apos;s done.</source>
        <translation>Inakagua faili iliyopakuliwa. Mapendekezo yataanza ikikamilika.</translation>
    </message>
    <message>
        <source>Download the model to start</source>
        <translation>Pakua modeli ili kuanza</translation>
    </message>
    <message>
        <source>Ollama is running but has no models</source>
        <translation>Ollama inaendeshwa lakini haina modeli</translation>
    </message>
    <message>
        <source>Another app</source>
        <translation>Programu nyingine</translation>
    </message>
    <message>
        <source>There is no D-Bus session bus, so %1 cannot reach text fields.</source>
        <translation>Hakuna basi la kipindi la D-Bus, kwa hivyo %1 haiwezi kufikia sehemu za maandishi.</translation>
    </message>
    <message>
        <source>The desktop&apos;s accessibility bus is not running, so %1 cannot reach text fields.</source>
        <translation>Basi la ufikivu la eneo-kazi haliendeshwi, kwa hivyo %1 haiwezi kufikia sehemu za maandishi.</translation>
    </message>
    <message>
        <source>Short</source>
        <translation>Fupi</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Wastani</translation>
    </message>
    <message>
        <source>Long</source>
        <translation>Ndefu</translation>
    </message>
    <message>
        <source>Hide the suggestion</source>
        <translation>Ficha pendekezo</translation>
    </message>
    <message>
        <source>Hide suggestions until I change fields</source>
        <translation>Ficha mapendekezo hadi nibadilishe sehemu</translation>
    </message>
    <message>
        <source>Do nothing, send Escape to the app</source>
        <translation>Usifanye chochote, tuma Escape kwa programu</translation>
    </message>
    <message>
        <source>Type it</source>
        <translation>Kuandika</translation>
    </message>
    <message>
        <source>Insert through Accessibility</source>
        <translation>Kuingiza kupitia Ufikivu</translation>
    </message>
    <message>
        <source>Paste it</source>
        <translation>Kubandika</translation>
    </message>
    <message>
        <source>Grey</source>
        <translation>Kijivu</translation>
    </message>
    <message>
        <source>Gold tint</source>
        <translation>Rangi ya dhahabu</translation>
    </message>
    <message>
        <source>%app model</source>
        <translation>Modeli ya %app</translation>
    </message>
    <message>
        <source>Ollama</source>
        <translation>Ollama</translation>
    </message>
    <message>
        <source>Local server</source>
        <translation>Seva ya ndani</translation>
    </message>
    <message>
        <source>Runs on this computer after a one-time download. Works offline.</source>
        <translation>Inaendeshwa kwenye kompyuta hii baada ya upakuaji wa mara moja. Hufanya kazi bila mtandao.</translation>
    </message>
    <message>
        <source>Any model you run in Ollama, base models included.</source>
        <translation>Modeli yoyote unayoendesha katika Ollama, zikiwemo modeli za msingi.</translation>
    </message>
    <message>
        <source>LM Studio, llama-server or any OpenAI-compatible endpoint.</source>
        <translation>LM Studio, llama-server au endpoint yoyote inayooana na OpenAI.</translation>
    </message>
    <message>
        <source>Sends the text as keystrokes. Works almost everywhere.</source>
        <translation>Hutuma maandishi kama mibonyezo ya vitufe. Hufanya kazi karibu kila mahali.</translation>
    </message>
    <message>
        <source>Uses the clipboard, then puts your clipboard back.</source>
        <translation>Hutumia ubao wa kunakili, kisha hurudisha yaliyokuwa ndani yake.</translation>
    </message>
    <message>
        <source>Accessibility</source>
        <translation>Ufikivu</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Kubandika</translation>
    </message>
    <message>
        <source>Your writing memory could not be opened and was set aside. Nothing new is remembered until %app starts again.</source>
        <translation>Kumbukumbu yako ya uandishi haikuweza kufunguliwa na imewekwa kando. Hakuna jipya litakalokumbukwa hadi %app ianze tena.</translation>
    </message>
    <message>
        <source>Your writing memory could not be opened because its key could not be read from the keyring. Nothing new is remembered until %app starts again.</source>
        <translation>Kumbukumbu yako ya uandishi haikuweza kufunguliwa kwa sababu ufunguo wake haukuweza kusomwa kutoka hifadhi ya funguo. Hakuna jipya litakalokumbukwa hadi %app ianze tena.</translation>
    </message>
    <message>
        <source>Not Now</source>
        <translation>Si sasa</translation>
    </message>
    <message>
        <source>Open the desktop&apos;s settings</source>
        <translation>Fungua mipangilio ya eneo-kazi</translation>
    </message>
    <message>
        <source>Don&apos;t remind me again</source>
        <translation>Usinikumbushe tena</translation>
    </message>
    <message>
        <source>Open Playground</source>
        <translation>Fungua sehemu ya mazoezi</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Mipangilio</translation>
    </message>
    <message>
        <source>Quit %app</source>
        <translation>Funga %app</translation>
    </message>
    <message>
        <source>Needs Accessibility access</source>
        <translation>Inahitaji ruhusa ya Ufikivu</translation>
    </message>
    <message>
        <source>Paused until you resume</source>
        <translation>Imesitishwa hadi uendelee</translation>
    </message>
    <message>
        <source>Paused until %1</source>
        <translation>Imesitishwa hadi %1</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Imezimwa</translation>
    </message>
    <message numerus="yes">
        <source>Paused while %1 are open</source>
        <translation>
            <numerusform>Imesitishwa wakati %1 iko wazi</numerusform>
            <numerusform>Imesitishwa wakati %1 ziko wazi</numerusform>
        </translation>
    </message>
    <message>
        <source>Grant Accessibility Access…</source>
        <translation>Toa ruhusa ya Ufikivu…</translation>
    </message>
    <message numerus="yes">
        <source>Force Quit %1</source>
        <translation>
            <numerusform>Lazimisha kufunga %1</numerusform>
            <numerusform>Lazimisha kufunga %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Quit %1</source>
        <translation>
            <numerusform>Funga %1</numerusform>
            <numerusform>Funga %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>words saved today</source>
        <translation>
            <numerusform>neno limeokolewa leo</numerusform>
            <numerusform>maneno yameokolewa leo</numerusform>
        </translation>
    </message>
    <message>
        <source>Start typing anywhere. %app keeps count here.</source>
        <translation>Anza kuandika popote. %app inahesabu hapa.</translation>
    </message>
    <message>
        <source>Resume in %1</source>
        <translation>Endelea katika %1</translation>
    </message>
    <message>
        <source>Pause in %1</source>
        <translation>Sitisha katika %1</translation>
    </message>
    <message>
        <source>Resume Everywhere</source>
        <translation>Endelea kila mahali</translation>
    </message>
    <message>
        <source>Pause Everywhere</source>
        <translation>Sitisha kila mahali</translation>
    </message>
    <message>
        <source>For 15 Minutes</source>
        <translation>Kwa dakika 15</translation>
    </message>
    <message>
        <source>For 1 Hour</source>
        <translation>Kwa saa 1</translation>
    </message>
    <message>
        <source>For 4 Hours</source>
        <translation>Kwa saa 4</translation>
    </message>
    <message>
        <source>Until I Resume</source>
        <translation>Hadi niendelee</translation>
    </message>
    <message>
        <source>Example: after typing %1, %2 suggests %3</source>
        <translation>Mfano: baada ya kuandika “%1”, %2 inapendekeza “%3”</translation>
    </message>
    <message>
        <source>takes the next word</source>
        <translation>inachukua neno linalofuata</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Pakua</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Ghairi</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 kati ya %2</translation>
    </message>
    <message>
        <source>%1 of %2. You can keep writing while it downloads.</source>
        <translation>%1 kati ya %2. Unaweza kuendelea kuandika wakati inapakua.</translation>
    </message>
    <message>
        <source>Checking the download</source>
        <translation>Inakagua faili iliyopakuliwa</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Jaribu tena</translation>
    </message>
    <message>
        <source>Remove…</source>
        <translation>Ondoa…</translation>
    </message>
    <message>
        <source>%1 license</source>
        <translation>Leseni ya %1</translation>
    </message>
    <message>
        <source>Remove the %app model?</source>
        <translation>Ungependa kuondoa modeli ya %app?</translation>
    </message>
    <message>
        <source>Model download</source>
        <translation>Upakuaji wa modeli</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Ondoa</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Endelea</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Baadaye</translation>
    </message>
    <message>
        <source>Start Writing</source>
        <translation>Anza kuandika</translation>
    </message>
    <message>
        <source>Finish your sentences in any app.</source>
        <translation>Inakamilisha sentensi zako katika programu yoyote.</translation>
    </message>
    <message>
        <source>%app reads the words before your caret and suggests what comes next in grey. Press Tab to take one word, or the key above Tab to take the rest. If you don&apos;t want it, keep typing.</source>
        <translation>%app inasoma maneno yaliyo kabla ya kishale na kupendekeza kwa kijivu kinachofuata. Bonyeza Tab kuchukua neno moja, au kitufe kilicho juu ya Tab kuchukua yaliyobaki. Ikiwa hulitaki, endelea tu kuandika.</translation>
    </message>
    <message>
        <source>Sees what you see</source>
        <translation>Inaona unachoona</translation>
    </message>
    <message>
        <source>Private</source>
        <translation>Faragha</translation>
    </message>
    <message>
        <source>It reads the window you&apos;re typing in, like the chat you&apos;re answering, so suggestions fit. None of it goes online, to us or any server. It stays private on your computer.</source>
        <translation>Inasoma dirisha unaloandikia, kama gumzo unalojibu, ili mapendekezo yafae. Hakuna chochote kati ya hayo kinachoenda mtandaoni, kwetu au kwa seva yoyote. Kinabaki faragha kwenye kompyuta yako.</translation>
    </message>
    <message>
        <source>Accessibility is on</source>
        <translation>Ufikivu umewashwa</translation>
    </message>
    <message>
        <source>%app can now read the field you&apos;re writing in and type suggestions for you.</source>
        <translation>Sasa %app inaweza kusoma sehemu unayoandikia na kukuandikia mapendekezo.</translation>
    </message>
    <message>
        <source>Let %app see what you type.</source>
        <translation>Ruhusu %app ione unachoandika.</translation>
    </message>
    <message>
        <source>%app reads your text when you pause and forgets it after one suggestion, unless you turn on writing memory.</source>
        <translation>%app inasoma maandishi yako unaposimama kuandika na kuyasahau baada ya pendekezo moja, isipokuwa uwashe kumbukumbu ya uandishi.</translation>
    </message>
    <message>
        <source>%app skips password fields and anything else the system marks as secure.</source>
        <translation>%app inaruka sehemu za nenosiri na chochote kingine ambacho mfumo unakiwekea alama ya salama.</translation>
    </message>
    <message>
        <source>Open Accessibility Settings</source>
        <translation>Fungua mipangilio ya Ufikivu</translation>
    </message>
    <message>
        <source>Pick what writes your suggestions.</source>
        <translation>Chagua injini itakayoandika mapendekezo yako.</translation>
    </message>
    <message>
        <source>You can change this any time in Settings.</source>
        <translation>Unaweza kubadilisha hili wakati wowote katika Mipangilio.</translation>
    </message>
    <message>
        <source>Give it a try.</source>
        <translation>Ijaribu.</translation>
    </message>
    <message>
        <source>Start typing a sentence. When grey words appear, press Tab for one word or the key above Tab for all of them.</source>
        <translation>Anza kuandika sentensi. Maneno ya kijivu yanapoonekana, bonyeza Tab kwa neno moja au kitufe kilicho juu ya Tab kwa yote.</translation>
    </message>
    <message>
        <source>Hi Orlenn, thanks for the quick reply. I think we should</source>
        <translation>Habari Orlenn, asante kwa jibu la haraka. Nadhani tunapaswa</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Rudi</translation>
    </message>
    <message>
        <source>Practice field</source>
        <translation>Sehemu ya mazoezi</translation>
    </message>
    <message>
        <source>Default, on</source>
        <translation>Chaguomsingi, imewashwa</translation>
    </message>
    <message>
        <source>Default, off</source>
        <translation>Chaguomsingi, imezimwa</translation>
    </message>
    <message>
        <source>Add a website</source>
        <translation>Ongeza tovuti</translation>
    </message>
    <message>
        <source>Domain</source>
        <translation>Kikoa</translation>
    </message>
    <message>
        <source>Rules for a site apply in any browser %app can read.</source>
        <translation>Sheria za tovuti zinatumika katika kivinjari chochote ambacho %app inaweza kusoma.</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ongeza</translation>
    </message>
    <message>
        <source>Add App…</source>
        <translation>Ongeza programu…</translation>
    </message>
    <message>
        <source>Add an app</source>
        <translation>Ongeza programu</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Tafuta</translation>
    </message>
    <message>
        <source>Clear search</source>
        <translation>Futa utafutaji</translation>
    </message>
    <message>
        <source>Add an app or website</source>
        <translation>Ongeza programu au tovuti</translation>
    </message>
    <message>
        <source>Add Website…</source>
        <translation>Ongeza tovuti…</translation>
    </message>
    <message>
        <source>Apps &amp; Sites</source>
        <translation>Programu na tovuti</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Imesitishwa</translation>
    </message>
    <message>
        <source>Apps</source>
        <translation>Programu</translation>
    </message>
    <message>
        <source>Websites</source>
        <translation>Tovuti</translation>
    </message>
    <message>
        <source>No matches</source>
        <translation>Hakuna vinavyolingana</translation>
    </message>
    <message>
        <source>No apps yet</source>
        <translation>Bado hakuna programu</translation>
    </message>
    <message>
        <source>Nothing matches “%1”.</source>
        <translation>Hakuna kinacholingana na “%1”.</translation>
    </message>
    <message>
        <source>Apps appear here once you accept a suggestion in them, or add one with +.</source>
        <translation>Programu zinaonekana hapa mara unapokubali pendekezo ndani yake, au ongeza moja kwa +.</translation>
    </message>
    <message>
        <source>Pick an app or site</source>
        <translation>Chagua programu au tovuti</translation>
    </message>
    <message>
        <source>Each one can have its own rules. Anything you don&apos;t change follows General.</source>
        <translation>Kila moja inaweza kuwa na sheria zake. Chochote usichobadilisha kinafuata Jumla.</translation>
    </message>
    <message>
        <source>Words saved here</source>
        <translation>Maneno yaliyookolewa hapa</translation>
    </message>
    <message>
        <source>Suggestions</source>
        <translation>Mapendekezo</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Imewashwa</translation>
    </message>
    <message>
        <source>Tab accepts suggestions</source>
        <translation>Tab inakubali mapendekezo</translation>
    </message>
    <message>
        <source>Turn off where Tab already means something, like indenting. The other accept key still works.</source>
        <translation>Zima mahali ambapo Tab tayari ina kazi, kama kuongeza ujongezaji. Kitufe kingine cha kukubali bado kinafanya kazi.</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Chaguomsingi</translation>
    </message>
    <message>
        <source>Insert by</source>
        <translation>Njia ya kuingiza</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Urefu</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Endelea</translation>
    </message>
    <message>
        <source>Pause here</source>
        <translation>Sitisha hapa</translation>
    </message>
    <message>
        <source>Memory</source>
        <translation>Kumbukumbu</translation>
    </message>
    <message>
        <source>Remember my writing here</source>
        <translation>Kumbuka jinsi ninavyoandika hapa</translation>
    </message>
    <message>
        <source>Writing memory is off in Your Voice.</source>
        <translation>Kumbukumbu ya uandishi imezimwa katika Mtindo wako.</translation>
    </message>
    <message>
        <source>Erase…</source>
        <translation>Futa…</translation>
    </message>
    <message>
        <source>Reset to Defaults</source>
        <translation>Rejesha chaguomsingi</translation>
    </message>
    <message>
        <source>Erase what %app remembered from %1?</source>
        <translation>Ungependa kufuta kile %app ilichokumbuka kutoka %1?</translation>
    </message>
    <message>
        <source>Erase</source>
        <translation>Futa</translation>
    </message>
    <message>
        <source>Passages from this app can shape suggestions everywhere.</source>
        <translation>Vifungu kutoka programu hii vinaweza kuathiri mapendekezo kila mahali.</translation>
    </message>
    <message>
        <source>Finish setting up</source>
        <translation>Maliza kuweka mipangilio</translation>
    </message>
    <message>
        <source>Setup progress</source>
        <translation>Maendeleo ya kuweka mipangilio</translation>
    </message>
    <message>
        <source>Done: %1</source>
        <translation>Imekamilika: %1</translation>
    </message>
    <message>
        <source>Best day yet!</source>
        <translation>Siku bora hadi sasa!</translation>
    </message>
    <message>
        <source>Try it here</source>
        <translation>Ijaribu hapa</translation>
    </message>
    <message>
        <source>Thanks for sending the draft over. I had a look and</source>
        <translation>Asante kwa kutuma rasimu. Nimeiangalia na</translation>
    </message>
    <message>
        <source>next word</source>
        <translation>neno linalofuata</translation>
    </message>
    <message>
        <source>whole suggestion</source>
        <translation>pendekezo zima</translation>
    </message>
    <message>
        <source>hide it</source>
        <translation>ficha</translation>
    </message>
    <message>
        <source>This field runs the real engine. Start typing and grey words show up as you go.</source>
        <translation>Sehemu hii inaendesha injini halisi. Anza kuandika na maneno ya kijivu yataonekana unapoendelea.</translation>
    </message>
    <message>
        <source>This field runs the real engine, even before you allow Accessibility. Start typing and grey words show up as you go.</source>
        <translation>Sehemu hii inaendesha injini halisi, hata kabla hujaruhusu Ufikivu. Anza kuandika na maneno ya kijivu yataonekana unapoendelea.</translation>
    </message>
    <message>
        <source>You&apos;re all set</source>
        <translation>Uko tayari</translation>
    </message>
    <message>
        <source>Accessibility is on and %1 is ready. %app works in every app you type in.</source>
        <translation>Ufikivu umewashwa na %1 iko tayari. %app inafanya kazi katika kila programu unayoandikia.</translation>
    </message>
    <message>
        <source>Waiting for %1 to quit</source>
        <translation>Inasubiri %1 ifungwe</translation>
    </message>
    <message>
        <source>Turned off</source>
        <translation>Imezimwa</translation>
    </message>
    <message>
        <source>Paused everywhere</source>
        <translation>Imesitishwa kila mahali</translation>
    </message>
    <message>
        <source>%1, %2 typical wait</source>
        <translation>%1, kusubiri kwa kawaida %2</translation>
    </message>
    <message>
        <source>Start your streak today.</source>
        <translation>Anza mfululizo wako leo.</translation>
    </message>
    <message>
        <source>Overview</source>
        <translation>Muhtasari</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Jumla</translation>
    </message>
    <message>
        <source>Engine</source>
        <translation>Injini</translation>
    </message>
    <message>
        <source>Context</source>
        <translation>Muktadha</translation>
    </message>
    <message>
        <source>Your Voice</source>
        <translation>Mtindo wako</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Vitufe</translation>
    </message>
    <message>
        <source>Emoji</source>
        <translation>Emoji</translation>
    </message>
    <message>
        <source>Battery</source>
        <translation>Betri</translation>
    </message>
    <message>
        <source>Insights</source>
        <translation>Takwimu</translation>
    </message>
    <message>
        <source>Field Inspector</source>
        <translation>Mkaguzi wa sehemu</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Kuhusu</translation>
    </message>
    <message>
        <source>How %app is doing today</source>
        <translation>Jinsi %app inavyoendelea leo</translation>
    </message>
    <message>
        <source>Where and how suggestions appear</source>
        <translation>Mahali na jinsi mapendekezo yanavyoonekana</translation>
    </message>
    <message>
        <source>The model that writes your suggestions</source>
        <translation>Modeli inayoandika mapendekezo yako</translation>
    </message>
    <message>
        <source>What %app may look at to guess better</source>
        <translation>Kile %app inaruhusiwa kuangalia ili ikisie vizuri zaidi</translation>
    </message>
    <message>
        <source>Help suggestions sound like you</source>
        <translation>Mapendekezo yasikike kama wewe</translation>
    </message>
    <message>
        <source>Accept, dismiss and summon suggestions</source>
        <translation>Kukubali, kuondoa na kuita mapendekezo</translation>
    </message>
    <message>
        <source>Emoji search and emoticons</source>
        <translation>Utafutaji wa emoji na vikaragosi</translation>
    </message>
    <message>
        <source>Rules for each app and website</source>
        <translation>Sheria kwa kila programu na tovuti</translation>
    </message>
    <message>
        <source>Save power when you&apos;re unplugged</source>
        <translation>Okoa nishati kompyuta isipochomekwa</translation>
    </message>
    <message>
        <source>Words saved and how fast suggestions arrive</source>
        <translation>Maneno yaliyookolewa na kasi ya mapendekezo</translation>
    </message>
    <message>
        <source>What %app sees in the focused field</source>
        <translation>Kile %app inachoona katika sehemu inayotumika</translation>
    </message>
    <message>
        <source>Version and privacy</source>
        <translation>Toleo na faragha</translation>
    </message>
    <message>
        <source>Writing</source>
        <translation>Uandishi</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Uingizaji</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Sheria</translation>
    </message>
    <message>
        <source>Activity</source>
        <translation>Shughuli</translation>
    </message>
    <message>
        <source>%app can read the field you&apos;re typing in and insert suggestions in any app.</source>
        <translation>%app inaweza kusoma sehemu unayoandikia na kuingiza mapendekezo katika programu yoyote.</translation>
    </message>
    <message>
        <source>Allow Accessibility access</source>
        <translation>Ruhusu ufikiaji wa Ufikivu</translation>
    </message>
    <message>
        <source>%app needs it to read the text you type in other apps and to insert suggestions.</source>
        <translation>%app inauhitaji ili kusoma maandishi unayoandika katika programu nyingine na kuingiza mapendekezo.</translation>
    </message>
    <message>
        <source>Allow…</source>
        <translation>Ruhusu…</translation>
    </message>
    <message>
        <source>%1 is ready</source>
        <translation>%1 iko tayari</translation>
    </message>
    <message>
        <source>Checking %1</source>
        <translation>Inakagua %1</translation>
    </message>
    <message>
        <source>This takes a moment.</source>
        <translation>Hii inachukua muda kidogo.</translation>
    </message>
    <message>
        <source>Your engine isn&apos;t ready</source>
        <translation>Injini yako haiko tayari</translation>
    </message>
    <message>
        <source>Open Engine</source>
        <translation>Fungua Injini</translation>
    </message>
    <message>
        <source>The system&apos;s predictions are off</source>
        <translation>Ubashiri wa mfumo umezimwa</translation>
    </message>
    <message>
        <source>Only %app&apos;s suggestions appear while you type.</source>
        <translation>Mapendekezo ya %app pekee ndiyo yanaonekana unapoandika.</translation>
    </message>
    <message>
        <source>Turn off the system&apos;s predictions</source>
        <translation>Zima ubashiri wa mfumo</translation>
    </message>
    <message>
        <source>The system shows its own grey suggestions on top of %app&apos;s. Each app picks up the change the next time you open it.</source>
        <translation>Mfumo unaonyesha mapendekezo yake ya kijivu juu ya yale ya %app. Kila programu itapokea mabadiliko utakapoifungua tena.</translation>
    </message>
    <message>
        <source>Keyboard Settings</source>
        <translation>Mipangilio ya kibodi</translation>
    </message>
    <message>
        <source>Turn Off</source>
        <translation>Zima</translation>
    </message>
    <message>
        <source>Only %app is suggesting</source>
        <translation>%app pekee ndiyo inapendekeza</translation>
    </message>
    <message>
        <source>Tab reaches %app again.</source>
        <translation>Tab inafika tena kwa %app.</translation>
    </message>
    <message numerus="yes">
        <source>%1 didn&apos;t quit. They may be showing a dialog. Force Quit closes them right away.</source>
        <translation>
            <numerusform>%1 haikufungwa. Huenda inaonyesha kidirisha. “Lazimisha kufunga” huifunga mara moja.</numerusform>
            <numerusform>%1 hazikufungwa. Huenda zinaonyesha kidirisha. “Lazimisha kufunga” huzifunga mara moja.</numerusform>
        </translation>
    </message>
    <message>
        <source>Force Quit</source>
        <translation>Lazimisha kufunga</translation>
    </message>
    <message numerus="yes">
        <source>%1 take the Tab key before %app can, so %app stays paused in your other apps until you quit them.</source>
        <translation>
            <numerusform>%1 inachukua kitufe cha Tab kabla %app haijaweza, kwa hivyo %app inabaki imesitishwa katika programu zako nyingine hadi uifunge.</numerusform>
            <numerusform>%1 zinachukua kitufe cha Tab kabla %app haijaweza, kwa hivyo %app inabaki imesitishwa katika programu zako nyingine hadi uzifunge.</numerusform>
        </translation>
    </message>
    <message>
        <source>Only when I ask</source>
        <translation>Ninapoomba tu</translation>
    </message>
    <message>
        <source>On battery, suggestions appear only after you press the Suggest Now shortcut.</source>
        <translation>Ukiwa kwenye betri, mapendekezo yanaonekana tu baada ya kubonyeza njia ya mkato ya “Pendekeza sasa”.</translation>
    </message>
    <message>
        <source>Shorter suggestions</source>
        <translation>Mapendekezo mafupi zaidi</translation>
    </message>
    <message>
        <source>Fewer words take less power to write.</source>
        <translation>Maneno machache hutumia nishati kidogo.</translation>
    </message>
    <message>
        <source>Lighter model</source>
        <translation>Modeli nyepesi zaidi</translation>
    </message>
    <message>
        <source>Same as plugged in</source>
        <translation>Sawa na ikiwa imechomekwa</translation>
    </message>
    <message>
        <source>Running on battery. These apply right now.</source>
        <translation>Inatumia betri. Mipangilio hii inatumika sasa.</translation>
    </message>
    <message>
        <source>Plugged in. These wait until you unplug.</source>
        <translation>Imechomekwa. Mipangilio hii inasubiri hadi uchomoe.</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modeli</translation>
    </message>
    <message>
        <source>Model name</source>
        <translation>Jina la modeli</translation>
    </message>
    <message>
        <source>Reload the model list</source>
        <translation>Sasisha orodha ya modeli</translation>
    </message>
    <message>
        <source>Choose a model</source>
        <translation>Chagua modeli</translation>
    </message>
    <message>
        <source>For people who already run Ollama, LM Studio or llama-server.</source>
        <translation>Kwa wanaoendesha tayari Ollama, LM Studio au llama-server.</translation>
    </message>
    <message>
        <source>Use your own model</source>
        <translation>Tumia modeli yako mwenyewe</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Anwani</translation>
    </message>
    <message>
        <source>API key</source>
        <translation>Ufunguo wa API</translation>
    </message>
    <message>
        <source>Only if your server asks for one</source>
        <translation>Ikiwa tu seva yako inauomba</translation>
    </message>
    <message>
        <source>Focused</source>
        <translation>Makini</translation>
    </message>
    <message>
        <source>Creativity</source>
        <translation>Ubunifu</translation>
    </message>
    <message>
        <source>Loose</source>
        <translation>Huru</translation>
    </message>
    <message>
        <source>Lower stays close to the obvious next words. Higher tries more.</source>
        <translation>Thamani ya chini hubaki karibu na maneno yanayotarajiwa. Thamani ya juu hujaribu zaidi.</translation>
    </message>
    <message>
        <source>Wait before suggesting</source>
        <translation>Kusubiri kabla ya kupendekeza</translation>
    </message>
    <message>
        <source>How long you pause before %app starts.</source>
        <translation>Muda unaohitaji kusimama kabla %app haijaanza.</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Endesha</translation>
    </message>
    <message>
        <source>Try the engine</source>
        <translation>Jaribu injini</translation>
    </message>
    <message>
        <source>Sends a sample sentence and shows what comes back.</source>
        <translation>Hutuma sentensi ya mfano na kuonyesha kinachorudi.</translation>
    </message>
    <message>
        <source>Running…</source>
        <translation>Inaendesha…</translation>
    </message>
    <message>
        <source>The engine answered in %1 but had nothing useful to add.</source>
        <translation>Injini ilijibu baada ya %1 lakini haikuwa na cha maana kuongeza.</translation>
    </message>
    <message>
        <source>That didn&apos;t work: %1</source>
        <translation>Hilo halikufanya kazi: %1</translation>
    </message>
    <message>
        <source>The request was cancelled.</source>
        <translation>Ombi limeghairiwa.</translation>
    </message>
    <message>
        <source>Startup</source>
        <translation>Kuanzisha</translation>
    </message>
    <message>
        <source>Launch at login</source>
        <translation>Fungua unapoingia</translation>
    </message>
    <message>
        <source>Show today&apos;s word count next to the icon</source>
        <translation>Onyesha idadi ya maneno ya leo kando ya aikoni</translation>
    </message>
    <message>
        <source>Where suggestions appear</source>
        <translation>Mahali mapendekezo yanapoonekana</translation>
    </message>
    <message>
        <source>Turn this off to use %app only in the apps you switch on under Apps &amp; Sites.</source>
        <translation>Zima hii ili kutumia %app tu katika programu unazowasha katika Programu na tovuti.</translation>
    </message>
    <message>
        <source>By default %app waits until the caret is at the end of a line.</source>
        <translation>Kwa chaguomsingi %app inasubiri hadi kishale kiwe mwishoni mwa mstari.</translation>
    </message>
    <message>
        <source>Without this, %app skips search bars and one-word boxes.</source>
        <translation>Bila hii, %app inaruka pau za utafutaji na visanduku vya neno moja.</translation>
    </message>
    <message>
        <source>Suggestions appear only after you press the Suggest Now shortcut.</source>
        <translation>Mapendekezo yanaonekana tu baada ya kubonyeza njia ya mkato ya “Pendekeza sasa”.</translation>
    </message>
    <message>
        <source>Spelling</source>
        <translation>Tahajia</translation>
    </message>
    <message>
        <source>Waits while the word you&apos;re typing looks misspelled, so %app doesn&apos;t build on a typo.</source>
        <translation>Inasubiri wakati neno unaloandika linaonekana kuwa na kosa la tahajia, ili %app isijenge juu ya kosa.</translation>
    </message>
    <message>
        <source>After a misspelled word, shows a fix next to the caret. Press Tab to swap it in.</source>
        <translation>Baada ya neno lenye kosa la tahajia, inaonyesha sahihisho kando ya kishale. Bonyeza Tab kulibadilisha.</translation>
    </message>
    <message>
        <source>Look</source>
        <translation>Mwonekano</translation>
    </message>
    <message>
        <source>Suggestion color</source>
        <translation>Rangi ya pendekezo</translation>
    </message>
    <message>
        <source>Text size</source>
        <translation>Ukubwa wa maandishi</translation>
    </message>
    <message>
        <source>Fine-tune if suggestions look larger or smaller than your text.</source>
        <translation>Rekebisha ikiwa mapendekezo yanaonekana makubwa au madogo kuliko maandishi yako.</translation>
    </message>
    <message>
        <source>Vertical position</source>
        <translation>Nafasi ya wima</translation>
    </message>
    <message>
        <source>Nudge suggestions up or down to line up with your text.</source>
        <translation>Sogeza mapendekezo juu au chini yalingane na maandishi yako.</translation>
    </message>
    <message>
        <source>A small keycap after your first suggestions, as a reminder of what to press.</source>
        <translation>Alama ndogo ya kitufe baada ya mapendekezo yako ya kwanza, kukukumbusha cha kubonyeza.</translation>
    </message>
    <message>
        <source>Insert suggestions by</source>
        <translation>Njia ya kuingiza mapendekezo</translation>
    </message>
    <message>
        <source>Other autocomplete apps</source>
        <translation>Programu nyingine za ukamilishaji otomatiki</translation>
    </message>
    <message>
        <source>They take the Tab key before %app can. With this off, %app asks you first.</source>
        <translation>Zinachukua kitufe cha Tab kabla %app haijaweza. Hii ikiwa imezimwa, %app itakuuliza kwanza.</translation>
    </message>
    <message>
        <source>%1 is another device on your network, so the text around your caret will be sent there.</source>
        <translation>%1 ni kifaa kingine kwenye mtandao wako, kwa hivyo maandishi yaliyo karibu na kishale chako yatatumwa huko.</translation>
    </message>
    <message>
        <source>%1 isn&apos;t this computer, so the text around your caret will be sent there.</source>
        <translation>%1 si kompyuta hii, kwa hivyo maandishi yaliyo karibu na kishale chako yatatumwa huko.</translation>
    </message>
    <message>
        <source>Both keep your text on this computer.</source>
        <translation>Zote mbili huweka maandishi yako kwenye kompyuta hii.</translation>
    </message>
    <message>
        <source>%app opens by itself when you start your computer.</source>
        <translation>%app hufunguka yenyewe unapowasha kompyuta yako.</translation>
    </message>
    <message>
        <source>System predictions</source>
        <translation>Ubashiri wa mfumo</translation>
    </message>
    <message>
        <source>The system can show its own grey predictions. Keeping them off avoids two suggestions at once.</source>
        <translation>Mfumo unaweza kuonyesha ubashiri wake wa kijivu. Kuuacha umezimwa huzuia mapendekezo mawili kwa wakati mmoja.</translation>
    </message>
    <message>
        <source>System predictions are on</source>
        <translation>Ubashiri wa mfumo umewashwa</translation>
    </message>
    <message>
        <source>System predictions are off</source>
        <translation>Ubashiri wa mfumo umezimwa</translation>
    </message>
    <message>
        <source>tab</source>
        <translation>tab</translation>
    </message>
    <message>
        <source>Your next words, one Tab away.</source>
        <translation>Maneno yako yanayofuata, umbali wa Tab moja.</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Ruka</translation>
    </message>
    <message>
        <source>Get Started</source>
        <translation>Anza</translation>
    </message>
    <message>
        <source>Turn sound on</source>
        <translation>Washa sauti</translation>
    </message>
    <message>
        <source>Turn sound off</source>
        <translation>Zima sauti</translation>
    </message>
    <message>
        <source>The other app</source>
        <translation>Programu nyingine</translation>
    </message>
    <message numerus="yes">
        <source>Next time, quit %1 without asking</source>
        <translation>
            <numerusform>Wakati ujao, funga %1 bila kuuliza</numerusform>
            <numerusform>Wakati ujao, funga %1 bila kuuliza</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 is also running</source>
        <translation>
            <numerusform>%1 inaendeshwa pia</numerusform>
            <numerusform>%1 zinaendeshwa pia</numerusform>
        </translation>
    </message>
    <message>
        <source>Quitting…</source>
        <translation>Inafunga…</translation>
    </message>
    <message numerus="yes">
        <source>%1 is still open</source>
        <translation>
            <numerusform>%1 bado iko wazi</numerusform>
            <numerusform>%1 bado ziko wazi</numerusform>
        </translation>
    </message>
    <message>
        <source>%app has the Tab key</source>
        <translation>%app ina kitufe cha Tab</translation>
    </message>
    <message>
        <source>%1 quit, so your suggestions are back in every app.</source>
        <translation>%1 imefungwa, kwa hivyo mapendekezo yako yamerudi katika kila programu.</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Imekamilika</translation>
    </message>
    <message>
        <source>Open Source Notices</source>
        <translation>Leseni za programu huria</translation>
    </message>
    <message>
        <source>Reset all settings?</source>
        <translation>Ungependa kuweka upya mipangilio yote?</translation>
    </message>
    <message>
        <source>This also clears your rules for apps and sites. Your statistics and writing memory stay.</source>
        <translation>Hii pia inafuta sheria zako za programu na tovuti. Takwimu zako na kumbukumbu ya uandishi zinabaki.</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Weka upya</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Toleo %1</translation>
    </message>
    <message>
        <source>Some apps hide their text</source>
        <translation>Baadhi ya programu huficha maandishi yao</translation>
    </message>
    <message>
        <source>Suggest emoji after a colon</source>
        <translation>Pendekeza emoji baada ya nukta mbili</translation>
    </message>
    <message>
        <source>Turn emoticons into emoji</source>
        <translation>Badilisha vikaragosi kuwa emoji</translation>
    </message>
    <message>
        <source>After :-) or &lt;3, %app offers the matching emoji. Press Tab to swap it in.</source>
        <translation>Baada ya :-) au &lt;3, %app inatoa emoji inayolingana. Bonyeza Tab kuiweka.</translation>
    </message>
    <message>
        <source>Skin tone</source>
        <translation>Rangi ya ngozi</translation>
    </message>
    <message>
        <source>Also show the default yellow</source>
        <translation>Onyesha pia manjano chaguomsingi</translation>
    </message>
    <message>
        <source>Try a word</source>
        <translation>Jaribu neno</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Hafifu</translation>
    </message>
    <message>
        <source>No emoji match “%1”</source>
        <translation>Hakuna emoji inayolingana na “%1”</translation>
    </message>
    <message>
        <source>Accepting</source>
        <translation>Kukubali</translation>
    </message>
    <message>
        <source>Take the next word</source>
        <translation>Chukua neno linalofuata</translation>
    </message>
    <message>
        <source>Press again for each following word.</source>
        <translation>Bonyeza tena kwa kila neno linalofuata.</translation>
    </message>
    <message>
        <source>Take the whole suggestion</source>
        <translation>Chukua pendekezo zima</translation>
    </message>
    <message>
        <source>The key above Tab is easy to reach on most keyboards.</source>
        <translation>Kitufe kilicho juu ya Tab ni rahisi kufikia kwenye kibodi nyingi.</translation>
    </message>
    <message>
        <source>Include the space after a word</source>
        <translation>Jumuisha nafasi baada ya neno</translation>
    </message>
    <message>
        <source>Include punctuation right after a word</source>
        <translation>Jumuisha alama za uakifishaji zilizo mara baada ya neno</translation>
    </message>
    <message>
        <source>When you press Escape</source>
        <translation>Unapobonyeza Escape</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Njia za mkato</translation>
    </message>
    <message>
        <source>Suggest now</source>
        <translation>Pendekeza sasa</translation>
    </message>
    <message>
        <source>Asks for a suggestion right away, even where %app would normally wait.</source>
        <translation>Huomba pendekezo mara moja, hata mahali ambapo %app kwa kawaida ingesubiri.</translation>
    </message>
    <message>
        <source>Other suggestions</source>
        <translation>Mapendekezo mengine</translation>
    </message>
    <message>
        <source>Lists a few different ways to continue. Choose with the arrow keys, then press Tab.</source>
        <translation>Huorodhesha njia chache tofauti za kuendelea. Chagua kwa vitufe vya mishale, kisha bonyeza Tab.</translation>
    </message>
    <message>
        <source>Pause or resume in this app</source>
        <translation>Sitisha au endelea katika programu hii</translation>
    </message>
    <message>
        <source>Pauses for 15 minutes.</source>
        <translation>Husitisha kwa dakika 15.</translation>
    </message>
    <message>
        <source>Turn %app on or off</source>
        <translation>Washa au zima %app</translation>
    </message>
    <message>
        <source>Everywhere, until you press it again.</source>
        <translation>Kila mahali, hadi uibonyeze tena.</translation>
    </message>
    <message>
        <source>Pause or resume</source>
        <translation>Sitisha au endelea</translation>
    </message>
    <message>
        <source>Turn on or off</source>
        <translation>Washa au zima</translation>
    </message>
    <message>
        <source>%1 and %2 use the same keys. Only the first will work.</source>
        <translation>%1 na %2 zinatumia vitufe vilevile. Ya kwanza pekee ndiyo itafanya kazi.</translation>
    </message>
    <message>
        <source>About you</source>
        <translation>Kukuhusu</translation>
    </message>
    <message>
        <source>For example: I&apos;m a product designer in Berlin. I write short, friendly emails in British English and sign off with Cheers.</source>
        <translation>Kwa mfano: Mimi ni mbunifu wa bidhaa huko Berlin. Ninaandika barua pepe fupi na za kirafiki kwa Kiingereza cha Uingereza na kumalizia kwa Cheers.</translation>
    </message>
    <message>
        <source>Your role, the languages you write in, names you use often, how you like to sound.</source>
        <translation>Jukumu lako, lugha unazoandika, majina unayotumia mara kwa mara, jinsi unavyopenda kusikika.</translation>
    </message>
    <message>
        <source>Writing memory</source>
        <translation>Kumbukumbu ya uandishi</translation>
    </message>
    <message>
        <source>Remember how I write</source>
        <translation>Kumbuka jinsi ninavyoandika</translation>
    </message>
    <message>
        <source>Also remember fields where I accept nothing</source>
        <translation>Kumbuka pia sehemu ambazo sikubali chochote</translation>
    </message>
    <message>
        <source>%app learns your style sooner but keeps more of what you type.</source>
        <translation>%app inajifunza mtindo wako mapema zaidi lakini inahifadhi zaidi ya unachoandika.</translation>
    </message>
    <message>
        <source>Influence</source>
        <translation>Ushawishi</translation>
    </message>
    <message>
        <source>Strong</source>
        <translation>Imara</translation>
    </message>
    <message>
        <source>How many of your passages each suggestion can draw on.</source>
        <translation>Ni vifungu vyako vingapi kila pendekezo linaweza kutumia.</translation>
    </message>
    <message>
        <source>Erase All…</source>
        <translation>Futa vyote…</translation>
    </message>
    <message>
        <source>Erase everything %app remembered?</source>
        <translation>Ungependa kufuta kila kitu %app ilichokumbuka?</translation>
    </message>
    <message>
        <source>This can&apos;t be undone.</source>
        <translation>Hili haliwezi kutenduliwa.</translation>
    </message>
    <message>
        <source>Erase All</source>
        <translation>Futa vyote</translation>
    </message>
    <message>
        <source>Nothing remembered yet</source>
        <translation>Bado hakuna kilichokumbukwa</translation>
    </message>
    <message>
        <source>App and window name</source>
        <translation>Jina la programu na dirisha</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>Tovuti</translation>
    </message>
    <message>
        <source>The site&apos;s domain when you write in a browser.</source>
        <translation>Kikoa cha tovuti unapoandika katika kivinjari.</translation>
    </message>
    <message>
        <source>Recently copied text</source>
        <translation>Maandishi yaliyonakiliwa hivi karibuni</translation>
    </message>
    <message>
        <source>Anything you copied in the last 10 minutes. Copies from password managers are skipped.</source>
        <translation>Chochote ulichonakili katika dakika 10 zilizopita. Nakala kutoka kwa vidhibiti vya nenosiri zinarukwa.</translation>
    </message>
    <message>
        <source>Text on screen</source>
        <translation>Maandishi kwenye skrini</translation>
    </message>
    <message>
        <source>Reads the window you&apos;re writing in, so replies fit the conversation. It picks the lines closest to where you type.</source>
        <translation>Inasoma dirisha unaloandikia, ili majibu yalingane na mazungumzo. Inachagua mistari iliyo karibu zaidi na unapoandika.</translation>
    </message>
    <message>
        <source>What you just looked at</source>
        <translation>Ulichokiangalia sasa hivi</translation>
    </message>
    <message>
        <source>Windows beside you</source>
        <translation>Madirisha ya kando</translation>
    </message>
    <message>
        <source>Also reads up to two other windows on the same screen, like the document you&apos;re replying about. Skips password managers and apps you switched off.</source>
        <translation>Pia inasoma hadi madirisha mengine mawili kwenye skrini ileile, kama hati unayoijibu. Inaruka vidhibiti vya nenosiri na programu ulizozima.</translation>
    </message>
    <message>
        <source>Off in this app</source>
        <translation>Imezimwa katika programu hii</translation>
    </message>
    <message>
        <source>This word looks misspelled</source>
        <translation>Neno hili linaonekana kuwa na kosa la tahajia</translation>
    </message>
    <message>
        <source>Thanks for the notes. I&apos;ll send the revised deck</source>
        <translation>Asante kwa maelezo. Nitatuma slaidi zilizorekebishwa</translation>
    </message>
    <message>
        <source> by Friday morning.</source>
        <translation> kufikia Ijumaa asubuhi.</translation>
    </message>
    <message>
        <source>%1 quit. %app has the Tab key.</source>
        <translation>%1 imefungwa. %app ina kitufe cha Tab.</translation>
    </message>
    <message>
        <source>Open Data Folder</source>
        <translation>Fungua folda ya data</translation>
    </message>
    <message>
        <source>Show Welcome Again</source>
        <translation>Onyesha ukaribisho tena</translation>
    </message>
    <message>
        <source>Play Intro Again</source>
        <translation>Cheza utangulizi tena</translation>
    </message>
    <message>
        <source>Reset Settings…</source>
        <translation>Weka upya mipangilio…</translation>
    </message>
    <message>
        <source>Suggest in every app</source>
        <translation>Pendekeza katika kila programu</translation>
    </message>
    <message>
        <source>Suggest in code editors</source>
        <translation>Pendekeza katika vihariri vya msimbo</translation>
    </message>
    <message>
        <source>Suggest in the middle of a line</source>
        <translation>Pendekeza katikati ya mstari</translation>
    </message>
    <message>
        <source>Suggest in small fields</source>
        <translation>Pendekeza katika sehemu ndogo</translation>
    </message>
    <message>
        <source>Hold back on misspelled words</source>
        <translation>Subiri kwenye maneno yenye makosa ya tahajia</translation>
    </message>
    <message>
        <source>Offer spelling fixes</source>
        <translation>Toa marekebisho ya tahajia</translation>
    </message>
    <message>
        <source>Show the key hint</source>
        <translation>Onyesha kidokezo cha kitufe</translation>
    </message>
    <message>
        <source>Quit other autocomplete apps when they open</source>
        <translation>Funga programu nyingine za ukamilishaji otomatiki zinapofunguka</translation>
    </message>
    <message>
        <source>Keeps a few minutes of text from windows you switched away from, like a page you read before replying. It stays on your computer and skips apps you switched off.</source>
        <translation>Huhifadhi dakika chache za maandishi kutoka madirisha uliyoyaacha, kama ukurasa uliosoma kabla ya kujibu. Yanabaki kwenye kompyuta yako na huruka programu ulizozima.</translation>
    </message>
    <message numerus="yes">
        <source>Both apps answer the Tab key, and the system gives it to %1 first. %app stays paused in your other apps until %1 quits.</source>
        <translation>
            <numerusform>Programu zote mbili zinajibu kitufe cha Tab, na mfumo unakipa %1 kwanza. %app inabaki imesitishwa katika programu zako nyingine hadi %1 ifungwe.</numerusform>
            <numerusform>%1 zinachukua kitufe cha Tab kabla %app haijaweza, kwa hivyo %app inabaki imesitishwa katika programu zako nyingine hadi uzifunge.</numerusform>
        </translation>
    </message>
    <message>
        <source>Finishes your sentences in any app, on your computer.</source>
        <translation>Inakamilisha sentensi zako katika programu yoyote, kwenye kompyuta yako.</translation>
    </message>
    <message>
        <source>Keeps short passages from fields where you accepted a suggestion, encrypted on this computer, and shows them to the model as examples.</source>
        <translation>Huhifadhi vifungu vifupi kutoka sehemu ulizokubali pendekezo, vikiwa vimesimbwa kwenye kompyuta hii, na kuvionyesha modeli kama mifano.</translation>
    </message>
    <message>
        <source>Light</source>
        <comment>skin tone</comment>
        <translation>Nyeupe</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Sawa</translation>
    </message>
    <message>
        <source>Default</source>
        <comment>skin tone</comment>
        <translation>Chaguomsingi</translation>
    </message>
    <message>
        <source>Medium light</source>
        <comment>skin tone</comment>
        <translation>Nyeupe kiasi</translation>
    </message>
    <message>
        <source>Medium</source>
        <comment>skin tone</comment>
        <translation>Wastani</translation>
    </message>
    <message>
        <source>Medium dark</source>
        <comment>skin tone</comment>
        <translation>Nyeusi kiasi</translation>
    </message>
    <message>
        <source>Dark</source>
        <comment>skin tone</comment>
        <translation>Nyeusi</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Haijulikani</translation>
    </message>
    <message>
        <source>%1 × %2 pt</source>
        <translation>%1 × %2 pt</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Hapana</translation>
    </message>
    <message>
        <source>Not reported, estimated from the caret</source>
        <translation>Haijaripotiwa, imekadiriwa kutoka kishale</translation>
    </message>
    <message>
        <source>%1 %2 pt</source>
        <translation>%1 %2 pt</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Mfumo</translation>
    </message>
    <message>
        <source>Not yet</source>
        <translation>Bado</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Leo</translation>
    </message>
    <message>
        <source>Last 7 days</source>
        <translation>Siku 7 zilizopita</translation>
    </message>
    <message>
        <source>All time</source>
        <translation>Wakati wote</translation>
    </message>
    <message>
        <source>Typing saved</source>
        <translation>Uandishi uliookolewa</translation>
    </message>
    <message>
        <source>at 40 words a minute</source>
        <translation>kwa maneno 40 kwa dakika</translation>
    </message>
    <message>
        <source>Accepted</source>
        <translation>Yaliyokubaliwa</translation>
    </message>
    <message>
        <source>of suggestions shown</source>
        <translation>ya mapendekezo yaliyoonyeshwa</translation>
    </message>
    <message>
        <source>Typical wait</source>
        <translation>Kusubiri kwa kawaida</translation>
    </message>
    <message>
        <source>9 in 10 under %1</source>
        <translation>9 kati ya 10 chini ya %1</translation>
    </message>
    <message>
        <source>no requests yet</source>
        <translation>bado hakuna maombi</translation>
    </message>
    <message>
        <source>Words saved</source>
        <translation>Maneno yaliyookolewa</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>Kipindi</translation>
    </message>
    <message>
        <source>Nothing to chart yet</source>
        <translation>Bado hakuna cha kuonyesha</translation>
    </message>
    <message>
        <source>Accept a few suggestions and your days show up here.</source>
        <translation>Kubali mapendekezo machache na siku zako zitaonekana hapa.</translation>
    </message>
    <message>
        <source>Where you write</source>
        <translation>Mahali unapoandika</translation>
    </message>
    <message>
        <source>Reset Statistics…</source>
        <translation>Weka upya takwimu…</translation>
    </message>
    <message>
        <source>Reset all statistics?</source>
        <translation>Ungependa kuweka upya takwimu zote?</translation>
    </message>
    <message>
        <source>This clears words saved, acceptance and timing history.</source>
        <translation>Hii inafuta maneno yaliyookolewa, historia ya kukubali na ya muda wa kusubiri.</translation>
    </message>
    <message>
        <source>Copy Diagnostics</source>
        <translation>Nakili uchunguzi</translation>
    </message>
    <message>
        <source>Diagnostics leave out the text you typed.</source>
        <translation>Uchunguzi hauhusishi maandishi uliyoandika.</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Hali</translation>
    </message>
    <message>
        <source>Right now</source>
        <translation>Sasa hivi</translation>
    </message>
    <message>
        <source>Allowed</source>
        <translation>Imeruhusiwa</translation>
    </message>
    <message>
        <source>Not allowed</source>
        <translation>Haijaruhusiwa</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Kibodi</translation>
    </message>
    <message>
        <source>Listening</source>
        <translation>Inasikiliza</translation>
    </message>
    <message>
        <source>Not listening</source>
        <translation>Haisikilizi</translation>
    </message>
    <message>
        <source>Focused field</source>
        <translation>Sehemu inayotumika</translation>
    </message>
    <message>
        <source>Click into a text field in another app, then come back. The last field %1 saw stays here.</source>
        <translation>Bofya ndani ya sehemu ya maandishi katika programu nyingine, kisha urudi. Sehemu ya mwisho ambayo %1 iliiona itabaki hapa.</translation>
    </message>
    <message>
        <source>App</source>
        <translation>Programu</translation>
    </message>
    <message>
        <source>Field type</source>
        <translation>Aina ya sehemu</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>Dirisha</translation>
    </message>
    <message>
        <source>Field size</source>
        <translation>Ukubwa wa sehemu</translation>
    </message>
    <message>
        <source>Caret found</source>
        <translation>Kishale kimepatikana</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Fonti</translation>
    </message>
    <message>
        <source>At end of line</source>
        <translation>Mwishoni mwa mstari</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ndiyo</translation>
    </message>
    <message>
        <source>Secure input</source>
        <translation>Uingizaji salama</translation>
    </message>
    <message>
        <source>Looked at lately</source>
        <translation>Zilizoangaliwa karibuni</translation>
    </message>
    <message>
        <source>Text before the caret</source>
        <translation>Maandishi kabla ya kishale</translation>
    </message>
    <message>
        <source>Last request</source>
        <translation>Ombi la mwisho</translation>
    </message>
    <message>
        <source>Wait</source>
        <translation>Kusubiri</translation>
    </message>
    <message>
        <source>Suggestion</source>
        <translation>Pendekezo</translation>
    </message>
    <message>
        <source>Prompt sent to the engine</source>
        <translation>Maelekezo yaliyotumwa kwa injini</translation>
    </message>
    <message>
        <source>Raw answer</source>
        <translation>Jibu ghafi</translation>
    </message>
    <message>
        <source>(empty)</source>
        <translation>(tupu)</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>Imenakiliwa</translation>
    </message>
    <message>
        <source>Choose a language</source>
        <translation>Chagua lugha</translation>
    </message>
    <message>
        <source>Search languages</source>
        <translation>Tafuta lugha</translation>
    </message>
    <message>
        <source>Same as my computer</source>
        <translation>Sawa na kompyuta yangu</translation>
    </message>
    <message>
        <source>Switch to %1?</source>
        <translation>Ungependa kubadili lugha kuwa %1?</translation>
    </message>
    <message>
        <source>%1 closes and opens again in a second. Your settings stay as they are.</source>
        <translation>%1 inafungwa na kufunguka tena baada ya sekunde moja. Mipangilio yako inabaki ilivyo.</translation>
    </message>
    <message>
        <source>Reopen Now</source>
        <translation>Fungua upya sasa</translation>
    </message>
    <message>
        <source>App language</source>
        <translation>Lugha ya programu</translation>
    </message>
    <message>
        <source>Pick the language you read most easily. Suggestions follow whatever language you type.</source>
        <translation>Chagua lugha unayoisoma kwa urahisi zaidi. Mapendekezo hufuata lugha yoyote unayoandika.</translation>
    </message>
    <message>
        <source>Change the app language</source>
        <translation>Badilisha lugha ya programu</translation>
    </message>
    <message>
        <source>0 min</source>
        <translation>dakika 0</translation>
    </message>
    <message>
        <source>under a minute</source>
        <translation>chini ya dakika moja</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>sek %1</translation>
    </message>
    <message>
        <source>Not set</source>
        <translation>Haijawekwa</translation>
    </message>
    <message>
        <source>Clear shortcut</source>
        <translation>Futa njia ya mkato</translation>
    </message>
    <message>
        <source>Add Ctrl, Alt or Super so normal typing still works.</source>
        <translation>Ongeza Ctrl, Alt au Super ili uandishi wa kawaida uendelee kufanya kazi.</translation>
    </message>
    <message>
        <source>Type a shortcut…</source>
        <translation>Bonyeza njia ya mkato…</translation>
    </message>
    <message>
        <source>Recording shortcut</source>
        <translation>Inarekodi njia ya mkato</translation>
    </message>
    <message>
        <source>Shortcut %1</source>
        <translation>Njia ya mkato %1</translation>
    </message>
    <message>
        <source>Record shortcut</source>
        <translation>Rekodi njia ya mkato</translation>
    </message>
    <message>
        <source>Shortcut not set</source>
        <translation>Njia ya mkato haijawekwa</translation>
    </message>
    <message>
        <source>Press to record a new shortcut. Escape cancels.</source>
        <translation>Bonyeza ili kurekodi njia mpya ya mkato. Escape inaghairi.</translation>
    </message>
    <message>
        <source>Your tray icon is hidden</source>
        <translation>Aikoni yako ya trei imefichwa</translation>
    </message>
    <message>
        <source>This computer has no on-device language model</source>
        <translation>Kompyuta hii haina modeli ya lugha iliyojengewa ndani</translation>
    </message>
    <message>
        <source>Turn on the on-device model in the desktop&apos;s settings</source>
        <translation>Washa modeli iliyojengewa ndani katika mipangilio ya eneo-kazi</translation>
    </message>
    <message>
        <source>The on-device model is unavailable</source>
        <translation>Modeli iliyojengewa ndani haipatikani</translation>
    </message>
    <message>
        <source>Downloading. The on-device model fills in until it&apos;s done.</source>
        <translation>Inapakua. Modeli iliyojengewa ndani inashikilia nafasi hadi ikamilike.</translation>
    </message>
    <message>
        <source>The on-device model fills in until you download it.</source>
        <translation>Modeli iliyojengewa ndani inashikilia nafasi hadi uipakue.</translation>
    </message>
    <message>
        <source>%1 shares no text. Quit it and start it with %2 to get suggestions in it.</source>
        <translation>%1 haishiriki maandishi. Ifunge na uianzishe kwa %2 ili upate mapendekezo ndani yake.</translation>
    </message>
    <message>
        <source>On-device model</source>
        <translation>Modeli iliyojengewa ndani</translation>
    </message>
    <message>
        <source>The system&apos;s own language model. Nothing to download.</source>
        <translation>Modeli ya lugha ya mfumo wenyewe. Hakuna cha kupakua.</translation>
    </message>
    <message>
        <source>A website name cannot hold spaces, tabs or line breaks.</source>
        <translation>Jina la tovuti haliwezi kuwa na nafasi, vichupo au mikato ya mstari.</translation>
    </message>
    <message>
        <source>Only addresses that start with http or https can be added.</source>
        <translation>Anwani zinazoanza na http au https pekee ndizo zinaweza kuongezwa.</translation>
    </message>
    <message>
        <source>That is not a website name. Type one such as wikipedia.org.</source>
        <translation>Hilo si jina la tovuti. Andika kama wikipedia.org.</translation>
    </message>
    <message>
        <source>A port is a number from 1 to 65535.</source>
        <translation>Mlango ni namba kutoka 1 hadi 65535.</translation>
    </message>
    <message>
        <source>The on-device model fills in until the download is done.</source>
        <translation>Modeli iliyojengewa ndani inashikilia nafasi hadi upakuaji ukamilike.</translation>
    </message>
    <message>
        <source>Suggestions start once the download is done.</source>
        <translation>Mapendekezo yataanza upakuaji ukikamilika.</translation>
    </message>
    <message>
        <source>This frees %1. The on-device model fills in until you download it again.</source>
        <translation>Hii inaachilia %1. Modeli iliyojengewa ndani inashikilia nafasi hadi uipakue tena.</translation>
    </message>
    <message>
        <source>This frees %1. The %app model can&apos;t suggest until you download it again.</source>
        <translation>Hii inaachilia %1. Modeli ya %app haiwezi kupendekeza hadi uipakue tena.</translation>
    </message>
    <message>
        <source>There&apos;s no room for it, or your panel has no system tray. Add the panel&apos;s system tray or status area applet in its settings.</source>
        <translation>Hakuna nafasi yake, au paneli yako haina trei ya mfumo. Ongeza applet ya trei ya mfumo au eneo la hali katika mipangilio ya paneli.</translation>
    </message>
    <message>
        <source>GNOME shows tray icons only with the AppIndicator extension. Install the gnome-shell-extension-appindicator package, log out and in, then turn it on in Extensions.</source>
        <translation>GNOME huonyesha aikoni za trei tu kwa kiendelezi cha AppIndicator. Sakinisha kifurushi cha gnome-shell-extension-appindicator, toka na uingie tena, kisha ukiwashe katika Viendelezi.</translation>
    </message>
    <message>
        <source>GNOME shows tray icons only with the AppIndicator extension. It is installed but off: turn it on in Extensions.</source>
        <translation>GNOME huonyesha aikoni za trei tu kwa kiendelezi cha AppIndicator. Kimesakinishwa lakini kimezimwa: kiwashe katika Viendelezi.</translation>
    </message>
    <message>
        <source>Until then, open %app from your applications menu to reach Settings.</source>
        <translation>Hadi wakati huo, fungua %app kutoka menyu ya programu ili kufikia Mipangilio.</translation>
    </message>
    <message>
        <source>Open Extensions</source>
        <translation>Fungua Viendelezi</translation>
    </message>
    <message>
        <source>Show Count in Tray</source>
        <translation>Onyesha idadi kwenye trei</translation>
    </message>
    <message>
        <source>%1 shares no text</source>
        <translation>%1 haishiriki maandishi</translation>
    </message>
    <message>
        <source>Copy command</source>
        <translation>Nakili amri</translation>
    </message>
    <message>
        <source>There&apos;s no account and no analytics. With the %app model or the on-device model, your text stays on this computer.</source>
        <translation>Hakuna akaunti wala uchanganuzi. Ukitumia modeli ya %app au modeli iliyojengewa ndani, maandishi yako yanabaki kwenye kompyuta hii.</translation>
    </message>
    <message>
        <source>There&apos;s no account and no analytics. With the %app model, your text stays on this computer.</source>
        <translation>Hakuna akaunti wala uchanganuzi. Ukitumia modeli ya %app, maandishi yako yanabaki kwenye kompyuta hii.</translation>
    </message>
    <message>
        <source>%app lives in your system tray from now on. Click its icon to pause it in an app or open Settings.</source>
        <translation>Kuanzia sasa %app inapatikana katika trei ya mfumo. Bofya aikoni yake kuisitisha katika programu au kufungua Mipangilio.</translation>
    </message>
    <message>
        <source>%app has no account, no analytics and no servers of its own. The %app model and the on-device model keep your text on this computer. Other engines get it only if you set one up.</source>
        <translation>%app haina akaunti, uchanganuzi wala seva zake. Modeli ya %app na modeli iliyojengewa ndani huweka maandishi yako kwenye kompyuta hii. Injini nyingine huyapata tu ukiweka mojawapo.</translation>
    </message>
    <message>
        <source>%app has no account, no analytics and no servers of its own. The %app model keeps your text on this computer. Other engines get it only if you set one up.</source>
        <translation>%app haina akaunti, uchanganuzi wala seva zake. Modeli ya %app huweka maandishi yako kwenye kompyuta hii. Injini nyingine huyapata tu ukiweka mojawapo.</translation>
    </message>
    <message>
        <source>Installed applications</source>
        <translation>Programu zilizosakinishwa</translation>
    </message>
    <message>
        <source>%app reads these only while making a suggestion and never saves them. With the %app model or the on-device model, nothing leaves your computer.</source>
        <translation>%app inasoma haya tu wakati inatengeneza pendekezo na haiyahifadhi kamwe. Ukitumia modeli ya %app au modeli iliyojengewa ndani, hakuna kinachoondoka kwenye kompyuta yako.</translation>
    </message>
    <message>
        <source>%app reads these only while making a suggestion and never saves them. With the %app model, nothing leaves your computer.</source>
        <translation>%app inasoma haya tu wakati inatengeneza pendekezo na haiyahifadhi kamwe. Ukitumia modeli ya %app, hakuna kinachoondoka kwenye kompyuta yako.</translation>
    </message>
    <message>
        <source>The %app model keeps your text on this computer.</source>
        <translation>Modeli ya %app huweka maandishi yako kwenye kompyuta hii.</translation>
    </message>
    <message>
        <source>The key holds a line break or another control character. Paste it again without them.</source>
        <translation>Ufunguo una mkato wa mstari au herufi nyingine ya udhibiti. Ubandike tena bila hizo.</translation>
    </message>
    <message>
        <source>Waiting for the keyring to store the key.</source>
        <translation>Inasubiri hifadhi ya funguo ihifadhi ufunguo.</translation>
    </message>
    <message>
        <source>The keyring cannot keep this key, so it is used only until %app quits.</source>
        <translation>Hifadhi ya funguo haiwezi kutunza ufunguo huu, kwa hivyo unatumika tu hadi %app ifungwe.</translation>
    </message>
    <message>
        <source>Show in the system tray</source>
        <translation>Onyesha kwenye trei ya mfumo</translation>
    </message>
    <message>
        <source>Pause or open Settings from the system tray. Hidden? Open %app from your applications menu to come back.</source>
        <translation>Sitisha au fungua Mipangilio kutoka trei ya mfumo. Imefichwa? Fungua %app kutoka menyu ya programu ili urudi.</translation>
    </message>
    <message>
        <source>This tray can&apos;t show text beside icons, so the count shows in the icon&apos;s tooltip.</source>
        <translation>Trei hii haiwezi kuonyesha maandishi kando ya aikoni, kwa hivyo idadi inaonekana katika kidokezo cha aikoni.</translation>
    </message>
    <message>
        <source>VS Code, VSCodium, Cursor, Zed, Kate, Sublime Text, JetBrains IDEs and similar apps.</source>
        <translation>VS Code, VSCodium, Cursor, Zed, Kate, Sublime Text, IDE za JetBrains na programu zinazofanana.</translation>
    </message>
    <message>
        <source>Your settings could not be read, so they were set aside and %app started over with its defaults.</source>
        <translation>Mipangilio yako haikuweza kusomwa, kwa hivyo imewekwa kando na %app imeanza upya kwa mipangilio chaguomsingi.</translation>
    </message>
    <message>
        <source>Your settings are not saved: %app cannot write to its settings folder.</source>
        <translation>Mipangilio yako haihifadhiwi: %app haiwezi kuandika kwenye folda yake ya mipangilio.</translation>
    </message>
    <message>
        <source>Your app and website rules could not be read, so they were set aside.</source>
        <translation>Sheria zako za programu na tovuti hazikuweza kusomwa, kwa hivyo zimewekwa kando.</translation>
    </message>
    <message>
        <source>Your statistics could not be read, so they were set aside and counting started over.</source>
        <translation>Takwimu zako hazikuweza kusomwa, kwa hivyo zimewekwa kando na kuhesabu kumeanza upya.</translation>
    </message>
    <message>
        <source>Not saved: %app cannot write to its data folder.</source>
        <translation>Haijahifadhiwa: %app haiwezi kuandika kwenye folda yake ya data.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln suggestions. %1 selected</source>
        <translation>
            <numerusform>Pendekezo %Ln. Lililochaguliwa: %1</numerusform>
            <numerusform>Mapendekezo %Ln. Lililochaguliwa: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln min</source>
        <translation>
            <numerusform>dakika %Ln</numerusform>
            <numerusform>dakika %Ln</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln words</source>
        <translation>
            <numerusform>Neno %Ln</numerusform>
            <numerusform>Maneno %Ln</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln passages from here</source>
        <translation>
            <numerusform>Kifungu %Ln kutoka hapa</numerusform>
            <numerusform>Vifungu %Ln kutoka hapa</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>words</source>
        <comment>unit after a count</comment>
        <translation>
            <numerusform>neno</numerusform>
            <numerusform>maneno</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln days</source>
        <translation>
            <numerusform>Siku %Ln</numerusform>
            <numerusform>Siku %Ln</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Words saved per day over the last %Ln days</source>
        <translation>
            <numerusform>Maneno yaliyookolewa kwa siku katika siku iliyopita</numerusform>
            <numerusform>Maneno yaliyookolewa kwa siku katika siku %Ln zilizopita</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln day streak</source>
        <translation>
            <numerusform>Mfululizo wa siku %Ln</numerusform>
            <numerusform>Mfululizo wa siku %Ln</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln passages remembered</source>
        <translation>
            <numerusform>Kifungu %Ln kimekumbukwa</numerusform>
            <numerusform>Vifungu %Ln vimekumbukwa</numerusform>
        </translation>
    </message>
    <message>
        <source>enter</source>
        <translation>enter</translation>
    </message>
    <message>
        <source>Allow screen capture so %app can read those too. Most apps work without it.</source>
        <translation>Ruhusu kunasa skrini ili %app iweze kusoma hizo pia. Programu nyingi hufanya kazi bila hiyo.</translation>
    </message>
    <message>
        <source>Type a colon and a word, like :rocket, then press Tab or Enter to pick.</source>
        <translation>Andika nukta mbili na neno, kama :rocket, kisha bonyeza Tab au Enter kuchagua.</translation>
    </message>
    <message>
        <source>You can switch memory off for single apps under Apps &amp; Sites. The key that unlocks it lives in your keyring.</source>
        <translation>Unaweza kuzima kumbukumbu kwa programu moja moja katika Programu na tovuti. Ufunguo unaoifungua uko katika hifadhi yako ya funguo.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln emoji. %1 selected</source>
        <translation>
            <numerusform>Emoji %Ln. Iliyochaguliwa: %1</numerusform>
            <numerusform>Emoji %Ln. Iliyochaguliwa: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Suggestion: %1</source>
        <translation>Pendekezo: %1</translation>
    </message>
    <message numerus="yes">
        <source>%Ln models available</source>
        <translation>
            <numerusform>Modeli %Ln inapatikana</numerusform>
            <numerusform>Modeli %Ln zinapatikana</numerusform>
        </translation>
    </message>
    <message>
        <source>The model couldn&apos;t be saved: %1</source>
        <translation>Modeli haikuweza kuhifadhiwa: %1</translation>
    </message>
    <message>
        <source>Ollama isn&apos;t running.</source>
        <translation>Ollama haiendeshwi.</translation>
    </message>
    <message>
        <source>Ollama isn&apos;t running at %1.</source>
        <translation>Ollama haiendeshwi kwenye %1.</translation>
    </message>
    <message>
        <source>No server answered.</source>
        <translation>Hakuna seva iliyojibu.</translation>
    </message>
    <message>
        <source>No server answered at %1.</source>
        <translation>Hakuna seva iliyojibu kwenye %1.</translation>
    </message>
    <message>
        <source>Range: %1</source>
        <translation>Kipindi: %1</translation>
    </message>
    <message numerus="yes">
        <source>%1, %Ln to do</source>
        <translation>
            <numerusform>%1, %Ln imebaki</numerusform>
            <numerusform>%1, %Ln zimebaki</numerusform>
        </translation>
    </message>
    <message>
        <source>Type the whole name of the website, such as wikipedia.org.</source>
        <translation>Andika jina kamili la tovuti, kama wikipedia.org.</translation>
    </message>
    <message>
        <source>The key holds a space, an invisible character or a letter outside plain ASCII. Paste it again exactly as your server gave it.</source>
        <translation>Ufunguo una nafasi, herufi isiyoonekana au herufi nje ya ASCII ya kawaida. Ubandike tena sawasawa na jinsi seva yako ilivyoutoa.</translation>
    </message>
    <message>
        <source>The keyring could not be read, so your server is asked without an API key. Type the key again if your server needs one.</source>
        <translation>Hifadhi ya funguo haikuweza kusomwa, kwa hivyo seva yako inaulizwa bila ufunguo wa API. Andika ufunguo tena ikiwa seva yako inauhitaji.</translation>
    </message>
    <message>
        <source>Your writing memory could not be opened, so it was set aside and %app started a new one.</source>
        <translation>Kumbukumbu yako ya uandishi haikuweza kufunguliwa, kwa hivyo imewekwa kando na %app imeunda mpya.</translation>
    </message>
    <message>
        <source>%1, converted for llama.cpp by %2</source>
        <translation>%1, imebadilishwa kwa ajili ya llama.cpp na %2</translation>
    </message>
    <message>
        <source>The data folder %1 could not be made. Check that the folder above it exists and that you may write there.</source>
        <translation>Folda ya data %1 haikuweza kuundwa. Hakikisha folda iliyo juu yake ipo na kwamba unaweza kuandika humo.</translation>
    </message>
    <message>
        <source>party</source>
        <comment>emoji search sample</comment>
        <translation>sherehe</translation>
    </message>
    <message numerus="yes">
        <source>%Ln settings held values %app cannot use, so they were corrected and saved.</source>
        <translation>
            <numerusform>Mpangilio %Ln ulikuwa na thamani ambayo %app haiwezi kutumia, kwa hivyo umerekebishwa na kuhifadhiwa.</numerusform>
            <numerusform>Mipangilio %Ln ilikuwa na thamani ambazo %app haiwezi kutumia, kwa hivyo imerekebishwa na kuhifadhiwa.</numerusform>
        </translation>
    </message>
    <message>
        <source>Your writing memory is not saved: the keyring is missing or locked, so its key cannot be kept.</source>
        <translation>Kumbukumbu yako ya uandishi haihifadhiwi: hifadhi ya funguo haipo au imefungwa, kwa hivyo ufunguo wake hauwezi kutunzwa.</translation>
    </message>
    <message>
        <source>That address isn&apos;t valid</source>
        <translation>Anwani hiyo si sahihi</translation>
    </message>
    <message>
        <source>The request timed out.</source>
        <translation>Muda wa ombi umekwisha.</translation>
    </message>
    <message>
        <source>The server&apos;s reply was too long, so it was stopped.</source>
        <translation>Jibu la seva lilikuwa refu mno, kwa hiyo lilisimamishwa.</translation>
    </message>
    <message>
        <source>The server answered %1.</source>
        <translation>Seva ilijibu %1.</translation>
    </message>
    <message>
        <source>The server answered %1: %2</source>
        <translation>Seva ilijibu %1: %2</translation>
    </message>
    <message>
        <source>The download server answered %1. Try again later.</source>
        <translation>Seva ya upakuaji ilijibu %1. Jaribu tena baadaye.</translation>
    </message>
    <message>
        <source>The download couldn&apos;t be saved: %1</source>
        <translation>Upakuaji haukuweza kuhifadhiwa: %1</translation>
    </message>
    <message>
        <source>The download paused because the connection dropped. Try again to pick up where it stopped.</source>
        <translation>Upakuaji umesitishwa kwa sababu muunganisho ulikatika. Jaribu tena ili kuendelea ulipoishia.</translation>
    </message>
    <message>
        <source>The download stopped. Check your connection, then try again.</source>
        <translation>Upakuaji umesimama. Angalia muunganisho wako, kisha jaribu tena.</translation>
    </message>
    <message>
        <source>Pick an Ollama model in Settings</source>
        <translation>Chagua modeli ya Ollama katika Mipangilio</translation>
    </message>
    <message>
        <source>Pick a model for your local server</source>
        <translation>Chagua modeli kwa ajili ya seva yako ya ndani</translation>
    </message>
    <message>
        <source>The server&apos;s answer is not HTTP.</source>
        <translation>Jibu la seva si HTTP.</translation>
    </message>
    <message>
        <source>The data couldn&apos;t be read because it is missing.</source>
        <translation>Data haikuweza kusomwa kwa sababu haipo.</translation>
    </message>
    <message>
        <source>The data couldn&apos;t be read because it isn&apos;t in the correct format.</source>
        <translation>Data haikuweza kusomwa kwa sababu haiko katika muundo sahihi.</translation>
    </message>
    <message>
        <source>:%1:</source>
        <comment>emoji name</comment>
        <translation>:%1:</translation>
    </message>
    <message>
        <source>This computer has no on-device language model.</source>
        <translation>Kompyuta hii haina modeli ya lugha iliyojengewa ndani.</translation>
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
        <translation>Imesitishwa kwenye %1</translation>
    </message>
    <message>
        <source>Paused in %1</source>
        <translation>Imesitishwa katika %1</translation>
    </message>
    <message>
        <source>Off on %1</source>
        <translation>Imezimwa kwenye %1</translation>
    </message>
    <message>
        <source>Off in %1</source>
        <translation>Imezimwa katika %1</translation>
    </message>
    <message>
        <source>Off in %1 by default</source>
        <translation>Imezimwa katika %1 kwa chaguomsingi</translation>
    </message>
    <message>
        <source>Off in code editors</source>
        <translation>Imezimwa katika vihariri vya msimbo</translation>
    </message>
    <message>
        <source>Off unless turned on per app</source>
        <translation>Imezimwa isipokuwa iwashwe kwa kila programu</translation>
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
        <translation>Nafasi</translation>
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
        <translation>Kitufe %1</translation>
    </message>
    <message>
        <source>An email reply reads differently from a commit message.</source>
        <translation>Jibu la barua pepe huandikwa tofauti na ujumbe wa commit.</translation>
    </message>
    <message>
        <source>Writes straight into the field. Cleanest in GTK and Qt apps.</source>
        <translation>Huandika moja kwa moja kwenye sehemu. Safi zaidi katika programu za GTK na Qt.</translation>
    </message>
    <message>
        <source>Typing</source>
        <comment>insertion method</comment>
        <translation>Kuandika</translation>
    </message>
    <message>
        <source>%1 h</source>
        <comment>hours with one decimal, such as 1.5</comment>
        <translation>saa %1</translation>
    </message>
    <message numerus="yes">
        <source>%Ln h</source>
        <translation>
            <numerusform>saa %Ln</numerusform>
            <numerusform>saa %Ln</numerusform>
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
            <numerusform>Neno %Ln limeokolewa leo</numerusform>
            <numerusform>Maneno %Ln yameokolewa leo</numerusform>
        </translation>
    </message>
    <message>
        <source>Under a minute of typing saved today.</source>
        <translation>Chini ya dakika moja ya kuandika imeokolewa leo.</translation>
    </message>
    <message>
        <source>About %1 of typing saved today.</source>
        <translation>Takriban %1 ya kuandika imeokolewa leo.</translation>
    </message>
    <message numerus="yes">
        <source>Step %1 of %Ln</source>
        <translation>
            <numerusform>Hatua %1 kati ya %Ln</numerusform>
            <numerusform>Hatua %1 kati ya %Ln</numerusform>
        </translation>
    </message>
    <message>
        <source>%app reads and types into text fields through the desktop&apos;s accessibility support, which some desktops leave off. %app uses it only for the field you&apos;re writing in.</source>
        <translation>%app husoma sehemu za maandishi na kuandika ndani yake kupitia usaidizi wa ufikivu wa eneo-kazi, ambao baadhi ya maeneo-kazi huuacha umezimwa. %app huutumia tu kwa sehemu unayoandikia.</translation>
    </message>
    <message>
        <source>The button switches the desktop&apos;s accessibility support on. If the desktop&apos;s settings open instead, turn accessibility on there, then come back. This page updates by itself.</source>
        <translation>Kitufe hiki huwasha usaidizi wa ufikivu wa eneo-kazi. Mipangilio ya eneo-kazi ikifunguka badala yake, washa ufikivu hapo, kisha urudi. Ukurasa huu unajisasisha wenyewe.</translation>
    </message>
    <message>
        <source>Still off? Some desktops start their accessibility service only when you log in. Log out and back in, then try again.</source>
        <translation>Bado umezimwa? Baadhi ya maeneo-kazi huanzisha huduma ya ufikivu tu unapoingia. Ondoka kwenye akaunti na uingie upya, kisha ujaribu tena.</translation>
    </message>
    <message>
        <source>Pause</source>
        <comment>section header</comment>
        <translation>Kusitisha</translation>
    </message>
    <message>
        <source>Pause</source>
        <comment>button</comment>
        <translation>Sitisha</translation>
    </message>
    <message>
        <source>typing</source>
        <comment>insertion method, in a sentence</comment>
        <translation>kuandika</translation>
    </message>
    <message>
        <source>accessibility</source>
        <comment>insertion method, in a sentence</comment>
        <translation>ufikivu</translation>
    </message>
    <message>
        <source>paste</source>
        <comment>insertion method, in a sentence</comment>
        <translation>kubandika</translation>
    </message>
    <message>
        <source>short</source>
        <comment>suggestion length, in a sentence</comment>
        <translation>mafupi</translation>
    </message>
    <message>
        <source>medium</source>
        <comment>suggestion length, in a sentence</comment>
        <translation>ya wastani</translation>
    </message>
    <message>
        <source>long</source>
        <comment>suggestion length, in a sentence</comment>
        <translation>marefu</translation>
    </message>
    <message>
        <source>Default follows General: %1, %2 suggestions.</source>
        <translation>Chaguomsingi inafuata Jumla: %1, mapendekezo %2.</translation>
    </message>
    <message>
        <source>Yes, at %1, %2 on screen, %3 pt tall, %4 and %5</source>
        <translation>Ndiyo, kwenye %1, %2 kwenye skrini, urefu %3 pt, %4 na %5</translation>
    </message>
    <message numerus="yes">
        <source>%Ln characters before it</source>
        <translation>
            <numerusform>herufi %Ln kabla yake</numerusform>
            <numerusform>herufi %Ln kabla yake</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln after</source>
        <comment>characters after the caret</comment>
        <translation>
            <numerusform>%Ln baada yake</numerusform>
            <numerusform>%Ln baada yake</numerusform>
        </translation>
    </message>
    <message>
        <source>No system tray runs on this desktop, so the icon cannot show. %1</source>
        <translation>Hakuna trei ya mfumo inayoendeshwa kwenye eneo-kazi hili, kwa hivyo ikoni haiwezi kuonekana. %1</translation>
    </message>
    <message>
        <source>Typing</source>
        <comment>section header</comment>
        <translation>Kuandika</translation>
    </message>
    <message>
        <source>Switch to the computer&apos;s language?</source>
        <translation>Ungependa kubadili lugha kuwa ya kompyuta?</translation>
    </message>
    <message numerus="yes">
        <source>%Ln words this week.</source>
        <translation>
            <numerusform>Neno %Ln wiki hii.</numerusform>
            <numerusform>Maneno %Ln wiki hii.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Under a minute of typing saved today. %Ln words this week.</source>
        <translation>
            <numerusform>Chini ya dakika moja ya kuandika imeokolewa leo. Neno %Ln wiki hii.</numerusform>
            <numerusform>Chini ya dakika moja ya kuandika imeokolewa leo. Maneno %Ln wiki hii.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>About %1 of typing saved today. %Ln words this week.</source>
        <translation>
            <numerusform>Takriban %1 ya kuandika imeokolewa leo. Neno %Ln wiki hii.</numerusform>
            <numerusform>Takriban %1 ya kuandika imeokolewa leo. Maneno %Ln wiki hii.</numerusform>
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
            <numerusform>%Ln kati ya %1 imekamilika</numerusform>
            <numerusform>%Ln kati ya %1 zimekamilika</numerusform>
        </translation>
    </message>
    <message>
        <source>The server refused the connection. Check that it is running and that the address is right.</source>
        <translation>Seva imekataa muunganisho. Hakikisha kuwa inaendeshwa na kwamba anwani ni sahihi.</translation>
    </message>
    <message>
        <source>The server&apos;s name couldn&apos;t be found. Check the address.</source>
        <translation>Jina la seva halikupatikana. Angalia anwani.</translation>
    </message>
    <message>
        <source>A secure connection to the server couldn&apos;t be made.</source>
        <translation>Imeshindikana kuunda muunganisho salama na seva.</translation>
    </message>
    <message>
        <source>The server closed the connection before it answered.</source>
        <translation>Seva imefunga muunganisho kabla ya kujibu.</translation>
    </message>
    <message>
        <source>The network proxy couldn&apos;t be reached.</source>
        <translation>Imeshindikana kufikia proksi ya mtandao.</translation>
    </message>
    <message>
        <source>The server couldn&apos;t be reached.</source>
        <translation>Imeshindikana kufikia seva.</translation>
    </message>
    <message>
        <source>Waiting for the network…</source>
        <translation>Inasubiri mtandao…</translation>
    </message>
    <message>
        <source>%1 is taken by another program.</source>
        <translation>%1 tayari inatumiwa na programu nyingine.</translation>
    </message>
    <message>
        <source>%1 could not open again. Your choice takes effect the next time you start it.</source>
        <translation>%1 haikuweza kufunguka tena. Chaguo lako litaanza kutumika utakapoifungua tena.</translation>
    </message>
    <message>
        <source>Downloading the model</source>
        <translation>Inapakua modeli</translation>
    </message>
    <message numerus="yes">
        <source>These apps answer the Tab key before %app can, so %app stays paused in your other apps until they quit.</source>
        <translation>
            <numerusform>Programu hizi zinajibu kitufe cha Tab kabla %app haijaweza, kwa hivyo %app inabaki imesitishwa katika programu zako nyingine hadi zifungwe.</numerusform>
            <numerusform>Programu hizi zinajibu kitufe cha Tab kabla %app haijaweza, kwa hivyo %app inabaki imesitishwa katika programu zako nyingine hadi zifungwe.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>It may be waiting on a dialog of its own. Force Quit closes it right away.</source>
        <translation>
            <numerusform>Huenda inasubiri kidirisha chake yenyewe. “Lazimisha kufunga” huifunga mara moja.</numerusform>
            <numerusform>Huenda zinasubiri vidirisha vyake zenyewe. “Lazimisha kufunga” huzifunga mara moja.</numerusform>
        </translation>
    </message>
    <message>
        <source>Set a Suggest Now shortcut in Keys to ask for suggestions</source>
        <translation>Weka njia ya mkato ya “Pendekeza sasa” katika Vitufe ili uombe mapendekezo</translation>
    </message>
    <message>
        <source>Backspace</source>
        <comment>key above Enter that deletes backwards</comment>
        <translation>Backspace</translation>
    </message>
    <message>
        <source>0 words saved today</source>
        <translation>Maneno 0 yameokolewa leo</translation>
    </message>
    <message>
        <source>words saved today</source>
        <comment>beside the count 0</comment>
        <translation>maneno yameokolewa leo</translation>
    </message>
    <message>
        <source>Quit the other app</source>
        <translation>Funga programu nyingine</translation>
    </message>
    <message>
        <source>None yet</source>
        <comment>no app looked at yet</comment>
        <translation>Bado hakuna</translation>
    </message>
    <message>
        <source>None yet</source>
        <comment>no suggestion shown yet</comment>
        <translation>Bado hakuna</translation>
    </message>
    <message>
        <source>The other app is also running</source>
        <translation>Programu nyingine inaendeshwa pia</translation>
    </message>
    <message>
        <source>Both apps answer the Tab key, and the system gives it to the other app first. %app stays paused in your other apps until the other app quits.</source>
        <translation>Programu zote mbili zinajibu kitufe cha Tab, na mfumo unakipa programu nyingine kwanza. %app inabaki imesitishwa katika programu zako nyingine hadi programu hiyo ifungwe.</translation>
    </message>
    <message>
        <source>The other app is still open</source>
        <translation>Programu nyingine bado iko wazi</translation>
    </message>
    <message>
        <source>The other app quit, so your suggestions are back in every app.</source>
        <translation>Programu nyingine imefungwa, kwa hivyo mapendekezo yako yamerudi katika kila programu.</translation>
    </message>
    <message>
        <source>The other app quit. %app has the Tab key.</source>
        <translation>Programu nyingine imefungwa. %app ina kitufe cha Tab.</translation>
    </message>
</context>
</TS>
