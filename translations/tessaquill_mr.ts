<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="mr" sourcelanguage="en">
<context>
    <name>Tessaquill</name>
    <message>
        <source>Accessibility is on. %app is ready in your other apps.</source>
        <translation>ॲक्सेसिबिलिटी सुरू आहे. %app तुमच्या इतर ॲप्समध्ये तयार आहे.</translation>
    </message>
    <message>
        <source>Paused while %1 is open</source>
        <translation>%1 उघडे असेपर्यंत थांबवले</translation>
    </message>
    <message>
        <source>Welcome to %app</source>
        <translation>%app मध्ये स्वागत आहे</translation>
    </message>
    <message>
        <source>%app</source>
        <translation>%app</translation>
    </message>
    <message>
        <source>Another autocomplete app is running</source>
        <translation>दुसरे एक ऑटोकंप्लीट ॲप चालू आहे</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>तयार</translation>
    </message>
    <message>
        <source>Waiting for a pause</source>
        <translation>विरामाची प्रतीक्षा</translation>
    </message>
    <message>
        <source>Thinking</source>
        <translation>विचार करत आहे</translation>
    </message>
    <message>
        <source>Showing a suggestion</source>
        <translation>सूचना दाखवत आहे</translation>
    </message>
    <message>
        <source>The model took too long to answer</source>
        <translation>मॉडेलला उत्तर देण्यास खूप वेळ लागला</translation>
    </message>
    <message>
        <source>This app doesn&apos;t report where the caret is</source>
        <translation>हे ॲप कॅरेट कुठे आहे ते कळवत नाही</translation>
    </message>
    <message>
        <source>%app is turned off</source>
        <translation>%app बंद आहे</translation>
    </message>
    <message>
        <source>Secure input is on, so %app stays out</source>
        <translation>सुरक्षित इनपुट सुरू आहे, म्हणून %app काम करत नाही</translation>
    </message>
    <message>
        <source>Press %1 for a suggestion</source>
        <translation>सूचनेसाठी %1 दाबा</translation>
    </message>
    <message>
        <source>Text is selected</source>
        <translation>मजकूर निवडलेला आहे</translation>
    </message>
    <message>
        <source>The caret is inside existing text</source>
        <translation>कॅरेट विद्यमान मजकुराच्या आत आहे</translation>
    </message>
    <message>
        <source>This field is too small</source>
        <translation>हे फील्ड खूप लहान आहे</translation>
    </message>
    <message>
        <source>Waiting for a few characters</source>
        <translation>काही अक्षरांची प्रतीक्षा</translation>
    </message>
    <message>
        <source>Start of a new line</source>
        <translation>नवीन ओळीची सुरुवात</translation>
    </message>
    <message>
        <source>The model is still downloading</source>
        <translation>मॉडेल अजून डाउनलोड होत आहे</translation>
    </message>
    <message>
        <source>Download the %app model in Settings first</source>
        <translation>आधी सेटिंग्जमध्ये %app मॉडेल डाउनलोड करा</translation>
    </message>
    <message>
        <source>Not checked yet</source>
        <translation>अजून तपासले नाही</translation>
    </message>
    <message>
        <source>Checking…</source>
        <translation>तपासत आहे…</translation>
    </message>
    <message>
        <source>The model stopped with error %1</source>
        <translation>मॉडेल त्रुटी %1 सह थांबले</translation>
    </message>
    <message>
        <source>The model file couldn&apos;t be loaded</source>
        <translation>मॉडेल फाइल लोड करता आली नाही</translation>
    </message>
    <message>
        <source>There wasn&apos;t enough memory to start the model</source>
        <translation>मॉडेल सुरू करण्यासाठी पुरेशी मेमरी नव्हती</translation>
    </message>
    <message>
        <source>The text couldn&apos;t be prepared for the model</source>
        <translation>मजकूर मॉडेलसाठी तयार करता आला नाही</translation>
    </message>
    <message>
        <source>This computer needs %1 free for the download. Free up some space, then try again.</source>
        <translation>डाउनलोडसाठी या संगणकावर %1 रिकामी जागा हवी. थोडी जागा मोकळी करा आणि पुन्हा प्रयत्न करा.</translation>
    </message>
    <message>
        <source>The download didn&apos;t match the expected file, so it was deleted. Try again.</source>
        <translation>डाउनलोड अपेक्षित फाइलशी जुळले नाही, म्हणून ते हटवले. पुन्हा प्रयत्न करा.</translation>
    </message>
    <message>
        <source>Downloaded</source>
        <translation>डाउनलोड झाले</translation>
    </message>
    <message>
        <source>Downloading. Suggestions start once it&apos;s done.</source>
        <translation>डाउनलोड होत आहे. ते पूर्ण होताच सूचना सुरू होतील.</translation>
    </message>
    <message>
        <source>Checking the download.</source>
        <translation>डाउनलोड तपासत आहे.</translation>
    </message>
    <message>
        <source>Checking the download. Suggestions start once it&apos;s done.</source>
        <translation>डाउनलोड तपासत आहे. ते पूर्ण होताच सूचना सुरू होतील.</translation>
    </message>
    <message>
        <source>Download the model to start</source>
        <translation>सुरू करण्यासाठी मॉडेल डाउनलोड करा</translation>
    </message>
    <message>
        <source>Ollama is running but has no models</source>
        <translation>Ollama चालू आहे पण त्यात एकही मॉडेल नाही</translation>
    </message>
    <message>
        <source>Another app</source>
        <translation>दुसरे ॲप</translation>
    </message>
    <message>
        <source>There is no D-Bus session bus, so %1 cannot reach text fields.</source>
        <translation>D-Bus सेशन बस नाही, म्हणून %1 मजकूर फील्डपर्यंत पोहोचू शकत नाही.</translation>
    </message>
    <message>
        <source>The desktop&apos;s accessibility bus is not running, so %1 cannot reach text fields.</source>
        <translation>डेस्कटॉपची ॲक्सेसिबिलिटी बस चालू नाही, म्हणून %1 मजकूर फील्डपर्यंत पोहोचू शकत नाही.</translation>
    </message>
    <message>
        <source>Short</source>
        <translation>लहान</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>मध्यम</translation>
    </message>
    <message>
        <source>Long</source>
        <translation>लांब</translation>
    </message>
    <message>
        <source>Hide the suggestion</source>
        <translation>सूचना लपवा</translation>
    </message>
    <message>
        <source>Hide suggestions until I change fields</source>
        <translation>फील्ड बदलेपर्यंत सूचना लपवा</translation>
    </message>
    <message>
        <source>Do nothing, send Escape to the app</source>
        <translation>काहीही करू नका, Escape ॲपला पाठवा</translation>
    </message>
    <message>
        <source>Type it</source>
        <translation>टाइप करा</translation>
    </message>
    <message>
        <source>Insert through Accessibility</source>
        <translation>ॲक्सेसिबिलिटीद्वारे घाला</translation>
    </message>
    <message>
        <source>Paste it</source>
        <translation>पेस्ट करा</translation>
    </message>
    <message>
        <source>Grey</source>
        <translation>राखाडी</translation>
    </message>
    <message>
        <source>Gold tint</source>
        <translation>सोनेरी छटा</translation>
    </message>
    <message>
        <source>%app model</source>
        <translation>%app मॉडेल</translation>
    </message>
    <message>
        <source>Ollama</source>
        <translation>Ollama</translation>
    </message>
    <message>
        <source>Local server</source>
        <translation>स्थानिक सर्व्हर</translation>
    </message>
    <message>
        <source>Runs on this computer after a one-time download. Works offline.</source>
        <translation>एकदा डाउनलोड केल्यावर याच संगणकावर चालते. ऑफलाइन काम करते.</translation>
    </message>
    <message>
        <source>Any model you run in Ollama, base models included.</source>
        <translation>तुम्ही Ollama मध्ये चालवता ते कोणतेही मॉडेल, बेस मॉडेलसह.</translation>
    </message>
    <message>
        <source>LM Studio, llama-server or any OpenAI-compatible endpoint.</source>
        <translation>LM Studio, llama-server किंवा कोणताही OpenAI-सुसंगत एंडपॉइंट.</translation>
    </message>
    <message>
        <source>Sends the text as keystrokes. Works almost everywhere.</source>
        <translation>मजकूर कीस्ट्रोक म्हणून पाठवते. जवळपास सगळीकडे काम करते.</translation>
    </message>
    <message>
        <source>Uses the clipboard, then puts your clipboard back.</source>
        <translation>क्लिपबोर्ड वापरते, मग तुमचा क्लिपबोर्ड पूर्ववत ठेवते.</translation>
    </message>
    <message>
        <source>Accessibility</source>
        <translation>ॲक्सेसिबिलिटी</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>पेस्ट</translation>
    </message>
    <message>
        <source>Your writing memory could not be opened and was set aside. Nothing new is remembered until %app starts again.</source>
        <translation>तुमची लेखन मेमरी उघडता आली नाही, म्हणून ती बाजूला ठेवली. %app पुन्हा सुरू होईपर्यंत काहीही नवीन लक्षात ठेवले जाणार नाही.</translation>
    </message>
    <message>
        <source>Your writing memory could not be opened because its key could not be read from the keyring. Nothing new is remembered until %app starts again.</source>
        <translation>तुमची लेखन मेमरी उघडता आली नाही, कारण तिची की कीरिंगमधून वाचता आली नाही. %app पुन्हा सुरू होईपर्यंत काहीही नवीन लक्षात ठेवले जाणार नाही.</translation>
    </message>
    <message>
        <source>Not Now</source>
        <translation>आता नाही</translation>
    </message>
    <message>
        <source>Open the desktop&apos;s settings</source>
        <translation>डेस्कटॉपची सेटिंग्ज उघडा</translation>
    </message>
    <message>
        <source>Don&apos;t remind me again</source>
        <translation>पुन्हा आठवण करून देऊ नका</translation>
    </message>
    <message>
        <source>Open Playground</source>
        <translation>सराव फील्ड उघडा</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>सेटिंग्ज</translation>
    </message>
    <message>
        <source>Quit %app</source>
        <translation>%app मधून बाहेर पडा</translation>
    </message>
    <message>
        <source>Needs Accessibility access</source>
        <translation>ॲक्सेसिबिलिटी परवानगी हवी</translation>
    </message>
    <message>
        <source>Paused until you resume</source>
        <translation>तुम्ही पुन्हा सुरू करेपर्यंत थांबवले</translation>
    </message>
    <message>
        <source>Paused until %1</source>
        <translation>%1 पर्यंत थांबवले</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>बंद</translation>
    </message>
    <message numerus="yes">
        <source>Paused while %1 are open</source>
        <translation>
            <numerusform>%1 उघडे असेपर्यंत थांबवले</numerusform>
            <numerusform>%1 उघडी असेपर्यंत थांबवले</numerusform>
        </translation>
    </message>
    <message>
        <source>Grant Accessibility Access…</source>
        <translation>ॲक्सेसिबिलिटी परवानगी द्या…</translation>
    </message>
    <message numerus="yes">
        <source>Force Quit %1</source>
        <translation>
            <numerusform>%1 सक्तीने बंद करा</numerusform>
            <numerusform>%1 सक्तीने बंद करा</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Quit %1</source>
        <translation>
            <numerusform>%1 बंद करा</numerusform>
            <numerusform>%1 बंद करा</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>words saved today</source>
        <translation>
            <numerusform>शब्द आज वाचवला</numerusform>
            <numerusform>शब्द आज वाचवले</numerusform>
        </translation>
    </message>
    <message>
        <source>Start typing anywhere. %app keeps count here.</source>
        <translation>कुठेही टाइप करायला सुरुवात करा. %app इथे मोजणी ठेवते.</translation>
    </message>
    <message>
        <source>Resume in %1</source>
        <translation>%1 मध्ये पुन्हा सुरू करा</translation>
    </message>
    <message>
        <source>Pause in %1</source>
        <translation>%1 मध्ये थांबवा</translation>
    </message>
    <message>
        <source>Resume Everywhere</source>
        <translation>सगळीकडे पुन्हा सुरू करा</translation>
    </message>
    <message>
        <source>Pause Everywhere</source>
        <translation>सगळीकडे थांबवा</translation>
    </message>
    <message>
        <source>For 15 Minutes</source>
        <translation>१५ मिनिटांसाठी</translation>
    </message>
    <message>
        <source>For 1 Hour</source>
        <translation>१ तासासाठी</translation>
    </message>
    <message>
        <source>For 4 Hours</source>
        <translation>४ तासांसाठी</translation>
    </message>
    <message>
        <source>Until I Resume</source>
        <translation>मी पुन्हा सुरू करेपर्यंत</translation>
    </message>
    <message>
        <source>Example: after typing %1, %2 suggests %3</source>
        <translation>उदाहरण: %1 टाइप केल्यावर %2 सुचवते: %3</translation>
    </message>
    <message>
        <source>takes the next word</source>
        <translation>पुढचा शब्द घेते</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>डाउनलोड करा</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>रद्द करा</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%2 पैकी %1</translation>
    </message>
    <message>
        <source>%1 of %2. You can keep writing while it downloads.</source>
        <translation>%2 पैकी %1. डाउनलोड होत असताना तुम्ही लिहिणे सुरू ठेवू शकता.</translation>
    </message>
    <message>
        <source>Checking the download</source>
        <translation>डाउनलोड तपासत आहे</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>पुन्हा प्रयत्न करा</translation>
    </message>
    <message>
        <source>Remove…</source>
        <translation>काढा…</translation>
    </message>
    <message>
        <source>%1 license</source>
        <translation>%1 परवाना</translation>
    </message>
    <message>
        <source>Remove the %app model?</source>
        <translation>%app मॉडेल काढायचे?</translation>
    </message>
    <message>
        <source>Model download</source>
        <translation>मॉडेल डाउनलोड</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>काढा</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>पुढे चला</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>नंतर</translation>
    </message>
    <message>
        <source>Start Writing</source>
        <translation>लिहायला सुरुवात करा</translation>
    </message>
    <message>
        <source>Finish your sentences in any app.</source>
        <translation>कोणत्याही ॲपमध्ये तुमची वाक्ये पूर्ण करा.</translation>
    </message>
    <message>
        <source>%app reads the words before your caret and suggests what comes next in grey. Press Tab to take one word, or the key above Tab to take the rest. If you don&apos;t want it, keep typing.</source>
        <translation>%app तुमच्या कॅरेटआधीचे शब्द वाचते आणि पुढे काय येईल ते राखाडी रंगात सुचवते. एक शब्द घेण्यासाठी Tab दाबा, किंवा उरलेले सर्व घेण्यासाठी Tab च्या वरची की. नको असल्यास फक्त टाइप करत राहा.</translation>
    </message>
    <message>
        <source>Sees what you see</source>
        <translation>तुम्ही जे पाहता ते पाहते</translation>
    </message>
    <message>
        <source>Private</source>
        <translation>खाजगी</translation>
    </message>
    <message>
        <source>It reads the window you&apos;re typing in, like the chat you&apos;re answering, so suggestions fit. None of it goes online, to us or any server. It stays private on your computer.</source>
        <translation>तुम्ही ज्या विंडोमध्ये टाइप करत आहात ती, उदा. तुम्ही उत्तर देत असलेली चॅट, ते वाचते, म्हणजे सूचना योग्य येतात. यातले काहीही ऑनलाइन जात नाही, ना आमच्याकडे ना कोणत्याही सर्व्हरवर. सर्व काही तुमच्या संगणकावर खाजगी राहते.</translation>
    </message>
    <message>
        <source>Accessibility is on</source>
        <translation>ॲक्सेसिबिलिटी सुरू आहे</translation>
    </message>
    <message>
        <source>%app can now read the field you&apos;re writing in and type suggestions for you.</source>
        <translation>%app आता तुम्ही लिहित असलेले फील्ड वाचू शकते आणि तुमच्यासाठी सूचना टाइप करू शकते.</translation>
    </message>
    <message>
        <source>Let %app see what you type.</source>
        <translation>तुम्ही काय टाइप करता ते %app ला पाहू द्या.</translation>
    </message>
    <message>
        <source>%app reads your text when you pause and forgets it after one suggestion, unless you turn on writing memory.</source>
        <translation>तुम्ही थांबल्यावर %app तुमचा मजकूर वाचते आणि एका सूचनेनंतर तो विसरते, तुम्ही लेखन मेमरी सुरू केली नसेल तर.</translation>
    </message>
    <message>
        <source>%app skips password fields and anything else the system marks as secure.</source>
        <translation>%app पासवर्ड फील्ड आणि सिस्टम सुरक्षित म्हणून चिन्हांकित करते ते सर्व वगळते.</translation>
    </message>
    <message>
        <source>Open Accessibility Settings</source>
        <translation>ॲक्सेसिबिलिटी सेटिंग्ज उघडा</translation>
    </message>
    <message>
        <source>Pick what writes your suggestions.</source>
        <translation>तुमच्या सूचना कोण लिहील ते निवडा.</translation>
    </message>
    <message>
        <source>You can change this any time in Settings.</source>
        <translation>तुम्ही हे कधीही सेटिंग्जमध्ये बदलू शकता.</translation>
    </message>
    <message>
        <source>Give it a try.</source>
        <translation>करून पाहा.</translation>
    </message>
    <message>
        <source>Start typing a sentence. When grey words appear, press Tab for one word or the key above Tab for all of them.</source>
        <translation>एखादे वाक्य टाइप करायला सुरुवात करा. राखाडी शब्द दिसल्यावर एका शब्दासाठी Tab दाबा किंवा सगळ्यांसाठी Tab च्या वरची की.</translation>
    </message>
    <message>
        <source>Hi Orlenn, thanks for the quick reply. I think we should</source>
        <translation>नमस्कार ऑर्लेन, पटकन उत्तर दिल्याबद्दल धन्यवाद. मला वाटते आपण</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>मागे</translation>
    </message>
    <message>
        <source>Practice field</source>
        <translation>सराव फील्ड</translation>
    </message>
    <message>
        <source>Default, on</source>
        <translation>डीफॉल्ट, सुरू</translation>
    </message>
    <message>
        <source>Default, off</source>
        <translation>डीफॉल्ट, बंद</translation>
    </message>
    <message>
        <source>Add a website</source>
        <translation>वेबसाइट जोडा</translation>
    </message>
    <message>
        <source>Domain</source>
        <translation>डोमेन</translation>
    </message>
    <message>
        <source>Rules for a site apply in any browser %app can read.</source>
        <translation>साइटचे नियम %app वाचू शकते अशा कोणत्याही ब्राउझरमध्ये लागू होतात.</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>जोडा</translation>
    </message>
    <message>
        <source>Add App…</source>
        <translation>ॲप जोडा…</translation>
    </message>
    <message>
        <source>Add an app</source>
        <translation>ॲप जोडा</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>शोधा</translation>
    </message>
    <message>
        <source>Clear search</source>
        <translation>शोध साफ करा</translation>
    </message>
    <message>
        <source>Add an app or website</source>
        <translation>ॲप किंवा वेबसाइट जोडा</translation>
    </message>
    <message>
        <source>Add Website…</source>
        <translation>वेबसाइट जोडा…</translation>
    </message>
    <message>
        <source>Apps &amp; Sites</source>
        <translation>ॲप्स आणि साइट्स</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>थांबवले</translation>
    </message>
    <message>
        <source>Apps</source>
        <translation>ॲप्स</translation>
    </message>
    <message>
        <source>Websites</source>
        <translation>वेबसाइट्स</translation>
    </message>
    <message>
        <source>No matches</source>
        <translation>काहीही जुळत नाही</translation>
    </message>
    <message>
        <source>No apps yet</source>
        <translation>अजून एकही ॲप नाही</translation>
    </message>
    <message>
        <source>Nothing matches “%1”.</source>
        <translation>“%1” शी काहीही जुळत नाही.</translation>
    </message>
    <message>
        <source>Apps appear here once you accept a suggestion in them, or add one with +.</source>
        <translation>एखाद्या ॲपमध्ये सूचना स्वीकारताच ते इथे दिसते, किंवा + ने ॲप जोडा.</translation>
    </message>
    <message>
        <source>Pick an app or site</source>
        <translation>ॲप किंवा साइट निवडा</translation>
    </message>
    <message>
        <source>Each one can have its own rules. Anything you don&apos;t change follows General.</source>
        <translation>प्रत्येकाचे स्वतःचे नियम असू शकतात. तुम्ही न बदललेले सर्व “सामान्य” नुसार चालते.</translation>
    </message>
    <message>
        <source>Words saved here</source>
        <translation>इथे वाचवलेले शब्द</translation>
    </message>
    <message>
        <source>Suggestions</source>
        <translation>सूचना</translation>
    </message>
    <message>
        <source>On</source>
        <translation>सुरू</translation>
    </message>
    <message>
        <source>Tab accepts suggestions</source>
        <translation>Tab ने सूचना स्वीकारा</translation>
    </message>
    <message>
        <source>Turn off where Tab already means something, like indenting. The other accept key still works.</source>
        <translation>जिथे Tab ला आधीच काम आहे, जसे इंडेंट, तिथे हे बंद करा. स्वीकारण्याची दुसरी की तरीही काम करते.</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>डीफॉल्ट</translation>
    </message>
    <message>
        <source>Insert by</source>
        <translation>घालण्याची पद्धत</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>लांबी</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>पुन्हा सुरू करा</translation>
    </message>
    <message>
        <source>Pause here</source>
        <translation>इथे थांबवा</translation>
    </message>
    <message>
        <source>Memory</source>
        <translation>मेमरी</translation>
    </message>
    <message>
        <source>Remember my writing here</source>
        <translation>इथे माझे लेखन लक्षात ठेवा</translation>
    </message>
    <message>
        <source>Writing memory is off in Your Voice.</source>
        <translation>“तुमची शैली” मध्ये लेखन मेमरी बंद आहे.</translation>
    </message>
    <message>
        <source>Erase…</source>
        <translation>पुसा…</translation>
    </message>
    <message>
        <source>Reset to Defaults</source>
        <translation>डीफॉल्टवर रीसेट करा</translation>
    </message>
    <message>
        <source>Erase what %app remembered from %1?</source>
        <translation>%app ने %1 मधून जे लक्षात ठेवले ते पुसायचे?</translation>
    </message>
    <message>
        <source>Erase</source>
        <translation>पुसा</translation>
    </message>
    <message>
        <source>Passages from this app can shape suggestions everywhere.</source>
        <translation>या ॲपमधील उतारे सगळीकडच्या सूचनांवर परिणाम करू शकतात.</translation>
    </message>
    <message>
        <source>Finish setting up</source>
        <translation>सेटअप पूर्ण करा</translation>
    </message>
    <message>
        <source>Setup progress</source>
        <translation>सेटअपची प्रगती</translation>
    </message>
    <message>
        <source>Done: %1</source>
        <translation>पूर्ण: %1</translation>
    </message>
    <message>
        <source>Best day yet!</source>
        <translation>आतापर्यंतचा सर्वोत्तम दिवस!</translation>
    </message>
    <message>
        <source>Try it here</source>
        <translation>इथे करून पाहा</translation>
    </message>
    <message>
        <source>Thanks for sending the draft over. I had a look and</source>
        <translation>मसुदा पाठवल्याबद्दल धन्यवाद. मी पाहिला आणि</translation>
    </message>
    <message>
        <source>next word</source>
        <translation>पुढचा शब्द</translation>
    </message>
    <message>
        <source>whole suggestion</source>
        <translation>संपूर्ण सूचना</translation>
    </message>
    <message>
        <source>hide it</source>
        <translation>लपवा</translation>
    </message>
    <message>
        <source>This field runs the real engine. Start typing and grey words show up as you go.</source>
        <translation>हे फील्ड खरे इंजिन चालवते. टाइप करायला सुरुवात करा, राखाडी शब्द सोबतच दिसतील.</translation>
    </message>
    <message>
        <source>This field runs the real engine, even before you allow Accessibility. Start typing and grey words show up as you go.</source>
        <translation>हे फील्ड खरे इंजिन चालवते, ॲक्सेसिबिलिटीची परवानगी देण्यापूर्वीही. टाइप करायला सुरुवात करा, राखाडी शब्द सोबतच दिसतील.</translation>
    </message>
    <message>
        <source>You&apos;re all set</source>
        <translation>सर्व तयार आहे</translation>
    </message>
    <message>
        <source>Accessibility is on and %1 is ready. %app works in every app you type in.</source>
        <translation>ॲक्सेसिबिलिटी सुरू आहे आणि %1 तयार आहे. तुम्ही टाइप करता त्या प्रत्येक ॲपमध्ये %app काम करते.</translation>
    </message>
    <message>
        <source>Waiting for %1 to quit</source>
        <translation>%1 बंद होण्याची प्रतीक्षा</translation>
    </message>
    <message>
        <source>Turned off</source>
        <translation>बंद केले</translation>
    </message>
    <message>
        <source>Paused everywhere</source>
        <translation>सगळीकडे थांबवले</translation>
    </message>
    <message>
        <source>%1, %2 typical wait</source>
        <translation>%1, सामान्य प्रतीक्षा %2</translation>
    </message>
    <message>
        <source>Start your streak today.</source>
        <translation>आजपासून तुमची मालिका सुरू करा.</translation>
    </message>
    <message>
        <source>Overview</source>
        <translation>आढावा</translation>
    </message>
    <message>
        <source>General</source>
        <translation>सामान्य</translation>
    </message>
    <message>
        <source>Engine</source>
        <translation>इंजिन</translation>
    </message>
    <message>
        <source>Context</source>
        <translation>संदर्भ</translation>
    </message>
    <message>
        <source>Your Voice</source>
        <translation>तुमची शैली</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>की</translation>
    </message>
    <message>
        <source>Emoji</source>
        <translation>इमोजी</translation>
    </message>
    <message>
        <source>Battery</source>
        <translation>बॅटरी</translation>
    </message>
    <message>
        <source>Insights</source>
        <translation>आकडेवारी</translation>
    </message>
    <message>
        <source>Field Inspector</source>
        <translation>फील्ड निरीक्षक</translation>
    </message>
    <message>
        <source>About</source>
        <translation>माहिती</translation>
    </message>
    <message>
        <source>How %app is doing today</source>
        <translation>आज %app कसे चालले आहे</translation>
    </message>
    <message>
        <source>Where and how suggestions appear</source>
        <translation>सूचना कुठे आणि कशा दिसतात</translation>
    </message>
    <message>
        <source>The model that writes your suggestions</source>
        <translation>तुमच्या सूचना लिहिणारे मॉडेल</translation>
    </message>
    <message>
        <source>What %app may look at to guess better</source>
        <translation>अधिक चांगल्या अंदाजासाठी %app काय पाहू शकते</translation>
    </message>
    <message>
        <source>Help suggestions sound like you</source>
        <translation>सूचना तुमच्या शैलीसारख्या करा</translation>
    </message>
    <message>
        <source>Accept, dismiss and summon suggestions</source>
        <translation>सूचना स्वीकारणे, नाकारणे आणि मागवणे</translation>
    </message>
    <message>
        <source>Emoji search and emoticons</source>
        <translation>इमोजी शोध आणि इमोटिकॉन</translation>
    </message>
    <message>
        <source>Rules for each app and website</source>
        <translation>प्रत्येक ॲप आणि वेबसाइटचे नियम</translation>
    </message>
    <message>
        <source>Save power when you&apos;re unplugged</source>
        <translation>चार्जर काढलेला असताना वीज वाचवा</translation>
    </message>
    <message>
        <source>Words saved and how fast suggestions arrive</source>
        <translation>वाचवलेले शब्द आणि सूचना किती वेगाने येतात</translation>
    </message>
    <message>
        <source>What %app sees in the focused field</source>
        <translation>फोकस असलेल्या फील्डमध्ये %app काय पाहते</translation>
    </message>
    <message>
        <source>Version and privacy</source>
        <translation>आवृत्ती आणि गोपनीयता</translation>
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
        <translation>क्रियाकलाप</translation>
    </message>
    <message>
        <source>%app can read the field you&apos;re typing in and insert suggestions in any app.</source>
        <translation>तुम्ही टाइप करत असलेले फील्ड %app वाचू शकते आणि कोणत्याही ॲपमध्ये सूचना घालू शकते.</translation>
    </message>
    <message>
        <source>Allow Accessibility access</source>
        <translation>ॲक्सेसिबिलिटी परवानगी द्या</translation>
    </message>
    <message>
        <source>%app needs it to read the text you type in other apps and to insert suggestions.</source>
        <translation>इतर ॲप्समध्ये तुम्ही टाइप केलेला मजकूर वाचण्यासाठी आणि सूचना घालण्यासाठी %app ला याची गरज आहे.</translation>
    </message>
    <message>
        <source>Allow…</source>
        <translation>परवानगी द्या…</translation>
    </message>
    <message>
        <source>%1 is ready</source>
        <translation>%1 तयार आहे</translation>
    </message>
    <message>
        <source>Checking %1</source>
        <translation>%1 तपासत आहे</translation>
    </message>
    <message>
        <source>This takes a moment.</source>
        <translation>याला एक क्षण लागतो.</translation>
    </message>
    <message>
        <source>Your engine isn&apos;t ready</source>
        <translation>तुमचे इंजिन तयार नाही</translation>
    </message>
    <message>
        <source>Open Engine</source>
        <translation>इंजिन सेटिंग्ज उघडा</translation>
    </message>
    <message>
        <source>The system&apos;s predictions are off</source>
        <translation>सिस्टमचे अंदाज बंद आहेत</translation>
    </message>
    <message>
        <source>Only %app&apos;s suggestions appear while you type.</source>
        <translation>टाइप करताना फक्त %app च्या सूचना दिसतात.</translation>
    </message>
    <message>
        <source>Turn off the system&apos;s predictions</source>
        <translation>सिस्टमचे अंदाज बंद करा</translation>
    </message>
    <message>
        <source>The system shows its own grey suggestions on top of %app&apos;s. Each app picks up the change the next time you open it.</source>
        <translation>सिस्टम %app च्या सूचनांवर स्वतःच्या राखाडी सूचना दाखवते. पुढच्या वेळी ॲप उघडल्यावर हा बदल त्यात लागू होईल.</translation>
    </message>
    <message>
        <source>Keyboard Settings</source>
        <translation>कीबोर्ड सेटिंग्ज</translation>
    </message>
    <message>
        <source>Turn Off</source>
        <translation>बंद करा</translation>
    </message>
    <message>
        <source>Only %app is suggesting</source>
        <translation>फक्त %app सूचना देत आहे</translation>
    </message>
    <message>
        <source>Tab reaches %app again.</source>
        <translation>Tab पुन्हा %app पर्यंत पोहोचते.</translation>
    </message>
    <message numerus="yes">
        <source>%1 didn&apos;t quit. They may be showing a dialog. Force Quit closes them right away.</source>
        <translation>
            <numerusform>%1 बंद झाले नाही. कदाचित ते एखादा डायलॉग दाखवत असेल. “सक्तीने बंद करा” ते लगेच बंद करते.</numerusform>
            <numerusform>%1 बंद झाली नाहीत. कदाचित ती डायलॉग दाखवत असतील. “सक्तीने बंद करा” ती लगेच बंद करते.</numerusform>
        </translation>
    </message>
    <message>
        <source>Force Quit</source>
        <translation>सक्तीने बंद करा</translation>
    </message>
    <message numerus="yes">
        <source>%1 take the Tab key before %app can, so %app stays paused in your other apps until you quit them.</source>
        <translation>
            <numerusform>%1, %app च्या आधी Tab की घेते, म्हणून तुम्ही ते बंद करेपर्यंत %app तुमच्या इतर ॲप्समध्ये थांबलेले राहते.</numerusform>
            <numerusform>%1, %app च्या आधी Tab की घेतात, म्हणून तुम्ही ती बंद करेपर्यंत %app तुमच्या इतर ॲप्समध्ये थांबलेले राहते.</numerusform>
        </translation>
    </message>
    <message>
        <source>Only when I ask</source>
        <translation>मी मागेन तेव्हाच</translation>
    </message>
    <message>
        <source>On battery, suggestions appear only after you press the Suggest Now shortcut.</source>
        <translation>बॅटरीवर असताना, “आता सुचवा” शॉर्टकट दाबल्यानंतरच सूचना दिसतात.</translation>
    </message>
    <message>
        <source>Shorter suggestions</source>
        <translation>लहान सूचना</translation>
    </message>
    <message>
        <source>Fewer words take less power to write.</source>
        <translation>कमी शब्द लिहायला कमी वीज लागते.</translation>
    </message>
    <message>
        <source>Lighter model</source>
        <translation>हलके मॉडेल</translation>
    </message>
    <message>
        <source>Same as plugged in</source>
        <translation>चार्जर लावलेला असताना असते तसेच</translation>
    </message>
    <message>
        <source>Running on battery. These apply right now.</source>
        <translation>बॅटरीवर चालू आहे. हे आत्ता लागू आहेत.</translation>
    </message>
    <message>
        <source>Plugged in. These wait until you unplug.</source>
        <translation>चार्जर लावलेला आहे. चार्जर काढल्यावर हे लागू होतील.</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>मॉडेल</translation>
    </message>
    <message>
        <source>Model name</source>
        <translation>मॉडेलचे नाव</translation>
    </message>
    <message>
        <source>Reload the model list</source>
        <translation>मॉडेल यादी रिफ्रेश करा</translation>
    </message>
    <message>
        <source>Choose a model</source>
        <translation>मॉडेल निवडा</translation>
    </message>
    <message>
        <source>For people who already run Ollama, LM Studio or llama-server.</source>
        <translation>जे आधीच Ollama, LM Studio किंवा llama-server चालवतात त्यांच्यासाठी.</translation>
    </message>
    <message>
        <source>Use your own model</source>
        <translation>तुमचे स्वतःचे मॉडेल वापरा</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>पत्ता</translation>
    </message>
    <message>
        <source>API key</source>
        <translation>API की</translation>
    </message>
    <message>
        <source>Only if your server asks for one</source>
        <translation>तुमच्या सर्व्हरने मागितली तरच</translation>
    </message>
    <message>
        <source>Focused</source>
        <translation>केंद्रित</translation>
    </message>
    <message>
        <source>Creativity</source>
        <translation>सर्जनशीलता</translation>
    </message>
    <message>
        <source>Loose</source>
        <translation>मोकळे</translation>
    </message>
    <message>
        <source>Lower stays close to the obvious next words. Higher tries more.</source>
        <translation>कमी मूल्य स्पष्ट पुढच्या शब्दांच्या जवळ राहते. जास्त मूल्य अधिक प्रयोग करते.</translation>
    </message>
    <message>
        <source>Wait before suggesting</source>
        <translation>सुचवण्यापूर्वी प्रतीक्षा</translation>
    </message>
    <message>
        <source>How long you pause before %app starts.</source>
        <translation>%app सुरू होण्यापूर्वी तुम्ही किती वेळ थांबता.</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>चालवा</translation>
    </message>
    <message>
        <source>Try the engine</source>
        <translation>इंजिन तपासून पाहा</translation>
    </message>
    <message>
        <source>Sends a sample sentence and shows what comes back.</source>
        <translation>एक नमुना वाक्य पाठवते आणि परत काय येते ते दाखवते.</translation>
    </message>
    <message>
        <source>Running…</source>
        <translation>चालू आहे…</translation>
    </message>
    <message>
        <source>The engine answered in %1 but had nothing useful to add.</source>
        <translation>इंजिनने %1 मध्ये उत्तर दिले, पण जोडण्यासारखे काही उपयुक्त नव्हते.</translation>
    </message>
    <message>
        <source>That didn&apos;t work: %1</source>
        <translation>ते चालले नाही: %1</translation>
    </message>
    <message>
        <source>The request was cancelled.</source>
        <translation>विनंती रद्द केली.</translation>
    </message>
    <message>
        <source>Startup</source>
        <translation>स्टार्टअप</translation>
    </message>
    <message>
        <source>Launch at login</source>
        <translation>लॉग इन केल्यावर सुरू करा</translation>
    </message>
    <message>
        <source>Show today&apos;s word count next to the icon</source>
        <translation>आयकॉनशेजारी आजची शब्दसंख्या दाखवा</translation>
    </message>
    <message>
        <source>Where suggestions appear</source>
        <translation>सूचना कुठे दिसतात</translation>
    </message>
    <message>
        <source>Turn this off to use %app only in the apps you switch on under Apps &amp; Sites.</source>
        <translation>हे बंद केल्यास %app फक्त तुम्ही “ॲप्स आणि साइट्स” मध्ये सुरू केलेल्या ॲप्समध्येच चालेल.</translation>
    </message>
    <message>
        <source>By default %app waits until the caret is at the end of a line.</source>
        <translation>डीफॉल्टनुसार कॅरेट ओळीच्या शेवटी येईपर्यंत %app थांबते.</translation>
    </message>
    <message>
        <source>Without this, %app skips search bars and one-word boxes.</source>
        <translation>याशिवाय %app शोध बार आणि एक-शब्दाचे बॉक्स वगळते.</translation>
    </message>
    <message>
        <source>Suggestions appear only after you press the Suggest Now shortcut.</source>
        <translation>“आता सुचवा” शॉर्टकट दाबल्यानंतरच सूचना दिसतात.</translation>
    </message>
    <message>
        <source>Spelling</source>
        <translation>शुद्धलेखन</translation>
    </message>
    <message>
        <source>Waits while the word you&apos;re typing looks misspelled, so %app doesn&apos;t build on a typo.</source>
        <translation>तुम्ही टाइप करत असलेला शब्द चुकीचा वाटत असेपर्यंत थांबते, म्हणजे %app टायपोवर पुढे रचत नाही.</translation>
    </message>
    <message>
        <source>After a misspelled word, shows a fix next to the caret. Press Tab to swap it in.</source>
        <translation>चुकीच्या शब्दानंतर कॅरेटशेजारी दुरुस्ती दाखवते. बदलण्यासाठी Tab दाबा.</translation>
    </message>
    <message>
        <source>Look</source>
        <translation>रूप</translation>
    </message>
    <message>
        <source>Suggestion color</source>
        <translation>सूचनेचा रंग</translation>
    </message>
    <message>
        <source>Text size</source>
        <translation>मजकुराचा आकार</translation>
    </message>
    <message>
        <source>Fine-tune if suggestions look larger or smaller than your text.</source>
        <translation>सूचना तुमच्या मजकुरापेक्षा मोठ्या किंवा लहान दिसत असल्यास हे जुळवा.</translation>
    </message>
    <message>
        <source>Vertical position</source>
        <translation>वर-खाली स्थान</translation>
    </message>
    <message>
        <source>Nudge suggestions up or down to line up with your text.</source>
        <translation>तुमच्या मजकुराशी रांगेत येण्यासाठी सूचना थोड्या वर किंवा खाली सरकवा.</translation>
    </message>
    <message>
        <source>A small keycap after your first suggestions, as a reminder of what to press.</source>
        <translation>तुमच्या पहिल्या सूचनांनंतर एक छोटी की, काय दाबायचे याची आठवण म्हणून.</translation>
    </message>
    <message>
        <source>Insert suggestions by</source>
        <translation>सूचना घालण्याची पद्धत</translation>
    </message>
    <message>
        <source>Other autocomplete apps</source>
        <translation>इतर ऑटोकंप्लीट ॲप्स</translation>
    </message>
    <message>
        <source>They take the Tab key before %app can. With this off, %app asks you first.</source>
        <translation>ती %app च्या आधी Tab की घेतात. हे बंद असल्यास %app आधी तुम्हाला विचारते.</translation>
    </message>
    <message>
        <source>%1 is another device on your network, so the text around your caret will be sent there.</source>
        <translation>%1 हे तुमच्या नेटवर्कवरील दुसरे डिव्हाइस आहे, म्हणून तुमच्या कॅरेटभोवतीचा मजकूर तिथे पाठवला जाईल.</translation>
    </message>
    <message>
        <source>%1 isn&apos;t this computer, so the text around your caret will be sent there.</source>
        <translation>%1 म्हणजे हा संगणक नाही, म्हणून तुमच्या कॅरेटभोवतीचा मजकूर तिथे पाठवला जाईल.</translation>
    </message>
    <message>
        <source>Both keep your text on this computer.</source>
        <translation>दोन्ही तुमचा मजकूर याच संगणकावर ठेवतात.</translation>
    </message>
    <message>
        <source>%app opens by itself when you start your computer.</source>
        <translation>तुम्ही संगणक सुरू करता तेव्हा %app आपोआप उघडते.</translation>
    </message>
    <message>
        <source>System predictions</source>
        <translation>सिस्टम अंदाज</translation>
    </message>
    <message>
        <source>The system can show its own grey predictions. Keeping them off avoids two suggestions at once.</source>
        <translation>सिस्टम स्वतःचे राखाडी अंदाज दाखवू शकते. ते बंद ठेवल्याने एकाच वेळी दोन सूचना दिसत नाहीत.</translation>
    </message>
    <message>
        <source>System predictions are on</source>
        <translation>सिस्टम अंदाज सुरू आहेत</translation>
    </message>
    <message>
        <source>System predictions are off</source>
        <translation>सिस्टम अंदाज बंद आहेत</translation>
    </message>
    <message>
        <source>tab</source>
        <translation>tab</translation>
    </message>
    <message>
        <source>Your next words, one Tab away.</source>
        <translation>तुमचे पुढचे शब्द, फक्त एका Tab वर.</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>वगळा</translation>
    </message>
    <message>
        <source>Get Started</source>
        <translation>सुरू करा</translation>
    </message>
    <message>
        <source>Turn sound on</source>
        <translation>आवाज सुरू करा</translation>
    </message>
    <message>
        <source>Turn sound off</source>
        <translation>आवाज बंद करा</translation>
    </message>
    <message>
        <source>The other app</source>
        <translation>दुसरे ॲप</translation>
    </message>
    <message numerus="yes">
        <source>Next time, quit %1 without asking</source>
        <translation>
            <numerusform>पुढच्या वेळी न विचारता %1 बंद करा</numerusform>
            <numerusform>पुढच्या वेळी न विचारता %1 बंद करा</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 is also running</source>
        <translation>
            <numerusform>%1 देखील चालू आहे</numerusform>
            <numerusform>%1 देखील चालू आहेत</numerusform>
        </translation>
    </message>
    <message>
        <source>Quitting…</source>
        <translation>बंद करत आहे…</translation>
    </message>
    <message numerus="yes">
        <source>%1 is still open</source>
        <translation>
            <numerusform>%1 अजूनही उघडे आहे</numerusform>
            <numerusform>%1 अजूनही उघडे आहेत</numerusform>
        </translation>
    </message>
    <message>
        <source>%app has the Tab key</source>
        <translation>Tab की आता %app कडे आहे</translation>
    </message>
    <message>
        <source>%1 quit, so your suggestions are back in every app.</source>
        <translation>%1 बंद झाले, म्हणून तुमच्या सूचना प्रत्येक ॲपमध्ये परत आल्या.</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>झाले</translation>
    </message>
    <message>
        <source>Open Source Notices</source>
        <translation>ओपन सोर्स सूचना</translation>
    </message>
    <message>
        <source>Reset all settings?</source>
        <translation>सर्व सेटिंग्ज रीसेट करायची?</translation>
    </message>
    <message>
        <source>This also clears your rules for apps and sites. Your statistics and writing memory stay.</source>
        <translation>यामुळे ॲप्स आणि साइट्ससाठीचे तुमचे नियमही पुसले जातात. तुमची आकडेवारी आणि लेखन मेमरी राहते.</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>रीसेट करा</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>आवृत्ती %1</translation>
    </message>
    <message>
        <source>Some apps hide their text</source>
        <translation>काही ॲप्स त्यांचा मजकूर लपवतात</translation>
    </message>
    <message>
        <source>Suggest emoji after a colon</source>
        <translation>कोलननंतर इमोजी सुचवा</translation>
    </message>
    <message>
        <source>Turn emoticons into emoji</source>
        <translation>इमोटिकॉनचे इमोजी करा</translation>
    </message>
    <message>
        <source>After :-) or &lt;3, %app offers the matching emoji. Press Tab to swap it in.</source>
        <translation>:-) किंवा &lt;3 नंतर %app जुळणारा इमोजी देते. बदलण्यासाठी Tab दाबा.</translation>
    </message>
    <message>
        <source>Skin tone</source>
        <translation>त्वचेचा रंग</translation>
    </message>
    <message>
        <source>Also show the default yellow</source>
        <translation>डीफॉल्ट पिवळाही दाखवा</translation>
    </message>
    <message>
        <source>Try a word</source>
        <translation>एखादा शब्द वापरून पाहा</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>कमी</translation>
    </message>
    <message>
        <source>No emoji match “%1”</source>
        <translation>“%1” शी कोणताही इमोजी जुळत नाही</translation>
    </message>
    <message>
        <source>Accepting</source>
        <translation>स्वीकारणे</translation>
    </message>
    <message>
        <source>Take the next word</source>
        <translation>पुढचा शब्द घ्या</translation>
    </message>
    <message>
        <source>Press again for each following word.</source>
        <translation>प्रत्येक पुढच्या शब्दासाठी पुन्हा दाबा.</translation>
    </message>
    <message>
        <source>Take the whole suggestion</source>
        <translation>संपूर्ण सूचना घ्या</translation>
    </message>
    <message>
        <source>The key above Tab is easy to reach on most keyboards.</source>
        <translation>बहुतांश कीबोर्डवर Tab च्या वरची की सहज हाताशी असते.</translation>
    </message>
    <message>
        <source>Include the space after a word</source>
        <translation>शब्दानंतरची स्पेसही घ्या</translation>
    </message>
    <message>
        <source>Include punctuation right after a word</source>
        <translation>शब्दानंतर लगेच येणारी विरामचिन्हेही घ्या</translation>
    </message>
    <message>
        <source>When you press Escape</source>
        <translation>Escape दाबल्यावर</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>शॉर्टकट</translation>
    </message>
    <message>
        <source>Suggest now</source>
        <translation>आता सुचवा</translation>
    </message>
    <message>
        <source>Asks for a suggestion right away, even where %app would normally wait.</source>
        <translation>लगेच सूचना मागते, जिथे %app सहसा थांबले असते तिथेही.</translation>
    </message>
    <message>
        <source>Other suggestions</source>
        <translation>इतर सूचना</translation>
    </message>
    <message>
        <source>Lists a few different ways to continue. Choose with the arrow keys, then press Tab.</source>
        <translation>पुढे लिहिण्याचे काही वेगळे मार्ग दाखवते. बाण कीने निवडा, मग Tab दाबा.</translation>
    </message>
    <message>
        <source>Pause or resume in this app</source>
        <translation>या ॲपमध्ये थांबवा किंवा पुन्हा सुरू करा</translation>
    </message>
    <message>
        <source>Pauses for 15 minutes.</source>
        <translation>१५ मिनिटांसाठी थांबवते.</translation>
    </message>
    <message>
        <source>Turn %app on or off</source>
        <translation>%app सुरू किंवा बंद करा</translation>
    </message>
    <message>
        <source>Everywhere, until you press it again.</source>
        <translation>सगळीकडे, तुम्ही पुन्हा दाबेपर्यंत.</translation>
    </message>
    <message>
        <source>Pause or resume</source>
        <translation>थांबवा किंवा पुन्हा सुरू करा</translation>
    </message>
    <message>
        <source>Turn on or off</source>
        <translation>सुरू किंवा बंद करा</translation>
    </message>
    <message>
        <source>%1 and %2 use the same keys. Only the first will work.</source>
        <translation>%1 आणि %2 एकाच की वापरतात. फक्त पहिले काम करेल.</translation>
    </message>
    <message>
        <source>About you</source>
        <translation>तुमच्याबद्दल</translation>
    </message>
    <message>
        <source>For example: I&apos;m a product designer in Berlin. I write short, friendly emails in British English and sign off with Cheers.</source>
        <translation>उदाहरणार्थ: मी बर्लिनमध्ये प्रॉडक्ट डिझायनर आहे. मी ब्रिटिश इंग्रजीत लहान, मैत्रीपूर्ण ईमेल लिहितो आणि शेवटी Cheers लिहितो.</translation>
    </message>
    <message>
        <source>Your role, the languages you write in, names you use often, how you like to sound.</source>
        <translation>तुमची भूमिका, तुम्ही लिहिता त्या भाषा, तुम्ही नेहमी वापरता ती नावे, तुम्हाला कसे वाटायला हवे.</translation>
    </message>
    <message>
        <source>Writing memory</source>
        <translation>लेखन मेमरी</translation>
    </message>
    <message>
        <source>Remember how I write</source>
        <translation>माझी लेखनशैली लक्षात ठेवा</translation>
    </message>
    <message>
        <source>Also remember fields where I accept nothing</source>
        <translation>मी काहीही स्वीकारत नाही ती फील्डही लक्षात ठेवा</translation>
    </message>
    <message>
        <source>%app learns your style sooner but keeps more of what you type.</source>
        <translation>%app तुमची शैली लवकर शिकते, पण तुम्ही टाइप केलेला जास्त मजकूर ठेवते.</translation>
    </message>
    <message>
        <source>Influence</source>
        <translation>प्रभाव</translation>
    </message>
    <message>
        <source>Strong</source>
        <translation>जास्त</translation>
    </message>
    <message>
        <source>How many of your passages each suggestion can draw on.</source>
        <translation>प्रत्येक सूचना तुमच्या किती उताऱ्यांचा आधार घेऊ शकते.</translation>
    </message>
    <message>
        <source>Erase All…</source>
        <translation>सर्व पुसा…</translation>
    </message>
    <message>
        <source>Erase everything %app remembered?</source>
        <translation>%app ने लक्षात ठेवलेले सर्व पुसायचे?</translation>
    </message>
    <message>
        <source>This can&apos;t be undone.</source>
        <translation>हे पूर्ववत करता येणार नाही.</translation>
    </message>
    <message>
        <source>Erase All</source>
        <translation>सर्व पुसा</translation>
    </message>
    <message>
        <source>Nothing remembered yet</source>
        <translation>अजून काहीही लक्षात ठेवलेले नाही</translation>
    </message>
    <message>
        <source>App and window name</source>
        <translation>ॲप आणि विंडोचे नाव</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>वेबसाइट</translation>
    </message>
    <message>
        <source>The site&apos;s domain when you write in a browser.</source>
        <translation>ब्राउझरमध्ये लिहिताना साइटचे डोमेन.</translation>
    </message>
    <message>
        <source>Recently copied text</source>
        <translation>नुकताच कॉपी केलेला मजकूर</translation>
    </message>
    <message>
        <source>Anything you copied in the last 10 minutes. Copies from password managers are skipped.</source>
        <translation>गेल्या १० मिनिटांत कॉपी केलेले काहीही. पासवर्ड मॅनेजरमधून कॉपी केलेला मजकूर वगळला जातो.</translation>
    </message>
    <message>
        <source>Text on screen</source>
        <translation>स्क्रीनवरील मजकूर</translation>
    </message>
    <message>
        <source>Reads the window you&apos;re writing in, so replies fit the conversation. It picks the lines closest to where you type.</source>
        <translation>तुम्ही लिहित असलेली विंडो वाचते, म्हणजे उत्तरे संभाषणाला जुळतात. तुम्ही टाइप करता त्या जागेच्या सर्वात जवळच्या ओळी निवडते.</translation>
    </message>
    <message>
        <source>What you just looked at</source>
        <translation>तुम्ही आत्ताच पाहिलेले</translation>
    </message>
    <message>
        <source>Windows beside you</source>
        <translation>शेजारच्या विंडो</translation>
    </message>
    <message>
        <source>Also reads up to two other windows on the same screen, like the document you&apos;re replying about. Skips password managers and apps you switched off.</source>
        <translation>त्याच स्क्रीनवरील आणखी दोन विंडोपर्यंत वाचते, जसे तुम्ही ज्याबद्दल उत्तर देत आहात तो दस्तऐवज. पासवर्ड मॅनेजर आणि तुम्ही बंद केलेली ॲप्स वगळते.</translation>
    </message>
    <message>
        <source>Off in this app</source>
        <translation>या ॲपमध्ये बंद</translation>
    </message>
    <message>
        <source>This word looks misspelled</source>
        <translation>या शब्दाचे शुद्धलेखन चुकीचे दिसते</translation>
    </message>
    <message>
        <source>Thanks for the notes. I&apos;ll send the revised deck</source>
        <translation>टिपांबद्दल धन्यवाद. सुधारित डेक मी</translation>
    </message>
    <message>
        <source> by Friday morning.</source>
        <translation> शुक्रवारी सकाळपर्यंत पाठवतो.</translation>
    </message>
    <message>
        <source>%1 quit. %app has the Tab key.</source>
        <translation>%1 बंद झाले. Tab की आता %app कडे आहे.</translation>
    </message>
    <message>
        <source>Open Data Folder</source>
        <translation>डेटा फोल्डर उघडा</translation>
    </message>
    <message>
        <source>Show Welcome Again</source>
        <translation>स्वागत पुन्हा दाखवा</translation>
    </message>
    <message>
        <source>Play Intro Again</source>
        <translation>परिचय पुन्हा चालवा</translation>
    </message>
    <message>
        <source>Reset Settings…</source>
        <translation>सेटिंग्ज रीसेट करा…</translation>
    </message>
    <message>
        <source>Suggest in every app</source>
        <translation>प्रत्येक ॲपमध्ये सुचवा</translation>
    </message>
    <message>
        <source>Suggest in code editors</source>
        <translation>कोड एडिटरमध्ये सुचवा</translation>
    </message>
    <message>
        <source>Suggest in the middle of a line</source>
        <translation>ओळीच्या मध्ये सुचवा</translation>
    </message>
    <message>
        <source>Suggest in small fields</source>
        <translation>लहान फील्डमध्ये सुचवा</translation>
    </message>
    <message>
        <source>Hold back on misspelled words</source>
        <translation>चुकीच्या शब्दांवर थांबा</translation>
    </message>
    <message>
        <source>Offer spelling fixes</source>
        <translation>शुद्धलेखन दुरुस्त्या सुचवा</translation>
    </message>
    <message>
        <source>Show the key hint</source>
        <translation>कीचा संकेत दाखवा</translation>
    </message>
    <message>
        <source>Quit other autocomplete apps when they open</source>
        <translation>इतर ऑटोकंप्लीट ॲप्स उघडल्यावर ती बंद करा</translation>
    </message>
    <message>
        <source>Keeps a few minutes of text from windows you switched away from, like a page you read before replying. It stays on your computer and skips apps you switched off.</source>
        <translation>तुम्ही ज्या विंडोमधून बाहेर पडलात त्यांचा काही मिनिटांचा मजकूर ठेवते, जसे उत्तर देण्यापूर्वी वाचलेले पान. हा मजकूर तुमच्या संगणकावरच राहतो आणि तुम्ही बंद केलेली ॲप्स वगळली जातात.</translation>
    </message>
    <message numerus="yes">
        <source>Both apps answer the Tab key, and the system gives it to %1 first. %app stays paused in your other apps until %1 quits.</source>
        <translation>
            <numerusform>दोन्ही ॲप्स Tab कीला प्रतिसाद देतात आणि सिस्टम ती आधी %1 ला देते. %1 बंद होईपर्यंत %app तुमच्या इतर ॲप्समध्ये थांबलेले राहते.</numerusform>
            <numerusform>%1, %app च्या आधी Tab की घेतात, म्हणून तुम्ही ती बंद करेपर्यंत %app तुमच्या इतर ॲप्समध्ये थांबलेले राहते.</numerusform>
        </translation>
    </message>
    <message>
        <source>Finishes your sentences in any app, on your computer.</source>
        <translation>तुमच्या संगणकावर, कोणत्याही ॲपमध्ये तुमची वाक्ये पूर्ण करते.</translation>
    </message>
    <message>
        <source>Keeps short passages from fields where you accepted a suggestion, encrypted on this computer, and shows them to the model as examples.</source>
        <translation>तुम्ही सूचना स्वीकारलेल्या फील्डमधील छोटे उतारे या संगणकावर एन्क्रिप्ट करून ठेवते आणि मॉडेलला उदाहरणे म्हणून दाखवते.</translation>
    </message>
    <message>
        <source>Light</source>
        <comment>skin tone</comment>
        <translation>फिका</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ठीक आहे</translation>
    </message>
    <message>
        <source>Default</source>
        <comment>skin tone</comment>
        <translation>डीफॉल्ट</translation>
    </message>
    <message>
        <source>Medium light</source>
        <comment>skin tone</comment>
        <translation>मध्यम फिका</translation>
    </message>
    <message>
        <source>Medium</source>
        <comment>skin tone</comment>
        <translation>मध्यम</translation>
    </message>
    <message>
        <source>Medium dark</source>
        <comment>skin tone</comment>
        <translation>मध्यम गडद</translation>
    </message>
    <message>
        <source>Dark</source>
        <comment>skin tone</comment>
        <translation>गडद</translation>
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
        <translation>नाही</translation>
    </message>
    <message>
        <source>Not reported, estimated from the caret</source>
        <translation>कळवले नाही, कॅरेटवरून अंदाजित</translation>
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
        <translation>अजून नाही</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>आज</translation>
    </message>
    <message>
        <source>Last 7 days</source>
        <translation>गेले ७ दिवस</translation>
    </message>
    <message>
        <source>All time</source>
        <translation>आतापर्यंत</translation>
    </message>
    <message>
        <source>Typing saved</source>
        <translation>वाचवलेले टायपिंग</translation>
    </message>
    <message>
        <source>at 40 words a minute</source>
        <translation>मिनिटाला ४० शब्द या वेगाने</translation>
    </message>
    <message>
        <source>Accepted</source>
        <translation>स्वीकारलेल्या</translation>
    </message>
    <message>
        <source>of suggestions shown</source>
        <translation>दाखवलेल्या सूचनांपैकी</translation>
    </message>
    <message>
        <source>Typical wait</source>
        <translation>सामान्य प्रतीक्षा</translation>
    </message>
    <message>
        <source>9 in 10 under %1</source>
        <translation>१० पैकी ९ वेळा %1 पेक्षा कमी</translation>
    </message>
    <message>
        <source>no requests yet</source>
        <translation>अजून एकही विनंती नाही</translation>
    </message>
    <message>
        <source>Words saved</source>
        <translation>वाचवलेले शब्द</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>कालावधी</translation>
    </message>
    <message>
        <source>Nothing to chart yet</source>
        <translation>आलेखासाठी अजून काहीही नाही</translation>
    </message>
    <message>
        <source>Accept a few suggestions and your days show up here.</source>
        <translation>काही सूचना स्वीकारा आणि तुमचे दिवस इथे दिसतील.</translation>
    </message>
    <message>
        <source>Where you write</source>
        <translation>तुम्ही कुठे लिहिता</translation>
    </message>
    <message>
        <source>Reset Statistics…</source>
        <translation>आकडेवारी रीसेट करा…</translation>
    </message>
    <message>
        <source>Reset all statistics?</source>
        <translation>सर्व आकडेवारी रीसेट करायची?</translation>
    </message>
    <message>
        <source>This clears words saved, acceptance and timing history.</source>
        <translation>यामुळे वाचवलेले शब्द, स्वीकृती आणि वेळेचा इतिहास पुसला जातो.</translation>
    </message>
    <message>
        <source>Copy Diagnostics</source>
        <translation>निदान माहिती कॉपी करा</translation>
    </message>
    <message>
        <source>Diagnostics leave out the text you typed.</source>
        <translation>निदान माहितीत तुम्ही टाइप केलेला मजकूर नसतो.</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>स्थिती</translation>
    </message>
    <message>
        <source>Right now</source>
        <translation>आत्ता</translation>
    </message>
    <message>
        <source>Allowed</source>
        <translation>परवानगी आहे</translation>
    </message>
    <message>
        <source>Not allowed</source>
        <translation>परवानगी नाही</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>कीबोर्ड</translation>
    </message>
    <message>
        <source>Listening</source>
        <translation>ऐकत आहे</translation>
    </message>
    <message>
        <source>Not listening</source>
        <translation>ऐकत नाही</translation>
    </message>
    <message>
        <source>Focused field</source>
        <translation>फोकस असलेले फील्ड</translation>
    </message>
    <message>
        <source>Click into a text field in another app, then come back. The last field %1 saw stays here.</source>
        <translation>दुसऱ्या ॲपमधील मजकूर फील्डमध्ये क्लिक करा, मग परत या. %1 ने पाहिलेले शेवटचे फील्ड इथे राहते.</translation>
    </message>
    <message>
        <source>App</source>
        <translation>ॲप</translation>
    </message>
    <message>
        <source>Field type</source>
        <translation>फील्डचा प्रकार</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>विंडो</translation>
    </message>
    <message>
        <source>Field size</source>
        <translation>फील्डचा आकार</translation>
    </message>
    <message>
        <source>Caret found</source>
        <translation>कॅरेट सापडला</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>फॉन्ट</translation>
    </message>
    <message>
        <source>At end of line</source>
        <translation>ओळीच्या शेवटी</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>होय</translation>
    </message>
    <message>
        <source>Secure input</source>
        <translation>सुरक्षित इनपुट</translation>
    </message>
    <message>
        <source>Looked at lately</source>
        <translation>अलीकडे पाहिलेले</translation>
    </message>
    <message>
        <source>Text before the caret</source>
        <translation>कॅरेटआधीचा मजकूर</translation>
    </message>
    <message>
        <source>Last request</source>
        <translation>शेवटची विनंती</translation>
    </message>
    <message>
        <source>Wait</source>
        <translation>प्रतीक्षा</translation>
    </message>
    <message>
        <source>Suggestion</source>
        <translation>सूचना</translation>
    </message>
    <message>
        <source>Prompt sent to the engine</source>
        <translation>इंजिनला पाठवलेला प्रॉम्प्ट</translation>
    </message>
    <message>
        <source>Raw answer</source>
        <translation>कच्चे उत्तर</translation>
    </message>
    <message>
        <source>(empty)</source>
        <translation>(रिकामे)</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>कॉपी केले</translation>
    </message>
    <message>
        <source>Choose a language</source>
        <translation>भाषा निवडा</translation>
    </message>
    <message>
        <source>Search languages</source>
        <translation>भाषा शोधा</translation>
    </message>
    <message>
        <source>Same as my computer</source>
        <translation>माझ्या संगणकाप्रमाणे</translation>
    </message>
    <message>
        <source>Switch to %1?</source>
        <translation>%1 वर बदलायचे?</translation>
    </message>
    <message>
        <source>%1 closes and opens again in a second. Your settings stay as they are.</source>
        <translation>%1 बंद होऊन एका सेकंदात पुन्हा उघडेल. तुमची सेटिंग्ज जशीच्या तशी राहतील.</translation>
    </message>
    <message>
        <source>Reopen Now</source>
        <translation>आता पुन्हा उघडा</translation>
    </message>
    <message>
        <source>App language</source>
        <translation>ॲपची भाषा</translation>
    </message>
    <message>
        <source>Pick the language you read most easily. Suggestions follow whatever language you type.</source>
        <translation>तुम्हाला सर्वात सहज वाचता येणारी भाषा निवडा. तुम्ही ज्या भाषेत टाइप करता त्याच भाषेत सूचना येतात.</translation>
    </message>
    <message>
        <source>Change the app language</source>
        <translation>ॲपची भाषा बदला</translation>
    </message>
    <message>
        <source>0 min</source>
        <translation>० मिनिटे</translation>
    </message>
    <message>
        <source>under a minute</source>
        <translation>एका मिनिटापेक्षा कमी</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 से.</translation>
    </message>
    <message>
        <source>Not set</source>
        <translation>सेट केलेले नाही</translation>
    </message>
    <message>
        <source>Clear shortcut</source>
        <translation>शॉर्टकट साफ करा</translation>
    </message>
    <message>
        <source>Add Ctrl, Alt or Super so normal typing still works.</source>
        <translation>Ctrl, Alt किंवा Super जोडा, म्हणजे नेहमीचे टायपिंग काम करत राहील.</translation>
    </message>
    <message>
        <source>Type a shortcut…</source>
        <translation>शॉर्टकट टाइप करा…</translation>
    </message>
    <message>
        <source>Recording shortcut</source>
        <translation>शॉर्टकट रेकॉर्ड होत आहे</translation>
    </message>
    <message>
        <source>Shortcut %1</source>
        <translation>शॉर्टकट %1</translation>
    </message>
    <message>
        <source>Record shortcut</source>
        <translation>शॉर्टकट रेकॉर्ड करा</translation>
    </message>
    <message>
        <source>Shortcut not set</source>
        <translation>शॉर्टकट सेट केलेला नाही</translation>
    </message>
    <message>
        <source>Press to record a new shortcut. Escape cancels.</source>
        <translation>नवीन शॉर्टकट रेकॉर्ड करण्यासाठी दाबा. Escape रद्द करते.</translation>
    </message>
    <message>
        <source>Your tray icon is hidden</source>
        <translation>तुमचा ट्रे आयकॉन लपलेला आहे</translation>
    </message>
    <message>
        <source>This computer has no on-device language model</source>
        <translation>या संगणकावर ऑन-डिव्हाइस भाषा मॉडेल नाही</translation>
    </message>
    <message>
        <source>Turn on the on-device model in the desktop&apos;s settings</source>
        <translation>डेस्कटॉपच्या सेटिंग्जमध्ये ऑन-डिव्हाइस मॉडेल सुरू करा</translation>
    </message>
    <message>
        <source>The on-device model is unavailable</source>
        <translation>ऑन-डिव्हाइस मॉडेल उपलब्ध नाही</translation>
    </message>
    <message>
        <source>Downloading. The on-device model fills in until it&apos;s done.</source>
        <translation>डाउनलोड होत आहे. ते पूर्ण होईपर्यंत ऑन-डिव्हाइस मॉडेल काम सांभाळते.</translation>
    </message>
    <message>
        <source>The on-device model fills in until you download it.</source>
        <translation>तुम्ही डाउनलोड करेपर्यंत ऑन-डिव्हाइस मॉडेल काम सांभाळते.</translation>
    </message>
    <message>
        <source>%1 shares no text. Quit it and start it with %2 to get suggestions in it.</source>
        <translation>%1 कोणताही मजकूर शेअर करत नाही. त्यात सूचना मिळवण्यासाठी ते बंद करा आणि %2 सह सुरू करा.</translation>
    </message>
    <message>
        <source>On-device model</source>
        <translation>ऑन-डिव्हाइस मॉडेल</translation>
    </message>
    <message>
        <source>The system&apos;s own language model. Nothing to download.</source>
        <translation>सिस्टमचे स्वतःचे भाषा मॉडेल. काहीही डाउनलोड करायचे नाही.</translation>
    </message>
    <message>
        <source>A website name cannot hold spaces, tabs or line breaks.</source>
        <translation>वेबसाइटच्या नावात स्पेस, टॅब किंवा लाइन ब्रेक असू शकत नाहीत.</translation>
    </message>
    <message>
        <source>Only addresses that start with http or https can be added.</source>
        <translation>फक्त http किंवा https ने सुरू होणारे पत्ते जोडता येतात.</translation>
    </message>
    <message>
        <source>That is not a website name. Type one such as wikipedia.org.</source>
        <translation>हे वेबसाइटचे नाव नाही. wikipedia.org सारखे नाव टाइप करा.</translation>
    </message>
    <message>
        <source>A port is a number from 1 to 65535.</source>
        <translation>पोर्ट म्हणजे १ ते ६५५३५ मधील एक संख्या.</translation>
    </message>
    <message>
        <source>The on-device model fills in until the download is done.</source>
        <translation>डाउनलोड पूर्ण होईपर्यंत ऑन-डिव्हाइस मॉडेल काम सांभाळते.</translation>
    </message>
    <message>
        <source>Suggestions start once the download is done.</source>
        <translation>डाउनलोड पूर्ण होताच सूचना सुरू होतील.</translation>
    </message>
    <message>
        <source>This frees %1. The on-device model fills in until you download it again.</source>
        <translation>यामुळे %1 मोकळी होईल. पुन्हा डाउनलोड करेपर्यंत ऑन-डिव्हाइस मॉडेल काम सांभाळते.</translation>
    </message>
    <message>
        <source>This frees %1. The %app model can&apos;t suggest until you download it again.</source>
        <translation>यामुळे %1 मोकळी होईल. पुन्हा डाउनलोड करेपर्यंत %app मॉडेल सूचना देऊ शकणार नाही.</translation>
    </message>
    <message>
        <source>There&apos;s no room for it, or your panel has no system tray. Add the panel&apos;s system tray or status area applet in its settings.</source>
        <translation>त्याला जागा नाही, किंवा तुमच्या पॅनेलमध्ये सिस्टम ट्रे नाही. पॅनेलच्या सेटिंग्जमध्ये सिस्टम ट्रे किंवा स्टेटस एरिया ॲपलेट जोडा.</translation>
    </message>
    <message>
        <source>GNOME shows tray icons only with the AppIndicator extension. Install the gnome-shell-extension-appindicator package, log out and in, then turn it on in Extensions.</source>
        <translation>GNOME फक्त AppIndicator एक्स्टेंशन असल्यास ट्रे आयकॉन दाखवते. gnome-shell-extension-appindicator पॅकेज इन्स्टॉल करा, लॉग आउट करून पुन्हा लॉग इन करा, मग “एक्स्टेंशन्स” मध्ये ते सुरू करा.</translation>
    </message>
    <message>
        <source>GNOME shows tray icons only with the AppIndicator extension. It is installed but off: turn it on in Extensions.</source>
        <translation>GNOME फक्त AppIndicator एक्स्टेंशन असल्यास ट्रे आयकॉन दाखवते. ते इन्स्टॉल आहे पण बंद आहे: “एक्स्टेंशन्स” मध्ये ते सुरू करा.</translation>
    </message>
    <message>
        <source>Until then, open %app from your applications menu to reach Settings.</source>
        <translation>तोपर्यंत, सेटिंग्जपर्यंत पोहोचण्यासाठी ॲप्लिकेशन मेनूमधून %app उघडा.</translation>
    </message>
    <message>
        <source>Open Extensions</source>
        <translation>“एक्स्टेंशन्स” उघडा</translation>
    </message>
    <message>
        <source>Show Count in Tray</source>
        <translation>ट्रेमध्ये संख्या दाखवा</translation>
    </message>
    <message>
        <source>%1 shares no text</source>
        <translation>%1 कोणताही मजकूर शेअर करत नाही</translation>
    </message>
    <message>
        <source>Copy command</source>
        <translation>कमांड कॉपी करा</translation>
    </message>
    <message>
        <source>There&apos;s no account and no analytics. With the %app model or the on-device model, your text stays on this computer.</source>
        <translation>खाते नाही आणि ॲनालिटिक्सही नाही. %app मॉडेल किंवा ऑन-डिव्हाइस मॉडेलसह तुमचा मजकूर याच संगणकावर राहतो.</translation>
    </message>
    <message>
        <source>There&apos;s no account and no analytics. With the %app model, your text stays on this computer.</source>
        <translation>खाते नाही आणि ॲनालिटिक्सही नाही. %app मॉडेलसह तुमचा मजकूर याच संगणकावर राहतो.</translation>
    </message>
    <message>
        <source>%app lives in your system tray from now on. Click its icon to pause it in an app or open Settings.</source>
        <translation>आतापासून %app तुमच्या सिस्टम ट्रेमध्ये राहते. एखाद्या ॲपमध्ये ते थांबवण्यासाठी किंवा सेटिंग्ज उघडण्यासाठी त्याच्या आयकॉनवर क्लिक करा.</translation>
    </message>
    <message>
        <source>%app has no account, no analytics and no servers of its own. The %app model and the on-device model keep your text on this computer. Other engines get it only if you set one up.</source>
        <translation>%app कडे ना खाते, ना ॲनालिटिक्स, ना स्वतःचे सर्व्हर. %app मॉडेल आणि ऑन-डिव्हाइस मॉडेल तुमचा मजकूर याच संगणकावर ठेवतात. इतर इंजिनना तो तेव्हाच मिळतो जेव्हा तुम्ही त्यापैकी एखादे सेट करता.</translation>
    </message>
    <message>
        <source>%app has no account, no analytics and no servers of its own. The %app model keeps your text on this computer. Other engines get it only if you set one up.</source>
        <translation>%app कडे ना खाते, ना ॲनालिटिक्स, ना स्वतःचे सर्व्हर. %app मॉडेल तुमचा मजकूर याच संगणकावर ठेवते. इतर इंजिनना तो तेव्हाच मिळतो जेव्हा तुम्ही त्यापैकी एखादे सेट करता.</translation>
    </message>
    <message>
        <source>Installed applications</source>
        <translation>इन्स्टॉल केलेली ॲप्लिकेशन्स</translation>
    </message>
    <message>
        <source>%app reads these only while making a suggestion and never saves them. With the %app model or the on-device model, nothing leaves your computer.</source>
        <translation>%app हे फक्त सूचना तयार करताना वाचते आणि कधीही सेव्ह करत नाही. %app मॉडेल किंवा ऑन-डिव्हाइस मॉडेलसह काहीही तुमच्या संगणकाबाहेर जात नाही.</translation>
    </message>
    <message>
        <source>%app reads these only while making a suggestion and never saves them. With the %app model, nothing leaves your computer.</source>
        <translation>%app हे फक्त सूचना तयार करताना वाचते आणि कधीही सेव्ह करत नाही. %app मॉडेलसह काहीही तुमच्या संगणकाबाहेर जात नाही.</translation>
    </message>
    <message>
        <source>The %app model keeps your text on this computer.</source>
        <translation>%app मॉडेल तुमचा मजकूर याच संगणकावर ठेवते.</translation>
    </message>
    <message>
        <source>The key holds a line break or another control character. Paste it again without them.</source>
        <translation>कीमध्ये लाइन ब्रेक किंवा दुसरे कंट्रोल कॅरेक्टर आहे. ते काढून पुन्हा पेस्ट करा.</translation>
    </message>
    <message>
        <source>Waiting for the keyring to store the key.</source>
        <translation>कीरिंग की सेव्ह करेपर्यंत प्रतीक्षा.</translation>
    </message>
    <message>
        <source>The keyring cannot keep this key, so it is used only until %app quits.</source>
        <translation>कीरिंग ही की ठेवू शकत नाही, म्हणून ती फक्त %app बंद होईपर्यंत वापरली जाईल.</translation>
    </message>
    <message>
        <source>Show in the system tray</source>
        <translation>सिस्टम ट्रेमध्ये दाखवा</translation>
    </message>
    <message>
        <source>Pause or open Settings from the system tray. Hidden? Open %app from your applications menu to come back.</source>
        <translation>सिस्टम ट्रेमधून थांबवा किंवा सेटिंग्ज उघडा. लपलेले आहे? परत येण्यासाठी ॲप्लिकेशन मेनूमधून %app उघडा.</translation>
    </message>
    <message>
        <source>This tray can&apos;t show text beside icons, so the count shows in the icon&apos;s tooltip.</source>
        <translation>हा ट्रे आयकॉनशेजारी मजकूर दाखवू शकत नाही, म्हणून संख्या आयकॉनच्या टूलटिपमध्ये दिसते.</translation>
    </message>
    <message>
        <source>VS Code, VSCodium, Cursor, Zed, Kate, Sublime Text, JetBrains IDEs and similar apps.</source>
        <translation>VS Code, VSCodium, Cursor, Zed, Kate, Sublime Text, JetBrains IDE आणि तशी इतर ॲप्स.</translation>
    </message>
    <message>
        <source>Your settings could not be read, so they were set aside and %app started over with its defaults.</source>
        <translation>तुमची सेटिंग्ज वाचता आली नाहीत, म्हणून ती बाजूला ठेवली आणि %app डीफॉल्ट सेटिंग्जसह नव्याने सुरू झाले.</translation>
    </message>
    <message>
        <source>Your settings are not saved: %app cannot write to its settings folder.</source>
        <translation>तुमची सेटिंग्ज सेव्ह होत नाहीत: %app त्याच्या सेटिंग्ज फोल्डरमध्ये लिहू शकत नाही.</translation>
    </message>
    <message>
        <source>Your app and website rules could not be read, so they were set aside.</source>
        <translation>तुमचे ॲप आणि वेबसाइट नियम वाचता आले नाहीत, म्हणून ते बाजूला ठेवले.</translation>
    </message>
    <message>
        <source>Your statistics could not be read, so they were set aside and counting started over.</source>
        <translation>तुमची आकडेवारी वाचता आली नाही, म्हणून ती बाजूला ठेवली आणि मोजणी नव्याने सुरू झाली.</translation>
    </message>
    <message>
        <source>Not saved: %app cannot write to its data folder.</source>
        <translation>सेव्ह झाले नाही: %app त्याच्या डेटा फोल्डरमध्ये लिहू शकत नाही.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln suggestions. %1 selected</source>
        <translation>
            <numerusform>%Ln सूचना. निवडलेली: %1</numerusform>
            <numerusform>%Ln सूचना. निवडलेली: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln min</source>
        <translation>
            <numerusform>%Ln मिनिट</numerusform>
            <numerusform>%Ln मिनिटे</numerusform>
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
            <numerusform>इथून %Ln उतारा</numerusform>
            <numerusform>इथून %Ln उतारे</numerusform>
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
            <numerusform>%Ln दिवस</numerusform>
            <numerusform>%Ln दिवस</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Words saved per day over the last %Ln days</source>
        <translation>
            <numerusform>गेल्या %Ln दिवसात दररोज वाचवलेले शब्द</numerusform>
            <numerusform>गेल्या %Ln दिवसांत दररोज वाचवलेले शब्द</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln day streak</source>
        <translation>
            <numerusform>सलग %Ln दिवस</numerusform>
            <numerusform>सलग %Ln दिवस</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln passages remembered</source>
        <translation>
            <numerusform>%Ln उतारा लक्षात ठेवला</numerusform>
            <numerusform>%Ln उतारे लक्षात ठेवले</numerusform>
        </translation>
    </message>
    <message>
        <source>enter</source>
        <translation>enter</translation>
    </message>
    <message>
        <source>Allow screen capture so %app can read those too. Most apps work without it.</source>
        <translation>स्क्रीन कॅप्चरला परवानगी द्या, म्हणजे %app तेही वाचू शकेल. बहुतांश ॲप्स त्याशिवाय काम करतात.</translation>
    </message>
    <message>
        <source>Type a colon and a word, like :rocket, then press Tab or Enter to pick.</source>
        <translation>कोलन आणि एक शब्द टाइप करा, जसे :rocket, मग निवडण्यासाठी Tab किंवा Enter दाबा.</translation>
    </message>
    <message>
        <source>You can switch memory off for single apps under Apps &amp; Sites. The key that unlocks it lives in your keyring.</source>
        <translation>“ॲप्स आणि साइट्स” मध्ये तुम्ही स्वतंत्र ॲप्ससाठी मेमरी बंद करू शकता. ती उघडणारी की तुमच्या कीरिंगमध्ये असते.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln emoji. %1 selected</source>
        <translation>
            <numerusform>%Ln इमोजी. निवडलेला: %1</numerusform>
            <numerusform>%Ln इमोजी. निवडलेला: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Suggestion: %1</source>
        <translation>सूचना: %1</translation>
    </message>
    <message numerus="yes">
        <source>%Ln models available</source>
        <translation>
            <numerusform>%Ln मॉडेल उपलब्ध</numerusform>
            <numerusform>%Ln मॉडेल उपलब्ध</numerusform>
        </translation>
    </message>
    <message>
        <source>The model couldn&apos;t be saved: %1</source>
        <translation>मॉडेल सेव्ह करता आले नाही: %1</translation>
    </message>
    <message>
        <source>Ollama isn&apos;t running.</source>
        <translation>Ollama चालू नाही.</translation>
    </message>
    <message>
        <source>Ollama isn&apos;t running at %1.</source>
        <translation>Ollama %1 येथे चालू नाही.</translation>
    </message>
    <message>
        <source>No server answered.</source>
        <translation>कोणत्याही सर्व्हरने उत्तर दिले नाही.</translation>
    </message>
    <message>
        <source>No server answered at %1.</source>
        <translation>%1 येथे कोणत्याही सर्व्हरने उत्तर दिले नाही.</translation>
    </message>
    <message>
        <source>Range: %1</source>
        <translation>कालावधी: %1</translation>
    </message>
    <message numerus="yes">
        <source>%1, %Ln to do</source>
        <translation>
            <numerusform>%1, %Ln बाकी</numerusform>
            <numerusform>%1, %Ln बाकी</numerusform>
        </translation>
    </message>
    <message>
        <source>Type the whole name of the website, such as wikipedia.org.</source>
        <translation>वेबसाइटचे पूर्ण नाव टाइप करा, जसे wikipedia.org.</translation>
    </message>
    <message>
        <source>The key holds a space, an invisible character or a letter outside plain ASCII. Paste it again exactly as your server gave it.</source>
        <translation>कीमध्ये स्पेस, अदृश्य कॅरेक्टर किंवा साध्या ASCII बाहेरचे अक्षर आहे. तुमच्या सर्व्हरने दिली तशीच पुन्हा पेस्ट करा.</translation>
    </message>
    <message>
        <source>The keyring could not be read, so your server is asked without an API key. Type the key again if your server needs one.</source>
        <translation>कीरिंग वाचता आली नाही, म्हणून तुमच्या सर्व्हरला API कीशिवाय विचारले जात आहे. तुमच्या सर्व्हरला की हवी असल्यास ती पुन्हा टाइप करा.</translation>
    </message>
    <message>
        <source>Your writing memory could not be opened, so it was set aside and %app started a new one.</source>
        <translation>तुमची लेखन मेमरी उघडता आली नाही, म्हणून ती बाजूला ठेवली आणि %app ने नवीन मेमरी सुरू केली.</translation>
    </message>
    <message>
        <source>%1, converted for llama.cpp by %2</source>
        <translation>%1, llama.cpp साठी %2 ने रूपांतरित केलेले</translation>
    </message>
    <message>
        <source>The data folder %1 could not be made. Check that the folder above it exists and that you may write there.</source>
        <translation>डेटा फोल्डर %1 तयार करता आले नाही. त्याच्या वरचे फोल्डर अस्तित्वात आहे आणि तुम्ही तिथे लिहू शकता हे तपासा.</translation>
    </message>
    <message>
        <source>party</source>
        <comment>emoji search sample</comment>
        <translation>पार्टी</translation>
    </message>
    <message numerus="yes">
        <source>%Ln settings held values %app cannot use, so they were corrected and saved.</source>
        <translation>
            <numerusform>%Ln सेटिंगमध्ये असे मूल्य होते जे %app वापरू शकत नाही, म्हणून ते दुरुस्त करून सेव्ह केले.</numerusform>
            <numerusform>%Ln सेटिंग्जमध्ये अशी मूल्ये होती जी %app वापरू शकत नाही, म्हणून ती दुरुस्त करून सेव्ह केली.</numerusform>
        </translation>
    </message>
    <message>
        <source>Your writing memory is not saved: the keyring is missing or locked, so its key cannot be kept.</source>
        <translation>तुमची लेखन मेमरी सेव्ह होत नाही: कीरिंग नाही किंवा लॉक आहे, म्हणून मेमरीची की ठेवता येत नाही.</translation>
    </message>
    <message>
        <source>That address isn&apos;t valid</source>
        <translation>हा पत्ता वैध नाही</translation>
    </message>
    <message>
        <source>The request timed out.</source>
        <translation>विनंतीची वेळ संपली.</translation>
    </message>
    <message>
        <source>The server&apos;s reply was too long, so it was stopped.</source>
        <translation>सर्व्हरचे उत्तर खूप लांब होते, म्हणून ते थांबवले.</translation>
    </message>
    <message>
        <source>The server answered %1.</source>
        <translation>सर्व्हरने %1 उत्तर दिले.</translation>
    </message>
    <message>
        <source>The server answered %1: %2</source>
        <translation>सर्व्हरने %1 उत्तर दिले: %2</translation>
    </message>
    <message>
        <source>The download server answered %1. Try again later.</source>
        <translation>डाउनलोड सर्व्हरने %1 उत्तर दिले. नंतर पुन्हा प्रयत्न करा.</translation>
    </message>
    <message>
        <source>The download couldn&apos;t be saved: %1</source>
        <translation>डाउनलोड सेव्ह करता आले नाही: %1</translation>
    </message>
    <message>
        <source>The download paused because the connection dropped. Try again to pick up where it stopped.</source>
        <translation>कनेक्शन तुटल्यामुळे डाउनलोड थांबले. जिथे थांबले तिथून पुढे सुरू ठेवण्यासाठी पुन्हा प्रयत्न करा.</translation>
    </message>
    <message>
        <source>The download stopped. Check your connection, then try again.</source>
        <translation>डाउनलोड थांबले. तुमचे कनेक्शन तपासा, मग पुन्हा प्रयत्न करा.</translation>
    </message>
    <message>
        <source>Pick an Ollama model in Settings</source>
        <translation>सेटिंग्जमध्ये एक Ollama मॉडेल निवडा</translation>
    </message>
    <message>
        <source>Pick a model for your local server</source>
        <translation>तुमच्या स्थानिक सर्व्हरसाठी एक मॉडेल निवडा</translation>
    </message>
    <message>
        <source>The server&apos;s answer is not HTTP.</source>
        <translation>सर्व्हरचे उत्तर HTTP नाही.</translation>
    </message>
    <message>
        <source>The data couldn&apos;t be read because it is missing.</source>
        <translation>डेटा वाचता आला नाही कारण तो उपलब्ध नाही.</translation>
    </message>
    <message>
        <source>The data couldn&apos;t be read because it isn&apos;t in the correct format.</source>
        <translation>डेटा वाचता आला नाही कारण तो योग्य फॉरमॅटमध्ये नाही.</translation>
    </message>
    <message>
        <source>:%1:</source>
        <comment>emoji name</comment>
        <translation>:%1:</translation>
    </message>
    <message>
        <source>This computer has no on-device language model.</source>
        <translation>या संगणकावर ऑन-डिव्हाइस भाषा मॉडेल नाही.</translation>
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
        <translation>%1 वर थांबवले</translation>
    </message>
    <message>
        <source>Paused in %1</source>
        <translation>%1 मध्ये थांबवले</translation>
    </message>
    <message>
        <source>Off on %1</source>
        <translation>%1 वर बंद</translation>
    </message>
    <message>
        <source>Off in %1</source>
        <translation>%1 मध्ये बंद</translation>
    </message>
    <message>
        <source>Off in %1 by default</source>
        <translation>%1 मध्ये डीफॉल्टने बंद</translation>
    </message>
    <message>
        <source>Off in code editors</source>
        <translation>कोड एडिटरमध्ये बंद</translation>
    </message>
    <message>
        <source>Off unless turned on per app</source>
        <translation>प्रत्येक ॲपसाठी सुरू केल्याशिवाय बंद</translation>
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
        <translation>की %1</translation>
    </message>
    <message>
        <source>An email reply reads differently from a commit message.</source>
        <translation>ईमेलचे उत्तर आणि कमिट संदेश वेगवेगळ्या पद्धतीने लिहिले जातात.</translation>
    </message>
    <message>
        <source>Writes straight into the field. Cleanest in GTK and Qt apps.</source>
        <translation>थेट फील्डमध्ये लिहिते. GTK आणि Qt ॲप्समध्ये सर्वात स्वच्छ.</translation>
    </message>
    <message>
        <source>Typing</source>
        <comment>insertion method</comment>
        <translation>टायपिंग</translation>
    </message>
    <message>
        <source>%1 h</source>
        <comment>hours with one decimal, such as 1.5</comment>
        <translation>%1 तास</translation>
    </message>
    <message numerus="yes">
        <source>%Ln h</source>
        <translation>
            <numerusform>%Ln तास</numerusform>
            <numerusform>%Ln तास</numerusform>
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
            <numerusform>आज %Ln शब्द वाचवला</numerusform>
            <numerusform>आज %Ln शब्द वाचवले</numerusform>
        </translation>
    </message>
    <message>
        <source>Under a minute of typing saved today.</source>
        <translation>आज एका मिनिटापेक्षा कमी टायपिंग वाचले.</translation>
    </message>
    <message>
        <source>About %1 of typing saved today.</source>
        <translation>आज सुमारे %1 टायपिंग वाचले.</translation>
    </message>
    <message numerus="yes">
        <source>Step %1 of %Ln</source>
        <translation>
            <numerusform>%Ln पैकी पायरी %1</numerusform>
            <numerusform>%Ln पैकी पायरी %1</numerusform>
        </translation>
    </message>
    <message>
        <source>%app reads and types into text fields through the desktop&apos;s accessibility support, which some desktops leave off. %app uses it only for the field you&apos;re writing in.</source>
        <translation>%app डेस्कटॉपच्या ॲक्सेसिबिलिटी सपोर्टद्वारे मजकूर फील्ड वाचते आणि त्यात टाइप करते; काही डेस्कटॉप हे बंद ठेवतात. तुम्ही ज्या फील्डमध्ये लिहित आहात त्यासाठीच %app ते वापरते.</translation>
    </message>
    <message>
        <source>The button switches the desktop&apos;s accessibility support on. If the desktop&apos;s settings open instead, turn accessibility on there, then come back. This page updates by itself.</source>
        <translation>हे बटण डेस्कटॉपचा ॲक्सेसिबिलिटी सपोर्ट सुरू करते. त्याऐवजी डेस्कटॉपची सेटिंग्ज उघडल्यास, तिथे ॲक्सेसिबिलिटी सुरू करा, मग परत या. हे पेज आपोआप अपडेट होते.</translation>
    </message>
    <message>
        <source>Still off? Some desktops start their accessibility service only when you log in. Log out and back in, then try again.</source>
        <translation>अजूनही बंद आहे? काही डेस्कटॉप लॉग इन करतानाच ॲक्सेसिबिलिटी सेवा सुरू करतात. लॉग आउट करून पुन्हा लॉग इन करा, मग पुन्हा प्रयत्न करा.</translation>
    </message>
    <message>
        <source>Pause</source>
        <comment>section header</comment>
        <translation>विराम</translation>
    </message>
    <message>
        <source>Pause</source>
        <comment>button</comment>
        <translation>थांबवा</translation>
    </message>
    <message>
        <source>typing</source>
        <comment>insertion method, in a sentence</comment>
        <translation>टायपिंग</translation>
    </message>
    <message>
        <source>accessibility</source>
        <comment>insertion method, in a sentence</comment>
        <translation>ॲक्सेसिबिलिटी</translation>
    </message>
    <message>
        <source>paste</source>
        <comment>insertion method, in a sentence</comment>
        <translation>पेस्ट</translation>
    </message>
    <message>
        <source>short</source>
        <comment>suggestion length, in a sentence</comment>
        <translation>लहान</translation>
    </message>
    <message>
        <source>medium</source>
        <comment>suggestion length, in a sentence</comment>
        <translation>मध्यम</translation>
    </message>
    <message>
        <source>long</source>
        <comment>suggestion length, in a sentence</comment>
        <translation>लांब</translation>
    </message>
    <message>
        <source>Default follows General: %1, %2 suggestions.</source>
        <translation>डीफॉल्ट “सामान्य” नुसार: %1, %2 सूचना.</translation>
    </message>
    <message>
        <source>Yes, at %1, %2 on screen, %3 pt tall, %4 and %5</source>
        <translation>होय, स्क्रीनवर %1, %2 येथे, %3 pt उंच, %4 आणि %5</translation>
    </message>
    <message numerus="yes">
        <source>%Ln characters before it</source>
        <translation>
            <numerusform>त्याआधी %Ln अक्षर</numerusform>
            <numerusform>त्याआधी %Ln अक्षरे</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln after</source>
        <comment>characters after the caret</comment>
        <translation>
            <numerusform>त्यानंतर %Ln</numerusform>
            <numerusform>त्यानंतर %Ln</numerusform>
        </translation>
    </message>
    <message>
        <source>No system tray runs on this desktop, so the icon cannot show. %1</source>
        <translation>या डेस्कटॉपवर कोणताही सिस्टम ट्रे चालू नाही, त्यामुळे आयकॉन दिसू शकत नाही. %1</translation>
    </message>
    <message>
        <source>Typing</source>
        <comment>section header</comment>
        <translation>टायपिंग</translation>
    </message>
    <message>
        <source>Switch to the computer&apos;s language?</source>
        <translation>संगणकाच्या भाषेवर बदलायचे?</translation>
    </message>
    <message numerus="yes">
        <source>%Ln words this week.</source>
        <translation>
            <numerusform>या आठवड्यात %Ln शब्द.</numerusform>
            <numerusform>या आठवड्यात %Ln शब्द.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Under a minute of typing saved today. %Ln words this week.</source>
        <translation>
            <numerusform>आज एका मिनिटापेक्षा कमी टायपिंग वाचले. या आठवड्यात %Ln शब्द.</numerusform>
            <numerusform>आज एका मिनिटापेक्षा कमी टायपिंग वाचले. या आठवड्यात %Ln शब्द.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>About %1 of typing saved today. %Ln words this week.</source>
        <translation>
            <numerusform>आज सुमारे %1 टायपिंग वाचले. या आठवड्यात %Ln शब्द.</numerusform>
            <numerusform>आज सुमारे %1 टायपिंग वाचले. या आठवड्यात %Ln शब्द.</numerusform>
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
            <numerusform>%1 पैकी %Ln पूर्ण</numerusform>
            <numerusform>%1 पैकी %Ln पूर्ण</numerusform>
        </translation>
    </message>
    <message>
        <source>The server refused the connection. Check that it is running and that the address is right.</source>
        <translation>सर्व्हरने कनेक्शन नाकारले. तो चालू आहे आणि पत्ता बरोबर आहे का ते तपासा.</translation>
    </message>
    <message>
        <source>The server&apos;s name couldn&apos;t be found. Check the address.</source>
        <translation>सर्व्हरचे नाव सापडले नाही. पत्ता तपासा.</translation>
    </message>
    <message>
        <source>A secure connection to the server couldn&apos;t be made.</source>
        <translation>सर्व्हरशी सुरक्षित कनेक्शन जोडता आले नाही.</translation>
    </message>
    <message>
        <source>The server closed the connection before it answered.</source>
        <translation>उत्तर देण्यापूर्वीच सर्व्हरने कनेक्शन बंद केले.</translation>
    </message>
    <message>
        <source>The network proxy couldn&apos;t be reached.</source>
        <translation>नेटवर्कच्या प्रॉक्सीपर्यंत पोहोचता आले नाही.</translation>
    </message>
    <message>
        <source>The server couldn&apos;t be reached.</source>
        <translation>सर्व्हरपर्यंत पोहोचता आले नाही.</translation>
    </message>
    <message>
        <source>Waiting for the network…</source>
        <translation>नेटवर्कची वाट पाहत आहे…</translation>
    </message>
    <message>
        <source>%1 is taken by another program.</source>
        <translation>दुसरा प्रोग्राम %1 वापरत आहे.</translation>
    </message>
    <message>
        <source>%1 could not open again. Your choice takes effect the next time you start it.</source>
        <translation>%1 पुन्हा उघडू शकले नाही. तुमची निवड पुढच्या वेळी सुरू केल्यावर लागू होईल.</translation>
    </message>
    <message>
        <source>Downloading the model</source>
        <translation>मॉडेल डाउनलोड होत आहे</translation>
    </message>
    <message numerus="yes">
        <source>These apps answer the Tab key before %app can, so %app stays paused in your other apps until they quit.</source>
        <translation>
            <numerusform>ही ॲप्स %app च्या आधी Tab कीला प्रतिसाद देतात, म्हणून ती बंद होईपर्यंत %app तुमच्या इतर ॲप्समध्ये थांबलेले राहते.</numerusform>
            <numerusform>ही ॲप्स %app च्या आधी Tab कीला प्रतिसाद देतात, म्हणून ती बंद होईपर्यंत %app तुमच्या इतर ॲप्समध्ये थांबलेले राहते.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>It may be waiting on a dialog of its own. Force Quit closes it right away.</source>
        <translation>
            <numerusform>कदाचित ते स्वतःच्या एखाद्या डायलॉगची वाट पाहत असेल. “सक्तीने बंद करा” ते लगेच बंद करते.</numerusform>
            <numerusform>कदाचित ती स्वतःच्या डायलॉगची वाट पाहत असतील. “सक्तीने बंद करा” ती लगेच बंद करते.</numerusform>
        </translation>
    </message>
    <message>
        <source>Set a Suggest Now shortcut in Keys to ask for suggestions</source>
        <translation>सूचना मागण्यासाठी “की” मध्ये “आता सुचवा” शॉर्टकट सेट करा</translation>
    </message>
    <message>
        <source>Backspace</source>
        <comment>key above Enter that deletes backwards</comment>
        <translation>Backspace</translation>
    </message>
    <message>
        <source>0 words saved today</source>
        <translation>आज ० शब्द वाचवले</translation>
    </message>
    <message>
        <source>words saved today</source>
        <comment>beside the count 0</comment>
        <translation>शब्द आज वाचवले</translation>
    </message>
    <message>
        <source>Quit the other app</source>
        <translation>दुसरे ॲप बंद करा</translation>
    </message>
    <message>
        <source>None yet</source>
        <comment>no app looked at yet</comment>
        <translation>अजून काहीही नाही</translation>
    </message>
    <message>
        <source>None yet</source>
        <comment>no suggestion shown yet</comment>
        <translation>अजून कोणतीही सूचना नाही</translation>
    </message>
    <message>
        <source>The other app is also running</source>
        <translation>दुसरे ॲप देखील चालू आहे</translation>
    </message>
    <message>
        <source>Both apps answer the Tab key, and the system gives it to the other app first. %app stays paused in your other apps until the other app quits.</source>
        <translation>दोन्ही ॲप्स Tab कीला प्रतिसाद देतात आणि सिस्टम ती आधी दुसऱ्या ॲपला देते. दुसरे ॲप बंद होईपर्यंत %app तुमच्या इतर ॲप्समध्ये थांबलेले राहते.</translation>
    </message>
    <message>
        <source>The other app is still open</source>
        <translation>दुसरे ॲप अजूनही उघडे आहे</translation>
    </message>
    <message>
        <source>The other app quit, so your suggestions are back in every app.</source>
        <translation>दुसरे ॲप बंद झाले, म्हणून तुमच्या सूचना प्रत्येक ॲपमध्ये परत आल्या.</translation>
    </message>
    <message>
        <source>The other app quit. %app has the Tab key.</source>
        <translation>दुसरे ॲप बंद झाले. Tab की आता %app कडे आहे.</translation>
    </message>
</context>
</TS>
