<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar" sourcelanguage="en">
<context>
    <name>Tessaquill</name>
    <message>
        <source>Accessibility is on. %app is ready in your other apps.</source>
        <translation>إمكانية الوصول مفعّلة. %app جاهز في تطبيقاتك الأخرى.</translation>
    </message>
    <message>
        <source>Paused while %1 is open</source>
        <translation>متوقف مؤقتًا ما دام %1 مفتوحًا</translation>
    </message>
    <message>
        <source>Welcome to %app</source>
        <translation>مرحبًا بك في %app</translation>
    </message>
    <message>
        <source>%app</source>
        <translation>%app</translation>
    </message>
    <message>
        <source>Another autocomplete app is running</source>
        <translation>يعمل تطبيق إكمال تلقائي آخر</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>جاهز</translation>
    </message>
    <message>
        <source>Waiting for a pause</source>
        <translation>بانتظار توقفك عن الكتابة</translation>
    </message>
    <message>
        <source>Thinking</source>
        <translation>يفكر</translation>
    </message>
    <message>
        <source>Showing a suggestion</source>
        <translation>يعرض اقتراحًا</translation>
    </message>
    <message>
        <source>The model took too long to answer</source>
        <translation>استغرق النموذج وقتًا طويلًا للإجابة</translation>
    </message>
    <message>
        <source>This app doesn&apos;t report where the caret is</source>
        <translation>لا يُبلغ هذا التطبيق عن موضع المؤشر</translation>
    </message>
    <message>
        <source>%app is turned off</source>
        <translation>تم إيقاف %app</translation>
    </message>
    <message>
        <source>Secure input is on, so %app stays out</source>
        <translation>الإدخال الآمن مفعّل، لذا لا يتدخل %app</translation>
    </message>
    <message>
        <source>Press %1 for a suggestion</source>
        <translation>اضغط %1 للحصول على اقتراح</translation>
    </message>
    <message>
        <source>Text is selected</source>
        <translation>هناك نص محدد</translation>
    </message>
    <message>
        <source>The caret is inside existing text</source>
        <translation>المؤشر داخل نص موجود</translation>
    </message>
    <message>
        <source>This field is too small</source>
        <translation>هذا الحقل صغير جدًا</translation>
    </message>
    <message>
        <source>Waiting for a few characters</source>
        <translation>في انتظار بضعة أحرف</translation>
    </message>
    <message>
        <source>Start of a new line</source>
        <translation>بداية سطر جديد</translation>
    </message>
    <message>
        <source>The model is still downloading</source>
        <translation>لا يزال النموذج قيد التنزيل</translation>
    </message>
    <message>
        <source>Download the %app model in Settings first</source>
        <translation>نزّل نموذج %app من الإعدادات أولًا</translation>
    </message>
    <message>
        <source>Not checked yet</source>
        <translation>لم يُفحص بعد</translation>
    </message>
    <message>
        <source>Checking…</source>
        <translation>جارٍ الفحص…</translation>
    </message>
    <message>
        <source>The model stopped with error %1</source>
        <translation>توقف النموذج بسبب الخطأ %1</translation>
    </message>
    <message>
        <source>The model file couldn&apos;t be loaded</source>
        <translation>تعذّر تحميل ملف النموذج في الذاكرة</translation>
    </message>
    <message>
        <source>There wasn&apos;t enough memory to start the model</source>
        <translation>لم تكن هناك ذاكرة كافية لتشغيل النموذج</translation>
    </message>
    <message>
        <source>The text couldn&apos;t be prepared for the model</source>
        <translation>تعذّر تجهيز النص للنموذج</translation>
    </message>
    <message>
        <source>This computer needs %1 free for the download. Free up some space, then try again.</source>
        <translation>يحتاج هذا الكمبيوتر إلى %1 من المساحة الحرة للتنزيل. حرّر بعض المساحة ثم حاول مجددًا.</translation>
    </message>
    <message>
        <source>The download didn&apos;t match the expected file, so it was deleted. Try again.</source>
        <translation>لم يطابق التنزيل الملف المتوقع، فحُذف. حاول مجددًا.</translation>
    </message>
    <message>
        <source>Downloaded</source>
        <translation>تم التنزيل</translation>
    </message>
    <message>
        <source>Downloading. Suggestions start once it&apos;s done.</source>
        <translation>جارٍ التنزيل. تبدأ الاقتراحات عند انتهائه.</translation>
    </message>
    <message>
        <source>Checking the download.</source>
        <translation>جارٍ فحص التنزيل.</translation>
    </message>
    <message>
        <source>Checking the download. Suggestions start once it&apos;s done.</source>
        <translation>جارٍ فحص التنزيل. تبدأ الاقتراحات عند انتهائه.</translation>
    </message>
    <message>
        <source>Download the model to start</source>
        <translation>نزّل النموذج لتبدأ</translation>
    </message>
    <message>
        <source>Ollama is running but has no models</source>
        <translation>يعمل Ollama لكن لا توجد لديه نماذج</translation>
    </message>
    <message>
        <source>Another app</source>
        <translation>تطبيق آخر</translation>
    </message>
    <message>
        <source>There is no D-Bus session bus, so %1 cannot reach text fields.</source>
        <translation>لا يوجد ناقل جلسة D-Bus، لذلك لا يستطيع %1 الوصول إلى حقول النص.</translation>
    </message>
    <message>
        <source>The desktop&apos;s accessibility bus is not running, so %1 cannot reach text fields.</source>
        <translation>ناقل إمكانية الوصول في سطح المكتب لا يعمل، لذلك لا يستطيع %1 الوصول إلى حقول النص.</translation>
    </message>
    <message>
        <source>Short</source>
        <translation>قصير</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>متوسط</translation>
    </message>
    <message>
        <source>Long</source>
        <translation>طويل</translation>
    </message>
    <message>
        <source>Hide the suggestion</source>
        <translation>إخفاء الاقتراح</translation>
    </message>
    <message>
        <source>Hide suggestions until I change fields</source>
        <translation>إخفاء الاقتراحات حتى أنتقل إلى حقل آخر</translation>
    </message>
    <message>
        <source>Do nothing, send Escape to the app</source>
        <translation>عدم فعل شيء وتمرير Escape إلى التطبيق</translation>
    </message>
    <message>
        <source>Type it</source>
        <translation>الكتابة بالمفاتيح</translation>
    </message>
    <message>
        <source>Insert through Accessibility</source>
        <translation>الإدراج عبر إمكانية الوصول</translation>
    </message>
    <message>
        <source>Paste it</source>
        <translation>اللصق</translation>
    </message>
    <message>
        <source>Grey</source>
        <translation>رمادي</translation>
    </message>
    <message>
        <source>Gold tint</source>
        <translation>مسحة ذهبية</translation>
    </message>
    <message>
        <source>%app model</source>
        <translation>نموذج %app</translation>
    </message>
    <message>
        <source>Ollama</source>
        <translation>Ollama</translation>
    </message>
    <message>
        <source>Local server</source>
        <translation>خادم محلي</translation>
    </message>
    <message>
        <source>Runs on this computer after a one-time download. Works offline.</source>
        <translation>يعمل على هذا الكمبيوتر بعد تنزيل لمرة واحدة. يعمل دون اتصال.</translation>
    </message>
    <message>
        <source>Any model you run in Ollama, base models included.</source>
        <translation>أي نموذج تشغّله في Ollama، بما فيها النماذج الأساسية.</translation>
    </message>
    <message>
        <source>LM Studio, llama-server or any OpenAI-compatible endpoint.</source>
        <translation>خادم LM Studio أو llama-server أو أي نقطة نهاية متوافقة مع OpenAI.</translation>
    </message>
    <message>
        <source>Sends the text as keystrokes. Works almost everywhere.</source>
        <translation>يرسل النص كضغطات مفاتيح. يعمل في كل مكان تقريبًا.</translation>
    </message>
    <message>
        <source>Uses the clipboard, then puts your clipboard back.</source>
        <translation>يستخدم الحافظة ثم يعيد محتواها كما كان.</translation>
    </message>
    <message>
        <source>Accessibility</source>
        <translation>إمكانية الوصول</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>اللصق</translation>
    </message>
    <message>
        <source>Your writing memory could not be opened and was set aside. Nothing new is remembered until %app starts again.</source>
        <translation>تعذّر فتح ذاكرة كتابتك فنُقلت جانبًا. لن يُحفظ شيء جديد حتى يبدأ %app من جديد.</translation>
    </message>
    <message>
        <source>Your writing memory could not be opened because its key could not be read from the keyring. Nothing new is remembered until %app starts again.</source>
        <translation>تعذّر فتح ذاكرة كتابتك لأن مفتاحها لم يُقرأ من حلقة المفاتيح. لن يُحفظ شيء جديد حتى يبدأ %app من جديد.</translation>
    </message>
    <message>
        <source>Not Now</source>
        <translation>ليس الآن</translation>
    </message>
    <message>
        <source>Open the desktop&apos;s settings</source>
        <translation>فتح إعدادات سطح المكتب</translation>
    </message>
    <message>
        <source>Don&apos;t remind me again</source>
        <translation>لا تذكّرني مرة أخرى</translation>
    </message>
    <message>
        <source>Open Playground</source>
        <translation>فتح حقل التجربة</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>الإعدادات</translation>
    </message>
    <message>
        <source>Quit %app</source>
        <translation>إنهاء %app</translation>
    </message>
    <message>
        <source>Needs Accessibility access</source>
        <translation>يحتاج إلى إذن إمكانية الوصول</translation>
    </message>
    <message>
        <source>Paused until you resume</source>
        <translation>متوقف مؤقتًا حتى تستأنف</translation>
    </message>
    <message>
        <source>Paused until %1</source>
        <translation>متوقف مؤقتًا حتى %1</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>متوقف</translation>
    </message>
    <message numerus="yes">
        <source>Paused while %1 are open</source>
        <translation>
            <numerusform>متوقف مؤقتًا ما دامت %1 مفتوحة</numerusform>
            <numerusform>متوقف مؤقتًا ما دام %1 مفتوحًا</numerusform>
            <numerusform>متوقف مؤقتًا ما دام %1 مفتوحَين</numerusform>
            <numerusform>متوقف مؤقتًا ما دامت %1 مفتوحة</numerusform>
            <numerusform>متوقف مؤقتًا ما دامت %1 مفتوحة</numerusform>
            <numerusform>متوقف مؤقتًا ما دامت %1 مفتوحة</numerusform>
        </translation>
    </message>
    <message>
        <source>Grant Accessibility Access…</source>
        <translation>منح إذن إمكانية الوصول…</translation>
    </message>
    <message numerus="yes">
        <source>Force Quit %1</source>
        <translation>
            <numerusform>إنهاء %1 قسرًا</numerusform>
            <numerusform>إنهاء %1 قسرًا</numerusform>
            <numerusform>إنهاء %1 قسرًا</numerusform>
            <numerusform>إنهاء %1 قسرًا</numerusform>
            <numerusform>إنهاء %1 قسرًا</numerusform>
            <numerusform>إنهاء %1 قسرًا</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Quit %1</source>
        <translation>
            <numerusform>إنهاء %1</numerusform>
            <numerusform>إنهاء %1</numerusform>
            <numerusform>إنهاء %1</numerusform>
            <numerusform>إنهاء %1</numerusform>
            <numerusform>إنهاء %1</numerusform>
            <numerusform>إنهاء %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>words saved today</source>
        <translation>
            <numerusform>كلمة موفَّرة اليوم</numerusform>
            <numerusform>كلمة موفَّرة اليوم</numerusform>
            <numerusform>كلمتان موفَّرتان اليوم</numerusform>
            <numerusform>كلمات موفَّرة اليوم</numerusform>
            <numerusform>كلمة موفَّرة اليوم</numerusform>
            <numerusform>كلمة موفَّرة اليوم</numerusform>
        </translation>
    </message>
    <message>
        <source>Start typing anywhere. %app keeps count here.</source>
        <translation>ابدأ الكتابة في أي مكان. يحتفظ %app بالعدد هنا.</translation>
    </message>
    <message>
        <source>Resume in %1</source>
        <translation>استئناف في %1</translation>
    </message>
    <message>
        <source>Pause in %1</source>
        <translation>إيقاف مؤقت في %1</translation>
    </message>
    <message>
        <source>Resume Everywhere</source>
        <translation>استئناف في كل مكان</translation>
    </message>
    <message>
        <source>Pause Everywhere</source>
        <translation>إيقاف مؤقت في كل مكان</translation>
    </message>
    <message>
        <source>For 15 Minutes</source>
        <translation>لمدة ١٥ دقيقة</translation>
    </message>
    <message>
        <source>For 1 Hour</source>
        <translation>لمدة ساعة</translation>
    </message>
    <message>
        <source>For 4 Hours</source>
        <translation>لمدة ٤ ساعات</translation>
    </message>
    <message>
        <source>Until I Resume</source>
        <translation>حتى أستأنف</translation>
    </message>
    <message>
        <source>Example: after typing %1, %2 suggests %3</source>
        <translation>مثال: بعد كتابة %1، يقترح %2: %3</translation>
    </message>
    <message>
        <source>takes the next word</source>
        <translation>يأخذ الكلمة التالية</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>تنزيل</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 من %2</translation>
    </message>
    <message>
        <source>%1 of %2. You can keep writing while it downloads.</source>
        <translation>تم تنزيل %1 من %2. يمكنك متابعة الكتابة أثناء التنزيل.</translation>
    </message>
    <message>
        <source>Checking the download</source>
        <translation>جارٍ فحص التنزيل</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>إعادة المحاولة</translation>
    </message>
    <message>
        <source>Remove…</source>
        <translation>إزالة…</translation>
    </message>
    <message>
        <source>%1 license</source>
        <translation>رخصة %1</translation>
    </message>
    <message>
        <source>Remove the %app model?</source>
        <translation>هل تريد إزالة نموذج %app؟</translation>
    </message>
    <message>
        <source>Model download</source>
        <translation>تنزيل النموذج</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>إزالة</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>متابعة</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>لاحقًا</translation>
    </message>
    <message>
        <source>Start Writing</source>
        <translation>ابدأ الكتابة</translation>
    </message>
    <message>
        <source>Finish your sentences in any app.</source>
        <translation>أكمل جملك في أي تطبيق.</translation>
    </message>
    <message>
        <source>%app reads the words before your caret and suggests what comes next in grey. Press Tab to take one word, or the key above Tab to take the rest. If you don&apos;t want it, keep typing.</source>
        <translation>يقرأ %app الكلمات التي قبل المؤشر ويقترح ما يليها باللون الرمادي. اضغط Tab لتأخذ كلمة واحدة، أو المفتاح الذي فوق Tab لتأخذ الباقي. وإن لم تُرده، تابع الكتابة.</translation>
    </message>
    <message>
        <source>Sees what you see</source>
        <translation>يرى ما تراه</translation>
    </message>
    <message>
        <source>Private</source>
        <translation>خاص</translation>
    </message>
    <message>
        <source>It reads the window you&apos;re typing in, like the chat you&apos;re answering, so suggestions fit. None of it goes online, to us or any server. It stays private on your computer.</source>
        <translation>يقرأ النافذة التي تكتب فيها، مثل المحادثة التي ترد عليها، لتكون الاقتراحات مناسبة. لا يذهب شيء منها إلى الإنترنت، لا إلينا ولا إلى أي خادم. يبقى كل شيء خاصًا على هذا الكمبيوتر.</translation>
    </message>
    <message>
        <source>Accessibility is on</source>
        <translation>إمكانية الوصول مفعّلة</translation>
    </message>
    <message>
        <source>%app can now read the field you&apos;re writing in and type suggestions for you.</source>
        <translation>يستطيع %app الآن قراءة الحقل الذي تكتب فيه وكتابة الاقتراحات لك.</translation>
    </message>
    <message>
        <source>Let %app see what you type.</source>
        <translation>اسمح لـ %app برؤية ما تكتبه.</translation>
    </message>
    <message>
        <source>%app reads your text when you pause and forgets it after one suggestion, unless you turn on writing memory.</source>
        <translation>يقرأ %app نصك عندما تتوقف وينساه بعد اقتراح واحد، إلا إذا فعّلت ذاكرة الكتابة.</translation>
    </message>
    <message>
        <source>%app skips password fields and anything else the system marks as secure.</source>
        <translation>يتجاوز %app حقول كلمات المرور وكل ما يعلّمه النظام بأنه آمن.</translation>
    </message>
    <message>
        <source>Open Accessibility Settings</source>
        <translation>فتح إعدادات إمكانية الوصول</translation>
    </message>
    <message>
        <source>Pick what writes your suggestions.</source>
        <translation>اختر ما يكتب اقتراحاتك.</translation>
    </message>
    <message>
        <source>You can change this any time in Settings.</source>
        <translation>يمكنك تغيير ذلك في أي وقت من الإعدادات.</translation>
    </message>
    <message>
        <source>Give it a try.</source>
        <translation>جرّبه.</translation>
    </message>
    <message>
        <source>Start typing a sentence. When grey words appear, press Tab for one word or the key above Tab for all of them.</source>
        <translation>ابدأ بكتابة جملة. عندما تظهر كلمات رمادية، اضغط Tab لكلمة واحدة أو المفتاح الذي فوق Tab لها كلها.</translation>
    </message>
    <message>
        <source>Hi Orlenn, thanks for the quick reply. I think we should</source>
        <translation>مرحبًا أورلين، شكرًا على الرد السريع. أظن أنه علينا أن</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>رجوع</translation>
    </message>
    <message>
        <source>Practice field</source>
        <translation>حقل التجربة</translation>
    </message>
    <message>
        <source>Default, on</source>
        <translation>الافتراضي، مفعّل</translation>
    </message>
    <message>
        <source>Default, off</source>
        <translation>الافتراضي، متوقف</translation>
    </message>
    <message>
        <source>Add a website</source>
        <translation>إضافة موقع</translation>
    </message>
    <message>
        <source>Domain</source>
        <translation>النطاق</translation>
    </message>
    <message>
        <source>Rules for a site apply in any browser %app can read.</source>
        <translation>تنطبق قواعد الموقع في أي متصفح يستطيع %app قراءته.</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>إضافة</translation>
    </message>
    <message>
        <source>Add App…</source>
        <translation>إضافة تطبيق…</translation>
    </message>
    <message>
        <source>Add an app</source>
        <translation>إضافة تطبيق</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>بحث</translation>
    </message>
    <message>
        <source>Clear search</source>
        <translation>مسح البحث</translation>
    </message>
    <message>
        <source>Add an app or website</source>
        <translation>إضافة تطبيق أو موقع</translation>
    </message>
    <message>
        <source>Add Website…</source>
        <translation>إضافة موقع…</translation>
    </message>
    <message>
        <source>Apps &amp; Sites</source>
        <translation>التطبيقات والمواقع</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>متوقف مؤقتًا</translation>
    </message>
    <message>
        <source>Apps</source>
        <translation>التطبيقات</translation>
    </message>
    <message>
        <source>Websites</source>
        <translation>المواقع</translation>
    </message>
    <message>
        <source>No matches</source>
        <translation>لا نتائج</translation>
    </message>
    <message>
        <source>No apps yet</source>
        <translation>لا توجد تطبيقات بعد</translation>
    </message>
    <message>
        <source>Nothing matches “%1”.</source>
        <translation>لا شيء يطابق «%1».</translation>
    </message>
    <message>
        <source>Apps appear here once you accept a suggestion in them, or add one with +.</source>
        <translation>تظهر التطبيقات هنا بمجرد قبولك اقتراحًا فيها، أو أضف واحدًا بالزر +.</translation>
    </message>
    <message>
        <source>Pick an app or site</source>
        <translation>اختر تطبيقًا أو موقعًا</translation>
    </message>
    <message>
        <source>Each one can have its own rules. Anything you don&apos;t change follows General.</source>
        <translation>يمكن أن تكون لكل منها قواعدها الخاصة. كل ما لا تغيّره يتبع «عام».</translation>
    </message>
    <message>
        <source>Words saved here</source>
        <translation>الكلمات الموفَّرة هنا</translation>
    </message>
    <message>
        <source>Suggestions</source>
        <translation>الاقتراحات</translation>
    </message>
    <message>
        <source>On</source>
        <translation>مفعّل</translation>
    </message>
    <message>
        <source>Tab accepts suggestions</source>
        <translation>قبول الاقتراحات بمفتاح Tab</translation>
    </message>
    <message>
        <source>Turn off where Tab already means something, like indenting. The other accept key still works.</source>
        <translation>أوقفه حيث يعني Tab شيئًا بالفعل، مثل الإزاحة. يبقى مفتاح القبول الآخر يعمل.</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>الافتراضي</translation>
    </message>
    <message>
        <source>Insert by</source>
        <translation>طريقة الإدراج</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>الطول</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>استئناف</translation>
    </message>
    <message>
        <source>Pause here</source>
        <translation>إيقاف مؤقت هنا</translation>
    </message>
    <message>
        <source>Memory</source>
        <translation>الذاكرة</translation>
    </message>
    <message>
        <source>Remember my writing here</source>
        <translation>تذكّر كتابتي هنا</translation>
    </message>
    <message>
        <source>Writing memory is off in Your Voice.</source>
        <translation>ذاكرة الكتابة متوقفة في «أسلوبك».</translation>
    </message>
    <message>
        <source>Erase…</source>
        <translation>محو…</translation>
    </message>
    <message>
        <source>Reset to Defaults</source>
        <translation>استعادة الإعدادات الافتراضية</translation>
    </message>
    <message>
        <source>Erase what %app remembered from %1?</source>
        <translation>هل تريد محو ما تذكّره %app من %1؟</translation>
    </message>
    <message>
        <source>Erase</source>
        <translation>محو</translation>
    </message>
    <message>
        <source>Passages from this app can shape suggestions everywhere.</source>
        <translation>يمكن لمقاطع من هذا التطبيق أن تؤثر في الاقتراحات في كل مكان.</translation>
    </message>
    <message>
        <source>Finish setting up</source>
        <translation>أكمل الإعداد</translation>
    </message>
    <message>
        <source>Setup progress</source>
        <translation>تقدم الإعداد</translation>
    </message>
    <message>
        <source>Done: %1</source>
        <translation>تم: %1</translation>
    </message>
    <message>
        <source>Best day yet!</source>
        <translation>أفضل يوم حتى الآن!</translation>
    </message>
    <message>
        <source>Try it here</source>
        <translation>جرّبه هنا</translation>
    </message>
    <message>
        <source>Thanks for sending the draft over. I had a look and</source>
        <translation>شكرًا على إرسال المسودة. ألقيت نظرة عليها و</translation>
    </message>
    <message>
        <source>next word</source>
        <translation>الكلمة التالية</translation>
    </message>
    <message>
        <source>whole suggestion</source>
        <translation>الاقتراح كاملًا</translation>
    </message>
    <message>
        <source>hide it</source>
        <translation>إخفاؤه</translation>
    </message>
    <message>
        <source>This field runs the real engine. Start typing and grey words show up as you go.</source>
        <translation>يستخدم هذا الحقل المحرك الحقيقي. ابدأ الكتابة وستظهر كلمات رمادية أثناء ذلك.</translation>
    </message>
    <message>
        <source>This field runs the real engine, even before you allow Accessibility. Start typing and grey words show up as you go.</source>
        <translation>يستخدم هذا الحقل المحرك الحقيقي حتى قبل أن تسمح بإمكانية الوصول. ابدأ الكتابة وستظهر كلمات رمادية أثناء ذلك.</translation>
    </message>
    <message>
        <source>You&apos;re all set</source>
        <translation>كل شيء جاهز</translation>
    </message>
    <message>
        <source>Accessibility is on and %1 is ready. %app works in every app you type in.</source>
        <translation>إمكانية الوصول مفعّلة و%1 جاهز. يعمل %app في كل تطبيق تكتب فيه.</translation>
    </message>
    <message>
        <source>Waiting for %1 to quit</source>
        <translation>في انتظار إنهاء %1</translation>
    </message>
    <message>
        <source>Turned off</source>
        <translation>متوقف</translation>
    </message>
    <message>
        <source>Paused everywhere</source>
        <translation>متوقف مؤقتًا في كل مكان</translation>
    </message>
    <message>
        <source>%1, %2 typical wait</source>
        <translation>الانتظار المعتاد %2 مع %1</translation>
    </message>
    <message>
        <source>Start your streak today.</source>
        <translation>ابدأ سلسلتك اليوم.</translation>
    </message>
    <message>
        <source>Overview</source>
        <translation>نظرة عامة</translation>
    </message>
    <message>
        <source>General</source>
        <translation>عام</translation>
    </message>
    <message>
        <source>Engine</source>
        <translation>المحرك</translation>
    </message>
    <message>
        <source>Context</source>
        <translation>السياق</translation>
    </message>
    <message>
        <source>Your Voice</source>
        <translation>أسلوبك</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>المفاتيح</translation>
    </message>
    <message>
        <source>Emoji</source>
        <translation>الرموز التعبيرية</translation>
    </message>
    <message>
        <source>Battery</source>
        <translation>البطارية</translation>
    </message>
    <message>
        <source>Insights</source>
        <translation>الإحصاءات</translation>
    </message>
    <message>
        <source>Field Inspector</source>
        <translation>فاحص الحقول</translation>
    </message>
    <message>
        <source>About</source>
        <translation>حول</translation>
    </message>
    <message>
        <source>How %app is doing today</source>
        <translation>كيف حال %app اليوم</translation>
    </message>
    <message>
        <source>Where and how suggestions appear</source>
        <translation>أين وكيف تظهر الاقتراحات</translation>
    </message>
    <message>
        <source>The model that writes your suggestions</source>
        <translation>النموذج الذي يكتب اقتراحاتك</translation>
    </message>
    <message>
        <source>What %app may look at to guess better</source>
        <translation>ما يمكن لـ %app النظر إليه ليخمّن أفضل</translation>
    </message>
    <message>
        <source>Help suggestions sound like you</source>
        <translation>اجعل الاقتراحات تشبه أسلوبك</translation>
    </message>
    <message>
        <source>Accept, dismiss and summon suggestions</source>
        <translation>قبول الاقتراحات ورفضها واستدعاؤها</translation>
    </message>
    <message>
        <source>Emoji search and emoticons</source>
        <translation>البحث عن الرموز التعبيرية والوجوه النصية</translation>
    </message>
    <message>
        <source>Rules for each app and website</source>
        <translation>قواعد لكل تطبيق وموقع</translation>
    </message>
    <message>
        <source>Save power when you&apos;re unplugged</source>
        <translation>وفّر الطاقة عند فصل الشاحن</translation>
    </message>
    <message>
        <source>Words saved and how fast suggestions arrive</source>
        <translation>الكلمات الموفَّرة ومدى سرعة وصول الاقتراحات</translation>
    </message>
    <message>
        <source>What %app sees in the focused field</source>
        <translation>ما يراه %app في الحقل النشط</translation>
    </message>
    <message>
        <source>Version and privacy</source>
        <translation>الإصدار والخصوصية</translation>
    </message>
    <message>
        <source>Writing</source>
        <translation>الكتابة</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>الإدخال</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>القواعد</translation>
    </message>
    <message>
        <source>Activity</source>
        <translation>النشاط</translation>
    </message>
    <message>
        <source>%app can read the field you&apos;re typing in and insert suggestions in any app.</source>
        <translation>يستطيع %app قراءة الحقل الذي تكتب فيه وإدراج الاقتراحات في أي تطبيق.</translation>
    </message>
    <message>
        <source>Allow Accessibility access</source>
        <translation>منح إذن إمكانية الوصول</translation>
    </message>
    <message>
        <source>%app needs it to read the text you type in other apps and to insert suggestions.</source>
        <translation>يحتاجه %app لقراءة النص الذي تكتبه في التطبيقات الأخرى ولإدراج الاقتراحات.</translation>
    </message>
    <message>
        <source>Allow…</source>
        <translation>السماح…</translation>
    </message>
    <message>
        <source>%1 is ready</source>
        <translation>أصبح %1 جاهزًا</translation>
    </message>
    <message>
        <source>Checking %1</source>
        <translation>جارٍ فحص %1</translation>
    </message>
    <message>
        <source>This takes a moment.</source>
        <translation>يستغرق هذا لحظة.</translation>
    </message>
    <message>
        <source>Your engine isn&apos;t ready</source>
        <translation>محركك غير جاهز</translation>
    </message>
    <message>
        <source>Open Engine</source>
        <translation>فتح إعدادات المحرك</translation>
    </message>
    <message>
        <source>The system&apos;s predictions are off</source>
        <translation>تنبؤات النظام متوقفة</translation>
    </message>
    <message>
        <source>Only %app&apos;s suggestions appear while you type.</source>
        <translation>لا تظهر أثناء الكتابة إلا اقتراحات %app.</translation>
    </message>
    <message>
        <source>Turn off the system&apos;s predictions</source>
        <translation>أوقف تنبؤات النظام</translation>
    </message>
    <message>
        <source>The system shows its own grey suggestions on top of %app&apos;s. Each app picks up the change the next time you open it.</source>
        <translation>يعرض النظام اقتراحاته الرمادية فوق اقتراحات %app. يطبّق كل تطبيق التغيير عند فتحه في المرة التالية.</translation>
    </message>
    <message>
        <source>Keyboard Settings</source>
        <translation>إعدادات لوحة المفاتيح</translation>
    </message>
    <message>
        <source>Turn Off</source>
        <translation>إيقاف</translation>
    </message>
    <message>
        <source>Only %app is suggesting</source>
        <translation>لا يقترح الآن إلا %app</translation>
    </message>
    <message>
        <source>Tab reaches %app again.</source>
        <translation>يصل Tab إلى %app مجددًا.</translation>
    </message>
    <message numerus="yes">
        <source>%1 didn&apos;t quit. They may be showing a dialog. Force Quit closes them right away.</source>
        <translation>
            <numerusform>لم تُنهَ %1. ربما تعرض مربعات حوار. «إنهاء قسري» يغلقها فورًا.</numerusform>
            <numerusform>لم يُنهَ %1. ربما يعرض مربع حوار. «إنهاء قسري» يغلقه فورًا.</numerusform>
            <numerusform>لم يُنهَ %1. ربما يعرضان مربعات حوار. «إنهاء قسري» يغلقهما فورًا.</numerusform>
            <numerusform>لم تُنهَ %1. ربما تعرض مربعات حوار. «إنهاء قسري» يغلقها فورًا.</numerusform>
            <numerusform>لم تُنهَ %1. ربما تعرض مربعات حوار. «إنهاء قسري» يغلقها فورًا.</numerusform>
            <numerusform>لم تُنهَ %1. ربما تعرض مربعات حوار. «إنهاء قسري» يغلقها فورًا.</numerusform>
        </translation>
    </message>
    <message>
        <source>Force Quit</source>
        <translation>إنهاء قسري</translation>
    </message>
    <message numerus="yes">
        <source>%1 take the Tab key before %app can, so %app stays paused in your other apps until you quit them.</source>
        <translation>
            <numerusform>تأخذ %1 مفتاح Tab قبل %app، لذلك يبقى %app متوقفًا مؤقتًا في تطبيقاتك الأخرى حتى تنهيها.</numerusform>
            <numerusform>يأخذ %1 مفتاح Tab قبل %app، لذلك يبقى %app متوقفًا مؤقتًا في تطبيقاتك الأخرى حتى تنهيه.</numerusform>
            <numerusform>يأخذ %1 مفتاح Tab قبل %app، لذلك يبقى %app متوقفًا مؤقتًا في تطبيقاتك الأخرى حتى تنهيهما.</numerusform>
            <numerusform>تأخذ %1 مفتاح Tab قبل %app، لذلك يبقى %app متوقفًا مؤقتًا في تطبيقاتك الأخرى حتى تنهيها.</numerusform>
            <numerusform>تأخذ %1 مفتاح Tab قبل %app، لذلك يبقى %app متوقفًا مؤقتًا في تطبيقاتك الأخرى حتى تنهيها.</numerusform>
            <numerusform>تأخذ %1 مفتاح Tab قبل %app، لذلك يبقى %app متوقفًا مؤقتًا في تطبيقاتك الأخرى حتى تنهيها.</numerusform>
        </translation>
    </message>
    <message>
        <source>Only when I ask</source>
        <translation>فقط عندما أطلب</translation>
    </message>
    <message>
        <source>On battery, suggestions appear only after you press the Suggest Now shortcut.</source>
        <translation>عند العمل على البطارية، لا تظهر الاقتراحات إلا بعد الضغط على اختصار «اقترح الآن».</translation>
    </message>
    <message>
        <source>Shorter suggestions</source>
        <translation>اقتراحات أقصر</translation>
    </message>
    <message>
        <source>Fewer words take less power to write.</source>
        <translation>الكلمات الأقل تستهلك طاقة أقل في كتابتها.</translation>
    </message>
    <message>
        <source>Lighter model</source>
        <translation>نموذج أخف</translation>
    </message>
    <message>
        <source>Same as plugged in</source>
        <translation>كما عند التوصيل بالكهرباء</translation>
    </message>
    <message>
        <source>Running on battery. These apply right now.</source>
        <translation>يعمل على البطارية. هذه الإعدادات سارية الآن.</translation>
    </message>
    <message>
        <source>Plugged in. These wait until you unplug.</source>
        <translation>موصول بالكهرباء. تنتظر هذه الإعدادات حتى تفصل الشاحن.</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>النموذج</translation>
    </message>
    <message>
        <source>Model name</source>
        <translation>اسم النموذج</translation>
    </message>
    <message>
        <source>Reload the model list</source>
        <translation>تحديث قائمة النماذج</translation>
    </message>
    <message>
        <source>Choose a model</source>
        <translation>اختر نموذجًا</translation>
    </message>
    <message>
        <source>For people who already run Ollama, LM Studio or llama-server.</source>
        <translation>لمن يشغّل بالفعل Ollama أو LM Studio أو llama-server.</translation>
    </message>
    <message>
        <source>Use your own model</source>
        <translation>استخدم نموذجك الخاص</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>العنوان</translation>
    </message>
    <message>
        <source>API key</source>
        <translation>مفتاح API</translation>
    </message>
    <message>
        <source>Only if your server asks for one</source>
        <translation>فقط إذا طلب خادمك مفتاحًا</translation>
    </message>
    <message>
        <source>Focused</source>
        <translation>مركّز</translation>
    </message>
    <message>
        <source>Creativity</source>
        <translation>الإبداع</translation>
    </message>
    <message>
        <source>Loose</source>
        <translation>حر</translation>
    </message>
    <message>
        <source>Lower stays close to the obvious next words. Higher tries more.</source>
        <translation>القيمة الأدنى تلتزم بالكلمات التالية البديهية. والأعلى تجرّب أكثر.</translation>
    </message>
    <message>
        <source>Wait before suggesting</source>
        <translation>الانتظار قبل الاقتراح</translation>
    </message>
    <message>
        <source>How long you pause before %app starts.</source>
        <translation>مدة توقفك قبل أن يبدأ %app.</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>تشغيل</translation>
    </message>
    <message>
        <source>Try the engine</source>
        <translation>جرّب المحرك</translation>
    </message>
    <message>
        <source>Sends a sample sentence and shows what comes back.</source>
        <translation>يرسل جملة تجريبية ويعرض ما يعود.</translation>
    </message>
    <message>
        <source>Running…</source>
        <translation>قيد التشغيل…</translation>
    </message>
    <message>
        <source>The engine answered in %1 but had nothing useful to add.</source>
        <translation>أجاب المحرك خلال %1 لكنه لم يُضف شيئًا مفيدًا.</translation>
    </message>
    <message>
        <source>That didn&apos;t work: %1</source>
        <translation>لم ينجح ذلك: %1</translation>
    </message>
    <message>
        <source>The request was cancelled.</source>
        <translation>أُلغي الطلب.</translation>
    </message>
    <message>
        <source>Startup</source>
        <translation>بدء التشغيل</translation>
    </message>
    <message>
        <source>Launch at login</source>
        <translation>التشغيل عند تسجيل الدخول</translation>
    </message>
    <message>
        <source>Show today&apos;s word count next to the icon</source>
        <translation>إظهار عدد كلمات اليوم بجانب الأيقونة</translation>
    </message>
    <message>
        <source>Where suggestions appear</source>
        <translation>أين تظهر الاقتراحات</translation>
    </message>
    <message>
        <source>Turn this off to use %app only in the apps you switch on under Apps &amp; Sites.</source>
        <translation>أوقف هذا لاستخدام %app فقط في التطبيقات التي تفعّلها ضمن «التطبيقات والمواقع».</translation>
    </message>
    <message>
        <source>By default %app waits until the caret is at the end of a line.</source>
        <translation>افتراضيًا ينتظر %app حتى يصل المؤشر إلى نهاية السطر.</translation>
    </message>
    <message>
        <source>Without this, %app skips search bars and one-word boxes.</source>
        <translation>بدون هذا، يتخطى %app أشرطة البحث والحقول ذات الكلمة الواحدة.</translation>
    </message>
    <message>
        <source>Suggestions appear only after you press the Suggest Now shortcut.</source>
        <translation>لا تظهر الاقتراحات إلا بعد الضغط على اختصار «اقترح الآن».</translation>
    </message>
    <message>
        <source>Spelling</source>
        <translation>الإملاء</translation>
    </message>
    <message>
        <source>Waits while the word you&apos;re typing looks misspelled, so %app doesn&apos;t build on a typo.</source>
        <translation>ينتظر ما دامت الكلمة التي تكتبها تبدو خاطئة الإملاء، كي لا يبني %app على خطأ مطبعي.</translation>
    </message>
    <message>
        <source>After a misspelled word, shows a fix next to the caret. Press Tab to swap it in.</source>
        <translation>بعد كلمة خاطئة الإملاء، يعرض تصحيحًا بجانب المؤشر. اضغط Tab لاستبدالها.</translation>
    </message>
    <message>
        <source>Look</source>
        <translation>المظهر</translation>
    </message>
    <message>
        <source>Suggestion color</source>
        <translation>لون الاقتراحات</translation>
    </message>
    <message>
        <source>Text size</source>
        <translation>حجم النص</translation>
    </message>
    <message>
        <source>Fine-tune if suggestions look larger or smaller than your text.</source>
        <translation>اضبطه إذا بدت الاقتراحات أكبر أو أصغر من نصك.</translation>
    </message>
    <message>
        <source>Vertical position</source>
        <translation>الموضع الرأسي</translation>
    </message>
    <message>
        <source>Nudge suggestions up or down to line up with your text.</source>
        <translation>حرّك الاقتراحات لأعلى أو لأسفل لتصطف مع نصك.</translation>
    </message>
    <message>
        <source>A small keycap after your first suggestions, as a reminder of what to press.</source>
        <translation>رمز مفتاح صغير بعد اقتراحاتك الأولى، تذكيرًا بالمفتاح الذي تضغط عليه.</translation>
    </message>
    <message>
        <source>Insert suggestions by</source>
        <translation>طريقة إدراج الاقتراحات</translation>
    </message>
    <message>
        <source>Other autocomplete apps</source>
        <translation>تطبيقات الإكمال التلقائي الأخرى</translation>
    </message>
    <message>
        <source>They take the Tab key before %app can. With this off, %app asks you first.</source>
        <translation>تستولي على مفتاح Tab قبل %app. عند إيقاف هذا، يسألك %app أولًا.</translation>
    </message>
    <message>
        <source>%1 is another device on your network, so the text around your caret will be sent there.</source>
        <translation>العنوان %1 جهاز آخر على شبكتك، لذا سيُرسل النص المحيط بالمؤشر إليه.</translation>
    </message>
    <message>
        <source>%1 isn&apos;t this computer, so the text around your caret will be sent there.</source>
        <translation>العنوان %1 ليس هذا الكمبيوتر، لذا سيُرسل النص المحيط بالمؤشر إليه.</translation>
    </message>
    <message>
        <source>Both keep your text on this computer.</source>
        <translation>كلاهما يُبقي نصك على هذا الكمبيوتر.</translation>
    </message>
    <message>
        <source>%app opens by itself when you start your computer.</source>
        <translation>يفتح %app تلقائيًا عند تشغيل الكمبيوتر.</translation>
    </message>
    <message>
        <source>System predictions</source>
        <translation>تنبؤات النظام</translation>
    </message>
    <message>
        <source>The system can show its own grey predictions. Keeping them off avoids two suggestions at once.</source>
        <translation>يمكن للنظام عرض تنبؤاته الرمادية الخاصة. إيقافها يمنع ظهور اقتراحين في آن واحد.</translation>
    </message>
    <message>
        <source>System predictions are on</source>
        <translation>تنبؤات النظام مفعّلة</translation>
    </message>
    <message>
        <source>System predictions are off</source>
        <translation>تنبؤات النظام متوقفة</translation>
    </message>
    <message>
        <source>tab</source>
        <translation>tab</translation>
    </message>
    <message>
        <source>Your next words, one Tab away.</source>
        <translation>كلماتك التالية على بُعد ضغطة Tab.</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>تخطٍّ</translation>
    </message>
    <message>
        <source>Get Started</source>
        <translation>ابدأ</translation>
    </message>
    <message>
        <source>Turn sound on</source>
        <translation>تشغيل الصوت</translation>
    </message>
    <message>
        <source>Turn sound off</source>
        <translation>إيقاف الصوت</translation>
    </message>
    <message>
        <source>The other app</source>
        <translation>التطبيق الآخر</translation>
    </message>
    <message numerus="yes">
        <source>Next time, quit %1 without asking</source>
        <translation>
            <numerusform>في المرة القادمة، إنهاء %1 دون سؤال</numerusform>
            <numerusform>في المرة القادمة، إنهاء %1 دون سؤال</numerusform>
            <numerusform>في المرة القادمة، إنهاء %1 دون سؤال</numerusform>
            <numerusform>في المرة القادمة، إنهاء %1 دون سؤال</numerusform>
            <numerusform>في المرة القادمة، إنهاء %1 دون سؤال</numerusform>
            <numerusform>في المرة القادمة، إنهاء %1 دون سؤال</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 is also running</source>
        <translation>
            <numerusform>تعمل %1 أيضًا</numerusform>
            <numerusform>يعمل %1 أيضًا</numerusform>
            <numerusform>تعمل %1 أيضًا</numerusform>
            <numerusform>تعمل %1 أيضًا</numerusform>
            <numerusform>تعمل %1 أيضًا</numerusform>
            <numerusform>تعمل %1 أيضًا</numerusform>
        </translation>
    </message>
    <message>
        <source>Quitting…</source>
        <translation>جارٍ الإنهاء…</translation>
    </message>
    <message numerus="yes">
        <source>%1 is still open</source>
        <translation>
            <numerusform>لا تزال %1 مفتوحة</numerusform>
            <numerusform>لا يزال %1 مفتوحًا</numerusform>
            <numerusform>لا تزال %1 مفتوحة</numerusform>
            <numerusform>لا تزال %1 مفتوحة</numerusform>
            <numerusform>لا تزال %1 مفتوحة</numerusform>
            <numerusform>لا تزال %1 مفتوحة</numerusform>
        </translation>
    </message>
    <message>
        <source>%app has the Tab key</source>
        <translation>مفتاح Tab الآن لـ %app</translation>
    </message>
    <message>
        <source>%1 quit, so your suggestions are back in every app.</source>
        <translation>تم إنهاء %1، فعادت اقتراحاتك إلى كل التطبيقات.</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>تم</translation>
    </message>
    <message>
        <source>Open Source Notices</source>
        <translation>إشعارات المصادر المفتوحة</translation>
    </message>
    <message>
        <source>Reset all settings?</source>
        <translation>هل تريد إعادة تعيين كل الإعدادات؟</translation>
    </message>
    <message>
        <source>This also clears your rules for apps and sites. Your statistics and writing memory stay.</source>
        <translation>يمسح هذا أيضًا قواعدك للتطبيقات والمواقع. تبقى إحصاءاتك وذاكرة كتابتك كما هي.</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>إعادة تعيين</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>الإصدار %1</translation>
    </message>
    <message>
        <source>Some apps hide their text</source>
        <translation>بعض التطبيقات تُخفي نصها</translation>
    </message>
    <message>
        <source>Suggest emoji after a colon</source>
        <translation>اقتراح رموز تعبيرية بعد النقطتين</translation>
    </message>
    <message>
        <source>Turn emoticons into emoji</source>
        <translation>تحويل الوجوه النصية إلى رموز تعبيرية</translation>
    </message>
    <message>
        <source>After :-) or &lt;3, %app offers the matching emoji. Press Tab to swap it in.</source>
        <translation>بعد ‎:-)‎ أو ‎&lt;3‎ يعرض %app الرمز التعبيري المطابق. اضغط Tab لاستبداله.</translation>
    </message>
    <message>
        <source>Skin tone</source>
        <translation>لون البشرة</translation>
    </message>
    <message>
        <source>Also show the default yellow</source>
        <translation>إظهار الأصفر الافتراضي أيضًا</translation>
    </message>
    <message>
        <source>Try a word</source>
        <translation>جرّب كلمة</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>خفيف</translation>
    </message>
    <message>
        <source>No emoji match “%1”</source>
        <translation>لا يوجد رمز تعبيري يطابق «%1»</translation>
    </message>
    <message>
        <source>Accepting</source>
        <translation>القبول</translation>
    </message>
    <message>
        <source>Take the next word</source>
        <translation>أخذ الكلمة التالية</translation>
    </message>
    <message>
        <source>Press again for each following word.</source>
        <translation>اضغط مجددًا لكل كلمة تالية.</translation>
    </message>
    <message>
        <source>Take the whole suggestion</source>
        <translation>أخذ الاقتراح كاملًا</translation>
    </message>
    <message>
        <source>The key above Tab is easy to reach on most keyboards.</source>
        <translation>يسهل الوصول إلى المفتاح الذي فوق Tab في معظم لوحات المفاتيح.</translation>
    </message>
    <message>
        <source>Include the space after a word</source>
        <translation>تضمين المسافة التي بعد الكلمة</translation>
    </message>
    <message>
        <source>Include punctuation right after a word</source>
        <translation>تضمين علامات الترقيم التي تلي الكلمة مباشرة</translation>
    </message>
    <message>
        <source>When you press Escape</source>
        <translation>عند الضغط على Escape</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>الاختصارات</translation>
    </message>
    <message>
        <source>Suggest now</source>
        <translation>اقترح الآن</translation>
    </message>
    <message>
        <source>Asks for a suggestion right away, even where %app would normally wait.</source>
        <translation>يطلب اقتراحًا فورًا، حتى حيث كان %app سينتظر عادةً.</translation>
    </message>
    <message>
        <source>Other suggestions</source>
        <translation>اقتراحات أخرى</translation>
    </message>
    <message>
        <source>Lists a few different ways to continue. Choose with the arrow keys, then press Tab.</source>
        <translation>يعرض بضع طرق مختلفة للمتابعة. اختر بمفاتيح الأسهم ثم اضغط Tab.</translation>
    </message>
    <message>
        <source>Pause or resume in this app</source>
        <translation>إيقاف مؤقت أو استئناف في هذا التطبيق</translation>
    </message>
    <message>
        <source>Pauses for 15 minutes.</source>
        <translation>يوقف مؤقتًا لمدة ١٥ دقيقة.</translation>
    </message>
    <message>
        <source>Turn %app on or off</source>
        <translation>تفعيل %app أو إيقافه</translation>
    </message>
    <message>
        <source>Everywhere, until you press it again.</source>
        <translation>في كل مكان، حتى تضغط عليه مجددًا.</translation>
    </message>
    <message>
        <source>Pause or resume</source>
        <translation>إيقاف مؤقت أو استئناف</translation>
    </message>
    <message>
        <source>Turn on or off</source>
        <translation>تفعيل أو إيقاف</translation>
    </message>
    <message>
        <source>%1 and %2 use the same keys. Only the first will work.</source>
        <translation>يستخدم «%1» و«%2» المفاتيح نفسها. سيعمل الأول فقط.</translation>
    </message>
    <message>
        <source>About you</source>
        <translation>عنك</translation>
    </message>
    <message>
        <source>For example: I&apos;m a product designer in Berlin. I write short, friendly emails in British English and sign off with Cheers.</source>
        <translation>مثال: أنا مصمم منتجات في برلين. أكتب رسائل بريد إلكتروني قصيرة وودودة بالإنجليزية البريطانية وأختمها بكلمة Cheers.</translation>
    </message>
    <message>
        <source>Your role, the languages you write in, names you use often, how you like to sound.</source>
        <translation>دورك، واللغات التي تكتب بها، والأسماء التي تستخدمها كثيرًا، والأسلوب الذي تحب أن تظهر به.</translation>
    </message>
    <message>
        <source>Writing memory</source>
        <translation>ذاكرة الكتابة</translation>
    </message>
    <message>
        <source>Remember how I write</source>
        <translation>تذكّر طريقة كتابتي</translation>
    </message>
    <message>
        <source>Also remember fields where I accept nothing</source>
        <translation>تذكّر أيضًا الحقول التي لا أقبل فيها شيئًا</translation>
    </message>
    <message>
        <source>%app learns your style sooner but keeps more of what you type.</source>
        <translation>يتعلم %app أسلوبك أسرع، لكنه يحتفظ بالمزيد مما تكتبه.</translation>
    </message>
    <message>
        <source>Influence</source>
        <translation>التأثير</translation>
    </message>
    <message>
        <source>Strong</source>
        <translation>قوي</translation>
    </message>
    <message>
        <source>How many of your passages each suggestion can draw on.</source>
        <translation>عدد مقاطعك التي يمكن لكل اقتراح الاستناد إليها.</translation>
    </message>
    <message>
        <source>Erase All…</source>
        <translation>محو الكل…</translation>
    </message>
    <message>
        <source>Erase everything %app remembered?</source>
        <translation>هل تريد محو كل ما تذكّره %app؟</translation>
    </message>
    <message>
        <source>This can&apos;t be undone.</source>
        <translation>لا يمكن التراجع عن هذا.</translation>
    </message>
    <message>
        <source>Erase All</source>
        <translation>محو الكل</translation>
    </message>
    <message>
        <source>Nothing remembered yet</source>
        <translation>لم يُحفظ شيء بعد</translation>
    </message>
    <message>
        <source>App and window name</source>
        <translation>اسم التطبيق والنافذة</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>الموقع</translation>
    </message>
    <message>
        <source>The site&apos;s domain when you write in a browser.</source>
        <translation>نطاق الموقع عندما تكتب في متصفح.</translation>
    </message>
    <message>
        <source>Recently copied text</source>
        <translation>النص المنسوخ مؤخرًا</translation>
    </message>
    <message>
        <source>Anything you copied in the last 10 minutes. Copies from password managers are skipped.</source>
        <translation>كل ما نسخته في آخر ١٠ دقائق. يُتجاوز ما يُنسخ من مديري كلمات المرور.</translation>
    </message>
    <message>
        <source>Text on screen</source>
        <translation>النص على الشاشة</translation>
    </message>
    <message>
        <source>Reads the window you&apos;re writing in, so replies fit the conversation. It picks the lines closest to where you type.</source>
        <translation>يقرأ النافذة التي تكتب فيها لتناسب الردود المحادثة. ويختار الأسطر الأقرب إلى موضع كتابتك.</translation>
    </message>
    <message>
        <source>What you just looked at</source>
        <translation>ما نظرت إليه للتو</translation>
    </message>
    <message>
        <source>Windows beside you</source>
        <translation>النوافذ المجاورة</translation>
    </message>
    <message>
        <source>Also reads up to two other windows on the same screen, like the document you&apos;re replying about. Skips password managers and apps you switched off.</source>
        <translation>يقرأ أيضًا ما يصل إلى نافذتين أخريين على الشاشة نفسها، مثل المستند الذي ترد بشأنه. ويتجاوز مديري كلمات المرور والتطبيقات التي أوقفتها.</translation>
    </message>
    <message>
        <source>Off in this app</source>
        <translation>متوقف في هذا التطبيق</translation>
    </message>
    <message>
        <source>This word looks misspelled</source>
        <translation>تبدو هذه الكلمة خاطئة الإملاء</translation>
    </message>
    <message>
        <source>Thanks for the notes. I&apos;ll send the revised deck</source>
        <translation>شكرًا على الملاحظات. سأرسل العرض المعدَّل</translation>
    </message>
    <message>
        <source> by Friday morning.</source>
        <translation> بحلول صباح الجمعة.</translation>
    </message>
    <message>
        <source>%1 quit. %app has the Tab key.</source>
        <translation>تم إنهاء %1. مفتاح Tab الآن لـ %app.</translation>
    </message>
    <message>
        <source>Open Data Folder</source>
        <translation>فتح مجلد البيانات</translation>
    </message>
    <message>
        <source>Show Welcome Again</source>
        <translation>إظهار الترحيب مجددًا</translation>
    </message>
    <message>
        <source>Play Intro Again</source>
        <translation>تشغيل المقدمة مجددًا</translation>
    </message>
    <message>
        <source>Reset Settings…</source>
        <translation>إعادة تعيين الإعدادات…</translation>
    </message>
    <message>
        <source>Suggest in every app</source>
        <translation>الاقتراح في كل تطبيق</translation>
    </message>
    <message>
        <source>Suggest in code editors</source>
        <translation>الاقتراح في محررات الشيفرة</translation>
    </message>
    <message>
        <source>Suggest in the middle of a line</source>
        <translation>الاقتراح في منتصف السطر</translation>
    </message>
    <message>
        <source>Suggest in small fields</source>
        <translation>الاقتراح في الحقول الصغيرة</translation>
    </message>
    <message>
        <source>Hold back on misspelled words</source>
        <translation>التريث عند الكلمات الخاطئة الإملاء</translation>
    </message>
    <message>
        <source>Offer spelling fixes</source>
        <translation>عرض تصحيحات إملائية</translation>
    </message>
    <message>
        <source>Show the key hint</source>
        <translation>إظهار تلميح المفتاح</translation>
    </message>
    <message>
        <source>Quit other autocomplete apps when they open</source>
        <translation>إنهاء تطبيقات الإكمال التلقائي الأخرى عند فتحها</translation>
    </message>
    <message>
        <source>Keeps a few minutes of text from windows you switched away from, like a page you read before replying. It stays on your computer and skips apps you switched off.</source>
        <translation>يحتفظ لبضع دقائق بنص من النوافذ التي انتقلت عنها، مثل صفحة قرأتها قبل الرد. يبقى على هذا الكمبيوتر ويتجاوز التطبيقات التي أوقفتها.</translation>
    </message>
    <message numerus="yes">
        <source>Both apps answer the Tab key, and the system gives it to %1 first. %app stays paused in your other apps until %1 quits.</source>
        <translation>
            <numerusform>تأخذ %1 مفتاح Tab قبل %app، لذلك يبقى %app متوقفًا مؤقتًا في تطبيقاتك الأخرى حتى تنهيها.</numerusform>
            <numerusform>يستجيب التطبيقان لمفتاح Tab، ويمنحه النظام لـ %1 أولًا. يبقى %app متوقفًا مؤقتًا في تطبيقاتك الأخرى حتى يُنهى %1.</numerusform>
            <numerusform>يأخذ %1 مفتاح Tab قبل %app، لذلك يبقى %app متوقفًا مؤقتًا في تطبيقاتك الأخرى حتى تنهيهما.</numerusform>
            <numerusform>تأخذ %1 مفتاح Tab قبل %app، لذلك يبقى %app متوقفًا مؤقتًا في تطبيقاتك الأخرى حتى تنهيها.</numerusform>
            <numerusform>تأخذ %1 مفتاح Tab قبل %app، لذلك يبقى %app متوقفًا مؤقتًا في تطبيقاتك الأخرى حتى تنهيها.</numerusform>
            <numerusform>تأخذ %1 مفتاح Tab قبل %app، لذلك يبقى %app متوقفًا مؤقتًا في تطبيقاتك الأخرى حتى تنهيها.</numerusform>
        </translation>
    </message>
    <message>
        <source>Finishes your sentences in any app, on your computer.</source>
        <translation>يُكمل جملك في أي تطبيق، على الكمبيوتر.</translation>
    </message>
    <message>
        <source>Keeps short passages from fields where you accepted a suggestion, encrypted on this computer, and shows them to the model as examples.</source>
        <translation>يحتفظ بمقاطع قصيرة من الحقول التي قبلت فيها اقتراحًا، مشفّرةً على هذا الكمبيوتر، ويعرضها على النموذج كأمثلة.</translation>
    </message>
    <message>
        <source>Light</source>
        <comment>skin tone</comment>
        <translation>فاتح</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>حسنًا</translation>
    </message>
    <message>
        <source>Default</source>
        <comment>skin tone</comment>
        <translation>الافتراضي</translation>
    </message>
    <message>
        <source>Medium light</source>
        <comment>skin tone</comment>
        <translation>فاتح متوسط</translation>
    </message>
    <message>
        <source>Medium</source>
        <comment>skin tone</comment>
        <translation>متوسط</translation>
    </message>
    <message>
        <source>Medium dark</source>
        <comment>skin tone</comment>
        <translation>داكن متوسط</translation>
    </message>
    <message>
        <source>Dark</source>
        <comment>skin tone</comment>
        <translation>داكن</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>غير معروف</translation>
    </message>
    <message>
        <source>%1 × %2 pt</source>
        <translation>%1 × %2 نقطة</translation>
    </message>
    <message>
        <source>No</source>
        <translation>لا</translation>
    </message>
    <message>
        <source>Not reported, estimated from the caret</source>
        <translation>غير مُبلَّغ عنه، مقدَّر من المؤشر</translation>
    </message>
    <message>
        <source>%1 %2 pt</source>
        <translation>خط %1 بحجم %2 نقطة</translation>
    </message>
    <message>
        <source>System</source>
        <translation>النظام</translation>
    </message>
    <message>
        <source>Not yet</source>
        <translation>ليس بعد</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>اليوم</translation>
    </message>
    <message>
        <source>Last 7 days</source>
        <translation>آخر ٧ أيام</translation>
    </message>
    <message>
        <source>All time</source>
        <translation>منذ البداية</translation>
    </message>
    <message>
        <source>Typing saved</source>
        <translation>وقت الكتابة الموفَّر</translation>
    </message>
    <message>
        <source>at 40 words a minute</source>
        <translation>بمعدل ٤٠ كلمة في الدقيقة</translation>
    </message>
    <message>
        <source>Accepted</source>
        <translation>المقبولة</translation>
    </message>
    <message>
        <source>of suggestions shown</source>
        <translation>من الاقتراحات المعروضة</translation>
    </message>
    <message>
        <source>Typical wait</source>
        <translation>الانتظار المعتاد</translation>
    </message>
    <message>
        <source>9 in 10 under %1</source>
        <translation>٩ طلبات من كل ١٠ في أقل من %1</translation>
    </message>
    <message>
        <source>no requests yet</source>
        <translation>لا طلبات بعد</translation>
    </message>
    <message>
        <source>Words saved</source>
        <translation>الكلمات الموفَّرة</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>الفترة</translation>
    </message>
    <message>
        <source>Nothing to chart yet</source>
        <translation>لا شيء لعرضه بعد</translation>
    </message>
    <message>
        <source>Accept a few suggestions and your days show up here.</source>
        <translation>اقبل بعض الاقتراحات وستظهر أيامك هنا.</translation>
    </message>
    <message>
        <source>Where you write</source>
        <translation>أين تكتب</translation>
    </message>
    <message>
        <source>Reset Statistics…</source>
        <translation>إعادة تعيين الإحصاءات…</translation>
    </message>
    <message>
        <source>Reset all statistics?</source>
        <translation>هل تريد إعادة تعيين كل الإحصاءات؟</translation>
    </message>
    <message>
        <source>This clears words saved, acceptance and timing history.</source>
        <translation>يمسح هذا الكلمات الموفَّرة وسجل القبول وأوقات الانتظار.</translation>
    </message>
    <message>
        <source>Copy Diagnostics</source>
        <translation>نسخ التشخيص</translation>
    </message>
    <message>
        <source>Diagnostics leave out the text you typed.</source>
        <translation>لا يتضمن التشخيص النص الذي كتبته.</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>الحالة</translation>
    </message>
    <message>
        <source>Right now</source>
        <translation>الآن</translation>
    </message>
    <message>
        <source>Allowed</source>
        <translation>مسموح</translation>
    </message>
    <message>
        <source>Not allowed</source>
        <translation>غير مسموح</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>لوحة المفاتيح</translation>
    </message>
    <message>
        <source>Listening</source>
        <translation>يستمع</translation>
    </message>
    <message>
        <source>Not listening</source>
        <translation>لا يستمع</translation>
    </message>
    <message>
        <source>Focused field</source>
        <translation>الحقل النشط</translation>
    </message>
    <message>
        <source>Click into a text field in another app, then come back. The last field %1 saw stays here.</source>
        <translation>انقر داخل حقل نصي في تطبيق آخر، ثم عُد. يبقى هنا آخر حقل رآه %1.</translation>
    </message>
    <message>
        <source>App</source>
        <translation>التطبيق</translation>
    </message>
    <message>
        <source>Field type</source>
        <translation>نوع الحقل</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>النافذة</translation>
    </message>
    <message>
        <source>Field size</source>
        <translation>حجم الحقل</translation>
    </message>
    <message>
        <source>Caret found</source>
        <translation>تم العثور على المؤشر</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>الخط</translation>
    </message>
    <message>
        <source>At end of line</source>
        <translation>في نهاية السطر</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>نعم</translation>
    </message>
    <message>
        <source>Secure input</source>
        <translation>إدخال آمن</translation>
    </message>
    <message>
        <source>Looked at lately</source>
        <translation>ما نُظر إليه مؤخرًا</translation>
    </message>
    <message>
        <source>Text before the caret</source>
        <translation>النص قبل المؤشر</translation>
    </message>
    <message>
        <source>Last request</source>
        <translation>آخر طلب</translation>
    </message>
    <message>
        <source>Wait</source>
        <translation>الانتظار</translation>
    </message>
    <message>
        <source>Suggestion</source>
        <translation>الاقتراح</translation>
    </message>
    <message>
        <source>Prompt sent to the engine</source>
        <translation>الموجِّه المرسل إلى المحرك</translation>
    </message>
    <message>
        <source>Raw answer</source>
        <translation>الإجابة الخام</translation>
    </message>
    <message>
        <source>(empty)</source>
        <translation>(فارغ)</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>تم النسخ</translation>
    </message>
    <message>
        <source>Choose a language</source>
        <translation>اختر لغة</translation>
    </message>
    <message>
        <source>Search languages</source>
        <translation>ابحث في اللغات</translation>
    </message>
    <message>
        <source>Same as my computer</source>
        <translation>مثل لغة الكمبيوتر</translation>
    </message>
    <message>
        <source>Switch to %1?</source>
        <translation>هل تريد التبديل إلى %1؟</translation>
    </message>
    <message>
        <source>%1 closes and opens again in a second. Your settings stay as they are.</source>
        <translation>سيُغلق %1 ويُفتح من جديد خلال ثانية. تبقى إعداداتك كما هي.</translation>
    </message>
    <message>
        <source>Reopen Now</source>
        <translation>إعادة الفتح الآن</translation>
    </message>
    <message>
        <source>App language</source>
        <translation>لغة التطبيق</translation>
    </message>
    <message>
        <source>Pick the language you read most easily. Suggestions follow whatever language you type.</source>
        <translation>اختر اللغة التي تقرؤها بسهولة أكبر. تتبع الاقتراحات أي لغة تكتب بها.</translation>
    </message>
    <message>
        <source>Change the app language</source>
        <translation>تغيير لغة التطبيق</translation>
    </message>
    <message>
        <source>0 min</source>
        <translation>٠ دقيقة</translation>
    </message>
    <message>
        <source>under a minute</source>
        <translation>أقل من دقيقة</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 ث</translation>
    </message>
    <message>
        <source>Not set</source>
        <translation>غير محدد</translation>
    </message>
    <message>
        <source>Clear shortcut</source>
        <translation>مسح الاختصار</translation>
    </message>
    <message>
        <source>Add Ctrl, Alt or Super so normal typing still works.</source>
        <translation>أضف Ctrl أو Alt أو Super لتبقى الكتابة العادية ممكنة.</translation>
    </message>
    <message>
        <source>Type a shortcut…</source>
        <translation>اكتب اختصارًا…</translation>
    </message>
    <message>
        <source>Recording shortcut</source>
        <translation>جارٍ تسجيل الاختصار</translation>
    </message>
    <message>
        <source>Shortcut %1</source>
        <translation>الاختصار %1</translation>
    </message>
    <message>
        <source>Record shortcut</source>
        <translation>تسجيل اختصار</translation>
    </message>
    <message>
        <source>Shortcut not set</source>
        <translation>لم يُحدَّد اختصار</translation>
    </message>
    <message>
        <source>Press to record a new shortcut. Escape cancels.</source>
        <translation>اضغط لتسجيل اختصار جديد. Escape للإلغاء.</translation>
    </message>
    <message>
        <source>Your tray icon is hidden</source>
        <translation>أيقونة علبة النظام مخفية</translation>
    </message>
    <message>
        <source>This computer has no on-device language model</source>
        <translation>لا يوجد على هذا الكمبيوتر نموذج لغوي على الجهاز</translation>
    </message>
    <message>
        <source>Turn on the on-device model in the desktop&apos;s settings</source>
        <translation>فعّل النموذج على الجهاز في إعدادات سطح المكتب</translation>
    </message>
    <message>
        <source>The on-device model is unavailable</source>
        <translation>النموذج على الجهاز غير متاح</translation>
    </message>
    <message>
        <source>Downloading. The on-device model fills in until it&apos;s done.</source>
        <translation>جارٍ التنزيل. يتولى النموذج على الجهاز الاقتراحات حتى ينتهي.</translation>
    </message>
    <message>
        <source>The on-device model fills in until you download it.</source>
        <translation>يتولى النموذج على الجهاز الاقتراحات حتى تنزّل النموذج.</translation>
    </message>
    <message>
        <source>%1 shares no text. Quit it and start it with %2 to get suggestions in it.</source>
        <translation>لا يشارك %1 أي نص. أنهِ التطبيق وشغّله باستخدام ⁦%2⁩ لتحصل على اقتراحات فيه.</translation>
    </message>
    <message>
        <source>On-device model</source>
        <translation>النموذج على الجهاز</translation>
    </message>
    <message>
        <source>The system&apos;s own language model. Nothing to download.</source>
        <translation>النموذج اللغوي الخاص بالنظام. لا شيء لتنزيله.</translation>
    </message>
    <message>
        <source>A website name cannot hold spaces, tabs or line breaks.</source>
        <translation>لا يمكن أن يحتوي اسم الموقع على مسافات أو علامات جدولة أو فواصل أسطر.</translation>
    </message>
    <message>
        <source>Only addresses that start with http or https can be added.</source>
        <translation>لا يمكن إضافة إلا العناوين التي تبدأ بـ http أو https.</translation>
    </message>
    <message>
        <source>That is not a website name. Type one such as wikipedia.org.</source>
        <translation>هذا ليس اسم موقع. اكتب اسمًا مثل wikipedia.org.</translation>
    </message>
    <message>
        <source>A port is a number from 1 to 65535.</source>
        <translation>المنفذ رقم من ١ إلى ٦٥٥٣٥.</translation>
    </message>
    <message>
        <source>The on-device model fills in until the download is done.</source>
        <translation>يتولى النموذج على الجهاز الاقتراحات حتى ينتهي التنزيل.</translation>
    </message>
    <message>
        <source>Suggestions start once the download is done.</source>
        <translation>تبدأ الاقتراحات عند انتهاء التنزيل.</translation>
    </message>
    <message>
        <source>This frees %1. The on-device model fills in until you download it again.</source>
        <translation>يحرر هذا %1. يتولى النموذج على الجهاز الاقتراحات حتى تنزّله مجددًا.</translation>
    </message>
    <message>
        <source>This frees %1. The %app model can&apos;t suggest until you download it again.</source>
        <translation>يحرر هذا %1. لن يقدّم نموذج %app اقتراحات حتى تنزّله مجددًا.</translation>
    </message>
    <message>
        <source>There&apos;s no room for it, or your panel has no system tray. Add the panel&apos;s system tray or status area applet in its settings.</source>
        <translation>لا توجد مساحة لها، أو أن لوحتك بلا علبة نظام. أضف بريمج علبة النظام أو منطقة الحالة من إعدادات اللوحة.</translation>
    </message>
    <message>
        <source>GNOME shows tray icons only with the AppIndicator extension. Install the gnome-shell-extension-appindicator package, log out and in, then turn it on in Extensions.</source>
        <translation>لا يعرض GNOME أيقونات علبة النظام إلا مع إضافة AppIndicator. ثبّت حزمة gnome-shell-extension-appindicator، ثم سجّل الخروج والدخول، ثم فعّلها في «الإضافات».</translation>
    </message>
    <message>
        <source>GNOME shows tray icons only with the AppIndicator extension. It is installed but off: turn it on in Extensions.</source>
        <translation>لا يعرض GNOME أيقونات علبة النظام إلا مع إضافة AppIndicator. إنها مثبّتة لكنها معطّلة: فعّلها في «الإضافات».</translation>
    </message>
    <message>
        <source>Until then, open %app from your applications menu to reach Settings.</source>
        <translation>حتى ذلك الحين، افتح %app من قائمة التطبيقات للوصول إلى الإعدادات.</translation>
    </message>
    <message>
        <source>Open Extensions</source>
        <translation>فتح الإضافات</translation>
    </message>
    <message>
        <source>Show Count in Tray</source>
        <translation>إظهار العدد في علبة النظام</translation>
    </message>
    <message>
        <source>%1 shares no text</source>
        <translation>لا يشارك %1 أي نص</translation>
    </message>
    <message>
        <source>Copy command</source>
        <translation>نسخ الأمر</translation>
    </message>
    <message>
        <source>There&apos;s no account and no analytics. With the %app model or the on-device model, your text stays on this computer.</source>
        <translation>لا حساب ولا تحليلات. مع نموذج %app أو النموذج على الجهاز يبقى نصك على هذا الكمبيوتر.</translation>
    </message>
    <message>
        <source>There&apos;s no account and no analytics. With the %app model, your text stays on this computer.</source>
        <translation>لا حساب ولا تحليلات. مع نموذج %app يبقى نصك على هذا الكمبيوتر.</translation>
    </message>
    <message>
        <source>%app lives in your system tray from now on. Click its icon to pause it in an app or open Settings.</source>
        <translation>يقيم %app في علبة النظام من الآن. انقر أيقونته لإيقافه مؤقتًا في تطبيق أو لفتح الإعدادات.</translation>
    </message>
    <message>
        <source>%app has no account, no analytics and no servers of its own. The %app model and the on-device model keep your text on this computer. Other engines get it only if you set one up.</source>
        <translation>ليس لدى %app حساب ولا تحليلات ولا خوادم خاصة به. يُبقي نموذج %app والنموذج على الجهاز نصك على هذا الكمبيوتر. ولا تحصل عليه المحركات الأخرى إلا إذا أعددت أحدها.</translation>
    </message>
    <message>
        <source>%app has no account, no analytics and no servers of its own. The %app model keeps your text on this computer. Other engines get it only if you set one up.</source>
        <translation>ليس لدى %app حساب ولا تحليلات ولا خوادم خاصة به. يُبقي نموذج %app نصك على هذا الكمبيوتر. ولا تحصل عليه المحركات الأخرى إلا إذا أعددت أحدها.</translation>
    </message>
    <message>
        <source>Installed applications</source>
        <translation>التطبيقات المثبّتة</translation>
    </message>
    <message>
        <source>%app reads these only while making a suggestion and never saves them. With the %app model or the on-device model, nothing leaves your computer.</source>
        <translation>لا يقرأ %app هذه إلا أثناء إعداد اقتراح، ولا يحفظها أبدًا. مع نموذج %app أو النموذج على الجهاز لا يغادر شيء هذا الكمبيوتر.</translation>
    </message>
    <message>
        <source>%app reads these only while making a suggestion and never saves them. With the %app model, nothing leaves your computer.</source>
        <translation>لا يقرأ %app هذه إلا أثناء إعداد اقتراح، ولا يحفظها أبدًا. مع نموذج %app لا يغادر شيء هذا الكمبيوتر.</translation>
    </message>
    <message>
        <source>The %app model keeps your text on this computer.</source>
        <translation>يُبقي نموذج %app نصك على هذا الكمبيوتر.</translation>
    </message>
    <message>
        <source>The key holds a line break or another control character. Paste it again without them.</source>
        <translation>يحتوي المفتاح على فاصل أسطر أو حرف تحكم آخر. الصقه مرة أخرى بدونها.</translation>
    </message>
    <message>
        <source>Waiting for the keyring to store the key.</source>
        <translation>بانتظار أن تحفظ حلقة المفاتيح المفتاح.</translation>
    </message>
    <message>
        <source>The keyring cannot keep this key, so it is used only until %app quits.</source>
        <translation>لا تستطيع حلقة المفاتيح الاحتفاظ بهذا المفتاح، لذا يُستخدم فقط حتى يُغلق %app.</translation>
    </message>
    <message>
        <source>Show in the system tray</source>
        <translation>الإظهار في علبة النظام</translation>
    </message>
    <message>
        <source>Pause or open Settings from the system tray. Hidden? Open %app from your applications menu to come back.</source>
        <translation>أوقف مؤقتًا أو افتح الإعدادات من علبة النظام. مخفي؟ افتح %app من قائمة التطبيقات للعودة.</translation>
    </message>
    <message>
        <source>This tray can&apos;t show text beside icons, so the count shows in the icon&apos;s tooltip.</source>
        <translation>لا تستطيع علبة النظام هذه عرض نص بجانب الأيقونات، لذا يظهر العدد في تلميح الأيقونة.</translation>
    </message>
    <message>
        <source>VS Code, VSCodium, Cursor, Zed, Kate, Sublime Text, JetBrains IDEs and similar apps.</source>
        <translation>تطبيقات مثل VS Code وVSCodium وCursor وZed وKate وSublime Text وبيئات JetBrains وما يشبهها.</translation>
    </message>
    <message>
        <source>Your settings could not be read, so they were set aside and %app started over with its defaults.</source>
        <translation>تعذّرت قراءة إعداداتك، لذا نُحّيت جانبًا وبدأ %app من جديد بإعداداته الافتراضية.</translation>
    </message>
    <message>
        <source>Your settings are not saved: %app cannot write to its settings folder.</source>
        <translation>إعداداتك غير محفوظة: لا يستطيع %app الكتابة في مجلد إعداداته.</translation>
    </message>
    <message>
        <source>Your app and website rules could not be read, so they were set aside.</source>
        <translation>تعذّرت قراءة قواعد التطبيقات والمواقع، لذا نُحّيت جانبًا.</translation>
    </message>
    <message>
        <source>Your statistics could not be read, so they were set aside and counting started over.</source>
        <translation>تعذّرت قراءة إحصاءاتك، لذا نُحّيت جانبًا وبدأ العدّ من جديد.</translation>
    </message>
    <message>
        <source>Not saved: %app cannot write to its data folder.</source>
        <translation>غير محفوظ: لا يستطيع %app الكتابة في مجلد بياناته.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln suggestions. %1 selected</source>
        <translation>
            <numerusform>لا اقتراحات. المحدد: %1</numerusform>
            <numerusform>اقتراح واحد. المحدد: %1</numerusform>
            <numerusform>اقتراحان. المحدد: %1</numerusform>
            <numerusform>%Ln اقتراحات. المحدد: %1</numerusform>
            <numerusform>%Ln اقتراحًا. المحدد: %1</numerusform>
            <numerusform>%Ln اقتراح. المحدد: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln min</source>
        <translation>
            <numerusform>%Ln دقيقة</numerusform>
            <numerusform>دقيقة واحدة</numerusform>
            <numerusform>دقيقتان</numerusform>
            <numerusform>%Ln دقائق</numerusform>
            <numerusform>%Ln دقيقة</numerusform>
            <numerusform>%Ln دقيقة</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln words</source>
        <translation>
            <numerusform>%Ln كلمة</numerusform>
            <numerusform>كلمة واحدة</numerusform>
            <numerusform>كلمتان</numerusform>
            <numerusform>%Ln كلمات</numerusform>
            <numerusform>%Ln كلمة</numerusform>
            <numerusform>%Ln كلمة</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln passages from here</source>
        <translation>
            <numerusform>%Ln مقطع من هنا</numerusform>
            <numerusform>مقطع واحد من هنا</numerusform>
            <numerusform>مقطعان من هنا</numerusform>
            <numerusform>%Ln مقاطع من هنا</numerusform>
            <numerusform>%Ln مقطعًا من هنا</numerusform>
            <numerusform>%Ln مقطع من هنا</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>words</source>
        <comment>unit after a count</comment>
        <translation>
            <numerusform>كلمة</numerusform>
            <numerusform>كلمة</numerusform>
            <numerusform>كلمتان</numerusform>
            <numerusform>كلمات</numerusform>
            <numerusform>كلمة</numerusform>
            <numerusform>كلمة</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln days</source>
        <translation>
            <numerusform>%Ln يوم</numerusform>
            <numerusform>يوم واحد</numerusform>
            <numerusform>يومان</numerusform>
            <numerusform>%Ln أيام</numerusform>
            <numerusform>%Ln يومًا</numerusform>
            <numerusform>%Ln يوم</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Words saved per day over the last %Ln days</source>
        <translation>
            <numerusform>الكلمات الموفَّرة يوميًا خلال آخر %Ln يوم</numerusform>
            <numerusform>الكلمات الموفَّرة يوميًا خلال آخر يوم</numerusform>
            <numerusform>الكلمات الموفَّرة يوميًا خلال آخر يومين</numerusform>
            <numerusform>الكلمات الموفَّرة يوميًا خلال آخر %Ln أيام</numerusform>
            <numerusform>الكلمات الموفَّرة يوميًا خلال آخر %Ln يومًا</numerusform>
            <numerusform>الكلمات الموفَّرة يوميًا خلال آخر %Ln يوم</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln day streak</source>
        <translation>
            <numerusform>لا أيام متتالية</numerusform>
            <numerusform>يوم واحد</numerusform>
            <numerusform>يومان متتاليان</numerusform>
            <numerusform>%Ln أيام متتالية</numerusform>
            <numerusform>%Ln يومًا متتاليًا</numerusform>
            <numerusform>%Ln يوم متتالٍ</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln passages remembered</source>
        <translation>
            <numerusform>%Ln مقطع محفوظ</numerusform>
            <numerusform>مقطع واحد محفوظ</numerusform>
            <numerusform>مقطعان محفوظان</numerusform>
            <numerusform>%Ln مقاطع محفوظة</numerusform>
            <numerusform>%Ln مقطعًا محفوظًا</numerusform>
            <numerusform>%Ln مقطع محفوظ</numerusform>
        </translation>
    </message>
    <message>
        <source>enter</source>
        <translation>enter</translation>
    </message>
    <message>
        <source>Allow screen capture so %app can read those too. Most apps work without it.</source>
        <translation>اسمح بالتقاط الشاشة ليتمكن %app من قراءتها أيضًا. تعمل معظم التطبيقات من دونه.</translation>
    </message>
    <message>
        <source>Type a colon and a word, like :rocket, then press Tab or Enter to pick.</source>
        <translation>اكتب نقطتين وكلمة، مثل ‎:rocket‎، ثم اضغط Tab أو Enter للاختيار.</translation>
    </message>
    <message>
        <source>You can switch memory off for single apps under Apps &amp; Sites. The key that unlocks it lives in your keyring.</source>
        <translation>يمكنك إيقاف الذاكرة لتطبيقات بعينها ضمن «التطبيقات والمواقع». المفتاح الذي يفتحها محفوظ في حلقة المفاتيح لديك.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln emoji. %1 selected</source>
        <translation>
            <numerusform>لا رموز تعبيرية. المحدد: %1</numerusform>
            <numerusform>رمز تعبيري واحد. المحدد: %1</numerusform>
            <numerusform>رمزان تعبيريان. المحدد: %1</numerusform>
            <numerusform>%Ln رموز تعبيرية. المحدد: %1</numerusform>
            <numerusform>%Ln رمزًا تعبيريًا. المحدد: %1</numerusform>
            <numerusform>%Ln رمز تعبيري. المحدد: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Suggestion: %1</source>
        <translation>الاقتراح: %1</translation>
    </message>
    <message numerus="yes">
        <source>%Ln models available</source>
        <translation>
            <numerusform>لا نماذج متاحة</numerusform>
            <numerusform>نموذج واحد متاح</numerusform>
            <numerusform>نموذجان متاحان</numerusform>
            <numerusform>%Ln نماذج متاحة</numerusform>
            <numerusform>%Ln نموذجًا متاحًا</numerusform>
            <numerusform>%Ln نموذج متاح</numerusform>
        </translation>
    </message>
    <message>
        <source>The model couldn&apos;t be saved: %1</source>
        <translation>تعذّر حفظ النموذج: %1</translation>
    </message>
    <message>
        <source>Ollama isn&apos;t running.</source>
        <translation>خادم Ollama لا يعمل.</translation>
    </message>
    <message>
        <source>Ollama isn&apos;t running at %1.</source>
        <translation>خادم Ollama لا يعمل على العنوان %1.</translation>
    </message>
    <message>
        <source>No server answered.</source>
        <translation>لم يُجب أي خادم.</translation>
    </message>
    <message>
        <source>No server answered at %1.</source>
        <translation>لم يُجب أي خادم على العنوان %1.</translation>
    </message>
    <message>
        <source>Range: %1</source>
        <translation>الفترة: %1</translation>
    </message>
    <message numerus="yes">
        <source>%1, %Ln to do</source>
        <translation>
            <numerusform>%1، لا مهام متبقية</numerusform>
            <numerusform>%1، مهمة واحدة متبقية</numerusform>
            <numerusform>%1، مهمتان متبقيتان</numerusform>
            <numerusform>%1، %Ln مهام متبقية</numerusform>
            <numerusform>%1، %Ln مهمة متبقية</numerusform>
            <numerusform>%1، %Ln مهمة متبقية</numerusform>
        </translation>
    </message>
    <message>
        <source>Type the whole name of the website, such as wikipedia.org.</source>
        <translation>اكتب الاسم الكامل للموقع، مثل wikipedia.org.</translation>
    </message>
    <message>
        <source>The key holds a space, an invisible character or a letter outside plain ASCII. Paste it again exactly as your server gave it.</source>
        <translation>يحتوي المفتاح على مسافة أو حرف غير مرئي أو حرف خارج ASCII العادي. الصقه مرة أخرى كما أعطاك إياه خادمك تمامًا.</translation>
    </message>
    <message>
        <source>The keyring could not be read, so your server is asked without an API key. Type the key again if your server needs one.</source>
        <translation>تعذّرت قراءة حلقة المفاتيح، لذا يُسأل خادمك من دون مفتاح API. اكتب المفتاح مرة أخرى إن كان خادمك يحتاج إليه.</translation>
    </message>
    <message>
        <source>Your writing memory could not be opened, so it was set aside and %app started a new one.</source>
        <translation>تعذّر فتح ذاكرة كتابتك، لذا نُقلت جانبًا وبدأ %app ذاكرة جديدة.</translation>
    </message>
    <message>
        <source>%1, converted for llama.cpp by %2</source>
        <translation>من %1، وحوّله %2 للعمل مع llama.cpp</translation>
    </message>
    <message>
        <source>The data folder %1 could not be made. Check that the folder above it exists and that you may write there.</source>
        <translation>تعذّر إنشاء مجلد البيانات %1. تحقّق من وجود المجلد الذي يعلوه ومن أنه يمكنك الكتابة فيه.</translation>
    </message>
    <message>
        <source>party</source>
        <comment>emoji search sample</comment>
        <translation>حفلة</translation>
    </message>
    <message numerus="yes">
        <source>%Ln settings held values %app cannot use, so they were corrected and saved.</source>
        <translation>
            <numerusform>%Ln إعداد حملت قيمًا لا يستطيع %app استخدامها، لذا صُحّحت وحُفظت.</numerusform>
            <numerusform>إعداد واحد حمل قيمة لا يستطيع %app استخدامها، لذا صُحّح وحُفظ.</numerusform>
            <numerusform>إعدادان حملا قيمًا لا يستطيع %app استخدامها، لذا صُحّحا وحُفظا.</numerusform>
            <numerusform>%Ln إعدادات حملت قيمًا لا يستطيع %app استخدامها، لذا صُحّحت وحُفظت.</numerusform>
            <numerusform>%Ln إعدادًا حملت قيمًا لا يستطيع %app استخدامها، لذا صُحّحت وحُفظت.</numerusform>
            <numerusform>%Ln إعداد حملت قيمًا لا يستطيع %app استخدامها، لذا صُحّحت وحُفظت.</numerusform>
        </translation>
    </message>
    <message>
        <source>Your writing memory is not saved: the keyring is missing or locked, so its key cannot be kept.</source>
        <translation>لم تُحفظ ذاكرة كتابتك: حلقة المفاتيح مفقودة أو مقفلة، لذا لا يمكن الاحتفاظ بمفتاحها.</translation>
    </message>
    <message>
        <source>That address isn&apos;t valid</source>
        <translation>هذا العنوان غير صالح</translation>
    </message>
    <message>
        <source>The request timed out.</source>
        <translation>انتهت مهلة الطلب.</translation>
    </message>
    <message>
        <source>The server&apos;s reply was too long, so it was stopped.</source>
        <translation>كان ردّ الخادم طويلًا جدًا، فأُوقف.</translation>
    </message>
    <message>
        <source>The server answered %1.</source>
        <translation>أجاب الخادم بالرمز %1.</translation>
    </message>
    <message>
        <source>The server answered %1: %2</source>
        <translation>أجاب الخادم بالرمز %1: %2</translation>
    </message>
    <message>
        <source>The download server answered %1. Try again later.</source>
        <translation>أجاب خادم التنزيل بالرمز %1. حاول مرة أخرى لاحقًا.</translation>
    </message>
    <message>
        <source>The download couldn&apos;t be saved: %1</source>
        <translation>تعذّر حفظ التنزيل: %1</translation>
    </message>
    <message>
        <source>The download paused because the connection dropped. Try again to pick up where it stopped.</source>
        <translation>توقّف التنزيل مؤقتًا لأن الاتصال انقطع. حاول مرة أخرى ليكمل من حيث توقّف.</translation>
    </message>
    <message>
        <source>The download stopped. Check your connection, then try again.</source>
        <translation>توقّف التنزيل. تحقّق من اتصالك، ثم حاول مرة أخرى.</translation>
    </message>
    <message>
        <source>Pick an Ollama model in Settings</source>
        <translation>اختر نموذج Ollama في الإعدادات</translation>
    </message>
    <message>
        <source>Pick a model for your local server</source>
        <translation>اختر نموذجًا لخادمك المحلي</translation>
    </message>
    <message>
        <source>The server&apos;s answer is not HTTP.</source>
        <translation>ردّ الخادم ليس HTTP.</translation>
    </message>
    <message>
        <source>The data couldn&apos;t be read because it is missing.</source>
        <translation>تعذّرت قراءة البيانات لأنها مفقودة.</translation>
    </message>
    <message>
        <source>The data couldn&apos;t be read because it isn&apos;t in the correct format.</source>
        <translation>تعذّرت قراءة البيانات لأنها ليست بالتنسيق الصحيح.</translation>
    </message>
    <message>
        <source>:%1:</source>
        <comment>emoji name</comment>
        <translation>:%1:</translation>
    </message>
    <message>
        <source>This computer has no on-device language model.</source>
        <translation>لا يوجد على هذا الكمبيوتر نموذج لغوي على الجهاز.</translation>
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
        <translation>متوقّف مؤقتًا على %1</translation>
    </message>
    <message>
        <source>Paused in %1</source>
        <translation>متوقّف مؤقتًا في %1</translation>
    </message>
    <message>
        <source>Off on %1</source>
        <translation>متوقّف على %1</translation>
    </message>
    <message>
        <source>Off in %1</source>
        <translation>متوقّف في %1</translation>
    </message>
    <message>
        <source>Off in %1 by default</source>
        <translation>متوقّف افتراضيًا في %1</translation>
    </message>
    <message>
        <source>Off in code editors</source>
        <translation>متوقّف في محرّرات الشيفرة</translation>
    </message>
    <message>
        <source>Off unless turned on per app</source>
        <translation>متوقّف ما لم يُفعَّل لكل تطبيق</translation>
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
        <translation>مسافة</translation>
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
        <translation>المفتاح %1</translation>
    </message>
    <message>
        <source>An email reply reads differently from a commit message.</source>
        <translation>الرد على بريد إلكتروني يُكتب بأسلوب يختلف عن رسالة الإيداع.</translation>
    </message>
    <message>
        <source>Writes straight into the field. Cleanest in GTK and Qt apps.</source>
        <translation>يكتب مباشرة في الحقل. الأنظف في تطبيقات GTK وQt.</translation>
    </message>
    <message>
        <source>Typing</source>
        <comment>insertion method</comment>
        <translation>الكتابة</translation>
    </message>
    <message>
        <source>%1 h</source>
        <comment>hours with one decimal, such as 1.5</comment>
        <translation>%1 ساعة</translation>
    </message>
    <message numerus="yes">
        <source>%Ln h</source>
        <translation>
            <numerusform>%Ln ساعة</numerusform>
            <numerusform>ساعة واحدة</numerusform>
            <numerusform>ساعتان</numerusform>
            <numerusform>%Ln ساعات</numerusform>
            <numerusform>%Ln ساعة</numerusform>
            <numerusform>%Ln ساعة</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln ms</source>
        <translation>
            <numerusform>%Ln مللي ث</numerusform>
            <numerusform>%Ln مللي ث</numerusform>
            <numerusform>%Ln مللي ث</numerusform>
            <numerusform>%Ln مللي ث</numerusform>
            <numerusform>%Ln مللي ث</numerusform>
            <numerusform>%Ln مللي ث</numerusform>
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
        <translation>%1، %2</translation>
    </message>
    <message numerus="yes">
        <source>%Ln words saved today</source>
        <translation>
            <numerusform>لا كلمات موفَّرة اليوم</numerusform>
            <numerusform>كلمة واحدة موفَّرة اليوم</numerusform>
            <numerusform>كلمتان موفَّرتان اليوم</numerusform>
            <numerusform>%Ln كلمات موفَّرة اليوم</numerusform>
            <numerusform>%Ln كلمة موفَّرة اليوم</numerusform>
            <numerusform>%Ln كلمة موفَّرة اليوم</numerusform>
        </translation>
    </message>
    <message>
        <source>Under a minute of typing saved today.</source>
        <translation>وفّرت اليوم أقل من دقيقة من الكتابة.</translation>
    </message>
    <message>
        <source>About %1 of typing saved today.</source>
        <translation>وفّرت اليوم نحو %1 من الكتابة.</translation>
    </message>
    <message numerus="yes">
        <source>Step %1 of %Ln</source>
        <translation>
            <numerusform>الخطوة %1 من %Ln</numerusform>
            <numerusform>الخطوة %1 من %Ln</numerusform>
            <numerusform>الخطوة %1 من %Ln</numerusform>
            <numerusform>الخطوة %1 من %Ln</numerusform>
            <numerusform>الخطوة %1 من %Ln</numerusform>
            <numerusform>الخطوة %1 من %Ln</numerusform>
        </translation>
    </message>
    <message>
        <source>%app reads and types into text fields through the desktop&apos;s accessibility support, which some desktops leave off. %app uses it only for the field you&apos;re writing in.</source>
        <translation>يقرأ %app حقول النص ويكتب فيها عبر دعم إمكانية الوصول في سطح المكتب، وبعض أسطح المكتب تتركه متوقفًا. يستخدمه %app للحقل الذي تكتب فيه فقط.</translation>
    </message>
    <message>
        <source>The button switches the desktop&apos;s accessibility support on. If the desktop&apos;s settings open instead, turn accessibility on there, then come back. This page updates by itself.</source>
        <translation>يفعّل الزر دعم إمكانية الوصول في سطح المكتب. وإذا فُتحت إعدادات سطح المكتب بدلًا من ذلك، ففعّل إمكانية الوصول هناك ثم ارجع. يتم تحديث هذه الصفحة تلقائيًا.</translation>
    </message>
    <message>
        <source>Still off? Some desktops start their accessibility service only when you log in. Log out and back in, then try again.</source>
        <translation>ما زال متوقفًا؟ بعض أسطح المكتب لا تبدأ خدمة إمكانية الوصول إلا عند تسجيل الدخول. سجّل الخروج ثم ادخل من جديد، ثم حاول مرة أخرى.</translation>
    </message>
    <message>
        <source>Pause</source>
        <comment>section header</comment>
        <translation>إيقاف مؤقت</translation>
    </message>
    <message>
        <source>Pause</source>
        <comment>button</comment>
        <translation>إيقاف مؤقت</translation>
    </message>
    <message>
        <source>typing</source>
        <comment>insertion method, in a sentence</comment>
        <translation>الكتابة</translation>
    </message>
    <message>
        <source>accessibility</source>
        <comment>insertion method, in a sentence</comment>
        <translation>إمكانية الوصول</translation>
    </message>
    <message>
        <source>paste</source>
        <comment>insertion method, in a sentence</comment>
        <translation>اللصق</translation>
    </message>
    <message>
        <source>short</source>
        <comment>suggestion length, in a sentence</comment>
        <translation>قصيرة</translation>
    </message>
    <message>
        <source>medium</source>
        <comment>suggestion length, in a sentence</comment>
        <translation>متوسطة</translation>
    </message>
    <message>
        <source>long</source>
        <comment>suggestion length, in a sentence</comment>
        <translation>طويلة</translation>
    </message>
    <message>
        <source>Default follows General: %1, %2 suggestions.</source>
        <translation>الافتراضي يتبع «عام»: %1، واقتراحات %2.</translation>
    </message>
    <message>
        <source>Yes, at %1, %2 on screen, %3 pt tall, %4 and %5</source>
        <translation>نعم، عند %1، %2 على الشاشة، بارتفاع %3 نقطة، %4 و%5</translation>
    </message>
    <message numerus="yes">
        <source>%Ln characters before it</source>
        <translation>
            <numerusform>لا أحرف قبله</numerusform>
            <numerusform>حرف واحد قبله</numerusform>
            <numerusform>حرفان قبله</numerusform>
            <numerusform>%Ln أحرف قبله</numerusform>
            <numerusform>%Ln حرفًا قبله</numerusform>
            <numerusform>%Ln حرف قبله</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln after</source>
        <comment>characters after the caret</comment>
        <translation>
            <numerusform>لا شيء بعده</numerusform>
            <numerusform>حرف واحد بعده</numerusform>
            <numerusform>حرفان بعده</numerusform>
            <numerusform>%Ln أحرف بعده</numerusform>
            <numerusform>%Ln حرفًا بعده</numerusform>
            <numerusform>%Ln حرف بعده</numerusform>
        </translation>
    </message>
    <message>
        <source>No system tray runs on this desktop, so the icon cannot show. %1</source>
        <translation>لا تعمل علبة نظام على سطح المكتب هذا، لذا لا يمكن إظهار الأيقونة. %1</translation>
    </message>
    <message>
        <source>Typing</source>
        <comment>section header</comment>
        <translation>الكتابة</translation>
    </message>
    <message>
        <source>Switch to the computer&apos;s language?</source>
        <translation>هل تريد التبديل إلى لغة الكمبيوتر؟</translation>
    </message>
    <message numerus="yes">
        <source>%Ln words this week.</source>
        <translation>
            <numerusform>لا كلمات هذا الأسبوع.</numerusform>
            <numerusform>كلمة واحدة هذا الأسبوع.</numerusform>
            <numerusform>كلمتان هذا الأسبوع.</numerusform>
            <numerusform>%Ln كلمات هذا الأسبوع.</numerusform>
            <numerusform>%Ln كلمة هذا الأسبوع.</numerusform>
            <numerusform>%Ln كلمة هذا الأسبوع.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Under a minute of typing saved today. %Ln words this week.</source>
        <translation>
            <numerusform>وفّرت اليوم أقل من دقيقة من الكتابة. لا كلمات هذا الأسبوع.</numerusform>
            <numerusform>وفّرت اليوم أقل من دقيقة من الكتابة. كلمة واحدة هذا الأسبوع.</numerusform>
            <numerusform>وفّرت اليوم أقل من دقيقة من الكتابة. كلمتان هذا الأسبوع.</numerusform>
            <numerusform>وفّرت اليوم أقل من دقيقة من الكتابة. %Ln كلمات هذا الأسبوع.</numerusform>
            <numerusform>وفّرت اليوم أقل من دقيقة من الكتابة. %Ln كلمة هذا الأسبوع.</numerusform>
            <numerusform>وفّرت اليوم أقل من دقيقة من الكتابة. %Ln كلمة هذا الأسبوع.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>About %1 of typing saved today. %Ln words this week.</source>
        <translation>
            <numerusform>وفّرت اليوم نحو %1 من الكتابة. لا كلمات هذا الأسبوع.</numerusform>
            <numerusform>وفّرت اليوم نحو %1 من الكتابة. كلمة واحدة هذا الأسبوع.</numerusform>
            <numerusform>وفّرت اليوم نحو %1 من الكتابة. كلمتان هذا الأسبوع.</numerusform>
            <numerusform>وفّرت اليوم نحو %1 من الكتابة. %Ln كلمات هذا الأسبوع.</numerusform>
            <numerusform>وفّرت اليوم نحو %1 من الكتابة. %Ln كلمة هذا الأسبوع.</numerusform>
            <numerusform>وفّرت اليوم نحو %1 من الكتابة. %Ln كلمة هذا الأسبوع.</numerusform>
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
            <numerusform>تم إنجاز %Ln من %1</numerusform>
            <numerusform>تم إنجاز %Ln من %1</numerusform>
            <numerusform>تم إنجاز %Ln من %1</numerusform>
            <numerusform>تم إنجاز %Ln من %1</numerusform>
            <numerusform>تم إنجاز %Ln من %1</numerusform>
            <numerusform>تم إنجاز %Ln من %1</numerusform>
        </translation>
    </message>
    <message>
        <source>The server refused the connection. Check that it is running and that the address is right.</source>
        <translation>رفض الخادم الاتصال. تحقّق من أنه يعمل ومن صحة العنوان.</translation>
    </message>
    <message>
        <source>The server&apos;s name couldn&apos;t be found. Check the address.</source>
        <translation>تعذّر العثور على اسم الخادم. تحقّق من العنوان.</translation>
    </message>
    <message>
        <source>A secure connection to the server couldn&apos;t be made.</source>
        <translation>تعذّر إنشاء اتصال آمن بالخادم.</translation>
    </message>
    <message>
        <source>The server closed the connection before it answered.</source>
        <translation>أغلق الخادم الاتصال قبل أن يُجيب.</translation>
    </message>
    <message>
        <source>The network proxy couldn&apos;t be reached.</source>
        <translation>تعذّر الوصول إلى الوكيل (البروكسي) الخاص بالشبكة.</translation>
    </message>
    <message>
        <source>The server couldn&apos;t be reached.</source>
        <translation>تعذّر الوصول إلى الخادم.</translation>
    </message>
    <message>
        <source>Waiting for the network…</source>
        <translation>في انتظار الشبكة…</translation>
    </message>
    <message>
        <source>%1 is taken by another program.</source>
        <translation>الاختصار %1 يستخدمه برنامج آخر.</translation>
    </message>
    <message>
        <source>%1 could not open again. Your choice takes effect the next time you start it.</source>
        <translation>تعذّرت إعادة فتح %1. سيسري اختيارك في المرة القادمة التي تشغّله فيها.</translation>
    </message>
    <message>
        <source>Downloading the model</source>
        <translation>جارٍ تنزيل النموذج</translation>
    </message>
    <message numerus="yes">
        <source>These apps answer the Tab key before %app can, so %app stays paused in your other apps until they quit.</source>
        <translation>
            <numerusform>تستجيب هذه التطبيقات لمفتاح Tab قبل أن يتمكن %app من ذلك، لذلك يبقى %app متوقفًا مؤقتًا في تطبيقاتك الأخرى حتى يتم إنهاؤها.</numerusform>
            <numerusform>تستجيب هذه التطبيقات لمفتاح Tab قبل أن يتمكن %app من ذلك، لذلك يبقى %app متوقفًا مؤقتًا في تطبيقاتك الأخرى حتى يتم إنهاؤها.</numerusform>
            <numerusform>يستجيب هذان التطبيقان لمفتاح Tab قبل أن يتمكن %app من ذلك، لذلك يبقى %app متوقفًا مؤقتًا في تطبيقاتك الأخرى حتى يتم إنهاؤهما.</numerusform>
            <numerusform>تستجيب هذه التطبيقات لمفتاح Tab قبل أن يتمكن %app من ذلك، لذلك يبقى %app متوقفًا مؤقتًا في تطبيقاتك الأخرى حتى يتم إنهاؤها.</numerusform>
            <numerusform>تستجيب هذه التطبيقات لمفتاح Tab قبل أن يتمكن %app من ذلك، لذلك يبقى %app متوقفًا مؤقتًا في تطبيقاتك الأخرى حتى يتم إنهاؤها.</numerusform>
            <numerusform>تستجيب هذه التطبيقات لمفتاح Tab قبل أن يتمكن %app من ذلك، لذلك يبقى %app متوقفًا مؤقتًا في تطبيقاتك الأخرى حتى يتم إنهاؤها.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>It may be waiting on a dialog of its own. Force Quit closes it right away.</source>
        <translation>
            <numerusform>ربما تنتظر مربعات حوار خاصة بها. «إنهاء قسري» يغلقها فورًا.</numerusform>
            <numerusform>ربما ينتظر مربع حوار خاصًا به. «إنهاء قسري» يغلقه فورًا.</numerusform>
            <numerusform>ربما ينتظران مربعات حوار خاصة بهما. «إنهاء قسري» يغلقهما فورًا.</numerusform>
            <numerusform>ربما تنتظر مربعات حوار خاصة بها. «إنهاء قسري» يغلقها فورًا.</numerusform>
            <numerusform>ربما تنتظر مربعات حوار خاصة بها. «إنهاء قسري» يغلقها فورًا.</numerusform>
            <numerusform>ربما تنتظر مربعات حوار خاصة بها. «إنهاء قسري» يغلقها فورًا.</numerusform>
        </translation>
    </message>
    <message>
        <source>Set a Suggest Now shortcut in Keys to ask for suggestions</source>
        <translation>عيّن اختصار «اقترح الآن» في «المفاتيح» لطلب الاقتراحات</translation>
    </message>
    <message>
        <source>Backspace</source>
        <comment>key above Enter that deletes backwards</comment>
        <translation>Backspace</translation>
    </message>
    <message>
        <source>0 words saved today</source>
        <translation>لا كلمات موفَّرة اليوم</translation>
    </message>
    <message>
        <source>words saved today</source>
        <comment>beside the count 0</comment>
        <translation>كلمة موفَّرة اليوم</translation>
    </message>
    <message>
        <source>Quit the other app</source>
        <translation>إنهاء التطبيق الآخر</translation>
    </message>
    <message>
        <source>None yet</source>
        <comment>no app looked at yet</comment>
        <translation>لا شيء بعد</translation>
    </message>
    <message>
        <source>None yet</source>
        <comment>no suggestion shown yet</comment>
        <translation>لا اقتراح بعد</translation>
    </message>
    <message>
        <source>The other app is also running</source>
        <translation>يعمل التطبيق الآخر أيضًا</translation>
    </message>
    <message>
        <source>Both apps answer the Tab key, and the system gives it to the other app first. %app stays paused in your other apps until the other app quits.</source>
        <translation>يستجيب التطبيقان لمفتاح Tab، ويمنحه النظام للتطبيق الآخر أولًا. يبقى %app متوقفًا مؤقتًا في تطبيقاتك الأخرى حتى يُنهى التطبيق الآخر.</translation>
    </message>
    <message>
        <source>The other app is still open</source>
        <translation>لا يزال التطبيق الآخر مفتوحًا</translation>
    </message>
    <message>
        <source>The other app quit, so your suggestions are back in every app.</source>
        <translation>تم إنهاء التطبيق الآخر، فعادت اقتراحاتك إلى كل التطبيقات.</translation>
    </message>
    <message>
        <source>The other app quit. %app has the Tab key.</source>
        <translation>تم إنهاء التطبيق الآخر. مفتاح Tab الآن لـ %app.</translation>
    </message>
</context>
</TS>
