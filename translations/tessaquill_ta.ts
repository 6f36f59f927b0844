<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ta" sourcelanguage="en">
<context>
    <name>Tessaquill</name>
    <message>
        <source>Accessibility is on. %app is ready in your other apps.</source>
        <translation>அணுகல்தன்மை இயக்கத்தில் உள்ளது. உங்கள் மற்ற ஆப்ஸில் %app தயார்.</translation>
    </message>
    <message>
        <source>Paused while %1 is open</source>
        <translation>%1 திறந்திருக்கும் வரை இடைநிறுத்தம்</translation>
    </message>
    <message>
        <source>Welcome to %app</source>
        <translation>%app-க்கு வரவேற்கிறோம்</translation>
    </message>
    <message>
        <source>%app</source>
        <translation>%app</translation>
    </message>
    <message>
        <source>Another autocomplete app is running</source>
        <translation>வேறொரு தானியங்கு நிறைவு ஆப் இயங்குகிறது</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>தயார்</translation>
    </message>
    <message>
        <source>Waiting for a pause</source>
        <translation>இடைவெளிக்காகக் காத்திருக்கிறது</translation>
    </message>
    <message>
        <source>Thinking</source>
        <translation>யோசிக்கிறது</translation>
    </message>
    <message>
        <source>Showing a suggestion</source>
        <translation>பரிந்துரையைக் காட்டுகிறது</translation>
    </message>
    <message>
        <source>The model took too long to answer</source>
        <translation>மாடல் பதிலளிக்க அதிக நேரம் எடுத்தது</translation>
    </message>
    <message>
        <source>This app doesn&apos;t report where the caret is</source>
        <translation>கேரட் எங்கே உள்ளது என்பதை இந்த ஆப் தெரிவிக்கவில்லை</translation>
    </message>
    <message>
        <source>%app is turned off</source>
        <translation>%app முடக்கப்பட்டுள்ளது</translation>
    </message>
    <message>
        <source>Secure input is on, so %app stays out</source>
        <translation>பாதுகாப்பான உள்ளீடு இயக்கத்தில் உள்ளது, எனவே %app வேலை செய்யாது</translation>
    </message>
    <message>
        <source>Press %1 for a suggestion</source>
        <translation>பரிந்துரைக்கு %1 அழுத்தவும்</translation>
    </message>
    <message>
        <source>Text is selected</source>
        <translation>உரை தேர்ந்தெடுக்கப்பட்டுள்ளது</translation>
    </message>
    <message>
        <source>The caret is inside existing text</source>
        <translation>கேரட் ஏற்கெனவே உள்ள உரையின் நடுவில் உள்ளது</translation>
    </message>
    <message>
        <source>This field is too small</source>
        <translation>இந்தப் புலம் மிகச் சிறியது</translation>
    </message>
    <message>
        <source>Waiting for a few characters</source>
        <translation>சில எழுத்துகளுக்காகக் காத்திருக்கிறது</translation>
    </message>
    <message>
        <source>Start of a new line</source>
        <translation>புதிய வரியின் தொடக்கம்</translation>
    </message>
    <message>
        <source>The model is still downloading</source>
        <translation>மாடல் இன்னும் பதிவிறக்கப்படுகிறது</translation>
    </message>
    <message>
        <source>Download the %app model in Settings first</source>
        <translation>முதலில் அமைப்புகளில் %app மாடலைப் பதிவிறக்கவும்</translation>
    </message>
    <message>
        <source>Not checked yet</source>
        <translation>இன்னும் சரிபார்க்கவில்லை</translation>
    </message>
    <message>
        <source>Checking…</source>
        <translation>சரிபார்க்கிறது…</translation>
    </message>
    <message>
        <source>The model stopped with error %1</source>
        <translation>மாடல் பிழை %1 உடன் நின்றது</translation>
    </message>
    <message>
        <source>The model file couldn&apos;t be loaded</source>
        <translation>மாடல் கோப்பை ஏற்ற முடியவில்லை</translation>
    </message>
    <message>
        <source>There wasn&apos;t enough memory to start the model</source>
        <translation>மாடலைத் தொடங்கப் போதுமான நினைவகம் இல்லை</translation>
    </message>
    <message>
        <source>The text couldn&apos;t be prepared for the model</source>
        <translation>மாடலுக்காக உரையைத் தயார்செய்ய முடியவில்லை</translation>
    </message>
    <message>
        <source>This computer needs %1 free for the download. Free up some space, then try again.</source>
        <translation>பதிவிறக்கத்துக்கு இந்தக் கணினியில் %1 காலியிடம் தேவை. சிறிது இடத்தைக் காலிசெய்து மீண்டும் முயலவும்.</translation>
    </message>
    <message>
        <source>The download didn&apos;t match the expected file, so it was deleted. Try again.</source>
        <translation>பதிவிறக்கம் எதிர்பார்த்த கோப்புடன் பொருந்தவில்லை, எனவே நீக்கப்பட்டது. மீண்டும் முயலவும்.</translation>
    </message>
    <message>
        <source>Downloaded</source>
        <translation>பதிவிறக்கப்பட்டது</translation>
    </message>
    <message>
        <source>Downloading. Suggestions start once it&apos;s done.</source>
        <translation>பதிவிறக்குகிறது. முடிந்ததும் பரிந்துரைகள் தொடங்கும்.</translation>
    </message>
    <message>
        <source>Checking the download.</source>
        <translation>பதிவிறக்கத்தைச் சரிபார்க்கிறது.</translation>
    </message>
    <message>
        <source>Checking the download. Suggestions start once it&apos;s done.</source>
        <translation>பதிவிறக்கத்தைச் சரிபார்க்கிறது. முடிந்ததும் பரிந்துரைகள் தொடங்கும்.</translation>
    </message>
    <message>
        <source>Download the model to start</source>
        <translation>தொடங்க மாடலைப் பதிவிறக்கவும்</translation>
    </message>
    <message>
        <source>Ollama is running but has no models</source>
        <translation>Ollama இயங்குகிறது, ஆனால் அதில் மாடல்கள் இல்லை</translation>
    </message>
    <message>
        <source>Another app</source>
        <translation>வேறொரு ஆப்</translation>
    </message>
    <message>
        <source>There is no D-Bus session bus, so %1 cannot reach text fields.</source>
        <translation>D-Bus அமர்வு பஸ் இல்லை, எனவே %1 உரைப் புலங்களை அணுக முடியாது.</translation>
    </message>
    <message>
        <source>The desktop&apos;s accessibility bus is not running, so %1 cannot reach text fields.</source>
        <translation>டெஸ்க்டாப்பின் அணுகல்தன்மை பஸ் இயங்கவில்லை, எனவே %1 உரைப் புலங்களை அணுக முடியாது.</translation>
    </message>
    <message>
        <source>Short</source>
        <translation>குறுகியது</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>நடுத்தரம்</translation>
    </message>
    <message>
        <source>Long</source>
        <translation>நீளமானது</translation>
    </message>
    <message>
        <source>Hide the suggestion</source>
        <translation>பரிந்துரையை மறை</translation>
    </message>
    <message>
        <source>Hide suggestions until I change fields</source>
        <translation>புலத்தை மாற்றும் வரை பரிந்துரைகளை மறை</translation>
    </message>
    <message>
        <source>Do nothing, send Escape to the app</source>
        <translation>எதுவும் செய்யாதே, Escape-ஐ ஆப்பிற்கு அனுப்பு</translation>
    </message>
    <message>
        <source>Type it</source>
        <translation>தட்டச்சு செய்</translation>
    </message>
    <message>
        <source>Insert through Accessibility</source>
        <translation>அணுகல்தன்மை மூலம் செருகு</translation>
    </message>
    <message>
        <source>Paste it</source>
        <translation>ஒட்டு</translation>
    </message>
    <message>
        <source>Grey</source>
        <translation>சாம்பல்</translation>
    </message>
    <message>
        <source>Gold tint</source>
        <translation>தங்கச் சாயல்</translation>
    </message>
    <message>
        <source>%app model</source>
        <translation>%app மாடல்</translation>
    </message>
    <message>
        <source>Ollama</source>
        <translation>Ollama</translation>
    </message>
    <message>
        <source>Local server</source>
        <translation>உள்ளூர் சேவையகம்</translation>
    </message>
    <message>
        <source>Runs on this computer after a one-time download. Works offline.</source>
        <translation>ஒருமுறை பதிவிறக்கிய பின் இந்தக் கணினியிலேயே இயங்கும். ஆஃப்லைனில் வேலை செய்யும்.</translation>
    </message>
    <message>
        <source>Any model you run in Ollama, base models included.</source>
        <translation>Ollama-வில் நீங்கள் இயக்கும் எந்த மாடலும், அடிப்படை மாடல்கள் உட்பட.</translation>
    </message>
    <message>
        <source>LM Studio, llama-server or any OpenAI-compatible endpoint.</source>
        <translation>LM Studio, llama-server அல்லது OpenAI-இணக்கமான எந்த எண்ட்பாயிண்ட்டும்.</translation>
    </message>
    <message>
        <source>Sends the text as keystrokes. Works almost everywhere.</source>
        <translation>உரையை விசை அழுத்தங்களாக அனுப்பும். கிட்டத்தட்ட எல்லா இடங்களிலும் வேலை செய்யும்.</translation>
    </message>
    <message>
        <source>Uses the clipboard, then puts your clipboard back.</source>
        <translation>கிளிப்போர்டைப் பயன்படுத்தி, பிறகு உங்கள் கிளிப்போர்டை மீட்டமைக்கும்.</translation>
    </message>
    <message>
        <source>Accessibility</source>
        <translation>அணுகல்தன்மை</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>ஒட்டுதல்</translation>
    </message>
    <message>
        <source>Your writing memory could not be opened and was set aside. Nothing new is remembered until %app starts again.</source>
        <translation>உங்கள் எழுத்து நினைவகத்தைத் திறக்க முடியவில்லை, எனவே அது ஒதுக்கி வைக்கப்பட்டது. %app மீண்டும் தொடங்கும் வரை புதிதாக எதுவும் நினைவில் வைக்கப்படாது.</translation>
    </message>
    <message>
        <source>Your writing memory could not be opened because its key could not be read from the keyring. Nothing new is remembered until %app starts again.</source>
        <translation>கீரிங்கிலிருந்து அதன் விசையைப் படிக்க முடியாததால் உங்கள் எழுத்து நினைவகத்தைத் திறக்க முடியவில்லை. %app மீண்டும் தொடங்கும் வரை புதிதாக எதுவும் நினைவில் வைக்கப்படாது.</translation>
    </message>
    <message>
        <source>Not Now</source>
        <translation>இப்போது வேண்டாம்</translation>
    </message>
    <message>
        <source>Open the desktop&apos;s settings</source>
        <translation>டெஸ்க்டாப் அமைப்புகளைத் திற</translation>
    </message>
    <message>
        <source>Don&apos;t remind me again</source>
        <translation>மீண்டும் நினைவூட்ட வேண்டாம்</translation>
    </message>
    <message>
        <source>Open Playground</source>
        <translation>பயிற்சிப் புலத்தைத் திற</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>அமைப்புகள்</translation>
    </message>
    <message>
        <source>Quit %app</source>
        <translation>%app-இலிருந்து வெளியேறு</translation>
    </message>
    <message>
        <source>Needs Accessibility access</source>
        <translation>அணுகல்தன்மை அனுமதி தேவை</translation>
    </message>
    <message>
        <source>Paused until you resume</source>
        <translation>நீங்கள் தொடரும் வரை இடைநிறுத்தம்</translation>
    </message>
    <message>
        <source>Paused until %1</source>
        <translation>%1 வரை இடைநிறுத்தம்</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>முடக்கம்</translation>
    </message>
    <message numerus="yes">
        <source>Paused while %1 are open</source>
        <translation>
            <numerusform>%1 திறந்திருக்கும் வரை இடைநிறுத்தம்</numerusform>
            <numerusform>%1 திறந்திருக்கும் வரை இடைநிறுத்தம்</numerusform>
        </translation>
    </message>
    <message>
        <source>Grant Accessibility Access…</source>
        <translation>அணுகல்தன்மை அனுமதியை வழங்கு…</translation>
    </message>
    <message numerus="yes">
        <source>Force Quit %1</source>
        <translation>
            <numerusform>%1-ஐ வலுக்கட்டாயமாக மூடு</numerusform>
            <numerusform>%1-ஐ வலுக்கட்டாயமாக மூடு</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Quit %1</source>
        <translation>
            <numerusform>%1-ஐ மூடு</numerusform>
            <numerusform>%1-ஐ மூடு</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>words saved today</source>
        <translation>
            <numerusform>சொல் இன்று சேமிக்கப்பட்டது</numerusform>
            <numerusform>சொற்கள் இன்று சேமிக்கப்பட்டன</numerusform>
        </translation>
    </message>
    <message>
        <source>Start typing anywhere. %app keeps count here.</source>
        <translation>எங்கு வேண்டுமானாலும் தட்டச்சு செய்யத் தொடங்குங்கள். %app இங்கே எண்ணிக்கையை வைத்திருக்கும்.</translation>
    </message>
    <message>
        <source>Resume in %1</source>
        <translation>%1 ஆப்பில் தொடர்</translation>
    </message>
    <message>
        <source>Pause in %1</source>
        <translation>%1 ஆப்பில் இடைநிறுத்து</translation>
    </message>
    <message>
        <source>Resume Everywhere</source>
        <translation>எல்லா இடங்களிலும் தொடர்</translation>
    </message>
    <message>
        <source>Pause Everywhere</source>
        <translation>எல்லா இடங்களிலும் இடைநிறுத்து</translation>
    </message>
    <message>
        <source>For 15 Minutes</source>
        <translation>15 நிமிடங்களுக்கு</translation>
    </message>
    <message>
        <source>For 1 Hour</source>
        <translation>1 மணிநேரத்துக்கு</translation>
    </message>
    <message>
        <source>For 4 Hours</source>
        <translation>4 மணிநேரத்துக்கு</translation>
    </message>
    <message>
        <source>Until I Resume</source>
        <translation>நான் தொடரும் வரை</translation>
    </message>
    <message>
        <source>Example: after typing %1, %2 suggests %3</source>
        <translation>எடுத்துக்காட்டு: %1 என்று தட்டச்சு செய்த பின், %2 பரிந்துரைப்பது: %3</translation>
    </message>
    <message>
        <source>takes the next word</source>
        <translation>அடுத்த சொல்லை எடுக்கும்</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>பதிவிறக்கு</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>ரத்துசெய்</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%2-இல் %1</translation>
    </message>
    <message>
        <source>%1 of %2. You can keep writing while it downloads.</source>
        <translation>%2-இல் %1. பதிவிறக்கும்போதே நீங்கள் தொடர்ந்து எழுதலாம்.</translation>
    </message>
    <message>
        <source>Checking the download</source>
        <translation>பதிவிறக்கத்தைச் சரிபார்க்கிறது</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>மீண்டும் முயல்</translation>
    </message>
    <message>
        <source>Remove…</source>
        <translation>அகற்று…</translation>
    </message>
    <message>
        <source>%1 license</source>
        <translation>%1 உரிமம்</translation>
    </message>
    <message>
        <source>Remove the %app model?</source>
        <translation>%app மாடலை அகற்றவா?</translation>
    </message>
    <message>
        <source>Model download</source>
        <translation>மாடல் பதிவிறக்கம்</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>அகற்று</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>தொடர்க</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>பிறகு</translation>
    </message>
    <message>
        <source>Start Writing</source>
        <translation>எழுதத் தொடங்கு</translation>
    </message>
    <message>
        <source>Finish your sentences in any app.</source>
        <translation>எந்த ஆப்பிலும் உங்கள் வாக்கியங்களை முடியுங்கள்.</translation>
    </message>
    <message>
        <source>%app reads the words before your caret and suggests what comes next in grey. Press Tab to take one word, or the key above Tab to take the rest. If you don&apos;t want it, keep typing.</source>
        <translation>%app உங்கள் கேரட்டுக்கு முன் உள்ள சொற்களைப் படித்து, அடுத்து வருவதைச் சாம்பல் நிறத்தில் பரிந்துரைக்கும். ஒரு சொல்லை எடுக்க Tab அழுத்தவும், மீதியை எடுக்க Tab-க்கு மேலே உள்ள விசையை அழுத்தவும். வேண்டாம் என்றால் தொடர்ந்து தட்டச்சு செய்யுங்கள்.</translation>
    </message>
    <message>
        <source>Sees what you see</source>
        <translation>நீங்கள் பார்ப்பதைப் பார்க்கும்</translation>
    </message>
    <message>
        <source>Private</source>
        <translation>தனிப்பட்டது</translation>
    </message>
    <message>
        <source>It reads the window you&apos;re typing in, like the chat you&apos;re answering, so suggestions fit. None of it goes online, to us or any server. It stays private on your computer.</source>
        <translation>நீங்கள் தட்டச்சு செய்யும் சாளரத்தை, எடுத்துக்காட்டாக நீங்கள் பதிலளிக்கும் அரட்டையை, அது படிக்கும்; அதனால் பரிந்துரைகள் பொருத்தமாக இருக்கும். இதில் எதுவும் ஆன்லைனுக்குப் போவதில்லை, எங்களுக்கும் இல்லை, எந்தச் சேவையகத்துக்கும் இல்லை. எல்லாம் உங்கள் கணினியிலேயே தனிப்பட்டதாக இருக்கும்.</translation>
    </message>
    <message>
        <source>Accessibility is on</source>
        <translation>அணுகல்தன்மை இயக்கத்தில் உள்ளது</translation>
    </message>
    <message>
        <source>%app can now read the field you&apos;re writing in and type suggestions for you.</source>
        <translation>நீங்கள் எழுதும் புலத்தை %app இப்போது படிக்கவும், உங்களுக்காகப் பரிந்துரைகளைத் தட்டச்சு செய்யவும் முடியும்.</translation>
    </message>
    <message>
        <source>Let %app see what you type.</source>
        <translation>நீங்கள் தட்டச்சு செய்வதை %app பார்க்க அனுமதியுங்கள்.</translation>
    </message>
    <message>
        <source>%app reads your text when you pause and forgets it after one suggestion, unless you turn on writing memory.</source>
        <translation>நீங்கள் நிறுத்தும்போது %app உங்கள் உரையைப் படித்து, ஒரு பரிந்துரைக்குப் பின் அதை மறந்துவிடும், நீங்கள் எழுத்து நினைவகத்தை இயக்காவிட்டால்.</translation>
    </message>
    <message>
        <source>%app skips password fields and anything else the system marks as secure.</source>
        <translation>கடவுச்சொல் புலங்களையும், சிஸ்டம் பாதுகாப்பானது எனக் குறிக்கும் எதையும் %app தவிர்க்கும்.</translation>
    </message>
    <message>
        <source>Open Accessibility Settings</source>
        <translation>அணுகல்தன்மை அமைப்புகளைத் திற</translation>
    </message>
    <message>
        <source>Pick what writes your suggestions.</source>
        <translation>உங்கள் பரிந்துரைகளை எது எழுத வேண்டும் எனத் தேர்ந்தெடுங்கள்.</translation>
    </message>
    <message>
        <source>You can change this any time in Settings.</source>
        <translation>இதை எப்போது வேண்டுமானாலும் அமைப்புகளில் மாற்றலாம்.</translation>
    </message>
    <message>
        <source>Give it a try.</source>
        <translation>முயன்று பாருங்கள்.</translation>
    </message>
    <message>
        <source>Start typing a sentence. When grey words appear, press Tab for one word or the key above Tab for all of them.</source>
        <translation>ஒரு வாக்கியத்தைத் தட்டச்சு செய்யத் தொடங்குங்கள். சாம்பல் சொற்கள் தோன்றும்போது, ஒரு சொல்லுக்கு Tab அழுத்தவும், எல்லாவற்றுக்கும் Tab-க்கு மேலே உள்ள விசையை அழுத்தவும்.</translation>
    </message>
    <message>
        <source>Hi Orlenn, thanks for the quick reply. I think we should</source>
        <translation>ஹாய் ஆர்லென், விரைவான பதிலுக்கு நன்றி. நாம் செய்ய வேண்டியது</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>பின்செல்</translation>
    </message>
    <message>
        <source>Practice field</source>
        <translation>பயிற்சிப் புலம்</translation>
    </message>
    <message>
        <source>Default, on</source>
        <translation>இயல்பு, இயக்கம்</translation>
    </message>
    <message>
        <source>Default, off</source>
        <translation>இயல்பு, முடக்கம்</translation>
    </message>
    <message>
        <source>Add a website</source>
        <translation>இணையதளத்தைச் சேர்</translation>
    </message>
    <message>
        <source>Domain</source>
        <translation>டொமைன்</translation>
    </message>
    <message>
        <source>Rules for a site apply in any browser %app can read.</source>
        <translation>ஒரு தளத்துக்கான விதிகள் %app படிக்கக்கூடிய எந்த உலாவியிலும் பொருந்தும்.</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>சேர்</translation>
    </message>
    <message>
        <source>Add App…</source>
        <translation>ஆப்பைச் சேர்…</translation>
    </message>
    <message>
        <source>Add an app</source>
        <translation>ஆப்பைச் சேர்</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>தேடு</translation>
    </message>
    <message>
        <source>Clear search</source>
        <translation>தேடலை அழி</translation>
    </message>
    <message>
        <source>Add an app or website</source>
        <translation>ஆப் அல்லது இணையதளத்தைச் சேர்</translation>
    </message>
    <message>
        <source>Add Website…</source>
        <translation>இணையதளத்தைச் சேர்…</translation>
    </message>
    <message>
        <source>Apps &amp; Sites</source>
        <translation>ஆப்ஸ் &amp; தளங்கள்</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>இடைநிறுத்தப்பட்டது</translation>
    </message>
    <message>
        <source>Apps</source>
        <translation>ஆப்ஸ்</translation>
    </message>
    <message>
        <source>Websites</source>
        <translation>இணையதளங்கள்</translation>
    </message>
    <message>
        <source>No matches</source>
        <translation>பொருத்தம் இல்லை</translation>
    </message>
    <message>
        <source>No apps yet</source>
        <translation>இன்னும் ஆப்ஸ் இல்லை</translation>
    </message>
    <message>
        <source>Nothing matches “%1”.</source>
        <translation>“%1” உடன் எதுவும் பொருந்தவில்லை.</translation>
    </message>
    <message>
        <source>Apps appear here once you accept a suggestion in them, or add one with +.</source>
        <translation>ஒரு ஆப்பில் பரிந்துரையை ஏற்றதும் அது இங்கே தோன்றும், அல்லது + மூலம் சேர்க்கவும்.</translation>
    </message>
    <message>
        <source>Pick an app or site</source>
        <translation>ஆப் அல்லது தளத்தைத் தேர்ந்தெடுங்கள்</translation>
    </message>
    <message>
        <source>Each one can have its own rules. Anything you don&apos;t change follows General.</source>
        <translation>ஒவ்வொன்றுக்கும் தனி விதிகள் இருக்கலாம். நீங்கள் மாற்றாதவை “பொது” அமைப்பைப் பின்பற்றும்.</translation>
    </message>
    <message>
        <source>Words saved here</source>
        <translation>இங்கே சேமித்த சொற்கள்</translation>
    </message>
    <message>
        <source>Suggestions</source>
        <translation>பரிந்துரைகள்</translation>
    </message>
    <message>
        <source>On</source>
        <translation>இயக்கம்</translation>
    </message>
    <message>
        <source>Tab accepts suggestions</source>
        <translation>Tab மூலம் பரிந்துரைகளை ஏற்றல்</translation>
    </message>
    <message>
        <source>Turn off where Tab already means something, like indenting. The other accept key still works.</source>
        <translation>உள்தள்ளல் போல Tab-க்கு ஏற்கெனவே வேலை உள்ள இடங்களில் இதை முடக்கவும். மற்ற ஏற்கும் விசை தொடர்ந்து வேலை செய்யும்.</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>இயல்பு</translation>
    </message>
    <message>
        <source>Insert by</source>
        <translation>செருகும் முறை</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>நீளம்</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>தொடர்</translation>
    </message>
    <message>
        <source>Pause here</source>
        <translation>இங்கே இடைநிறுத்து</translation>
    </message>
    <message>
        <source>Memory</source>
        <translation>நினைவகம்</translation>
    </message>
    <message>
        <source>Remember my writing here</source>
        <translation>இங்கே என் எழுத்தை நினைவில் வை</translation>
    </message>
    <message>
        <source>Writing memory is off in Your Voice.</source>
        <translation>“உங்கள் நடை” பகுதியில் எழுத்து நினைவகம் முடக்கத்தில் உள்ளது.</translation>
    </message>
    <message>
        <source>Erase…</source>
        <translation>அழி…</translation>
    </message>
    <message>
        <source>Reset to Defaults</source>
        <translation>இயல்புநிலைக்கு மீட்டமை</translation>
    </message>
    <message>
        <source>Erase what %app remembered from %1?</source>
        <translation>%1-இலிருந்து %app நினைவில் வைத்ததை அழிக்கவா?</translation>
    </message>
    <message>
        <source>Erase</source>
        <translation>அழி</translation>
    </message>
    <message>
        <source>Passages from this app can shape suggestions everywhere.</source>
        <translation>இந்த ஆப்பின் பத்திகள் எல்லா இடங்களிலும் பரிந்துரைகளைப் பாதிக்கலாம்.</translation>
    </message>
    <message>
        <source>Finish setting up</source>
        <translation>அமைவை முடி</translation>
    </message>
    <message>
        <source>Setup progress</source>
        <translation>அமைவின் முன்னேற்றம்</translation>
    </message>
    <message>
        <source>Done: %1</source>
        <translation>முடிந்தது: %1</translation>
    </message>
    <message>
        <source>Best day yet!</source>
        <translation>இதுவரை சிறந்த நாள்!</translation>
    </message>
    <message>
        <source>Try it here</source>
        <translation>இங்கே முயன்று பாருங்கள்</translation>
    </message>
    <message>
        <source>Thanks for sending the draft over. I had a look and</source>
        <translation>வரைவை அனுப்பியதற்கு நன்றி. நான் பார்த்தேன்,</translation>
    </message>
    <message>
        <source>next word</source>
        <translation>அடுத்த சொல்</translation>
    </message>
    <message>
        <source>whole suggestion</source>
        <translation>முழுப் பரிந்துரை</translation>
    </message>
    <message>
        <source>hide it</source>
        <translation>மறை</translation>
    </message>
    <message>
        <source>This field runs the real engine. Start typing and grey words show up as you go.</source>
        <translation>இந்தப் புலம் உண்மையான இன்ஜினை இயக்குகிறது. தட்டச்சு செய்யத் தொடங்குங்கள், சாம்பல் சொற்கள் கூடவே தோன்றும்.</translation>
    </message>
    <message>
        <source>This field runs the real engine, even before you allow Accessibility. Start typing and grey words show up as you go.</source>
        <translation>அணுகல்தன்மையை அனுமதிக்கும் முன்பே இந்தப் புலம் உண்மையான இன்ஜினை இயக்குகிறது. தட்டச்சு செய்யத் தொடங்குங்கள், சாம்பல் சொற்கள் கூடவே தோன்றும்.</translation>
    </message>
    <message>
        <source>You&apos;re all set</source>
        <translation>எல்லாம் தயார்</translation>
    </message>
    <message>
        <source>Accessibility is on and %1 is ready. %app works in every app you type in.</source>
        <translation>அணுகல்தன்மை இயக்கத்தில் உள்ளது, %1 தயார். நீங்கள் தட்டச்சு செய்யும் ஒவ்வொரு ஆப்பிலும் %app வேலை செய்யும்.</translation>
    </message>
    <message>
        <source>Waiting for %1 to quit</source>
        <translation>%1 மூடப்படக் காத்திருக்கிறது</translation>
    </message>
    <message>
        <source>Turned off</source>
        <translation>முடக்கப்பட்டது</translation>
    </message>
    <message>
        <source>Paused everywhere</source>
        <translation>எல்லா இடங்களிலும் இடைநிறுத்தம்</translation>
    </message>
    <message>
        <source>%1, %2 typical wait</source>
        <translation>%1, வழக்கமான காத்திருப்பு %2</translation>
    </message>
    <message>
        <source>Start your streak today.</source>
        <translation>இன்றே உங்கள் தொடர்நாட்களைத் தொடங்குங்கள்.</translation>
    </message>
    <message>
        <source>Overview</source>
        <translation>மேலோட்டம்</translation>
    </message>
    <message>
        <source>General</source>
        <translation>பொது</translation>
    </message>
    <message>
        <source>Engine</source>
        <translation>இன்ஜின்</translation>
    </message>
    <message>
        <source>Context</source>
        <translation>சூழல்</translation>
    </message>
    <message>
        <source>Your Voice</source>
        <translation>உங்கள் நடை</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>விசைகள்</translation>
    </message>
    <message>
        <source>Emoji</source>
        <translation>ஈமோஜி</translation>
    </message>
    <message>
        <source>Battery</source>
        <translation>பேட்டரி</translation>
    </message>
    <message>
        <source>Insights</source>
        <translation>புள்ளிவிவரங்கள்</translation>
    </message>
    <message>
        <source>Field Inspector</source>
        <translation>புல ஆய்வி</translation>
    </message>
    <message>
        <source>About</source>
        <translation>பற்றி</translation>
    </message>
    <message>
        <source>How %app is doing today</source>
        <translation>இன்று %app எப்படிச் செயல்படுகிறது</translation>
    </message>
    <message>
        <source>Where and how suggestions appear</source>
        <translation>பரிந்துரைகள் எங்கே, எப்படித் தோன்றும்</translation>
    </message>
    <message>
        <source>The model that writes your suggestions</source>
        <translation>உங்கள் பரிந்துரைகளை எழுதும் மாடல்</translation>
    </message>
    <message>
        <source>What %app may look at to guess better</source>
        <translation>சிறப்பாக ஊகிக்க %app எதைப் பார்க்கலாம்</translation>
    </message>
    <message>
        <source>Help suggestions sound like you</source>
        <translation>பரிந்துரைகளை உங்கள் நடையில் அமையச் செய்யுங்கள்</translation>
    </message>
    <message>
        <source>Accept, dismiss and summon suggestions</source>
        <translation>பரிந்துரைகளை ஏற்றல், நிராகரித்தல், வரவழைத்தல்</translation>
    </message>
    <message>
        <source>Emoji search and emoticons</source>
        <translation>ஈமோஜி தேடல், எமோடிகான்கள்</translation>
    </message>
    <message>
        <source>Rules for each app and website</source>
        <translation>ஒவ்வொரு ஆப்பிற்கும் இணையதளத்துக்குமான விதிகள்</translation>
    </message>
    <message>
        <source>Save power when you&apos;re unplugged</source>
        <translation>சார்ஜரில் இணைக்காதபோது மின்சாரத்தைச் சேமியுங்கள்</translation>
    </message>
    <message>
        <source>Words saved and how fast suggestions arrive</source>
        <translation>சேமித்த சொற்களும் பரிந்துரைகள் வரும் வேகமும்</translation>
    </message>
    <message>
        <source>What %app sees in the focused field</source>
        <translation>ஃபோகஸில் உள்ள புலத்தில் %app என்ன பார்க்கிறது</translation>
    </message>
    <message>
        <source>Version and privacy</source>
        <translation>பதிப்பும் தனியுரிமையும்</translation>
    </message>
    <message>
        <source>Writing</source>
        <translation>எழுதுதல்</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>உள்ளீடு</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>விதிகள்</translation>
    </message>
    <message>
        <source>Activity</source>
        <translation>செயல்பாடு</translation>
    </message>
    <message>
        <source>%app can read the field you&apos;re typing in and insert suggestions in any app.</source>
        <translation>நீங்கள் தட்டச்சு செய்யும் புலத்தை %app படிக்கவும், எந்த ஆப்பிலும் பரிந்துரைகளைச் செருகவும் முடியும்.</translation>
    </message>
    <message>
        <source>Allow Accessibility access</source>
        <translation>அணுகல்தன்மை அனுமதியை வழங்கு</translation>
    </message>
    <message>
        <source>%app needs it to read the text you type in other apps and to insert suggestions.</source>
        <translation>மற்ற ஆப்ஸில் நீங்கள் தட்டச்சு செய்யும் உரையைப் படிக்கவும் பரிந்துரைகளைச் செருகவும் %app-க்கு இது தேவை.</translation>
    </message>
    <message>
        <source>Allow…</source>
        <translation>அனுமதி…</translation>
    </message>
    <message>
        <source>%1 is ready</source>
        <translation>%1 தயார்</translation>
    </message>
    <message>
        <source>Checking %1</source>
        <translation>%1-ஐச் சரிபார்க்கிறது</translation>
    </message>
    <message>
        <source>This takes a moment.</source>
        <translation>இதற்குச் சிறிது நேரம் ஆகும்.</translation>
    </message>
    <message>
        <source>Your engine isn&apos;t ready</source>
        <translation>உங்கள் இன்ஜின் தயாராக இல்லை</translation>
    </message>
    <message>
        <source>Open Engine</source>
        <translation>இன்ஜின் அமைப்புகளைத் திற</translation>
    </message>
    <message>
        <source>The system&apos;s predictions are off</source>
        <translation>சிஸ்டத்தின் கணிப்புகள் முடக்கத்தில் உள்ளன</translation>
    </message>
    <message>
        <source>Only %app&apos;s suggestions appear while you type.</source>
        <translation>தட்டச்சு செய்யும்போது %app-இன் பரிந்துரைகள் மட்டுமே தோன்றும்.</translation>
    </message>
    <message>
        <source>Turn off the system&apos;s predictions</source>
        <translation>சிஸ்டத்தின் கணிப்புகளை முடக்கவும்</translation>
    </message>
    <message>
        <source>The system shows its own grey suggestions on top of %app&apos;s. Each app picks up the change the next time you open it.</source>
        <translation>சிஸ்டம் தன் சாம்பல் பரிந்துரைகளை %app-இன் பரிந்துரைகளின் மேல் காட்டுகிறது. ஒவ்வொரு ஆப்பையும் அடுத்த முறை திறக்கும்போது இந்த மாற்றம் பொருந்தும்.</translation>
    </message>
    <message>
        <source>Keyboard Settings</source>
        <translation>விசைப்பலகை அமைப்புகள்</translation>
    </message>
    <message>
        <source>Turn Off</source>
        <translation>முடக்கு</translation>
    </message>
    <message>
        <source>Only %app is suggesting</source>
        <translation>%app மட்டுமே பரிந்துரைக்கிறது</translation>
    </message>
    <message>
        <source>Tab reaches %app again.</source>
        <translation>Tab மீண்டும் %app-ஐச் சென்றடைகிறது.</translation>
    </message>
    <message numerus="yes">
        <source>%1 didn&apos;t quit. They may be showing a dialog. Force Quit closes them right away.</source>
        <translation>
            <numerusform>%1 மூடவில்லை. அது ஒரு உரையாடல் பெட்டியைக் காட்டிக்கொண்டிருக்கலாம். “வலுக்கட்டாயமாக மூடு” அதை உடனே மூடும்.</numerusform>
            <numerusform>%1 மூடவில்லை. அவை உரையாடல் பெட்டியைக் காட்டிக்கொண்டிருக்கலாம். “வலுக்கட்டாயமாக மூடு” அவற்றை உடனே மூடும்.</numerusform>
        </translation>
    </message>
    <message>
        <source>Force Quit</source>
        <translation>வலுக்கட்டாயமாக மூடு</translation>
    </message>
    <message numerus="yes">
        <source>%1 take the Tab key before %app can, so %app stays paused in your other apps until you quit them.</source>
        <translation>
            <numerusform>%app-க்கு முன்பே %1 Tab விசையை எடுத்துக்கொள்கிறது, எனவே நீங்கள் அதை மூடும் வரை உங்கள் மற்ற ஆப்ஸில் %app இடைநிறுத்தத்தில் இருக்கும்.</numerusform>
            <numerusform>%app-க்கு முன்பே %1 Tab விசையை எடுத்துக்கொள்கின்றன, எனவே நீங்கள் அவற்றை மூடும் வரை உங்கள் மற்ற ஆப்ஸில் %app இடைநிறுத்தத்தில் இருக்கும்.</numerusform>
        </translation>
    </message>
    <message>
        <source>Only when I ask</source>
        <translation>நான் கேட்கும்போது மட்டும்</translation>
    </message>
    <message>
        <source>On battery, suggestions appear only after you press the Suggest Now shortcut.</source>
        <translation>பேட்டரியில் இருக்கும்போது, “இப்போதே பரிந்துரை” ஷார்ட்கட்டை அழுத்திய பிறகே பரிந்துரைகள் தோன்றும்.</translation>
    </message>
    <message>
        <source>Shorter suggestions</source>
        <translation>குறுகிய பரிந்துரைகள்</translation>
    </message>
    <message>
        <source>Fewer words take less power to write.</source>
        <translation>குறைவான சொற்களை எழுதக் குறைவான மின்சாரம் போதும்.</translation>
    </message>
    <message>
        <source>Lighter model</source>
        <translation>இலகுவான மாடல்</translation>
    </message>
    <message>
        <source>Same as plugged in</source>
        <translation>சார்ஜரில் இருக்கும்போது போலவே</translation>
    </message>
    <message>
        <source>Running on battery. These apply right now.</source>
        <translation>பேட்டரியில் இயங்குகிறது. இவை இப்போதே பொருந்தும்.</translation>
    </message>
    <message>
        <source>Plugged in. These wait until you unplug.</source>
        <translation>சார்ஜரில் இணைக்கப்பட்டுள்ளது. சார்ஜரைத் துண்டித்ததும் இவை பொருந்தும்.</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>மாடல்</translation>
    </message>
    <message>
        <source>Model name</source>
        <translation>மாடல் பெயர்</translation>
    </message>
    <message>
        <source>Reload the model list</source>
        <translation>மாடல் பட்டியலைப் புதுப்பி</translation>
    </message>
    <message>
        <source>Choose a model</source>
        <translation>மாடலைத் தேர்ந்தெடுங்கள்</translation>
    </message>
    <message>
        <source>For people who already run Ollama, LM Studio or llama-server.</source>
        <translation>ஏற்கெனவே Ollama, LM Studio அல்லது llama-server இயக்குபவர்களுக்கு.</translation>
    </message>
    <message>
        <source>Use your own model</source>
        <translation>உங்கள் சொந்த மாடலைப் பயன்படுத்து</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>முகவரி</translation>
    </message>
    <message>
        <source>API key</source>
        <translation>API விசை</translation>
    </message>
    <message>
        <source>Only if your server asks for one</source>
        <translation>உங்கள் சேவையகம் கேட்டால் மட்டும்</translation>
    </message>
    <message>
        <source>Focused</source>
        <translation>கவனம்</translation>
    </message>
    <message>
        <source>Creativity</source>
        <translation>படைப்பாற்றல்</translation>
    </message>
    <message>
        <source>Loose</source>
        <translation>தளர்வு</translation>
    </message>
    <message>
        <source>Lower stays close to the obvious next words. Higher tries more.</source>
        <translation>குறைவான மதிப்பு வெளிப்படையான அடுத்த சொற்களுக்கு அருகில் இருக்கும். அதிக மதிப்பு அதிகம் முயலும்.</translation>
    </message>
    <message>
        <source>Wait before suggesting</source>
        <translation>பரிந்துரைக்கும் முன் காத்திருப்பு</translation>
    </message>
    <message>
        <source>How long you pause before %app starts.</source>
        <translation>%app தொடங்கும் முன் நீங்கள் எவ்வளவு நேரம் நிறுத்துகிறீர்கள்.</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>இயக்கு</translation>
    </message>
    <message>
        <source>Try the engine</source>
        <translation>இன்ஜினைச் சோதி</translation>
    </message>
    <message>
        <source>Sends a sample sentence and shows what comes back.</source>
        <translation>ஒரு மாதிரி வாக்கியத்தை அனுப்பி, திரும்ப வருவதைக் காட்டும்.</translation>
    </message>
    <message>
        <source>Running…</source>
        <translation>இயங்குகிறது…</translation>
    </message>
    <message>
        <source>The engine answered in %1 but had nothing useful to add.</source>
        <translation>இன்ஜின் %1 நேரத்தில் பதிலளித்தது, ஆனால் சேர்க்கப் பயனுள்ளதாக எதுவும் இல்லை.</translation>
    </message>
    <message>
        <source>That didn&apos;t work: %1</source>
        <translation>அது வேலை செய்யவில்லை: %1</translation>
    </message>
    <message>
        <source>The request was cancelled.</source>
        <translation>கோரிக்கை ரத்துசெய்யப்பட்டது.</translation>
    </message>
    <message>
        <source>Startup</source>
        <translation>தொடக்கம்</translation>
    </message>
    <message>
        <source>Launch at login</source>
        <translation>உள்நுழையும்போது தொடங்கு</translation>
    </message>
    <message>
        <source>Show today&apos;s word count next to the icon</source>
        <translation>ஐகானுக்கு அருகில் இன்றைய சொல் எண்ணிக்கையைக் காட்டு</translation>
    </message>
    <message>
        <source>Where suggestions appear</source>
        <translation>பரிந்துரைகள் எங்கே தோன்றும்</translation>
    </message>
    <message>
        <source>Turn this off to use %app only in the apps you switch on under Apps &amp; Sites.</source>
        <translation>“ஆப்ஸ் &amp; தளங்கள்” பகுதியில் நீங்கள் இயக்கும் ஆப்ஸில் மட்டும் %app-ஐப் பயன்படுத்த இதை முடக்கவும்.</translation>
    </message>
    <message>
        <source>By default %app waits until the caret is at the end of a line.</source>
        <translation>இயல்பாக, கேரட் வரியின் முடிவில் இருக்கும் வரை %app காத்திருக்கும்.</translation>
    </message>
    <message>
        <source>Without this, %app skips search bars and one-word boxes.</source>
        <translation>இது இல்லாமல், தேடல் பட்டைகளையும் ஒற்றைச் சொல் பெட்டிகளையும் %app தவிர்க்கும்.</translation>
    </message>
    <message>
        <source>Suggestions appear only after you press the Suggest Now shortcut.</source>
        <translation>“இப்போதே பரிந்துரை” ஷார்ட்கட்டை அழுத்திய பிறகே பரிந்துரைகள் தோன்றும்.</translation>
    </message>
    <message>
        <source>Spelling</source>
        <translation>எழுத்துச் சரிபார்ப்பு</translation>
    </message>
    <message>
        <source>Waits while the word you&apos;re typing looks misspelled, so %app doesn&apos;t build on a typo.</source>
        <translation>நீங்கள் தட்டச்சு செய்யும் சொல் பிழையாகத் தோன்றும் வரை காத்திருக்கும், அதனால் %app தட்டச்சுப் பிழையின் மேல் கட்டமைக்காது.</translation>
    </message>
    <message>
        <source>After a misspelled word, shows a fix next to the caret. Press Tab to swap it in.</source>
        <translation>பிழையான சொல்லுக்குப் பின், கேரட்டுக்கு அருகில் திருத்தத்தைக் காட்டும். மாற்ற Tab அழுத்தவும்.</translation>
    </message>
    <message>
        <source>Look</source>
        <translation>தோற்றம்</translation>
    </message>
    <message>
        <source>Suggestion color</source>
        <translation>பரிந்துரை நிறம்</translation>
    </message>
    <message>
        <source>Text size</source>
        <translation>உரை அளவு</translation>
    </message>
    <message>
        <source>Fine-tune if suggestions look larger or smaller than your text.</source>
        <translation>பரிந்துரைகள் உங்கள் உரையை விடப் பெரிதாகவோ சிறிதாகவோ தெரிந்தால் இதைச் சரிசெய்யவும்.</translation>
    </message>
    <message>
        <source>Vertical position</source>
        <translation>மேல்-கீழ் நிலை</translation>
    </message>
    <message>
        <source>Nudge suggestions up or down to line up with your text.</source>
        <translation>உங்கள் உரையுடன் ஒரே வரிசையில் அமைய பரிந்துரைகளைச் சற்று மேலே அல்லது கீழே நகர்த்தவும்.</translation>
    </message>
    <message>
        <source>A small keycap after your first suggestions, as a reminder of what to press.</source>
        <translation>முதல் சில பரிந்துரைகளுக்குப் பின் ஒரு சிறிய விசைக் குறி, எதை அழுத்த வேண்டும் என நினைவூட்ட.</translation>
    </message>
    <message>
        <source>Insert suggestions by</source>
        <translation>பரிந்துரைகளைச் செருகும் முறை</translation>
    </message>
    <message>
        <source>Other autocomplete apps</source>
        <translation>மற்ற தானியங்கு நிறைவு ஆப்ஸ்</translation>
    </message>
    <message>
        <source>They take the Tab key before %app can. With this off, %app asks you first.</source>
        <translation>அவை %app-க்கு முன்பே Tab விசையை எடுத்துக்கொள்கின்றன. இது முடக்கத்தில் இருந்தால், %app முதலில் உங்களிடம் கேட்கும்.</translation>
    </message>
    <message>
        <source>%1 is another device on your network, so the text around your caret will be sent there.</source>
        <translation>%1 உங்கள் நெட்வொர்க்கில் உள்ள வேறொரு சாதனம், எனவே கேரட்டைச் சுற்றியுள்ள உரை அங்கே அனுப்பப்படும்.</translation>
    </message>
    <message>
        <source>%1 isn&apos;t this computer, so the text around your caret will be sent there.</source>
        <translation>%1 இந்தக் கணினி அல்ல, எனவே கேரட்டைச் சுற்றியுள்ள உரை அங்கே அனுப்பப்படும்.</translation>
    </message>
    <message>
        <source>Both keep your text on this computer.</source>
        <translation>இரண்டும் உங்கள் உரையை இந்தக் கணினியிலேயே வைத்திருக்கும்.</translation>
    </message>
    <message>
        <source>%app opens by itself when you start your computer.</source>
        <translation>கணினியைத் தொடங்கும்போது %app தானாகத் திறக்கும்.</translation>
    </message>
    <message>
        <source>System predictions</source>
        <translation>சிஸ்டம் கணிப்புகள்</translation>
    </message>
    <message>
        <source>The system can show its own grey predictions. Keeping them off avoids two suggestions at once.</source>
        <translation>சிஸ்டம் தன் சாம்பல் கணிப்புகளைக் காட்டலாம். அவற்றை முடக்கி வைத்தால் ஒரே நேரத்தில் இரண்டு பரிந்துரைகள் தோன்றாது.</translation>
    </message>
    <message>
        <source>System predictions are on</source>
        <translation>சிஸ்டம் கணிப்புகள் இயக்கத்தில் உள்ளன</translation>
    </message>
    <message>
        <source>System predictions are off</source>
        <translation>சிஸ்டம் கணிப்புகள் முடக்கத்தில் உள்ளன</translation>
    </message>
    <message>
        <source>tab</source>
        <translation>tab</translation>
    </message>
    <message>
        <source>Your next words, one Tab away.</source>
        <translation>உங்கள் அடுத்த சொற்கள், ஒரு Tab தூரத்தில்.</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>தவிர்</translation>
    </message>
    <message>
        <source>Get Started</source>
        <translation>தொடங்குங்கள்</translation>
    </message>
    <message>
        <source>Turn sound on</source>
        <translation>ஒலியை இயக்கு</translation>
    </message>
    <message>
        <source>Turn sound off</source>
        <translation>ஒலியை முடக்கு</translation>
    </message>
    <message>
        <source>The other app</source>
        <translation>மற்ற ஆப்</translation>
    </message>
    <message numerus="yes">
        <source>Next time, quit %1 without asking</source>
        <translation>
            <numerusform>அடுத்த முறை கேட்காமலே %1-ஐ மூடு</numerusform>
            <numerusform>அடுத்த முறை கேட்காமலே %1-ஐ மூடு</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 is also running</source>
        <translation>
            <numerusform>%1-உம் இயங்குகிறது</numerusform>
            <numerusform>%1-உம் இயங்குகின்றன</numerusform>
        </translation>
    </message>
    <message>
        <source>Quitting…</source>
        <translation>மூடுகிறது…</translation>
    </message>
    <message numerus="yes">
        <source>%1 is still open</source>
        <translation>
            <numerusform>%1 இன்னும் திறந்துள்ளது</numerusform>
            <numerusform>%1 இன்னும் திறந்துள்ளன</numerusform>
        </translation>
    </message>
    <message>
        <source>%app has the Tab key</source>
        <translation>Tab விசை இப்போது %app-இடம்</translation>
    </message>
    <message>
        <source>%1 quit, so your suggestions are back in every app.</source>
        <translation>%1 மூடப்பட்டது, எனவே உங்கள் பரிந்துரைகள் எல்லா ஆப்ஸிலும் திரும்ப வந்துவிட்டன.</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>முடிந்தது</translation>
    </message>
    <message>
        <source>Open Source Notices</source>
        <translation>ஓப்பன் சோர்ஸ் அறிவிப்புகள்</translation>
    </message>
    <message>
        <source>Reset all settings?</source>
        <translation>எல்லா அமைப்புகளையும் மீட்டமைக்கவா?</translation>
    </message>
    <message>
        <source>This also clears your rules for apps and sites. Your statistics and writing memory stay.</source>
        <translation>இது ஆப்ஸ், தளங்களுக்கான உங்கள் விதிகளையும் அழிக்கும். உங்கள் புள்ளிவிவரங்களும் எழுத்து நினைவகமும் அப்படியே இருக்கும்.</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>மீட்டமை</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>பதிப்பு %1</translation>
    </message>
    <message>
        <source>Some apps hide their text</source>
        <translation>சில ஆப்ஸ் தங்கள் உரையை மறைக்கின்றன</translation>
    </message>
    <message>
        <source>Suggest emoji after a colon</source>
        <translation>முக்காற்புள்ளிக்குப் பின் ஈமோஜியைப் பரிந்துரை</translation>
    </message>
    <message>
        <source>Turn emoticons into emoji</source>
        <translation>எமோடிகான்களை ஈமோஜியாக மாற்று</translation>
    </message>
    <message>
        <source>After :-) or &lt;3, %app offers the matching emoji. Press Tab to swap it in.</source>
        <translation>:-) அல்லது &lt;3-க்குப் பின் %app பொருத்தமான ஈமோஜியைத் தரும். மாற்ற Tab அழுத்தவும்.</translation>
    </message>
    <message>
        <source>Skin tone</source>
        <translation>தோல் நிறம்</translation>
    </message>
    <message>
        <source>Also show the default yellow</source>
        <translation>இயல்பு மஞ்சளையும் காட்டு</translation>
    </message>
    <message>
        <source>Try a word</source>
        <translation>ஒரு சொல்லை முயலுங்கள்</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>குறைவு</translation>
    </message>
    <message>
        <source>No emoji match “%1”</source>
        <translation>“%1” உடன் எந்த ஈமோஜியும் பொருந்தவில்லை</translation>
    </message>
    <message>
        <source>Accepting</source>
        <translation>ஏற்றல்</translation>
    </message>
    <message>
        <source>Take the next word</source>
        <translation>அடுத்த சொல்லை எடு</translation>
    </message>
    <message>
        <source>Press again for each following word.</source>
        <translation>அடுத்து வரும் ஒவ்வொரு சொல்லுக்கும் மீண்டும் அழுத்தவும்.</translation>
    </message>
    <message>
        <source>Take the whole suggestion</source>
        <translation>முழுப் பரிந்துரையை எடு</translation>
    </message>
    <message>
        <source>The key above Tab is easy to reach on most keyboards.</source>
        <translation>பெரும்பாலான விசைப்பலகைகளில் Tab-க்கு மேலே உள்ள விசையை எளிதில் எட்டலாம்.</translation>
    </message>
    <message>
        <source>Include the space after a word</source>
        <translation>சொல்லுக்குப் பின் உள்ள இடைவெளியையும் சேர்</translation>
    </message>
    <message>
        <source>Include punctuation right after a word</source>
        <translation>சொல்லுக்கு உடனே பின் வரும் நிறுத்தக்குறிகளையும் சேர்</translation>
    </message>
    <message>
        <source>When you press Escape</source>
        <translation>Escape அழுத்தும்போது</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>ஷார்ட்கட்கள்</translation>
    </message>
    <message>
        <source>Suggest now</source>
        <translation>இப்போதே பரிந்துரை</translation>
    </message>
    <message>
        <source>Asks for a suggestion right away, even where %app would normally wait.</source>
        <translation>%app வழக்கமாகக் காத்திருக்கும் இடத்திலும் உடனே பரிந்துரையைக் கேட்கும்.</translation>
    </message>
    <message>
        <source>Other suggestions</source>
        <translation>மற்ற பரிந்துரைகள்</translation>
    </message>
    <message>
        <source>Lists a few different ways to continue. Choose with the arrow keys, then press Tab.</source>
        <translation>தொடர்வதற்குச் சில வெவ்வேறு வழிகளைப் பட்டியலிடும். அம்புக்குறி விசைகளால் தேர்ந்தெடுத்து Tab அழுத்தவும்.</translation>
    </message>
    <message>
        <source>Pause or resume in this app</source>
        <translation>இந்த ஆப்பில் இடைநிறுத்து அல்லது தொடர்</translation>
    </message>
    <message>
        <source>Pauses for 15 minutes.</source>
        <translation>15 நிமிடங்களுக்கு இடைநிறுத்தும்.</translation>
    </message>
    <message>
        <source>Turn %app on or off</source>
        <translation>%app-ஐ இயக்கு அல்லது முடக்கு</translation>
    </message>
    <message>
        <source>Everywhere, until you press it again.</source>
        <translation>எல்லா இடங்களிலும், நீங்கள் மீண்டும் அழுத்தும் வரை.</translation>
    </message>
    <message>
        <source>Pause or resume</source>
        <translation>இடைநிறுத்து அல்லது தொடர்</translation>
    </message>
    <message>
        <source>Turn on or off</source>
        <translation>இயக்கு அல்லது முடக்கு</translation>
    </message>
    <message>
        <source>%1 and %2 use the same keys. Only the first will work.</source>
        <translation>%1, %2 இரண்டும் ஒரே விசைகளைப் பயன்படுத்துகின்றன. முதலாவது மட்டுமே வேலை செய்யும்.</translation>
    </message>
    <message>
        <source>About you</source>
        <translation>உங்களைப் பற்றி</translation>
    </message>
    <message>
        <source>For example: I&apos;m a product designer in Berlin. I write short, friendly emails in British English and sign off with Cheers.</source>
        <translation>எடுத்துக்காட்டு: நான் பெர்லினில் ஒரு தயாரிப்பு வடிவமைப்பாளர். பிரிட்டிஷ் ஆங்கிலத்தில் சுருக்கமான, நட்பான மின்னஞ்சல்களை எழுதி, Cheers என்று முடிப்பேன்.</translation>
    </message>
    <message>
        <source>Your role, the languages you write in, names you use often, how you like to sound.</source>
        <translation>உங்கள் பணி, நீங்கள் எழுதும் மொழிகள், அடிக்கடி பயன்படுத்தும் பெயர்கள், நீங்கள் விரும்பும் தொனி.</translation>
    </message>
    <message>
        <source>Writing memory</source>
        <translation>எழுத்து நினைவகம்</translation>
    </message>
    <message>
        <source>Remember how I write</source>
        <translation>நான் எழுதும் விதத்தை நினைவில் வை</translation>
    </message>
    <message>
        <source>Also remember fields where I accept nothing</source>
        <translation>நான் எதையும் ஏற்காத புலங்களையும் நினைவில் வை</translation>
    </message>
    <message>
        <source>%app learns your style sooner but keeps more of what you type.</source>
        <translation>%app உங்கள் நடையை விரைவாகக் கற்கும், ஆனால் நீங்கள் தட்டச்சு செய்த உரையில் அதிகமானதைச் சேமித்து வைக்கும்.</translation>
    </message>
    <message>
        <source>Influence</source>
        <translation>தாக்கம்</translation>
    </message>
    <message>
        <source>Strong</source>
        <translation>அதிகம்</translation>
    </message>
    <message>
        <source>How many of your passages each suggestion can draw on.</source>
        <translation>ஒவ்வொரு பரிந்துரையும் உங்களின் எத்தனை பத்திகளைச் சார்ந்திருக்கலாம்.</translation>
    </message>
    <message>
        <source>Erase All…</source>
        <translation>எல்லாவற்றையும் அழி…</translation>
    </message>
    <message>
        <source>Erase everything %app remembered?</source>
        <translation>%app நினைவில் வைத்த அனைத்தையும் அழிக்கவா?</translation>
    </message>
    <message>
        <source>This can&apos;t be undone.</source>
        <translation>இதைச் செயல்தவிர்க்க முடியாது.</translation>
    </message>
    <message>
        <source>Erase All</source>
        <translation>எல்லாவற்றையும் அழி</translation>
    </message>
    <message>
        <source>Nothing remembered yet</source>
        <translation>இன்னும் எதுவும் நினைவில் இல்லை</translation>
    </message>
    <message>
        <source>App and window name</source>
        <translation>ஆப் மற்றும் சாளரத்தின் பெயர்</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>இணையதளம்</translation>
    </message>
    <message>
        <source>The site&apos;s domain when you write in a browser.</source>
        <translation>உலாவியில் எழுதும்போது தளத்தின் டொமைன்.</translation>
    </message>
    <message>
        <source>Recently copied text</source>
        <translation>சமீபத்தில் நகலெடுத்த உரை</translation>
    </message>
    <message>
        <source>Anything you copied in the last 10 minutes. Copies from password managers are skipped.</source>
        <translation>கடந்த 10 நிமிடங்களில் நீங்கள் நகலெடுத்த எதுவும். கடவுச்சொல் நிர்வாகிகளிலிருந்து நகலெடுத்தவை தவிர்க்கப்படும்.</translation>
    </message>
    <message>
        <source>Text on screen</source>
        <translation>திரையில் உள்ள உரை</translation>
    </message>
    <message>
        <source>Reads the window you&apos;re writing in, so replies fit the conversation. It picks the lines closest to where you type.</source>
        <translation>பதில்கள் உரையாடலுக்குப் பொருந்த, நீங்கள் எழுதும் சாளரத்தைப் படிக்கும். நீங்கள் தட்டச்சு செய்யும் இடத்துக்கு மிக அருகிலுள்ள வரிகளைத் தேர்ந்தெடுக்கும்.</translation>
    </message>
    <message>
        <source>What you just looked at</source>
        <translation>நீங்கள் சற்றுமுன் பார்த்தவை</translation>
    </message>
    <message>
        <source>Windows beside you</source>
        <translation>அருகிலுள்ள சாளரங்கள்</translation>
    </message>
    <message>
        <source>Also reads up to two other windows on the same screen, like the document you&apos;re replying about. Skips password managers and apps you switched off.</source>
        <translation>அதே திரையில் உள்ள மேலும் இரண்டு சாளரங்கள் வரை படிக்கும், எ.கா. நீங்கள் பதிலளிக்கும் ஆவணம். கடவுச்சொல் நிர்வாகிகளையும் நீங்கள் முடக்கிய ஆப்ஸையும் தவிர்க்கும்.</translation>
    </message>
    <message>
        <source>Off in this app</source>
        <translation>இந்த ஆப்பில் முடக்கம்</translation>
    </message>
    <message>
        <source>This word looks misspelled</source>
        <translation>இந்தச் சொல்லில் எழுத்துப்பிழை உள்ளது போல் தெரிகிறது</translation>
    </message>
    <message>
        <source>Thanks for the notes. I&apos;ll send the revised deck</source>
        <translation>குறிப்புகளுக்கு நன்றி. திருத்திய ஸ்லைடுகளை</translation>
    </message>
    <message>
        <source> by Friday morning.</source>
        <translation> வெள்ளிக்கிழமை காலைக்குள் அனுப்புகிறேன்.</translation>
    </message>
    <message>
        <source>%1 quit. %app has the Tab key.</source>
        <translation>%1 மூடப்பட்டது. Tab விசை இப்போது %app-இடம்.</translation>
    </message>
    <message>
        <source>Open Data Folder</source>
        <translation>தரவுக் கோப்புறையைத் திற</translation>
    </message>
    <message>
        <source>Show Welcome Again</source>
        <translation>வரவேற்பை மீண்டும் காட்டு</translation>
    </message>
    <message>
        <source>Play Intro Again</source>
        <translation>அறிமுகத்தை மீண்டும் இயக்கு</translation>
    </message>
    <message>
        <source>Reset Settings…</source>
        <translation>அமைப்புகளை மீட்டமை…</translation>
    </message>
    <message>
        <source>Suggest in every app</source>
        <translation>எல்லா ஆப்ஸிலும் பரிந்துரை</translation>
    </message>
    <message>
        <source>Suggest in code editors</source>
        <translation>குறியீட்டுத் திருத்திகளில் பரிந்துரை</translation>
    </message>
    <message>
        <source>Suggest in the middle of a line</source>
        <translation>வரியின் நடுவில் பரிந்துரை</translation>
    </message>
    <message>
        <source>Suggest in small fields</source>
        <translation>சிறிய புலங்களில் பரிந்துரை</translation>
    </message>
    <message>
        <source>Hold back on misspelled words</source>
        <translation>எழுத்துப்பிழையுள்ள சொற்களில் பொறுத்திரு</translation>
    </message>
    <message>
        <source>Offer spelling fixes</source>
        <translation>எழுத்துப்பிழைத் திருத்தங்களை வழங்கு</translation>
    </message>
    <message>
        <source>Show the key hint</source>
        <translation>விசைக் குறிப்பைக் காட்டு</translation>
    </message>
    <message>
        <source>Quit other autocomplete apps when they open</source>
        <translation>மற்ற தானியங்கு நிறைவு ஆப்ஸ் திறக்கும்போது அவற்றை மூடு</translation>
    </message>
    <message>
        <source>Keeps a few minutes of text from windows you switched away from, like a page you read before replying. It stays on your computer and skips apps you switched off.</source>
        <translation>நீங்கள் விட்டு நகர்ந்த சாளரங்களின் உரையைச் சில நிமிடங்கள் வைத்திருக்கும், எ.கா. பதிலளிக்கும் முன் நீங்கள் படித்த பக்கம். அது உங்கள் கணினியிலேயே இருக்கும், நீங்கள் முடக்கிய ஆப்ஸைத் தவிர்க்கும்.</translation>
    </message>
    <message numerus="yes">
        <source>Both apps answer the Tab key, and the system gives it to %1 first. %app stays paused in your other apps until %1 quits.</source>
        <translation>
            <numerusform>இரண்டு ஆப்ஸும் Tab விசைக்குப் பதிலளிக்கின்றன, சிஸ்டம் அதை முதலில் %1-க்குத் தருகிறது. %1 மூடும் வரை உங்கள் மற்ற ஆப்ஸில் %app இடைநிறுத்தத்தில் இருக்கும்.</numerusform>
            <numerusform>%app-க்கு முன்பே %1 Tab விசையை எடுத்துக்கொள்கின்றன, எனவே நீங்கள் அவற்றை மூடும் வரை உங்கள் மற்ற ஆப்ஸில் %app இடைநிறுத்தத்தில் இருக்கும்.</numerusform>
        </translation>
    </message>
    <message>
        <source>Finishes your sentences in any app, on your computer.</source>
        <translation>உங்கள் கணினியிலேயே, எந்த ஆப்பிலும் உங்கள் வாக்கியங்களை முடிக்கும்.</translation>
    </message>
    <message>
        <source>Keeps short passages from fields where you accepted a suggestion, encrypted on this computer, and shows them to the model as examples.</source>
        <translation>நீங்கள் பரிந்துரையை ஏற்ற புலங்களின் சிறு பத்திகளை இந்தக் கணினியில் மறையாக்கி வைத்து, மாடலுக்கு எடுத்துக்காட்டுகளாகக் காட்டும்.</translation>
    </message>
    <message>
        <source>Light</source>
        <comment>skin tone</comment>
        <translation>வெளிர்</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>சரி</translation>
    </message>
    <message>
        <source>Default</source>
        <comment>skin tone</comment>
        <translation>இயல்பு</translation>
    </message>
    <message>
        <source>Medium light</source>
        <comment>skin tone</comment>
        <translation>நடுத்தர வெளிர்</translation>
    </message>
    <message>
        <source>Medium</source>
        <comment>skin tone</comment>
        <translation>நடுத்தரம்</translation>
    </message>
    <message>
        <source>Medium dark</source>
        <comment>skin tone</comment>
        <translation>நடுத்தர அடர்</translation>
    </message>
    <message>
        <source>Dark</source>
        <comment>skin tone</comment>
        <translation>அடர்</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>தெரியவில்லை</translation>
    </message>
    <message>
        <source>%1 × %2 pt</source>
        <translation>%1 × %2 pt</translation>
    </message>
    <message>
        <source>No</source>
        <translation>இல்லை</translation>
    </message>
    <message>
        <source>Not reported, estimated from the caret</source>
        <translation>தெரிவிக்கப்படவில்லை, கேரட்டிலிருந்து மதிப்பிடப்பட்டது</translation>
    </message>
    <message>
        <source>%1 %2 pt</source>
        <translation>%1 %2 pt</translation>
    </message>
    <message>
        <source>System</source>
        <translation>சிஸ்டம்</translation>
    </message>
    <message>
        <source>Not yet</source>
        <translation>இன்னும் இல்லை</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>இன்று</translation>
    </message>
    <message>
        <source>Last 7 days</source>
        <translation>கடந்த 7 நாட்கள்</translation>
    </message>
    <message>
        <source>All time</source>
        <translation>எப்போதும்</translation>
    </message>
    <message>
        <source>Typing saved</source>
        <translation>சேமித்த தட்டச்சு</translation>
    </message>
    <message>
        <source>at 40 words a minute</source>
        <translation>நிமிடத்துக்கு 40 சொற்கள் என்ற வேகத்தில்</translation>
    </message>
    <message>
        <source>Accepted</source>
        <translation>ஏற்கப்பட்டவை</translation>
    </message>
    <message>
        <source>of suggestions shown</source>
        <translation>காட்டப்பட்ட பரிந்துரைகளில்</translation>
    </message>
    <message>
        <source>Typical wait</source>
        <translation>வழக்கமான காத்திருப்பு</translation>
    </message>
    <message>
        <source>9 in 10 under %1</source>
        <translation>10-இல் 9 முறை %1-க்குக் குறைவு</translation>
    </message>
    <message>
        <source>no requests yet</source>
        <translation>இன்னும் கோரிக்கைகள் இல்லை</translation>
    </message>
    <message>
        <source>Words saved</source>
        <translation>சேமித்த சொற்கள்</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>காலவரம்பு</translation>
    </message>
    <message>
        <source>Nothing to chart yet</source>
        <translation>வரைபடத்துக்கு இன்னும் எதுவும் இல்லை</translation>
    </message>
    <message>
        <source>Accept a few suggestions and your days show up here.</source>
        <translation>சில பரிந்துரைகளை ஏற்றால் உங்கள் நாட்கள் இங்கே தோன்றும்.</translation>
    </message>
    <message>
        <source>Where you write</source>
        <translation>நீங்கள் எங்கே எழுதுகிறீர்கள்</translation>
    </message>
    <message>
        <source>Reset Statistics…</source>
        <translation>புள்ளிவிவரங்களை மீட்டமை…</translation>
    </message>
    <message>
        <source>Reset all statistics?</source>
        <translation>எல்லாப் புள்ளிவிவரங்களையும் மீட்டமைக்கவா?</translation>
    </message>
    <message>
        <source>This clears words saved, acceptance and timing history.</source>
        <translation>இது சேமித்த சொற்கள், ஏற்பு, நேர வரலாற்றை அழிக்கும்.</translation>
    </message>
    <message>
        <source>Copy Diagnostics</source>
        <translation>கண்டறிதல் தகவலை நகலெடு</translation>
    </message>
    <message>
        <source>Diagnostics leave out the text you typed.</source>
        <translation>கண்டறிதல் தகவலில் நீங்கள் தட்டச்சு செய்த உரை இருக்காது.</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>நிலை</translation>
    </message>
    <message>
        <source>Right now</source>
        <translation>இப்போது</translation>
    </message>
    <message>
        <source>Allowed</source>
        <translation>அனுமதிக்கப்பட்டது</translation>
    </message>
    <message>
        <source>Not allowed</source>
        <translation>அனுமதிக்கப்படவில்லை</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>விசைப்பலகை</translation>
    </message>
    <message>
        <source>Listening</source>
        <translation>கவனிக்கிறது</translation>
    </message>
    <message>
        <source>Not listening</source>
        <translation>கவனிக்கவில்லை</translation>
    </message>
    <message>
        <source>Focused field</source>
        <translation>ஃபோகஸில் உள்ள புலம்</translation>
    </message>
    <message>
        <source>Click into a text field in another app, then come back. The last field %1 saw stays here.</source>
        <translation>வேறொரு ஆப்பில் உள்ள உரைப் புலத்தில் கிளிக் செய்து, திரும்பி வாருங்கள். %1 கடைசியாகப் பார்த்த புலம் இங்கே இருக்கும்.</translation>
    </message>
    <message>
        <source>App</source>
        <translation>ஆப்</translation>
    </message>
    <message>
        <source>Field type</source>
        <translation>புல வகை</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>சாளரம்</translation>
    </message>
    <message>
        <source>Field size</source>
        <translation>புல அளவு</translation>
    </message>
    <message>
        <source>Caret found</source>
        <translation>கேரட் கண்டறியப்பட்டது</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>எழுத்துரு</translation>
    </message>
    <message>
        <source>At end of line</source>
        <translation>வரியின் முடிவில்</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>ஆம்</translation>
    </message>
    <message>
        <source>Secure input</source>
        <translation>பாதுகாப்பான உள்ளீடு</translation>
    </message>
    <message>
        <source>Looked at lately</source>
        <translation>சமீபத்தில் பார்த்தவை</translation>
    </message>
    <message>
        <source>Text before the caret</source>
        <translation>கேரட்டுக்கு முன் உள்ள உரை</translation>
    </message>
    <message>
        <source>Last request</source>
        <translation>கடைசிக் கோரிக்கை</translation>
    </message>
    <message>
        <source>Wait</source>
        <translation>காத்திருப்பு</translation>
    </message>
    <message>
        <source>Suggestion</source>
        <translation>பரிந்துரை</translation>
    </message>
    <message>
        <source>Prompt sent to the engine</source>
        <translation>இன்ஜினுக்கு அனுப்பிய ப்ராம்ப்ட்</translation>
    </message>
    <message>
        <source>Raw answer</source>
        <translation>மூலப் பதில்</translation>
    </message>
    <message>
        <source>(empty)</source>
        <translation>(காலி)</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>நகலெடுக்கப்பட்டது</translation>
    </message>
    <message>
        <source>Choose a language</source>
        <translation>மொழியைத் தேர்ந்தெடுங்கள்</translation>
    </message>
    <message>
        <source>Search languages</source>
        <translation>மொழிகளைத் தேடு</translation>
    </message>
    <message>
        <source>Same as my computer</source>
        <translation>என் கணினியைப் போலவே</translation>
    </message>
    <message>
        <source>Switch to %1?</source>
        <translation>%1-க்கு மாற்றவா?</translation>
    </message>
    <message>
        <source>%1 closes and opens again in a second. Your settings stay as they are.</source>
        <translation>%1 மூடி, ஒரு நொடியில் மீண்டும் திறக்கும். உங்கள் அமைப்புகள் அப்படியே இருக்கும்.</translation>
    </message>
    <message>
        <source>Reopen Now</source>
        <translation>இப்போதே மீண்டும் திற</translation>
    </message>
    <message>
        <source>App language</source>
        <translation>ஆப் மொழி</translation>
    </message>
    <message>
        <source>Pick the language you read most easily. Suggestions follow whatever language you type.</source>
        <translation>நீங்கள் எளிதாகப் படிக்கும் மொழியைத் தேர்ந்தெடுங்கள். நீங்கள் எந்த மொழியில் தட்டச்சு செய்தாலும் பரிந்துரைகள் அதையே பின்பற்றும்.</translation>
    </message>
    <message>
        <source>Change the app language</source>
        <translation>ஆப் மொழியை மாற்று</translation>
    </message>
    <message>
        <source>0 min</source>
        <translation>0 நிமி</translation>
    </message>
    <message>
        <source>under a minute</source>
        <translation>ஒரு நிமிடத்துக்கும் குறைவு</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 வி</translation>
    </message>
    <message>
        <source>Not set</source>
        <translation>அமைக்கப்படவில்லை</translation>
    </message>
    <message>
        <source>Clear shortcut</source>
        <translation>ஷார்ட்கட்டை அழி</translation>
    </message>
    <message>
        <source>Add Ctrl, Alt or Super so normal typing still works.</source>
        <translation>சாதாரணத் தட்டச்சு தொடர்ந்து வேலை செய்ய Ctrl, Alt அல்லது Super சேர்க்கவும்.</translation>
    </message>
    <message>
        <source>Type a shortcut…</source>
        <translation>ஷார்ட்கட்டை உள்ளிடுக…</translation>
    </message>
    <message>
        <source>Recording shortcut</source>
        <translation>ஷார்ட்கட்டைப் பதிவுசெய்கிறது</translation>
    </message>
    <message>
        <source>Shortcut %1</source>
        <translation>ஷார்ட்கட் %1</translation>
    </message>
    <message>
        <source>Record shortcut</source>
        <translation>ஷார்ட்கட்டைப் பதிவுசெய்</translation>
    </message>
    <message>
        <source>Shortcut not set</source>
        <translation>ஷார்ட்கட் அமைக்கப்படவில்லை</translation>
    </message>
    <message>
        <source>Press to record a new shortcut. Escape cancels.</source>
        <translation>புதிய ஷார்ட்கட்டைப் பதிவுசெய்ய அழுத்தவும். Escape ரத்துசெய்யும்.</translation>
    </message>
    <message>
        <source>Your tray icon is hidden</source>
        <translation>உங்கள் ட்ரே ஐகான் மறைந்துள்ளது</translation>
    </message>
    <message>
        <source>This computer has no on-device language model</source>
        <translation>இந்தக் கணினியில் சாதனத்திலேயே இயங்கும் மொழி மாடல் இல்லை</translation>
    </message>
    <message>
        <source>Turn on the on-device model in the desktop&apos;s settings</source>
        <translation>டெஸ்க்டாப் அமைப்புகளில் சாதன மாடலை இயக்கவும்</translation>
    </message>
    <message>
        <source>The on-device model is unavailable</source>
        <translation>சாதன மாடல் கிடைக்கவில்லை</translation>
    </message>
    <message>
        <source>Downloading. The on-device model fills in until it&apos;s done.</source>
        <translation>பதிவிறக்குகிறது. அது முடியும் வரை சாதன மாடல் பரிந்துரைகளை வழங்கும்.</translation>
    </message>
    <message>
        <source>The on-device model fills in until you download it.</source>
        <translation>நீங்கள் பதிவிறக்கும் வரை சாதன மாடல் பரிந்துரைகளை வழங்கும்.</translation>
    </message>
    <message>
        <source>%1 shares no text. Quit it and start it with %2 to get suggestions in it.</source>
        <translation>%1 எந்த உரையையும் பகிர்வதில்லை. அதில் பரிந்துரைகள் பெற, அதை மூடி %2 உடன் தொடங்கவும்.</translation>
    </message>
    <message>
        <source>On-device model</source>
        <translation>சாதன மாடல்</translation>
    </message>
    <message>
        <source>The system&apos;s own language model. Nothing to download.</source>
        <translation>சிஸ்டத்தின் சொந்த மொழி மாடல். பதிவிறக்க எதுவும் இல்லை.</translation>
    </message>
    <message>
        <source>A website name cannot hold spaces, tabs or line breaks.</source>
        <translation>இணையதளப் பெயரில் இடைவெளிகள், டேப்கள் அல்லது வரி முறிவுகள் இருக்கக் கூடாது.</translation>
    </message>
    <message>
        <source>Only addresses that start with http or https can be added.</source>
        <translation>http அல்லது https உடன் தொடங்கும் முகவரிகளை மட்டுமே சேர்க்க முடியும்.</translation>
    </message>
    <message>
        <source>That is not a website name. Type one such as wikipedia.org.</source>
        <translation>இது இணையதளப் பெயர் அல்ல. wikipedia.org போன்ற ஒரு பெயரைத் தட்டச்சு செய்யுங்கள்.</translation>
    </message>
    <message>
        <source>A port is a number from 1 to 65535.</source>
        <translation>போர்ட் என்பது 1 முதல் 65535 வரையிலான ஒரு எண்.</translation>
    </message>
    <message>
        <source>The on-device model fills in until the download is done.</source>
        <translation>பதிவிறக்கம் முடியும் வரை சாதன மாடல் பரிந்துரைகளை வழங்கும்.</translation>
    </message>
    <message>
        <source>Suggestions start once the download is done.</source>
        <translation>பதிவிறக்கம் முடிந்ததும் பரிந்துரைகள் தொடங்கும்.</translation>
    </message>
    <message>
        <source>This frees %1. The on-device model fills in until you download it again.</source>
        <translation>இது %1 இடத்தைக் காலிசெய்யும். மீண்டும் பதிவிறக்கும் வரை சாதன மாடல் பரிந்துரைகளை வழங்கும்.</translation>
    </message>
    <message>
        <source>This frees %1. The %app model can&apos;t suggest until you download it again.</source>
        <translation>இது %1 இடத்தைக் காலிசெய்யும். மீண்டும் பதிவிறக்கும் வரை %app மாடலால் பரிந்துரைக்க முடியாது.</translation>
    </message>
    <message>
        <source>There&apos;s no room for it, or your panel has no system tray. Add the panel&apos;s system tray or status area applet in its settings.</source>
        <translation>அதற்கு இடம் இல்லை, அல்லது உங்கள் பேனலில் சிஸ்டம் ட்ரே இல்லை. பேனலின் அமைப்புகளில் சிஸ்டம் ட்ரே அல்லது நிலைப் பகுதி ஆப்லெட்டைச் சேர்க்கவும்.</translation>
    </message>
    <message>
        <source>GNOME shows tray icons only with the AppIndicator extension. Install the gnome-shell-extension-appindicator package, log out and in, then turn it on in Extensions.</source>
        <translation>AppIndicator நீட்டிப்பு இருந்தால் மட்டுமே GNOME ட்ரே ஐகான்களைக் காட்டும். gnome-shell-extension-appindicator தொகுப்பை நிறுவி, வெளியேறி மீண்டும் உள்நுழைந்து, “நீட்டிப்புகள்” பகுதியில் அதை இயக்கவும்.</translation>
    </message>
    <message>
        <source>GNOME shows tray icons only with the AppIndicator extension. It is installed but off: turn it on in Extensions.</source>
        <translation>AppIndicator நீட்டிப்பு இருந்தால் மட்டுமே GNOME ட்ரே ஐகான்களைக் காட்டும். அது நிறுவப்பட்டுள்ளது, ஆனால் முடக்கத்தில் உள்ளது: “நீட்டிப்புகள்” பகுதியில் அதை இயக்கவும்.</translation>
    </message>
    <message>
        <source>Until then, open %app from your applications menu to reach Settings.</source>
        <translation>அதுவரை, அமைப்புகளை அடைய ஆப்ளிகேஷன் மெனுவிலிருந்து %app-ஐத் திறக்கவும்.</translation>
    </message>
    <message>
        <source>Open Extensions</source>
        <translation>“நீட்டிப்புகள்” திற</translation>
    </message>
    <message>
        <source>Show Count in Tray</source>
        <translation>ட்ரேயில் எண்ணிக்கையைக் காட்டு</translation>
    </message>
    <message>
        <source>%1 shares no text</source>
        <translation>%1 எந்த உரையையும் பகிர்வதில்லை</translation>
    </message>
    <message>
        <source>Copy command</source>
        <translation>கட்டளையை நகலெடு</translation>
    </message>
    <message>
        <source>There&apos;s no account and no analytics. With the %app model or the on-device model, your text stays on this computer.</source>
        <translation>கணக்கும் இல்லை, பகுப்பாய்வும் இல்லை. %app மாடல் அல்லது சாதன மாடலுடன் உங்கள் உரை இந்தக் கணினியிலேயே இருக்கும்.</translation>
    </message>
    <message>
        <source>There&apos;s no account and no analytics. With the %app model, your text stays on this computer.</source>
        <translation>கணக்கும் இல்லை, பகுப்பாய்வும் இல்லை. %app மாடலுடன் உங்கள் உரை இந்தக் கணினியிலேயே இருக்கும்.</translation>
    </message>
    <message>
        <source>%app lives in your system tray from now on. Click its icon to pause it in an app or open Settings.</source>
        <translation>இனி %app உங்கள் சிஸ்டம் ட்ரேயில் இருக்கும். ஒரு ஆப்பில் இடைநிறுத்த அல்லது அமைப்புகளைத் திறக்க அதன் ஐகானைக் கிளிக் செய்யுங்கள்.</translation>
    </message>
    <message>
        <source>%app has no account, no analytics and no servers of its own. The %app model and the on-device model keep your text on this computer. Other engines get it only if you set one up.</source>
        <translation>%app-க்குக் கணக்கு, பகுப்பாய்வு, சொந்தச் சேவையகங்கள் எதுவும் இல்லை. %app மாடலும் சாதன மாடலும் உங்கள் உரையை இந்தக் கணினியிலேயே வைத்திருக்கும். மற்ற இன்ஜின்களில் ஒன்றை நீங்கள் அமைத்தால் மட்டுமே அவை அதைப் பெறும்.</translation>
    </message>
    <message>
        <source>%app has no account, no analytics and no servers of its own. The %app model keeps your text on this computer. Other engines get it only if you set one up.</source>
        <translation>%app-க்குக் கணக்கு, பகுப்பாய்வு, சொந்தச் சேவையகங்கள் எதுவும் இல்லை. %app மாடல் உங்கள் உரையை இந்தக் கணினியிலேயே வைத்திருக்கும். மற்ற இன்ஜின்களில் ஒன்றை நீங்கள் அமைத்தால் மட்டுமே அவை அதைப் பெறும்.</translation>
    </message>
    <message>
        <source>Installed applications</source>
        <translation>நிறுவப்பட்ட ஆப்ளிகேஷன்கள்</translation>
    </message>
    <message>
        <source>%app reads these only while making a suggestion and never saves them. With the %app model or the on-device model, nothing leaves your computer.</source>
        <translation>பரிந்துரையை உருவாக்கும்போது மட்டுமே %app இவற்றைப் படிக்கும், ஒருபோதும் சேமிக்காது. %app மாடல் அல்லது சாதன மாடலுடன் எதுவும் உங்கள் கணினியை விட்டு வெளியேறாது.</translation>
    </message>
    <message>
        <source>%app reads these only while making a suggestion and never saves them. With the %app model, nothing leaves your computer.</source>
        <translation>பரிந்துரையை உருவாக்கும்போது மட்டுமே %app இவற்றைப் படிக்கும், ஒருபோதும் சேமிக்காது. %app மாடலுடன் எதுவும் உங்கள் கணினியை விட்டு வெளியேறாது.</translation>
    </message>
    <message>
        <source>The %app model keeps your text on this computer.</source>
        <translation>%app மாடல் உங்கள் உரையை இந்தக் கணினியிலேயே வைத்திருக்கும்.</translation>
    </message>
    <message>
        <source>The key holds a line break or another control character. Paste it again without them.</source>
        <translation>விசையில் வரி முறிவு அல்லது வேறொரு கட்டுப்பாட்டு எழுத்து உள்ளது. அவை இல்லாமல் மீண்டும் ஒட்டவும்.</translation>
    </message>
    <message>
        <source>Waiting for the keyring to store the key.</source>
        <translation>கீரிங் விசையைச் சேமிக்கக் காத்திருக்கிறது.</translation>
    </message>
    <message>
        <source>The keyring cannot keep this key, so it is used only until %app quits.</source>
        <translation>கீரிங்கால் இந்த விசையை வைத்திருக்க முடியாது, எனவே %app மூடும் வரை மட்டுமே இது பயன்படுத்தப்படும்.</translation>
    </message>
    <message>
        <source>Show in the system tray</source>
        <translation>சிஸ்டம் ட்ரேயில் காட்டு</translation>
    </message>
    <message>
        <source>Pause or open Settings from the system tray. Hidden? Open %app from your applications menu to come back.</source>
        <translation>சிஸ்டம் ட்ரேயிலிருந்து இடைநிறுத்தலாம் அல்லது அமைப்புகளைத் திறக்கலாம். மறைந்துள்ளதா? திரும்ப வர ஆப்ளிகேஷன் மெனுவிலிருந்து %app-ஐத் திறக்கவும்.</translation>
    </message>
    <message>
        <source>This tray can&apos;t show text beside icons, so the count shows in the icon&apos;s tooltip.</source>
        <translation>இந்த ட்ரே ஐகான்களுக்கு அருகில் உரையைக் காட்டாது, எனவே எண்ணிக்கை ஐகானின் உதவிக்குறிப்பில் தோன்றும்.</translation>
    </message>
    <message>
        <source>VS Code, VSCodium, Cursor, Zed, Kate, Sublime Text, JetBrains IDEs and similar apps.</source>
        <translation>VS Code, VSCodium, Cursor, Zed, Kate, Sublime Text, JetBrains IDE-கள் மற்றும் இவை போன்ற ஆப்ஸ்.</translation>
    </message>
    <message>
        <source>Your settings could not be read, so they were set aside and %app started over with its defaults.</source>
        <translation>உங்கள் அமைப்புகளைப் படிக்க முடியவில்லை, எனவே அவை ஒதுக்கி வைக்கப்பட்டு, %app இயல்பு அமைப்புகளுடன் புதிதாகத் தொடங்கியது.</translation>
    </message>
    <message>
        <source>Your settings are not saved: %app cannot write to its settings folder.</source>
        <translation>உங்கள் அமைப்புகள் சேமிக்கப்படவில்லை: %app தன் அமைப்புகள் கோப்புறையில் எழுத முடியவில்லை.</translation>
    </message>
    <message>
        <source>Your app and website rules could not be read, so they were set aside.</source>
        <translation>உங்கள் ஆப், இணையதள விதிகளைப் படிக்க முடியவில்லை, எனவே அவை ஒதுக்கி வைக்கப்பட்டன.</translation>
    </message>
    <message>
        <source>Your statistics could not be read, so they were set aside and counting started over.</source>
        <translation>உங்கள் புள்ளிவிவரங்களைப் படிக்க முடியவில்லை, எனவே அவை ஒதுக்கி வைக்கப்பட்டு, எண்ணிக்கை மீண்டும் தொடங்கியது.</translation>
    </message>
    <message>
        <source>Not saved: %app cannot write to its data folder.</source>
        <translation>சேமிக்கப்படவில்லை: %app தன் தரவுக் கோப்புறையில் எழுத முடியவில்லை.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln suggestions. %1 selected</source>
        <translation>
            <numerusform>%Ln பரிந்துரை. தேர்ந்தெடுக்கப்பட்டது: %1</numerusform>
            <numerusform>%Ln பரிந்துரைகள். தேர்ந்தெடுக்கப்பட்டது: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln min</source>
        <translation>
            <numerusform>%Ln நிமி</numerusform>
            <numerusform>%Ln நிமி</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln words</source>
        <translation>
            <numerusform>%Ln சொல்</numerusform>
            <numerusform>%Ln சொற்கள்</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln passages from here</source>
        <translation>
            <numerusform>இங்கிருந்து %Ln பத்தி</numerusform>
            <numerusform>இங்கிருந்து %Ln பத்திகள்</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>words</source>
        <comment>unit after a count</comment>
        <translation>
            <numerusform>சொல்</numerusform>
            <numerusform>சொற்கள்</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln days</source>
        <translation>
            <numerusform>%Ln நாள்</numerusform>
            <numerusform>%Ln நாட்கள்</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Words saved per day over the last %Ln days</source>
        <translation>
            <numerusform>கடந்த %Ln நாளில் நாள்தோறும் சேமித்த சொற்கள்</numerusform>
            <numerusform>கடந்த %Ln நாட்களில் நாள்தோறும் சேமித்த சொற்கள்</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln day streak</source>
        <translation>
            <numerusform>%Ln நாள் தொடர்ச்சி</numerusform>
            <numerusform>%Ln நாள் தொடர்ச்சி</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln passages remembered</source>
        <translation>
            <numerusform>%Ln பத்தி நினைவில் உள்ளது</numerusform>
            <numerusform>%Ln பத்திகள் நினைவில் உள்ளன</numerusform>
        </translation>
    </message>
    <message>
        <source>enter</source>
        <translation>enter</translation>
    </message>
    <message>
        <source>Allow screen capture so %app can read those too. Most apps work without it.</source>
        <translation>%app அவற்றையும் படிக்க, திரைப் பிடிப்பை அனுமதியுங்கள். பெரும்பாலான ஆப்ஸ் அது இல்லாமலே வேலை செய்யும்.</translation>
    </message>
    <message>
        <source>Type a colon and a word, like :rocket, then press Tab or Enter to pick.</source>
        <translation>ஒரு முக்காற்புள்ளியும் ஒரு சொல்லும் தட்டச்சு செய்யுங்கள், எ.கா. :rocket, பிறகு தேர்ந்தெடுக்க Tab அல்லது Enter அழுத்தவும்.</translation>
    </message>
    <message>
        <source>You can switch memory off for single apps under Apps &amp; Sites. The key that unlocks it lives in your keyring.</source>
        <translation>“ஆப்ஸ் &amp; தளங்கள்” பகுதியில் தனித்தனி ஆப்ஸுக்கு நினைவகத்தை முடக்கலாம். அதைத் திறக்கும் விசை உங்கள் கீரிங்கில் இருக்கும்.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln emoji. %1 selected</source>
        <translation>
            <numerusform>%Ln ஈமோஜி. தேர்ந்தெடுக்கப்பட்டது: %1</numerusform>
            <numerusform>%Ln ஈமோஜிகள். தேர்ந்தெடுக்கப்பட்டது: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Suggestion: %1</source>
        <translation>பரிந்துரை: %1</translation>
    </message>
    <message numerus="yes">
        <source>%Ln models available</source>
        <translation>
            <numerusform>%Ln மாடல் கிடைக்கிறது</numerusform>
            <numerusform>%Ln மாடல்கள் கிடைக்கின்றன</numerusform>
        </translation>
    </message>
    <message>
        <source>The model couldn&apos;t be saved: %1</source>
        <translation>மாடலைச் சேமிக்க முடியவில்லை: %1</translation>
    </message>
    <message>
        <source>Ollama isn&apos;t running.</source>
        <translation>Ollama இயங்கவில்லை.</translation>
    </message>
    <message>
        <source>Ollama isn&apos;t running at %1.</source>
        <translation>%1 முகவரியில் Ollama இயங்கவில்லை.</translation>
    </message>
    <message>
        <source>No server answered.</source>
        <translation>எந்தச் சேவையகமும் பதிலளிக்கவில்லை.</translation>
    </message>
    <message>
        <source>No server answered at %1.</source>
        <translation>%1 முகவரியில் எந்தச் சேவையகமும் பதிலளிக்கவில்லை.</translation>
    </message>
    <message>
        <source>Range: %1</source>
        <translation>காலம்: %1</translation>
    </message>
    <message numerus="yes">
        <source>%1, %Ln to do</source>
        <translation>
            <numerusform>%1, %Ln மீதம்</numerusform>
            <numerusform>%1, %Ln மீதம்</numerusform>
        </translation>
    </message>
    <message>
        <source>Type the whole name of the website, such as wikipedia.org.</source>
        <translation>இணையதளத்தின் முழுப் பெயரைத் தட்டச்சு செய்யுங்கள், எடுத்துக்காட்டாக wikipedia.org.</translation>
    </message>
    <message>
        <source>The key holds a space, an invisible character or a letter outside plain ASCII. Paste it again exactly as your server gave it.</source>
        <translation>விசையில் இடைவெளி, கண்ணுக்குத் தெரியாத எழுத்து அல்லது சாதாரண ASCII-க்கு வெளியே உள்ள எழுத்து உள்ளது. உங்கள் சேவையகம் தந்தபடியே மீண்டும் ஒட்டவும்.</translation>
    </message>
    <message>
        <source>The keyring could not be read, so your server is asked without an API key. Type the key again if your server needs one.</source>
        <translation>கீரிங்கைப் படிக்க முடியவில்லை, எனவே உங்கள் சேவையகத்திடம் API விசையின்றிக் கேட்கப்படுகிறது. உங்கள் சேவையகத்துக்கு விசை தேவைப்பட்டால் அதை மீண்டும் தட்டச்சு செய்யுங்கள்.</translation>
    </message>
    <message>
        <source>Your writing memory could not be opened, so it was set aside and %app started a new one.</source>
        <translation>உங்கள் எழுத்து நினைவகத்தைத் திறக்க முடியவில்லை, எனவே அது ஒதுக்கி வைக்கப்பட்டு %app புதிய ஒன்றைத் தொடங்கியது.</translation>
    </message>
    <message>
        <source>%1, converted for llama.cpp by %2</source>
        <translation>%1, llama.cpp-க்காக %2 மாற்றியது</translation>
    </message>
    <message>
        <source>The data folder %1 could not be made. Check that the folder above it exists and that you may write there.</source>
        <translation>தரவுக் கோப்புறை %1-ஐ உருவாக்க முடியவில்லை. அதற்கு மேலுள்ள கோப்புறை உள்ளதா, அங்கே எழுத உங்களுக்கு அனுமதி உள்ளதா எனச் சரிபார்க்கவும்.</translation>
    </message>
    <message>
        <source>party</source>
        <comment>emoji search sample</comment>
        <translation>விருந்து</translation>
    </message>
    <message numerus="yes">
        <source>%Ln settings held values %app cannot use, so they were corrected and saved.</source>
        <translation>
            <numerusform>%Ln அமைப்பில் %app பயன்படுத்த முடியாத மதிப்பு இருந்தது, எனவே அது திருத்தப்பட்டுச் சேமிக்கப்பட்டது.</numerusform>
            <numerusform>%Ln அமைப்புகளில் %app பயன்படுத்த முடியாத மதிப்புகள் இருந்தன, எனவே அவை திருத்தப்பட்டுச் சேமிக்கப்பட்டன.</numerusform>
        </translation>
    </message>
    <message>
        <source>Your writing memory is not saved: the keyring is missing or locked, so its key cannot be kept.</source>
        <translation>உங்கள் எழுத்து நினைவகம் சேமிக்கப்படவில்லை: கீரிங் இல்லை அல்லது பூட்டப்பட்டுள்ளது, எனவே அதன் விசையை வைத்திருக்க முடியாது.</translation>
    </message>
    <message>
        <source>That address isn&apos;t valid</source>
        <translation>இந்த முகவரி செல்லாது</translation>
    </message>
    <message>
        <source>The request timed out.</source>
        <translation>கோரிக்கையின் நேரம் முடிந்தது.</translation>
    </message>
    <message>
        <source>The server&apos;s reply was too long, so it was stopped.</source>
        <translation>சேவையகத்தின் பதில் மிக நீளமாக இருந்ததால் நிறுத்தப்பட்டது.</translation>
    </message>
    <message>
        <source>The server answered %1.</source>
        <translation>சேவையகம் %1 என்று பதிலளித்தது.</translation>
    </message>
    <message>
        <source>The server answered %1: %2</source>
        <translation>சேவையகம் %1 என்று பதிலளித்தது: %2</translation>
    </message>
    <message>
        <source>The download server answered %1. Try again later.</source>
        <translation>பதிவிறக்கச் சேவையகம் %1 என்று பதிலளித்தது. பிறகு மீண்டும் முயலவும்.</translation>
    </message>
    <message>
        <source>The download couldn&apos;t be saved: %1</source>
        <translation>பதிவிறக்கத்தைச் சேமிக்க முடியவில்லை: %1</translation>
    </message>
    <message>
        <source>The download paused because the connection dropped. Try again to pick up where it stopped.</source>
        <translation>இணைப்பு துண்டிக்கப்பட்டதால் பதிவிறக்கம் இடைநிறுத்தப்பட்டது. நின்ற இடத்திலிருந்து தொடர மீண்டும் முயலவும்.</translation>
    </message>
    <message>
        <source>The download stopped. Check your connection, then try again.</source>
        <translation>பதிவிறக்கம் நின்றுவிட்டது. இணைப்பைச் சரிபார்த்து, மீண்டும் முயலவும்.</translation>
    </message>
    <message>
        <source>Pick an Ollama model in Settings</source>
        <translation>அமைப்புகளில் ஒரு Ollama மாடலைத் தேர்வுசெய்யவும்</translation>
    </message>
    <message>
        <source>Pick a model for your local server</source>
        <translation>உங்கள் உள்ளூர் சேவையகத்துக்கு ஒரு மாடலைத் தேர்வுசெய்யவும்</translation>
    </message>
    <message>
        <source>The server&apos;s answer is not HTTP.</source>
        <translation>சேவையகத்தின் பதில் HTTP அல்ல.</translation>
    </message>
    <message>
        <source>The data couldn&apos;t be read because it is missing.</source>
        <translation>தரவு இல்லாததால் அதைப் படிக்க முடியவில்லை.</translation>
    </message>
    <message>
        <source>The data couldn&apos;t be read because it isn&apos;t in the correct format.</source>
        <translation>தரவு சரியான வடிவத்தில் இல்லாததால் அதைப் படிக்க முடியவில்லை.</translation>
    </message>
    <message>
        <source>:%1:</source>
        <comment>emoji name</comment>
        <translation>:%1:</translation>
    </message>
    <message>
        <source>This computer has no on-device language model.</source>
        <translation>இந்தக் கணினியில் சாதனத்திலேயே இயங்கும் மொழி மாடல் இல்லை.</translation>
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
        <translation>%1-இல் இடைநிறுத்தம்</translation>
    </message>
    <message>
        <source>Paused in %1</source>
        <translation>%1-இல் இடைநிறுத்தம்</translation>
    </message>
    <message>
        <source>Off on %1</source>
        <translation>%1-இல் முடக்கம்</translation>
    </message>
    <message>
        <source>Off in %1</source>
        <translation>%1-இல் முடக்கம்</translation>
    </message>
    <message>
        <source>Off in %1 by default</source>
        <translation>%1-இல் இயல்பாக முடக்கம்</translation>
    </message>
    <message>
        <source>Off in code editors</source>
        <translation>குறியீட்டு எடிட்டர்களில் முடக்கம்</translation>
    </message>
    <message>
        <source>Off unless turned on per app</source>
        <translation>அந்த ஆப்பிற்கு இயக்காதவரை முடக்கம்</translation>
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
        <translation>ஸ்பேஸ்</translation>
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
        <translation>விசை %1</translation>
    </message>
    <message>
        <source>An email reply reads differently from a commit message.</source>
        <translation>மின்னஞ்சல் பதிலும் கமிட் செய்தியும் வெவ்வேறு விதமாக எழுதப்படுகின்றன.</translation>
    </message>
    <message>
        <source>Writes straight into the field. Cleanest in GTK and Qt apps.</source>
        <translation>நேரடியாகப் புலத்தில் எழுதுகிறது. GTK, Qt ஆப்ஸில் மிகச் சுத்தமாக.</translation>
    </message>
    <message>
        <source>Typing</source>
        <comment>insertion method</comment>
        <translation>தட்டச்சு</translation>
    </message>
    <message>
        <source>%1 h</source>
        <comment>hours with one decimal, such as 1.5</comment>
        <translation>%1 மணி</translation>
    </message>
    <message numerus="yes">
        <source>%Ln h</source>
        <translation>
            <numerusform>%Ln மணி</numerusform>
            <numerusform>%Ln மணி</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln ms</source>
        <translation>
            <numerusform>%Ln மி.வி</numerusform>
            <numerusform>%Ln மி.வி</numerusform>
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
            <numerusform>%Ln சொல் இன்று சேமிக்கப்பட்டது</numerusform>
            <numerusform>%Ln சொற்கள் இன்று சேமிக்கப்பட்டன</numerusform>
        </translation>
    </message>
    <message>
        <source>Under a minute of typing saved today.</source>
        <translation>இன்று ஒரு நிமிடத்துக்கும் குறைவான தட்டச்சு சேமிக்கப்பட்டது.</translation>
    </message>
    <message>
        <source>About %1 of typing saved today.</source>
        <translation>இன்று சுமார் %1 தட்டச்சு சேமிக்கப்பட்டது.</translation>
    </message>
    <message numerus="yes">
        <source>Step %1 of %Ln</source>
        <translation>
            <numerusform>படி %1 / %Ln</numerusform>
            <numerusform>படி %1 / %Ln</numerusform>
        </translation>
    </message>
    <message>
        <source>%app reads and types into text fields through the desktop&apos;s accessibility support, which some desktops leave off. %app uses it only for the field you&apos;re writing in.</source>
        <translation>டெஸ்க்டாப்பின் அணுகல்தன்மை ஆதரவின் மூலம் %app உரைப் புலங்களைப் படித்து அவற்றில் தட்டச்சு செய்கிறது; சில டெஸ்க்டாப்புகள் இதை முடக்கியே வைக்கின்றன. நீங்கள் எழுதும் புலத்துக்கு மட்டுமே %app இதைப் பயன்படுத்துகிறது.</translation>
    </message>
    <message>
        <source>The button switches the desktop&apos;s accessibility support on. If the desktop&apos;s settings open instead, turn accessibility on there, then come back. This page updates by itself.</source>
        <translation>இந்தப் பொத்தான் டெஸ்க்டாப்பின் அணுகல்தன்மை ஆதரவை இயக்குகிறது. அதற்குப் பதிலாக டெஸ்க்டாப்பின் அமைப்புகள் திறந்தால், அங்கே அணுகல்தன்மையை இயக்கிவிட்டுத் திரும்பி வாருங்கள். இந்தப் பக்கம் தானாகவே புதுப்பிக்கப்படும்.</translation>
    </message>
    <message>
        <source>Still off? Some desktops start their accessibility service only when you log in. Log out and back in, then try again.</source>
        <translation>இன்னும் முடக்கத்தில் உள்ளதா? சில டெஸ்க்டாப்புகள் உள்நுழையும்போது மட்டுமே அணுகல்தன்மை சேவையைத் தொடங்குகின்றன. வெளியேறி மீண்டும் உள்நுழைந்து, பிறகு மீண்டும் முயலுங்கள்.</translation>
    </message>
    <message>
        <source>Pause</source>
        <comment>section header</comment>
        <translation>இடைநிறுத்தம்</translation>
    </message>
    <message>
        <source>Pause</source>
        <comment>button</comment>
        <translation>இடைநிறுத்து</translation>
    </message>
    <message>
        <source>typing</source>
        <comment>insertion method, in a sentence</comment>
        <translation>தட்டச்சு</translation>
    </message>
    <message>
        <source>accessibility</source>
        <comment>insertion method, in a sentence</comment>
        <translation>அணுகல்தன்மை</translation>
    </message>
    <message>
        <source>paste</source>
        <comment>insertion method, in a sentence</comment>
        <translation>ஒட்டுதல்</translation>
    </message>
    <message>
        <source>short</source>
        <comment>suggestion length, in a sentence</comment>
        <translation>குறுகிய</translation>
    </message>
    <message>
        <source>medium</source>
        <comment>suggestion length, in a sentence</comment>
        <translation>நடுத்தர</translation>
    </message>
    <message>
        <source>long</source>
        <comment>suggestion length, in a sentence</comment>
        <translation>நீண்ட</translation>
    </message>
    <message>
        <source>Default follows General: %1, %2 suggestions.</source>
        <translation>இயல்பு “பொது” அமைப்பைப் பின்பற்றுகிறது: %1, %2 பரிந்துரைகள்.</translation>
    </message>
    <message>
        <source>Yes, at %1, %2 on screen, %3 pt tall, %4 and %5</source>
        <translation>ஆம், திரையில் %1, %2-இல், %3 pt உயரம், %4, %5</translation>
    </message>
    <message numerus="yes">
        <source>%Ln characters before it</source>
        <translation>
            <numerusform>முன்னால் %Ln எழுத்து</numerusform>
            <numerusform>முன்னால் %Ln எழுத்துகள்</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln after</source>
        <comment>characters after the caret</comment>
        <translation>
            <numerusform>பின்னால் %Ln</numerusform>
            <numerusform>பின்னால் %Ln</numerusform>
        </translation>
    </message>
    <message>
        <source>No system tray runs on this desktop, so the icon cannot show. %1</source>
        <translation>இந்த டெஸ்க்டாப்பில் எந்த சிஸ்டம் ட்ரேயும் இயங்கவில்லை, எனவே ஐகானைக் காட்ட முடியாது. %1</translation>
    </message>
    <message>
        <source>Typing</source>
        <comment>section header</comment>
        <translation>தட்டச்சு</translation>
    </message>
    <message>
        <source>Switch to the computer&apos;s language?</source>
        <translation>கணினியின் மொழிக்கு மாற்றவா?</translation>
    </message>
    <message numerus="yes">
        <source>%Ln words this week.</source>
        <translation>
            <numerusform>இந்த வாரம் %Ln சொல்.</numerusform>
            <numerusform>இந்த வாரம் %Ln சொற்கள்.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Under a minute of typing saved today. %Ln words this week.</source>
        <translation>
            <numerusform>இன்று ஒரு நிமிடத்துக்கும் குறைவான தட்டச்சு சேமிக்கப்பட்டது. இந்த வாரம் %Ln சொல்.</numerusform>
            <numerusform>இன்று ஒரு நிமிடத்துக்கும் குறைவான தட்டச்சு சேமிக்கப்பட்டது. இந்த வாரம் %Ln சொற்கள்.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>About %1 of typing saved today. %Ln words this week.</source>
        <translation>
            <numerusform>இன்று சுமார் %1 தட்டச்சு சேமிக்கப்பட்டது. இந்த வாரம் %Ln சொல்.</numerusform>
            <numerusform>இன்று சுமார் %1 தட்டச்சு சேமிக்கப்பட்டது. இந்த வாரம் %Ln சொற்கள்.</numerusform>
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
            <numerusform>%1-இல் %Ln முடிந்தது</numerusform>
            <numerusform>%1-இல் %Ln முடிந்தது</numerusform>
        </translation>
    </message>
    <message>
        <source>The server refused the connection. Check that it is running and that the address is right.</source>
        <translation>சேவையகம் இணைப்பை மறுத்தது. அது இயங்குகிறதா, முகவரி சரியானதா எனச் சரிபார்க்கவும்.</translation>
    </message>
    <message>
        <source>The server&apos;s name couldn&apos;t be found. Check the address.</source>
        <translation>சேவையகத்தின் பெயர் கிடைக்கவில்லை. முகவரியைச் சரிபார்க்கவும்.</translation>
    </message>
    <message>
        <source>A secure connection to the server couldn&apos;t be made.</source>
        <translation>சேவையகத்துடன் பாதுகாப்பான இணைப்பை உருவாக்க முடியவில்லை.</translation>
    </message>
    <message>
        <source>The server closed the connection before it answered.</source>
        <translation>பதிலளிக்கும் முன்பே சேவையகம் இணைப்பை மூடியது.</translation>
    </message>
    <message>
        <source>The network proxy couldn&apos;t be reached.</source>
        <translation>பிணையத்தின் பதிலாள் சேவையகத்தை அணுக முடியவில்லை.</translation>
    </message>
    <message>
        <source>The server couldn&apos;t be reached.</source>
        <translation>சேவையகத்தை அணுக முடியவில்லை.</translation>
    </message>
    <message>
        <source>Waiting for the network…</source>
        <translation>பிணையத்துக்காகக் காத்திருக்கிறது…</translation>
    </message>
    <message>
        <source>%1 is taken by another program.</source>
        <translation>%1-ஐ வேறொரு நிரல் பயன்படுத்துகிறது.</translation>
    </message>
    <message>
        <source>%1 could not open again. Your choice takes effect the next time you start it.</source>
        <translation>%1-ஐ மீண்டும் திறக்க முடியவில்லை. அடுத்த முறை தொடங்கும்போது உங்கள் தேர்வு நடைமுறைக்கு வரும்.</translation>
    </message>
    <message>
        <source>Downloading the model</source>
        <translation>மாடல் பதிவிறக்கப்படுகிறது</translation>
    </message>
    <message numerus="yes">
        <source>These apps answer the Tab key before %app can, so %app stays paused in your other apps until they quit.</source>
        <translation>
            <numerusform>இந்த ஆப்ஸ் %app-க்கு முன்பே Tab விசைக்குப் பதிலளிக்கின்றன, எனவே அவை மூடும் வரை உங்கள் மற்ற ஆப்ஸில் %app இடைநிறுத்தத்தில் இருக்கும்.</numerusform>
            <numerusform>இந்த ஆப்ஸ் %app-க்கு முன்பே Tab விசைக்குப் பதிலளிக்கின்றன, எனவே அவை மூடும் வரை உங்கள் மற்ற ஆப்ஸில் %app இடைநிறுத்தத்தில் இருக்கும்.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>It may be waiting on a dialog of its own. Force Quit closes it right away.</source>
        <translation>
            <numerusform>அது தன் சொந்த உரையாடல் பெட்டிக்காகக் காத்திருக்கலாம். “வலுக்கட்டாயமாக மூடு” அதை உடனே மூடும்.</numerusform>
            <numerusform>அவை தங்கள் சொந்த உரையாடல் பெட்டிகளுக்காகக் காத்திருக்கலாம். “வலுக்கட்டாயமாக மூடு” அவற்றை உடனே மூடும்.</numerusform>
        </translation>
    </message>
    <message>
        <source>Set a Suggest Now shortcut in Keys to ask for suggestions</source>
        <translation>பரிந்துரைகளைக் கேட்க “விசைகள்” பகுதியில் “இப்போதே பரிந்துரை” ஷார்ட்கட்டை அமைக்கவும்</translation>
    </message>
    <message>
        <source>Backspace</source>
        <comment>key above Enter that deletes backwards</comment>
        <translation>Backspace</translation>
    </message>
    <message>
        <source>0 words saved today</source>
        <translation>0 சொற்கள் இன்று சேமிக்கப்பட்டன</translation>
    </message>
    <message>
        <source>words saved today</source>
        <comment>beside the count 0</comment>
        <translation>சொற்கள் இன்று சேமிக்கப்பட்டன</translation>
    </message>
    <message>
        <source>Quit the other app</source>
        <translation>மற்ற ஆப்பை மூடு</translation>
    </message>
    <message>
        <source>None yet</source>
        <comment>no app looked at yet</comment>
        <translation>இன்னும் எதுவும் இல்லை</translation>
    </message>
    <message>
        <source>None yet</source>
        <comment>no suggestion shown yet</comment>
        <translation>இன்னும் பரிந்துரை இல்லை</translation>
    </message>
    <message>
        <source>The other app is also running</source>
        <translation>மற்ற ஆப்பும் இயங்குகிறது</translation>
    </message>
    <message>
        <source>Both apps answer the Tab key, and the system gives it to the other app first. %app stays paused in your other apps until the other app quits.</source>
        <translation>இரண்டு ஆப்ஸும் Tab விசைக்குப் பதிலளிக்கின்றன, சிஸ்டம் அதை முதலில் மற்ற ஆப்புக்குத் தருகிறது. அந்த ஆப் மூடும் வரை உங்கள் மற்ற ஆப்ஸில் %app இடைநிறுத்தத்தில் இருக்கும்.</translation>
    </message>
    <message>
        <source>The other app is still open</source>
        <translation>மற்ற ஆப் இன்னும் திறந்துள்ளது</translation>
    </message>
    <message>
        <source>The other app quit, so your suggestions are back in every app.</source>
        <translation>மற்ற ஆப் மூடப்பட்டது, எனவே உங்கள் பரிந்துரைகள் எல்லா ஆப்ஸிலும் திரும்ப வந்துவிட்டன.</translation>
    </message>
    <message>
        <source>The other app quit. %app has the Tab key.</source>
        <translation>மற்ற ஆப் மூடப்பட்டது. Tab விசை இப்போது %app-இடம்.</translation>
    </message>
</context>
</TS>
