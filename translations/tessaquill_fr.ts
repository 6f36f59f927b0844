<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>Tessaquill</name>
    <message>
        <source>Accessibility is on. %app is ready in your other apps.</source>
        <translation>L&apos;accessibilité est activée. %app est prêt dans vos autres apps.</translation>
    </message>
    <message>
        <source>Paused while %1 is open</source>
        <translation>En pause tant que %1 est ouvert</translation>
    </message>
    <message>
        <source>Welcome to %app</source>
        <translation>Bienvenue dans %app</translation>
    </message>
    <message>
        <source>%app</source>
        <translation>%app</translation>
    </message>
    <message>
        <source>Another autocomplete app is running</source>
        <translation>Une autre app d&apos;autocomplétion est ouverte</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Prêt</translation>
    </message>
    <message>
        <source>Waiting for a pause</source>
        <translation>En attente d&apos;une pause</translation>
    </message>
    <message>
        <source>Thinking</source>
        <translation>Réflexion</translation>
    </message>
    <message>
        <source>Showing a suggestion</source>
        <translation>Suggestion affichée</translation>
    </message>
    <message>
        <source>The model took too long to answer</source>
        <translation>Le modèle a mis trop de temps à répondre</translation>
    </message>
    <message>
        <source>This app doesn&apos;t report where the caret is</source>
        <translation>Cette app n&apos;indique pas où se trouve le curseur</translation>
    </message>
    <message>
        <source>%app is turned off</source>
        <translation>%app est désactivé</translation>
    </message>
    <message>
        <source>Secure input is on, so %app stays out</source>
        <translation>Saisie sécurisée active&#xa0;: %app reste en retrait</translation>
    </message>
    <message>
        <source>Press %1 for a suggestion</source>
        <translation>Appuyez sur %1 pour une suggestion</translation>
    </message>
    <message>
        <source>Text is selected</source>
        <translation>Du texte est sélectionné</translation>
    </message>
    <message>
        <source>The caret is inside existing text</source>
        <translation>Le curseur est au milieu d&apos;un texte existant</translation>
    </message>
    <message>
        <source>This field is too small</source>
        <translation>Ce champ est trop petit</translation>
    </message>
    <message>
        <source>Waiting for a few characters</source>
        <translation>En attente de quelques caractères</translation>
    </message>
    <message>
        <source>Start of a new line</source>
        <translation>Début d&apos;une nouvelle ligne</translation>
    </message>
    <message>
        <source>The model is still downloading</source>
        <translation>Le modèle est encore en téléchargement</translation>
    </message>
    <message>
        <source>Download the %app model in Settings first</source>
        <translation>Téléchargez d&apos;abord le modèle %app dans les Paramètres</translation>
    </message>
    <message>
        <source>Not checked yet</source>
        <translation>Pas encore vérifié</translation>
    </message>
    <message>
        <source>Checking…</source>
        <translation>Vérification…</translation>
    </message>
    <message>
        <source>The model stopped with error %1</source>
        <translation>Le modèle s&apos;est arrêté avec l&apos;erreur %1</translation>
    </message>
    <message>
        <source>The model file couldn&apos;t be loaded</source>
        <translation>Impossible de charger le fichier du modèle</translation>
    </message>
    <message>
        <source>There wasn&apos;t enough memory to start the model</source>
        <translation>Mémoire insuffisante pour lancer le modèle</translation>
    </message>
    <message>
        <source>The text couldn&apos;t be prepared for the model</source>
        <translation>Impossible de préparer le texte pour le modèle</translation>
    </message>
    <message>
        <source>This computer needs %1 free for the download. Free up some space, then try again.</source>
        <translation>Le téléchargement nécessite %1 d&apos;espace libre. Libérez de l&apos;espace, puis réessayez.</translation>
    </message>
    <message>
        <source>The download didn&apos;t match the expected file, so it was deleted. Try again.</source>
        <translation>Le fichier téléchargé ne correspond pas au fichier attendu et a été supprimé. Réessayez.</translation>
    </message>
    <message>
        <source>Downloaded</source>
        <translation>Téléchargé</translation>
    </message>
    <message>
        <source>Downloading. Suggestions start once it&apos;s done.</source>
        <translation>Téléchargement en cours. Les suggestions commenceront ensuite.</translation>
    </message>
    <message>
        <source>Checking the download.</source>
        <translation>Vérification du téléchargement.</translation>
    </message>
    <message>
        <source>Checking the download. Suggestions start once it&apos;s done.</source>
        <translation>Vérification du téléchargement. Les suggestions commenceront ensuite.</translation>
    </message>
    <message>
        <source>Download the model to start</source>
        <translation>Téléchargez le modèle pour commencer</translation>
    </message>
    <message>
        <source>Ollama is running but has no models</source>
        <translation>Ollama est lancé mais n&apos;a aucun modèle</translation>
    </message>
    <message>
        <source>Another app</source>
        <translation>Une autre app</translation>
    </message>
    <message>
        <source>There is no D-Bus session bus, so %1 cannot reach text fields.</source>
        <translation>Aucun bus de session D-Bus, %1 ne peut donc pas atteindre les champs de texte.</translation>
    </message>
    <message>
        <source>The desktop&apos;s accessibility bus is not running, so %1 cannot reach text fields.</source>
        <translation>Le bus d&apos;accessibilité du bureau n&apos;est pas lancé, %1 ne peut donc pas atteindre les champs de texte.</translation>
    </message>
    <message>
        <source>Short</source>
        <translation>Courte</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Moyenne</translation>
    </message>
    <message>
        <source>Long</source>
        <translation>Longue</translation>
    </message>
    <message>
        <source>Hide the suggestion</source>
        <translation>Masquer la suggestion</translation>
    </message>
    <message>
        <source>Hide suggestions until I change fields</source>
        <translation>Masquer les suggestions jusqu&apos;au prochain champ</translation>
    </message>
    <message>
        <source>Do nothing, send Escape to the app</source>
        <translation>Ne rien faire, envoyer Échap à l&apos;app</translation>
    </message>
    <message>
        <source>Type it</source>
        <translation>Saisie clavier</translation>
    </message>
    <message>
        <source>Insert through Accessibility</source>
        <translation>Insertion via l&apos;accessibilité</translation>
    </message>
    <message>
        <source>Paste it</source>
        <translation>Collage</translation>
    </message>
    <message>
        <source>Grey</source>
        <translation>Gris</translation>
    </message>
    <message>
        <source>Gold tint</source>
        <translation>Teinte dorée</translation>
    </message>
    <message>
        <source>%app model</source>
        <translation>Modèle %app</translation>
    </message>
    <message>
        <source>Ollama</source>
        <translation>Ollama</translation>
    </message>
    <message>
        <source>Local server</source>
        <translation>Serveur local</translation>
    </message>
    <message>
        <source>Runs on this computer after a one-time download. Works offline.</source>
        <translation>Tourne sur cet ordinateur après un seul téléchargement. Fonctionne hors ligne.</translation>
    </message>
    <message>
        <source>Any model you run in Ollama, base models included.</source>
        <translation>Tout modèle exécuté dans Ollama, modèles de base compris.</translation>
    </message>
    <message>
        <source>LM Studio, llama-server or any OpenAI-compatible endpoint.</source>
        <translation>LM Studio, llama-server ou tout point d&apos;accès compatible OpenAI.</translation>
    </message>
    <message>
        <source>Sends the text as keystrokes. Works almost everywhere.</source>
        <translation>Envoie le texte sous forme de frappes. Fonctionne presque partout.</translation>
    </message>
    <message>
        <source>Uses the clipboard, then puts your clipboard back.</source>
        <translation>Utilise le presse-papiers, puis le restaure.</translation>
    </message>
    <message>
        <source>Accessibility</source>
        <translation>Accessibilité</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Collage</translation>
    </message>
    <message>
        <source>Your writing memory could not be opened and was set aside. Nothing new is remembered until %app starts again.</source>
        <translation>Votre mémoire d&apos;écriture n&apos;a pas pu être ouverte et a été mise de côté. Rien de nouveau n&apos;est retenu avant le redémarrage de %app.</translation>
    </message>
    <message>
        <source>Your writing memory could not be opened because its key could not be read from the keyring. Nothing new is remembered until %app starts again.</source>
        <translation>Votre mémoire d&apos;écriture n&apos;a pas pu être ouverte, car sa clé n&apos;a pas pu être lue dans le trousseau. Rien de nouveau n&apos;est retenu avant le redémarrage de %app.</translation>
    </message>
    <message>
        <source>Not Now</source>
        <translation>Pas maintenant</translation>
    </message>
    <message>
        <source>Open the desktop&apos;s settings</source>
        <translation>Ouvrir les paramètres du bureau</translation>
    </message>
    <message>
        <source>Don&apos;t remind me again</source>
        <translation>Ne plus me le rappeler</translation>
    </message>
    <message>
        <source>Open Playground</source>
        <translation>Ouvrir l&apos;espace d&apos;essai</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>Quit %app</source>
        <translation>Quitter %app</translation>
    </message>
    <message>
        <source>Needs Accessibility access</source>
        <translation>Autorisation d&apos;accessibilité requise</translation>
    </message>
    <message>
        <source>Paused until you resume</source>
        <translation>En pause jusqu&apos;à reprise</translation>
    </message>
    <message>
        <source>Paused until %1</source>
        <translation>En pause jusqu&apos;à %1</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Désactivé</translation>
    </message>
    <message numerus="yes">
        <source>Paused while %1 are open</source>
        <translation>
            <numerusform>En pause tant que %1 est ouvert</numerusform>
            <numerusform>En pause tant que %1 sont ouverts</numerusform>
        </translation>
    </message>
    <message>
        <source>Grant Accessibility Access…</source>
        <translation>Accorder l&apos;autorisation d&apos;accessibilité…</translation>
    </message>
    <message numerus="yes">
        <source>Force Quit %1</source>
        <translation>
            <numerusform>Forcer %1 à quitter</numerusform>
            <numerusform>Forcer %1 à quitter</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Quit %1</source>
        <translation>
            <numerusform>Quitter %1</numerusform>
            <numerusform>Quitter %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>words saved today</source>
        <translation>
            <numerusform>mot économisé aujourd&apos;hui</numerusform>
            <numerusform>mots économisés aujourd&apos;hui</numerusform>
        </translation>
    </message>
    <message>
        <source>Start typing anywhere. %app keeps count here.</source>
        <translation>Commencez à écrire n&apos;importe où. %app fait le compte ici.</translation>
    </message>
    <message>
        <source>Resume in %1</source>
        <translation>Reprendre dans %1</translation>
    </message>
    <message>
        <source>Pause in %1</source>
        <translation>Pause dans %1</translation>
    </message>
    <message>
        <source>Resume Everywhere</source>
        <translation>Reprendre partout</translation>
    </message>
    <message>
        <source>Pause Everywhere</source>
        <translation>Mettre en pause partout</translation>
    </message>
    <message>
        <source>For 15 Minutes</source>
        <translation>Pendant 15 minutes</translation>
    </message>
    <message>
        <source>For 1 Hour</source>
        <translation>Pendant 1 heure</translation>
    </message>
    <message>
        <source>For 4 Hours</source>
        <translation>Pendant 4 heures</translation>
    </message>
    <message>
        <source>Until I Resume</source>
        <translation>Jusqu&apos;à reprise</translation>
    </message>
    <message>
        <source>Example: after typing %1, %2 suggests %3</source>
        <translation>Exemple&#xa0;: après la saisie de %1, %2 suggère %3</translation>
    </message>
    <message>
        <source>takes the next word</source>
        <translation>prend le mot suivant</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Télécharger</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 sur %2</translation>
    </message>
    <message>
        <source>%1 of %2. You can keep writing while it downloads.</source>
        <translation>%1 sur %2. Vous pouvez continuer à écrire pendant le téléchargement.</translation>
    </message>
    <message>
        <source>Checking the download</source>
        <translation>Vérification du téléchargement</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Réessayer</translation>
    </message>
    <message>
        <source>Remove…</source>
        <translation>Supprimer…</translation>
    </message>
    <message>
        <source>%1 license</source>
        <translation>Licence %1</translation>
    </message>
    <message>
        <source>Remove the %app model?</source>
        <translation>Supprimer le modèle %app&#x202f;?</translation>
    </message>
    <message>
        <source>Model download</source>
        <translation>Téléchargement du modèle</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuer</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Plus tard</translation>
    </message>
    <message>
        <source>Start Writing</source>
        <translation>Commencer à écrire</translation>
    </message>
    <message>
        <source>Finish your sentences in any app.</source>
        <translation>Terminez vos phrases dans n&apos;importe quelle app.</translation>
    </message>
    <message>
        <source>%app reads the words before your caret and suggests what comes next in grey. Press Tab to take one word, or the key above Tab to take the rest. If you don&apos;t want it, keep typing.</source>
        <translation>%app lit les mots avant le curseur et suggère la suite en gris. Appuyez sur Tab pour prendre un mot, ou sur la touche au-dessus de Tab pour prendre le reste. Si elle ne vous convient pas, continuez à taper.</translation>
    </message>
    <message>
        <source>Sees what you see</source>
        <translation>Voit ce que vous voyez</translation>
    </message>
    <message>
        <source>Private</source>
        <translation>Privé</translation>
    </message>
    <message>
        <source>It reads the window you&apos;re typing in, like the chat you&apos;re answering, so suggestions fit. None of it goes online, to us or any server. It stays private on your computer.</source>
        <translation>Il lit la fenêtre où vous écrivez, comme la discussion à laquelle vous répondez, pour des suggestions adaptées. Rien n&apos;est envoyé en ligne, ni à nous ni à aucun serveur. Tout reste privé sur votre ordinateur.</translation>
    </message>
    <message>
        <source>Accessibility is on</source>
        <translation>L&apos;accessibilité est activée</translation>
    </message>
    <message>
        <source>%app can now read the field you&apos;re writing in and type suggestions for you.</source>
        <translation>%app peut maintenant lire le champ où vous écrivez et taper les suggestions pour vous.</translation>
    </message>
    <message>
        <source>Let %app see what you type.</source>
        <translation>Laissez %app voir ce que vous tapez.</translation>
    </message>
    <message>
        <source>%app reads your text when you pause and forgets it after one suggestion, unless you turn on writing memory.</source>
        <translation>%app lit votre texte quand vous faites une pause et l&apos;oublie après une suggestion, sauf si vous activez la mémoire d&apos;écriture.</translation>
    </message>
    <message>
        <source>%app skips password fields and anything else the system marks as secure.</source>
        <translation>%app ignore les champs de mot de passe et tout ce que le système marque comme sécurisé.</translation>
    </message>
    <message>
        <source>Open Accessibility Settings</source>
        <translation>Ouvrir les paramètres d&apos;accessibilité</translation>
    </message>
    <message>
        <source>Pick what writes your suggestions.</source>
        <translation>Choisissez ce qui écrit vos suggestions.</translation>
    </message>
    <message>
        <source>You can change this any time in Settings.</source>
        <translation>Vous pouvez changer cela à tout moment dans les Paramètres.</translation>
    </message>
    <message>
        <source>Give it a try.</source>
        <translation>Essayez.</translation>
    </message>
    <message>
        <source>Start typing a sentence. When grey words appear, press Tab for one word or the key above Tab for all of them.</source>
        <translation>Commencez à taper une phrase. Quand des mots gris apparaissent, appuyez sur Tab pour un mot ou sur la touche au-dessus de Tab pour tous.</translation>
    </message>
    <message>
        <source>Hi Orlenn, thanks for the quick reply. I think we should</source>
        <translation>Bonjour Orlenn, merci pour ta réponse rapide. Je pense qu&apos;on devrait</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>Practice field</source>
        <translation>Champ d&apos;essai</translation>
    </message>
    <message>
        <source>Default, on</source>
        <translation>Par défaut, activé</translation>
    </message>
    <message>
        <source>Default, off</source>
        <translation>Par défaut, désactivé</translation>
    </message>
    <message>
        <source>Add a website</source>
        <translation>Ajouter un site web</translation>
    </message>
    <message>
        <source>Domain</source>
        <translation>Domaine</translation>
    </message>
    <message>
        <source>Rules for a site apply in any browser %app can read.</source>
        <translation>Les règles d&apos;un site s&apos;appliquent dans tout navigateur que %app peut lire.</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Add App…</source>
        <translation>Ajouter une app…</translation>
    </message>
    <message>
        <source>Add an app</source>
        <translation>Ajouter une app</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>Clear search</source>
        <translation>Effacer la recherche</translation>
    </message>
    <message>
        <source>Add an app or website</source>
        <translation>Ajouter une app ou un site web</translation>
    </message>
    <message>
        <source>Add Website…</source>
        <translation>Ajouter un site web…</translation>
    </message>
    <message>
        <source>Apps &amp; Sites</source>
        <translation>Apps &amp; sites</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>En pause</translation>
    </message>
    <message>
        <source>Apps</source>
        <translation>Apps</translation>
    </message>
    <message>
        <source>Websites</source>
        <translation>Sites web</translation>
    </message>
    <message>
        <source>No matches</source>
        <translation>Aucun résultat</translation>
    </message>
    <message>
        <source>No apps yet</source>
        <translation>Pas encore d&apos;app</translation>
    </message>
    <message>
        <source>Nothing matches “%1”.</source>
        <translation>Aucun résultat pour «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>Apps appear here once you accept a suggestion in them, or add one with +.</source>
        <translation>Les apps apparaissent ici dès que vous y acceptez une suggestion, ou ajoutez-en une avec +.</translation>
    </message>
    <message>
        <source>Pick an app or site</source>
        <translation>Choisissez une app ou un site</translation>
    </message>
    <message>
        <source>Each one can have its own rules. Anything you don&apos;t change follows General.</source>
        <translation>Chacun peut avoir ses propres règles. Ce que vous ne modifiez pas suit «&#xa0;Général&#xa0;».</translation>
    </message>
    <message>
        <source>Words saved here</source>
        <translation>Mots économisés ici</translation>
    </message>
    <message>
        <source>Suggestions</source>
        <translation>Suggestions</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Activé</translation>
    </message>
    <message>
        <source>Tab accepts suggestions</source>
        <translation>Tab accepte les suggestions</translation>
    </message>
    <message>
        <source>Turn off where Tab already means something, like indenting. The other accept key still works.</source>
        <translation>Désactivez là où Tab sert déjà, par exemple pour indenter. L&apos;autre touche d&apos;acceptation fonctionne toujours.</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Par défaut</translation>
    </message>
    <message>
        <source>Insert by</source>
        <translation>Insertion</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Longueur</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Reprendre</translation>
    </message>
    <message>
        <source>Pause here</source>
        <translation>Mettre en pause ici</translation>
    </message>
    <message>
        <source>Memory</source>
        <translation>Mémoire</translation>
    </message>
    <message>
        <source>Remember my writing here</source>
        <translation>Retenir ma façon d&apos;écrire ici</translation>
    </message>
    <message>
        <source>Writing memory is off in Your Voice.</source>
        <translation>La mémoire d&apos;écriture est désactivée dans «&#xa0;Votre style&#xa0;».</translation>
    </message>
    <message>
        <source>Erase…</source>
        <translation>Effacer…</translation>
    </message>
    <message>
        <source>Reset to Defaults</source>
        <translation>Rétablir par défaut</translation>
    </message>
    <message>
        <source>Erase what %app remembered from %1?</source>
        <translation>Effacer ce que %app a retenu dans %1&#x202f;?</translation>
    </message>
    <message>
        <source>Erase</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Passages from this app can shape suggestions everywhere.</source>
        <translation>Les passages de cette app peuvent influencer les suggestions partout.</translation>
    </message>
    <message>
        <source>Finish setting up</source>
        <translation>Terminer la configuration</translation>
    </message>
    <message>
        <source>Setup progress</source>
        <translation>Avancement</translation>
    </message>
    <message>
        <source>Done: %1</source>
        <translation>Terminé&#xa0;: %1</translation>
    </message>
    <message>
        <source>Best day yet!</source>
        <translation>Nouveau record&#x202f;!</translation>
    </message>
    <message>
        <source>Try it here</source>
        <translation>Essayez ici</translation>
    </message>
    <message>
        <source>Thanks for sending the draft over. I had a look and</source>
        <translation>Merci de m&apos;avoir envoyé le brouillon. J&apos;y ai jeté un œil et</translation>
    </message>
    <message>
        <source>next word</source>
        <translation>mot suivant</translation>
    </message>
    <message>
        <source>whole suggestion</source>
        <translation>suggestion entière</translation>
    </message>
    <message>
        <source>hide it</source>
        <translation>la masquer</translation>
    </message>
    <message>
        <source>This field runs the real engine. Start typing and grey words show up as you go.</source>
        <translation>Ce champ utilise le vrai moteur. Commencez à taper et des mots gris apparaissent au fur et à mesure.</translation>
    </message>
    <message>
        <source>This field runs the real engine, even before you allow Accessibility. Start typing and grey words show up as you go.</source>
        <translation>Ce champ utilise le vrai moteur, même avant d&apos;autoriser l&apos;accessibilité. Commencez à taper et des mots gris apparaissent au fur et à mesure.</translation>
    </message>
    <message>
        <source>You&apos;re all set</source>
        <translation>Tout est prêt</translation>
    </message>
    <message>
        <source>Accessibility is on and %1 is ready. %app works in every app you type in.</source>
        <translation>L&apos;accessibilité est activée et %1 est prêt. %app fonctionne dans toutes les apps où vous tapez.</translation>
    </message>
    <message>
        <source>Waiting for %1 to quit</source>
        <translation>En attendant que %1 se ferme</translation>
    </message>
    <message>
        <source>Turned off</source>
        <translation>Désactivé</translation>
    </message>
    <message>
        <source>Paused everywhere</source>
        <translation>En pause partout</translation>
    </message>
    <message>
        <source>%1, %2 typical wait</source>
        <translation>%1, attente habituelle&#xa0;: %2</translation>
    </message>
    <message>
        <source>Start your streak today.</source>
        <translation>Lancez votre série aujourd&apos;hui.</translation>
    </message>
    <message>
        <source>Overview</source>
        <translation>Vue d&apos;ensemble</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Général</translation>
    </message>
    <message>
        <source>Engine</source>
        <translation>Moteur</translation>
    </message>
    <message>
        <source>Context</source>
        <translation>Contexte</translation>
    </message>
    <message>
        <source>Your Voice</source>
        <translation>Votre style</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Touches</translation>
    </message>
    <message>
        <source>Emoji</source>
        <translation>Emoji</translation>
    </message>
    <message>
        <source>Battery</source>
        <translation>Batterie</translation>
    </message>
    <message>
        <source>Insights</source>
        <translation>Statistiques</translation>
    </message>
    <message>
        <source>Field Inspector</source>
        <translation>Inspecteur de champ</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>How %app is doing today</source>
        <translation>Comment va %app aujourd&apos;hui</translation>
    </message>
    <message>
        <source>Where and how suggestions appear</source>
        <translation>Où et comment les suggestions apparaissent</translation>
    </message>
    <message>
        <source>The model that writes your suggestions</source>
        <translation>Le modèle qui écrit vos suggestions</translation>
    </message>
    <message>
        <source>What %app may look at to guess better</source>
        <translation>Ce que %app peut regarder pour mieux deviner</translation>
    </message>
    <message>
        <source>Help suggestions sound like you</source>
        <translation>Des suggestions qui vous ressemblent</translation>
    </message>
    <message>
        <source>Accept, dismiss and summon suggestions</source>
        <translation>Accepter, ignorer et appeler les suggestions</translation>
    </message>
    <message>
        <source>Emoji search and emoticons</source>
        <translation>Recherche d&apos;emoji et émoticônes</translation>
    </message>
    <message>
        <source>Rules for each app and website</source>
        <translation>Règles pour chaque app et site web</translation>
    </message>
    <message>
        <source>Save power when you&apos;re unplugged</source>
        <translation>Économiser l&apos;énergie sur batterie</translation>
    </message>
    <message>
        <source>Words saved and how fast suggestions arrive</source>
        <translation>Mots économisés et rapidité des suggestions</translation>
    </message>
    <message>
        <source>What %app sees in the focused field</source>
        <translation>Ce que %app voit dans le champ actif</translation>
    </message>
    <message>
        <source>Version and privacy</source>
        <translation>Version et confidentialité</translation>
    </message>
    <message>
        <source>Writing</source>
        <translation>Écriture</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Saisie</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Règles</translation>
    </message>
    <message>
        <source>Activity</source>
        <translation>Activité</translation>
    </message>
    <message>
        <source>%app can read the field you&apos;re typing in and insert suggestions in any app.</source>
        <translation>%app peut lire le champ où vous tapez et insérer des suggestions dans toutes les apps.</translation>
    </message>
    <message>
        <source>Allow Accessibility access</source>
        <translation>Autoriser l&apos;accessibilité</translation>
    </message>
    <message>
        <source>%app needs it to read the text you type in other apps and to insert suggestions.</source>
        <translation>%app en a besoin pour lire le texte que vous tapez dans d&apos;autres apps et y insérer des suggestions.</translation>
    </message>
    <message>
        <source>Allow…</source>
        <translation>Autoriser…</translation>
    </message>
    <message>
        <source>%1 is ready</source>
        <translation>%1 est prêt</translation>
    </message>
    <message>
        <source>Checking %1</source>
        <translation>Vérification&#xa0;: %1</translation>
    </message>
    <message>
        <source>This takes a moment.</source>
        <translation>Cela prend un instant.</translation>
    </message>
    <message>
        <source>Your engine isn&apos;t ready</source>
        <translation>Votre moteur n&apos;est pas prêt</translation>
    </message>
    <message>
        <source>Open Engine</source>
        <translation>Ouvrir «&#xa0;Moteur&#xa0;»</translation>
    </message>
    <message>
        <source>The system&apos;s predictions are off</source>
        <translation>Les prédictions du système sont désactivées</translation>
    </message>
    <message>
        <source>Only %app&apos;s suggestions appear while you type.</source>
        <translation>Seules les suggestions de %app apparaissent pendant la saisie.</translation>
    </message>
    <message>
        <source>Turn off the system&apos;s predictions</source>
        <translation>Désactiver les prédictions du système</translation>
    </message>
    <message>
        <source>The system shows its own grey suggestions on top of %app&apos;s. Each app picks up the change the next time you open it.</source>
        <translation>Le système affiche ses propres suggestions grises par-dessus celles de %app. Chaque app prend en compte le changement à sa prochaine ouverture.</translation>
    </message>
    <message>
        <source>Keyboard Settings</source>
        <translation>Paramètres du clavier</translation>
    </message>
    <message>
        <source>Turn Off</source>
        <translation>Désactiver</translation>
    </message>
    <message>
        <source>Only %app is suggesting</source>
        <translation>Seul %app fait des suggestions</translation>
    </message>
    <message>
        <source>Tab reaches %app again.</source>
        <translation>La touche Tab fonctionne de nouveau avec %app.</translation>
    </message>
    <message numerus="yes">
        <source>%1 didn&apos;t quit. They may be showing a dialog. Force Quit closes them right away.</source>
        <translation>
            <numerusform>%1 ne s&apos;est pas fermé. Une boîte de dialogue est peut-être ouverte. «&#xa0;Forcer à quitter&#xa0;» le ferme immédiatement.</numerusform>
            <numerusform>%1 ne se sont pas fermés. Une boîte de dialogue est peut-être ouverte. «&#xa0;Forcer à quitter&#xa0;» les ferme immédiatement.</numerusform>
        </translation>
    </message>
    <message>
        <source>Force Quit</source>
        <translation>Forcer à quitter</translation>
    </message>
    <message numerus="yes">
        <source>%1 take the Tab key before %app can, so %app stays paused in your other apps until you quit them.</source>
        <translation>
            <numerusform>%1 prend la touche Tab avant %app, donc %app reste en pause dans vos autres apps jusqu&apos;à ce que vous le quittiez.</numerusform>
            <numerusform>%1 prennent la touche Tab avant %app, donc %app reste en pause dans vos autres apps jusqu&apos;à ce que vous les quittiez.</numerusform>
        </translation>
    </message>
    <message>
        <source>Only when I ask</source>
        <translation>Seulement sur demande</translation>
    </message>
    <message>
        <source>On battery, suggestions appear only after you press the Suggest Now shortcut.</source>
        <translation>Sur batterie, les suggestions n&apos;apparaissent qu&apos;après un appui sur le raccourci «&#xa0;Suggérer maintenant&#xa0;».</translation>
    </message>
    <message>
        <source>Shorter suggestions</source>
        <translation>Suggestions plus courtes</translation>
    </message>
    <message>
        <source>Fewer words take less power to write.</source>
        <translation>Moins de mots, moins d&apos;énergie.</translation>
    </message>
    <message>
        <source>Lighter model</source>
        <translation>Modèle plus léger</translation>
    </message>
    <message>
        <source>Same as plugged in</source>
        <translation>Comme sur secteur</translation>
    </message>
    <message>
        <source>Running on battery. These apply right now.</source>
        <translation>Sur batterie. Ces réglages s&apos;appliquent maintenant.</translation>
    </message>
    <message>
        <source>Plugged in. These wait until you unplug.</source>
        <translation>Sur secteur. Ces réglages s&apos;appliqueront une fois l&apos;ordinateur débranché.</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modèle</translation>
    </message>
    <message>
        <source>Model name</source>
        <translation>Nom du modèle</translation>
    </message>
    <message>
        <source>Reload the model list</source>
        <translation>Recharger la liste des modèles</translation>
    </message>
    <message>
        <source>Choose a model</source>
        <translation>Choisir un modèle</translation>
    </message>
    <message>
        <source>For people who already run Ollama, LM Studio or llama-server.</source>
        <translation>Pour qui utilise déjà Ollama, LM Studio ou llama-server.</translation>
    </message>
    <message>
        <source>Use your own model</source>
        <translation>Utiliser votre propre modèle</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>API key</source>
        <translation>Clé d&apos;API</translation>
    </message>
    <message>
        <source>Only if your server asks for one</source>
        <translation>Seulement si votre serveur en demande une</translation>
    </message>
    <message>
        <source>Focused</source>
        <translation>Précis</translation>
    </message>
    <message>
        <source>Creativity</source>
        <translation>Créativité</translation>
    </message>
    <message>
        <source>Loose</source>
        <translation>Libre</translation>
    </message>
    <message>
        <source>Lower stays close to the obvious next words. Higher tries more.</source>
        <translation>Plus bas reste près des mots évidents. Plus haut tente davantage.</translation>
    </message>
    <message>
        <source>Wait before suggesting</source>
        <translation>Attente avant de suggérer</translation>
    </message>
    <message>
        <source>How long you pause before %app starts.</source>
        <translation>Durée de votre pause avant que %app démarre.</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Lancer</translation>
    </message>
    <message>
        <source>Try the engine</source>
        <translation>Tester le moteur</translation>
    </message>
    <message>
        <source>Sends a sample sentence and shows what comes back.</source>
        <translation>Envoie une phrase d&apos;exemple et affiche la réponse.</translation>
    </message>
    <message>
        <source>Running…</source>
        <translation>En cours…</translation>
    </message>
    <message>
        <source>The engine answered in %1 but had nothing useful to add.</source>
        <translation>Le moteur a répondu en %1 mais n&apos;avait rien d&apos;utile à ajouter.</translation>
    </message>
    <message>
        <source>That didn&apos;t work: %1</source>
        <translation>Échec&#xa0;: %1</translation>
    </message>
    <message>
        <source>The request was cancelled.</source>
        <translation>La requête a été annulée.</translation>
    </message>
    <message>
        <source>Startup</source>
        <translation>Démarrage</translation>
    </message>
    <message>
        <source>Launch at login</source>
        <translation>Lancer à la connexion</translation>
    </message>
    <message>
        <source>Show today&apos;s word count next to the icon</source>
        <translation>Afficher le nombre de mots du jour près de l&apos;icône</translation>
    </message>
    <message>
        <source>Where suggestions appear</source>
        <translation>Où les suggestions apparaissent</translation>
    </message>
    <message>
        <source>Turn this off to use %app only in the apps you switch on under Apps &amp; Sites.</source>
        <translation>Désactivez pour n&apos;utiliser %app que dans les apps activées sous «&#xa0;Apps &amp; sites&#xa0;».</translation>
    </message>
    <message>
        <source>By default %app waits until the caret is at the end of a line.</source>
        <translation>Par défaut, %app attend que le curseur soit en fin de ligne.</translation>
    </message>
    <message>
        <source>Without this, %app skips search bars and one-word boxes.</source>
        <translation>Sans cela, %app ignore les barres de recherche et les champs d&apos;un mot.</translation>
    </message>
    <message>
        <source>Suggestions appear only after you press the Suggest Now shortcut.</source>
        <translation>Les suggestions n&apos;apparaissent qu&apos;après un appui sur le raccourci «&#xa0;Suggérer maintenant&#xa0;».</translation>
    </message>
    <message>
        <source>Spelling</source>
        <translation>Orthographe</translation>
    </message>
    <message>
        <source>Waits while the word you&apos;re typing looks misspelled, so %app doesn&apos;t build on a typo.</source>
        <translation>Attend tant que le mot en cours semble mal orthographié, pour que %app ne parte pas d&apos;une faute.</translation>
    </message>
    <message>
        <source>After a misspelled word, shows a fix next to the caret. Press Tab to swap it in.</source>
        <translation>Après un mot mal orthographié, affiche une correction près du curseur. Appuyez sur Tab pour l&apos;appliquer.</translation>
    </message>
    <message>
        <source>Look</source>
        <translation>Apparence</translation>
    </message>
    <message>
        <source>Suggestion color</source>
        <translation>Couleur des suggestions</translation>
    </message>
    <message>
        <source>Text size</source>
        <translation>Taille du texte</translation>
    </message>
    <message>
        <source>Fine-tune if suggestions look larger or smaller than your text.</source>
        <translation>Ajustez si les suggestions semblent plus grandes ou plus petites que votre texte.</translation>
    </message>
    <message>
        <source>Vertical position</source>
        <translation>Position verticale</translation>
    </message>
    <message>
        <source>Nudge suggestions up or down to line up with your text.</source>
        <translation>Décalez les suggestions vers le haut ou le bas pour les aligner sur votre texte.</translation>
    </message>
    <message>
        <source>A small keycap after your first suggestions, as a reminder of what to press.</source>
        <translation>Une petite icône de touche après vos premières suggestions, pour rappeler sur quoi appuyer.</translation>
    </message>
    <message>
        <source>Insert suggestions by</source>
        <translation>Insertion des suggestions</translation>
    </message>
    <message>
        <source>Other autocomplete apps</source>
        <translation>Autres apps d&apos;autocomplétion</translation>
    </message>
    <message>
        <source>They take the Tab key before %app can. With this off, %app asks you first.</source>
        <translation>Elles prennent la touche Tab avant %app. Si c&apos;est désactivé, %app vous demande d&apos;abord.</translation>
    </message>
    <message>
        <source>%1 is another device on your network, so the text around your caret will be sent there.</source>
        <translation>%1 est un autre appareil de votre réseau&#xa0;: le texte autour du curseur y sera envoyé.</translation>
    </message>
    <message>
        <source>%1 isn&apos;t this computer, so the text around your caret will be sent there.</source>
        <translation>%1 n&apos;est pas cet ordinateur&#xa0;: le texte autour du curseur y sera envoyé.</translation>
    </message>
    <message>
        <source>Both keep your text on this computer.</source>
        <translation>Les deux gardent votre texte sur cet ordinateur.</translation>
    </message>
    <message>
        <source>%app opens by itself when you start your computer.</source>
        <translation>%app s&apos;ouvre tout seul au démarrage de l&apos;ordinateur.</translation>
    </message>
    <message>
        <source>System predictions</source>
        <translation>Prédictions du système</translation>
    </message>
    <message>
        <source>The system can show its own grey predictions. Keeping them off avoids two suggestions at once.</source>
        <translation>Le système peut afficher ses propres prédictions grises. Les désactiver évite deux suggestions à la fois.</translation>
    </message>
    <message>
        <source>System predictions are on</source>
        <translation>Les prédictions du système sont activées</translation>
    </message>
    <message>
        <source>System predictions are off</source>
        <translation>Les prédictions du système sont désactivées</translation>
    </message>
    <message>
        <source>tab</source>
        <translation>tab</translation>
    </message>
    <message>
        <source>Your next words, one Tab away.</source>
        <translation>Vos prochains mots, à portée de Tab.</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Passer</translation>
    </message>
    <message>
        <source>Get Started</source>
        <translation>Commencer</translation>
    </message>
    <message>
        <source>Turn sound on</source>
        <translation>Activer le son</translation>
    </message>
    <message>
        <source>Turn sound off</source>
        <translation>Couper le son</translation>
    </message>
    <message>
        <source>The other app</source>
        <translation>L&apos;autre app</translation>
    </message>
    <message numerus="yes">
        <source>Next time, quit %1 without asking</source>
        <translation>
            <numerusform>La prochaine fois, quitter %1 sans demander</numerusform>
            <numerusform>La prochaine fois, quitter %1 sans demander</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 is also running</source>
        <translation>
            <numerusform>%1 est aussi ouvert</numerusform>
            <numerusform>%1 sont aussi ouverts</numerusform>
        </translation>
    </message>
    <message>
        <source>Quitting…</source>
        <translation>Fermeture…</translation>
    </message>
    <message numerus="yes">
        <source>%1 is still open</source>
        <translation>
            <numerusform>%1 est toujours ouvert</numerusform>
            <numerusform>%1 sont toujours ouverts</numerusform>
        </translation>
    </message>
    <message>
        <source>%app has the Tab key</source>
        <translation>%app a la touche Tab</translation>
    </message>
    <message>
        <source>%1 quit, so your suggestions are back in every app.</source>
        <translation>%1 s&apos;est fermé&#xa0;: vos suggestions sont de retour dans toutes les apps.</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>Open Source Notices</source>
        <translation>Mentions open source</translation>
    </message>
    <message>
        <source>Reset all settings?</source>
        <translation>Réinitialiser tous les paramètres&#x202f;?</translation>
    </message>
    <message>
        <source>This also clears your rules for apps and sites. Your statistics and writing memory stay.</source>
        <translation>Cela efface aussi vos règles pour les apps et sites. Vos statistiques et votre mémoire d&apos;écriture sont conservées.</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Réinitialiser</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Some apps hide their text</source>
        <translation>Certaines apps masquent leur texte</translation>
    </message>
    <message>
        <source>Suggest emoji after a colon</source>
        <translation>Suggérer des emoji après un deux-points</translation>
    </message>
    <message>
        <source>Turn emoticons into emoji</source>
        <translation>Convertir les émoticônes en emoji</translation>
    </message>
    <message>
        <source>After :-) or &lt;3, %app offers the matching emoji. Press Tab to swap it in.</source>
        <translation>Après :-) ou &lt;3, %app propose l&apos;emoji correspondant. Appuyez sur Tab pour l&apos;insérer.</translation>
    </message>
    <message>
        <source>Skin tone</source>
        <translation>Teinte de peau</translation>
    </message>
    <message>
        <source>Also show the default yellow</source>
        <translation>Afficher aussi le jaune par défaut</translation>
    </message>
    <message>
        <source>Try a word</source>
        <translation>Essayez un mot</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Légère</translation>
    </message>
    <message>
        <source>No emoji match “%1”</source>
        <translation>Aucun emoji ne correspond à «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>Accepting</source>
        <translation>Acceptation</translation>
    </message>
    <message>
        <source>Take the next word</source>
        <translation>Prendre le mot suivant</translation>
    </message>
    <message>
        <source>Press again for each following word.</source>
        <translation>Appuyez à nouveau pour chaque mot suivant.</translation>
    </message>
    <message>
        <source>Take the whole suggestion</source>
        <translation>Prendre la suggestion entière</translation>
    </message>
    <message>
        <source>The key above Tab is easy to reach on most keyboards.</source>
        <translation>La touche au-dessus de Tab est facile à atteindre sur la plupart des claviers.</translation>
    </message>
    <message>
        <source>Include the space after a word</source>
        <translation>Inclure l&apos;espace après un mot</translation>
    </message>
    <message>
        <source>Include punctuation right after a word</source>
        <translation>Inclure la ponctuation juste après un mot</translation>
    </message>
    <message>
        <source>When you press Escape</source>
        <translation>Quand vous appuyez sur Échap</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Raccourcis</translation>
    </message>
    <message>
        <source>Suggest now</source>
        <translation>Suggérer maintenant</translation>
    </message>
    <message>
        <source>Asks for a suggestion right away, even where %app would normally wait.</source>
        <translation>Demande une suggestion tout de suite, même là où %app attendrait.</translation>
    </message>
    <message>
        <source>Other suggestions</source>
        <translation>Autres suggestions</translation>
    </message>
    <message>
        <source>Lists a few different ways to continue. Choose with the arrow keys, then press Tab.</source>
        <translation>Propose quelques suites différentes. Choisissez avec les flèches, puis appuyez sur Tab.</translation>
    </message>
    <message>
        <source>Pause or resume in this app</source>
        <translation>Pause ou reprise dans cette app</translation>
    </message>
    <message>
        <source>Pauses for 15 minutes.</source>
        <translation>Met en pause pendant 15 minutes.</translation>
    </message>
    <message>
        <source>Turn %app on or off</source>
        <translation>Activer ou désactiver %app</translation>
    </message>
    <message>
        <source>Everywhere, until you press it again.</source>
        <translation>Partout, jusqu&apos;au prochain appui.</translation>
    </message>
    <message>
        <source>Pause or resume</source>
        <translation>Pause ou reprise</translation>
    </message>
    <message>
        <source>Turn on or off</source>
        <translation>Activer ou désactiver</translation>
    </message>
    <message>
        <source>%1 and %2 use the same keys. Only the first will work.</source>
        <translation>«&#xa0;%1&#xa0;» et «&#xa0;%2&#xa0;» utilisent les mêmes touches. Seul le premier fonctionnera.</translation>
    </message>
    <message>
        <source>About you</source>
        <translation>À propos de vous</translation>
    </message>
    <message>
        <source>For example: I&apos;m a product designer in Berlin. I write short, friendly emails in British English and sign off with Cheers.</source>
        <translation>Par exemple&#xa0;: je suis designer produit à Berlin. J&apos;écris des e-mails courts et sympathiques en anglais britannique et je signe «&#xa0;Cheers&#xa0;».</translation>
    </message>
    <message>
        <source>Your role, the languages you write in, names you use often, how you like to sound.</source>
        <translation>Votre métier, les langues dans lesquelles vous écrivez, les noms que vous utilisez souvent, le ton que vous aimez.</translation>
    </message>
    <message>
        <source>Writing memory</source>
        <translation>Mémoire d&apos;écriture</translation>
    </message>
    <message>
        <source>Remember how I write</source>
        <translation>Retenir ma façon d&apos;écrire</translation>
    </message>
    <message>
        <source>Also remember fields where I accept nothing</source>
        <translation>Retenir aussi les champs où je n&apos;accepte rien</translation>
    </message>
    <message>
        <source>%app learns your style sooner but keeps more of what you type.</source>
        <translation>%app apprend votre style plus vite, mais garde davantage de ce que vous tapez.</translation>
    </message>
    <message>
        <source>Influence</source>
        <translation>Influence</translation>
    </message>
    <message>
        <source>Strong</source>
        <translation>Forte</translation>
    </message>
    <message>
        <source>How many of your passages each suggestion can draw on.</source>
        <translation>Nombre de vos passages sur lesquels chaque suggestion peut s&apos;appuyer.</translation>
    </message>
    <message>
        <source>Erase All…</source>
        <translation>Tout effacer…</translation>
    </message>
    <message>
        <source>Erase everything %app remembered?</source>
        <translation>Effacer tout ce que %app a retenu&#x202f;?</translation>
    </message>
    <message>
        <source>This can&apos;t be undone.</source>
        <translation>Cette action est irréversible.</translation>
    </message>
    <message>
        <source>Erase All</source>
        <translation>Tout effacer</translation>
    </message>
    <message>
        <source>Nothing remembered yet</source>
        <translation>Rien de retenu pour l&apos;instant</translation>
    </message>
    <message>
        <source>App and window name</source>
        <translation>Nom de l&apos;app et de la fenêtre</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>Site web</translation>
    </message>
    <message>
        <source>The site&apos;s domain when you write in a browser.</source>
        <translation>Le domaine du site quand vous écrivez dans un navigateur.</translation>
    </message>
    <message>
        <source>Recently copied text</source>
        <translation>Texte copié récemment</translation>
    </message>
    <message>
        <source>Anything you copied in the last 10 minutes. Copies from password managers are skipped.</source>
        <translation>Tout ce que vous avez copié ces 10 dernières minutes. Les copies des gestionnaires de mots de passe sont ignorées.</translation>
    </message>
    <message>
        <source>Text on screen</source>
        <translation>Texte à l&apos;écran</translation>
    </message>
    <message>
        <source>Reads the window you&apos;re writing in, so replies fit the conversation. It picks the lines closest to where you type.</source>
        <translation>Lit la fenêtre où vous écrivez, pour des réponses adaptées à la conversation. Retient les lignes les plus proches de votre saisie.</translation>
    </message>
    <message>
        <source>What you just looked at</source>
        <translation>Ce que vous venez de regarder</translation>
    </message>
    <message>
        <source>Windows beside you</source>
        <translation>Fenêtres voisines</translation>
    </message>
    <message>
        <source>Also reads up to two other windows on the same screen, like the document you&apos;re replying about. Skips password managers and apps you switched off.</source>
        <translation>Lit aussi jusqu&apos;à deux autres fenêtres du même écran, comme le document dont parle votre réponse. Ignore les gestionnaires de mots de passe et les apps désactivées.</translation>
    </message>
    <message>
        <source>Off in this app</source>
        <translation>Désactivé dans cette app</translation>
    </message>
    <message>
        <source>This word looks misspelled</source>
        <translation>Ce mot semble mal orthographié</translation>
    </message>
    <message>
        <source>Thanks for the notes. I&apos;ll send the revised deck</source>
        <translation>Merci pour les remarques. J&apos;enverrai la présentation révisée</translation>
    </message>
    <message>
        <source> by Friday morning.</source>
        <translation> d&apos;ici vendredi matin.</translation>
    </message>
    <message>
        <source>%1 quit. %app has the Tab key.</source>
        <translation>%1 s&apos;est fermé. %app a la touche Tab.</translation>
    </message>
    <message>
        <source>Open Data Folder</source>
        <translation>Ouvrir le dossier de données</translation>
    </message>
    <message>
        <source>Show Welcome Again</source>
        <translation>Revoir l&apos;accueil</translation>
    </message>
    <message>
        <source>Play Intro Again</source>
        <translation>Revoir l&apos;intro</translation>
    </message>
    <message>
        <source>Reset Settings…</source>
        <translation>Réinitialiser les paramètres…</translation>
    </message>
    <message>
        <source>Suggest in every app</source>
        <translation>Suggérer dans toutes les apps</translation>
    </message>
    <message>
        <source>Suggest in code editors</source>
        <translation>Suggérer dans les éditeurs de code</translation>
    </message>
    <message>
        <source>Suggest in the middle of a line</source>
        <translation>Suggérer en milieu de ligne</translation>
    </message>
    <message>
        <source>Suggest in small fields</source>
        <translation>Suggérer dans les petits champs</translation>
    </message>
    <message>
        <source>Hold back on misspelled words</source>
        <translation>Patienter si le mot semble mal orthographié</translation>
    </message>
    <message>
        <source>Offer spelling fixes</source>
        <translation>Proposer des corrections</translation>
    </message>
    <message>
        <source>Show the key hint</source>
        <translation>Afficher l&apos;indicateur de touche</translation>
    </message>
    <message>
        <source>Quit other autocomplete apps when they open</source>
        <translation>Quitter les autres apps d&apos;autocomplétion à leur ouverture</translation>
    </message>
    <message>
        <source>Keeps a few minutes of text from windows you switched away from, like a page you read before replying. It stays on your computer and skips apps you switched off.</source>
        <translation>Garde quelques minutes de texte des fenêtres que vous avez quittées, comme une page lue avant de répondre. Ce texte reste sur votre ordinateur et ignore les apps désactivées.</translation>
    </message>
    <message numerus="yes">
        <source>Both apps answer the Tab key, and the system gives it to %1 first. %app stays paused in your other apps until %1 quits.</source>
        <translation>
            <numerusform>Les deux apps répondent à la touche Tab, et le système la donne d&apos;abord à %1. %app reste en pause dans vos autres apps jusqu&apos;à ce que %1 se ferme.</numerusform>
            <numerusform>%1 prennent la touche Tab avant %app, donc %app reste en pause dans vos autres apps jusqu&apos;à ce que vous les quittiez.</numerusform>
        </translation>
    </message>
    <message>
        <source>Finishes your sentences in any app, on your computer.</source>
        <translation>Termine vos phrases dans toutes les apps, sur votre ordinateur.</translation>
    </message>
    <message>
        <source>Keeps short passages from fields where you accepted a suggestion, encrypted on this computer, and shows them to the model as examples.</source>
        <translation>Garde de courts passages des champs où vous avez accepté une suggestion, chiffrés sur cet ordinateur, et les montre au modèle comme exemples.</translation>
    </message>
    <message>
        <source>Light</source>
        <comment>skin tone</comment>
        <translation>Claire</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Default</source>
        <comment>skin tone</comment>
        <translation>Par défaut</translation>
    </message>
    <message>
        <source>Medium light</source>
        <comment>skin tone</comment>
        <translation>Moyennement claire</translation>
    </message>
    <message>
        <source>Medium</source>
        <comment>skin tone</comment>
        <translation>Intermédiaire</translation>
    </message>
    <message>
        <source>Medium dark</source>
        <comment>skin tone</comment>
        <translation>Moyennement foncée</translation>
    </message>
    <message>
        <source>Dark</source>
        <comment>skin tone</comment>
        <translation>Foncée</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Inconnu</translation>
    </message>
    <message>
        <source>%1 × %2 pt</source>
        <translation>%1 × %2 pt</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>Not reported, estimated from the caret</source>
        <translation>Non indiqué, estimé d&apos;après le curseur</translation>
    </message>
    <message>
        <source>%1 %2 pt</source>
        <translation>%1 %2 pt</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Système</translation>
    </message>
    <message>
        <source>Not yet</source>
        <translation>Pas encore</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Aujourd&apos;hui</translation>
    </message>
    <message>
        <source>Last 7 days</source>
        <translation>7 derniers jours</translation>
    </message>
    <message>
        <source>All time</source>
        <translation>Depuis le début</translation>
    </message>
    <message>
        <source>Typing saved</source>
        <translation>Temps de frappe économisé</translation>
    </message>
    <message>
        <source>at 40 words a minute</source>
        <translation>à 40 mots par minute</translation>
    </message>
    <message>
        <source>Accepted</source>
        <translation>Acceptées</translation>
    </message>
    <message>
        <source>of suggestions shown</source>
        <translation>des suggestions affichées</translation>
    </message>
    <message>
        <source>Typical wait</source>
        <translation>Attente habituelle</translation>
    </message>
    <message>
        <source>9 in 10 under %1</source>
        <translation>9 sur 10 en moins de %1</translation>
    </message>
    <message>
        <source>no requests yet</source>
        <translation>pas encore de requête</translation>
    </message>
    <message>
        <source>Words saved</source>
        <translation>Mots économisés</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>Période</translation>
    </message>
    <message>
        <source>Nothing to chart yet</source>
        <translation>Rien à afficher pour l&apos;instant</translation>
    </message>
    <message>
        <source>Accept a few suggestions and your days show up here.</source>
        <translation>Acceptez quelques suggestions et vos journées apparaîtront ici.</translation>
    </message>
    <message>
        <source>Where you write</source>
        <translation>Où vous écrivez</translation>
    </message>
    <message>
        <source>Reset Statistics…</source>
        <translation>Réinitialiser les statistiques…</translation>
    </message>
    <message>
        <source>Reset all statistics?</source>
        <translation>Réinitialiser toutes les statistiques&#x202f;?</translation>
    </message>
    <message>
        <source>This clears words saved, acceptance and timing history.</source>
        <translation>Cela efface l&apos;historique des mots économisés, des acceptations et des temps d&apos;attente.</translation>
    </message>
    <message>
        <source>Copy Diagnostics</source>
        <translation>Copier les diagnostics</translation>
    </message>
    <message>
        <source>Diagnostics leave out the text you typed.</source>
        <translation>Les diagnostics n&apos;incluent pas le texte que vous avez tapé.</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>Right now</source>
        <translation>En ce moment</translation>
    </message>
    <message>
        <source>Allowed</source>
        <translation>Autorisé</translation>
    </message>
    <message>
        <source>Not allowed</source>
        <translation>Non autorisé</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Clavier</translation>
    </message>
    <message>
        <source>Listening</source>
        <translation>À l&apos;écoute</translation>
    </message>
    <message>
        <source>Not listening</source>
        <translation>Pas à l&apos;écoute</translation>
    </message>
    <message>
        <source>Focused field</source>
        <translation>Champ actif</translation>
    </message>
    <message>
        <source>Click into a text field in another app, then come back. The last field %1 saw stays here.</source>
        <translation>Cliquez dans un champ de texte d&apos;une autre app, puis revenez. Le dernier champ vu par %1 reste affiché ici.</translation>
    </message>
    <message>
        <source>App</source>
        <translation>App</translation>
    </message>
    <message>
        <source>Field type</source>
        <translation>Type de champ</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>Fenêtre</translation>
    </message>
    <message>
        <source>Field size</source>
        <translation>Taille du champ</translation>
    </message>
    <message>
        <source>Caret found</source>
        <translation>Curseur trouvé</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Police</translation>
    </message>
    <message>
        <source>At end of line</source>
        <translation>En fin de ligne</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>Secure input</source>
        <translation>Saisie sécurisée</translation>
    </message>
    <message>
        <source>Looked at lately</source>
        <translation>Vu récemment</translation>
    </message>
    <message>
        <source>Text before the caret</source>
        <translation>Texte avant le curseur</translation>
    </message>
    <message>
        <source>Last request</source>
        <translation>Dernière requête</translation>
    </message>
    <message>
        <source>Wait</source>
        <translation>Attente</translation>
    </message>
    <message>
        <source>Suggestion</source>
        <translation>Suggestion</translation>
    </message>
    <message>
        <source>Prompt sent to the engine</source>
        <translation>Prompt envoyé au moteur</translation>
    </message>
    <message>
        <source>Raw answer</source>
        <translation>Réponse brute</translation>
    </message>
    <message>
        <source>(empty)</source>
        <translation>(vide)</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>Copié</translation>
    </message>
    <message>
        <source>Choose a language</source>
        <translation>Choisir une langue</translation>
    </message>
    <message>
        <source>Search languages</source>
        <translation>Rechercher une langue</translation>
    </message>
    <message>
        <source>Same as my computer</source>
        <translation>Comme mon ordinateur</translation>
    </message>
    <message>
        <source>Switch to %1?</source>
        <translation>Passer à %1&#x202f;?</translation>
    </message>
    <message>
        <source>%1 closes and opens again in a second. Your settings stay as they are.</source>
        <translation>%1 se ferme et se rouvre en une seconde. Vos paramètres restent inchangés.</translation>
    </message>
    <message>
        <source>Reopen Now</source>
        <translation>Rouvrir maintenant</translation>
    </message>
    <message>
        <source>App language</source>
        <translation>Langue de l&apos;app</translation>
    </message>
    <message>
        <source>Pick the language you read most easily. Suggestions follow whatever language you type.</source>
        <translation>Choisissez la langue que vous lisez le plus facilement. Les suggestions suivent la langue dans laquelle vous tapez.</translation>
    </message>
    <message>
        <source>Change the app language</source>
        <translation>Changer la langue de l&apos;app</translation>
    </message>
    <message>
        <source>0 min</source>
        <translation>0 min</translation>
    </message>
    <message>
        <source>under a minute</source>
        <translation>moins d&apos;une minute</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>Not set</source>
        <translation>Non défini</translation>
    </message>
    <message>
        <source>Clear shortcut</source>
        <translation>Effacer le raccourci</translation>
    </message>
    <message>
        <source>Add Ctrl, Alt or Super so normal typing still works.</source>
        <translation>Ajoutez Ctrl, Alt ou Super pour que la saisie normale fonctionne encore.</translation>
    </message>
    <message>
        <source>Type a shortcut…</source>
        <translation>Appuyez sur un raccourci…</translation>
    </message>
    <message>
        <source>Recording shortcut</source>
        <translation>Enregistrement du raccourci</translation>
    </message>
    <message>
        <source>Shortcut %1</source>
        <translation>Raccourci %1</translation>
    </message>
    <message>
        <source>Record shortcut</source>
        <translation>Enregistrer un raccourci</translation>
    </message>
    <message>
        <source>Shortcut not set</source>
        <translation>Raccourci non défini</translation>
    </message>
    <message>
        <source>Press to record a new shortcut. Escape cancels.</source>
        <translation>Appuyez pour enregistrer un nouveau raccourci. Échap annule.</translation>
    </message>
    <message>
        <source>Your tray icon is hidden</source>
        <translation>Votre icône de notification est masquée</translation>
    </message>
    <message>
        <source>This computer has no on-device language model</source>
        <translation>Cet ordinateur ne dispose d&apos;aucun modèle de langage intégré</translation>
    </message>
    <message>
        <source>Turn on the on-device model in the desktop&apos;s settings</source>
        <translation>Activez le modèle sur l&apos;appareil dans les paramètres du bureau</translation>
    </message>
    <message>
        <source>The on-device model is unavailable</source>
        <translation>Le modèle sur l&apos;appareil n&apos;est pas disponible</translation>
    </message>
    <message>
        <source>Downloading. The on-device model fills in until it&apos;s done.</source>
        <translation>Téléchargement en cours. Le modèle sur l&apos;appareil prend le relais d&apos;ici là.</translation>
    </message>
    <message>
        <source>The on-device model fills in until you download it.</source>
        <translation>Le modèle sur l&apos;appareil prend le relais tant que vous ne l&apos;avez pas téléchargé.</translation>
    </message>
    <message>
        <source>%1 shares no text. Quit it and start it with %2 to get suggestions in it.</source>
        <translation>%1 ne partage aucun texte. Quittez-le et relancez-le avec %2 pour y avoir des suggestions.</translation>
    </message>
    <message>
        <source>On-device model</source>
        <translation>Modèle sur l&apos;appareil</translation>
    </message>
    <message>
        <source>The system&apos;s own language model. Nothing to download.</source>
        <translation>Le modèle de langage du système. Rien à télécharger.</translation>
    </message>
    <message>
        <source>A website name cannot hold spaces, tabs or line breaks.</source>
        <translation>Un nom de site ne peut contenir ni espaces, ni tabulations, ni sauts de ligne.</translation>
    </message>
    <message>
        <source>Only addresses that start with http or https can be added.</source>
        <translation>Seules les adresses commençant par http ou https peuvent être ajoutées.</translation>
    </message>
    <message>
        <source>That is not a website name. Type one such as wikipedia.org.</source>
        <translation>Ce n&apos;est pas un nom de site. Saisissez-en un comme wikipedia.org.</translation>
    </message>
    <message>
        <source>A port is a number from 1 to 65535.</source>
        <translation>Un port est un nombre de 1 à 65535.</translation>
    </message>
    <message>
        <source>The on-device model fills in until the download is done.</source>
        <translation>Le modèle sur l&apos;appareil prend le relais jusqu&apos;à la fin du téléchargement.</translation>
    </message>
    <message>
        <source>Suggestions start once the download is done.</source>
        <translation>Les suggestions commencent une fois le téléchargement terminé.</translation>
    </message>
    <message>
        <source>This frees %1. The on-device model fills in until you download it again.</source>
        <translation>Cela libère %1. Le modèle sur l&apos;appareil prend le relais jusqu&apos;à un nouveau téléchargement.</translation>
    </message>
    <message>
        <source>This frees %1. The %app model can&apos;t suggest until you download it again.</source>
        <translation>Cela libère %1. Le modèle %app ne peut rien suggérer avant un nouveau téléchargement.</translation>
    </message>
    <message>
        <source>There&apos;s no room for it, or your panel has no system tray. Add the panel&apos;s system tray or status area applet in its settings.</source>
        <translation>Il n&apos;y a pas de place, ou votre panneau n&apos;a pas de zone de notification. Ajoutez l&apos;applet zone de notification ou zone d&apos;état dans les paramètres du panneau.</translation>
    </message>
    <message>
        <source>GNOME shows tray icons only with the AppIndicator extension. Install the gnome-shell-extension-appindicator package, log out and in, then turn it on in Extensions.</source>
        <translation>GNOME n&apos;affiche les icônes de notification qu&apos;avec l&apos;extension AppIndicator. Installez le paquet gnome-shell-extension-appindicator, déconnectez-vous puis reconnectez-vous, et activez-la dans «&#xa0;Extensions&#xa0;».</translation>
    </message>
    <message>
        <source>GNOME shows tray icons only with the AppIndicator extension. It is installed but off: turn it on in Extensions.</source>
        <translation>GNOME n&apos;affiche les icônes de notification qu&apos;avec l&apos;extension AppIndicator. Elle est installée mais désactivée&#xa0;: activez-la dans «&#xa0;Extensions&#xa0;».</translation>
    </message>
    <message>
        <source>Until then, open %app from your applications menu to reach Settings.</source>
        <translation>D&apos;ici là, ouvrez %app depuis le menu des applications pour accéder aux Paramètres.</translation>
    </message>
    <message>
        <source>Open Extensions</source>
        <translation>Ouvrir «&#xa0;Extensions&#xa0;»</translation>
    </message>
    <message>
        <source>Show Count in Tray</source>
        <translation>Afficher le compteur</translation>
    </message>
    <message>
        <source>%1 shares no text</source>
        <translation>%1 ne partage aucun texte</translation>
    </message>
    <message>
        <source>Copy command</source>
        <translation>Copier la commande</translation>
    </message>
    <message>
        <source>There&apos;s no account and no analytics. With the %app model or the on-device model, your text stays on this computer.</source>
        <translation>Pas de compte ni de mesure d&apos;audience. Avec le modèle %app ou le modèle sur l&apos;appareil, votre texte reste sur cet ordinateur.</translation>
    </message>
    <message>
        <source>There&apos;s no account and no analytics. With the %app model, your text stays on this computer.</source>
        <translation>Pas de compte ni de mesure d&apos;audience. Avec le modèle %app, votre texte reste sur cet ordinateur.</translation>
    </message>
    <message>
        <source>%app lives in your system tray from now on. Click its icon to pause it in an app or open Settings.</source>
        <translation>%app se trouve désormais dans votre zone de notification. Cliquez sur son icône pour le mettre en pause dans une app ou ouvrir les Paramètres.</translation>
    </message>
    <message>
        <source>%app has no account, no analytics and no servers of its own. The %app model and the on-device model keep your text on this computer. Other engines get it only if you set one up.</source>
        <translation>%app n&apos;a ni compte, ni mesure d&apos;audience, ni serveurs à lui. Le modèle %app et le modèle sur l&apos;appareil gardent votre texte sur cet ordinateur. Les autres moteurs ne le reçoivent que si vous en configurez un.</translation>
    </message>
    <message>
        <source>%app has no account, no analytics and no servers of its own. The %app model keeps your text on this computer. Other engines get it only if you set one up.</source>
        <translation>%app n&apos;a ni compte, ni mesure d&apos;audience, ni serveurs à lui. Le modèle %app garde votre texte sur cet ordinateur. Les autres moteurs ne le reçoivent que si vous en configurez un.</translation>
    </message>
    <message>
        <source>Installed applications</source>
        <translation>Applications installées</translation>
    </message>
    <message>
        <source>%app reads these only while making a suggestion and never saves them. With the %app model or the on-device model, nothing leaves your computer.</source>
        <translation>%app ne les lit que pendant une suggestion et ne les enregistre jamais. Avec le modèle %app ou le modèle sur l&apos;appareil, rien ne quitte votre ordinateur.</translation>
    </message>
    <message>
        <source>%app reads these only while making a suggestion and never saves them. With the %app model, nothing leaves your computer.</source>
        <translation>%app ne les lit que pendant une suggestion et ne les enregistre jamais. Avec le modèle %app, rien ne quitte votre ordinateur.</translation>
    </message>
    <message>
        <source>The %app model keeps your text on this computer.</source>
        <translation>Le modèle %app garde votre texte sur cet ordinateur.</translation>
    </message>
    <message>
        <source>The key holds a line break or another control character. Paste it again without them.</source>
        <translation>La clé contient un saut de ligne ou un autre caractère de contrôle. Collez-la à nouveau sans eux.</translation>
    </message>
    <message>
        <source>Waiting for the keyring to store the key.</source>
        <translation>En attente du trousseau pour stocker la clé.</translation>
    </message>
    <message>
        <source>The keyring cannot keep this key, so it is used only until %app quits.</source>
        <translation>Le trousseau ne peut pas garder cette clé&#xa0;: elle n&apos;est utilisée que jusqu&apos;à la fermeture de %app.</translation>
    </message>
    <message>
        <source>Show in the system tray</source>
        <translation>Afficher dans la zone de notification</translation>
    </message>
    <message>
        <source>Pause or open Settings from the system tray. Hidden? Open %app from your applications menu to come back.</source>
        <translation>Mettez en pause ou ouvrez les Paramètres depuis la zone de notification. Icône masquée&#x202f;? Ouvrez %app depuis le menu des applications pour revenir.</translation>
    </message>
    <message>
        <source>This tray can&apos;t show text beside icons, so the count shows in the icon&apos;s tooltip.</source>
        <translation>Cette zone ne peut pas afficher de texte à côté des icônes&#xa0;: le compteur s&apos;affiche dans l&apos;infobulle de l&apos;icône.</translation>
    </message>
    <message>
        <source>VS Code, VSCodium, Cursor, Zed, Kate, Sublime Text, JetBrains IDEs and similar apps.</source>
        <translation>VS Code, VSCodium, Cursor, Zed, Kate, Sublime Text, les IDE JetBrains et apps similaires.</translation>
    </message>
    <message>
        <source>Your settings could not be read, so they were set aside and %app started over with its defaults.</source>
        <translation>Vos paramètres n&apos;ont pas pu être lus&#xa0;: ils ont été mis de côté et %app a redémarré avec ses valeurs par défaut.</translation>
    </message>
    <message>
        <source>Your settings are not saved: %app cannot write to its settings folder.</source>
        <translation>Vos paramètres ne sont pas enregistrés&#xa0;: %app ne peut pas écrire dans son dossier de paramètres.</translation>
    </message>
    <message>
        <source>Your app and website rules could not be read, so they were set aside.</source>
        <translation>Vos règles d&apos;apps et de sites web n&apos;ont pas pu être lues&#xa0;: elles ont été mises de côté.</translation>
    </message>
    <message>
        <source>Your statistics could not be read, so they were set aside and counting started over.</source>
        <translation>Vos statistiques n&apos;ont pas pu être lues&#xa0;: elles ont été mises de côté et le décompte a recommencé.</translation>
    </message>
    <message>
        <source>Not saved: %app cannot write to its data folder.</source>
        <translation>Non enregistré&#xa0;: %app ne peut pas écrire dans son dossier de données.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln suggestions. %1 selected</source>
        <translation>
            <numerusform>%Ln suggestion. Sélection&#xa0;: %1</numerusform>
            <numerusform>%Ln suggestions. Sélection&#xa0;: %1</numerusform>
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
            <numerusform>%Ln mot</numerusform>
            <numerusform>%Ln mots</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln passages from here</source>
        <translation>
            <numerusform>%Ln passage retenu ici</numerusform>
            <numerusform>%Ln passages retenus ici</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>words</source>
        <comment>unit after a count</comment>
        <translation>
            <numerusform>mot</numerusform>
            <numerusform>mots</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln days</source>
        <translation>
            <numerusform>%Ln jour</numerusform>
            <numerusform>%Ln jours</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Words saved per day over the last %Ln days</source>
        <translation>
            <numerusform>Mots économisés par jour sur le dernier jour</numerusform>
            <numerusform>Mots économisés par jour sur les %Ln derniers jours</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln day streak</source>
        <translation>
            <numerusform>Série de %Ln jour</numerusform>
            <numerusform>Série de %Ln jours</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln passages remembered</source>
        <translation>
            <numerusform>%Ln passage retenu</numerusform>
            <numerusform>%Ln passages retenus</numerusform>
        </translation>
    </message>
    <message>
        <source>enter</source>
        <translation>entrée</translation>
    </message>
    <message>
        <source>Allow screen capture so %app can read those too. Most apps work without it.</source>
        <translation>Autorisez la capture d&apos;écran pour que %app puisse aussi les lire. La plupart des apps s&apos;en passent.</translation>
    </message>
    <message>
        <source>Type a colon and a word, like :rocket, then press Tab or Enter to pick.</source>
        <translation>Tapez un deux-points et un mot, comme :rocket, puis appuyez sur Tab ou Entrée pour choisir.</translation>
    </message>
    <message>
        <source>You can switch memory off for single apps under Apps &amp; Sites. The key that unlocks it lives in your keyring.</source>
        <translation>Vous pouvez désactiver la mémoire pour certaines apps dans «&#xa0;Apps &amp; sites&#xa0;». La clé qui la déverrouille est dans votre trousseau.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln emoji. %1 selected</source>
        <translation>
            <numerusform>%Ln emoji. Sélection&#xa0;: %1</numerusform>
            <numerusform>%Ln emoji. Sélection&#xa0;: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Suggestion: %1</source>
        <translation>Suggestion&#xa0;: %1</translation>
    </message>
    <message numerus="yes">
        <source>%Ln models available</source>
        <translation>
            <numerusform>%Ln modèle disponible</numerusform>
            <numerusform>%Ln modèles disponibles</numerusform>
        </translation>
    </message>
    <message>
        <source>The model couldn&apos;t be saved: %1</source>
        <translation>Impossible d&apos;enregistrer le modèle&#xa0;: %1</translation>
    </message>
    <message>
        <source>Ollama isn&apos;t running.</source>
        <translation>Ollama ne répond pas.</translation>
    </message>
    <message>
        <source>Ollama isn&apos;t running at %1.</source>
        <translation>Ollama ne répond pas à %1.</translation>
    </message>
    <message>
        <source>No server answered.</source>
        <translation>Aucun serveur n&apos;a répondu.</translation>
    </message>
    <message>
        <source>No server answered at %1.</source>
        <translation>Aucun serveur n&apos;a répondu à %1.</translation>
    </message>
    <message>
        <source>Range: %1</source>
        <translation>Période&#xa0;: %1</translation>
    </message>
    <message numerus="yes">
        <source>%1, %Ln to do</source>
        <translation>
            <numerusform>%1, %Ln à faire</numerusform>
            <numerusform>%1, %Ln à faire</numerusform>
        </translation>
    </message>
    <message>
        <source>Type the whole name of the website, such as wikipedia.org.</source>
        <translation>Saisissez le nom complet du site, comme wikipedia.org.</translation>
    </message>
    <message>
        <source>The key holds a space, an invisible character or a letter outside plain ASCII. Paste it again exactly as your server gave it.</source>
        <translation>La clé contient une espace, un caractère invisible ou une lettre hors de l&apos;ASCII simple. Collez-la à nouveau telle que votre serveur l&apos;a fournie.</translation>
    </message>
    <message>
        <source>The keyring could not be read, so your server is asked without an API key. Type the key again if your server needs one.</source>
        <translation>Le trousseau n&apos;a pas pu être lu&#xa0;: votre serveur est donc interrogé sans clé d&apos;API. Saisissez la clé à nouveau si votre serveur en a besoin.</translation>
    </message>
    <message>
        <source>Your writing memory could not be opened, so it was set aside and %app started a new one.</source>
        <translation>Votre mémoire d&apos;écriture n&apos;a pas pu être ouverte&#xa0;: elle a été mise de côté et %app en a commencé une nouvelle.</translation>
    </message>
    <message>
        <source>%1, converted for llama.cpp by %2</source>
        <translation>%1, converti pour llama.cpp par %2</translation>
    </message>
    <message>
        <source>The data folder %1 could not be made. Check that the folder above it exists and that you may write there.</source>
        <translation>Impossible de créer le dossier de données %1. Vérifiez que le dossier parent existe et que vous pouvez y écrire.</translation>
    </message>
    <message>
        <source>party</source>
        <comment>emoji search sample</comment>
        <translation>fête</translation>
    </message>
    <message numerus="yes">
        <source>%Ln settings held values %app cannot use, so they were corrected and saved.</source>
        <translation>
            <numerusform>%Ln paramètre avait une valeur que %app ne peut pas utiliser&#xa0;: il a été corrigé et enregistré.</numerusform>
            <numerusform>%Ln paramètres avaient des valeurs que %app ne peut pas utiliser&#xa0;: ils ont été corrigés et enregistrés.</numerusform>
        </translation>
    </message>
    <message>
        <source>Your writing memory is not saved: the keyring is missing or locked, so its key cannot be kept.</source>
        <translation>Votre mémoire d&apos;écriture n&apos;est pas enregistrée&#xa0;: le trousseau est absent ou verrouillé, sa clé ne peut donc pas être conservée.</translation>
    </message>
    <message>
        <source>That address isn&apos;t valid</source>
        <translation>Cette adresse n&apos;est pas valide</translation>
    </message>
    <message>
        <source>The request timed out.</source>
        <translation>La requête a expiré.</translation>
    </message>
    <message>
        <source>The server&apos;s reply was too long, so it was stopped.</source>
        <translation>La réponse du serveur était trop longue&#x202f;; elle a été interrompue.</translation>
    </message>
    <message>
        <source>The server answered %1.</source>
        <translation>Le serveur a répondu %1.</translation>
    </message>
    <message>
        <source>The server answered %1: %2</source>
        <translation>Le serveur a répondu %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>The download server answered %1. Try again later.</source>
        <translation>Le serveur de téléchargement a répondu %1. Réessayez plus tard.</translation>
    </message>
    <message>
        <source>The download couldn&apos;t be saved: %1</source>
        <translation>Le téléchargement n&apos;a pas pu être enregistré&#xa0;: %1</translation>
    </message>
    <message>
        <source>The download paused because the connection dropped. Try again to pick up where it stopped.</source>
        <translation>Le téléchargement s&apos;est mis en pause, car la connexion a été coupée. Réessayez pour reprendre là où il s&apos;est arrêté.</translation>
    </message>
    <message>
        <source>The download stopped. Check your connection, then try again.</source>
        <translation>Le téléchargement s&apos;est arrêté. Vérifiez votre connexion, puis réessayez.</translation>
    </message>
    <message>
        <source>Pick an Ollama model in Settings</source>
        <translation>Choisissez un modèle Ollama dans les Paramètres</translation>
    </message>
    <message>
        <source>Pick a model for your local server</source>
        <translation>Choisissez un modèle pour votre serveur local</translation>
    </message>
    <message>
        <source>The server&apos;s answer is not HTTP.</source>
        <translation>La réponse du serveur n&apos;est pas du HTTP.</translation>
    </message>
    <message>
        <source>The data couldn&apos;t be read because it is missing.</source>
        <translation>Les données n&apos;ont pas pu être lues, car elles sont absentes.</translation>
    </message>
    <message>
        <source>The data couldn&apos;t be read because it isn&apos;t in the correct format.</source>
        <translation>Les données n&apos;ont pas pu être lues, car elles ne sont pas au bon format.</translation>
    </message>
    <message>
        <source>:%1:</source>
        <comment>emoji name</comment>
        <translation>:%1:</translation>
    </message>
    <message>
        <source>This computer has no on-device language model.</source>
        <translation>Cet ordinateur ne dispose d&apos;aucun modèle de langage intégré.</translation>
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
        <translation>En pause sur %1</translation>
    </message>
    <message>
        <source>Paused in %1</source>
        <translation>En pause dans %1</translation>
    </message>
    <message>
        <source>Off on %1</source>
        <translation>Désactivé sur %1</translation>
    </message>
    <message>
        <source>Off in %1</source>
        <translation>Désactivé dans %1</translation>
    </message>
    <message>
        <source>Off in %1 by default</source>
        <translation>Désactivé par défaut dans %1</translation>
    </message>
    <message>
        <source>Off in code editors</source>
        <translation>Désactivé dans les éditeurs de code</translation>
    </message>
    <message>
        <source>Off unless turned on per app</source>
        <translation>Désactivé sauf si activé par app</translation>
    </message>
    <message>
        <source>Tab</source>
        <comment>key</comment>
        <translation>Tab</translation>
    </message>
    <message>
        <source>Enter</source>
        <comment>key</comment>
        <translation>Entrée</translation>
    </message>
    <message>
        <source>Esc</source>
        <comment>key</comment>
        <translation>Échap</translation>
    </message>
    <message>
        <source>Del</source>
        <comment>key</comment>
        <translation>Suppr</translation>
    </message>
    <message>
        <source>Space</source>
        <comment>key</comment>
        <translation>Espace</translation>
    </message>
    <message>
        <source>Home</source>
        <comment>key</comment>
        <translation>Début</translation>
    </message>
    <message>
        <source>End</source>
        <comment>key</comment>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Page Up</source>
        <comment>key</comment>
        <translation>Page préc.</translation>
    </message>
    <message>
        <source>Page Down</source>
        <comment>key</comment>
        <translation>Page suiv.</translation>
    </message>
    <message>
        <source>Key %1</source>
        <comment>key</comment>
        <translation>Touche %1</translation>
    </message>
    <message>
        <source>An email reply reads differently from a commit message.</source>
        <translation>Une réponse à un e-mail ne s&apos;écrit pas comme un message de commit.</translation>
    </message>
    <message>
        <source>Writes straight into the field. Cleanest in GTK and Qt apps.</source>
        <translation>Écrit directement dans le champ. Plus propre dans les apps GTK et Qt.</translation>
    </message>
    <message>
        <source>Typing</source>
        <comment>insertion method</comment>
        <translation>Frappe</translation>
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
            <numerusform>%Ln mot économisé aujourd&apos;hui</numerusform>
            <numerusform>%Ln mots économisés aujourd&apos;hui</numerusform>
        </translation>
    </message>
    <message>
        <source>Under a minute of typing saved today.</source>
        <translation>Vous avez économisé moins d&apos;une minute de frappe aujourd&apos;hui.</translation>
    </message>
    <message>
        <source>About %1 of typing saved today.</source>
        <translation>Vous avez économisé environ %1 de frappe aujourd&apos;hui.</translation>
    </message>
    <message numerus="yes">
        <source>Step %1 of %Ln</source>
        <translation>
            <numerusform>Étape %1 sur %Ln</numerusform>
            <numerusform>Étape %1 sur %Ln</numerusform>
        </translation>
    </message>
    <message>
        <source>%app reads and types into text fields through the desktop&apos;s accessibility support, which some desktops leave off. %app uses it only for the field you&apos;re writing in.</source>
        <translation>%app lit les champs de texte et y écrit grâce à l&apos;accessibilité du bureau, que certains bureaux laissent désactivée. %app ne s&apos;en sert que pour le champ où vous écrivez.</translation>
    </message>
    <message>
        <source>The button switches the desktop&apos;s accessibility support on. If the desktop&apos;s settings open instead, turn accessibility on there, then come back. This page updates by itself.</source>
        <translation>Le bouton active l&apos;accessibilité du bureau. Si les réglages du bureau s&apos;ouvrent à la place, activez-y l&apos;accessibilité, puis revenez. Cette page se met à jour d&apos;elle-même.</translation>
    </message>
    <message>
        <source>Still off? Some desktops start their accessibility service only when you log in. Log out and back in, then try again.</source>
        <translation>Toujours désactivée&#x202f;? Certains bureaux ne lancent leur service d&apos;accessibilité qu&apos;à l&apos;ouverture de session. Déconnectez-vous, reconnectez-vous, puis réessayez.</translation>
    </message>
    <message>
        <source>Pause</source>
        <comment>section header</comment>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Pause</source>
        <comment>button</comment>
        <translation>Mettre en pause</translation>
    </message>
    <message>
        <source>typing</source>
        <comment>insertion method, in a sentence</comment>
        <translation>frappe</translation>
    </message>
    <message>
        <source>accessibility</source>
        <comment>insertion method, in a sentence</comment>
        <translation>accessibilité</translation>
    </message>
    <message>
        <source>paste</source>
        <comment>insertion method, in a sentence</comment>
        <translation>collage</translation>
    </message>
    <message>
        <source>short</source>
        <comment>suggestion length, in a sentence</comment>
        <translation>courtes</translation>
    </message>
    <message>
        <source>medium</source>
        <comment>suggestion length, in a sentence</comment>
        <translation>moyennes</translation>
    </message>
    <message>
        <source>long</source>
        <comment>suggestion length, in a sentence</comment>
        <translation>longues</translation>
    </message>
    <message>
        <source>Default follows General: %1, %2 suggestions.</source>
        <translation>Par défaut, comme dans «&#xa0;Général&#xa0;»&#xa0;: %1, suggestions %2.</translation>
    </message>
    <message>
        <source>Yes, at %1, %2 on screen, %3 pt tall, %4 and %5</source>
        <translation>Oui, à %1, %2 à l&apos;écran, %3 pt de haut, %4 et %5</translation>
    </message>
    <message numerus="yes">
        <source>%Ln characters before it</source>
        <translation>
            <numerusform>%Ln caractère avant</numerusform>
            <numerusform>%Ln caractères avant</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln after</source>
        <comment>characters after the caret</comment>
        <translation>
            <numerusform>%Ln après</numerusform>
            <numerusform>%Ln après</numerusform>
        </translation>
    </message>
    <message>
        <source>No system tray runs on this desktop, so the icon cannot show. %1</source>
        <translation>Aucune zone de notification ne fonctionne sur ce bureau, l&apos;icône ne peut donc pas s&apos;afficher. %1</translation>
    </message>
    <message>
        <source>Typing</source>
        <comment>section header</comment>
        <translation>Frappe</translation>
    </message>
    <message>
        <source>Switch to the computer&apos;s language?</source>
        <translation>Passer à la langue de l&apos;ordinateur&#x202f;?</translation>
    </message>
    <message numerus="yes">
        <source>%Ln words this week.</source>
        <translation>
            <numerusform>%Ln mot cette semaine.</numerusform>
            <numerusform>%Ln mots cette semaine.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Under a minute of typing saved today. %Ln words this week.</source>
        <translation>
            <numerusform>Vous avez économisé moins d&apos;une minute de frappe aujourd&apos;hui. %Ln mot cette semaine.</numerusform>
            <numerusform>Vous avez économisé moins d&apos;une minute de frappe aujourd&apos;hui. %Ln mots cette semaine.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>About %1 of typing saved today. %Ln words this week.</source>
        <translation>
            <numerusform>Vous avez économisé environ %1 de frappe aujourd&apos;hui. %Ln mot cette semaine.</numerusform>
            <numerusform>Vous avez économisé environ %1 de frappe aujourd&apos;hui. %Ln mots cette semaine.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>screen-reader name: a day of the week, then the words saved that day</comment>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message numerus="yes">
        <source>%Ln of %1 done</source>
        <translation>
            <numerusform>%Ln sur %1 terminé</numerusform>
            <numerusform>%Ln sur %1 terminés</numerusform>
        </translation>
    </message>
    <message>
        <source>The server refused the connection. Check that it is running and that the address is right.</source>
        <translation>Le serveur a refusé la connexion. Vérifiez qu&apos;il est lancé et que l&apos;adresse est correcte.</translation>
    </message>
    <message>
        <source>The server&apos;s name couldn&apos;t be found. Check the address.</source>
        <translation>Le nom du serveur est introuvable. Vérifiez l&apos;adresse.</translation>
    </message>
    <message>
        <source>A secure connection to the server couldn&apos;t be made.</source>
        <translation>Impossible d&apos;établir une connexion sécurisée avec le serveur.</translation>
    </message>
    <message>
        <source>The server closed the connection before it answered.</source>
        <translation>Le serveur a fermé la connexion avant de répondre.</translation>
    </message>
    <message>
        <source>The network proxy couldn&apos;t be reached.</source>
        <translation>Le proxy réseau est injoignable.</translation>
    </message>
    <message>
        <source>The server couldn&apos;t be reached.</source>
        <translation>Le serveur est injoignable.</translation>
    </message>
    <message>
        <source>Waiting for the network…</source>
        <translation>En attente du réseau…</translation>
    </message>
    <message>
        <source>%1 is taken by another program.</source>
        <translation>%1 est déjà utilisé par un autre programme.</translation>
    </message>
    <message>
        <source>%1 could not open again. Your choice takes effect the next time you start it.</source>
        <translation>%1 n&apos;a pas pu se rouvrir. Votre choix prendra effet au prochain démarrage.</translation>
    </message>
    <message>
        <source>Downloading the model</source>
        <translation>Téléchargement du modèle</translation>
    </message>
    <message numerus="yes">
        <source>These apps answer the Tab key before %app can, so %app stays paused in your other apps until they quit.</source>
        <translation>
            <numerusform>Ces apps répondent à la touche Tab avant %app, donc %app reste en pause dans vos autres apps jusqu&apos;à ce qu&apos;elles se ferment.</numerusform>
            <numerusform>Ces apps répondent à la touche Tab avant %app, donc %app reste en pause dans vos autres apps jusqu&apos;à ce qu&apos;elles se ferment.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>It may be waiting on a dialog of its own. Force Quit closes it right away.</source>
        <translation>
            <numerusform>Il attend peut-être une boîte de dialogue qui lui est propre. «&#xa0;Forcer à quitter&#xa0;» le ferme immédiatement.</numerusform>
            <numerusform>Ils attendent peut-être leurs propres boîtes de dialogue. «&#xa0;Forcer à quitter&#xa0;» les ferme immédiatement.</numerusform>
        </translation>
    </message>
    <message>
        <source>Set a Suggest Now shortcut in Keys to ask for suggestions</source>
        <translation>Définissez un raccourci «&#xa0;Suggérer maintenant&#xa0;» dans «&#xa0;Touches&#xa0;» pour demander des suggestions</translation>
    </message>
    <message>
        <source>Backspace</source>
        <comment>key above Enter that deletes backwards</comment>
        <translation>Retour arrière</translation>
    </message>
    <message>
        <source>0 words saved today</source>
        <translation>0 mot économisé aujourd&apos;hui</translation>
    </message>
    <message>
        <source>words saved today</source>
        <comment>beside the count 0</comment>
        <translation>mot économisé aujourd&apos;hui</translation>
    </message>
    <message>
        <source>Quit the other app</source>
        <translation>Quitter l&apos;autre app</translation>
    </message>
    <message>
        <source>None yet</source>
        <comment>no app looked at yet</comment>
        <translation>Aucune pour l&apos;instant</translation>
    </message>
    <message>
        <source>None yet</source>
        <comment>no suggestion shown yet</comment>
        <translation>Aucune pour l&apos;instant</translation>
    </message>
    <message>
        <source>The other app is also running</source>
        <translation>L&apos;autre app est aussi ouverte</translation>
    </message>
    <message>
        <source>Both apps answer the Tab key, and the system gives it to the other app first. %app stays paused in your other apps until the other app quits.</source>
        <translation>Les deux apps répondent à la touche Tab, et le système la donne d&apos;abord à l&apos;autre app. %app reste en pause dans vos autres apps jusqu&apos;à ce que l&apos;autre app se ferme.</translation>
    </message>
    <message>
        <source>The other app is still open</source>
        <translation>L&apos;autre app est toujours ouverte</translation>
    </message>
    <message>
        <source>The other app quit, so your suggestions are back in every app.</source>
        <translation>L&apos;autre app s&apos;est fermée&#xa0;: vos suggestions sont de retour dans toutes les apps.</translation>
    </message>
    <message>
        <source>The other app quit. %app has the Tab key.</source>
        <translation>L&apos;autre app s&apos;est fermée. %app a la touche Tab.</translation>
    </message>
</context>
</TS>
