<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="kn" sourcelanguage="en">
<context>
    <name>Tessaquill</name>
    <message>
        <source>Accessibility is on. %app is ready in your other apps.</source>
        <translation>ಪ್ರವೇಶಿಸುವಿಕೆ ಆನ್ ಆಗಿದೆ. ನಿಮ್ಮ ಇತರ ಆ್ಯಪ್‌ಗಳಲ್ಲಿ %app ಸಿದ್ಧವಾಗಿದೆ.</translation>
    </message>
    <message>
        <source>Paused while %1 is open</source>
        <translation>%1 ತೆರೆದಿರುವಾಗ ವಿರಾಮಗೊಳಿಸಲಾಗಿದೆ</translation>
    </message>
    <message>
        <source>Welcome to %app</source>
        <translation>%app ಗೆ ಸುಸ್ವಾಗತ</translation>
    </message>
    <message>
        <source>%app</source>
        <translation>%app</translation>
    </message>
    <message>
        <source>Another autocomplete app is running</source>
        <translation>ಮತ್ತೊಂದು ಸ್ವಯಂಪೂರ್ಣಗೊಳಿಸುವ ಆ್ಯಪ್ ರನ್ ಆಗುತ್ತಿದೆ</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>ಸಿದ್ಧವಾಗಿದೆ</translation>
    </message>
    <message>
        <source>Waiting for a pause</source>
        <translation>ವಿರಾಮಕ್ಕಾಗಿ ಕಾಯಲಾಗುತ್ತಿದೆ</translation>
    </message>
    <message>
        <source>Thinking</source>
        <translation>ಯೋಚಿಸುತ್ತಿದೆ</translation>
    </message>
    <message>
        <source>Showing a suggestion</source>
        <translation>ಸಲಹೆಯನ್ನು ತೋರಿಸಲಾಗುತ್ತಿದೆ</translation>
    </message>
    <message>
        <source>The model took too long to answer</source>
        <translation>ಮಾಡೆಲ್ ಉತ್ತರಿಸಲು ತುಂಬಾ ಸಮಯ ತೆಗೆದುಕೊಂಡಿತು</translation>
    </message>
    <message>
        <source>This app doesn&apos;t report where the caret is</source>
        <translation>ಈ ಆ್ಯಪ್ ಕರ್ಸರ್ ಎಲ್ಲಿದೆ ಎಂದು ತಿಳಿಸುವುದಿಲ್ಲ</translation>
    </message>
    <message>
        <source>%app is turned off</source>
        <translation>%app ಆಫ್ ಆಗಿದೆ</translation>
    </message>
    <message>
        <source>Secure input is on, so %app stays out</source>
        <translation>ಸುರಕ್ಷಿತ ಇನ್‌ಪುಟ್ ಆನ್ ಆಗಿದೆ, ಆದ್ದರಿಂದ %app ಕೆಲಸ ಮಾಡುವುದಿಲ್ಲ</translation>
    </message>
    <message>
        <source>Press %1 for a suggestion</source>
        <translation>ಸಲಹೆಗಾಗಿ %1 ಒತ್ತಿ</translation>
    </message>
    <message>
        <source>Text is selected</source>
        <translation>ಪಠ್ಯವನ್ನು ಆಯ್ಕೆ ಮಾಡಲಾಗಿದೆ</translation>
    </message>
    <message>
        <source>The caret is inside existing text</source>
        <translation>ಕರ್ಸರ್ ಈಗಿರುವ ಪಠ್ಯದ ಮಧ್ಯದಲ್ಲಿದೆ</translation>
    </message>
    <message>
        <source>This field is too small</source>
        <translation>ಈ ಫೀಲ್ಡ್ ತುಂಬಾ ಚಿಕ್ಕದಾಗಿದೆ</translation>
    </message>
    <message>
        <source>Waiting for a few characters</source>
        <translation>ಕೆಲವು ಅಕ್ಷರಗಳಿಗಾಗಿ ಕಾಯಲಾಗುತ್ತಿದೆ</translation>
    </message>
    <message>
        <source>Start of a new line</source>
        <translation>ಹೊಸ ಸಾಲಿನ ಆರಂಭ</translation>
    </message>
    <message>
        <source>The model is still downloading</source>
        <translation>ಮಾಡೆಲ್ ಇನ್ನೂ ಡೌನ್‌ಲೋಡ್ ಆಗುತ್ತಿದೆ</translation>
    </message>
    <message>
        <source>Download the %app model in Settings first</source>
        <translation>ಮೊದಲು ಸೆಟ್ಟಿಂಗ್‌ಗಳಲ್ಲಿ %app ಮಾಡೆಲ್ ಅನ್ನು ಡೌನ್‌ಲೋಡ್ ಮಾಡಿ</translation>
    </message>
    <message>
        <source>Not checked yet</source>
        <translation>ಇನ್ನೂ ಪರಿಶೀಲಿಸಿಲ್ಲ</translation>
    </message>
    <message>
        <source>Checking…</source>
        <translation>ಪರಿಶೀಲಿಸಲಾಗುತ್ತಿದೆ…</translation>
    </message>
    <message>
        <source>The model stopped with error %1</source>
        <translation>ಮಾಡೆಲ್ ದೋಷ %1 ನೊಂದಿಗೆ ನಿಂತುಹೋಯಿತು</translation>
    </message>
    <message>
        <source>The model file couldn&apos;t be loaded</source>
        <translation>ಮಾಡೆಲ್ ಫೈಲ್ ಅನ್ನು ಲೋಡ್ ಮಾಡಲು ಸಾಧ್ಯವಾಗಲಿಲ್ಲ</translation>
    </message>
    <message>
        <source>There wasn&apos;t enough memory to start the model</source>
        <translation>ಮಾಡೆಲ್ ಅನ್ನು ಪ್ರಾರಂಭಿಸಲು ಸಾಕಷ್ಟು ಮೆಮೊರಿ ಇರಲಿಲ್ಲ</translation>
    </message>
    <message>
        <source>The text couldn&apos;t be prepared for the model</source>
        <translation>ಮಾಡೆಲ್‌ಗಾಗಿ ಪಠ್ಯವನ್ನು ಸಿದ್ಧಪಡಿಸಲು ಸಾಧ್ಯವಾಗಲಿಲ್ಲ</translation>
    </message>
    <message>
        <source>This computer needs %1 free for the download. Free up some space, then try again.</source>
        <translation>ಡೌನ್‌ಲೋಡ್‌ಗಾಗಿ ಈ ಕಂಪ್ಯೂಟರ್‌ನಲ್ಲಿ %1 ಖಾಲಿ ಸ್ಥಳ ಬೇಕು. ಸ್ವಲ್ಪ ಸ್ಥಳವನ್ನು ಖಾಲಿ ಮಾಡಿ, ನಂತರ ಮತ್ತೆ ಪ್ರಯತ್ನಿಸಿ.</translation>
    </message>
    <message>
        <source>The download didn&apos;t match the expected file, so it was deleted. Try again.</source>
        <translation>ಡೌನ್‌ಲೋಡ್ ನಿರೀಕ್ಷಿತ ಫೈಲ್‌ಗೆ ಹೊಂದಿಕೆಯಾಗಲಿಲ್ಲ, ಆದ್ದರಿಂದ ಅದನ್ನು ಅಳಿಸಲಾಗಿದೆ. ಮತ್ತೆ ಪ್ರಯತ್ನಿಸಿ.</translation>
    </message>
    <message>
        <source>Downloaded</source>
        <translation>ಡೌನ್‌ಲೋಡ್ ಆಗಿದೆ</translation>
    </message>
    <message>
        <source>Downloading. Suggestions start once it&apos;s done.</source>
        <translation>ಡೌನ್‌ಲೋಡ್ ಆಗುತ್ತಿದೆ. ಅದು ಮುಗಿದ ನಂತರ ಸಲಹೆಗಳು ಪ್ರಾರಂಭವಾಗುತ್ತವೆ.</translation>
    </message>
    <message>
        <source>Checking the download.</source>
        <translation>ಡೌನ್‌ಲೋಡ್ ಅನ್ನು ಪರಿಶೀಲಿಸಲಾಗುತ್ತಿದೆ.</translation>
    </message>
    <message>
        <source>Checking the download. Suggestions start once it&apos;s done.</source>
        <translation>ಡೌನ್‌ಲೋಡ್ ಅನ್ನು ಪರಿಶೀಲಿಸಲಾಗುತ್ತಿದೆ. ಅದು ಮುಗಿದ ನಂತರ ಸಲಹೆಗಳು ಪ್ರಾರಂಭವಾಗುತ್ತವೆ.</translation>
    </message>
    <message>
        <source>Download the model to start</source>
        <translation>ಪ್ರಾರಂಭಿಸಲು ಮಾಡೆಲ್ ಅನ್ನು ಡೌನ್‌ಲೋಡ್ ಮಾಡಿ</translation>
    </message>
    <message>
        <source>Ollama is running but has no models</source>
        <translation>Ollama ರನ್ ಆಗುತ್ತಿದೆ, ಆದರೆ ಅದರಲ್ಲಿ ಯಾವುದೇ ಮಾಡೆಲ್‌ಗಳಿಲ್ಲ</translation>
    </message>
    <message>
        <source>Another app</source>
        <translation>ಮತ್ತೊಂದು ಆ್ಯಪ್</translation>
    </message>
    <message>
        <source>There is no D-Bus session bus, so %1 cannot reach text fields.</source>
        <translation>D-Bus ಸೆಷನ್ ಬಸ್ ಇಲ್ಲ, ಆದ್ದರಿಂದ %1 ಪಠ್ಯ ಫೀಲ್ಡ್‌ಗಳನ್ನು ತಲುಪಲು ಸಾಧ್ಯವಿಲ್ಲ.</translation>
    </message>
    <message>
        <source>The desktop&apos;s accessibility bus is not running, so %1 cannot reach text fields.</source>
        <translation>ಡೆಸ್ಕ್‌ಟಾಪ್‌ನ ಪ್ರವೇಶಿಸುವಿಕೆ ಬಸ್ ರನ್ ಆಗುತ್ತಿಲ್ಲ, ಆದ್ದರಿಂದ %1 ಪಠ್ಯ ಫೀಲ್ಡ್‌ಗಳನ್ನು ತಲುಪಲು ಸಾಧ್ಯವಿಲ್ಲ.</translation>
    </message>
    <message>
        <source>Short</source>
        <translation>ಚಿಕ್ಕದು</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>ಮಧ್ಯಮ</translation>
    </message>
    <message>
        <source>Long</source>
        <translation>ದೀರ್ಘ</translation>
    </message>
    <message>
        <source>Hide the suggestion</source>
        <translation>ಸಲಹೆಯನ್ನು ಮರೆಮಾಡಿ</translation>
    </message>
    <message>
        <source>Hide suggestions until I change fields</source>
        <translation>ನಾನು ಫೀಲ್ಡ್ ಬದಲಾಯಿಸುವವರೆಗೆ ಸಲಹೆಗಳನ್ನು ಮರೆಮಾಡಿ</translation>
    </message>
    <message>
        <source>Do nothing, send Escape to the app</source>
        <translation>ಏನನ್ನೂ ಮಾಡಬೇಡಿ, Escape ಅನ್ನು ಆ್ಯಪ್‌ಗೆ ಕಳುಹಿಸಿ</translation>
    </message>
    <message>
        <source>Type it</source>
        <translation>ಟೈಪ್ ಮಾಡಿ</translation>
    </message>
    <message>
        <source>Insert through Accessibility</source>
        <translation>ಪ್ರವೇಶಿಸುವಿಕೆ ಮೂಲಕ ಸೇರಿಸಿ</translation>
    </message>
    <message>
        <source>Paste it</source>
        <translation>ಅಂಟಿಸಿ</translation>
    </message>
    <message>
        <source>Grey</source>
        <translation>ಬೂದು</translation>
    </message>
    <message>
        <source>Gold tint</source>
        <translation>ಚಿನ್ನದ ಛಾಯೆ</translation>
    </message>
    <message>
        <source>%app model</source>
        <translation>%app ಮಾಡೆಲ್</translation>
    </message>
    <message>
        <source>Ollama</source>
        <translation>Ollama</translation>
    </message>
    <message>
        <source>Local server</source>
        <translation>ಸ್ಥಳೀಯ ಸರ್ವರ್</translation>
    </message>
    <message>
        <source>Runs on this computer after a one-time download. Works offline.</source>
        <translation>ಒಮ್ಮೆ ಡೌನ್‌ಲೋಡ್ ಮಾಡಿದ ನಂತರ ಈ ಕಂಪ್ಯೂಟರ್‌ನಲ್ಲೇ ರನ್ ಆಗುತ್ತದೆ. ಆಫ್‌ಲೈನ್‌ನಲ್ಲೂ ಕೆಲಸ ಮಾಡುತ್ತದೆ.</translation>
    </message>
    <message>
        <source>Any model you run in Ollama, base models included.</source>
        <translation>ನೀವು Ollama ದಲ್ಲಿ ರನ್ ಮಾಡುವ ಯಾವುದೇ ಮಾಡೆಲ್, ಬೇಸ್ ಮಾಡೆಲ್‌ಗಳೂ ಸೇರಿ.</translation>
    </message>
    <message>
        <source>LM Studio, llama-server or any OpenAI-compatible endpoint.</source>
        <translation>LM Studio, llama-server ಅಥವಾ OpenAI ಹೊಂದಾಣಿಕೆಯ ಯಾವುದೇ ಎಂಡ್‌ಪಾಯಿಂಟ್.</translation>
    </message>
    <message>
        <source>Sends the text as keystrokes. Works almost everywhere.</source>
        <translation>ಪಠ್ಯವನ್ನು ಕೀಸ್ಟ್ರೋಕ್‌ಗಳಾಗಿ ಕಳುಹಿಸುತ್ತದೆ. ಬಹುತೇಕ ಎಲ್ಲೆಡೆ ಕೆಲಸ ಮಾಡುತ್ತದೆ.</translation>
    </message>
    <message>
        <source>Uses the clipboard, then puts your clipboard back.</source>
        <translation>ಕ್ಲಿಪ್‌ಬೋರ್ಡ್ ಬಳಸುತ್ತದೆ, ನಂತರ ನಿಮ್ಮ ಕ್ಲಿಪ್‌ಬೋರ್ಡ್ ಅನ್ನು ಮರಳಿ ಇರಿಸುತ್ತದೆ.</translation>
    </message>
    <message>
        <source>Accessibility</source>
        <translation>ಪ್ರವೇಶಿಸುವಿಕೆ</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>ಅಂಟಿಸಿ</translation>
    </message>
    <message>
        <source>Your writing memory could not be opened and was set aside. Nothing new is remembered until %app starts again.</source>
        <translation>ನಿಮ್ಮ ಬರವಣಿಗೆ ಸ್ಮರಣೆಯನ್ನು ತೆರೆಯಲು ಸಾಧ್ಯವಾಗಲಿಲ್ಲ, ಆದ್ದರಿಂದ ಅದನ್ನು ಪಕ್ಕಕ್ಕೆ ಇಡಲಾಗಿದೆ. %app ಮತ್ತೆ ಪ್ರಾರಂಭವಾಗುವವರೆಗೆ ಹೊಸದೇನನ್ನೂ ನೆನಪಿಟ್ಟುಕೊಳ್ಳಲಾಗುವುದಿಲ್ಲ.</translation>
    </message>
    <message>
        <source>Your writing memory could not be opened because its key could not be read from the keyring. Nothing new is remembered until %app starts again.</source>
        <translation>ಕೀರಿಂಗ್‌ನಿಂದ ಕೀಯನ್ನು ಓದಲು ಸಾಧ್ಯವಾಗದ ಕಾರಣ ನಿಮ್ಮ ಬರವಣಿಗೆ ಸ್ಮರಣೆಯನ್ನು ತೆರೆಯಲು ಸಾಧ್ಯವಾಗಲಿಲ್ಲ. %app ಮತ್ತೆ ಪ್ರಾರಂಭವಾಗುವವರೆಗೆ ಹೊಸದೇನನ್ನೂ ನೆನಪಿಟ್ಟುಕೊಳ್ಳಲಾಗುವುದಿಲ್ಲ.</translation>
    </message>
    <message>
        <source>Not Now</source>
        <translation>ಈಗ ಬೇಡ</translation>
    </message>
    <message>
        <source>Open the desktop&apos;s settings</source>
        <translation>ಡೆಸ್ಕ್‌ಟಾಪ್ ಸೆಟ್ಟಿಂಗ್‌ಗಳನ್ನು ತೆರೆಯಿರಿ</translation>
    </message>
    <message>
        <source>Don&apos;t remind me again</source>
        <translation>ಮತ್ತೆ ನೆನಪಿಸಬೇಡಿ</translation>
    </message>
    <message>
        <source>Open Playground</source>
        <translation>ಅಭ್ಯಾಸ ಫೀಲ್ಡ್ ತೆರೆಯಿರಿ</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>ಸೆಟ್ಟಿಂಗ್‌ಗಳು</translation>
    </message>
    <message>
        <source>Quit %app</source>
        <translation>%app ನಿಂದ ನಿರ್ಗಮಿಸಿ</translation>
    </message>
    <message>
        <source>Needs Accessibility access</source>
        <translation>ಪ್ರವೇಶಿಸುವಿಕೆ ಅನುಮತಿ ಬೇಕು</translation>
    </message>
    <message>
        <source>Paused until you resume</source>
        <translation>ನೀವು ಪುನರಾರಂಭಿಸುವವರೆಗೆ ವಿರಾಮಗೊಳಿಸಲಾಗಿದೆ</translation>
    </message>
    <message>
        <source>Paused until %1</source>
        <translation>%1 ರವರೆಗೆ ವಿರಾಮಗೊಳಿಸಲಾಗಿದೆ</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>ಆಫ್</translation>
    </message>
    <message numerus="yes">
        <source>Paused while %1 are open</source>
        <translation>
            <numerusform>%1 ತೆರೆದಿರುವಾಗ ವಿರಾಮಗೊಳಿಸಲಾಗಿದೆ</numerusform>
            <numerusform>%1 ತೆರೆದಿರುವಾಗ ವಿರಾಮಗೊಳಿಸಲಾಗಿದೆ</numerusform>
        </translation>
    </message>
    <message>
        <source>Grant Accessibility Access…</source>
        <translation>ಪ್ರವೇಶಿಸುವಿಕೆ ಅನುಮತಿ ನೀಡಿ…</translation>
    </message>
    <message numerus="yes">
        <source>Force Quit %1</source>
        <translation>
            <numerusform>%1 ಅನ್ನು ಬಲವಂತವಾಗಿ ಮುಚ್ಚಿ</numerusform>
            <numerusform>%1 ಅನ್ನು ಬಲವಂತವಾಗಿ ಮುಚ್ಚಿ</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Quit %1</source>
        <translation>
            <numerusform>%1 ಅನ್ನು ಮುಚ್ಚಿ</numerusform>
            <numerusform>%1 ಅನ್ನು ಮುಚ್ಚಿ</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>words saved today</source>
        <translation>
            <numerusform>ಪದ ಇಂದು ಉಳಿತಾಯವಾಗಿದೆ</numerusform>
            <numerusform>ಪದಗಳು ಇಂದು ಉಳಿತಾಯವಾಗಿವೆ</numerusform>
        </translation>
    </message>
    <message>
        <source>Start typing anywhere. %app keeps count here.</source>
        <translation>ಎಲ್ಲಿಯಾದರೂ ಟೈಪ್ ಮಾಡಲು ಪ್ರಾರಂಭಿಸಿ. %app ಇಲ್ಲಿ ಎಣಿಕೆ ಇಡುತ್ತದೆ.</translation>
    </message>
    <message>
        <source>Resume in %1</source>
        <translation>%1 ನಲ್ಲಿ ಪುನರಾರಂಭಿಸಿ</translation>
    </message>
    <message>
        <source>Pause in %1</source>
        <translation>%1 ನಲ್ಲಿ ವಿರಾಮಗೊಳಿಸಿ</translation>
    </message>
    <message>
        <source>Resume Everywhere</source>
        <translation>ಎಲ್ಲೆಡೆ ಪುನರಾರಂಭಿಸಿ</translation>
    </message>
    <message>
        <source>Pause Everywhere</source>
        <translation>ಎಲ್ಲೆಡೆ ವಿರಾಮಗೊಳಿಸಿ</translation>
    </message>
    <message>
        <source>For 15 Minutes</source>
        <translation>15 ನಿಮಿಷಗಳವರೆಗೆ</translation>
    </message>
    <message>
        <source>For 1 Hour</source>
        <translation>1 ಗಂಟೆಯವರೆಗೆ</translation>
    </message>
    <message>
        <source>For 4 Hours</source>
        <translation>4 ಗಂಟೆಗಳವರೆಗೆ</translation>
    </message>
    <message>
        <source>Until I Resume</source>
        <translation>ನಾನು ಪುನರಾರಂಭಿಸುವವರೆಗೆ</translation>
    </message>
    <message>
        <source>Example: after typing %1, %2 suggests %3</source>
        <translation>ಉದಾಹರಣೆ: %1 ಎಂದು ಟೈಪ್ ಮಾಡಿದ ನಂತರ, %2 ಸೂಚಿಸುವುದು %3</translation>
    </message>
    <message>
        <source>takes the next word</source>
        <translation>ಮುಂದಿನ ಪದವನ್ನು ತೆಗೆದುಕೊಳ್ಳುತ್ತದೆ</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>ಡೌನ್‌ಲೋಡ್ ಮಾಡಿ</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>ರದ್ದುಮಾಡಿ</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%2 ರಲ್ಲಿ %1</translation>
    </message>
    <message>
        <source>%1 of %2. You can keep writing while it downloads.</source>
        <translation>%2 ರಲ್ಲಿ %1. ಡೌನ್‌ಲೋಡ್ ಆಗುತ್ತಿರುವಾಗಲೂ ನೀವು ಬರೆಯುವುದನ್ನು ಮುಂದುವರಿಸಬಹುದು.</translation>
    </message>
    <message>
        <source>Checking the download</source>
        <translation>ಡೌನ್‌ಲೋಡ್ ಅನ್ನು ಪರಿಶೀಲಿಸಲಾಗುತ್ತಿದೆ</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>ಮತ್ತೆ ಪ್ರಯತ್ನಿಸಿ</translation>
    </message>
    <message>
        <source>Remove…</source>
        <translation>ತೆಗೆದುಹಾಕಿ…</translation>
    </message>
    <message>
        <source>%1 license</source>
        <translation>%1 ಪರವಾನಗಿ</translation>
    </message>
    <message>
        <source>Remove the %app model?</source>
        <translation>%app ಮಾಡೆಲ್ ಅನ್ನು ತೆಗೆದುಹಾಕಬೇಕೆ?</translation>
    </message>
    <message>
        <source>Model download</source>
        <translation>ಮಾಡೆಲ್ ಡೌನ್‌ಲೋಡ್</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>ತೆಗೆದುಹಾಕಿ</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>ಮುಂದುವರಿಸಿ</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>ನಂತರ</translation>
    </message>
    <message>
        <source>Start Writing</source>
        <translation>ಬರೆಯಲು ಪ್ರಾರಂಭಿಸಿ</translation>
    </message>
    <message>
        <source>Finish your sentences in any app.</source>
        <translation>ಯಾವುದೇ ಆ್ಯಪ್‌ನಲ್ಲಿ ನಿಮ್ಮ ವಾಕ್ಯಗಳನ್ನು ಪೂರ್ಣಗೊಳಿಸುತ್ತದೆ.</translation>
    </message>
    <message>
        <source>%app reads the words before your caret and suggests what comes next in grey. Press Tab to take one word, or the key above Tab to take the rest. If you don&apos;t want it, keep typing.</source>
        <translation>%app ನಿಮ್ಮ ಕರ್ಸರ್‌ನ ಹಿಂದಿನ ಪದಗಳನ್ನು ಓದಿ, ಮುಂದೆ ಏನು ಬರಬಹುದು ಎಂಬುದನ್ನು ಬೂದು ಬಣ್ಣದಲ್ಲಿ ಸೂಚಿಸುತ್ತದೆ. ಒಂದು ಪದ ತೆಗೆದುಕೊಳ್ಳಲು Tab, ಉಳಿದದ್ದನ್ನು ತೆಗೆದುಕೊಳ್ಳಲು Tab ಮೇಲಿನ ಕೀ ಒತ್ತಿ. ಬೇಡವಾದರೆ, ಟೈಪ್ ಮಾಡುತ್ತಲೇ ಇರಿ.</translation>
    </message>
    <message>
        <source>Sees what you see</source>
        <translation>ನೀವು ನೋಡುವುದನ್ನು ನೋಡುತ್ತದೆ</translation>
    </message>
    <message>
        <source>Private</source>
        <translation>ಖಾಸಗಿ</translation>
    </message>
    <message>
        <source>It reads the window you&apos;re typing in, like the chat you&apos;re answering, so suggestions fit. None of it goes online, to us or any server. It stays private on your computer.</source>
        <translation>ನೀವು ಟೈಪ್ ಮಾಡುತ್ತಿರುವ ವಿಂಡೋವನ್ನು, ಉದಾಹರಣೆಗೆ ನೀವು ಉತ್ತರಿಸುತ್ತಿರುವ ಚಾಟ್ ಅನ್ನು ಓದುತ್ತದೆ, ಇದರಿಂದ ಸಲಹೆಗಳು ಹೊಂದಿಕೊಳ್ಳುತ್ತವೆ. ಅದರಲ್ಲಿ ಯಾವುದೂ ಆನ್‌ಲೈನ್‌ಗೆ, ನಮಗೆ ಅಥವಾ ಯಾವುದೇ ಸರ್ವರ್‌ಗೆ ಹೋಗುವುದಿಲ್ಲ. ಅದು ನಿಮ್ಮ ಕಂಪ್ಯೂಟರ್‌ನಲ್ಲೇ ಖಾಸಗಿಯಾಗಿ ಉಳಿಯುತ್ತದೆ.</translation>
    </message>
    <message>
        <source>Accessibility is on</source>
        <translation>ಪ್ರವೇಶಿಸುವಿಕೆ ಆನ್ ಆಗಿದೆ</translation>
    </message>
    <message>
        <source>%app can now read the field you&apos;re writing in and type suggestions for you.</source>
        <translation>ಈಗ %app ನೀವು ಬರೆಯುತ್ತಿರುವ ಫೀಲ್ಡ್ ಅನ್ನು ಓದಿ, ನಿಮಗಾಗಿ ಸಲಹೆಗಳನ್ನು ಟೈಪ್ ಮಾಡಬಲ್ಲದು.</translation>
    </message>
    <message>
        <source>Let %app see what you type.</source>
        <translation>ನೀವು ಟೈಪ್ ಮಾಡುವುದನ್ನು ನೋಡಲು %app ಗೆ ಅನುಮತಿಸಿ.</translation>
    </message>
    <message>
        <source>%app reads your text when you pause and forgets it after one suggestion, unless you turn on writing memory.</source>
        <translation>ನೀವು ವಿರಮಿಸಿದಾಗ %app ನಿಮ್ಮ ಪಠ್ಯವನ್ನು ಓದುತ್ತದೆ ಮತ್ತು ಒಂದು ಸಲಹೆಯ ನಂತರ ಅದನ್ನು ಮರೆತುಬಿಡುತ್ತದೆ, ನೀವು ಬರವಣಿಗೆ ಸ್ಮರಣೆಯನ್ನು ಆನ್ ಮಾಡದ ಹೊರತು.</translation>
    </message>
    <message>
        <source>%app skips password fields and anything else the system marks as secure.</source>
        <translation>ಪಾಸ್‌ವರ್ಡ್ ಫೀಲ್ಡ್‌ಗಳನ್ನು ಮತ್ತು ಸಿಸ್ಟಂ ಸುರಕ್ಷಿತ ಎಂದು ಗುರುತಿಸುವ ಯಾವುದನ್ನೂ %app ಬಿಟ್ಟುಬಿಡುತ್ತದೆ.</translation>
    </message>
    <message>
        <source>Open Accessibility Settings</source>
        <translation>ಪ್ರವೇಶಿಸುವಿಕೆ ಸೆಟ್ಟಿಂಗ್‌ಗಳನ್ನು ತೆರೆಯಿರಿ</translation>
    </message>
    <message>
        <source>Pick what writes your suggestions.</source>
        <translation>ನಿಮ್ಮ ಸಲಹೆಗಳನ್ನು ಯಾವುದು ಬರೆಯಬೇಕು ಎಂದು ಆಯ್ಕೆಮಾಡಿ.</translation>
    </message>
    <message>
        <source>You can change this any time in Settings.</source>
        <translation>ಇದನ್ನು ನೀವು ಯಾವಾಗ ಬೇಕಾದರೂ ಸೆಟ್ಟಿಂಗ್‌ಗಳಲ್ಲಿ ಬದಲಾಯಿಸಬಹುದು.</translation>
    </message>
    <message>
        <source>Give it a try.</source>
        <translation>ಒಮ್ಮೆ ಪ್ರಯತ್ನಿಸಿ.</translation>
    </message>
    <message>
        <source>Start typing a sentence. When grey words appear, press Tab for one word or the key above Tab for all of them.</source>
        <translation>ಒಂದು ವಾಕ್ಯವನ್ನು ಟೈಪ್ ಮಾಡಲು ಪ್ರಾರಂಭಿಸಿ. ಬೂದು ಬಣ್ಣದ ಪದಗಳು ಕಾಣಿಸಿಕೊಂಡಾಗ, ಒಂದು ಪದಕ್ಕೆ Tab ಅಥವಾ ಎಲ್ಲಕ್ಕೂ Tab ಮೇಲಿನ ಕೀ ಒತ್ತಿ.</translation>
    </message>
    <message>
        <source>Hi Orlenn, thanks for the quick reply. I think we should</source>
        <translation>ಹಾಯ್ ಓರ್ಲೆನ್, ಬೇಗನೆ ಉತ್ತರಿಸಿದ್ದಕ್ಕೆ ಧನ್ಯವಾದಗಳು. ನನ್ನ ಪ್ರಕಾರ ನಾವು</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>ಹಿಂದೆ</translation>
    </message>
    <message>
        <source>Practice field</source>
        <translation>ಅಭ್ಯಾಸ ಫೀಲ್ಡ್</translation>
    </message>
    <message>
        <source>Default, on</source>
        <translation>ಡೀಫಾಲ್ಟ್, ಆನ್</translation>
    </message>
    <message>
        <source>Default, off</source>
        <translation>ಡೀಫಾಲ್ಟ್, ಆಫ್</translation>
    </message>
    <message>
        <source>Add a website</source>
        <translation>ವೆಬ್‌ಸೈಟ್ ಸೇರಿಸಿ</translation>
    </message>
    <message>
        <source>Domain</source>
        <translation>ಡೊಮೇನ್</translation>
    </message>
    <message>
        <source>Rules for a site apply in any browser %app can read.</source>
        <translation>ಸೈಟ್‌ನ ನಿಯಮಗಳು %app ಓದಬಲ್ಲ ಯಾವುದೇ ಬ್ರೌಸರ್‌ನಲ್ಲಿ ಅನ್ವಯಿಸುತ್ತವೆ.</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>ಸೇರಿಸಿ</translation>
    </message>
    <message>
        <source>Add App…</source>
        <translation>ಆ್ಯಪ್ ಸೇರಿಸಿ…</translation>
    </message>
    <message>
        <source>Add an app</source>
        <translation>ಆ್ಯಪ್ ಸೇರಿಸಿ</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>ಹುಡುಕಿ</translation>
    </message>
    <message>
        <source>Clear search</source>
        <translation>ಹುಡುಕಾಟವನ್ನು ತೆರವುಗೊಳಿಸಿ</translation>
    </message>
    <message>
        <source>Add an app or website</source>
        <translation>ಆ್ಯಪ್ ಅಥವಾ ವೆಬ್‌ಸೈಟ್ ಸೇರಿಸಿ</translation>
    </message>
    <message>
        <source>Add Website…</source>
        <translation>ವೆಬ್‌ಸೈಟ್ ಸೇರಿಸಿ…</translation>
    </message>
    <message>
        <source>Apps &amp; Sites</source>
        <translation>ಆ್ಯಪ್‌ಗಳು &amp; ಸೈಟ್‌ಗಳು</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>ವಿರಾಮಗೊಳಿಸಲಾಗಿದೆ</translation>
    </message>
    <message>
        <source>Apps</source>
        <translation>ಆ್ಯಪ್‌ಗಳು</translation>
    </message>
    <message>
        <source>Websites</source>
        <translation>ವೆಬ್‌ಸೈಟ್‌ಗಳು</translation>
    </message>
    <message>
        <source>No matches</source>
        <translation>ಯಾವುದೂ ಹೊಂದಿಕೆಯಾಗುತ್ತಿಲ್ಲ</translation>
    </message>
    <message>
        <source>No apps yet</source>
        <translation>ಇನ್ನೂ ಯಾವುದೇ ಆ್ಯಪ್‌ಗಳಿಲ್ಲ</translation>
    </message>
    <message>
        <source>Nothing matches “%1”.</source>
        <translation>“%1” ಗೆ ಯಾವುದೂ ಹೊಂದಿಕೆಯಾಗುತ್ತಿಲ್ಲ.</translation>
    </message>
    <message>
        <source>Apps appear here once you accept a suggestion in them, or add one with +.</source>
        <translation>ಆ್ಯಪ್‌ನಲ್ಲಿ ನೀವು ಸಲಹೆಯನ್ನು ಸ್ವೀಕರಿಸಿದ ನಂತರ ಅದು ಇಲ್ಲಿ ಕಾಣಿಸುತ್ತದೆ, ಅಥವಾ + ಮೂಲಕ ಸೇರಿಸಿ.</translation>
    </message>
    <message>
        <source>Pick an app or site</source>
        <translation>ಆ್ಯಪ್ ಅಥವಾ ಸೈಟ್ ಆಯ್ಕೆಮಾಡಿ</translation>
    </message>
    <message>
        <source>Each one can have its own rules. Anything you don&apos;t change follows General.</source>
        <translation>ಪ್ರತಿಯೊಂದಕ್ಕೂ ತನ್ನದೇ ನಿಯಮಗಳಿರಬಹುದು. ನೀವು ಬದಲಾಯಿಸದಿರುವುದು ಸಾಮಾನ್ಯ ಸೆಟ್ಟಿಂಗ್‌ಗಳನ್ನು ಅನುಸರಿಸುತ್ತದೆ.</translation>
    </message>
    <message>
        <source>Words saved here</source>
        <translation>ಇಲ್ಲಿ ಉಳಿತಾಯವಾದ ಪದಗಳು</translation>
    </message>
    <message>
        <source>Suggestions</source>
        <translation>ಸಲಹೆಗಳು</translation>
    </message>
    <message>
        <source>On</source>
        <translation>ಆನ್</translation>
    </message>
    <message>
        <source>Tab accepts suggestions</source>
        <translation>Tab ಸಲಹೆಗಳನ್ನು ಸ್ವೀಕರಿಸುತ್ತದೆ</translation>
    </message>
    <message>
        <source>Turn off where Tab already means something, like indenting. The other accept key still works.</source>
        <translation>ಇಂಡೆಂಟ್ ಮಾಡುವಂತೆ Tab ಗೆ ಈಗಾಗಲೇ ಬೇರೆ ಕೆಲಸವಿರುವಲ್ಲಿ ಇದನ್ನು ಆಫ್ ಮಾಡಿ. ಇನ್ನೊಂದು ಸ್ವೀಕರಿಸುವ ಕೀ ಕೆಲಸ ಮಾಡುತ್ತಲೇ ಇರುತ್ತದೆ.</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>ಡೀಫಾಲ್ಟ್</translation>
    </message>
    <message>
        <source>Insert by</source>
        <translation>ಸೇರಿಸುವ ವಿಧಾನ</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>ಉದ್ದ</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>ಪುನರಾರಂಭಿಸಿ</translation>
    </message>
    <message>
        <source>Pause here</source>
        <translation>ಇಲ್ಲಿ ವಿರಾಮಗೊಳಿಸಿ</translation>
    </message>
    <message>
        <source>Memory</source>
        <translation>ಸ್ಮರಣೆ</translation>
    </message>
    <message>
        <source>Remember my writing here</source>
        <translation>ಇಲ್ಲಿನ ನನ್ನ ಬರವಣಿಗೆಯನ್ನು ನೆನಪಿಟ್ಟುಕೊಳ್ಳಿ</translation>
    </message>
    <message>
        <source>Writing memory is off in Your Voice.</source>
        <translation>“ನಿಮ್ಮ ಶೈಲಿ”ಯಲ್ಲಿ ಬರವಣಿಗೆ ಸ್ಮರಣೆ ಆಫ್ ಆಗಿದೆ.</translation>
    </message>
    <message>
        <source>Erase…</source>
        <translation>ಅಳಿಸಿ…</translation>
    </message>
    <message>
        <source>Reset to Defaults</source>
        <translation>ಡೀಫಾಲ್ಟ್‌ಗಳಿಗೆ ರೀಸೆಟ್ ಮಾಡಿ</translation>
    </message>
    <message>
        <source>Erase what %app remembered from %1?</source>
        <translation>%1 ನಿಂದ %app ನೆನಪಿಟ್ಟುಕೊಂಡಿದ್ದನ್ನು ಅಳಿಸಬೇಕೆ?</translation>
    </message>
    <message>
        <source>Erase</source>
        <translation>ಅಳಿಸಿ</translation>
    </message>
    <message>
        <source>Passages from this app can shape suggestions everywhere.</source>
        <translation>ಈ ಆ್ಯಪ್‌ನ ಪಠ್ಯಭಾಗಗಳು ಎಲ್ಲೆಡೆಯ ಸಲಹೆಗಳ ಮೇಲೆ ಪ್ರಭಾವ ಬೀರಬಹುದು.</translation>
    </message>
    <message>
        <source>Finish setting up</source>
        <translation>ಸೆಟಪ್ ಪೂರ್ಣಗೊಳಿಸಿ</translation>
    </message>
    <message>
        <source>Setup progress</source>
        <translation>ಸೆಟಪ್ ಪ್ರಗತಿ</translation>
    </message>
    <message>
        <source>Done: %1</source>
        <translation>ಮುಗಿದಿದೆ: %1</translation>
    </message>
    <message>
        <source>Best day yet!</source>
        <translation>ಇದುವರೆಗಿನ ಅತ್ಯುತ್ತಮ ದಿನ!</translation>
    </message>
    <message>
        <source>Try it here</source>
        <translation>ಇಲ್ಲಿ ಪ್ರಯತ್ನಿಸಿ</translation>
    </message>
    <message>
        <source>Thanks for sending the draft over. I had a look and</source>
        <translation>ಡ್ರಾಫ್ಟ್ ಕಳುಹಿಸಿದ್ದಕ್ಕೆ ಧನ್ಯವಾದಗಳು. ನಾನು ನೋಡಿದೆ ಮತ್ತು</translation>
    </message>
    <message>
        <source>next word</source>
        <translation>ಮುಂದಿನ ಪದ</translation>
    </message>
    <message>
        <source>whole suggestion</source>
        <translation>ಸಂಪೂರ್ಣ ಸಲಹೆ</translation>
    </message>
    <message>
        <source>hide it</source>
        <translation>ಅದನ್ನು ಮರೆಮಾಡಿ</translation>
    </message>
    <message>
        <source>This field runs the real engine. Start typing and grey words show up as you go.</source>
        <translation>ಈ ಫೀಲ್ಡ್ ನಿಜವಾದ ಎಂಜಿನ್ ಅನ್ನು ರನ್ ಮಾಡುತ್ತದೆ. ಟೈಪ್ ಮಾಡಲು ಪ್ರಾರಂಭಿಸಿ, ಬೂದು ಬಣ್ಣದ ಪದಗಳು ಕಾಣಿಸಿಕೊಳ್ಳುತ್ತವೆ.</translation>
    </message>
    <message>
        <source>This field runs the real engine, even before you allow Accessibility. Start typing and grey words show up as you go.</source>
        <translation>ನೀವು ಪ್ರವೇಶಿಸುವಿಕೆಯನ್ನು ಅನುಮತಿಸುವ ಮೊದಲೇ ಈ ಫೀಲ್ಡ್ ನಿಜವಾದ ಎಂಜಿನ್ ಅನ್ನು ರನ್ ಮಾಡುತ್ತದೆ. ಟೈಪ್ ಮಾಡಲು ಪ್ರಾರಂಭಿಸಿ, ಬೂದು ಬಣ್ಣದ ಪದಗಳು ಕಾಣಿಸಿಕೊಳ್ಳುತ್ತವೆ.</translation>
    </message>
    <message>
        <source>You&apos;re all set</source>
        <translation>ಎಲ್ಲವೂ ಸಿದ್ಧವಾಗಿದೆ</translation>
    </message>
    <message>
        <source>Accessibility is on and %1 is ready. %app works in every app you type in.</source>
        <translation>ಪ್ರವೇಶಿಸುವಿಕೆ ಆನ್ ಆಗಿದೆ ಮತ್ತು %1 ಸಿದ್ಧವಾಗಿದೆ. ನೀವು ಟೈಪ್ ಮಾಡುವ ಪ್ರತಿ ಆ್ಯಪ್‌ನಲ್ಲೂ %app ಕೆಲಸ ಮಾಡುತ್ತದೆ.</translation>
    </message>
    <message>
        <source>Waiting for %1 to quit</source>
        <translation>%1 ಮುಚ್ಚುವುದಕ್ಕಾಗಿ ಕಾಯಲಾಗುತ್ತಿದೆ</translation>
    </message>
    <message>
        <source>Turned off</source>
        <translation>ಆಫ್ ಮಾಡಲಾಗಿದೆ</translation>
    </message>
    <message>
        <source>Paused everywhere</source>
        <translation>ಎಲ್ಲೆಡೆ ವಿರಾಮಗೊಳಿಸಲಾಗಿದೆ</translation>
    </message>
    <message>
        <source>%1, %2 typical wait</source>
        <translation>%1, ಸಾಮಾನ್ಯ ಕಾಯುವಿಕೆ %2</translation>
    </message>
    <message>
        <source>Start your streak today.</source>
        <translation>ನಿಮ್ಮ ಸತತ ದಿನಗಳ ದಾಖಲೆಯನ್ನು ಇಂದೇ ಪ್ರಾರಂಭಿಸಿ.</translation>
    </message>
    <message>
        <source>Overview</source>
        <translation>ಅವಲೋಕನ</translation>
    </message>
    <message>
        <source>General</source>
        <translation>ಸಾಮಾನ್ಯ</translation>
    </message>
    <message>
        <source>Engine</source>
        <translation>ಎಂಜಿನ್</translation>
    </message>
    <message>
        <source>Context</source>
        <translation>ಸಂದರ್ಭ</translation>
    </message>
    <message>
        <source>Your Voice</source>
        <translation>ನಿಮ್ಮ ಶೈಲಿ</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>ಕೀಗಳು</translation>
    </message>
    <message>
        <source>Emoji</source>
        <translation>ಎಮೋಜಿ</translation>
    </message>
    <message>
        <source>Battery</source>
        <translation>ಬ್ಯಾಟರಿ</translation>
    </message>
    <message>
        <source>Insights</source>
        <translation>ಅಂಕಿಅಂಶಗಳು</translation>
    </message>
    <message>
        <source>Field Inspector</source>
        <translation>ಫೀಲ್ಡ್ ಇನ್‌ಸ್ಪೆಕ್ಟರ್</translation>
    </message>
    <message>
        <source>About</source>
        <translation>ಕುರಿತು</translation>
    </message>
    <message>
        <source>How %app is doing today</source>
        <translation>ಇಂದು %app ಹೇಗೆ ಕೆಲಸ ಮಾಡುತ್ತಿದೆ</translation>
    </message>
    <message>
        <source>Where and how suggestions appear</source>
        <translation>ಸಲಹೆಗಳು ಎಲ್ಲಿ ಮತ್ತು ಹೇಗೆ ಕಾಣಿಸುತ್ತವೆ</translation>
    </message>
    <message>
        <source>The model that writes your suggestions</source>
        <translation>ನಿಮ್ಮ ಸಲಹೆಗಳನ್ನು ಬರೆಯುವ ಮಾಡೆಲ್</translation>
    </message>
    <message>
        <source>What %app may look at to guess better</source>
        <translation>ಉತ್ತಮವಾಗಿ ಊಹಿಸಲು %app ಏನನ್ನು ನೋಡಬಹುದು</translation>
    </message>
    <message>
        <source>Help suggestions sound like you</source>
        <translation>ಸಲಹೆಗಳು ನಿಮ್ಮ ಶೈಲಿಯಲ್ಲೇ ಇರುವಂತೆ ಮಾಡಿ</translation>
    </message>
    <message>
        <source>Accept, dismiss and summon suggestions</source>
        <translation>ಸಲಹೆಗಳನ್ನು ಸ್ವೀಕರಿಸುವುದು, ವಜಾಗೊಳಿಸುವುದು ಮತ್ತು ಕರೆಯುವುದು</translation>
    </message>
    <message>
        <source>Emoji search and emoticons</source>
        <translation>ಎಮೋಜಿ ಹುಡುಕಾಟ ಮತ್ತು ಎಮೋಟಿಕಾನ್‌ಗಳು</translation>
    </message>
    <message>
        <source>Rules for each app and website</source>
        <translation>ಪ್ರತಿ ಆ್ಯಪ್ ಮತ್ತು ವೆಬ್‌ಸೈಟ್‌ಗಾಗಿ ನಿಯಮಗಳು</translation>
    </message>
    <message>
        <source>Save power when you&apos;re unplugged</source>
        <translation>ಚಾರ್ಜರ್ ತೆಗೆದಾಗ ಪವರ್ ಉಳಿಸಿ</translation>
    </message>
    <message>
        <source>Words saved and how fast suggestions arrive</source>
        <translation>ಉಳಿತಾಯವಾದ ಪದಗಳು ಮತ್ತು ಸಲಹೆಗಳು ಎಷ್ಟು ವೇಗವಾಗಿ ಬರುತ್ತವೆ</translation>
    </message>
    <message>
        <source>What %app sees in the focused field</source>
        <translation>ಫೋಕಸ್‌ನಲ್ಲಿರುವ ಫೀಲ್ಡ್‌ನಲ್ಲಿ %app ಏನನ್ನು ನೋಡುತ್ತದೆ</translation>
    </message>
    <message>
        <source>Version and privacy</source>
        <translation>ಆವೃತ್ತಿ ಮತ್ತು ಗೌಪ್ಯತೆ</translation>
    </message>
    <message>
        <source>Writing</source>
        <translation>ಬರವಣಿಗೆ</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>ಇನ್‌ಪುಟ್</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>ನಿಯಮಗಳು</translation>
    </message>
    <message>
        <source>Activity</source>
        <translation>ಚಟುವಟಿಕೆ</translation>
    </message>
    <message>
        <source>%app can read the field you&apos;re typing in and insert suggestions in any app.</source>
        <translation>%app ನೀವು ಟೈಪ್ ಮಾಡುತ್ತಿರುವ ಫೀಲ್ಡ್ ಅನ್ನು ಓದಬಲ್ಲದು ಮತ್ತು ಯಾವುದೇ ಆ್ಯಪ್‌ನಲ್ಲಿ ಸಲಹೆಗಳನ್ನು ಸೇರಿಸಬಲ್ಲದು.</translation>
    </message>
    <message>
        <source>Allow Accessibility access</source>
        <translation>ಪ್ರವೇಶಿಸುವಿಕೆ ಅನುಮತಿ ನೀಡಿ</translation>
    </message>
    <message>
        <source>%app needs it to read the text you type in other apps and to insert suggestions.</source>
        <translation>ಇತರ ಆ್ಯಪ್‌ಗಳಲ್ಲಿ ನೀವು ಟೈಪ್ ಮಾಡುವ ಪಠ್ಯವನ್ನು ಓದಲು ಮತ್ತು ಸಲಹೆಗಳನ್ನು ಸೇರಿಸಲು %app ಗೆ ಇದು ಬೇಕು.</translation>
    </message>
    <message>
        <source>Allow…</source>
        <translation>ಅನುಮತಿಸಿ…</translation>
    </message>
    <message>
        <source>%1 is ready</source>
        <translation>%1 ಸಿದ್ಧವಾಗಿದೆ</translation>
    </message>
    <message>
        <source>Checking %1</source>
        <translation>%1 ಅನ್ನು ಪರಿಶೀಲಿಸಲಾಗುತ್ತಿದೆ</translation>
    </message>
    <message>
        <source>This takes a moment.</source>
        <translation>ಇದಕ್ಕೆ ಸ್ವಲ್ಪ ಸಮಯ ಬೇಕು.</translation>
    </message>
    <message>
        <source>Your engine isn&apos;t ready</source>
        <translation>ನಿಮ್ಮ ಎಂಜಿನ್ ಸಿದ್ಧವಾಗಿಲ್ಲ</translation>
    </message>
    <message>
        <source>Open Engine</source>
        <translation>ಎಂಜಿನ್ ಸೆಟ್ಟಿಂಗ್‌ಗಳನ್ನು ತೆರೆಯಿರಿ</translation>
    </message>
    <message>
        <source>The system&apos;s predictions are off</source>
        <translation>ಸಿಸ್ಟಂ ಮುನ್ಸೂಚನೆಗಳು ಆಫ್ ಆಗಿವೆ</translation>
    </message>
    <message>
        <source>Only %app&apos;s suggestions appear while you type.</source>
        <translation>ನೀವು ಟೈಪ್ ಮಾಡುವಾಗ %app ಸಲಹೆಗಳು ಮಾತ್ರ ಕಾಣಿಸುತ್ತವೆ.</translation>
    </message>
    <message>
        <source>Turn off the system&apos;s predictions</source>
        <translation>ಸಿಸ್ಟಂ ಮುನ್ಸೂಚನೆಗಳನ್ನು ಆಫ್ ಮಾಡಿ</translation>
    </message>
    <message>
        <source>The system shows its own grey suggestions on top of %app&apos;s. Each app picks up the change the next time you open it.</source>
        <translation>ಸಿಸ್ಟಂ ತನ್ನದೇ ಬೂದು ಸಲಹೆಗಳನ್ನು %app ಸಲಹೆಗಳ ಮೇಲೆ ತೋರಿಸುತ್ತದೆ. ಪ್ರತಿ ಆ್ಯಪ್ ಅನ್ನು ಮುಂದಿನ ಬಾರಿ ತೆರೆದಾಗ ಬದಲಾವಣೆ ಅನ್ವಯಿಸುತ್ತದೆ.</translation>
    </message>
    <message>
        <source>Keyboard Settings</source>
        <translation>ಕೀಬೋರ್ಡ್ ಸೆಟ್ಟಿಂಗ್‌ಗಳು</translation>
    </message>
    <message>
        <source>Turn Off</source>
        <translation>ಆಫ್ ಮಾಡಿ</translation>
    </message>
    <message>
        <source>Only %app is suggesting</source>
        <translation>%app ಮಾತ್ರ ಸಲಹೆ ನೀಡುತ್ತಿದೆ</translation>
    </message>
    <message>
        <source>Tab reaches %app again.</source>
        <translation>Tab ಮತ್ತೆ %app ಅನ್ನು ತಲುಪುತ್ತದೆ.</translation>
    </message>
    <message numerus="yes">
        <source>%1 didn&apos;t quit. They may be showing a dialog. Force Quit closes them right away.</source>
        <translation>
            <numerusform>%1 ಮುಚ್ಚಲಿಲ್ಲ. ಅದು ಸಂವಾದವನ್ನು ತೋರಿಸುತ್ತಿರಬಹುದು. “ಬಲವಂತವಾಗಿ ಮುಚ್ಚಿ” ಅದನ್ನು ತಕ್ಷಣ ಮುಚ್ಚುತ್ತದೆ.</numerusform>
            <numerusform>%1 ಮುಚ್ಚಲಿಲ್ಲ. ಅವು ಸಂವಾದವನ್ನು ತೋರಿಸುತ್ತಿರಬಹುದು. “ಬಲವಂತವಾಗಿ ಮುಚ್ಚಿ” ಅವುಗಳನ್ನು ತಕ್ಷಣ ಮುಚ್ಚುತ್ತದೆ.</numerusform>
        </translation>
    </message>
    <message>
        <source>Force Quit</source>
        <translation>ಬಲವಂತವಾಗಿ ಮುಚ್ಚಿ</translation>
    </message>
    <message numerus="yes">
        <source>%1 take the Tab key before %app can, so %app stays paused in your other apps until you quit them.</source>
        <translation>
            <numerusform>%app ಗಿಂತ ಮೊದಲೇ %1 Tab ಕೀಯನ್ನು ತೆಗೆದುಕೊಳ್ಳುತ್ತದೆ, ಆದ್ದರಿಂದ ನೀವು ಅದನ್ನು ಮುಚ್ಚುವವರೆಗೆ ನಿಮ್ಮ ಇತರ ಆ್ಯಪ್‌ಗಳಲ್ಲಿ %app ವಿರಾಮದಲ್ಲೇ ಇರುತ್ತದೆ.</numerusform>
            <numerusform>%app ಗಿಂತ ಮೊದಲೇ %1 Tab ಕೀಯನ್ನು ತೆಗೆದುಕೊಳ್ಳುತ್ತವೆ, ಆದ್ದರಿಂದ ನೀವು ಅವುಗಳನ್ನು ಮುಚ್ಚುವವರೆಗೆ ನಿಮ್ಮ ಇತರ ಆ್ಯಪ್‌ಗಳಲ್ಲಿ %app ವಿರಾಮದಲ್ಲೇ ಇರುತ್ತದೆ.</numerusform>
        </translation>
    </message>
    <message>
        <source>Only when I ask</source>
        <translation>ನಾನು ಕೇಳಿದಾಗ ಮಾತ್ರ</translation>
    </message>
    <message>
        <source>On battery, suggestions appear only after you press the Suggest Now shortcut.</source>
        <translation>ಬ್ಯಾಟರಿಯಲ್ಲಿರುವಾಗ, “ಈಗ ಸಲಹೆ ನೀಡಿ” ಶಾರ್ಟ್‌ಕಟ್ ಒತ್ತಿದ ನಂತರವೇ ಸಲಹೆಗಳು ಕಾಣಿಸುತ್ತವೆ.</translation>
    </message>
    <message>
        <source>Shorter suggestions</source>
        <translation>ಚಿಕ್ಕ ಸಲಹೆಗಳು</translation>
    </message>
    <message>
        <source>Fewer words take less power to write.</source>
        <translation>ಕಡಿಮೆ ಪದಗಳನ್ನು ಬರೆಯಲು ಕಡಿಮೆ ಪವರ್ ಸಾಕು.</translation>
    </message>
    <message>
        <source>Lighter model</source>
        <translation>ಹಗುರವಾದ ಮಾಡೆಲ್</translation>
    </message>
    <message>
        <source>Same as plugged in</source>
        <translation>ಚಾರ್ಜರ್ ಸಂಪರ್ಕದಲ್ಲಿರುವಾಗಿನಂತೆಯೇ</translation>
    </message>
    <message>
        <source>Running on battery. These apply right now.</source>
        <translation>ಬ್ಯಾಟರಿಯಲ್ಲಿ ರನ್ ಆಗುತ್ತಿದೆ. ಇವು ಈಗಲೇ ಅನ್ವಯಿಸುತ್ತವೆ.</translation>
    </message>
    <message>
        <source>Plugged in. These wait until you unplug.</source>
        <translation>ಚಾರ್ಜರ್ ಸಂಪರ್ಕಗೊಂಡಿದೆ. ನೀವು ಚಾರ್ಜರ್ ತೆಗೆದಾಗ ಇವು ಅನ್ವಯವಾಗುತ್ತವೆ.</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>ಮಾಡೆಲ್</translation>
    </message>
    <message>
        <source>Model name</source>
        <translation>ಮಾಡೆಲ್ ಹೆಸರು</translation>
    </message>
    <message>
        <source>Reload the model list</source>
        <translation>ಮಾಡೆಲ್ ಪಟ್ಟಿಯನ್ನು ರಿಫ್ರೆಶ್ ಮಾಡಿ</translation>
    </message>
    <message>
        <source>Choose a model</source>
        <translation>ಮಾಡೆಲ್ ಆಯ್ಕೆಮಾಡಿ</translation>
    </message>
    <message>
        <source>For people who already run Ollama, LM Studio or llama-server.</source>
        <translation>ಈಗಾಗಲೇ Ollama, LM Studio ಅಥವಾ llama-server ರನ್ ಮಾಡುತ್ತಿರುವವರಿಗಾಗಿ.</translation>
    </message>
    <message>
        <source>Use your own model</source>
        <translation>ನಿಮ್ಮದೇ ಮಾಡೆಲ್ ಬಳಸಿ</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>ವಿಳಾಸ</translation>
    </message>
    <message>
        <source>API key</source>
        <translation>API ಕೀ</translation>
    </message>
    <message>
        <source>Only if your server asks for one</source>
        <translation>ನಿಮ್ಮ ಸರ್ವರ್ ಕೇಳಿದರೆ ಮಾತ್ರ</translation>
    </message>
    <message>
        <source>Focused</source>
        <translation>ಕೇಂದ್ರೀಕೃತ</translation>
    </message>
    <message>
        <source>Creativity</source>
        <translation>ಸೃಜನಶೀಲತೆ</translation>
    </message>
    <message>
        <source>Loose</source>
        <translation>ಮುಕ್ತ</translation>
    </message>
    <message>
        <source>Lower stays close to the obvious next words. Higher tries more.</source>
        <translation>ಕಡಿಮೆ ಇದ್ದರೆ ಸ್ಪಷ್ಟವಾದ ಮುಂದಿನ ಪದಗಳಿಗೆ ಹತ್ತಿರವಿರುತ್ತದೆ. ಹೆಚ್ಚು ಇದ್ದರೆ ಹೆಚ್ಚು ಪ್ರಯೋಗಿಸುತ್ತದೆ.</translation>
    </message>
    <message>
        <source>Wait before suggesting</source>
        <translation>ಸಲಹೆ ನೀಡುವ ಮೊದಲು ಕಾಯುವಿಕೆ</translation>
    </message>
    <message>
        <source>How long you pause before %app starts.</source>
        <translation>%app ಪ್ರಾರಂಭವಾಗುವ ಮೊದಲು ನೀವು ಎಷ್ಟು ಹೊತ್ತು ವಿರಮಿಸಬೇಕು.</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>ರನ್ ಮಾಡಿ</translation>
    </message>
    <message>
        <source>Try the engine</source>
        <translation>ಎಂಜಿನ್ ಅನ್ನು ಪರೀಕ್ಷಿಸಿ</translation>
    </message>
    <message>
        <source>Sends a sample sentence and shows what comes back.</source>
        <translation>ಒಂದು ಮಾದರಿ ವಾಕ್ಯವನ್ನು ಕಳುಹಿಸಿ, ಮರಳಿ ಬಂದದ್ದನ್ನು ತೋರಿಸುತ್ತದೆ.</translation>
    </message>
    <message>
        <source>Running…</source>
        <translation>ರನ್ ಆಗುತ್ತಿದೆ…</translation>
    </message>
    <message>
        <source>The engine answered in %1 but had nothing useful to add.</source>
        <translation>ಎಂಜಿನ್ %1 ರಲ್ಲಿ ಉತ್ತರಿಸಿತು, ಆದರೆ ಸೇರಿಸಲು ಉಪಯುಕ್ತವಾದದ್ದೇನೂ ಇರಲಿಲ್ಲ.</translation>
    </message>
    <message>
        <source>That didn&apos;t work: %1</source>
        <translation>ಅದು ಕೆಲಸ ಮಾಡಲಿಲ್ಲ: %1</translation>
    </message>
    <message>
        <source>The request was cancelled.</source>
        <translation>ವಿನಂತಿಯನ್ನು ರದ್ದುಮಾಡಲಾಗಿದೆ.</translation>
    </message>
    <message>
        <source>Startup</source>
        <translation>ಪ್ರಾರಂಭ</translation>
    </message>
    <message>
        <source>Launch at login</source>
        <translation>ಲಾಗಿನ್ ಆದಾಗ ಪ್ರಾರಂಭಿಸಿ</translation>
    </message>
    <message>
        <source>Show today&apos;s word count next to the icon</source>
        <translation>ಐಕಾನ್ ಪಕ್ಕದಲ್ಲಿ ಇಂದಿನ ಪದಗಳ ಸಂಖ್ಯೆಯನ್ನು ತೋರಿಸಿ</translation>
    </message>
    <message>
        <source>Where suggestions appear</source>
        <translation>ಸಲಹೆಗಳು ಎಲ್ಲಿ ಕಾಣಿಸುತ್ತವೆ</translation>
    </message>
    <message>
        <source>Turn this off to use %app only in the apps you switch on under Apps &amp; Sites.</source>
        <translation>“ಆ್ಯಪ್‌ಗಳು &amp; ಸೈಟ್‌ಗಳು” ಅಡಿಯಲ್ಲಿ ನೀವು ಆನ್ ಮಾಡುವ ಆ್ಯಪ್‌ಗಳಲ್ಲಿ ಮಾತ್ರ %app ಬಳಸಲು ಇದನ್ನು ಆಫ್ ಮಾಡಿ.</translation>
    </message>
    <message>
        <source>By default %app waits until the caret is at the end of a line.</source>
        <translation>ಡೀಫಾಲ್ಟ್ ಆಗಿ, ಕರ್ಸರ್ ಸಾಲಿನ ಕೊನೆಯಲ್ಲಿ ಇರುವವರೆಗೆ %app ಕಾಯುತ್ತದೆ.</translation>
    </message>
    <message>
        <source>Without this, %app skips search bars and one-word boxes.</source>
        <translation>ಇದಿಲ್ಲದಿದ್ದರೆ, %app ಹುಡುಕಾಟ ಬಾರ್‌ಗಳು ಮತ್ತು ಒಂದೇ ಪದದ ಬಾಕ್ಸ್‌ಗಳನ್ನು ಬಿಟ್ಟುಬಿಡುತ್ತದೆ.</translation>
    </message>
    <message>
        <source>Suggestions appear only after you press the Suggest Now shortcut.</source>
        <translation>“ಈಗ ಸಲಹೆ ನೀಡಿ” ಶಾರ್ಟ್‌ಕಟ್ ಒತ್ತಿದ ನಂತರವೇ ಸಲಹೆಗಳು ಕಾಣಿಸುತ್ತವೆ.</translation>
    </message>
    <message>
        <source>Spelling</source>
        <translation>ಕಾಗುಣಿತ</translation>
    </message>
    <message>
        <source>Waits while the word you&apos;re typing looks misspelled, so %app doesn&apos;t build on a typo.</source>
        <translation>ನೀವು ಟೈಪ್ ಮಾಡುತ್ತಿರುವ ಪದ ತಪ್ಪಾಗಿ ಬರೆದಂತೆ ಕಂಡರೆ ಕಾಯುತ್ತದೆ, ಇದರಿಂದ %app ಮುದ್ರಣದೋಷದ ಮೇಲೆ ಮುಂದುವರಿಯುವುದಿಲ್ಲ.</translation>
    </message>
    <message>
        <source>After a misspelled word, shows a fix next to the caret. Press Tab to swap it in.</source>
        <translation>ತಪ್ಪಾಗಿ ಬರೆದ ಪದದ ನಂತರ, ಕರ್ಸರ್ ಪಕ್ಕದಲ್ಲಿ ತಿದ್ದುಪಡಿಯನ್ನು ತೋರಿಸುತ್ತದೆ. ಅದನ್ನು ಬದಲಿಸಲು Tab ಒತ್ತಿ.</translation>
    </message>
    <message>
        <source>Look</source>
        <translation>ನೋಟ</translation>
    </message>
    <message>
        <source>Suggestion color</source>
        <translation>ಸಲಹೆಯ ಬಣ್ಣ</translation>
    </message>
    <message>
        <source>Text size</source>
        <translation>ಪಠ್ಯದ ಗಾತ್ರ</translation>
    </message>
    <message>
        <source>Fine-tune if suggestions look larger or smaller than your text.</source>
        <translation>ಸಲಹೆಗಳು ನಿಮ್ಮ ಪಠ್ಯಕ್ಕಿಂತ ದೊಡ್ಡದಾಗಿ ಅಥವಾ ಚಿಕ್ಕದಾಗಿ ಕಂಡರೆ ಸರಿಹೊಂದಿಸಿ.</translation>
    </message>
    <message>
        <source>Vertical position</source>
        <translation>ಮೇಲೆ-ಕೆಳಗಿನ ಸ್ಥಾನ</translation>
    </message>
    <message>
        <source>Nudge suggestions up or down to line up with your text.</source>
        <translation>ನಿಮ್ಮ ಪಠ್ಯದೊಂದಿಗೆ ಸಾಲಿನಲ್ಲಿರುವಂತೆ ಸಲಹೆಗಳನ್ನು ಮೇಲೆ ಅಥವಾ ಕೆಳಗೆ ಸರಿಸಿ.</translation>
    </message>
    <message>
        <source>A small keycap after your first suggestions, as a reminder of what to press.</source>
        <translation>ಏನನ್ನು ಒತ್ತಬೇಕು ಎಂದು ನೆನಪಿಸಲು ನಿಮ್ಮ ಮೊದಲ ಸಲಹೆಗಳ ನಂತರ ಒಂದು ಚಿಕ್ಕ ಕೀ ಚಿಹ್ನೆ.</translation>
    </message>
    <message>
        <source>Insert suggestions by</source>
        <translation>ಸಲಹೆಗಳನ್ನು ಸೇರಿಸುವ ವಿಧಾನ</translation>
    </message>
    <message>
        <source>Other autocomplete apps</source>
        <translation>ಇತರ ಸ್ವಯಂಪೂರ್ಣಗೊಳಿಸುವ ಆ್ಯಪ್‌ಗಳು</translation>
    </message>
    <message>
        <source>They take the Tab key before %app can. With this off, %app asks you first.</source>
        <translation>ಅವು %app ಗಿಂತ ಮೊದಲೇ Tab ಕೀಯನ್ನು ತೆಗೆದುಕೊಳ್ಳುತ್ತವೆ. ಇದು ಆಫ್ ಆಗಿದ್ದರೆ, %app ಮೊದಲು ನಿಮ್ಮನ್ನು ಕೇಳುತ್ತದೆ.</translation>
    </message>
    <message>
        <source>%1 is another device on your network, so the text around your caret will be sent there.</source>
        <translation>%1 ನಿಮ್ಮ ನೆಟ್‌ವರ್ಕ್‌ನಲ್ಲಿರುವ ಮತ್ತೊಂದು ಸಾಧನ, ಆದ್ದರಿಂದ ನಿಮ್ಮ ಕರ್ಸರ್ ಸುತ್ತಲಿನ ಪಠ್ಯವನ್ನು ಅಲ್ಲಿಗೆ ಕಳುಹಿಸಲಾಗುತ್ತದೆ.</translation>
    </message>
    <message>
        <source>%1 isn&apos;t this computer, so the text around your caret will be sent there.</source>
        <translation>%1 ಈ ಕಂಪ್ಯೂಟರ್ ಅಲ್ಲ, ಆದ್ದರಿಂದ ನಿಮ್ಮ ಕರ್ಸರ್ ಸುತ್ತಲಿನ ಪಠ್ಯವನ್ನು ಅಲ್ಲಿಗೆ ಕಳುಹಿಸಲಾಗುತ್ತದೆ.</translation>
    </message>
    <message>
        <source>Both keep your text on this computer.</source>
        <translation>ಎರಡೂ ನಿಮ್ಮ ಪಠ್ಯವನ್ನು ಈ ಕಂಪ್ಯೂಟರ್‌ನಲ್ಲೇ ಇರಿಸುತ್ತವೆ.</translation>
    </message>
    <message>
        <source>%app opens by itself when you start your computer.</source>
        <translation>ನೀವು ಕಂಪ್ಯೂಟರ್ ಪ್ರಾರಂಭಿಸಿದಾಗ %app ತಾನಾಗಿಯೇ ತೆರೆಯುತ್ತದೆ.</translation>
    </message>
    <message>
        <source>System predictions</source>
        <translation>ಸಿಸ್ಟಂ ಮುನ್ಸೂಚನೆಗಳು</translation>
    </message>
    <message>
        <source>The system can show its own grey predictions. Keeping them off avoids two suggestions at once.</source>
        <translation>ಸಿಸ್ಟಂ ತನ್ನದೇ ಬೂದು ಮುನ್ಸೂಚನೆಗಳನ್ನು ತೋರಿಸಬಹುದು. ಅವುಗಳನ್ನು ಆಫ್ ಇರಿಸಿದರೆ ಒಂದೇ ಬಾರಿಗೆ ಎರಡು ಸಲಹೆಗಳು ಬರುವುದಿಲ್ಲ.</translation>
    </message>
    <message>
        <source>System predictions are on</source>
        <translation>ಸಿಸ್ಟಂ ಮುನ್ಸೂಚನೆಗಳು ಆನ್ ಆಗಿವೆ</translation>
    </message>
    <message>
        <source>System predictions are off</source>
        <translation>ಸಿಸ್ಟಂ ಮುನ್ಸೂಚನೆಗಳು ಆಫ್ ಆಗಿವೆ</translation>
    </message>
    <message>
        <source>tab</source>
        <translation>tab</translation>
    </message>
    <message>
        <source>Your next words, one Tab away.</source>
        <translation>ನಿಮ್ಮ ಮುಂದಿನ ಪದಗಳು, ಒಂದು Tab ದೂರದಲ್ಲಿ.</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>ಸ್ಕಿಪ್ ಮಾಡಿ</translation>
    </message>
    <message>
        <source>Get Started</source>
        <translation>ಪ್ರಾರಂಭಿಸಿ</translation>
    </message>
    <message>
        <source>Turn sound on</source>
        <translation>ಧ್ವನಿ ಆನ್ ಮಾಡಿ</translation>
    </message>
    <message>
        <source>Turn sound off</source>
        <translation>ಧ್ವನಿ ಆಫ್ ಮಾಡಿ</translation>
    </message>
    <message>
        <source>The other app</source>
        <translation>ಇನ್ನೊಂದು ಆ್ಯಪ್</translation>
    </message>
    <message numerus="yes">
        <source>Next time, quit %1 without asking</source>
        <translation>
            <numerusform>ಮುಂದಿನ ಬಾರಿ, ಕೇಳದೆಯೇ %1 ಅನ್ನು ಮುಚ್ಚಿ</numerusform>
            <numerusform>ಮುಂದಿನ ಬಾರಿ, ಕೇಳದೆಯೇ %1 ಅನ್ನು ಮುಚ್ಚಿ</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 is also running</source>
        <translation>
            <numerusform>%1 ಕೂಡ ರನ್ ಆಗುತ್ತಿದೆ</numerusform>
            <numerusform>%1 ಕೂಡ ರನ್ ಆಗುತ್ತಿವೆ</numerusform>
        </translation>
    </message>
    <message>
        <source>Quitting…</source>
        <translation>ಮುಚ್ಚಲಾಗುತ್ತಿದೆ…</translation>
    </message>
    <message numerus="yes">
        <source>%1 is still open</source>
        <translation>
            <numerusform>%1 ಇನ್ನೂ ತೆರೆದಿದೆ</numerusform>
            <numerusform>%1 ಇನ್ನೂ ತೆರೆದಿವೆ</numerusform>
        </translation>
    </message>
    <message>
        <source>%app has the Tab key</source>
        <translation>Tab ಕೀ ಈಗ %app ಬಳಿ ಇದೆ</translation>
    </message>
    <message>
        <source>%1 quit, so your suggestions are back in every app.</source>
        <translation>%1 ಮುಚ್ಚಿದೆ, ಆದ್ದರಿಂದ ನಿಮ್ಮ ಸಲಹೆಗಳು ಪ್ರತಿ ಆ್ಯಪ್‌ನಲ್ಲೂ ಮರಳಿ ಬಂದಿವೆ.</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>ಮುಗಿದಿದೆ</translation>
    </message>
    <message>
        <source>Open Source Notices</source>
        <translation>ಓಪನ್ ಸೋರ್ಸ್ ಸೂಚನೆಗಳು</translation>
    </message>
    <message>
        <source>Reset all settings?</source>
        <translation>ಎಲ್ಲಾ ಸೆಟ್ಟಿಂಗ್‌ಗಳನ್ನು ರೀಸೆಟ್ ಮಾಡಬೇಕೆ?</translation>
    </message>
    <message>
        <source>This also clears your rules for apps and sites. Your statistics and writing memory stay.</source>
        <translation>ಇದು ಆ್ಯಪ್‌ಗಳು ಮತ್ತು ಸೈಟ್‌ಗಳಿಗಾಗಿ ನಿಮ್ಮ ನಿಯಮಗಳನ್ನೂ ತೆರವುಗೊಳಿಸುತ್ತದೆ. ನಿಮ್ಮ ಅಂಕಿಅಂಶಗಳು ಮತ್ತು ಬರವಣಿಗೆ ಸ್ಮರಣೆ ಹಾಗೆಯೇ ಇರುತ್ತವೆ.</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>ರೀಸೆಟ್ ಮಾಡಿ</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>ಆವೃತ್ತಿ %1</translation>
    </message>
    <message>
        <source>Some apps hide their text</source>
        <translation>ಕೆಲವು ಆ್ಯಪ್‌ಗಳು ತಮ್ಮ ಪಠ್ಯವನ್ನು ಮರೆಮಾಡುತ್ತವೆ</translation>
    </message>
    <message>
        <source>Suggest emoji after a colon</source>
        <translation>ಕೋಲನ್ ನಂತರ ಎಮೋಜಿಯನ್ನು ಸೂಚಿಸಿ</translation>
    </message>
    <message>
        <source>Turn emoticons into emoji</source>
        <translation>ಎಮೋಟಿಕಾನ್‌ಗಳನ್ನು ಎಮೋಜಿಯಾಗಿ ಬದಲಿಸಿ</translation>
    </message>
    <message>
        <source>After :-) or &lt;3, %app offers the matching emoji. Press Tab to swap it in.</source>
        <translation>:-) ಅಥವಾ &lt;3 ನಂತರ, %app ಹೊಂದುವ ಎಮೋಜಿಯನ್ನು ನೀಡುತ್ತದೆ. ಅದನ್ನು ಬದಲಿಸಲು Tab ಒತ್ತಿ.</translation>
    </message>
    <message>
        <source>Skin tone</source>
        <translation>ಚರ್ಮದ ಬಣ್ಣ</translation>
    </message>
    <message>
        <source>Also show the default yellow</source>
        <translation>ಡೀಫಾಲ್ಟ್ ಹಳದಿಯನ್ನೂ ತೋರಿಸಿ</translation>
    </message>
    <message>
        <source>Try a word</source>
        <translation>ಒಂದು ಪದವನ್ನು ಪ್ರಯತ್ನಿಸಿ</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>ಕಡಿಮೆ</translation>
    </message>
    <message>
        <source>No emoji match “%1”</source>
        <translation>“%1” ಗೆ ಯಾವುದೇ ಎಮೋಜಿ ಹೊಂದಿಕೆಯಾಗುತ್ತಿಲ್ಲ</translation>
    </message>
    <message>
        <source>Accepting</source>
        <translation>ಸ್ವೀಕರಿಸುವಿಕೆ</translation>
    </message>
    <message>
        <source>Take the next word</source>
        <translation>ಮುಂದಿನ ಪದವನ್ನು ತೆಗೆದುಕೊಳ್ಳಿ</translation>
    </message>
    <message>
        <source>Press again for each following word.</source>
        <translation>ನಂತರದ ಪ್ರತಿ ಪದಕ್ಕೂ ಮತ್ತೆ ಒತ್ತಿ.</translation>
    </message>
    <message>
        <source>Take the whole suggestion</source>
        <translation>ಸಂಪೂರ್ಣ ಸಲಹೆಯನ್ನು ತೆಗೆದುಕೊಳ್ಳಿ</translation>
    </message>
    <message>
        <source>The key above Tab is easy to reach on most keyboards.</source>
        <translation>ಹೆಚ್ಚಿನ ಕೀಬೋರ್ಡ್‌ಗಳಲ್ಲಿ Tab ಮೇಲಿನ ಕೀಯನ್ನು ಸುಲಭವಾಗಿ ತಲುಪಬಹುದು.</translation>
    </message>
    <message>
        <source>Include the space after a word</source>
        <translation>ಪದದ ನಂತರದ ಸ್ಪೇಸ್ ಸೇರಿಸಿ</translation>
    </message>
    <message>
        <source>Include punctuation right after a word</source>
        <translation>ಪದದ ತಕ್ಷಣದ ವಿರಾಮಚಿಹ್ನೆಯನ್ನು ಸೇರಿಸಿ</translation>
    </message>
    <message>
        <source>When you press Escape</source>
        <translation>ನೀವು Escape ಒತ್ತಿದಾಗ</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>ಶಾರ್ಟ್‌ಕಟ್‌ಗಳು</translation>
    </message>
    <message>
        <source>Suggest now</source>
        <translation>ಈಗ ಸಲಹೆ ನೀಡಿ</translation>
    </message>
    <message>
        <source>Asks for a suggestion right away, even where %app would normally wait.</source>
        <translation>ಸಾಮಾನ್ಯವಾಗಿ %app ಕಾಯುವಲ್ಲಿಯೂ ತಕ್ಷಣ ಸಲಹೆಯನ್ನು ಕೇಳುತ್ತದೆ.</translation>
    </message>
    <message>
        <source>Other suggestions</source>
        <translation>ಇತರ ಸಲಹೆಗಳು</translation>
    </message>
    <message>
        <source>Lists a few different ways to continue. Choose with the arrow keys, then press Tab.</source>
        <translation>ಮುಂದುವರಿಸಲು ಕೆಲವು ಬೇರೆ ಬೇರೆ ವಿಧಾನಗಳನ್ನು ಪಟ್ಟಿ ಮಾಡುತ್ತದೆ. ಬಾಣದ ಕೀಗಳಿಂದ ಆಯ್ಕೆಮಾಡಿ, ನಂತರ Tab ಒತ್ತಿ.</translation>
    </message>
    <message>
        <source>Pause or resume in this app</source>
        <translation>ಈ ಆ್ಯಪ್‌ನಲ್ಲಿ ವಿರಾಮಗೊಳಿಸಿ ಅಥವಾ ಪುನರಾರಂಭಿಸಿ</translation>
    </message>
    <message>
        <source>Pauses for 15 minutes.</source>
        <translation>15 ನಿಮಿಷಗಳವರೆಗೆ ವಿರಾಮಗೊಳಿಸುತ್ತದೆ.</translation>
    </message>
    <message>
        <source>Turn %app on or off</source>
        <translation>%app ಅನ್ನು ಆನ್ ಅಥವಾ ಆಫ್ ಮಾಡಿ</translation>
    </message>
    <message>
        <source>Everywhere, until you press it again.</source>
        <translation>ಎಲ್ಲೆಡೆ, ನೀವು ಮತ್ತೆ ಒತ್ತುವವರೆಗೆ.</translation>
    </message>
    <message>
        <source>Pause or resume</source>
        <translation>ವಿರಾಮಗೊಳಿಸಿ ಅಥವಾ ಪುನರಾರಂಭಿಸಿ</translation>
    </message>
    <message>
        <source>Turn on or off</source>
        <translation>ಆನ್ ಅಥವಾ ಆಫ್ ಮಾಡಿ</translation>
    </message>
    <message>
        <source>%1 and %2 use the same keys. Only the first will work.</source>
        <translation>%1 ಮತ್ತು %2 ಒಂದೇ ಕೀಗಳನ್ನು ಬಳಸುತ್ತವೆ. ಮೊದಲನೆಯದು ಮಾತ್ರ ಕೆಲಸ ಮಾಡುತ್ತದೆ.</translation>
    </message>
    <message>
        <source>About you</source>
        <translation>ನಿಮ್ಮ ಬಗ್ಗೆ</translation>
    </message>
    <message>
        <source>For example: I&apos;m a product designer in Berlin. I write short, friendly emails in British English and sign off with Cheers.</source>
        <translation>ಉದಾಹರಣೆಗೆ: ನಾನು ಬರ್ಲಿನ್‌ನಲ್ಲಿ ಪ್ರಾಡಕ್ಟ್ ಡಿಸೈನರ್. ನಾನು ಬ್ರಿಟಿಷ್ ಇಂಗ್ಲಿಷ್‌ನಲ್ಲಿ ಚಿಕ್ಕ, ಸ್ನೇಹಪರ ಇಮೇಲ್‌ಗಳನ್ನು ಬರೆಯುತ್ತೇನೆ ಮತ್ತು Cheers ಎಂದು ಮುಗಿಸುತ್ತೇನೆ.</translation>
    </message>
    <message>
        <source>Your role, the languages you write in, names you use often, how you like to sound.</source>
        <translation>ನಿಮ್ಮ ಪಾತ್ರ, ನೀವು ಬರೆಯುವ ಭಾಷೆಗಳು, ನೀವು ಆಗಾಗ ಬಳಸುವ ಹೆಸರುಗಳು, ನಿಮ್ಮ ಬರವಣಿಗೆಯ ಧಾಟಿ ಹೇಗಿರಬೇಕು.</translation>
    </message>
    <message>
        <source>Writing memory</source>
        <translation>ಬರವಣಿಗೆ ಸ್ಮರಣೆ</translation>
    </message>
    <message>
        <source>Remember how I write</source>
        <translation>ನಾನು ಹೇಗೆ ಬರೆಯುತ್ತೇನೆ ಎಂದು ನೆನಪಿಟ್ಟುಕೊಳ್ಳಿ</translation>
    </message>
    <message>
        <source>Also remember fields where I accept nothing</source>
        <translation>ನಾನು ಏನನ್ನೂ ಸ್ವೀಕರಿಸದ ಫೀಲ್ಡ್‌ಗಳನ್ನೂ ನೆನಪಿಟ್ಟುಕೊಳ್ಳಿ</translation>
    </message>
    <message>
        <source>%app learns your style sooner but keeps more of what you type.</source>
        <translation>%app ನಿಮ್ಮ ಶೈಲಿಯನ್ನು ಬೇಗ ಕಲಿಯುತ್ತದೆ, ಆದರೆ ನೀವು ಟೈಪ್ ಮಾಡಿದ ಹೆಚ್ಚು ಪಠ್ಯವನ್ನು ಇರಿಸಿಕೊಳ್ಳುತ್ತದೆ.</translation>
    </message>
    <message>
        <source>Influence</source>
        <translation>ಪ್ರಭಾವ</translation>
    </message>
    <message>
        <source>Strong</source>
        <translation>ಹೆಚ್ಚು</translation>
    </message>
    <message>
        <source>How many of your passages each suggestion can draw on.</source>
        <translation>ಪ್ರತಿ ಸಲಹೆಯು ನಿಮ್ಮ ಎಷ್ಟು ಪಠ್ಯಭಾಗಗಳನ್ನು ಆಧರಿಸಬಹುದು.</translation>
    </message>
    <message>
        <source>Erase All…</source>
        <translation>ಎಲ್ಲವನ್ನೂ ಅಳಿಸಿ…</translation>
    </message>
    <message>
        <source>Erase everything %app remembered?</source>
        <translation>%app ನೆನಪಿಟ್ಟುಕೊಂಡ ಎಲ್ಲವನ್ನೂ ಅಳಿಸಬೇಕೆ?</translation>
    </message>
    <message>
        <source>This can&apos;t be undone.</source>
        <translation>ಇದನ್ನು ರದ್ದುಗೊಳಿಸಲು ಸಾಧ್ಯವಿಲ್ಲ.</translation>
    </message>
    <message>
        <source>Erase All</source>
        <translation>ಎಲ್ಲವನ್ನೂ ಅಳಿಸಿ</translation>
    </message>
    <message>
        <source>Nothing remembered yet</source>
        <translation>ಇನ್ನೂ ಏನನ್ನೂ ನೆನಪಿಟ್ಟುಕೊಂಡಿಲ್ಲ</translation>
    </message>
    <message>
        <source>App and window name</source>
        <translation>ಆ್ಯಪ್ ಮತ್ತು ವಿಂಡೋ ಹೆಸರು</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>ವೆಬ್‌ಸೈಟ್</translation>
    </message>
    <message>
        <source>The site&apos;s domain when you write in a browser.</source>
        <translation>ನೀವು ಬ್ರೌಸರ್‌ನಲ್ಲಿ ಬರೆಯುವಾಗ ಸೈಟ್‌ನ ಡೊಮೇನ್.</translation>
    </message>
    <message>
        <source>Recently copied text</source>
        <translation>ಇತ್ತೀಚೆಗೆ ನಕಲಿಸಿದ ಪಠ್ಯ</translation>
    </message>
    <message>
        <source>Anything you copied in the last 10 minutes. Copies from password managers are skipped.</source>
        <translation>ಕಳೆದ 10 ನಿಮಿಷಗಳಲ್ಲಿ ನೀವು ನಕಲಿಸಿದ ಯಾವುದಾದರೂ. ಪಾಸ್‌ವರ್ಡ್ ನಿರ್ವಾಹಕಗಳಿಂದ ನಕಲಿಸಿದ್ದನ್ನು ಬಿಟ್ಟುಬಿಡಲಾಗುತ್ತದೆ.</translation>
    </message>
    <message>
        <source>Text on screen</source>
        <translation>ಪರದೆಯ ಮೇಲಿನ ಪಠ್ಯ</translation>
    </message>
    <message>
        <source>Reads the window you&apos;re writing in, so replies fit the conversation. It picks the lines closest to where you type.</source>
        <translation>ನೀವು ಬರೆಯುತ್ತಿರುವ ವಿಂಡೋವನ್ನು ಓದುತ್ತದೆ, ಇದರಿಂದ ಉತ್ತರಗಳು ಸಂಭಾಷಣೆಗೆ ಹೊಂದುತ್ತವೆ. ನೀವು ಟೈಪ್ ಮಾಡುವ ಸ್ಥಳಕ್ಕೆ ಹತ್ತಿರದ ಸಾಲುಗಳನ್ನು ಆರಿಸುತ್ತದೆ.</translation>
    </message>
    <message>
        <source>What you just looked at</source>
        <translation>ನೀವು ಈಗಷ್ಟೇ ನೋಡಿದ್ದು</translation>
    </message>
    <message>
        <source>Windows beside you</source>
        <translation>ಪಕ್ಕದ ವಿಂಡೋಗಳು</translation>
    </message>
    <message>
        <source>Also reads up to two other windows on the same screen, like the document you&apos;re replying about. Skips password managers and apps you switched off.</source>
        <translation>ಅದೇ ಪರದೆಯ ಮೇಲಿನ ಇನ್ನೂ ಎರಡು ವಿಂಡೋಗಳವರೆಗೆ ಓದುತ್ತದೆ, ಉದಾ. ನೀವು ಉತ್ತರಿಸುತ್ತಿರುವ ಡಾಕ್ಯುಮೆಂಟ್. ಪಾಸ್‌ವರ್ಡ್ ನಿರ್ವಾಹಕಗಳು ಮತ್ತು ನೀವು ಆಫ್ ಮಾಡಿದ ಆ್ಯಪ್‌ಗಳನ್ನು ಬಿಟ್ಟುಬಿಡುತ್ತದೆ.</translation>
    </message>
    <message>
        <source>Off in this app</source>
        <translation>ಈ ಆ್ಯಪ್‌ನಲ್ಲಿ ಆಫ್</translation>
    </message>
    <message>
        <source>This word looks misspelled</source>
        <translation>ಈ ಪದ ತಪ್ಪಾಗಿ ಬರೆದಂತಿದೆ</translation>
    </message>
    <message>
        <source>Thanks for the notes. I&apos;ll send the revised deck</source>
        <translation>ಟಿಪ್ಪಣಿಗಳಿಗೆ ಧನ್ಯವಾದಗಳು. ಪರಿಷ್ಕರಿಸಿದ ಸ್ಲೈಡ್‌ಗಳನ್ನು</translation>
    </message>
    <message>
        <source> by Friday morning.</source>
        <translation> ಶುಕ್ರವಾರ ಬೆಳಿಗ್ಗೆಯೊಳಗೆ ಕಳುಹಿಸುತ್ತೇನೆ.</translation>
    </message>
    <message>
        <source>%1 quit. %app has the Tab key.</source>
        <translation>%1 ಮುಚ್ಚಿದೆ. Tab ಕೀ ಈಗ %app ಬಳಿ ಇದೆ.</translation>
    </message>
    <message>
        <source>Open Data Folder</source>
        <translation>ಡೇಟಾ ಫೋಲ್ಡರ್ ತೆರೆಯಿರಿ</translation>
    </message>
    <message>
        <source>Show Welcome Again</source>
        <translation>ಸ್ವಾಗತವನ್ನು ಮತ್ತೆ ತೋರಿಸಿ</translation>
    </message>
    <message>
        <source>Play Intro Again</source>
        <translation>ಪರಿಚಯವನ್ನು ಮತ್ತೆ ಪ್ಲೇ ಮಾಡಿ</translation>
    </message>
    <message>
        <source>Reset Settings…</source>
        <translation>ಸೆಟ್ಟಿಂಗ್‌ಗಳನ್ನು ರೀಸೆಟ್ ಮಾಡಿ…</translation>
    </message>
    <message>
        <source>Suggest in every app</source>
        <translation>ಪ್ರತಿ ಆ್ಯಪ್‌ನಲ್ಲೂ ಸಲಹೆ ನೀಡಿ</translation>
    </message>
    <message>
        <source>Suggest in code editors</source>
        <translation>ಕೋಡ್ ಎಡಿಟರ್‌ಗಳಲ್ಲಿ ಸಲಹೆ ನೀಡಿ</translation>
    </message>
    <message>
        <source>Suggest in the middle of a line</source>
        <translation>ಸಾಲಿನ ಮಧ್ಯದಲ್ಲಿ ಸಲಹೆ ನೀಡಿ</translation>
    </message>
    <message>
        <source>Suggest in small fields</source>
        <translation>ಚಿಕ್ಕ ಫೀಲ್ಡ್‌ಗಳಲ್ಲಿ ಸಲಹೆ ನೀಡಿ</translation>
    </message>
    <message>
        <source>Hold back on misspelled words</source>
        <translation>ತಪ್ಪಾಗಿ ಬರೆದ ಪದಗಳಲ್ಲಿ ತಡೆಹಿಡಿಯಿರಿ</translation>
    </message>
    <message>
        <source>Offer spelling fixes</source>
        <translation>ಕಾಗುಣಿತ ತಿದ್ದುಪಡಿಗಳನ್ನು ನೀಡಿ</translation>
    </message>
    <message>
        <source>Show the key hint</source>
        <translation>ಕೀ ಸುಳಿವನ್ನು ತೋರಿಸಿ</translation>
    </message>
    <message>
        <source>Quit other autocomplete apps when they open</source>
        <translation>ಇತರ ಸ್ವಯಂಪೂರ್ಣಗೊಳಿಸುವ ಆ್ಯಪ್‌ಗಳು ತೆರೆದಾಗ ಅವುಗಳನ್ನು ಮುಚ್ಚಿ</translation>
    </message>
    <message>
        <source>Keeps a few minutes of text from windows you switched away from, like a page you read before replying. It stays on your computer and skips apps you switched off.</source>
        <translation>ನೀವು ಬಿಟ್ಟು ಬಂದ ವಿಂಡೋಗಳ ಕೆಲವು ನಿಮಿಷಗಳ ಪಠ್ಯವನ್ನು ಇರಿಸುತ್ತದೆ, ಉದಾ. ಉತ್ತರಿಸುವ ಮೊದಲು ನೀವು ಓದಿದ ಪುಟ. ಅದು ನಿಮ್ಮ ಕಂಪ್ಯೂಟರ್‌ನಲ್ಲೇ ಇರುತ್ತದೆ ಮತ್ತು ನೀವು ಆಫ್ ಮಾಡಿದ ಆ್ಯಪ್‌ಗಳನ್ನು ಬಿಟ್ಟುಬಿಡುತ್ತದೆ.</translation>
    </message>
    <message numerus="yes">
        <source>Both apps answer the Tab key, and the system gives it to %1 first. %app stays paused in your other apps until %1 quits.</source>
        <translation>
            <numerusform>ಎರಡೂ ಆ್ಯಪ್‌ಗಳು Tab ಕೀಗೆ ಉತ್ತರಿಸುತ್ತವೆ, ಮತ್ತು ಸಿಸ್ಟಂ ಅದನ್ನು ಮೊದಲು %1 ಗೆ ನೀಡುತ್ತದೆ. %1 ಮುಚ್ಚುವವರೆಗೆ ನಿಮ್ಮ ಇತರ ಆ್ಯಪ್‌ಗಳಲ್ಲಿ %app ವಿರಾಮದಲ್ಲೇ ಇರುತ್ತದೆ.</numerusform>
            <numerusform>%app ಗಿಂತ ಮೊದಲೇ %1 Tab ಕೀಯನ್ನು ತೆಗೆದುಕೊಳ್ಳುತ್ತವೆ, ಆದ್ದರಿಂದ ನೀವು ಅವುಗಳನ್ನು ಮುಚ್ಚುವವರೆಗೆ ನಿಮ್ಮ ಇತರ ಆ್ಯಪ್‌ಗಳಲ್ಲಿ %app ವಿರಾಮದಲ್ಲೇ ಇರುತ್ತದೆ.</numerusform>
        </translation>
    </message>
    <message>
        <source>Finishes your sentences in any app, on your computer.</source>
        <translation>ಯಾವುದೇ ಆ್ಯಪ್‌ನಲ್ಲಿ, ನಿಮ್ಮ ಕಂಪ್ಯೂಟರ್‌ನಲ್ಲೇ, ನಿಮ್ಮ ವಾಕ್ಯಗಳನ್ನು ಪೂರ್ಣಗೊಳಿಸುತ್ತದೆ.</translation>
    </message>
    <message>
        <source>Keeps short passages from fields where you accepted a suggestion, encrypted on this computer, and shows them to the model as examples.</source>
        <translation>ನೀವು ಸಲಹೆಯನ್ನು ಸ್ವೀಕರಿಸಿದ ಫೀಲ್ಡ್‌ಗಳಿಂದ ಚಿಕ್ಕ ಪಠ್ಯಭಾಗಗಳನ್ನು ಈ ಕಂಪ್ಯೂಟರ್‌ನಲ್ಲಿ ಎನ್‌ಕ್ರಿಪ್ಟ್ ಮಾಡಿ ಇರಿಸುತ್ತದೆ, ಮತ್ತು ಅವುಗಳನ್ನು ಉದಾಹರಣೆಗಳಾಗಿ ಮಾಡೆಲ್‌ಗೆ ತೋರಿಸುತ್ತದೆ.</translation>
    </message>
    <message>
        <source>Light</source>
        <comment>skin tone</comment>
        <translation>ತಿಳಿ</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ಸರಿ</translation>
    </message>
    <message>
        <source>Default</source>
        <comment>skin tone</comment>
        <translation>ಡೀಫಾಲ್ಟ್</translation>
    </message>
    <message>
        <source>Medium light</source>
        <comment>skin tone</comment>
        <translation>ಮಧ್ಯಮ ತಿಳಿ</translation>
    </message>
    <message>
        <source>Medium</source>
        <comment>skin tone</comment>
        <translation>ಮಧ್ಯಮ</translation>
    </message>
    <message>
        <source>Medium dark</source>
        <comment>skin tone</comment>
        <translation>ಮಧ್ಯಮ ಗಾಢ</translation>
    </message>
    <message>
        <source>Dark</source>
        <comment>skin tone</comment>
        <translation>ಗಾಢ</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>ಅಜ್ಞಾತ</translation>
    </message>
    <message>
        <source>%1 × %2 pt</source>
        <translation>%1 × %2 pt</translation>
    </message>
    <message>
        <source>No</source>
        <translation>ಇಲ್ಲ</translation>
    </message>
    <message>
        <source>Not reported, estimated from the caret</source>
        <translation>ವರದಿ ಮಾಡಿಲ್ಲ, ಕರ್ಸರ್‌ನಿಂದ ಅಂದಾಜಿಸಲಾಗಿದೆ</translation>
    </message>
    <message>
        <source>%1 %2 pt</source>
        <translation>%1 %2 pt</translation>
    </message>
    <message>
        <source>System</source>
        <translation>ಸಿಸ್ಟಂ</translation>
    </message>
    <message>
        <source>Not yet</source>
        <translation>ಇನ್ನೂ ಇಲ್ಲ</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>ಇಂದು</translation>
    </message>
    <message>
        <source>Last 7 days</source>
        <translation>ಕಳೆದ 7 ದಿನಗಳು</translation>
    </message>
    <message>
        <source>All time</source>
        <translation>ಎಲ್ಲಾ ಸಮಯ</translation>
    </message>
    <message>
        <source>Typing saved</source>
        <translation>ಉಳಿತಾಯವಾದ ಟೈಪಿಂಗ್</translation>
    </message>
    <message>
        <source>at 40 words a minute</source>
        <translation>ನಿಮಿಷಕ್ಕೆ 40 ಪದಗಳ ದರದಲ್ಲಿ</translation>
    </message>
    <message>
        <source>Accepted</source>
        <translation>ಸ್ವೀಕರಿಸಲಾಗಿದೆ</translation>
    </message>
    <message>
        <source>of suggestions shown</source>
        <translation>ತೋರಿಸಿದ ಸಲಹೆಗಳಲ್ಲಿ</translation>
    </message>
    <message>
        <source>Typical wait</source>
        <translation>ಸಾಮಾನ್ಯ ಕಾಯುವಿಕೆ</translation>
    </message>
    <message>
        <source>9 in 10 under %1</source>
        <translation>10 ರಲ್ಲಿ 9 ಬಾರಿ %1 ಕ್ಕಿಂತ ಕಡಿಮೆ</translation>
    </message>
    <message>
        <source>no requests yet</source>
        <translation>ಇನ್ನೂ ವಿನಂತಿಗಳಿಲ್ಲ</translation>
    </message>
    <message>
        <source>Words saved</source>
        <translation>ಉಳಿತಾಯವಾದ ಪದಗಳು</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>ಅವಧಿ</translation>
    </message>
    <message>
        <source>Nothing to chart yet</source>
        <translation>ಚಾರ್ಟ್ ಮಾಡಲು ಇನ್ನೂ ಏನೂ ಇಲ್ಲ</translation>
    </message>
    <message>
        <source>Accept a few suggestions and your days show up here.</source>
        <translation>ಕೆಲವು ಸಲಹೆಗಳನ್ನು ಸ್ವೀಕರಿಸಿ, ನಿಮ್ಮ ದಿನಗಳು ಇಲ್ಲಿ ಕಾಣಿಸುತ್ತವೆ.</translation>
    </message>
    <message>
        <source>Where you write</source>
        <translation>ನೀವು ಎಲ್ಲಿ ಬರೆಯುತ್ತೀರಿ</translation>
    </message>
    <message>
        <source>Reset Statistics…</source>
        <translation>ಅಂಕಿಅಂಶಗಳನ್ನು ರೀಸೆಟ್ ಮಾಡಿ…</translation>
    </message>
    <message>
        <source>Reset all statistics?</source>
        <translation>ಎಲ್ಲಾ ಅಂಕಿಅಂಶಗಳನ್ನು ರೀಸೆಟ್ ಮಾಡಬೇಕೆ?</translation>
    </message>
    <message>
        <source>This clears words saved, acceptance and timing history.</source>
        <translation>ಇದು ಉಳಿತಾಯವಾದ ಪದಗಳು, ಸ್ವೀಕಾರ ಮತ್ತು ಸಮಯದ ಇತಿಹಾಸವನ್ನು ತೆರವುಗೊಳಿಸುತ್ತದೆ.</translation>
    </message>
    <message>
        <source>Copy Diagnostics</source>
        <translation>ಡಯಾಗ್ನೋಸ್ಟಿಕ್ಸ್ ನಕಲಿಸಿ</translation>
    </message>
    <message>
        <source>Diagnostics leave out the text you typed.</source>
        <translation>ನೀವು ಟೈಪ್ ಮಾಡಿದ ಪಠ್ಯ ಡಯಾಗ್ನೋಸ್ಟಿಕ್ಸ್‌ನಲ್ಲಿ ಇರುವುದಿಲ್ಲ.</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>ಸ್ಥಿತಿ</translation>
    </message>
    <message>
        <source>Right now</source>
        <translation>ಈಗ</translation>
    </message>
    <message>
        <source>Allowed</source>
        <translation>ಅನುಮತಿಸಲಾಗಿದೆ</translation>
    </message>
    <message>
        <source>Not allowed</source>
        <translation>ಅನುಮತಿಸಲಾಗಿಲ್ಲ</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>ಕೀಬೋರ್ಡ್</translation>
    </message>
    <message>
        <source>Listening</source>
        <translation>ಆಲಿಸುತ್ತಿದೆ</translation>
    </message>
    <message>
        <source>Not listening</source>
        <translation>ಆಲಿಸುತ್ತಿಲ್ಲ</translation>
    </message>
    <message>
        <source>Focused field</source>
        <translation>ಫೋಕಸ್‌ನಲ್ಲಿರುವ ಫೀಲ್ಡ್</translation>
    </message>
    <message>
        <source>Click into a text field in another app, then come back. The last field %1 saw stays here.</source>
        <translation>ಮತ್ತೊಂದು ಆ್ಯಪ್‌ನ ಪಠ್ಯ ಫೀಲ್ಡ್‌ನಲ್ಲಿ ಕ್ಲಿಕ್ ಮಾಡಿ, ನಂತರ ಹಿಂತಿರುಗಿ. %1 ಕೊನೆಯದಾಗಿ ನೋಡಿದ ಫೀಲ್ಡ್ ಇಲ್ಲೇ ಉಳಿಯುತ್ತದೆ.</translation>
    </message>
    <message>
        <source>App</source>
        <translation>ಆ್ಯಪ್</translation>
    </message>
    <message>
        <source>Field type</source>
        <translation>ಫೀಲ್ಡ್ ಪ್ರಕಾರ</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>ವಿಂಡೋ</translation>
    </message>
    <message>
        <source>Field size</source>
        <translation>ಫೀಲ್ಡ್ ಗಾತ್ರ</translation>
    </message>
    <message>
        <source>Caret found</source>
        <translation>ಕರ್ಸರ್ ಕಂಡುಬಂದಿದೆ</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>ಫಾಂಟ್</translation>
    </message>
    <message>
        <source>At end of line</source>
        <translation>ಸಾಲಿನ ಕೊನೆಯಲ್ಲಿ</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>ಹೌದು</translation>
    </message>
    <message>
        <source>Secure input</source>
        <translation>ಸುರಕ್ಷಿತ ಇನ್‌ಪುಟ್</translation>
    </message>
    <message>
        <source>Looked at lately</source>
        <translation>ಇತ್ತೀಚೆಗೆ ನೋಡಿದ್ದು</translation>
    </message>
    <message>
        <source>Text before the caret</source>
        <translation>ಕರ್ಸರ್‌ನ ಹಿಂದಿನ ಪಠ್ಯ</translation>
    </message>
    <message>
        <source>Last request</source>
        <translation>ಕೊನೆಯ ವಿನಂತಿ</translation>
    </message>
    <message>
        <source>Wait</source>
        <translation>ಕಾಯುವಿಕೆ</translation>
    </message>
    <message>
        <source>Suggestion</source>
        <translation>ಸಲಹೆ</translation>
    </message>
    <message>
        <source>Prompt sent to the engine</source>
        <translation>ಎಂಜಿನ್‌ಗೆ ಕಳುಹಿಸಿದ ಪ್ರಾಂಪ್ಟ್</translation>
    </message>
    <message>
        <source>Raw answer</source>
        <translation>ಕಚ್ಚಾ ಉತ್ತರ</translation>
    </message>
    <message>
        <source>(empty)</source>
        <translation>(ಖಾಲಿ)</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>ನಕಲಿಸಲಾಗಿದೆ</translation>
    </message>
    <message>
        <source>Choose a language</source>
        <translation>ಭಾಷೆಯನ್ನು ಆಯ್ಕೆಮಾಡಿ</translation>
    </message>
    <message>
        <source>Search languages</source>
        <translation>ಭಾಷೆಗಳನ್ನು ಹುಡುಕಿ</translation>
    </message>
    <message>
        <source>Same as my computer</source>
        <translation>ನನ್ನ ಕಂಪ್ಯೂಟರ್‌ನಂತೆಯೇ</translation>
    </message>
    <message>
        <source>Switch to %1?</source>
        <translation>%1 ಗೆ ಬದಲಾಯಿಸಬೇಕೆ?</translation>
    </message>
    <message>
        <source>%1 closes and opens again in a second. Your settings stay as they are.</source>
        <translation>%1 ಮುಚ್ಚಿ ಒಂದು ಕ್ಷಣದಲ್ಲಿ ಮತ್ತೆ ತೆರೆಯುತ್ತದೆ. ನಿಮ್ಮ ಸೆಟ್ಟಿಂಗ್‌ಗಳು ಹಾಗೆಯೇ ಇರುತ್ತವೆ.</translation>
    </message>
    <message>
        <source>Reopen Now</source>
        <translation>ಈಗಲೇ ಮತ್ತೆ ತೆರೆಯಿರಿ</translation>
    </message>
    <message>
        <source>App language</source>
        <translation>ಆ್ಯಪ್ ಭಾಷೆ</translation>
    </message>
    <message>
        <source>Pick the language you read most easily. Suggestions follow whatever language you type.</source>
        <translation>ನೀವು ಸುಲಭವಾಗಿ ಓದುವ ಭಾಷೆಯನ್ನು ಆಯ್ಕೆಮಾಡಿ. ನೀವು ಯಾವ ಭಾಷೆಯಲ್ಲಿ ಟೈಪ್ ಮಾಡುತ್ತೀರೋ ಸಲಹೆಗಳು ಅದನ್ನೇ ಅನುಸರಿಸುತ್ತವೆ.</translation>
    </message>
    <message>
        <source>Change the app language</source>
        <translation>ಆ್ಯಪ್ ಭಾಷೆಯನ್ನು ಬದಲಾಯಿಸಿ</translation>
    </message>
    <message>
        <source>0 min</source>
        <translation>0 ನಿಮಿ</translation>
    </message>
    <message>
        <source>under a minute</source>
        <translation>ಒಂದು ನಿಮಿಷಕ್ಕಿಂತ ಕಡಿಮೆ</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 ಸೆ</translation>
    </message>
    <message>
        <source>Not set</source>
        <translation>ಹೊಂದಿಸಿಲ್ಲ</translation>
    </message>
    <message>
        <source>Clear shortcut</source>
        <translation>ಶಾರ್ಟ್‌ಕಟ್ ತೆರವುಗೊಳಿಸಿ</translation>
    </message>
    <message>
        <source>Add Ctrl, Alt or Super so normal typing still works.</source>
        <translation>ಸಾಮಾನ್ಯ ಟೈಪಿಂಗ್ ಕೆಲಸ ಮಾಡುವಂತೆ Ctrl, Alt ಅಥವಾ Super ಸೇರಿಸಿ.</translation>
    </message>
    <message>
        <source>Type a shortcut…</source>
        <translation>ಶಾರ್ಟ್‌ಕಟ್ ಟೈಪ್ ಮಾಡಿ…</translation>
    </message>
    <message>
        <source>Recording shortcut</source>
        <translation>ಶಾರ್ಟ್‌ಕಟ್ ರೆಕಾರ್ಡ್ ಆಗುತ್ತಿದೆ</translation>
    </message>
    <message>
        <source>Shortcut %1</source>
        <translation>ಶಾರ್ಟ್‌ಕಟ್ %1</translation>
    </message>
    <message>
        <source>Record shortcut</source>
        <translation>ಶಾರ್ಟ್‌ಕಟ್ ರೆಕಾರ್ಡ್ ಮಾಡಿ</translation>
    </message>
    <message>
        <source>Shortcut not set</source>
        <translation>ಶಾರ್ಟ್‌ಕಟ್ ಹೊಂದಿಸಿಲ್ಲ</translation>
    </message>
    <message>
        <source>Press to record a new shortcut. Escape cancels.</source>
        <translation>ಹೊಸ ಶಾರ್ಟ್‌ಕಟ್ ರೆಕಾರ್ಡ್ ಮಾಡಲು ಒತ್ತಿ. Escape ರದ್ದುಗೊಳಿಸುತ್ತದೆ.</translation>
    </message>
    <message>
        <source>Your tray icon is hidden</source>
        <translation>ನಿಮ್ಮ ಟ್ರೇ ಐಕಾನ್ ಮರೆಯಾಗಿದೆ</translation>
    </message>
    <message>
        <source>This computer has no on-device language model</source>
        <translation>ಈ ಕಂಪ್ಯೂಟರ್‌ನಲ್ಲಿ ಸಾಧನದಲ್ಲಿನ ಭಾಷಾ ಮಾಡೆಲ್ ಇಲ್ಲ</translation>
    </message>
    <message>
        <source>Turn on the on-device model in the desktop&apos;s settings</source>
        <translation>ಡೆಸ್ಕ್‌ಟಾಪ್ ಸೆಟ್ಟಿಂಗ್‌ಗಳಲ್ಲಿ ಸಾಧನದಲ್ಲಿನ ಮಾಡೆಲ್ ಅನ್ನು ಆನ್ ಮಾಡಿ</translation>
    </message>
    <message>
        <source>The on-device model is unavailable</source>
        <translation>ಸಾಧನದಲ್ಲಿನ ಮಾಡೆಲ್ ಲಭ್ಯವಿಲ್ಲ</translation>
    </message>
    <message>
        <source>Downloading. The on-device model fills in until it&apos;s done.</source>
        <translation>ಡೌನ್‌ಲೋಡ್ ಆಗುತ್ತಿದೆ. ಅದು ಮುಗಿಯುವವರೆಗೆ ಸಾಧನದಲ್ಲಿನ ಮಾಡೆಲ್ ಕೆಲಸ ಮಾಡುತ್ತದೆ.</translation>
    </message>
    <message>
        <source>The on-device model fills in until you download it.</source>
        <translation>ನೀವು ಡೌನ್‌ಲೋಡ್ ಮಾಡುವವರೆಗೆ ಸಾಧನದಲ್ಲಿನ ಮಾಡೆಲ್ ಕೆಲಸ ಮಾಡುತ್ತದೆ.</translation>
    </message>
    <message>
        <source>%1 shares no text. Quit it and start it with %2 to get suggestions in it.</source>
        <translation>%1 ಯಾವುದೇ ಪಠ್ಯವನ್ನು ಹಂಚಿಕೊಳ್ಳುವುದಿಲ್ಲ. ಅದರಲ್ಲಿ ಸಲಹೆಗಳನ್ನು ಪಡೆಯಲು, ಅದನ್ನು ಮುಚ್ಚಿ ಮತ್ತು %2 ನೊಂದಿಗೆ ಪ್ರಾರಂಭಿಸಿ.</translation>
    </message>
    <message>
        <source>On-device model</source>
        <translation>ಸಾಧನದಲ್ಲಿನ ಮಾಡೆಲ್</translation>
    </message>
    <message>
        <source>The system&apos;s own language model. Nothing to download.</source>
        <translation>ಸಿಸ್ಟಂನ ಸ್ವಂತ ಭಾಷಾ ಮಾಡೆಲ್. ಡೌನ್‌ಲೋಡ್ ಮಾಡುವ ಅಗತ್ಯವಿಲ್ಲ.</translation>
    </message>
    <message>
        <source>A website name cannot hold spaces, tabs or line breaks.</source>
        <translation>ವೆಬ್‌ಸೈಟ್ ಹೆಸರಿನಲ್ಲಿ ಸ್ಪೇಸ್‌ಗಳು, ಟ್ಯಾಬ್‌ಗಳು ಅಥವಾ ಸಾಲು ವಿರಾಮಗಳು ಇರುವಂತಿಲ್ಲ.</translation>
    </message>
    <message>
        <source>Only addresses that start with http or https can be added.</source>
        <translation>http ಅಥವಾ https ನಿಂದ ಪ್ರಾರಂಭವಾಗುವ ವಿಳಾಸಗಳನ್ನು ಮಾತ್ರ ಸೇರಿಸಬಹುದು.</translation>
    </message>
    <message>
        <source>That is not a website name. Type one such as wikipedia.org.</source>
        <translation>ಅದು ವೆಬ್‌ಸೈಟ್ ಹೆಸರಲ್ಲ. wikipedia.org ನಂತಹ ಹೆಸರನ್ನು ಟೈಪ್ ಮಾಡಿ.</translation>
    </message>
    <message>
        <source>A port is a number from 1 to 65535.</source>
        <translation>ಪೋರ್ಟ್ ಎಂದರೆ 1 ರಿಂದ 65535 ರವರೆಗಿನ ಸಂಖ್ಯೆ.</translation>
    </message>
    <message>
        <source>The on-device model fills in until the download is done.</source>
        <translation>ಡೌನ್‌ಲೋಡ್ ಮುಗಿಯುವವರೆಗೆ ಸಾಧನದಲ್ಲಿನ ಮಾಡೆಲ್ ಕೆಲಸ ಮಾಡುತ್ತದೆ.</translation>
    </message>
    <message>
        <source>Suggestions start once the download is done.</source>
        <translation>ಡೌನ್‌ಲೋಡ್ ಮುಗಿದ ನಂತರ ಸಲಹೆಗಳು ಪ್ರಾರಂಭವಾಗುತ್ತವೆ.</translation>
    </message>
    <message>
        <source>This frees %1. The on-device model fills in until you download it again.</source>
        <translation>ಇದರಿಂದ %1 ಖಾಲಿಯಾಗುತ್ತದೆ. ನೀವು ಮತ್ತೆ ಡೌನ್‌ಲೋಡ್ ಮಾಡುವವರೆಗೆ ಸಾಧನದಲ್ಲಿನ ಮಾಡೆಲ್ ಕೆಲಸ ಮಾಡುತ್ತದೆ.</translation>
    </message>
    <message>
        <source>This frees %1. The %app model can&apos;t suggest until you download it again.</source>
        <translation>ಇದರಿಂದ %1 ಖಾಲಿಯಾಗುತ್ತದೆ. ನೀವು ಮತ್ತೆ ಡೌನ್‌ಲೋಡ್ ಮಾಡುವವರೆಗೆ %app ಮಾಡೆಲ್ ಸಲಹೆ ನೀಡಲು ಸಾಧ್ಯವಿಲ್ಲ.</translation>
    </message>
    <message>
        <source>There&apos;s no room for it, or your panel has no system tray. Add the panel&apos;s system tray or status area applet in its settings.</source>
        <translation>ಅದಕ್ಕೆ ಸ್ಥಳವಿಲ್ಲ, ಅಥವಾ ನಿಮ್ಮ ಪ್ಯಾನೆಲ್‌ನಲ್ಲಿ ಸಿಸ್ಟಂ ಟ್ರೇ ಇಲ್ಲ. ಪ್ಯಾನೆಲ್‌ನ ಸೆಟ್ಟಿಂಗ್‌ಗಳಲ್ಲಿ ಸಿಸ್ಟಂ ಟ್ರೇ ಅಥವಾ ಸ್ಥಿತಿ ಪ್ರದೇಶ ಆ್ಯಪ್ಲೆಟ್ ಸೇರಿಸಿ.</translation>
    </message>
    <message>
        <source>GNOME shows tray icons only with the AppIndicator extension. Install the gnome-shell-extension-appindicator package, log out and in, then turn it on in Extensions.</source>
        <translation>AppIndicator ವಿಸ್ತರಣೆ ಇದ್ದರೆ ಮಾತ್ರ GNOME ಟ್ರೇ ಐಕಾನ್‌ಗಳನ್ನು ತೋರಿಸುತ್ತದೆ. gnome-shell-extension-appindicator ಪ್ಯಾಕೇಜ್ ಅನ್ನು ಇನ್‌ಸ್ಟಾಲ್ ಮಾಡಿ, ಲಾಗ್ ಔಟ್ ಮಾಡಿ ಮತ್ತೆ ಲಾಗಿನ್ ಆಗಿ, ನಂತರ “ವಿಸ್ತರಣೆಗಳು” ಆ್ಯಪ್‌ನಲ್ಲಿ ಅದನ್ನು ಆನ್ ಮಾಡಿ.</translation>
    </message>
    <message>
        <source>GNOME shows tray icons only with the AppIndicator extension. It is installed but off: turn it on in Extensions.</source>
        <translation>AppIndicator ವಿಸ್ತರಣೆ ಇದ್ದರೆ ಮಾತ್ರ GNOME ಟ್ರೇ ಐಕಾನ್‌ಗಳನ್ನು ತೋರಿಸುತ್ತದೆ. ಅದು ಇನ್‌ಸ್ಟಾಲ್ ಆಗಿದೆ ಆದರೆ ಆಫ್ ಆಗಿದೆ: “ವಿಸ್ತರಣೆಗಳು” ಆ್ಯಪ್‌ನಲ್ಲಿ ಅದನ್ನು ಆನ್ ಮಾಡಿ.</translation>
    </message>
    <message>
        <source>Until then, open %app from your applications menu to reach Settings.</source>
        <translation>ಅಲ್ಲಿಯವರೆಗೆ, ಸೆಟ್ಟಿಂಗ್‌ಗಳನ್ನು ತಲುಪಲು ನಿಮ್ಮ ಅಪ್ಲಿಕೇಶನ್‌ಗಳ ಮೆನುವಿನಿಂದ %app ಅನ್ನು ತೆರೆಯಿರಿ.</translation>
    </message>
    <message>
        <source>Open Extensions</source>
        <translation>“ವಿಸ್ತರಣೆಗಳು” ತೆರೆಯಿರಿ</translation>
    </message>
    <message>
        <source>Show Count in Tray</source>
        <translation>ಟ್ರೇಯಲ್ಲಿ ಎಣಿಕೆಯನ್ನು ತೋರಿಸಿ</translation>
    </message>
    <message>
        <source>%1 shares no text</source>
        <translation>%1 ಯಾವುದೇ ಪಠ್ಯವನ್ನು ಹಂಚಿಕೊಳ್ಳುವುದಿಲ್ಲ</translation>
    </message>
    <message>
        <source>Copy command</source>
        <translation>ಕಮಾಂಡ್ ನಕಲಿಸಿ</translation>
    </message>
    <message>
        <source>There&apos;s no account and no analytics. With the %app model or the on-device model, your text stays on this computer.</source>
        <translation>ಖಾತೆ ಇಲ್ಲ, ಅನಾಲಿಟಿಕ್ಸ್ ಇಲ್ಲ. %app ಮಾಡೆಲ್ ಅಥವಾ ಸಾಧನದಲ್ಲಿನ ಮಾಡೆಲ್‌ನೊಂದಿಗೆ, ನಿಮ್ಮ ಪಠ್ಯ ಈ ಕಂಪ್ಯೂಟರ್‌ನಲ್ಲೇ ಇರುತ್ತದೆ.</translation>
    </message>
    <message>
        <source>There&apos;s no account and no analytics. With the %app model, your text stays on this computer.</source>
        <translation>ಖಾತೆ ಇಲ್ಲ, ಅನಾಲಿಟಿಕ್ಸ್ ಇಲ್ಲ. %app ಮಾಡೆಲ್‌ನೊಂದಿಗೆ, ನಿಮ್ಮ ಪಠ್ಯ ಈ ಕಂಪ್ಯೂಟರ್‌ನಲ್ಲೇ ಇರುತ್ತದೆ.</translation>
    </message>
    <message>
        <source>%app lives in your system tray from now on. Click its icon to pause it in an app or open Settings.</source>
        <translation>ಇನ್ನು ಮುಂದೆ %app ನಿಮ್ಮ ಸಿಸ್ಟಂ ಟ್ರೇಯಲ್ಲಿ ಇರುತ್ತದೆ. ಯಾವುದೇ ಆ್ಯಪ್‌ನಲ್ಲಿ ಅದನ್ನು ವಿರಾಮಗೊಳಿಸಲು ಅಥವಾ ಸೆಟ್ಟಿಂಗ್‌ಗಳನ್ನು ತೆರೆಯಲು ಅದರ ಐಕಾನ್ ಕ್ಲಿಕ್ ಮಾಡಿ.</translation>
    </message>
    <message>
        <source>%app has no account, no analytics and no servers of its own. The %app model and the on-device model keep your text on this computer. Other engines get it only if you set one up.</source>
        <translation>%app ಗೆ ಖಾತೆ ಇಲ್ಲ, ಅನಾಲಿಟಿಕ್ಸ್ ಇಲ್ಲ ಮತ್ತು ಸ್ವಂತ ಸರ್ವರ್‌ಗಳಿಲ್ಲ. %app ಮಾಡೆಲ್ ಮತ್ತು ಸಾಧನದಲ್ಲಿನ ಮಾಡೆಲ್ ನಿಮ್ಮ ಪಠ್ಯವನ್ನು ಈ ಕಂಪ್ಯೂಟರ್‌ನಲ್ಲೇ ಇರಿಸುತ್ತವೆ. ನೀವು ಹೊಂದಿಸಿದರೆ ಮಾತ್ರ ಇತರ ಎಂಜಿನ್‌ಗಳಿಗೆ ಅದು ಸಿಗುತ್ತದೆ.</translation>
    </message>
    <message>
        <source>%app has no account, no analytics and no servers of its own. The %app model keeps your text on this computer. Other engines get it only if you set one up.</source>
        <translation>%app ಗೆ ಖಾತೆ ಇಲ್ಲ, ಅನಾಲಿಟಿಕ್ಸ್ ಇಲ್ಲ ಮತ್ತು ಸ್ವಂತ ಸರ್ವರ್‌ಗಳಿಲ್ಲ. %app ಮಾಡೆಲ್ ನಿಮ್ಮ ಪಠ್ಯವನ್ನು ಈ ಕಂಪ್ಯೂಟರ್‌ನಲ್ಲೇ ಇರಿಸುತ್ತದೆ. ನೀವು ಹೊಂದಿಸಿದರೆ ಮಾತ್ರ ಇತರ ಎಂಜಿನ್‌ಗಳಿಗೆ ಅದು ಸಿಗುತ್ತದೆ.</translation>
    </message>
    <message>
        <source>Installed applications</source>
        <translation>ಇನ್‌ಸ್ಟಾಲ್ ಮಾಡಲಾದ ಅಪ್ಲಿಕೇಶನ್‌ಗಳು</translation>
    </message>
    <message>
        <source>%app reads these only while making a suggestion and never saves them. With the %app model or the on-device model, nothing leaves your computer.</source>
        <translation>%app ಇವುಗಳನ್ನು ಸಲಹೆ ತಯಾರಿಸುವಾಗ ಮಾತ್ರ ಓದುತ್ತದೆ ಮತ್ತು ಎಂದಿಗೂ ಉಳಿಸುವುದಿಲ್ಲ. %app ಮಾಡೆಲ್ ಅಥವಾ ಸಾಧನದಲ್ಲಿನ ಮಾಡೆಲ್‌ನೊಂದಿಗೆ, ಯಾವುದೂ ನಿಮ್ಮ ಕಂಪ್ಯೂಟರ್‌ನಿಂದ ಹೊರಹೋಗುವುದಿಲ್ಲ.</translation>
    </message>
    <message>
        <source>%app reads these only while making a suggestion and never saves them. With the %app model, nothing leaves your computer.</source>
        <translation>%app ಇವುಗಳನ್ನು ಸಲಹೆ ತಯಾರಿಸುವಾಗ ಮಾತ್ರ ಓದುತ್ತದೆ ಮತ್ತು ಎಂದಿಗೂ ಉಳಿಸುವುದಿಲ್ಲ. %app ಮಾಡೆಲ್‌ನೊಂದಿಗೆ, ಯಾವುದೂ ನಿಮ್ಮ ಕಂಪ್ಯೂಟರ್‌ನಿಂದ ಹೊರಹೋಗುವುದಿಲ್ಲ.</translation>
    </message>
    <message>
        <source>The %app model keeps your text on this computer.</source>
        <translation>%app ಮಾಡೆಲ್ ನಿಮ್ಮ ಪಠ್ಯವನ್ನು ಈ ಕಂಪ್ಯೂಟರ್‌ನಲ್ಲೇ ಇರಿಸುತ್ತದೆ.</translation>
    </message>
    <message>
        <source>The key holds a line break or another control character. Paste it again without them.</source>
        <translation>ಕೀಯಲ್ಲಿ ಸಾಲು ವಿರಾಮ ಅಥವಾ ಇನ್ನೊಂದು ನಿಯಂತ್ರಣ ಅಕ್ಷರವಿದೆ. ಅವುಗಳಿಲ್ಲದೆ ಮತ್ತೆ ಅಂಟಿಸಿ.</translation>
    </message>
    <message>
        <source>Waiting for the keyring to store the key.</source>
        <translation>ಕೀರಿಂಗ್ ಕೀಯನ್ನು ಸಂಗ್ರಹಿಸಲು ಕಾಯಲಾಗುತ್ತಿದೆ.</translation>
    </message>
    <message>
        <source>The keyring cannot keep this key, so it is used only until %app quits.</source>
        <translation>ಕೀರಿಂಗ್ ಈ ಕೀಯನ್ನು ಇರಿಸಿಕೊಳ್ಳಲು ಸಾಧ್ಯವಿಲ್ಲ, ಆದ್ದರಿಂದ %app ನಿರ್ಗಮಿಸುವವರೆಗೆ ಮಾತ್ರ ಇದನ್ನು ಬಳಸಲಾಗುತ್ತದೆ.</translation>
    </message>
    <message>
        <source>Show in the system tray</source>
        <translation>ಸಿಸ್ಟಂ ಟ್ರೇಯಲ್ಲಿ ತೋರಿಸಿ</translation>
    </message>
    <message>
        <source>Pause or open Settings from the system tray. Hidden? Open %app from your applications menu to come back.</source>
        <translation>ಸಿಸ್ಟಂ ಟ್ರೇಯಿಂದ ವಿರಾಮಗೊಳಿಸಿ ಅಥವಾ ಸೆಟ್ಟಿಂಗ್‌ಗಳನ್ನು ತೆರೆಯಿರಿ. ಮರೆಯಾಗಿದೆಯೇ? ಹಿಂತಿರುಗಲು ಅಪ್ಲಿಕೇಶನ್‌ಗಳ ಮೆನುವಿನಿಂದ %app ಅನ್ನು ತೆರೆಯಿರಿ.</translation>
    </message>
    <message>
        <source>This tray can&apos;t show text beside icons, so the count shows in the icon&apos;s tooltip.</source>
        <translation>ಈ ಟ್ರೇ ಐಕಾನ್‌ಗಳ ಪಕ್ಕದಲ್ಲಿ ಪಠ್ಯವನ್ನು ತೋರಿಸಲು ಸಾಧ್ಯವಿಲ್ಲ, ಆದ್ದರಿಂದ ಎಣಿಕೆ ಐಕಾನ್‌ನ ಟೂಲ್‌ಟಿಪ್‌ನಲ್ಲಿ ಕಾಣಿಸುತ್ತದೆ.</translation>
    </message>
    <message>
        <source>VS Code, VSCodium, Cursor, Zed, Kate, Sublime Text, JetBrains IDEs and similar apps.</source>
        <translation>VS Code, VSCodium, Cursor, Zed, Kate, Sublime Text, JetBrains IDEಗಳು ಮತ್ತು ಇದೇ ರೀತಿಯ ಆ್ಯಪ್‌ಗಳು.</translation>
    </message>
    <message>
        <source>Your settings could not be read, so they were set aside and %app started over with its defaults.</source>
        <translation>ನಿಮ್ಮ ಸೆಟ್ಟಿಂಗ್‌ಗಳನ್ನು ಓದಲು ಸಾಧ್ಯವಾಗಲಿಲ್ಲ, ಆದ್ದರಿಂದ ಅವುಗಳನ್ನು ಪಕ್ಕಕ್ಕೆ ಇಡಲಾಗಿದೆ ಮತ್ತು %app ಡೀಫಾಲ್ಟ್‌ಗಳೊಂದಿಗೆ ಮತ್ತೆ ಪ್ರಾರಂಭವಾಗಿದೆ.</translation>
    </message>
    <message>
        <source>Your settings are not saved: %app cannot write to its settings folder.</source>
        <translation>ನಿಮ್ಮ ಸೆಟ್ಟಿಂಗ್‌ಗಳನ್ನು ಉಳಿಸಲಾಗಿಲ್ಲ: %app ತನ್ನ ಸೆಟ್ಟಿಂಗ್‌ಗಳ ಫೋಲ್ಡರ್‌ಗೆ ಬರೆಯಲು ಸಾಧ್ಯವಿಲ್ಲ.</translation>
    </message>
    <message>
        <source>Your app and website rules could not be read, so they were set aside.</source>
        <translation>ನಿಮ್ಮ ಆ್ಯಪ್ ಮತ್ತು ವೆಬ್‌ಸೈಟ್ ನಿಯಮಗಳನ್ನು ಓದಲು ಸಾಧ್ಯವಾಗಲಿಲ್ಲ, ಆದ್ದರಿಂದ ಅವುಗಳನ್ನು ಪಕ್ಕಕ್ಕೆ ಇಡಲಾಗಿದೆ.</translation>
    </message>
    <message>
        <source>Your statistics could not be read, so they were set aside and counting started over.</source>
        <translation>ನಿಮ್ಮ ಅಂಕಿಅಂಶಗಳನ್ನು ಓದಲು ಸಾಧ್ಯವಾಗಲಿಲ್ಲ, ಆದ್ದರಿಂದ ಅವುಗಳನ್ನು ಪಕ್ಕಕ್ಕೆ ಇಡಲಾಗಿದೆ ಮತ್ತು ಎಣಿಕೆ ಮತ್ತೆ ಪ್ರಾರಂಭವಾಗಿದೆ.</translation>
    </message>
    <message>
        <source>Not saved: %app cannot write to its data folder.</source>
        <translation>ಉಳಿಸಲಾಗಿಲ್ಲ: %app ತನ್ನ ಡೇಟಾ ಫೋಲ್ಡರ್‌ಗೆ ಬರೆಯಲು ಸಾಧ್ಯವಿಲ್ಲ.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln suggestions. %1 selected</source>
        <translation>
            <numerusform>%Ln ಸಲಹೆ. %1 ಆಯ್ಕೆಯಾಗಿದೆ</numerusform>
            <numerusform>%Ln ಸಲಹೆಗಳು. %1 ಆಯ್ಕೆಯಾಗಿದೆ</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln min</source>
        <translation>
            <numerusform>%Ln ನಿಮಿ</numerusform>
            <numerusform>%Ln ನಿಮಿ</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln words</source>
        <translation>
            <numerusform>%Ln ಪದ</numerusform>
            <numerusform>%Ln ಪದಗಳು</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln passages from here</source>
        <translation>
            <numerusform>ಇಲ್ಲಿಂದ %Ln ಪಠ್ಯಭಾಗ</numerusform>
            <numerusform>ಇಲ್ಲಿಂದ %Ln ಪಠ್ಯಭಾಗಗಳು</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>words</source>
        <comment>unit after a count</comment>
        <translation>
            <numerusform>ಪದ</numerusform>
            <numerusform>ಪದಗಳು</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln days</source>
        <translation>
            <numerusform>%Ln ದಿನ</numerusform>
            <numerusform>%Ln ದಿನಗಳು</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Words saved per day over the last %Ln days</source>
        <translation>
            <numerusform>ಕಳೆದ %Ln ದಿನದಲ್ಲಿ ಉಳಿತಾಯವಾದ ಪದಗಳು</numerusform>
            <numerusform>ಕಳೆದ %Ln ದಿನಗಳಲ್ಲಿ ದಿನಕ್ಕೆ ಉಳಿತಾಯವಾದ ಪದಗಳು</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln day streak</source>
        <translation>
            <numerusform>ಸತತ %Ln ದಿನ</numerusform>
            <numerusform>ಸತತ %Ln ದಿನಗಳು</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln passages remembered</source>
        <translation>
            <numerusform>%Ln ಪಠ್ಯಭಾಗ ನೆನಪಿನಲ್ಲಿದೆ</numerusform>
            <numerusform>%Ln ಪಠ್ಯಭಾಗಗಳು ನೆನಪಿನಲ್ಲಿವೆ</numerusform>
        </translation>
    </message>
    <message>
        <source>enter</source>
        <translation>enter</translation>
    </message>
    <message>
        <source>Allow screen capture so %app can read those too. Most apps work without it.</source>
        <translation>ಅವುಗಳನ್ನೂ %app ಓದುವಂತೆ ಸ್ಕ್ರೀನ್ ಕ್ಯಾಪ್ಚರ್ ಅನ್ನು ಅನುಮತಿಸಿ. ಹೆಚ್ಚಿನ ಆ್ಯಪ್‌ಗಳು ಅದಿಲ್ಲದೆ ಕೆಲಸ ಮಾಡುತ್ತವೆ.</translation>
    </message>
    <message>
        <source>Type a colon and a word, like :rocket, then press Tab or Enter to pick.</source>
        <translation>ಕೋಲನ್ ಮತ್ತು ಒಂದು ಪದವನ್ನು ಟೈಪ್ ಮಾಡಿ, ಉದಾ. :rocket, ನಂತರ ಆಯ್ಕೆಮಾಡಲು Tab ಅಥವಾ Enter ಒತ್ತಿ.</translation>
    </message>
    <message>
        <source>You can switch memory off for single apps under Apps &amp; Sites. The key that unlocks it lives in your keyring.</source>
        <translation>“ಆ್ಯಪ್‌ಗಳು &amp; ಸೈಟ್‌ಗಳು” ಅಡಿಯಲ್ಲಿ ಪ್ರತ್ಯೇಕ ಆ್ಯಪ್‌ಗಳಿಗೆ ಸ್ಮರಣೆಯನ್ನು ಆಫ್ ಮಾಡಬಹುದು. ಅದನ್ನು ಅನ್‌ಲಾಕ್ ಮಾಡುವ ಕೀ ನಿಮ್ಮ ಕೀರಿಂಗ್‌ನಲ್ಲಿದೆ.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln emoji. %1 selected</source>
        <translation>
            <numerusform>%Ln ಎಮೋಜಿ. %1 ಆಯ್ಕೆಯಾಗಿದೆ</numerusform>
            <numerusform>%Ln ಎಮೋಜಿಗಳು. %1 ಆಯ್ಕೆಯಾಗಿದೆ</numerusform>
        </translation>
    </message>
    <message>
        <source>Suggestion: %1</source>
        <translation>ಸಲಹೆ: %1</translation>
    </message>
    <message numerus="yes">
        <source>%Ln models available</source>
        <translation>
            <numerusform>%Ln ಮಾಡೆಲ್ ಲಭ್ಯವಿದೆ</numerusform>
            <numerusform>%Ln ಮಾಡೆಲ್‌ಗಳು ಲಭ್ಯವಿವೆ</numerusform>
        </translation>
    </message>
    <message>
        <source>The model couldn&apos;t be saved: %1</source>
        <translation>ಮಾಡೆಲ್ ಅನ್ನು ಉಳಿಸಲು ಸಾಧ್ಯವಾಗಲಿಲ್ಲ: %1</translation>
    </message>
    <message>
        <source>Ollama isn&apos;t running.</source>
        <translation>Ollama ರನ್ ಆಗುತ್ತಿಲ್ಲ.</translation>
    </message>
    <message>
        <source>Ollama isn&apos;t running at %1.</source>
        <translation>Ollama ರನ್ ಆಗುತ್ತಿಲ್ಲ, ವಿಳಾಸ: %1.</translation>
    </message>
    <message>
        <source>No server answered.</source>
        <translation>ಯಾವುದೇ ಸರ್ವರ್ ಉತ್ತರಿಸಲಿಲ್ಲ.</translation>
    </message>
    <message>
        <source>No server answered at %1.</source>
        <translation>ಯಾವುದೇ ಸರ್ವರ್ ಉತ್ತರಿಸಲಿಲ್ಲ, ವಿಳಾಸ: %1.</translation>
    </message>
    <message>
        <source>Range: %1</source>
        <translation>ಅವಧಿ: %1</translation>
    </message>
    <message numerus="yes">
        <source>%1, %Ln to do</source>
        <translation>
            <numerusform>%1, %Ln ಬಾಕಿ ಇದೆ</numerusform>
            <numerusform>%1, %Ln ಬಾಕಿ ಇವೆ</numerusform>
        </translation>
    </message>
    <message>
        <source>Type the whole name of the website, such as wikipedia.org.</source>
        <translation>ವೆಬ್‌ಸೈಟ್‌ನ ಪೂರ್ಣ ಹೆಸರನ್ನು ಟೈಪ್ ಮಾಡಿ, ಉದಾಹರಣೆಗೆ wikipedia.org.</translation>
    </message>
    <message>
        <source>The key holds a space, an invisible character or a letter outside plain ASCII. Paste it again exactly as your server gave it.</source>
        <translation>ಕೀಯಲ್ಲಿ ಸ್ಪೇಸ್, ಅಗೋಚರ ಅಕ್ಷರ ಅಥವಾ ಸಾದಾ ASCII ಹೊರಗಿನ ಅಕ್ಷರವಿದೆ. ನಿಮ್ಮ ಸರ್ವರ್ ನೀಡಿದಂತೆಯೇ ಮತ್ತೆ ಅಂಟಿಸಿ.</translation>
    </message>
    <message>
        <source>The keyring could not be read, so your server is asked without an API key. Type the key again if your server needs one.</source>
        <translation>ಕೀರಿಂಗ್ ಓದಲು ಸಾಧ್ಯವಾಗಲಿಲ್ಲ, ಆದ್ದರಿಂದ ನಿಮ್ಮ ಸರ್ವರ್ ಅನ್ನು API ಕೀ ಇಲ್ಲದೆ ಕೇಳಲಾಗುತ್ತಿದೆ. ನಿಮ್ಮ ಸರ್ವರ್‌ಗೆ ಕೀ ಬೇಕಿದ್ದರೆ ಅದನ್ನು ಮತ್ತೆ ಟೈಪ್ ಮಾಡಿ.</translation>
    </message>
    <message>
        <source>Your writing memory could not be opened, so it was set aside and %app started a new one.</source>
        <translation>ನಿಮ್ಮ ಬರವಣಿಗೆ ಸ್ಮರಣೆಯನ್ನು ತೆರೆಯಲು ಸಾಧ್ಯವಾಗಲಿಲ್ಲ, ಆದ್ದರಿಂದ ಅದನ್ನು ಪಕ್ಕಕ್ಕೆ ಇಡಲಾಗಿದೆ ಮತ್ತು %app ಹೊಸದನ್ನು ಪ್ರಾರಂಭಿಸಿದೆ.</translation>
    </message>
    <message>
        <source>%1, converted for llama.cpp by %2</source>
        <translation>%1, llama.cpp ಗಾಗಿ %2 ಪರಿವರ್ತಿಸಿದೆ</translation>
    </message>
    <message>
        <source>The data folder %1 could not be made. Check that the folder above it exists and that you may write there.</source>
        <translation>ಡೇಟಾ ಫೋಲ್ಡರ್ %1 ಅನ್ನು ರಚಿಸಲಾಗಲಿಲ್ಲ. ಅದರ ಮೇಲಿನ ಫೋಲ್ಡರ್ ಇದೆಯೇ ಮತ್ತು ನೀವು ಅಲ್ಲಿ ಬರೆಯಬಹುದೇ ಎಂದು ಪರಿಶೀಲಿಸಿ.</translation>
    </message>
    <message>
        <source>party</source>
        <comment>emoji search sample</comment>
        <translation>ಪಾರ್ಟಿ</translation>
    </message>
    <message numerus="yes">
        <source>%Ln settings held values %app cannot use, so they were corrected and saved.</source>
        <translation>
            <numerusform>%Ln ಸೆಟ್ಟಿಂಗ್‌ನಲ್ಲಿ %app ಬಳಸಲಾಗದ ಮೌಲ್ಯವಿತ್ತು, ಆದ್ದರಿಂದ ಅದನ್ನು ಸರಿಪಡಿಸಿ ಉಳಿಸಲಾಗಿದೆ.</numerusform>
            <numerusform>%Ln ಸೆಟ್ಟಿಂಗ್‌ಗಳಲ್ಲಿ %app ಬಳಸಲಾಗದ ಮೌಲ್ಯಗಳಿದ್ದವು, ಆದ್ದರಿಂದ ಅವುಗಳನ್ನು ಸರಿಪಡಿಸಿ ಉಳಿಸಲಾಗಿದೆ.</numerusform>
        </translation>
    </message>
    <message>
        <source>Your writing memory is not saved: the keyring is missing or locked, so its key cannot be kept.</source>
        <translation>ನಿಮ್ಮ ಬರವಣಿಗೆ ಸ್ಮರಣೆಯನ್ನು ಉಳಿಸಲಾಗುತ್ತಿಲ್ಲ: ಕೀರಿಂಗ್ ಇಲ್ಲ ಅಥವಾ ಲಾಕ್ ಆಗಿದೆ, ಆದ್ದರಿಂದ ಸ್ಮರಣೆಯ ಕೀಯನ್ನು ಇರಿಸಿಕೊಳ್ಳಲು ಸಾಧ್ಯವಿಲ್ಲ.</translation>
    </message>
    <message>
        <source>That address isn&apos;t valid</source>
        <translation>ಈ ವಿಳಾಸ ಮಾನ್ಯವಲ್ಲ</translation>
    </message>
    <message>
        <source>The request timed out.</source>
        <translation>ವಿನಂತಿಯ ಸಮಯ ಮೀರಿದೆ.</translation>
    </message>
    <message>
        <source>The server&apos;s reply was too long, so it was stopped.</source>
        <translation>ಸರ್ವರ್‌ನ ಉತ್ತರ ತುಂಬಾ ಉದ್ದವಾಗಿತ್ತು, ಆದ್ದರಿಂದ ನಿಲ್ಲಿಸಲಾಯಿತು.</translation>
    </message>
    <message>
        <source>The server answered %1.</source>
        <translation>ಸರ್ವರ್ %1 ಎಂದು ಉತ್ತರಿಸಿತು.</translation>
    </message>
    <message>
        <source>The server answered %1: %2</source>
        <translation>ಸರ್ವರ್ %1 ಎಂದು ಉತ್ತರಿಸಿತು: %2</translation>
    </message>
    <message>
        <source>The download server answered %1. Try again later.</source>
        <translation>ಡೌನ್‌ಲೋಡ್ ಸರ್ವರ್ %1 ಎಂದು ಉತ್ತರಿಸಿತು. ನಂತರ ಮತ್ತೆ ಪ್ರಯತ್ನಿಸಿ.</translation>
    </message>
    <message>
        <source>The download couldn&apos;t be saved: %1</source>
        <translation>ಡೌನ್‌ಲೋಡ್ ಉಳಿಸಲಾಗಲಿಲ್ಲ: %1</translation>
    </message>
    <message>
        <source>The download paused because the connection dropped. Try again to pick up where it stopped.</source>
        <translation>ಸಂಪರ್ಕ ಕಡಿತಗೊಂಡ ಕಾರಣ ಡೌನ್‌ಲೋಡ್ ವಿರಾಮಗೊಂಡಿದೆ. ನಿಂತ ಜಾಗದಿಂದ ಮುಂದುವರಿಸಲು ಮತ್ತೆ ಪ್ರಯತ್ನಿಸಿ.</translation>
    </message>
    <message>
        <source>The download stopped. Check your connection, then try again.</source>
        <translation>ಡೌನ್‌ಲೋಡ್ ನಿಂತಿದೆ. ನಿಮ್ಮ ಸಂಪರ್ಕವನ್ನು ಪರಿಶೀಲಿಸಿ, ನಂತರ ಮತ್ತೆ ಪ್ರಯತ್ನಿಸಿ.</translation>
    </message>
    <message>
        <source>Pick an Ollama model in Settings</source>
        <translation>ಸೆಟ್ಟಿಂಗ್‌ಗಳಲ್ಲಿ ಒಂದು Ollama ಮಾಡೆಲ್ ಅನ್ನು ಆರಿಸಿ</translation>
    </message>
    <message>
        <source>Pick a model for your local server</source>
        <translation>ನಿಮ್ಮ ಸ್ಥಳೀಯ ಸರ್ವರ್‌ಗೆ ಒಂದು ಮಾಡೆಲ್ ಅನ್ನು ಆರಿಸಿ</translation>
    </message>
    <message>
        <source>The server&apos;s answer is not HTTP.</source>
        <translation>ಸರ್ವರ್‌ನ ಉತ್ತರ HTTP ಅಲ್ಲ.</translation>
    </message>
    <message>
        <source>The data couldn&apos;t be read because it is missing.</source>
        <translation>ಡೇಟಾ ಇಲ್ಲದ ಕಾರಣ ಅದನ್ನು ಓದಲಾಗಲಿಲ್ಲ.</translation>
    </message>
    <message>
        <source>The data couldn&apos;t be read because it isn&apos;t in the correct format.</source>
        <translation>ಡೇಟಾ ಸರಿಯಾದ ಸ್ವರೂಪದಲ್ಲಿಲ್ಲದ ಕಾರಣ ಅದನ್ನು ಓದಲಾಗಲಿಲ್ಲ.</translation>
    </message>
    <message>
        <source>:%1:</source>
        <comment>emoji name</comment>
        <translation>:%1:</translation>
    </message>
    <message>
        <source>This computer has no on-device language model.</source>
        <translation>ಈ ಕಂಪ್ಯೂಟರ್‌ನಲ್ಲಿ ಸಾಧನದಲ್ಲಿನ ಭಾಷಾ ಮಾಡೆಲ್ ಇಲ್ಲ.</translation>
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
        <translation>%1 ನಲ್ಲಿ ವಿರಾಮಗೊಳಿಸಲಾಗಿದೆ</translation>
    </message>
    <message>
        <source>Paused in %1</source>
        <translation>%1 ನಲ್ಲಿ ವಿರಾಮಗೊಳಿಸಲಾಗಿದೆ</translation>
    </message>
    <message>
        <source>Off on %1</source>
        <translation>%1 ನಲ್ಲಿ ಆಫ್</translation>
    </message>
    <message>
        <source>Off in %1</source>
        <translation>%1 ನಲ್ಲಿ ಆಫ್</translation>
    </message>
    <message>
        <source>Off in %1 by default</source>
        <translation>%1 ನಲ್ಲಿ ಡೀಫಾಲ್ಟ್ ಆಗಿ ಆಫ್</translation>
    </message>
    <message>
        <source>Off in code editors</source>
        <translation>ಕೋಡ್ ಎಡಿಟರ್‌ಗಳಲ್ಲಿ ಆಫ್</translation>
    </message>
    <message>
        <source>Off unless turned on per app</source>
        <translation>ಪ್ರತಿ ಆ್ಯಪ್‌ಗೆ ಆನ್ ಮಾಡದಿದ್ದರೆ ಆಫ್</translation>
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
        <translation>ಸ್ಪೇಸ್</translation>
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
        <translation>ಕೀ %1</translation>
    </message>
    <message>
        <source>An email reply reads differently from a commit message.</source>
        <translation>ಇಮೇಲ್‌ಗೆ ಉತ್ತರ ಮತ್ತು ಕಮಿಟ್ ಸಂದೇಶ ಬೇರೆ ಬೇರೆ ರೀತಿಯಲ್ಲಿ ಬರೆಯಲ್ಪಡುತ್ತವೆ.</translation>
    </message>
    <message>
        <source>Writes straight into the field. Cleanest in GTK and Qt apps.</source>
        <translation>ಫೀಲ್ಡ್‌ಗೆ ನೇರವಾಗಿ ಬರೆಯುತ್ತದೆ. GTK ಮತ್ತು Qt ಆ್ಯಪ್‌ಗಳಲ್ಲಿ ಅತ್ಯುತ್ತಮವಾಗಿ ಕೆಲಸ ಮಾಡುತ್ತದೆ.</translation>
    </message>
    <message>
        <source>Typing</source>
        <comment>insertion method</comment>
        <translation>ಟೈಪಿಂಗ್</translation>
    </message>
    <message>
        <source>%1 h</source>
        <comment>hours with one decimal, such as 1.5</comment>
        <translation>%1 ಗಂ</translation>
    </message>
    <message numerus="yes">
        <source>%Ln h</source>
        <translation>
            <numerusform>%Ln ಗಂ</numerusform>
            <numerusform>%Ln ಗಂ</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln ms</source>
        <translation>
            <numerusform>%Ln ಮಿ.ಸೆ</numerusform>
            <numerusform>%Ln ಮಿ.ಸೆ</numerusform>
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
            <numerusform>%Ln ಪದ ಇಂದು ಉಳಿತಾಯವಾಗಿದೆ</numerusform>
            <numerusform>%Ln ಪದಗಳು ಇಂದು ಉಳಿತಾಯವಾಗಿವೆ</numerusform>
        </translation>
    </message>
    <message>
        <source>Under a minute of typing saved today.</source>
        <translation>ಇಂದು ಒಂದು ನಿಮಿಷಕ್ಕಿಂತ ಕಡಿಮೆ ಟೈಪಿಂಗ್ ಉಳಿತಾಯವಾಗಿದೆ.</translation>
    </message>
    <message>
        <source>About %1 of typing saved today.</source>
        <translation>ಇಂದು ಸುಮಾರು %1 ಟೈಪಿಂಗ್ ಉಳಿತಾಯವಾಗಿದೆ.</translation>
    </message>
    <message numerus="yes">
        <source>Step %1 of %Ln</source>
        <translation>
            <numerusform>ಹಂತ %1 / %Ln</numerusform>
            <numerusform>ಹಂತ %1 / %Ln</numerusform>
        </translation>
    </message>
    <message>
        <source>%app reads and types into text fields through the desktop&apos;s accessibility support, which some desktops leave off. %app uses it only for the field you&apos;re writing in.</source>
        <translation>%app ಡೆಸ್ಕ್‌ಟಾಪ್‌ನ ಪ್ರವೇಶಿಸುವಿಕೆ ಬೆಂಬಲದ ಮೂಲಕ ಪಠ್ಯ ಫೀಲ್ಡ್‌ಗಳನ್ನು ಓದುತ್ತದೆ ಮತ್ತು ಅವುಗಳಲ್ಲಿ ಟೈಪ್ ಮಾಡುತ್ತದೆ; ಕೆಲವು ಡೆಸ್ಕ್‌ಟಾಪ್‌ಗಳು ಇದನ್ನು ಆಫ್ ಆಗಿಯೇ ಇಡುತ್ತವೆ. ನೀವು ಬರೆಯುತ್ತಿರುವ ಫೀಲ್ಡ್‌ಗೆ ಮಾತ್ರ %app ಇದನ್ನು ಬಳಸುತ್ತದೆ.</translation>
    </message>
    <message>
        <source>The button switches the desktop&apos;s accessibility support on. If the desktop&apos;s settings open instead, turn accessibility on there, then come back. This page updates by itself.</source>
        <translation>ಈ ಬಟನ್ ಡೆಸ್ಕ್‌ಟಾಪ್‌ನ ಪ್ರವೇಶಿಸುವಿಕೆ ಬೆಂಬಲವನ್ನು ಆನ್ ಮಾಡುತ್ತದೆ. ಅದರ ಬದಲು ಡೆಸ್ಕ್‌ಟಾಪ್‌ನ ಸೆಟ್ಟಿಂಗ್‌ಗಳು ತೆರೆದರೆ, ಅಲ್ಲಿ ಪ್ರವೇಶಿಸುವಿಕೆಯನ್ನು ಆನ್ ಮಾಡಿ, ನಂತರ ಹಿಂತಿರುಗಿ. ಈ ಪುಟ ತಾನಾಗಿಯೇ ನವೀಕರಣಗೊಳ್ಳುತ್ತದೆ.</translation>
    </message>
    <message>
        <source>Still off? Some desktops start their accessibility service only when you log in. Log out and back in, then try again.</source>
        <translation>ಇನ್ನೂ ಆಫ್ ಆಗಿದೆಯೇ? ಕೆಲವು ಡೆಸ್ಕ್‌ಟಾಪ್‌ಗಳು ಲಾಗ್ ಇನ್ ಮಾಡುವಾಗ ಮಾತ್ರ ಪ್ರವೇಶಿಸುವಿಕೆ ಸೇವೆಯನ್ನು ಪ್ರಾರಂಭಿಸುತ್ತವೆ. ಲಾಗ್ ಔಟ್ ಮಾಡಿ ಮತ್ತೆ ಲಾಗ್ ಇನ್ ಮಾಡಿ, ನಂತರ ಮತ್ತೆ ಪ್ರಯತ್ನಿಸಿ.</translation>
    </message>
    <message>
        <source>Pause</source>
        <comment>section header</comment>
        <translation>ವಿರಾಮ</translation>
    </message>
    <message>
        <source>Pause</source>
        <comment>button</comment>
        <translation>ವಿರಾಮಗೊಳಿಸಿ</translation>
    </message>
    <message>
        <source>typing</source>
        <comment>insertion method, in a sentence</comment>
        <translation>ಟೈಪಿಂಗ್</translation>
    </message>
    <message>
        <source>accessibility</source>
        <comment>insertion method, in a sentence</comment>
        <translation>ಪ್ರವೇಶಿಸುವಿಕೆ</translation>
    </message>
    <message>
        <source>paste</source>
        <comment>insertion method, in a sentence</comment>
        <translation>ಅಂಟಿಸುವಿಕೆ</translation>
    </message>
    <message>
        <source>short</source>
        <comment>suggestion length, in a sentence</comment>
        <translation>ಚಿಕ್ಕ</translation>
    </message>
    <message>
        <source>medium</source>
        <comment>suggestion length, in a sentence</comment>
        <translation>ಮಧ್ಯಮ</translation>
    </message>
    <message>
        <source>long</source>
        <comment>suggestion length, in a sentence</comment>
        <translation>ದೀರ್ಘ</translation>
    </message>
    <message>
        <source>Default follows General: %1, %2 suggestions.</source>
        <translation>ಡೀಫಾಲ್ಟ್ ಸಾಮಾನ್ಯ ಸೆಟ್ಟಿಂಗ್‌ಗಳನ್ನು ಅನುಸರಿಸುತ್ತದೆ: %1, %2 ಸಲಹೆಗಳು.</translation>
    </message>
    <message>
        <source>Yes, at %1, %2 on screen, %3 pt tall, %4 and %5</source>
        <translation>ಹೌದು, ಪರದೆಯ ಮೇಲೆ %1, %2 ನಲ್ಲಿ, %3 pt ಎತ್ತರ, %4 ಮತ್ತು %5</translation>
    </message>
    <message numerus="yes">
        <source>%Ln characters before it</source>
        <translation>
            <numerusform>ಕರ್ಸರ್‌ಗಿಂತ ಮೊದಲು %Ln ಅಕ್ಷರ</numerusform>
            <numerusform>ಕರ್ಸರ್‌ಗಿಂತ ಮೊದಲು %Ln ಅಕ್ಷರಗಳು</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln after</source>
        <comment>characters after the caret</comment>
        <translation>
            <numerusform>ನಂತರ %Ln</numerusform>
            <numerusform>ನಂತರ %Ln</numerusform>
        </translation>
    </message>
    <message>
        <source>No system tray runs on this desktop, so the icon cannot show. %1</source>
        <translation>ಈ ಡೆಸ್ಕ್‌ಟಾಪ್‌ನಲ್ಲಿ ಯಾವುದೇ ಸಿಸ್ಟಂ ಟ್ರೇ ಚಾಲನೆಯಲ್ಲಿಲ್ಲ, ಆದ್ದರಿಂದ ಐಕಾನ್ ತೋರಿಸಲು ಸಾಧ್ಯವಿಲ್ಲ. %1</translation>
    </message>
    <message>
        <source>Typing</source>
        <comment>section header</comment>
        <translation>ಟೈಪಿಂಗ್</translation>
    </message>
    <message>
        <source>Switch to the computer&apos;s language?</source>
        <translation>ಕಂಪ್ಯೂಟರ್‌ನ ಭಾಷೆಗೆ ಬದಲಾಯಿಸಬೇಕೆ?</translation>
    </message>
    <message numerus="yes">
        <source>%Ln words this week.</source>
        <translation>
            <numerusform>ಈ ವಾರ %Ln ಪದ.</numerusform>
            <numerusform>ಈ ವಾರ %Ln ಪದಗಳು.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Under a minute of typing saved today. %Ln words this week.</source>
        <translation>
            <numerusform>ಇಂದು ಒಂದು ನಿಮಿಷಕ್ಕಿಂತ ಕಡಿಮೆ ಟೈಪಿಂಗ್ ಉಳಿತಾಯವಾಗಿದೆ. ಈ ವಾರ %Ln ಪದ.</numerusform>
            <numerusform>ಇಂದು ಒಂದು ನಿಮಿಷಕ್ಕಿಂತ ಕಡಿಮೆ ಟೈಪಿಂಗ್ ಉಳಿತಾಯವಾಗಿದೆ. ಈ ವಾರ %Ln ಪದಗಳು.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>About %1 of typing saved today. %Ln words this week.</source>
        <translation>
            <numerusform>ಇಂದು ಸುಮಾರು %1 ಟೈಪಿಂಗ್ ಉಳಿತಾಯವಾಗಿದೆ. ಈ ವಾರ %Ln ಪದ.</numerusform>
            <numerusform>ಇಂದು ಸುಮಾರು %1 ಟೈಪಿಂಗ್ ಉಳಿತಾಯವಾಗಿದೆ. ಈ ವಾರ %Ln ಪದಗಳು.</numerusform>
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
            <numerusform>%1 ರಲ್ಲಿ %Ln ಮುಗಿದಿದೆ</numerusform>
            <numerusform>%1 ರಲ್ಲಿ %Ln ಮುಗಿದಿದೆ</numerusform>
        </translation>
    </message>
    <message>
        <source>The server refused the connection. Check that it is running and that the address is right.</source>
        <translation>ಸರ್ವರ್ ಸಂಪರ್ಕವನ್ನು ನಿರಾಕರಿಸಿದೆ. ಅದು ರನ್ ಆಗುತ್ತಿದೆಯೇ ಮತ್ತು ವಿಳಾಸ ಸರಿಯಾಗಿದೆಯೇ ಎಂದು ಪರಿಶೀಲಿಸಿ.</translation>
    </message>
    <message>
        <source>The server&apos;s name couldn&apos;t be found. Check the address.</source>
        <translation>ಸರ್ವರ್‌ನ ಹೆಸರು ಸಿಗಲಿಲ್ಲ. ವಿಳಾಸವನ್ನು ಪರಿಶೀಲಿಸಿ.</translation>
    </message>
    <message>
        <source>A secure connection to the server couldn&apos;t be made.</source>
        <translation>ಸರ್ವರ್‌ನೊಂದಿಗೆ ಸುರಕ್ಷಿತ ಸಂಪರ್ಕವನ್ನು ಸ್ಥಾಪಿಸಲು ಸಾಧ್ಯವಾಗಲಿಲ್ಲ.</translation>
    </message>
    <message>
        <source>The server closed the connection before it answered.</source>
        <translation>ಸರ್ವರ್ ಉತ್ತರಿಸುವ ಮೊದಲೇ ಸಂಪರ್ಕವನ್ನು ಮುಚ್ಚಿದೆ.</translation>
    </message>
    <message>
        <source>The network proxy couldn&apos;t be reached.</source>
        <translation>ನೆಟ್‌ವರ್ಕ್‌ನ ಪ್ರಾಕ್ಸಿಯನ್ನು ತಲುಪಲು ಸಾಧ್ಯವಾಗಲಿಲ್ಲ.</translation>
    </message>
    <message>
        <source>The server couldn&apos;t be reached.</source>
        <translation>ಸರ್ವರ್ ಅನ್ನು ತಲುಪಲು ಸಾಧ್ಯವಾಗಲಿಲ್ಲ.</translation>
    </message>
    <message>
        <source>Waiting for the network…</source>
        <translation>ನೆಟ್‌ವರ್ಕ್‌ಗಾಗಿ ಕಾಯಲಾಗುತ್ತಿದೆ…</translation>
    </message>
    <message>
        <source>%1 is taken by another program.</source>
        <translation>%1 ಅನ್ನು ಇನ್ನೊಂದು ಪ್ರೋಗ್ರಾಂ ಬಳಸುತ್ತಿದೆ.</translation>
    </message>
    <message>
        <source>%1 could not open again. Your choice takes effect the next time you start it.</source>
        <translation>%1 ಮತ್ತೆ ತೆರೆಯಲಾಗಲಿಲ್ಲ. ಮುಂದಿನ ಬಾರಿ ಪ್ರಾರಂಭಿಸಿದಾಗ ನಿಮ್ಮ ಆಯ್ಕೆ ಜಾರಿಗೆ ಬರುತ್ತದೆ.</translation>
    </message>
    <message>
        <source>Downloading the model</source>
        <translation>ಮಾಡೆಲ್ ಡೌನ್‌ಲೋಡ್ ಆಗುತ್ತಿದೆ</translation>
    </message>
    <message numerus="yes">
        <source>These apps answer the Tab key before %app can, so %app stays paused in your other apps until they quit.</source>
        <translation>
            <numerusform>ಈ ಆ್ಯಪ್‌ಗಳು %app ಗಿಂತ ಮೊದಲೇ Tab ಕೀಗೆ ಉತ್ತರಿಸುತ್ತವೆ, ಆದ್ದರಿಂದ ಅವು ಮುಚ್ಚುವವರೆಗೆ ನಿಮ್ಮ ಇತರ ಆ್ಯಪ್‌ಗಳಲ್ಲಿ %app ವಿರಾಮದಲ್ಲೇ ಇರುತ್ತದೆ.</numerusform>
            <numerusform>ಈ ಆ್ಯಪ್‌ಗಳು %app ಗಿಂತ ಮೊದಲೇ Tab ಕೀಗೆ ಉತ್ತರಿಸುತ್ತವೆ, ಆದ್ದರಿಂದ ಅವು ಮುಚ್ಚುವವರೆಗೆ ನಿಮ್ಮ ಇತರ ಆ್ಯಪ್‌ಗಳಲ್ಲಿ %app ವಿರಾಮದಲ್ಲೇ ಇರುತ್ತದೆ.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>It may be waiting on a dialog of its own. Force Quit closes it right away.</source>
        <translation>
            <numerusform>ಅದು ತನ್ನದೇ ಸಂವಾದಕ್ಕಾಗಿ ಕಾಯುತ್ತಿರಬಹುದು. “ಬಲವಂತವಾಗಿ ಮುಚ್ಚಿ” ಅದನ್ನು ತಕ್ಷಣ ಮುಚ್ಚುತ್ತದೆ.</numerusform>
            <numerusform>ಅವು ತಮ್ಮದೇ ಸಂವಾದಗಳಿಗಾಗಿ ಕಾಯುತ್ತಿರಬಹುದು. “ಬಲವಂತವಾಗಿ ಮುಚ್ಚಿ” ಅವುಗಳನ್ನು ತಕ್ಷಣ ಮುಚ್ಚುತ್ತದೆ.</numerusform>
        </translation>
    </message>
    <message>
        <source>Set a Suggest Now shortcut in Keys to ask for suggestions</source>
        <translation>ಸಲಹೆಗಳನ್ನು ಕೇಳಲು “ಕೀಗಳು” ವಿಭಾಗದಲ್ಲಿ “ಈಗ ಸಲಹೆ ನೀಡಿ” ಶಾರ್ಟ್‌ಕಟ್ ಹೊಂದಿಸಿ</translation>
    </message>
    <message>
        <source>Backspace</source>
        <comment>key above Enter that deletes backwards</comment>
        <translation>Backspace</translation>
    </message>
    <message>
        <source>0 words saved today</source>
        <translation>0 ಪದಗಳು ಇಂದು ಉಳಿತಾಯವಾಗಿವೆ</translation>
    </message>
    <message>
        <source>words saved today</source>
        <comment>beside the count 0</comment>
        <translation>ಪದಗಳು ಇಂದು ಉಳಿತಾಯವಾಗಿವೆ</translation>
    </message>
    <message>
        <source>Quit the other app</source>
        <translation>ಇನ್ನೊಂದು ಆ್ಯಪ್ ಅನ್ನು ಮುಚ್ಚಿ</translation>
    </message>
    <message>
        <source>None yet</source>
        <comment>no app looked at yet</comment>
        <translation>ಇನ್ನೂ ಇಲ್ಲ</translation>
    </message>
    <message>
        <source>None yet</source>
        <comment>no suggestion shown yet</comment>
        <translation>ಇನ್ನೂ ಯಾವುದೇ ಸಲಹೆ ಇಲ್ಲ</translation>
    </message>
    <message>
        <source>The other app is also running</source>
        <translation>ಇನ್ನೊಂದು ಆ್ಯಪ್ ಕೂಡ ರನ್ ಆಗುತ್ತಿದೆ</translation>
    </message>
    <message>
        <source>Both apps answer the Tab key, and the system gives it to the other app first. %app stays paused in your other apps until the other app quits.</source>
        <translation>ಎರಡೂ ಆ್ಯಪ್‌ಗಳು Tab ಕೀಗೆ ಉತ್ತರಿಸುತ್ತವೆ, ಮತ್ತು ಸಿಸ್ಟಂ ಅದನ್ನು ಮೊದಲು ಇನ್ನೊಂದು ಆ್ಯಪ್‌ಗೆ ನೀಡುತ್ತದೆ. ಇನ್ನೊಂದು ಆ್ಯಪ್ ಮುಚ್ಚುವವರೆಗೆ ನಿಮ್ಮ ಇತರ ಆ್ಯಪ್‌ಗಳಲ್ಲಿ %app ವಿರಾಮದಲ್ಲೇ ಇರುತ್ತದೆ.</translation>
    </message>
    <message>
        <source>The other app is still open</source>
        <translation>ಇನ್ನೊಂದು ಆ್ಯಪ್ ಇನ್ನೂ ತೆರೆದಿದೆ</translation>
    </message>
    <message>
        <source>The other app quit, so your suggestions are back in every app.</source>
        <translation>ಇನ್ನೊಂದು ಆ್ಯಪ್ ಮುಚ್ಚಿದೆ, ಆದ್ದರಿಂದ ನಿಮ್ಮ ಸಲಹೆಗಳು ಪ್ರತಿ ಆ್ಯಪ್‌ನಲ್ಲೂ ಮರಳಿ ಬಂದಿವೆ.</translation>
    </message>
    <message>
        <source>The other app quit. %app has the Tab key.</source>
        <translation>ಇನ್ನೊಂದು ಆ್ಯಪ್ ಮುಚ್ಚಿದೆ. Tab ಕೀ ಈಗ %app ಬಳಿ ಇದೆ.</translation>
    </message>
</context>
</TS>
