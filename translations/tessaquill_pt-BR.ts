<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en">
<context>
    <name>Tessaquill</name>
    <message>
        <source>Accessibility is on. %app is ready in your other apps.</source>
        <translation>A acessibilidade está ativada. O %app está pronto nos seus outros apps.</translation>
    </message>
    <message>
        <source>Paused while %1 is open</source>
        <translation>Pausado enquanto %1 estiver aberto</translation>
    </message>
    <message>
        <source>Welcome to %app</source>
        <translation>Boas-vindas ao %app</translation>
    </message>
    <message>
        <source>%app</source>
        <translation>%app</translation>
    </message>
    <message>
        <source>Another autocomplete app is running</source>
        <translation>Outro app de autocompletar está aberto</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Pronto</translation>
    </message>
    <message>
        <source>Waiting for a pause</source>
        <translation>Aguardando uma pausa</translation>
    </message>
    <message>
        <source>Thinking</source>
        <translation>Pensando</translation>
    </message>
    <message>
        <source>Showing a suggestion</source>
        <translation>Mostrando uma sugestão</translation>
    </message>
    <message>
        <source>The model took too long to answer</source>
        <translation>O modelo demorou demais para responder</translation>
    </message>
    <message>
        <source>This app doesn&apos;t report where the caret is</source>
        <translation>Este app não informa onde está o cursor</translation>
    </message>
    <message>
        <source>%app is turned off</source>
        <translation>O %app está desativado</translation>
    </message>
    <message>
        <source>Secure input is on, so %app stays out</source>
        <translation>Entrada segura ativada: o %app fica de fora</translation>
    </message>
    <message>
        <source>Press %1 for a suggestion</source>
        <translation>Pressione %1 para ver uma sugestão</translation>
    </message>
    <message>
        <source>Text is selected</source>
        <translation>Há texto selecionado</translation>
    </message>
    <message>
        <source>The caret is inside existing text</source>
        <translation>O cursor está dentro de um texto existente</translation>
    </message>
    <message>
        <source>This field is too small</source>
        <translation>Este campo é pequeno demais</translation>
    </message>
    <message>
        <source>Waiting for a few characters</source>
        <translation>Aguardando alguns caracteres</translation>
    </message>
    <message>
        <source>Start of a new line</source>
        <translation>Início de uma nova linha</translation>
    </message>
    <message>
        <source>The model is still downloading</source>
        <translation>O modelo ainda está sendo baixado</translation>
    </message>
    <message>
        <source>Download the %app model in Settings first</source>
        <translation>Primeiro baixe o modelo do %app nas Configurações</translation>
    </message>
    <message>
        <source>Not checked yet</source>
        <translation>Ainda não verificado</translation>
    </message>
    <message>
        <source>Checking…</source>
        <translation>Verificando…</translation>
    </message>
    <message>
        <source>The model stopped with error %1</source>
        <translation>O modelo parou com o erro %1</translation>
    </message>
    <message>
        <source>The model file couldn&apos;t be loaded</source>
        <translation>Não foi possível carregar o arquivo do modelo</translation>
    </message>
    <message>
        <source>There wasn&apos;t enough memory to start the model</source>
        <translation>Não havia memória suficiente para iniciar o modelo</translation>
    </message>
    <message>
        <source>The text couldn&apos;t be prepared for the model</source>
        <translation>Não foi possível preparar o texto para o modelo</translation>
    </message>
    <message>
        <source>This computer needs %1 free for the download. Free up some space, then try again.</source>
        <translation>Este computador precisa de %1 livres para o download. Libere espaço e tente de novo.</translation>
    </message>
    <message>
        <source>The download didn&apos;t match the expected file, so it was deleted. Try again.</source>
        <translation>O download não correspondeu ao arquivo esperado e foi apagado. Tente de novo.</translation>
    </message>
    <message>
        <source>Downloaded</source>
        <translation>Baixado</translation>
    </message>
    <message>
        <source>Downloading. Suggestions start once it&apos;s done.</source>
        <translation>Baixando. As sugestões começam quando terminar.</translation>
    </message>
    <message>
        <source>Checking the download.</source>
        <translation>Verificando o download.</translation>
    </message>
    <message>
        <source>Checking the download. Suggestions start once it&apos;s done.</source>
        <translation>Verificando o download. As sugestões começam quando terminar.</translation>
    </message>
    <message>
        <source>Download the model to start</source>
        <translation>Baixe o modelo para começar</translation>
    </message>
    <message>
        <source>Ollama is running but has no models</source>
        <translation>O Ollama está em execução, mas não tem modelos</translation>
    </message>
    <message>
        <source>Another app</source>
        <translation>Outro app</translation>
    </message>
    <message>
        <source>There is no D-Bus session bus, so %1 cannot reach text fields.</source>
        <translation>Não há barramento de sessão D-Bus, então o %1 não consegue acessar campos de texto.</translation>
    </message>
    <message>
        <source>The desktop&apos;s accessibility bus is not running, so %1 cannot reach text fields.</source>
        <translation>O barramento de acessibilidade do desktop não está em execução, então o %1 não consegue acessar campos de texto.</translation>
    </message>
    <message>
        <source>Short</source>
        <translation>Curto</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Médio</translation>
    </message>
    <message>
        <source>Long</source>
        <translation>Longo</translation>
    </message>
    <message>
        <source>Hide the suggestion</source>
        <translation>Ocultar a sugestão</translation>
    </message>
    <message>
        <source>Hide suggestions until I change fields</source>
        <translation>Ocultar sugestões até eu mudar de campo</translation>
    </message>
    <message>
        <source>Do nothing, send Escape to the app</source>
        <translation>Não fazer nada, enviar Esc ao app</translation>
    </message>
    <message>
        <source>Type it</source>
        <translation>Digitação</translation>
    </message>
    <message>
        <source>Insert through Accessibility</source>
        <translation>Inserção por acessibilidade</translation>
    </message>
    <message>
        <source>Paste it</source>
        <translation>Colagem</translation>
    </message>
    <message>
        <source>Grey</source>
        <translation>Cinza</translation>
    </message>
    <message>
        <source>Gold tint</source>
        <translation>Tom dourado</translation>
    </message>
    <message>
        <source>%app model</source>
        <translation>Modelo do %app</translation>
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
        <translation>Roda neste computador após um único download. Funciona offline.</translation>
    </message>
    <message>
        <source>Any model you run in Ollama, base models included.</source>
        <translation>Qualquer modelo que você rode no Ollama, incluindo modelos base.</translation>
    </message>
    <message>
        <source>LM Studio, llama-server or any OpenAI-compatible endpoint.</source>
        <translation>LM Studio, llama-server ou qualquer servidor compatível com OpenAI.</translation>
    </message>
    <message>
        <source>Sends the text as keystrokes. Works almost everywhere.</source>
        <translation>Envia o texto como teclas digitadas. Funciona em quase todo lugar.</translation>
    </message>
    <message>
        <source>Uses the clipboard, then puts your clipboard back.</source>
        <translation>Usa a área de transferência e depois a restaura.</translation>
    </message>
    <message>
        <source>Accessibility</source>
        <translation>Acessibilidade</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Colagem</translation>
    </message>
    <message>
        <source>Your writing memory could not be opened and was set aside. Nothing new is remembered until %app starts again.</source>
        <translation>Não foi possível abrir sua memória de escrita, e ela foi guardada à parte. Nada novo será lembrado até o %app ser reiniciado.</translation>
    </message>
    <message>
        <source>Your writing memory could not be opened because its key could not be read from the keyring. Nothing new is remembered until %app starts again.</source>
        <translation>Não foi possível abrir sua memória de escrita porque a chave dela não pôde ser lida do chaveiro. Nada novo será lembrado até o %app ser reiniciado.</translation>
    </message>
    <message>
        <source>Not Now</source>
        <translation>Agora não</translation>
    </message>
    <message>
        <source>Open the desktop&apos;s settings</source>
        <translation>Abrir as configurações do desktop</translation>
    </message>
    <message>
        <source>Don&apos;t remind me again</source>
        <translation>Não lembrar de novo</translation>
    </message>
    <message>
        <source>Open Playground</source>
        <translation>Abrir área de testes</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Configurações</translation>
    </message>
    <message>
        <source>Quit %app</source>
        <translation>Sair do %app</translation>
    </message>
    <message>
        <source>Needs Accessibility access</source>
        <translation>Precisa da permissão de acessibilidade</translation>
    </message>
    <message>
        <source>Paused until you resume</source>
        <translation>Pausado até você retomar</translation>
    </message>
    <message>
        <source>Paused until %1</source>
        <translation>Pausado até %1</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Desativado</translation>
    </message>
    <message numerus="yes">
        <source>Paused while %1 are open</source>
        <translation>
            <numerusform>Pausado enquanto %1 estiver aberto</numerusform>
            <numerusform>Pausado enquanto %1 estiverem abertos</numerusform>
        </translation>
    </message>
    <message>
        <source>Grant Accessibility Access…</source>
        <translation>Permitir a acessibilidade…</translation>
    </message>
    <message numerus="yes">
        <source>Force Quit %1</source>
        <translation>
            <numerusform>Forçar saída de %1</numerusform>
            <numerusform>Forçar saída de %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Quit %1</source>
        <translation>
            <numerusform>Fechar %1</numerusform>
            <numerusform>Fechar %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>words saved today</source>
        <translation>
            <numerusform>palavra economizada hoje</numerusform>
            <numerusform>palavras economizadas hoje</numerusform>
        </translation>
    </message>
    <message>
        <source>Start typing anywhere. %app keeps count here.</source>
        <translation>Comece a digitar em qualquer lugar. O %app faz a contagem aqui.</translation>
    </message>
    <message>
        <source>Resume in %1</source>
        <translation>Retomar em %1</translation>
    </message>
    <message>
        <source>Pause in %1</source>
        <translation>Pausar em %1</translation>
    </message>
    <message>
        <source>Resume Everywhere</source>
        <translation>Retomar em todo lugar</translation>
    </message>
    <message>
        <source>Pause Everywhere</source>
        <translation>Pausar em todo lugar</translation>
    </message>
    <message>
        <source>For 15 Minutes</source>
        <translation>Por 15 minutos</translation>
    </message>
    <message>
        <source>For 1 Hour</source>
        <translation>Por 1 hora</translation>
    </message>
    <message>
        <source>For 4 Hours</source>
        <translation>Por 4 horas</translation>
    </message>
    <message>
        <source>Until I Resume</source>
        <translation>Até eu retomar</translation>
    </message>
    <message>
        <source>Example: after typing %1, %2 suggests %3</source>
        <translation>Exemplo: depois de digitar %1, o %2 sugere %3</translation>
    </message>
    <message>
        <source>takes the next word</source>
        <translation>pega a próxima palavra</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Baixar</translation>
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
        <translation>%1 de %2. Você pode continuar escrevendo durante o download.</translation>
    </message>
    <message>
        <source>Checking the download</source>
        <translation>Verificando o download</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Tentar de novo</translation>
    </message>
    <message>
        <source>Remove…</source>
        <translation>Remover…</translation>
    </message>
    <message>
        <source>%1 license</source>
        <translation>Licença %1</translation>
    </message>
    <message>
        <source>Remove the %app model?</source>
        <translation>Remover o modelo do %app?</translation>
    </message>
    <message>
        <source>Model download</source>
        <translation>Download do modelo</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Remover</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuar</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Mais tarde</translation>
    </message>
    <message>
        <source>Start Writing</source>
        <translation>Começar a escrever</translation>
    </message>
    <message>
        <source>Finish your sentences in any app.</source>
        <translation>Termine suas frases em qualquer app.</translation>
    </message>
    <message>
        <source>%app reads the words before your caret and suggests what comes next in grey. Press Tab to take one word, or the key above Tab to take the rest. If you don&apos;t want it, keep typing.</source>
        <translation>O %app lê as palavras antes do cursor e sugere em cinza o que vem a seguir. Pressione Tab para pegar uma palavra, ou a tecla acima do Tab para pegar o resto. Se não quiser, continue digitando.</translation>
    </message>
    <message>
        <source>Sees what you see</source>
        <translation>Vê o que você vê</translation>
    </message>
    <message>
        <source>Private</source>
        <translation>Privado</translation>
    </message>
    <message>
        <source>It reads the window you&apos;re typing in, like the chat you&apos;re answering, so suggestions fit. None of it goes online, to us or any server. It stays private on your computer.</source>
        <translation>Ele lê a janela em que você digita, como o chat que você está respondendo, para que as sugestões combinem. Nada disso vai para a internet, nem para nós nem para nenhum servidor. Tudo fica privado no seu computador.</translation>
    </message>
    <message>
        <source>Accessibility is on</source>
        <translation>Acessibilidade ativada</translation>
    </message>
    <message>
        <source>%app can now read the field you&apos;re writing in and type suggestions for you.</source>
        <translation>Agora o %app pode ler o campo em que você escreve e inserir sugestões para você.</translation>
    </message>
    <message>
        <source>Let %app see what you type.</source>
        <translation>Deixe o %app ver o que você digita.</translation>
    </message>
    <message>
        <source>%app reads your text when you pause and forgets it after one suggestion, unless you turn on writing memory.</source>
        <translation>O %app lê seu texto quando você pausa e o esquece após uma sugestão, a menos que você ative a memória de escrita.</translation>
    </message>
    <message>
        <source>%app skips password fields and anything else the system marks as secure.</source>
        <translation>O %app ignora campos de senha e tudo o que o sistema marca como seguro.</translation>
    </message>
    <message>
        <source>Open Accessibility Settings</source>
        <translation>Abrir configurações de acessibilidade</translation>
    </message>
    <message>
        <source>Pick what writes your suggestions.</source>
        <translation>Escolha o que escreve suas sugestões.</translation>
    </message>
    <message>
        <source>You can change this any time in Settings.</source>
        <translation>Você pode mudar isso a qualquer momento nas Configurações.</translation>
    </message>
    <message>
        <source>Give it a try.</source>
        <translation>Experimente.</translation>
    </message>
    <message>
        <source>Start typing a sentence. When grey words appear, press Tab for one word or the key above Tab for all of them.</source>
        <translation>Comece a digitar uma frase. Quando aparecerem palavras cinza, pressione Tab para uma palavra ou a tecla acima do Tab para todas.</translation>
    </message>
    <message>
        <source>Hi Orlenn, thanks for the quick reply. I think we should</source>
        <translation>Oi, Orlenn, obrigado pela resposta rápida. Acho que a gente deveria</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Voltar</translation>
    </message>
    <message>
        <source>Practice field</source>
        <translation>Campo de treino</translation>
    </message>
    <message>
        <source>Default, on</source>
        <translation>Padrão, ativado</translation>
    </message>
    <message>
        <source>Default, off</source>
        <translation>Padrão, desativado</translation>
    </message>
    <message>
        <source>Add a website</source>
        <translation>Adicionar um site</translation>
    </message>
    <message>
        <source>Domain</source>
        <translation>Domínio</translation>
    </message>
    <message>
        <source>Rules for a site apply in any browser %app can read.</source>
        <translation>As regras de um site valem em qualquer navegador que o %app consiga ler.</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Adicionar</translation>
    </message>
    <message>
        <source>Add App…</source>
        <translation>Adicionar app…</translation>
    </message>
    <message>
        <source>Add an app</source>
        <translation>Adicionar um app</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Clear search</source>
        <translation>Limpar busca</translation>
    </message>
    <message>
        <source>Add an app or website</source>
        <translation>Adicionar um app ou site</translation>
    </message>
    <message>
        <source>Add Website…</source>
        <translation>Adicionar site…</translation>
    </message>
    <message>
        <source>Apps &amp; Sites</source>
        <translation>Apps &amp; sites</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Pausado</translation>
    </message>
    <message>
        <source>Apps</source>
        <translation>Apps</translation>
    </message>
    <message>
        <source>Websites</source>
        <translation>Sites</translation>
    </message>
    <message>
        <source>No matches</source>
        <translation>Nenhum resultado</translation>
    </message>
    <message>
        <source>No apps yet</source>
        <translation>Nenhum app ainda</translation>
    </message>
    <message>
        <source>Nothing matches “%1”.</source>
        <translation>Nada corresponde a “%1”.</translation>
    </message>
    <message>
        <source>Apps appear here once you accept a suggestion in them, or add one with +.</source>
        <translation>Os apps aparecem aqui quando você aceita uma sugestão neles. Você também pode adicionar um com +.</translation>
    </message>
    <message>
        <source>Pick an app or site</source>
        <translation>Escolha um app ou site</translation>
    </message>
    <message>
        <source>Each one can have its own rules. Anything you don&apos;t change follows General.</source>
        <translation>Cada um pode ter suas próprias regras. O que você não mudar segue o que está em “Geral”.</translation>
    </message>
    <message>
        <source>Words saved here</source>
        <translation>Palavras economizadas aqui</translation>
    </message>
    <message>
        <source>Suggestions</source>
        <translation>Sugestões</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Ativado</translation>
    </message>
    <message>
        <source>Tab accepts suggestions</source>
        <translation>Tab aceita sugestões</translation>
    </message>
    <message>
        <source>Turn off where Tab already means something, like indenting. The other accept key still works.</source>
        <translation>Desative onde o Tab já tem função, como recuar texto. A outra tecla de aceitar continua funcionando.</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Padrão</translation>
    </message>
    <message>
        <source>Insert by</source>
        <translation>Método de inserção</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Tamanho</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Retomar</translation>
    </message>
    <message>
        <source>Pause here</source>
        <translation>Pausar aqui</translation>
    </message>
    <message>
        <source>Memory</source>
        <translation>Memória</translation>
    </message>
    <message>
        <source>Remember my writing here</source>
        <translation>Lembrar como escrevo aqui</translation>
    </message>
    <message>
        <source>Writing memory is off in Your Voice.</source>
        <translation>A memória de escrita está desativada em “Seu estilo”.</translation>
    </message>
    <message>
        <source>Erase…</source>
        <translation>Apagar…</translation>
    </message>
    <message>
        <source>Reset to Defaults</source>
        <translation>Restaurar padrões</translation>
    </message>
    <message>
        <source>Erase what %app remembered from %1?</source>
        <translation>Apagar o que o %app memorizou em %1?</translation>
    </message>
    <message>
        <source>Erase</source>
        <translation>Apagar</translation>
    </message>
    <message>
        <source>Passages from this app can shape suggestions everywhere.</source>
        <translation>Trechos deste app podem influenciar sugestões em todo lugar.</translation>
    </message>
    <message>
        <source>Finish setting up</source>
        <translation>Concluir a configuração</translation>
    </message>
    <message>
        <source>Setup progress</source>
        <translation>Progresso da configuração</translation>
    </message>
    <message>
        <source>Done: %1</source>
        <translation>Concluído: %1</translation>
    </message>
    <message>
        <source>Best day yet!</source>
        <translation>Seu melhor dia!</translation>
    </message>
    <message>
        <source>Try it here</source>
        <translation>Experimente aqui</translation>
    </message>
    <message>
        <source>Thanks for sending the draft over. I had a look and</source>
        <translation>Obrigado por mandar o rascunho. Dei uma olhada e</translation>
    </message>
    <message>
        <source>next word</source>
        <translation>próxima palavra</translation>
    </message>
    <message>
        <source>whole suggestion</source>
        <translation>sugestão inteira</translation>
    </message>
    <message>
        <source>hide it</source>
        <translation>ocultar</translation>
    </message>
    <message>
        <source>This field runs the real engine. Start typing and grey words show up as you go.</source>
        <translation>Este campo usa o mecanismo de verdade. Comece a digitar e as palavras cinza aparecem enquanto você escreve.</translation>
    </message>
    <message>
        <source>This field runs the real engine, even before you allow Accessibility. Start typing and grey words show up as you go.</source>
        <translation>Este campo usa o mecanismo de verdade, mesmo antes de você permitir a acessibilidade. Comece a digitar e as palavras cinza aparecem enquanto você escreve.</translation>
    </message>
    <message>
        <source>You&apos;re all set</source>
        <translation>Tudo pronto</translation>
    </message>
    <message>
        <source>Accessibility is on and %1 is ready. %app works in every app you type in.</source>
        <translation>A acessibilidade está ativada e %1 está pronto. O %app funciona em todo app em que você digita.</translation>
    </message>
    <message>
        <source>Waiting for %1 to quit</source>
        <translation>Aguardando %1 fechar</translation>
    </message>
    <message>
        <source>Turned off</source>
        <translation>Desativado</translation>
    </message>
    <message>
        <source>Paused everywhere</source>
        <translation>Pausado em todo lugar</translation>
    </message>
    <message>
        <source>%1, %2 typical wait</source>
        <translation>%1, espera típica de %2</translation>
    </message>
    <message>
        <source>Start your streak today.</source>
        <translation>Comece sua sequência hoje.</translation>
    </message>
    <message>
        <source>Overview</source>
        <translation>Visão geral</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Geral</translation>
    </message>
    <message>
        <source>Engine</source>
        <translation>Mecanismo</translation>
    </message>
    <message>
        <source>Context</source>
        <translation>Contexto</translation>
    </message>
    <message>
        <source>Your Voice</source>
        <translation>Seu estilo</translation>
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
        <translation>Bateria</translation>
    </message>
    <message>
        <source>Insights</source>
        <translation>Estatísticas</translation>
    </message>
    <message>
        <source>Field Inspector</source>
        <translation>Inspetor de campo</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>How %app is doing today</source>
        <translation>Como o %app está indo hoje</translation>
    </message>
    <message>
        <source>Where and how suggestions appear</source>
        <translation>Onde e como as sugestões aparecem</translation>
    </message>
    <message>
        <source>The model that writes your suggestions</source>
        <translation>O modelo que escreve suas sugestões</translation>
    </message>
    <message>
        <source>What %app may look at to guess better</source>
        <translation>O que o %app pode olhar para acertar mais</translation>
    </message>
    <message>
        <source>Help suggestions sound like you</source>
        <translation>Sugestões que soam como você</translation>
    </message>
    <message>
        <source>Accept, dismiss and summon suggestions</source>
        <translation>Aceitar, dispensar e pedir sugestões</translation>
    </message>
    <message>
        <source>Emoji search and emoticons</source>
        <translation>Busca de emojis e emoticons</translation>
    </message>
    <message>
        <source>Rules for each app and website</source>
        <translation>Regras para cada app e site</translation>
    </message>
    <message>
        <source>Save power when you&apos;re unplugged</source>
        <translation>Economizar energia na bateria</translation>
    </message>
    <message>
        <source>Words saved and how fast suggestions arrive</source>
        <translation>Palavras economizadas e velocidade das sugestões</translation>
    </message>
    <message>
        <source>What %app sees in the focused field</source>
        <translation>O que o %app vê no campo em foco</translation>
    </message>
    <message>
        <source>Version and privacy</source>
        <translation>Versão e privacidade</translation>
    </message>
    <message>
        <source>Writing</source>
        <translation>Escrita</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Entrada</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Regras</translation>
    </message>
    <message>
        <source>Activity</source>
        <translation>Atividade</translation>
    </message>
    <message>
        <source>%app can read the field you&apos;re typing in and insert suggestions in any app.</source>
        <translation>O %app pode ler o campo em que você digita e inserir sugestões em qualquer app.</translation>
    </message>
    <message>
        <source>Allow Accessibility access</source>
        <translation>Permitir a acessibilidade</translation>
    </message>
    <message>
        <source>%app needs it to read the text you type in other apps and to insert suggestions.</source>
        <translation>O %app precisa disso para ler o texto que você digita em outros apps e inserir sugestões.</translation>
    </message>
    <message>
        <source>Allow…</source>
        <translation>Permitir…</translation>
    </message>
    <message>
        <source>%1 is ready</source>
        <translation>%1 está pronto</translation>
    </message>
    <message>
        <source>Checking %1</source>
        <translation>Verificando %1</translation>
    </message>
    <message>
        <source>This takes a moment.</source>
        <translation>Isso leva um instante.</translation>
    </message>
    <message>
        <source>Your engine isn&apos;t ready</source>
        <translation>Seu mecanismo não está pronto</translation>
    </message>
    <message>
        <source>Open Engine</source>
        <translation>Abrir “Mecanismo”</translation>
    </message>
    <message>
        <source>The system&apos;s predictions are off</source>
        <translation>As previsões do sistema estão desativadas</translation>
    </message>
    <message>
        <source>Only %app&apos;s suggestions appear while you type.</source>
        <translation>Só as sugestões do %app aparecem enquanto você digita.</translation>
    </message>
    <message>
        <source>Turn off the system&apos;s predictions</source>
        <translation>Desativar as previsões do sistema</translation>
    </message>
    <message>
        <source>The system shows its own grey suggestions on top of %app&apos;s. Each app picks up the change the next time you open it.</source>
        <translation>O sistema mostra as próprias sugestões cinza por cima das do %app. Cada app aplica a mudança na próxima vez que você o abrir.</translation>
    </message>
    <message>
        <source>Keyboard Settings</source>
        <translation>Configurações do teclado</translation>
    </message>
    <message>
        <source>Turn Off</source>
        <translation>Desativar</translation>
    </message>
    <message>
        <source>Only %app is suggesting</source>
        <translation>Só o %app está sugerindo</translation>
    </message>
    <message>
        <source>Tab reaches %app again.</source>
        <translation>A tecla Tab volta a funcionar com o %app.</translation>
    </message>
    <message numerus="yes">
        <source>%1 didn&apos;t quit. They may be showing a dialog. Force Quit closes them right away.</source>
        <translation>
            <numerusform>%1 não fechou. Talvez esteja mostrando uma caixa de diálogo. “Forçar saída” o fecha na hora.</numerusform>
            <numerusform>%1 não fecharam. Talvez estejam mostrando uma caixa de diálogo. “Forçar saída” os fecha na hora.</numerusform>
        </translation>
    </message>
    <message>
        <source>Force Quit</source>
        <translation>Forçar saída</translation>
    </message>
    <message numerus="yes">
        <source>%1 take the Tab key before %app can, so %app stays paused in your other apps until you quit them.</source>
        <translation>
            <numerusform>%1 pega a tecla Tab antes do %app, então o %app fica pausado nos seus outros apps até você fechar %1.</numerusform>
            <numerusform>%1 pegam a tecla Tab antes do %app, então o %app fica pausado nos seus outros apps até você fechá-los.</numerusform>
        </translation>
    </message>
    <message>
        <source>Only when I ask</source>
        <translation>Só quando eu pedir</translation>
    </message>
    <message>
        <source>On battery, suggestions appear only after you press the Suggest Now shortcut.</source>
        <translation>Na bateria, as sugestões só aparecem depois que você pressiona o atalho “Sugerir agora”.</translation>
    </message>
    <message>
        <source>Shorter suggestions</source>
        <translation>Sugestões mais curtas</translation>
    </message>
    <message>
        <source>Fewer words take less power to write.</source>
        <translation>Menos palavras gastam menos energia.</translation>
    </message>
    <message>
        <source>Lighter model</source>
        <translation>Modelo mais leve</translation>
    </message>
    <message>
        <source>Same as plugged in</source>
        <translation>Como na tomada</translation>
    </message>
    <message>
        <source>Running on battery. These apply right now.</source>
        <translation>Na bateria. Estas opções valem agora.</translation>
    </message>
    <message>
        <source>Plugged in. These wait until you unplug.</source>
        <translation>Na tomada. Estas opções passam a valer quando você desconectar da tomada.</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modelo</translation>
    </message>
    <message>
        <source>Model name</source>
        <translation>Nome do modelo</translation>
    </message>
    <message>
        <source>Reload the model list</source>
        <translation>Recarregar a lista de modelos</translation>
    </message>
    <message>
        <source>Choose a model</source>
        <translation>Escolher um modelo</translation>
    </message>
    <message>
        <source>For people who already run Ollama, LM Studio or llama-server.</source>
        <translation>Para quem já usa Ollama, LM Studio ou llama-server.</translation>
    </message>
    <message>
        <source>Use your own model</source>
        <translation>Usar seu próprio modelo</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Endereço</translation>
    </message>
    <message>
        <source>API key</source>
        <translation>Chave de API</translation>
    </message>
    <message>
        <source>Only if your server asks for one</source>
        <translation>Só se o seu servidor pedir uma</translation>
    </message>
    <message>
        <source>Focused</source>
        <translation>Focado</translation>
    </message>
    <message>
        <source>Creativity</source>
        <translation>Criatividade</translation>
    </message>
    <message>
        <source>Loose</source>
        <translation>Livre</translation>
    </message>
    <message>
        <source>Lower stays close to the obvious next words. Higher tries more.</source>
        <translation>Mais baixo fica perto das palavras óbvias. Mais alto arrisca mais.</translation>
    </message>
    <message>
        <source>Wait before suggesting</source>
        <translation>Espera antes de sugerir</translation>
    </message>
    <message>
        <source>How long you pause before %app starts.</source>
        <translation>Quanto tempo você para de digitar antes de o %app começar.</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Executar</translation>
    </message>
    <message>
        <source>Try the engine</source>
        <translation>Testar o mecanismo</translation>
    </message>
    <message>
        <source>Sends a sample sentence and shows what comes back.</source>
        <translation>Envia uma frase de exemplo e mostra o que volta.</translation>
    </message>
    <message>
        <source>Running…</source>
        <translation>Executando…</translation>
    </message>
    <message>
        <source>The engine answered in %1 but had nothing useful to add.</source>
        <translation>O mecanismo respondeu em %1, mas não tinha nada útil a acrescentar.</translation>
    </message>
    <message>
        <source>That didn&apos;t work: %1</source>
        <translation>Não funcionou: %1</translation>
    </message>
    <message>
        <source>The request was cancelled.</source>
        <translation>A solicitação foi cancelada.</translation>
    </message>
    <message>
        <source>Startup</source>
        <translation>Inicialização</translation>
    </message>
    <message>
        <source>Launch at login</source>
        <translation>Abrir ao iniciar a sessão</translation>
    </message>
    <message>
        <source>Show today&apos;s word count next to the icon</source>
        <translation>Mostrar as palavras de hoje ao lado do ícone</translation>
    </message>
    <message>
        <source>Where suggestions appear</source>
        <translation>Onde as sugestões aparecem</translation>
    </message>
    <message>
        <source>Turn this off to use %app only in the apps you switch on under Apps &amp; Sites.</source>
        <translation>Desative para usar o %app só nos apps que você ativar em “Apps &amp; sites”.</translation>
    </message>
    <message>
        <source>By default %app waits until the caret is at the end of a line.</source>
        <translation>Por padrão, o %app espera o cursor estar no fim da linha.</translation>
    </message>
    <message>
        <source>Without this, %app skips search bars and one-word boxes.</source>
        <translation>Sem isso, o %app ignora barras de busca e caixas de uma palavra.</translation>
    </message>
    <message>
        <source>Suggestions appear only after you press the Suggest Now shortcut.</source>
        <translation>As sugestões só aparecem depois que você pressiona o atalho “Sugerir agora”.</translation>
    </message>
    <message>
        <source>Spelling</source>
        <translation>Ortografia</translation>
    </message>
    <message>
        <source>Waits while the word you&apos;re typing looks misspelled, so %app doesn&apos;t build on a typo.</source>
        <translation>Espera enquanto a palavra digitada parecer errada, para o %app não sugerir a partir de um erro de digitação.</translation>
    </message>
    <message>
        <source>After a misspelled word, shows a fix next to the caret. Press Tab to swap it in.</source>
        <translation>Depois de uma palavra errada, mostra uma correção ao lado do cursor. Pressione Tab para trocá-la.</translation>
    </message>
    <message>
        <source>Look</source>
        <translation>Aparência</translation>
    </message>
    <message>
        <source>Suggestion color</source>
        <translation>Cor das sugestões</translation>
    </message>
    <message>
        <source>Text size</source>
        <translation>Tamanho do texto</translation>
    </message>
    <message>
        <source>Fine-tune if suggestions look larger or smaller than your text.</source>
        <translation>Ajuste se as sugestões parecerem maiores ou menores que seu texto.</translation>
    </message>
    <message>
        <source>Vertical position</source>
        <translation>Posição vertical</translation>
    </message>
    <message>
        <source>Nudge suggestions up or down to line up with your text.</source>
        <translation>Mova as sugestões para cima ou para baixo para alinhar com seu texto.</translation>
    </message>
    <message>
        <source>A small keycap after your first suggestions, as a reminder of what to press.</source>
        <translation>Um pequeno ícone de tecla após as primeiras sugestões, para lembrar o que pressionar.</translation>
    </message>
    <message>
        <source>Insert suggestions by</source>
        <translation>Inserir sugestões por</translation>
    </message>
    <message>
        <source>Other autocomplete apps</source>
        <translation>Outros apps de autocompletar</translation>
    </message>
    <message>
        <source>They take the Tab key before %app can. With this off, %app asks you first.</source>
        <translation>Eles pegam a tecla Tab antes do %app. Com isto desativado, o %app pergunta a você primeiro.</translation>
    </message>
    <message>
        <source>%1 is another device on your network, so the text around your caret will be sent there.</source>
        <translation>%1 é outro dispositivo na sua rede, então o texto ao redor do cursor será enviado para lá.</translation>
    </message>
    <message>
        <source>%1 isn&apos;t this computer, so the text around your caret will be sent there.</source>
        <translation>%1 não é este computador, então o texto ao redor do cursor será enviado para lá.</translation>
    </message>
    <message>
        <source>Both keep your text on this computer.</source>
        <translation>Ambos mantêm seu texto neste computador.</translation>
    </message>
    <message>
        <source>%app opens by itself when you start your computer.</source>
        <translation>O %app abre sozinho quando você liga o computador.</translation>
    </message>
    <message>
        <source>System predictions</source>
        <translation>Previsões do sistema</translation>
    </message>
    <message>
        <source>The system can show its own grey predictions. Keeping them off avoids two suggestions at once.</source>
        <translation>O sistema pode mostrar as próprias previsões cinza. Mantê-las desativadas evita duas sugestões ao mesmo tempo.</translation>
    </message>
    <message>
        <source>System predictions are on</source>
        <translation>Previsões do sistema ativadas</translation>
    </message>
    <message>
        <source>System predictions are off</source>
        <translation>Previsões do sistema desativadas</translation>
    </message>
    <message>
        <source>tab</source>
        <translation>tab</translation>
    </message>
    <message>
        <source>Your next words, one Tab away.</source>
        <translation>Suas próximas palavras, a um Tab de distância.</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Pular</translation>
    </message>
    <message>
        <source>Get Started</source>
        <translation>Começar</translation>
    </message>
    <message>
        <source>Turn sound on</source>
        <translation>Ativar som</translation>
    </message>
    <message>
        <source>Turn sound off</source>
        <translation>Desativar som</translation>
    </message>
    <message>
        <source>The other app</source>
        <translation>O outro app</translation>
    </message>
    <message numerus="yes">
        <source>Next time, quit %1 without asking</source>
        <translation>
            <numerusform>Da próxima vez, fechar %1 sem perguntar</numerusform>
            <numerusform>Da próxima vez, fechar %1 sem perguntar</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 is also running</source>
        <translation>
            <numerusform>%1 também está aberto</numerusform>
            <numerusform>%1 também estão abertos</numerusform>
        </translation>
    </message>
    <message>
        <source>Quitting…</source>
        <translation>Fechando…</translation>
    </message>
    <message numerus="yes">
        <source>%1 is still open</source>
        <translation>
            <numerusform>%1 ainda está aberto</numerusform>
            <numerusform>%1 ainda estão abertos</numerusform>
        </translation>
    </message>
    <message>
        <source>%app has the Tab key</source>
        <translation>O %app está com a tecla Tab</translation>
    </message>
    <message>
        <source>%1 quit, so your suggestions are back in every app.</source>
        <translation>%1 fechou, então suas sugestões voltaram a aparecer em todos os apps.</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Concluído</translation>
    </message>
    <message>
        <source>Open Source Notices</source>
        <translation>Avisos de código aberto</translation>
    </message>
    <message>
        <source>Reset all settings?</source>
        <translation>Redefinir todas as configurações?</translation>
    </message>
    <message>
        <source>This also clears your rules for apps and sites. Your statistics and writing memory stay.</source>
        <translation>Isso também apaga suas regras de apps e sites. Suas estatísticas e a memória de escrita continuam.</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Redefinir</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versão %1</translation>
    </message>
    <message>
        <source>Some apps hide their text</source>
        <translation>Alguns apps ocultam o texto</translation>
    </message>
    <message>
        <source>Suggest emoji after a colon</source>
        <translation>Sugerir emojis após dois-pontos</translation>
    </message>
    <message>
        <source>Turn emoticons into emoji</source>
        <translation>Transformar emoticons em emojis</translation>
    </message>
    <message>
        <source>After :-) or &lt;3, %app offers the matching emoji. Press Tab to swap it in.</source>
        <translation>Depois de :-) ou &lt;3, o %app oferece o emoji correspondente. Pressione Tab para inseri-lo.</translation>
    </message>
    <message>
        <source>Skin tone</source>
        <translation>Tom de pele</translation>
    </message>
    <message>
        <source>Also show the default yellow</source>
        <translation>Mostrar também o amarelo padrão</translation>
    </message>
    <message>
        <source>Try a word</source>
        <translation>Experimente uma palavra</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Leve</translation>
    </message>
    <message>
        <source>No emoji match “%1”</source>
        <translation>Nenhum emoji corresponde a “%1”</translation>
    </message>
    <message>
        <source>Accepting</source>
        <translation>Aceitação</translation>
    </message>
    <message>
        <source>Take the next word</source>
        <translation>Pegar a próxima palavra</translation>
    </message>
    <message>
        <source>Press again for each following word.</source>
        <translation>Pressione de novo para cada palavra seguinte.</translation>
    </message>
    <message>
        <source>Take the whole suggestion</source>
        <translation>Pegar a sugestão inteira</translation>
    </message>
    <message>
        <source>The key above Tab is easy to reach on most keyboards.</source>
        <translation>A tecla acima do Tab é fácil de alcançar na maioria dos teclados.</translation>
    </message>
    <message>
        <source>Include the space after a word</source>
        <translation>Incluir o espaço depois da palavra</translation>
    </message>
    <message>
        <source>Include punctuation right after a word</source>
        <translation>Incluir a pontuação logo depois da palavra</translation>
    </message>
    <message>
        <source>When you press Escape</source>
        <translation>Quando você pressiona Esc</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Atalhos</translation>
    </message>
    <message>
        <source>Suggest now</source>
        <translation>Sugerir agora</translation>
    </message>
    <message>
        <source>Asks for a suggestion right away, even where %app would normally wait.</source>
        <translation>Pede uma sugestão na hora, mesmo onde o %app normalmente esperaria.</translation>
    </message>
    <message>
        <source>Other suggestions</source>
        <translation>Outras sugestões</translation>
    </message>
    <message>
        <source>Lists a few different ways to continue. Choose with the arrow keys, then press Tab.</source>
        <translation>Lista algumas formas diferentes de continuar. Escolha com as setas e pressione Tab.</translation>
    </message>
    <message>
        <source>Pause or resume in this app</source>
        <translation>Pausar ou retomar neste app</translation>
    </message>
    <message>
        <source>Pauses for 15 minutes.</source>
        <translation>Pausa por 15 minutos.</translation>
    </message>
    <message>
        <source>Turn %app on or off</source>
        <translation>Ativar ou desativar o %app</translation>
    </message>
    <message>
        <source>Everywhere, until you press it again.</source>
        <translation>Em todo lugar, até você pressionar de novo.</translation>
    </message>
    <message>
        <source>Pause or resume</source>
        <translation>Pausar ou retomar</translation>
    </message>
    <message>
        <source>Turn on or off</source>
        <translation>Ativar ou desativar</translation>
    </message>
    <message>
        <source>%1 and %2 use the same keys. Only the first will work.</source>
        <translation>“%1” e “%2” usam as mesmas teclas. Só o primeiro vai funcionar.</translation>
    </message>
    <message>
        <source>About you</source>
        <translation>Sobre você</translation>
    </message>
    <message>
        <source>For example: I&apos;m a product designer in Berlin. I write short, friendly emails in British English and sign off with Cheers.</source>
        <translation>Por exemplo: sou designer de produto em Berlim. Escrevo e-mails curtos e simpáticos em inglês britânico e assino com “Cheers”.</translation>
    </message>
    <message>
        <source>Your role, the languages you write in, names you use often, how you like to sound.</source>
        <translation>Sua função, os idiomas em que você escreve, nomes que usa com frequência, o tom que prefere.</translation>
    </message>
    <message>
        <source>Writing memory</source>
        <translation>Memória de escrita</translation>
    </message>
    <message>
        <source>Remember how I write</source>
        <translation>Lembrar como eu escrevo</translation>
    </message>
    <message>
        <source>Also remember fields where I accept nothing</source>
        <translation>Lembrar também campos onde não aceito nada</translation>
    </message>
    <message>
        <source>%app learns your style sooner but keeps more of what you type.</source>
        <translation>O %app aprende seu estilo mais rápido, mas guarda mais do que você digita.</translation>
    </message>
    <message>
        <source>Influence</source>
        <translation>Influência</translation>
    </message>
    <message>
        <source>Strong</source>
        <translation>Forte</translation>
    </message>
    <message>
        <source>How many of your passages each suggestion can draw on.</source>
        <translation>Quantos dos seus trechos cada sugestão pode usar.</translation>
    </message>
    <message>
        <source>Erase All…</source>
        <translation>Apagar tudo…</translation>
    </message>
    <message>
        <source>Erase everything %app remembered?</source>
        <translation>Apagar tudo o que o %app memorizou?</translation>
    </message>
    <message>
        <source>This can&apos;t be undone.</source>
        <translation>Isso não pode ser desfeito.</translation>
    </message>
    <message>
        <source>Erase All</source>
        <translation>Apagar tudo</translation>
    </message>
    <message>
        <source>Nothing remembered yet</source>
        <translation>Nada memorizado ainda</translation>
    </message>
    <message>
        <source>App and window name</source>
        <translation>Nome do app e da janela</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>Site</translation>
    </message>
    <message>
        <source>The site&apos;s domain when you write in a browser.</source>
        <translation>O domínio do site quando você escreve num navegador.</translation>
    </message>
    <message>
        <source>Recently copied text</source>
        <translation>Texto copiado recentemente</translation>
    </message>
    <message>
        <source>Anything you copied in the last 10 minutes. Copies from password managers are skipped.</source>
        <translation>Tudo o que você copiou nos últimos 10 minutos. Cópias de gerenciadores de senhas são ignoradas.</translation>
    </message>
    <message>
        <source>Text on screen</source>
        <translation>Texto na tela</translation>
    </message>
    <message>
        <source>Reads the window you&apos;re writing in, so replies fit the conversation. It picks the lines closest to where you type.</source>
        <translation>Lê a janela em que você escreve, para que as respostas combinem com a conversa. Escolhe as linhas mais próximas de onde você digita.</translation>
    </message>
    <message>
        <source>What you just looked at</source>
        <translation>O que você acabou de ver</translation>
    </message>
    <message>
        <source>Windows beside you</source>
        <translation>Janelas ao lado</translation>
    </message>
    <message>
        <source>Also reads up to two other windows on the same screen, like the document you&apos;re replying about. Skips password managers and apps you switched off.</source>
        <translation>Também lê até duas outras janelas na mesma tela, como o documento de que trata sua resposta. Ignora gerenciadores de senhas e apps que você desativou.</translation>
    </message>
    <message>
        <source>Off in this app</source>
        <translation>Desativado neste app</translation>
    </message>
    <message>
        <source>This word looks misspelled</source>
        <translation>Esta palavra parece errada</translation>
    </message>
    <message>
        <source>Thanks for the notes. I&apos;ll send the revised deck</source>
        <translation>Obrigado pelas observações. Vou enviar a apresentação revisada</translation>
    </message>
    <message>
        <source> by Friday morning.</source>
        <translation> até sexta de manhã.</translation>
    </message>
    <message>
        <source>%1 quit. %app has the Tab key.</source>
        <translation>%1 fechou. O %app está com a tecla Tab.</translation>
    </message>
    <message>
        <source>Open Data Folder</source>
        <translation>Abrir pasta de dados</translation>
    </message>
    <message>
        <source>Show Welcome Again</source>
        <translation>Rever boas-vindas</translation>
    </message>
    <message>
        <source>Play Intro Again</source>
        <translation>Rever introdução</translation>
    </message>
    <message>
        <source>Reset Settings…</source>
        <translation>Redefinir configurações…</translation>
    </message>
    <message>
        <source>Suggest in every app</source>
        <translation>Sugerir em todos os apps</translation>
    </message>
    <message>
        <source>Suggest in code editors</source>
        <translation>Sugerir em editores de código</translation>
    </message>
    <message>
        <source>Suggest in the middle of a line</source>
        <translation>Sugerir no meio da linha</translation>
    </message>
    <message>
        <source>Suggest in small fields</source>
        <translation>Sugerir em campos pequenos</translation>
    </message>
    <message>
        <source>Hold back on misspelled words</source>
        <translation>Aguardar se a palavra parecer errada</translation>
    </message>
    <message>
        <source>Offer spelling fixes</source>
        <translation>Oferecer correções ortográficas</translation>
    </message>
    <message>
        <source>Show the key hint</source>
        <translation>Mostrar a dica de tecla</translation>
    </message>
    <message>
        <source>Quit other autocomplete apps when they open</source>
        <translation>Fechar outros apps de autocompletar ao abrirem</translation>
    </message>
    <message>
        <source>Keeps a few minutes of text from windows you switched away from, like a page you read before replying. It stays on your computer and skips apps you switched off.</source>
        <translation>Guarda alguns minutos de texto das janelas que você deixou, como uma página lida antes de responder. Fica no seu computador e ignora apps que você desativou.</translation>
    </message>
    <message numerus="yes">
        <source>Both apps answer the Tab key, and the system gives it to %1 first. %app stays paused in your other apps until %1 quits.</source>
        <translation>
            <numerusform>Os dois apps respondem à tecla Tab, e o sistema a entrega primeiro ao %1. O %app fica pausado nos seus outros apps até %1 fechar.</numerusform>
            <numerusform>%1 pegam a tecla Tab antes do %app, então o %app fica pausado nos seus outros apps até você fechá-los.</numerusform>
        </translation>
    </message>
    <message>
        <source>Finishes your sentences in any app, on your computer.</source>
        <translation>Termina suas frases em qualquer app, no seu computador.</translation>
    </message>
    <message>
        <source>Keeps short passages from fields where you accepted a suggestion, encrypted on this computer, and shows them to the model as examples.</source>
        <translation>Guarda trechos curtos de campos onde você aceitou uma sugestão, criptografados neste computador, e os mostra ao modelo como exemplos.</translation>
    </message>
    <message>
        <source>Light</source>
        <comment>skin tone</comment>
        <translation>Clara</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Default</source>
        <comment>skin tone</comment>
        <translation>Padrão</translation>
    </message>
    <message>
        <source>Medium light</source>
        <comment>skin tone</comment>
        <translation>Morena clara</translation>
    </message>
    <message>
        <source>Medium</source>
        <comment>skin tone</comment>
        <translation>Morena</translation>
    </message>
    <message>
        <source>Medium dark</source>
        <comment>skin tone</comment>
        <translation>Morena escura</translation>
    </message>
    <message>
        <source>Dark</source>
        <comment>skin tone</comment>
        <translation>Escura</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Desconhecido</translation>
    </message>
    <message>
        <source>%1 × %2 pt</source>
        <translation>%1 × %2 pt</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Não</translation>
    </message>
    <message>
        <source>Not reported, estimated from the caret</source>
        <translation>Não informado, estimado pelo cursor</translation>
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
        <translation>Ainda não</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Hoje</translation>
    </message>
    <message>
        <source>Last 7 days</source>
        <translation>Últimos 7 dias</translation>
    </message>
    <message>
        <source>All time</source>
        <translation>Desde o início</translation>
    </message>
    <message>
        <source>Typing saved</source>
        <translation>Tempo economizado</translation>
    </message>
    <message>
        <source>at 40 words a minute</source>
        <translation>a 40 palavras por minuto</translation>
    </message>
    <message>
        <source>Accepted</source>
        <translation>Aceitas</translation>
    </message>
    <message>
        <source>of suggestions shown</source>
        <translation>das sugestões mostradas</translation>
    </message>
    <message>
        <source>Typical wait</source>
        <translation>Espera típica</translation>
    </message>
    <message>
        <source>9 in 10 under %1</source>
        <translation>9 em 10 abaixo de %1</translation>
    </message>
    <message>
        <source>no requests yet</source>
        <translation>nenhuma solicitação ainda</translation>
    </message>
    <message>
        <source>Words saved</source>
        <translation>Palavras economizadas</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>Período</translation>
    </message>
    <message>
        <source>Nothing to chart yet</source>
        <translation>Nada para mostrar ainda</translation>
    </message>
    <message>
        <source>Accept a few suggestions and your days show up here.</source>
        <translation>Aceite algumas sugestões e seus dias aparecem aqui.</translation>
    </message>
    <message>
        <source>Where you write</source>
        <translation>Onde você escreve</translation>
    </message>
    <message>
        <source>Reset Statistics…</source>
        <translation>Redefinir estatísticas…</translation>
    </message>
    <message>
        <source>Reset all statistics?</source>
        <translation>Redefinir todas as estatísticas?</translation>
    </message>
    <message>
        <source>This clears words saved, acceptance and timing history.</source>
        <translation>Isso apaga o histórico de palavras economizadas, aceitação e tempos de espera.</translation>
    </message>
    <message>
        <source>Copy Diagnostics</source>
        <translation>Copiar diagnóstico</translation>
    </message>
    <message>
        <source>Diagnostics leave out the text you typed.</source>
        <translation>O diagnóstico não inclui o texto que você digitou.</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Right now</source>
        <translation>Agora</translation>
    </message>
    <message>
        <source>Allowed</source>
        <translation>Permitido</translation>
    </message>
    <message>
        <source>Not allowed</source>
        <translation>Não permitido</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Teclado</translation>
    </message>
    <message>
        <source>Listening</source>
        <translation>Ouvindo</translation>
    </message>
    <message>
        <source>Not listening</source>
        <translation>Não está ouvindo</translation>
    </message>
    <message>
        <source>Focused field</source>
        <translation>Campo em foco</translation>
    </message>
    <message>
        <source>Click into a text field in another app, then come back. The last field %1 saw stays here.</source>
        <translation>Clique em um campo de texto de outro app e volte. O último campo que o %1 viu fica aqui.</translation>
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
        <translation>Janela</translation>
    </message>
    <message>
        <source>Field size</source>
        <translation>Tamanho do campo</translation>
    </message>
    <message>
        <source>Caret found</source>
        <translation>Cursor encontrado</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Fonte</translation>
    </message>
    <message>
        <source>At end of line</source>
        <translation>No fim da linha</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sim</translation>
    </message>
    <message>
        <source>Secure input</source>
        <translation>Entrada segura</translation>
    </message>
    <message>
        <source>Looked at lately</source>
        <translation>Visto recentemente</translation>
    </message>
    <message>
        <source>Text before the caret</source>
        <translation>Texto antes do cursor</translation>
    </message>
    <message>
        <source>Last request</source>
        <translation>Última solicitação</translation>
    </message>
    <message>
        <source>Wait</source>
        <translation>Espera</translation>
    </message>
    <message>
        <source>Suggestion</source>
        <translation>Sugestão</translation>
    </message>
    <message>
        <source>Prompt sent to the engine</source>
        <translation>Prompt enviado ao mecanismo</translation>
    </message>
    <message>
        <source>Raw answer</source>
        <translation>Resposta bruta</translation>
    </message>
    <message>
        <source>(empty)</source>
        <translation>(vazio)</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>Copiado</translation>
    </message>
    <message>
        <source>Choose a language</source>
        <translation>Escolher um idioma</translation>
    </message>
    <message>
        <source>Search languages</source>
        <translation>Buscar idiomas</translation>
    </message>
    <message>
        <source>Same as my computer</source>
        <translation>Igual ao computador</translation>
    </message>
    <message>
        <source>Switch to %1?</source>
        <translation>Mudar para %1?</translation>
    </message>
    <message>
        <source>%1 closes and opens again in a second. Your settings stay as they are.</source>
        <translation>O %1 fecha e abre de novo em um segundo. Suas configurações continuam iguais.</translation>
    </message>
    <message>
        <source>Reopen Now</source>
        <translation>Reabrir agora</translation>
    </message>
    <message>
        <source>App language</source>
        <translation>Idioma do app</translation>
    </message>
    <message>
        <source>Pick the language you read most easily. Suggestions follow whatever language you type.</source>
        <translation>Escolha o idioma que você lê com mais facilidade. As sugestões seguem o idioma em que você digita.</translation>
    </message>
    <message>
        <source>Change the app language</source>
        <translation>Mudar o idioma do app</translation>
    </message>
    <message>
        <source>0 min</source>
        <translation>0 min</translation>
    </message>
    <message>
        <source>under a minute</source>
        <translation>menos de um minuto</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>Not set</source>
        <translation>Não definido</translation>
    </message>
    <message>
        <source>Clear shortcut</source>
        <translation>Limpar atalho</translation>
    </message>
    <message>
        <source>Add Ctrl, Alt or Super so normal typing still works.</source>
        <translation>Inclua Ctrl, Alt ou Super para que a digitação normal continue funcionando.</translation>
    </message>
    <message>
        <source>Type a shortcut…</source>
        <translation>Pressione um atalho…</translation>
    </message>
    <message>
        <source>Recording shortcut</source>
        <translation>Gravando atalho</translation>
    </message>
    <message>
        <source>Shortcut %1</source>
        <translation>Atalho %1</translation>
    </message>
    <message>
        <source>Record shortcut</source>
        <translation>Gravar atalho</translation>
    </message>
    <message>
        <source>Shortcut not set</source>
        <translation>Atalho não definido</translation>
    </message>
    <message>
        <source>Press to record a new shortcut. Escape cancels.</source>
        <translation>Pressione para gravar um novo atalho. Esc cancela.</translation>
    </message>
    <message>
        <source>Your tray icon is hidden</source>
        <translation>Seu ícone na bandeja está oculto</translation>
    </message>
    <message>
        <source>This computer has no on-device language model</source>
        <translation>Este computador não tem um modelo de linguagem integrado</translation>
    </message>
    <message>
        <source>Turn on the on-device model in the desktop&apos;s settings</source>
        <translation>Ative o modelo do dispositivo nas configurações do desktop</translation>
    </message>
    <message>
        <source>The on-device model is unavailable</source>
        <translation>O modelo do dispositivo não está disponível</translation>
    </message>
    <message>
        <source>Downloading. The on-device model fills in until it&apos;s done.</source>
        <translation>Baixando. Até terminar, o modelo do dispositivo é usado no lugar.</translation>
    </message>
    <message>
        <source>The on-device model fills in until you download it.</source>
        <translation>Até você baixá-lo, o modelo do dispositivo é usado no lugar.</translation>
    </message>
    <message>
        <source>%1 shares no text. Quit it and start it with %2 to get suggestions in it.</source>
        <translation>%1 não compartilha texto. Feche-o e abra-o com %2 para ter sugestões nele.</translation>
    </message>
    <message>
        <source>On-device model</source>
        <translation>Modelo do dispositivo</translation>
    </message>
    <message>
        <source>The system&apos;s own language model. Nothing to download.</source>
        <translation>O modelo de linguagem do próprio sistema. Nada para baixar.</translation>
    </message>
    <message>
        <source>A website name cannot hold spaces, tabs or line breaks.</source>
        <translation>O nome de um site não pode ter espaços, tabulações nem quebras de linha.</translation>
    </message>
    <message>
        <source>Only addresses that start with http or https can be added.</source>
        <translation>Só é possível adicionar endereços que começam com http ou https.</translation>
    </message>
    <message>
        <source>That is not a website name. Type one such as wikipedia.org.</source>
        <translation>Isso não é um nome de site. Digite um como wikipedia.org.</translation>
    </message>
    <message>
        <source>A port is a number from 1 to 65535.</source>
        <translation>Uma porta é um número de 1 a 65535.</translation>
    </message>
    <message>
        <source>The on-device model fills in until the download is done.</source>
        <translation>Até o download terminar, o modelo do dispositivo é usado no lugar.</translation>
    </message>
    <message>
        <source>Suggestions start once the download is done.</source>
        <translation>As sugestões começam quando o download terminar.</translation>
    </message>
    <message>
        <source>This frees %1. The on-device model fills in until you download it again.</source>
        <translation>Isso libera %1. Até você baixá-lo de novo, o modelo do dispositivo é usado no lugar.</translation>
    </message>
    <message>
        <source>This frees %1. The %app model can&apos;t suggest until you download it again.</source>
        <translation>Isso libera %1. O modelo do %app não poderá sugerir até você baixá-lo de novo.</translation>
    </message>
    <message>
        <source>There&apos;s no room for it, or your panel has no system tray. Add the panel&apos;s system tray or status area applet in its settings.</source>
        <translation>Não há espaço para ele, ou seu painel não tem bandeja do sistema. Adicione o applet de bandeja do sistema ou área de status nas configurações do painel.</translation>
    </message>
    <message>
        <source>GNOME shows tray icons only with the AppIndicator extension. Install the gnome-shell-extension-appindicator package, log out and in, then turn it on in Extensions.</source>
        <translation>O GNOME só mostra ícones na bandeja com a extensão AppIndicator. Instale o pacote gnome-shell-extension-appindicator, saia e entre de novo na sessão e ative-a em “Extensões”.</translation>
    </message>
    <message>
        <source>GNOME shows tray icons only with the AppIndicator extension. It is installed but off: turn it on in Extensions.</source>
        <translation>O GNOME só mostra ícones na bandeja com a extensão AppIndicator. Ela está instalada, mas desativada: ative-a em “Extensões”.</translation>
    </message>
    <message>
        <source>Until then, open %app from your applications menu to reach Settings.</source>
        <translation>Até lá, abra o %app pelo menu de aplicativos para chegar às Configurações.</translation>
    </message>
    <message>
        <source>Open Extensions</source>
        <translation>Abrir “Extensões”</translation>
    </message>
    <message>
        <source>Show Count in Tray</source>
        <translation>Mostrar contagem na bandeja</translation>
    </message>
    <message>
        <source>%1 shares no text</source>
        <translation>%1 não compartilha texto</translation>
    </message>
    <message>
        <source>Copy command</source>
        <translation>Copiar comando</translation>
    </message>
    <message>
        <source>There&apos;s no account and no analytics. With the %app model or the on-device model, your text stays on this computer.</source>
        <translation>Não há conta nem coleta de dados de uso. Com o modelo do %app ou o modelo do dispositivo, seu texto fica neste computador.</translation>
    </message>
    <message>
        <source>There&apos;s no account and no analytics. With the %app model, your text stays on this computer.</source>
        <translation>Não há conta nem coleta de dados de uso. Com o modelo do %app, seu texto fica neste computador.</translation>
    </message>
    <message>
        <source>%app lives in your system tray from now on. Click its icon to pause it in an app or open Settings.</source>
        <translation>A partir de agora, o %app fica na bandeja do sistema. Clique no ícone para pausá-lo em um app ou abrir as Configurações.</translation>
    </message>
    <message>
        <source>%app has no account, no analytics and no servers of its own. The %app model and the on-device model keep your text on this computer. Other engines get it only if you set one up.</source>
        <translation>O %app não tem conta nem servidores próprios e não coleta dados de uso. O modelo do %app e o modelo do dispositivo mantêm seu texto neste computador. Outros mecanismos só o recebem se você configurar um.</translation>
    </message>
    <message>
        <source>%app has no account, no analytics and no servers of its own. The %app model keeps your text on this computer. Other engines get it only if you set one up.</source>
        <translation>O %app não tem conta nem servidores próprios e não coleta dados de uso. O modelo do %app mantém seu texto neste computador. Outros mecanismos só o recebem se você configurar um.</translation>
    </message>
    <message>
        <source>Installed applications</source>
        <translation>Aplicativos instalados</translation>
    </message>
    <message>
        <source>%app reads these only while making a suggestion and never saves them. With the %app model or the on-device model, nothing leaves your computer.</source>
        <translation>O %app só lê isso ao criar uma sugestão e nunca salva. Com o modelo do %app ou o modelo do dispositivo, nada sai do seu computador.</translation>
    </message>
    <message>
        <source>%app reads these only while making a suggestion and never saves them. With the %app model, nothing leaves your computer.</source>
        <translation>O %app só lê isso ao criar uma sugestão e nunca salva. Com o modelo do %app, nada sai do seu computador.</translation>
    </message>
    <message>
        <source>The %app model keeps your text on this computer.</source>
        <translation>O modelo do %app mantém seu texto neste computador.</translation>
    </message>
    <message>
        <source>The key holds a line break or another control character. Paste it again without them.</source>
        <translation>A chave contém uma quebra de linha ou outro caractere de controle. Cole-a de novo sem eles.</translation>
    </message>
    <message>
        <source>Waiting for the keyring to store the key.</source>
        <translation>Aguardando o chaveiro guardar a chave.</translation>
    </message>
    <message>
        <source>The keyring cannot keep this key, so it is used only until %app quits.</source>
        <translation>O chaveiro não pode guardar esta chave, então ela só será usada até o %app fechar.</translation>
    </message>
    <message>
        <source>Show in the system tray</source>
        <translation>Mostrar na bandeja do sistema</translation>
    </message>
    <message>
        <source>Pause or open Settings from the system tray. Hidden? Open %app from your applications menu to come back.</source>
        <translation>Pause ou abra as Configurações pela bandeja do sistema. Ícone oculto? Abra o %app pelo menu de aplicativos para voltar.</translation>
    </message>
    <message>
        <source>This tray can&apos;t show text beside icons, so the count shows in the icon&apos;s tooltip.</source>
        <translation>Esta bandeja não mostra texto ao lado dos ícones, então a contagem aparece na dica do ícone.</translation>
    </message>
    <message>
        <source>VS Code, VSCodium, Cursor, Zed, Kate, Sublime Text, JetBrains IDEs and similar apps.</source>
        <translation>VS Code, VSCodium, Cursor, Zed, Kate, Sublime Text, IDEs da JetBrains e apps parecidos.</translation>
    </message>
    <message>
        <source>Your settings could not be read, so they were set aside and %app started over with its defaults.</source>
        <translation>Não foi possível ler suas configurações, então elas foram guardadas à parte e o %app recomeçou com os padrões.</translation>
    </message>
    <message>
        <source>Your settings are not saved: %app cannot write to its settings folder.</source>
        <translation>Suas configurações não estão sendo salvas: o %app não consegue gravar na pasta de configurações.</translation>
    </message>
    <message>
        <source>Your app and website rules could not be read, so they were set aside.</source>
        <translation>Não foi possível ler suas regras de apps e sites, então elas foram guardadas à parte.</translation>
    </message>
    <message>
        <source>Your statistics could not be read, so they were set aside and counting started over.</source>
        <translation>Não foi possível ler suas estatísticas, então elas foram guardadas à parte e a contagem recomeçou.</translation>
    </message>
    <message>
        <source>Not saved: %app cannot write to its data folder.</source>
        <translation>Não salvo: o %app não consegue gravar na pasta de dados.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln suggestions. %1 selected</source>
        <translation>
            <numerusform>%Ln sugestão. Selecionada: %1</numerusform>
            <numerusform>%Ln sugestões. Selecionada: %1</numerusform>
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
            <numerusform>%Ln palavra</numerusform>
            <numerusform>%Ln palavras</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln passages from here</source>
        <translation>
            <numerusform>%Ln trecho lembrado aqui</numerusform>
            <numerusform>%Ln trechos lembrados aqui</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>words</source>
        <comment>unit after a count</comment>
        <translation>
            <numerusform>palavra</numerusform>
            <numerusform>palavras</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln days</source>
        <translation>
            <numerusform>%Ln dia</numerusform>
            <numerusform>%Ln dias</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Words saved per day over the last %Ln days</source>
        <translation>
            <numerusform>Palavras economizadas por dia no último dia</numerusform>
            <numerusform>Palavras economizadas por dia nos últimos %Ln dias</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln day streak</source>
        <translation>
            <numerusform>Sequência de %Ln dia</numerusform>
            <numerusform>Sequência de %Ln dias</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln passages remembered</source>
        <translation>
            <numerusform>%Ln trecho lembrado</numerusform>
            <numerusform>%Ln trechos lembrados</numerusform>
        </translation>
    </message>
    <message>
        <source>enter</source>
        <translation>enter</translation>
    </message>
    <message>
        <source>Allow screen capture so %app can read those too. Most apps work without it.</source>
        <translation>Permita a captura de tela para que o %app também consiga ler o texto deles. A maioria dos apps funciona sem isso.</translation>
    </message>
    <message>
        <source>Type a colon and a word, like :rocket, then press Tab or Enter to pick.</source>
        <translation>Digite dois-pontos e uma palavra, como :rocket, e pressione Tab ou Enter para escolher.</translation>
    </message>
    <message>
        <source>You can switch memory off for single apps under Apps &amp; Sites. The key that unlocks it lives in your keyring.</source>
        <translation>Você pode desativar a memória para apps específicos em “Apps &amp; sites”. A chave que a desbloqueia fica no seu chaveiro.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln emoji. %1 selected</source>
        <translation>
            <numerusform>%Ln emoji. Selecionado: %1</numerusform>
            <numerusform>%Ln emojis. Selecionado: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Suggestion: %1</source>
        <translation>Sugestão: %1</translation>
    </message>
    <message numerus="yes">
        <source>%Ln models available</source>
        <translation>
            <numerusform>%Ln modelo disponível</numerusform>
            <numerusform>%Ln modelos disponíveis</numerusform>
        </translation>
    </message>
    <message>
        <source>The model couldn&apos;t be saved: %1</source>
        <translation>Não foi possível salvar o modelo: %1</translation>
    </message>
    <message>
        <source>Ollama isn&apos;t running.</source>
        <translation>O Ollama não está em execução.</translation>
    </message>
    <message>
        <source>Ollama isn&apos;t running at %1.</source>
        <translation>O Ollama não está em execução em %1.</translation>
    </message>
    <message>
        <source>No server answered.</source>
        <translation>Nenhum servidor respondeu.</translation>
    </message>
    <message>
        <source>No server answered at %1.</source>
        <translation>Nenhum servidor respondeu em %1.</translation>
    </message>
    <message>
        <source>Range: %1</source>
        <translation>Período: %1</translation>
    </message>
    <message numerus="yes">
        <source>%1, %Ln to do</source>
        <translation>
            <numerusform>%1, %Ln pendente</numerusform>
            <numerusform>%1, %Ln pendentes</numerusform>
        </translation>
    </message>
    <message>
        <source>Type the whole name of the website, such as wikipedia.org.</source>
        <translation>Digite o nome completo do site, como wikipedia.org.</translation>
    </message>
    <message>
        <source>The key holds a space, an invisible character or a letter outside plain ASCII. Paste it again exactly as your server gave it.</source>
        <translation>A chave contém um espaço, um caractere invisível ou uma letra fora do ASCII simples. Cole-a de novo exatamente como seu servidor a forneceu.</translation>
    </message>
    <message>
        <source>The keyring could not be read, so your server is asked without an API key. Type the key again if your server needs one.</source>
        <translation>Não foi possível ler o chaveiro, então seu servidor é consultado sem chave de API. Digite a chave de novo se seu servidor precisar dela.</translation>
    </message>
    <message>
        <source>Your writing memory could not be opened, so it was set aside and %app started a new one.</source>
        <translation>Não foi possível abrir sua memória de escrita, então ela foi guardada à parte e o %app começou uma nova.</translation>
    </message>
    <message>
        <source>%1, converted for llama.cpp by %2</source>
        <translation>%1, convertido para o llama.cpp por %2</translation>
    </message>
    <message>
        <source>The data folder %1 could not be made. Check that the folder above it exists and that you may write there.</source>
        <translation>Não foi possível criar a pasta de dados %1. Verifique se a pasta acima dela existe e se você pode gravar nela.</translation>
    </message>
    <message>
        <source>party</source>
        <comment>emoji search sample</comment>
        <translation>festa</translation>
    </message>
    <message numerus="yes">
        <source>%Ln settings held values %app cannot use, so they were corrected and saved.</source>
        <translation>
            <numerusform>%Ln configuração tinha um valor que o %app não pode usar, então foi corrigida e salva.</numerusform>
            <numerusform>%Ln configurações tinham valores que o %app não pode usar, então foram corrigidas e salvas.</numerusform>
        </translation>
    </message>
    <message>
        <source>Your writing memory is not saved: the keyring is missing or locked, so its key cannot be kept.</source>
        <translation>Sua memória de escrita não está sendo salva: o chaveiro está ausente ou bloqueado, então a chave dela não pode ser guardada.</translation>
    </message>
    <message>
        <source>That address isn&apos;t valid</source>
        <translation>Esse endereço não é válido</translation>
    </message>
    <message>
        <source>The request timed out.</source>
        <translation>A solicitação excedeu o tempo limite.</translation>
    </message>
    <message>
        <source>The server&apos;s reply was too long, so it was stopped.</source>
        <translation>A resposta do servidor era longa demais e foi interrompida.</translation>
    </message>
    <message>
        <source>The server answered %1.</source>
        <translation>O servidor respondeu %1.</translation>
    </message>
    <message>
        <source>The server answered %1: %2</source>
        <translation>O servidor respondeu %1: %2</translation>
    </message>
    <message>
        <source>The download server answered %1. Try again later.</source>
        <translation>O servidor de download respondeu %1. Tente novamente mais tarde.</translation>
    </message>
    <message>
        <source>The download couldn&apos;t be saved: %1</source>
        <translation>Não foi possível salvar o download: %1</translation>
    </message>
    <message>
        <source>The download paused because the connection dropped. Try again to pick up where it stopped.</source>
        <translation>O download foi pausado porque a conexão caiu. Tente novamente para continuar de onde parou.</translation>
    </message>
    <message>
        <source>The download stopped. Check your connection, then try again.</source>
        <translation>O download parou. Verifique sua conexão e tente novamente.</translation>
    </message>
    <message>
        <source>Pick an Ollama model in Settings</source>
        <translation>Escolha um modelo do Ollama nas Configurações</translation>
    </message>
    <message>
        <source>Pick a model for your local server</source>
        <translation>Escolha um modelo para seu servidor local</translation>
    </message>
    <message>
        <source>The server&apos;s answer is not HTTP.</source>
        <translation>A resposta do servidor não é HTTP.</translation>
    </message>
    <message>
        <source>The data couldn&apos;t be read because it is missing.</source>
        <translation>Não foi possível ler os dados porque eles estão faltando.</translation>
    </message>
    <message>
        <source>The data couldn&apos;t be read because it isn&apos;t in the correct format.</source>
        <translation>Não foi possível ler os dados porque eles não estão no formato correto.</translation>
    </message>
    <message>
        <source>:%1:</source>
        <comment>emoji name</comment>
        <translation>:%1:</translation>
    </message>
    <message>
        <source>This computer has no on-device language model.</source>
        <translation>Este computador não tem um modelo de linguagem integrado.</translation>
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
        <translation>Pausado em %1</translation>
    </message>
    <message>
        <source>Paused in %1</source>
        <translation>Pausado no %1</translation>
    </message>
    <message>
        <source>Off on %1</source>
        <translation>Desativado em %1</translation>
    </message>
    <message>
        <source>Off in %1</source>
        <translation>Desativado no %1</translation>
    </message>
    <message>
        <source>Off in %1 by default</source>
        <translation>Desativado no %1 por padrão</translation>
    </message>
    <message>
        <source>Off in code editors</source>
        <translation>Desativado em editores de código</translation>
    </message>
    <message>
        <source>Off unless turned on per app</source>
        <translation>Desativado, a menos que ativado por app</translation>
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
        <translation>Espaço</translation>
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
        <translation>Tecla %1</translation>
    </message>
    <message>
        <source>An email reply reads differently from a commit message.</source>
        <translation>Uma resposta a um e-mail soa diferente de uma mensagem de commit.</translation>
    </message>
    <message>
        <source>Writes straight into the field. Cleanest in GTK and Qt apps.</source>
        <translation>Escreve direto no campo. Mais limpo em apps GTK e Qt.</translation>
    </message>
    <message>
        <source>Typing</source>
        <comment>insertion method</comment>
        <translation>Digitação</translation>
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
            <numerusform>%Ln palavra economizada hoje</numerusform>
            <numerusform>%Ln palavras economizadas hoje</numerusform>
        </translation>
    </message>
    <message>
        <source>Under a minute of typing saved today.</source>
        <translation>Hoje você economizou menos de um minuto de digitação.</translation>
    </message>
    <message>
        <source>About %1 of typing saved today.</source>
        <translation>Hoje você economizou cerca de %1 de digitação.</translation>
    </message>
    <message numerus="yes">
        <source>Step %1 of %Ln</source>
        <translation>
            <numerusform>Etapa %1 de %Ln</numerusform>
            <numerusform>Etapa %1 de %Ln</numerusform>
        </translation>
    </message>
    <message>
        <source>%app reads and types into text fields through the desktop&apos;s accessibility support, which some desktops leave off. %app uses it only for the field you&apos;re writing in.</source>
        <translation>O %app lê e digita em campos de texto pelo suporte de acessibilidade do desktop, que alguns desktops deixam desativado. O %app só o usa no campo em que você está escrevendo.</translation>
    </message>
    <message>
        <source>The button switches the desktop&apos;s accessibility support on. If the desktop&apos;s settings open instead, turn accessibility on there, then come back. This page updates by itself.</source>
        <translation>O botão ativa o suporte de acessibilidade do desktop. Se as configurações do desktop se abrirem em vez disso, ative a acessibilidade lá e volte. Esta página se atualiza sozinha.</translation>
    </message>
    <message>
        <source>Still off? Some desktops start their accessibility service only when you log in. Log out and back in, then try again.</source>
        <translation>Ainda desativado? Alguns desktops só iniciam o serviço de acessibilidade quando você entra na sessão. Saia da sessão, entre de novo e tente outra vez.</translation>
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
        <translation>digitação</translation>
    </message>
    <message>
        <source>accessibility</source>
        <comment>insertion method, in a sentence</comment>
        <translation>acessibilidade</translation>
    </message>
    <message>
        <source>paste</source>
        <comment>insertion method, in a sentence</comment>
        <translation>colagem</translation>
    </message>
    <message>
        <source>short</source>
        <comment>suggestion length, in a sentence</comment>
        <translation>curtas</translation>
    </message>
    <message>
        <source>medium</source>
        <comment>suggestion length, in a sentence</comment>
        <translation>médias</translation>
    </message>
    <message>
        <source>long</source>
        <comment>suggestion length, in a sentence</comment>
        <translation>longas</translation>
    </message>
    <message>
        <source>Default follows General: %1, %2 suggestions.</source>
        <translation>O padrão segue “Geral”: %1, sugestões %2.</translation>
    </message>
    <message>
        <source>Yes, at %1, %2 on screen, %3 pt tall, %4 and %5</source>
        <translation>Sim, em %1, %2 na tela, %3 pt de altura, %4 e %5</translation>
    </message>
    <message numerus="yes">
        <source>%Ln characters before it</source>
        <translation>
            <numerusform>%Ln caractere antes</numerusform>
            <numerusform>%Ln caracteres antes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln after</source>
        <comment>characters after the caret</comment>
        <translation>
            <numerusform>%Ln depois</numerusform>
            <numerusform>%Ln depois</numerusform>
        </translation>
    </message>
    <message>
        <source>No system tray runs on this desktop, so the icon cannot show. %1</source>
        <translation>Nenhuma bandeja do sistema está em execução neste desktop, então o ícone não pode aparecer. %1</translation>
    </message>
    <message>
        <source>Typing</source>
        <comment>section header</comment>
        <translation>Digitação</translation>
    </message>
    <message>
        <source>Switch to the computer&apos;s language?</source>
        <translation>Mudar para o idioma do computador?</translation>
    </message>
    <message numerus="yes">
        <source>%Ln words this week.</source>
        <translation>
            <numerusform>%Ln palavra nesta semana.</numerusform>
            <numerusform>%Ln palavras nesta semana.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Under a minute of typing saved today. %Ln words this week.</source>
        <translation>
            <numerusform>Hoje você economizou menos de um minuto de digitação. %Ln palavra nesta semana.</numerusform>
            <numerusform>Hoje você economizou menos de um minuto de digitação. %Ln palavras nesta semana.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>About %1 of typing saved today. %Ln words this week.</source>
        <translation>
            <numerusform>Hoje você economizou cerca de %1 de digitação. %Ln palavra nesta semana.</numerusform>
            <numerusform>Hoje você economizou cerca de %1 de digitação. %Ln palavras nesta semana.</numerusform>
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
            <numerusform>%Ln de %1 concluído</numerusform>
            <numerusform>%Ln de %1 concluídos</numerusform>
        </translation>
    </message>
    <message>
        <source>The server refused the connection. Check that it is running and that the address is right.</source>
        <translation>O servidor recusou a conexão. Verifique se ele está em execução e se o endereço está certo.</translation>
    </message>
    <message>
        <source>The server&apos;s name couldn&apos;t be found. Check the address.</source>
        <translation>O nome do servidor não foi encontrado. Verifique o endereço.</translation>
    </message>
    <message>
        <source>A secure connection to the server couldn&apos;t be made.</source>
        <translation>Não foi possível estabelecer uma conexão segura com o servidor.</translation>
    </message>
    <message>
        <source>The server closed the connection before it answered.</source>
        <translation>O servidor encerrou a conexão antes de responder.</translation>
    </message>
    <message>
        <source>The network proxy couldn&apos;t be reached.</source>
        <translation>Não foi possível acessar o proxy da rede.</translation>
    </message>
    <message>
        <source>The server couldn&apos;t be reached.</source>
        <translation>Não foi possível acessar o servidor.</translation>
    </message>
    <message>
        <source>Waiting for the network…</source>
        <translation>Aguardando a rede…</translation>
    </message>
    <message>
        <source>%1 is taken by another program.</source>
        <translation>%1 já está sendo usado por outro programa.</translation>
    </message>
    <message>
        <source>%1 could not open again. Your choice takes effect the next time you start it.</source>
        <translation>Não foi possível abrir o %1 de novo. Sua escolha vale a partir da próxima vez que você o abrir.</translation>
    </message>
    <message>
        <source>Downloading the model</source>
        <translation>Baixando o modelo</translation>
    </message>
    <message numerus="yes">
        <source>These apps answer the Tab key before %app can, so %app stays paused in your other apps until they quit.</source>
        <translation>
            <numerusform>Esses apps respondem à tecla Tab antes do %app, então o %app fica pausado nos seus outros apps até eles fecharem.</numerusform>
            <numerusform>Esses apps respondem à tecla Tab antes do %app, então o %app fica pausado nos seus outros apps até eles fecharem.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>It may be waiting on a dialog of its own. Force Quit closes it right away.</source>
        <translation>
            <numerusform>Talvez ele esteja esperando uma caixa de diálogo própria. “Forçar saída” o fecha na hora.</numerusform>
            <numerusform>Talvez eles estejam esperando caixas de diálogo próprias. “Forçar saída” os fecha na hora.</numerusform>
        </translation>
    </message>
    <message>
        <source>Set a Suggest Now shortcut in Keys to ask for suggestions</source>
        <translation>Defina um atalho “Sugerir agora” em “Teclas” para pedir sugestões</translation>
    </message>
    <message>
        <source>Backspace</source>
        <comment>key above Enter that deletes backwards</comment>
        <translation>Backspace</translation>
    </message>
    <message>
        <source>0 words saved today</source>
        <translation>0 palavras economizadas hoje</translation>
    </message>
    <message>
        <source>words saved today</source>
        <comment>beside the count 0</comment>
        <translation>palavras economizadas hoje</translation>
    </message>
    <message>
        <source>Quit the other app</source>
        <translation>Fechar o outro app</translation>
    </message>
    <message>
        <source>None yet</source>
        <comment>no app looked at yet</comment>
        <translation>Nenhum ainda</translation>
    </message>
    <message>
        <source>None yet</source>
        <comment>no suggestion shown yet</comment>
        <translation>Nenhuma ainda</translation>
    </message>
    <message>
        <source>The other app is also running</source>
        <translation>O outro app também está aberto</translation>
    </message>
    <message>
        <source>Both apps answer the Tab key, and the system gives it to the other app first. %app stays paused in your other apps until the other app quits.</source>
        <translation>Os dois apps respondem à tecla Tab, e o sistema a entrega primeiro ao outro app. O %app fica pausado nos seus outros apps até o outro app fechar.</translation>
    </message>
    <message>
        <source>The other app is still open</source>
        <translation>O outro app ainda está aberto</translation>
    </message>
    <message>
        <source>The other app quit, so your suggestions are back in every app.</source>
        <translation>O outro app fechou, então suas sugestões voltaram a aparecer em todos os apps.</translation>
    </message>
    <message>
        <source>The other app quit. %app has the Tab key.</source>
        <translation>O outro app fechou. O %app está com a tecla Tab.</translation>
    </message>
</context>
</TS>
