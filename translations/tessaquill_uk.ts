<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk" sourcelanguage="en">
<context>
    <name>Tessaquill</name>
    <message>
        <source>Accessibility is on. %app is ready in your other apps.</source>
        <translation>Спеціальні можливості ввімкнено. %app готовий до роботи в інших застосунках.</translation>
    </message>
    <message>
        <source>Paused while %1 is open</source>
        <translation>Призупинено, поки відкрито застосунок %1</translation>
    </message>
    <message>
        <source>Welcome to %app</source>
        <translation>Ласкаво просимо до %app</translation>
    </message>
    <message>
        <source>%app</source>
        <translation>%app</translation>
    </message>
    <message>
        <source>Another autocomplete app is running</source>
        <translation>Запущено інший застосунок автодоповнення</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Готовий до роботи</translation>
    </message>
    <message>
        <source>Waiting for a pause</source>
        <translation>Очікування паузи</translation>
    </message>
    <message>
        <source>Thinking</source>
        <translation>Думає</translation>
    </message>
    <message>
        <source>Showing a suggestion</source>
        <translation>Показ підказки</translation>
    </message>
    <message>
        <source>The model took too long to answer</source>
        <translation>Модель відповідала надто довго</translation>
    </message>
    <message>
        <source>This app doesn&apos;t report where the caret is</source>
        <translation>Цей застосунок не повідомляє, де курсор</translation>
    </message>
    <message>
        <source>%app is turned off</source>
        <translation>%app вимкнено</translation>
    </message>
    <message>
        <source>Secure input is on, so %app stays out</source>
        <translation>Увімкнено захищене введення, тому %app не втручається</translation>
    </message>
    <message>
        <source>Press %1 for a suggestion</source>
        <translation>Натисніть %1, щоб отримати підказку</translation>
    </message>
    <message>
        <source>Text is selected</source>
        <translation>Виділено текст</translation>
    </message>
    <message>
        <source>The caret is inside existing text</source>
        <translation>Курсор усередині наявного тексту</translation>
    </message>
    <message>
        <source>This field is too small</source>
        <translation>Це поле замале</translation>
    </message>
    <message>
        <source>Waiting for a few characters</source>
        <translation>Очікування кількох символів</translation>
    </message>
    <message>
        <source>Start of a new line</source>
        <translation>Початок нового рядка</translation>
    </message>
    <message>
        <source>The model is still downloading</source>
        <translation>Модель ще завантажується</translation>
    </message>
    <message>
        <source>Download the %app model in Settings first</source>
        <translation>Спершу завантажте модель %app у налаштуваннях</translation>
    </message>
    <message>
        <source>Not checked yet</source>
        <translation>Ще не перевірено</translation>
    </message>
    <message>
        <source>Checking…</source>
        <translation>Перевірка…</translation>
    </message>
    <message>
        <source>The model stopped with error %1</source>
        <translation>Модель зупинилася з помилкою %1</translation>
    </message>
    <message>
        <source>The model file couldn&apos;t be loaded</source>
        <translation>Не вдалося відкрити файл моделі</translation>
    </message>
    <message>
        <source>There wasn&apos;t enough memory to start the model</source>
        <translation>Бракує пам&apos;яті, щоб запустити модель</translation>
    </message>
    <message>
        <source>The text couldn&apos;t be prepared for the model</source>
        <translation>Не вдалося підготувати текст для моделі</translation>
    </message>
    <message>
        <source>This computer needs %1 free for the download. Free up some space, then try again.</source>
        <translation>Для завантаження потрібно %1 вільного місця. Звільніть місце й спробуйте ще раз.</translation>
    </message>
    <message>
        <source>The download didn&apos;t match the expected file, so it was deleted. Try again.</source>
        <translation>Завантажений файл не збігся з очікуваним, тому його видалено. Спробуйте ще раз.</translation>
    </message>
    <message>
        <source>Downloaded</source>
        <translation>Завантажено</translation>
    </message>
    <message>
        <source>Downloading. Suggestions start once it&apos;s done.</source>
        <translation>Завантаження. Підказки з&apos;являться, щойно воно завершиться.</translation>
    </message>
    <message>
        <source>Checking the download.</source>
        <translation>Перевірка завантаженого файлу.</translation>
    </message>
    <message>
        <source>Checking the download. Suggestions start once it&apos;s done.</source>
        <translation>Перевірка завантаженого файлу. Підказки з&apos;являться, щойно вона завершиться.</translation>
    </message>
    <message>
        <source>Download the model to start</source>
        <translation>Завантажте модель, щоб почати</translation>
    </message>
    <message>
        <source>Ollama is running but has no models</source>
        <translation>Ollama запущена, але не має моделей</translation>
    </message>
    <message>
        <source>Another app</source>
        <translation>Інший застосунок</translation>
    </message>
    <message>
        <source>There is no D-Bus session bus, so %1 cannot reach text fields.</source>
        <translation>Немає сеансової шини D-Bus, тому %1 не має доступу до текстових полів.</translation>
    </message>
    <message>
        <source>The desktop&apos;s accessibility bus is not running, so %1 cannot reach text fields.</source>
        <translation>Шина спеціальних можливостей стільниці не запущена, тому %1 не має доступу до текстових полів.</translation>
    </message>
    <message>
        <source>Short</source>
        <translation>Коротка</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Середня</translation>
    </message>
    <message>
        <source>Long</source>
        <translation>Довга</translation>
    </message>
    <message>
        <source>Hide the suggestion</source>
        <translation>Сховати підказку</translation>
    </message>
    <message>
        <source>Hide suggestions until I change fields</source>
        <translation>Ховати підказки, доки я не перейду в інше поле</translation>
    </message>
    <message>
        <source>Do nothing, send Escape to the app</source>
        <translation>Нічого не робити, передати Escape застосунку</translation>
    </message>
    <message>
        <source>Type it</source>
        <translation>Набір тексту</translation>
    </message>
    <message>
        <source>Insert through Accessibility</source>
        <translation>Вставлення через спеціальні можливості</translation>
    </message>
    <message>
        <source>Paste it</source>
        <translation>Вставлення з буфера обміну</translation>
    </message>
    <message>
        <source>Grey</source>
        <translation>Сірий</translation>
    </message>
    <message>
        <source>Gold tint</source>
        <translation>Золотистий</translation>
    </message>
    <message>
        <source>%app model</source>
        <translation>Модель %app</translation>
    </message>
    <message>
        <source>Ollama</source>
        <translation>Ollama</translation>
    </message>
    <message>
        <source>Local server</source>
        <translation>Локальний сервер</translation>
    </message>
    <message>
        <source>Runs on this computer after a one-time download. Works offline.</source>
        <translation>Працює на цьому комп&apos;ютері після одноразового завантаження. Інтернет не потрібен.</translation>
    </message>
    <message>
        <source>Any model you run in Ollama, base models included.</source>
        <translation>Будь-яка модель, запущена в Ollama, зокрема базові.</translation>
    </message>
    <message>
        <source>LM Studio, llama-server or any OpenAI-compatible endpoint.</source>
        <translation>LM Studio, llama-server або будь-який OpenAI-сумісний сервер.</translation>
    </message>
    <message>
        <source>Sends the text as keystrokes. Works almost everywhere.</source>
        <translation>Надсилає текст як натискання клавіш. Працює майже всюди.</translation>
    </message>
    <message>
        <source>Uses the clipboard, then puts your clipboard back.</source>
        <translation>Використовує буфер обміну, а потім повертає його вміст.</translation>
    </message>
    <message>
        <source>Accessibility</source>
        <translation>Спеціальні можливості</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Вставлення</translation>
    </message>
    <message>
        <source>Your writing memory could not be opened and was set aside. Nothing new is remembered until %app starts again.</source>
        <translation>Не вдалося відкрити пам&apos;ять письма, тож її файл збережено окремо. Нічого нового не запам&apos;ятовується до перезапуску %app.</translation>
    </message>
    <message>
        <source>Your writing memory could not be opened because its key could not be read from the keyring. Nothing new is remembered until %app starts again.</source>
        <translation>Не вдалося відкрити пам&apos;ять письма: ключ до неї не вдалося прочитати зі сховища ключів. Нічого нового не запам&apos;ятовується до перезапуску %app.</translation>
    </message>
    <message>
        <source>Not Now</source>
        <translation>Не зараз</translation>
    </message>
    <message>
        <source>Open the desktop&apos;s settings</source>
        <translation>Відкрити налаштування стільниці</translation>
    </message>
    <message>
        <source>Don&apos;t remind me again</source>
        <translation>Більше не нагадувати</translation>
    </message>
    <message>
        <source>Open Playground</source>
        <translation>Відкрити пісочницю</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Налаштування</translation>
    </message>
    <message>
        <source>Quit %app</source>
        <translation>Вийти з %app</translation>
    </message>
    <message>
        <source>Needs Accessibility access</source>
        <translation>Потрібен доступ до спеціальних можливостей</translation>
    </message>
    <message>
        <source>Paused until you resume</source>
        <translation>Призупинено до відновлення</translation>
    </message>
    <message>
        <source>Paused until %1</source>
        <translation>Призупинено до %1</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Вимк.</translation>
    </message>
    <message numerus="yes">
        <source>Paused while %1 are open</source>
        <translation>
            <numerusform>Призупинено, поки відкрито застосунок %1</numerusform>
            <numerusform>Призупинено, поки відкриті застосунки %1</numerusform>
            <numerusform>Призупинено, поки відкриті застосунки %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Grant Accessibility Access…</source>
        <translation>Надати доступ до спеціальних можливостей…</translation>
    </message>
    <message numerus="yes">
        <source>Force Quit %1</source>
        <translation>
            <numerusform>Примусово закрити %1</numerusform>
            <numerusform>Примусово закрити %1</numerusform>
            <numerusform>Примусово закрити %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Quit %1</source>
        <translation>
            <numerusform>Закрити %1</numerusform>
            <numerusform>Закрити %1</numerusform>
            <numerusform>Закрити %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>words saved today</source>
        <translation>
            <numerusform>слово заощаджено сьогодні</numerusform>
            <numerusform>слова заощаджено сьогодні</numerusform>
            <numerusform>слів заощаджено сьогодні</numerusform>
        </translation>
    </message>
    <message>
        <source>Start typing anywhere. %app keeps count here.</source>
        <translation>Почніть друкувати будь-де. %app рахуватиме тут.</translation>
    </message>
    <message>
        <source>Resume in %1</source>
        <translation>Відновити в %1</translation>
    </message>
    <message>
        <source>Pause in %1</source>
        <translation>Призупинити в %1</translation>
    </message>
    <message>
        <source>Resume Everywhere</source>
        <translation>Відновити всюди</translation>
    </message>
    <message>
        <source>Pause Everywhere</source>
        <translation>Призупинити всюди</translation>
    </message>
    <message>
        <source>For 15 Minutes</source>
        <translation>На 15 хвилин</translation>
    </message>
    <message>
        <source>For 1 Hour</source>
        <translation>На 1 годину</translation>
    </message>
    <message>
        <source>For 4 Hours</source>
        <translation>На 4 години</translation>
    </message>
    <message>
        <source>Until I Resume</source>
        <translation>До відновлення</translation>
    </message>
    <message>
        <source>Example: after typing %1, %2 suggests %3</source>
        <translation>Приклад: після «%1» %2 пропонує «%3»</translation>
    </message>
    <message>
        <source>takes the next word</source>
        <translation>приймає наступне слово</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Завантажити</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Скасувати</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 з %2</translation>
    </message>
    <message>
        <source>%1 of %2. You can keep writing while it downloads.</source>
        <translation>%1 з %2. Можна писати далі, поки триває завантаження.</translation>
    </message>
    <message>
        <source>Checking the download</source>
        <translation>Перевірка завантаженого файлу</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Спробувати ще раз</translation>
    </message>
    <message>
        <source>Remove…</source>
        <translation>Видалити…</translation>
    </message>
    <message>
        <source>%1 license</source>
        <translation>Ліцензія %1</translation>
    </message>
    <message>
        <source>Remove the %app model?</source>
        <translation>Видалити модель %app?</translation>
    </message>
    <message>
        <source>Model download</source>
        <translation>Завантаження моделі</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Видалити</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Продовжити</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Пізніше</translation>
    </message>
    <message>
        <source>Start Writing</source>
        <translation>Почати писати</translation>
    </message>
    <message>
        <source>Finish your sentences in any app.</source>
        <translation>Завершує ваші речення в будь-якому застосунку.</translation>
    </message>
    <message>
        <source>%app reads the words before your caret and suggests what comes next in grey. Press Tab to take one word, or the key above Tab to take the rest. If you don&apos;t want it, keep typing.</source>
        <translation>%app читає слова перед курсором і сірим пропонує продовження. Натисніть Tab, щоб прийняти одне слово, або клавішу над Tab, щоб прийняти решту. Якщо підказка не потрібна, просто друкуйте далі.</translation>
    </message>
    <message>
        <source>Sees what you see</source>
        <translation>Бачить те, що й ви</translation>
    </message>
    <message>
        <source>Private</source>
        <translation>Конфіденційно</translation>
    </message>
    <message>
        <source>It reads the window you&apos;re typing in, like the chat you&apos;re answering, so suggestions fit. None of it goes online, to us or any server. It stays private on your computer.</source>
        <translation>Він читає вікно, у якому ви друкуєте, наприклад чат, на який відповідаєте, щоб підказки були доречні. Ніщо з цього не йде в мережу — ні нам, ні на жоден сервер. Усе залишається на вашому комп&apos;ютері.</translation>
    </message>
    <message>
        <source>Accessibility is on</source>
        <translation>Спеціальні можливості ввімкнено</translation>
    </message>
    <message>
        <source>%app can now read the field you&apos;re writing in and type suggestions for you.</source>
        <translation>Тепер %app може читати поле, у якому ви пишете, і вводити підказки за вас.</translation>
    </message>
    <message>
        <source>Let %app see what you type.</source>
        <translation>Дозвольте %app бачити, що ви друкуєте.</translation>
    </message>
    <message>
        <source>%app reads your text when you pause and forgets it after one suggestion, unless you turn on writing memory.</source>
        <translation>%app читає ваш текст, коли ви робите паузу, і забуває його після однієї підказки, якщо не ввімкнено пам&apos;ять письма.</translation>
    </message>
    <message>
        <source>%app skips password fields and anything else the system marks as secure.</source>
        <translation>%app пропускає поля паролів і все, що система позначає як захищене.</translation>
    </message>
    <message>
        <source>Open Accessibility Settings</source>
        <translation>Відкрити налаштування спеціальних можливостей</translation>
    </message>
    <message>
        <source>Pick what writes your suggestions.</source>
        <translation>Виберіть, що писатиме підказки.</translation>
    </message>
    <message>
        <source>You can change this any time in Settings.</source>
        <translation>Це можна змінити будь-коли в налаштуваннях.</translation>
    </message>
    <message>
        <source>Give it a try.</source>
        <translation>Спробуйте.</translation>
    </message>
    <message>
        <source>Start typing a sentence. When grey words appear, press Tab for one word or the key above Tab for all of them.</source>
        <translation>Почніть друкувати речення. Коли з&apos;являться сірі слова, натисніть Tab, щоб прийняти одне слово, або клавішу над Tab, щоб прийняти всі.</translation>
    </message>
    <message>
        <source>Hi Orlenn, thanks for the quick reply. I think we should</source>
        <translation>Привіт, Орлене! Дякую за швидку відповідь. Думаю, нам варто</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>Practice field</source>
        <translation>Поле для тренування</translation>
    </message>
    <message>
        <source>Default, on</source>
        <translation>Типово, увімк.</translation>
    </message>
    <message>
        <source>Default, off</source>
        <translation>Типово, вимк.</translation>
    </message>
    <message>
        <source>Add a website</source>
        <translation>Додати сайт</translation>
    </message>
    <message>
        <source>Domain</source>
        <translation>Домен</translation>
    </message>
    <message>
        <source>Rules for a site apply in any browser %app can read.</source>
        <translation>Правила для сайту діють у будь-якому браузері, який %app може читати.</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Додати</translation>
    </message>
    <message>
        <source>Add App…</source>
        <translation>Додати застосунок…</translation>
    </message>
    <message>
        <source>Add an app</source>
        <translation>Додати застосунок</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Пошук</translation>
    </message>
    <message>
        <source>Clear search</source>
        <translation>Очистити пошук</translation>
    </message>
    <message>
        <source>Add an app or website</source>
        <translation>Додати застосунок або сайт</translation>
    </message>
    <message>
        <source>Add Website…</source>
        <translation>Додати сайт…</translation>
    </message>
    <message>
        <source>Apps &amp; Sites</source>
        <translation>Застосунки й сайти</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Призупинено</translation>
    </message>
    <message>
        <source>Apps</source>
        <translation>Застосунки</translation>
    </message>
    <message>
        <source>Websites</source>
        <translation>Сайти</translation>
    </message>
    <message>
        <source>No matches</source>
        <translation>Немає збігів</translation>
    </message>
    <message>
        <source>No apps yet</source>
        <translation>Застосунків поки немає</translation>
    </message>
    <message>
        <source>Nothing matches “%1”.</source>
        <translation>Нічого не знайдено за запитом «%1».</translation>
    </message>
    <message>
        <source>Apps appear here once you accept a suggestion in them, or add one with +.</source>
        <translation>Застосунки з&apos;являться тут, коли ви приймете в них підказку. Їх також можна додати кнопкою +.</translation>
    </message>
    <message>
        <source>Pick an app or site</source>
        <translation>Виберіть застосунок або сайт</translation>
    </message>
    <message>
        <source>Each one can have its own rules. Anything you don&apos;t change follows General.</source>
        <translation>Кожен може мати власні правила. Усе, що ви не змінюєте, відповідає розділу «Загальні».</translation>
    </message>
    <message>
        <source>Words saved here</source>
        <translation>Заощаджено слів тут</translation>
    </message>
    <message>
        <source>Suggestions</source>
        <translation>Підказки</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Увімк.</translation>
    </message>
    <message>
        <source>Tab accepts suggestions</source>
        <translation>Tab приймає підказки</translation>
    </message>
    <message>
        <source>Turn off where Tab already means something, like indenting. The other accept key still works.</source>
        <translation>Вимкніть там, де Tab уже щось робить, наприклад відступ. Інша клавіша прийняття працюватиме й далі.</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Типово</translation>
    </message>
    <message>
        <source>Insert by</source>
        <translation>Спосіб вставлення</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Довжина</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Відновити</translation>
    </message>
    <message>
        <source>Pause here</source>
        <translation>Призупинити тут</translation>
    </message>
    <message>
        <source>Memory</source>
        <translation>Пам&apos;ять</translation>
    </message>
    <message>
        <source>Remember my writing here</source>
        <translation>Запам&apos;ятовувати мій стиль письма тут</translation>
    </message>
    <message>
        <source>Writing memory is off in Your Voice.</source>
        <translation>Пам&apos;ять письма вимкнено в розділі «Ваш стиль».</translation>
    </message>
    <message>
        <source>Erase…</source>
        <translation>Стерти…</translation>
    </message>
    <message>
        <source>Reset to Defaults</source>
        <translation>Скинути до типових</translation>
    </message>
    <message>
        <source>Erase what %app remembered from %1?</source>
        <translation>Стерти все, що %app запам&apos;ятав у %1?</translation>
    </message>
    <message>
        <source>Erase</source>
        <translation>Стерти</translation>
    </message>
    <message>
        <source>Passages from this app can shape suggestions everywhere.</source>
        <translation>Фрагменти з цього застосунку можуть впливати на підказки всюди.</translation>
    </message>
    <message>
        <source>Finish setting up</source>
        <translation>Завершіть налаштування</translation>
    </message>
    <message>
        <source>Setup progress</source>
        <translation>Хід налаштування</translation>
    </message>
    <message>
        <source>Done: %1</source>
        <translation>Готово: %1</translation>
    </message>
    <message>
        <source>Best day yet!</source>
        <translation>Рекордний день!</translation>
    </message>
    <message>
        <source>Try it here</source>
        <translation>Спробуйте тут</translation>
    </message>
    <message>
        <source>Thanks for sending the draft over. I had a look and</source>
        <translation>Дякую, що надіслали чернетку. Я переглянув, і</translation>
    </message>
    <message>
        <source>next word</source>
        <translation>наступне слово</translation>
    </message>
    <message>
        <source>whole suggestion</source>
        <translation>уся підказка</translation>
    </message>
    <message>
        <source>hide it</source>
        <translation>сховати</translation>
    </message>
    <message>
        <source>This field runs the real engine. Start typing and grey words show up as you go.</source>
        <translation>У цьому полі працює справжній рушій. Почніть друкувати, і сірі слова з&apos;являтимуться в міру набору.</translation>
    </message>
    <message>
        <source>This field runs the real engine, even before you allow Accessibility. Start typing and grey words show up as you go.</source>
        <translation>У цьому полі працює справжній рушій, навіть до того, як ви дозволите спеціальні можливості. Почніть друкувати, і сірі слова з&apos;являтимуться в міру набору.</translation>
    </message>
    <message>
        <source>You&apos;re all set</source>
        <translation>Усе готово</translation>
    </message>
    <message>
        <source>Accessibility is on and %1 is ready. %app works in every app you type in.</source>
        <translation>Спеціальні можливості ввімкнено, рушій «%1» готовий. %app працює в усіх застосунках, де ви друкуєте.</translation>
    </message>
    <message>
        <source>Waiting for %1 to quit</source>
        <translation>Очікування закриття %1</translation>
    </message>
    <message>
        <source>Turned off</source>
        <translation>Вимкнено</translation>
    </message>
    <message>
        <source>Paused everywhere</source>
        <translation>Призупинено всюди</translation>
    </message>
    <message>
        <source>%1, %2 typical wait</source>
        <translation>%1, звичайне очікування %2</translation>
    </message>
    <message>
        <source>Start your streak today.</source>
        <translation>Почніть серію сьогодні.</translation>
    </message>
    <message>
        <source>Overview</source>
        <translation>Огляд</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Загальні</translation>
    </message>
    <message>
        <source>Engine</source>
        <translation>Рушій</translation>
    </message>
    <message>
        <source>Context</source>
        <translation>Контекст</translation>
    </message>
    <message>
        <source>Your Voice</source>
        <translation>Ваш стиль</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Клавіші</translation>
    </message>
    <message>
        <source>Emoji</source>
        <translation>Емодзі</translation>
    </message>
    <message>
        <source>Battery</source>
        <translation>Батарея</translation>
    </message>
    <message>
        <source>Insights</source>
        <translation>Статистика</translation>
    </message>
    <message>
        <source>Field Inspector</source>
        <translation>Інспектор полів</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Про програму</translation>
    </message>
    <message>
        <source>How %app is doing today</source>
        <translation>Як %app працює сьогодні</translation>
    </message>
    <message>
        <source>Where and how suggestions appear</source>
        <translation>Де і як з&apos;являються підказки</translation>
    </message>
    <message>
        <source>The model that writes your suggestions</source>
        <translation>Модель, яка пише підказки</translation>
    </message>
    <message>
        <source>What %app may look at to guess better</source>
        <translation>Що %app може враховувати для точніших підказок</translation>
    </message>
    <message>
        <source>Help suggestions sound like you</source>
        <translation>Підказки у вашому стилі</translation>
    </message>
    <message>
        <source>Accept, dismiss and summon suggestions</source>
        <translation>Прийняття, приховування й виклик підказок</translation>
    </message>
    <message>
        <source>Emoji search and emoticons</source>
        <translation>Пошук емодзі та смайлики</translation>
    </message>
    <message>
        <source>Rules for each app and website</source>
        <translation>Правила для кожного застосунку й сайту</translation>
    </message>
    <message>
        <source>Save power when you&apos;re unplugged</source>
        <translation>Економія енергії без заряджання</translation>
    </message>
    <message>
        <source>Words saved and how fast suggestions arrive</source>
        <translation>Заощаджені слова та швидкість підказок</translation>
    </message>
    <message>
        <source>What %app sees in the focused field</source>
        <translation>Що %app бачить в активному полі</translation>
    </message>
    <message>
        <source>Version and privacy</source>
        <translation>Версія та конфіденційність</translation>
    </message>
    <message>
        <source>Writing</source>
        <translation>Письмо</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Введення</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Правила</translation>
    </message>
    <message>
        <source>Activity</source>
        <translation>Активність</translation>
    </message>
    <message>
        <source>%app can read the field you&apos;re typing in and insert suggestions in any app.</source>
        <translation>%app може читати поле, у якому ви друкуєте, і вставляти підказки в будь-якому застосунку.</translation>
    </message>
    <message>
        <source>Allow Accessibility access</source>
        <translation>Дозвольте доступ до спеціальних можливостей</translation>
    </message>
    <message>
        <source>%app needs it to read the text you type in other apps and to insert suggestions.</source>
        <translation>Він потрібен %app, щоб читати текст, який ви вводите в інших застосунках, і вставляти підказки.</translation>
    </message>
    <message>
        <source>Allow…</source>
        <translation>Дозволити…</translation>
    </message>
    <message>
        <source>%1 is ready</source>
        <translation>Рушій «%1» готовий</translation>
    </message>
    <message>
        <source>Checking %1</source>
        <translation>Перевірка: %1</translation>
    </message>
    <message>
        <source>This takes a moment.</source>
        <translation>Це займе трохи часу.</translation>
    </message>
    <message>
        <source>Your engine isn&apos;t ready</source>
        <translation>Рушій не готовий</translation>
    </message>
    <message>
        <source>Open Engine</source>
        <translation>Відкрити «Рушій»</translation>
    </message>
    <message>
        <source>The system&apos;s predictions are off</source>
        <translation>Системне передбачення тексту вимкнено</translation>
    </message>
    <message>
        <source>Only %app&apos;s suggestions appear while you type.</source>
        <translation>Поки ви друкуєте, з&apos;являються лише підказки %app.</translation>
    </message>
    <message>
        <source>Turn off the system&apos;s predictions</source>
        <translation>Вимкніть системне передбачення тексту</translation>
    </message>
    <message>
        <source>The system shows its own grey suggestions on top of %app&apos;s. Each app picks up the change the next time you open it.</source>
        <translation>Система показує власні сірі підказки поверх підказок %app. Кожен застосунок врахує зміну, коли ви відкриєте його наступного разу.</translation>
    </message>
    <message>
        <source>Keyboard Settings</source>
        <translation>Налаштування клавіатури</translation>
    </message>
    <message>
        <source>Turn Off</source>
        <translation>Вимкнути</translation>
    </message>
    <message>
        <source>Only %app is suggesting</source>
        <translation>Підказує лише %app</translation>
    </message>
    <message>
        <source>Tab reaches %app again.</source>
        <translation>Клавіша Tab знову працює для %app.</translation>
    </message>
    <message numerus="yes">
        <source>%1 didn&apos;t quit. They may be showing a dialog. Force Quit closes them right away.</source>
        <translation>
            <numerusform>%1 не закрився. Можливо, він показує діалог. «Примусово закрити» закриє його одразу.</numerusform>
            <numerusform>%1 не закрилися. Можливо, вони показують діалог. «Примусово закрити» закриє їх одразу.</numerusform>
            <numerusform>%1 не закрилися. Можливо, вони показують діалог. «Примусово закрити» закриє їх одразу.</numerusform>
        </translation>
    </message>
    <message>
        <source>Force Quit</source>
        <translation>Примусово закрити</translation>
    </message>
    <message numerus="yes">
        <source>%1 take the Tab key before %app can, so %app stays paused in your other apps until you quit them.</source>
        <translation>
            <numerusform>%1 перехоплює клавішу Tab раніше за %app, тому %app призупинено в інших застосунках, доки ви не закриєте %1.</numerusform>
            <numerusform>%1 перехоплюють клавішу Tab раніше за %app, тому %app призупинено в інших застосунках, доки ви їх не закриєте.</numerusform>
            <numerusform>%1 перехоплюють клавішу Tab раніше за %app, тому %app призупинено в інших застосунках, доки ви їх не закриєте.</numerusform>
        </translation>
    </message>
    <message>
        <source>Only when I ask</source>
        <translation>Лише на запит</translation>
    </message>
    <message>
        <source>On battery, suggestions appear only after you press the Suggest Now shortcut.</source>
        <translation>Під час роботи від батареї підказки з&apos;являються лише після натискання комбінації «Підказати зараз».</translation>
    </message>
    <message>
        <source>Shorter suggestions</source>
        <translation>Коротші підказки</translation>
    </message>
    <message>
        <source>Fewer words take less power to write.</source>
        <translation>Менше слів — менше енергії.</translation>
    </message>
    <message>
        <source>Lighter model</source>
        <translation>Легша модель</translation>
    </message>
    <message>
        <source>Same as plugged in</source>
        <translation>Як від мережі</translation>
    </message>
    <message>
        <source>Running on battery. These apply right now.</source>
        <translation>Робота від батареї. Ці налаштування діють зараз.</translation>
    </message>
    <message>
        <source>Plugged in. These wait until you unplug.</source>
        <translation>Живлення від мережі. Ці налаштування ввімкнуться, коли ви від&apos;єднаєте живлення.</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Модель</translation>
    </message>
    <message>
        <source>Model name</source>
        <translation>Назва моделі</translation>
    </message>
    <message>
        <source>Reload the model list</source>
        <translation>Оновити список моделей</translation>
    </message>
    <message>
        <source>Choose a model</source>
        <translation>Виберіть модель</translation>
    </message>
    <message>
        <source>For people who already run Ollama, LM Studio or llama-server.</source>
        <translation>Для тих, хто вже використовує Ollama, LM Studio або llama-server.</translation>
    </message>
    <message>
        <source>Use your own model</source>
        <translation>Використати власну модель</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Адреса</translation>
    </message>
    <message>
        <source>API key</source>
        <translation>Ключ API</translation>
    </message>
    <message>
        <source>Only if your server asks for one</source>
        <translation>Лише якщо сервер його вимагає</translation>
    </message>
    <message>
        <source>Focused</source>
        <translation>Точно</translation>
    </message>
    <message>
        <source>Creativity</source>
        <translation>Креативність</translation>
    </message>
    <message>
        <source>Loose</source>
        <translation>Вільно</translation>
    </message>
    <message>
        <source>Lower stays close to the obvious next words. Higher tries more.</source>
        <translation>Нижче — ближче до очевидних наступних слів. Вище — більше варіантів.</translation>
    </message>
    <message>
        <source>Wait before suggesting</source>
        <translation>Очікування перед підказкою</translation>
    </message>
    <message>
        <source>How long you pause before %app starts.</source>
        <translation>Скільки триває пауза, перш ніж %app почне роботу.</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Запустити</translation>
    </message>
    <message>
        <source>Try the engine</source>
        <translation>Перевірити рушій</translation>
    </message>
    <message>
        <source>Sends a sample sentence and shows what comes back.</source>
        <translation>Надсилає зразкове речення й показує відповідь.</translation>
    </message>
    <message>
        <source>Running…</source>
        <translation>Виконується…</translation>
    </message>
    <message>
        <source>The engine answered in %1 but had nothing useful to add.</source>
        <translation>Рушій відповів за %1, але не запропонував нічого корисного.</translation>
    </message>
    <message>
        <source>That didn&apos;t work: %1</source>
        <translation>Не вдалося: %1</translation>
    </message>
    <message>
        <source>The request was cancelled.</source>
        <translation>Запит скасовано.</translation>
    </message>
    <message>
        <source>Startup</source>
        <translation>Запуск</translation>
    </message>
    <message>
        <source>Launch at login</source>
        <translation>Запускати під час входу в систему</translation>
    </message>
    <message>
        <source>Show today&apos;s word count next to the icon</source>
        <translation>Показувати кількість слів за сьогодні поруч зі значком</translation>
    </message>
    <message>
        <source>Where suggestions appear</source>
        <translation>Де з&apos;являються підказки</translation>
    </message>
    <message>
        <source>Turn this off to use %app only in the apps you switch on under Apps &amp; Sites.</source>
        <translation>Вимкніть, щоб використовувати %app лише в застосунках, увімкнених у розділі «Застосунки й сайти».</translation>
    </message>
    <message>
        <source>By default %app waits until the caret is at the end of a line.</source>
        <translation>Типово %app чекає, доки курсор опиниться в кінці рядка.</translation>
    </message>
    <message>
        <source>Without this, %app skips search bars and one-word boxes.</source>
        <translation>Без цього %app пропускає рядки пошуку й поля на одне слово.</translation>
    </message>
    <message>
        <source>Suggestions appear only after you press the Suggest Now shortcut.</source>
        <translation>Підказки з&apos;являються лише після натискання комбінації «Підказати зараз».</translation>
    </message>
    <message>
        <source>Spelling</source>
        <translation>Правопис</translation>
    </message>
    <message>
        <source>Waits while the word you&apos;re typing looks misspelled, so %app doesn&apos;t build on a typo.</source>
        <translation>Не підказує, поки набране слово схоже на помилку, щоб %app не продовжував друкарську помилку.</translation>
    </message>
    <message>
        <source>After a misspelled word, shows a fix next to the caret. Press Tab to swap it in.</source>
        <translation>Після слова з помилкою показує виправлення біля курсора. Натисніть Tab, щоб замінити.</translation>
    </message>
    <message>
        <source>Look</source>
        <translation>Вигляд</translation>
    </message>
    <message>
        <source>Suggestion color</source>
        <translation>Колір підказки</translation>
    </message>
    <message>
        <source>Text size</source>
        <translation>Розмір тексту</translation>
    </message>
    <message>
        <source>Fine-tune if suggestions look larger or smaller than your text.</source>
        <translation>Підлаштуйте, якщо підказки здаються більшими чи меншими за ваш текст.</translation>
    </message>
    <message>
        <source>Vertical position</source>
        <translation>Положення по вертикалі</translation>
    </message>
    <message>
        <source>Nudge suggestions up or down to line up with your text.</source>
        <translation>Зсуньте підказки вгору чи вниз, щоб вирівняти їх із текстом.</translation>
    </message>
    <message>
        <source>A small keycap after your first suggestions, as a reminder of what to press.</source>
        <translation>Маленький значок клавіші після перших підказок — нагадування, що натискати.</translation>
    </message>
    <message>
        <source>Insert suggestions by</source>
        <translation>Спосіб вставлення підказок</translation>
    </message>
    <message>
        <source>Other autocomplete apps</source>
        <translation>Інші застосунки автодоповнення</translation>
    </message>
    <message>
        <source>They take the Tab key before %app can. With this off, %app asks you first.</source>
        <translation>Вони перехоплюють клавішу Tab раніше за %app. Якщо це вимкнено, %app спершу запитає вас.</translation>
    </message>
    <message>
        <source>%1 is another device on your network, so the text around your caret will be sent there.</source>
        <translation>%1 — інший пристрій у вашій мережі, тому текст біля курсора надсилатиметься туди.</translation>
    </message>
    <message>
        <source>%1 isn&apos;t this computer, so the text around your caret will be sent there.</source>
        <translation>%1 — не цей комп&apos;ютер, тому текст біля курсора надсилатиметься туди.</translation>
    </message>
    <message>
        <source>Both keep your text on this computer.</source>
        <translation>Обидва варіанти зберігають ваш текст на цьому комп&apos;ютері.</translation>
    </message>
    <message>
        <source>%app opens by itself when you start your computer.</source>
        <translation>%app відкривається сам, коли ви вмикаєте комп&apos;ютер.</translation>
    </message>
    <message>
        <source>System predictions</source>
        <translation>Системне передбачення тексту</translation>
    </message>
    <message>
        <source>The system can show its own grey predictions. Keeping them off avoids two suggestions at once.</source>
        <translation>Система може показувати власні сірі варіанти. Якщо їх вимкнути, не буде двох підказок одночасно.</translation>
    </message>
    <message>
        <source>System predictions are on</source>
        <translation>Системне передбачення тексту ввімкнено</translation>
    </message>
    <message>
        <source>System predictions are off</source>
        <translation>Системне передбачення тексту вимкнено</translation>
    </message>
    <message>
        <source>tab</source>
        <translation>tab</translation>
    </message>
    <message>
        <source>Your next words, one Tab away.</source>
        <translation>Наступні слова — за одне натискання Tab.</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Пропустити</translation>
    </message>
    <message>
        <source>Get Started</source>
        <translation>Почати</translation>
    </message>
    <message>
        <source>Turn sound on</source>
        <translation>Увімкнути звук</translation>
    </message>
    <message>
        <source>Turn sound off</source>
        <translation>Вимкнути звук</translation>
    </message>
    <message>
        <source>The other app</source>
        <translation>Інший застосунок</translation>
    </message>
    <message numerus="yes">
        <source>Next time, quit %1 without asking</source>
        <translation>
            <numerusform>Наступного разу закривати %1 без підтвердження</numerusform>
            <numerusform>Наступного разу закривати %1 без підтвердження</numerusform>
            <numerusform>Наступного разу закривати %1 без підтвердження</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 is also running</source>
        <translation>
            <numerusform>%1 теж запущено</numerusform>
            <numerusform>%1 теж запущено</numerusform>
            <numerusform>%1 теж запущено</numerusform>
        </translation>
    </message>
    <message>
        <source>Quitting…</source>
        <translation>Закриття…</translation>
    </message>
    <message numerus="yes">
        <source>%1 is still open</source>
        <translation>
            <numerusform>%1 досі відкрито</numerusform>
            <numerusform>%1 досі відкриті</numerusform>
            <numerusform>%1 досі відкриті</numerusform>
        </translation>
    </message>
    <message>
        <source>%app has the Tab key</source>
        <translation>Клавіша Tab у %app</translation>
    </message>
    <message>
        <source>%1 quit, so your suggestions are back in every app.</source>
        <translation>%1 закрито, тож підказки знову працюють в усіх застосунках.</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Готово</translation>
    </message>
    <message>
        <source>Open Source Notices</source>
        <translation>Ліцензії відкритого ПЗ</translation>
    </message>
    <message>
        <source>Reset all settings?</source>
        <translation>Скинути всі налаштування?</translation>
    </message>
    <message>
        <source>This also clears your rules for apps and sites. Your statistics and writing memory stay.</source>
        <translation>Також буде скинуто правила для застосунків і сайтів. Статистика й пам&apos;ять письма залишаться.</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Скинути</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Версія %1</translation>
    </message>
    <message>
        <source>Some apps hide their text</source>
        <translation>Деякі застосунки приховують текст</translation>
    </message>
    <message>
        <source>Suggest emoji after a colon</source>
        <translation>Пропонувати емодзі після двокрапки</translation>
    </message>
    <message>
        <source>Turn emoticons into emoji</source>
        <translation>Замінювати смайлики на емодзі</translation>
    </message>
    <message>
        <source>After :-) or &lt;3, %app offers the matching emoji. Press Tab to swap it in.</source>
        <translation>Після :-) або &lt;3 %app пропонує відповідний емодзі. Натисніть Tab, щоб замінити.</translation>
    </message>
    <message>
        <source>Skin tone</source>
        <translation>Тон шкіри</translation>
    </message>
    <message>
        <source>Also show the default yellow</source>
        <translation>Показувати й стандартний жовтий</translation>
    </message>
    <message>
        <source>Try a word</source>
        <translation>Введіть слово</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Слабкий</translation>
    </message>
    <message>
        <source>No emoji match “%1”</source>
        <translation>Немає емодзі для «%1»</translation>
    </message>
    <message>
        <source>Accepting</source>
        <translation>Прийняття</translation>
    </message>
    <message>
        <source>Take the next word</source>
        <translation>Прийняти наступне слово</translation>
    </message>
    <message>
        <source>Press again for each following word.</source>
        <translation>Натискайте знову для кожного наступного слова.</translation>
    </message>
    <message>
        <source>Take the whole suggestion</source>
        <translation>Прийняти всю підказку</translation>
    </message>
    <message>
        <source>The key above Tab is easy to reach on most keyboards.</source>
        <translation>Клавішу над Tab легко дістати на більшості клавіатур.</translation>
    </message>
    <message>
        <source>Include the space after a word</source>
        <translation>Додавати пробіл після слова</translation>
    </message>
    <message>
        <source>Include punctuation right after a word</source>
        <translation>Додавати розділові знаки одразу після слова</translation>
    </message>
    <message>
        <source>When you press Escape</source>
        <translation>Коли ви натискаєте Escape</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Комбінації клавіш</translation>
    </message>
    <message>
        <source>Suggest now</source>
        <translation>Підказати зараз</translation>
    </message>
    <message>
        <source>Asks for a suggestion right away, even where %app would normally wait.</source>
        <translation>Запитує підказку одразу, навіть там, де %app зазвичай чекає.</translation>
    </message>
    <message>
        <source>Other suggestions</source>
        <translation>Інші підказки</translation>
    </message>
    <message>
        <source>Lists a few different ways to continue. Choose with the arrow keys, then press Tab.</source>
        <translation>Показує кілька варіантів продовження. Виберіть стрілками й натисніть Tab.</translation>
    </message>
    <message>
        <source>Pause or resume in this app</source>
        <translation>Призупинити чи відновити в цьому застосунку</translation>
    </message>
    <message>
        <source>Pauses for 15 minutes.</source>
        <translation>Призупиняє на 15 хвилин.</translation>
    </message>
    <message>
        <source>Turn %app on or off</source>
        <translation>Увімкнути чи вимкнути %app</translation>
    </message>
    <message>
        <source>Everywhere, until you press it again.</source>
        <translation>Всюди, доки ви не натиснете знову.</translation>
    </message>
    <message>
        <source>Pause or resume</source>
        <translation>Призупинити чи відновити</translation>
    </message>
    <message>
        <source>Turn on or off</source>
        <translation>Увімкнути чи вимкнути</translation>
    </message>
    <message>
        <source>%1 and %2 use the same keys. Only the first will work.</source>
        <translation>«%1» і «%2» використовують ті самі клавіші. Працюватиме лише перша комбінація.</translation>
    </message>
    <message>
        <source>About you</source>
        <translation>Про вас</translation>
    </message>
    <message>
        <source>For example: I&apos;m a product designer in Berlin. I write short, friendly emails in British English and sign off with Cheers.</source>
        <translation>Наприклад: я продуктовий дизайнер із Берліна. Пишу короткі дружні листи британською англійською й підписуюся «Cheers».</translation>
    </message>
    <message>
        <source>Your role, the languages you write in, names you use often, how you like to sound.</source>
        <translation>Ваша професія, мови, якими ви пишете, імена, які часто вживаєте, бажаний тон.</translation>
    </message>
    <message>
        <source>Writing memory</source>
        <translation>Пам&apos;ять письма</translation>
    </message>
    <message>
        <source>Remember how I write</source>
        <translation>Запам&apos;ятовувати, як я пишу</translation>
    </message>
    <message>
        <source>Also remember fields where I accept nothing</source>
        <translation>Запам&apos;ятовувати й поля, де я нічого не приймаю</translation>
    </message>
    <message>
        <source>%app learns your style sooner but keeps more of what you type.</source>
        <translation>%app швидше вивчить ваш стиль, але зберігатиме більше з того, що ви друкуєте.</translation>
    </message>
    <message>
        <source>Influence</source>
        <translation>Вплив</translation>
    </message>
    <message>
        <source>Strong</source>
        <translation>Сильний</translation>
    </message>
    <message>
        <source>How many of your passages each suggestion can draw on.</source>
        <translation>Скільки ваших фрагментів може використати кожна підказка.</translation>
    </message>
    <message>
        <source>Erase All…</source>
        <translation>Стерти все…</translation>
    </message>
    <message>
        <source>Erase everything %app remembered?</source>
        <translation>Стерти все, що запам&apos;ятав %app?</translation>
    </message>
    <message>
        <source>This can&apos;t be undone.</source>
        <translation>Цю дію не можна скасувати.</translation>
    </message>
    <message>
        <source>Erase All</source>
        <translation>Стерти все</translation>
    </message>
    <message>
        <source>Nothing remembered yet</source>
        <translation>Поки нічого не запам&apos;ятовано</translation>
    </message>
    <message>
        <source>App and window name</source>
        <translation>Назва застосунку й вікна</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>Сайт</translation>
    </message>
    <message>
        <source>The site&apos;s domain when you write in a browser.</source>
        <translation>Домен сайту, коли ви пишете в браузері.</translation>
    </message>
    <message>
        <source>Recently copied text</source>
        <translation>Нещодавно скопійований текст</translation>
    </message>
    <message>
        <source>Anything you copied in the last 10 minutes. Copies from password managers are skipped.</source>
        <translation>Усе, що ви скопіювали за останні 10 хвилин. Копії з менеджерів паролів пропускаються.</translation>
    </message>
    <message>
        <source>Text on screen</source>
        <translation>Текст на екрані</translation>
    </message>
    <message>
        <source>Reads the window you&apos;re writing in, so replies fit the conversation. It picks the lines closest to where you type.</source>
        <translation>Читає вікно, у якому ви пишете, щоб відповіді пасували до розмови. Вибирає рядки, найближчі до місця введення.</translation>
    </message>
    <message>
        <source>What you just looked at</source>
        <translation>Що ви щойно переглядали</translation>
    </message>
    <message>
        <source>Windows beside you</source>
        <translation>Сусідні вікна</translation>
    </message>
    <message>
        <source>Also reads up to two other windows on the same screen, like the document you&apos;re replying about. Skips password managers and apps you switched off.</source>
        <translation>Також читає до двох інших вікон на тому самому екрані, наприклад документ, якого стосується ваша відповідь. Пропускає менеджери паролів і вимкнені вами застосунки.</translation>
    </message>
    <message>
        <source>Off in this app</source>
        <translation>Вимкнено в цьому застосунку</translation>
    </message>
    <message>
        <source>This word looks misspelled</source>
        <translation>Схоже, у цьому слові помилка</translation>
    </message>
    <message>
        <source>Thanks for the notes. I&apos;ll send the revised deck</source>
        <translation>Дякую за зауваження. Я надішлю виправлену презентацію</translation>
    </message>
    <message>
        <source> by Friday morning.</source>
        <translation> до ранку п&apos;ятниці.</translation>
    </message>
    <message>
        <source>%1 quit. %app has the Tab key.</source>
        <translation>%1 закрито. Клавіша Tab у %app.</translation>
    </message>
    <message>
        <source>Open Data Folder</source>
        <translation>Відкрити теку даних</translation>
    </message>
    <message>
        <source>Show Welcome Again</source>
        <translation>Показати привітання знову</translation>
    </message>
    <message>
        <source>Play Intro Again</source>
        <translation>Показати вступ знову</translation>
    </message>
    <message>
        <source>Reset Settings…</source>
        <translation>Скинути налаштування…</translation>
    </message>
    <message>
        <source>Suggest in every app</source>
        <translation>Підказувати в усіх застосунках</translation>
    </message>
    <message>
        <source>Suggest in code editors</source>
        <translation>Підказувати в редакторах коду</translation>
    </message>
    <message>
        <source>Suggest in the middle of a line</source>
        <translation>Підказувати посеред рядка</translation>
    </message>
    <message>
        <source>Suggest in small fields</source>
        <translation>Підказувати в малих полях</translation>
    </message>
    <message>
        <source>Hold back on misspelled words</source>
        <translation>Не підказувати при помилках</translation>
    </message>
    <message>
        <source>Offer spelling fixes</source>
        <translation>Пропонувати виправлення</translation>
    </message>
    <message>
        <source>Show the key hint</source>
        <translation>Показувати значок клавіші</translation>
    </message>
    <message>
        <source>Quit other autocomplete apps when they open</source>
        <translation>Закривати інші застосунки автодоповнення під час їх запуску</translation>
    </message>
    <message>
        <source>Keeps a few minutes of text from windows you switched away from, like a page you read before replying. It stays on your computer and skips apps you switched off.</source>
        <translation>Зберігає кілька хвилин тексту з вікон, з яких ви перейшли, наприклад сторінку, прочитану перед відповіддю. Усе залишається на вашому комп&apos;ютері, вимкнені вами застосунки пропускаються.</translation>
    </message>
    <message numerus="yes">
        <source>Both apps answer the Tab key, and the system gives it to %1 first. %app stays paused in your other apps until %1 quits.</source>
        <translation>
            <numerusform>Обидва застосунки реагують на клавішу Tab, і система спершу віддає її %1. %app призупинено в інших застосунках, доки %1 не закриється.</numerusform>
            <numerusform>%1 перехоплюють клавішу Tab раніше за %app, тому %app призупинено в інших застосунках, доки ви їх не закриєте.</numerusform>
            <numerusform>%1 перехоплюють клавішу Tab раніше за %app, тому %app призупинено в інших застосунках, доки ви їх не закриєте.</numerusform>
        </translation>
    </message>
    <message>
        <source>Finishes your sentences in any app, on your computer.</source>
        <translation>Завершує ваші речення в будь-якому застосунку, просто на вашому комп&apos;ютері.</translation>
    </message>
    <message>
        <source>Keeps short passages from fields where you accepted a suggestion, encrypted on this computer, and shows them to the model as examples.</source>
        <translation>Зберігає короткі фрагменти з полів, де ви прийняли підказку, у зашифрованому вигляді на цьому комп&apos;ютері й показує їх моделі як приклади.</translation>
    </message>
    <message>
        <source>Light</source>
        <comment>skin tone</comment>
        <translation>Світлий</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Default</source>
        <comment>skin tone</comment>
        <translation>Типовий</translation>
    </message>
    <message>
        <source>Medium light</source>
        <comment>skin tone</comment>
        <translation>Помірно світлий</translation>
    </message>
    <message>
        <source>Medium</source>
        <comment>skin tone</comment>
        <translation>Середній</translation>
    </message>
    <message>
        <source>Medium dark</source>
        <comment>skin tone</comment>
        <translation>Помірно темний</translation>
    </message>
    <message>
        <source>Dark</source>
        <comment>skin tone</comment>
        <translation>Темний</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Невідомо</translation>
    </message>
    <message>
        <source>%1 × %2 pt</source>
        <translation>%1 × %2 pt</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Ні</translation>
    </message>
    <message>
        <source>Not reported, estimated from the caret</source>
        <translation>Не повідомляється, оцінено за курсором</translation>
    </message>
    <message>
        <source>%1 %2 pt</source>
        <translation>%1 %2 pt</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Системний</translation>
    </message>
    <message>
        <source>Not yet</source>
        <translation>Ще ні</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Сьогодні</translation>
    </message>
    <message>
        <source>Last 7 days</source>
        <translation>Останні 7 днів</translation>
    </message>
    <message>
        <source>All time</source>
        <translation>За весь час</translation>
    </message>
    <message>
        <source>Typing saved</source>
        <translation>Заощаджено на наборі</translation>
    </message>
    <message>
        <source>at 40 words a minute</source>
        <translation>при 40 словах за хвилину</translation>
    </message>
    <message>
        <source>Accepted</source>
        <translation>Прийнято</translation>
    </message>
    <message>
        <source>of suggestions shown</source>
        <translation>з показаних підказок</translation>
    </message>
    <message>
        <source>Typical wait</source>
        <translation>Звичайне очікування</translation>
    </message>
    <message>
        <source>9 in 10 under %1</source>
        <translation>9 з 10 швидше за %1</translation>
    </message>
    <message>
        <source>no requests yet</source>
        <translation>запитів ще не було</translation>
    </message>
    <message>
        <source>Words saved</source>
        <translation>Заощаджено слів</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>Період</translation>
    </message>
    <message>
        <source>Nothing to chart yet</source>
        <translation>Поки що немає чого показати</translation>
    </message>
    <message>
        <source>Accept a few suggestions and your days show up here.</source>
        <translation>Прийміть кілька підказок, і ваші дні з&apos;являться тут.</translation>
    </message>
    <message>
        <source>Where you write</source>
        <translation>Де ви пишете</translation>
    </message>
    <message>
        <source>Reset Statistics…</source>
        <translation>Скинути статистику…</translation>
    </message>
    <message>
        <source>Reset all statistics?</source>
        <translation>Скинути всю статистику?</translation>
    </message>
    <message>
        <source>This clears words saved, acceptance and timing history.</source>
        <translation>Буде видалено заощаджені слова, частку прийнятих підказок та історію очікування.</translation>
    </message>
    <message>
        <source>Copy Diagnostics</source>
        <translation>Копіювати діагностику</translation>
    </message>
    <message>
        <source>Diagnostics leave out the text you typed.</source>
        <translation>Діагностика не містить набраного вами тексту.</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Стан</translation>
    </message>
    <message>
        <source>Right now</source>
        <translation>Зараз</translation>
    </message>
    <message>
        <source>Allowed</source>
        <translation>Дозволено</translation>
    </message>
    <message>
        <source>Not allowed</source>
        <translation>Не дозволено</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Клавіатура</translation>
    </message>
    <message>
        <source>Listening</source>
        <translation>Відстежується</translation>
    </message>
    <message>
        <source>Not listening</source>
        <translation>Не відстежується</translation>
    </message>
    <message>
        <source>Focused field</source>
        <translation>Активне поле</translation>
    </message>
    <message>
        <source>Click into a text field in another app, then come back. The last field %1 saw stays here.</source>
        <translation>Клацніть текстове поле в іншому застосунку й поверніться. Останнє поле, яке бачив %1, залишиться тут.</translation>
    </message>
    <message>
        <source>App</source>
        <translation>Застосунок</translation>
    </message>
    <message>
        <source>Field type</source>
        <translation>Тип поля</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>Вікно</translation>
    </message>
    <message>
        <source>Field size</source>
        <translation>Розмір поля</translation>
    </message>
    <message>
        <source>Caret found</source>
        <translation>Курсор знайдено</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Шрифт</translation>
    </message>
    <message>
        <source>At end of line</source>
        <translation>У кінці рядка</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Так</translation>
    </message>
    <message>
        <source>Secure input</source>
        <translation>Захищене введення</translation>
    </message>
    <message>
        <source>Looked at lately</source>
        <translation>Нещодавно переглянуті</translation>
    </message>
    <message>
        <source>Text before the caret</source>
        <translation>Текст перед курсором</translation>
    </message>
    <message>
        <source>Last request</source>
        <translation>Останній запит</translation>
    </message>
    <message>
        <source>Wait</source>
        <translation>Очікування</translation>
    </message>
    <message>
        <source>Suggestion</source>
        <translation>Підказка</translation>
    </message>
    <message>
        <source>Prompt sent to the engine</source>
        <translation>Запит, надісланий рушію</translation>
    </message>
    <message>
        <source>Raw answer</source>
        <translation>Необроблена відповідь</translation>
    </message>
    <message>
        <source>(empty)</source>
        <translation>(порожньо)</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>Скопійовано</translation>
    </message>
    <message>
        <source>Choose a language</source>
        <translation>Виберіть мову</translation>
    </message>
    <message>
        <source>Search languages</source>
        <translation>Пошук мов</translation>
    </message>
    <message>
        <source>Same as my computer</source>
        <translation>Як у системі</translation>
    </message>
    <message>
        <source>Switch to %1?</source>
        <translation>Перейти на %1?</translation>
    </message>
    <message>
        <source>%1 closes and opens again in a second. Your settings stay as they are.</source>
        <translation>%1 закриється й одразу відкриється знову. Налаштування залишаться як є.</translation>
    </message>
    <message>
        <source>Reopen Now</source>
        <translation>Перезапустити</translation>
    </message>
    <message>
        <source>App language</source>
        <translation>Мова застосунку</translation>
    </message>
    <message>
        <source>Pick the language you read most easily. Suggestions follow whatever language you type.</source>
        <translation>Виберіть мову, якою вам найзручніше читати. Підказки слідують мові, якою ви друкуєте.</translation>
    </message>
    <message>
        <source>Change the app language</source>
        <translation>Змінити мову застосунку</translation>
    </message>
    <message>
        <source>0 min</source>
        <translation>0 хв</translation>
    </message>
    <message>
        <source>under a minute</source>
        <translation>менше хвилини</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 с</translation>
    </message>
    <message>
        <source>Not set</source>
        <translation>Не задано</translation>
    </message>
    <message>
        <source>Clear shortcut</source>
        <translation>Очистити комбінацію</translation>
    </message>
    <message>
        <source>Add Ctrl, Alt or Super so normal typing still works.</source>
        <translation>Додайте Ctrl, Alt або Super, щоб звичайне введення працювало й далі.</translation>
    </message>
    <message>
        <source>Type a shortcut…</source>
        <translation>Натисніть комбінацію…</translation>
    </message>
    <message>
        <source>Recording shortcut</source>
        <translation>Запис комбінації</translation>
    </message>
    <message>
        <source>Shortcut %1</source>
        <translation>Комбінація %1</translation>
    </message>
    <message>
        <source>Record shortcut</source>
        <translation>Записати комбінацію</translation>
    </message>
    <message>
        <source>Shortcut not set</source>
        <translation>Комбінацію не задано</translation>
    </message>
    <message>
        <source>Press to record a new shortcut. Escape cancels.</source>
        <translation>Натисніть, щоб записати нову комбінацію. Escape — скасувати.</translation>
    </message>
    <message>
        <source>Your tray icon is hidden</source>
        <translation>Значок у лотку приховано</translation>
    </message>
    <message>
        <source>This computer has no on-device language model</source>
        <translation>На цьому комп&apos;ютері немає вбудованої мовної моделі</translation>
    </message>
    <message>
        <source>Turn on the on-device model in the desktop&apos;s settings</source>
        <translation>Увімкніть вбудовану модель у налаштуваннях стільниці</translation>
    </message>
    <message>
        <source>The on-device model is unavailable</source>
        <translation>Вбудована модель недоступна</translation>
    </message>
    <message>
        <source>Downloading. The on-device model fills in until it&apos;s done.</source>
        <translation>Завантаження. Поки воно не завершиться, працює вбудована модель.</translation>
    </message>
    <message>
        <source>The on-device model fills in until you download it.</source>
        <translation>Поки ви не завантажите модель, працює вбудована модель.</translation>
    </message>
    <message>
        <source>%1 shares no text. Quit it and start it with %2 to get suggestions in it.</source>
        <translation>%1 не передає текст. Закрийте його й запустіть із %2, щоб отримувати в ньому підказки.</translation>
    </message>
    <message>
        <source>On-device model</source>
        <translation>Вбудована модель</translation>
    </message>
    <message>
        <source>The system&apos;s own language model. Nothing to download.</source>
        <translation>Власна мовна модель системи. Нічого не треба завантажувати.</translation>
    </message>
    <message>
        <source>A website name cannot hold spaces, tabs or line breaks.</source>
        <translation>Назва сайту не може містити пробіли, табуляції чи розриви рядків.</translation>
    </message>
    <message>
        <source>Only addresses that start with http or https can be added.</source>
        <translation>Можна додавати лише адреси, що починаються з http або https.</translation>
    </message>
    <message>
        <source>That is not a website name. Type one such as wikipedia.org.</source>
        <translation>Це не назва сайту. Введіть, наприклад, wikipedia.org.</translation>
    </message>
    <message>
        <source>A port is a number from 1 to 65535.</source>
        <translation>Порт — це число від 1 до 65535.</translation>
    </message>
    <message>
        <source>The on-device model fills in until the download is done.</source>
        <translation>Поки завантаження не завершиться, працює вбудована модель.</translation>
    </message>
    <message>
        <source>Suggestions start once the download is done.</source>
        <translation>Підказки з&apos;являться, щойно завантаження завершиться.</translation>
    </message>
    <message>
        <source>This frees %1. The on-device model fills in until you download it again.</source>
        <translation>Звільниться %1. Поки ви знову не завантажите модель, працюватиме вбудована модель.</translation>
    </message>
    <message>
        <source>This frees %1. The %app model can&apos;t suggest until you download it again.</source>
        <translation>Звільниться %1. Модель %app не зможе підказувати, доки ви знову її не завантажите.</translation>
    </message>
    <message>
        <source>There&apos;s no room for it, or your panel has no system tray. Add the panel&apos;s system tray or status area applet in its settings.</source>
        <translation>Для нього немає місця, або на панелі немає системного лотка. Додайте на панель аплет системного лотка чи області стану в її налаштуваннях.</translation>
    </message>
    <message>
        <source>GNOME shows tray icons only with the AppIndicator extension. Install the gnome-shell-extension-appindicator package, log out and in, then turn it on in Extensions.</source>
        <translation>GNOME показує значки в лотку лише з розширенням AppIndicator. Установіть пакет gnome-shell-extension-appindicator, вийдіть і знову увійдіть у систему, потім увімкніть його в «Розширеннях».</translation>
    </message>
    <message>
        <source>GNOME shows tray icons only with the AppIndicator extension. It is installed but off: turn it on in Extensions.</source>
        <translation>GNOME показує значки в лотку лише з розширенням AppIndicator. Його встановлено, але вимкнено: увімкніть його в «Розширеннях».</translation>
    </message>
    <message>
        <source>Until then, open %app from your applications menu to reach Settings.</source>
        <translation>А поки відкривайте %app з меню застосунків, щоб дістатися до налаштувань.</translation>
    </message>
    <message>
        <source>Open Extensions</source>
        <translation>Відкрити «Розширення»</translation>
    </message>
    <message>
        <source>Show Count in Tray</source>
        <translation>Показувати кількість у лотку</translation>
    </message>
    <message>
        <source>%1 shares no text</source>
        <translation>%1 не передає текст</translation>
    </message>
    <message>
        <source>Copy command</source>
        <translation>Копіювати команду</translation>
    </message>
    <message>
        <source>There&apos;s no account and no analytics. With the %app model or the on-device model, your text stays on this computer.</source>
        <translation>Немає ні облікового запису, ні телеметрії. З моделлю %app або вбудованою моделлю ваш текст залишається на цьому комп&apos;ютері.</translation>
    </message>
    <message>
        <source>There&apos;s no account and no analytics. With the %app model, your text stays on this computer.</source>
        <translation>Немає ні облікового запису, ні телеметрії. З моделлю %app ваш текст залишається на цьому комп&apos;ютері.</translation>
    </message>
    <message>
        <source>%app lives in your system tray from now on. Click its icon to pause it in an app or open Settings.</source>
        <translation>Відтепер %app живе в системному лотку. Клацніть його значок, щоб призупинити його в застосунку або відкрити налаштування.</translation>
    </message>
    <message>
        <source>%app has no account, no analytics and no servers of its own. The %app model and the on-device model keep your text on this computer. Other engines get it only if you set one up.</source>
        <translation>%app не має облікового запису, телеметрії й власних серверів. Модель %app і вбудована модель зберігають ваш текст на цьому комп&apos;ютері. Інші рушії отримують його, лише якщо ви їх налаштуєте.</translation>
    </message>
    <message>
        <source>%app has no account, no analytics and no servers of its own. The %app model keeps your text on this computer. Other engines get it only if you set one up.</source>
        <translation>%app не має облікового запису, телеметрії й власних серверів. Модель %app зберігає ваш текст на цьому комп&apos;ютері. Інші рушії отримують його, лише якщо ви їх налаштуєте.</translation>
    </message>
    <message>
        <source>Installed applications</source>
        <translation>Установлені застосунки</translation>
    </message>
    <message>
        <source>%app reads these only while making a suggestion and never saves them. With the %app model or the on-device model, nothing leaves your computer.</source>
        <translation>%app читає це лише під час створення підказки й ніколи не зберігає. З моделлю %app або вбудованою моделлю ніщо не залишає ваш комп&apos;ютер.</translation>
    </message>
    <message>
        <source>%app reads these only while making a suggestion and never saves them. With the %app model, nothing leaves your computer.</source>
        <translation>%app читає це лише під час створення підказки й ніколи не зберігає. З моделлю %app ніщо не залишає ваш комп&apos;ютер.</translation>
    </message>
    <message>
        <source>The %app model keeps your text on this computer.</source>
        <translation>Модель %app зберігає ваш текст на цьому комп&apos;ютері.</translation>
    </message>
    <message>
        <source>The key holds a line break or another control character. Paste it again without them.</source>
        <translation>Ключ містить розрив рядка або інший керівний символ. Вставте його знову без них.</translation>
    </message>
    <message>
        <source>Waiting for the keyring to store the key.</source>
        <translation>Очікування, поки сховище ключів збереже ключ.</translation>
    </message>
    <message>
        <source>The keyring cannot keep this key, so it is used only until %app quits.</source>
        <translation>Сховище ключів не може зберегти цей ключ, тому він використовується лише до виходу з %app.</translation>
    </message>
    <message>
        <source>Show in the system tray</source>
        <translation>Показувати в системному лотку</translation>
    </message>
    <message>
        <source>Pause or open Settings from the system tray. Hidden? Open %app from your applications menu to come back.</source>
        <translation>Призупиняйте або відкривайте налаштування із системного лотка. Значок приховано? Відкрийте %app з меню застосунків.</translation>
    </message>
    <message>
        <source>This tray can&apos;t show text beside icons, so the count shows in the icon&apos;s tooltip.</source>
        <translation>Цей лоток не вміє показувати текст поруч зі значками, тому кількість показано у спливній підказці значка.</translation>
    </message>
    <message>
        <source>VS Code, VSCodium, Cursor, Zed, Kate, Sublime Text, JetBrains IDEs and similar apps.</source>
        <translation>VS Code, VSCodium, Cursor, Zed, Kate, Sublime Text, середовища JetBrains і подібні застосунки.</translation>
    </message>
    <message>
        <source>Your settings could not be read, so they were set aside and %app started over with its defaults.</source>
        <translation>Не вдалося прочитати налаштування, тому їхній файл збережено окремо, а %app запущено з типовими налаштуваннями.</translation>
    </message>
    <message>
        <source>Your settings are not saved: %app cannot write to its settings folder.</source>
        <translation>Налаштування не зберігаються: %app не може записувати в теку налаштувань.</translation>
    </message>
    <message>
        <source>Your app and website rules could not be read, so they were set aside.</source>
        <translation>Не вдалося прочитати правила для застосунків і сайтів, тому їхній файл збережено окремо.</translation>
    </message>
    <message>
        <source>Your statistics could not be read, so they were set aside and counting started over.</source>
        <translation>Не вдалося прочитати статистику, тому її файл збережено окремо, а підрахунок почато заново.</translation>
    </message>
    <message>
        <source>Not saved: %app cannot write to its data folder.</source>
        <translation>Не збережено: %app не може записувати в теку даних.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln suggestions. %1 selected</source>
        <translation>
            <numerusform>%Ln підказка. Вибрано: %1</numerusform>
            <numerusform>%Ln підказки. Вибрано: %1</numerusform>
            <numerusform>%Ln підказок. Вибрано: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln min</source>
        <translation>
            <numerusform>%Ln хв</numerusform>
            <numerusform>%Ln хв</numerusform>
            <numerusform>%Ln хв</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln words</source>
        <translation>
            <numerusform>%Ln слово</numerusform>
            <numerusform>%Ln слова</numerusform>
            <numerusform>%Ln слів</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln passages from here</source>
        <translation>
            <numerusform>%Ln фрагмент із цього застосунку</numerusform>
            <numerusform>%Ln фрагменти з цього застосунку</numerusform>
            <numerusform>%Ln фрагментів із цього застосунку</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>words</source>
        <comment>unit after a count</comment>
        <translation>
            <numerusform>слово</numerusform>
            <numerusform>слова</numerusform>
            <numerusform>слів</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln days</source>
        <translation>
            <numerusform>%Ln день</numerusform>
            <numerusform>%Ln дні</numerusform>
            <numerusform>%Ln днів</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Words saved per day over the last %Ln days</source>
        <translation>
            <numerusform>Заощаджені слова за днями за останній %Ln день</numerusform>
            <numerusform>Заощаджені слова за днями за останні %Ln дні</numerusform>
            <numerusform>Заощаджені слова за днями за останні %Ln днів</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln day streak</source>
        <translation>
            <numerusform>Серія: %Ln день</numerusform>
            <numerusform>Серія: %Ln дні</numerusform>
            <numerusform>Серія: %Ln днів</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln passages remembered</source>
        <translation>
            <numerusform>Запам&apos;ятовано %Ln фрагмент</numerusform>
            <numerusform>Запам&apos;ятовано %Ln фрагменти</numerusform>
            <numerusform>Запам&apos;ятовано %Ln фрагментів</numerusform>
        </translation>
    </message>
    <message>
        <source>enter</source>
        <translation>enter</translation>
    </message>
    <message>
        <source>Allow screen capture so %app can read those too. Most apps work without it.</source>
        <translation>Дозвольте захоплення екрана, щоб %app міг читати й їх. Більшість застосунків працює без цього.</translation>
    </message>
    <message>
        <source>Type a colon and a word, like :rocket, then press Tab or Enter to pick.</source>
        <translation>Введіть двокрапку й слово, наприклад :rocket, потім натисніть Tab або Enter, щоб вибрати.</translation>
    </message>
    <message>
        <source>You can switch memory off for single apps under Apps &amp; Sites. The key that unlocks it lives in your keyring.</source>
        <translation>Пам&apos;ять можна вимкнути для окремих застосунків у розділі «Застосунки й сайти». Ключ до неї зберігається у сховищі ключів.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln emoji. %1 selected</source>
        <translation>
            <numerusform>%Ln емодзі. Вибрано: %1</numerusform>
            <numerusform>%Ln емодзі. Вибрано: %1</numerusform>
            <numerusform>%Ln емодзі. Вибрано: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Suggestion: %1</source>
        <translation>Підказка: %1</translation>
    </message>
    <message numerus="yes">
        <source>%Ln models available</source>
        <translation>
            <numerusform>Доступна %Ln модель</numerusform>
            <numerusform>Доступні %Ln моделі</numerusform>
            <numerusform>Доступно %Ln моделей</numerusform>
        </translation>
    </message>
    <message>
        <source>The model couldn&apos;t be saved: %1</source>
        <translation>Не вдалося зберегти модель: %1</translation>
    </message>
    <message>
        <source>Ollama isn&apos;t running.</source>
        <translation>Ollama не запущена.</translation>
    </message>
    <message>
        <source>Ollama isn&apos;t running at %1.</source>
        <translation>Ollama не запущена за адресою %1.</translation>
    </message>
    <message>
        <source>No server answered.</source>
        <translation>Жоден сервер не відповів.</translation>
    </message>
    <message>
        <source>No server answered at %1.</source>
        <translation>Жоден сервер не відповів за адресою %1.</translation>
    </message>
    <message>
        <source>Range: %1</source>
        <translation>Період: %1</translation>
    </message>
    <message numerus="yes">
        <source>%1, %Ln to do</source>
        <translation>
            <numerusform>%1, залишилося: %Ln</numerusform>
            <numerusform>%1, залишилося: %Ln</numerusform>
            <numerusform>%1, залишилося: %Ln</numerusform>
        </translation>
    </message>
    <message>
        <source>Type the whole name of the website, such as wikipedia.org.</source>
        <translation>Введіть повну назву сайту, наприклад wikipedia.org.</translation>
    </message>
    <message>
        <source>The key holds a space, an invisible character or a letter outside plain ASCII. Paste it again exactly as your server gave it.</source>
        <translation>Ключ містить пробіл, невидимий символ або літеру поза простим ASCII. Вставте його знову точно так, як його видав сервер.</translation>
    </message>
    <message>
        <source>The keyring could not be read, so your server is asked without an API key. Type the key again if your server needs one.</source>
        <translation>Не вдалося прочитати сховище ключів, тому запити до сервера йдуть без ключа API. Введіть ключ знову, якщо він потрібен серверу.</translation>
    </message>
    <message>
        <source>Your writing memory could not be opened, so it was set aside and %app started a new one.</source>
        <translation>Не вдалося відкрити пам&apos;ять письма, тож її файл збережено окремо, а %app створив нову.</translation>
    </message>
    <message>
        <source>%1, converted for llama.cpp by %2</source>
        <translation>%1, версія для llama.cpp від %2</translation>
    </message>
    <message>
        <source>The data folder %1 could not be made. Check that the folder above it exists and that you may write there.</source>
        <translation>Не вдалося створити теку даних %1. Перевірте, що батьківська тека існує і що ви можете в неї записувати.</translation>
    </message>
    <message>
        <source>party</source>
        <comment>emoji search sample</comment>
        <translation>вечірка</translation>
    </message>
    <message numerus="yes">
        <source>%Ln settings held values %app cannot use, so they were corrected and saved.</source>
        <translation>
            <numerusform>%Ln налаштування містило значення, яке %app не може використати, тому його виправлено й збережено.</numerusform>
            <numerusform>%Ln налаштування містили значення, які %app не може використати, тому їх виправлено й збережено.</numerusform>
            <numerusform>%Ln налаштувань містили значення, які %app не може використати, тому їх виправлено й збережено.</numerusform>
        </translation>
    </message>
    <message>
        <source>Your writing memory is not saved: the keyring is missing or locked, so its key cannot be kept.</source>
        <translation>Пам&apos;ять письма не зберігається: сховища ключів немає або воно заблоковане, тому її ключ ніде зберігати.</translation>
    </message>
    <message>
        <source>That address isn&apos;t valid</source>
        <translation>Ця адреса недійсна</translation>
    </message>
    <message>
        <source>The request timed out.</source>
        <translation>Час очікування запиту минув.</translation>
    </message>
    <message>
        <source>The server&apos;s reply was too long, so it was stopped.</source>
        <translation>Відповідь сервера була задовгою, тому її перервано.</translation>
    </message>
    <message>
        <source>The server answered %1.</source>
        <translation>Сервер відповів %1.</translation>
    </message>
    <message>
        <source>The server answered %1: %2</source>
        <translation>Сервер відповів %1: %2</translation>
    </message>
    <message>
        <source>The download server answered %1. Try again later.</source>
        <translation>Сервер завантаження відповів %1. Спробуйте пізніше.</translation>
    </message>
    <message>
        <source>The download couldn&apos;t be saved: %1</source>
        <translation>Не вдалося зберегти завантажений файл: %1</translation>
    </message>
    <message>
        <source>The download paused because the connection dropped. Try again to pick up where it stopped.</source>
        <translation>Завантаження призупинено, бо з’єднання обірвалося. Спробуйте ще раз, щоб продовжити з місця зупинки.</translation>
    </message>
    <message>
        <source>The download stopped. Check your connection, then try again.</source>
        <translation>Завантаження зупинилося. Перевірте з’єднання й спробуйте ще раз.</translation>
    </message>
    <message>
        <source>Pick an Ollama model in Settings</source>
        <translation>Виберіть модель Ollama в налаштуваннях</translation>
    </message>
    <message>
        <source>Pick a model for your local server</source>
        <translation>Виберіть модель для свого локального сервера</translation>
    </message>
    <message>
        <source>The server&apos;s answer is not HTTP.</source>
        <translation>Відповідь сервера — не HTTP.</translation>
    </message>
    <message>
        <source>The data couldn&apos;t be read because it is missing.</source>
        <translation>Не вдалося прочитати дані: їх немає.</translation>
    </message>
    <message>
        <source>The data couldn&apos;t be read because it isn&apos;t in the correct format.</source>
        <translation>Не вдалося прочитати дані: вони мають неправильний формат.</translation>
    </message>
    <message>
        <source>:%1:</source>
        <comment>emoji name</comment>
        <translation>:%1:</translation>
    </message>
    <message>
        <source>This computer has no on-device language model.</source>
        <translation>На цьому комп&apos;ютері немає вбудованої мовної моделі.</translation>
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
        <translation>Призупинено на %1</translation>
    </message>
    <message>
        <source>Paused in %1</source>
        <translation>Призупинено в %1</translation>
    </message>
    <message>
        <source>Off on %1</source>
        <translation>Вимкнено на %1</translation>
    </message>
    <message>
        <source>Off in %1</source>
        <translation>Вимкнено в %1</translation>
    </message>
    <message>
        <source>Off in %1 by default</source>
        <translation>Типово вимкнено в %1</translation>
    </message>
    <message>
        <source>Off in code editors</source>
        <translation>Вимкнено в редакторах коду</translation>
    </message>
    <message>
        <source>Off unless turned on per app</source>
        <translation>Вимкнено, якщо не ввімкнено для застосунку</translation>
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
        <translation>Пробіл</translation>
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
        <translation>Клавіша %1</translation>
    </message>
    <message>
        <source>An email reply reads differently from a commit message.</source>
        <translation>Відповідь на лист пишуть інакше, ніж повідомлення коміту.</translation>
    </message>
    <message>
        <source>Writes straight into the field. Cleanest in GTK and Qt apps.</source>
        <translation>Пише просто в поле. Найчистіше в застосунках GTK і Qt.</translation>
    </message>
    <message>
        <source>Typing</source>
        <comment>insertion method</comment>
        <translation>Набір</translation>
    </message>
    <message>
        <source>%1 h</source>
        <comment>hours with one decimal, such as 1.5</comment>
        <translation>%1 год</translation>
    </message>
    <message numerus="yes">
        <source>%Ln h</source>
        <translation>
            <numerusform>%Ln год</numerusform>
            <numerusform>%Ln год</numerusform>
            <numerusform>%Ln год</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln ms</source>
        <translation>
            <numerusform>%Ln мс</numerusform>
            <numerusform>%Ln мс</numerusform>
            <numerusform>%Ln мс</numerusform>
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
            <numerusform>%Ln слово заощаджено сьогодні</numerusform>
            <numerusform>%Ln слова заощаджено сьогодні</numerusform>
            <numerusform>%Ln слів заощаджено сьогодні</numerusform>
        </translation>
    </message>
    <message>
        <source>Under a minute of typing saved today.</source>
        <translation>Сьогодні заощаджено менше хвилини набору.</translation>
    </message>
    <message>
        <source>About %1 of typing saved today.</source>
        <translation>Сьогодні заощаджено близько %1 набору.</translation>
    </message>
    <message numerus="yes">
        <source>Step %1 of %Ln</source>
        <translation>
            <numerusform>Крок %1 з %Ln</numerusform>
            <numerusform>Крок %1 з %Ln</numerusform>
            <numerusform>Крок %1 з %Ln</numerusform>
        </translation>
    </message>
    <message>
        <source>%app reads and types into text fields through the desktop&apos;s accessibility support, which some desktops leave off. %app uses it only for the field you&apos;re writing in.</source>
        <translation>%app читає текстові поля й вводить у них текст через підтримку спеціальних можливостей стільниці, яку деякі стільниці залишають вимкненою. %app використовує її лише для поля, у якому ви пишете.</translation>
    </message>
    <message>
        <source>The button switches the desktop&apos;s accessibility support on. If the desktop&apos;s settings open instead, turn accessibility on there, then come back. This page updates by itself.</source>
        <translation>Кнопка вмикає підтримку спеціальних можливостей стільниці. Якщо натомість відкриються налаштування стільниці, увімкніть там спеціальні можливості й поверніться. Ця сторінка оновлюється сама.</translation>
    </message>
    <message>
        <source>Still off? Some desktops start their accessibility service only when you log in. Log out and back in, then try again.</source>
        <translation>Досі вимкнено? Деякі стільниці запускають службу спеціальних можливостей лише під час входу. Вийдіть із системи, увійдіть знову й спробуйте ще раз.</translation>
    </message>
    <message>
        <source>Pause</source>
        <comment>section header</comment>
        <translation>Пауза</translation>
    </message>
    <message>
        <source>Pause</source>
        <comment>button</comment>
        <translation>Призупинити</translation>
    </message>
    <message>
        <source>typing</source>
        <comment>insertion method, in a sentence</comment>
        <translation>набір</translation>
    </message>
    <message>
        <source>accessibility</source>
        <comment>insertion method, in a sentence</comment>
        <translation>спеціальні можливості</translation>
    </message>
    <message>
        <source>paste</source>
        <comment>insertion method, in a sentence</comment>
        <translation>вставлення</translation>
    </message>
    <message>
        <source>short</source>
        <comment>suggestion length, in a sentence</comment>
        <translation>короткі</translation>
    </message>
    <message>
        <source>medium</source>
        <comment>suggestion length, in a sentence</comment>
        <translation>середні</translation>
    </message>
    <message>
        <source>long</source>
        <comment>suggestion length, in a sentence</comment>
        <translation>довгі</translation>
    </message>
    <message>
        <source>Default follows General: %1, %2 suggestions.</source>
        <translation>Типово як у розділі «Загальні»: %1, %2 підказки.</translation>
    </message>
    <message>
        <source>Yes, at %1, %2 on screen, %3 pt tall, %4 and %5</source>
        <translation>Так, у точці %1, %2 на екрані, висота %3 pt, %4 і %5</translation>
    </message>
    <message numerus="yes">
        <source>%Ln characters before it</source>
        <translation>
            <numerusform>%Ln символ перед ним</numerusform>
            <numerusform>%Ln символи перед ним</numerusform>
            <numerusform>%Ln символів перед ним</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln after</source>
        <comment>characters after the caret</comment>
        <translation>
            <numerusform>%Ln після</numerusform>
            <numerusform>%Ln після</numerusform>
            <numerusform>%Ln після</numerusform>
        </translation>
    </message>
    <message>
        <source>No system tray runs on this desktop, so the icon cannot show. %1</source>
        <translation>На цій стільниці не працює системний лоток, тому значок не може з&apos;явитися. %1</translation>
    </message>
    <message>
        <source>Typing</source>
        <comment>section header</comment>
        <translation>Набір</translation>
    </message>
    <message>
        <source>Switch to the computer&apos;s language?</source>
        <translation>Перейти на мову комп’ютера?</translation>
    </message>
    <message numerus="yes">
        <source>%Ln words this week.</source>
        <translation>
            <numerusform>%Ln слово цього тижня.</numerusform>
            <numerusform>%Ln слова цього тижня.</numerusform>
            <numerusform>%Ln слів цього тижня.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Under a minute of typing saved today. %Ln words this week.</source>
        <translation>
            <numerusform>Сьогодні заощаджено менше хвилини набору. %Ln слово цього тижня.</numerusform>
            <numerusform>Сьогодні заощаджено менше хвилини набору. %Ln слова цього тижня.</numerusform>
            <numerusform>Сьогодні заощаджено менше хвилини набору. %Ln слів цього тижня.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>About %1 of typing saved today. %Ln words this week.</source>
        <translation>
            <numerusform>Сьогодні заощаджено близько %1 набору. %Ln слово цього тижня.</numerusform>
            <numerusform>Сьогодні заощаджено близько %1 набору. %Ln слова цього тижня.</numerusform>
            <numerusform>Сьогодні заощаджено близько %1 набору. %Ln слів цього тижня.</numerusform>
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
            <numerusform>%Ln з %1 готово</numerusform>
            <numerusform>%Ln з %1 готово</numerusform>
            <numerusform>%Ln з %1 готово</numerusform>
        </translation>
    </message>
    <message>
        <source>The server refused the connection. Check that it is running and that the address is right.</source>
        <translation>Сервер відхилив з’єднання. Перевірте, чи він запущений і чи правильна адреса.</translation>
    </message>
    <message>
        <source>The server&apos;s name couldn&apos;t be found. Check the address.</source>
        <translation>Ім’я сервера не знайдено. Перевірте адресу.</translation>
    </message>
    <message>
        <source>A secure connection to the server couldn&apos;t be made.</source>
        <translation>Не вдалося встановити захищене з’єднання із сервером.</translation>
    </message>
    <message>
        <source>The server closed the connection before it answered.</source>
        <translation>Сервер закрив з’єднання, не відповівши.</translation>
    </message>
    <message>
        <source>The network proxy couldn&apos;t be reached.</source>
        <translation>Мережевий проксі-сервер недоступний.</translation>
    </message>
    <message>
        <source>The server couldn&apos;t be reached.</source>
        <translation>Сервер недоступний.</translation>
    </message>
    <message>
        <source>Waiting for the network…</source>
        <translation>Очікування мережі…</translation>
    </message>
    <message>
        <source>%1 is taken by another program.</source>
        <translation>Комбінацію клавіш %1 уже зайняла інша програма.</translation>
    </message>
    <message>
        <source>%1 could not open again. Your choice takes effect the next time you start it.</source>
        <translation>Не вдалося перезапустити %1. Ваш вибір набуде чинності під час наступного запуску.</translation>
    </message>
    <message>
        <source>Downloading the model</source>
        <translation>Завантаження моделі</translation>
    </message>
    <message numerus="yes">
        <source>These apps answer the Tab key before %app can, so %app stays paused in your other apps until they quit.</source>
        <translation>
            <numerusform>Ці застосунки реагують на клавішу Tab раніше за %app, тому %app призупинено в інших застосунках, доки вони не закриються.</numerusform>
            <numerusform>Ці застосунки реагують на клавішу Tab раніше за %app, тому %app призупинено в інших застосунках, доки вони не закриються.</numerusform>
            <numerusform>Ці застосунки реагують на клавішу Tab раніше за %app, тому %app призупинено в інших застосунках, доки вони не закриються.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>It may be waiting on a dialog of its own. Force Quit closes it right away.</source>
        <translation>
            <numerusform>Можливо, він чекає на відповідь у власному діалозі. «Примусово закрити» закриє його одразу.</numerusform>
            <numerusform>Можливо, вони чекають на відповідь у власних діалогах. «Примусово закрити» закриє їх одразу.</numerusform>
            <numerusform>Можливо, вони чекають на відповідь у власних діалогах. «Примусово закрити» закриє їх одразу.</numerusform>
        </translation>
    </message>
    <message>
        <source>Set a Suggest Now shortcut in Keys to ask for suggestions</source>
        <translation>Задайте комбінацію «Підказати зараз» у розділі «Клавіші», щоб запитувати підказки</translation>
    </message>
    <message>
        <source>Backspace</source>
        <comment>key above Enter that deletes backwards</comment>
        <translation>Backspace</translation>
    </message>
    <message>
        <source>0 words saved today</source>
        <translation>0 слів заощаджено сьогодні</translation>
    </message>
    <message>
        <source>words saved today</source>
        <comment>beside the count 0</comment>
        <translation>слів заощаджено сьогодні</translation>
    </message>
    <message>
        <source>Quit the other app</source>
        <translation>Закрити інший застосунок</translation>
    </message>
    <message>
        <source>None yet</source>
        <comment>no app looked at yet</comment>
        <translation>Поки немає</translation>
    </message>
    <message>
        <source>None yet</source>
        <comment>no suggestion shown yet</comment>
        <translation>Поки немає</translation>
    </message>
    <message>
        <source>The other app is also running</source>
        <translation>Інший застосунок теж запущено</translation>
    </message>
    <message>
        <source>Both apps answer the Tab key, and the system gives it to the other app first. %app stays paused in your other apps until the other app quits.</source>
        <translation>Обидва застосунки реагують на клавішу Tab, і система спершу віддає її іншому застосунку. %app призупинено в інших застосунках, доки той застосунок не закриється.</translation>
    </message>
    <message>
        <source>The other app is still open</source>
        <translation>Інший застосунок досі відкритий</translation>
    </message>
    <message>
        <source>The other app quit, so your suggestions are back in every app.</source>
        <translation>Інший застосунок закрито, тож підказки знову працюють в усіх застосунках.</translation>
    </message>
    <message>
        <source>The other app quit. %app has the Tab key.</source>
        <translation>Інший застосунок закрито. Клавіша Tab у %app.</translation>
    </message>
</context>
</TS>
