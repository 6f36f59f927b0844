<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="bn" sourcelanguage="en">
<context>
    <name>Tessaquill</name>
    <message>
        <source>Accessibility is on. %app is ready in your other apps.</source>
        <translation>অ্যাক্সেসিবিলিটি চালু আছে। %app আপনার অন্য অ্যাপগুলোতে প্রস্তুত।</translation>
    </message>
    <message>
        <source>Paused while %1 is open</source>
        <translation>%1 খোলা থাকা পর্যন্ত বিরতিতে</translation>
    </message>
    <message>
        <source>Welcome to %app</source>
        <translation>%app-এ স্বাগতম</translation>
    </message>
    <message>
        <source>%app</source>
        <translation>%app</translation>
    </message>
    <message>
        <source>Another autocomplete app is running</source>
        <translation>অন্য একটি অটোকমপ্লিট অ্যাপ চলছে</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>প্রস্তুত</translation>
    </message>
    <message>
        <source>Waiting for a pause</source>
        <translation>বিরতির অপেক্ষায়</translation>
    </message>
    <message>
        <source>Thinking</source>
        <translation>ভাবছে</translation>
    </message>
    <message>
        <source>Showing a suggestion</source>
        <translation>একটি সাজেশন দেখাচ্ছে</translation>
    </message>
    <message>
        <source>The model took too long to answer</source>
        <translation>মডেল উত্তর দিতে খুব বেশি সময় নিয়েছে</translation>
    </message>
    <message>
        <source>This app doesn&apos;t report where the caret is</source>
        <translation>এই অ্যাপ ক্যারেট কোথায় তা জানায় না</translation>
    </message>
    <message>
        <source>%app is turned off</source>
        <translation>%app বন্ধ আছে</translation>
    </message>
    <message>
        <source>Secure input is on, so %app stays out</source>
        <translation>সুরক্ষিত ইনপুট চালু, তাই %app কাজ করছে না</translation>
    </message>
    <message>
        <source>Press %1 for a suggestion</source>
        <translation>সাজেশনের জন্য %1 চাপুন</translation>
    </message>
    <message>
        <source>Text is selected</source>
        <translation>টেক্সট নির্বাচিত আছে</translation>
    </message>
    <message>
        <source>The caret is inside existing text</source>
        <translation>ক্যারেট বিদ্যমান টেক্সটের ভেতরে</translation>
    </message>
    <message>
        <source>This field is too small</source>
        <translation>এই ফিল্ডটি খুব ছোট</translation>
    </message>
    <message>
        <source>Waiting for a few characters</source>
        <translation>কয়েকটি অক্ষরের অপেক্ষায়</translation>
    </message>
    <message>
        <source>Start of a new line</source>
        <translation>নতুন লাইনের শুরু</translation>
    </message>
    <message>
        <source>The model is still downloading</source>
        <translation>মডেল এখনও ডাউনলোড হচ্ছে</translation>
    </message>
    <message>
        <source>Download the %app model in Settings first</source>
        <translation>আগে সেটিংসে %app মডেল ডাউনলোড করুন</translation>
    </message>
    <message>
        <source>Not checked yet</source>
        <translation>এখনও যাচাই করা হয়নি</translation>
    </message>
    <message>
        <source>Checking…</source>
        <translation>যাচাই করা হচ্ছে…</translation>
    </message>
    <message>
        <source>The model stopped with error %1</source>
        <translation>মডেল ত্রুটি %1 নিয়ে থেমে গেছে</translation>
    </message>
    <message>
        <source>The model file couldn&apos;t be loaded</source>
        <translation>মডেল ফাইল লোড করা যায়নি</translation>
    </message>
    <message>
        <source>There wasn&apos;t enough memory to start the model</source>
        <translation>মডেল চালু করার মতো যথেষ্ট মেমরি ছিল না</translation>
    </message>
    <message>
        <source>The text couldn&apos;t be prepared for the model</source>
        <translation>টেক্সটটি মডেলের জন্য প্রস্তুত করা যায়নি</translation>
    </message>
    <message>
        <source>This computer needs %1 free for the download. Free up some space, then try again.</source>
        <translation>ডাউনলোডের জন্য এই কম্পিউটারে %1 খালি জায়গা দরকার। কিছু জায়গা খালি করে আবার চেষ্টা করুন।</translation>
    </message>
    <message>
        <source>The download didn&apos;t match the expected file, so it was deleted. Try again.</source>
        <translation>ডাউনলোড প্রত্যাশিত ফাইলের সঙ্গে মেলেনি, তাই মুছে ফেলা হয়েছে। আবার চেষ্টা করুন।</translation>
    </message>
    <message>
        <source>Downloaded</source>
        <translation>ডাউনলোড হয়েছে</translation>
    </message>
    <message>
        <source>Downloading. Suggestions start once it&apos;s done.</source>
        <translation>ডাউনলোড হচ্ছে। শেষ হলেই সাজেশন শুরু হবে।</translation>
    </message>
    <message>
        <source>Checking the download.</source>
        <translation>ডাউনলোড যাচাই করা হচ্ছে।</translation>
    </message>
    <message>
        <source>Checking the download. Suggestions start once it&apos;s done.</source>
        <translation>ডাউনলোড যাচাই করা হচ্ছে। শেষ হলেই সাজেশন শুরু হবে।</translation>
    </message>
    <message>
        <source>Download the model to start</source>
        <translation>শুরু করতে মডেল ডাউনলোড করুন</translation>
    </message>
    <message>
        <source>Ollama is running but has no models</source>
        <translation>Ollama চলছে, কিন্তু এতে কোনো মডেল নেই</translation>
    </message>
    <message>
        <source>Another app</source>
        <translation>অন্য একটি অ্যাপ</translation>
    </message>
    <message>
        <source>There is no D-Bus session bus, so %1 cannot reach text fields.</source>
        <translation>কোনো D-Bus সেশন বাস নেই, তাই %1 টেক্সট ফিল্ডে পৌঁছাতে পারে না।</translation>
    </message>
    <message>
        <source>The desktop&apos;s accessibility bus is not running, so %1 cannot reach text fields.</source>
        <translation>ডেস্কটপের অ্যাক্সেসিবিলিটি বাস চলছে না, তাই %1 টেক্সট ফিল্ডে পৌঁছাতে পারে না।</translation>
    </message>
    <message>
        <source>Short</source>
        <translation>ছোট</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>মাঝারি</translation>
    </message>
    <message>
        <source>Long</source>
        <translation>লম্বা</translation>
    </message>
    <message>
        <source>Hide the suggestion</source>
        <translation>সাজেশন লুকান</translation>
    </message>
    <message>
        <source>Hide suggestions until I change fields</source>
        <translation>ফিল্ড বদলানো পর্যন্ত সাজেশন লুকান</translation>
    </message>
    <message>
        <source>Do nothing, send Escape to the app</source>
        <translation>কিছু করবেন না, Escape অ্যাপে পাঠান</translation>
    </message>
    <message>
        <source>Type it</source>
        <translation>টাইপ করুন</translation>
    </message>
    <message>
        <source>Insert through Accessibility</source>
        <translation>অ্যাক্সেসিবিলিটির মাধ্যমে বসান</translation>
    </message>
    <message>
        <source>Paste it</source>
        <translation>পেস্ট করুন</translation>
    </message>
    <message>
        <source>Grey</source>
        <translation>ধূসর</translation>
    </message>
    <message>
        <source>Gold tint</source>
        <translation>সোনালি আভা</translation>
    </message>
    <message>
        <source>%app model</source>
        <translation>%app মডেল</translation>
    </message>
    <message>
        <source>Ollama</source>
        <translation>Ollama</translation>
    </message>
    <message>
        <source>Local server</source>
        <translation>লোকাল সার্ভার</translation>
    </message>
    <message>
        <source>Runs on this computer after a one-time download. Works offline.</source>
        <translation>একবার ডাউনলোডের পর এই কম্পিউটারেই চলে। অফলাইনে কাজ করে।</translation>
    </message>
    <message>
        <source>Any model you run in Ollama, base models included.</source>
        <translation>Ollama-তে আপনি যে মডেলই চালান, বেস মডেলসহ।</translation>
    </message>
    <message>
        <source>LM Studio, llama-server or any OpenAI-compatible endpoint.</source>
        <translation>LM Studio, llama-server বা যেকোনো OpenAI-সামঞ্জস্যপূর্ণ এন্ডপয়েন্ট।</translation>
    </message>
    <message>
        <source>Sends the text as keystrokes. Works almost everywhere.</source>
        <translation>টেক্সটকে কী-স্ট্রোক হিসেবে পাঠায়। প্রায় সব জায়গায় কাজ করে।</translation>
    </message>
    <message>
        <source>Uses the clipboard, then puts your clipboard back.</source>
        <translation>ক্লিপবোর্ড ব্যবহার করে, তারপর আপনার ক্লিপবোর্ড আগের মতো ফিরিয়ে দেয়।</translation>
    </message>
    <message>
        <source>Accessibility</source>
        <translation>অ্যাক্সেসিবিলিটি</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>পেস্ট</translation>
    </message>
    <message>
        <source>Your writing memory could not be opened and was set aside. Nothing new is remembered until %app starts again.</source>
        <translation>আপনার লেখার মেমরি খোলা যায়নি, তাই সেটি সরিয়ে রাখা হয়েছে। %app আবার চালু না হওয়া পর্যন্ত নতুন কিছু মনে রাখা হবে না।</translation>
    </message>
    <message>
        <source>Your writing memory could not be opened because its key could not be read from the keyring. Nothing new is remembered until %app starts again.</source>
        <translation>আপনার লেখার মেমরি খোলা যায়নি, কারণ কিরিং থেকে এর কী পড়া যায়নি। %app আবার চালু না হওয়া পর্যন্ত নতুন কিছু মনে রাখা হবে না।</translation>
    </message>
    <message>
        <source>Not Now</source>
        <translation>এখন নয়</translation>
    </message>
    <message>
        <source>Open the desktop&apos;s settings</source>
        <translation>ডেস্কটপের সেটিংস খুলুন</translation>
    </message>
    <message>
        <source>Don&apos;t remind me again</source>
        <translation>আর মনে করাবেন না</translation>
    </message>
    <message>
        <source>Open Playground</source>
        <translation>অনুশীলনের ফিল্ড খুলুন</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>সেটিংস</translation>
    </message>
    <message>
        <source>Quit %app</source>
        <translation>%app থেকে প্রস্থান করুন</translation>
    </message>
    <message>
        <source>Needs Accessibility access</source>
        <translation>অ্যাক্সেসিবিলিটি অনুমতি দরকার</translation>
    </message>
    <message>
        <source>Paused until you resume</source>
        <translation>আপনি আবার চালু না করা পর্যন্ত বিরতিতে</translation>
    </message>
    <message>
        <source>Paused until %1</source>
        <translation>%1 পর্যন্ত বিরতিতে</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>বন্ধ</translation>
    </message>
    <message numerus="yes">
        <source>Paused while %1 are open</source>
        <translation>
            <numerusform>%1 খোলা থাকা পর্যন্ত বিরতিতে</numerusform>
            <numerusform>%1 খোলা থাকা পর্যন্ত বিরতিতে</numerusform>
        </translation>
    </message>
    <message>
        <source>Grant Accessibility Access…</source>
        <translation>অ্যাক্সেসিবিলিটি অনুমতি দিন…</translation>
    </message>
    <message numerus="yes">
        <source>Force Quit %1</source>
        <translation>
            <numerusform>%1 জোর করে বন্ধ করুন</numerusform>
            <numerusform>%1 জোর করে বন্ধ করুন</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Quit %1</source>
        <translation>
            <numerusform>%1 বন্ধ করুন</numerusform>
            <numerusform>%1 বন্ধ করুন</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>words saved today</source>
        <translation>
            <numerusform>শব্দ আজ বাঁচানো হয়েছে</numerusform>
            <numerusform>শব্দ আজ বাঁচানো হয়েছে</numerusform>
        </translation>
    </message>
    <message>
        <source>Start typing anywhere. %app keeps count here.</source>
        <translation>যেকোনো জায়গায় টাইপ শুরু করুন। %app এখানে হিসাব রাখে।</translation>
    </message>
    <message>
        <source>Resume in %1</source>
        <translation>%1 অ্যাপে আবার চালু করুন</translation>
    </message>
    <message>
        <source>Pause in %1</source>
        <translation>%1 অ্যাপে বিরতি দিন</translation>
    </message>
    <message>
        <source>Resume Everywhere</source>
        <translation>সব জায়গায় আবার চালু করুন</translation>
    </message>
    <message>
        <source>Pause Everywhere</source>
        <translation>সব জায়গায় বিরতি দিন</translation>
    </message>
    <message>
        <source>For 15 Minutes</source>
        <translation>১৫ মিনিটের জন্য</translation>
    </message>
    <message>
        <source>For 1 Hour</source>
        <translation>১ ঘণ্টার জন্য</translation>
    </message>
    <message>
        <source>For 4 Hours</source>
        <translation>৪ ঘণ্টার জন্য</translation>
    </message>
    <message>
        <source>Until I Resume</source>
        <translation>আবার চালু না করা পর্যন্ত</translation>
    </message>
    <message>
        <source>Example: after typing %1, %2 suggests %3</source>
        <translation>উদাহরণ: %1 টাইপ করার পর %2 সাজেশন দেয়: %3</translation>
    </message>
    <message>
        <source>takes the next word</source>
        <translation>পরের শব্দটি নেয়</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>ডাউনলোড করুন</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>বাতিল</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 (মোট %2)</translation>
    </message>
    <message>
        <source>%1 of %2. You can keep writing while it downloads.</source>
        <translation>%1 (মোট %2)। ডাউনলোডের সময় আপনি লেখা চালিয়ে যেতে পারেন।</translation>
    </message>
    <message>
        <source>Checking the download</source>
        <translation>ডাউনলোড যাচাই করা হচ্ছে</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>আবার চেষ্টা করুন</translation>
    </message>
    <message>
        <source>Remove…</source>
        <translation>সরান…</translation>
    </message>
    <message>
        <source>%1 license</source>
        <translation>%1 লাইসেন্স</translation>
    </message>
    <message>
        <source>Remove the %app model?</source>
        <translation>%app মডেল সরাবেন?</translation>
    </message>
    <message>
        <source>Model download</source>
        <translation>মডেল ডাউনলোড</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>সরান</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>চালিয়ে যান</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>পরে</translation>
    </message>
    <message>
        <source>Start Writing</source>
        <translation>লেখা শুরু করুন</translation>
    </message>
    <message>
        <source>Finish your sentences in any app.</source>
        <translation>যেকোনো অ্যাপে আপনার বাক্য শেষ করুন।</translation>
    </message>
    <message>
        <source>%app reads the words before your caret and suggests what comes next in grey. Press Tab to take one word, or the key above Tab to take the rest. If you don&apos;t want it, keep typing.</source>
        <translation>%app আপনার ক্যারেটের আগের শব্দগুলো পড়ে এবং এরপর কী আসবে তা ধূসর রঙে সাজেশন দেয়। একটি শব্দ নিতে Tab চাপুন, বাকিটা নিতে Tab-এর ওপরের কী। না চাইলে টাইপ করে যান।</translation>
    </message>
    <message>
        <source>Sees what you see</source>
        <translation>আপনি যা দেখেন, তা-ই দেখে</translation>
    </message>
    <message>
        <source>Private</source>
        <translation>ব্যক্তিগত</translation>
    </message>
    <message>
        <source>It reads the window you&apos;re typing in, like the chat you&apos;re answering, so suggestions fit. None of it goes online, to us or any server. It stays private on your computer.</source>
        <translation>আপনি যে উইন্ডোতে টাইপ করছেন তা পড়ে, যেমন যে চ্যাটের উত্তর দিচ্ছেন, যাতে সাজেশন মানানসই হয়। এর কিছুই অনলাইনে যায় না, আমাদের কাছেও না, কোনো সার্ভারেও না। সবকিছু আপনার কম্পিউটারে ব্যক্তিগত থাকে।</translation>
    </message>
    <message>
        <source>Accessibility is on</source>
        <translation>অ্যাক্সেসিবিলিটি চালু আছে</translation>
    </message>
    <message>
        <source>%app can now read the field you&apos;re writing in and type suggestions for you.</source>
        <translation>%app এখন আপনি যে ফিল্ডে লিখছেন তা পড়তে এবং আপনার জন্য সাজেশন টাইপ করতে পারে।</translation>
    </message>
    <message>
        <source>Let %app see what you type.</source>
        <translation>আপনি কী টাইপ করেন, তা %app-কে দেখতে দিন।</translation>
    </message>
    <message>
        <source>%app reads your text when you pause and forgets it after one suggestion, unless you turn on writing memory.</source>
        <translation>আপনি থামলে %app আপনার টেক্সট পড়ে এবং একটি সাজেশনের পর তা ভুলে যায়, যদি না আপনি লেখার মেমরি চালু করেন।</translation>
    </message>
    <message>
        <source>%app skips password fields and anything else the system marks as secure.</source>
        <translation>%app পাসওয়ার্ড ফিল্ড এবং সিস্টেম যা কিছু সুরক্ষিত হিসেবে চিহ্নিত করে তা এড়িয়ে যায়।</translation>
    </message>
    <message>
        <source>Open Accessibility Settings</source>
        <translation>অ্যাক্সেসিবিলিটি সেটিংস খুলুন</translation>
    </message>
    <message>
        <source>Pick what writes your suggestions.</source>
        <translation>আপনার সাজেশন কে লিখবে, বেছে নিন।</translation>
    </message>
    <message>
        <source>You can change this any time in Settings.</source>
        <translation>সেটিংসে যেকোনো সময় এটি বদলাতে পারেন।</translation>
    </message>
    <message>
        <source>Give it a try.</source>
        <translation>চেষ্টা করে দেখুন।</translation>
    </message>
    <message>
        <source>Start typing a sentence. When grey words appear, press Tab for one word or the key above Tab for all of them.</source>
        <translation>একটি বাক্য টাইপ শুরু করুন। ধূসর শব্দ দেখা দিলে একটি শব্দের জন্য Tab চাপুন, অথবা সবগুলোর জন্য Tab-এর ওপরের কী।</translation>
    </message>
    <message>
        <source>Hi Orlenn, thanks for the quick reply. I think we should</source>
        <translation>হাই ওরলেন, দ্রুত উত্তরের জন্য ধন্যবাদ। আমার মনে হয় আমাদের</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>পিছনে</translation>
    </message>
    <message>
        <source>Practice field</source>
        <translation>অনুশীলনের ফিল্ড</translation>
    </message>
    <message>
        <source>Default, on</source>
        <translation>ডিফল্ট, চালু</translation>
    </message>
    <message>
        <source>Default, off</source>
        <translation>ডিফল্ট, বন্ধ</translation>
    </message>
    <message>
        <source>Add a website</source>
        <translation>একটি ওয়েবসাইট যোগ করুন</translation>
    </message>
    <message>
        <source>Domain</source>
        <translation>ডোমেইন</translation>
    </message>
    <message>
        <source>Rules for a site apply in any browser %app can read.</source>
        <translation>কোনো সাইটের নিয়ম %app পড়তে পারে এমন যেকোনো ব্রাউজারে প্রযোজ্য।</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>যোগ করুন</translation>
    </message>
    <message>
        <source>Add App…</source>
        <translation>অ্যাপ যোগ করুন…</translation>
    </message>
    <message>
        <source>Add an app</source>
        <translation>একটি অ্যাপ যোগ করুন</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>খুঁজুন</translation>
    </message>
    <message>
        <source>Clear search</source>
        <translation>খোঁজা মুছুন</translation>
    </message>
    <message>
        <source>Add an app or website</source>
        <translation>অ্যাপ বা ওয়েবসাইট যোগ করুন</translation>
    </message>
    <message>
        <source>Add Website…</source>
        <translation>ওয়েবসাইট যোগ করুন…</translation>
    </message>
    <message>
        <source>Apps &amp; Sites</source>
        <translation>অ্যাপ ও সাইট</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>বিরতিতে</translation>
    </message>
    <message>
        <source>Apps</source>
        <translation>অ্যাপ</translation>
    </message>
    <message>
        <source>Websites</source>
        <translation>ওয়েবসাইট</translation>
    </message>
    <message>
        <source>No matches</source>
        <translation>কোনো মিল নেই</translation>
    </message>
    <message>
        <source>No apps yet</source>
        <translation>এখনও কোনো অ্যাপ নেই</translation>
    </message>
    <message>
        <source>Nothing matches “%1”.</source>
        <translation>“%1” খুঁজে কিছু পাওয়া যায়নি।</translation>
    </message>
    <message>
        <source>Apps appear here once you accept a suggestion in them, or add one with +.</source>
        <translation>কোনো অ্যাপে সাজেশন গ্রহণ করলেই সেটি এখানে দেখা যায়, অথবা + দিয়ে একটি যোগ করুন।</translation>
    </message>
    <message>
        <source>Pick an app or site</source>
        <translation>একটি অ্যাপ বা সাইট বেছে নিন</translation>
    </message>
    <message>
        <source>Each one can have its own rules. Anything you don&apos;t change follows General.</source>
        <translation>প্রত্যেকটির নিজস্ব নিয়ম থাকতে পারে। আপনি যা বদলান না, তা “সাধারণ” অনুসরণ করে।</translation>
    </message>
    <message>
        <source>Words saved here</source>
        <translation>এখানে বাঁচানো শব্দ</translation>
    </message>
    <message>
        <source>Suggestions</source>
        <translation>সাজেশন</translation>
    </message>
    <message>
        <source>On</source>
        <translation>চালু</translation>
    </message>
    <message>
        <source>Tab accepts suggestions</source>
        <translation>Tab দিয়ে সাজেশন গ্রহণ</translation>
    </message>
    <message>
        <source>Turn off where Tab already means something, like indenting. The other accept key still works.</source>
        <translation>যেখানে Tab-এর আগে থেকেই কাজ আছে, যেমন ইনডেন্ট, সেখানে এটি বন্ধ করুন। অন্য গ্রহণ-কী তখনও কাজ করে।</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>ডিফল্ট</translation>
    </message>
    <message>
        <source>Insert by</source>
        <translation>বসানোর উপায়</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>দৈর্ঘ্য</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>আবার চালু করুন</translation>
    </message>
    <message>
        <source>Pause here</source>
        <translation>এখানে বিরতি দিন</translation>
    </message>
    <message>
        <source>Memory</source>
        <translation>মেমরি</translation>
    </message>
    <message>
        <source>Remember my writing here</source>
        <translation>এখানে আমার লেখা মনে রাখুন</translation>
    </message>
    <message>
        <source>Writing memory is off in Your Voice.</source>
        <translation>“আপনার লেখার ধরন”-এ লেখার মেমরি বন্ধ।</translation>
    </message>
    <message>
        <source>Erase…</source>
        <translation>মুছুন…</translation>
    </message>
    <message>
        <source>Reset to Defaults</source>
        <translation>ডিফল্টে ফেরান</translation>
    </message>
    <message>
        <source>Erase what %app remembered from %1?</source>
        <translation>%1 থেকে %app যা মনে রেখেছে তা মুছবেন?</translation>
    </message>
    <message>
        <source>Erase</source>
        <translation>মুছুন</translation>
    </message>
    <message>
        <source>Passages from this app can shape suggestions everywhere.</source>
        <translation>এই অ্যাপের অংশগুলো সব জায়গায় সাজেশনকে প্রভাবিত করতে পারে।</translation>
    </message>
    <message>
        <source>Finish setting up</source>
        <translation>সেটআপ শেষ করুন</translation>
    </message>
    <message>
        <source>Setup progress</source>
        <translation>সেটআপের অগ্রগতি</translation>
    </message>
    <message>
        <source>Done: %1</source>
        <translation>সম্পন্ন: %1</translation>
    </message>
    <message>
        <source>Best day yet!</source>
        <translation>এখন পর্যন্ত সেরা দিন!</translation>
    </message>
    <message>
        <source>Try it here</source>
        <translation>এখানে চেষ্টা করুন</translation>
    </message>
    <message>
        <source>Thanks for sending the draft over. I had a look and</source>
        <translation>খসড়াটি পাঠানোর জন্য ধন্যবাদ। আমি দেখলাম এবং</translation>
    </message>
    <message>
        <source>next word</source>
        <translation>পরের শব্দ</translation>
    </message>
    <message>
        <source>whole suggestion</source>
        <translation>পুরো সাজেশন</translation>
    </message>
    <message>
        <source>hide it</source>
        <translation>লুকান</translation>
    </message>
    <message>
        <source>This field runs the real engine. Start typing and grey words show up as you go.</source>
        <translation>এই ফিল্ডে আসল ইঞ্জিন চলে। টাইপ শুরু করুন, সঙ্গে সঙ্গে ধূসর শব্দ দেখা দেবে।</translation>
    </message>
    <message>
        <source>This field runs the real engine, even before you allow Accessibility. Start typing and grey words show up as you go.</source>
        <translation>এই ফিল্ডে আসল ইঞ্জিন চলে, অ্যাক্সেসিবিলিটির অনুমতি দেওয়ার আগেও। টাইপ শুরু করুন, সঙ্গে সঙ্গে ধূসর শব্দ দেখা দেবে।</translation>
    </message>
    <message>
        <source>You&apos;re all set</source>
        <translation>সব প্রস্তুত</translation>
    </message>
    <message>
        <source>Accessibility is on and %1 is ready. %app works in every app you type in.</source>
        <translation>অ্যাক্সেসিবিলিটি চালু এবং %1 প্রস্তুত। আপনি যে অ্যাপেই টাইপ করুন, %app সেখানে কাজ করে।</translation>
    </message>
    <message>
        <source>Waiting for %1 to quit</source>
        <translation>%1 বন্ধ হওয়ার অপেক্ষায়</translation>
    </message>
    <message>
        <source>Turned off</source>
        <translation>বন্ধ করা হয়েছে</translation>
    </message>
    <message>
        <source>Paused everywhere</source>
        <translation>সব জায়গায় বিরতিতে</translation>
    </message>
    <message>
        <source>%1, %2 typical wait</source>
        <translation>%1, সাধারণ অপেক্ষা %2</translation>
    </message>
    <message>
        <source>Start your streak today.</source>
        <translation>আজই আপনার ধারাবাহিকতা শুরু করুন।</translation>
    </message>
    <message>
        <source>Overview</source>
        <translation>সংক্ষিপ্ত বিবরণ</translation>
    </message>
    <message>
        <source>General</source>
        <translation>সাধারণ</translation>
    </message>
    <message>
        <source>Engine</source>
        <translation>ইঞ্জিন</translation>
    </message>
    <message>
        <source>Context</source>
        <translation>প্রসঙ্গ</translation>
    </message>
    <message>
        <source>Your Voice</source>
        <translation>আপনার লেখার ধরন</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>কী</translation>
    </message>
    <message>
        <source>Emoji</source>
        <translation>ইমোজি</translation>
    </message>
    <message>
        <source>Battery</source>
        <translation>ব্যাটারি</translation>
    </message>
    <message>
        <source>Insights</source>
        <translation>পরিসংখ্যান</translation>
    </message>
    <message>
        <source>Field Inspector</source>
        <translation>ফিল্ড পরিদর্শক</translation>
    </message>
    <message>
        <source>About</source>
        <translation>সম্পর্কে</translation>
    </message>
    <message>
        <source>How %app is doing today</source>
        <translation>আজ %app কেমন চলছে</translation>
    </message>
    <message>
        <source>Where and how suggestions appear</source>
        <translation>সাজেশন কোথায় ও কীভাবে দেখা যাবে</translation>
    </message>
    <message>
        <source>The model that writes your suggestions</source>
        <translation>যে মডেল আপনার সাজেশন লেখে</translation>
    </message>
    <message>
        <source>What %app may look at to guess better</source>
        <translation>ভালো অনুমানের জন্য %app কী দেখতে পারে</translation>
    </message>
    <message>
        <source>Help suggestions sound like you</source>
        <translation>সাজেশনকে আপনার মতো করে তুলুন</translation>
    </message>
    <message>
        <source>Accept, dismiss and summon suggestions</source>
        <translation>সাজেশন গ্রহণ, বাতিল ও ডেকে আনা</translation>
    </message>
    <message>
        <source>Emoji search and emoticons</source>
        <translation>ইমোজি খোঁজা ও ইমোটিকন</translation>
    </message>
    <message>
        <source>Rules for each app and website</source>
        <translation>প্রতিটি অ্যাপ ও ওয়েবসাইটের নিয়ম</translation>
    </message>
    <message>
        <source>Save power when you&apos;re unplugged</source>
        <translation>চার্জার না লাগানো থাকলে বিদ্যুৎ বাঁচান</translation>
    </message>
    <message>
        <source>Words saved and how fast suggestions arrive</source>
        <translation>বাঁচানো শব্দ এবং সাজেশন কত দ্রুত আসে</translation>
    </message>
    <message>
        <source>What %app sees in the focused field</source>
        <translation>ফোকাস করা ফিল্ডে %app কী দেখে</translation>
    </message>
    <message>
        <source>Version and privacy</source>
        <translation>সংস্করণ ও গোপনীয়তা</translation>
    </message>
    <message>
        <source>Writing</source>
        <translation>লেখা</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>ইনপুট</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>নিয়ম</translation>
    </message>
    <message>
        <source>Activity</source>
        <translation>কার্যকলাপ</translation>
    </message>
    <message>
        <source>%app can read the field you&apos;re typing in and insert suggestions in any app.</source>
        <translation>%app আপনি যে ফিল্ডে টাইপ করছেন তা পড়তে এবং যেকোনো অ্যাপে সাজেশন বসাতে পারে।</translation>
    </message>
    <message>
        <source>Allow Accessibility access</source>
        <translation>অ্যাক্সেসিবিলিটি অনুমতি দিন</translation>
    </message>
    <message>
        <source>%app needs it to read the text you type in other apps and to insert suggestions.</source>
        <translation>অন্য অ্যাপে আপনার টাইপ করা টেক্সট পড়তে ও সাজেশন বসাতে %app-এর এটি দরকার।</translation>
    </message>
    <message>
        <source>Allow…</source>
        <translation>অনুমতি দিন…</translation>
    </message>
    <message>
        <source>%1 is ready</source>
        <translation>%1 প্রস্তুত</translation>
    </message>
    <message>
        <source>Checking %1</source>
        <translation>%1 যাচাই করা হচ্ছে</translation>
    </message>
    <message>
        <source>This takes a moment.</source>
        <translation>এতে এক মুহূর্ত লাগে।</translation>
    </message>
    <message>
        <source>Your engine isn&apos;t ready</source>
        <translation>আপনার ইঞ্জিন প্রস্তুত নয়</translation>
    </message>
    <message>
        <source>Open Engine</source>
        <translation>ইঞ্জিন সেটিংস খুলুন</translation>
    </message>
    <message>
        <source>The system&apos;s predictions are off</source>
        <translation>সিস্টেমের পূর্বাভাস বন্ধ</translation>
    </message>
    <message>
        <source>Only %app&apos;s suggestions appear while you type.</source>
        <translation>টাইপ করার সময় শুধু %app-এর সাজেশন দেখা যায়।</translation>
    </message>
    <message>
        <source>Turn off the system&apos;s predictions</source>
        <translation>সিস্টেমের পূর্বাভাস বন্ধ করুন</translation>
    </message>
    <message>
        <source>The system shows its own grey suggestions on top of %app&apos;s. Each app picks up the change the next time you open it.</source>
        <translation>সিস্টেম %app-এর সাজেশনের ওপরে নিজের ধূসর সাজেশন দেখায়। পরের বার কোনো অ্যাপ খুললে পরিবর্তনটি সেখানে কার্যকর হবে।</translation>
    </message>
    <message>
        <source>Keyboard Settings</source>
        <translation>কিবোর্ড সেটিংস</translation>
    </message>
    <message>
        <source>Turn Off</source>
        <translation>বন্ধ করুন</translation>
    </message>
    <message>
        <source>Only %app is suggesting</source>
        <translation>শুধু %app সাজেশন দিচ্ছে</translation>
    </message>
    <message>
        <source>Tab reaches %app again.</source>
        <translation>Tab আবার %app-এর কাছে পৌঁছায়।</translation>
    </message>
    <message numerus="yes">
        <source>%1 didn&apos;t quit. They may be showing a dialog. Force Quit closes them right away.</source>
        <translation>
            <numerusform>%1 বন্ধ হয়নি। হয়তো এটি একটি ডায়ালগ দেখাচ্ছে। “জোর করে বন্ধ করুন” এটি সঙ্গে সঙ্গে বন্ধ করে।</numerusform>
            <numerusform>%1 বন্ধ হয়নি। হয়তো এগুলো ডায়ালগ দেখাচ্ছে। “জোর করে বন্ধ করুন” এগুলো সঙ্গে সঙ্গে বন্ধ করে।</numerusform>
        </translation>
    </message>
    <message>
        <source>Force Quit</source>
        <translation>জোর করে বন্ধ করুন</translation>
    </message>
    <message numerus="yes">
        <source>%1 take the Tab key before %app can, so %app stays paused in your other apps until you quit them.</source>
        <translation>
            <numerusform>%1 %app-এর আগেই Tab কী নিয়ে নেয়, তাই আপনি এটি বন্ধ না করা পর্যন্ত %app আপনার অন্য অ্যাপগুলোতে বিরতিতে থাকে।</numerusform>
            <numerusform>%1 %app-এর আগেই Tab কী নিয়ে নেয়, তাই আপনি এগুলো বন্ধ না করা পর্যন্ত %app আপনার অন্য অ্যাপগুলোতে বিরতিতে থাকে।</numerusform>
        </translation>
    </message>
    <message>
        <source>Only when I ask</source>
        <translation>শুধু আমি চাইলে</translation>
    </message>
    <message>
        <source>On battery, suggestions appear only after you press the Suggest Now shortcut.</source>
        <translation>ব্যাটারিতে থাকলে “এখনই সাজেশন” শর্টকাট চাপার পরেই শুধু সাজেশন দেখা যায়।</translation>
    </message>
    <message>
        <source>Shorter suggestions</source>
        <translation>ছোট সাজেশন</translation>
    </message>
    <message>
        <source>Fewer words take less power to write.</source>
        <translation>কম শব্দ লিখতে কম বিদ্যুৎ লাগে।</translation>
    </message>
    <message>
        <source>Lighter model</source>
        <translation>হালকা মডেল</translation>
    </message>
    <message>
        <source>Same as plugged in</source>
        <translation>চার্জারে থাকার মতোই</translation>
    </message>
    <message>
        <source>Running on battery. These apply right now.</source>
        <translation>ব্যাটারিতে চলছে। এগুলো এখনই প্রযোজ্য।</translation>
    </message>
    <message>
        <source>Plugged in. These wait until you unplug.</source>
        <translation>চার্জারে আছে। চার্জার খুলে ফেললে এগুলো প্রযোজ্য হবে।</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>মডেল</translation>
    </message>
    <message>
        <source>Model name</source>
        <translation>মডেলের নাম</translation>
    </message>
    <message>
        <source>Reload the model list</source>
        <translation>মডেলের তালিকা রিফ্রেশ করুন</translation>
    </message>
    <message>
        <source>Choose a model</source>
        <translation>একটি মডেল বেছে নিন</translation>
    </message>
    <message>
        <source>For people who already run Ollama, LM Studio or llama-server.</source>
        <translation>যাঁরা আগে থেকেই Ollama, LM Studio বা llama-server চালান, তাঁদের জন্য।</translation>
    </message>
    <message>
        <source>Use your own model</source>
        <translation>নিজের মডেল ব্যবহার করুন</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>ঠিকানা</translation>
    </message>
    <message>
        <source>API key</source>
        <translation>API কী</translation>
    </message>
    <message>
        <source>Only if your server asks for one</source>
        <translation>শুধু আপনার সার্ভার চাইলে</translation>
    </message>
    <message>
        <source>Focused</source>
        <translation>কেন্দ্রীভূত</translation>
    </message>
    <message>
        <source>Creativity</source>
        <translation>সৃজনশীলতা</translation>
    </message>
    <message>
        <source>Loose</source>
        <translation>মুক্ত</translation>
    </message>
    <message>
        <source>Lower stays close to the obvious next words. Higher tries more.</source>
        <translation>কম মান স্পষ্ট পরের শব্দের কাছাকাছি থাকে। বেশি মান বেশি চেষ্টা করে।</translation>
    </message>
    <message>
        <source>Wait before suggesting</source>
        <translation>সাজেশনের আগে অপেক্ষা</translation>
    </message>
    <message>
        <source>How long you pause before %app starts.</source>
        <translation>%app শুরু করার আগে আপনি কতক্ষণ থামেন।</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>চালান</translation>
    </message>
    <message>
        <source>Try the engine</source>
        <translation>ইঞ্জিন পরীক্ষা করুন</translation>
    </message>
    <message>
        <source>Sends a sample sentence and shows what comes back.</source>
        <translation>একটি নমুনা বাক্য পাঠায় এবং যা ফিরে আসে তা দেখায়।</translation>
    </message>
    <message>
        <source>Running…</source>
        <translation>চলছে…</translation>
    </message>
    <message>
        <source>The engine answered in %1 but had nothing useful to add.</source>
        <translation>ইঞ্জিন %1 সময়ে উত্তর দিয়েছে, কিন্তু যোগ করার মতো কিছু ছিল না।</translation>
    </message>
    <message>
        <source>That didn&apos;t work: %1</source>
        <translation>কাজ হয়নি: %1</translation>
    </message>
    <message>
        <source>The request was cancelled.</source>
        <translation>অনুরোধ বাতিল করা হয়েছে।</translation>
    </message>
    <message>
        <source>Startup</source>
        <translation>স্টার্টআপ</translation>
    </message>
    <message>
        <source>Launch at login</source>
        <translation>লগইনের সময় চালু করুন</translation>
    </message>
    <message>
        <source>Show today&apos;s word count next to the icon</source>
        <translation>আইকনের পাশে আজকের শব্দসংখ্যা দেখান</translation>
    </message>
    <message>
        <source>Where suggestions appear</source>
        <translation>সাজেশন কোথায় দেখা যাবে</translation>
    </message>
    <message>
        <source>Turn this off to use %app only in the apps you switch on under Apps &amp; Sites.</source>
        <translation>এটি বন্ধ করলে %app শুধু সেই অ্যাপগুলোতে চলবে যেগুলো আপনি “অ্যাপ ও সাইট”-এ চালু করেন।</translation>
    </message>
    <message>
        <source>By default %app waits until the caret is at the end of a line.</source>
        <translation>ডিফল্টভাবে %app অপেক্ষা করে যতক্ষণ না ক্যারেট লাইনের শেষে আসে।</translation>
    </message>
    <message>
        <source>Without this, %app skips search bars and one-word boxes.</source>
        <translation>এটি ছাড়া %app সার্চ বার এবং এক-শব্দের বক্স এড়িয়ে যায়।</translation>
    </message>
    <message>
        <source>Suggestions appear only after you press the Suggest Now shortcut.</source>
        <translation>“এখনই সাজেশন” শর্টকাট চাপার পরেই শুধু সাজেশন দেখা যায়।</translation>
    </message>
    <message>
        <source>Spelling</source>
        <translation>বানান</translation>
    </message>
    <message>
        <source>Waits while the word you&apos;re typing looks misspelled, so %app doesn&apos;t build on a typo.</source>
        <translation>টাইপ করা শব্দের বানান ভুল মনে হলে অপেক্ষা করে, যাতে %app টাইপোর ওপর ভিত্তি করে না এগোয়।</translation>
    </message>
    <message>
        <source>After a misspelled word, shows a fix next to the caret. Press Tab to swap it in.</source>
        <translation>ভুল বানানের শব্দের পর ক্যারেটের পাশে সংশোধন দেখায়। বদলাতে Tab চাপুন।</translation>
    </message>
    <message>
        <source>Look</source>
        <translation>চেহারা</translation>
    </message>
    <message>
        <source>Suggestion color</source>
        <translation>সাজেশনের রং</translation>
    </message>
    <message>
        <source>Text size</source>
        <translation>টেক্সটের আকার</translation>
    </message>
    <message>
        <source>Fine-tune if suggestions look larger or smaller than your text.</source>
        <translation>সাজেশন আপনার টেক্সটের চেয়ে বড় বা ছোট দেখালে এটি ঠিক করুন।</translation>
    </message>
    <message>
        <source>Vertical position</source>
        <translation>ওপর-নিচের অবস্থান</translation>
    </message>
    <message>
        <source>Nudge suggestions up or down to line up with your text.</source>
        <translation>আপনার টেক্সটের সঙ্গে মেলাতে সাজেশন একটু ওপরে বা নিচে সরান।</translation>
    </message>
    <message>
        <source>A small keycap after your first suggestions, as a reminder of what to press.</source>
        <translation>প্রথম কয়েকটি সাজেশনের পর একটি ছোট কী-চিহ্ন, কী চাপতে হবে তা মনে করাতে।</translation>
    </message>
    <message>
        <source>Insert suggestions by</source>
        <translation>সাজেশন বসানোর উপায়</translation>
    </message>
    <message>
        <source>Other autocomplete apps</source>
        <translation>অন্য অটোকমপ্লিট অ্যাপ</translation>
    </message>
    <message>
        <source>They take the Tab key before %app can. With this off, %app asks you first.</source>
        <translation>এগুলো %app-এর আগেই Tab কী নিয়ে নেয়। এটি বন্ধ থাকলে %app আগে আপনাকে জিজ্ঞেস করে।</translation>
    </message>
    <message>
        <source>%1 is another device on your network, so the text around your caret will be sent there.</source>
        <translation>%1 আপনার নেটওয়ার্কের অন্য একটি ডিভাইস, তাই আপনার ক্যারেটের আশপাশের টেক্সট সেখানে পাঠানো হবে।</translation>
    </message>
    <message>
        <source>%1 isn&apos;t this computer, so the text around your caret will be sent there.</source>
        <translation>%1 এই কম্পিউটার নয়, তাই আপনার ক্যারেটের আশপাশের টেক্সট সেখানে পাঠানো হবে।</translation>
    </message>
    <message>
        <source>Both keep your text on this computer.</source>
        <translation>দুটিই আপনার টেক্সট এই কম্পিউটারেই রাখে।</translation>
    </message>
    <message>
        <source>%app opens by itself when you start your computer.</source>
        <translation>কম্পিউটার চালু করলে %app নিজে থেকেই খোলে।</translation>
    </message>
    <message>
        <source>System predictions</source>
        <translation>সিস্টেমের পূর্বাভাস</translation>
    </message>
    <message>
        <source>The system can show its own grey predictions. Keeping them off avoids two suggestions at once.</source>
        <translation>সিস্টেম নিজের ধূসর পূর্বাভাস দেখাতে পারে। এগুলো বন্ধ রাখলে একসঙ্গে দুটি সাজেশন দেখা যায় না।</translation>
    </message>
    <message>
        <source>System predictions are on</source>
        <translation>সিস্টেমের পূর্বাভাস চালু</translation>
    </message>
    <message>
        <source>System predictions are off</source>
        <translation>সিস্টেমের পূর্বাভাস বন্ধ</translation>
    </message>
    <message>
        <source>tab</source>
        <translation>tab</translation>
    </message>
    <message>
        <source>Your next words, one Tab away.</source>
        <translation>আপনার পরের শব্দ, মাত্র এক Tab দূরে।</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>এড়িয়ে যান</translation>
    </message>
    <message>
        <source>Get Started</source>
        <translation>শুরু করুন</translation>
    </message>
    <message>
        <source>Turn sound on</source>
        <translation>শব্দ চালু করুন</translation>
    </message>
    <message>
        <source>Turn sound off</source>
        <translation>শব্দ বন্ধ করুন</translation>
    </message>
    <message>
        <source>The other app</source>
        <translation>অন্য অ্যাপটি</translation>
    </message>
    <message numerus="yes">
        <source>Next time, quit %1 without asking</source>
        <translation>
            <numerusform>পরের বার জিজ্ঞেস না করেই %1 বন্ধ করুন</numerusform>
            <numerusform>পরের বার জিজ্ঞেস না করেই %1 বন্ধ করুন</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 is also running</source>
        <translation>
            <numerusform>%1 অ্যাপটিও চলছে</numerusform>
            <numerusform>%1 অ্যাপগুলোও চলছে</numerusform>
        </translation>
    </message>
    <message>
        <source>Quitting…</source>
        <translation>বন্ধ হচ্ছে…</translation>
    </message>
    <message numerus="yes">
        <source>%1 is still open</source>
        <translation>
            <numerusform>%1 এখনও খোলা</numerusform>
            <numerusform>%1 এখনও খোলা</numerusform>
        </translation>
    </message>
    <message>
        <source>%app has the Tab key</source>
        <translation>Tab কী এখন %app-এর</translation>
    </message>
    <message>
        <source>%1 quit, so your suggestions are back in every app.</source>
        <translation>%1 বন্ধ হয়েছে, তাই আপনার সাজেশন সব অ্যাপে ফিরে এসেছে।</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>সম্পন্ন</translation>
    </message>
    <message>
        <source>Open Source Notices</source>
        <translation>ওপেন সোর্স নোটিশ</translation>
    </message>
    <message>
        <source>Reset all settings?</source>
        <translation>সব সেটিংস রিসেট করবেন?</translation>
    </message>
    <message>
        <source>This also clears your rules for apps and sites. Your statistics and writing memory stay.</source>
        <translation>এতে অ্যাপ ও সাইটের জন্য আপনার নিয়মও মুছে যায়। আপনার পরিসংখ্যান ও লেখার মেমরি থেকে যায়।</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>রিসেট করুন</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>সংস্করণ %1</translation>
    </message>
    <message>
        <source>Some apps hide their text</source>
        <translation>কিছু অ্যাপ তাদের টেক্সট লুকিয়ে রাখে</translation>
    </message>
    <message>
        <source>Suggest emoji after a colon</source>
        <translation>কোলনের পর ইমোজি সাজেশন দিন</translation>
    </message>
    <message>
        <source>Turn emoticons into emoji</source>
        <translation>ইমোটিকনকে ইমোজিতে বদলান</translation>
    </message>
    <message>
        <source>After :-) or &lt;3, %app offers the matching emoji. Press Tab to swap it in.</source>
        <translation>:-) বা &lt;3-এর পর %app মানানসই ইমোজি দেখায়। বদলাতে Tab চাপুন।</translation>
    </message>
    <message>
        <source>Skin tone</source>
        <translation>ত্বকের রং</translation>
    </message>
    <message>
        <source>Also show the default yellow</source>
        <translation>ডিফল্ট হলুদও দেখান</translation>
    </message>
    <message>
        <source>Try a word</source>
        <translation>একটি শব্দ চেষ্টা করুন</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>কম</translation>
    </message>
    <message>
        <source>No emoji match “%1”</source>
        <translation>“%1” খুঁজে কোনো ইমোজি পাওয়া যায়নি</translation>
    </message>
    <message>
        <source>Accepting</source>
        <translation>গ্রহণ</translation>
    </message>
    <message>
        <source>Take the next word</source>
        <translation>পরের শব্দ নিন</translation>
    </message>
    <message>
        <source>Press again for each following word.</source>
        <translation>প্রতিটি পরের শব্দের জন্য আবার চাপুন।</translation>
    </message>
    <message>
        <source>Take the whole suggestion</source>
        <translation>পুরো সাজেশন নিন</translation>
    </message>
    <message>
        <source>The key above Tab is easy to reach on most keyboards.</source>
        <translation>বেশিরভাগ কিবোর্ডে Tab-এর ওপরের কী সহজেই হাতের নাগালে।</translation>
    </message>
    <message>
        <source>Include the space after a word</source>
        <translation>শব্দের পরের স্পেসও নিন</translation>
    </message>
    <message>
        <source>Include punctuation right after a word</source>
        <translation>শব্দের ঠিক পরের যতিচিহ্নও নিন</translation>
    </message>
    <message>
        <source>When you press Escape</source>
        <translation>Escape চাপলে</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>শর্টকাট</translation>
    </message>
    <message>
        <source>Suggest now</source>
        <translation>এখনই সাজেশন</translation>
    </message>
    <message>
        <source>Asks for a suggestion right away, even where %app would normally wait.</source>
        <translation>সঙ্গে সঙ্গে সাজেশন চায়, এমনকি যেখানে %app সাধারণত অপেক্ষা করত।</translation>
    </message>
    <message>
        <source>Other suggestions</source>
        <translation>অন্যান্য সাজেশন</translation>
    </message>
    <message>
        <source>Lists a few different ways to continue. Choose with the arrow keys, then press Tab.</source>
        <translation>এগিয়ে যাওয়ার কয়েকটি ভিন্ন উপায় দেখায়। তীর-কী দিয়ে বেছে নিন, তারপর Tab চাপুন।</translation>
    </message>
    <message>
        <source>Pause or resume in this app</source>
        <translation>এই অ্যাপে বিরতি বা আবার চালু</translation>
    </message>
    <message>
        <source>Pauses for 15 minutes.</source>
        <translation>১৫ মিনিটের জন্য বিরতি দেয়।</translation>
    </message>
    <message>
        <source>Turn %app on or off</source>
        <translation>%app চালু বা বন্ধ করুন</translation>
    </message>
    <message>
        <source>Everywhere, until you press it again.</source>
        <translation>সব জায়গায়, যতক্ষণ না আবার চাপেন।</translation>
    </message>
    <message>
        <source>Pause or resume</source>
        <translation>বিরতি বা আবার চালু</translation>
    </message>
    <message>
        <source>Turn on or off</source>
        <translation>চালু বা বন্ধ করুন</translation>
    </message>
    <message>
        <source>%1 and %2 use the same keys. Only the first will work.</source>
        <translation>%1 ও %2 একই কী ব্যবহার করে। শুধু প্রথমটি কাজ করবে।</translation>
    </message>
    <message>
        <source>About you</source>
        <translation>আপনার সম্পর্কে</translation>
    </message>
    <message>
        <source>For example: I&apos;m a product designer in Berlin. I write short, friendly emails in British English and sign off with Cheers.</source>
        <translation>উদাহরণ: আমি বার্লিনে একজন প্রোডাক্ট ডিজাইনার। আমি ব্রিটিশ ইংরেজিতে ছোট, বন্ধুত্বপূর্ণ ইমেল লিখি এবং শেষে Cheers লিখি।</translation>
    </message>
    <message>
        <source>Your role, the languages you write in, names you use often, how you like to sound.</source>
        <translation>আপনার ভূমিকা, যে ভাষায় লেখেন, যে নামগুলো প্রায়ই ব্যবহার করেন, কেমন শোনাতে চান।</translation>
    </message>
    <message>
        <source>Writing memory</source>
        <translation>লেখার মেমরি</translation>
    </message>
    <message>
        <source>Remember how I write</source>
        <translation>আমি কীভাবে লিখি তা মনে রাখুন</translation>
    </message>
    <message>
        <source>Also remember fields where I accept nothing</source>
        <translation>যেসব ফিল্ডে আমি কিছু গ্রহণ করি না, সেগুলোও মনে রাখুন</translation>
    </message>
    <message>
        <source>%app learns your style sooner but keeps more of what you type.</source>
        <translation>%app আপনার লেখার ধরন দ্রুত শেখে, কিন্তু আপনার টাইপ করা লেখার বেশি অংশ রাখে।</translation>
    </message>
    <message>
        <source>Influence</source>
        <translation>প্রভাব</translation>
    </message>
    <message>
        <source>Strong</source>
        <translation>বেশি</translation>
    </message>
    <message>
        <source>How many of your passages each suggestion can draw on.</source>
        <translation>প্রতিটি সাজেশন আপনার কতগুলো অংশের সাহায্য নিতে পারে।</translation>
    </message>
    <message>
        <source>Erase All…</source>
        <translation>সব মুছুন…</translation>
    </message>
    <message>
        <source>Erase everything %app remembered?</source>
        <translation>%app যা কিছু মনে রেখেছে, সব মুছবেন?</translation>
    </message>
    <message>
        <source>This can&apos;t be undone.</source>
        <translation>এটি আর ফেরানো যাবে না।</translation>
    </message>
    <message>
        <source>Erase All</source>
        <translation>সব মুছুন</translation>
    </message>
    <message>
        <source>Nothing remembered yet</source>
        <translation>এখনও কিছু মনে রাখা হয়নি</translation>
    </message>
    <message>
        <source>App and window name</source>
        <translation>অ্যাপ ও উইন্ডোর নাম</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>ওয়েবসাইট</translation>
    </message>
    <message>
        <source>The site&apos;s domain when you write in a browser.</source>
        <translation>ব্রাউজারে লেখার সময় সাইটের ডোমেইন।</translation>
    </message>
    <message>
        <source>Recently copied text</source>
        <translation>সম্প্রতি কপি করা টেক্সট</translation>
    </message>
    <message>
        <source>Anything you copied in the last 10 minutes. Copies from password managers are skipped.</source>
        <translation>গত ১০ মিনিটে কপি করা যেকোনো কিছু। পাসওয়ার্ড ম্যানেজার থেকে কপি করা টেক্সট বাদ দেওয়া হয়।</translation>
    </message>
    <message>
        <source>Text on screen</source>
        <translation>স্ক্রিনের টেক্সট</translation>
    </message>
    <message>
        <source>Reads the window you&apos;re writing in, so replies fit the conversation. It picks the lines closest to where you type.</source>
        <translation>আপনি যে উইন্ডোতে লিখছেন তা পড়ে, যাতে উত্তর কথোপকথনের সঙ্গে মেলে। আপনি যেখানে টাইপ করছেন তার সবচেয়ে কাছের লাইনগুলো বেছে নেয়।</translation>
    </message>
    <message>
        <source>What you just looked at</source>
        <translation>আপনি এইমাত্র যা দেখলেন</translation>
    </message>
    <message>
        <source>Windows beside you</source>
        <translation>পাশের উইন্ডো</translation>
    </message>
    <message>
        <source>Also reads up to two other windows on the same screen, like the document you&apos;re replying about. Skips password managers and apps you switched off.</source>
        <translation>একই স্ক্রিনের আরও দুটি পর্যন্ত উইন্ডো পড়ে, যেমন যে নথি নিয়ে আপনি উত্তর দিচ্ছেন। পাসওয়ার্ড ম্যানেজার এবং আপনার বন্ধ করা অ্যাপ এড়িয়ে যায়।</translation>
    </message>
    <message>
        <source>Off in this app</source>
        <translation>এই অ্যাপে বন্ধ</translation>
    </message>
    <message>
        <source>This word looks misspelled</source>
        <translation>এই শব্দের বানান ভুল মনে হচ্ছে</translation>
    </message>
    <message>
        <source>Thanks for the notes. I&apos;ll send the revised deck</source>
        <translation>নোটগুলোর জন্য ধন্যবাদ। সংশোধিত ডেকটি</translation>
    </message>
    <message>
        <source> by Friday morning.</source>
        <translation> শুক্রবার সকালের মধ্যে পাঠাব।</translation>
    </message>
    <message>
        <source>%1 quit. %app has the Tab key.</source>
        <translation>%1 বন্ধ হয়েছে। Tab কী এখন %app-এর।</translation>
    </message>
    <message>
        <source>Open Data Folder</source>
        <translation>ডেটা ফোল্ডার খুলুন</translation>
    </message>
    <message>
        <source>Show Welcome Again</source>
        <translation>স্বাগত পর্দা আবার দেখান</translation>
    </message>
    <message>
        <source>Play Intro Again</source>
        <translation>পরিচিতি আবার চালান</translation>
    </message>
    <message>
        <source>Reset Settings…</source>
        <translation>সেটিংস রিসেট করুন…</translation>
    </message>
    <message>
        <source>Suggest in every app</source>
        <translation>সব অ্যাপে সাজেশন দিন</translation>
    </message>
    <message>
        <source>Suggest in code editors</source>
        <translation>কোড এডিটরে সাজেশন দিন</translation>
    </message>
    <message>
        <source>Suggest in the middle of a line</source>
        <translation>লাইনের মাঝখানে সাজেশন দিন</translation>
    </message>
    <message>
        <source>Suggest in small fields</source>
        <translation>ছোট ফিল্ডে সাজেশন দিন</translation>
    </message>
    <message>
        <source>Hold back on misspelled words</source>
        <translation>ভুল বানানের শব্দে থামুন</translation>
    </message>
    <message>
        <source>Offer spelling fixes</source>
        <translation>বানান সংশোধনের প্রস্তাব দিন</translation>
    </message>
    <message>
        <source>Show the key hint</source>
        <translation>কী-এর ইঙ্গিত দেখান</translation>
    </message>
    <message>
        <source>Quit other autocomplete apps when they open</source>
        <translation>অন্য অটোকমপ্লিট অ্যাপ খুললে সেগুলো বন্ধ করুন</translation>
    </message>
    <message>
        <source>Keeps a few minutes of text from windows you switched away from, like a page you read before replying. It stays on your computer and skips apps you switched off.</source>
        <translation>যেসব উইন্ডো থেকে সরে গেছেন, সেগুলোর কয়েক মিনিটের টেক্সট রাখে, যেমন উত্তর দেওয়ার আগে পড়া কোনো পেজ। এটি আপনার কম্পিউটারেই থাকে এবং আপনার বন্ধ করা অ্যাপ এড়িয়ে যায়।</translation>
    </message>
    <message numerus="yes">
        <source>Both apps answer the Tab key, and the system gives it to %1 first. %app stays paused in your other apps until %1 quits.</source>
        <translation>
            <numerusform>দুটি অ্যাপই Tab কী-তে সাড়া দেয়, আর সিস্টেম সেটি আগে %1 অ্যাপকে দেয়। %1 বন্ধ না হওয়া পর্যন্ত %app আপনার অন্য অ্যাপগুলোতে বিরতিতে থাকে।</numerusform>
            <numerusform>%1 %app-এর আগেই Tab কী নিয়ে নেয়, তাই আপনি এগুলো বন্ধ না করা পর্যন্ত %app আপনার অন্য অ্যাপগুলোতে বিরতিতে থাকে।</numerusform>
        </translation>
    </message>
    <message>
        <source>Finishes your sentences in any app, on your computer.</source>
        <translation>আপনার কম্পিউটারে, যেকোনো অ্যাপে আপনার বাক্য শেষ করে।</translation>
    </message>
    <message>
        <source>Keeps short passages from fields where you accepted a suggestion, encrypted on this computer, and shows them to the model as examples.</source>
        <translation>যেসব ফিল্ডে আপনি সাজেশন গ্রহণ করেছেন, সেগুলোর ছোট অংশ এই কম্পিউটারে এনক্রিপ্ট করে রাখে এবং উদাহরণ হিসেবে মডেলকে দেখায়।</translation>
    </message>
    <message>
        <source>Light</source>
        <comment>skin tone</comment>
        <translation>হালকা</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ঠিক আছে</translation>
    </message>
    <message>
        <source>Default</source>
        <comment>skin tone</comment>
        <translation>ডিফল্ট</translation>
    </message>
    <message>
        <source>Medium light</source>
        <comment>skin tone</comment>
        <translation>মাঝারি হালকা</translation>
    </message>
    <message>
        <source>Medium</source>
        <comment>skin tone</comment>
        <translation>মাঝারি</translation>
    </message>
    <message>
        <source>Medium dark</source>
        <comment>skin tone</comment>
        <translation>মাঝারি গাঢ়</translation>
    </message>
    <message>
        <source>Dark</source>
        <comment>skin tone</comment>
        <translation>গাঢ়</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>অজানা</translation>
    </message>
    <message>
        <source>%1 × %2 pt</source>
        <translation>%1 × %2 pt</translation>
    </message>
    <message>
        <source>No</source>
        <translation>না</translation>
    </message>
    <message>
        <source>Not reported, estimated from the caret</source>
        <translation>জানানো হয়নি, ক্যারেট থেকে আনুমানিক</translation>
    </message>
    <message>
        <source>%1 %2 pt</source>
        <translation>%1 %2 pt</translation>
    </message>
    <message>
        <source>System</source>
        <translation>সিস্টেম</translation>
    </message>
    <message>
        <source>Not yet</source>
        <translation>এখনও নয়</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>আজ</translation>
    </message>
    <message>
        <source>Last 7 days</source>
        <translation>গত ৭ দিন</translation>
    </message>
    <message>
        <source>All time</source>
        <translation>সব সময়</translation>
    </message>
    <message>
        <source>Typing saved</source>
        <translation>বাঁচানো টাইপিং</translation>
    </message>
    <message>
        <source>at 40 words a minute</source>
        <translation>মিনিটে ৪০ শব্দ হিসেবে</translation>
    </message>
    <message>
        <source>Accepted</source>
        <translation>গৃহীত</translation>
    </message>
    <message>
        <source>of suggestions shown</source>
        <translation>দেখানো সাজেশনের মধ্যে</translation>
    </message>
    <message>
        <source>Typical wait</source>
        <translation>সাধারণ অপেক্ষা</translation>
    </message>
    <message>
        <source>9 in 10 under %1</source>
        <translation>১০ বারের মধ্যে ৯ বার %1 সময়ের কম</translation>
    </message>
    <message>
        <source>no requests yet</source>
        <translation>এখনও কোনো অনুরোধ নেই</translation>
    </message>
    <message>
        <source>Words saved</source>
        <translation>বাঁচানো শব্দ</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>সময়সীমা</translation>
    </message>
    <message>
        <source>Nothing to chart yet</source>
        <translation>চার্টে দেখানোর মতো এখনও কিছু নেই</translation>
    </message>
    <message>
        <source>Accept a few suggestions and your days show up here.</source>
        <translation>কয়েকটি সাজেশন গ্রহণ করুন, আপনার দিনগুলো এখানে দেখা যাবে।</translation>
    </message>
    <message>
        <source>Where you write</source>
        <translation>আপনি কোথায় লেখেন</translation>
    </message>
    <message>
        <source>Reset Statistics…</source>
        <translation>পরিসংখ্যান রিসেট করুন…</translation>
    </message>
    <message>
        <source>Reset all statistics?</source>
        <translation>সব পরিসংখ্যান রিসেট করবেন?</translation>
    </message>
    <message>
        <source>This clears words saved, acceptance and timing history.</source>
        <translation>এতে বাঁচানো শব্দ, গ্রহণ ও সময়ের ইতিহাস মুছে যায়।</translation>
    </message>
    <message>
        <source>Copy Diagnostics</source>
        <translation>ডায়াগনস্টিক কপি করুন</translation>
    </message>
    <message>
        <source>Diagnostics leave out the text you typed.</source>
        <translation>ডায়াগনস্টিকে আপনার টাইপ করা টেক্সট থাকে না।</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>অবস্থা</translation>
    </message>
    <message>
        <source>Right now</source>
        <translation>এই মুহূর্তে</translation>
    </message>
    <message>
        <source>Allowed</source>
        <translation>অনুমতি আছে</translation>
    </message>
    <message>
        <source>Not allowed</source>
        <translation>অনুমতি নেই</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>কিবোর্ড</translation>
    </message>
    <message>
        <source>Listening</source>
        <translation>শুনছে</translation>
    </message>
    <message>
        <source>Not listening</source>
        <translation>শুনছে না</translation>
    </message>
    <message>
        <source>Focused field</source>
        <translation>ফোকাস করা ফিল্ড</translation>
    </message>
    <message>
        <source>Click into a text field in another app, then come back. The last field %1 saw stays here.</source>
        <translation>অন্য অ্যাপের একটি টেক্সট ফিল্ডে ক্লিক করুন, তারপর ফিরে আসুন। %1 শেষ যে ফিল্ড দেখেছে তা এখানে থাকে।</translation>
    </message>
    <message>
        <source>App</source>
        <translation>অ্যাপ</translation>
    </message>
    <message>
        <source>Field type</source>
        <translation>ফিল্ডের ধরন</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>উইন্ডো</translation>
    </message>
    <message>
        <source>Field size</source>
        <translation>ফিল্ডের আকার</translation>
    </message>
    <message>
        <source>Caret found</source>
        <translation>ক্যারেট পাওয়া গেছে</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>ফন্ট</translation>
    </message>
    <message>
        <source>At end of line</source>
        <translation>লাইনের শেষে</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>হ্যাঁ</translation>
    </message>
    <message>
        <source>Secure input</source>
        <translation>সুরক্ষিত ইনপুট</translation>
    </message>
    <message>
        <source>Looked at lately</source>
        <translation>সম্প্রতি দেখা</translation>
    </message>
    <message>
        <source>Text before the caret</source>
        <translation>ক্যারেটের আগের টেক্সট</translation>
    </message>
    <message>
        <source>Last request</source>
        <translation>শেষ অনুরোধ</translation>
    </message>
    <message>
        <source>Wait</source>
        <translation>অপেক্ষা</translation>
    </message>
    <message>
        <source>Suggestion</source>
        <translation>সাজেশন</translation>
    </message>
    <message>
        <source>Prompt sent to the engine</source>
        <translation>ইঞ্জিনে পাঠানো প্রম্পট</translation>
    </message>
    <message>
        <source>Raw answer</source>
        <translation>কাঁচা উত্তর</translation>
    </message>
    <message>
        <source>(empty)</source>
        <translation>(ফাঁকা)</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>কপি হয়েছে</translation>
    </message>
    <message>
        <source>Choose a language</source>
        <translation>একটি ভাষা বেছে নিন</translation>
    </message>
    <message>
        <source>Search languages</source>
        <translation>ভাষা খুঁজুন</translation>
    </message>
    <message>
        <source>Same as my computer</source>
        <translation>আমার কম্পিউটারের মতো</translation>
    </message>
    <message>
        <source>Switch to %1?</source>
        <translation>ভাষা বদলে %1 করবেন?</translation>
    </message>
    <message>
        <source>%1 closes and opens again in a second. Your settings stay as they are.</source>
        <translation>%1 বন্ধ হয়ে এক সেকেন্ডের মধ্যে আবার খুলবে। আপনার সেটিংস যেমন আছে তেমনই থাকবে।</translation>
    </message>
    <message>
        <source>Reopen Now</source>
        <translation>এখনই আবার খুলুন</translation>
    </message>
    <message>
        <source>App language</source>
        <translation>অ্যাপের ভাষা</translation>
    </message>
    <message>
        <source>Pick the language you read most easily. Suggestions follow whatever language you type.</source>
        <translation>যে ভাষা আপনি সবচেয়ে সহজে পড়েন তা বেছে নিন। আপনি যে ভাষায় টাইপ করেন, সাজেশন সেই ভাষাতেই আসে।</translation>
    </message>
    <message>
        <source>Change the app language</source>
        <translation>অ্যাপের ভাষা বদলান</translation>
    </message>
    <message>
        <source>0 min</source>
        <translation>০ মিনিট</translation>
    </message>
    <message>
        <source>under a minute</source>
        <translation>এক মিনিটের কম</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 সে.</translation>
    </message>
    <message>
        <source>Not set</source>
        <translation>সেট করা নেই</translation>
    </message>
    <message>
        <source>Clear shortcut</source>
        <translation>শর্টকাট মুছুন</translation>
    </message>
    <message>
        <source>Add Ctrl, Alt or Super so normal typing still works.</source>
        <translation>Ctrl, Alt বা Super যোগ করুন, যাতে সাধারণ টাইপিং কাজ করে।</translation>
    </message>
    <message>
        <source>Type a shortcut…</source>
        <translation>একটি শর্টকাট টাইপ করুন…</translation>
    </message>
    <message>
        <source>Recording shortcut</source>
        <translation>শর্টকাট রেকর্ড হচ্ছে</translation>
    </message>
    <message>
        <source>Shortcut %1</source>
        <translation>শর্টকাট %1</translation>
    </message>
    <message>
        <source>Record shortcut</source>
        <translation>শর্টকাট রেকর্ড করুন</translation>
    </message>
    <message>
        <source>Shortcut not set</source>
        <translation>শর্টকাট সেট করা নেই</translation>
    </message>
    <message>
        <source>Press to record a new shortcut. Escape cancels.</source>
        <translation>নতুন শর্টকাট রেকর্ড করতে চাপুন। Escape বাতিল করে।</translation>
    </message>
    <message>
        <source>Your tray icon is hidden</source>
        <translation>আপনার ট্রে আইকন লুকানো</translation>
    </message>
    <message>
        <source>This computer has no on-device language model</source>
        <translation>এই কম্পিউটারে কোনো অন-ডিভাইস ভাষা মডেল নেই</translation>
    </message>
    <message>
        <source>Turn on the on-device model in the desktop&apos;s settings</source>
        <translation>ডেস্কটপের সেটিংসে অন-ডিভাইস মডেল চালু করুন</translation>
    </message>
    <message>
        <source>The on-device model is unavailable</source>
        <translation>অন-ডিভাইস মডেল উপলব্ধ নয়</translation>
    </message>
    <message>
        <source>Downloading. The on-device model fills in until it&apos;s done.</source>
        <translation>ডাউনলোড হচ্ছে। শেষ না হওয়া পর্যন্ত অন-ডিভাইস মডেল কাজ চালায়।</translation>
    </message>
    <message>
        <source>The on-device model fills in until you download it.</source>
        <translation>আপনি ডাউনলোড না করা পর্যন্ত অন-ডিভাইস মডেল কাজ চালায়।</translation>
    </message>
    <message>
        <source>%1 shares no text. Quit it and start it with %2 to get suggestions in it.</source>
        <translation>%1 কোনো টেক্সট শেয়ার করে না। এতে সাজেশন পেতে এটি বন্ধ করে %2 দিয়ে চালু করুন।</translation>
    </message>
    <message>
        <source>On-device model</source>
        <translation>অন-ডিভাইস মডেল</translation>
    </message>
    <message>
        <source>The system&apos;s own language model. Nothing to download.</source>
        <translation>সিস্টেমের নিজস্ব ভাষা মডেল। কিছু ডাউনলোড করতে হবে না।</translation>
    </message>
    <message>
        <source>A website name cannot hold spaces, tabs or line breaks.</source>
        <translation>ওয়েবসাইটের নামে স্পেস, ট্যাব বা লাইন ব্রেক থাকতে পারে না।</translation>
    </message>
    <message>
        <source>Only addresses that start with http or https can be added.</source>
        <translation>শুধু http বা https দিয়ে শুরু হওয়া ঠিকানা যোগ করা যায়।</translation>
    </message>
    <message>
        <source>That is not a website name. Type one such as wikipedia.org.</source>
        <translation>এটি কোনো ওয়েবসাইটের নাম নয়। wikipedia.org-এর মতো একটি নাম টাইপ করুন।</translation>
    </message>
    <message>
        <source>A port is a number from 1 to 65535.</source>
        <translation>পোর্ট হলো ১ থেকে ৬৫৫৩৫-এর মধ্যে একটি সংখ্যা।</translation>
    </message>
    <message>
        <source>The on-device model fills in until the download is done.</source>
        <translation>ডাউনলোড শেষ না হওয়া পর্যন্ত অন-ডিভাইস মডেল কাজ চালায়।</translation>
    </message>
    <message>
        <source>Suggestions start once the download is done.</source>
        <translation>ডাউনলোড শেষ হলেই সাজেশন শুরু হবে।</translation>
    </message>
    <message>
        <source>This frees %1. The on-device model fills in until you download it again.</source>
        <translation>এতে %1 খালি হবে। আবার ডাউনলোড না করা পর্যন্ত অন-ডিভাইস মডেল কাজ চালায়।</translation>
    </message>
    <message>
        <source>This frees %1. The %app model can&apos;t suggest until you download it again.</source>
        <translation>এতে %1 খালি হবে। আবার ডাউনলোড না করা পর্যন্ত %app মডেল সাজেশন দিতে পারবে না।</translation>
    </message>
    <message>
        <source>There&apos;s no room for it, or your panel has no system tray. Add the panel&apos;s system tray or status area applet in its settings.</source>
        <translation>এর জন্য জায়গা নেই, অথবা আপনার প্যানেলে সিস্টেম ট্রে নেই। প্যানেলের সেটিংসে সিস্টেম ট্রে বা স্ট্যাটাস এরিয়া অ্যাপলেট যোগ করুন।</translation>
    </message>
    <message>
        <source>GNOME shows tray icons only with the AppIndicator extension. Install the gnome-shell-extension-appindicator package, log out and in, then turn it on in Extensions.</source>
        <translation>GNOME শুধু AppIndicator এক্সটেনশন থাকলে ট্রে আইকন দেখায়। gnome-shell-extension-appindicator প্যাকেজ ইনস্টল করুন, লগ আউট করে আবার লগ ইন করুন, তারপর “এক্সটেনশন”-এ এটি চালু করুন।</translation>
    </message>
    <message>
        <source>GNOME shows tray icons only with the AppIndicator extension. It is installed but off: turn it on in Extensions.</source>
        <translation>GNOME শুধু AppIndicator এক্সটেনশন থাকলে ট্রে আইকন দেখায়। এটি ইনস্টল করা আছে কিন্তু বন্ধ: “এক্সটেনশন”-এ এটি চালু করুন।</translation>
    </message>
    <message>
        <source>Until then, open %app from your applications menu to reach Settings.</source>
        <translation>ততক্ষণ সেটিংসে যেতে অ্যাপ্লিকেশন মেনু থেকে %app খুলুন।</translation>
    </message>
    <message>
        <source>Open Extensions</source>
        <translation>“এক্সটেনশন” খুলুন</translation>
    </message>
    <message>
        <source>Show Count in Tray</source>
        <translation>ট্রেতে সংখ্যা দেখান</translation>
    </message>
    <message>
        <source>%1 shares no text</source>
        <translation>%1 কোনো টেক্সট শেয়ার করে না</translation>
    </message>
    <message>
        <source>Copy command</source>
        <translation>কমান্ড কপি করুন</translation>
    </message>
    <message>
        <source>There&apos;s no account and no analytics. With the %app model or the on-device model, your text stays on this computer.</source>
        <translation>কোনো অ্যাকাউন্ট নেই, কোনো অ্যানালিটিক্সও নেই। %app মডেল বা অন-ডিভাইস মডেলে আপনার টেক্সট এই কম্পিউটারেই থাকে।</translation>
    </message>
    <message>
        <source>There&apos;s no account and no analytics. With the %app model, your text stays on this computer.</source>
        <translation>কোনো অ্যাকাউন্ট নেই, কোনো অ্যানালিটিক্সও নেই। %app মডেলে আপনার টেক্সট এই কম্পিউটারেই থাকে।</translation>
    </message>
    <message>
        <source>%app lives in your system tray from now on. Click its icon to pause it in an app or open Settings.</source>
        <translation>এখন থেকে %app আপনার সিস্টেম ট্রেতে থাকে। কোনো অ্যাপে বিরতি দিতে বা সেটিংস খুলতে এর আইকনে ক্লিক করুন।</translation>
    </message>
    <message>
        <source>%app has no account, no analytics and no servers of its own. The %app model and the on-device model keep your text on this computer. Other engines get it only if you set one up.</source>
        <translation>%app-এর কোনো অ্যাকাউন্ট, অ্যানালিটিক্স বা নিজস্ব সার্ভার নেই। %app মডেল ও অন-ডিভাইস মডেল আপনার টেক্সট এই কম্পিউটারেই রাখে। অন্য ইঞ্জিন তা পায় শুধু যদি আপনি সেগুলোর একটি সেট আপ করেন।</translation>
    </message>
    <message>
        <source>%app has no account, no analytics and no servers of its own. The %app model keeps your text on this computer. Other engines get it only if you set one up.</source>
        <translation>%app-এর কোনো অ্যাকাউন্ট, অ্যানালিটিক্স বা নিজস্ব সার্ভার নেই। %app মডেল আপনার টেক্সট এই কম্পিউটারেই রাখে। অন্য ইঞ্জিন তা পায় শুধু যদি আপনি সেগুলোর একটি সেট আপ করেন।</translation>
    </message>
    <message>
        <source>Installed applications</source>
        <translation>ইনস্টল করা অ্যাপ্লিকেশন</translation>
    </message>
    <message>
        <source>%app reads these only while making a suggestion and never saves them. With the %app model or the on-device model, nothing leaves your computer.</source>
        <translation>%app এগুলো শুধু সাজেশন তৈরির সময় পড়ে এবং কখনও সংরক্ষণ করে না। %app মডেল বা অন-ডিভাইস মডেলে কিছুই আপনার কম্পিউটারের বাইরে যায় না।</translation>
    </message>
    <message>
        <source>%app reads these only while making a suggestion and never saves them. With the %app model, nothing leaves your computer.</source>
        <translation>%app এগুলো শুধু সাজেশন তৈরির সময় পড়ে এবং কখনও সংরক্ষণ করে না। %app মডেলে কিছুই আপনার কম্পিউটারের বাইরে যায় না।</translation>
    </message>
    <message>
        <source>The %app model keeps your text on this computer.</source>
        <translation>%app মডেল আপনার টেক্সট এই কম্পিউটারেই রাখে।</translation>
    </message>
    <message>
        <source>The key holds a line break or another control character. Paste it again without them.</source>
        <translation>কী-তে একটি লাইন ব্রেক বা অন্য কন্ট্রোল অক্ষর আছে। সেগুলো বাদ দিয়ে আবার পেস্ট করুন।</translation>
    </message>
    <message>
        <source>Waiting for the keyring to store the key.</source>
        <translation>কিরিং কী সংরক্ষণ করার অপেক্ষায়।</translation>
    </message>
    <message>
        <source>The keyring cannot keep this key, so it is used only until %app quits.</source>
        <translation>কিরিং এই কী রাখতে পারে না, তাই %app বন্ধ না হওয়া পর্যন্তই এটি ব্যবহার হবে।</translation>
    </message>
    <message>
        <source>Show in the system tray</source>
        <translation>সিস্টেম ট্রেতে দেখান</translation>
    </message>
    <message>
        <source>Pause or open Settings from the system tray. Hidden? Open %app from your applications menu to come back.</source>
        <translation>সিস্টেম ট্রে থেকে বিরতি দিন বা সেটিংস খুলুন। লুকানো? ফিরে আসতে অ্যাপ্লিকেশন মেনু থেকে %app খুলুন।</translation>
    </message>
    <message>
        <source>This tray can&apos;t show text beside icons, so the count shows in the icon&apos;s tooltip.</source>
        <translation>এই ট্রে আইকনের পাশে টেক্সট দেখাতে পারে না, তাই সংখ্যাটি আইকনের টুলটিপে দেখা যায়।</translation>
    </message>
    <message>
        <source>VS Code, VSCodium, Cursor, Zed, Kate, Sublime Text, JetBrains IDEs and similar apps.</source>
        <translation>VS Code, VSCodium, Cursor, Zed, Kate, Sublime Text, JetBrains IDE এবং এ ধরনের অ্যাপ।</translation>
    </message>
    <message>
        <source>Your settings could not be read, so they were set aside and %app started over with its defaults.</source>
        <translation>আপনার সেটিংস পড়া যায়নি, তাই সেগুলো সরিয়ে রাখা হয়েছে এবং %app ডিফল্ট সেটিংস নিয়ে নতুন করে শুরু হয়েছে।</translation>
    </message>
    <message>
        <source>Your settings are not saved: %app cannot write to its settings folder.</source>
        <translation>আপনার সেটিংস সংরক্ষিত হচ্ছে না: %app তার সেটিংস ফোল্ডারে লিখতে পারছে না।</translation>
    </message>
    <message>
        <source>Your app and website rules could not be read, so they were set aside.</source>
        <translation>আপনার অ্যাপ ও ওয়েবসাইটের নিয়ম পড়া যায়নি, তাই সেগুলো সরিয়ে রাখা হয়েছে।</translation>
    </message>
    <message>
        <source>Your statistics could not be read, so they were set aside and counting started over.</source>
        <translation>আপনার পরিসংখ্যান পড়া যায়নি, তাই সেগুলো সরিয়ে রাখা হয়েছে এবং গণনা নতুন করে শুরু হয়েছে।</translation>
    </message>
    <message>
        <source>Not saved: %app cannot write to its data folder.</source>
        <translation>সংরক্ষিত হয়নি: %app তার ডেটা ফোল্ডারে লিখতে পারছে না।</translation>
    </message>
    <message numerus="yes">
        <source>%Ln suggestions. %1 selected</source>
        <translation>
            <numerusform>%Lnটি সাজেশন। নির্বাচিত: %1</numerusform>
            <numerusform>%Lnটি সাজেশন। নির্বাচিত: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln min</source>
        <translation>
            <numerusform>%Ln মিনিট</numerusform>
            <numerusform>%Ln মিনিট</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln words</source>
        <translation>
            <numerusform>%Lnটি শব্দ</numerusform>
            <numerusform>%Lnটি শব্দ</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln passages from here</source>
        <translation>
            <numerusform>এখান থেকে %Lnটি অংশ</numerusform>
            <numerusform>এখান থেকে %Lnটি অংশ</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>words</source>
        <comment>unit after a count</comment>
        <translation>
            <numerusform>শব্দ</numerusform>
            <numerusform>শব্দ</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln days</source>
        <translation>
            <numerusform>%Ln দিন</numerusform>
            <numerusform>%Ln দিন</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Words saved per day over the last %Ln days</source>
        <translation>
            <numerusform>গত %Ln দিনে প্রতিদিন বাঁচানো শব্দ</numerusform>
            <numerusform>গত %Ln দিনে প্রতিদিন বাঁচানো শব্দ</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln day streak</source>
        <translation>
            <numerusform>টানা %Ln দিন</numerusform>
            <numerusform>টানা %Ln দিন</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln passages remembered</source>
        <translation>
            <numerusform>%Lnটি অংশ মনে রাখা হয়েছে</numerusform>
            <numerusform>%Lnটি অংশ মনে রাখা হয়েছে</numerusform>
        </translation>
    </message>
    <message>
        <source>enter</source>
        <translation>enter</translation>
    </message>
    <message>
        <source>Allow screen capture so %app can read those too. Most apps work without it.</source>
        <translation>স্ক্রিন ক্যাপচারের অনুমতি দিন, যাতে %app সেগুলোও পড়তে পারে। বেশিরভাগ অ্যাপ এটি ছাড়াই কাজ করে।</translation>
    </message>
    <message>
        <source>Type a colon and a word, like :rocket, then press Tab or Enter to pick.</source>
        <translation>একটি কোলন ও একটি শব্দ টাইপ করুন, যেমন :rocket, তারপর বেছে নিতে Tab বা Enter চাপুন।</translation>
    </message>
    <message>
        <source>You can switch memory off for single apps under Apps &amp; Sites. The key that unlocks it lives in your keyring.</source>
        <translation>“অ্যাপ ও সাইট”-এ আলাদা আলাদা অ্যাপের জন্য মেমরি বন্ধ করতে পারেন। এটি খোলার কী আপনার কিরিংয়ে থাকে।</translation>
    </message>
    <message numerus="yes">
        <source>%Ln emoji. %1 selected</source>
        <translation>
            <numerusform>%Lnটি ইমোজি। নির্বাচিত: %1</numerusform>
            <numerusform>%Lnটি ইমোজি। নির্বাচিত: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Suggestion: %1</source>
        <translation>সাজেশন: %1</translation>
    </message>
    <message numerus="yes">
        <source>%Ln models available</source>
        <translation>
            <numerusform>%Lnটি মডেল উপলব্ধ</numerusform>
            <numerusform>%Lnটি মডেল উপলব্ধ</numerusform>
        </translation>
    </message>
    <message>
        <source>The model couldn&apos;t be saved: %1</source>
        <translation>মডেল সংরক্ষণ করা যায়নি: %1</translation>
    </message>
    <message>
        <source>Ollama isn&apos;t running.</source>
        <translation>Ollama চলছে না।</translation>
    </message>
    <message>
        <source>Ollama isn&apos;t running at %1.</source>
        <translation>Ollama চলছে না (ঠিকানা: %1)।</translation>
    </message>
    <message>
        <source>No server answered.</source>
        <translation>কোনো সার্ভার সাড়া দেয়নি।</translation>
    </message>
    <message>
        <source>No server answered at %1.</source>
        <translation>কোনো সার্ভার সাড়া দেয়নি (ঠিকানা: %1)।</translation>
    </message>
    <message>
        <source>Range: %1</source>
        <translation>সময়সীমা: %1</translation>
    </message>
    <message numerus="yes">
        <source>%1, %Ln to do</source>
        <translation>
            <numerusform>%1, বাকি %Ln</numerusform>
            <numerusform>%1, বাকি %Ln</numerusform>
        </translation>
    </message>
    <message>
        <source>Type the whole name of the website, such as wikipedia.org.</source>
        <translation>ওয়েবসাইটের পুরো নাম টাইপ করুন, যেমন wikipedia.org।</translation>
    </message>
    <message>
        <source>The key holds a space, an invisible character or a letter outside plain ASCII. Paste it again exactly as your server gave it.</source>
        <translation>কী-তে একটি স্পেস, অদৃশ্য অক্ষর বা সাধারণ ASCII-এর বাইরের অক্ষর আছে। আপনার সার্ভার যেভাবে দিয়েছে ঠিক সেভাবে আবার পেস্ট করুন।</translation>
    </message>
    <message>
        <source>The keyring could not be read, so your server is asked without an API key. Type the key again if your server needs one.</source>
        <translation>কিরিং পড়া যায়নি, তাই API কী ছাড়াই আপনার সার্ভারে অনুরোধ পাঠানো হচ্ছে। আপনার সার্ভারে API কী লাগলে সেটি আবার টাইপ করুন।</translation>
    </message>
    <message>
        <source>Your writing memory could not be opened, so it was set aside and %app started a new one.</source>
        <translation>আপনার লেখার মেমরি খোলা যায়নি, তাই সেটি সরিয়ে রাখা হয়েছে এবং %app একটি নতুন মেমরি শুরু করেছে।</translation>
    </message>
    <message>
        <source>%1, converted for llama.cpp by %2</source>
        <translation>%1, llama.cpp-এর জন্য রূপান্তর করেছে %2</translation>
    </message>
    <message>
        <source>The data folder %1 could not be made. Check that the folder above it exists and that you may write there.</source>
        <translation>ডেটা ফোল্ডার %1 তৈরি করা যায়নি। দেখুন এর উপরের ফোল্ডারটি আছে কি না এবং সেখানে আপনি লিখতে পারেন কি না।</translation>
    </message>
    <message>
        <source>party</source>
        <comment>emoji search sample</comment>
        <translation>পার্টি</translation>
    </message>
    <message numerus="yes">
        <source>%Ln settings held values %app cannot use, so they were corrected and saved.</source>
        <translation>
            <numerusform>%Lnটি সেটিংয়ে এমন মান ছিল যা %app ব্যবহার করতে পারে না, তাই সেটি ঠিক করে সংরক্ষণ করা হয়েছে।</numerusform>
            <numerusform>%Lnটি সেটিংয়ে এমন মান ছিল যা %app ব্যবহার করতে পারে না, তাই সেগুলো ঠিক করে সংরক্ষণ করা হয়েছে।</numerusform>
        </translation>
    </message>
    <message>
        <source>Your writing memory is not saved: the keyring is missing or locked, so its key cannot be kept.</source>
        <translation>আপনার লেখার মেমরি সংরক্ষণ করা হচ্ছে না: কিরিং নেই বা লক করা আছে, তাই মেমরির কী রাখা যাচ্ছে না।</translation>
    </message>
    <message>
        <source>That address isn&apos;t valid</source>
        <translation>এই ঠিকানাটি বৈধ নয়</translation>
    </message>
    <message>
        <source>The request timed out.</source>
        <translation>অনুরোধের সময় শেষ হয়ে গেছে।</translation>
    </message>
    <message>
        <source>The server&apos;s reply was too long, so it was stopped.</source>
        <translation>সার্ভারের উত্তর খুব দীর্ঘ ছিল, তাই থামানো হয়েছে।</translation>
    </message>
    <message>
        <source>The server answered %1.</source>
        <translation>সার্ভার %1 উত্তর দিয়েছে।</translation>
    </message>
    <message>
        <source>The server answered %1: %2</source>
        <translation>সার্ভার %1 উত্তর দিয়েছে: %2</translation>
    </message>
    <message>
        <source>The download server answered %1. Try again later.</source>
        <translation>ডাউনলোড সার্ভার %1 উত্তর দিয়েছে। পরে আবার চেষ্টা করুন।</translation>
    </message>
    <message>
        <source>The download couldn&apos;t be saved: %1</source>
        <translation>ডাউনলোড সংরক্ষণ করা যায়নি: %1</translation>
    </message>
    <message>
        <source>The download paused because the connection dropped. Try again to pick up where it stopped.</source>
        <translation>সংযোগ বিচ্ছিন্ন হওয়ায় ডাউনলোড বিরতিতে আছে। যেখানে থেমেছিল সেখান থেকে চালিয়ে যেতে আবার চেষ্টা করুন।</translation>
    </message>
    <message>
        <source>The download stopped. Check your connection, then try again.</source>
        <translation>ডাউনলোড থেমে গেছে। আপনার সংযোগ দেখে নিন, তারপর আবার চেষ্টা করুন।</translation>
    </message>
    <message>
        <source>Pick an Ollama model in Settings</source>
        <translation>সেটিংসে একটি Ollama মডেল বেছে নিন</translation>
    </message>
    <message>
        <source>Pick a model for your local server</source>
        <translation>আপনার লোকাল সার্ভারের জন্য একটি মডেল বেছে নিন</translation>
    </message>
    <message>
        <source>The server&apos;s answer is not HTTP.</source>
        <translation>সার্ভারের উত্তর HTTP নয়।</translation>
    </message>
    <message>
        <source>The data couldn&apos;t be read because it is missing.</source>
        <translation>ডেটা পড়া যায়নি কারণ এটি নেই।</translation>
    </message>
    <message>
        <source>The data couldn&apos;t be read because it isn&apos;t in the correct format.</source>
        <translation>ডেটা পড়া যায়নি কারণ এটি সঠিক ফরম্যাটে নেই।</translation>
    </message>
    <message>
        <source>:%1:</source>
        <comment>emoji name</comment>
        <translation>:%1:</translation>
    </message>
    <message>
        <source>This computer has no on-device language model.</source>
        <translation>এই কম্পিউটারে কোনো অন-ডিভাইস ভাষা মডেল নেই।</translation>
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
        <translation>%1 সাইটে বিরতিতে</translation>
    </message>
    <message>
        <source>Paused in %1</source>
        <translation>%1 অ্যাপে বিরতিতে</translation>
    </message>
    <message>
        <source>Off on %1</source>
        <translation>%1 সাইটে বন্ধ</translation>
    </message>
    <message>
        <source>Off in %1</source>
        <translation>%1 অ্যাপে বন্ধ</translation>
    </message>
    <message>
        <source>Off in %1 by default</source>
        <translation>%1 অ্যাপে ডিফল্টভাবে বন্ধ</translation>
    </message>
    <message>
        <source>Off in code editors</source>
        <translation>কোড এডিটরে বন্ধ</translation>
    </message>
    <message>
        <source>Off unless turned on per app</source>
        <translation>প্রতি অ্যাপে চালু না করলে বন্ধ</translation>
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
        <translation>স্পেস</translation>
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
        <translation>কী %1</translation>
    </message>
    <message>
        <source>An email reply reads differently from a commit message.</source>
        <translation>ইমেইলের উত্তর আর কমিট মেসেজ আলাদা ভঙ্গিতে লেখা হয়।</translation>
    </message>
    <message>
        <source>Writes straight into the field. Cleanest in GTK and Qt apps.</source>
        <translation>সরাসরি ফিল্ডে লেখে। GTK ও Qt অ্যাপে সবচেয়ে পরিচ্ছন্ন।</translation>
    </message>
    <message>
        <source>Typing</source>
        <comment>insertion method</comment>
        <translation>টাইপিং</translation>
    </message>
    <message>
        <source>%1 h</source>
        <comment>hours with one decimal, such as 1.5</comment>
        <translation>%1 ঘণ্টা</translation>
    </message>
    <message numerus="yes">
        <source>%Ln h</source>
        <translation>
            <numerusform>%Ln ঘণ্টা</numerusform>
            <numerusform>%Ln ঘণ্টা</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln ms</source>
        <translation>
            <numerusform>%Ln মি.সে.</numerusform>
            <numerusform>%Ln মি.সে.</numerusform>
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
        <translation>%1। %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>screen-reader name: one item of a list, then the next</comment>
        <translation>%1, %2</translation>
    </message>
    <message numerus="yes">
        <source>%Ln words saved today</source>
        <translation>
            <numerusform>%Lnটি শব্দ আজ বাঁচানো হয়েছে</numerusform>
            <numerusform>%Lnটি শব্দ আজ বাঁচানো হয়েছে</numerusform>
        </translation>
    </message>
    <message>
        <source>Under a minute of typing saved today.</source>
        <translation>আজ এক মিনিটেরও কম টাইপিং বাঁচানো হয়েছে।</translation>
    </message>
    <message>
        <source>About %1 of typing saved today.</source>
        <translation>আজ প্রায় %1 টাইপিং বাঁচানো হয়েছে।</translation>
    </message>
    <message numerus="yes">
        <source>Step %1 of %Ln</source>
        <translation>
            <numerusform>%Lnটির মধ্যে ধাপ %1</numerusform>
            <numerusform>%Lnটির মধ্যে ধাপ %1</numerusform>
        </translation>
    </message>
    <message>
        <source>%app reads and types into text fields through the desktop&apos;s accessibility support, which some desktops leave off. %app uses it only for the field you&apos;re writing in.</source>
        <translation>%app ডেস্কটপের অ্যাক্সেসিবিলিটি সাপোর্টের মাধ্যমে টেক্সট ফিল্ড পড়ে ও তাতে টাইপ করে; কিছু ডেস্কটপে এটি বন্ধ থাকে। %app এটি শুধু আপনি যে ফিল্ডে লিখছেন তার জন্যই ব্যবহার করে।</translation>
    </message>
    <message>
        <source>The button switches the desktop&apos;s accessibility support on. If the desktop&apos;s settings open instead, turn accessibility on there, then come back. This page updates by itself.</source>
        <translation>বোতামটি ডেস্কটপের অ্যাক্সেসিবিলিটি সাপোর্ট চালু করে। এর বদলে ডেস্কটপের সেটিংস খুললে সেখানে অ্যাক্সেসিবিলিটি চালু করুন, তারপর ফিরে আসুন। এই পাতা নিজে থেকেই আপডেট হয়।</translation>
    </message>
    <message>
        <source>Still off? Some desktops start their accessibility service only when you log in. Log out and back in, then try again.</source>
        <translation>এখনও বন্ধ? কিছু ডেস্কটপ লগ ইন করার সময়েই অ্যাক্সেসিবিলিটি সার্ভিস চালু করে। লগ আউট করে আবার লগ ইন করুন, তারপর আবার চেষ্টা করুন।</translation>
    </message>
    <message>
        <source>Pause</source>
        <comment>section header</comment>
        <translation>বিরতি</translation>
    </message>
    <message>
        <source>Pause</source>
        <comment>button</comment>
        <translation>বিরতি দিন</translation>
    </message>
    <message>
        <source>typing</source>
        <comment>insertion method, in a sentence</comment>
        <translation>টাইপিং</translation>
    </message>
    <message>
        <source>accessibility</source>
        <comment>insertion method, in a sentence</comment>
        <translation>অ্যাক্সেসিবিলিটি</translation>
    </message>
    <message>
        <source>paste</source>
        <comment>insertion method, in a sentence</comment>
        <translation>পেস্ট</translation>
    </message>
    <message>
        <source>short</source>
        <comment>suggestion length, in a sentence</comment>
        <translation>ছোট</translation>
    </message>
    <message>
        <source>medium</source>
        <comment>suggestion length, in a sentence</comment>
        <translation>মাঝারি</translation>
    </message>
    <message>
        <source>long</source>
        <comment>suggestion length, in a sentence</comment>
        <translation>লম্বা</translation>
    </message>
    <message>
        <source>Default follows General: %1, %2 suggestions.</source>
        <translation>ডিফল্ট “সাধারণ” অনুযায়ী: %1, %2 সাজেশন।</translation>
    </message>
    <message>
        <source>Yes, at %1, %2 on screen, %3 pt tall, %4 and %5</source>
        <translation>হ্যাঁ, স্ক্রিনে %1, %2 অবস্থানে, %3 pt উঁচু, %4 এবং %5</translation>
    </message>
    <message numerus="yes">
        <source>%Ln characters before it</source>
        <translation>
            <numerusform>আগে %Lnটি অক্ষর</numerusform>
            <numerusform>আগে %Lnটি অক্ষর</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln after</source>
        <comment>characters after the caret</comment>
        <translation>
            <numerusform>পরে %Lnটি</numerusform>
            <numerusform>পরে %Lnটি</numerusform>
        </translation>
    </message>
    <message>
        <source>No system tray runs on this desktop, so the icon cannot show. %1</source>
        <translation>এই ডেস্কটপে কোনো সিস্টেম ট্রে চলছে না, তাই আইকনটি দেখানো যাচ্ছে না। %1</translation>
    </message>
    <message>
        <source>Typing</source>
        <comment>section header</comment>
        <translation>টাইপিং</translation>
    </message>
    <message>
        <source>Switch to the computer&apos;s language?</source>
        <translation>কম্পিউটারের ভাষায় বদলাবেন?</translation>
    </message>
    <message numerus="yes">
        <source>%Ln words this week.</source>
        <translation>
            <numerusform>এই সপ্তাহে %Lnটি শব্দ।</numerusform>
            <numerusform>এই সপ্তাহে %Lnটি শব্দ।</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Under a minute of typing saved today. %Ln words this week.</source>
        <translation>
            <numerusform>আজ এক মিনিটেরও কম টাইপিং বাঁচানো হয়েছে। এই সপ্তাহে %Lnটি শব্দ।</numerusform>
            <numerusform>আজ এক মিনিটেরও কম টাইপিং বাঁচানো হয়েছে। এই সপ্তাহে %Lnটি শব্দ।</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>About %1 of typing saved today. %Ln words this week.</source>
        <translation>
            <numerusform>আজ প্রায় %1 টাইপিং বাঁচানো হয়েছে। এই সপ্তাহে %Lnটি শব্দ।</numerusform>
            <numerusform>আজ প্রায় %1 টাইপিং বাঁচানো হয়েছে। এই সপ্তাহে %Lnটি শব্দ।</numerusform>
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
            <numerusform>%1টির মধ্যে %Lnটি সম্পন্ন</numerusform>
            <numerusform>%1টির মধ্যে %Lnটি সম্পন্ন</numerusform>
        </translation>
    </message>
    <message>
        <source>The server refused the connection. Check that it is running and that the address is right.</source>
        <translation>সার্ভার সংযোগ প্রত্যাখ্যান করেছে। সার্ভারটি চালু আছে কিনা এবং ঠিকানাটি সঠিক কিনা দেখে নিন।</translation>
    </message>
    <message>
        <source>The server&apos;s name couldn&apos;t be found. Check the address.</source>
        <translation>সার্ভারের নাম খুঁজে পাওয়া যায়নি। ঠিকানাটি দেখে নিন।</translation>
    </message>
    <message>
        <source>A secure connection to the server couldn&apos;t be made.</source>
        <translation>সার্ভারের সঙ্গে নিরাপদ সংযোগ তৈরি করা যায়নি।</translation>
    </message>
    <message>
        <source>The server closed the connection before it answered.</source>
        <translation>সার্ভার উত্তর দেওয়ার আগেই সংযোগ বন্ধ করে দিয়েছে।</translation>
    </message>
    <message>
        <source>The network proxy couldn&apos;t be reached.</source>
        <translation>নেটওয়ার্ক প্রক্সিতে পৌঁছানো যায়নি।</translation>
    </message>
    <message>
        <source>The server couldn&apos;t be reached.</source>
        <translation>সার্ভারে পৌঁছানো যায়নি।</translation>
    </message>
    <message>
        <source>Waiting for the network…</source>
        <translation>নেটওয়ার্কের জন্য অপেক্ষা করা হচ্ছে…</translation>
    </message>
    <message>
        <source>%1 is taken by another program.</source>
        <translation>অন্য একটি প্রোগ্রাম %1 ব্যবহার করছে।</translation>
    </message>
    <message>
        <source>%1 could not open again. Your choice takes effect the next time you start it.</source>
        <translation>%1 আবার খুলতে পারেনি। আপনার পছন্দ পরের বার এটি চালু করলে কার্যকর হবে।</translation>
    </message>
    <message>
        <source>Downloading the model</source>
        <translation>মডেল ডাউনলোড হচ্ছে</translation>
    </message>
    <message numerus="yes">
        <source>These apps answer the Tab key before %app can, so %app stays paused in your other apps until they quit.</source>
        <translation>
            <numerusform>এই অ্যাপগুলো %app-এর আগেই Tab কী-তে সাড়া দেয়, তাই এগুলো বন্ধ না হওয়া পর্যন্ত %app আপনার অন্য অ্যাপগুলোতে বিরতিতে থাকে।</numerusform>
            <numerusform>এই অ্যাপগুলো %app-এর আগেই Tab কী-তে সাড়া দেয়, তাই এগুলো বন্ধ না হওয়া পর্যন্ত %app আপনার অন্য অ্যাপগুলোতে বিরতিতে থাকে।</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>It may be waiting on a dialog of its own. Force Quit closes it right away.</source>
        <translation>
            <numerusform>হয়তো এটি নিজের কোনো ডায়ালগের অপেক্ষায় আছে। “জোর করে বন্ধ করুন” এটি সঙ্গে সঙ্গে বন্ধ করে।</numerusform>
            <numerusform>হয়তো এগুলো নিজেদের কোনো ডায়ালগের অপেক্ষায় আছে। “জোর করে বন্ধ করুন” এগুলো সঙ্গে সঙ্গে বন্ধ করে।</numerusform>
        </translation>
    </message>
    <message>
        <source>Set a Suggest Now shortcut in Keys to ask for suggestions</source>
        <translation>সাজেশন চাইতে “কী” অংশে “এখনই সাজেশন” শর্টকাট সেট করুন</translation>
    </message>
    <message>
        <source>Backspace</source>
        <comment>key above Enter that deletes backwards</comment>
        <translation>Backspace</translation>
    </message>
    <message>
        <source>0 words saved today</source>
        <translation>০টি শব্দ আজ বাঁচানো হয়েছে</translation>
    </message>
    <message>
        <source>words saved today</source>
        <comment>beside the count 0</comment>
        <translation>শব্দ আজ বাঁচানো হয়েছে</translation>
    </message>
    <message>
        <source>Quit the other app</source>
        <translation>অন্য অ্যাপটি বন্ধ করুন</translation>
    </message>
    <message>
        <source>None yet</source>
        <comment>no app looked at yet</comment>
        <translation>এখনও কিছু নেই</translation>
    </message>
    <message>
        <source>None yet</source>
        <comment>no suggestion shown yet</comment>
        <translation>এখনও কোনো সাজেশন নেই</translation>
    </message>
    <message>
        <source>The other app is also running</source>
        <translation>অন্য অ্যাপটিও চলছে</translation>
    </message>
    <message>
        <source>Both apps answer the Tab key, and the system gives it to the other app first. %app stays paused in your other apps until the other app quits.</source>
        <translation>দুটি অ্যাপই Tab কী-তে সাড়া দেয়, আর সিস্টেম সেটি আগে অন্য অ্যাপটিকে দেয়। ওই অ্যাপটি বন্ধ না হওয়া পর্যন্ত %app আপনার অন্য অ্যাপগুলোতে বিরতিতে থাকে।</translation>
    </message>
    <message>
        <source>The other app is still open</source>
        <translation>অন্য অ্যাপটি এখনও খোলা</translation>
    </message>
    <message>
        <source>The other app quit, so your suggestions are back in every app.</source>
        <translation>অন্য অ্যাপটি বন্ধ হয়েছে, তাই আপনার সাজেশন সব অ্যাপে ফিরে এসেছে।</translation>
    </message>
    <message>
        <source>The other app quit. %app has the Tab key.</source>
        <translation>অন্য অ্যাপটি বন্ধ হয়েছে। Tab কী এখন %app-এর।</translation>
    </message>
</context>
</TS>
