<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr" sourcelanguage="en">
<context>
    <name>Tessaquill</name>
    <message>
        <source>Accessibility is on. %app is ready in your other apps.</source>
        <translation>Erişilebilirlik açık. %app diğer uygulamalarınızda hazır.</translation>
    </message>
    <message>
        <source>Paused while %1 is open</source>
        <translation>%1 açıkken duraklatıldı</translation>
    </message>
    <message>
        <source>Welcome to %app</source>
        <translation>%app uygulamasına hoş geldiniz</translation>
    </message>
    <message>
        <source>%app</source>
        <translation>%app</translation>
    </message>
    <message>
        <source>Another autocomplete app is running</source>
        <translation>Başka bir otomatik tamamlama uygulaması çalışıyor</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Hazır</translation>
    </message>
    <message>
        <source>Waiting for a pause</source>
        <translation>Duraklama bekleniyor</translation>
    </message>
    <message>
        <source>Thinking</source>
        <translation>Düşünüyor</translation>
    </message>
    <message>
        <source>Showing a suggestion</source>
        <translation>Öneri gösteriliyor</translation>
    </message>
    <message>
        <source>The model took too long to answer</source>
        <translation>Modelin yanıtı çok uzun sürdü</translation>
    </message>
    <message>
        <source>This app doesn&apos;t report where the caret is</source>
        <translation>Bu uygulama imlecin nerede olduğunu bildirmiyor</translation>
    </message>
    <message>
        <source>%app is turned off</source>
        <translation>%app kapalı</translation>
    </message>
    <message>
        <source>Secure input is on, so %app stays out</source>
        <translation>Güvenli giriş açık, bu yüzden %app devreye girmiyor</translation>
    </message>
    <message>
        <source>Press %1 for a suggestion</source>
        <translation>Öneri için şuna basın: %1</translation>
    </message>
    <message>
        <source>Text is selected</source>
        <translation>Metin seçili</translation>
    </message>
    <message>
        <source>The caret is inside existing text</source>
        <translation>İmleç mevcut metnin içinde</translation>
    </message>
    <message>
        <source>This field is too small</source>
        <translation>Bu alan çok küçük</translation>
    </message>
    <message>
        <source>Waiting for a few characters</source>
        <translation>Birkaç karakter bekleniyor</translation>
    </message>
    <message>
        <source>Start of a new line</source>
        <translation>Yeni satırın başı</translation>
    </message>
    <message>
        <source>The model is still downloading</source>
        <translation>Model hâlâ indiriliyor</translation>
    </message>
    <message>
        <source>Download the %app model in Settings first</source>
        <translation>Önce Ayarlar&apos;dan %app modelini indirin</translation>
    </message>
    <message>
        <source>Not checked yet</source>
        <translation>Henüz denetlenmedi</translation>
    </message>
    <message>
        <source>Checking…</source>
        <translation>Denetleniyor…</translation>
    </message>
    <message>
        <source>The model stopped with error %1</source>
        <translation>Model %1 hatasıyla durdu</translation>
    </message>
    <message>
        <source>The model file couldn&apos;t be loaded</source>
        <translation>Model dosyası yüklenemedi</translation>
    </message>
    <message>
        <source>There wasn&apos;t enough memory to start the model</source>
        <translation>Modeli başlatmak için yeterli bellek yoktu</translation>
    </message>
    <message>
        <source>The text couldn&apos;t be prepared for the model</source>
        <translation>Metin model için hazırlanamadı</translation>
    </message>
    <message>
        <source>This computer needs %1 free for the download. Free up some space, then try again.</source>
        <translation>İndirme için bu bilgisayarda %1 boş alan gerekiyor. Biraz yer açıp yeniden deneyin.</translation>
    </message>
    <message>
        <source>The download didn&apos;t match the expected file, so it was deleted. Try again.</source>
        <translation>İndirilen dosya beklenen dosyayla eşleşmediği için silindi. Yeniden deneyin.</translation>
    </message>
    <message>
        <source>Downloaded</source>
        <translation>İndirildi</translation>
    </message>
    <message>
        <source>Downloading. Suggestions start once it&apos;s done.</source>
        <translation>İndiriliyor. İndirme bitince öneriler başlar.</translation>
    </message>
    <message>
        <source>Checking the download.</source>
        <translation>İndirilen dosya denetleniyor.</translation>
    </message>
    <message>
        <source>Checking the download. Suggestions start once it&apos;s done.</source>
        <translation>İndirilen dosya denetleniyor. İşlem bitince öneriler başlar.</translation>
    </message>
    <message>
        <source>Download the model to start</source>
        <translation>Başlamak için modeli indirin</translation>
    </message>
    <message>
        <source>Ollama is running but has no models</source>
        <translation>Ollama çalışıyor ama hiç modeli yok</translation>
    </message>
    <message>
        <source>Another app</source>
        <translation>Başka bir uygulama</translation>
    </message>
    <message>
        <source>There is no D-Bus session bus, so %1 cannot reach text fields.</source>
        <translation>D-Bus oturum veri yolu yok, bu yüzden %1 metin alanlarına erişemiyor.</translation>
    </message>
    <message>
        <source>The desktop&apos;s accessibility bus is not running, so %1 cannot reach text fields.</source>
        <translation>Masaüstünün erişilebilirlik veri yolu çalışmıyor, bu yüzden %1 metin alanlarına erişemiyor.</translation>
    </message>
    <message>
        <source>Short</source>
        <translation>Kısa</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Orta</translation>
    </message>
    <message>
        <source>Long</source>
        <translation>Uzun</translation>
    </message>
    <message>
        <source>Hide the suggestion</source>
        <translation>Öneriyi gizle</translation>
    </message>
    <message>
        <source>Hide suggestions until I change fields</source>
        <translation>Alan değiştirene kadar önerileri gizle</translation>
    </message>
    <message>
        <source>Do nothing, send Escape to the app</source>
        <translation>Hiçbir şey yapma, Esc tuşunu uygulamaya gönder</translation>
    </message>
    <message>
        <source>Type it</source>
        <translation>Tuşlarla yazma</translation>
    </message>
    <message>
        <source>Insert through Accessibility</source>
        <translation>Erişilebilirlik üzerinden ekleme</translation>
    </message>
    <message>
        <source>Paste it</source>
        <translation>Yapıştırma</translation>
    </message>
    <message>
        <source>Grey</source>
        <translation>Gri</translation>
    </message>
    <message>
        <source>Gold tint</source>
        <translation>Altın tonu</translation>
    </message>
    <message>
        <source>%app model</source>
        <translation>%app modeli</translation>
    </message>
    <message>
        <source>Ollama</source>
        <translation>Ollama</translation>
    </message>
    <message>
        <source>Local server</source>
        <translation>Yerel sunucu</translation>
    </message>
    <message>
        <source>Runs on this computer after a one-time download. Works offline.</source>
        <translation>Tek seferlik indirmeden sonra bu bilgisayarda çalışır. İnternet bağlantısı gerektirmez.</translation>
    </message>
    <message>
        <source>Any model you run in Ollama, base models included.</source>
        <translation>Ollama&apos;da çalıştırdığınız her model, temel modeller dahil.</translation>
    </message>
    <message>
        <source>LM Studio, llama-server or any OpenAI-compatible endpoint.</source>
        <translation>LM Studio, llama-server veya OpenAI uyumlu herhangi bir uç nokta.</translation>
    </message>
    <message>
        <source>Sends the text as keystrokes. Works almost everywhere.</source>
        <translation>Metni tuş vuruşları olarak gönderir. Neredeyse her yerde çalışır.</translation>
    </message>
    <message>
        <source>Uses the clipboard, then puts your clipboard back.</source>
        <translation>Panoyu kullanır, ardından panonun içeriğini geri koyar.</translation>
    </message>
    <message>
        <source>Accessibility</source>
        <translation>Erişilebilirlik</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Yapıştırma</translation>
    </message>
    <message>
        <source>Your writing memory could not be opened and was set aside. Nothing new is remembered until %app starts again.</source>
        <translation>Yazı belleğiniz açılamadı ve bir kenara ayrıldı. %app yeniden başlayana kadar yeni bir şey hatırlanmaz.</translation>
    </message>
    <message>
        <source>Your writing memory could not be opened because its key could not be read from the keyring. Nothing new is remembered until %app starts again.</source>
        <translation>Yazı belleğinizin anahtarı anahtarlıktan okunamadığı için bellek açılamadı. %app yeniden başlayana kadar yeni bir şey hatırlanmaz.</translation>
    </message>
    <message>
        <source>Not Now</source>
        <translation>Şimdi değil</translation>
    </message>
    <message>
        <source>Open the desktop&apos;s settings</source>
        <translation>Masaüstü ayarlarını aç</translation>
    </message>
    <message>
        <source>Don&apos;t remind me again</source>
        <translation>Bir daha hatırlatma</translation>
    </message>
    <message>
        <source>Open Playground</source>
        <translation>Deneme alanını aç</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ayarlar</translation>
    </message>
    <message>
        <source>Quit %app</source>
        <translation>%app uygulamasından çık</translation>
    </message>
    <message>
        <source>Needs Accessibility access</source>
        <translation>Erişilebilirlik izni gerekiyor</translation>
    </message>
    <message>
        <source>Paused until you resume</source>
        <translation>Siz sürdürene kadar duraklatıldı</translation>
    </message>
    <message>
        <source>Paused until %1</source>
        <translation>%1 saatine kadar duraklatıldı</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Kapalı</translation>
    </message>
    <message numerus="yes">
        <source>Paused while %1 are open</source>
        <translation>
            <numerusform>%1 açıkken duraklatıldı</numerusform>
        </translation>
    </message>
    <message>
        <source>Grant Accessibility Access…</source>
        <translation>Erişilebilirlik izni ver…</translation>
    </message>
    <message numerus="yes">
        <source>Force Quit %1</source>
        <translation>
            <numerusform>Zorla kapat: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Quit %1</source>
        <translation>
            <numerusform>Kapat: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>words saved today</source>
        <translation>
            <numerusform>kelime bugün kazanıldı</numerusform>
        </translation>
    </message>
    <message>
        <source>Start typing anywhere. %app keeps count here.</source>
        <translation>Herhangi bir yerde yazmaya başlayın. %app burada sayar.</translation>
    </message>
    <message>
        <source>Resume in %1</source>
        <translation>%1 uygulamasında sürdür</translation>
    </message>
    <message>
        <source>Pause in %1</source>
        <translation>%1 uygulamasında duraklat</translation>
    </message>
    <message>
        <source>Resume Everywhere</source>
        <translation>Her yerde sürdür</translation>
    </message>
    <message>
        <source>Pause Everywhere</source>
        <translation>Her yerde duraklat</translation>
    </message>
    <message>
        <source>For 15 Minutes</source>
        <translation>15 dakikalığına</translation>
    </message>
    <message>
        <source>For 1 Hour</source>
        <translation>1 saatliğine</translation>
    </message>
    <message>
        <source>For 4 Hours</source>
        <translation>4 saatliğine</translation>
    </message>
    <message>
        <source>Until I Resume</source>
        <translation>Ben sürdürene kadar</translation>
    </message>
    <message>
        <source>Example: after typing %1, %2 suggests %3</source>
        <translation>Örnek: “%1” yazdıktan sonra %2 şunu önerir: “%3”</translation>
    </message>
    <message>
        <source>takes the next word</source>
        <translation>sonraki kelimeyi alır</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>İndir</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>%1 of %2. You can keep writing while it downloads.</source>
        <translation>%1 / %2. İndirme sürerken yazmaya devam edebilirsiniz.</translation>
    </message>
    <message>
        <source>Checking the download</source>
        <translation>İndirilen dosya denetleniyor</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Yeniden dene</translation>
    </message>
    <message>
        <source>Remove…</source>
        <translation>Kaldır…</translation>
    </message>
    <message>
        <source>%1 license</source>
        <translation>%1 lisansı</translation>
    </message>
    <message>
        <source>Remove the %app model?</source>
        <translation>%app modeli kaldırılsın mı?</translation>
    </message>
    <message>
        <source>Model download</source>
        <translation>Model indirme</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Kaldır</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Devam</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Daha sonra</translation>
    </message>
    <message>
        <source>Start Writing</source>
        <translation>Yazmaya başla</translation>
    </message>
    <message>
        <source>Finish your sentences in any app.</source>
        <translation>Cümlelerinizi her uygulamada tamamlar.</translation>
    </message>
    <message>
        <source>%app reads the words before your caret and suggests what comes next in grey. Press Tab to take one word, or the key above Tab to take the rest. If you don&apos;t want it, keep typing.</source>
        <translation>%app imleçten önceki kelimeleri okur ve sonra gelecekleri gri olarak önerir. Bir kelime almak için Tab tuşuna, geri kalanını almak için Tab&apos;ın üstündeki tuşa basın. İstemiyorsanız yazmaya devam edin.</translation>
    </message>
    <message>
        <source>Sees what you see</source>
        <translation>Sizin gördüğünüzü görür</translation>
    </message>
    <message>
        <source>Private</source>
        <translation>Gizlilik</translation>
    </message>
    <message>
        <source>It reads the window you&apos;re typing in, like the chat you&apos;re answering, so suggestions fit. None of it goes online, to us or any server. It stays private on your computer.</source>
        <translation>Yazdığınız pencereyi, örneğin yanıtladığınız sohbeti okur; böylece öneriler bağlama uygun olur. Okuduklarının hiçbiri internete gönderilmez; ne bize ne de herhangi bir sunucuya. Her şey bilgisayarınızda gizli kalır.</translation>
    </message>
    <message>
        <source>Accessibility is on</source>
        <translation>Erişilebilirlik açık</translation>
    </message>
    <message>
        <source>%app can now read the field you&apos;re writing in and type suggestions for you.</source>
        <translation>%app artık yazdığınız alanı okuyabilir ve önerileri sizin için yazabilir.</translation>
    </message>
    <message>
        <source>Let %app see what you type.</source>
        <translation>%app yazdıklarınızı görebilsin.</translation>
    </message>
    <message>
        <source>%app reads your text when you pause and forgets it after one suggestion, unless you turn on writing memory.</source>
        <translation>%app metninizi siz durakladığınızda okur ve yazı belleğini açmadıkça tek bir öneriden sonra unutur.</translation>
    </message>
    <message>
        <source>%app skips password fields and anything else the system marks as secure.</source>
        <translation>%app parola alanlarını ve sistemin güvenli olarak işaretlediği her şeyi atlar.</translation>
    </message>
    <message>
        <source>Open Accessibility Settings</source>
        <translation>Erişilebilirlik ayarlarını aç</translation>
    </message>
    <message>
        <source>Pick what writes your suggestions.</source>
        <translation>Önerilerinizi yazacak motoru seçin.</translation>
    </message>
    <message>
        <source>You can change this any time in Settings.</source>
        <translation>Bunu istediğiniz zaman Ayarlar&apos;dan değiştirebilirsiniz.</translation>
    </message>
    <message>
        <source>Give it a try.</source>
        <translation>Bir deneyin.</translation>
    </message>
    <message>
        <source>Start typing a sentence. When grey words appear, press Tab for one word or the key above Tab for all of them.</source>
        <translation>Bir cümle yazmaya başlayın. Gri kelimeler görününce bir kelime için Tab tuşuna, tamamı için Tab&apos;ın üstündeki tuşa basın.</translation>
    </message>
    <message>
        <source>Hi Orlenn, thanks for the quick reply. I think we should</source>
        <translation>Merhaba Orlenn, hızlı yanıtın için teşekkürler. Bence</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Geri</translation>
    </message>
    <message>
        <source>Practice field</source>
        <translation>Deneme alanı</translation>
    </message>
    <message>
        <source>Default, on</source>
        <translation>Varsayılan, açık</translation>
    </message>
    <message>
        <source>Default, off</source>
        <translation>Varsayılan, kapalı</translation>
    </message>
    <message>
        <source>Add a website</source>
        <translation>Web sitesi ekle</translation>
    </message>
    <message>
        <source>Domain</source>
        <translation>Alan adı</translation>
    </message>
    <message>
        <source>Rules for a site apply in any browser %app can read.</source>
        <translation>Bir sitenin kuralları, %app uygulamasının okuyabildiği her tarayıcıda geçerlidir.</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ekle</translation>
    </message>
    <message>
        <source>Add App…</source>
        <translation>Uygulama ekle…</translation>
    </message>
    <message>
        <source>Add an app</source>
        <translation>Uygulama ekle</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Ara</translation>
    </message>
    <message>
        <source>Clear search</source>
        <translation>Aramayı temizle</translation>
    </message>
    <message>
        <source>Add an app or website</source>
        <translation>Uygulama veya web sitesi ekle</translation>
    </message>
    <message>
        <source>Add Website…</source>
        <translation>Web sitesi ekle…</translation>
    </message>
    <message>
        <source>Apps &amp; Sites</source>
        <translation>Uygulamalar ve siteler</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Duraklatıldı</translation>
    </message>
    <message>
        <source>Apps</source>
        <translation>Uygulamalar</translation>
    </message>
    <message>
        <source>Websites</source>
        <translation>Web siteleri</translation>
    </message>
    <message>
        <source>No matches</source>
        <translation>Eşleşme yok</translation>
    </message>
    <message>
        <source>No apps yet</source>
        <translation>Henüz uygulama yok</translation>
    </message>
    <message>
        <source>Nothing matches “%1”.</source>
        <translation>“%1” ile eşleşen bir şey yok.</translation>
    </message>
    <message>
        <source>Apps appear here once you accept a suggestion in them, or add one with +.</source>
        <translation>Uygulamalar, içlerinde bir öneriyi kabul ettiğinizde burada görünür; dilerseniz + ile de ekleyebilirsiniz.</translation>
    </message>
    <message>
        <source>Pick an app or site</source>
        <translation>Bir uygulama veya site seçin</translation>
    </message>
    <message>
        <source>Each one can have its own rules. Anything you don&apos;t change follows General.</source>
        <translation>Her birinin kendi kuralları olabilir. Değiştirmediğiniz her şey Genel&apos;i izler.</translation>
    </message>
    <message>
        <source>Words saved here</source>
        <translation>Burada kazanılan kelime</translation>
    </message>
    <message>
        <source>Suggestions</source>
        <translation>Öneriler</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Açık</translation>
    </message>
    <message>
        <source>Tab accepts suggestions</source>
        <translation>Tab önerileri kabul eder</translation>
    </message>
    <message>
        <source>Turn off where Tab already means something, like indenting. The other accept key still works.</source>
        <translation>Tab&apos;ın zaten bir anlamı olduğu yerlerde, örneğin girintide, kapatın. Diğer kabul tuşu çalışmaya devam eder.</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Varsayılan</translation>
    </message>
    <message>
        <source>Insert by</source>
        <translation>Ekleme yöntemi</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Uzunluk</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Sürdür</translation>
    </message>
    <message>
        <source>Pause here</source>
        <translation>Burada duraklat</translation>
    </message>
    <message>
        <source>Memory</source>
        <translation>Bellek</translation>
    </message>
    <message>
        <source>Remember my writing here</source>
        <translation>Burada nasıl yazdığımı hatırla</translation>
    </message>
    <message>
        <source>Writing memory is off in Your Voice.</source>
        <translation>Yazı belleği Üslubunuz bölümünde kapalı.</translation>
    </message>
    <message>
        <source>Erase…</source>
        <translation>Sil…</translation>
    </message>
    <message>
        <source>Reset to Defaults</source>
        <translation>Varsayılanlara sıfırla</translation>
    </message>
    <message>
        <source>Erase what %app remembered from %1?</source>
        <translation>%app uygulamasının %1 için hatırladıkları silinsin mi?</translation>
    </message>
    <message>
        <source>Erase</source>
        <translation>Sil</translation>
    </message>
    <message>
        <source>Passages from this app can shape suggestions everywhere.</source>
        <translation>Bu uygulamadan gelen metin parçaları her yerdeki önerileri şekillendirebilir.</translation>
    </message>
    <message>
        <source>Finish setting up</source>
        <translation>Kurulumu tamamlayın</translation>
    </message>
    <message>
        <source>Setup progress</source>
        <translation>Kurulum ilerlemesi</translation>
    </message>
    <message>
        <source>Done: %1</source>
        <translation>Tamamlandı: %1</translation>
    </message>
    <message>
        <source>Best day yet!</source>
        <translation>Şimdiye kadarki en iyi gün!</translation>
    </message>
    <message>
        <source>Try it here</source>
        <translation>Burada deneyin</translation>
    </message>
    <message>
        <source>Thanks for sending the draft over. I had a look and</source>
        <translation>Taslağı gönderdiğin için teşekkürler. Göz attım ve</translation>
    </message>
    <message>
        <source>next word</source>
        <translation>sonraki kelime</translation>
    </message>
    <message>
        <source>whole suggestion</source>
        <translation>önerinin tamamı</translation>
    </message>
    <message>
        <source>hide it</source>
        <translation>gizle</translation>
    </message>
    <message>
        <source>This field runs the real engine. Start typing and grey words show up as you go.</source>
        <translation>Bu alan gerçek motoru çalıştırır. Yazmaya başlayın, gri kelimeler siz yazdıkça belirir.</translation>
    </message>
    <message>
        <source>This field runs the real engine, even before you allow Accessibility. Start typing and grey words show up as you go.</source>
        <translation>Bu alan, siz Erişilebilirlik izni vermeden önce bile gerçek motoru çalıştırır. Yazmaya başlayın, gri kelimeler siz yazdıkça belirir.</translation>
    </message>
    <message>
        <source>You&apos;re all set</source>
        <translation>Her şey hazır</translation>
    </message>
    <message>
        <source>Accessibility is on and %1 is ready. %app works in every app you type in.</source>
        <translation>Erişilebilirlik açık ve %1 hazır. %app yazdığınız her uygulamada çalışır.</translation>
    </message>
    <message>
        <source>Waiting for %1 to quit</source>
        <translation>%1 uygulamasının kapanması bekleniyor</translation>
    </message>
    <message>
        <source>Turned off</source>
        <translation>Kapatıldı</translation>
    </message>
    <message>
        <source>Paused everywhere</source>
        <translation>Her yerde duraklatıldı</translation>
    </message>
    <message>
        <source>%1, %2 typical wait</source>
        <translation>%1, tipik bekleme %2</translation>
    </message>
    <message>
        <source>Start your streak today.</source>
        <translation>Serinize bugün başlayın.</translation>
    </message>
    <message>
        <source>Overview</source>
        <translation>Genel bakış</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Genel</translation>
    </message>
    <message>
        <source>Engine</source>
        <translation>Motor</translation>
    </message>
    <message>
        <source>Context</source>
        <translation>Bağlam</translation>
    </message>
    <message>
        <source>Your Voice</source>
        <translation>Üslubunuz</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Tuşlar</translation>
    </message>
    <message>
        <source>Emoji</source>
        <translation>Emoji</translation>
    </message>
    <message>
        <source>Battery</source>
        <translation>Pil</translation>
    </message>
    <message>
        <source>Insights</source>
        <translation>İstatistikler</translation>
    </message>
    <message>
        <source>Field Inspector</source>
        <translation>Alan denetçisi</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Hakkında</translation>
    </message>
    <message>
        <source>How %app is doing today</source>
        <translation>%app bugün nasıl gidiyor</translation>
    </message>
    <message>
        <source>Where and how suggestions appear</source>
        <translation>Önerilerin nerede ve nasıl görüneceği</translation>
    </message>
    <message>
        <source>The model that writes your suggestions</source>
        <translation>Önerilerinizi yazan model</translation>
    </message>
    <message>
        <source>What %app may look at to guess better</source>
        <translation>%app daha iyi tahmin için nelere bakabilir</translation>
    </message>
    <message>
        <source>Help suggestions sound like you</source>
        <translation>Öneriler sizin gibi yazsın</translation>
    </message>
    <message>
        <source>Accept, dismiss and summon suggestions</source>
        <translation>Önerileri kabul etme, kapatma ve çağırma</translation>
    </message>
    <message>
        <source>Emoji search and emoticons</source>
        <translation>Emoji arama ve ifadeler</translation>
    </message>
    <message>
        <source>Rules for each app and website</source>
        <translation>Her uygulama ve web sitesi için kurallar</translation>
    </message>
    <message>
        <source>Save power when you&apos;re unplugged</source>
        <translation>Prize takılı değilken güç tasarrufu</translation>
    </message>
    <message>
        <source>Words saved and how fast suggestions arrive</source>
        <translation>Kazanılan kelime ve önerilerin hızı</translation>
    </message>
    <message>
        <source>What %app sees in the focused field</source>
        <translation>%app etkin alanda neler görüyor</translation>
    </message>
    <message>
        <source>Version and privacy</source>
        <translation>Sürüm ve gizlilik</translation>
    </message>
    <message>
        <source>Writing</source>
        <translation>Yazma</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Giriş</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Kurallar</translation>
    </message>
    <message>
        <source>Activity</source>
        <translation>Etkinlik</translation>
    </message>
    <message>
        <source>%app can read the field you&apos;re typing in and insert suggestions in any app.</source>
        <translation>%app yazdığınız alanı okuyabilir ve her uygulamaya öneri ekleyebilir.</translation>
    </message>
    <message>
        <source>Allow Accessibility access</source>
        <translation>Erişilebilirlik iznini verin</translation>
    </message>
    <message>
        <source>%app needs it to read the text you type in other apps and to insert suggestions.</source>
        <translation>%app, diğer uygulamalarda yazdığınız metni okumak ve öneri eklemek için buna ihtiyaç duyar.</translation>
    </message>
    <message>
        <source>Allow…</source>
        <translation>İzin ver…</translation>
    </message>
    <message>
        <source>%1 is ready</source>
        <translation>%1 hazır</translation>
    </message>
    <message>
        <source>Checking %1</source>
        <translation>%1 denetleniyor</translation>
    </message>
    <message>
        <source>This takes a moment.</source>
        <translation>Bu biraz sürer.</translation>
    </message>
    <message>
        <source>Your engine isn&apos;t ready</source>
        <translation>Motorunuz hazır değil</translation>
    </message>
    <message>
        <source>Open Engine</source>
        <translation>Motor bölümünü aç</translation>
    </message>
    <message>
        <source>The system&apos;s predictions are off</source>
        <translation>Sistem tahminleri kapalı</translation>
    </message>
    <message>
        <source>Only %app&apos;s suggestions appear while you type.</source>
        <translation>Yazarken yalnızca %app önerileri görünür.</translation>
    </message>
    <message>
        <source>Turn off the system&apos;s predictions</source>
        <translation>Sistem tahminlerini kapatın</translation>
    </message>
    <message>
        <source>The system shows its own grey suggestions on top of %app&apos;s. Each app picks up the change the next time you open it.</source>
        <translation>Sistem kendi gri önerilerini %app önerilerinin üstünde gösterir. Her uygulama değişikliği bir sonraki açılışında alır.</translation>
    </message>
    <message>
        <source>Keyboard Settings</source>
        <translation>Klavye ayarları</translation>
    </message>
    <message>
        <source>Turn Off</source>
        <translation>Kapat</translation>
    </message>
    <message>
        <source>Only %app is suggesting</source>
        <translation>Yalnızca %app öneri veriyor</translation>
    </message>
    <message>
        <source>Tab reaches %app again.</source>
        <translation>Tab yeniden %app uygulamasına ulaşıyor.</translation>
    </message>
    <message numerus="yes">
        <source>%1 didn&apos;t quit. They may be showing a dialog. Force Quit closes them right away.</source>
        <translation>
            <numerusform>%1 kapanmadı. Bir iletişim kutusu gösteriyor olabilir. “Zorla kapat” hemen kapatır.</numerusform>
        </translation>
    </message>
    <message>
        <source>Force Quit</source>
        <translation>Zorla kapat</translation>
    </message>
    <message numerus="yes">
        <source>%1 take the Tab key before %app can, so %app stays paused in your other apps until you quit them.</source>
        <translation>
            <numerusform>%1, Tab tuşunu %app uygulamasından önce alıyor; bu yüzden siz kapatana kadar %app diğer uygulamalarınızda duraklatılmış kalır.</numerusform>
        </translation>
    </message>
    <message>
        <source>Only when I ask</source>
        <translation>Yalnızca ben istediğimde</translation>
    </message>
    <message>
        <source>On battery, suggestions appear only after you press the Suggest Now shortcut.</source>
        <translation>Pil gücündeyken öneriler yalnızca “Şimdi öner” kısayoluna bastıktan sonra görünür.</translation>
    </message>
    <message>
        <source>Shorter suggestions</source>
        <translation>Daha kısa öneriler</translation>
    </message>
    <message>
        <source>Fewer words take less power to write.</source>
        <translation>Daha az kelime yazmak daha az güç harcar.</translation>
    </message>
    <message>
        <source>Lighter model</source>
        <translation>Daha hafif model</translation>
    </message>
    <message>
        <source>Same as plugged in</source>
        <translation>Prize takılıyken olduğu gibi</translation>
    </message>
    <message>
        <source>Running on battery. These apply right now.</source>
        <translation>Pil gücüyle çalışıyor. Bunlar şu anda geçerli.</translation>
    </message>
    <message>
        <source>Plugged in. These wait until you unplug.</source>
        <translation>Prize takılı. Bunlar fişi çektiğinizde geçerli olur.</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Model</translation>
    </message>
    <message>
        <source>Model name</source>
        <translation>Model adı</translation>
    </message>
    <message>
        <source>Reload the model list</source>
        <translation>Model listesini yenile</translation>
    </message>
    <message>
        <source>Choose a model</source>
        <translation>Bir model seçin</translation>
    </message>
    <message>
        <source>For people who already run Ollama, LM Studio or llama-server.</source>
        <translation>Zaten Ollama, LM Studio veya llama-server çalıştıranlar için.</translation>
    </message>
    <message>
        <source>Use your own model</source>
        <translation>Kendi modelinizi kullanın</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adres</translation>
    </message>
    <message>
        <source>API key</source>
        <translation>API anahtarı</translation>
    </message>
    <message>
        <source>Only if your server asks for one</source>
        <translation>Yalnızca sunucunuz isterse</translation>
    </message>
    <message>
        <source>Focused</source>
        <translation>Odaklı</translation>
    </message>
    <message>
        <source>Creativity</source>
        <translation>Yaratıcılık</translation>
    </message>
    <message>
        <source>Loose</source>
        <translation>Serbest</translation>
    </message>
    <message>
        <source>Lower stays close to the obvious next words. Higher tries more.</source>
        <translation>Düşük değer bariz sonraki kelimelere yakın kalır. Yüksek değer daha fazlasını dener.</translation>
    </message>
    <message>
        <source>Wait before suggesting</source>
        <translation>Öneri öncesi bekleme</translation>
    </message>
    <message>
        <source>How long you pause before %app starts.</source>
        <translation>%app başlamadan önce ne kadar duraklamanız gerektiği.</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Çalıştır</translation>
    </message>
    <message>
        <source>Try the engine</source>
        <translation>Motoru deneyin</translation>
    </message>
    <message>
        <source>Sends a sample sentence and shows what comes back.</source>
        <translation>Örnek bir cümle gönderir ve dönen yanıtı gösterir.</translation>
    </message>
    <message>
        <source>Running…</source>
        <translation>Çalışıyor…</translation>
    </message>
    <message>
        <source>The engine answered in %1 but had nothing useful to add.</source>
        <translation>Motor %1 içinde yanıt verdi ama eklenecek işe yarar bir şeyi yoktu.</translation>
    </message>
    <message>
        <source>That didn&apos;t work: %1</source>
        <translation>İşlem başarısız oldu: %1</translation>
    </message>
    <message>
        <source>The request was cancelled.</source>
        <translation>İstek iptal edildi.</translation>
    </message>
    <message>
        <source>Startup</source>
        <translation>Başlangıç</translation>
    </message>
    <message>
        <source>Launch at login</source>
        <translation>Oturum açılınca başlat</translation>
    </message>
    <message>
        <source>Show today&apos;s word count next to the icon</source>
        <translation>Bugünkü kelime sayısını simgenin yanında göster</translation>
    </message>
    <message>
        <source>Where suggestions appear</source>
        <translation>Önerilerin görüneceği yerler</translation>
    </message>
    <message>
        <source>Turn this off to use %app only in the apps you switch on under Apps &amp; Sites.</source>
        <translation>%app uygulamasını yalnızca Uygulamalar ve siteler bölümünde açtığınız uygulamalarda kullanmak için bunu kapatın.</translation>
    </message>
    <message>
        <source>By default %app waits until the caret is at the end of a line.</source>
        <translation>Varsayılan olarak %app, imleç satır sonuna gelene kadar bekler.</translation>
    </message>
    <message>
        <source>Without this, %app skips search bars and one-word boxes.</source>
        <translation>Bu olmadan %app arama çubuklarını ve tek kelimelik kutuları atlar.</translation>
    </message>
    <message>
        <source>Suggestions appear only after you press the Suggest Now shortcut.</source>
        <translation>Öneriler yalnızca “Şimdi öner” kısayoluna bastıktan sonra görünür.</translation>
    </message>
    <message>
        <source>Spelling</source>
        <translation>Yazım</translation>
    </message>
    <message>
        <source>Waits while the word you&apos;re typing looks misspelled, so %app doesn&apos;t build on a typo.</source>
        <translation>Yazdığınız kelime yanlış yazılmış görünürken bekler, böylece %app bir yazım hatasının üzerine öneri oluşturmaz.</translation>
    </message>
    <message>
        <source>After a misspelled word, shows a fix next to the caret. Press Tab to swap it in.</source>
        <translation>Yanlış yazılmış bir kelimeden sonra imlecin yanında bir düzeltme gösterir. Değiştirmek için Tab tuşuna basın.</translation>
    </message>
    <message>
        <source>Look</source>
        <translation>Görünüm</translation>
    </message>
    <message>
        <source>Suggestion color</source>
        <translation>Öneri rengi</translation>
    </message>
    <message>
        <source>Text size</source>
        <translation>Metin boyutu</translation>
    </message>
    <message>
        <source>Fine-tune if suggestions look larger or smaller than your text.</source>
        <translation>Öneriler metninizden büyük veya küçük görünüyorsa ince ayar yapın.</translation>
    </message>
    <message>
        <source>Vertical position</source>
        <translation>Dikey konum</translation>
    </message>
    <message>
        <source>Nudge suggestions up or down to line up with your text.</source>
        <translation>Önerileri metninizle hizalamak için yukarı veya aşağı kaydırın.</translation>
    </message>
    <message>
        <source>A small keycap after your first suggestions, as a reminder of what to press.</source>
        <translation>İlk önerilerinizden sonra, neye basacağınızı hatırlatan küçük bir tuş simgesi.</translation>
    </message>
    <message>
        <source>Insert suggestions by</source>
        <translation>Önerileri ekleme yöntemi</translation>
    </message>
    <message>
        <source>Other autocomplete apps</source>
        <translation>Diğer otomatik tamamlama uygulamaları</translation>
    </message>
    <message>
        <source>They take the Tab key before %app can. With this off, %app asks you first.</source>
        <translation>Tab tuşunu %app uygulamasından önce alırlar. Bu kapalıyken %app önce size sorar.</translation>
    </message>
    <message>
        <source>%1 is another device on your network, so the text around your caret will be sent there.</source>
        <translation>%1 ağınızdaki başka bir cihaz; bu yüzden imlecinizin çevresindeki metin oraya gönderilecek.</translation>
    </message>
    <message>
        <source>%1 isn&apos;t this computer, so the text around your caret will be sent there.</source>
        <translation>%1 bu bilgisayar değil; bu yüzden imlecinizin çevresindeki metin oraya gönderilecek.</translation>
    </message>
    <message>
        <source>Both keep your text on this computer.</source>
        <translation>İkisi de metninizi bu bilgisayarda tutar.</translation>
    </message>
    <message>
        <source>%app opens by itself when you start your computer.</source>
        <translation>Bilgisayarınızı başlattığınızda %app kendiliğinden açılır.</translation>
    </message>
    <message>
        <source>System predictions</source>
        <translation>Sistem tahminleri</translation>
    </message>
    <message>
        <source>The system can show its own grey predictions. Keeping them off avoids two suggestions at once.</source>
        <translation>Sistem kendi gri tahminlerini gösterebilir. Bunları kapalı tutmak aynı anda iki öneriyi önler.</translation>
    </message>
    <message>
        <source>System predictions are on</source>
        <translation>Sistem tahminleri açık</translation>
    </message>
    <message>
        <source>System predictions are off</source>
        <translation>Sistem tahminleri kapalı</translation>
    </message>
    <message>
        <source>tab</source>
        <translation>tab</translation>
    </message>
    <message>
        <source>Your next words, one Tab away.</source>
        <translation>Sonraki kelimeleriniz, bir Tab uzakta.</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Atla</translation>
    </message>
    <message>
        <source>Get Started</source>
        <translation>Başlayın</translation>
    </message>
    <message>
        <source>Turn sound on</source>
        <translation>Sesi aç</translation>
    </message>
    <message>
        <source>Turn sound off</source>
        <translation>Sesi kapat</translation>
    </message>
    <message>
        <source>The other app</source>
        <translation>Diğer uygulama</translation>
    </message>
    <message numerus="yes">
        <source>Next time, quit %1 without asking</source>
        <translation>
            <numerusform>Bir dahaki sefere sormadan kapat: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 is also running</source>
        <translation>
            <numerusform>Aynı anda çalışıyor: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Quitting…</source>
        <translation>Kapatılıyor…</translation>
    </message>
    <message numerus="yes">
        <source>%1 is still open</source>
        <translation>
            <numerusform>%1 hâlâ açık</numerusform>
        </translation>
    </message>
    <message>
        <source>%app has the Tab key</source>
        <translation>Tab tuşu artık %app uygulamasında</translation>
    </message>
    <message>
        <source>%1 quit, so your suggestions are back in every app.</source>
        <translation>%1 kapandı; önerileriniz her uygulamada geri döndü.</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Bitti</translation>
    </message>
    <message>
        <source>Open Source Notices</source>
        <translation>Açık kaynak lisansları</translation>
    </message>
    <message>
        <source>Reset all settings?</source>
        <translation>Tüm ayarlar sıfırlansın mı?</translation>
    </message>
    <message>
        <source>This also clears your rules for apps and sites. Your statistics and writing memory stay.</source>
        <translation>Bu, uygulama ve site kurallarınızı da temizler. İstatistikleriniz ve yazı belleğiniz kalır.</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Sıfırla</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Sürüm %1</translation>
    </message>
    <message>
        <source>Some apps hide their text</source>
        <translation>Bazı uygulamalar metinlerini gizler</translation>
    </message>
    <message>
        <source>Suggest emoji after a colon</source>
        <translation>İki nokta üst üsteden sonra emoji öner</translation>
    </message>
    <message>
        <source>Turn emoticons into emoji</source>
        <translation>İfadeleri emojiye dönüştür</translation>
    </message>
    <message>
        <source>After :-) or &lt;3, %app offers the matching emoji. Press Tab to swap it in.</source>
        <translation>:-) veya &lt;3 sonrasında %app uygun emojiyi önerir. Değiştirmek için Tab tuşuna basın.</translation>
    </message>
    <message>
        <source>Skin tone</source>
        <translation>Ten rengi</translation>
    </message>
    <message>
        <source>Also show the default yellow</source>
        <translation>Varsayılan sarıyı da göster</translation>
    </message>
    <message>
        <source>Try a word</source>
        <translation>Bir kelime deneyin</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Hafif</translation>
    </message>
    <message>
        <source>No emoji match “%1”</source>
        <translation>“%1” ile eşleşen emoji yok</translation>
    </message>
    <message>
        <source>Accepting</source>
        <translation>Kabul</translation>
    </message>
    <message>
        <source>Take the next word</source>
        <translation>Sonraki kelimeyi al</translation>
    </message>
    <message>
        <source>Press again for each following word.</source>
        <translation>Sonraki her kelime için yeniden basın.</translation>
    </message>
    <message>
        <source>Take the whole suggestion</source>
        <translation>Önerinin tamamını al</translation>
    </message>
    <message>
        <source>The key above Tab is easy to reach on most keyboards.</source>
        <translation>Tab&apos;ın üstündeki tuşa çoğu klavyede kolayca ulaşılır.</translation>
    </message>
    <message>
        <source>Include the space after a word</source>
        <translation>Kelimeden sonraki boşluğu da al</translation>
    </message>
    <message>
        <source>Include punctuation right after a word</source>
        <translation>Kelimenin hemen ardındaki noktalamayı da al</translation>
    </message>
    <message>
        <source>When you press Escape</source>
        <translation>Esc tuşuna bastığınızda</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Kısayollar</translation>
    </message>
    <message>
        <source>Suggest now</source>
        <translation>Şimdi öner</translation>
    </message>
    <message>
        <source>Asks for a suggestion right away, even where %app would normally wait.</source>
        <translation>%app normalde bekleyecek olsa bile hemen öneri ister.</translation>
    </message>
    <message>
        <source>Other suggestions</source>
        <translation>Diğer öneriler</translation>
    </message>
    <message>
        <source>Lists a few different ways to continue. Choose with the arrow keys, then press Tab.</source>
        <translation>Devam etmenin birkaç farklı yolunu listeler. Ok tuşlarıyla seçin, sonra Tab tuşuna basın.</translation>
    </message>
    <message>
        <source>Pause or resume in this app</source>
        <translation>Bu uygulamada duraklat veya sürdür</translation>
    </message>
    <message>
        <source>Pauses for 15 minutes.</source>
        <translation>15 dakikalığına duraklatır.</translation>
    </message>
    <message>
        <source>Turn %app on or off</source>
        <translation>%app uygulamasını aç veya kapat</translation>
    </message>
    <message>
        <source>Everywhere, until you press it again.</source>
        <translation>Her yerde, tekrar basana kadar.</translation>
    </message>
    <message>
        <source>Pause or resume</source>
        <translation>Duraklat veya sürdür</translation>
    </message>
    <message>
        <source>Turn on or off</source>
        <translation>Aç veya kapat</translation>
    </message>
    <message>
        <source>%1 and %2 use the same keys. Only the first will work.</source>
        <translation>%1 ve %2 aynı tuşları kullanıyor. Yalnızca ilki çalışır.</translation>
    </message>
    <message>
        <source>About you</source>
        <translation>Hakkınızda</translation>
    </message>
    <message>
        <source>For example: I&apos;m a product designer in Berlin. I write short, friendly emails in British English and sign off with Cheers.</source>
        <translation>Örneğin: Berlin&apos;de ürün tasarımcısıyım. İngiliz İngilizcesiyle kısa, samimi e-postalar yazarım ve “Cheers” diye bitiririm.</translation>
    </message>
    <message>
        <source>Your role, the languages you write in, names you use often, how you like to sound.</source>
        <translation>Rolünüz, yazdığınız diller, sık kullandığınız adlar, nasıl bir üslup istediğiniz.</translation>
    </message>
    <message>
        <source>Writing memory</source>
        <translation>Yazı belleği</translation>
    </message>
    <message>
        <source>Remember how I write</source>
        <translation>Nasıl yazdığımı hatırla</translation>
    </message>
    <message>
        <source>Also remember fields where I accept nothing</source>
        <translation>Hiçbir şey kabul etmediğim alanları da hatırla</translation>
    </message>
    <message>
        <source>%app learns your style sooner but keeps more of what you type.</source>
        <translation>%app üslubunuzu daha çabuk öğrenir ama yazdıklarınızdan daha fazlasını saklar.</translation>
    </message>
    <message>
        <source>Influence</source>
        <translation>Etki</translation>
    </message>
    <message>
        <source>Strong</source>
        <translation>Güçlü</translation>
    </message>
    <message>
        <source>How many of your passages each suggestion can draw on.</source>
        <translation>Her önerinin kaç metin parçanızdan yararlanabileceği.</translation>
    </message>
    <message>
        <source>Erase All…</source>
        <translation>Tümünü sil…</translation>
    </message>
    <message>
        <source>Erase everything %app remembered?</source>
        <translation>%app uygulamasının hatırladığı her şey silinsin mi?</translation>
    </message>
    <message>
        <source>This can&apos;t be undone.</source>
        <translation>Bu işlem geri alınamaz.</translation>
    </message>
    <message>
        <source>Erase All</source>
        <translation>Tümünü sil</translation>
    </message>
    <message>
        <source>Nothing remembered yet</source>
        <translation>Henüz hiçbir şey hatırlanmadı</translation>
    </message>
    <message>
        <source>App and window name</source>
        <translation>Uygulama ve pencere adı</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>Web sitesi</translation>
    </message>
    <message>
        <source>The site&apos;s domain when you write in a browser.</source>
        <translation>Tarayıcıda yazarken sitenin alan adı.</translation>
    </message>
    <message>
        <source>Recently copied text</source>
        <translation>Yakın zamanda kopyalanan metin</translation>
    </message>
    <message>
        <source>Anything you copied in the last 10 minutes. Copies from password managers are skipped.</source>
        <translation>Son 10 dakikada kopyaladığınız her şey. Parola yöneticilerinden yapılan kopyalar atlanır.</translation>
    </message>
    <message>
        <source>Text on screen</source>
        <translation>Ekrandaki metin</translation>
    </message>
    <message>
        <source>Reads the window you&apos;re writing in, so replies fit the conversation. It picks the lines closest to where you type.</source>
        <translation>Yanıtlar sohbete uysun diye yazdığınız pencereyi okur. Yazdığınız yere en yakın satırları seçer.</translation>
    </message>
    <message>
        <source>What you just looked at</source>
        <translation>Az önce baktıklarınız</translation>
    </message>
    <message>
        <source>Windows beside you</source>
        <translation>Yandaki pencereler</translation>
    </message>
    <message>
        <source>Also reads up to two other windows on the same screen, like the document you&apos;re replying about. Skips password managers and apps you switched off.</source>
        <translation>Aynı ekrandaki en fazla iki başka pencereyi de okur; örneğin yanıtınızın konusu olan belgeyi. Parola yöneticilerini ve kapattığınız uygulamaları atlar.</translation>
    </message>
    <message>
        <source>Off in this app</source>
        <translation>Bu uygulamada kapalı</translation>
    </message>
    <message>
        <source>This word looks misspelled</source>
        <translation>Bu kelime yanlış yazılmış görünüyor</translation>
    </message>
    <message>
        <source>Thanks for the notes. I&apos;ll send the revised deck</source>
        <translation>Notlar için teşekkürler. Gözden geçirilmiş sunumu</translation>
    </message>
    <message>
        <source> by Friday morning.</source>
        <translation> cuma sabahına kadar gönderirim.</translation>
    </message>
    <message>
        <source>%1 quit. %app has the Tab key.</source>
        <translation>%1 kapandı. Tab tuşu artık %app uygulamasında.</translation>
    </message>
    <message>
        <source>Open Data Folder</source>
        <translation>Veri klasörünü aç</translation>
    </message>
    <message>
        <source>Show Welcome Again</source>
        <translation>Karşılama ekranını yeniden göster</translation>
    </message>
    <message>
        <source>Play Intro Again</source>
        <translation>Tanıtımı yeniden oynat</translation>
    </message>
    <message>
        <source>Reset Settings…</source>
        <translation>Ayarları sıfırla…</translation>
    </message>
    <message>
        <source>Suggest in every app</source>
        <translation>Her uygulamada öner</translation>
    </message>
    <message>
        <source>Suggest in code editors</source>
        <translation>Kod düzenleyicilerde öner</translation>
    </message>
    <message>
        <source>Suggest in the middle of a line</source>
        <translation>Satırın ortasında öner</translation>
    </message>
    <message>
        <source>Suggest in small fields</source>
        <translation>Küçük alanlarda öner</translation>
    </message>
    <message>
        <source>Hold back on misspelled words</source>
        <translation>Yanlış yazılmış kelimelerde bekle</translation>
    </message>
    <message>
        <source>Offer spelling fixes</source>
        <translation>Yazım düzeltmeleri öner</translation>
    </message>
    <message>
        <source>Show the key hint</source>
        <translation>Tuş ipucunu göster</translation>
    </message>
    <message>
        <source>Quit other autocomplete apps when they open</source>
        <translation>Diğer otomatik tamamlama uygulamalarını açıldıklarında kapat</translation>
    </message>
    <message>
        <source>Keeps a few minutes of text from windows you switched away from, like a page you read before replying. It stays on your computer and skips apps you switched off.</source>
        <translation>Başka pencerelere geçtiğiniz pencerelerden birkaç dakikalık metin saklar; örneğin yanıt vermeden önce okuduğunuz bir sayfayı. Bilgisayarınızda kalır ve kapattığınız uygulamaları atlar.</translation>
    </message>
    <message numerus="yes">
        <source>Both apps answer the Tab key, and the system gives it to %1 first. %app stays paused in your other apps until %1 quits.</source>
        <translation>
            <numerusform>%1, Tab tuşunu %app uygulamasından önce alıyor; bu yüzden siz kapatana kadar %app diğer uygulamalarınızda duraklatılmış kalır.</numerusform>
        </translation>
    </message>
    <message>
        <source>Finishes your sentences in any app, on your computer.</source>
        <translation>Cümlelerinizi her uygulamada, kendi bilgisayarınızda tamamlar.</translation>
    </message>
    <message>
        <source>Keeps short passages from fields where you accepted a suggestion, encrypted on this computer, and shows them to the model as examples.</source>
        <translation>Bir öneriyi kabul ettiğiniz alanlardan kısa metin parçalarını bu bilgisayarda şifreli olarak saklar ve modele örnek olarak gösterir.</translation>
    </message>
    <message>
        <source>Light</source>
        <comment>skin tone</comment>
        <translation>Açık</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>Default</source>
        <comment>skin tone</comment>
        <translation>Varsayılan</translation>
    </message>
    <message>
        <source>Medium light</source>
        <comment>skin tone</comment>
        <translation>Orta açık</translation>
    </message>
    <message>
        <source>Medium</source>
        <comment>skin tone</comment>
        <translation>Orta</translation>
    </message>
    <message>
        <source>Medium dark</source>
        <comment>skin tone</comment>
        <translation>Orta koyu</translation>
    </message>
    <message>
        <source>Dark</source>
        <comment>skin tone</comment>
        <translation>Koyu</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Bilinmiyor</translation>
    </message>
    <message>
        <source>%1 × %2 pt</source>
        <translation>%1 × %2 pt</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Hayır</translation>
    </message>
    <message>
        <source>Not reported, estimated from the caret</source>
        <translation>Bildirilmedi, imleçten tahmin edildi</translation>
    </message>
    <message>
        <source>%1 %2 pt</source>
        <translation>%1 %2 pt</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Sistem</translation>
    </message>
    <message>
        <source>Not yet</source>
        <translation>Henüz değil</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Bugün</translation>
    </message>
    <message>
        <source>Last 7 days</source>
        <translation>Son 7 gün</translation>
    </message>
    <message>
        <source>All time</source>
        <translation>Tüm zamanlar</translation>
    </message>
    <message>
        <source>Typing saved</source>
        <translation>Kazanılan yazma süresi</translation>
    </message>
    <message>
        <source>at 40 words a minute</source>
        <translation>dakikada 40 kelimeyle</translation>
    </message>
    <message>
        <source>Accepted</source>
        <translation>Kabul edilen</translation>
    </message>
    <message>
        <source>of suggestions shown</source>
        <translation>gösterilen önerilerin</translation>
    </message>
    <message>
        <source>Typical wait</source>
        <translation>Tipik bekleme</translation>
    </message>
    <message>
        <source>9 in 10 under %1</source>
        <translation>10&apos;da 9&apos;u %1 altında</translation>
    </message>
    <message>
        <source>no requests yet</source>
        <translation>henüz istek yok</translation>
    </message>
    <message>
        <source>Words saved</source>
        <translation>Kazanılan kelime</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>Aralık</translation>
    </message>
    <message>
        <source>Nothing to chart yet</source>
        <translation>Henüz gösterilecek bir şey yok</translation>
    </message>
    <message>
        <source>Accept a few suggestions and your days show up here.</source>
        <translation>Birkaç öneriyi kabul edin, günleriniz burada görünsün.</translation>
    </message>
    <message>
        <source>Where you write</source>
        <translation>Yazdığınız yerler</translation>
    </message>
    <message>
        <source>Reset Statistics…</source>
        <translation>İstatistikleri sıfırla…</translation>
    </message>
    <message>
        <source>Reset all statistics?</source>
        <translation>Tüm istatistikler sıfırlansın mı?</translation>
    </message>
    <message>
        <source>This clears words saved, acceptance and timing history.</source>
        <translation>Bu işlem kazanılan kelimeleri, kabul oranını ve bekleme süresi geçmişini temizler.</translation>
    </message>
    <message>
        <source>Copy Diagnostics</source>
        <translation>Tanılamayı kopyala</translation>
    </message>
    <message>
        <source>Diagnostics leave out the text you typed.</source>
        <translation>Tanılama bilgileri yazdığınız metni içermez.</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Durum</translation>
    </message>
    <message>
        <source>Right now</source>
        <translation>Şu anda</translation>
    </message>
    <message>
        <source>Allowed</source>
        <translation>İzin verildi</translation>
    </message>
    <message>
        <source>Not allowed</source>
        <translation>İzin verilmedi</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Klavye</translation>
    </message>
    <message>
        <source>Listening</source>
        <translation>Dinliyor</translation>
    </message>
    <message>
        <source>Not listening</source>
        <translation>Dinlemiyor</translation>
    </message>
    <message>
        <source>Focused field</source>
        <translation>Etkin alan</translation>
    </message>
    <message>
        <source>Click into a text field in another app, then come back. The last field %1 saw stays here.</source>
        <translation>Başka bir uygulamadaki bir metin alanına tıklayın, sonra geri dönün. %1 uygulamasının gördüğü son alan burada kalır.</translation>
    </message>
    <message>
        <source>App</source>
        <translation>Uygulama</translation>
    </message>
    <message>
        <source>Field type</source>
        <translation>Alan türü</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>Pencere</translation>
    </message>
    <message>
        <source>Field size</source>
        <translation>Alan boyutu</translation>
    </message>
    <message>
        <source>Caret found</source>
        <translation>İmleç bulundu</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Yazı tipi</translation>
    </message>
    <message>
        <source>At end of line</source>
        <translation>Satır sonunda</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Evet</translation>
    </message>
    <message>
        <source>Secure input</source>
        <translation>Güvenli giriş</translation>
    </message>
    <message>
        <source>Looked at lately</source>
        <translation>Son bakılanlar</translation>
    </message>
    <message>
        <source>Text before the caret</source>
        <translation>İmleçten önceki metin</translation>
    </message>
    <message>
        <source>Last request</source>
        <translation>Son istek</translation>
    </message>
    <message>
        <source>Wait</source>
        <translation>Bekleme</translation>
    </message>
    <message>
        <source>Suggestion</source>
        <translation>Öneri</translation>
    </message>
    <message>
        <source>Prompt sent to the engine</source>
        <translation>Motora gönderilen istem</translation>
    </message>
    <message>
        <source>Raw answer</source>
        <translation>Ham yanıt</translation>
    </message>
    <message>
        <source>(empty)</source>
        <translation>(boş)</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>Kopyalandı</translation>
    </message>
    <message>
        <source>Choose a language</source>
        <translation>Bir dil seçin</translation>
    </message>
    <message>
        <source>Search languages</source>
        <translation>Dil ara</translation>
    </message>
    <message>
        <source>Same as my computer</source>
        <translation>Bilgisayarımla aynı</translation>
    </message>
    <message>
        <source>Switch to %1?</source>
        <translation>Dil %1 olarak değiştirilsin mi?</translation>
    </message>
    <message>
        <source>%1 closes and opens again in a second. Your settings stay as they are.</source>
        <translation>%1 kapanıp bir saniye içinde yeniden açılır. Ayarlarınız olduğu gibi kalır.</translation>
    </message>
    <message>
        <source>Reopen Now</source>
        <translation>Şimdi yeniden aç</translation>
    </message>
    <message>
        <source>App language</source>
        <translation>Uygulama dili</translation>
    </message>
    <message>
        <source>Pick the language you read most easily. Suggestions follow whatever language you type.</source>
        <translation>En kolay okuduğunuz dili seçin. Öneriler, yazdığınız dili izler.</translation>
    </message>
    <message>
        <source>Change the app language</source>
        <translation>Uygulama dilini değiştir</translation>
    </message>
    <message>
        <source>0 min</source>
        <translation>0 dk</translation>
    </message>
    <message>
        <source>under a minute</source>
        <translation>bir dakikadan az</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 sn</translation>
    </message>
    <message>
        <source>Not set</source>
        <translation>Ayarlanmadı</translation>
    </message>
    <message>
        <source>Clear shortcut</source>
        <translation>Kısayolu temizle</translation>
    </message>
    <message>
        <source>Add Ctrl, Alt or Super so normal typing still works.</source>
        <translation>Normal yazmanın çalışmaya devam etmesi için Ctrl, Alt veya Super ekleyin.</translation>
    </message>
    <message>
        <source>Type a shortcut…</source>
        <translation>Bir kısayola basın…</translation>
    </message>
    <message>
        <source>Recording shortcut</source>
        <translation>Kısayol kaydediliyor</translation>
    </message>
    <message>
        <source>Shortcut %1</source>
        <translation>Kısayol %1</translation>
    </message>
    <message>
        <source>Record shortcut</source>
        <translation>Kısayolu kaydet</translation>
    </message>
    <message>
        <source>Shortcut not set</source>
        <translation>Kısayol ayarlanmadı</translation>
    </message>
    <message>
        <source>Press to record a new shortcut. Escape cancels.</source>
        <translation>Yeni bir kısayol kaydetmek için basın. Esc iptal eder.</translation>
    </message>
    <message>
        <source>Your tray icon is hidden</source>
        <translation>Tepsi simgeniz gizli</translation>
    </message>
    <message>
        <source>This computer has no on-device language model</source>
        <translation>Bu bilgisayarda yerleşik dil modeli yok</translation>
    </message>
    <message>
        <source>Turn on the on-device model in the desktop&apos;s settings</source>
        <translation>Masaüstü ayarlarından yerleşik modeli açın</translation>
    </message>
    <message>
        <source>The on-device model is unavailable</source>
        <translation>Yerleşik model kullanılamıyor</translation>
    </message>
    <message>
        <source>Downloading. The on-device model fills in until it&apos;s done.</source>
        <translation>İndiriliyor. Bitene kadar yerleşik model devreye girer.</translation>
    </message>
    <message>
        <source>The on-device model fills in until you download it.</source>
        <translation>Siz indirene kadar yerleşik model devreye girer.</translation>
    </message>
    <message>
        <source>%1 shares no text. Quit it and start it with %2 to get suggestions in it.</source>
        <translation>%1 metin paylaşmıyor. İçinde öneri almak için uygulamayı kapatıp %2 ile başlatın.</translation>
    </message>
    <message>
        <source>On-device model</source>
        <translation>Yerleşik model</translation>
    </message>
    <message>
        <source>The system&apos;s own language model. Nothing to download.</source>
        <translation>Sistemin kendi dil modeli. İndirilecek bir şey yok.</translation>
    </message>
    <message>
        <source>A website name cannot hold spaces, tabs or line breaks.</source>
        <translation>Bir web sitesi adı boşluk, sekme veya satır sonu içeremez.</translation>
    </message>
    <message>
        <source>Only addresses that start with http or https can be added.</source>
        <translation>Yalnızca http veya https ile başlayan adresler eklenebilir.</translation>
    </message>
    <message>
        <source>That is not a website name. Type one such as wikipedia.org.</source>
        <translation>Bu bir web sitesi adı değil. wikipedia.org gibi bir ad yazın.</translation>
    </message>
    <message>
        <source>A port is a number from 1 to 65535.</source>
        <translation>Bağlantı noktası 1 ile 65535 arasında bir sayıdır.</translation>
    </message>
    <message>
        <source>The on-device model fills in until the download is done.</source>
        <translation>İndirme bitene kadar yerleşik model devreye girer.</translation>
    </message>
    <message>
        <source>Suggestions start once the download is done.</source>
        <translation>Öneriler indirme bittiğinde başlar.</translation>
    </message>
    <message>
        <source>This frees %1. The on-device model fills in until you download it again.</source>
        <translation>Bu işlem %1 yer açar. Yeniden indirene kadar yerleşik model devreye girer.</translation>
    </message>
    <message>
        <source>This frees %1. The %app model can&apos;t suggest until you download it again.</source>
        <translation>Bu işlem %1 yer açar. Yeniden indirene kadar %app modeli öneri veremez.</translation>
    </message>
    <message>
        <source>There&apos;s no room for it, or your panel has no system tray. Add the panel&apos;s system tray or status area applet in its settings.</source>
        <translation>Simge için yer yok ya da panelinizde sistem tepsisi yok. Panelin ayarlarından sistem tepsisi veya durum alanı uygulamacığını ekleyin.</translation>
    </message>
    <message>
        <source>GNOME shows tray icons only with the AppIndicator extension. Install the gnome-shell-extension-appindicator package, log out and in, then turn it on in Extensions.</source>
        <translation>GNOME tepsi simgelerini yalnızca AppIndicator uzantısıyla gösterir. gnome-shell-extension-appindicator paketini kurun, oturumu kapatıp yeniden açın, sonra Uzantılar&apos;dan etkinleştirin.</translation>
    </message>
    <message>
        <source>GNOME shows tray icons only with the AppIndicator extension. It is installed but off: turn it on in Extensions.</source>
        <translation>GNOME tepsi simgelerini yalnızca AppIndicator uzantısıyla gösterir. Uzantı kurulu ama kapalı: Uzantılar&apos;dan açın.</translation>
    </message>
    <message>
        <source>Until then, open %app from your applications menu to reach Settings.</source>
        <translation>O zamana kadar Ayarlar&apos;a ulaşmak için %app uygulamasını uygulamalar menünüzden açın.</translation>
    </message>
    <message>
        <source>Open Extensions</source>
        <translation>Uzantılar&apos;ı aç</translation>
    </message>
    <message>
        <source>Show Count in Tray</source>
        <translation>Sayıyı tepside göster</translation>
    </message>
    <message>
        <source>%1 shares no text</source>
        <translation>%1 metin paylaşmıyor</translation>
    </message>
    <message>
        <source>Copy command</source>
        <translation>Komutu kopyala</translation>
    </message>
    <message>
        <source>There&apos;s no account and no analytics. With the %app model or the on-device model, your text stays on this computer.</source>
        <translation>Hesap gerekmez, kullanım analitiği toplanmaz. %app modeli veya yerleşik modelle metniniz bu bilgisayarda kalır.</translation>
    </message>
    <message>
        <source>There&apos;s no account and no analytics. With the %app model, your text stays on this computer.</source>
        <translation>Hesap gerekmez, kullanım analitiği toplanmaz. %app modeliyle metniniz bu bilgisayarda kalır.</translation>
    </message>
    <message>
        <source>%app lives in your system tray from now on. Click its icon to pause it in an app or open Settings.</source>
        <translation>%app artık sistem tepsinizde bulunur. Bir uygulamada duraklatmak veya Ayarlar&apos;ı açmak için simgesine tıklayın.</translation>
    </message>
    <message>
        <source>%app has no account, no analytics and no servers of its own. The %app model and the on-device model keep your text on this computer. Other engines get it only if you set one up.</source>
        <translation>%app uygulamasının hesabı, kullanım analitiği ve kendi sunucuları yoktur. %app modeli ve yerleşik model metninizi bu bilgisayarda tutar. Diğer motorlar metni yalnızca birini kurarsanız alır.</translation>
    </message>
    <message>
        <source>%app has no account, no analytics and no servers of its own. The %app model keeps your text on this computer. Other engines get it only if you set one up.</source>
        <translation>%app uygulamasının hesabı, kullanım analitiği ve kendi sunucuları yoktur. %app modeli metninizi bu bilgisayarda tutar. Diğer motorlar metni yalnızca birini kurarsanız alır.</translation>
    </message>
    <message>
        <source>Installed applications</source>
        <translation>Yüklü uygulamalar</translation>
    </message>
    <message>
        <source>%app reads these only while making a suggestion and never saves them. With the %app model or the on-device model, nothing leaves your computer.</source>
        <translation>%app bunları yalnızca öneri hazırlarken okur ve asla kaydetmez. %app modeli veya yerleşik modelle hiçbir şey bilgisayarınızdan çıkmaz.</translation>
    </message>
    <message>
        <source>%app reads these only while making a suggestion and never saves them. With the %app model, nothing leaves your computer.</source>
        <translation>%app bunları yalnızca öneri hazırlarken okur ve asla kaydetmez. %app modeliyle hiçbir şey bilgisayarınızdan çıkmaz.</translation>
    </message>
    <message>
        <source>The %app model keeps your text on this computer.</source>
        <translation>%app modeli metninizi bu bilgisayarda tutar.</translation>
    </message>
    <message>
        <source>The key holds a line break or another control character. Paste it again without them.</source>
        <translation>Anahtar bir satır sonu veya başka bir denetim karakteri içeriyor. Bunlar olmadan yeniden yapıştırın.</translation>
    </message>
    <message>
        <source>Waiting for the keyring to store the key.</source>
        <translation>Anahtarlığın anahtarı saklaması bekleniyor.</translation>
    </message>
    <message>
        <source>The keyring cannot keep this key, so it is used only until %app quits.</source>
        <translation>Anahtarlık bu anahtarı saklayamıyor; bu yüzden anahtar yalnızca %app kapanana kadar kullanılır.</translation>
    </message>
    <message>
        <source>Show in the system tray</source>
        <translation>Sistem tepsisinde göster</translation>
    </message>
    <message>
        <source>Pause or open Settings from the system tray. Hidden? Open %app from your applications menu to come back.</source>
        <translation>Sistem tepsisinden duraklatın veya Ayarlar&apos;ı açın. Simge gizli mi? Geri dönmek için %app uygulamasını uygulamalar menünüzden açın.</translation>
    </message>
    <message>
        <source>This tray can&apos;t show text beside icons, so the count shows in the icon&apos;s tooltip.</source>
        <translation>Bu tepsi simgelerin yanında metin gösteremiyor; bu yüzden sayı simgenin ipucunda görünür.</translation>
    </message>
    <message>
        <source>VS Code, VSCodium, Cursor, Zed, Kate, Sublime Text, JetBrains IDEs and similar apps.</source>
        <translation>VS Code, VSCodium, Cursor, Zed, Kate, Sublime Text, JetBrains IDE&apos;leri ve benzeri uygulamalar.</translation>
    </message>
    <message>
        <source>Your settings could not be read, so they were set aside and %app started over with its defaults.</source>
        <translation>Ayarlarınız okunamadığı için bir kenara ayrıldı ve %app varsayılanlarla yeniden başladı.</translation>
    </message>
    <message>
        <source>Your settings are not saved: %app cannot write to its settings folder.</source>
        <translation>Ayarlarınız kaydedilmiyor: %app ayarlar klasörüne yazamıyor.</translation>
    </message>
    <message>
        <source>Your app and website rules could not be read, so they were set aside.</source>
        <translation>Uygulama ve web sitesi kurallarınız okunamadığı için bir kenara ayrıldı.</translation>
    </message>
    <message>
        <source>Your statistics could not be read, so they were set aside and counting started over.</source>
        <translation>İstatistikleriniz okunamadığı için bir kenara ayrıldı ve sayım yeniden başladı.</translation>
    </message>
    <message>
        <source>Not saved: %app cannot write to its data folder.</source>
        <translation>Kaydedilmedi: %app veri klasörüne yazamıyor.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln suggestions. %1 selected</source>
        <translation>
            <numerusform>%Ln öneri. Seçili: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln min</source>
        <translation>
            <numerusform>%Ln dk</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln words</source>
        <translation>
            <numerusform>%Ln kelime</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln passages from here</source>
        <translation>
            <numerusform>Buradan %Ln metin parçası</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>words</source>
        <comment>unit after a count</comment>
        <translation>
            <numerusform>kelime</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln days</source>
        <translation>
            <numerusform>%Ln gün</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Words saved per day over the last %Ln days</source>
        <translation>
            <numerusform>Son %Ln günde günlük kazanılan kelime</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln day streak</source>
        <translation>
            <numerusform>%Ln günlük seri</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln passages remembered</source>
        <translation>
            <numerusform>%Ln metin parçası hatırlandı</numerusform>
        </translation>
    </message>
    <message>
        <source>enter</source>
        <translation>enter</translation>
    </message>
    <message>
        <source>Allow screen capture so %app can read those too. Most apps work without it.</source>
        <translation>%app bunları da okuyabilsin diye ekran yakalamaya izin verin. Çoğu uygulama bu olmadan da çalışır.</translation>
    </message>
    <message>
        <source>Type a colon and a word, like :rocket, then press Tab or Enter to pick.</source>
        <translation>İki nokta üst üste ve bir kelime yazın, örneğin :rocket, sonra seçmek için Tab veya Enter tuşuna basın.</translation>
    </message>
    <message>
        <source>You can switch memory off for single apps under Apps &amp; Sites. The key that unlocks it lives in your keyring.</source>
        <translation>Belleği tek tek uygulamalar için Uygulamalar ve siteler bölümünden kapatabilirsiniz. Onu açan anahtar anahtarlığınızda durur.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln emoji. %1 selected</source>
        <translation>
            <numerusform>%Ln emoji. Seçili: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Suggestion: %1</source>
        <translation>Öneri: %1</translation>
    </message>
    <message numerus="yes">
        <source>%Ln models available</source>
        <translation>
            <numerusform>%Ln model kullanılabilir</numerusform>
        </translation>
    </message>
    <message>
        <source>The model couldn&apos;t be saved: %1</source>
        <translation>Model kaydedilemedi: %1</translation>
    </message>
    <message>
        <source>Ollama isn&apos;t running.</source>
        <translation>Ollama çalışmıyor.</translation>
    </message>
    <message>
        <source>Ollama isn&apos;t running at %1.</source>
        <translation>Ollama, %1 adresinde çalışmıyor.</translation>
    </message>
    <message>
        <source>No server answered.</source>
        <translation>Hiçbir sunucu yanıt vermedi.</translation>
    </message>
    <message>
        <source>No server answered at %1.</source>
        <translation>%1 adresinde hiçbir sunucu yanıt vermedi.</translation>
    </message>
    <message>
        <source>Range: %1</source>
        <translation>Aralık: %1</translation>
    </message>
    <message numerus="yes">
        <source>%1, %Ln to do</source>
        <translation>
            <numerusform>%1, %Ln yapılacak</numerusform>
        </translation>
    </message>
    <message>
        <source>Type the whole name of the website, such as wikipedia.org.</source>
        <translation>Web sitesinin tam adını yazın, örneğin wikipedia.org.</translation>
    </message>
    <message>
        <source>The key holds a space, an invisible character or a letter outside plain ASCII. Paste it again exactly as your server gave it.</source>
        <translation>Anahtar bir boşluk, görünmez bir karakter veya düz ASCII dışında bir harf içeriyor. Sunucunuzun verdiği haliyle aynen yeniden yapıştırın.</translation>
    </message>
    <message>
        <source>The keyring could not be read, so your server is asked without an API key. Type the key again if your server needs one.</source>
        <translation>Anahtarlık okunamadı, bu yüzden sunucunuza API anahtarı olmadan soruluyor. Sunucunuz anahtar istiyorsa anahtarı yeniden yazın.</translation>
    </message>
    <message>
        <source>Your writing memory could not be opened, so it was set aside and %app started a new one.</source>
        <translation>Yazı belleğiniz açılamadığı için bir kenara ayrıldı ve %app yeni bir bellek başlattı.</translation>
    </message>
    <message>
        <source>%1, converted for llama.cpp by %2</source>
        <translation>%1, llama.cpp için %2 tarafından dönüştürüldü</translation>
    </message>
    <message>
        <source>The data folder %1 could not be made. Check that the folder above it exists and that you may write there.</source>
        <translation>%1 veri klasörü oluşturulamadı. Üstündeki klasörün var olduğunu ve oraya yazabildiğinizi kontrol edin.</translation>
    </message>
    <message>
        <source>party</source>
        <comment>emoji search sample</comment>
        <translation>parti</translation>
    </message>
    <message numerus="yes">
        <source>%Ln settings held values %app cannot use, so they were corrected and saved.</source>
        <translation>
            <numerusform>%Ln ayar %app uygulamasının kullanamayacağı değerler içeriyordu, bu yüzden düzeltilip kaydedildi.</numerusform>
        </translation>
    </message>
    <message>
        <source>Your writing memory is not saved: the keyring is missing or locked, so its key cannot be kept.</source>
        <translation>Yazı belleğiniz kaydedilmiyor: anahtarlık yok veya kilitli, bu yüzden belleğin anahtarı saklanamıyor.</translation>
    </message>
    <message>
        <source>That address isn&apos;t valid</source>
        <translation>Bu adres geçerli değil</translation>
    </message>
    <message>
        <source>The request timed out.</source>
        <translation>İstek zaman aşımına uğradı.</translation>
    </message>
    <message>
        <source>The server&apos;s reply was too long, so it was stopped.</source>
        <translation>Sunucunun yanıtı çok uzundu, bu yüzden durduruldu.</translation>
    </message>
    <message>
        <source>The server answered %1.</source>
        <translation>Sunucu %1 yanıtını verdi.</translation>
    </message>
    <message>
        <source>The server answered %1: %2</source>
        <translation>Sunucu %1 yanıtını verdi: %2</translation>
    </message>
    <message>
        <source>The download server answered %1. Try again later.</source>
        <translation>İndirme sunucusu %1 yanıtını verdi. Daha sonra yeniden deneyin.</translation>
    </message>
    <message>
        <source>The download couldn&apos;t be saved: %1</source>
        <translation>İndirme kaydedilemedi: %1</translation>
    </message>
    <message>
        <source>The download paused because the connection dropped. Try again to pick up where it stopped.</source>
        <translation>Bağlantı koptuğu için indirme duraklatıldı. Kaldığı yerden devam etmek için yeniden deneyin.</translation>
    </message>
    <message>
        <source>The download stopped. Check your connection, then try again.</source>
        <translation>İndirme durdu. Bağlantınızı kontrol edip yeniden deneyin.</translation>
    </message>
    <message>
        <source>Pick an Ollama model in Settings</source>
        <translation>Ayarlar&apos;da bir Ollama modeli seçin</translation>
    </message>
    <message>
        <source>Pick a model for your local server</source>
        <translation>Yerel sunucunuz için bir model seçin</translation>
    </message>
    <message>
        <source>The server&apos;s answer is not HTTP.</source>
        <translation>Sunucunun yanıtı HTTP değil.</translation>
    </message>
    <message>
        <source>The data couldn&apos;t be read because it is missing.</source>
        <translation>Veriler eksik olduğu için okunamadı.</translation>
    </message>
    <message>
        <source>The data couldn&apos;t be read because it isn&apos;t in the correct format.</source>
        <translation>Veriler doğru biçimde olmadığı için okunamadı.</translation>
    </message>
    <message>
        <source>:%1:</source>
        <comment>emoji name</comment>
        <translation>:%1:</translation>
    </message>
    <message>
        <source>This computer has no on-device language model.</source>
        <translation>Bu bilgisayarda yerleşik dil modeli yok.</translation>
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
        <translation>%1 sitesinde duraklatıldı</translation>
    </message>
    <message>
        <source>Paused in %1</source>
        <translation>%1 uygulamasında duraklatıldı</translation>
    </message>
    <message>
        <source>Off on %1</source>
        <translation>%1 sitesinde kapalı</translation>
    </message>
    <message>
        <source>Off in %1</source>
        <translation>%1 uygulamasında kapalı</translation>
    </message>
    <message>
        <source>Off in %1 by default</source>
        <translation>%1 uygulamasında varsayılan olarak kapalı</translation>
    </message>
    <message>
        <source>Off in code editors</source>
        <translation>Kod düzenleyicilerde kapalı</translation>
    </message>
    <message>
        <source>Off unless turned on per app</source>
        <translation>Uygulama başına açılmadıkça kapalı</translation>
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
        <translation>Boşluk</translation>
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
        <translation>%1 tuşu</translation>
    </message>
    <message>
        <source>An email reply reads differently from a commit message.</source>
        <translation>Bir e-postaya yanıt, bir commit mesajından farklı yazılır.</translation>
    </message>
    <message>
        <source>Writes straight into the field. Cleanest in GTK and Qt apps.</source>
        <translation>Doğrudan alana yazar. GTK ve Qt uygulamalarında en temiz sonuç.</translation>
    </message>
    <message>
        <source>Typing</source>
        <comment>insertion method</comment>
        <translation>Yazma</translation>
    </message>
    <message>
        <source>%1 h</source>
        <comment>hours with one decimal, such as 1.5</comment>
        <translation>%1 sa</translation>
    </message>
    <message numerus="yes">
        <source>%Ln h</source>
        <translation>
            <numerusform>%Ln sa</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln ms</source>
        <translation>
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
            <numerusform>Bugün %Ln kelime kazanıldı</numerusform>
        </translation>
    </message>
    <message>
        <source>Under a minute of typing saved today.</source>
        <translation>Bugün bir dakikadan az yazma süresi kazanıldı.</translation>
    </message>
    <message>
        <source>About %1 of typing saved today.</source>
        <translation>Bugün yaklaşık %1 yazma süresi kazanıldı.</translation>
    </message>
    <message numerus="yes">
        <source>Step %1 of %Ln</source>
        <translation>
            <numerusform>Adım %1 / %Ln</numerusform>
        </translation>
    </message>
    <message>
        <source>%app reads and types into text fields through the desktop&apos;s accessibility support, which some desktops leave off. %app uses it only for the field you&apos;re writing in.</source>
        <translation>%app, metin alanlarını masaüstünün erişilebilirlik desteği aracılığıyla okur ve bunlara yazar; bazı masaüstleri bu desteği kapalı bırakır. %app onu yalnızca yazdığınız alan için kullanır.</translation>
    </message>
    <message>
        <source>The button switches the desktop&apos;s accessibility support on. If the desktop&apos;s settings open instead, turn accessibility on there, then come back. This page updates by itself.</source>
        <translation>Düğme, masaüstünün erişilebilirlik desteğini açar. Bunun yerine masaüstünün ayarları açılırsa erişilebilirliği orada açın, sonra geri dönün. Bu sayfa kendiliğinden güncellenir.</translation>
    </message>
    <message>
        <source>Still off? Some desktops start their accessibility service only when you log in. Log out and back in, then try again.</source>
        <translation>Hâlâ kapalı mı? Bazı masaüstleri erişilebilirlik hizmetini yalnızca oturum açılırken başlatır. Oturumu kapatıp yeniden açın, sonra tekrar deneyin.</translation>
    </message>
    <message>
        <source>Pause</source>
        <comment>section header</comment>
        <translation>Duraklatma</translation>
    </message>
    <message>
        <source>Pause</source>
        <comment>button</comment>
        <translation>Duraklat</translation>
    </message>
    <message>
        <source>typing</source>
        <comment>insertion method, in a sentence</comment>
        <translation>yazma</translation>
    </message>
    <message>
        <source>accessibility</source>
        <comment>insertion method, in a sentence</comment>
        <translation>erişilebilirlik</translation>
    </message>
    <message>
        <source>paste</source>
        <comment>insertion method, in a sentence</comment>
        <translation>yapıştırma</translation>
    </message>
    <message>
        <source>short</source>
        <comment>suggestion length, in a sentence</comment>
        <translation>kısa</translation>
    </message>
    <message>
        <source>medium</source>
        <comment>suggestion length, in a sentence</comment>
        <translation>orta</translation>
    </message>
    <message>
        <source>long</source>
        <comment>suggestion length, in a sentence</comment>
        <translation>uzun</translation>
    </message>
    <message>
        <source>Default follows General: %1, %2 suggestions.</source>
        <translation>Varsayılan, Genel&apos;i izler: %1, %2 öneriler.</translation>
    </message>
    <message>
        <source>Yes, at %1, %2 on screen, %3 pt tall, %4 and %5</source>
        <translation>Evet, ekranda %1, %2 konumunda, %3 pt yüksekliğinde, %4, %5</translation>
    </message>
    <message numerus="yes">
        <source>%Ln characters before it</source>
        <translation>
            <numerusform>öncesinde %Ln karakter</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln after</source>
        <comment>characters after the caret</comment>
        <translation>
            <numerusform>sonrasında %Ln</numerusform>
        </translation>
    </message>
    <message>
        <source>No system tray runs on this desktop, so the icon cannot show. %1</source>
        <translation>Bu masaüstünde çalışan bir sistem tepsisi yok, bu yüzden simge gösterilemiyor. %1</translation>
    </message>
    <message>
        <source>Typing</source>
        <comment>section header</comment>
        <translation>Yazma</translation>
    </message>
    <message>
        <source>Switch to the computer&apos;s language?</source>
        <translation>Dil bilgisayarın diline değiştirilsin mi?</translation>
    </message>
    <message numerus="yes">
        <source>%Ln words this week.</source>
        <translation>
            <numerusform>Bu hafta %Ln kelime.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Under a minute of typing saved today. %Ln words this week.</source>
        <translation>
            <numerusform>Bugün bir dakikadan az yazma süresi kazanıldı. Bu hafta %Ln kelime.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>About %1 of typing saved today. %Ln words this week.</source>
        <translation>
            <numerusform>Bugün yaklaşık %1 yazma süresi kazanıldı. Bu hafta %Ln kelime.</numerusform>
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
            <numerusform>%Ln / %1 tamamlandı</numerusform>
        </translation>
    </message>
    <message>
        <source>The server refused the connection. Check that it is running and that the address is right.</source>
        <translation>Sunucu bağlantıyı reddetti. Sunucunun çalıştığını ve adresin doğru olduğunu kontrol edin.</translation>
    </message>
    <message>
        <source>The server&apos;s name couldn&apos;t be found. Check the address.</source>
        <translation>Sunucunun adı bulunamadı. Adresi kontrol edin.</translation>
    </message>
    <message>
        <source>A secure connection to the server couldn&apos;t be made.</source>
        <translation>Sunucuyla güvenli bağlantı kurulamadı.</translation>
    </message>
    <message>
        <source>The server closed the connection before it answered.</source>
        <translation>Sunucu yanıt vermeden bağlantıyı kapattı.</translation>
    </message>
    <message>
        <source>The network proxy couldn&apos;t be reached.</source>
        <translation>Ağ proxy sunucusuna ulaşılamadı.</translation>
    </message>
    <message>
        <source>The server couldn&apos;t be reached.</source>
        <translation>Sunucuya ulaşılamadı.</translation>
    </message>
    <message>
        <source>Waiting for the network…</source>
        <translation>Ağ bekleniyor…</translation>
    </message>
    <message>
        <source>%1 is taken by another program.</source>
        <translation>%1 başka bir program tarafından kullanılıyor.</translation>
    </message>
    <message>
        <source>%1 could not open again. Your choice takes effect the next time you start it.</source>
        <translation>%1 yeniden açılamadı. Seçiminiz bir sonraki başlatmada geçerli olur.</translation>
    </message>
    <message>
        <source>Downloading the model</source>
        <translation>Model indiriliyor</translation>
    </message>
    <message numerus="yes">
        <source>These apps answer the Tab key before %app can, so %app stays paused in your other apps until they quit.</source>
        <translation>
            <numerusform>Bu uygulamalar Tab tuşuna %app uygulamasından önce yanıt veriyor; bu yüzden onlar kapanana kadar %app diğer uygulamalarınızda duraklatılmış kalır.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>It may be waiting on a dialog of its own. Force Quit closes it right away.</source>
        <translation>
            <numerusform>Kendi iletişim kutularından birinde bekliyor olabilir. “Zorla kapat” hemen kapatır.</numerusform>
        </translation>
    </message>
    <message>
        <source>Set a Suggest Now shortcut in Keys to ask for suggestions</source>
        <translation>Öneri istemek için Tuşlar bölümünde bir “Şimdi öner” kısayolu ayarlayın</translation>
    </message>
    <message>
        <source>Backspace</source>
        <comment>key above Enter that deletes backwards</comment>
        <translation>Backspace</translation>
    </message>
    <message>
        <source>0 words saved today</source>
        <translation>Bugün 0 kelime kazanıldı</translation>
    </message>
    <message>
        <source>words saved today</source>
        <comment>beside the count 0</comment>
        <translation>kelime bugün kazanıldı</translation>
    </message>
    <message>
        <source>Quit the other app</source>
        <translation>Diğer uygulamayı kapat</translation>
    </message>
    <message>
        <source>None yet</source>
        <comment>no app looked at yet</comment>
        <translation>Henüz yok</translation>
    </message>
    <message>
        <source>None yet</source>
        <comment>no suggestion shown yet</comment>
        <translation>Henüz yok</translation>
    </message>
    <message>
        <source>The other app is also running</source>
        <translation>Diğer uygulama da çalışıyor</translation>
    </message>
    <message>
        <source>Both apps answer the Tab key, and the system gives it to the other app first. %app stays paused in your other apps until the other app quits.</source>
        <translation>İki uygulama da Tab tuşuna yanıt veriyor ve sistem tuşu önce diğer uygulamaya veriyor. O uygulama kapanana kadar %app diğer uygulamalarınızda duraklatılmış kalır.</translation>
    </message>
    <message>
        <source>The other app is still open</source>
        <translation>Diğer uygulama hâlâ açık</translation>
    </message>
    <message>
        <source>The other app quit, so your suggestions are back in every app.</source>
        <translation>Diğer uygulama kapandı; önerileriniz her uygulamada geri döndü.</translation>
    </message>
    <message>
        <source>The other app quit. %app has the Tab key.</source>
        <translation>Diğer uygulama kapandı. Tab tuşu artık %app uygulamasında.</translation>
    </message>
</context>
</TS>
