<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ca" sourcelanguage="en">
<context>
    <name>Tessaquill</name>
    <message>
        <source>Accessibility is on. %app is ready in your other apps.</source>
        <translation>L&apos;accessibilitat està activada. %app ja funciona a les altres apps.</translation>
    </message>
    <message>
        <source>Paused while %1 is open</source>
        <translation>En pausa mentre %1 estigui obert</translation>
    </message>
    <message>
        <source>Welcome to %app</source>
        <translation>Us donem la benvinguda a %app</translation>
    </message>
    <message>
        <source>%app</source>
        <translation>%app</translation>
    </message>
    <message>
        <source>Another autocomplete app is running</source>
        <translation>Hi ha una altra app d&apos;autocompletar oberta</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>A punt</translation>
    </message>
    <message>
        <source>Waiting for a pause</source>
        <translation>S&apos;espera una pausa</translation>
    </message>
    <message>
        <source>Thinking</source>
        <translation>Pensant</translation>
    </message>
    <message>
        <source>Showing a suggestion</source>
        <translation>Es mostra un suggeriment</translation>
    </message>
    <message>
        <source>The model took too long to answer</source>
        <translation>El model ha trigat massa a respondre</translation>
    </message>
    <message>
        <source>This app doesn&apos;t report where the caret is</source>
        <translation>Aquesta app no indica on és el cursor</translation>
    </message>
    <message>
        <source>%app is turned off</source>
        <translation>%app està desactivat</translation>
    </message>
    <message>
        <source>Secure input is on, so %app stays out</source>
        <translation>L&apos;entrada segura està activada: %app no hi intervé</translation>
    </message>
    <message>
        <source>Press %1 for a suggestion</source>
        <translation>Premeu %1 per obtenir un suggeriment</translation>
    </message>
    <message>
        <source>Text is selected</source>
        <translation>Hi ha text seleccionat</translation>
    </message>
    <message>
        <source>The caret is inside existing text</source>
        <translation>El cursor és dins d&apos;un text existent</translation>
    </message>
    <message>
        <source>This field is too small</source>
        <translation>Aquest camp és massa petit</translation>
    </message>
    <message>
        <source>Waiting for a few characters</source>
        <translation>S&apos;esperen uns quants caràcters</translation>
    </message>
    <message>
        <source>Start of a new line</source>
        <translation>Inici d&apos;una línia nova</translation>
    </message>
    <message>
        <source>The model is still downloading</source>
        <translation>El model encara s&apos;està baixant</translation>
    </message>
    <message>
        <source>Download the %app model in Settings first</source>
        <translation>Primer baixeu el model de %app a Configuració</translation>
    </message>
    <message>
        <source>Not checked yet</source>
        <translation>Encara no s&apos;ha comprovat</translation>
    </message>
    <message>
        <source>Checking…</source>
        <translation>S&apos;està comprovant…</translation>
    </message>
    <message>
        <source>The model stopped with error %1</source>
        <translation>El model s&apos;ha aturat amb l&apos;error %1</translation>
    </message>
    <message>
        <source>The model file couldn&apos;t be loaded</source>
        <translation>No s&apos;ha pogut carregar el fitxer del model</translation>
    </message>
    <message>
        <source>There wasn&apos;t enough memory to start the model</source>
        <translation>No hi havia prou memòria per iniciar el model</translation>
    </message>
    <message>
        <source>The text couldn&apos;t be prepared for the model</source>
        <translation>No s&apos;ha pogut preparar el text per al model</translation>
    </message>
    <message>
        <source>This computer needs %1 free for the download. Free up some space, then try again.</source>
        <translation>Aquest ordinador necessita %1 lliures per a la baixada. Allibereu espai i torneu-ho a provar.</translation>
    </message>
    <message>
        <source>The download didn&apos;t match the expected file, so it was deleted. Try again.</source>
        <translation>La baixada no coincidia amb el fitxer esperat i s&apos;ha suprimit. Torneu-ho a provar.</translation>
    </message>
    <message>
        <source>Downloaded</source>
        <translation>Baixat</translation>
    </message>
    <message>
        <source>Downloading. Suggestions start once it&apos;s done.</source>
        <translation>S&apos;està baixant. Els suggeriments començaran quan acabi.</translation>
    </message>
    <message>
        <source>Checking the download.</source>
        <translation>S&apos;està comprovant la baixada.</translation>
    </message>
    <message>
        <source>Checking the download. Suggestions start once it&apos;s done.</source>
        <translation>S&apos;està comprovant la baixada. Els suggeriments començaran quan acabi.</translation>
    </message>
    <message>
        <source>Download the model to start</source>
        <translation>Baixeu el model per començar</translation>
    </message>
    <message>
        <source>Ollama is running but has no models</source>
        <translation>L&apos;Ollama s&apos;està executant però no té cap model</translation>
    </message>
    <message>
        <source>Another app</source>
        <translation>Una altra app</translation>
    </message>
    <message>
        <source>There is no D-Bus session bus, so %1 cannot reach text fields.</source>
        <translation>No hi ha bus de sessió D-Bus, de manera que %1 no pot accedir als camps de text.</translation>
    </message>
    <message>
        <source>The desktop&apos;s accessibility bus is not running, so %1 cannot reach text fields.</source>
        <translation>El bus d&apos;accessibilitat de l&apos;escriptori no s&apos;està executant, de manera que %1 no pot accedir als camps de text.</translation>
    </message>
    <message>
        <source>Short</source>
        <translation>Curta</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Mitjana</translation>
    </message>
    <message>
        <source>Long</source>
        <translation>Llarga</translation>
    </message>
    <message>
        <source>Hide the suggestion</source>
        <translation>Amaga el suggeriment</translation>
    </message>
    <message>
        <source>Hide suggestions until I change fields</source>
        <translation>Amaga els suggeriments fins que canviï de camp</translation>
    </message>
    <message>
        <source>Do nothing, send Escape to the app</source>
        <translation>No facis res, envia Esc a l&apos;app</translation>
    </message>
    <message>
        <source>Type it</source>
        <translation>Escriptura</translation>
    </message>
    <message>
        <source>Insert through Accessibility</source>
        <translation>Inserció per accessibilitat</translation>
    </message>
    <message>
        <source>Paste it</source>
        <translation>Porta-retalls</translation>
    </message>
    <message>
        <source>Grey</source>
        <translation>Gris</translation>
    </message>
    <message>
        <source>Gold tint</source>
        <translation>To daurat</translation>
    </message>
    <message>
        <source>%app model</source>
        <translation>Model de %app</translation>
    </message>
    <message>
        <source>Ollama</source>
        <translation>Ollama</translation>
    </message>
    <message>
        <source>Local server</source>
        <translation>Servidor local</translation>
    </message>
    <message>
        <source>Runs on this computer after a one-time download. Works offline.</source>
        <translation>S&apos;executa en aquest ordinador després d&apos;una sola baixada. Funciona sense connexió.</translation>
    </message>
    <message>
        <source>Any model you run in Ollama, base models included.</source>
        <translation>Qualsevol model que executeu a l&apos;Ollama, inclosos els models base.</translation>
    </message>
    <message>
        <source>LM Studio, llama-server or any OpenAI-compatible endpoint.</source>
        <translation>LM Studio, llama-server o qualsevol punt d&apos;accés compatible amb OpenAI.</translation>
    </message>
    <message>
        <source>Sends the text as keystrokes. Works almost everywhere.</source>
        <translation>Envia el text com a pulsacions de tecla. Funciona gairebé a tot arreu.</translation>
    </message>
    <message>
        <source>Uses the clipboard, then puts your clipboard back.</source>
        <translation>Fa servir el porta-retalls i després el restaura.</translation>
    </message>
    <message>
        <source>Accessibility</source>
        <translation>Accessibilitat</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Porta-retalls</translation>
    </message>
    <message>
        <source>Your writing memory could not be opened and was set aside. Nothing new is remembered until %app starts again.</source>
        <translation>No s&apos;ha pogut obrir la memòria d&apos;escriptura i s&apos;ha apartat. No es recordarà res de nou fins que %app es torni a iniciar.</translation>
    </message>
    <message>
        <source>Your writing memory could not be opened because its key could not be read from the keyring. Nothing new is remembered until %app starts again.</source>
        <translation>No s&apos;ha pogut obrir la memòria d&apos;escriptura perquè no s&apos;ha pogut llegir la clau del clauer. No es recordarà res de nou fins que %app es torni a iniciar.</translation>
    </message>
    <message>
        <source>Not Now</source>
        <translation>Ara no</translation>
    </message>
    <message>
        <source>Open the desktop&apos;s settings</source>
        <translation>Obre la configuració de l&apos;escriptori</translation>
    </message>
    <message>
        <source>Don&apos;t remind me again</source>
        <translation>No m&apos;ho tornis a recordar</translation>
    </message>
    <message>
        <source>Open Playground</source>
        <translation>Obre l&apos;espai de proves</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Configuració</translation>
    </message>
    <message>
        <source>Quit %app</source>
        <translation>Surt de %app</translation>
    </message>
    <message>
        <source>Needs Accessibility access</source>
        <translation>Cal accés d&apos;Accessibilitat</translation>
    </message>
    <message>
        <source>Paused until you resume</source>
        <translation>En pausa fins que el reprengueu</translation>
    </message>
    <message>
        <source>Paused until %1</source>
        <translation>En pausa fins a les %1</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Desactivat</translation>
    </message>
    <message numerus="yes">
        <source>Paused while %1 are open</source>
        <translation>
            <numerusform>En pausa mentre %1 estigui obert</numerusform>
            <numerusform>En pausa mentre %1 estiguin oberts</numerusform>
        </translation>
    </message>
    <message>
        <source>Grant Accessibility Access…</source>
        <translation>Dona accés d&apos;Accessibilitat…</translation>
    </message>
    <message numerus="yes">
        <source>Force Quit %1</source>
        <translation>
            <numerusform>Força la sortida de %1</numerusform>
            <numerusform>Força la sortida de %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Quit %1</source>
        <translation>
            <numerusform>Tanca %1</numerusform>
            <numerusform>Tanca %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>words saved today</source>
        <translation>
            <numerusform>paraula estalviada avui</numerusform>
            <numerusform>paraules estalviades avui</numerusform>
        </translation>
    </message>
    <message>
        <source>Start typing anywhere. %app keeps count here.</source>
        <translation>Comenceu a escriure on vulgueu. %app en porta el compte aquí.</translation>
    </message>
    <message>
        <source>Resume in %1</source>
        <translation>Reprèn a %1</translation>
    </message>
    <message>
        <source>Pause in %1</source>
        <translation>Posa en pausa a %1</translation>
    </message>
    <message>
        <source>Resume Everywhere</source>
        <translation>Reprèn a tot arreu</translation>
    </message>
    <message>
        <source>Pause Everywhere</source>
        <translation>Posa en pausa a tot arreu</translation>
    </message>
    <message>
        <source>For 15 Minutes</source>
        <translation>Durant 15 minuts</translation>
    </message>
    <message>
        <source>For 1 Hour</source>
        <translation>Durant 1 hora</translation>
    </message>
    <message>
        <source>For 4 Hours</source>
        <translation>Durant 4 hores</translation>
    </message>
    <message>
        <source>Until I Resume</source>
        <translation>Fins que el reprengui</translation>
    </message>
    <message>
        <source>Example: after typing %1, %2 suggests %3</source>
        <translation>Exemple: després d&apos;escriure %1, %2 suggereix %3</translation>
    </message>
    <message>
        <source>takes the next word</source>
        <translation>agafa la paraula següent</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Baixa</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel·la</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>%1 of %2. You can keep writing while it downloads.</source>
        <translation>%1 de %2. Podeu continuar escrivint mentre es baixa.</translation>
    </message>
    <message>
        <source>Checking the download</source>
        <translation>S&apos;està comprovant la baixada</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Torna-ho a provar</translation>
    </message>
    <message>
        <source>Remove…</source>
        <translation>Elimina…</translation>
    </message>
    <message>
        <source>%1 license</source>
        <translation>Llicència %1</translation>
    </message>
    <message>
        <source>Remove the %app model?</source>
        <translation>Voleu eliminar el model de %app?</translation>
    </message>
    <message>
        <source>Model download</source>
        <translation>Baixada del model</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continua</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Més tard</translation>
    </message>
    <message>
        <source>Start Writing</source>
        <translation>Comença a escriure</translation>
    </message>
    <message>
        <source>Finish your sentences in any app.</source>
        <translation>Acabeu les frases en qualsevol app.</translation>
    </message>
    <message>
        <source>%app reads the words before your caret and suggests what comes next in grey. Press Tab to take one word, or the key above Tab to take the rest. If you don&apos;t want it, keep typing.</source>
        <translation>%app llegeix les paraules abans del cursor i suggereix en gris el que ve després. Premeu Tab per agafar una paraula, o la tecla de sobre el Tab per agafar la resta. Si no el voleu, continueu escrivint.</translation>
    </message>
    <message>
        <source>Sees what you see</source>
        <translation>Veu el que veieu</translation>
    </message>
    <message>
        <source>Private</source>
        <translation>Privat</translation>
    </message>
    <message>
        <source>It reads the window you&apos;re typing in, like the chat you&apos;re answering, so suggestions fit. None of it goes online, to us or any server. It stays private on your computer.</source>
        <translation>Llegeix la finestra on escriviu, com el xat que responeu, perquè els suggeriments encaixin. Res no surt a internet: ni a nosaltres ni a cap servidor. Es queda privat al vostre ordinador.</translation>
    </message>
    <message>
        <source>Accessibility is on</source>
        <translation>L&apos;accessibilitat està activada</translation>
    </message>
    <message>
        <source>%app can now read the field you&apos;re writing in and type suggestions for you.</source>
        <translation>Ara %app pot llegir el camp on escriviu i escriure-hi suggeriments per vós.</translation>
    </message>
    <message>
        <source>Let %app see what you type.</source>
        <translation>Deixeu que %app vegi el que escriviu.</translation>
    </message>
    <message>
        <source>%app reads your text when you pause and forgets it after one suggestion, unless you turn on writing memory.</source>
        <translation>%app llegeix el text quan feu una pausa i l&apos;oblida després d&apos;un suggeriment, tret que activeu la memòria d&apos;escriptura.</translation>
    </message>
    <message>
        <source>%app skips password fields and anything else the system marks as secure.</source>
        <translation>%app omet els camps de contrasenya i tot el que el sistema marca com a segur.</translation>
    </message>
    <message>
        <source>Open Accessibility Settings</source>
        <translation>Obre la configuració d&apos;accessibilitat</translation>
    </message>
    <message>
        <source>Pick what writes your suggestions.</source>
        <translation>Trieu què escriu els suggeriments.</translation>
    </message>
    <message>
        <source>You can change this any time in Settings.</source>
        <translation>Ho podeu canviar quan vulgueu a Configuració.</translation>
    </message>
    <message>
        <source>Give it a try.</source>
        <translation>Proveu-ho.</translation>
    </message>
    <message>
        <source>Start typing a sentence. When grey words appear, press Tab for one word or the key above Tab for all of them.</source>
        <translation>Comenceu a escriure una frase. Quan apareguin paraules grises, premeu Tab per a una paraula o la tecla de sobre el Tab per a totes.</translation>
    </message>
    <message>
        <source>Hi Orlenn, thanks for the quick reply. I think we should</source>
        <translation>Hola, Orlenn, gràcies per la resposta ràpida. Crec que hauríem de</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Enrere</translation>
    </message>
    <message>
        <source>Practice field</source>
        <translation>Camp de proves</translation>
    </message>
    <message>
        <source>Default, on</source>
        <translation>Per defecte, activat</translation>
    </message>
    <message>
        <source>Default, off</source>
        <translation>Per defecte, desactivat</translation>
    </message>
    <message>
        <source>Add a website</source>
        <translation>Afegeix un lloc web</translation>
    </message>
    <message>
        <source>Domain</source>
        <translation>Domini</translation>
    </message>
    <message>
        <source>Rules for a site apply in any browser %app can read.</source>
        <translation>Les regles d&apos;un lloc s&apos;apliquen a qualsevol navegador que %app pugui llegir.</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Afegeix</translation>
    </message>
    <message>
        <source>Add App…</source>
        <translation>Afegeix una app…</translation>
    </message>
    <message>
        <source>Add an app</source>
        <translation>Afegeix una app</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Cerca</translation>
    </message>
    <message>
        <source>Clear search</source>
        <translation>Esborra la cerca</translation>
    </message>
    <message>
        <source>Add an app or website</source>
        <translation>Afegeix una app o un lloc web</translation>
    </message>
    <message>
        <source>Add Website…</source>
        <translation>Afegeix un lloc web…</translation>
    </message>
    <message>
        <source>Apps &amp; Sites</source>
        <translation>Apps &amp; llocs</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>En pausa</translation>
    </message>
    <message>
        <source>Apps</source>
        <translation>Apps</translation>
    </message>
    <message>
        <source>Websites</source>
        <translation>Llocs web</translation>
    </message>
    <message>
        <source>No matches</source>
        <translation>Cap coincidència</translation>
    </message>
    <message>
        <source>No apps yet</source>
        <translation>Encara no hi ha cap app</translation>
    </message>
    <message>
        <source>Nothing matches “%1”.</source>
        <translation>Res no coincideix amb «%1».</translation>
    </message>
    <message>
        <source>Apps appear here once you accept a suggestion in them, or add one with +.</source>
        <translation>Les apps apareixen aquí quan hi accepteu un suggeriment, o bé afegiu-ne una amb +.</translation>
    </message>
    <message>
        <source>Pick an app or site</source>
        <translation>Trieu una app o un lloc</translation>
    </message>
    <message>
        <source>Each one can have its own rules. Anything you don&apos;t change follows General.</source>
        <translation>Cadascun pot tenir les seves regles. El que no canvieu segueix «General».</translation>
    </message>
    <message>
        <source>Words saved here</source>
        <translation>Paraules estalviades aquí</translation>
    </message>
    <message>
        <source>Suggestions</source>
        <translation>Suggeriments</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Activat</translation>
    </message>
    <message>
        <source>Tab accepts suggestions</source>
        <translation>El Tab accepta suggeriments</translation>
    </message>
    <message>
        <source>Turn off where Tab already means something, like indenting. The other accept key still works.</source>
        <translation>Desactiveu-ho on el Tab ja serveix per a alguna cosa, com sagnar. L&apos;altra tecla d&apos;acceptar continua funcionant.</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Per defecte</translation>
    </message>
    <message>
        <source>Insert by</source>
        <translation>Inserció</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Llargada</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Reprèn</translation>
    </message>
    <message>
        <source>Pause here</source>
        <translation>Posa en pausa aquí</translation>
    </message>
    <message>
        <source>Memory</source>
        <translation>Memòria</translation>
    </message>
    <message>
        <source>Remember my writing here</source>
        <translation>Recorda com escric aquí</translation>
    </message>
    <message>
        <source>Writing memory is off in Your Voice.</source>
        <translation>La memòria d&apos;escriptura està desactivada a «El vostre estil».</translation>
    </message>
    <message>
        <source>Erase…</source>
        <translation>Esborra…</translation>
    </message>
    <message>
        <source>Reset to Defaults</source>
        <translation>Restableix els valors per defecte</translation>
    </message>
    <message>
        <source>Erase what %app remembered from %1?</source>
        <translation>Voleu esborrar el que %app ha après a %1?</translation>
    </message>
    <message>
        <source>Erase</source>
        <translation>Esborra</translation>
    </message>
    <message>
        <source>Passages from this app can shape suggestions everywhere.</source>
        <translation>Els fragments d&apos;aquesta app poden influir en els suggeriments a tot arreu.</translation>
    </message>
    <message>
        <source>Finish setting up</source>
        <translation>Acabeu la configuració</translation>
    </message>
    <message>
        <source>Setup progress</source>
        <translation>Progrés de la configuració</translation>
    </message>
    <message>
        <source>Done: %1</source>
        <translation>Fet: %1</translation>
    </message>
    <message>
        <source>Best day yet!</source>
        <translation>El vostre millor dia!</translation>
    </message>
    <message>
        <source>Try it here</source>
        <translation>Proveu-ho aquí</translation>
    </message>
    <message>
        <source>Thanks for sending the draft over. I had a look and</source>
        <translation>Gràcies per enviar-me l&apos;esborrany. Hi he fet una ullada i</translation>
    </message>
    <message>
        <source>next word</source>
        <translation>paraula següent</translation>
    </message>
    <message>
        <source>whole suggestion</source>
        <translation>suggeriment sencer</translation>
    </message>
    <message>
        <source>hide it</source>
        <translation>amaga&apos;l</translation>
    </message>
    <message>
        <source>This field runs the real engine. Start typing and grey words show up as you go.</source>
        <translation>Aquest camp fa servir el motor real. Comenceu a escriure i apareixeran paraules grises sobre la marxa.</translation>
    </message>
    <message>
        <source>This field runs the real engine, even before you allow Accessibility. Start typing and grey words show up as you go.</source>
        <translation>Aquest camp fa servir el motor real, fins i tot abans de permetre l&apos;accessibilitat. Comenceu a escriure i apareixeran paraules grises sobre la marxa.</translation>
    </message>
    <message>
        <source>You&apos;re all set</source>
        <translation>Tot a punt</translation>
    </message>
    <message>
        <source>Accessibility is on and %1 is ready. %app works in every app you type in.</source>
        <translation>L&apos;accessibilitat està activada i %1 està a punt. %app funciona a totes les apps on escriviu.</translation>
    </message>
    <message>
        <source>Waiting for %1 to quit</source>
        <translation>S&apos;espera que %1 es tanqui</translation>
    </message>
    <message>
        <source>Turned off</source>
        <translation>Desactivat</translation>
    </message>
    <message>
        <source>Paused everywhere</source>
        <translation>En pausa a tot arreu</translation>
    </message>
    <message>
        <source>%1, %2 typical wait</source>
        <translation>%1, espera habitual de %2</translation>
    </message>
    <message>
        <source>Start your streak today.</source>
        <translation>Comenceu la ratxa avui.</translation>
    </message>
    <message>
        <source>Overview</source>
        <translation>Resum</translation>
    </message>
    <message>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Engine</source>
        <translation>Motor</translation>
    </message>
    <message>
        <source>Context</source>
        <translation>Context</translation>
    </message>
    <message>
        <source>Your Voice</source>
        <translation>El vostre estil</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Tecles</translation>
    </message>
    <message>
        <source>Emoji</source>
        <translation>Emojis</translation>
    </message>
    <message>
        <source>Battery</source>
        <translation>Bateria</translation>
    </message>
    <message>
        <source>Insights</source>
        <translation>Estadístiques</translation>
    </message>
    <message>
        <source>Field Inspector</source>
        <translation>Inspector de camps</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Quant a</translation>
    </message>
    <message>
        <source>How %app is doing today</source>
        <translation>Com va %app avui</translation>
    </message>
    <message>
        <source>Where and how suggestions appear</source>
        <translation>On i com apareixen els suggeriments</translation>
    </message>
    <message>
        <source>The model that writes your suggestions</source>
        <translation>El model que escriu els suggeriments</translation>
    </message>
    <message>
        <source>What %app may look at to guess better</source>
        <translation>Què pot mirar %app per encertar més</translation>
    </message>
    <message>
        <source>Help suggestions sound like you</source>
        <translation>Suggeriments que sonin com vós</translation>
    </message>
    <message>
        <source>Accept, dismiss and summon suggestions</source>
        <translation>Accepta, descarta i demana suggeriments</translation>
    </message>
    <message>
        <source>Emoji search and emoticons</source>
        <translation>Cerca d&apos;emojis i emoticones</translation>
    </message>
    <message>
        <source>Rules for each app and website</source>
        <translation>Regles per a cada app i lloc web</translation>
    </message>
    <message>
        <source>Save power when you&apos;re unplugged</source>
        <translation>Estalvi d&apos;energia amb bateria</translation>
    </message>
    <message>
        <source>Words saved and how fast suggestions arrive</source>
        <translation>Paraules estalviades i rapidesa dels suggeriments</translation>
    </message>
    <message>
        <source>What %app sees in the focused field</source>
        <translation>Què veu %app al camp actiu</translation>
    </message>
    <message>
        <source>Version and privacy</source>
        <translation>Versió i privadesa</translation>
    </message>
    <message>
        <source>Writing</source>
        <translation>Escriptura</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Entrada</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Regles</translation>
    </message>
    <message>
        <source>Activity</source>
        <translation>Activitat</translation>
    </message>
    <message>
        <source>%app can read the field you&apos;re typing in and insert suggestions in any app.</source>
        <translation>%app pot llegir el camp on escriviu i inserir suggeriments en qualsevol app.</translation>
    </message>
    <message>
        <source>Allow Accessibility access</source>
        <translation>Permet l&apos;accés d&apos;Accessibilitat</translation>
    </message>
    <message>
        <source>%app needs it to read the text you type in other apps and to insert suggestions.</source>
        <translation>%app el necessita per llegir el text que escriviu en altres apps i inserir-hi suggeriments.</translation>
    </message>
    <message>
        <source>Allow…</source>
        <translation>Permet…</translation>
    </message>
    <message>
        <source>%1 is ready</source>
        <translation>%1 està a punt</translation>
    </message>
    <message>
        <source>Checking %1</source>
        <translation>S&apos;està comprovant %1</translation>
    </message>
    <message>
        <source>This takes a moment.</source>
        <translation>Això triga un moment.</translation>
    </message>
    <message>
        <source>Your engine isn&apos;t ready</source>
        <translation>El motor no està a punt</translation>
    </message>
    <message>
        <source>Open Engine</source>
        <translation>Obre «Motor»</translation>
    </message>
    <message>
        <source>The system&apos;s predictions are off</source>
        <translation>Les prediccions del sistema estan desactivades</translation>
    </message>
    <message>
        <source>Only %app&apos;s suggestions appear while you type.</source>
        <translation>Només apareixen els suggeriments de %app mentre escriviu.</translation>
    </message>
    <message>
        <source>Turn off the system&apos;s predictions</source>
        <translation>Desactiveu les prediccions del sistema</translation>
    </message>
    <message>
        <source>The system shows its own grey suggestions on top of %app&apos;s. Each app picks up the change the next time you open it.</source>
        <translation>El sistema mostra els seus suggeriments grisos damunt dels de %app. Cada app aplica el canvi la propera vegada que l&apos;obriu.</translation>
    </message>
    <message>
        <source>Keyboard Settings</source>
        <translation>Configuració del teclat</translation>
    </message>
    <message>
        <source>Turn Off</source>
        <translation>Desactiva</translation>
    </message>
    <message>
        <source>Only %app is suggesting</source>
        <translation>Només suggereix %app</translation>
    </message>
    <message>
        <source>Tab reaches %app again.</source>
        <translation>La tecla Tab torna a funcionar amb %app.</translation>
    </message>
    <message numerus="yes">
        <source>%1 didn&apos;t quit. They may be showing a dialog. Force Quit closes them right away.</source>
        <translation>
            <numerusform>%1 no s&apos;ha tancat. Potser mostra un diàleg. «Força la sortida» el tanca immediatament.</numerusform>
            <numerusform>%1 no s&apos;han tancat. Potser mostren un diàleg. «Força la sortida» els tanca immediatament.</numerusform>
        </translation>
    </message>
    <message>
        <source>Force Quit</source>
        <translation>Força la sortida</translation>
    </message>
    <message numerus="yes">
        <source>%1 take the Tab key before %app can, so %app stays paused in your other apps until you quit them.</source>
        <translation>
            <numerusform>%1 agafa la tecla Tab abans que %app, així que %app queda en pausa a les altres apps fins que el tanqueu.</numerusform>
            <numerusform>%1 agafen la tecla Tab abans que %app, així que %app queda en pausa a les altres apps fins que els tanqueu.</numerusform>
        </translation>
    </message>
    <message>
        <source>Only when I ask</source>
        <translation>Només quan ho demani</translation>
    </message>
    <message>
        <source>On battery, suggestions appear only after you press the Suggest Now shortcut.</source>
        <translation>Amb bateria, els suggeriments només apareixen després de prémer la drecera «Suggereix ara».</translation>
    </message>
    <message>
        <source>Shorter suggestions</source>
        <translation>Suggeriments més curts</translation>
    </message>
    <message>
        <source>Fewer words take less power to write.</source>
        <translation>Menys paraules gasten menys energia.</translation>
    </message>
    <message>
        <source>Lighter model</source>
        <translation>Model més lleuger</translation>
    </message>
    <message>
        <source>Same as plugged in</source>
        <translation>Igual que amb corrent</translation>
    </message>
    <message>
        <source>Running on battery. These apply right now.</source>
        <translation>Amb bateria. Aquests paràmetres s&apos;apliquen ara.</translation>
    </message>
    <message>
        <source>Plugged in. These wait until you unplug.</source>
        <translation>Connectat al corrent. Aquests paràmetres s&apos;aplicaran quan el desconnecteu.</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Model</translation>
    </message>
    <message>
        <source>Model name</source>
        <translation>Nom del model</translation>
    </message>
    <message>
        <source>Reload the model list</source>
        <translation>Actualitza la llista de models</translation>
    </message>
    <message>
        <source>Choose a model</source>
        <translation>Trieu un model</translation>
    </message>
    <message>
        <source>For people who already run Ollama, LM Studio or llama-server.</source>
        <translation>Per a qui ja fa servir Ollama, LM Studio o llama-server.</translation>
    </message>
    <message>
        <source>Use your own model</source>
        <translation>Feu servir el vostre model</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adreça</translation>
    </message>
    <message>
        <source>API key</source>
        <translation>Clau de l&apos;API</translation>
    </message>
    <message>
        <source>Only if your server asks for one</source>
        <translation>Només si el servidor en demana una</translation>
    </message>
    <message>
        <source>Focused</source>
        <translation>Precís</translation>
    </message>
    <message>
        <source>Creativity</source>
        <translation>Creativitat</translation>
    </message>
    <message>
        <source>Loose</source>
        <translation>Lliure</translation>
    </message>
    <message>
        <source>Lower stays close to the obvious next words. Higher tries more.</source>
        <translation>Més baix s&apos;ajusta a les paraules òbvies. Més alt s&apos;arrisca més.</translation>
    </message>
    <message>
        <source>Wait before suggesting</source>
        <translation>Espera abans de suggerir</translation>
    </message>
    <message>
        <source>How long you pause before %app starts.</source>
        <translation>Quant temps us atureu abans que %app comenci.</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Executa</translation>
    </message>
    <message>
        <source>Try the engine</source>
        <translation>Prova el motor</translation>
    </message>
    <message>
        <source>Sends a sample sentence and shows what comes back.</source>
        <translation>Envia una frase d&apos;exemple i mostra què torna.</translation>
    </message>
    <message>
        <source>Running…</source>
        <translation>S&apos;està executant…</translation>
    </message>
    <message>
        <source>The engine answered in %1 but had nothing useful to add.</source>
        <translation>El motor ha respost en %1, però no tenia res d&apos;útil a afegir.</translation>
    </message>
    <message>
        <source>That didn&apos;t work: %1</source>
        <translation>No ha funcionat: %1</translation>
    </message>
    <message>
        <source>The request was cancelled.</source>
        <translation>S&apos;ha cancel·lat la sol·licitud.</translation>
    </message>
    <message>
        <source>Startup</source>
        <translation>Inici</translation>
    </message>
    <message>
        <source>Launch at login</source>
        <translation>Obre en iniciar la sessió</translation>
    </message>
    <message>
        <source>Show today&apos;s word count next to the icon</source>
        <translation>Mostra les paraules d&apos;avui al costat de la icona</translation>
    </message>
    <message>
        <source>Where suggestions appear</source>
        <translation>On apareixen els suggeriments</translation>
    </message>
    <message>
        <source>Turn this off to use %app only in the apps you switch on under Apps &amp; Sites.</source>
        <translation>Desactiveu-ho per fer servir %app només a les apps que activeu a «Apps &amp; llocs».</translation>
    </message>
    <message>
        <source>By default %app waits until the caret is at the end of a line.</source>
        <translation>Per defecte, %app espera que el cursor sigui al final d&apos;una línia.</translation>
    </message>
    <message>
        <source>Without this, %app skips search bars and one-word boxes.</source>
        <translation>Sense això, %app omet les barres de cerca i les caselles d&apos;una paraula.</translation>
    </message>
    <message>
        <source>Suggestions appear only after you press the Suggest Now shortcut.</source>
        <translation>Els suggeriments només apareixen després de prémer la drecera «Suggereix ara».</translation>
    </message>
    <message>
        <source>Spelling</source>
        <translation>Ortografia</translation>
    </message>
    <message>
        <source>Waits while the word you&apos;re typing looks misspelled, so %app doesn&apos;t build on a typo.</source>
        <translation>Espera mentre la paraula que escriviu sembli mal escrita, perquè %app no construeixi sobre una errada.</translation>
    </message>
    <message>
        <source>After a misspelled word, shows a fix next to the caret. Press Tab to swap it in.</source>
        <translation>Després d&apos;una paraula mal escrita, mostra una correcció al costat del cursor. Premeu Tab per aplicar-la.</translation>
    </message>
    <message>
        <source>Look</source>
        <translation>Aparença</translation>
    </message>
    <message>
        <source>Suggestion color</source>
        <translation>Color dels suggeriments</translation>
    </message>
    <message>
        <source>Text size</source>
        <translation>Mida del text</translation>
    </message>
    <message>
        <source>Fine-tune if suggestions look larger or smaller than your text.</source>
        <translation>Ajusteu-ho si els suggeriments semblen més grans o més petits que el text.</translation>
    </message>
    <message>
        <source>Vertical position</source>
        <translation>Posició vertical</translation>
    </message>
    <message>
        <source>Nudge suggestions up or down to line up with your text.</source>
        <translation>Moveu els suggeriments amunt o avall per alinear-los amb el text.</translation>
    </message>
    <message>
        <source>A small keycap after your first suggestions, as a reminder of what to press.</source>
        <translation>Una petita icona de tecla després dels primers suggeriments, per recordar què cal prémer.</translation>
    </message>
    <message>
        <source>Insert suggestions by</source>
        <translation>Inserció dels suggeriments</translation>
    </message>
    <message>
        <source>Other autocomplete apps</source>
        <translation>Altres apps d&apos;autocompletar</translation>
    </message>
    <message>
        <source>They take the Tab key before %app can. With this off, %app asks you first.</source>
        <translation>Agafen la tecla Tab abans que %app. Amb això desactivat, %app us ho pregunta primer.</translation>
    </message>
    <message>
        <source>%1 is another device on your network, so the text around your caret will be sent there.</source>
        <translation>%1 és un altre dispositiu de la xarxa, de manera que el text al voltant del cursor s&apos;hi enviarà.</translation>
    </message>
    <message>
        <source>%1 isn&apos;t this computer, so the text around your caret will be sent there.</source>
        <translation>%1 no és aquest ordinador, de manera que el text al voltant del cursor s&apos;hi enviarà.</translation>
    </message>
    <message>
        <source>Both keep your text on this computer.</source>
        <translation>Tots dos mantenen el text en aquest ordinador.</translation>
    </message>
    <message>
        <source>%app opens by itself when you start your computer.</source>
        <translation>%app s&apos;obre sol quan engegueu l&apos;ordinador.</translation>
    </message>
    <message>
        <source>System predictions</source>
        <translation>Prediccions del sistema</translation>
    </message>
    <message>
        <source>The system can show its own grey predictions. Keeping them off avoids two suggestions at once.</source>
        <translation>El sistema pot mostrar les seves prediccions grises. Mantenir-les desactivades evita dos suggeriments alhora.</translation>
    </message>
    <message>
        <source>System predictions are on</source>
        <translation>Prediccions del sistema activades</translation>
    </message>
    <message>
        <source>System predictions are off</source>
        <translation>Prediccions del sistema desactivades</translation>
    </message>
    <message>
        <source>tab</source>
        <translation>tab</translation>
    </message>
    <message>
        <source>Your next words, one Tab away.</source>
        <translation>Les properes paraules, a un Tab de distància.</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Omet</translation>
    </message>
    <message>
        <source>Get Started</source>
        <translation>Comença</translation>
    </message>
    <message>
        <source>Turn sound on</source>
        <translation>Activa el so</translation>
    </message>
    <message>
        <source>Turn sound off</source>
        <translation>Desactiva el so</translation>
    </message>
    <message>
        <source>The other app</source>
        <translation>L&apos;altra app</translation>
    </message>
    <message numerus="yes">
        <source>Next time, quit %1 without asking</source>
        <translation>
            <numerusform>La propera vegada, tanca %1 sense preguntar</numerusform>
            <numerusform>La propera vegada, tanca %1 sense preguntar</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 is also running</source>
        <translation>
            <numerusform>%1 també està obert</numerusform>
            <numerusform>%1 també estan oberts</numerusform>
        </translation>
    </message>
    <message>
        <source>Quitting…</source>
        <translation>S&apos;està tancant…</translation>
    </message>
    <message numerus="yes">
        <source>%1 is still open</source>
        <translation>
            <numerusform>%1 encara està obert</numerusform>
            <numerusform>%1 encara estan oberts</numerusform>
        </translation>
    </message>
    <message>
        <source>%app has the Tab key</source>
        <translation>%app té la tecla Tab</translation>
    </message>
    <message>
        <source>%1 quit, so your suggestions are back in every app.</source>
        <translation>%1 s&apos;ha tancat: els suggeriments tornen a ser a totes les apps.</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fet</translation>
    </message>
    <message>
        <source>Open Source Notices</source>
        <translation>Avisos de codi obert</translation>
    </message>
    <message>
        <source>Reset all settings?</source>
        <translation>Voleu restablir tota la configuració?</translation>
    </message>
    <message>
        <source>This also clears your rules for apps and sites. Your statistics and writing memory stay.</source>
        <translation>També esborra les regles per a apps i llocs. Les estadístiques i la memòria d&apos;escriptura es mantenen.</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Restableix</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versió %1</translation>
    </message>
    <message>
        <source>Some apps hide their text</source>
        <translation>Algunes apps amaguen el text</translation>
    </message>
    <message>
        <source>Suggest emoji after a colon</source>
        <translation>Suggereix emojis després de dos punts</translation>
    </message>
    <message>
        <source>Turn emoticons into emoji</source>
        <translation>Converteix les emoticones en emojis</translation>
    </message>
    <message>
        <source>After :-) or &lt;3, %app offers the matching emoji. Press Tab to swap it in.</source>
        <translation>Després de :-) o &lt;3, %app ofereix l&apos;emoji corresponent. Premeu Tab per inserir-lo.</translation>
    </message>
    <message>
        <source>Skin tone</source>
        <translation>To de pell</translation>
    </message>
    <message>
        <source>Also show the default yellow</source>
        <translation>Mostra també el groc per defecte</translation>
    </message>
    <message>
        <source>Try a word</source>
        <translation>Proveu una paraula</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Lleugera</translation>
    </message>
    <message>
        <source>No emoji match “%1”</source>
        <translation>Cap emoji coincideix amb «%1»</translation>
    </message>
    <message>
        <source>Accepting</source>
        <translation>Acceptació</translation>
    </message>
    <message>
        <source>Take the next word</source>
        <translation>Agafa la paraula següent</translation>
    </message>
    <message>
        <source>Press again for each following word.</source>
        <translation>Torneu a prémer per a cada paraula següent.</translation>
    </message>
    <message>
        <source>Take the whole suggestion</source>
        <translation>Agafa el suggeriment sencer</translation>
    </message>
    <message>
        <source>The key above Tab is easy to reach on most keyboards.</source>
        <translation>La tecla de sobre el Tab és fàcil d&apos;abastar a la majoria de teclats.</translation>
    </message>
    <message>
        <source>Include the space after a word</source>
        <translation>Inclou l&apos;espai després d&apos;una paraula</translation>
    </message>
    <message>
        <source>Include punctuation right after a word</source>
        <translation>Inclou la puntuació just després d&apos;una paraula</translation>
    </message>
    <message>
        <source>When you press Escape</source>
        <translation>Quan premeu Esc</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Dreceres</translation>
    </message>
    <message>
        <source>Suggest now</source>
        <translation>Suggereix ara</translation>
    </message>
    <message>
        <source>Asks for a suggestion right away, even where %app would normally wait.</source>
        <translation>Demana un suggeriment de seguida, fins i tot on %app normalment esperaria.</translation>
    </message>
    <message>
        <source>Other suggestions</source>
        <translation>Altres suggeriments</translation>
    </message>
    <message>
        <source>Lists a few different ways to continue. Choose with the arrow keys, then press Tab.</source>
        <translation>Mostra algunes maneres diferents de continuar. Trieu amb les fletxes i premeu Tab.</translation>
    </message>
    <message>
        <source>Pause or resume in this app</source>
        <translation>Posa en pausa o reprèn en aquesta app</translation>
    </message>
    <message>
        <source>Pauses for 15 minutes.</source>
        <translation>Posa en pausa durant 15 minuts.</translation>
    </message>
    <message>
        <source>Turn %app on or off</source>
        <translation>Activa o desactiva %app</translation>
    </message>
    <message>
        <source>Everywhere, until you press it again.</source>
        <translation>A tot arreu, fins que la torneu a prémer.</translation>
    </message>
    <message>
        <source>Pause or resume</source>
        <translation>Posa en pausa o reprèn</translation>
    </message>
    <message>
        <source>Turn on or off</source>
        <translation>Activa o desactiva</translation>
    </message>
    <message>
        <source>%1 and %2 use the same keys. Only the first will work.</source>
        <translation>«%1» i «%2» fan servir les mateixes tecles. Només funcionarà la primera.</translation>
    </message>
    <message>
        <source>About you</source>
        <translation>Sobre vós</translation>
    </message>
    <message>
        <source>For example: I&apos;m a product designer in Berlin. I write short, friendly emails in British English and sign off with Cheers.</source>
        <translation>Per exemple: soc dissenyadora de producte a Berlín. Escric correus curts i amables en anglès britànic i m&apos;acomiado amb «Cheers».</translation>
    </message>
    <message>
        <source>Your role, the languages you write in, names you use often, how you like to sound.</source>
        <translation>La vostra feina, les llengües en què escriviu, noms que feu servir sovint, com us agrada sonar.</translation>
    </message>
    <message>
        <source>Writing memory</source>
        <translation>Memòria d&apos;escriptura</translation>
    </message>
    <message>
        <source>Remember how I write</source>
        <translation>Recorda com escric</translation>
    </message>
    <message>
        <source>Also remember fields where I accept nothing</source>
        <translation>Recorda també els camps on no accepto res</translation>
    </message>
    <message>
        <source>%app learns your style sooner but keeps more of what you type.</source>
        <translation>%app aprèn el vostre estil abans, però guarda més del que escriviu.</translation>
    </message>
    <message>
        <source>Influence</source>
        <translation>Influència</translation>
    </message>
    <message>
        <source>Strong</source>
        <translation>Forta</translation>
    </message>
    <message>
        <source>How many of your passages each suggestion can draw on.</source>
        <translation>De quants fragments vostres es pot nodrir cada suggeriment.</translation>
    </message>
    <message>
        <source>Erase All…</source>
        <translation>Esborra-ho tot…</translation>
    </message>
    <message>
        <source>Erase everything %app remembered?</source>
        <translation>Voleu esborrar tot el que %app ha recordat?</translation>
    </message>
    <message>
        <source>This can&apos;t be undone.</source>
        <translation>No es pot desfer.</translation>
    </message>
    <message>
        <source>Erase All</source>
        <translation>Esborra-ho tot</translation>
    </message>
    <message>
        <source>Nothing remembered yet</source>
        <translation>Encara no s&apos;ha recordat res</translation>
    </message>
    <message>
        <source>App and window name</source>
        <translation>Nom de l&apos;app i de la finestra</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>Lloc web</translation>
    </message>
    <message>
        <source>The site&apos;s domain when you write in a browser.</source>
        <translation>El domini del lloc quan escriviu en un navegador.</translation>
    </message>
    <message>
        <source>Recently copied text</source>
        <translation>Text copiat recentment</translation>
    </message>
    <message>
        <source>Anything you copied in the last 10 minutes. Copies from password managers are skipped.</source>
        <translation>Tot el que heu copiat els darrers 10 minuts. S&apos;ometen les còpies dels gestors de contrasenyes.</translation>
    </message>
    <message>
        <source>Text on screen</source>
        <translation>Text a la pantalla</translation>
    </message>
    <message>
        <source>Reads the window you&apos;re writing in, so replies fit the conversation. It picks the lines closest to where you type.</source>
        <translation>Llegeix la finestra on escriviu, perquè les respostes encaixin amb la conversa. Tria les línies més properes a on escriviu.</translation>
    </message>
    <message>
        <source>What you just looked at</source>
        <translation>El que acabeu de mirar</translation>
    </message>
    <message>
        <source>Windows beside you</source>
        <translation>Finestres del costat</translation>
    </message>
    <message>
        <source>Also reads up to two other windows on the same screen, like the document you&apos;re replying about. Skips password managers and apps you switched off.</source>
        <translation>També llegeix fins a dues finestres més de la mateixa pantalla, com el document del qual parla la vostra resposta. Omet els gestors de contrasenyes i les apps que heu desactivat.</translation>
    </message>
    <message>
        <source>Off in this app</source>
        <translation>Desactivat en aquesta app</translation>
    </message>
    <message>
        <source>This word looks misspelled</source>
        <translation>Aquesta paraula sembla mal escrita</translation>
    </message>
    <message>
        <source>Thanks for the notes. I&apos;ll send the revised deck</source>
        <translation>Gràcies per les notes. Enviaré la presentació revisada</translation>
    </message>
    <message>
        <source> by Friday morning.</source>
        <translation> divendres al matí.</translation>
    </message>
    <message>
        <source>%1 quit. %app has the Tab key.</source>
        <translation>%1 s&apos;ha tancat. %app té la tecla Tab.</translation>
    </message>
    <message>
        <source>Open Data Folder</source>
        <translation>Obre la carpeta de dades</translation>
    </message>
    <message>
        <source>Show Welcome Again</source>
        <translation>Torna a veure la benvinguda</translation>
    </message>
    <message>
        <source>Play Intro Again</source>
        <translation>Torna a veure la introducció</translation>
    </message>
    <message>
        <source>Reset Settings…</source>
        <translation>Restableix la configuració…</translation>
    </message>
    <message>
        <source>Suggest in every app</source>
        <translation>Suggereix a totes les apps</translation>
    </message>
    <message>
        <source>Suggest in code editors</source>
        <translation>Suggereix als editors de codi</translation>
    </message>
    <message>
        <source>Suggest in the middle of a line</source>
        <translation>Suggereix al mig d&apos;una línia</translation>
    </message>
    <message>
        <source>Suggest in small fields</source>
        <translation>Suggereix als camps petits</translation>
    </message>
    <message>
        <source>Hold back on misspelled words</source>
        <translation>Espera si la paraula sembla mal escrita</translation>
    </message>
    <message>
        <source>Offer spelling fixes</source>
        <translation>Ofereix correccions ortogràfiques</translation>
    </message>
    <message>
        <source>Show the key hint</source>
        <translation>Mostra l&apos;indicador de tecla</translation>
    </message>
    <message>
        <source>Quit other autocomplete apps when they open</source>
        <translation>Tanca altres apps d&apos;autocompletar quan s&apos;obrin</translation>
    </message>
    <message>
        <source>Keeps a few minutes of text from windows you switched away from, like a page you read before replying. It stays on your computer and skips apps you switched off.</source>
        <translation>Guarda uns minuts de text de les finestres que heu deixat, com una pàgina que heu llegit abans de respondre. Es queda a l&apos;ordinador i omet les apps que heu desactivat.</translation>
    </message>
    <message numerus="yes">
        <source>Both apps answer the Tab key, and the system gives it to %1 first. %app stays paused in your other apps until %1 quits.</source>
        <translation>
            <numerusform>Totes dues apps responen a la tecla Tab, i el sistema la dona primer a %1. %app queda en pausa a les altres apps fins que %1 es tanqui.</numerusform>
            <numerusform>%1 agafen la tecla Tab abans que %app, així que %app queda en pausa a les altres apps fins que els tanqueu.</numerusform>
        </translation>
    </message>
    <message>
        <source>Finishes your sentences in any app, on your computer.</source>
        <translation>Acaba les frases en qualsevol app, al vostre ordinador.</translation>
    </message>
    <message>
        <source>Keeps short passages from fields where you accepted a suggestion, encrypted on this computer, and shows them to the model as examples.</source>
        <translation>Guarda fragments curts de camps on heu acceptat un suggeriment, xifrats en aquest ordinador, i els mostra al model com a exemples.</translation>
    </message>
    <message>
        <source>Light</source>
        <comment>skin tone</comment>
        <translation>Clar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>D&apos;acord</translation>
    </message>
    <message>
        <source>Default</source>
        <comment>skin tone</comment>
        <translation>Per defecte</translation>
    </message>
    <message>
        <source>Medium light</source>
        <comment>skin tone</comment>
        <translation>Clar mitjà</translation>
    </message>
    <message>
        <source>Medium</source>
        <comment>skin tone</comment>
        <translation>Mitjà</translation>
    </message>
    <message>
        <source>Medium dark</source>
        <comment>skin tone</comment>
        <translation>Fosc mitjà</translation>
    </message>
    <message>
        <source>Dark</source>
        <comment>skin tone</comment>
        <translation>Fosc</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Desconegut</translation>
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
        <translation>No indicat, estimat a partir del cursor</translation>
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
        <translation>Encara no</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Avui</translation>
    </message>
    <message>
        <source>Last 7 days</source>
        <translation>Darrers 7 dies</translation>
    </message>
    <message>
        <source>All time</source>
        <translation>Des del principi</translation>
    </message>
    <message>
        <source>Typing saved</source>
        <translation>Escriptura estalviada</translation>
    </message>
    <message>
        <source>at 40 words a minute</source>
        <translation>a 40 paraules per minut</translation>
    </message>
    <message>
        <source>Accepted</source>
        <translation>Acceptats</translation>
    </message>
    <message>
        <source>of suggestions shown</source>
        <translation>dels suggeriments mostrats</translation>
    </message>
    <message>
        <source>Typical wait</source>
        <translation>Espera habitual</translation>
    </message>
    <message>
        <source>9 in 10 under %1</source>
        <translation>9 de cada 10 per sota de %1</translation>
    </message>
    <message>
        <source>no requests yet</source>
        <translation>encara cap sol·licitud</translation>
    </message>
    <message>
        <source>Words saved</source>
        <translation>Paraules estalviades</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>Període</translation>
    </message>
    <message>
        <source>Nothing to chart yet</source>
        <translation>Encara no hi ha res a mostrar</translation>
    </message>
    <message>
        <source>Accept a few suggestions and your days show up here.</source>
        <translation>Accepteu uns quants suggeriments i els vostres dies apareixeran aquí.</translation>
    </message>
    <message>
        <source>Where you write</source>
        <translation>On escriviu</translation>
    </message>
    <message>
        <source>Reset Statistics…</source>
        <translation>Restableix les estadístiques…</translation>
    </message>
    <message>
        <source>Reset all statistics?</source>
        <translation>Voleu restablir totes les estadístiques?</translation>
    </message>
    <message>
        <source>This clears words saved, acceptance and timing history.</source>
        <translation>Això esborra l&apos;historial de paraules estalviades, d&apos;acceptació i de temps d&apos;espera.</translation>
    </message>
    <message>
        <source>Copy Diagnostics</source>
        <translation>Copia el diagnòstic</translation>
    </message>
    <message>
        <source>Diagnostics leave out the text you typed.</source>
        <translation>El diagnòstic no inclou el text que heu escrit.</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estat</translation>
    </message>
    <message>
        <source>Right now</source>
        <translation>Ara mateix</translation>
    </message>
    <message>
        <source>Allowed</source>
        <translation>Permès</translation>
    </message>
    <message>
        <source>Not allowed</source>
        <translation>No permès</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Teclat</translation>
    </message>
    <message>
        <source>Listening</source>
        <translation>Escoltant</translation>
    </message>
    <message>
        <source>Not listening</source>
        <translation>Sense escoltar</translation>
    </message>
    <message>
        <source>Focused field</source>
        <translation>Camp actiu</translation>
    </message>
    <message>
        <source>Click into a text field in another app, then come back. The last field %1 saw stays here.</source>
        <translation>Feu clic en un camp de text d&apos;una altra app i torneu aquí. L&apos;últim camp que ha vist %1 es queda aquí.</translation>
    </message>
    <message>
        <source>App</source>
        <translation>App</translation>
    </message>
    <message>
        <source>Field type</source>
        <translation>Tipus de camp</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>Finestra</translation>
    </message>
    <message>
        <source>Field size</source>
        <translation>Mida del camp</translation>
    </message>
    <message>
        <source>Caret found</source>
        <translation>Cursor trobat</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Tipus de lletra</translation>
    </message>
    <message>
        <source>At end of line</source>
        <translation>Al final de la línia</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>Secure input</source>
        <translation>Entrada segura</translation>
    </message>
    <message>
        <source>Looked at lately</source>
        <translation>Vist fa poc</translation>
    </message>
    <message>
        <source>Text before the caret</source>
        <translation>Text abans del cursor</translation>
    </message>
    <message>
        <source>Last request</source>
        <translation>Darrera sol·licitud</translation>
    </message>
    <message>
        <source>Wait</source>
        <translation>Espera</translation>
    </message>
    <message>
        <source>Suggestion</source>
        <translation>Suggeriment</translation>
    </message>
    <message>
        <source>Prompt sent to the engine</source>
        <translation>Indicació enviada al motor</translation>
    </message>
    <message>
        <source>Raw answer</source>
        <translation>Resposta en brut</translation>
    </message>
    <message>
        <source>(empty)</source>
        <translation>(buit)</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>Copiat</translation>
    </message>
    <message>
        <source>Choose a language</source>
        <translation>Trieu una llengua</translation>
    </message>
    <message>
        <source>Search languages</source>
        <translation>Cerca llengües</translation>
    </message>
    <message>
        <source>Same as my computer</source>
        <translation>La mateixa que l&apos;ordinador</translation>
    </message>
    <message>
        <source>Switch to %1?</source>
        <translation>Voleu canviar a %1?</translation>
    </message>
    <message>
        <source>%1 closes and opens again in a second. Your settings stay as they are.</source>
        <translation>%1 es tanca i es torna a obrir en un segon. La configuració es manté.</translation>
    </message>
    <message>
        <source>Reopen Now</source>
        <translation>Torna a obrir ara</translation>
    </message>
    <message>
        <source>App language</source>
        <translation>Llengua de l&apos;app</translation>
    </message>
    <message>
        <source>Pick the language you read most easily. Suggestions follow whatever language you type.</source>
        <translation>Trieu la llengua que llegiu amb més facilitat. Els suggeriments segueixen la llengua en què escriviu.</translation>
    </message>
    <message>
        <source>Change the app language</source>
        <translation>Canvia la llengua de l&apos;app</translation>
    </message>
    <message>
        <source>0 min</source>
        <translation>0 min</translation>
    </message>
    <message>
        <source>under a minute</source>
        <translation>menys d&apos;un minut</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>Not set</source>
        <translation>No definida</translation>
    </message>
    <message>
        <source>Clear shortcut</source>
        <translation>Esborra la drecera</translation>
    </message>
    <message>
        <source>Add Ctrl, Alt or Super so normal typing still works.</source>
        <translation>Afegiu-hi Ctrl, Alt o Super perquè l&apos;escriptura normal continuï funcionant.</translation>
    </message>
    <message>
        <source>Type a shortcut…</source>
        <translation>Premeu una drecera…</translation>
    </message>
    <message>
        <source>Recording shortcut</source>
        <translation>S&apos;està enregistrant la drecera</translation>
    </message>
    <message>
        <source>Shortcut %1</source>
        <translation>Drecera %1</translation>
    </message>
    <message>
        <source>Record shortcut</source>
        <translation>Enregistra una drecera</translation>
    </message>
    <message>
        <source>Shortcut not set</source>
        <translation>Drecera no definida</translation>
    </message>
    <message>
        <source>Press to record a new shortcut. Escape cancels.</source>
        <translation>Premeu per enregistrar una drecera nova. Esc cancel·la.</translation>
    </message>
    <message>
        <source>Your tray icon is hidden</source>
        <translation>La icona de la safata està amagada</translation>
    </message>
    <message>
        <source>This computer has no on-device language model</source>
        <translation>Aquest ordinador no té cap model de llenguatge integrat</translation>
    </message>
    <message>
        <source>Turn on the on-device model in the desktop&apos;s settings</source>
        <translation>Activeu el model del dispositiu a la configuració de l&apos;escriptori</translation>
    </message>
    <message>
        <source>The on-device model is unavailable</source>
        <translation>El model del dispositiu no està disponible</translation>
    </message>
    <message>
        <source>Downloading. The on-device model fills in until it&apos;s done.</source>
        <translation>S&apos;està baixant. Mentrestant, el model del dispositiu en fa les funcions.</translation>
    </message>
    <message>
        <source>The on-device model fills in until you download it.</source>
        <translation>El model del dispositiu en fa les funcions fins que el baixeu.</translation>
    </message>
    <message>
        <source>%1 shares no text. Quit it and start it with %2 to get suggestions in it.</source>
        <translation>%1 no comparteix text. Tanqueu-lo i inicieu-lo amb %2 per tenir-hi suggeriments.</translation>
    </message>
    <message>
        <source>On-device model</source>
        <translation>Model del dispositiu</translation>
    </message>
    <message>
        <source>The system&apos;s own language model. Nothing to download.</source>
        <translation>El model de llenguatge del mateix sistema. No cal baixar res.</translation>
    </message>
    <message>
        <source>A website name cannot hold spaces, tabs or line breaks.</source>
        <translation>Un nom de lloc web no pot contenir espais, tabulacions ni salts de línia.</translation>
    </message>
    <message>
        <source>Only addresses that start with http or https can be added.</source>
        <translation>Només es poden afegir adreces que comencin per http o https.</translation>
    </message>
    <message>
        <source>That is not a website name. Type one such as wikipedia.org.</source>
        <translation>Això no és un nom de lloc web. Escriviu-ne un com ara wikipedia.org.</translation>
    </message>
    <message>
        <source>A port is a number from 1 to 65535.</source>
        <translation>Un port és un nombre de l&apos;1 al 65535.</translation>
    </message>
    <message>
        <source>The on-device model fills in until the download is done.</source>
        <translation>El model del dispositiu en fa les funcions fins que acabi la baixada.</translation>
    </message>
    <message>
        <source>Suggestions start once the download is done.</source>
        <translation>Els suggeriments començaran quan acabi la baixada.</translation>
    </message>
    <message>
        <source>This frees %1. The on-device model fills in until you download it again.</source>
        <translation>Això allibera %1. El model del dispositiu en fa les funcions fins que el torneu a baixar.</translation>
    </message>
    <message>
        <source>This frees %1. The %app model can&apos;t suggest until you download it again.</source>
        <translation>Això allibera %1. El model de %app no podrà suggerir fins que el torneu a baixar.</translation>
    </message>
    <message>
        <source>There&apos;s no room for it, or your panel has no system tray. Add the panel&apos;s system tray or status area applet in its settings.</source>
        <translation>No hi ha espai, o el plafó no té safata del sistema. Afegiu la miniaplicació de safata del sistema o d&apos;àrea d&apos;estat a la configuració del plafó.</translation>
    </message>
    <message>
        <source>GNOME shows tray icons only with the AppIndicator extension. Install the gnome-shell-extension-appindicator package, log out and in, then turn it on in Extensions.</source>
        <translation>El GNOME només mostra icones a la safata amb l&apos;extensió AppIndicator. Instal·leu el paquet gnome-shell-extension-appindicator, tanqueu la sessió i torneu a entrar, i activeu-la a «Extensions».</translation>
    </message>
    <message>
        <source>GNOME shows tray icons only with the AppIndicator extension. It is installed but off: turn it on in Extensions.</source>
        <translation>El GNOME només mostra icones a la safata amb l&apos;extensió AppIndicator. Està instal·lada però desactivada: activeu-la a «Extensions».</translation>
    </message>
    <message>
        <source>Until then, open %app from your applications menu to reach Settings.</source>
        <translation>Mentrestant, obriu %app des del menú d&apos;aplicacions per arribar a Configuració.</translation>
    </message>
    <message>
        <source>Open Extensions</source>
        <translation>Obre «Extensions»</translation>
    </message>
    <message>
        <source>Show Count in Tray</source>
        <translation>Mostra el recompte a la safata</translation>
    </message>
    <message>
        <source>%1 shares no text</source>
        <translation>%1 no comparteix text</translation>
    </message>
    <message>
        <source>Copy command</source>
        <translation>Copia l&apos;ordre</translation>
    </message>
    <message>
        <source>There&apos;s no account and no analytics. With the %app model or the on-device model, your text stays on this computer.</source>
        <translation>No hi ha cap compte ni cap seguiment d&apos;ús. Amb el model de %app o el del dispositiu, el text es queda en aquest ordinador.</translation>
    </message>
    <message>
        <source>There&apos;s no account and no analytics. With the %app model, your text stays on this computer.</source>
        <translation>No hi ha cap compte ni cap seguiment d&apos;ús. Amb el model de %app, el text es queda en aquest ordinador.</translation>
    </message>
    <message>
        <source>%app lives in your system tray from now on. Click its icon to pause it in an app or open Settings.</source>
        <translation>D&apos;ara endavant, %app viu a la safata del sistema. Feu clic a la icona per posar-lo en pausa en una app o obrir Configuració.</translation>
    </message>
    <message>
        <source>%app has no account, no analytics and no servers of its own. The %app model and the on-device model keep your text on this computer. Other engines get it only if you set one up.</source>
        <translation>%app no té cap compte, ni seguiment d&apos;ús, ni servidors propis. El model de %app i el del dispositiu mantenen el text en aquest ordinador. Els altres motors només el reben si en configureu un.</translation>
    </message>
    <message>
        <source>%app has no account, no analytics and no servers of its own. The %app model keeps your text on this computer. Other engines get it only if you set one up.</source>
        <translation>%app no té cap compte, ni seguiment d&apos;ús, ni servidors propis. El model de %app manté el text en aquest ordinador. Els altres motors només el reben si en configureu un.</translation>
    </message>
    <message>
        <source>Installed applications</source>
        <translation>Aplicacions instal·lades</translation>
    </message>
    <message>
        <source>%app reads these only while making a suggestion and never saves them. With the %app model or the on-device model, nothing leaves your computer.</source>
        <translation>%app només els llegeix mentre fa un suggeriment i no els desa mai. Amb el model de %app o el del dispositiu, res no surt de l&apos;ordinador.</translation>
    </message>
    <message>
        <source>%app reads these only while making a suggestion and never saves them. With the %app model, nothing leaves your computer.</source>
        <translation>%app només els llegeix mentre fa un suggeriment i no els desa mai. Amb el model de %app, res no surt de l&apos;ordinador.</translation>
    </message>
    <message>
        <source>The %app model keeps your text on this computer.</source>
        <translation>El model de %app manté el text en aquest ordinador.</translation>
    </message>
    <message>
        <source>The key holds a line break or another control character. Paste it again without them.</source>
        <translation>La clau conté un salt de línia o un altre caràcter de control. Torneu-la a enganxar sense.</translation>
    </message>
    <message>
        <source>Waiting for the keyring to store the key.</source>
        <translation>S&apos;espera que el clauer desi la clau.</translation>
    </message>
    <message>
        <source>The keyring cannot keep this key, so it is used only until %app quits.</source>
        <translation>El clauer no pot guardar aquesta clau, de manera que només s&apos;utilitzarà fins que %app es tanqui.</translation>
    </message>
    <message>
        <source>Show in the system tray</source>
        <translation>Mostra a la safata del sistema</translation>
    </message>
    <message>
        <source>Pause or open Settings from the system tray. Hidden? Open %app from your applications menu to come back.</source>
        <translation>Poseu en pausa o obriu Configuració des de la safata del sistema. La icona és amagada? Obriu %app des del menú d&apos;aplicacions per tornar-hi.</translation>
    </message>
    <message>
        <source>This tray can&apos;t show text beside icons, so the count shows in the icon&apos;s tooltip.</source>
        <translation>Aquesta safata no pot mostrar text al costat de les icones, així que el recompte apareix a l&apos;indicador de funció de la icona.</translation>
    </message>
    <message>
        <source>VS Code, VSCodium, Cursor, Zed, Kate, Sublime Text, JetBrains IDEs and similar apps.</source>
        <translation>VS Code, VSCodium, Cursor, Zed, Kate, Sublime Text, IDE de JetBrains i apps semblants.</translation>
    </message>
    <message>
        <source>Your settings could not be read, so they were set aside and %app started over with its defaults.</source>
        <translation>No s&apos;ha pogut llegir la configuració, de manera que s&apos;ha apartat i %app ha tornat a començar amb els valors per defecte.</translation>
    </message>
    <message>
        <source>Your settings are not saved: %app cannot write to its settings folder.</source>
        <translation>La configuració no es desa: %app no pot escriure a la carpeta de configuració.</translation>
    </message>
    <message>
        <source>Your app and website rules could not be read, so they were set aside.</source>
        <translation>No s&apos;han pogut llegir les regles d&apos;apps i llocs web, de manera que s&apos;han apartat.</translation>
    </message>
    <message>
        <source>Your statistics could not be read, so they were set aside and counting started over.</source>
        <translation>No s&apos;han pogut llegir les estadístiques, de manera que s&apos;han apartat i el recompte ha tornat a començar.</translation>
    </message>
    <message>
        <source>Not saved: %app cannot write to its data folder.</source>
        <translation>No desat: %app no pot escriure a la carpeta de dades.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln suggestions. %1 selected</source>
        <translation>
            <numerusform>%Ln suggeriment. Seleccionat: %1</numerusform>
            <numerusform>%Ln suggeriments. Seleccionat: %1</numerusform>
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
            <numerusform>%Ln paraula</numerusform>
            <numerusform>%Ln paraules</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln passages from here</source>
        <translation>
            <numerusform>%Ln fragment recordat aquí</numerusform>
            <numerusform>%Ln fragments recordats aquí</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>words</source>
        <comment>unit after a count</comment>
        <translation>
            <numerusform>paraula</numerusform>
            <numerusform>paraules</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln days</source>
        <translation>
            <numerusform>%Ln dia</numerusform>
            <numerusform>%Ln dies</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Words saved per day over the last %Ln days</source>
        <translation>
            <numerusform>Paraules estalviades per dia el darrer dia</numerusform>
            <numerusform>Paraules estalviades per dia els darrers %Ln dies</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln day streak</source>
        <translation>
            <numerusform>Ratxa de %Ln dia</numerusform>
            <numerusform>Ratxa de %Ln dies</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln passages remembered</source>
        <translation>
            <numerusform>%Ln fragment recordat</numerusform>
            <numerusform>%Ln fragments recordats</numerusform>
        </translation>
    </message>
    <message>
        <source>enter</source>
        <translation>intro</translation>
    </message>
    <message>
        <source>Allow screen capture so %app can read those too. Most apps work without it.</source>
        <translation>Permeteu la captura de pantalla perquè %app també les pugui llegir. La majoria d&apos;apps funcionen sense.</translation>
    </message>
    <message>
        <source>Type a colon and a word, like :rocket, then press Tab or Enter to pick.</source>
        <translation>Escriviu dos punts i una paraula, com ara :rocket, i premeu Tab o Intro per triar.</translation>
    </message>
    <message>
        <source>You can switch memory off for single apps under Apps &amp; Sites. The key that unlocks it lives in your keyring.</source>
        <translation>Podeu desactivar la memòria per a apps concretes a «Apps &amp; llocs». La clau que la desbloqueja és al clauer.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln emoji. %1 selected</source>
        <translation>
            <numerusform>%Ln emoji. Seleccionat: %1</numerusform>
            <numerusform>%Ln emojis. Seleccionat: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Suggestion: %1</source>
        <translation>Suggeriment: %1</translation>
    </message>
    <message numerus="yes">
        <source>%Ln models available</source>
        <translation>
            <numerusform>%Ln model disponible</numerusform>
            <numerusform>%Ln models disponibles</numerusform>
        </translation>
    </message>
    <message>
        <source>The model couldn&apos;t be saved: %1</source>
        <translation>No s&apos;ha pogut desar el model: %1</translation>
    </message>
    <message>
        <source>Ollama isn&apos;t running.</source>
        <translation>L&apos;Ollama no s&apos;està executant.</translation>
    </message>
    <message>
        <source>Ollama isn&apos;t running at %1.</source>
        <translation>L&apos;Ollama no s&apos;està executant a %1.</translation>
    </message>
    <message>
        <source>No server answered.</source>
        <translation>Cap servidor no ha respost.</translation>
    </message>
    <message>
        <source>No server answered at %1.</source>
        <translation>Cap servidor no ha respost a %1.</translation>
    </message>
    <message>
        <source>Range: %1</source>
        <translation>Període: %1</translation>
    </message>
    <message numerus="yes">
        <source>%1, %Ln to do</source>
        <translation>
            <numerusform>%1, %Ln pendent</numerusform>
            <numerusform>%1, %Ln pendents</numerusform>
        </translation>
    </message>
    <message>
        <source>Type the whole name of the website, such as wikipedia.org.</source>
        <translation>Escriviu el nom complet del lloc web, com ara wikipedia.org.</translation>
    </message>
    <message>
        <source>The key holds a space, an invisible character or a letter outside plain ASCII. Paste it again exactly as your server gave it.</source>
        <translation>La clau conté un espai, un caràcter invisible o una lletra fora de l&apos;ASCII simple. Torneu-la a enganxar exactament com us l&apos;ha donada el servidor.</translation>
    </message>
    <message>
        <source>The keyring could not be read, so your server is asked without an API key. Type the key again if your server needs one.</source>
        <translation>No s&apos;ha pogut llegir el clauer, de manera que es consulta el servidor sense clau d&apos;API. Torneu a escriure la clau si el servidor la necessita.</translation>
    </message>
    <message>
        <source>Your writing memory could not be opened, so it was set aside and %app started a new one.</source>
        <translation>No s&apos;ha pogut obrir la memòria d&apos;escriptura, de manera que s&apos;ha apartat i %app n&apos;ha començat una de nova.</translation>
    </message>
    <message>
        <source>%1, converted for llama.cpp by %2</source>
        <translation>%1, convertit per a llama.cpp per %2</translation>
    </message>
    <message>
        <source>The data folder %1 could not be made. Check that the folder above it exists and that you may write there.</source>
        <translation>No s&apos;ha pogut crear la carpeta de dades %1. Comproveu que la carpeta que la conté existeix i que hi podeu escriure.</translation>
    </message>
    <message>
        <source>party</source>
        <comment>emoji search sample</comment>
        <translation>festa</translation>
    </message>
    <message numerus="yes">
        <source>%Ln settings held values %app cannot use, so they were corrected and saved.</source>
        <translation>
            <numerusform>%Ln paràmetre tenia un valor que %app no pot fer servir, de manera que s&apos;ha corregit i desat.</numerusform>
            <numerusform>%Ln paràmetres tenien valors que %app no pot fer servir, de manera que s&apos;han corregit i desat.</numerusform>
        </translation>
    </message>
    <message>
        <source>Your writing memory is not saved: the keyring is missing or locked, so its key cannot be kept.</source>
        <translation>La memòria d&apos;escriptura no es desa: el clauer no hi és o està bloquejat, de manera que no se&apos;n pot guardar la clau.</translation>
    </message>
    <message>
        <source>That address isn&apos;t valid</source>
        <translation>Aquesta adreça no és vàlida</translation>
    </message>
    <message>
        <source>The request timed out.</source>
        <translation>S&apos;ha esgotat el temps d&apos;espera de la sol·licitud.</translation>
    </message>
    <message>
        <source>The server&apos;s reply was too long, so it was stopped.</source>
        <translation>La resposta del servidor era massa llarga i s&apos;ha aturat.</translation>
    </message>
    <message>
        <source>The server answered %1.</source>
        <translation>El servidor ha respost %1.</translation>
    </message>
    <message>
        <source>The server answered %1: %2</source>
        <translation>El servidor ha respost %1: %2</translation>
    </message>
    <message>
        <source>The download server answered %1. Try again later.</source>
        <translation>El servidor de baixada ha respost %1. Torneu-ho a provar més tard.</translation>
    </message>
    <message>
        <source>The download couldn&apos;t be saved: %1</source>
        <translation>No s&apos;ha pogut desar la baixada: %1</translation>
    </message>
    <message>
        <source>The download paused because the connection dropped. Try again to pick up where it stopped.</source>
        <translation>La baixada s&apos;ha posat en pausa perquè s&apos;ha tallat la connexió. Torneu-ho a provar per continuar on s&apos;ha aturat.</translation>
    </message>
    <message>
        <source>The download stopped. Check your connection, then try again.</source>
        <translation>La baixada s&apos;ha aturat. Comproveu la connexió i torneu-ho a provar.</translation>
    </message>
    <message>
        <source>Pick an Ollama model in Settings</source>
        <translation>Trieu un model d&apos;Ollama a Configuració</translation>
    </message>
    <message>
        <source>Pick a model for your local server</source>
        <translation>Trieu un model per al vostre servidor local</translation>
    </message>
    <message>
        <source>The server&apos;s answer is not HTTP.</source>
        <translation>La resposta del servidor no és HTTP.</translation>
    </message>
    <message>
        <source>The data couldn&apos;t be read because it is missing.</source>
        <translation>No s&apos;han pogut llegir les dades perquè falten.</translation>
    </message>
    <message>
        <source>The data couldn&apos;t be read because it isn&apos;t in the correct format.</source>
        <translation>No s&apos;han pogut llegir les dades perquè no tenen el format correcte.</translation>
    </message>
    <message>
        <source>:%1:</source>
        <comment>emoji name</comment>
        <translation>:%1:</translation>
    </message>
    <message>
        <source>This computer has no on-device language model.</source>
        <translation>Aquest ordinador no té cap model de llenguatge integrat.</translation>
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
        <translation>Maj</translation>
    </message>
    <message>
        <source>Super</source>
        <comment>key</comment>
        <translation>Super</translation>
    </message>
    <message>
        <source>Paused on %1</source>
        <translation>En pausa a %1</translation>
    </message>
    <message>
        <source>Paused in %1</source>
        <translation>En pausa a %1</translation>
    </message>
    <message>
        <source>Off on %1</source>
        <translation>Desactivat a %1</translation>
    </message>
    <message>
        <source>Off in %1</source>
        <translation>Desactivat a %1</translation>
    </message>
    <message>
        <source>Off in %1 by default</source>
        <translation>Desactivat per defecte a %1</translation>
    </message>
    <message>
        <source>Off in code editors</source>
        <translation>Desactivat als editors de codi</translation>
    </message>
    <message>
        <source>Off unless turned on per app</source>
        <translation>Desactivat tret que s&apos;activi app per app</translation>
    </message>
    <message>
        <source>Tab</source>
        <comment>key</comment>
        <translation>Tab</translation>
    </message>
    <message>
        <source>Enter</source>
        <comment>key</comment>
        <translation>Retorn</translation>
    </message>
    <message>
        <source>Esc</source>
        <comment>key</comment>
        <translation>Esc</translation>
    </message>
    <message>
        <source>Del</source>
        <comment>key</comment>
        <translation>Supr</translation>
    </message>
    <message>
        <source>Space</source>
        <comment>key</comment>
        <translation>Espai</translation>
    </message>
    <message>
        <source>Home</source>
        <comment>key</comment>
        <translation>Inici</translation>
    </message>
    <message>
        <source>End</source>
        <comment>key</comment>
        <translation>Fi</translation>
    </message>
    <message>
        <source>Page Up</source>
        <comment>key</comment>
        <translation>Re Pàg</translation>
    </message>
    <message>
        <source>Page Down</source>
        <comment>key</comment>
        <translation>Av Pàg</translation>
    </message>
    <message>
        <source>Key %1</source>
        <comment>key</comment>
        <translation>Tecla %1</translation>
    </message>
    <message>
        <source>An email reply reads differently from a commit message.</source>
        <translation>Una resposta a un correu no s&apos;escriu igual que un missatge de commit.</translation>
    </message>
    <message>
        <source>Writes straight into the field. Cleanest in GTK and Qt apps.</source>
        <translation>Escriu directament al camp. És més net en apps GTK i Qt.</translation>
    </message>
    <message>
        <source>Typing</source>
        <comment>insertion method</comment>
        <translation>Escriptura</translation>
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
            <numerusform>%Ln paraula estalviada avui</numerusform>
            <numerusform>%Ln paraules estalviades avui</numerusform>
        </translation>
    </message>
    <message>
        <source>Under a minute of typing saved today.</source>
        <translation>Avui us heu estalviat menys d&apos;un minut d&apos;escriptura.</translation>
    </message>
    <message>
        <source>About %1 of typing saved today.</source>
        <translation>Avui us heu estalviat uns %1 d&apos;escriptura.</translation>
    </message>
    <message numerus="yes">
        <source>Step %1 of %Ln</source>
        <translation>
            <numerusform>Pas %1 de %Ln</numerusform>
            <numerusform>Pas %1 de %Ln</numerusform>
        </translation>
    </message>
    <message>
        <source>%app reads and types into text fields through the desktop&apos;s accessibility support, which some desktops leave off. %app uses it only for the field you&apos;re writing in.</source>
        <translation>%app llegeix els camps de text i hi escriu a través del suport d&apos;accessibilitat de l&apos;escriptori, que alguns escriptoris tenen desactivat. %app només l&apos;utilitza per al camp on escriviu.</translation>
    </message>
    <message>
        <source>The button switches the desktop&apos;s accessibility support on. If the desktop&apos;s settings open instead, turn accessibility on there, then come back. This page updates by itself.</source>
        <translation>El botó activa el suport d&apos;accessibilitat de l&apos;escriptori. Si en lloc d&apos;això s&apos;obre la configuració de l&apos;escriptori, activeu-hi l&apos;accessibilitat i torneu aquí. Aquesta pàgina s&apos;actualitza sola.</translation>
    </message>
    <message>
        <source>Still off? Some desktops start their accessibility service only when you log in. Log out and back in, then try again.</source>
        <translation>Encara desactivat? Alguns escriptoris només inicien el servei d&apos;accessibilitat quan inicieu la sessió. Tanqueu la sessió, torneu-la a iniciar i proveu-ho de nou.</translation>
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
        <translation>escriptura</translation>
    </message>
    <message>
        <source>accessibility</source>
        <comment>insertion method, in a sentence</comment>
        <translation>accessibilitat</translation>
    </message>
    <message>
        <source>paste</source>
        <comment>insertion method, in a sentence</comment>
        <translation>porta-retalls</translation>
    </message>
    <message>
        <source>short</source>
        <comment>suggestion length, in a sentence</comment>
        <translation>curts</translation>
    </message>
    <message>
        <source>medium</source>
        <comment>suggestion length, in a sentence</comment>
        <translation>mitjans</translation>
    </message>
    <message>
        <source>long</source>
        <comment>suggestion length, in a sentence</comment>
        <translation>llargs</translation>
    </message>
    <message>
        <source>Default follows General: %1, %2 suggestions.</source>
        <translation>Per defecte segueix «General»: %1, suggeriments %2.</translation>
    </message>
    <message>
        <source>Yes, at %1, %2 on screen, %3 pt tall, %4 and %5</source>
        <translation>Sí, a %1, %2 a la pantalla, %3 pt d&apos;alçada, %4 i %5</translation>
    </message>
    <message numerus="yes">
        <source>%Ln characters before it</source>
        <translation>
            <numerusform>%Ln caràcter abans</numerusform>
            <numerusform>%Ln caràcters abans</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln after</source>
        <comment>characters after the caret</comment>
        <translation>
            <numerusform>%Ln després</numerusform>
            <numerusform>%Ln després</numerusform>
        </translation>
    </message>
    <message>
        <source>No system tray runs on this desktop, so the icon cannot show. %1</source>
        <translation>En aquest escriptori no hi ha cap safata del sistema, així que la icona no es pot mostrar. %1</translation>
    </message>
    <message>
        <source>Typing</source>
        <comment>section header</comment>
        <translation>Escriptura</translation>
    </message>
    <message>
        <source>Switch to the computer&apos;s language?</source>
        <translation>Voleu canviar a l&apos;idioma de l&apos;ordinador?</translation>
    </message>
    <message numerus="yes">
        <source>%Ln words this week.</source>
        <translation>
            <numerusform>%Ln paraula aquesta setmana.</numerusform>
            <numerusform>%Ln paraules aquesta setmana.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Under a minute of typing saved today. %Ln words this week.</source>
        <translation>
            <numerusform>Avui us heu estalviat menys d&apos;un minut d&apos;escriptura. %Ln paraula aquesta setmana.</numerusform>
            <numerusform>Avui us heu estalviat menys d&apos;un minut d&apos;escriptura. %Ln paraules aquesta setmana.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>About %1 of typing saved today. %Ln words this week.</source>
        <translation>
            <numerusform>Avui us heu estalviat uns %1 d&apos;escriptura. %Ln paraula aquesta setmana.</numerusform>
            <numerusform>Avui us heu estalviat uns %1 d&apos;escriptura. %Ln paraules aquesta setmana.</numerusform>
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
            <numerusform>%Ln de %1 fet</numerusform>
            <numerusform>%Ln de %1 fets</numerusform>
        </translation>
    </message>
    <message>
        <source>The server refused the connection. Check that it is running and that the address is right.</source>
        <translation>El servidor ha rebutjat la connexió. Comproveu que estigui en marxa i que l&apos;adreça sigui correcta.</translation>
    </message>
    <message>
        <source>The server&apos;s name couldn&apos;t be found. Check the address.</source>
        <translation>No s&apos;ha trobat el nom del servidor. Comproveu l&apos;adreça.</translation>
    </message>
    <message>
        <source>A secure connection to the server couldn&apos;t be made.</source>
        <translation>No s&apos;ha pogut establir una connexió segura amb el servidor.</translation>
    </message>
    <message>
        <source>The server closed the connection before it answered.</source>
        <translation>El servidor ha tancat la connexió abans de respondre.</translation>
    </message>
    <message>
        <source>The network proxy couldn&apos;t be reached.</source>
        <translation>No s&apos;ha pogut accedir al servidor intermediari de la xarxa.</translation>
    </message>
    <message>
        <source>The server couldn&apos;t be reached.</source>
        <translation>No s&apos;ha pogut accedir al servidor.</translation>
    </message>
    <message>
        <source>Waiting for the network…</source>
        <translation>S&apos;està esperant la xarxa…</translation>
    </message>
    <message>
        <source>%1 is taken by another program.</source>
        <translation>Una altra aplicació ja fa servir %1.</translation>
    </message>
    <message>
        <source>%1 could not open again. Your choice takes effect the next time you start it.</source>
        <translation>%1 no s&apos;ha pogut tornar a obrir. La vostra elecció s&apos;aplicarà la propera vegada que l&apos;inicieu.</translation>
    </message>
    <message>
        <source>Downloading the model</source>
        <translation>S&apos;està baixant el model</translation>
    </message>
    <message numerus="yes">
        <source>These apps answer the Tab key before %app can, so %app stays paused in your other apps until they quit.</source>
        <translation>
            <numerusform>Aquestes apps responen a la tecla Tab abans que %app pugui fer-ho, així que %app queda en pausa a les altres apps fins que es tanquin.</numerusform>
            <numerusform>Aquestes apps responen a la tecla Tab abans que %app pugui fer-ho, així que %app queda en pausa a les altres apps fins que es tanquin.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>It may be waiting on a dialog of its own. Force Quit closes it right away.</source>
        <translation>
            <numerusform>Potser està esperant un diàleg seu. «Força la sortida» el tanca immediatament.</numerusform>
            <numerusform>Potser estan esperant diàlegs seus. «Força la sortida» els tanca immediatament.</numerusform>
        </translation>
    </message>
    <message>
        <source>Set a Suggest Now shortcut in Keys to ask for suggestions</source>
        <translation>Definiu una drecera «Suggereix ara» a «Tecles» per demanar suggeriments</translation>
    </message>
    <message>
        <source>Backspace</source>
        <comment>key above Enter that deletes backwards</comment>
        <translation>Retrocés</translation>
    </message>
    <message>
        <source>0 words saved today</source>
        <translation>0 paraules estalviades avui</translation>
    </message>
    <message>
        <source>words saved today</source>
        <comment>beside the count 0</comment>
        <translation>paraules estalviades avui</translation>
    </message>
    <message>
        <source>Quit the other app</source>
        <translation>Tanca l&apos;altra app</translation>
    </message>
    <message>
        <source>None yet</source>
        <comment>no app looked at yet</comment>
        <translation>Encara cap</translation>
    </message>
    <message>
        <source>None yet</source>
        <comment>no suggestion shown yet</comment>
        <translation>Encara cap</translation>
    </message>
    <message>
        <source>The other app is also running</source>
        <translation>L&apos;altra app també està oberta</translation>
    </message>
    <message>
        <source>Both apps answer the Tab key, and the system gives it to the other app first. %app stays paused in your other apps until the other app quits.</source>
        <translation>Totes dues apps responen a la tecla Tab, i el sistema la dona primer a l&apos;altra app. %app queda en pausa a les altres apps fins que l&apos;altra app es tanqui.</translation>
    </message>
    <message>
        <source>The other app is still open</source>
        <translation>L&apos;altra app encara està oberta</translation>
    </message>
    <message>
        <source>The other app quit, so your suggestions are back in every app.</source>
        <translation>L&apos;altra app s&apos;ha tancat: els suggeriments tornen a ser a totes les apps.</translation>
    </message>
    <message>
        <source>The other app quit. %app has the Tab key.</source>
        <translation>L&apos;altra app s&apos;ha tancat. %app té la tecla Tab.</translation>
    </message>
</context>
</TS>
