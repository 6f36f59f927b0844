<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pa" sourcelanguage="en">
<context>
    <name>Tessaquill</name>
    <message>
        <source>Accessibility is on. %app is ready in your other apps.</source>
        <translation>ਪਹੁੰਚਯੋਗਤਾ ਚਾਲੂ ਹੈ। %app ਤੁਹਾਡੀਆਂ ਹੋਰ ਐਪਾਂ ਵਿੱਚ ਤਿਆਰ ਹੈ।</translation>
    </message>
    <message>
        <source>Paused while %1 is open</source>
        <translation>%1 ਖੁੱਲ੍ਹੀ ਹੋਣ ਤੱਕ ਰੁਕਿਆ ਹੋਇਆ</translation>
    </message>
    <message>
        <source>Welcome to %app</source>
        <translation>%app ਵਿੱਚ ਜੀ ਆਇਆਂ ਨੂੰ</translation>
    </message>
    <message>
        <source>%app</source>
        <translation>%app</translation>
    </message>
    <message>
        <source>Another autocomplete app is running</source>
        <translation>ਕੋਈ ਹੋਰ ਆਟੋਕੰਪਲੀਟ ਐਪ ਚੱਲ ਰਹੀ ਹੈ</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>ਤਿਆਰ</translation>
    </message>
    <message>
        <source>Waiting for a pause</source>
        <translation>ਵਿਰਾਮ ਦੀ ਉਡੀਕ</translation>
    </message>
    <message>
        <source>Thinking</source>
        <translation>ਸੋਚ ਰਿਹਾ ਹੈ</translation>
    </message>
    <message>
        <source>Showing a suggestion</source>
        <translation>ਸੁਝਾਅ ਦਿਖਾ ਰਿਹਾ ਹੈ</translation>
    </message>
    <message>
        <source>The model took too long to answer</source>
        <translation>ਮਾਡਲ ਨੇ ਜਵਾਬ ਦੇਣ ਵਿੱਚ ਬਹੁਤ ਦੇਰ ਲਾਈ</translation>
    </message>
    <message>
        <source>This app doesn&apos;t report where the caret is</source>
        <translation>ਇਹ ਐਪ ਨਹੀਂ ਦੱਸਦੀ ਕਿ ਕੈਰੇਟ ਕਿੱਥੇ ਹੈ</translation>
    </message>
    <message>
        <source>%app is turned off</source>
        <translation>%app ਬੰਦ ਹੈ</translation>
    </message>
    <message>
        <source>Secure input is on, so %app stays out</source>
        <translation>ਸੁਰੱਖਿਅਤ ਇਨਪੁਟ ਚਾਲੂ ਹੈ, ਇਸ ਲਈ %app ਕੰਮ ਨਹੀਂ ਕਰਦਾ</translation>
    </message>
    <message>
        <source>Press %1 for a suggestion</source>
        <translation>ਸੁਝਾਅ ਲਈ %1 ਦਬਾਓ</translation>
    </message>
    <message>
        <source>Text is selected</source>
        <translation>ਟੈਕਸਟ ਚੁਣਿਆ ਹੋਇਆ ਹੈ</translation>
    </message>
    <message>
        <source>The caret is inside existing text</source>
        <translation>ਕੈਰੇਟ ਮੌਜੂਦਾ ਟੈਕਸਟ ਦੇ ਅੰਦਰ ਹੈ</translation>
    </message>
    <message>
        <source>This field is too small</source>
        <translation>ਇਹ ਖੇਤਰ ਬਹੁਤ ਛੋਟਾ ਹੈ</translation>
    </message>
    <message>
        <source>Waiting for a few characters</source>
        <translation>ਕੁਝ ਅੱਖਰਾਂ ਦੀ ਉਡੀਕ</translation>
    </message>
    <message>
        <source>Start of a new line</source>
        <translation>ਨਵੀਂ ਲਾਈਨ ਦੀ ਸ਼ੁਰੂਆਤ</translation>
    </message>
    <message>
        <source>The model is still downloading</source>
        <translation>ਮਾਡਲ ਹਾਲੇ ਡਾਊਨਲੋਡ ਹੋ ਰਿਹਾ ਹੈ</translation>
    </message>
    <message>
        <source>Download the %app model in Settings first</source>
        <translation>ਪਹਿਲਾਂ ਸੈਟਿੰਗਾਂ ਵਿੱਚ %app ਮਾਡਲ ਡਾਊਨਲੋਡ ਕਰੋ</translation>
    </message>
    <message>
        <source>Not checked yet</source>
        <translation>ਹਾਲੇ ਜਾਂਚਿਆ ਨਹੀਂ</translation>
    </message>
    <message>
        <source>Checking…</source>
        <translation>ਜਾਂਚ ਹੋ ਰਹੀ ਹੈ…</translation>
    </message>
    <message>
        <source>The model stopped with error %1</source>
        <translation>ਮਾਡਲ ਗਲਤੀ %1 ਨਾਲ ਰੁਕ ਗਿਆ</translation>
    </message>
    <message>
        <source>The model file couldn&apos;t be loaded</source>
        <translation>ਮਾਡਲ ਫ਼ਾਈਲ ਲੋਡ ਨਹੀਂ ਹੋ ਸਕੀ</translation>
    </message>
    <message>
        <source>There wasn&apos;t enough memory to start the model</source>
        <translation>ਮਾਡਲ ਸ਼ੁਰੂ ਕਰਨ ਲਈ ਲੋੜੀਂਦੀ ਮੈਮਰੀ ਨਹੀਂ ਸੀ</translation>
    </message>
    <message>
        <source>The text couldn&apos;t be prepared for the model</source>
        <translation>ਟੈਕਸਟ ਨੂੰ ਮਾਡਲ ਲਈ ਤਿਆਰ ਨਹੀਂ ਕੀਤਾ ਜਾ ਸਕਿਆ</translation>
    </message>
    <message>
        <source>This computer needs %1 free for the download. Free up some space, then try again.</source>
        <translation>ਡਾਊਨਲੋਡ ਲਈ ਇਸ ਕੰਪਿਊਟਰ ਉੱਤੇ %1 ਖਾਲੀ ਥਾਂ ਚਾਹੀਦੀ ਹੈ। ਕੁਝ ਥਾਂ ਖਾਲੀ ਕਰੋ, ਫਿਰ ਦੁਬਾਰਾ ਕੋਸ਼ਿਸ਼ ਕਰੋ।</translation>
    </message>
    <message>
        <source>The download didn&apos;t match the expected file, so it was deleted. Try again.</source>
        <translation>ਡਾਊਨਲੋਡ ਉਮੀਦ ਕੀਤੀ ਫ਼ਾਈਲ ਨਾਲ ਮੇਲ ਨਹੀਂ ਖਾਂਦਾ ਸੀ, ਇਸ ਲਈ ਉਸ ਨੂੰ ਮਿਟਾ ਦਿੱਤਾ ਗਿਆ। ਦੁਬਾਰਾ ਕੋਸ਼ਿਸ਼ ਕਰੋ।</translation>
    </message>
    <message>
        <source>Downloaded</source>
        <translation>ਡਾਊਨਲੋਡ ਹੋ ਗਿਆ</translation>
    </message>
    <message>
        <source>Downloading. Suggestions start once it&apos;s done.</source>
        <translation>ਡਾਊਨਲੋਡ ਹੋ ਰਿਹਾ ਹੈ। ਪੂਰਾ ਹੁੰਦੇ ਹੀ ਸੁਝਾਅ ਸ਼ੁਰੂ ਹੋਣਗੇ।</translation>
    </message>
    <message>
        <source>Checking the download.</source>
        <translation>ਡਾਊਨਲੋਡ ਦੀ ਜਾਂਚ ਹੋ ਰਹੀ ਹੈ।</translation>
    </message>
    <message>
        <source>Checking the download. Suggestions start once it&apos;s done.</source>
        <translation>ਡਾਊਨਲੋਡ ਦੀ ਜਾਂਚ ਹੋ ਰਹੀ ਹੈ। ਪੂਰਾ ਹੁੰਦੇ ਹੀ ਸੁਝਾਅ ਸ਼ੁਰੂ ਹੋਣਗੇ।</translation>
    </message>
    <message>
        <source>Download the model to start</source>
        <translation>ਸ਼ੁਰੂ ਕਰਨ ਲਈ ਮਾਡਲ ਡਾਊਨਲੋਡ ਕਰੋ</translation>
    </message>
    <message>
        <source>Ollama is running but has no models</source>
        <translation>Ollama ਚੱਲ ਰਿਹਾ ਹੈ, ਪਰ ਉਸ ਵਿੱਚ ਕੋਈ ਮਾਡਲ ਨਹੀਂ</translation>
    </message>
    <message>
        <source>Another app</source>
        <translation>ਕੋਈ ਹੋਰ ਐਪ</translation>
    </message>
    <message>
        <source>There is no D-Bus session bus, so %1 cannot reach text fields.</source>
        <translation>ਕੋਈ D-Bus ਸੈਸ਼ਨ ਬੱਸ ਨਹੀਂ ਹੈ, ਇਸ ਲਈ %1 ਟੈਕਸਟ ਖੇਤਰਾਂ ਤੱਕ ਨਹੀਂ ਪਹੁੰਚ ਸਕਦਾ।</translation>
    </message>
    <message>
        <source>The desktop&apos;s accessibility bus is not running, so %1 cannot reach text fields.</source>
        <translation>ਡੈਸਕਟਾਪ ਦੀ ਪਹੁੰਚਯੋਗਤਾ ਬੱਸ ਨਹੀਂ ਚੱਲ ਰਹੀ, ਇਸ ਲਈ %1 ਟੈਕਸਟ ਖੇਤਰਾਂ ਤੱਕ ਨਹੀਂ ਪਹੁੰਚ ਸਕਦਾ।</translation>
    </message>
    <message>
        <source>Short</source>
        <translation>ਛੋਟਾ</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>ਦਰਮਿਆਨਾ</translation>
    </message>
    <message>
        <source>Long</source>
        <translation>ਲੰਬਾ</translation>
    </message>
    <message>
        <source>Hide the suggestion</source>
        <translation>ਸੁਝਾਅ ਲੁਕਾਓ</translation>
    </message>
    <message>
        <source>Hide suggestions until I change fields</source>
        <translation>ਖੇਤਰ ਬਦਲਣ ਤੱਕ ਸੁਝਾਅ ਲੁਕਾਓ</translation>
    </message>
    <message>
        <source>Do nothing, send Escape to the app</source>
        <translation>ਕੁਝ ਨਾ ਕਰੋ, Escape ਐਪ ਨੂੰ ਭੇਜੋ</translation>
    </message>
    <message>
        <source>Type it</source>
        <translation>ਟਾਈਪ ਕਰੋ</translation>
    </message>
    <message>
        <source>Insert through Accessibility</source>
        <translation>ਪਹੁੰਚਯੋਗਤਾ ਰਾਹੀਂ ਪਾਓ</translation>
    </message>
    <message>
        <source>Paste it</source>
        <translation>ਪੇਸਟ ਕਰੋ</translation>
    </message>
    <message>
        <source>Grey</source>
        <translation>ਸਲੇਟੀ</translation>
    </message>
    <message>
        <source>Gold tint</source>
        <translation>ਸੁਨਹਿਰੀ ਝਲਕ</translation>
    </message>
    <message>
        <source>%app model</source>
        <translation>%app ਮਾਡਲ</translation>
    </message>
    <message>
        <source>Ollama</source>
        <translation>Ollama</translation>
    </message>
    <message>
        <source>Local server</source>
        <translation>ਸਥਾਨਕ ਸਰਵਰ</translation>
    </message>
    <message>
        <source>Runs on this computer after a one-time download. Works offline.</source>
        <translation>ਇੱਕ ਵਾਰ ਡਾਊਨਲੋਡ ਕਰਨ ਮਗਰੋਂ ਇਸੇ ਕੰਪਿਊਟਰ ਉੱਤੇ ਚੱਲਦਾ ਹੈ। ਆਫ਼ਲਾਈਨ ਕੰਮ ਕਰਦਾ ਹੈ।</translation>
    </message>
    <message>
        <source>Any model you run in Ollama, base models included.</source>
        <translation>Ollama ਵਿੱਚ ਤੁਸੀਂ ਜੋ ਵੀ ਮਾਡਲ ਚਲਾਉਂਦੇ ਹੋ, ਬੇਸ ਮਾਡਲਾਂ ਸਮੇਤ।</translation>
    </message>
    <message>
        <source>LM Studio, llama-server or any OpenAI-compatible endpoint.</source>
        <translation>LM Studio, llama-server ਜਾਂ ਕੋਈ ਵੀ OpenAI-ਅਨੁਕੂਲ ਐਂਡਪੁਆਇੰਟ।</translation>
    </message>
    <message>
        <source>Sends the text as keystrokes. Works almost everywhere.</source>
        <translation>ਟੈਕਸਟ ਨੂੰ ਕੀਸਟ੍ਰੋਕਾਂ ਵਜੋਂ ਭੇਜਦਾ ਹੈ। ਲਗਭਗ ਹਰ ਥਾਂ ਕੰਮ ਕਰਦਾ ਹੈ।</translation>
    </message>
    <message>
        <source>Uses the clipboard, then puts your clipboard back.</source>
        <translation>ਕਲਿੱਪਬੋਰਡ ਵਰਤਦਾ ਹੈ, ਫਿਰ ਤੁਹਾਡਾ ਕਲਿੱਪਬੋਰਡ ਵਾਪਸ ਰੱਖ ਦਿੰਦਾ ਹੈ।</translation>
    </message>
    <message>
        <source>Accessibility</source>
        <translation>ਪਹੁੰਚਯੋਗਤਾ</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>ਪੇਸਟ</translation>
    </message>
    <message>
        <source>Your writing memory could not be opened and was set aside. Nothing new is remembered until %app starts again.</source>
        <translation>ਤੁਹਾਡੀ ਲਿਖਤ ਮੈਮਰੀ ਖੋਲ੍ਹੀ ਨਹੀਂ ਜਾ ਸਕੀ, ਇਸ ਲਈ ਉਸ ਨੂੰ ਪਾਸੇ ਰੱਖ ਦਿੱਤਾ ਗਿਆ। %app ਦੇ ਦੁਬਾਰਾ ਸ਼ੁਰੂ ਹੋਣ ਤੱਕ ਕੁਝ ਨਵਾਂ ਯਾਦ ਨਹੀਂ ਰੱਖਿਆ ਜਾਵੇਗਾ।</translation>
    </message>
    <message>
        <source>Your writing memory could not be opened because its key could not be read from the keyring. Nothing new is remembered until %app starts again.</source>
        <translation>ਤੁਹਾਡੀ ਲਿਖਤ ਮੈਮਰੀ ਖੋਲ੍ਹੀ ਨਹੀਂ ਜਾ ਸਕੀ, ਕਿਉਂਕਿ ਉਸ ਦੀ ਕੁੰਜੀ ਕੀਰਿੰਗ ਤੋਂ ਪੜ੍ਹੀ ਨਹੀਂ ਜਾ ਸਕੀ। %app ਦੇ ਦੁਬਾਰਾ ਸ਼ੁਰੂ ਹੋਣ ਤੱਕ ਕੁਝ ਨਵਾਂ ਯਾਦ ਨਹੀਂ ਰੱਖਿਆ ਜਾਵੇਗਾ।</translation>
    </message>
    <message>
        <source>Not Now</source>
        <translation>ਹੁਣ ਨਹੀਂ</translation>
    </message>
    <message>
        <source>Open the desktop&apos;s settings</source>
        <translation>ਡੈਸਕਟਾਪ ਦੀਆਂ ਸੈਟਿੰਗਾਂ ਖੋਲ੍ਹੋ</translation>
    </message>
    <message>
        <source>Don&apos;t remind me again</source>
        <translation>ਮੁੜ ਯਾਦ ਨਾ ਕਰਵਾਓ</translation>
    </message>
    <message>
        <source>Open Playground</source>
        <translation>ਅਭਿਆਸ ਖੇਤਰ ਖੋਲ੍ਹੋ</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>ਸੈਟਿੰਗਾਂ</translation>
    </message>
    <message>
        <source>Quit %app</source>
        <translation>%app ਤੋਂ ਬਾਹਰ ਨਿਕਲੋ</translation>
    </message>
    <message>
        <source>Needs Accessibility access</source>
        <translation>ਪਹੁੰਚਯੋਗਤਾ ਇਜਾਜ਼ਤ ਚਾਹੀਦੀ ਹੈ</translation>
    </message>
    <message>
        <source>Paused until you resume</source>
        <translation>ਤੁਹਾਡੇ ਮੁੜ ਸ਼ੁਰੂ ਕਰਨ ਤੱਕ ਰੁਕਿਆ ਹੋਇਆ</translation>
    </message>
    <message>
        <source>Paused until %1</source>
        <translation>%1 ਤੱਕ ਰੁਕਿਆ ਹੋਇਆ</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>ਬੰਦ</translation>
    </message>
    <message numerus="yes">
        <source>Paused while %1 are open</source>
        <translation>
            <numerusform>%1 ਖੁੱਲ੍ਹੀ ਹੋਣ ਤੱਕ ਰੁਕਿਆ ਹੋਇਆ</numerusform>
            <numerusform>%1 ਖੁੱਲ੍ਹੀਆਂ ਹੋਣ ਤੱਕ ਰੁਕਿਆ ਹੋਇਆ</numerusform>
        </translation>
    </message>
    <message>
        <source>Grant Accessibility Access…</source>
        <translation>ਪਹੁੰਚਯੋਗਤਾ ਇਜਾਜ਼ਤ ਦਿਓ…</translation>
    </message>
    <message numerus="yes">
        <source>Force Quit %1</source>
        <translation>
            <numerusform>%1 ਨੂੰ ਜ਼ਬਰਦਸਤੀ ਬੰਦ ਕਰੋ</numerusform>
            <numerusform>%1 ਨੂੰ ਜ਼ਬਰਦਸਤੀ ਬੰਦ ਕਰੋ</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Quit %1</source>
        <translation>
            <numerusform>%1 ਬੰਦ ਕਰੋ</numerusform>
            <numerusform>%1 ਬੰਦ ਕਰੋ</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>words saved today</source>
        <translation>
            <numerusform>ਸ਼ਬਦ ਅੱਜ ਬਚਾਇਆ</numerusform>
            <numerusform>ਸ਼ਬਦ ਅੱਜ ਬਚਾਏ</numerusform>
        </translation>
    </message>
    <message>
        <source>Start typing anywhere. %app keeps count here.</source>
        <translation>ਕਿਤੇ ਵੀ ਟਾਈਪ ਕਰਨਾ ਸ਼ੁਰੂ ਕਰੋ। %app ਇੱਥੇ ਗਿਣਤੀ ਰੱਖਦਾ ਹੈ।</translation>
    </message>
    <message>
        <source>Resume in %1</source>
        <translation>%1 ਵਿੱਚ ਮੁੜ ਸ਼ੁਰੂ ਕਰੋ</translation>
    </message>
    <message>
        <source>Pause in %1</source>
        <translation>%1 ਵਿੱਚ ਰੋਕੋ</translation>
    </message>
    <message>
        <source>Resume Everywhere</source>
        <translation>ਹਰ ਥਾਂ ਮੁੜ ਸ਼ੁਰੂ ਕਰੋ</translation>
    </message>
    <message>
        <source>Pause Everywhere</source>
        <translation>ਹਰ ਥਾਂ ਰੋਕੋ</translation>
    </message>
    <message>
        <source>For 15 Minutes</source>
        <translation>15 ਮਿੰਟਾਂ ਲਈ</translation>
    </message>
    <message>
        <source>For 1 Hour</source>
        <translation>1 ਘੰਟੇ ਲਈ</translation>
    </message>
    <message>
        <source>For 4 Hours</source>
        <translation>4 ਘੰਟਿਆਂ ਲਈ</translation>
    </message>
    <message>
        <source>Until I Resume</source>
        <translation>ਮੁੜ ਸ਼ੁਰੂ ਕਰਨ ਤੱਕ</translation>
    </message>
    <message>
        <source>Example: after typing %1, %2 suggests %3</source>
        <translation>ਉਦਾਹਰਨ: %1 ਟਾਈਪ ਕਰਨ ਮਗਰੋਂ %2 ਸੁਝਾਉਂਦਾ ਹੈ: %3</translation>
    </message>
    <message>
        <source>takes the next word</source>
        <translation>ਅਗਲਾ ਸ਼ਬਦ ਲੈਂਦਾ ਹੈ</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>ਡਾਊਨਲੋਡ ਕਰੋ</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>ਰੱਦ ਕਰੋ</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%2 ਵਿੱਚੋਂ %1</translation>
    </message>
    <message>
        <source>%1 of %2. You can keep writing while it downloads.</source>
        <translation>%2 ਵਿੱਚੋਂ %1। ਡਾਊਨਲੋਡ ਹੁੰਦੇ ਸਮੇਂ ਤੁਸੀਂ ਲਿਖਣਾ ਜਾਰੀ ਰੱਖ ਸਕਦੇ ਹੋ।</translation>
    </message>
    <message>
        <source>Checking the download</source>
        <translation>ਡਾਊਨਲੋਡ ਦੀ ਜਾਂਚ ਹੋ ਰਹੀ ਹੈ</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>ਦੁਬਾਰਾ ਕੋਸ਼ਿਸ਼ ਕਰੋ</translation>
    </message>
    <message>
        <source>Remove…</source>
        <translation>ਹਟਾਓ…</translation>
    </message>
    <message>
        <source>%1 license</source>
        <translation>%1 ਲਾਇਸੈਂਸ</translation>
    </message>
    <message>
        <source>Remove the %app model?</source>
        <translation>ਕੀ %app ਮਾਡਲ ਹਟਾਉਣਾ ਹੈ?</translation>
    </message>
    <message>
        <source>Model download</source>
        <translation>ਮਾਡਲ ਡਾਊਨਲੋਡ</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>ਹਟਾਓ</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>ਜਾਰੀ ਰੱਖੋ</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>ਬਾਅਦ ਵਿੱਚ</translation>
    </message>
    <message>
        <source>Start Writing</source>
        <translation>ਲਿਖਣਾ ਸ਼ੁਰੂ ਕਰੋ</translation>
    </message>
    <message>
        <source>Finish your sentences in any app.</source>
        <translation>ਕਿਸੇ ਵੀ ਐਪ ਵਿੱਚ ਆਪਣੇ ਵਾਕ ਪੂਰੇ ਕਰੋ।</translation>
    </message>
    <message>
        <source>%app reads the words before your caret and suggests what comes next in grey. Press Tab to take one word, or the key above Tab to take the rest. If you don&apos;t want it, keep typing.</source>
        <translation>%app ਤੁਹਾਡੇ ਕੈਰੇਟ ਤੋਂ ਪਹਿਲਾਂ ਦੇ ਸ਼ਬਦ ਪੜ੍ਹਦਾ ਹੈ ਅਤੇ ਅੱਗੇ ਕੀ ਆਵੇਗਾ, ਉਹ ਸਲੇਟੀ ਰੰਗ ਵਿੱਚ ਸੁਝਾਉਂਦਾ ਹੈ। ਇੱਕ ਸ਼ਬਦ ਲੈਣ ਲਈ Tab ਦਬਾਓ, ਜਾਂ ਬਾਕੀ ਸਭ ਲੈਣ ਲਈ Tab ਦੇ ਉੱਪਰ ਵਾਲੀ ਕੁੰਜੀ। ਨਹੀਂ ਚਾਹੀਦਾ ਤਾਂ ਬੱਸ ਟਾਈਪ ਕਰਦੇ ਰਹੋ।</translation>
    </message>
    <message>
        <source>Sees what you see</source>
        <translation>ਉਹੀ ਦੇਖਦਾ ਹੈ ਜੋ ਤੁਸੀਂ ਦੇਖਦੇ ਹੋ</translation>
    </message>
    <message>
        <source>Private</source>
        <translation>ਨਿੱਜੀ</translation>
    </message>
    <message>
        <source>It reads the window you&apos;re typing in, like the chat you&apos;re answering, so suggestions fit. None of it goes online, to us or any server. It stays private on your computer.</source>
        <translation>ਇਹ ਉਹ ਵਿੰਡੋ ਪੜ੍ਹਦਾ ਹੈ ਜਿਸ ਵਿੱਚ ਤੁਸੀਂ ਟਾਈਪ ਕਰ ਰਹੇ ਹੋ, ਜਿਵੇਂ ਉਹ ਚੈਟ ਜਿਸ ਦਾ ਤੁਸੀਂ ਜਵਾਬ ਦੇ ਰਹੇ ਹੋ, ਤਾਂ ਜੋ ਸੁਝਾਅ ਢੁਕਵੇਂ ਹੋਣ। ਇਸ ਵਿੱਚੋਂ ਕੁਝ ਵੀ ਆਨਲਾਈਨ ਨਹੀਂ ਜਾਂਦਾ, ਨਾ ਸਾਡੇ ਕੋਲ, ਨਾ ਕਿਸੇ ਸਰਵਰ ਉੱਤੇ। ਸਭ ਕੁਝ ਤੁਹਾਡੇ ਕੰਪਿਊਟਰ ਉੱਤੇ ਨਿੱਜੀ ਰਹਿੰਦਾ ਹੈ।</translation>
    </message>
    <message>
        <source>Accessibility is on</source>
        <translation>ਪਹੁੰਚਯੋਗਤਾ ਚਾਲੂ ਹੈ</translation>
    </message>
    <message>
        <source>%app can now read the field you&apos;re writing in and type suggestions for you.</source>
        <translation>%app ਹੁਣ ਉਹ ਖੇਤਰ ਪੜ੍ਹ ਸਕਦਾ ਹੈ ਜਿਸ ਵਿੱਚ ਤੁਸੀਂ ਲਿਖ ਰਹੇ ਹੋ ਅਤੇ ਤੁਹਾਡੇ ਲਈ ਸੁਝਾਅ ਟਾਈਪ ਕਰ ਸਕਦਾ ਹੈ।</translation>
    </message>
    <message>
        <source>Let %app see what you type.</source>
        <translation>%app ਨੂੰ ਦੇਖਣ ਦਿਓ ਕਿ ਤੁਸੀਂ ਕੀ ਟਾਈਪ ਕਰਦੇ ਹੋ।</translation>
    </message>
    <message>
        <source>%app reads your text when you pause and forgets it after one suggestion, unless you turn on writing memory.</source>
        <translation>ਤੁਹਾਡੇ ਰੁਕਣ ਉੱਤੇ %app ਤੁਹਾਡਾ ਟੈਕਸਟ ਪੜ੍ਹਦਾ ਹੈ ਅਤੇ ਇੱਕ ਸੁਝਾਅ ਮਗਰੋਂ ਉਸ ਨੂੰ ਭੁੱਲ ਜਾਂਦਾ ਹੈ, ਜਦੋਂ ਤੱਕ ਤੁਸੀਂ ਲਿਖਤ ਮੈਮਰੀ ਚਾਲੂ ਨਾ ਕਰੋ।</translation>
    </message>
    <message>
        <source>%app skips password fields and anything else the system marks as secure.</source>
        <translation>%app ਪਾਸਵਰਡ ਖੇਤਰਾਂ ਅਤੇ ਹਰ ਉਸ ਚੀਜ਼ ਨੂੰ ਛੱਡ ਦਿੰਦਾ ਹੈ ਜਿਸ ਨੂੰ ਸਿਸਟਮ ਸੁਰੱਖਿਅਤ ਵਜੋਂ ਚਿੰਨ੍ਹਿਤ ਕਰਦਾ ਹੈ।</translation>
    </message>
    <message>
        <source>Open Accessibility Settings</source>
        <translation>ਪਹੁੰਚਯੋਗਤਾ ਸੈਟਿੰਗਾਂ ਖੋਲ੍ਹੋ</translation>
    </message>
    <message>
        <source>Pick what writes your suggestions.</source>
        <translation>ਚੁਣੋ ਕਿ ਤੁਹਾਡੇ ਸੁਝਾਅ ਕੌਣ ਲਿਖੇ।</translation>
    </message>
    <message>
        <source>You can change this any time in Settings.</source>
        <translation>ਤੁਸੀਂ ਇਸ ਨੂੰ ਕਦੇ ਵੀ ਸੈਟਿੰਗਾਂ ਵਿੱਚ ਬਦਲ ਸਕਦੇ ਹੋ।</translation>
    </message>
    <message>
        <source>Give it a try.</source>
        <translation>ਅਜ਼ਮਾ ਕੇ ਦੇਖੋ।</translation>
    </message>
    <message>
        <source>Start typing a sentence. When grey words appear, press Tab for one word or the key above Tab for all of them.</source>
        <translation>ਕੋਈ ਵਾਕ ਟਾਈਪ ਕਰਨਾ ਸ਼ੁਰੂ ਕਰੋ। ਜਦੋਂ ਸਲੇਟੀ ਸ਼ਬਦ ਦਿਸਣ, ਤਾਂ ਇੱਕ ਸ਼ਬਦ ਲਈ Tab ਦਬਾਓ ਜਾਂ ਸਾਰਿਆਂ ਲਈ Tab ਦੇ ਉੱਪਰ ਵਾਲੀ ਕੁੰਜੀ।</translation>
    </message>
    <message>
        <source>Hi Orlenn, thanks for the quick reply. I think we should</source>
        <translation>ਹੈਲੋ ਓਰਲੇਨ, ਛੇਤੀ ਜਵਾਬ ਲਈ ਧੰਨਵਾਦ। ਮੈਨੂੰ ਲੱਗਦਾ ਹੈ ਸਾਨੂੰ</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>ਪਿੱਛੇ</translation>
    </message>
    <message>
        <source>Practice field</source>
        <translation>ਅਭਿਆਸ ਖੇਤਰ</translation>
    </message>
    <message>
        <source>Default, on</source>
        <translation>ਪੂਰਵ-ਨਿਰਧਾਰਤ, ਚਾਲੂ</translation>
    </message>
    <message>
        <source>Default, off</source>
        <translation>ਪੂਰਵ-ਨਿਰਧਾਰਤ, ਬੰਦ</translation>
    </message>
    <message>
        <source>Add a website</source>
        <translation>ਵੈੱਬਸਾਈਟ ਸ਼ਾਮਲ ਕਰੋ</translation>
    </message>
    <message>
        <source>Domain</source>
        <translation>ਡੋਮੇਨ</translation>
    </message>
    <message>
        <source>Rules for a site apply in any browser %app can read.</source>
        <translation>ਕਿਸੇ ਸਾਈਟ ਦੇ ਨਿਯਮ ਹਰ ਉਸ ਬ੍ਰਾਊਜ਼ਰ ਵਿੱਚ ਲਾਗੂ ਹੁੰਦੇ ਹਨ ਜਿਸ ਨੂੰ %app ਪੜ੍ਹ ਸਕਦਾ ਹੈ।</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>ਸ਼ਾਮਲ ਕਰੋ</translation>
    </message>
    <message>
        <source>Add App…</source>
        <translation>ਐਪ ਸ਼ਾਮਲ ਕਰੋ…</translation>
    </message>
    <message>
        <source>Add an app</source>
        <translation>ਐਪ ਸ਼ਾਮਲ ਕਰੋ</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>ਖੋਜੋ</translation>
    </message>
    <message>
        <source>Clear search</source>
        <translation>ਖੋਜ ਸਾਫ਼ ਕਰੋ</translation>
    </message>
    <message>
        <source>Add an app or website</source>
        <translation>ਐਪ ਜਾਂ ਵੈੱਬਸਾਈਟ ਸ਼ਾਮਲ ਕਰੋ</translation>
    </message>
    <message>
        <source>Add Website…</source>
        <translation>ਵੈੱਬਸਾਈਟ ਸ਼ਾਮਲ ਕਰੋ…</translation>
    </message>
    <message>
        <source>Apps &amp; Sites</source>
        <translation>ਐਪਾਂ ਅਤੇ ਸਾਈਟਾਂ</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>ਰੁਕਿਆ ਹੋਇਆ</translation>
    </message>
    <message>
        <source>Apps</source>
        <translation>ਐਪਾਂ</translation>
    </message>
    <message>
        <source>Websites</source>
        <translation>ਵੈੱਬਸਾਈਟਾਂ</translation>
    </message>
    <message>
        <source>No matches</source>
        <translation>ਕੋਈ ਮੇਲ ਨਹੀਂ</translation>
    </message>
    <message>
        <source>No apps yet</source>
        <translation>ਹਾਲੇ ਕੋਈ ਐਪ ਨਹੀਂ</translation>
    </message>
    <message>
        <source>Nothing matches “%1”.</source>
        <translation>“%1” ਨਾਲ ਕੁਝ ਮੇਲ ਨਹੀਂ ਖਾਂਦਾ।</translation>
    </message>
    <message>
        <source>Apps appear here once you accept a suggestion in them, or add one with +.</source>
        <translation>ਕਿਸੇ ਐਪ ਵਿੱਚ ਸੁਝਾਅ ਸਵੀਕਾਰ ਕਰਦੇ ਹੀ ਉਹ ਇੱਥੇ ਦਿਸਦੀ ਹੈ, ਜਾਂ + ਨਾਲ ਐਪ ਸ਼ਾਮਲ ਕਰੋ।</translation>
    </message>
    <message>
        <source>Pick an app or site</source>
        <translation>ਕੋਈ ਐਪ ਜਾਂ ਸਾਈਟ ਚੁਣੋ</translation>
    </message>
    <message>
        <source>Each one can have its own rules. Anything you don&apos;t change follows General.</source>
        <translation>ਹਰੇਕ ਦੇ ਆਪਣੇ ਨਿਯਮ ਹੋ ਸਕਦੇ ਹਨ। ਜੋ ਤੁਸੀਂ ਨਹੀਂ ਬਦਲਦੇ, ਉਹ “ਆਮ” ਅਨੁਸਾਰ ਚੱਲਦਾ ਹੈ।</translation>
    </message>
    <message>
        <source>Words saved here</source>
        <translation>ਇੱਥੇ ਬਚਾਏ ਸ਼ਬਦ</translation>
    </message>
    <message>
        <source>Suggestions</source>
        <translation>ਸੁਝਾਅ</translation>
    </message>
    <message>
        <source>On</source>
        <translation>ਚਾਲੂ</translation>
    </message>
    <message>
        <source>Tab accepts suggestions</source>
        <translation>Tab ਨਾਲ ਸੁਝਾਅ ਸਵੀਕਾਰ ਕਰੋ</translation>
    </message>
    <message>
        <source>Turn off where Tab already means something, like indenting. The other accept key still works.</source>
        <translation>ਜਿੱਥੇ Tab ਦਾ ਪਹਿਲਾਂ ਹੀ ਕੋਈ ਕੰਮ ਹੈ, ਜਿਵੇਂ ਇੰਡੈਂਟ, ਉੱਥੇ ਇਸ ਨੂੰ ਬੰਦ ਕਰੋ। ਸਵੀਕਾਰ ਕਰਨ ਵਾਲੀ ਦੂਜੀ ਕੁੰਜੀ ਫਿਰ ਵੀ ਕੰਮ ਕਰਦੀ ਹੈ।</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>ਪੂਰਵ-ਨਿਰਧਾਰਤ</translation>
    </message>
    <message>
        <source>Insert by</source>
        <translation>ਪਾਉਣ ਦਾ ਤਰੀਕਾ</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>ਲੰਬਾਈ</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>ਮੁੜ ਸ਼ੁਰੂ ਕਰੋ</translation>
    </message>
    <message>
        <source>Pause here</source>
        <translation>ਇੱਥੇ ਰੋਕੋ</translation>
    </message>
    <message>
        <source>Memory</source>
        <translation>ਮੈਮਰੀ</translation>
    </message>
    <message>
        <source>Remember my writing here</source>
        <translation>ਇੱਥੇ ਮੇਰੀ ਲਿਖਤ ਯਾਦ ਰੱਖੋ</translation>
    </message>
    <message>
        <source>Writing memory is off in Your Voice.</source>
        <translation>“ਤੁਹਾਡੀ ਸ਼ੈਲੀ” ਵਿੱਚ ਲਿਖਤ ਮੈਮਰੀ ਬੰਦ ਹੈ।</translation>
    </message>
    <message>
        <source>Erase…</source>
        <translation>ਮਿਟਾਓ…</translation>
    </message>
    <message>
        <source>Reset to Defaults</source>
        <translation>ਪੂਰਵ-ਨਿਰਧਾਰਤ ਉੱਤੇ ਰੀਸੈੱਟ ਕਰੋ</translation>
    </message>
    <message>
        <source>Erase what %app remembered from %1?</source>
        <translation>ਕੀ %app ਨੇ %1 ਤੋਂ ਜੋ ਯਾਦ ਰੱਖਿਆ ਹੈ, ਉਹ ਮਿਟਾਉਣਾ ਹੈ?</translation>
    </message>
    <message>
        <source>Erase</source>
        <translation>ਮਿਟਾਓ</translation>
    </message>
    <message>
        <source>Passages from this app can shape suggestions everywhere.</source>
        <translation>ਇਸ ਐਪ ਦੇ ਅੰਸ਼ ਹਰ ਥਾਂ ਸੁਝਾਵਾਂ ਉੱਤੇ ਅਸਰ ਪਾ ਸਕਦੇ ਹਨ।</translation>
    </message>
    <message>
        <source>Finish setting up</source>
        <translation>ਸੈੱਟਅੱਪ ਪੂਰਾ ਕਰੋ</translation>
    </message>
    <message>
        <source>Setup progress</source>
        <translation>ਸੈੱਟਅੱਪ ਦੀ ਪ੍ਰਗਤੀ</translation>
    </message>
    <message>
        <source>Done: %1</source>
        <translation>ਪੂਰਾ: %1</translation>
    </message>
    <message>
        <source>Best day yet!</source>
        <translation>ਹੁਣ ਤੱਕ ਦਾ ਸਭ ਤੋਂ ਵਧੀਆ ਦਿਨ!</translation>
    </message>
    <message>
        <source>Try it here</source>
        <translation>ਇੱਥੇ ਅਜ਼ਮਾਓ</translation>
    </message>
    <message>
        <source>Thanks for sending the draft over. I had a look and</source>
        <translation>ਡਰਾਫ਼ਟ ਭੇਜਣ ਲਈ ਧੰਨਵਾਦ। ਮੈਂ ਦੇਖਿਆ ਅਤੇ</translation>
    </message>
    <message>
        <source>next word</source>
        <translation>ਅਗਲਾ ਸ਼ਬਦ</translation>
    </message>
    <message>
        <source>whole suggestion</source>
        <translation>ਪੂਰਾ ਸੁਝਾਅ</translation>
    </message>
    <message>
        <source>hide it</source>
        <translation>ਲੁਕਾਓ</translation>
    </message>
    <message>
        <source>This field runs the real engine. Start typing and grey words show up as you go.</source>
        <translation>ਇਹ ਖੇਤਰ ਅਸਲ ਇੰਜਣ ਚਲਾਉਂਦਾ ਹੈ। ਟਾਈਪ ਕਰਨਾ ਸ਼ੁਰੂ ਕਰੋ ਅਤੇ ਸਲੇਟੀ ਸ਼ਬਦ ਨਾਲ-ਨਾਲ ਦਿਸਣਗੇ।</translation>
    </message>
    <message>
        <source>This field runs the real engine, even before you allow Accessibility. Start typing and grey words show up as you go.</source>
        <translation>ਇਹ ਖੇਤਰ ਅਸਲ ਇੰਜਣ ਚਲਾਉਂਦਾ ਹੈ, ਪਹੁੰਚਯੋਗਤਾ ਦੀ ਇਜਾਜ਼ਤ ਦੇਣ ਤੋਂ ਪਹਿਲਾਂ ਵੀ। ਟਾਈਪ ਕਰਨਾ ਸ਼ੁਰੂ ਕਰੋ ਅਤੇ ਸਲੇਟੀ ਸ਼ਬਦ ਨਾਲ-ਨਾਲ ਦਿਸਣਗੇ।</translation>
    </message>
    <message>
        <source>You&apos;re all set</source>
        <translation>ਸਭ ਤਿਆਰ ਹੈ</translation>
    </message>
    <message>
        <source>Accessibility is on and %1 is ready. %app works in every app you type in.</source>
        <translation>ਪਹੁੰਚਯੋਗਤਾ ਚਾਲੂ ਹੈ ਅਤੇ %1 ਤਿਆਰ ਹੈ। %app ਹਰ ਉਸ ਐਪ ਵਿੱਚ ਕੰਮ ਕਰਦਾ ਹੈ ਜਿਸ ਵਿੱਚ ਤੁਸੀਂ ਟਾਈਪ ਕਰਦੇ ਹੋ।</translation>
    </message>
    <message>
        <source>Waiting for %1 to quit</source>
        <translation>%1 ਦੇ ਬੰਦ ਹੋਣ ਦੀ ਉਡੀਕ</translation>
    </message>
    <message>
        <source>Turned off</source>
        <translation>ਬੰਦ ਕੀਤਾ</translation>
    </message>
    <message>
        <source>Paused everywhere</source>
        <translation>ਹਰ ਥਾਂ ਰੁਕਿਆ ਹੋਇਆ</translation>
    </message>
    <message>
        <source>%1, %2 typical wait</source>
        <translation>%1, ਆਮ ਉਡੀਕ %2</translation>
    </message>
    <message>
        <source>Start your streak today.</source>
        <translation>ਅੱਜ ਤੋਂ ਆਪਣੀ ਲੜੀ ਸ਼ੁਰੂ ਕਰੋ।</translation>
    </message>
    <message>
        <source>Overview</source>
        <translation>ਸੰਖੇਪ ਜਾਣਕਾਰੀ</translation>
    </message>
    <message>
        <source>General</source>
        <translation>ਆਮ</translation>
    </message>
    <message>
        <source>Engine</source>
        <translation>ਇੰਜਣ</translation>
    </message>
    <message>
        <source>Context</source>
        <translation>ਪ੍ਰਸੰਗ</translation>
    </message>
    <message>
        <source>Your Voice</source>
        <translation>ਤੁਹਾਡੀ ਸ਼ੈਲੀ</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>ਕੁੰਜੀਆਂ</translation>
    </message>
    <message>
        <source>Emoji</source>
        <translation>ਇਮੋਜੀ</translation>
    </message>
    <message>
        <source>Battery</source>
        <translation>ਬੈਟਰੀ</translation>
    </message>
    <message>
        <source>Insights</source>
        <translation>ਅੰਕੜੇ</translation>
    </message>
    <message>
        <source>Field Inspector</source>
        <translation>ਖੇਤਰ ਨਿਰੀਖਕ</translation>
    </message>
    <message>
        <source>About</source>
        <translation>ਬਾਰੇ</translation>
    </message>
    <message>
        <source>How %app is doing today</source>
        <translation>ਅੱਜ %app ਕਿਵੇਂ ਚੱਲ ਰਿਹਾ ਹੈ</translation>
    </message>
    <message>
        <source>Where and how suggestions appear</source>
        <translation>ਸੁਝਾਅ ਕਿੱਥੇ ਅਤੇ ਕਿਵੇਂ ਦਿਸਣ</translation>
    </message>
    <message>
        <source>The model that writes your suggestions</source>
        <translation>ਉਹ ਮਾਡਲ ਜੋ ਤੁਹਾਡੇ ਸੁਝਾਅ ਲਿਖਦਾ ਹੈ</translation>
    </message>
    <message>
        <source>What %app may look at to guess better</source>
        <translation>ਬਿਹਤਰ ਅੰਦਾਜ਼ੇ ਲਈ %app ਕੀ ਦੇਖ ਸਕਦਾ ਹੈ</translation>
    </message>
    <message>
        <source>Help suggestions sound like you</source>
        <translation>ਸੁਝਾਵਾਂ ਨੂੰ ਆਪਣੀ ਸ਼ੈਲੀ ਵਰਗਾ ਬਣਾਓ</translation>
    </message>
    <message>
        <source>Accept, dismiss and summon suggestions</source>
        <translation>ਸੁਝਾਅ ਸਵੀਕਾਰ ਕਰਨਾ, ਖਾਰਜ ਕਰਨਾ ਅਤੇ ਮੰਗਵਾਉਣਾ</translation>
    </message>
    <message>
        <source>Emoji search and emoticons</source>
        <translation>ਇਮੋਜੀ ਖੋਜ ਅਤੇ ਇਮੋਟੀਕੋਨ</translation>
    </message>
    <message>
        <source>Rules for each app and website</source>
        <translation>ਹਰ ਐਪ ਅਤੇ ਵੈੱਬਸਾਈਟ ਦੇ ਨਿਯਮ</translation>
    </message>
    <message>
        <source>Save power when you&apos;re unplugged</source>
        <translation>ਚਾਰਜਰ ਹਟਾਉਣ ਉੱਤੇ ਬਿਜਲੀ ਬਚਾਓ</translation>
    </message>
    <message>
        <source>Words saved and how fast suggestions arrive</source>
        <translation>ਬਚਾਏ ਸ਼ਬਦ ਅਤੇ ਸੁਝਾਅ ਕਿੰਨੀ ਤੇਜ਼ੀ ਨਾਲ ਆਉਂਦੇ ਹਨ</translation>
    </message>
    <message>
        <source>What %app sees in the focused field</source>
        <translation>ਫੋਕਸ ਵਾਲੇ ਖੇਤਰ ਵਿੱਚ %app ਕੀ ਦੇਖਦਾ ਹੈ</translation>
    </message>
    <message>
        <source>Version and privacy</source>
        <translation>ਵਰਜਨ ਅਤੇ ਪਰਦੇਦਾਰੀ</translation>
    </message>
    <message>
        <source>Writing</source>
        <translation>ਲਿਖਤ</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>ਇਨਪੁਟ</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>ਨਿਯਮ</translation>
    </message>
    <message>
        <source>Activity</source>
        <translation>ਸਰਗਰਮੀ</translation>
    </message>
    <message>
        <source>%app can read the field you&apos;re typing in and insert suggestions in any app.</source>
        <translation>%app ਉਹ ਖੇਤਰ ਪੜ੍ਹ ਸਕਦਾ ਹੈ ਜਿਸ ਵਿੱਚ ਤੁਸੀਂ ਟਾਈਪ ਕਰ ਰਹੇ ਹੋ ਅਤੇ ਕਿਸੇ ਵੀ ਐਪ ਵਿੱਚ ਸੁਝਾਅ ਪਾ ਸਕਦਾ ਹੈ।</translation>
    </message>
    <message>
        <source>Allow Accessibility access</source>
        <translation>ਪਹੁੰਚਯੋਗਤਾ ਇਜਾਜ਼ਤ ਦਿਓ</translation>
    </message>
    <message>
        <source>%app needs it to read the text you type in other apps and to insert suggestions.</source>
        <translation>ਹੋਰ ਐਪਾਂ ਵਿੱਚ ਤੁਹਾਡਾ ਟਾਈਪ ਕੀਤਾ ਟੈਕਸਟ ਪੜ੍ਹਨ ਅਤੇ ਸੁਝਾਅ ਪਾਉਣ ਲਈ %app ਨੂੰ ਇਸ ਦੀ ਲੋੜ ਹੈ।</translation>
    </message>
    <message>
        <source>Allow…</source>
        <translation>ਇਜਾਜ਼ਤ ਦਿਓ…</translation>
    </message>
    <message>
        <source>%1 is ready</source>
        <translation>%1 ਤਿਆਰ ਹੈ</translation>
    </message>
    <message>
        <source>Checking %1</source>
        <translation>%1 ਦੀ ਜਾਂਚ ਹੋ ਰਹੀ ਹੈ</translation>
    </message>
    <message>
        <source>This takes a moment.</source>
        <translation>ਇਸ ਵਿੱਚ ਇੱਕ ਪਲ ਲੱਗਦਾ ਹੈ।</translation>
    </message>
    <message>
        <source>Your engine isn&apos;t ready</source>
        <translation>ਤੁਹਾਡਾ ਇੰਜਣ ਤਿਆਰ ਨਹੀਂ ਹੈ</translation>
    </message>
    <message>
        <source>Open Engine</source>
        <translation>ਇੰਜਣ ਸੈਟਿੰਗਾਂ ਖੋਲ੍ਹੋ</translation>
    </message>
    <message>
        <source>The system&apos;s predictions are off</source>
        <translation>ਸਿਸਟਮ ਦੀਆਂ ਭਵਿੱਖਬਾਣੀਆਂ ਬੰਦ ਹਨ</translation>
    </message>
    <message>
        <source>Only %app&apos;s suggestions appear while you type.</source>
        <translation>ਟਾਈਪ ਕਰਦੇ ਸਮੇਂ ਸਿਰਫ਼ %app ਦੇ ਸੁਝਾਅ ਦਿਸਦੇ ਹਨ।</translation>
    </message>
    <message>
        <source>Turn off the system&apos;s predictions</source>
        <translation>ਸਿਸਟਮ ਦੀਆਂ ਭਵਿੱਖਬਾਣੀਆਂ ਬੰਦ ਕਰੋ</translation>
    </message>
    <message>
        <source>The system shows its own grey suggestions on top of %app&apos;s. Each app picks up the change the next time you open it.</source>
        <translation>ਸਿਸਟਮ %app ਦੇ ਸੁਝਾਵਾਂ ਉੱਤੇ ਆਪਣੇ ਸਲੇਟੀ ਸੁਝਾਅ ਦਿਖਾਉਂਦਾ ਹੈ। ਤਬਦੀਲੀ ਹਰ ਐਪ ਵਿੱਚ ਅਗਲੀ ਵਾਰ ਖੋਲ੍ਹਣ ਉੱਤੇ ਲਾਗੂ ਹੋਵੇਗੀ।</translation>
    </message>
    <message>
        <source>Keyboard Settings</source>
        <translation>ਕੀਬੋਰਡ ਸੈਟਿੰਗਾਂ</translation>
    </message>
    <message>
        <source>Turn Off</source>
        <translation>ਬੰਦ ਕਰੋ</translation>
    </message>
    <message>
        <source>Only %app is suggesting</source>
        <translation>ਸਿਰਫ਼ %app ਸੁਝਾਅ ਦੇ ਰਿਹਾ ਹੈ</translation>
    </message>
    <message>
        <source>Tab reaches %app again.</source>
        <translation>Tab ਫਿਰ ਤੋਂ %app ਤੱਕ ਪਹੁੰਚਦਾ ਹੈ।</translation>
    </message>
    <message numerus="yes">
        <source>%1 didn&apos;t quit. They may be showing a dialog. Force Quit closes them right away.</source>
        <translation>
            <numerusform>%1 ਬੰਦ ਨਹੀਂ ਹੋਈ। ਸ਼ਾਇਦ ਉਹ ਕੋਈ ਡਾਇਲਾਗ ਦਿਖਾ ਰਹੀ ਹੈ। “ਜ਼ਬਰਦਸਤੀ ਬੰਦ ਕਰੋ” ਉਸ ਨੂੰ ਫ਼ੌਰਨ ਬੰਦ ਕਰ ਦਿੰਦਾ ਹੈ।</numerusform>
            <numerusform>%1 ਬੰਦ ਨਹੀਂ ਹੋਈਆਂ। ਸ਼ਾਇਦ ਉਹ ਡਾਇਲਾਗ ਦਿਖਾ ਰਹੀਆਂ ਹਨ। “ਜ਼ਬਰਦਸਤੀ ਬੰਦ ਕਰੋ” ਉਹਨਾਂ ਨੂੰ ਫ਼ੌਰਨ ਬੰਦ ਕਰ ਦਿੰਦਾ ਹੈ।</numerusform>
        </translation>
    </message>
    <message>
        <source>Force Quit</source>
        <translation>ਜ਼ਬਰਦਸਤੀ ਬੰਦ ਕਰੋ</translation>
    </message>
    <message numerus="yes">
        <source>%1 take the Tab key before %app can, so %app stays paused in your other apps until you quit them.</source>
        <translation>
            <numerusform>%1, %app ਤੋਂ ਪਹਿਲਾਂ Tab ਕੁੰਜੀ ਲੈ ਲੈਂਦੀ ਹੈ, ਇਸ ਲਈ ਜਦੋਂ ਤੱਕ ਤੁਸੀਂ ਉਸ ਨੂੰ ਬੰਦ ਨਹੀਂ ਕਰਦੇ, %app ਤੁਹਾਡੀਆਂ ਹੋਰ ਐਪਾਂ ਵਿੱਚ ਰੁਕਿਆ ਰਹਿੰਦਾ ਹੈ।</numerusform>
            <numerusform>%1, %app ਤੋਂ ਪਹਿਲਾਂ Tab ਕੁੰਜੀ ਲੈ ਲੈਂਦੀਆਂ ਹਨ, ਇਸ ਲਈ ਜਦੋਂ ਤੱਕ ਤੁਸੀਂ ਉਹਨਾਂ ਨੂੰ ਬੰਦ ਨਹੀਂ ਕਰਦੇ, %app ਤੁਹਾਡੀਆਂ ਹੋਰ ਐਪਾਂ ਵਿੱਚ ਰੁਕਿਆ ਰਹਿੰਦਾ ਹੈ।</numerusform>
        </translation>
    </message>
    <message>
        <source>Only when I ask</source>
        <translation>ਸਿਰਫ਼ ਜਦੋਂ ਮੈਂ ਮੰਗਾਂ</translation>
    </message>
    <message>
        <source>On battery, suggestions appear only after you press the Suggest Now shortcut.</source>
        <translation>ਬੈਟਰੀ ਉੱਤੇ ਸੁਝਾਅ ਸਿਰਫ਼ “ਹੁਣੇ ਸੁਝਾਓ” ਸ਼ਾਰਟਕੱਟ ਦਬਾਉਣ ਮਗਰੋਂ ਦਿਸਦੇ ਹਨ।</translation>
    </message>
    <message>
        <source>Shorter suggestions</source>
        <translation>ਛੋਟੇ ਸੁਝਾਅ</translation>
    </message>
    <message>
        <source>Fewer words take less power to write.</source>
        <translation>ਘੱਟ ਸ਼ਬਦ ਲਿਖਣ ਵਿੱਚ ਘੱਟ ਬਿਜਲੀ ਲੱਗਦੀ ਹੈ।</translation>
    </message>
    <message>
        <source>Lighter model</source>
        <translation>ਹਲਕਾ ਮਾਡਲ</translation>
    </message>
    <message>
        <source>Same as plugged in</source>
        <translation>ਚਾਰਜਰ ਲੱਗੇ ਹੋਣ ਵਾਂਗ</translation>
    </message>
    <message>
        <source>Running on battery. These apply right now.</source>
        <translation>ਬੈਟਰੀ ਉੱਤੇ ਚੱਲ ਰਿਹਾ ਹੈ। ਇਹ ਹੁਣੇ ਲਾਗੂ ਹਨ।</translation>
    </message>
    <message>
        <source>Plugged in. These wait until you unplug.</source>
        <translation>ਚਾਰਜਰ ਲੱਗਾ ਹੈ। ਚਾਰਜਰ ਹਟਾਉਣ ਉੱਤੇ ਇਹ ਲਾਗੂ ਹੋਣਗੀਆਂ।</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>ਮਾਡਲ</translation>
    </message>
    <message>
        <source>Model name</source>
        <translation>ਮਾਡਲ ਦਾ ਨਾਂ</translation>
    </message>
    <message>
        <source>Reload the model list</source>
        <translation>ਮਾਡਲ ਸੂਚੀ ਤਾਜ਼ਾ ਕਰੋ</translation>
    </message>
    <message>
        <source>Choose a model</source>
        <translation>ਕੋਈ ਮਾਡਲ ਚੁਣੋ</translation>
    </message>
    <message>
        <source>For people who already run Ollama, LM Studio or llama-server.</source>
        <translation>ਉਹਨਾਂ ਲਈ ਜੋ ਪਹਿਲਾਂ ਹੀ Ollama, LM Studio ਜਾਂ llama-server ਚਲਾਉਂਦੇ ਹਨ।</translation>
    </message>
    <message>
        <source>Use your own model</source>
        <translation>ਆਪਣਾ ਮਾਡਲ ਵਰਤੋ</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>ਪਤਾ</translation>
    </message>
    <message>
        <source>API key</source>
        <translation>API ਕੁੰਜੀ</translation>
    </message>
    <message>
        <source>Only if your server asks for one</source>
        <translation>ਸਿਰਫ਼ ਜੇ ਤੁਹਾਡਾ ਸਰਵਰ ਮੰਗੇ</translation>
    </message>
    <message>
        <source>Focused</source>
        <translation>ਕੇਂਦਰਿਤ</translation>
    </message>
    <message>
        <source>Creativity</source>
        <translation>ਰਚਨਾਤਮਕਤਾ</translation>
    </message>
    <message>
        <source>Loose</source>
        <translation>ਖੁੱਲ੍ਹਾ</translation>
    </message>
    <message>
        <source>Lower stays close to the obvious next words. Higher tries more.</source>
        <translation>ਘੱਟ ਮੁੱਲ ਸਪਸ਼ਟ ਅਗਲੇ ਸ਼ਬਦਾਂ ਦੇ ਨੇੜੇ ਰਹਿੰਦਾ ਹੈ। ਵੱਧ ਮੁੱਲ ਵੱਧ ਅਜ਼ਮਾਉਂਦਾ ਹੈ।</translation>
    </message>
    <message>
        <source>Wait before suggesting</source>
        <translation>ਸੁਝਾਅ ਤੋਂ ਪਹਿਲਾਂ ਉਡੀਕ</translation>
    </message>
    <message>
        <source>How long you pause before %app starts.</source>
        <translation>%app ਦੇ ਸ਼ੁਰੂ ਹੋਣ ਤੋਂ ਪਹਿਲਾਂ ਤੁਸੀਂ ਕਿੰਨੀ ਦੇਰ ਰੁਕਦੇ ਹੋ।</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>ਚਲਾਓ</translation>
    </message>
    <message>
        <source>Try the engine</source>
        <translation>ਇੰਜਣ ਅਜ਼ਮਾਓ</translation>
    </message>
    <message>
        <source>Sends a sample sentence and shows what comes back.</source>
        <translation>ਇੱਕ ਨਮੂਨਾ ਵਾਕ ਭੇਜਦਾ ਹੈ ਅਤੇ ਜੋ ਵਾਪਸ ਆਉਂਦਾ ਹੈ ਉਹ ਦਿਖਾਉਂਦਾ ਹੈ।</translation>
    </message>
    <message>
        <source>Running…</source>
        <translation>ਚੱਲ ਰਿਹਾ ਹੈ…</translation>
    </message>
    <message>
        <source>The engine answered in %1 but had nothing useful to add.</source>
        <translation>ਇੰਜਣ ਨੇ %1 ਵਿੱਚ ਜਵਾਬ ਦਿੱਤਾ, ਪਰ ਜੋੜਨ ਲਈ ਕੁਝ ਕੰਮ ਦਾ ਨਹੀਂ ਸੀ।</translation>
    </message>
    <message>
        <source>That didn&apos;t work: %1</source>
        <translation>ਇਹ ਨਹੀਂ ਹੋ ਸਕਿਆ: %1</translation>
    </message>
    <message>
        <source>The request was cancelled.</source>
        <translation>ਬੇਨਤੀ ਰੱਦ ਕਰ ਦਿੱਤੀ ਗਈ।</translation>
    </message>
    <message>
        <source>Startup</source>
        <translation>ਸ਼ੁਰੂਆਤ</translation>
    </message>
    <message>
        <source>Launch at login</source>
        <translation>ਲੌਗ-ਇਨ ਵੇਲੇ ਸ਼ੁਰੂ ਕਰੋ</translation>
    </message>
    <message>
        <source>Show today&apos;s word count next to the icon</source>
        <translation>ਆਈਕਨ ਦੇ ਨਾਲ ਅੱਜ ਦੇ ਸ਼ਬਦਾਂ ਦੀ ਗਿਣਤੀ ਦਿਖਾਓ</translation>
    </message>
    <message>
        <source>Where suggestions appear</source>
        <translation>ਸੁਝਾਅ ਕਿੱਥੇ ਦਿਸਣ</translation>
    </message>
    <message>
        <source>Turn this off to use %app only in the apps you switch on under Apps &amp; Sites.</source>
        <translation>ਇਸ ਨੂੰ ਬੰਦ ਕਰੋ ਤਾਂ ਜੋ %app ਸਿਰਫ਼ ਉਹਨਾਂ ਐਪਾਂ ਵਿੱਚ ਚੱਲੇ ਜਿਹੜੀਆਂ ਤੁਸੀਂ “ਐਪਾਂ ਅਤੇ ਸਾਈਟਾਂ” ਵਿੱਚ ਚਾਲੂ ਕਰਦੇ ਹੋ।</translation>
    </message>
    <message>
        <source>By default %app waits until the caret is at the end of a line.</source>
        <translation>ਪੂਰਵ-ਨਿਰਧਾਰਤ ਤੌਰ ਉੱਤੇ %app ਉਦੋਂ ਤੱਕ ਉਡੀਕਦਾ ਹੈ ਜਦੋਂ ਤੱਕ ਕੈਰੇਟ ਲਾਈਨ ਦੇ ਅੰਤ ਉੱਤੇ ਨਾ ਹੋਵੇ।</translation>
    </message>
    <message>
        <source>Without this, %app skips search bars and one-word boxes.</source>
        <translation>ਇਸ ਤੋਂ ਬਿਨਾਂ %app ਖੋਜ ਪੱਟੀਆਂ ਅਤੇ ਇੱਕ-ਸ਼ਬਦ ਵਾਲੇ ਬਕਸੇ ਛੱਡ ਦਿੰਦਾ ਹੈ।</translation>
    </message>
    <message>
        <source>Suggestions appear only after you press the Suggest Now shortcut.</source>
        <translation>ਸੁਝਾਅ ਸਿਰਫ਼ “ਹੁਣੇ ਸੁਝਾਓ” ਸ਼ਾਰਟਕੱਟ ਦਬਾਉਣ ਮਗਰੋਂ ਦਿਸਦੇ ਹਨ।</translation>
    </message>
    <message>
        <source>Spelling</source>
        <translation>ਸ਼ਬਦ-ਜੋੜ</translation>
    </message>
    <message>
        <source>Waits while the word you&apos;re typing looks misspelled, so %app doesn&apos;t build on a typo.</source>
        <translation>ਜਦੋਂ ਤੱਕ ਟਾਈਪ ਹੋ ਰਿਹਾ ਸ਼ਬਦ ਗਲਤ ਸ਼ਬਦ-ਜੋੜ ਵਾਲਾ ਲੱਗੇ, ਉਡੀਕ ਕਰਦਾ ਹੈ, ਤਾਂ ਜੋ %app ਕਿਸੇ ਟਾਈਪੋ ਉੱਤੇ ਅੱਗੇ ਨਾ ਵਧੇ।</translation>
    </message>
    <message>
        <source>After a misspelled word, shows a fix next to the caret. Press Tab to swap it in.</source>
        <translation>ਗਲਤ ਸ਼ਬਦ-ਜੋੜ ਵਾਲੇ ਸ਼ਬਦ ਮਗਰੋਂ ਕੈਰੇਟ ਦੇ ਕੋਲ ਸੁਧਾਰ ਦਿਖਾਉਂਦਾ ਹੈ। ਬਦਲਣ ਲਈ Tab ਦਬਾਓ।</translation>
    </message>
    <message>
        <source>Look</source>
        <translation>ਦਿੱਖ</translation>
    </message>
    <message>
        <source>Suggestion color</source>
        <translation>ਸੁਝਾਅ ਦਾ ਰੰਗ</translation>
    </message>
    <message>
        <source>Text size</source>
        <translation>ਟੈਕਸਟ ਦਾ ਆਕਾਰ</translation>
    </message>
    <message>
        <source>Fine-tune if suggestions look larger or smaller than your text.</source>
        <translation>ਜੇ ਸੁਝਾਅ ਤੁਹਾਡੇ ਟੈਕਸਟ ਤੋਂ ਵੱਡੇ ਜਾਂ ਛੋਟੇ ਦਿਸਣ ਤਾਂ ਇਸ ਨੂੰ ਠੀਕ ਕਰੋ।</translation>
    </message>
    <message>
        <source>Vertical position</source>
        <translation>ਉੱਪਰ-ਹੇਠਾਂ ਦੀ ਸਥਿਤੀ</translation>
    </message>
    <message>
        <source>Nudge suggestions up or down to line up with your text.</source>
        <translation>ਆਪਣੇ ਟੈਕਸਟ ਦੀ ਸੇਧ ਵਿੱਚ ਲਿਆਉਣ ਲਈ ਸੁਝਾਵਾਂ ਨੂੰ ਥੋੜ੍ਹਾ ਉੱਪਰ ਜਾਂ ਹੇਠਾਂ ਕਰੋ।</translation>
    </message>
    <message>
        <source>A small keycap after your first suggestions, as a reminder of what to press.</source>
        <translation>ਤੁਹਾਡੇ ਪਹਿਲੇ ਸੁਝਾਵਾਂ ਮਗਰੋਂ ਇੱਕ ਛੋਟੀ ਕੁੰਜੀ, ਯਾਦ ਕਰਵਾਉਣ ਲਈ ਕਿ ਕੀ ਦਬਾਉਣਾ ਹੈ।</translation>
    </message>
    <message>
        <source>Insert suggestions by</source>
        <translation>ਸੁਝਾਅ ਪਾਉਣ ਦਾ ਤਰੀਕਾ</translation>
    </message>
    <message>
        <source>Other autocomplete apps</source>
        <translation>ਹੋਰ ਆਟੋਕੰਪਲੀਟ ਐਪਾਂ</translation>
    </message>
    <message>
        <source>They take the Tab key before %app can. With this off, %app asks you first.</source>
        <translation>ਇਹ %app ਤੋਂ ਪਹਿਲਾਂ Tab ਕੁੰਜੀ ਲੈ ਲੈਂਦੀਆਂ ਹਨ। ਇਸ ਦੇ ਬੰਦ ਹੋਣ ਉੱਤੇ %app ਪਹਿਲਾਂ ਤੁਹਾਨੂੰ ਪੁੱਛਦਾ ਹੈ।</translation>
    </message>
    <message>
        <source>%1 is another device on your network, so the text around your caret will be sent there.</source>
        <translation>%1 ਤੁਹਾਡੇ ਨੈੱਟਵਰਕ ਉੱਤੇ ਕੋਈ ਹੋਰ ਡਿਵਾਈਸ ਹੈ, ਇਸ ਲਈ ਕੈਰੇਟ ਦੇ ਆਲੇ-ਦੁਆਲੇ ਦਾ ਟੈਕਸਟ ਉੱਥੇ ਭੇਜਿਆ ਜਾਵੇਗਾ।</translation>
    </message>
    <message>
        <source>%1 isn&apos;t this computer, so the text around your caret will be sent there.</source>
        <translation>%1 ਇਹ ਕੰਪਿਊਟਰ ਨਹੀਂ ਹੈ, ਇਸ ਲਈ ਕੈਰੇਟ ਦੇ ਆਲੇ-ਦੁਆਲੇ ਦਾ ਟੈਕਸਟ ਉੱਥੇ ਭੇਜਿਆ ਜਾਵੇਗਾ।</translation>
    </message>
    <message>
        <source>Both keep your text on this computer.</source>
        <translation>ਦੋਵੇਂ ਤੁਹਾਡਾ ਟੈਕਸਟ ਇਸੇ ਕੰਪਿਊਟਰ ਉੱਤੇ ਰੱਖਦੇ ਹਨ।</translation>
    </message>
    <message>
        <source>%app opens by itself when you start your computer.</source>
        <translation>ਕੰਪਿਊਟਰ ਸ਼ੁਰੂ ਕਰਨ ਉੱਤੇ %app ਆਪਣੇ ਆਪ ਖੁੱਲ੍ਹਦਾ ਹੈ।</translation>
    </message>
    <message>
        <source>System predictions</source>
        <translation>ਸਿਸਟਮ ਭਵਿੱਖਬਾਣੀਆਂ</translation>
    </message>
    <message>
        <source>The system can show its own grey predictions. Keeping them off avoids two suggestions at once.</source>
        <translation>ਸਿਸਟਮ ਆਪਣੀਆਂ ਸਲੇਟੀ ਭਵਿੱਖਬਾਣੀਆਂ ਦਿਖਾ ਸਕਦਾ ਹੈ। ਇਹਨਾਂ ਨੂੰ ਬੰਦ ਰੱਖਣ ਨਾਲ ਇੱਕੋ ਵੇਲੇ ਦੋ ਸੁਝਾਅ ਨਹੀਂ ਦਿਸਦੇ।</translation>
    </message>
    <message>
        <source>System predictions are on</source>
        <translation>ਸਿਸਟਮ ਭਵਿੱਖਬਾਣੀਆਂ ਚਾਲੂ ਹਨ</translation>
    </message>
    <message>
        <source>System predictions are off</source>
        <translation>ਸਿਸਟਮ ਭਵਿੱਖਬਾਣੀਆਂ ਬੰਦ ਹਨ</translation>
    </message>
    <message>
        <source>tab</source>
        <translation>tab</translation>
    </message>
    <message>
        <source>Your next words, one Tab away.</source>
        <translation>ਤੁਹਾਡੇ ਅਗਲੇ ਸ਼ਬਦ, ਬੱਸ ਇੱਕ Tab ਦੂਰ।</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>ਛੱਡੋ</translation>
    </message>
    <message>
        <source>Get Started</source>
        <translation>ਸ਼ੁਰੂ ਕਰੋ</translation>
    </message>
    <message>
        <source>Turn sound on</source>
        <translation>ਆਵਾਜ਼ ਚਾਲੂ ਕਰੋ</translation>
    </message>
    <message>
        <source>Turn sound off</source>
        <translation>ਆਵਾਜ਼ ਬੰਦ ਕਰੋ</translation>
    </message>
    <message>
        <source>The other app</source>
        <translation>ਦੂਜੀ ਐਪ</translation>
    </message>
    <message numerus="yes">
        <source>Next time, quit %1 without asking</source>
        <translation>
            <numerusform>ਅਗਲੀ ਵਾਰ ਬਿਨਾਂ ਪੁੱਛੇ %1 ਬੰਦ ਕਰੋ</numerusform>
            <numerusform>ਅਗਲੀ ਵਾਰ ਬਿਨਾਂ ਪੁੱਛੇ %1 ਬੰਦ ਕਰੋ</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 is also running</source>
        <translation>
            <numerusform>%1 ਵੀ ਚੱਲ ਰਹੀ ਹੈ</numerusform>
            <numerusform>%1 ਵੀ ਚੱਲ ਰਹੀਆਂ ਹਨ</numerusform>
        </translation>
    </message>
    <message>
        <source>Quitting…</source>
        <translation>ਬੰਦ ਹੋ ਰਿਹਾ ਹੈ…</translation>
    </message>
    <message numerus="yes">
        <source>%1 is still open</source>
        <translation>
            <numerusform>%1 ਹਾਲੇ ਵੀ ਖੁੱਲ੍ਹੀ ਹੈ</numerusform>
            <numerusform>%1 ਹਾਲੇ ਵੀ ਖੁੱਲ੍ਹੀਆਂ ਹਨ</numerusform>
        </translation>
    </message>
    <message>
        <source>%app has the Tab key</source>
        <translation>Tab ਕੁੰਜੀ ਹੁਣ %app ਕੋਲ ਹੈ</translation>
    </message>
    <message>
        <source>%1 quit, so your suggestions are back in every app.</source>
        <translation>%1 ਬੰਦ ਹੋ ਗਈ, ਇਸ ਲਈ ਤੁਹਾਡੇ ਸੁਝਾਅ ਹਰ ਐਪ ਵਿੱਚ ਵਾਪਸ ਆ ਗਏ ਹਨ।</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>ਹੋ ਗਿਆ</translation>
    </message>
    <message>
        <source>Open Source Notices</source>
        <translation>ਓਪਨ ਸੋਰਸ ਨੋਟਿਸ</translation>
    </message>
    <message>
        <source>Reset all settings?</source>
        <translation>ਕੀ ਸਾਰੀਆਂ ਸੈਟਿੰਗਾਂ ਰੀਸੈੱਟ ਕਰਨੀਆਂ ਹਨ?</translation>
    </message>
    <message>
        <source>This also clears your rules for apps and sites. Your statistics and writing memory stay.</source>
        <translation>ਇਸ ਨਾਲ ਐਪਾਂ ਅਤੇ ਸਾਈਟਾਂ ਲਈ ਤੁਹਾਡੇ ਨਿਯਮ ਵੀ ਮਿਟ ਜਾਂਦੇ ਹਨ। ਤੁਹਾਡੇ ਅੰਕੜੇ ਅਤੇ ਲਿਖਤ ਮੈਮਰੀ ਬਣੇ ਰਹਿੰਦੇ ਹਨ।</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>ਰੀਸੈੱਟ ਕਰੋ</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>ਵਰਜਨ %1</translation>
    </message>
    <message>
        <source>Some apps hide their text</source>
        <translation>ਕੁਝ ਐਪਾਂ ਆਪਣਾ ਟੈਕਸਟ ਲੁਕਾਉਂਦੀਆਂ ਹਨ</translation>
    </message>
    <message>
        <source>Suggest emoji after a colon</source>
        <translation>ਕੋਲਨ ਮਗਰੋਂ ਇਮੋਜੀ ਸੁਝਾਓ</translation>
    </message>
    <message>
        <source>Turn emoticons into emoji</source>
        <translation>ਇਮੋਟੀਕੋਨ ਨੂੰ ਇਮੋਜੀ ਵਿੱਚ ਬਦਲੋ</translation>
    </message>
    <message>
        <source>After :-) or &lt;3, %app offers the matching emoji. Press Tab to swap it in.</source>
        <translation>:-) ਜਾਂ &lt;3 ਮਗਰੋਂ %app ਮਿਲਦਾ-ਜੁਲਦਾ ਇਮੋਜੀ ਦਿੰਦਾ ਹੈ। ਬਦਲਣ ਲਈ Tab ਦਬਾਓ।</translation>
    </message>
    <message>
        <source>Skin tone</source>
        <translation>ਚਮੜੀ ਦਾ ਰੰਗ</translation>
    </message>
    <message>
        <source>Also show the default yellow</source>
        <translation>ਪੂਰਵ-ਨਿਰਧਾਰਤ ਪੀਲਾ ਵੀ ਦਿਖਾਓ</translation>
    </message>
    <message>
        <source>Try a word</source>
        <translation>ਕੋਈ ਸ਼ਬਦ ਅਜ਼ਮਾਓ</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>ਘੱਟ</translation>
    </message>
    <message>
        <source>No emoji match “%1”</source>
        <translation>“%1” ਨਾਲ ਕੋਈ ਇਮੋਜੀ ਮੇਲ ਨਹੀਂ ਖਾਂਦਾ</translation>
    </message>
    <message>
        <source>Accepting</source>
        <translation>ਸਵੀਕਾਰ ਕਰਨਾ</translation>
    </message>
    <message>
        <source>Take the next word</source>
        <translation>ਅਗਲਾ ਸ਼ਬਦ ਲਓ</translation>
    </message>
    <message>
        <source>Press again for each following word.</source>
        <translation>ਹਰ ਅਗਲੇ ਸ਼ਬਦ ਲਈ ਦੁਬਾਰਾ ਦਬਾਓ।</translation>
    </message>
    <message>
        <source>Take the whole suggestion</source>
        <translation>ਪੂਰਾ ਸੁਝਾਅ ਲਓ</translation>
    </message>
    <message>
        <source>The key above Tab is easy to reach on most keyboards.</source>
        <translation>ਜ਼ਿਆਦਾਤਰ ਕੀਬੋਰਡਾਂ ਉੱਤੇ Tab ਦੇ ਉੱਪਰ ਵਾਲੀ ਕੁੰਜੀ ਸੌਖਿਆਂ ਪਹੁੰਚ ਵਿੱਚ ਹੁੰਦੀ ਹੈ।</translation>
    </message>
    <message>
        <source>Include the space after a word</source>
        <translation>ਸ਼ਬਦ ਮਗਰੋਂ ਦੀ ਸਪੇਸ ਵੀ ਲਓ</translation>
    </message>
    <message>
        <source>Include punctuation right after a word</source>
        <translation>ਸ਼ਬਦ ਦੇ ਫ਼ੌਰਨ ਮਗਰੋਂ ਦੇ ਵਿਸ਼ਰਾਮ ਚਿੰਨ੍ਹ ਵੀ ਲਓ</translation>
    </message>
    <message>
        <source>When you press Escape</source>
        <translation>Escape ਦਬਾਉਣ ਉੱਤੇ</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>ਸ਼ਾਰਟਕੱਟ</translation>
    </message>
    <message>
        <source>Suggest now</source>
        <translation>ਹੁਣੇ ਸੁਝਾਓ</translation>
    </message>
    <message>
        <source>Asks for a suggestion right away, even where %app would normally wait.</source>
        <translation>ਫ਼ੌਰਨ ਸੁਝਾਅ ਮੰਗਦਾ ਹੈ, ਉੱਥੇ ਵੀ ਜਿੱਥੇ %app ਆਮ ਤੌਰ ਉੱਤੇ ਉਡੀਕ ਕਰਦਾ ਹੈ।</translation>
    </message>
    <message>
        <source>Other suggestions</source>
        <translation>ਹੋਰ ਸੁਝਾਅ</translation>
    </message>
    <message>
        <source>Lists a few different ways to continue. Choose with the arrow keys, then press Tab.</source>
        <translation>ਅੱਗੇ ਲਿਖਣ ਦੇ ਕੁਝ ਵੱਖਰੇ ਤਰੀਕੇ ਦਿਖਾਉਂਦਾ ਹੈ। ਤੀਰ ਕੁੰਜੀਆਂ ਨਾਲ ਚੁਣੋ, ਫਿਰ Tab ਦਬਾਓ।</translation>
    </message>
    <message>
        <source>Pause or resume in this app</source>
        <translation>ਇਸ ਐਪ ਵਿੱਚ ਰੋਕੋ ਜਾਂ ਮੁੜ ਸ਼ੁਰੂ ਕਰੋ</translation>
    </message>
    <message>
        <source>Pauses for 15 minutes.</source>
        <translation>15 ਮਿੰਟਾਂ ਲਈ ਰੋਕਦਾ ਹੈ।</translation>
    </message>
    <message>
        <source>Turn %app on or off</source>
        <translation>%app ਚਾਲੂ ਜਾਂ ਬੰਦ ਕਰੋ</translation>
    </message>
    <message>
        <source>Everywhere, until you press it again.</source>
        <translation>ਹਰ ਥਾਂ, ਜਦੋਂ ਤੱਕ ਤੁਸੀਂ ਇਸ ਨੂੰ ਦੁਬਾਰਾ ਨਾ ਦਬਾਓ।</translation>
    </message>
    <message>
        <source>Pause or resume</source>
        <translation>ਰੋਕੋ ਜਾਂ ਮੁੜ ਸ਼ੁਰੂ ਕਰੋ</translation>
    </message>
    <message>
        <source>Turn on or off</source>
        <translation>ਚਾਲੂ ਜਾਂ ਬੰਦ ਕਰੋ</translation>
    </message>
    <message>
        <source>%1 and %2 use the same keys. Only the first will work.</source>
        <translation>%1 ਅਤੇ %2 ਇੱਕੋ ਕੁੰਜੀਆਂ ਵਰਤਦੇ ਹਨ। ਸਿਰਫ਼ ਪਹਿਲਾ ਕੰਮ ਕਰੇਗਾ।</translation>
    </message>
    <message>
        <source>About you</source>
        <translation>ਤੁਹਾਡੇ ਬਾਰੇ</translation>
    </message>
    <message>
        <source>For example: I&apos;m a product designer in Berlin. I write short, friendly emails in British English and sign off with Cheers.</source>
        <translation>ਉਦਾਹਰਨ ਲਈ: ਮੈਂ ਬਰਲਿਨ ਵਿੱਚ ਪ੍ਰੋਡਕਟ ਡਿਜ਼ਾਈਨਰ ਹਾਂ। ਮੈਂ ਬ੍ਰਿਟਿਸ਼ ਅੰਗਰੇਜ਼ੀ ਵਿੱਚ ਛੋਟੀਆਂ, ਦੋਸਤਾਨਾ ਈਮੇਲਾਂ ਲਿਖਦਾ ਹਾਂ ਅਤੇ ਅਖੀਰ ਵਿੱਚ Cheers ਲਿਖਦਾ ਹਾਂ।</translation>
    </message>
    <message>
        <source>Your role, the languages you write in, names you use often, how you like to sound.</source>
        <translation>ਤੁਹਾਡੀ ਭੂਮਿਕਾ, ਜਿਹਨਾਂ ਭਾਸ਼ਾਵਾਂ ਵਿੱਚ ਤੁਸੀਂ ਲਿਖਦੇ ਹੋ, ਜੋ ਨਾਂ ਤੁਸੀਂ ਅਕਸਰ ਵਰਤਦੇ ਹੋ, ਤੁਸੀਂ ਕਿਹੋ ਜਿਹਾ ਲਹਿਜਾ ਚਾਹੁੰਦੇ ਹੋ।</translation>
    </message>
    <message>
        <source>Writing memory</source>
        <translation>ਲਿਖਤ ਮੈਮਰੀ</translation>
    </message>
    <message>
        <source>Remember how I write</source>
        <translation>ਮੇਰੀ ਲਿਖਣ ਸ਼ੈਲੀ ਯਾਦ ਰੱਖੋ</translation>
    </message>
    <message>
        <source>Also remember fields where I accept nothing</source>
        <translation>ਉਹ ਖੇਤਰ ਵੀ ਯਾਦ ਰੱਖੋ ਜਿੱਥੇ ਮੈਂ ਕੁਝ ਸਵੀਕਾਰ ਨਾ ਕਰਾਂ</translation>
    </message>
    <message>
        <source>%app learns your style sooner but keeps more of what you type.</source>
        <translation>%app ਤੁਹਾਡੀ ਸ਼ੈਲੀ ਛੇਤੀ ਸਿੱਖਦਾ ਹੈ, ਪਰ ਤੁਹਾਡਾ ਟਾਈਪ ਕੀਤਾ ਵੱਧ ਟੈਕਸਟ ਸੰਭਾਲਦਾ ਹੈ।</translation>
    </message>
    <message>
        <source>Influence</source>
        <translation>ਪ੍ਰਭਾਵ</translation>
    </message>
    <message>
        <source>Strong</source>
        <translation>ਵੱਧ</translation>
    </message>
    <message>
        <source>How many of your passages each suggestion can draw on.</source>
        <translation>ਹਰ ਸੁਝਾਅ ਤੁਹਾਡੇ ਕਿੰਨੇ ਅੰਸ਼ਾਂ ਦਾ ਸਹਾਰਾ ਲੈ ਸਕਦਾ ਹੈ।</translation>
    </message>
    <message>
        <source>Erase All…</source>
        <translation>ਸਭ ਮਿਟਾਓ…</translation>
    </message>
    <message>
        <source>Erase everything %app remembered?</source>
        <translation>ਕੀ %app ਵੱਲੋਂ ਯਾਦ ਰੱਖਿਆ ਸਭ ਕੁਝ ਮਿਟਾਉਣਾ ਹੈ?</translation>
    </message>
    <message>
        <source>This can&apos;t be undone.</source>
        <translation>ਇਸ ਨੂੰ ਵਾਪਸ ਨਹੀਂ ਲਿਆ ਜਾ ਸਕਦਾ।</translation>
    </message>
    <message>
        <source>Erase All</source>
        <translation>ਸਭ ਮਿਟਾਓ</translation>
    </message>
    <message>
        <source>Nothing remembered yet</source>
        <translation>ਹਾਲੇ ਕੁਝ ਯਾਦ ਨਹੀਂ ਰੱਖਿਆ</translation>
    </message>
    <message>
        <source>App and window name</source>
        <translation>ਐਪ ਅਤੇ ਵਿੰਡੋ ਦਾ ਨਾਂ</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>ਵੈੱਬਸਾਈਟ</translation>
    </message>
    <message>
        <source>The site&apos;s domain when you write in a browser.</source>
        <translation>ਬ੍ਰਾਊਜ਼ਰ ਵਿੱਚ ਲਿਖਦੇ ਸਮੇਂ ਸਾਈਟ ਦਾ ਡੋਮੇਨ।</translation>
    </message>
    <message>
        <source>Recently copied text</source>
        <translation>ਹਾਲ ਹੀ ਵਿੱਚ ਕਾਪੀ ਕੀਤਾ ਟੈਕਸਟ</translation>
    </message>
    <message>
        <source>Anything you copied in the last 10 minutes. Copies from password managers are skipped.</source>
        <translation>ਪਿਛਲੇ 10 ਮਿੰਟਾਂ ਵਿੱਚ ਕਾਪੀ ਕੀਤੀ ਕੋਈ ਵੀ ਚੀਜ਼। ਪਾਸਵਰਡ ਮੈਨੇਜਰਾਂ ਤੋਂ ਕਾਪੀ ਕੀਤਾ ਟੈਕਸਟ ਛੱਡ ਦਿੱਤਾ ਜਾਂਦਾ ਹੈ।</translation>
    </message>
    <message>
        <source>Text on screen</source>
        <translation>ਸਕ੍ਰੀਨ ਉੱਤੇ ਟੈਕਸਟ</translation>
    </message>
    <message>
        <source>Reads the window you&apos;re writing in, so replies fit the conversation. It picks the lines closest to where you type.</source>
        <translation>ਉਹ ਵਿੰਡੋ ਪੜ੍ਹਦਾ ਹੈ ਜਿਸ ਵਿੱਚ ਤੁਸੀਂ ਲਿਖ ਰਹੇ ਹੋ, ਤਾਂ ਜੋ ਜਵਾਬ ਗੱਲਬਾਤ ਨਾਲ ਮੇਲ ਖਾਣ। ਇਹ ਤੁਹਾਡੇ ਟਾਈਪ ਕਰਨ ਦੀ ਥਾਂ ਦੇ ਸਭ ਤੋਂ ਨੇੜਲੀਆਂ ਲਾਈਨਾਂ ਚੁਣਦਾ ਹੈ।</translation>
    </message>
    <message>
        <source>What you just looked at</source>
        <translation>ਜੋ ਤੁਸੀਂ ਹੁਣੇ ਦੇਖਿਆ</translation>
    </message>
    <message>
        <source>Windows beside you</source>
        <translation>ਨਾਲ ਦੀਆਂ ਵਿੰਡੋਆਂ</translation>
    </message>
    <message>
        <source>Also reads up to two other windows on the same screen, like the document you&apos;re replying about. Skips password managers and apps you switched off.</source>
        <translation>ਉਸੇ ਸਕ੍ਰੀਨ ਉੱਤੇ ਦੋ ਹੋਰ ਵਿੰਡੋਆਂ ਤੱਕ ਵੀ ਪੜ੍ਹਦਾ ਹੈ, ਜਿਵੇਂ ਉਹ ਦਸਤਾਵੇਜ਼ ਜਿਸ ਬਾਰੇ ਤੁਸੀਂ ਜਵਾਬ ਦੇ ਰਹੇ ਹੋ। ਪਾਸਵਰਡ ਮੈਨੇਜਰਾਂ ਅਤੇ ਤੁਹਾਡੀਆਂ ਬੰਦ ਕੀਤੀਆਂ ਐਪਾਂ ਨੂੰ ਛੱਡ ਦਿੰਦਾ ਹੈ।</translation>
    </message>
    <message>
        <source>Off in this app</source>
        <translation>ਇਸ ਐਪ ਵਿੱਚ ਬੰਦ</translation>
    </message>
    <message>
        <source>This word looks misspelled</source>
        <translation>ਇਸ ਸ਼ਬਦ ਦੇ ਸ਼ਬਦ-ਜੋੜ ਗਲਤ ਲੱਗਦੇ ਹਨ</translation>
    </message>
    <message>
        <source>Thanks for the notes. I&apos;ll send the revised deck</source>
        <translation>ਨੋਟਾਂ ਲਈ ਧੰਨਵਾਦ। ਮੈਂ ਸੋਧੀ ਹੋਈ ਡੈੱਕ</translation>
    </message>
    <message>
        <source> by Friday morning.</source>
        <translation> ਸ਼ੁੱਕਰਵਾਰ ਸਵੇਰ ਤੱਕ ਭੇਜ ਦਿਆਂਗਾ।</translation>
    </message>
    <message>
        <source>%1 quit. %app has the Tab key.</source>
        <translation>%1 ਬੰਦ ਹੋ ਗਈ। Tab ਕੁੰਜੀ ਹੁਣ %app ਕੋਲ ਹੈ।</translation>
    </message>
    <message>
        <source>Open Data Folder</source>
        <translation>ਡਾਟਾ ਫੋਲਡਰ ਖੋਲ੍ਹੋ</translation>
    </message>
    <message>
        <source>Show Welcome Again</source>
        <translation>ਸਵਾਗਤ ਦੁਬਾਰਾ ਦਿਖਾਓ</translation>
    </message>
    <message>
        <source>Play Intro Again</source>
        <translation>ਜਾਣ-ਪਛਾਣ ਦੁਬਾਰਾ ਚਲਾਓ</translation>
    </message>
    <message>
        <source>Reset Settings…</source>
        <translation>ਸੈਟਿੰਗਾਂ ਰੀਸੈੱਟ ਕਰੋ…</translation>
    </message>
    <message>
        <source>Suggest in every app</source>
        <translation>ਹਰ ਐਪ ਵਿੱਚ ਸੁਝਾਓ</translation>
    </message>
    <message>
        <source>Suggest in code editors</source>
        <translation>ਕੋਡ ਐਡੀਟਰਾਂ ਵਿੱਚ ਸੁਝਾਓ</translation>
    </message>
    <message>
        <source>Suggest in the middle of a line</source>
        <translation>ਲਾਈਨ ਦੇ ਵਿਚਕਾਰ ਸੁਝਾਓ</translation>
    </message>
    <message>
        <source>Suggest in small fields</source>
        <translation>ਛੋਟੇ ਖੇਤਰਾਂ ਵਿੱਚ ਸੁਝਾਓ</translation>
    </message>
    <message>
        <source>Hold back on misspelled words</source>
        <translation>ਗਲਤ ਸ਼ਬਦ-ਜੋੜ ਵਾਲੇ ਸ਼ਬਦਾਂ ਉੱਤੇ ਰੁਕੋ</translation>
    </message>
    <message>
        <source>Offer spelling fixes</source>
        <translation>ਸ਼ਬਦ-ਜੋੜ ਸੁਧਾਰ ਸੁਝਾਓ</translation>
    </message>
    <message>
        <source>Show the key hint</source>
        <translation>ਕੁੰਜੀ ਸੰਕੇਤ ਦਿਖਾਓ</translation>
    </message>
    <message>
        <source>Quit other autocomplete apps when they open</source>
        <translation>ਹੋਰ ਆਟੋਕੰਪਲੀਟ ਐਪਾਂ ਖੁੱਲ੍ਹਣ ਉੱਤੇ ਉਹਨਾਂ ਨੂੰ ਬੰਦ ਕਰੋ</translation>
    </message>
    <message>
        <source>Keeps a few minutes of text from windows you switched away from, like a page you read before replying. It stays on your computer and skips apps you switched off.</source>
        <translation>ਜਿਹਨਾਂ ਵਿੰਡੋਆਂ ਤੋਂ ਤੁਸੀਂ ਹਟ ਗਏ, ਉਹਨਾਂ ਦਾ ਕੁਝ ਮਿੰਟਾਂ ਦਾ ਟੈਕਸਟ ਰੱਖਦਾ ਹੈ, ਜਿਵੇਂ ਜਵਾਬ ਦੇਣ ਤੋਂ ਪਹਿਲਾਂ ਪੜ੍ਹਿਆ ਸਫ਼ਾ। ਇਹ ਤੁਹਾਡੇ ਕੰਪਿਊਟਰ ਉੱਤੇ ਰਹਿੰਦਾ ਹੈ ਅਤੇ ਤੁਹਾਡੀਆਂ ਬੰਦ ਕੀਤੀਆਂ ਐਪਾਂ ਨੂੰ ਛੱਡ ਦਿੰਦਾ ਹੈ।</translation>
    </message>
    <message numerus="yes">
        <source>Both apps answer the Tab key, and the system gives it to %1 first. %app stays paused in your other apps until %1 quits.</source>
        <translation>
            <numerusform>ਦੋਵੇਂ ਐਪਾਂ Tab ਕੁੰਜੀ ਦਾ ਜਵਾਬ ਦਿੰਦੀਆਂ ਹਨ, ਅਤੇ ਸਿਸਟਮ ਇਸ ਨੂੰ ਪਹਿਲਾਂ %1 ਨੂੰ ਦਿੰਦਾ ਹੈ। %1 ਦੇ ਬੰਦ ਹੋਣ ਤੱਕ %app ਤੁਹਾਡੀਆਂ ਹੋਰ ਐਪਾਂ ਵਿੱਚ ਰੁਕਿਆ ਰਹਿੰਦਾ ਹੈ।</numerusform>
            <numerusform>%1, %app ਤੋਂ ਪਹਿਲਾਂ Tab ਕੁੰਜੀ ਲੈ ਲੈਂਦੀਆਂ ਹਨ, ਇਸ ਲਈ ਜਦੋਂ ਤੱਕ ਤੁਸੀਂ ਉਹਨਾਂ ਨੂੰ ਬੰਦ ਨਹੀਂ ਕਰਦੇ, %app ਤੁਹਾਡੀਆਂ ਹੋਰ ਐਪਾਂ ਵਿੱਚ ਰੁਕਿਆ ਰਹਿੰਦਾ ਹੈ।</numerusform>
        </translation>
    </message>
    <message>
        <source>Finishes your sentences in any app, on your computer.</source>
        <translation>ਤੁਹਾਡੇ ਕੰਪਿਊਟਰ ਉੱਤੇ, ਕਿਸੇ ਵੀ ਐਪ ਵਿੱਚ ਤੁਹਾਡੇ ਵਾਕ ਪੂਰੇ ਕਰਦਾ ਹੈ।</translation>
    </message>
    <message>
        <source>Keeps short passages from fields where you accepted a suggestion, encrypted on this computer, and shows them to the model as examples.</source>
        <translation>ਜਿਹਨਾਂ ਖੇਤਰਾਂ ਵਿੱਚ ਤੁਸੀਂ ਸੁਝਾਅ ਸਵੀਕਾਰ ਕੀਤਾ, ਉਹਨਾਂ ਦੇ ਛੋਟੇ ਅੰਸ਼ ਇਸ ਕੰਪਿਊਟਰ ਉੱਤੇ ਇਨਕ੍ਰਿਪਟ ਕਰਕੇ ਰੱਖਦਾ ਹੈ ਅਤੇ ਮਾਡਲ ਨੂੰ ਉਦਾਹਰਨਾਂ ਵਜੋਂ ਦਿਖਾਉਂਦਾ ਹੈ।</translation>
    </message>
    <message>
        <source>Light</source>
        <comment>skin tone</comment>
        <translation>ਹਲਕਾ</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ਠੀਕ ਹੈ</translation>
    </message>
    <message>
        <source>Default</source>
        <comment>skin tone</comment>
        <translation>ਪੂਰਵ-ਨਿਰਧਾਰਤ</translation>
    </message>
    <message>
        <source>Medium light</source>
        <comment>skin tone</comment>
        <translation>ਦਰਮਿਆਨਾ ਹਲਕਾ</translation>
    </message>
    <message>
        <source>Medium</source>
        <comment>skin tone</comment>
        <translation>ਦਰਮਿਆਨਾ</translation>
    </message>
    <message>
        <source>Medium dark</source>
        <comment>skin tone</comment>
        <translation>ਦਰਮਿਆਨਾ ਗੂੜ੍ਹਾ</translation>
    </message>
    <message>
        <source>Dark</source>
        <comment>skin tone</comment>
        <translation>ਗੂੜ੍ਹਾ</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>ਅਣਜਾਣ</translation>
    </message>
    <message>
        <source>%1 × %2 pt</source>
        <translation>%1 × %2 pt</translation>
    </message>
    <message>
        <source>No</source>
        <translation>ਨਹੀਂ</translation>
    </message>
    <message>
        <source>Not reported, estimated from the caret</source>
        <translation>ਦੱਸਿਆ ਨਹੀਂ ਗਿਆ, ਕੈਰੇਟ ਤੋਂ ਅੰਦਾਜ਼ਾ</translation>
    </message>
    <message>
        <source>%1 %2 pt</source>
        <translation>%1 %2 pt</translation>
    </message>
    <message>
        <source>System</source>
        <translation>ਸਿਸਟਮ</translation>
    </message>
    <message>
        <source>Not yet</source>
        <translation>ਹਾਲੇ ਨਹੀਂ</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>ਅੱਜ</translation>
    </message>
    <message>
        <source>Last 7 days</source>
        <translation>ਪਿਛਲੇ 7 ਦਿਨ</translation>
    </message>
    <message>
        <source>All time</source>
        <translation>ਹੁਣ ਤੱਕ</translation>
    </message>
    <message>
        <source>Typing saved</source>
        <translation>ਬਚਾਈ ਟਾਈਪਿੰਗ</translation>
    </message>
    <message>
        <source>at 40 words a minute</source>
        <translation>40 ਸ਼ਬਦ ਪ੍ਰਤੀ ਮਿੰਟ ਦੇ ਹਿਸਾਬ ਨਾਲ</translation>
    </message>
    <message>
        <source>Accepted</source>
        <translation>ਸਵੀਕਾਰ ਕੀਤੇ</translation>
    </message>
    <message>
        <source>of suggestions shown</source>
        <translation>ਦਿਖਾਏ ਸੁਝਾਵਾਂ ਵਿੱਚੋਂ</translation>
    </message>
    <message>
        <source>Typical wait</source>
        <translation>ਆਮ ਉਡੀਕ</translation>
    </message>
    <message>
        <source>9 in 10 under %1</source>
        <translation>10 ਵਿੱਚੋਂ 9 ਵਾਰ %1 ਤੋਂ ਘੱਟ</translation>
    </message>
    <message>
        <source>no requests yet</source>
        <translation>ਹਾਲੇ ਕੋਈ ਬੇਨਤੀ ਨਹੀਂ</translation>
    </message>
    <message>
        <source>Words saved</source>
        <translation>ਬਚਾਏ ਸ਼ਬਦ</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>ਸਮਾਂ-ਸੀਮਾ</translation>
    </message>
    <message>
        <source>Nothing to chart yet</source>
        <translation>ਚਾਰਟ ਲਈ ਹਾਲੇ ਕੁਝ ਨਹੀਂ</translation>
    </message>
    <message>
        <source>Accept a few suggestions and your days show up here.</source>
        <translation>ਕੁਝ ਸੁਝਾਅ ਸਵੀਕਾਰ ਕਰੋ ਅਤੇ ਤੁਹਾਡੇ ਦਿਨ ਇੱਥੇ ਦਿਸਣਗੇ।</translation>
    </message>
    <message>
        <source>Where you write</source>
        <translation>ਤੁਸੀਂ ਕਿੱਥੇ ਲਿਖਦੇ ਹੋ</translation>
    </message>
    <message>
        <source>Reset Statistics…</source>
        <translation>ਅੰਕੜੇ ਰੀਸੈੱਟ ਕਰੋ…</translation>
    </message>
    <message>
        <source>Reset all statistics?</source>
        <translation>ਕੀ ਸਾਰੇ ਅੰਕੜੇ ਰੀਸੈੱਟ ਕਰਨੇ ਹਨ?</translation>
    </message>
    <message>
        <source>This clears words saved, acceptance and timing history.</source>
        <translation>ਇਸ ਨਾਲ ਬਚਾਏ ਸ਼ਬਦ, ਸਵੀਕ੍ਰਿਤੀ ਅਤੇ ਸਮੇਂ ਦਾ ਇਤਿਹਾਸ ਮਿਟ ਜਾਂਦਾ ਹੈ।</translation>
    </message>
    <message>
        <source>Copy Diagnostics</source>
        <translation>ਨਿਦਾਨ ਜਾਣਕਾਰੀ ਕਾਪੀ ਕਰੋ</translation>
    </message>
    <message>
        <source>Diagnostics leave out the text you typed.</source>
        <translation>ਨਿਦਾਨ ਜਾਣਕਾਰੀ ਵਿੱਚ ਤੁਹਾਡਾ ਟਾਈਪ ਕੀਤਾ ਟੈਕਸਟ ਸ਼ਾਮਲ ਨਹੀਂ ਹੁੰਦਾ।</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>ਸਥਿਤੀ</translation>
    </message>
    <message>
        <source>Right now</source>
        <translation>ਇਸ ਵੇਲੇ</translation>
    </message>
    <message>
        <source>Allowed</source>
        <translation>ਇਜਾਜ਼ਤ ਹੈ</translation>
    </message>
    <message>
        <source>Not allowed</source>
        <translation>ਇਜਾਜ਼ਤ ਨਹੀਂ</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>ਕੀਬੋਰਡ</translation>
    </message>
    <message>
        <source>Listening</source>
        <translation>ਸੁਣ ਰਿਹਾ ਹੈ</translation>
    </message>
    <message>
        <source>Not listening</source>
        <translation>ਨਹੀਂ ਸੁਣ ਰਿਹਾ</translation>
    </message>
    <message>
        <source>Focused field</source>
        <translation>ਫੋਕਸ ਵਾਲਾ ਖੇਤਰ</translation>
    </message>
    <message>
        <source>Click into a text field in another app, then come back. The last field %1 saw stays here.</source>
        <translation>ਕਿਸੇ ਹੋਰ ਐਪ ਦੇ ਟੈਕਸਟ ਖੇਤਰ ਵਿੱਚ ਕਲਿੱਕ ਕਰੋ, ਫਿਰ ਵਾਪਸ ਆਓ। %1 ਦਾ ਦੇਖਿਆ ਆਖਰੀ ਖੇਤਰ ਇੱਥੇ ਰਹਿੰਦਾ ਹੈ।</translation>
    </message>
    <message>
        <source>App</source>
        <translation>ਐਪ</translation>
    </message>
    <message>
        <source>Field type</source>
        <translation>ਖੇਤਰ ਦੀ ਕਿਸਮ</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>ਵਿੰਡੋ</translation>
    </message>
    <message>
        <source>Field size</source>
        <translation>ਖੇਤਰ ਦਾ ਆਕਾਰ</translation>
    </message>
    <message>
        <source>Caret found</source>
        <translation>ਕੈਰੇਟ ਮਿਲਿਆ</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>ਫ਼ੌਂਟ</translation>
    </message>
    <message>
        <source>At end of line</source>
        <translation>ਲਾਈਨ ਦੇ ਅੰਤ ਉੱਤੇ</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>ਹਾਂ</translation>
    </message>
    <message>
        <source>Secure input</source>
        <translation>ਸੁਰੱਖਿਅਤ ਇਨਪੁਟ</translation>
    </message>
    <message>
        <source>Looked at lately</source>
        <translation>ਹਾਲ ਹੀ ਵਿੱਚ ਦੇਖਿਆ</translation>
    </message>
    <message>
        <source>Text before the caret</source>
        <translation>ਕੈਰੇਟ ਤੋਂ ਪਹਿਲਾਂ ਦਾ ਟੈਕਸਟ</translation>
    </message>
    <message>
        <source>Last request</source>
        <translation>ਆਖਰੀ ਬੇਨਤੀ</translation>
    </message>
    <message>
        <source>Wait</source>
        <translation>ਉਡੀਕ</translation>
    </message>
    <message>
        <source>Suggestion</source>
        <translation>ਸੁਝਾਅ</translation>
    </message>
    <message>
        <source>Prompt sent to the engine</source>
        <translation>ਇੰਜਣ ਨੂੰ ਭੇਜਿਆ ਪ੍ਰੌਂਪਟ</translation>
    </message>
    <message>
        <source>Raw answer</source>
        <translation>ਕੱਚਾ ਜਵਾਬ</translation>
    </message>
    <message>
        <source>(empty)</source>
        <translation>(ਖਾਲੀ)</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>ਕਾਪੀ ਹੋ ਗਿਆ</translation>
    </message>
    <message>
        <source>Choose a language</source>
        <translation>ਭਾਸ਼ਾ ਚੁਣੋ</translation>
    </message>
    <message>
        <source>Search languages</source>
        <translation>ਭਾਸ਼ਾਵਾਂ ਖੋਜੋ</translation>
    </message>
    <message>
        <source>Same as my computer</source>
        <translation>ਮੇਰੇ ਕੰਪਿਊਟਰ ਵਾਂਗ</translation>
    </message>
    <message>
        <source>Switch to %1?</source>
        <translation>ਕੀ %1 ਉੱਤੇ ਬਦਲਣਾ ਹੈ?</translation>
    </message>
    <message>
        <source>%1 closes and opens again in a second. Your settings stay as they are.</source>
        <translation>%1 ਬੰਦ ਹੋ ਕੇ ਇੱਕ ਸਕਿੰਟ ਵਿੱਚ ਦੁਬਾਰਾ ਖੁੱਲ੍ਹੇਗਾ। ਤੁਹਾਡੀਆਂ ਸੈਟਿੰਗਾਂ ਜਿਵੇਂ ਹਨ ਉਵੇਂ ਰਹਿਣਗੀਆਂ।</translation>
    </message>
    <message>
        <source>Reopen Now</source>
        <translation>ਹੁਣੇ ਦੁਬਾਰਾ ਖੋਲ੍ਹੋ</translation>
    </message>
    <message>
        <source>App language</source>
        <translation>ਐਪ ਦੀ ਭਾਸ਼ਾ</translation>
    </message>
    <message>
        <source>Pick the language you read most easily. Suggestions follow whatever language you type.</source>
        <translation>ਉਹ ਭਾਸ਼ਾ ਚੁਣੋ ਜੋ ਤੁਸੀਂ ਸਭ ਤੋਂ ਸੌਖਿਆਂ ਪੜ੍ਹਦੇ ਹੋ। ਸੁਝਾਅ ਉਸੇ ਭਾਸ਼ਾ ਵਿੱਚ ਆਉਂਦੇ ਹਨ ਜਿਸ ਵਿੱਚ ਤੁਸੀਂ ਟਾਈਪ ਕਰਦੇ ਹੋ।</translation>
    </message>
    <message>
        <source>Change the app language</source>
        <translation>ਐਪ ਦੀ ਭਾਸ਼ਾ ਬਦਲੋ</translation>
    </message>
    <message>
        <source>0 min</source>
        <translation>0 ਮਿੰਟ</translation>
    </message>
    <message>
        <source>under a minute</source>
        <translation>ਇੱਕ ਮਿੰਟ ਤੋਂ ਘੱਟ</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 ਸਕਿੰ.</translation>
    </message>
    <message>
        <source>Not set</source>
        <translation>ਸੈੱਟ ਨਹੀਂ</translation>
    </message>
    <message>
        <source>Clear shortcut</source>
        <translation>ਸ਼ਾਰਟਕੱਟ ਸਾਫ਼ ਕਰੋ</translation>
    </message>
    <message>
        <source>Add Ctrl, Alt or Super so normal typing still works.</source>
        <translation>Ctrl, Alt ਜਾਂ Super ਸ਼ਾਮਲ ਕਰੋ ਤਾਂ ਜੋ ਆਮ ਟਾਈਪਿੰਗ ਕੰਮ ਕਰਦੀ ਰਹੇ।</translation>
    </message>
    <message>
        <source>Type a shortcut…</source>
        <translation>ਸ਼ਾਰਟਕੱਟ ਟਾਈਪ ਕਰੋ…</translation>
    </message>
    <message>
        <source>Recording shortcut</source>
        <translation>ਸ਼ਾਰਟਕੱਟ ਰਿਕਾਰਡ ਹੋ ਰਿਹਾ ਹੈ</translation>
    </message>
    <message>
        <source>Shortcut %1</source>
        <translation>ਸ਼ਾਰਟਕੱਟ %1</translation>
    </message>
    <message>
        <source>Record shortcut</source>
        <translation>ਸ਼ਾਰਟਕੱਟ ਰਿਕਾਰਡ ਕਰੋ</translation>
    </message>
    <message>
        <source>Shortcut not set</source>
        <translation>ਸ਼ਾਰਟਕੱਟ ਸੈੱਟ ਨਹੀਂ</translation>
    </message>
    <message>
        <source>Press to record a new shortcut. Escape cancels.</source>
        <translation>ਨਵਾਂ ਸ਼ਾਰਟਕੱਟ ਰਿਕਾਰਡ ਕਰਨ ਲਈ ਦਬਾਓ। Escape ਰੱਦ ਕਰਦਾ ਹੈ।</translation>
    </message>
    <message>
        <source>Your tray icon is hidden</source>
        <translation>ਤੁਹਾਡਾ ਟ੍ਰੇ ਆਈਕਨ ਲੁਕਿਆ ਹੋਇਆ ਹੈ</translation>
    </message>
    <message>
        <source>This computer has no on-device language model</source>
        <translation>ਇਸ ਕੰਪਿਊਟਰ ਉੱਤੇ ਡਿਵਾਈਸ ਵਾਲਾ ਕੋਈ ਭਾਸ਼ਾ ਮਾਡਲ ਨਹੀਂ ਹੈ</translation>
    </message>
    <message>
        <source>Turn on the on-device model in the desktop&apos;s settings</source>
        <translation>ਡੈਸਕਟਾਪ ਦੀਆਂ ਸੈਟਿੰਗਾਂ ਵਿੱਚ ਡਿਵਾਈਸ ਵਾਲਾ ਮਾਡਲ ਚਾਲੂ ਕਰੋ</translation>
    </message>
    <message>
        <source>The on-device model is unavailable</source>
        <translation>ਡਿਵਾਈਸ ਵਾਲਾ ਮਾਡਲ ਉਪਲਬਧ ਨਹੀਂ</translation>
    </message>
    <message>
        <source>Downloading. The on-device model fills in until it&apos;s done.</source>
        <translation>ਡਾਊਨਲੋਡ ਹੋ ਰਿਹਾ ਹੈ। ਪੂਰਾ ਹੋਣ ਤੱਕ ਡਿਵਾਈਸ ਵਾਲਾ ਮਾਡਲ ਕੰਮ ਸੰਭਾਲਦਾ ਹੈ।</translation>
    </message>
    <message>
        <source>The on-device model fills in until you download it.</source>
        <translation>ਤੁਹਾਡੇ ਡਾਊਨਲੋਡ ਕਰਨ ਤੱਕ ਡਿਵਾਈਸ ਵਾਲਾ ਮਾਡਲ ਕੰਮ ਸੰਭਾਲਦਾ ਹੈ।</translation>
    </message>
    <message>
        <source>%1 shares no text. Quit it and start it with %2 to get suggestions in it.</source>
        <translation>%1 ਕੋਈ ਟੈਕਸਟ ਸਾਂਝਾ ਨਹੀਂ ਕਰਦੀ। ਉਸ ਵਿੱਚ ਸੁਝਾਅ ਲੈਣ ਲਈ ਉਸ ਨੂੰ ਬੰਦ ਕਰੋ ਅਤੇ %2 ਨਾਲ ਸ਼ੁਰੂ ਕਰੋ।</translation>
    </message>
    <message>
        <source>On-device model</source>
        <translation>ਡਿਵਾਈਸ ਵਾਲਾ ਮਾਡਲ</translation>
    </message>
    <message>
        <source>The system&apos;s own language model. Nothing to download.</source>
        <translation>ਸਿਸਟਮ ਦਾ ਆਪਣਾ ਭਾਸ਼ਾ ਮਾਡਲ। ਕੁਝ ਵੀ ਡਾਊਨਲੋਡ ਨਹੀਂ ਕਰਨਾ।</translation>
    </message>
    <message>
        <source>A website name cannot hold spaces, tabs or line breaks.</source>
        <translation>ਵੈੱਬਸਾਈਟ ਦੇ ਨਾਂ ਵਿੱਚ ਸਪੇਸ, ਟੈਬ ਜਾਂ ਲਾਈਨ ਬ੍ਰੇਕ ਨਹੀਂ ਹੋ ਸਕਦੇ।</translation>
    </message>
    <message>
        <source>Only addresses that start with http or https can be added.</source>
        <translation>ਸਿਰਫ਼ http ਜਾਂ https ਨਾਲ ਸ਼ੁਰੂ ਹੋਣ ਵਾਲੇ ਪਤੇ ਸ਼ਾਮਲ ਕੀਤੇ ਜਾ ਸਕਦੇ ਹਨ।</translation>
    </message>
    <message>
        <source>That is not a website name. Type one such as wikipedia.org.</source>
        <translation>ਇਹ ਵੈੱਬਸਾਈਟ ਦਾ ਨਾਂ ਨਹੀਂ ਹੈ। wikipedia.org ਵਰਗਾ ਕੋਈ ਨਾਂ ਟਾਈਪ ਕਰੋ।</translation>
    </message>
    <message>
        <source>A port is a number from 1 to 65535.</source>
        <translation>ਪੋਰਟ 1 ਤੋਂ 65535 ਤੱਕ ਦੀ ਇੱਕ ਸੰਖਿਆ ਹੁੰਦੀ ਹੈ।</translation>
    </message>
    <message>
        <source>The on-device model fills in until the download is done.</source>
        <translation>ਡਾਊਨਲੋਡ ਪੂਰਾ ਹੋਣ ਤੱਕ ਡਿਵਾਈਸ ਵਾਲਾ ਮਾਡਲ ਕੰਮ ਸੰਭਾਲਦਾ ਹੈ।</translation>
    </message>
    <message>
        <source>Suggestions start once the download is done.</source>
        <translation>ਡਾਊਨਲੋਡ ਪੂਰਾ ਹੁੰਦੇ ਹੀ ਸੁਝਾਅ ਸ਼ੁਰੂ ਹੋਣਗੇ।</translation>
    </message>
    <message>
        <source>This frees %1. The on-device model fills in until you download it again.</source>
        <translation>ਇਸ ਨਾਲ %1 ਖਾਲੀ ਹੋਵੇਗੀ। ਦੁਬਾਰਾ ਡਾਊਨਲੋਡ ਕਰਨ ਤੱਕ ਡਿਵਾਈਸ ਵਾਲਾ ਮਾਡਲ ਕੰਮ ਸੰਭਾਲਦਾ ਹੈ।</translation>
    </message>
    <message>
        <source>This frees %1. The %app model can&apos;t suggest until you download it again.</source>
        <translation>ਇਸ ਨਾਲ %1 ਖਾਲੀ ਹੋਵੇਗੀ। ਦੁਬਾਰਾ ਡਾਊਨਲੋਡ ਕਰਨ ਤੱਕ %app ਮਾਡਲ ਸੁਝਾਅ ਨਹੀਂ ਦੇ ਸਕੇਗਾ।</translation>
    </message>
    <message>
        <source>There&apos;s no room for it, or your panel has no system tray. Add the panel&apos;s system tray or status area applet in its settings.</source>
        <translation>ਇਸ ਲਈ ਥਾਂ ਨਹੀਂ ਹੈ, ਜਾਂ ਤੁਹਾਡੇ ਪੈਨਲ ਵਿੱਚ ਸਿਸਟਮ ਟ੍ਰੇ ਨਹੀਂ ਹੈ। ਪੈਨਲ ਦੀਆਂ ਸੈਟਿੰਗਾਂ ਵਿੱਚ ਸਿਸਟਮ ਟ੍ਰੇ ਜਾਂ ਸਥਿਤੀ ਖੇਤਰ ਐਪਲੈੱਟ ਸ਼ਾਮਲ ਕਰੋ।</translation>
    </message>
    <message>
        <source>GNOME shows tray icons only with the AppIndicator extension. Install the gnome-shell-extension-appindicator package, log out and in, then turn it on in Extensions.</source>
        <translation>GNOME ਸਿਰਫ਼ AppIndicator ਐਕਸਟੈਂਸ਼ਨ ਨਾਲ ਟ੍ਰੇ ਆਈਕਨ ਦਿਖਾਉਂਦਾ ਹੈ। gnome-shell-extension-appindicator ਪੈਕੇਜ ਇੰਸਟਾਲ ਕਰੋ, ਲੌਗ-ਆਊਟ ਕਰਕੇ ਦੁਬਾਰਾ ਲੌਗ-ਇਨ ਕਰੋ, ਫਿਰ “ਐਕਸਟੈਂਸ਼ਨਾਂ” ਵਿੱਚ ਇਸ ਨੂੰ ਚਾਲੂ ਕਰੋ।</translation>
    </message>
    <message>
        <source>GNOME shows tray icons only with the AppIndicator extension. It is installed but off: turn it on in Extensions.</source>
        <translation>GNOME ਸਿਰਫ਼ AppIndicator ਐਕਸਟੈਂਸ਼ਨ ਨਾਲ ਟ੍ਰੇ ਆਈਕਨ ਦਿਖਾਉਂਦਾ ਹੈ। ਇਹ ਇੰਸਟਾਲ ਹੈ ਪਰ ਬੰਦ ਹੈ: “ਐਕਸਟੈਂਸ਼ਨਾਂ” ਵਿੱਚ ਇਸ ਨੂੰ ਚਾਲੂ ਕਰੋ।</translation>
    </message>
    <message>
        <source>Until then, open %app from your applications menu to reach Settings.</source>
        <translation>ਉਦੋਂ ਤੱਕ, ਸੈਟਿੰਗਾਂ ਤੱਕ ਪਹੁੰਚਣ ਲਈ ਐਪਲੀਕੇਸ਼ਨ ਮੀਨੂ ਤੋਂ %app ਖੋਲ੍ਹੋ।</translation>
    </message>
    <message>
        <source>Open Extensions</source>
        <translation>“ਐਕਸਟੈਂਸ਼ਨਾਂ” ਖੋਲ੍ਹੋ</translation>
    </message>
    <message>
        <source>Show Count in Tray</source>
        <translation>ਟ੍ਰੇ ਵਿੱਚ ਗਿਣਤੀ ਦਿਖਾਓ</translation>
    </message>
    <message>
        <source>%1 shares no text</source>
        <translation>%1 ਕੋਈ ਟੈਕਸਟ ਸਾਂਝਾ ਨਹੀਂ ਕਰਦੀ</translation>
    </message>
    <message>
        <source>Copy command</source>
        <translation>ਕਮਾਂਡ ਕਾਪੀ ਕਰੋ</translation>
    </message>
    <message>
        <source>There&apos;s no account and no analytics. With the %app model or the on-device model, your text stays on this computer.</source>
        <translation>ਨਾ ਕੋਈ ਖਾਤਾ, ਨਾ ਕੋਈ ਵਿਸ਼ਲੇਸ਼ਣ। %app ਮਾਡਲ ਜਾਂ ਡਿਵਾਈਸ ਵਾਲੇ ਮਾਡਲ ਨਾਲ ਤੁਹਾਡਾ ਟੈਕਸਟ ਇਸੇ ਕੰਪਿਊਟਰ ਉੱਤੇ ਰਹਿੰਦਾ ਹੈ।</translation>
    </message>
    <message>
        <source>There&apos;s no account and no analytics. With the %app model, your text stays on this computer.</source>
        <translation>ਨਾ ਕੋਈ ਖਾਤਾ, ਨਾ ਕੋਈ ਵਿਸ਼ਲੇਸ਼ਣ। %app ਮਾਡਲ ਨਾਲ ਤੁਹਾਡਾ ਟੈਕਸਟ ਇਸੇ ਕੰਪਿਊਟਰ ਉੱਤੇ ਰਹਿੰਦਾ ਹੈ।</translation>
    </message>
    <message>
        <source>%app lives in your system tray from now on. Click its icon to pause it in an app or open Settings.</source>
        <translation>ਹੁਣ ਤੋਂ %app ਤੁਹਾਡੀ ਸਿਸਟਮ ਟ੍ਰੇ ਵਿੱਚ ਰਹਿੰਦਾ ਹੈ। ਕਿਸੇ ਐਪ ਵਿੱਚ ਇਸ ਨੂੰ ਰੋਕਣ ਜਾਂ ਸੈਟਿੰਗਾਂ ਖੋਲ੍ਹਣ ਲਈ ਇਸ ਦੇ ਆਈਕਨ ਉੱਤੇ ਕਲਿੱਕ ਕਰੋ।</translation>
    </message>
    <message>
        <source>%app has no account, no analytics and no servers of its own. The %app model and the on-device model keep your text on this computer. Other engines get it only if you set one up.</source>
        <translation>%app ਦਾ ਨਾ ਕੋਈ ਖਾਤਾ ਹੈ, ਨਾ ਵਿਸ਼ਲੇਸ਼ਣ, ਨਾ ਆਪਣੇ ਸਰਵਰ। %app ਮਾਡਲ ਅਤੇ ਡਿਵਾਈਸ ਵਾਲਾ ਮਾਡਲ ਤੁਹਾਡਾ ਟੈਕਸਟ ਇਸੇ ਕੰਪਿਊਟਰ ਉੱਤੇ ਰੱਖਦੇ ਹਨ। ਹੋਰ ਇੰਜਣਾਂ ਨੂੰ ਇਹ ਤਾਂ ਹੀ ਮਿਲਦਾ ਹੈ ਜੇ ਤੁਸੀਂ ਉਹਨਾਂ ਵਿੱਚੋਂ ਕੋਈ ਸੈੱਟ ਕਰੋ।</translation>
    </message>
    <message>
        <source>%app has no account, no analytics and no servers of its own. The %app model keeps your text on this computer. Other engines get it only if you set one up.</source>
        <translation>%app ਦਾ ਨਾ ਕੋਈ ਖਾਤਾ ਹੈ, ਨਾ ਵਿਸ਼ਲੇਸ਼ਣ, ਨਾ ਆਪਣੇ ਸਰਵਰ। %app ਮਾਡਲ ਤੁਹਾਡਾ ਟੈਕਸਟ ਇਸੇ ਕੰਪਿਊਟਰ ਉੱਤੇ ਰੱਖਦਾ ਹੈ। ਹੋਰ ਇੰਜਣਾਂ ਨੂੰ ਇਹ ਤਾਂ ਹੀ ਮਿਲਦਾ ਹੈ ਜੇ ਤੁਸੀਂ ਉਹਨਾਂ ਵਿੱਚੋਂ ਕੋਈ ਸੈੱਟ ਕਰੋ।</translation>
    </message>
    <message>
        <source>Installed applications</source>
        <translation>ਇੰਸਟਾਲ ਕੀਤੀਆਂ ਐਪਲੀਕੇਸ਼ਨਾਂ</translation>
    </message>
    <message>
        <source>%app reads these only while making a suggestion and never saves them. With the %app model or the on-device model, nothing leaves your computer.</source>
        <translation>%app ਇਹਨਾਂ ਨੂੰ ਸਿਰਫ਼ ਸੁਝਾਅ ਬਣਾਉਂਦੇ ਸਮੇਂ ਪੜ੍ਹਦਾ ਹੈ ਅਤੇ ਕਦੇ ਸੰਭਾਲਦਾ ਨਹੀਂ। %app ਮਾਡਲ ਜਾਂ ਡਿਵਾਈਸ ਵਾਲੇ ਮਾਡਲ ਨਾਲ ਕੁਝ ਵੀ ਤੁਹਾਡੇ ਕੰਪਿਊਟਰ ਤੋਂ ਬਾਹਰ ਨਹੀਂ ਜਾਂਦਾ।</translation>
    </message>
    <message>
        <source>%app reads these only while making a suggestion and never saves them. With the %app model, nothing leaves your computer.</source>
        <translation>%app ਇਹਨਾਂ ਨੂੰ ਸਿਰਫ਼ ਸੁਝਾਅ ਬਣਾਉਂਦੇ ਸਮੇਂ ਪੜ੍ਹਦਾ ਹੈ ਅਤੇ ਕਦੇ ਸੰਭਾਲਦਾ ਨਹੀਂ। %app ਮਾਡਲ ਨਾਲ ਕੁਝ ਵੀ ਤੁਹਾਡੇ ਕੰਪਿਊਟਰ ਤੋਂ ਬਾਹਰ ਨਹੀਂ ਜਾਂਦਾ।</translation>
    </message>
    <message>
        <source>The %app model keeps your text on this computer.</source>
        <translation>%app ਮਾਡਲ ਤੁਹਾਡਾ ਟੈਕਸਟ ਇਸੇ ਕੰਪਿਊਟਰ ਉੱਤੇ ਰੱਖਦਾ ਹੈ।</translation>
    </message>
    <message>
        <source>The key holds a line break or another control character. Paste it again without them.</source>
        <translation>ਕੁੰਜੀ ਵਿੱਚ ਲਾਈਨ ਬ੍ਰੇਕ ਜਾਂ ਕੋਈ ਹੋਰ ਕੰਟਰੋਲ ਅੱਖਰ ਹੈ। ਇਹਨਾਂ ਤੋਂ ਬਿਨਾਂ ਇਸ ਨੂੰ ਦੁਬਾਰਾ ਪੇਸਟ ਕਰੋ।</translation>
    </message>
    <message>
        <source>Waiting for the keyring to store the key.</source>
        <translation>ਕੀਰਿੰਗ ਦੇ ਕੁੰਜੀ ਸੰਭਾਲਣ ਦੀ ਉਡੀਕ।</translation>
    </message>
    <message>
        <source>The keyring cannot keep this key, so it is used only until %app quits.</source>
        <translation>ਕੀਰਿੰਗ ਇਹ ਕੁੰਜੀ ਨਹੀਂ ਰੱਖ ਸਕਦੀ, ਇਸ ਲਈ ਇਹ ਸਿਰਫ਼ %app ਦੇ ਬੰਦ ਹੋਣ ਤੱਕ ਵਰਤੀ ਜਾਵੇਗੀ।</translation>
    </message>
    <message>
        <source>Show in the system tray</source>
        <translation>ਸਿਸਟਮ ਟ੍ਰੇ ਵਿੱਚ ਦਿਖਾਓ</translation>
    </message>
    <message>
        <source>Pause or open Settings from the system tray. Hidden? Open %app from your applications menu to come back.</source>
        <translation>ਸਿਸਟਮ ਟ੍ਰੇ ਤੋਂ ਰੋਕੋ ਜਾਂ ਸੈਟਿੰਗਾਂ ਖੋਲ੍ਹੋ। ਲੁਕਿਆ ਹੋਇਆ ਹੈ? ਵਾਪਸ ਆਉਣ ਲਈ ਐਪਲੀਕੇਸ਼ਨ ਮੀਨੂ ਤੋਂ %app ਖੋਲ੍ਹੋ।</translation>
    </message>
    <message>
        <source>This tray can&apos;t show text beside icons, so the count shows in the icon&apos;s tooltip.</source>
        <translation>ਇਹ ਟ੍ਰੇ ਆਈਕਨਾਂ ਦੇ ਨਾਲ ਟੈਕਸਟ ਨਹੀਂ ਦਿਖਾ ਸਕਦੀ, ਇਸ ਲਈ ਗਿਣਤੀ ਆਈਕਨ ਦੀ ਟੂਲ-ਟਿੱਪ ਵਿੱਚ ਦਿਸਦੀ ਹੈ।</translation>
    </message>
    <message>
        <source>VS Code, VSCodium, Cursor, Zed, Kate, Sublime Text, JetBrains IDEs and similar apps.</source>
        <translation>VS Code, VSCodium, Cursor, Zed, Kate, Sublime Text, JetBrains IDE ਅਤੇ ਇਹੋ ਜਿਹੀਆਂ ਐਪਾਂ।</translation>
    </message>
    <message>
        <source>Your settings could not be read, so they were set aside and %app started over with its defaults.</source>
        <translation>ਤੁਹਾਡੀਆਂ ਸੈਟਿੰਗਾਂ ਪੜ੍ਹੀਆਂ ਨਹੀਂ ਜਾ ਸਕੀਆਂ, ਇਸ ਲਈ ਉਹਨਾਂ ਨੂੰ ਪਾਸੇ ਰੱਖ ਦਿੱਤਾ ਗਿਆ ਅਤੇ %app ਆਪਣੀਆਂ ਪੂਰਵ-ਨਿਰਧਾਰਤ ਸੈਟਿੰਗਾਂ ਨਾਲ ਨਵੇਂ ਸਿਰਿਓਂ ਸ਼ੁਰੂ ਹੋਇਆ।</translation>
    </message>
    <message>
        <source>Your settings are not saved: %app cannot write to its settings folder.</source>
        <translation>ਤੁਹਾਡੀਆਂ ਸੈਟਿੰਗਾਂ ਸੰਭਾਲੀਆਂ ਨਹੀਂ ਜਾ ਰਹੀਆਂ: %app ਆਪਣੇ ਸੈਟਿੰਗ ਫੋਲਡਰ ਵਿੱਚ ਨਹੀਂ ਲਿਖ ਸਕਦਾ।</translation>
    </message>
    <message>
        <source>Your app and website rules could not be read, so they were set aside.</source>
        <translation>ਤੁਹਾਡੇ ਐਪ ਅਤੇ ਵੈੱਬਸਾਈਟ ਨਿਯਮ ਪੜ੍ਹੇ ਨਹੀਂ ਜਾ ਸਕੇ, ਇਸ ਲਈ ਉਹਨਾਂ ਨੂੰ ਪਾਸੇ ਰੱਖ ਦਿੱਤਾ ਗਿਆ।</translation>
    </message>
    <message>
        <source>Your statistics could not be read, so they were set aside and counting started over.</source>
        <translation>ਤੁਹਾਡੇ ਅੰਕੜੇ ਪੜ੍ਹੇ ਨਹੀਂ ਜਾ ਸਕੇ, ਇਸ ਲਈ ਉਹਨਾਂ ਨੂੰ ਪਾਸੇ ਰੱਖ ਦਿੱਤਾ ਗਿਆ ਅਤੇ ਗਿਣਤੀ ਨਵੇਂ ਸਿਰਿਓਂ ਸ਼ੁਰੂ ਹੋਈ।</translation>
    </message>
    <message>
        <source>Not saved: %app cannot write to its data folder.</source>
        <translation>ਸੰਭਾਲਿਆ ਨਹੀਂ ਗਿਆ: %app ਆਪਣੇ ਡਾਟਾ ਫੋਲਡਰ ਵਿੱਚ ਨਹੀਂ ਲਿਖ ਸਕਦਾ।</translation>
    </message>
    <message numerus="yes">
        <source>%Ln suggestions. %1 selected</source>
        <translation>
            <numerusform>%Ln ਸੁਝਾਅ। ਚੁਣਿਆ: %1</numerusform>
            <numerusform>%Ln ਸੁਝਾਅ। ਚੁਣਿਆ: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln min</source>
        <translation>
            <numerusform>%Ln ਮਿੰਟ</numerusform>
            <numerusform>%Ln ਮਿੰਟ</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln words</source>
        <translation>
            <numerusform>%Ln ਸ਼ਬਦ</numerusform>
            <numerusform>%Ln ਸ਼ਬਦ</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln passages from here</source>
        <translation>
            <numerusform>ਇੱਥੋਂ %Ln ਅੰਸ਼</numerusform>
            <numerusform>ਇੱਥੋਂ %Ln ਅੰਸ਼</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>words</source>
        <comment>unit after a count</comment>
        <translation>
            <numerusform>ਸ਼ਬਦ</numerusform>
            <numerusform>ਸ਼ਬਦ</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln days</source>
        <translation>
            <numerusform>%Ln ਦਿਨ</numerusform>
            <numerusform>%Ln ਦਿਨ</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Words saved per day over the last %Ln days</source>
        <translation>
            <numerusform>ਪਿਛਲੇ %Ln ਦਿਨ ਵਿੱਚ ਰੋਜ਼ਾਨਾ ਬਚਾਏ ਸ਼ਬਦ</numerusform>
            <numerusform>ਪਿਛਲੇ %Ln ਦਿਨਾਂ ਵਿੱਚ ਰੋਜ਼ਾਨਾ ਬਚਾਏ ਸ਼ਬਦ</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln day streak</source>
        <translation>
            <numerusform>%Ln ਦਿਨ ਦੀ ਲੜੀ</numerusform>
            <numerusform>%Ln ਦਿਨਾਂ ਦੀ ਲੜੀ</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln passages remembered</source>
        <translation>
            <numerusform>%Ln ਅੰਸ਼ ਯਾਦ ਰੱਖਿਆ</numerusform>
            <numerusform>%Ln ਅੰਸ਼ ਯਾਦ ਰੱਖੇ</numerusform>
        </translation>
    </message>
    <message>
        <source>enter</source>
        <translation>enter</translation>
    </message>
    <message>
        <source>Allow screen capture so %app can read those too. Most apps work without it.</source>
        <translation>ਸਕ੍ਰੀਨ ਕੈਪਚਰ ਦੀ ਇਜਾਜ਼ਤ ਦਿਓ ਤਾਂ ਜੋ %app ਉਹਨਾਂ ਨੂੰ ਵੀ ਪੜ੍ਹ ਸਕੇ। ਜ਼ਿਆਦਾਤਰ ਐਪਾਂ ਇਸ ਤੋਂ ਬਿਨਾਂ ਕੰਮ ਕਰਦੀਆਂ ਹਨ।</translation>
    </message>
    <message>
        <source>Type a colon and a word, like :rocket, then press Tab or Enter to pick.</source>
        <translation>ਇੱਕ ਕੋਲਨ ਅਤੇ ਇੱਕ ਸ਼ਬਦ ਟਾਈਪ ਕਰੋ, ਜਿਵੇਂ :rocket, ਫਿਰ ਚੁਣਨ ਲਈ Tab ਜਾਂ Enter ਦਬਾਓ।</translation>
    </message>
    <message>
        <source>You can switch memory off for single apps under Apps &amp; Sites. The key that unlocks it lives in your keyring.</source>
        <translation>“ਐਪਾਂ ਅਤੇ ਸਾਈਟਾਂ” ਵਿੱਚ ਤੁਸੀਂ ਵੱਖ-ਵੱਖ ਐਪਾਂ ਲਈ ਮੈਮਰੀ ਬੰਦ ਕਰ ਸਕਦੇ ਹੋ। ਇਸ ਨੂੰ ਖੋਲ੍ਹਣ ਵਾਲੀ ਕੁੰਜੀ ਤੁਹਾਡੀ ਕੀਰਿੰਗ ਵਿੱਚ ਰਹਿੰਦੀ ਹੈ।</translation>
    </message>
    <message numerus="yes">
        <source>%Ln emoji. %1 selected</source>
        <translation>
            <numerusform>%Ln ਇਮੋਜੀ। ਚੁਣਿਆ: %1</numerusform>
            <numerusform>%Ln ਇਮੋਜੀ। ਚੁਣਿਆ: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Suggestion: %1</source>
        <translation>ਸੁਝਾਅ: %1</translation>
    </message>
    <message numerus="yes">
        <source>%Ln models available</source>
        <translation>
            <numerusform>%Ln ਮਾਡਲ ਉਪਲਬਧ</numerusform>
            <numerusform>%Ln ਮਾਡਲ ਉਪਲਬਧ</numerusform>
        </translation>
    </message>
    <message>
        <source>The model couldn&apos;t be saved: %1</source>
        <translation>ਮਾਡਲ ਸੰਭਾਲਿਆ ਨਹੀਂ ਜਾ ਸਕਿਆ: %1</translation>
    </message>
    <message>
        <source>Ollama isn&apos;t running.</source>
        <translation>Ollama ਨਹੀਂ ਚੱਲ ਰਿਹਾ।</translation>
    </message>
    <message>
        <source>Ollama isn&apos;t running at %1.</source>
        <translation>Ollama %1 ’ਤੇ ਨਹੀਂ ਚੱਲ ਰਿਹਾ।</translation>
    </message>
    <message>
        <source>No server answered.</source>
        <translation>ਕਿਸੇ ਸਰਵਰ ਨੇ ਜਵਾਬ ਨਹੀਂ ਦਿੱਤਾ।</translation>
    </message>
    <message>
        <source>No server answered at %1.</source>
        <translation>%1 ’ਤੇ ਕਿਸੇ ਸਰਵਰ ਨੇ ਜਵਾਬ ਨਹੀਂ ਦਿੱਤਾ।</translation>
    </message>
    <message>
        <source>Range: %1</source>
        <translation>ਮਿਆਦ: %1</translation>
    </message>
    <message numerus="yes">
        <source>%1, %Ln to do</source>
        <translation>
            <numerusform>%1, %Ln ਬਾਕੀ</numerusform>
            <numerusform>%1, %Ln ਬਾਕੀ</numerusform>
        </translation>
    </message>
    <message>
        <source>Type the whole name of the website, such as wikipedia.org.</source>
        <translation>ਵੈੱਬਸਾਈਟ ਦਾ ਪੂਰਾ ਨਾਂ ਟਾਈਪ ਕਰੋ, ਜਿਵੇਂ wikipedia.org।</translation>
    </message>
    <message>
        <source>The key holds a space, an invisible character or a letter outside plain ASCII. Paste it again exactly as your server gave it.</source>
        <translation>ਕੁੰਜੀ ਵਿੱਚ ਸਪੇਸ, ਅਦਿੱਖ ਅੱਖਰ ਜਾਂ ਸਾਦੇ ASCII ਤੋਂ ਬਾਹਰ ਦਾ ਅੱਖਰ ਹੈ। ਇਸ ਨੂੰ ਬਿਲਕੁਲ ਉਵੇਂ ਹੀ ਦੁਬਾਰਾ ਪੇਸਟ ਕਰੋ ਜਿਵੇਂ ਤੁਹਾਡੇ ਸਰਵਰ ਨੇ ਦਿੱਤੀ ਸੀ।</translation>
    </message>
    <message>
        <source>The keyring could not be read, so your server is asked without an API key. Type the key again if your server needs one.</source>
        <translation>ਕੀਰਿੰਗ ਪੜ੍ਹੀ ਨਹੀਂ ਜਾ ਸਕੀ, ਇਸ ਲਈ ਤੁਹਾਡੇ ਸਰਵਰ ਨੂੰ API ਕੁੰਜੀ ਤੋਂ ਬਿਨਾਂ ਪੁੱਛਿਆ ਜਾ ਰਿਹਾ ਹੈ। ਜੇ ਤੁਹਾਡੇ ਸਰਵਰ ਨੂੰ ਕੁੰਜੀ ਚਾਹੀਦੀ ਹੈ ਤਾਂ ਇਸ ਨੂੰ ਦੁਬਾਰਾ ਟਾਈਪ ਕਰੋ।</translation>
    </message>
    <message>
        <source>Your writing memory could not be opened, so it was set aside and %app started a new one.</source>
        <translation>ਤੁਹਾਡੀ ਲਿਖਤ ਮੈਮਰੀ ਖੋਲ੍ਹੀ ਨਹੀਂ ਜਾ ਸਕੀ, ਇਸ ਲਈ ਉਸ ਨੂੰ ਪਾਸੇ ਰੱਖ ਦਿੱਤਾ ਗਿਆ ਅਤੇ %app ਨੇ ਨਵੀਂ ਮੈਮਰੀ ਸ਼ੁਰੂ ਕੀਤੀ।</translation>
    </message>
    <message>
        <source>%1, converted for llama.cpp by %2</source>
        <translation>%1, llama.cpp ਲਈ %2 ਵੱਲੋਂ ਬਦਲਿਆ ਗਿਆ</translation>
    </message>
    <message>
        <source>The data folder %1 could not be made. Check that the folder above it exists and that you may write there.</source>
        <translation>ਡਾਟਾ ਫੋਲਡਰ %1 ਨਹੀਂ ਬਣਾਇਆ ਜਾ ਸਕਿਆ। ਜਾਂਚੋ ਕਿ ਇਸਦੇ ਉੱਪਰ ਵਾਲਾ ਫੋਲਡਰ ਮੌਜੂਦ ਹੈ ਅਤੇ ਤੁਸੀਂ ਉੱਥੇ ਲਿਖ ਸਕਦੇ ਹੋ।</translation>
    </message>
    <message>
        <source>party</source>
        <comment>emoji search sample</comment>
        <translation>ਪਾਰਟੀ</translation>
    </message>
    <message numerus="yes">
        <source>%Ln settings held values %app cannot use, so they were corrected and saved.</source>
        <translation>
            <numerusform>%Ln ਸੈਟਿੰਗ ਵਿੱਚ ਅਜਿਹਾ ਮੁੱਲ ਸੀ ਜੋ %app ਵਰਤ ਨਹੀਂ ਸਕਦਾ, ਇਸ ਲਈ ਇਸ ਨੂੰ ਠੀਕ ਕਰਕੇ ਸੰਭਾਲਿਆ ਗਿਆ।</numerusform>
            <numerusform>%Ln ਸੈਟਿੰਗਾਂ ਵਿੱਚ ਅਜਿਹੇ ਮੁੱਲ ਸਨ ਜੋ %app ਵਰਤ ਨਹੀਂ ਸਕਦਾ, ਇਸ ਲਈ ਇਹਨਾਂ ਨੂੰ ਠੀਕ ਕਰਕੇ ਸੰਭਾਲਿਆ ਗਿਆ।</numerusform>
        </translation>
    </message>
    <message>
        <source>Your writing memory is not saved: the keyring is missing or locked, so its key cannot be kept.</source>
        <translation>ਤੁਹਾਡੀ ਲਿਖਤ ਮੈਮਰੀ ਸੰਭਾਲੀ ਨਹੀਂ ਜਾ ਰਹੀ: ਕੀਰਿੰਗ ਮੌਜੂਦ ਨਹੀਂ ਜਾਂ ਲੌਕ ਹੈ, ਇਸ ਲਈ ਮੈਮਰੀ ਦੀ ਕੁੰਜੀ ਰੱਖੀ ਨਹੀਂ ਜਾ ਸਕਦੀ।</translation>
    </message>
    <message>
        <source>That address isn&apos;t valid</source>
        <translation>ਇਹ ਪਤਾ ਵੈਧ ਨਹੀਂ ਹੈ</translation>
    </message>
    <message>
        <source>The request timed out.</source>
        <translation>ਬੇਨਤੀ ਦਾ ਸਮਾਂ ਖਤਮ ਹੋ ਗਿਆ।</translation>
    </message>
    <message>
        <source>The server&apos;s reply was too long, so it was stopped.</source>
        <translation>ਸਰਵਰ ਦਾ ਜਵਾਬ ਬਹੁਤ ਲੰਬਾ ਸੀ, ਇਸ ਲਈ ਰੋਕ ਦਿੱਤਾ ਗਿਆ।</translation>
    </message>
    <message>
        <source>The server answered %1.</source>
        <translation>ਸਰਵਰ ਨੇ %1 ਜਵਾਬ ਦਿੱਤਾ।</translation>
    </message>
    <message>
        <source>The server answered %1: %2</source>
        <translation>ਸਰਵਰ ਨੇ %1 ਜਵਾਬ ਦਿੱਤਾ: %2</translation>
    </message>
    <message>
        <source>The download server answered %1. Try again later.</source>
        <translation>ਡਾਊਨਲੋਡ ਸਰਵਰ ਨੇ %1 ਜਵਾਬ ਦਿੱਤਾ। ਬਾਅਦ ਵਿੱਚ ਦੁਬਾਰਾ ਕੋਸ਼ਿਸ਼ ਕਰੋ।</translation>
    </message>
    <message>
        <source>The download couldn&apos;t be saved: %1</source>
        <translation>ਡਾਊਨਲੋਡ ਸੰਭਾਲਿਆ ਨਹੀਂ ਜਾ ਸਕਿਆ: %1</translation>
    </message>
    <message>
        <source>The download paused because the connection dropped. Try again to pick up where it stopped.</source>
        <translation>ਕਨੈਕਸ਼ਨ ਟੁੱਟਣ ਕਾਰਨ ਡਾਊਨਲੋਡ ਰੁਕ ਗਿਆ। ਜਿੱਥੇ ਰੁਕਿਆ ਸੀ ਉੱਥੋਂ ਜਾਰੀ ਰੱਖਣ ਲਈ ਦੁਬਾਰਾ ਕੋਸ਼ਿਸ਼ ਕਰੋ।</translation>
    </message>
    <message>
        <source>The download stopped. Check your connection, then try again.</source>
        <translation>ਡਾਊਨਲੋਡ ਰੁਕ ਗਿਆ। ਆਪਣਾ ਕਨੈਕਸ਼ਨ ਜਾਂਚੋ, ਫਿਰ ਦੁਬਾਰਾ ਕੋਸ਼ਿਸ਼ ਕਰੋ।</translation>
    </message>
    <message>
        <source>Pick an Ollama model in Settings</source>
        <translation>ਸੈਟਿੰਗਾਂ ਵਿੱਚ ਕੋਈ Ollama ਮਾਡਲ ਚੁਣੋ</translation>
    </message>
    <message>
        <source>Pick a model for your local server</source>
        <translation>ਆਪਣੇ ਸਥਾਨਕ ਸਰਵਰ ਲਈ ਕੋਈ ਮਾਡਲ ਚੁਣੋ</translation>
    </message>
    <message>
        <source>The server&apos;s answer is not HTTP.</source>
        <translation>ਸਰਵਰ ਦਾ ਜਵਾਬ HTTP ਨਹੀਂ ਹੈ।</translation>
    </message>
    <message>
        <source>The data couldn&apos;t be read because it is missing.</source>
        <translation>ਡਾਟਾ ਪੜ੍ਹਿਆ ਨਹੀਂ ਜਾ ਸਕਿਆ ਕਿਉਂਕਿ ਇਹ ਮੌਜੂਦ ਨਹੀਂ ਹੈ।</translation>
    </message>
    <message>
        <source>The data couldn&apos;t be read because it isn&apos;t in the correct format.</source>
        <translation>ਡਾਟਾ ਪੜ੍ਹਿਆ ਨਹੀਂ ਜਾ ਸਕਿਆ ਕਿਉਂਕਿ ਇਹ ਸਹੀ ਫਾਰਮੈਟ ਵਿੱਚ ਨਹੀਂ ਹੈ।</translation>
    </message>
    <message>
        <source>:%1:</source>
        <comment>emoji name</comment>
        <translation>:%1:</translation>
    </message>
    <message>
        <source>This computer has no on-device language model.</source>
        <translation>ਇਸ ਕੰਪਿਊਟਰ ਉੱਤੇ ਡਿਵਾਈਸ ਵਾਲਾ ਕੋਈ ਭਾਸ਼ਾ ਮਾਡਲ ਨਹੀਂ ਹੈ।</translation>
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
        <translation>%1 &apos;ਤੇ ਰੁਕਿਆ ਹੋਇਆ</translation>
    </message>
    <message>
        <source>Paused in %1</source>
        <translation>%1 ਵਿੱਚ ਰੁਕਿਆ ਹੋਇਆ</translation>
    </message>
    <message>
        <source>Off on %1</source>
        <translation>%1 &apos;ਤੇ ਬੰਦ</translation>
    </message>
    <message>
        <source>Off in %1</source>
        <translation>%1 ਵਿੱਚ ਬੰਦ</translation>
    </message>
    <message>
        <source>Off in %1 by default</source>
        <translation>%1 ਵਿੱਚ ਪੂਰਵ-ਨਿਰਧਾਰਤ ਤੌਰ &apos;ਤੇ ਬੰਦ</translation>
    </message>
    <message>
        <source>Off in code editors</source>
        <translation>ਕੋਡ ਐਡੀਟਰਾਂ ਵਿੱਚ ਬੰਦ</translation>
    </message>
    <message>
        <source>Off unless turned on per app</source>
        <translation>ਬੰਦ, ਜਦ ਤੱਕ ਹਰ ਐਪ ਲਈ ਚਾਲੂ ਨਾ ਕੀਤਾ ਜਾਵੇ</translation>
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
        <translation>ਸਪੇਸ</translation>
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
        <translation>ਕੁੰਜੀ %1</translation>
    </message>
    <message>
        <source>An email reply reads differently from a commit message.</source>
        <translation>ਈਮੇਲ ਦਾ ਜਵਾਬ ਅਤੇ ਕਮਿਟ ਸੁਨੇਹਾ ਵੱਖਰੇ ਢੰਗ ਨਾਲ ਲਿਖੇ ਜਾਂਦੇ ਹਨ।</translation>
    </message>
    <message>
        <source>Writes straight into the field. Cleanest in GTK and Qt apps.</source>
        <translation>ਸਿੱਧਾ ਖੇਤਰ ਵਿੱਚ ਲਿਖਦਾ ਹੈ। GTK ਅਤੇ Qt ਐਪਾਂ ਵਿੱਚ ਸਭ ਤੋਂ ਸਾਫ਼।</translation>
    </message>
    <message>
        <source>Typing</source>
        <comment>insertion method</comment>
        <translation>ਟਾਈਪਿੰਗ</translation>
    </message>
    <message>
        <source>%1 h</source>
        <comment>hours with one decimal, such as 1.5</comment>
        <translation>%1 ਘੰਟੇ</translation>
    </message>
    <message numerus="yes">
        <source>%Ln h</source>
        <translation>
            <numerusform>%Ln ਘੰਟੇ</numerusform>
            <numerusform>%Ln ਘੰਟੇ</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln ms</source>
        <translation>
            <numerusform>%Ln ਮਿ.ਸ.</numerusform>
            <numerusform>%Ln ਮਿ.ਸ.</numerusform>
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
            <numerusform>ਅੱਜ %Ln ਸ਼ਬਦ ਬਚਾਇਆ</numerusform>
            <numerusform>ਅੱਜ %Ln ਸ਼ਬਦ ਬਚਾਏ</numerusform>
        </translation>
    </message>
    <message>
        <source>Under a minute of typing saved today.</source>
        <translation>ਅੱਜ ਇੱਕ ਮਿੰਟ ਤੋਂ ਘੱਟ ਟਾਈਪਿੰਗ ਬਚੀ।</translation>
    </message>
    <message>
        <source>About %1 of typing saved today.</source>
        <translation>ਅੱਜ ਲਗਭਗ %1 ਟਾਈਪਿੰਗ ਬਚੀ।</translation>
    </message>
    <message numerus="yes">
        <source>Step %1 of %Ln</source>
        <translation>
            <numerusform>%Ln ਵਿੱਚੋਂ ਪੜਾਅ %1</numerusform>
            <numerusform>%Ln ਵਿੱਚੋਂ ਪੜਾਅ %1</numerusform>
        </translation>
    </message>
    <message>
        <source>%app reads and types into text fields through the desktop&apos;s accessibility support, which some desktops leave off. %app uses it only for the field you&apos;re writing in.</source>
        <translation>%app ਡੈਸਕਟਾਪ ਦੀ ਪਹੁੰਚਯੋਗਤਾ ਸਹਾਇਤਾ ਰਾਹੀਂ ਟੈਕਸਟ ਖੇਤਰ ਪੜ੍ਹਦਾ ਹੈ ਅਤੇ ਉਨ੍ਹਾਂ ਵਿੱਚ ਟਾਈਪ ਕਰਦਾ ਹੈ; ਕੁਝ ਡੈਸਕਟਾਪ ਇਸਨੂੰ ਬੰਦ ਰੱਖਦੇ ਹਨ। %app ਇਸਨੂੰ ਸਿਰਫ਼ ਉਸੇ ਖੇਤਰ ਲਈ ਵਰਤਦਾ ਹੈ ਜਿਸ ਵਿੱਚ ਤੁਸੀਂ ਲਿਖ ਰਹੇ ਹੋ।</translation>
    </message>
    <message>
        <source>The button switches the desktop&apos;s accessibility support on. If the desktop&apos;s settings open instead, turn accessibility on there, then come back. This page updates by itself.</source>
        <translation>ਇਹ ਬਟਨ ਡੈਸਕਟਾਪ ਦੀ ਪਹੁੰਚਯੋਗਤਾ ਸਹਾਇਤਾ ਚਾਲੂ ਕਰਦਾ ਹੈ। ਜੇ ਇਸਦੀ ਬਜਾਏ ਡੈਸਕਟਾਪ ਦੀਆਂ ਸੈਟਿੰਗਾਂ ਖੁੱਲ੍ਹਣ, ਤਾਂ ਉੱਥੇ ਪਹੁੰਚਯੋਗਤਾ ਚਾਲੂ ਕਰੋ, ਫਿਰ ਵਾਪਸ ਆਓ। ਇਹ ਸਫ਼ਾ ਆਪਣੇ-ਆਪ ਅੱਪਡੇਟ ਹੁੰਦਾ ਹੈ।</translation>
    </message>
    <message>
        <source>Still off? Some desktops start their accessibility service only when you log in. Log out and back in, then try again.</source>
        <translation>ਹਾਲੇ ਵੀ ਬੰਦ ਹੈ? ਕੁਝ ਡੈਸਕਟਾਪ ਪਹੁੰਚਯੋਗਤਾ ਸੇਵਾ ਸਿਰਫ਼ ਲੌਗ ਇਨ ਵੇਲੇ ਸ਼ੁਰੂ ਕਰਦੇ ਹਨ। ਲੌਗ ਆਊਟ ਕਰਕੇ ਮੁੜ ਲੌਗ ਇਨ ਕਰੋ, ਫਿਰ ਦੁਬਾਰਾ ਕੋਸ਼ਿਸ਼ ਕਰੋ।</translation>
    </message>
    <message>
        <source>Pause</source>
        <comment>section header</comment>
        <translation>ਵਿਰਾਮ</translation>
    </message>
    <message>
        <source>Pause</source>
        <comment>button</comment>
        <translation>ਰੋਕੋ</translation>
    </message>
    <message>
        <source>typing</source>
        <comment>insertion method, in a sentence</comment>
        <translation>ਟਾਈਪਿੰਗ</translation>
    </message>
    <message>
        <source>accessibility</source>
        <comment>insertion method, in a sentence</comment>
        <translation>ਪਹੁੰਚਯੋਗਤਾ</translation>
    </message>
    <message>
        <source>paste</source>
        <comment>insertion method, in a sentence</comment>
        <translation>ਪੇਸਟ</translation>
    </message>
    <message>
        <source>short</source>
        <comment>suggestion length, in a sentence</comment>
        <translation>ਛੋਟੇ</translation>
    </message>
    <message>
        <source>medium</source>
        <comment>suggestion length, in a sentence</comment>
        <translation>ਦਰਮਿਆਨੇ</translation>
    </message>
    <message>
        <source>long</source>
        <comment>suggestion length, in a sentence</comment>
        <translation>ਲੰਬੇ</translation>
    </message>
    <message>
        <source>Default follows General: %1, %2 suggestions.</source>
        <translation>ਪੂਰਵ-ਨਿਰਧਾਰਤ “ਆਮ” ਅਨੁਸਾਰ: %1, %2 ਸੁਝਾਅ।</translation>
    </message>
    <message>
        <source>Yes, at %1, %2 on screen, %3 pt tall, %4 and %5</source>
        <translation>ਹਾਂ, ਸਕ੍ਰੀਨ &apos;ਤੇ ਸਥਿਤੀ %1, %2, %3 pt ਉੱਚਾ, %4 ਅਤੇ %5</translation>
    </message>
    <message numerus="yes">
        <source>%Ln characters before it</source>
        <translation>
            <numerusform>ਪਹਿਲਾਂ %Ln ਅੱਖਰ</numerusform>
            <numerusform>ਪਹਿਲਾਂ %Ln ਅੱਖਰ</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln after</source>
        <comment>characters after the caret</comment>
        <translation>
            <numerusform>ਮਗਰੋਂ %Ln</numerusform>
            <numerusform>ਮਗਰੋਂ %Ln</numerusform>
        </translation>
    </message>
    <message>
        <source>No system tray runs on this desktop, so the icon cannot show. %1</source>
        <translation>ਇਸ ਡੈਸਕਟਾਪ &apos;ਤੇ ਕੋਈ ਸਿਸਟਮ ਟ੍ਰੇ ਨਹੀਂ ਚੱਲ ਰਹੀ, ਇਸ ਲਈ ਆਈਕਨ ਨਹੀਂ ਦਿਖ ਸਕਦਾ। %1</translation>
    </message>
    <message>
        <source>Typing</source>
        <comment>section header</comment>
        <translation>ਟਾਈਪਿੰਗ</translation>
    </message>
    <message>
        <source>Switch to the computer&apos;s language?</source>
        <translation>ਕੀ ਕੰਪਿਊਟਰ ਦੀ ਭਾਸ਼ਾ ਉੱਤੇ ਬਦਲਣਾ ਹੈ?</translation>
    </message>
    <message numerus="yes">
        <source>%Ln words this week.</source>
        <translation>
            <numerusform>ਇਸ ਹਫ਼ਤੇ %Ln ਸ਼ਬਦ।</numerusform>
            <numerusform>ਇਸ ਹਫ਼ਤੇ %Ln ਸ਼ਬਦ।</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Under a minute of typing saved today. %Ln words this week.</source>
        <translation>
            <numerusform>ਅੱਜ ਇੱਕ ਮਿੰਟ ਤੋਂ ਘੱਟ ਟਾਈਪਿੰਗ ਬਚੀ। ਇਸ ਹਫ਼ਤੇ %Ln ਸ਼ਬਦ।</numerusform>
            <numerusform>ਅੱਜ ਇੱਕ ਮਿੰਟ ਤੋਂ ਘੱਟ ਟਾਈਪਿੰਗ ਬਚੀ। ਇਸ ਹਫ਼ਤੇ %Ln ਸ਼ਬਦ।</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>About %1 of typing saved today. %Ln words this week.</source>
        <translation>
            <numerusform>ਅੱਜ ਲਗਭਗ %1 ਟਾਈਪਿੰਗ ਬਚੀ। ਇਸ ਹਫ਼ਤੇ %Ln ਸ਼ਬਦ।</numerusform>
            <numerusform>ਅੱਜ ਲਗਭਗ %1 ਟਾਈਪਿੰਗ ਬਚੀ। ਇਸ ਹਫ਼ਤੇ %Ln ਸ਼ਬਦ।</numerusform>
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
            <numerusform>%1 ਵਿੱਚੋਂ %Ln ਮੁਕੰਮਲ</numerusform>
            <numerusform>%1 ਵਿੱਚੋਂ %Ln ਮੁਕੰਮਲ</numerusform>
        </translation>
    </message>
    <message>
        <source>The server refused the connection. Check that it is running and that the address is right.</source>
        <translation>ਸਰਵਰ ਨੇ ਕਨੈਕਸ਼ਨ ਨਾਮਨਜ਼ੂਰ ਕਰ ਦਿੱਤਾ। ਜਾਂਚੋ ਕਿ ਇਹ ਚੱਲ ਰਿਹਾ ਹੈ ਅਤੇ ਪਤਾ ਸਹੀ ਹੈ।</translation>
    </message>
    <message>
        <source>The server&apos;s name couldn&apos;t be found. Check the address.</source>
        <translation>ਸਰਵਰ ਦਾ ਨਾਂ ਨਹੀਂ ਮਿਲਿਆ। ਪਤਾ ਜਾਂਚੋ।</translation>
    </message>
    <message>
        <source>A secure connection to the server couldn&apos;t be made.</source>
        <translation>ਸਰਵਰ ਨਾਲ ਸੁਰੱਖਿਅਤ ਕਨੈਕਸ਼ਨ ਨਹੀਂ ਬਣ ਸਕਿਆ।</translation>
    </message>
    <message>
        <source>The server closed the connection before it answered.</source>
        <translation>ਸਰਵਰ ਨੇ ਜਵਾਬ ਦੇਣ ਤੋਂ ਪਹਿਲਾਂ ਹੀ ਕਨੈਕਸ਼ਨ ਬੰਦ ਕਰ ਦਿੱਤਾ।</translation>
    </message>
    <message>
        <source>The network proxy couldn&apos;t be reached.</source>
        <translation>ਨੈੱਟਵਰਕ ਦੀ ਪ੍ਰੌਕਸੀ ਤੱਕ ਨਹੀਂ ਪਹੁੰਚਿਆ ਜਾ ਸਕਿਆ।</translation>
    </message>
    <message>
        <source>The server couldn&apos;t be reached.</source>
        <translation>ਸਰਵਰ ਤੱਕ ਨਹੀਂ ਪਹੁੰਚਿਆ ਜਾ ਸਕਿਆ।</translation>
    </message>
    <message>
        <source>Waiting for the network…</source>
        <translation>ਨੈੱਟਵਰਕ ਦੀ ਉਡੀਕ ਕੀਤੀ ਜਾ ਰਹੀ ਹੈ…</translation>
    </message>
    <message>
        <source>%1 is taken by another program.</source>
        <translation>%1 ਕੋਈ ਹੋਰ ਪ੍ਰੋਗਰਾਮ ਵਰਤ ਰਿਹਾ ਹੈ।</translation>
    </message>
    <message>
        <source>%1 could not open again. Your choice takes effect the next time you start it.</source>
        <translation>%1 ਦੁਬਾਰਾ ਨਹੀਂ ਖੁੱਲ੍ਹ ਸਕਿਆ। ਤੁਹਾਡੀ ਚੋਣ ਅਗਲੀ ਵਾਰ ਇਸਨੂੰ ਸ਼ੁਰੂ ਕਰਨ &apos;ਤੇ ਲਾਗੂ ਹੋਵੇਗੀ।</translation>
    </message>
    <message>
        <source>Downloading the model</source>
        <translation>ਮਾਡਲ ਡਾਊਨਲੋਡ ਹੋ ਰਿਹਾ ਹੈ</translation>
    </message>
    <message numerus="yes">
        <source>These apps answer the Tab key before %app can, so %app stays paused in your other apps until they quit.</source>
        <translation>
            <numerusform>ਇਹ ਐਪਾਂ %app ਤੋਂ ਪਹਿਲਾਂ Tab ਕੁੰਜੀ ਦਾ ਜਵਾਬ ਦਿੰਦੀਆਂ ਹਨ, ਇਸ ਲਈ ਜਦੋਂ ਤੱਕ ਇਹ ਬੰਦ ਨਹੀਂ ਹੁੰਦੀਆਂ, %app ਤੁਹਾਡੀਆਂ ਹੋਰ ਐਪਾਂ ਵਿੱਚ ਰੁਕਿਆ ਰਹਿੰਦਾ ਹੈ।</numerusform>
            <numerusform>ਇਹ ਐਪਾਂ %app ਤੋਂ ਪਹਿਲਾਂ Tab ਕੁੰਜੀ ਦਾ ਜਵਾਬ ਦਿੰਦੀਆਂ ਹਨ, ਇਸ ਲਈ ਜਦੋਂ ਤੱਕ ਇਹ ਬੰਦ ਨਹੀਂ ਹੁੰਦੀਆਂ, %app ਤੁਹਾਡੀਆਂ ਹੋਰ ਐਪਾਂ ਵਿੱਚ ਰੁਕਿਆ ਰਹਿੰਦਾ ਹੈ।</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>It may be waiting on a dialog of its own. Force Quit closes it right away.</source>
        <translation>
            <numerusform>ਸ਼ਾਇਦ ਉਹ ਆਪਣੇ ਕਿਸੇ ਡਾਇਲਾਗ ਦੀ ਉਡੀਕ ਕਰ ਰਹੀ ਹੈ। “ਜ਼ਬਰਦਸਤੀ ਬੰਦ ਕਰੋ” ਉਸ ਨੂੰ ਫ਼ੌਰਨ ਬੰਦ ਕਰ ਦਿੰਦਾ ਹੈ।</numerusform>
            <numerusform>ਸ਼ਾਇਦ ਉਹ ਆਪਣੇ ਡਾਇਲਾਗਾਂ ਦੀ ਉਡੀਕ ਕਰ ਰਹੀਆਂ ਹਨ। “ਜ਼ਬਰਦਸਤੀ ਬੰਦ ਕਰੋ” ਉਹਨਾਂ ਨੂੰ ਫ਼ੌਰਨ ਬੰਦ ਕਰ ਦਿੰਦਾ ਹੈ।</numerusform>
        </translation>
    </message>
    <message>
        <source>Set a Suggest Now shortcut in Keys to ask for suggestions</source>
        <translation>ਸੁਝਾਅ ਮੰਗਣ ਲਈ “ਕੁੰਜੀਆਂ” ਵਿੱਚ “ਹੁਣੇ ਸੁਝਾਓ” ਸ਼ਾਰਟਕੱਟ ਸੈੱਟ ਕਰੋ</translation>
    </message>
    <message>
        <source>Backspace</source>
        <comment>key above Enter that deletes backwards</comment>
        <translation>Backspace</translation>
    </message>
    <message>
        <source>0 words saved today</source>
        <translation>ਅੱਜ 0 ਸ਼ਬਦ ਬਚਾਏ</translation>
    </message>
    <message>
        <source>words saved today</source>
        <comment>beside the count 0</comment>
        <translation>ਸ਼ਬਦ ਅੱਜ ਬਚਾਏ</translation>
    </message>
    <message>
        <source>Quit the other app</source>
        <translation>ਦੂਜੀ ਐਪ ਬੰਦ ਕਰੋ</translation>
    </message>
    <message>
        <source>None yet</source>
        <comment>no app looked at yet</comment>
        <translation>ਹਾਲੇ ਕੋਈ ਨਹੀਂ</translation>
    </message>
    <message>
        <source>None yet</source>
        <comment>no suggestion shown yet</comment>
        <translation>ਹਾਲੇ ਕੋਈ ਸੁਝਾਅ ਨਹੀਂ</translation>
    </message>
    <message>
        <source>The other app is also running</source>
        <translation>ਦੂਜੀ ਐਪ ਵੀ ਚੱਲ ਰਹੀ ਹੈ</translation>
    </message>
    <message>
        <source>Both apps answer the Tab key, and the system gives it to the other app first. %app stays paused in your other apps until the other app quits.</source>
        <translation>ਦੋਵੇਂ ਐਪਾਂ Tab ਕੁੰਜੀ ਦਾ ਜਵਾਬ ਦਿੰਦੀਆਂ ਹਨ, ਅਤੇ ਸਿਸਟਮ ਇਸ ਨੂੰ ਪਹਿਲਾਂ ਦੂਜੀ ਐਪ ਨੂੰ ਦਿੰਦਾ ਹੈ। ਦੂਜੀ ਐਪ ਦੇ ਬੰਦ ਹੋਣ ਤੱਕ %app ਤੁਹਾਡੀਆਂ ਹੋਰ ਐਪਾਂ ਵਿੱਚ ਰੁਕਿਆ ਰਹਿੰਦਾ ਹੈ।</translation>
    </message>
    <message>
        <source>The other app is still open</source>
        <translation>ਦੂਜੀ ਐਪ ਹਾਲੇ ਵੀ ਖੁੱਲ੍ਹੀ ਹੈ</translation>
    </message>
    <message>
        <source>The other app quit, so your suggestions are back in every app.</source>
        <translation>ਦੂਜੀ ਐਪ ਬੰਦ ਹੋ ਗਈ, ਇਸ ਲਈ ਤੁਹਾਡੇ ਸੁਝਾਅ ਹਰ ਐਪ ਵਿੱਚ ਵਾਪਸ ਆ ਗਏ ਹਨ।</translation>
    </message>
    <message>
        <source>The other app quit. %app has the Tab key.</source>
        <translation>ਦੂਜੀ ਐਪ ਬੰਦ ਹੋ ਗਈ। Tab ਕੁੰਜੀ ਹੁਣ %app ਕੋਲ ਹੈ।</translation>
    </message>
</context>
</TS>
