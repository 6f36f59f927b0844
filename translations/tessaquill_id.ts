<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="id" sourcelanguage="en">
<context>
    <name>Tessaquill</name>
    <message>
        <source>Accessibility is on. %app is ready in your other apps.</source>
        <translation>Aksesibilitas aktif. %app siap di aplikasi Anda yang lain.</translation>
    </message>
    <message>
        <source>Paused while %1 is open</source>
        <translation>Dijeda selama %1 terbuka</translation>
    </message>
    <message>
        <source>Welcome to %app</source>
        <translation>Selamat datang di %app</translation>
    </message>
    <message>
        <source>%app</source>
        <translation>%app</translation>
    </message>
    <message>
        <source>Another autocomplete app is running</source>
        <translation>Aplikasi pelengkap otomatis lain sedang berjalan</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Siap</translation>
    </message>
    <message>
        <source>Waiting for a pause</source>
        <translation>Menunggu jeda</translation>
    </message>
    <message>
        <source>Thinking</source>
        <translation>Sedang berpikir</translation>
    </message>
    <message>
        <source>Showing a suggestion</source>
        <translation>Menampilkan saran</translation>
    </message>
    <message>
        <source>The model took too long to answer</source>
        <translation>Model terlalu lama menjawab</translation>
    </message>
    <message>
        <source>This app doesn&apos;t report where the caret is</source>
        <translation>Aplikasi ini tidak memberi tahu posisi kursor</translation>
    </message>
    <message>
        <source>%app is turned off</source>
        <translation>%app dinonaktifkan</translation>
    </message>
    <message>
        <source>Secure input is on, so %app stays out</source>
        <translation>Input aman aktif, jadi %app tidak ikut campur</translation>
    </message>
    <message>
        <source>Press %1 for a suggestion</source>
        <translation>Tekan %1 untuk saran</translation>
    </message>
    <message>
        <source>Text is selected</source>
        <translation>Ada teks yang dipilih</translation>
    </message>
    <message>
        <source>The caret is inside existing text</source>
        <translation>Kursor berada di tengah teks</translation>
    </message>
    <message>
        <source>This field is too small</source>
        <translation>Kolom ini terlalu kecil</translation>
    </message>
    <message>
        <source>Waiting for a few characters</source>
        <translation>Menunggu beberapa karakter</translation>
    </message>
    <message>
        <source>Start of a new line</source>
        <translation>Awal baris baru</translation>
    </message>
    <message>
        <source>The model is still downloading</source>
        <translation>Model masih diunduh</translation>
    </message>
    <message>
        <source>Download the %app model in Settings first</source>
        <translation>Unduh model %app di Pengaturan terlebih dahulu</translation>
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
        <translation>Model berhenti dengan galat %1</translation>
    </message>
    <message>
        <source>The model file couldn&apos;t be loaded</source>
        <translation>File model tidak dapat dimuat</translation>
    </message>
    <message>
        <source>There wasn&apos;t enough memory to start the model</source>
        <translation>Memori tidak cukup untuk menjalankan model</translation>
    </message>
    <message>
        <source>The text couldn&apos;t be prepared for the model</source>
        <translation>Teks tidak dapat disiapkan untuk model</translation>
    </message>
    <message>
        <source>This computer needs %1 free for the download. Free up some space, then try again.</source>
        <translation>Komputer ini butuh ruang kosong %1 untuk unduhan. Kosongkan sebagian ruang, lalu coba lagi.</translation>
    </message>
    <message>
        <source>The download didn&apos;t match the expected file, so it was deleted. Try again.</source>
        <translation>Unduhan tidak cocok dengan file yang diharapkan, jadi dihapus. Coba lagi.</translation>
    </message>
    <message>
        <source>Downloaded</source>
        <translation>Sudah diunduh</translation>
    </message>
    <message>
        <source>Downloading. Suggestions start once it&apos;s done.</source>
        <translation>Mengunduh. Saran dimulai setelah selesai.</translation>
    </message>
    <message>
        <source>Checking the download.</source>
        <translation>Memeriksa unduhan.</translation>
    </message>
    <message>
        <source>Checking the download. Suggestions start once it&apos;s done.</source>
        <translation>Memeriksa unduhan. Saran dimulai setelah selesai.</translation>
    </message>
    <message>
        <source>Download the model to start</source>
        <translation>Unduh model untuk memulai</translation>
    </message>
    <message>
        <source>Ollama is running but has no models</source>
        <translation>Ollama berjalan tetapi tidak punya model</translation>
    </message>
    <message>
        <source>Another app</source>
        <translation>Aplikasi lain</translation>
    </message>
    <message>
        <source>There is no D-Bus session bus, so %1 cannot reach text fields.</source>
        <translation>Tidak ada bus sesi D-Bus, jadi %1 tidak dapat menjangkau kolom teks.</translation>
    </message>
    <message>
        <source>The desktop&apos;s accessibility bus is not running, so %1 cannot reach text fields.</source>
        <translation>Bus aksesibilitas desktop tidak berjalan, jadi %1 tidak dapat menjangkau kolom teks.</translation>
    </message>
    <message>
        <source>Short</source>
        <translation>Pendek</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Sedang</translation>
    </message>
    <message>
        <source>Long</source>
        <translation>Panjang</translation>
    </message>
    <message>
        <source>Hide the suggestion</source>
        <translation>Sembunyikan saran</translation>
    </message>
    <message>
        <source>Hide suggestions until I change fields</source>
        <translation>Sembunyikan saran sampai saya pindah kolom</translation>
    </message>
    <message>
        <source>Do nothing, send Escape to the app</source>
        <translation>Jangan lakukan apa pun, kirim Esc ke aplikasi</translation>
    </message>
    <message>
        <source>Type it</source>
        <translation>Ketik</translation>
    </message>
    <message>
        <source>Insert through Accessibility</source>
        <translation>Sisipkan lewat Aksesibilitas</translation>
    </message>
    <message>
        <source>Paste it</source>
        <translation>Tempel</translation>
    </message>
    <message>
        <source>Grey</source>
        <translation>Abu-abu</translation>
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
        <translation>Server lokal</translation>
    </message>
    <message>
        <source>Runs on this computer after a one-time download. Works offline.</source>
        <translation>Berjalan di komputer ini setelah sekali unduh. Bisa offline.</translation>
    </message>
    <message>
        <source>Any model you run in Ollama, base models included.</source>
        <translation>Model apa pun yang Anda jalankan di Ollama, termasuk model dasar.</translation>
    </message>
    <message>
        <source>LM Studio, llama-server or any OpenAI-compatible endpoint.</source>
        <translation>LM Studio, llama-server, atau endpoint apa pun yang kompatibel dengan OpenAI.</translation>
    </message>
    <message>
        <source>Sends the text as keystrokes. Works almost everywhere.</source>
        <translation>Mengirim teks sebagai ketukan tombol. Berfungsi hampir di mana saja.</translation>
    </message>
    <message>
        <source>Uses the clipboard, then puts your clipboard back.</source>
        <translation>Memakai papan klip, lalu mengembalikan isinya.</translation>
    </message>
    <message>
        <source>Accessibility</source>
        <translation>Aksesibilitas</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Tempel</translation>
    </message>
    <message>
        <source>Your writing memory could not be opened and was set aside. Nothing new is remembered until %app starts again.</source>
        <translation>Memori tulisan Anda tidak dapat dibuka dan telah disisihkan. Tidak ada hal baru yang diingat sampai %app dimulai ulang.</translation>
    </message>
    <message>
        <source>Your writing memory could not be opened because its key could not be read from the keyring. Nothing new is remembered until %app starts again.</source>
        <translation>Memori tulisan Anda tidak dapat dibuka karena kuncinya tidak dapat dibaca dari ring kunci. Tidak ada hal baru yang diingat sampai %app dimulai ulang.</translation>
    </message>
    <message>
        <source>Not Now</source>
        <translation>Jangan sekarang</translation>
    </message>
    <message>
        <source>Open the desktop&apos;s settings</source>
        <translation>Buka pengaturan desktop</translation>
    </message>
    <message>
        <source>Don&apos;t remind me again</source>
        <translation>Jangan ingatkan lagi</translation>
    </message>
    <message>
        <source>Open Playground</source>
        <translation>Buka area latihan</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Pengaturan</translation>
    </message>
    <message>
        <source>Quit %app</source>
        <translation>Keluar dari %app</translation>
    </message>
    <message>
        <source>Needs Accessibility access</source>
        <translation>Butuh akses Aksesibilitas</translation>
    </message>
    <message>
        <source>Paused until you resume</source>
        <translation>Dijeda sampai Anda lanjutkan</translation>
    </message>
    <message>
        <source>Paused until %1</source>
        <translation>Dijeda sampai %1</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Nonaktif</translation>
    </message>
    <message numerus="yes">
        <source>Paused while %1 are open</source>
        <translation>
            <numerusform>Dijeda selama %1 terbuka</numerusform>
        </translation>
    </message>
    <message>
        <source>Grant Accessibility Access…</source>
        <translation>Berikan akses Aksesibilitas…</translation>
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
            <numerusform>kata dihemat hari ini</numerusform>
        </translation>
    </message>
    <message>
        <source>Start typing anywhere. %app keeps count here.</source>
        <translation>Mulai mengetik di mana saja. %app menghitungnya di sini.</translation>
    </message>
    <message>
        <source>Resume in %1</source>
        <translation>Lanjutkan di %1</translation>
    </message>
    <message>
        <source>Pause in %1</source>
        <translation>Jeda di %1</translation>
    </message>
    <message>
        <source>Resume Everywhere</source>
        <translation>Lanjutkan di semua tempat</translation>
    </message>
    <message>
        <source>Pause Everywhere</source>
        <translation>Jeda di semua tempat</translation>
    </message>
    <message>
        <source>For 15 Minutes</source>
        <translation>Selama 15 menit</translation>
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
        <translation>Sampai saya lanjutkan</translation>
    </message>
    <message>
        <source>Example: after typing %1, %2 suggests %3</source>
        <translation>Contoh: setelah mengetik %1, %2 menyarankan %3</translation>
    </message>
    <message>
        <source>takes the next word</source>
        <translation>mengambil kata berikutnya</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Unduh</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Batal</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 dari %2</translation>
    </message>
    <message>
        <source>%1 of %2. You can keep writing while it downloads.</source>
        <translation>%1 dari %2. Anda bisa terus menulis selama pengunduhan.</translation>
    </message>
    <message>
        <source>Checking the download</source>
        <translation>Memeriksa unduhan</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Coba lagi</translation>
    </message>
    <message>
        <source>Remove…</source>
        <translation>Hapus…</translation>
    </message>
    <message>
        <source>%1 license</source>
        <translation>Lisensi %1</translation>
    </message>
    <message>
        <source>Remove the %app model?</source>
        <translation>Hapus model %app?</translation>
    </message>
    <message>
        <source>Model download</source>
        <translation>Unduhan model</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Hapus</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Lanjut</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Nanti</translation>
    </message>
    <message>
        <source>Start Writing</source>
        <translation>Mulai menulis</translation>
    </message>
    <message>
        <source>Finish your sentences in any app.</source>
        <translation>Selesaikan kalimat Anda di aplikasi apa pun.</translation>
    </message>
    <message>
        <source>%app reads the words before your caret and suggests what comes next in grey. Press Tab to take one word, or the key above Tab to take the rest. If you don&apos;t want it, keep typing.</source>
        <translation>%app membaca kata sebelum kursor dan menyarankan lanjutannya dengan warna abu-abu. Tekan Tab untuk mengambil satu kata, atau tombol di atas Tab untuk sisanya. Jika tidak mau, terus saja mengetik.</translation>
    </message>
    <message>
        <source>Sees what you see</source>
        <translation>Melihat yang Anda lihat</translation>
    </message>
    <message>
        <source>Private</source>
        <translation>Privat</translation>
    </message>
    <message>
        <source>It reads the window you&apos;re typing in, like the chat you&apos;re answering, so suggestions fit. None of it goes online, to us or any server. It stays private on your computer.</source>
        <translation>Aplikasi ini membaca jendela tempat Anda mengetik, seperti obrolan yang Anda balas, agar saran sesuai. Tidak ada yang dikirim ke internet, ke kami, atau ke server mana pun. Semuanya tetap privat di komputer Anda.</translation>
    </message>
    <message>
        <source>Accessibility is on</source>
        <translation>Aksesibilitas aktif</translation>
    </message>
    <message>
        <source>%app can now read the field you&apos;re writing in and type suggestions for you.</source>
        <translation>%app kini bisa membaca kolom tempat Anda menulis dan mengetikkan saran untuk Anda.</translation>
    </message>
    <message>
        <source>Let %app see what you type.</source>
        <translation>Izinkan %app melihat yang Anda ketik.</translation>
    </message>
    <message>
        <source>%app reads your text when you pause and forgets it after one suggestion, unless you turn on writing memory.</source>
        <translation>%app membaca teks Anda saat Anda berhenti sejenak dan melupakannya setelah satu saran, kecuali Anda mengaktifkan memori tulisan.</translation>
    </message>
    <message>
        <source>%app skips password fields and anything else the system marks as secure.</source>
        <translation>%app melewati kolom kata sandi dan apa pun yang ditandai aman oleh sistem.</translation>
    </message>
    <message>
        <source>Open Accessibility Settings</source>
        <translation>Buka pengaturan aksesibilitas</translation>
    </message>
    <message>
        <source>Pick what writes your suggestions.</source>
        <translation>Pilih mesin yang membuat saran Anda.</translation>
    </message>
    <message>
        <source>You can change this any time in Settings.</source>
        <translation>Anda bisa mengubahnya kapan saja di Pengaturan.</translation>
    </message>
    <message>
        <source>Give it a try.</source>
        <translation>Cobalah.</translation>
    </message>
    <message>
        <source>Start typing a sentence. When grey words appear, press Tab for one word or the key above Tab for all of them.</source>
        <translation>Mulai ketik sebuah kalimat. Saat kata abu-abu muncul, tekan Tab untuk satu kata atau tombol di atas Tab untuk semuanya.</translation>
    </message>
    <message>
        <source>Hi Orlenn, thanks for the quick reply. I think we should</source>
        <translation>Hai Orlenn, terima kasih atas balasan cepatnya. Menurut saya kita sebaiknya</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Kembali</translation>
    </message>
    <message>
        <source>Practice field</source>
        <translation>Kolom latihan</translation>
    </message>
    <message>
        <source>Default, on</source>
        <translation>Bawaan, aktif</translation>
    </message>
    <message>
        <source>Default, off</source>
        <translation>Bawaan, nonaktif</translation>
    </message>
    <message>
        <source>Add a website</source>
        <translation>Tambahkan situs web</translation>
    </message>
    <message>
        <source>Domain</source>
        <translation>Domain</translation>
    </message>
    <message>
        <source>Rules for a site apply in any browser %app can read.</source>
        <translation>Aturan untuk situs berlaku di browser mana pun yang bisa dibaca %app.</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Tambah</translation>
    </message>
    <message>
        <source>Add App…</source>
        <translation>Tambah aplikasi…</translation>
    </message>
    <message>
        <source>Add an app</source>
        <translation>Tambahkan aplikasi</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Cari</translation>
    </message>
    <message>
        <source>Clear search</source>
        <translation>Hapus pencarian</translation>
    </message>
    <message>
        <source>Add an app or website</source>
        <translation>Tambahkan aplikasi atau situs web</translation>
    </message>
    <message>
        <source>Add Website…</source>
        <translation>Tambah situs web…</translation>
    </message>
    <message>
        <source>Apps &amp; Sites</source>
        <translation>Aplikasi &amp; situs</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Dijeda</translation>
    </message>
    <message>
        <source>Apps</source>
        <translation>Aplikasi</translation>
    </message>
    <message>
        <source>Websites</source>
        <translation>Situs web</translation>
    </message>
    <message>
        <source>No matches</source>
        <translation>Tidak ada yang cocok</translation>
    </message>
    <message>
        <source>No apps yet</source>
        <translation>Belum ada aplikasi</translation>
    </message>
    <message>
        <source>Nothing matches “%1”.</source>
        <translation>Tidak ada yang cocok dengan “%1”.</translation>
    </message>
    <message>
        <source>Apps appear here once you accept a suggestion in them, or add one with +.</source>
        <translation>Aplikasi muncul di sini setelah Anda menerima saran di dalamnya, atau tambahkan dengan +.</translation>
    </message>
    <message>
        <source>Pick an app or site</source>
        <translation>Pilih aplikasi atau situs</translation>
    </message>
    <message>
        <source>Each one can have its own rules. Anything you don&apos;t change follows General.</source>
        <translation>Masing-masing bisa punya aturan sendiri. Yang tidak Anda ubah mengikuti Umum.</translation>
    </message>
    <message>
        <source>Words saved here</source>
        <translation>Kata dihemat di sini</translation>
    </message>
    <message>
        <source>Suggestions</source>
        <translation>Saran</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Aktif</translation>
    </message>
    <message>
        <source>Tab accepts suggestions</source>
        <translation>Terima saran dengan Tab</translation>
    </message>
    <message>
        <source>Turn off where Tab already means something, like indenting. The other accept key still works.</source>
        <translation>Nonaktifkan jika Tab sudah punya fungsi, seperti membuat indentasi. Tombol terima lainnya tetap berfungsi.</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Bawaan</translation>
    </message>
    <message>
        <source>Insert by</source>
        <translation>Cara penyisipan</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Panjang</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Lanjutkan</translation>
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
        <translation>Memori tulisan nonaktif di Gaya Anda.</translation>
    </message>
    <message>
        <source>Erase…</source>
        <translation>Hapus…</translation>
    </message>
    <message>
        <source>Reset to Defaults</source>
        <translation>Kembalikan ke bawaan</translation>
    </message>
    <message>
        <source>Erase what %app remembered from %1?</source>
        <translation>Hapus yang diingat %app dari %1?</translation>
    </message>
    <message>
        <source>Erase</source>
        <translation>Hapus</translation>
    </message>
    <message>
        <source>Passages from this app can shape suggestions everywhere.</source>
        <translation>Cuplikan dari aplikasi ini bisa memengaruhi saran di mana saja.</translation>
    </message>
    <message>
        <source>Finish setting up</source>
        <translation>Selesaikan penyiapan</translation>
    </message>
    <message>
        <source>Setup progress</source>
        <translation>Kemajuan penyiapan</translation>
    </message>
    <message>
        <source>Done: %1</source>
        <translation>Selesai: %1</translation>
    </message>
    <message>
        <source>Best day yet!</source>
        <translation>Hari terbaik Anda!</translation>
    </message>
    <message>
        <source>Try it here</source>
        <translation>Coba di sini</translation>
    </message>
    <message>
        <source>Thanks for sending the draft over. I had a look and</source>
        <translation>Terima kasih sudah mengirim drafnya. Saya sudah melihatnya dan</translation>
    </message>
    <message>
        <source>next word</source>
        <translation>kata berikutnya</translation>
    </message>
    <message>
        <source>whole suggestion</source>
        <translation>seluruh saran</translation>
    </message>
    <message>
        <source>hide it</source>
        <translation>sembunyikan</translation>
    </message>
    <message>
        <source>This field runs the real engine. Start typing and grey words show up as you go.</source>
        <translation>Kolom ini memakai mesin sungguhan. Mulai mengetik dan kata abu-abu akan muncul.</translation>
    </message>
    <message>
        <source>This field runs the real engine, even before you allow Accessibility. Start typing and grey words show up as you go.</source>
        <translation>Kolom ini memakai mesin sungguhan, bahkan sebelum Anda mengizinkan Aksesibilitas. Mulai mengetik dan kata abu-abu akan muncul.</translation>
    </message>
    <message>
        <source>You&apos;re all set</source>
        <translation>Semua siap</translation>
    </message>
    <message>
        <source>Accessibility is on and %1 is ready. %app works in every app you type in.</source>
        <translation>Aksesibilitas aktif dan %1 siap. %app berfungsi di setiap aplikasi tempat Anda mengetik.</translation>
    </message>
    <message>
        <source>Waiting for %1 to quit</source>
        <translation>Menunggu %1 keluar</translation>
    </message>
    <message>
        <source>Turned off</source>
        <translation>Dinonaktifkan</translation>
    </message>
    <message>
        <source>Paused everywhere</source>
        <translation>Dijeda di semua tempat</translation>
    </message>
    <message>
        <source>%1, %2 typical wait</source>
        <translation>%1, waktu tunggu biasanya %2</translation>
    </message>
    <message>
        <source>Start your streak today.</source>
        <translation>Mulai runtutan Anda hari ini.</translation>
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
        <translation>Mesin</translation>
    </message>
    <message>
        <source>Context</source>
        <translation>Konteks</translation>
    </message>
    <message>
        <source>Your Voice</source>
        <translation>Gaya Anda</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Tombol</translation>
    </message>
    <message>
        <source>Emoji</source>
        <translation>Emoji</translation>
    </message>
    <message>
        <source>Battery</source>
        <translation>Baterai</translation>
    </message>
    <message>
        <source>Insights</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <source>Field Inspector</source>
        <translation>Inspektur kolom</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Tentang</translation>
    </message>
    <message>
        <source>How %app is doing today</source>
        <translation>Kinerja %app hari ini</translation>
    </message>
    <message>
        <source>Where and how suggestions appear</source>
        <translation>Di mana dan bagaimana saran muncul</translation>
    </message>
    <message>
        <source>The model that writes your suggestions</source>
        <translation>Model yang membuat saran Anda</translation>
    </message>
    <message>
        <source>What %app may look at to guess better</source>
        <translation>Apa yang boleh dilihat %app agar tebakannya lebih tepat</translation>
    </message>
    <message>
        <source>Help suggestions sound like you</source>
        <translation>Buat saran terdengar seperti Anda</translation>
    </message>
    <message>
        <source>Accept, dismiss and summon suggestions</source>
        <translation>Terima, tutup, dan panggil saran</translation>
    </message>
    <message>
        <source>Emoji search and emoticons</source>
        <translation>Pencarian emoji dan emotikon</translation>
    </message>
    <message>
        <source>Rules for each app and website</source>
        <translation>Aturan untuk setiap aplikasi dan situs web</translation>
    </message>
    <message>
        <source>Save power when you&apos;re unplugged</source>
        <translation>Hemat daya saat memakai baterai</translation>
    </message>
    <message>
        <source>Words saved and how fast suggestions arrive</source>
        <translation>Kata dihemat dan kecepatan saran</translation>
    </message>
    <message>
        <source>What %app sees in the focused field</source>
        <translation>Yang dilihat %app di kolom aktif</translation>
    </message>
    <message>
        <source>Version and privacy</source>
        <translation>Versi dan privasi</translation>
    </message>
    <message>
        <source>Writing</source>
        <translation>Menulis</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Input</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Aturan</translation>
    </message>
    <message>
        <source>Activity</source>
        <translation>Aktivitas</translation>
    </message>
    <message>
        <source>%app can read the field you&apos;re typing in and insert suggestions in any app.</source>
        <translation>%app bisa membaca kolom tempat Anda mengetik dan menyisipkan saran di aplikasi apa pun.</translation>
    </message>
    <message>
        <source>Allow Accessibility access</source>
        <translation>Izinkan akses Aksesibilitas</translation>
    </message>
    <message>
        <source>%app needs it to read the text you type in other apps and to insert suggestions.</source>
        <translation>%app memerlukannya untuk membaca teks yang Anda ketik di aplikasi lain dan menyisipkan saran.</translation>
    </message>
    <message>
        <source>Allow…</source>
        <translation>Izinkan…</translation>
    </message>
    <message>
        <source>%1 is ready</source>
        <translation>%1 siap</translation>
    </message>
    <message>
        <source>Checking %1</source>
        <translation>Memeriksa %1</translation>
    </message>
    <message>
        <source>This takes a moment.</source>
        <translation>Ini butuh sebentar.</translation>
    </message>
    <message>
        <source>Your engine isn&apos;t ready</source>
        <translation>Mesin Anda belum siap</translation>
    </message>
    <message>
        <source>Open Engine</source>
        <translation>Buka pengaturan mesin</translation>
    </message>
    <message>
        <source>The system&apos;s predictions are off</source>
        <translation>Prediksi sistem nonaktif</translation>
    </message>
    <message>
        <source>Only %app&apos;s suggestions appear while you type.</source>
        <translation>Hanya saran %app yang muncul saat Anda mengetik.</translation>
    </message>
    <message>
        <source>Turn off the system&apos;s predictions</source>
        <translation>Nonaktifkan prediksi sistem</translation>
    </message>
    <message>
        <source>The system shows its own grey suggestions on top of %app&apos;s. Each app picks up the change the next time you open it.</source>
        <translation>Sistem menampilkan saran abu-abunya sendiri di atas saran %app. Setiap aplikasi menerapkan perubahan saat Anda membukanya lagi.</translation>
    </message>
    <message>
        <source>Keyboard Settings</source>
        <translation>Pengaturan keyboard</translation>
    </message>
    <message>
        <source>Turn Off</source>
        <translation>Nonaktifkan</translation>
    </message>
    <message>
        <source>Only %app is suggesting</source>
        <translation>Hanya %app yang memberi saran</translation>
    </message>
    <message>
        <source>Tab reaches %app again.</source>
        <translation>Tombol Tab kembali ke %app.</translation>
    </message>
    <message numerus="yes">
        <source>%1 didn&apos;t quit. They may be showing a dialog. Force Quit closes them right away.</source>
        <translation>
            <numerusform>%1 tidak keluar. Mungkin sedang menampilkan dialog. Paksa keluar akan langsung menutupnya.</numerusform>
        </translation>
    </message>
    <message>
        <source>Force Quit</source>
        <translation>Paksa keluar</translation>
    </message>
    <message numerus="yes">
        <source>%1 take the Tab key before %app can, so %app stays paused in your other apps until you quit them.</source>
        <translation>
            <numerusform>%1 mengambil tombol Tab sebelum %app, jadi %app tetap dijeda di aplikasi lain sampai Anda keluar dari %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Only when I ask</source>
        <translation>Hanya saat saya minta</translation>
    </message>
    <message>
        <source>On battery, suggestions appear only after you press the Suggest Now shortcut.</source>
        <translation>Saat memakai baterai, saran hanya muncul setelah Anda menekan pintasan Sarankan sekarang.</translation>
    </message>
    <message>
        <source>Shorter suggestions</source>
        <translation>Saran lebih pendek</translation>
    </message>
    <message>
        <source>Fewer words take less power to write.</source>
        <translation>Lebih sedikit kata, lebih hemat daya.</translation>
    </message>
    <message>
        <source>Lighter model</source>
        <translation>Model lebih ringan</translation>
    </message>
    <message>
        <source>Same as plugged in</source>
        <translation>Sama seperti saat dicolokkan</translation>
    </message>
    <message>
        <source>Running on battery. These apply right now.</source>
        <translation>Memakai baterai. Pengaturan ini berlaku sekarang.</translation>
    </message>
    <message>
        <source>Plugged in. These wait until you unplug.</source>
        <translation>Dicolokkan. Pengaturan ini berlaku saat Anda mencabutnya.</translation>
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
        <translation>Segarkan daftar model</translation>
    </message>
    <message>
        <source>Choose a model</source>
        <translation>Pilih model</translation>
    </message>
    <message>
        <source>For people who already run Ollama, LM Studio or llama-server.</source>
        <translation>Untuk yang sudah menjalankan Ollama, LM Studio, atau llama-server.</translation>
    </message>
    <message>
        <source>Use your own model</source>
        <translation>Pakai model Anda sendiri</translation>
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
        <translation>Hanya jika server Anda memintanya</translation>
    </message>
    <message>
        <source>Focused</source>
        <translation>Fokus</translation>
    </message>
    <message>
        <source>Creativity</source>
        <translation>Kreativitas</translation>
    </message>
    <message>
        <source>Loose</source>
        <translation>Bebas</translation>
    </message>
    <message>
        <source>Lower stays close to the obvious next words. Higher tries more.</source>
        <translation>Rendah tetap dekat dengan kata berikutnya yang jelas. Tinggi mencoba lebih banyak.</translation>
    </message>
    <message>
        <source>Wait before suggesting</source>
        <translation>Tunggu sebelum menyarankan</translation>
    </message>
    <message>
        <source>How long you pause before %app starts.</source>
        <translation>Berapa lama Anda berhenti sebelum %app mulai.</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Jalankan</translation>
    </message>
    <message>
        <source>Try the engine</source>
        <translation>Uji mesin</translation>
    </message>
    <message>
        <source>Sends a sample sentence and shows what comes back.</source>
        <translation>Mengirim kalimat contoh dan menampilkan balasannya.</translation>
    </message>
    <message>
        <source>Running…</source>
        <translation>Menjalankan…</translation>
    </message>
    <message>
        <source>The engine answered in %1 but had nothing useful to add.</source>
        <translation>Mesin menjawab dalam %1 tetapi tidak punya tambahan yang berguna.</translation>
    </message>
    <message>
        <source>That didn&apos;t work: %1</source>
        <translation>Gagal: %1</translation>
    </message>
    <message>
        <source>The request was cancelled.</source>
        <translation>Permintaan dibatalkan.</translation>
    </message>
    <message>
        <source>Startup</source>
        <translation>Saat mulai</translation>
    </message>
    <message>
        <source>Launch at login</source>
        <translation>Buka saat masuk</translation>
    </message>
    <message>
        <source>Show today&apos;s word count next to the icon</source>
        <translation>Tampilkan jumlah kata hari ini di samping ikon</translation>
    </message>
    <message>
        <source>Where suggestions appear</source>
        <translation>Tempat saran muncul</translation>
    </message>
    <message>
        <source>Turn this off to use %app only in the apps you switch on under Apps &amp; Sites.</source>
        <translation>Nonaktifkan untuk memakai %app hanya di aplikasi yang Anda aktifkan di Aplikasi &amp; situs.</translation>
    </message>
    <message>
        <source>By default %app waits until the caret is at the end of a line.</source>
        <translation>Secara bawaan %app menunggu sampai kursor di akhir baris.</translation>
    </message>
    <message>
        <source>Without this, %app skips search bars and one-word boxes.</source>
        <translation>Tanpa ini, %app melewati bilah pencarian dan kotak satu kata.</translation>
    </message>
    <message>
        <source>Suggestions appear only after you press the Suggest Now shortcut.</source>
        <translation>Saran hanya muncul setelah Anda menekan pintasan Sarankan sekarang.</translation>
    </message>
    <message>
        <source>Spelling</source>
        <translation>Ejaan</translation>
    </message>
    <message>
        <source>Waits while the word you&apos;re typing looks misspelled, so %app doesn&apos;t build on a typo.</source>
        <translation>Menunggu selama kata yang Anda ketik tampak salah eja, agar %app tidak melanjutkan dari salah ketik.</translation>
    </message>
    <message>
        <source>After a misspelled word, shows a fix next to the caret. Press Tab to swap it in.</source>
        <translation>Setelah kata yang salah eja, menampilkan perbaikan di samping kursor. Tekan Tab untuk menggantinya.</translation>
    </message>
    <message>
        <source>Look</source>
        <translation>Tampilan</translation>
    </message>
    <message>
        <source>Suggestion color</source>
        <translation>Warna saran</translation>
    </message>
    <message>
        <source>Text size</source>
        <translation>Ukuran teks</translation>
    </message>
    <message>
        <source>Fine-tune if suggestions look larger or smaller than your text.</source>
        <translation>Sesuaikan jika saran tampak lebih besar atau lebih kecil dari teks Anda.</translation>
    </message>
    <message>
        <source>Vertical position</source>
        <translation>Posisi vertikal</translation>
    </message>
    <message>
        <source>Nudge suggestions up or down to line up with your text.</source>
        <translation>Geser saran ke atas atau bawah agar sejajar dengan teks Anda.</translation>
    </message>
    <message>
        <source>A small keycap after your first suggestions, as a reminder of what to press.</source>
        <translation>Gambar tombol kecil setelah saran pertama Anda, sebagai pengingat apa yang harus ditekan.</translation>
    </message>
    <message>
        <source>Insert suggestions by</source>
        <translation>Cara menyisipkan saran</translation>
    </message>
    <message>
        <source>Other autocomplete apps</source>
        <translation>Aplikasi pelengkap otomatis lain</translation>
    </message>
    <message>
        <source>They take the Tab key before %app can. With this off, %app asks you first.</source>
        <translation>Aplikasi itu mengambil tombol Tab sebelum %app. Jika ini nonaktif, %app bertanya dulu kepada Anda.</translation>
    </message>
    <message>
        <source>%1 is another device on your network, so the text around your caret will be sent there.</source>
        <translation>%1 adalah perangkat lain di jaringan Anda, jadi teks di sekitar kursor akan dikirim ke sana.</translation>
    </message>
    <message>
        <source>%1 isn&apos;t this computer, so the text around your caret will be sent there.</source>
        <translation>%1 bukan komputer ini, jadi teks di sekitar kursor akan dikirim ke sana.</translation>
    </message>
    <message>
        <source>Both keep your text on this computer.</source>
        <translation>Keduanya menyimpan teks Anda di komputer ini.</translation>
    </message>
    <message>
        <source>%app opens by itself when you start your computer.</source>
        <translation>%app terbuka sendiri saat Anda menyalakan komputer.</translation>
    </message>
    <message>
        <source>System predictions</source>
        <translation>Prediksi sistem</translation>
    </message>
    <message>
        <source>The system can show its own grey predictions. Keeping them off avoids two suggestions at once.</source>
        <translation>Sistem bisa menampilkan prediksi abu-abunya sendiri. Menonaktifkannya mencegah dua saran sekaligus.</translation>
    </message>
    <message>
        <source>System predictions are on</source>
        <translation>Prediksi sistem aktif</translation>
    </message>
    <message>
        <source>System predictions are off</source>
        <translation>Prediksi sistem nonaktif</translation>
    </message>
    <message>
        <source>tab</source>
        <translation>tab</translation>
    </message>
    <message>
        <source>Your next words, one Tab away.</source>
        <translation>Kata berikutnya, sejauh satu Tab.</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Lewati</translation>
    </message>
    <message>
        <source>Get Started</source>
        <translation>Mulai</translation>
    </message>
    <message>
        <source>Turn sound on</source>
        <translation>Nyalakan suara</translation>
    </message>
    <message>
        <source>Turn sound off</source>
        <translation>Matikan suara</translation>
    </message>
    <message>
        <source>The other app</source>
        <translation>Aplikasi lain itu</translation>
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
            <numerusform>%1 juga berjalan</numerusform>
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
        <translation>Tombol Tab kini milik %app</translation>
    </message>
    <message>
        <source>%1 quit, so your suggestions are back in every app.</source>
        <translation>%1 sudah keluar, jadi saran Anda kembali di semua aplikasi.</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Selesai</translation>
    </message>
    <message>
        <source>Open Source Notices</source>
        <translation>Lisensi sumber terbuka</translation>
    </message>
    <message>
        <source>Reset all settings?</source>
        <translation>Atur ulang semua pengaturan?</translation>
    </message>
    <message>
        <source>This also clears your rules for apps and sites. Your statistics and writing memory stay.</source>
        <translation>Ini juga menghapus aturan Anda untuk aplikasi dan situs. Statistik dan memori tulisan Anda tetap ada.</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Atur ulang</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versi %1</translation>
    </message>
    <message>
        <source>Some apps hide their text</source>
        <translation>Beberapa aplikasi menyembunyikan teksnya</translation>
    </message>
    <message>
        <source>Suggest emoji after a colon</source>
        <translation>Sarankan emoji setelah titik dua</translation>
    </message>
    <message>
        <source>Turn emoticons into emoji</source>
        <translation>Ubah emotikon menjadi emoji</translation>
    </message>
    <message>
        <source>After :-) or &lt;3, %app offers the matching emoji. Press Tab to swap it in.</source>
        <translation>Setelah :-) atau &lt;3, %app menawarkan emoji yang cocok. Tekan Tab untuk menyisipkannya.</translation>
    </message>
    <message>
        <source>Skin tone</source>
        <translation>Warna kulit</translation>
    </message>
    <message>
        <source>Also show the default yellow</source>
        <translation>Tampilkan juga kuning bawaan</translation>
    </message>
    <message>
        <source>Try a word</source>
        <translation>Coba sebuah kata</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Ringan</translation>
    </message>
    <message>
        <source>No emoji match “%1”</source>
        <translation>Tidak ada emoji untuk “%1”</translation>
    </message>
    <message>
        <source>Accepting</source>
        <translation>Penerimaan</translation>
    </message>
    <message>
        <source>Take the next word</source>
        <translation>Ambil kata berikutnya</translation>
    </message>
    <message>
        <source>Press again for each following word.</source>
        <translation>Tekan lagi untuk setiap kata berikutnya.</translation>
    </message>
    <message>
        <source>Take the whole suggestion</source>
        <translation>Ambil seluruh saran</translation>
    </message>
    <message>
        <source>The key above Tab is easy to reach on most keyboards.</source>
        <translation>Tombol di atas Tab mudah dijangkau di sebagian besar keyboard.</translation>
    </message>
    <message>
        <source>Include the space after a word</source>
        <translation>Sertakan spasi setelah kata</translation>
    </message>
    <message>
        <source>Include punctuation right after a word</source>
        <translation>Sertakan tanda baca tepat setelah kata</translation>
    </message>
    <message>
        <source>When you press Escape</source>
        <translation>Saat Anda menekan Esc</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Pintasan</translation>
    </message>
    <message>
        <source>Suggest now</source>
        <translation>Sarankan sekarang</translation>
    </message>
    <message>
        <source>Asks for a suggestion right away, even where %app would normally wait.</source>
        <translation>Meminta saran seketika, bahkan di tempat %app biasanya menunggu.</translation>
    </message>
    <message>
        <source>Other suggestions</source>
        <translation>Saran lain</translation>
    </message>
    <message>
        <source>Lists a few different ways to continue. Choose with the arrow keys, then press Tab.</source>
        <translation>Menampilkan beberapa cara melanjutkan. Pilih dengan tombol panah, lalu tekan Tab.</translation>
    </message>
    <message>
        <source>Pause or resume in this app</source>
        <translation>Jeda atau lanjutkan di aplikasi ini</translation>
    </message>
    <message>
        <source>Pauses for 15 minutes.</source>
        <translation>Menjeda selama 15 menit.</translation>
    </message>
    <message>
        <source>Turn %app on or off</source>
        <translation>Aktifkan atau nonaktifkan %app</translation>
    </message>
    <message>
        <source>Everywhere, until you press it again.</source>
        <translation>Di semua tempat, sampai Anda menekannya lagi.</translation>
    </message>
    <message>
        <source>Pause or resume</source>
        <translation>Jeda atau lanjutkan</translation>
    </message>
    <message>
        <source>Turn on or off</source>
        <translation>Aktifkan atau nonaktifkan</translation>
    </message>
    <message>
        <source>%1 and %2 use the same keys. Only the first will work.</source>
        <translation>%1 dan %2 memakai tombol yang sama. Hanya yang pertama akan berfungsi.</translation>
    </message>
    <message>
        <source>About you</source>
        <translation>Tentang Anda</translation>
    </message>
    <message>
        <source>For example: I&apos;m a product designer in Berlin. I write short, friendly emails in British English and sign off with Cheers.</source>
        <translation>Contoh: Saya desainer produk di Berlin. Saya menulis email singkat dan ramah dalam bahasa Inggris Britania dan menutupnya dengan Cheers.</translation>
    </message>
    <message>
        <source>Your role, the languages you write in, names you use often, how you like to sound.</source>
        <translation>Peran Anda, bahasa yang Anda pakai menulis, nama yang sering Anda gunakan, gaya yang Anda sukai.</translation>
    </message>
    <message>
        <source>Writing memory</source>
        <translation>Memori tulisan</translation>
    </message>
    <message>
        <source>Remember how I write</source>
        <translation>Ingat cara saya menulis</translation>
    </message>
    <message>
        <source>Also remember fields where I accept nothing</source>
        <translation>Ingat juga kolom tempat saya tidak menerima apa pun</translation>
    </message>
    <message>
        <source>%app learns your style sooner but keeps more of what you type.</source>
        <translation>%app lebih cepat mempelajari gaya Anda, tetapi menyimpan lebih banyak dari yang Anda ketik.</translation>
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
        <translation>Berapa banyak cuplikan Anda yang bisa dipakai oleh setiap saran.</translation>
    </message>
    <message>
        <source>Erase All…</source>
        <translation>Hapus semua…</translation>
    </message>
    <message>
        <source>Erase everything %app remembered?</source>
        <translation>Hapus semua yang diingat %app?</translation>
    </message>
    <message>
        <source>This can&apos;t be undone.</source>
        <translation>Ini tidak dapat dibatalkan.</translation>
    </message>
    <message>
        <source>Erase All</source>
        <translation>Hapus semua</translation>
    </message>
    <message>
        <source>Nothing remembered yet</source>
        <translation>Belum ada yang diingat</translation>
    </message>
    <message>
        <source>App and window name</source>
        <translation>Nama aplikasi dan jendela</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>Situs web</translation>
    </message>
    <message>
        <source>The site&apos;s domain when you write in a browser.</source>
        <translation>Domain situs saat Anda menulis di browser.</translation>
    </message>
    <message>
        <source>Recently copied text</source>
        <translation>Teks yang baru disalin</translation>
    </message>
    <message>
        <source>Anything you copied in the last 10 minutes. Copies from password managers are skipped.</source>
        <translation>Apa pun yang Anda salin dalam 10 menit terakhir. Salinan dari pengelola kata sandi dilewati.</translation>
    </message>
    <message>
        <source>Text on screen</source>
        <translation>Teks di layar</translation>
    </message>
    <message>
        <source>Reads the window you&apos;re writing in, so replies fit the conversation. It picks the lines closest to where you type.</source>
        <translation>Membaca jendela tempat Anda menulis, agar balasan sesuai percakapan. Memilih baris yang paling dekat dengan tempat Anda mengetik.</translation>
    </message>
    <message>
        <source>What you just looked at</source>
        <translation>Yang baru saja Anda lihat</translation>
    </message>
    <message>
        <source>Windows beside you</source>
        <translation>Jendela di samping Anda</translation>
    </message>
    <message>
        <source>Also reads up to two other windows on the same screen, like the document you&apos;re replying about. Skips password managers and apps you switched off.</source>
        <translation>Juga membaca hingga dua jendela lain di layar yang sama, seperti dokumen yang sedang Anda balas. Melewati pengelola kata sandi dan aplikasi yang Anda nonaktifkan.</translation>
    </message>
    <message>
        <source>Off in this app</source>
        <translation>Nonaktif di aplikasi ini</translation>
    </message>
    <message>
        <source>This word looks misspelled</source>
        <translation>Kata ini tampak salah eja</translation>
    </message>
    <message>
        <source>Thanks for the notes. I&apos;ll send the revised deck</source>
        <translation>Terima kasih atas catatannya. Saya akan kirim presentasi revisinya</translation>
    </message>
    <message>
        <source> by Friday morning.</source>
        <translation> paling lambat Jumat pagi.</translation>
    </message>
    <message>
        <source>%1 quit. %app has the Tab key.</source>
        <translation>%1 sudah keluar. Tombol Tab kini milik %app.</translation>
    </message>
    <message>
        <source>Open Data Folder</source>
        <translation>Buka folder data</translation>
    </message>
    <message>
        <source>Show Welcome Again</source>
        <translation>Tampilkan sambutan lagi</translation>
    </message>
    <message>
        <source>Play Intro Again</source>
        <translation>Putar intro lagi</translation>
    </message>
    <message>
        <source>Reset Settings…</source>
        <translation>Atur ulang pengaturan…</translation>
    </message>
    <message>
        <source>Suggest in every app</source>
        <translation>Sarankan di setiap aplikasi</translation>
    </message>
    <message>
        <source>Suggest in code editors</source>
        <translation>Sarankan di editor kode</translation>
    </message>
    <message>
        <source>Suggest in the middle of a line</source>
        <translation>Sarankan di tengah baris</translation>
    </message>
    <message>
        <source>Suggest in small fields</source>
        <translation>Sarankan di kolom kecil</translation>
    </message>
    <message>
        <source>Hold back on misspelled words</source>
        <translation>Tunggu pada kata salah eja</translation>
    </message>
    <message>
        <source>Offer spelling fixes</source>
        <translation>Tawarkan perbaikan ejaan</translation>
    </message>
    <message>
        <source>Show the key hint</source>
        <translation>Tampilkan petunjuk tombol</translation>
    </message>
    <message>
        <source>Quit other autocomplete apps when they open</source>
        <translation>Tutup aplikasi pelengkap otomatis lain saat terbuka</translation>
    </message>
    <message>
        <source>Keeps a few minutes of text from windows you switched away from, like a page you read before replying. It stays on your computer and skips apps you switched off.</source>
        <translation>Menyimpan teks beberapa menit dari jendela yang Anda tinggalkan, seperti halaman yang Anda baca sebelum membalas. Teks tetap di komputer Anda dan melewati aplikasi yang Anda nonaktifkan.</translation>
    </message>
    <message numerus="yes">
        <source>Both apps answer the Tab key, and the system gives it to %1 first. %app stays paused in your other apps until %1 quits.</source>
        <translation>
            <numerusform>%1 mengambil tombol Tab sebelum %app, jadi %app tetap dijeda di aplikasi lain sampai Anda menutupnya.</numerusform>
        </translation>
    </message>
    <message>
        <source>Finishes your sentences in any app, on your computer.</source>
        <translation>Menyelesaikan kalimat Anda di aplikasi apa pun, di komputer Anda.</translation>
    </message>
    <message>
        <source>Keeps short passages from fields where you accepted a suggestion, encrypted on this computer, and shows them to the model as examples.</source>
        <translation>Menyimpan cuplikan pendek dari kolom tempat Anda menerima saran, terenkripsi di komputer ini, dan menunjukkannya ke model sebagai contoh.</translation>
    </message>
    <message>
        <source>Light</source>
        <comment>skin tone</comment>
        <translation>Terang</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Default</source>
        <comment>skin tone</comment>
        <translation>Bawaan</translation>
    </message>
    <message>
        <source>Medium light</source>
        <comment>skin tone</comment>
        <translation>Agak terang</translation>
    </message>
    <message>
        <source>Medium</source>
        <comment>skin tone</comment>
        <translation>Sedang</translation>
    </message>
    <message>
        <source>Medium dark</source>
        <comment>skin tone</comment>
        <translation>Agak gelap</translation>
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
        <translation>Tidak dilaporkan, diperkirakan dari kursor</translation>
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
        <translation>7 hari terakhir</translation>
    </message>
    <message>
        <source>All time</source>
        <translation>Sepanjang masa</translation>
    </message>
    <message>
        <source>Typing saved</source>
        <translation>Waktu mengetik dihemat</translation>
    </message>
    <message>
        <source>at 40 words a minute</source>
        <translation>pada 40 kata per menit</translation>
    </message>
    <message>
        <source>Accepted</source>
        <translation>Diterima</translation>
    </message>
    <message>
        <source>of suggestions shown</source>
        <translation>dari saran yang ditampilkan</translation>
    </message>
    <message>
        <source>Typical wait</source>
        <translation>Waktu tunggu biasa</translation>
    </message>
    <message>
        <source>9 in 10 under %1</source>
        <translation>9 dari 10 di bawah %1</translation>
    </message>
    <message>
        <source>no requests yet</source>
        <translation>belum ada permintaan</translation>
    </message>
    <message>
        <source>Words saved</source>
        <translation>Kata dihemat</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>Rentang</translation>
    </message>
    <message>
        <source>Nothing to chart yet</source>
        <translation>Belum ada data</translation>
    </message>
    <message>
        <source>Accept a few suggestions and your days show up here.</source>
        <translation>Terima beberapa saran dan hari-hari Anda akan muncul di sini.</translation>
    </message>
    <message>
        <source>Where you write</source>
        <translation>Tempat Anda menulis</translation>
    </message>
    <message>
        <source>Reset Statistics…</source>
        <translation>Atur ulang statistik…</translation>
    </message>
    <message>
        <source>Reset all statistics?</source>
        <translation>Atur ulang semua statistik?</translation>
    </message>
    <message>
        <source>This clears words saved, acceptance and timing history.</source>
        <translation>Ini menghapus riwayat kata dihemat, penerimaan, dan waktu.</translation>
    </message>
    <message>
        <source>Copy Diagnostics</source>
        <translation>Salin diagnostik</translation>
    </message>
    <message>
        <source>Diagnostics leave out the text you typed.</source>
        <translation>Diagnostik tidak menyertakan teks yang Anda ketik.</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Right now</source>
        <translation>Saat ini</translation>
    </message>
    <message>
        <source>Allowed</source>
        <translation>Diizinkan</translation>
    </message>
    <message>
        <source>Not allowed</source>
        <translation>Tidak diizinkan</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Keyboard</translation>
    </message>
    <message>
        <source>Listening</source>
        <translation>Mendengarkan</translation>
    </message>
    <message>
        <source>Not listening</source>
        <translation>Tidak mendengarkan</translation>
    </message>
    <message>
        <source>Focused field</source>
        <translation>Kolom aktif</translation>
    </message>
    <message>
        <source>Click into a text field in another app, then come back. The last field %1 saw stays here.</source>
        <translation>Klik kolom teks di aplikasi lain, lalu kembali. Kolom terakhir yang dilihat %1 tetap tampil di sini.</translation>
    </message>
    <message>
        <source>App</source>
        <translation>Aplikasi</translation>
    </message>
    <message>
        <source>Field type</source>
        <translation>Jenis kolom</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>Jendela</translation>
    </message>
    <message>
        <source>Field size</source>
        <translation>Ukuran kolom</translation>
    </message>
    <message>
        <source>Caret found</source>
        <translation>Kursor ditemukan</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Font</translation>
    </message>
    <message>
        <source>At end of line</source>
        <translation>Di akhir baris</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ya</translation>
    </message>
    <message>
        <source>Secure input</source>
        <translation>Input aman</translation>
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
        <translation>Waktu tunggu</translation>
    </message>
    <message>
        <source>Suggestion</source>
        <translation>Saran</translation>
    </message>
    <message>
        <source>Prompt sent to the engine</source>
        <translation>Prompt yang dikirim ke mesin</translation>
    </message>
    <message>
        <source>Raw answer</source>
        <translation>Jawaban mentah</translation>
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
        <translation>Beralih ke %1?</translation>
    </message>
    <message>
        <source>%1 closes and opens again in a second. Your settings stay as they are.</source>
        <translation>%1 akan tertutup dan terbuka lagi dalam sedetik. Pengaturan Anda tetap sama.</translation>
    </message>
    <message>
        <source>Reopen Now</source>
        <translation>Buka ulang sekarang</translation>
    </message>
    <message>
        <source>App language</source>
        <translation>Bahasa aplikasi</translation>
    </message>
    <message>
        <source>Pick the language you read most easily. Suggestions follow whatever language you type.</source>
        <translation>Pilih bahasa yang paling mudah Anda baca. Saran mengikuti bahasa apa pun yang Anda ketik.</translation>
    </message>
    <message>
        <source>Change the app language</source>
        <translation>Ubah bahasa aplikasi</translation>
    </message>
    <message>
        <source>0 min</source>
        <translation>0 mnt</translation>
    </message>
    <message>
        <source>under a minute</source>
        <translation>kurang dari semenit</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 dtk</translation>
    </message>
    <message>
        <source>Not set</source>
        <translation>Belum diatur</translation>
    </message>
    <message>
        <source>Clear shortcut</source>
        <translation>Hapus pintasan</translation>
    </message>
    <message>
        <source>Add Ctrl, Alt or Super so normal typing still works.</source>
        <translation>Tambahkan Ctrl, Alt, atau Super agar mengetik biasa tetap berfungsi.</translation>
    </message>
    <message>
        <source>Type a shortcut…</source>
        <translation>Ketik pintasan…</translation>
    </message>
    <message>
        <source>Recording shortcut</source>
        <translation>Merekam pintasan</translation>
    </message>
    <message>
        <source>Shortcut %1</source>
        <translation>Pintasan %1</translation>
    </message>
    <message>
        <source>Record shortcut</source>
        <translation>Rekam pintasan</translation>
    </message>
    <message>
        <source>Shortcut not set</source>
        <translation>Pintasan belum diatur</translation>
    </message>
    <message>
        <source>Press to record a new shortcut. Escape cancels.</source>
        <translation>Tekan untuk merekam pintasan baru. Esc membatalkan.</translation>
    </message>
    <message>
        <source>Your tray icon is hidden</source>
        <translation>Ikon baki Anda tersembunyi</translation>
    </message>
    <message>
        <source>This computer has no on-device language model</source>
        <translation>Komputer ini tidak punya model bahasa di perangkat</translation>
    </message>
    <message>
        <source>Turn on the on-device model in the desktop&apos;s settings</source>
        <translation>Aktifkan model perangkat di pengaturan desktop</translation>
    </message>
    <message>
        <source>The on-device model is unavailable</source>
        <translation>Model perangkat tidak tersedia</translation>
    </message>
    <message>
        <source>Downloading. The on-device model fills in until it&apos;s done.</source>
        <translation>Mengunduh. Model perangkat dipakai sementara sampai selesai.</translation>
    </message>
    <message>
        <source>The on-device model fills in until you download it.</source>
        <translation>Model perangkat dipakai sementara sampai Anda mengunduhnya.</translation>
    </message>
    <message>
        <source>%1 shares no text. Quit it and start it with %2 to get suggestions in it.</source>
        <translation>%1 tidak membagikan teks. Tutup lalu jalankan dengan %2 untuk mendapatkan saran di dalamnya.</translation>
    </message>
    <message>
        <source>On-device model</source>
        <translation>Model perangkat</translation>
    </message>
    <message>
        <source>The system&apos;s own language model. Nothing to download.</source>
        <translation>Model bahasa milik sistem sendiri. Tidak perlu diunduh.</translation>
    </message>
    <message>
        <source>A website name cannot hold spaces, tabs or line breaks.</source>
        <translation>Nama situs web tidak boleh berisi spasi, tab, atau baris baru.</translation>
    </message>
    <message>
        <source>Only addresses that start with http or https can be added.</source>
        <translation>Hanya alamat yang diawali http atau https yang bisa ditambahkan.</translation>
    </message>
    <message>
        <source>That is not a website name. Type one such as wikipedia.org.</source>
        <translation>Itu bukan nama situs web. Ketik nama seperti wikipedia.org.</translation>
    </message>
    <message>
        <source>A port is a number from 1 to 65535.</source>
        <translation>Port adalah angka dari 1 sampai 65535.</translation>
    </message>
    <message>
        <source>The on-device model fills in until the download is done.</source>
        <translation>Model perangkat dipakai sementara sampai unduhan selesai.</translation>
    </message>
    <message>
        <source>Suggestions start once the download is done.</source>
        <translation>Saran dimulai setelah unduhan selesai.</translation>
    </message>
    <message>
        <source>This frees %1. The on-device model fills in until you download it again.</source>
        <translation>Ini membebaskan %1. Model perangkat dipakai sementara sampai Anda mengunduhnya lagi.</translation>
    </message>
    <message>
        <source>This frees %1. The %app model can&apos;t suggest until you download it again.</source>
        <translation>Ini membebaskan %1. Model %app tidak bisa memberi saran sampai Anda mengunduhnya lagi.</translation>
    </message>
    <message>
        <source>There&apos;s no room for it, or your panel has no system tray. Add the panel&apos;s system tray or status area applet in its settings.</source>
        <translation>Tidak ada ruang untuknya, atau panel Anda tidak punya baki sistem. Tambahkan applet baki sistem atau area status di pengaturan panel.</translation>
    </message>
    <message>
        <source>GNOME shows tray icons only with the AppIndicator extension. Install the gnome-shell-extension-appindicator package, log out and in, then turn it on in Extensions.</source>
        <translation>GNOME hanya menampilkan ikon baki dengan ekstensi AppIndicator. Pasang paket gnome-shell-extension-appindicator, keluar lalu masuk lagi, lalu aktifkan di Ekstensi.</translation>
    </message>
    <message>
        <source>GNOME shows tray icons only with the AppIndicator extension. It is installed but off: turn it on in Extensions.</source>
        <translation>GNOME hanya menampilkan ikon baki dengan ekstensi AppIndicator. Ekstensi sudah terpasang tetapi nonaktif: aktifkan di Ekstensi.</translation>
    </message>
    <message>
        <source>Until then, open %app from your applications menu to reach Settings.</source>
        <translation>Sementara itu, buka %app dari menu aplikasi untuk menjangkau Pengaturan.</translation>
    </message>
    <message>
        <source>Open Extensions</source>
        <translation>Buka Ekstensi</translation>
    </message>
    <message>
        <source>Show Count in Tray</source>
        <translation>Tampilkan jumlah di baki</translation>
    </message>
    <message>
        <source>%1 shares no text</source>
        <translation>%1 tidak membagikan teks</translation>
    </message>
    <message>
        <source>Copy command</source>
        <translation>Salin perintah</translation>
    </message>
    <message>
        <source>There&apos;s no account and no analytics. With the %app model or the on-device model, your text stays on this computer.</source>
        <translation>Tanpa akun dan tanpa analitik. Dengan model %app atau model perangkat, teks Anda tetap di komputer ini.</translation>
    </message>
    <message>
        <source>There&apos;s no account and no analytics. With the %app model, your text stays on this computer.</source>
        <translation>Tanpa akun dan tanpa analitik. Dengan model %app, teks Anda tetap di komputer ini.</translation>
    </message>
    <message>
        <source>%app lives in your system tray from now on. Click its icon to pause it in an app or open Settings.</source>
        <translation>Mulai sekarang %app tinggal di baki sistem. Klik ikonnya untuk menjedanya di suatu aplikasi atau membuka Pengaturan.</translation>
    </message>
    <message>
        <source>%app has no account, no analytics and no servers of its own. The %app model and the on-device model keep your text on this computer. Other engines get it only if you set one up.</source>
        <translation>%app tidak punya akun, analitik, maupun server sendiri. Model %app dan model perangkat menyimpan teks Anda di komputer ini. Mesin lain hanya menerimanya jika Anda menyiapkannya.</translation>
    </message>
    <message>
        <source>%app has no account, no analytics and no servers of its own. The %app model keeps your text on this computer. Other engines get it only if you set one up.</source>
        <translation>%app tidak punya akun, analitik, maupun server sendiri. Model %app menyimpan teks Anda di komputer ini. Mesin lain hanya menerimanya jika Anda menyiapkannya.</translation>
    </message>
    <message>
        <source>Installed applications</source>
        <translation>Aplikasi terpasang</translation>
    </message>
    <message>
        <source>%app reads these only while making a suggestion and never saves them. With the %app model or the on-device model, nothing leaves your computer.</source>
        <translation>%app hanya membaca ini saat membuat saran dan tidak pernah menyimpannya. Dengan model %app atau model perangkat, tidak ada yang keluar dari komputer Anda.</translation>
    </message>
    <message>
        <source>%app reads these only while making a suggestion and never saves them. With the %app model, nothing leaves your computer.</source>
        <translation>%app hanya membaca ini saat membuat saran dan tidak pernah menyimpannya. Dengan model %app, tidak ada yang keluar dari komputer Anda.</translation>
    </message>
    <message>
        <source>The %app model keeps your text on this computer.</source>
        <translation>Model %app menyimpan teks Anda di komputer ini.</translation>
    </message>
    <message>
        <source>The key holds a line break or another control character. Paste it again without them.</source>
        <translation>Kunci berisi baris baru atau karakter kontrol lain. Tempel lagi tanpa karakter itu.</translation>
    </message>
    <message>
        <source>Waiting for the keyring to store the key.</source>
        <translation>Menunggu ring kunci menyimpan kunci.</translation>
    </message>
    <message>
        <source>The keyring cannot keep this key, so it is used only until %app quits.</source>
        <translation>Ring kunci tidak dapat menyimpan kunci ini, jadi kunci hanya dipakai sampai %app ditutup.</translation>
    </message>
    <message>
        <source>Show in the system tray</source>
        <translation>Tampilkan di baki sistem</translation>
    </message>
    <message>
        <source>Pause or open Settings from the system tray. Hidden? Open %app from your applications menu to come back.</source>
        <translation>Jeda atau buka Pengaturan dari baki sistem. Tersembunyi? Buka %app dari menu aplikasi untuk kembali.</translation>
    </message>
    <message>
        <source>This tray can&apos;t show text beside icons, so the count shows in the icon&apos;s tooltip.</source>
        <translation>Baki ini tidak bisa menampilkan teks di samping ikon, jadi jumlahnya muncul di tooltip ikon.</translation>
    </message>
    <message>
        <source>VS Code, VSCodium, Cursor, Zed, Kate, Sublime Text, JetBrains IDEs and similar apps.</source>
        <translation>VS Code, VSCodium, Cursor, Zed, Kate, Sublime Text, IDE JetBrains, dan aplikasi serupa.</translation>
    </message>
    <message>
        <source>Your settings could not be read, so they were set aside and %app started over with its defaults.</source>
        <translation>Pengaturan Anda tidak dapat dibaca, jadi disisihkan dan %app memulai ulang dengan pengaturan bawaan.</translation>
    </message>
    <message>
        <source>Your settings are not saved: %app cannot write to its settings folder.</source>
        <translation>Pengaturan Anda tidak tersimpan: %app tidak dapat menulis ke folder pengaturannya.</translation>
    </message>
    <message>
        <source>Your app and website rules could not be read, so they were set aside.</source>
        <translation>Aturan aplikasi dan situs web Anda tidak dapat dibaca, jadi disisihkan.</translation>
    </message>
    <message>
        <source>Your statistics could not be read, so they were set aside and counting started over.</source>
        <translation>Statistik Anda tidak dapat dibaca, jadi disisihkan dan penghitungan dimulai dari awal.</translation>
    </message>
    <message>
        <source>Not saved: %app cannot write to its data folder.</source>
        <translation>Tidak tersimpan: %app tidak dapat menulis ke folder datanya.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln suggestions. %1 selected</source>
        <translation>
            <numerusform>%Ln saran. Dipilih: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln min</source>
        <translation>
            <numerusform>%Ln mnt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln words</source>
        <translation>
            <numerusform>%Ln kata</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln passages from here</source>
        <translation>
            <numerusform>%Ln cuplikan dari sini</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>words</source>
        <comment>unit after a count</comment>
        <translation>
            <numerusform>kata</numerusform>
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
            <numerusform>Kata dihemat per hari selama %Ln hari terakhir</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln day streak</source>
        <translation>
            <numerusform>Runtutan %Ln hari</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln passages remembered</source>
        <translation>
            <numerusform>%Ln cuplikan diingat</numerusform>
        </translation>
    </message>
    <message>
        <source>enter</source>
        <translation>enter</translation>
    </message>
    <message>
        <source>Allow screen capture so %app can read those too. Most apps work without it.</source>
        <translation>Izinkan tangkapan layar agar %app juga bisa membacanya. Sebagian besar aplikasi berfungsi tanpanya.</translation>
    </message>
    <message>
        <source>Type a colon and a word, like :rocket, then press Tab or Enter to pick.</source>
        <translation>Ketik titik dua dan sebuah kata, seperti :rocket, lalu tekan Tab atau Enter untuk memilih.</translation>
    </message>
    <message>
        <source>You can switch memory off for single apps under Apps &amp; Sites. The key that unlocks it lives in your keyring.</source>
        <translation>Anda bisa menonaktifkan memori untuk aplikasi tertentu di Aplikasi &amp; situs. Kunci pembukanya tersimpan di ring kunci Anda.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln emoji. %1 selected</source>
        <translation>
            <numerusform>%Ln emoji. Dipilih: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Suggestion: %1</source>
        <translation>Saran: %1</translation>
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
        <translation>Tidak ada server yang menjawab.</translation>
    </message>
    <message>
        <source>No server answered at %1.</source>
        <translation>Tidak ada server yang menjawab di %1.</translation>
    </message>
    <message>
        <source>Range: %1</source>
        <translation>Rentang: %1</translation>
    </message>
    <message numerus="yes">
        <source>%1, %Ln to do</source>
        <translation>
            <numerusform>%1, %Ln belum selesai</numerusform>
        </translation>
    </message>
    <message>
        <source>Type the whole name of the website, such as wikipedia.org.</source>
        <translation>Ketik nama lengkap situs web, seperti wikipedia.org.</translation>
    </message>
    <message>
        <source>The key holds a space, an invisible character or a letter outside plain ASCII. Paste it again exactly as your server gave it.</source>
        <translation>Kunci berisi spasi, karakter tak terlihat, atau huruf di luar ASCII biasa. Tempel lagi persis seperti yang diberikan server Anda.</translation>
    </message>
    <message>
        <source>The keyring could not be read, so your server is asked without an API key. Type the key again if your server needs one.</source>
        <translation>Ring kunci tidak dapat dibaca, jadi permintaan dikirim ke server Anda tanpa kunci API. Ketik kunci lagi jika server Anda memerlukannya.</translation>
    </message>
    <message>
        <source>Your writing memory could not be opened, so it was set aside and %app started a new one.</source>
        <translation>Memori tulisan Anda tidak dapat dibuka, jadi disisihkan dan %app memulai yang baru.</translation>
    </message>
    <message>
        <source>%1, converted for llama.cpp by %2</source>
        <translation>%1, dikonversi untuk llama.cpp oleh %2</translation>
    </message>
    <message>
        <source>The data folder %1 could not be made. Check that the folder above it exists and that you may write there.</source>
        <translation>Folder data %1 tidak dapat dibuat. Periksa apakah folder di atasnya ada dan Anda boleh menulis di sana.</translation>
    </message>
    <message>
        <source>party</source>
        <comment>emoji search sample</comment>
        <translation>pesta</translation>
    </message>
    <message numerus="yes">
        <source>%Ln settings held values %app cannot use, so they were corrected and saved.</source>
        <translation>
            <numerusform>%Ln pengaturan berisi nilai yang tidak dapat digunakan %app, jadi diperbaiki dan disimpan.</numerusform>
        </translation>
    </message>
    <message>
        <source>Your writing memory is not saved: the keyring is missing or locked, so its key cannot be kept.</source>
        <translation>Memori tulisan Anda tidak tersimpan: ring kunci tidak ada atau terkunci, jadi kuncinya tidak dapat disimpan.</translation>
    </message>
    <message>
        <source>That address isn&apos;t valid</source>
        <translation>Alamat itu tidak valid</translation>
    </message>
    <message>
        <source>The request timed out.</source>
        <translation>Waktu permintaan habis.</translation>
    </message>
    <message>
        <source>The server&apos;s reply was too long, so it was stopped.</source>
        <translation>Balasan server terlalu panjang, jadi dihentikan.</translation>
    </message>
    <message>
        <source>The server answered %1.</source>
        <translation>Server menjawab %1.</translation>
    </message>
    <message>
        <source>The server answered %1: %2</source>
        <translation>Server menjawab %1: %2</translation>
    </message>
    <message>
        <source>The download server answered %1. Try again later.</source>
        <translation>Server unduhan menjawab %1. Coba lagi nanti.</translation>
    </message>
    <message>
        <source>The download couldn&apos;t be saved: %1</source>
        <translation>Unduhan tidak dapat disimpan: %1</translation>
    </message>
    <message>
        <source>The download paused because the connection dropped. Try again to pick up where it stopped.</source>
        <translation>Unduhan dijeda karena koneksi terputus. Coba lagi untuk melanjutkan dari tempat terakhir.</translation>
    </message>
    <message>
        <source>The download stopped. Check your connection, then try again.</source>
        <translation>Unduhan berhenti. Periksa koneksi Anda, lalu coba lagi.</translation>
    </message>
    <message>
        <source>Pick an Ollama model in Settings</source>
        <translation>Pilih model Ollama di Pengaturan</translation>
    </message>
    <message>
        <source>Pick a model for your local server</source>
        <translation>Pilih model untuk server lokal Anda</translation>
    </message>
    <message>
        <source>The server&apos;s answer is not HTTP.</source>
        <translation>Jawaban server bukan HTTP.</translation>
    </message>
    <message>
        <source>The data couldn&apos;t be read because it is missing.</source>
        <translation>Data tidak dapat dibaca karena tidak ada.</translation>
    </message>
    <message>
        <source>The data couldn&apos;t be read because it isn&apos;t in the correct format.</source>
        <translation>Data tidak dapat dibaca karena formatnya tidak benar.</translation>
    </message>
    <message>
        <source>:%1:</source>
        <comment>emoji name</comment>
        <translation>:%1:</translation>
    </message>
    <message>
        <source>This computer has no on-device language model.</source>
        <translation>Komputer ini tidak punya model bahasa di perangkat.</translation>
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
        <translation>Dijeda di %1</translation>
    </message>
    <message>
        <source>Off on %1</source>
        <translation>Nonaktif di %1</translation>
    </message>
    <message>
        <source>Off in %1</source>
        <translation>Nonaktif di %1</translation>
    </message>
    <message>
        <source>Off in %1 by default</source>
        <translation>Nonaktif di %1 secara bawaan</translation>
    </message>
    <message>
        <source>Off in code editors</source>
        <translation>Nonaktif di editor kode</translation>
    </message>
    <message>
        <source>Off unless turned on per app</source>
        <translation>Nonaktif kecuali diaktifkan per aplikasi</translation>
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
        <translation>Spasi</translation>
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
        <translation>Tombol %1</translation>
    </message>
    <message>
        <source>An email reply reads differently from a commit message.</source>
        <translation>Balasan email ditulis berbeda dari pesan commit.</translation>
    </message>
    <message>
        <source>Writes straight into the field. Cleanest in GTK and Qt apps.</source>
        <translation>Menulis langsung ke kolom. Paling rapi di aplikasi GTK dan Qt.</translation>
    </message>
    <message>
        <source>Typing</source>
        <comment>insertion method</comment>
        <translation>Ketik</translation>
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
            <numerusform>%Ln md</numerusform>
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
            <numerusform>%Ln kata dihemat hari ini</numerusform>
        </translation>
    </message>
    <message>
        <source>Under a minute of typing saved today.</source>
        <translation>Kurang dari semenit waktu mengetik dihemat hari ini.</translation>
    </message>
    <message>
        <source>About %1 of typing saved today.</source>
        <translation>Sekitar %1 waktu mengetik dihemat hari ini.</translation>
    </message>
    <message numerus="yes">
        <source>Step %1 of %Ln</source>
        <translation>
            <numerusform>Langkah %1 dari %Ln</numerusform>
        </translation>
    </message>
    <message>
        <source>%app reads and types into text fields through the desktop&apos;s accessibility support, which some desktops leave off. %app uses it only for the field you&apos;re writing in.</source>
        <translation>%app membaca dan mengetik ke kolom teks melalui dukungan aksesibilitas desktop, yang dibiarkan nonaktif di sebagian desktop. %app hanya memakainya untuk kolom tempat Anda menulis.</translation>
    </message>
    <message>
        <source>The button switches the desktop&apos;s accessibility support on. If the desktop&apos;s settings open instead, turn accessibility on there, then come back. This page updates by itself.</source>
        <translation>Tombol ini mengaktifkan dukungan aksesibilitas desktop. Jika yang terbuka justru pengaturan desktop, aktifkan aksesibilitas di sana, lalu kembali. Halaman ini akan diperbarui dengan sendirinya.</translation>
    </message>
    <message>
        <source>Still off? Some desktops start their accessibility service only when you log in. Log out and back in, then try again.</source>
        <translation>Masih nonaktif? Sebagian desktop baru memulai layanan aksesibilitasnya saat Anda masuk. Keluar lalu masuk lagi, kemudian coba lagi.</translation>
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
        <translation>ketik</translation>
    </message>
    <message>
        <source>accessibility</source>
        <comment>insertion method, in a sentence</comment>
        <translation>aksesibilitas</translation>
    </message>
    <message>
        <source>paste</source>
        <comment>insertion method, in a sentence</comment>
        <translation>tempel</translation>
    </message>
    <message>
        <source>short</source>
        <comment>suggestion length, in a sentence</comment>
        <translation>pendek</translation>
    </message>
    <message>
        <source>medium</source>
        <comment>suggestion length, in a sentence</comment>
        <translation>sedang</translation>
    </message>
    <message>
        <source>long</source>
        <comment>suggestion length, in a sentence</comment>
        <translation>panjang</translation>
    </message>
    <message>
        <source>Default follows General: %1, %2 suggestions.</source>
        <translation>Bawaan mengikuti Umum: %1, saran %2.</translation>
    </message>
    <message>
        <source>Yes, at %1, %2 on screen, %3 pt tall, %4 and %5</source>
        <translation>Ya, di %1, %2 di layar, tinggi %3 pt, %4 dan %5</translation>
    </message>
    <message numerus="yes">
        <source>%Ln characters before it</source>
        <translation>
            <numerusform>%Ln karakter sebelumnya</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln after</source>
        <comment>characters after the caret</comment>
        <translation>
            <numerusform>%Ln sesudahnya</numerusform>
        </translation>
    </message>
    <message>
        <source>No system tray runs on this desktop, so the icon cannot show. %1</source>
        <translation>Tidak ada baki sistem yang berjalan di desktop ini, jadi ikon tidak bisa tampil. %1</translation>
    </message>
    <message>
        <source>Typing</source>
        <comment>section header</comment>
        <translation>Pengetikan</translation>
    </message>
    <message>
        <source>Switch to the computer&apos;s language?</source>
        <translation>Beralih ke bahasa komputer?</translation>
    </message>
    <message numerus="yes">
        <source>%Ln words this week.</source>
        <translation>
            <numerusform>%Ln kata minggu ini.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Under a minute of typing saved today. %Ln words this week.</source>
        <translation>
            <numerusform>Kurang dari semenit waktu mengetik dihemat hari ini. %Ln kata minggu ini.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>About %1 of typing saved today. %Ln words this week.</source>
        <translation>
            <numerusform>Sekitar %1 waktu mengetik dihemat hari ini. %Ln kata minggu ini.</numerusform>
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
            <numerusform>%Ln dari %1 selesai</numerusform>
        </translation>
    </message>
    <message>
        <source>The server refused the connection. Check that it is running and that the address is right.</source>
        <translation>Server menolak koneksi. Pastikan server berjalan dan alamatnya benar.</translation>
    </message>
    <message>
        <source>The server&apos;s name couldn&apos;t be found. Check the address.</source>
        <translation>Nama server tidak ditemukan. Periksa alamatnya.</translation>
    </message>
    <message>
        <source>A secure connection to the server couldn&apos;t be made.</source>
        <translation>Koneksi aman ke server tidak dapat dibuat.</translation>
    </message>
    <message>
        <source>The server closed the connection before it answered.</source>
        <translation>Server menutup koneksi sebelum menjawab.</translation>
    </message>
    <message>
        <source>The network proxy couldn&apos;t be reached.</source>
        <translation>Proksi jaringan tidak dapat dijangkau.</translation>
    </message>
    <message>
        <source>The server couldn&apos;t be reached.</source>
        <translation>Server tidak dapat dijangkau.</translation>
    </message>
    <message>
        <source>Waiting for the network…</source>
        <translation>Menunggu jaringan…</translation>
    </message>
    <message>
        <source>%1 is taken by another program.</source>
        <translation>%1 sudah dipakai program lain.</translation>
    </message>
    <message>
        <source>%1 could not open again. Your choice takes effect the next time you start it.</source>
        <translation>%1 tidak dapat dibuka lagi. Pilihan Anda berlaku saat Anda memulainya lagi.</translation>
    </message>
    <message>
        <source>Downloading the model</source>
        <translation>Mengunduh model</translation>
    </message>
    <message numerus="yes">
        <source>These apps answer the Tab key before %app can, so %app stays paused in your other apps until they quit.</source>
        <translation>
            <numerusform>Aplikasi-aplikasi ini menjawab tombol Tab sebelum %app, jadi %app tetap dijeda di aplikasi lain sampai semuanya ditutup.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>It may be waiting on a dialog of its own. Force Quit closes it right away.</source>
        <translation>
            <numerusform>Mungkin sedang menunggu dialognya sendiri. Paksa keluar akan langsung menutupnya.</numerusform>
        </translation>
    </message>
    <message>
        <source>Set a Suggest Now shortcut in Keys to ask for suggestions</source>
        <translation>Atur pintasan Sarankan sekarang di bagian Tombol untuk meminta saran</translation>
    </message>
    <message>
        <source>Backspace</source>
        <comment>key above Enter that deletes backwards</comment>
        <translation>Backspace</translation>
    </message>
    <message>
        <source>0 words saved today</source>
        <translation>0 kata dihemat hari ini</translation>
    </message>
    <message>
        <source>words saved today</source>
        <comment>beside the count 0</comment>
        <translation>kata dihemat hari ini</translation>
    </message>
    <message>
        <source>Quit the other app</source>
        <translation>Keluar dari aplikasi lain itu</translation>
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
        <translation>Aplikasi lain itu juga berjalan</translation>
    </message>
    <message>
        <source>Both apps answer the Tab key, and the system gives it to the other app first. %app stays paused in your other apps until the other app quits.</source>
        <translation>Kedua aplikasi menjawab tombol Tab, dan sistem memberikannya lebih dulu ke aplikasi lain itu. %app tetap dijeda di aplikasi lain sampai aplikasi itu keluar.</translation>
    </message>
    <message>
        <source>The other app is still open</source>
        <translation>Aplikasi lain itu masih terbuka</translation>
    </message>
    <message>
        <source>The other app quit, so your suggestions are back in every app.</source>
        <translation>Aplikasi lain itu sudah keluar, jadi saran Anda kembali di semua aplikasi.</translation>
    </message>
    <message>
        <source>The other app quit. %app has the Tab key.</source>
        <translation>Aplikasi lain itu sudah keluar. Tombol Tab kini milik %app.</translation>
    </message>
</context>
</TS>
