<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="en">
<context>
    <name>Tessaquill</name>
    <message>
        <source>Accessibility is on. %app is ready in your other apps.</source>
        <translation>L&apos;accessibilità è attiva. %app è pronto nelle altre app.</translation>
    </message>
    <message>
        <source>Paused while %1 is open</source>
        <translation>In pausa mentre %1 è aperto</translation>
    </message>
    <message>
        <source>Welcome to %app</source>
        <translation>Benvenuto in %app</translation>
    </message>
    <message>
        <source>%app</source>
        <translation>%app</translation>
    </message>
    <message>
        <source>Another autocomplete app is running</source>
        <translation>È aperta un&apos;altra app di completamento automatico</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Pronto</translation>
    </message>
    <message>
        <source>Waiting for a pause</source>
        <translation>In attesa di una pausa</translation>
    </message>
    <message>
        <source>Thinking</source>
        <translation>Elaborazione</translation>
    </message>
    <message>
        <source>Showing a suggestion</source>
        <translation>Suggerimento visualizzato</translation>
    </message>
    <message>
        <source>The model took too long to answer</source>
        <translation>Il modello ha impiegato troppo a rispondere</translation>
    </message>
    <message>
        <source>This app doesn&apos;t report where the caret is</source>
        <translation>Questa app non indica dove si trova il cursore</translation>
    </message>
    <message>
        <source>%app is turned off</source>
        <translation>%app è disattivato</translation>
    </message>
    <message>
        <source>Secure input is on, so %app stays out</source>
        <translation>Input sicuro attivo: %app non interviene</translation>
    </message>
    <message>
        <source>Press %1 for a suggestion</source>
        <translation>Premi %1 per un suggerimento</translation>
    </message>
    <message>
        <source>Text is selected</source>
        <translation>C&apos;è del testo selezionato</translation>
    </message>
    <message>
        <source>The caret is inside existing text</source>
        <translation>Il cursore è dentro un testo esistente</translation>
    </message>
    <message>
        <source>This field is too small</source>
        <translation>Questo campo è troppo piccolo</translation>
    </message>
    <message>
        <source>Waiting for a few characters</source>
        <translation>In attesa di qualche carattere</translation>
    </message>
    <message>
        <source>Start of a new line</source>
        <translation>Inizio di una nuova riga</translation>
    </message>
    <message>
        <source>The model is still downloading</source>
        <translation>Il modello è ancora in download</translation>
    </message>
    <message>
        <source>Download the %app model in Settings first</source>
        <translation>Prima scarica il modello %app nelle Impostazioni</translation>
    </message>
    <message>
        <source>Not checked yet</source>
        <translation>Non ancora verificato</translation>
    </message>
    <message>
        <source>Checking…</source>
        <translation>Verifica…</translation>
    </message>
    <message>
        <source>The model stopped with error %1</source>
        <translation>Il modello si è fermato con l&apos;errore %1</translation>
    </message>
    <message>
        <source>The model file couldn&apos;t be loaded</source>
        <translation>Impossibile caricare il file del modello</translation>
    </message>
    <message>
        <source>There wasn&apos;t enough memory to start the model</source>
        <translation>Memoria insufficiente per avviare il modello</translation>
    </message>
    <message>
        <source>The text couldn&apos;t be prepared for the model</source>
        <translation>Impossibile preparare il testo per il modello</translation>
    </message>
    <message>
        <source>This computer needs %1 free for the download. Free up some space, then try again.</source>
        <translation>Per il download servono %1 liberi. Libera un po&apos; di spazio e riprova.</translation>
    </message>
    <message>
        <source>The download didn&apos;t match the expected file, so it was deleted. Try again.</source>
        <translation>Il download non corrispondeva al file previsto ed è stato eliminato. Riprova.</translation>
    </message>
    <message>
        <source>Downloaded</source>
        <translation>Scaricato</translation>
    </message>
    <message>
        <source>Downloading. Suggestions start once it&apos;s done.</source>
        <translation>Download in corso. I suggerimenti partono al termine.</translation>
    </message>
    <message>
        <source>Checking the download.</source>
        <translation>Verifica del download.</translation>
    </message>
    <message>
        <source>Checking the download. Suggestions start once it&apos;s done.</source>
        <translation>Verifica del download. I suggerimenti partono al termine.</translation>
    </message>
    <message>
        <source>Download the model to start</source>
        <translation>Scarica il modello per iniziare</translation>
    </message>
    <message>
        <source>Ollama is running but has no models</source>
        <translation>Ollama è in esecuzione ma non ha modelli</translation>
    </message>
    <message>
        <source>Another app</source>
        <translation>Un&apos;altra app</translation>
    </message>
    <message>
        <source>There is no D-Bus session bus, so %1 cannot reach text fields.</source>
        <translation>Non c&apos;è un bus di sessione D-Bus, quindi %1 non può raggiungere i campi di testo.</translation>
    </message>
    <message>
        <source>The desktop&apos;s accessibility bus is not running, so %1 cannot reach text fields.</source>
        <translation>Il bus di accessibilità del desktop non è attivo, quindi %1 non può raggiungere i campi di testo.</translation>
    </message>
    <message>
        <source>Short</source>
        <translation>Corta</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Media</translation>
    </message>
    <message>
        <source>Long</source>
        <translation>Lunga</translation>
    </message>
    <message>
        <source>Hide the suggestion</source>
        <translation>Nascondi il suggerimento</translation>
    </message>
    <message>
        <source>Hide suggestions until I change fields</source>
        <translation>Nascondi i suggerimenti finché non cambio campo</translation>
    </message>
    <message>
        <source>Do nothing, send Escape to the app</source>
        <translation>Non fare nulla, invia Esc all&apos;app</translation>
    </message>
    <message>
        <source>Type it</source>
        <translation>Digitazione</translation>
    </message>
    <message>
        <source>Insert through Accessibility</source>
        <translation>Inserimento tramite accessibilità</translation>
    </message>
    <message>
        <source>Paste it</source>
        <translation>Inserimento tramite appunti</translation>
    </message>
    <message>
        <source>Grey</source>
        <translation>Grigio</translation>
    </message>
    <message>
        <source>Gold tint</source>
        <translation>Tinta oro</translation>
    </message>
    <message>
        <source>%app model</source>
        <translation>Modello %app</translation>
    </message>
    <message>
        <source>Ollama</source>
        <translation>Ollama</translation>
    </message>
    <message>
        <source>Local server</source>
        <translation>Server locale</translation>
    </message>
    <message>
        <source>Runs on this computer after a one-time download. Works offline.</source>
        <translation>Gira su questo computer dopo un solo download. Funziona offline.</translation>
    </message>
    <message>
        <source>Any model you run in Ollama, base models included.</source>
        <translation>Qualsiasi modello che usi in Ollama, compresi i modelli base.</translation>
    </message>
    <message>
        <source>LM Studio, llama-server or any OpenAI-compatible endpoint.</source>
        <translation>LM Studio, llama-server o qualsiasi endpoint compatibile con OpenAI.</translation>
    </message>
    <message>
        <source>Sends the text as keystrokes. Works almost everywhere.</source>
        <translation>Invia il testo come pressioni di tasti. Funziona quasi ovunque.</translation>
    </message>
    <message>
        <source>Uses the clipboard, then puts your clipboard back.</source>
        <translation>Usa gli appunti, poi li ripristina.</translation>
    </message>
    <message>
        <source>Accessibility</source>
        <translation>Accessibilità</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Appunti</translation>
    </message>
    <message>
        <source>Your writing memory could not be opened and was set aside. Nothing new is remembered until %app starts again.</source>
        <translation>Non è stato possibile aprire la memoria di scrittura, che è stata messa da parte. Niente di nuovo viene ricordato finché %app non si riavvia.</translation>
    </message>
    <message>
        <source>Your writing memory could not be opened because its key could not be read from the keyring. Nothing new is remembered until %app starts again.</source>
        <translation>Non è stato possibile aprire la memoria di scrittura perché la sua chiave non è leggibile dal portachiavi. Niente di nuovo viene ricordato finché %app non si riavvia.</translation>
    </message>
    <message>
        <source>Not Now</source>
        <translation>Non ora</translation>
    </message>
    <message>
        <source>Open the desktop&apos;s settings</source>
        <translation>Apri le impostazioni del desktop</translation>
    </message>
    <message>
        <source>Don&apos;t remind me again</source>
        <translation>Non ricordarmelo più</translation>
    </message>
    <message>
        <source>Open Playground</source>
        <translation>Apri l&apos;area di prova</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>Quit %app</source>
        <translation>Esci da %app</translation>
    </message>
    <message>
        <source>Needs Accessibility access</source>
        <translation>Serve l&apos;accesso per l&apos;accessibilità</translation>
    </message>
    <message>
        <source>Paused until you resume</source>
        <translation>In pausa finché non riprendi</translation>
    </message>
    <message>
        <source>Paused until %1</source>
        <translation>In pausa fino alle %1</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Disattivato</translation>
    </message>
    <message numerus="yes">
        <source>Paused while %1 are open</source>
        <translation>
            <numerusform>In pausa mentre %1 è aperto</numerusform>
            <numerusform>In pausa mentre %1 sono aperti</numerusform>
        </translation>
    </message>
    <message>
        <source>Grant Accessibility Access…</source>
        <translation>Consenti l&apos;accesso per l&apos;accessibilità…</translation>
    </message>
    <message numerus="yes">
        <source>Force Quit %1</source>
        <translation>
            <numerusform>Forza l&apos;uscita da %1</numerusform>
            <numerusform>Forza l&apos;uscita da %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Quit %1</source>
        <translation>
            <numerusform>Chiudi %1</numerusform>
            <numerusform>Chiudi %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>words saved today</source>
        <translation>
            <numerusform>parola risparmiata oggi</numerusform>
            <numerusform>parole risparmiate oggi</numerusform>
        </translation>
    </message>
    <message>
        <source>Start typing anywhere. %app keeps count here.</source>
        <translation>Inizia a scrivere ovunque. %app tiene il conto qui.</translation>
    </message>
    <message>
        <source>Resume in %1</source>
        <translation>Riprendi in %1</translation>
    </message>
    <message>
        <source>Pause in %1</source>
        <translation>Metti in pausa in %1</translation>
    </message>
    <message>
        <source>Resume Everywhere</source>
        <translation>Riprendi ovunque</translation>
    </message>
    <message>
        <source>Pause Everywhere</source>
        <translation>Metti in pausa ovunque</translation>
    </message>
    <message>
        <source>For 15 Minutes</source>
        <translation>Per 15 minuti</translation>
    </message>
    <message>
        <source>For 1 Hour</source>
        <translation>Per 1 ora</translation>
    </message>
    <message>
        <source>For 4 Hours</source>
        <translation>Per 4 ore</translation>
    </message>
    <message>
        <source>Until I Resume</source>
        <translation>Finché non riprendo</translation>
    </message>
    <message>
        <source>Example: after typing %1, %2 suggests %3</source>
        <translation>Esempio: dopo aver digitato %1, %2 suggerisce %3</translation>
    </message>
    <message>
        <source>takes the next word</source>
        <translation>prende la parola successiva</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Scarica</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 di %2</translation>
    </message>
    <message>
        <source>%1 of %2. You can keep writing while it downloads.</source>
        <translation>%1 di %2. Puoi continuare a scrivere durante il download.</translation>
    </message>
    <message>
        <source>Checking the download</source>
        <translation>Verifica del download</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Riprova</translation>
    </message>
    <message>
        <source>Remove…</source>
        <translation>Rimuovi…</translation>
    </message>
    <message>
        <source>%1 license</source>
        <translation>Licenza %1</translation>
    </message>
    <message>
        <source>Remove the %app model?</source>
        <translation>Rimuovere il modello %app?</translation>
    </message>
    <message>
        <source>Model download</source>
        <translation>Download del modello</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Rimuovi</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continua</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Più tardi</translation>
    </message>
    <message>
        <source>Start Writing</source>
        <translation>Inizia a scrivere</translation>
    </message>
    <message>
        <source>Finish your sentences in any app.</source>
        <translation>Completa le tue frasi in qualsiasi app.</translation>
    </message>
    <message>
        <source>%app reads the words before your caret and suggests what comes next in grey. Press Tab to take one word, or the key above Tab to take the rest. If you don&apos;t want it, keep typing.</source>
        <translation>%app legge le parole prima del cursore e suggerisce in grigio come continuare. Premi Tab per prendere una parola, o il tasto sopra Tab per prendere il resto. Se non ti serve, continua a scrivere.</translation>
    </message>
    <message>
        <source>Sees what you see</source>
        <translation>Vede ciò che vedi</translation>
    </message>
    <message>
        <source>Private</source>
        <translation>Privato</translation>
    </message>
    <message>
        <source>It reads the window you&apos;re typing in, like the chat you&apos;re answering, so suggestions fit. None of it goes online, to us or any server. It stays private on your computer.</source>
        <translation>Legge la finestra in cui scrivi, come la chat a cui rispondi, perché i suggerimenti siano pertinenti. Nulla va online, né a noi né ad alcun server. Resta privato sul tuo computer.</translation>
    </message>
    <message>
        <source>Accessibility is on</source>
        <translation>L&apos;accessibilità è attiva</translation>
    </message>
    <message>
        <source>%app can now read the field you&apos;re writing in and type suggestions for you.</source>
        <translation>Ora %app può leggere il campo in cui scrivi e inserire i suggerimenti per te.</translation>
    </message>
    <message>
        <source>Let %app see what you type.</source>
        <translation>Lascia che %app veda ciò che scrivi.</translation>
    </message>
    <message>
        <source>%app reads your text when you pause and forgets it after one suggestion, unless you turn on writing memory.</source>
        <translation>%app legge il tuo testo quando ti fermi e lo dimentica dopo un suggerimento, a meno che tu non attivi la memoria di scrittura.</translation>
    </message>
    <message>
        <source>%app skips password fields and anything else the system marks as secure.</source>
        <translation>%app salta i campi password e tutto ciò che il sistema segna come sicuro.</translation>
    </message>
    <message>
        <source>Open Accessibility Settings</source>
        <translation>Apri le impostazioni di accessibilità</translation>
    </message>
    <message>
        <source>Pick what writes your suggestions.</source>
        <translation>Scegli cosa scrive i tuoi suggerimenti.</translation>
    </message>
    <message>
        <source>You can change this any time in Settings.</source>
        <translation>Puoi cambiarlo quando vuoi nelle Impostazioni.</translation>
    </message>
    <message>
        <source>Give it a try.</source>
        <translation>Provalo.</translation>
    </message>
    <message>
        <source>Start typing a sentence. When grey words appear, press Tab for one word or the key above Tab for all of them.</source>
        <translation>Inizia a scrivere una frase. Quando compaiono parole grigie, premi Tab per una parola o il tasto sopra Tab per tutte.</translation>
    </message>
    <message>
        <source>Hi Orlenn, thanks for the quick reply. I think we should</source>
        <translation>Ciao Orlenn, grazie per la risposta veloce. Penso che dovremmo</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>Practice field</source>
        <translation>Campo di prova</translation>
    </message>
    <message>
        <source>Default, on</source>
        <translation>Predefinito, attivo</translation>
    </message>
    <message>
        <source>Default, off</source>
        <translation>Predefinito, disattivato</translation>
    </message>
    <message>
        <source>Add a website</source>
        <translation>Aggiungi un sito web</translation>
    </message>
    <message>
        <source>Domain</source>
        <translation>Dominio</translation>
    </message>
    <message>
        <source>Rules for a site apply in any browser %app can read.</source>
        <translation>Le regole di un sito valgono in ogni browser che %app può leggere.</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Aggiungi</translation>
    </message>
    <message>
        <source>Add App…</source>
        <translation>Aggiungi app…</translation>
    </message>
    <message>
        <source>Add an app</source>
        <translation>Aggiungi un&apos;app</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Cerca</translation>
    </message>
    <message>
        <source>Clear search</source>
        <translation>Cancella ricerca</translation>
    </message>
    <message>
        <source>Add an app or website</source>
        <translation>Aggiungi un&apos;app o un sito web</translation>
    </message>
    <message>
        <source>Add Website…</source>
        <translation>Aggiungi sito web…</translation>
    </message>
    <message>
        <source>Apps &amp; Sites</source>
        <translation>App &amp; siti</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>In pausa</translation>
    </message>
    <message>
        <source>Apps</source>
        <translation>App</translation>
    </message>
    <message>
        <source>Websites</source>
        <translation>Siti web</translation>
    </message>
    <message>
        <source>No matches</source>
        <translation>Nessun risultato</translation>
    </message>
    <message>
        <source>No apps yet</source>
        <translation>Ancora nessuna app</translation>
    </message>
    <message>
        <source>Nothing matches “%1”.</source>
        <translation>Nessun risultato per «%1».</translation>
    </message>
    <message>
        <source>Apps appear here once you accept a suggestion in them, or add one with +.</source>
        <translation>Le app compaiono qui quando vi accetti un suggerimento, oppure aggiungine una con +.</translation>
    </message>
    <message>
        <source>Pick an app or site</source>
        <translation>Scegli un&apos;app o un sito</translation>
    </message>
    <message>
        <source>Each one can have its own rules. Anything you don&apos;t change follows General.</source>
        <translation>Ognuno può avere regole proprie. Ciò che non cambi segue «Generali».</translation>
    </message>
    <message>
        <source>Words saved here</source>
        <translation>Parole risparmiate qui</translation>
    </message>
    <message>
        <source>Suggestions</source>
        <translation>Suggerimenti</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Attivo</translation>
    </message>
    <message>
        <source>Tab accepts suggestions</source>
        <translation>Tab accetta i suggerimenti</translation>
    </message>
    <message>
        <source>Turn off where Tab already means something, like indenting. The other accept key still works.</source>
        <translation>Disattiva dove Tab ha già una funzione, come il rientro. L&apos;altro tasto per accettare funziona comunque.</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Predefinito</translation>
    </message>
    <message>
        <source>Insert by</source>
        <translation>Metodo di inserimento</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Lunghezza</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Riprendi</translation>
    </message>
    <message>
        <source>Pause here</source>
        <translation>Metti in pausa qui</translation>
    </message>
    <message>
        <source>Memory</source>
        <translation>Memoria</translation>
    </message>
    <message>
        <source>Remember my writing here</source>
        <translation>Ricorda come scrivo qui</translation>
    </message>
    <message>
        <source>Writing memory is off in Your Voice.</source>
        <translation>La memoria di scrittura è disattivata in «Il tuo stile».</translation>
    </message>
    <message>
        <source>Erase…</source>
        <translation>Cancella…</translation>
    </message>
    <message>
        <source>Reset to Defaults</source>
        <translation>Ripristina predefiniti</translation>
    </message>
    <message>
        <source>Erase what %app remembered from %1?</source>
        <translation>Cancellare ciò che %app ha memorizzato in %1?</translation>
    </message>
    <message>
        <source>Erase</source>
        <translation>Cancella</translation>
    </message>
    <message>
        <source>Passages from this app can shape suggestions everywhere.</source>
        <translation>I brani di questa app possono influenzare i suggerimenti ovunque.</translation>
    </message>
    <message>
        <source>Finish setting up</source>
        <translation>Completa la configurazione</translation>
    </message>
    <message>
        <source>Setup progress</source>
        <translation>Avanzamento configurazione</translation>
    </message>
    <message>
        <source>Done: %1</source>
        <translation>Fatto: %1</translation>
    </message>
    <message>
        <source>Best day yet!</source>
        <translation>Record personale!</translation>
    </message>
    <message>
        <source>Try it here</source>
        <translation>Prova qui</translation>
    </message>
    <message>
        <source>Thanks for sending the draft over. I had a look and</source>
        <translation>Grazie per avermi mandato la bozza. Le ho dato un&apos;occhiata e</translation>
    </message>
    <message>
        <source>next word</source>
        <translation>parola successiva</translation>
    </message>
    <message>
        <source>whole suggestion</source>
        <translation>suggerimento intero</translation>
    </message>
    <message>
        <source>hide it</source>
        <translation>nascondilo</translation>
    </message>
    <message>
        <source>This field runs the real engine. Start typing and grey words show up as you go.</source>
        <translation>Questo campo usa il motore vero. Inizia a scrivere e le parole grigie compaiono man mano.</translation>
    </message>
    <message>
        <source>This field runs the real engine, even before you allow Accessibility. Start typing and grey words show up as you go.</source>
        <translation>Questo campo usa il motore vero, anche prima di consentire l&apos;accessibilità. Inizia a scrivere e le parole grigie compaiono man mano.</translation>
    </message>
    <message>
        <source>You&apos;re all set</source>
        <translation>Tutto pronto</translation>
    </message>
    <message>
        <source>Accessibility is on and %1 is ready. %app works in every app you type in.</source>
        <translation>L&apos;accessibilità è attiva e %1 è pronto. %app funziona in ogni app in cui scrivi.</translation>
    </message>
    <message>
        <source>Waiting for %1 to quit</source>
        <translation>In attesa che %1 si chiuda</translation>
    </message>
    <message>
        <source>Turned off</source>
        <translation>Disattivato</translation>
    </message>
    <message>
        <source>Paused everywhere</source>
        <translation>In pausa ovunque</translation>
    </message>
    <message>
        <source>%1, %2 typical wait</source>
        <translation>%1, attesa tipica %2</translation>
    </message>
    <message>
        <source>Start your streak today.</source>
        <translation>Inizia la tua serie oggi.</translation>
    </message>
    <message>
        <source>Overview</source>
        <translation>Panoramica</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Generali</translation>
    </message>
    <message>
        <source>Engine</source>
        <translation>Motore</translation>
    </message>
    <message>
        <source>Context</source>
        <translation>Contesto</translation>
    </message>
    <message>
        <source>Your Voice</source>
        <translation>Il tuo stile</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Tasti</translation>
    </message>
    <message>
        <source>Emoji</source>
        <translation>Emoji</translation>
    </message>
    <message>
        <source>Battery</source>
        <translation>Batteria</translation>
    </message>
    <message>
        <source>Insights</source>
        <translation>Statistiche</translation>
    </message>
    <message>
        <source>Field Inspector</source>
        <translation>Ispettore campi</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>How %app is doing today</source>
        <translation>Come va %app oggi</translation>
    </message>
    <message>
        <source>Where and how suggestions appear</source>
        <translation>Dove e come compaiono i suggerimenti</translation>
    </message>
    <message>
        <source>The model that writes your suggestions</source>
        <translation>Il modello che scrive i tuoi suggerimenti</translation>
    </message>
    <message>
        <source>What %app may look at to guess better</source>
        <translation>Cosa può guardare %app per indovinare meglio</translation>
    </message>
    <message>
        <source>Help suggestions sound like you</source>
        <translation>Suggerimenti che suonano come te</translation>
    </message>
    <message>
        <source>Accept, dismiss and summon suggestions</source>
        <translation>Accetta, ignora e richiama suggerimenti</translation>
    </message>
    <message>
        <source>Emoji search and emoticons</source>
        <translation>Ricerca emoji ed emoticon</translation>
    </message>
    <message>
        <source>Rules for each app and website</source>
        <translation>Regole per ogni app e sito web</translation>
    </message>
    <message>
        <source>Save power when you&apos;re unplugged</source>
        <translation>Risparmia energia quando sei a batteria</translation>
    </message>
    <message>
        <source>Words saved and how fast suggestions arrive</source>
        <translation>Parole risparmiate e rapidità dei suggerimenti</translation>
    </message>
    <message>
        <source>What %app sees in the focused field</source>
        <translation>Cosa vede %app nel campo attivo</translation>
    </message>
    <message>
        <source>Version and privacy</source>
        <translation>Versione e privacy</translation>
    </message>
    <message>
        <source>Writing</source>
        <translation>Scrittura</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Input</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Regole</translation>
    </message>
    <message>
        <source>Activity</source>
        <translation>Attività</translation>
    </message>
    <message>
        <source>%app can read the field you&apos;re typing in and insert suggestions in any app.</source>
        <translation>%app può leggere il campo in cui scrivi e inserire suggerimenti in qualsiasi app.</translation>
    </message>
    <message>
        <source>Allow Accessibility access</source>
        <translation>Consenti l&apos;accesso per l&apos;accessibilità</translation>
    </message>
    <message>
        <source>%app needs it to read the text you type in other apps and to insert suggestions.</source>
        <translation>%app ne ha bisogno per leggere il testo che scrivi in altre app e inserire suggerimenti.</translation>
    </message>
    <message>
        <source>Allow…</source>
        <translation>Consenti…</translation>
    </message>
    <message>
        <source>%1 is ready</source>
        <translation>%1 è pronto</translation>
    </message>
    <message>
        <source>Checking %1</source>
        <translation>Verifica di %1</translation>
    </message>
    <message>
        <source>This takes a moment.</source>
        <translation>Ci vuole un attimo.</translation>
    </message>
    <message>
        <source>Your engine isn&apos;t ready</source>
        <translation>Il motore non è pronto</translation>
    </message>
    <message>
        <source>Open Engine</source>
        <translation>Apri «Motore»</translation>
    </message>
    <message>
        <source>The system&apos;s predictions are off</source>
        <translation>Le previsioni di sistema sono disattivate</translation>
    </message>
    <message>
        <source>Only %app&apos;s suggestions appear while you type.</source>
        <translation>Mentre scrivi compaiono solo i suggerimenti di %app.</translation>
    </message>
    <message>
        <source>Turn off the system&apos;s predictions</source>
        <translation>Disattiva le previsioni di sistema</translation>
    </message>
    <message>
        <source>The system shows its own grey suggestions on top of %app&apos;s. Each app picks up the change the next time you open it.</source>
        <translation>Il sistema mostra i propri suggerimenti grigi sopra quelli di %app. Ogni app applica la modifica alla prossima apertura.</translation>
    </message>
    <message>
        <source>Keyboard Settings</source>
        <translation>Impostazioni tastiera</translation>
    </message>
    <message>
        <source>Turn Off</source>
        <translation>Disattiva</translation>
    </message>
    <message>
        <source>Only %app is suggesting</source>
        <translation>Suggerisce solo %app</translation>
    </message>
    <message>
        <source>Tab reaches %app again.</source>
        <translation>Il tasto Tab torna a funzionare con %app.</translation>
    </message>
    <message numerus="yes">
        <source>%1 didn&apos;t quit. They may be showing a dialog. Force Quit closes them right away.</source>
        <translation>
            <numerusform>%1 non si è chiuso. Forse mostra una finestra di dialogo. «Forza uscita» lo chiude subito.</numerusform>
            <numerusform>%1 non si sono chiusi. Forse mostrano una finestra di dialogo. «Forza uscita» li chiude subito.</numerusform>
        </translation>
    </message>
    <message>
        <source>Force Quit</source>
        <translation>Forza uscita</translation>
    </message>
    <message numerus="yes">
        <source>%1 take the Tab key before %app can, so %app stays paused in your other apps until you quit them.</source>
        <translation>
            <numerusform>%1 prende il tasto Tab prima di %app, quindi %app resta in pausa nelle altre app finché non lo chiudi.</numerusform>
            <numerusform>%1 prendono il tasto Tab prima di %app, quindi %app resta in pausa nelle altre app finché non li chiudi.</numerusform>
        </translation>
    </message>
    <message>
        <source>Only when I ask</source>
        <translation>Solo quando lo chiedo</translation>
    </message>
    <message>
        <source>On battery, suggestions appear only after you press the Suggest Now shortcut.</source>
        <translation>A batteria, i suggerimenti compaiono solo dopo aver premuto la scorciatoia «Suggerisci ora».</translation>
    </message>
    <message>
        <source>Shorter suggestions</source>
        <translation>Suggerimenti più corti</translation>
    </message>
    <message>
        <source>Fewer words take less power to write.</source>
        <translation>Meno parole richiedono meno energia.</translation>
    </message>
    <message>
        <source>Lighter model</source>
        <translation>Modello più leggero</translation>
    </message>
    <message>
        <source>Same as plugged in</source>
        <translation>Come con l&apos;alimentatore</translation>
    </message>
    <message>
        <source>Running on battery. These apply right now.</source>
        <translation>A batteria: queste opzioni valgono ora.</translation>
    </message>
    <message>
        <source>Plugged in. These wait until you unplug.</source>
        <translation>Collegato alla corrente: queste opzioni varranno quando lo scolleghi.</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modello</translation>
    </message>
    <message>
        <source>Model name</source>
        <translation>Nome del modello</translation>
    </message>
    <message>
        <source>Reload the model list</source>
        <translation>Ricarica l&apos;elenco dei modelli</translation>
    </message>
    <message>
        <source>Choose a model</source>
        <translation>Scegli un modello</translation>
    </message>
    <message>
        <source>For people who already run Ollama, LM Studio or llama-server.</source>
        <translation>Per chi usa già Ollama, LM Studio o llama-server.</translation>
    </message>
    <message>
        <source>Use your own model</source>
        <translation>Usa un tuo modello</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Indirizzo</translation>
    </message>
    <message>
        <source>API key</source>
        <translation>Chiave API</translation>
    </message>
    <message>
        <source>Only if your server asks for one</source>
        <translation>Solo se il server la richiede</translation>
    </message>
    <message>
        <source>Focused</source>
        <translation>Preciso</translation>
    </message>
    <message>
        <source>Creativity</source>
        <translation>Creatività</translation>
    </message>
    <message>
        <source>Loose</source>
        <translation>Libero</translation>
    </message>
    <message>
        <source>Lower stays close to the obvious next words. Higher tries more.</source>
        <translation>Più basso resta sulle parole ovvie. Più alto osa di più.</translation>
    </message>
    <message>
        <source>Wait before suggesting</source>
        <translation>Attesa prima di suggerire</translation>
    </message>
    <message>
        <source>How long you pause before %app starts.</source>
        <translation>Quanto ti fermi prima che %app parta.</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Esegui</translation>
    </message>
    <message>
        <source>Try the engine</source>
        <translation>Prova il motore</translation>
    </message>
    <message>
        <source>Sends a sample sentence and shows what comes back.</source>
        <translation>Invia una frase di esempio e mostra la risposta.</translation>
    </message>
    <message>
        <source>Running…</source>
        <translation>In esecuzione…</translation>
    </message>
    <message>
        <source>The engine answered in %1 but had nothing useful to add.</source>
        <translation>Il motore ha risposto in %1 ma non aveva nulla di utile da aggiungere.</translation>
    </message>
    <message>
        <source>That didn&apos;t work: %1</source>
        <translation>Non ha funzionato: %1</translation>
    </message>
    <message>
        <source>The request was cancelled.</source>
        <translation>La richiesta è stata annullata.</translation>
    </message>
    <message>
        <source>Startup</source>
        <translation>Avvio</translation>
    </message>
    <message>
        <source>Launch at login</source>
        <translation>Apri all&apos;accesso</translation>
    </message>
    <message>
        <source>Show today&apos;s word count next to the icon</source>
        <translation>Mostra le parole di oggi accanto all&apos;icona</translation>
    </message>
    <message>
        <source>Where suggestions appear</source>
        <translation>Dove compaiono i suggerimenti</translation>
    </message>
    <message>
        <source>Turn this off to use %app only in the apps you switch on under Apps &amp; Sites.</source>
        <translation>Disattiva per usare %app solo nelle app che attivi in «App &amp; siti».</translation>
    </message>
    <message>
        <source>By default %app waits until the caret is at the end of a line.</source>
        <translation>Di norma %app aspetta che il cursore sia a fine riga.</translation>
    </message>
    <message>
        <source>Without this, %app skips search bars and one-word boxes.</source>
        <translation>Senza questa opzione, %app salta barre di ricerca e caselle da una parola.</translation>
    </message>
    <message>
        <source>Suggestions appear only after you press the Suggest Now shortcut.</source>
        <translation>I suggerimenti compaiono solo dopo aver premuto la scorciatoia «Suggerisci ora».</translation>
    </message>
    <message>
        <source>Spelling</source>
        <translation>Ortografia</translation>
    </message>
    <message>
        <source>Waits while the word you&apos;re typing looks misspelled, so %app doesn&apos;t build on a typo.</source>
        <translation>Aspetta se la parola che scrivi sembra errata, così %app non costruisce su un refuso.</translation>
    </message>
    <message>
        <source>After a misspelled word, shows a fix next to the caret. Press Tab to swap it in.</source>
        <translation>Dopo una parola errata, mostra una correzione vicino al cursore. Premi Tab per sostituirla.</translation>
    </message>
    <message>
        <source>Look</source>
        <translation>Aspetto</translation>
    </message>
    <message>
        <source>Suggestion color</source>
        <translation>Colore dei suggerimenti</translation>
    </message>
    <message>
        <source>Text size</source>
        <translation>Dimensione testo</translation>
    </message>
    <message>
        <source>Fine-tune if suggestions look larger or smaller than your text.</source>
        <translation>Regola se i suggerimenti sembrano più grandi o più piccoli del tuo testo.</translation>
    </message>
    <message>
        <source>Vertical position</source>
        <translation>Posizione verticale</translation>
    </message>
    <message>
        <source>Nudge suggestions up or down to line up with your text.</source>
        <translation>Sposta i suggerimenti su o giù per allinearli al testo.</translation>
    </message>
    <message>
        <source>A small keycap after your first suggestions, as a reminder of what to press.</source>
        <translation>Una piccola icona del tasto dopo i primi suggerimenti, per ricordarti cosa premere.</translation>
    </message>
    <message>
        <source>Insert suggestions by</source>
        <translation>Inserimento dei suggerimenti</translation>
    </message>
    <message>
        <source>Other autocomplete apps</source>
        <translation>Altre app di completamento</translation>
    </message>
    <message>
        <source>They take the Tab key before %app can. With this off, %app asks you first.</source>
        <translation>Prendono il tasto Tab prima di %app. Se è disattivato, %app ti chiede prima.</translation>
    </message>
    <message>
        <source>%1 is another device on your network, so the text around your caret will be sent there.</source>
        <translation>%1 è un altro dispositivo della tua rete, quindi il testo attorno al cursore verrà inviato lì.</translation>
    </message>
    <message>
        <source>%1 isn&apos;t this computer, so the text around your caret will be sent there.</source>
        <translation>%1 non è questo computer, quindi il testo attorno al cursore verrà inviato lì.</translation>
    </message>
    <message>
        <source>Both keep your text on this computer.</source>
        <translation>Entrambi tengono il tuo testo su questo computer.</translation>
    </message>
    <message>
        <source>%app opens by itself when you start your computer.</source>
        <translation>%app si apre da solo all&apos;avvio del computer.</translation>
    </message>
    <message>
        <source>System predictions</source>
        <translation>Previsioni di sistema</translation>
    </message>
    <message>
        <source>The system can show its own grey predictions. Keeping them off avoids two suggestions at once.</source>
        <translation>Il sistema può mostrare le proprie previsioni grigie. Tenerle disattivate evita due suggerimenti insieme.</translation>
    </message>
    <message>
        <source>System predictions are on</source>
        <translation>Previsioni di sistema attive</translation>
    </message>
    <message>
        <source>System predictions are off</source>
        <translation>Previsioni di sistema disattivate</translation>
    </message>
    <message>
        <source>tab</source>
        <translation>tab</translation>
    </message>
    <message>
        <source>Your next words, one Tab away.</source>
        <translation>Le tue prossime parole, a un Tab di distanza.</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Salta</translation>
    </message>
    <message>
        <source>Get Started</source>
        <translation>Inizia</translation>
    </message>
    <message>
        <source>Turn sound on</source>
        <translation>Attiva audio</translation>
    </message>
    <message>
        <source>Turn sound off</source>
        <translation>Disattiva audio</translation>
    </message>
    <message>
        <source>The other app</source>
        <translation>L&apos;altra app</translation>
    </message>
    <message numerus="yes">
        <source>Next time, quit %1 without asking</source>
        <translation>
            <numerusform>La prossima volta chiudi %1 senza chiedere</numerusform>
            <numerusform>La prossima volta chiudi %1 senza chiedere</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 is also running</source>
        <translation>
            <numerusform>È aperto anche %1</numerusform>
            <numerusform>Sono aperti anche %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Quitting…</source>
        <translation>Chiusura…</translation>
    </message>
    <message numerus="yes">
        <source>%1 is still open</source>
        <translation>
            <numerusform>%1 è ancora aperto</numerusform>
            <numerusform>%1 sono ancora aperti</numerusform>
        </translation>
    </message>
    <message>
        <source>%app has the Tab key</source>
        <translation>%app ha il tasto Tab</translation>
    </message>
    <message>
        <source>%1 quit, so your suggestions are back in every app.</source>
        <translation>%1 si è chiuso: i tuoi suggerimenti tornano in ogni app.</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fine</translation>
    </message>
    <message>
        <source>Open Source Notices</source>
        <translation>Note open source</translation>
    </message>
    <message>
        <source>Reset all settings?</source>
        <translation>Ripristinare tutte le impostazioni?</translation>
    </message>
    <message>
        <source>This also clears your rules for apps and sites. Your statistics and writing memory stay.</source>
        <translation>Cancella anche le regole per app e siti. Statistiche e memoria di scrittura restano.</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Ripristina</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versione %1</translation>
    </message>
    <message>
        <source>Some apps hide their text</source>
        <translation>Alcune app nascondono il testo</translation>
    </message>
    <message>
        <source>Suggest emoji after a colon</source>
        <translation>Suggerisci emoji dopo i due punti</translation>
    </message>
    <message>
        <source>Turn emoticons into emoji</source>
        <translation>Trasforma le emoticon in emoji</translation>
    </message>
    <message>
        <source>After :-) or &lt;3, %app offers the matching emoji. Press Tab to swap it in.</source>
        <translation>Dopo :-) o &lt;3, %app propone l&apos;emoji corrispondente. Premi Tab per inserirla.</translation>
    </message>
    <message>
        <source>Skin tone</source>
        <translation>Tonalità della pelle</translation>
    </message>
    <message>
        <source>Also show the default yellow</source>
        <translation>Mostra anche il giallo predefinito</translation>
    </message>
    <message>
        <source>Try a word</source>
        <translation>Prova una parola</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Leggera</translation>
    </message>
    <message>
        <source>No emoji match “%1”</source>
        <translation>Nessuna emoji per «%1»</translation>
    </message>
    <message>
        <source>Accepting</source>
        <translation>Accettazione</translation>
    </message>
    <message>
        <source>Take the next word</source>
        <translation>Prendi la parola successiva</translation>
    </message>
    <message>
        <source>Press again for each following word.</source>
        <translation>Premi di nuovo per ogni parola seguente.</translation>
    </message>
    <message>
        <source>Take the whole suggestion</source>
        <translation>Prendi tutto il suggerimento</translation>
    </message>
    <message>
        <source>The key above Tab is easy to reach on most keyboards.</source>
        <translation>Il tasto sopra Tab è facile da raggiungere sulla maggior parte delle tastiere.</translation>
    </message>
    <message>
        <source>Include the space after a word</source>
        <translation>Includi lo spazio dopo una parola</translation>
    </message>
    <message>
        <source>Include punctuation right after a word</source>
        <translation>Includi la punteggiatura subito dopo una parola</translation>
    </message>
    <message>
        <source>When you press Escape</source>
        <translation>Quando premi Esc</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Scorciatoie</translation>
    </message>
    <message>
        <source>Suggest now</source>
        <translation>Suggerisci ora</translation>
    </message>
    <message>
        <source>Asks for a suggestion right away, even where %app would normally wait.</source>
        <translation>Chiede subito un suggerimento, anche dove %app di solito aspetterebbe.</translation>
    </message>
    <message>
        <source>Other suggestions</source>
        <translation>Altri suggerimenti</translation>
    </message>
    <message>
        <source>Lists a few different ways to continue. Choose with the arrow keys, then press Tab.</source>
        <translation>Elenca alcuni modi diversi di continuare. Scegli con le frecce, poi premi Tab.</translation>
    </message>
    <message>
        <source>Pause or resume in this app</source>
        <translation>Pausa o ripresa in questa app</translation>
    </message>
    <message>
        <source>Pauses for 15 minutes.</source>
        <translation>Mette in pausa per 15 minuti.</translation>
    </message>
    <message>
        <source>Turn %app on or off</source>
        <translation>Attiva o disattiva %app</translation>
    </message>
    <message>
        <source>Everywhere, until you press it again.</source>
        <translation>Ovunque, finché non la premi di nuovo.</translation>
    </message>
    <message>
        <source>Pause or resume</source>
        <translation>Pausa o ripresa</translation>
    </message>
    <message>
        <source>Turn on or off</source>
        <translation>Attiva o disattiva</translation>
    </message>
    <message>
        <source>%1 and %2 use the same keys. Only the first will work.</source>
        <translation>«%1» e «%2» usano gli stessi tasti. Funzionerà solo il primo.</translation>
    </message>
    <message>
        <source>About you</source>
        <translation>Su di te</translation>
    </message>
    <message>
        <source>For example: I&apos;m a product designer in Berlin. I write short, friendly emails in British English and sign off with Cheers.</source>
        <translation>Ad esempio: sono una product designer a Berlino. Scrivo email brevi e cordiali in inglese britannico e chiudo con «Cheers».</translation>
    </message>
    <message>
        <source>Your role, the languages you write in, names you use often, how you like to sound.</source>
        <translation>Il tuo ruolo, le lingue in cui scrivi, i nomi che usi spesso, il tono che preferisci.</translation>
    </message>
    <message>
        <source>Writing memory</source>
        <translation>Memoria di scrittura</translation>
    </message>
    <message>
        <source>Remember how I write</source>
        <translation>Ricorda come scrivo</translation>
    </message>
    <message>
        <source>Also remember fields where I accept nothing</source>
        <translation>Ricorda anche i campi in cui non accetto nulla</translation>
    </message>
    <message>
        <source>%app learns your style sooner but keeps more of what you type.</source>
        <translation>%app impara prima il tuo stile ma conserva di più di ciò che scrivi.</translation>
    </message>
    <message>
        <source>Influence</source>
        <translation>Influenza</translation>
    </message>
    <message>
        <source>Strong</source>
        <translation>Forte</translation>
    </message>
    <message>
        <source>How many of your passages each suggestion can draw on.</source>
        <translation>Quanti dei tuoi brani può usare ogni suggerimento.</translation>
    </message>
    <message>
        <source>Erase All…</source>
        <translation>Cancella tutto…</translation>
    </message>
    <message>
        <source>Erase everything %app remembered?</source>
        <translation>Cancellare tutto ciò che %app ha memorizzato?</translation>
    </message>
    <message>
        <source>This can&apos;t be undone.</source>
        <translation>Non si può annullare.</translation>
    </message>
    <message>
        <source>Erase All</source>
        <translation>Cancella tutto</translation>
    </message>
    <message>
        <source>Nothing remembered yet</source>
        <translation>Ancora nulla in memoria</translation>
    </message>
    <message>
        <source>App and window name</source>
        <translation>Nome di app e finestra</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>Sito web</translation>
    </message>
    <message>
        <source>The site&apos;s domain when you write in a browser.</source>
        <translation>Il dominio del sito quando scrivi in un browser.</translation>
    </message>
    <message>
        <source>Recently copied text</source>
        <translation>Testo copiato di recente</translation>
    </message>
    <message>
        <source>Anything you copied in the last 10 minutes. Copies from password managers are skipped.</source>
        <translation>Tutto ciò che hai copiato negli ultimi 10 minuti. Le copie dai gestori di password vengono saltate.</translation>
    </message>
    <message>
        <source>Text on screen</source>
        <translation>Testo sullo schermo</translation>
    </message>
    <message>
        <source>Reads the window you&apos;re writing in, so replies fit the conversation. It picks the lines closest to where you type.</source>
        <translation>Legge la finestra in cui scrivi, perché le risposte siano adatte alla conversazione. Sceglie le righe più vicine a dove scrivi.</translation>
    </message>
    <message>
        <source>What you just looked at</source>
        <translation>Cosa hai appena guardato</translation>
    </message>
    <message>
        <source>Windows beside you</source>
        <translation>Finestre accanto</translation>
    </message>
    <message>
        <source>Also reads up to two other windows on the same screen, like the document you&apos;re replying about. Skips password managers and apps you switched off.</source>
        <translation>Legge anche fino ad altre due finestre sullo stesso schermo, come il documento di cui parla la tua risposta. Salta i gestori di password e le app che hai disattivato.</translation>
    </message>
    <message>
        <source>Off in this app</source>
        <translation>Disattivato in questa app</translation>
    </message>
    <message>
        <source>This word looks misspelled</source>
        <translation>Questa parola sembra errata</translation>
    </message>
    <message>
        <source>Thanks for the notes. I&apos;ll send the revised deck</source>
        <translation>Grazie per le note. Manderò la presentazione rivista</translation>
    </message>
    <message>
        <source> by Friday morning.</source>
        <translation> entro venerdì mattina.</translation>
    </message>
    <message>
        <source>%1 quit. %app has the Tab key.</source>
        <translation>%1 si è chiuso. %app ha il tasto Tab.</translation>
    </message>
    <message>
        <source>Open Data Folder</source>
        <translation>Apri cartella dati</translation>
    </message>
    <message>
        <source>Show Welcome Again</source>
        <translation>Rivedi il benvenuto</translation>
    </message>
    <message>
        <source>Play Intro Again</source>
        <translation>Rivedi l&apos;intro</translation>
    </message>
    <message>
        <source>Reset Settings…</source>
        <translation>Ripristina impostazioni…</translation>
    </message>
    <message>
        <source>Suggest in every app</source>
        <translation>Suggerisci in ogni app</translation>
    </message>
    <message>
        <source>Suggest in code editors</source>
        <translation>Suggerisci negli editor di codice</translation>
    </message>
    <message>
        <source>Suggest in the middle of a line</source>
        <translation>Suggerisci a metà riga</translation>
    </message>
    <message>
        <source>Suggest in small fields</source>
        <translation>Suggerisci nei campi piccoli</translation>
    </message>
    <message>
        <source>Hold back on misspelled words</source>
        <translation>Attendi se la parola sembra errata</translation>
    </message>
    <message>
        <source>Offer spelling fixes</source>
        <translation>Proponi correzioni ortografiche</translation>
    </message>
    <message>
        <source>Show the key hint</source>
        <translation>Mostra l&apos;indicatore del tasto</translation>
    </message>
    <message>
        <source>Quit other autocomplete apps when they open</source>
        <translation>Chiudi le altre app di completamento all&apos;apertura</translation>
    </message>
    <message>
        <source>Keeps a few minutes of text from windows you switched away from, like a page you read before replying. It stays on your computer and skips apps you switched off.</source>
        <translation>Conserva qualche minuto di testo dalle finestre che hai lasciato, come una pagina letta prima di rispondere. Resta sul tuo computer e salta le app che hai disattivato.</translation>
    </message>
    <message numerus="yes">
        <source>Both apps answer the Tab key, and the system gives it to %1 first. %app stays paused in your other apps until %1 quits.</source>
        <translation>
            <numerusform>Entrambe le app rispondono al tasto Tab, e il sistema lo dà prima a %1. %app resta in pausa nelle altre app finché %1 non si chiude.</numerusform>
            <numerusform>%1 prendono il tasto Tab prima di %app, quindi %app resta in pausa nelle altre app finché non li chiudi.</numerusform>
        </translation>
    </message>
    <message>
        <source>Finishes your sentences in any app, on your computer.</source>
        <translation>Completa le tue frasi in qualsiasi app, sul tuo computer.</translation>
    </message>
    <message>
        <source>Keeps short passages from fields where you accepted a suggestion, encrypted on this computer, and shows them to the model as examples.</source>
        <translation>Conserva brevi brani dai campi in cui hai accettato un suggerimento, cifrati su questo computer, e li mostra al modello come esempi.</translation>
    </message>
    <message>
        <source>Light</source>
        <comment>skin tone</comment>
        <translation>Chiara</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Default</source>
        <comment>skin tone</comment>
        <translation>Predefinita</translation>
    </message>
    <message>
        <source>Medium light</source>
        <comment>skin tone</comment>
        <translation>Medio-chiara</translation>
    </message>
    <message>
        <source>Medium</source>
        <comment>skin tone</comment>
        <translation>Media</translation>
    </message>
    <message>
        <source>Medium dark</source>
        <comment>skin tone</comment>
        <translation>Medio-scura</translation>
    </message>
    <message>
        <source>Dark</source>
        <comment>skin tone</comment>
        <translation>Scura</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Sconosciuto</translation>
    </message>
    <message>
        <source>%1 × %2 pt</source>
        <translation>%1 × %2 pt</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Not reported, estimated from the caret</source>
        <translation>Non indicato, stimato dal cursore</translation>
    </message>
    <message>
        <source>%1 %2 pt</source>
        <translation>%1 %2 pt</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Sistema</translation>
    </message>
    <message>
        <source>Not yet</source>
        <translation>Non ancora</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Oggi</translation>
    </message>
    <message>
        <source>Last 7 days</source>
        <translation>Ultimi 7 giorni</translation>
    </message>
    <message>
        <source>All time</source>
        <translation>Da sempre</translation>
    </message>
    <message>
        <source>Typing saved</source>
        <translation>Tempo di digitazione risparmiato</translation>
    </message>
    <message>
        <source>at 40 words a minute</source>
        <translation>a 40 parole al minuto</translation>
    </message>
    <message>
        <source>Accepted</source>
        <translation>Accettati</translation>
    </message>
    <message>
        <source>of suggestions shown</source>
        <translation>dei suggerimenti mostrati</translation>
    </message>
    <message>
        <source>Typical wait</source>
        <translation>Attesa tipica</translation>
    </message>
    <message>
        <source>9 in 10 under %1</source>
        <translation>9 su 10 sotto %1</translation>
    </message>
    <message>
        <source>no requests yet</source>
        <translation>ancora nessuna richiesta</translation>
    </message>
    <message>
        <source>Words saved</source>
        <translation>Parole risparmiate</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>Periodo</translation>
    </message>
    <message>
        <source>Nothing to chart yet</source>
        <translation>Ancora niente da mostrare</translation>
    </message>
    <message>
        <source>Accept a few suggestions and your days show up here.</source>
        <translation>Accetta qualche suggerimento e i tuoi giorni compariranno qui.</translation>
    </message>
    <message>
        <source>Where you write</source>
        <translation>Dove scrivi</translation>
    </message>
    <message>
        <source>Reset Statistics…</source>
        <translation>Azzera statistiche…</translation>
    </message>
    <message>
        <source>Reset all statistics?</source>
        <translation>Azzerare tutte le statistiche?</translation>
    </message>
    <message>
        <source>This clears words saved, acceptance and timing history.</source>
        <translation>Cancella la cronologia di parole risparmiate, accettazioni e tempi di attesa.</translation>
    </message>
    <message>
        <source>Copy Diagnostics</source>
        <translation>Copia diagnostica</translation>
    </message>
    <message>
        <source>Diagnostics leave out the text you typed.</source>
        <translation>La diagnostica esclude il testo che hai scritto.</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stato</translation>
    </message>
    <message>
        <source>Right now</source>
        <translation>In questo momento</translation>
    </message>
    <message>
        <source>Allowed</source>
        <translation>Consentito</translation>
    </message>
    <message>
        <source>Not allowed</source>
        <translation>Non consentito</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Tastiera</translation>
    </message>
    <message>
        <source>Listening</source>
        <translation>In ascolto</translation>
    </message>
    <message>
        <source>Not listening</source>
        <translation>Non in ascolto</translation>
    </message>
    <message>
        <source>Focused field</source>
        <translation>Campo attivo</translation>
    </message>
    <message>
        <source>Click into a text field in another app, then come back. The last field %1 saw stays here.</source>
        <translation>Fai clic in un campo di testo di un&apos;altra app, poi torna qui. L&apos;ultimo campo visto da %1 resta qui.</translation>
    </message>
    <message>
        <source>App</source>
        <translation>App</translation>
    </message>
    <message>
        <source>Field type</source>
        <translation>Tipo di campo</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>Finestra</translation>
    </message>
    <message>
        <source>Field size</source>
        <translation>Dimensioni campo</translation>
    </message>
    <message>
        <source>Caret found</source>
        <translation>Cursore trovato</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Font</translation>
    </message>
    <message>
        <source>At end of line</source>
        <translation>A fine riga</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sì</translation>
    </message>
    <message>
        <source>Secure input</source>
        <translation>Input sicuro</translation>
    </message>
    <message>
        <source>Looked at lately</source>
        <translation>Visto di recente</translation>
    </message>
    <message>
        <source>Text before the caret</source>
        <translation>Testo prima del cursore</translation>
    </message>
    <message>
        <source>Last request</source>
        <translation>Ultima richiesta</translation>
    </message>
    <message>
        <source>Wait</source>
        <translation>Attesa</translation>
    </message>
    <message>
        <source>Suggestion</source>
        <translation>Suggerimento</translation>
    </message>
    <message>
        <source>Prompt sent to the engine</source>
        <translation>Prompt inviato al motore</translation>
    </message>
    <message>
        <source>Raw answer</source>
        <translation>Risposta grezza</translation>
    </message>
    <message>
        <source>(empty)</source>
        <translation>(vuoto)</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>Copiato</translation>
    </message>
    <message>
        <source>Choose a language</source>
        <translation>Scegli una lingua</translation>
    </message>
    <message>
        <source>Search languages</source>
        <translation>Cerca lingue</translation>
    </message>
    <message>
        <source>Same as my computer</source>
        <translation>Come il computer</translation>
    </message>
    <message>
        <source>Switch to %1?</source>
        <translation>Passare a %1?</translation>
    </message>
    <message>
        <source>%1 closes and opens again in a second. Your settings stay as they are.</source>
        <translation>%1 si chiude e si riapre in un secondo. Le impostazioni restano invariate.</translation>
    </message>
    <message>
        <source>Reopen Now</source>
        <translation>Riapri ora</translation>
    </message>
    <message>
        <source>App language</source>
        <translation>Lingua dell&apos;app</translation>
    </message>
    <message>
        <source>Pick the language you read most easily. Suggestions follow whatever language you type.</source>
        <translation>Scegli la lingua che leggi più facilmente. I suggerimenti seguono la lingua in cui scrivi.</translation>
    </message>
    <message>
        <source>Change the app language</source>
        <translation>Cambia la lingua dell&apos;app</translation>
    </message>
    <message>
        <source>0 min</source>
        <translation>0 min</translation>
    </message>
    <message>
        <source>under a minute</source>
        <translation>meno di un minuto</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>Not set</source>
        <translation>Non impostata</translation>
    </message>
    <message>
        <source>Clear shortcut</source>
        <translation>Cancella scorciatoia</translation>
    </message>
    <message>
        <source>Add Ctrl, Alt or Super so normal typing still works.</source>
        <translation>Aggiungi Ctrl, Alt o Super perché la digitazione normale funzioni ancora.</translation>
    </message>
    <message>
        <source>Type a shortcut…</source>
        <translation>Premi una scorciatoia…</translation>
    </message>
    <message>
        <source>Recording shortcut</source>
        <translation>Registrazione scorciatoia</translation>
    </message>
    <message>
        <source>Shortcut %1</source>
        <translation>Scorciatoia %1</translation>
    </message>
    <message>
        <source>Record shortcut</source>
        <translation>Registra scorciatoia</translation>
    </message>
    <message>
        <source>Shortcut not set</source>
        <translation>Scorciatoia non impostata</translation>
    </message>
    <message>
        <source>Press to record a new shortcut. Escape cancels.</source>
        <translation>Premi per registrare una nuova scorciatoia. Esc annulla.</translation>
    </message>
    <message>
        <source>Your tray icon is hidden</source>
        <translation>L&apos;icona nell&apos;area di notifica è nascosta</translation>
    </message>
    <message>
        <source>This computer has no on-device language model</source>
        <translation>Questo computer non ha un modello linguistico integrato</translation>
    </message>
    <message>
        <source>Turn on the on-device model in the desktop&apos;s settings</source>
        <translation>Attiva il modello sul dispositivo nelle impostazioni del desktop</translation>
    </message>
    <message>
        <source>The on-device model is unavailable</source>
        <translation>Il modello sul dispositivo non è disponibile</translation>
    </message>
    <message>
        <source>Downloading. The on-device model fills in until it&apos;s done.</source>
        <translation>Download in corso. Nel frattempo supplisce il modello sul dispositivo.</translation>
    </message>
    <message>
        <source>The on-device model fills in until you download it.</source>
        <translation>Finché non lo scarichi, supplisce il modello sul dispositivo.</translation>
    </message>
    <message>
        <source>%1 shares no text. Quit it and start it with %2 to get suggestions in it.</source>
        <translation>%1 non condivide testo. Chiudilo e riavvialo con %2 per avere suggerimenti.</translation>
    </message>
    <message>
        <source>On-device model</source>
        <translation>Modello sul dispositivo</translation>
    </message>
    <message>
        <source>The system&apos;s own language model. Nothing to download.</source>
        <translation>Il modello linguistico del sistema. Niente da scaricare.</translation>
    </message>
    <message>
        <source>A website name cannot hold spaces, tabs or line breaks.</source>
        <translation>Il nome di un sito non può contenere spazi, tabulazioni o a capo.</translation>
    </message>
    <message>
        <source>Only addresses that start with http or https can be added.</source>
        <translation>Si possono aggiungere solo indirizzi che iniziano con http o https.</translation>
    </message>
    <message>
        <source>That is not a website name. Type one such as wikipedia.org.</source>
        <translation>Questo non è il nome di un sito. Scrivine uno come wikipedia.org.</translation>
    </message>
    <message>
        <source>A port is a number from 1 to 65535.</source>
        <translation>Una porta è un numero da 1 a 65535.</translation>
    </message>
    <message>
        <source>The on-device model fills in until the download is done.</source>
        <translation>Fino al termine del download supplisce il modello sul dispositivo.</translation>
    </message>
    <message>
        <source>Suggestions start once the download is done.</source>
        <translation>I suggerimenti partono al termine del download.</translation>
    </message>
    <message>
        <source>This frees %1. The on-device model fills in until you download it again.</source>
        <translation>Libera %1. Finché non lo riscarichi, supplisce il modello sul dispositivo.</translation>
    </message>
    <message>
        <source>This frees %1. The %app model can&apos;t suggest until you download it again.</source>
        <translation>Libera %1. Il modello %app non potrà suggerire finché non lo riscarichi.</translation>
    </message>
    <message>
        <source>There&apos;s no room for it, or your panel has no system tray. Add the panel&apos;s system tray or status area applet in its settings.</source>
        <translation>Non c&apos;è spazio, oppure il pannello non ha un&apos;area di notifica. Aggiungi l&apos;applet area di notifica o area di stato nelle impostazioni del pannello.</translation>
    </message>
    <message>
        <source>GNOME shows tray icons only with the AppIndicator extension. Install the gnome-shell-extension-appindicator package, log out and in, then turn it on in Extensions.</source>
        <translation>GNOME mostra le icone nell&apos;area di notifica solo con l&apos;estensione AppIndicator. Installa il pacchetto gnome-shell-extension-appindicator, esci e rientra, poi attivala in «Estensioni».</translation>
    </message>
    <message>
        <source>GNOME shows tray icons only with the AppIndicator extension. It is installed but off: turn it on in Extensions.</source>
        <translation>GNOME mostra le icone nell&apos;area di notifica solo con l&apos;estensione AppIndicator. È installata ma disattivata: attivala in «Estensioni».</translation>
    </message>
    <message>
        <source>Until then, open %app from your applications menu to reach Settings.</source>
        <translation>Nel frattempo apri %app dal menu delle applicazioni per raggiungere le Impostazioni.</translation>
    </message>
    <message>
        <source>Open Extensions</source>
        <translation>Apri «Estensioni»</translation>
    </message>
    <message>
        <source>Show Count in Tray</source>
        <translation>Mostra conteggio accanto all&apos;icona</translation>
    </message>
    <message>
        <source>%1 shares no text</source>
        <translation>%1 non condivide testo</translation>
    </message>
    <message>
        <source>Copy command</source>
        <translation>Copia comando</translation>
    </message>
    <message>
        <source>There&apos;s no account and no analytics. With the %app model or the on-device model, your text stays on this computer.</source>
        <translation>Niente account e niente statistiche d&apos;uso. Con il modello %app o quello sul dispositivo, il tuo testo resta su questo computer.</translation>
    </message>
    <message>
        <source>There&apos;s no account and no analytics. With the %app model, your text stays on this computer.</source>
        <translation>Niente account e niente statistiche d&apos;uso. Con il modello %app, il tuo testo resta su questo computer.</translation>
    </message>
    <message>
        <source>%app lives in your system tray from now on. Click its icon to pause it in an app or open Settings.</source>
        <translation>D&apos;ora in poi %app vive nell&apos;area di notifica. Fai clic sulla sua icona per metterlo in pausa in un&apos;app o aprire le Impostazioni.</translation>
    </message>
    <message>
        <source>%app has no account, no analytics and no servers of its own. The %app model and the on-device model keep your text on this computer. Other engines get it only if you set one up.</source>
        <translation>%app non ha account né server propri e non raccoglie statistiche d&apos;uso. Il modello %app e quello sul dispositivo tengono il tuo testo su questo computer. Gli altri motori lo ricevono solo se ne configuri uno.</translation>
    </message>
    <message>
        <source>%app has no account, no analytics and no servers of its own. The %app model keeps your text on this computer. Other engines get it only if you set one up.</source>
        <translation>%app non ha account né server propri e non raccoglie statistiche d&apos;uso. Il modello %app tiene il tuo testo su questo computer. Gli altri motori lo ricevono solo se ne configuri uno.</translation>
    </message>
    <message>
        <source>Installed applications</source>
        <translation>Applicazioni installate</translation>
    </message>
    <message>
        <source>%app reads these only while making a suggestion and never saves them. With the %app model or the on-device model, nothing leaves your computer.</source>
        <translation>%app li legge solo mentre crea un suggerimento e non li salva mai. Con il modello %app o quello sul dispositivo, nulla lascia il tuo computer.</translation>
    </message>
    <message>
        <source>%app reads these only while making a suggestion and never saves them. With the %app model, nothing leaves your computer.</source>
        <translation>%app li legge solo mentre crea un suggerimento e non li salva mai. Con il modello %app, nulla lascia il tuo computer.</translation>
    </message>
    <message>
        <source>The %app model keeps your text on this computer.</source>
        <translation>Il modello %app tiene il tuo testo su questo computer.</translation>
    </message>
    <message>
        <source>The key holds a line break or another control character. Paste it again without them.</source>
        <translation>La chiave contiene un a capo o un altro carattere di controllo. Incollala di nuovo senza.</translation>
    </message>
    <message>
        <source>Waiting for the keyring to store the key.</source>
        <translation>In attesa che il portachiavi salvi la chiave.</translation>
    </message>
    <message>
        <source>The keyring cannot keep this key, so it is used only until %app quits.</source>
        <translation>Il portachiavi non può conservare questa chiave, quindi verrà usata solo finché %app non si chiude.</translation>
    </message>
    <message>
        <source>Show in the system tray</source>
        <translation>Mostra nell&apos;area di notifica</translation>
    </message>
    <message>
        <source>Pause or open Settings from the system tray. Hidden? Open %app from your applications menu to come back.</source>
        <translation>Metti in pausa o apri le Impostazioni dall&apos;area di notifica. Icona nascosta? Apri %app dal menu delle applicazioni per tornare.</translation>
    </message>
    <message>
        <source>This tray can&apos;t show text beside icons, so the count shows in the icon&apos;s tooltip.</source>
        <translation>Quest&apos;area di notifica non mostra testo accanto alle icone, quindi il conteggio compare nel tooltip dell&apos;icona.</translation>
    </message>
    <message>
        <source>VS Code, VSCodium, Cursor, Zed, Kate, Sublime Text, JetBrains IDEs and similar apps.</source>
        <translation>VS Code, VSCodium, Cursor, Zed, Kate, Sublime Text, IDE JetBrains e app simili.</translation>
    </message>
    <message>
        <source>Your settings could not be read, so they were set aside and %app started over with its defaults.</source>
        <translation>Non è stato possibile leggere le impostazioni, quindi sono state messe da parte e %app è ripartito con i valori predefiniti.</translation>
    </message>
    <message>
        <source>Your settings are not saved: %app cannot write to its settings folder.</source>
        <translation>Le impostazioni non vengono salvate: %app non può scrivere nella sua cartella delle impostazioni.</translation>
    </message>
    <message>
        <source>Your app and website rules could not be read, so they were set aside.</source>
        <translation>Non è stato possibile leggere le regole per app e siti web, quindi sono state messe da parte.</translation>
    </message>
    <message>
        <source>Your statistics could not be read, so they were set aside and counting started over.</source>
        <translation>Non è stato possibile leggere le statistiche, quindi sono state messe da parte e il conteggio è ripartito.</translation>
    </message>
    <message>
        <source>Not saved: %app cannot write to its data folder.</source>
        <translation>Non salvato: %app non può scrivere nella sua cartella dati.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln suggestions. %1 selected</source>
        <translation>
            <numerusform>%Ln suggerimento. Selezionato: %1</numerusform>
            <numerusform>%Ln suggerimenti. Selezionato: %1</numerusform>
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
            <numerusform>%Ln parola</numerusform>
            <numerusform>%Ln parole</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln passages from here</source>
        <translation>
            <numerusform>%Ln brano ricordato qui</numerusform>
            <numerusform>%Ln brani ricordati qui</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>words</source>
        <comment>unit after a count</comment>
        <translation>
            <numerusform>parola</numerusform>
            <numerusform>parole</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln days</source>
        <translation>
            <numerusform>%Ln giorno</numerusform>
            <numerusform>%Ln giorni</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Words saved per day over the last %Ln days</source>
        <translation>
            <numerusform>Parole risparmiate al giorno nell&apos;ultimo giorno</numerusform>
            <numerusform>Parole risparmiate al giorno negli ultimi %Ln giorni</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln day streak</source>
        <translation>
            <numerusform>Serie di %Ln giorno</numerusform>
            <numerusform>Serie di %Ln giorni</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln passages remembered</source>
        <translation>
            <numerusform>%Ln brano ricordato</numerusform>
            <numerusform>%Ln brani ricordati</numerusform>
        </translation>
    </message>
    <message>
        <source>enter</source>
        <translation>invio</translation>
    </message>
    <message>
        <source>Allow screen capture so %app can read those too. Most apps work without it.</source>
        <translation>Consenti la cattura dello schermo perché %app possa leggere anche quelle. La maggior parte delle app funziona senza.</translation>
    </message>
    <message>
        <source>Type a colon and a word, like :rocket, then press Tab or Enter to pick.</source>
        <translation>Digita i due punti e una parola, come :rocket, poi premi Tab o Invio per scegliere.</translation>
    </message>
    <message>
        <source>You can switch memory off for single apps under Apps &amp; Sites. The key that unlocks it lives in your keyring.</source>
        <translation>Puoi disattivare la memoria per singole app in «App &amp; siti». La chiave che la sblocca è nel tuo portachiavi.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln emoji. %1 selected</source>
        <translation>
            <numerusform>%Ln emoji. Selezionata: %1</numerusform>
            <numerusform>%Ln emoji. Selezionata: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Suggestion: %1</source>
        <translation>Suggerimento: %1</translation>
    </message>
    <message numerus="yes">
        <source>%Ln models available</source>
        <translation>
            <numerusform>%Ln modello disponibile</numerusform>
            <numerusform>%Ln modelli disponibili</numerusform>
        </translation>
    </message>
    <message>
        <source>The model couldn&apos;t be saved: %1</source>
        <translation>Impossibile salvare il modello: %1</translation>
    </message>
    <message>
        <source>Ollama isn&apos;t running.</source>
        <translation>Ollama non è in esecuzione.</translation>
    </message>
    <message>
        <source>Ollama isn&apos;t running at %1.</source>
        <translation>Ollama non è in esecuzione su %1.</translation>
    </message>
    <message>
        <source>No server answered.</source>
        <translation>Nessun server ha risposto.</translation>
    </message>
    <message>
        <source>No server answered at %1.</source>
        <translation>Nessun server ha risposto su %1.</translation>
    </message>
    <message>
        <source>Range: %1</source>
        <translation>Periodo: %1</translation>
    </message>
    <message numerus="yes">
        <source>%1, %Ln to do</source>
        <translation>
            <numerusform>%1, %Ln da fare</numerusform>
            <numerusform>%1, %Ln da fare</numerusform>
        </translation>
    </message>
    <message>
        <source>Type the whole name of the website, such as wikipedia.org.</source>
        <translation>Scrivi il nome completo del sito, come wikipedia.org.</translation>
    </message>
    <message>
        <source>The key holds a space, an invisible character or a letter outside plain ASCII. Paste it again exactly as your server gave it.</source>
        <translation>La chiave contiene uno spazio, un carattere invisibile o una lettera fuori dall&apos;ASCII semplice. Incollala di nuovo esattamente come te l&apos;ha data il server.</translation>
    </message>
    <message>
        <source>The keyring could not be read, so your server is asked without an API key. Type the key again if your server needs one.</source>
        <translation>Non è stato possibile leggere il portachiavi, quindi il server viene interrogato senza chiave API. Scrivi di nuovo la chiave se il server ne ha bisogno.</translation>
    </message>
    <message>
        <source>Your writing memory could not be opened, so it was set aside and %app started a new one.</source>
        <translation>Non è stato possibile aprire la memoria di scrittura, quindi è stata messa da parte e %app ne ha iniziata una nuova.</translation>
    </message>
    <message>
        <source>%1, converted for llama.cpp by %2</source>
        <translation>%1, convertito per llama.cpp da %2</translation>
    </message>
    <message>
        <source>The data folder %1 could not be made. Check that the folder above it exists and that you may write there.</source>
        <translation>Impossibile creare la cartella dati %1. Controlla che la cartella che la contiene esista e che tu possa scriverci.</translation>
    </message>
    <message>
        <source>party</source>
        <comment>emoji search sample</comment>
        <translation>festa</translation>
    </message>
    <message numerus="yes">
        <source>%Ln settings held values %app cannot use, so they were corrected and saved.</source>
        <translation>
            <numerusform>%Ln impostazione aveva un valore che %app non può usare, quindi è stata corretta e salvata.</numerusform>
            <numerusform>%Ln impostazioni avevano valori che %app non può usare, quindi sono state corrette e salvate.</numerusform>
        </translation>
    </message>
    <message>
        <source>Your writing memory is not saved: the keyring is missing or locked, so its key cannot be kept.</source>
        <translation>La memoria di scrittura non viene salvata: il portachiavi manca o è bloccato, quindi la chiave della memoria non può essere conservata.</translation>
    </message>
    <message>
        <source>That address isn&apos;t valid</source>
        <translation>Questo indirizzo non è valido</translation>
    </message>
    <message>
        <source>The request timed out.</source>
        <translation>La richiesta è scaduta.</translation>
    </message>
    <message>
        <source>The server&apos;s reply was too long, so it was stopped.</source>
        <translation>La risposta del server era troppo lunga ed è stata interrotta.</translation>
    </message>
    <message>
        <source>The server answered %1.</source>
        <translation>Il server ha risposto %1.</translation>
    </message>
    <message>
        <source>The server answered %1: %2</source>
        <translation>Il server ha risposto %1: %2</translation>
    </message>
    <message>
        <source>The download server answered %1. Try again later.</source>
        <translation>Il server di download ha risposto %1. Riprova più tardi.</translation>
    </message>
    <message>
        <source>The download couldn&apos;t be saved: %1</source>
        <translation>Impossibile salvare il download: %1</translation>
    </message>
    <message>
        <source>The download paused because the connection dropped. Try again to pick up where it stopped.</source>
        <translation>Il download è in pausa perché la connessione si è interrotta. Riprova per riprendere da dove si era fermato.</translation>
    </message>
    <message>
        <source>The download stopped. Check your connection, then try again.</source>
        <translation>Il download si è interrotto. Controlla la connessione, poi riprova.</translation>
    </message>
    <message>
        <source>Pick an Ollama model in Settings</source>
        <translation>Scegli un modello Ollama nelle Impostazioni</translation>
    </message>
    <message>
        <source>Pick a model for your local server</source>
        <translation>Scegli un modello per il tuo server locale</translation>
    </message>
    <message>
        <source>The server&apos;s answer is not HTTP.</source>
        <translation>La risposta del server non è HTTP.</translation>
    </message>
    <message>
        <source>The data couldn&apos;t be read because it is missing.</source>
        <translation>Impossibile leggere i dati perché mancano.</translation>
    </message>
    <message>
        <source>The data couldn&apos;t be read because it isn&apos;t in the correct format.</source>
        <translation>Impossibile leggere i dati perché non sono nel formato corretto.</translation>
    </message>
    <message>
        <source>:%1:</source>
        <comment>emoji name</comment>
        <translation>:%1:</translation>
    </message>
    <message>
        <source>This computer has no on-device language model.</source>
        <translation>Questo computer non ha un modello linguistico integrato.</translation>
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
        <translation>Maiusc</translation>
    </message>
    <message>
        <source>Super</source>
        <comment>key</comment>
        <translation>Super</translation>
    </message>
    <message>
        <source>Paused on %1</source>
        <translation>In pausa su %1</translation>
    </message>
    <message>
        <source>Paused in %1</source>
        <translation>In pausa in %1</translation>
    </message>
    <message>
        <source>Off on %1</source>
        <translation>Disattivato su %1</translation>
    </message>
    <message>
        <source>Off in %1</source>
        <translation>Disattivato in %1</translation>
    </message>
    <message>
        <source>Off in %1 by default</source>
        <translation>Disattivato in %1 per impostazione predefinita</translation>
    </message>
    <message>
        <source>Off in code editors</source>
        <translation>Disattivato negli editor di codice</translation>
    </message>
    <message>
        <source>Off unless turned on per app</source>
        <translation>Disattivato se non attivato per app</translation>
    </message>
    <message>
        <source>Tab</source>
        <comment>key</comment>
        <translation>Tab</translation>
    </message>
    <message>
        <source>Enter</source>
        <comment>key</comment>
        <translation>Invio</translation>
    </message>
    <message>
        <source>Esc</source>
        <comment>key</comment>
        <translation>Esc</translation>
    </message>
    <message>
        <source>Del</source>
        <comment>key</comment>
        <translation>Canc</translation>
    </message>
    <message>
        <source>Space</source>
        <comment>key</comment>
        <translation>Spazio</translation>
    </message>
    <message>
        <source>Home</source>
        <comment>key</comment>
        <translation>Home</translation>
    </message>
    <message>
        <source>End</source>
        <comment>key</comment>
        <translation>Fine</translation>
    </message>
    <message>
        <source>Page Up</source>
        <comment>key</comment>
        <translation>Pag su</translation>
    </message>
    <message>
        <source>Page Down</source>
        <comment>key</comment>
        <translation>Pag giù</translation>
    </message>
    <message>
        <source>Key %1</source>
        <comment>key</comment>
        <translation>Tasto %1</translation>
    </message>
    <message>
        <source>An email reply reads differently from a commit message.</source>
        <translation>Una risposta a un&apos;email suona diversa da un messaggio di commit.</translation>
    </message>
    <message>
        <source>Writes straight into the field. Cleanest in GTK and Qt apps.</source>
        <translation>Scrive direttamente nel campo. Più pulito nelle app GTK e Qt.</translation>
    </message>
    <message>
        <source>Typing</source>
        <comment>insertion method</comment>
        <translation>Digitazione</translation>
    </message>
    <message>
        <source>%1 h</source>
        <comment>hours with one decimal, such as 1.5</comment>
        <translation>%1 h</translation>
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
            <numerusform>%Ln parola risparmiata oggi</numerusform>
            <numerusform>%Ln parole risparmiate oggi</numerusform>
        </translation>
    </message>
    <message>
        <source>Under a minute of typing saved today.</source>
        <translation>Oggi hai risparmiato meno di un minuto di digitazione.</translation>
    </message>
    <message>
        <source>About %1 of typing saved today.</source>
        <translation>Oggi hai risparmiato circa %1 di digitazione.</translation>
    </message>
    <message numerus="yes">
        <source>Step %1 of %Ln</source>
        <translation>
            <numerusform>Passo %1 di %Ln</numerusform>
            <numerusform>Passo %1 di %Ln</numerusform>
        </translation>
    </message>
    <message>
        <source>%app reads and types into text fields through the desktop&apos;s accessibility support, which some desktops leave off. %app uses it only for the field you&apos;re writing in.</source>
        <translation>%app legge i campi di testo e vi scrive tramite il supporto all&apos;accessibilità del desktop, che alcuni desktop lasciano disattivato. %app lo usa solo per il campo in cui stai scrivendo.</translation>
    </message>
    <message>
        <source>The button switches the desktop&apos;s accessibility support on. If the desktop&apos;s settings open instead, turn accessibility on there, then come back. This page updates by itself.</source>
        <translation>Il pulsante attiva il supporto all&apos;accessibilità del desktop. Se invece si aprono le impostazioni del desktop, attiva lì l&apos;accessibilità e poi torna qui. Questa pagina si aggiorna da sola.</translation>
    </message>
    <message>
        <source>Still off? Some desktops start their accessibility service only when you log in. Log out and back in, then try again.</source>
        <translation>Ancora disattivata? Alcuni desktop avviano il servizio di accessibilità solo all&apos;accesso. Esci, accedi di nuovo e riprova.</translation>
    </message>
    <message>
        <source>Pause</source>
        <comment>section header</comment>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Pause</source>
        <comment>button</comment>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>typing</source>
        <comment>insertion method, in a sentence</comment>
        <translation>digitazione</translation>
    </message>
    <message>
        <source>accessibility</source>
        <comment>insertion method, in a sentence</comment>
        <translation>accessibilità</translation>
    </message>
    <message>
        <source>paste</source>
        <comment>insertion method, in a sentence</comment>
        <translation>appunti</translation>
    </message>
    <message>
        <source>short</source>
        <comment>suggestion length, in a sentence</comment>
        <translation>brevi</translation>
    </message>
    <message>
        <source>medium</source>
        <comment>suggestion length, in a sentence</comment>
        <translation>medi</translation>
    </message>
    <message>
        <source>long</source>
        <comment>suggestion length, in a sentence</comment>
        <translation>lunghi</translation>
    </message>
    <message>
        <source>Default follows General: %1, %2 suggestions.</source>
        <translation>Predefinito come in «Generali»: %1, suggerimenti %2.</translation>
    </message>
    <message>
        <source>Yes, at %1, %2 on screen, %3 pt tall, %4 and %5</source>
        <translation>Sì, a %1, %2 sullo schermo, alto %3 pt, %4 e %5</translation>
    </message>
    <message numerus="yes">
        <source>%Ln characters before it</source>
        <translation>
            <numerusform>%Ln carattere prima</numerusform>
            <numerusform>%Ln caratteri prima</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln after</source>
        <comment>characters after the caret</comment>
        <translation>
            <numerusform>%Ln dopo</numerusform>
            <numerusform>%Ln dopo</numerusform>
        </translation>
    </message>
    <message>
        <source>No system tray runs on this desktop, so the icon cannot show. %1</source>
        <translation>Su questo desktop non è attiva alcuna area di notifica, quindi l&apos;icona non può apparire. %1</translation>
    </message>
    <message>
        <source>Typing</source>
        <comment>section header</comment>
        <translation>Digitazione</translation>
    </message>
    <message>
        <source>Switch to the computer&apos;s language?</source>
        <translation>Passare alla lingua del computer?</translation>
    </message>
    <message numerus="yes">
        <source>%Ln words this week.</source>
        <translation>
            <numerusform>%Ln parola questa settimana.</numerusform>
            <numerusform>%Ln parole questa settimana.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Under a minute of typing saved today. %Ln words this week.</source>
        <translation>
            <numerusform>Oggi hai risparmiato meno di un minuto di digitazione. %Ln parola questa settimana.</numerusform>
            <numerusform>Oggi hai risparmiato meno di un minuto di digitazione. %Ln parole questa settimana.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>About %1 of typing saved today. %Ln words this week.</source>
        <translation>
            <numerusform>Oggi hai risparmiato circa %1 di digitazione. %Ln parola questa settimana.</numerusform>
            <numerusform>Oggi hai risparmiato circa %1 di digitazione. %Ln parole questa settimana.</numerusform>
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
            <numerusform>%Ln di %1 completato</numerusform>
            <numerusform>%Ln di %1 completati</numerusform>
        </translation>
    </message>
    <message>
        <source>The server refused the connection. Check that it is running and that the address is right.</source>
        <translation>Il server ha rifiutato la connessione. Controlla che sia in funzione e che l&apos;indirizzo sia giusto.</translation>
    </message>
    <message>
        <source>The server&apos;s name couldn&apos;t be found. Check the address.</source>
        <translation>Il nome del server non è stato trovato. Controlla l&apos;indirizzo.</translation>
    </message>
    <message>
        <source>A secure connection to the server couldn&apos;t be made.</source>
        <translation>Non è stato possibile stabilire una connessione sicura con il server.</translation>
    </message>
    <message>
        <source>The server closed the connection before it answered.</source>
        <translation>Il server ha chiuso la connessione prima di rispondere.</translation>
    </message>
    <message>
        <source>The network proxy couldn&apos;t be reached.</source>
        <translation>Il proxy della rete non è raggiungibile.</translation>
    </message>
    <message>
        <source>The server couldn&apos;t be reached.</source>
        <translation>Il server non è raggiungibile.</translation>
    </message>
    <message>
        <source>Waiting for the network…</source>
        <translation>In attesa della rete…</translation>
    </message>
    <message>
        <source>%1 is taken by another program.</source>
        <translation>%1 è già usato da un altro programma.</translation>
    </message>
    <message>
        <source>%1 could not open again. Your choice takes effect the next time you start it.</source>
        <translation>%1 non è riuscito a riaprirsi. La tua scelta avrà effetto al prossimo avvio.</translation>
    </message>
    <message>
        <source>Downloading the model</source>
        <translation>Download del modello</translation>
    </message>
    <message numerus="yes">
        <source>These apps answer the Tab key before %app can, so %app stays paused in your other apps until they quit.</source>
        <translation>
            <numerusform>Queste app rispondono al tasto Tab prima di %app, quindi %app resta in pausa nelle altre app finché non si chiudono.</numerusform>
            <numerusform>Queste app rispondono al tasto Tab prima di %app, quindi %app resta in pausa nelle altre app finché non si chiudono.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>It may be waiting on a dialog of its own. Force Quit closes it right away.</source>
        <translation>
            <numerusform>Forse sta aspettando una sua finestra di dialogo. «Forza uscita» lo chiude subito.</numerusform>
            <numerusform>Forse stanno aspettando le loro finestre di dialogo. «Forza uscita» li chiude subito.</numerusform>
        </translation>
    </message>
    <message>
        <source>Set a Suggest Now shortcut in Keys to ask for suggestions</source>
        <translation>Imposta una scorciatoia «Suggerisci ora» in «Tasti» per chiedere suggerimenti</translation>
    </message>
    <message>
        <source>Backspace</source>
        <comment>key above Enter that deletes backwards</comment>
        <translation>Backspace</translation>
    </message>
    <message>
        <source>0 words saved today</source>
        <translation>0 parole risparmiate oggi</translation>
    </message>
    <message>
        <source>words saved today</source>
        <comment>beside the count 0</comment>
        <translation>parole risparmiate oggi</translation>
    </message>
    <message>
        <source>Quit the other app</source>
        <translation>Chiudi l&apos;altra app</translation>
    </message>
    <message>
        <source>None yet</source>
        <comment>no app looked at yet</comment>
        <translation>Ancora nessuna</translation>
    </message>
    <message>
        <source>None yet</source>
        <comment>no suggestion shown yet</comment>
        <translation>Ancora nessuno</translation>
    </message>
    <message>
        <source>The other app is also running</source>
        <translation>È aperta anche l&apos;altra app</translation>
    </message>
    <message>
        <source>Both apps answer the Tab key, and the system gives it to the other app first. %app stays paused in your other apps until the other app quits.</source>
        <translation>Entrambe le app rispondono al tasto Tab, e il sistema lo dà prima all&apos;altra app. %app resta in pausa nelle altre app finché l&apos;altra app non si chiude.</translation>
    </message>
    <message>
        <source>The other app is still open</source>
        <translation>L&apos;altra app è ancora aperta</translation>
    </message>
    <message>
        <source>The other app quit, so your suggestions are back in every app.</source>
        <translation>L&apos;altra app si è chiusa: i tuoi suggerimenti tornano in ogni app.</translation>
    </message>
    <message>
        <source>The other app quit. %app has the Tab key.</source>
        <translation>L&apos;altra app si è chiusa. %app ha il tasto Tab.</translation>
    </message>
</context>
</TS>
