<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ml" sourcelanguage="en">
<context>
    <name>Tessaquill</name>
    <message>
        <source>Accessibility is on. %app is ready in your other apps.</source>
        <translation>ഉപയോഗസഹായി ഓണാണ്. നിങ്ങളുടെ മറ്റ് ആപ്പുകളിൽ %app തയ്യാറാണ്.</translation>
    </message>
    <message>
        <source>Paused while %1 is open</source>
        <translation>%1 തുറന്നിരിക്കുമ്പോൾ താൽക്കാലികമായി നിർത്തി</translation>
    </message>
    <message>
        <source>Welcome to %app</source>
        <translation>%app-ലേക്ക് സ്വാഗതം</translation>
    </message>
    <message>
        <source>%app</source>
        <translation>%app</translation>
    </message>
    <message>
        <source>Another autocomplete app is running</source>
        <translation>മറ്റൊരു ഓട്ടോകംപ്ലീറ്റ് ആപ്പ് പ്രവർത്തിക്കുന്നുണ്ട്</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>തയ്യാറാണ്</translation>
    </message>
    <message>
        <source>Waiting for a pause</source>
        <translation>ഒരു ഇടവേളയ്ക്കായി കാത്തിരിക്കുന്നു</translation>
    </message>
    <message>
        <source>Thinking</source>
        <translation>ആലോചിക്കുന്നു</translation>
    </message>
    <message>
        <source>Showing a suggestion</source>
        <translation>നിർദ്ദേശം കാണിക്കുന്നു</translation>
    </message>
    <message>
        <source>The model took too long to answer</source>
        <translation>മോഡൽ മറുപടി നൽകാൻ വളരെയധികം സമയമെടുത്തു</translation>
    </message>
    <message>
        <source>This app doesn&apos;t report where the caret is</source>
        <translation>കഴ്സർ എവിടെയാണെന്ന് ഈ ആപ്പ് അറിയിക്കുന്നില്ല</translation>
    </message>
    <message>
        <source>%app is turned off</source>
        <translation>%app ഓഫാണ്</translation>
    </message>
    <message>
        <source>Secure input is on, so %app stays out</source>
        <translation>സുരക്ഷിത ഇൻപുട്ട് ഓണാണ്, അതിനാൽ %app ഇടപെടുന്നില്ല</translation>
    </message>
    <message>
        <source>Press %1 for a suggestion</source>
        <translation>നിർദ്ദേശത്തിനായി %1 അമർത്തുക</translation>
    </message>
    <message>
        <source>Text is selected</source>
        <translation>ടെക്സ്റ്റ് തിരഞ്ഞെടുത്തിട്ടുണ്ട്</translation>
    </message>
    <message>
        <source>The caret is inside existing text</source>
        <translation>കഴ്സർ നിലവിലുള്ള ടെക്സ്റ്റിനുള്ളിലാണ്</translation>
    </message>
    <message>
        <source>This field is too small</source>
        <translation>ഈ ഫീൽഡ് വളരെ ചെറുതാണ്</translation>
    </message>
    <message>
        <source>Waiting for a few characters</source>
        <translation>കുറച്ച് അക്ഷരങ്ങൾക്കായി കാത്തിരിക്കുന്നു</translation>
    </message>
    <message>
        <source>Start of a new line</source>
        <translation>പുതിയ വരിയുടെ തുടക്കം</translation>
    </message>
    <message>
        <source>The model is still downloading</source>
        <translation>മോഡൽ ഇപ്പോഴും ഡൗൺലോഡ് ചെയ്യുകയാണ്</translation>
    </message>
    <message>
        <source>Download the %app model in Settings first</source>
        <translation>ആദ്യം ക്രമീകരണത്തിൽ %app മോഡൽ ഡൗൺലോഡ് ചെയ്യുക</translation>
    </message>
    <message>
        <source>Not checked yet</source>
        <translation>ഇതുവരെ പരിശോധിച്ചിട്ടില്ല</translation>
    </message>
    <message>
        <source>Checking…</source>
        <translation>പരിശോധിക്കുന്നു…</translation>
    </message>
    <message>
        <source>The model stopped with error %1</source>
        <translation>പിശക് %1 കാരണം മോഡൽ നിന്നു</translation>
    </message>
    <message>
        <source>The model file couldn&apos;t be loaded</source>
        <translation>മോഡൽ ഫയൽ ലോഡ് ചെയ്യാനായില്ല</translation>
    </message>
    <message>
        <source>There wasn&apos;t enough memory to start the model</source>
        <translation>മോഡൽ ആരംഭിക്കാൻ ആവശ്യത്തിന് മെമ്മറി ഇല്ലായിരുന്നു</translation>
    </message>
    <message>
        <source>The text couldn&apos;t be prepared for the model</source>
        <translation>മോഡലിനായി ടെക്സ്റ്റ് തയ്യാറാക്കാനായില്ല</translation>
    </message>
    <message>
        <source>This computer needs %1 free for the download. Free up some space, then try again.</source>
        <translation>ഡൗൺലോഡിനായി ഈ കമ്പ്യൂട്ടറിൽ %1 ഒഴിവുള്ള ഇടം വേണം. കുറച്ച് ഇടം ഒഴിവാക്കിയ ശേഷം വീണ്ടും ശ്രമിക്കുക.</translation>
    </message>
    <message>
        <source>The download didn&apos;t match the expected file, so it was deleted. Try again.</source>
        <translation>ഡൗൺലോഡ് പ്രതീക്ഷിച്ച ഫയലുമായി പൊരുത്തപ്പെട്ടില്ല, അതിനാൽ അത് ഇല്ലാതാക്കി. വീണ്ടും ശ്രമിക്കുക.</translation>
    </message>
    <message>
        <source>Downloaded</source>
        <translation>ഡൗൺലോഡ് ചെയ്തു</translation>
    </message>
    <message>
        <source>Downloading. Suggestions start once it&apos;s done.</source>
        <translation>ഡൗൺലോഡ് ചെയ്യുന്നു. അത് പൂർത്തിയായാൽ നിർദ്ദേശങ്ങൾ തുടങ്ങും.</translation>
    </message>
    <message>
        <source>Checking the download.</source>
        <translation>ഡൗൺലോഡ് പരിശോധിക്കുന്നു.</translation>
    </message>
    <message>
        <source>Checking the download. Suggestions start once it&apos;s done.</source>
        <translation>ഡൗൺലോഡ് പരിശോധിക്കുന്നു. അത് പൂർത്തിയായാൽ നിർദ്ദേശങ്ങൾ തുടങ്ങും.</translation>
    </message>
    <message>
        <source>Download the model to start</source>
        <translation>ആരംഭിക്കാൻ മോഡൽ ഡൗൺലോഡ് ചെയ്യുക</translation>
    </message>
    <message>
        <source>Ollama is running but has no models</source>
        <translation>Ollama പ്രവർത്തിക്കുന്നുണ്ട്, പക്ഷേ അതിൽ മോഡലുകളൊന്നുമില്ല</translation>
    </message>
    <message>
        <source>Another app</source>
        <translation>മറ്റൊരു ആപ്പ്</translation>
    </message>
    <message>
        <source>There is no D-Bus session bus, so %1 cannot reach text fields.</source>
        <translation>D-Bus സെഷൻ ബസ് ഇല്ല, അതിനാൽ %1-ന് ടെക്സ്റ്റ് ഫീൽഡുകളിൽ എത്താനാവില്ല.</translation>
    </message>
    <message>
        <source>The desktop&apos;s accessibility bus is not running, so %1 cannot reach text fields.</source>
        <translation>ഡെസ്ക്ടോപ്പിന്റെ ഉപയോഗസഹായി ബസ് പ്രവർത്തിക്കുന്നില്ല, അതിനാൽ %1-ന് ടെക്സ്റ്റ് ഫീൽഡുകളിൽ എത്താനാവില്ല.</translation>
    </message>
    <message>
        <source>Short</source>
        <translation>ചെറുത്</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>ഇടത്തരം</translation>
    </message>
    <message>
        <source>Long</source>
        <translation>നീളമുള്ളത്</translation>
    </message>
    <message>
        <source>Hide the suggestion</source>
        <translation>നിർദ്ദേശം മറയ്ക്കുക</translation>
    </message>
    <message>
        <source>Hide suggestions until I change fields</source>
        <translation>ഞാൻ ഫീൽഡ് മാറുന്നതുവരെ നിർദ്ദേശങ്ങൾ മറയ്ക്കുക</translation>
    </message>
    <message>
        <source>Do nothing, send Escape to the app</source>
        <translation>ഒന്നും ചെയ്യരുത്, Escape ആപ്പിലേക്ക് അയയ്ക്കുക</translation>
    </message>
    <message>
        <source>Type it</source>
        <translation>ടൈപ്പ് ചെയ്യുക</translation>
    </message>
    <message>
        <source>Insert through Accessibility</source>
        <translation>ഉപയോഗസഹായി വഴി ചേർക്കുക</translation>
    </message>
    <message>
        <source>Paste it</source>
        <translation>ഒട്ടിക്കുക</translation>
    </message>
    <message>
        <source>Grey</source>
        <translation>ചാരനിറം</translation>
    </message>
    <message>
        <source>Gold tint</source>
        <translation>സ്വർണ്ണ നിറഭേദം</translation>
    </message>
    <message>
        <source>%app model</source>
        <translation>%app മോഡൽ</translation>
    </message>
    <message>
        <source>Ollama</source>
        <translation>Ollama</translation>
    </message>
    <message>
        <source>Local server</source>
        <translation>ലോക്കൽ സെർവർ</translation>
    </message>
    <message>
        <source>Runs on this computer after a one-time download. Works offline.</source>
        <translation>ഒരിക്കൽ ഡൗൺലോഡ് ചെയ്താൽ ഈ കമ്പ്യൂട്ടറിൽ പ്രവർത്തിക്കുന്നു. ഓഫ്‌ലൈനിലും പ്രവർത്തിക്കും.</translation>
    </message>
    <message>
        <source>Any model you run in Ollama, base models included.</source>
        <translation>നിങ്ങൾ Ollama-യിൽ പ്രവർത്തിപ്പിക്കുന്ന ഏത് മോഡലും, ബേസ് മോഡലുകൾ ഉൾപ്പെടെ.</translation>
    </message>
    <message>
        <source>LM Studio, llama-server or any OpenAI-compatible endpoint.</source>
        <translation>LM Studio, llama-server അല്ലെങ്കിൽ OpenAI-അനുയോജ്യമായ ഏതെങ്കിലും എൻഡ്‌പോയിന്റ്.</translation>
    </message>
    <message>
        <source>Sends the text as keystrokes. Works almost everywhere.</source>
        <translation>ടെക്സ്റ്റ് കീസ്ട്രോക്കുകളായി അയയ്ക്കുന്നു. മിക്കവാറും എല്ലായിടത്തും പ്രവർത്തിക്കും.</translation>
    </message>
    <message>
        <source>Uses the clipboard, then puts your clipboard back.</source>
        <translation>ക്ലിപ്പ്ബോർഡ് ഉപയോഗിക്കുന്നു, തുടർന്ന് നിങ്ങളുടെ ക്ലിപ്പ്ബോർഡ് തിരികെ വയ്ക്കുന്നു.</translation>
    </message>
    <message>
        <source>Accessibility</source>
        <translation>ഉപയോഗസഹായി</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>ഒട്ടിക്കൽ</translation>
    </message>
    <message>
        <source>Your writing memory could not be opened and was set aside. Nothing new is remembered until %app starts again.</source>
        <translation>നിങ്ങളുടെ എഴുത്ത് ഓർമ്മ തുറക്കാനായില്ല, അതിനാൽ അത് മാറ്റിവച്ചു. %app വീണ്ടും ആരംഭിക്കുന്നതുവരെ പുതിയതൊന്നും ഓർമ്മിക്കില്ല.</translation>
    </message>
    <message>
        <source>Your writing memory could not be opened because its key could not be read from the keyring. Nothing new is remembered until %app starts again.</source>
        <translation>കീറിംഗിൽ നിന്ന് കീ വായിക്കാനാകാത്തതിനാൽ നിങ്ങളുടെ എഴുത്ത് ഓർമ്മ തുറക്കാനായില്ല. %app വീണ്ടും ആരംഭിക്കുന്നതുവരെ പുതിയതൊന്നും ഓർമ്മിക്കില്ല.</translation>
    </message>
    <message>
        <source>Not Now</source>
        <translation>ഇപ്പോൾ വേണ്ട</translation>
    </message>
    <message>
        <source>Open the desktop&apos;s settings</source>
        <translation>ഡെസ്ക്ടോപ്പ് ക്രമീകരണം തുറക്കുക</translation>
    </message>
    <message>
        <source>Don&apos;t remind me again</source>
        <translation>ഇനി ഓർമ്മിപ്പിക്കരുത്</translation>
    </message>
    <message>
        <source>Open Playground</source>
        <translation>പരിശീലന ഫീൽഡ് തുറക്കുക</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>ക്രമീകരണം</translation>
    </message>
    <message>
        <source>Quit %app</source>
        <translation>%app-ൽ നിന്ന് പുറത്തുകടക്കുക</translation>
    </message>
    <message>
        <source>Needs Accessibility access</source>
        <translation>ഉപയോഗസഹായി ആക്‌സസ് ആവശ്യമാണ്</translation>
    </message>
    <message>
        <source>Paused until you resume</source>
        <translation>നിങ്ങൾ പുനരാരംഭിക്കുന്നതുവരെ താൽക്കാലികമായി നിർത്തി</translation>
    </message>
    <message>
        <source>Paused until %1</source>
        <translation>%1 വരെ താൽക്കാലികമായി നിർത്തി</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>ഓഫ്</translation>
    </message>
    <message numerus="yes">
        <source>Paused while %1 are open</source>
        <translation>
            <numerusform>%1 തുറന്നിരിക്കുമ്പോൾ താൽക്കാലികമായി നിർത്തി</numerusform>
            <numerusform>%1 തുറന്നിരിക്കുമ്പോൾ താൽക്കാലികമായി നിർത്തി</numerusform>
        </translation>
    </message>
    <message>
        <source>Grant Accessibility Access…</source>
        <translation>ഉപയോഗസഹായി ആക്‌സസ് നൽകുക…</translation>
    </message>
    <message numerus="yes">
        <source>Force Quit %1</source>
        <translation>
            <numerusform>%1 നിർബന്ധിച്ച് അടയ്ക്കുക</numerusform>
            <numerusform>%1 നിർബന്ധിച്ച് അടയ്ക്കുക</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Quit %1</source>
        <translation>
            <numerusform>%1 അടയ്ക്കുക</numerusform>
            <numerusform>%1 അടയ്ക്കുക</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>words saved today</source>
        <translation>
            <numerusform>വാക്ക് ഇന്ന് ലാഭിച്ചു</numerusform>
            <numerusform>വാക്കുകൾ ഇന്ന് ലാഭിച്ചു</numerusform>
        </translation>
    </message>
    <message>
        <source>Start typing anywhere. %app keeps count here.</source>
        <translation>എവിടെയും ടൈപ്പ് ചെയ്തു തുടങ്ങുക. %app ഇവിടെ എണ്ണം സൂക്ഷിക്കും.</translation>
    </message>
    <message>
        <source>Resume in %1</source>
        <translation>%1-ൽ പുനരാരംഭിക്കുക</translation>
    </message>
    <message>
        <source>Pause in %1</source>
        <translation>%1-ൽ താൽക്കാലികമായി നിർത്തുക</translation>
    </message>
    <message>
        <source>Resume Everywhere</source>
        <translation>എല്ലായിടത്തും പുനരാരംഭിക്കുക</translation>
    </message>
    <message>
        <source>Pause Everywhere</source>
        <translation>എല്ലായിടത്തും താൽക്കാലികമായി നിർത്തുക</translation>
    </message>
    <message>
        <source>For 15 Minutes</source>
        <translation>15 മിനിറ്റ് നേരത്തേക്ക്</translation>
    </message>
    <message>
        <source>For 1 Hour</source>
        <translation>1 മണിക്കൂർ നേരത്തേക്ക്</translation>
    </message>
    <message>
        <source>For 4 Hours</source>
        <translation>4 മണിക്കൂർ നേരത്തേക്ക്</translation>
    </message>
    <message>
        <source>Until I Resume</source>
        <translation>ഞാൻ പുനരാരംഭിക്കുന്നതുവരെ</translation>
    </message>
    <message>
        <source>Example: after typing %1, %2 suggests %3</source>
        <translation>ഉദാഹരണം: %1 എന്ന് ടൈപ്പ് ചെയ്ത ശേഷം, %2 നിർദ്ദേശിക്കുന്നത് %3</translation>
    </message>
    <message>
        <source>takes the next word</source>
        <translation>അടുത്ത വാക്ക് എടുക്കുന്നു</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>ഡൗൺലോഡ് ചെയ്യുക</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>റദ്ദാക്കുക</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%2-ൽ %1</translation>
    </message>
    <message>
        <source>%1 of %2. You can keep writing while it downloads.</source>
        <translation>%2-ൽ %1. ഡൗൺലോഡ് ചെയ്യുമ്പോഴും നിങ്ങൾക്ക് എഴുത്ത് തുടരാം.</translation>
    </message>
    <message>
        <source>Checking the download</source>
        <translation>ഡൗൺലോഡ് പരിശോധിക്കുന്നു</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>വീണ്ടും ശ്രമിക്കുക</translation>
    </message>
    <message>
        <source>Remove…</source>
        <translation>നീക്കം ചെയ്യുക…</translation>
    </message>
    <message>
        <source>%1 license</source>
        <translation>%1 ലൈസൻസ്</translation>
    </message>
    <message>
        <source>Remove the %app model?</source>
        <translation>%app മോഡൽ നീക്കം ചെയ്യണോ?</translation>
    </message>
    <message>
        <source>Model download</source>
        <translation>മോഡൽ ഡൗൺലോഡ്</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>നീക്കം ചെയ്യുക</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>തുടരുക</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>പിന്നീട്</translation>
    </message>
    <message>
        <source>Start Writing</source>
        <translation>എഴുതാൻ തുടങ്ങുക</translation>
    </message>
    <message>
        <source>Finish your sentences in any app.</source>
        <translation>ഏത് ആപ്പിലും നിങ്ങളുടെ വാക്യങ്ങൾ പൂർത്തിയാക്കുന്നു.</translation>
    </message>
    <message>
        <source>%app reads the words before your caret and suggests what comes next in grey. Press Tab to take one word, or the key above Tab to take the rest. If you don&apos;t want it, keep typing.</source>
        <translation>%app നിങ്ങളുടെ കഴ്സറിന് മുമ്പുള്ള വാക്കുകൾ വായിച്ച്, അടുത്തത് എന്തായിരിക്കാമെന്ന് ചാരനിറത്തിൽ നിർദ്ദേശിക്കുന്നു. ഒരു വാക്ക് എടുക്കാൻ Tab, ബാക്കിയെല്ലാം എടുക്കാൻ Tab-ന് മുകളിലുള്ള കീ അമർത്തുക. വേണ്ടെങ്കിൽ, ടൈപ്പിംഗ് തുടരുക.</translation>
    </message>
    <message>
        <source>Sees what you see</source>
        <translation>നിങ്ങൾ കാണുന്നത് കാണുന്നു</translation>
    </message>
    <message>
        <source>Private</source>
        <translation>സ്വകാര്യം</translation>
    </message>
    <message>
        <source>It reads the window you&apos;re typing in, like the chat you&apos;re answering, so suggestions fit. None of it goes online, to us or any server. It stays private on your computer.</source>
        <translation>നിർദ്ദേശങ്ങൾ യോജിക്കാൻ, നിങ്ങൾ ടൈപ്പ് ചെയ്യുന്ന വിൻഡോ, ഉദാഹരണത്തിന് നിങ്ങൾ മറുപടി നൽകുന്ന ചാറ്റ്, ഇത് വായിക്കുന്നു. അതിലൊന്നും ഓൺലൈനിലേക്കോ ഞങ്ങൾക്കോ ഏതെങ്കിലും സെർവറിലേക്കോ പോകുന്നില്ല. അത് നിങ്ങളുടെ കമ്പ്യൂട്ടറിൽ സ്വകാര്യമായി തുടരുന്നു.</translation>
    </message>
    <message>
        <source>Accessibility is on</source>
        <translation>ഉപയോഗസഹായി ഓണാണ്</translation>
    </message>
    <message>
        <source>%app can now read the field you&apos;re writing in and type suggestions for you.</source>
        <translation>നിങ്ങൾ എഴുതുന്ന ഫീൽഡ് വായിക്കാനും നിങ്ങൾക്കായി നിർദ്ദേശങ്ങൾ ടൈപ്പ് ചെയ്യാനും ഇപ്പോൾ %app-ന് കഴിയും.</translation>
    </message>
    <message>
        <source>Let %app see what you type.</source>
        <translation>നിങ്ങൾ ടൈപ്പ് ചെയ്യുന്നത് കാണാൻ %app-നെ അനുവദിക്കുക.</translation>
    </message>
    <message>
        <source>%app reads your text when you pause and forgets it after one suggestion, unless you turn on writing memory.</source>
        <translation>നിങ്ങൾ നിർത്തുമ്പോൾ %app നിങ്ങളുടെ ടെക്സ്റ്റ് വായിക്കുകയും ഒരു നിർദ്ദേശത്തിന് ശേഷം അത് മറക്കുകയും ചെയ്യുന്നു, നിങ്ങൾ എഴുത്ത് ഓർമ്മ ഓണാക്കിയില്ലെങ്കിൽ.</translation>
    </message>
    <message>
        <source>%app skips password fields and anything else the system marks as secure.</source>
        <translation>പാസ്‌വേഡ് ഫീൽഡുകളും സിസ്റ്റം സുരക്ഷിതമെന്ന് അടയാളപ്പെടുത്തുന്ന മറ്റെന്തും %app ഒഴിവാക്കുന്നു.</translation>
    </message>
    <message>
        <source>Open Accessibility Settings</source>
        <translation>ഉപയോഗസഹായി ക്രമീകരണം തുറക്കുക</translation>
    </message>
    <message>
        <source>Pick what writes your suggestions.</source>
        <translation>നിങ്ങളുടെ നിർദ്ദേശങ്ങൾ എന്ത് എഴുതണമെന്ന് തിരഞ്ഞെടുക്കുക.</translation>
    </message>
    <message>
        <source>You can change this any time in Settings.</source>
        <translation>ഇത് എപ്പോൾ വേണമെങ്കിലും ക്രമീകരണത്തിൽ മാറ്റാം.</translation>
    </message>
    <message>
        <source>Give it a try.</source>
        <translation>ഒന്ന് പരീക്ഷിച്ചുനോക്കൂ.</translation>
    </message>
    <message>
        <source>Start typing a sentence. When grey words appear, press Tab for one word or the key above Tab for all of them.</source>
        <translation>ഒരു വാക്യം ടൈപ്പ് ചെയ്തു തുടങ്ങുക. ചാരനിറത്തിലുള്ള വാക്കുകൾ കാണുമ്പോൾ, ഒരു വാക്കിന് Tab അല്ലെങ്കിൽ എല്ലാത്തിനും Tab-ന് മുകളിലുള്ള കീ അമർത്തുക.</translation>
    </message>
    <message>
        <source>Hi Orlenn, thanks for the quick reply. I think we should</source>
        <translation>ഹായ് ഓർലെൻ, പെട്ടെന്ന് മറുപടി തന്നതിന് നന്ദി. എന്റെ അഭിപ്രായത്തിൽ നമ്മൾ</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>മടങ്ങുക</translation>
    </message>
    <message>
        <source>Practice field</source>
        <translation>പരിശീലന ഫീൽഡ്</translation>
    </message>
    <message>
        <source>Default, on</source>
        <translation>ഡിഫോൾട്ട്, ഓൺ</translation>
    </message>
    <message>
        <source>Default, off</source>
        <translation>ഡിഫോൾട്ട്, ഓഫ്</translation>
    </message>
    <message>
        <source>Add a website</source>
        <translation>വെബ്സൈറ്റ് ചേർക്കുക</translation>
    </message>
    <message>
        <source>Domain</source>
        <translation>ഡൊമെയ്ൻ</translation>
    </message>
    <message>
        <source>Rules for a site apply in any browser %app can read.</source>
        <translation>ഒരു സൈറ്റിനുള്ള നിയമങ്ങൾ %app-ന് വായിക്കാനാകുന്ന ഏത് ബ്രൗസറിലും ബാധകമാണ്.</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>ചേർക്കുക</translation>
    </message>
    <message>
        <source>Add App…</source>
        <translation>ആപ്പ് ചേർക്കുക…</translation>
    </message>
    <message>
        <source>Add an app</source>
        <translation>ഒരു ആപ്പ് ചേർക്കുക</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>തിരയുക</translation>
    </message>
    <message>
        <source>Clear search</source>
        <translation>തിരയൽ മായ്ക്കുക</translation>
    </message>
    <message>
        <source>Add an app or website</source>
        <translation>ഒരു ആപ്പോ വെബ്സൈറ്റോ ചേർക്കുക</translation>
    </message>
    <message>
        <source>Add Website…</source>
        <translation>വെബ്സൈറ്റ് ചേർക്കുക…</translation>
    </message>
    <message>
        <source>Apps &amp; Sites</source>
        <translation>ആപ്പുകളും സൈറ്റുകളും</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>താൽക്കാലികമായി നിർത്തി</translation>
    </message>
    <message>
        <source>Apps</source>
        <translation>ആപ്പുകൾ</translation>
    </message>
    <message>
        <source>Websites</source>
        <translation>വെബ്സൈറ്റുകൾ</translation>
    </message>
    <message>
        <source>No matches</source>
        <translation>പൊരുത്തങ്ങളൊന്നുമില്ല</translation>
    </message>
    <message>
        <source>No apps yet</source>
        <translation>ഇതുവരെ ആപ്പുകളൊന്നുമില്ല</translation>
    </message>
    <message>
        <source>Nothing matches “%1”.</source>
        <translation>“%1” എന്നതുമായി ഒന്നും പൊരുത്തപ്പെടുന്നില്ല.</translation>
    </message>
    <message>
        <source>Apps appear here once you accept a suggestion in them, or add one with +.</source>
        <translation>ഒരു ആപ്പിൽ നിങ്ങൾ നിർദ്ദേശം സ്വീകരിച്ചാൽ അത് ഇവിടെ കാണും, അല്ലെങ്കിൽ + ഉപയോഗിച്ച് ചേർക്കുക.</translation>
    </message>
    <message>
        <source>Pick an app or site</source>
        <translation>ഒരു ആപ്പോ സൈറ്റോ തിരഞ്ഞെടുക്കുക</translation>
    </message>
    <message>
        <source>Each one can have its own rules. Anything you don&apos;t change follows General.</source>
        <translation>ഓരോന്നിനും സ്വന്തം നിയമങ്ങൾ ഉണ്ടാകാം. നിങ്ങൾ മാറ്റാത്തവ പൊതുവായ ക്രമീകരണം പിന്തുടരും.</translation>
    </message>
    <message>
        <source>Words saved here</source>
        <translation>ഇവിടെ ലാഭിച്ച വാക്കുകൾ</translation>
    </message>
    <message>
        <source>Suggestions</source>
        <translation>നിർദ്ദേശങ്ങൾ</translation>
    </message>
    <message>
        <source>On</source>
        <translation>ഓൺ</translation>
    </message>
    <message>
        <source>Tab accepts suggestions</source>
        <translation>Tab നിർദ്ദേശങ്ങൾ സ്വീകരിക്കുന്നു</translation>
    </message>
    <message>
        <source>Turn off where Tab already means something, like indenting. The other accept key still works.</source>
        <translation>ഇൻഡന്റ് ചെയ്യൽ പോലെ Tab-ന് ഇതിനകം മറ്റൊരു അർത്ഥമുള്ളിടത്ത് ഇത് ഓഫാക്കുക. മറ്റേ സ്വീകരിക്കൽ കീ തുടർന്നും പ്രവർത്തിക്കും.</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>ഡിഫോൾട്ട്</translation>
    </message>
    <message>
        <source>Insert by</source>
        <translation>ചേർക്കുന്ന രീതി</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>നീളം</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>പുനരാരംഭിക്കുക</translation>
    </message>
    <message>
        <source>Pause here</source>
        <translation>ഇവിടെ താൽക്കാലികമായി നിർത്തുക</translation>
    </message>
    <message>
        <source>Memory</source>
        <translation>ഓർമ്മ</translation>
    </message>
    <message>
        <source>Remember my writing here</source>
        <translation>ഇവിടെ എന്റെ എഴുത്ത് ഓർമ്മിക്കുക</translation>
    </message>
    <message>
        <source>Writing memory is off in Your Voice.</source>
        <translation>“നിങ്ങളുടെ ശൈലി”-യിൽ എഴുത്ത് ഓർമ്മ ഓഫാണ്.</translation>
    </message>
    <message>
        <source>Erase…</source>
        <translation>മായ്ക്കുക…</translation>
    </message>
    <message>
        <source>Reset to Defaults</source>
        <translation>ഡിഫോൾട്ടുകളിലേക്ക് റീസെറ്റ് ചെയ്യുക</translation>
    </message>
    <message>
        <source>Erase what %app remembered from %1?</source>
        <translation>%1-ൽ നിന്ന് %app ഓർമ്മിച്ചത് മായ്ക്കണോ?</translation>
    </message>
    <message>
        <source>Erase</source>
        <translation>മായ്ക്കുക</translation>
    </message>
    <message>
        <source>Passages from this app can shape suggestions everywhere.</source>
        <translation>ഈ ആപ്പിൽ നിന്നുള്ള വാചകഭാഗങ്ങൾ എല്ലായിടത്തുമുള്ള നിർദ്ദേശങ്ങളെ സ്വാധീനിച്ചേക്കാം.</translation>
    </message>
    <message>
        <source>Finish setting up</source>
        <translation>സജ്ജീകരണം പൂർത്തിയാക്കുക</translation>
    </message>
    <message>
        <source>Setup progress</source>
        <translation>സജ്ജീകരണ പുരോഗതി</translation>
    </message>
    <message>
        <source>Done: %1</source>
        <translation>പൂർത്തിയായി: %1</translation>
    </message>
    <message>
        <source>Best day yet!</source>
        <translation>ഇതുവരെയുള്ള ഏറ്റവും മികച്ച ദിവസം!</translation>
    </message>
    <message>
        <source>Try it here</source>
        <translation>ഇവിടെ പരീക്ഷിക്കുക</translation>
    </message>
    <message>
        <source>Thanks for sending the draft over. I had a look and</source>
        <translation>ഡ്രാഫ്റ്റ് അയച്ചതിന് നന്ദി. ഞാൻ ഒന്ന് നോക്കി, പിന്നെ</translation>
    </message>
    <message>
        <source>next word</source>
        <translation>അടുത്ത വാക്ക്</translation>
    </message>
    <message>
        <source>whole suggestion</source>
        <translation>മുഴുവൻ നിർദ്ദേശവും</translation>
    </message>
    <message>
        <source>hide it</source>
        <translation>അത് മറയ്ക്കുക</translation>
    </message>
    <message>
        <source>This field runs the real engine. Start typing and grey words show up as you go.</source>
        <translation>ഈ ഫീൽഡ് യഥാർത്ഥ എഞ്ചിൻ പ്രവർത്തിപ്പിക്കുന്നു. ടൈപ്പ് ചെയ്തു തുടങ്ങുമ്പോൾ ചാരനിറത്തിലുള്ള വാക്കുകൾ കാണാം.</translation>
    </message>
    <message>
        <source>This field runs the real engine, even before you allow Accessibility. Start typing and grey words show up as you go.</source>
        <translation>നിങ്ങൾ ഉപയോഗസഹായി അനുവദിക്കുന്നതിന് മുമ്പുതന്നെ ഈ ഫീൽഡ് യഥാർത്ഥ എഞ്ചിൻ പ്രവർത്തിപ്പിക്കുന്നു. ടൈപ്പ് ചെയ്തു തുടങ്ങുമ്പോൾ ചാരനിറത്തിലുള്ള വാക്കുകൾ കാണാം.</translation>
    </message>
    <message>
        <source>You&apos;re all set</source>
        <translation>എല്ലാം തയ്യാറാണ്</translation>
    </message>
    <message>
        <source>Accessibility is on and %1 is ready. %app works in every app you type in.</source>
        <translation>ഉപയോഗസഹായി ഓണാണ്, %1 തയ്യാറാണ്. നിങ്ങൾ ടൈപ്പ് ചെയ്യുന്ന എല്ലാ ആപ്പുകളിലും %app പ്രവർത്തിക്കുന്നു.</translation>
    </message>
    <message>
        <source>Waiting for %1 to quit</source>
        <translation>%1 അടയ്ക്കുന്നതിനായി കാത്തിരിക്കുന്നു</translation>
    </message>
    <message>
        <source>Turned off</source>
        <translation>ഓഫാക്കി</translation>
    </message>
    <message>
        <source>Paused everywhere</source>
        <translation>എല്ലായിടത്തും താൽക്കാലികമായി നിർത്തി</translation>
    </message>
    <message>
        <source>%1, %2 typical wait</source>
        <translation>%1, സാധാരണ കാത്തിരിപ്പ് %2</translation>
    </message>
    <message>
        <source>Start your streak today.</source>
        <translation>നിങ്ങളുടെ തുടർച്ചയായ ദിവസങ്ങളുടെ റെക്കോർഡ് ഇന്നുതന്നെ തുടങ്ങുക.</translation>
    </message>
    <message>
        <source>Overview</source>
        <translation>അവലോകനം</translation>
    </message>
    <message>
        <source>General</source>
        <translation>പൊതുവായത്</translation>
    </message>
    <message>
        <source>Engine</source>
        <translation>എഞ്ചിൻ</translation>
    </message>
    <message>
        <source>Context</source>
        <translation>സന്ദർഭം</translation>
    </message>
    <message>
        <source>Your Voice</source>
        <translation>നിങ്ങളുടെ ശൈലി</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>കീകൾ</translation>
    </message>
    <message>
        <source>Emoji</source>
        <translation>ഇമോജി</translation>
    </message>
    <message>
        <source>Battery</source>
        <translation>ബാറ്ററി</translation>
    </message>
    <message>
        <source>Insights</source>
        <translation>സ്ഥിതിവിവരക്കണക്കുകൾ</translation>
    </message>
    <message>
        <source>Field Inspector</source>
        <translation>ഫീൽഡ് ഇൻസ്പെക്ടർ</translation>
    </message>
    <message>
        <source>About</source>
        <translation>വിവരം</translation>
    </message>
    <message>
        <source>How %app is doing today</source>
        <translation>ഇന്ന് %app എങ്ങനെ പ്രവർത്തിക്കുന്നു</translation>
    </message>
    <message>
        <source>Where and how suggestions appear</source>
        <translation>നിർദ്ദേശങ്ങൾ എവിടെ, എങ്ങനെ ദൃശ്യമാകുന്നു</translation>
    </message>
    <message>
        <source>The model that writes your suggestions</source>
        <translation>നിങ്ങളുടെ നിർദ്ദേശങ്ങൾ എഴുതുന്ന മോഡൽ</translation>
    </message>
    <message>
        <source>What %app may look at to guess better</source>
        <translation>മികച്ച രീതിയിൽ ഊഹിക്കാൻ %app-ന് എന്തൊക്കെ നോക്കാം</translation>
    </message>
    <message>
        <source>Help suggestions sound like you</source>
        <translation>നിർദ്ദേശങ്ങൾ നിങ്ങളെപ്പോലെ തോന്നാൻ സഹായിക്കുക</translation>
    </message>
    <message>
        <source>Accept, dismiss and summon suggestions</source>
        <translation>നിർദ്ദേശങ്ങൾ സ്വീകരിക്കുക, ഒഴിവാക്കുക, വിളിക്കുക</translation>
    </message>
    <message>
        <source>Emoji search and emoticons</source>
        <translation>ഇമോജി തിരയലും ഇമോട്ടിക്കോണുകളും</translation>
    </message>
    <message>
        <source>Rules for each app and website</source>
        <translation>ഓരോ ആപ്പിനും വെബ്സൈറ്റിനുമുള്ള നിയമങ്ങൾ</translation>
    </message>
    <message>
        <source>Save power when you&apos;re unplugged</source>
        <translation>ചാർജർ ഇല്ലാത്തപ്പോൾ പവർ ലാഭിക്കുക</translation>
    </message>
    <message>
        <source>Words saved and how fast suggestions arrive</source>
        <translation>ലാഭിച്ച വാക്കുകളും നിർദ്ദേശങ്ങൾ എത്ര വേഗം എത്തുന്നു എന്നതും</translation>
    </message>
    <message>
        <source>What %app sees in the focused field</source>
        <translation>ഫോക്കസിലുള്ള ഫീൽഡിൽ %app കാണുന്നത്</translation>
    </message>
    <message>
        <source>Version and privacy</source>
        <translation>പതിപ്പും സ്വകാര്യതയും</translation>
    </message>
    <message>
        <source>Writing</source>
        <translation>എഴുത്ത്</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>ഇൻപുട്ട്</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>നിയമങ്ങൾ</translation>
    </message>
    <message>
        <source>Activity</source>
        <translation>പ്രവർത്തനം</translation>
    </message>
    <message>
        <source>%app can read the field you&apos;re typing in and insert suggestions in any app.</source>
        <translation>നിങ്ങൾ ടൈപ്പ് ചെയ്യുന്ന ഫീൽഡ് വായിക്കാനും ഏത് ആപ്പിലും നിർദ്ദേശങ്ങൾ ചേർക്കാനും %app-ന് കഴിയും.</translation>
    </message>
    <message>
        <source>Allow Accessibility access</source>
        <translation>ഉപയോഗസഹായി ആക്‌സസ് അനുവദിക്കുക</translation>
    </message>
    <message>
        <source>%app needs it to read the text you type in other apps and to insert suggestions.</source>
        <translation>മറ്റ് ആപ്പുകളിൽ നിങ്ങൾ ടൈപ്പ് ചെയ്യുന്ന ടെക്സ്റ്റ് വായിക്കാനും നിർദ്ദേശങ്ങൾ ചേർക്കാനും %app-ന് ഇത് ആവശ്യമാണ്.</translation>
    </message>
    <message>
        <source>Allow…</source>
        <translation>അനുവദിക്കുക…</translation>
    </message>
    <message>
        <source>%1 is ready</source>
        <translation>%1 തയ്യാറാണ്</translation>
    </message>
    <message>
        <source>Checking %1</source>
        <translation>%1 പരിശോധിക്കുന്നു</translation>
    </message>
    <message>
        <source>This takes a moment.</source>
        <translation>ഇതിന് അൽപ്പസമയമെടുക്കും.</translation>
    </message>
    <message>
        <source>Your engine isn&apos;t ready</source>
        <translation>നിങ്ങളുടെ എഞ്ചിൻ തയ്യാറല്ല</translation>
    </message>
    <message>
        <source>Open Engine</source>
        <translation>എഞ്ചിൻ ക്രമീകരണം തുറക്കുക</translation>
    </message>
    <message>
        <source>The system&apos;s predictions are off</source>
        <translation>സിസ്റ്റത്തിന്റെ പ്രവചനങ്ങൾ ഓഫാണ്</translation>
    </message>
    <message>
        <source>Only %app&apos;s suggestions appear while you type.</source>
        <translation>നിങ്ങൾ ടൈപ്പ് ചെയ്യുമ്പോൾ %app-ന്റെ നിർദ്ദേശങ്ങൾ മാത്രം ദൃശ്യമാകും.</translation>
    </message>
    <message>
        <source>Turn off the system&apos;s predictions</source>
        <translation>സിസ്റ്റത്തിന്റെ പ്രവചനങ്ങൾ ഓഫാക്കുക</translation>
    </message>
    <message>
        <source>The system shows its own grey suggestions on top of %app&apos;s. Each app picks up the change the next time you open it.</source>
        <translation>സിസ്റ്റം സ്വന്തം ചാരനിറ നിർദ്ദേശങ്ങൾ %app-ന്റെ നിർദ്ദേശങ്ങൾക്ക് മുകളിൽ കാണിക്കുന്നു. ഓരോ ആപ്പും അടുത്ത തവണ തുറക്കുമ്പോൾ മാറ്റം അതിൽ ബാധകമാകും.</translation>
    </message>
    <message>
        <source>Keyboard Settings</source>
        <translation>കീബോർഡ് ക്രമീകരണം</translation>
    </message>
    <message>
        <source>Turn Off</source>
        <translation>ഓഫാക്കുക</translation>
    </message>
    <message>
        <source>Only %app is suggesting</source>
        <translation>%app മാത്രമാണ് നിർദ്ദേശിക്കുന്നത്</translation>
    </message>
    <message>
        <source>Tab reaches %app again.</source>
        <translation>Tab വീണ്ടും %app-ൽ എത്തുന്നു.</translation>
    </message>
    <message numerus="yes">
        <source>%1 didn&apos;t quit. They may be showing a dialog. Force Quit closes them right away.</source>
        <translation>
            <numerusform>%1 അടച്ചില്ല. അത് ഒരു ഡയലോഗ് കാണിക്കുന്നുണ്ടാകാം. “നിർബന്ധിച്ച് അടയ്ക്കുക” അത് ഉടൻ അടയ്ക്കും.</numerusform>
            <numerusform>%1 അടച്ചില്ല. അവ ഡയലോഗ് കാണിക്കുന്നുണ്ടാകാം. “നിർബന്ധിച്ച് അടയ്ക്കുക” അവ ഉടൻ അടയ്ക്കും.</numerusform>
        </translation>
    </message>
    <message>
        <source>Force Quit</source>
        <translation>നിർബന്ധിച്ച് അടയ്ക്കുക</translation>
    </message>
    <message numerus="yes">
        <source>%1 take the Tab key before %app can, so %app stays paused in your other apps until you quit them.</source>
        <translation>
            <numerusform>%app-ന് മുമ്പേ %1 Tab കീ എടുക്കുന്നു, അതിനാൽ നിങ്ങൾ അത് അടയ്ക്കുന്നതുവരെ നിങ്ങളുടെ മറ്റ് ആപ്പുകളിൽ %app താൽക്കാലികമായി നിർത്തിയിരിക്കും.</numerusform>
            <numerusform>%app-ന് മുമ്പേ %1 Tab കീ എടുക്കുന്നു, അതിനാൽ നിങ്ങൾ അവ അടയ്ക്കുന്നതുവരെ നിങ്ങളുടെ മറ്റ് ആപ്പുകളിൽ %app താൽക്കാലികമായി നിർത്തിയിരിക്കും.</numerusform>
        </translation>
    </message>
    <message>
        <source>Only when I ask</source>
        <translation>ഞാൻ ആവശ്യപ്പെടുമ്പോൾ മാത്രം</translation>
    </message>
    <message>
        <source>On battery, suggestions appear only after you press the Suggest Now shortcut.</source>
        <translation>ബാറ്ററിയിൽ പ്രവർത്തിക്കുമ്പോൾ, “ഇപ്പോൾ നിർദ്ദേശിക്കുക” കുറുക്കുവഴി അമർത്തിയ ശേഷം മാത്രമേ നിർദ്ദേശങ്ങൾ ദൃശ്യമാകൂ.</translation>
    </message>
    <message>
        <source>Shorter suggestions</source>
        <translation>ചെറിയ നിർദ്ദേശങ്ങൾ</translation>
    </message>
    <message>
        <source>Fewer words take less power to write.</source>
        <translation>കുറച്ച് വാക്കുകൾ എഴുതാൻ കുറച്ച് പവർ മതി.</translation>
    </message>
    <message>
        <source>Lighter model</source>
        <translation>ഭാരം കുറഞ്ഞ മോഡൽ</translation>
    </message>
    <message>
        <source>Same as plugged in</source>
        <translation>ചാർജറിൽ ഉള്ളതുപോലെ തന്നെ</translation>
    </message>
    <message>
        <source>Running on battery. These apply right now.</source>
        <translation>ബാറ്ററിയിൽ പ്രവർത്തിക്കുന്നു. ഇവ ഇപ്പോൾ തന്നെ ബാധകമാണ്.</translation>
    </message>
    <message>
        <source>Plugged in. These wait until you unplug.</source>
        <translation>ചാർജറിൽ ഘടിപ്പിച്ചിരിക്കുന്നു. നിങ്ങൾ ചാർജർ മാറ്റുമ്പോൾ ഇവ ബാധകമാകും.</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>മോഡൽ</translation>
    </message>
    <message>
        <source>Model name</source>
        <translation>മോഡലിന്റെ പേര്</translation>
    </message>
    <message>
        <source>Reload the model list</source>
        <translation>മോഡൽ ലിസ്റ്റ് പുതുക്കുക</translation>
    </message>
    <message>
        <source>Choose a model</source>
        <translation>ഒരു മോഡൽ തിരഞ്ഞെടുക്കുക</translation>
    </message>
    <message>
        <source>For people who already run Ollama, LM Studio or llama-server.</source>
        <translation>ഇതിനകം Ollama, LM Studio അല്ലെങ്കിൽ llama-server പ്രവർത്തിപ്പിക്കുന്നവർക്ക്.</translation>
    </message>
    <message>
        <source>Use your own model</source>
        <translation>നിങ്ങളുടെ സ്വന്തം മോഡൽ ഉപയോഗിക്കുക</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>വിലാസം</translation>
    </message>
    <message>
        <source>API key</source>
        <translation>API കീ</translation>
    </message>
    <message>
        <source>Only if your server asks for one</source>
        <translation>നിങ്ങളുടെ സെർവർ ആവശ്യപ്പെട്ടാൽ മാത്രം</translation>
    </message>
    <message>
        <source>Focused</source>
        <translation>കൃത്യം</translation>
    </message>
    <message>
        <source>Creativity</source>
        <translation>സർഗ്ഗാത്മകത</translation>
    </message>
    <message>
        <source>Loose</source>
        <translation>അയഞ്ഞത്</translation>
    </message>
    <message>
        <source>Lower stays close to the obvious next words. Higher tries more.</source>
        <translation>കുറവാണെങ്കിൽ വ്യക്തമായ അടുത്ത വാക്കുകളോട് അടുത്തുനിൽക്കും. കൂടുതലാണെങ്കിൽ കൂടുതൽ പരീക്ഷിക്കും.</translation>
    </message>
    <message>
        <source>Wait before suggesting</source>
        <translation>നിർദ്ദേശിക്കുന്നതിന് മുമ്പ് കാത്തിരിക്കുക</translation>
    </message>
    <message>
        <source>How long you pause before %app starts.</source>
        <translation>%app തുടങ്ങുന്നതിന് മുമ്പ് നിങ്ങൾ എത്ര നേരം നിർത്തണം.</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>പ്രവർത്തിപ്പിക്കുക</translation>
    </message>
    <message>
        <source>Try the engine</source>
        <translation>എഞ്ചിൻ പരീക്ഷിക്കുക</translation>
    </message>
    <message>
        <source>Sends a sample sentence and shows what comes back.</source>
        <translation>ഒരു സാമ്പിൾ വാക്യം അയച്ച്, തിരികെ വരുന്നത് കാണിക്കുന്നു.</translation>
    </message>
    <message>
        <source>Running…</source>
        <translation>പ്രവർത്തിക്കുന്നു…</translation>
    </message>
    <message>
        <source>The engine answered in %1 but had nothing useful to add.</source>
        <translation>എഞ്ചിൻ %1-ൽ മറുപടി നൽകി, പക്ഷേ ചേർക്കാൻ ഉപയോഗപ്രദമായതൊന്നും ഉണ്ടായില്ല.</translation>
    </message>
    <message>
        <source>That didn&apos;t work: %1</source>
        <translation>അത് പ്രവർത്തിച്ചില്ല: %1</translation>
    </message>
    <message>
        <source>The request was cancelled.</source>
        <translation>അഭ്യർത്ഥന റദ്ദാക്കി.</translation>
    </message>
    <message>
        <source>Startup</source>
        <translation>സ്റ്റാർട്ടപ്പ്</translation>
    </message>
    <message>
        <source>Launch at login</source>
        <translation>ലോഗിൻ ചെയ്യുമ്പോൾ ആരംഭിക്കുക</translation>
    </message>
    <message>
        <source>Show today&apos;s word count next to the icon</source>
        <translation>ഐക്കണിന് അരികിൽ ഇന്നത്തെ വാക്കുകളുടെ എണ്ണം കാണിക്കുക</translation>
    </message>
    <message>
        <source>Where suggestions appear</source>
        <translation>നിർദ്ദേശങ്ങൾ ദൃശ്യമാകുന്നിടം</translation>
    </message>
    <message>
        <source>Turn this off to use %app only in the apps you switch on under Apps &amp; Sites.</source>
        <translation>“ആപ്പുകളും സൈറ്റുകളും” എന്നതിൽ നിങ്ങൾ ഓണാക്കുന്ന ആപ്പുകളിൽ മാത്രം %app ഉപയോഗിക്കാൻ ഇത് ഓഫാക്കുക.</translation>
    </message>
    <message>
        <source>By default %app waits until the caret is at the end of a line.</source>
        <translation>ഡിഫോൾട്ടായി, കഴ്സർ വരിയുടെ അവസാനമെത്തുന്നതുവരെ %app കാത്തിരിക്കുന്നു.</translation>
    </message>
    <message>
        <source>Without this, %app skips search bars and one-word boxes.</source>
        <translation>ഇതില്ലെങ്കിൽ, %app തിരയൽ ബാറുകളും ഒറ്റവാക്ക് ബോക്സുകളും ഒഴിവാക്കുന്നു.</translation>
    </message>
    <message>
        <source>Suggestions appear only after you press the Suggest Now shortcut.</source>
        <translation>“ഇപ്പോൾ നിർദ്ദേശിക്കുക” കുറുക്കുവഴി അമർത്തിയ ശേഷം മാത്രമേ നിർദ്ദേശങ്ങൾ ദൃശ്യമാകൂ.</translation>
    </message>
    <message>
        <source>Spelling</source>
        <translation>അക്ഷരവിന്യാസം</translation>
    </message>
    <message>
        <source>Waits while the word you&apos;re typing looks misspelled, so %app doesn&apos;t build on a typo.</source>
        <translation>നിങ്ങൾ ടൈപ്പ് ചെയ്യുന്ന വാക്കിൽ അക്ഷരത്തെറ്റുള്ളതായി തോന്നിയാൽ കാത്തിരിക്കുന്നു, അങ്ങനെ %app ഒരു തെറ്റിന്മേൽ തുടർന്നെഴുതില്ല.</translation>
    </message>
    <message>
        <source>After a misspelled word, shows a fix next to the caret. Press Tab to swap it in.</source>
        <translation>അക്ഷരത്തെറ്റുള്ള വാക്കിന് ശേഷം, കഴ്സറിന് അരികിൽ ഒരു തിരുത്ത് കാണിക്കുന്നു. അത് മാറ്റിച്ചേർക്കാൻ Tab അമർത്തുക.</translation>
    </message>
    <message>
        <source>Look</source>
        <translation>രൂപം</translation>
    </message>
    <message>
        <source>Suggestion color</source>
        <translation>നിർദ്ദേശത്തിന്റെ നിറം</translation>
    </message>
    <message>
        <source>Text size</source>
        <translation>ടെക്സ്റ്റ് വലുപ്പം</translation>
    </message>
    <message>
        <source>Fine-tune if suggestions look larger or smaller than your text.</source>
        <translation>നിർദ്ദേശങ്ങൾ നിങ്ങളുടെ ടെക്സ്റ്റിനേക്കാൾ വലുതോ ചെറുതോ ആയി തോന്നിയാൽ ക്രമീകരിക്കുക.</translation>
    </message>
    <message>
        <source>Vertical position</source>
        <translation>മുകളിലേക്കും താഴേക്കുമുള്ള സ്ഥാനം</translation>
    </message>
    <message>
        <source>Nudge suggestions up or down to line up with your text.</source>
        <translation>നിങ്ങളുടെ ടെക്സ്റ്റുമായി ഒരേ നിരയിലാക്കാൻ നിർദ്ദേശങ്ങൾ മുകളിലേക്കോ താഴേക്കോ നീക്കുക.</translation>
    </message>
    <message>
        <source>A small keycap after your first suggestions, as a reminder of what to press.</source>
        <translation>എന്ത് അമർത്തണമെന്ന് ഓർമ്മിപ്പിക്കാൻ ആദ്യ നിർദ്ദേശങ്ങൾക്ക് ശേഷം ഒരു ചെറിയ കീ ചിഹ്നം.</translation>
    </message>
    <message>
        <source>Insert suggestions by</source>
        <translation>നിർദ്ദേശങ്ങൾ ചേർക്കുന്ന രീതി</translation>
    </message>
    <message>
        <source>Other autocomplete apps</source>
        <translation>മറ്റ് ഓട്ടോകംപ്ലീറ്റ് ആപ്പുകൾ</translation>
    </message>
    <message>
        <source>They take the Tab key before %app can. With this off, %app asks you first.</source>
        <translation>അവ %app-ന് മുമ്പേ Tab കീ എടുക്കുന്നു. ഇത് ഓഫാണെങ്കിൽ, %app ആദ്യം നിങ്ങളോട് ചോദിക്കും.</translation>
    </message>
    <message>
        <source>%1 is another device on your network, so the text around your caret will be sent there.</source>
        <translation>%1 നിങ്ങളുടെ നെറ്റ്‌വർക്കിലെ മറ്റൊരു ഉപകരണമാണ്, അതിനാൽ നിങ്ങളുടെ കഴ്സറിന് ചുറ്റുമുള്ള ടെക്സ്റ്റ് അങ്ങോട്ട് അയയ്ക്കും.</translation>
    </message>
    <message>
        <source>%1 isn&apos;t this computer, so the text around your caret will be sent there.</source>
        <translation>%1 ഈ കമ്പ്യൂട്ടറല്ല, അതിനാൽ നിങ്ങളുടെ കഴ്സറിന് ചുറ്റുമുള്ള ടെക്സ്റ്റ് അങ്ങോട്ട് അയയ്ക്കും.</translation>
    </message>
    <message>
        <source>Both keep your text on this computer.</source>
        <translation>രണ്ടും നിങ്ങളുടെ ടെക്സ്റ്റ് ഈ കമ്പ്യൂട്ടറിൽ തന്നെ സൂക്ഷിക്കുന്നു.</translation>
    </message>
    <message>
        <source>%app opens by itself when you start your computer.</source>
        <translation>നിങ്ങൾ കമ്പ്യൂട്ടർ ആരംഭിക്കുമ്പോൾ %app സ്വയം തുറക്കും.</translation>
    </message>
    <message>
        <source>System predictions</source>
        <translation>സിസ്റ്റം പ്രവചനങ്ങൾ</translation>
    </message>
    <message>
        <source>The system can show its own grey predictions. Keeping them off avoids two suggestions at once.</source>
        <translation>സിസ്റ്റത്തിന് സ്വന്തം ചാരനിറ പ്രവചനങ്ങൾ കാണിക്കാനാകും. അവ ഓഫാക്കി വച്ചാൽ ഒരേസമയം രണ്ട് നിർദ്ദേശങ്ങൾ ഒഴിവാക്കാം.</translation>
    </message>
    <message>
        <source>System predictions are on</source>
        <translation>സിസ്റ്റം പ്രവചനങ്ങൾ ഓണാണ്</translation>
    </message>
    <message>
        <source>System predictions are off</source>
        <translation>സിസ്റ്റം പ്രവചനങ്ങൾ ഓഫാണ്</translation>
    </message>
    <message>
        <source>tab</source>
        <translation>tab</translation>
    </message>
    <message>
        <source>Your next words, one Tab away.</source>
        <translation>നിങ്ങളുടെ അടുത്ത വാക്കുകൾ, ഒരു Tab അകലെ.</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>ഒഴിവാക്കുക</translation>
    </message>
    <message>
        <source>Get Started</source>
        <translation>ആരംഭിക്കുക</translation>
    </message>
    <message>
        <source>Turn sound on</source>
        <translation>ശബ്ദം ഓണാക്കുക</translation>
    </message>
    <message>
        <source>Turn sound off</source>
        <translation>ശബ്ദം ഓഫാക്കുക</translation>
    </message>
    <message>
        <source>The other app</source>
        <translation>മറ്റേ ആപ്പ്</translation>
    </message>
    <message numerus="yes">
        <source>Next time, quit %1 without asking</source>
        <translation>
            <numerusform>അടുത്ത തവണ, ചോദിക്കാതെ %1 അടയ്ക്കുക</numerusform>
            <numerusform>അടുത്ത തവണ, ചോദിക്കാതെ %1 അടയ്ക്കുക</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 is also running</source>
        <translation>
            <numerusform>%1 കൂടി പ്രവർത്തിക്കുന്നുണ്ട്</numerusform>
            <numerusform>%1 കൂടി പ്രവർത്തിക്കുന്നുണ്ട്</numerusform>
        </translation>
    </message>
    <message>
        <source>Quitting…</source>
        <translation>അടയ്ക്കുന്നു…</translation>
    </message>
    <message numerus="yes">
        <source>%1 is still open</source>
        <translation>
            <numerusform>%1 ഇപ്പോഴും തുറന്നിരിക്കുന്നു</numerusform>
            <numerusform>%1 ഇപ്പോഴും തുറന്നിരിക്കുന്നു</numerusform>
        </translation>
    </message>
    <message>
        <source>%app has the Tab key</source>
        <translation>Tab കീ ഇപ്പോൾ %app-നാണ്</translation>
    </message>
    <message>
        <source>%1 quit, so your suggestions are back in every app.</source>
        <translation>%1 അടച്ചു, അതിനാൽ എല്ലാ ആപ്പുകളിലും നിങ്ങളുടെ നിർദ്ദേശങ്ങൾ തിരിച്ചെത്തി.</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>പൂർത്തിയായി</translation>
    </message>
    <message>
        <source>Open Source Notices</source>
        <translation>ഓപ്പൺ സോഴ്സ് അറിയിപ്പുകൾ</translation>
    </message>
    <message>
        <source>Reset all settings?</source>
        <translation>എല്ലാ ക്രമീകരണങ്ങളും റീസെറ്റ് ചെയ്യണോ?</translation>
    </message>
    <message>
        <source>This also clears your rules for apps and sites. Your statistics and writing memory stay.</source>
        <translation>ഇത് ആപ്പുകൾക്കും സൈറ്റുകൾക്കുമുള്ള നിങ്ങളുടെ നിയമങ്ങളും മായ്ക്കും. നിങ്ങളുടെ സ്ഥിതിവിവരക്കണക്കുകളും എഴുത്ത് ഓർമ്മയും നിലനിൽക്കും.</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>റീസെറ്റ് ചെയ്യുക</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>പതിപ്പ് %1</translation>
    </message>
    <message>
        <source>Some apps hide their text</source>
        <translation>ചില ആപ്പുകൾ അവയുടെ ടെക്സ്റ്റ് മറയ്ക്കുന്നു</translation>
    </message>
    <message>
        <source>Suggest emoji after a colon</source>
        <translation>കോളണിന് ശേഷം ഇമോജി നിർദ്ദേശിക്കുക</translation>
    </message>
    <message>
        <source>Turn emoticons into emoji</source>
        <translation>ഇമോട്ടിക്കോണുകൾ ഇമോജിയാക്കുക</translation>
    </message>
    <message>
        <source>After :-) or &lt;3, %app offers the matching emoji. Press Tab to swap it in.</source>
        <translation>:-) അല്ലെങ്കിൽ &lt;3 ശേഷം, %app യോജിക്കുന്ന ഇമോജി നൽകുന്നു. അത് മാറ്റിച്ചേർക്കാൻ Tab അമർത്തുക.</translation>
    </message>
    <message>
        <source>Skin tone</source>
        <translation>ചർമ്മത്തിന്റെ നിറം</translation>
    </message>
    <message>
        <source>Also show the default yellow</source>
        <translation>ഡിഫോൾട്ട് മഞ്ഞയും കാണിക്കുക</translation>
    </message>
    <message>
        <source>Try a word</source>
        <translation>ഒരു വാക്ക് പരീക്ഷിക്കുക</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>കുറവ്</translation>
    </message>
    <message>
        <source>No emoji match “%1”</source>
        <translation>“%1” എന്നതുമായി ഒരു ഇമോജിയും പൊരുത്തപ്പെടുന്നില്ല</translation>
    </message>
    <message>
        <source>Accepting</source>
        <translation>സ്വീകരിക്കൽ</translation>
    </message>
    <message>
        <source>Take the next word</source>
        <translation>അടുത്ത വാക്ക് എടുക്കുക</translation>
    </message>
    <message>
        <source>Press again for each following word.</source>
        <translation>തുടർന്നുള്ള ഓരോ വാക്കിനും വീണ്ടും അമർത്തുക.</translation>
    </message>
    <message>
        <source>Take the whole suggestion</source>
        <translation>മുഴുവൻ നിർദ്ദേശവും എടുക്കുക</translation>
    </message>
    <message>
        <source>The key above Tab is easy to reach on most keyboards.</source>
        <translation>മിക്ക കീബോർഡുകളിലും Tab-ന് മുകളിലുള്ള കീ എളുപ്പം എത്തിപ്പിടിക്കാം.</translation>
    </message>
    <message>
        <source>Include the space after a word</source>
        <translation>വാക്കിന് ശേഷമുള്ള സ്പേസ് ഉൾപ്പെടുത്തുക</translation>
    </message>
    <message>
        <source>Include punctuation right after a word</source>
        <translation>വാക്കിന് തൊട്ടുപിന്നാലെയുള്ള ചിഹ്നം ഉൾപ്പെടുത്തുക</translation>
    </message>
    <message>
        <source>When you press Escape</source>
        <translation>നിങ്ങൾ Escape അമർത്തുമ്പോൾ</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>കുറുക്കുവഴികൾ</translation>
    </message>
    <message>
        <source>Suggest now</source>
        <translation>ഇപ്പോൾ നിർദ്ദേശിക്കുക</translation>
    </message>
    <message>
        <source>Asks for a suggestion right away, even where %app would normally wait.</source>
        <translation>%app സാധാരണ കാത്തിരിക്കുന്നിടത്തുപോലും, ഉടൻ ഒരു നിർദ്ദേശം ആവശ്യപ്പെടുന്നു.</translation>
    </message>
    <message>
        <source>Other suggestions</source>
        <translation>മറ്റ് നിർദ്ദേശങ്ങൾ</translation>
    </message>
    <message>
        <source>Lists a few different ways to continue. Choose with the arrow keys, then press Tab.</source>
        <translation>തുടരാനുള്ള കുറച്ച് വ്യത്യസ്ത വഴികൾ പട്ടികപ്പെടുത്തുന്നു. അമ്പടയാള കീകൾ ഉപയോഗിച്ച് തിരഞ്ഞെടുത്ത്, Tab അമർത്തുക.</translation>
    </message>
    <message>
        <source>Pause or resume in this app</source>
        <translation>ഈ ആപ്പിൽ താൽക്കാലികമായി നിർത്തുക അല്ലെങ്കിൽ പുനരാരംഭിക്കുക</translation>
    </message>
    <message>
        <source>Pauses for 15 minutes.</source>
        <translation>15 മിനിറ്റ് നേരത്തേക്ക് നിർത്തുന്നു.</translation>
    </message>
    <message>
        <source>Turn %app on or off</source>
        <translation>%app ഓണോ ഓഫോ ആക്കുക</translation>
    </message>
    <message>
        <source>Everywhere, until you press it again.</source>
        <translation>എല്ലായിടത്തും, നിങ്ങൾ വീണ്ടും അമർത്തുന്നതുവരെ.</translation>
    </message>
    <message>
        <source>Pause or resume</source>
        <translation>താൽക്കാലികമായി നിർത്തുക അല്ലെങ്കിൽ പുനരാരംഭിക്കുക</translation>
    </message>
    <message>
        <source>Turn on or off</source>
        <translation>ഓണോ ഓഫോ ആക്കുക</translation>
    </message>
    <message>
        <source>%1 and %2 use the same keys. Only the first will work.</source>
        <translation>%1, %2 എന്നിവ ഒരേ കീകൾ ഉപയോഗിക്കുന്നു. ആദ്യത്തേത് മാത്രമേ പ്രവർത്തിക്കൂ.</translation>
    </message>
    <message>
        <source>About you</source>
        <translation>നിങ്ങളെക്കുറിച്ച്</translation>
    </message>
    <message>
        <source>For example: I&apos;m a product designer in Berlin. I write short, friendly emails in British English and sign off with Cheers.</source>
        <translation>ഉദാഹരണത്തിന്: ഞാൻ ബെർലിനിലെ ഒരു പ്രോഡക്റ്റ് ഡിസൈനറാണ്. ഞാൻ ബ്രിട്ടീഷ് ഇംഗ്ലീഷിൽ ചെറുതും സൗഹൃദപരവുമായ ഇമെയിലുകൾ എഴുതുന്നു, Cheers എന്ന് പറഞ്ഞ് അവസാനിപ്പിക്കുന്നു.</translation>
    </message>
    <message>
        <source>Your role, the languages you write in, names you use often, how you like to sound.</source>
        <translation>നിങ്ങളുടെ റോൾ, നിങ്ങൾ എഴുതുന്ന ഭാഷകൾ, നിങ്ങൾ പതിവായി ഉപയോഗിക്കുന്ന പേരുകൾ, നിങ്ങളുടെ എഴുത്തിന്റെ ശൈലി എങ്ങനെയായിരിക്കണമെന്ന്.</translation>
    </message>
    <message>
        <source>Writing memory</source>
        <translation>എഴുത്ത് ഓർമ്മ</translation>
    </message>
    <message>
        <source>Remember how I write</source>
        <translation>ഞാൻ എങ്ങനെ എഴുതുന്നുവെന്ന് ഓർമ്മിക്കുക</translation>
    </message>
    <message>
        <source>Also remember fields where I accept nothing</source>
        <translation>ഞാൻ ഒന്നും സ്വീകരിക്കാത്ത ഫീൽഡുകളും ഓർമ്മിക്കുക</translation>
    </message>
    <message>
        <source>%app learns your style sooner but keeps more of what you type.</source>
        <translation>%app നിങ്ങളുടെ ശൈലി വേഗത്തിൽ പഠിക്കും, പക്ഷേ നിങ്ങൾ ടൈപ്പ് ചെയ്ത ടെക്സ്റ്റിൽ കൂടുതൽ സൂക്ഷിക്കും.</translation>
    </message>
    <message>
        <source>Influence</source>
        <translation>സ്വാധീനം</translation>
    </message>
    <message>
        <source>Strong</source>
        <translation>കൂടുതൽ</translation>
    </message>
    <message>
        <source>How many of your passages each suggestion can draw on.</source>
        <translation>ഓരോ നിർദ്ദേശത്തിനും നിങ്ങളുടെ എത്ര വാചകഭാഗങ്ങൾ ആശ്രയിക്കാം.</translation>
    </message>
    <message>
        <source>Erase All…</source>
        <translation>എല്ലാം മായ്ക്കുക…</translation>
    </message>
    <message>
        <source>Erase everything %app remembered?</source>
        <translation>%app ഓർമ്മിച്ചതെല്ലാം മായ്ക്കണോ?</translation>
    </message>
    <message>
        <source>This can&apos;t be undone.</source>
        <translation>ഇത് പഴയപടിയാക്കാനാകില്ല.</translation>
    </message>
    <message>
        <source>Erase All</source>
        <translation>എല്ലാം മായ്ക്കുക</translation>
    </message>
    <message>
        <source>Nothing remembered yet</source>
        <translation>ഇതുവരെ ഒന്നും ഓർമ്മിച്ചിട്ടില്ല</translation>
    </message>
    <message>
        <source>App and window name</source>
        <translation>ആപ്പിന്റെയും വിൻഡോയുടെയും പേര്</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>വെബ്സൈറ്റ്</translation>
    </message>
    <message>
        <source>The site&apos;s domain when you write in a browser.</source>
        <translation>നിങ്ങൾ ബ്രൗസറിൽ എഴുതുമ്പോൾ സൈറ്റിന്റെ ഡൊമെയ്ൻ.</translation>
    </message>
    <message>
        <source>Recently copied text</source>
        <translation>അടുത്തിടെ പകർത്തിയ ടെക്സ്റ്റ്</translation>
    </message>
    <message>
        <source>Anything you copied in the last 10 minutes. Copies from password managers are skipped.</source>
        <translation>കഴിഞ്ഞ 10 മിനിറ്റിൽ നിങ്ങൾ പകർത്തിയ എന്തും. പാസ്‌വേഡ് മാനേജറുകളിൽ നിന്ന് പകർത്തിയവ ഒഴിവാക്കും.</translation>
    </message>
    <message>
        <source>Text on screen</source>
        <translation>സ്ക്രീനിലെ ടെക്സ്റ്റ്</translation>
    </message>
    <message>
        <source>Reads the window you&apos;re writing in, so replies fit the conversation. It picks the lines closest to where you type.</source>
        <translation>മറുപടികൾ സംഭാഷണത്തിന് യോജിക്കാൻ, നിങ്ങൾ എഴുതുന്ന വിൻഡോ വായിക്കുന്നു. നിങ്ങൾ ടൈപ്പ് ചെയ്യുന്നിടത്തിന് ഏറ്റവും അടുത്തുള്ള വരികൾ തിരഞ്ഞെടുക്കുന്നു.</translation>
    </message>
    <message>
        <source>What you just looked at</source>
        <translation>നിങ്ങൾ ഇപ്പോൾ നോക്കിയത്</translation>
    </message>
    <message>
        <source>Windows beside you</source>
        <translation>അരികിലുള്ള വിൻഡോകൾ</translation>
    </message>
    <message>
        <source>Also reads up to two other windows on the same screen, like the document you&apos;re replying about. Skips password managers and apps you switched off.</source>
        <translation>അതേ സ്ക്രീനിലെ മറ്റ് രണ്ട് വിൻഡോകൾ വരെയും വായിക്കുന്നു, ഉദാ. നിങ്ങൾ മറുപടി നൽകുന്ന ഡോക്യുമെന്റ്. പാസ്‌വേഡ് മാനേജറുകളും നിങ്ങൾ ഓഫാക്കിയ ആപ്പുകളും ഒഴിവാക്കുന്നു.</translation>
    </message>
    <message>
        <source>Off in this app</source>
        <translation>ഈ ആപ്പിൽ ഓഫാണ്</translation>
    </message>
    <message>
        <source>This word looks misspelled</source>
        <translation>ഈ വാക്കിൽ അക്ഷരത്തെറ്റുള്ളതായി തോന്നുന്നു</translation>
    </message>
    <message>
        <source>Thanks for the notes. I&apos;ll send the revised deck</source>
        <translation>കുറിപ്പുകൾക്ക് നന്ദി. തിരുത്തിയ സ്ലൈഡുകൾ</translation>
    </message>
    <message>
        <source> by Friday morning.</source>
        <translation> വെള്ളിയാഴ്ച രാവിലെയോടെ അയയ്ക്കാം.</translation>
    </message>
    <message>
        <source>%1 quit. %app has the Tab key.</source>
        <translation>%1 അടച്ചു. Tab കീ ഇപ്പോൾ %app-നാണ്.</translation>
    </message>
    <message>
        <source>Open Data Folder</source>
        <translation>ഡാറ്റ ഫോൾഡർ തുറക്കുക</translation>
    </message>
    <message>
        <source>Show Welcome Again</source>
        <translation>സ്വാഗതം വീണ്ടും കാണിക്കുക</translation>
    </message>
    <message>
        <source>Play Intro Again</source>
        <translation>ആമുഖം വീണ്ടും പ്ലേ ചെയ്യുക</translation>
    </message>
    <message>
        <source>Reset Settings…</source>
        <translation>ക്രമീകരണം റീസെറ്റ് ചെയ്യുക…</translation>
    </message>
    <message>
        <source>Suggest in every app</source>
        <translation>എല്ലാ ആപ്പുകളിലും നിർദ്ദേശിക്കുക</translation>
    </message>
    <message>
        <source>Suggest in code editors</source>
        <translation>കോഡ് എഡിറ്ററുകളിൽ നിർദ്ദേശിക്കുക</translation>
    </message>
    <message>
        <source>Suggest in the middle of a line</source>
        <translation>വരിയുടെ മധ്യത്തിൽ നിർദ്ദേശിക്കുക</translation>
    </message>
    <message>
        <source>Suggest in small fields</source>
        <translation>ചെറിയ ഫീൽഡുകളിൽ നിർദ്ദേശിക്കുക</translation>
    </message>
    <message>
        <source>Hold back on misspelled words</source>
        <translation>അക്ഷരത്തെറ്റുള്ള വാക്കുകളിൽ കാത്തിരിക്കുക</translation>
    </message>
    <message>
        <source>Offer spelling fixes</source>
        <translation>അക്ഷരത്തെറ്റ് തിരുത്തലുകൾ നൽകുക</translation>
    </message>
    <message>
        <source>Show the key hint</source>
        <translation>കീ സൂചന കാണിക്കുക</translation>
    </message>
    <message>
        <source>Quit other autocomplete apps when they open</source>
        <translation>മറ്റ് ഓട്ടോകംപ്ലീറ്റ് ആപ്പുകൾ തുറക്കുമ്പോൾ അവ അടയ്ക്കുക</translation>
    </message>
    <message>
        <source>Keeps a few minutes of text from windows you switched away from, like a page you read before replying. It stays on your computer and skips apps you switched off.</source>
        <translation>നിങ്ങൾ മാറിപ്പോന്ന വിൻഡോകളിലെ കുറച്ച് മിനിറ്റ് ടെക്സ്റ്റ് സൂക്ഷിക്കുന്നു, ഉദാ. മറുപടി നൽകുന്നതിന് മുമ്പ് നിങ്ങൾ വായിച്ച പേജ്. അത് നിങ്ങളുടെ കമ്പ്യൂട്ടറിൽ തന്നെ നിലനിൽക്കുകയും നിങ്ങൾ ഓഫാക്കിയ ആപ്പുകൾ ഒഴിവാക്കുകയും ചെയ്യുന്നു.</translation>
    </message>
    <message numerus="yes">
        <source>Both apps answer the Tab key, and the system gives it to %1 first. %app stays paused in your other apps until %1 quits.</source>
        <translation>
            <numerusform>രണ്ട് ആപ്പുകളും Tab കീയോട് പ്രതികരിക്കുന്നു, സിസ്റ്റം അത് ആദ്യം %1-ന് നൽകുന്നു. %1 അടയ്ക്കുന്നതുവരെ നിങ്ങളുടെ മറ്റ് ആപ്പുകളിൽ %app താൽക്കാലികമായി നിർത്തിയിരിക്കും.</numerusform>
            <numerusform>%app-ന് മുമ്പേ %1 Tab കീ എടുക്കുന്നു, അതിനാൽ നിങ്ങൾ അവ അടയ്ക്കുന്നതുവരെ നിങ്ങളുടെ മറ്റ് ആപ്പുകളിൽ %app താൽക്കാലികമായി നിർത്തിയിരിക്കും.</numerusform>
        </translation>
    </message>
    <message>
        <source>Finishes your sentences in any app, on your computer.</source>
        <translation>ഏത് ആപ്പിലും, നിങ്ങളുടെ കമ്പ്യൂട്ടറിൽ തന്നെ, നിങ്ങളുടെ വാക്യങ്ങൾ പൂർത്തിയാക്കുന്നു.</translation>
    </message>
    <message>
        <source>Keeps short passages from fields where you accepted a suggestion, encrypted on this computer, and shows them to the model as examples.</source>
        <translation>നിങ്ങൾ നിർദ്ദേശം സ്വീകരിച്ച ഫീൽഡുകളിൽ നിന്നുള്ള ചെറിയ വാചകഭാഗങ്ങൾ ഈ കമ്പ്യൂട്ടറിൽ എൻക്രിപ്റ്റ് ചെയ്ത് സൂക്ഷിക്കുകയും ഉദാഹരണങ്ങളായി മോഡലിന് കാണിക്കുകയും ചെയ്യുന്നു.</translation>
    </message>
    <message>
        <source>Light</source>
        <comment>skin tone</comment>
        <translation>ഇളം</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ശരി</translation>
    </message>
    <message>
        <source>Default</source>
        <comment>skin tone</comment>
        <translation>ഡിഫോൾട്ട്</translation>
    </message>
    <message>
        <source>Medium light</source>
        <comment>skin tone</comment>
        <translation>ഇടത്തരം ഇളം</translation>
    </message>
    <message>
        <source>Medium</source>
        <comment>skin tone</comment>
        <translation>ഇടത്തരം</translation>
    </message>
    <message>
        <source>Medium dark</source>
        <comment>skin tone</comment>
        <translation>ഇടത്തരം ഇരുണ്ട</translation>
    </message>
    <message>
        <source>Dark</source>
        <comment>skin tone</comment>
        <translation>ഇരുണ്ട</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>അജ്ഞാതം</translation>
    </message>
    <message>
        <source>%1 × %2 pt</source>
        <translation>%1 × %2 pt</translation>
    </message>
    <message>
        <source>No</source>
        <translation>ഇല്ല</translation>
    </message>
    <message>
        <source>Not reported, estimated from the caret</source>
        <translation>റിപ്പോർട്ട് ചെയ്തിട്ടില്ല, കഴ്സറിൽ നിന്ന് കണക്കാക്കിയത്</translation>
    </message>
    <message>
        <source>%1 %2 pt</source>
        <translation>%1 %2 pt</translation>
    </message>
    <message>
        <source>System</source>
        <translation>സിസ്റ്റം</translation>
    </message>
    <message>
        <source>Not yet</source>
        <translation>ഇതുവരെയില്ല</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>ഇന്ന്</translation>
    </message>
    <message>
        <source>Last 7 days</source>
        <translation>കഴിഞ്ഞ 7 ദിവസം</translation>
    </message>
    <message>
        <source>All time</source>
        <translation>എക്കാലത്തും</translation>
    </message>
    <message>
        <source>Typing saved</source>
        <translation>ലാഭിച്ച ടൈപ്പിംഗ്</translation>
    </message>
    <message>
        <source>at 40 words a minute</source>
        <translation>മിനിറ്റിൽ 40 വാക്കുകൾ എന്ന നിരക്കിൽ</translation>
    </message>
    <message>
        <source>Accepted</source>
        <translation>സ്വീകരിച്ചത്</translation>
    </message>
    <message>
        <source>of suggestions shown</source>
        <translation>കാണിച്ച നിർദ്ദേശങ്ങളിൽ</translation>
    </message>
    <message>
        <source>Typical wait</source>
        <translation>സാധാരണ കാത്തിരിപ്പ്</translation>
    </message>
    <message>
        <source>9 in 10 under %1</source>
        <translation>10-ൽ 9 തവണ %1-ൽ താഴെ</translation>
    </message>
    <message>
        <source>no requests yet</source>
        <translation>ഇതുവരെ അഭ്യർത്ഥനകളൊന്നുമില്ല</translation>
    </message>
    <message>
        <source>Words saved</source>
        <translation>ലാഭിച്ച വാക്കുകൾ</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>കാലയളവ്</translation>
    </message>
    <message>
        <source>Nothing to chart yet</source>
        <translation>ചാർട്ടിൽ കാണിക്കാൻ ഇതുവരെ ഒന്നുമില്ല</translation>
    </message>
    <message>
        <source>Accept a few suggestions and your days show up here.</source>
        <translation>കുറച്ച് നിർദ്ദേശങ്ങൾ സ്വീകരിച്ചാൽ നിങ്ങളുടെ ദിവസങ്ങൾ ഇവിടെ കാണാം.</translation>
    </message>
    <message>
        <source>Where you write</source>
        <translation>നിങ്ങൾ എഴുതുന്നിടം</translation>
    </message>
    <message>
        <source>Reset Statistics…</source>
        <translation>സ്ഥിതിവിവരക്കണക്കുകൾ റീസെറ്റ് ചെയ്യുക…</translation>
    </message>
    <message>
        <source>Reset all statistics?</source>
        <translation>എല്ലാ സ്ഥിതിവിവരക്കണക്കുകളും റീസെറ്റ് ചെയ്യണോ?</translation>
    </message>
    <message>
        <source>This clears words saved, acceptance and timing history.</source>
        <translation>ഇത് ലാഭിച്ച വാക്കുകൾ, സ്വീകരിക്കൽ, സമയം എന്നിവയുടെ ചരിത്രം മായ്ക്കുന്നു.</translation>
    </message>
    <message>
        <source>Copy Diagnostics</source>
        <translation>ഡയഗ്നോസ്റ്റിക്സ് പകർത്തുക</translation>
    </message>
    <message>
        <source>Diagnostics leave out the text you typed.</source>
        <translation>നിങ്ങൾ ടൈപ്പ് ചെയ്ത ടെക്സ്റ്റ് ഡയഗ്നോസ്റ്റിക്സിൽ ഉൾപ്പെടുന്നില്ല.</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>നില</translation>
    </message>
    <message>
        <source>Right now</source>
        <translation>ഇപ്പോൾ</translation>
    </message>
    <message>
        <source>Allowed</source>
        <translation>അനുവദിച്ചു</translation>
    </message>
    <message>
        <source>Not allowed</source>
        <translation>അനുവദിച്ചിട്ടില്ല</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>കീബോർഡ്</translation>
    </message>
    <message>
        <source>Listening</source>
        <translation>ശ്രദ്ധിക്കുന്നു</translation>
    </message>
    <message>
        <source>Not listening</source>
        <translation>ശ്രദ്ധിക്കുന്നില്ല</translation>
    </message>
    <message>
        <source>Focused field</source>
        <translation>ഫോക്കസിലുള്ള ഫീൽഡ്</translation>
    </message>
    <message>
        <source>Click into a text field in another app, then come back. The last field %1 saw stays here.</source>
        <translation>മറ്റൊരു ആപ്പിലെ ടെക്സ്റ്റ് ഫീൽഡിൽ ക്ലിക്ക് ചെയ്ത്, തിരികെ വരിക. %1 അവസാനം കണ്ട ഫീൽഡ് ഇവിടെ തുടരും.</translation>
    </message>
    <message>
        <source>App</source>
        <translation>ആപ്പ്</translation>
    </message>
    <message>
        <source>Field type</source>
        <translation>ഫീൽഡ് തരം</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>വിൻഡോ</translation>
    </message>
    <message>
        <source>Field size</source>
        <translation>ഫീൽഡ് വലുപ്പം</translation>
    </message>
    <message>
        <source>Caret found</source>
        <translation>കഴ്സർ കണ്ടെത്തി</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>ഫോണ്ട്</translation>
    </message>
    <message>
        <source>At end of line</source>
        <translation>വരിയുടെ അവസാനം</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>അതെ</translation>
    </message>
    <message>
        <source>Secure input</source>
        <translation>സുരക്ഷിത ഇൻപുട്ട്</translation>
    </message>
    <message>
        <source>Looked at lately</source>
        <translation>അടുത്തിടെ നോക്കിയത്</translation>
    </message>
    <message>
        <source>Text before the caret</source>
        <translation>കഴ്സറിന് മുമ്പുള്ള ടെക്സ്റ്റ്</translation>
    </message>
    <message>
        <source>Last request</source>
        <translation>അവസാന അഭ്യർത്ഥന</translation>
    </message>
    <message>
        <source>Wait</source>
        <translation>കാത്തിരിപ്പ്</translation>
    </message>
    <message>
        <source>Suggestion</source>
        <translation>നിർദ്ദേശം</translation>
    </message>
    <message>
        <source>Prompt sent to the engine</source>
        <translation>എഞ്ചിനിലേക്ക് അയച്ച പ്രോംപ്റ്റ്</translation>
    </message>
    <message>
        <source>Raw answer</source>
        <translation>അസംസ്കൃത മറുപടി</translation>
    </message>
    <message>
        <source>(empty)</source>
        <translation>(ശൂന്യം)</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>പകർത്തി</translation>
    </message>
    <message>
        <source>Choose a language</source>
        <translation>ഒരു ഭാഷ തിരഞ്ഞെടുക്കുക</translation>
    </message>
    <message>
        <source>Search languages</source>
        <translation>ഭാഷകൾ തിരയുക</translation>
    </message>
    <message>
        <source>Same as my computer</source>
        <translation>എന്റെ കമ്പ്യൂട്ടറിലേതുപോലെ</translation>
    </message>
    <message>
        <source>Switch to %1?</source>
        <translation>%1-ലേക്ക് മാറണോ?</translation>
    </message>
    <message>
        <source>%1 closes and opens again in a second. Your settings stay as they are.</source>
        <translation>%1 അടച്ച് ഒരു നിമിഷത്തിനകം വീണ്ടും തുറക്കും. നിങ്ങളുടെ ക്രമീകരണം അതേപടി നിലനിൽക്കും.</translation>
    </message>
    <message>
        <source>Reopen Now</source>
        <translation>ഇപ്പോൾ വീണ്ടും തുറക്കുക</translation>
    </message>
    <message>
        <source>App language</source>
        <translation>ആപ്പിന്റെ ഭാഷ</translation>
    </message>
    <message>
        <source>Pick the language you read most easily. Suggestions follow whatever language you type.</source>
        <translation>നിങ്ങൾക്ക് ഏറ്റവും എളുപ്പത്തിൽ വായിക്കാനാകുന്ന ഭാഷ തിരഞ്ഞെടുക്കുക. നിങ്ങൾ ടൈപ്പ് ചെയ്യുന്ന ഭാഷ ഏതായാലും നിർദ്ദേശങ്ങൾ അത് പിന്തുടരും.</translation>
    </message>
    <message>
        <source>Change the app language</source>
        <translation>ആപ്പിന്റെ ഭാഷ മാറ്റുക</translation>
    </message>
    <message>
        <source>0 min</source>
        <translation>0 മി.</translation>
    </message>
    <message>
        <source>under a minute</source>
        <translation>ഒരു മിനിറ്റിൽ താഴെ</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 സെ.</translation>
    </message>
    <message>
        <source>Not set</source>
        <translation>സജ്ജമാക്കിയിട്ടില്ല</translation>
    </message>
    <message>
        <source>Clear shortcut</source>
        <translation>കുറുക്കുവഴി മായ്ക്കുക</translation>
    </message>
    <message>
        <source>Add Ctrl, Alt or Super so normal typing still works.</source>
        <translation>സാധാരണ ടൈപ്പിംഗ് പ്രവർത്തിക്കാൻ Ctrl, Alt അല്ലെങ്കിൽ Super ചേർക്കുക.</translation>
    </message>
    <message>
        <source>Type a shortcut…</source>
        <translation>ഒരു കുറുക്കുവഴി ടൈപ്പ് ചെയ്യുക…</translation>
    </message>
    <message>
        <source>Recording shortcut</source>
        <translation>കുറുക്കുവഴി റെക്കോർഡ് ചെയ്യുന്നു</translation>
    </message>
    <message>
        <source>Shortcut %1</source>
        <translation>കുറുക്കുവഴി %1</translation>
    </message>
    <message>
        <source>Record shortcut</source>
        <translation>കുറുക്കുവഴി റെക്കോർഡ് ചെയ്യുക</translation>
    </message>
    <message>
        <source>Shortcut not set</source>
        <translation>കുറുക്കുവഴി സജ്ജമാക്കിയിട്ടില്ല</translation>
    </message>
    <message>
        <source>Press to record a new shortcut. Escape cancels.</source>
        <translation>പുതിയ കുറുക്കുവഴി റെക്കോർഡ് ചെയ്യാൻ അമർത്തുക. Escape റദ്ദാക്കുന്നു.</translation>
    </message>
    <message>
        <source>Your tray icon is hidden</source>
        <translation>നിങ്ങളുടെ ട്രേ ഐക്കൺ മറഞ്ഞിരിക്കുന്നു</translation>
    </message>
    <message>
        <source>This computer has no on-device language model</source>
        <translation>ഈ കമ്പ്യൂട്ടറിൽ ഉപകരണത്തിലെ ഭാഷാ മോഡൽ ഇല്ല</translation>
    </message>
    <message>
        <source>Turn on the on-device model in the desktop&apos;s settings</source>
        <translation>ഡെസ്ക്ടോപ്പ് ക്രമീകരണത്തിൽ ഉപകരണത്തിലെ മോഡൽ ഓണാക്കുക</translation>
    </message>
    <message>
        <source>The on-device model is unavailable</source>
        <translation>ഉപകരണത്തിലെ മോഡൽ ലഭ്യമല്ല</translation>
    </message>
    <message>
        <source>Downloading. The on-device model fills in until it&apos;s done.</source>
        <translation>ഡൗൺലോഡ് ചെയ്യുന്നു. അത് പൂർത്തിയാകുന്നതുവരെ ഉപകരണത്തിലെ മോഡൽ പകരം പ്രവർത്തിക്കും.</translation>
    </message>
    <message>
        <source>The on-device model fills in until you download it.</source>
        <translation>നിങ്ങൾ ഡൗൺലോഡ് ചെയ്യുന്നതുവരെ ഉപകരണത്തിലെ മോഡൽ പകരം പ്രവർത്തിക്കും.</translation>
    </message>
    <message>
        <source>%1 shares no text. Quit it and start it with %2 to get suggestions in it.</source>
        <translation>%1 ടെക്സ്റ്റൊന്നും പങ്കിടുന്നില്ല. അതിൽ നിർദ്ദേശങ്ങൾ ലഭിക്കാൻ, അത് അടച്ച് %2 ഉപയോഗിച്ച് ആരംഭിക്കുക.</translation>
    </message>
    <message>
        <source>On-device model</source>
        <translation>ഉപകരണത്തിലെ മോഡൽ</translation>
    </message>
    <message>
        <source>The system&apos;s own language model. Nothing to download.</source>
        <translation>സിസ്റ്റത്തിന്റെ സ്വന്തം ഭാഷാ മോഡൽ. ഒന്നും ഡൗൺലോഡ് ചെയ്യേണ്ടതില്ല.</translation>
    </message>
    <message>
        <source>A website name cannot hold spaces, tabs or line breaks.</source>
        <translation>ഒരു വെബ്സൈറ്റ് പേരിൽ സ്പേസുകളോ ടാബുകളോ വരി വിരാമങ്ങളോ പാടില്ല.</translation>
    </message>
    <message>
        <source>Only addresses that start with http or https can be added.</source>
        <translation>http അല്ലെങ്കിൽ https എന്നതിൽ തുടങ്ങുന്ന വിലാസങ്ങൾ മാത്രമേ ചേർക്കാനാകൂ.</translation>
    </message>
    <message>
        <source>That is not a website name. Type one such as wikipedia.org.</source>
        <translation>അത് ഒരു വെബ്സൈറ്റ് പേരല്ല. wikipedia.org പോലുള്ള ഒന്ന് ടൈപ്പ് ചെയ്യുക.</translation>
    </message>
    <message>
        <source>A port is a number from 1 to 65535.</source>
        <translation>1 മുതൽ 65535 വരെയുള്ള ഒരു സംഖ്യയാണ് പോർട്ട്.</translation>
    </message>
    <message>
        <source>The on-device model fills in until the download is done.</source>
        <translation>ഡൗൺലോഡ് പൂർത്തിയാകുന്നതുവരെ ഉപകരണത്തിലെ മോഡൽ പകരം പ്രവർത്തിക്കും.</translation>
    </message>
    <message>
        <source>Suggestions start once the download is done.</source>
        <translation>ഡൗൺലോഡ് പൂർത്തിയായാൽ നിർദ്ദേശങ്ങൾ തുടങ്ങും.</translation>
    </message>
    <message>
        <source>This frees %1. The on-device model fills in until you download it again.</source>
        <translation>ഇത് %1 ഒഴിവാക്കുന്നു. നിങ്ങൾ വീണ്ടും ഡൗൺലോഡ് ചെയ്യുന്നതുവരെ ഉപകരണത്തിലെ മോഡൽ പകരം പ്രവർത്തിക്കും.</translation>
    </message>
    <message>
        <source>This frees %1. The %app model can&apos;t suggest until you download it again.</source>
        <translation>ഇത് %1 ഒഴിവാക്കുന്നു. നിങ്ങൾ വീണ്ടും ഡൗൺലോഡ് ചെയ്യുന്നതുവരെ %app മോഡലിന് നിർദ്ദേശിക്കാനാകില്ല.</translation>
    </message>
    <message>
        <source>There&apos;s no room for it, or your panel has no system tray. Add the panel&apos;s system tray or status area applet in its settings.</source>
        <translation>അതിന് ഇടമില്ല, അല്ലെങ്കിൽ നിങ്ങളുടെ പാനലിൽ സിസ്റ്റം ട്രേ ഇല്ല. പാനലിന്റെ ക്രമീകരണത്തിൽ സിസ്റ്റം ട്രേ അല്ലെങ്കിൽ സ്റ്റാറ്റസ് ഏരിയ ആപ്‌ലെറ്റ് ചേർക്കുക.</translation>
    </message>
    <message>
        <source>GNOME shows tray icons only with the AppIndicator extension. Install the gnome-shell-extension-appindicator package, log out and in, then turn it on in Extensions.</source>
        <translation>AppIndicator എക്സ്റ്റൻഷൻ ഉണ്ടെങ്കിൽ മാത്രമേ GNOME ട്രേ ഐക്കണുകൾ കാണിക്കൂ. gnome-shell-extension-appindicator പാക്കേജ് ഇൻസ്റ്റാൾ ചെയ്ത്, ലോഗ് ഔട്ട് ചെയ്ത് വീണ്ടും ലോഗിൻ ചെയ്ത ശേഷം, “എക്സ്റ്റൻഷനുകൾ” ആപ്പിൽ അത് ഓണാക്കുക.</translation>
    </message>
    <message>
        <source>GNOME shows tray icons only with the AppIndicator extension. It is installed but off: turn it on in Extensions.</source>
        <translation>AppIndicator എക്സ്റ്റൻഷൻ ഉണ്ടെങ്കിൽ മാത്രമേ GNOME ട്രേ ഐക്കണുകൾ കാണിക്കൂ. അത് ഇൻസ്റ്റാൾ ചെയ്തിട്ടുണ്ട്, പക്ഷേ ഓഫാണ്: “എക്സ്റ്റൻഷനുകൾ” ആപ്പിൽ അത് ഓണാക്കുക.</translation>
    </message>
    <message>
        <source>Until then, open %app from your applications menu to reach Settings.</source>
        <translation>അതുവരെ, ക്രമീകരണത്തിൽ എത്താൻ നിങ്ങളുടെ ആപ്ലിക്കേഷൻ മെനുവിൽ നിന്ന് %app തുറക്കുക.</translation>
    </message>
    <message>
        <source>Open Extensions</source>
        <translation>“എക്സ്റ്റൻഷനുകൾ” തുറക്കുക</translation>
    </message>
    <message>
        <source>Show Count in Tray</source>
        <translation>ട്രേയിൽ എണ്ണം കാണിക്കുക</translation>
    </message>
    <message>
        <source>%1 shares no text</source>
        <translation>%1 ടെക്സ്റ്റൊന്നും പങ്കിടുന്നില്ല</translation>
    </message>
    <message>
        <source>Copy command</source>
        <translation>കമാൻഡ് പകർത്തുക</translation>
    </message>
    <message>
        <source>There&apos;s no account and no analytics. With the %app model or the on-device model, your text stays on this computer.</source>
        <translation>അക്കൗണ്ടില്ല, അനലിറ്റിക്സില്ല. %app മോഡലോ ഉപകരണത്തിലെ മോഡലോ ഉപയോഗിച്ചാൽ, നിങ്ങളുടെ ടെക്സ്റ്റ് ഈ കമ്പ്യൂട്ടറിൽ തന്നെ തുടരും.</translation>
    </message>
    <message>
        <source>There&apos;s no account and no analytics. With the %app model, your text stays on this computer.</source>
        <translation>അക്കൗണ്ടില്ല, അനലിറ്റിക്സില്ല. %app മോഡൽ ഉപയോഗിച്ചാൽ, നിങ്ങളുടെ ടെക്സ്റ്റ് ഈ കമ്പ്യൂട്ടറിൽ തന്നെ തുടരും.</translation>
    </message>
    <message>
        <source>%app lives in your system tray from now on. Click its icon to pause it in an app or open Settings.</source>
        <translation>ഇനിമുതൽ %app നിങ്ങളുടെ സിസ്റ്റം ട്രേയിലുണ്ടാകും. ഒരു ആപ്പിൽ അത് താൽക്കാലികമായി നിർത്താനോ ക്രമീകരണം തുറക്കാനോ അതിന്റെ ഐക്കണിൽ ക്ലിക്ക് ചെയ്യുക.</translation>
    </message>
    <message>
        <source>%app has no account, no analytics and no servers of its own. The %app model and the on-device model keep your text on this computer. Other engines get it only if you set one up.</source>
        <translation>%app-ന് അക്കൗണ്ടോ അനലിറ്റിക്സോ സ്വന്തം സെർവറുകളോ ഇല്ല. %app മോഡലും ഉപകരണത്തിലെ മോഡലും നിങ്ങളുടെ ടെക്സ്റ്റ് ഈ കമ്പ്യൂട്ടറിൽ തന്നെ സൂക്ഷിക്കുന്നു. നിങ്ങൾ സജ്ജമാക്കിയാൽ മാത്രമേ മറ്റ് എഞ്ചിനുകൾക്ക് അത് ലഭിക്കൂ.</translation>
    </message>
    <message>
        <source>%app has no account, no analytics and no servers of its own. The %app model keeps your text on this computer. Other engines get it only if you set one up.</source>
        <translation>%app-ന് അക്കൗണ്ടോ അനലിറ്റിക്സോ സ്വന്തം സെർവറുകളോ ഇല്ല. %app മോഡൽ നിങ്ങളുടെ ടെക്സ്റ്റ് ഈ കമ്പ്യൂട്ടറിൽ തന്നെ സൂക്ഷിക്കുന്നു. നിങ്ങൾ സജ്ജമാക്കിയാൽ മാത്രമേ മറ്റ് എഞ്ചിനുകൾക്ക് അത് ലഭിക്കൂ.</translation>
    </message>
    <message>
        <source>Installed applications</source>
        <translation>ഇൻസ്റ്റാൾ ചെയ്ത ആപ്ലിക്കേഷനുകൾ</translation>
    </message>
    <message>
        <source>%app reads these only while making a suggestion and never saves them. With the %app model or the on-device model, nothing leaves your computer.</source>
        <translation>നിർദ്ദേശം തയ്യാറാക്കുമ്പോൾ മാത്രമാണ് %app ഇവ വായിക്കുന്നത്, ഒരിക്കലും സംരക്ഷിക്കുന്നില്ല. %app മോഡലോ ഉപകരണത്തിലെ മോഡലോ ഉപയോഗിച്ചാൽ, ഒന്നും നിങ്ങളുടെ കമ്പ്യൂട്ടറിൽ നിന്ന് പുറത്തുപോകില്ല.</translation>
    </message>
    <message>
        <source>%app reads these only while making a suggestion and never saves them. With the %app model, nothing leaves your computer.</source>
        <translation>നിർദ്ദേശം തയ്യാറാക്കുമ്പോൾ മാത്രമാണ് %app ഇവ വായിക്കുന്നത്, ഒരിക്കലും സംരക്ഷിക്കുന്നില്ല. %app മോഡൽ ഉപയോഗിച്ചാൽ, ഒന്നും നിങ്ങളുടെ കമ്പ്യൂട്ടറിൽ നിന്ന് പുറത്തുപോകില്ല.</translation>
    </message>
    <message>
        <source>The %app model keeps your text on this computer.</source>
        <translation>%app മോഡൽ നിങ്ങളുടെ ടെക്സ്റ്റ് ഈ കമ്പ്യൂട്ടറിൽ തന്നെ സൂക്ഷിക്കുന്നു.</translation>
    </message>
    <message>
        <source>The key holds a line break or another control character. Paste it again without them.</source>
        <translation>കീയിൽ ഒരു വരി വിരാമമോ മറ്റൊരു നിയന്ത്രണ പ്രതീകമോ ഉണ്ട്. അവയില്ലാതെ വീണ്ടും ഒട്ടിക്കുക.</translation>
    </message>
    <message>
        <source>Waiting for the keyring to store the key.</source>
        <translation>കീറിംഗ് കീ സംഭരിക്കുന്നതിനായി കാത്തിരിക്കുന്നു.</translation>
    </message>
    <message>
        <source>The keyring cannot keep this key, so it is used only until %app quits.</source>
        <translation>കീറിംഗിന് ഈ കീ സൂക്ഷിക്കാനാകില്ല, അതിനാൽ %app പുറത്തുകടക്കുന്നതുവരെ മാത്രമേ ഇത് ഉപയോഗിക്കൂ.</translation>
    </message>
    <message>
        <source>Show in the system tray</source>
        <translation>സിസ്റ്റം ട്രേയിൽ കാണിക്കുക</translation>
    </message>
    <message>
        <source>Pause or open Settings from the system tray. Hidden? Open %app from your applications menu to come back.</source>
        <translation>സിസ്റ്റം ട്രേയിൽ നിന്ന് താൽക്കാലികമായി നിർത്തുക അല്ലെങ്കിൽ ക്രമീകരണം തുറക്കുക. മറച്ചോ? തിരികെ വരാൻ ആപ്ലിക്കേഷൻ മെനുവിൽ നിന്ന് %app തുറക്കുക.</translation>
    </message>
    <message>
        <source>This tray can&apos;t show text beside icons, so the count shows in the icon&apos;s tooltip.</source>
        <translation>ഈ ട്രേയ്ക്ക് ഐക്കണുകൾക്ക് അരികിൽ ടെക്സ്റ്റ് കാണിക്കാനാകില്ല, അതിനാൽ എണ്ണം ഐക്കണിന്റെ ടൂൾടിപ്പിൽ കാണിക്കുന്നു.</translation>
    </message>
    <message>
        <source>VS Code, VSCodium, Cursor, Zed, Kate, Sublime Text, JetBrains IDEs and similar apps.</source>
        <translation>VS Code, VSCodium, Cursor, Zed, Kate, Sublime Text, JetBrains IDE-കൾ, സമാനമായ ആപ്പുകൾ.</translation>
    </message>
    <message>
        <source>Your settings could not be read, so they were set aside and %app started over with its defaults.</source>
        <translation>നിങ്ങളുടെ ക്രമീകരണം വായിക്കാനായില്ല, അതിനാൽ അവ മാറ്റിവച്ച് %app ഡിഫോൾട്ടുകളുമായി വീണ്ടും ആരംഭിച്ചു.</translation>
    </message>
    <message>
        <source>Your settings are not saved: %app cannot write to its settings folder.</source>
        <translation>നിങ്ങളുടെ ക്രമീകരണം സംരക്ഷിച്ചിട്ടില്ല: %app-ന് അതിന്റെ ക്രമീകരണ ഫോൾഡറിലേക്ക് എഴുതാനാകില്ല.</translation>
    </message>
    <message>
        <source>Your app and website rules could not be read, so they were set aside.</source>
        <translation>നിങ്ങളുടെ ആപ്പ്, വെബ്സൈറ്റ് നിയമങ്ങൾ വായിക്കാനായില്ല, അതിനാൽ അവ മാറ്റിവച്ചു.</translation>
    </message>
    <message>
        <source>Your statistics could not be read, so they were set aside and counting started over.</source>
        <translation>നിങ്ങളുടെ സ്ഥിതിവിവരക്കണക്കുകൾ വായിക്കാനായില്ല, അതിനാൽ അവ മാറ്റിവച്ച് എണ്ണൽ വീണ്ടും തുടങ്ങി.</translation>
    </message>
    <message>
        <source>Not saved: %app cannot write to its data folder.</source>
        <translation>സംരക്ഷിച്ചിട്ടില്ല: %app-ന് അതിന്റെ ഡാറ്റ ഫോൾഡറിലേക്ക് എഴുതാനാകില്ല.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln suggestions. %1 selected</source>
        <translation>
            <numerusform>%Ln നിർദ്ദേശം. %1 തിരഞ്ഞെടുത്തു</numerusform>
            <numerusform>%Ln നിർദ്ദേശങ്ങൾ. %1 തിരഞ്ഞെടുത്തു</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln min</source>
        <translation>
            <numerusform>%Ln മി.</numerusform>
            <numerusform>%Ln മി.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln words</source>
        <translation>
            <numerusform>%Ln വാക്ക്</numerusform>
            <numerusform>%Ln വാക്കുകൾ</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln passages from here</source>
        <translation>
            <numerusform>ഇവിടെ നിന്ന് %Ln വാചകഭാഗം</numerusform>
            <numerusform>ഇവിടെ നിന്ന് %Ln വാചകഭാഗങ്ങൾ</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>words</source>
        <comment>unit after a count</comment>
        <translation>
            <numerusform>വാക്ക്</numerusform>
            <numerusform>വാക്കുകൾ</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln days</source>
        <translation>
            <numerusform>%Ln ദിവസം</numerusform>
            <numerusform>%Ln ദിവസം</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Words saved per day over the last %Ln days</source>
        <translation>
            <numerusform>കഴിഞ്ഞ %Ln ദിവസം ലാഭിച്ച വാക്കുകൾ</numerusform>
            <numerusform>കഴിഞ്ഞ %Ln ദിവസങ്ങളിൽ പ്രതിദിനം ലാഭിച്ച വാക്കുകൾ</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln day streak</source>
        <translation>
            <numerusform>തുടർച്ചയായി %Ln ദിവസം</numerusform>
            <numerusform>തുടർച്ചയായി %Ln ദിവസം</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln passages remembered</source>
        <translation>
            <numerusform>%Ln വാചകഭാഗം ഓർമ്മിച്ചു</numerusform>
            <numerusform>%Ln വാചകഭാഗങ്ങൾ ഓർമ്മിച്ചു</numerusform>
        </translation>
    </message>
    <message>
        <source>enter</source>
        <translation>enter</translation>
    </message>
    <message>
        <source>Allow screen capture so %app can read those too. Most apps work without it.</source>
        <translation>അവയും %app-ന് വായിക്കാനാകാൻ സ്ക്രീൻ ക്യാപ്ചർ അനുവദിക്കുക. മിക്ക ആപ്പുകളും അതില്ലാതെ പ്രവർത്തിക്കും.</translation>
    </message>
    <message>
        <source>Type a colon and a word, like :rocket, then press Tab or Enter to pick.</source>
        <translation>ഒരു കോളണും ഒരു വാക്കും ടൈപ്പ് ചെയ്യുക, ഉദാ. :rocket, തുടർന്ന് തിരഞ്ഞെടുക്കാൻ Tab അല്ലെങ്കിൽ Enter അമർത്തുക.</translation>
    </message>
    <message>
        <source>You can switch memory off for single apps under Apps &amp; Sites. The key that unlocks it lives in your keyring.</source>
        <translation>“ആപ്പുകളും സൈറ്റുകളും” എന്നതിൽ ഓരോ ആപ്പിനും ഓർമ്മ ഓഫാക്കാം. അത് അൺലോക്ക് ചെയ്യുന്ന കീ നിങ്ങളുടെ കീറിംഗിലാണ്.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln emoji. %1 selected</source>
        <translation>
            <numerusform>%Ln ഇമോജി. %1 തിരഞ്ഞെടുത്തു</numerusform>
            <numerusform>%Ln ഇമോജികൾ. %1 തിരഞ്ഞെടുത്തു</numerusform>
        </translation>
    </message>
    <message>
        <source>Suggestion: %1</source>
        <translation>നിർദ്ദേശം: %1</translation>
    </message>
    <message numerus="yes">
        <source>%Ln models available</source>
        <translation>
            <numerusform>%Ln മോഡൽ ലഭ്യമാണ്</numerusform>
            <numerusform>%Ln മോഡലുകൾ ലഭ്യമാണ്</numerusform>
        </translation>
    </message>
    <message>
        <source>The model couldn&apos;t be saved: %1</source>
        <translation>മോഡൽ സംരക്ഷിക്കാനായില്ല: %1</translation>
    </message>
    <message>
        <source>Ollama isn&apos;t running.</source>
        <translation>Ollama പ്രവർത്തിക്കുന്നില്ല.</translation>
    </message>
    <message>
        <source>Ollama isn&apos;t running at %1.</source>
        <translation>Ollama പ്രവർത്തിക്കുന്നില്ല, വിലാസം: %1.</translation>
    </message>
    <message>
        <source>No server answered.</source>
        <translation>ഒരു സെർവറും മറുപടി നൽകിയില്ല.</translation>
    </message>
    <message>
        <source>No server answered at %1.</source>
        <translation>ഒരു സെർവറും മറുപടി നൽകിയില്ല, വിലാസം: %1.</translation>
    </message>
    <message>
        <source>Range: %1</source>
        <translation>കാലയളവ്: %1</translation>
    </message>
    <message numerus="yes">
        <source>%1, %Ln to do</source>
        <translation>
            <numerusform>%1, %Ln ബാക്കി</numerusform>
            <numerusform>%1, %Ln ബാക്കി</numerusform>
        </translation>
    </message>
    <message>
        <source>Type the whole name of the website, such as wikipedia.org.</source>
        <translation>വെബ്സൈറ്റിന്റെ പൂർണ്ണ പേര് ടൈപ്പ് ചെയ്യുക, ഉദാഹരണത്തിന് wikipedia.org.</translation>
    </message>
    <message>
        <source>The key holds a space, an invisible character or a letter outside plain ASCII. Paste it again exactly as your server gave it.</source>
        <translation>കീയിൽ ഒരു സ്പേസോ അദൃശ്യ പ്രതീകമോ സാധാരണ ASCII-ക്ക് പുറത്തുള്ള അക്ഷരമോ ഉണ്ട്. നിങ്ങളുടെ സെർവർ നൽകിയതുപോലെ തന്നെ വീണ്ടും ഒട്ടിക്കുക.</translation>
    </message>
    <message>
        <source>The keyring could not be read, so your server is asked without an API key. Type the key again if your server needs one.</source>
        <translation>കീറിംഗ് വായിക്കാനായില്ല, അതിനാൽ API കീ ഇല്ലാതെയാണ് നിങ്ങളുടെ സെർവറിനോട് ചോദിക്കുന്നത്. സെർവറിന് കീ വേണമെങ്കിൽ അത് വീണ്ടും ടൈപ്പ് ചെയ്യുക.</translation>
    </message>
    <message>
        <source>Your writing memory could not be opened, so it was set aside and %app started a new one.</source>
        <translation>നിങ്ങളുടെ എഴുത്ത് ഓർമ്മ തുറക്കാനായില്ല, അതിനാൽ അത് മാറ്റിവച്ച് %app പുതിയൊന്ന് തുടങ്ങി.</translation>
    </message>
    <message>
        <source>%1, converted for llama.cpp by %2</source>
        <translation>%1, llama.cpp-യ്ക്കായി %2 പരിവർത്തനം ചെയ്തത്</translation>
    </message>
    <message>
        <source>The data folder %1 could not be made. Check that the folder above it exists and that you may write there.</source>
        <translation>ഡാറ്റ ഫോൾഡർ %1 സൃഷ്ടിക്കാനായില്ല. അതിനു മുകളിലുള്ള ഫോൾഡർ നിലവിലുണ്ടോ എന്നും അവിടെ എഴുതാൻ അനുമതിയുണ്ടോ എന്നും പരിശോധിക്കുക.</translation>
    </message>
    <message>
        <source>party</source>
        <comment>emoji search sample</comment>
        <translation>പാർട്ടി</translation>
    </message>
    <message numerus="yes">
        <source>%Ln settings held values %app cannot use, so they were corrected and saved.</source>
        <translation>
            <numerusform>%Ln ക്രമീകരണത്തിൽ %app-ന് ഉപയോഗിക്കാനാകാത്ത മൂല്യമുണ്ടായിരുന്നു, അതിനാൽ അത് തിരുത്തി സംരക്ഷിച്ചു.</numerusform>
            <numerusform>%Ln ക്രമീകരണങ്ങളിൽ %app-ന് ഉപയോഗിക്കാനാകാത്ത മൂല്യങ്ങളുണ്ടായിരുന്നു, അതിനാൽ അവ തിരുത്തി സംരക്ഷിച്ചു.</numerusform>
        </translation>
    </message>
    <message>
        <source>Your writing memory is not saved: the keyring is missing or locked, so its key cannot be kept.</source>
        <translation>നിങ്ങളുടെ എഴുത്ത് ഓർമ്മ സംരക്ഷിക്കപ്പെടുന്നില്ല: കീറിംഗ് ഇല്ല അല്ലെങ്കിൽ ലോക്ക് ചെയ്തിരിക്കുന്നു, അതിനാൽ ഓർമ്മയുടെ കീ സൂക്ഷിക്കാനാവില്ല.</translation>
    </message>
    <message>
        <source>That address isn&apos;t valid</source>
        <translation>ഈ വിലാസം സാധുവല്ല</translation>
    </message>
    <message>
        <source>The request timed out.</source>
        <translation>അഭ്യർത്ഥനയുടെ സമയം കഴിഞ്ഞു.</translation>
    </message>
    <message>
        <source>The server&apos;s reply was too long, so it was stopped.</source>
        <translation>സെർവറിന്റെ മറുപടി വളരെ ദൈർഘ്യമേറിയതായിരുന്നു, അതിനാൽ നിർത്തി.</translation>
    </message>
    <message>
        <source>The server answered %1.</source>
        <translation>സെർവർ %1 എന്ന് മറുപടി നൽകി.</translation>
    </message>
    <message>
        <source>The server answered %1: %2</source>
        <translation>സെർവർ %1 എന്ന് മറുപടി നൽകി: %2</translation>
    </message>
    <message>
        <source>The download server answered %1. Try again later.</source>
        <translation>ഡൗൺലോഡ് സെർവർ %1 എന്ന് മറുപടി നൽകി. പിന്നീട് വീണ്ടും ശ്രമിക്കുക.</translation>
    </message>
    <message>
        <source>The download couldn&apos;t be saved: %1</source>
        <translation>ഡൗൺലോഡ് സംരക്ഷിക്കാനായില്ല: %1</translation>
    </message>
    <message>
        <source>The download paused because the connection dropped. Try again to pick up where it stopped.</source>
        <translation>കണക്ഷൻ മുറിഞ്ഞതിനാൽ ഡൗൺലോഡ് താൽക്കാലികമായി നിർത്തി. നിന്നിടത്തുനിന്ന് തുടരാൻ വീണ്ടും ശ്രമിക്കുക.</translation>
    </message>
    <message>
        <source>The download stopped. Check your connection, then try again.</source>
        <translation>ഡൗൺലോഡ് നിന്നു. നിങ്ങളുടെ കണക്ഷൻ പരിശോധിച്ച്, വീണ്ടും ശ്രമിക്കുക.</translation>
    </message>
    <message>
        <source>Pick an Ollama model in Settings</source>
        <translation>ക്രമീകരണത്തിൽ ഒരു Ollama മോഡൽ തിരഞ്ഞെടുക്കുക</translation>
    </message>
    <message>
        <source>Pick a model for your local server</source>
        <translation>നിങ്ങളുടെ ലോക്കൽ സെർവറിനായി ഒരു മോഡൽ തിരഞ്ഞെടുക്കുക</translation>
    </message>
    <message>
        <source>The server&apos;s answer is not HTTP.</source>
        <translation>സെർവറിന്റെ മറുപടി HTTP അല്ല.</translation>
    </message>
    <message>
        <source>The data couldn&apos;t be read because it is missing.</source>
        <translation>ഡാറ്റ ഇല്ലാത്തതിനാൽ വായിക്കാനായില്ല.</translation>
    </message>
    <message>
        <source>The data couldn&apos;t be read because it isn&apos;t in the correct format.</source>
        <translation>ഡാറ്റ ശരിയായ ഫോർമാറ്റിൽ അല്ലാത്തതിനാൽ വായിക്കാനായില്ല.</translation>
    </message>
    <message>
        <source>:%1:</source>
        <comment>emoji name</comment>
        <translation>:%1:</translation>
    </message>
    <message>
        <source>This computer has no on-device language model.</source>
        <translation>ഈ കമ്പ്യൂട്ടറിൽ ഉപകരണത്തിലെ ഭാഷാ മോഡൽ ഇല്ല.</translation>
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
        <translation>%1-ൽ താൽക്കാലികമായി നിർത്തി</translation>
    </message>
    <message>
        <source>Paused in %1</source>
        <translation>%1-ൽ താൽക്കാലികമായി നിർത്തി</translation>
    </message>
    <message>
        <source>Off on %1</source>
        <translation>%1-ൽ ഓഫ്</translation>
    </message>
    <message>
        <source>Off in %1</source>
        <translation>%1-ൽ ഓഫ്</translation>
    </message>
    <message>
        <source>Off in %1 by default</source>
        <translation>%1-ൽ ഡിഫോൾട്ടായി ഓഫ്</translation>
    </message>
    <message>
        <source>Off in code editors</source>
        <translation>കോഡ് എഡിറ്ററുകളിൽ ഓഫ്</translation>
    </message>
    <message>
        <source>Off unless turned on per app</source>
        <translation>ഓരോ ആപ്പിനും ഓണാക്കിയില്ലെങ്കിൽ ഓഫ്</translation>
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
        <translation>സ്പേസ്</translation>
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
        <translation>കീ %1</translation>
    </message>
    <message>
        <source>An email reply reads differently from a commit message.</source>
        <translation>ഇമെയിലിനുള്ള മറുപടിയും കമ്മിറ്റ് സന്ദേശവും വ്യത്യസ്തമായാണ് എഴുതുന്നത്.</translation>
    </message>
    <message>
        <source>Writes straight into the field. Cleanest in GTK and Qt apps.</source>
        <translation>നേരിട്ട് ഫീൽഡിലേക്ക് എഴുതുന്നു. GTK, Qt ആപ്പുകളിൽ ഏറ്റവും വൃത്തിയായി.</translation>
    </message>
    <message>
        <source>Typing</source>
        <comment>insertion method</comment>
        <translation>ടൈപ്പിംഗ്</translation>
    </message>
    <message>
        <source>%1 h</source>
        <comment>hours with one decimal, such as 1.5</comment>
        <translation>%1 മ.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln h</source>
        <translation>
            <numerusform>%Ln മ.</numerusform>
            <numerusform>%Ln മ.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln ms</source>
        <translation>
            <numerusform>%Ln മി.സെ.</numerusform>
            <numerusform>%Ln മി.സെ.</numerusform>
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
            <numerusform>%Ln വാക്ക് ഇന്ന് ലാഭിച്ചു</numerusform>
            <numerusform>%Ln വാക്കുകൾ ഇന്ന് ലാഭിച്ചു</numerusform>
        </translation>
    </message>
    <message>
        <source>Under a minute of typing saved today.</source>
        <translation>ഇന്ന് ഒരു മിനിറ്റിൽ താഴെ ടൈപ്പിംഗ് ലാഭിച്ചു.</translation>
    </message>
    <message>
        <source>About %1 of typing saved today.</source>
        <translation>ഇന്ന് ഏകദേശം %1 ടൈപ്പിംഗ് ലാഭിച്ചു.</translation>
    </message>
    <message numerus="yes">
        <source>Step %1 of %Ln</source>
        <translation>
            <numerusform>ഘട്ടം %1 / %Ln</numerusform>
            <numerusform>ഘട്ടം %1 / %Ln</numerusform>
        </translation>
    </message>
    <message>
        <source>%app reads and types into text fields through the desktop&apos;s accessibility support, which some desktops leave off. %app uses it only for the field you&apos;re writing in.</source>
        <translation>ഡെസ്ക്ടോപ്പിന്റെ ഉപയോഗസഹായി പിന്തുണ വഴിയാണ് %app ടെക്സ്റ്റ് ഫീൽഡുകൾ വായിക്കുകയും അവയിൽ ടൈപ്പ് ചെയ്യുകയും ചെയ്യുന്നത്; ചില ഡെസ്ക്ടോപ്പുകൾ ഇത് ഓഫാക്കി വയ്ക്കുന്നു. നിങ്ങൾ എഴുതുന്ന ഫീൽഡിനായി മാത്രമാണ് %app ഇത് ഉപയോഗിക്കുന്നത്.</translation>
    </message>
    <message>
        <source>The button switches the desktop&apos;s accessibility support on. If the desktop&apos;s settings open instead, turn accessibility on there, then come back. This page updates by itself.</source>
        <translation>ഈ ബട്ടൺ ഡെസ്ക്ടോപ്പിന്റെ ഉപയോഗസഹായി പിന്തുണ ഓണാക്കുന്നു. പകരം ഡെസ്ക്ടോപ്പിന്റെ ക്രമീകരണം തുറന്നാൽ, അവിടെ ഉപയോഗസഹായി ഓണാക്കി തിരികെ വരിക. ഈ പേജ് സ്വയം പുതുക്കും.</translation>
    </message>
    <message>
        <source>Still off? Some desktops start their accessibility service only when you log in. Log out and back in, then try again.</source>
        <translation>ഇപ്പോഴും ഓഫാണോ? ചില ഡെസ്ക്ടോപ്പുകൾ ലോഗിൻ ചെയ്യുമ്പോൾ മാത്രമേ ഉപയോഗസഹായി സേവനം ആരംഭിക്കൂ. ലോഗൗട്ട് ചെയ്ത് വീണ്ടും ലോഗിൻ ചെയ്യുക, തുടർന്ന് വീണ്ടും ശ്രമിക്കുക.</translation>
    </message>
    <message>
        <source>Pause</source>
        <comment>section header</comment>
        <translation>താൽക്കാലികമായി നിർത്തൽ</translation>
    </message>
    <message>
        <source>Pause</source>
        <comment>button</comment>
        <translation>താൽക്കാലികമായി നിർത്തുക</translation>
    </message>
    <message>
        <source>typing</source>
        <comment>insertion method, in a sentence</comment>
        <translation>ടൈപ്പിംഗ്</translation>
    </message>
    <message>
        <source>accessibility</source>
        <comment>insertion method, in a sentence</comment>
        <translation>ഉപയോഗസഹായി</translation>
    </message>
    <message>
        <source>paste</source>
        <comment>insertion method, in a sentence</comment>
        <translation>ഒട്ടിക്കൽ</translation>
    </message>
    <message>
        <source>short</source>
        <comment>suggestion length, in a sentence</comment>
        <translation>ചെറിയ</translation>
    </message>
    <message>
        <source>medium</source>
        <comment>suggestion length, in a sentence</comment>
        <translation>ഇടത്തരം</translation>
    </message>
    <message>
        <source>long</source>
        <comment>suggestion length, in a sentence</comment>
        <translation>നീണ്ട</translation>
    </message>
    <message>
        <source>Default follows General: %1, %2 suggestions.</source>
        <translation>ഡിഫോൾട്ട് പൊതുവായ ക്രമീകരണം പിന്തുടരുന്നു: %1, %2 നിർദ്ദേശങ്ങൾ.</translation>
    </message>
    <message>
        <source>Yes, at %1, %2 on screen, %3 pt tall, %4 and %5</source>
        <translation>ഉണ്ട്, സ്ക്രീനിൽ %1, %2 എന്നിടത്ത്, %3 pt ഉയരം, %4, %5</translation>
    </message>
    <message numerus="yes">
        <source>%Ln characters before it</source>
        <translation>
            <numerusform>കഴ്സറിന് മുമ്പ് %Ln അക്ഷരം</numerusform>
            <numerusform>കഴ്സറിന് മുമ്പ് %Ln അക്ഷരങ്ങൾ</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln after</source>
        <comment>characters after the caret</comment>
        <translation>
            <numerusform>ശേഷം %Ln</numerusform>
            <numerusform>ശേഷം %Ln</numerusform>
        </translation>
    </message>
    <message>
        <source>No system tray runs on this desktop, so the icon cannot show. %1</source>
        <translation>ഈ ഡെസ്ക്ടോപ്പിൽ സിസ്റ്റം ട്രേ ഒന്നും പ്രവർത്തിക്കുന്നില്ല, അതിനാൽ ഐക്കൺ കാണിക്കാനാവില്ല. %1</translation>
    </message>
    <message>
        <source>Typing</source>
        <comment>section header</comment>
        <translation>ടൈപ്പിംഗ്</translation>
    </message>
    <message>
        <source>Switch to the computer&apos;s language?</source>
        <translation>കമ്പ്യൂട്ടറിന്റെ ഭാഷയിലേക്ക് മാറണോ?</translation>
    </message>
    <message numerus="yes">
        <source>%Ln words this week.</source>
        <translation>
            <numerusform>ഈ ആഴ്ച %Ln വാക്ക്.</numerusform>
            <numerusform>ഈ ആഴ്ച %Ln വാക്കുകൾ.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Under a minute of typing saved today. %Ln words this week.</source>
        <translation>
            <numerusform>ഇന്ന് ഒരു മിനിറ്റിൽ താഴെ ടൈപ്പിംഗ് ലാഭിച്ചു. ഈ ആഴ്ച %Ln വാക്ക്.</numerusform>
            <numerusform>ഇന്ന് ഒരു മിനിറ്റിൽ താഴെ ടൈപ്പിംഗ് ലാഭിച്ചു. ഈ ആഴ്ച %Ln വാക്കുകൾ.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>About %1 of typing saved today. %Ln words this week.</source>
        <translation>
            <numerusform>ഇന്ന് ഏകദേശം %1 ടൈപ്പിംഗ് ലാഭിച്ചു. ഈ ആഴ്ച %Ln വാക്ക്.</numerusform>
            <numerusform>ഇന്ന് ഏകദേശം %1 ടൈപ്പിംഗ് ലാഭിച്ചു. ഈ ആഴ്ച %Ln വാക്കുകൾ.</numerusform>
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
            <numerusform>%1-ൽ %Ln പൂർത്തിയായി</numerusform>
            <numerusform>%1-ൽ %Ln പൂർത്തിയായി</numerusform>
        </translation>
    </message>
    <message>
        <source>The server refused the connection. Check that it is running and that the address is right.</source>
        <translation>സെർവർ കണക്ഷൻ നിരസിച്ചു. അത് പ്രവർത്തിക്കുന്നുണ്ടോ എന്നും വിലാസം ശരിയാണോ എന്നും പരിശോധിക്കുക.</translation>
    </message>
    <message>
        <source>The server&apos;s name couldn&apos;t be found. Check the address.</source>
        <translation>സെർവറിന്റെ പേര് കണ്ടെത്താനായില്ല. വിലാസം പരിശോധിക്കുക.</translation>
    </message>
    <message>
        <source>A secure connection to the server couldn&apos;t be made.</source>
        <translation>സെർവറുമായി സുരക്ഷിത കണക്ഷൻ സ്ഥാപിക്കാനായില്ല.</translation>
    </message>
    <message>
        <source>The server closed the connection before it answered.</source>
        <translation>മറുപടി നൽകുന്നതിന് മുമ്പ് സെർവർ കണക്ഷൻ അടച്ചു.</translation>
    </message>
    <message>
        <source>The network proxy couldn&apos;t be reached.</source>
        <translation>നെറ്റ്‌വർക്കിന്റെ പ്രോക്സിയിൽ എത്താനായില്ല.</translation>
    </message>
    <message>
        <source>The server couldn&apos;t be reached.</source>
        <translation>സെർവറിൽ എത്താനായില്ല.</translation>
    </message>
    <message>
        <source>Waiting for the network…</source>
        <translation>നെറ്റ്‌വർക്കിനായി കാത്തിരിക്കുന്നു…</translation>
    </message>
    <message>
        <source>%1 is taken by another program.</source>
        <translation>മറ്റൊരു പ്രോഗ്രാം %1 ഉപയോഗിക്കുന്നുണ്ട്.</translation>
    </message>
    <message>
        <source>%1 could not open again. Your choice takes effect the next time you start it.</source>
        <translation>%1 വീണ്ടും തുറക്കാനായില്ല. അടുത്ത തവണ തുടങ്ങുമ്പോൾ നിങ്ങളുടെ തിരഞ്ഞെടുപ്പ് പ്രാബല്യത്തിൽ വരും.</translation>
    </message>
    <message>
        <source>Downloading the model</source>
        <translation>മോഡൽ ഡൗൺലോഡ് ചെയ്യുന്നു</translation>
    </message>
    <message numerus="yes">
        <source>These apps answer the Tab key before %app can, so %app stays paused in your other apps until they quit.</source>
        <translation>
            <numerusform>ഈ ആപ്പുകൾ %app-ന് മുമ്പേ Tab കീയോട് പ്രതികരിക്കുന്നു, അതിനാൽ അവ അടയ്ക്കുന്നതുവരെ നിങ്ങളുടെ മറ്റ് ആപ്പുകളിൽ %app താൽക്കാലികമായി നിർത്തിയിരിക്കും.</numerusform>
            <numerusform>ഈ ആപ്പുകൾ %app-ന് മുമ്പേ Tab കീയോട് പ്രതികരിക്കുന്നു, അതിനാൽ അവ അടയ്ക്കുന്നതുവരെ നിങ്ങളുടെ മറ്റ് ആപ്പുകളിൽ %app താൽക്കാലികമായി നിർത്തിയിരിക്കും.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>It may be waiting on a dialog of its own. Force Quit closes it right away.</source>
        <translation>
            <numerusform>അത് സ്വന്തം ഡയലോഗിനായി കാത്തിരിക്കുകയാകാം. “നിർബന്ധിച്ച് അടയ്ക്കുക” അത് ഉടൻ അടയ്ക്കും.</numerusform>
            <numerusform>അവ സ്വന്തം ഡയലോഗുകൾക്കായി കാത്തിരിക്കുകയാകാം. “നിർബന്ധിച്ച് അടയ്ക്കുക” അവ ഉടൻ അടയ്ക്കും.</numerusform>
        </translation>
    </message>
    <message>
        <source>Set a Suggest Now shortcut in Keys to ask for suggestions</source>
        <translation>നിർദ്ദേശങ്ങൾ ചോദിക്കാൻ “കീകൾ” എന്നതിൽ “ഇപ്പോൾ നിർദ്ദേശിക്കുക” കുറുക്കുവഴി സജ്ജമാക്കുക</translation>
    </message>
    <message>
        <source>Backspace</source>
        <comment>key above Enter that deletes backwards</comment>
        <translation>Backspace</translation>
    </message>
    <message>
        <source>0 words saved today</source>
        <translation>0 വാക്കുകൾ ഇന്ന് ലാഭിച്ചു</translation>
    </message>
    <message>
        <source>words saved today</source>
        <comment>beside the count 0</comment>
        <translation>വാക്കുകൾ ഇന്ന് ലാഭിച്ചു</translation>
    </message>
    <message>
        <source>Quit the other app</source>
        <translation>മറ്റേ ആപ്പ് അടയ്ക്കുക</translation>
    </message>
    <message>
        <source>None yet</source>
        <comment>no app looked at yet</comment>
        <translation>ഇതുവരെ ഒന്നുമില്ല</translation>
    </message>
    <message>
        <source>None yet</source>
        <comment>no suggestion shown yet</comment>
        <translation>ഇതുവരെ നിർദ്ദേശമൊന്നുമില്ല</translation>
    </message>
    <message>
        <source>The other app is also running</source>
        <translation>മറ്റേ ആപ്പ് കൂടി പ്രവർത്തിക്കുന്നുണ്ട്</translation>
    </message>
    <message>
        <source>Both apps answer the Tab key, and the system gives it to the other app first. %app stays paused in your other apps until the other app quits.</source>
        <translation>രണ്ട് ആപ്പുകളും Tab കീയോട് പ്രതികരിക്കുന്നു, സിസ്റ്റം അത് ആദ്യം മറ്റേ ആപ്പിന് നൽകുന്നു. മറ്റേ ആപ്പ് അടയ്ക്കുന്നതുവരെ നിങ്ങളുടെ മറ്റ് ആപ്പുകളിൽ %app താൽക്കാലികമായി നിർത്തിയിരിക്കും.</translation>
    </message>
    <message>
        <source>The other app is still open</source>
        <translation>മറ്റേ ആപ്പ് ഇപ്പോഴും തുറന്നിരിക്കുന്നു</translation>
    </message>
    <message>
        <source>The other app quit, so your suggestions are back in every app.</source>
        <translation>മറ്റേ ആപ്പ് അടച്ചു, അതിനാൽ എല്ലാ ആപ്പുകളിലും നിങ്ങളുടെ നിർദ്ദേശങ്ങൾ തിരിച്ചെത്തി.</translation>
    </message>
    <message>
        <source>The other app quit. %app has the Tab key.</source>
        <translation>മറ്റേ ആപ്പ് അടച്ചു. Tab കീ ഇപ്പോൾ %app-നാണ്.</translation>
    </message>
</context>
</TS>
