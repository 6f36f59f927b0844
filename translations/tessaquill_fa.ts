<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fa" sourcelanguage="en">
<context>
    <name>Tessaquill</name>
    <message>
        <source>Accessibility is on. %app is ready in your other apps.</source>
        <translation>دسترس‌پذیری روشن است. %app در برنامه‌های دیگر شما آماده است.</translation>
    </message>
    <message>
        <source>Paused while %1 is open</source>
        <translation>تا وقتی %1 باز است متوقف است</translation>
    </message>
    <message>
        <source>Welcome to %app</source>
        <translation>به %app خوش آمدید</translation>
    </message>
    <message>
        <source>%app</source>
        <translation>%app</translation>
    </message>
    <message>
        <source>Another autocomplete app is running</source>
        <translation>یک برنامهٔ تکمیل خودکار دیگر در حال اجراست</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>آماده</translation>
    </message>
    <message>
        <source>Waiting for a pause</source>
        <translation>در انتظار مکث شما</translation>
    </message>
    <message>
        <source>Thinking</source>
        <translation>در حال فکر کردن</translation>
    </message>
    <message>
        <source>Showing a suggestion</source>
        <translation>در حال نمایش پیشنهاد</translation>
    </message>
    <message>
        <source>The model took too long to answer</source>
        <translation>پاسخ مدل بیش از حد طول کشید</translation>
    </message>
    <message>
        <source>This app doesn&apos;t report where the caret is</source>
        <translation>این برنامه جای نشانگر را گزارش نمی‌دهد</translation>
    </message>
    <message>
        <source>%app is turned off</source>
        <translation>اکنون %app خاموش است</translation>
    </message>
    <message>
        <source>Secure input is on, so %app stays out</source>
        <translation>ورودی امن روشن است، پس %app دخالت نمی‌کند</translation>
    </message>
    <message>
        <source>Press %1 for a suggestion</source>
        <translation>برای پیشنهاد، %1 را فشار دهید</translation>
    </message>
    <message>
        <source>Text is selected</source>
        <translation>متنی انتخاب شده است</translation>
    </message>
    <message>
        <source>The caret is inside existing text</source>
        <translation>نشانگر درون متن موجود است</translation>
    </message>
    <message>
        <source>This field is too small</source>
        <translation>این فیلد خیلی کوچک است</translation>
    </message>
    <message>
        <source>Waiting for a few characters</source>
        <translation>در انتظار چند نویسه</translation>
    </message>
    <message>
        <source>Start of a new line</source>
        <translation>آغاز یک خط تازه</translation>
    </message>
    <message>
        <source>The model is still downloading</source>
        <translation>مدل هنوز در حال بارگیری است</translation>
    </message>
    <message>
        <source>Download the %app model in Settings first</source>
        <translation>اول مدل %app را در تنظیمات بارگیری کنید</translation>
    </message>
    <message>
        <source>Not checked yet</source>
        <translation>هنوز بررسی نشده</translation>
    </message>
    <message>
        <source>Checking…</source>
        <translation>در حال بررسی…</translation>
    </message>
    <message>
        <source>The model stopped with error %1</source>
        <translation>مدل با خطای %1 متوقف شد</translation>
    </message>
    <message>
        <source>The model file couldn&apos;t be loaded</source>
        <translation>فایل مدل بار نشد</translation>
    </message>
    <message>
        <source>There wasn&apos;t enough memory to start the model</source>
        <translation>حافظهٔ کافی برای راه‌اندازی مدل نبود</translation>
    </message>
    <message>
        <source>The text couldn&apos;t be prepared for the model</source>
        <translation>متن برای مدل آماده نشد</translation>
    </message>
    <message>
        <source>This computer needs %1 free for the download. Free up some space, then try again.</source>
        <translation>این رایانه برای بارگیری به %1 فضای خالی نیاز دارد. کمی فضا آزاد کنید و دوباره تلاش کنید.</translation>
    </message>
    <message>
        <source>The download didn&apos;t match the expected file, so it was deleted. Try again.</source>
        <translation>فایل بارگیری‌شده با فایل مورد انتظار یکی نبود، پس حذف شد. دوباره تلاش کنید.</translation>
    </message>
    <message>
        <source>Downloaded</source>
        <translation>بارگیری شد</translation>
    </message>
    <message>
        <source>Downloading. Suggestions start once it&apos;s done.</source>
        <translation>در حال بارگیری. پیشنهادها پس از پایان آن شروع می‌شوند.</translation>
    </message>
    <message>
        <source>Checking the download.</source>
        <translation>در حال بررسی بارگیری.</translation>
    </message>
    <message>
        <source>Checking the download. Suggestions start once it&apos;s done.</source>
        <translation>در حال بررسی بارگیری. پیشنهادها پس از پایان آن شروع می‌شوند.</translation>
    </message>
    <message>
        <source>Download the model to start</source>
        <translation>برای شروع، مدل را بارگیری کنید</translation>
    </message>
    <message>
        <source>Ollama is running but has no models</source>
        <translation>سرور Ollama اجرا می‌شود اما مدلی ندارد</translation>
    </message>
    <message>
        <source>Another app</source>
        <translation>برنامه‌ای دیگر</translation>
    </message>
    <message>
        <source>There is no D-Bus session bus, so %1 cannot reach text fields.</source>
        <translation>گذرگاه نشست D-Bus وجود ندارد، پس %1 نمی‌تواند به فیلدهای متنی دسترسی یابد.</translation>
    </message>
    <message>
        <source>The desktop&apos;s accessibility bus is not running, so %1 cannot reach text fields.</source>
        <translation>گذرگاه دسترس‌پذیری میزکار اجرا نمی‌شود، پس %1 نمی‌تواند به فیلدهای متنی دسترسی یابد.</translation>
    </message>
    <message>
        <source>Short</source>
        <translation>کوتاه</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>متوسط</translation>
    </message>
    <message>
        <source>Long</source>
        <translation>بلند</translation>
    </message>
    <message>
        <source>Hide the suggestion</source>
        <translation>پنهان کردن پیشنهاد</translation>
    </message>
    <message>
        <source>Hide suggestions until I change fields</source>
        <translation>پنهان کردن پیشنهادها تا رفتن به فیلد دیگر</translation>
    </message>
    <message>
        <source>Do nothing, send Escape to the app</source>
        <translation>فرستادن Escape به برنامه، بدون هیچ کار دیگر</translation>
    </message>
    <message>
        <source>Type it</source>
        <translation>تایپ کردن</translation>
    </message>
    <message>
        <source>Insert through Accessibility</source>
        <translation>درج از راه دسترس‌پذیری</translation>
    </message>
    <message>
        <source>Paste it</source>
        <translation>جای‌گذاری</translation>
    </message>
    <message>
        <source>Grey</source>
        <translation>خاکستری</translation>
    </message>
    <message>
        <source>Gold tint</source>
        <translation>ته‌رنگ طلایی</translation>
    </message>
    <message>
        <source>%app model</source>
        <translation>مدل %app</translation>
    </message>
    <message>
        <source>Ollama</source>
        <translation>Ollama</translation>
    </message>
    <message>
        <source>Local server</source>
        <translation>سرور محلی</translation>
    </message>
    <message>
        <source>Runs on this computer after a one-time download. Works offline.</source>
        <translation>پس از یک بار بارگیری روی همین رایانه اجرا می‌شود. بدون اینترنت کار می‌کند.</translation>
    </message>
    <message>
        <source>Any model you run in Ollama, base models included.</source>
        <translation>هر مدلی که در Ollama اجرا می‌کنید، از جمله مدل‌های پایه.</translation>
    </message>
    <message>
        <source>LM Studio, llama-server or any OpenAI-compatible endpoint.</source>
        <translation>سرور LM Studio، llama-server یا هر نقطهٔ پایانی سازگار با OpenAI.</translation>
    </message>
    <message>
        <source>Sends the text as keystrokes. Works almost everywhere.</source>
        <translation>متن را به شکل فشردن کلیدها می‌فرستد. تقریباً همه‌جا کار می‌کند.</translation>
    </message>
    <message>
        <source>Uses the clipboard, then puts your clipboard back.</source>
        <translation>از کلیپ‌بورد استفاده می‌کند و سپس محتوای کلیپ‌بورد شما را برمی‌گرداند.</translation>
    </message>
    <message>
        <source>Accessibility</source>
        <translation>دسترس‌پذیری</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>جای‌گذاری</translation>
    </message>
    <message>
        <source>Your writing memory could not be opened and was set aside. Nothing new is remembered until %app starts again.</source>
        <translation>حافظهٔ نوشتاری شما باز نشد و کنار گذاشته شد. تا اجرای دوبارهٔ %app چیز تازه‌ای به خاطر سپرده نمی‌شود.</translation>
    </message>
    <message>
        <source>Your writing memory could not be opened because its key could not be read from the keyring. Nothing new is remembered until %app starts again.</source>
        <translation>حافظهٔ نوشتاری شما باز نشد، چون کلید آن از جاکلیدی خوانده نشد. تا اجرای دوبارهٔ %app چیز تازه‌ای به خاطر سپرده نمی‌شود.</translation>
    </message>
    <message>
        <source>Not Now</source>
        <translation>حالا نه</translation>
    </message>
    <message>
        <source>Open the desktop&apos;s settings</source>
        <translation>باز کردن تنظیمات میزکار</translation>
    </message>
    <message>
        <source>Don&apos;t remind me again</source>
        <translation>دیگر یادآوری نشود</translation>
    </message>
    <message>
        <source>Open Playground</source>
        <translation>باز کردن فیلد تمرین</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>تنظیمات</translation>
    </message>
    <message>
        <source>Quit %app</source>
        <translation>خروج از %app</translation>
    </message>
    <message>
        <source>Needs Accessibility access</source>
        <translation>به دسترسی دسترس‌پذیری نیاز دارد</translation>
    </message>
    <message>
        <source>Paused until you resume</source>
        <translation>متوقف تا ادامهٔ دستی</translation>
    </message>
    <message>
        <source>Paused until %1</source>
        <translation>متوقف تا %1</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>خاموش</translation>
    </message>
    <message numerus="yes">
        <source>Paused while %1 are open</source>
        <translation>
            <numerusform>تا وقتی %1 باز است متوقف است</numerusform>
        </translation>
    </message>
    <message>
        <source>Grant Accessibility Access…</source>
        <translation>اعطای دسترسی دسترس‌پذیری…</translation>
    </message>
    <message numerus="yes">
        <source>Force Quit %1</source>
        <translation>
            <numerusform>خروج اجباری از %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Quit %1</source>
        <translation>
            <numerusform>خروج از %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>words saved today</source>
        <translation>
            <numerusform>واژهٔ صرفه‌جویی‌شدهٔ امروز</numerusform>
        </translation>
    </message>
    <message>
        <source>Start typing anywhere. %app keeps count here.</source>
        <translation>در هر جایی شروع به تایپ کنید. %app شمارش را اینجا نگه می‌دارد.</translation>
    </message>
    <message>
        <source>Resume in %1</source>
        <translation>ادامه در %1</translation>
    </message>
    <message>
        <source>Pause in %1</source>
        <translation>توقف در %1</translation>
    </message>
    <message>
        <source>Resume Everywhere</source>
        <translation>ادامه در همه‌جا</translation>
    </message>
    <message>
        <source>Pause Everywhere</source>
        <translation>توقف در همه‌جا</translation>
    </message>
    <message>
        <source>For 15 Minutes</source>
        <translation>به مدت ۱۵ دقیقه</translation>
    </message>
    <message>
        <source>For 1 Hour</source>
        <translation>به مدت یک ساعت</translation>
    </message>
    <message>
        <source>For 4 Hours</source>
        <translation>به مدت ۴ ساعت</translation>
    </message>
    <message>
        <source>Until I Resume</source>
        <translation>تا خودم ادامه دهم</translation>
    </message>
    <message>
        <source>Example: after typing %1, %2 suggests %3</source>
        <translation>مثال: پس از تایپ %1، %2 پیشنهاد می‌دهد: %3</translation>
    </message>
    <message>
        <source>takes the next word</source>
        <translation>واژهٔ بعدی را می‌گیرد</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>بارگیری</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>لغو</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>‏%1 از %2</translation>
    </message>
    <message>
        <source>%1 of %2. You can keep writing while it downloads.</source>
        <translation>بارگیری‌شده: %1 از %2. در این مدت می‌توانید به نوشتن ادامه دهید.</translation>
    </message>
    <message>
        <source>Checking the download</source>
        <translation>در حال بررسی بارگیری</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>تلاش دوباره</translation>
    </message>
    <message>
        <source>Remove…</source>
        <translation>حذف…</translation>
    </message>
    <message>
        <source>%1 license</source>
        <translation>مجوز %1</translation>
    </message>
    <message>
        <source>Remove the %app model?</source>
        <translation>مدل %app حذف شود؟</translation>
    </message>
    <message>
        <source>Model download</source>
        <translation>بارگیری مدل</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>حذف</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>ادامه</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>بعداً</translation>
    </message>
    <message>
        <source>Start Writing</source>
        <translation>شروع نوشتن</translation>
    </message>
    <message>
        <source>Finish your sentences in any app.</source>
        <translation>جمله‌هایتان را در هر برنامه‌ای کامل کنید.</translation>
    </message>
    <message>
        <source>%app reads the words before your caret and suggests what comes next in grey. Press Tab to take one word, or the key above Tab to take the rest. If you don&apos;t want it, keep typing.</source>
        <translation>برنامهٔ %app واژه‌های پیش از نشانگر را می‌خواند و ادامهٔ آن را به رنگ خاکستری پیشنهاد می‌دهد. برای گرفتن یک واژه Tab را بزنید، یا کلید بالای Tab را برای گرفتن بقیه. اگر نمی‌خواهیدش، به تایپ ادامه دهید.</translation>
    </message>
    <message>
        <source>Sees what you see</source>
        <translation>آنچه را شما می‌بینید می‌بیند</translation>
    </message>
    <message>
        <source>Private</source>
        <translation>خصوصی</translation>
    </message>
    <message>
        <source>It reads the window you&apos;re typing in, like the chat you&apos;re answering, so suggestions fit. None of it goes online, to us or any server. It stays private on your computer.</source>
        <translation>پنجره‌ای را که در آن تایپ می‌کنید، مثلاً گفتگویی که به آن پاسخ می‌دهید، می‌خواند تا پیشنهادها مناسب باشند. هیچ‌چیز از آن آنلاین نمی‌رود، نه به ما و نه به هیچ سروری. همه‌چیز روی رایانهٔ شما خصوصی می‌ماند.</translation>
    </message>
    <message>
        <source>Accessibility is on</source>
        <translation>دسترس‌پذیری روشن است</translation>
    </message>
    <message>
        <source>%app can now read the field you&apos;re writing in and type suggestions for you.</source>
        <translation>اکنون %app می‌تواند فیلدی را که در آن می‌نویسید بخواند و پیشنهادها را برایتان تایپ کند.</translation>
    </message>
    <message>
        <source>Let %app see what you type.</source>
        <translation>اجازه دهید %app ببیند چه تایپ می‌کنید.</translation>
    </message>
    <message>
        <source>%app reads your text when you pause and forgets it after one suggestion, unless you turn on writing memory.</source>
        <translation>برنامهٔ %app متن شما را هنگام مکث می‌خواند و پس از یک پیشنهاد فراموشش می‌کند، مگر اینکه حافظهٔ نوشتاری را روشن کنید.</translation>
    </message>
    <message>
        <source>%app skips password fields and anything else the system marks as secure.</source>
        <translation>برنامهٔ %app از فیلدهای گذرواژه و هر چیزی که سیستم امن علامت بزند می‌گذرد.</translation>
    </message>
    <message>
        <source>Open Accessibility Settings</source>
        <translation>باز کردن تنظیمات دسترس‌پذیری</translation>
    </message>
    <message>
        <source>Pick what writes your suggestions.</source>
        <translation>موتوری را که پیشنهادهایتان را می‌نویسد انتخاب کنید.</translation>
    </message>
    <message>
        <source>You can change this any time in Settings.</source>
        <translation>هر زمان بخواهید می‌توانید این را در تنظیمات تغییر دهید.</translation>
    </message>
    <message>
        <source>Give it a try.</source>
        <translation>امتحانش کنید.</translation>
    </message>
    <message>
        <source>Start typing a sentence. When grey words appear, press Tab for one word or the key above Tab for all of them.</source>
        <translation>شروع به تایپ یک جمله کنید. وقتی واژه‌های خاکستری ظاهر شدند، Tab را برای یک واژه یا کلید بالای Tab را برای همهٔ آن‌ها بزنید.</translation>
    </message>
    <message>
        <source>Hi Orlenn, thanks for the quick reply. I think we should</source>
        <translation>سلام اورلن، ممنون از پاسخ سریعت. فکر می‌کنم باید</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>بازگشت</translation>
    </message>
    <message>
        <source>Practice field</source>
        <translation>فیلد تمرین</translation>
    </message>
    <message>
        <source>Default, on</source>
        <translation>پیش‌فرض، روشن</translation>
    </message>
    <message>
        <source>Default, off</source>
        <translation>پیش‌فرض، خاموش</translation>
    </message>
    <message>
        <source>Add a website</source>
        <translation>افزودن وب‌سایت</translation>
    </message>
    <message>
        <source>Domain</source>
        <translation>دامنه</translation>
    </message>
    <message>
        <source>Rules for a site apply in any browser %app can read.</source>
        <translation>قواعد یک سایت در هر مرورگری که %app بتواند بخواند اعمال می‌شود.</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>افزودن</translation>
    </message>
    <message>
        <source>Add App…</source>
        <translation>افزودن برنامه…</translation>
    </message>
    <message>
        <source>Add an app</source>
        <translation>افزودن برنامه</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>جستجو</translation>
    </message>
    <message>
        <source>Clear search</source>
        <translation>پاک کردن جستجو</translation>
    </message>
    <message>
        <source>Add an app or website</source>
        <translation>افزودن برنامه یا وب‌سایت</translation>
    </message>
    <message>
        <source>Add Website…</source>
        <translation>افزودن وب‌سایت…</translation>
    </message>
    <message>
        <source>Apps &amp; Sites</source>
        <translation>برنامه‌ها و سایت‌ها</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>متوقف</translation>
    </message>
    <message>
        <source>Apps</source>
        <translation>برنامه‌ها</translation>
    </message>
    <message>
        <source>Websites</source>
        <translation>وب‌سایت‌ها</translation>
    </message>
    <message>
        <source>No matches</source>
        <translation>موردی یافت نشد</translation>
    </message>
    <message>
        <source>No apps yet</source>
        <translation>هنوز برنامه‌ای نیست</translation>
    </message>
    <message>
        <source>Nothing matches “%1”.</source>
        <translation>هیچ‌چیز با «%1» جور نیست.</translation>
    </message>
    <message>
        <source>Apps appear here once you accept a suggestion in them, or add one with +.</source>
        <translation>برنامه‌ها وقتی در آن‌ها پیشنهادی را بپذیرید اینجا ظاهر می‌شوند، یا با + یکی اضافه کنید.</translation>
    </message>
    <message>
        <source>Pick an app or site</source>
        <translation>یک برنامه یا سایت انتخاب کنید</translation>
    </message>
    <message>
        <source>Each one can have its own rules. Anything you don&apos;t change follows General.</source>
        <translation>هر کدام می‌تواند قواعد خودش را داشته باشد. هر چه را تغییر ندهید از «عمومی» پیروی می‌کند.</translation>
    </message>
    <message>
        <source>Words saved here</source>
        <translation>واژه‌های صرفه‌جویی‌شده در اینجا</translation>
    </message>
    <message>
        <source>Suggestions</source>
        <translation>پیشنهادها</translation>
    </message>
    <message>
        <source>On</source>
        <translation>روشن</translation>
    </message>
    <message>
        <source>Tab accepts suggestions</source>
        <translation>پذیرفتن پیشنهادها با Tab</translation>
    </message>
    <message>
        <source>Turn off where Tab already means something, like indenting. The other accept key still works.</source>
        <translation>جایی که Tab کاری دارد، مثل تورفتگی، خاموشش کنید. کلید پذیرش دیگر همچنان کار می‌کند.</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>پیش‌فرض</translation>
    </message>
    <message>
        <source>Insert by</source>
        <translation>روش درج</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>طول</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>ادامه</translation>
    </message>
    <message>
        <source>Pause here</source>
        <translation>توقف در اینجا</translation>
    </message>
    <message>
        <source>Memory</source>
        <translation>حافظه</translation>
    </message>
    <message>
        <source>Remember my writing here</source>
        <translation>به خاطر سپردن نوشته‌هایم در اینجا</translation>
    </message>
    <message>
        <source>Writing memory is off in Your Voice.</source>
        <translation>حافظهٔ نوشتاری در «سبک شما» خاموش است.</translation>
    </message>
    <message>
        <source>Erase…</source>
        <translation>پاک کردن…</translation>
    </message>
    <message>
        <source>Reset to Defaults</source>
        <translation>بازگرداندن پیش‌فرض‌ها</translation>
    </message>
    <message>
        <source>Erase what %app remembered from %1?</source>
        <translation>آنچه %app از %1 به خاطر سپرده پاک شود؟</translation>
    </message>
    <message>
        <source>Erase</source>
        <translation>پاک کردن</translation>
    </message>
    <message>
        <source>Passages from this app can shape suggestions everywhere.</source>
        <translation>قطعه‌های این برنامه می‌توانند بر پیشنهادها در همه‌جا اثر بگذارند.</translation>
    </message>
    <message>
        <source>Finish setting up</source>
        <translation>راه‌اندازی را تمام کنید</translation>
    </message>
    <message>
        <source>Setup progress</source>
        <translation>پیشرفت راه‌اندازی</translation>
    </message>
    <message>
        <source>Done: %1</source>
        <translation>انجام شد: %1</translation>
    </message>
    <message>
        <source>Best day yet!</source>
        <translation>بهترین روز تا امروز!</translation>
    </message>
    <message>
        <source>Try it here</source>
        <translation>اینجا امتحان کنید</translation>
    </message>
    <message>
        <source>Thanks for sending the draft over. I had a look and</source>
        <translation>ممنون که پیش‌نویس را فرستادی. نگاهی انداختم و</translation>
    </message>
    <message>
        <source>next word</source>
        <translation>واژهٔ بعدی</translation>
    </message>
    <message>
        <source>whole suggestion</source>
        <translation>کل پیشنهاد</translation>
    </message>
    <message>
        <source>hide it</source>
        <translation>پنهان کردن</translation>
    </message>
    <message>
        <source>This field runs the real engine. Start typing and grey words show up as you go.</source>
        <translation>این فیلد موتور واقعی را اجرا می‌کند. شروع به تایپ کنید تا واژه‌های خاکستری ظاهر شوند.</translation>
    </message>
    <message>
        <source>This field runs the real engine, even before you allow Accessibility. Start typing and grey words show up as you go.</source>
        <translation>این فیلد موتور واقعی را اجرا می‌کند، حتی پیش از آنکه دسترس‌پذیری را مجاز کنید. شروع به تایپ کنید تا واژه‌های خاکستری ظاهر شوند.</translation>
    </message>
    <message>
        <source>You&apos;re all set</source>
        <translation>همه‌چیز آماده است</translation>
    </message>
    <message>
        <source>Accessibility is on and %1 is ready. %app works in every app you type in.</source>
        <translation>دسترس‌پذیری روشن است و %1 آماده است. %app در هر برنامه‌ای که در آن تایپ می‌کنید کار می‌کند.</translation>
    </message>
    <message>
        <source>Waiting for %1 to quit</source>
        <translation>در انتظار خروج %1</translation>
    </message>
    <message>
        <source>Turned off</source>
        <translation>خاموش</translation>
    </message>
    <message>
        <source>Paused everywhere</source>
        <translation>در همه‌جا متوقف</translation>
    </message>
    <message>
        <source>%1, %2 typical wait</source>
        <translation>انتظار معمول %2 با %1</translation>
    </message>
    <message>
        <source>Start your streak today.</source>
        <translation>رکورد روزهای پیاپی‌تان را از امروز شروع کنید.</translation>
    </message>
    <message>
        <source>Overview</source>
        <translation>نمای کلی</translation>
    </message>
    <message>
        <source>General</source>
        <translation>عمومی</translation>
    </message>
    <message>
        <source>Engine</source>
        <translation>موتور</translation>
    </message>
    <message>
        <source>Context</source>
        <translation>زمینه</translation>
    </message>
    <message>
        <source>Your Voice</source>
        <translation>سبک شما</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>کلیدها</translation>
    </message>
    <message>
        <source>Emoji</source>
        <translation>ایموجی</translation>
    </message>
    <message>
        <source>Battery</source>
        <translation>باتری</translation>
    </message>
    <message>
        <source>Insights</source>
        <translation>آمار</translation>
    </message>
    <message>
        <source>Field Inspector</source>
        <translation>بازرس فیلد</translation>
    </message>
    <message>
        <source>About</source>
        <translation>درباره</translation>
    </message>
    <message>
        <source>How %app is doing today</source>
        <translation>وضعیت امروز %app</translation>
    </message>
    <message>
        <source>Where and how suggestions appear</source>
        <translation>پیشنهادها کجا و چگونه ظاهر شوند</translation>
    </message>
    <message>
        <source>The model that writes your suggestions</source>
        <translation>مدلی که پیشنهادهایتان را می‌نویسد</translation>
    </message>
    <message>
        <source>What %app may look at to guess better</source>
        <translation>آنچه %app برای حدس بهتر می‌تواند ببیند</translation>
    </message>
    <message>
        <source>Help suggestions sound like you</source>
        <translation>پیشنهادها را به سبک خودتان نزدیک کنید</translation>
    </message>
    <message>
        <source>Accept, dismiss and summon suggestions</source>
        <translation>پذیرفتن، رد کردن و فراخواندن پیشنهادها</translation>
    </message>
    <message>
        <source>Emoji search and emoticons</source>
        <translation>جستجوی ایموجی و شکلک‌ها</translation>
    </message>
    <message>
        <source>Rules for each app and website</source>
        <translation>قواعد هر برنامه و وب‌سایت</translation>
    </message>
    <message>
        <source>Save power when you&apos;re unplugged</source>
        <translation>صرفه‌جویی در مصرف باتری وقتی به برق وصل نیستید</translation>
    </message>
    <message>
        <source>Words saved and how fast suggestions arrive</source>
        <translation>واژه‌های صرفه‌جویی‌شده و سرعت رسیدن پیشنهادها</translation>
    </message>
    <message>
        <source>What %app sees in the focused field</source>
        <translation>آنچه %app در فیلد فعال می‌بیند</translation>
    </message>
    <message>
        <source>Version and privacy</source>
        <translation>نسخه و حریم خصوصی</translation>
    </message>
    <message>
        <source>Writing</source>
        <translation>نوشتن</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>ورودی</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>قواعد</translation>
    </message>
    <message>
        <source>Activity</source>
        <translation>فعالیت</translation>
    </message>
    <message>
        <source>%app can read the field you&apos;re typing in and insert suggestions in any app.</source>
        <translation>برنامهٔ %app می‌تواند فیلدی را که در آن تایپ می‌کنید بخواند و در هر برنامه‌ای پیشنهاد درج کند.</translation>
    </message>
    <message>
        <source>Allow Accessibility access</source>
        <translation>اعطای دسترسی دسترس‌پذیری</translation>
    </message>
    <message>
        <source>%app needs it to read the text you type in other apps and to insert suggestions.</source>
        <translation>برنامهٔ %app برای خواندن متنی که در برنامه‌های دیگر تایپ می‌کنید و درج پیشنهادها به این دسترسی نیاز دارد.</translation>
    </message>
    <message>
        <source>Allow…</source>
        <translation>اجازه دادن…</translation>
    </message>
    <message>
        <source>%1 is ready</source>
        <translation>اکنون %1 آماده است</translation>
    </message>
    <message>
        <source>Checking %1</source>
        <translation>در حال بررسی %1</translation>
    </message>
    <message>
        <source>This takes a moment.</source>
        <translation>این کمی طول می‌کشد.</translation>
    </message>
    <message>
        <source>Your engine isn&apos;t ready</source>
        <translation>موتور شما آماده نیست</translation>
    </message>
    <message>
        <source>Open Engine</source>
        <translation>باز کردن «موتور»</translation>
    </message>
    <message>
        <source>The system&apos;s predictions are off</source>
        <translation>پیش‌بینی‌های سیستم خاموش است</translation>
    </message>
    <message>
        <source>Only %app&apos;s suggestions appear while you type.</source>
        <translation>هنگام تایپ فقط پیشنهادهای %app ظاهر می‌شوند.</translation>
    </message>
    <message>
        <source>Turn off the system&apos;s predictions</source>
        <translation>پیش‌بینی‌های سیستم را خاموش کنید</translation>
    </message>
    <message>
        <source>The system shows its own grey suggestions on top of %app&apos;s. Each app picks up the change the next time you open it.</source>
        <translation>سیستم پیشنهادهای خاکستری خودش را روی پیشنهادهای %app نشان می‌دهد. هر برنامه دفعهٔ بعد که بازش کنید تغییر را می‌گیرد.</translation>
    </message>
    <message>
        <source>Keyboard Settings</source>
        <translation>تنظیمات صفحه‌کلید</translation>
    </message>
    <message>
        <source>Turn Off</source>
        <translation>خاموش کردن</translation>
    </message>
    <message>
        <source>Only %app is suggesting</source>
        <translation>اکنون فقط %app پیشنهاد می‌دهد</translation>
    </message>
    <message>
        <source>Tab reaches %app again.</source>
        <translation>کلید Tab دوباره به %app می‌رسد.</translation>
    </message>
    <message numerus="yes">
        <source>%1 didn&apos;t quit. They may be showing a dialog. Force Quit closes them right away.</source>
        <translation>
            <numerusform>خروج از %1 انجام نشد. شاید پنجرهٔ گفتگویی باز مانده باشد. با «خروج اجباری» فوراً بسته می‌شود.</numerusform>
        </translation>
    </message>
    <message>
        <source>Force Quit</source>
        <translation>خروج اجباری</translation>
    </message>
    <message numerus="yes">
        <source>%1 take the Tab key before %app can, so %app stays paused in your other apps until you quit them.</source>
        <translation>
            <numerusform>کلید Tab پیش از %app به %1 می‌رسد، پس %app تا وقتی خارج نشوید در برنامه‌های دیگرتان متوقف می‌ماند.</numerusform>
        </translation>
    </message>
    <message>
        <source>Only when I ask</source>
        <translation>فقط وقتی بخواهم</translation>
    </message>
    <message>
        <source>On battery, suggestions appear only after you press the Suggest Now shortcut.</source>
        <translation>هنگام کار با باتری، پیشنهادها فقط پس از فشردن میان‌بر «پیشنهاد فوری» ظاهر می‌شوند.</translation>
    </message>
    <message>
        <source>Shorter suggestions</source>
        <translation>پیشنهادهای کوتاه‌تر</translation>
    </message>
    <message>
        <source>Fewer words take less power to write.</source>
        <translation>واژه‌های کمتر برای نوشتن انرژی کمتری می‌خواهند.</translation>
    </message>
    <message>
        <source>Lighter model</source>
        <translation>مدل سبک‌تر</translation>
    </message>
    <message>
        <source>Same as plugged in</source>
        <translation>مثل وقتی به برق وصل است</translation>
    </message>
    <message>
        <source>Running on battery. These apply right now.</source>
        <translation>با باتری کار می‌کند. این‌ها همین حالا اعمال می‌شوند.</translation>
    </message>
    <message>
        <source>Plugged in. These wait until you unplug.</source>
        <translation>به برق وصل است. این‌ها تا جدا شدن از برق منتظر می‌مانند.</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>مدل</translation>
    </message>
    <message>
        <source>Model name</source>
        <translation>نام مدل</translation>
    </message>
    <message>
        <source>Reload the model list</source>
        <translation>تازه‌سازی فهرست مدل‌ها</translation>
    </message>
    <message>
        <source>Choose a model</source>
        <translation>یک مدل انتخاب کنید</translation>
    </message>
    <message>
        <source>For people who already run Ollama, LM Studio or llama-server.</source>
        <translation>برای کسانی که از قبل Ollama، LM Studio یا llama-server را اجرا می‌کنند.</translation>
    </message>
    <message>
        <source>Use your own model</source>
        <translation>استفاده از مدل خودتان</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>نشانی</translation>
    </message>
    <message>
        <source>API key</source>
        <translation>کلید API</translation>
    </message>
    <message>
        <source>Only if your server asks for one</source>
        <translation>فقط اگر سرورتان آن را بخواهد</translation>
    </message>
    <message>
        <source>Focused</source>
        <translation>متمرکز</translation>
    </message>
    <message>
        <source>Creativity</source>
        <translation>خلاقیت</translation>
    </message>
    <message>
        <source>Loose</source>
        <translation>آزاد</translation>
    </message>
    <message>
        <source>Lower stays close to the obvious next words. Higher tries more.</source>
        <translation>مقدار کمتر به واژه‌های بدیهی بعدی نزدیک می‌ماند. مقدار بیشتر چیزهای بیشتری امتحان می‌کند.</translation>
    </message>
    <message>
        <source>Wait before suggesting</source>
        <translation>انتظار پیش از پیشنهاد</translation>
    </message>
    <message>
        <source>How long you pause before %app starts.</source>
        <translation>چه مدت مکث کنید تا %app شروع کند.</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>اجرا</translation>
    </message>
    <message>
        <source>Try the engine</source>
        <translation>امتحان موتور</translation>
    </message>
    <message>
        <source>Sends a sample sentence and shows what comes back.</source>
        <translation>یک جملهٔ نمونه می‌فرستد و پاسخ را نشان می‌دهد.</translation>
    </message>
    <message>
        <source>Running…</source>
        <translation>در حال اجرا…</translation>
    </message>
    <message>
        <source>The engine answered in %1 but had nothing useful to add.</source>
        <translation>موتور در %1 پاسخ داد اما چیز مفیدی برای افزودن نداشت.</translation>
    </message>
    <message>
        <source>That didn&apos;t work: %1</source>
        <translation>کار نکرد: %1</translation>
    </message>
    <message>
        <source>The request was cancelled.</source>
        <translation>درخواست لغو شد.</translation>
    </message>
    <message>
        <source>Startup</source>
        <translation>شروع خودکار</translation>
    </message>
    <message>
        <source>Launch at login</source>
        <translation>اجرا هنگام ورود به سیستم</translation>
    </message>
    <message>
        <source>Show today&apos;s word count next to the icon</source>
        <translation>نمایش شمار واژه‌های امروز کنار نماد</translation>
    </message>
    <message>
        <source>Where suggestions appear</source>
        <translation>محل ظاهر شدن پیشنهادها</translation>
    </message>
    <message>
        <source>Turn this off to use %app only in the apps you switch on under Apps &amp; Sites.</source>
        <translation>این را خاموش کنید تا %app فقط در برنامه‌هایی که در «برنامه‌ها و سایت‌ها» روشن کرده‌اید کار کند.</translation>
    </message>
    <message>
        <source>By default %app waits until the caret is at the end of a line.</source>
        <translation>به‌طور پیش‌فرض %app صبر می‌کند تا نشانگر در پایان خط باشد.</translation>
    </message>
    <message>
        <source>Without this, %app skips search bars and one-word boxes.</source>
        <translation>بدون این، %app از نوارهای جستجو و کادرهای یک‌واژه‌ای می‌گذرد.</translation>
    </message>
    <message>
        <source>Suggestions appear only after you press the Suggest Now shortcut.</source>
        <translation>پیشنهادها فقط پس از فشردن میان‌بر «پیشنهاد فوری» ظاهر می‌شوند.</translation>
    </message>
    <message>
        <source>Spelling</source>
        <translation>املا</translation>
    </message>
    <message>
        <source>Waits while the word you&apos;re typing looks misspelled, so %app doesn&apos;t build on a typo.</source>
        <translation>تا وقتی واژه‌ای که تایپ می‌کنید غلط به نظر برسد صبر می‌کند، تا %app روی غلط تایپی بنا نکند.</translation>
    </message>
    <message>
        <source>After a misspelled word, shows a fix next to the caret. Press Tab to swap it in.</source>
        <translation>پس از واژهٔ غلط، اصلاحی کنار نشانگر نشان می‌دهد. برای جایگزینی Tab را بزنید.</translation>
    </message>
    <message>
        <source>Look</source>
        <translation>ظاهر</translation>
    </message>
    <message>
        <source>Suggestion color</source>
        <translation>رنگ پیشنهاد</translation>
    </message>
    <message>
        <source>Text size</source>
        <translation>اندازهٔ متن</translation>
    </message>
    <message>
        <source>Fine-tune if suggestions look larger or smaller than your text.</source>
        <translation>اگر پیشنهادها بزرگ‌تر یا کوچک‌تر از متن شما به نظر می‌رسند، تنظیمش کنید.</translation>
    </message>
    <message>
        <source>Vertical position</source>
        <translation>جایگاه عمودی</translation>
    </message>
    <message>
        <source>Nudge suggestions up or down to line up with your text.</source>
        <translation>پیشنهادها را کمی بالا یا پایین ببرید تا با متنتان هم‌تراز شوند.</translation>
    </message>
    <message>
        <source>A small keycap after your first suggestions, as a reminder of what to press.</source>
        <translation>نماد کوچک یک کلید پس از نخستین پیشنهادها، برای یادآوری اینکه چه کلیدی را بزنید.</translation>
    </message>
    <message>
        <source>Insert suggestions by</source>
        <translation>درج پیشنهادها با</translation>
    </message>
    <message>
        <source>Other autocomplete apps</source>
        <translation>برنامه‌های تکمیل خودکار دیگر</translation>
    </message>
    <message>
        <source>They take the Tab key before %app can. With this off, %app asks you first.</source>
        <translation>آن‌ها کلید Tab را پیش از %app می‌گیرند. اگر این خاموش باشد، %app اول از شما می‌پرسد.</translation>
    </message>
    <message>
        <source>%1 is another device on your network, so the text around your caret will be sent there.</source>
        <translation>نشانی %1 دستگاه دیگری در شبکهٔ شماست، پس متن اطراف نشانگر به آنجا فرستاده می‌شود.</translation>
    </message>
    <message>
        <source>%1 isn&apos;t this computer, so the text around your caret will be sent there.</source>
        <translation>نشانی %1 این رایانه نیست، پس متن اطراف نشانگر به آنجا فرستاده می‌شود.</translation>
    </message>
    <message>
        <source>Both keep your text on this computer.</source>
        <translation>هر دو متن شما را روی این رایانه نگه می‌دارند.</translation>
    </message>
    <message>
        <source>%app opens by itself when you start your computer.</source>
        <translation>برنامهٔ %app با روشن شدن رایانه خودبه‌خود باز می‌شود.</translation>
    </message>
    <message>
        <source>System predictions</source>
        <translation>پیش‌بینی‌های سیستم</translation>
    </message>
    <message>
        <source>The system can show its own grey predictions. Keeping them off avoids two suggestions at once.</source>
        <translation>سیستم می‌تواند پیش‌بینی‌های خاکستری خودش را نشان دهد. خاموش نگه داشتنشان از دو پیشنهاد هم‌زمان جلوگیری می‌کند.</translation>
    </message>
    <message>
        <source>System predictions are on</source>
        <translation>پیش‌بینی‌های سیستم روشن است</translation>
    </message>
    <message>
        <source>System predictions are off</source>
        <translation>پیش‌بینی‌های سیستم خاموش است</translation>
    </message>
    <message>
        <source>tab</source>
        <translation>tab</translation>
    </message>
    <message>
        <source>Your next words, one Tab away.</source>
        <translation>واژه‌های بعدی‌تان، با یک Tab.</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>رد شدن</translation>
    </message>
    <message>
        <source>Get Started</source>
        <translation>شروع کنید</translation>
    </message>
    <message>
        <source>Turn sound on</source>
        <translation>روشن کردن صدا</translation>
    </message>
    <message>
        <source>Turn sound off</source>
        <translation>خاموش کردن صدا</translation>
    </message>
    <message>
        <source>The other app</source>
        <translation>برنامهٔ دیگر</translation>
    </message>
    <message numerus="yes">
        <source>Next time, quit %1 without asking</source>
        <translation>
            <numerusform>دفعهٔ بعد، خروج از %1 بدون پرسیدن</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 is also running</source>
        <translation>
            <numerusform>برنامه‌های %1 هم در حال اجرا هستند</numerusform>
        </translation>
    </message>
    <message>
        <source>Quitting…</source>
        <translation>در حال خروج…</translation>
    </message>
    <message numerus="yes">
        <source>%1 is still open</source>
        <translation>
            <numerusform>برنامه‌های %1 هنوز باز هستند</numerusform>
        </translation>
    </message>
    <message>
        <source>%app has the Tab key</source>
        <translation>کلید Tab در اختیار %app است</translation>
    </message>
    <message>
        <source>%1 quit, so your suggestions are back in every app.</source>
        <translation>برنامهٔ %1 بسته شد، پس پیشنهادهایتان به همهٔ برنامه‌ها برگشت.</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>انجام شد</translation>
    </message>
    <message>
        <source>Open Source Notices</source>
        <translation>مجوزهای متن‌باز</translation>
    </message>
    <message>
        <source>Reset all settings?</source>
        <translation>همهٔ تنظیمات بازنشانی شود؟</translation>
    </message>
    <message>
        <source>This also clears your rules for apps and sites. Your statistics and writing memory stay.</source>
        <translation>این کار قواعد شما برای برنامه‌ها و سایت‌ها را هم پاک می‌کند. آمار و حافظهٔ نوشتاری شما می‌ماند.</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>بازنشانی</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>نسخهٔ %1</translation>
    </message>
    <message>
        <source>Some apps hide their text</source>
        <translation>برخی برنامه‌ها متنشان را پنهان می‌کنند</translation>
    </message>
    <message>
        <source>Suggest emoji after a colon</source>
        <translation>پیشنهاد ایموجی پس از دونقطه</translation>
    </message>
    <message>
        <source>Turn emoticons into emoji</source>
        <translation>تبدیل شکلک‌ها به ایموجی</translation>
    </message>
    <message>
        <source>After :-) or &lt;3, %app offers the matching emoji. Press Tab to swap it in.</source>
        <translation>پس از ‎:-)‎ یا ‎&lt;3‎، %app ایموجی متناظر را پیشنهاد می‌دهد. برای جایگزینی Tab را بزنید.</translation>
    </message>
    <message>
        <source>Skin tone</source>
        <translation>رنگ پوست</translation>
    </message>
    <message>
        <source>Also show the default yellow</source>
        <translation>نمایش زرد پیش‌فرض هم</translation>
    </message>
    <message>
        <source>Try a word</source>
        <translation>یک واژه امتحان کنید</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>کم</translation>
    </message>
    <message>
        <source>No emoji match “%1”</source>
        <translation>هیچ ایموجی‌ای با «%1» جور نیست</translation>
    </message>
    <message>
        <source>Accepting</source>
        <translation>پذیرفتن</translation>
    </message>
    <message>
        <source>Take the next word</source>
        <translation>گرفتن واژهٔ بعدی</translation>
    </message>
    <message>
        <source>Press again for each following word.</source>
        <translation>برای هر واژهٔ بعدی دوباره بزنید.</translation>
    </message>
    <message>
        <source>Take the whole suggestion</source>
        <translation>گرفتن کل پیشنهاد</translation>
    </message>
    <message>
        <source>The key above Tab is easy to reach on most keyboards.</source>
        <translation>کلید بالای Tab در بیشتر صفحه‌کلیدها به‌آسانی در دسترس است.</translation>
    </message>
    <message>
        <source>Include the space after a word</source>
        <translation>فاصلهٔ پس از واژه هم گرفته شود</translation>
    </message>
    <message>
        <source>Include punctuation right after a word</source>
        <translation>نشانه‌گذاری بلافاصله پس از واژه هم گرفته شود</translation>
    </message>
    <message>
        <source>When you press Escape</source>
        <translation>وقتی Escape را می‌زنید</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>میان‌برها</translation>
    </message>
    <message>
        <source>Suggest now</source>
        <translation>پیشنهاد فوری</translation>
    </message>
    <message>
        <source>Asks for a suggestion right away, even where %app would normally wait.</source>
        <translation>فوراً پیشنهاد می‌خواهد، حتی جایی که %app معمولاً صبر می‌کند.</translation>
    </message>
    <message>
        <source>Other suggestions</source>
        <translation>پیشنهادهای دیگر</translation>
    </message>
    <message>
        <source>Lists a few different ways to continue. Choose with the arrow keys, then press Tab.</source>
        <translation>چند راه متفاوت برای ادامه را فهرست می‌کند. با کلیدهای جهت‌نما انتخاب کنید و Tab را بزنید.</translation>
    </message>
    <message>
        <source>Pause or resume in this app</source>
        <translation>توقف یا ادامه در این برنامه</translation>
    </message>
    <message>
        <source>Pauses for 15 minutes.</source>
        <translation>به مدت ۱۵ دقیقه متوقف می‌کند.</translation>
    </message>
    <message>
        <source>Turn %app on or off</source>
        <translation>روشن یا خاموش کردن %app</translation>
    </message>
    <message>
        <source>Everywhere, until you press it again.</source>
        <translation>در همه‌جا، تا دوباره آن را بزنید.</translation>
    </message>
    <message>
        <source>Pause or resume</source>
        <translation>توقف یا ادامه</translation>
    </message>
    <message>
        <source>Turn on or off</source>
        <translation>روشن یا خاموش کردن</translation>
    </message>
    <message>
        <source>%1 and %2 use the same keys. Only the first will work.</source>
        <translation>میان‌برهای «%1» و «%2» یکسان‌اند. فقط اولی کار می‌کند.</translation>
    </message>
    <message>
        <source>About you</source>
        <translation>دربارهٔ شما</translation>
    </message>
    <message>
        <source>For example: I&apos;m a product designer in Berlin. I write short, friendly emails in British English and sign off with Cheers.</source>
        <translation>برای مثال: من طراح محصول در برلین هستم. ایمیل‌های کوتاه و دوستانه به انگلیسی بریتانیایی می‌نویسم و با Cheers تمام می‌کنم.</translation>
    </message>
    <message>
        <source>Your role, the languages you write in, names you use often, how you like to sound.</source>
        <translation>نقش شما، زبان‌هایی که به آن‌ها می‌نویسید، نام‌هایی که زیاد به کار می‌برید، لحنی که دوست دارید.</translation>
    </message>
    <message>
        <source>Writing memory</source>
        <translation>حافظهٔ نوشتاری</translation>
    </message>
    <message>
        <source>Remember how I write</source>
        <translation>به خاطر سپردن شیوهٔ نوشتنم</translation>
    </message>
    <message>
        <source>Also remember fields where I accept nothing</source>
        <translation>به خاطر سپردن فیلدهایی که در آن‌ها چیزی نمی‌پذیرم هم</translation>
    </message>
    <message>
        <source>%app learns your style sooner but keeps more of what you type.</source>
        <translation>برنامهٔ %app سبک شما را زودتر یاد می‌گیرد اما بیشتر از آنچه تایپ می‌کنید نگه می‌دارد.</translation>
    </message>
    <message>
        <source>Influence</source>
        <translation>تأثیر</translation>
    </message>
    <message>
        <source>Strong</source>
        <translation>زیاد</translation>
    </message>
    <message>
        <source>How many of your passages each suggestion can draw on.</source>
        <translation>هر پیشنهاد از چند قطعه از نوشته‌های شما می‌تواند بهره بگیرد.</translation>
    </message>
    <message>
        <source>Erase All…</source>
        <translation>پاک کردن همه…</translation>
    </message>
    <message>
        <source>Erase everything %app remembered?</source>
        <translation>همهٔ آنچه %app به خاطر سپرده پاک شود؟</translation>
    </message>
    <message>
        <source>This can&apos;t be undone.</source>
        <translation>این کار بازگشت‌پذیر نیست.</translation>
    </message>
    <message>
        <source>Erase All</source>
        <translation>پاک کردن همه</translation>
    </message>
    <message>
        <source>Nothing remembered yet</source>
        <translation>هنوز چیزی به خاطر سپرده نشده</translation>
    </message>
    <message>
        <source>App and window name</source>
        <translation>نام برنامه و پنجره</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>وب‌سایت</translation>
    </message>
    <message>
        <source>The site&apos;s domain when you write in a browser.</source>
        <translation>دامنهٔ سایت وقتی در مرورگر می‌نویسید.</translation>
    </message>
    <message>
        <source>Recently copied text</source>
        <translation>متن تازه کپی‌شده</translation>
    </message>
    <message>
        <source>Anything you copied in the last 10 minutes. Copies from password managers are skipped.</source>
        <translation>هر چه در ۱۰ دقیقهٔ گذشته کپی کرده‌اید. متن کپی‌شده از مدیرهای گذرواژه نادیده گرفته می‌شود.</translation>
    </message>
    <message>
        <source>Text on screen</source>
        <translation>متن روی صفحه</translation>
    </message>
    <message>
        <source>Reads the window you&apos;re writing in, so replies fit the conversation. It picks the lines closest to where you type.</source>
        <translation>پنجره‌ای را که در آن می‌نویسید می‌خواند تا پاسخ‌ها با گفتگو جور باشند. نزدیک‌ترین خطوط به جای تایپ شما را برمی‌گزیند.</translation>
    </message>
    <message>
        <source>What you just looked at</source>
        <translation>آنچه همین حالا دیدید</translation>
    </message>
    <message>
        <source>Windows beside you</source>
        <translation>پنجره‌های کناری</translation>
    </message>
    <message>
        <source>Also reads up to two other windows on the same screen, like the document you&apos;re replying about. Skips password managers and apps you switched off.</source>
        <translation>همچنین تا دو پنجرهٔ دیگر روی همان صفحه را می‌خواند، مثل سندی که دربارهٔ آن پاسخ می‌دهید. مدیرهای گذرواژه و برنامه‌هایی را که خاموش کرده‌اید نادیده می‌گیرد.</translation>
    </message>
    <message>
        <source>Off in this app</source>
        <translation>در این برنامه خاموش</translation>
    </message>
    <message>
        <source>This word looks misspelled</source>
        <translation>به نظر می‌رسد املای این واژه غلط است</translation>
    </message>
    <message>
        <source>Thanks for the notes. I&apos;ll send the revised deck</source>
        <translation>ممنون بابت یادداشت‌ها. نسخهٔ بازبینی‌شدهٔ ارائه را</translation>
    </message>
    <message>
        <source> by Friday morning.</source>
        <translation> تا صبح جمعه می‌فرستم.</translation>
    </message>
    <message>
        <source>%1 quit. %app has the Tab key.</source>
        <translation>برنامهٔ %1 بسته شد. کلید Tab در اختیار %app است.</translation>
    </message>
    <message>
        <source>Open Data Folder</source>
        <translation>باز کردن پوشهٔ داده‌ها</translation>
    </message>
    <message>
        <source>Show Welcome Again</source>
        <translation>نمایش دوبارهٔ خوشامد</translation>
    </message>
    <message>
        <source>Play Intro Again</source>
        <translation>پخش دوبارهٔ معرفی</translation>
    </message>
    <message>
        <source>Reset Settings…</source>
        <translation>بازنشانی تنظیمات…</translation>
    </message>
    <message>
        <source>Suggest in every app</source>
        <translation>پیشنهاد در همهٔ برنامه‌ها</translation>
    </message>
    <message>
        <source>Suggest in code editors</source>
        <translation>پیشنهاد در ویرایشگرهای کد</translation>
    </message>
    <message>
        <source>Suggest in the middle of a line</source>
        <translation>پیشنهاد در میانهٔ خط</translation>
    </message>
    <message>
        <source>Suggest in small fields</source>
        <translation>پیشنهاد در فیلدهای کوچک</translation>
    </message>
    <message>
        <source>Hold back on misspelled words</source>
        <translation>صبر روی واژه‌های غلط املایی</translation>
    </message>
    <message>
        <source>Offer spelling fixes</source>
        <translation>پیشنهاد اصلاح املا</translation>
    </message>
    <message>
        <source>Show the key hint</source>
        <translation>نمایش راهنمای کلید</translation>
    </message>
    <message>
        <source>Quit other autocomplete apps when they open</source>
        <translation>بستن برنامه‌های تکمیل خودکار دیگر هنگام باز شدن</translation>
    </message>
    <message>
        <source>Keeps a few minutes of text from windows you switched away from, like a page you read before replying. It stays on your computer and skips apps you switched off.</source>
        <translation>چند دقیقه از متن پنجره‌هایی را که از آن‌ها رفته‌اید نگه می‌دارد، مثل صفحه‌ای که پیش از پاسخ خواندید. روی رایانهٔ شما می‌ماند و برنامه‌هایی را که خاموش کرده‌اید نادیده می‌گیرد.</translation>
    </message>
    <message numerus="yes">
        <source>Both apps answer the Tab key, and the system gives it to %1 first. %app stays paused in your other apps until %1 quits.</source>
        <translation>
            <numerusform>کلید Tab پیش از %app به %1 می‌رسد، پس %app تا وقتی خارج نشوید در برنامه‌های دیگرتان متوقف می‌ماند.</numerusform>
        </translation>
    </message>
    <message>
        <source>Finishes your sentences in any app, on your computer.</source>
        <translation>جمله‌هایتان را در هر برنامه‌ای، روی رایانهٔ خودتان، کامل می‌کند.</translation>
    </message>
    <message>
        <source>Keeps short passages from fields where you accepted a suggestion, encrypted on this computer, and shows them to the model as examples.</source>
        <translation>قطعه‌های کوتاهی از فیلدهایی که در آن‌ها پیشنهادی را پذیرفته‌اید، رمزنگاری‌شده روی این رایانه نگه می‌دارد و آن‌ها را به‌عنوان نمونه به مدل نشان می‌دهد.</translation>
    </message>
    <message>
        <source>Light</source>
        <comment>skin tone</comment>
        <translation>روشن</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>تأیید</translation>
    </message>
    <message>
        <source>Default</source>
        <comment>skin tone</comment>
        <translation>پیش‌فرض</translation>
    </message>
    <message>
        <source>Medium light</source>
        <comment>skin tone</comment>
        <translation>نیمه‌روشن</translation>
    </message>
    <message>
        <source>Medium</source>
        <comment>skin tone</comment>
        <translation>متوسط</translation>
    </message>
    <message>
        <source>Medium dark</source>
        <comment>skin tone</comment>
        <translation>نیمه‌تیره</translation>
    </message>
    <message>
        <source>Dark</source>
        <comment>skin tone</comment>
        <translation>تیره</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>نامشخص</translation>
    </message>
    <message>
        <source>%1 × %2 pt</source>
        <translation>%1 × %2 پوینت</translation>
    </message>
    <message>
        <source>No</source>
        <translation>خیر</translation>
    </message>
    <message>
        <source>Not reported, estimated from the caret</source>
        <translation>گزارش نشده، برآورد از روی نشانگر</translation>
    </message>
    <message>
        <source>%1 %2 pt</source>
        <translation>قلم %1 با اندازهٔ %2 پوینت</translation>
    </message>
    <message>
        <source>System</source>
        <translation>سیستم</translation>
    </message>
    <message>
        <source>Not yet</source>
        <translation>هنوز نه</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>امروز</translation>
    </message>
    <message>
        <source>Last 7 days</source>
        <translation>۷ روز گذشته</translation>
    </message>
    <message>
        <source>All time</source>
        <translation>از آغاز</translation>
    </message>
    <message>
        <source>Typing saved</source>
        <translation>تایپ صرفه‌جویی‌شده</translation>
    </message>
    <message>
        <source>at 40 words a minute</source>
        <translation>با سرعت ۴۰ واژه در دقیقه</translation>
    </message>
    <message>
        <source>Accepted</source>
        <translation>پذیرفته‌شده</translation>
    </message>
    <message>
        <source>of suggestions shown</source>
        <translation>از پیشنهادهای نشان‌داده‌شده</translation>
    </message>
    <message>
        <source>Typical wait</source>
        <translation>انتظار معمول</translation>
    </message>
    <message>
        <source>9 in 10 under %1</source>
        <translation>۹ بار از ۱۰ بار زیر %1</translation>
    </message>
    <message>
        <source>no requests yet</source>
        <translation>هنوز درخواستی نیست</translation>
    </message>
    <message>
        <source>Words saved</source>
        <translation>واژه‌های صرفه‌جویی‌شده</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>بازه</translation>
    </message>
    <message>
        <source>Nothing to chart yet</source>
        <translation>هنوز چیزی برای نمودار نیست</translation>
    </message>
    <message>
        <source>Accept a few suggestions and your days show up here.</source>
        <translation>چند پیشنهاد بپذیرید تا روزهایتان اینجا نشان داده شوند.</translation>
    </message>
    <message>
        <source>Where you write</source>
        <translation>کجا می‌نویسید</translation>
    </message>
    <message>
        <source>Reset Statistics…</source>
        <translation>بازنشانی آمار…</translation>
    </message>
    <message>
        <source>Reset all statistics?</source>
        <translation>همهٔ آمار بازنشانی شود؟</translation>
    </message>
    <message>
        <source>This clears words saved, acceptance and timing history.</source>
        <translation>این کار واژه‌های صرفه‌جویی‌شده و سابقهٔ پذیرش و زمان‌بندی را پاک می‌کند.</translation>
    </message>
    <message>
        <source>Copy Diagnostics</source>
        <translation>کپی اطلاعات عیب‌یابی</translation>
    </message>
    <message>
        <source>Diagnostics leave out the text you typed.</source>
        <translation>اطلاعات عیب‌یابی متنی را که تایپ کرده‌اید شامل نمی‌شود.</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>وضعیت</translation>
    </message>
    <message>
        <source>Right now</source>
        <translation>همین حالا</translation>
    </message>
    <message>
        <source>Allowed</source>
        <translation>مجاز</translation>
    </message>
    <message>
        <source>Not allowed</source>
        <translation>مجاز نیست</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>صفحه‌کلید</translation>
    </message>
    <message>
        <source>Listening</source>
        <translation>در حال دریافت</translation>
    </message>
    <message>
        <source>Not listening</source>
        <translation>بدون دریافت</translation>
    </message>
    <message>
        <source>Focused field</source>
        <translation>فیلد فعال</translation>
    </message>
    <message>
        <source>Click into a text field in another app, then come back. The last field %1 saw stays here.</source>
        <translation>در یک فیلد متنی در برنامه‌ای دیگر کلیک کنید و برگردید. آخرین فیلدی که %1 دید اینجا می‌ماند.</translation>
    </message>
    <message>
        <source>App</source>
        <translation>برنامه</translation>
    </message>
    <message>
        <source>Field type</source>
        <translation>نوع فیلد</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>پنجره</translation>
    </message>
    <message>
        <source>Field size</source>
        <translation>اندازهٔ فیلد</translation>
    </message>
    <message>
        <source>Caret found</source>
        <translation>نشانگر پیدا شد</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>قلم</translation>
    </message>
    <message>
        <source>At end of line</source>
        <translation>در پایان خط</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>بله</translation>
    </message>
    <message>
        <source>Secure input</source>
        <translation>ورودی امن</translation>
    </message>
    <message>
        <source>Looked at lately</source>
        <translation>دیده‌شده به‌تازگی</translation>
    </message>
    <message>
        <source>Text before the caret</source>
        <translation>متن پیش از نشانگر</translation>
    </message>
    <message>
        <source>Last request</source>
        <translation>آخرین درخواست</translation>
    </message>
    <message>
        <source>Wait</source>
        <translation>انتظار</translation>
    </message>
    <message>
        <source>Suggestion</source>
        <translation>پیشنهاد</translation>
    </message>
    <message>
        <source>Prompt sent to the engine</source>
        <translation>دستوری که به موتور فرستاده شد</translation>
    </message>
    <message>
        <source>Raw answer</source>
        <translation>پاسخ خام</translation>
    </message>
    <message>
        <source>(empty)</source>
        <translation>(خالی)</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>کپی شد</translation>
    </message>
    <message>
        <source>Choose a language</source>
        <translation>یک زبان انتخاب کنید</translation>
    </message>
    <message>
        <source>Search languages</source>
        <translation>جستجوی زبان‌ها</translation>
    </message>
    <message>
        <source>Same as my computer</source>
        <translation>مانند زبان رایانه‌ام</translation>
    </message>
    <message>
        <source>Switch to %1?</source>
        <translation>زبان به %1 تغییر کند؟</translation>
    </message>
    <message>
        <source>%1 closes and opens again in a second. Your settings stay as they are.</source>
        <translation>برنامهٔ %1 بسته می‌شود و در یک ثانیه دوباره باز می‌شود. تنظیمات شما همان‌طور می‌ماند.</translation>
    </message>
    <message>
        <source>Reopen Now</source>
        <translation>باز کردن دوباره</translation>
    </message>
    <message>
        <source>App language</source>
        <translation>زبان برنامه</translation>
    </message>
    <message>
        <source>Pick the language you read most easily. Suggestions follow whatever language you type.</source>
        <translation>زبانی را انتخاب کنید که راحت‌تر می‌خوانید. پیشنهادها از هر زبانی که تایپ کنید پیروی می‌کنند.</translation>
    </message>
    <message>
        <source>Change the app language</source>
        <translation>تغییر زبان برنامه</translation>
    </message>
    <message>
        <source>0 min</source>
        <translation>۰ دقیقه</translation>
    </message>
    <message>
        <source>under a minute</source>
        <translation>کمتر از یک دقیقه</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 ثانیه</translation>
    </message>
    <message>
        <source>Not set</source>
        <translation>تنظیم نشده</translation>
    </message>
    <message>
        <source>Clear shortcut</source>
        <translation>پاک کردن میان‌بر</translation>
    </message>
    <message>
        <source>Add Ctrl, Alt or Super so normal typing still works.</source>
        <translation>کلید Ctrl، Alt یا Super را اضافه کنید تا تایپ عادی همچنان کار کند.</translation>
    </message>
    <message>
        <source>Type a shortcut…</source>
        <translation>یک میان‌بر تایپ کنید…</translation>
    </message>
    <message>
        <source>Recording shortcut</source>
        <translation>در حال ضبط میان‌بر</translation>
    </message>
    <message>
        <source>Shortcut %1</source>
        <translation>میان‌بر %1</translation>
    </message>
    <message>
        <source>Record shortcut</source>
        <translation>ضبط میان‌بر</translation>
    </message>
    <message>
        <source>Shortcut not set</source>
        <translation>میان‌بر تنظیم نشده</translation>
    </message>
    <message>
        <source>Press to record a new shortcut. Escape cancels.</source>
        <translation>برای ضبط میان‌بر تازه بزنید. Escape لغو می‌کند.</translation>
    </message>
    <message>
        <source>Your tray icon is hidden</source>
        <translation>نماد سینی شما پنهان است</translation>
    </message>
    <message>
        <source>This computer has no on-device language model</source>
        <translation>این رایانه مدل زبانی روی دستگاه ندارد</translation>
    </message>
    <message>
        <source>Turn on the on-device model in the desktop&apos;s settings</source>
        <translation>مدل روی دستگاه را در تنظیمات میزکار روشن کنید</translation>
    </message>
    <message>
        <source>The on-device model is unavailable</source>
        <translation>مدل روی دستگاه در دسترس نیست</translation>
    </message>
    <message>
        <source>Downloading. The on-device model fills in until it&apos;s done.</source>
        <translation>در حال بارگیری. تا پایان آن، مدل روی دستگاه پیشنهاد می‌دهد.</translation>
    </message>
    <message>
        <source>The on-device model fills in until you download it.</source>
        <translation>تا مدل را بارگیری نکرده‌اید، مدل روی دستگاه پیشنهاد می‌دهد.</translation>
    </message>
    <message>
        <source>%1 shares no text. Quit it and start it with %2 to get suggestions in it.</source>
        <translation>برنامهٔ %1 هیچ متنی به اشتراک نمی‌گذارد. از آن خارج شوید و با ⁦%2⁩ اجرایش کنید تا در آن پیشنهاد بگیرید.</translation>
    </message>
    <message>
        <source>On-device model</source>
        <translation>مدل روی دستگاه</translation>
    </message>
    <message>
        <source>The system&apos;s own language model. Nothing to download.</source>
        <translation>مدل زبانی خود سیستم. چیزی برای بارگیری نیست.</translation>
    </message>
    <message>
        <source>A website name cannot hold spaces, tabs or line breaks.</source>
        <translation>نام وب‌سایت نمی‌تواند فاصله، تب یا شکست خط داشته باشد.</translation>
    </message>
    <message>
        <source>Only addresses that start with http or https can be added.</source>
        <translation>فقط نشانی‌هایی را که با http یا https شروع می‌شوند می‌توان افزود.</translation>
    </message>
    <message>
        <source>That is not a website name. Type one such as wikipedia.org.</source>
        <translation>این نام وب‌سایت نیست. نامی مثل wikipedia.org تایپ کنید.</translation>
    </message>
    <message>
        <source>A port is a number from 1 to 65535.</source>
        <translation>درگاه عددی از ۱ تا ۶۵۵۳۵ است.</translation>
    </message>
    <message>
        <source>The on-device model fills in until the download is done.</source>
        <translation>تا پایان بارگیری، مدل روی دستگاه پیشنهاد می‌دهد.</translation>
    </message>
    <message>
        <source>Suggestions start once the download is done.</source>
        <translation>پیشنهادها پس از پایان بارگیری شروع می‌شوند.</translation>
    </message>
    <message>
        <source>This frees %1. The on-device model fills in until you download it again.</source>
        <translation>این کار %1 آزاد می‌کند. تا بارگیری دوباره، مدل روی دستگاه پیشنهاد می‌دهد.</translation>
    </message>
    <message>
        <source>This frees %1. The %app model can&apos;t suggest until you download it again.</source>
        <translation>این کار %1 آزاد می‌کند. مدل %app تا بارگیری دوباره نمی‌تواند پیشنهاد دهد.</translation>
    </message>
    <message>
        <source>There&apos;s no room for it, or your panel has no system tray. Add the panel&apos;s system tray or status area applet in its settings.</source>
        <translation>جایی برای آن نیست، یا پنل شما سینی سیستم ندارد. ابزارک سینی سیستم یا ناحیهٔ وضعیت را در تنظیمات پنل اضافه کنید.</translation>
    </message>
    <message>
        <source>GNOME shows tray icons only with the AppIndicator extension. Install the gnome-shell-extension-appindicator package, log out and in, then turn it on in Extensions.</source>
        <translation>میزکار GNOME نمادهای سینی را فقط با افزونهٔ AppIndicator نشان می‌دهد. بستهٔ gnome-shell-extension-appindicator را نصب کنید، از حساب خارج و دوباره وارد شوید، سپس آن را در «افزونه‌ها» روشن کنید.</translation>
    </message>
    <message>
        <source>GNOME shows tray icons only with the AppIndicator extension. It is installed but off: turn it on in Extensions.</source>
        <translation>میزکار GNOME نمادهای سینی را فقط با افزونهٔ AppIndicator نشان می‌دهد. این افزونه نصب است اما خاموش: آن را در «افزونه‌ها» روشن کنید.</translation>
    </message>
    <message>
        <source>Until then, open %app from your applications menu to reach Settings.</source>
        <translation>تا آن زمان، برای رسیدن به تنظیمات %app را از منوی برنامه‌ها باز کنید.</translation>
    </message>
    <message>
        <source>Open Extensions</source>
        <translation>باز کردن افزونه‌ها</translation>
    </message>
    <message>
        <source>Show Count in Tray</source>
        <translation>نمایش شمار در سینی</translation>
    </message>
    <message>
        <source>%1 shares no text</source>
        <translation>برنامهٔ %1 هیچ متنی به اشتراک نمی‌گذارد</translation>
    </message>
    <message>
        <source>Copy command</source>
        <translation>کپی فرمان</translation>
    </message>
    <message>
        <source>There&apos;s no account and no analytics. With the %app model or the on-device model, your text stays on this computer.</source>
        <translation>نه حسابی در کار است و نه آمارگیری از استفاده. با مدل %app یا مدل روی دستگاه، متن شما روی این رایانه می‌ماند.</translation>
    </message>
    <message>
        <source>There&apos;s no account and no analytics. With the %app model, your text stays on this computer.</source>
        <translation>نه حسابی در کار است و نه آمارگیری از استفاده. با مدل %app، متن شما روی این رایانه می‌ماند.</translation>
    </message>
    <message>
        <source>%app lives in your system tray from now on. Click its icon to pause it in an app or open Settings.</source>
        <translation>از این پس %app در سینی سیستم شما جای دارد. روی نمادش کلیک کنید تا آن را در یک برنامه متوقف کنید یا تنظیمات را باز کنید.</translation>
    </message>
    <message>
        <source>%app has no account, no analytics and no servers of its own. The %app model and the on-device model keep your text on this computer. Other engines get it only if you set one up.</source>
        <translation>برنامهٔ %app نه حساب دارد، نه آمارگیری و نه سرور خودش را. مدل %app و مدل روی دستگاه متن شما را روی این رایانه نگه می‌دارند. موتورهای دیگر فقط اگر یکی را راه‌اندازی کنید آن را دریافت می‌کنند.</translation>
    </message>
    <message>
        <source>%app has no account, no analytics and no servers of its own. The %app model keeps your text on this computer. Other engines get it only if you set one up.</source>
        <translation>برنامهٔ %app نه حساب دارد، نه آمارگیری و نه سرور خودش را. مدل %app متن شما را روی این رایانه نگه می‌دارد. موتورهای دیگر فقط اگر یکی را راه‌اندازی کنید آن را دریافت می‌کنند.</translation>
    </message>
    <message>
        <source>Installed applications</source>
        <translation>برنامه‌های نصب‌شده</translation>
    </message>
    <message>
        <source>%app reads these only while making a suggestion and never saves them. With the %app model or the on-device model, nothing leaves your computer.</source>
        <translation>برنامهٔ %app این‌ها را فقط هنگام ساختن پیشنهاد می‌خواند و هرگز ذخیره‌شان نمی‌کند. با مدل %app یا مدل روی دستگاه، هیچ‌چیز از رایانهٔ شما خارج نمی‌شود.</translation>
    </message>
    <message>
        <source>%app reads these only while making a suggestion and never saves them. With the %app model, nothing leaves your computer.</source>
        <translation>برنامهٔ %app این‌ها را فقط هنگام ساختن پیشنهاد می‌خواند و هرگز ذخیره‌شان نمی‌کند. با مدل %app، هیچ‌چیز از رایانهٔ شما خارج نمی‌شود.</translation>
    </message>
    <message>
        <source>The %app model keeps your text on this computer.</source>
        <translation>مدل %app متن شما را روی این رایانه نگه می‌دارد.</translation>
    </message>
    <message>
        <source>The key holds a line break or another control character. Paste it again without them.</source>
        <translation>کلید شامل شکست خط یا نویسهٔ کنترلی دیگری است. آن را بدون این‌ها دوباره جای‌گذاری کنید.</translation>
    </message>
    <message>
        <source>Waiting for the keyring to store the key.</source>
        <translation>در انتظار ذخیرهٔ کلید در جاکلیدی.</translation>
    </message>
    <message>
        <source>The keyring cannot keep this key, so it is used only until %app quits.</source>
        <translation>جاکلیدی نمی‌تواند این کلید را نگه دارد، پس فقط تا خروج %app به کار می‌رود.</translation>
    </message>
    <message>
        <source>Show in the system tray</source>
        <translation>نمایش در سینی سیستم</translation>
    </message>
    <message>
        <source>Pause or open Settings from the system tray. Hidden? Open %app from your applications menu to come back.</source>
        <translation>از سینی سیستم متوقف کنید یا تنظیمات را باز کنید. پنهان است؟ برای برگشتن %app را از منوی برنامه‌ها باز کنید.</translation>
    </message>
    <message>
        <source>This tray can&apos;t show text beside icons, so the count shows in the icon&apos;s tooltip.</source>
        <translation>این سینی نمی‌تواند کنار نمادها متن نشان دهد، پس شمار در راهنمای ابزار نماد نمایش داده می‌شود.</translation>
    </message>
    <message>
        <source>VS Code, VSCodium, Cursor, Zed, Kate, Sublime Text, JetBrains IDEs and similar apps.</source>
        <translation>برنامه‌هایی مثل VS Code، VSCodium، Cursor، Zed، Kate، Sublime Text، محیط‌های JetBrains و مانند آن‌ها.</translation>
    </message>
    <message>
        <source>Your settings could not be read, so they were set aside and %app started over with its defaults.</source>
        <translation>تنظیمات شما خوانده نشد، پس کنار گذاشته شد و %app با پیش‌فرض‌هایش از نو شروع کرد.</translation>
    </message>
    <message>
        <source>Your settings are not saved: %app cannot write to its settings folder.</source>
        <translation>تنظیمات شما ذخیره نمی‌شود: %app نمی‌تواند در پوشهٔ تنظیماتش بنویسد.</translation>
    </message>
    <message>
        <source>Your app and website rules could not be read, so they were set aside.</source>
        <translation>قواعد برنامه‌ها و وب‌سایت‌های شما خوانده نشد، پس کنار گذاشته شد.</translation>
    </message>
    <message>
        <source>Your statistics could not be read, so they were set aside and counting started over.</source>
        <translation>آمار شما خوانده نشد، پس کنار گذاشته شد و شمارش از نو شروع شد.</translation>
    </message>
    <message>
        <source>Not saved: %app cannot write to its data folder.</source>
        <translation>ذخیره نشد: %app نمی‌تواند در پوشهٔ داده‌هایش بنویسد.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln suggestions. %1 selected</source>
        <translation>
            <numerusform>%Ln پیشنهاد. انتخاب‌شده: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln min</source>
        <translation>
            <numerusform>%Ln دقیقه</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln words</source>
        <translation>
            <numerusform>%Ln واژه</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln passages from here</source>
        <translation>
            <numerusform>%Ln قطعه از اینجا</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>words</source>
        <comment>unit after a count</comment>
        <translation>
            <numerusform>واژه</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln days</source>
        <translation>
            <numerusform>%Ln روز</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Words saved per day over the last %Ln days</source>
        <translation>
            <numerusform>واژه‌های صرفه‌جویی‌شده در هر روز در %Ln روز گذشته</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln day streak</source>
        <translation>
            <numerusform>%Ln روز پیاپی</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln passages remembered</source>
        <translation>
            <numerusform>%Ln قطعه به خاطر سپرده شده</numerusform>
        </translation>
    </message>
    <message>
        <source>enter</source>
        <translation>Enter</translation>
    </message>
    <message>
        <source>Allow screen capture so %app can read those too. Most apps work without it.</source>
        <translation>تصویربرداری از صفحه را مجاز کنید تا %app آن‌ها را هم بخواند. بیشتر برنامه‌ها بدون آن کار می‌کنند.</translation>
    </message>
    <message>
        <source>Type a colon and a word, like :rocket, then press Tab or Enter to pick.</source>
        <translation>یک دونقطه و یک واژه تایپ کنید، مثل ‎:rocket‎، سپس برای انتخاب Tab یا Enter را بزنید.</translation>
    </message>
    <message>
        <source>You can switch memory off for single apps under Apps &amp; Sites. The key that unlocks it lives in your keyring.</source>
        <translation>می‌توانید حافظه را برای برنامه‌های جداگانه در «برنامه‌ها و سایت‌ها» خاموش کنید. کلیدی که آن را باز می‌کند در جاکلیدی شما نگه داشته می‌شود.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln emoji. %1 selected</source>
        <translation>
            <numerusform>ایموجی‌ها: %Ln. انتخاب‌شده: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Suggestion: %1</source>
        <translation>پیشنهاد: %1</translation>
    </message>
    <message numerus="yes">
        <source>%Ln models available</source>
        <translation>
            <numerusform>مدل‌های در دسترس: %Ln</numerusform>
        </translation>
    </message>
    <message>
        <source>The model couldn&apos;t be saved: %1</source>
        <translation>مدل ذخیره نشد: %1</translation>
    </message>
    <message>
        <source>Ollama isn&apos;t running.</source>
        <translation>سرور Ollama اجرا نمی‌شود.</translation>
    </message>
    <message>
        <source>Ollama isn&apos;t running at %1.</source>
        <translation>سرور Ollama در نشانی %1 اجرا نمی‌شود.</translation>
    </message>
    <message>
        <source>No server answered.</source>
        <translation>هیچ سروری پاسخ نداد.</translation>
    </message>
    <message>
        <source>No server answered at %1.</source>
        <translation>هیچ سروری در نشانی %1 پاسخ نداد.</translation>
    </message>
    <message>
        <source>Range: %1</source>
        <translation>بازه: %1</translation>
    </message>
    <message numerus="yes">
        <source>%1, %Ln to do</source>
        <translation>
            <numerusform>%1، %Ln مانده</numerusform>
        </translation>
    </message>
    <message>
        <source>Type the whole name of the website, such as wikipedia.org.</source>
        <translation>نام کامل وب‌سایت را تایپ کنید، مثل wikipedia.org.</translation>
    </message>
    <message>
        <source>The key holds a space, an invisible character or a letter outside plain ASCII. Paste it again exactly as your server gave it.</source>
        <translation>کلید شامل فاصله، نویسهٔ نامرئی یا حرفی خارج از ASCII ساده است. آن را دقیقاً همان‌طور که سرور شما داده دوباره جای‌گذاری کنید.</translation>
    </message>
    <message>
        <source>The keyring could not be read, so your server is asked without an API key. Type the key again if your server needs one.</source>
        <translation>جاکلیدی خوانده نشد، پس از سرور شما بدون کلید API پرسیده می‌شود. اگر سرور شما به کلید نیاز دارد، آن را دوباره تایپ کنید.</translation>
    </message>
    <message>
        <source>Your writing memory could not be opened, so it was set aside and %app started a new one.</source>
        <translation>حافظهٔ نوشتاری شما باز نشد، پس کنار گذاشته شد و %app حافظهٔ تازه‌ای را شروع کرد.</translation>
    </message>
    <message>
        <source>%1, converted for llama.cpp by %2</source>
        <translation>ناشر: %1، تبدیل‌شده برای llama.cpp توسط %2</translation>
    </message>
    <message>
        <source>The data folder %1 could not be made. Check that the folder above it exists and that you may write there.</source>
        <translation>پوشهٔ داده‌ها %1 ساخته نشد. بررسی کنید که پوشهٔ بالاتر از آن وجود دارد و اجازهٔ نوشتن در آن را دارید.</translation>
    </message>
    <message>
        <source>party</source>
        <comment>emoji search sample</comment>
        <translation>جشن</translation>
    </message>
    <message numerus="yes">
        <source>%Ln settings held values %app cannot use, so they were corrected and saved.</source>
        <translation>
            <numerusform>%Ln تنظیم مقداری داشت که %app نمی‌تواند به کار ببرد، پس اصلاح و ذخیره شد.</numerusform>
        </translation>
    </message>
    <message>
        <source>Your writing memory is not saved: the keyring is missing or locked, so its key cannot be kept.</source>
        <translation>حافظهٔ نوشتاری شما ذخیره نمی‌شود: جاکلیدی وجود ندارد یا قفل است، پس کلید حافظه را نمی‌توان نگه داشت.</translation>
    </message>
    <message>
        <source>That address isn&apos;t valid</source>
        <translation>این نشانی معتبر نیست</translation>
    </message>
    <message>
        <source>The request timed out.</source>
        <translation>مهلت درخواست به پایان رسید.</translation>
    </message>
    <message>
        <source>The server&apos;s reply was too long, so it was stopped.</source>
        <translation>پاسخ سرور بیش از حد طولانی بود، پس متوقف شد.</translation>
    </message>
    <message>
        <source>The server answered %1.</source>
        <translation>سرور با %1 پاسخ داد.</translation>
    </message>
    <message>
        <source>The server answered %1: %2</source>
        <translation>سرور با %1 پاسخ داد: %2</translation>
    </message>
    <message>
        <source>The download server answered %1. Try again later.</source>
        <translation>سرور بارگیری با %1 پاسخ داد. بعداً دوباره تلاش کنید.</translation>
    </message>
    <message>
        <source>The download couldn&apos;t be saved: %1</source>
        <translation>بارگیری ذخیره نشد: %1</translation>
    </message>
    <message>
        <source>The download paused because the connection dropped. Try again to pick up where it stopped.</source>
        <translation>بارگیری موقتاً متوقف شد، چون اتصال قطع شد. دوباره تلاش کنید تا از همان جایی که مانده بود ادامه یابد.</translation>
    </message>
    <message>
        <source>The download stopped. Check your connection, then try again.</source>
        <translation>بارگیری متوقف شد. اتصال خود را بررسی کنید و دوباره تلاش کنید.</translation>
    </message>
    <message>
        <source>Pick an Ollama model in Settings</source>
        <translation>یک مدل Ollama در تنظیمات انتخاب کنید</translation>
    </message>
    <message>
        <source>Pick a model for your local server</source>
        <translation>یک مدل برای سرور محلی خود انتخاب کنید</translation>
    </message>
    <message>
        <source>The server&apos;s answer is not HTTP.</source>
        <translation>پاسخ سرور HTTP نیست.</translation>
    </message>
    <message>
        <source>The data couldn&apos;t be read because it is missing.</source>
        <translation>داده‌ها خوانده نشد چون وجود ندارند.</translation>
    </message>
    <message>
        <source>The data couldn&apos;t be read because it isn&apos;t in the correct format.</source>
        <translation>داده‌ها خوانده نشد چون قالب درستی ندارند.</translation>
    </message>
    <message>
        <source>:%1:</source>
        <comment>emoji name</comment>
        <translation>:%1:</translation>
    </message>
    <message>
        <source>This computer has no on-device language model.</source>
        <translation>این رایانه مدل زبانی روی دستگاه ندارد.</translation>
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
        <translation>در %1 متوقف</translation>
    </message>
    <message>
        <source>Paused in %1</source>
        <translation>در %1 متوقف</translation>
    </message>
    <message>
        <source>Off on %1</source>
        <translation>در %1 خاموش</translation>
    </message>
    <message>
        <source>Off in %1</source>
        <translation>در %1 خاموش</translation>
    </message>
    <message>
        <source>Off in %1 by default</source>
        <translation>به‌طور پیش‌فرض در %1 خاموش</translation>
    </message>
    <message>
        <source>Off in code editors</source>
        <translation>در ویرایشگرهای کد خاموش</translation>
    </message>
    <message>
        <source>Off unless turned on per app</source>
        <translation>خاموش، مگر اینکه جداگانه برای برنامه روشن شود</translation>
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
        <translation>فاصله</translation>
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
        <translation>پاسخ به یک ایمیل با پیام کامیت فرق دارد.</translation>
    </message>
    <message>
        <source>Writes straight into the field. Cleanest in GTK and Qt apps.</source>
        <translation>مستقیم در فیلد می‌نویسد. در برنامه‌های GTK و Qt از همه تمیزتر است.</translation>
    </message>
    <message>
        <source>Typing</source>
        <comment>insertion method</comment>
        <translation>تایپ</translation>
    </message>
    <message>
        <source>%1 h</source>
        <comment>hours with one decimal, such as 1.5</comment>
        <translation>%1 ساعت</translation>
    </message>
    <message numerus="yes">
        <source>%Ln h</source>
        <translation>
            <numerusform>%Ln ساعت</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln ms</source>
        <translation>
            <numerusform>%Ln میلی‌ثانیه</numerusform>
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
            <numerusform>امروز %Ln واژه صرفه‌جویی شد</numerusform>
        </translation>
    </message>
    <message>
        <source>Under a minute of typing saved today.</source>
        <translation>امروز کمتر از یک دقیقه در تایپ صرفه‌جویی شد.</translation>
    </message>
    <message>
        <source>About %1 of typing saved today.</source>
        <translation>امروز حدود %1 در تایپ صرفه‌جویی شد.</translation>
    </message>
    <message numerus="yes">
        <source>Step %1 of %Ln</source>
        <translation>
            <numerusform>گام %1 از %Ln</numerusform>
        </translation>
    </message>
    <message>
        <source>%app reads and types into text fields through the desktop&apos;s accessibility support, which some desktops leave off. %app uses it only for the field you&apos;re writing in.</source>
        <translation>برنامهٔ %app از راه پشتیبانی دسترس‌پذیری میزکار، فیلدهای متنی را می‌خواند و در آن‌ها تایپ می‌کند؛ برخی میزکارها این پشتیبانی را خاموش نگه می‌دارند. %app فقط برای فیلدی که در آن می‌نویسید از آن استفاده می‌کند.</translation>
    </message>
    <message>
        <source>The button switches the desktop&apos;s accessibility support on. If the desktop&apos;s settings open instead, turn accessibility on there, then come back. This page updates by itself.</source>
        <translation>این دکمه پشتیبانی دسترس‌پذیری میزکار را روشن می‌کند. اگر به‌جای آن تنظیمات میزکار باز شد، دسترس‌پذیری را آنجا روشن کنید و برگردید. این صفحه خودش به‌روز می‌شود.</translation>
    </message>
    <message>
        <source>Still off? Some desktops start their accessibility service only when you log in. Log out and back in, then try again.</source>
        <translation>هنوز خاموش است؟ برخی میزکارها سرویس دسترس‌پذیری را فقط هنگام ورود به سیستم راه می‌اندازند. از حساب خارج و دوباره وارد شوید، سپس دوباره تلاش کنید.</translation>
    </message>
    <message>
        <source>Pause</source>
        <comment>section header</comment>
        <translation>توقف</translation>
    </message>
    <message>
        <source>Pause</source>
        <comment>button</comment>
        <translation>توقف</translation>
    </message>
    <message>
        <source>typing</source>
        <comment>insertion method, in a sentence</comment>
        <translation>تایپ</translation>
    </message>
    <message>
        <source>accessibility</source>
        <comment>insertion method, in a sentence</comment>
        <translation>دسترس‌پذیری</translation>
    </message>
    <message>
        <source>paste</source>
        <comment>insertion method, in a sentence</comment>
        <translation>جای‌گذاری</translation>
    </message>
    <message>
        <source>short</source>
        <comment>suggestion length, in a sentence</comment>
        <translation>کوتاه</translation>
    </message>
    <message>
        <source>medium</source>
        <comment>suggestion length, in a sentence</comment>
        <translation>متوسط</translation>
    </message>
    <message>
        <source>long</source>
        <comment>suggestion length, in a sentence</comment>
        <translation>بلند</translation>
    </message>
    <message>
        <source>Default follows General: %1, %2 suggestions.</source>
        <translation>پیش‌فرض از «عمومی» پیروی می‌کند: %1، پیشنهادهای %2.</translation>
    </message>
    <message>
        <source>Yes, at %1, %2 on screen, %3 pt tall, %4 and %5</source>
        <translation>بله، در %1، %2 روی صفحه، با ارتفاع %3 پوینت، %4 و %5</translation>
    </message>
    <message numerus="yes">
        <source>%Ln characters before it</source>
        <translation>
            <numerusform>%Ln نویسه پیش از آن</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln after</source>
        <comment>characters after the caret</comment>
        <translation>
            <numerusform>%Ln پس از آن</numerusform>
        </translation>
    </message>
    <message>
        <source>No system tray runs on this desktop, so the icon cannot show. %1</source>
        <translation>در این میزکار هیچ سینی سیستمی اجرا نمی‌شود، پس نماد نمی‌تواند نمایش داده شود. %1</translation>
    </message>
    <message>
        <source>Typing</source>
        <comment>section header</comment>
        <translation>تایپ</translation>
    </message>
    <message>
        <source>Switch to the computer&apos;s language?</source>
        <translation>زبان به زبان رایانه تغییر کند؟</translation>
    </message>
    <message numerus="yes">
        <source>%Ln words this week.</source>
        <translation>
            <numerusform>این هفته %Ln واژه.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Under a minute of typing saved today. %Ln words this week.</source>
        <translation>
            <numerusform>امروز کمتر از یک دقیقه در تایپ صرفه‌جویی شد. این هفته %Ln واژه.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>About %1 of typing saved today. %Ln words this week.</source>
        <translation>
            <numerusform>امروز حدود %1 در تایپ صرفه‌جویی شد. این هفته %Ln واژه.</numerusform>
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
            <numerusform>%Ln از %1 انجام شد</numerusform>
        </translation>
    </message>
    <message>
        <source>The server refused the connection. Check that it is running and that the address is right.</source>
        <translation>سرور اتصال را رد کرد. بررسی کنید که سرور در حال اجرا باشد و نشانی درست باشد.</translation>
    </message>
    <message>
        <source>The server&apos;s name couldn&apos;t be found. Check the address.</source>
        <translation>نام سرور پیدا نشد. نشانی را بررسی کنید.</translation>
    </message>
    <message>
        <source>A secure connection to the server couldn&apos;t be made.</source>
        <translation>برقراری اتصال امن با سرور ممکن نشد.</translation>
    </message>
    <message>
        <source>The server closed the connection before it answered.</source>
        <translation>سرور پیش از پاسخ دادن اتصال را بست.</translation>
    </message>
    <message>
        <source>The network proxy couldn&apos;t be reached.</source>
        <translation>دسترسی به پراکسی شبکه ممکن نشد.</translation>
    </message>
    <message>
        <source>The server couldn&apos;t be reached.</source>
        <translation>دسترسی به سرور ممکن نشد.</translation>
    </message>
    <message>
        <source>Waiting for the network…</source>
        <translation>در انتظار شبکه…</translation>
    </message>
    <message>
        <source>%1 is taken by another program.</source>
        <translation>میان‌بر %1 را برنامهٔ دیگری در اختیار دارد.</translation>
    </message>
    <message>
        <source>%1 could not open again. Your choice takes effect the next time you start it.</source>
        <translation>برنامهٔ %1 دوباره باز نشد. انتخاب شما دفعهٔ بعد که آن را اجرا کنید اعمال می‌شود.</translation>
    </message>
    <message>
        <source>Downloading the model</source>
        <translation>در حال بارگیری مدل</translation>
    </message>
    <message numerus="yes">
        <source>These apps answer the Tab key before %app can, so %app stays paused in your other apps until they quit.</source>
        <translation>
            <numerusform>این برنامه‌ها پیش از %app به کلید Tab پاسخ می‌دهند، پس %app تا وقتی بسته نشوند در برنامه‌های دیگرتان متوقف می‌ماند.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>It may be waiting on a dialog of its own. Force Quit closes it right away.</source>
        <translation>
            <numerusform>شاید منتظر پاسخ در پنجرهٔ گفتگوی خود باشد. با «خروج اجباری» فوراً بسته می‌شود.</numerusform>
        </translation>
    </message>
    <message>
        <source>Set a Suggest Now shortcut in Keys to ask for suggestions</source>
        <translation>برای درخواست پیشنهاد، در «کلیدها» یک میان‌بر «پیشنهاد فوری» تعیین کنید</translation>
    </message>
    <message>
        <source>Backspace</source>
        <comment>key above Enter that deletes backwards</comment>
        <translation>Backspace</translation>
    </message>
    <message>
        <source>0 words saved today</source>
        <translation>امروز ۰ واژه صرفه‌جویی شد</translation>
    </message>
    <message>
        <source>words saved today</source>
        <comment>beside the count 0</comment>
        <translation>واژهٔ صرفه‌جویی‌شدهٔ امروز</translation>
    </message>
    <message>
        <source>Quit the other app</source>
        <translation>خروج از برنامهٔ دیگر</translation>
    </message>
    <message>
        <source>None yet</source>
        <comment>no app looked at yet</comment>
        <translation>هنوز چیزی نیست</translation>
    </message>
    <message>
        <source>None yet</source>
        <comment>no suggestion shown yet</comment>
        <translation>هنوز پیشنهادی نیست</translation>
    </message>
    <message>
        <source>The other app is also running</source>
        <translation>برنامهٔ دیگر هم در حال اجراست</translation>
    </message>
    <message>
        <source>Both apps answer the Tab key, and the system gives it to the other app first. %app stays paused in your other apps until the other app quits.</source>
        <translation>هر دو برنامه به کلید Tab پاسخ می‌دهند و سیستم آن را اول به برنامهٔ دیگر می‌دهد. برنامهٔ %app تا وقتی آن برنامه بسته نشود، در برنامه‌های دیگرتان متوقف می‌ماند.</translation>
    </message>
    <message>
        <source>The other app is still open</source>
        <translation>برنامهٔ دیگر هنوز باز است</translation>
    </message>
    <message>
        <source>The other app quit, so your suggestions are back in every app.</source>
        <translation>برنامهٔ دیگر بسته شد، پس پیشنهادهایتان به همهٔ برنامه‌ها برگشت.</translation>
    </message>
    <message>
        <source>The other app quit. %app has the Tab key.</source>
        <translation>برنامهٔ دیگر بسته شد. کلید Tab در اختیار %app است.</translation>
    </message>
</context>
</TS>
