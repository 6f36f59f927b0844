<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl" sourcelanguage="en">
<context>
    <name>Tessaquill</name>
    <message>
        <source>Accessibility is on. %app is ready in your other apps.</source>
        <translation>Ułatwienia dostępu są włączone. %app działa już w twoich innych aplikacjach.</translation>
    </message>
    <message>
        <source>Paused while %1 is open</source>
        <translation>Wstrzymano, dopóki otwarta jest aplikacja %1</translation>
    </message>
    <message>
        <source>Welcome to %app</source>
        <translation>Witaj w %app</translation>
    </message>
    <message>
        <source>%app</source>
        <translation>%app</translation>
    </message>
    <message>
        <source>Another autocomplete app is running</source>
        <translation>Działa inna aplikacja autouzupełniania</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Gotowe</translation>
    </message>
    <message>
        <source>Waiting for a pause</source>
        <translation>Czekam na przerwę</translation>
    </message>
    <message>
        <source>Thinking</source>
        <translation>Myślę</translation>
    </message>
    <message>
        <source>Showing a suggestion</source>
        <translation>Wyświetlam podpowiedź</translation>
    </message>
    <message>
        <source>The model took too long to answer</source>
        <translation>Model zbyt długo nie odpowiadał</translation>
    </message>
    <message>
        <source>This app doesn&apos;t report where the caret is</source>
        <translation>Ta aplikacja nie podaje położenia kursora</translation>
    </message>
    <message>
        <source>%app is turned off</source>
        <translation>%app jest wyłączony</translation>
    </message>
    <message>
        <source>Secure input is on, so %app stays out</source>
        <translation>Bezpieczne wprowadzanie jest włączone, więc %app się nie wtrąca</translation>
    </message>
    <message>
        <source>Press %1 for a suggestion</source>
        <translation>Naciśnij %1, aby dostać podpowiedź</translation>
    </message>
    <message>
        <source>Text is selected</source>
        <translation>Zaznaczono tekst</translation>
    </message>
    <message>
        <source>The caret is inside existing text</source>
        <translation>Kursor jest w środku istniejącego tekstu</translation>
    </message>
    <message>
        <source>This field is too small</source>
        <translation>To pole jest za małe</translation>
    </message>
    <message>
        <source>Waiting for a few characters</source>
        <translation>Czekam na kilka znaków</translation>
    </message>
    <message>
        <source>Start of a new line</source>
        <translation>Początek nowego wiersza</translation>
    </message>
    <message>
        <source>The model is still downloading</source>
        <translation>Model jest jeszcze pobierany</translation>
    </message>
    <message>
        <source>Download the %app model in Settings first</source>
        <translation>Najpierw pobierz model %app w ustawieniach</translation>
    </message>
    <message>
        <source>Not checked yet</source>
        <translation>Jeszcze nie sprawdzono</translation>
    </message>
    <message>
        <source>Checking…</source>
        <translation>Sprawdzanie…</translation>
    </message>
    <message>
        <source>The model stopped with error %1</source>
        <translation>Model zatrzymał się z błędem %1</translation>
    </message>
    <message>
        <source>The model file couldn&apos;t be loaded</source>
        <translation>Nie udało się wczytać pliku modelu</translation>
    </message>
    <message>
        <source>There wasn&apos;t enough memory to start the model</source>
        <translation>Za mało pamięci, by uruchomić model</translation>
    </message>
    <message>
        <source>The text couldn&apos;t be prepared for the model</source>
        <translation>Nie udało się przygotować tekstu dla modelu</translation>
    </message>
    <message>
        <source>This computer needs %1 free for the download. Free up some space, then try again.</source>
        <translation>Do pobrania potrzeba %1 wolnego miejsca. Zwolnij trochę miejsca i spróbuj ponownie.</translation>
    </message>
    <message>
        <source>The download didn&apos;t match the expected file, so it was deleted. Try again.</source>
        <translation>Pobrany plik nie zgadzał się z oczekiwanym, więc został usunięty. Spróbuj ponownie.</translation>
    </message>
    <message>
        <source>Downloaded</source>
        <translation>Pobrano</translation>
    </message>
    <message>
        <source>Downloading. Suggestions start once it&apos;s done.</source>
        <translation>Pobieranie. Podpowiedzi pojawią się, gdy się zakończy.</translation>
    </message>
    <message>
        <source>Checking the download.</source>
        <translation>Sprawdzanie pobranego pliku.</translation>
    </message>
    <message>
        <source>Checking the download. Suggestions start once it&apos;s done.</source>
        <translation>Sprawdzanie pobranego pliku. Podpowiedzi pojawią się, gdy się zakończy.</translation>
    </message>
    <message>
        <source>Download the model to start</source>
        <translation>Pobierz model, aby zacząć</translation>
    </message>
    <message>
        <source>Ollama is running but has no models</source>
        <translation>Ollama działa, ale nie ma żadnych modeli</translation>
    </message>
    <message>
        <source>Another app</source>
        <translation>Inna aplikacja</translation>
    </message>
    <message>
        <source>There is no D-Bus session bus, so %1 cannot reach text fields.</source>
        <translation>Brak magistrali sesji D-Bus, więc %1 nie ma dostępu do pól tekstowych.</translation>
    </message>
    <message>
        <source>The desktop&apos;s accessibility bus is not running, so %1 cannot reach text fields.</source>
        <translation>Magistrala ułatwień dostępu pulpitu nie działa, więc %1 nie ma dostępu do pól tekstowych.</translation>
    </message>
    <message>
        <source>Short</source>
        <translation>Krótkie</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Średnie</translation>
    </message>
    <message>
        <source>Long</source>
        <translation>Długie</translation>
    </message>
    <message>
        <source>Hide the suggestion</source>
        <translation>Ukryj podpowiedź</translation>
    </message>
    <message>
        <source>Hide suggestions until I change fields</source>
        <translation>Ukrywaj podpowiedzi, aż zmienię pole</translation>
    </message>
    <message>
        <source>Do nothing, send Escape to the app</source>
        <translation>Nic nie rób, przekaż Escape do aplikacji</translation>
    </message>
    <message>
        <source>Type it</source>
        <translation>Wpisywanie</translation>
    </message>
    <message>
        <source>Insert through Accessibility</source>
        <translation>Wstawianie przez ułatwienia dostępu</translation>
    </message>
    <message>
        <source>Paste it</source>
        <translation>Wklejanie</translation>
    </message>
    <message>
        <source>Grey</source>
        <translation>Szary</translation>
    </message>
    <message>
        <source>Gold tint</source>
        <translation>Złoty odcień</translation>
    </message>
    <message>
        <source>%app model</source>
        <translation>Model %app</translation>
    </message>
    <message>
        <source>Ollama</source>
        <translation>Ollama</translation>
    </message>
    <message>
        <source>Local server</source>
        <translation>Serwer lokalny</translation>
    </message>
    <message>
        <source>Runs on this computer after a one-time download. Works offline.</source>
        <translation>Działa na tym komputerze po jednorazowym pobraniu. Działa bez internetu.</translation>
    </message>
    <message>
        <source>Any model you run in Ollama, base models included.</source>
        <translation>Dowolny model uruchomiony w Ollamie, także modele bazowe.</translation>
    </message>
    <message>
        <source>LM Studio, llama-server or any OpenAI-compatible endpoint.</source>
        <translation>LM Studio, llama-server lub dowolny punkt końcowy zgodny z OpenAI.</translation>
    </message>
    <message>
        <source>Sends the text as keystrokes. Works almost everywhere.</source>
        <translation>Wysyła tekst jako naciśnięcia klawiszy. Działa prawie wszędzie.</translation>
    </message>
    <message>
        <source>Uses the clipboard, then puts your clipboard back.</source>
        <translation>Używa schowka, a potem przywraca jego zawartość.</translation>
    </message>
    <message>
        <source>Accessibility</source>
        <translation>Ułatwienia dostępu</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Wklejanie</translation>
    </message>
    <message>
        <source>Your writing memory could not be opened and was set aside. Nothing new is remembered until %app starts again.</source>
        <translation>Nie udało się otworzyć pamięci pisania, więc odłożono ją na bok. Nic nowego nie będzie zapamiętywane do ponownego uruchomienia %app.</translation>
    </message>
    <message>
        <source>Your writing memory could not be opened because its key could not be read from the keyring. Nothing new is remembered until %app starts again.</source>
        <translation>Nie udało się otworzyć pamięci pisania, bo nie dało się odczytać jej klucza z magazynu kluczy. Nic nowego nie będzie zapamiętywane do ponownego uruchomienia %app.</translation>
    </message>
    <message>
        <source>Not Now</source>
        <translation>Nie teraz</translation>
    </message>
    <message>
        <source>Open the desktop&apos;s settings</source>
        <translation>Otwórz ustawienia pulpitu</translation>
    </message>
    <message>
        <source>Don&apos;t remind me again</source>
        <translation>Nie przypominaj więcej</translation>
    </message>
    <message>
        <source>Open Playground</source>
        <translation>Otwórz pole do ćwiczeń</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ustawienia</translation>
    </message>
    <message>
        <source>Quit %app</source>
        <translation>Zakończ %app</translation>
    </message>
    <message>
        <source>Needs Accessibility access</source>
        <translation>Wymaga uprawnienia ułatwień dostępu</translation>
    </message>
    <message>
        <source>Paused until you resume</source>
        <translation>Wstrzymano do wznowienia</translation>
    </message>
    <message>
        <source>Paused until %1</source>
        <translation>Wstrzymano do %1</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Wył.</translation>
    </message>
    <message numerus="yes">
        <source>Paused while %1 are open</source>
        <translation>
            <numerusform>Wstrzymano, dopóki otwarta jest aplikacja %1</numerusform>
            <numerusform>Wstrzymano, dopóki otwarte są aplikacje %1</numerusform>
            <numerusform>Wstrzymano, dopóki otwarte są aplikacje %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Grant Accessibility Access…</source>
        <translation>Przyznaj uprawnienie ułatwień dostępu…</translation>
    </message>
    <message numerus="yes">
        <source>Force Quit %1</source>
        <translation>
            <numerusform>Wymuś zamknięcie aplikacji %1</numerusform>
            <numerusform>Wymuś zamknięcie aplikacji %1</numerusform>
            <numerusform>Wymuś zamknięcie aplikacji %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Quit %1</source>
        <translation>
            <numerusform>Zamknij %1</numerusform>
            <numerusform>Zamknij %1</numerusform>
            <numerusform>Zamknij %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>words saved today</source>
        <translation>
            <numerusform>słowo zaoszczędzone dziś</numerusform>
            <numerusform>słowa zaoszczędzone dziś</numerusform>
            <numerusform>słów zaoszczędzonych dziś</numerusform>
        </translation>
    </message>
    <message>
        <source>Start typing anywhere. %app keeps count here.</source>
        <translation>Zacznij pisać gdziekolwiek. %app prowadzi tu licznik.</translation>
    </message>
    <message>
        <source>Resume in %1</source>
        <translation>Wznów w aplikacji %1</translation>
    </message>
    <message>
        <source>Pause in %1</source>
        <translation>Wstrzymaj w aplikacji %1</translation>
    </message>
    <message>
        <source>Resume Everywhere</source>
        <translation>Wznów wszędzie</translation>
    </message>
    <message>
        <source>Pause Everywhere</source>
        <translation>Wstrzymaj wszędzie</translation>
    </message>
    <message>
        <source>For 15 Minutes</source>
        <translation>Na 15 minut</translation>
    </message>
    <message>
        <source>For 1 Hour</source>
        <translation>Na 1 godzinę</translation>
    </message>
    <message>
        <source>For 4 Hours</source>
        <translation>Na 4 godziny</translation>
    </message>
    <message>
        <source>Until I Resume</source>
        <translation>Do wznowienia</translation>
    </message>
    <message>
        <source>Example: after typing %1, %2 suggests %3</source>
        <translation>Przykład: po wpisaniu „%1” %2 podpowiada „%3”</translation>
    </message>
    <message>
        <source>takes the next word</source>
        <translation>przyjmuje następne słowo</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Pobierz</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 z %2</translation>
    </message>
    <message>
        <source>%1 of %2. You can keep writing while it downloads.</source>
        <translation>%1 z %2. Możesz dalej pisać w trakcie pobierania.</translation>
    </message>
    <message>
        <source>Checking the download</source>
        <translation>Sprawdzanie pobranego pliku</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Spróbuj ponownie</translation>
    </message>
    <message>
        <source>Remove…</source>
        <translation>Usuń…</translation>
    </message>
    <message>
        <source>%1 license</source>
        <translation>Licencja %1</translation>
    </message>
    <message>
        <source>Remove the %app model?</source>
        <translation>Usunąć model %app?</translation>
    </message>
    <message>
        <source>Model download</source>
        <translation>Pobieranie modelu</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Dalej</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Później</translation>
    </message>
    <message>
        <source>Start Writing</source>
        <translation>Zacznij pisać</translation>
    </message>
    <message>
        <source>Finish your sentences in any app.</source>
        <translation>Kończy twoje zdania w każdej aplikacji.</translation>
    </message>
    <message>
        <source>%app reads the words before your caret and suggests what comes next in grey. Press Tab to take one word, or the key above Tab to take the rest. If you don&apos;t want it, keep typing.</source>
        <translation>%app czyta słowa przed kursorem i na szaro podpowiada, co dalej. Naciśnij Tab, by przyjąć jedno słowo, albo klawisz nad Tab, by przyjąć resztę. Jeśli nie chcesz podpowiedzi, po prostu pisz dalej.</translation>
    </message>
    <message>
        <source>Sees what you see</source>
        <translation>Widzi to, co ty</translation>
    </message>
    <message>
        <source>Private</source>
        <translation>Prywatnie</translation>
    </message>
    <message>
        <source>It reads the window you&apos;re typing in, like the chat you&apos;re answering, so suggestions fit. None of it goes online, to us or any server. It stays private on your computer.</source>
        <translation>Czyta okno, w którym piszesz, na przykład czat, na który odpowiadasz, żeby podpowiedzi pasowały. Nic z tego nie trafia do sieci — ani do nas, ani na żaden serwer. Wszystko zostaje prywatnie na twoim komputerze.</translation>
    </message>
    <message>
        <source>Accessibility is on</source>
        <translation>Ułatwienia dostępu są włączone</translation>
    </message>
    <message>
        <source>%app can now read the field you&apos;re writing in and type suggestions for you.</source>
        <translation>%app może teraz czytać pole, w którym piszesz, i wpisywać za ciebie podpowiedzi.</translation>
    </message>
    <message>
        <source>Let %app see what you type.</source>
        <translation>Pozwól %app widzieć, co piszesz.</translation>
    </message>
    <message>
        <source>%app reads your text when you pause and forgets it after one suggestion, unless you turn on writing memory.</source>
        <translation>%app czyta twój tekst, gdy robisz przerwę, i zapomina go po jednej podpowiedzi, chyba że włączysz pamięć pisania.</translation>
    </message>
    <message>
        <source>%app skips password fields and anything else the system marks as secure.</source>
        <translation>%app pomija pola haseł i wszystko, co system oznacza jako bezpieczne.</translation>
    </message>
    <message>
        <source>Open Accessibility Settings</source>
        <translation>Otwórz ustawienia ułatwień dostępu</translation>
    </message>
    <message>
        <source>Pick what writes your suggestions.</source>
        <translation>Wybierz, co ma pisać podpowiedzi.</translation>
    </message>
    <message>
        <source>You can change this any time in Settings.</source>
        <translation>Możesz to zmienić w każdej chwili w ustawieniach.</translation>
    </message>
    <message>
        <source>Give it a try.</source>
        <translation>Wypróbuj.</translation>
    </message>
    <message>
        <source>Start typing a sentence. When grey words appear, press Tab for one word or the key above Tab for all of them.</source>
        <translation>Zacznij pisać zdanie. Gdy pojawią się szare słowa, naciśnij Tab, by przyjąć jedno słowo, albo klawisz nad Tab, by przyjąć wszystkie.</translation>
    </message>
    <message>
        <source>Hi Orlenn, thanks for the quick reply. I think we should</source>
        <translation>Cześć Orlenn, dzięki za szybką odpowiedź. Myślę, że powinniśmy</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Wstecz</translation>
    </message>
    <message>
        <source>Practice field</source>
        <translation>Pole do ćwiczeń</translation>
    </message>
    <message>
        <source>Default, on</source>
        <translation>Domyślnie, wł.</translation>
    </message>
    <message>
        <source>Default, off</source>
        <translation>Domyślnie, wył.</translation>
    </message>
    <message>
        <source>Add a website</source>
        <translation>Dodaj witrynę</translation>
    </message>
    <message>
        <source>Domain</source>
        <translation>Domena</translation>
    </message>
    <message>
        <source>Rules for a site apply in any browser %app can read.</source>
        <translation>Reguły dla witryny działają w każdej przeglądarce, którą %app potrafi czytać.</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Dodaj</translation>
    </message>
    <message>
        <source>Add App…</source>
        <translation>Dodaj aplikację…</translation>
    </message>
    <message>
        <source>Add an app</source>
        <translation>Dodaj aplikację</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Szukaj</translation>
    </message>
    <message>
        <source>Clear search</source>
        <translation>Wyczyść wyszukiwanie</translation>
    </message>
    <message>
        <source>Add an app or website</source>
        <translation>Dodaj aplikację lub witrynę</translation>
    </message>
    <message>
        <source>Add Website…</source>
        <translation>Dodaj witrynę…</translation>
    </message>
    <message>
        <source>Apps &amp; Sites</source>
        <translation>Aplikacje i witryny</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Wstrzymano</translation>
    </message>
    <message>
        <source>Apps</source>
        <translation>Aplikacje</translation>
    </message>
    <message>
        <source>Websites</source>
        <translation>Witryny</translation>
    </message>
    <message>
        <source>No matches</source>
        <translation>Brak wyników</translation>
    </message>
    <message>
        <source>No apps yet</source>
        <translation>Brak aplikacji</translation>
    </message>
    <message>
        <source>Nothing matches “%1”.</source>
        <translation>Nic nie pasuje do „%1”.</translation>
    </message>
    <message>
        <source>Apps appear here once you accept a suggestion in them, or add one with +.</source>
        <translation>Aplikacje pojawiają się tu, gdy przyjmiesz w nich podpowiedź. Możesz też dodać je przyciskiem +.</translation>
    </message>
    <message>
        <source>Pick an app or site</source>
        <translation>Wybierz aplikację lub witrynę</translation>
    </message>
    <message>
        <source>Each one can have its own rules. Anything you don&apos;t change follows General.</source>
        <translation>Każda może mieć własne reguły. Wszystko, czego nie zmienisz, działa jak w sekcji „Ogólne”.</translation>
    </message>
    <message>
        <source>Words saved here</source>
        <translation>Zaoszczędzone słowa tutaj</translation>
    </message>
    <message>
        <source>Suggestions</source>
        <translation>Podpowiedzi</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Wł.</translation>
    </message>
    <message>
        <source>Tab accepts suggestions</source>
        <translation>Tab przyjmuje podpowiedzi</translation>
    </message>
    <message>
        <source>Turn off where Tab already means something, like indenting. The other accept key still works.</source>
        <translation>Wyłącz tam, gdzie Tab już coś robi, np. wcięcie. Drugi klawisz przyjmowania nadal działa.</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Domyślnie</translation>
    </message>
    <message>
        <source>Insert by</source>
        <translation>Sposób wstawiania</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Długość</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Wznów</translation>
    </message>
    <message>
        <source>Pause here</source>
        <translation>Wstrzymaj tutaj</translation>
    </message>
    <message>
        <source>Memory</source>
        <translation>Pamięć</translation>
    </message>
    <message>
        <source>Remember my writing here</source>
        <translation>Zapamiętuj tutaj mój sposób pisania</translation>
    </message>
    <message>
        <source>Writing memory is off in Your Voice.</source>
        <translation>Pamięć pisania jest wyłączona w sekcji „Twój styl”.</translation>
    </message>
    <message>
        <source>Erase…</source>
        <translation>Wymaż…</translation>
    </message>
    <message>
        <source>Reset to Defaults</source>
        <translation>Przywróć domyślne</translation>
    </message>
    <message>
        <source>Erase what %app remembered from %1?</source>
        <translation>Wymazać to, co %app zapamiętał dla „%1”?</translation>
    </message>
    <message>
        <source>Erase</source>
        <translation>Wymaż</translation>
    </message>
    <message>
        <source>Passages from this app can shape suggestions everywhere.</source>
        <translation>Fragmenty z tej aplikacji mogą wpływać na podpowiedzi wszędzie.</translation>
    </message>
    <message>
        <source>Finish setting up</source>
        <translation>Dokończ konfigurację</translation>
    </message>
    <message>
        <source>Setup progress</source>
        <translation>Postęp konfiguracji</translation>
    </message>
    <message>
        <source>Done: %1</source>
        <translation>Gotowe: %1</translation>
    </message>
    <message>
        <source>Best day yet!</source>
        <translation>Rekordowy dzień!</translation>
    </message>
    <message>
        <source>Try it here</source>
        <translation>Wypróbuj tutaj</translation>
    </message>
    <message>
        <source>Thanks for sending the draft over. I had a look and</source>
        <translation>Dzięki za przesłanie szkicu. Przejrzałem go i</translation>
    </message>
    <message>
        <source>next word</source>
        <translation>następne słowo</translation>
    </message>
    <message>
        <source>whole suggestion</source>
        <translation>cała podpowiedź</translation>
    </message>
    <message>
        <source>hide it</source>
        <translation>ukryj</translation>
    </message>
    <message>
        <source>This field runs the real engine. Start typing and grey words show up as you go.</source>
        <translation>To pole używa prawdziwego silnika. Zacznij pisać, a szare słowa będą się pojawiać na bieżąco.</translation>
    </message>
    <message>
        <source>This field runs the real engine, even before you allow Accessibility. Start typing and grey words show up as you go.</source>
        <translation>To pole używa prawdziwego silnika, nawet zanim zezwolisz na ułatwienia dostępu. Zacznij pisać, a szare słowa będą się pojawiać na bieżąco.</translation>
    </message>
    <message>
        <source>You&apos;re all set</source>
        <translation>Wszystko gotowe</translation>
    </message>
    <message>
        <source>Accessibility is on and %1 is ready. %app works in every app you type in.</source>
        <translation>Ułatwienia dostępu są włączone, a silnik „%1” jest gotowy. %app działa w każdej aplikacji, w której piszesz.</translation>
    </message>
    <message>
        <source>Waiting for %1 to quit</source>
        <translation>Czekam, aż %1 się zamknie</translation>
    </message>
    <message>
        <source>Turned off</source>
        <translation>Wyłączony</translation>
    </message>
    <message>
        <source>Paused everywhere</source>
        <translation>Wstrzymano wszędzie</translation>
    </message>
    <message>
        <source>%1, %2 typical wait</source>
        <translation>%1, typowe oczekiwanie %2</translation>
    </message>
    <message>
        <source>Start your streak today.</source>
        <translation>Zacznij swoją serię już dziś.</translation>
    </message>
    <message>
        <source>Overview</source>
        <translation>Przegląd</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Ogólne</translation>
    </message>
    <message>
        <source>Engine</source>
        <translation>Silnik</translation>
    </message>
    <message>
        <source>Context</source>
        <translation>Kontekst</translation>
    </message>
    <message>
        <source>Your Voice</source>
        <translation>Twój styl</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Klawisze</translation>
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
        <translation>Statystyki</translation>
    </message>
    <message>
        <source>Field Inspector</source>
        <translation>Inspektor pól</translation>
    </message>
    <message>
        <source>About</source>
        <translation>O programie</translation>
    </message>
    <message>
        <source>How %app is doing today</source>
        <translation>Jak %app radzi sobie dzisiaj</translation>
    </message>
    <message>
        <source>Where and how suggestions appear</source>
        <translation>Gdzie i jak pojawiają się podpowiedzi</translation>
    </message>
    <message>
        <source>The model that writes your suggestions</source>
        <translation>Model, który pisze podpowiedzi</translation>
    </message>
    <message>
        <source>What %app may look at to guess better</source>
        <translation>Na co %app może patrzeć, by lepiej zgadywać</translation>
    </message>
    <message>
        <source>Help suggestions sound like you</source>
        <translation>Podpowiedzi w twoim stylu</translation>
    </message>
    <message>
        <source>Accept, dismiss and summon suggestions</source>
        <translation>Przyjmowanie, odrzucanie i wywoływanie podpowiedzi</translation>
    </message>
    <message>
        <source>Emoji search and emoticons</source>
        <translation>Wyszukiwanie emoji i emotikony</translation>
    </message>
    <message>
        <source>Rules for each app and website</source>
        <translation>Reguły dla każdej aplikacji i witryny</translation>
    </message>
    <message>
        <source>Save power when you&apos;re unplugged</source>
        <translation>Oszczędzaj energię bez zasilacza</translation>
    </message>
    <message>
        <source>Words saved and how fast suggestions arrive</source>
        <translation>Zaoszczędzone słowa i szybkość podpowiedzi</translation>
    </message>
    <message>
        <source>What %app sees in the focused field</source>
        <translation>Co %app widzi w aktywnym polu</translation>
    </message>
    <message>
        <source>Version and privacy</source>
        <translation>Wersja i prywatność</translation>
    </message>
    <message>
        <source>Writing</source>
        <translation>Pisanie</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Wprowadzanie</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Reguły</translation>
    </message>
    <message>
        <source>Activity</source>
        <translation>Aktywność</translation>
    </message>
    <message>
        <source>%app can read the field you&apos;re typing in and insert suggestions in any app.</source>
        <translation>%app może czytać pole, w którym piszesz, i wstawiać podpowiedzi w każdej aplikacji.</translation>
    </message>
    <message>
        <source>Allow Accessibility access</source>
        <translation>Zezwól na ułatwienia dostępu</translation>
    </message>
    <message>
        <source>%app needs it to read the text you type in other apps and to insert suggestions.</source>
        <translation>%app potrzebuje tego, by czytać tekst wpisywany w innych aplikacjach i wstawiać podpowiedzi.</translation>
    </message>
    <message>
        <source>Allow…</source>
        <translation>Zezwól…</translation>
    </message>
    <message>
        <source>%1 is ready</source>
        <translation>Silnik „%1” jest gotowy</translation>
    </message>
    <message>
        <source>Checking %1</source>
        <translation>Sprawdzanie: %1</translation>
    </message>
    <message>
        <source>This takes a moment.</source>
        <translation>To chwilę potrwa.</translation>
    </message>
    <message>
        <source>Your engine isn&apos;t ready</source>
        <translation>Silnik nie jest gotowy</translation>
    </message>
    <message>
        <source>Open Engine</source>
        <translation>Otwórz „Silnik”</translation>
    </message>
    <message>
        <source>The system&apos;s predictions are off</source>
        <translation>Systemowe przewidywanie tekstu jest wyłączone</translation>
    </message>
    <message>
        <source>Only %app&apos;s suggestions appear while you type.</source>
        <translation>Podczas pisania pojawiają się tylko podpowiedzi %app.</translation>
    </message>
    <message>
        <source>Turn off the system&apos;s predictions</source>
        <translation>Wyłącz systemowe przewidywanie tekstu</translation>
    </message>
    <message>
        <source>The system shows its own grey suggestions on top of %app&apos;s. Each app picks up the change the next time you open it.</source>
        <translation>System pokazuje własne szare podpowiedzi nad podpowiedziami %app. Każda aplikacja uwzględni zmianę przy następnym otwarciu.</translation>
    </message>
    <message>
        <source>Keyboard Settings</source>
        <translation>Ustawienia klawiatury</translation>
    </message>
    <message>
        <source>Turn Off</source>
        <translation>Wyłącz</translation>
    </message>
    <message>
        <source>Only %app is suggesting</source>
        <translation>Podpowiada tylko %app</translation>
    </message>
    <message>
        <source>Tab reaches %app again.</source>
        <translation>Tab znów trafia do %app.</translation>
    </message>
    <message numerus="yes">
        <source>%1 didn&apos;t quit. They may be showing a dialog. Force Quit closes them right away.</source>
        <translation>
            <numerusform>Aplikacja %1 się nie zamknęła. Może wyświetla okno dialogowe. „Wymuś zamknięcie” zamknie ją od razu.</numerusform>
            <numerusform>Aplikacje %1 się nie zamknęły. Mogą wyświetlać okno dialogowe. „Wymuś zamknięcie” zamknie je od razu.</numerusform>
            <numerusform>Aplikacje %1 się nie zamknęły. Mogą wyświetlać okno dialogowe. „Wymuś zamknięcie” zamknie je od razu.</numerusform>
        </translation>
    </message>
    <message>
        <source>Force Quit</source>
        <translation>Wymuś zamknięcie</translation>
    </message>
    <message numerus="yes">
        <source>%1 take the Tab key before %app can, so %app stays paused in your other apps until you quit them.</source>
        <translation>
            <numerusform>%1 przechwytuje klawisz Tab przed %app, więc %app pozostaje wstrzymany w innych aplikacjach, dopóki nie zamkniesz aplikacji %1.</numerusform>
            <numerusform>%1 przechwytują klawisz Tab przed %app, więc %app pozostaje wstrzymany w innych aplikacjach, dopóki ich nie zamkniesz.</numerusform>
            <numerusform>%1 przechwytują klawisz Tab przed %app, więc %app pozostaje wstrzymany w innych aplikacjach, dopóki ich nie zamkniesz.</numerusform>
        </translation>
    </message>
    <message>
        <source>Only when I ask</source>
        <translation>Tylko na żądanie</translation>
    </message>
    <message>
        <source>On battery, suggestions appear only after you press the Suggest Now shortcut.</source>
        <translation>Na baterii podpowiedzi pojawiają się dopiero po naciśnięciu skrótu „Podpowiedz teraz”.</translation>
    </message>
    <message>
        <source>Shorter suggestions</source>
        <translation>Krótsze podpowiedzi</translation>
    </message>
    <message>
        <source>Fewer words take less power to write.</source>
        <translation>Mniej słów zużywa mniej energii.</translation>
    </message>
    <message>
        <source>Lighter model</source>
        <translation>Lżejszy model</translation>
    </message>
    <message>
        <source>Same as plugged in</source>
        <translation>Jak przy zasilaczu</translation>
    </message>
    <message>
        <source>Running on battery. These apply right now.</source>
        <translation>Praca na baterii. Te ustawienia działają teraz.</translation>
    </message>
    <message>
        <source>Plugged in. These wait until you unplug.</source>
        <translation>Podłączono zasilacz. Te ustawienia zaczną działać po odłączeniu.</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Model</translation>
    </message>
    <message>
        <source>Model name</source>
        <translation>Nazwa modelu</translation>
    </message>
    <message>
        <source>Reload the model list</source>
        <translation>Odśwież listę modeli</translation>
    </message>
    <message>
        <source>Choose a model</source>
        <translation>Wybierz model</translation>
    </message>
    <message>
        <source>For people who already run Ollama, LM Studio or llama-server.</source>
        <translation>Dla osób, które już używają Ollamy, LM Studio lub llama-server.</translation>
    </message>
    <message>
        <source>Use your own model</source>
        <translation>Użyj własnego modelu</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adres</translation>
    </message>
    <message>
        <source>API key</source>
        <translation>Klucz API</translation>
    </message>
    <message>
        <source>Only if your server asks for one</source>
        <translation>Tylko jeśli serwer go wymaga</translation>
    </message>
    <message>
        <source>Focused</source>
        <translation>Precyzyjnie</translation>
    </message>
    <message>
        <source>Creativity</source>
        <translation>Kreatywność</translation>
    </message>
    <message>
        <source>Loose</source>
        <translation>Swobodnie</translation>
    </message>
    <message>
        <source>Lower stays close to the obvious next words. Higher tries more.</source>
        <translation>Niższa wartość trzyma się oczywistych następnych słów. Wyższa próbuje więcej możliwości.</translation>
    </message>
    <message>
        <source>Wait before suggesting</source>
        <translation>Oczekiwanie przed podpowiedzią</translation>
    </message>
    <message>
        <source>How long you pause before %app starts.</source>
        <translation>Jak długą przerwę musisz zrobić, zanim %app zacznie.</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Uruchom</translation>
    </message>
    <message>
        <source>Try the engine</source>
        <translation>Wypróbuj silnik</translation>
    </message>
    <message>
        <source>Sends a sample sentence and shows what comes back.</source>
        <translation>Wysyła przykładowe zdanie i pokazuje odpowiedź.</translation>
    </message>
    <message>
        <source>Running…</source>
        <translation>Uruchamianie…</translation>
    </message>
    <message>
        <source>The engine answered in %1 but had nothing useful to add.</source>
        <translation>Silnik odpowiedział po %1, ale nie miał nic przydatnego do dodania.</translation>
    </message>
    <message>
        <source>That didn&apos;t work: %1</source>
        <translation>Nie udało się: %1</translation>
    </message>
    <message>
        <source>The request was cancelled.</source>
        <translation>Żądanie zostało anulowane.</translation>
    </message>
    <message>
        <source>Startup</source>
        <translation>Uruchamianie</translation>
    </message>
    <message>
        <source>Launch at login</source>
        <translation>Uruchamiaj po zalogowaniu</translation>
    </message>
    <message>
        <source>Show today&apos;s word count next to the icon</source>
        <translation>Pokazuj dzisiejszą liczbę słów obok ikony</translation>
    </message>
    <message>
        <source>Where suggestions appear</source>
        <translation>Gdzie pojawiają się podpowiedzi</translation>
    </message>
    <message>
        <source>Turn this off to use %app only in the apps you switch on under Apps &amp; Sites.</source>
        <translation>Wyłącz, by używać %app tylko w aplikacjach włączonych w sekcji „Aplikacje i witryny”.</translation>
    </message>
    <message>
        <source>By default %app waits until the caret is at the end of a line.</source>
        <translation>Domyślnie %app czeka, aż kursor znajdzie się na końcu wiersza.</translation>
    </message>
    <message>
        <source>Without this, %app skips search bars and one-word boxes.</source>
        <translation>Bez tego %app pomija paski wyszukiwania i pola na jedno słowo.</translation>
    </message>
    <message>
        <source>Suggestions appear only after you press the Suggest Now shortcut.</source>
        <translation>Podpowiedzi pojawiają się dopiero po naciśnięciu skrótu „Podpowiedz teraz”.</translation>
    </message>
    <message>
        <source>Spelling</source>
        <translation>Pisownia</translation>
    </message>
    <message>
        <source>Waits while the word you&apos;re typing looks misspelled, so %app doesn&apos;t build on a typo.</source>
        <translation>Wstrzymuje podpowiedzi, gdy wpisywane słowo wygląda na błędne, żeby %app nie budował na literówce.</translation>
    </message>
    <message>
        <source>After a misspelled word, shows a fix next to the caret. Press Tab to swap it in.</source>
        <translation>Po błędnym słowie pokazuje poprawkę obok kursora. Naciśnij Tab, by ją wstawić.</translation>
    </message>
    <message>
        <source>Look</source>
        <translation>Wygląd</translation>
    </message>
    <message>
        <source>Suggestion color</source>
        <translation>Kolor podpowiedzi</translation>
    </message>
    <message>
        <source>Text size</source>
        <translation>Rozmiar tekstu</translation>
    </message>
    <message>
        <source>Fine-tune if suggestions look larger or smaller than your text.</source>
        <translation>Dostosuj, jeśli podpowiedzi wyglądają na większe lub mniejsze niż twój tekst.</translation>
    </message>
    <message>
        <source>Vertical position</source>
        <translation>Położenie w pionie</translation>
    </message>
    <message>
        <source>Nudge suggestions up or down to line up with your text.</source>
        <translation>Przesuń podpowiedzi w górę lub w dół, by zrównać je z tekstem.</translation>
    </message>
    <message>
        <source>A small keycap after your first suggestions, as a reminder of what to press.</source>
        <translation>Mała ikona klawisza po pierwszych podpowiedziach, przypominająca, co nacisnąć.</translation>
    </message>
    <message>
        <source>Insert suggestions by</source>
        <translation>Sposób wstawiania podpowiedzi</translation>
    </message>
    <message>
        <source>Other autocomplete apps</source>
        <translation>Inne aplikacje autouzupełniania</translation>
    </message>
    <message>
        <source>They take the Tab key before %app can. With this off, %app asks you first.</source>
        <translation>Przechwytują klawisz Tab przed %app. Gdy to jest wyłączone, %app najpierw cię zapyta.</translation>
    </message>
    <message>
        <source>%1 is another device on your network, so the text around your caret will be sent there.</source>
        <translation>%1 to inne urządzenie w twojej sieci, więc tekst wokół kursora będzie tam wysyłany.</translation>
    </message>
    <message>
        <source>%1 isn&apos;t this computer, so the text around your caret will be sent there.</source>
        <translation>%1 to nie ten komputer, więc tekst wokół kursora będzie tam wysyłany.</translation>
    </message>
    <message>
        <source>Both keep your text on this computer.</source>
        <translation>Oba trzymają twój tekst na tym komputerze.</translation>
    </message>
    <message>
        <source>%app opens by itself when you start your computer.</source>
        <translation>%app otwiera się sam po uruchomieniu komputera.</translation>
    </message>
    <message>
        <source>System predictions</source>
        <translation>Systemowe przewidywanie tekstu</translation>
    </message>
    <message>
        <source>The system can show its own grey predictions. Keeping them off avoids two suggestions at once.</source>
        <translation>System może pokazywać własne szare propozycje. Gdy są wyłączone, nie zobaczysz dwóch podpowiedzi naraz.</translation>
    </message>
    <message>
        <source>System predictions are on</source>
        <translation>Systemowe przewidywanie tekstu jest włączone</translation>
    </message>
    <message>
        <source>System predictions are off</source>
        <translation>Systemowe przewidywanie tekstu jest wyłączone</translation>
    </message>
    <message>
        <source>tab</source>
        <translation>tab</translation>
    </message>
    <message>
        <source>Your next words, one Tab away.</source>
        <translation>Twoje następne słowa na jedno naciśnięcie Tab.</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Pomiń</translation>
    </message>
    <message>
        <source>Get Started</source>
        <translation>Zaczynajmy</translation>
    </message>
    <message>
        <source>Turn sound on</source>
        <translation>Włącz dźwięk</translation>
    </message>
    <message>
        <source>Turn sound off</source>
        <translation>Wyłącz dźwięk</translation>
    </message>
    <message>
        <source>The other app</source>
        <translation>Druga aplikacja</translation>
    </message>
    <message numerus="yes">
        <source>Next time, quit %1 without asking</source>
        <translation>
            <numerusform>Następnym razem zamykaj %1 bez pytania</numerusform>
            <numerusform>Następnym razem zamykaj %1 bez pytania</numerusform>
            <numerusform>Następnym razem zamykaj %1 bez pytania</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 is also running</source>
        <translation>
            <numerusform>%1 też działa</numerusform>
            <numerusform>%1 też działają</numerusform>
            <numerusform>%1 też działają</numerusform>
        </translation>
    </message>
    <message>
        <source>Quitting…</source>
        <translation>Zamykanie…</translation>
    </message>
    <message numerus="yes">
        <source>%1 is still open</source>
        <translation>
            <numerusform>%1 jest nadal otwarty</numerusform>
            <numerusform>%1 są nadal otwarte</numerusform>
            <numerusform>%1 są nadal otwarte</numerusform>
        </translation>
    </message>
    <message>
        <source>%app has the Tab key</source>
        <translation>%app ma klawisz Tab</translation>
    </message>
    <message>
        <source>%1 quit, so your suggestions are back in every app.</source>
        <translation>Aplikacja %1 została zamknięta, więc podpowiedzi wróciły do wszystkich aplikacji.</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Gotowe</translation>
    </message>
    <message>
        <source>Open Source Notices</source>
        <translation>Informacje o otwartym oprogramowaniu</translation>
    </message>
    <message>
        <source>Reset all settings?</source>
        <translation>Zresetować wszystkie ustawienia?</translation>
    </message>
    <message>
        <source>This also clears your rules for apps and sites. Your statistics and writing memory stay.</source>
        <translation>To także usuwa reguły dla aplikacji i witryn. Statystyki i pamięć pisania zostają.</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Resetuj</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Wersja %1</translation>
    </message>
    <message>
        <source>Some apps hide their text</source>
        <translation>Niektóre aplikacje ukrywają tekst</translation>
    </message>
    <message>
        <source>Suggest emoji after a colon</source>
        <translation>Podpowiadaj emoji po dwukropku</translation>
    </message>
    <message>
        <source>Turn emoticons into emoji</source>
        <translation>Zamieniaj emotikony na emoji</translation>
    </message>
    <message>
        <source>After :-) or &lt;3, %app offers the matching emoji. Press Tab to swap it in.</source>
        <translation>Po :-) lub &lt;3 %app proponuje pasujące emoji. Naciśnij Tab, by je wstawić.</translation>
    </message>
    <message>
        <source>Skin tone</source>
        <translation>Odcień skóry</translation>
    </message>
    <message>
        <source>Also show the default yellow</source>
        <translation>Pokazuj też domyślny żółty</translation>
    </message>
    <message>
        <source>Try a word</source>
        <translation>Wpisz słowo</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Słaby</translation>
    </message>
    <message>
        <source>No emoji match “%1”</source>
        <translation>Brak emoji pasujących do „%1”</translation>
    </message>
    <message>
        <source>Accepting</source>
        <translation>Przyjmowanie</translation>
    </message>
    <message>
        <source>Take the next word</source>
        <translation>Przyjmij następne słowo</translation>
    </message>
    <message>
        <source>Press again for each following word.</source>
        <translation>Naciśnij ponownie dla każdego kolejnego słowa.</translation>
    </message>
    <message>
        <source>Take the whole suggestion</source>
        <translation>Przyjmij całą podpowiedź</translation>
    </message>
    <message>
        <source>The key above Tab is easy to reach on most keyboards.</source>
        <translation>Klawisz nad Tab łatwo dosięgnąć na większości klawiatur.</translation>
    </message>
    <message>
        <source>Include the space after a word</source>
        <translation>Dołączaj spację po słowie</translation>
    </message>
    <message>
        <source>Include punctuation right after a word</source>
        <translation>Dołączaj interpunkcję tuż po słowie</translation>
    </message>
    <message>
        <source>When you press Escape</source>
        <translation>Gdy naciśniesz Escape</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Skróty</translation>
    </message>
    <message>
        <source>Suggest now</source>
        <translation>Podpowiedz teraz</translation>
    </message>
    <message>
        <source>Asks for a suggestion right away, even where %app would normally wait.</source>
        <translation>Prosi o podpowiedź od razu, nawet tam, gdzie %app normalnie by czekał.</translation>
    </message>
    <message>
        <source>Other suggestions</source>
        <translation>Inne podpowiedzi</translation>
    </message>
    <message>
        <source>Lists a few different ways to continue. Choose with the arrow keys, then press Tab.</source>
        <translation>Pokazuje kilka różnych kontynuacji. Wybierz strzałkami i naciśnij Tab.</translation>
    </message>
    <message>
        <source>Pause or resume in this app</source>
        <translation>Wstrzymaj lub wznów w tej aplikacji</translation>
    </message>
    <message>
        <source>Pauses for 15 minutes.</source>
        <translation>Wstrzymuje na 15 minut.</translation>
    </message>
    <message>
        <source>Turn %app on or off</source>
        <translation>Włącz lub wyłącz %app</translation>
    </message>
    <message>
        <source>Everywhere, until you press it again.</source>
        <translation>Wszędzie, aż naciśniesz ponownie.</translation>
    </message>
    <message>
        <source>Pause or resume</source>
        <translation>Wstrzymaj lub wznów</translation>
    </message>
    <message>
        <source>Turn on or off</source>
        <translation>Włącz lub wyłącz</translation>
    </message>
    <message>
        <source>%1 and %2 use the same keys. Only the first will work.</source>
        <translation>„%1” i „%2” używają tych samych klawiszy. Zadziała tylko pierwszy skrót.</translation>
    </message>
    <message>
        <source>About you</source>
        <translation>O tobie</translation>
    </message>
    <message>
        <source>For example: I&apos;m a product designer in Berlin. I write short, friendly emails in British English and sign off with Cheers.</source>
        <translation>Na przykład: Jestem projektantem produktów w Berlinie. Piszę krótkie, przyjazne maile po brytyjsku i kończę słowem Cheers.</translation>
    </message>
    <message>
        <source>Your role, the languages you write in, names you use often, how you like to sound.</source>
        <translation>Twój zawód, języki, w których piszesz, często używane imiona, jak chcesz brzmieć.</translation>
    </message>
    <message>
        <source>Writing memory</source>
        <translation>Pamięć pisania</translation>
    </message>
    <message>
        <source>Remember how I write</source>
        <translation>Zapamiętuj, jak piszę</translation>
    </message>
    <message>
        <source>Also remember fields where I accept nothing</source>
        <translation>Zapamiętuj też pola, w których nic nie przyjmuję</translation>
    </message>
    <message>
        <source>%app learns your style sooner but keeps more of what you type.</source>
        <translation>%app szybciej pozna twój styl, ale zachowa więcej z tego, co piszesz.</translation>
    </message>
    <message>
        <source>Influence</source>
        <translation>Wpływ</translation>
    </message>
    <message>
        <source>Strong</source>
        <translation>Silny</translation>
    </message>
    <message>
        <source>How many of your passages each suggestion can draw on.</source>
        <translation>Z ilu twoich fragmentów może korzystać każda podpowiedź.</translation>
    </message>
    <message>
        <source>Erase All…</source>
        <translation>Wymaż wszystko…</translation>
    </message>
    <message>
        <source>Erase everything %app remembered?</source>
        <translation>Wymazać wszystko, co %app zapamiętał?</translation>
    </message>
    <message>
        <source>This can&apos;t be undone.</source>
        <translation>Tego nie można cofnąć.</translation>
    </message>
    <message>
        <source>Erase All</source>
        <translation>Wymaż wszystko</translation>
    </message>
    <message>
        <source>Nothing remembered yet</source>
        <translation>Jeszcze nic nie zapamiętano</translation>
    </message>
    <message>
        <source>App and window name</source>
        <translation>Nazwa aplikacji i okna</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>Witryna</translation>
    </message>
    <message>
        <source>The site&apos;s domain when you write in a browser.</source>
        <translation>Domena witryny, gdy piszesz w przeglądarce.</translation>
    </message>
    <message>
        <source>Recently copied text</source>
        <translation>Ostatnio skopiowany tekst</translation>
    </message>
    <message>
        <source>Anything you copied in the last 10 minutes. Copies from password managers are skipped.</source>
        <translation>Wszystko, co skopiowano w ciągu ostatnich 10 minut. Kopie z menedżerów haseł są pomijane.</translation>
    </message>
    <message>
        <source>Text on screen</source>
        <translation>Tekst na ekranie</translation>
    </message>
    <message>
        <source>Reads the window you&apos;re writing in, so replies fit the conversation. It picks the lines closest to where you type.</source>
        <translation>Czyta okno, w którym piszesz, by odpowiedzi pasowały do rozmowy. Wybiera wiersze najbliższe miejsca pisania.</translation>
    </message>
    <message>
        <source>What you just looked at</source>
        <translation>Niedawno oglądane treści</translation>
    </message>
    <message>
        <source>Windows beside you</source>
        <translation>Okna obok</translation>
    </message>
    <message>
        <source>Also reads up to two other windows on the same screen, like the document you&apos;re replying about. Skips password managers and apps you switched off.</source>
        <translation>Czyta też do dwóch innych okien na tym samym ekranie, np. dokument, którego dotyczy twoja odpowiedź. Pomija menedżery haseł i wyłączone przez ciebie aplikacje.</translation>
    </message>
    <message>
        <source>Off in this app</source>
        <translation>Wyłączony w tej aplikacji</translation>
    </message>
    <message>
        <source>This word looks misspelled</source>
        <translation>To słowo wygląda na błędne</translation>
    </message>
    <message>
        <source>Thanks for the notes. I&apos;ll send the revised deck</source>
        <translation>Dzięki za uwagi. Poprawioną prezentację wyślę</translation>
    </message>
    <message>
        <source> by Friday morning.</source>
        <translation> do piątku rano.</translation>
    </message>
    <message>
        <source>%1 quit. %app has the Tab key.</source>
        <translation>Zamknięto %1. %app ma klawisz Tab.</translation>
    </message>
    <message>
        <source>Open Data Folder</source>
        <translation>Otwórz folder danych</translation>
    </message>
    <message>
        <source>Show Welcome Again</source>
        <translation>Pokaż powitanie ponownie</translation>
    </message>
    <message>
        <source>Play Intro Again</source>
        <translation>Odtwórz intro ponownie</translation>
    </message>
    <message>
        <source>Reset Settings…</source>
        <translation>Resetuj ustawienia…</translation>
    </message>
    <message>
        <source>Suggest in every app</source>
        <translation>Podpowiadaj w każdej aplikacji</translation>
    </message>
    <message>
        <source>Suggest in code editors</source>
        <translation>Podpowiadaj w edytorach kodu</translation>
    </message>
    <message>
        <source>Suggest in the middle of a line</source>
        <translation>Podpowiadaj w środku wiersza</translation>
    </message>
    <message>
        <source>Suggest in small fields</source>
        <translation>Podpowiadaj w małych polach</translation>
    </message>
    <message>
        <source>Hold back on misspelled words</source>
        <translation>Wstrzymuj się przy literówkach</translation>
    </message>
    <message>
        <source>Offer spelling fixes</source>
        <translation>Proponuj poprawki pisowni</translation>
    </message>
    <message>
        <source>Show the key hint</source>
        <translation>Pokazuj wskazówkę klawisza</translation>
    </message>
    <message>
        <source>Quit other autocomplete apps when they open</source>
        <translation>Zamykaj inne aplikacje autouzupełniania, gdy się otworzą</translation>
    </message>
    <message>
        <source>Keeps a few minutes of text from windows you switched away from, like a page you read before replying. It stays on your computer and skips apps you switched off.</source>
        <translation>Zachowuje kilka minut tekstu z okien, które były wcześniej aktywne, np. stronę przeczytaną przed odpowiedzią. Zostaje na twoim komputerze i pomija wyłączone przez ciebie aplikacje.</translation>
    </message>
    <message numerus="yes">
        <source>Both apps answer the Tab key, and the system gives it to %1 first. %app stays paused in your other apps until %1 quits.</source>
        <translation>
            <numerusform>Obie aplikacje reagują na klawisz Tab, a system daje go najpierw %1. %app pozostaje wstrzymany w innych aplikacjach, dopóki %1 się nie zamknie.</numerusform>
            <numerusform>%1 przechwytują klawisz Tab przed %app, więc %app pozostaje wstrzymany w innych aplikacjach, dopóki ich nie zamkniesz.</numerusform>
            <numerusform>%1 przechwytują klawisz Tab przed %app, więc %app pozostaje wstrzymany w innych aplikacjach, dopóki ich nie zamkniesz.</numerusform>
        </translation>
    </message>
    <message>
        <source>Finishes your sentences in any app, on your computer.</source>
        <translation>Kończy twoje zdania w każdej aplikacji, na twoim komputerze.</translation>
    </message>
    <message>
        <source>Keeps short passages from fields where you accepted a suggestion, encrypted on this computer, and shows them to the model as examples.</source>
        <translation>Zachowuje krótkie fragmenty z pól, w których przyjęto podpowiedź, zaszyfrowane na tym komputerze, i pokazuje je modelowi jako przykłady.</translation>
    </message>
    <message>
        <source>Light</source>
        <comment>skin tone</comment>
        <translation>Jasny</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Default</source>
        <comment>skin tone</comment>
        <translation>Domyślny</translation>
    </message>
    <message>
        <source>Medium light</source>
        <comment>skin tone</comment>
        <translation>Średnio jasny</translation>
    </message>
    <message>
        <source>Medium</source>
        <comment>skin tone</comment>
        <translation>Średni</translation>
    </message>
    <message>
        <source>Medium dark</source>
        <comment>skin tone</comment>
        <translation>Średnio ciemny</translation>
    </message>
    <message>
        <source>Dark</source>
        <comment>skin tone</comment>
        <translation>Ciemny</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Nieznany</translation>
    </message>
    <message>
        <source>%1 × %2 pt</source>
        <translation>%1 × %2 pt</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nie</translation>
    </message>
    <message>
        <source>Not reported, estimated from the caret</source>
        <translation>Nie podano, oszacowano na podstawie kursora</translation>
    </message>
    <message>
        <source>%1 %2 pt</source>
        <translation>%1 %2 pt</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Systemowa</translation>
    </message>
    <message>
        <source>Not yet</source>
        <translation>Jeszcze nie</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Dziś</translation>
    </message>
    <message>
        <source>Last 7 days</source>
        <translation>Ostatnie 7 dni</translation>
    </message>
    <message>
        <source>All time</source>
        <translation>Od początku</translation>
    </message>
    <message>
        <source>Typing saved</source>
        <translation>Zaoszczędzony czas pisania</translation>
    </message>
    <message>
        <source>at 40 words a minute</source>
        <translation>przy 40 słowach na minutę</translation>
    </message>
    <message>
        <source>Accepted</source>
        <translation>Przyjęte</translation>
    </message>
    <message>
        <source>of suggestions shown</source>
        <translation>wyświetlonych podpowiedzi</translation>
    </message>
    <message>
        <source>Typical wait</source>
        <translation>Typowe oczekiwanie</translation>
    </message>
    <message>
        <source>9 in 10 under %1</source>
        <translation>9 na 10 poniżej %1</translation>
    </message>
    <message>
        <source>no requests yet</source>
        <translation>jeszcze bez żądań</translation>
    </message>
    <message>
        <source>Words saved</source>
        <translation>Zaoszczędzone słowa</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>Zakres</translation>
    </message>
    <message>
        <source>Nothing to chart yet</source>
        <translation>Nie ma jeszcze czego pokazać</translation>
    </message>
    <message>
        <source>Accept a few suggestions and your days show up here.</source>
        <translation>Przyjmij kilka podpowiedzi, a twoje dni pojawią się tutaj.</translation>
    </message>
    <message>
        <source>Where you write</source>
        <translation>Gdzie piszesz</translation>
    </message>
    <message>
        <source>Reset Statistics…</source>
        <translation>Resetuj statystyki…</translation>
    </message>
    <message>
        <source>Reset all statistics?</source>
        <translation>Zresetować wszystkie statystyki?</translation>
    </message>
    <message>
        <source>This clears words saved, acceptance and timing history.</source>
        <translation>To usuwa zaoszczędzone słowa, historię przyjęć i czasów oczekiwania.</translation>
    </message>
    <message>
        <source>Copy Diagnostics</source>
        <translation>Kopiuj diagnostykę</translation>
    </message>
    <message>
        <source>Diagnostics leave out the text you typed.</source>
        <translation>Diagnostyka nie zawiera wpisanego przez ciebie tekstu.</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stan</translation>
    </message>
    <message>
        <source>Right now</source>
        <translation>W tej chwili</translation>
    </message>
    <message>
        <source>Allowed</source>
        <translation>Dozwolone</translation>
    </message>
    <message>
        <source>Not allowed</source>
        <translation>Niedozwolone</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Klawiatura</translation>
    </message>
    <message>
        <source>Listening</source>
        <translation>Nasłuchuje</translation>
    </message>
    <message>
        <source>Not listening</source>
        <translation>Nie nasłuchuje</translation>
    </message>
    <message>
        <source>Focused field</source>
        <translation>Aktywne pole</translation>
    </message>
    <message>
        <source>Click into a text field in another app, then come back. The last field %1 saw stays here.</source>
        <translation>Kliknij pole tekstowe w innej aplikacji i wróć tutaj. Ostatnie pole, które widział %1, zostanie tutaj.</translation>
    </message>
    <message>
        <source>App</source>
        <translation>Aplikacja</translation>
    </message>
    <message>
        <source>Field type</source>
        <translation>Typ pola</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>Okno</translation>
    </message>
    <message>
        <source>Field size</source>
        <translation>Rozmiar pola</translation>
    </message>
    <message>
        <source>Caret found</source>
        <translation>Znaleziono kursor</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Czcionka</translation>
    </message>
    <message>
        <source>At end of line</source>
        <translation>Na końcu wiersza</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Tak</translation>
    </message>
    <message>
        <source>Secure input</source>
        <translation>Bezpieczne wprowadzanie</translation>
    </message>
    <message>
        <source>Looked at lately</source>
        <translation>Ostatnio oglądane</translation>
    </message>
    <message>
        <source>Text before the caret</source>
        <translation>Tekst przed kursorem</translation>
    </message>
    <message>
        <source>Last request</source>
        <translation>Ostatnie żądanie</translation>
    </message>
    <message>
        <source>Wait</source>
        <translation>Oczekiwanie</translation>
    </message>
    <message>
        <source>Suggestion</source>
        <translation>Podpowiedź</translation>
    </message>
    <message>
        <source>Prompt sent to the engine</source>
        <translation>Prompt wysłany do silnika</translation>
    </message>
    <message>
        <source>Raw answer</source>
        <translation>Surowa odpowiedź</translation>
    </message>
    <message>
        <source>(empty)</source>
        <translation>(puste)</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>Skopiowano</translation>
    </message>
    <message>
        <source>Choose a language</source>
        <translation>Wybierz język</translation>
    </message>
    <message>
        <source>Search languages</source>
        <translation>Szukaj języków</translation>
    </message>
    <message>
        <source>Same as my computer</source>
        <translation>Jak w systemie</translation>
    </message>
    <message>
        <source>Switch to %1?</source>
        <translation>Przełączyć na %1?</translation>
    </message>
    <message>
        <source>%1 closes and opens again in a second. Your settings stay as they are.</source>
        <translation>%1 zamknie się i za chwilę otworzy ponownie. Ustawienia pozostaną bez zmian.</translation>
    </message>
    <message>
        <source>Reopen Now</source>
        <translation>Otwórz ponownie</translation>
    </message>
    <message>
        <source>App language</source>
        <translation>Język aplikacji</translation>
    </message>
    <message>
        <source>Pick the language you read most easily. Suggestions follow whatever language you type.</source>
        <translation>Wybierz język, w którym czytasz najłatwiej. Podpowiedzi dopasują się do języka, w którym piszesz.</translation>
    </message>
    <message>
        <source>Change the app language</source>
        <translation>Zmień język aplikacji</translation>
    </message>
    <message>
        <source>0 min</source>
        <translation>0 min</translation>
    </message>
    <message>
        <source>under a minute</source>
        <translation>niecała minuta</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>Not set</source>
        <translation>Nie ustawiono</translation>
    </message>
    <message>
        <source>Clear shortcut</source>
        <translation>Wyczyść skrót</translation>
    </message>
    <message>
        <source>Add Ctrl, Alt or Super so normal typing still works.</source>
        <translation>Dodaj Ctrl, Alt lub Super, by zwykłe pisanie nadal działało.</translation>
    </message>
    <message>
        <source>Type a shortcut…</source>
        <translation>Naciśnij skrót…</translation>
    </message>
    <message>
        <source>Recording shortcut</source>
        <translation>Nagrywanie skrótu</translation>
    </message>
    <message>
        <source>Shortcut %1</source>
        <translation>Skrót %1</translation>
    </message>
    <message>
        <source>Record shortcut</source>
        <translation>Nagraj skrót</translation>
    </message>
    <message>
        <source>Shortcut not set</source>
        <translation>Nie ustawiono skrótu</translation>
    </message>
    <message>
        <source>Press to record a new shortcut. Escape cancels.</source>
        <translation>Naciśnij, by nagrać nowy skrót. Escape anuluje.</translation>
    </message>
    <message>
        <source>Your tray icon is hidden</source>
        <translation>Twoja ikona w zasobniku jest ukryta</translation>
    </message>
    <message>
        <source>This computer has no on-device language model</source>
        <translation>Ten komputer nie ma wbudowanego modelu językowego</translation>
    </message>
    <message>
        <source>Turn on the on-device model in the desktop&apos;s settings</source>
        <translation>Włącz model wbudowany w ustawieniach pulpitu</translation>
    </message>
    <message>
        <source>The on-device model is unavailable</source>
        <translation>Model wbudowany jest niedostępny</translation>
    </message>
    <message>
        <source>Downloading. The on-device model fills in until it&apos;s done.</source>
        <translation>Pobieranie. Do jego zakończenia działa model wbudowany.</translation>
    </message>
    <message>
        <source>The on-device model fills in until you download it.</source>
        <translation>Dopóki nie pobierzesz modelu, działa model wbudowany.</translation>
    </message>
    <message>
        <source>%1 shares no text. Quit it and start it with %2 to get suggestions in it.</source>
        <translation>%1 nie udostępnia tekstu. Zamknij go i uruchom z %2, by dostawać w nim podpowiedzi.</translation>
    </message>
    <message>
        <source>On-device model</source>
        <translation>Model wbudowany</translation>
    </message>
    <message>
        <source>The system&apos;s own language model. Nothing to download.</source>
        <translation>Własny model językowy systemu. Nic do pobrania.</translation>
    </message>
    <message>
        <source>A website name cannot hold spaces, tabs or line breaks.</source>
        <translation>Nazwa witryny nie może zawierać spacji, tabulatorów ani podziałów wiersza.</translation>
    </message>
    <message>
        <source>Only addresses that start with http or https can be added.</source>
        <translation>Można dodać tylko adresy zaczynające się od http lub https.</translation>
    </message>
    <message>
        <source>That is not a website name. Type one such as wikipedia.org.</source>
        <translation>To nie jest nazwa witryny. Wpisz np. wikipedia.org.</translation>
    </message>
    <message>
        <source>A port is a number from 1 to 65535.</source>
        <translation>Port to liczba od 1 do 65535.</translation>
    </message>
    <message>
        <source>The on-device model fills in until the download is done.</source>
        <translation>Do zakończenia pobierania działa model wbudowany.</translation>
    </message>
    <message>
        <source>Suggestions start once the download is done.</source>
        <translation>Podpowiedzi pojawią się po zakończeniu pobierania.</translation>
    </message>
    <message>
        <source>This frees %1. The on-device model fills in until you download it again.</source>
        <translation>Zwolni to %1. Dopóki znów nie pobierzesz modelu, będzie działał model wbudowany.</translation>
    </message>
    <message>
        <source>This frees %1. The %app model can&apos;t suggest until you download it again.</source>
        <translation>Zwolni to %1. Model %app nie będzie podpowiadał, dopóki znów go nie pobierzesz.</translation>
    </message>
    <message>
        <source>There&apos;s no room for it, or your panel has no system tray. Add the panel&apos;s system tray or status area applet in its settings.</source>
        <translation>Nie ma na nią miejsca albo twój panel nie ma zasobnika systemowego. Dodaj aplet zasobnika systemowego lub obszaru stanu w ustawieniach panelu.</translation>
    </message>
    <message>
        <source>GNOME shows tray icons only with the AppIndicator extension. Install the gnome-shell-extension-appindicator package, log out and in, then turn it on in Extensions.</source>
        <translation>GNOME pokazuje ikony w zasobniku tylko z rozszerzeniem AppIndicator. Zainstaluj pakiet gnome-shell-extension-appindicator, wyloguj się i zaloguj ponownie, a potem włącz je w aplikacji „Rozszerzenia”.</translation>
    </message>
    <message>
        <source>GNOME shows tray icons only with the AppIndicator extension. It is installed but off: turn it on in Extensions.</source>
        <translation>GNOME pokazuje ikony w zasobniku tylko z rozszerzeniem AppIndicator. Jest zainstalowane, ale wyłączone: włącz je w aplikacji „Rozszerzenia”.</translation>
    </message>
    <message>
        <source>Until then, open %app from your applications menu to reach Settings.</source>
        <translation>Do tego czasu otwieraj %app z menu aplikacji, by dostać się do ustawień.</translation>
    </message>
    <message>
        <source>Open Extensions</source>
        <translation>Otwórz Rozszerzenia</translation>
    </message>
    <message>
        <source>Show Count in Tray</source>
        <translation>Pokazuj liczbę w zasobniku</translation>
    </message>
    <message>
        <source>%1 shares no text</source>
        <translation>%1 nie udostępnia tekstu</translation>
    </message>
    <message>
        <source>Copy command</source>
        <translation>Kopiuj polecenie</translation>
    </message>
    <message>
        <source>There&apos;s no account and no analytics. With the %app model or the on-device model, your text stays on this computer.</source>
        <translation>Bez konta i bez statystyk użytkowania. Z modelem %app lub modelem wbudowanym twój tekst zostaje na tym komputerze.</translation>
    </message>
    <message>
        <source>There&apos;s no account and no analytics. With the %app model, your text stays on this computer.</source>
        <translation>Bez konta i bez statystyk użytkowania. Z modelem %app twój tekst zostaje na tym komputerze.</translation>
    </message>
    <message>
        <source>%app lives in your system tray from now on. Click its icon to pause it in an app or open Settings.</source>
        <translation>%app mieszka teraz w zasobniku systemowym. Kliknij jego ikonę, by wstrzymać go w aplikacji lub otworzyć ustawienia.</translation>
    </message>
    <message>
        <source>%app has no account, no analytics and no servers of its own. The %app model and the on-device model keep your text on this computer. Other engines get it only if you set one up.</source>
        <translation>%app nie ma kont, statystyk użytkowania ani własnych serwerów. Model %app i model wbudowany trzymają twój tekst na tym komputerze. Inne silniki dostają go tylko wtedy, gdy je skonfigurujesz.</translation>
    </message>
    <message>
        <source>%app has no account, no analytics and no servers of its own. The %app model keeps your text on this computer. Other engines get it only if you set one up.</source>
        <translation>%app nie ma kont, statystyk użytkowania ani własnych serwerów. Model %app trzyma twój tekst na tym komputerze. Inne silniki dostają go tylko wtedy, gdy je skonfigurujesz.</translation>
    </message>
    <message>
        <source>Installed applications</source>
        <translation>Zainstalowane aplikacje</translation>
    </message>
    <message>
        <source>%app reads these only while making a suggestion and never saves them. With the %app model or the on-device model, nothing leaves your computer.</source>
        <translation>%app czyta je tylko podczas tworzenia podpowiedzi i nigdy ich nie zapisuje. Z modelem %app lub modelem wbudowanym nic nie opuszcza twojego komputera.</translation>
    </message>
    <message>
        <source>%app reads these only while making a suggestion and never saves them. With the %app model, nothing leaves your computer.</source>
        <translation>%app czyta je tylko podczas tworzenia podpowiedzi i nigdy ich nie zapisuje. Z modelem %app nic nie opuszcza twojego komputera.</translation>
    </message>
    <message>
        <source>The %app model keeps your text on this computer.</source>
        <translation>Model %app trzyma twój tekst na tym komputerze.</translation>
    </message>
    <message>
        <source>The key holds a line break or another control character. Paste it again without them.</source>
        <translation>Klucz zawiera podział wiersza lub inny znak sterujący. Wklej go ponownie bez nich.</translation>
    </message>
    <message>
        <source>Waiting for the keyring to store the key.</source>
        <translation>Czekam, aż magazyn kluczy zapisze klucz.</translation>
    </message>
    <message>
        <source>The keyring cannot keep this key, so it is used only until %app quits.</source>
        <translation>Magazyn kluczy nie może przechować tego klucza, więc będzie używany tylko do zamknięcia %app.</translation>
    </message>
    <message>
        <source>Show in the system tray</source>
        <translation>Pokazuj w zasobniku systemowym</translation>
    </message>
    <message>
        <source>Pause or open Settings from the system tray. Hidden? Open %app from your applications menu to come back.</source>
        <translation>Wstrzymuj lub otwieraj ustawienia z zasobnika systemowego. Ukryta? Otwórz %app z menu aplikacji, by wrócić.</translation>
    </message>
    <message>
        <source>This tray can&apos;t show text beside icons, so the count shows in the icon&apos;s tooltip.</source>
        <translation>Ten zasobnik nie potrafi pokazywać tekstu obok ikon, więc liczba jest widoczna w dymku ikony.</translation>
    </message>
    <message>
        <source>VS Code, VSCodium, Cursor, Zed, Kate, Sublime Text, JetBrains IDEs and similar apps.</source>
        <translation>VS Code, VSCodium, Cursor, Zed, Kate, Sublime Text, środowiska JetBrains i podobne aplikacje.</translation>
    </message>
    <message>
        <source>Your settings could not be read, so they were set aside and %app started over with its defaults.</source>
        <translation>Nie udało się odczytać ustawień, więc odłożono je na bok, a %app zaczął od nowa z ustawieniami domyślnymi.</translation>
    </message>
    <message>
        <source>Your settings are not saved: %app cannot write to its settings folder.</source>
        <translation>Ustawienia nie są zapisywane: %app nie może zapisywać w swoim folderze ustawień.</translation>
    </message>
    <message>
        <source>Your app and website rules could not be read, so they were set aside.</source>
        <translation>Nie udało się odczytać reguł dla aplikacji i witryn, więc odłożono je na bok.</translation>
    </message>
    <message>
        <source>Your statistics could not be read, so they were set aside and counting started over.</source>
        <translation>Nie udało się odczytać statystyk, więc odłożono je na bok, a liczenie zaczęło się od nowa.</translation>
    </message>
    <message>
        <source>Not saved: %app cannot write to its data folder.</source>
        <translation>Nie zapisano: %app nie może zapisywać w swoim folderze danych.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln suggestions. %1 selected</source>
        <translation>
            <numerusform>%Ln podpowiedź. Wybrano: %1</numerusform>
            <numerusform>%Ln podpowiedzi. Wybrano: %1</numerusform>
            <numerusform>%Ln podpowiedzi. Wybrano: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln min</source>
        <translation>
            <numerusform>%Ln min</numerusform>
            <numerusform>%Ln min</numerusform>
            <numerusform>%Ln min</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln words</source>
        <translation>
            <numerusform>%Ln słowo</numerusform>
            <numerusform>%Ln słowa</numerusform>
            <numerusform>%Ln słów</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln passages from here</source>
        <translation>
            <numerusform>%Ln fragment z tej aplikacji</numerusform>
            <numerusform>%Ln fragmenty z tej aplikacji</numerusform>
            <numerusform>%Ln fragmentów z tej aplikacji</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>words</source>
        <comment>unit after a count</comment>
        <translation>
            <numerusform>słowo</numerusform>
            <numerusform>słowa</numerusform>
            <numerusform>słów</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln days</source>
        <translation>
            <numerusform>%Ln dzień</numerusform>
            <numerusform>%Ln dni</numerusform>
            <numerusform>%Ln dni</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Words saved per day over the last %Ln days</source>
        <translation>
            <numerusform>Zaoszczędzone słowa dziennie w ciągu ostatniego dnia</numerusform>
            <numerusform>Zaoszczędzone słowa dziennie w ciągu ostatnich %Ln dni</numerusform>
            <numerusform>Zaoszczędzone słowa dziennie w ciągu ostatnich %Ln dni</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln day streak</source>
        <translation>
            <numerusform>Seria: %Ln dzień</numerusform>
            <numerusform>Seria: %Ln dni</numerusform>
            <numerusform>Seria: %Ln dni</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln passages remembered</source>
        <translation>
            <numerusform>Zapamiętano %Ln fragment</numerusform>
            <numerusform>Zapamiętano %Ln fragmenty</numerusform>
            <numerusform>Zapamiętano %Ln fragmentów</numerusform>
        </translation>
    </message>
    <message>
        <source>enter</source>
        <translation>enter</translation>
    </message>
    <message>
        <source>Allow screen capture so %app can read those too. Most apps work without it.</source>
        <translation>Zezwól na przechwytywanie ekranu, by %app mógł czytać także je. Większość aplikacji działa bez tego.</translation>
    </message>
    <message>
        <source>Type a colon and a word, like :rocket, then press Tab or Enter to pick.</source>
        <translation>Wpisz dwukropek i słowo, np. :rocket, a potem naciśnij Tab lub Enter, by wybrać.</translation>
    </message>
    <message>
        <source>You can switch memory off for single apps under Apps &amp; Sites. The key that unlocks it lives in your keyring.</source>
        <translation>Pamięć możesz wyłączyć dla pojedynczych aplikacji w sekcji „Aplikacje i witryny”. Klucz, który ją odblokowuje, jest w twoim magazynie kluczy.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln emoji. %1 selected</source>
        <translation>
            <numerusform>%Ln emoji. Wybrano: %1</numerusform>
            <numerusform>%Ln emoji. Wybrano: %1</numerusform>
            <numerusform>%Ln emoji. Wybrano: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Suggestion: %1</source>
        <translation>Podpowiedź: %1</translation>
    </message>
    <message numerus="yes">
        <source>%Ln models available</source>
        <translation>
            <numerusform>%Ln dostępny model</numerusform>
            <numerusform>%Ln dostępne modele</numerusform>
            <numerusform>%Ln dostępnych modeli</numerusform>
        </translation>
    </message>
    <message>
        <source>The model couldn&apos;t be saved: %1</source>
        <translation>Nie udało się zapisać modelu: %1</translation>
    </message>
    <message>
        <source>Ollama isn&apos;t running.</source>
        <translation>Ollama nie działa.</translation>
    </message>
    <message>
        <source>Ollama isn&apos;t running at %1.</source>
        <translation>Ollama nie działa pod adresem %1.</translation>
    </message>
    <message>
        <source>No server answered.</source>
        <translation>Żaden serwer nie odpowiedział.</translation>
    </message>
    <message>
        <source>No server answered at %1.</source>
        <translation>Żaden serwer nie odpowiedział pod adresem %1.</translation>
    </message>
    <message>
        <source>Range: %1</source>
        <translation>Zakres: %1</translation>
    </message>
    <message numerus="yes">
        <source>%1, %Ln to do</source>
        <translation>
            <numerusform>%1, do zrobienia: %Ln</numerusform>
            <numerusform>%1, do zrobienia: %Ln</numerusform>
            <numerusform>%1, do zrobienia: %Ln</numerusform>
        </translation>
    </message>
    <message>
        <source>Type the whole name of the website, such as wikipedia.org.</source>
        <translation>Wpisz pełną nazwę witryny, np. wikipedia.org.</translation>
    </message>
    <message>
        <source>The key holds a space, an invisible character or a letter outside plain ASCII. Paste it again exactly as your server gave it.</source>
        <translation>Klucz zawiera spację, niewidoczny znak lub literę spoza zwykłego ASCII. Wklej go ponownie dokładnie tak, jak podał go serwer.</translation>
    </message>
    <message>
        <source>The keyring could not be read, so your server is asked without an API key. Type the key again if your server needs one.</source>
        <translation>Nie udało się odczytać magazynu kluczy, więc serwer jest odpytywany bez klucza API. Wpisz klucz ponownie, jeśli serwer go wymaga.</translation>
    </message>
    <message>
        <source>Your writing memory could not be opened, so it was set aside and %app started a new one.</source>
        <translation>Nie udało się otworzyć pamięci pisania, więc odłożono ją na bok, a %app utworzył nową.</translation>
    </message>
    <message>
        <source>%1, converted for llama.cpp by %2</source>
        <translation>%1, przekonwertowany dla llama.cpp przez %2</translation>
    </message>
    <message>
        <source>The data folder %1 could not be made. Check that the folder above it exists and that you may write there.</source>
        <translation>Nie udało się utworzyć folderu danych %1. Sprawdź, czy folder nadrzędny istnieje i czy możesz w nim zapisywać.</translation>
    </message>
    <message>
        <source>party</source>
        <comment>emoji search sample</comment>
        <translation>impreza</translation>
    </message>
    <message numerus="yes">
        <source>%Ln settings held values %app cannot use, so they were corrected and saved.</source>
        <translation>
            <numerusform>%Ln ustawienie miało wartość, której %app nie może użyć, więc zostało poprawione i zapisane.</numerusform>
            <numerusform>%Ln ustawienia miały wartości, których %app nie może użyć, więc zostały poprawione i zapisane.</numerusform>
            <numerusform>%Ln ustawień miało wartości, których %app nie może użyć, więc je poprawiono i zapisano.</numerusform>
        </translation>
    </message>
    <message>
        <source>Your writing memory is not saved: the keyring is missing or locked, so its key cannot be kept.</source>
        <translation>Pamięć pisania nie jest zapisywana: magazyn kluczy nie istnieje lub jest zablokowany, więc nie można przechować jej klucza.</translation>
    </message>
    <message>
        <source>That address isn&apos;t valid</source>
        <translation>Ten adres jest nieprawidłowy</translation>
    </message>
    <message>
        <source>The request timed out.</source>
        <translation>Upłynął limit czasu żądania.</translation>
    </message>
    <message>
        <source>The server&apos;s reply was too long, so it was stopped.</source>
        <translation>Odpowiedź serwera była za długa, więc została przerwana.</translation>
    </message>
    <message>
        <source>The server answered %1.</source>
        <translation>Serwer odpowiedział %1.</translation>
    </message>
    <message>
        <source>The server answered %1: %2</source>
        <translation>Serwer odpowiedział %1: %2</translation>
    </message>
    <message>
        <source>The download server answered %1. Try again later.</source>
        <translation>Serwer pobierania odpowiedział %1. Spróbuj ponownie później.</translation>
    </message>
    <message>
        <source>The download couldn&apos;t be saved: %1</source>
        <translation>Nie udało się zapisać pobieranego pliku: %1</translation>
    </message>
    <message>
        <source>The download paused because the connection dropped. Try again to pick up where it stopped.</source>
        <translation>Pobieranie wstrzymano, bo zerwało się połączenie. Spróbuj ponownie, aby wznowić od miejsca przerwania.</translation>
    </message>
    <message>
        <source>The download stopped. Check your connection, then try again.</source>
        <translation>Pobieranie zatrzymało się. Sprawdź połączenie i spróbuj ponownie.</translation>
    </message>
    <message>
        <source>Pick an Ollama model in Settings</source>
        <translation>Wybierz model Ollama w ustawieniach</translation>
    </message>
    <message>
        <source>Pick a model for your local server</source>
        <translation>Wybierz model dla swojego lokalnego serwera</translation>
    </message>
    <message>
        <source>The server&apos;s answer is not HTTP.</source>
        <translation>Odpowiedź serwera nie jest odpowiedzią HTTP.</translation>
    </message>
    <message>
        <source>The data couldn&apos;t be read because it is missing.</source>
        <translation>Nie udało się odczytać danych, ponieważ ich brakuje.</translation>
    </message>
    <message>
        <source>The data couldn&apos;t be read because it isn&apos;t in the correct format.</source>
        <translation>Nie udało się odczytać danych, ponieważ mają nieprawidłowy format.</translation>
    </message>
    <message>
        <source>:%1:</source>
        <comment>emoji name</comment>
        <translation>:%1:</translation>
    </message>
    <message>
        <source>This computer has no on-device language model.</source>
        <translation>Ten komputer nie ma wbudowanego modelu językowego.</translation>
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
        <translation>Wstrzymano na %1</translation>
    </message>
    <message>
        <source>Paused in %1</source>
        <translation>Wstrzymano w aplikacji %1</translation>
    </message>
    <message>
        <source>Off on %1</source>
        <translation>Wyłączony na %1</translation>
    </message>
    <message>
        <source>Off in %1</source>
        <translation>Wyłączony w aplikacji %1</translation>
    </message>
    <message>
        <source>Off in %1 by default</source>
        <translation>Domyślnie wyłączony w aplikacji %1</translation>
    </message>
    <message>
        <source>Off in code editors</source>
        <translation>Wyłączony w edytorach kodu</translation>
    </message>
    <message>
        <source>Off unless turned on per app</source>
        <translation>Wyłączony, chyba że włączysz go dla danej aplikacji</translation>
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
        <translation>Spacja</translation>
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
        <translation>Klawisz %1</translation>
    </message>
    <message>
        <source>An email reply reads differently from a commit message.</source>
        <translation>Odpowiedź na e-mail pisze się inaczej niż opis commita.</translation>
    </message>
    <message>
        <source>Writes straight into the field. Cleanest in GTK and Qt apps.</source>
        <translation>Pisze bezpośrednio w polu. Najczyściej w aplikacjach GTK i Qt.</translation>
    </message>
    <message>
        <source>Typing</source>
        <comment>insertion method</comment>
        <translation>Wpisywanie</translation>
    </message>
    <message>
        <source>%1 h</source>
        <comment>hours with one decimal, such as 1.5</comment>
        <translation>%1 godz.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln h</source>
        <translation>
            <numerusform>%Ln godz.</numerusform>
            <numerusform>%Ln godz.</numerusform>
            <numerusform>%Ln godz.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln ms</source>
        <translation>
            <numerusform>%Ln ms</numerusform>
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
            <numerusform>%Ln słowo zaoszczędzone dziś</numerusform>
            <numerusform>%Ln słowa zaoszczędzone dziś</numerusform>
            <numerusform>%Ln słów zaoszczędzonych dziś</numerusform>
        </translation>
    </message>
    <message>
        <source>Under a minute of typing saved today.</source>
        <translation>Dziś zaoszczędzono niecałą minutę pisania.</translation>
    </message>
    <message>
        <source>About %1 of typing saved today.</source>
        <translation>Dziś zaoszczędzono około %1 pisania.</translation>
    </message>
    <message numerus="yes">
        <source>Step %1 of %Ln</source>
        <translation>
            <numerusform>Krok %1 z %Ln</numerusform>
            <numerusform>Krok %1 z %Ln</numerusform>
            <numerusform>Krok %1 z %Ln</numerusform>
        </translation>
    </message>
    <message>
        <source>%app reads and types into text fields through the desktop&apos;s accessibility support, which some desktops leave off. %app uses it only for the field you&apos;re writing in.</source>
        <translation>%app czyta pola tekstowe i pisze w nich dzięki obsłudze ułatwień dostępu w środowisku pulpitu, którą niektóre środowiska zostawiają wyłączoną. %app używa jej tylko w polu, w którym piszesz.</translation>
    </message>
    <message>
        <source>The button switches the desktop&apos;s accessibility support on. If the desktop&apos;s settings open instead, turn accessibility on there, then come back. This page updates by itself.</source>
        <translation>Przycisk włącza obsługę ułatwień dostępu w środowisku pulpitu. Jeśli zamiast tego otworzą się ustawienia środowiska, włącz tam ułatwienia dostępu i wróć. Ta strona odświeża się sama.</translation>
    </message>
    <message>
        <source>Still off? Some desktops start their accessibility service only when you log in. Log out and back in, then try again.</source>
        <translation>Nadal wyłączone? Niektóre środowiska uruchamiają usługę ułatwień dostępu dopiero przy logowaniu. Wyloguj się, zaloguj ponownie i spróbuj jeszcze raz.</translation>
    </message>
    <message>
        <source>Pause</source>
        <comment>section header</comment>
        <translation>Wstrzymanie</translation>
    </message>
    <message>
        <source>Pause</source>
        <comment>button</comment>
        <translation>Wstrzymaj</translation>
    </message>
    <message>
        <source>typing</source>
        <comment>insertion method, in a sentence</comment>
        <translation>wpisywanie</translation>
    </message>
    <message>
        <source>accessibility</source>
        <comment>insertion method, in a sentence</comment>
        <translation>ułatwienia dostępu</translation>
    </message>
    <message>
        <source>paste</source>
        <comment>insertion method, in a sentence</comment>
        <translation>wklejanie</translation>
    </message>
    <message>
        <source>short</source>
        <comment>suggestion length, in a sentence</comment>
        <translation>krótkie</translation>
    </message>
    <message>
        <source>medium</source>
        <comment>suggestion length, in a sentence</comment>
        <translation>średnie</translation>
    </message>
    <message>
        <source>long</source>
        <comment>suggestion length, in a sentence</comment>
        <translation>długie</translation>
    </message>
    <message>
        <source>Default follows General: %1, %2 suggestions.</source>
        <translation>Domyślnie jak w sekcji „Ogólne”: %1, %2 podpowiedzi.</translation>
    </message>
    <message>
        <source>Yes, at %1, %2 on screen, %3 pt tall, %4 and %5</source>
        <translation>Tak, w %1, %2 na ekranie, wysokość %3 pt, %4 i %5</translation>
    </message>
    <message numerus="yes">
        <source>%Ln characters before it</source>
        <translation>
            <numerusform>%Ln znak przed nim</numerusform>
            <numerusform>%Ln znaki przed nim</numerusform>
            <numerusform>%Ln znaków przed nim</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln after</source>
        <comment>characters after the caret</comment>
        <translation>
            <numerusform>%Ln po nim</numerusform>
            <numerusform>%Ln po nim</numerusform>
            <numerusform>%Ln po nim</numerusform>
        </translation>
    </message>
    <message>
        <source>No system tray runs on this desktop, so the icon cannot show. %1</source>
        <translation>Na tym pulpicie nie działa żaden zasobnik systemowy, więc ikona nie może się pojawić. %1</translation>
    </message>
    <message>
        <source>Typing</source>
        <comment>section header</comment>
        <translation>Wpisywanie</translation>
    </message>
    <message>
        <source>Switch to the computer&apos;s language?</source>
        <translation>Przełączyć na język komputera?</translation>
    </message>
    <message numerus="yes">
        <source>%Ln words this week.</source>
        <translation>
            <numerusform>%Ln słowo w tym tygodniu.</numerusform>
            <numerusform>%Ln słowa w tym tygodniu.</numerusform>
            <numerusform>%Ln słów w tym tygodniu.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Under a minute of typing saved today. %Ln words this week.</source>
        <translation>
            <numerusform>Dziś zaoszczędzono niecałą minutę pisania. %Ln słowo w tym tygodniu.</numerusform>
            <numerusform>Dziś zaoszczędzono niecałą minutę pisania. %Ln słowa w tym tygodniu.</numerusform>
            <numerusform>Dziś zaoszczędzono niecałą minutę pisania. %Ln słów w tym tygodniu.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>About %1 of typing saved today. %Ln words this week.</source>
        <translation>
            <numerusform>Dziś zaoszczędzono około %1 pisania. %Ln słowo w tym tygodniu.</numerusform>
            <numerusform>Dziś zaoszczędzono około %1 pisania. %Ln słowa w tym tygodniu.</numerusform>
            <numerusform>Dziś zaoszczędzono około %1 pisania. %Ln słów w tym tygodniu.</numerusform>
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
            <numerusform>%Ln z %1 gotowe</numerusform>
            <numerusform>%Ln z %1 gotowe</numerusform>
            <numerusform>%Ln z %1 gotowe</numerusform>
        </translation>
    </message>
    <message>
        <source>The server refused the connection. Check that it is running and that the address is right.</source>
        <translation>Serwer odrzucił połączenie. Sprawdź, czy działa i czy adres jest poprawny.</translation>
    </message>
    <message>
        <source>The server&apos;s name couldn&apos;t be found. Check the address.</source>
        <translation>Nie znaleziono nazwy serwera. Sprawdź adres.</translation>
    </message>
    <message>
        <source>A secure connection to the server couldn&apos;t be made.</source>
        <translation>Nie udało się nawiązać bezpiecznego połączenia z serwerem.</translation>
    </message>
    <message>
        <source>The server closed the connection before it answered.</source>
        <translation>Serwer zamknął połączenie, zanim odpowiedział.</translation>
    </message>
    <message>
        <source>The network proxy couldn&apos;t be reached.</source>
        <translation>Serwer proxy sieci jest nieosiągalny.</translation>
    </message>
    <message>
        <source>The server couldn&apos;t be reached.</source>
        <translation>Serwer jest nieosiągalny.</translation>
    </message>
    <message>
        <source>Waiting for the network…</source>
        <translation>Oczekiwanie na sieć…</translation>
    </message>
    <message>
        <source>%1 is taken by another program.</source>
        <translation>Skrót klawiszowy %1 jest już używany przez inny program.</translation>
    </message>
    <message>
        <source>%1 could not open again. Your choice takes effect the next time you start it.</source>
        <translation>Nie udało się ponownie otworzyć %1. Twój wybór zacznie obowiązywać przy następnym uruchomieniu.</translation>
    </message>
    <message>
        <source>Downloading the model</source>
        <translation>Pobieranie modelu</translation>
    </message>
    <message numerus="yes">
        <source>These apps answer the Tab key before %app can, so %app stays paused in your other apps until they quit.</source>
        <translation>
            <numerusform>Te aplikacje reagują na klawisz Tab przed %app, więc %app pozostaje wstrzymany w innych aplikacjach, dopóki się nie zamkną.</numerusform>
            <numerusform>Te aplikacje reagują na klawisz Tab przed %app, więc %app pozostaje wstrzymany w innych aplikacjach, dopóki się nie zamkną.</numerusform>
            <numerusform>Te aplikacje reagują na klawisz Tab przed %app, więc %app pozostaje wstrzymany w innych aplikacjach, dopóki się nie zamkną.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>It may be waiting on a dialog of its own. Force Quit closes it right away.</source>
        <translation>
            <numerusform>Może czeka na własne okno dialogowe. „Wymuś zamknięcie” zamknie ją od razu.</numerusform>
            <numerusform>Mogą czekać na własne okna dialogowe. „Wymuś zamknięcie” zamknie je od razu.</numerusform>
            <numerusform>Mogą czekać na własne okna dialogowe. „Wymuś zamknięcie” zamknie je od razu.</numerusform>
        </translation>
    </message>
    <message>
        <source>Set a Suggest Now shortcut in Keys to ask for suggestions</source>
        <translation>Ustaw skrót „Podpowiedz teraz” w sekcji „Klawisze”, aby prosić o podpowiedzi</translation>
    </message>
    <message>
        <source>Backspace</source>
        <comment>key above Enter that deletes backwards</comment>
        <translation>Backspace</translation>
    </message>
    <message>
        <source>0 words saved today</source>
        <translation>0 słów zaoszczędzonych dziś</translation>
    </message>
    <message>
        <source>words saved today</source>
        <comment>beside the count 0</comment>
        <translation>słów zaoszczędzonych dziś</translation>
    </message>
    <message>
        <source>Quit the other app</source>
        <translation>Zamknij drugą aplikację</translation>
    </message>
    <message>
        <source>None yet</source>
        <comment>no app looked at yet</comment>
        <translation>Jeszcze brak</translation>
    </message>
    <message>
        <source>None yet</source>
        <comment>no suggestion shown yet</comment>
        <translation>Jeszcze brak</translation>
    </message>
    <message>
        <source>The other app is also running</source>
        <translation>Druga aplikacja też działa</translation>
    </message>
    <message>
        <source>Both apps answer the Tab key, and the system gives it to the other app first. %app stays paused in your other apps until the other app quits.</source>
        <translation>Obie aplikacje reagują na klawisz Tab, a system daje go najpierw tej drugiej aplikacji. %app pozostaje wstrzymany w innych aplikacjach, dopóki ta druga aplikacja się nie zamknie.</translation>
    </message>
    <message>
        <source>The other app is still open</source>
        <translation>Druga aplikacja jest nadal otwarta</translation>
    </message>
    <message>
        <source>The other app quit, so your suggestions are back in every app.</source>
        <translation>Druga aplikacja została zamknięta, więc podpowiedzi wróciły do wszystkich aplikacji.</translation>
    </message>
    <message>
        <source>The other app quit. %app has the Tab key.</source>
        <translation>Zamknięto drugą aplikację. %app ma klawisz Tab.</translation>
    </message>
</context>
</TS>
