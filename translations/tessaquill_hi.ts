<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hi" sourcelanguage="en">
<context>
    <name>Tessaquill</name>
    <message>
        <source>Accessibility is on. %app is ready in your other apps.</source>
        <translation>सुलभता चालू है। %app आपके दूसरे ऐप में तैयार है।</translation>
    </message>
    <message>
        <source>Paused while %1 is open</source>
        <translation>%1 के खुले रहने तक रुका हुआ</translation>
    </message>
    <message>
        <source>Welcome to %app</source>
        <translation>%app में आपका स्वागत है</translation>
    </message>
    <message>
        <source>%app</source>
        <translation>%app</translation>
    </message>
    <message>
        <source>Another autocomplete app is running</source>
        <translation>कोई दूसरा ऑटोकंप्लीट ऐप चल रहा है</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>तैयार</translation>
    </message>
    <message>
        <source>Waiting for a pause</source>
        <translation>विराम की प्रतीक्षा</translation>
    </message>
    <message>
        <source>Thinking</source>
        <translation>सोच रहा है</translation>
    </message>
    <message>
        <source>Showing a suggestion</source>
        <translation>सुझाव दिखा रहा है</translation>
    </message>
    <message>
        <source>The model took too long to answer</source>
        <translation>मॉडल ने जवाब देने में बहुत देर लगाई</translation>
    </message>
    <message>
        <source>This app doesn&apos;t report where the caret is</source>
        <translation>यह ऐप नहीं बताता कि कैरेट कहाँ है</translation>
    </message>
    <message>
        <source>%app is turned off</source>
        <translation>%app बंद है</translation>
    </message>
    <message>
        <source>Secure input is on, so %app stays out</source>
        <translation>सुरक्षित इनपुट चालू है, इसलिए %app काम नहीं करता</translation>
    </message>
    <message>
        <source>Press %1 for a suggestion</source>
        <translation>सुझाव के लिए %1 दबाएँ</translation>
    </message>
    <message>
        <source>Text is selected</source>
        <translation>टेक्स्ट चुना हुआ है</translation>
    </message>
    <message>
        <source>The caret is inside existing text</source>
        <translation>कैरेट मौजूदा टेक्स्ट के बीच में है</translation>
    </message>
    <message>
        <source>This field is too small</source>
        <translation>यह फ़ील्ड बहुत छोटा है</translation>
    </message>
    <message>
        <source>Waiting for a few characters</source>
        <translation>कुछ अक्षरों की प्रतीक्षा</translation>
    </message>
    <message>
        <source>Start of a new line</source>
        <translation>नई पंक्ति की शुरुआत</translation>
    </message>
    <message>
        <source>The model is still downloading</source>
        <translation>मॉडल अभी डाउनलोड हो रहा है</translation>
    </message>
    <message>
        <source>Download the %app model in Settings first</source>
        <translation>पहले सेटिंग में %app मॉडल डाउनलोड करें</translation>
    </message>
    <message>
        <source>Not checked yet</source>
        <translation>अभी जाँचा नहीं गया</translation>
    </message>
    <message>
        <source>Checking…</source>
        <translation>जाँच हो रही है…</translation>
    </message>
    <message>
        <source>The model stopped with error %1</source>
        <translation>मॉडल त्रुटि %1 के साथ रुक गया</translation>
    </message>
    <message>
        <source>The model file couldn&apos;t be loaded</source>
        <translation>मॉडल फ़ाइल लोड नहीं हो सकी</translation>
    </message>
    <message>
        <source>There wasn&apos;t enough memory to start the model</source>
        <translation>मॉडल शुरू करने के लिए पर्याप्त मेमोरी नहीं थी</translation>
    </message>
    <message>
        <source>The text couldn&apos;t be prepared for the model</source>
        <translation>टेक्स्ट को मॉडल के लिए तैयार नहीं किया जा सका</translation>
    </message>
    <message>
        <source>This computer needs %1 free for the download. Free up some space, then try again.</source>
        <translation>डाउनलोड के लिए इस कंप्यूटर पर %1 खाली जगह चाहिए। कुछ जगह खाली करें, फिर दोबारा कोशिश करें।</translation>
    </message>
    <message>
        <source>The download didn&apos;t match the expected file, so it was deleted. Try again.</source>
        <translation>डाउनलोड अपेक्षित फ़ाइल से मेल नहीं खाया, इसलिए उसे हटा दिया गया। दोबारा कोशिश करें।</translation>
    </message>
    <message>
        <source>Downloaded</source>
        <translation>डाउनलोड हो गया</translation>
    </message>
    <message>
        <source>Downloading. Suggestions start once it&apos;s done.</source>
        <translation>डाउनलोड हो रहा है। पूरा होते ही सुझाव शुरू होंगे।</translation>
    </message>
    <message>
        <source>Checking the download.</source>
        <translation>डाउनलोड की जाँच हो रही है।</translation>
    </message>
    <message>
        <source>Checking the download. Suggestions start once it&apos;s done.</source>
        <translation>डाउनलोड की जाँच हो रही है। पूरा होते ही सुझाव शुरू होंगे।</translation>
    </message>
    <message>
        <source>Download the model to start</source>
        <translation>शुरू करने के लिए मॉडल डाउनलोड करें</translation>
    </message>
    <message>
        <source>Ollama is running but has no models</source>
        <translation>Ollama चल रहा है, लेकिन उसमें कोई मॉडल नहीं है</translation>
    </message>
    <message>
        <source>Another app</source>
        <translation>कोई दूसरा ऐप</translation>
    </message>
    <message>
        <source>There is no D-Bus session bus, so %1 cannot reach text fields.</source>
        <translation>कोई D-Bus सेशन बस नहीं है, इसलिए %1 टेक्स्ट फ़ील्ड तक नहीं पहुँच सकता।</translation>
    </message>
    <message>
        <source>The desktop&apos;s accessibility bus is not running, so %1 cannot reach text fields.</source>
        <translation>डेस्कटॉप की सुलभता बस नहीं चल रही, इसलिए %1 टेक्स्ट फ़ील्ड तक नहीं पहुँच सकता।</translation>
    </message>
    <message>
        <source>Short</source>
        <translation>छोटा</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>मध्यम</translation>
    </message>
    <message>
        <source>Long</source>
        <translation>लंबा</translation>
    </message>
    <message>
        <source>Hide the suggestion</source>
        <translation>सुझाव छिपाएँ</translation>
    </message>
    <message>
        <source>Hide suggestions until I change fields</source>
        <translation>फ़ील्ड बदलने तक सुझाव छिपाएँ</translation>
    </message>
    <message>
        <source>Do nothing, send Escape to the app</source>
        <translation>कुछ न करें, Escape ऐप को भेजें</translation>
    </message>
    <message>
        <source>Type it</source>
        <translation>टाइप करें</translation>
    </message>
    <message>
        <source>Insert through Accessibility</source>
        <translation>सुलभता के ज़रिए डालें</translation>
    </message>
    <message>
        <source>Paste it</source>
        <translation>पेस्ट करें</translation>
    </message>
    <message>
        <source>Grey</source>
        <translation>धूसर</translation>
    </message>
    <message>
        <source>Gold tint</source>
        <translation>सुनहरी झलक</translation>
    </message>
    <message>
        <source>%app model</source>
        <translation>%app मॉडल</translation>
    </message>
    <message>
        <source>Ollama</source>
        <translation>Ollama</translation>
    </message>
    <message>
        <source>Local server</source>
        <translation>लोकल सर्वर</translation>
    </message>
    <message>
        <source>Runs on this computer after a one-time download. Works offline.</source>
        <translation>एक बार डाउनलोड करने के बाद इसी कंप्यूटर पर चलता है। ऑफ़लाइन काम करता है।</translation>
    </message>
    <message>
        <source>Any model you run in Ollama, base models included.</source>
        <translation>Ollama में चलाया जाने वाला कोई भी मॉडल, बेस मॉडल भी।</translation>
    </message>
    <message>
        <source>LM Studio, llama-server or any OpenAI-compatible endpoint.</source>
        <translation>LM Studio, llama-server या कोई भी OpenAI-संगत एंडपॉइंट।</translation>
    </message>
    <message>
        <source>Sends the text as keystrokes. Works almost everywhere.</source>
        <translation>टेक्स्ट को कीस्ट्रोक के रूप में भेजता है। लगभग हर जगह काम करता है।</translation>
    </message>
    <message>
        <source>Uses the clipboard, then puts your clipboard back.</source>
        <translation>क्लिपबोर्ड का उपयोग करता है, फिर आपका क्लिपबोर्ड वापस रख देता है।</translation>
    </message>
    <message>
        <source>Accessibility</source>
        <translation>सुलभता</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>पेस्ट</translation>
    </message>
    <message>
        <source>Your writing memory could not be opened and was set aside. Nothing new is remembered until %app starts again.</source>
        <translation>आपकी लेखन मेमोरी नहीं खुल सकी, इसलिए उसे अलग रख दिया गया। %app के दोबारा शुरू होने तक कुछ भी नया याद नहीं रखा जाएगा।</translation>
    </message>
    <message>
        <source>Your writing memory could not be opened because its key could not be read from the keyring. Nothing new is remembered until %app starts again.</source>
        <translation>आपकी लेखन मेमोरी नहीं खुल सकी, क्योंकि उसकी कुंजी कीरिंग से पढ़ी नहीं जा सकी। %app के दोबारा शुरू होने तक कुछ भी नया याद नहीं रखा जाएगा।</translation>
    </message>
    <message>
        <source>Not Now</source>
        <translation>अभी नहीं</translation>
    </message>
    <message>
        <source>Open the desktop&apos;s settings</source>
        <translation>डेस्कटॉप की सेटिंग खोलें</translation>
    </message>
    <message>
        <source>Don&apos;t remind me again</source>
        <translation>दोबारा याद न दिलाएँ</translation>
    </message>
    <message>
        <source>Open Playground</source>
        <translation>अभ्यास फ़ील्ड खोलें</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>सेटिंग</translation>
    </message>
    <message>
        <source>Quit %app</source>
        <translation>%app से बाहर निकलें</translation>
    </message>
    <message>
        <source>Needs Accessibility access</source>
        <translation>सुलभता की अनुमति चाहिए</translation>
    </message>
    <message>
        <source>Paused until you resume</source>
        <translation>आपके फिर से शुरू करने तक रुका हुआ</translation>
    </message>
    <message>
        <source>Paused until %1</source>
        <translation>%1 तक रुका हुआ</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>बंद</translation>
    </message>
    <message numerus="yes">
        <source>Paused while %1 are open</source>
        <translation>
            <numerusform>%1 के खुले रहने तक रुका हुआ</numerusform>
            <numerusform>%1 के खुले रहने तक रुका हुआ</numerusform>
        </translation>
    </message>
    <message>
        <source>Grant Accessibility Access…</source>
        <translation>सुलभता की अनुमति दें…</translation>
    </message>
    <message numerus="yes">
        <source>Force Quit %1</source>
        <translation>
            <numerusform>%1 को ज़बरदस्ती बंद करें</numerusform>
            <numerusform>%1 को ज़बरदस्ती बंद करें</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Quit %1</source>
        <translation>
            <numerusform>%1 बंद करें</numerusform>
            <numerusform>%1 बंद करें</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>words saved today</source>
        <translation>
            <numerusform>शब्द आज बचाया गया</numerusform>
            <numerusform>शब्द आज बचाए गए</numerusform>
        </translation>
    </message>
    <message>
        <source>Start typing anywhere. %app keeps count here.</source>
        <translation>कहीं भी टाइप करना शुरू करें। %app यहाँ गिनती रखता है।</translation>
    </message>
    <message>
        <source>Resume in %1</source>
        <translation>%1 में फिर से शुरू करें</translation>
    </message>
    <message>
        <source>Pause in %1</source>
        <translation>%1 में रोकें</translation>
    </message>
    <message>
        <source>Resume Everywhere</source>
        <translation>हर जगह फिर से शुरू करें</translation>
    </message>
    <message>
        <source>Pause Everywhere</source>
        <translation>हर जगह रोकें</translation>
    </message>
    <message>
        <source>For 15 Minutes</source>
        <translation>15 मिनट के लिए</translation>
    </message>
    <message>
        <source>For 1 Hour</source>
        <translation>1 घंटे के लिए</translation>
    </message>
    <message>
        <source>For 4 Hours</source>
        <translation>4 घंटे के लिए</translation>
    </message>
    <message>
        <source>Until I Resume</source>
        <translation>फिर से शुरू करने तक</translation>
    </message>
    <message>
        <source>Example: after typing %1, %2 suggests %3</source>
        <translation>उदाहरण: %1 टाइप करने के बाद %2 सुझाता है: %3</translation>
    </message>
    <message>
        <source>takes the next word</source>
        <translation>अगला शब्द लेता है</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>डाउनलोड करें</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>रद्द करें</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%2 में से %1</translation>
    </message>
    <message>
        <source>%1 of %2. You can keep writing while it downloads.</source>
        <translation>%2 में से %1। डाउनलोड होते समय आप लिखना जारी रख सकते हैं।</translation>
    </message>
    <message>
        <source>Checking the download</source>
        <translation>डाउनलोड की जाँच हो रही है</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>फिर से कोशिश करें</translation>
    </message>
    <message>
        <source>Remove…</source>
        <translation>हटाएँ…</translation>
    </message>
    <message>
        <source>%1 license</source>
        <translation>%1 लाइसेंस</translation>
    </message>
    <message>
        <source>Remove the %app model?</source>
        <translation>%app मॉडल हटाएँ?</translation>
    </message>
    <message>
        <source>Model download</source>
        <translation>मॉडल डाउनलोड</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>हटाएँ</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>जारी रखें</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>बाद में</translation>
    </message>
    <message>
        <source>Start Writing</source>
        <translation>लिखना शुरू करें</translation>
    </message>
    <message>
        <source>Finish your sentences in any app.</source>
        <translation>किसी भी ऐप में अपने वाक्य पूरे करें।</translation>
    </message>
    <message>
        <source>%app reads the words before your caret and suggests what comes next in grey. Press Tab to take one word, or the key above Tab to take the rest. If you don&apos;t want it, keep typing.</source>
        <translation>%app आपके कैरेट से पहले के शब्द पढ़ता है और आगे क्या आएगा, उसे धूसर रंग में सुझाता है। एक शब्द लेने के लिए Tab दबाएँ, या बाक़ी सब लेने के लिए Tab के ऊपर वाली कुंजी। न चाहिए तो बस टाइप करते रहें।</translation>
    </message>
    <message>
        <source>Sees what you see</source>
        <translation>वही देखता है जो आप देखते हैं</translation>
    </message>
    <message>
        <source>Private</source>
        <translation>निजी</translation>
    </message>
    <message>
        <source>It reads the window you&apos;re typing in, like the chat you&apos;re answering, so suggestions fit. None of it goes online, to us or any server. It stays private on your computer.</source>
        <translation>यह वह विंडो पढ़ता है जिसमें आप टाइप कर रहे हैं, जैसे वह चैट जिसका आप जवाब दे रहे हैं, ताकि सुझाव सटीक हों। इसमें से कुछ भी ऑनलाइन नहीं जाता, न हमारे पास, न किसी सर्वर पर। सब कुछ आपके कंप्यूटर पर निजी रहता है।</translation>
    </message>
    <message>
        <source>Accessibility is on</source>
        <translation>सुलभता चालू है</translation>
    </message>
    <message>
        <source>%app can now read the field you&apos;re writing in and type suggestions for you.</source>
        <translation>%app अब उस फ़ील्ड को पढ़ सकता है जिसमें आप लिख रहे हैं और आपके लिए सुझाव टाइप कर सकता है।</translation>
    </message>
    <message>
        <source>Let %app see what you type.</source>
        <translation>%app को देखने दें कि आप क्या टाइप करते हैं।</translation>
    </message>
    <message>
        <source>%app reads your text when you pause and forgets it after one suggestion, unless you turn on writing memory.</source>
        <translation>%app आपके रुकने पर आपका टेक्स्ट पढ़ता है और एक सुझाव के बाद उसे भूल जाता है, जब तक आप लेखन मेमोरी चालू न करें।</translation>
    </message>
    <message>
        <source>%app skips password fields and anything else the system marks as secure.</source>
        <translation>%app पासवर्ड फ़ील्ड और ऐसी हर चीज़ को छोड़ देता है जिसे सिस्टम सुरक्षित चिह्नित करता है।</translation>
    </message>
    <message>
        <source>Open Accessibility Settings</source>
        <translation>सुलभता सेटिंग खोलें</translation>
    </message>
    <message>
        <source>Pick what writes your suggestions.</source>
        <translation>चुनें कि आपके सुझाव कौन लिखेगा।</translation>
    </message>
    <message>
        <source>You can change this any time in Settings.</source>
        <translation>आप इसे कभी भी सेटिंग में बदल सकते हैं।</translation>
    </message>
    <message>
        <source>Give it a try.</source>
        <translation>आज़माकर देखें।</translation>
    </message>
    <message>
        <source>Start typing a sentence. When grey words appear, press Tab for one word or the key above Tab for all of them.</source>
        <translation>कोई वाक्य टाइप करना शुरू करें। जब धूसर शब्द दिखें, तो एक शब्द के लिए Tab दबाएँ या सभी के लिए Tab के ऊपर वाली कुंजी।</translation>
    </message>
    <message>
        <source>Hi Orlenn, thanks for the quick reply. I think we should</source>
        <translation>नमस्ते ओर्लेन, जल्दी जवाब देने के लिए धन्यवाद। मुझे लगता है कि हमें</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>वापस</translation>
    </message>
    <message>
        <source>Practice field</source>
        <translation>अभ्यास फ़ील्ड</translation>
    </message>
    <message>
        <source>Default, on</source>
        <translation>डिफ़ॉल्ट, चालू</translation>
    </message>
    <message>
        <source>Default, off</source>
        <translation>डिफ़ॉल्ट, बंद</translation>
    </message>
    <message>
        <source>Add a website</source>
        <translation>वेबसाइट जोड़ें</translation>
    </message>
    <message>
        <source>Domain</source>
        <translation>डोमेन</translation>
    </message>
    <message>
        <source>Rules for a site apply in any browser %app can read.</source>
        <translation>किसी साइट के नियम हर उस ब्राउज़र में लागू होते हैं जिसे %app पढ़ सकता है।</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>जोड़ें</translation>
    </message>
    <message>
        <source>Add App…</source>
        <translation>ऐप जोड़ें…</translation>
    </message>
    <message>
        <source>Add an app</source>
        <translation>ऐप जोड़ें</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>खोजें</translation>
    </message>
    <message>
        <source>Clear search</source>
        <translation>खोज साफ़ करें</translation>
    </message>
    <message>
        <source>Add an app or website</source>
        <translation>ऐप या वेबसाइट जोड़ें</translation>
    </message>
    <message>
        <source>Add Website…</source>
        <translation>वेबसाइट जोड़ें…</translation>
    </message>
    <message>
        <source>Apps &amp; Sites</source>
        <translation>ऐप और साइटें</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>रुका हुआ</translation>
    </message>
    <message>
        <source>Apps</source>
        <translation>ऐप</translation>
    </message>
    <message>
        <source>Websites</source>
        <translation>वेबसाइटें</translation>
    </message>
    <message>
        <source>No matches</source>
        <translation>कोई मिलान नहीं</translation>
    </message>
    <message>
        <source>No apps yet</source>
        <translation>अभी कोई ऐप नहीं</translation>
    </message>
    <message>
        <source>Nothing matches “%1”.</source>
        <translation>“%1” से कुछ मेल नहीं खाता।</translation>
    </message>
    <message>
        <source>Apps appear here once you accept a suggestion in them, or add one with +.</source>
        <translation>किसी ऐप में सुझाव स्वीकार करते ही वह यहाँ दिखता है, या + से कोई ऐप जोड़ें।</translation>
    </message>
    <message>
        <source>Pick an app or site</source>
        <translation>कोई ऐप या साइट चुनें</translation>
    </message>
    <message>
        <source>Each one can have its own rules. Anything you don&apos;t change follows General.</source>
        <translation>हर एक के अपने नियम हो सकते हैं। जो आप नहीं बदलते, वह “सामान्य” के अनुसार चलता है।</translation>
    </message>
    <message>
        <source>Words saved here</source>
        <translation>यहाँ बचाए गए शब्द</translation>
    </message>
    <message>
        <source>Suggestions</source>
        <translation>सुझाव</translation>
    </message>
    <message>
        <source>On</source>
        <translation>चालू</translation>
    </message>
    <message>
        <source>Tab accepts suggestions</source>
        <translation>Tab से सुझाव स्वीकार करें</translation>
    </message>
    <message>
        <source>Turn off where Tab already means something, like indenting. The other accept key still works.</source>
        <translation>जहाँ Tab का पहले से कोई काम है, जैसे इंडेंट करना, वहाँ इसे बंद करें। दूसरी स्वीकार कुंजी फिर भी काम करती है।</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>डिफ़ॉल्ट</translation>
    </message>
    <message>
        <source>Insert by</source>
        <translation>डालने का तरीका</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>लंबाई</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>फिर से शुरू करें</translation>
    </message>
    <message>
        <source>Pause here</source>
        <translation>यहाँ रोकें</translation>
    </message>
    <message>
        <source>Memory</source>
        <translation>मेमोरी</translation>
    </message>
    <message>
        <source>Remember my writing here</source>
        <translation>यहाँ मेरा लेखन याद रखें</translation>
    </message>
    <message>
        <source>Writing memory is off in Your Voice.</source>
        <translation>“आपकी शैली” में लेखन मेमोरी बंद है।</translation>
    </message>
    <message>
        <source>Erase…</source>
        <translation>मिटाएँ…</translation>
    </message>
    <message>
        <source>Reset to Defaults</source>
        <translation>डिफ़ॉल्ट पर रीसेट करें</translation>
    </message>
    <message>
        <source>Erase what %app remembered from %1?</source>
        <translation>%app ने %1 से जो याद रखा है, उसे मिटाएँ?</translation>
    </message>
    <message>
        <source>Erase</source>
        <translation>मिटाएँ</translation>
    </message>
    <message>
        <source>Passages from this app can shape suggestions everywhere.</source>
        <translation>इस ऐप के अंश हर जगह सुझावों को प्रभावित कर सकते हैं।</translation>
    </message>
    <message>
        <source>Finish setting up</source>
        <translation>सेटअप पूरा करें</translation>
    </message>
    <message>
        <source>Setup progress</source>
        <translation>सेटअप की प्रगति</translation>
    </message>
    <message>
        <source>Done: %1</source>
        <translation>पूरा: %1</translation>
    </message>
    <message>
        <source>Best day yet!</source>
        <translation>अब तक का सबसे अच्छा दिन!</translation>
    </message>
    <message>
        <source>Try it here</source>
        <translation>यहाँ आज़माएँ</translation>
    </message>
    <message>
        <source>Thanks for sending the draft over. I had a look and</source>
        <translation>ड्राफ़्ट भेजने के लिए धन्यवाद। मैंने देखा और</translation>
    </message>
    <message>
        <source>next word</source>
        <translation>अगला शब्द</translation>
    </message>
    <message>
        <source>whole suggestion</source>
        <translation>पूरा सुझाव</translation>
    </message>
    <message>
        <source>hide it</source>
        <translation>छिपाएँ</translation>
    </message>
    <message>
        <source>This field runs the real engine. Start typing and grey words show up as you go.</source>
        <translation>यह फ़ील्ड असली इंजन चलाता है। टाइप करना शुरू करें और धूसर शब्द साथ-साथ दिखेंगे।</translation>
    </message>
    <message>
        <source>This field runs the real engine, even before you allow Accessibility. Start typing and grey words show up as you go.</source>
        <translation>यह फ़ील्ड असली इंजन चलाता है, सुलभता की अनुमति देने से पहले भी। टाइप करना शुरू करें और धूसर शब्द साथ-साथ दिखेंगे।</translation>
    </message>
    <message>
        <source>You&apos;re all set</source>
        <translation>सब तैयार है</translation>
    </message>
    <message>
        <source>Accessibility is on and %1 is ready. %app works in every app you type in.</source>
        <translation>सुलभता चालू है और %1 तैयार है। %app हर उस ऐप में काम करता है जिसमें आप टाइप करते हैं।</translation>
    </message>
    <message>
        <source>Waiting for %1 to quit</source>
        <translation>%1 के बंद होने की प्रतीक्षा</translation>
    </message>
    <message>
        <source>Turned off</source>
        <translation>बंद है</translation>
    </message>
    <message>
        <source>Paused everywhere</source>
        <translation>हर जगह रुका हुआ</translation>
    </message>
    <message>
        <source>%1, %2 typical wait</source>
        <translation>%1, सामान्य प्रतीक्षा %2</translation>
    </message>
    <message>
        <source>Start your streak today.</source>
        <translation>आज से अपनी स्ट्रीक शुरू करें।</translation>
    </message>
    <message>
        <source>Overview</source>
        <translation>अवलोकन</translation>
    </message>
    <message>
        <source>General</source>
        <translation>सामान्य</translation>
    </message>
    <message>
        <source>Engine</source>
        <translation>इंजन</translation>
    </message>
    <message>
        <source>Context</source>
        <translation>संदर्भ</translation>
    </message>
    <message>
        <source>Your Voice</source>
        <translation>आपकी शैली</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>कुंजियाँ</translation>
    </message>
    <message>
        <source>Emoji</source>
        <translation>इमोजी</translation>
    </message>
    <message>
        <source>Battery</source>
        <translation>बैटरी</translation>
    </message>
    <message>
        <source>Insights</source>
        <translation>आँकड़े</translation>
    </message>
    <message>
        <source>Field Inspector</source>
        <translation>फ़ील्ड निरीक्षक</translation>
    </message>
    <message>
        <source>About</source>
        <translation>जानकारी</translation>
    </message>
    <message>
        <source>How %app is doing today</source>
        <translation>आज %app कैसा चल रहा है</translation>
    </message>
    <message>
        <source>Where and how suggestions appear</source>
        <translation>सुझाव कहाँ और कैसे दिखें</translation>
    </message>
    <message>
        <source>The model that writes your suggestions</source>
        <translation>वह मॉडल जो आपके सुझाव लिखता है</translation>
    </message>
    <message>
        <source>What %app may look at to guess better</source>
        <translation>बेहतर अनुमान के लिए %app क्या देख सकता है</translation>
    </message>
    <message>
        <source>Help suggestions sound like you</source>
        <translation>सुझावों को आपकी शैली जैसा बनाएँ</translation>
    </message>
    <message>
        <source>Accept, dismiss and summon suggestions</source>
        <translation>सुझाव स्वीकार करना, हटाना और मँगाना</translation>
    </message>
    <message>
        <source>Emoji search and emoticons</source>
        <translation>इमोजी खोज और इमोटिकॉन</translation>
    </message>
    <message>
        <source>Rules for each app and website</source>
        <translation>हर ऐप और वेबसाइट के नियम</translation>
    </message>
    <message>
        <source>Save power when you&apos;re unplugged</source>
        <translation>चार्जर से हटाने पर बिजली बचाएँ</translation>
    </message>
    <message>
        <source>Words saved and how fast suggestions arrive</source>
        <translation>बचाए गए शब्द और सुझाव कितनी तेज़ी से आते हैं</translation>
    </message>
    <message>
        <source>What %app sees in the focused field</source>
        <translation>फ़ोकस वाले फ़ील्ड में %app क्या देखता है</translation>
    </message>
    <message>
        <source>Version and privacy</source>
        <translation>संस्करण और निजता</translation>
    </message>
    <message>
        <source>Writing</source>
        <translation>लेखन</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>इनपुट</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>नियम</translation>
    </message>
    <message>
        <source>Activity</source>
        <translation>गतिविधि</translation>
    </message>
    <message>
        <source>%app can read the field you&apos;re typing in and insert suggestions in any app.</source>
        <translation>%app उस फ़ील्ड को पढ़ सकता है जिसमें आप टाइप कर रहे हैं और किसी भी ऐप में सुझाव डाल सकता है।</translation>
    </message>
    <message>
        <source>Allow Accessibility access</source>
        <translation>सुलभता की अनुमति दें</translation>
    </message>
    <message>
        <source>%app needs it to read the text you type in other apps and to insert suggestions.</source>
        <translation>दूसरे ऐप में आपका टाइप किया टेक्स्ट पढ़ने और सुझाव डालने के लिए %app को इसकी ज़रूरत है।</translation>
    </message>
    <message>
        <source>Allow…</source>
        <translation>अनुमति दें…</translation>
    </message>
    <message>
        <source>%1 is ready</source>
        <translation>%1 तैयार है</translation>
    </message>
    <message>
        <source>Checking %1</source>
        <translation>%1 की जाँच हो रही है</translation>
    </message>
    <message>
        <source>This takes a moment.</source>
        <translation>इसमें एक पल लगता है।</translation>
    </message>
    <message>
        <source>Your engine isn&apos;t ready</source>
        <translation>आपका इंजन तैयार नहीं है</translation>
    </message>
    <message>
        <source>Open Engine</source>
        <translation>इंजन सेटिंग खोलें</translation>
    </message>
    <message>
        <source>The system&apos;s predictions are off</source>
        <translation>सिस्टम के अनुमान बंद हैं</translation>
    </message>
    <message>
        <source>Only %app&apos;s suggestions appear while you type.</source>
        <translation>टाइप करते समय सिर्फ़ %app के सुझाव दिखते हैं।</translation>
    </message>
    <message>
        <source>Turn off the system&apos;s predictions</source>
        <translation>सिस्टम के अनुमान बंद करें</translation>
    </message>
    <message>
        <source>The system shows its own grey suggestions on top of %app&apos;s. Each app picks up the change the next time you open it.</source>
        <translation>सिस्टम %app के सुझावों के ऊपर अपने धूसर सुझाव दिखाता है। हर ऐप अगली बार खोलने पर यह बदलाव अपना लेता है।</translation>
    </message>
    <message>
        <source>Keyboard Settings</source>
        <translation>कीबोर्ड सेटिंग</translation>
    </message>
    <message>
        <source>Turn Off</source>
        <translation>बंद करें</translation>
    </message>
    <message>
        <source>Only %app is suggesting</source>
        <translation>सिर्फ़ %app सुझाव दे रहा है</translation>
    </message>
    <message>
        <source>Tab reaches %app again.</source>
        <translation>Tab फिर से %app तक पहुँचता है।</translation>
    </message>
    <message numerus="yes">
        <source>%1 didn&apos;t quit. They may be showing a dialog. Force Quit closes them right away.</source>
        <translation>
            <numerusform>%1 बंद नहीं हुआ। शायद वह कोई डायलॉग दिखा रहा है। “ज़बरदस्ती बंद करें” उसे तुरंत बंद कर देता है।</numerusform>
            <numerusform>%1 बंद नहीं हुए। शायद वे कोई डायलॉग दिखा रहे हैं। “ज़बरदस्ती बंद करें” उन्हें तुरंत बंद कर देता है।</numerusform>
        </translation>
    </message>
    <message>
        <source>Force Quit</source>
        <translation>ज़बरदस्ती बंद करें</translation>
    </message>
    <message numerus="yes">
        <source>%1 take the Tab key before %app can, so %app stays paused in your other apps until you quit them.</source>
        <translation>
            <numerusform>%1, %app से पहले Tab कुंजी ले लेता है, इसलिए जब तक आप उसे बंद नहीं करते, %app आपके दूसरे ऐप में रुका रहता है।</numerusform>
            <numerusform>%1, %app से पहले Tab कुंजी ले लेते हैं, इसलिए जब तक आप उन्हें बंद नहीं करते, %app आपके दूसरे ऐप में रुका रहता है।</numerusform>
        </translation>
    </message>
    <message>
        <source>Only when I ask</source>
        <translation>सिर्फ़ जब मैं माँगूँ</translation>
    </message>
    <message>
        <source>On battery, suggestions appear only after you press the Suggest Now shortcut.</source>
        <translation>बैटरी पर, सुझाव सिर्फ़ “अभी सुझाएँ” शॉर्टकट दबाने के बाद दिखते हैं।</translation>
    </message>
    <message>
        <source>Shorter suggestions</source>
        <translation>छोटे सुझाव</translation>
    </message>
    <message>
        <source>Fewer words take less power to write.</source>
        <translation>कम शब्द लिखने में कम बिजली लगती है।</translation>
    </message>
    <message>
        <source>Lighter model</source>
        <translation>हल्का मॉडल</translation>
    </message>
    <message>
        <source>Same as plugged in</source>
        <translation>चार्जर लगे होने जैसा</translation>
    </message>
    <message>
        <source>Running on battery. These apply right now.</source>
        <translation>बैटरी पर चल रहा है। ये अभी लागू हैं।</translation>
    </message>
    <message>
        <source>Plugged in. These wait until you unplug.</source>
        <translation>चार्जर लगा है। चार्जर हटाने पर ये लागू होंगी।</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>मॉडल</translation>
    </message>
    <message>
        <source>Model name</source>
        <translation>मॉडल का नाम</translation>
    </message>
    <message>
        <source>Reload the model list</source>
        <translation>मॉडल सूची रीफ़्रेश करें</translation>
    </message>
    <message>
        <source>Choose a model</source>
        <translation>कोई मॉडल चुनें</translation>
    </message>
    <message>
        <source>For people who already run Ollama, LM Studio or llama-server.</source>
        <translation>उनके लिए जो पहले से Ollama, LM Studio या llama-server चलाते हैं।</translation>
    </message>
    <message>
        <source>Use your own model</source>
        <translation>अपना मॉडल इस्तेमाल करें</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>पता</translation>
    </message>
    <message>
        <source>API key</source>
        <translation>API कुंजी</translation>
    </message>
    <message>
        <source>Only if your server asks for one</source>
        <translation>सिर्फ़ तब, जब आपका सर्वर माँगे</translation>
    </message>
    <message>
        <source>Focused</source>
        <translation>केंद्रित</translation>
    </message>
    <message>
        <source>Creativity</source>
        <translation>रचनात्मकता</translation>
    </message>
    <message>
        <source>Loose</source>
        <translation>खुला</translation>
    </message>
    <message>
        <source>Lower stays close to the obvious next words. Higher tries more.</source>
        <translation>कम मान स्पष्ट अगले शब्दों के पास रहता है। ज़्यादा मान ज़्यादा आज़माता है।</translation>
    </message>
    <message>
        <source>Wait before suggesting</source>
        <translation>सुझाव से पहले प्रतीक्षा</translation>
    </message>
    <message>
        <source>How long you pause before %app starts.</source>
        <translation>%app के शुरू होने से पहले आप कितनी देर रुकते हैं।</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>चलाएँ</translation>
    </message>
    <message>
        <source>Try the engine</source>
        <translation>इंजन आज़माएँ</translation>
    </message>
    <message>
        <source>Sends a sample sentence and shows what comes back.</source>
        <translation>एक नमूना वाक्य भेजता है और जो लौटता है उसे दिखाता है।</translation>
    </message>
    <message>
        <source>Running…</source>
        <translation>चल रहा है…</translation>
    </message>
    <message>
        <source>The engine answered in %1 but had nothing useful to add.</source>
        <translation>इंजन ने %1 में जवाब दिया, लेकिन जोड़ने लायक कुछ नहीं था।</translation>
    </message>
    <message>
        <source>That didn&apos;t work: %1</source>
        <translation>यह नहीं हो सका: %1</translation>
    </message>
    <message>
        <source>The request was cancelled.</source>
        <translation>अनुरोध रद्द कर दिया गया।</translation>
    </message>
    <message>
        <source>Startup</source>
        <translation>स्टार्टअप</translation>
    </message>
    <message>
        <source>Launch at login</source>
        <translation>लॉग इन पर शुरू करें</translation>
    </message>
    <message>
        <source>Show today&apos;s word count next to the icon</source>
        <translation>आइकन के पास आज के शब्दों की गिनती दिखाएँ</translation>
    </message>
    <message>
        <source>Where suggestions appear</source>
        <translation>सुझाव कहाँ दिखें</translation>
    </message>
    <message>
        <source>Turn this off to use %app only in the apps you switch on under Apps &amp; Sites.</source>
        <translation>इसे बंद करें ताकि %app सिर्फ़ उन ऐप में चले जिन्हें आप “ऐप और साइटें” में चालू करते हैं।</translation>
    </message>
    <message>
        <source>By default %app waits until the caret is at the end of a line.</source>
        <translation>डिफ़ॉल्ट रूप से %app तब तक रुकता है जब तक कैरेट पंक्ति के अंत में न हो।</translation>
    </message>
    <message>
        <source>Without this, %app skips search bars and one-word boxes.</source>
        <translation>इसके बिना, %app सर्च बार और एक-शब्द वाले बॉक्स छोड़ देता है।</translation>
    </message>
    <message>
        <source>Suggestions appear only after you press the Suggest Now shortcut.</source>
        <translation>सुझाव सिर्फ़ “अभी सुझाएँ” शॉर्टकट दबाने के बाद दिखते हैं।</translation>
    </message>
    <message>
        <source>Spelling</source>
        <translation>वर्तनी</translation>
    </message>
    <message>
        <source>Waits while the word you&apos;re typing looks misspelled, so %app doesn&apos;t build on a typo.</source>
        <translation>जब तक टाइप हो रहा शब्द ग़लत वर्तनी वाला लगे, तब तक रुकता है, ताकि %app किसी टाइपो पर आगे न बढ़े।</translation>
    </message>
    <message>
        <source>After a misspelled word, shows a fix next to the caret. Press Tab to swap it in.</source>
        <translation>ग़लत वर्तनी वाले शब्द के बाद कैरेट के पास सुधार दिखाता है। बदलने के लिए Tab दबाएँ।</translation>
    </message>
    <message>
        <source>Look</source>
        <translation>रूप</translation>
    </message>
    <message>
        <source>Suggestion color</source>
        <translation>सुझाव का रंग</translation>
    </message>
    <message>
        <source>Text size</source>
        <translation>टेक्स्ट का आकार</translation>
    </message>
    <message>
        <source>Fine-tune if suggestions look larger or smaller than your text.</source>
        <translation>अगर सुझाव आपके टेक्स्ट से बड़े या छोटे दिखें, तो इसे ठीक करें।</translation>
    </message>
    <message>
        <source>Vertical position</source>
        <translation>ऊपर-नीचे की स्थिति</translation>
    </message>
    <message>
        <source>Nudge suggestions up or down to line up with your text.</source>
        <translation>सुझावों को अपने टेक्स्ट की सीध में लाने के लिए थोड़ा ऊपर या नीचे खिसकाएँ।</translation>
    </message>
    <message>
        <source>A small keycap after your first suggestions, as a reminder of what to press.</source>
        <translation>आपके पहले सुझावों के बाद एक छोटी कुंजी, याद दिलाने के लिए कि क्या दबाना है।</translation>
    </message>
    <message>
        <source>Insert suggestions by</source>
        <translation>सुझाव डालने का तरीका</translation>
    </message>
    <message>
        <source>Other autocomplete apps</source>
        <translation>दूसरे ऑटोकंप्लीट ऐप</translation>
    </message>
    <message>
        <source>They take the Tab key before %app can. With this off, %app asks you first.</source>
        <translation>ये %app से पहले Tab कुंजी ले लेते हैं। इसे बंद रखने पर %app पहले आपसे पूछता है।</translation>
    </message>
    <message>
        <source>%1 is another device on your network, so the text around your caret will be sent there.</source>
        <translation>%1 आपके नेटवर्क पर कोई दूसरा डिवाइस है, इसलिए कैरेट के आसपास का टेक्स्ट वहाँ भेजा जाएगा।</translation>
    </message>
    <message>
        <source>%1 isn&apos;t this computer, so the text around your caret will be sent there.</source>
        <translation>%1 यह कंप्यूटर नहीं है, इसलिए कैरेट के आसपास का टेक्स्ट वहाँ भेजा जाएगा।</translation>
    </message>
    <message>
        <source>Both keep your text on this computer.</source>
        <translation>दोनों आपका टेक्स्ट इसी कंप्यूटर पर रखते हैं।</translation>
    </message>
    <message>
        <source>%app opens by itself when you start your computer.</source>
        <translation>कंप्यूटर चालू करने पर %app अपने-आप खुलता है।</translation>
    </message>
    <message>
        <source>System predictions</source>
        <translation>सिस्टम अनुमान</translation>
    </message>
    <message>
        <source>The system can show its own grey predictions. Keeping them off avoids two suggestions at once.</source>
        <translation>सिस्टम अपने धूसर अनुमान दिखा सकता है। उन्हें बंद रखने से एक साथ दो सुझाव नहीं दिखते।</translation>
    </message>
    <message>
        <source>System predictions are on</source>
        <translation>सिस्टम अनुमान चालू हैं</translation>
    </message>
    <message>
        <source>System predictions are off</source>
        <translation>सिस्टम अनुमान बंद हैं</translation>
    </message>
    <message>
        <source>tab</source>
        <translation>tab</translation>
    </message>
    <message>
        <source>Your next words, one Tab away.</source>
        <translation>आपके अगले शब्द, बस एक Tab दूर।</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>छोड़ें</translation>
    </message>
    <message>
        <source>Get Started</source>
        <translation>शुरू करें</translation>
    </message>
    <message>
        <source>Turn sound on</source>
        <translation>आवाज़ चालू करें</translation>
    </message>
    <message>
        <source>Turn sound off</source>
        <translation>आवाज़ बंद करें</translation>
    </message>
    <message>
        <source>The other app</source>
        <translation>दूसरा ऐप</translation>
    </message>
    <message numerus="yes">
        <source>Next time, quit %1 without asking</source>
        <translation>
            <numerusform>अगली बार बिना पूछे %1 बंद करें</numerusform>
            <numerusform>अगली बार बिना पूछे %1 बंद करें</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 is also running</source>
        <translation>
            <numerusform>%1 भी चल रहा है</numerusform>
            <numerusform>%1 भी चल रहे हैं</numerusform>
        </translation>
    </message>
    <message>
        <source>Quitting…</source>
        <translation>बंद हो रहा है…</translation>
    </message>
    <message numerus="yes">
        <source>%1 is still open</source>
        <translation>
            <numerusform>%1 अब भी खुला है</numerusform>
            <numerusform>%1 अब भी खुले हैं</numerusform>
        </translation>
    </message>
    <message>
        <source>%app has the Tab key</source>
        <translation>Tab कुंजी अब %app के पास है</translation>
    </message>
    <message>
        <source>%1 quit, so your suggestions are back in every app.</source>
        <translation>%1 बंद हो गया, इसलिए आपके सुझाव हर ऐप में लौट आए हैं।</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>हो गया</translation>
    </message>
    <message>
        <source>Open Source Notices</source>
        <translation>ओपन सोर्स सूचनाएँ</translation>
    </message>
    <message>
        <source>Reset all settings?</source>
        <translation>सभी सेटिंग रीसेट करें?</translation>
    </message>
    <message>
        <source>This also clears your rules for apps and sites. Your statistics and writing memory stay.</source>
        <translation>इससे ऐप और साइटों के आपके नियम भी मिट जाते हैं। आपके आँकड़े और लेखन मेमोरी बनी रहती है।</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>रीसेट करें</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>संस्करण %1</translation>
    </message>
    <message>
        <source>Some apps hide their text</source>
        <translation>कुछ ऐप अपना टेक्स्ट छिपाते हैं</translation>
    </message>
    <message>
        <source>Suggest emoji after a colon</source>
        <translation>कोलन के बाद इमोजी सुझाएँ</translation>
    </message>
    <message>
        <source>Turn emoticons into emoji</source>
        <translation>इमोटिकॉन को इमोजी में बदलें</translation>
    </message>
    <message>
        <source>After :-) or &lt;3, %app offers the matching emoji. Press Tab to swap it in.</source>
        <translation>:-) या &lt;3 के बाद %app उससे जुड़ा इमोजी देता है। बदलने के लिए Tab दबाएँ।</translation>
    </message>
    <message>
        <source>Skin tone</source>
        <translation>त्वचा का रंग</translation>
    </message>
    <message>
        <source>Also show the default yellow</source>
        <translation>डिफ़ॉल्ट पीला भी दिखाएँ</translation>
    </message>
    <message>
        <source>Try a word</source>
        <translation>कोई शब्द आज़माएँ</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>कम</translation>
    </message>
    <message>
        <source>No emoji match “%1”</source>
        <translation>“%1” से कोई इमोजी मेल नहीं खाता</translation>
    </message>
    <message>
        <source>Accepting</source>
        <translation>स्वीकार करना</translation>
    </message>
    <message>
        <source>Take the next word</source>
        <translation>अगला शब्द लें</translation>
    </message>
    <message>
        <source>Press again for each following word.</source>
        <translation>हर अगले शब्द के लिए फिर दबाएँ।</translation>
    </message>
    <message>
        <source>Take the whole suggestion</source>
        <translation>पूरा सुझाव लें</translation>
    </message>
    <message>
        <source>The key above Tab is easy to reach on most keyboards.</source>
        <translation>ज़्यादातर कीबोर्ड पर Tab के ऊपर वाली कुंजी तक आसानी से पहुँचा जा सकता है।</translation>
    </message>
    <message>
        <source>Include the space after a word</source>
        <translation>शब्द के बाद का स्पेस भी शामिल करें</translation>
    </message>
    <message>
        <source>Include punctuation right after a word</source>
        <translation>शब्द के ठीक बाद का विराम चिह्न भी शामिल करें</translation>
    </message>
    <message>
        <source>When you press Escape</source>
        <translation>Escape दबाने पर</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>शॉर्टकट</translation>
    </message>
    <message>
        <source>Suggest now</source>
        <translation>अभी सुझाएँ</translation>
    </message>
    <message>
        <source>Asks for a suggestion right away, even where %app would normally wait.</source>
        <translation>तुरंत सुझाव माँगता है, वहाँ भी जहाँ %app आम तौर पर इंतज़ार करता है।</translation>
    </message>
    <message>
        <source>Other suggestions</source>
        <translation>दूसरे सुझाव</translation>
    </message>
    <message>
        <source>Lists a few different ways to continue. Choose with the arrow keys, then press Tab.</source>
        <translation>आगे लिखने के कुछ अलग तरीके दिखाता है। तीर कुंजियों से चुनें, फिर Tab दबाएँ।</translation>
    </message>
    <message>
        <source>Pause or resume in this app</source>
        <translation>इस ऐप में रोकें या फिर से शुरू करें</translation>
    </message>
    <message>
        <source>Pauses for 15 minutes.</source>
        <translation>15 मिनट के लिए रोकता है।</translation>
    </message>
    <message>
        <source>Turn %app on or off</source>
        <translation>%app चालू या बंद करें</translation>
    </message>
    <message>
        <source>Everywhere, until you press it again.</source>
        <translation>हर जगह, जब तक आप इसे फिर न दबाएँ।</translation>
    </message>
    <message>
        <source>Pause or resume</source>
        <translation>रोकें या फिर से शुरू करें</translation>
    </message>
    <message>
        <source>Turn on or off</source>
        <translation>चालू या बंद करें</translation>
    </message>
    <message>
        <source>%1 and %2 use the same keys. Only the first will work.</source>
        <translation>%1 और %2 एक ही कुंजियाँ इस्तेमाल करते हैं। सिर्फ़ पहला काम करेगा।</translation>
    </message>
    <message>
        <source>About you</source>
        <translation>आपके बारे में</translation>
    </message>
    <message>
        <source>For example: I&apos;m a product designer in Berlin. I write short, friendly emails in British English and sign off with Cheers.</source>
        <translation>उदाहरण के लिए: मैं बर्लिन में प्रोडक्ट डिज़ाइनर हूँ। मैं ब्रिटिश अंग्रेज़ी में छोटे, दोस्ताना ईमेल लिखता हूँ और अंत में Cheers लिखता हूँ।</translation>
    </message>
    <message>
        <source>Your role, the languages you write in, names you use often, how you like to sound.</source>
        <translation>आपकी भूमिका, जिन भाषाओं में आप लिखते हैं, जो नाम आप अक्सर इस्तेमाल करते हैं, आप कैसा लहजा चाहते हैं।</translation>
    </message>
    <message>
        <source>Writing memory</source>
        <translation>लेखन मेमोरी</translation>
    </message>
    <message>
        <source>Remember how I write</source>
        <translation>मेरी लेखन-शैली याद रखें</translation>
    </message>
    <message>
        <source>Also remember fields where I accept nothing</source>
        <translation>वे फ़ील्ड भी याद रखें जहाँ कोई सुझाव स्वीकार न हो</translation>
    </message>
    <message>
        <source>%app learns your style sooner but keeps more of what you type.</source>
        <translation>%app आपकी शैली जल्दी सीखता है, लेकिन आपका टाइप किया हुआ ज़्यादा टेक्स्ट सहेजता है।</translation>
    </message>
    <message>
        <source>Influence</source>
        <translation>प्रभाव</translation>
    </message>
    <message>
        <source>Strong</source>
        <translation>ज़्यादा</translation>
    </message>
    <message>
        <source>How many of your passages each suggestion can draw on.</source>
        <translation>हर सुझाव आपके कितने अंशों का सहारा ले सकता है।</translation>
    </message>
    <message>
        <source>Erase All…</source>
        <translation>सब मिटाएँ…</translation>
    </message>
    <message>
        <source>Erase everything %app remembered?</source>
        <translation>%app ने जो कुछ याद रखा है, सब मिटाएँ?</translation>
    </message>
    <message>
        <source>This can&apos;t be undone.</source>
        <translation>इसे पूर्ववत नहीं किया जा सकता।</translation>
    </message>
    <message>
        <source>Erase All</source>
        <translation>सब मिटाएँ</translation>
    </message>
    <message>
        <source>Nothing remembered yet</source>
        <translation>अभी कुछ याद नहीं रखा गया</translation>
    </message>
    <message>
        <source>App and window name</source>
        <translation>ऐप और विंडो का नाम</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>वेबसाइट</translation>
    </message>
    <message>
        <source>The site&apos;s domain when you write in a browser.</source>
        <translation>ब्राउज़र में लिखते समय साइट का डोमेन।</translation>
    </message>
    <message>
        <source>Recently copied text</source>
        <translation>हाल में कॉपी किया गया टेक्स्ट</translation>
    </message>
    <message>
        <source>Anything you copied in the last 10 minutes. Copies from password managers are skipped.</source>
        <translation>पिछले 10 मिनट में कॉपी की गई कोई भी चीज़। पासवर्ड मैनेजर से कॉपी किया गया टेक्स्ट छोड़ दिया जाता है।</translation>
    </message>
    <message>
        <source>Text on screen</source>
        <translation>स्क्रीन पर टेक्स्ट</translation>
    </message>
    <message>
        <source>Reads the window you&apos;re writing in, so replies fit the conversation. It picks the lines closest to where you type.</source>
        <translation>वह विंडो पढ़ता है जिसमें आप लिख रहे हैं, ताकि जवाब बातचीत से मेल खाएँ। यह आपके टाइप करने की जगह के सबसे पास की पंक्तियाँ चुनता है।</translation>
    </message>
    <message>
        <source>What you just looked at</source>
        <translation>जो आपने अभी देखा</translation>
    </message>
    <message>
        <source>Windows beside you</source>
        <translation>आसपास की विंडो</translation>
    </message>
    <message>
        <source>Also reads up to two other windows on the same screen, like the document you&apos;re replying about. Skips password managers and apps you switched off.</source>
        <translation>उसी स्क्रीन पर दो और विंडो तक भी पढ़ता है, जैसे वह दस्तावेज़ जिसके बारे में आप जवाब दे रहे हैं। पासवर्ड मैनेजर और आपके बंद किए ऐप छोड़ देता है।</translation>
    </message>
    <message>
        <source>Off in this app</source>
        <translation>इस ऐप में बंद</translation>
    </message>
    <message>
        <source>This word looks misspelled</source>
        <translation>इस शब्द की वर्तनी ग़लत लगती है</translation>
    </message>
    <message>
        <source>Thanks for the notes. I&apos;ll send the revised deck</source>
        <translation>नोट्स के लिए धन्यवाद। मैं संशोधित डेक</translation>
    </message>
    <message>
        <source> by Friday morning.</source>
        <translation> शुक्रवार सुबह तक भेज दूँगा।</translation>
    </message>
    <message>
        <source>%1 quit. %app has the Tab key.</source>
        <translation>%1 बंद हो गया। Tab कुंजी अब %app के पास है।</translation>
    </message>
    <message>
        <source>Open Data Folder</source>
        <translation>डेटा फ़ोल्डर खोलें</translation>
    </message>
    <message>
        <source>Show Welcome Again</source>
        <translation>स्वागत फिर से दिखाएँ</translation>
    </message>
    <message>
        <source>Play Intro Again</source>
        <translation>इंट्रो फिर से चलाएँ</translation>
    </message>
    <message>
        <source>Reset Settings…</source>
        <translation>सेटिंग रीसेट करें…</translation>
    </message>
    <message>
        <source>Suggest in every app</source>
        <translation>हर ऐप में सुझाएँ</translation>
    </message>
    <message>
        <source>Suggest in code editors</source>
        <translation>कोड एडिटर में सुझाएँ</translation>
    </message>
    <message>
        <source>Suggest in the middle of a line</source>
        <translation>पंक्ति के बीच में सुझाएँ</translation>
    </message>
    <message>
        <source>Suggest in small fields</source>
        <translation>छोटे फ़ील्ड में सुझाएँ</translation>
    </message>
    <message>
        <source>Hold back on misspelled words</source>
        <translation>ग़लत वर्तनी वाले शब्दों पर रुकें</translation>
    </message>
    <message>
        <source>Offer spelling fixes</source>
        <translation>वर्तनी सुधार सुझाएँ</translation>
    </message>
    <message>
        <source>Show the key hint</source>
        <translation>कुंजी संकेत दिखाएँ</translation>
    </message>
    <message>
        <source>Quit other autocomplete apps when they open</source>
        <translation>दूसरे ऑटोकंप्लीट ऐप खुलने पर उन्हें बंद करें</translation>
    </message>
    <message>
        <source>Keeps a few minutes of text from windows you switched away from, like a page you read before replying. It stays on your computer and skips apps you switched off.</source>
        <translation>जिन विंडो से आप हटे हैं, उनका कुछ मिनट का टेक्स्ट रखता है, जैसे जवाब देने से पहले पढ़ा गया पेज। यह आपके कंप्यूटर पर रहता है और आपके बंद किए ऐप छोड़ देता है।</translation>
    </message>
    <message numerus="yes">
        <source>Both apps answer the Tab key, and the system gives it to %1 first. %app stays paused in your other apps until %1 quits.</source>
        <translation>
            <numerusform>दोनों ऐप Tab कुंजी का जवाब देते हैं, और सिस्टम उसे पहले %1 को देता है। %1 के बंद होने तक %app आपके दूसरे ऐप में रुका रहता है।</numerusform>
            <numerusform>%1, %app से पहले Tab कुंजी ले लेते हैं, इसलिए जब तक आप उन्हें बंद नहीं करते, %app आपके दूसरे ऐप में रुका रहता है।</numerusform>
        </translation>
    </message>
    <message>
        <source>Finishes your sentences in any app, on your computer.</source>
        <translation>आपके कंप्यूटर पर, किसी भी ऐप में आपके वाक्य पूरे करता है।</translation>
    </message>
    <message>
        <source>Keeps short passages from fields where you accepted a suggestion, encrypted on this computer, and shows them to the model as examples.</source>
        <translation>जिन फ़ील्ड में आपने सुझाव स्वीकार किया, उनके छोटे अंश इस कंप्यूटर पर एन्क्रिप्ट करके रखता है और उन्हें उदाहरण के रूप में मॉडल को दिखाता है।</translation>
    </message>
    <message>
        <source>Light</source>
        <comment>skin tone</comment>
        <translation>हल्का</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ठीक है</translation>
    </message>
    <message>
        <source>Default</source>
        <comment>skin tone</comment>
        <translation>डिफ़ॉल्ट</translation>
    </message>
    <message>
        <source>Medium light</source>
        <comment>skin tone</comment>
        <translation>मध्यम हल्का</translation>
    </message>
    <message>
        <source>Medium</source>
        <comment>skin tone</comment>
        <translation>मध्यम</translation>
    </message>
    <message>
        <source>Medium dark</source>
        <comment>skin tone</comment>
        <translation>मध्यम गहरा</translation>
    </message>
    <message>
        <source>Dark</source>
        <comment>skin tone</comment>
        <translation>गहरा</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>अज्ञात</translation>
    </message>
    <message>
        <source>%1 × %2 pt</source>
        <translation>%1 × %2 pt</translation>
    </message>
    <message>
        <source>No</source>
        <translation>नहीं</translation>
    </message>
    <message>
        <source>Not reported, estimated from the caret</source>
        <translation>बताया नहीं गया, कैरेट से अनुमानित</translation>
    </message>
    <message>
        <source>%1 %2 pt</source>
        <translation>%1 %2 pt</translation>
    </message>
    <message>
        <source>System</source>
        <translation>सिस्टम</translation>
    </message>
    <message>
        <source>Not yet</source>
        <translation>अभी नहीं</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>आज</translation>
    </message>
    <message>
        <source>Last 7 days</source>
        <translation>पिछले 7 दिन</translation>
    </message>
    <message>
        <source>All time</source>
        <translation>अब तक</translation>
    </message>
    <message>
        <source>Typing saved</source>
        <translation>बचाई गई टाइपिंग</translation>
    </message>
    <message>
        <source>at 40 words a minute</source>
        <translation>40 शब्द प्रति मिनट पर</translation>
    </message>
    <message>
        <source>Accepted</source>
        <translation>स्वीकार किए</translation>
    </message>
    <message>
        <source>of suggestions shown</source>
        <translation>दिखाए गए सुझावों में से</translation>
    </message>
    <message>
        <source>Typical wait</source>
        <translation>सामान्य प्रतीक्षा</translation>
    </message>
    <message>
        <source>9 in 10 under %1</source>
        <translation>10 में से 9 बार %1 से कम</translation>
    </message>
    <message>
        <source>no requests yet</source>
        <translation>अभी कोई अनुरोध नहीं</translation>
    </message>
    <message>
        <source>Words saved</source>
        <translation>बचाए गए शब्द</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>अवधि</translation>
    </message>
    <message>
        <source>Nothing to chart yet</source>
        <translation>चार्ट के लिए अभी कुछ नहीं</translation>
    </message>
    <message>
        <source>Accept a few suggestions and your days show up here.</source>
        <translation>कुछ सुझाव स्वीकार करें और आपके दिन यहाँ दिखेंगे।</translation>
    </message>
    <message>
        <source>Where you write</source>
        <translation>आप कहाँ लिखते हैं</translation>
    </message>
    <message>
        <source>Reset Statistics…</source>
        <translation>आँकड़े रीसेट करें…</translation>
    </message>
    <message>
        <source>Reset all statistics?</source>
        <translation>सभी आँकड़े रीसेट करें?</translation>
    </message>
    <message>
        <source>This clears words saved, acceptance and timing history.</source>
        <translation>इससे बचाए गए शब्द, स्वीकृति और समय का इतिहास मिट जाता है।</translation>
    </message>
    <message>
        <source>Copy Diagnostics</source>
        <translation>डायग्नोस्टिक्स कॉपी करें</translation>
    </message>
    <message>
        <source>Diagnostics leave out the text you typed.</source>
        <translation>डायग्नोस्टिक्स में आपका टाइप किया टेक्स्ट शामिल नहीं होता।</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>स्थिति</translation>
    </message>
    <message>
        <source>Right now</source>
        <translation>अभी</translation>
    </message>
    <message>
        <source>Allowed</source>
        <translation>अनुमति है</translation>
    </message>
    <message>
        <source>Not allowed</source>
        <translation>अनुमति नहीं</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>कीबोर्ड</translation>
    </message>
    <message>
        <source>Listening</source>
        <translation>सुन रहा है</translation>
    </message>
    <message>
        <source>Not listening</source>
        <translation>नहीं सुन रहा</translation>
    </message>
    <message>
        <source>Focused field</source>
        <translation>फ़ोकस वाला फ़ील्ड</translation>
    </message>
    <message>
        <source>Click into a text field in another app, then come back. The last field %1 saw stays here.</source>
        <translation>किसी दूसरे ऐप के टेक्स्ट फ़ील्ड में क्लिक करें, फिर वापस आएँ। %1 का देखा आख़िरी फ़ील्ड यहाँ बना रहता है।</translation>
    </message>
    <message>
        <source>App</source>
        <translation>ऐप</translation>
    </message>
    <message>
        <source>Field type</source>
        <translation>फ़ील्ड का प्रकार</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>विंडो</translation>
    </message>
    <message>
        <source>Field size</source>
        <translation>फ़ील्ड का आकार</translation>
    </message>
    <message>
        <source>Caret found</source>
        <translation>कैरेट मिला</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>फ़ॉन्ट</translation>
    </message>
    <message>
        <source>At end of line</source>
        <translation>पंक्ति के अंत में</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>हाँ</translation>
    </message>
    <message>
        <source>Secure input</source>
        <translation>सुरक्षित इनपुट</translation>
    </message>
    <message>
        <source>Looked at lately</source>
        <translation>हाल में देखा गया</translation>
    </message>
    <message>
        <source>Text before the caret</source>
        <translation>कैरेट से पहले का टेक्स्ट</translation>
    </message>
    <message>
        <source>Last request</source>
        <translation>पिछला अनुरोध</translation>
    </message>
    <message>
        <source>Wait</source>
        <translation>प्रतीक्षा</translation>
    </message>
    <message>
        <source>Suggestion</source>
        <translation>सुझाव</translation>
    </message>
    <message>
        <source>Prompt sent to the engine</source>
        <translation>इंजन को भेजा गया प्रॉम्प्ट</translation>
    </message>
    <message>
        <source>Raw answer</source>
        <translation>कच्चा जवाब</translation>
    </message>
    <message>
        <source>(empty)</source>
        <translation>(खाली)</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>कॉपी हो गया</translation>
    </message>
    <message>
        <source>Choose a language</source>
        <translation>भाषा चुनें</translation>
    </message>
    <message>
        <source>Search languages</source>
        <translation>भाषाएँ खोजें</translation>
    </message>
    <message>
        <source>Same as my computer</source>
        <translation>मेरे कंप्यूटर जैसी</translation>
    </message>
    <message>
        <source>Switch to %1?</source>
        <translation>%1 पर स्विच करें?</translation>
    </message>
    <message>
        <source>%1 closes and opens again in a second. Your settings stay as they are.</source>
        <translation>%1 बंद होकर एक सेकंड में फिर खुलेगा। आपकी सेटिंग जैसी हैं वैसी रहेंगी।</translation>
    </message>
    <message>
        <source>Reopen Now</source>
        <translation>अभी फिर से खोलें</translation>
    </message>
    <message>
        <source>App language</source>
        <translation>ऐप की भाषा</translation>
    </message>
    <message>
        <source>Pick the language you read most easily. Suggestions follow whatever language you type.</source>
        <translation>वह भाषा चुनें जिसे आप सबसे आसानी से पढ़ते हैं। सुझाव उसी भाषा में आते हैं जिसमें आप टाइप करते हैं।</translation>
    </message>
    <message>
        <source>Change the app language</source>
        <translation>ऐप की भाषा बदलें</translation>
    </message>
    <message>
        <source>0 min</source>
        <translation>0 मिनट</translation>
    </message>
    <message>
        <source>under a minute</source>
        <translation>एक मिनट से कम</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 से.</translation>
    </message>
    <message>
        <source>Not set</source>
        <translation>सेट नहीं</translation>
    </message>
    <message>
        <source>Clear shortcut</source>
        <translation>शॉर्टकट साफ़ करें</translation>
    </message>
    <message>
        <source>Add Ctrl, Alt or Super so normal typing still works.</source>
        <translation>Ctrl, Alt या Super जोड़ें ताकि सामान्य टाइपिंग काम करती रहे।</translation>
    </message>
    <message>
        <source>Type a shortcut…</source>
        <translation>शॉर्टकट टाइप करें…</translation>
    </message>
    <message>
        <source>Recording shortcut</source>
        <translation>शॉर्टकट रिकॉर्ड हो रहा है</translation>
    </message>
    <message>
        <source>Shortcut %1</source>
        <translation>शॉर्टकट %1</translation>
    </message>
    <message>
        <source>Record shortcut</source>
        <translation>शॉर्टकट रिकॉर्ड करें</translation>
    </message>
    <message>
        <source>Shortcut not set</source>
        <translation>शॉर्टकट सेट नहीं</translation>
    </message>
    <message>
        <source>Press to record a new shortcut. Escape cancels.</source>
        <translation>नया शॉर्टकट रिकॉर्ड करने के लिए दबाएँ। Escape रद्द करता है।</translation>
    </message>
    <message>
        <source>Your tray icon is hidden</source>
        <translation>आपका ट्रे आइकन छिपा है</translation>
    </message>
    <message>
        <source>This computer has no on-device language model</source>
        <translation>इस कंप्यूटर पर डिवाइस पर चलने वाला कोई भाषा मॉडल नहीं है</translation>
    </message>
    <message>
        <source>Turn on the on-device model in the desktop&apos;s settings</source>
        <translation>डेस्कटॉप की सेटिंग में डिवाइस वाला मॉडल चालू करें</translation>
    </message>
    <message>
        <source>The on-device model is unavailable</source>
        <translation>डिवाइस वाला मॉडल उपलब्ध नहीं है</translation>
    </message>
    <message>
        <source>Downloading. The on-device model fills in until it&apos;s done.</source>
        <translation>डाउनलोड हो रहा है। पूरा होने तक डिवाइस वाला मॉडल काम संभालता है।</translation>
    </message>
    <message>
        <source>The on-device model fills in until you download it.</source>
        <translation>आपके डाउनलोड करने तक डिवाइस वाला मॉडल काम संभालता है।</translation>
    </message>
    <message>
        <source>%1 shares no text. Quit it and start it with %2 to get suggestions in it.</source>
        <translation>%1 कोई टेक्स्ट साझा नहीं करता। उसमें सुझाव पाने के लिए उसे बंद करें और %2 के साथ शुरू करें।</translation>
    </message>
    <message>
        <source>On-device model</source>
        <translation>डिवाइस वाला मॉडल</translation>
    </message>
    <message>
        <source>The system&apos;s own language model. Nothing to download.</source>
        <translation>सिस्टम का अपना भाषा मॉडल। कुछ भी डाउनलोड करने की ज़रूरत नहीं।</translation>
    </message>
    <message>
        <source>A website name cannot hold spaces, tabs or line breaks.</source>
        <translation>वेबसाइट के नाम में स्पेस, टैब या लाइन ब्रेक नहीं हो सकते।</translation>
    </message>
    <message>
        <source>Only addresses that start with http or https can be added.</source>
        <translation>सिर्फ़ http या https से शुरू होने वाले पते जोड़े जा सकते हैं।</translation>
    </message>
    <message>
        <source>That is not a website name. Type one such as wikipedia.org.</source>
        <translation>यह वेबसाइट का नाम नहीं है। wikipedia.org जैसा कोई नाम टाइप करें।</translation>
    </message>
    <message>
        <source>A port is a number from 1 to 65535.</source>
        <translation>पोर्ट 1 से 65535 तक की एक संख्या होती है।</translation>
    </message>
    <message>
        <source>The on-device model fills in until the download is done.</source>
        <translation>डाउनलोड पूरा होने तक डिवाइस वाला मॉडल काम संभालता है।</translation>
    </message>
    <message>
        <source>Suggestions start once the download is done.</source>
        <translation>डाउनलोड पूरा होते ही सुझाव शुरू होंगे।</translation>
    </message>
    <message>
        <source>This frees %1. The on-device model fills in until you download it again.</source>
        <translation>इससे %1 खाली होगा। दोबारा डाउनलोड करने तक डिवाइस वाला मॉडल काम संभालता है।</translation>
    </message>
    <message>
        <source>This frees %1. The %app model can&apos;t suggest until you download it again.</source>
        <translation>इससे %1 खाली होगा। दोबारा डाउनलोड करने तक %app मॉडल सुझाव नहीं दे सकेगा।</translation>
    </message>
    <message>
        <source>There&apos;s no room for it, or your panel has no system tray. Add the panel&apos;s system tray or status area applet in its settings.</source>
        <translation>इसके लिए जगह नहीं है, या आपके पैनल में सिस्टम ट्रे नहीं है। पैनल की सेटिंग में सिस्टम ट्रे या स्टेटस एरिया ऐपलेट जोड़ें।</translation>
    </message>
    <message>
        <source>GNOME shows tray icons only with the AppIndicator extension. Install the gnome-shell-extension-appindicator package, log out and in, then turn it on in Extensions.</source>
        <translation>GNOME ट्रे आइकन सिर्फ़ AppIndicator एक्सटेंशन के साथ दिखाता है। gnome-shell-extension-appindicator पैकेज इंस्टॉल करें, लॉग आउट करके फिर लॉग इन करें, फिर “एक्सटेंशन” में उसे चालू करें।</translation>
    </message>
    <message>
        <source>GNOME shows tray icons only with the AppIndicator extension. It is installed but off: turn it on in Extensions.</source>
        <translation>GNOME ट्रे आइकन सिर्फ़ AppIndicator एक्सटेंशन के साथ दिखाता है। यह इंस्टॉल है लेकिन बंद है: “एक्सटेंशन” में इसे चालू करें।</translation>
    </message>
    <message>
        <source>Until then, open %app from your applications menu to reach Settings.</source>
        <translation>तब तक, सेटिंग तक पहुँचने के लिए ऐप्लिकेशन मेनू से %app खोलें।</translation>
    </message>
    <message>
        <source>Open Extensions</source>
        <translation>“एक्सटेंशन” खोलें</translation>
    </message>
    <message>
        <source>Show Count in Tray</source>
        <translation>ट्रे में गिनती दिखाएँ</translation>
    </message>
    <message>
        <source>%1 shares no text</source>
        <translation>%1 कोई टेक्स्ट साझा नहीं करता</translation>
    </message>
    <message>
        <source>Copy command</source>
        <translation>कमांड कॉपी करें</translation>
    </message>
    <message>
        <source>There&apos;s no account and no analytics. With the %app model or the on-device model, your text stays on this computer.</source>
        <translation>न कोई खाता, न कोई एनालिटिक्स। %app मॉडल या डिवाइस वाले मॉडल के साथ आपका टेक्स्ट इसी कंप्यूटर पर रहता है।</translation>
    </message>
    <message>
        <source>There&apos;s no account and no analytics. With the %app model, your text stays on this computer.</source>
        <translation>न कोई खाता, न कोई एनालिटिक्स। %app मॉडल के साथ आपका टेक्स्ट इसी कंप्यूटर पर रहता है।</translation>
    </message>
    <message>
        <source>%app lives in your system tray from now on. Click its icon to pause it in an app or open Settings.</source>
        <translation>अब से %app आपके सिस्टम ट्रे में रहता है। किसी ऐप में इसे रोकने या सेटिंग खोलने के लिए इसके आइकन पर क्लिक करें।</translation>
    </message>
    <message>
        <source>%app has no account, no analytics and no servers of its own. The %app model and the on-device model keep your text on this computer. Other engines get it only if you set one up.</source>
        <translation>%app का न कोई खाता है, न एनालिटिक्स, न अपने सर्वर। %app मॉडल और डिवाइस वाला मॉडल आपका टेक्स्ट इसी कंप्यूटर पर रखते हैं। दूसरे इंजन इसे तभी पाते हैं जब आप उनमें से किसी को सेट करते हैं।</translation>
    </message>
    <message>
        <source>%app has no account, no analytics and no servers of its own. The %app model keeps your text on this computer. Other engines get it only if you set one up.</source>
        <translation>%app का न कोई खाता है, न एनालिटिक्स, न अपने सर्वर। %app मॉडल आपका टेक्स्ट इसी कंप्यूटर पर रखता है। दूसरे इंजन इसे तभी पाते हैं जब आप उनमें से किसी को सेट करते हैं।</translation>
    </message>
    <message>
        <source>Installed applications</source>
        <translation>इंस्टॉल किए गए ऐप्लिकेशन</translation>
    </message>
    <message>
        <source>%app reads these only while making a suggestion and never saves them. With the %app model or the on-device model, nothing leaves your computer.</source>
        <translation>%app इन्हें सिर्फ़ सुझाव बनाते समय पढ़ता है और कभी सहेजता नहीं। %app मॉडल या डिवाइस वाले मॉडल के साथ कुछ भी आपके कंप्यूटर से बाहर नहीं जाता।</translation>
    </message>
    <message>
        <source>%app reads these only while making a suggestion and never saves them. With the %app model, nothing leaves your computer.</source>
        <translation>%app इन्हें सिर्फ़ सुझाव बनाते समय पढ़ता है और कभी सहेजता नहीं। %app मॉडल के साथ कुछ भी आपके कंप्यूटर से बाहर नहीं जाता।</translation>
    </message>
    <message>
        <source>The %app model keeps your text on this computer.</source>
        <translation>%app मॉडल आपका टेक्स्ट इसी कंप्यूटर पर रखता है।</translation>
    </message>
    <message>
        <source>The key holds a line break or another control character. Paste it again without them.</source>
        <translation>कुंजी में लाइन ब्रेक या कोई दूसरा कंट्रोल कैरेक्टर है। इनके बिना इसे फिर से पेस्ट करें।</translation>
    </message>
    <message>
        <source>Waiting for the keyring to store the key.</source>
        <translation>कीरिंग के कुंजी सहेजने की प्रतीक्षा।</translation>
    </message>
    <message>
        <source>The keyring cannot keep this key, so it is used only until %app quits.</source>
        <translation>कीरिंग यह कुंजी नहीं रख सकती, इसलिए इसका उपयोग सिर्फ़ %app के बंद होने तक होगा।</translation>
    </message>
    <message>
        <source>Show in the system tray</source>
        <translation>सिस्टम ट्रे में दिखाएँ</translation>
    </message>
    <message>
        <source>Pause or open Settings from the system tray. Hidden? Open %app from your applications menu to come back.</source>
        <translation>सिस्टम ट्रे से रोकें या सेटिंग खोलें। छिपा है? वापस आने के लिए ऐप्लिकेशन मेनू से %app खोलें।</translation>
    </message>
    <message>
        <source>This tray can&apos;t show text beside icons, so the count shows in the icon&apos;s tooltip.</source>
        <translation>यह ट्रे आइकन के पास टेक्स्ट नहीं दिखा सकती, इसलिए गिनती आइकन के टूलटिप में दिखती है।</translation>
    </message>
    <message>
        <source>VS Code, VSCodium, Cursor, Zed, Kate, Sublime Text, JetBrains IDEs and similar apps.</source>
        <translation>VS Code, VSCodium, Cursor, Zed, Kate, Sublime Text, JetBrains IDE और ऐसे ही ऐप।</translation>
    </message>
    <message>
        <source>Your settings could not be read, so they were set aside and %app started over with its defaults.</source>
        <translation>आपकी सेटिंग पढ़ी नहीं जा सकीं, इसलिए उन्हें अलग रख दिया गया और %app अपने डिफ़ॉल्ट के साथ फिर से शुरू हुआ।</translation>
    </message>
    <message>
        <source>Your settings are not saved: %app cannot write to its settings folder.</source>
        <translation>आपकी सेटिंग सहेजी नहीं जा रहीं: %app अपने सेटिंग फ़ोल्डर में नहीं लिख सकता।</translation>
    </message>
    <message>
        <source>Your app and website rules could not be read, so they were set aside.</source>
        <translation>आपके ऐप और वेबसाइट के नियम पढ़े नहीं जा सके, इसलिए उन्हें अलग रख दिया गया।</translation>
    </message>
    <message>
        <source>Your statistics could not be read, so they were set aside and counting started over.</source>
        <translation>आपके आँकड़े पढ़े नहीं जा सके, इसलिए उन्हें अलग रख दिया गया और गिनती फिर से शुरू हुई।</translation>
    </message>
    <message>
        <source>Not saved: %app cannot write to its data folder.</source>
        <translation>सहेजा नहीं गया: %app अपने डेटा फ़ोल्डर में नहीं लिख सकता।</translation>
    </message>
    <message numerus="yes">
        <source>%Ln suggestions. %1 selected</source>
        <translation>
            <numerusform>%Ln सुझाव। चुना गया: %1</numerusform>
            <numerusform>%Ln सुझाव। चुना गया: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln min</source>
        <translation>
            <numerusform>%Ln मिनट</numerusform>
            <numerusform>%Ln मिनट</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln words</source>
        <translation>
            <numerusform>%Ln शब्द</numerusform>
            <numerusform>%Ln शब्द</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln passages from here</source>
        <translation>
            <numerusform>यहाँ से %Ln अंश</numerusform>
            <numerusform>यहाँ से %Ln अंश</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>words</source>
        <comment>unit after a count</comment>
        <translation>
            <numerusform>शब्द</numerusform>
            <numerusform>शब्द</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln days</source>
        <translation>
            <numerusform>%Ln दिन</numerusform>
            <numerusform>%Ln दिन</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Words saved per day over the last %Ln days</source>
        <translation>
            <numerusform>पिछले %Ln दिन में प्रतिदिन बचाए गए शब्द</numerusform>
            <numerusform>पिछले %Ln दिनों में प्रतिदिन बचाए गए शब्द</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln day streak</source>
        <translation>
            <numerusform>%Ln दिन की स्ट्रीक</numerusform>
            <numerusform>%Ln दिन की स्ट्रीक</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln passages remembered</source>
        <translation>
            <numerusform>%Ln अंश याद रखा गया</numerusform>
            <numerusform>%Ln अंश याद रखे गए</numerusform>
        </translation>
    </message>
    <message>
        <source>enter</source>
        <translation>enter</translation>
    </message>
    <message>
        <source>Allow screen capture so %app can read those too. Most apps work without it.</source>
        <translation>स्क्रीन कैप्चर की अनुमति दें ताकि %app उन्हें भी पढ़ सके। ज़्यादातर ऐप इसके बिना काम करते हैं।</translation>
    </message>
    <message>
        <source>Type a colon and a word, like :rocket, then press Tab or Enter to pick.</source>
        <translation>एक कोलन और एक शब्द टाइप करें, जैसे :rocket, फिर चुनने के लिए Tab या Enter दबाएँ।</translation>
    </message>
    <message>
        <source>You can switch memory off for single apps under Apps &amp; Sites. The key that unlocks it lives in your keyring.</source>
        <translation>“ऐप और साइटें” में आप अलग-अलग ऐप के लिए मेमोरी बंद कर सकते हैं। इसे खोलने वाली कुंजी आपकी कीरिंग में रहती है।</translation>
    </message>
    <message numerus="yes">
        <source>%Ln emoji. %1 selected</source>
        <translation>
            <numerusform>%Ln इमोजी। चुना गया: %1</numerusform>
            <numerusform>%Ln इमोजी। चुना गया: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Suggestion: %1</source>
        <translation>सुझाव: %1</translation>
    </message>
    <message numerus="yes">
        <source>%Ln models available</source>
        <translation>
            <numerusform>%Ln मॉडल उपलब्ध</numerusform>
            <numerusform>%Ln मॉडल उपलब्ध</numerusform>
        </translation>
    </message>
    <message>
        <source>The model couldn&apos;t be saved: %1</source>
        <translation>मॉडल सहेजा नहीं जा सका: %1</translation>
    </message>
    <message>
        <source>Ollama isn&apos;t running.</source>
        <translation>Ollama नहीं चल रहा है।</translation>
    </message>
    <message>
        <source>Ollama isn&apos;t running at %1.</source>
        <translation>Ollama %1 पर नहीं चल रहा है।</translation>
    </message>
    <message>
        <source>No server answered.</source>
        <translation>किसी सर्वर ने जवाब नहीं दिया।</translation>
    </message>
    <message>
        <source>No server answered at %1.</source>
        <translation>%1 पर किसी सर्वर ने जवाब नहीं दिया।</translation>
    </message>
    <message>
        <source>Range: %1</source>
        <translation>अवधि: %1</translation>
    </message>
    <message numerus="yes">
        <source>%1, %Ln to do</source>
        <translation>
            <numerusform>%1, %Ln बाक़ी</numerusform>
            <numerusform>%1, %Ln बाक़ी</numerusform>
        </translation>
    </message>
    <message>
        <source>Type the whole name of the website, such as wikipedia.org.</source>
        <translation>वेबसाइट का पूरा नाम टाइप करें, जैसे wikipedia.org।</translation>
    </message>
    <message>
        <source>The key holds a space, an invisible character or a letter outside plain ASCII. Paste it again exactly as your server gave it.</source>
        <translation>कुंजी में स्पेस, कोई अदृश्य कैरेक्टर या सादे ASCII से बाहर का अक्षर है। इसे ठीक वैसे ही फिर से पेस्ट करें जैसे आपके सर्वर ने दी थी।</translation>
    </message>
    <message>
        <source>The keyring could not be read, so your server is asked without an API key. Type the key again if your server needs one.</source>
        <translation>कीरिंग पढ़ी नहीं जा सकी, इसलिए आपके सर्वर से बिना API कुंजी के पूछा जा रहा है। अगर आपके सर्वर को कुंजी चाहिए तो उसे फिर से टाइप करें।</translation>
    </message>
    <message>
        <source>Your writing memory could not be opened, so it was set aside and %app started a new one.</source>
        <translation>आपकी लेखन मेमोरी नहीं खुल सकी, इसलिए उसे अलग रख दिया गया और %app ने नई मेमोरी शुरू की।</translation>
    </message>
    <message>
        <source>%1, converted for llama.cpp by %2</source>
        <translation>%1, llama.cpp के लिए %2 द्वारा रूपांतरित</translation>
    </message>
    <message>
        <source>The data folder %1 could not be made. Check that the folder above it exists and that you may write there.</source>
        <translation>डेटा फ़ोल्डर %1 नहीं बनाया जा सका। जाँचें कि इसके ऊपर का फ़ोल्डर मौजूद है और आप वहाँ लिख सकते हैं।</translation>
    </message>
    <message>
        <source>party</source>
        <comment>emoji search sample</comment>
        <translation>पार्टी</translation>
    </message>
    <message numerus="yes">
        <source>%Ln settings held values %app cannot use, so they were corrected and saved.</source>
        <translation>
            <numerusform>%Ln सेटिंग में ऐसा मान था जिसे %app इस्तेमाल नहीं कर सकता, इसलिए उसे ठीक करके सहेजा गया।</numerusform>
            <numerusform>%Ln सेटिंग में ऐसे मान थे जिन्हें %app इस्तेमाल नहीं कर सकता, इसलिए उन्हें ठीक करके सहेजा गया।</numerusform>
        </translation>
    </message>
    <message>
        <source>Your writing memory is not saved: the keyring is missing or locked, so its key cannot be kept.</source>
        <translation>आपकी लेखन मेमोरी सहेजी नहीं जा रही है: कीरिंग मौजूद नहीं है या लॉक है, इसलिए मेमोरी की कुंजी नहीं रखी जा सकती।</translation>
    </message>
    <message>
        <source>That address isn&apos;t valid</source>
        <translation>यह पता मान्य नहीं है</translation>
    </message>
    <message>
        <source>The request timed out.</source>
        <translation>अनुरोध का समय समाप्त हो गया।</translation>
    </message>
    <message>
        <source>The server&apos;s reply was too long, so it was stopped.</source>
        <translation>सर्वर का जवाब बहुत लंबा था, इसलिए उसे रोक दिया गया।</translation>
    </message>
    <message>
        <source>The server answered %1.</source>
        <translation>सर्वर ने %1 जवाब दिया।</translation>
    </message>
    <message>
        <source>The server answered %1: %2</source>
        <translation>सर्वर ने %1 जवाब दिया: %2</translation>
    </message>
    <message>
        <source>The download server answered %1. Try again later.</source>
        <translation>डाउनलोड सर्वर ने %1 जवाब दिया। बाद में फिर से कोशिश करें।</translation>
    </message>
    <message>
        <source>The download couldn&apos;t be saved: %1</source>
        <translation>डाउनलोड सहेजा नहीं जा सका: %1</translation>
    </message>
    <message>
        <source>The download paused because the connection dropped. Try again to pick up where it stopped.</source>
        <translation>कनेक्शन टूटने के कारण डाउनलोड रुक गया। जहाँ रुका था वहीं से जारी रखने के लिए फिर से कोशिश करें।</translation>
    </message>
    <message>
        <source>The download stopped. Check your connection, then try again.</source>
        <translation>डाउनलोड रुक गया। अपना कनेक्शन जाँचें, फिर दोबारा कोशिश करें।</translation>
    </message>
    <message>
        <source>Pick an Ollama model in Settings</source>
        <translation>सेटिंग में कोई Ollama मॉडल चुनें</translation>
    </message>
    <message>
        <source>Pick a model for your local server</source>
        <translation>अपने लोकल सर्वर के लिए कोई मॉडल चुनें</translation>
    </message>
    <message>
        <source>The server&apos;s answer is not HTTP.</source>
        <translation>सर्वर का जवाब HTTP नहीं है।</translation>
    </message>
    <message>
        <source>The data couldn&apos;t be read because it is missing.</source>
        <translation>डेटा पढ़ा नहीं जा सका, क्योंकि वह मौजूद नहीं है।</translation>
    </message>
    <message>
        <source>The data couldn&apos;t be read because it isn&apos;t in the correct format.</source>
        <translation>डेटा पढ़ा नहीं जा सका, क्योंकि वह सही फ़ॉर्मैट में नहीं है।</translation>
    </message>
    <message>
        <source>:%1:</source>
        <comment>emoji name</comment>
        <translation>:%1:</translation>
    </message>
    <message>
        <source>This computer has no on-device language model.</source>
        <translation>इस कंप्यूटर पर डिवाइस पर चलने वाला कोई भाषा मॉडल नहीं है।</translation>
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
        <translation>%1 पर रुका हुआ</translation>
    </message>
    <message>
        <source>Paused in %1</source>
        <translation>%1 में रुका हुआ</translation>
    </message>
    <message>
        <source>Off on %1</source>
        <translation>%1 पर बंद</translation>
    </message>
    <message>
        <source>Off in %1</source>
        <translation>%1 में बंद</translation>
    </message>
    <message>
        <source>Off in %1 by default</source>
        <translation>%1 में डिफ़ॉल्ट रूप से बंद</translation>
    </message>
    <message>
        <source>Off in code editors</source>
        <translation>कोड एडिटर में बंद</translation>
    </message>
    <message>
        <source>Off unless turned on per app</source>
        <translation>बंद, जब तक ऐप के लिए चालू न किया जाए</translation>
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
        <translation>स्पेस</translation>
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
        <translation>कुंजी %1</translation>
    </message>
    <message>
        <source>An email reply reads differently from a commit message.</source>
        <translation>ईमेल का जवाब और कमिट संदेश अलग ढंग से लिखे जाते हैं।</translation>
    </message>
    <message>
        <source>Writes straight into the field. Cleanest in GTK and Qt apps.</source>
        <translation>सीधे फ़ील्ड में लिखता है। GTK और Qt ऐप में सबसे साफ़।</translation>
    </message>
    <message>
        <source>Typing</source>
        <comment>insertion method</comment>
        <translation>टाइपिंग</translation>
    </message>
    <message>
        <source>%1 h</source>
        <comment>hours with one decimal, such as 1.5</comment>
        <translation>%1 घंटे</translation>
    </message>
    <message numerus="yes">
        <source>%Ln h</source>
        <translation>
            <numerusform>%Ln घंटे</numerusform>
            <numerusform>%Ln घंटे</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln ms</source>
        <translation>
            <numerusform>%Ln मि.से.</numerusform>
            <numerusform>%Ln मि.से.</numerusform>
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
        <translation>%1। %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>screen-reader name: one item of a list, then the next</comment>
        <translation>%1, %2</translation>
    </message>
    <message numerus="yes">
        <source>%Ln words saved today</source>
        <translation>
            <numerusform>आज %Ln शब्द बचाया गया</numerusform>
            <numerusform>आज %Ln शब्द बचाए गए</numerusform>
        </translation>
    </message>
    <message>
        <source>Under a minute of typing saved today.</source>
        <translation>आज एक मिनट से कम की टाइपिंग बची।</translation>
    </message>
    <message>
        <source>About %1 of typing saved today.</source>
        <translation>आज लगभग %1 की टाइपिंग बची।</translation>
    </message>
    <message numerus="yes">
        <source>Step %1 of %Ln</source>
        <translation>
            <numerusform>चरण %Ln में से %1</numerusform>
            <numerusform>चरण %Ln में से %1</numerusform>
        </translation>
    </message>
    <message>
        <source>%app reads and types into text fields through the desktop&apos;s accessibility support, which some desktops leave off. %app uses it only for the field you&apos;re writing in.</source>
        <translation>%app डेस्कटॉप की सुलभता सुविधा के ज़रिए टेक्स्ट फ़ील्ड पढ़ता है और उनमें टाइप करता है; कुछ डेस्कटॉप इसे बंद रखते हैं। %app इसे सिर्फ़ उसी फ़ील्ड के लिए इस्तेमाल करता है जिसमें आप लिख रहे हैं।</translation>
    </message>
    <message>
        <source>The button switches the desktop&apos;s accessibility support on. If the desktop&apos;s settings open instead, turn accessibility on there, then come back. This page updates by itself.</source>
        <translation>यह बटन डेस्कटॉप की सुलभता सुविधा चालू करता है। अगर इसके बजाय डेस्कटॉप की सेटिंग खुले, तो वहाँ सुलभता चालू करें, फिर वापस आएँ। यह पेज अपने-आप अपडेट होता है।</translation>
    </message>
    <message>
        <source>Still off? Some desktops start their accessibility service only when you log in. Log out and back in, then try again.</source>
        <translation>अब भी बंद है? कुछ डेस्कटॉप सुलभता सेवा सिर्फ़ लॉग इन के समय शुरू करते हैं। लॉग आउट करके फिर से लॉग इन करें, फिर दोबारा कोशिश करें।</translation>
    </message>
    <message>
        <source>Pause</source>
        <comment>section header</comment>
        <translation>विराम</translation>
    </message>
    <message>
        <source>Pause</source>
        <comment>button</comment>
        <translation>रोकें</translation>
    </message>
    <message>
        <source>typing</source>
        <comment>insertion method, in a sentence</comment>
        <translation>टाइपिंग</translation>
    </message>
    <message>
        <source>accessibility</source>
        <comment>insertion method, in a sentence</comment>
        <translation>सुलभता</translation>
    </message>
    <message>
        <source>paste</source>
        <comment>insertion method, in a sentence</comment>
        <translation>पेस्ट</translation>
    </message>
    <message>
        <source>short</source>
        <comment>suggestion length, in a sentence</comment>
        <translation>छोटे</translation>
    </message>
    <message>
        <source>medium</source>
        <comment>suggestion length, in a sentence</comment>
        <translation>मध्यम</translation>
    </message>
    <message>
        <source>long</source>
        <comment>suggestion length, in a sentence</comment>
        <translation>लंबे</translation>
    </message>
    <message>
        <source>Default follows General: %1, %2 suggestions.</source>
        <translation>डिफ़ॉल्ट “सामान्य” के अनुसार: %1, %2 सुझाव।</translation>
    </message>
    <message>
        <source>Yes, at %1, %2 on screen, %3 pt tall, %4 and %5</source>
        <translation>हाँ, स्क्रीन पर स्थिति %1, %2, %3 pt ऊँचा, %4 और %5</translation>
    </message>
    <message numerus="yes">
        <source>%Ln characters before it</source>
        <translation>
            <numerusform>इससे पहले %Ln अक्षर</numerusform>
            <numerusform>इससे पहले %Ln अक्षर</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln after</source>
        <comment>characters after the caret</comment>
        <translation>
            <numerusform>इसके बाद %Ln</numerusform>
            <numerusform>इसके बाद %Ln</numerusform>
        </translation>
    </message>
    <message>
        <source>No system tray runs on this desktop, so the icon cannot show. %1</source>
        <translation>इस डेस्कटॉप पर कोई सिस्टम ट्रे नहीं चल रही है, इसलिए आइकन नहीं दिख सकता। %1</translation>
    </message>
    <message>
        <source>Typing</source>
        <comment>section header</comment>
        <translation>टाइपिंग</translation>
    </message>
    <message>
        <source>Switch to the computer&apos;s language?</source>
        <translation>कंप्यूटर की भाषा पर स्विच करें?</translation>
    </message>
    <message numerus="yes">
        <source>%Ln words this week.</source>
        <translation>
            <numerusform>इस हफ़्ते %Ln शब्द।</numerusform>
            <numerusform>इस हफ़्ते %Ln शब्द।</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Under a minute of typing saved today. %Ln words this week.</source>
        <translation>
            <numerusform>आज एक मिनट से कम की टाइपिंग बची। इस हफ़्ते %Ln शब्द।</numerusform>
            <numerusform>आज एक मिनट से कम की टाइपिंग बची। इस हफ़्ते %Ln शब्द।</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>About %1 of typing saved today. %Ln words this week.</source>
        <translation>
            <numerusform>आज लगभग %1 की टाइपिंग बची। इस हफ़्ते %Ln शब्द।</numerusform>
            <numerusform>आज लगभग %1 की टाइपिंग बची। इस हफ़्ते %Ln शब्द।</numerusform>
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
            <numerusform>%1 में से %Ln पूर्ण</numerusform>
            <numerusform>%1 में से %Ln पूर्ण</numerusform>
        </translation>
    </message>
    <message>
        <source>The server refused the connection. Check that it is running and that the address is right.</source>
        <translation>सर्वर ने कनेक्शन अस्वीकार कर दिया। जाँचें कि वह चल रहा है और पता सही है।</translation>
    </message>
    <message>
        <source>The server&apos;s name couldn&apos;t be found. Check the address.</source>
        <translation>सर्वर का नाम नहीं मिला। पता जाँचें।</translation>
    </message>
    <message>
        <source>A secure connection to the server couldn&apos;t be made.</source>
        <translation>सर्वर से सुरक्षित कनेक्शन नहीं बन सका।</translation>
    </message>
    <message>
        <source>The server closed the connection before it answered.</source>
        <translation>सर्वर ने जवाब देने से पहले ही कनेक्शन बंद कर दिया।</translation>
    </message>
    <message>
        <source>The network proxy couldn&apos;t be reached.</source>
        <translation>नेटवर्क के प्रॉक्सी तक नहीं पहुँचा जा सका।</translation>
    </message>
    <message>
        <source>The server couldn&apos;t be reached.</source>
        <translation>सर्वर तक नहीं पहुँचा जा सका।</translation>
    </message>
    <message>
        <source>Waiting for the network…</source>
        <translation>नेटवर्क की प्रतीक्षा हो रही है…</translation>
    </message>
    <message>
        <source>%1 is taken by another program.</source>
        <translation>%1 का उपयोग कोई दूसरा प्रोग्राम कर रहा है।</translation>
    </message>
    <message>
        <source>%1 could not open again. Your choice takes effect the next time you start it.</source>
        <translation>%1 दोबारा नहीं खुल सका। आपकी पसंद अगली बार इसे शुरू करने पर लागू होगी।</translation>
    </message>
    <message>
        <source>Downloading the model</source>
        <translation>मॉडल डाउनलोड हो रहा है</translation>
    </message>
    <message numerus="yes">
        <source>These apps answer the Tab key before %app can, so %app stays paused in your other apps until they quit.</source>
        <translation>
            <numerusform>ये ऐप %app से पहले Tab कुंजी का जवाब देते हैं, इसलिए जब तक ये बंद नहीं होते, %app आपके दूसरे ऐप में रुका रहता है।</numerusform>
            <numerusform>ये ऐप %app से पहले Tab कुंजी का जवाब देते हैं, इसलिए जब तक ये बंद नहीं होते, %app आपके दूसरे ऐप में रुका रहता है।</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>It may be waiting on a dialog of its own. Force Quit closes it right away.</source>
        <translation>
            <numerusform>शायद वह अपने किसी डायलॉग का इंतज़ार कर रहा है। “ज़बरदस्ती बंद करें” उसे तुरंत बंद कर देता है।</numerusform>
            <numerusform>शायद वे अपने डायलॉग का इंतज़ार कर रहे हैं। “ज़बरदस्ती बंद करें” उन्हें तुरंत बंद कर देता है।</numerusform>
        </translation>
    </message>
    <message>
        <source>Set a Suggest Now shortcut in Keys to ask for suggestions</source>
        <translation>सुझाव माँगने के लिए “कुंजियाँ” में “अभी सुझाएँ” शॉर्टकट सेट करें</translation>
    </message>
    <message>
        <source>Backspace</source>
        <comment>key above Enter that deletes backwards</comment>
        <translation>Backspace</translation>
    </message>
    <message>
        <source>0 words saved today</source>
        <translation>आज 0 शब्द बचाए गए</translation>
    </message>
    <message>
        <source>words saved today</source>
        <comment>beside the count 0</comment>
        <translation>शब्द आज बचाए गए</translation>
    </message>
    <message>
        <source>Quit the other app</source>
        <translation>दूसरा ऐप बंद करें</translation>
    </message>
    <message>
        <source>None yet</source>
        <comment>no app looked at yet</comment>
        <translation>अभी कोई नहीं</translation>
    </message>
    <message>
        <source>None yet</source>
        <comment>no suggestion shown yet</comment>
        <translation>अभी कोई सुझाव नहीं</translation>
    </message>
    <message>
        <source>The other app is also running</source>
        <translation>दूसरा ऐप भी चल रहा है</translation>
    </message>
    <message>
        <source>Both apps answer the Tab key, and the system gives it to the other app first. %app stays paused in your other apps until the other app quits.</source>
        <translation>दोनों ऐप Tab कुंजी का जवाब देते हैं, और सिस्टम उसे पहले दूसरे ऐप को देता है। उस ऐप के बंद होने तक %app आपके दूसरे ऐप में रुका रहता है।</translation>
    </message>
    <message>
        <source>The other app is still open</source>
        <translation>दूसरा ऐप अब भी खुला है</translation>
    </message>
    <message>
        <source>The other app quit, so your suggestions are back in every app.</source>
        <translation>दूसरा ऐप बंद हो गया, इसलिए आपके सुझाव हर ऐप में लौट आए हैं।</translation>
    </message>
    <message>
        <source>The other app quit. %app has the Tab key.</source>
        <translation>दूसरा ऐप बंद हो गया। Tab कुंजी अब %app के पास है।</translation>
    </message>
</context>
</TS>
