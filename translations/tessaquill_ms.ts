<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ms" sourcelanguage="en">
<context>
    <name>Tessaquill</name>
    <message>
        <source>Accessibility is on. %app is ready in your other apps.</source>
        <translation>Kebolehcapaian dihidupkan. %app sedia dalam apl anda yang lain.</translation>
    </message>
    <message>
        <source>Paused while %1 is open</source>
        <translation>Dijeda selagi %1 dibuka</translation>
    </message>
    <message>
        <source>Welcome to %app</source>
        <translation>Selamat datang ke %app</translation>
    </message>
    <message>
        <source>%app</source>
        <translation>%app</translation>
    </message>
    <message>
        <source>Another autocomplete app is running</source>
        <translation>Satu lagi apl autolengkap sedang berjalan</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Sedia</translation>
    </message>
    <message>
        <source>Waiting for a pause</source>
        <translation>Menunggu jeda</translation>
    </message>
    <message>
        <source>Thinking</source>
        <translation>Sedang berfikir</translation>
    </message>
    <message>
        <source>Showing a suggestion</source>
        <translation>Menunjukkan cadangan</translation>
    </message>
    <message>
        <source>The model took too long to answer</source>
        <translation>Model mengambil masa terlalu lama untuk menjawab</translation>
    </message>
    <message>
        <source>This app doesn&apos;t report where the caret is</source>
        <translation>Apl ini tidak melaporkan kedudukan kursor</translation>
    </message>
    <message>
        <source>%app is turned off</source>
        <translation>%app dimatikan</translation>
    </message>
    <message>
        <source>Secure input is on, so %app stays out</source>
        <translation>Input selamat dihidupkan, jadi %app tidak campur tangan</translation>
    </message>
    <message>
        <source>Press %1 for a suggestion</source>
        <translation>Tekan %1 untuk cadangan</translation>
    </message>
    <message>
        <source>Text is selected</source>
        <translation>Ada teks dipilih</translation>
    </message>
    <message>
        <source>The caret is inside existing text</source>
        <translation>Kursor berada di dalam teks sedia ada</translation>
    </message>
    <message>
        <source>This field is too small</source>
        <translation>Medan ini terlalu kecil</translation>
    </message>
    <message>
        <source>Waiting for a few characters</source>
        <translation>Menunggu beberapa aksara</translation>
    </message>
    <message>
        <source>Start of a new line</source>
        <translation>Permulaan baris baharu</translation>
    </message>
    <message>
        <source>The model is still downloading</source>
        <translation>Model masih dimuat turun</translation>
    </message>
    <message>
        <source>Download the %app model in Settings first</source>
        <translation>Muat turun model %app dalam Tetapan dahulu</translation>
    </message>
    <message>
        <source>Not checked yet</source>
        <translation>Belum diperiksa</translation>
    </message>
    <message>
        <source>Checking…</source>
        <translation>Memeriksa…</translation>
    </message>
    <message>
        <source>The model stopped with error %1</source>
        <translation>Model berhenti dengan ralat %1</translation>
    </message>
    <message>
        <source>The model file couldn&apos;t be loaded</source>
        <translation>Fail model tidak dapat dimuatkan</translation>
    </message>
    <message>
        <source>There wasn&apos;t enough memory to start the model</source>
        <translation>Memori tidak mencukupi untuk memulakan model</translation>
    </message>
    <message>
        <source>The text couldn&apos;t be prepared for the model</source>
        <translation>Teks tidak dapat disediakan untuk model</translation>
    </message>
    <message>
        <source>This computer needs %1 free for the download. Free up some space, then try again.</source>
        <translation>Komputer ini memerlukan %1 ruang kosong untuk muat turun. Kosongkan sedikit ruang, kemudian cuba lagi.</translation>
    </message>
    <message>
        <source>The download didn&apos;t match the expected file, so it was deleted. Try again.</source>
        <translation>Muat turun tidak sepadan dengan fail yang dijangka, jadi ia dipadam. Cuba lagi.</translation>
    </message>
    <message>
        <source>Downloaded</source>
        <translation>Dimuat turun</translation>
    </message>
    <message>
        <source>Downloading. Suggestions start once it&apos;s done.</source>
        <translation>Memuat turun. Cadangan bermula apabila selesai.</translation>
    </message>
    <message>
        <source>Checking the download.</source>
        <translation>Memeriksa muat turun.</translation>
    </message>
    <message>
        <source>Checking the download. Suggestions start once it&apos;s done.</source>
        <translation>Memeriksa muat turun. Cadangan bermula apabila selesai.</translation>
    </message>
    <message>
        <source>Download the model to start</source>
        <translation>Muat turun model untuk bermula</translation>
    </message>
    <message>
        <source>Ollama is running but has no models</source>
        <translation>Ollama berjalan tetapi tiada model</translation>
    </message>
    <message>
        <source>Another app</source>
        <translation>Apl lain</translation>
    </message>
    <message>
        <source>There is no D-Bus session bus, so %1 cannot reach text fields.</source>
        <translation>Tiada bas sesi D-Bus, jadi %1 tidak dapat mencapai medan teks.</translation>
    </message>
    <message>
        <source>The desktop&apos;s accessibility bus is not running, so %1 cannot reach text fields.</source>
        <translation>Bas kebolehcapaian desktop tidak berjalan, jadi %1 tidak dapat mencapai medan teks.</translation>
    </message>
    <message>
        <source>Short</source>
        <translation>Pendek</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Sederhana</translation>
    </message>
    <message>
        <source>Long</source>
        <translation>Panjang</translation>
    </message>
    <message>
        <source>Hide the suggestion</source>
        <translation>Sembunyikan cadangan</translation>
    </message>
    <message>
        <source>Hide suggestions until I change fields</source>
        <translation>Sembunyikan cadangan sehingga saya tukar medan</translation>
    </message>
    <message>
        <source>Do nothing, send Escape to the app</source>
        <translation>Jangan buat apa-apa, hantar Esc kepada apl</translation>
    </message>
    <message>
        <source>Type it</source>
        <translation>Taip</translation>
    </message>
    <message>
        <source>Insert through Accessibility</source>
        <translation>Sisip melalui Kebolehcapaian</translation>
    </message>
    <message>
        <source>Paste it</source>
        <translation>Tampal</translation>
    </message>
    <message>
        <source>Grey</source>
        <translation>Kelabu</translation>
    </message>
    <message>
        <source>Gold tint</source>
        <translation>Rona emas</translation>
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
        <translation>Pelayan setempat</translation>
    </message>
    <message>
        <source>Runs on this computer after a one-time download. Works offline.</source>
        <translation>Berjalan pada komputer ini selepas sekali muat turun. Berfungsi di luar talian.</translation>
    </message>
    <message>
        <source>Any model you run in Ollama, base models included.</source>
        <translation>Apa-apa model yang anda jalankan dalam Ollama, termasuk model asas.</translation>
    </message>
    <message>
        <source>LM Studio, llama-server or any OpenAI-compatible endpoint.</source>
        <translation>LM Studio, llama-server atau mana-mana titik akhir serasi OpenAI.</translation>
    </message>
    <message>
        <source>Sends the text as keystrokes. Works almost everywhere.</source>
        <translation>Menghantar teks sebagai ketukan kekunci. Berfungsi hampir di mana-mana.</translation>
    </message>
    <message>
        <source>Uses the clipboard, then puts your clipboard back.</source>
        <translation>Menggunakan papan keratan, kemudian memulihkan kandungannya.</translation>
    </message>
    <message>
        <source>Accessibility</source>
        <translation>Kebolehcapaian</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Tampal</translation>
    </message>
    <message>
        <source>Your writing memory could not be opened and was set aside. Nothing new is remembered until %app starts again.</source>
        <translation>Memori penulisan anda tidak dapat dibuka dan telah diketepikan. Tiada perkara baharu diingati sehingga %app dimulakan semula.</translation>
    </message>
    <message>
        <source>Your writing memory could not be opened because its key could not be read from the keyring. Nothing new is remembered until %app starts again.</source>
        <translation>Memori penulisan anda tidak dapat dibuka kerana kuncinya tidak dapat dibaca daripada gelang kunci. Tiada perkara baharu diingati sehingga %app dimulakan semula.</translation>
    </message>
    <message>
        <source>Not Now</source>
        <translation>Bukan sekarang</translation>
    </message>
    <message>
        <source>Open the desktop&apos;s settings</source>
        <translation>Buka tetapan desktop</translation>
    </message>
    <message>
        <source>Don&apos;t remind me again</source>
        <translation>Jangan ingatkan saya lagi</translation>
    </message>
    <message>
        <source>Open Playground</source>
        <translation>Buka ruang latihan</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Tetapan</translation>
    </message>
    <message>
        <source>Quit %app</source>
        <translation>Keluar dari %app</translation>
    </message>
    <message>
        <source>Needs Accessibility access</source>
        <translation>Perlu akses Kebolehcapaian</translation>
    </message>
    <message>
        <source>Paused until you resume</source>
        <translation>Dijeda sehingga anda sambung semula</translation>
    </message>
    <message>
        <source>Paused until %1</source>
        <translation>Dijeda sehingga %1</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Mati</translation>
    </message>
    <message numerus="yes">
        <source>Paused while %1 are open</source>
        <translation>
            <numerusform>Dijeda selagi %1 dibuka</numerusform>
        </translation>
    </message>
    <message>
        <source>Grant Accessibility Access…</source>
        <translation>Beri akses Kebolehcapaian…</translation>
    </message>
    <message numerus="yes">
        <source>Force Quit %1</source>
        <translation>
            <numerusform>Paksa keluar %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Quit %1</source>
        <translation>
            <numerusform>Keluar dari %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>words saved today</source>
        <translation>
            <numerusform>perkataan dijimatkan hari ini</numerusform>
        </translation>
    </message>
    <message>
        <source>Start typing anywhere. %app keeps count here.</source>
        <translation>Mula menaip di mana-mana. %app mengira di sini.</translation>
    </message>
    <message>
        <source>Resume in %1</source>
        <translation>Sambung semula dalam %1</translation>
    </message>
    <message>
        <source>Pause in %1</source>
        <translation>Jeda dalam %1</translation>
    </message>
    <message>
        <source>Resume Everywhere</source>
        <translation>Sambung semula di semua tempat</translation>
    </message>
    <message>
        <source>Pause Everywhere</source>
        <translation>Jeda di semua tempat</translation>
    </message>
    <message>
        <source>For 15 Minutes</source>
        <translation>Selama 15 minit</translation>
    </message>
    <message>
        <source>For 1 Hour</source>
        <translation>Selama 1 jam</translation>
    </message>
    <message>
        <source>For 4 Hours</source>
        <translation>Selama 4 jam</translation>
    </message>
    <message>
        <source>Until I Resume</source>
        <translation>Sehingga saya sambung</translation>
    </message>
    <message>
        <source>Example: after typing %1, %2 suggests %3</source>
        <translation>Contoh: selepas menaip %1, %2 mencadangkan %3</translation>
    </message>
    <message>
        <source>takes the next word</source>
        <translation>mengambil perkataan seterusnya</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Muat turun</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Batal</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 daripada %2</translation>
    </message>
    <message>
        <source>%1 of %2. You can keep writing while it downloads.</source>
        <translation>%1 daripada %2. Anda boleh terus menulis semasa muat turun.</translation>
    </message>
    <message>
        <source>Checking the download</source>
        <translation>Memeriksa muat turun</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Cuba lagi</translation>
    </message>
    <message>
        <source>Remove…</source>
        <translation>Alih keluar…</translation>
    </message>
    <message>
        <source>%1 license</source>
        <translation>Lesen %1</translation>
    </message>
    <message>
        <source>Remove the %app model?</source>
        <translation>Alih keluar model %app?</translation>
    </message>
    <message>
        <source>Model download</source>
        <translation>Muat turun model</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Alih keluar</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Teruskan</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Kemudian</translation>
    </message>
    <message>
        <source>Start Writing</source>
        <translation>Mula menulis</translation>
    </message>
    <message>
        <source>Finish your sentences in any app.</source>
        <translation>Lengkapkan ayat anda dalam mana-mana apl.</translation>
    </message>
    <message>
        <source>%app reads the words before your caret and suggests what comes next in grey. Press Tab to take one word, or the key above Tab to take the rest. If you don&apos;t want it, keep typing.</source>
        <translation>%app membaca perkataan sebelum kursor dan mencadangkan sambungannya dalam warna kelabu. Tekan Tab untuk mengambil satu perkataan, atau kekunci di atas Tab untuk selebihnya. Jika tidak mahu, teruskan menaip.</translation>
    </message>
    <message>
        <source>Sees what you see</source>
        <translation>Melihat apa yang anda lihat</translation>
    </message>
    <message>
        <source>Private</source>
        <translation>Peribadi</translation>
    </message>
    <message>
        <source>It reads the window you&apos;re typing in, like the chat you&apos;re answering, so suggestions fit. None of it goes online, to us or any server. It stays private on your computer.</source>
        <translation>Apl ini membaca tetingkap tempat anda menaip, seperti sembang yang anda balas, supaya cadangan sesuai. Tiada apa-apa dihantar ke dalam talian, kepada kami atau mana-mana pelayan. Semuanya kekal peribadi pada komputer anda.</translation>
    </message>
    <message>
        <source>Accessibility is on</source>
        <translation>Kebolehcapaian dihidupkan</translation>
    </message>
    <message>
        <source>%app can now read the field you&apos;re writing in and type suggestions for you.</source>
        <translation>%app kini boleh membaca medan tempat anda menulis dan menaip cadangan untuk anda.</translation>
    </message>
    <message>
        <source>Let %app see what you type.</source>
        <translation>Benarkan %app melihat apa yang anda taip.</translation>
    </message>
    <message>
        <source>%app reads your text when you pause and forgets it after one suggestion, unless you turn on writing memory.</source>
        <translation>%app membaca teks anda apabila anda berhenti seketika dan melupakannya selepas satu cadangan, kecuali anda menghidupkan memori penulisan.</translation>
    </message>
    <message>
        <source>%app skips password fields and anything else the system marks as secure.</source>
        <translation>%app melangkau medan kata laluan dan apa-apa yang ditanda selamat oleh sistem.</translation>
    </message>
    <message>
        <source>Open Accessibility Settings</source>
        <translation>Buka tetapan kebolehcapaian</translation>
    </message>
    <message>
        <source>Pick what writes your suggestions.</source>
        <translation>Pilih enjin yang menjana cadangan anda.</translation>
    </message>
    <message>
        <source>You can change this any time in Settings.</source>
        <translation>Anda boleh menukarnya bila-bila masa dalam Tetapan.</translation>
    </message>
    <message>
        <source>Give it a try.</source>
        <translation>Cubalah.</translation>
    </message>
    <message>
        <source>Start typing a sentence. When grey words appear, press Tab for one word or the key above Tab for all of them.</source>
        <translation>Mula menaip satu ayat. Apabila perkataan kelabu muncul, tekan Tab untuk satu perkataan atau kekunci di atas Tab untuk semuanya.</translation>
    </message>
    <message>
        <source>Hi Orlenn, thanks for the quick reply. I think we should</source>
        <translation>Hai Orlenn, terima kasih atas balasan pantas. Saya rasa kita patut</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Kembali</translation>
    </message>
    <message>
        <source>Practice field</source>
        <translation>Medan latihan</translation>
    </message>
    <message>
        <source>Default, on</source>
        <translation>Lalai, hidup</translation>
    </message>
    <message>
        <source>Default, off</source>
        <translation>Lalai, mati</translation>
    </message>
    <message>
        <source>Add a website</source>
        <translation>Tambah tapak web</translation>
    </message>
    <message>
        <source>Domain</source>
        <translation>Domain</translation>
    </message>
    <message>
        <source>Rules for a site apply in any browser %app can read.</source>
        <translation>Peraturan tapak terpakai dalam mana-mana pelayar yang boleh dibaca %app.</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Tambah</translation>
    </message>
    <message>
        <source>Add App…</source>
        <translation>Tambah apl…</translation>
    </message>
    <message>
        <source>Add an app</source>
        <translation>Tambah apl</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Cari</translation>
    </message>
    <message>
        <source>Clear search</source>
        <translation>Kosongkan carian</translation>
    </message>
    <message>
        <source>Add an app or website</source>
        <translation>Tambah apl atau tapak web</translation>
    </message>
    <message>
        <source>Add Website…</source>
        <translation>Tambah tapak web…</translation>
    </message>
    <message>
        <source>Apps &amp; Sites</source>
        <translation>Apl &amp; tapak</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Dijeda</translation>
    </message>
    <message>
        <source>Apps</source>
        <translation>Apl</translation>
    </message>
    <message>
        <source>Websites</source>
        <translation>Tapak web</translation>
    </message>
    <message>
        <source>No matches</source>
        <translation>Tiada padanan</translation>
    </message>
    <message>
        <source>No apps yet</source>
        <translation>Belum ada apl</translation>
    </message>
    <message>
        <source>Nothing matches “%1”.</source>
        <translation>Tiada yang sepadan dengan “%1”.</translation>
    </message>
    <message>
        <source>Apps appear here once you accept a suggestion in them, or add one with +.</source>
        <translation>Apl muncul di sini apabila anda menerima cadangan di dalamnya, atau tambah satu dengan +.</translation>
    </message>
    <message>
        <source>Pick an app or site</source>
        <translation>Pilih apl atau tapak</translation>
    </message>
    <message>
        <source>Each one can have its own rules. Anything you don&apos;t change follows General.</source>
        <translation>Setiap satu boleh mempunyai peraturan sendiri. Apa yang anda tidak ubah mengikut Umum.</translation>
    </message>
    <message>
        <source>Words saved here</source>
        <translation>Perkataan dijimatkan di sini</translation>
    </message>
    <message>
        <source>Suggestions</source>
        <translation>Cadangan</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Hidup</translation>
    </message>
    <message>
        <source>Tab accepts suggestions</source>
        <translation>Terima cadangan dengan Tab</translation>
    </message>
    <message>
        <source>Turn off where Tab already means something, like indenting. The other accept key still works.</source>
        <translation>Matikan jika Tab sudah ada fungsi, seperti mengengsot. Kekunci terima yang satu lagi masih berfungsi.</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Lalai</translation>
    </message>
    <message>
        <source>Insert by</source>
        <translation>Cara sisipan</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Panjang</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Sambung semula</translation>
    </message>
    <message>
        <source>Pause here</source>
        <translation>Jeda di sini</translation>
    </message>
    <message>
        <source>Memory</source>
        <translation>Memori</translation>
    </message>
    <message>
        <source>Remember my writing here</source>
        <translation>Ingat cara saya menulis di sini</translation>
    </message>
    <message>
        <source>Writing memory is off in Your Voice.</source>
        <translation>Memori penulisan dimatikan dalam Gaya anda.</translation>
    </message>
    <message>
        <source>Erase…</source>
        <translation>Padam…</translation>
    </message>
    <message>
        <source>Reset to Defaults</source>
        <translation>Tetapkan semula kepada lalai</translation>
    </message>
    <message>
        <source>Erase what %app remembered from %1?</source>
        <translation>Padam apa yang diingati %app daripada %1?</translation>
    </message>
    <message>
        <source>Erase</source>
        <translation>Padam</translation>
    </message>
    <message>
        <source>Passages from this app can shape suggestions everywhere.</source>
        <translation>Petikan daripada apl ini boleh mempengaruhi cadangan di semua tempat.</translation>
    </message>
    <message>
        <source>Finish setting up</source>
        <translation>Lengkapkan persediaan</translation>
    </message>
    <message>
        <source>Setup progress</source>
        <translation>Kemajuan persediaan</translation>
    </message>
    <message>
        <source>Done: %1</source>
        <translation>Selesai: %1</translation>
    </message>
    <message>
        <source>Best day yet!</source>
        <translation>Hari terbaik anda!</translation>
    </message>
    <message>
        <source>Try it here</source>
        <translation>Cuba di sini</translation>
    </message>
    <message>
        <source>Thanks for sending the draft over. I had a look and</source>
        <translation>Terima kasih kerana menghantar draf itu. Saya sudah melihatnya dan</translation>
    </message>
    <message>
        <source>next word</source>
        <translation>perkataan seterusnya</translation>
    </message>
    <message>
        <source>whole suggestion</source>
        <translation>seluruh cadangan</translation>
    </message>
    <message>
        <source>hide it</source>
        <translation>sembunyikan</translation>
    </message>
    <message>
        <source>This field runs the real engine. Start typing and grey words show up as you go.</source>
        <translation>Medan ini menggunakan enjin sebenar. Mula menaip dan perkataan kelabu akan muncul.</translation>
    </message>
    <message>
        <source>This field runs the real engine, even before you allow Accessibility. Start typing and grey words show up as you go.</source>
        <translation>Medan ini menggunakan enjin sebenar, walaupun sebelum anda membenarkan Kebolehcapaian. Mula menaip dan perkataan kelabu akan muncul.</translation>
    </message>
    <message>
        <source>You&apos;re all set</source>
        <translation>Semua sudah sedia</translation>
    </message>
    <message>
        <source>Accessibility is on and %1 is ready. %app works in every app you type in.</source>
        <translation>Kebolehcapaian dihidupkan dan %1 sedia. %app berfungsi dalam setiap apl tempat anda menaip.</translation>
    </message>
    <message>
        <source>Waiting for %1 to quit</source>
        <translation>Menunggu %1 keluar</translation>
    </message>
    <message>
        <source>Turned off</source>
        <translation>Dimatikan</translation>
    </message>
    <message>
        <source>Paused everywhere</source>
        <translation>Dijeda di semua tempat</translation>
    </message>
    <message>
        <source>%1, %2 typical wait</source>
        <translation>%1, masa menunggu biasa %2</translation>
    </message>
    <message>
        <source>Start your streak today.</source>
        <translation>Mulakan rentetan anda hari ini.</translation>
    </message>
    <message>
        <source>Overview</source>
        <translation>Ringkasan</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Umum</translation>
    </message>
    <message>
        <source>Engine</source>
        <translation>Enjin</translation>
    </message>
    <message>
        <source>Context</source>
        <translation>Konteks</translation>
    </message>
    <message>
        <source>Your Voice</source>
        <translation>Gaya anda</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Kekunci</translation>
    </message>
    <message>
        <source>Emoji</source>
        <translation>Emoji</translation>
    </message>
    <message>
        <source>Battery</source>
        <translation>Bateri</translation>
    </message>
    <message>
        <source>Insights</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <source>Field Inspector</source>
        <translation>Pemeriksa medan</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Perihal</translation>
    </message>
    <message>
        <source>How %app is doing today</source>
        <translation>Prestasi %app hari ini</translation>
    </message>
    <message>
        <source>Where and how suggestions appear</source>
        <translation>Di mana dan bagaimana cadangan muncul</translation>
    </message>
    <message>
        <source>The model that writes your suggestions</source>
        <translation>Model yang menjana cadangan anda</translation>
    </message>
    <message>
        <source>What %app may look at to guess better</source>
        <translation>Apa yang boleh dilihat %app untuk meneka lebih baik</translation>
    </message>
    <message>
        <source>Help suggestions sound like you</source>
        <translation>Jadikan cadangan berbunyi seperti anda</translation>
    </message>
    <message>
        <source>Accept, dismiss and summon suggestions</source>
        <translation>Terima, tolak dan panggil cadangan</translation>
    </message>
    <message>
        <source>Emoji search and emoticons</source>
        <translation>Carian emoji dan emotikon</translation>
    </message>
    <message>
        <source>Rules for each app and website</source>
        <translation>Peraturan untuk setiap apl dan tapak web</translation>
    </message>
    <message>
        <source>Save power when you&apos;re unplugged</source>
        <translation>Jimatkan kuasa semasa guna bateri</translation>
    </message>
    <message>
        <source>Words saved and how fast suggestions arrive</source>
        <translation>Perkataan dijimatkan dan kepantasan cadangan</translation>
    </message>
    <message>
        <source>What %app sees in the focused field</source>
        <translation>Apa yang dilihat %app dalam medan aktif</translation>
    </message>
    <message>
        <source>Version and privacy</source>
        <translation>Versi dan privasi</translation>
    </message>
    <message>
        <source>Writing</source>
        <translation>Penulisan</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Input</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Peraturan</translation>
    </message>
    <message>
        <source>Activity</source>
        <translation>Aktiviti</translation>
    </message>
    <message>
        <source>%app can read the field you&apos;re typing in and insert suggestions in any app.</source>
        <translation>%app boleh membaca medan tempat anda menaip dan menyisipkan cadangan dalam mana-mana apl.</translation>
    </message>
    <message>
        <source>Allow Accessibility access</source>
        <translation>Benarkan akses Kebolehcapaian</translation>
    </message>
    <message>
        <source>%app needs it to read the text you type in other apps and to insert suggestions.</source>
        <translation>%app memerlukannya untuk membaca teks yang anda taip dalam apl lain dan menyisipkan cadangan.</translation>
    </message>
    <message>
        <source>Allow…</source>
        <translation>Benarkan…</translation>
    </message>
    <message>
        <source>%1 is ready</source>
        <translation>%1 sedia</translation>
    </message>
    <message>
        <source>Checking %1</source>
        <translation>Memeriksa %1</translation>
    </message>
    <message>
        <source>This takes a moment.</source>
        <translation>Ini mengambil sedikit masa.</translation>
    </message>
    <message>
        <source>Your engine isn&apos;t ready</source>
        <translation>Enjin anda belum sedia</translation>
    </message>
    <message>
        <source>Open Engine</source>
        <translation>Buka tetapan enjin</translation>
    </message>
    <message>
        <source>The system&apos;s predictions are off</source>
        <translation>Ramalan sistem dimatikan</translation>
    </message>
    <message>
        <source>Only %app&apos;s suggestions appear while you type.</source>
        <translation>Hanya cadangan %app muncul semasa anda menaip.</translation>
    </message>
    <message>
        <source>Turn off the system&apos;s predictions</source>
        <translation>Matikan ramalan sistem</translation>
    </message>
    <message>
        <source>The system shows its own grey suggestions on top of %app&apos;s. Each app picks up the change the next time you open it.</source>
        <translation>Sistem menunjukkan cadangan kelabunya sendiri di atas cadangan %app. Setiap apl menerima perubahan apabila anda membukanya lagi.</translation>
    </message>
    <message>
        <source>Keyboard Settings</source>
        <translation>Tetapan papan kekunci</translation>
    </message>
    <message>
        <source>Turn Off</source>
        <translation>Matikan</translation>
    </message>
    <message>
        <source>Only %app is suggesting</source>
        <translation>Hanya %app yang mencadangkan</translation>
    </message>
    <message>
        <source>Tab reaches %app again.</source>
        <translation>Kekunci Tab kembali kepada %app.</translation>
    </message>
    <message numerus="yes">
        <source>%1 didn&apos;t quit. They may be showing a dialog. Force Quit closes them right away.</source>
        <translation>
            <numerusform>%1 tidak keluar. Ia mungkin sedang menunjukkan dialog. Paksa keluar menutupnya serta-merta.</numerusform>
        </translation>
    </message>
    <message>
        <source>Force Quit</source>
        <translation>Paksa keluar</translation>
    </message>
    <message numerus="yes">
        <source>%1 take the Tab key before %app can, so %app stays paused in your other apps until you quit them.</source>
        <translation>
            <numerusform>%1 mengambil kekunci Tab sebelum %app, jadi %app kekal dijeda dalam apl lain sehingga anda keluar dari %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Only when I ask</source>
        <translation>Hanya apabila saya minta</translation>
    </message>
    <message>
        <source>On battery, suggestions appear only after you press the Suggest Now shortcut.</source>
        <translation>Semasa guna bateri, cadangan hanya muncul selepas anda menekan pintasan Cadang sekarang.</translation>
    </message>
    <message>
        <source>Shorter suggestions</source>
        <translation>Cadangan lebih pendek</translation>
    </message>
    <message>
        <source>Fewer words take less power to write.</source>
        <translation>Kurang perkataan, kurang kuasa.</translation>
    </message>
    <message>
        <source>Lighter model</source>
        <translation>Model lebih ringan</translation>
    </message>
    <message>
        <source>Same as plugged in</source>
        <translation>Sama seperti semasa dicas</translation>
    </message>
    <message>
        <source>Running on battery. These apply right now.</source>
        <translation>Menggunakan bateri. Tetapan ini berkuat kuasa sekarang.</translation>
    </message>
    <message>
        <source>Plugged in. These wait until you unplug.</source>
        <translation>Dicas. Tetapan ini berkuat kuasa apabila anda mencabut pengecas.</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Model</translation>
    </message>
    <message>
        <source>Model name</source>
        <translation>Nama model</translation>
    </message>
    <message>
        <source>Reload the model list</source>
        <translation>Muat semula senarai model</translation>
    </message>
    <message>
        <source>Choose a model</source>
        <translation>Pilih model</translation>
    </message>
    <message>
        <source>For people who already run Ollama, LM Studio or llama-server.</source>
        <translation>Untuk yang sudah menjalankan Ollama, LM Studio atau llama-server.</translation>
    </message>
    <message>
        <source>Use your own model</source>
        <translation>Guna model anda sendiri</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Alamat</translation>
    </message>
    <message>
        <source>API key</source>
        <translation>Kunci API</translation>
    </message>
    <message>
        <source>Only if your server asks for one</source>
        <translation>Hanya jika pelayan anda memintanya</translation>
    </message>
    <message>
        <source>Focused</source>
        <translation>Fokus</translation>
    </message>
    <message>
        <source>Creativity</source>
        <translation>Kreativiti</translation>
    </message>
    <message>
        <source>Loose</source>
        <translation>Bebas</translation>
    </message>
    <message>
        <source>Lower stays close to the obvious next words. Higher tries more.</source>
        <translation>Rendah kekal dekat dengan perkataan seterusnya yang jelas. Tinggi mencuba lebih banyak.</translation>
    </message>
    <message>
        <source>Wait before suggesting</source>
        <translation>Tunggu sebelum mencadang</translation>
    </message>
    <message>
        <source>How long you pause before %app starts.</source>
        <translation>Berapa lama anda berhenti sebelum %app bermula.</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Jalankan</translation>
    </message>
    <message>
        <source>Try the engine</source>
        <translation>Uji enjin</translation>
    </message>
    <message>
        <source>Sends a sample sentence and shows what comes back.</source>
        <translation>Menghantar ayat contoh dan menunjukkan balasannya.</translation>
    </message>
    <message>
        <source>Running…</source>
        <translation>Menjalankan…</translation>
    </message>
    <message>
        <source>The engine answered in %1 but had nothing useful to add.</source>
        <translation>Enjin menjawab dalam %1 tetapi tiada tambahan yang berguna.</translation>
    </message>
    <message>
        <source>That didn&apos;t work: %1</source>
        <translation>Tidak berjaya: %1</translation>
    </message>
    <message>
        <source>The request was cancelled.</source>
        <translation>Permintaan dibatalkan.</translation>
    </message>
    <message>
        <source>Startup</source>
        <translation>Permulaan</translation>
    </message>
    <message>
        <source>Launch at login</source>
        <translation>Lancar semasa log masuk</translation>
    </message>
    <message>
        <source>Show today&apos;s word count next to the icon</source>
        <translation>Tunjukkan kiraan perkataan hari ini di sebelah ikon</translation>
    </message>
    <message>
        <source>Where suggestions appear</source>
        <translation>Tempat cadangan muncul</translation>
    </message>
    <message>
        <source>Turn this off to use %app only in the apps you switch on under Apps &amp; Sites.</source>
        <translation>Matikan untuk menggunakan %app hanya dalam apl yang anda hidupkan di bawah Apl &amp; tapak.</translation>
    </message>
    <message>
        <source>By default %app waits until the caret is at the end of a line.</source>
        <translation>Secara lalai %app menunggu sehingga kursor berada di hujung baris.</translation>
    </message>
    <message>
        <source>Without this, %app skips search bars and one-word boxes.</source>
        <translation>Tanpa ini, %app melangkau bar carian dan kotak satu perkataan.</translation>
    </message>
    <message>
        <source>Suggestions appear only after you press the Suggest Now shortcut.</source>
        <translation>Cadangan hanya muncul selepas anda menekan pintasan Cadang sekarang.</translation>
    </message>
    <message>
        <source>Spelling</source>
        <translation>Ejaan</translation>
    </message>
    <message>
        <source>Waits while the word you&apos;re typing looks misspelled, so %app doesn&apos;t build on a typo.</source>
        <translation>Menunggu selagi perkataan yang anda taip kelihatan salah eja, supaya %app tidak menyambung daripada salah taip.</translation>
    </message>
    <message>
        <source>After a misspelled word, shows a fix next to the caret. Press Tab to swap it in.</source>
        <translation>Selepas perkataan salah eja, menunjukkan pembetulan di sebelah kursor. Tekan Tab untuk menggantikannya.</translation>
    </message>
    <message>
        <source>Look</source>
        <translation>Rupa</translation>
    </message>
    <message>
        <source>Suggestion color</source>
        <translation>Warna cadangan</translation>
    </message>
    <message>
        <source>Text size</source>
        <translation>Saiz teks</translation>
    </message>
    <message>
        <source>Fine-tune if suggestions look larger or smaller than your text.</source>
        <translation>Laraskan jika cadangan kelihatan lebih besar atau lebih kecil daripada teks anda.</translation>
    </message>
    <message>
        <source>Vertical position</source>
        <translation>Kedudukan menegak</translation>
    </message>
    <message>
        <source>Nudge suggestions up or down to line up with your text.</source>
        <translation>Alihkan cadangan ke atas atau ke bawah supaya sejajar dengan teks anda.</translation>
    </message>
    <message>
        <source>A small keycap after your first suggestions, as a reminder of what to press.</source>
        <translation>Gambar kekunci kecil selepas cadangan pertama anda, sebagai peringatan apa yang perlu ditekan.</translation>
    </message>
    <message>
        <source>Insert suggestions by</source>
        <translation>Cara menyisipkan cadangan</translation>
    </message>
    <message>
        <source>Other autocomplete apps</source>
        <translation>Apl autolengkap lain</translation>
    </message>
    <message>
        <source>They take the Tab key before %app can. With this off, %app asks you first.</source>
        <translation>Apl itu mengambil kekunci Tab sebelum %app. Jika ini dimatikan, %app bertanya kepada anda dahulu.</translation>
    </message>
    <message>
        <source>%1 is another device on your network, so the text around your caret will be sent there.</source>
        <translation>%1 ialah peranti lain dalam rangkaian anda, jadi teks di sekitar kursor akan dihantar ke sana.</translation>
    </message>
    <message>
        <source>%1 isn&apos;t this computer, so the text around your caret will be sent there.</source>
        <translation>%1 bukan komputer ini, jadi teks di sekitar kursor akan dihantar ke sana.</translation>
    </message>
    <message>
        <source>Both keep your text on this computer.</source>
        <translation>Kedua-duanya menyimpan teks anda pada komputer ini.</translation>
    </message>
    <message>
        <source>%app opens by itself when you start your computer.</source>
        <translation>%app dibuka sendiri apabila anda menghidupkan komputer.</translation>
    </message>
    <message>
        <source>System predictions</source>
        <translation>Ramalan sistem</translation>
    </message>
    <message>
        <source>The system can show its own grey predictions. Keeping them off avoids two suggestions at once.</source>
        <translation>Sistem boleh menunjukkan ramalan kelabunya sendiri. Mematikannya mengelakkan dua cadangan serentak.</translation>
    </message>
    <message>
        <source>System predictions are on</source>
        <translation>Ramalan sistem dihidupkan</translation>
    </message>
    <message>
        <source>System predictions are off</source>
        <translation>Ramalan sistem dimatikan</translation>
    </message>
    <message>
        <source>tab</source>
        <translation>tab</translation>
    </message>
    <message>
        <source>Your next words, one Tab away.</source>
        <translation>Perkataan seterusnya, hanya satu Tab jauhnya.</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Langkau</translation>
    </message>
    <message>
        <source>Get Started</source>
        <translation>Mula</translation>
    </message>
    <message>
        <source>Turn sound on</source>
        <translation>Hidupkan bunyi</translation>
    </message>
    <message>
        <source>Turn sound off</source>
        <translation>Matikan bunyi</translation>
    </message>
    <message>
        <source>The other app</source>
        <translation>Apl yang satu lagi</translation>
    </message>
    <message numerus="yes">
        <source>Next time, quit %1 without asking</source>
        <translation>
            <numerusform>Lain kali, keluar dari %1 tanpa bertanya</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 is also running</source>
        <translation>
            <numerusform>%1 juga sedang berjalan</numerusform>
        </translation>
    </message>
    <message>
        <source>Quitting…</source>
        <translation>Menutup…</translation>
    </message>
    <message numerus="yes">
        <source>%1 is still open</source>
        <translation>
            <numerusform>%1 masih terbuka</numerusform>
        </translation>
    </message>
    <message>
        <source>%app has the Tab key</source>
        <translation>Kekunci Tab kini milik %app</translation>
    </message>
    <message>
        <source>%1 quit, so your suggestions are back in every app.</source>
        <translation>%1 sudah keluar, jadi cadangan anda kembali dalam setiap apl.</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Selesai</translation>
    </message>
    <message>
        <source>Open Source Notices</source>
        <translation>Lesen sumber terbuka</translation>
    </message>
    <message>
        <source>Reset all settings?</source>
        <translation>Tetapkan semula semua tetapan?</translation>
    </message>
    <message>
        <source>This also clears your rules for apps and sites. Your statistics and writing memory stay.</source>
        <translation>Ini juga mengosongkan peraturan anda untuk apl dan tapak. Statistik dan memori penulisan anda kekal.</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Tetapkan semula</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versi %1</translation>
    </message>
    <message>
        <source>Some apps hide their text</source>
        <translation>Sesetengah apl menyembunyikan teksnya</translation>
    </message>
    <message>
        <source>Suggest emoji after a colon</source>
        <translation>Cadangkan emoji selepas titik bertindih</translation>
    </message>
    <message>
        <source>Turn emoticons into emoji</source>
        <translation>Tukar emotikon kepada emoji</translation>
    </message>
    <message>
        <source>After :-) or &lt;3, %app offers the matching emoji. Press Tab to swap it in.</source>
        <translation>Selepas :-) atau &lt;3, %app menawarkan emoji yang sepadan. Tekan Tab untuk menyisipkannya.</translation>
    </message>
    <message>
        <source>Skin tone</source>
        <translation>Ton kulit</translation>
    </message>
    <message>
        <source>Also show the default yellow</source>
        <translation>Tunjukkan juga kuning lalai</translation>
    </message>
    <message>
        <source>Try a word</source>
        <translation>Cuba satu perkataan</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Ringan</translation>
    </message>
    <message>
        <source>No emoji match “%1”</source>
        <translation>Tiada emoji untuk “%1”</translation>
    </message>
    <message>
        <source>Accepting</source>
        <translation>Penerimaan</translation>
    </message>
    <message>
        <source>Take the next word</source>
        <translation>Ambil perkataan seterusnya</translation>
    </message>
    <message>
        <source>Press again for each following word.</source>
        <translation>Tekan lagi untuk setiap perkataan berikutnya.</translation>
    </message>
    <message>
        <source>Take the whole suggestion</source>
        <translation>Ambil seluruh cadangan</translation>
    </message>
    <message>
        <source>The key above Tab is easy to reach on most keyboards.</source>
        <translation>Kekunci di atas Tab mudah dicapai pada kebanyakan papan kekunci.</translation>
    </message>
    <message>
        <source>Include the space after a word</source>
        <translation>Sertakan ruang selepas perkataan</translation>
    </message>
    <message>
        <source>Include punctuation right after a word</source>
        <translation>Sertakan tanda baca sejurus selepas perkataan</translation>
    </message>
    <message>
        <source>When you press Escape</source>
        <translation>Apabila anda menekan Esc</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Pintasan</translation>
    </message>
    <message>
        <source>Suggest now</source>
        <translation>Cadang sekarang</translation>
    </message>
    <message>
        <source>Asks for a suggestion right away, even where %app would normally wait.</source>
        <translation>Meminta cadangan serta-merta, walaupun di tempat %app biasanya menunggu.</translation>
    </message>
    <message>
        <source>Other suggestions</source>
        <translation>Cadangan lain</translation>
    </message>
    <message>
        <source>Lists a few different ways to continue. Choose with the arrow keys, then press Tab.</source>
        <translation>Menyenaraikan beberapa cara berbeza untuk meneruskan. Pilih dengan kekunci anak panah, kemudian tekan Tab.</translation>
    </message>
    <message>
        <source>Pause or resume in this app</source>
        <translation>Jeda atau sambung semula dalam apl ini</translation>
    </message>
    <message>
        <source>Pauses for 15 minutes.</source>
        <translation>Menjeda selama 15 minit.</translation>
    </message>
    <message>
        <source>Turn %app on or off</source>
        <translation>Hidupkan atau matikan %app</translation>
    </message>
    <message>
        <source>Everywhere, until you press it again.</source>
        <translation>Di semua tempat, sehingga anda menekannya lagi.</translation>
    </message>
    <message>
        <source>Pause or resume</source>
        <translation>Jeda atau sambung semula</translation>
    </message>
    <message>
        <source>Turn on or off</source>
        <translation>Hidupkan atau matikan</translation>
    </message>
    <message>
        <source>%1 and %2 use the same keys. Only the first will work.</source>
        <translation>%1 dan %2 menggunakan kekunci yang sama. Hanya yang pertama akan berfungsi.</translation>
    </message>
    <message>
        <source>About you</source>
        <translation>Tentang anda</translation>
    </message>
    <message>
        <source>For example: I&apos;m a product designer in Berlin. I write short, friendly emails in British English and sign off with Cheers.</source>
        <translation>Contohnya: Saya pereka produk di Berlin. Saya menulis e-mel pendek dan mesra dalam bahasa Inggeris British dan menutupnya dengan Cheers.</translation>
    </message>
    <message>
        <source>Your role, the languages you write in, names you use often, how you like to sound.</source>
        <translation>Peranan anda, bahasa yang anda tulis, nama yang kerap anda guna, bagaimana anda mahu kedengaran.</translation>
    </message>
    <message>
        <source>Writing memory</source>
        <translation>Memori penulisan</translation>
    </message>
    <message>
        <source>Remember how I write</source>
        <translation>Ingat cara saya menulis</translation>
    </message>
    <message>
        <source>Also remember fields where I accept nothing</source>
        <translation>Ingat juga medan tempat saya tidak menerima apa-apa</translation>
    </message>
    <message>
        <source>%app learns your style sooner but keeps more of what you type.</source>
        <translation>%app belajar gaya anda lebih cepat tetapi menyimpan lebih banyak taipan anda.</translation>
    </message>
    <message>
        <source>Influence</source>
        <translation>Pengaruh</translation>
    </message>
    <message>
        <source>Strong</source>
        <translation>Kuat</translation>
    </message>
    <message>
        <source>How many of your passages each suggestion can draw on.</source>
        <translation>Berapa banyak petikan anda yang boleh digunakan oleh setiap cadangan.</translation>
    </message>
    <message>
        <source>Erase All…</source>
        <translation>Padam semua…</translation>
    </message>
    <message>
        <source>Erase everything %app remembered?</source>
        <translation>Padam semua yang diingati %app?</translation>
    </message>
    <message>
        <source>This can&apos;t be undone.</source>
        <translation>Ini tidak boleh dibuat asal.</translation>
    </message>
    <message>
        <source>Erase All</source>
        <translation>Padam semua</translation>
    </message>
    <message>
        <source>Nothing remembered yet</source>
        <translation>Belum ada yang diingati</translation>
    </message>
    <message>
        <source>App and window name</source>
        <translation>Nama apl dan tetingkap</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>Tapak web</translation>
    </message>
    <message>
        <source>The site&apos;s domain when you write in a browser.</source>
        <translation>Domain tapak apabila anda menulis dalam pelayar.</translation>
    </message>
    <message>
        <source>Recently copied text</source>
        <translation>Teks yang baru disalin</translation>
    </message>
    <message>
        <source>Anything you copied in the last 10 minutes. Copies from password managers are skipped.</source>
        <translation>Apa-apa yang anda salin dalam 10 minit terakhir. Salinan daripada pengurus kata laluan dilangkau.</translation>
    </message>
    <message>
        <source>Text on screen</source>
        <translation>Teks pada skrin</translation>
    </message>
    <message>
        <source>Reads the window you&apos;re writing in, so replies fit the conversation. It picks the lines closest to where you type.</source>
        <translation>Membaca tetingkap tempat anda menulis, supaya balasan sesuai dengan perbualan. Ia memilih baris yang paling hampir dengan tempat anda menaip.</translation>
    </message>
    <message>
        <source>What you just looked at</source>
        <translation>Apa yang baru anda lihat</translation>
    </message>
    <message>
        <source>Windows beside you</source>
        <translation>Tetingkap di sebelah</translation>
    </message>
    <message>
        <source>Also reads up to two other windows on the same screen, like the document you&apos;re replying about. Skips password managers and apps you switched off.</source>
        <translation>Juga membaca sehingga dua tetingkap lain pada skrin yang sama, seperti dokumen yang anda balas. Melangkau pengurus kata laluan dan apl yang anda matikan.</translation>
    </message>
    <message>
        <source>Off in this app</source>
        <translation>Dimatikan dalam apl ini</translation>
    </message>
    <message>
        <source>This word looks misspelled</source>
        <translation>Perkataan ini kelihatan salah eja</translation>
    </message>
    <message>
        <source>Thanks for the notes. I&apos;ll send the revised deck</source>
        <translation>Terima kasih atas catatan. Saya akan hantar slaid yang disemak</translation>
    </message>
    <message>
        <source> by Friday morning.</source>
        <translation> sebelum pagi Jumaat.</translation>
    </message>
    <message>
        <source>%1 quit. %app has the Tab key.</source>
        <translation>%1 sudah keluar. Kekunci Tab kini milik %app.</translation>
    </message>
    <message>
        <source>Open Data Folder</source>
        <translation>Buka folder data</translation>
    </message>
    <message>
        <source>Show Welcome Again</source>
        <translation>Tunjukkan alu-aluan semula</translation>
    </message>
    <message>
        <source>Play Intro Again</source>
        <translation>Main intro semula</translation>
    </message>
    <message>
        <source>Reset Settings…</source>
        <translation>Tetapkan semula tetapan…</translation>
    </message>
    <message>
        <source>Suggest in every app</source>
        <translation>Cadang dalam setiap apl</translation>
    </message>
    <message>
        <source>Suggest in code editors</source>
        <translation>Cadang dalam editor kod</translation>
    </message>
    <message>
        <source>Suggest in the middle of a line</source>
        <translation>Cadang di tengah baris</translation>
    </message>
    <message>
        <source>Suggest in small fields</source>
        <translation>Cadang dalam medan kecil</translation>
    </message>
    <message>
        <source>Hold back on misspelled words</source>
        <translation>Tunggu pada perkataan salah eja</translation>
    </message>
    <message>
        <source>Offer spelling fixes</source>
        <translation>Tawarkan pembetulan ejaan</translation>
    </message>
    <message>
        <source>Show the key hint</source>
        <translation>Tunjukkan petunjuk kekunci</translation>
    </message>
    <message>
        <source>Quit other autocomplete apps when they open</source>
        <translation>Tutup apl autolengkap lain apabila dibuka</translation>
    </message>
    <message>
        <source>Keeps a few minutes of text from windows you switched away from, like a page you read before replying. It stays on your computer and skips apps you switched off.</source>
        <translation>Menyimpan teks beberapa minit daripada tetingkap yang anda tinggalkan, seperti halaman yang anda baca sebelum membalas. Ia kekal pada komputer anda dan melangkau apl yang anda matikan.</translation>
    </message>
    <message numerus="yes">
        <source>Both apps answer the Tab key, and the system gives it to %1 first. %app stays paused in your other apps until %1 quits.</source>
        <translation>
            <numerusform>%1 mengambil kekunci Tab sebelum %app, jadi %app kekal dijeda dalam apl lain sehingga anda menutupnya.</numerusform>
        </translation>
    </message>
    <message>
        <source>Finishes your sentences in any app, on your computer.</source>
        <translation>Melengkapkan ayat anda dalam mana-mana apl, pada komputer anda.</translation>
    </message>
    <message>
        <source>Keeps short passages from fields where you accepted a suggestion, encrypted on this computer, and shows them to the model as examples.</source>
        <translation>Menyimpan petikan pendek daripada medan tempat anda menerima cadangan, disulitkan pada komputer ini, dan menunjukkannya kepada model sebagai contoh.</translation>
    </message>
    <message>
        <source>Light</source>
        <comment>skin tone</comment>
        <translation>Cerah</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Default</source>
        <comment>skin tone</comment>
        <translation>Lalai</translation>
    </message>
    <message>
        <source>Medium light</source>
        <comment>skin tone</comment>
        <translation>Sederhana cerah</translation>
    </message>
    <message>
        <source>Medium</source>
        <comment>skin tone</comment>
        <translation>Sederhana</translation>
    </message>
    <message>
        <source>Medium dark</source>
        <comment>skin tone</comment>
        <translation>Sederhana gelap</translation>
    </message>
    <message>
        <source>Dark</source>
        <comment>skin tone</comment>
        <translation>Gelap</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Tidak diketahui</translation>
    </message>
    <message>
        <source>%1 × %2 pt</source>
        <translation>%1 × %2 pt</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Tidak</translation>
    </message>
    <message>
        <source>Not reported, estimated from the caret</source>
        <translation>Tidak dilaporkan, dianggarkan daripada kursor</translation>
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
        <translation>Belum</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Hari ini</translation>
    </message>
    <message>
        <source>Last 7 days</source>
        <translation>7 hari lepas</translation>
    </message>
    <message>
        <source>All time</source>
        <translation>Sepanjang masa</translation>
    </message>
    <message>
        <source>Typing saved</source>
        <translation>Masa menaip dijimatkan</translation>
    </message>
    <message>
        <source>at 40 words a minute</source>
        <translation>pada 40 perkataan seminit</translation>
    </message>
    <message>
        <source>Accepted</source>
        <translation>Diterima</translation>
    </message>
    <message>
        <source>of suggestions shown</source>
        <translation>daripada cadangan dipaparkan</translation>
    </message>
    <message>
        <source>Typical wait</source>
        <translation>Masa menunggu biasa</translation>
    </message>
    <message>
        <source>9 in 10 under %1</source>
        <translation>9 daripada 10 di bawah %1</translation>
    </message>
    <message>
        <source>no requests yet</source>
        <translation>belum ada permintaan</translation>
    </message>
    <message>
        <source>Words saved</source>
        <translation>Perkataan dijimatkan</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>Julat</translation>
    </message>
    <message>
        <source>Nothing to chart yet</source>
        <translation>Belum ada data</translation>
    </message>
    <message>
        <source>Accept a few suggestions and your days show up here.</source>
        <translation>Terima beberapa cadangan dan hari anda akan muncul di sini.</translation>
    </message>
    <message>
        <source>Where you write</source>
        <translation>Tempat anda menulis</translation>
    </message>
    <message>
        <source>Reset Statistics…</source>
        <translation>Tetapkan semula statistik…</translation>
    </message>
    <message>
        <source>Reset all statistics?</source>
        <translation>Tetapkan semula semua statistik?</translation>
    </message>
    <message>
        <source>This clears words saved, acceptance and timing history.</source>
        <translation>Ini mengosongkan sejarah perkataan dijimatkan, penerimaan dan masa.</translation>
    </message>
    <message>
        <source>Copy Diagnostics</source>
        <translation>Salin diagnostik</translation>
    </message>
    <message>
        <source>Diagnostics leave out the text you typed.</source>
        <translation>Diagnostik tidak menyertakan teks yang anda taip.</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Right now</source>
        <translation>Sekarang</translation>
    </message>
    <message>
        <source>Allowed</source>
        <translation>Dibenarkan</translation>
    </message>
    <message>
        <source>Not allowed</source>
        <translation>Tidak dibenarkan</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Papan kekunci</translation>
    </message>
    <message>
        <source>Listening</source>
        <translation>Mendengar</translation>
    </message>
    <message>
        <source>Not listening</source>
        <translation>Tidak mendengar</translation>
    </message>
    <message>
        <source>Focused field</source>
        <translation>Medan aktif</translation>
    </message>
    <message>
        <source>Click into a text field in another app, then come back. The last field %1 saw stays here.</source>
        <translation>Klik pada medan teks dalam apl lain, kemudian kembali. Medan terakhir yang dilihat %1 kekal di sini.</translation>
    </message>
    <message>
        <source>App</source>
        <translation>Apl</translation>
    </message>
    <message>
        <source>Field type</source>
        <translation>Jenis medan</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>Tetingkap</translation>
    </message>
    <message>
        <source>Field size</source>
        <translation>Saiz medan</translation>
    </message>
    <message>
        <source>Caret found</source>
        <translation>Kursor ditemui</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Fon</translation>
    </message>
    <message>
        <source>At end of line</source>
        <translation>Di hujung baris</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ya</translation>
    </message>
    <message>
        <source>Secure input</source>
        <translation>Input selamat</translation>
    </message>
    <message>
        <source>Looked at lately</source>
        <translation>Dilihat baru-baru ini</translation>
    </message>
    <message>
        <source>Text before the caret</source>
        <translation>Teks sebelum kursor</translation>
    </message>
    <message>
        <source>Last request</source>
        <translation>Permintaan terakhir</translation>
    </message>
    <message>
        <source>Wait</source>
        <translation>Masa tunggu</translation>
    </message>
    <message>
        <source>Suggestion</source>
        <translation>Cadangan</translation>
    </message>
    <message>
        <source>Prompt sent to the engine</source>
        <translation>Prompt yang dihantar ke enjin</translation>
    </message>
    <message>
        <source>Raw answer</source>
        <translation>Jawapan mentah</translation>
    </message>
    <message>
        <source>(empty)</source>
        <translation>(kosong)</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>Disalin</translation>
    </message>
    <message>
        <source>Choose a language</source>
        <translation>Pilih bahasa</translation>
    </message>
    <message>
        <source>Search languages</source>
        <translation>Cari bahasa</translation>
    </message>
    <message>
        <source>Same as my computer</source>
        <translation>Sama seperti sistem</translation>
    </message>
    <message>
        <source>Switch to %1?</source>
        <translation>Tukar kepada %1?</translation>
    </message>
    <message>
        <source>%1 closes and opens again in a second. Your settings stay as they are.</source>
        <translation>%1 ditutup dan dibuka semula dalam sesaat. Tetapan anda kekal seperti sedia ada.</translation>
    </message>
    <message>
        <source>Reopen Now</source>
        <translation>Buka semula sekarang</translation>
    </message>
    <message>
        <source>App language</source>
        <translation>Bahasa apl</translation>
    </message>
    <message>
        <source>Pick the language you read most easily. Suggestions follow whatever language you type.</source>
        <translation>Pilih bahasa yang paling mudah anda baca. Cadangan mengikut apa-apa bahasa yang anda taip.</translation>
    </message>
    <message>
        <source>Change the app language</source>
        <translation>Tukar bahasa apl</translation>
    </message>
    <message>
        <source>0 min</source>
        <translation>0 min</translation>
    </message>
    <message>
        <source>under a minute</source>
        <translation>kurang seminit</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 saat</translation>
    </message>
    <message>
        <source>Not set</source>
        <translation>Tidak ditetapkan</translation>
    </message>
    <message>
        <source>Clear shortcut</source>
        <translation>Kosongkan pintasan</translation>
    </message>
    <message>
        <source>Add Ctrl, Alt or Super so normal typing still works.</source>
        <translation>Tambah Ctrl, Alt atau Super supaya menaip biasa masih berfungsi.</translation>
    </message>
    <message>
        <source>Type a shortcut…</source>
        <translation>Taip pintasan…</translation>
    </message>
    <message>
        <source>Recording shortcut</source>
        <translation>Merakam pintasan</translation>
    </message>
    <message>
        <source>Shortcut %1</source>
        <translation>Pintasan %1</translation>
    </message>
    <message>
        <source>Record shortcut</source>
        <translation>Rakam pintasan</translation>
    </message>
    <message>
        <source>Shortcut not set</source>
        <translation>Pintasan tidak ditetapkan</translation>
    </message>
    <message>
        <source>Press to record a new shortcut. Escape cancels.</source>
        <translation>Tekan untuk merakam pintasan baharu. Esc membatalkan.</translation>
    </message>
    <message>
        <source>Your tray icon is hidden</source>
        <translation>Ikon dulang anda tersembunyi</translation>
    </message>
    <message>
        <source>This computer has no on-device language model</source>
        <translation>Komputer ini tiada model bahasa pada peranti</translation>
    </message>
    <message>
        <source>Turn on the on-device model in the desktop&apos;s settings</source>
        <translation>Hidupkan model peranti dalam tetapan desktop</translation>
    </message>
    <message>
        <source>The on-device model is unavailable</source>
        <translation>Model peranti tidak tersedia</translation>
    </message>
    <message>
        <source>Downloading. The on-device model fills in until it&apos;s done.</source>
        <translation>Memuat turun. Model peranti digunakan buat sementara sehingga selesai.</translation>
    </message>
    <message>
        <source>The on-device model fills in until you download it.</source>
        <translation>Model peranti digunakan buat sementara sehingga anda memuat turunnya.</translation>
    </message>
    <message>
        <source>%1 shares no text. Quit it and start it with %2 to get suggestions in it.</source>
        <translation>%1 tidak berkongsi teks. Tutupnya dan mulakan dengan %2 untuk mendapat cadangan di dalamnya.</translation>
    </message>
    <message>
        <source>On-device model</source>
        <translation>Model peranti</translation>
    </message>
    <message>
        <source>The system&apos;s own language model. Nothing to download.</source>
        <translation>Model bahasa sistem sendiri. Tiada apa untuk dimuat turun.</translation>
    </message>
    <message>
        <source>A website name cannot hold spaces, tabs or line breaks.</source>
        <translation>Nama tapak web tidak boleh mengandungi ruang, tab atau pemisah baris.</translation>
    </message>
    <message>
        <source>Only addresses that start with http or https can be added.</source>
        <translation>Hanya alamat yang bermula dengan http atau https boleh ditambah.</translation>
    </message>
    <message>
        <source>That is not a website name. Type one such as wikipedia.org.</source>
        <translation>Itu bukan nama tapak web. Taip nama seperti wikipedia.org.</translation>
    </message>
    <message>
        <source>A port is a number from 1 to 65535.</source>
        <translation>Port ialah nombor dari 1 hingga 65535.</translation>
    </message>
    <message>
        <source>The on-device model fills in until the download is done.</source>
        <translation>Model peranti digunakan buat sementara sehingga muat turun selesai.</translation>
    </message>
    <message>
        <source>Suggestions start once the download is done.</source>
        <translation>Cadangan bermula apabila muat turun selesai.</translation>
    </message>
    <message>
        <source>This frees %1. The on-device model fills in until you download it again.</source>
        <translation>Ini mengosongkan %1. Model peranti digunakan buat sementara sehingga anda memuat turunnya semula.</translation>
    </message>
    <message>
        <source>This frees %1. The %app model can&apos;t suggest until you download it again.</source>
        <translation>Ini mengosongkan %1. Model %app tidak boleh mencadang sehingga anda memuat turunnya semula.</translation>
    </message>
    <message>
        <source>There&apos;s no room for it, or your panel has no system tray. Add the panel&apos;s system tray or status area applet in its settings.</source>
        <translation>Tiada ruang untuknya, atau panel anda tiada dulang sistem. Tambah aplet dulang sistem atau kawasan status dalam tetapan panel.</translation>
    </message>
    <message>
        <source>GNOME shows tray icons only with the AppIndicator extension. Install the gnome-shell-extension-appindicator package, log out and in, then turn it on in Extensions.</source>
        <translation>GNOME hanya menunjukkan ikon dulang dengan sambungan AppIndicator. Pasang pakej gnome-shell-extension-appindicator, log keluar dan masuk semula, kemudian hidupkannya dalam Sambungan.</translation>
    </message>
    <message>
        <source>GNOME shows tray icons only with the AppIndicator extension. It is installed but off: turn it on in Extensions.</source>
        <translation>GNOME hanya menunjukkan ikon dulang dengan sambungan AppIndicator. Ia sudah dipasang tetapi dimatikan: hidupkannya dalam Sambungan.</translation>
    </message>
    <message>
        <source>Until then, open %app from your applications menu to reach Settings.</source>
        <translation>Sementara itu, buka %app daripada menu aplikasi untuk mencapai Tetapan.</translation>
    </message>
    <message>
        <source>Open Extensions</source>
        <translation>Buka Sambungan</translation>
    </message>
    <message>
        <source>Show Count in Tray</source>
        <translation>Tunjuk kiraan dalam dulang</translation>
    </message>
    <message>
        <source>%1 shares no text</source>
        <translation>%1 tidak berkongsi teks</translation>
    </message>
    <message>
        <source>Copy command</source>
        <translation>Salin arahan</translation>
    </message>
    <message>
        <source>There&apos;s no account and no analytics. With the %app model or the on-device model, your text stays on this computer.</source>
        <translation>Tiada akaun dan tiada analitik. Dengan model %app atau model peranti, teks anda kekal pada komputer ini.</translation>
    </message>
    <message>
        <source>There&apos;s no account and no analytics. With the %app model, your text stays on this computer.</source>
        <translation>Tiada akaun dan tiada analitik. Dengan model %app, teks anda kekal pada komputer ini.</translation>
    </message>
    <message>
        <source>%app lives in your system tray from now on. Click its icon to pause it in an app or open Settings.</source>
        <translation>Mulai sekarang %app tinggal dalam dulang sistem anda. Klik ikonnya untuk menjedanya dalam apl atau membuka Tetapan.</translation>
    </message>
    <message>
        <source>%app has no account, no analytics and no servers of its own. The %app model and the on-device model keep your text on this computer. Other engines get it only if you set one up.</source>
        <translation>%app tiada akaun, tiada analitik dan tiada pelayan sendiri. Model %app dan model peranti menyimpan teks anda pada komputer ini. Enjin lain hanya menerimanya jika anda menyediakan satu.</translation>
    </message>
    <message>
        <source>%app has no account, no analytics and no servers of its own. The %app model keeps your text on this computer. Other engines get it only if you set one up.</source>
        <translation>%app tiada akaun, tiada analitik dan tiada pelayan sendiri. Model %app menyimpan teks anda pada komputer ini. Enjin lain hanya menerimanya jika anda menyediakan satu.</translation>
    </message>
    <message>
        <source>Installed applications</source>
        <translation>Aplikasi dipasang</translation>
    </message>
    <message>
        <source>%app reads these only while making a suggestion and never saves them. With the %app model or the on-device model, nothing leaves your computer.</source>
        <translation>%app hanya membaca ini semasa membuat cadangan dan tidak pernah menyimpannya. Dengan model %app atau model peranti, tiada apa-apa yang keluar dari komputer anda.</translation>
    </message>
    <message>
        <source>%app reads these only while making a suggestion and never saves them. With the %app model, nothing leaves your computer.</source>
        <translation>%app hanya membaca ini semasa membuat cadangan dan tidak pernah menyimpannya. Dengan model %app, tiada apa-apa yang keluar dari komputer anda.</translation>
    </message>
    <message>
        <source>The %app model keeps your text on this computer.</source>
        <translation>Model %app menyimpan teks anda pada komputer ini.</translation>
    </message>
    <message>
        <source>The key holds a line break or another control character. Paste it again without them.</source>
        <translation>Kunci mengandungi pemisah baris atau aksara kawalan lain. Tampal semula tanpanya.</translation>
    </message>
    <message>
        <source>Waiting for the keyring to store the key.</source>
        <translation>Menunggu gelang kunci menyimpan kunci.</translation>
    </message>
    <message>
        <source>The keyring cannot keep this key, so it is used only until %app quits.</source>
        <translation>Gelang kunci tidak dapat menyimpan kunci ini, jadi ia hanya digunakan sehingga %app keluar.</translation>
    </message>
    <message>
        <source>Show in the system tray</source>
        <translation>Tunjukkan dalam dulang sistem</translation>
    </message>
    <message>
        <source>Pause or open Settings from the system tray. Hidden? Open %app from your applications menu to come back.</source>
        <translation>Jeda atau buka Tetapan daripada dulang sistem. Tersembunyi? Buka %app daripada menu aplikasi untuk kembali.</translation>
    </message>
    <message>
        <source>This tray can&apos;t show text beside icons, so the count shows in the icon&apos;s tooltip.</source>
        <translation>Dulang ini tidak dapat menunjukkan teks di sebelah ikon, jadi kiraan ditunjukkan dalam petua alat ikon.</translation>
    </message>
    <message>
        <source>VS Code, VSCodium, Cursor, Zed, Kate, Sublime Text, JetBrains IDEs and similar apps.</source>
        <translation>VS Code, VSCodium, Cursor, Zed, Kate, Sublime Text, IDE JetBrains dan apl yang serupa.</translation>
    </message>
    <message>
        <source>Your settings could not be read, so they were set aside and %app started over with its defaults.</source>
        <translation>Tetapan anda tidak dapat dibaca, jadi ia diketepikan dan %app bermula semula dengan tetapan lalai.</translation>
    </message>
    <message>
        <source>Your settings are not saved: %app cannot write to its settings folder.</source>
        <translation>Tetapan anda tidak disimpan: %app tidak dapat menulis ke folder tetapannya.</translation>
    </message>
    <message>
        <source>Your app and website rules could not be read, so they were set aside.</source>
        <translation>Peraturan apl dan tapak web anda tidak dapat dibaca, jadi ia diketepikan.</translation>
    </message>
    <message>
        <source>Your statistics could not be read, so they were set aside and counting started over.</source>
        <translation>Statistik anda tidak dapat dibaca, jadi ia diketepikan dan pengiraan bermula semula.</translation>
    </message>
    <message>
        <source>Not saved: %app cannot write to its data folder.</source>
        <translation>Tidak disimpan: %app tidak dapat menulis ke folder datanya.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln suggestions. %1 selected</source>
        <translation>
            <numerusform>%Ln cadangan. Dipilih: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln min</source>
        <translation>
            <numerusform>%Ln min</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln words</source>
        <translation>
            <numerusform>%Ln perkataan</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln passages from here</source>
        <translation>
            <numerusform>%Ln petikan dari sini</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>words</source>
        <comment>unit after a count</comment>
        <translation>
            <numerusform>perkataan</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln days</source>
        <translation>
            <numerusform>%Ln hari</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Words saved per day over the last %Ln days</source>
        <translation>
            <numerusform>Perkataan dijimatkan sehari dalam %Ln hari lepas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln day streak</source>
        <translation>
            <numerusform>Rentetan %Ln hari</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln passages remembered</source>
        <translation>
            <numerusform>%Ln petikan diingati</numerusform>
        </translation>
    </message>
    <message>
        <source>enter</source>
        <translation>enter</translation>
    </message>
    <message>
        <source>Allow screen capture so %app can read those too. Most apps work without it.</source>
        <translation>Benarkan tangkapan skrin supaya %app boleh membacanya juga. Kebanyakan apl berfungsi tanpanya.</translation>
    </message>
    <message>
        <source>Type a colon and a word, like :rocket, then press Tab or Enter to pick.</source>
        <translation>Taip titik bertindih dan satu perkataan, seperti :rocket, kemudian tekan Tab atau Enter untuk memilih.</translation>
    </message>
    <message>
        <source>You can switch memory off for single apps under Apps &amp; Sites. The key that unlocks it lives in your keyring.</source>
        <translation>Anda boleh mematikan memori untuk apl tertentu di bawah Apl &amp; tapak. Kunci yang membukanya tersimpan dalam gelang kunci anda.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln emoji. %1 selected</source>
        <translation>
            <numerusform>%Ln emoji. Dipilih: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Suggestion: %1</source>
        <translation>Cadangan: %1</translation>
    </message>
    <message numerus="yes">
        <source>%Ln models available</source>
        <translation>
            <numerusform>%Ln model tersedia</numerusform>
        </translation>
    </message>
    <message>
        <source>The model couldn&apos;t be saved: %1</source>
        <translation>Model tidak dapat disimpan: %1</translation>
    </message>
    <message>
        <source>Ollama isn&apos;t running.</source>
        <translation>Ollama tidak berjalan.</translation>
    </message>
    <message>
        <source>Ollama isn&apos;t running at %1.</source>
        <translation>Ollama tidak berjalan di %1.</translation>
    </message>
    <message>
        <source>No server answered.</source>
        <translation>Tiada pelayan menjawab.</translation>
    </message>
    <message>
        <source>No server answered at %1.</source>
        <translation>Tiada pelayan menjawab di %1.</translation>
    </message>
    <message>
        <source>Range: %1</source>
        <translation>Julat: %1</translation>
    </message>
    <message numerus="yes">
        <source>%1, %Ln to do</source>
        <translation>
            <numerusform>%1, %Ln belum selesai</numerusform>
        </translation>
    </message>
    <message>
        <source>Type the whole name of the website, such as wikipedia.org.</source>
        <translation>Taip nama penuh tapak web, seperti wikipedia.org.</translation>
    </message>
    <message>
        <source>The key holds a space, an invisible character or a letter outside plain ASCII. Paste it again exactly as your server gave it.</source>
        <translation>Kunci mengandungi ruang, aksara tidak kelihatan atau huruf di luar ASCII biasa. Tampal semula tepat seperti yang diberikan oleh pelayan anda.</translation>
    </message>
    <message>
        <source>The keyring could not be read, so your server is asked without an API key. Type the key again if your server needs one.</source>
        <translation>Gelang kunci tidak dapat dibaca, jadi permintaan dihantar kepada pelayan anda tanpa kunci API. Taip kunci sekali lagi jika pelayan anda memerlukannya.</translation>
    </message>
    <message>
        <source>Your writing memory could not be opened, so it was set aside and %app started a new one.</source>
        <translation>Memori penulisan anda tidak dapat dibuka, jadi ia diketepikan dan %app memulakan yang baharu.</translation>
    </message>
    <message>
        <source>%1, converted for llama.cpp by %2</source>
        <translation>%1, ditukar untuk llama.cpp oleh %2</translation>
    </message>
    <message>
        <source>The data folder %1 could not be made. Check that the folder above it exists and that you may write there.</source>
        <translation>Folder data %1 tidak dapat dibuat. Pastikan folder induknya wujud dan anda boleh menulis di situ.</translation>
    </message>
    <message>
        <source>party</source>
        <comment>emoji search sample</comment>
        <translation>parti</translation>
    </message>
    <message numerus="yes">
        <source>%Ln settings held values %app cannot use, so they were corrected and saved.</source>
        <translation>
            <numerusform>%Ln tetapan mengandungi nilai yang tidak dapat digunakan oleh %app, jadi ia dibetulkan dan disimpan.</numerusform>
        </translation>
    </message>
    <message>
        <source>Your writing memory is not saved: the keyring is missing or locked, so its key cannot be kept.</source>
        <translation>Memori penulisan anda tidak disimpan: gelang kunci tiada atau dikunci, jadi kuncinya tidak dapat disimpan.</translation>
    </message>
    <message>
        <source>That address isn&apos;t valid</source>
        <translation>Alamat itu tidak sah</translation>
    </message>
    <message>
        <source>The request timed out.</source>
        <translation>Permintaan tamat masa.</translation>
    </message>
    <message>
        <source>The server&apos;s reply was too long, so it was stopped.</source>
        <translation>Balasan pelayan terlalu panjang, jadi ia dihentikan.</translation>
    </message>
    <message>
        <source>The server answered %1.</source>
        <translation>Pelayan menjawab %1.</translation>
    </message>
    <message>
        <source>The server answered %1: %2</source>
        <translation>Pelayan menjawab %1: %2</translation>
    </message>
    <message>
        <source>The download server answered %1. Try again later.</source>
        <translation>Pelayan muat turun menjawab %1. Cuba lagi nanti.</translation>
    </message>
    <message>
        <source>The download couldn&apos;t be saved: %1</source>
        <translation>Muat turun tidak dapat disimpan: %1</translation>
    </message>
    <message>
        <source>The download paused because the connection dropped. Try again to pick up where it stopped.</source>
        <translation>Muat turun dijeda kerana sambungan terputus. Cuba lagi untuk menyambung dari tempat ia berhenti.</translation>
    </message>
    <message>
        <source>The download stopped. Check your connection, then try again.</source>
        <translation>Muat turun berhenti. Semak sambungan anda, kemudian cuba lagi.</translation>
    </message>
    <message>
        <source>Pick an Ollama model in Settings</source>
        <translation>Pilih model Ollama dalam Tetapan</translation>
    </message>
    <message>
        <source>Pick a model for your local server</source>
        <translation>Pilih model untuk pelayan tempatan anda</translation>
    </message>
    <message>
        <source>The server&apos;s answer is not HTTP.</source>
        <translation>Jawapan pelayan bukan HTTP.</translation>
    </message>
    <message>
        <source>The data couldn&apos;t be read because it is missing.</source>
        <translation>Data tidak dapat dibaca kerana ia tiada.</translation>
    </message>
    <message>
        <source>The data couldn&apos;t be read because it isn&apos;t in the correct format.</source>
        <translation>Data tidak dapat dibaca kerana formatnya tidak betul.</translation>
    </message>
    <message>
        <source>:%1:</source>
        <comment>emoji name</comment>
        <translation>:%1:</translation>
    </message>
    <message>
        <source>This computer has no on-device language model.</source>
        <translation>Komputer ini tiada model bahasa pada peranti.</translation>
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
        <translation>Dijeda di %1</translation>
    </message>
    <message>
        <source>Paused in %1</source>
        <translation>Dijeda dalam %1</translation>
    </message>
    <message>
        <source>Off on %1</source>
        <translation>Dimatikan di %1</translation>
    </message>
    <message>
        <source>Off in %1</source>
        <translation>Dimatikan dalam %1</translation>
    </message>
    <message>
        <source>Off in %1 by default</source>
        <translation>Dimatikan dalam %1 secara lalai</translation>
    </message>
    <message>
        <source>Off in code editors</source>
        <translation>Dimatikan dalam editor kod</translation>
    </message>
    <message>
        <source>Off unless turned on per app</source>
        <translation>Dimatikan melainkan dihidupkan untuk apl tertentu</translation>
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
        <translation>Ruang</translation>
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
        <translation>Kekunci %1</translation>
    </message>
    <message>
        <source>An email reply reads differently from a commit message.</source>
        <translation>Balasan e-mel ditulis berbeza daripada mesej commit.</translation>
    </message>
    <message>
        <source>Writes straight into the field. Cleanest in GTK and Qt apps.</source>
        <translation>Menulis terus ke dalam medan. Paling kemas dalam apl GTK dan Qt.</translation>
    </message>
    <message>
        <source>Typing</source>
        <comment>insertion method</comment>
        <translation>Taip</translation>
    </message>
    <message>
        <source>%1 h</source>
        <comment>hours with one decimal, such as 1.5</comment>
        <translation>%1 jam</translation>
    </message>
    <message numerus="yes">
        <source>%Ln h</source>
        <translation>
            <numerusform>%Ln jam</numerusform>
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
            <numerusform>%Ln perkataan dijimatkan hari ini</numerusform>
        </translation>
    </message>
    <message>
        <source>Under a minute of typing saved today.</source>
        <translation>Kurang daripada seminit menaip dijimatkan hari ini.</translation>
    </message>
    <message>
        <source>About %1 of typing saved today.</source>
        <translation>Kira-kira %1 menaip dijimatkan hari ini.</translation>
    </message>
    <message numerus="yes">
        <source>Step %1 of %Ln</source>
        <translation>
            <numerusform>Langkah %1 daripada %Ln</numerusform>
        </translation>
    </message>
    <message>
        <source>%app reads and types into text fields through the desktop&apos;s accessibility support, which some desktops leave off. %app uses it only for the field you&apos;re writing in.</source>
        <translation>%app membaca dan menaip ke dalam medan teks melalui sokongan kebolehcapaian desktop, yang dibiarkan mati pada sesetengah desktop. %app hanya menggunakannya untuk medan tempat anda sedang menulis.</translation>
    </message>
    <message>
        <source>The button switches the desktop&apos;s accessibility support on. If the desktop&apos;s settings open instead, turn accessibility on there, then come back. This page updates by itself.</source>
        <translation>Butang ini menghidupkan sokongan kebolehcapaian desktop. Jika tetapan desktop terbuka sebaliknya, hidupkan kebolehcapaian di sana, kemudian kembali. Halaman ini dikemas kini dengan sendirinya.</translation>
    </message>
    <message>
        <source>Still off? Some desktops start their accessibility service only when you log in. Log out and back in, then try again.</source>
        <translation>Masih mati? Sesetengah desktop hanya memulakan perkhidmatan kebolehcapaian apabila anda log masuk. Log keluar dan log masuk semula, kemudian cuba lagi.</translation>
    </message>
    <message>
        <source>Pause</source>
        <comment>section header</comment>
        <translation>Jeda</translation>
    </message>
    <message>
        <source>Pause</source>
        <comment>button</comment>
        <translation>Jeda</translation>
    </message>
    <message>
        <source>typing</source>
        <comment>insertion method, in a sentence</comment>
        <translation>taip</translation>
    </message>
    <message>
        <source>accessibility</source>
        <comment>insertion method, in a sentence</comment>
        <translation>kebolehcapaian</translation>
    </message>
    <message>
        <source>paste</source>
        <comment>insertion method, in a sentence</comment>
        <translation>tampal</translation>
    </message>
    <message>
        <source>short</source>
        <comment>suggestion length, in a sentence</comment>
        <translation>pendek</translation>
    </message>
    <message>
        <source>medium</source>
        <comment>suggestion length, in a sentence</comment>
        <translation>sederhana</translation>
    </message>
    <message>
        <source>long</source>
        <comment>suggestion length, in a sentence</comment>
        <translation>panjang</translation>
    </message>
    <message>
        <source>Default follows General: %1, %2 suggestions.</source>
        <translation>Lalai mengikut Umum: %1, cadangan %2.</translation>
    </message>
    <message>
        <source>Yes, at %1, %2 on screen, %3 pt tall, %4 and %5</source>
        <translation>Ya, di %1, %2 pada skrin, tinggi %3 pt, %4 dan %5</translation>
    </message>
    <message numerus="yes">
        <source>%Ln characters before it</source>
        <translation>
            <numerusform>%Ln aksara sebelumnya</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln after</source>
        <comment>characters after the caret</comment>
        <translation>
            <numerusform>%Ln selepas</numerusform>
        </translation>
    </message>
    <message>
        <source>No system tray runs on this desktop, so the icon cannot show. %1</source>
        <translation>Tiada dulang sistem berjalan pada desktop ini, jadi ikon tidak dapat ditunjukkan. %1</translation>
    </message>
    <message>
        <source>Typing</source>
        <comment>section header</comment>
        <translation>Menaip</translation>
    </message>
    <message>
        <source>Switch to the computer&apos;s language?</source>
        <translation>Tukar kepada bahasa komputer?</translation>
    </message>
    <message numerus="yes">
        <source>%Ln words this week.</source>
        <translation>
            <numerusform>%Ln perkataan minggu ini.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Under a minute of typing saved today. %Ln words this week.</source>
        <translation>
            <numerusform>Kurang daripada seminit menaip dijimatkan hari ini. %Ln perkataan minggu ini.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>About %1 of typing saved today. %Ln words this week.</source>
        <translation>
            <numerusform>Kira-kira %1 menaip dijimatkan hari ini. %Ln perkataan minggu ini.</numerusform>
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
            <numerusform>%Ln daripada %1 selesai</numerusform>
        </translation>
    </message>
    <message>
        <source>The server refused the connection. Check that it is running and that the address is right.</source>
        <translation>Pelayan menolak sambungan. Pastikan pelayan sedang berjalan dan alamatnya betul.</translation>
    </message>
    <message>
        <source>The server&apos;s name couldn&apos;t be found. Check the address.</source>
        <translation>Nama pelayan tidak ditemui. Semak alamatnya.</translation>
    </message>
    <message>
        <source>A secure connection to the server couldn&apos;t be made.</source>
        <translation>Sambungan selamat ke pelayan tidak dapat dibuat.</translation>
    </message>
    <message>
        <source>The server closed the connection before it answered.</source>
        <translation>Pelayan menutup sambungan sebelum menjawab.</translation>
    </message>
    <message>
        <source>The network proxy couldn&apos;t be reached.</source>
        <translation>Proksi rangkaian tidak dapat dicapai.</translation>
    </message>
    <message>
        <source>The server couldn&apos;t be reached.</source>
        <translation>Pelayan tidak dapat dicapai.</translation>
    </message>
    <message>
        <source>Waiting for the network…</source>
        <translation>Menunggu rangkaian…</translation>
    </message>
    <message>
        <source>%1 is taken by another program.</source>
        <translation>%1 sudah digunakan oleh program lain.</translation>
    </message>
    <message>
        <source>%1 could not open again. Your choice takes effect the next time you start it.</source>
        <translation>%1 tidak dapat dibuka semula. Pilihan anda berkuat kuasa apabila anda memulakannya lain kali.</translation>
    </message>
    <message>
        <source>Downloading the model</source>
        <translation>Memuat turun model</translation>
    </message>
    <message numerus="yes">
        <source>These apps answer the Tab key before %app can, so %app stays paused in your other apps until they quit.</source>
        <translation>
            <numerusform>Apl ini menjawab kekunci Tab sebelum %app, jadi %app kekal dijeda dalam apl lain sehingga semuanya ditutup.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>It may be waiting on a dialog of its own. Force Quit closes it right away.</source>
        <translation>
            <numerusform>Mungkin sedang menunggu dialognya sendiri. Paksa keluar menutupnya serta-merta.</numerusform>
        </translation>
    </message>
    <message>
        <source>Set a Suggest Now shortcut in Keys to ask for suggestions</source>
        <translation>Tetapkan pintasan Cadang sekarang di bahagian Kekunci untuk meminta cadangan</translation>
    </message>
    <message>
        <source>Backspace</source>
        <comment>key above Enter that deletes backwards</comment>
        <translation>Backspace</translation>
    </message>
    <message>
        <source>0 words saved today</source>
        <translation>0 perkataan dijimatkan hari ini</translation>
    </message>
    <message>
        <source>words saved today</source>
        <comment>beside the count 0</comment>
        <translation>perkataan dijimatkan hari ini</translation>
    </message>
    <message>
        <source>Quit the other app</source>
        <translation>Keluar dari apl yang satu lagi</translation>
    </message>
    <message>
        <source>None yet</source>
        <comment>no app looked at yet</comment>
        <translation>Belum ada</translation>
    </message>
    <message>
        <source>None yet</source>
        <comment>no suggestion shown yet</comment>
        <translation>Belum ada</translation>
    </message>
    <message>
        <source>The other app is also running</source>
        <translation>Apl yang satu lagi juga sedang berjalan</translation>
    </message>
    <message>
        <source>Both apps answer the Tab key, and the system gives it to the other app first. %app stays paused in your other apps until the other app quits.</source>
        <translation>Kedua-dua apl menjawab kekunci Tab, dan sistem memberikannya kepada apl yang satu lagi dahulu. %app kekal dijeda dalam apl lain sehingga apl itu keluar.</translation>
    </message>
    <message>
        <source>The other app is still open</source>
        <translation>Apl yang satu lagi masih terbuka</translation>
    </message>
    <message>
        <source>The other app quit, so your suggestions are back in every app.</source>
        <translation>Apl yang satu lagi sudah keluar, jadi cadangan anda kembali dalam setiap apl.</translation>
    </message>
    <message>
        <source>The other app quit. %app has the Tab key.</source>
        <translation>Apl yang satu lagi sudah keluar. Kekunci Tab kini milik %app.</translation>
    </message>
</context>
</TS>
