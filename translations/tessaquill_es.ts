<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>Tessaquill</name>
    <message>
        <source>Accessibility is on. %app is ready in your other apps.</source>
        <translation>La accesibilidad está activada. %app está listo en tus otras apps.</translation>
    </message>
    <message>
        <source>Paused while %1 is open</source>
        <translation>En pausa mientras %1 esté abierto</translation>
    </message>
    <message>
        <source>Welcome to %app</source>
        <translation>Te damos la bienvenida a %app</translation>
    </message>
    <message>
        <source>%app</source>
        <translation>%app</translation>
    </message>
    <message>
        <source>Another autocomplete app is running</source>
        <translation>Hay otra app de autocompletado abierta</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Listo</translation>
    </message>
    <message>
        <source>Waiting for a pause</source>
        <translation>Esperando una pausa</translation>
    </message>
    <message>
        <source>Thinking</source>
        <translation>Pensando</translation>
    </message>
    <message>
        <source>Showing a suggestion</source>
        <translation>Mostrando una sugerencia</translation>
    </message>
    <message>
        <source>The model took too long to answer</source>
        <translation>El modelo tardó demasiado en responder</translation>
    </message>
    <message>
        <source>This app doesn&apos;t report where the caret is</source>
        <translation>Esta app no indica dónde está el cursor</translation>
    </message>
    <message>
        <source>%app is turned off</source>
        <translation>%app está desactivado</translation>
    </message>
    <message>
        <source>Secure input is on, so %app stays out</source>
        <translation>Entrada segura activada: %app no interviene</translation>
    </message>
    <message>
        <source>Press %1 for a suggestion</source>
        <translation>Pulsa %1 para obtener una sugerencia</translation>
    </message>
    <message>
        <source>Text is selected</source>
        <translation>Hay texto seleccionado</translation>
    </message>
    <message>
        <source>The caret is inside existing text</source>
        <translation>El cursor está dentro de texto existente</translation>
    </message>
    <message>
        <source>This field is too small</source>
        <translation>Este campo es demasiado pequeño</translation>
    </message>
    <message>
        <source>Waiting for a few characters</source>
        <translation>Esperando unos caracteres</translation>
    </message>
    <message>
        <source>Start of a new line</source>
        <translation>Inicio de una línea nueva</translation>
    </message>
    <message>
        <source>The model is still downloading</source>
        <translation>El modelo aún se está descargando</translation>
    </message>
    <message>
        <source>Download the %app model in Settings first</source>
        <translation>Primero descarga el modelo de %app en Ajustes</translation>
    </message>
    <message>
        <source>Not checked yet</source>
        <translation>Aún sin comprobar</translation>
    </message>
    <message>
        <source>Checking…</source>
        <translation>Comprobando…</translation>
    </message>
    <message>
        <source>The model stopped with error %1</source>
        <translation>El modelo se detuvo con el error %1</translation>
    </message>
    <message>
        <source>The model file couldn&apos;t be loaded</source>
        <translation>No se pudo cargar el archivo del modelo</translation>
    </message>
    <message>
        <source>There wasn&apos;t enough memory to start the model</source>
        <translation>No hubo memoria suficiente para iniciar el modelo</translation>
    </message>
    <message>
        <source>The text couldn&apos;t be prepared for the model</source>
        <translation>No se pudo preparar el texto para el modelo</translation>
    </message>
    <message>
        <source>This computer needs %1 free for the download. Free up some space, then try again.</source>
        <translation>Este equipo necesita %1 libres para la descarga. Libera espacio y vuelve a intentarlo.</translation>
    </message>
    <message>
        <source>The download didn&apos;t match the expected file, so it was deleted. Try again.</source>
        <translation>La descarga no coincidía con el archivo esperado y se eliminó. Vuelve a intentarlo.</translation>
    </message>
    <message>
        <source>Downloaded</source>
        <translation>Descargado</translation>
    </message>
    <message>
        <source>Downloading. Suggestions start once it&apos;s done.</source>
        <translation>Descargando. Las sugerencias empiezan al terminar.</translation>
    </message>
    <message>
        <source>Checking the download.</source>
        <translation>Comprobando la descarga.</translation>
    </message>
    <message>
        <source>Checking the download. Suggestions start once it&apos;s done.</source>
        <translation>Comprobando la descarga. Las sugerencias empiezan al terminar.</translation>
    </message>
    <message>
        <source>Download the model to start</source>
        <translation>Descarga el modelo para empezar</translation>
    </message>
    <message>
        <source>Ollama is running but has no models</source>
        <translation>Ollama está en marcha pero no tiene modelos</translation>
    </message>
    <message>
        <source>Another app</source>
        <translation>Otra app</translation>
    </message>
    <message>
        <source>There is no D-Bus session bus, so %1 cannot reach text fields.</source>
        <translation>No hay bus de sesión D-Bus, así que %1 no puede acceder a los campos de texto.</translation>
    </message>
    <message>
        <source>The desktop&apos;s accessibility bus is not running, so %1 cannot reach text fields.</source>
        <translation>El bus de accesibilidad del escritorio no está en marcha, así que %1 no puede acceder a los campos de texto.</translation>
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
        <translation>Larga</translation>
    </message>
    <message>
        <source>Hide the suggestion</source>
        <translation>Ocultar la sugerencia</translation>
    </message>
    <message>
        <source>Hide suggestions until I change fields</source>
        <translation>Ocultar sugerencias hasta cambiar de campo</translation>
    </message>
    <message>
        <source>Do nothing, send Escape to the app</source>
        <translation>No hacer nada, enviar Esc a la app</translation>
    </message>
    <message>
        <source>Type it</source>
        <translation>Tecleo</translation>
    </message>
    <message>
        <source>Insert through Accessibility</source>
        <translation>Inserción por accesibilidad</translation>
    </message>
    <message>
        <source>Paste it</source>
        <translation>Pegado</translation>
    </message>
    <message>
        <source>Grey</source>
        <translation>Gris</translation>
    </message>
    <message>
        <source>Gold tint</source>
        <translation>Tono dorado</translation>
    </message>
    <message>
        <source>%app model</source>
        <translation>Modelo de %app</translation>
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
        <translation>Se ejecuta en este equipo tras una única descarga. Funciona sin conexión.</translation>
    </message>
    <message>
        <source>Any model you run in Ollama, base models included.</source>
        <translation>Cualquier modelo que ejecutes en Ollama, incluidos los modelos base.</translation>
    </message>
    <message>
        <source>LM Studio, llama-server or any OpenAI-compatible endpoint.</source>
        <translation>LM Studio, llama-server o cualquier servidor compatible con OpenAI.</translation>
    </message>
    <message>
        <source>Sends the text as keystrokes. Works almost everywhere.</source>
        <translation>Envía el texto como pulsaciones. Funciona casi en todas partes.</translation>
    </message>
    <message>
        <source>Uses the clipboard, then puts your clipboard back.</source>
        <translation>Usa el portapapeles y luego lo restaura.</translation>
    </message>
    <message>
        <source>Accessibility</source>
        <translation>Accesibilidad</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Pegado</translation>
    </message>
    <message>
        <source>Your writing memory could not be opened and was set aside. Nothing new is remembered until %app starts again.</source>
        <translation>No se pudo abrir tu memoria de escritura y se apartó. No se recordará nada nuevo hasta que %app se reinicie.</translation>
    </message>
    <message>
        <source>Your writing memory could not be opened because its key could not be read from the keyring. Nothing new is remembered until %app starts again.</source>
        <translation>No se pudo abrir tu memoria de escritura porque su clave no se pudo leer del llavero. No se recordará nada nuevo hasta que %app se reinicie.</translation>
    </message>
    <message>
        <source>Not Now</source>
        <translation>Ahora no</translation>
    </message>
    <message>
        <source>Open the desktop&apos;s settings</source>
        <translation>Abrir los ajustes del escritorio</translation>
    </message>
    <message>
        <source>Don&apos;t remind me again</source>
        <translation>No volver a recordármelo</translation>
    </message>
    <message>
        <source>Open Playground</source>
        <translation>Abrir la zona de pruebas</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>Quit %app</source>
        <translation>Salir de %app</translation>
    </message>
    <message>
        <source>Needs Accessibility access</source>
        <translation>Necesita acceso de Accesibilidad</translation>
    </message>
    <message>
        <source>Paused until you resume</source>
        <translation>En pausa hasta que reanudes</translation>
    </message>
    <message>
        <source>Paused until %1</source>
        <translation>En pausa hasta las %1</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Desactivado</translation>
    </message>
    <message numerus="yes">
        <source>Paused while %1 are open</source>
        <translation>
            <numerusform>En pausa mientras %1 esté abierto</numerusform>
            <numerusform>En pausa mientras %1 estén abiertos</numerusform>
        </translation>
    </message>
    <message>
        <source>Grant Accessibility Access…</source>
        <translation>Dar acceso de Accesibilidad…</translation>
    </message>
    <message numerus="yes">
        <source>Force Quit %1</source>
        <translation>
            <numerusform>Forzar salida de %1</numerusform>
            <numerusform>Forzar salida de %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Quit %1</source>
        <translation>
            <numerusform>Cerrar %1</numerusform>
            <numerusform>Cerrar %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>words saved today</source>
        <translation>
            <numerusform>palabra ahorrada hoy</numerusform>
            <numerusform>palabras ahorradas hoy</numerusform>
        </translation>
    </message>
    <message>
        <source>Start typing anywhere. %app keeps count here.</source>
        <translation>Empieza a escribir donde quieras. %app lleva la cuenta aquí.</translation>
    </message>
    <message>
        <source>Resume in %1</source>
        <translation>Reanudar en %1</translation>
    </message>
    <message>
        <source>Pause in %1</source>
        <translation>Pausar en %1</translation>
    </message>
    <message>
        <source>Resume Everywhere</source>
        <translation>Reanudar en todas partes</translation>
    </message>
    <message>
        <source>Pause Everywhere</source>
        <translation>Pausar en todas partes</translation>
    </message>
    <message>
        <source>For 15 Minutes</source>
        <translation>Durante 15 minutos</translation>
    </message>
    <message>
        <source>For 1 Hour</source>
        <translation>Durante 1 hora</translation>
    </message>
    <message>
        <source>For 4 Hours</source>
        <translation>Durante 4 horas</translation>
    </message>
    <message>
        <source>Until I Resume</source>
        <translation>Hasta reanudar</translation>
    </message>
    <message>
        <source>Example: after typing %1, %2 suggests %3</source>
        <translation>Ejemplo: tras escribir %1, %2 sugiere %3</translation>
    </message>
    <message>
        <source>takes the next word</source>
        <translation>toma la siguiente palabra</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Descargar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>%1 of %2. You can keep writing while it downloads.</source>
        <translation>%1 de %2. Puedes seguir escribiendo mientras se descarga.</translation>
    </message>
    <message>
        <source>Checking the download</source>
        <translation>Comprobando la descarga</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Reintentar</translation>
    </message>
    <message>
        <source>Remove…</source>
        <translation>Eliminar…</translation>
    </message>
    <message>
        <source>%1 license</source>
        <translation>Licencia %1</translation>
    </message>
    <message>
        <source>Remove the %app model?</source>
        <translation>¿Eliminar el modelo de %app?</translation>
    </message>
    <message>
        <source>Model download</source>
        <translation>Descarga del modelo</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuar</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Más tarde</translation>
    </message>
    <message>
        <source>Start Writing</source>
        <translation>Empezar a escribir</translation>
    </message>
    <message>
        <source>Finish your sentences in any app.</source>
        <translation>Termina tus frases en cualquier app.</translation>
    </message>
    <message>
        <source>%app reads the words before your caret and suggests what comes next in grey. Press Tab to take one word, or the key above Tab to take the rest. If you don&apos;t want it, keep typing.</source>
        <translation>%app lee las palabras antes del cursor y sugiere en gris lo que sigue. Pulsa Tab para tomar una palabra, o la tecla sobre Tab para tomar el resto. Si no te sirve, sigue escribiendo.</translation>
    </message>
    <message>
        <source>Sees what you see</source>
        <translation>Ve lo que ves</translation>
    </message>
    <message>
        <source>Private</source>
        <translation>Privado</translation>
    </message>
    <message>
        <source>It reads the window you&apos;re typing in, like the chat you&apos;re answering, so suggestions fit. None of it goes online, to us or any server. It stays private on your computer.</source>
        <translation>Lee la ventana en la que escribes, como el chat al que respondes, para que las sugerencias encajen. Nada sale a internet, ni a nosotros ni a ningún servidor. Todo queda privado en tu equipo.</translation>
    </message>
    <message>
        <source>Accessibility is on</source>
        <translation>Accesibilidad activada</translation>
    </message>
    <message>
        <source>%app can now read the field you&apos;re writing in and type suggestions for you.</source>
        <translation>%app ya puede leer el campo en el que escribes e introducir sugerencias por ti.</translation>
    </message>
    <message>
        <source>Let %app see what you type.</source>
        <translation>Deja que %app vea lo que escribes.</translation>
    </message>
    <message>
        <source>%app reads your text when you pause and forgets it after one suggestion, unless you turn on writing memory.</source>
        <translation>%app lee tu texto cuando haces una pausa y lo olvida tras una sugerencia, salvo que actives la memoria de escritura.</translation>
    </message>
    <message>
        <source>%app skips password fields and anything else the system marks as secure.</source>
        <translation>%app omite los campos de contraseña y todo lo que el sistema marca como seguro.</translation>
    </message>
    <message>
        <source>Open Accessibility Settings</source>
        <translation>Abrir ajustes de accesibilidad</translation>
    </message>
    <message>
        <source>Pick what writes your suggestions.</source>
        <translation>Elige qué escribe tus sugerencias.</translation>
    </message>
    <message>
        <source>You can change this any time in Settings.</source>
        <translation>Puedes cambiarlo cuando quieras en Ajustes.</translation>
    </message>
    <message>
        <source>Give it a try.</source>
        <translation>Pruébalo.</translation>
    </message>
    <message>
        <source>Start typing a sentence. When grey words appear, press Tab for one word or the key above Tab for all of them.</source>
        <translation>Empieza a escribir una frase. Cuando aparezcan palabras grises, pulsa Tab para una palabra o la tecla sobre Tab para todas.</translation>
    </message>
    <message>
        <source>Hi Orlenn, thanks for the quick reply. I think we should</source>
        <translation>Hola, Orlenn, gracias por la respuesta rápida. Creo que deberíamos</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>Practice field</source>
        <translation>Campo de práctica</translation>
    </message>
    <message>
        <source>Default, on</source>
        <translation>Predeterminado, activado</translation>
    </message>
    <message>
        <source>Default, off</source>
        <translation>Predeterminado, desactivado</translation>
    </message>
    <message>
        <source>Add a website</source>
        <translation>Añadir un sitio web</translation>
    </message>
    <message>
        <source>Domain</source>
        <translation>Dominio</translation>
    </message>
    <message>
        <source>Rules for a site apply in any browser %app can read.</source>
        <translation>Las reglas de un sitio se aplican en cualquier navegador que %app pueda leer.</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Add App…</source>
        <translation>Añadir app…</translation>
    </message>
    <message>
        <source>Add an app</source>
        <translation>Añadir una app</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Clear search</source>
        <translation>Borrar búsqueda</translation>
    </message>
    <message>
        <source>Add an app or website</source>
        <translation>Añadir una app o un sitio web</translation>
    </message>
    <message>
        <source>Add Website…</source>
        <translation>Añadir sitio web…</translation>
    </message>
    <message>
        <source>Apps &amp; Sites</source>
        <translation>Apps &amp; sitios</translation>
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
        <translation>Sitios web</translation>
    </message>
    <message>
        <source>No matches</source>
        <translation>Sin resultados</translation>
    </message>
    <message>
        <source>No apps yet</source>
        <translation>Aún no hay apps</translation>
    </message>
    <message>
        <source>Nothing matches “%1”.</source>
        <translation>Nada coincide con «%1».</translation>
    </message>
    <message>
        <source>Apps appear here once you accept a suggestion in them, or add one with +.</source>
        <translation>Las apps aparecen aquí cuando aceptas una sugerencia en ellas, o añade una con +.</translation>
    </message>
    <message>
        <source>Pick an app or site</source>
        <translation>Elige una app o un sitio</translation>
    </message>
    <message>
        <source>Each one can have its own rules. Anything you don&apos;t change follows General.</source>
        <translation>Cada una puede tener sus propias reglas. Lo que no cambies sigue lo definido en «General».</translation>
    </message>
    <message>
        <source>Words saved here</source>
        <translation>Palabras ahorradas aquí</translation>
    </message>
    <message>
        <source>Suggestions</source>
        <translation>Sugerencias</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Activado</translation>
    </message>
    <message>
        <source>Tab accepts suggestions</source>
        <translation>Tab acepta sugerencias</translation>
    </message>
    <message>
        <source>Turn off where Tab already means something, like indenting. The other accept key still works.</source>
        <translation>Desactívalo donde Tab ya sirve para algo, como sangrar. La otra tecla de aceptar sigue funcionando.</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Predeterminado</translation>
    </message>
    <message>
        <source>Insert by</source>
        <translation>Inserción</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Longitud</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Reanudar</translation>
    </message>
    <message>
        <source>Pause here</source>
        <translation>Pausar aquí</translation>
    </message>
    <message>
        <source>Memory</source>
        <translation>Memoria</translation>
    </message>
    <message>
        <source>Remember my writing here</source>
        <translation>Recordar cómo escribo aquí</translation>
    </message>
    <message>
        <source>Writing memory is off in Your Voice.</source>
        <translation>La memoria de escritura está desactivada en «Tu estilo».</translation>
    </message>
    <message>
        <source>Erase…</source>
        <translation>Borrar…</translation>
    </message>
    <message>
        <source>Reset to Defaults</source>
        <translation>Restablecer valores predeterminados</translation>
    </message>
    <message>
        <source>Erase what %app remembered from %1?</source>
        <translation>¿Borrar lo que %app ha memorizado en %1?</translation>
    </message>
    <message>
        <source>Erase</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Passages from this app can shape suggestions everywhere.</source>
        <translation>Los fragmentos de esta app pueden influir en las sugerencias en todas partes.</translation>
    </message>
    <message>
        <source>Finish setting up</source>
        <translation>Terminar la configuración</translation>
    </message>
    <message>
        <source>Setup progress</source>
        <translation>Progreso de la configuración</translation>
    </message>
    <message>
        <source>Done: %1</source>
        <translation>Hecho: %1</translation>
    </message>
    <message>
        <source>Best day yet!</source>
        <translation>¡Tu mejor día!</translation>
    </message>
    <message>
        <source>Try it here</source>
        <translation>Pruébalo aquí</translation>
    </message>
    <message>
        <source>Thanks for sending the draft over. I had a look and</source>
        <translation>Gracias por enviarme el borrador. Le he echado un vistazo y</translation>
    </message>
    <message>
        <source>next word</source>
        <translation>siguiente palabra</translation>
    </message>
    <message>
        <source>whole suggestion</source>
        <translation>sugerencia completa</translation>
    </message>
    <message>
        <source>hide it</source>
        <translation>ocultarla</translation>
    </message>
    <message>
        <source>This field runs the real engine. Start typing and grey words show up as you go.</source>
        <translation>Este campo usa el motor real. Empieza a escribir y verás palabras grises sobre la marcha.</translation>
    </message>
    <message>
        <source>This field runs the real engine, even before you allow Accessibility. Start typing and grey words show up as you go.</source>
        <translation>Este campo usa el motor real, incluso antes de permitir la accesibilidad. Empieza a escribir y verás palabras grises sobre la marcha.</translation>
    </message>
    <message>
        <source>You&apos;re all set</source>
        <translation>Todo listo</translation>
    </message>
    <message>
        <source>Accessibility is on and %1 is ready. %app works in every app you type in.</source>
        <translation>La accesibilidad está activada y %1 está listo. %app funciona en todas las apps en las que escribes.</translation>
    </message>
    <message>
        <source>Waiting for %1 to quit</source>
        <translation>Esperando a que %1 se cierre</translation>
    </message>
    <message>
        <source>Turned off</source>
        <translation>Desactivado</translation>
    </message>
    <message>
        <source>Paused everywhere</source>
        <translation>En pausa en todas partes</translation>
    </message>
    <message>
        <source>%1, %2 typical wait</source>
        <translation>%1, espera típica de %2</translation>
    </message>
    <message>
        <source>Start your streak today.</source>
        <translation>Empieza tu racha hoy.</translation>
    </message>
    <message>
        <source>Overview</source>
        <translation>Resumen</translation>
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
        <translation>Contexto</translation>
    </message>
    <message>
        <source>Your Voice</source>
        <translation>Tu estilo</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Teclas</translation>
    </message>
    <message>
        <source>Emoji</source>
        <translation>Emoji</translation>
    </message>
    <message>
        <source>Battery</source>
        <translation>Batería</translation>
    </message>
    <message>
        <source>Insights</source>
        <translation>Estadísticas</translation>
    </message>
    <message>
        <source>Field Inspector</source>
        <translation>Inspector de campos</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>How %app is doing today</source>
        <translation>Cómo le va hoy a %app</translation>
    </message>
    <message>
        <source>Where and how suggestions appear</source>
        <translation>Dónde y cómo aparecen las sugerencias</translation>
    </message>
    <message>
        <source>The model that writes your suggestions</source>
        <translation>El modelo que escribe tus sugerencias</translation>
    </message>
    <message>
        <source>What %app may look at to guess better</source>
        <translation>Qué puede mirar %app para acertar más</translation>
    </message>
    <message>
        <source>Help suggestions sound like you</source>
        <translation>Sugerencias que suenen como tú</translation>
    </message>
    <message>
        <source>Accept, dismiss and summon suggestions</source>
        <translation>Aceptar, descartar y pedir sugerencias</translation>
    </message>
    <message>
        <source>Emoji search and emoticons</source>
        <translation>Búsqueda de emoji y emoticonos</translation>
    </message>
    <message>
        <source>Rules for each app and website</source>
        <translation>Reglas para cada app y sitio web</translation>
    </message>
    <message>
        <source>Save power when you&apos;re unplugged</source>
        <translation>Ahorrar energía con batería</translation>
    </message>
    <message>
        <source>Words saved and how fast suggestions arrive</source>
        <translation>Palabras ahorradas y rapidez de las sugerencias</translation>
    </message>
    <message>
        <source>What %app sees in the focused field</source>
        <translation>Lo que %app ve en el campo activo</translation>
    </message>
    <message>
        <source>Version and privacy</source>
        <translation>Versión y privacidad</translation>
    </message>
    <message>
        <source>Writing</source>
        <translation>Escritura</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Entrada</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Reglas</translation>
    </message>
    <message>
        <source>Activity</source>
        <translation>Actividad</translation>
    </message>
    <message>
        <source>%app can read the field you&apos;re typing in and insert suggestions in any app.</source>
        <translation>%app puede leer el campo en el que escribes e insertar sugerencias en cualquier app.</translation>
    </message>
    <message>
        <source>Allow Accessibility access</source>
        <translation>Permitir acceso de Accesibilidad</translation>
    </message>
    <message>
        <source>%app needs it to read the text you type in other apps and to insert suggestions.</source>
        <translation>%app lo necesita para leer el texto que escribes en otras apps e insertar sugerencias.</translation>
    </message>
    <message>
        <source>Allow…</source>
        <translation>Permitir…</translation>
    </message>
    <message>
        <source>%1 is ready</source>
        <translation>%1 está listo</translation>
    </message>
    <message>
        <source>Checking %1</source>
        <translation>Comprobando %1</translation>
    </message>
    <message>
        <source>This takes a moment.</source>
        <translation>Esto tarda un momento.</translation>
    </message>
    <message>
        <source>Your engine isn&apos;t ready</source>
        <translation>Tu motor no está listo</translation>
    </message>
    <message>
        <source>Open Engine</source>
        <translation>Abrir «Motor»</translation>
    </message>
    <message>
        <source>The system&apos;s predictions are off</source>
        <translation>Predicciones del sistema desactivadas</translation>
    </message>
    <message>
        <source>Only %app&apos;s suggestions appear while you type.</source>
        <translation>Solo aparecen las sugerencias de %app mientras escribes.</translation>
    </message>
    <message>
        <source>Turn off the system&apos;s predictions</source>
        <translation>Desactivar las predicciones del sistema</translation>
    </message>
    <message>
        <source>The system shows its own grey suggestions on top of %app&apos;s. Each app picks up the change the next time you open it.</source>
        <translation>El sistema muestra sus propias sugerencias grises encima de las de %app. Cada app aplica el cambio la próxima vez que la abras.</translation>
    </message>
    <message>
        <source>Keyboard Settings</source>
        <translation>Ajustes del teclado</translation>
    </message>
    <message>
        <source>Turn Off</source>
        <translation>Desactivar</translation>
    </message>
    <message>
        <source>Only %app is suggesting</source>
        <translation>Solo %app está sugiriendo</translation>
    </message>
    <message>
        <source>Tab reaches %app again.</source>
        <translation>La tecla Tab vuelve a funcionar con %app.</translation>
    </message>
    <message numerus="yes">
        <source>%1 didn&apos;t quit. They may be showing a dialog. Force Quit closes them right away.</source>
        <translation>
            <numerusform>%1 no se cerró. Puede que muestre un diálogo. «Forzar salida» lo cierra al instante.</numerusform>
            <numerusform>%1 no se cerraron. Puede que muestren un diálogo. «Forzar salida» los cierra al instante.</numerusform>
        </translation>
    </message>
    <message>
        <source>Force Quit</source>
        <translation>Forzar salida</translation>
    </message>
    <message numerus="yes">
        <source>%1 take the Tab key before %app can, so %app stays paused in your other apps until you quit them.</source>
        <translation>
            <numerusform>%1 toma la tecla Tab antes que %app, así que %app sigue en pausa en tus otras apps hasta que lo cierres.</numerusform>
            <numerusform>%1 toman la tecla Tab antes que %app, así que %app sigue en pausa en tus otras apps hasta que los cierres.</numerusform>
        </translation>
    </message>
    <message>
        <source>Only when I ask</source>
        <translation>Solo cuando lo pida</translation>
    </message>
    <message>
        <source>On battery, suggestions appear only after you press the Suggest Now shortcut.</source>
        <translation>Con batería, las sugerencias aparecen solo al pulsar el atajo «Sugerir ahora».</translation>
    </message>
    <message>
        <source>Shorter suggestions</source>
        <translation>Sugerencias más cortas</translation>
    </message>
    <message>
        <source>Fewer words take less power to write.</source>
        <translation>Menos palabras gastan menos energía.</translation>
    </message>
    <message>
        <source>Lighter model</source>
        <translation>Modelo más ligero</translation>
    </message>
    <message>
        <source>Same as plugged in</source>
        <translation>Igual que enchufado</translation>
    </message>
    <message>
        <source>Running on battery. These apply right now.</source>
        <translation>Con batería. Estos ajustes se aplican ahora.</translation>
    </message>
    <message>
        <source>Plugged in. These wait until you unplug.</source>
        <translation>Enchufado. Estos ajustes se aplicarán al desenchufar.</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modelo</translation>
    </message>
    <message>
        <source>Model name</source>
        <translation>Nombre del modelo</translation>
    </message>
    <message>
        <source>Reload the model list</source>
        <translation>Recargar la lista de modelos</translation>
    </message>
    <message>
        <source>Choose a model</source>
        <translation>Elegir un modelo</translation>
    </message>
    <message>
        <source>For people who already run Ollama, LM Studio or llama-server.</source>
        <translation>Para quien ya usa Ollama, LM Studio o llama-server.</translation>
    </message>
    <message>
        <source>Use your own model</source>
        <translation>Usar tu propio modelo</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Dirección</translation>
    </message>
    <message>
        <source>API key</source>
        <translation>Clave de API</translation>
    </message>
    <message>
        <source>Only if your server asks for one</source>
        <translation>Solo si tu servidor la pide</translation>
    </message>
    <message>
        <source>Focused</source>
        <translation>Preciso</translation>
    </message>
    <message>
        <source>Creativity</source>
        <translation>Creatividad</translation>
    </message>
    <message>
        <source>Loose</source>
        <translation>Libre</translation>
    </message>
    <message>
        <source>Lower stays close to the obvious next words. Higher tries more.</source>
        <translation>Más bajo se ciñe a las palabras obvias. Más alto prueba más.</translation>
    </message>
    <message>
        <source>Wait before suggesting</source>
        <translation>Espera antes de sugerir</translation>
    </message>
    <message>
        <source>How long you pause before %app starts.</source>
        <translation>Cuánto tiempo te detienes antes de que %app empiece.</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Ejecutar</translation>
    </message>
    <message>
        <source>Try the engine</source>
        <translation>Probar el motor</translation>
    </message>
    <message>
        <source>Sends a sample sentence and shows what comes back.</source>
        <translation>Envía una frase de ejemplo y muestra la respuesta.</translation>
    </message>
    <message>
        <source>Running…</source>
        <translation>Ejecutando…</translation>
    </message>
    <message>
        <source>The engine answered in %1 but had nothing useful to add.</source>
        <translation>El motor respondió en %1, pero no tenía nada útil que añadir.</translation>
    </message>
    <message>
        <source>That didn&apos;t work: %1</source>
        <translation>No funcionó: %1</translation>
    </message>
    <message>
        <source>The request was cancelled.</source>
        <translation>Se canceló la solicitud.</translation>
    </message>
    <message>
        <source>Startup</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>Launch at login</source>
        <translation>Abrir al iniciar sesión</translation>
    </message>
    <message>
        <source>Show today&apos;s word count next to the icon</source>
        <translation>Mostrar las palabras de hoy junto al icono</translation>
    </message>
    <message>
        <source>Where suggestions appear</source>
        <translation>Dónde aparecen las sugerencias</translation>
    </message>
    <message>
        <source>Turn this off to use %app only in the apps you switch on under Apps &amp; Sites.</source>
        <translation>Desactívalo para usar %app solo en las apps que actives en «Apps &amp; sitios».</translation>
    </message>
    <message>
        <source>By default %app waits until the caret is at the end of a line.</source>
        <translation>Por defecto, %app espera a que el cursor esté al final de una línea.</translation>
    </message>
    <message>
        <source>Without this, %app skips search bars and one-word boxes.</source>
        <translation>Sin esto, %app omite las barras de búsqueda y los cuadros de una palabra.</translation>
    </message>
    <message>
        <source>Suggestions appear only after you press the Suggest Now shortcut.</source>
        <translation>Las sugerencias aparecen solo al pulsar el atajo «Sugerir ahora».</translation>
    </message>
    <message>
        <source>Spelling</source>
        <translation>Ortografía</translation>
    </message>
    <message>
        <source>Waits while the word you&apos;re typing looks misspelled, so %app doesn&apos;t build on a typo.</source>
        <translation>Espera mientras la palabra que escribes parezca mal escrita, para que %app no se base en una errata.</translation>
    </message>
    <message>
        <source>After a misspelled word, shows a fix next to the caret. Press Tab to swap it in.</source>
        <translation>Tras una palabra mal escrita, muestra una corrección junto al cursor. Pulsa Tab para aplicarla.</translation>
    </message>
    <message>
        <source>Look</source>
        <translation>Aspecto</translation>
    </message>
    <message>
        <source>Suggestion color</source>
        <translation>Color de las sugerencias</translation>
    </message>
    <message>
        <source>Text size</source>
        <translation>Tamaño del texto</translation>
    </message>
    <message>
        <source>Fine-tune if suggestions look larger or smaller than your text.</source>
        <translation>Ajústalo si las sugerencias se ven más grandes o pequeñas que tu texto.</translation>
    </message>
    <message>
        <source>Vertical position</source>
        <translation>Posición vertical</translation>
    </message>
    <message>
        <source>Nudge suggestions up or down to line up with your text.</source>
        <translation>Sube o baja las sugerencias para alinearlas con tu texto.</translation>
    </message>
    <message>
        <source>A small keycap after your first suggestions, as a reminder of what to press.</source>
        <translation>Un pequeño icono de tecla tras tus primeras sugerencias, para recordarte qué pulsar.</translation>
    </message>
    <message>
        <source>Insert suggestions by</source>
        <translation>Inserción de sugerencias</translation>
    </message>
    <message>
        <source>Other autocomplete apps</source>
        <translation>Otras apps de autocompletado</translation>
    </message>
    <message>
        <source>They take the Tab key before %app can. With this off, %app asks you first.</source>
        <translation>Toman la tecla Tab antes que %app. Si esto está desactivado, %app te pregunta primero.</translation>
    </message>
    <message>
        <source>%1 is another device on your network, so the text around your caret will be sent there.</source>
        <translation>%1 es otro dispositivo de tu red, así que el texto alrededor del cursor se enviará allí.</translation>
    </message>
    <message>
        <source>%1 isn&apos;t this computer, so the text around your caret will be sent there.</source>
        <translation>%1 no es este equipo, así que el texto alrededor del cursor se enviará allí.</translation>
    </message>
    <message>
        <source>Both keep your text on this computer.</source>
        <translation>Ambos mantienen tu texto en este equipo.</translation>
    </message>
    <message>
        <source>%app opens by itself when you start your computer.</source>
        <translation>%app se abre solo al encender el equipo.</translation>
    </message>
    <message>
        <source>System predictions</source>
        <translation>Predicciones del sistema</translation>
    </message>
    <message>
        <source>The system can show its own grey predictions. Keeping them off avoids two suggestions at once.</source>
        <translation>El sistema puede mostrar sus propias predicciones grises. Desactivarlas evita dos sugerencias a la vez.</translation>
    </message>
    <message>
        <source>System predictions are on</source>
        <translation>Predicciones del sistema activadas</translation>
    </message>
    <message>
        <source>System predictions are off</source>
        <translation>Predicciones del sistema desactivadas</translation>
    </message>
    <message>
        <source>tab</source>
        <translation>tab</translation>
    </message>
    <message>
        <source>Your next words, one Tab away.</source>
        <translation>Tus próximas palabras, a un Tab de distancia.</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Omitir</translation>
    </message>
    <message>
        <source>Get Started</source>
        <translation>Empezar</translation>
    </message>
    <message>
        <source>Turn sound on</source>
        <translation>Activar sonido</translation>
    </message>
    <message>
        <source>Turn sound off</source>
        <translation>Desactivar sonido</translation>
    </message>
    <message>
        <source>The other app</source>
        <translation>La otra app</translation>
    </message>
    <message numerus="yes">
        <source>Next time, quit %1 without asking</source>
        <translation>
            <numerusform>La próxima vez, cerrar %1 sin preguntar</numerusform>
            <numerusform>La próxima vez, cerrar %1 sin preguntar</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 is also running</source>
        <translation>
            <numerusform>%1 también está abierto</numerusform>
            <numerusform>%1 también están abiertos</numerusform>
        </translation>
    </message>
    <message>
        <source>Quitting…</source>
        <translation>Cerrando…</translation>
    </message>
    <message numerus="yes">
        <source>%1 is still open</source>
        <translation>
            <numerusform>%1 sigue abierto</numerusform>
            <numerusform>%1 siguen abiertos</numerusform>
        </translation>
    </message>
    <message>
        <source>%app has the Tab key</source>
        <translation>%app tiene la tecla Tab</translation>
    </message>
    <message>
        <source>%1 quit, so your suggestions are back in every app.</source>
        <translation>%1 se cerró, así que tus sugerencias vuelven a estar en todas las apps.</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Listo</translation>
    </message>
    <message>
        <source>Open Source Notices</source>
        <translation>Avisos de código abierto</translation>
    </message>
    <message>
        <source>Reset all settings?</source>
        <translation>¿Restablecer todos los ajustes?</translation>
    </message>
    <message>
        <source>This also clears your rules for apps and sites. Your statistics and writing memory stay.</source>
        <translation>También borra tus reglas de apps y sitios. Tus estadísticas y tu memoria de escritura se conservan.</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Restablecer</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
    <message>
        <source>Some apps hide their text</source>
        <translation>Algunas apps ocultan su texto</translation>
    </message>
    <message>
        <source>Suggest emoji after a colon</source>
        <translation>Sugerir emoji tras dos puntos</translation>
    </message>
    <message>
        <source>Turn emoticons into emoji</source>
        <translation>Convertir emoticonos en emoji</translation>
    </message>
    <message>
        <source>After :-) or &lt;3, %app offers the matching emoji. Press Tab to swap it in.</source>
        <translation>Tras :-) o &lt;3, %app ofrece el emoji correspondiente. Pulsa Tab para insertarlo.</translation>
    </message>
    <message>
        <source>Skin tone</source>
        <translation>Tono de piel</translation>
    </message>
    <message>
        <source>Also show the default yellow</source>
        <translation>Mostrar también el amarillo predeterminado</translation>
    </message>
    <message>
        <source>Try a word</source>
        <translation>Prueba una palabra</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Leve</translation>
    </message>
    <message>
        <source>No emoji match “%1”</source>
        <translation>Ningún emoji coincide con «%1»</translation>
    </message>
    <message>
        <source>Accepting</source>
        <translation>Aceptación</translation>
    </message>
    <message>
        <source>Take the next word</source>
        <translation>Tomar la siguiente palabra</translation>
    </message>
    <message>
        <source>Press again for each following word.</source>
        <translation>Pulsa de nuevo para cada palabra siguiente.</translation>
    </message>
    <message>
        <source>Take the whole suggestion</source>
        <translation>Tomar la sugerencia completa</translation>
    </message>
    <message>
        <source>The key above Tab is easy to reach on most keyboards.</source>
        <translation>La tecla sobre Tab es fácil de alcanzar en la mayoría de los teclados.</translation>
    </message>
    <message>
        <source>Include the space after a word</source>
        <translation>Incluir el espacio tras una palabra</translation>
    </message>
    <message>
        <source>Include punctuation right after a word</source>
        <translation>Incluir la puntuación justo tras una palabra</translation>
    </message>
    <message>
        <source>When you press Escape</source>
        <translation>Al pulsar Esc</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Atajos</translation>
    </message>
    <message>
        <source>Suggest now</source>
        <translation>Sugerir ahora</translation>
    </message>
    <message>
        <source>Asks for a suggestion right away, even where %app would normally wait.</source>
        <translation>Pide una sugerencia al momento, incluso donde %app normalmente esperaría.</translation>
    </message>
    <message>
        <source>Other suggestions</source>
        <translation>Otras sugerencias</translation>
    </message>
    <message>
        <source>Lists a few different ways to continue. Choose with the arrow keys, then press Tab.</source>
        <translation>Muestra varias formas de continuar. Elige con las flechas y pulsa Tab.</translation>
    </message>
    <message>
        <source>Pause or resume in this app</source>
        <translation>Pausar o reanudar en esta app</translation>
    </message>
    <message>
        <source>Pauses for 15 minutes.</source>
        <translation>Pausa durante 15 minutos.</translation>
    </message>
    <message>
        <source>Turn %app on or off</source>
        <translation>Activar o desactivar %app</translation>
    </message>
    <message>
        <source>Everywhere, until you press it again.</source>
        <translation>En todas partes, hasta que lo vuelvas a pulsar.</translation>
    </message>
    <message>
        <source>Pause or resume</source>
        <translation>Pausar o reanudar</translation>
    </message>
    <message>
        <source>Turn on or off</source>
        <translation>Activar o desactivar</translation>
    </message>
    <message>
        <source>%1 and %2 use the same keys. Only the first will work.</source>
        <translation>«%1» y «%2» usan las mismas teclas. Solo funcionará el primero.</translation>
    </message>
    <message>
        <source>About you</source>
        <translation>Sobre ti</translation>
    </message>
    <message>
        <source>For example: I&apos;m a product designer in Berlin. I write short, friendly emails in British English and sign off with Cheers.</source>
        <translation>Por ejemplo: soy diseñadora de producto en Berlín. Escribo correos breves y cordiales en inglés británico y me despido con «Cheers».</translation>
    </message>
    <message>
        <source>Your role, the languages you write in, names you use often, how you like to sound.</source>
        <translation>Tu profesión, los idiomas en que escribes, los nombres que usas a menudo, cómo te gusta sonar.</translation>
    </message>
    <message>
        <source>Writing memory</source>
        <translation>Memoria de escritura</translation>
    </message>
    <message>
        <source>Remember how I write</source>
        <translation>Recordar cómo escribo</translation>
    </message>
    <message>
        <source>Also remember fields where I accept nothing</source>
        <translation>Recordar también los campos donde no acepto nada</translation>
    </message>
    <message>
        <source>%app learns your style sooner but keeps more of what you type.</source>
        <translation>%app aprende tu estilo antes, pero guarda más de lo que escribes.</translation>
    </message>
    <message>
        <source>Influence</source>
        <translation>Influencia</translation>
    </message>
    <message>
        <source>Strong</source>
        <translation>Fuerte</translation>
    </message>
    <message>
        <source>How many of your passages each suggestion can draw on.</source>
        <translation>De cuántos de tus fragmentos puede nutrirse cada sugerencia.</translation>
    </message>
    <message>
        <source>Erase All…</source>
        <translation>Borrar todo…</translation>
    </message>
    <message>
        <source>Erase everything %app remembered?</source>
        <translation>¿Borrar todo lo que %app ha recordado?</translation>
    </message>
    <message>
        <source>This can&apos;t be undone.</source>
        <translation>No se puede deshacer.</translation>
    </message>
    <message>
        <source>Erase All</source>
        <translation>Borrar todo</translation>
    </message>
    <message>
        <source>Nothing remembered yet</source>
        <translation>Aún no se ha recordado nada</translation>
    </message>
    <message>
        <source>App and window name</source>
        <translation>Nombre de la app y la ventana</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>Sitio web</translation>
    </message>
    <message>
        <source>The site&apos;s domain when you write in a browser.</source>
        <translation>El dominio del sitio cuando escribes en un navegador.</translation>
    </message>
    <message>
        <source>Recently copied text</source>
        <translation>Texto copiado recientemente</translation>
    </message>
    <message>
        <source>Anything you copied in the last 10 minutes. Copies from password managers are skipped.</source>
        <translation>Todo lo que copiaste en los últimos 10 minutos. Se omite lo copiado de gestores de contraseñas.</translation>
    </message>
    <message>
        <source>Text on screen</source>
        <translation>Texto en pantalla</translation>
    </message>
    <message>
        <source>Reads the window you&apos;re writing in, so replies fit the conversation. It picks the lines closest to where you type.</source>
        <translation>Lee la ventana en la que escribes, para que las respuestas encajen en la conversación. Elige las líneas más cercanas a donde escribes.</translation>
    </message>
    <message>
        <source>What you just looked at</source>
        <translation>Lo que acabas de ver</translation>
    </message>
    <message>
        <source>Windows beside you</source>
        <translation>Ventanas de al lado</translation>
    </message>
    <message>
        <source>Also reads up to two other windows on the same screen, like the document you&apos;re replying about. Skips password managers and apps you switched off.</source>
        <translation>También lee hasta dos ventanas más de la misma pantalla, como el documento sobre el que respondes. Omite los gestores de contraseñas y las apps que desactivaste.</translation>
    </message>
    <message>
        <source>Off in this app</source>
        <translation>Desactivado en esta app</translation>
    </message>
    <message>
        <source>This word looks misspelled</source>
        <translation>Esta palabra parece mal escrita</translation>
    </message>
    <message>
        <source>Thanks for the notes. I&apos;ll send the revised deck</source>
        <translation>Gracias por las notas. Enviaré la presentación revisada</translation>
    </message>
    <message>
        <source> by Friday morning.</source>
        <translation> el viernes por la mañana como muy tarde.</translation>
    </message>
    <message>
        <source>%1 quit. %app has the Tab key.</source>
        <translation>%1 se cerró. %app tiene la tecla Tab.</translation>
    </message>
    <message>
        <source>Open Data Folder</source>
        <translation>Abrir carpeta de datos</translation>
    </message>
    <message>
        <source>Show Welcome Again</source>
        <translation>Ver la bienvenida de nuevo</translation>
    </message>
    <message>
        <source>Play Intro Again</source>
        <translation>Ver la intro de nuevo</translation>
    </message>
    <message>
        <source>Reset Settings…</source>
        <translation>Restablecer ajustes…</translation>
    </message>
    <message>
        <source>Suggest in every app</source>
        <translation>Sugerir en todas las apps</translation>
    </message>
    <message>
        <source>Suggest in code editors</source>
        <translation>Sugerir en editores de código</translation>
    </message>
    <message>
        <source>Suggest in the middle of a line</source>
        <translation>Sugerir en mitad de una línea</translation>
    </message>
    <message>
        <source>Suggest in small fields</source>
        <translation>Sugerir en campos pequeños</translation>
    </message>
    <message>
        <source>Hold back on misspelled words</source>
        <translation>Esperar si la palabra parece mal escrita</translation>
    </message>
    <message>
        <source>Offer spelling fixes</source>
        <translation>Ofrecer correcciones ortográficas</translation>
    </message>
    <message>
        <source>Show the key hint</source>
        <translation>Mostrar el indicador de tecla</translation>
    </message>
    <message>
        <source>Quit other autocomplete apps when they open</source>
        <translation>Cerrar otras apps de autocompletado al abrirse</translation>
    </message>
    <message>
        <source>Keeps a few minutes of text from windows you switched away from, like a page you read before replying. It stays on your computer and skips apps you switched off.</source>
        <translation>Guarda unos minutos de texto de las ventanas que dejaste, como una página que leíste antes de responder. Se queda en tu equipo y omite las apps que desactivaste.</translation>
    </message>
    <message numerus="yes">
        <source>Both apps answer the Tab key, and the system gives it to %1 first. %app stays paused in your other apps until %1 quits.</source>
        <translation>
            <numerusform>Ambas apps atienden la tecla Tab, y el sistema se la da primero a %1. %app sigue en pausa en tus otras apps hasta que %1 se cierre.</numerusform>
            <numerusform>%1 toman la tecla Tab antes que %app, así que %app sigue en pausa en tus otras apps hasta que los cierres.</numerusform>
        </translation>
    </message>
    <message>
        <source>Finishes your sentences in any app, on your computer.</source>
        <translation>Termina tus frases en cualquier app, en tu equipo.</translation>
    </message>
    <message>
        <source>Keeps short passages from fields where you accepted a suggestion, encrypted on this computer, and shows them to the model as examples.</source>
        <translation>Guarda fragmentos breves de campos donde aceptaste una sugerencia, cifrados en este equipo, y se los muestra al modelo como ejemplos.</translation>
    </message>
    <message>
        <source>Light</source>
        <comment>skin tone</comment>
        <translation>Claro</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Default</source>
        <comment>skin tone</comment>
        <translation>Predeterminado</translation>
    </message>
    <message>
        <source>Medium light</source>
        <comment>skin tone</comment>
        <translation>Medio claro</translation>
    </message>
    <message>
        <source>Medium</source>
        <comment>skin tone</comment>
        <translation>Medio</translation>
    </message>
    <message>
        <source>Medium dark</source>
        <comment>skin tone</comment>
        <translation>Medio oscuro</translation>
    </message>
    <message>
        <source>Dark</source>
        <comment>skin tone</comment>
        <translation>Oscuro</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Desconocido</translation>
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
        <translation>No indicado, estimado a partir del cursor</translation>
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
        <translation>Todavía no</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Hoy</translation>
    </message>
    <message>
        <source>Last 7 days</source>
        <translation>Últimos 7 días</translation>
    </message>
    <message>
        <source>All time</source>
        <translation>Desde siempre</translation>
    </message>
    <message>
        <source>Typing saved</source>
        <translation>Tiempo de escritura ahorrado</translation>
    </message>
    <message>
        <source>at 40 words a minute</source>
        <translation>a 40 palabras por minuto</translation>
    </message>
    <message>
        <source>Accepted</source>
        <translation>Aceptadas</translation>
    </message>
    <message>
        <source>of suggestions shown</source>
        <translation>de las sugerencias mostradas</translation>
    </message>
    <message>
        <source>Typical wait</source>
        <translation>Espera típica</translation>
    </message>
    <message>
        <source>9 in 10 under %1</source>
        <translation>9 de cada 10 en menos de %1</translation>
    </message>
    <message>
        <source>no requests yet</source>
        <translation>aún no hay solicitudes</translation>
    </message>
    <message>
        <source>Words saved</source>
        <translation>Palabras ahorradas</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>Periodo</translation>
    </message>
    <message>
        <source>Nothing to chart yet</source>
        <translation>Aún no hay nada que mostrar</translation>
    </message>
    <message>
        <source>Accept a few suggestions and your days show up here.</source>
        <translation>Acepta algunas sugerencias y tus días aparecerán aquí.</translation>
    </message>
    <message>
        <source>Where you write</source>
        <translation>Dónde escribes</translation>
    </message>
    <message>
        <source>Reset Statistics…</source>
        <translation>Restablecer estadísticas…</translation>
    </message>
    <message>
        <source>Reset all statistics?</source>
        <translation>¿Restablecer todas las estadísticas?</translation>
    </message>
    <message>
        <source>This clears words saved, acceptance and timing history.</source>
        <translation>Esto borra el historial de palabras ahorradas, aceptación y tiempos de espera.</translation>
    </message>
    <message>
        <source>Copy Diagnostics</source>
        <translation>Copiar diagnóstico</translation>
    </message>
    <message>
        <source>Diagnostics leave out the text you typed.</source>
        <translation>El diagnóstico no incluye el texto que escribiste.</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Right now</source>
        <translation>Ahora mismo</translation>
    </message>
    <message>
        <source>Allowed</source>
        <translation>Permitido</translation>
    </message>
    <message>
        <source>Not allowed</source>
        <translation>No permitido</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Teclado</translation>
    </message>
    <message>
        <source>Listening</source>
        <translation>Escuchando</translation>
    </message>
    <message>
        <source>Not listening</source>
        <translation>Sin escuchar</translation>
    </message>
    <message>
        <source>Focused field</source>
        <translation>Campo activo</translation>
    </message>
    <message>
        <source>Click into a text field in another app, then come back. The last field %1 saw stays here.</source>
        <translation>Haz clic en un campo de texto de otra app y vuelve. El último campo que vio %1 se queda aquí.</translation>
    </message>
    <message>
        <source>App</source>
        <translation>App</translation>
    </message>
    <message>
        <source>Field type</source>
        <translation>Tipo de campo</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>Ventana</translation>
    </message>
    <message>
        <source>Field size</source>
        <translation>Tamaño del campo</translation>
    </message>
    <message>
        <source>Caret found</source>
        <translation>Cursor encontrado</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Fuente</translation>
    </message>
    <message>
        <source>At end of line</source>
        <translation>Al final de la línea</translation>
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
        <translation>Visto hace poco</translation>
    </message>
    <message>
        <source>Text before the caret</source>
        <translation>Texto antes del cursor</translation>
    </message>
    <message>
        <source>Last request</source>
        <translation>Última solicitud</translation>
    </message>
    <message>
        <source>Wait</source>
        <translation>Espera</translation>
    </message>
    <message>
        <source>Suggestion</source>
        <translation>Sugerencia</translation>
    </message>
    <message>
        <source>Prompt sent to the engine</source>
        <translation>Prompt enviado al motor</translation>
    </message>
    <message>
        <source>Raw answer</source>
        <translation>Respuesta sin procesar</translation>
    </message>
    <message>
        <source>(empty)</source>
        <translation>(vacío)</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>Copiado</translation>
    </message>
    <message>
        <source>Choose a language</source>
        <translation>Elegir un idioma</translation>
    </message>
    <message>
        <source>Search languages</source>
        <translation>Buscar idiomas</translation>
    </message>
    <message>
        <source>Same as my computer</source>
        <translation>Igual que mi equipo</translation>
    </message>
    <message>
        <source>Switch to %1?</source>
        <translation>¿Usar %1?</translation>
    </message>
    <message>
        <source>%1 closes and opens again in a second. Your settings stay as they are.</source>
        <translation>%1 se cierra y se vuelve a abrir en un segundo. Tus ajustes se mantienen.</translation>
    </message>
    <message>
        <source>Reopen Now</source>
        <translation>Reabrir ahora</translation>
    </message>
    <message>
        <source>App language</source>
        <translation>Idioma de la app</translation>
    </message>
    <message>
        <source>Pick the language you read most easily. Suggestions follow whatever language you type.</source>
        <translation>Elige el idioma que lees con más facilidad. Las sugerencias siguen el idioma en que escribas.</translation>
    </message>
    <message>
        <source>Change the app language</source>
        <translation>Cambiar el idioma de la app</translation>
    </message>
    <message>
        <source>0 min</source>
        <translation>0 min</translation>
    </message>
    <message>
        <source>under a minute</source>
        <translation>menos de un minuto</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>Not set</source>
        <translation>Sin definir</translation>
    </message>
    <message>
        <source>Clear shortcut</source>
        <translation>Borrar atajo</translation>
    </message>
    <message>
        <source>Add Ctrl, Alt or Super so normal typing still works.</source>
        <translation>Añade Ctrl, Alt o Super para que la escritura normal siga funcionando.</translation>
    </message>
    <message>
        <source>Type a shortcut…</source>
        <translation>Pulsa un atajo…</translation>
    </message>
    <message>
        <source>Recording shortcut</source>
        <translation>Grabando atajo</translation>
    </message>
    <message>
        <source>Shortcut %1</source>
        <translation>Atajo %1</translation>
    </message>
    <message>
        <source>Record shortcut</source>
        <translation>Grabar atajo</translation>
    </message>
    <message>
        <source>Shortcut not set</source>
        <translation>Atajo sin definir</translation>
    </message>
    <message>
        <source>Press to record a new shortcut. Escape cancels.</source>
        <translation>Pulsa para grabar un atajo nuevo. Esc cancela.</translation>
    </message>
    <message>
        <source>Your tray icon is hidden</source>
        <translation>El icono de la bandeja está oculto</translation>
    </message>
    <message>
        <source>This computer has no on-device language model</source>
        <translation>Este equipo no tiene un modelo de lenguaje integrado</translation>
    </message>
    <message>
        <source>Turn on the on-device model in the desktop&apos;s settings</source>
        <translation>Activa el modelo del dispositivo en los ajustes del escritorio</translation>
    </message>
    <message>
        <source>The on-device model is unavailable</source>
        <translation>El modelo del dispositivo no está disponible</translation>
    </message>
    <message>
        <source>Downloading. The on-device model fills in until it&apos;s done.</source>
        <translation>Descargando. Hasta que termine, se usa el modelo del dispositivo.</translation>
    </message>
    <message>
        <source>The on-device model fills in until you download it.</source>
        <translation>Hasta que lo descargues, se usa el modelo del dispositivo.</translation>
    </message>
    <message>
        <source>%1 shares no text. Quit it and start it with %2 to get suggestions in it.</source>
        <translation>%1 no comparte texto. Ciérralo y ábrelo con %2 para tener sugerencias en él.</translation>
    </message>
    <message>
        <source>On-device model</source>
        <translation>Modelo del dispositivo</translation>
    </message>
    <message>
        <source>The system&apos;s own language model. Nothing to download.</source>
        <translation>El modelo de lenguaje propio del sistema. Nada que descargar.</translation>
    </message>
    <message>
        <source>A website name cannot hold spaces, tabs or line breaks.</source>
        <translation>El nombre de un sitio web no puede contener espacios, tabulaciones ni saltos de línea.</translation>
    </message>
    <message>
        <source>Only addresses that start with http or https can be added.</source>
        <translation>Solo se pueden añadir direcciones que empiecen por http o https.</translation>
    </message>
    <message>
        <source>That is not a website name. Type one such as wikipedia.org.</source>
        <translation>Eso no es un nombre de sitio web. Escribe uno como wikipedia.org.</translation>
    </message>
    <message>
        <source>A port is a number from 1 to 65535.</source>
        <translation>Un puerto es un número del 1 al 65535.</translation>
    </message>
    <message>
        <source>The on-device model fills in until the download is done.</source>
        <translation>Hasta que termine la descarga, se usa el modelo del dispositivo.</translation>
    </message>
    <message>
        <source>Suggestions start once the download is done.</source>
        <translation>Las sugerencias empiezan cuando termine la descarga.</translation>
    </message>
    <message>
        <source>This frees %1. The on-device model fills in until you download it again.</source>
        <translation>Esto libera %1. Hasta que lo vuelvas a descargar, se usa el modelo del dispositivo.</translation>
    </message>
    <message>
        <source>This frees %1. The %app model can&apos;t suggest until you download it again.</source>
        <translation>Esto libera %1. El modelo de %app no podrá sugerir hasta que lo vuelvas a descargar.</translation>
    </message>
    <message>
        <source>There&apos;s no room for it, or your panel has no system tray. Add the panel&apos;s system tray or status area applet in its settings.</source>
        <translation>No hay sitio, o tu panel no tiene bandeja del sistema. Añade el applet de bandeja del sistema o de área de estado en los ajustes del panel.</translation>
    </message>
    <message>
        <source>GNOME shows tray icons only with the AppIndicator extension. Install the gnome-shell-extension-appindicator package, log out and in, then turn it on in Extensions.</source>
        <translation>GNOME solo muestra iconos en la bandeja con la extensión AppIndicator. Instala el paquete gnome-shell-extension-appindicator, cierra sesión y vuelve a entrar, y actívala en «Extensiones».</translation>
    </message>
    <message>
        <source>GNOME shows tray icons only with the AppIndicator extension. It is installed but off: turn it on in Extensions.</source>
        <translation>GNOME solo muestra iconos en la bandeja con la extensión AppIndicator. Está instalada pero desactivada: actívala en «Extensiones».</translation>
    </message>
    <message>
        <source>Until then, open %app from your applications menu to reach Settings.</source>
        <translation>Mientras tanto, abre %app desde el menú de aplicaciones para llegar a Ajustes.</translation>
    </message>
    <message>
        <source>Open Extensions</source>
        <translation>Abrir «Extensiones»</translation>
    </message>
    <message>
        <source>Show Count in Tray</source>
        <translation>Mostrar recuento en la bandeja</translation>
    </message>
    <message>
        <source>%1 shares no text</source>
        <translation>%1 no comparte texto</translation>
    </message>
    <message>
        <source>Copy command</source>
        <translation>Copiar comando</translation>
    </message>
    <message>
        <source>There&apos;s no account and no analytics. With the %app model or the on-device model, your text stays on this computer.</source>
        <translation>Sin cuenta y sin analíticas. Con el modelo de %app o el del dispositivo, tu texto se queda en este equipo.</translation>
    </message>
    <message>
        <source>There&apos;s no account and no analytics. With the %app model, your text stays on this computer.</source>
        <translation>Sin cuenta y sin analíticas. Con el modelo de %app, tu texto se queda en este equipo.</translation>
    </message>
    <message>
        <source>%app lives in your system tray from now on. Click its icon to pause it in an app or open Settings.</source>
        <translation>%app vive ahora en tu bandeja del sistema. Haz clic en su icono para pausarlo en una app o abrir Ajustes.</translation>
    </message>
    <message>
        <source>%app has no account, no analytics and no servers of its own. The %app model and the on-device model keep your text on this computer. Other engines get it only if you set one up.</source>
        <translation>%app no tiene cuenta, ni analíticas, ni servidores propios. El modelo de %app y el del dispositivo mantienen tu texto en este equipo. Otros motores lo reciben solo si configuras uno.</translation>
    </message>
    <message>
        <source>%app has no account, no analytics and no servers of its own. The %app model keeps your text on this computer. Other engines get it only if you set one up.</source>
        <translation>%app no tiene cuenta, ni analíticas, ni servidores propios. El modelo de %app mantiene tu texto en este equipo. Otros motores lo reciben solo si configuras uno.</translation>
    </message>
    <message>
        <source>Installed applications</source>
        <translation>Aplicaciones instaladas</translation>
    </message>
    <message>
        <source>%app reads these only while making a suggestion and never saves them. With the %app model or the on-device model, nothing leaves your computer.</source>
        <translation>%app los lee solo al crear una sugerencia y nunca los guarda. Con el modelo de %app o el del dispositivo, nada sale de tu equipo.</translation>
    </message>
    <message>
        <source>%app reads these only while making a suggestion and never saves them. With the %app model, nothing leaves your computer.</source>
        <translation>%app los lee solo al crear una sugerencia y nunca los guarda. Con el modelo de %app, nada sale de tu equipo.</translation>
    </message>
    <message>
        <source>The %app model keeps your text on this computer.</source>
        <translation>El modelo de %app mantiene tu texto en este equipo.</translation>
    </message>
    <message>
        <source>The key holds a line break or another control character. Paste it again without them.</source>
        <translation>La clave contiene un salto de línea u otro carácter de control. Pégala de nuevo sin ellos.</translation>
    </message>
    <message>
        <source>Waiting for the keyring to store the key.</source>
        <translation>Esperando a que el llavero guarde la clave.</translation>
    </message>
    <message>
        <source>The keyring cannot keep this key, so it is used only until %app quits.</source>
        <translation>El llavero no puede guardar esta clave, así que solo se usará hasta que %app se cierre.</translation>
    </message>
    <message>
        <source>Show in the system tray</source>
        <translation>Mostrar en la bandeja del sistema</translation>
    </message>
    <message>
        <source>Pause or open Settings from the system tray. Hidden? Open %app from your applications menu to come back.</source>
        <translation>Pausa o abre Ajustes desde la bandeja del sistema. ¿Icono oculto? Abre %app desde el menú de aplicaciones para volver.</translation>
    </message>
    <message>
        <source>This tray can&apos;t show text beside icons, so the count shows in the icon&apos;s tooltip.</source>
        <translation>Esta bandeja no puede mostrar texto junto a los iconos, así que el recuento aparece en la descripción emergente del icono.</translation>
    </message>
    <message>
        <source>VS Code, VSCodium, Cursor, Zed, Kate, Sublime Text, JetBrains IDEs and similar apps.</source>
        <translation>VS Code, VSCodium, Cursor, Zed, Kate, Sublime Text, los IDE de JetBrains y apps similares.</translation>
    </message>
    <message>
        <source>Your settings could not be read, so they were set aside and %app started over with its defaults.</source>
        <translation>No se pudieron leer tus ajustes, así que se apartaron y %app empezó de nuevo con los predeterminados.</translation>
    </message>
    <message>
        <source>Your settings are not saved: %app cannot write to its settings folder.</source>
        <translation>Tus ajustes no se guardan: %app no puede escribir en su carpeta de ajustes.</translation>
    </message>
    <message>
        <source>Your app and website rules could not be read, so they were set aside.</source>
        <translation>No se pudieron leer tus reglas de apps y sitios web, así que se apartaron.</translation>
    </message>
    <message>
        <source>Your statistics could not be read, so they were set aside and counting started over.</source>
        <translation>No se pudieron leer tus estadísticas, así que se apartaron y el recuento empezó de cero.</translation>
    </message>
    <message>
        <source>Not saved: %app cannot write to its data folder.</source>
        <translation>Sin guardar: %app no puede escribir en su carpeta de datos.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln suggestions. %1 selected</source>
        <translation>
            <numerusform>%Ln sugerencia. Seleccionada: %1</numerusform>
            <numerusform>%Ln sugerencias. Seleccionada: %1</numerusform>
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
            <numerusform>%Ln palabra</numerusform>
            <numerusform>%Ln palabras</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln passages from here</source>
        <translation>
            <numerusform>%Ln fragmento recordado aquí</numerusform>
            <numerusform>%Ln fragmentos recordados aquí</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>words</source>
        <comment>unit after a count</comment>
        <translation>
            <numerusform>palabra</numerusform>
            <numerusform>palabras</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln days</source>
        <translation>
            <numerusform>%Ln día</numerusform>
            <numerusform>%Ln días</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Words saved per day over the last %Ln days</source>
        <translation>
            <numerusform>Palabras ahorradas por día en el último día</numerusform>
            <numerusform>Palabras ahorradas por día en los últimos %Ln días</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln day streak</source>
        <translation>
            <numerusform>Racha de %Ln día</numerusform>
            <numerusform>Racha de %Ln días</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln passages remembered</source>
        <translation>
            <numerusform>%Ln fragmento recordado</numerusform>
            <numerusform>%Ln fragmentos recordados</numerusform>
        </translation>
    </message>
    <message>
        <source>enter</source>
        <translation>intro</translation>
    </message>
    <message>
        <source>Allow screen capture so %app can read those too. Most apps work without it.</source>
        <translation>Permite la captura de pantalla para que %app también pueda leerlas. La mayoría de las apps funcionan sin ella.</translation>
    </message>
    <message>
        <source>Type a colon and a word, like :rocket, then press Tab or Enter to pick.</source>
        <translation>Escribe dos puntos y una palabra, como :rocket, y pulsa Tab o Intro para elegir.</translation>
    </message>
    <message>
        <source>You can switch memory off for single apps under Apps &amp; Sites. The key that unlocks it lives in your keyring.</source>
        <translation>Puedes desactivar la memoria para apps concretas en «Apps &amp; sitios». La clave que la desbloquea está en tu llavero.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln emoji. %1 selected</source>
        <translation>
            <numerusform>%Ln emoji. Seleccionado: %1</numerusform>
            <numerusform>%Ln emoji. Seleccionado: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Suggestion: %1</source>
        <translation>Sugerencia: %1</translation>
    </message>
    <message numerus="yes">
        <source>%Ln models available</source>
        <translation>
            <numerusform>%Ln modelo disponible</numerusform>
            <numerusform>%Ln modelos disponibles</numerusform>
        </translation>
    </message>
    <message>
        <source>The model couldn&apos;t be saved: %1</source>
        <translation>No se pudo guardar el modelo: %1</translation>
    </message>
    <message>
        <source>Ollama isn&apos;t running.</source>
        <translation>Ollama no está en marcha.</translation>
    </message>
    <message>
        <source>Ollama isn&apos;t running at %1.</source>
        <translation>Ollama no está en marcha en %1.</translation>
    </message>
    <message>
        <source>No server answered.</source>
        <translation>Ningún servidor respondió.</translation>
    </message>
    <message>
        <source>No server answered at %1.</source>
        <translation>Ningún servidor respondió en %1.</translation>
    </message>
    <message>
        <source>Range: %1</source>
        <translation>Periodo: %1</translation>
    </message>
    <message numerus="yes">
        <source>%1, %Ln to do</source>
        <translation>
            <numerusform>%1, %Ln pendiente</numerusform>
            <numerusform>%1, %Ln pendientes</numerusform>
        </translation>
    </message>
    <message>
        <source>Type the whole name of the website, such as wikipedia.org.</source>
        <translation>Escribe el nombre completo del sitio web, como wikipedia.org.</translation>
    </message>
    <message>
        <source>The key holds a space, an invisible character or a letter outside plain ASCII. Paste it again exactly as your server gave it.</source>
        <translation>La clave contiene un espacio, un carácter invisible o una letra fuera del ASCII simple. Pégala de nuevo tal como te la dio tu servidor.</translation>
    </message>
    <message>
        <source>The keyring could not be read, so your server is asked without an API key. Type the key again if your server needs one.</source>
        <translation>No se pudo leer el llavero, así que se consulta a tu servidor sin clave de API. Vuelve a escribir la clave si tu servidor la necesita.</translation>
    </message>
    <message>
        <source>Your writing memory could not be opened, so it was set aside and %app started a new one.</source>
        <translation>No se pudo abrir tu memoria de escritura, así que se apartó y %app empezó una nueva.</translation>
    </message>
    <message>
        <source>%1, converted for llama.cpp by %2</source>
        <translation>%1, convertido para llama.cpp por %2</translation>
    </message>
    <message>
        <source>The data folder %1 could not be made. Check that the folder above it exists and that you may write there.</source>
        <translation>No se pudo crear la carpeta de datos %1. Comprueba que la carpeta que la contiene existe y que puedes escribir en ella.</translation>
    </message>
    <message>
        <source>party</source>
        <comment>emoji search sample</comment>
        <translation>fiesta</translation>
    </message>
    <message numerus="yes">
        <source>%Ln settings held values %app cannot use, so they were corrected and saved.</source>
        <translation>
            <numerusform>%Ln ajuste tenía un valor que %app no puede usar, así que se corrigió y se guardó.</numerusform>
            <numerusform>%Ln ajustes tenían valores que %app no puede usar, así que se corrigieron y se guardaron.</numerusform>
        </translation>
    </message>
    <message>
        <source>Your writing memory is not saved: the keyring is missing or locked, so its key cannot be kept.</source>
        <translation>Tu memoria de escritura no se guarda: falta el llavero o está bloqueado, así que no se puede conservar la clave de la memoria.</translation>
    </message>
    <message>
        <source>That address isn&apos;t valid</source>
        <translation>Esa dirección no es válida</translation>
    </message>
    <message>
        <source>The request timed out.</source>
        <translation>Se agotó el tiempo de la solicitud.</translation>
    </message>
    <message>
        <source>The server&apos;s reply was too long, so it was stopped.</source>
        <translation>La respuesta del servidor era demasiado larga, así que se detuvo.</translation>
    </message>
    <message>
        <source>The server answered %1.</source>
        <translation>El servidor respondió %1.</translation>
    </message>
    <message>
        <source>The server answered %1: %2</source>
        <translation>El servidor respondió %1: %2</translation>
    </message>
    <message>
        <source>The download server answered %1. Try again later.</source>
        <translation>El servidor de descarga respondió %1. Inténtalo más tarde.</translation>
    </message>
    <message>
        <source>The download couldn&apos;t be saved: %1</source>
        <translation>No se pudo guardar la descarga: %1</translation>
    </message>
    <message>
        <source>The download paused because the connection dropped. Try again to pick up where it stopped.</source>
        <translation>La descarga se pausó porque se cortó la conexión. Vuelve a intentarlo para seguir donde se quedó.</translation>
    </message>
    <message>
        <source>The download stopped. Check your connection, then try again.</source>
        <translation>La descarga se detuvo. Comprueba tu conexión y vuelve a intentarlo.</translation>
    </message>
    <message>
        <source>Pick an Ollama model in Settings</source>
        <translation>Elige un modelo de Ollama en Ajustes</translation>
    </message>
    <message>
        <source>Pick a model for your local server</source>
        <translation>Elige un modelo para tu servidor local</translation>
    </message>
    <message>
        <source>The server&apos;s answer is not HTTP.</source>
        <translation>La respuesta del servidor no es HTTP.</translation>
    </message>
    <message>
        <source>The data couldn&apos;t be read because it is missing.</source>
        <translation>No se pudieron leer los datos porque faltan.</translation>
    </message>
    <message>
        <source>The data couldn&apos;t be read because it isn&apos;t in the correct format.</source>
        <translation>No se pudieron leer los datos porque no tienen el formato correcto.</translation>
    </message>
    <message>
        <source>:%1:</source>
        <comment>emoji name</comment>
        <translation>:%1:</translation>
    </message>
    <message>
        <source>This computer has no on-device language model.</source>
        <translation>Este equipo no tiene un modelo de lenguaje integrado.</translation>
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
        <translation>Mayús</translation>
    </message>
    <message>
        <source>Super</source>
        <comment>key</comment>
        <translation>Super</translation>
    </message>
    <message>
        <source>Paused on %1</source>
        <translation>En pausa en %1</translation>
    </message>
    <message>
        <source>Paused in %1</source>
        <translation>En pausa en %1</translation>
    </message>
    <message>
        <source>Off on %1</source>
        <translation>Desactivado en %1</translation>
    </message>
    <message>
        <source>Off in %1</source>
        <translation>Desactivado en %1</translation>
    </message>
    <message>
        <source>Off in %1 by default</source>
        <translation>Desactivado en %1 por defecto</translation>
    </message>
    <message>
        <source>Off in code editors</source>
        <translation>Desactivado en editores de código</translation>
    </message>
    <message>
        <source>Off unless turned on per app</source>
        <translation>Desactivado salvo que se active por app</translation>
    </message>
    <message>
        <source>Tab</source>
        <comment>key</comment>
        <translation>Tab</translation>
    </message>
    <message>
        <source>Enter</source>
        <comment>key</comment>
        <translation>Intro</translation>
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
        <translation>Espacio</translation>
    </message>
    <message>
        <source>Home</source>
        <comment>key</comment>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>End</source>
        <comment>key</comment>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Page Up</source>
        <comment>key</comment>
        <translation>Re Pág</translation>
    </message>
    <message>
        <source>Page Down</source>
        <comment>key</comment>
        <translation>Av Pág</translation>
    </message>
    <message>
        <source>Key %1</source>
        <comment>key</comment>
        <translation>Tecla %1</translation>
    </message>
    <message>
        <source>An email reply reads differently from a commit message.</source>
        <translation>Una respuesta a un correo no suena igual que un mensaje de commit.</translation>
    </message>
    <message>
        <source>Writes straight into the field. Cleanest in GTK and Qt apps.</source>
        <translation>Escribe directamente en el campo. Más limpio en apps GTK y Qt.</translation>
    </message>
    <message>
        <source>Typing</source>
        <comment>insertion method</comment>
        <translation>Escritura</translation>
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
            <numerusform>%Ln palabra ahorrada hoy</numerusform>
            <numerusform>%Ln palabras ahorradas hoy</numerusform>
        </translation>
    </message>
    <message>
        <source>Under a minute of typing saved today.</source>
        <translation>Hoy te has ahorrado menos de un minuto de escritura.</translation>
    </message>
    <message>
        <source>About %1 of typing saved today.</source>
        <translation>Hoy te has ahorrado unos %1 de escritura.</translation>
    </message>
    <message numerus="yes">
        <source>Step %1 of %Ln</source>
        <translation>
            <numerusform>Paso %1 de %Ln</numerusform>
            <numerusform>Paso %1 de %Ln</numerusform>
        </translation>
    </message>
    <message>
        <source>%app reads and types into text fields through the desktop&apos;s accessibility support, which some desktops leave off. %app uses it only for the field you&apos;re writing in.</source>
        <translation>%app lee los campos de texto y escribe en ellos a través de la accesibilidad del escritorio, que algunos escritorios dejan desactivada. %app solo la usa para el campo en el que escribes.</translation>
    </message>
    <message>
        <source>The button switches the desktop&apos;s accessibility support on. If the desktop&apos;s settings open instead, turn accessibility on there, then come back. This page updates by itself.</source>
        <translation>El botón activa la accesibilidad del escritorio. Si en su lugar se abren los ajustes del escritorio, activa allí la accesibilidad y vuelve. Esta página se actualiza sola.</translation>
    </message>
    <message>
        <source>Still off? Some desktops start their accessibility service only when you log in. Log out and back in, then try again.</source>
        <translation>¿Sigue desactivada? Algunos escritorios solo inician su servicio de accesibilidad al iniciar sesión. Cierra la sesión, vuelve a entrar y prueba de nuevo.</translation>
    </message>
    <message>
        <source>Pause</source>
        <comment>section header</comment>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Pause</source>
        <comment>button</comment>
        <translation>Pausar</translation>
    </message>
    <message>
        <source>typing</source>
        <comment>insertion method, in a sentence</comment>
        <translation>escritura</translation>
    </message>
    <message>
        <source>accessibility</source>
        <comment>insertion method, in a sentence</comment>
        <translation>accesibilidad</translation>
    </message>
    <message>
        <source>paste</source>
        <comment>insertion method, in a sentence</comment>
        <translation>pegado</translation>
    </message>
    <message>
        <source>short</source>
        <comment>suggestion length, in a sentence</comment>
        <translation>cortas</translation>
    </message>
    <message>
        <source>medium</source>
        <comment>suggestion length, in a sentence</comment>
        <translation>medias</translation>
    </message>
    <message>
        <source>long</source>
        <comment>suggestion length, in a sentence</comment>
        <translation>largas</translation>
    </message>
    <message>
        <source>Default follows General: %1, %2 suggestions.</source>
        <translation>Por defecto sigue «General»: %1, sugerencias %2.</translation>
    </message>
    <message>
        <source>Yes, at %1, %2 on screen, %3 pt tall, %4 and %5</source>
        <translation>Sí, en %1, %2 en pantalla, %3 pt de alto, %4 y %5</translation>
    </message>
    <message numerus="yes">
        <source>%Ln characters before it</source>
        <translation>
            <numerusform>%Ln carácter antes</numerusform>
            <numerusform>%Ln caracteres antes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln after</source>
        <comment>characters after the caret</comment>
        <translation>
            <numerusform>%Ln después</numerusform>
            <numerusform>%Ln después</numerusform>
        </translation>
    </message>
    <message>
        <source>No system tray runs on this desktop, so the icon cannot show. %1</source>
        <translation>En este escritorio no hay ninguna bandeja del sistema, así que el icono no puede mostrarse. %1</translation>
    </message>
    <message>
        <source>Typing</source>
        <comment>section header</comment>
        <translation>Escritura</translation>
    </message>
    <message>
        <source>Switch to the computer&apos;s language?</source>
        <translation>¿Cambiar al idioma del equipo?</translation>
    </message>
    <message numerus="yes">
        <source>%Ln words this week.</source>
        <translation>
            <numerusform>%Ln palabra esta semana.</numerusform>
            <numerusform>%Ln palabras esta semana.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Under a minute of typing saved today. %Ln words this week.</source>
        <translation>
            <numerusform>Hoy te has ahorrado menos de un minuto de escritura. %Ln palabra esta semana.</numerusform>
            <numerusform>Hoy te has ahorrado menos de un minuto de escritura. %Ln palabras esta semana.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>About %1 of typing saved today. %Ln words this week.</source>
        <translation>
            <numerusform>Hoy te has ahorrado unos %1 de escritura. %Ln palabra esta semana.</numerusform>
            <numerusform>Hoy te has ahorrado unos %1 de escritura. %Ln palabras esta semana.</numerusform>
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
            <numerusform>%Ln de %1 hecho</numerusform>
            <numerusform>%Ln de %1 hechos</numerusform>
        </translation>
    </message>
    <message>
        <source>The server refused the connection. Check that it is running and that the address is right.</source>
        <translation>El servidor rechazó la conexión. Comprueba que esté en marcha y que la dirección sea correcta.</translation>
    </message>
    <message>
        <source>The server&apos;s name couldn&apos;t be found. Check the address.</source>
        <translation>No se encontró el nombre del servidor. Comprueba la dirección.</translation>
    </message>
    <message>
        <source>A secure connection to the server couldn&apos;t be made.</source>
        <translation>No se pudo establecer una conexión segura con el servidor.</translation>
    </message>
    <message>
        <source>The server closed the connection before it answered.</source>
        <translation>El servidor cerró la conexión antes de responder.</translation>
    </message>
    <message>
        <source>The network proxy couldn&apos;t be reached.</source>
        <translation>No se pudo conectar con el proxy de la red.</translation>
    </message>
    <message>
        <source>The server couldn&apos;t be reached.</source>
        <translation>No se pudo conectar con el servidor.</translation>
    </message>
    <message>
        <source>Waiting for the network…</source>
        <translation>Esperando a la red…</translation>
    </message>
    <message>
        <source>%1 is taken by another program.</source>
        <translation>Otra app ya usa %1.</translation>
    </message>
    <message>
        <source>%1 could not open again. Your choice takes effect the next time you start it.</source>
        <translation>%1 no pudo volver a abrirse. Tu elección se aplicará la próxima vez que lo inicies.</translation>
    </message>
    <message>
        <source>Downloading the model</source>
        <translation>Descargando el modelo</translation>
    </message>
    <message numerus="yes">
        <source>These apps answer the Tab key before %app can, so %app stays paused in your other apps until they quit.</source>
        <translation>
            <numerusform>Estas apps atienden la tecla Tab antes que %app, así que %app sigue en pausa en tus otras apps hasta que se cierren.</numerusform>
            <numerusform>Estas apps atienden la tecla Tab antes que %app, así que %app sigue en pausa en tus otras apps hasta que se cierren.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>It may be waiting on a dialog of its own. Force Quit closes it right away.</source>
        <translation>
            <numerusform>Puede que esté esperando un diálogo propio. «Forzar salida» lo cierra al instante.</numerusform>
            <numerusform>Puede que estén esperando diálogos propios. «Forzar salida» los cierra al instante.</numerusform>
        </translation>
    </message>
    <message>
        <source>Set a Suggest Now shortcut in Keys to ask for suggestions</source>
        <translation>Define un atajo «Sugerir ahora» en «Teclas» para pedir sugerencias</translation>
    </message>
    <message>
        <source>Backspace</source>
        <comment>key above Enter that deletes backwards</comment>
        <translation>Retroceso</translation>
    </message>
    <message>
        <source>0 words saved today</source>
        <translation>0 palabras ahorradas hoy</translation>
    </message>
    <message>
        <source>words saved today</source>
        <comment>beside the count 0</comment>
        <translation>palabras ahorradas hoy</translation>
    </message>
    <message>
        <source>Quit the other app</source>
        <translation>Cerrar la otra app</translation>
    </message>
    <message>
        <source>None yet</source>
        <comment>no app looked at yet</comment>
        <translation>Ninguna todavía</translation>
    </message>
    <message>
        <source>None yet</source>
        <comment>no suggestion shown yet</comment>
        <translation>Ninguna todavía</translation>
    </message>
    <message>
        <source>The other app is also running</source>
        <translation>La otra app también está abierta</translation>
    </message>
    <message>
        <source>Both apps answer the Tab key, and the system gives it to the other app first. %app stays paused in your other apps until the other app quits.</source>
        <translation>Ambas apps atienden la tecla Tab, y el sistema se la da primero a la otra app. %app sigue en pausa en tus otras apps hasta que la otra app se cierre.</translation>
    </message>
    <message>
        <source>The other app is still open</source>
        <translation>La otra app sigue abierta</translation>
    </message>
    <message>
        <source>The other app quit, so your suggestions are back in every app.</source>
        <translation>La otra app se cerró, así que tus sugerencias vuelven a estar en todas las apps.</translation>
    </message>
    <message>
        <source>The other app quit. %app has the Tab key.</source>
        <translation>La otra app se cerró. %app tiene la tecla Tab.</translation>
    </message>
</context>
</TS>
