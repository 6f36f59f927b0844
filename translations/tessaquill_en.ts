<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
<context>
    <name>Tessaquill</name>
    <message>
        <source>Accessibility is on. %app is ready in your other apps.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paused while %1 is open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Welcome to %app</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%app</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Another autocomplete app is running</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ready</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Waiting for a pause</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thinking</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Showing a suggestion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The model took too long to answer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This app doesn&apos;t report where the caret is</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%app is turned off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Secure input is on, so %app stays out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Press %1 for a suggestion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text is selected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The caret is inside existing text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This field is too small</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Waiting for a few characters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start of a new line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The model is still downloading</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download the %app model in Settings first</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not checked yet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Checking…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The model stopped with error %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The model file couldn&apos;t be loaded</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There wasn&apos;t enough memory to start the model</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The text couldn&apos;t be prepared for the model</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This computer needs %1 free for the download. Free up some space, then try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The download didn&apos;t match the expected file, so it was deleted. Try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Downloaded</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Downloading. Suggestions start once it&apos;s done.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Checking the download.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Checking the download. Suggestions start once it&apos;s done.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download the model to start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ollama is running but has no models</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Another app</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no D-Bus session bus, so %1 cannot reach text fields.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The desktop&apos;s accessibility bus is not running, so %1 cannot reach text fields.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Short</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Medium</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Long</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hide the suggestion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hide suggestions until I change fields</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do nothing, send Escape to the app</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert through Accessibility</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paste it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grey</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gold tint</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%app model</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ollama</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Local server</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Runs on this computer after a one-time download. Works offline.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Any model you run in Ollama, base models included.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LM Studio, llama-server or any OpenAI-compatible endpoint.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sends the text as keystrokes. Works almost everywhere.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uses the clipboard, then puts your clipboard back.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Accessibility</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your writing memory could not be opened and was set aside. Nothing new is remembered until %app starts again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your writing memory could not be opened because its key could not be read from the keyring. Nothing new is remembered until %app starts again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not Now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open the desktop&apos;s settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Don&apos;t remind me again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Playground</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quit %app</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Needs Accessibility access</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paused until you resume</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paused until %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Off</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Paused while %1 are open</source>
        <translation>
            <numerusform>Paused while %1 is open</numerusform>
            <numerusform>Paused while %1 are open</numerusform>
        </translation>
    </message>
    <message>
        <source>Grant Accessibility Access…</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Force Quit %1</source>
        <translation>
            <numerusform>Force Quit %1</numerusform>
            <numerusform>Force Quit %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Quit %1</source>
        <translation>
            <numerusform>Quit %1</numerusform>
            <numerusform>Quit %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>words saved today</source>
        <translation>
            <numerusform>word saved today</numerusform>
            <numerusform>words saved today</numerusform>
        </translation>
    </message>
    <message>
        <source>Start typing anywhere. %app keeps count here.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resume in %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pause in %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resume Everywhere</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pause Everywhere</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For 15 Minutes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For 1 Hour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For 4 Hours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Until I Resume</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Example: after typing %1, %2 suggests %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>takes the next word</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2. You can keep writing while it downloads.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Checking the download</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 license</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove the %app model?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Model download</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Continue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Later</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start Writing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Finish your sentences in any app.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%app reads the words before your caret and suggests what comes next in grey. Press Tab to take one word, or the key above Tab to take the rest. If you don&apos;t want it, keep typing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sees what you see</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Private</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It reads the window you&apos;re typing in, like the chat you&apos;re answering, so suggestions fit. None of it goes online, to us or any server. It stays private on your computer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Accessibility is on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%app can now read the field you&apos;re writing in and type suggestions for you.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Let %app see what you type.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%app reads your text when you pause and forgets it after one suggestion, unless you turn on writing memory.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%app skips password fields and anything else the system marks as secure.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Accessibility Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pick what writes your suggestions.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You can change this any time in Settings.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Give it a try.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start typing a sentence. When grey words appear, press Tab for one word or the key above Tab for all of them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hi Orlenn, thanks for the quick reply. I think we should</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Practice field</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Default, on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Default, off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add a website</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Domain</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rules for a site apply in any browser %app can read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add App…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add an app</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add an app or website</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Website…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apps &amp; Sites</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paused</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Websites</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No matches</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No apps yet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing matches “%1”.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apps appear here once you accept a suggestion in them, or add one with +.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pick an app or site</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Each one can have its own rules. Anything you don&apos;t change follows General.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Words saved here</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Suggestions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>On</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tab accepts suggestions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turn off where Tab already means something, like indenting. The other accept key still works.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Default</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert by</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Length</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resume</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pause here</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Memory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remember my writing here</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Writing memory is off in Your Voice.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Erase…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset to Defaults</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Erase what %app remembered from %1?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Erase</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Passages from this app can shape suggestions everywhere.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Finish setting up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Setup progress</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Done: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Best day yet!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Try it here</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thanks for sending the draft over. I had a look and</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>next word</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>whole suggestion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>hide it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This field runs the real engine. Start typing and grey words show up as you go.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This field runs the real engine, even before you allow Accessibility. Start typing and grey words show up as you go.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You&apos;re all set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Accessibility is on and %1 is ready. %app works in every app you type in.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Waiting for %1 to quit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turned off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paused everywhere</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, %2 typical wait</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start your streak today.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Overview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>General</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Engine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Context</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Voice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keys</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Emoji</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Battery</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insights</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Field Inspector</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How %app is doing today</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Where and how suggestions appear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The model that writes your suggestions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What %app may look at to guess better</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help suggestions sound like you</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Accept, dismiss and summon suggestions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Emoji search and emoticons</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rules for each app and website</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save power when you&apos;re unplugged</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Words saved and how fast suggestions arrive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What %app sees in the focused field</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version and privacy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Writing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Input</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rules</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Activity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%app can read the field you&apos;re typing in and insert suggestions in any app.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Allow Accessibility access</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%app needs it to read the text you type in other apps and to insert suggestions.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Allow…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is ready</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Checking %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This takes a moment.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your engine isn&apos;t ready</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Engine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The system&apos;s predictions are off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only %app&apos;s suggestions appear while you type.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turn off the system&apos;s predictions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The system shows its own grey suggestions on top of %app&apos;s. Each app picks up the change the next time you open it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keyboard Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turn Off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only %app is suggesting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tab reaches %app again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%1 didn&apos;t quit. They may be showing a dialog. Force Quit closes them right away.</source>
        <translation>
            <numerusform>%1 didn&apos;t quit. It may be showing a dialog. Force Quit closes it right away.</numerusform>
            <numerusform>%1 didn&apos;t quit. They may be showing a dialog. Force Quit closes them right away.</numerusform>
        </translation>
    </message>
    <message>
        <source>Force Quit</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%1 take the Tab key before %app can, so %app stays paused in your other apps until you quit them.</source>
        <translation>
            <numerusform>%1 takes the Tab key before %app can, so %app stays paused in your other apps until you quit it.</numerusform>
            <numerusform>%1 take the Tab key before %app can, so %app stays paused in your other apps until you quit them.</numerusform>
        </translation>
    </message>
    <message>
        <source>Only when I ask</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>On battery, suggestions appear only after you press the Suggest Now shortcut.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shorter suggestions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fewer words take less power to write.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lighter model</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Same as plugged in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Running on battery. These apply right now.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Plugged in. These wait until you unplug.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Model</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Model name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reload the model list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a model</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For people who already run Ollama, LM Studio or llama-server.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use your own model</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>API key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only if your server asks for one</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Focused</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Creativity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loose</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lower stays close to the obvious next words. Higher tries more.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wait before suggesting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How long you pause before %app starts.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Run</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Try the engine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sends a sample sentence and shows what comes back.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Running…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The engine answered in %1 but had nothing useful to add.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>That didn&apos;t work: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The request was cancelled.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Startup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Launch at login</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show today&apos;s word count next to the icon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Where suggestions appear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turn this off to use %app only in the apps you switch on under Apps &amp; Sites.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>By default %app waits until the caret is at the end of a line.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Without this, %app skips search bars and one-word boxes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Suggestions appear only after you press the Suggest Now shortcut.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spelling</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Waits while the word you&apos;re typing looks misspelled, so %app doesn&apos;t build on a typo.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>After a misspelled word, shows a fix next to the caret. Press Tab to swap it in.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Look</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Suggestion color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fine-tune if suggestions look larger or smaller than your text.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vertical position</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nudge suggestions up or down to line up with your text.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A small keycap after your first suggestions, as a reminder of what to press.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert suggestions by</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other autocomplete apps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>They take the Tab key before %app can. With this off, %app asks you first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is another device on your network, so the text around your caret will be sent there.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 isn&apos;t this computer, so the text around your caret will be sent there.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Both keep your text on this computer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%app opens by itself when you start your computer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System predictions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The system can show its own grey predictions. Keeping them off avoids two suggestions at once.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System predictions are on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System predictions are off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>tab</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your next words, one Tab away.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Get Started</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turn sound on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turn sound off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The other app</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Next time, quit %1 without asking</source>
        <translation>
            <numerusform>Next time, quit %1 without asking</numerusform>
            <numerusform>Next time, quit %1 without asking</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 is also running</source>
        <translation>
            <numerusform>%1 is also running</numerusform>
            <numerusform>%1 are also running</numerusform>
        </translation>
    </message>
    <message>
        <source>Quitting…</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%1 is still open</source>
        <translation>
            <numerusform>%1 is still open</numerusform>
            <numerusform>%1 are still open</numerusform>
        </translation>
    </message>
    <message>
        <source>%app has the Tab key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 quit, so your suggestions are back in every app.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Done</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Source Notices</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset all settings?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This also clears your rules for apps and sites. Your statistics and writing memory stay.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Some apps hide their text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Suggest emoji after a colon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turn emoticons into emoji</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>After :-) or &lt;3, %app offers the matching emoji. Press Tab to swap it in.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skin tone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Also show the default yellow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Try a word</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Light</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No emoji match “%1”</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Accepting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Take the next word</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Press again for each following word.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Take the whole suggestion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The key above Tab is easy to reach on most keyboards.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Include the space after a word</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Include punctuation right after a word</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>When you press Escape</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Suggest now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Asks for a suggestion right away, even where %app would normally wait.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other suggestions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lists a few different ways to continue. Choose with the arrow keys, then press Tab.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pause or resume in this app</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pauses for 15 minutes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turn %app on or off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Everywhere, until you press it again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pause or resume</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turn on or off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 and %2 use the same keys. Only the first will work.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About you</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For example: I&apos;m a product designer in Berlin. I write short, friendly emails in British English and sign off with Cheers.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your role, the languages you write in, names you use often, how you like to sound.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Writing memory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remember how I write</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Also remember fields where I accept nothing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%app learns your style sooner but keeps more of what you type.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Influence</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Strong</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How many of your passages each suggestion can draw on.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Erase All…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Erase everything %app remembered?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This can&apos;t be undone.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Erase All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing remembered yet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>App and window name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Website</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The site&apos;s domain when you write in a browser.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recently copied text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Anything you copied in the last 10 minutes. Copies from password managers are skipped.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text on screen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reads the window you&apos;re writing in, so replies fit the conversation. It picks the lines closest to where you type.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What you just looked at</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Windows beside you</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Also reads up to two other windows on the same screen, like the document you&apos;re replying about. Skips password managers and apps you switched off.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Off in this app</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This word looks misspelled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thanks for the notes. I&apos;ll send the revised deck</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> by Friday morning.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 quit. %app has the Tab key.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Data Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show Welcome Again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play Intro Again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset Settings…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Suggest in every app</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Suggest in code editors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Suggest in the middle of a line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Suggest in small fields</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hold back on misspelled words</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Offer spelling fixes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the key hint</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quit other autocomplete apps when they open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keeps a few minutes of text from windows you switched away from, like a page you read before replying. It stays on your computer and skips apps you switched off.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Both apps answer the Tab key, and the system gives it to %1 first. %app stays paused in your other apps until %1 quits.</source>
        <translation>
            <numerusform>Both apps answer the Tab key, and the system gives it to %1 first. %app stays paused in your other apps until %1 quits.</numerusform>
            <numerusform>%1 take the Tab key before %app can, so %app stays paused in your other apps until you quit them.</numerusform>
        </translation>
    </message>
    <message>
        <source>Finishes your sentences in any app, on your computer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keeps short passages from fields where you accepted a suggestion, encrypted on this computer, and shows them to the model as examples.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Light</source>
        <comment>skin tone</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Default</source>
        <comment>skin tone</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Medium light</source>
        <comment>skin tone</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Medium</source>
        <comment>skin tone</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Medium dark</source>
        <comment>skin tone</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dark</source>
        <comment>skin tone</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 × %2 pt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not reported, estimated from the caret</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2 pt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not yet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Today</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last 7 days</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Typing saved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>at 40 words a minute</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Accepted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>of suggestions shown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Typical wait</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>9 in 10 under %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no requests yet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Words saved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing to chart yet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Accept a few suggestions and your days show up here.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Where you write</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset Statistics…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset all statistics?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This clears words saved, acceptance and timing history.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy Diagnostics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Diagnostics leave out the text you typed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Allowed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not allowed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Listening</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not listening</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Focused field</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click into a text field in another app, then come back. The last field %1 saw stays here.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>App</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Field type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Field size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Caret found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Font</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>At end of line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Secure input</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Looked at lately</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text before the caret</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last request</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wait</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Suggestion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prompt sent to the engine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Raw answer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(empty)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copied</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search languages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Same as my computer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Switch to %1?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 closes and opens again in a second. Your settings stay as they are.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reopen Now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>App language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pick the language you read most easily. Suggestions follow whatever language you type.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change the app language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0 min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>under a minute</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear shortcut</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Ctrl, Alt or Super so normal typing still works.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type a shortcut…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recording shortcut</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shortcut %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Record shortcut</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shortcut not set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Press to record a new shortcut. Escape cancels.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your tray icon is hidden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This computer has no on-device language model</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turn on the on-device model in the desktop&apos;s settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The on-device model is unavailable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Downloading. The on-device model fills in until it&apos;s done.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The on-device model fills in until you download it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 shares no text. Quit it and start it with %2 to get suggestions in it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>On-device model</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The system&apos;s own language model. Nothing to download.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A website name cannot hold spaces, tabs or line breaks.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only addresses that start with http or https can be added.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>That is not a website name. Type one such as wikipedia.org.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A port is a number from 1 to 65535.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The on-device model fills in until the download is done.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Suggestions start once the download is done.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This frees %1. The on-device model fills in until you download it again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This frees %1. The %app model can&apos;t suggest until you download it again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There&apos;s no room for it, or your panel has no system tray. Add the panel&apos;s system tray or status area applet in its settings.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GNOME shows tray icons only with the AppIndicator extension. Install the gnome-shell-extension-appindicator package, log out and in, then turn it on in Extensions.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GNOME shows tray icons only with the AppIndicator extension. It is installed but off: turn it on in Extensions.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Until then, open %app from your applications menu to reach Settings.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Extensions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show Count in Tray</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 shares no text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy command</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There&apos;s no account and no analytics. With the %app model or the on-device model, your text stays on this computer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There&apos;s no account and no analytics. With the %app model, your text stays on this computer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%app lives in your system tray from now on. Click its icon to pause it in an app or open Settings.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%app has no account, no analytics and no servers of its own. The %app model and the on-device model keep your text on this computer. Other engines get it only if you set one up.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%app has no account, no analytics and no servers of its own. The %app model keeps your text on this computer. Other engines get it only if you set one up.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Installed applications</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%app reads these only while making a suggestion and never saves them. With the %app model or the on-device model, nothing leaves your computer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%app reads these only while making a suggestion and never saves them. With the %app model, nothing leaves your computer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The %app model keeps your text on this computer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The key holds a line break or another control character. Paste it again without them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Waiting for the keyring to store the key.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The keyring cannot keep this key, so it is used only until %app quits.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show in the system tray</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pause or open Settings from the system tray. Hidden? Open %app from your applications menu to come back.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This tray can&apos;t show text beside icons, so the count shows in the icon&apos;s tooltip.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VS Code, VSCodium, Cursor, Zed, Kate, Sublime Text, JetBrains IDEs and similar apps.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your settings could not be read, so they were set aside and %app started over with its defaults.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your settings are not saved: %app cannot write to its settings folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your app and website rules could not be read, so they were set aside.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your statistics could not be read, so they were set aside and counting started over.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not saved: %app cannot write to its data folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%Ln suggestions. %1 selected</source>
        <translation>
            <numerusform>%Ln suggestion. %1 selected</numerusform>
            <numerusform>%Ln suggestions. %1 selected</numerusform>
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
            <numerusform>%Ln word</numerusform>
            <numerusform>%Ln words</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln passages from here</source>
        <translation>
            <numerusform>%Ln passage from here</numerusform>
            <numerusform>%Ln passages from here</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>words</source>
        <comment>unit after a count</comment>
        <translation>
            <numerusform>word</numerusform>
            <numerusform>words</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln days</source>
        <translation>
            <numerusform>%Ln day</numerusform>
            <numerusform>%Ln days</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Words saved per day over the last %Ln days</source>
        <translation>
            <numerusform>Words saved per day over the last day</numerusform>
            <numerusform>Words saved per day over the last %Ln days</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln day streak</source>
        <translation>
            <numerusform>%Ln day streak</numerusform>
            <numerusform>%Ln day streak</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln passages remembered</source>
        <translation>
            <numerusform>%Ln passage remembered</numerusform>
            <numerusform>%Ln passages remembered</numerusform>
        </translation>
    </message>
    <message>
        <source>enter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Allow screen capture so %app can read those too. Most apps work without it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type a colon and a word, like :rocket, then press Tab or Enter to pick.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You can switch memory off for single apps under Apps &amp; Sites. The key that unlocks it lives in your keyring.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%Ln emoji. %1 selected</source>
        <translation>
            <numerusform>%Ln emoji. %1 selected</numerusform>
            <numerusform>%Ln emoji. %1 selected</numerusform>
        </translation>
    </message>
    <message>
        <source>Suggestion: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%Ln models available</source>
        <translation>
            <numerusform>%Ln model available</numerusform>
            <numerusform>%Ln models available</numerusform>
        </translation>
    </message>
    <message>
        <source>The model couldn&apos;t be saved: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ollama isn&apos;t running.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ollama isn&apos;t running at %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No server answered.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No server answered at %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Range: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%1, %Ln to do</source>
        <translation>
            <numerusform>%1, %Ln to do</numerusform>
            <numerusform>%1, %Ln to do</numerusform>
        </translation>
    </message>
    <message>
        <source>Type the whole name of the website, such as wikipedia.org.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The key holds a space, an invisible character or a letter outside plain ASCII. Paste it again exactly as your server gave it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The keyring could not be read, so your server is asked without an API key. Type the key again if your server needs one.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your writing memory could not be opened, so it was set aside and %app started a new one.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, converted for llama.cpp by %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The data folder %1 could not be made. Check that the folder above it exists and that you may write there.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>party</source>
        <comment>emoji search sample</comment>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%Ln settings held values %app cannot use, so they were corrected and saved.</source>
        <translation>
            <numerusform>%Ln setting held a value %app cannot use, so it was corrected and saved.</numerusform>
            <numerusform>%Ln settings held values %app cannot use, so they were corrected and saved.</numerusform>
        </translation>
    </message>
    <message>
        <source>Your writing memory is not saved: the keyring is missing or locked, so its key cannot be kept.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>That address isn&apos;t valid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The request timed out.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server&apos;s reply was too long, so it was stopped.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server answered %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server answered %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The download server answered %1. Try again later.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The download couldn&apos;t be saved: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The download paused because the connection dropped. Try again to pick up where it stopped.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The download stopped. Check your connection, then try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pick an Ollama model in Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pick a model for your local server</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server&apos;s answer is not HTTP.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The data couldn&apos;t be read because it is missing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The data couldn&apos;t be read because it isn&apos;t in the correct format.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>:%1:</source>
        <comment>emoji name</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This computer has no on-device language model.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl</source>
        <comment>key</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alt</source>
        <comment>key</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shift</source>
        <comment>key</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Super</source>
        <comment>key</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paused on %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paused in %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Off on %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Off in %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Off in %1 by default</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Off in code editors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Off unless turned on per app</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tab</source>
        <comment>key</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter</source>
        <comment>key</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Esc</source>
        <comment>key</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Del</source>
        <comment>key</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Space</source>
        <comment>key</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Home</source>
        <comment>key</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>End</source>
        <comment>key</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Page Up</source>
        <comment>key</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Page Down</source>
        <comment>key</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Key %1</source>
        <comment>key</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An email reply reads differently from a commit message.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Writes straight into the field. Cleanest in GTK and Qt apps.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Typing</source>
        <comment>insertion method</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 h</source>
        <comment>hours with one decimal, such as 1.5</comment>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1. %2</source>
        <comment>screen-reader name: a title, then the next part</comment>
        <translation type="unfinished">%1: %2 {1.?}</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>screen-reader name: one item of a list, then the next</comment>
        <translation type="unfinished">%1: %2 {1,?}</translation>
    </message>
    <message numerus="yes">
        <source>%Ln words saved today</source>
        <translation>
            <numerusform>%Ln word saved today</numerusform>
            <numerusform>%Ln words saved today</numerusform>
        </translation>
    </message>
    <message>
        <source>Under a minute of typing saved today.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About %1 of typing saved today.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Step %1 of %Ln</source>
        <translation>
            <numerusform>Step %1 of %Ln</numerusform>
            <numerusform>Step %1 of %Ln</numerusform>
        </translation>
    </message>
    <message>
        <source>%app reads and types into text fields through the desktop&apos;s accessibility support, which some desktops leave off. %app uses it only for the field you&apos;re writing in.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The button switches the desktop&apos;s accessibility support on. If the desktop&apos;s settings open instead, turn accessibility on there, then come back. This page updates by itself.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Still off? Some desktops start their accessibility service only when you log in. Log out and back in, then try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pause</source>
        <comment>section header</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pause</source>
        <comment>button</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>typing</source>
        <comment>insertion method, in a sentence</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>accessibility</source>
        <comment>insertion method, in a sentence</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>paste</source>
        <comment>insertion method, in a sentence</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>short</source>
        <comment>suggestion length, in a sentence</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>medium</source>
        <comment>suggestion length, in a sentence</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>long</source>
        <comment>suggestion length, in a sentence</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Default follows General: %1, %2 suggestions.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yes, at %1, %2 on screen, %3 pt tall, %4 and %5</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%Ln characters before it</source>
        <translation>
            <numerusform>%Ln character before it</numerusform>
            <numerusform>%Ln characters before it</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln after</source>
        <comment>characters after the caret</comment>
        <translation>
            <numerusform>%Ln after</numerusform>
            <numerusform>%Ln after</numerusform>
        </translation>
    </message>
    <message>
        <source>No system tray runs on this desktop, so the icon cannot show. %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Typing</source>
        <comment>section header</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Switch to the computer&apos;s language?</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%Ln words this week.</source>
        <translation>
            <numerusform>%Ln word this week.</numerusform>
            <numerusform>%Ln words this week.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Under a minute of typing saved today. %Ln words this week.</source>
        <translation>
            <numerusform>Under a minute of typing saved today. %Ln word this week.</numerusform>
            <numerusform>Under a minute of typing saved today. %Ln words this week.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>About %1 of typing saved today. %Ln words this week.</source>
        <translation>
            <numerusform>About %1 of typing saved today. %Ln word this week.</numerusform>
            <numerusform>About %1 of typing saved today. %Ln words this week.</numerusform>
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
            <numerusform>%Ln of %1 done</numerusform>
            <numerusform>%Ln of %1 done</numerusform>
        </translation>
    </message>
    <message>
        <source>The server refused the connection. Check that it is running and that the address is right.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server&apos;s name couldn&apos;t be found. Check the address.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A secure connection to the server couldn&apos;t be made.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server closed the connection before it answered.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The network proxy couldn&apos;t be reached.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server couldn&apos;t be reached.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Waiting for the network…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is taken by another program.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 could not open again. Your choice takes effect the next time you start it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Downloading the model</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>These apps answer the Tab key before %app can, so %app stays paused in your other apps until they quit.</source>
        <translation>
            <numerusform>These apps answer the Tab key before %app can, so %app stays paused in your other apps until they quit.</numerusform>
            <numerusform>These apps answer the Tab key before %app can, so %app stays paused in your other apps until they quit.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>It may be waiting on a dialog of its own. Force Quit closes it right away.</source>
        <translation>
            <numerusform>It may be waiting on a dialog of its own. Force Quit closes it right away.</numerusform>
            <numerusform>They may be waiting on dialogs of their own. Force Quit closes them right away.</numerusform>
        </translation>
    </message>
    <message>
        <source>Set a Suggest Now shortcut in Keys to ask for suggestions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Backspace</source>
        <comment>key above Enter that deletes backwards</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0 words saved today</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>words saved today</source>
        <comment>beside the count 0</comment>
        <translation type="unfinished">word saved today</translation>
    </message>
    <message>
        <source>Quit the other app</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None yet</source>
        <comment>no app looked at yet</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None yet</source>
        <comment>no suggestion shown yet</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The other app is also running</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Both apps answer the Tab key, and the system gives it to the other app first. %app stays paused in your other apps until the other app quits.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The other app is still open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The other app quit, so your suggestions are back in every app.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The other app quit. %app has the Tab key.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
