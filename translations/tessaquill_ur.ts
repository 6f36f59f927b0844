<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ur" sourcelanguage="en">
<context>
    <name>Tessaquill</name>
    <message>
        <source>Accessibility is on. %app is ready in your other apps.</source>
        <translation>رسائی پذیری آن ہے۔ اب %app آپ کی دوسری ایپس میں تیار ہے۔</translation>
    </message>
    <message>
        <source>Paused while %1 is open</source>
        <translation>جب تک ایپ %1 کھلی ہے، موقوف</translation>
    </message>
    <message>
        <source>Welcome to %app</source>
        <translation>ایپ %app میں خوش آمدید</translation>
    </message>
    <message>
        <source>%app</source>
        <translation>%app</translation>
    </message>
    <message>
        <source>Another autocomplete app is running</source>
        <translation>کوئی دوسری آٹو کمپلیٹ ایپ چل رہی ہے</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>تیار</translation>
    </message>
    <message>
        <source>Waiting for a pause</source>
        <translation>وقفے کا انتظار</translation>
    </message>
    <message>
        <source>Thinking</source>
        <translation>سوچ رہا ہے</translation>
    </message>
    <message>
        <source>Showing a suggestion</source>
        <translation>تجویز دکھا رہا ہے</translation>
    </message>
    <message>
        <source>The model took too long to answer</source>
        <translation>ماڈل نے جواب دینے میں بہت دیر لگائی</translation>
    </message>
    <message>
        <source>This app doesn&apos;t report where the caret is</source>
        <translation>یہ ایپ نہیں بتاتی کہ کیریٹ کہاں ہے</translation>
    </message>
    <message>
        <source>%app is turned off</source>
        <translation>ایپ %app آف ہے</translation>
    </message>
    <message>
        <source>Secure input is on, so %app stays out</source>
        <translation>محفوظ ان پٹ آن ہے، اس لیے %app دخل نہیں دیتا</translation>
    </message>
    <message>
        <source>Press %1 for a suggestion</source>
        <translation>تجویز کے لیے %1 دبائیں</translation>
    </message>
    <message>
        <source>Text is selected</source>
        <translation>متن منتخب ہے</translation>
    </message>
    <message>
        <source>The caret is inside existing text</source>
        <translation>کیریٹ موجودہ متن کے اندر ہے</translation>
    </message>
    <message>
        <source>This field is too small</source>
        <translation>یہ فیلڈ بہت چھوٹی ہے</translation>
    </message>
    <message>
        <source>Waiting for a few characters</source>
        <translation>چند حروف کا انتظار</translation>
    </message>
    <message>
        <source>Start of a new line</source>
        <translation>نئی سطر کا آغاز</translation>
    </message>
    <message>
        <source>The model is still downloading</source>
        <translation>ماڈل ابھی ڈاؤن لوڈ ہو رہا ہے</translation>
    </message>
    <message>
        <source>Download the %app model in Settings first</source>
        <translation>پہلے ترتیبات میں %app ماڈل ڈاؤن لوڈ کریں</translation>
    </message>
    <message>
        <source>Not checked yet</source>
        <translation>ابھی جانچا نہیں گیا</translation>
    </message>
    <message>
        <source>Checking…</source>
        <translation>جانچ ہو رہی ہے…</translation>
    </message>
    <message>
        <source>The model stopped with error %1</source>
        <translation>ماڈل خرابی %1 کے ساتھ رک گیا</translation>
    </message>
    <message>
        <source>The model file couldn&apos;t be loaded</source>
        <translation>ماڈل فائل لوڈ نہیں ہو سکی</translation>
    </message>
    <message>
        <source>There wasn&apos;t enough memory to start the model</source>
        <translation>ماڈل شروع کرنے کے لیے کافی میموری نہیں تھی</translation>
    </message>
    <message>
        <source>The text couldn&apos;t be prepared for the model</source>
        <translation>متن کو ماڈل کے لیے تیار نہیں کیا جا سکا</translation>
    </message>
    <message>
        <source>This computer needs %1 free for the download. Free up some space, then try again.</source>
        <translation>ڈاؤن لوڈ کے لیے اس کمپیوٹر پر %1 خالی جگہ درکار ہے۔ کچھ جگہ خالی کریں، پھر دوبارہ کوشش کریں۔</translation>
    </message>
    <message>
        <source>The download didn&apos;t match the expected file, so it was deleted. Try again.</source>
        <translation>ڈاؤن لوڈ متوقع فائل سے میل نہیں کھایا، اس لیے اسے حذف کر دیا گیا۔ دوبارہ کوشش کریں۔</translation>
    </message>
    <message>
        <source>Downloaded</source>
        <translation>ڈاؤن لوڈ ہو گیا</translation>
    </message>
    <message>
        <source>Downloading. Suggestions start once it&apos;s done.</source>
        <translation>ڈاؤن لوڈ ہو رہا ہے۔ مکمل ہوتے ہی تجاویز شروع ہو جائیں گی۔</translation>
    </message>
    <message>
        <source>Checking the download.</source>
        <translation>ڈاؤن لوڈ کی جانچ ہو رہی ہے۔</translation>
    </message>
    <message>
        <source>Checking the download. Suggestions start once it&apos;s done.</source>
        <translation>ڈاؤن لوڈ کی جانچ ہو رہی ہے۔ مکمل ہوتے ہی تجاویز شروع ہو جائیں گی۔</translation>
    </message>
    <message>
        <source>Download the model to start</source>
        <translation>شروع کرنے کے لیے ماڈل ڈاؤن لوڈ کریں</translation>
    </message>
    <message>
        <source>Ollama is running but has no models</source>
        <translation>سرور Ollama چل رہا ہے لیکن اس میں کوئی ماڈل نہیں</translation>
    </message>
    <message>
        <source>Another app</source>
        <translation>کوئی دوسری ایپ</translation>
    </message>
    <message>
        <source>There is no D-Bus session bus, so %1 cannot reach text fields.</source>
        <translation>کوئی D-Bus سیشن بس نہیں ہے، اس لیے %1 متن کی فیلڈز تک نہیں پہنچ سکتا۔</translation>
    </message>
    <message>
        <source>The desktop&apos;s accessibility bus is not running, so %1 cannot reach text fields.</source>
        <translation>ڈیسک ٹاپ کی رسائی پذیری بس نہیں چل رہی، اس لیے %1 متن کی فیلڈز تک نہیں پہنچ سکتا۔</translation>
    </message>
    <message>
        <source>Short</source>
        <translation>مختصر</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>درمیانی</translation>
    </message>
    <message>
        <source>Long</source>
        <translation>طویل</translation>
    </message>
    <message>
        <source>Hide the suggestion</source>
        <translation>تجویز چھپائیں</translation>
    </message>
    <message>
        <source>Hide suggestions until I change fields</source>
        <translation>فیلڈ بدلنے تک تجاویز چھپائیں</translation>
    </message>
    <message>
        <source>Do nothing, send Escape to the app</source>
        <translation>کچھ نہ کریں، Escape ایپ کو بھیجیں</translation>
    </message>
    <message>
        <source>Type it</source>
        <translation>ٹائپ کریں</translation>
    </message>
    <message>
        <source>Insert through Accessibility</source>
        <translation>رسائی پذیری کے ذریعے داخل کریں</translation>
    </message>
    <message>
        <source>Paste it</source>
        <translation>پیسٹ کریں</translation>
    </message>
    <message>
        <source>Grey</source>
        <translation>سرمئی</translation>
    </message>
    <message>
        <source>Gold tint</source>
        <translation>سنہری جھلک</translation>
    </message>
    <message>
        <source>%app model</source>
        <translation>ماڈل %app</translation>
    </message>
    <message>
        <source>Ollama</source>
        <translation>Ollama</translation>
    </message>
    <message>
        <source>Local server</source>
        <translation>مقامی سرور</translation>
    </message>
    <message>
        <source>Runs on this computer after a one-time download. Works offline.</source>
        <translation>ایک بار ڈاؤن لوڈ کے بعد اسی کمپیوٹر پر چلتا ہے۔ آف لائن کام کرتا ہے۔</translation>
    </message>
    <message>
        <source>Any model you run in Ollama, base models included.</source>
        <translation>کوئی بھی ماڈل جو آپ Ollama میں چلاتے ہیں، بیس ماڈلز سمیت۔</translation>
    </message>
    <message>
        <source>LM Studio, llama-server or any OpenAI-compatible endpoint.</source>
        <translation>سرور LM Studio، llama-server یا کوئی بھی OpenAI سے ہم آہنگ اینڈ پوائنٹ۔</translation>
    </message>
    <message>
        <source>Sends the text as keystrokes. Works almost everywhere.</source>
        <translation>متن کو کی اسٹروکس کی صورت میں بھیجتا ہے۔ تقریباً ہر جگہ کام کرتا ہے۔</translation>
    </message>
    <message>
        <source>Uses the clipboard, then puts your clipboard back.</source>
        <translation>کلپ بورڈ استعمال کرتا ہے، پھر آپ کا کلپ بورڈ واپس رکھ دیتا ہے۔</translation>
    </message>
    <message>
        <source>Accessibility</source>
        <translation>رسائی پذیری</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>پیسٹ</translation>
    </message>
    <message>
        <source>Your writing memory could not be opened and was set aside. Nothing new is remembered until %app starts again.</source>
        <translation>آپ کی تحریری میموری نہیں کھل سکی اور اسے الگ رکھ دیا گیا۔ جب تک %app دوبارہ شروع نہ ہو، کچھ نیا یاد نہیں رکھا جائے گا۔</translation>
    </message>
    <message>
        <source>Your writing memory could not be opened because its key could not be read from the keyring. Nothing new is remembered until %app starts again.</source>
        <translation>آپ کی تحریری میموری نہیں کھل سکی کیونکہ اس کی کلید کی رنگ سے پڑھی نہیں جا سکی۔ جب تک %app دوبارہ شروع نہ ہو، کچھ نیا یاد نہیں رکھا جائے گا۔</translation>
    </message>
    <message>
        <source>Not Now</source>
        <translation>ابھی نہیں</translation>
    </message>
    <message>
        <source>Open the desktop&apos;s settings</source>
        <translation>ڈیسک ٹاپ کی ترتیبات کھولیں</translation>
    </message>
    <message>
        <source>Don&apos;t remind me again</source>
        <translation>دوبارہ یاد نہ دلائیں</translation>
    </message>
    <message>
        <source>Open Playground</source>
        <translation>مشق کی فیلڈ کھولیں</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>ترتیبات</translation>
    </message>
    <message>
        <source>Quit %app</source>
        <translation>ایپ %app بند کریں</translation>
    </message>
    <message>
        <source>Needs Accessibility access</source>
        <translation>رسائی پذیری کی اجازت درکار ہے</translation>
    </message>
    <message>
        <source>Paused until you resume</source>
        <translation>دوبارہ شروع کرنے تک موقوف</translation>
    </message>
    <message>
        <source>Paused until %1</source>
        <translation>موقوف، %1 تک</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>آف</translation>
    </message>
    <message numerus="yes">
        <source>Paused while %1 are open</source>
        <translation>
            <numerusform>جب تک ایپ %1 کھلی ہے، موقوف</numerusform>
            <numerusform>جب تک ایپس %1 کھلی ہیں، موقوف</numerusform>
        </translation>
    </message>
    <message>
        <source>Grant Accessibility Access…</source>
        <translation>رسائی پذیری کی اجازت دیں…</translation>
    </message>
    <message numerus="yes">
        <source>Force Quit %1</source>
        <translation>
            <numerusform>زبردستی بند کریں: %1</numerusform>
            <numerusform>زبردستی بند کریں: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Quit %1</source>
        <translation>
            <numerusform>بند کریں: %1</numerusform>
            <numerusform>بند کریں: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>words saved today</source>
        <translation>
            <numerusform>لفظ آج بچایا گیا</numerusform>
            <numerusform>الفاظ آج بچائے گئے</numerusform>
        </translation>
    </message>
    <message>
        <source>Start typing anywhere. %app keeps count here.</source>
        <translation>کہیں بھی ٹائپ کرنا شروع کریں۔ گنتی یہاں %app رکھتا ہے۔</translation>
    </message>
    <message>
        <source>Resume in %1</source>
        <translation>ایپ %1 میں دوبارہ شروع کریں</translation>
    </message>
    <message>
        <source>Pause in %1</source>
        <translation>ایپ %1 میں موقوف کریں</translation>
    </message>
    <message>
        <source>Resume Everywhere</source>
        <translation>ہر جگہ دوبارہ شروع کریں</translation>
    </message>
    <message>
        <source>Pause Everywhere</source>
        <translation>ہر جگہ موقوف کریں</translation>
    </message>
    <message>
        <source>For 15 Minutes</source>
        <translation>15 منٹ کے لیے</translation>
    </message>
    <message>
        <source>For 1 Hour</source>
        <translation>ایک گھنٹے کے لیے</translation>
    </message>
    <message>
        <source>For 4 Hours</source>
        <translation>4 گھنٹوں کے لیے</translation>
    </message>
    <message>
        <source>Until I Resume</source>
        <translation>دوبارہ شروع کرنے تک</translation>
    </message>
    <message>
        <source>Example: after typing %1, %2 suggests %3</source>
        <translation>مثال: %1 ٹائپ کرنے کے بعد %2 تجویز کرتا ہے: %3</translation>
    </message>
    <message>
        <source>takes the next word</source>
        <translation>اگلا لفظ لیتا ہے</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>ڈاؤن لوڈ کریں</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>منسوخ کریں</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>‏%2 میں سے %1</translation>
    </message>
    <message>
        <source>%1 of %2. You can keep writing while it downloads.</source>
        <translation>ڈاؤن لوڈ شدہ: %2 میں سے %1۔ ڈاؤن لوڈ کے دوران آپ لکھنا جاری رکھ سکتے ہیں۔</translation>
    </message>
    <message>
        <source>Checking the download</source>
        <translation>ڈاؤن لوڈ کی جانچ ہو رہی ہے</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>دوبارہ کوشش کریں</translation>
    </message>
    <message>
        <source>Remove…</source>
        <translation>ہٹائیں…</translation>
    </message>
    <message>
        <source>%1 license</source>
        <translation>لائسنس %1</translation>
    </message>
    <message>
        <source>Remove the %app model?</source>
        <translation>کیا %app ماڈل ہٹا دیں؟</translation>
    </message>
    <message>
        <source>Model download</source>
        <translation>ماڈل ڈاؤن لوڈ</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>ہٹائیں</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>جاری رکھیں</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>بعد میں</translation>
    </message>
    <message>
        <source>Start Writing</source>
        <translation>لکھنا شروع کریں</translation>
    </message>
    <message>
        <source>Finish your sentences in any app.</source>
        <translation>کسی بھی ایپ میں اپنے جملے مکمل کریں۔</translation>
    </message>
    <message>
        <source>%app reads the words before your caret and suggests what comes next in grey. Press Tab to take one word, or the key above Tab to take the rest. If you don&apos;t want it, keep typing.</source>
        <translation>ایپ %app آپ کے کیریٹ سے پہلے کے الفاظ پڑھتی ہے اور آگے آنے والا متن سرمئی رنگ میں تجویز کرتی ہے۔ ایک لفظ لینے کے لیے Tab دبائیں، یا باقی سب کے لیے Tab کے اوپر والی کلید۔ اگر نہیں چاہیے تو بس ٹائپ کرتے رہیں۔</translation>
    </message>
    <message>
        <source>Sees what you see</source>
        <translation>وہی دیکھتا ہے جو آپ دیکھتے ہیں</translation>
    </message>
    <message>
        <source>Private</source>
        <translation>نجی</translation>
    </message>
    <message>
        <source>It reads the window you&apos;re typing in, like the chat you&apos;re answering, so suggestions fit. None of it goes online, to us or any server. It stays private on your computer.</source>
        <translation>یہ وہ ونڈو پڑھتا ہے جس میں آپ ٹائپ کر رہے ہیں، جیسے وہ چیٹ جس کا آپ جواب دے رہے ہیں، تاکہ تجاویز موزوں ہوں۔ اس میں سے کچھ بھی آن لائن نہیں جاتا، نہ ہمارے پاس نہ کسی سرور پر۔ سب کچھ آپ کے کمپیوٹر پر نجی رہتا ہے۔</translation>
    </message>
    <message>
        <source>Accessibility is on</source>
        <translation>رسائی پذیری آن ہے</translation>
    </message>
    <message>
        <source>%app can now read the field you&apos;re writing in and type suggestions for you.</source>
        <translation>اب %app اس فیلڈ کو پڑھ سکتا ہے جس میں آپ لکھ رہے ہیں اور آپ کے لیے تجاویز ٹائپ کر سکتا ہے۔</translation>
    </message>
    <message>
        <source>Let %app see what you type.</source>
        <translation>ایپ %app کو دیکھنے دیں کہ آپ کیا ٹائپ کرتے ہیں۔</translation>
    </message>
    <message>
        <source>%app reads your text when you pause and forgets it after one suggestion, unless you turn on writing memory.</source>
        <translation>ایپ %app آپ کے رکنے پر آپ کا متن پڑھتی ہے اور ایک تجویز کے بعد اسے بھول جاتی ہے، جب تک آپ تحریری میموری آن نہ کریں۔</translation>
    </message>
    <message>
        <source>%app skips password fields and anything else the system marks as secure.</source>
        <translation>ایپ %app پاس ورڈ فیلڈز اور ہر اس چیز کو چھوڑ دیتی ہے جسے سسٹم محفوظ قرار دیتا ہے۔</translation>
    </message>
    <message>
        <source>Open Accessibility Settings</source>
        <translation>رسائی پذیری کی ترتیبات کھولیں</translation>
    </message>
    <message>
        <source>Pick what writes your suggestions.</source>
        <translation>وہ انجن منتخب کریں جو آپ کی تجاویز لکھے۔</translation>
    </message>
    <message>
        <source>You can change this any time in Settings.</source>
        <translation>آپ اسے کسی بھی وقت ترتیبات میں بدل سکتے ہیں۔</translation>
    </message>
    <message>
        <source>Give it a try.</source>
        <translation>آزما کر دیکھیں۔</translation>
    </message>
    <message>
        <source>Start typing a sentence. When grey words appear, press Tab for one word or the key above Tab for all of them.</source>
        <translation>کوئی جملہ ٹائپ کرنا شروع کریں۔ جب سرمئی الفاظ ظاہر ہوں تو ایک لفظ کے لیے Tab دبائیں یا سب کے لیے Tab کے اوپر والی کلید۔</translation>
    </message>
    <message>
        <source>Hi Orlenn, thanks for the quick reply. I think we should</source>
        <translation>ہیلو اورلین، فوری جواب کا شکریہ۔ میرا خیال ہے ہمیں</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>واپس</translation>
    </message>
    <message>
        <source>Practice field</source>
        <translation>مشق کی فیلڈ</translation>
    </message>
    <message>
        <source>Default, on</source>
        <translation>ڈیفالٹ، آن</translation>
    </message>
    <message>
        <source>Default, off</source>
        <translation>ڈیفالٹ، آف</translation>
    </message>
    <message>
        <source>Add a website</source>
        <translation>ویب سائٹ شامل کریں</translation>
    </message>
    <message>
        <source>Domain</source>
        <translation>ڈومین</translation>
    </message>
    <message>
        <source>Rules for a site apply in any browser %app can read.</source>
        <translation>کسی سائٹ کے قواعد ہر اس براؤزر میں لاگو ہوتے ہیں جسے %app پڑھ سکتا ہے۔</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>شامل کریں</translation>
    </message>
    <message>
        <source>Add App…</source>
        <translation>ایپ شامل کریں…</translation>
    </message>
    <message>
        <source>Add an app</source>
        <translation>ایپ شامل کریں</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>تلاش کریں</translation>
    </message>
    <message>
        <source>Clear search</source>
        <translation>تلاش صاف کریں</translation>
    </message>
    <message>
        <source>Add an app or website</source>
        <translation>ایپ یا ویب سائٹ شامل کریں</translation>
    </message>
    <message>
        <source>Add Website…</source>
        <translation>ویب سائٹ شامل کریں…</translation>
    </message>
    <message>
        <source>Apps &amp; Sites</source>
        <translation>ایپس اور سائٹس</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>موقوف</translation>
    </message>
    <message>
        <source>Apps</source>
        <translation>ایپس</translation>
    </message>
    <message>
        <source>Websites</source>
        <translation>ویب سائٹس</translation>
    </message>
    <message>
        <source>No matches</source>
        <translation>کوئی مماثلت نہیں</translation>
    </message>
    <message>
        <source>No apps yet</source>
        <translation>ابھی کوئی ایپ نہیں</translation>
    </message>
    <message>
        <source>Nothing matches “%1”.</source>
        <translation>کوئی چیز «%1» سے میل نہیں کھاتی۔</translation>
    </message>
    <message>
        <source>Apps appear here once you accept a suggestion in them, or add one with +.</source>
        <translation>کسی ایپ میں تجویز قبول کرتے ہی وہ یہاں ظاہر ہوتی ہے، یا + سے کوئی ایپ شامل کریں۔</translation>
    </message>
    <message>
        <source>Pick an app or site</source>
        <translation>کوئی ایپ یا سائٹ منتخب کریں</translation>
    </message>
    <message>
        <source>Each one can have its own rules. Anything you don&apos;t change follows General.</source>
        <translation>ہر ایک کے اپنے قواعد ہو سکتے ہیں۔ جو آپ نہیں بدلتے وہ «عمومی» کے مطابق رہتا ہے۔</translation>
    </message>
    <message>
        <source>Words saved here</source>
        <translation>یہاں بچائے گئے الفاظ</translation>
    </message>
    <message>
        <source>Suggestions</source>
        <translation>تجاویز</translation>
    </message>
    <message>
        <source>On</source>
        <translation>آن</translation>
    </message>
    <message>
        <source>Tab accepts suggestions</source>
        <translation>تجاویز Tab سے قبول کریں</translation>
    </message>
    <message>
        <source>Turn off where Tab already means something, like indenting. The other accept key still works.</source>
        <translation>جہاں Tab کا پہلے سے کوئی کام ہو، جیسے انڈینٹ کرنا، وہاں اسے آف کریں۔ قبول کرنے کی دوسری کلید پھر بھی کام کرتی ہے۔</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>ڈیفالٹ</translation>
    </message>
    <message>
        <source>Insert by</source>
        <translation>داخل کرنے کا طریقہ</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>لمبائی</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>دوبارہ شروع کریں</translation>
    </message>
    <message>
        <source>Pause here</source>
        <translation>یہاں موقوف کریں</translation>
    </message>
    <message>
        <source>Memory</source>
        <translation>میموری</translation>
    </message>
    <message>
        <source>Remember my writing here</source>
        <translation>یہاں میری تحریر یاد رکھیں</translation>
    </message>
    <message>
        <source>Writing memory is off in Your Voice.</source>
        <translation>«آپ کا انداز» میں تحریری میموری آف ہے۔</translation>
    </message>
    <message>
        <source>Erase…</source>
        <translation>مٹائیں…</translation>
    </message>
    <message>
        <source>Reset to Defaults</source>
        <translation>ڈیفالٹ پر واپس جائیں</translation>
    </message>
    <message>
        <source>Erase what %app remembered from %1?</source>
        <translation>کیا %app نے %1 سے جو یاد رکھا ہے، وہ مٹا دیں؟</translation>
    </message>
    <message>
        <source>Erase</source>
        <translation>مٹائیں</translation>
    </message>
    <message>
        <source>Passages from this app can shape suggestions everywhere.</source>
        <translation>اس ایپ کے اقتباسات ہر جگہ تجاویز پر اثر ڈال سکتے ہیں۔</translation>
    </message>
    <message>
        <source>Finish setting up</source>
        <translation>سیٹ اپ مکمل کریں</translation>
    </message>
    <message>
        <source>Setup progress</source>
        <translation>سیٹ اپ کی پیش رفت</translation>
    </message>
    <message>
        <source>Done: %1</source>
        <translation>مکمل: %1</translation>
    </message>
    <message>
        <source>Best day yet!</source>
        <translation>اب تک کا بہترین دن!</translation>
    </message>
    <message>
        <source>Try it here</source>
        <translation>یہاں آزمائیں</translation>
    </message>
    <message>
        <source>Thanks for sending the draft over. I had a look and</source>
        <translation>مسودہ بھیجنے کا شکریہ۔ میں نے دیکھا اور</translation>
    </message>
    <message>
        <source>next word</source>
        <translation>اگلا لفظ</translation>
    </message>
    <message>
        <source>whole suggestion</source>
        <translation>پوری تجویز</translation>
    </message>
    <message>
        <source>hide it</source>
        <translation>چھپائیں</translation>
    </message>
    <message>
        <source>This field runs the real engine. Start typing and grey words show up as you go.</source>
        <translation>یہ فیلڈ اصل انجن چلاتی ہے۔ ٹائپ کرنا شروع کریں اور سرمئی الفاظ ساتھ ساتھ ظاہر ہوں گے۔</translation>
    </message>
    <message>
        <source>This field runs the real engine, even before you allow Accessibility. Start typing and grey words show up as you go.</source>
        <translation>یہ فیلڈ اصل انجن چلاتی ہے، رسائی پذیری کی اجازت دینے سے پہلے بھی۔ ٹائپ کرنا شروع کریں اور سرمئی الفاظ ساتھ ساتھ ظاہر ہوں گے۔</translation>
    </message>
    <message>
        <source>You&apos;re all set</source>
        <translation>سب تیار ہے</translation>
    </message>
    <message>
        <source>Accessibility is on and %1 is ready. %app works in every app you type in.</source>
        <translation>رسائی پذیری آن ہے اور %1 تیار ہے۔ %app ہر اس ایپ میں کام کرتا ہے جس میں آپ ٹائپ کرتے ہیں۔</translation>
    </message>
    <message>
        <source>Waiting for %1 to quit</source>
        <translation>بند ہونے کا انتظار: %1</translation>
    </message>
    <message>
        <source>Turned off</source>
        <translation>آف</translation>
    </message>
    <message>
        <source>Paused everywhere</source>
        <translation>ہر جگہ موقوف</translation>
    </message>
    <message>
        <source>%1, %2 typical wait</source>
        <translation>عام انتظار %2، %1 کے ساتھ</translation>
    </message>
    <message>
        <source>Start your streak today.</source>
        <translation>آج سے اپنا سلسلہ شروع کریں۔</translation>
    </message>
    <message>
        <source>Overview</source>
        <translation>جائزہ</translation>
    </message>
    <message>
        <source>General</source>
        <translation>عمومی</translation>
    </message>
    <message>
        <source>Engine</source>
        <translation>انجن</translation>
    </message>
    <message>
        <source>Context</source>
        <translation>سیاق و سباق</translation>
    </message>
    <message>
        <source>Your Voice</source>
        <translation>آپ کا انداز</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>کلیدیں</translation>
    </message>
    <message>
        <source>Emoji</source>
        <translation>ایموجی</translation>
    </message>
    <message>
        <source>Battery</source>
        <translation>بیٹری</translation>
    </message>
    <message>
        <source>Insights</source>
        <translation>اعداد و شمار</translation>
    </message>
    <message>
        <source>Field Inspector</source>
        <translation>فیلڈ انسپکٹر</translation>
    </message>
    <message>
        <source>About</source>
        <translation>بارے میں</translation>
    </message>
    <message>
        <source>How %app is doing today</source>
        <translation>آج %app کیسا چل رہا ہے</translation>
    </message>
    <message>
        <source>Where and how suggestions appear</source>
        <translation>تجاویز کہاں اور کیسے ظاہر ہوں</translation>
    </message>
    <message>
        <source>The model that writes your suggestions</source>
        <translation>وہ ماڈل جو آپ کی تجاویز لکھتا ہے</translation>
    </message>
    <message>
        <source>What %app may look at to guess better</source>
        <translation>بہتر اندازے کے لیے %app کیا دیکھ سکتا ہے</translation>
    </message>
    <message>
        <source>Help suggestions sound like you</source>
        <translation>تجاویز کو اپنے انداز جیسا بنائیں</translation>
    </message>
    <message>
        <source>Accept, dismiss and summon suggestions</source>
        <translation>تجاویز قبول کرنا، مسترد کرنا اور طلب کرنا</translation>
    </message>
    <message>
        <source>Emoji search and emoticons</source>
        <translation>ایموجی کی تلاش اور ایموٹیکون</translation>
    </message>
    <message>
        <source>Rules for each app and website</source>
        <translation>ہر ایپ اور ویب سائٹ کے قواعد</translation>
    </message>
    <message>
        <source>Save power when you&apos;re unplugged</source>
        <translation>چارجر ہٹانے پر بجلی بچائیں</translation>
    </message>
    <message>
        <source>Words saved and how fast suggestions arrive</source>
        <translation>بچائے گئے الفاظ اور تجاویز کتنی تیزی سے آتی ہیں</translation>
    </message>
    <message>
        <source>What %app sees in the focused field</source>
        <translation>فوکس والی فیلڈ میں %app کیا دیکھتا ہے</translation>
    </message>
    <message>
        <source>Version and privacy</source>
        <translation>ورژن اور رازداری</translation>
    </message>
    <message>
        <source>Writing</source>
        <translation>تحریر</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>ان پٹ</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>قواعد</translation>
    </message>
    <message>
        <source>Activity</source>
        <translation>سرگرمی</translation>
    </message>
    <message>
        <source>%app can read the field you&apos;re typing in and insert suggestions in any app.</source>
        <translation>ایپ %app اس فیلڈ کو پڑھ سکتی ہے جس میں آپ ٹائپ کر رہے ہیں اور کسی بھی ایپ میں تجاویز داخل کر سکتی ہے۔</translation>
    </message>
    <message>
        <source>Allow Accessibility access</source>
        <translation>رسائی پذیری کی اجازت دیں</translation>
    </message>
    <message>
        <source>%app needs it to read the text you type in other apps and to insert suggestions.</source>
        <translation>دوسری ایپس میں آپ کا ٹائپ کیا متن پڑھنے اور تجاویز داخل کرنے کے لیے %app کو اس کی ضرورت ہے۔</translation>
    </message>
    <message>
        <source>Allow…</source>
        <translation>اجازت دیں…</translation>
    </message>
    <message>
        <source>%1 is ready</source>
        <translation>اب %1 تیار ہے</translation>
    </message>
    <message>
        <source>Checking %1</source>
        <translation>جانچ ہو رہی ہے: %1</translation>
    </message>
    <message>
        <source>This takes a moment.</source>
        <translation>اس میں ایک لمحہ لگتا ہے۔</translation>
    </message>
    <message>
        <source>Your engine isn&apos;t ready</source>
        <translation>آپ کا انجن تیار نہیں</translation>
    </message>
    <message>
        <source>Open Engine</source>
        <translation>«انجن» کھولیں</translation>
    </message>
    <message>
        <source>The system&apos;s predictions are off</source>
        <translation>سسٹم کی پیش گوئیاں آف ہیں</translation>
    </message>
    <message>
        <source>Only %app&apos;s suggestions appear while you type.</source>
        <translation>ٹائپ کرتے وقت صرف %app کی تجاویز ظاہر ہوتی ہیں۔</translation>
    </message>
    <message>
        <source>Turn off the system&apos;s predictions</source>
        <translation>سسٹم کی پیش گوئیاں آف کریں</translation>
    </message>
    <message>
        <source>The system shows its own grey suggestions on top of %app&apos;s. Each app picks up the change the next time you open it.</source>
        <translation>سسٹم %app کی تجاویز کے اوپر اپنی سرمئی تجاویز دکھاتا ہے۔ ہر ایپ اگلی بار کھلنے پر یہ تبدیلی اپنا لیتی ہے۔</translation>
    </message>
    <message>
        <source>Keyboard Settings</source>
        <translation>کی بورڈ کی ترتیبات</translation>
    </message>
    <message>
        <source>Turn Off</source>
        <translation>آف کریں</translation>
    </message>
    <message>
        <source>Only %app is suggesting</source>
        <translation>اب صرف %app تجویز دے رہا ہے</translation>
    </message>
    <message>
        <source>Tab reaches %app again.</source>
        <translation>کلید Tab دوبارہ %app تک پہنچتی ہے۔</translation>
    </message>
    <message numerus="yes">
        <source>%1 didn&apos;t quit. They may be showing a dialog. Force Quit closes them right away.</source>
        <translation>
            <numerusform>ایپ %1 بند نہیں ہوئی۔ شاید وہ کوئی ڈائیلاگ دکھا رہی ہے۔ «زبردستی بند کریں» اسے فوراً بند کر دیتا ہے۔</numerusform>
            <numerusform>ایپس %1 بند نہیں ہوئیں۔ شاید وہ کوئی ڈائیلاگ دکھا رہی ہیں۔ «زبردستی بند کریں» انہیں فوراً بند کر دیتا ہے۔</numerusform>
        </translation>
    </message>
    <message>
        <source>Force Quit</source>
        <translation>زبردستی بند کریں</translation>
    </message>
    <message numerus="yes">
        <source>%1 take the Tab key before %app can, so %app stays paused in your other apps until you quit them.</source>
        <translation>
            <numerusform>ایپ %1 کلید Tab کو %app سے پہلے لے لیتی ہے، اس لیے جب تک آپ اسے بند نہ کریں، %app آپ کی دوسری ایپس میں موقوف رہتا ہے۔</numerusform>
            <numerusform>ایپس %1 کلید Tab کو %app سے پہلے لے لیتی ہیں، اس لیے جب تک آپ انہیں بند نہ کریں، %app آپ کی دوسری ایپس میں موقوف رہتا ہے۔</numerusform>
        </translation>
    </message>
    <message>
        <source>Only when I ask</source>
        <translation>صرف جب میں کہوں</translation>
    </message>
    <message>
        <source>On battery, suggestions appear only after you press the Suggest Now shortcut.</source>
        <translation>بیٹری پر تجاویز صرف «ابھی تجویز کریں» شارٹ کٹ دبانے کے بعد ظاہر ہوتی ہیں۔</translation>
    </message>
    <message>
        <source>Shorter suggestions</source>
        <translation>مختصر تجاویز</translation>
    </message>
    <message>
        <source>Fewer words take less power to write.</source>
        <translation>کم الفاظ لکھنے میں کم بجلی لگتی ہے۔</translation>
    </message>
    <message>
        <source>Lighter model</source>
        <translation>ہلکا ماڈل</translation>
    </message>
    <message>
        <source>Same as plugged in</source>
        <translation>چارجر لگے ہونے جیسا</translation>
    </message>
    <message>
        <source>Running on battery. These apply right now.</source>
        <translation>بیٹری پر چل رہا ہے۔ یہ ابھی لاگو ہیں۔</translation>
    </message>
    <message>
        <source>Plugged in. These wait until you unplug.</source>
        <translation>چارجر لگا ہے۔ یہ چارجر ہٹانے تک انتظار کرتی ہیں۔</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>ماڈل</translation>
    </message>
    <message>
        <source>Model name</source>
        <translation>ماڈل کا نام</translation>
    </message>
    <message>
        <source>Reload the model list</source>
        <translation>ماڈلز کی فہرست ریفریش کریں</translation>
    </message>
    <message>
        <source>Choose a model</source>
        <translation>کوئی ماڈل منتخب کریں</translation>
    </message>
    <message>
        <source>For people who already run Ollama, LM Studio or llama-server.</source>
        <translation>ان کے لیے جو پہلے سے Ollama، LM Studio یا llama-server چلاتے ہیں۔</translation>
    </message>
    <message>
        <source>Use your own model</source>
        <translation>اپنا ماڈل استعمال کریں</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>پتا</translation>
    </message>
    <message>
        <source>API key</source>
        <translation>کلیدِ API</translation>
    </message>
    <message>
        <source>Only if your server asks for one</source>
        <translation>صرف اگر آپ کا سرور مانگے</translation>
    </message>
    <message>
        <source>Focused</source>
        <translation>مرکوز</translation>
    </message>
    <message>
        <source>Creativity</source>
        <translation>تخلیقی پن</translation>
    </message>
    <message>
        <source>Loose</source>
        <translation>آزاد</translation>
    </message>
    <message>
        <source>Lower stays close to the obvious next words. Higher tries more.</source>
        <translation>کم قدر واضح اگلے الفاظ کے قریب رہتی ہے۔ زیادہ قدر زیادہ متبادل آزماتی ہے۔</translation>
    </message>
    <message>
        <source>Wait before suggesting</source>
        <translation>تجویز سے پہلے انتظار</translation>
    </message>
    <message>
        <source>How long you pause before %app starts.</source>
        <translation>کتنی دیر رکنے کے بعد %app شروع ہو۔</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>چلائیں</translation>
    </message>
    <message>
        <source>Try the engine</source>
        <translation>انجن آزمائیں</translation>
    </message>
    <message>
        <source>Sends a sample sentence and shows what comes back.</source>
        <translation>ایک نمونہ جملہ بھیجتا ہے اور جو واپس آئے وہ دکھاتا ہے۔</translation>
    </message>
    <message>
        <source>Running…</source>
        <translation>چل رہا ہے…</translation>
    </message>
    <message>
        <source>The engine answered in %1 but had nothing useful to add.</source>
        <translation>انجن نے %1 میں جواب دیا لیکن اس کے پاس شامل کرنے کو کچھ مفید نہیں تھا۔</translation>
    </message>
    <message>
        <source>That didn&apos;t work: %1</source>
        <translation>یہ کام نہیں ہوا: %1</translation>
    </message>
    <message>
        <source>The request was cancelled.</source>
        <translation>درخواست منسوخ کر دی گئی۔</translation>
    </message>
    <message>
        <source>Startup</source>
        <translation>آغاز</translation>
    </message>
    <message>
        <source>Launch at login</source>
        <translation>لاگ ان پر شروع کریں</translation>
    </message>
    <message>
        <source>Show today&apos;s word count next to the icon</source>
        <translation>آئیکن کے ساتھ آج کے الفاظ کی گنتی دکھائیں</translation>
    </message>
    <message>
        <source>Where suggestions appear</source>
        <translation>تجاویز کہاں ظاہر ہوں</translation>
    </message>
    <message>
        <source>Turn this off to use %app only in the apps you switch on under Apps &amp; Sites.</source>
        <translation>اسے آف کریں تاکہ %app صرف ان ایپس میں چلے جنہیں آپ «ایپس اور سائٹس» میں آن کرتے ہیں۔</translation>
    </message>
    <message>
        <source>By default %app waits until the caret is at the end of a line.</source>
        <translation>ڈیفالٹ طور پر %app انتظار کرتا ہے جب تک کیریٹ سطر کے آخر میں نہ ہو۔</translation>
    </message>
    <message>
        <source>Without this, %app skips search bars and one-word boxes.</source>
        <translation>اس کے بغیر %app سرچ بارز اور ایک لفظ والے خانے چھوڑ دیتا ہے۔</translation>
    </message>
    <message>
        <source>Suggestions appear only after you press the Suggest Now shortcut.</source>
        <translation>تجاویز صرف «ابھی تجویز کریں» شارٹ کٹ دبانے کے بعد ظاہر ہوتی ہیں۔</translation>
    </message>
    <message>
        <source>Spelling</source>
        <translation>ہجے</translation>
    </message>
    <message>
        <source>Waits while the word you&apos;re typing looks misspelled, so %app doesn&apos;t build on a typo.</source>
        <translation>جب تک ٹائپ ہوتا لفظ غلط ہجے والا لگے، انتظار کرتا ہے، تاکہ %app کسی ٹائپو پر آگے نہ بڑھے۔</translation>
    </message>
    <message>
        <source>After a misspelled word, shows a fix next to the caret. Press Tab to swap it in.</source>
        <translation>غلط ہجے والے لفظ کے بعد کیریٹ کے پاس درستی دکھاتا ہے۔ بدلنے کے لیے Tab دبائیں۔</translation>
    </message>
    <message>
        <source>Look</source>
        <translation>ظاہری شکل</translation>
    </message>
    <message>
        <source>Suggestion color</source>
        <translation>تجویز کا رنگ</translation>
    </message>
    <message>
        <source>Text size</source>
        <translation>متن کا سائز</translation>
    </message>
    <message>
        <source>Fine-tune if suggestions look larger or smaller than your text.</source>
        <translation>اگر تجاویز آپ کے متن سے بڑی یا چھوٹی دکھیں تو اسے ٹھیک کریں۔</translation>
    </message>
    <message>
        <source>Vertical position</source>
        <translation>عمودی مقام</translation>
    </message>
    <message>
        <source>Nudge suggestions up or down to line up with your text.</source>
        <translation>تجاویز کو اپنے متن کی سیدھ میں لانے کے لیے تھوڑا اوپر یا نیچے کریں۔</translation>
    </message>
    <message>
        <source>A small keycap after your first suggestions, as a reminder of what to press.</source>
        <translation>آپ کی پہلی تجاویز کے بعد کلید کا ایک چھوٹا نشان، یاد دہانی کے لیے کہ کیا دبانا ہے۔</translation>
    </message>
    <message>
        <source>Insert suggestions by</source>
        <translation>تجاویز داخل کرنے کا طریقہ</translation>
    </message>
    <message>
        <source>Other autocomplete apps</source>
        <translation>دوسری آٹو کمپلیٹ ایپس</translation>
    </message>
    <message>
        <source>They take the Tab key before %app can. With this off, %app asks you first.</source>
        <translation>یہ کلید Tab کو %app سے پہلے لے لیتی ہیں۔ اسے آف رکھنے پر %app پہلے آپ سے پوچھتا ہے۔</translation>
    </message>
    <message>
        <source>%1 is another device on your network, so the text around your caret will be sent there.</source>
        <translation>پتا %1 آپ کے نیٹ ورک پر کوئی دوسرا آلہ ہے، اس لیے کیریٹ کے آس پاس کا متن وہاں بھیجا جائے گا۔</translation>
    </message>
    <message>
        <source>%1 isn&apos;t this computer, so the text around your caret will be sent there.</source>
        <translation>پتا %1 یہ کمپیوٹر نہیں ہے، اس لیے کیریٹ کے آس پاس کا متن وہاں بھیجا جائے گا۔</translation>
    </message>
    <message>
        <source>Both keep your text on this computer.</source>
        <translation>دونوں آپ کا متن اسی کمپیوٹر پر رکھتے ہیں۔</translation>
    </message>
    <message>
        <source>%app opens by itself when you start your computer.</source>
        <translation>کمپیوٹر شروع کرنے پر %app خود بخود کھل جاتا ہے۔</translation>
    </message>
    <message>
        <source>System predictions</source>
        <translation>سسٹم کی پیش گوئیاں</translation>
    </message>
    <message>
        <source>The system can show its own grey predictions. Keeping them off avoids two suggestions at once.</source>
        <translation>سسٹم اپنی سرمئی پیش گوئیاں دکھا سکتا ہے۔ انہیں آف رکھنے سے ایک ساتھ دو تجاویز نہیں آتیں۔</translation>
    </message>
    <message>
        <source>System predictions are on</source>
        <translation>سسٹم کی پیش گوئیاں آن ہیں</translation>
    </message>
    <message>
        <source>System predictions are off</source>
        <translation>سسٹم کی پیش گوئیاں آف ہیں</translation>
    </message>
    <message>
        <source>tab</source>
        <translation>tab</translation>
    </message>
    <message>
        <source>Your next words, one Tab away.</source>
        <translation>آپ کے اگلے الفاظ، بس ایک Tab کی دوری پر۔</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>چھوڑیں</translation>
    </message>
    <message>
        <source>Get Started</source>
        <translation>شروع کریں</translation>
    </message>
    <message>
        <source>Turn sound on</source>
        <translation>آواز آن کریں</translation>
    </message>
    <message>
        <source>Turn sound off</source>
        <translation>آواز آف کریں</translation>
    </message>
    <message>
        <source>The other app</source>
        <translation>دوسری ایپ</translation>
    </message>
    <message numerus="yes">
        <source>Next time, quit %1 without asking</source>
        <translation>
            <numerusform>اگلی بار %1 بغیر پوچھے بند کریں</numerusform>
            <numerusform>اگلی بار %1 بغیر پوچھے بند کریں</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 is also running</source>
        <translation>
            <numerusform>ایپ %1 بھی چل رہی ہے</numerusform>
            <numerusform>ایپس %1 بھی چل رہی ہیں</numerusform>
        </translation>
    </message>
    <message>
        <source>Quitting…</source>
        <translation>بند ہو رہا ہے…</translation>
    </message>
    <message numerus="yes">
        <source>%1 is still open</source>
        <translation>
            <numerusform>ایپ %1 ابھی تک کھلی ہے</numerusform>
            <numerusform>ایپس %1 ابھی تک کھلی ہیں</numerusform>
        </translation>
    </message>
    <message>
        <source>%app has the Tab key</source>
        <translation>کلید Tab اب %app کے پاس ہے</translation>
    </message>
    <message>
        <source>%1 quit, so your suggestions are back in every app.</source>
        <translation>ایپ %1 بند ہو گئی، اس لیے آپ کی تجاویز ہر ایپ میں واپس آ گئیں۔</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>ہو گیا</translation>
    </message>
    <message>
        <source>Open Source Notices</source>
        <translation>اوپن سورس لائسنس</translation>
    </message>
    <message>
        <source>Reset all settings?</source>
        <translation>تمام ترتیبات ری سیٹ کریں؟</translation>
    </message>
    <message>
        <source>This also clears your rules for apps and sites. Your statistics and writing memory stay.</source>
        <translation>اس سے ایپس اور سائٹس کے لیے آپ کے قواعد بھی مٹ جاتے ہیں۔ آپ کے اعداد و شمار اور تحریری میموری برقرار رہتی ہے۔</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>ری سیٹ کریں</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>ورژن %1</translation>
    </message>
    <message>
        <source>Some apps hide their text</source>
        <translation>کچھ ایپس اپنا متن چھپاتی ہیں</translation>
    </message>
    <message>
        <source>Suggest emoji after a colon</source>
        <translation>کولن کے بعد ایموجی تجویز کریں</translation>
    </message>
    <message>
        <source>Turn emoticons into emoji</source>
        <translation>ایموٹیکون کو ایموجی میں بدلیں</translation>
    </message>
    <message>
        <source>After :-) or &lt;3, %app offers the matching emoji. Press Tab to swap it in.</source>
        <translation>جب آپ ‎:-)‎ یا ‎&lt;3‎ لکھیں تو %app متعلقہ ایموجی پیش کرتا ہے۔ بدلنے کے لیے Tab دبائیں۔</translation>
    </message>
    <message>
        <source>Skin tone</source>
        <translation>جلد کا رنگ</translation>
    </message>
    <message>
        <source>Also show the default yellow</source>
        <translation>ڈیفالٹ پیلا بھی دکھائیں</translation>
    </message>
    <message>
        <source>Try a word</source>
        <translation>کوئی لفظ آزمائیں</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>کم</translation>
    </message>
    <message>
        <source>No emoji match “%1”</source>
        <translation>کوئی ایموجی «%1» سے میل نہیں کھاتا</translation>
    </message>
    <message>
        <source>Accepting</source>
        <translation>قبول کرنا</translation>
    </message>
    <message>
        <source>Take the next word</source>
        <translation>اگلا لفظ لیں</translation>
    </message>
    <message>
        <source>Press again for each following word.</source>
        <translation>ہر اگلے لفظ کے لیے دوبارہ دبائیں۔</translation>
    </message>
    <message>
        <source>Take the whole suggestion</source>
        <translation>پوری تجویز لیں</translation>
    </message>
    <message>
        <source>The key above Tab is easy to reach on most keyboards.</source>
        <translation>زیادہ تر کی بورڈز پر Tab کے اوپر والی کلید تک آسانی سے پہنچا جا سکتا ہے۔</translation>
    </message>
    <message>
        <source>Include the space after a word</source>
        <translation>لفظ کے بعد کی اسپیس شامل کریں</translation>
    </message>
    <message>
        <source>Include punctuation right after a word</source>
        <translation>لفظ کے فوراً بعد کے رموزِ اوقاف شامل کریں</translation>
    </message>
    <message>
        <source>When you press Escape</source>
        <translation>جب آپ Escape دبائیں</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>شارٹ کٹس</translation>
    </message>
    <message>
        <source>Suggest now</source>
        <translation>ابھی تجویز کریں</translation>
    </message>
    <message>
        <source>Asks for a suggestion right away, even where %app would normally wait.</source>
        <translation>فوراً تجویز مانگتا ہے، وہاں بھی جہاں %app عام طور پر انتظار کرتا ہے۔</translation>
    </message>
    <message>
        <source>Other suggestions</source>
        <translation>دوسری تجاویز</translation>
    </message>
    <message>
        <source>Lists a few different ways to continue. Choose with the arrow keys, then press Tab.</source>
        <translation>آگے لکھنے کے چند مختلف طریقے دکھاتا ہے۔ تیر والی کلیدوں سے منتخب کریں، پھر Tab دبائیں۔</translation>
    </message>
    <message>
        <source>Pause or resume in this app</source>
        <translation>اس ایپ میں موقوف کریں یا دوبارہ شروع کریں</translation>
    </message>
    <message>
        <source>Pauses for 15 minutes.</source>
        <translation>15 منٹ کے لیے موقوف کرتا ہے۔</translation>
    </message>
    <message>
        <source>Turn %app on or off</source>
        <translation>ایپ %app آن یا آف کریں</translation>
    </message>
    <message>
        <source>Everywhere, until you press it again.</source>
        <translation>ہر جگہ، جب تک آپ اسے دوبارہ نہ دبائیں۔</translation>
    </message>
    <message>
        <source>Pause or resume</source>
        <translation>موقوف کریں یا دوبارہ شروع کریں</translation>
    </message>
    <message>
        <source>Turn on or off</source>
        <translation>آن یا آف کریں</translation>
    </message>
    <message>
        <source>%1 and %2 use the same keys. Only the first will work.</source>
        <translation>شارٹ کٹس «%1» اور «%2» ایک ہی کلیدیں استعمال کرتے ہیں۔ صرف پہلا کام کرے گا۔</translation>
    </message>
    <message>
        <source>About you</source>
        <translation>آپ کے بارے میں</translation>
    </message>
    <message>
        <source>For example: I&apos;m a product designer in Berlin. I write short, friendly emails in British English and sign off with Cheers.</source>
        <translation>مثال کے طور پر: میں برلن میں پروڈکٹ ڈیزائنر ہوں۔ میں برطانوی انگریزی میں مختصر، دوستانہ ای میلز لکھتا ہوں اور آخر میں Cheers لکھتا ہوں۔</translation>
    </message>
    <message>
        <source>Your role, the languages you write in, names you use often, how you like to sound.</source>
        <translation>آپ کا کردار، وہ زبانیں جن میں آپ لکھتے ہیں، وہ نام جو آپ اکثر استعمال کرتے ہیں، آپ کیسا لہجہ چاہتے ہیں۔</translation>
    </message>
    <message>
        <source>Writing memory</source>
        <translation>تحریری میموری</translation>
    </message>
    <message>
        <source>Remember how I write</source>
        <translation>میرا طرزِ تحریر یاد رکھیں</translation>
    </message>
    <message>
        <source>Also remember fields where I accept nothing</source>
        <translation>وہ فیلڈز بھی یاد رکھیں جہاں کوئی تجویز قبول نہ ہو</translation>
    </message>
    <message>
        <source>%app learns your style sooner but keeps more of what you type.</source>
        <translation>ایپ %app آپ کا انداز جلدی سیکھتی ہے لیکن آپ کا ٹائپ کیا ہوا زیادہ متن محفوظ رکھتی ہے۔</translation>
    </message>
    <message>
        <source>Influence</source>
        <translation>اثر</translation>
    </message>
    <message>
        <source>Strong</source>
        <translation>زیادہ</translation>
    </message>
    <message>
        <source>How many of your passages each suggestion can draw on.</source>
        <translation>ہر تجویز آپ کے کتنے اقتباسات سے مدد لے سکتی ہے۔</translation>
    </message>
    <message>
        <source>Erase All…</source>
        <translation>سب مٹائیں…</translation>
    </message>
    <message>
        <source>Erase everything %app remembered?</source>
        <translation>کیا %app کی یاد رکھی ہوئی ہر چیز مٹا دیں؟</translation>
    </message>
    <message>
        <source>This can&apos;t be undone.</source>
        <translation>اسے واپس نہیں کیا جا سکتا۔</translation>
    </message>
    <message>
        <source>Erase All</source>
        <translation>سب مٹائیں</translation>
    </message>
    <message>
        <source>Nothing remembered yet</source>
        <translation>ابھی کچھ یاد نہیں رکھا گیا</translation>
    </message>
    <message>
        <source>App and window name</source>
        <translation>ایپ اور ونڈو کا نام</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>ویب سائٹ</translation>
    </message>
    <message>
        <source>The site&apos;s domain when you write in a browser.</source>
        <translation>براؤزر میں لکھتے وقت سائٹ کا ڈومین۔</translation>
    </message>
    <message>
        <source>Recently copied text</source>
        <translation>حال ہی میں کاپی کیا گیا متن</translation>
    </message>
    <message>
        <source>Anything you copied in the last 10 minutes. Copies from password managers are skipped.</source>
        <translation>پچھلے 10 منٹ میں کاپی کی گئی کوئی بھی چیز۔ پاس ورڈ مینیجرز سے کاپیاں چھوڑ دی جاتی ہیں۔</translation>
    </message>
    <message>
        <source>Text on screen</source>
        <translation>اسکرین پر متن</translation>
    </message>
    <message>
        <source>Reads the window you&apos;re writing in, so replies fit the conversation. It picks the lines closest to where you type.</source>
        <translation>وہ ونڈو پڑھتا ہے جس میں آپ لکھ رہے ہیں، تاکہ جوابات گفتگو سے میل کھائیں۔ یہ آپ کے ٹائپ کرنے کی جگہ کے قریب ترین سطریں چنتا ہے۔</translation>
    </message>
    <message>
        <source>What you just looked at</source>
        <translation>جو آپ نے ابھی دیکھا</translation>
    </message>
    <message>
        <source>Windows beside you</source>
        <translation>ساتھ والی ونڈوز</translation>
    </message>
    <message>
        <source>Also reads up to two other windows on the same screen, like the document you&apos;re replying about. Skips password managers and apps you switched off.</source>
        <translation>اسی اسکرین پر دو مزید ونڈوز تک بھی پڑھتا ہے، جیسے وہ دستاویز جس کے بارے میں آپ جواب دے رہے ہیں۔ پاس ورڈ مینیجرز اور آپ کی آف کی ہوئی ایپس چھوڑ دیتا ہے۔</translation>
    </message>
    <message>
        <source>Off in this app</source>
        <translation>اس ایپ میں آف</translation>
    </message>
    <message>
        <source>This word looks misspelled</source>
        <translation>اس لفظ کے ہجے غلط لگتے ہیں</translation>
    </message>
    <message>
        <source>Thanks for the notes. I&apos;ll send the revised deck</source>
        <translation>نوٹس کا شکریہ۔ میں نظرثانی شدہ ڈیک</translation>
    </message>
    <message>
        <source> by Friday morning.</source>
        <translation> جمعہ کی صبح تک بھیج دوں گا۔</translation>
    </message>
    <message>
        <source>%1 quit. %app has the Tab key.</source>
        <translation>ایپ %1 بند ہو گئی۔ کلید Tab اب %app کے پاس ہے۔</translation>
    </message>
    <message>
        <source>Open Data Folder</source>
        <translation>ڈیٹا فولڈر کھولیں</translation>
    </message>
    <message>
        <source>Show Welcome Again</source>
        <translation>خوش آمدید اسکرین دوبارہ دکھائیں</translation>
    </message>
    <message>
        <source>Play Intro Again</source>
        <translation>تعارف دوبارہ چلائیں</translation>
    </message>
    <message>
        <source>Reset Settings…</source>
        <translation>ترتیبات ری سیٹ کریں…</translation>
    </message>
    <message>
        <source>Suggest in every app</source>
        <translation>ہر ایپ میں تجویز کریں</translation>
    </message>
    <message>
        <source>Suggest in code editors</source>
        <translation>کوڈ ایڈیٹرز میں تجویز کریں</translation>
    </message>
    <message>
        <source>Suggest in the middle of a line</source>
        <translation>سطر کے درمیان تجویز کریں</translation>
    </message>
    <message>
        <source>Suggest in small fields</source>
        <translation>چھوٹی فیلڈز میں تجویز کریں</translation>
    </message>
    <message>
        <source>Hold back on misspelled words</source>
        <translation>غلط ہجے والے الفاظ پر رکیں</translation>
    </message>
    <message>
        <source>Offer spelling fixes</source>
        <translation>ہجے کی درستیاں پیش کریں</translation>
    </message>
    <message>
        <source>Show the key hint</source>
        <translation>کلید کا اشارہ دکھائیں</translation>
    </message>
    <message>
        <source>Quit other autocomplete apps when they open</source>
        <translation>دوسری آٹو کمپلیٹ ایپس کھلنے پر انہیں بند کریں</translation>
    </message>
    <message>
        <source>Keeps a few minutes of text from windows you switched away from, like a page you read before replying. It stays on your computer and skips apps you switched off.</source>
        <translation>جن ونڈوز سے آپ ہٹ گئے، ان کا چند منٹ کا متن رکھتا ہے، جیسے جواب دینے سے پہلے پڑھا گیا صفحہ۔ یہ آپ کے کمپیوٹر پر رہتا ہے اور آپ کی آف کی ہوئی ایپس چھوڑ دیتا ہے۔</translation>
    </message>
    <message numerus="yes">
        <source>Both apps answer the Tab key, and the system gives it to %1 first. %app stays paused in your other apps until %1 quits.</source>
        <translation>
            <numerusform>دونوں ایپس کلید Tab کا جواب دیتی ہیں، اور سسٹم اسے پہلے %1 کو دیتا ہے۔ جب تک %1 بند نہ ہو، %app آپ کی دوسری ایپس میں موقوف رہتا ہے۔</numerusform>
            <numerusform>ایپس %1 کلید Tab کو %app سے پہلے لے لیتی ہیں، اس لیے جب تک آپ انہیں بند نہ کریں، %app آپ کی دوسری ایپس میں موقوف رہتا ہے۔</numerusform>
        </translation>
    </message>
    <message>
        <source>Finishes your sentences in any app, on your computer.</source>
        <translation>آپ کے کمپیوٹر پر، کسی بھی ایپ میں آپ کے جملے مکمل کرتا ہے۔</translation>
    </message>
    <message>
        <source>Keeps short passages from fields where you accepted a suggestion, encrypted on this computer, and shows them to the model as examples.</source>
        <translation>جن فیلڈز میں آپ نے تجویز قبول کی، ان کے مختصر اقتباسات اس کمپیوٹر پر خفیہ کر کے رکھتا ہے اور ماڈل کو مثالوں کے طور پر دکھاتا ہے۔</translation>
    </message>
    <message>
        <source>Light</source>
        <comment>skin tone</comment>
        <translation>ہلکا</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ٹھیک ہے</translation>
    </message>
    <message>
        <source>Default</source>
        <comment>skin tone</comment>
        <translation>ڈیفالٹ</translation>
    </message>
    <message>
        <source>Medium light</source>
        <comment>skin tone</comment>
        <translation>درمیانہ ہلکا</translation>
    </message>
    <message>
        <source>Medium</source>
        <comment>skin tone</comment>
        <translation>درمیانہ</translation>
    </message>
    <message>
        <source>Medium dark</source>
        <comment>skin tone</comment>
        <translation>درمیانہ گہرا</translation>
    </message>
    <message>
        <source>Dark</source>
        <comment>skin tone</comment>
        <translation>گہرا</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>نامعلوم</translation>
    </message>
    <message>
        <source>%1 × %2 pt</source>
        <translation>%1 × %2 پوائنٹ</translation>
    </message>
    <message>
        <source>No</source>
        <translation>نہیں</translation>
    </message>
    <message>
        <source>Not reported, estimated from the caret</source>
        <translation>رپورٹ نہیں ہوا، کیریٹ سے اندازہ</translation>
    </message>
    <message>
        <source>%1 %2 pt</source>
        <translation>فونٹ %1، سائز %2 پوائنٹ</translation>
    </message>
    <message>
        <source>System</source>
        <translation>سسٹم</translation>
    </message>
    <message>
        <source>Not yet</source>
        <translation>ابھی نہیں</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>آج</translation>
    </message>
    <message>
        <source>Last 7 days</source>
        <translation>پچھلے 7 دن</translation>
    </message>
    <message>
        <source>All time</source>
        <translation>اب تک</translation>
    </message>
    <message>
        <source>Typing saved</source>
        <translation>بچائی گئی ٹائپنگ</translation>
    </message>
    <message>
        <source>at 40 words a minute</source>
        <translation>40 الفاظ فی منٹ کے حساب سے</translation>
    </message>
    <message>
        <source>Accepted</source>
        <translation>قبول شدہ</translation>
    </message>
    <message>
        <source>of suggestions shown</source>
        <translation>دکھائی گئی تجاویز میں سے</translation>
    </message>
    <message>
        <source>Typical wait</source>
        <translation>عام انتظار</translation>
    </message>
    <message>
        <source>9 in 10 under %1</source>
        <translation>10 میں سے 9 بار %1 سے کم</translation>
    </message>
    <message>
        <source>no requests yet</source>
        <translation>ابھی کوئی درخواست نہیں</translation>
    </message>
    <message>
        <source>Words saved</source>
        <translation>بچائے گئے الفاظ</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>مدت</translation>
    </message>
    <message>
        <source>Nothing to chart yet</source>
        <translation>چارٹ کے لیے ابھی کچھ نہیں</translation>
    </message>
    <message>
        <source>Accept a few suggestions and your days show up here.</source>
        <translation>چند تجاویز قبول کریں اور آپ کے دن یہاں نظر آئیں گے۔</translation>
    </message>
    <message>
        <source>Where you write</source>
        <translation>آپ کہاں لکھتے ہیں</translation>
    </message>
    <message>
        <source>Reset Statistics…</source>
        <translation>اعداد و شمار ری سیٹ کریں…</translation>
    </message>
    <message>
        <source>Reset all statistics?</source>
        <translation>تمام اعداد و شمار ری سیٹ کریں؟</translation>
    </message>
    <message>
        <source>This clears words saved, acceptance and timing history.</source>
        <translation>اس سے بچائے گئے الفاظ، قبولیت اور وقت کی تاریخ مٹ جاتی ہے۔</translation>
    </message>
    <message>
        <source>Copy Diagnostics</source>
        <translation>تشخیصی معلومات کاپی کریں</translation>
    </message>
    <message>
        <source>Diagnostics leave out the text you typed.</source>
        <translation>تشخیصی معلومات میں آپ کا ٹائپ کیا متن شامل نہیں ہوتا۔</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>حالت</translation>
    </message>
    <message>
        <source>Right now</source>
        <translation>ابھی</translation>
    </message>
    <message>
        <source>Allowed</source>
        <translation>اجازت ہے</translation>
    </message>
    <message>
        <source>Not allowed</source>
        <translation>اجازت نہیں</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>کی بورڈ</translation>
    </message>
    <message>
        <source>Listening</source>
        <translation>سن رہا ہے</translation>
    </message>
    <message>
        <source>Not listening</source>
        <translation>نہیں سن رہا</translation>
    </message>
    <message>
        <source>Focused field</source>
        <translation>فوکس والی فیلڈ</translation>
    </message>
    <message>
        <source>Click into a text field in another app, then come back. The last field %1 saw stays here.</source>
        <translation>کسی دوسری ایپ کی متن فیلڈ میں کلک کریں، پھر واپس آئیں۔ %1 کی دیکھی ہوئی آخری فیلڈ یہاں رہتی ہے۔</translation>
    </message>
    <message>
        <source>App</source>
        <translation>ایپ</translation>
    </message>
    <message>
        <source>Field type</source>
        <translation>فیلڈ کی قسم</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>ونڈو</translation>
    </message>
    <message>
        <source>Field size</source>
        <translation>فیلڈ کا سائز</translation>
    </message>
    <message>
        <source>Caret found</source>
        <translation>کیریٹ ملا</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>فونٹ</translation>
    </message>
    <message>
        <source>At end of line</source>
        <translation>سطر کے آخر میں</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>ہاں</translation>
    </message>
    <message>
        <source>Secure input</source>
        <translation>محفوظ ان پٹ</translation>
    </message>
    <message>
        <source>Looked at lately</source>
        <translation>حال ہی میں دیکھا گیا</translation>
    </message>
    <message>
        <source>Text before the caret</source>
        <translation>کیریٹ سے پہلے کا متن</translation>
    </message>
    <message>
        <source>Last request</source>
        <translation>آخری درخواست</translation>
    </message>
    <message>
        <source>Wait</source>
        <translation>انتظار</translation>
    </message>
    <message>
        <source>Suggestion</source>
        <translation>تجویز</translation>
    </message>
    <message>
        <source>Prompt sent to the engine</source>
        <translation>انجن کو بھیجا گیا پرامپٹ</translation>
    </message>
    <message>
        <source>Raw answer</source>
        <translation>خام جواب</translation>
    </message>
    <message>
        <source>(empty)</source>
        <translation>(خالی)</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>کاپی ہو گیا</translation>
    </message>
    <message>
        <source>Choose a language</source>
        <translation>زبان منتخب کریں</translation>
    </message>
    <message>
        <source>Search languages</source>
        <translation>زبانیں تلاش کریں</translation>
    </message>
    <message>
        <source>Same as my computer</source>
        <translation>میرے کمپیوٹر جیسی</translation>
    </message>
    <message>
        <source>Switch to %1?</source>
        <translation>کیا زبان %1 پر منتقل کریں؟</translation>
    </message>
    <message>
        <source>%1 closes and opens again in a second. Your settings stay as they are.</source>
        <translation>ایپ %1 بند ہو کر ایک سیکنڈ میں دوبارہ کھلے گی۔ آپ کی ترتیبات جوں کی توں رہیں گی۔</translation>
    </message>
    <message>
        <source>Reopen Now</source>
        <translation>ابھی دوبارہ کھولیں</translation>
    </message>
    <message>
        <source>App language</source>
        <translation>ایپ کی زبان</translation>
    </message>
    <message>
        <source>Pick the language you read most easily. Suggestions follow whatever language you type.</source>
        <translation>وہ زبان منتخب کریں جو آپ سب سے آسانی سے پڑھتے ہیں۔ تجاویز اسی زبان میں آتی ہیں جس میں آپ ٹائپ کرتے ہیں۔</translation>
    </message>
    <message>
        <source>Change the app language</source>
        <translation>ایپ کی زبان بدلیں</translation>
    </message>
    <message>
        <source>0 min</source>
        <translation>0 منٹ</translation>
    </message>
    <message>
        <source>under a minute</source>
        <translation>ایک منٹ سے کم</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 سیکنڈ</translation>
    </message>
    <message>
        <source>Not set</source>
        <translation>سیٹ نہیں</translation>
    </message>
    <message>
        <source>Clear shortcut</source>
        <translation>شارٹ کٹ صاف کریں</translation>
    </message>
    <message>
        <source>Add Ctrl, Alt or Super so normal typing still works.</source>
        <translation>کلید Ctrl، Alt یا Super شامل کریں تاکہ عام ٹائپنگ کام کرتی رہے۔</translation>
    </message>
    <message>
        <source>Type a shortcut…</source>
        <translation>شارٹ کٹ ٹائپ کریں…</translation>
    </message>
    <message>
        <source>Recording shortcut</source>
        <translation>شارٹ کٹ ریکارڈ ہو رہا ہے</translation>
    </message>
    <message>
        <source>Shortcut %1</source>
        <translation>شارٹ کٹ %1</translation>
    </message>
    <message>
        <source>Record shortcut</source>
        <translation>شارٹ کٹ ریکارڈ کریں</translation>
    </message>
    <message>
        <source>Shortcut not set</source>
        <translation>شارٹ کٹ سیٹ نہیں</translation>
    </message>
    <message>
        <source>Press to record a new shortcut. Escape cancels.</source>
        <translation>نیا شارٹ کٹ ریکارڈ کرنے کے لیے دبائیں۔ Escape منسوخ کرتا ہے۔</translation>
    </message>
    <message>
        <source>Your tray icon is hidden</source>
        <translation>آپ کا ٹرے آئیکن چھپا ہوا ہے</translation>
    </message>
    <message>
        <source>This computer has no on-device language model</source>
        <translation>اس کمپیوٹر پر ڈیوائس والا کوئی لسانی ماڈل نہیں ہے</translation>
    </message>
    <message>
        <source>Turn on the on-device model in the desktop&apos;s settings</source>
        <translation>ڈیسک ٹاپ کی ترتیبات میں ڈیوائس والا ماڈل آن کریں</translation>
    </message>
    <message>
        <source>The on-device model is unavailable</source>
        <translation>ڈیوائس والا ماڈل دستیاب نہیں</translation>
    </message>
    <message>
        <source>Downloading. The on-device model fills in until it&apos;s done.</source>
        <translation>ڈاؤن لوڈ ہو رہا ہے۔ مکمل ہونے تک ڈیوائس والا ماڈل کام سنبھالتا ہے۔</translation>
    </message>
    <message>
        <source>The on-device model fills in until you download it.</source>
        <translation>آپ کے ڈاؤن لوڈ کرنے تک ڈیوائس والا ماڈل کام سنبھالتا ہے۔</translation>
    </message>
    <message>
        <source>%1 shares no text. Quit it and start it with %2 to get suggestions in it.</source>
        <translation>ایپ %1 کوئی متن شیئر نہیں کرتی۔ اس میں تجاویز کے لیے اسے بند کریں اور ⁦%2⁩ کے ساتھ شروع کریں۔</translation>
    </message>
    <message>
        <source>On-device model</source>
        <translation>ڈیوائس والا ماڈل</translation>
    </message>
    <message>
        <source>The system&apos;s own language model. Nothing to download.</source>
        <translation>سسٹم کا اپنا لسانی ماڈل۔ کچھ ڈاؤن لوڈ نہیں کرنا۔</translation>
    </message>
    <message>
        <source>A website name cannot hold spaces, tabs or line breaks.</source>
        <translation>ویب سائٹ کے نام میں اسپیس، ٹیب یا لائن بریک نہیں ہو سکتے۔</translation>
    </message>
    <message>
        <source>Only addresses that start with http or https can be added.</source>
        <translation>صرف http یا https سے شروع ہونے والے پتے شامل کیے جا سکتے ہیں۔</translation>
    </message>
    <message>
        <source>That is not a website name. Type one such as wikipedia.org.</source>
        <translation>یہ ویب سائٹ کا نام نہیں ہے۔ wikipedia.org جیسا کوئی نام ٹائپ کریں۔</translation>
    </message>
    <message>
        <source>A port is a number from 1 to 65535.</source>
        <translation>پورٹ 1 سے 65535 تک کا ایک عدد ہے۔</translation>
    </message>
    <message>
        <source>The on-device model fills in until the download is done.</source>
        <translation>ڈاؤن لوڈ مکمل ہونے تک ڈیوائس والا ماڈل کام سنبھالتا ہے۔</translation>
    </message>
    <message>
        <source>Suggestions start once the download is done.</source>
        <translation>ڈاؤن لوڈ مکمل ہوتے ہی تجاویز شروع ہوں گی۔</translation>
    </message>
    <message>
        <source>This frees %1. The on-device model fills in until you download it again.</source>
        <translation>اس سے %1 خالی ہوگا۔ دوبارہ ڈاؤن لوڈ کرنے تک ڈیوائس والا ماڈل کام سنبھالتا ہے۔</translation>
    </message>
    <message>
        <source>This frees %1. The %app model can&apos;t suggest until you download it again.</source>
        <translation>اس سے %1 خالی ہوگا۔ دوبارہ ڈاؤن لوڈ کرنے تک %app ماڈل تجویز نہیں دے سکے گا۔</translation>
    </message>
    <message>
        <source>There&apos;s no room for it, or your panel has no system tray. Add the panel&apos;s system tray or status area applet in its settings.</source>
        <translation>اس کے لیے جگہ نہیں، یا آپ کے پینل میں سسٹم ٹرے نہیں ہے۔ پینل کی ترتیبات میں سسٹم ٹرے یا اسٹیٹس ایریا ایپلٹ شامل کریں۔</translation>
    </message>
    <message>
        <source>GNOME shows tray icons only with the AppIndicator extension. Install the gnome-shell-extension-appindicator package, log out and in, then turn it on in Extensions.</source>
        <translation>ڈیسک ٹاپ GNOME ٹرے آئیکن صرف AppIndicator ایکسٹینشن کے ساتھ دکھاتا ہے۔ gnome-shell-extension-appindicator پیکیج انسٹال کریں، لاگ آؤٹ کر کے دوبارہ لاگ ان کریں، پھر «ایکسٹینشنز» میں اسے آن کریں۔</translation>
    </message>
    <message>
        <source>GNOME shows tray icons only with the AppIndicator extension. It is installed but off: turn it on in Extensions.</source>
        <translation>ڈیسک ٹاپ GNOME ٹرے آئیکن صرف AppIndicator ایکسٹینشن کے ساتھ دکھاتا ہے۔ یہ انسٹال ہے لیکن آف ہے: «ایکسٹینشنز» میں اسے آن کریں۔</translation>
    </message>
    <message>
        <source>Until then, open %app from your applications menu to reach Settings.</source>
        <translation>تب تک، ترتیبات تک پہنچنے کے لیے ایپلیکیشنز مینو سے %app کھولیں۔</translation>
    </message>
    <message>
        <source>Open Extensions</source>
        <translation>«ایکسٹینشنز» کھولیں</translation>
    </message>
    <message>
        <source>Show Count in Tray</source>
        <translation>ٹرے میں گنتی دکھائیں</translation>
    </message>
    <message>
        <source>%1 shares no text</source>
        <translation>ایپ %1 کوئی متن شیئر نہیں کرتی</translation>
    </message>
    <message>
        <source>Copy command</source>
        <translation>کمانڈ کاپی کریں</translation>
    </message>
    <message>
        <source>There&apos;s no account and no analytics. With the %app model or the on-device model, your text stays on this computer.</source>
        <translation>نہ کوئی اکاؤنٹ، نہ کوئی اینالیٹکس۔ %app ماڈل یا ڈیوائس والے ماڈل کے ساتھ آپ کا متن اسی کمپیوٹر پر رہتا ہے۔</translation>
    </message>
    <message>
        <source>There&apos;s no account and no analytics. With the %app model, your text stays on this computer.</source>
        <translation>نہ کوئی اکاؤنٹ، نہ کوئی اینالیٹکس۔ %app ماڈل کے ساتھ آپ کا متن اسی کمپیوٹر پر رہتا ہے۔</translation>
    </message>
    <message>
        <source>%app lives in your system tray from now on. Click its icon to pause it in an app or open Settings.</source>
        <translation>اب سے %app آپ کی سسٹم ٹرے میں رہتا ہے۔ کسی ایپ میں اسے موقوف کرنے یا ترتیبات کھولنے کے لیے اس کے آئیکن پر کلک کریں۔</translation>
    </message>
    <message>
        <source>%app has no account, no analytics and no servers of its own. The %app model and the on-device model keep your text on this computer. Other engines get it only if you set one up.</source>
        <translation>ایپ %app کا نہ کوئی اکاؤنٹ ہے، نہ اینالیٹکس، نہ اپنے سرور۔ %app ماڈل اور ڈیوائس والا ماڈل آپ کا متن اسی کمپیوٹر پر رکھتے ہیں۔ دوسرے انجن اسے تبھی پاتے ہیں جب آپ ان میں سے کوئی سیٹ اپ کریں۔</translation>
    </message>
    <message>
        <source>%app has no account, no analytics and no servers of its own. The %app model keeps your text on this computer. Other engines get it only if you set one up.</source>
        <translation>ایپ %app کا نہ کوئی اکاؤنٹ ہے، نہ اینالیٹکس، نہ اپنے سرور۔ %app ماڈل آپ کا متن اسی کمپیوٹر پر رکھتا ہے۔ دوسرے انجن اسے تبھی پاتے ہیں جب آپ ان میں سے کوئی سیٹ اپ کریں۔</translation>
    </message>
    <message>
        <source>Installed applications</source>
        <translation>انسٹال شدہ ایپلیکیشنز</translation>
    </message>
    <message>
        <source>%app reads these only while making a suggestion and never saves them. With the %app model or the on-device model, nothing leaves your computer.</source>
        <translation>ایپ %app انہیں صرف تجویز بناتے وقت پڑھتی ہے اور کبھی محفوظ نہیں کرتی۔ %app ماڈل یا ڈیوائس والے ماڈل کے ساتھ کچھ بھی آپ کے کمپیوٹر سے باہر نہیں جاتا۔</translation>
    </message>
    <message>
        <source>%app reads these only while making a suggestion and never saves them. With the %app model, nothing leaves your computer.</source>
        <translation>ایپ %app انہیں صرف تجویز بناتے وقت پڑھتی ہے اور کبھی محفوظ نہیں کرتی۔ %app ماڈل کے ساتھ کچھ بھی آپ کے کمپیوٹر سے باہر نہیں جاتا۔</translation>
    </message>
    <message>
        <source>The %app model keeps your text on this computer.</source>
        <translation>ماڈل %app آپ کا متن اسی کمپیوٹر پر رکھتا ہے۔</translation>
    </message>
    <message>
        <source>The key holds a line break or another control character. Paste it again without them.</source>
        <translation>کلید میں لائن بریک یا کوئی دوسرا کنٹرول کریکٹر ہے۔ انہیں ہٹا کر دوبارہ پیسٹ کریں۔</translation>
    </message>
    <message>
        <source>Waiting for the keyring to store the key.</source>
        <translation>کی رنگ کے کلید محفوظ کرنے کا انتظار۔</translation>
    </message>
    <message>
        <source>The keyring cannot keep this key, so it is used only until %app quits.</source>
        <translation>کی رنگ یہ کلید نہیں رکھ سکتی، اس لیے یہ صرف %app کے بند ہونے تک استعمال ہوگی۔</translation>
    </message>
    <message>
        <source>Show in the system tray</source>
        <translation>سسٹم ٹرے میں دکھائیں</translation>
    </message>
    <message>
        <source>Pause or open Settings from the system tray. Hidden? Open %app from your applications menu to come back.</source>
        <translation>سسٹم ٹرے سے موقوف کریں یا ترتیبات کھولیں۔ چھپا ہوا ہے؟ واپس آنے کے لیے ایپلیکیشنز مینو سے %app کھولیں۔</translation>
    </message>
    <message>
        <source>This tray can&apos;t show text beside icons, so the count shows in the icon&apos;s tooltip.</source>
        <translation>یہ ٹرے آئیکنز کے ساتھ متن نہیں دکھا سکتی، اس لیے گنتی آئیکن کے ٹول ٹپ میں دکھتی ہے۔</translation>
    </message>
    <message>
        <source>VS Code, VSCodium, Cursor, Zed, Kate, Sublime Text, JetBrains IDEs and similar apps.</source>
        <translation>ایپس جیسے VS Code، VSCodium، Cursor، Zed، Kate، Sublime Text، JetBrains IDEs اور اسی طرح کی دوسری ایپس۔</translation>
    </message>
    <message>
        <source>Your settings could not be read, so they were set aside and %app started over with its defaults.</source>
        <translation>آپ کی ترتیبات پڑھی نہیں جا سکیں، اس لیے انہیں الگ رکھ دیا گیا اور %app اپنی ڈیفالٹ ترتیبات کے ساتھ نئے سرے سے شروع ہوا۔</translation>
    </message>
    <message>
        <source>Your settings are not saved: %app cannot write to its settings folder.</source>
        <translation>آپ کی ترتیبات محفوظ نہیں ہو رہیں: %app اپنے ترتیبات فولڈر میں نہیں لکھ سکتا۔</translation>
    </message>
    <message>
        <source>Your app and website rules could not be read, so they were set aside.</source>
        <translation>آپ کے ایپ اور ویب سائٹ کے قواعد پڑھے نہیں جا سکے، اس لیے انہیں الگ رکھ دیا گیا۔</translation>
    </message>
    <message>
        <source>Your statistics could not be read, so they were set aside and counting started over.</source>
        <translation>آپ کے اعداد و شمار پڑھے نہیں جا سکے، اس لیے انہیں الگ رکھ دیا گیا اور گنتی نئے سرے سے شروع ہوئی۔</translation>
    </message>
    <message>
        <source>Not saved: %app cannot write to its data folder.</source>
        <translation>محفوظ نہیں ہوا: %app اپنے ڈیٹا فولڈر میں نہیں لکھ سکتا۔</translation>
    </message>
    <message numerus="yes">
        <source>%Ln suggestions. %1 selected</source>
        <translation>
            <numerusform>%Ln تجویز۔ منتخب: %1</numerusform>
            <numerusform>%Ln تجاویز۔ منتخب: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln min</source>
        <translation>
            <numerusform>%Ln منٹ</numerusform>
            <numerusform>%Ln منٹ</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln words</source>
        <translation>
            <numerusform>%Ln لفظ</numerusform>
            <numerusform>%Ln الفاظ</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln passages from here</source>
        <translation>
            <numerusform>یہاں سے %Ln اقتباس</numerusform>
            <numerusform>یہاں سے %Ln اقتباسات</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>words</source>
        <comment>unit after a count</comment>
        <translation>
            <numerusform>لفظ</numerusform>
            <numerusform>الفاظ</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln days</source>
        <translation>
            <numerusform>%Ln دن</numerusform>
            <numerusform>%Ln دن</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Words saved per day over the last %Ln days</source>
        <translation>
            <numerusform>پچھلے %Ln دن میں روزانہ بچائے گئے الفاظ</numerusform>
            <numerusform>پچھلے %Ln دنوں میں روزانہ بچائے گئے الفاظ</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln day streak</source>
        <translation>
            <numerusform>%Ln دن کا سلسلہ</numerusform>
            <numerusform>%Ln دن کا سلسلہ</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln passages remembered</source>
        <translation>
            <numerusform>%Ln اقتباس یاد رکھا گیا</numerusform>
            <numerusform>%Ln اقتباسات یاد رکھے گئے</numerusform>
        </translation>
    </message>
    <message>
        <source>enter</source>
        <translation>Enter</translation>
    </message>
    <message>
        <source>Allow screen capture so %app can read those too. Most apps work without it.</source>
        <translation>اسکرین کیپچر کی اجازت دیں تاکہ %app انہیں بھی پڑھ سکے۔ زیادہ تر ایپس اس کے بغیر کام کرتی ہیں۔</translation>
    </message>
    <message>
        <source>Type a colon and a word, like :rocket, then press Tab or Enter to pick.</source>
        <translation>ایک کولن اور ایک لفظ ٹائپ کریں، جیسے ‎:rocket‎، پھر منتخب کرنے کے لیے Tab یا Enter دبائیں۔</translation>
    </message>
    <message>
        <source>You can switch memory off for single apps under Apps &amp; Sites. The key that unlocks it lives in your keyring.</source>
        <translation>آپ «ایپس اور سائٹس» میں الگ الگ ایپس کے لیے میموری آف کر سکتے ہیں۔ اسے کھولنے والی کلید آپ کی کی رنگ میں رہتی ہے۔</translation>
    </message>
    <message numerus="yes">
        <source>%Ln emoji. %1 selected</source>
        <translation>
            <numerusform>ایموجی: %Ln۔ منتخب: %1</numerusform>
            <numerusform>ایموجی: %Ln۔ منتخب: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Suggestion: %1</source>
        <translation>تجویز: %1</translation>
    </message>
    <message numerus="yes">
        <source>%Ln models available</source>
        <translation>
            <numerusform>ایک ماڈل دستیاب ہے</numerusform>
            <numerusform>دستیاب ماڈل: %Ln</numerusform>
        </translation>
    </message>
    <message>
        <source>The model couldn&apos;t be saved: %1</source>
        <translation>ماڈل محفوظ نہیں ہو سکا: %1</translation>
    </message>
    <message>
        <source>Ollama isn&apos;t running.</source>
        <translation>سرور Ollama نہیں چل رہا۔</translation>
    </message>
    <message>
        <source>Ollama isn&apos;t running at %1.</source>
        <translation>سرور Ollama پتے %1 پر نہیں چل رہا۔</translation>
    </message>
    <message>
        <source>No server answered.</source>
        <translation>کسی سرور نے جواب نہیں دیا۔</translation>
    </message>
    <message>
        <source>No server answered at %1.</source>
        <translation>پتے %1 پر کسی سرور نے جواب نہیں دیا۔</translation>
    </message>
    <message>
        <source>Range: %1</source>
        <translation>مدت: %1</translation>
    </message>
    <message numerus="yes">
        <source>%1, %Ln to do</source>
        <translation>
            <numerusform>%1، %Ln باقی</numerusform>
            <numerusform>%1، %Ln باقی</numerusform>
        </translation>
    </message>
    <message>
        <source>Type the whole name of the website, such as wikipedia.org.</source>
        <translation>ویب سائٹ کا پورا نام ٹائپ کریں، جیسے wikipedia.org۔</translation>
    </message>
    <message>
        <source>The key holds a space, an invisible character or a letter outside plain ASCII. Paste it again exactly as your server gave it.</source>
        <translation>کلید میں اسپیس، کوئی نظر نہ آنے والا کریکٹر یا سادہ ASCII سے باہر کا حرف ہے۔ اسے بالکل ویسے ہی دوبارہ پیسٹ کریں جیسے آپ کے سرور نے دی تھی۔</translation>
    </message>
    <message>
        <source>The keyring could not be read, so your server is asked without an API key. Type the key again if your server needs one.</source>
        <translation>کی رنگ پڑھی نہیں جا سکی، اس لیے آپ کے سرور سے کلیدِ API کے بغیر پوچھا جا رہا ہے۔ اگر آپ کے سرور کو کلید چاہیے تو اسے دوبارہ ٹائپ کریں۔</translation>
    </message>
    <message>
        <source>Your writing memory could not be opened, so it was set aside and %app started a new one.</source>
        <translation>آپ کی تحریری میموری نہیں کھل سکی، اس لیے اسے الگ رکھ دیا گیا اور %app نے نئی میموری شروع کی۔</translation>
    </message>
    <message>
        <source>%1, converted for llama.cpp by %2</source>
        <translation>ناشر: %1، llama.cpp کے لیے %2 نے تبدیل کیا</translation>
    </message>
    <message>
        <source>The data folder %1 could not be made. Check that the folder above it exists and that you may write there.</source>
        <translation>ڈیٹا فولڈر %1 نہیں بنایا جا سکا۔ دیکھیں کہ اس کے اوپر والا فولڈر موجود ہے اور آپ وہاں لکھ سکتے ہیں۔</translation>
    </message>
    <message>
        <source>party</source>
        <comment>emoji search sample</comment>
        <translation>پارٹی</translation>
    </message>
    <message numerus="yes">
        <source>%Ln settings held values %app cannot use, so they were corrected and saved.</source>
        <translation>
            <numerusform>%Ln ترتیب میں ایسی قدر تھی جو %app استعمال نہیں کر سکتا، اس لیے اسے درست کر کے محفوظ کر دیا گیا۔</numerusform>
            <numerusform>%Ln ترتیبات میں ایسی قدریں تھیں جو %app استعمال نہیں کر سکتا، اس لیے انہیں درست کر کے محفوظ کر دیا گیا۔</numerusform>
        </translation>
    </message>
    <message>
        <source>Your writing memory is not saved: the keyring is missing or locked, so its key cannot be kept.</source>
        <translation>آپ کی تحریری میموری محفوظ نہیں ہو رہی: کی رنگ موجود نہیں یا مقفل ہے، اس لیے میموری کی کلید رکھی نہیں جا سکتی۔</translation>
    </message>
    <message>
        <source>That address isn&apos;t valid</source>
        <translation>یہ پتہ درست نہیں</translation>
    </message>
    <message>
        <source>The request timed out.</source>
        <translation>درخواست کا وقت ختم ہو گیا۔</translation>
    </message>
    <message>
        <source>The server&apos;s reply was too long, so it was stopped.</source>
        <translation>سرور کا جواب بہت لمبا تھا، اس لیے روک دیا گیا۔</translation>
    </message>
    <message>
        <source>The server answered %1.</source>
        <translation>سرور نے %1 جواب دیا۔</translation>
    </message>
    <message>
        <source>The server answered %1: %2</source>
        <translation>سرور نے %1 جواب دیا: %2</translation>
    </message>
    <message>
        <source>The download server answered %1. Try again later.</source>
        <translation>ڈاؤن لوڈ سرور نے %1 جواب دیا۔ بعد میں دوبارہ کوشش کریں۔</translation>
    </message>
    <message>
        <source>The download couldn&apos;t be saved: %1</source>
        <translation>ڈاؤن لوڈ محفوظ نہیں ہو سکا: %1</translation>
    </message>
    <message>
        <source>The download paused because the connection dropped. Try again to pick up where it stopped.</source>
        <translation>کنکشن ٹوٹنے کی وجہ سے ڈاؤن لوڈ رک گیا۔ جہاں رکا تھا وہیں سے جاری رکھنے کے لیے دوبارہ کوشش کریں۔</translation>
    </message>
    <message>
        <source>The download stopped. Check your connection, then try again.</source>
        <translation>ڈاؤن لوڈ رک گیا۔ اپنا کنکشن چیک کریں، پھر دوبارہ کوشش کریں۔</translation>
    </message>
    <message>
        <source>Pick an Ollama model in Settings</source>
        <translation>ترتیبات میں Ollama کا ایک ماڈل چنیں</translation>
    </message>
    <message>
        <source>Pick a model for your local server</source>
        <translation>اپنے مقامی سرور کے لیے ایک ماڈل چنیں</translation>
    </message>
    <message>
        <source>The server&apos;s answer is not HTTP.</source>
        <translation>سرور کا جواب HTTP نہیں ہے۔</translation>
    </message>
    <message>
        <source>The data couldn&apos;t be read because it is missing.</source>
        <translation>ڈیٹا نہیں پڑھا جا سکا کیونکہ یہ موجود نہیں۔</translation>
    </message>
    <message>
        <source>The data couldn&apos;t be read because it isn&apos;t in the correct format.</source>
        <translation>ڈیٹا نہیں پڑھا جا سکا کیونکہ یہ درست فارمیٹ میں نہیں۔</translation>
    </message>
    <message>
        <source>:%1:</source>
        <comment>emoji name</comment>
        <translation>:%1:</translation>
    </message>
    <message>
        <source>This computer has no on-device language model.</source>
        <translation>اس کمپیوٹر پر ڈیوائس والا کوئی لسانی ماڈل نہیں ہے۔</translation>
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
        <translation>سائٹ %1 پر موقوف</translation>
    </message>
    <message>
        <source>Paused in %1</source>
        <translation>ایپ %1 میں موقوف</translation>
    </message>
    <message>
        <source>Off on %1</source>
        <translation>سائٹ %1 پر آف</translation>
    </message>
    <message>
        <source>Off in %1</source>
        <translation>ایپ %1 میں آف</translation>
    </message>
    <message>
        <source>Off in %1 by default</source>
        <translation>ایپ %1 میں ڈیفالٹ طور پر آف</translation>
    </message>
    <message>
        <source>Off in code editors</source>
        <translation>کوڈ ایڈیٹرز میں آف</translation>
    </message>
    <message>
        <source>Off unless turned on per app</source>
        <translation>آف، جب تک ایپ کے لیے الگ سے آن نہ کیا جائے</translation>
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
        <translation>اسپیس</translation>
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
        <translation>کلید %1</translation>
    </message>
    <message>
        <source>An email reply reads differently from a commit message.</source>
        <translation>ای میل کا جواب اور کمٹ پیغام الگ انداز سے لکھے جاتے ہیں۔</translation>
    </message>
    <message>
        <source>Writes straight into the field. Cleanest in GTK and Qt apps.</source>
        <translation>سیدھا فیلڈ میں لکھتا ہے۔ GTK اور Qt ایپس میں سب سے صاف۔</translation>
    </message>
    <message>
        <source>Typing</source>
        <comment>insertion method</comment>
        <translation>ٹائپنگ</translation>
    </message>
    <message>
        <source>%1 h</source>
        <comment>hours with one decimal, such as 1.5</comment>
        <translation>%1 گھنٹے</translation>
    </message>
    <message numerus="yes">
        <source>%Ln h</source>
        <translation>
            <numerusform>%Ln گھنٹے</numerusform>
            <numerusform>%Ln گھنٹے</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln ms</source>
        <translation>
            <numerusform>%Ln ملی سیکنڈ</numerusform>
            <numerusform>%Ln ملی سیکنڈ</numerusform>
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
        <translation>%1۔ %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>screen-reader name: one item of a list, then the next</comment>
        <translation>%1، %2</translation>
    </message>
    <message numerus="yes">
        <source>%Ln words saved today</source>
        <translation>
            <numerusform>%Ln لفظ آج بچایا گیا</numerusform>
            <numerusform>%Ln الفاظ آج بچائے گئے</numerusform>
        </translation>
    </message>
    <message>
        <source>Under a minute of typing saved today.</source>
        <translation>آج ایک منٹ سے کم کی ٹائپنگ بچی۔</translation>
    </message>
    <message>
        <source>About %1 of typing saved today.</source>
        <translation>آج تقریباً %1 کی ٹائپنگ بچی۔</translation>
    </message>
    <message numerus="yes">
        <source>Step %1 of %Ln</source>
        <translation>
            <numerusform>مرحلہ %1 از %Ln</numerusform>
            <numerusform>مرحلہ %1 از %Ln</numerusform>
        </translation>
    </message>
    <message>
        <source>%app reads and types into text fields through the desktop&apos;s accessibility support, which some desktops leave off. %app uses it only for the field you&apos;re writing in.</source>
        <translation>ایپ %app ڈیسک ٹاپ کی رسائی پذیری کی سہولت کے ذریعے متن کی فیلڈز پڑھتی اور ان میں ٹائپ کرتی ہے؛ کچھ ڈیسک ٹاپ اسے آف رکھتے ہیں۔ ایپ %app اسے صرف اسی فیلڈ کے لیے استعمال کرتی ہے جس میں آپ لکھ رہے ہیں۔</translation>
    </message>
    <message>
        <source>The button switches the desktop&apos;s accessibility support on. If the desktop&apos;s settings open instead, turn accessibility on there, then come back. This page updates by itself.</source>
        <translation>یہ بٹن ڈیسک ٹاپ کی رسائی پذیری کی سہولت آن کرتا ہے۔ اگر اس کے بجائے ڈیسک ٹاپ کی ترتیبات کھلیں تو وہاں رسائی پذیری آن کریں، پھر واپس آئیں۔ یہ صفحہ خود بخود اپ ڈیٹ ہوتا ہے۔</translation>
    </message>
    <message>
        <source>Still off? Some desktops start their accessibility service only when you log in. Log out and back in, then try again.</source>
        <translation>اب بھی آف ہے؟ کچھ ڈیسک ٹاپ رسائی پذیری کی سروس صرف لاگ اِن کے وقت شروع کرتے ہیں۔ لاگ آؤٹ کر کے دوبارہ لاگ اِن کریں، پھر دوبارہ کوشش کریں۔</translation>
    </message>
    <message>
        <source>Pause</source>
        <comment>section header</comment>
        <translation>وقفہ</translation>
    </message>
    <message>
        <source>Pause</source>
        <comment>button</comment>
        <translation>موقوف کریں</translation>
    </message>
    <message>
        <source>typing</source>
        <comment>insertion method, in a sentence</comment>
        <translation>ٹائپنگ</translation>
    </message>
    <message>
        <source>accessibility</source>
        <comment>insertion method, in a sentence</comment>
        <translation>رسائی پذیری</translation>
    </message>
    <message>
        <source>paste</source>
        <comment>insertion method, in a sentence</comment>
        <translation>پیسٹ</translation>
    </message>
    <message>
        <source>short</source>
        <comment>suggestion length, in a sentence</comment>
        <translation>مختصر</translation>
    </message>
    <message>
        <source>medium</source>
        <comment>suggestion length, in a sentence</comment>
        <translation>درمیانی</translation>
    </message>
    <message>
        <source>long</source>
        <comment>suggestion length, in a sentence</comment>
        <translation>طویل</translation>
    </message>
    <message>
        <source>Default follows General: %1, %2 suggestions.</source>
        <translation>ڈیفالٹ «عمومی» کے مطابق ہے: %1، %2 تجاویز۔</translation>
    </message>
    <message>
        <source>Yes, at %1, %2 on screen, %3 pt tall, %4 and %5</source>
        <translation>ہاں، اسکرین پر %1، %2 پر، %3 پوائنٹ اونچا، %4 اور %5</translation>
    </message>
    <message numerus="yes">
        <source>%Ln characters before it</source>
        <translation>
            <numerusform>اس سے پہلے %Ln حرف</numerusform>
            <numerusform>اس سے پہلے %Ln حروف</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln after</source>
        <comment>characters after the caret</comment>
        <translation>
            <numerusform>اس کے بعد %Ln</numerusform>
            <numerusform>اس کے بعد %Ln</numerusform>
        </translation>
    </message>
    <message>
        <source>No system tray runs on this desktop, so the icon cannot show. %1</source>
        <translation>اس ڈیسک ٹاپ پر کوئی سسٹم ٹرے نہیں چل رہی، اس لیے آئیکن نہیں دکھ سکتا۔ %1</translation>
    </message>
    <message>
        <source>Typing</source>
        <comment>section header</comment>
        <translation>ٹائپنگ</translation>
    </message>
    <message>
        <source>Switch to the computer&apos;s language?</source>
        <translation>کیا کمپیوٹر کی زبان پر منتقل کریں؟</translation>
    </message>
    <message numerus="yes">
        <source>%Ln words this week.</source>
        <translation>
            <numerusform>اس ہفتے %Ln لفظ۔</numerusform>
            <numerusform>اس ہفتے %Ln الفاظ۔</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Under a minute of typing saved today. %Ln words this week.</source>
        <translation>
            <numerusform>آج ایک منٹ سے کم کی ٹائپنگ بچی۔ اس ہفتے %Ln لفظ۔</numerusform>
            <numerusform>آج ایک منٹ سے کم کی ٹائپنگ بچی۔ اس ہفتے %Ln الفاظ۔</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>About %1 of typing saved today. %Ln words this week.</source>
        <translation>
            <numerusform>آج تقریباً %1 کی ٹائپنگ بچی۔ اس ہفتے %Ln لفظ۔</numerusform>
            <numerusform>آج تقریباً %1 کی ٹائپنگ بچی۔ اس ہفتے %Ln الفاظ۔</numerusform>
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
            <numerusform>%1 میں سے %Ln مکمل</numerusform>
            <numerusform>%1 میں سے %Ln مکمل</numerusform>
        </translation>
    </message>
    <message>
        <source>The server refused the connection. Check that it is running and that the address is right.</source>
        <translation>سرور نے کنکشن مسترد کر دیا۔ چیک کریں کہ وہ چل رہا ہے اور پتا درست ہے۔</translation>
    </message>
    <message>
        <source>The server&apos;s name couldn&apos;t be found. Check the address.</source>
        <translation>سرور کا نام نہیں ملا۔ پتا چیک کریں۔</translation>
    </message>
    <message>
        <source>A secure connection to the server couldn&apos;t be made.</source>
        <translation>سرور سے محفوظ کنکشن نہیں بن سکا۔</translation>
    </message>
    <message>
        <source>The server closed the connection before it answered.</source>
        <translation>سرور نے جواب دینے سے پہلے ہی کنکشن بند کر دیا۔</translation>
    </message>
    <message>
        <source>The network proxy couldn&apos;t be reached.</source>
        <translation>نیٹ ورک کی پراکسی تک رسائی نہیں ہو سکی۔</translation>
    </message>
    <message>
        <source>The server couldn&apos;t be reached.</source>
        <translation>سرور تک رسائی نہیں ہو سکی۔</translation>
    </message>
    <message>
        <source>Waiting for the network…</source>
        <translation>نیٹ ورک کا انتظار ہو رہا ہے…</translation>
    </message>
    <message>
        <source>%1 is taken by another program.</source>
        <translation>شارٹ کٹ %1 کو کوئی دوسرا پروگرام استعمال کر رہا ہے۔</translation>
    </message>
    <message>
        <source>%1 could not open again. Your choice takes effect the next time you start it.</source>
        <translation>ایپ %1 دوبارہ نہیں کھل سکی۔ آپ کا انتخاب اگلی بار اسے شروع کرنے پر نافذ ہوگا۔</translation>
    </message>
    <message>
        <source>Downloading the model</source>
        <translation>ماڈل ڈاؤن لوڈ ہو رہا ہے</translation>
    </message>
    <message numerus="yes">
        <source>These apps answer the Tab key before %app can, so %app stays paused in your other apps until they quit.</source>
        <translation>
            <numerusform>یہ ایپس کلید Tab کا جواب %app سے پہلے دیتی ہیں، اس لیے جب تک یہ بند نہ ہوں، %app آپ کی دوسری ایپس میں موقوف رہتا ہے۔</numerusform>
            <numerusform>یہ ایپس کلید Tab کا جواب %app سے پہلے دیتی ہیں، اس لیے جب تک یہ بند نہ ہوں، %app آپ کی دوسری ایپس میں موقوف رہتا ہے۔</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>It may be waiting on a dialog of its own. Force Quit closes it right away.</source>
        <translation>
            <numerusform>شاید وہ اپنے کسی ڈائیلاگ کا انتظار کر رہی ہے۔ «زبردستی بند کریں» اسے فوراً بند کر دیتا ہے۔</numerusform>
            <numerusform>شاید وہ اپنے ڈائیلاگز کا انتظار کر رہی ہیں۔ «زبردستی بند کریں» انہیں فوراً بند کر دیتا ہے۔</numerusform>
        </translation>
    </message>
    <message>
        <source>Set a Suggest Now shortcut in Keys to ask for suggestions</source>
        <translation>تجاویز مانگنے کے لیے «کلیدیں» میں «ابھی تجویز کریں» شارٹ کٹ مقرر کریں</translation>
    </message>
    <message>
        <source>Backspace</source>
        <comment>key above Enter that deletes backwards</comment>
        <translation>Backspace</translation>
    </message>
    <message>
        <source>0 words saved today</source>
        <translation>0 الفاظ آج بچائے گئے</translation>
    </message>
    <message>
        <source>words saved today</source>
        <comment>beside the count 0</comment>
        <translation>الفاظ آج بچائے گئے</translation>
    </message>
    <message>
        <source>Quit the other app</source>
        <translation>دوسری ایپ بند کریں</translation>
    </message>
    <message>
        <source>None yet</source>
        <comment>no app looked at yet</comment>
        <translation>ابھی کوئی نہیں</translation>
    </message>
    <message>
        <source>None yet</source>
        <comment>no suggestion shown yet</comment>
        <translation>ابھی کوئی تجویز نہیں</translation>
    </message>
    <message>
        <source>The other app is also running</source>
        <translation>دوسری ایپ بھی چل رہی ہے</translation>
    </message>
    <message>
        <source>Both apps answer the Tab key, and the system gives it to the other app first. %app stays paused in your other apps until the other app quits.</source>
        <translation>دونوں ایپس کلید Tab کا جواب دیتی ہیں، اور سسٹم اسے پہلے دوسری ایپ کو دیتا ہے۔ جب تک وہ ایپ بند نہ ہو، %app آپ کی دوسری ایپس میں موقوف رہتا ہے۔</translation>
    </message>
    <message>
        <source>The other app is still open</source>
        <translation>دوسری ایپ ابھی تک کھلی ہے</translation>
    </message>
    <message>
        <source>The other app quit, so your suggestions are back in every app.</source>
        <translation>دوسری ایپ بند ہو گئی، اس لیے آپ کی تجاویز ہر ایپ میں واپس آ گئیں۔</translation>
    </message>
    <message>
        <source>The other app quit. %app has the Tab key.</source>
        <translation>دوسری ایپ بند ہو گئی۔ کلید Tab اب %app کے پاس ہے۔</translation>
    </message>
</context>
</TS>
