<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="he" sourcelanguage="en">
<context>
    <name>Tessaquill</name>
    <message>
        <source>Accessibility is on. %app is ready in your other apps.</source>
        <translation>נגישות מופעלת. ‏%app מוכן באפליקציות האחרות שלך.</translation>
    </message>
    <message>
        <source>Paused while %1 is open</source>
        <translation>מושהה כל עוד האפליקציה %1 פתוחה</translation>
    </message>
    <message>
        <source>Welcome to %app</source>
        <translation>ברוכים הבאים ל־%app</translation>
    </message>
    <message>
        <source>%app</source>
        <translation>%app</translation>
    </message>
    <message>
        <source>Another autocomplete app is running</source>
        <translation>אפליקציית השלמה אוטומטית אחרת פועלת</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>מוכן</translation>
    </message>
    <message>
        <source>Waiting for a pause</source>
        <translation>ממתין להפסקה בהקלדה</translation>
    </message>
    <message>
        <source>Thinking</source>
        <translation>חושב</translation>
    </message>
    <message>
        <source>Showing a suggestion</source>
        <translation>מציג הצעה</translation>
    </message>
    <message>
        <source>The model took too long to answer</source>
        <translation>למודל לקח יותר מדי זמן לענות</translation>
    </message>
    <message>
        <source>This app doesn&apos;t report where the caret is</source>
        <translation>האפליקציה הזו לא מדווחת איפה הסמן</translation>
    </message>
    <message>
        <source>%app is turned off</source>
        <translation>האפליקציה %app כבויה</translation>
    </message>
    <message>
        <source>Secure input is on, so %app stays out</source>
        <translation>קלט מאובטח מופעל, לכן %app לא מתערב</translation>
    </message>
    <message>
        <source>Press %1 for a suggestion</source>
        <translation>יש ללחוץ על %1 לקבלת הצעה</translation>
    </message>
    <message>
        <source>Text is selected</source>
        <translation>נבחר טקסט</translation>
    </message>
    <message>
        <source>The caret is inside existing text</source>
        <translation>הסמן נמצא בתוך טקסט קיים</translation>
    </message>
    <message>
        <source>This field is too small</source>
        <translation>השדה הזה קטן מדי</translation>
    </message>
    <message>
        <source>Waiting for a few characters</source>
        <translation>ממתין לכמה תווים</translation>
    </message>
    <message>
        <source>Start of a new line</source>
        <translation>תחילת שורה חדשה</translation>
    </message>
    <message>
        <source>The model is still downloading</source>
        <translation>המודל עדיין בהורדה</translation>
    </message>
    <message>
        <source>Download the %app model in Settings first</source>
        <translation>קודם יש להוריד את המודל של %app בהגדרות</translation>
    </message>
    <message>
        <source>Not checked yet</source>
        <translation>עדיין לא נבדק</translation>
    </message>
    <message>
        <source>Checking…</source>
        <translation>בודק…</translation>
    </message>
    <message>
        <source>The model stopped with error %1</source>
        <translation>המודל נעצר עם שגיאה %1</translation>
    </message>
    <message>
        <source>The model file couldn&apos;t be loaded</source>
        <translation>לא ניתן היה לטעון את קובץ המודל</translation>
    </message>
    <message>
        <source>There wasn&apos;t enough memory to start the model</source>
        <translation>לא היה מספיק זיכרון להפעלת המודל</translation>
    </message>
    <message>
        <source>The text couldn&apos;t be prepared for the model</source>
        <translation>לא ניתן היה להכין את הטקסט עבור המודל</translation>
    </message>
    <message>
        <source>This computer needs %1 free for the download. Free up some space, then try again.</source>
        <translation>למחשב הזה דרוש %1 פנוי להורדה. יש לפנות מקום ולנסות שוב.</translation>
    </message>
    <message>
        <source>The download didn&apos;t match the expected file, so it was deleted. Try again.</source>
        <translation>ההורדה לא תאמה לקובץ הצפוי, ולכן נמחקה. כדאי לנסות שוב.</translation>
    </message>
    <message>
        <source>Downloaded</source>
        <translation>ההורדה הושלמה</translation>
    </message>
    <message>
        <source>Downloading. Suggestions start once it&apos;s done.</source>
        <translation>מוריד. ההצעות יתחילו כשההורדה תסתיים.</translation>
    </message>
    <message>
        <source>Checking the download.</source>
        <translation>בודק את ההורדה.</translation>
    </message>
    <message>
        <source>Checking the download. Suggestions start once it&apos;s done.</source>
        <translation>בודק את ההורדה. ההצעות יתחילו כשהבדיקה תסתיים.</translation>
    </message>
    <message>
        <source>Download the model to start</source>
        <translation>יש להוריד את המודל כדי להתחיל</translation>
    </message>
    <message>
        <source>Ollama is running but has no models</source>
        <translation>השרת Ollama פועל אבל אין בו מודלים</translation>
    </message>
    <message>
        <source>Another app</source>
        <translation>אפליקציה אחרת</translation>
    </message>
    <message>
        <source>There is no D-Bus session bus, so %1 cannot reach text fields.</source>
        <translation>אין אפיק הפעלה (session bus) של D-Bus, לכן %1 לא יכול לגשת לשדות טקסט.</translation>
    </message>
    <message>
        <source>The desktop&apos;s accessibility bus is not running, so %1 cannot reach text fields.</source>
        <translation>אפיק הנגישות של שולחן העבודה לא פועל, לכן %1 לא יכול לגשת לשדות טקסט.</translation>
    </message>
    <message>
        <source>Short</source>
        <translation>קצרה</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>בינונית</translation>
    </message>
    <message>
        <source>Long</source>
        <translation>ארוכה</translation>
    </message>
    <message>
        <source>Hide the suggestion</source>
        <translation>הסתרת ההצעה</translation>
    </message>
    <message>
        <source>Hide suggestions until I change fields</source>
        <translation>הסתרת הצעות עד מעבר לשדה אחר</translation>
    </message>
    <message>
        <source>Do nothing, send Escape to the app</source>
        <translation>ללא פעולה, העברת Escape לאפליקציה</translation>
    </message>
    <message>
        <source>Type it</source>
        <translation>הקלדה</translation>
    </message>
    <message>
        <source>Insert through Accessibility</source>
        <translation>הוספה דרך הנגישות</translation>
    </message>
    <message>
        <source>Paste it</source>
        <translation>הדבקה</translation>
    </message>
    <message>
        <source>Grey</source>
        <translation>אפור</translation>
    </message>
    <message>
        <source>Gold tint</source>
        <translation>גוון זהב</translation>
    </message>
    <message>
        <source>%app model</source>
        <translation>המודל של %app</translation>
    </message>
    <message>
        <source>Ollama</source>
        <translation>Ollama</translation>
    </message>
    <message>
        <source>Local server</source>
        <translation>שרת מקומי</translation>
    </message>
    <message>
        <source>Runs on this computer after a one-time download. Works offline.</source>
        <translation>פועל על המחשב הזה אחרי הורדה חד־פעמית. עובד גם בלי אינטרנט.</translation>
    </message>
    <message>
        <source>Any model you run in Ollama, base models included.</source>
        <translation>כל מודל שמריצים ב־Ollama, כולל מודלי בסיס.</translation>
    </message>
    <message>
        <source>LM Studio, llama-server or any OpenAI-compatible endpoint.</source>
        <translation>השרת LM Studio‏, llama-server או כל נקודת קצה תואמת OpenAI.</translation>
    </message>
    <message>
        <source>Sends the text as keystrokes. Works almost everywhere.</source>
        <translation>שולח את הטקסט כהקשות מקלדת. עובד כמעט בכל מקום.</translation>
    </message>
    <message>
        <source>Uses the clipboard, then puts your clipboard back.</source>
        <translation>משתמש בלוח ההעתקה ואז מחזיר אליו את התוכן שלך.</translation>
    </message>
    <message>
        <source>Accessibility</source>
        <translation>נגישות</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>הדבקה</translation>
    </message>
    <message>
        <source>Your writing memory could not be opened and was set aside. Nothing new is remembered until %app starts again.</source>
        <translation>לא ניתן היה לפתוח את זיכרון הכתיבה שלך והוא הועבר הצידה. שום דבר חדש לא יישמר עד ש־%app יופעל מחדש.</translation>
    </message>
    <message>
        <source>Your writing memory could not be opened because its key could not be read from the keyring. Nothing new is remembered until %app starts again.</source>
        <translation>לא ניתן היה לפתוח את זיכרון הכתיבה שלך כי לא ניתן היה לקרוא את המפתח שלו ממחזיק המפתחות. שום דבר חדש לא יישמר עד ש־%app יופעל מחדש.</translation>
    </message>
    <message>
        <source>Not Now</source>
        <translation>לא עכשיו</translation>
    </message>
    <message>
        <source>Open the desktop&apos;s settings</source>
        <translation>פתיחת ההגדרות של שולחן העבודה</translation>
    </message>
    <message>
        <source>Don&apos;t remind me again</source>
        <translation>לא להזכיר לי שוב</translation>
    </message>
    <message>
        <source>Open Playground</source>
        <translation>פתיחת שדה התרגול</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>הגדרות</translation>
    </message>
    <message>
        <source>Quit %app</source>
        <translation>יציאה מ־%app</translation>
    </message>
    <message>
        <source>Needs Accessibility access</source>
        <translation>נדרשת הרשאת נגישות</translation>
    </message>
    <message>
        <source>Paused until you resume</source>
        <translation>מושהה עד להמשך ידני</translation>
    </message>
    <message>
        <source>Paused until %1</source>
        <translation>מושהה עד %1</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>כבוי</translation>
    </message>
    <message numerus="yes">
        <source>Paused while %1 are open</source>
        <translation>
            <numerusform>מושהה כל עוד האפליקציה %1 פתוחה</numerusform>
            <numerusform>מושהה כל עוד האפליקציות %1 פתוחות</numerusform>
        </translation>
    </message>
    <message>
        <source>Grant Accessibility Access…</source>
        <translation>מתן הרשאת נגישות…</translation>
    </message>
    <message numerus="yes">
        <source>Force Quit %1</source>
        <translation>
            <numerusform>יציאה כפויה מ־%1</numerusform>
            <numerusform>יציאה כפויה מ־%1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Quit %1</source>
        <translation>
            <numerusform>יציאה מ־%1</numerusform>
            <numerusform>יציאה מ־%1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>words saved today</source>
        <translation>
            <numerusform>מילה שנחסכה היום</numerusform>
            <numerusform>מילים שנחסכו היום</numerusform>
        </translation>
    </message>
    <message>
        <source>Start typing anywhere. %app keeps count here.</source>
        <translation>אפשר להתחיל להקליד בכל מקום. ‏%app סופר כאן.</translation>
    </message>
    <message>
        <source>Resume in %1</source>
        <translation>המשך ב־%1</translation>
    </message>
    <message>
        <source>Pause in %1</source>
        <translation>השהיה ב־%1</translation>
    </message>
    <message>
        <source>Resume Everywhere</source>
        <translation>המשך בכל מקום</translation>
    </message>
    <message>
        <source>Pause Everywhere</source>
        <translation>השהיה בכל מקום</translation>
    </message>
    <message>
        <source>For 15 Minutes</source>
        <translation>ל־15 דקות</translation>
    </message>
    <message>
        <source>For 1 Hour</source>
        <translation>לשעה</translation>
    </message>
    <message>
        <source>For 4 Hours</source>
        <translation>ל־4 שעות</translation>
    </message>
    <message>
        <source>Until I Resume</source>
        <translation>עד שאמשיך</translation>
    </message>
    <message>
        <source>Example: after typing %1, %2 suggests %3</source>
        <translation>דוגמה: אחרי הקלדת %1, ‏%2 מציע: %3</translation>
    </message>
    <message>
        <source>takes the next word</source>
        <translation>לוקח את המילה הבאה</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>הורדה</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>ביטול</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>‏%1 מתוך %2</translation>
    </message>
    <message>
        <source>%1 of %2. You can keep writing while it downloads.</source>
        <translation>הורדו %1 מתוך %2. אפשר להמשיך לכתוב בזמן ההורדה.</translation>
    </message>
    <message>
        <source>Checking the download</source>
        <translation>בודק את ההורדה</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>ניסיון חוזר</translation>
    </message>
    <message>
        <source>Remove…</source>
        <translation>הסרה…</translation>
    </message>
    <message>
        <source>%1 license</source>
        <translation>רישיון %1</translation>
    </message>
    <message>
        <source>Remove the %app model?</source>
        <translation>להסיר את המודל של %app?</translation>
    </message>
    <message>
        <source>Model download</source>
        <translation>הורדת המודל</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>הסרה</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>המשך</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>אחר כך</translation>
    </message>
    <message>
        <source>Start Writing</source>
        <translation>מתחילים לכתוב</translation>
    </message>
    <message>
        <source>Finish your sentences in any app.</source>
        <translation>השלמת משפטים בכל אפליקציה.</translation>
    </message>
    <message>
        <source>%app reads the words before your caret and suggests what comes next in grey. Press Tab to take one word, or the key above Tab to take the rest. If you don&apos;t want it, keep typing.</source>
        <translation>האפליקציה %app קוראת את המילים שלפני הסמן ומציעה באפור את ההמשך. Tab לוקח מילה אחת, והמקש שמעל Tab לוקח את השאר. לא מתאים? פשוט ממשיכים להקליד.</translation>
    </message>
    <message>
        <source>Sees what you see</source>
        <translation>רואה את מה שמולך</translation>
    </message>
    <message>
        <source>Private</source>
        <translation>פרטי</translation>
    </message>
    <message>
        <source>It reads the window you&apos;re typing in, like the chat you&apos;re answering, so suggestions fit. None of it goes online, to us or any server. It stays private on your computer.</source>
        <translation>האפליקציה קוראת את החלון שבו מקלידים, למשל הצ׳אט שעונים בו, כדי שההצעות יתאימו. שום דבר לא עולה לרשת, לא אלינו ולא לשום שרת. הכול נשאר פרטי במחשב שלך.</translation>
    </message>
    <message>
        <source>Accessibility is on</source>
        <translation>הנגישות מופעלת</translation>
    </message>
    <message>
        <source>%app can now read the field you&apos;re writing in and type suggestions for you.</source>
        <translation>עכשיו %app יכול לקרוא את השדה שבו כותבים ולהקליד הצעות בשבילך.</translation>
    </message>
    <message>
        <source>Let %app see what you type.</source>
        <translation>יש לאפשר ל־%app לראות מה מקלידים.</translation>
    </message>
    <message>
        <source>%app reads your text when you pause and forgets it after one suggestion, unless you turn on writing memory.</source>
        <translation>האפליקציה %app קוראת את הטקסט כשעוצרים ושוכחת אותו אחרי הצעה אחת, אלא אם מפעילים את זיכרון הכתיבה.</translation>
    </message>
    <message>
        <source>%app skips password fields and anything else the system marks as secure.</source>
        <translation>האפליקציה %app מדלגת על שדות סיסמה ועל כל מה שהמערכת מסמנת כמאובטח.</translation>
    </message>
    <message>
        <source>Open Accessibility Settings</source>
        <translation>פתיחת הגדרות הנגישות</translation>
    </message>
    <message>
        <source>Pick what writes your suggestions.</source>
        <translation>יש לבחור את המנוע שיכתוב את ההצעות.</translation>
    </message>
    <message>
        <source>You can change this any time in Settings.</source>
        <translation>אפשר לשנות את זה בכל עת בהגדרות.</translation>
    </message>
    <message>
        <source>Give it a try.</source>
        <translation>כדאי לנסות.</translation>
    </message>
    <message>
        <source>Start typing a sentence. When grey words appear, press Tab for one word or the key above Tab for all of them.</source>
        <translation>אפשר להתחיל להקליד משפט. כשמופיעות מילים אפורות, Tab לוקח מילה אחת והמקש שמעל Tab לוקח את כולן.</translation>
    </message>
    <message>
        <source>Hi Orlenn, thanks for the quick reply. I think we should</source>
        <translation>היי אורלן, תודה על התשובה המהירה. לדעתי כדאי לנו</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>חזרה</translation>
    </message>
    <message>
        <source>Practice field</source>
        <translation>שדה תרגול</translation>
    </message>
    <message>
        <source>Default, on</source>
        <translation>ברירת מחדל, מופעל</translation>
    </message>
    <message>
        <source>Default, off</source>
        <translation>ברירת מחדל, כבוי</translation>
    </message>
    <message>
        <source>Add a website</source>
        <translation>הוספת אתר</translation>
    </message>
    <message>
        <source>Domain</source>
        <translation>דומיין</translation>
    </message>
    <message>
        <source>Rules for a site apply in any browser %app can read.</source>
        <translation>הכללים של אתר חלים בכל דפדפן ש־%app יכול לקרוא.</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>הוספה</translation>
    </message>
    <message>
        <source>Add App…</source>
        <translation>הוספת אפליקציה…</translation>
    </message>
    <message>
        <source>Add an app</source>
        <translation>הוספת אפליקציה</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>חיפוש</translation>
    </message>
    <message>
        <source>Clear search</source>
        <translation>ניקוי החיפוש</translation>
    </message>
    <message>
        <source>Add an app or website</source>
        <translation>הוספת אפליקציה או אתר</translation>
    </message>
    <message>
        <source>Add Website…</source>
        <translation>הוספת אתר…</translation>
    </message>
    <message>
        <source>Apps &amp; Sites</source>
        <translation>אפליקציות ואתרים</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>מושהה</translation>
    </message>
    <message>
        <source>Apps</source>
        <translation>אפליקציות</translation>
    </message>
    <message>
        <source>Websites</source>
        <translation>אתרים</translation>
    </message>
    <message>
        <source>No matches</source>
        <translation>אין תוצאות</translation>
    </message>
    <message>
        <source>No apps yet</source>
        <translation>עדיין אין אפליקציות</translation>
    </message>
    <message>
        <source>Nothing matches “%1”.</source>
        <translation>אין התאמות ל„%1”.</translation>
    </message>
    <message>
        <source>Apps appear here once you accept a suggestion in them, or add one with +.</source>
        <translation>אפליקציות מופיעות כאן אחרי שמקבלים בהן הצעה, או שאפשר להוסיף אחת עם +.</translation>
    </message>
    <message>
        <source>Pick an app or site</source>
        <translation>בחירת אפליקציה או אתר</translation>
    </message>
    <message>
        <source>Each one can have its own rules. Anything you don&apos;t change follows General.</source>
        <translation>לכל אחד יכולים להיות כללים משלו. מה שלא משנים ממשיך לפי „כללי”.</translation>
    </message>
    <message>
        <source>Words saved here</source>
        <translation>מילים שנחסכו כאן</translation>
    </message>
    <message>
        <source>Suggestions</source>
        <translation>הצעות</translation>
    </message>
    <message>
        <source>On</source>
        <translation>מופעל</translation>
    </message>
    <message>
        <source>Tab accepts suggestions</source>
        <translation>קבלת הצעות עם Tab</translation>
    </message>
    <message>
        <source>Turn off where Tab already means something, like indenting. The other accept key still works.</source>
        <translation>כדאי לכבות איפה ש־Tab כבר עושה משהו, כמו הזחה. מקש הקבלה השני ממשיך לעבוד.</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>ברירת מחדל</translation>
    </message>
    <message>
        <source>Insert by</source>
        <translation>הוספה באמצעות</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>אורך</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>המשך</translation>
    </message>
    <message>
        <source>Pause here</source>
        <translation>השהיה כאן</translation>
    </message>
    <message>
        <source>Memory</source>
        <translation>זיכרון</translation>
    </message>
    <message>
        <source>Remember my writing here</source>
        <translation>לזכור את הכתיבה שלי כאן</translation>
    </message>
    <message>
        <source>Writing memory is off in Your Voice.</source>
        <translation>זיכרון הכתיבה כבוי ב„הסגנון שלך”.</translation>
    </message>
    <message>
        <source>Erase…</source>
        <translation>מחיקה…</translation>
    </message>
    <message>
        <source>Reset to Defaults</source>
        <translation>חזרה לברירות המחדל</translation>
    </message>
    <message>
        <source>Erase what %app remembered from %1?</source>
        <translation>למחוק את מה ש־%app זכר מ־%1?</translation>
    </message>
    <message>
        <source>Erase</source>
        <translation>מחיקה</translation>
    </message>
    <message>
        <source>Passages from this app can shape suggestions everywhere.</source>
        <translation>קטעים מהאפליקציה הזו יכולים להשפיע על הצעות בכל מקום.</translation>
    </message>
    <message>
        <source>Finish setting up</source>
        <translation>סיום ההגדרה</translation>
    </message>
    <message>
        <source>Setup progress</source>
        <translation>התקדמות ההגדרה</translation>
    </message>
    <message>
        <source>Done: %1</source>
        <translation>הושלם: %1</translation>
    </message>
    <message>
        <source>Best day yet!</source>
        <translation>היום הכי טוב עד עכשיו!</translation>
    </message>
    <message>
        <source>Try it here</source>
        <translation>לנסות כאן</translation>
    </message>
    <message>
        <source>Thanks for sending the draft over. I had a look and</source>
        <translation>תודה ששלחת את הטיוטה. הסתכלתי עליה, ואני</translation>
    </message>
    <message>
        <source>next word</source>
        <translation>המילה הבאה</translation>
    </message>
    <message>
        <source>whole suggestion</source>
        <translation>כל ההצעה</translation>
    </message>
    <message>
        <source>hide it</source>
        <translation>הסתרה</translation>
    </message>
    <message>
        <source>This field runs the real engine. Start typing and grey words show up as you go.</source>
        <translation>השדה הזה מריץ את המנוע האמיתי. אפשר להתחיל להקליד ומילים אפורות יופיעו תוך כדי.</translation>
    </message>
    <message>
        <source>This field runs the real engine, even before you allow Accessibility. Start typing and grey words show up as you go.</source>
        <translation>השדה הזה מריץ את המנוע האמיתי, עוד לפני שמאשרים נגישות. אפשר להתחיל להקליד ומילים אפורות יופיעו תוך כדי.</translation>
    </message>
    <message>
        <source>You&apos;re all set</source>
        <translation>הכול מוכן</translation>
    </message>
    <message>
        <source>Accessibility is on and %1 is ready. %app works in every app you type in.</source>
        <translation>הנגישות מופעלת ו־%1 מוכן. ‏%app עובד בכל אפליקציה שמקלידים בה.</translation>
    </message>
    <message>
        <source>Waiting for %1 to quit</source>
        <translation>ממתין ליציאה של %1</translation>
    </message>
    <message>
        <source>Turned off</source>
        <translation>כבוי</translation>
    </message>
    <message>
        <source>Paused everywhere</source>
        <translation>מושהה בכל מקום</translation>
    </message>
    <message>
        <source>%1, %2 typical wait</source>
        <translation>המתנה רגילה %2 עם %1</translation>
    </message>
    <message>
        <source>Start your streak today.</source>
        <translation>אפשר להתחיל רצף כבר היום.</translation>
    </message>
    <message>
        <source>Overview</source>
        <translation>סקירה</translation>
    </message>
    <message>
        <source>General</source>
        <translation>כללי</translation>
    </message>
    <message>
        <source>Engine</source>
        <translation>מנוע</translation>
    </message>
    <message>
        <source>Context</source>
        <translation>הקשר</translation>
    </message>
    <message>
        <source>Your Voice</source>
        <translation>הסגנון שלך</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>מקשים</translation>
    </message>
    <message>
        <source>Emoji</source>
        <translation>אמוג׳י</translation>
    </message>
    <message>
        <source>Battery</source>
        <translation>סוללה</translation>
    </message>
    <message>
        <source>Insights</source>
        <translation>סטטיסטיקה</translation>
    </message>
    <message>
        <source>Field Inspector</source>
        <translation>בודק השדות</translation>
    </message>
    <message>
        <source>About</source>
        <translation>אודות</translation>
    </message>
    <message>
        <source>How %app is doing today</source>
        <translation>מה המצב של %app היום</translation>
    </message>
    <message>
        <source>Where and how suggestions appear</source>
        <translation>איפה ואיך הצעות מופיעות</translation>
    </message>
    <message>
        <source>The model that writes your suggestions</source>
        <translation>המודל שכותב את ההצעות שלך</translation>
    </message>
    <message>
        <source>What %app may look at to guess better</source>
        <translation>במה %app יכול להיעזר כדי לנחש טוב יותר</translation>
    </message>
    <message>
        <source>Help suggestions sound like you</source>
        <translation>הצעות שנשמעות כמוך</translation>
    </message>
    <message>
        <source>Accept, dismiss and summon suggestions</source>
        <translation>קבלה, דחייה וזימון של הצעות</translation>
    </message>
    <message>
        <source>Emoji search and emoticons</source>
        <translation>חיפוש אמוג׳י ורגשונים</translation>
    </message>
    <message>
        <source>Rules for each app and website</source>
        <translation>כללים לכל אפליקציה ואתר</translation>
    </message>
    <message>
        <source>Save power when you&apos;re unplugged</source>
        <translation>חיסכון בסוללה כשהמחשב לא מחובר לחשמל</translation>
    </message>
    <message>
        <source>Words saved and how fast suggestions arrive</source>
        <translation>מילים שנחסכו ומהירות ההצעות</translation>
    </message>
    <message>
        <source>What %app sees in the focused field</source>
        <translation>מה %app רואה בשדה הפעיל</translation>
    </message>
    <message>
        <source>Version and privacy</source>
        <translation>גרסה ופרטיות</translation>
    </message>
    <message>
        <source>Writing</source>
        <translation>כתיבה</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>קלט</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>כללים</translation>
    </message>
    <message>
        <source>Activity</source>
        <translation>פעילות</translation>
    </message>
    <message>
        <source>%app can read the field you&apos;re typing in and insert suggestions in any app.</source>
        <translation>האפליקציה %app יכולה לקרוא את השדה שבו מקלידים ולהוסיף הצעות בכל אפליקציה.</translation>
    </message>
    <message>
        <source>Allow Accessibility access</source>
        <translation>מתן הרשאת נגישות</translation>
    </message>
    <message>
        <source>%app needs it to read the text you type in other apps and to insert suggestions.</source>
        <translation>האפליקציה %app צריכה את זה כדי לקרוא את מה שמקלידים באפליקציות אחרות ולהוסיף הצעות.</translation>
    </message>
    <message>
        <source>Allow…</source>
        <translation>אישור…</translation>
    </message>
    <message>
        <source>%1 is ready</source>
        <translation>מוכן: %1</translation>
    </message>
    <message>
        <source>Checking %1</source>
        <translation>בודק את %1</translation>
    </message>
    <message>
        <source>This takes a moment.</source>
        <translation>זה לוקח רגע.</translation>
    </message>
    <message>
        <source>Your engine isn&apos;t ready</source>
        <translation>המנוע שלך לא מוכן</translation>
    </message>
    <message>
        <source>Open Engine</source>
        <translation>פתיחת „מנוע”</translation>
    </message>
    <message>
        <source>The system&apos;s predictions are off</source>
        <translation>החיזויים של המערכת כבויים</translation>
    </message>
    <message>
        <source>Only %app&apos;s suggestions appear while you type.</source>
        <translation>בזמן ההקלדה מופיעות רק ההצעות של %app.</translation>
    </message>
    <message>
        <source>Turn off the system&apos;s predictions</source>
        <translation>כיבוי החיזויים של המערכת</translation>
    </message>
    <message>
        <source>The system shows its own grey suggestions on top of %app&apos;s. Each app picks up the change the next time you open it.</source>
        <translation>המערכת מציגה הצעות אפורות משלה מעל אלה של %app. כל אפליקציה תקלוט את השינוי בפעם הבאה שתיפתח.</translation>
    </message>
    <message>
        <source>Keyboard Settings</source>
        <translation>הגדרות מקלדת</translation>
    </message>
    <message>
        <source>Turn Off</source>
        <translation>כיבוי</translation>
    </message>
    <message>
        <source>Only %app is suggesting</source>
        <translation>רק %app מציע עכשיו</translation>
    </message>
    <message>
        <source>Tab reaches %app again.</source>
        <translation>המקש Tab מגיע שוב אל %app.</translation>
    </message>
    <message numerus="yes">
        <source>%1 didn&apos;t quit. They may be showing a dialog. Force Quit closes them right away.</source>
        <translation>
            <numerusform>האפליקציה %1 לא נסגרה. ייתכן שהיא מציגה חלון דו־שיח. „יציאה כפויה” סוגרת אותה מיד.</numerusform>
            <numerusform>האפליקציות %1 לא נסגרו. ייתכן שהן מציגות חלון דו־שיח. „יציאה כפויה” סוגרת אותן מיד.</numerusform>
        </translation>
    </message>
    <message>
        <source>Force Quit</source>
        <translation>יציאה כפויה</translation>
    </message>
    <message numerus="yes">
        <source>%1 take the Tab key before %app can, so %app stays paused in your other apps until you quit them.</source>
        <translation>
            <numerusform>האפליקציה %1 תופסת את המקש Tab לפני %app, לכן %app נשאר מושהה באפליקציות האחרות שלך עד שיוצאים ממנה.</numerusform>
            <numerusform>האפליקציות %1 תופסות את המקש Tab לפני %app, לכן %app נשאר מושהה באפליקציות האחרות שלך עד שיוצאים מהן.</numerusform>
        </translation>
    </message>
    <message>
        <source>Only when I ask</source>
        <translation>רק לפי בקשה</translation>
    </message>
    <message>
        <source>On battery, suggestions appear only after you press the Suggest Now shortcut.</source>
        <translation>כשהמחשב פועל על סוללה, הצעות מופיעות רק אחרי לחיצה על קיצור „הצעה עכשיו”.</translation>
    </message>
    <message>
        <source>Shorter suggestions</source>
        <translation>הצעות קצרות יותר</translation>
    </message>
    <message>
        <source>Fewer words take less power to write.</source>
        <translation>פחות מילים, פחות צריכת חשמל.</translation>
    </message>
    <message>
        <source>Lighter model</source>
        <translation>מודל קל יותר</translation>
    </message>
    <message>
        <source>Same as plugged in</source>
        <translation>כמו בחיבור לחשמל</translation>
    </message>
    <message>
        <source>Running on battery. These apply right now.</source>
        <translation>פועל על סוללה. ההגדרות האלה חלות עכשיו.</translation>
    </message>
    <message>
        <source>Plugged in. These wait until you unplug.</source>
        <translation>מחובר לחשמל. ההגדרות האלה ימתינו עד הניתוק.</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>מודל</translation>
    </message>
    <message>
        <source>Model name</source>
        <translation>שם המודל</translation>
    </message>
    <message>
        <source>Reload the model list</source>
        <translation>רענון רשימת המודלים</translation>
    </message>
    <message>
        <source>Choose a model</source>
        <translation>בחירת מודל</translation>
    </message>
    <message>
        <source>For people who already run Ollama, LM Studio or llama-server.</source>
        <translation>למי שכבר מריץ Ollama‏, LM Studio או llama-server.</translation>
    </message>
    <message>
        <source>Use your own model</source>
        <translation>שימוש במודל משלך</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>כתובת</translation>
    </message>
    <message>
        <source>API key</source>
        <translation>מפתח API</translation>
    </message>
    <message>
        <source>Only if your server asks for one</source>
        <translation>רק אם השרת שלך מבקש</translation>
    </message>
    <message>
        <source>Focused</source>
        <translation>ממוקד</translation>
    </message>
    <message>
        <source>Creativity</source>
        <translation>יצירתיות</translation>
    </message>
    <message>
        <source>Loose</source>
        <translation>חופשי</translation>
    </message>
    <message>
        <source>Lower stays close to the obvious next words. Higher tries more.</source>
        <translation>ערך נמוך נצמד למילים הצפויות. ערך גבוה מנסה יותר אפשרויות.</translation>
    </message>
    <message>
        <source>Wait before suggesting</source>
        <translation>המתנה לפני הצעה</translation>
    </message>
    <message>
        <source>How long you pause before %app starts.</source>
        <translation>כמה זמן לעצור לפני ש־%app מתחיל.</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>הרצה</translation>
    </message>
    <message>
        <source>Try the engine</source>
        <translation>בדיקת המנוע</translation>
    </message>
    <message>
        <source>Sends a sample sentence and shows what comes back.</source>
        <translation>שולח משפט לדוגמה ומציג מה חוזר.</translation>
    </message>
    <message>
        <source>Running…</source>
        <translation>מריץ…</translation>
    </message>
    <message>
        <source>The engine answered in %1 but had nothing useful to add.</source>
        <translation>המנוע ענה תוך %1 אבל לא היה לו משהו מועיל להוסיף.</translation>
    </message>
    <message>
        <source>That didn&apos;t work: %1</source>
        <translation>זה לא עבד: %1</translation>
    </message>
    <message>
        <source>The request was cancelled.</source>
        <translation>הבקשה בוטלה.</translation>
    </message>
    <message>
        <source>Startup</source>
        <translation>הפעלה אוטומטית</translation>
    </message>
    <message>
        <source>Launch at login</source>
        <translation>הפעלה עם הכניסה למערכת</translation>
    </message>
    <message>
        <source>Show today&apos;s word count next to the icon</source>
        <translation>הצגת ספירת המילים של היום ליד הסמל</translation>
    </message>
    <message>
        <source>Where suggestions appear</source>
        <translation>איפה מופיעות הצעות</translation>
    </message>
    <message>
        <source>Turn this off to use %app only in the apps you switch on under Apps &amp; Sites.</source>
        <translation>אפשר לכבות את זה כדי להשתמש ב־%app רק באפליקציות שמפעילים ב„אפליקציות ואתרים”.</translation>
    </message>
    <message>
        <source>By default %app waits until the caret is at the end of a line.</source>
        <translation>כברירת מחדל, %app ממתין עד שהסמן בסוף השורה.</translation>
    </message>
    <message>
        <source>Without this, %app skips search bars and one-word boxes.</source>
        <translation>בלי זה, %app מדלג על שורות חיפוש ותיבות של מילה אחת.</translation>
    </message>
    <message>
        <source>Suggestions appear only after you press the Suggest Now shortcut.</source>
        <translation>הצעות מופיעות רק אחרי לחיצה על קיצור „הצעה עכשיו”.</translation>
    </message>
    <message>
        <source>Spelling</source>
        <translation>איות</translation>
    </message>
    <message>
        <source>Waits while the word you&apos;re typing looks misspelled, so %app doesn&apos;t build on a typo.</source>
        <translation>ממתין כל עוד המילה שמקלידים נראית שגויה, כדי ש־%app לא יבנה על שגיאת הקלדה.</translation>
    </message>
    <message>
        <source>After a misspelled word, shows a fix next to the caret. Press Tab to swap it in.</source>
        <translation>אחרי מילה עם שגיאת כתיב, מציג תיקון ליד הסמן. Tab מחליף אותה.</translation>
    </message>
    <message>
        <source>Look</source>
        <translation>מראה</translation>
    </message>
    <message>
        <source>Suggestion color</source>
        <translation>צבע ההצעה</translation>
    </message>
    <message>
        <source>Text size</source>
        <translation>גודל טקסט</translation>
    </message>
    <message>
        <source>Fine-tune if suggestions look larger or smaller than your text.</source>
        <translation>לכוונון אם ההצעות נראות גדולות או קטנות מהטקסט שלך.</translation>
    </message>
    <message>
        <source>Vertical position</source>
        <translation>מיקום אנכי</translation>
    </message>
    <message>
        <source>Nudge suggestions up or down to line up with your text.</source>
        <translation>הזזת ההצעות מעט למעלה או למטה כדי שיתיישרו עם הטקסט.</translation>
    </message>
    <message>
        <source>A small keycap after your first suggestions, as a reminder of what to press.</source>
        <translation>סמל מקש קטן אחרי ההצעות הראשונות, כתזכורת על מה ללחוץ.</translation>
    </message>
    <message>
        <source>Insert suggestions by</source>
        <translation>הוספת הצעות באמצעות</translation>
    </message>
    <message>
        <source>Other autocomplete apps</source>
        <translation>אפליקציות השלמה אוטומטית אחרות</translation>
    </message>
    <message>
        <source>They take the Tab key before %app can. With this off, %app asks you first.</source>
        <translation>הן תופסות את המקש Tab לפני %app. כשזה כבוי, %app שואל קודם.</translation>
    </message>
    <message>
        <source>%1 is another device on your network, so the text around your caret will be sent there.</source>
        <translation>הכתובת %1 היא מכשיר אחר ברשת שלך, לכן הטקסט שסביב הסמן יישלח אליו.</translation>
    </message>
    <message>
        <source>%1 isn&apos;t this computer, so the text around your caret will be sent there.</source>
        <translation>הכתובת %1 אינה המחשב הזה, לכן הטקסט שסביב הסמן יישלח אליה.</translation>
    </message>
    <message>
        <source>Both keep your text on this computer.</source>
        <translation>שניהם שומרים את הטקסט שלך במחשב הזה.</translation>
    </message>
    <message>
        <source>%app opens by itself when you start your computer.</source>
        <translation>האפליקציה %app נפתחת מעצמה כשמפעילים את המחשב.</translation>
    </message>
    <message>
        <source>System predictions</source>
        <translation>חיזויי המערכת</translation>
    </message>
    <message>
        <source>The system can show its own grey predictions. Keeping them off avoids two suggestions at once.</source>
        <translation>המערכת יכולה להציג חיזויים אפורים משלה. כיבוי שלהם מונע שתי הצעות בבת אחת.</translation>
    </message>
    <message>
        <source>System predictions are on</source>
        <translation>חיזויי המערכת מופעלים</translation>
    </message>
    <message>
        <source>System predictions are off</source>
        <translation>חיזויי המערכת כבויים</translation>
    </message>
    <message>
        <source>tab</source>
        <translation>tab</translation>
    </message>
    <message>
        <source>Your next words, one Tab away.</source>
        <translation>המילים הבאות שלך, במרחק Tab.</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>דילוג</translation>
    </message>
    <message>
        <source>Get Started</source>
        <translation>מתחילים</translation>
    </message>
    <message>
        <source>Turn sound on</source>
        <translation>הפעלת צליל</translation>
    </message>
    <message>
        <source>Turn sound off</source>
        <translation>כיבוי צליל</translation>
    </message>
    <message>
        <source>The other app</source>
        <translation>האפליקציה האחרת</translation>
    </message>
    <message numerus="yes">
        <source>Next time, quit %1 without asking</source>
        <translation>
            <numerusform>בפעם הבאה, לצאת מ־%1 בלי לשאול</numerusform>
            <numerusform>בפעם הבאה, לצאת מ־%1 בלי לשאול</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 is also running</source>
        <translation>
            <numerusform>גם האפליקציה %1 פועלת</numerusform>
            <numerusform>גם האפליקציות %1 פועלות</numerusform>
        </translation>
    </message>
    <message>
        <source>Quitting…</source>
        <translation>סגירה…</translation>
    </message>
    <message numerus="yes">
        <source>%1 is still open</source>
        <translation>
            <numerusform>האפליקציה %1 עדיין פתוחה</numerusform>
            <numerusform>האפליקציות %1 עדיין פתוחות</numerusform>
        </translation>
    </message>
    <message>
        <source>%app has the Tab key</source>
        <translation>המקש Tab אצל %app</translation>
    </message>
    <message>
        <source>%1 quit, so your suggestions are back in every app.</source>
        <translation>האפליקציה %1 נסגרה, וההצעות חזרו לכל האפליקציות.</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>סיום</translation>
    </message>
    <message>
        <source>Open Source Notices</source>
        <translation>רישיונות קוד פתוח</translation>
    </message>
    <message>
        <source>Reset all settings?</source>
        <translation>לאפס את כל ההגדרות?</translation>
    </message>
    <message>
        <source>This also clears your rules for apps and sites. Your statistics and writing memory stay.</source>
        <translation>פעולה זו מוחקת גם את הכללים שלך לאפליקציות ולאתרים. הסטטיסטיקה וזיכרון הכתיבה נשארים.</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>איפוס</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>גרסה %1</translation>
    </message>
    <message>
        <source>Some apps hide their text</source>
        <translation>יש אפליקציות שמסתירות את הטקסט שלהן</translation>
    </message>
    <message>
        <source>Suggest emoji after a colon</source>
        <translation>הצעת אמוג׳י אחרי נקודתיים</translation>
    </message>
    <message>
        <source>Turn emoticons into emoji</source>
        <translation>המרת רגשונים לאמוג׳י</translation>
    </message>
    <message>
        <source>After :-) or &lt;3, %app offers the matching emoji. Press Tab to swap it in.</source>
        <translation>אחרי ‎:-)‎ או ‎&lt;3‎, ‏%app מציע את האמוג׳י המתאים. Tab מחליף אותו.</translation>
    </message>
    <message>
        <source>Skin tone</source>
        <translation>גוון עור</translation>
    </message>
    <message>
        <source>Also show the default yellow</source>
        <translation>להציג גם את הצהוב שבברירת המחדל</translation>
    </message>
    <message>
        <source>Try a word</source>
        <translation>אפשר לנסות מילה</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>קלה</translation>
    </message>
    <message>
        <source>No emoji match “%1”</source>
        <translation>אין אמוג׳י שמתאים ל„%1”</translation>
    </message>
    <message>
        <source>Accepting</source>
        <translation>קבלה</translation>
    </message>
    <message>
        <source>Take the next word</source>
        <translation>לקיחת המילה הבאה</translation>
    </message>
    <message>
        <source>Press again for each following word.</source>
        <translation>לחיצה נוספת לכל מילה שאחריה.</translation>
    </message>
    <message>
        <source>Take the whole suggestion</source>
        <translation>לקיחת כל ההצעה</translation>
    </message>
    <message>
        <source>The key above Tab is easy to reach on most keyboards.</source>
        <translation>המקש שמעל Tab קל להשגה ברוב המקלדות.</translation>
    </message>
    <message>
        <source>Include the space after a word</source>
        <translation>לכלול את הרווח שאחרי מילה</translation>
    </message>
    <message>
        <source>Include punctuation right after a word</source>
        <translation>לכלול סימני פיסוק מיד אחרי מילה</translation>
    </message>
    <message>
        <source>When you press Escape</source>
        <translation>בלחיצה על Escape</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>קיצורי מקשים</translation>
    </message>
    <message>
        <source>Suggest now</source>
        <translation>הצעה עכשיו</translation>
    </message>
    <message>
        <source>Asks for a suggestion right away, even where %app would normally wait.</source>
        <translation>מבקש הצעה מיד, גם איפה ש־%app היה ממתין בדרך כלל.</translation>
    </message>
    <message>
        <source>Other suggestions</source>
        <translation>הצעות אחרות</translation>
    </message>
    <message>
        <source>Lists a few different ways to continue. Choose with the arrow keys, then press Tab.</source>
        <translation>מציג כמה דרכים שונות להמשיך. בוחרים בחיצים ואז לוחצים Tab.</translation>
    </message>
    <message>
        <source>Pause or resume in this app</source>
        <translation>השהיה או המשך באפליקציה הזו</translation>
    </message>
    <message>
        <source>Pauses for 15 minutes.</source>
        <translation>משהה ל־15 דקות.</translation>
    </message>
    <message>
        <source>Turn %app on or off</source>
        <translation>הפעלה או כיבוי של %app</translation>
    </message>
    <message>
        <source>Everywhere, until you press it again.</source>
        <translation>בכל מקום, עד הלחיצה הבאה.</translation>
    </message>
    <message>
        <source>Pause or resume</source>
        <translation>השהיה או המשך</translation>
    </message>
    <message>
        <source>Turn on or off</source>
        <translation>הפעלה או כיבוי</translation>
    </message>
    <message>
        <source>%1 and %2 use the same keys. Only the first will work.</source>
        <translation>לקיצורים „%1” ו„%2” אותם מקשים. רק הראשון יעבוד.</translation>
    </message>
    <message>
        <source>About you</source>
        <translation>קצת עליך</translation>
    </message>
    <message>
        <source>For example: I&apos;m a product designer in Berlin. I write short, friendly emails in British English and sign off with Cheers.</source>
        <translation>לדוגמה: אני בתחום עיצוב המוצר בברלין. המיילים שלי קצרים וידידותיים, באנגלית בריטית, והחתימה שלי היא Cheers.</translation>
    </message>
    <message>
        <source>Your role, the languages you write in, names you use often, how you like to sound.</source>
        <translation>התפקיד שלך, השפות שבהן כותבים, שמות שחוזרים הרבה, הטון הרצוי.</translation>
    </message>
    <message>
        <source>Writing memory</source>
        <translation>זיכרון כתיבה</translation>
    </message>
    <message>
        <source>Remember how I write</source>
        <translation>לזכור את סגנון הכתיבה שלי</translation>
    </message>
    <message>
        <source>Also remember fields where I accept nothing</source>
        <translation>לזכור גם שדות שבהם לא קיבלתי כלום</translation>
    </message>
    <message>
        <source>%app learns your style sooner but keeps more of what you type.</source>
        <translation>האפליקציה %app לומדת את הסגנון שלך מהר יותר, אבל שומרת יותר ממה שמקלידים.</translation>
    </message>
    <message>
        <source>Influence</source>
        <translation>השפעה</translation>
    </message>
    <message>
        <source>Strong</source>
        <translation>חזקה</translation>
    </message>
    <message>
        <source>How many of your passages each suggestion can draw on.</source>
        <translation>על כמה קטעים שלך כל הצעה יכולה להישען.</translation>
    </message>
    <message>
        <source>Erase All…</source>
        <translation>מחיקת הכול…</translation>
    </message>
    <message>
        <source>Erase everything %app remembered?</source>
        <translation>למחוק את כל מה ש־%app זכר?</translation>
    </message>
    <message>
        <source>This can&apos;t be undone.</source>
        <translation>אי אפשר לבטל את זה.</translation>
    </message>
    <message>
        <source>Erase All</source>
        <translation>מחיקת הכול</translation>
    </message>
    <message>
        <source>Nothing remembered yet</source>
        <translation>עדיין לא נשמר כלום</translation>
    </message>
    <message>
        <source>App and window name</source>
        <translation>שם האפליקציה והחלון</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>אתר</translation>
    </message>
    <message>
        <source>The site&apos;s domain when you write in a browser.</source>
        <translation>הדומיין של האתר כשכותבים בדפדפן.</translation>
    </message>
    <message>
        <source>Recently copied text</source>
        <translation>טקסט שהועתק לאחרונה</translation>
    </message>
    <message>
        <source>Anything you copied in the last 10 minutes. Copies from password managers are skipped.</source>
        <translation>כל מה שהועתק ב־10 הדקות האחרונות. טקסט שהועתק ממנהלי סיסמאות לא נכלל.</translation>
    </message>
    <message>
        <source>Text on screen</source>
        <translation>טקסט על המסך</translation>
    </message>
    <message>
        <source>Reads the window you&apos;re writing in, so replies fit the conversation. It picks the lines closest to where you type.</source>
        <translation>קורא את החלון שבו כותבים, כדי שהתשובות יתאימו לשיחה. בוחר את השורות הקרובות ביותר למקום ההקלדה.</translation>
    </message>
    <message>
        <source>What you just looked at</source>
        <translation>מה שראית הרגע</translation>
    </message>
    <message>
        <source>Windows beside you</source>
        <translation>חלונות סמוכים</translation>
    </message>
    <message>
        <source>Also reads up to two other windows on the same screen, like the document you&apos;re replying about. Skips password managers and apps you switched off.</source>
        <translation>קורא גם עד שני חלונות נוספים באותו מסך, כמו המסמך שהתשובה עוסקת בו. מדלג על מנהלי סיסמאות ועל אפליקציות שכיבית.</translation>
    </message>
    <message>
        <source>Off in this app</source>
        <translation>כבוי באפליקציה הזו</translation>
    </message>
    <message>
        <source>This word looks misspelled</source>
        <translation>נראה שיש שגיאת כתיב במילה הזו</translation>
    </message>
    <message>
        <source>Thanks for the notes. I&apos;ll send the revised deck</source>
        <translation>תודה על ההערות. אשלח את המצגת המתוקנת</translation>
    </message>
    <message>
        <source> by Friday morning.</source>
        <translation> עד יום שישי בבוקר.</translation>
    </message>
    <message>
        <source>%1 quit. %app has the Tab key.</source>
        <translation>האפליקציה %1 נסגרה. המקש Tab אצל %app.</translation>
    </message>
    <message>
        <source>Open Data Folder</source>
        <translation>פתיחת תיקיית הנתונים</translation>
    </message>
    <message>
        <source>Show Welcome Again</source>
        <translation>הצגת מסך הפתיחה שוב</translation>
    </message>
    <message>
        <source>Play Intro Again</source>
        <translation>הפעלת ההיכרות שוב</translation>
    </message>
    <message>
        <source>Reset Settings…</source>
        <translation>איפוס ההגדרות…</translation>
    </message>
    <message>
        <source>Suggest in every app</source>
        <translation>להציע בכל אפליקציה</translation>
    </message>
    <message>
        <source>Suggest in code editors</source>
        <translation>להציע בעורכי קוד</translation>
    </message>
    <message>
        <source>Suggest in the middle of a line</source>
        <translation>להציע באמצע שורה</translation>
    </message>
    <message>
        <source>Suggest in small fields</source>
        <translation>להציע בשדות קטנים</translation>
    </message>
    <message>
        <source>Hold back on misspelled words</source>
        <translation>להמתין כשמילה נראית שגויה</translation>
    </message>
    <message>
        <source>Offer spelling fixes</source>
        <translation>להציע תיקוני כתיב</translation>
    </message>
    <message>
        <source>Show the key hint</source>
        <translation>להציג את רמז המקש</translation>
    </message>
    <message>
        <source>Quit other autocomplete apps when they open</source>
        <translation>לצאת מאפליקציות השלמה אוטומטית אחרות כשהן נפתחות</translation>
    </message>
    <message>
        <source>Keeps a few minutes of text from windows you switched away from, like a page you read before replying. It stays on your computer and skips apps you switched off.</source>
        <translation>שומר לכמה דקות טקסט מחלונות שעברת מהם, כמו דף שקראת לפני שענית. הטקסט נשאר במחשב שלך, ואפליקציות שכיבית לא נכללות.</translation>
    </message>
    <message numerus="yes">
        <source>Both apps answer the Tab key, and the system gives it to %1 first. %app stays paused in your other apps until %1 quits.</source>
        <translation>
            <numerusform>שתי האפליקציות עונות למקש Tab, והמערכת נותנת אותו קודם ל־%1. ‏%app נשאר מושהה באפליקציות האחרות שלך עד שהאפליקציה %1 תיסגר.</numerusform>
            <numerusform>האפליקציות %1 תופסות את המקש Tab לפני %app, לכן %app נשאר מושהה באפליקציות האחרות שלך עד שיוצאים מהן.</numerusform>
        </translation>
    </message>
    <message>
        <source>Finishes your sentences in any app, on your computer.</source>
        <translation>משלים את המשפטים שלך בכל אפליקציה, במחשב שלך.</translation>
    </message>
    <message>
        <source>Keeps short passages from fields where you accepted a suggestion, encrypted on this computer, and shows them to the model as examples.</source>
        <translation>שומר קטעים קצרים משדות שבהם קיבלת הצעה, מוצפנים במחשב הזה, ומראה אותם למודל כדוגמאות.</translation>
    </message>
    <message>
        <source>Light</source>
        <comment>skin tone</comment>
        <translation>בהיר</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>אישור</translation>
    </message>
    <message>
        <source>Default</source>
        <comment>skin tone</comment>
        <translation>ברירת מחדל</translation>
    </message>
    <message>
        <source>Medium light</source>
        <comment>skin tone</comment>
        <translation>בהיר־בינוני</translation>
    </message>
    <message>
        <source>Medium</source>
        <comment>skin tone</comment>
        <translation>בינוני</translation>
    </message>
    <message>
        <source>Medium dark</source>
        <comment>skin tone</comment>
        <translation>כהה־בינוני</translation>
    </message>
    <message>
        <source>Dark</source>
        <comment>skin tone</comment>
        <translation>כהה</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>לא ידוע</translation>
    </message>
    <message>
        <source>%1 × %2 pt</source>
        <translation>%1 × %2 נק׳</translation>
    </message>
    <message>
        <source>No</source>
        <translation>לא</translation>
    </message>
    <message>
        <source>Not reported, estimated from the caret</source>
        <translation>לא דווח, הוערך לפי הסמן</translation>
    </message>
    <message>
        <source>%1 %2 pt</source>
        <translation>גופן %1 בגודל %2 נק׳</translation>
    </message>
    <message>
        <source>System</source>
        <translation>מערכת</translation>
    </message>
    <message>
        <source>Not yet</source>
        <translation>עדיין לא</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>היום</translation>
    </message>
    <message>
        <source>Last 7 days</source>
        <translation>7 הימים האחרונים</translation>
    </message>
    <message>
        <source>All time</source>
        <translation>מאז ההתחלה</translation>
    </message>
    <message>
        <source>Typing saved</source>
        <translation>הקלדה שנחסכה</translation>
    </message>
    <message>
        <source>at 40 words a minute</source>
        <translation>בקצב 40 מילים לדקה</translation>
    </message>
    <message>
        <source>Accepted</source>
        <translation>התקבלו</translation>
    </message>
    <message>
        <source>of suggestions shown</source>
        <translation>מההצעות שהוצגו</translation>
    </message>
    <message>
        <source>Typical wait</source>
        <translation>המתנה רגילה</translation>
    </message>
    <message>
        <source>9 in 10 under %1</source>
        <translation>9 מתוך 10 מתחת ל־%1</translation>
    </message>
    <message>
        <source>no requests yet</source>
        <translation>עדיין אין בקשות</translation>
    </message>
    <message>
        <source>Words saved</source>
        <translation>מילים שנחסכו</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>טווח</translation>
    </message>
    <message>
        <source>Nothing to chart yet</source>
        <translation>עדיין אין מה להציג בתרשים</translation>
    </message>
    <message>
        <source>Accept a few suggestions and your days show up here.</source>
        <translation>אחרי שמקבלים כמה הצעות, הימים יופיעו כאן.</translation>
    </message>
    <message>
        <source>Where you write</source>
        <translation>איפה כותבים</translation>
    </message>
    <message>
        <source>Reset Statistics…</source>
        <translation>איפוס הסטטיסטיקה…</translation>
    </message>
    <message>
        <source>Reset all statistics?</source>
        <translation>לאפס את כל הסטטיסטיקה?</translation>
    </message>
    <message>
        <source>This clears words saved, acceptance and timing history.</source>
        <translation>פעולה זו מוחקת את המילים שנחסכו ואת היסטוריית הקבלה והזמנים.</translation>
    </message>
    <message>
        <source>Copy Diagnostics</source>
        <translation>העתקת נתוני אבחון</translation>
    </message>
    <message>
        <source>Diagnostics leave out the text you typed.</source>
        <translation>נתוני האבחון לא כוללים את הטקסט שהקלדת.</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>מצב</translation>
    </message>
    <message>
        <source>Right now</source>
        <translation>ממש עכשיו</translation>
    </message>
    <message>
        <source>Allowed</source>
        <translation>מאושר</translation>
    </message>
    <message>
        <source>Not allowed</source>
        <translation>לא מאושר</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>מקלדת</translation>
    </message>
    <message>
        <source>Listening</source>
        <translation>מאזין</translation>
    </message>
    <message>
        <source>Not listening</source>
        <translation>לא מאזין</translation>
    </message>
    <message>
        <source>Focused field</source>
        <translation>השדה הפעיל</translation>
    </message>
    <message>
        <source>Click into a text field in another app, then come back. The last field %1 saw stays here.</source>
        <translation>יש ללחוץ בתוך שדה טקסט באפליקציה אחרת ולחזור לכאן. השדה האחרון ש־%1 ראה נשאר כאן.</translation>
    </message>
    <message>
        <source>App</source>
        <translation>אפליקציה</translation>
    </message>
    <message>
        <source>Field type</source>
        <translation>סוג שדה</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>חלון</translation>
    </message>
    <message>
        <source>Field size</source>
        <translation>גודל השדה</translation>
    </message>
    <message>
        <source>Caret found</source>
        <translation>הסמן נמצא</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>גופן</translation>
    </message>
    <message>
        <source>At end of line</source>
        <translation>בסוף השורה</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>כן</translation>
    </message>
    <message>
        <source>Secure input</source>
        <translation>קלט מאובטח</translation>
    </message>
    <message>
        <source>Looked at lately</source>
        <translation>נצפה לאחרונה</translation>
    </message>
    <message>
        <source>Text before the caret</source>
        <translation>הטקסט לפני הסמן</translation>
    </message>
    <message>
        <source>Last request</source>
        <translation>הבקשה האחרונה</translation>
    </message>
    <message>
        <source>Wait</source>
        <translation>המתנה</translation>
    </message>
    <message>
        <source>Suggestion</source>
        <translation>הצעה</translation>
    </message>
    <message>
        <source>Prompt sent to the engine</source>
        <translation>ההנחיה שנשלחה למנוע</translation>
    </message>
    <message>
        <source>Raw answer</source>
        <translation>תשובה גולמית</translation>
    </message>
    <message>
        <source>(empty)</source>
        <translation>(ריק)</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>הועתק</translation>
    </message>
    <message>
        <source>Choose a language</source>
        <translation>בחירת שפה</translation>
    </message>
    <message>
        <source>Search languages</source>
        <translation>חיפוש שפות</translation>
    </message>
    <message>
        <source>Same as my computer</source>
        <translation>כמו במחשב שלי</translation>
    </message>
    <message>
        <source>Switch to %1?</source>
        <translation>לעבור לשפה %1?</translation>
    </message>
    <message>
        <source>%1 closes and opens again in a second. Your settings stay as they are.</source>
        <translation>האפליקציה %1 תיסגר ותיפתח שוב בתוך שנייה. ההגדרות שלך יישארו כמו שהן.</translation>
    </message>
    <message>
        <source>Reopen Now</source>
        <translation>פתיחה מחדש עכשיו</translation>
    </message>
    <message>
        <source>App language</source>
        <translation>שפת האפליקציה</translation>
    </message>
    <message>
        <source>Pick the language you read most easily. Suggestions follow whatever language you type.</source>
        <translation>כדאי לבחור את השפה שהכי קל לך לקרוא. ההצעות הולכות אחרי השפה שבה מקלידים.</translation>
    </message>
    <message>
        <source>Change the app language</source>
        <translation>שינוי שפת האפליקציה</translation>
    </message>
    <message>
        <source>0 min</source>
        <translation>0 דק׳</translation>
    </message>
    <message>
        <source>under a minute</source>
        <translation>פחות מדקה</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 שנ׳</translation>
    </message>
    <message>
        <source>Not set</source>
        <translation>לא מוגדר</translation>
    </message>
    <message>
        <source>Clear shortcut</source>
        <translation>ניקוי קיצור</translation>
    </message>
    <message>
        <source>Add Ctrl, Alt or Super so normal typing still works.</source>
        <translation>יש להוסיף Ctrl‏, Alt או Super כדי שהקלדה רגילה תמשיך לעבוד.</translation>
    </message>
    <message>
        <source>Type a shortcut…</source>
        <translation>יש להקיש קיצור…</translation>
    </message>
    <message>
        <source>Recording shortcut</source>
        <translation>מקליט קיצור</translation>
    </message>
    <message>
        <source>Shortcut %1</source>
        <translation>קיצור %1</translation>
    </message>
    <message>
        <source>Record shortcut</source>
        <translation>הקלטת קיצור</translation>
    </message>
    <message>
        <source>Shortcut not set</source>
        <translation>לא הוגדר קיצור</translation>
    </message>
    <message>
        <source>Press to record a new shortcut. Escape cancels.</source>
        <translation>לחיצה מקליטה קיצור חדש. Escape מבטל.</translation>
    </message>
    <message>
        <source>Your tray icon is hidden</source>
        <translation>הסמל במגש המערכת מוסתר</translation>
    </message>
    <message>
        <source>This computer has no on-device language model</source>
        <translation>למחשב הזה אין מודל שפה במכשיר</translation>
    </message>
    <message>
        <source>Turn on the on-device model in the desktop&apos;s settings</source>
        <translation>יש להפעיל את המודל במכשיר בהגדרות שולחן העבודה</translation>
    </message>
    <message>
        <source>The on-device model is unavailable</source>
        <translation>המודל במכשיר לא זמין</translation>
    </message>
    <message>
        <source>Downloading. The on-device model fills in until it&apos;s done.</source>
        <translation>מוריד. עד שההורדה תסתיים, המודל במכשיר ממלא את מקומו.</translation>
    </message>
    <message>
        <source>The on-device model fills in until you download it.</source>
        <translation>עד שמורידים את המודל, המודל במכשיר ממלא את מקומו.</translation>
    </message>
    <message>
        <source>%1 shares no text. Quit it and start it with %2 to get suggestions in it.</source>
        <translation>האפליקציה %1 לא משתפת טקסט. כדי לקבל בה הצעות, יש לצאת ממנה ולהפעיל אותה עם ⁦%2⁩.</translation>
    </message>
    <message>
        <source>On-device model</source>
        <translation>מודל במכשיר</translation>
    </message>
    <message>
        <source>The system&apos;s own language model. Nothing to download.</source>
        <translation>מודל השפה של המערכת עצמה. אין מה להוריד.</translation>
    </message>
    <message>
        <source>A website name cannot hold spaces, tabs or line breaks.</source>
        <translation>שם אתר לא יכול להכיל רווחים, טאבים או מעברי שורה.</translation>
    </message>
    <message>
        <source>Only addresses that start with http or https can be added.</source>
        <translation>אפשר להוסיף רק כתובות שמתחילות ב־http או https.</translation>
    </message>
    <message>
        <source>That is not a website name. Type one such as wikipedia.org.</source>
        <translation>זה לא שם של אתר. אפשר להקליד שם כמו wikipedia.org.</translation>
    </message>
    <message>
        <source>A port is a number from 1 to 65535.</source>
        <translation>פורט הוא מספר מ־1 עד 65535.</translation>
    </message>
    <message>
        <source>The on-device model fills in until the download is done.</source>
        <translation>עד שההורדה תסתיים, המודל במכשיר ממלא את מקומו.</translation>
    </message>
    <message>
        <source>Suggestions start once the download is done.</source>
        <translation>ההצעות יתחילו כשההורדה תסתיים.</translation>
    </message>
    <message>
        <source>This frees %1. The on-device model fills in until you download it again.</source>
        <translation>פעולה זו מפנה %1. עד שמורידים שוב, המודל במכשיר ממלא את מקומו.</translation>
    </message>
    <message>
        <source>This frees %1. The %app model can&apos;t suggest until you download it again.</source>
        <translation>פעולה זו מפנה %1. המודל של %app לא יוכל להציע עד שמורידים אותו שוב.</translation>
    </message>
    <message>
        <source>There&apos;s no room for it, or your panel has no system tray. Add the panel&apos;s system tray or status area applet in its settings.</source>
        <translation>אין מקום לסמל, או שבלוח שלך אין מגש מערכת. יש להוסיף את היישומון של מגש המערכת או אזור המצב בהגדרות הלוח.</translation>
    </message>
    <message>
        <source>GNOME shows tray icons only with the AppIndicator extension. Install the gnome-shell-extension-appindicator package, log out and in, then turn it on in Extensions.</source>
        <translation>שולחן העבודה GNOME מציג סמלים במגש רק עם ההרחבה AppIndicator. יש להתקין את החבילה gnome-shell-extension-appindicator, לצאת ולהיכנס שוב, ואז להפעיל אותה ב„הרחבות”.</translation>
    </message>
    <message>
        <source>GNOME shows tray icons only with the AppIndicator extension. It is installed but off: turn it on in Extensions.</source>
        <translation>שולחן העבודה GNOME מציג סמלים במגש רק עם ההרחבה AppIndicator. היא מותקנת אבל כבויה: אפשר להפעיל אותה ב„הרחבות”.</translation>
    </message>
    <message>
        <source>Until then, open %app from your applications menu to reach Settings.</source>
        <translation>עד אז, אפשר לפתוח את %app מתפריט האפליקציות כדי להגיע להגדרות.</translation>
    </message>
    <message>
        <source>Open Extensions</source>
        <translation>פתיחת „הרחבות”</translation>
    </message>
    <message>
        <source>Show Count in Tray</source>
        <translation>הצגת הספירה במגש</translation>
    </message>
    <message>
        <source>%1 shares no text</source>
        <translation>האפליקציה %1 לא משתפת טקסט</translation>
    </message>
    <message>
        <source>Copy command</source>
        <translation>העתקת הפקודה</translation>
    </message>
    <message>
        <source>There&apos;s no account and no analytics. With the %app model or the on-device model, your text stays on this computer.</source>
        <translation>אין חשבון ואין ניתוח נתונים. עם המודל של %app או המודל במכשיר, הטקסט שלך נשאר במחשב הזה.</translation>
    </message>
    <message>
        <source>There&apos;s no account and no analytics. With the %app model, your text stays on this computer.</source>
        <translation>אין חשבון ואין ניתוח נתונים. עם המודל של %app, הטקסט שלך נשאר במחשב הזה.</translation>
    </message>
    <message>
        <source>%app lives in your system tray from now on. Click its icon to pause it in an app or open Settings.</source>
        <translation>מעכשיו %app נמצא במגש המערכת. לחיצה על הסמל שלו משהה אותו באפליקציה או פותחת את ההגדרות.</translation>
    </message>
    <message>
        <source>%app has no account, no analytics and no servers of its own. The %app model and the on-device model keep your text on this computer. Other engines get it only if you set one up.</source>
        <translation>לאפליקציה %app אין חשבון, אין ניתוח נתונים ואין שרתים משלה. המודל של %app והמודל במכשיר שומרים את הטקסט שלך במחשב הזה. מנועים אחרים מקבלים אותו רק אם מגדירים אחד מהם.</translation>
    </message>
    <message>
        <source>%app has no account, no analytics and no servers of its own. The %app model keeps your text on this computer. Other engines get it only if you set one up.</source>
        <translation>לאפליקציה %app אין חשבון, אין ניתוח נתונים ואין שרתים משלה. המודל של %app שומר את הטקסט שלך במחשב הזה. מנועים אחרים מקבלים אותו רק אם מגדירים אחד מהם.</translation>
    </message>
    <message>
        <source>Installed applications</source>
        <translation>אפליקציות מותקנות</translation>
    </message>
    <message>
        <source>%app reads these only while making a suggestion and never saves them. With the %app model or the on-device model, nothing leaves your computer.</source>
        <translation>האפליקציה %app קוראת את אלה רק בזמן יצירת הצעה ולעולם לא שומרת אותם. עם המודל של %app או המודל במכשיר, שום דבר לא יוצא מהמחשב שלך.</translation>
    </message>
    <message>
        <source>%app reads these only while making a suggestion and never saves them. With the %app model, nothing leaves your computer.</source>
        <translation>האפליקציה %app קוראת את אלה רק בזמן יצירת הצעה ולעולם לא שומרת אותם. עם המודל של %app, שום דבר לא יוצא מהמחשב שלך.</translation>
    </message>
    <message>
        <source>The %app model keeps your text on this computer.</source>
        <translation>המודל של %app שומר את הטקסט שלך במחשב הזה.</translation>
    </message>
    <message>
        <source>The key holds a line break or another control character. Paste it again without them.</source>
        <translation>המפתח מכיל מעבר שורה או תו בקרה אחר. יש להדביק אותו שוב בלעדיהם.</translation>
    </message>
    <message>
        <source>Waiting for the keyring to store the key.</source>
        <translation>ממתין שמחזיק המפתחות ישמור את המפתח.</translation>
    </message>
    <message>
        <source>The keyring cannot keep this key, so it is used only until %app quits.</source>
        <translation>מחזיק המפתחות לא יכול לשמור את המפתח הזה, לכן הוא ישמש רק עד ש־%app ייסגר.</translation>
    </message>
    <message>
        <source>Show in the system tray</source>
        <translation>הצגה במגש המערכת</translation>
    </message>
    <message>
        <source>Pause or open Settings from the system tray. Hidden? Open %app from your applications menu to come back.</source>
        <translation>אפשר להשהות או לפתוח את ההגדרות ממגש המערכת. מוסתר? אפשר לפתוח את %app מתפריט האפליקציות כדי לחזור.</translation>
    </message>
    <message>
        <source>This tray can&apos;t show text beside icons, so the count shows in the icon&apos;s tooltip.</source>
        <translation>המגש הזה לא יכול להציג טקסט ליד סמלים, לכן הספירה מופיעה בתיאור הכלי של הסמל.</translation>
    </message>
    <message>
        <source>VS Code, VSCodium, Cursor, Zed, Kate, Sublime Text, JetBrains IDEs and similar apps.</source>
        <translation>אפליקציות כמו VS Code‏, VSCodium‏, Cursor‏, Zed‏, Kate‏, Sublime Text‏, סביבות JetBrains ודומותיהן.</translation>
    </message>
    <message>
        <source>Your settings could not be read, so they were set aside and %app started over with its defaults.</source>
        <translation>לא ניתן היה לקרוא את ההגדרות שלך, לכן הן הועברו הצידה ו־%app התחיל מחדש עם ברירות המחדל.</translation>
    </message>
    <message>
        <source>Your settings are not saved: %app cannot write to its settings folder.</source>
        <translation>ההגדרות שלך לא נשמרות: ‏%app לא יכול לכתוב לתיקיית ההגדרות שלו.</translation>
    </message>
    <message>
        <source>Your app and website rules could not be read, so they were set aside.</source>
        <translation>לא ניתן היה לקרוא את כללי האפליקציות והאתרים שלך, לכן הם הועברו הצידה.</translation>
    </message>
    <message>
        <source>Your statistics could not be read, so they were set aside and counting started over.</source>
        <translation>לא ניתן היה לקרוא את הסטטיסטיקה שלך, לכן היא הועברה הצידה והספירה התחילה מחדש.</translation>
    </message>
    <message>
        <source>Not saved: %app cannot write to its data folder.</source>
        <translation>לא נשמר: ‏%app לא יכול לכתוב לתיקיית הנתונים שלו.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln suggestions. %1 selected</source>
        <translation>
            <numerusform>הצעה אחת. נבחרה: %1</numerusform>
            <numerusform>%Ln הצעות. נבחרה: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln min</source>
        <translation>
            <numerusform>%Ln דק׳</numerusform>
            <numerusform>%Ln דק׳</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln words</source>
        <translation>
            <numerusform>מילה אחת</numerusform>
            <numerusform>%Ln מילים</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln passages from here</source>
        <translation>
            <numerusform>קטע אחד מכאן</numerusform>
            <numerusform>%Ln קטעים מכאן</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>words</source>
        <comment>unit after a count</comment>
        <translation>
            <numerusform>מילה</numerusform>
            <numerusform>מילים</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln days</source>
        <translation>
            <numerusform>יום אחד</numerusform>
            <numerusform>%Ln ימים</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Words saved per day over the last %Ln days</source>
        <translation>
            <numerusform>מילים שנחסכו ביום האחרון</numerusform>
            <numerusform>מילים שנחסכו ביום ב־%Ln הימים האחרונים</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln day streak</source>
        <translation>
            <numerusform>רצף של יום אחד</numerusform>
            <numerusform>רצף של %Ln ימים</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln passages remembered</source>
        <translation>
            <numerusform>קטע אחד נשמר</numerusform>
            <numerusform>%Ln קטעים נשמרו</numerusform>
        </translation>
    </message>
    <message>
        <source>enter</source>
        <translation>enter</translation>
    </message>
    <message>
        <source>Allow screen capture so %app can read those too. Most apps work without it.</source>
        <translation>אפשר לאשר לכידת מסך כדי ש־%app יוכל לקרוא גם אותן. רוב האפליקציות עובדות בלי זה.</translation>
    </message>
    <message>
        <source>Type a colon and a word, like :rocket, then press Tab or Enter to pick.</source>
        <translation>מקלידים נקודתיים ומילה, למשל ‎:rocket‎, ואז Tab או Enter לבחירה.</translation>
    </message>
    <message>
        <source>You can switch memory off for single apps under Apps &amp; Sites. The key that unlocks it lives in your keyring.</source>
        <translation>אפשר לכבות את הזיכרון לאפליקציות מסוימות ב„אפליקציות ואתרים”. המפתח שפותח אותו שמור במחזיק המפתחות.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln emoji. %1 selected</source>
        <translation>
            <numerusform>אמוג׳י אחד. נבחר: %1</numerusform>
            <numerusform>אמוג׳י: %Ln. נבחר: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Suggestion: %1</source>
        <translation>הצעה: %1</translation>
    </message>
    <message numerus="yes">
        <source>%Ln models available</source>
        <translation>
            <numerusform>מודל אחד זמין</numerusform>
            <numerusform>מודלים זמינים: %Ln</numerusform>
        </translation>
    </message>
    <message>
        <source>The model couldn&apos;t be saved: %1</source>
        <translation>לא ניתן היה לשמור את המודל: %1</translation>
    </message>
    <message>
        <source>Ollama isn&apos;t running.</source>
        <translation>השרת Ollama לא פועל.</translation>
    </message>
    <message>
        <source>Ollama isn&apos;t running at %1.</source>
        <translation>השרת Ollama לא פועל בכתובת %1.</translation>
    </message>
    <message>
        <source>No server answered.</source>
        <translation>אף שרת לא ענה.</translation>
    </message>
    <message>
        <source>No server answered at %1.</source>
        <translation>אף שרת לא ענה בכתובת %1.</translation>
    </message>
    <message>
        <source>Range: %1</source>
        <translation>טווח: %1</translation>
    </message>
    <message numerus="yes">
        <source>%1, %Ln to do</source>
        <translation>
            <numerusform>%1, עוד %Ln</numerusform>
            <numerusform>%1, עוד %Ln</numerusform>
        </translation>
    </message>
    <message>
        <source>Type the whole name of the website, such as wikipedia.org.</source>
        <translation>יש להקליד את השם המלא של האתר, למשל wikipedia.org.</translation>
    </message>
    <message>
        <source>The key holds a space, an invisible character or a letter outside plain ASCII. Paste it again exactly as your server gave it.</source>
        <translation>המפתח מכיל רווח, תו בלתי נראה או אות מחוץ ל־ASCII פשוט. יש להדביק אותו שוב בדיוק כפי שהשרת נתן אותו.</translation>
    </message>
    <message>
        <source>The keyring could not be read, so your server is asked without an API key. Type the key again if your server needs one.</source>
        <translation>לא ניתן היה לקרוא את מחזיק המפתחות, ולכן השרת נשאל בלי מפתח API. אם השרת צריך מפתח, יש להקליד אותו שוב.</translation>
    </message>
    <message>
        <source>Your writing memory could not be opened, so it was set aside and %app started a new one.</source>
        <translation>לא ניתן היה לפתוח את זיכרון הכתיבה שלך, לכן הוא הועבר הצידה ו־%app התחיל זיכרון חדש.</translation>
    </message>
    <message>
        <source>%1, converted for llama.cpp by %2</source>
        <translation>מפרסם: %1, הומר ל־llama.cpp על ידי %2</translation>
    </message>
    <message>
        <source>The data folder %1 could not be made. Check that the folder above it exists and that you may write there.</source>
        <translation>לא ניתן היה ליצור את תיקיית הנתונים %1. יש לוודא שהתיקייה שמעליה קיימת ושמותר לך לכתוב בה.</translation>
    </message>
    <message>
        <source>party</source>
        <comment>emoji search sample</comment>
        <translation>מסיבה</translation>
    </message>
    <message numerus="yes">
        <source>%Ln settings held values %app cannot use, so they were corrected and saved.</source>
        <translation>
            <numerusform>הגדרה אחת הכילה ערך ש־%app לא יכול להשתמש בו, ולכן היא תוקנה ונשמרה.</numerusform>
            <numerusform>%Ln הגדרות הכילו ערכים ש־%app לא יכול להשתמש בהם, ולכן הן תוקנו ונשמרו.</numerusform>
        </translation>
    </message>
    <message>
        <source>Your writing memory is not saved: the keyring is missing or locked, so its key cannot be kept.</source>
        <translation>זיכרון הכתיבה שלך לא נשמר: מחזיק המפתחות חסר או נעול, ולכן לא ניתן לשמור את המפתח שלו.</translation>
    </message>
    <message>
        <source>That address isn&apos;t valid</source>
        <translation>הכתובת הזו אינה תקינה</translation>
    </message>
    <message>
        <source>The request timed out.</source>
        <translation>תם הזמן של הבקשה.</translation>
    </message>
    <message>
        <source>The server&apos;s reply was too long, so it was stopped.</source>
        <translation>התשובה של השרת הייתה ארוכה מדי, ולכן נעצרה.</translation>
    </message>
    <message>
        <source>The server answered %1.</source>
        <translation>השרת ענה %1.</translation>
    </message>
    <message>
        <source>The server answered %1: %2</source>
        <translation>השרת ענה %1: %2</translation>
    </message>
    <message>
        <source>The download server answered %1. Try again later.</source>
        <translation>שרת ההורדה ענה %1. אפשר לנסות שוב מאוחר יותר.</translation>
    </message>
    <message>
        <source>The download couldn&apos;t be saved: %1</source>
        <translation>לא ניתן היה לשמור את ההורדה: %1</translation>
    </message>
    <message>
        <source>The download paused because the connection dropped. Try again to pick up where it stopped.</source>
        <translation>ההורדה הושהתה כי החיבור נותק. אפשר לנסות שוב כדי להמשיך מהמקום שבו נעצרה.</translation>
    </message>
    <message>
        <source>The download stopped. Check your connection, then try again.</source>
        <translation>ההורדה נעצרה. יש לבדוק את החיבור ולנסות שוב.</translation>
    </message>
    <message>
        <source>Pick an Ollama model in Settings</source>
        <translation>יש לבחור מודל Ollama בהגדרות</translation>
    </message>
    <message>
        <source>Pick a model for your local server</source>
        <translation>יש לבחור מודל לשרת המקומי שלך</translation>
    </message>
    <message>
        <source>The server&apos;s answer is not HTTP.</source>
        <translation>התשובה של השרת אינה HTTP.</translation>
    </message>
    <message>
        <source>The data couldn&apos;t be read because it is missing.</source>
        <translation>לא ניתן היה לקרוא את הנתונים כי הם חסרים.</translation>
    </message>
    <message>
        <source>The data couldn&apos;t be read because it isn&apos;t in the correct format.</source>
        <translation>לא ניתן היה לקרוא את הנתונים כי הם אינם בתבנית הנכונה.</translation>
    </message>
    <message>
        <source>:%1:</source>
        <comment>emoji name</comment>
        <translation>:%1:</translation>
    </message>
    <message>
        <source>This computer has no on-device language model.</source>
        <translation>למחשב הזה אין מודל שפה במכשיר.</translation>
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
        <translation>מושהה ב־%1</translation>
    </message>
    <message>
        <source>Paused in %1</source>
        <translation>מושהה ב־%1</translation>
    </message>
    <message>
        <source>Off on %1</source>
        <translation>כבוי ב־%1</translation>
    </message>
    <message>
        <source>Off in %1</source>
        <translation>כבוי ב־%1</translation>
    </message>
    <message>
        <source>Off in %1 by default</source>
        <translation>כבוי כברירת מחדל ב־%1</translation>
    </message>
    <message>
        <source>Off in code editors</source>
        <translation>כבוי בעורכי קוד</translation>
    </message>
    <message>
        <source>Off unless turned on per app</source>
        <translation>כבוי אלא אם הופעל באפליקציה מסוימת</translation>
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
        <translation>רווח</translation>
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
        <translation>מקש %1</translation>
    </message>
    <message>
        <source>An email reply reads differently from a commit message.</source>
        <translation>תשובה לאימייל נכתבת אחרת מהודעת commit.</translation>
    </message>
    <message>
        <source>Writes straight into the field. Cleanest in GTK and Qt apps.</source>
        <translation>כותב ישירות לשדה. הכי נקי באפליקציות GTK ו־Qt.</translation>
    </message>
    <message>
        <source>Typing</source>
        <comment>insertion method</comment>
        <translation>הקלדה</translation>
    </message>
    <message>
        <source>%1 h</source>
        <comment>hours with one decimal, such as 1.5</comment>
        <translation>%1 שע׳</translation>
    </message>
    <message numerus="yes">
        <source>%Ln h</source>
        <translation>
            <numerusform>%Ln שע׳</numerusform>
            <numerusform>%Ln שע׳</numerusform>
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
            <numerusform>מילה אחת נחסכה היום</numerusform>
            <numerusform>%Ln מילים נחסכו היום</numerusform>
        </translation>
    </message>
    <message>
        <source>Under a minute of typing saved today.</source>
        <translation>היום נחסכה פחות מדקת הקלדה.</translation>
    </message>
    <message>
        <source>About %1 of typing saved today.</source>
        <translation>היום נחסכו כ־%1 של הקלדה.</translation>
    </message>
    <message numerus="yes">
        <source>Step %1 of %Ln</source>
        <translation>
            <numerusform>שלב %1 מתוך %Ln</numerusform>
            <numerusform>שלב %1 מתוך %Ln</numerusform>
        </translation>
    </message>
    <message>
        <source>%app reads and types into text fields through the desktop&apos;s accessibility support, which some desktops leave off. %app uses it only for the field you&apos;re writing in.</source>
        <translation>האפליקציה %app קוראת שדות טקסט ומקלידה בהם דרך תמיכת הנגישות של שולחן העבודה, שחלק משולחנות העבודה משאירים כבויה. היא משתמשת בה רק בשדה שבו כותבים.</translation>
    </message>
    <message>
        <source>The button switches the desktop&apos;s accessibility support on. If the desktop&apos;s settings open instead, turn accessibility on there, then come back. This page updates by itself.</source>
        <translation>הכפתור מפעיל את תמיכת הנגישות של שולחן העבודה. אם במקום זה נפתחות הגדרות שולחן העבודה, יש להפעיל שם את הנגישות ולחזור. הדף הזה מתעדכן מעצמו.</translation>
    </message>
    <message>
        <source>Still off? Some desktops start their accessibility service only when you log in. Log out and back in, then try again.</source>
        <translation>עדיין כבויה? חלק משולחנות העבודה מפעילים את שירות הנגישות רק בכניסה למערכת. יש להתנתק, להתחבר מחדש ולנסות שוב.</translation>
    </message>
    <message>
        <source>Pause</source>
        <comment>section header</comment>
        <translation>השהיה</translation>
    </message>
    <message>
        <source>Pause</source>
        <comment>button</comment>
        <translation>השהיה</translation>
    </message>
    <message>
        <source>typing</source>
        <comment>insertion method, in a sentence</comment>
        <translation>הקלדה</translation>
    </message>
    <message>
        <source>accessibility</source>
        <comment>insertion method, in a sentence</comment>
        <translation>נגישות</translation>
    </message>
    <message>
        <source>paste</source>
        <comment>insertion method, in a sentence</comment>
        <translation>הדבקה</translation>
    </message>
    <message>
        <source>short</source>
        <comment>suggestion length, in a sentence</comment>
        <translation>קצרות</translation>
    </message>
    <message>
        <source>medium</source>
        <comment>suggestion length, in a sentence</comment>
        <translation>בינוניות</translation>
    </message>
    <message>
        <source>long</source>
        <comment>suggestion length, in a sentence</comment>
        <translation>ארוכות</translation>
    </message>
    <message>
        <source>Default follows General: %1, %2 suggestions.</source>
        <translation>ברירת המחדל לפי „כללי”: %1, הצעות %2.</translation>
    </message>
    <message>
        <source>Yes, at %1, %2 on screen, %3 pt tall, %4 and %5</source>
        <translation>כן, ב־%1, %2 על המסך, בגובה %3 נק׳, %4 ו־%5</translation>
    </message>
    <message numerus="yes">
        <source>%Ln characters before it</source>
        <translation>
            <numerusform>תו אחד לפניו</numerusform>
            <numerusform>%Ln תווים לפניו</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln after</source>
        <comment>characters after the caret</comment>
        <translation>
            <numerusform>אחד אחריו</numerusform>
            <numerusform>%Ln אחריו</numerusform>
        </translation>
    </message>
    <message>
        <source>No system tray runs on this desktop, so the icon cannot show. %1</source>
        <translation>לא פועל מגש מערכת בשולחן העבודה הזה, ולכן אי אפשר להציג את הסמל. %1</translation>
    </message>
    <message>
        <source>Typing</source>
        <comment>section header</comment>
        <translation>הקלדה</translation>
    </message>
    <message>
        <source>Switch to the computer&apos;s language?</source>
        <translation>לעבור לשפת המחשב?</translation>
    </message>
    <message numerus="yes">
        <source>%Ln words this week.</source>
        <translation>
            <numerusform>מילה אחת השבוע.</numerusform>
            <numerusform>%Ln מילים השבוע.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Under a minute of typing saved today. %Ln words this week.</source>
        <translation>
            <numerusform>היום נחסכה פחות מדקת הקלדה. מילה אחת השבוע.</numerusform>
            <numerusform>היום נחסכה פחות מדקת הקלדה. %Ln מילים השבוע.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>About %1 of typing saved today. %Ln words this week.</source>
        <translation>
            <numerusform>היום נחסכו כ־%1 של הקלדה. מילה אחת השבוע.</numerusform>
            <numerusform>היום נחסכו כ־%1 של הקלדה. %Ln מילים השבוע.</numerusform>
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
            <numerusform>הושלם %Ln מתוך %1</numerusform>
            <numerusform>הושלמו %Ln מתוך %1</numerusform>
        </translation>
    </message>
    <message>
        <source>The server refused the connection. Check that it is running and that the address is right.</source>
        <translation>השרת דחה את החיבור. יש לוודא שהוא פועל ושהכתובת נכונה.</translation>
    </message>
    <message>
        <source>The server&apos;s name couldn&apos;t be found. Check the address.</source>
        <translation>שם השרת לא נמצא. יש לבדוק את הכתובת.</translation>
    </message>
    <message>
        <source>A secure connection to the server couldn&apos;t be made.</source>
        <translation>לא ניתן היה ליצור חיבור מאובטח לשרת.</translation>
    </message>
    <message>
        <source>The server closed the connection before it answered.</source>
        <translation>השרת סגר את החיבור לפני שענה.</translation>
    </message>
    <message>
        <source>The network proxy couldn&apos;t be reached.</source>
        <translation>אין גישה לשרת ה־proxy של הרשת.</translation>
    </message>
    <message>
        <source>The server couldn&apos;t be reached.</source>
        <translation>אין גישה לשרת.</translation>
    </message>
    <message>
        <source>Waiting for the network…</source>
        <translation>בהמתנה לרשת…</translation>
    </message>
    <message>
        <source>%1 is taken by another program.</source>
        <translation>קיצור המקשים %1 כבר תפוס על ידי תוכנה אחרת.</translation>
    </message>
    <message>
        <source>%1 could not open again. Your choice takes effect the next time you start it.</source>
        <translation>לא ניתן היה לפתוח מחדש את %1. הבחירה שלך תיכנס לתוקף בפעם הבאה שיופעל.</translation>
    </message>
    <message>
        <source>Downloading the model</source>
        <translation>המודל בהורדה</translation>
    </message>
    <message numerus="yes">
        <source>These apps answer the Tab key before %app can, so %app stays paused in your other apps until they quit.</source>
        <translation>
            <numerusform>האפליקציות האלה עונות למקש Tab לפני ש־%app יכול, לכן %app נשאר מושהה באפליקציות האחרות שלך עד שהן ייסגרו.</numerusform>
            <numerusform>האפליקציות האלה עונות למקש Tab לפני ש־%app יכול, לכן %app נשאר מושהה באפליקציות האחרות שלך עד שהן ייסגרו.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>It may be waiting on a dialog of its own. Force Quit closes it right away.</source>
        <translation>
            <numerusform>ייתכן שהיא ממתינה לחלון דו־שיח משלה. „יציאה כפויה” סוגרת אותה מיד.</numerusform>
            <numerusform>ייתכן שהן ממתינות לחלונות דו־שיח משלהן. „יציאה כפויה” סוגרת אותן מיד.</numerusform>
        </translation>
    </message>
    <message>
        <source>Set a Suggest Now shortcut in Keys to ask for suggestions</source>
        <translation>כדי לבקש הצעות, יש להגדיר קיצור „הצעה עכשיו” ב„מקשים”</translation>
    </message>
    <message>
        <source>Backspace</source>
        <comment>key above Enter that deletes backwards</comment>
        <translation>Backspace</translation>
    </message>
    <message>
        <source>0 words saved today</source>
        <translation>0 מילים נחסכו היום</translation>
    </message>
    <message>
        <source>words saved today</source>
        <comment>beside the count 0</comment>
        <translation>מילים שנחסכו היום</translation>
    </message>
    <message>
        <source>Quit the other app</source>
        <translation>יציאה מהאפליקציה האחרת</translation>
    </message>
    <message>
        <source>None yet</source>
        <comment>no app looked at yet</comment>
        <translation>עדיין אין</translation>
    </message>
    <message>
        <source>None yet</source>
        <comment>no suggestion shown yet</comment>
        <translation>עדיין אין</translation>
    </message>
    <message>
        <source>The other app is also running</source>
        <translation>גם האפליקציה האחרת פועלת</translation>
    </message>
    <message>
        <source>Both apps answer the Tab key, and the system gives it to the other app first. %app stays paused in your other apps until the other app quits.</source>
        <translation>שתי האפליקציות עונות למקש Tab, והמערכת נותנת אותו קודם לאפליקציה האחרת. ‏%app נשאר מושהה באפליקציות האחרות שלך עד שהאפליקציה האחרת תיסגר.</translation>
    </message>
    <message>
        <source>The other app is still open</source>
        <translation>האפליקציה האחרת עדיין פתוחה</translation>
    </message>
    <message>
        <source>The other app quit, so your suggestions are back in every app.</source>
        <translation>האפליקציה האחרת נסגרה, וההצעות חזרו לכל האפליקציות.</translation>
    </message>
    <message>
        <source>The other app quit. %app has the Tab key.</source>
        <translation>האפליקציה האחרת נסגרה. המקש Tab אצל %app.</translation>
    </message>
</context>
</TS>
