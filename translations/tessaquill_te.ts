<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="te" sourcelanguage="en">
<context>
    <name>Tessaquill</name>
    <message>
        <source>Accessibility is on. %app is ready in your other apps.</source>
        <translation>యాక్సెసిబిలిటీ ఆన్‌లో ఉంది. మీ ఇతర యాప్‌లలో %app సిద్ధంగా ఉంది.</translation>
    </message>
    <message>
        <source>Paused while %1 is open</source>
        <translation>%1 తెరిచి ఉన్నప్పుడు పాజ్ చేయబడింది</translation>
    </message>
    <message>
        <source>Welcome to %app</source>
        <translation>%app కు స్వాగతం</translation>
    </message>
    <message>
        <source>%app</source>
        <translation>%app</translation>
    </message>
    <message>
        <source>Another autocomplete app is running</source>
        <translation>మరో ఆటోకంప్లీట్ యాప్ రన్ అవుతోంది</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>సిద్ధంగా ఉంది</translation>
    </message>
    <message>
        <source>Waiting for a pause</source>
        <translation>విరామం కోసం వేచి ఉంది</translation>
    </message>
    <message>
        <source>Thinking</source>
        <translation>ఆలోచిస్తోంది</translation>
    </message>
    <message>
        <source>Showing a suggestion</source>
        <translation>సూచనను చూపుతోంది</translation>
    </message>
    <message>
        <source>The model took too long to answer</source>
        <translation>మోడల్ సమాధానం ఇవ్వడానికి చాలా సమయం తీసుకుంది</translation>
    </message>
    <message>
        <source>This app doesn&apos;t report where the caret is</source>
        <translation>ఈ యాప్ కర్సర్ ఎక్కడ ఉందో తెలియజేయదు</translation>
    </message>
    <message>
        <source>%app is turned off</source>
        <translation>%app ఆఫ్‌లో ఉంది</translation>
    </message>
    <message>
        <source>Secure input is on, so %app stays out</source>
        <translation>సురక్షిత ఇన్‌పుట్ ఆన్‌లో ఉంది, కాబట్టి %app పనిచేయదు</translation>
    </message>
    <message>
        <source>Press %1 for a suggestion</source>
        <translation>సూచన కోసం %1 నొక్కండి</translation>
    </message>
    <message>
        <source>Text is selected</source>
        <translation>టెక్స్ట్ ఎంచుకోబడింది</translation>
    </message>
    <message>
        <source>The caret is inside existing text</source>
        <translation>కర్సర్ ఇప్పటికే ఉన్న టెక్స్ట్ మధ్యలో ఉంది</translation>
    </message>
    <message>
        <source>This field is too small</source>
        <translation>ఈ ఫీల్డ్ చాలా చిన్నది</translation>
    </message>
    <message>
        <source>Waiting for a few characters</source>
        <translation>కొన్ని అక్షరాల కోసం వేచి ఉంది</translation>
    </message>
    <message>
        <source>Start of a new line</source>
        <translation>కొత్త లైన్ ప్రారంభం</translation>
    </message>
    <message>
        <source>The model is still downloading</source>
        <translation>మోడల్ ఇంకా డౌన్‌లోడ్ అవుతోంది</translation>
    </message>
    <message>
        <source>Download the %app model in Settings first</source>
        <translation>ముందుగా సెట్టింగ్‌లలో %app మోడల్‌ను డౌన్‌లోడ్ చేయండి</translation>
    </message>
    <message>
        <source>Not checked yet</source>
        <translation>ఇంకా తనిఖీ చేయలేదు</translation>
    </message>
    <message>
        <source>Checking…</source>
        <translation>తనిఖీ చేస్తోంది…</translation>
    </message>
    <message>
        <source>The model stopped with error %1</source>
        <translation>మోడల్ లోపం %1 తో ఆగిపోయింది</translation>
    </message>
    <message>
        <source>The model file couldn&apos;t be loaded</source>
        <translation>మోడల్ ఫైల్‌ను లోడ్ చేయడం సాధ్యపడలేదు</translation>
    </message>
    <message>
        <source>There wasn&apos;t enough memory to start the model</source>
        <translation>మోడల్‌ను ప్రారంభించడానికి తగినంత మెమరీ లేదు</translation>
    </message>
    <message>
        <source>The text couldn&apos;t be prepared for the model</source>
        <translation>టెక్స్ట్‌ను మోడల్ కోసం సిద్ధం చేయడం సాధ్యపడలేదు</translation>
    </message>
    <message>
        <source>This computer needs %1 free for the download. Free up some space, then try again.</source>
        <translation>డౌన్‌లోడ్ కోసం ఈ కంప్యూటర్‌లో %1 ఖాళీ స్థలం అవసరం. కొంత స్థలాన్ని ఖాళీ చేసి, మళ్లీ ప్రయత్నించండి.</translation>
    </message>
    <message>
        <source>The download didn&apos;t match the expected file, so it was deleted. Try again.</source>
        <translation>డౌన్‌లోడ్ ఆశించిన ఫైల్‌తో సరిపోలలేదు, కాబట్టి దాన్ని తొలగించాము. మళ్లీ ప్రయత్నించండి.</translation>
    </message>
    <message>
        <source>Downloaded</source>
        <translation>డౌన్‌లోడ్ అయింది</translation>
    </message>
    <message>
        <source>Downloading. Suggestions start once it&apos;s done.</source>
        <translation>డౌన్‌లోడ్ అవుతోంది. అది పూర్తయ్యాక సూచనలు మొదలవుతాయి.</translation>
    </message>
    <message>
        <source>Checking the download.</source>
        <translation>డౌన్‌లోడ్‌ను తనిఖీ చేస్తోంది.</translation>
    </message>
    <message>
        <source>Checking the download. Suggestions start once it&apos;s done.</source>
        <translation>డౌన్‌లోడ్‌ను తనిఖీ చేస్తోంది. అది పూర్తయ్యాక సూచనలు మొదలవుతాయి.</translation>
    </message>
    <message>
        <source>Download the model to start</source>
        <translation>ప్రారంభించడానికి మోడల్‌ను డౌన్‌లోడ్ చేయండి</translation>
    </message>
    <message>
        <source>Ollama is running but has no models</source>
        <translation>Ollama రన్ అవుతోంది కానీ అందులో మోడల్‌లు లేవు</translation>
    </message>
    <message>
        <source>Another app</source>
        <translation>మరో యాప్</translation>
    </message>
    <message>
        <source>There is no D-Bus session bus, so %1 cannot reach text fields.</source>
        <translation>D-Bus సెషన్ బస్ లేదు, కాబట్టి %1 టెక్స్ట్ ఫీల్డ్‌లను చేరుకోలేకపోతోంది.</translation>
    </message>
    <message>
        <source>The desktop&apos;s accessibility bus is not running, so %1 cannot reach text fields.</source>
        <translation>డెస్క్‌టాప్ యాక్సెసిబిలిటీ బస్ రన్ కావడం లేదు, కాబట్టి %1 టెక్స్ట్ ఫీల్డ్‌లను చేరుకోలేకపోతోంది.</translation>
    </message>
    <message>
        <source>Short</source>
        <translation>చిన్నది</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>మధ్యస్థం</translation>
    </message>
    <message>
        <source>Long</source>
        <translation>పొడవైనది</translation>
    </message>
    <message>
        <source>Hide the suggestion</source>
        <translation>సూచనను దాచు</translation>
    </message>
    <message>
        <source>Hide suggestions until I change fields</source>
        <translation>నేను ఫీల్డ్ మార్చే వరకు సూచనలను దాచు</translation>
    </message>
    <message>
        <source>Do nothing, send Escape to the app</source>
        <translation>ఏమీ చేయవద్దు, Escape ను యాప్‌కు పంపు</translation>
    </message>
    <message>
        <source>Type it</source>
        <translation>టైప్ చేయి</translation>
    </message>
    <message>
        <source>Insert through Accessibility</source>
        <translation>యాక్సెసిబిలిటీ ద్వారా చొప్పించు</translation>
    </message>
    <message>
        <source>Paste it</source>
        <translation>పేస్ట్ చేయి</translation>
    </message>
    <message>
        <source>Grey</source>
        <translation>బూడిద రంగు</translation>
    </message>
    <message>
        <source>Gold tint</source>
        <translation>బంగారు ఛాయ</translation>
    </message>
    <message>
        <source>%app model</source>
        <translation>%app మోడల్</translation>
    </message>
    <message>
        <source>Ollama</source>
        <translation>Ollama</translation>
    </message>
    <message>
        <source>Local server</source>
        <translation>లోకల్ సర్వర్</translation>
    </message>
    <message>
        <source>Runs on this computer after a one-time download. Works offline.</source>
        <translation>ఒక్కసారి డౌన్‌లోడ్ చేశాక ఈ కంప్యూటర్‌లోనే రన్ అవుతుంది. ఆఫ్‌లైన్‌లోనూ పనిచేస్తుంది.</translation>
    </message>
    <message>
        <source>Any model you run in Ollama, base models included.</source>
        <translation>మీరు Ollama లో రన్ చేసే ఏ మోడల్ అయినా, బేస్ మోడల్‌లతో సహా.</translation>
    </message>
    <message>
        <source>LM Studio, llama-server or any OpenAI-compatible endpoint.</source>
        <translation>LM Studio, llama-server లేదా OpenAI కి అనుకూలమైన ఏదైనా ఎండ్‌పాయింట్.</translation>
    </message>
    <message>
        <source>Sends the text as keystrokes. Works almost everywhere.</source>
        <translation>టెక్స్ట్‌ను కీస్ట్రోక్‌లుగా పంపుతుంది. దాదాపు అన్నిచోట్లా పనిచేస్తుంది.</translation>
    </message>
    <message>
        <source>Uses the clipboard, then puts your clipboard back.</source>
        <translation>క్లిప్‌బోర్డ్‌ను ఉపయోగించి, తర్వాత మీ క్లిప్‌బోర్డ్‌ను తిరిగి ఉంచుతుంది.</translation>
    </message>
    <message>
        <source>Accessibility</source>
        <translation>యాక్సెసిబిలిటీ</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>పేస్ట్</translation>
    </message>
    <message>
        <source>Your writing memory could not be opened and was set aside. Nothing new is remembered until %app starts again.</source>
        <translation>మీ రచనా జ్ఞాపకాన్ని తెరవడం సాధ్యపడలేదు, కాబట్టి దాన్ని పక్కన పెట్టాము. %app మళ్లీ ప్రారంభమయ్యే వరకు కొత్తగా ఏదీ గుర్తుంచుకోబడదు.</translation>
    </message>
    <message>
        <source>Your writing memory could not be opened because its key could not be read from the keyring. Nothing new is remembered until %app starts again.</source>
        <translation>కీరింగ్ నుండి కీని చదవలేకపోయినందున మీ రచనా జ్ఞాపకాన్ని తెరవడం సాధ్యపడలేదు. %app మళ్లీ ప్రారంభమయ్యే వరకు కొత్తగా ఏదీ గుర్తుంచుకోబడదు.</translation>
    </message>
    <message>
        <source>Not Now</source>
        <translation>ఇప్పుడు కాదు</translation>
    </message>
    <message>
        <source>Open the desktop&apos;s settings</source>
        <translation>డెస్క్‌టాప్ సెట్టింగ్‌లను తెరువు</translation>
    </message>
    <message>
        <source>Don&apos;t remind me again</source>
        <translation>మళ్లీ గుర్తు చేయవద్దు</translation>
    </message>
    <message>
        <source>Open Playground</source>
        <translation>ప్రాక్టీస్ ఫీల్డ్‌ను తెరువు</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>సెట్టింగ్‌లు</translation>
    </message>
    <message>
        <source>Quit %app</source>
        <translation>%app నుండి నిష్క్రమించు</translation>
    </message>
    <message>
        <source>Needs Accessibility access</source>
        <translation>యాక్సెసిబిలిటీ యాక్సెస్ అవసరం</translation>
    </message>
    <message>
        <source>Paused until you resume</source>
        <translation>మీరు కొనసాగించే వరకు పాజ్ చేయబడింది</translation>
    </message>
    <message>
        <source>Paused until %1</source>
        <translation>%1 వరకు పాజ్ చేయబడింది</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>ఆఫ్</translation>
    </message>
    <message numerus="yes">
        <source>Paused while %1 are open</source>
        <translation>
            <numerusform>%1 తెరిచి ఉన్నప్పుడు పాజ్ చేయబడింది</numerusform>
            <numerusform>%1 తెరిచి ఉన్నప్పుడు పాజ్ చేయబడింది</numerusform>
        </translation>
    </message>
    <message>
        <source>Grant Accessibility Access…</source>
        <translation>యాక్సెసిబిలిటీ యాక్సెస్ ఇవ్వు…</translation>
    </message>
    <message numerus="yes">
        <source>Force Quit %1</source>
        <translation>
            <numerusform>%1 ను బలవంతంగా మూసివేయి</numerusform>
            <numerusform>%1 ను బలవంతంగా మూసివేయి</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Quit %1</source>
        <translation>
            <numerusform>%1 ను మూసివేయి</numerusform>
            <numerusform>%1 ను మూసివేయి</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>words saved today</source>
        <translation>
            <numerusform>పదం ఈ రోజు ఆదా అయింది</numerusform>
            <numerusform>పదాలు ఈ రోజు ఆదా అయ్యాయి</numerusform>
        </translation>
    </message>
    <message>
        <source>Start typing anywhere. %app keeps count here.</source>
        <translation>ఎక్కడైనా టైప్ చేయడం మొదలుపెట్టండి. %app ఇక్కడ లెక్కిస్తుంది.</translation>
    </message>
    <message>
        <source>Resume in %1</source>
        <translation>%1 లో కొనసాగించు</translation>
    </message>
    <message>
        <source>Pause in %1</source>
        <translation>%1 లో పాజ్ చేయి</translation>
    </message>
    <message>
        <source>Resume Everywhere</source>
        <translation>అన్నిచోట్లా కొనసాగించు</translation>
    </message>
    <message>
        <source>Pause Everywhere</source>
        <translation>అన్నిచోట్లా పాజ్ చేయి</translation>
    </message>
    <message>
        <source>For 15 Minutes</source>
        <translation>15 నిమిషాలు</translation>
    </message>
    <message>
        <source>For 1 Hour</source>
        <translation>1 గంట</translation>
    </message>
    <message>
        <source>For 4 Hours</source>
        <translation>4 గంటలు</translation>
    </message>
    <message>
        <source>Until I Resume</source>
        <translation>నేను కొనసాగించే వరకు</translation>
    </message>
    <message>
        <source>Example: after typing %1, %2 suggests %3</source>
        <translation>ఉదాహరణ: %1 అని టైప్ చేశాక, %2 సూచించేది %3</translation>
    </message>
    <message>
        <source>takes the next word</source>
        <translation>తదుపరి పదాన్ని తీసుకుంటుంది</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>డౌన్‌లోడ్ చేయి</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>రద్దు చేయి</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%2 లో %1</translation>
    </message>
    <message>
        <source>%1 of %2. You can keep writing while it downloads.</source>
        <translation>%2 లో %1. డౌన్‌లోడ్ అవుతున్నప్పుడు మీరు రాయడం కొనసాగించవచ్చు.</translation>
    </message>
    <message>
        <source>Checking the download</source>
        <translation>డౌన్‌లోడ్‌ను తనిఖీ చేస్తోంది</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>మళ్లీ ప్రయత్నించు</translation>
    </message>
    <message>
        <source>Remove…</source>
        <translation>తీసివేయి…</translation>
    </message>
    <message>
        <source>%1 license</source>
        <translation>%1 లైసెన్స్</translation>
    </message>
    <message>
        <source>Remove the %app model?</source>
        <translation>%app మోడల్‌ను తీసివేయాలా?</translation>
    </message>
    <message>
        <source>Model download</source>
        <translation>మోడల్ డౌన్‌లోడ్</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>తీసివేయి</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>కొనసాగించు</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>తర్వాత</translation>
    </message>
    <message>
        <source>Start Writing</source>
        <translation>రాయడం ప్రారంభించు</translation>
    </message>
    <message>
        <source>Finish your sentences in any app.</source>
        <translation>ఏ యాప్‌లోనైనా మీ వాక్యాలను పూర్తి చేస్తుంది.</translation>
    </message>
    <message>
        <source>%app reads the words before your caret and suggests what comes next in grey. Press Tab to take one word, or the key above Tab to take the rest. If you don&apos;t want it, keep typing.</source>
        <translation>%app మీ కర్సర్‌కు ముందున్న పదాలను చదివి, తర్వాత ఏమి రావచ్చో బూడిద రంగులో సూచిస్తుంది. ఒక పదం తీసుకోవడానికి Tab, మిగతాదంతా తీసుకోవడానికి Tab పైన ఉన్న కీ నొక్కండి. వద్దనుకుంటే, టైప్ చేస్తూనే ఉండండి.</translation>
    </message>
    <message>
        <source>Sees what you see</source>
        <translation>మీరు చూసేదాన్ని చూస్తుంది</translation>
    </message>
    <message>
        <source>Private</source>
        <translation>ప్రైవేట్</translation>
    </message>
    <message>
        <source>It reads the window you&apos;re typing in, like the chat you&apos;re answering, so suggestions fit. None of it goes online, to us or any server. It stays private on your computer.</source>
        <translation>మీరు టైప్ చేస్తున్న విండోను, ఉదాహరణకు మీరు సమాధానం ఇస్తున్న చాట్‌ను చదువుతుంది, తద్వారా సూచనలు సరిపోతాయి. అందులో ఏదీ ఆన్‌లైన్‌కు, మాకు లేదా ఏ సర్వర్‌కూ వెళ్లదు. అది మీ కంప్యూటర్‌లోనే ప్రైవేట్‌గా ఉంటుంది.</translation>
    </message>
    <message>
        <source>Accessibility is on</source>
        <translation>యాక్సెసిబిలిటీ ఆన్‌లో ఉంది</translation>
    </message>
    <message>
        <source>%app can now read the field you&apos;re writing in and type suggestions for you.</source>
        <translation>ఇప్పుడు %app మీరు రాస్తున్న ఫీల్డ్‌ను చదివి, మీ కోసం సూచనలను టైప్ చేయగలదు.</translation>
    </message>
    <message>
        <source>Let %app see what you type.</source>
        <translation>మీరు టైప్ చేసేది చూడటానికి %app ను అనుమతించండి.</translation>
    </message>
    <message>
        <source>%app reads your text when you pause and forgets it after one suggestion, unless you turn on writing memory.</source>
        <translation>మీరు ఆగినప్పుడు %app మీ టెక్స్ట్‌ను చదివి, ఒక సూచన తర్వాత దాన్ని మరచిపోతుంది, మీరు రచనా జ్ఞాపకాన్ని ఆన్ చేస్తే తప్ప.</translation>
    </message>
    <message>
        <source>%app skips password fields and anything else the system marks as secure.</source>
        <translation>పాస్‌వర్డ్ ఫీల్డ్‌లను, సిస్టమ్ సురక్షితమైనవిగా గుర్తించే వాటిని %app దాటవేస్తుంది.</translation>
    </message>
    <message>
        <source>Open Accessibility Settings</source>
        <translation>యాక్సెసిబిలిటీ సెట్టింగ్‌లను తెరువు</translation>
    </message>
    <message>
        <source>Pick what writes your suggestions.</source>
        <translation>మీ సూచనలను ఏది రాయాలో ఎంచుకోండి.</translation>
    </message>
    <message>
        <source>You can change this any time in Settings.</source>
        <translation>దీన్ని మీరు ఎప్పుడైనా సెట్టింగ్‌లలో మార్చవచ్చు.</translation>
    </message>
    <message>
        <source>Give it a try.</source>
        <translation>ఒకసారి ప్రయత్నించండి.</translation>
    </message>
    <message>
        <source>Start typing a sentence. When grey words appear, press Tab for one word or the key above Tab for all of them.</source>
        <translation>ఒక వాక్యం టైప్ చేయడం మొదలుపెట్టండి. బూడిద రంగు పదాలు కనిపించినప్పుడు, ఒక పదానికి Tab లేదా అన్నింటికీ Tab పైన ఉన్న కీ నొక్కండి.</translation>
    </message>
    <message>
        <source>Hi Orlenn, thanks for the quick reply. I think we should</source>
        <translation>హాయ్ ఓర్లెన్, త్వరగా సమాధానం ఇచ్చినందుకు ధన్యవాదాలు. నా ఉద్దేశంలో మనం</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>వెనుకకు</translation>
    </message>
    <message>
        <source>Practice field</source>
        <translation>ప్రాక్టీస్ ఫీల్డ్</translation>
    </message>
    <message>
        <source>Default, on</source>
        <translation>డిఫాల్ట్, ఆన్</translation>
    </message>
    <message>
        <source>Default, off</source>
        <translation>డిఫాల్ట్, ఆఫ్</translation>
    </message>
    <message>
        <source>Add a website</source>
        <translation>వెబ్‌సైట్‌ను జోడించు</translation>
    </message>
    <message>
        <source>Domain</source>
        <translation>డొమైన్</translation>
    </message>
    <message>
        <source>Rules for a site apply in any browser %app can read.</source>
        <translation>సైట్ నియమాలు %app చదవగలిగే ఏ బ్రౌజర్‌లోనైనా వర్తిస్తాయి.</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>జోడించు</translation>
    </message>
    <message>
        <source>Add App…</source>
        <translation>యాప్‌ను జోడించు…</translation>
    </message>
    <message>
        <source>Add an app</source>
        <translation>యాప్‌ను జోడించండి</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>శోధించు</translation>
    </message>
    <message>
        <source>Clear search</source>
        <translation>శోధనను క్లియర్ చేయి</translation>
    </message>
    <message>
        <source>Add an app or website</source>
        <translation>యాప్ లేదా వెబ్‌సైట్‌ను జోడించండి</translation>
    </message>
    <message>
        <source>Add Website…</source>
        <translation>వెబ్‌సైట్‌ను జోడించు…</translation>
    </message>
    <message>
        <source>Apps &amp; Sites</source>
        <translation>యాప్‌లు &amp; సైట్‌లు</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>పాజ్ చేయబడింది</translation>
    </message>
    <message>
        <source>Apps</source>
        <translation>యాప్‌లు</translation>
    </message>
    <message>
        <source>Websites</source>
        <translation>వెబ్‌సైట్‌లు</translation>
    </message>
    <message>
        <source>No matches</source>
        <translation>సరిపోలేవి లేవు</translation>
    </message>
    <message>
        <source>No apps yet</source>
        <translation>ఇంకా యాప్‌లు లేవు</translation>
    </message>
    <message>
        <source>Nothing matches “%1”.</source>
        <translation>“%1” కి సరిపోలేది ఏదీ లేదు.</translation>
    </message>
    <message>
        <source>Apps appear here once you accept a suggestion in them, or add one with +.</source>
        <translation>యాప్‌లో సూచనను ఆమోదించిన తర్వాత ఆ యాప్ ఇక్కడ కనిపిస్తుంది, లేదా + తో జోడించండి.</translation>
    </message>
    <message>
        <source>Pick an app or site</source>
        <translation>యాప్ లేదా సైట్‌ను ఎంచుకోండి</translation>
    </message>
    <message>
        <source>Each one can have its own rules. Anything you don&apos;t change follows General.</source>
        <translation>ప్రతిదానికీ సొంత నియమాలు ఉండవచ్చు. మీరు మార్చనివి సాధారణ సెట్టింగ్‌లను అనుసరిస్తాయి.</translation>
    </message>
    <message>
        <source>Words saved here</source>
        <translation>ఇక్కడ ఆదా అయిన పదాలు</translation>
    </message>
    <message>
        <source>Suggestions</source>
        <translation>సూచనలు</translation>
    </message>
    <message>
        <source>On</source>
        <translation>ఆన్</translation>
    </message>
    <message>
        <source>Tab accepts suggestions</source>
        <translation>Tab సూచనలను ఆమోదిస్తుంది</translation>
    </message>
    <message>
        <source>Turn off where Tab already means something, like indenting. The other accept key still works.</source>
        <translation>ఇండెంట్ చేయడం వంటి వేరే పనికి Tab ఇప్పటికే ఉపయోగపడే చోట దీన్ని ఆఫ్ చేయండి. మరో ఆమోద కీ పనిచేస్తూనే ఉంటుంది.</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>డిఫాల్ట్</translation>
    </message>
    <message>
        <source>Insert by</source>
        <translation>చొప్పించే విధానం</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>పొడవు</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>కొనసాగించు</translation>
    </message>
    <message>
        <source>Pause here</source>
        <translation>ఇక్కడ పాజ్ చేయి</translation>
    </message>
    <message>
        <source>Memory</source>
        <translation>జ్ఞాపకం</translation>
    </message>
    <message>
        <source>Remember my writing here</source>
        <translation>ఇక్కడ నా రచనను గుర్తుంచుకో</translation>
    </message>
    <message>
        <source>Writing memory is off in Your Voice.</source>
        <translation>“మీ శైలి”లో రచనా జ్ఞాపకం ఆఫ్‌లో ఉంది.</translation>
    </message>
    <message>
        <source>Erase…</source>
        <translation>తుడిచివేయి…</translation>
    </message>
    <message>
        <source>Reset to Defaults</source>
        <translation>డిఫాల్ట్‌లకు రీసెట్ చేయి</translation>
    </message>
    <message>
        <source>Erase what %app remembered from %1?</source>
        <translation>%1 నుండి %app గుర్తుంచుకున్నదాన్ని తుడిచివేయాలా?</translation>
    </message>
    <message>
        <source>Erase</source>
        <translation>తుడిచివేయి</translation>
    </message>
    <message>
        <source>Passages from this app can shape suggestions everywhere.</source>
        <translation>ఈ యాప్‌లోని పాఠ్యభాగాలు అన్నిచోట్లా సూచనలను ప్రభావితం చేయవచ్చు.</translation>
    </message>
    <message>
        <source>Finish setting up</source>
        <translation>సెటప్‌ను పూర్తి చేయండి</translation>
    </message>
    <message>
        <source>Setup progress</source>
        <translation>సెటప్ పురోగతి</translation>
    </message>
    <message>
        <source>Done: %1</source>
        <translation>పూర్తయింది: %1</translation>
    </message>
    <message>
        <source>Best day yet!</source>
        <translation>ఇప్పటివరకు ఉత్తమ రోజు!</translation>
    </message>
    <message>
        <source>Try it here</source>
        <translation>ఇక్కడ ప్రయత్నించండి</translation>
    </message>
    <message>
        <source>Thanks for sending the draft over. I had a look and</source>
        <translation>డ్రాఫ్ట్ పంపినందుకు ధన్యవాదాలు. నేను చూశాను, మరియు</translation>
    </message>
    <message>
        <source>next word</source>
        <translation>తదుపరి పదం</translation>
    </message>
    <message>
        <source>whole suggestion</source>
        <translation>మొత్తం సూచన</translation>
    </message>
    <message>
        <source>hide it</source>
        <translation>దాచు</translation>
    </message>
    <message>
        <source>This field runs the real engine. Start typing and grey words show up as you go.</source>
        <translation>ఈ ఫీల్డ్ నిజమైన ఇంజిన్‌తో నడుస్తుంది. టైప్ చేయడం మొదలుపెడితే బూడిద రంగు పదాలు కనిపిస్తాయి.</translation>
    </message>
    <message>
        <source>This field runs the real engine, even before you allow Accessibility. Start typing and grey words show up as you go.</source>
        <translation>మీరు యాక్సెసిబిలిటీని అనుమతించక ముందే ఈ ఫీల్డ్ నిజమైన ఇంజిన్‌తో నడుస్తుంది. టైప్ చేయడం మొదలుపెడితే బూడిద రంగు పదాలు కనిపిస్తాయి.</translation>
    </message>
    <message>
        <source>You&apos;re all set</source>
        <translation>అంతా సిద్ధం</translation>
    </message>
    <message>
        <source>Accessibility is on and %1 is ready. %app works in every app you type in.</source>
        <translation>యాక్సెసిబిలిటీ ఆన్‌లో ఉంది, %1 సిద్ధంగా ఉంది. మీరు టైప్ చేసే ప్రతి యాప్‌లో %app పనిచేస్తుంది.</translation>
    </message>
    <message>
        <source>Waiting for %1 to quit</source>
        <translation>%1 మూసివేయబడే వరకు వేచి ఉంది</translation>
    </message>
    <message>
        <source>Turned off</source>
        <translation>ఆఫ్ చేయబడింది</translation>
    </message>
    <message>
        <source>Paused everywhere</source>
        <translation>అన్నిచోట్లా పాజ్ చేయబడింది</translation>
    </message>
    <message>
        <source>%1, %2 typical wait</source>
        <translation>%1, సాధారణ నిరీక్షణ %2</translation>
    </message>
    <message>
        <source>Start your streak today.</source>
        <translation>మీ వరుస రోజుల రికార్డును ఈ రోజే మొదలుపెట్టండి.</translation>
    </message>
    <message>
        <source>Overview</source>
        <translation>అవలోకనం</translation>
    </message>
    <message>
        <source>General</source>
        <translation>సాధారణం</translation>
    </message>
    <message>
        <source>Engine</source>
        <translation>ఇంజిన్</translation>
    </message>
    <message>
        <source>Context</source>
        <translation>సందర్భం</translation>
    </message>
    <message>
        <source>Your Voice</source>
        <translation>మీ శైలి</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>కీలు</translation>
    </message>
    <message>
        <source>Emoji</source>
        <translation>ఎమోజీ</translation>
    </message>
    <message>
        <source>Battery</source>
        <translation>బ్యాటరీ</translation>
    </message>
    <message>
        <source>Insights</source>
        <translation>గణాంకాలు</translation>
    </message>
    <message>
        <source>Field Inspector</source>
        <translation>ఫీల్డ్ ఇన్‌స్పెక్టర్</translation>
    </message>
    <message>
        <source>About</source>
        <translation>గురించి</translation>
    </message>
    <message>
        <source>How %app is doing today</source>
        <translation>ఈ రోజు %app ఎలా పనిచేస్తోంది</translation>
    </message>
    <message>
        <source>Where and how suggestions appear</source>
        <translation>సూచనలు ఎక్కడ, ఎలా కనిపిస్తాయి</translation>
    </message>
    <message>
        <source>The model that writes your suggestions</source>
        <translation>మీ సూచనలను రాసే మోడల్</translation>
    </message>
    <message>
        <source>What %app may look at to guess better</source>
        <translation>బాగా ఊహించడానికి %app దేనిని చూడవచ్చు</translation>
    </message>
    <message>
        <source>Help suggestions sound like you</source>
        <translation>సూచనలు మీలాగే అనిపించేలా చేయండి</translation>
    </message>
    <message>
        <source>Accept, dismiss and summon suggestions</source>
        <translation>సూచనలను ఆమోదించడం, తీసివేయడం, పిలవడం</translation>
    </message>
    <message>
        <source>Emoji search and emoticons</source>
        <translation>ఎమోజీ శోధన మరియు ఎమోటికాన్‌లు</translation>
    </message>
    <message>
        <source>Rules for each app and website</source>
        <translation>ప్రతి యాప్, వెబ్‌సైట్ కోసం నియమాలు</translation>
    </message>
    <message>
        <source>Save power when you&apos;re unplugged</source>
        <translation>ఛార్జర్ తీసినప్పుడు పవర్ ఆదా చేయండి</translation>
    </message>
    <message>
        <source>Words saved and how fast suggestions arrive</source>
        <translation>ఆదా అయిన పదాలు, సూచనలు ఎంత వేగంగా వస్తాయి</translation>
    </message>
    <message>
        <source>What %app sees in the focused field</source>
        <translation>ఫోకస్‌లో ఉన్న ఫీల్డ్‌లో %app చూసేది</translation>
    </message>
    <message>
        <source>Version and privacy</source>
        <translation>వెర్షన్ మరియు గోప్యత</translation>
    </message>
    <message>
        <source>Writing</source>
        <translation>రచన</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>ఇన్‌పుట్</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>నియమాలు</translation>
    </message>
    <message>
        <source>Activity</source>
        <translation>కార్యకలాపం</translation>
    </message>
    <message>
        <source>%app can read the field you&apos;re typing in and insert suggestions in any app.</source>
        <translation>%app మీరు టైప్ చేస్తున్న ఫీల్డ్‌ను చదివి, ఏ యాప్‌లోనైనా సూచనలను చొప్పించగలదు.</translation>
    </message>
    <message>
        <source>Allow Accessibility access</source>
        <translation>యాక్సెసిబిలిటీ యాక్సెస్‌ను అనుమతించండి</translation>
    </message>
    <message>
        <source>%app needs it to read the text you type in other apps and to insert suggestions.</source>
        <translation>ఇతర యాప్‌లలో మీరు టైప్ చేసే టెక్స్ట్‌ను చదవడానికి, సూచనలను చొప్పించడానికి %app కు ఇది అవసరం.</translation>
    </message>
    <message>
        <source>Allow…</source>
        <translation>అనుమతించు…</translation>
    </message>
    <message>
        <source>%1 is ready</source>
        <translation>%1 సిద్ధంగా ఉంది</translation>
    </message>
    <message>
        <source>Checking %1</source>
        <translation>%1 ను తనిఖీ చేస్తోంది</translation>
    </message>
    <message>
        <source>This takes a moment.</source>
        <translation>దీనికి కొంత సమయం పడుతుంది.</translation>
    </message>
    <message>
        <source>Your engine isn&apos;t ready</source>
        <translation>మీ ఇంజిన్ సిద్ధంగా లేదు</translation>
    </message>
    <message>
        <source>Open Engine</source>
        <translation>ఇంజిన్ సెట్టింగ్‌లను తెరువు</translation>
    </message>
    <message>
        <source>The system&apos;s predictions are off</source>
        <translation>సిస్టమ్ అంచనాలు ఆఫ్‌లో ఉన్నాయి</translation>
    </message>
    <message>
        <source>Only %app&apos;s suggestions appear while you type.</source>
        <translation>మీరు టైప్ చేస్తున్నప్పుడు %app సూచనలు మాత్రమే కనిపిస్తాయి.</translation>
    </message>
    <message>
        <source>Turn off the system&apos;s predictions</source>
        <translation>సిస్టమ్ అంచనాలను ఆఫ్ చేయండి</translation>
    </message>
    <message>
        <source>The system shows its own grey suggestions on top of %app&apos;s. Each app picks up the change the next time you open it.</source>
        <translation>సిస్టమ్ తన సొంత బూడిద రంగు సూచనలను %app సూచనలపై చూపుతుంది. ప్రతి యాప్‌ను మీరు తదుపరిసారి తెరిచినప్పుడు మార్పు వర్తిస్తుంది.</translation>
    </message>
    <message>
        <source>Keyboard Settings</source>
        <translation>కీబోర్డ్ సెట్టింగ్‌లు</translation>
    </message>
    <message>
        <source>Turn Off</source>
        <translation>ఆఫ్ చేయి</translation>
    </message>
    <message>
        <source>Only %app is suggesting</source>
        <translation>%app మాత్రమే సూచనలు ఇస్తోంది</translation>
    </message>
    <message>
        <source>Tab reaches %app again.</source>
        <translation>Tab మళ్లీ %app కు చేరుతుంది.</translation>
    </message>
    <message numerus="yes">
        <source>%1 didn&apos;t quit. They may be showing a dialog. Force Quit closes them right away.</source>
        <translation>
            <numerusform>%1 మూసివేయబడలేదు. అది ఒక డైలాగ్‌ను చూపుతూ ఉండవచ్చు. “బలవంతంగా మూసివేయి” దాన్ని వెంటనే మూసివేస్తుంది.</numerusform>
            <numerusform>%1 మూసివేయబడలేదు. అవి డైలాగ్‌ను చూపుతూ ఉండవచ్చు. “బలవంతంగా మూసివేయి” వాటిని వెంటనే మూసివేస్తుంది.</numerusform>
        </translation>
    </message>
    <message>
        <source>Force Quit</source>
        <translation>బలవంతంగా మూసివేయి</translation>
    </message>
    <message numerus="yes">
        <source>%1 take the Tab key before %app can, so %app stays paused in your other apps until you quit them.</source>
        <translation>
            <numerusform>%app కంటే ముందే %1 Tab కీని తీసుకుంటుంది, కాబట్టి మీరు దాన్ని మూసే వరకు మీ ఇతర యాప్‌లలో %app పాజ్‌లోనే ఉంటుంది.</numerusform>
            <numerusform>%app కంటే ముందే %1 Tab కీని తీసుకుంటాయి, కాబట్టి మీరు వాటిని మూసే వరకు మీ ఇతర యాప్‌లలో %app పాజ్‌లోనే ఉంటుంది.</numerusform>
        </translation>
    </message>
    <message>
        <source>Only when I ask</source>
        <translation>నేను అడిగినప్పుడు మాత్రమే</translation>
    </message>
    <message>
        <source>On battery, suggestions appear only after you press the Suggest Now shortcut.</source>
        <translation>బ్యాటరీపై నడుస్తున్నప్పుడు, “ఇప్పుడే సూచించు” షార్ట్‌కట్ నొక్కిన తర్వాతే సూచనలు కనిపిస్తాయి.</translation>
    </message>
    <message>
        <source>Shorter suggestions</source>
        <translation>చిన్న సూచనలు</translation>
    </message>
    <message>
        <source>Fewer words take less power to write.</source>
        <translation>తక్కువ పదాలు రాయడానికి తక్కువ పవర్ పడుతుంది.</translation>
    </message>
    <message>
        <source>Lighter model</source>
        <translation>తేలికైన మోడల్</translation>
    </message>
    <message>
        <source>Same as plugged in</source>
        <translation>ఛార్జర్‌కు కనెక్ట్ అయినప్పటిలాగే</translation>
    </message>
    <message>
        <source>Running on battery. These apply right now.</source>
        <translation>బ్యాటరీపై నడుస్తోంది. ఇవి ఇప్పుడే వర్తిస్తాయి.</translation>
    </message>
    <message>
        <source>Plugged in. These wait until you unplug.</source>
        <translation>ఛార్జర్‌కు కనెక్ట్ అయింది. ఛార్జర్ తీసినప్పుడు ఇవి వర్తిస్తాయి.</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>మోడల్</translation>
    </message>
    <message>
        <source>Model name</source>
        <translation>మోడల్ పేరు</translation>
    </message>
    <message>
        <source>Reload the model list</source>
        <translation>మోడల్ జాబితాను రిఫ్రెష్ చేయి</translation>
    </message>
    <message>
        <source>Choose a model</source>
        <translation>మోడల్‌ను ఎంచుకోండి</translation>
    </message>
    <message>
        <source>For people who already run Ollama, LM Studio or llama-server.</source>
        <translation>ఇప్పటికే Ollama, LM Studio లేదా llama-server రన్ చేసేవారి కోసం.</translation>
    </message>
    <message>
        <source>Use your own model</source>
        <translation>మీ సొంత మోడల్‌ను ఉపయోగించండి</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>చిరునామా</translation>
    </message>
    <message>
        <source>API key</source>
        <translation>API కీ</translation>
    </message>
    <message>
        <source>Only if your server asks for one</source>
        <translation>మీ సర్వర్ అడిగితే మాత్రమే</translation>
    </message>
    <message>
        <source>Focused</source>
        <translation>కేంద్రీకృతం</translation>
    </message>
    <message>
        <source>Creativity</source>
        <translation>సృజనాత్మకత</translation>
    </message>
    <message>
        <source>Loose</source>
        <translation>స్వేచ్ఛగా</translation>
    </message>
    <message>
        <source>Lower stays close to the obvious next words. Higher tries more.</source>
        <translation>తక్కువ అయితే స్పష్టమైన తదుపరి పదాలకు దగ్గరగా ఉంటుంది. ఎక్కువ అయితే మరిన్ని ప్రయత్నిస్తుంది.</translation>
    </message>
    <message>
        <source>Wait before suggesting</source>
        <translation>సూచించే ముందు వేచి ఉండే సమయం</translation>
    </message>
    <message>
        <source>How long you pause before %app starts.</source>
        <translation>%app మొదలయ్యే ముందు మీరు ఎంతసేపు ఆగాలి.</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>రన్ చేయి</translation>
    </message>
    <message>
        <source>Try the engine</source>
        <translation>ఇంజిన్‌ను పరీక్షించండి</translation>
    </message>
    <message>
        <source>Sends a sample sentence and shows what comes back.</source>
        <translation>ఒక నమూనా వాక్యాన్ని పంపి, తిరిగి వచ్చేదాన్ని చూపుతుంది.</translation>
    </message>
    <message>
        <source>Running…</source>
        <translation>రన్ అవుతోంది…</translation>
    </message>
    <message>
        <source>The engine answered in %1 but had nothing useful to add.</source>
        <translation>ఇంజిన్ %1 లో స్పందించింది కానీ జోడించడానికి ఉపయోగకరమైనదేమీ లేదు.</translation>
    </message>
    <message>
        <source>That didn&apos;t work: %1</source>
        <translation>అది పని చేయలేదు: %1</translation>
    </message>
    <message>
        <source>The request was cancelled.</source>
        <translation>అభ్యర్థన రద్దు చేయబడింది.</translation>
    </message>
    <message>
        <source>Startup</source>
        <translation>ప్రారంభం</translation>
    </message>
    <message>
        <source>Launch at login</source>
        <translation>లాగిన్ అయినప్పుడు ప్రారంభించు</translation>
    </message>
    <message>
        <source>Show today&apos;s word count next to the icon</source>
        <translation>ఐకాన్ పక్కన ఈ రోజు పదాల సంఖ్యను చూపు</translation>
    </message>
    <message>
        <source>Where suggestions appear</source>
        <translation>సూచనలు ఎక్కడ కనిపిస్తాయి</translation>
    </message>
    <message>
        <source>Turn this off to use %app only in the apps you switch on under Apps &amp; Sites.</source>
        <translation>“యాప్‌లు &amp; సైట్‌లు”లో మీరు ఆన్ చేసిన యాప్‌లలో మాత్రమే %app ను ఉపయోగించడానికి దీన్ని ఆఫ్ చేయండి.</translation>
    </message>
    <message>
        <source>By default %app waits until the caret is at the end of a line.</source>
        <translation>డిఫాల్ట్‌గా, కర్సర్ లైన్ చివరకు వచ్చే వరకు %app వేచి ఉంటుంది.</translation>
    </message>
    <message>
        <source>Without this, %app skips search bars and one-word boxes.</source>
        <translation>ఇది లేకుండా, %app శోధన బార్‌లను, ఒక్క పదం బాక్స్‌లను దాటవేస్తుంది.</translation>
    </message>
    <message>
        <source>Suggestions appear only after you press the Suggest Now shortcut.</source>
        <translation>“ఇప్పుడే సూచించు” షార్ట్‌కట్ నొక్కిన తర్వాతే సూచనలు కనిపిస్తాయి.</translation>
    </message>
    <message>
        <source>Spelling</source>
        <translation>అక్షరక్రమం</translation>
    </message>
    <message>
        <source>Waits while the word you&apos;re typing looks misspelled, so %app doesn&apos;t build on a typo.</source>
        <translation>మీరు టైప్ చేస్తున్న పదం తప్పుగా రాసినట్లు అనిపిస్తే వేచి ఉంటుంది, తద్వారా %app అక్షరదోషంపై ఆధారపడి కొనసాగించదు.</translation>
    </message>
    <message>
        <source>After a misspelled word, shows a fix next to the caret. Press Tab to swap it in.</source>
        <translation>తప్పుగా రాసిన పదం తర్వాత, కర్సర్ పక్కన సవరణను చూపుతుంది. దాన్ని మార్చడానికి Tab నొక్కండి.</translation>
    </message>
    <message>
        <source>Look</source>
        <translation>రూపం</translation>
    </message>
    <message>
        <source>Suggestion color</source>
        <translation>సూచన రంగు</translation>
    </message>
    <message>
        <source>Text size</source>
        <translation>టెక్స్ట్ పరిమాణం</translation>
    </message>
    <message>
        <source>Fine-tune if suggestions look larger or smaller than your text.</source>
        <translation>సూచనలు మీ టెక్స్ట్ కంటే పెద్దగా లేదా చిన్నగా కనిపిస్తే సరిచేయండి.</translation>
    </message>
    <message>
        <source>Vertical position</source>
        <translation>పైకి-కిందికి స్థానం</translation>
    </message>
    <message>
        <source>Nudge suggestions up or down to line up with your text.</source>
        <translation>సూచనలను మీ టెక్స్ట్‌తో వరుసలో ఉండేలా పైకి లేదా కిందికి జరపండి.</translation>
    </message>
    <message>
        <source>A small keycap after your first suggestions, as a reminder of what to press.</source>
        <translation>మీ మొదటి సూచనల తర్వాత ఏమి నొక్కాలో గుర్తుచేసే చిన్న కీ గుర్తు.</translation>
    </message>
    <message>
        <source>Insert suggestions by</source>
        <translation>సూచనలను చొప్పించే విధానం</translation>
    </message>
    <message>
        <source>Other autocomplete apps</source>
        <translation>ఇతర ఆటోకంప్లీట్ యాప్‌లు</translation>
    </message>
    <message>
        <source>They take the Tab key before %app can. With this off, %app asks you first.</source>
        <translation>అవి %app కంటే ముందే Tab కీని తీసుకుంటాయి. ఇది ఆఫ్‌లో ఉంటే, %app ముందుగా మిమ్మల్ని అడుగుతుంది.</translation>
    </message>
    <message>
        <source>%1 is another device on your network, so the text around your caret will be sent there.</source>
        <translation>%1 మీ నెట్‌వర్క్‌లోని మరో పరికరం, కాబట్టి మీ కర్సర్ చుట్టూ ఉన్న టెక్స్ట్ అక్కడికి పంపబడుతుంది.</translation>
    </message>
    <message>
        <source>%1 isn&apos;t this computer, so the text around your caret will be sent there.</source>
        <translation>%1 ఈ కంప్యూటర్ కాదు, కాబట్టి మీ కర్సర్ చుట్టూ ఉన్న టెక్స్ట్ అక్కడికి పంపబడుతుంది.</translation>
    </message>
    <message>
        <source>Both keep your text on this computer.</source>
        <translation>రెండూ మీ టెక్స్ట్‌ను ఈ కంప్యూటర్‌లోనే ఉంచుతాయి.</translation>
    </message>
    <message>
        <source>%app opens by itself when you start your computer.</source>
        <translation>మీరు కంప్యూటర్‌ను ప్రారంభించినప్పుడు %app దానంతట అదే తెరుచుకుంటుంది.</translation>
    </message>
    <message>
        <source>System predictions</source>
        <translation>సిస్టమ్ అంచనాలు</translation>
    </message>
    <message>
        <source>The system can show its own grey predictions. Keeping them off avoids two suggestions at once.</source>
        <translation>సిస్టమ్ తన సొంత బూడిద రంగు అంచనాలను చూపవచ్చు. వాటిని ఆఫ్‌లో ఉంచితే ఒకేసారి రెండు సూచనలు రావు.</translation>
    </message>
    <message>
        <source>System predictions are on</source>
        <translation>సిస్టమ్ అంచనాలు ఆన్‌లో ఉన్నాయి</translation>
    </message>
    <message>
        <source>System predictions are off</source>
        <translation>సిస్టమ్ అంచనాలు ఆఫ్‌లో ఉన్నాయి</translation>
    </message>
    <message>
        <source>tab</source>
        <translation>tab</translation>
    </message>
    <message>
        <source>Your next words, one Tab away.</source>
        <translation>మీ తదుపరి పదాలు, ఒక్క Tab దూరంలో.</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>దాటవేయి</translation>
    </message>
    <message>
        <source>Get Started</source>
        <translation>ప్రారంభించండి</translation>
    </message>
    <message>
        <source>Turn sound on</source>
        <translation>సౌండ్ ఆన్ చేయి</translation>
    </message>
    <message>
        <source>Turn sound off</source>
        <translation>సౌండ్ ఆఫ్ చేయి</translation>
    </message>
    <message>
        <source>The other app</source>
        <translation>ఇతర యాప్</translation>
    </message>
    <message numerus="yes">
        <source>Next time, quit %1 without asking</source>
        <translation>
            <numerusform>తదుపరిసారి, అడగకుండానే %1 ను మూసివేయి</numerusform>
            <numerusform>తదుపరిసారి, అడగకుండానే %1 ను మూసివేయి</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 is also running</source>
        <translation>
            <numerusform>%1 కూడా రన్ అవుతోంది</numerusform>
            <numerusform>%1 కూడా రన్ అవుతున్నాయి</numerusform>
        </translation>
    </message>
    <message>
        <source>Quitting…</source>
        <translation>మూసివేస్తోంది…</translation>
    </message>
    <message numerus="yes">
        <source>%1 is still open</source>
        <translation>
            <numerusform>%1 ఇంకా తెరిచి ఉంది</numerusform>
            <numerusform>%1 ఇంకా తెరిచి ఉన్నాయి</numerusform>
        </translation>
    </message>
    <message>
        <source>%app has the Tab key</source>
        <translation>Tab కీ ఇప్పుడు %app దగ్గర ఉంది</translation>
    </message>
    <message>
        <source>%1 quit, so your suggestions are back in every app.</source>
        <translation>%1 మూసివేయబడింది, కాబట్టి మీ సూచనలు ప్రతి యాప్‌లో తిరిగి వచ్చాయి.</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>పూర్తయింది</translation>
    </message>
    <message>
        <source>Open Source Notices</source>
        <translation>ఓపెన్ సోర్స్ నోటీసులు</translation>
    </message>
    <message>
        <source>Reset all settings?</source>
        <translation>అన్ని సెట్టింగ్‌లను రీసెట్ చేయాలా?</translation>
    </message>
    <message>
        <source>This also clears your rules for apps and sites. Your statistics and writing memory stay.</source>
        <translation>ఇది యాప్‌లు, సైట్‌ల కోసం మీ నియమాలను కూడా క్లియర్ చేస్తుంది. మీ గణాంకాలు, రచనా జ్ఞాపకం అలాగే ఉంటాయి.</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>రీసెట్ చేయి</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>వెర్షన్ %1</translation>
    </message>
    <message>
        <source>Some apps hide their text</source>
        <translation>కొన్ని యాప్‌లు తమ టెక్స్ట్‌ను దాచుతాయి</translation>
    </message>
    <message>
        <source>Suggest emoji after a colon</source>
        <translation>కోలన్ తర్వాత ఎమోజీని సూచించు</translation>
    </message>
    <message>
        <source>Turn emoticons into emoji</source>
        <translation>ఎమోటికాన్‌లను ఎమోజీగా మార్చు</translation>
    </message>
    <message>
        <source>After :-) or &lt;3, %app offers the matching emoji. Press Tab to swap it in.</source>
        <translation>:-) లేదా &lt;3 తర్వాత, %app సరిపోయే ఎమోజీని అందిస్తుంది. దాన్ని మార్చడానికి Tab నొక్కండి.</translation>
    </message>
    <message>
        <source>Skin tone</source>
        <translation>చర్మపు రంగు</translation>
    </message>
    <message>
        <source>Also show the default yellow</source>
        <translation>డిఫాల్ట్ పసుపు రంగును కూడా చూపు</translation>
    </message>
    <message>
        <source>Try a word</source>
        <translation>ఒక పదాన్ని ప్రయత్నించండి</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>తక్కువ</translation>
    </message>
    <message>
        <source>No emoji match “%1”</source>
        <translation>“%1” కి సరిపోలే ఎమోజీ ఏదీ లేదు</translation>
    </message>
    <message>
        <source>Accepting</source>
        <translation>ఆమోదించడం</translation>
    </message>
    <message>
        <source>Take the next word</source>
        <translation>తదుపరి పదాన్ని తీసుకో</translation>
    </message>
    <message>
        <source>Press again for each following word.</source>
        <translation>తర్వాతి ప్రతి పదానికి మళ్లీ నొక్కండి.</translation>
    </message>
    <message>
        <source>Take the whole suggestion</source>
        <translation>మొత్తం సూచనను తీసుకో</translation>
    </message>
    <message>
        <source>The key above Tab is easy to reach on most keyboards.</source>
        <translation>చాలా కీబోర్డ్‌లలో Tab పైన ఉన్న కీని సులభంగా అందుకోవచ్చు.</translation>
    </message>
    <message>
        <source>Include the space after a word</source>
        <translation>పదం తర్వాత ఉన్న స్పేస్‌ను చేర్చు</translation>
    </message>
    <message>
        <source>Include punctuation right after a word</source>
        <translation>పదం వెంటనే వచ్చే విరామ చిహ్నాన్ని చేర్చు</translation>
    </message>
    <message>
        <source>When you press Escape</source>
        <translation>మీరు Escape నొక్కినప్పుడు</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>షార్ట్‌కట్‌లు</translation>
    </message>
    <message>
        <source>Suggest now</source>
        <translation>ఇప్పుడే సూచించు</translation>
    </message>
    <message>
        <source>Asks for a suggestion right away, even where %app would normally wait.</source>
        <translation>సాధారణంగా %app వేచి ఉండే చోట కూడా, వెంటనే సూచన అడుగుతుంది.</translation>
    </message>
    <message>
        <source>Other suggestions</source>
        <translation>ఇతర సూచనలు</translation>
    </message>
    <message>
        <source>Lists a few different ways to continue. Choose with the arrow keys, then press Tab.</source>
        <translation>కొనసాగించడానికి కొన్ని విభిన్న మార్గాలను చూపుతుంది. బాణం కీలతో ఎంచుకుని, Tab నొక్కండి.</translation>
    </message>
    <message>
        <source>Pause or resume in this app</source>
        <translation>ఈ యాప్‌లో పాజ్ చేయి లేదా కొనసాగించు</translation>
    </message>
    <message>
        <source>Pauses for 15 minutes.</source>
        <translation>15 నిమిషాలు పాజ్ చేస్తుంది.</translation>
    </message>
    <message>
        <source>Turn %app on or off</source>
        <translation>%app ను ఆన్ లేదా ఆఫ్ చేయి</translation>
    </message>
    <message>
        <source>Everywhere, until you press it again.</source>
        <translation>అన్నిచోట్లా, మీరు దాన్ని మళ్లీ నొక్కే వరకు.</translation>
    </message>
    <message>
        <source>Pause or resume</source>
        <translation>పాజ్ చేయి లేదా కొనసాగించు</translation>
    </message>
    <message>
        <source>Turn on or off</source>
        <translation>ఆన్ లేదా ఆఫ్ చేయి</translation>
    </message>
    <message>
        <source>%1 and %2 use the same keys. Only the first will work.</source>
        <translation>%1, %2 ఒకే కీలను ఉపయోగిస్తున్నాయి. మొదటిది మాత్రమే పనిచేస్తుంది.</translation>
    </message>
    <message>
        <source>About you</source>
        <translation>మీ గురించి</translation>
    </message>
    <message>
        <source>For example: I&apos;m a product designer in Berlin. I write short, friendly emails in British English and sign off with Cheers.</source>
        <translation>ఉదాహరణకు: నేను బెర్లిన్‌లో ప్రోడక్ట్ డిజైనర్‌ని. నేను బ్రిటిష్ ఇంగ్లీష్‌లో చిన్న, స్నేహపూర్వక ఈమెయిల్‌లు రాస్తాను, చివర్లో Cheers అని ముగిస్తాను.</translation>
    </message>
    <message>
        <source>Your role, the languages you write in, names you use often, how you like to sound.</source>
        <translation>మీ పాత్ర, మీరు రాసే భాషలు, మీరు తరచుగా వాడే పేర్లు, మీ రచన ఎలా ఉండాలనుకుంటున్నారో.</translation>
    </message>
    <message>
        <source>Writing memory</source>
        <translation>రచనా జ్ఞాపకం</translation>
    </message>
    <message>
        <source>Remember how I write</source>
        <translation>నేను ఎలా రాస్తానో గుర్తుంచుకో</translation>
    </message>
    <message>
        <source>Also remember fields where I accept nothing</source>
        <translation>నేను ఏదీ ఆమోదించని ఫీల్డ్‌లను కూడా గుర్తుంచుకో</translation>
    </message>
    <message>
        <source>%app learns your style sooner but keeps more of what you type.</source>
        <translation>%app మీ శైలిని త్వరగా నేర్చుకుంటుంది కానీ మీరు టైప్ చేసిన టెక్స్ట్‌ను ఎక్కువగా నిల్వ చేస్తుంది.</translation>
    </message>
    <message>
        <source>Influence</source>
        <translation>ప్రభావం</translation>
    </message>
    <message>
        <source>Strong</source>
        <translation>ఎక్కువ</translation>
    </message>
    <message>
        <source>How many of your passages each suggestion can draw on.</source>
        <translation>ప్రతి సూచన మీ పాఠ్యభాగాలలో ఎన్నింటిని ఆధారంగా తీసుకోవచ్చు.</translation>
    </message>
    <message>
        <source>Erase All…</source>
        <translation>అన్నీ తుడిచివేయి…</translation>
    </message>
    <message>
        <source>Erase everything %app remembered?</source>
        <translation>%app గుర్తుంచుకున్నదంతా తుడిచివేయాలా?</translation>
    </message>
    <message>
        <source>This can&apos;t be undone.</source>
        <translation>దీన్ని రద్దు చేయడం సాధ్యం కాదు.</translation>
    </message>
    <message>
        <source>Erase All</source>
        <translation>అన్నీ తుడిచివేయి</translation>
    </message>
    <message>
        <source>Nothing remembered yet</source>
        <translation>ఇంకా ఏదీ గుర్తుంచుకోలేదు</translation>
    </message>
    <message>
        <source>App and window name</source>
        <translation>యాప్, విండో పేరు</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>వెబ్‌సైట్</translation>
    </message>
    <message>
        <source>The site&apos;s domain when you write in a browser.</source>
        <translation>మీరు బ్రౌజర్‌లో రాస్తున్నప్పుడు సైట్ యొక్క డొమైన్.</translation>
    </message>
    <message>
        <source>Recently copied text</source>
        <translation>ఇటీవల కాపీ చేసిన టెక్స్ట్</translation>
    </message>
    <message>
        <source>Anything you copied in the last 10 minutes. Copies from password managers are skipped.</source>
        <translation>గత 10 నిమిషాల్లో మీరు కాపీ చేసిన ఏదైనా. పాస్‌వర్డ్ మేనేజర్‌ల నుండి కాపీ చేసినవి దాటవేయబడతాయి.</translation>
    </message>
    <message>
        <source>Text on screen</source>
        <translation>స్క్రీన్‌పై ఉన్న టెక్స్ట్</translation>
    </message>
    <message>
        <source>Reads the window you&apos;re writing in, so replies fit the conversation. It picks the lines closest to where you type.</source>
        <translation>మీరు రాస్తున్న విండోను చదువుతుంది, తద్వారా సమాధానాలు సంభాషణకు సరిపోతాయి. మీరు టైప్ చేసే చోటికి దగ్గరగా ఉన్న లైన్‌లను ఎంచుకుంటుంది.</translation>
    </message>
    <message>
        <source>What you just looked at</source>
        <translation>మీరు ఇప్పుడే చూసింది</translation>
    </message>
    <message>
        <source>Windows beside you</source>
        <translation>పక్కన ఉన్న విండోలు</translation>
    </message>
    <message>
        <source>Also reads up to two other windows on the same screen, like the document you&apos;re replying about. Skips password managers and apps you switched off.</source>
        <translation>అదే స్క్రీన్‌పై ఉన్న మరో రెండు విండోల వరకు కూడా చదువుతుంది, ఉదా. మీరు సమాధానం ఇస్తున్న డాక్యుమెంట్. పాస్‌వర్డ్ మేనేజర్‌లను, మీరు ఆఫ్ చేసిన యాప్‌లను దాటవేస్తుంది.</translation>
    </message>
    <message>
        <source>Off in this app</source>
        <translation>ఈ యాప్‌లో ఆఫ్</translation>
    </message>
    <message>
        <source>This word looks misspelled</source>
        <translation>ఈ పదం తప్పుగా రాసినట్లు ఉంది</translation>
    </message>
    <message>
        <source>Thanks for the notes. I&apos;ll send the revised deck</source>
        <translation>నోట్స్‌కు ధన్యవాదాలు. సవరించిన స్లైడ్‌లను</translation>
    </message>
    <message>
        <source> by Friday morning.</source>
        <translation> శుక్రవారం ఉదయానికల్లా పంపుతాను.</translation>
    </message>
    <message>
        <source>%1 quit. %app has the Tab key.</source>
        <translation>%1 మూసివేయబడింది. Tab కీ ఇప్పుడు %app దగ్గర ఉంది.</translation>
    </message>
    <message>
        <source>Open Data Folder</source>
        <translation>డేటా ఫోల్డర్‌ను తెరువు</translation>
    </message>
    <message>
        <source>Show Welcome Again</source>
        <translation>స్వాగతాన్ని మళ్లీ చూపు</translation>
    </message>
    <message>
        <source>Play Intro Again</source>
        <translation>పరిచయాన్ని మళ్లీ ప్లే చేయి</translation>
    </message>
    <message>
        <source>Reset Settings…</source>
        <translation>సెట్టింగ్‌లను రీసెట్ చేయి…</translation>
    </message>
    <message>
        <source>Suggest in every app</source>
        <translation>ప్రతి యాప్‌లో సూచించు</translation>
    </message>
    <message>
        <source>Suggest in code editors</source>
        <translation>కోడ్ ఎడిటర్‌లలో సూచించు</translation>
    </message>
    <message>
        <source>Suggest in the middle of a line</source>
        <translation>లైన్ మధ్యలో సూచించు</translation>
    </message>
    <message>
        <source>Suggest in small fields</source>
        <translation>చిన్న ఫీల్డ్‌లలో సూచించు</translation>
    </message>
    <message>
        <source>Hold back on misspelled words</source>
        <translation>తప్పుగా రాసిన పదాల వద్ద ఆగు</translation>
    </message>
    <message>
        <source>Offer spelling fixes</source>
        <translation>అక్షరక్రమ సవరణలను అందించు</translation>
    </message>
    <message>
        <source>Show the key hint</source>
        <translation>కీ సూచనను చూపు</translation>
    </message>
    <message>
        <source>Quit other autocomplete apps when they open</source>
        <translation>ఇతర ఆటోకంప్లీట్ యాప్‌లు తెరుచుకున్నప్పుడు వాటిని మూసివేయి</translation>
    </message>
    <message>
        <source>Keeps a few minutes of text from windows you switched away from, like a page you read before replying. It stays on your computer and skips apps you switched off.</source>
        <translation>మీరు వేరే విండోకు మారినప్పుడు, ముందు విండోల నుండి కొన్ని నిమిషాల టెక్స్ట్‌ను ఉంచుతుంది, ఉదా. సమాధానం ఇచ్చే ముందు మీరు చదివిన పేజీ. అది మీ కంప్యూటర్‌లోనే ఉంటుంది, మీరు ఆఫ్ చేసిన యాప్‌లను దాటవేస్తుంది.</translation>
    </message>
    <message numerus="yes">
        <source>Both apps answer the Tab key, and the system gives it to %1 first. %app stays paused in your other apps until %1 quits.</source>
        <translation>
            <numerusform>రెండు యాప్‌లూ Tab కీకి స్పందిస్తాయి, సిస్టమ్ దాన్ని ముందుగా %1 కి ఇస్తుంది. %1 మూసే వరకు మీ ఇతర యాప్‌లలో %app పాజ్‌లోనే ఉంటుంది.</numerusform>
            <numerusform>%app కంటే ముందే %1 Tab కీని తీసుకుంటాయి, కాబట్టి మీరు వాటిని మూసే వరకు మీ ఇతర యాప్‌లలో %app పాజ్‌లోనే ఉంటుంది.</numerusform>
        </translation>
    </message>
    <message>
        <source>Finishes your sentences in any app, on your computer.</source>
        <translation>ఏ యాప్‌లోనైనా, మీ కంప్యూటర్‌లోనే, మీ వాక్యాలను పూర్తి చేస్తుంది.</translation>
    </message>
    <message>
        <source>Keeps short passages from fields where you accepted a suggestion, encrypted on this computer, and shows them to the model as examples.</source>
        <translation>మీరు సూచనను ఆమోదించిన ఫీల్డ్‌ల నుండి చిన్న పాఠ్యభాగాలను ఈ కంప్యూటర్‌లో ఎన్‌క్రిప్ట్ చేసి ఉంచుతుంది, వాటిని ఉదాహరణలుగా మోడల్‌కు చూపుతుంది.</translation>
    </message>
    <message>
        <source>Light</source>
        <comment>skin tone</comment>
        <translation>లేత</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>సరే</translation>
    </message>
    <message>
        <source>Default</source>
        <comment>skin tone</comment>
        <translation>డిఫాల్ట్</translation>
    </message>
    <message>
        <source>Medium light</source>
        <comment>skin tone</comment>
        <translation>మధ్యస్థ లేత</translation>
    </message>
    <message>
        <source>Medium</source>
        <comment>skin tone</comment>
        <translation>మధ్యస్థం</translation>
    </message>
    <message>
        <source>Medium dark</source>
        <comment>skin tone</comment>
        <translation>మధ్యస్థ ముదురు</translation>
    </message>
    <message>
        <source>Dark</source>
        <comment>skin tone</comment>
        <translation>ముదురు</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>తెలియదు</translation>
    </message>
    <message>
        <source>%1 × %2 pt</source>
        <translation>%1 × %2 pt</translation>
    </message>
    <message>
        <source>No</source>
        <translation>లేదు</translation>
    </message>
    <message>
        <source>Not reported, estimated from the caret</source>
        <translation>నివేదించలేదు, కర్సర్ నుండి అంచనా వేయబడింది</translation>
    </message>
    <message>
        <source>%1 %2 pt</source>
        <translation>%1 %2 pt</translation>
    </message>
    <message>
        <source>System</source>
        <translation>సిస్టమ్</translation>
    </message>
    <message>
        <source>Not yet</source>
        <translation>ఇంకా లేదు</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>ఈ రోజు</translation>
    </message>
    <message>
        <source>Last 7 days</source>
        <translation>గత 7 రోజులు</translation>
    </message>
    <message>
        <source>All time</source>
        <translation>అన్ని సమయాలు</translation>
    </message>
    <message>
        <source>Typing saved</source>
        <translation>ఆదా అయిన టైపింగ్</translation>
    </message>
    <message>
        <source>at 40 words a minute</source>
        <translation>నిమిషానికి 40 పదాల చొప్పున</translation>
    </message>
    <message>
        <source>Accepted</source>
        <translation>ఆమోదించినవి</translation>
    </message>
    <message>
        <source>of suggestions shown</source>
        <translation>చూపిన సూచనలలో</translation>
    </message>
    <message>
        <source>Typical wait</source>
        <translation>సాధారణ నిరీక్షణ</translation>
    </message>
    <message>
        <source>9 in 10 under %1</source>
        <translation>10 లో 9 సార్లు %1 లోపు</translation>
    </message>
    <message>
        <source>no requests yet</source>
        <translation>ఇంకా అభ్యర్థనలు లేవు</translation>
    </message>
    <message>
        <source>Words saved</source>
        <translation>ఆదా అయిన పదాలు</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>వ్యవధి</translation>
    </message>
    <message>
        <source>Nothing to chart yet</source>
        <translation>చార్ట్ చేయడానికి ఇంకా ఏమీ లేదు</translation>
    </message>
    <message>
        <source>Accept a few suggestions and your days show up here.</source>
        <translation>కొన్ని సూచనలను ఆమోదిస్తే మీ రోజులు ఇక్కడ కనిపిస్తాయి.</translation>
    </message>
    <message>
        <source>Where you write</source>
        <translation>మీరు ఎక్కడ రాస్తారు</translation>
    </message>
    <message>
        <source>Reset Statistics…</source>
        <translation>గణాంకాలను రీసెట్ చేయి…</translation>
    </message>
    <message>
        <source>Reset all statistics?</source>
        <translation>అన్ని గణాంకాలను రీసెట్ చేయాలా?</translation>
    </message>
    <message>
        <source>This clears words saved, acceptance and timing history.</source>
        <translation>ఇది ఆదా అయిన పదాలు, ఆమోదం, నిరీక్షణ సమయాల చరిత్రను క్లియర్ చేస్తుంది.</translation>
    </message>
    <message>
        <source>Copy Diagnostics</source>
        <translation>డయాగ్నోస్టిక్స్‌ను కాపీ చేయి</translation>
    </message>
    <message>
        <source>Diagnostics leave out the text you typed.</source>
        <translation>మీరు టైప్ చేసిన టెక్స్ట్ డయాగ్నోస్టిక్స్‌లో ఉండదు.</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>స్థితి</translation>
    </message>
    <message>
        <source>Right now</source>
        <translation>ప్రస్తుతం</translation>
    </message>
    <message>
        <source>Allowed</source>
        <translation>అనుమతించబడింది</translation>
    </message>
    <message>
        <source>Not allowed</source>
        <translation>అనుమతించబడలేదు</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>కీబోర్డ్</translation>
    </message>
    <message>
        <source>Listening</source>
        <translation>వింటోంది</translation>
    </message>
    <message>
        <source>Not listening</source>
        <translation>వినడం లేదు</translation>
    </message>
    <message>
        <source>Focused field</source>
        <translation>ఫోకస్‌లో ఉన్న ఫీల్డ్</translation>
    </message>
    <message>
        <source>Click into a text field in another app, then come back. The last field %1 saw stays here.</source>
        <translation>మరో యాప్‌లోని టెక్స్ట్ ఫీల్డ్‌లో క్లిక్ చేసి, తిరిగి రండి. %1 చివరిగా చూసిన ఫీల్డ్ ఇక్కడే ఉంటుంది.</translation>
    </message>
    <message>
        <source>App</source>
        <translation>యాప్</translation>
    </message>
    <message>
        <source>Field type</source>
        <translation>ఫీల్డ్ రకం</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>విండో</translation>
    </message>
    <message>
        <source>Field size</source>
        <translation>ఫీల్డ్ పరిమాణం</translation>
    </message>
    <message>
        <source>Caret found</source>
        <translation>కర్సర్ కనుగొనబడింది</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>ఫాంట్</translation>
    </message>
    <message>
        <source>At end of line</source>
        <translation>లైన్ చివర</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>అవును</translation>
    </message>
    <message>
        <source>Secure input</source>
        <translation>సురక్షిత ఇన్‌పుట్</translation>
    </message>
    <message>
        <source>Looked at lately</source>
        <translation>ఇటీవల చూసినవి</translation>
    </message>
    <message>
        <source>Text before the caret</source>
        <translation>కర్సర్‌కు ముందున్న టెక్స్ట్</translation>
    </message>
    <message>
        <source>Last request</source>
        <translation>చివరి అభ్యర్థన</translation>
    </message>
    <message>
        <source>Wait</source>
        <translation>నిరీక్షణ</translation>
    </message>
    <message>
        <source>Suggestion</source>
        <translation>సూచన</translation>
    </message>
    <message>
        <source>Prompt sent to the engine</source>
        <translation>ఇంజిన్‌కు పంపిన ప్రాంప్ట్</translation>
    </message>
    <message>
        <source>Raw answer</source>
        <translation>ముడి సమాధానం</translation>
    </message>
    <message>
        <source>(empty)</source>
        <translation>(ఖాళీ)</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>కాపీ చేయబడింది</translation>
    </message>
    <message>
        <source>Choose a language</source>
        <translation>భాషను ఎంచుకోండి</translation>
    </message>
    <message>
        <source>Search languages</source>
        <translation>భాషలను శోధించండి</translation>
    </message>
    <message>
        <source>Same as my computer</source>
        <translation>నా కంప్యూటర్‌లాగే</translation>
    </message>
    <message>
        <source>Switch to %1?</source>
        <translation>%1 కి మారాలా?</translation>
    </message>
    <message>
        <source>%1 closes and opens again in a second. Your settings stay as they are.</source>
        <translation>%1 మూసివేయబడి ఒక్క క్షణంలో మళ్లీ తెరుచుకుంటుంది. మీ సెట్టింగ్‌లు అలాగే ఉంటాయి.</translation>
    </message>
    <message>
        <source>Reopen Now</source>
        <translation>ఇప్పుడే మళ్లీ తెరువు</translation>
    </message>
    <message>
        <source>App language</source>
        <translation>యాప్ భాష</translation>
    </message>
    <message>
        <source>Pick the language you read most easily. Suggestions follow whatever language you type.</source>
        <translation>మీరు సులభంగా చదవగలిగే భాషను ఎంచుకోండి. మీరు ఏ భాషలో టైప్ చేసినా సూచనలు ఆ భాషనే అనుసరిస్తాయి.</translation>
    </message>
    <message>
        <source>Change the app language</source>
        <translation>యాప్ భాషను మార్చండి</translation>
    </message>
    <message>
        <source>0 min</source>
        <translation>0 నిమి</translation>
    </message>
    <message>
        <source>under a minute</source>
        <translation>ఒక నిమిషం కంటే తక్కువ</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 సె</translation>
    </message>
    <message>
        <source>Not set</source>
        <translation>సెట్ చేయలేదు</translation>
    </message>
    <message>
        <source>Clear shortcut</source>
        <translation>షార్ట్‌కట్‌ను క్లియర్ చేయి</translation>
    </message>
    <message>
        <source>Add Ctrl, Alt or Super so normal typing still works.</source>
        <translation>సాధారణ టైపింగ్ పనిచేసేలా Ctrl, Alt లేదా Super జోడించండి.</translation>
    </message>
    <message>
        <source>Type a shortcut…</source>
        <translation>షార్ట్‌కట్‌ను టైప్ చేయండి…</translation>
    </message>
    <message>
        <source>Recording shortcut</source>
        <translation>షార్ట్‌కట్‌ను రికార్డ్ చేస్తోంది</translation>
    </message>
    <message>
        <source>Shortcut %1</source>
        <translation>షార్ట్‌కట్ %1</translation>
    </message>
    <message>
        <source>Record shortcut</source>
        <translation>షార్ట్‌కట్‌ను రికార్డ్ చేయి</translation>
    </message>
    <message>
        <source>Shortcut not set</source>
        <translation>షార్ట్‌కట్ సెట్ చేయలేదు</translation>
    </message>
    <message>
        <source>Press to record a new shortcut. Escape cancels.</source>
        <translation>కొత్త షార్ట్‌కట్‌ను రికార్డ్ చేయడానికి నొక్కండి. Escape రద్దు చేస్తుంది.</translation>
    </message>
    <message>
        <source>Your tray icon is hidden</source>
        <translation>మీ ట్రే ఐకాన్ దాచబడింది</translation>
    </message>
    <message>
        <source>This computer has no on-device language model</source>
        <translation>ఈ కంప్యూటర్‌లో పరికరంలోని భాషా మోడల్ లేదు</translation>
    </message>
    <message>
        <source>Turn on the on-device model in the desktop&apos;s settings</source>
        <translation>డెస్క్‌టాప్ సెట్టింగ్‌లలో పరికరంలోని మోడల్‌ను ఆన్ చేయండి</translation>
    </message>
    <message>
        <source>The on-device model is unavailable</source>
        <translation>పరికరంలోని మోడల్ అందుబాటులో లేదు</translation>
    </message>
    <message>
        <source>Downloading. The on-device model fills in until it&apos;s done.</source>
        <translation>డౌన్‌లోడ్ అవుతోంది. అది పూర్తయ్యే వరకు పరికరంలోని మోడల్ పని చేస్తుంది.</translation>
    </message>
    <message>
        <source>The on-device model fills in until you download it.</source>
        <translation>మీరు దాన్ని డౌన్‌లోడ్ చేసే వరకు పరికరంలోని మోడల్ పని చేస్తుంది.</translation>
    </message>
    <message>
        <source>%1 shares no text. Quit it and start it with %2 to get suggestions in it.</source>
        <translation>%1 ఏ టెక్స్ట్‌నూ పంచుకోదు. దానిలో సూచనలు పొందడానికి, దాన్ని మూసివేసి %2 తో ప్రారంభించండి.</translation>
    </message>
    <message>
        <source>On-device model</source>
        <translation>పరికరంలోని మోడల్</translation>
    </message>
    <message>
        <source>The system&apos;s own language model. Nothing to download.</source>
        <translation>సిస్టమ్ సొంత భాషా మోడల్. డౌన్‌లోడ్ చేయాల్సిన అవసరం లేదు.</translation>
    </message>
    <message>
        <source>A website name cannot hold spaces, tabs or line breaks.</source>
        <translation>వెబ్‌సైట్ పేరులో స్పేస్‌లు, ట్యాబ్‌లు లేదా లైన్ బ్రేక్‌లు ఉండకూడదు.</translation>
    </message>
    <message>
        <source>Only addresses that start with http or https can be added.</source>
        <translation>http లేదా https తో ప్రారంభమయ్యే చిరునామాలను మాత్రమే జోడించగలరు.</translation>
    </message>
    <message>
        <source>That is not a website name. Type one such as wikipedia.org.</source>
        <translation>అది వెబ్‌సైట్ పేరు కాదు. wikipedia.org వంటి పేరును టైప్ చేయండి.</translation>
    </message>
    <message>
        <source>A port is a number from 1 to 65535.</source>
        <translation>పోర్ట్ అనేది 1 నుండి 65535 వరకు ఉండే సంఖ్య.</translation>
    </message>
    <message>
        <source>The on-device model fills in until the download is done.</source>
        <translation>డౌన్‌లోడ్ పూర్తయ్యే వరకు పరికరంలోని మోడల్ పని చేస్తుంది.</translation>
    </message>
    <message>
        <source>Suggestions start once the download is done.</source>
        <translation>డౌన్‌లోడ్ పూర్తయ్యాక సూచనలు మొదలవుతాయి.</translation>
    </message>
    <message>
        <source>This frees %1. The on-device model fills in until you download it again.</source>
        <translation>దీనివల్ల %1 ఖాళీ అవుతుంది. మీరు మళ్లీ డౌన్‌లోడ్ చేసే వరకు పరికరంలోని మోడల్ పని చేస్తుంది.</translation>
    </message>
    <message>
        <source>This frees %1. The %app model can&apos;t suggest until you download it again.</source>
        <translation>దీనివల్ల %1 ఖాళీ అవుతుంది. మీరు మళ్లీ డౌన్‌లోడ్ చేసే వరకు %app మోడల్ సూచనలు ఇవ్వలేదు.</translation>
    </message>
    <message>
        <source>There&apos;s no room for it, or your panel has no system tray. Add the panel&apos;s system tray or status area applet in its settings.</source>
        <translation>దానికి స్థలం లేదు, లేదా మీ ప్యానెల్‌లో సిస్టమ్ ట్రే లేదు. ప్యానెల్ సెట్టింగ్‌లలో సిస్టమ్ ట్రే లేదా స్టేటస్ ఏరియా ఆప్లెట్‌ను జోడించండి.</translation>
    </message>
    <message>
        <source>GNOME shows tray icons only with the AppIndicator extension. Install the gnome-shell-extension-appindicator package, log out and in, then turn it on in Extensions.</source>
        <translation>AppIndicator ఎక్స్‌టెన్షన్ ఉంటేనే GNOME ట్రే ఐకాన్‌లను చూపుతుంది. gnome-shell-extension-appindicator ప్యాకేజీని ఇన్‌స్టాల్ చేసి, లాగ్ అవుట్ చేసి మళ్లీ లాగిన్ అయి, ఆపై “ఎక్స్‌టెన్షన్‌లు”లో దాన్ని ఆన్ చేయండి.</translation>
    </message>
    <message>
        <source>GNOME shows tray icons only with the AppIndicator extension. It is installed but off: turn it on in Extensions.</source>
        <translation>AppIndicator ఎక్స్‌టెన్షన్ ఉంటేనే GNOME ట్రే ఐకాన్‌లను చూపుతుంది. అది ఇన్‌స్టాల్ అయి ఉంది కానీ ఆఫ్‌లో ఉంది: “ఎక్స్‌టెన్షన్‌లు”లో దాన్ని ఆన్ చేయండి.</translation>
    </message>
    <message>
        <source>Until then, open %app from your applications menu to reach Settings.</source>
        <translation>అప్పటి వరకు, సెట్టింగ్‌లను చేరుకోవడానికి మీ అప్లికేషన్‌ల మెనూ నుండి %app ను తెరవండి.</translation>
    </message>
    <message>
        <source>Open Extensions</source>
        <translation>“ఎక్స్‌టెన్షన్‌లు” తెరువు</translation>
    </message>
    <message>
        <source>Show Count in Tray</source>
        <translation>ట్రేలో సంఖ్యను చూపు</translation>
    </message>
    <message>
        <source>%1 shares no text</source>
        <translation>%1 ఏ టెక్స్ట్‌నూ పంచుకోదు</translation>
    </message>
    <message>
        <source>Copy command</source>
        <translation>కమాండ్‌ను కాపీ చేయి</translation>
    </message>
    <message>
        <source>There&apos;s no account and no analytics. With the %app model or the on-device model, your text stays on this computer.</source>
        <translation>ఖాతా లేదు, అనలిటిక్స్ లేవు. %app మోడల్ లేదా పరికరంలోని మోడల్‌తో, మీ టెక్స్ట్ ఈ కంప్యూటర్‌లోనే ఉంటుంది.</translation>
    </message>
    <message>
        <source>There&apos;s no account and no analytics. With the %app model, your text stays on this computer.</source>
        <translation>ఖాతా లేదు, అనలిటిక్స్ లేవు. %app మోడల్‌తో, మీ టెక్స్ట్ ఈ కంప్యూటర్‌లోనే ఉంటుంది.</translation>
    </message>
    <message>
        <source>%app lives in your system tray from now on. Click its icon to pause it in an app or open Settings.</source>
        <translation>ఇకపై %app మీ సిస్టమ్ ట్రేలో ఉంటుంది. ఏదైనా యాప్‌లో దాన్ని పాజ్ చేయడానికి లేదా సెట్టింగ్‌లను తెరవడానికి దాని ఐకాన్‌పై క్లిక్ చేయండి.</translation>
    </message>
    <message>
        <source>%app has no account, no analytics and no servers of its own. The %app model and the on-device model keep your text on this computer. Other engines get it only if you set one up.</source>
        <translation>%app కు ఖాతా లేదు, అనలిటిక్స్ లేవు, సొంత సర్వర్‌లు లేవు. %app మోడల్, పరికరంలోని మోడల్ మీ టెక్స్ట్‌ను ఈ కంప్యూటర్‌లోనే ఉంచుతాయి. ఇతర ఇంజిన్‌లను మీరు సెటప్ చేస్తేనే వాటికి మీ టెక్స్ట్ అందుతుంది.</translation>
    </message>
    <message>
        <source>%app has no account, no analytics and no servers of its own. The %app model keeps your text on this computer. Other engines get it only if you set one up.</source>
        <translation>%app కు ఖాతా లేదు, అనలిటిక్స్ లేవు, సొంత సర్వర్‌లు లేవు. %app మోడల్ మీ టెక్స్ట్‌ను ఈ కంప్యూటర్‌లోనే ఉంచుతుంది. ఇతర ఇంజిన్‌లను మీరు సెటప్ చేస్తేనే వాటికి మీ టెక్స్ట్ అందుతుంది.</translation>
    </message>
    <message>
        <source>Installed applications</source>
        <translation>ఇన్‌స్టాల్ చేసిన అప్లికేషన్‌లు</translation>
    </message>
    <message>
        <source>%app reads these only while making a suggestion and never saves them. With the %app model or the on-device model, nothing leaves your computer.</source>
        <translation>%app వీటిని సూచన తయారుచేస్తున్నప్పుడు మాత్రమే చదువుతుంది, ఎప్పుడూ సేవ్ చేయదు. %app మోడల్ లేదా పరికరంలోని మోడల్‌తో, ఏదీ మీ కంప్యూటర్ నుండి బయటకు వెళ్లదు.</translation>
    </message>
    <message>
        <source>%app reads these only while making a suggestion and never saves them. With the %app model, nothing leaves your computer.</source>
        <translation>%app వీటిని సూచన తయారుచేస్తున్నప్పుడు మాత్రమే చదువుతుంది, ఎప్పుడూ సేవ్ చేయదు. %app మోడల్‌తో, ఏదీ మీ కంప్యూటర్ నుండి బయటకు వెళ్లదు.</translation>
    </message>
    <message>
        <source>The %app model keeps your text on this computer.</source>
        <translation>%app మోడల్ మీ టెక్స్ట్‌ను ఈ కంప్యూటర్‌లోనే ఉంచుతుంది.</translation>
    </message>
    <message>
        <source>The key holds a line break or another control character. Paste it again without them.</source>
        <translation>కీలో లైన్ బ్రేక్ లేదా మరో కంట్రోల్ అక్షరం ఉంది. అవి లేకుండా మళ్లీ పేస్ట్ చేయండి.</translation>
    </message>
    <message>
        <source>Waiting for the keyring to store the key.</source>
        <translation>కీరింగ్ కీని నిల్వ చేసే వరకు వేచి ఉంది.</translation>
    </message>
    <message>
        <source>The keyring cannot keep this key, so it is used only until %app quits.</source>
        <translation>కీరింగ్ ఈ కీని ఉంచలేదు, కాబట్టి %app నిష్క్రమించే వరకు మాత్రమే ఇది ఉపయోగించబడుతుంది.</translation>
    </message>
    <message>
        <source>Show in the system tray</source>
        <translation>సిస్టమ్ ట్రేలో చూపు</translation>
    </message>
    <message>
        <source>Pause or open Settings from the system tray. Hidden? Open %app from your applications menu to come back.</source>
        <translation>సిస్టమ్ ట్రే నుండి పాజ్ చేయండి లేదా సెట్టింగ్‌లను తెరవండి. దాచబడిందా? తిరిగి రావడానికి అప్లికేషన్‌ల మెనూ నుండి %app ను తెరవండి.</translation>
    </message>
    <message>
        <source>This tray can&apos;t show text beside icons, so the count shows in the icon&apos;s tooltip.</source>
        <translation>ఈ ట్రే ఐకాన్‌ల పక్కన టెక్స్ట్‌ను చూపలేదు, కాబట్టి సంఖ్య ఐకాన్ టూల్‌టిప్‌లో కనిపిస్తుంది.</translation>
    </message>
    <message>
        <source>VS Code, VSCodium, Cursor, Zed, Kate, Sublime Text, JetBrains IDEs and similar apps.</source>
        <translation>VS Code, VSCodium, Cursor, Zed, Kate, Sublime Text, JetBrains IDEలు, ఇలాంటి యాప్‌లు.</translation>
    </message>
    <message>
        <source>Your settings could not be read, so they were set aside and %app started over with its defaults.</source>
        <translation>మీ సెట్టింగ్‌లను చదవలేకపోయాము, కాబట్టి వాటిని పక్కన పెట్టి %app డిఫాల్ట్‌లతో మళ్లీ ప్రారంభమైంది.</translation>
    </message>
    <message>
        <source>Your settings are not saved: %app cannot write to its settings folder.</source>
        <translation>మీ సెట్టింగ్‌లు సేవ్ కాలేదు: %app తన సెట్టింగ్‌ల ఫోల్డర్‌లో రాయలేకపోతోంది.</translation>
    </message>
    <message>
        <source>Your app and website rules could not be read, so they were set aside.</source>
        <translation>మీ యాప్, వెబ్‌సైట్ నియమాలను చదవలేకపోయాము, కాబట్టి వాటిని పక్కన పెట్టాము.</translation>
    </message>
    <message>
        <source>Your statistics could not be read, so they were set aside and counting started over.</source>
        <translation>మీ గణాంకాలను చదవలేకపోయాము, కాబట్టి వాటిని పక్కన పెట్టి లెక్కింపును మళ్లీ మొదలుపెట్టాము.</translation>
    </message>
    <message>
        <source>Not saved: %app cannot write to its data folder.</source>
        <translation>సేవ్ కాలేదు: %app తన డేటా ఫోల్డర్‌లో రాయలేకపోతోంది.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln suggestions. %1 selected</source>
        <translation>
            <numerusform>%Ln సూచన. %1 ఎంచుకోబడింది</numerusform>
            <numerusform>%Ln సూచనలు. %1 ఎంచుకోబడింది</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln min</source>
        <translation>
            <numerusform>%Ln నిమి</numerusform>
            <numerusform>%Ln నిమి</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln words</source>
        <translation>
            <numerusform>%Ln పదం</numerusform>
            <numerusform>%Ln పదాలు</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln passages from here</source>
        <translation>
            <numerusform>ఇక్కడి నుండి %Ln పాఠ్యభాగం</numerusform>
            <numerusform>ఇక్కడి నుండి %Ln పాఠ్యభాగాలు</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>words</source>
        <comment>unit after a count</comment>
        <translation>
            <numerusform>పదం</numerusform>
            <numerusform>పదాలు</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln days</source>
        <translation>
            <numerusform>%Ln రోజు</numerusform>
            <numerusform>%Ln రోజులు</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Words saved per day over the last %Ln days</source>
        <translation>
            <numerusform>గత %Ln రోజులో ఆదా అయిన పదాలు</numerusform>
            <numerusform>గత %Ln రోజుల్లో రోజుకు ఆదా అయిన పదాలు</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln day streak</source>
        <translation>
            <numerusform>వరుసగా %Ln రోజు</numerusform>
            <numerusform>వరుసగా %Ln రోజులు</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln passages remembered</source>
        <translation>
            <numerusform>%Ln పాఠ్యభాగం గుర్తుంచుకోబడింది</numerusform>
            <numerusform>%Ln పాఠ్యభాగాలు గుర్తుంచుకోబడ్డాయి</numerusform>
        </translation>
    </message>
    <message>
        <source>enter</source>
        <translation>enter</translation>
    </message>
    <message>
        <source>Allow screen capture so %app can read those too. Most apps work without it.</source>
        <translation>వాటిని కూడా %app చదవగలిగేలా స్క్రీన్ క్యాప్చర్‌ను అనుమతించండి. చాలా యాప్‌లు అది లేకుండానే పనిచేస్తాయి.</translation>
    </message>
    <message>
        <source>Type a colon and a word, like :rocket, then press Tab or Enter to pick.</source>
        <translation>కోలన్, ఒక పదం టైప్ చేయండి, ఉదా. :rocket, ఆపై ఎంచుకోవడానికి Tab లేదా Enter నొక్కండి.</translation>
    </message>
    <message>
        <source>You can switch memory off for single apps under Apps &amp; Sites. The key that unlocks it lives in your keyring.</source>
        <translation>“యాప్‌లు &amp; సైట్‌లు”లో ఒక్కో యాప్‌కు జ్ఞాపకాన్ని ఆఫ్ చేయవచ్చు. దాన్ని అన్‌లాక్ చేసే కీ మీ కీరింగ్‌లో ఉంటుంది.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln emoji. %1 selected</source>
        <translation>
            <numerusform>%Ln ఎమోజీ. %1 ఎంచుకోబడింది</numerusform>
            <numerusform>%Ln ఎమోజీలు. %1 ఎంచుకోబడింది</numerusform>
        </translation>
    </message>
    <message>
        <source>Suggestion: %1</source>
        <translation>సూచన: %1</translation>
    </message>
    <message numerus="yes">
        <source>%Ln models available</source>
        <translation>
            <numerusform>%Ln మోడల్ అందుబాటులో ఉంది</numerusform>
            <numerusform>%Ln మోడల్‌లు అందుబాటులో ఉన్నాయి</numerusform>
        </translation>
    </message>
    <message>
        <source>The model couldn&apos;t be saved: %1</source>
        <translation>మోడల్‌ను సేవ్ చేయడం సాధ్యపడలేదు: %1</translation>
    </message>
    <message>
        <source>Ollama isn&apos;t running.</source>
        <translation>Ollama రన్ కావడం లేదు.</translation>
    </message>
    <message>
        <source>Ollama isn&apos;t running at %1.</source>
        <translation>Ollama రన్ కావడం లేదు, చిరునామా: %1.</translation>
    </message>
    <message>
        <source>No server answered.</source>
        <translation>ఏ సర్వర్ స్పందించలేదు.</translation>
    </message>
    <message>
        <source>No server answered at %1.</source>
        <translation>ఏ సర్వర్ స్పందించలేదు, చిరునామా: %1.</translation>
    </message>
    <message>
        <source>Range: %1</source>
        <translation>వ్యవధి: %1</translation>
    </message>
    <message numerus="yes">
        <source>%1, %Ln to do</source>
        <translation>
            <numerusform>%1, %Ln మిగిలి ఉంది</numerusform>
            <numerusform>%1, %Ln మిగిలి ఉన్నాయి</numerusform>
        </translation>
    </message>
    <message>
        <source>Type the whole name of the website, such as wikipedia.org.</source>
        <translation>వెబ్‌సైట్ పూర్తి పేరును టైప్ చేయండి, ఉదాహరణకు wikipedia.org.</translation>
    </message>
    <message>
        <source>The key holds a space, an invisible character or a letter outside plain ASCII. Paste it again exactly as your server gave it.</source>
        <translation>కీలో స్పేస్, కనిపించని అక్షరం లేదా సాధారణ ASCII వెలుపలి అక్షరం ఉంది. మీ సర్వర్ ఇచ్చినట్లే మళ్లీ పేస్ట్ చేయండి.</translation>
    </message>
    <message>
        <source>The keyring could not be read, so your server is asked without an API key. Type the key again if your server needs one.</source>
        <translation>కీరింగ్‌ను చదవలేకపోయాము, కాబట్టి మీ సర్వర్‌ను API కీ లేకుండా అడుగుతున్నాం. మీ సర్వర్‌కు కీ అవసరమైతే దాన్ని మళ్లీ టైప్ చేయండి.</translation>
    </message>
    <message>
        <source>Your writing memory could not be opened, so it was set aside and %app started a new one.</source>
        <translation>మీ రచనా జ్ఞాపకాన్ని తెరవడం సాధ్యపడలేదు, కాబట్టి దాన్ని పక్కన పెట్టి %app కొత్తదాన్ని ప్రారంభించింది.</translation>
    </message>
    <message>
        <source>%1, converted for llama.cpp by %2</source>
        <translation>%1, llama.cpp కోసం %2 మార్చింది</translation>
    </message>
    <message>
        <source>The data folder %1 could not be made. Check that the folder above it exists and that you may write there.</source>
        <translation>డేటా ఫోల్డర్ %1 ను సృష్టించలేకపోయాం. దాని పైన ఉన్న ఫోల్డర్ ఉందో, అక్కడ మీరు రాయగలరో తనిఖీ చేయండి.</translation>
    </message>
    <message>
        <source>party</source>
        <comment>emoji search sample</comment>
        <translation>పార్టీ</translation>
    </message>
    <message numerus="yes">
        <source>%Ln settings held values %app cannot use, so they were corrected and saved.</source>
        <translation>
            <numerusform>%Ln సెట్టింగ్‌లో %app ఉపయోగించలేని విలువ ఉంది, కాబట్టి దాన్ని సరిచేసి సేవ్ చేశాం.</numerusform>
            <numerusform>%Ln సెట్టింగ్‌లలో %app ఉపయోగించలేని విలువలు ఉన్నాయి, కాబట్టి వాటిని సరిచేసి సేవ్ చేశాం.</numerusform>
        </translation>
    </message>
    <message>
        <source>Your writing memory is not saved: the keyring is missing or locked, so its key cannot be kept.</source>
        <translation>మీ రచనా జ్ఞాపకం సేవ్ కాలేదు: కీరింగ్ లేదు లేదా లాక్ అయి ఉంది, కాబట్టి దాని కీని ఉంచలేము.</translation>
    </message>
    <message>
        <source>That address isn&apos;t valid</source>
        <translation>ఈ చిరునామా చెల్లదు</translation>
    </message>
    <message>
        <source>The request timed out.</source>
        <translation>అభ్యర్థన సమయం ముగిసింది.</translation>
    </message>
    <message>
        <source>The server&apos;s reply was too long, so it was stopped.</source>
        <translation>సర్వర్ జవాబు చాలా పొడవుగా ఉంది, కాబట్టి ఆపివేయబడింది.</translation>
    </message>
    <message>
        <source>The server answered %1.</source>
        <translation>సర్వర్ %1 అని జవాబిచ్చింది.</translation>
    </message>
    <message>
        <source>The server answered %1: %2</source>
        <translation>సర్వర్ %1 అని జవాబిచ్చింది: %2</translation>
    </message>
    <message>
        <source>The download server answered %1. Try again later.</source>
        <translation>డౌన్‌లోడ్ సర్వర్ %1 అని జవాబిచ్చింది. తర్వాత మళ్లీ ప్రయత్నించండి.</translation>
    </message>
    <message>
        <source>The download couldn&apos;t be saved: %1</source>
        <translation>డౌన్‌లోడ్‌ను సేవ్ చేయలేకపోయాము: %1</translation>
    </message>
    <message>
        <source>The download paused because the connection dropped. Try again to pick up where it stopped.</source>
        <translation>కనెక్షన్ తెగిపోవడంతో డౌన్‌లోడ్ పాజ్ అయింది. ఆగిన చోటు నుంచి కొనసాగించడానికి మళ్లీ ప్రయత్నించండి.</translation>
    </message>
    <message>
        <source>The download stopped. Check your connection, then try again.</source>
        <translation>డౌన్‌లోడ్ ఆగిపోయింది. మీ కనెక్షన్‌ను తనిఖీ చేసి, మళ్లీ ప్రయత్నించండి.</translation>
    </message>
    <message>
        <source>Pick an Ollama model in Settings</source>
        <translation>సెట్టింగ్‌లలో ఒక Ollama మోడల్‌ను ఎంచుకోండి</translation>
    </message>
    <message>
        <source>Pick a model for your local server</source>
        <translation>మీ స్థానిక సర్వర్ కోసం ఒక మోడల్‌ను ఎంచుకోండి</translation>
    </message>
    <message>
        <source>The server&apos;s answer is not HTTP.</source>
        <translation>సర్వర్ జవాబు HTTP కాదు.</translation>
    </message>
    <message>
        <source>The data couldn&apos;t be read because it is missing.</source>
        <translation>డేటా లేనందున దాన్ని చదవలేకపోయాము.</translation>
    </message>
    <message>
        <source>The data couldn&apos;t be read because it isn&apos;t in the correct format.</source>
        <translation>డేటా సరైన ఫార్మాట్‌లో లేనందున దాన్ని చదవలేకపోయాము.</translation>
    </message>
    <message>
        <source>:%1:</source>
        <comment>emoji name</comment>
        <translation>:%1:</translation>
    </message>
    <message>
        <source>This computer has no on-device language model.</source>
        <translation>ఈ కంప్యూటర్‌లో పరికరంలోని భాషా మోడల్ లేదు.</translation>
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
        <translation>%1 లో పాజ్ చేయబడింది</translation>
    </message>
    <message>
        <source>Paused in %1</source>
        <translation>%1 లో పాజ్ చేయబడింది</translation>
    </message>
    <message>
        <source>Off on %1</source>
        <translation>%1 లో ఆఫ్</translation>
    </message>
    <message>
        <source>Off in %1</source>
        <translation>%1 లో ఆఫ్</translation>
    </message>
    <message>
        <source>Off in %1 by default</source>
        <translation>%1 లో డిఫాల్ట్‌గా ఆఫ్</translation>
    </message>
    <message>
        <source>Off in code editors</source>
        <translation>కోడ్ ఎడిటర్‌లలో ఆఫ్</translation>
    </message>
    <message>
        <source>Off unless turned on per app</source>
        <translation>యాప్ వారీగా ఆన్ చేయకపోతే ఆఫ్</translation>
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
        <translation>స్పేస్</translation>
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
        <translation>కీ %1</translation>
    </message>
    <message>
        <source>An email reply reads differently from a commit message.</source>
        <translation>ఈమెయిల్ జవాబు, కమిట్ సందేశం వేర్వేరుగా రాయబడతాయి.</translation>
    </message>
    <message>
        <source>Writes straight into the field. Cleanest in GTK and Qt apps.</source>
        <translation>నేరుగా ఫీల్డ్‌లో రాస్తుంది. GTK, Qt యాప్‌లలో అత్యంత శుభ్రంగా.</translation>
    </message>
    <message>
        <source>Typing</source>
        <comment>insertion method</comment>
        <translation>టైపింగ్</translation>
    </message>
    <message>
        <source>%1 h</source>
        <comment>hours with one decimal, such as 1.5</comment>
        <translation>%1 గం</translation>
    </message>
    <message numerus="yes">
        <source>%Ln h</source>
        <translation>
            <numerusform>%Ln గం</numerusform>
            <numerusform>%Ln గం</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln ms</source>
        <translation>
            <numerusform>%Ln మి.సె</numerusform>
            <numerusform>%Ln మి.సె</numerusform>
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
            <numerusform>%Ln పదం ఈ రోజు ఆదా అయింది</numerusform>
            <numerusform>%Ln పదాలు ఈ రోజు ఆదా అయ్యాయి</numerusform>
        </translation>
    </message>
    <message>
        <source>Under a minute of typing saved today.</source>
        <translation>ఈ రోజు ఒక నిమిషం కంటే తక్కువ టైపింగ్ ఆదా అయింది.</translation>
    </message>
    <message>
        <source>About %1 of typing saved today.</source>
        <translation>ఈ రోజు సుమారు %1 టైపింగ్ ఆదా అయింది.</translation>
    </message>
    <message numerus="yes">
        <source>Step %1 of %Ln</source>
        <translation>
            <numerusform>దశ %1 / %Ln</numerusform>
            <numerusform>దశ %1 / %Ln</numerusform>
        </translation>
    </message>
    <message>
        <source>%app reads and types into text fields through the desktop&apos;s accessibility support, which some desktops leave off. %app uses it only for the field you&apos;re writing in.</source>
        <translation>%app డెస్క్‌టాప్ యాక్సెసిబిలిటీ సపోర్ట్ ద్వారా టెక్స్ట్ ఫీల్డ్‌లను చదివి, వాటిలో టైప్ చేస్తుంది; కొన్ని డెస్క్‌టాప్‌లు దీన్ని ఆఫ్‌లోనే ఉంచుతాయి. మీరు రాస్తున్న ఫీల్డ్ కోసం మాత్రమే %app దీన్ని ఉపయోగిస్తుంది.</translation>
    </message>
    <message>
        <source>The button switches the desktop&apos;s accessibility support on. If the desktop&apos;s settings open instead, turn accessibility on there, then come back. This page updates by itself.</source>
        <translation>ఈ బటన్ డెస్క్‌టాప్ యాక్సెసిబిలిటీ సపోర్ట్‌ను ఆన్ చేస్తుంది. దానికి బదులుగా డెస్క్‌టాప్ సెట్టింగ్‌లు తెరుచుకుంటే, అక్కడ యాక్సెసిబిలిటీని ఆన్ చేసి, తిరిగి రండి. ఈ పేజీ దానంతట అదే అప్‌డేట్ అవుతుంది.</translation>
    </message>
    <message>
        <source>Still off? Some desktops start their accessibility service only when you log in. Log out and back in, then try again.</source>
        <translation>ఇంకా ఆఫ్‌లోనే ఉందా? కొన్ని డెస్క్‌టాప్‌లు లాగిన్ అయినప్పుడు మాత్రమే యాక్సెసిబిలిటీ సేవను ప్రారంభిస్తాయి. లాగ్ అవుట్ చేసి మళ్లీ లాగిన్ అయి, మళ్లీ ప్రయత్నించండి.</translation>
    </message>
    <message>
        <source>Pause</source>
        <comment>section header</comment>
        <translation>విరామం</translation>
    </message>
    <message>
        <source>Pause</source>
        <comment>button</comment>
        <translation>పాజ్ చేయి</translation>
    </message>
    <message>
        <source>typing</source>
        <comment>insertion method, in a sentence</comment>
        <translation>టైపింగ్</translation>
    </message>
    <message>
        <source>accessibility</source>
        <comment>insertion method, in a sentence</comment>
        <translation>యాక్సెసిబిలిటీ</translation>
    </message>
    <message>
        <source>paste</source>
        <comment>insertion method, in a sentence</comment>
        <translation>పేస్ట్</translation>
    </message>
    <message>
        <source>short</source>
        <comment>suggestion length, in a sentence</comment>
        <translation>చిన్న</translation>
    </message>
    <message>
        <source>medium</source>
        <comment>suggestion length, in a sentence</comment>
        <translation>మధ్యస్థ</translation>
    </message>
    <message>
        <source>long</source>
        <comment>suggestion length, in a sentence</comment>
        <translation>పొడవైన</translation>
    </message>
    <message>
        <source>Default follows General: %1, %2 suggestions.</source>
        <translation>డిఫాల్ట్ “సాధారణం”ను అనుసరిస్తుంది: %1, %2 సూచనలు.</translation>
    </message>
    <message>
        <source>Yes, at %1, %2 on screen, %3 pt tall, %4 and %5</source>
        <translation>అవును, స్క్రీన్‌పై %1, %2 వద్ద, %3 pt ఎత్తు, %4, %5</translation>
    </message>
    <message numerus="yes">
        <source>%Ln characters before it</source>
        <translation>
            <numerusform>ముందు %Ln అక్షరం</numerusform>
            <numerusform>ముందు %Ln అక్షరాలు</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln after</source>
        <comment>characters after the caret</comment>
        <translation>
            <numerusform>తర్వాత %Ln</numerusform>
            <numerusform>తర్వాత %Ln</numerusform>
        </translation>
    </message>
    <message>
        <source>No system tray runs on this desktop, so the icon cannot show. %1</source>
        <translation>ఈ డెస్క్‌టాప్‌లో ఏ సిస్టమ్ ట్రే నడవడం లేదు, కాబట్టి ఐకాన్ కనిపించదు. %1</translation>
    </message>
    <message>
        <source>Typing</source>
        <comment>section header</comment>
        <translation>టైపింగ్</translation>
    </message>
    <message>
        <source>Switch to the computer&apos;s language?</source>
        <translation>కంప్యూటర్ భాషకు మారాలా?</translation>
    </message>
    <message numerus="yes">
        <source>%Ln words this week.</source>
        <translation>
            <numerusform>ఈ వారం %Ln పదం.</numerusform>
            <numerusform>ఈ వారం %Ln పదాలు.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Under a minute of typing saved today. %Ln words this week.</source>
        <translation>
            <numerusform>ఈ రోజు ఒక నిమిషం కంటే తక్కువ టైపింగ్ ఆదా అయింది. ఈ వారం %Ln పదం.</numerusform>
            <numerusform>ఈ రోజు ఒక నిమిషం కంటే తక్కువ టైపింగ్ ఆదా అయింది. ఈ వారం %Ln పదాలు.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>About %1 of typing saved today. %Ln words this week.</source>
        <translation>
            <numerusform>ఈ రోజు సుమారు %1 టైపింగ్ ఆదా అయింది. ఈ వారం %Ln పదం.</numerusform>
            <numerusform>ఈ రోజు సుమారు %1 టైపింగ్ ఆదా అయింది. ఈ వారం %Ln పదాలు.</numerusform>
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
            <numerusform>%1 లో %Ln పూర్తయింది</numerusform>
            <numerusform>%1 లో %Ln పూర్తయ్యాయి</numerusform>
        </translation>
    </message>
    <message>
        <source>The server refused the connection. Check that it is running and that the address is right.</source>
        <translation>సర్వర్ కనెక్షన్‌ను తిరస్కరించింది. అది రన్ అవుతోందా, చిరునామా సరైనదేనా అని తనిఖీ చేయండి.</translation>
    </message>
    <message>
        <source>The server&apos;s name couldn&apos;t be found. Check the address.</source>
        <translation>సర్వర్ పేరు కనుగొనబడలేదు. చిరునామాను తనిఖీ చేయండి.</translation>
    </message>
    <message>
        <source>A secure connection to the server couldn&apos;t be made.</source>
        <translation>సర్వర్‌తో సురక్షిత కనెక్షన్‌ను ఏర్పాటు చేయలేకపోయాము.</translation>
    </message>
    <message>
        <source>The server closed the connection before it answered.</source>
        <translation>సర్వర్ సమాధానం ఇవ్వకముందే కనెక్షన్‌ను మూసివేసింది.</translation>
    </message>
    <message>
        <source>The network proxy couldn&apos;t be reached.</source>
        <translation>నెట్‌వర్క్ ప్రాక్సీని చేరుకోలేకపోయాము.</translation>
    </message>
    <message>
        <source>The server couldn&apos;t be reached.</source>
        <translation>సర్వర్‌ను చేరుకోలేకపోయాము.</translation>
    </message>
    <message>
        <source>Waiting for the network…</source>
        <translation>నెట్‌వర్క్ కోసం వేచి ఉంది…</translation>
    </message>
    <message>
        <source>%1 is taken by another program.</source>
        <translation>%1 ను మరో ప్రోగ్రామ్ ఉపయోగిస్తోంది.</translation>
    </message>
    <message>
        <source>%1 could not open again. Your choice takes effect the next time you start it.</source>
        <translation>%1 మళ్లీ తెరుచుకోలేకపోయింది. మీ ఎంపిక తదుపరిసారి ప్రారంభించినప్పుడు అమలులోకి వస్తుంది.</translation>
    </message>
    <message>
        <source>Downloading the model</source>
        <translation>మోడల్ డౌన్‌లోడ్ అవుతోంది</translation>
    </message>
    <message numerus="yes">
        <source>These apps answer the Tab key before %app can, so %app stays paused in your other apps until they quit.</source>
        <translation>
            <numerusform>ఈ యాప్‌లు %app కంటే ముందే Tab కీకి స్పందిస్తాయి, కాబట్టి అవి మూసే వరకు మీ ఇతర యాప్‌లలో %app పాజ్‌లోనే ఉంటుంది.</numerusform>
            <numerusform>ఈ యాప్‌లు %app కంటే ముందే Tab కీకి స్పందిస్తాయి, కాబట్టి అవి మూసే వరకు మీ ఇతర యాప్‌లలో %app పాజ్‌లోనే ఉంటుంది.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>It may be waiting on a dialog of its own. Force Quit closes it right away.</source>
        <translation>
            <numerusform>అది తన సొంత డైలాగ్ కోసం ఎదురుచూస్తూ ఉండవచ్చు. “బలవంతంగా మూసివేయి” దాన్ని వెంటనే మూసివేస్తుంది.</numerusform>
            <numerusform>అవి తమ సొంత డైలాగ్‌ల కోసం ఎదురుచూస్తూ ఉండవచ్చు. “బలవంతంగా మూసివేయి” వాటిని వెంటనే మూసివేస్తుంది.</numerusform>
        </translation>
    </message>
    <message>
        <source>Set a Suggest Now shortcut in Keys to ask for suggestions</source>
        <translation>సూచనలు అడగడానికి “కీలు”లో “ఇప్పుడే సూచించు” షార్ట్‌కట్‌ను సెట్ చేయండి</translation>
    </message>
    <message>
        <source>Backspace</source>
        <comment>key above Enter that deletes backwards</comment>
        <translation>Backspace</translation>
    </message>
    <message>
        <source>0 words saved today</source>
        <translation>0 పదాలు ఈ రోజు ఆదా అయ్యాయి</translation>
    </message>
    <message>
        <source>words saved today</source>
        <comment>beside the count 0</comment>
        <translation>పదాలు ఈ రోజు ఆదా అయ్యాయి</translation>
    </message>
    <message>
        <source>Quit the other app</source>
        <translation>ఇతర యాప్‌ను మూసివేయి</translation>
    </message>
    <message>
        <source>None yet</source>
        <comment>no app looked at yet</comment>
        <translation>ఇంకా ఏదీ లేదు</translation>
    </message>
    <message>
        <source>None yet</source>
        <comment>no suggestion shown yet</comment>
        <translation>ఇంకా సూచన ఏదీ లేదు</translation>
    </message>
    <message>
        <source>The other app is also running</source>
        <translation>ఇతర యాప్ కూడా రన్ అవుతోంది</translation>
    </message>
    <message>
        <source>Both apps answer the Tab key, and the system gives it to the other app first. %app stays paused in your other apps until the other app quits.</source>
        <translation>రెండు యాప్‌లూ Tab కీకి స్పందిస్తాయి, సిస్టమ్ దాన్ని ముందుగా ఇతర యాప్‌కి ఇస్తుంది. ఆ యాప్ మూసివేయబడే వరకు మీ ఇతర యాప్‌లలో %app పాజ్‌లోనే ఉంటుంది.</translation>
    </message>
    <message>
        <source>The other app is still open</source>
        <translation>ఇతర యాప్ ఇంకా తెరిచి ఉంది</translation>
    </message>
    <message>
        <source>The other app quit, so your suggestions are back in every app.</source>
        <translation>ఇతర యాప్ మూసివేయబడింది, కాబట్టి మీ సూచనలు ప్రతి యాప్‌లో తిరిగి వచ్చాయి.</translation>
    </message>
    <message>
        <source>The other app quit. %app has the Tab key.</source>
        <translation>ఇతర యాప్ మూసివేయబడింది. Tab కీ ఇప్పుడు %app దగ్గర ఉంది.</translation>
    </message>
</context>
</TS>
