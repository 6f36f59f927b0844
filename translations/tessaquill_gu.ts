<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="gu" sourcelanguage="en">
<context>
    <name>Tessaquill</name>
    <message>
        <source>Accessibility is on. %app is ready in your other apps.</source>
        <translation>ઍક્સેસિબિલિટી ચાલુ છે. %app તમારી અન્ય ઍપમાં તૈયાર છે.</translation>
    </message>
    <message>
        <source>Paused while %1 is open</source>
        <translation>%1 ખુલ્લી હોય ત્યાં સુધી થોભાવેલું</translation>
    </message>
    <message>
        <source>Welcome to %app</source>
        <translation>%app માં તમારું સ્વાગત છે</translation>
    </message>
    <message>
        <source>%app</source>
        <translation>%app</translation>
    </message>
    <message>
        <source>Another autocomplete app is running</source>
        <translation>બીજી એક ઑટોકમ્પ્લીટ ઍપ ચાલી રહી છે</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>તૈયાર</translation>
    </message>
    <message>
        <source>Waiting for a pause</source>
        <translation>વિરામની રાહ</translation>
    </message>
    <message>
        <source>Thinking</source>
        <translation>વિચારી રહ્યું છે</translation>
    </message>
    <message>
        <source>Showing a suggestion</source>
        <translation>સૂચન બતાવી રહ્યું છે</translation>
    </message>
    <message>
        <source>The model took too long to answer</source>
        <translation>મોડેલે જવાબ આપવામાં બહુ વાર લગાડી</translation>
    </message>
    <message>
        <source>This app doesn&apos;t report where the caret is</source>
        <translation>આ ઍપ કૅરેટ ક્યાં છે તે જણાવતી નથી</translation>
    </message>
    <message>
        <source>%app is turned off</source>
        <translation>%app બંધ છે</translation>
    </message>
    <message>
        <source>Secure input is on, so %app stays out</source>
        <translation>સુરક્ષિત ઇનપુટ ચાલુ છે, તેથી %app કામ કરતું નથી</translation>
    </message>
    <message>
        <source>Press %1 for a suggestion</source>
        <translation>સૂચન માટે %1 દબાવો</translation>
    </message>
    <message>
        <source>Text is selected</source>
        <translation>ટેક્સ્ટ પસંદ કરેલું છે</translation>
    </message>
    <message>
        <source>The caret is inside existing text</source>
        <translation>કૅરેટ હાલના ટેક્સ્ટની અંદર છે</translation>
    </message>
    <message>
        <source>This field is too small</source>
        <translation>આ ફીલ્ડ બહુ નાનું છે</translation>
    </message>
    <message>
        <source>Waiting for a few characters</source>
        <translation>થોડા અક્ષરોની રાહ</translation>
    </message>
    <message>
        <source>Start of a new line</source>
        <translation>નવી લાઇનની શરૂઆત</translation>
    </message>
    <message>
        <source>The model is still downloading</source>
        <translation>મોડેલ હજી ડાઉનલોડ થઈ રહ્યું છે</translation>
    </message>
    <message>
        <source>Download the %app model in Settings first</source>
        <translation>પહેલાં સેટિંગમાં %app મોડેલ ડાઉનલોડ કરો</translation>
    </message>
    <message>
        <source>Not checked yet</source>
        <translation>હજી તપાસ્યું નથી</translation>
    </message>
    <message>
        <source>Checking…</source>
        <translation>તપાસી રહ્યું છે…</translation>
    </message>
    <message>
        <source>The model stopped with error %1</source>
        <translation>મોડેલ ભૂલ %1 સાથે અટકી ગયું</translation>
    </message>
    <message>
        <source>The model file couldn&apos;t be loaded</source>
        <translation>મોડેલ ફાઇલ લોડ થઈ શકી નહીં</translation>
    </message>
    <message>
        <source>There wasn&apos;t enough memory to start the model</source>
        <translation>મોડેલ શરૂ કરવા માટે પૂરતી મેમરી નહોતી</translation>
    </message>
    <message>
        <source>The text couldn&apos;t be prepared for the model</source>
        <translation>ટેક્સ્ટને મોડેલ માટે તૈયાર કરી શકાયું નહીં</translation>
    </message>
    <message>
        <source>This computer needs %1 free for the download. Free up some space, then try again.</source>
        <translation>ડાઉનલોડ માટે આ કમ્પ્યુટરમાં %1 ખાલી જગ્યા જોઈએ. થોડી જગ્યા ખાલી કરો, પછી ફરી પ્રયાસ કરો.</translation>
    </message>
    <message>
        <source>The download didn&apos;t match the expected file, so it was deleted. Try again.</source>
        <translation>ડાઉનલોડ અપેક્ષિત ફાઇલ સાથે મેળ ખાતું ન હતું, તેથી તેને ડિલીટ કરવામાં આવ્યું. ફરી પ્રયાસ કરો.</translation>
    </message>
    <message>
        <source>Downloaded</source>
        <translation>ડાઉનલોડ થઈ ગયું</translation>
    </message>
    <message>
        <source>Downloading. Suggestions start once it&apos;s done.</source>
        <translation>ડાઉનલોડ થઈ રહ્યું છે. પૂરું થતાં જ સૂચનો શરૂ થશે.</translation>
    </message>
    <message>
        <source>Checking the download.</source>
        <translation>ડાઉનલોડ તપાસી રહ્યું છે.</translation>
    </message>
    <message>
        <source>Checking the download. Suggestions start once it&apos;s done.</source>
        <translation>ડાઉનલોડ તપાસી રહ્યું છે. પૂરું થતાં જ સૂચનો શરૂ થશે.</translation>
    </message>
    <message>
        <source>Download the model to start</source>
        <translation>શરૂ કરવા માટે મોડેલ ડાઉનલોડ કરો</translation>
    </message>
    <message>
        <source>Ollama is running but has no models</source>
        <translation>Ollama ચાલે છે, પણ તેમાં કોઈ મોડેલ નથી</translation>
    </message>
    <message>
        <source>Another app</source>
        <translation>બીજી ઍપ</translation>
    </message>
    <message>
        <source>There is no D-Bus session bus, so %1 cannot reach text fields.</source>
        <translation>કોઈ D-Bus સેશન બસ નથી, તેથી %1 ટેક્સ્ટ ફીલ્ડ સુધી પહોંચી શકતું નથી.</translation>
    </message>
    <message>
        <source>The desktop&apos;s accessibility bus is not running, so %1 cannot reach text fields.</source>
        <translation>ડેસ્કટૉપની ઍક્સેસિબિલિટી બસ ચાલતી નથી, તેથી %1 ટેક્સ્ટ ફીલ્ડ સુધી પહોંચી શકતું નથી.</translation>
    </message>
    <message>
        <source>Short</source>
        <translation>ટૂંકું</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>મધ્યમ</translation>
    </message>
    <message>
        <source>Long</source>
        <translation>લાંબું</translation>
    </message>
    <message>
        <source>Hide the suggestion</source>
        <translation>સૂચન છુપાવો</translation>
    </message>
    <message>
        <source>Hide suggestions until I change fields</source>
        <translation>ફીલ્ડ બદલું ત્યાં સુધી સૂચનો છુપાવો</translation>
    </message>
    <message>
        <source>Do nothing, send Escape to the app</source>
        <translation>કંઈ ન કરો, Escape ઍપને મોકલો</translation>
    </message>
    <message>
        <source>Type it</source>
        <translation>ટાઇપ કરો</translation>
    </message>
    <message>
        <source>Insert through Accessibility</source>
        <translation>ઍક્સેસિબિલિટી દ્વારા દાખલ કરો</translation>
    </message>
    <message>
        <source>Paste it</source>
        <translation>પેસ્ટ કરો</translation>
    </message>
    <message>
        <source>Grey</source>
        <translation>ભૂખરો</translation>
    </message>
    <message>
        <source>Gold tint</source>
        <translation>સોનેરી ઝાંય</translation>
    </message>
    <message>
        <source>%app model</source>
        <translation>%app મોડેલ</translation>
    </message>
    <message>
        <source>Ollama</source>
        <translation>Ollama</translation>
    </message>
    <message>
        <source>Local server</source>
        <translation>લોકલ સર્વર</translation>
    </message>
    <message>
        <source>Runs on this computer after a one-time download. Works offline.</source>
        <translation>એક વાર ડાઉનલોડ કર્યા પછી આ જ કમ્પ્યુટર પર ચાલે છે. ઑફલાઇન કામ કરે છે.</translation>
    </message>
    <message>
        <source>Any model you run in Ollama, base models included.</source>
        <translation>તમે Ollama માં ચલાવો છો તે કોઈ પણ મોડેલ, બેઝ મોડેલ સહિત.</translation>
    </message>
    <message>
        <source>LM Studio, llama-server or any OpenAI-compatible endpoint.</source>
        <translation>LM Studio, llama-server અથવા કોઈ પણ OpenAI-સુસંગત એન્ડપૉઇન્ટ.</translation>
    </message>
    <message>
        <source>Sends the text as keystrokes. Works almost everywhere.</source>
        <translation>ટેક્સ્ટને કીસ્ટ્રોક તરીકે મોકલે છે. લગભગ બધે કામ કરે છે.</translation>
    </message>
    <message>
        <source>Uses the clipboard, then puts your clipboard back.</source>
        <translation>ક્લિપબોર્ડ વાપરે છે, પછી તમારું ક્લિપબોર્ડ પાછું મૂકી દે છે.</translation>
    </message>
    <message>
        <source>Accessibility</source>
        <translation>ઍક્સેસિબિલિટી</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>પેસ્ટ</translation>
    </message>
    <message>
        <source>Your writing memory could not be opened and was set aside. Nothing new is remembered until %app starts again.</source>
        <translation>તમારી લેખન મેમરી ખોલી શકાઈ નહીં અને તેને બાજુ પર મૂકવામાં આવી. %app ફરી શરૂ ન થાય ત્યાં સુધી કંઈ નવું યાદ રખાશે નહીં.</translation>
    </message>
    <message>
        <source>Your writing memory could not be opened because its key could not be read from the keyring. Nothing new is remembered until %app starts again.</source>
        <translation>તમારી લેખન મેમરી ખોલી શકાઈ નહીં, કારણ કે તેની કી કીરિંગમાંથી વાંચી શકાઈ નહીં. %app ફરી શરૂ ન થાય ત્યાં સુધી કંઈ નવું યાદ રખાશે નહીં.</translation>
    </message>
    <message>
        <source>Not Now</source>
        <translation>હમણાં નહીં</translation>
    </message>
    <message>
        <source>Open the desktop&apos;s settings</source>
        <translation>ડેસ્કટૉપના સેટિંગ ખોલો</translation>
    </message>
    <message>
        <source>Don&apos;t remind me again</source>
        <translation>ફરી યાદ ન અપાવો</translation>
    </message>
    <message>
        <source>Open Playground</source>
        <translation>પ્રૅક્ટિસ ફીલ્ડ ખોલો</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>સેટિંગ</translation>
    </message>
    <message>
        <source>Quit %app</source>
        <translation>%app માંથી બહાર નીકળો</translation>
    </message>
    <message>
        <source>Needs Accessibility access</source>
        <translation>ઍક્સેસિબિલિટી પરવાનગી જરૂરી છે</translation>
    </message>
    <message>
        <source>Paused until you resume</source>
        <translation>તમે ફરી શરૂ ન કરો ત્યાં સુધી થોભાવેલું</translation>
    </message>
    <message>
        <source>Paused until %1</source>
        <translation>%1 સુધી થોભાવેલું</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>બંધ</translation>
    </message>
    <message numerus="yes">
        <source>Paused while %1 are open</source>
        <translation>
            <numerusform>%1 ખુલ્લી હોય ત્યાં સુધી થોભાવેલું</numerusform>
            <numerusform>%1 ખુલ્લી હોય ત્યાં સુધી થોભાવેલું</numerusform>
        </translation>
    </message>
    <message>
        <source>Grant Accessibility Access…</source>
        <translation>ઍક્સેસિબિલિટી પરવાનગી આપો…</translation>
    </message>
    <message numerus="yes">
        <source>Force Quit %1</source>
        <translation>
            <numerusform>%1 બળજબરીથી બંધ કરો</numerusform>
            <numerusform>%1 બળજબરીથી બંધ કરો</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Quit %1</source>
        <translation>
            <numerusform>%1 બંધ કરો</numerusform>
            <numerusform>%1 બંધ કરો</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>words saved today</source>
        <translation>
            <numerusform>શબ્દ આજે બચાવ્યો</numerusform>
            <numerusform>શબ્દો આજે બચાવ્યા</numerusform>
        </translation>
    </message>
    <message>
        <source>Start typing anywhere. %app keeps count here.</source>
        <translation>ગમે ત્યાં ટાઇપ કરવાનું શરૂ કરો. %app અહીં ગણતરી રાખે છે.</translation>
    </message>
    <message>
        <source>Resume in %1</source>
        <translation>%1 માં ફરી શરૂ કરો</translation>
    </message>
    <message>
        <source>Pause in %1</source>
        <translation>%1 માં થોભાવો</translation>
    </message>
    <message>
        <source>Resume Everywhere</source>
        <translation>બધે ફરી શરૂ કરો</translation>
    </message>
    <message>
        <source>Pause Everywhere</source>
        <translation>બધે થોભાવો</translation>
    </message>
    <message>
        <source>For 15 Minutes</source>
        <translation>15 મિનિટ માટે</translation>
    </message>
    <message>
        <source>For 1 Hour</source>
        <translation>1 કલાક માટે</translation>
    </message>
    <message>
        <source>For 4 Hours</source>
        <translation>4 કલાક માટે</translation>
    </message>
    <message>
        <source>Until I Resume</source>
        <translation>ફરી શરૂ કરું ત્યાં સુધી</translation>
    </message>
    <message>
        <source>Example: after typing %1, %2 suggests %3</source>
        <translation>ઉદાહરણ: %1 ટાઇપ કર્યા પછી %2 સૂચવે છે: %3</translation>
    </message>
    <message>
        <source>takes the next word</source>
        <translation>આગલો શબ્દ લે છે</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>ડાઉનલોડ કરો</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>રદ કરો</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%2 માંથી %1</translation>
    </message>
    <message>
        <source>%1 of %2. You can keep writing while it downloads.</source>
        <translation>%2 માંથી %1. ડાઉનલોડ થતું હોય ત્યારે તમે લખવાનું ચાલુ રાખી શકો છો.</translation>
    </message>
    <message>
        <source>Checking the download</source>
        <translation>ડાઉનલોડ તપાસી રહ્યું છે</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>ફરી પ્રયાસ કરો</translation>
    </message>
    <message>
        <source>Remove…</source>
        <translation>દૂર કરો…</translation>
    </message>
    <message>
        <source>%1 license</source>
        <translation>%1 લાઇસન્સ</translation>
    </message>
    <message>
        <source>Remove the %app model?</source>
        <translation>%app મોડેલ દૂર કરીએ?</translation>
    </message>
    <message>
        <source>Model download</source>
        <translation>મોડેલ ડાઉનલોડ</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>દૂર કરો</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>ચાલુ રાખો</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>પછી</translation>
    </message>
    <message>
        <source>Start Writing</source>
        <translation>લખવાનું શરૂ કરો</translation>
    </message>
    <message>
        <source>Finish your sentences in any app.</source>
        <translation>કોઈ પણ ઍપમાં તમારાં વાક્યો પૂરાં કરો.</translation>
    </message>
    <message>
        <source>%app reads the words before your caret and suggests what comes next in grey. Press Tab to take one word, or the key above Tab to take the rest. If you don&apos;t want it, keep typing.</source>
        <translation>%app તમારા કૅરેટ પહેલાંના શબ્દો વાંચે છે અને હવે શું આવશે તે ભૂખરા રંગમાં સૂચવે છે. એક શબ્દ લેવા Tab દબાવો, અથવા બાકીનું લેવા Tab ની ઉપરની કી. ન જોઈએ તો બસ ટાઇપ કરતા રહો.</translation>
    </message>
    <message>
        <source>Sees what you see</source>
        <translation>તમે જે જુઓ છો તે જુએ છે</translation>
    </message>
    <message>
        <source>Private</source>
        <translation>ખાનગી</translation>
    </message>
    <message>
        <source>It reads the window you&apos;re typing in, like the chat you&apos;re answering, so suggestions fit. None of it goes online, to us or any server. It stays private on your computer.</source>
        <translation>તમે જે વિન્ડોમાં ટાઇપ કરો છો તે વાંચે છે, જેમ કે તમે જે ચૅટનો જવાબ આપો છો, જેથી સૂચનો બંધબેસતાં હોય. તેમાંનું કંઈ પણ ઑનલાઇન જતું નથી, ન અમારી પાસે, ન કોઈ સર્વર પર. બધું તમારા કમ્પ્યુટર પર ખાનગી રહે છે.</translation>
    </message>
    <message>
        <source>Accessibility is on</source>
        <translation>ઍક્સેસિબિલિટી ચાલુ છે</translation>
    </message>
    <message>
        <source>%app can now read the field you&apos;re writing in and type suggestions for you.</source>
        <translation>%app હવે તમે જે ફીલ્ડમાં લખો છો તે વાંચી શકે છે અને તમારા માટે સૂચનો ટાઇપ કરી શકે છે.</translation>
    </message>
    <message>
        <source>Let %app see what you type.</source>
        <translation>તમે શું ટાઇપ કરો છો તે %app ને જોવા દો.</translation>
    </message>
    <message>
        <source>%app reads your text when you pause and forgets it after one suggestion, unless you turn on writing memory.</source>
        <translation>તમે અટકો ત્યારે %app તમારું ટેક્સ્ટ વાંચે છે અને એક સૂચન પછી તેને ભૂલી જાય છે, સિવાય કે તમે લેખન મેમરી ચાલુ કરો.</translation>
    </message>
    <message>
        <source>%app skips password fields and anything else the system marks as secure.</source>
        <translation>%app પાસવર્ડ ફીલ્ડ અને સિસ્ટમ જેને સુરક્ષિત ગણાવે તે બધું છોડી દે છે.</translation>
    </message>
    <message>
        <source>Open Accessibility Settings</source>
        <translation>ઍક્સેસિબિલિટી સેટિંગ ખોલો</translation>
    </message>
    <message>
        <source>Pick what writes your suggestions.</source>
        <translation>તમારાં સૂચનો કોણ લખે તે પસંદ કરો.</translation>
    </message>
    <message>
        <source>You can change this any time in Settings.</source>
        <translation>તમે આને ગમે ત્યારે સેટિંગમાં બદલી શકો છો.</translation>
    </message>
    <message>
        <source>Give it a try.</source>
        <translation>અજમાવી જુઓ.</translation>
    </message>
    <message>
        <source>Start typing a sentence. When grey words appear, press Tab for one word or the key above Tab for all of them.</source>
        <translation>કોઈ વાક્ય ટાઇપ કરવાનું શરૂ કરો. ભૂખરા શબ્દો દેખાય ત્યારે એક શબ્દ માટે Tab દબાવો અથવા બધા માટે Tab ની ઉપરની કી.</translation>
    </message>
    <message>
        <source>Hi Orlenn, thanks for the quick reply. I think we should</source>
        <translation>હાય ઓર્લેન, ઝડપી જવાબ બદલ આભાર. મને લાગે છે કે આપણે</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>પાછળ</translation>
    </message>
    <message>
        <source>Practice field</source>
        <translation>પ્રૅક્ટિસ ફીલ્ડ</translation>
    </message>
    <message>
        <source>Default, on</source>
        <translation>ડિફૉલ્ટ, ચાલુ</translation>
    </message>
    <message>
        <source>Default, off</source>
        <translation>ડિફૉલ્ટ, બંધ</translation>
    </message>
    <message>
        <source>Add a website</source>
        <translation>વેબસાઇટ ઉમેરો</translation>
    </message>
    <message>
        <source>Domain</source>
        <translation>ડોમેન</translation>
    </message>
    <message>
        <source>Rules for a site apply in any browser %app can read.</source>
        <translation>સાઇટના નિયમો %app વાંચી શકે તેવા કોઈ પણ બ્રાઉઝરમાં લાગુ પડે છે.</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>ઉમેરો</translation>
    </message>
    <message>
        <source>Add App…</source>
        <translation>ઍપ ઉમેરો…</translation>
    </message>
    <message>
        <source>Add an app</source>
        <translation>ઍપ ઉમેરો</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>શોધો</translation>
    </message>
    <message>
        <source>Clear search</source>
        <translation>શોધ સાફ કરો</translation>
    </message>
    <message>
        <source>Add an app or website</source>
        <translation>ઍપ અથવા વેબસાઇટ ઉમેરો</translation>
    </message>
    <message>
        <source>Add Website…</source>
        <translation>વેબસાઇટ ઉમેરો…</translation>
    </message>
    <message>
        <source>Apps &amp; Sites</source>
        <translation>ઍપ અને સાઇટ</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>થોભાવેલું</translation>
    </message>
    <message>
        <source>Apps</source>
        <translation>ઍપ</translation>
    </message>
    <message>
        <source>Websites</source>
        <translation>વેબસાઇટ</translation>
    </message>
    <message>
        <source>No matches</source>
        <translation>કોઈ મેળ નથી</translation>
    </message>
    <message>
        <source>No apps yet</source>
        <translation>હજી કોઈ ઍપ નથી</translation>
    </message>
    <message>
        <source>Nothing matches “%1”.</source>
        <translation>“%1” સાથે કંઈ મેળ ખાતું નથી.</translation>
    </message>
    <message>
        <source>Apps appear here once you accept a suggestion in them, or add one with +.</source>
        <translation>કોઈ ઍપમાં સૂચન સ્વીકારો એટલે તે અહીં દેખાય છે, અથવા + વડે ઍપ ઉમેરો.</translation>
    </message>
    <message>
        <source>Pick an app or site</source>
        <translation>ઍપ અથવા સાઇટ પસંદ કરો</translation>
    </message>
    <message>
        <source>Each one can have its own rules. Anything you don&apos;t change follows General.</source>
        <translation>દરેકના પોતાના નિયમો હોઈ શકે. તમે જે ન બદલો તે “સામાન્ય” મુજબ ચાલે છે.</translation>
    </message>
    <message>
        <source>Words saved here</source>
        <translation>અહીં બચાવેલા શબ્દો</translation>
    </message>
    <message>
        <source>Suggestions</source>
        <translation>સૂચનો</translation>
    </message>
    <message>
        <source>On</source>
        <translation>ચાલુ</translation>
    </message>
    <message>
        <source>Tab accepts suggestions</source>
        <translation>Tab થી સૂચનો સ્વીકારો</translation>
    </message>
    <message>
        <source>Turn off where Tab already means something, like indenting. The other accept key still works.</source>
        <translation>જ્યાં Tab નું પહેલેથી કોઈ કામ હોય, જેમ કે ઇન્ડેન્ટ, ત્યાં આ બંધ કરો. સ્વીકારવાની બીજી કી તો પણ કામ કરે છે.</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>ડિફૉલ્ટ</translation>
    </message>
    <message>
        <source>Insert by</source>
        <translation>દાખલ કરવાની રીત</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>લંબાઈ</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>ફરી શરૂ કરો</translation>
    </message>
    <message>
        <source>Pause here</source>
        <translation>અહીં થોભાવો</translation>
    </message>
    <message>
        <source>Memory</source>
        <translation>મેમરી</translation>
    </message>
    <message>
        <source>Remember my writing here</source>
        <translation>અહીં મારું લેખન યાદ રાખો</translation>
    </message>
    <message>
        <source>Writing memory is off in Your Voice.</source>
        <translation>“તમારી શૈલી” માં લેખન મેમરી બંધ છે.</translation>
    </message>
    <message>
        <source>Erase…</source>
        <translation>ભૂંસો…</translation>
    </message>
    <message>
        <source>Reset to Defaults</source>
        <translation>ડિફૉલ્ટ પર રીસેટ કરો</translation>
    </message>
    <message>
        <source>Erase what %app remembered from %1?</source>
        <translation>%app એ %1 માંથી જે યાદ રાખ્યું છે તે ભૂંસીએ?</translation>
    </message>
    <message>
        <source>Erase</source>
        <translation>ભૂંસો</translation>
    </message>
    <message>
        <source>Passages from this app can shape suggestions everywhere.</source>
        <translation>આ ઍપના ફકરા બધે સૂચનો પર અસર કરી શકે છે.</translation>
    </message>
    <message>
        <source>Finish setting up</source>
        <translation>સેટઅપ પૂરું કરો</translation>
    </message>
    <message>
        <source>Setup progress</source>
        <translation>સેટઅપની પ્રગતિ</translation>
    </message>
    <message>
        <source>Done: %1</source>
        <translation>પૂર્ણ: %1</translation>
    </message>
    <message>
        <source>Best day yet!</source>
        <translation>અત્યાર સુધીનો શ્રેષ્ઠ દિવસ!</translation>
    </message>
    <message>
        <source>Try it here</source>
        <translation>અહીં અજમાવો</translation>
    </message>
    <message>
        <source>Thanks for sending the draft over. I had a look and</source>
        <translation>ડ્રાફ્ટ મોકલવા બદલ આભાર. મેં જોયું અને</translation>
    </message>
    <message>
        <source>next word</source>
        <translation>આગલો શબ્દ</translation>
    </message>
    <message>
        <source>whole suggestion</source>
        <translation>આખું સૂચન</translation>
    </message>
    <message>
        <source>hide it</source>
        <translation>છુપાવો</translation>
    </message>
    <message>
        <source>This field runs the real engine. Start typing and grey words show up as you go.</source>
        <translation>આ ફીલ્ડ ખરું એન્જિન ચલાવે છે. ટાઇપ કરવાનું શરૂ કરો અને ભૂખરા શબ્દો સાથે સાથે દેખાશે.</translation>
    </message>
    <message>
        <source>This field runs the real engine, even before you allow Accessibility. Start typing and grey words show up as you go.</source>
        <translation>આ ફીલ્ડ ખરું એન્જિન ચલાવે છે, ઍક્સેસિબિલિટીની પરવાનગી આપો તે પહેલાં પણ. ટાઇપ કરવાનું શરૂ કરો અને ભૂખરા શબ્દો સાથે સાથે દેખાશે.</translation>
    </message>
    <message>
        <source>You&apos;re all set</source>
        <translation>બધું તૈયાર છે</translation>
    </message>
    <message>
        <source>Accessibility is on and %1 is ready. %app works in every app you type in.</source>
        <translation>ઍક્સેસિબિલિટી ચાલુ છે અને %1 તૈયાર છે. તમે ટાઇપ કરો છો તે દરેક ઍપમાં %app કામ કરે છે.</translation>
    </message>
    <message>
        <source>Waiting for %1 to quit</source>
        <translation>%1 બંધ થવાની રાહ</translation>
    </message>
    <message>
        <source>Turned off</source>
        <translation>બંધ કરેલું</translation>
    </message>
    <message>
        <source>Paused everywhere</source>
        <translation>બધે થોભાવેલું</translation>
    </message>
    <message>
        <source>%1, %2 typical wait</source>
        <translation>%1, સામાન્ય રાહ %2</translation>
    </message>
    <message>
        <source>Start your streak today.</source>
        <translation>આજથી તમારી સ્ટ્રીક શરૂ કરો.</translation>
    </message>
    <message>
        <source>Overview</source>
        <translation>ઝાંખી</translation>
    </message>
    <message>
        <source>General</source>
        <translation>સામાન્ય</translation>
    </message>
    <message>
        <source>Engine</source>
        <translation>એન્જિન</translation>
    </message>
    <message>
        <source>Context</source>
        <translation>સંદર્ભ</translation>
    </message>
    <message>
        <source>Your Voice</source>
        <translation>તમારી શૈલી</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>કી</translation>
    </message>
    <message>
        <source>Emoji</source>
        <translation>ઇમોજી</translation>
    </message>
    <message>
        <source>Battery</source>
        <translation>બૅટરી</translation>
    </message>
    <message>
        <source>Insights</source>
        <translation>આંકડા</translation>
    </message>
    <message>
        <source>Field Inspector</source>
        <translation>ફીલ્ડ નિરીક્ષક</translation>
    </message>
    <message>
        <source>About</source>
        <translation>વિશે</translation>
    </message>
    <message>
        <source>How %app is doing today</source>
        <translation>આજે %app કેવું ચાલે છે</translation>
    </message>
    <message>
        <source>Where and how suggestions appear</source>
        <translation>સૂચનો ક્યાં અને કેવી રીતે દેખાય</translation>
    </message>
    <message>
        <source>The model that writes your suggestions</source>
        <translation>તમારાં સૂચનો લખતું મોડેલ</translation>
    </message>
    <message>
        <source>What %app may look at to guess better</source>
        <translation>વધુ સારા અનુમાન માટે %app શું જોઈ શકે</translation>
    </message>
    <message>
        <source>Help suggestions sound like you</source>
        <translation>સૂચનોને તમારી શૈલી જેવાં બનાવો</translation>
    </message>
    <message>
        <source>Accept, dismiss and summon suggestions</source>
        <translation>સૂચનો સ્વીકારવાં, નકારવાં અને મંગાવવાં</translation>
    </message>
    <message>
        <source>Emoji search and emoticons</source>
        <translation>ઇમોજી શોધ અને ઇમોટિકોન</translation>
    </message>
    <message>
        <source>Rules for each app and website</source>
        <translation>દરેક ઍપ અને વેબસાઇટના નિયમો</translation>
    </message>
    <message>
        <source>Save power when you&apos;re unplugged</source>
        <translation>ચાર્જર કાઢેલું હોય ત્યારે પાવર બચાવો</translation>
    </message>
    <message>
        <source>Words saved and how fast suggestions arrive</source>
        <translation>બચાવેલા શબ્દો અને સૂચનો કેટલી ઝડપથી આવે છે</translation>
    </message>
    <message>
        <source>What %app sees in the focused field</source>
        <translation>ફોકસવાળા ફીલ્ડમાં %app શું જુએ છે</translation>
    </message>
    <message>
        <source>Version and privacy</source>
        <translation>સંસ્કરણ અને ગોપનીયતા</translation>
    </message>
    <message>
        <source>Writing</source>
        <translation>લેખન</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>ઇનપુટ</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>નિયમો</translation>
    </message>
    <message>
        <source>Activity</source>
        <translation>પ્રવૃત્તિ</translation>
    </message>
    <message>
        <source>%app can read the field you&apos;re typing in and insert suggestions in any app.</source>
        <translation>તમે જે ફીલ્ડમાં ટાઇપ કરો છો તે %app વાંચી શકે છે અને કોઈ પણ ઍપમાં સૂચનો દાખલ કરી શકે છે.</translation>
    </message>
    <message>
        <source>Allow Accessibility access</source>
        <translation>ઍક્સેસિબિલિટી પરવાનગી આપો</translation>
    </message>
    <message>
        <source>%app needs it to read the text you type in other apps and to insert suggestions.</source>
        <translation>અન્ય ઍપમાં તમે ટાઇપ કરો તે ટેક્સ્ટ વાંચવા અને સૂચનો દાખલ કરવા %app ને આની જરૂર છે.</translation>
    </message>
    <message>
        <source>Allow…</source>
        <translation>પરવાનગી આપો…</translation>
    </message>
    <message>
        <source>%1 is ready</source>
        <translation>%1 તૈયાર છે</translation>
    </message>
    <message>
        <source>Checking %1</source>
        <translation>%1 તપાસી રહ્યું છે</translation>
    </message>
    <message>
        <source>This takes a moment.</source>
        <translation>આમાં એક ક્ષણ લાગે છે.</translation>
    </message>
    <message>
        <source>Your engine isn&apos;t ready</source>
        <translation>તમારું એન્જિન તૈયાર નથી</translation>
    </message>
    <message>
        <source>Open Engine</source>
        <translation>એન્જિન સેટિંગ ખોલો</translation>
    </message>
    <message>
        <source>The system&apos;s predictions are off</source>
        <translation>સિસ્ટમનાં અનુમાનો બંધ છે</translation>
    </message>
    <message>
        <source>Only %app&apos;s suggestions appear while you type.</source>
        <translation>ટાઇપ કરતી વખતે ફક્ત %app નાં સૂચનો દેખાય છે.</translation>
    </message>
    <message>
        <source>Turn off the system&apos;s predictions</source>
        <translation>સિસ્ટમનાં અનુમાનો બંધ કરો</translation>
    </message>
    <message>
        <source>The system shows its own grey suggestions on top of %app&apos;s. Each app picks up the change the next time you open it.</source>
        <translation>સિસ્ટમ %app નાં સૂચનો ઉપર પોતાનાં ભૂખરાં સૂચનો બતાવે છે. દરેક ઍપને આગલી વખતે ખોલશો ત્યારે ફેરફાર લાગુ થશે.</translation>
    </message>
    <message>
        <source>Keyboard Settings</source>
        <translation>કીબોર્ડ સેટિંગ</translation>
    </message>
    <message>
        <source>Turn Off</source>
        <translation>બંધ કરો</translation>
    </message>
    <message>
        <source>Only %app is suggesting</source>
        <translation>ફક્ત %app સૂચનો આપે છે</translation>
    </message>
    <message>
        <source>Tab reaches %app again.</source>
        <translation>Tab ફરી %app સુધી પહોંચે છે.</translation>
    </message>
    <message numerus="yes">
        <source>%1 didn&apos;t quit. They may be showing a dialog. Force Quit closes them right away.</source>
        <translation>
            <numerusform>%1 બંધ થઈ નહીં. કદાચ તે કોઈ ડાયલોગ બતાવી રહી છે. “બળજબરીથી બંધ કરો” તેને તરત બંધ કરે છે.</numerusform>
            <numerusform>%1 બંધ થઈ નહીં. કદાચ તે ડાયલોગ બતાવી રહી છે. “બળજબરીથી બંધ કરો” તેમને તરત બંધ કરે છે.</numerusform>
        </translation>
    </message>
    <message>
        <source>Force Quit</source>
        <translation>બળજબરીથી બંધ કરો</translation>
    </message>
    <message numerus="yes">
        <source>%1 take the Tab key before %app can, so %app stays paused in your other apps until you quit them.</source>
        <translation>
            <numerusform>%1, %app પહેલાં Tab કી લઈ લે છે, તેથી તમે તેને બંધ ન કરો ત્યાં સુધી %app તમારી અન્ય ઍપમાં થોભેલું રહે છે.</numerusform>
            <numerusform>%1, %app પહેલાં Tab કી લઈ લે છે, તેથી તમે તેમને બંધ ન કરો ત્યાં સુધી %app તમારી અન્ય ઍપમાં થોભેલું રહે છે.</numerusform>
        </translation>
    </message>
    <message>
        <source>Only when I ask</source>
        <translation>હું માગું ત્યારે જ</translation>
    </message>
    <message>
        <source>On battery, suggestions appear only after you press the Suggest Now shortcut.</source>
        <translation>બૅટરી પર હોય ત્યારે “હમણાં સૂચવો” શૉર્ટકટ દબાવ્યા પછી જ સૂચનો દેખાય છે.</translation>
    </message>
    <message>
        <source>Shorter suggestions</source>
        <translation>ટૂંકાં સૂચનો</translation>
    </message>
    <message>
        <source>Fewer words take less power to write.</source>
        <translation>ઓછા શબ્દો લખવામાં ઓછો પાવર વપરાય છે.</translation>
    </message>
    <message>
        <source>Lighter model</source>
        <translation>હળવું મોડેલ</translation>
    </message>
    <message>
        <source>Same as plugged in</source>
        <translation>ચાર્જર લગાવેલું હોય ત્યારે જેવું</translation>
    </message>
    <message>
        <source>Running on battery. These apply right now.</source>
        <translation>બૅટરી પર ચાલે છે. આ હમણાં લાગુ છે.</translation>
    </message>
    <message>
        <source>Plugged in. These wait until you unplug.</source>
        <translation>ચાર્જર લગાવેલું છે. ચાર્જર કાઢશો ત્યારે આ લાગુ થશે.</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>મોડેલ</translation>
    </message>
    <message>
        <source>Model name</source>
        <translation>મોડેલનું નામ</translation>
    </message>
    <message>
        <source>Reload the model list</source>
        <translation>મોડેલ સૂચિ રિફ્રેશ કરો</translation>
    </message>
    <message>
        <source>Choose a model</source>
        <translation>મોડેલ પસંદ કરો</translation>
    </message>
    <message>
        <source>For people who already run Ollama, LM Studio or llama-server.</source>
        <translation>જેઓ પહેલેથી Ollama, LM Studio અથવા llama-server ચલાવે છે તેમના માટે.</translation>
    </message>
    <message>
        <source>Use your own model</source>
        <translation>તમારું પોતાનું મોડેલ વાપરો</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>સરનામું</translation>
    </message>
    <message>
        <source>API key</source>
        <translation>API કી</translation>
    </message>
    <message>
        <source>Only if your server asks for one</source>
        <translation>ફક્ત તમારું સર્વર માગે તો</translation>
    </message>
    <message>
        <source>Focused</source>
        <translation>કેન્દ્રિત</translation>
    </message>
    <message>
        <source>Creativity</source>
        <translation>સર્જનાત્મકતા</translation>
    </message>
    <message>
        <source>Loose</source>
        <translation>મુક્ત</translation>
    </message>
    <message>
        <source>Lower stays close to the obvious next words. Higher tries more.</source>
        <translation>ઓછું મૂલ્ય સ્પષ્ટ આગલા શબ્દોની નજીક રહે છે. વધુ મૂલ્ય વધુ અજમાવે છે.</translation>
    </message>
    <message>
        <source>Wait before suggesting</source>
        <translation>સૂચવતા પહેલાં રાહ</translation>
    </message>
    <message>
        <source>How long you pause before %app starts.</source>
        <translation>%app શરૂ થાય તે પહેલાં તમે કેટલું અટકો છો.</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>ચલાવો</translation>
    </message>
    <message>
        <source>Try the engine</source>
        <translation>એન્જિન અજમાવો</translation>
    </message>
    <message>
        <source>Sends a sample sentence and shows what comes back.</source>
        <translation>એક નમૂનાનું વાક્ય મોકલે છે અને પાછું શું આવે છે તે બતાવે છે.</translation>
    </message>
    <message>
        <source>Running…</source>
        <translation>ચાલી રહ્યું છે…</translation>
    </message>
    <message>
        <source>The engine answered in %1 but had nothing useful to add.</source>
        <translation>એન્જિને %1 માં જવાબ આપ્યો, પણ ઉમેરવા જેવું કંઈ ઉપયોગી નહોતું.</translation>
    </message>
    <message>
        <source>That didn&apos;t work: %1</source>
        <translation>તે થઈ શક્યું નહીં: %1</translation>
    </message>
    <message>
        <source>The request was cancelled.</source>
        <translation>વિનંતી રદ થઈ.</translation>
    </message>
    <message>
        <source>Startup</source>
        <translation>સ્ટાર્ટઅપ</translation>
    </message>
    <message>
        <source>Launch at login</source>
        <translation>લૉગ ઇન વખતે શરૂ કરો</translation>
    </message>
    <message>
        <source>Show today&apos;s word count next to the icon</source>
        <translation>આઇકનની બાજુમાં આજના શબ્દોની ગણતરી બતાવો</translation>
    </message>
    <message>
        <source>Where suggestions appear</source>
        <translation>સૂચનો ક્યાં દેખાય</translation>
    </message>
    <message>
        <source>Turn this off to use %app only in the apps you switch on under Apps &amp; Sites.</source>
        <translation>આ બંધ કરો જેથી %app ફક્ત તે ઍપમાં ચાલે જે તમે “ઍપ અને સાઇટ” માં ચાલુ કરો છો.</translation>
    </message>
    <message>
        <source>By default %app waits until the caret is at the end of a line.</source>
        <translation>ડિફૉલ્ટ રૂપે %app કૅરેટ લાઇનના અંતે આવે ત્યાં સુધી રાહ જુએ છે.</translation>
    </message>
    <message>
        <source>Without this, %app skips search bars and one-word boxes.</source>
        <translation>આ વિના %app સર્ચ બાર અને એક-શબ્દનાં બૉક્સ છોડી દે છે.</translation>
    </message>
    <message>
        <source>Suggestions appear only after you press the Suggest Now shortcut.</source>
        <translation>“હમણાં સૂચવો” શૉર્ટકટ દબાવ્યા પછી જ સૂચનો દેખાય છે.</translation>
    </message>
    <message>
        <source>Spelling</source>
        <translation>જોડણી</translation>
    </message>
    <message>
        <source>Waits while the word you&apos;re typing looks misspelled, so %app doesn&apos;t build on a typo.</source>
        <translation>તમે ટાઇપ કરો છો તે શબ્દની જોડણી ખોટી લાગે ત્યાં સુધી રાહ જુએ છે, જેથી %app ટાઇપોના આધારે આગળ ન વધે.</translation>
    </message>
    <message>
        <source>After a misspelled word, shows a fix next to the caret. Press Tab to swap it in.</source>
        <translation>ખોટી જોડણીવાળા શબ્દ પછી કૅરેટની બાજુમાં સુધારો બતાવે છે. બદલવા Tab દબાવો.</translation>
    </message>
    <message>
        <source>Look</source>
        <translation>દેખાવ</translation>
    </message>
    <message>
        <source>Suggestion color</source>
        <translation>સૂચનનો રંગ</translation>
    </message>
    <message>
        <source>Text size</source>
        <translation>ટેક્સ્ટનું કદ</translation>
    </message>
    <message>
        <source>Fine-tune if suggestions look larger or smaller than your text.</source>
        <translation>સૂચનો તમારા ટેક્સ્ટ કરતાં મોટાં કે નાનાં દેખાય તો આ ગોઠવો.</translation>
    </message>
    <message>
        <source>Vertical position</source>
        <translation>ઉપર-નીચેનું સ્થાન</translation>
    </message>
    <message>
        <source>Nudge suggestions up or down to line up with your text.</source>
        <translation>તમારા ટેક્સ્ટની હરોળમાં લાવવા સૂચનોને થોડાં ઉપર કે નીચે ખસેડો.</translation>
    </message>
    <message>
        <source>A small keycap after your first suggestions, as a reminder of what to press.</source>
        <translation>તમારાં પહેલાં સૂચનો પછી એક નાની કી, શું દબાવવું તેની યાદ માટે.</translation>
    </message>
    <message>
        <source>Insert suggestions by</source>
        <translation>સૂચનો દાખલ કરવાની રીત</translation>
    </message>
    <message>
        <source>Other autocomplete apps</source>
        <translation>અન્ય ઑટોકમ્પ્લીટ ઍપ</translation>
    </message>
    <message>
        <source>They take the Tab key before %app can. With this off, %app asks you first.</source>
        <translation>તે %app પહેલાં Tab કી લઈ લે છે. આ બંધ હોય તો %app પહેલાં તમને પૂછે છે.</translation>
    </message>
    <message>
        <source>%1 is another device on your network, so the text around your caret will be sent there.</source>
        <translation>%1 તમારા નેટવર્ક પરનું બીજું ઉપકરણ છે, તેથી તમારા કૅરેટની આસપાસનું ટેક્સ્ટ ત્યાં મોકલાશે.</translation>
    </message>
    <message>
        <source>%1 isn&apos;t this computer, so the text around your caret will be sent there.</source>
        <translation>%1 આ કમ્પ્યુટર નથી, તેથી તમારા કૅરેટની આસપાસનું ટેક્સ્ટ ત્યાં મોકલાશે.</translation>
    </message>
    <message>
        <source>Both keep your text on this computer.</source>
        <translation>બંને તમારું ટેક્સ્ટ આ જ કમ્પ્યુટર પર રાખે છે.</translation>
    </message>
    <message>
        <source>%app opens by itself when you start your computer.</source>
        <translation>તમે કમ્પ્યુટર શરૂ કરો ત્યારે %app આપમેળે ખૂલે છે.</translation>
    </message>
    <message>
        <source>System predictions</source>
        <translation>સિસ્ટમ અનુમાનો</translation>
    </message>
    <message>
        <source>The system can show its own grey predictions. Keeping them off avoids two suggestions at once.</source>
        <translation>સિસ્ટમ પોતાનાં ભૂખરાં અનુમાનો બતાવી શકે છે. તેમને બંધ રાખવાથી એકસાથે બે સૂચનો દેખાતાં નથી.</translation>
    </message>
    <message>
        <source>System predictions are on</source>
        <translation>સિસ્ટમ અનુમાનો ચાલુ છે</translation>
    </message>
    <message>
        <source>System predictions are off</source>
        <translation>સિસ્ટમ અનુમાનો બંધ છે</translation>
    </message>
    <message>
        <source>tab</source>
        <translation>tab</translation>
    </message>
    <message>
        <source>Your next words, one Tab away.</source>
        <translation>તમારા આગલા શબ્દો, બસ એક Tab દૂર.</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>છોડો</translation>
    </message>
    <message>
        <source>Get Started</source>
        <translation>શરૂ કરો</translation>
    </message>
    <message>
        <source>Turn sound on</source>
        <translation>અવાજ ચાલુ કરો</translation>
    </message>
    <message>
        <source>Turn sound off</source>
        <translation>અવાજ બંધ કરો</translation>
    </message>
    <message>
        <source>The other app</source>
        <translation>બીજી ઍપ</translation>
    </message>
    <message numerus="yes">
        <source>Next time, quit %1 without asking</source>
        <translation>
            <numerusform>આગલી વખતે પૂછ્યા વિના %1 બંધ કરો</numerusform>
            <numerusform>આગલી વખતે પૂછ્યા વિના %1 બંધ કરો</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 is also running</source>
        <translation>
            <numerusform>%1 પણ ચાલે છે</numerusform>
            <numerusform>%1 પણ ચાલે છે</numerusform>
        </translation>
    </message>
    <message>
        <source>Quitting…</source>
        <translation>બંધ કરી રહ્યું છે…</translation>
    </message>
    <message numerus="yes">
        <source>%1 is still open</source>
        <translation>
            <numerusform>%1 હજી ખુલ્લી છે</numerusform>
            <numerusform>%1 હજી ખુલ્લી છે</numerusform>
        </translation>
    </message>
    <message>
        <source>%app has the Tab key</source>
        <translation>Tab કી હવે %app પાસે છે</translation>
    </message>
    <message>
        <source>%1 quit, so your suggestions are back in every app.</source>
        <translation>%1 બંધ થઈ, તેથી તમારાં સૂચનો દરેક ઍપમાં પાછાં આવ્યાં.</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>થઈ ગયું</translation>
    </message>
    <message>
        <source>Open Source Notices</source>
        <translation>ઓપન સોર્સ સૂચનાઓ</translation>
    </message>
    <message>
        <source>Reset all settings?</source>
        <translation>બધા સેટિંગ રીસેટ કરીએ?</translation>
    </message>
    <message>
        <source>This also clears your rules for apps and sites. Your statistics and writing memory stay.</source>
        <translation>આનાથી ઍપ અને સાઇટ માટેના તમારા નિયમો પણ ભૂંસાઈ જાય છે. તમારા આંકડા અને લેખન મેમરી રહે છે.</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>રીસેટ કરો</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>સંસ્કરણ %1</translation>
    </message>
    <message>
        <source>Some apps hide their text</source>
        <translation>કેટલીક ઍપ પોતાનું ટેક્સ્ટ છુપાવે છે</translation>
    </message>
    <message>
        <source>Suggest emoji after a colon</source>
        <translation>કોલન પછી ઇમોજી સૂચવો</translation>
    </message>
    <message>
        <source>Turn emoticons into emoji</source>
        <translation>ઇમોટિકોનને ઇમોજીમાં બદલો</translation>
    </message>
    <message>
        <source>After :-) or &lt;3, %app offers the matching emoji. Press Tab to swap it in.</source>
        <translation>:-) અથવા &lt;3 પછી %app મળતું ઇમોજી આપે છે. બદલવા Tab દબાવો.</translation>
    </message>
    <message>
        <source>Skin tone</source>
        <translation>ત્વચાનો રંગ</translation>
    </message>
    <message>
        <source>Also show the default yellow</source>
        <translation>ડિફૉલ્ટ પીળું પણ બતાવો</translation>
    </message>
    <message>
        <source>Try a word</source>
        <translation>કોઈ શબ્દ અજમાવો</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>ઓછો</translation>
    </message>
    <message>
        <source>No emoji match “%1”</source>
        <translation>“%1” સાથે કોઈ ઇમોજી મેળ ખાતું નથી</translation>
    </message>
    <message>
        <source>Accepting</source>
        <translation>સ્વીકારવું</translation>
    </message>
    <message>
        <source>Take the next word</source>
        <translation>આગલો શબ્દ લો</translation>
    </message>
    <message>
        <source>Press again for each following word.</source>
        <translation>દરેક આગલા શબ્દ માટે ફરી દબાવો.</translation>
    </message>
    <message>
        <source>Take the whole suggestion</source>
        <translation>આખું સૂચન લો</translation>
    </message>
    <message>
        <source>The key above Tab is easy to reach on most keyboards.</source>
        <translation>મોટા ભાગના કીબોર્ડ પર Tab ની ઉપરની કી સહેલાઈથી પહોંચમાં હોય છે.</translation>
    </message>
    <message>
        <source>Include the space after a word</source>
        <translation>શબ્દ પછીની સ્પેસ પણ લો</translation>
    </message>
    <message>
        <source>Include punctuation right after a word</source>
        <translation>શબ્દ પછી તરત આવતાં વિરામચિહ્નો પણ લો</translation>
    </message>
    <message>
        <source>When you press Escape</source>
        <translation>Escape દબાવો ત્યારે</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>શૉર્ટકટ</translation>
    </message>
    <message>
        <source>Suggest now</source>
        <translation>હમણાં સૂચવો</translation>
    </message>
    <message>
        <source>Asks for a suggestion right away, even where %app would normally wait.</source>
        <translation>તરત સૂચન માગે છે, ત્યાં પણ જ્યાં %app સામાન્ય રીતે રાહ જોત.</translation>
    </message>
    <message>
        <source>Other suggestions</source>
        <translation>અન્ય સૂચનો</translation>
    </message>
    <message>
        <source>Lists a few different ways to continue. Choose with the arrow keys, then press Tab.</source>
        <translation>આગળ લખવાની થોડી જુદી રીતો બતાવે છે. એરો કીથી પસંદ કરો, પછી Tab દબાવો.</translation>
    </message>
    <message>
        <source>Pause or resume in this app</source>
        <translation>આ ઍપમાં થોભાવો અથવા ફરી શરૂ કરો</translation>
    </message>
    <message>
        <source>Pauses for 15 minutes.</source>
        <translation>15 મિનિટ માટે થોભાવે છે.</translation>
    </message>
    <message>
        <source>Turn %app on or off</source>
        <translation>%app ચાલુ અથવા બંધ કરો</translation>
    </message>
    <message>
        <source>Everywhere, until you press it again.</source>
        <translation>બધે, તમે ફરી દબાવો ત્યાં સુધી.</translation>
    </message>
    <message>
        <source>Pause or resume</source>
        <translation>થોભાવો અથવા ફરી શરૂ કરો</translation>
    </message>
    <message>
        <source>Turn on or off</source>
        <translation>ચાલુ અથવા બંધ કરો</translation>
    </message>
    <message>
        <source>%1 and %2 use the same keys. Only the first will work.</source>
        <translation>%1 અને %2 એક જ કી વાપરે છે. ફક્ત પહેલું કામ કરશે.</translation>
    </message>
    <message>
        <source>About you</source>
        <translation>તમારા વિશે</translation>
    </message>
    <message>
        <source>For example: I&apos;m a product designer in Berlin. I write short, friendly emails in British English and sign off with Cheers.</source>
        <translation>ઉદાહરણ: હું બર્લિનમાં પ્રોડક્ટ ડિઝાઇનર છું. હું બ્રિટિશ અંગ્રેજીમાં ટૂંકા, મૈત્રીભર્યા ઇમેઇલ લખું છું અને અંતે Cheers લખું છું.</translation>
    </message>
    <message>
        <source>Your role, the languages you write in, names you use often, how you like to sound.</source>
        <translation>તમારી ભૂમિકા, તમે જે ભાષાઓમાં લખો છો, તમે વારંવાર વાપરો છો તે નામો, તમે કેવા લાગવા માગો છો.</translation>
    </message>
    <message>
        <source>Writing memory</source>
        <translation>લેખન મેમરી</translation>
    </message>
    <message>
        <source>Remember how I write</source>
        <translation>હું કેવી રીતે લખું છું તે યાદ રાખો</translation>
    </message>
    <message>
        <source>Also remember fields where I accept nothing</source>
        <translation>જ્યાં હું કંઈ સ્વીકારું નહીં તે ફીલ્ડ પણ યાદ રાખો</translation>
    </message>
    <message>
        <source>%app learns your style sooner but keeps more of what you type.</source>
        <translation>%app તમારી શૈલી વહેલી શીખે છે, પણ તમારું ટાઇપ કરેલું વધુ ટેક્સ્ટ સાચવે છે.</translation>
    </message>
    <message>
        <source>Influence</source>
        <translation>પ્રભાવ</translation>
    </message>
    <message>
        <source>Strong</source>
        <translation>વધુ</translation>
    </message>
    <message>
        <source>How many of your passages each suggestion can draw on.</source>
        <translation>દરેક સૂચન તમારા કેટલા ફકરાનો આધાર લઈ શકે.</translation>
    </message>
    <message>
        <source>Erase All…</source>
        <translation>બધું ભૂંસો…</translation>
    </message>
    <message>
        <source>Erase everything %app remembered?</source>
        <translation>%app એ યાદ રાખેલું બધું ભૂંસીએ?</translation>
    </message>
    <message>
        <source>This can&apos;t be undone.</source>
        <translation>આ પૂર્વવત્ કરી શકાશે નહીં.</translation>
    </message>
    <message>
        <source>Erase All</source>
        <translation>બધું ભૂંસો</translation>
    </message>
    <message>
        <source>Nothing remembered yet</source>
        <translation>હજી કંઈ યાદ રાખ્યું નથી</translation>
    </message>
    <message>
        <source>App and window name</source>
        <translation>ઍપ અને વિન્ડોનું નામ</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>વેબસાઇટ</translation>
    </message>
    <message>
        <source>The site&apos;s domain when you write in a browser.</source>
        <translation>બ્રાઉઝરમાં લખો ત્યારે સાઇટનું ડોમેન.</translation>
    </message>
    <message>
        <source>Recently copied text</source>
        <translation>તાજેતરમાં કૉપિ કરેલું ટેક્સ્ટ</translation>
    </message>
    <message>
        <source>Anything you copied in the last 10 minutes. Copies from password managers are skipped.</source>
        <translation>છેલ્લી 10 મિનિટમાં તમે કૉપિ કરેલું કંઈ પણ. પાસવર્ડ મેનેજરમાંથી કૉપિ કરેલું ટેક્સ્ટ છોડી દેવાય છે.</translation>
    </message>
    <message>
        <source>Text on screen</source>
        <translation>સ્ક્રીન પરનું ટેક્સ્ટ</translation>
    </message>
    <message>
        <source>Reads the window you&apos;re writing in, so replies fit the conversation. It picks the lines closest to where you type.</source>
        <translation>તમે જે વિન્ડોમાં લખો છો તે વાંચે છે, જેથી જવાબો વાતચીતને બંધબેસે. તમે ટાઇપ કરો છો ત્યાંની સૌથી નજીકની લાઇનો પસંદ કરે છે.</translation>
    </message>
    <message>
        <source>What you just looked at</source>
        <translation>તમે હમણાં જે જોયું</translation>
    </message>
    <message>
        <source>Windows beside you</source>
        <translation>બાજુની વિન્ડો</translation>
    </message>
    <message>
        <source>Also reads up to two other windows on the same screen, like the document you&apos;re replying about. Skips password managers and apps you switched off.</source>
        <translation>એ જ સ્ક્રીન પરની બીજી બે વિન્ડો સુધી પણ વાંચે છે, જેમ કે જે દસ્તાવેજ વિશે તમે જવાબ આપો છો. પાસવર્ડ મેનેજર અને તમે બંધ કરેલી ઍપ છોડી દે છે.</translation>
    </message>
    <message>
        <source>Off in this app</source>
        <translation>આ ઍપમાં બંધ</translation>
    </message>
    <message>
        <source>This word looks misspelled</source>
        <translation>આ શબ્દની જોડણી ખોટી લાગે છે</translation>
    </message>
    <message>
        <source>Thanks for the notes. I&apos;ll send the revised deck</source>
        <translation>નોંધો બદલ આભાર. સુધારેલી ડેક હું</translation>
    </message>
    <message>
        <source> by Friday morning.</source>
        <translation> શુક્રવાર સવાર સુધીમાં મોકલીશ.</translation>
    </message>
    <message>
        <source>%1 quit. %app has the Tab key.</source>
        <translation>%1 બંધ થઈ. Tab કી હવે %app પાસે છે.</translation>
    </message>
    <message>
        <source>Open Data Folder</source>
        <translation>ડેટા ફોલ્ડર ખોલો</translation>
    </message>
    <message>
        <source>Show Welcome Again</source>
        <translation>સ્વાગત ફરી બતાવો</translation>
    </message>
    <message>
        <source>Play Intro Again</source>
        <translation>પરિચય ફરી ચલાવો</translation>
    </message>
    <message>
        <source>Reset Settings…</source>
        <translation>સેટિંગ રીસેટ કરો…</translation>
    </message>
    <message>
        <source>Suggest in every app</source>
        <translation>દરેક ઍપમાં સૂચવો</translation>
    </message>
    <message>
        <source>Suggest in code editors</source>
        <translation>કોડ એડિટરમાં સૂચવો</translation>
    </message>
    <message>
        <source>Suggest in the middle of a line</source>
        <translation>લાઇનની વચ્ચે સૂચવો</translation>
    </message>
    <message>
        <source>Suggest in small fields</source>
        <translation>નાનાં ફીલ્ડમાં સૂચવો</translation>
    </message>
    <message>
        <source>Hold back on misspelled words</source>
        <translation>ખોટી જોડણીવાળા શબ્દો પર રોકાઓ</translation>
    </message>
    <message>
        <source>Offer spelling fixes</source>
        <translation>જોડણી સુધારા સૂચવો</translation>
    </message>
    <message>
        <source>Show the key hint</source>
        <translation>કીનો સંકેત બતાવો</translation>
    </message>
    <message>
        <source>Quit other autocomplete apps when they open</source>
        <translation>અન્ય ઑટોકમ્પ્લીટ ઍપ ખૂલે ત્યારે તેમને બંધ કરો</translation>
    </message>
    <message>
        <source>Keeps a few minutes of text from windows you switched away from, like a page you read before replying. It stays on your computer and skips apps you switched off.</source>
        <translation>તમે જે વિન્ડોમાંથી ખસી ગયા તેનું થોડી મિનિટનું ટેક્સ્ટ રાખે છે, જેમ કે જવાબ આપતાં પહેલાં વાંચેલું પેજ. તે તમારા કમ્પ્યુટર પર રહે છે અને તમે બંધ કરેલી ઍપ છોડી દે છે.</translation>
    </message>
    <message numerus="yes">
        <source>Both apps answer the Tab key, and the system gives it to %1 first. %app stays paused in your other apps until %1 quits.</source>
        <translation>
            <numerusform>બંને ઍપ Tab કીનો જવાબ આપે છે, અને સિસ્ટમ તે પહેલાં %1 ને આપે છે. %1 બંધ ન થાય ત્યાં સુધી %app તમારી અન્ય ઍપમાં થોભેલું રહે છે.</numerusform>
            <numerusform>%1, %app પહેલાં Tab કી લઈ લે છે, તેથી તમે તેમને બંધ ન કરો ત્યાં સુધી %app તમારી અન્ય ઍપમાં થોભેલું રહે છે.</numerusform>
        </translation>
    </message>
    <message>
        <source>Finishes your sentences in any app, on your computer.</source>
        <translation>તમારા કમ્પ્યુટર પર, કોઈ પણ ઍપમાં તમારાં વાક્યો પૂરાં કરે છે.</translation>
    </message>
    <message>
        <source>Keeps short passages from fields where you accepted a suggestion, encrypted on this computer, and shows them to the model as examples.</source>
        <translation>જે ફીલ્ડમાં તમે સૂચન સ્વીકાર્યું તેના ટૂંકા ફકરા આ કમ્પ્યુટર પર એન્ક્રિપ્ટ કરીને રાખે છે અને મોડેલને ઉદાહરણ તરીકે બતાવે છે.</translation>
    </message>
    <message>
        <source>Light</source>
        <comment>skin tone</comment>
        <translation>આછો</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ઓકે</translation>
    </message>
    <message>
        <source>Default</source>
        <comment>skin tone</comment>
        <translation>ડિફૉલ્ટ</translation>
    </message>
    <message>
        <source>Medium light</source>
        <comment>skin tone</comment>
        <translation>મધ્યમ આછો</translation>
    </message>
    <message>
        <source>Medium</source>
        <comment>skin tone</comment>
        <translation>મધ્યમ</translation>
    </message>
    <message>
        <source>Medium dark</source>
        <comment>skin tone</comment>
        <translation>મધ્યમ ઘેરો</translation>
    </message>
    <message>
        <source>Dark</source>
        <comment>skin tone</comment>
        <translation>ઘેરો</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>અજ્ઞાત</translation>
    </message>
    <message>
        <source>%1 × %2 pt</source>
        <translation>%1 × %2 pt</translation>
    </message>
    <message>
        <source>No</source>
        <translation>ના</translation>
    </message>
    <message>
        <source>Not reported, estimated from the caret</source>
        <translation>જણાવ્યું નથી, કૅરેટ પરથી અંદાજેલું</translation>
    </message>
    <message>
        <source>%1 %2 pt</source>
        <translation>%1 %2 pt</translation>
    </message>
    <message>
        <source>System</source>
        <translation>સિસ્ટમ</translation>
    </message>
    <message>
        <source>Not yet</source>
        <translation>હજી નહીં</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>આજે</translation>
    </message>
    <message>
        <source>Last 7 days</source>
        <translation>છેલ્લા 7 દિવસ</translation>
    </message>
    <message>
        <source>All time</source>
        <translation>અત્યાર સુધી</translation>
    </message>
    <message>
        <source>Typing saved</source>
        <translation>બચાવેલું ટાઇપિંગ</translation>
    </message>
    <message>
        <source>at 40 words a minute</source>
        <translation>મિનિટના 40 શબ્દોના દરે</translation>
    </message>
    <message>
        <source>Accepted</source>
        <translation>સ્વીકારેલાં</translation>
    </message>
    <message>
        <source>of suggestions shown</source>
        <translation>બતાવેલાં સૂચનોમાંથી</translation>
    </message>
    <message>
        <source>Typical wait</source>
        <translation>સામાન્ય રાહ</translation>
    </message>
    <message>
        <source>9 in 10 under %1</source>
        <translation>10 માંથી 9 વખત %1 થી ઓછી</translation>
    </message>
    <message>
        <source>no requests yet</source>
        <translation>હજી કોઈ વિનંતી નથી</translation>
    </message>
    <message>
        <source>Words saved</source>
        <translation>બચાવેલા શબ્દો</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>સમયગાળો</translation>
    </message>
    <message>
        <source>Nothing to chart yet</source>
        <translation>ચાર્ટ માટે હજી કંઈ નથી</translation>
    </message>
    <message>
        <source>Accept a few suggestions and your days show up here.</source>
        <translation>થોડાં સૂચનો સ્વીકારો અને તમારા દિવસો અહીં દેખાશે.</translation>
    </message>
    <message>
        <source>Where you write</source>
        <translation>તમે ક્યાં લખો છો</translation>
    </message>
    <message>
        <source>Reset Statistics…</source>
        <translation>આંકડા રીસેટ કરો…</translation>
    </message>
    <message>
        <source>Reset all statistics?</source>
        <translation>બધા આંકડા રીસેટ કરીએ?</translation>
    </message>
    <message>
        <source>This clears words saved, acceptance and timing history.</source>
        <translation>આનાથી બચાવેલા શબ્દો, સ્વીકૃતિ અને સમયનો ઇતિહાસ ભૂંસાઈ જાય છે.</translation>
    </message>
    <message>
        <source>Copy Diagnostics</source>
        <translation>નિદાન માહિતી કૉપિ કરો</translation>
    </message>
    <message>
        <source>Diagnostics leave out the text you typed.</source>
        <translation>નિદાન માહિતીમાં તમે ટાઇપ કરેલું ટેક્સ્ટ હોતું નથી.</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>સ્થિતિ</translation>
    </message>
    <message>
        <source>Right now</source>
        <translation>અત્યારે</translation>
    </message>
    <message>
        <source>Allowed</source>
        <translation>પરવાનગી છે</translation>
    </message>
    <message>
        <source>Not allowed</source>
        <translation>પરવાનગી નથી</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>કીબોર્ડ</translation>
    </message>
    <message>
        <source>Listening</source>
        <translation>સાંભળે છે</translation>
    </message>
    <message>
        <source>Not listening</source>
        <translation>સાંભળતું નથી</translation>
    </message>
    <message>
        <source>Focused field</source>
        <translation>ફોકસવાળું ફીલ્ડ</translation>
    </message>
    <message>
        <source>Click into a text field in another app, then come back. The last field %1 saw stays here.</source>
        <translation>બીજી ઍપના ટેક્સ્ટ ફીલ્ડમાં ક્લિક કરો, પછી પાછા આવો. %1 એ જોયેલું છેલ્લું ફીલ્ડ અહીં રહે છે.</translation>
    </message>
    <message>
        <source>App</source>
        <translation>ઍપ</translation>
    </message>
    <message>
        <source>Field type</source>
        <translation>ફીલ્ડનો પ્રકાર</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>વિન્ડો</translation>
    </message>
    <message>
        <source>Field size</source>
        <translation>ફીલ્ડનું કદ</translation>
    </message>
    <message>
        <source>Caret found</source>
        <translation>કૅરેટ મળ્યું</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>ફૉન્ટ</translation>
    </message>
    <message>
        <source>At end of line</source>
        <translation>લાઇનના અંતે</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>હા</translation>
    </message>
    <message>
        <source>Secure input</source>
        <translation>સુરક્ષિત ઇનપુટ</translation>
    </message>
    <message>
        <source>Looked at lately</source>
        <translation>તાજેતરમાં જોયેલું</translation>
    </message>
    <message>
        <source>Text before the caret</source>
        <translation>કૅરેટ પહેલાંનું ટેક્સ્ટ</translation>
    </message>
    <message>
        <source>Last request</source>
        <translation>છેલ્લી વિનંતી</translation>
    </message>
    <message>
        <source>Wait</source>
        <translation>રાહ</translation>
    </message>
    <message>
        <source>Suggestion</source>
        <translation>સૂચન</translation>
    </message>
    <message>
        <source>Prompt sent to the engine</source>
        <translation>એન્જિનને મોકલેલો પ્રૉમ્પ્ટ</translation>
    </message>
    <message>
        <source>Raw answer</source>
        <translation>કાચો જવાબ</translation>
    </message>
    <message>
        <source>(empty)</source>
        <translation>(ખાલી)</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>કૉપિ થયું</translation>
    </message>
    <message>
        <source>Choose a language</source>
        <translation>ભાષા પસંદ કરો</translation>
    </message>
    <message>
        <source>Search languages</source>
        <translation>ભાષાઓ શોધો</translation>
    </message>
    <message>
        <source>Same as my computer</source>
        <translation>મારા કમ્પ્યુટર જેવી જ</translation>
    </message>
    <message>
        <source>Switch to %1?</source>
        <translation>%1 પર સ્વિચ કરીએ?</translation>
    </message>
    <message>
        <source>%1 closes and opens again in a second. Your settings stay as they are.</source>
        <translation>%1 બંધ થઈને એક સેકન્ડમાં ફરી ખૂલશે. તમારા સેટિંગ જેમ છે તેમ રહેશે.</translation>
    </message>
    <message>
        <source>Reopen Now</source>
        <translation>હમણાં ફરી ખોલો</translation>
    </message>
    <message>
        <source>App language</source>
        <translation>ઍપની ભાષા</translation>
    </message>
    <message>
        <source>Pick the language you read most easily. Suggestions follow whatever language you type.</source>
        <translation>તમે સૌથી સહેલાઈથી વાંચો તે ભાષા પસંદ કરો. તમે જે ભાષામાં ટાઇપ કરો છો તે જ ભાષામાં સૂચનો આવે છે.</translation>
    </message>
    <message>
        <source>Change the app language</source>
        <translation>ઍપની ભાષા બદલો</translation>
    </message>
    <message>
        <source>0 min</source>
        <translation>0 મિનિટ</translation>
    </message>
    <message>
        <source>under a minute</source>
        <translation>એક મિનિટથી ઓછું</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 સે.</translation>
    </message>
    <message>
        <source>Not set</source>
        <translation>સેટ નથી</translation>
    </message>
    <message>
        <source>Clear shortcut</source>
        <translation>શૉર્ટકટ સાફ કરો</translation>
    </message>
    <message>
        <source>Add Ctrl, Alt or Super so normal typing still works.</source>
        <translation>Ctrl, Alt અથવા Super ઉમેરો જેથી સામાન્ય ટાઇપિંગ કામ કરતું રહે.</translation>
    </message>
    <message>
        <source>Type a shortcut…</source>
        <translation>શૉર્ટકટ ટાઇપ કરો…</translation>
    </message>
    <message>
        <source>Recording shortcut</source>
        <translation>શૉર્ટકટ રેકોર્ડ થઈ રહ્યો છે</translation>
    </message>
    <message>
        <source>Shortcut %1</source>
        <translation>શૉર્ટકટ %1</translation>
    </message>
    <message>
        <source>Record shortcut</source>
        <translation>શૉર્ટકટ રેકોર્ડ કરો</translation>
    </message>
    <message>
        <source>Shortcut not set</source>
        <translation>શૉર્ટકટ સેટ નથી</translation>
    </message>
    <message>
        <source>Press to record a new shortcut. Escape cancels.</source>
        <translation>નવો શૉર્ટકટ રેકોર્ડ કરવા દબાવો. Escape રદ કરે છે.</translation>
    </message>
    <message>
        <source>Your tray icon is hidden</source>
        <translation>તમારું ટ્રે આઇકન છુપાયેલું છે</translation>
    </message>
    <message>
        <source>This computer has no on-device language model</source>
        <translation>આ કમ્પ્યુટરમાં ઑન-ડિવાઇસ ભાષા મોડેલ નથી</translation>
    </message>
    <message>
        <source>Turn on the on-device model in the desktop&apos;s settings</source>
        <translation>ડેસ્કટૉપના સેટિંગમાં ઑન-ડિવાઇસ મોડેલ ચાલુ કરો</translation>
    </message>
    <message>
        <source>The on-device model is unavailable</source>
        <translation>ઑન-ડિવાઇસ મોડેલ ઉપલબ્ધ નથી</translation>
    </message>
    <message>
        <source>Downloading. The on-device model fills in until it&apos;s done.</source>
        <translation>ડાઉનલોડ થઈ રહ્યું છે. પૂરું થાય ત્યાં સુધી ઑન-ડિવાઇસ મોડેલ કામ સંભાળે છે.</translation>
    </message>
    <message>
        <source>The on-device model fills in until you download it.</source>
        <translation>તમે ડાઉનલોડ કરો ત્યાં સુધી ઑન-ડિવાઇસ મોડેલ કામ સંભાળે છે.</translation>
    </message>
    <message>
        <source>%1 shares no text. Quit it and start it with %2 to get suggestions in it.</source>
        <translation>%1 કોઈ ટેક્સ્ટ શેર કરતી નથી. તેમાં સૂચનો મેળવવા તેને બંધ કરો અને %2 સાથે શરૂ કરો.</translation>
    </message>
    <message>
        <source>On-device model</source>
        <translation>ઑન-ડિવાઇસ મોડેલ</translation>
    </message>
    <message>
        <source>The system&apos;s own language model. Nothing to download.</source>
        <translation>સિસ્ટમનું પોતાનું ભાષા મોડેલ. કંઈ ડાઉનલોડ કરવાનું નથી.</translation>
    </message>
    <message>
        <source>A website name cannot hold spaces, tabs or line breaks.</source>
        <translation>વેબસાઇટના નામમાં સ્પેસ, ટૅબ કે લાઇન બ્રેક ન હોઈ શકે.</translation>
    </message>
    <message>
        <source>Only addresses that start with http or https can be added.</source>
        <translation>ફક્ત http અથવા https થી શરૂ થતાં સરનામાં ઉમેરી શકાય છે.</translation>
    </message>
    <message>
        <source>That is not a website name. Type one such as wikipedia.org.</source>
        <translation>આ વેબસાઇટનું નામ નથી. wikipedia.org જેવું નામ ટાઇપ કરો.</translation>
    </message>
    <message>
        <source>A port is a number from 1 to 65535.</source>
        <translation>પોર્ટ 1 થી 65535 સુધીની એક સંખ્યા છે.</translation>
    </message>
    <message>
        <source>The on-device model fills in until the download is done.</source>
        <translation>ડાઉનલોડ પૂરું થાય ત્યાં સુધી ઑન-ડિવાઇસ મોડેલ કામ સંભાળે છે.</translation>
    </message>
    <message>
        <source>Suggestions start once the download is done.</source>
        <translation>ડાઉનલોડ પૂરું થતાં જ સૂચનો શરૂ થશે.</translation>
    </message>
    <message>
        <source>This frees %1. The on-device model fills in until you download it again.</source>
        <translation>આનાથી %1 ખાલી થશે. ફરી ડાઉનલોડ કરો ત્યાં સુધી ઑન-ડિવાઇસ મોડેલ કામ સંભાળે છે.</translation>
    </message>
    <message>
        <source>This frees %1. The %app model can&apos;t suggest until you download it again.</source>
        <translation>આનાથી %1 ખાલી થશે. ફરી ડાઉનલોડ કરો ત્યાં સુધી %app મોડેલ સૂચનો આપી શકશે નહીં.</translation>
    </message>
    <message>
        <source>There&apos;s no room for it, or your panel has no system tray. Add the panel&apos;s system tray or status area applet in its settings.</source>
        <translation>તેના માટે જગ્યા નથી, અથવા તમારી પેનલમાં સિસ્ટમ ટ્રે નથી. પેનલના સેટિંગમાં સિસ્ટમ ટ્રે અથવા સ્ટેટસ એરિયા ઍપ્લેટ ઉમેરો.</translation>
    </message>
    <message>
        <source>GNOME shows tray icons only with the AppIndicator extension. Install the gnome-shell-extension-appindicator package, log out and in, then turn it on in Extensions.</source>
        <translation>GNOME ફક્ત AppIndicator એક્સ્ટેન્શન હોય તો જ ટ્રે આઇકન બતાવે છે. gnome-shell-extension-appindicator પૅકેજ ઇન્સ્ટૉલ કરો, લૉગ આઉટ કરીને ફરી લૉગ ઇન કરો, પછી “એક્સ્ટેન્શન” માં તેને ચાલુ કરો.</translation>
    </message>
    <message>
        <source>GNOME shows tray icons only with the AppIndicator extension. It is installed but off: turn it on in Extensions.</source>
        <translation>GNOME ફક્ત AppIndicator એક્સ્ટેન્શન હોય તો જ ટ્રે આઇકન બતાવે છે. તે ઇન્સ્ટૉલ છે પણ બંધ છે: “એક્સ્ટેન્શન” માં તેને ચાલુ કરો.</translation>
    </message>
    <message>
        <source>Until then, open %app from your applications menu to reach Settings.</source>
        <translation>ત્યાં સુધી, સેટિંગ સુધી પહોંચવા ઍપ્લિકેશન મેનૂમાંથી %app ખોલો.</translation>
    </message>
    <message>
        <source>Open Extensions</source>
        <translation>“એક્સ્ટેન્શન” ખોલો</translation>
    </message>
    <message>
        <source>Show Count in Tray</source>
        <translation>ટ્રેમાં ગણતરી બતાવો</translation>
    </message>
    <message>
        <source>%1 shares no text</source>
        <translation>%1 કોઈ ટેક્સ્ટ શેર કરતી નથી</translation>
    </message>
    <message>
        <source>Copy command</source>
        <translation>કમાન્ડ કૉપિ કરો</translation>
    </message>
    <message>
        <source>There&apos;s no account and no analytics. With the %app model or the on-device model, your text stays on this computer.</source>
        <translation>કોઈ એકાઉન્ટ નથી અને કોઈ ઍનાલિટિક્સ નથી. %app મોડેલ અથવા ઑન-ડિવાઇસ મોડેલ સાથે તમારું ટેક્સ્ટ આ જ કમ્પ્યુટર પર રહે છે.</translation>
    </message>
    <message>
        <source>There&apos;s no account and no analytics. With the %app model, your text stays on this computer.</source>
        <translation>કોઈ એકાઉન્ટ નથી અને કોઈ ઍનાલિટિક્સ નથી. %app મોડેલ સાથે તમારું ટેક્સ્ટ આ જ કમ્પ્યુટર પર રહે છે.</translation>
    </message>
    <message>
        <source>%app lives in your system tray from now on. Click its icon to pause it in an app or open Settings.</source>
        <translation>હવેથી %app તમારી સિસ્ટમ ટ્રેમાં રહે છે. કોઈ ઍપમાં તેને થોભાવવા અથવા સેટિંગ ખોલવા તેના આઇકન પર ક્લિક કરો.</translation>
    </message>
    <message>
        <source>%app has no account, no analytics and no servers of its own. The %app model and the on-device model keep your text on this computer. Other engines get it only if you set one up.</source>
        <translation>%app નું કોઈ એકાઉન્ટ નથી, ઍનાલિટિક્સ નથી અને પોતાના સર્વર નથી. %app મોડેલ અને ઑન-ડિવાઇસ મોડેલ તમારું ટેક્સ્ટ આ જ કમ્પ્યુટર પર રાખે છે. અન્ય એન્જિનોને તે ત્યારે જ મળે છે જ્યારે તમે તેમાંથી કોઈ એક સેટ કરો.</translation>
    </message>
    <message>
        <source>%app has no account, no analytics and no servers of its own. The %app model keeps your text on this computer. Other engines get it only if you set one up.</source>
        <translation>%app નું કોઈ એકાઉન્ટ નથી, ઍનાલિટિક્સ નથી અને પોતાના સર્વર નથી. %app મોડેલ તમારું ટેક્સ્ટ આ જ કમ્પ્યુટર પર રાખે છે. અન્ય એન્જિનોને તે ત્યારે જ મળે છે જ્યારે તમે તેમાંથી કોઈ એક સેટ કરો.</translation>
    </message>
    <message>
        <source>Installed applications</source>
        <translation>ઇન્સ્ટૉલ કરેલી ઍપ્લિકેશન</translation>
    </message>
    <message>
        <source>%app reads these only while making a suggestion and never saves them. With the %app model or the on-device model, nothing leaves your computer.</source>
        <translation>%app આને ફક્ત સૂચન બનાવતી વખતે વાંચે છે અને ક્યારેય સાચવતું નથી. %app મોડેલ અથવા ઑન-ડિવાઇસ મોડેલ સાથે કંઈ પણ તમારા કમ્પ્યુટરની બહાર જતું નથી.</translation>
    </message>
    <message>
        <source>%app reads these only while making a suggestion and never saves them. With the %app model, nothing leaves your computer.</source>
        <translation>%app આને ફક્ત સૂચન બનાવતી વખતે વાંચે છે અને ક્યારેય સાચવતું નથી. %app મોડેલ સાથે કંઈ પણ તમારા કમ્પ્યુટરની બહાર જતું નથી.</translation>
    </message>
    <message>
        <source>The %app model keeps your text on this computer.</source>
        <translation>%app મોડેલ તમારું ટેક્સ્ટ આ જ કમ્પ્યુટર પર રાખે છે.</translation>
    </message>
    <message>
        <source>The key holds a line break or another control character. Paste it again without them.</source>
        <translation>કીમાં લાઇન બ્રેક અથવા બીજો કંટ્રોલ અક્ષર છે. તેમના વિના ફરી પેસ્ટ કરો.</translation>
    </message>
    <message>
        <source>Waiting for the keyring to store the key.</source>
        <translation>કીરિંગ કી સાચવે તેની રાહ.</translation>
    </message>
    <message>
        <source>The keyring cannot keep this key, so it is used only until %app quits.</source>
        <translation>કીરિંગ આ કી રાખી શકતી નથી, તેથી %app બંધ થાય ત્યાં સુધી જ તેનો ઉપયોગ થશે.</translation>
    </message>
    <message>
        <source>Show in the system tray</source>
        <translation>સિસ્ટમ ટ્રેમાં બતાવો</translation>
    </message>
    <message>
        <source>Pause or open Settings from the system tray. Hidden? Open %app from your applications menu to come back.</source>
        <translation>સિસ્ટમ ટ્રેમાંથી થોભાવો અથવા સેટિંગ ખોલો. છુપાયેલું છે? પાછા આવવા ઍપ્લિકેશન મેનૂમાંથી %app ખોલો.</translation>
    </message>
    <message>
        <source>This tray can&apos;t show text beside icons, so the count shows in the icon&apos;s tooltip.</source>
        <translation>આ ટ્રે આઇકનની બાજુમાં ટેક્સ્ટ બતાવી શકતી નથી, તેથી ગણતરી આઇકનની ટૂલટિપમાં દેખાય છે.</translation>
    </message>
    <message>
        <source>VS Code, VSCodium, Cursor, Zed, Kate, Sublime Text, JetBrains IDEs and similar apps.</source>
        <translation>VS Code, VSCodium, Cursor, Zed, Kate, Sublime Text, JetBrains IDE અને તેના જેવી ઍપ.</translation>
    </message>
    <message>
        <source>Your settings could not be read, so they were set aside and %app started over with its defaults.</source>
        <translation>તમારા સેટિંગ વાંચી શકાયા નહીં, તેથી તેમને બાજુ પર મૂકવામાં આવ્યા અને %app તેના ડિફૉલ્ટ સાથે નવેસરથી શરૂ થયું.</translation>
    </message>
    <message>
        <source>Your settings are not saved: %app cannot write to its settings folder.</source>
        <translation>તમારા સેટિંગ સચવાતા નથી: %app તેના સેટિંગ ફોલ્ડરમાં લખી શકતું નથી.</translation>
    </message>
    <message>
        <source>Your app and website rules could not be read, so they were set aside.</source>
        <translation>તમારા ઍપ અને વેબસાઇટના નિયમો વાંચી શકાયા નહીં, તેથી તેમને બાજુ પર મૂકવામાં આવ્યા.</translation>
    </message>
    <message>
        <source>Your statistics could not be read, so they were set aside and counting started over.</source>
        <translation>તમારા આંકડા વાંચી શકાયા નહીં, તેથી તેમને બાજુ પર મૂકવામાં આવ્યા અને ગણતરી નવેસરથી શરૂ થઈ.</translation>
    </message>
    <message>
        <source>Not saved: %app cannot write to its data folder.</source>
        <translation>સચવાયું નથી: %app તેના ડેટા ફોલ્ડરમાં લખી શકતું નથી.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln suggestions. %1 selected</source>
        <translation>
            <numerusform>%Ln સૂચન. પસંદ કરેલું: %1</numerusform>
            <numerusform>%Ln સૂચનો. પસંદ કરેલું: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln min</source>
        <translation>
            <numerusform>%Ln મિનિટ</numerusform>
            <numerusform>%Ln મિનિટ</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln words</source>
        <translation>
            <numerusform>%Ln શબ્દ</numerusform>
            <numerusform>%Ln શબ્દો</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln passages from here</source>
        <translation>
            <numerusform>અહીંથી %Ln ફકરો</numerusform>
            <numerusform>અહીંથી %Ln ફકરા</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>words</source>
        <comment>unit after a count</comment>
        <translation>
            <numerusform>શબ્દ</numerusform>
            <numerusform>શબ્દો</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln days</source>
        <translation>
            <numerusform>%Ln દિવસ</numerusform>
            <numerusform>%Ln દિવસ</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Words saved per day over the last %Ln days</source>
        <translation>
            <numerusform>છેલ્લા %Ln દિવસમાં દરરોજ બચાવેલા શબ્દો</numerusform>
            <numerusform>છેલ્લા %Ln દિવસમાં દરરોજ બચાવેલા શબ્દો</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln day streak</source>
        <translation>
            <numerusform>%Ln દિવસની સ્ટ્રીક</numerusform>
            <numerusform>%Ln દિવસની સ્ટ્રીક</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln passages remembered</source>
        <translation>
            <numerusform>%Ln ફકરો યાદ રાખ્યો</numerusform>
            <numerusform>%Ln ફકરા યાદ રાખ્યા</numerusform>
        </translation>
    </message>
    <message>
        <source>enter</source>
        <translation>enter</translation>
    </message>
    <message>
        <source>Allow screen capture so %app can read those too. Most apps work without it.</source>
        <translation>સ્ક્રીન કૅપ્ચરની પરવાનગી આપો જેથી %app તેમને પણ વાંચી શકે. મોટા ભાગની ઍપ તેના વિના કામ કરે છે.</translation>
    </message>
    <message>
        <source>Type a colon and a word, like :rocket, then press Tab or Enter to pick.</source>
        <translation>કોલન અને એક શબ્દ ટાઇપ કરો, જેમ કે :rocket, પછી પસંદ કરવા Tab અથવા Enter દબાવો.</translation>
    </message>
    <message>
        <source>You can switch memory off for single apps under Apps &amp; Sites. The key that unlocks it lives in your keyring.</source>
        <translation>“ઍપ અને સાઇટ” માં તમે અલગ અલગ ઍપ માટે મેમરી બંધ કરી શકો છો. તેને ખોલતી કી તમારી કીરિંગમાં રહે છે.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln emoji. %1 selected</source>
        <translation>
            <numerusform>%Ln ઇમોજી. પસંદ કરેલું: %1</numerusform>
            <numerusform>%Ln ઇમોજી. પસંદ કરેલું: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Suggestion: %1</source>
        <translation>સૂચન: %1</translation>
    </message>
    <message numerus="yes">
        <source>%Ln models available</source>
        <translation>
            <numerusform>%Ln મોડેલ ઉપલબ્ધ</numerusform>
            <numerusform>%Ln મોડેલ ઉપલબ્ધ</numerusform>
        </translation>
    </message>
    <message>
        <source>The model couldn&apos;t be saved: %1</source>
        <translation>મોડેલ સાચવી શકાયું નહીં: %1</translation>
    </message>
    <message>
        <source>Ollama isn&apos;t running.</source>
        <translation>Ollama ચાલતું નથી.</translation>
    </message>
    <message>
        <source>Ollama isn&apos;t running at %1.</source>
        <translation>Ollama %1 પર ચાલતું નથી.</translation>
    </message>
    <message>
        <source>No server answered.</source>
        <translation>કોઈ સર્વરે જવાબ આપ્યો નહીં.</translation>
    </message>
    <message>
        <source>No server answered at %1.</source>
        <translation>%1 પર કોઈ સર્વરે જવાબ આપ્યો નહીં.</translation>
    </message>
    <message>
        <source>Range: %1</source>
        <translation>સમયગાળો: %1</translation>
    </message>
    <message numerus="yes">
        <source>%1, %Ln to do</source>
        <translation>
            <numerusform>%1, %Ln બાકી</numerusform>
            <numerusform>%1, %Ln બાકી</numerusform>
        </translation>
    </message>
    <message>
        <source>Type the whole name of the website, such as wikipedia.org.</source>
        <translation>વેબસાઇટનું પૂરું નામ ટાઇપ કરો, જેમ કે wikipedia.org.</translation>
    </message>
    <message>
        <source>The key holds a space, an invisible character or a letter outside plain ASCII. Paste it again exactly as your server gave it.</source>
        <translation>કીમાં સ્પેસ, અદૃશ્ય અક્ષર અથવા સાદા ASCII બહારનો અક્ષર છે. તમારા સર્વરે જે રીતે આપી હતી બરાબર તે જ રીતે તેને ફરી પેસ્ટ કરો.</translation>
    </message>
    <message>
        <source>The keyring could not be read, so your server is asked without an API key. Type the key again if your server needs one.</source>
        <translation>કીરિંગ વાંચી શકાયું નહીં, તેથી તમારા સર્વરને API કી વિના પૂછવામાં આવે છે. તમારા સર્વરને કી જોઈતી હોય તો તે ફરી ટાઇપ કરો.</translation>
    </message>
    <message>
        <source>Your writing memory could not be opened, so it was set aside and %app started a new one.</source>
        <translation>તમારી લેખન મેમરી ખોલી શકાઈ નહીં, તેથી તેને બાજુ પર મૂકવામાં આવી અને %app એ નવી મેમરી શરૂ કરી.</translation>
    </message>
    <message>
        <source>%1, converted for llama.cpp by %2</source>
        <translation>%1, llama.cpp માટે %2 દ્વારા રૂપાંતરિત</translation>
    </message>
    <message>
        <source>The data folder %1 could not be made. Check that the folder above it exists and that you may write there.</source>
        <translation>ડેટા ફોલ્ડર %1 બનાવી શકાયું નથી. તપાસો કે તેની ઉપરનું ફોલ્ડર અસ્તિત્વમાં છે અને તમે ત્યાં લખી શકો છો.</translation>
    </message>
    <message>
        <source>party</source>
        <comment>emoji search sample</comment>
        <translation>પાર્ટી</translation>
    </message>
    <message numerus="yes">
        <source>%Ln settings held values %app cannot use, so they were corrected and saved.</source>
        <translation>
            <numerusform>%Ln સેટિંગમાં એવી કિંમત હતી જે %app વાપરી શકતું નથી, તેથી તેને સુધારીને સાચવવામાં આવી.</numerusform>
            <numerusform>%Ln સેટિંગમાં એવી કિંમતો હતી જે %app વાપરી શકતું નથી, તેથી તેમને સુધારીને સાચવવામાં આવી.</numerusform>
        </translation>
    </message>
    <message>
        <source>Your writing memory is not saved: the keyring is missing or locked, so its key cannot be kept.</source>
        <translation>તમારી લેખન મેમરી સચવાતી નથી: કીરિંગ નથી અથવા લૉક છે, તેથી મેમરીની કી રાખી શકાતી નથી.</translation>
    </message>
    <message>
        <source>That address isn&apos;t valid</source>
        <translation>આ સરનામું માન્ય નથી</translation>
    </message>
    <message>
        <source>The request timed out.</source>
        <translation>વિનંતીનો સમય પૂરો થયો.</translation>
    </message>
    <message>
        <source>The server&apos;s reply was too long, so it was stopped.</source>
        <translation>સર્વરનો જવાબ ખૂબ લાંબો હતો, તેથી તેને અટકાવ્યો.</translation>
    </message>
    <message>
        <source>The server answered %1.</source>
        <translation>સર્વરે %1 જવાબ આપ્યો.</translation>
    </message>
    <message>
        <source>The server answered %1: %2</source>
        <translation>સર્વરે %1 જવાબ આપ્યો: %2</translation>
    </message>
    <message>
        <source>The download server answered %1. Try again later.</source>
        <translation>ડાઉનલોડ સર્વરે %1 જવાબ આપ્યો. પછીથી ફરી પ્રયાસ કરો.</translation>
    </message>
    <message>
        <source>The download couldn&apos;t be saved: %1</source>
        <translation>ડાઉનલોડ સાચવી શકાયું નહીં: %1</translation>
    </message>
    <message>
        <source>The download paused because the connection dropped. Try again to pick up where it stopped.</source>
        <translation>કનેક્શન તૂટી જવાથી ડાઉનલોડ થોભાવ્યું. જ્યાં અટક્યું હતું ત્યાંથી ચાલુ રાખવા ફરી પ્રયાસ કરો.</translation>
    </message>
    <message>
        <source>The download stopped. Check your connection, then try again.</source>
        <translation>ડાઉનલોડ અટકી ગયું. તમારું કનેક્શન તપાસો, પછી ફરી પ્રયાસ કરો.</translation>
    </message>
    <message>
        <source>Pick an Ollama model in Settings</source>
        <translation>સેટિંગમાં Ollama મોડેલ પસંદ કરો</translation>
    </message>
    <message>
        <source>Pick a model for your local server</source>
        <translation>તમારા સ્થાનિક સર્વર માટે મોડેલ પસંદ કરો</translation>
    </message>
    <message>
        <source>The server&apos;s answer is not HTTP.</source>
        <translation>સર્વરનો જવાબ HTTP નથી.</translation>
    </message>
    <message>
        <source>The data couldn&apos;t be read because it is missing.</source>
        <translation>ડેટા વાંચી શકાયો નહીં કારણ કે તે ખૂટે છે.</translation>
    </message>
    <message>
        <source>The data couldn&apos;t be read because it isn&apos;t in the correct format.</source>
        <translation>ડેટા વાંચી શકાયો નહીં કારણ કે તે યોગ્ય ફૉર્મેટમાં નથી.</translation>
    </message>
    <message>
        <source>:%1:</source>
        <comment>emoji name</comment>
        <translation>:%1:</translation>
    </message>
    <message>
        <source>This computer has no on-device language model.</source>
        <translation>આ કમ્પ્યુટરમાં ઑન-ડિવાઇસ ભાષા મોડેલ નથી.</translation>
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
        <translation>%1 પર થોભાવેલું</translation>
    </message>
    <message>
        <source>Paused in %1</source>
        <translation>%1 માં થોભાવેલું</translation>
    </message>
    <message>
        <source>Off on %1</source>
        <translation>%1 પર બંધ</translation>
    </message>
    <message>
        <source>Off in %1</source>
        <translation>%1 માં બંધ</translation>
    </message>
    <message>
        <source>Off in %1 by default</source>
        <translation>%1 માં ડિફૉલ્ટ રૂપે બંધ</translation>
    </message>
    <message>
        <source>Off in code editors</source>
        <translation>કોડ એડિટરમાં બંધ</translation>
    </message>
    <message>
        <source>Off unless turned on per app</source>
        <translation>દરેક ઍપ માટે ચાલુ ન કરો ત્યાં સુધી બંધ</translation>
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
        <translation>સ્પેસ</translation>
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
        <translation>કી %1</translation>
    </message>
    <message>
        <source>An email reply reads differently from a commit message.</source>
        <translation>ઇમેઇલનો જવાબ અને કમિટ સંદેશ અલગ રીતે લખાય છે.</translation>
    </message>
    <message>
        <source>Writes straight into the field. Cleanest in GTK and Qt apps.</source>
        <translation>સીધું ફીલ્ડમાં લખે છે. GTK અને Qt ઍપમાં સૌથી સ્વચ્છ.</translation>
    </message>
    <message>
        <source>Typing</source>
        <comment>insertion method</comment>
        <translation>ટાઇપિંગ</translation>
    </message>
    <message>
        <source>%1 h</source>
        <comment>hours with one decimal, such as 1.5</comment>
        <translation>%1 કલાક</translation>
    </message>
    <message numerus="yes">
        <source>%Ln h</source>
        <translation>
            <numerusform>%Ln કલાક</numerusform>
            <numerusform>%Ln કલાક</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln ms</source>
        <translation>
            <numerusform>%Ln મિ.સે.</numerusform>
            <numerusform>%Ln મિ.સે.</numerusform>
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
            <numerusform>%Ln શબ્દ આજે બચાવ્યો</numerusform>
            <numerusform>%Ln શબ્દો આજે બચાવ્યા</numerusform>
        </translation>
    </message>
    <message>
        <source>Under a minute of typing saved today.</source>
        <translation>આજે એક મિનિટથી ઓછું ટાઇપિંગ બચ્યું.</translation>
    </message>
    <message>
        <source>About %1 of typing saved today.</source>
        <translation>આજે આશરે %1 ટાઇપિંગ બચ્યું.</translation>
    </message>
    <message numerus="yes">
        <source>Step %1 of %Ln</source>
        <translation>
            <numerusform>%Ln માંથી પગલું %1</numerusform>
            <numerusform>%Ln માંથી પગલું %1</numerusform>
        </translation>
    </message>
    <message>
        <source>%app reads and types into text fields through the desktop&apos;s accessibility support, which some desktops leave off. %app uses it only for the field you&apos;re writing in.</source>
        <translation>%app ડેસ્કટૉપના ઍક્સેસિબિલિટી સપોર્ટ દ્વારા ટેક્સ્ટ ફીલ્ડ વાંચે છે અને તેમાં ટાઇપ કરે છે; કેટલાક ડેસ્કટૉપ તેને બંધ રાખે છે. %app તેનો ઉપયોગ ફક્ત તમે જે ફીલ્ડમાં લખો છો તેના માટે કરે છે.</translation>
    </message>
    <message>
        <source>The button switches the desktop&apos;s accessibility support on. If the desktop&apos;s settings open instead, turn accessibility on there, then come back. This page updates by itself.</source>
        <translation>આ બટન ડેસ્કટૉપનો ઍક્સેસિબિલિટી સપોર્ટ ચાલુ કરે છે. જો તેના બદલે ડેસ્કટૉપના સેટિંગ ખૂલે, તો ત્યાં ઍક્સેસિબિલિટી ચાલુ કરો, પછી પાછા આવો. આ પેજ આપમેળે અપડેટ થાય છે.</translation>
    </message>
    <message>
        <source>Still off? Some desktops start their accessibility service only when you log in. Log out and back in, then try again.</source>
        <translation>હજી બંધ છે? કેટલાક ડેસ્કટૉપ ઍક્સેસિબિલિટી સેવા ફક્ત લૉગ ઇન વખતે શરૂ કરે છે. લૉગ આઉટ કરીને ફરી લૉગ ઇન કરો, પછી ફરી પ્રયાસ કરો.</translation>
    </message>
    <message>
        <source>Pause</source>
        <comment>section header</comment>
        <translation>વિરામ</translation>
    </message>
    <message>
        <source>Pause</source>
        <comment>button</comment>
        <translation>થોભાવો</translation>
    </message>
    <message>
        <source>typing</source>
        <comment>insertion method, in a sentence</comment>
        <translation>ટાઇપિંગ</translation>
    </message>
    <message>
        <source>accessibility</source>
        <comment>insertion method, in a sentence</comment>
        <translation>ઍક્સેસિબિલિટી</translation>
    </message>
    <message>
        <source>paste</source>
        <comment>insertion method, in a sentence</comment>
        <translation>પેસ્ટ</translation>
    </message>
    <message>
        <source>short</source>
        <comment>suggestion length, in a sentence</comment>
        <translation>ટૂંકાં</translation>
    </message>
    <message>
        <source>medium</source>
        <comment>suggestion length, in a sentence</comment>
        <translation>મધ્યમ</translation>
    </message>
    <message>
        <source>long</source>
        <comment>suggestion length, in a sentence</comment>
        <translation>લાંબાં</translation>
    </message>
    <message>
        <source>Default follows General: %1, %2 suggestions.</source>
        <translation>ડિફૉલ્ટ “સામાન્ય” મુજબ: %1, %2 સૂચનો.</translation>
    </message>
    <message>
        <source>Yes, at %1, %2 on screen, %3 pt tall, %4 and %5</source>
        <translation>હા, સ્ક્રીન પર %1, %2 સ્થાને, %3 pt ઊંચું, %4 અને %5</translation>
    </message>
    <message numerus="yes">
        <source>%Ln characters before it</source>
        <translation>
            <numerusform>પહેલાં %Ln અક્ષર</numerusform>
            <numerusform>પહેલાં %Ln અક્ષરો</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln after</source>
        <comment>characters after the caret</comment>
        <translation>
            <numerusform>પછી %Ln</numerusform>
            <numerusform>પછી %Ln</numerusform>
        </translation>
    </message>
    <message>
        <source>No system tray runs on this desktop, so the icon cannot show. %1</source>
        <translation>આ ડેસ્કટૉપ પર કોઈ સિસ્ટમ ટ્રે ચાલતી નથી, તેથી આઇકન દેખાઈ શકતું નથી. %1</translation>
    </message>
    <message>
        <source>Typing</source>
        <comment>section header</comment>
        <translation>ટાઇપિંગ</translation>
    </message>
    <message>
        <source>Switch to the computer&apos;s language?</source>
        <translation>કમ્પ્યુટરની ભાષા પર સ્વિચ કરીએ?</translation>
    </message>
    <message numerus="yes">
        <source>%Ln words this week.</source>
        <translation>
            <numerusform>આ અઠવાડિયે %Ln શબ્દ.</numerusform>
            <numerusform>આ અઠવાડિયે %Ln શબ્દો.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Under a minute of typing saved today. %Ln words this week.</source>
        <translation>
            <numerusform>આજે એક મિનિટથી ઓછું ટાઇપિંગ બચ્યું. આ અઠવાડિયે %Ln શબ્દ.</numerusform>
            <numerusform>આજે એક મિનિટથી ઓછું ટાઇપિંગ બચ્યું. આ અઠવાડિયે %Ln શબ્દો.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>About %1 of typing saved today. %Ln words this week.</source>
        <translation>
            <numerusform>આજે આશરે %1 ટાઇપિંગ બચ્યું. આ અઠવાડિયે %Ln શબ્દ.</numerusform>
            <numerusform>આજે આશરે %1 ટાઇપિંગ બચ્યું. આ અઠવાડિયે %Ln શબ્દો.</numerusform>
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
            <numerusform>%1 માંથી %Ln પૂર્ણ</numerusform>
            <numerusform>%1 માંથી %Ln પૂર્ણ</numerusform>
        </translation>
    </message>
    <message>
        <source>The server refused the connection. Check that it is running and that the address is right.</source>
        <translation>સર્વરે કનેક્શન નકાર્યું. તે ચાલુ છે અને સરનામું સાચું છે કે નહીં તે તપાસો.</translation>
    </message>
    <message>
        <source>The server&apos;s name couldn&apos;t be found. Check the address.</source>
        <translation>સર્વરનું નામ મળ્યું નહીં. સરનામું તપાસો.</translation>
    </message>
    <message>
        <source>A secure connection to the server couldn&apos;t be made.</source>
        <translation>સર્વર સાથે સુરક્ષિત કનેક્શન બની શક્યું નહીં.</translation>
    </message>
    <message>
        <source>The server closed the connection before it answered.</source>
        <translation>સર્વરે જવાબ આપતાં પહેલાં જ કનેક્શન બંધ કરી દીધું.</translation>
    </message>
    <message>
        <source>The network proxy couldn&apos;t be reached.</source>
        <translation>નેટવર્કના પ્રૉક્સી સુધી પહોંચી શકાયું નહીં.</translation>
    </message>
    <message>
        <source>The server couldn&apos;t be reached.</source>
        <translation>સર્વર સુધી પહોંચી શકાયું નહીં.</translation>
    </message>
    <message>
        <source>Waiting for the network…</source>
        <translation>નેટવર્કની રાહ જોવાઈ રહી છે…</translation>
    </message>
    <message>
        <source>%1 is taken by another program.</source>
        <translation>%1 પહેલેથી બીજા પ્રોગ્રામ દ્વારા વપરાય છે.</translation>
    </message>
    <message>
        <source>%1 could not open again. Your choice takes effect the next time you start it.</source>
        <translation>%1 ફરી ખૂલી શક્યું નહીં. તમારી પસંદગી આગલી વાર તેને શરૂ કરશો ત્યારે લાગુ થશે.</translation>
    </message>
    <message>
        <source>Downloading the model</source>
        <translation>મોડેલ ડાઉનલોડ થઈ રહ્યું છે</translation>
    </message>
    <message numerus="yes">
        <source>These apps answer the Tab key before %app can, so %app stays paused in your other apps until they quit.</source>
        <translation>
            <numerusform>આ ઍપ %app પહેલાં Tab કીનો જવાબ આપે છે, તેથી તે બંધ ન થાય ત્યાં સુધી %app તમારી અન્ય ઍપમાં થોભેલું રહે છે.</numerusform>
            <numerusform>આ ઍપ %app પહેલાં Tab કીનો જવાબ આપે છે, તેથી તે બંધ ન થાય ત્યાં સુધી %app તમારી અન્ય ઍપમાં થોભેલું રહે છે.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>It may be waiting on a dialog of its own. Force Quit closes it right away.</source>
        <translation>
            <numerusform>કદાચ તે પોતાના કોઈ ડાયલોગની રાહ જોઈ રહી છે. “બળજબરીથી બંધ કરો” તેને તરત બંધ કરે છે.</numerusform>
            <numerusform>કદાચ તે પોતાના ડાયલોગની રાહ જોઈ રહી છે. “બળજબરીથી બંધ કરો” તેમને તરત બંધ કરે છે.</numerusform>
        </translation>
    </message>
    <message>
        <source>Set a Suggest Now shortcut in Keys to ask for suggestions</source>
        <translation>સૂચનો માંગવા માટે “કી”માં “હમણાં સૂચવો” શૉર્ટકટ સેટ કરો</translation>
    </message>
    <message>
        <source>Backspace</source>
        <comment>key above Enter that deletes backwards</comment>
        <translation>Backspace</translation>
    </message>
    <message>
        <source>0 words saved today</source>
        <translation>0 શબ્દો આજે બચાવ્યા</translation>
    </message>
    <message>
        <source>words saved today</source>
        <comment>beside the count 0</comment>
        <translation>શબ્દો આજે બચાવ્યા</translation>
    </message>
    <message>
        <source>Quit the other app</source>
        <translation>બીજી ઍપ બંધ કરો</translation>
    </message>
    <message>
        <source>None yet</source>
        <comment>no app looked at yet</comment>
        <translation>હજી કોઈ નહીં</translation>
    </message>
    <message>
        <source>None yet</source>
        <comment>no suggestion shown yet</comment>
        <translation>હજી કોઈ સૂચન નહીં</translation>
    </message>
    <message>
        <source>The other app is also running</source>
        <translation>બીજી ઍપ પણ ચાલે છે</translation>
    </message>
    <message>
        <source>Both apps answer the Tab key, and the system gives it to the other app first. %app stays paused in your other apps until the other app quits.</source>
        <translation>બંને ઍપ Tab કીનો જવાબ આપે છે, અને સિસ્ટમ તે પહેલાં બીજી ઍપને આપે છે. બીજી ઍપ બંધ ન થાય ત્યાં સુધી %app તમારી અન્ય ઍપમાં થોભેલું રહે છે.</translation>
    </message>
    <message>
        <source>The other app is still open</source>
        <translation>બીજી ઍપ હજી ખુલ્લી છે</translation>
    </message>
    <message>
        <source>The other app quit, so your suggestions are back in every app.</source>
        <translation>બીજી ઍપ બંધ થઈ, તેથી તમારાં સૂચનો દરેક ઍપમાં પાછાં આવ્યાં.</translation>
    </message>
    <message>
        <source>The other app quit. %app has the Tab key.</source>
        <translation>બીજી ઍપ બંધ થઈ. Tab કી હવે %app પાસે છે.</translation>
    </message>
</context>
</TS>
