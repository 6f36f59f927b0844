<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru" sourcelanguage="en">
<context>
    <name>Tessaquill</name>
    <message>
        <source>Accessibility is on. %app is ready in your other apps.</source>
        <translation>Специальные возможности включены. %app готов к работе в других приложениях.</translation>
    </message>
    <message>
        <source>Paused while %1 is open</source>
        <translation>Приостановлено, пока открыто приложение %1</translation>
    </message>
    <message>
        <source>Welcome to %app</source>
        <translation>Добро пожаловать в %app</translation>
    </message>
    <message>
        <source>%app</source>
        <translation>%app</translation>
    </message>
    <message>
        <source>Another autocomplete app is running</source>
        <translation>Запущено другое приложение автодополнения</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Готов к работе</translation>
    </message>
    <message>
        <source>Waiting for a pause</source>
        <translation>Ожидание паузы</translation>
    </message>
    <message>
        <source>Thinking</source>
        <translation>Думает</translation>
    </message>
    <message>
        <source>Showing a suggestion</source>
        <translation>Показ подсказки</translation>
    </message>
    <message>
        <source>The model took too long to answer</source>
        <translation>Модель отвечала слишком долго</translation>
    </message>
    <message>
        <source>This app doesn&apos;t report where the caret is</source>
        <translation>Это приложение не сообщает, где находится курсор</translation>
    </message>
    <message>
        <source>%app is turned off</source>
        <translation>%app выключен</translation>
    </message>
    <message>
        <source>Secure input is on, so %app stays out</source>
        <translation>Включён защищённый ввод, поэтому %app не вмешивается</translation>
    </message>
    <message>
        <source>Press %1 for a suggestion</source>
        <translation>Нажмите %1, чтобы получить подсказку</translation>
    </message>
    <message>
        <source>Text is selected</source>
        <translation>Выделен текст</translation>
    </message>
    <message>
        <source>The caret is inside existing text</source>
        <translation>Курсор находится внутри текста</translation>
    </message>
    <message>
        <source>This field is too small</source>
        <translation>Это поле слишком маленькое</translation>
    </message>
    <message>
        <source>Waiting for a few characters</source>
        <translation>Ожидание нескольких символов</translation>
    </message>
    <message>
        <source>Start of a new line</source>
        <translation>Начало новой строки</translation>
    </message>
    <message>
        <source>The model is still downloading</source>
        <translation>Модель ещё скачивается</translation>
    </message>
    <message>
        <source>Download the %app model in Settings first</source>
        <translation>Сначала скачайте модель %app в настройках</translation>
    </message>
    <message>
        <source>Not checked yet</source>
        <translation>Ещё не проверено</translation>
    </message>
    <message>
        <source>Checking…</source>
        <translation>Проверка…</translation>
    </message>
    <message>
        <source>The model stopped with error %1</source>
        <translation>Модель остановилась с ошибкой %1</translation>
    </message>
    <message>
        <source>The model file couldn&apos;t be loaded</source>
        <translation>Не удалось загрузить файл модели</translation>
    </message>
    <message>
        <source>There wasn&apos;t enough memory to start the model</source>
        <translation>Недостаточно памяти для запуска модели</translation>
    </message>
    <message>
        <source>The text couldn&apos;t be prepared for the model</source>
        <translation>Не удалось подготовить текст для модели</translation>
    </message>
    <message>
        <source>This computer needs %1 free for the download. Free up some space, then try again.</source>
        <translation>Для скачивания нужно %1 свободного места. Освободите место и повторите попытку.</translation>
    </message>
    <message>
        <source>The download didn&apos;t match the expected file, so it was deleted. Try again.</source>
        <translation>Скачанный файл не совпал с ожидаемым, поэтому он удалён. Повторите попытку.</translation>
    </message>
    <message>
        <source>Downloaded</source>
        <translation>Скачано</translation>
    </message>
    <message>
        <source>Downloading. Suggestions start once it&apos;s done.</source>
        <translation>Скачивание. Подсказки появятся, когда оно завершится.</translation>
    </message>
    <message>
        <source>Checking the download.</source>
        <translation>Проверка скачанного файла.</translation>
    </message>
    <message>
        <source>Checking the download. Suggestions start once it&apos;s done.</source>
        <translation>Проверка скачанного файла. Подсказки появятся, когда она завершится.</translation>
    </message>
    <message>
        <source>Download the model to start</source>
        <translation>Скачайте модель, чтобы начать</translation>
    </message>
    <message>
        <source>Ollama is running but has no models</source>
        <translation>Ollama запущена, но моделей в ней нет</translation>
    </message>
    <message>
        <source>Another app</source>
        <translation>Другое приложение</translation>
    </message>
    <message>
        <source>There is no D-Bus session bus, so %1 cannot reach text fields.</source>
        <translation>Нет сеансовой шины D-Bus, поэтому %1 не может получить доступ к текстовым полям.</translation>
    </message>
    <message>
        <source>The desktop&apos;s accessibility bus is not running, so %1 cannot reach text fields.</source>
        <translation>Шина специальных возможностей рабочего стола не запущена, поэтому %1 не может получить доступ к текстовым полям.</translation>
    </message>
    <message>
        <source>Short</source>
        <translation>Короткая</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Средняя</translation>
    </message>
    <message>
        <source>Long</source>
        <translation>Длинная</translation>
    </message>
    <message>
        <source>Hide the suggestion</source>
        <translation>Скрыть подсказку</translation>
    </message>
    <message>
        <source>Hide suggestions until I change fields</source>
        <translation>Скрывать подсказки до перехода в другое поле</translation>
    </message>
    <message>
        <source>Do nothing, send Escape to the app</source>
        <translation>Ничего не делать, передать Escape приложению</translation>
    </message>
    <message>
        <source>Type it</source>
        <translation>Набор текста</translation>
    </message>
    <message>
        <source>Insert through Accessibility</source>
        <translation>Вставка через специальные возможности</translation>
    </message>
    <message>
        <source>Paste it</source>
        <translation>Вставка из буфера обмена</translation>
    </message>
    <message>
        <source>Grey</source>
        <translation>Серый</translation>
    </message>
    <message>
        <source>Gold tint</source>
        <translation>Золотистый</translation>
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
        <translation>Локальный сервер</translation>
    </message>
    <message>
        <source>Runs on this computer after a one-time download. Works offline.</source>
        <translation>Работает на этом компьютере после однократного скачивания. Интернет не нужен.</translation>
    </message>
    <message>
        <source>Any model you run in Ollama, base models included.</source>
        <translation>Любая модель, запущенная в Ollama, включая базовые.</translation>
    </message>
    <message>
        <source>LM Studio, llama-server or any OpenAI-compatible endpoint.</source>
        <translation>LM Studio, llama-server или любой OpenAI-совместимый сервер.</translation>
    </message>
    <message>
        <source>Sends the text as keystrokes. Works almost everywhere.</source>
        <translation>Отправляет текст как нажатия клавиш. Работает почти везде.</translation>
    </message>
    <message>
        <source>Uses the clipboard, then puts your clipboard back.</source>
        <translation>Использует буфер обмена, а затем восстанавливает его содержимое.</translation>
    </message>
    <message>
        <source>Accessibility</source>
        <translation>Специальные возможности</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Буфер обмена</translation>
    </message>
    <message>
        <source>Your writing memory could not be opened and was set aside. Nothing new is remembered until %app starts again.</source>
        <translation>Не удалось открыть память письма, поэтому её файл сохранён отдельно. Ничего нового не запоминается до перезапуска %app.</translation>
    </message>
    <message>
        <source>Your writing memory could not be opened because its key could not be read from the keyring. Nothing new is remembered until %app starts again.</source>
        <translation>Не удалось открыть память письма: ключ к ней не удалось прочитать из связки ключей. Ничего нового не запоминается до перезапуска %app.</translation>
    </message>
    <message>
        <source>Not Now</source>
        <translation>Не сейчас</translation>
    </message>
    <message>
        <source>Open the desktop&apos;s settings</source>
        <translation>Открыть настройки рабочего стола</translation>
    </message>
    <message>
        <source>Don&apos;t remind me again</source>
        <translation>Больше не напоминать</translation>
    </message>
    <message>
        <source>Open Playground</source>
        <translation>Открыть песочницу</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Quit %app</source>
        <translation>Выйти из %app</translation>
    </message>
    <message>
        <source>Needs Accessibility access</source>
        <translation>Нужен доступ к специальным возможностям</translation>
    </message>
    <message>
        <source>Paused until you resume</source>
        <translation>Приостановлено до возобновления</translation>
    </message>
    <message>
        <source>Paused until %1</source>
        <translation>Приостановлено до %1</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Выкл.</translation>
    </message>
    <message numerus="yes">
        <source>Paused while %1 are open</source>
        <translation>
            <numerusform>Приостановлено, пока открыто приложение %1</numerusform>
            <numerusform>Приостановлено, пока открыты приложения %1</numerusform>
            <numerusform>Приостановлено, пока открыты приложения %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Grant Accessibility Access…</source>
        <translation>Разрешить доступ к специальным возможностям…</translation>
    </message>
    <message numerus="yes">
        <source>Force Quit %1</source>
        <translation>
            <numerusform>Принудительно закрыть %1</numerusform>
            <numerusform>Принудительно закрыть %1</numerusform>
            <numerusform>Принудительно закрыть %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Quit %1</source>
        <translation>
            <numerusform>Закрыть %1</numerusform>
            <numerusform>Закрыть %1</numerusform>
            <numerusform>Закрыть %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>words saved today</source>
        <translation>
            <numerusform>слово сэкономлено сегодня</numerusform>
            <numerusform>слова сэкономлено сегодня</numerusform>
            <numerusform>слов сэкономлено сегодня</numerusform>
        </translation>
    </message>
    <message>
        <source>Start typing anywhere. %app keeps count here.</source>
        <translation>Начните печатать где угодно. %app ведёт подсчёт здесь.</translation>
    </message>
    <message>
        <source>Resume in %1</source>
        <translation>Возобновить в %1</translation>
    </message>
    <message>
        <source>Pause in %1</source>
        <translation>Приостановить в %1</translation>
    </message>
    <message>
        <source>Resume Everywhere</source>
        <translation>Возобновить везде</translation>
    </message>
    <message>
        <source>Pause Everywhere</source>
        <translation>Приостановить везде</translation>
    </message>
    <message>
        <source>For 15 Minutes</source>
        <translation>На 15 минут</translation>
    </message>
    <message>
        <source>For 1 Hour</source>
        <translation>На 1 час</translation>
    </message>
    <message>
        <source>For 4 Hours</source>
        <translation>На 4 часа</translation>
    </message>
    <message>
        <source>Until I Resume</source>
        <translation>До возобновления</translation>
    </message>
    <message>
        <source>Example: after typing %1, %2 suggests %3</source>
        <translation>Пример: после «%1» %2 предлагает «%3»</translation>
    </message>
    <message>
        <source>takes the next word</source>
        <translation>принимает следующее слово</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Скачать</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 из %2</translation>
    </message>
    <message>
        <source>%1 of %2. You can keep writing while it downloads.</source>
        <translation>%1 из %2. Можно продолжать писать, пока идёт скачивание.</translation>
    </message>
    <message>
        <source>Checking the download</source>
        <translation>Проверка скачанного файла</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Повторить</translation>
    </message>
    <message>
        <source>Remove…</source>
        <translation>Удалить…</translation>
    </message>
    <message>
        <source>%1 license</source>
        <translation>Лицензия %1</translation>
    </message>
    <message>
        <source>Remove the %app model?</source>
        <translation>Удалить модель %app?</translation>
    </message>
    <message>
        <source>Model download</source>
        <translation>Скачивание модели</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Продолжить</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Позже</translation>
    </message>
    <message>
        <source>Start Writing</source>
        <translation>Начать писать</translation>
    </message>
    <message>
        <source>Finish your sentences in any app.</source>
        <translation>Дописывает ваши предложения в любом приложении.</translation>
    </message>
    <message>
        <source>%app reads the words before your caret and suggests what comes next in grey. Press Tab to take one word, or the key above Tab to take the rest. If you don&apos;t want it, keep typing.</source>
        <translation>%app читает слова перед курсором и серым цветом предлагает продолжение. Нажмите Tab, чтобы принять одно слово, или клавишу над Tab, чтобы принять всё остальное. Если подсказка не нужна, просто печатайте дальше.</translation>
    </message>
    <message>
        <source>Sees what you see</source>
        <translation>Видит то же, что и вы</translation>
    </message>
    <message>
        <source>Private</source>
        <translation>Конфиденциально</translation>
    </message>
    <message>
        <source>It reads the window you&apos;re typing in, like the chat you&apos;re answering, so suggestions fit. None of it goes online, to us or any server. It stays private on your computer.</source>
        <translation>Он читает окно, в котором вы печатаете, например чат, на который отвечаете, чтобы подсказки были к месту. Ничего из этого не уходит в сеть — ни нам, ни на какой-либо сервер. Всё остаётся на вашем компьютере.</translation>
    </message>
    <message>
        <source>Accessibility is on</source>
        <translation>Специальные возможности включены</translation>
    </message>
    <message>
        <source>%app can now read the field you&apos;re writing in and type suggestions for you.</source>
        <translation>Теперь %app может читать поле, в котором вы пишете, и вводить подсказки за вас.</translation>
    </message>
    <message>
        <source>Let %app see what you type.</source>
        <translation>Разрешите %app видеть, что вы печатаете.</translation>
    </message>
    <message>
        <source>%app reads your text when you pause and forgets it after one suggestion, unless you turn on writing memory.</source>
        <translation>%app читает ваш текст, когда вы делаете паузу, и забывает его после одной подсказки, если не включена память письма.</translation>
    </message>
    <message>
        <source>%app skips password fields and anything else the system marks as secure.</source>
        <translation>%app пропускает поля паролей и всё, что система помечает как защищённое.</translation>
    </message>
    <message>
        <source>Open Accessibility Settings</source>
        <translation>Открыть настройки специальных возможностей</translation>
    </message>
    <message>
        <source>Pick what writes your suggestions.</source>
        <translation>Выберите, что будет писать подсказки.</translation>
    </message>
    <message>
        <source>You can change this any time in Settings.</source>
        <translation>Это можно изменить в любой момент в настройках.</translation>
    </message>
    <message>
        <source>Give it a try.</source>
        <translation>Попробуйте.</translation>
    </message>
    <message>
        <source>Start typing a sentence. When grey words appear, press Tab for one word or the key above Tab for all of them.</source>
        <translation>Начните печатать предложение. Когда появятся серые слова, нажмите Tab, чтобы принять одно слово, или клавишу над Tab, чтобы принять все.</translation>
    </message>
    <message>
        <source>Hi Orlenn, thanks for the quick reply. I think we should</source>
        <translation>Привет, Орлен! Спасибо за быстрый ответ. Думаю, нам стоит</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>Practice field</source>
        <translation>Поле для тренировки</translation>
    </message>
    <message>
        <source>Default, on</source>
        <translation>По умолчанию, вкл.</translation>
    </message>
    <message>
        <source>Default, off</source>
        <translation>По умолчанию, выкл.</translation>
    </message>
    <message>
        <source>Add a website</source>
        <translation>Добавить сайт</translation>
    </message>
    <message>
        <source>Domain</source>
        <translation>Домен</translation>
    </message>
    <message>
        <source>Rules for a site apply in any browser %app can read.</source>
        <translation>Правила для сайта действуют в любом браузере, который %app может читать.</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Добавить</translation>
    </message>
    <message>
        <source>Add App…</source>
        <translation>Добавить приложение…</translation>
    </message>
    <message>
        <source>Add an app</source>
        <translation>Добавить приложение</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Поиск</translation>
    </message>
    <message>
        <source>Clear search</source>
        <translation>Очистить поиск</translation>
    </message>
    <message>
        <source>Add an app or website</source>
        <translation>Добавить приложение или сайт</translation>
    </message>
    <message>
        <source>Add Website…</source>
        <translation>Добавить сайт…</translation>
    </message>
    <message>
        <source>Apps &amp; Sites</source>
        <translation>Приложения и сайты</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Приостановлено</translation>
    </message>
    <message>
        <source>Apps</source>
        <translation>Приложения</translation>
    </message>
    <message>
        <source>Websites</source>
        <translation>Сайты</translation>
    </message>
    <message>
        <source>No matches</source>
        <translation>Нет совпадений</translation>
    </message>
    <message>
        <source>No apps yet</source>
        <translation>Приложений пока нет</translation>
    </message>
    <message>
        <source>Nothing matches “%1”.</source>
        <translation>Ничего не найдено по запросу «%1».</translation>
    </message>
    <message>
        <source>Apps appear here once you accept a suggestion in them, or add one with +.</source>
        <translation>Приложения появятся здесь, когда вы примете в них подсказку. Их также можно добавить кнопкой +.</translation>
    </message>
    <message>
        <source>Pick an app or site</source>
        <translation>Выберите приложение или сайт</translation>
    </message>
    <message>
        <source>Each one can have its own rules. Anything you don&apos;t change follows General.</source>
        <translation>У каждого могут быть свои правила. Всё, что вы не меняете, следует разделу «Основные».</translation>
    </message>
    <message>
        <source>Words saved here</source>
        <translation>Сэкономлено слов здесь</translation>
    </message>
    <message>
        <source>Suggestions</source>
        <translation>Подсказки</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Вкл.</translation>
    </message>
    <message>
        <source>Tab accepts suggestions</source>
        <translation>Tab принимает подсказки</translation>
    </message>
    <message>
        <source>Turn off where Tab already means something, like indenting. The other accept key still works.</source>
        <translation>Выключите там, где Tab уже что-то делает, например для отступа. Другая клавиша принятия продолжит работать.</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>По умолчанию</translation>
    </message>
    <message>
        <source>Insert by</source>
        <translation>Способ вставки</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Длина</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Возобновить</translation>
    </message>
    <message>
        <source>Pause here</source>
        <translation>Приостановить здесь</translation>
    </message>
    <message>
        <source>Memory</source>
        <translation>Память</translation>
    </message>
    <message>
        <source>Remember my writing here</source>
        <translation>Запоминать мой стиль письма здесь</translation>
    </message>
    <message>
        <source>Writing memory is off in Your Voice.</source>
        <translation>Память письма отключена в разделе «Ваш стиль».</translation>
    </message>
    <message>
        <source>Erase…</source>
        <translation>Стереть…</translation>
    </message>
    <message>
        <source>Reset to Defaults</source>
        <translation>Вернуть значения по умолчанию</translation>
    </message>
    <message>
        <source>Erase what %app remembered from %1?</source>
        <translation>Стереть всё, что %app запомнил в %1?</translation>
    </message>
    <message>
        <source>Erase</source>
        <translation>Стереть</translation>
    </message>
    <message>
        <source>Passages from this app can shape suggestions everywhere.</source>
        <translation>Фрагменты из этого приложения могут влиять на подсказки везде.</translation>
    </message>
    <message>
        <source>Finish setting up</source>
        <translation>Завершите настройку</translation>
    </message>
    <message>
        <source>Setup progress</source>
        <translation>Ход настройки</translation>
    </message>
    <message>
        <source>Done: %1</source>
        <translation>Готово: %1</translation>
    </message>
    <message>
        <source>Best day yet!</source>
        <translation>Рекордный день!</translation>
    </message>
    <message>
        <source>Try it here</source>
        <translation>Попробуйте здесь</translation>
    </message>
    <message>
        <source>Thanks for sending the draft over. I had a look and</source>
        <translation>Спасибо, что прислали черновик. Я посмотрел, и</translation>
    </message>
    <message>
        <source>next word</source>
        <translation>следующее слово</translation>
    </message>
    <message>
        <source>whole suggestion</source>
        <translation>вся подсказка</translation>
    </message>
    <message>
        <source>hide it</source>
        <translation>скрыть</translation>
    </message>
    <message>
        <source>This field runs the real engine. Start typing and grey words show up as you go.</source>
        <translation>В этом поле работает настоящий движок. Начните печатать, и по мере набора появятся серые слова.</translation>
    </message>
    <message>
        <source>This field runs the real engine, even before you allow Accessibility. Start typing and grey words show up as you go.</source>
        <translation>В этом поле работает настоящий движок, даже до того как вы разрешите специальные возможности. Начните печатать, и по мере набора появятся серые слова.</translation>
    </message>
    <message>
        <source>You&apos;re all set</source>
        <translation>Всё готово</translation>
    </message>
    <message>
        <source>Accessibility is on and %1 is ready. %app works in every app you type in.</source>
        <translation>Специальные возможности включены, движок «%1» готов. %app работает во всех приложениях, где вы печатаете.</translation>
    </message>
    <message>
        <source>Waiting for %1 to quit</source>
        <translation>Ожидание закрытия %1</translation>
    </message>
    <message>
        <source>Turned off</source>
        <translation>Выключено</translation>
    </message>
    <message>
        <source>Paused everywhere</source>
        <translation>Приостановлено везде</translation>
    </message>
    <message>
        <source>%1, %2 typical wait</source>
        <translation>%1, обычное ожидание %2</translation>
    </message>
    <message>
        <source>Start your streak today.</source>
        <translation>Начните серию сегодня.</translation>
    </message>
    <message>
        <source>Overview</source>
        <translation>Обзор</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Основные</translation>
    </message>
    <message>
        <source>Engine</source>
        <translation>Движок</translation>
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
        <translation>Клавиши</translation>
    </message>
    <message>
        <source>Emoji</source>
        <translation>Эмодзи</translation>
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
        <translation>Инспектор полей</translation>
    </message>
    <message>
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>How %app is doing today</source>
        <translation>Как %app работает сегодня</translation>
    </message>
    <message>
        <source>Where and how suggestions appear</source>
        <translation>Где и как появляются подсказки</translation>
    </message>
    <message>
        <source>The model that writes your suggestions</source>
        <translation>Модель, которая пишет подсказки</translation>
    </message>
    <message>
        <source>What %app may look at to guess better</source>
        <translation>Что %app может учитывать для точных подсказок</translation>
    </message>
    <message>
        <source>Help suggestions sound like you</source>
        <translation>Подсказки в вашем стиле</translation>
    </message>
    <message>
        <source>Accept, dismiss and summon suggestions</source>
        <translation>Принятие, скрытие и вызов подсказок</translation>
    </message>
    <message>
        <source>Emoji search and emoticons</source>
        <translation>Поиск эмодзи и смайлики</translation>
    </message>
    <message>
        <source>Rules for each app and website</source>
        <translation>Правила для каждого приложения и сайта</translation>
    </message>
    <message>
        <source>Save power when you&apos;re unplugged</source>
        <translation>Экономия энергии без зарядки</translation>
    </message>
    <message>
        <source>Words saved and how fast suggestions arrive</source>
        <translation>Сэкономленные слова и скорость подсказок</translation>
    </message>
    <message>
        <source>What %app sees in the focused field</source>
        <translation>Что %app видит в активном поле</translation>
    </message>
    <message>
        <source>Version and privacy</source>
        <translation>Версия и конфиденциальность</translation>
    </message>
    <message>
        <source>Writing</source>
        <translation>Написание</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Ввод</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Правила</translation>
    </message>
    <message>
        <source>Activity</source>
        <translation>Активность</translation>
    </message>
    <message>
        <source>%app can read the field you&apos;re typing in and insert suggestions in any app.</source>
        <translation>%app может читать поле, в котором вы печатаете, и вставлять подсказки в любом приложении.</translation>
    </message>
    <message>
        <source>Allow Accessibility access</source>
        <translation>Разрешите доступ к специальным возможностям</translation>
    </message>
    <message>
        <source>%app needs it to read the text you type in other apps and to insert suggestions.</source>
        <translation>Он нужен %app, чтобы читать текст, который вы вводите в других приложениях, и вставлять подсказки.</translation>
    </message>
    <message>
        <source>Allow…</source>
        <translation>Разрешить…</translation>
    </message>
    <message>
        <source>%1 is ready</source>
        <translation>Движок «%1» готов</translation>
    </message>
    <message>
        <source>Checking %1</source>
        <translation>Проверка: %1</translation>
    </message>
    <message>
        <source>This takes a moment.</source>
        <translation>Это займёт немного времени.</translation>
    </message>
    <message>
        <source>Your engine isn&apos;t ready</source>
        <translation>Движок не готов</translation>
    </message>
    <message>
        <source>Open Engine</source>
        <translation>Открыть «Движок»</translation>
    </message>
    <message>
        <source>The system&apos;s predictions are off</source>
        <translation>Системный предиктивный ввод выключен</translation>
    </message>
    <message>
        <source>Only %app&apos;s suggestions appear while you type.</source>
        <translation>Пока вы печатаете, появляются только подсказки %app.</translation>
    </message>
    <message>
        <source>Turn off the system&apos;s predictions</source>
        <translation>Выключите системный предиктивный ввод</translation>
    </message>
    <message>
        <source>The system shows its own grey suggestions on top of %app&apos;s. Each app picks up the change the next time you open it.</source>
        <translation>Система показывает свои серые подсказки поверх подсказок %app. Каждое приложение учтёт изменение при следующем открытии.</translation>
    </message>
    <message>
        <source>Keyboard Settings</source>
        <translation>Настройки клавиатуры</translation>
    </message>
    <message>
        <source>Turn Off</source>
        <translation>Выключить</translation>
    </message>
    <message>
        <source>Only %app is suggesting</source>
        <translation>Подсказывает только %app</translation>
    </message>
    <message>
        <source>Tab reaches %app again.</source>
        <translation>Клавиша Tab снова работает для %app.</translation>
    </message>
    <message numerus="yes">
        <source>%1 didn&apos;t quit. They may be showing a dialog. Force Quit closes them right away.</source>
        <translation>
            <numerusform>Приложение %1 не закрылось. Возможно, оно показывает диалог. «Принудительно закрыть» закроет его сразу.</numerusform>
            <numerusform>Приложения %1 не закрылись. Возможно, они показывают диалог. «Принудительно закрыть» закроет их сразу.</numerusform>
            <numerusform>Приложения %1 не закрылись. Возможно, они показывают диалог. «Принудительно закрыть» закроет их сразу.</numerusform>
        </translation>
    </message>
    <message>
        <source>Force Quit</source>
        <translation>Принудительно закрыть</translation>
    </message>
    <message numerus="yes">
        <source>%1 take the Tab key before %app can, so %app stays paused in your other apps until you quit them.</source>
        <translation>
            <numerusform>%1 перехватывает клавишу Tab раньше %app, поэтому %app приостановлен в других приложениях, пока вы не закроете %1.</numerusform>
            <numerusform>%1 перехватывают клавишу Tab раньше %app, поэтому %app приостановлен в других приложениях, пока вы не закроете их.</numerusform>
            <numerusform>%1 перехватывают клавишу Tab раньше %app, поэтому %app приостановлен в других приложениях, пока вы не закроете их.</numerusform>
        </translation>
    </message>
    <message>
        <source>Only when I ask</source>
        <translation>Только по запросу</translation>
    </message>
    <message>
        <source>On battery, suggestions appear only after you press the Suggest Now shortcut.</source>
        <translation>При работе от батареи подсказки появляются только после нажатия сочетания «Подсказать сейчас».</translation>
    </message>
    <message>
        <source>Shorter suggestions</source>
        <translation>Более короткие подсказки</translation>
    </message>
    <message>
        <source>Fewer words take less power to write.</source>
        <translation>Меньше слов — меньше энергии.</translation>
    </message>
    <message>
        <source>Lighter model</source>
        <translation>Облегчённая модель</translation>
    </message>
    <message>
        <source>Same as plugged in</source>
        <translation>Как от сети</translation>
    </message>
    <message>
        <source>Running on battery. These apply right now.</source>
        <translation>Работа от батареи. Эти настройки действуют сейчас.</translation>
    </message>
    <message>
        <source>Plugged in. These wait until you unplug.</source>
        <translation>Питание от сети. Эти настройки включатся, когда вы отключите зарядку.</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Модель</translation>
    </message>
    <message>
        <source>Model name</source>
        <translation>Название модели</translation>
    </message>
    <message>
        <source>Reload the model list</source>
        <translation>Обновить список моделей</translation>
    </message>
    <message>
        <source>Choose a model</source>
        <translation>Выберите модель</translation>
    </message>
    <message>
        <source>For people who already run Ollama, LM Studio or llama-server.</source>
        <translation>Для тех, кто уже использует Ollama, LM Studio или llama-server.</translation>
    </message>
    <message>
        <source>Use your own model</source>
        <translation>Использовать свою модель</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Адрес</translation>
    </message>
    <message>
        <source>API key</source>
        <translation>Ключ API</translation>
    </message>
    <message>
        <source>Only if your server asks for one</source>
        <translation>Только если сервер его требует</translation>
    </message>
    <message>
        <source>Focused</source>
        <translation>Точно</translation>
    </message>
    <message>
        <source>Creativity</source>
        <translation>Креативность</translation>
    </message>
    <message>
        <source>Loose</source>
        <translation>Свободно</translation>
    </message>
    <message>
        <source>Lower stays close to the obvious next words. Higher tries more.</source>
        <translation>Ниже — ближе к очевидным следующим словам. Выше — больше вариантов.</translation>
    </message>
    <message>
        <source>Wait before suggesting</source>
        <translation>Ожидание перед подсказкой</translation>
    </message>
    <message>
        <source>How long you pause before %app starts.</source>
        <translation>Сколько длится пауза, прежде чем %app начнёт работу.</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Запустить</translation>
    </message>
    <message>
        <source>Try the engine</source>
        <translation>Проверить движок</translation>
    </message>
    <message>
        <source>Sends a sample sentence and shows what comes back.</source>
        <translation>Отправляет пример предложения и показывает ответ.</translation>
    </message>
    <message>
        <source>Running…</source>
        <translation>Выполняется…</translation>
    </message>
    <message>
        <source>The engine answered in %1 but had nothing useful to add.</source>
        <translation>Движок ответил за %1, но ничего полезного не предложил.</translation>
    </message>
    <message>
        <source>That didn&apos;t work: %1</source>
        <translation>Не получилось: %1</translation>
    </message>
    <message>
        <source>The request was cancelled.</source>
        <translation>Запрос отменён.</translation>
    </message>
    <message>
        <source>Startup</source>
        <translation>Запуск</translation>
    </message>
    <message>
        <source>Launch at login</source>
        <translation>Запускать при входе в систему</translation>
    </message>
    <message>
        <source>Show today&apos;s word count next to the icon</source>
        <translation>Показывать число слов за сегодня рядом со значком</translation>
    </message>
    <message>
        <source>Where suggestions appear</source>
        <translation>Где появляются подсказки</translation>
    </message>
    <message>
        <source>Turn this off to use %app only in the apps you switch on under Apps &amp; Sites.</source>
        <translation>Выключите, чтобы использовать %app только в приложениях, включённых в разделе «Приложения и сайты».</translation>
    </message>
    <message>
        <source>By default %app waits until the caret is at the end of a line.</source>
        <translation>По умолчанию %app ждёт, пока курсор окажется в конце строки.</translation>
    </message>
    <message>
        <source>Without this, %app skips search bars and one-word boxes.</source>
        <translation>Без этого %app пропускает строки поиска и поля для одного слова.</translation>
    </message>
    <message>
        <source>Suggestions appear only after you press the Suggest Now shortcut.</source>
        <translation>Подсказки появляются только после нажатия сочетания «Подсказать сейчас».</translation>
    </message>
    <message>
        <source>Spelling</source>
        <translation>Орфография</translation>
    </message>
    <message>
        <source>Waits while the word you&apos;re typing looks misspelled, so %app doesn&apos;t build on a typo.</source>
        <translation>Не подсказывает, пока набираемое слово похоже на опечатку, чтобы %app не развивал ошибку.</translation>
    </message>
    <message>
        <source>After a misspelled word, shows a fix next to the caret. Press Tab to swap it in.</source>
        <translation>После слова с ошибкой показывает исправление рядом с курсором. Нажмите Tab, чтобы заменить.</translation>
    </message>
    <message>
        <source>Look</source>
        <translation>Внешний вид</translation>
    </message>
    <message>
        <source>Suggestion color</source>
        <translation>Цвет подсказки</translation>
    </message>
    <message>
        <source>Text size</source>
        <translation>Размер текста</translation>
    </message>
    <message>
        <source>Fine-tune if suggestions look larger or smaller than your text.</source>
        <translation>Подстройте, если подсказки выглядят крупнее или мельче вашего текста.</translation>
    </message>
    <message>
        <source>Vertical position</source>
        <translation>Положение по вертикали</translation>
    </message>
    <message>
        <source>Nudge suggestions up or down to line up with your text.</source>
        <translation>Сдвиньте подсказки вверх или вниз, чтобы выровнять их с текстом.</translation>
    </message>
    <message>
        <source>A small keycap after your first suggestions, as a reminder of what to press.</source>
        <translation>Маленький значок клавиши после первых подсказок — напоминание, что нажимать.</translation>
    </message>
    <message>
        <source>Insert suggestions by</source>
        <translation>Способ вставки подсказок</translation>
    </message>
    <message>
        <source>Other autocomplete apps</source>
        <translation>Другие приложения автодополнения</translation>
    </message>
    <message>
        <source>They take the Tab key before %app can. With this off, %app asks you first.</source>
        <translation>Они перехватывают клавишу Tab раньше %app. Если это выключено, %app сначала спросит вас.</translation>
    </message>
    <message>
        <source>%1 is another device on your network, so the text around your caret will be sent there.</source>
        <translation>%1 — другое устройство в вашей сети, поэтому текст рядом с курсором будет отправляться туда.</translation>
    </message>
    <message>
        <source>%1 isn&apos;t this computer, so the text around your caret will be sent there.</source>
        <translation>%1 — не этот компьютер, поэтому текст рядом с курсором будет отправляться туда.</translation>
    </message>
    <message>
        <source>Both keep your text on this computer.</source>
        <translation>Оба варианта хранят ваш текст на этом компьютере.</translation>
    </message>
    <message>
        <source>%app opens by itself when you start your computer.</source>
        <translation>%app открывается сам при включении компьютера.</translation>
    </message>
    <message>
        <source>System predictions</source>
        <translation>Системный предиктивный ввод</translation>
    </message>
    <message>
        <source>The system can show its own grey predictions. Keeping them off avoids two suggestions at once.</source>
        <translation>Система может показывать свои серые варианты. Если их выключить, не будет двух подсказок сразу.</translation>
    </message>
    <message>
        <source>System predictions are on</source>
        <translation>Системный предиктивный ввод включён</translation>
    </message>
    <message>
        <source>System predictions are off</source>
        <translation>Системный предиктивный ввод выключен</translation>
    </message>
    <message>
        <source>tab</source>
        <translation>tab</translation>
    </message>
    <message>
        <source>Your next words, one Tab away.</source>
        <translation>Следующие слова — в одном нажатии Tab.</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Пропустить</translation>
    </message>
    <message>
        <source>Get Started</source>
        <translation>Начать</translation>
    </message>
    <message>
        <source>Turn sound on</source>
        <translation>Включить звук</translation>
    </message>
    <message>
        <source>Turn sound off</source>
        <translation>Выключить звук</translation>
    </message>
    <message>
        <source>The other app</source>
        <translation>Другое приложение</translation>
    </message>
    <message numerus="yes">
        <source>Next time, quit %1 without asking</source>
        <translation>
            <numerusform>В следующий раз закрывать %1 без подтверждения</numerusform>
            <numerusform>В следующий раз закрывать %1 без подтверждения</numerusform>
            <numerusform>В следующий раз закрывать %1 без подтверждения</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 is also running</source>
        <translation>
            <numerusform>%1 тоже запущено</numerusform>
            <numerusform>%1 тоже запущены</numerusform>
            <numerusform>%1 тоже запущены</numerusform>
        </translation>
    </message>
    <message>
        <source>Quitting…</source>
        <translation>Закрытие…</translation>
    </message>
    <message numerus="yes">
        <source>%1 is still open</source>
        <translation>
            <numerusform>%1 всё ещё открыто</numerusform>
            <numerusform>%1 всё ещё открыты</numerusform>
            <numerusform>%1 всё ещё открыты</numerusform>
        </translation>
    </message>
    <message>
        <source>%app has the Tab key</source>
        <translation>Клавиша Tab у %app</translation>
    </message>
    <message>
        <source>%1 quit, so your suggestions are back in every app.</source>
        <translation>Приложение %1 закрыто, и подсказки снова работают везде.</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Готово</translation>
    </message>
    <message>
        <source>Open Source Notices</source>
        <translation>Лицензии открытого ПО</translation>
    </message>
    <message>
        <source>Reset all settings?</source>
        <translation>Сбросить все настройки?</translation>
    </message>
    <message>
        <source>This also clears your rules for apps and sites. Your statistics and writing memory stay.</source>
        <translation>Также будут сброшены правила для приложений и сайтов. Статистика и память письма сохранятся.</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Сбросить</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Версия %1</translation>
    </message>
    <message>
        <source>Some apps hide their text</source>
        <translation>Некоторые приложения скрывают текст</translation>
    </message>
    <message>
        <source>Suggest emoji after a colon</source>
        <translation>Предлагать эмодзи после двоеточия</translation>
    </message>
    <message>
        <source>Turn emoticons into emoji</source>
        <translation>Заменять смайлики на эмодзи</translation>
    </message>
    <message>
        <source>After :-) or &lt;3, %app offers the matching emoji. Press Tab to swap it in.</source>
        <translation>После :-) или &lt;3 %app предлагает подходящий эмодзи. Нажмите Tab, чтобы заменить.</translation>
    </message>
    <message>
        <source>Skin tone</source>
        <translation>Тон кожи</translation>
    </message>
    <message>
        <source>Also show the default yellow</source>
        <translation>Показывать и стандартный жёлтый</translation>
    </message>
    <message>
        <source>Try a word</source>
        <translation>Введите слово</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Слабое</translation>
    </message>
    <message>
        <source>No emoji match “%1”</source>
        <translation>Нет эмодзи для «%1»</translation>
    </message>
    <message>
        <source>Accepting</source>
        <translation>Принятие</translation>
    </message>
    <message>
        <source>Take the next word</source>
        <translation>Принять следующее слово</translation>
    </message>
    <message>
        <source>Press again for each following word.</source>
        <translation>Нажимайте снова для каждого следующего слова.</translation>
    </message>
    <message>
        <source>Take the whole suggestion</source>
        <translation>Принять всю подсказку</translation>
    </message>
    <message>
        <source>The key above Tab is easy to reach on most keyboards.</source>
        <translation>Клавиша над Tab легко доступна на большинстве клавиатур.</translation>
    </message>
    <message>
        <source>Include the space after a word</source>
        <translation>Включать пробел после слова</translation>
    </message>
    <message>
        <source>Include punctuation right after a word</source>
        <translation>Включать знаки препинания сразу после слова</translation>
    </message>
    <message>
        <source>When you press Escape</source>
        <translation>При нажатии Escape</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Сочетания клавиш</translation>
    </message>
    <message>
        <source>Suggest now</source>
        <translation>Подсказать сейчас</translation>
    </message>
    <message>
        <source>Asks for a suggestion right away, even where %app would normally wait.</source>
        <translation>Запрашивает подсказку сразу, даже там, где %app обычно ждёт.</translation>
    </message>
    <message>
        <source>Other suggestions</source>
        <translation>Другие подсказки</translation>
    </message>
    <message>
        <source>Lists a few different ways to continue. Choose with the arrow keys, then press Tab.</source>
        <translation>Показывает несколько вариантов продолжения. Выберите стрелками и нажмите Tab.</translation>
    </message>
    <message>
        <source>Pause or resume in this app</source>
        <translation>Приостановить или возобновить в этом приложении</translation>
    </message>
    <message>
        <source>Pauses for 15 minutes.</source>
        <translation>Приостанавливает на 15 минут.</translation>
    </message>
    <message>
        <source>Turn %app on or off</source>
        <translation>Включить или выключить %app</translation>
    </message>
    <message>
        <source>Everywhere, until you press it again.</source>
        <translation>Везде, пока вы не нажмёте снова.</translation>
    </message>
    <message>
        <source>Pause or resume</source>
        <translation>Приостановить или возобновить</translation>
    </message>
    <message>
        <source>Turn on or off</source>
        <translation>Включить или выключить</translation>
    </message>
    <message>
        <source>%1 and %2 use the same keys. Only the first will work.</source>
        <translation>«%1» и «%2» используют одни и те же клавиши. Работать будет только первое сочетание.</translation>
    </message>
    <message>
        <source>About you</source>
        <translation>О вас</translation>
    </message>
    <message>
        <source>For example: I&apos;m a product designer in Berlin. I write short, friendly emails in British English and sign off with Cheers.</source>
        <translation>Например: я продуктовый дизайнер из Берлина. Пишу короткие дружелюбные письма на британском английском и подписываюсь «Cheers».</translation>
    </message>
    <message>
        <source>Your role, the languages you write in, names you use often, how you like to sound.</source>
        <translation>Ваша профессия, языки, на которых вы пишете, часто используемые имена, желаемый тон.</translation>
    </message>
    <message>
        <source>Writing memory</source>
        <translation>Память письма</translation>
    </message>
    <message>
        <source>Remember how I write</source>
        <translation>Запоминать, как я пишу</translation>
    </message>
    <message>
        <source>Also remember fields where I accept nothing</source>
        <translation>Запоминать и поля, где я ничего не принимаю</translation>
    </message>
    <message>
        <source>%app learns your style sooner but keeps more of what you type.</source>
        <translation>%app быстрее изучит ваш стиль, но будет хранить больше из того, что вы печатаете.</translation>
    </message>
    <message>
        <source>Influence</source>
        <translation>Влияние</translation>
    </message>
    <message>
        <source>Strong</source>
        <translation>Сильное</translation>
    </message>
    <message>
        <source>How many of your passages each suggestion can draw on.</source>
        <translation>Сколько ваших фрагментов может использовать каждая подсказка.</translation>
    </message>
    <message>
        <source>Erase All…</source>
        <translation>Стереть всё…</translation>
    </message>
    <message>
        <source>Erase everything %app remembered?</source>
        <translation>Стереть всё, что запомнил %app?</translation>
    </message>
    <message>
        <source>This can&apos;t be undone.</source>
        <translation>Это нельзя отменить.</translation>
    </message>
    <message>
        <source>Erase All</source>
        <translation>Стереть всё</translation>
    </message>
    <message>
        <source>Nothing remembered yet</source>
        <translation>Пока ничего не запомнено</translation>
    </message>
    <message>
        <source>App and window name</source>
        <translation>Название приложения и окна</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>Сайт</translation>
    </message>
    <message>
        <source>The site&apos;s domain when you write in a browser.</source>
        <translation>Домен сайта, когда вы пишете в браузере.</translation>
    </message>
    <message>
        <source>Recently copied text</source>
        <translation>Недавно скопированный текст</translation>
    </message>
    <message>
        <source>Anything you copied in the last 10 minutes. Copies from password managers are skipped.</source>
        <translation>Всё, что вы скопировали за последние 10 минут. Копии из менеджеров паролей пропускаются.</translation>
    </message>
    <message>
        <source>Text on screen</source>
        <translation>Текст на экране</translation>
    </message>
    <message>
        <source>Reads the window you&apos;re writing in, so replies fit the conversation. It picks the lines closest to where you type.</source>
        <translation>Читает окно, в котором вы пишете, чтобы ответы подходили к разговору. Выбирает строки, ближайшие к месту ввода.</translation>
    </message>
    <message>
        <source>What you just looked at</source>
        <translation>Что вы только что видели</translation>
    </message>
    <message>
        <source>Windows beside you</source>
        <translation>Соседние окна</translation>
    </message>
    <message>
        <source>Also reads up to two other windows on the same screen, like the document you&apos;re replying about. Skips password managers and apps you switched off.</source>
        <translation>Также читает до двух других окон на том же экране, например документ, по поводу которого вы отвечаете. Пропускает менеджеры паролей и отключённые вами приложения.</translation>
    </message>
    <message>
        <source>Off in this app</source>
        <translation>Выключено в этом приложении</translation>
    </message>
    <message>
        <source>This word looks misspelled</source>
        <translation>Похоже, в этом слове опечатка</translation>
    </message>
    <message>
        <source>Thanks for the notes. I&apos;ll send the revised deck</source>
        <translation>Спасибо за замечания. Я пришлю исправленную презентацию</translation>
    </message>
    <message>
        <source> by Friday morning.</source>
        <translation> к утру пятницы.</translation>
    </message>
    <message>
        <source>%1 quit. %app has the Tab key.</source>
        <translation>Приложение %1 закрыто. Клавиша Tab снова у %app.</translation>
    </message>
    <message>
        <source>Open Data Folder</source>
        <translation>Открыть папку данных</translation>
    </message>
    <message>
        <source>Show Welcome Again</source>
        <translation>Показать приветствие снова</translation>
    </message>
    <message>
        <source>Play Intro Again</source>
        <translation>Показать вступление снова</translation>
    </message>
    <message>
        <source>Reset Settings…</source>
        <translation>Сбросить настройки…</translation>
    </message>
    <message>
        <source>Suggest in every app</source>
        <translation>Подсказывать во всех приложениях</translation>
    </message>
    <message>
        <source>Suggest in code editors</source>
        <translation>Подсказывать в редакторах кода</translation>
    </message>
    <message>
        <source>Suggest in the middle of a line</source>
        <translation>Подсказывать в середине строки</translation>
    </message>
    <message>
        <source>Suggest in small fields</source>
        <translation>Подсказывать в маленьких полях</translation>
    </message>
    <message>
        <source>Hold back on misspelled words</source>
        <translation>Не подсказывать при опечатках</translation>
    </message>
    <message>
        <source>Offer spelling fixes</source>
        <translation>Предлагать исправления</translation>
    </message>
    <message>
        <source>Show the key hint</source>
        <translation>Показывать значок клавиши</translation>
    </message>
    <message>
        <source>Quit other autocomplete apps when they open</source>
        <translation>Закрывать другие приложения автодополнения при их запуске</translation>
    </message>
    <message>
        <source>Keeps a few minutes of text from windows you switched away from, like a page you read before replying. It stays on your computer and skips apps you switched off.</source>
        <translation>Хранит несколько минут текста из окон, с которых вы переключились, например страницу, прочитанную перед ответом. Всё остаётся на вашем компьютере, отключённые вами приложения пропускаются.</translation>
    </message>
    <message numerus="yes">
        <source>Both apps answer the Tab key, and the system gives it to %1 first. %app stays paused in your other apps until %1 quits.</source>
        <translation>
            <numerusform>Оба приложения реагируют на клавишу Tab, и система отдаёт её сначала %1. %app приостановлен в других приложениях, пока %1 не закроется.</numerusform>
            <numerusform>%1 перехватывают клавишу Tab раньше %app, поэтому %app приостановлен в других приложениях, пока вы не закроете их.</numerusform>
            <numerusform>%1 перехватывают клавишу Tab раньше %app, поэтому %app приостановлен в других приложениях, пока вы не закроете их.</numerusform>
        </translation>
    </message>
    <message>
        <source>Finishes your sentences in any app, on your computer.</source>
        <translation>Дописывает ваши предложения в любом приложении, прямо на вашем компьютере.</translation>
    </message>
    <message>
        <source>Keeps short passages from fields where you accepted a suggestion, encrypted on this computer, and shows them to the model as examples.</source>
        <translation>Хранит короткие фрагменты из полей, где вы приняли подсказку, в зашифрованном виде на этом компьютере и показывает их модели как примеры.</translation>
    </message>
    <message>
        <source>Light</source>
        <comment>skin tone</comment>
        <translation>Светлый</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Default</source>
        <comment>skin tone</comment>
        <translation>По умолчанию</translation>
    </message>
    <message>
        <source>Medium light</source>
        <comment>skin tone</comment>
        <translation>Средне-светлый</translation>
    </message>
    <message>
        <source>Medium</source>
        <comment>skin tone</comment>
        <translation>Средний</translation>
    </message>
    <message>
        <source>Medium dark</source>
        <comment>skin tone</comment>
        <translation>Средне-тёмный</translation>
    </message>
    <message>
        <source>Dark</source>
        <comment>skin tone</comment>
        <translation>Тёмный</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Неизвестно</translation>
    </message>
    <message>
        <source>%1 × %2 pt</source>
        <translation>%1 × %2 pt</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>Not reported, estimated from the caret</source>
        <translation>Не сообщается, оценено по курсору</translation>
    </message>
    <message>
        <source>%1 %2 pt</source>
        <translation>%1 %2 pt</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Системный</translation>
    </message>
    <message>
        <source>Not yet</source>
        <translation>Пока нет</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Сегодня</translation>
    </message>
    <message>
        <source>Last 7 days</source>
        <translation>Последние 7 дней</translation>
    </message>
    <message>
        <source>All time</source>
        <translation>За всё время</translation>
    </message>
    <message>
        <source>Typing saved</source>
        <translation>Сэкономлено на наборе</translation>
    </message>
    <message>
        <source>at 40 words a minute</source>
        <translation>при 40 словах в минуту</translation>
    </message>
    <message>
        <source>Accepted</source>
        <translation>Принято</translation>
    </message>
    <message>
        <source>of suggestions shown</source>
        <translation>от показанных подсказок</translation>
    </message>
    <message>
        <source>Typical wait</source>
        <translation>Обычное ожидание</translation>
    </message>
    <message>
        <source>9 in 10 under %1</source>
        <translation>9 из 10 быстрее %1</translation>
    </message>
    <message>
        <source>no requests yet</source>
        <translation>запросов пока нет</translation>
    </message>
    <message>
        <source>Words saved</source>
        <translation>Сэкономлено слов</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>Период</translation>
    </message>
    <message>
        <source>Nothing to chart yet</source>
        <translation>Пока нечего показать</translation>
    </message>
    <message>
        <source>Accept a few suggestions and your days show up here.</source>
        <translation>Примите несколько подсказок, и ваши дни появятся здесь.</translation>
    </message>
    <message>
        <source>Where you write</source>
        <translation>Где вы пишете</translation>
    </message>
    <message>
        <source>Reset Statistics…</source>
        <translation>Сбросить статистику…</translation>
    </message>
    <message>
        <source>Reset all statistics?</source>
        <translation>Сбросить всю статистику?</translation>
    </message>
    <message>
        <source>This clears words saved, acceptance and timing history.</source>
        <translation>Будут удалены сэкономленные слова, доля принятых подсказок и история времени ожидания.</translation>
    </message>
    <message>
        <source>Copy Diagnostics</source>
        <translation>Копировать диагностику</translation>
    </message>
    <message>
        <source>Diagnostics leave out the text you typed.</source>
        <translation>Диагностика не включает набранный вами текст.</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Состояние</translation>
    </message>
    <message>
        <source>Right now</source>
        <translation>Сейчас</translation>
    </message>
    <message>
        <source>Allowed</source>
        <translation>Разрешено</translation>
    </message>
    <message>
        <source>Not allowed</source>
        <translation>Не разрешено</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Клавиатура</translation>
    </message>
    <message>
        <source>Listening</source>
        <translation>Отслеживается</translation>
    </message>
    <message>
        <source>Not listening</source>
        <translation>Не отслеживается</translation>
    </message>
    <message>
        <source>Focused field</source>
        <translation>Активное поле</translation>
    </message>
    <message>
        <source>Click into a text field in another app, then come back. The last field %1 saw stays here.</source>
        <translation>Щёлкните текстовое поле в другом приложении и вернитесь. Последнее поле, которое видел %1, останется здесь.</translation>
    </message>
    <message>
        <source>App</source>
        <translation>Приложение</translation>
    </message>
    <message>
        <source>Field type</source>
        <translation>Тип поля</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>Окно</translation>
    </message>
    <message>
        <source>Field size</source>
        <translation>Размер поля</translation>
    </message>
    <message>
        <source>Caret found</source>
        <translation>Курсор найден</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Шрифт</translation>
    </message>
    <message>
        <source>At end of line</source>
        <translation>В конце строки</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Да</translation>
    </message>
    <message>
        <source>Secure input</source>
        <translation>Защищённый ввод</translation>
    </message>
    <message>
        <source>Looked at lately</source>
        <translation>Недавно просмотренные</translation>
    </message>
    <message>
        <source>Text before the caret</source>
        <translation>Текст перед курсором</translation>
    </message>
    <message>
        <source>Last request</source>
        <translation>Последний запрос</translation>
    </message>
    <message>
        <source>Wait</source>
        <translation>Ожидание</translation>
    </message>
    <message>
        <source>Suggestion</source>
        <translation>Подсказка</translation>
    </message>
    <message>
        <source>Prompt sent to the engine</source>
        <translation>Запрос, отправленный движку</translation>
    </message>
    <message>
        <source>Raw answer</source>
        <translation>Необработанный ответ</translation>
    </message>
    <message>
        <source>(empty)</source>
        <translation>(пусто)</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>Скопировано</translation>
    </message>
    <message>
        <source>Choose a language</source>
        <translation>Выберите язык</translation>
    </message>
    <message>
        <source>Search languages</source>
        <translation>Поиск языков</translation>
    </message>
    <message>
        <source>Same as my computer</source>
        <translation>Как в системе</translation>
    </message>
    <message>
        <source>Switch to %1?</source>
        <translation>Переключиться на %1?</translation>
    </message>
    <message>
        <source>%1 closes and opens again in a second. Your settings stay as they are.</source>
        <translation>%1 закроется и сразу откроется снова. Настройки останутся прежними.</translation>
    </message>
    <message>
        <source>Reopen Now</source>
        <translation>Перезапустить</translation>
    </message>
    <message>
        <source>App language</source>
        <translation>Язык приложения</translation>
    </message>
    <message>
        <source>Pick the language you read most easily. Suggestions follow whatever language you type.</source>
        <translation>Выберите язык, который вам удобнее всего читать. Подсказки следуют языку, на котором вы печатаете.</translation>
    </message>
    <message>
        <source>Change the app language</source>
        <translation>Изменить язык приложения</translation>
    </message>
    <message>
        <source>0 min</source>
        <translation>0 мин</translation>
    </message>
    <message>
        <source>under a minute</source>
        <translation>меньше минуты</translation>
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
        <translation>Очистить сочетание</translation>
    </message>
    <message>
        <source>Add Ctrl, Alt or Super so normal typing still works.</source>
        <translation>Добавьте Ctrl, Alt или Super, чтобы обычный ввод продолжал работать.</translation>
    </message>
    <message>
        <source>Type a shortcut…</source>
        <translation>Нажмите сочетание…</translation>
    </message>
    <message>
        <source>Recording shortcut</source>
        <translation>Запись сочетания</translation>
    </message>
    <message>
        <source>Shortcut %1</source>
        <translation>Сочетание %1</translation>
    </message>
    <message>
        <source>Record shortcut</source>
        <translation>Записать сочетание</translation>
    </message>
    <message>
        <source>Shortcut not set</source>
        <translation>Сочетание не задано</translation>
    </message>
    <message>
        <source>Press to record a new shortcut. Escape cancels.</source>
        <translation>Нажмите, чтобы записать новое сочетание. Escape — отмена.</translation>
    </message>
    <message>
        <source>Your tray icon is hidden</source>
        <translation>Значок в трее скрыт</translation>
    </message>
    <message>
        <source>This computer has no on-device language model</source>
        <translation>На этом компьютере нет встроенной языковой модели</translation>
    </message>
    <message>
        <source>Turn on the on-device model in the desktop&apos;s settings</source>
        <translation>Включите встроенную модель в настройках рабочего стола</translation>
    </message>
    <message>
        <source>The on-device model is unavailable</source>
        <translation>Встроенная модель недоступна</translation>
    </message>
    <message>
        <source>Downloading. The on-device model fills in until it&apos;s done.</source>
        <translation>Скачивание. Пока оно не завершится, работает встроенная модель.</translation>
    </message>
    <message>
        <source>The on-device model fills in until you download it.</source>
        <translation>Пока вы не скачаете модель, работает встроенная модель.</translation>
    </message>
    <message>
        <source>%1 shares no text. Quit it and start it with %2 to get suggestions in it.</source>
        <translation>%1 не передаёт текст. Закройте его и запустите с %2, чтобы получать в нём подсказки.</translation>
    </message>
    <message>
        <source>On-device model</source>
        <translation>Встроенная модель</translation>
    </message>
    <message>
        <source>The system&apos;s own language model. Nothing to download.</source>
        <translation>Собственная языковая модель системы. Скачивать ничего не нужно.</translation>
    </message>
    <message>
        <source>A website name cannot hold spaces, tabs or line breaks.</source>
        <translation>Имя сайта не может содержать пробелы, табуляции или переносы строк.</translation>
    </message>
    <message>
        <source>Only addresses that start with http or https can be added.</source>
        <translation>Можно добавлять только адреса, начинающиеся с http или https.</translation>
    </message>
    <message>
        <source>That is not a website name. Type one such as wikipedia.org.</source>
        <translation>Это не имя сайта. Введите, например, wikipedia.org.</translation>
    </message>
    <message>
        <source>A port is a number from 1 to 65535.</source>
        <translation>Порт — это число от 1 до 65535.</translation>
    </message>
    <message>
        <source>The on-device model fills in until the download is done.</source>
        <translation>Пока скачивание не завершится, работает встроенная модель.</translation>
    </message>
    <message>
        <source>Suggestions start once the download is done.</source>
        <translation>Подсказки появятся, когда скачивание завершится.</translation>
    </message>
    <message>
        <source>This frees %1. The on-device model fills in until you download it again.</source>
        <translation>Освободится %1. Пока вы снова не скачаете модель, будет работать встроенная модель.</translation>
    </message>
    <message>
        <source>This frees %1. The %app model can&apos;t suggest until you download it again.</source>
        <translation>Освободится %1. Модель %app не сможет подсказывать, пока вы снова её не скачаете.</translation>
    </message>
    <message>
        <source>There&apos;s no room for it, or your panel has no system tray. Add the panel&apos;s system tray or status area applet in its settings.</source>
        <translation>Для него нет места, или на вашей панели нет системного трея. Добавьте на панель апплет системного трея или области состояния в её настройках.</translation>
    </message>
    <message>
        <source>GNOME shows tray icons only with the AppIndicator extension. Install the gnome-shell-extension-appindicator package, log out and in, then turn it on in Extensions.</source>
        <translation>GNOME показывает значки в трее только с расширением AppIndicator. Установите пакет gnome-shell-extension-appindicator, выйдите из системы и войдите снова, затем включите его в «Расширениях».</translation>
    </message>
    <message>
        <source>GNOME shows tray icons only with the AppIndicator extension. It is installed but off: turn it on in Extensions.</source>
        <translation>GNOME показывает значки в трее только с расширением AppIndicator. Оно установлено, но выключено: включите его в «Расширениях».</translation>
    </message>
    <message>
        <source>Until then, open %app from your applications menu to reach Settings.</source>
        <translation>А пока открывайте %app из меню приложений, чтобы попасть в настройки.</translation>
    </message>
    <message>
        <source>Open Extensions</source>
        <translation>Открыть «Расширения»</translation>
    </message>
    <message>
        <source>Show Count in Tray</source>
        <translation>Показывать число в трее</translation>
    </message>
    <message>
        <source>%1 shares no text</source>
        <translation>%1 не передаёт текст</translation>
    </message>
    <message>
        <source>Copy command</source>
        <translation>Копировать команду</translation>
    </message>
    <message>
        <source>There&apos;s no account and no analytics. With the %app model or the on-device model, your text stays on this computer.</source>
        <translation>Нет ни учётной записи, ни аналитики. С моделью %app или встроенной моделью ваш текст остаётся на этом компьютере.</translation>
    </message>
    <message>
        <source>There&apos;s no account and no analytics. With the %app model, your text stays on this computer.</source>
        <translation>Нет ни учётной записи, ни аналитики. С моделью %app ваш текст остаётся на этом компьютере.</translation>
    </message>
    <message>
        <source>%app lives in your system tray from now on. Click its icon to pause it in an app or open Settings.</source>
        <translation>Теперь %app живёт в системном трее. Нажмите на его значок, чтобы приостановить его в приложении или открыть настройки.</translation>
    </message>
    <message>
        <source>%app has no account, no analytics and no servers of its own. The %app model and the on-device model keep your text on this computer. Other engines get it only if you set one up.</source>
        <translation>У %app нет учётной записи, аналитики и собственных серверов. Модель %app и встроенная модель хранят ваш текст на этом компьютере. Другие движки получают его, только если вы их настроите.</translation>
    </message>
    <message>
        <source>%app has no account, no analytics and no servers of its own. The %app model keeps your text on this computer. Other engines get it only if you set one up.</source>
        <translation>У %app нет учётной записи, аналитики и собственных серверов. Модель %app хранит ваш текст на этом компьютере. Другие движки получают его, только если вы их настроите.</translation>
    </message>
    <message>
        <source>Installed applications</source>
        <translation>Установленные приложения</translation>
    </message>
    <message>
        <source>%app reads these only while making a suggestion and never saves them. With the %app model or the on-device model, nothing leaves your computer.</source>
        <translation>%app читает это только во время создания подсказки и никогда не сохраняет. С моделью %app или встроенной моделью ничего не покидает ваш компьютер.</translation>
    </message>
    <message>
        <source>%app reads these only while making a suggestion and never saves them. With the %app model, nothing leaves your computer.</source>
        <translation>%app читает это только во время создания подсказки и никогда не сохраняет. С моделью %app ничего не покидает ваш компьютер.</translation>
    </message>
    <message>
        <source>The %app model keeps your text on this computer.</source>
        <translation>Модель %app хранит ваш текст на этом компьютере.</translation>
    </message>
    <message>
        <source>The key holds a line break or another control character. Paste it again without them.</source>
        <translation>Ключ содержит перенос строки или другой управляющий символ. Вставьте его снова без них.</translation>
    </message>
    <message>
        <source>Waiting for the keyring to store the key.</source>
        <translation>Ожидание, пока связка ключей сохранит ключ.</translation>
    </message>
    <message>
        <source>The keyring cannot keep this key, so it is used only until %app quits.</source>
        <translation>Связка ключей не может сохранить этот ключ, поэтому он используется только до выхода из %app.</translation>
    </message>
    <message>
        <source>Show in the system tray</source>
        <translation>Показывать в системном трее</translation>
    </message>
    <message>
        <source>Pause or open Settings from the system tray. Hidden? Open %app from your applications menu to come back.</source>
        <translation>Приостанавливайте или открывайте настройки из системного трея. Значок скрыт? Откройте %app из меню приложений.</translation>
    </message>
    <message>
        <source>This tray can&apos;t show text beside icons, so the count shows in the icon&apos;s tooltip.</source>
        <translation>Этот трей не умеет показывать текст рядом со значками, поэтому число показывается во всплывающей подсказке значка.</translation>
    </message>
    <message>
        <source>VS Code, VSCodium, Cursor, Zed, Kate, Sublime Text, JetBrains IDEs and similar apps.</source>
        <translation>VS Code, VSCodium, Cursor, Zed, Kate, Sublime Text, среды JetBrains и подобные приложения.</translation>
    </message>
    <message>
        <source>Your settings could not be read, so they were set aside and %app started over with its defaults.</source>
        <translation>Не удалось прочитать настройки, поэтому их файл сохранён отдельно, а %app запущен с настройками по умолчанию.</translation>
    </message>
    <message>
        <source>Your settings are not saved: %app cannot write to its settings folder.</source>
        <translation>Настройки не сохраняются: %app не может записывать в папку настроек.</translation>
    </message>
    <message>
        <source>Your app and website rules could not be read, so they were set aside.</source>
        <translation>Не удалось прочитать правила для приложений и сайтов, поэтому их файл сохранён отдельно.</translation>
    </message>
    <message>
        <source>Your statistics could not be read, so they were set aside and counting started over.</source>
        <translation>Не удалось прочитать статистику, поэтому её файл сохранён отдельно, а подсчёт начат заново.</translation>
    </message>
    <message>
        <source>Not saved: %app cannot write to its data folder.</source>
        <translation>Не сохранено: %app не может записывать в папку данных.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln suggestions. %1 selected</source>
        <translation>
            <numerusform>%Ln подсказка. Выбрано: %1</numerusform>
            <numerusform>%Ln подсказки. Выбрано: %1</numerusform>
            <numerusform>%Ln подсказок. Выбрано: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln min</source>
        <translation>
            <numerusform>%Ln мин</numerusform>
            <numerusform>%Ln мин</numerusform>
            <numerusform>%Ln мин</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln words</source>
        <translation>
            <numerusform>%Ln слово</numerusform>
            <numerusform>%Ln слова</numerusform>
            <numerusform>%Ln слов</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln passages from here</source>
        <translation>
            <numerusform>%Ln фрагмент из этого приложения</numerusform>
            <numerusform>%Ln фрагмента из этого приложения</numerusform>
            <numerusform>%Ln фрагментов из этого приложения</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>words</source>
        <comment>unit after a count</comment>
        <translation>
            <numerusform>слово</numerusform>
            <numerusform>слова</numerusform>
            <numerusform>слов</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln days</source>
        <translation>
            <numerusform>%Ln день</numerusform>
            <numerusform>%Ln дня</numerusform>
            <numerusform>%Ln дней</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Words saved per day over the last %Ln days</source>
        <translation>
            <numerusform>Сэкономленные слова по дням за последний %Ln день</numerusform>
            <numerusform>Сэкономленные слова по дням за последние %Ln дня</numerusform>
            <numerusform>Сэкономленные слова по дням за последние %Ln дней</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln day streak</source>
        <translation>
            <numerusform>Серия: %Ln день</numerusform>
            <numerusform>Серия: %Ln дня</numerusform>
            <numerusform>Серия: %Ln дней</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln passages remembered</source>
        <translation>
            <numerusform>Запомнен %Ln фрагмент</numerusform>
            <numerusform>Запомнено %Ln фрагмента</numerusform>
            <numerusform>Запомнено %Ln фрагментов</numerusform>
        </translation>
    </message>
    <message>
        <source>enter</source>
        <translation>enter</translation>
    </message>
    <message>
        <source>Allow screen capture so %app can read those too. Most apps work without it.</source>
        <translation>Разрешите захват экрана, чтобы %app мог читать и их. Большинство приложений работает и без этого.</translation>
    </message>
    <message>
        <source>Type a colon and a word, like :rocket, then press Tab or Enter to pick.</source>
        <translation>Введите двоеточие и слово, например :rocket, затем нажмите Tab или Enter, чтобы выбрать.</translation>
    </message>
    <message>
        <source>You can switch memory off for single apps under Apps &amp; Sites. The key that unlocks it lives in your keyring.</source>
        <translation>Память можно отключить для отдельных приложений в разделе «Приложения и сайты». Ключ к ней хранится в связке ключей.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln emoji. %1 selected</source>
        <translation>
            <numerusform>%Ln эмодзи. Выбрано: %1</numerusform>
            <numerusform>%Ln эмодзи. Выбрано: %1</numerusform>
            <numerusform>%Ln эмодзи. Выбрано: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Suggestion: %1</source>
        <translation>Подсказка: %1</translation>
    </message>
    <message numerus="yes">
        <source>%Ln models available</source>
        <translation>
            <numerusform>Доступна %Ln модель</numerusform>
            <numerusform>Доступны %Ln модели</numerusform>
            <numerusform>Доступно %Ln моделей</numerusform>
        </translation>
    </message>
    <message>
        <source>The model couldn&apos;t be saved: %1</source>
        <translation>Не удалось сохранить модель: %1</translation>
    </message>
    <message>
        <source>Ollama isn&apos;t running.</source>
        <translation>Ollama не запущена.</translation>
    </message>
    <message>
        <source>Ollama isn&apos;t running at %1.</source>
        <translation>Ollama не запущена по адресу %1.</translation>
    </message>
    <message>
        <source>No server answered.</source>
        <translation>Нет ответа от сервера.</translation>
    </message>
    <message>
        <source>No server answered at %1.</source>
        <translation>Нет ответа от сервера по адресу %1.</translation>
    </message>
    <message>
        <source>Range: %1</source>
        <translation>Период: %1</translation>
    </message>
    <message numerus="yes">
        <source>%1, %Ln to do</source>
        <translation>
            <numerusform>%1, осталось: %Ln</numerusform>
            <numerusform>%1, осталось: %Ln</numerusform>
            <numerusform>%1, осталось: %Ln</numerusform>
        </translation>
    </message>
    <message>
        <source>Type the whole name of the website, such as wikipedia.org.</source>
        <translation>Введите полное имя сайта, например wikipedia.org.</translation>
    </message>
    <message>
        <source>The key holds a space, an invisible character or a letter outside plain ASCII. Paste it again exactly as your server gave it.</source>
        <translation>Ключ содержит пробел, невидимый символ или букву вне простого ASCII. Вставьте его снова точно в том виде, в каком его выдал сервер.</translation>
    </message>
    <message>
        <source>The keyring could not be read, so your server is asked without an API key. Type the key again if your server needs one.</source>
        <translation>Не удалось прочитать связку ключей, поэтому запросы к серверу идут без ключа API. Введите ключ снова, если он нужен серверу.</translation>
    </message>
    <message>
        <source>Your writing memory could not be opened, so it was set aside and %app started a new one.</source>
        <translation>Не удалось открыть память письма, поэтому её файл сохранён отдельно, а %app создал новую.</translation>
    </message>
    <message>
        <source>%1, converted for llama.cpp by %2</source>
        <translation>%1, версия для llama.cpp от %2</translation>
    </message>
    <message>
        <source>The data folder %1 could not be made. Check that the folder above it exists and that you may write there.</source>
        <translation>Не удалось создать папку данных %1. Проверьте, что родительская папка существует и что у вас есть право записи в неё.</translation>
    </message>
    <message>
        <source>party</source>
        <comment>emoji search sample</comment>
        <translation>вечеринка</translation>
    </message>
    <message numerus="yes">
        <source>%Ln settings held values %app cannot use, so they were corrected and saved.</source>
        <translation>
            <numerusform>%Ln настройка содержала значение, которое %app не может использовать, поэтому она исправлена и сохранена.</numerusform>
            <numerusform>%Ln настройки содержали значения, которые %app не может использовать, поэтому они исправлены и сохранены.</numerusform>
            <numerusform>%Ln настроек содержали значения, которые %app не может использовать, поэтому они исправлены и сохранены.</numerusform>
        </translation>
    </message>
    <message>
        <source>Your writing memory is not saved: the keyring is missing or locked, so its key cannot be kept.</source>
        <translation>Память письма не сохраняется: связка ключей отсутствует или заблокирована, поэтому ключ памяти негде хранить.</translation>
    </message>
    <message>
        <source>That address isn&apos;t valid</source>
        <translation>Этот адрес недействителен</translation>
    </message>
    <message>
        <source>The request timed out.</source>
        <translation>Время ожидания запроса истекло.</translation>
    </message>
    <message>
        <source>The server&apos;s reply was too long, so it was stopped.</source>
        <translation>Ответ сервера был слишком длинным, поэтому он прерван.</translation>
    </message>
    <message>
        <source>The server answered %1.</source>
        <translation>Сервер ответил %1.</translation>
    </message>
    <message>
        <source>The server answered %1: %2</source>
        <translation>Сервер ответил %1: %2</translation>
    </message>
    <message>
        <source>The download server answered %1. Try again later.</source>
        <translation>Сервер скачивания ответил %1. Повторите попытку позже.</translation>
    </message>
    <message>
        <source>The download couldn&apos;t be saved: %1</source>
        <translation>Не удалось сохранить скачанный файл: %1</translation>
    </message>
    <message>
        <source>The download paused because the connection dropped. Try again to pick up where it stopped.</source>
        <translation>Скачивание приостановлено: соединение прервалось. Повторите попытку, чтобы продолжить с того места, где оно остановилось.</translation>
    </message>
    <message>
        <source>The download stopped. Check your connection, then try again.</source>
        <translation>Скачивание остановлено. Проверьте соединение и повторите попытку.</translation>
    </message>
    <message>
        <source>Pick an Ollama model in Settings</source>
        <translation>Выберите модель Ollama в настройках</translation>
    </message>
    <message>
        <source>Pick a model for your local server</source>
        <translation>Выберите модель для вашего локального сервера</translation>
    </message>
    <message>
        <source>The server&apos;s answer is not HTTP.</source>
        <translation>Ответ сервера — не HTTP.</translation>
    </message>
    <message>
        <source>The data couldn&apos;t be read because it is missing.</source>
        <translation>Не удалось прочитать данные: они отсутствуют.</translation>
    </message>
    <message>
        <source>The data couldn&apos;t be read because it isn&apos;t in the correct format.</source>
        <translation>Не удалось прочитать данные: у них неверный формат.</translation>
    </message>
    <message>
        <source>:%1:</source>
        <comment>emoji name</comment>
        <translation>:%1:</translation>
    </message>
    <message>
        <source>This computer has no on-device language model.</source>
        <translation>На этом компьютере нет встроенной языковой модели.</translation>
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
        <translation>Приостановлено на %1</translation>
    </message>
    <message>
        <source>Paused in %1</source>
        <translation>Приостановлено в %1</translation>
    </message>
    <message>
        <source>Off on %1</source>
        <translation>Выключено на %1</translation>
    </message>
    <message>
        <source>Off in %1</source>
        <translation>Выключено в %1</translation>
    </message>
    <message>
        <source>Off in %1 by default</source>
        <translation>По умолчанию выключено в %1</translation>
    </message>
    <message>
        <source>Off in code editors</source>
        <translation>Выключено в редакторах кода</translation>
    </message>
    <message>
        <source>Off unless turned on per app</source>
        <translation>Выключено, если не включено для приложения</translation>
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
        <translation>Пробел</translation>
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
        <translation>Клавиша %1</translation>
    </message>
    <message>
        <source>An email reply reads differently from a commit message.</source>
        <translation>Ответ на письмо пишется иначе, чем сообщение коммита.</translation>
    </message>
    <message>
        <source>Writes straight into the field. Cleanest in GTK and Qt apps.</source>
        <translation>Пишет прямо в поле. Чище всего в приложениях GTK и Qt.</translation>
    </message>
    <message>
        <source>Typing</source>
        <comment>insertion method</comment>
        <translation>Набор</translation>
    </message>
    <message>
        <source>%1 h</source>
        <comment>hours with one decimal, such as 1.5</comment>
        <translation>%1 ч</translation>
    </message>
    <message numerus="yes">
        <source>%Ln h</source>
        <translation>
            <numerusform>%Ln ч</numerusform>
            <numerusform>%Ln ч</numerusform>
            <numerusform>%Ln ч</numerusform>
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
            <numerusform>%Ln слово сэкономлено сегодня</numerusform>
            <numerusform>%Ln слова сэкономлено сегодня</numerusform>
            <numerusform>%Ln слов сэкономлено сегодня</numerusform>
        </translation>
    </message>
    <message>
        <source>Under a minute of typing saved today.</source>
        <translation>Сегодня сэкономлено меньше минуты набора.</translation>
    </message>
    <message>
        <source>About %1 of typing saved today.</source>
        <translation>Сегодня сэкономлено около %1 набора.</translation>
    </message>
    <message numerus="yes">
        <source>Step %1 of %Ln</source>
        <translation>
            <numerusform>Шаг %1 из %Ln</numerusform>
            <numerusform>Шаг %1 из %Ln</numerusform>
            <numerusform>Шаг %1 из %Ln</numerusform>
        </translation>
    </message>
    <message>
        <source>%app reads and types into text fields through the desktop&apos;s accessibility support, which some desktops leave off. %app uses it only for the field you&apos;re writing in.</source>
        <translation>%app читает текстовые поля и вводит в них текст через поддержку специальных возможностей рабочего стола, которую некоторые рабочие столы оставляют выключенной. %app использует её только для поля, в котором вы пишете.</translation>
    </message>
    <message>
        <source>The button switches the desktop&apos;s accessibility support on. If the desktop&apos;s settings open instead, turn accessibility on there, then come back. This page updates by itself.</source>
        <translation>Кнопка включает поддержку специальных возможностей рабочего стола. Если вместо этого откроются настройки рабочего стола, включите там специальные возможности и вернитесь. Эта страница обновляется сама.</translation>
    </message>
    <message>
        <source>Still off? Some desktops start their accessibility service only when you log in. Log out and back in, then try again.</source>
        <translation>Всё ещё выключено? Некоторые рабочие столы запускают службу специальных возможностей только при входе в систему. Выйдите из системы, войдите снова и попробуйте ещё раз.</translation>
    </message>
    <message>
        <source>Pause</source>
        <comment>section header</comment>
        <translation>Пауза</translation>
    </message>
    <message>
        <source>Pause</source>
        <comment>button</comment>
        <translation>Приостановить</translation>
    </message>
    <message>
        <source>typing</source>
        <comment>insertion method, in a sentence</comment>
        <translation>набор</translation>
    </message>
    <message>
        <source>accessibility</source>
        <comment>insertion method, in a sentence</comment>
        <translation>специальные возможности</translation>
    </message>
    <message>
        <source>paste</source>
        <comment>insertion method, in a sentence</comment>
        <translation>буфер обмена</translation>
    </message>
    <message>
        <source>short</source>
        <comment>suggestion length, in a sentence</comment>
        <translation>короткие</translation>
    </message>
    <message>
        <source>medium</source>
        <comment>suggestion length, in a sentence</comment>
        <translation>средние</translation>
    </message>
    <message>
        <source>long</source>
        <comment>suggestion length, in a sentence</comment>
        <translation>длинные</translation>
    </message>
    <message>
        <source>Default follows General: %1, %2 suggestions.</source>
        <translation>По умолчанию как в разделе «Основные»: %1, %2 подсказки.</translation>
    </message>
    <message>
        <source>Yes, at %1, %2 on screen, %3 pt tall, %4 and %5</source>
        <translation>Да, в точке %1, %2 на экране, высота %3 pt, %4 и %5</translation>
    </message>
    <message numerus="yes">
        <source>%Ln characters before it</source>
        <translation>
            <numerusform>%Ln символ до него</numerusform>
            <numerusform>%Ln символа до него</numerusform>
            <numerusform>%Ln символов до него</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln after</source>
        <comment>characters after the caret</comment>
        <translation>
            <numerusform>%Ln после</numerusform>
            <numerusform>%Ln после</numerusform>
            <numerusform>%Ln после</numerusform>
        </translation>
    </message>
    <message>
        <source>No system tray runs on this desktop, so the icon cannot show. %1</source>
        <translation>На этом рабочем столе не запущен системный трей, поэтому значок не может появиться. %1</translation>
    </message>
    <message>
        <source>Typing</source>
        <comment>section header</comment>
        <translation>Набор</translation>
    </message>
    <message>
        <source>Switch to the computer&apos;s language?</source>
        <translation>Переключиться на язык компьютера?</translation>
    </message>
    <message numerus="yes">
        <source>%Ln words this week.</source>
        <translation>
            <numerusform>%Ln слово за эту неделю.</numerusform>
            <numerusform>%Ln слова за эту неделю.</numerusform>
            <numerusform>%Ln слов за эту неделю.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Under a minute of typing saved today. %Ln words this week.</source>
        <translation>
            <numerusform>Сегодня сэкономлено меньше минуты набора. %Ln слово за эту неделю.</numerusform>
            <numerusform>Сегодня сэкономлено меньше минуты набора. %Ln слова за эту неделю.</numerusform>
            <numerusform>Сегодня сэкономлено меньше минуты набора. %Ln слов за эту неделю.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>About %1 of typing saved today. %Ln words this week.</source>
        <translation>
            <numerusform>Сегодня сэкономлено около %1 набора. %Ln слово за эту неделю.</numerusform>
            <numerusform>Сегодня сэкономлено около %1 набора. %Ln слова за эту неделю.</numerusform>
            <numerusform>Сегодня сэкономлено около %1 набора. %Ln слов за эту неделю.</numerusform>
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
            <numerusform>%Ln из %1 готово</numerusform>
            <numerusform>%Ln из %1 готово</numerusform>
            <numerusform>%Ln из %1 готово</numerusform>
        </translation>
    </message>
    <message>
        <source>The server refused the connection. Check that it is running and that the address is right.</source>
        <translation>Сервер отклонил подключение. Проверьте, что он запущен и что адрес указан верно.</translation>
    </message>
    <message>
        <source>The server&apos;s name couldn&apos;t be found. Check the address.</source>
        <translation>Имя сервера не найдено. Проверьте адрес.</translation>
    </message>
    <message>
        <source>A secure connection to the server couldn&apos;t be made.</source>
        <translation>Не удалось установить защищённое соединение с сервером.</translation>
    </message>
    <message>
        <source>The server closed the connection before it answered.</source>
        <translation>Сервер закрыл соединение, не ответив.</translation>
    </message>
    <message>
        <source>The network proxy couldn&apos;t be reached.</source>
        <translation>Сетевой прокси-сервер недоступен.</translation>
    </message>
    <message>
        <source>The server couldn&apos;t be reached.</source>
        <translation>Сервер недоступен.</translation>
    </message>
    <message>
        <source>Waiting for the network…</source>
        <translation>Ожидание сети…</translation>
    </message>
    <message>
        <source>%1 is taken by another program.</source>
        <translation>Сочетание клавиш %1 уже занято другой программой.</translation>
    </message>
    <message>
        <source>%1 could not open again. Your choice takes effect the next time you start it.</source>
        <translation>Не удалось перезапустить %1. Ваш выбор вступит в силу при следующем запуске.</translation>
    </message>
    <message>
        <source>Downloading the model</source>
        <translation>Скачивание модели</translation>
    </message>
    <message numerus="yes">
        <source>These apps answer the Tab key before %app can, so %app stays paused in your other apps until they quit.</source>
        <translation>
            <numerusform>Эти приложения реагируют на клавишу Tab раньше %app, поэтому %app приостановлен в других приложениях, пока они не закроются.</numerusform>
            <numerusform>Эти приложения реагируют на клавишу Tab раньше %app, поэтому %app приостановлен в других приложениях, пока они не закроются.</numerusform>
            <numerusform>Эти приложения реагируют на клавишу Tab раньше %app, поэтому %app приостановлен в других приложениях, пока они не закроются.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>It may be waiting on a dialog of its own. Force Quit closes it right away.</source>
        <translation>
            <numerusform>Возможно, оно ждёт ответа в собственном диалоге. «Принудительно закрыть» закроет его сразу.</numerusform>
            <numerusform>Возможно, они ждут ответа в собственных диалогах. «Принудительно закрыть» закроет их сразу.</numerusform>
            <numerusform>Возможно, они ждут ответа в собственных диалогах. «Принудительно закрыть» закроет их сразу.</numerusform>
        </translation>
    </message>
    <message>
        <source>Set a Suggest Now shortcut in Keys to ask for suggestions</source>
        <translation>Задайте сочетание «Подсказать сейчас» в разделе «Клавиши», чтобы запрашивать подсказки</translation>
    </message>
    <message>
        <source>Backspace</source>
        <comment>key above Enter that deletes backwards</comment>
        <translation>Backspace</translation>
    </message>
    <message>
        <source>0 words saved today</source>
        <translation>0 слов сэкономлено сегодня</translation>
    </message>
    <message>
        <source>words saved today</source>
        <comment>beside the count 0</comment>
        <translation>слов сэкономлено сегодня</translation>
    </message>
    <message>
        <source>Quit the other app</source>
        <translation>Закрыть другое приложение</translation>
    </message>
    <message>
        <source>None yet</source>
        <comment>no app looked at yet</comment>
        <translation>Пока нет</translation>
    </message>
    <message>
        <source>None yet</source>
        <comment>no suggestion shown yet</comment>
        <translation>Пока нет</translation>
    </message>
    <message>
        <source>The other app is also running</source>
        <translation>Другое приложение тоже запущено</translation>
    </message>
    <message>
        <source>Both apps answer the Tab key, and the system gives it to the other app first. %app stays paused in your other apps until the other app quits.</source>
        <translation>Оба приложения реагируют на клавишу Tab, и система отдаёт её сначала другому приложению. %app приостановлен в других приложениях, пока то приложение не закроется.</translation>
    </message>
    <message>
        <source>The other app is still open</source>
        <translation>Другое приложение всё ещё открыто</translation>
    </message>
    <message>
        <source>The other app quit, so your suggestions are back in every app.</source>
        <translation>Другое приложение закрыто, и подсказки снова работают везде.</translation>
    </message>
    <message>
        <source>The other app quit. %app has the Tab key.</source>
        <translation>Другое приложение закрыто. Клавиша Tab снова у %app.</translation>
    </message>
</context>
</TS>
