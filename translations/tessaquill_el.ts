<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="el" sourcelanguage="en">
<context>
    <name>Tessaquill</name>
    <message>
        <source>Accessibility is on. %app is ready in your other apps.</source>
        <translation>Η προσβασιμότητα είναι ενεργή. Το %app είναι έτοιμο στις άλλες εφαρμογές σας.</translation>
    </message>
    <message>
        <source>Paused while %1 is open</source>
        <translation>Σε παύση όσο είναι ανοιχτό το %1</translation>
    </message>
    <message>
        <source>Welcome to %app</source>
        <translation>Καλώς ήρθατε στο %app</translation>
    </message>
    <message>
        <source>%app</source>
        <translation>%app</translation>
    </message>
    <message>
        <source>Another autocomplete app is running</source>
        <translation>Εκτελείται άλλη εφαρμογή αυτόματης συμπλήρωσης</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Έτοιμο</translation>
    </message>
    <message>
        <source>Waiting for a pause</source>
        <translation>Αναμονή για παύση</translation>
    </message>
    <message>
        <source>Thinking</source>
        <translation>Σκέφτεται</translation>
    </message>
    <message>
        <source>Showing a suggestion</source>
        <translation>Εμφάνιση πρότασης</translation>
    </message>
    <message>
        <source>The model took too long to answer</source>
        <translation>Το μοντέλο άργησε πολύ να απαντήσει</translation>
    </message>
    <message>
        <source>This app doesn&apos;t report where the caret is</source>
        <translation>Αυτή η εφαρμογή δεν αναφέρει πού βρίσκεται ο δρομέας</translation>
    </message>
    <message>
        <source>%app is turned off</source>
        <translation>Το %app είναι απενεργοποιημένο</translation>
    </message>
    <message>
        <source>Secure input is on, so %app stays out</source>
        <translation>Η ασφαλής εισαγωγή είναι ενεργή, οπότε το %app μένει έξω</translation>
    </message>
    <message>
        <source>Press %1 for a suggestion</source>
        <translation>Πατήστε %1 για πρόταση</translation>
    </message>
    <message>
        <source>Text is selected</source>
        <translation>Υπάρχει επιλεγμένο κείμενο</translation>
    </message>
    <message>
        <source>The caret is inside existing text</source>
        <translation>Ο δρομέας είναι μέσα σε υπάρχον κείμενο</translation>
    </message>
    <message>
        <source>This field is too small</source>
        <translation>Αυτό το πεδίο είναι πολύ μικρό</translation>
    </message>
    <message>
        <source>Waiting for a few characters</source>
        <translation>Αναμονή για μερικούς χαρακτήρες</translation>
    </message>
    <message>
        <source>Start of a new line</source>
        <translation>Αρχή νέας γραμμής</translation>
    </message>
    <message>
        <source>The model is still downloading</source>
        <translation>Η λήψη του μοντέλου δεν έχει ολοκληρωθεί</translation>
    </message>
    <message>
        <source>Download the %app model in Settings first</source>
        <translation>Κάντε πρώτα λήψη του μοντέλου %app στις Ρυθμίσεις</translation>
    </message>
    <message>
        <source>Not checked yet</source>
        <translation>Δεν έχει ελεγχθεί ακόμα</translation>
    </message>
    <message>
        <source>Checking…</source>
        <translation>Έλεγχος…</translation>
    </message>
    <message>
        <source>The model stopped with error %1</source>
        <translation>Το μοντέλο σταμάτησε με σφάλμα %1</translation>
    </message>
    <message>
        <source>The model file couldn&apos;t be loaded</source>
        <translation>Δεν ήταν δυνατή η φόρτωση του αρχείου μοντέλου</translation>
    </message>
    <message>
        <source>There wasn&apos;t enough memory to start the model</source>
        <translation>Δεν υπήρχε αρκετή μνήμη για την εκκίνηση του μοντέλου</translation>
    </message>
    <message>
        <source>The text couldn&apos;t be prepared for the model</source>
        <translation>Δεν ήταν δυνατή η προετοιμασία του κειμένου για το μοντέλο</translation>
    </message>
    <message>
        <source>This computer needs %1 free for the download. Free up some space, then try again.</source>
        <translation>Ο υπολογιστής χρειάζεται %1 ελεύθερο χώρο για τη λήψη. Ελευθερώστε χώρο και δοκιμάστε ξανά.</translation>
    </message>
    <message>
        <source>The download didn&apos;t match the expected file, so it was deleted. Try again.</source>
        <translation>Το αρχείο της λήψης δεν ταίριαζε με το αναμενόμενο και διαγράφηκε. Δοκιμάστε ξανά.</translation>
    </message>
    <message>
        <source>Downloaded</source>
        <translation>Ελήφθη</translation>
    </message>
    <message>
        <source>Downloading. Suggestions start once it&apos;s done.</source>
        <translation>Λήψη σε εξέλιξη. Οι προτάσεις ξεκινούν μόλις ολοκληρωθεί.</translation>
    </message>
    <message>
        <source>Checking the download.</source>
        <translation>Έλεγχος της λήψης.</translation>
    </message>
    <message>
        <source>Checking the download. Suggestions start once it&apos;s done.</source>
        <translation>Έλεγχος της λήψης. Οι προτάσεις ξεκινούν μόλις ολοκληρωθεί.</translation>
    </message>
    <message>
        <source>Download the model to start</source>
        <translation>Κάντε λήψη του μοντέλου για να ξεκινήσετε</translation>
    </message>
    <message>
        <source>Ollama is running but has no models</source>
        <translation>Το Ollama εκτελείται αλλά δεν έχει μοντέλα</translation>
    </message>
    <message>
        <source>Another app</source>
        <translation>Άλλη εφαρμογή</translation>
    </message>
    <message>
        <source>There is no D-Bus session bus, so %1 cannot reach text fields.</source>
        <translation>Δεν υπάρχει δίαυλος συνεδρίας D-Bus, οπότε το %1 δεν έχει πρόσβαση στα πεδία κειμένου.</translation>
    </message>
    <message>
        <source>The desktop&apos;s accessibility bus is not running, so %1 cannot reach text fields.</source>
        <translation>Ο δίαυλος προσβασιμότητας της επιφάνειας εργασίας δεν εκτελείται, οπότε το %1 δεν έχει πρόσβαση στα πεδία κειμένου.</translation>
    </message>
    <message>
        <source>Short</source>
        <translation>Σύντομες</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Μεσαίες</translation>
    </message>
    <message>
        <source>Long</source>
        <translation>Μεγάλες</translation>
    </message>
    <message>
        <source>Hide the suggestion</source>
        <translation>Απόκρυψη της πρότασης</translation>
    </message>
    <message>
        <source>Hide suggestions until I change fields</source>
        <translation>Απόκρυψη προτάσεων μέχρι να αλλάξω πεδίο</translation>
    </message>
    <message>
        <source>Do nothing, send Escape to the app</source>
        <translation>Καμία ενέργεια, αποστολή του Escape στην εφαρμογή</translation>
    </message>
    <message>
        <source>Type it</source>
        <translation>Πληκτρολόγηση</translation>
    </message>
    <message>
        <source>Insert through Accessibility</source>
        <translation>Εισαγωγή μέσω προσβασιμότητας</translation>
    </message>
    <message>
        <source>Paste it</source>
        <translation>Επικόλληση</translation>
    </message>
    <message>
        <source>Grey</source>
        <translation>Γκρι</translation>
    </message>
    <message>
        <source>Gold tint</source>
        <translation>Χρυσή απόχρωση</translation>
    </message>
    <message>
        <source>%app model</source>
        <translation>Μοντέλο %app</translation>
    </message>
    <message>
        <source>Ollama</source>
        <translation>Ollama</translation>
    </message>
    <message>
        <source>Local server</source>
        <translation>Τοπικός διακομιστής</translation>
    </message>
    <message>
        <source>Runs on this computer after a one-time download. Works offline.</source>
        <translation>Εκτελείται σε αυτόν τον υπολογιστή μετά από μία λήψη. Λειτουργεί εκτός σύνδεσης.</translation>
    </message>
    <message>
        <source>Any model you run in Ollama, base models included.</source>
        <translation>Οποιοδήποτε μοντέλο εκτελείτε στο Ollama, και βασικά μοντέλα.</translation>
    </message>
    <message>
        <source>LM Studio, llama-server or any OpenAI-compatible endpoint.</source>
        <translation>LM Studio, llama-server ή οποιοδήποτε endpoint συμβατό με OpenAI.</translation>
    </message>
    <message>
        <source>Sends the text as keystrokes. Works almost everywhere.</source>
        <translation>Στέλνει το κείμενο ως πατήματα πλήκτρων. Λειτουργεί σχεδόν παντού.</translation>
    </message>
    <message>
        <source>Uses the clipboard, then puts your clipboard back.</source>
        <translation>Χρησιμοποιεί το πρόχειρο και μετά επαναφέρει το περιεχόμενό του.</translation>
    </message>
    <message>
        <source>Accessibility</source>
        <translation>Προσβασιμότητα</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Επικόλληση</translation>
    </message>
    <message>
        <source>Your writing memory could not be opened and was set aside. Nothing new is remembered until %app starts again.</source>
        <translation>Δεν ήταν δυνατό το άνοιγμα της μνήμης γραφής και τέθηκε στην άκρη. Τίποτα νέο δεν απομνημονεύεται μέχρι να ξεκινήσει ξανά το %app.</translation>
    </message>
    <message>
        <source>Your writing memory could not be opened because its key could not be read from the keyring. Nothing new is remembered until %app starts again.</source>
        <translation>Δεν ήταν δυνατό το άνοιγμα της μνήμης γραφής, επειδή το κλειδί της δεν διαβάστηκε από την κλειδοθήκη. Τίποτα νέο δεν απομνημονεύεται μέχρι να ξεκινήσει ξανά το %app.</translation>
    </message>
    <message>
        <source>Not Now</source>
        <translation>Όχι τώρα</translation>
    </message>
    <message>
        <source>Open the desktop&apos;s settings</source>
        <translation>Άνοιγμα ρυθμίσεων επιφάνειας εργασίας</translation>
    </message>
    <message>
        <source>Don&apos;t remind me again</source>
        <translation>Να μην ξαναεμφανιστεί</translation>
    </message>
    <message>
        <source>Open Playground</source>
        <translation>Άνοιγμα πεδίου εξάσκησης</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ρυθμίσεις</translation>
    </message>
    <message>
        <source>Quit %app</source>
        <translation>Έξοδος από το %app</translation>
    </message>
    <message>
        <source>Needs Accessibility access</source>
        <translation>Χρειάζεται πρόσβαση προσβασιμότητας</translation>
    </message>
    <message>
        <source>Paused until you resume</source>
        <translation>Σε παύση μέχρι να συνεχίσετε</translation>
    </message>
    <message>
        <source>Paused until %1</source>
        <translation>Σε παύση έως %1</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Ανενεργό</translation>
    </message>
    <message numerus="yes">
        <source>Paused while %1 are open</source>
        <translation>
            <numerusform>Σε παύση όσο είναι ανοιχτό το %1</numerusform>
            <numerusform>Σε παύση όσο είναι ανοιχτά: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Grant Accessibility Access…</source>
        <translation>Παραχώρηση πρόσβασης προσβασιμότητας…</translation>
    </message>
    <message numerus="yes">
        <source>Force Quit %1</source>
        <translation>
            <numerusform>Αναγκαστικός τερματισμός: %1</numerusform>
            <numerusform>Αναγκαστικός τερματισμός: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Quit %1</source>
        <translation>
            <numerusform>Τερματισμός: %1</numerusform>
            <numerusform>Τερματισμός: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>words saved today</source>
        <translation>
            <numerusform>λέξη που γλιτώσατε σήμερα</numerusform>
            <numerusform>λέξεις που γλιτώσατε σήμερα</numerusform>
        </translation>
    </message>
    <message>
        <source>Start typing anywhere. %app keeps count here.</source>
        <translation>Ξεκινήστε να πληκτρολογείτε οπουδήποτε. Το %app μετράει εδώ.</translation>
    </message>
    <message>
        <source>Resume in %1</source>
        <translation>Συνέχιση στο %1</translation>
    </message>
    <message>
        <source>Pause in %1</source>
        <translation>Παύση στο %1</translation>
    </message>
    <message>
        <source>Resume Everywhere</source>
        <translation>Συνέχιση παντού</translation>
    </message>
    <message>
        <source>Pause Everywhere</source>
        <translation>Παύση παντού</translation>
    </message>
    <message>
        <source>For 15 Minutes</source>
        <translation>Για 15 λεπτά</translation>
    </message>
    <message>
        <source>For 1 Hour</source>
        <translation>Για 1 ώρα</translation>
    </message>
    <message>
        <source>For 4 Hours</source>
        <translation>Για 4 ώρες</translation>
    </message>
    <message>
        <source>Until I Resume</source>
        <translation>Μέχρι να συνεχίσω</translation>
    </message>
    <message>
        <source>Example: after typing %1, %2 suggests %3</source>
        <translation>Παράδειγμα: μετά το «%1», το %2 προτείνει «%3»</translation>
    </message>
    <message>
        <source>takes the next word</source>
        <translation>παίρνει την επόμενη λέξη</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Λήψη</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Ακύρωση</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 από %2</translation>
    </message>
    <message>
        <source>%1 of %2. You can keep writing while it downloads.</source>
        <translation>%1 από %2. Μπορείτε να συνεχίσετε να γράφετε όσο γίνεται η λήψη.</translation>
    </message>
    <message>
        <source>Checking the download</source>
        <translation>Έλεγχος της λήψης</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Επανάληψη</translation>
    </message>
    <message>
        <source>Remove…</source>
        <translation>Κατάργηση…</translation>
    </message>
    <message>
        <source>%1 license</source>
        <translation>Άδεια %1</translation>
    </message>
    <message>
        <source>Remove the %app model?</source>
        <translation>Κατάργηση του μοντέλου %app;</translation>
    </message>
    <message>
        <source>Model download</source>
        <translation>Λήψη μοντέλου</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Κατάργηση</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Συνέχεια</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Αργότερα</translation>
    </message>
    <message>
        <source>Start Writing</source>
        <translation>Ξεκινήστε να γράφετε</translation>
    </message>
    <message>
        <source>Finish your sentences in any app.</source>
        <translation>Ολοκληρώνει τις φράσεις σας σε κάθε εφαρμογή.</translation>
    </message>
    <message>
        <source>%app reads the words before your caret and suggests what comes next in grey. Press Tab to take one word, or the key above Tab to take the rest. If you don&apos;t want it, keep typing.</source>
        <translation>Το %app διαβάζει τις λέξεις πριν από τον δρομέα και προτείνει με γκρι τη συνέχεια. Πατήστε Tab για μία λέξη ή το πλήκτρο πάνω από το Tab για τις υπόλοιπες. Αν δεν τη θέλετε, συνεχίστε να πληκτρολογείτε.</translation>
    </message>
    <message>
        <source>Sees what you see</source>
        <translation>Βλέπει ό,τι βλέπετε</translation>
    </message>
    <message>
        <source>Private</source>
        <translation>Ιδιωτικό</translation>
    </message>
    <message>
        <source>It reads the window you&apos;re typing in, like the chat you&apos;re answering, so suggestions fit. None of it goes online, to us or any server. It stays private on your computer.</source>
        <translation>Διαβάζει το παράθυρο όπου πληκτρολογείτε, π.χ. τη συνομιλία στην οποία απαντάτε, ώστε οι προτάσεις να ταιριάζουν. Τίποτα δεν βγαίνει στο διαδίκτυο, ούτε σε εμάς ούτε σε κάποιον διακομιστή. Μένει ιδιωτικά στον υπολογιστή σας.</translation>
    </message>
    <message>
        <source>Accessibility is on</source>
        <translation>Η προσβασιμότητα είναι ενεργή</translation>
    </message>
    <message>
        <source>%app can now read the field you&apos;re writing in and type suggestions for you.</source>
        <translation>Το %app μπορεί τώρα να διαβάζει το πεδίο όπου γράφετε και να πληκτρολογεί προτάσεις για εσάς.</translation>
    </message>
    <message>
        <source>Let %app see what you type.</source>
        <translation>Επιτρέψτε στο %app να βλέπει τι πληκτρολογείτε.</translation>
    </message>
    <message>
        <source>%app reads your text when you pause and forgets it after one suggestion, unless you turn on writing memory.</source>
        <translation>Το %app διαβάζει το κείμενό σας όταν σταματάτε και το ξεχνά μετά από μία πρόταση, εκτός αν ενεργοποιήσετε τη μνήμη γραφής.</translation>
    </message>
    <message>
        <source>%app skips password fields and anything else the system marks as secure.</source>
        <translation>Το %app παραλείπει τα πεδία κωδικών και ό,τι άλλο το σύστημα χαρακτηρίζει ως ασφαλές.</translation>
    </message>
    <message>
        <source>Open Accessibility Settings</source>
        <translation>Άνοιγμα ρυθμίσεων προσβασιμότητας</translation>
    </message>
    <message>
        <source>Pick what writes your suggestions.</source>
        <translation>Επιλέξτε τη μηχανή που θα γράφει τις προτάσεις σας.</translation>
    </message>
    <message>
        <source>You can change this any time in Settings.</source>
        <translation>Μπορείτε να το αλλάξετε όποτε θέλετε στις Ρυθμίσεις.</translation>
    </message>
    <message>
        <source>Give it a try.</source>
        <translation>Δοκιμάστε το.</translation>
    </message>
    <message>
        <source>Start typing a sentence. When grey words appear, press Tab for one word or the key above Tab for all of them.</source>
        <translation>Ξεκινήστε να πληκτρολογείτε μια φράση. Όταν εμφανιστούν γκρι λέξεις, πατήστε Tab για μία λέξη ή το πλήκτρο πάνω από το Tab για όλες.</translation>
    </message>
    <message>
        <source>Hi Orlenn, thanks for the quick reply. I think we should</source>
        <translation>Γεια σου Orlenn, ευχαριστώ για τη γρήγορη απάντηση. Νομίζω ότι πρέπει να</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Πίσω</translation>
    </message>
    <message>
        <source>Practice field</source>
        <translation>Πεδίο εξάσκησης</translation>
    </message>
    <message>
        <source>Default, on</source>
        <translation>Προεπιλογή, ενεργό</translation>
    </message>
    <message>
        <source>Default, off</source>
        <translation>Προεπιλογή, ανενεργό</translation>
    </message>
    <message>
        <source>Add a website</source>
        <translation>Προσθήκη ιστότοπου</translation>
    </message>
    <message>
        <source>Domain</source>
        <translation>Τομέας</translation>
    </message>
    <message>
        <source>Rules for a site apply in any browser %app can read.</source>
        <translation>Οι κανόνες ενός ιστότοπου ισχύουν σε κάθε πρόγραμμα περιήγησης που μπορεί να διαβάσει το %app.</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Προσθήκη</translation>
    </message>
    <message>
        <source>Add App…</source>
        <translation>Προσθήκη εφαρμογής…</translation>
    </message>
    <message>
        <source>Add an app</source>
        <translation>Προσθήκη εφαρμογής</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Αναζήτηση</translation>
    </message>
    <message>
        <source>Clear search</source>
        <translation>Εκκαθάριση αναζήτησης</translation>
    </message>
    <message>
        <source>Add an app or website</source>
        <translation>Προσθήκη εφαρμογής ή ιστότοπου</translation>
    </message>
    <message>
        <source>Add Website…</source>
        <translation>Προσθήκη ιστότοπου…</translation>
    </message>
    <message>
        <source>Apps &amp; Sites</source>
        <translation>Εφαρμογές και ιστότοποι</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Σε παύση</translation>
    </message>
    <message>
        <source>Apps</source>
        <translation>Εφαρμογές</translation>
    </message>
    <message>
        <source>Websites</source>
        <translation>Ιστότοποι</translation>
    </message>
    <message>
        <source>No matches</source>
        <translation>Δεν βρέθηκαν αποτελέσματα</translation>
    </message>
    <message>
        <source>No apps yet</source>
        <translation>Δεν υπάρχουν εφαρμογές ακόμα</translation>
    </message>
    <message>
        <source>Nothing matches “%1”.</source>
        <translation>Τίποτα δεν ταιριάζει με «%1».</translation>
    </message>
    <message>
        <source>Apps appear here once you accept a suggestion in them, or add one with +.</source>
        <translation>Οι εφαρμογές εμφανίζονται εδώ μόλις αποδεχτείτε μια πρόταση σε αυτές, ή προσθέστε μία με το +.</translation>
    </message>
    <message>
        <source>Pick an app or site</source>
        <translation>Επιλέξτε εφαρμογή ή ιστότοπο</translation>
    </message>
    <message>
        <source>Each one can have its own rules. Anything you don&apos;t change follows General.</source>
        <translation>Καθένα μπορεί να έχει δικούς του κανόνες. Ό,τι δεν αλλάξετε ακολουθεί την ενότητα «Γενικά».</translation>
    </message>
    <message>
        <source>Words saved here</source>
        <translation>Λέξεις που γλιτώσατε εδώ</translation>
    </message>
    <message>
        <source>Suggestions</source>
        <translation>Προτάσεις</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Ενεργό</translation>
    </message>
    <message>
        <source>Tab accepts suggestions</source>
        <translation>Το Tab αποδέχεται προτάσεις</translation>
    </message>
    <message>
        <source>Turn off where Tab already means something, like indenting. The other accept key still works.</source>
        <translation>Απενεργοποιήστε το όπου το Tab ήδη κάνει κάτι, π.χ. εσοχή. Το άλλο πλήκτρο αποδοχής εξακολουθεί να λειτουργεί.</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Προεπιλογή</translation>
    </message>
    <message>
        <source>Insert by</source>
        <translation>Εισαγωγή με</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Μήκος</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Συνέχιση</translation>
    </message>
    <message>
        <source>Pause here</source>
        <translation>Παύση εδώ</translation>
    </message>
    <message>
        <source>Memory</source>
        <translation>Μνήμη</translation>
    </message>
    <message>
        <source>Remember my writing here</source>
        <translation>Απομνημόνευση του τρόπου που γράφω εδώ</translation>
    </message>
    <message>
        <source>Writing memory is off in Your Voice.</source>
        <translation>Η μνήμη γραφής είναι απενεργοποιημένη στην ενότητα «Το ύφος σας».</translation>
    </message>
    <message>
        <source>Erase…</source>
        <translation>Διαγραφή…</translation>
    </message>
    <message>
        <source>Reset to Defaults</source>
        <translation>Επαναφορά προεπιλογών</translation>
    </message>
    <message>
        <source>Erase what %app remembered from %1?</source>
        <translation>Διαγραφή όσων απομνημόνευσε το %app από το %1;</translation>
    </message>
    <message>
        <source>Erase</source>
        <translation>Διαγραφή</translation>
    </message>
    <message>
        <source>Passages from this app can shape suggestions everywhere.</source>
        <translation>Αποσπάσματα από αυτή την εφαρμογή μπορούν να επηρεάζουν τις προτάσεις παντού.</translation>
    </message>
    <message>
        <source>Finish setting up</source>
        <translation>Ολοκληρώστε τη ρύθμιση</translation>
    </message>
    <message>
        <source>Setup progress</source>
        <translation>Πρόοδος ρύθμισης</translation>
    </message>
    <message>
        <source>Done: %1</source>
        <translation>Ολοκληρώθηκε: %1</translation>
    </message>
    <message>
        <source>Best day yet!</source>
        <translation>Η καλύτερη μέρα σας μέχρι τώρα!</translation>
    </message>
    <message>
        <source>Try it here</source>
        <translation>Δοκιμάστε το εδώ</translation>
    </message>
    <message>
        <source>Thanks for sending the draft over. I had a look and</source>
        <translation>Ευχαριστώ που έστειλες το προσχέδιο. Το κοίταξα και</translation>
    </message>
    <message>
        <source>next word</source>
        <translation>επόμενη λέξη</translation>
    </message>
    <message>
        <source>whole suggestion</source>
        <translation>όλη η πρόταση</translation>
    </message>
    <message>
        <source>hide it</source>
        <translation>απόκρυψη</translation>
    </message>
    <message>
        <source>This field runs the real engine. Start typing and grey words show up as you go.</source>
        <translation>Αυτό το πεδίο χρησιμοποιεί την πραγματική μηχανή. Ξεκινήστε να πληκτρολογείτε και οι γκρι λέξεις θα εμφανίζονται στην πορεία.</translation>
    </message>
    <message>
        <source>This field runs the real engine, even before you allow Accessibility. Start typing and grey words show up as you go.</source>
        <translation>Αυτό το πεδίο χρησιμοποιεί την πραγματική μηχανή, ακόμα και πριν επιτρέψετε την προσβασιμότητα. Ξεκινήστε να πληκτρολογείτε και οι γκρι λέξεις θα εμφανίζονται στην πορεία.</translation>
    </message>
    <message>
        <source>You&apos;re all set</source>
        <translation>Όλα έτοιμα</translation>
    </message>
    <message>
        <source>Accessibility is on and %1 is ready. %app works in every app you type in.</source>
        <translation>Η προσβασιμότητα είναι ενεργή και το %1 είναι έτοιμο. Το %app λειτουργεί σε κάθε εφαρμογή όπου πληκτρολογείτε.</translation>
    </message>
    <message>
        <source>Waiting for %1 to quit</source>
        <translation>Αναμονή για τερματισμό: %1</translation>
    </message>
    <message>
        <source>Turned off</source>
        <translation>Απενεργοποιημένο</translation>
    </message>
    <message>
        <source>Paused everywhere</source>
        <translation>Σε παύση παντού</translation>
    </message>
    <message>
        <source>%1, %2 typical wait</source>
        <translation>%1, τυπική αναμονή %2</translation>
    </message>
    <message>
        <source>Start your streak today.</source>
        <translation>Ξεκινήστε το σερί σας σήμερα.</translation>
    </message>
    <message>
        <source>Overview</source>
        <translation>Επισκόπηση</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Γενικά</translation>
    </message>
    <message>
        <source>Engine</source>
        <translation>Μηχανή</translation>
    </message>
    <message>
        <source>Context</source>
        <translation>Συμφραζόμενα</translation>
    </message>
    <message>
        <source>Your Voice</source>
        <translation>Το ύφος σας</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Πλήκτρα</translation>
    </message>
    <message>
        <source>Emoji</source>
        <translation>Emoji</translation>
    </message>
    <message>
        <source>Battery</source>
        <translation>Μπαταρία</translation>
    </message>
    <message>
        <source>Insights</source>
        <translation>Στατιστικά</translation>
    </message>
    <message>
        <source>Field Inspector</source>
        <translation>Επιθεωρητής πεδίων</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Πληροφορίες</translation>
    </message>
    <message>
        <source>How %app is doing today</source>
        <translation>Πώς τα πάει σήμερα το %app</translation>
    </message>
    <message>
        <source>Where and how suggestions appear</source>
        <translation>Πού και πώς εμφανίζονται οι προτάσεις</translation>
    </message>
    <message>
        <source>The model that writes your suggestions</source>
        <translation>Το μοντέλο που γράφει τις προτάσεις σας</translation>
    </message>
    <message>
        <source>What %app may look at to guess better</source>
        <translation>Τι μπορεί να βλέπει το %app για να μαντεύει καλύτερα</translation>
    </message>
    <message>
        <source>Help suggestions sound like you</source>
        <translation>Προτάσεις που ακούγονται σαν εσάς</translation>
    </message>
    <message>
        <source>Accept, dismiss and summon suggestions</source>
        <translation>Αποδοχή, απόρριψη και κλήση προτάσεων</translation>
    </message>
    <message>
        <source>Emoji search and emoticons</source>
        <translation>Αναζήτηση emoji και emoticon</translation>
    </message>
    <message>
        <source>Rules for each app and website</source>
        <translation>Κανόνες για κάθε εφαρμογή και ιστότοπο</translation>
    </message>
    <message>
        <source>Save power when you&apos;re unplugged</source>
        <translation>Εξοικονόμηση ενέργειας εκτός πρίζας</translation>
    </message>
    <message>
        <source>Words saved and how fast suggestions arrive</source>
        <translation>Λέξεις που γλιτώσατε και ταχύτητα προτάσεων</translation>
    </message>
    <message>
        <source>What %app sees in the focused field</source>
        <translation>Τι βλέπει το %app στο ενεργό πεδίο</translation>
    </message>
    <message>
        <source>Version and privacy</source>
        <translation>Έκδοση και απόρρητο</translation>
    </message>
    <message>
        <source>Writing</source>
        <translation>Γραφή</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Είσοδος</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Κανόνες</translation>
    </message>
    <message>
        <source>Activity</source>
        <translation>Δραστηριότητα</translation>
    </message>
    <message>
        <source>%app can read the field you&apos;re typing in and insert suggestions in any app.</source>
        <translation>Το %app μπορεί να διαβάζει το πεδίο όπου πληκτρολογείτε και να εισάγει προτάσεις σε κάθε εφαρμογή.</translation>
    </message>
    <message>
        <source>Allow Accessibility access</source>
        <translation>Επιτρέψτε την πρόσβαση προσβασιμότητας</translation>
    </message>
    <message>
        <source>%app needs it to read the text you type in other apps and to insert suggestions.</source>
        <translation>Το %app τη χρειάζεται για να διαβάζει ό,τι πληκτρολογείτε σε άλλες εφαρμογές και να εισάγει προτάσεις.</translation>
    </message>
    <message>
        <source>Allow…</source>
        <translation>Παραχώρηση…</translation>
    </message>
    <message>
        <source>%1 is ready</source>
        <translation>Το %1 είναι έτοιμο</translation>
    </message>
    <message>
        <source>Checking %1</source>
        <translation>Έλεγχος: %1</translation>
    </message>
    <message>
        <source>This takes a moment.</source>
        <translation>Θα πάρει μια στιγμή.</translation>
    </message>
    <message>
        <source>Your engine isn&apos;t ready</source>
        <translation>Η μηχανή σας δεν είναι έτοιμη</translation>
    </message>
    <message>
        <source>Open Engine</source>
        <translation>Άνοιγμα Μηχανής</translation>
    </message>
    <message>
        <source>The system&apos;s predictions are off</source>
        <translation>Οι προβλέψεις του συστήματος είναι ανενεργές</translation>
    </message>
    <message>
        <source>Only %app&apos;s suggestions appear while you type.</source>
        <translation>Όσο πληκτρολογείτε εμφανίζονται μόνο οι προτάσεις του %app.</translation>
    </message>
    <message>
        <source>Turn off the system&apos;s predictions</source>
        <translation>Απενεργοποιήστε τις προβλέψεις του συστήματος</translation>
    </message>
    <message>
        <source>The system shows its own grey suggestions on top of %app&apos;s. Each app picks up the change the next time you open it.</source>
        <translation>Το σύστημα δείχνει τις δικές του γκρι προτάσεις πάνω από αυτές του %app. Κάθε εφαρμογή εφαρμόζει την αλλαγή την επόμενη φορά που θα την ανοίξετε.</translation>
    </message>
    <message>
        <source>Keyboard Settings</source>
        <translation>Ρυθμίσεις πληκτρολογίου</translation>
    </message>
    <message>
        <source>Turn Off</source>
        <translation>Απενεργοποίηση</translation>
    </message>
    <message>
        <source>Only %app is suggesting</source>
        <translation>Μόνο το %app κάνει προτάσεις</translation>
    </message>
    <message>
        <source>Tab reaches %app again.</source>
        <translation>Το Tab φτάνει ξανά στο %app.</translation>
    </message>
    <message numerus="yes">
        <source>%1 didn&apos;t quit. They may be showing a dialog. Force Quit closes them right away.</source>
        <translation>
            <numerusform>Το %1 δεν τερματίστηκε. Ίσως εμφανίζει κάποιο παράθυρο διαλόγου. Ο «Αναγκαστικός τερματισμός» το κλείνει αμέσως.</numerusform>
            <numerusform>Τα %1 δεν τερματίστηκαν. Ίσως εμφανίζουν κάποιο παράθυρο διαλόγου. Ο «Αναγκαστικός τερματισμός» τα κλείνει αμέσως.</numerusform>
        </translation>
    </message>
    <message>
        <source>Force Quit</source>
        <translation>Αναγκαστικός τερματισμός</translation>
    </message>
    <message numerus="yes">
        <source>%1 take the Tab key before %app can, so %app stays paused in your other apps until you quit them.</source>
        <translation>
            <numerusform>Το %1 παίρνει το πλήκτρο Tab πριν από το %app, οπότε το %app μένει σε παύση στις άλλες εφαρμογές σας μέχρι να το τερματίσετε.</numerusform>
            <numerusform>Τα %1 παίρνουν το πλήκτρο Tab πριν από το %app, οπότε το %app μένει σε παύση στις άλλες εφαρμογές σας μέχρι να τα τερματίσετε.</numerusform>
        </translation>
    </message>
    <message>
        <source>Only when I ask</source>
        <translation>Μόνο όταν το ζητώ</translation>
    </message>
    <message>
        <source>On battery, suggestions appear only after you press the Suggest Now shortcut.</source>
        <translation>Με μπαταρία, οι προτάσεις εμφανίζονται μόνο αφού πατήσετε τη συντόμευση «Πρόταση τώρα».</translation>
    </message>
    <message>
        <source>Shorter suggestions</source>
        <translation>Πιο σύντομες προτάσεις</translation>
    </message>
    <message>
        <source>Fewer words take less power to write.</source>
        <translation>Λιγότερες λέξεις θέλουν λιγότερη ενέργεια.</translation>
    </message>
    <message>
        <source>Lighter model</source>
        <translation>Ελαφρύτερο μοντέλο</translation>
    </message>
    <message>
        <source>Same as plugged in</source>
        <translation>Όπως στην πρίζα</translation>
    </message>
    <message>
        <source>Running on battery. These apply right now.</source>
        <translation>Λειτουργία με μπαταρία. Αυτά ισχύουν τώρα.</translation>
    </message>
    <message>
        <source>Plugged in. These wait until you unplug.</source>
        <translation>Στην πρίζα. Αυτά θα ισχύσουν όταν αποσυνδέσετε τον φορτιστή.</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Μοντέλο</translation>
    </message>
    <message>
        <source>Model name</source>
        <translation>Όνομα μοντέλου</translation>
    </message>
    <message>
        <source>Reload the model list</source>
        <translation>Ανανέωση λίστας μοντέλων</translation>
    </message>
    <message>
        <source>Choose a model</source>
        <translation>Επιλέξτε μοντέλο</translation>
    </message>
    <message>
        <source>For people who already run Ollama, LM Studio or llama-server.</source>
        <translation>Για όσους ήδη χρησιμοποιούν Ollama, LM Studio ή llama-server.</translation>
    </message>
    <message>
        <source>Use your own model</source>
        <translation>Χρήση δικού σας μοντέλου</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Διεύθυνση</translation>
    </message>
    <message>
        <source>API key</source>
        <translation>Κλειδί API</translation>
    </message>
    <message>
        <source>Only if your server asks for one</source>
        <translation>Μόνο αν το ζητά ο διακομιστής σας</translation>
    </message>
    <message>
        <source>Focused</source>
        <translation>Εστιασμένο</translation>
    </message>
    <message>
        <source>Creativity</source>
        <translation>Δημιουργικότητα</translation>
    </message>
    <message>
        <source>Loose</source>
        <translation>Ελεύθερο</translation>
    </message>
    <message>
        <source>Lower stays close to the obvious next words. Higher tries more.</source>
        <translation>Χαμηλή τιμή: μένει κοντά στις προφανείς επόμενες λέξεις. Υψηλή τιμή: δοκιμάζει περισσότερες επιλογές.</translation>
    </message>
    <message>
        <source>Wait before suggesting</source>
        <translation>Αναμονή πριν από πρόταση</translation>
    </message>
    <message>
        <source>How long you pause before %app starts.</source>
        <translation>Πόσο πρέπει να σταματήσετε πριν ξεκινήσει το %app.</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Εκτέλεση</translation>
    </message>
    <message>
        <source>Try the engine</source>
        <translation>Δοκιμή της μηχανής</translation>
    </message>
    <message>
        <source>Sends a sample sentence and shows what comes back.</source>
        <translation>Στέλνει μια δοκιμαστική φράση και δείχνει τι επιστρέφει.</translation>
    </message>
    <message>
        <source>Running…</source>
        <translation>Εκτέλεση…</translation>
    </message>
    <message>
        <source>The engine answered in %1 but had nothing useful to add.</source>
        <translation>Η μηχανή απάντησε σε %1 αλλά δεν είχε κάτι χρήσιμο να προσθέσει.</translation>
    </message>
    <message>
        <source>That didn&apos;t work: %1</source>
        <translation>Δεν λειτούργησε: %1</translation>
    </message>
    <message>
        <source>The request was cancelled.</source>
        <translation>Το αίτημα ακυρώθηκε.</translation>
    </message>
    <message>
        <source>Startup</source>
        <translation>Εκκίνηση</translation>
    </message>
    <message>
        <source>Launch at login</source>
        <translation>Εκκίνηση κατά τη σύνδεση</translation>
    </message>
    <message>
        <source>Show today&apos;s word count next to the icon</source>
        <translation>Εμφάνιση του σημερινού αριθμού λέξεων δίπλα στο εικονίδιο</translation>
    </message>
    <message>
        <source>Where suggestions appear</source>
        <translation>Πού εμφανίζονται οι προτάσεις</translation>
    </message>
    <message>
        <source>Turn this off to use %app only in the apps you switch on under Apps &amp; Sites.</source>
        <translation>Απενεργοποιήστε το για να χρησιμοποιείτε το %app μόνο στις εφαρμογές που ενεργοποιείτε στην ενότητα «Εφαρμογές και ιστότοποι».</translation>
    </message>
    <message>
        <source>By default %app waits until the caret is at the end of a line.</source>
        <translation>Από προεπιλογή το %app περιμένει μέχρι ο δρομέας να βρεθεί στο τέλος της γραμμής.</translation>
    </message>
    <message>
        <source>Without this, %app skips search bars and one-word boxes.</source>
        <translation>Χωρίς αυτό, το %app παραλείπει γραμμές αναζήτησης και πεδία μίας λέξης.</translation>
    </message>
    <message>
        <source>Suggestions appear only after you press the Suggest Now shortcut.</source>
        <translation>Οι προτάσεις εμφανίζονται μόνο αφού πατήσετε τη συντόμευση «Πρόταση τώρα».</translation>
    </message>
    <message>
        <source>Spelling</source>
        <translation>Ορθογραφία</translation>
    </message>
    <message>
        <source>Waits while the word you&apos;re typing looks misspelled, so %app doesn&apos;t build on a typo.</source>
        <translation>Περιμένει όσο η λέξη που πληκτρολογείτε μοιάζει ανορθόγραφη, ώστε το %app να μη χτίζει πάνω σε τυπογραφικό λάθος.</translation>
    </message>
    <message>
        <source>After a misspelled word, shows a fix next to the caret. Press Tab to swap it in.</source>
        <translation>Μετά από ανορθόγραφη λέξη, δείχνει μια διόρθωση δίπλα στον δρομέα. Πατήστε Tab για να την αντικαταστήσετε.</translation>
    </message>
    <message>
        <source>Look</source>
        <translation>Εμφάνιση</translation>
    </message>
    <message>
        <source>Suggestion color</source>
        <translation>Χρώμα πρότασης</translation>
    </message>
    <message>
        <source>Text size</source>
        <translation>Μέγεθος κειμένου</translation>
    </message>
    <message>
        <source>Fine-tune if suggestions look larger or smaller than your text.</source>
        <translation>Ρυθμίστε το αν οι προτάσεις φαίνονται μεγαλύτερες ή μικρότερες από το κείμενό σας.</translation>
    </message>
    <message>
        <source>Vertical position</source>
        <translation>Κάθετη θέση</translation>
    </message>
    <message>
        <source>Nudge suggestions up or down to line up with your text.</source>
        <translation>Μετακινήστε τις προτάσεις πάνω ή κάτω για να ευθυγραμμιστούν με το κείμενο.</translation>
    </message>
    <message>
        <source>A small keycap after your first suggestions, as a reminder of what to press.</source>
        <translation>Ένα μικρό εικονίδιο πλήκτρου μετά τις πρώτες προτάσεις, ως υπενθύμιση του τι να πατήσετε.</translation>
    </message>
    <message>
        <source>Insert suggestions by</source>
        <translation>Εισαγωγή προτάσεων με</translation>
    </message>
    <message>
        <source>Other autocomplete apps</source>
        <translation>Άλλες εφαρμογές αυτόματης συμπλήρωσης</translation>
    </message>
    <message>
        <source>They take the Tab key before %app can. With this off, %app asks you first.</source>
        <translation>Παίρνουν το πλήκτρο Tab πριν από το %app. Αν αυτό είναι ανενεργό, το %app σας ρωτά πρώτα.</translation>
    </message>
    <message>
        <source>%1 is another device on your network, so the text around your caret will be sent there.</source>
        <translation>Το %1 είναι άλλη συσκευή στο δίκτυό σας, οπότε το κείμενο γύρω από τον δρομέα θα αποστέλλεται εκεί.</translation>
    </message>
    <message>
        <source>%1 isn&apos;t this computer, so the text around your caret will be sent there.</source>
        <translation>Το %1 δεν είναι αυτός ο υπολογιστής, οπότε το κείμενο γύρω από τον δρομέα θα αποστέλλεται εκεί.</translation>
    </message>
    <message>
        <source>Both keep your text on this computer.</source>
        <translation>Και τα δύο κρατούν το κείμενό σας σε αυτόν τον υπολογιστή.</translation>
    </message>
    <message>
        <source>%app opens by itself when you start your computer.</source>
        <translation>Το %app ανοίγει μόνο του όταν ξεκινάτε τον υπολογιστή.</translation>
    </message>
    <message>
        <source>System predictions</source>
        <translation>Προβλέψεις συστήματος</translation>
    </message>
    <message>
        <source>The system can show its own grey predictions. Keeping them off avoids two suggestions at once.</source>
        <translation>Το σύστημα μπορεί να δείχνει δικές του γκρι προβλέψεις. Αν μείνουν ανενεργές, δεν θα βλέπετε δύο προτάσεις ταυτόχρονα.</translation>
    </message>
    <message>
        <source>System predictions are on</source>
        <translation>Οι προβλέψεις συστήματος είναι ενεργές</translation>
    </message>
    <message>
        <source>System predictions are off</source>
        <translation>Οι προβλέψεις συστήματος είναι ανενεργές</translation>
    </message>
    <message>
        <source>tab</source>
        <translation>tab</translation>
    </message>
    <message>
        <source>Your next words, one Tab away.</source>
        <translation>Οι επόμενες λέξεις σας, ένα Tab μακριά.</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Παράλειψη</translation>
    </message>
    <message>
        <source>Get Started</source>
        <translation>Ας ξεκινήσουμε</translation>
    </message>
    <message>
        <source>Turn sound on</source>
        <translation>Ενεργοποίηση ήχου</translation>
    </message>
    <message>
        <source>Turn sound off</source>
        <translation>Απενεργοποίηση ήχου</translation>
    </message>
    <message>
        <source>The other app</source>
        <translation>Η άλλη εφαρμογή</translation>
    </message>
    <message numerus="yes">
        <source>Next time, quit %1 without asking</source>
        <translation>
            <numerusform>Την επόμενη φορά, τερματισμός του %1 χωρίς ερώτηση</numerusform>
            <numerusform>Την επόμενη φορά, τερματισμός των %1 χωρίς ερώτηση</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 is also running</source>
        <translation>
            <numerusform>Εκτελείται επίσης το %1</numerusform>
            <numerusform>Εκτελούνται επίσης τα %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Quitting…</source>
        <translation>Τερματισμός…</translation>
    </message>
    <message numerus="yes">
        <source>%1 is still open</source>
        <translation>
            <numerusform>Το %1 είναι ακόμα ανοιχτό</numerusform>
            <numerusform>Τα %1 είναι ακόμα ανοιχτά</numerusform>
        </translation>
    </message>
    <message>
        <source>%app has the Tab key</source>
        <translation>Το %app έχει το πλήκτρο Tab</translation>
    </message>
    <message>
        <source>%1 quit, so your suggestions are back in every app.</source>
        <translation>Το %1 τερματίστηκε, οπότε οι προτάσεις σας επέστρεψαν σε κάθε εφαρμογή.</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Τέλος</translation>
    </message>
    <message>
        <source>Open Source Notices</source>
        <translation>Άδειες ανοιχτού κώδικα</translation>
    </message>
    <message>
        <source>Reset all settings?</source>
        <translation>Επαναφορά όλων των ρυθμίσεων;</translation>
    </message>
    <message>
        <source>This also clears your rules for apps and sites. Your statistics and writing memory stay.</source>
        <translation>Διαγράφονται επίσης οι κανόνες για εφαρμογές και ιστότοπους. Τα στατιστικά και η μνήμη γραφής παραμένουν.</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Επαναφορά</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Έκδοση %1</translation>
    </message>
    <message>
        <source>Some apps hide their text</source>
        <translation>Ορισμένες εφαρμογές κρύβουν το κείμενό τους</translation>
    </message>
    <message>
        <source>Suggest emoji after a colon</source>
        <translation>Πρόταση emoji μετά από άνω και κάτω τελεία</translation>
    </message>
    <message>
        <source>Turn emoticons into emoji</source>
        <translation>Μετατροπή emoticon σε emoji</translation>
    </message>
    <message>
        <source>After :-) or &lt;3, %app offers the matching emoji. Press Tab to swap it in.</source>
        <translation>Μετά από :-) ή &lt;3, το %app προσφέρει το αντίστοιχο emoji. Πατήστε Tab για να το βάλετε.</translation>
    </message>
    <message>
        <source>Skin tone</source>
        <translation>Τόνος δέρματος</translation>
    </message>
    <message>
        <source>Also show the default yellow</source>
        <translation>Εμφάνιση και του προεπιλεγμένου κίτρινου</translation>
    </message>
    <message>
        <source>Try a word</source>
        <translation>Δοκιμάστε μια λέξη</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Ελαφριά</translation>
    </message>
    <message>
        <source>No emoji match “%1”</source>
        <translation>Κανένα emoji δεν ταιριάζει με «%1»</translation>
    </message>
    <message>
        <source>Accepting</source>
        <translation>Αποδοχή</translation>
    </message>
    <message>
        <source>Take the next word</source>
        <translation>Αποδοχή της επόμενης λέξης</translation>
    </message>
    <message>
        <source>Press again for each following word.</source>
        <translation>Πατήστε ξανά για κάθε επόμενη λέξη.</translation>
    </message>
    <message>
        <source>Take the whole suggestion</source>
        <translation>Αποδοχή όλης της πρότασης</translation>
    </message>
    <message>
        <source>The key above Tab is easy to reach on most keyboards.</source>
        <translation>Το πλήκτρο πάνω από το Tab είναι εύκολα προσβάσιμο στα περισσότερα πληκτρολόγια.</translation>
    </message>
    <message>
        <source>Include the space after a word</source>
        <translation>Συμπερίληψη του κενού μετά από λέξη</translation>
    </message>
    <message>
        <source>Include punctuation right after a word</source>
        <translation>Συμπερίληψη στίξης αμέσως μετά από λέξη</translation>
    </message>
    <message>
        <source>When you press Escape</source>
        <translation>Όταν πατάτε Escape</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Συντομεύσεις</translation>
    </message>
    <message>
        <source>Suggest now</source>
        <translation>Πρόταση τώρα</translation>
    </message>
    <message>
        <source>Asks for a suggestion right away, even where %app would normally wait.</source>
        <translation>Ζητά πρόταση αμέσως, ακόμα και όπου το %app κανονικά θα περίμενε.</translation>
    </message>
    <message>
        <source>Other suggestions</source>
        <translation>Άλλες προτάσεις</translation>
    </message>
    <message>
        <source>Lists a few different ways to continue. Choose with the arrow keys, then press Tab.</source>
        <translation>Δείχνει μερικούς διαφορετικούς τρόπους συνέχειας. Επιλέξτε με τα βέλη και πατήστε Tab.</translation>
    </message>
    <message>
        <source>Pause or resume in this app</source>
        <translation>Παύση ή συνέχιση σε αυτή την εφαρμογή</translation>
    </message>
    <message>
        <source>Pauses for 15 minutes.</source>
        <translation>Παύση για 15 λεπτά.</translation>
    </message>
    <message>
        <source>Turn %app on or off</source>
        <translation>Ενεργοποίηση ή απενεργοποίηση του %app</translation>
    </message>
    <message>
        <source>Everywhere, until you press it again.</source>
        <translation>Παντού, μέχρι να το πατήσετε ξανά.</translation>
    </message>
    <message>
        <source>Pause or resume</source>
        <translation>Παύση ή συνέχιση</translation>
    </message>
    <message>
        <source>Turn on or off</source>
        <translation>Ενεργοποίηση ή απενεργοποίηση</translation>
    </message>
    <message>
        <source>%1 and %2 use the same keys. Only the first will work.</source>
        <translation>Τα %1 και %2 χρησιμοποιούν τα ίδια πλήκτρα. Θα λειτουργεί μόνο το πρώτο.</translation>
    </message>
    <message>
        <source>About you</source>
        <translation>Σχετικά με εσάς</translation>
    </message>
    <message>
        <source>For example: I&apos;m a product designer in Berlin. I write short, friendly emails in British English and sign off with Cheers.</source>
        <translation>Για παράδειγμα: Είμαι σχεδιαστής προϊόντων στο Βερολίνο. Γράφω σύντομα, φιλικά email σε βρετανικά αγγλικά και υπογράφω με «Cheers».</translation>
    </message>
    <message>
        <source>Your role, the languages you write in, names you use often, how you like to sound.</source>
        <translation>Ο ρόλος σας, οι γλώσσες στις οποίες γράφετε, ονόματα που χρησιμοποιείτε συχνά, πώς θέλετε να ακούγεστε.</translation>
    </message>
    <message>
        <source>Writing memory</source>
        <translation>Μνήμη γραφής</translation>
    </message>
    <message>
        <source>Remember how I write</source>
        <translation>Απομνημόνευση του τρόπου που γράφω</translation>
    </message>
    <message>
        <source>Also remember fields where I accept nothing</source>
        <translation>Απομνημόνευση και πεδίων όπου δεν αποδέχομαι τίποτα</translation>
    </message>
    <message>
        <source>%app learns your style sooner but keeps more of what you type.</source>
        <translation>Το %app μαθαίνει το ύφος σας πιο γρήγορα, αλλά κρατά περισσότερα από όσα πληκτρολογείτε.</translation>
    </message>
    <message>
        <source>Influence</source>
        <translation>Επιρροή</translation>
    </message>
    <message>
        <source>Strong</source>
        <translation>Ισχυρή</translation>
    </message>
    <message>
        <source>How many of your passages each suggestion can draw on.</source>
        <translation>Από πόσα αποσπάσματά σας μπορεί να αντλεί κάθε πρόταση.</translation>
    </message>
    <message>
        <source>Erase All…</source>
        <translation>Διαγραφή όλων…</translation>
    </message>
    <message>
        <source>Erase everything %app remembered?</source>
        <translation>Διαγραφή όλων όσων απομνημόνευσε το %app;</translation>
    </message>
    <message>
        <source>This can&apos;t be undone.</source>
        <translation>Αυτό δεν αναιρείται.</translation>
    </message>
    <message>
        <source>Erase All</source>
        <translation>Διαγραφή όλων</translation>
    </message>
    <message>
        <source>Nothing remembered yet</source>
        <translation>Δεν έχει απομνημονευτεί τίποτα ακόμα</translation>
    </message>
    <message>
        <source>App and window name</source>
        <translation>Όνομα εφαρμογής και παραθύρου</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>Ιστότοπος</translation>
    </message>
    <message>
        <source>The site&apos;s domain when you write in a browser.</source>
        <translation>Ο τομέας του ιστότοπου όταν γράφετε σε πρόγραμμα περιήγησης.</translation>
    </message>
    <message>
        <source>Recently copied text</source>
        <translation>Πρόσφατα αντιγραμμένο κείμενο</translation>
    </message>
    <message>
        <source>Anything you copied in the last 10 minutes. Copies from password managers are skipped.</source>
        <translation>Ό,τι αντιγράψατε τα τελευταία 10 λεπτά. Τα αντίγραφα από διαχειριστές κωδικών παραλείπονται.</translation>
    </message>
    <message>
        <source>Text on screen</source>
        <translation>Κείμενο στην οθόνη</translation>
    </message>
    <message>
        <source>Reads the window you&apos;re writing in, so replies fit the conversation. It picks the lines closest to where you type.</source>
        <translation>Διαβάζει το παράθυρο όπου γράφετε, ώστε οι απαντήσεις να ταιριάζουν στη συζήτηση. Επιλέγει τις γραμμές που είναι πιο κοντά στο σημείο όπου πληκτρολογείτε.</translation>
    </message>
    <message>
        <source>What you just looked at</source>
        <translation>Ό,τι μόλις κοιτάξατε</translation>
    </message>
    <message>
        <source>Windows beside you</source>
        <translation>Διπλανά παράθυρα</translation>
    </message>
    <message>
        <source>Also reads up to two other windows on the same screen, like the document you&apos;re replying about. Skips password managers and apps you switched off.</source>
        <translation>Διαβάζει επίσης έως δύο άλλα παράθυρα στην ίδια οθόνη, π.χ. το έγγραφο για το οποίο απαντάτε. Παραλείπει διαχειριστές κωδικών και εφαρμογές που απενεργοποιήσατε.</translation>
    </message>
    <message>
        <source>Off in this app</source>
        <translation>Ανενεργό σε αυτή την εφαρμογή</translation>
    </message>
    <message>
        <source>This word looks misspelled</source>
        <translation>Αυτή η λέξη μοιάζει ανορθόγραφη</translation>
    </message>
    <message>
        <source>Thanks for the notes. I&apos;ll send the revised deck</source>
        <translation>Ευχαριστώ για τις σημειώσεις. Θα στείλω τις αναθεωρημένες διαφάνειες</translation>
    </message>
    <message>
        <source> by Friday morning.</source>
        <translation> έως την Παρασκευή το πρωί.</translation>
    </message>
    <message>
        <source>%1 quit. %app has the Tab key.</source>
        <translation>Το %1 τερματίστηκε. Το %app έχει το πλήκτρο Tab.</translation>
    </message>
    <message>
        <source>Open Data Folder</source>
        <translation>Άνοιγμα φακέλου δεδομένων</translation>
    </message>
    <message>
        <source>Show Welcome Again</source>
        <translation>Εμφάνιση καλωσορίσματος ξανά</translation>
    </message>
    <message>
        <source>Play Intro Again</source>
        <translation>Αναπαραγωγή της παρουσίασης ξανά</translation>
    </message>
    <message>
        <source>Reset Settings…</source>
        <translation>Επαναφορά ρυθμίσεων…</translation>
    </message>
    <message>
        <source>Suggest in every app</source>
        <translation>Προτάσεις σε κάθε εφαρμογή</translation>
    </message>
    <message>
        <source>Suggest in code editors</source>
        <translation>Προτάσεις σε επεξεργαστές κώδικα</translation>
    </message>
    <message>
        <source>Suggest in the middle of a line</source>
        <translation>Προτάσεις στη μέση της γραμμής</translation>
    </message>
    <message>
        <source>Suggest in small fields</source>
        <translation>Προτάσεις σε μικρά πεδία</translation>
    </message>
    <message>
        <source>Hold back on misspelled words</source>
        <translation>Αναμονή σε ανορθόγραφες λέξεις</translation>
    </message>
    <message>
        <source>Offer spelling fixes</source>
        <translation>Προσφορά ορθογραφικών διορθώσεων</translation>
    </message>
    <message>
        <source>Show the key hint</source>
        <translation>Εμφάνιση υπόδειξης πλήκτρου</translation>
    </message>
    <message>
        <source>Quit other autocomplete apps when they open</source>
        <translation>Τερματισμός άλλων εφαρμογών αυτόματης συμπλήρωσης όταν ανοίγουν</translation>
    </message>
    <message>
        <source>Keeps a few minutes of text from windows you switched away from, like a page you read before replying. It stays on your computer and skips apps you switched off.</source>
        <translation>Κρατά λίγα λεπτά κειμένου από παράθυρα που αφήσατε, π.χ. μια σελίδα που διαβάσατε πριν απαντήσετε. Μένει στον υπολογιστή σας και παραλείπει εφαρμογές που απενεργοποιήσατε.</translation>
    </message>
    <message numerus="yes">
        <source>Both apps answer the Tab key, and the system gives it to %1 first. %app stays paused in your other apps until %1 quits.</source>
        <translation>
            <numerusform>Και οι δύο εφαρμογές ανταποκρίνονται στο πλήκτρο Tab και το σύστημα το δίνει πρώτα στο %1. Το %app μένει σε παύση στις άλλες εφαρμογές σας μέχρι να τερματιστεί το %1.</numerusform>
            <numerusform>Τα %1 παίρνουν το πλήκτρο Tab πριν από το %app, οπότε το %app μένει σε παύση στις άλλες εφαρμογές σας μέχρι να τα τερματίσετε.</numerusform>
        </translation>
    </message>
    <message>
        <source>Finishes your sentences in any app, on your computer.</source>
        <translation>Ολοκληρώνει τις φράσεις σας σε κάθε εφαρμογή, στον υπολογιστή σας.</translation>
    </message>
    <message>
        <source>Keeps short passages from fields where you accepted a suggestion, encrypted on this computer, and shows them to the model as examples.</source>
        <translation>Κρατά σύντομα αποσπάσματα από πεδία όπου αποδεχτήκατε πρόταση, κρυπτογραφημένα σε αυτόν τον υπολογιστή, και τα δείχνει στο μοντέλο ως παραδείγματα.</translation>
    </message>
    <message>
        <source>Light</source>
        <comment>skin tone</comment>
        <translation>Ανοιχτός</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Default</source>
        <comment>skin tone</comment>
        <translation>Προεπιλογή</translation>
    </message>
    <message>
        <source>Medium light</source>
        <comment>skin tone</comment>
        <translation>Μεσαίος ανοιχτός</translation>
    </message>
    <message>
        <source>Medium</source>
        <comment>skin tone</comment>
        <translation>Μεσαίος</translation>
    </message>
    <message>
        <source>Medium dark</source>
        <comment>skin tone</comment>
        <translation>Μεσαίος σκούρος</translation>
    </message>
    <message>
        <source>Dark</source>
        <comment>skin tone</comment>
        <translation>Σκούρος</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Άγνωστο</translation>
    </message>
    <message>
        <source>%1 × %2 pt</source>
        <translation>%1 × %2 pt</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Όχι</translation>
    </message>
    <message>
        <source>Not reported, estimated from the caret</source>
        <translation>Δεν αναφέρεται, εκτίμηση από τον δρομέα</translation>
    </message>
    <message>
        <source>%1 %2 pt</source>
        <translation>%1 %2 pt</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Συστήματος</translation>
    </message>
    <message>
        <source>Not yet</source>
        <translation>Όχι ακόμα</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Σήμερα</translation>
    </message>
    <message>
        <source>Last 7 days</source>
        <translation>Τελευταίες 7 ημέρες</translation>
    </message>
    <message>
        <source>All time</source>
        <translation>Συνολικά</translation>
    </message>
    <message>
        <source>Typing saved</source>
        <translation>Πληκτρολόγηση που γλιτώσατε</translation>
    </message>
    <message>
        <source>at 40 words a minute</source>
        <translation>με 40 λέξεις το λεπτό</translation>
    </message>
    <message>
        <source>Accepted</source>
        <translation>Αποδεκτές</translation>
    </message>
    <message>
        <source>of suggestions shown</source>
        <translation>των προτάσεων που εμφανίστηκαν</translation>
    </message>
    <message>
        <source>Typical wait</source>
        <translation>Τυπική αναμονή</translation>
    </message>
    <message>
        <source>9 in 10 under %1</source>
        <translation>9 στις 10 κάτω από %1</translation>
    </message>
    <message>
        <source>no requests yet</source>
        <translation>κανένα αίτημα ακόμα</translation>
    </message>
    <message>
        <source>Words saved</source>
        <translation>Λέξεις που γλιτώσατε</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>Εύρος</translation>
    </message>
    <message>
        <source>Nothing to chart yet</source>
        <translation>Δεν υπάρχουν ακόμα δεδομένα</translation>
    </message>
    <message>
        <source>Accept a few suggestions and your days show up here.</source>
        <translation>Αποδεχτείτε μερικές προτάσεις και οι μέρες σας θα εμφανιστούν εδώ.</translation>
    </message>
    <message>
        <source>Where you write</source>
        <translation>Πού γράφετε</translation>
    </message>
    <message>
        <source>Reset Statistics…</source>
        <translation>Επαναφορά στατιστικών…</translation>
    </message>
    <message>
        <source>Reset all statistics?</source>
        <translation>Επαναφορά όλων των στατιστικών;</translation>
    </message>
    <message>
        <source>This clears words saved, acceptance and timing history.</source>
        <translation>Διαγράφονται οι λέξεις που γλιτώσατε, το ποσοστό αποδοχής και το ιστορικό χρόνων αναμονής.</translation>
    </message>
    <message>
        <source>Copy Diagnostics</source>
        <translation>Αντιγραφή διαγνωστικών</translation>
    </message>
    <message>
        <source>Diagnostics leave out the text you typed.</source>
        <translation>Τα διαγνωστικά δεν περιέχουν το κείμενο που πληκτρολογήσατε.</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Κατάσταση</translation>
    </message>
    <message>
        <source>Right now</source>
        <translation>Αυτή τη στιγμή</translation>
    </message>
    <message>
        <source>Allowed</source>
        <translation>Επιτρέπεται</translation>
    </message>
    <message>
        <source>Not allowed</source>
        <translation>Δεν επιτρέπεται</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Πληκτρολόγιο</translation>
    </message>
    <message>
        <source>Listening</source>
        <translation>Σε ακρόαση</translation>
    </message>
    <message>
        <source>Not listening</source>
        <translation>Όχι σε ακρόαση</translation>
    </message>
    <message>
        <source>Focused field</source>
        <translation>Ενεργό πεδίο</translation>
    </message>
    <message>
        <source>Click into a text field in another app, then come back. The last field %1 saw stays here.</source>
        <translation>Κάντε κλικ σε ένα πεδίο κειμένου άλλης εφαρμογής και επιστρέψτε. Το τελευταίο πεδίο που είδε το %1 μένει εδώ.</translation>
    </message>
    <message>
        <source>App</source>
        <translation>Εφαρμογή</translation>
    </message>
    <message>
        <source>Field type</source>
        <translation>Τύπος πεδίου</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>Παράθυρο</translation>
    </message>
    <message>
        <source>Field size</source>
        <translation>Μέγεθος πεδίου</translation>
    </message>
    <message>
        <source>Caret found</source>
        <translation>Βρέθηκε δρομέας</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Γραμματοσειρά</translation>
    </message>
    <message>
        <source>At end of line</source>
        <translation>Στο τέλος της γραμμής</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ναι</translation>
    </message>
    <message>
        <source>Secure input</source>
        <translation>Ασφαλής εισαγωγή</translation>
    </message>
    <message>
        <source>Looked at lately</source>
        <translation>Όσα είδε πρόσφατα</translation>
    </message>
    <message>
        <source>Text before the caret</source>
        <translation>Κείμενο πριν από τον δρομέα</translation>
    </message>
    <message>
        <source>Last request</source>
        <translation>Τελευταίο αίτημα</translation>
    </message>
    <message>
        <source>Wait</source>
        <translation>Αναμονή</translation>
    </message>
    <message>
        <source>Suggestion</source>
        <translation>Πρόταση</translation>
    </message>
    <message>
        <source>Prompt sent to the engine</source>
        <translation>Προτροπή που στάλθηκε στη μηχανή</translation>
    </message>
    <message>
        <source>Raw answer</source>
        <translation>Ακατέργαστη απάντηση</translation>
    </message>
    <message>
        <source>(empty)</source>
        <translation>(κενό)</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>Αντιγράφηκε</translation>
    </message>
    <message>
        <source>Choose a language</source>
        <translation>Επιλέξτε γλώσσα</translation>
    </message>
    <message>
        <source>Search languages</source>
        <translation>Αναζήτηση γλωσσών</translation>
    </message>
    <message>
        <source>Same as my computer</source>
        <translation>Ίδια με του υπολογιστή</translation>
    </message>
    <message>
        <source>Switch to %1?</source>
        <translation>Αλλαγή γλώσσας σε %1;</translation>
    </message>
    <message>
        <source>%1 closes and opens again in a second. Your settings stay as they are.</source>
        <translation>Το %1 κλείνει και ανοίγει ξανά σε ένα δευτερόλεπτο. Οι ρυθμίσεις σας μένουν ως έχουν.</translation>
    </message>
    <message>
        <source>Reopen Now</source>
        <translation>Άνοιγμα ξανά τώρα</translation>
    </message>
    <message>
        <source>App language</source>
        <translation>Γλώσσα εφαρμογής</translation>
    </message>
    <message>
        <source>Pick the language you read most easily. Suggestions follow whatever language you type.</source>
        <translation>Επιλέξτε τη γλώσσα που διαβάζετε πιο εύκολα. Οι προτάσεις ακολουθούν όποια γλώσσα πληκτρολογείτε.</translation>
    </message>
    <message>
        <source>Change the app language</source>
        <translation>Αλλαγή γλώσσας εφαρμογής</translation>
    </message>
    <message>
        <source>0 min</source>
        <translation>0 λεπ.</translation>
    </message>
    <message>
        <source>under a minute</source>
        <translation>λιγότερο από ένα λεπτό</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 δευτ.</translation>
    </message>
    <message>
        <source>Not set</source>
        <translation>Δεν έχει οριστεί</translation>
    </message>
    <message>
        <source>Clear shortcut</source>
        <translation>Εκκαθάριση συντόμευσης</translation>
    </message>
    <message>
        <source>Add Ctrl, Alt or Super so normal typing still works.</source>
        <translation>Προσθέστε Ctrl, Alt ή Super ώστε η κανονική πληκτρολόγηση να λειτουργεί ακόμα.</translation>
    </message>
    <message>
        <source>Type a shortcut…</source>
        <translation>Πατήστε μια συντόμευση…</translation>
    </message>
    <message>
        <source>Recording shortcut</source>
        <translation>Καταγραφή συντόμευσης</translation>
    </message>
    <message>
        <source>Shortcut %1</source>
        <translation>Συντόμευση %1</translation>
    </message>
    <message>
        <source>Record shortcut</source>
        <translation>Καταγραφή συντόμευσης</translation>
    </message>
    <message>
        <source>Shortcut not set</source>
        <translation>Δεν έχει οριστεί συντόμευση</translation>
    </message>
    <message>
        <source>Press to record a new shortcut. Escape cancels.</source>
        <translation>Πατήστε για να καταγράψετε νέα συντόμευση. Το Escape ακυρώνει.</translation>
    </message>
    <message>
        <source>Your tray icon is hidden</source>
        <translation>Το εικονίδιό σας στο πλαίσιο συστήματος είναι κρυφό</translation>
    </message>
    <message>
        <source>This computer has no on-device language model</source>
        <translation>Αυτός ο υπολογιστής δεν έχει ενσωματωμένο γλωσσικό μοντέλο</translation>
    </message>
    <message>
        <source>Turn on the on-device model in the desktop&apos;s settings</source>
        <translation>Ενεργοποιήστε το ενσωματωμένο μοντέλο στις ρυθμίσεις της επιφάνειας εργασίας</translation>
    </message>
    <message>
        <source>The on-device model is unavailable</source>
        <translation>Το ενσωματωμένο μοντέλο δεν είναι διαθέσιμο</translation>
    </message>
    <message>
        <source>Downloading. The on-device model fills in until it&apos;s done.</source>
        <translation>Λήψη σε εξέλιξη. Μέχρι να ολοκληρωθεί, αναπληρώνει το ενσωματωμένο μοντέλο.</translation>
    </message>
    <message>
        <source>The on-device model fills in until you download it.</source>
        <translation>Μέχρι να κάνετε λήψη, αναπληρώνει το ενσωματωμένο μοντέλο.</translation>
    </message>
    <message>
        <source>%1 shares no text. Quit it and start it with %2 to get suggestions in it.</source>
        <translation>Το %1 δεν μοιράζεται κείμενο. Τερματίστε το και ξεκινήστε το με %2 για να έχετε προτάσεις σε αυτό.</translation>
    </message>
    <message>
        <source>On-device model</source>
        <translation>Ενσωματωμένο μοντέλο</translation>
    </message>
    <message>
        <source>The system&apos;s own language model. Nothing to download.</source>
        <translation>Το γλωσσικό μοντέλο του ίδιου του συστήματος. Δεν χρειάζεται λήψη.</translation>
    </message>
    <message>
        <source>A website name cannot hold spaces, tabs or line breaks.</source>
        <translation>Το όνομα ιστότοπου δεν μπορεί να περιέχει κενά, στηλοθέτες ή αλλαγές γραμμής.</translation>
    </message>
    <message>
        <source>Only addresses that start with http or https can be added.</source>
        <translation>Μπορούν να προστεθούν μόνο διευθύνσεις που ξεκινούν με http ή https.</translation>
    </message>
    <message>
        <source>That is not a website name. Type one such as wikipedia.org.</source>
        <translation>Αυτό δεν είναι όνομα ιστότοπου. Πληκτρολογήστε ένα όπως wikipedia.org.</translation>
    </message>
    <message>
        <source>A port is a number from 1 to 65535.</source>
        <translation>Η θύρα είναι αριθμός από 1 έως 65535.</translation>
    </message>
    <message>
        <source>The on-device model fills in until the download is done.</source>
        <translation>Μέχρι να ολοκληρωθεί η λήψη, αναπληρώνει το ενσωματωμένο μοντέλο.</translation>
    </message>
    <message>
        <source>Suggestions start once the download is done.</source>
        <translation>Οι προτάσεις ξεκινούν μόλις ολοκληρωθεί η λήψη.</translation>
    </message>
    <message>
        <source>This frees %1. The on-device model fills in until you download it again.</source>
        <translation>Αυτό ελευθερώνει %1. Μέχρι να κάνετε ξανά λήψη, αναπληρώνει το ενσωματωμένο μοντέλο.</translation>
    </message>
    <message>
        <source>This frees %1. The %app model can&apos;t suggest until you download it again.</source>
        <translation>Αυτό ελευθερώνει %1. Το μοντέλο %app δεν μπορεί να προτείνει μέχρι να κάνετε ξανά λήψη.</translation>
    </message>
    <message>
        <source>There&apos;s no room for it, or your panel has no system tray. Add the panel&apos;s system tray or status area applet in its settings.</source>
        <translation>Δεν υπάρχει χώρος για το εικονίδιο ή ο πίνακάς σας δεν έχει πλαίσιο συστήματος. Προσθέστε τη μικροεφαρμογή πλαισίου συστήματος ή περιοχής κατάστασης στις ρυθμίσεις του πίνακα.</translation>
    </message>
    <message>
        <source>GNOME shows tray icons only with the AppIndicator extension. Install the gnome-shell-extension-appindicator package, log out and in, then turn it on in Extensions.</source>
        <translation>Το GNOME δείχνει εικονίδια στο πλαίσιο συστήματος μόνο με την επέκταση AppIndicator. Εγκαταστήστε το πακέτο gnome-shell-extension-appindicator, αποσυνδεθείτε και συνδεθείτε ξανά και ενεργοποιήστε την στις Επεκτάσεις.</translation>
    </message>
    <message>
        <source>GNOME shows tray icons only with the AppIndicator extension. It is installed but off: turn it on in Extensions.</source>
        <translation>Το GNOME δείχνει εικονίδια στο πλαίσιο συστήματος μόνο με την επέκταση AppIndicator. Είναι εγκατεστημένη αλλά ανενεργή: ενεργοποιήστε την στις Επεκτάσεις.</translation>
    </message>
    <message>
        <source>Until then, open %app from your applications menu to reach Settings.</source>
        <translation>Ως τότε, ανοίξτε το %app από το μενού εφαρμογών για να φτάσετε στις Ρυθμίσεις.</translation>
    </message>
    <message>
        <source>Open Extensions</source>
        <translation>Άνοιγμα Επεκτάσεων</translation>
    </message>
    <message>
        <source>Show Count in Tray</source>
        <translation>Εμφάνιση αριθμού στο πλαίσιο συστήματος</translation>
    </message>
    <message>
        <source>%1 shares no text</source>
        <translation>Το %1 δεν μοιράζεται κείμενο</translation>
    </message>
    <message>
        <source>Copy command</source>
        <translation>Αντιγραφή εντολής</translation>
    </message>
    <message>
        <source>There&apos;s no account and no analytics. With the %app model or the on-device model, your text stays on this computer.</source>
        <translation>Δεν υπάρχει λογαριασμός ούτε αναλυτικά στοιχεία. Με το μοντέλο %app ή το ενσωματωμένο μοντέλο, το κείμενό σας μένει σε αυτόν τον υπολογιστή.</translation>
    </message>
    <message>
        <source>There&apos;s no account and no analytics. With the %app model, your text stays on this computer.</source>
        <translation>Δεν υπάρχει λογαριασμός ούτε αναλυτικά στοιχεία. Με το μοντέλο %app, το κείμενό σας μένει σε αυτόν τον υπολογιστή.</translation>
    </message>
    <message>
        <source>%app lives in your system tray from now on. Click its icon to pause it in an app or open Settings.</source>
        <translation>Το %app βρίσκεται πλέον στο πλαίσιο συστήματος. Κάντε κλικ στο εικονίδιό του για παύση σε μια εφαρμογή ή για άνοιγμα των Ρυθμίσεων.</translation>
    </message>
    <message>
        <source>%app has no account, no analytics and no servers of its own. The %app model and the on-device model keep your text on this computer. Other engines get it only if you set one up.</source>
        <translation>Το %app δεν έχει λογαριασμό, αναλυτικά στοιχεία ούτε δικούς του διακομιστές. Το μοντέλο %app και το ενσωματωμένο μοντέλο κρατούν το κείμενό σας σε αυτόν τον υπολογιστή. Άλλες μηχανές το λαμβάνουν μόνο αν ρυθμίσετε κάποια.</translation>
    </message>
    <message>
        <source>%app has no account, no analytics and no servers of its own. The %app model keeps your text on this computer. Other engines get it only if you set one up.</source>
        <translation>Το %app δεν έχει λογαριασμό, αναλυτικά στοιχεία ούτε δικούς του διακομιστές. Το μοντέλο %app κρατά το κείμενό σας σε αυτόν τον υπολογιστή. Άλλες μηχανές το λαμβάνουν μόνο αν ρυθμίσετε κάποια.</translation>
    </message>
    <message>
        <source>Installed applications</source>
        <translation>Εγκατεστημένες εφαρμογές</translation>
    </message>
    <message>
        <source>%app reads these only while making a suggestion and never saves them. With the %app model or the on-device model, nothing leaves your computer.</source>
        <translation>Το %app τα διαβάζει μόνο όσο φτιάχνει μια πρόταση και δεν τα αποθηκεύει ποτέ. Με το μοντέλο %app ή το ενσωματωμένο μοντέλο, τίποτα δεν φεύγει από τον υπολογιστή σας.</translation>
    </message>
    <message>
        <source>%app reads these only while making a suggestion and never saves them. With the %app model, nothing leaves your computer.</source>
        <translation>Το %app τα διαβάζει μόνο όσο φτιάχνει μια πρόταση και δεν τα αποθηκεύει ποτέ. Με το μοντέλο %app, τίποτα δεν φεύγει από τον υπολογιστή σας.</translation>
    </message>
    <message>
        <source>The %app model keeps your text on this computer.</source>
        <translation>Το μοντέλο %app κρατά το κείμενό σας σε αυτόν τον υπολογιστή.</translation>
    </message>
    <message>
        <source>The key holds a line break or another control character. Paste it again without them.</source>
        <translation>Το κλειδί περιέχει αλλαγή γραμμής ή άλλον χαρακτήρα ελέγχου. Επικολλήστε το ξανά χωρίς αυτούς.</translation>
    </message>
    <message>
        <source>Waiting for the keyring to store the key.</source>
        <translation>Αναμονή για αποθήκευση του κλειδιού στην κλειδοθήκη.</translation>
    </message>
    <message>
        <source>The keyring cannot keep this key, so it is used only until %app quits.</source>
        <translation>Η κλειδοθήκη δεν μπορεί να κρατήσει αυτό το κλειδί, οπότε χρησιμοποιείται μόνο μέχρι να τερματιστεί το %app.</translation>
    </message>
    <message>
        <source>Show in the system tray</source>
        <translation>Εμφάνιση στο πλαίσιο συστήματος</translation>
    </message>
    <message>
        <source>Pause or open Settings from the system tray. Hidden? Open %app from your applications menu to come back.</source>
        <translation>Παύση ή άνοιγμα Ρυθμίσεων από το πλαίσιο συστήματος. Κρυφό; Ανοίξτε το %app από το μενού εφαρμογών για να επιστρέψετε.</translation>
    </message>
    <message>
        <source>This tray can&apos;t show text beside icons, so the count shows in the icon&apos;s tooltip.</source>
        <translation>Αυτό το πλαίσιο συστήματος δεν μπορεί να δείξει κείμενο δίπλα στα εικονίδια, οπότε ο αριθμός εμφανίζεται στην επεξήγηση του εικονιδίου.</translation>
    </message>
    <message>
        <source>VS Code, VSCodium, Cursor, Zed, Kate, Sublime Text, JetBrains IDEs and similar apps.</source>
        <translation>VS Code, VSCodium, Cursor, Zed, Kate, Sublime Text, IDE της JetBrains και παρόμοιες εφαρμογές.</translation>
    </message>
    <message>
        <source>Your settings could not be read, so they were set aside and %app started over with its defaults.</source>
        <translation>Δεν ήταν δυνατή η ανάγνωση των ρυθμίσεών σας, οπότε τέθηκαν στην άκρη και το %app ξεκίνησε από την αρχή με τις προεπιλογές.</translation>
    </message>
    <message>
        <source>Your settings are not saved: %app cannot write to its settings folder.</source>
        <translation>Οι ρυθμίσεις σας δεν αποθηκεύονται: το %app δεν μπορεί να γράψει στον φάκελο ρυθμίσεών του.</translation>
    </message>
    <message>
        <source>Your app and website rules could not be read, so they were set aside.</source>
        <translation>Δεν ήταν δυνατή η ανάγνωση των κανόνων σας για εφαρμογές και ιστότοπους, οπότε τέθηκαν στην άκρη.</translation>
    </message>
    <message>
        <source>Your statistics could not be read, so they were set aside and counting started over.</source>
        <translation>Δεν ήταν δυνατή η ανάγνωση των στατιστικών σας, οπότε τέθηκαν στην άκρη και η καταμέτρηση ξεκίνησε από την αρχή.</translation>
    </message>
    <message>
        <source>Not saved: %app cannot write to its data folder.</source>
        <translation>Δεν αποθηκεύτηκε: το %app δεν μπορεί να γράψει στον φάκελο δεδομένων του.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln suggestions. %1 selected</source>
        <translation>
            <numerusform>%Ln πρόταση. Επιλεγμένη: %1</numerusform>
            <numerusform>%Ln προτάσεις. Επιλεγμένη: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln min</source>
        <translation>
            <numerusform>%Ln λεπ.</numerusform>
            <numerusform>%Ln λεπ.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln words</source>
        <translation>
            <numerusform>%Ln λέξη</numerusform>
            <numerusform>%Ln λέξεις</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln passages from here</source>
        <translation>
            <numerusform>%Ln απόσπασμα από εδώ</numerusform>
            <numerusform>%Ln αποσπάσματα από εδώ</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>words</source>
        <comment>unit after a count</comment>
        <translation>
            <numerusform>λέξη</numerusform>
            <numerusform>λέξεις</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln days</source>
        <translation>
            <numerusform>%Ln ημέρα</numerusform>
            <numerusform>%Ln ημέρες</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Words saved per day over the last %Ln days</source>
        <translation>
            <numerusform>Λέξεις που γλιτώσατε ανά ημέρα την τελευταία ημέρα</numerusform>
            <numerusform>Λέξεις που γλιτώσατε ανά ημέρα τις τελευταίες %Ln ημέρες</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln day streak</source>
        <translation>
            <numerusform>Σερί %Ln ημέρας</numerusform>
            <numerusform>Σερί %Ln ημερών</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln passages remembered</source>
        <translation>
            <numerusform>%Ln απόσπασμα απομνημονεύτηκε</numerusform>
            <numerusform>%Ln αποσπάσματα απομνημονεύτηκαν</numerusform>
        </translation>
    </message>
    <message>
        <source>enter</source>
        <translation>enter</translation>
    </message>
    <message>
        <source>Allow screen capture so %app can read those too. Most apps work without it.</source>
        <translation>Επιτρέψτε την καταγραφή οθόνης ώστε το %app να μπορεί να διαβάζει και αυτές. Οι περισσότερες εφαρμογές λειτουργούν χωρίς αυτήν.</translation>
    </message>
    <message>
        <source>Type a colon and a word, like :rocket, then press Tab or Enter to pick.</source>
        <translation>Πληκτρολογήστε άνω και κάτω τελεία και μια λέξη, όπως :rocket, και πατήστε Tab ή Enter για επιλογή.</translation>
    </message>
    <message>
        <source>You can switch memory off for single apps under Apps &amp; Sites. The key that unlocks it lives in your keyring.</source>
        <translation>Μπορείτε να απενεργοποιήσετε τη μνήμη για μεμονωμένες εφαρμογές στην ενότητα «Εφαρμογές και ιστότοποι». Το κλειδί που την ξεκλειδώνει βρίσκεται στην κλειδοθήκη σας.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln emoji. %1 selected</source>
        <translation>
            <numerusform>%Ln emoji. Επιλεγμένο: %1</numerusform>
            <numerusform>%Ln emoji. Επιλεγμένο: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Suggestion: %1</source>
        <translation>Πρόταση: %1</translation>
    </message>
    <message numerus="yes">
        <source>%Ln models available</source>
        <translation>
            <numerusform>%Ln διαθέσιμο μοντέλο</numerusform>
            <numerusform>%Ln διαθέσιμα μοντέλα</numerusform>
        </translation>
    </message>
    <message>
        <source>The model couldn&apos;t be saved: %1</source>
        <translation>Δεν ήταν δυνατή η αποθήκευση του μοντέλου: %1</translation>
    </message>
    <message>
        <source>Ollama isn&apos;t running.</source>
        <translation>Το Ollama δεν εκτελείται.</translation>
    </message>
    <message>
        <source>Ollama isn&apos;t running at %1.</source>
        <translation>Το Ollama δεν εκτελείται στη διεύθυνση %1.</translation>
    </message>
    <message>
        <source>No server answered.</source>
        <translation>Κανένας διακομιστής δεν απάντησε.</translation>
    </message>
    <message>
        <source>No server answered at %1.</source>
        <translation>Κανένας διακομιστής δεν απάντησε στη διεύθυνση %1.</translation>
    </message>
    <message>
        <source>Range: %1</source>
        <translation>Εύρος: %1</translation>
    </message>
    <message numerus="yes">
        <source>%1, %Ln to do</source>
        <translation>
            <numerusform>%1, απομένει %Ln</numerusform>
            <numerusform>%1, απομένουν %Ln</numerusform>
        </translation>
    </message>
    <message>
        <source>Type the whole name of the website, such as wikipedia.org.</source>
        <translation>Πληκτρολογήστε το πλήρες όνομα του ιστότοπου, όπως wikipedia.org.</translation>
    </message>
    <message>
        <source>The key holds a space, an invisible character or a letter outside plain ASCII. Paste it again exactly as your server gave it.</source>
        <translation>Το κλειδί περιέχει κενό, αόρατο χαρακτήρα ή γράμμα εκτός του απλού ASCII. Επικολλήστε το ξανά ακριβώς όπως σας το έδωσε ο διακομιστής.</translation>
    </message>
    <message>
        <source>The keyring could not be read, so your server is asked without an API key. Type the key again if your server needs one.</source>
        <translation>Δεν ήταν δυνατή η ανάγνωση της κλειδοθήκης, οπότε ο διακομιστής σας ερωτάται χωρίς κλειδί API. Πληκτρολογήστε ξανά το κλειδί αν το χρειάζεται ο διακομιστής σας.</translation>
    </message>
    <message>
        <source>Your writing memory could not be opened, so it was set aside and %app started a new one.</source>
        <translation>Δεν ήταν δυνατό το άνοιγμα της μνήμης γραφής, οπότε τέθηκε στην άκρη και το %app ξεκίνησε μια νέα.</translation>
    </message>
    <message>
        <source>%1, converted for llama.cpp by %2</source>
        <translation>%1, μετατροπή για το llama.cpp από %2</translation>
    </message>
    <message>
        <source>The data folder %1 could not be made. Check that the folder above it exists and that you may write there.</source>
        <translation>Δεν ήταν δυνατή η δημιουργία του φακέλου δεδομένων %1. Ελέγξτε ότι υπάρχει ο φάκελος πάνω από αυτόν και ότι μπορείτε να γράψετε εκεί.</translation>
    </message>
    <message>
        <source>party</source>
        <comment>emoji search sample</comment>
        <translation>πάρτι</translation>
    </message>
    <message numerus="yes">
        <source>%Ln settings held values %app cannot use, so they were corrected and saved.</source>
        <translation>
            <numerusform>%Ln ρύθμιση είχε τιμή που το %app δεν μπορεί να χρησιμοποιήσει, οπότε διορθώθηκε και αποθηκεύτηκε.</numerusform>
            <numerusform>%Ln ρυθμίσεις είχαν τιμές που το %app δεν μπορεί να χρησιμοποιήσει, οπότε διορθώθηκαν και αποθηκεύτηκαν.</numerusform>
        </translation>
    </message>
    <message>
        <source>Your writing memory is not saved: the keyring is missing or locked, so its key cannot be kept.</source>
        <translation>Η μνήμη γραφής σας δεν αποθηκεύεται: η κλειδοθήκη λείπει ή είναι κλειδωμένη, οπότε δεν μπορεί να διατηρηθεί το κλειδί της μνήμης.</translation>
    </message>
    <message>
        <source>That address isn&apos;t valid</source>
        <translation>Αυτή η διεύθυνση δεν είναι έγκυρη</translation>
    </message>
    <message>
        <source>The request timed out.</source>
        <translation>Το χρονικό όριο του αιτήματος έληξε.</translation>
    </message>
    <message>
        <source>The server&apos;s reply was too long, so it was stopped.</source>
        <translation>Η απάντηση του διακομιστή ήταν πολύ μεγάλη, οπότε διακόπηκε.</translation>
    </message>
    <message>
        <source>The server answered %1.</source>
        <translation>Ο διακομιστής απάντησε %1.</translation>
    </message>
    <message>
        <source>The server answered %1: %2</source>
        <translation>Ο διακομιστής απάντησε %1: %2</translation>
    </message>
    <message>
        <source>The download server answered %1. Try again later.</source>
        <translation>Ο διακομιστής λήψης απάντησε %1. Δοκιμάστε ξανά αργότερα.</translation>
    </message>
    <message>
        <source>The download couldn&apos;t be saved: %1</source>
        <translation>Δεν ήταν δυνατή η αποθήκευση του αρχείου της λήψης: %1</translation>
    </message>
    <message>
        <source>The download paused because the connection dropped. Try again to pick up where it stopped.</source>
        <translation>Η λήψη τέθηκε σε παύση επειδή διακόπηκε η σύνδεση. Δοκιμάστε ξανά για να συνεχίσει από εκεί που σταμάτησε.</translation>
    </message>
    <message>
        <source>The download stopped. Check your connection, then try again.</source>
        <translation>Η λήψη σταμάτησε. Ελέγξτε τη σύνδεσή σας και δοκιμάστε ξανά.</translation>
    </message>
    <message>
        <source>Pick an Ollama model in Settings</source>
        <translation>Επιλέξτε ένα μοντέλο Ollama στις Ρυθμίσεις</translation>
    </message>
    <message>
        <source>Pick a model for your local server</source>
        <translation>Επιλέξτε ένα μοντέλο για τον τοπικό σας διακομιστή</translation>
    </message>
    <message>
        <source>The server&apos;s answer is not HTTP.</source>
        <translation>Η απάντηση του διακομιστή δεν είναι HTTP.</translation>
    </message>
    <message>
        <source>The data couldn&apos;t be read because it is missing.</source>
        <translation>Δεν ήταν δυνατή η ανάγνωση των δεδομένων επειδή λείπουν.</translation>
    </message>
    <message>
        <source>The data couldn&apos;t be read because it isn&apos;t in the correct format.</source>
        <translation>Δεν ήταν δυνατή η ανάγνωση των δεδομένων επειδή δεν έχουν τη σωστή μορφή.</translation>
    </message>
    <message>
        <source>:%1:</source>
        <comment>emoji name</comment>
        <translation>:%1:</translation>
    </message>
    <message>
        <source>This computer has no on-device language model.</source>
        <translation>Αυτός ο υπολογιστής δεν έχει ενσωματωμένο γλωσσικό μοντέλο.</translation>
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
        <translation>Σε παύση στο %1</translation>
    </message>
    <message>
        <source>Paused in %1</source>
        <translation>Σε παύση στο %1</translation>
    </message>
    <message>
        <source>Off on %1</source>
        <translation>Ανενεργό στο %1</translation>
    </message>
    <message>
        <source>Off in %1</source>
        <translation>Ανενεργό στο %1</translation>
    </message>
    <message>
        <source>Off in %1 by default</source>
        <translation>Ανενεργό από προεπιλογή στο %1</translation>
    </message>
    <message>
        <source>Off in code editors</source>
        <translation>Ανενεργό σε επεξεργαστές κώδικα</translation>
    </message>
    <message>
        <source>Off unless turned on per app</source>
        <translation>Ανενεργό εκτός αν ενεργοποιηθεί ανά εφαρμογή</translation>
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
        <translation>Διάστημα</translation>
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
        <translation>Πλήκτρο %1</translation>
    </message>
    <message>
        <source>An email reply reads differently from a commit message.</source>
        <translation>Μια απάντηση σε email γράφεται αλλιώς από ένα μήνυμα commit.</translation>
    </message>
    <message>
        <source>Writes straight into the field. Cleanest in GTK and Qt apps.</source>
        <translation>Γράφει απευθείας στο πεδίο. Πιο καθαρά σε εφαρμογές GTK και Qt.</translation>
    </message>
    <message>
        <source>Typing</source>
        <comment>insertion method</comment>
        <translation>Πληκτρολόγηση</translation>
    </message>
    <message>
        <source>%1 h</source>
        <comment>hours with one decimal, such as 1.5</comment>
        <translation>%1 ώρ.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln h</source>
        <translation>
            <numerusform>%Ln ώρ.</numerusform>
            <numerusform>%Ln ώρ.</numerusform>
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
            <numerusform>%Ln λέξη που γλιτώσατε σήμερα</numerusform>
            <numerusform>%Ln λέξεις που γλιτώσατε σήμερα</numerusform>
        </translation>
    </message>
    <message>
        <source>Under a minute of typing saved today.</source>
        <translation>Σήμερα γλιτώσατε λιγότερο από ένα λεπτό πληκτρολόγησης.</translation>
    </message>
    <message>
        <source>About %1 of typing saved today.</source>
        <translation>Σήμερα γλιτώσατε περίπου %1 πληκτρολόγησης.</translation>
    </message>
    <message numerus="yes">
        <source>Step %1 of %Ln</source>
        <translation>
            <numerusform>Βήμα %1 από %Ln</numerusform>
            <numerusform>Βήμα %1 από %Ln</numerusform>
        </translation>
    </message>
    <message>
        <source>%app reads and types into text fields through the desktop&apos;s accessibility support, which some desktops leave off. %app uses it only for the field you&apos;re writing in.</source>
        <translation>Το %app διαβάζει και γράφει σε πεδία κειμένου μέσω της υποστήριξης προσβασιμότητας της επιφάνειας εργασίας, την οποία ορισμένες επιφάνειες αφήνουν απενεργοποιημένη. Το %app τη χρησιμοποιεί μόνο για το πεδίο όπου γράφετε.</translation>
    </message>
    <message>
        <source>The button switches the desktop&apos;s accessibility support on. If the desktop&apos;s settings open instead, turn accessibility on there, then come back. This page updates by itself.</source>
        <translation>Το κουμπί ενεργοποιεί την υποστήριξη προσβασιμότητας της επιφάνειας εργασίας. Αν αντί γι&apos; αυτό ανοίξουν οι ρυθμίσεις της επιφάνειας εργασίας, ενεργοποιήστε εκεί την προσβασιμότητα και επιστρέψτε. Η σελίδα ενημερώνεται μόνη της.</translation>
    </message>
    <message>
        <source>Still off? Some desktops start their accessibility service only when you log in. Log out and back in, then try again.</source>
        <translation>Ακόμα ανενεργή; Ορισμένες επιφάνειες εργασίας ξεκινούν την υπηρεσία προσβασιμότητας μόνο κατά τη σύνδεση. Αποσυνδεθείτε, συνδεθείτε ξανά και δοκιμάστε πάλι.</translation>
    </message>
    <message>
        <source>Pause</source>
        <comment>section header</comment>
        <translation>Παύση</translation>
    </message>
    <message>
        <source>Pause</source>
        <comment>button</comment>
        <translation>Παύση</translation>
    </message>
    <message>
        <source>typing</source>
        <comment>insertion method, in a sentence</comment>
        <translation>πληκτρολόγηση</translation>
    </message>
    <message>
        <source>accessibility</source>
        <comment>insertion method, in a sentence</comment>
        <translation>προσβασιμότητα</translation>
    </message>
    <message>
        <source>paste</source>
        <comment>insertion method, in a sentence</comment>
        <translation>επικόλληση</translation>
    </message>
    <message>
        <source>short</source>
        <comment>suggestion length, in a sentence</comment>
        <translation>σύντομες</translation>
    </message>
    <message>
        <source>medium</source>
        <comment>suggestion length, in a sentence</comment>
        <translation>μεσαίες</translation>
    </message>
    <message>
        <source>long</source>
        <comment>suggestion length, in a sentence</comment>
        <translation>μεγάλες</translation>
    </message>
    <message>
        <source>Default follows General: %1, %2 suggestions.</source>
        <translation>Η προεπιλογή ακολουθεί την ενότητα «Γενικά»: %1, %2 προτάσεις.</translation>
    </message>
    <message>
        <source>Yes, at %1, %2 on screen, %3 pt tall, %4 and %5</source>
        <translation>Ναι, στο %1, %2 στην οθόνη, ύψος %3 pt, %4 και %5</translation>
    </message>
    <message numerus="yes">
        <source>%Ln characters before it</source>
        <translation>
            <numerusform>%Ln χαρακτήρας πριν</numerusform>
            <numerusform>%Ln χαρακτήρες πριν</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln after</source>
        <comment>characters after the caret</comment>
        <translation>
            <numerusform>%Ln μετά</numerusform>
            <numerusform>%Ln μετά</numerusform>
        </translation>
    </message>
    <message>
        <source>No system tray runs on this desktop, so the icon cannot show. %1</source>
        <translation>Σε αυτή την επιφάνεια εργασίας δεν εκτελείται πλαίσιο συστήματος, οπότε το εικονίδιο δεν μπορεί να εμφανιστεί. %1</translation>
    </message>
    <message>
        <source>Typing</source>
        <comment>section header</comment>
        <translation>Πληκτρολόγηση</translation>
    </message>
    <message>
        <source>Switch to the computer&apos;s language?</source>
        <translation>Αλλαγή στη γλώσσα του υπολογιστή;</translation>
    </message>
    <message numerus="yes">
        <source>%Ln words this week.</source>
        <translation>
            <numerusform>%Ln λέξη αυτή την εβδομάδα.</numerusform>
            <numerusform>%Ln λέξεις αυτή την εβδομάδα.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Under a minute of typing saved today. %Ln words this week.</source>
        <translation>
            <numerusform>Σήμερα γλιτώσατε λιγότερο από ένα λεπτό πληκτρολόγησης. %Ln λέξη αυτή την εβδομάδα.</numerusform>
            <numerusform>Σήμερα γλιτώσατε λιγότερο από ένα λεπτό πληκτρολόγησης. %Ln λέξεις αυτή την εβδομάδα.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>About %1 of typing saved today. %Ln words this week.</source>
        <translation>
            <numerusform>Σήμερα γλιτώσατε περίπου %1 πληκτρολόγησης. %Ln λέξη αυτή την εβδομάδα.</numerusform>
            <numerusform>Σήμερα γλιτώσατε περίπου %1 πληκτρολόγησης. %Ln λέξεις αυτή την εβδομάδα.</numerusform>
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
            <numerusform>%Ln από %1 ολοκληρώθηκε</numerusform>
            <numerusform>%Ln από %1 ολοκληρώθηκαν</numerusform>
        </translation>
    </message>
    <message>
        <source>The server refused the connection. Check that it is running and that the address is right.</source>
        <translation>Ο διακομιστής απέρριψε τη σύνδεση. Ελέγξτε ότι εκτελείται και ότι η διεύθυνση είναι σωστή.</translation>
    </message>
    <message>
        <source>The server&apos;s name couldn&apos;t be found. Check the address.</source>
        <translation>Δεν βρέθηκε το όνομα του διακομιστή. Ελέγξτε τη διεύθυνση.</translation>
    </message>
    <message>
        <source>A secure connection to the server couldn&apos;t be made.</source>
        <translation>Δεν ήταν δυνατή η δημιουργία ασφαλούς σύνδεσης με τον διακομιστή.</translation>
    </message>
    <message>
        <source>The server closed the connection before it answered.</source>
        <translation>Ο διακομιστής έκλεισε τη σύνδεση πριν απαντήσει.</translation>
    </message>
    <message>
        <source>The network proxy couldn&apos;t be reached.</source>
        <translation>Δεν ήταν δυνατή η πρόσβαση στον διακομιστή μεσολάβησης του δικτύου.</translation>
    </message>
    <message>
        <source>The server couldn&apos;t be reached.</source>
        <translation>Δεν ήταν δυνατή η πρόσβαση στον διακομιστή.</translation>
    </message>
    <message>
        <source>Waiting for the network…</source>
        <translation>Αναμονή για το δίκτυο…</translation>
    </message>
    <message>
        <source>%1 is taken by another program.</source>
        <translation>Η συντόμευση %1 χρησιμοποιείται ήδη από άλλο πρόγραμμα.</translation>
    </message>
    <message>
        <source>%1 could not open again. Your choice takes effect the next time you start it.</source>
        <translation>Το %1 δεν μπόρεσε να ανοίξει ξανά. Η επιλογή σας θα ισχύσει την επόμενη φορά που θα το ξεκινήσετε.</translation>
    </message>
    <message>
        <source>Downloading the model</source>
        <translation>Λήψη του μοντέλου</translation>
    </message>
    <message numerus="yes">
        <source>These apps answer the Tab key before %app can, so %app stays paused in your other apps until they quit.</source>
        <translation>
            <numerusform>Αυτές οι εφαρμογές ανταποκρίνονται στο πλήκτρο Tab πριν από το %app, οπότε το %app μένει σε παύση στις άλλες εφαρμογές σας μέχρι να τερματιστούν.</numerusform>
            <numerusform>Αυτές οι εφαρμογές ανταποκρίνονται στο πλήκτρο Tab πριν από το %app, οπότε το %app μένει σε παύση στις άλλες εφαρμογές σας μέχρι να τερματιστούν.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>It may be waiting on a dialog of its own. Force Quit closes it right away.</source>
        <translation>
            <numerusform>Ίσως περιμένει κάποιο δικό του παράθυρο διαλόγου. Ο «Αναγκαστικός τερματισμός» το κλείνει αμέσως.</numerusform>
            <numerusform>Ίσως περιμένουν κάποια δικά τους παράθυρα διαλόγου. Ο «Αναγκαστικός τερματισμός» τα κλείνει αμέσως.</numerusform>
        </translation>
    </message>
    <message>
        <source>Set a Suggest Now shortcut in Keys to ask for suggestions</source>
        <translation>Ορίστε μια συντόμευση «Πρόταση τώρα» στην ενότητα «Πλήκτρα» για να ζητάτε προτάσεις</translation>
    </message>
    <message>
        <source>Backspace</source>
        <comment>key above Enter that deletes backwards</comment>
        <translation>Backspace</translation>
    </message>
    <message>
        <source>0 words saved today</source>
        <translation>0 λέξεις που γλιτώσατε σήμερα</translation>
    </message>
    <message>
        <source>words saved today</source>
        <comment>beside the count 0</comment>
        <translation>λέξεις που γλιτώσατε σήμερα</translation>
    </message>
    <message>
        <source>Quit the other app</source>
        <translation>Τερματισμός της άλλης εφαρμογής</translation>
    </message>
    <message>
        <source>None yet</source>
        <comment>no app looked at yet</comment>
        <translation>Καμία ακόμα</translation>
    </message>
    <message>
        <source>None yet</source>
        <comment>no suggestion shown yet</comment>
        <translation>Καμία ακόμα</translation>
    </message>
    <message>
        <source>The other app is also running</source>
        <translation>Εκτελείται επίσης η άλλη εφαρμογή</translation>
    </message>
    <message>
        <source>Both apps answer the Tab key, and the system gives it to the other app first. %app stays paused in your other apps until the other app quits.</source>
        <translation>Και οι δύο εφαρμογές ανταποκρίνονται στο πλήκτρο Tab και το σύστημα το δίνει πρώτα στην άλλη εφαρμογή. Το %app μένει σε παύση στις άλλες εφαρμογές σας μέχρι να τερματιστεί η άλλη εφαρμογή.</translation>
    </message>
    <message>
        <source>The other app is still open</source>
        <translation>Η άλλη εφαρμογή είναι ακόμα ανοιχτή</translation>
    </message>
    <message>
        <source>The other app quit, so your suggestions are back in every app.</source>
        <translation>Η άλλη εφαρμογή τερματίστηκε, οπότε οι προτάσεις σας επέστρεψαν σε κάθε εφαρμογή.</translation>
    </message>
    <message>
        <source>The other app quit. %app has the Tab key.</source>
        <translation>Η άλλη εφαρμογή τερματίστηκε. Το %app έχει το πλήκτρο Tab.</translation>
    </message>
</context>
</TS>
