<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja" sourcelanguage="en">
<context>
    <name>Tessaquill</name>
    <message>
        <source>Accessibility is on. %app is ready in your other apps.</source>
        <translation>アクセシビリティがオンになりました。ほかのアプリで%appを使えます。</translation>
    </message>
    <message>
        <source>Paused while %1 is open</source>
        <translation>%1の起動中は一時停止</translation>
    </message>
    <message>
        <source>Welcome to %app</source>
        <translation>%appへようこそ</translation>
    </message>
    <message>
        <source>%app</source>
        <translation>%app</translation>
    </message>
    <message>
        <source>Another autocomplete app is running</source>
        <translation>別の自動補完アプリが起動しています</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>準備完了</translation>
    </message>
    <message>
        <source>Waiting for a pause</source>
        <translation>入力の区切りを待っています</translation>
    </message>
    <message>
        <source>Thinking</source>
        <translation>考えています</translation>
    </message>
    <message>
        <source>Showing a suggestion</source>
        <translation>候補を表示中</translation>
    </message>
    <message>
        <source>The model took too long to answer</source>
        <translation>モデルの応答に時間がかかりすぎました</translation>
    </message>
    <message>
        <source>This app doesn&apos;t report where the caret is</source>
        <translation>このアプリはカーソルの位置を報告しません</translation>
    </message>
    <message>
        <source>%app is turned off</source>
        <translation>%appはオフです</translation>
    </message>
    <message>
        <source>Secure input is on, so %app stays out</source>
        <translation>セキュア入力がオンのため、%appは動作しません</translation>
    </message>
    <message>
        <source>Press %1 for a suggestion</source>
        <translation>%1を押すと候補を表示します</translation>
    </message>
    <message>
        <source>Text is selected</source>
        <translation>テキストが選択されています</translation>
    </message>
    <message>
        <source>The caret is inside existing text</source>
        <translation>カーソルが既存のテキストの途中にあります</translation>
    </message>
    <message>
        <source>This field is too small</source>
        <translation>この入力欄は小さすぎます</translation>
    </message>
    <message>
        <source>Waiting for a few characters</source>
        <translation>数文字の入力を待っています</translation>
    </message>
    <message>
        <source>Start of a new line</source>
        <translation>新しい行の先頭です</translation>
    </message>
    <message>
        <source>The model is still downloading</source>
        <translation>モデルはまだダウンロード中です</translation>
    </message>
    <message>
        <source>Download the %app model in Settings first</source>
        <translation>先に設定で%appモデルをダウンロードしてください</translation>
    </message>
    <message>
        <source>Not checked yet</source>
        <translation>未確認</translation>
    </message>
    <message>
        <source>Checking…</source>
        <translation>確認中…</translation>
    </message>
    <message>
        <source>The model stopped with error %1</source>
        <translation>モデルがエラー%1で停止しました</translation>
    </message>
    <message>
        <source>The model file couldn&apos;t be loaded</source>
        <translation>モデルファイルを読み込めませんでした</translation>
    </message>
    <message>
        <source>There wasn&apos;t enough memory to start the model</source>
        <translation>メモリが不足しているため、モデルを起動できませんでした</translation>
    </message>
    <message>
        <source>The text couldn&apos;t be prepared for the model</source>
        <translation>テキストをモデル用に準備できませんでした</translation>
    </message>
    <message>
        <source>This computer needs %1 free for the download. Free up some space, then try again.</source>
        <translation>ダウンロードには%1の空き容量が必要です。空き容量を増やしてから、もう一度お試しください。</translation>
    </message>
    <message>
        <source>The download didn&apos;t match the expected file, so it was deleted. Try again.</source>
        <translation>ダウンロードしたファイルが想定と一致しなかったため、削除しました。もう一度お試しください。</translation>
    </message>
    <message>
        <source>Downloaded</source>
        <translation>ダウンロード済み</translation>
    </message>
    <message>
        <source>Downloading. Suggestions start once it&apos;s done.</source>
        <translation>ダウンロード中です。完了すると候補が表示されます。</translation>
    </message>
    <message>
        <source>Checking the download.</source>
        <translation>ダウンロードを確認中です。</translation>
    </message>
    <message>
        <source>Checking the download. Suggestions start once it&apos;s done.</source>
        <translation>ダウンロードを確認中です。完了すると候補が表示されます。</translation>
    </message>
    <message>
        <source>Download the model to start</source>
        <translation>モデルをダウンロードして開始</translation>
    </message>
    <message>
        <source>Ollama is running but has no models</source>
        <translation>Ollamaは起動していますが、モデルがありません</translation>
    </message>
    <message>
        <source>Another app</source>
        <translation>別のアプリ</translation>
    </message>
    <message>
        <source>There is no D-Bus session bus, so %1 cannot reach text fields.</source>
        <translation>D-Busセッションバスがないため、%1は入力欄にアクセスできません。</translation>
    </message>
    <message>
        <source>The desktop&apos;s accessibility bus is not running, so %1 cannot reach text fields.</source>
        <translation>デスクトップのアクセシビリティバスが動作していないため、%1は入力欄にアクセスできません。</translation>
    </message>
    <message>
        <source>Short</source>
        <translation>短め</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>標準</translation>
    </message>
    <message>
        <source>Long</source>
        <translation>長め</translation>
    </message>
    <message>
        <source>Hide the suggestion</source>
        <translation>候補を隠す</translation>
    </message>
    <message>
        <source>Hide suggestions until I change fields</source>
        <translation>入力欄を移るまで候補を隠す</translation>
    </message>
    <message>
        <source>Do nothing, send Escape to the app</source>
        <translation>何もせず、Escをアプリに送る</translation>
    </message>
    <message>
        <source>Type it</source>
        <translation>キー入力する</translation>
    </message>
    <message>
        <source>Insert through Accessibility</source>
        <translation>アクセシビリティで挿入する</translation>
    </message>
    <message>
        <source>Paste it</source>
        <translation>貼り付ける</translation>
    </message>
    <message>
        <source>Grey</source>
        <translation>グレー</translation>
    </message>
    <message>
        <source>Gold tint</source>
        <translation>ゴールド系</translation>
    </message>
    <message>
        <source>%app model</source>
        <translation>%appモデル</translation>
    </message>
    <message>
        <source>Ollama</source>
        <translation>Ollama</translation>
    </message>
    <message>
        <source>Local server</source>
        <translation>ローカルサーバー</translation>
    </message>
    <message>
        <source>Runs on this computer after a one-time download. Works offline.</source>
        <translation>一度ダウンロードすれば、このコンピューターで動作します。オフラインでも使えます。</translation>
    </message>
    <message>
        <source>Any model you run in Ollama, base models included.</source>
        <translation>Ollamaで実行するモデルならどれでも。ベースモデルも使えます。</translation>
    </message>
    <message>
        <source>LM Studio, llama-server or any OpenAI-compatible endpoint.</source>
        <translation>LM Studio、llama-server、またはOpenAI互換のエンドポイント。</translation>
    </message>
    <message>
        <source>Sends the text as keystrokes. Works almost everywhere.</source>
        <translation>テキストをキー入力として送ります。ほぼどこでも使えます。</translation>
    </message>
    <message>
        <source>Uses the clipboard, then puts your clipboard back.</source>
        <translation>クリップボードを使い、その後クリップボードの内容を元に戻します。</translation>
    </message>
    <message>
        <source>Accessibility</source>
        <translation>アクセシビリティ</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>貼り付け</translation>
    </message>
    <message>
        <source>Your writing memory could not be opened and was set aside. Nothing new is remembered until %app starts again.</source>
        <translation>文章の記憶を開けなかったため、別の場所に退避しました。%appを再起動するまで、新たに記憶されることはありません。</translation>
    </message>
    <message>
        <source>Your writing memory could not be opened because its key could not be read from the keyring. Nothing new is remembered until %app starts again.</source>
        <translation>キーリングからキーを読み取れなかったため、文章の記憶を開けませんでした。%appを再起動するまで、新たに記憶されることはありません。</translation>
    </message>
    <message>
        <source>Not Now</source>
        <translation>今はしない</translation>
    </message>
    <message>
        <source>Open the desktop&apos;s settings</source>
        <translation>デスクトップの設定を開く</translation>
    </message>
    <message>
        <source>Don&apos;t remind me again</source>
        <translation>今後は表示しない</translation>
    </message>
    <message>
        <source>Open Playground</source>
        <translation>練習用の入力欄を開く</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Quit %app</source>
        <translation>%appを終了</translation>
    </message>
    <message>
        <source>Needs Accessibility access</source>
        <translation>アクセシビリティの許可が必要です</translation>
    </message>
    <message>
        <source>Paused until you resume</source>
        <translation>再開するまで一時停止</translation>
    </message>
    <message>
        <source>Paused until %1</source>
        <translation>%1まで一時停止</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>オフ</translation>
    </message>
    <message numerus="yes">
        <source>Paused while %1 are open</source>
        <translation>
            <numerusform>%1の起動中は一時停止</numerusform>
        </translation>
    </message>
    <message>
        <source>Grant Accessibility Access…</source>
        <translation>アクセシビリティを許可…</translation>
    </message>
    <message numerus="yes">
        <source>Force Quit %1</source>
        <translation>
            <numerusform>%1を強制終了</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Quit %1</source>
        <translation>
            <numerusform>%1を終了</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>words saved today</source>
        <translation>
            <numerusform>語を節約（今日）</numerusform>
        </translation>
    </message>
    <message>
        <source>Start typing anywhere. %app keeps count here.</source>
        <translation>どこかで入力を始めてください。%appがここで数えます。</translation>
    </message>
    <message>
        <source>Resume in %1</source>
        <translation>%1で再開</translation>
    </message>
    <message>
        <source>Pause in %1</source>
        <translation>%1で一時停止</translation>
    </message>
    <message>
        <source>Resume Everywhere</source>
        <translation>すべてのアプリで再開</translation>
    </message>
    <message>
        <source>Pause Everywhere</source>
        <translation>すべてのアプリで一時停止</translation>
    </message>
    <message>
        <source>For 15 Minutes</source>
        <translation>15分間</translation>
    </message>
    <message>
        <source>For 1 Hour</source>
        <translation>1時間</translation>
    </message>
    <message>
        <source>For 4 Hours</source>
        <translation>4時間</translation>
    </message>
    <message>
        <source>Until I Resume</source>
        <translation>再開するまで</translation>
    </message>
    <message>
        <source>Example: after typing %1, %2 suggests %3</source>
        <translation>例：「%1」と入力すると、%2が「%3」を提案します</translation>
    </message>
    <message>
        <source>takes the next word</source>
        <translation>次の語を確定</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>ダウンロード</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1／%2</translation>
    </message>
    <message>
        <source>%1 of %2. You can keep writing while it downloads.</source>
        <translation>%1／%2。ダウンロード中も入力を続けられます。</translation>
    </message>
    <message>
        <source>Checking the download</source>
        <translation>ダウンロードを確認中</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>再試行</translation>
    </message>
    <message>
        <source>Remove…</source>
        <translation>削除…</translation>
    </message>
    <message>
        <source>%1 license</source>
        <translation>%1ライセンス</translation>
    </message>
    <message>
        <source>Remove the %app model?</source>
        <translation>%appモデルを削除しますか？</translation>
    </message>
    <message>
        <source>Model download</source>
        <translation>モデルのダウンロード</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>続ける</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>あとで</translation>
    </message>
    <message>
        <source>Start Writing</source>
        <translation>書き始める</translation>
    </message>
    <message>
        <source>Finish your sentences in any app.</source>
        <translation>どのアプリでも文章の続きを補完します。</translation>
    </message>
    <message>
        <source>%app reads the words before your caret and suggests what comes next in grey. Press Tab to take one word, or the key above Tab to take the rest. If you don&apos;t want it, keep typing.</source>
        <translation>%appはカーソルの前の語を読み取り、続きをグレーの文字で提案します。Tabで1語、Tabの上のキーで残りすべてを確定します。不要なら、そのまま入力を続けてください。</translation>
    </message>
    <message>
        <source>Sees what you see</source>
        <translation>画面の内容を理解</translation>
    </message>
    <message>
        <source>Private</source>
        <translation>プライベート</translation>
    </message>
    <message>
        <source>It reads the window you&apos;re typing in, like the chat you&apos;re answering, so suggestions fit. None of it goes online, to us or any server. It stays private on your computer.</source>
        <translation>入力中のウィンドウ（返信中のチャットなど）を読み取り、状況に合った候補を出します。その内容がオンラインに送られることはなく、私たちにもどのサーバーにも届きません。すべてこのコンピューター内にとどまります。</translation>
    </message>
    <message>
        <source>Accessibility is on</source>
        <translation>アクセシビリティはオンです</translation>
    </message>
    <message>
        <source>%app can now read the field you&apos;re writing in and type suggestions for you.</source>
        <translation>%appが入力中の欄を読み取り、候補を入力できるようになりました。</translation>
    </message>
    <message>
        <source>Let %app see what you type.</source>
        <translation>%appに入力内容の読み取りを許可してください。</translation>
    </message>
    <message>
        <source>%app reads your text when you pause and forgets it after one suggestion, unless you turn on writing memory.</source>
        <translation>%appは入力が止まったときにテキストを読み取り、候補を1つ出したら忘れます（文章の記憶をオンにした場合を除く）。</translation>
    </message>
    <message>
        <source>%app skips password fields and anything else the system marks as secure.</source>
        <translation>%appはパスワード欄や、システムがセキュアと指定した欄をスキップします。</translation>
    </message>
    <message>
        <source>Open Accessibility Settings</source>
        <translation>アクセシビリティ設定を開く</translation>
    </message>
    <message>
        <source>Pick what writes your suggestions.</source>
        <translation>候補を生成するエンジンを選んでください。</translation>
    </message>
    <message>
        <source>You can change this any time in Settings.</source>
        <translation>これはいつでも設定で変更できます。</translation>
    </message>
    <message>
        <source>Give it a try.</source>
        <translation>試してみましょう。</translation>
    </message>
    <message>
        <source>Start typing a sentence. When grey words appear, press Tab for one word or the key above Tab for all of them.</source>
        <translation>文章を入力してみてください。グレーの文字が表示されたら、Tabで1語、Tabの上のキーですべてを確定します。</translation>
    </message>
    <message>
        <source>Hi Orlenn, thanks for the quick reply. I think we should</source>
        <translation>Orlennさん、早速のお返事ありがとうございます。私たちは</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>戻る</translation>
    </message>
    <message>
        <source>Practice field</source>
        <translation>練習用の入力欄</translation>
    </message>
    <message>
        <source>Default, on</source>
        <translation>既定（オン）</translation>
    </message>
    <message>
        <source>Default, off</source>
        <translation>既定（オフ）</translation>
    </message>
    <message>
        <source>Add a website</source>
        <translation>Webサイトを追加</translation>
    </message>
    <message>
        <source>Domain</source>
        <translation>ドメイン</translation>
    </message>
    <message>
        <source>Rules for a site apply in any browser %app can read.</source>
        <translation>サイトのルールは、%appが読み取れるすべてのブラウザーに適用されます。</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>追加</translation>
    </message>
    <message>
        <source>Add App…</source>
        <translation>アプリを追加…</translation>
    </message>
    <message>
        <source>Add an app</source>
        <translation>アプリを追加</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>検索</translation>
    </message>
    <message>
        <source>Clear search</source>
        <translation>検索をクリア</translation>
    </message>
    <message>
        <source>Add an app or website</source>
        <translation>アプリまたはWebサイトを追加</translation>
    </message>
    <message>
        <source>Add Website…</source>
        <translation>Webサイトを追加…</translation>
    </message>
    <message>
        <source>Apps &amp; Sites</source>
        <translation>アプリとサイト</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>一時停止中</translation>
    </message>
    <message>
        <source>Apps</source>
        <translation>アプリ</translation>
    </message>
    <message>
        <source>Websites</source>
        <translation>Webサイト</translation>
    </message>
    <message>
        <source>No matches</source>
        <translation>一致する項目がありません</translation>
    </message>
    <message>
        <source>No apps yet</source>
        <translation>まだアプリがありません</translation>
    </message>
    <message>
        <source>Nothing matches “%1”.</source>
        <translation>「%1」に一致する項目はありません。</translation>
    </message>
    <message>
        <source>Apps appear here once you accept a suggestion in them, or add one with +.</source>
        <translation>アプリで候補を確定すると、ここに表示されます。+で追加することもできます。</translation>
    </message>
    <message>
        <source>Pick an app or site</source>
        <translation>アプリまたはサイトを選択</translation>
    </message>
    <message>
        <source>Each one can have its own rules. Anything you don&apos;t change follows General.</source>
        <translation>それぞれに独自のルールを設定できます。変更しない項目は「一般」に従います。</translation>
    </message>
    <message>
        <source>Words saved here</source>
        <translation>ここで節約した語数</translation>
    </message>
    <message>
        <source>Suggestions</source>
        <translation>候補</translation>
    </message>
    <message>
        <source>On</source>
        <translation>オン</translation>
    </message>
    <message>
        <source>Tab accepts suggestions</source>
        <translation>Tabで候補を確定</translation>
    </message>
    <message>
        <source>Turn off where Tab already means something, like indenting. The other accept key still works.</source>
        <translation>Tabにインデントなど別の役割があるアプリではオフにしてください。もう一方の確定キーは引き続き使えます。</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>既定</translation>
    </message>
    <message>
        <source>Insert by</source>
        <translation>挿入方法</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>長さ</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>再開</translation>
    </message>
    <message>
        <source>Pause here</source>
        <translation>ここで一時停止</translation>
    </message>
    <message>
        <source>Memory</source>
        <translation>記憶</translation>
    </message>
    <message>
        <source>Remember my writing here</source>
        <translation>ここでの書き方を記憶する</translation>
    </message>
    <message>
        <source>Writing memory is off in Your Voice.</source>
        <translation>「あなたらしさ」で文章の記憶がオフになっています。</translation>
    </message>
    <message>
        <source>Erase…</source>
        <translation>消去…</translation>
    </message>
    <message>
        <source>Reset to Defaults</source>
        <translation>既定値に戻す</translation>
    </message>
    <message>
        <source>Erase what %app remembered from %1?</source>
        <translation>%appが%1から記憶した内容を消去しますか？</translation>
    </message>
    <message>
        <source>Erase</source>
        <translation>消去</translation>
    </message>
    <message>
        <source>Passages from this app can shape suggestions everywhere.</source>
        <translation>このアプリの文例は、すべての場所の候補に反映されることがあります。</translation>
    </message>
    <message>
        <source>Finish setting up</source>
        <translation>セットアップを完了</translation>
    </message>
    <message>
        <source>Setup progress</source>
        <translation>セットアップの進行状況</translation>
    </message>
    <message>
        <source>Done: %1</source>
        <translation>完了：%1</translation>
    </message>
    <message>
        <source>Best day yet!</source>
        <translation>これまでで最高の日です！</translation>
    </message>
    <message>
        <source>Try it here</source>
        <translation>ここで試す</translation>
    </message>
    <message>
        <source>Thanks for sending the draft over. I had a look and</source>
        <translation>下書きを送っていただきありがとうございます。拝見したところ、</translation>
    </message>
    <message>
        <source>next word</source>
        <translation>次の語</translation>
    </message>
    <message>
        <source>whole suggestion</source>
        <translation>候補全体</translation>
    </message>
    <message>
        <source>hide it</source>
        <translation>候補を隠す</translation>
    </message>
    <message>
        <source>This field runs the real engine. Start typing and grey words show up as you go.</source>
        <translation>この入力欄では実際のエンジンが動作します。入力を始めると、グレーの文字が表示されます。</translation>
    </message>
    <message>
        <source>This field runs the real engine, even before you allow Accessibility. Start typing and grey words show up as you go.</source>
        <translation>この入力欄では、アクセシビリティを許可する前でも実際のエンジンが動作します。入力を始めると、グレーの文字が表示されます。</translation>
    </message>
    <message>
        <source>You&apos;re all set</source>
        <translation>準備が整いました</translation>
    </message>
    <message>
        <source>Accessibility is on and %1 is ready. %app works in every app you type in.</source>
        <translation>アクセシビリティはオンで、%1の準備ができています。%appは入力するすべてのアプリで動作します。</translation>
    </message>
    <message>
        <source>Waiting for %1 to quit</source>
        <translation>%1の終了を待っています</translation>
    </message>
    <message>
        <source>Turned off</source>
        <translation>オフ</translation>
    </message>
    <message>
        <source>Paused everywhere</source>
        <translation>すべてのアプリで一時停止中</translation>
    </message>
    <message>
        <source>%1, %2 typical wait</source>
        <translation>%1、通常の待ち時間%2</translation>
    </message>
    <message>
        <source>Start your streak today.</source>
        <translation>今日から連続記録を始めましょう。</translation>
    </message>
    <message>
        <source>Overview</source>
        <translation>概要</translation>
    </message>
    <message>
        <source>General</source>
        <translation>一般</translation>
    </message>
    <message>
        <source>Engine</source>
        <translation>エンジン</translation>
    </message>
    <message>
        <source>Context</source>
        <translation>コンテキスト</translation>
    </message>
    <message>
        <source>Your Voice</source>
        <translation>あなたらしさ</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>キー</translation>
    </message>
    <message>
        <source>Emoji</source>
        <translation>絵文字</translation>
    </message>
    <message>
        <source>Battery</source>
        <translation>バッテリー</translation>
    </message>
    <message>
        <source>Insights</source>
        <translation>統計</translation>
    </message>
    <message>
        <source>Field Inspector</source>
        <translation>入力欄インスペクター</translation>
    </message>
    <message>
        <source>About</source>
        <translation>情報</translation>
    </message>
    <message>
        <source>How %app is doing today</source>
        <translation>今日の%appの状況</translation>
    </message>
    <message>
        <source>Where and how suggestions appear</source>
        <translation>候補を表示する場所と方法</translation>
    </message>
    <message>
        <source>The model that writes your suggestions</source>
        <translation>候補を生成するモデル</translation>
    </message>
    <message>
        <source>What %app may look at to guess better</source>
        <translation>%appが予測精度を上げるために参照できるもの</translation>
    </message>
    <message>
        <source>Help suggestions sound like you</source>
        <translation>候補をあなたらしい文章に</translation>
    </message>
    <message>
        <source>Accept, dismiss and summon suggestions</source>
        <translation>候補の確定、非表示、呼び出し</translation>
    </message>
    <message>
        <source>Emoji search and emoticons</source>
        <translation>絵文字の検索と顔文字</translation>
    </message>
    <message>
        <source>Rules for each app and website</source>
        <translation>アプリとWebサイトごとのルール</translation>
    </message>
    <message>
        <source>Save power when you&apos;re unplugged</source>
        <translation>電源未接続時の省電力</translation>
    </message>
    <message>
        <source>Words saved and how fast suggestions arrive</source>
        <translation>節約した語数と候補の表示速度</translation>
    </message>
    <message>
        <source>What %app sees in the focused field</source>
        <translation>フォーカスされた入力欄で%appが見ている内容</translation>
    </message>
    <message>
        <source>Version and privacy</source>
        <translation>バージョンとプライバシー</translation>
    </message>
    <message>
        <source>Writing</source>
        <translation>文章作成</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>入力</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>ルール</translation>
    </message>
    <message>
        <source>Activity</source>
        <translation>アクティビティ</translation>
    </message>
    <message>
        <source>%app can read the field you&apos;re typing in and insert suggestions in any app.</source>
        <translation>%appは入力中の欄を読み取り、どのアプリにも候補を挿入できます。</translation>
    </message>
    <message>
        <source>Allow Accessibility access</source>
        <translation>アクセシビリティを許可</translation>
    </message>
    <message>
        <source>%app needs it to read the text you type in other apps and to insert suggestions.</source>
        <translation>%appはほかのアプリで入力したテキストを読み取り、候補を挿入するためにこの許可が必要です。</translation>
    </message>
    <message>
        <source>Allow…</source>
        <translation>許可…</translation>
    </message>
    <message>
        <source>%1 is ready</source>
        <translation>%1の準備ができました</translation>
    </message>
    <message>
        <source>Checking %1</source>
        <translation>%1を確認中</translation>
    </message>
    <message>
        <source>This takes a moment.</source>
        <translation>少し時間がかかります。</translation>
    </message>
    <message>
        <source>Your engine isn&apos;t ready</source>
        <translation>エンジンの準備ができていません</translation>
    </message>
    <message>
        <source>Open Engine</source>
        <translation>エンジン設定を開く</translation>
    </message>
    <message>
        <source>The system&apos;s predictions are off</source>
        <translation>システムの予測入力はオフです</translation>
    </message>
    <message>
        <source>Only %app&apos;s suggestions appear while you type.</source>
        <translation>入力中は%appの候補だけが表示されます。</translation>
    </message>
    <message>
        <source>Turn off the system&apos;s predictions</source>
        <translation>システムの予測入力をオフにする</translation>
    </message>
    <message>
        <source>The system shows its own grey suggestions on top of %app&apos;s. Each app picks up the change the next time you open it.</source>
        <translation>システムが独自のグレーの候補を%appの候補に重ねて表示します。変更は、各アプリを次に開いたときに反映されます。</translation>
    </message>
    <message>
        <source>Keyboard Settings</source>
        <translation>キーボード設定</translation>
    </message>
    <message>
        <source>Turn Off</source>
        <translation>オフにする</translation>
    </message>
    <message>
        <source>Only %app is suggesting</source>
        <translation>%appだけが候補を出しています</translation>
    </message>
    <message>
        <source>Tab reaches %app again.</source>
        <translation>Tabが再び%appに届きます。</translation>
    </message>
    <message numerus="yes">
        <source>%1 didn&apos;t quit. They may be showing a dialog. Force Quit closes them right away.</source>
        <translation>
            <numerusform>%1が終了しませんでした。ダイアログを表示している可能性があります。強制終了するとすぐに閉じます。</numerusform>
        </translation>
    </message>
    <message>
        <source>Force Quit</source>
        <translation>強制終了</translation>
    </message>
    <message numerus="yes">
        <source>%1 take the Tab key before %app can, so %app stays paused in your other apps until you quit them.</source>
        <translation>
            <numerusform>%1が%appより先にTabキーを受け取るため、%1を終了するまで%appはほかのアプリで一時停止します。</numerusform>
        </translation>
    </message>
    <message>
        <source>Only when I ask</source>
        <translation>求めたときだけ</translation>
    </message>
    <message>
        <source>On battery, suggestions appear only after you press the Suggest Now shortcut.</source>
        <translation>バッテリー駆動中は、「今すぐ候補」ショートカットを押したときだけ候補が表示されます。</translation>
    </message>
    <message>
        <source>Shorter suggestions</source>
        <translation>短めの候補</translation>
    </message>
    <message>
        <source>Fewer words take less power to write.</source>
        <translation>語数が少ないほど、生成に使う電力が少なくなります。</translation>
    </message>
    <message>
        <source>Lighter model</source>
        <translation>軽量なモデル</translation>
    </message>
    <message>
        <source>Same as plugged in</source>
        <translation>電源接続時と同じ</translation>
    </message>
    <message>
        <source>Running on battery. These apply right now.</source>
        <translation>バッテリーで動作中です。これらは今すぐ適用されます。</translation>
    </message>
    <message>
        <source>Plugged in. These wait until you unplug.</source>
        <translation>電源に接続中です。これらは電源を外したときに適用されます。</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>モデル</translation>
    </message>
    <message>
        <source>Model name</source>
        <translation>モデル名</translation>
    </message>
    <message>
        <source>Reload the model list</source>
        <translation>モデル一覧を再読み込み</translation>
    </message>
    <message>
        <source>Choose a model</source>
        <translation>モデルを選択</translation>
    </message>
    <message>
        <source>For people who already run Ollama, LM Studio or llama-server.</source>
        <translation>Ollama、LM Studio、llama-serverをすでに使っている方向け。</translation>
    </message>
    <message>
        <source>Use your own model</source>
        <translation>自分のモデルを使う</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>アドレス</translation>
    </message>
    <message>
        <source>API key</source>
        <translation>APIキー</translation>
    </message>
    <message>
        <source>Only if your server asks for one</source>
        <translation>サーバーが要求する場合のみ</translation>
    </message>
    <message>
        <source>Focused</source>
        <translation>堅実</translation>
    </message>
    <message>
        <source>Creativity</source>
        <translation>創造性</translation>
    </message>
    <message>
        <source>Loose</source>
        <translation>自由</translation>
    </message>
    <message>
        <source>Lower stays close to the obvious next words. Higher tries more.</source>
        <translation>低いほど、順当な次の語に近くなります。高いほど、多彩な候補を試します。</translation>
    </message>
    <message>
        <source>Wait before suggesting</source>
        <translation>候補を出すまでの待ち時間</translation>
    </message>
    <message>
        <source>How long you pause before %app starts.</source>
        <translation>入力が止まってから%appが動き出すまでの時間です。</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>実行</translation>
    </message>
    <message>
        <source>Try the engine</source>
        <translation>エンジンを試す</translation>
    </message>
    <message>
        <source>Sends a sample sentence and shows what comes back.</source>
        <translation>例文を送り、返ってきた結果を表示します。</translation>
    </message>
    <message>
        <source>Running…</source>
        <translation>実行中…</translation>
    </message>
    <message>
        <source>The engine answered in %1 but had nothing useful to add.</source>
        <translation>エンジンは%1で応答しましたが、役立つ候補はありませんでした。</translation>
    </message>
    <message>
        <source>That didn&apos;t work: %1</source>
        <translation>うまくいきませんでした：%1</translation>
    </message>
    <message>
        <source>The request was cancelled.</source>
        <translation>リクエストはキャンセルされました。</translation>
    </message>
    <message>
        <source>Startup</source>
        <translation>起動</translation>
    </message>
    <message>
        <source>Launch at login</source>
        <translation>ログイン時に起動</translation>
    </message>
    <message>
        <source>Show today&apos;s word count next to the icon</source>
        <translation>今日の語数をアイコンの横に表示</translation>
    </message>
    <message>
        <source>Where suggestions appear</source>
        <translation>候補を表示する場所</translation>
    </message>
    <message>
        <source>Turn this off to use %app only in the apps you switch on under Apps &amp; Sites.</source>
        <translation>オフにすると、「アプリとサイト」でオンにしたアプリでだけ%appを使います。</translation>
    </message>
    <message>
        <source>By default %app waits until the caret is at the end of a line.</source>
        <translation>既定では、%appはカーソルが行末に来るまで待ちます。</translation>
    </message>
    <message>
        <source>Without this, %app skips search bars and one-word boxes.</source>
        <translation>オフのとき、%appは検索バーや1語だけの入力欄をスキップします。</translation>
    </message>
    <message>
        <source>Suggestions appear only after you press the Suggest Now shortcut.</source>
        <translation>「今すぐ候補」ショートカットを押したときだけ候補が表示されます。</translation>
    </message>
    <message>
        <source>Spelling</source>
        <translation>スペル</translation>
    </message>
    <message>
        <source>Waits while the word you&apos;re typing looks misspelled, so %app doesn&apos;t build on a typo.</source>
        <translation>入力中の語がスペルミスのようなときは待機し、%appが誤字をもとに続きを作らないようにします。</translation>
    </message>
    <message>
        <source>After a misspelled word, shows a fix next to the caret. Press Tab to swap it in.</source>
        <translation>スペルミスのあと、カーソルの横に修正候補を表示します。Tabで置き換えます。</translation>
    </message>
    <message>
        <source>Look</source>
        <translation>外観</translation>
    </message>
    <message>
        <source>Suggestion color</source>
        <translation>候補の色</translation>
    </message>
    <message>
        <source>Text size</source>
        <translation>文字サイズ</translation>
    </message>
    <message>
        <source>Fine-tune if suggestions look larger or smaller than your text.</source>
        <translation>候補の文字がテキストより大きく、または小さく見える場合に微調整します。</translation>
    </message>
    <message>
        <source>Vertical position</source>
        <translation>縦の位置</translation>
    </message>
    <message>
        <source>Nudge suggestions up or down to line up with your text.</source>
        <translation>候補を上下に動かして、テキストと揃えます。</translation>
    </message>
    <message>
        <source>A small keycap after your first suggestions, as a reminder of what to press.</source>
        <translation>最初の数回の候補のあとに小さなキーを表示し、押すキーを知らせます。</translation>
    </message>
    <message>
        <source>Insert suggestions by</source>
        <translation>候補の挿入方法</translation>
    </message>
    <message>
        <source>Other autocomplete apps</source>
        <translation>ほかの自動補完アプリ</translation>
    </message>
    <message>
        <source>They take the Tab key before %app can. With this off, %app asks you first.</source>
        <translation>これらは%appより先にTabキーを受け取ります。オフの場合、%appが先に確認します。</translation>
    </message>
    <message>
        <source>%1 is another device on your network, so the text around your caret will be sent there.</source>
        <translation>%1はネットワーク上の別のデバイスのため、カーソル周辺のテキストがそこへ送信されます。</translation>
    </message>
    <message>
        <source>%1 isn&apos;t this computer, so the text around your caret will be sent there.</source>
        <translation>%1はこのコンピューターではないため、カーソル周辺のテキストがそこへ送信されます。</translation>
    </message>
    <message>
        <source>Both keep your text on this computer.</source>
        <translation>どちらもテキストをこのコンピューター内に保ちます。</translation>
    </message>
    <message>
        <source>%app opens by itself when you start your computer.</source>
        <translation>コンピューターを起動すると%appが自動で開きます。</translation>
    </message>
    <message>
        <source>System predictions</source>
        <translation>システムの予測入力</translation>
    </message>
    <message>
        <source>The system can show its own grey predictions. Keeping them off avoids two suggestions at once.</source>
        <translation>システムが独自のグレーの予測を表示することがあります。オフにしておくと、候補が二重に表示されません。</translation>
    </message>
    <message>
        <source>System predictions are on</source>
        <translation>システムの予測入力はオンです</translation>
    </message>
    <message>
        <source>System predictions are off</source>
        <translation>システムの予測入力はオフです</translation>
    </message>
    <message>
        <source>tab</source>
        <translation>tab</translation>
    </message>
    <message>
        <source>Your next words, one Tab away.</source>
        <translation>次の言葉を、Tabひとつで。</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>スキップ</translation>
    </message>
    <message>
        <source>Get Started</source>
        <translation>はじめる</translation>
    </message>
    <message>
        <source>Turn sound on</source>
        <translation>サウンドをオン</translation>
    </message>
    <message>
        <source>Turn sound off</source>
        <translation>サウンドをオフ</translation>
    </message>
    <message>
        <source>The other app</source>
        <translation>もう一方のアプリ</translation>
    </message>
    <message numerus="yes">
        <source>Next time, quit %1 without asking</source>
        <translation>
            <numerusform>次回からは確認せずに%1を終了</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 is also running</source>
        <translation>
            <numerusform>%1も起動しています</numerusform>
        </translation>
    </message>
    <message>
        <source>Quitting…</source>
        <translation>終了中…</translation>
    </message>
    <message numerus="yes">
        <source>%1 is still open</source>
        <translation>
            <numerusform>%1はまだ開いています</numerusform>
        </translation>
    </message>
    <message>
        <source>%app has the Tab key</source>
        <translation>Tabキーは%appが使えます</translation>
    </message>
    <message>
        <source>%1 quit, so your suggestions are back in every app.</source>
        <translation>%1が終了したため、すべてのアプリで候補が戻りました。</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完了</translation>
    </message>
    <message>
        <source>Open Source Notices</source>
        <translation>オープンソースライセンス</translation>
    </message>
    <message>
        <source>Reset all settings?</source>
        <translation>すべての設定をリセットしますか？</translation>
    </message>
    <message>
        <source>This also clears your rules for apps and sites. Your statistics and writing memory stay.</source>
        <translation>アプリとサイトのルールも消去されます。統計と文章の記憶は残ります。</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>リセット</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>バージョン%1</translation>
    </message>
    <message>
        <source>Some apps hide their text</source>
        <translation>テキストを隠すアプリがあります</translation>
    </message>
    <message>
        <source>Suggest emoji after a colon</source>
        <translation>コロンのあとに絵文字を提案</translation>
    </message>
    <message>
        <source>Turn emoticons into emoji</source>
        <translation>顔文字を絵文字に変換</translation>
    </message>
    <message>
        <source>After :-) or &lt;3, %app offers the matching emoji. Press Tab to swap it in.</source>
        <translation>:-)や&lt;3のあとに、%appが対応する絵文字を提案します。Tabで置き換えます。</translation>
    </message>
    <message>
        <source>Skin tone</source>
        <translation>肌の色</translation>
    </message>
    <message>
        <source>Also show the default yellow</source>
        <translation>既定の黄色も表示</translation>
    </message>
    <message>
        <source>Try a word</source>
        <translation>語を入力してみてください</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>弱い</translation>
    </message>
    <message>
        <source>No emoji match “%1”</source>
        <translation>「%1」に一致する絵文字はありません</translation>
    </message>
    <message>
        <source>Accepting</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Take the next word</source>
        <translation>次の語を確定</translation>
    </message>
    <message>
        <source>Press again for each following word.</source>
        <translation>押すたびに次の語を確定します。</translation>
    </message>
    <message>
        <source>Take the whole suggestion</source>
        <translation>候補全体を確定</translation>
    </message>
    <message>
        <source>The key above Tab is easy to reach on most keyboards.</source>
        <translation>Tabの上のキーは、ほとんどのキーボードで押しやすい位置にあります。</translation>
    </message>
    <message>
        <source>Include the space after a word</source>
        <translation>語のあとのスペースも含める</translation>
    </message>
    <message>
        <source>Include punctuation right after a word</source>
        <translation>語の直後の句読点も含める</translation>
    </message>
    <message>
        <source>When you press Escape</source>
        <translation>Escを押したとき</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>ショートカット</translation>
    </message>
    <message>
        <source>Suggest now</source>
        <translation>今すぐ候補</translation>
    </message>
    <message>
        <source>Asks for a suggestion right away, even where %app would normally wait.</source>
        <translation>%appが通常なら待つ場面でも、すぐに候補を求めます。</translation>
    </message>
    <message>
        <source>Other suggestions</source>
        <translation>ほかの候補</translation>
    </message>
    <message>
        <source>Lists a few different ways to continue. Choose with the arrow keys, then press Tab.</source>
        <translation>続きの候補をいくつか一覧表示します。矢印キーで選び、Tabを押します。</translation>
    </message>
    <message>
        <source>Pause or resume in this app</source>
        <translation>このアプリで一時停止／再開</translation>
    </message>
    <message>
        <source>Pauses for 15 minutes.</source>
        <translation>15分間一時停止します。</translation>
    </message>
    <message>
        <source>Turn %app on or off</source>
        <translation>%appのオン／オフ</translation>
    </message>
    <message>
        <source>Everywhere, until you press it again.</source>
        <translation>すべての場所で、もう一度押すまで。</translation>
    </message>
    <message>
        <source>Pause or resume</source>
        <translation>一時停止／再開</translation>
    </message>
    <message>
        <source>Turn on or off</source>
        <translation>オン／オフ</translation>
    </message>
    <message>
        <source>%1 and %2 use the same keys. Only the first will work.</source>
        <translation>%1と%2に同じキーが割り当てられています。最初のものだけが動作します。</translation>
    </message>
    <message>
        <source>About you</source>
        <translation>あなたについて</translation>
    </message>
    <message>
        <source>For example: I&apos;m a product designer in Berlin. I write short, friendly emails in British English and sign off with Cheers.</source>
        <translation>例：ベルリンでプロダクトデザイナーをしています。メールは短く親しみやすく、イギリス英語で書き、「Cheers」で締めくくります。</translation>
    </message>
    <message>
        <source>Your role, the languages you write in, names you use often, how you like to sound.</source>
        <translation>役割、書く言語、よく使う名前、好みの語調など。</translation>
    </message>
    <message>
        <source>Writing memory</source>
        <translation>文章の記憶</translation>
    </message>
    <message>
        <source>Remember how I write</source>
        <translation>書き方を記憶する</translation>
    </message>
    <message>
        <source>Also remember fields where I accept nothing</source>
        <translation>何も確定しなかった入力欄も記憶する</translation>
    </message>
    <message>
        <source>%app learns your style sooner but keeps more of what you type.</source>
        <translation>%appが早くあなたの文体を覚えますが、入力内容をより多く保持します。</translation>
    </message>
    <message>
        <source>Influence</source>
        <translation>影響度</translation>
    </message>
    <message>
        <source>Strong</source>
        <translation>強い</translation>
    </message>
    <message>
        <source>How many of your passages each suggestion can draw on.</source>
        <translation>各候補が参考にできる文例の数です。</translation>
    </message>
    <message>
        <source>Erase All…</source>
        <translation>すべて消去…</translation>
    </message>
    <message>
        <source>Erase everything %app remembered?</source>
        <translation>%appが記憶したすべての内容を消去しますか？</translation>
    </message>
    <message>
        <source>This can&apos;t be undone.</source>
        <translation>この操作は元に戻せません。</translation>
    </message>
    <message>
        <source>Erase All</source>
        <translation>すべて消去</translation>
    </message>
    <message>
        <source>Nothing remembered yet</source>
        <translation>まだ何も記憶していません</translation>
    </message>
    <message>
        <source>App and window name</source>
        <translation>アプリとウィンドウの名前</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>Webサイト</translation>
    </message>
    <message>
        <source>The site&apos;s domain when you write in a browser.</source>
        <translation>ブラウザーで入力しているときのサイトのドメインです。</translation>
    </message>
    <message>
        <source>Recently copied text</source>
        <translation>最近コピーしたテキスト</translation>
    </message>
    <message>
        <source>Anything you copied in the last 10 minutes. Copies from password managers are skipped.</source>
        <translation>過去10分間にコピーしたもの。パスワードマネージャーからのコピーは除外されます。</translation>
    </message>
    <message>
        <source>Text on screen</source>
        <translation>画面上のテキスト</translation>
    </message>
    <message>
        <source>Reads the window you&apos;re writing in, so replies fit the conversation. It picks the lines closest to where you type.</source>
        <translation>入力中のウィンドウを読み取り、会話に合った返信にします。入力位置に最も近い行を選びます。</translation>
    </message>
    <message>
        <source>What you just looked at</source>
        <translation>直前に見ていた内容</translation>
    </message>
    <message>
        <source>Windows beside you</source>
        <translation>隣のウィンドウ</translation>
    </message>
    <message>
        <source>Also reads up to two other windows on the same screen, like the document you&apos;re replying about. Skips password managers and apps you switched off.</source>
        <translation>同じ画面上のほかのウィンドウ（返信対象の文書など）も最大2つまで読み取ります。パスワードマネージャーと、オフにしたアプリは除外します。</translation>
    </message>
    <message>
        <source>Off in this app</source>
        <translation>このアプリではオフ</translation>
    </message>
    <message>
        <source>This word looks misspelled</source>
        <translation>この語はスペルミスのようです</translation>
    </message>
    <message>
        <source>Thanks for the notes. I&apos;ll send the revised deck</source>
        <translation>メモをありがとうございます。修正版の資料は</translation>
    </message>
    <message>
        <source> by Friday morning.</source>
        <translation>金曜の朝までにお送りします。</translation>
    </message>
    <message>
        <source>%1 quit. %app has the Tab key.</source>
        <translation>%1が終了しました。Tabキーは%appが使えます。</translation>
    </message>
    <message>
        <source>Open Data Folder</source>
        <translation>データフォルダーを開く</translation>
    </message>
    <message>
        <source>Show Welcome Again</source>
        <translation>ようこそ画面を再表示</translation>
    </message>
    <message>
        <source>Play Intro Again</source>
        <translation>イントロをもう一度再生</translation>
    </message>
    <message>
        <source>Reset Settings…</source>
        <translation>設定をリセット…</translation>
    </message>
    <message>
        <source>Suggest in every app</source>
        <translation>すべてのアプリで候補を表示</translation>
    </message>
    <message>
        <source>Suggest in code editors</source>
        <translation>コードエディターで候補を表示</translation>
    </message>
    <message>
        <source>Suggest in the middle of a line</source>
        <translation>行の途中でも候補を表示</translation>
    </message>
    <message>
        <source>Suggest in small fields</source>
        <translation>小さな入力欄で候補を表示</translation>
    </message>
    <message>
        <source>Hold back on misspelled words</source>
        <translation>スペルミスのある語では控える</translation>
    </message>
    <message>
        <source>Offer spelling fixes</source>
        <translation>スペルの修正を提案</translation>
    </message>
    <message>
        <source>Show the key hint</source>
        <translation>キーのヒントを表示</translation>
    </message>
    <message>
        <source>Quit other autocomplete apps when they open</source>
        <translation>ほかの自動補完アプリが開いたら終了させる</translation>
    </message>
    <message>
        <source>Keeps a few minutes of text from windows you switched away from, like a page you read before replying. It stays on your computer and skips apps you switched off.</source>
        <translation>切り替える前のウィンドウ（返信前に読んだページなど）のテキストを数分間保持します。内容はこのコンピューター内にとどまり、オフにしたアプリは除外します。</translation>
    </message>
    <message numerus="yes">
        <source>Both apps answer the Tab key, and the system gives it to %1 first. %app stays paused in your other apps until %1 quits.</source>
        <translation>
            <numerusform>%1が%appより先にTabキーを受け取るため、終了するまで%appはほかのアプリで一時停止します。</numerusform>
        </translation>
    </message>
    <message>
        <source>Finishes your sentences in any app, on your computer.</source>
        <translation>どのアプリでも、このコンピューター上で文章の続きを補完します。</translation>
    </message>
    <message>
        <source>Keeps short passages from fields where you accepted a suggestion, encrypted on this computer, and shows them to the model as examples.</source>
        <translation>候補を確定した入力欄の短い文例を、このコンピューター上で暗号化して保存し、例としてモデルに示します。</translation>
    </message>
    <message>
        <source>Light</source>
        <comment>skin tone</comment>
        <translation>明るい</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Default</source>
        <comment>skin tone</comment>
        <translation>既定</translation>
    </message>
    <message>
        <source>Medium light</source>
        <comment>skin tone</comment>
        <translation>やや明るい</translation>
    </message>
    <message>
        <source>Medium</source>
        <comment>skin tone</comment>
        <translation>中間</translation>
    </message>
    <message>
        <source>Medium dark</source>
        <comment>skin tone</comment>
        <translation>やや暗い</translation>
    </message>
    <message>
        <source>Dark</source>
        <comment>skin tone</comment>
        <translation>暗い</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>不明</translation>
    </message>
    <message>
        <source>%1 × %2 pt</source>
        <translation>%1 × %2 pt</translation>
    </message>
    <message>
        <source>No</source>
        <translation>いいえ</translation>
    </message>
    <message>
        <source>Not reported, estimated from the caret</source>
        <translation>報告なし。カーソルから推定</translation>
    </message>
    <message>
        <source>%1 %2 pt</source>
        <translation>%1 %2 pt</translation>
    </message>
    <message>
        <source>System</source>
        <translation>システム</translation>
    </message>
    <message>
        <source>Not yet</source>
        <translation>まだありません</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>今日</translation>
    </message>
    <message>
        <source>Last 7 days</source>
        <translation>過去7日間</translation>
    </message>
    <message>
        <source>All time</source>
        <translation>全期間</translation>
    </message>
    <message>
        <source>Typing saved</source>
        <translation>節約した入力時間</translation>
    </message>
    <message>
        <source>at 40 words a minute</source>
        <translation>1分あたり40語の場合</translation>
    </message>
    <message>
        <source>Accepted</source>
        <translation>確定率</translation>
    </message>
    <message>
        <source>of suggestions shown</source>
        <translation>表示された候補のうち</translation>
    </message>
    <message>
        <source>Typical wait</source>
        <translation>通常の待ち時間</translation>
    </message>
    <message>
        <source>9 in 10 under %1</source>
        <translation>10回中9回は%1未満</translation>
    </message>
    <message>
        <source>no requests yet</source>
        <translation>リクエストはまだありません</translation>
    </message>
    <message>
        <source>Words saved</source>
        <translation>節約した語数</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>期間</translation>
    </message>
    <message>
        <source>Nothing to chart yet</source>
        <translation>グラフにするデータがまだありません</translation>
    </message>
    <message>
        <source>Accept a few suggestions and your days show up here.</source>
        <translation>候補をいくつか確定すると、ここに日ごとの記録が表示されます。</translation>
    </message>
    <message>
        <source>Where you write</source>
        <translation>入力した場所</translation>
    </message>
    <message>
        <source>Reset Statistics…</source>
        <translation>統計をリセット…</translation>
    </message>
    <message>
        <source>Reset all statistics?</source>
        <translation>すべての統計をリセットしますか？</translation>
    </message>
    <message>
        <source>This clears words saved, acceptance and timing history.</source>
        <translation>節約した語数、確定率、待ち時間の履歴が消去されます。</translation>
    </message>
    <message>
        <source>Copy Diagnostics</source>
        <translation>診断情報をコピー</translation>
    </message>
    <message>
        <source>Diagnostics leave out the text you typed.</source>
        <translation>診断情報には、入力したテキストは含まれません。</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>状態</translation>
    </message>
    <message>
        <source>Right now</source>
        <translation>現在</translation>
    </message>
    <message>
        <source>Allowed</source>
        <translation>許可済み</translation>
    </message>
    <message>
        <source>Not allowed</source>
        <translation>未許可</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>キーボード</translation>
    </message>
    <message>
        <source>Listening</source>
        <translation>待ち受け中</translation>
    </message>
    <message>
        <source>Not listening</source>
        <translation>待ち受けていません</translation>
    </message>
    <message>
        <source>Focused field</source>
        <translation>フォーカスされた入力欄</translation>
    </message>
    <message>
        <source>Click into a text field in another app, then come back. The last field %1 saw stays here.</source>
        <translation>ほかのアプリのテキスト入力欄をクリックしてから戻ってください。%1が最後に認識した入力欄がここに表示されたままになります。</translation>
    </message>
    <message>
        <source>App</source>
        <translation>アプリ</translation>
    </message>
    <message>
        <source>Field type</source>
        <translation>入力欄の種類</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>ウィンドウ</translation>
    </message>
    <message>
        <source>Field size</source>
        <translation>入力欄のサイズ</translation>
    </message>
    <message>
        <source>Caret found</source>
        <translation>カーソル検出</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>フォント</translation>
    </message>
    <message>
        <source>At end of line</source>
        <translation>行末</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>はい</translation>
    </message>
    <message>
        <source>Secure input</source>
        <translation>セキュア入力</translation>
    </message>
    <message>
        <source>Looked at lately</source>
        <translation>最近見たもの</translation>
    </message>
    <message>
        <source>Text before the caret</source>
        <translation>カーソルの前のテキスト</translation>
    </message>
    <message>
        <source>Last request</source>
        <translation>最後のリクエスト</translation>
    </message>
    <message>
        <source>Wait</source>
        <translation>待ち時間</translation>
    </message>
    <message>
        <source>Suggestion</source>
        <translation>候補</translation>
    </message>
    <message>
        <source>Prompt sent to the engine</source>
        <translation>エンジンに送ったプロンプト</translation>
    </message>
    <message>
        <source>Raw answer</source>
        <translation>生の応答</translation>
    </message>
    <message>
        <source>(empty)</source>
        <translation>（空）</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>コピーしました</translation>
    </message>
    <message>
        <source>Choose a language</source>
        <translation>言語を選択</translation>
    </message>
    <message>
        <source>Search languages</source>
        <translation>言語を検索</translation>
    </message>
    <message>
        <source>Same as my computer</source>
        <translation>コンピューターと同じ</translation>
    </message>
    <message>
        <source>Switch to %1?</source>
        <translation>%1に切り替えますか？</translation>
    </message>
    <message>
        <source>%1 closes and opens again in a second. Your settings stay as they are.</source>
        <translation>%1はいったん閉じて、すぐに再び開きます。設定はそのまま残ります。</translation>
    </message>
    <message>
        <source>Reopen Now</source>
        <translation>今すぐ開き直す</translation>
    </message>
    <message>
        <source>App language</source>
        <translation>アプリの言語</translation>
    </message>
    <message>
        <source>Pick the language you read most easily. Suggestions follow whatever language you type.</source>
        <translation>いちばん読みやすい言語を選んでください。候補は入力する言語に合わせて表示されます。</translation>
    </message>
    <message>
        <source>Change the app language</source>
        <translation>アプリの言語を変更</translation>
    </message>
    <message>
        <source>0 min</source>
        <translation>0分</translation>
    </message>
    <message>
        <source>under a minute</source>
        <translation>1分未満</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1秒</translation>
    </message>
    <message>
        <source>Not set</source>
        <translation>未設定</translation>
    </message>
    <message>
        <source>Clear shortcut</source>
        <translation>ショートカットをクリア</translation>
    </message>
    <message>
        <source>Add Ctrl, Alt or Super so normal typing still works.</source>
        <translation>通常の入力を妨げないよう、Ctrl、Alt、Superのいずれかを加えてください。</translation>
    </message>
    <message>
        <source>Type a shortcut…</source>
        <translation>ショートカットを入力…</translation>
    </message>
    <message>
        <source>Recording shortcut</source>
        <translation>ショートカットを記録中</translation>
    </message>
    <message>
        <source>Shortcut %1</source>
        <translation>ショートカット%1</translation>
    </message>
    <message>
        <source>Record shortcut</source>
        <translation>ショートカットを記録</translation>
    </message>
    <message>
        <source>Shortcut not set</source>
        <translation>ショートカット未設定</translation>
    </message>
    <message>
        <source>Press to record a new shortcut. Escape cancels.</source>
        <translation>押すと新しいショートカットを記録します。Escでキャンセルします。</translation>
    </message>
    <message>
        <source>Your tray icon is hidden</source>
        <translation>トレイアイコンが非表示になっています</translation>
    </message>
    <message>
        <source>This computer has no on-device language model</source>
        <translation>このコンピューターにはオンデバイスの言語モデルがありません</translation>
    </message>
    <message>
        <source>Turn on the on-device model in the desktop&apos;s settings</source>
        <translation>デスクトップの設定でオンデバイスモデルをオンにしてください</translation>
    </message>
    <message>
        <source>The on-device model is unavailable</source>
        <translation>オンデバイスモデルは使用できません</translation>
    </message>
    <message>
        <source>Downloading. The on-device model fills in until it&apos;s done.</source>
        <translation>ダウンロード中です。完了するまではオンデバイスモデルが代わりを務めます。</translation>
    </message>
    <message>
        <source>The on-device model fills in until you download it.</source>
        <translation>ダウンロードするまでは、オンデバイスモデルが代わりを務めます。</translation>
    </message>
    <message>
        <source>%1 shares no text. Quit it and start it with %2 to get suggestions in it.</source>
        <translation>%1はテキストを共有していません。終了してから%2で起動すると、候補を使えるようになります。</translation>
    </message>
    <message>
        <source>On-device model</source>
        <translation>オンデバイスモデル</translation>
    </message>
    <message>
        <source>The system&apos;s own language model. Nothing to download.</source>
        <translation>システム独自の言語モデルです。ダウンロードは不要です。</translation>
    </message>
    <message>
        <source>A website name cannot hold spaces, tabs or line breaks.</source>
        <translation>Webサイト名にスペース、タブ、改行は使えません。</translation>
    </message>
    <message>
        <source>Only addresses that start with http or https can be added.</source>
        <translation>追加できるのはhttpまたはhttpsで始まるアドレスだけです。</translation>
    </message>
    <message>
        <source>That is not a website name. Type one such as wikipedia.org.</source>
        <translation>これはWebサイト名ではありません。wikipedia.orgのように入力してください。</translation>
    </message>
    <message>
        <source>A port is a number from 1 to 65535.</source>
        <translation>ポートは1〜65535の数値です。</translation>
    </message>
    <message>
        <source>The on-device model fills in until the download is done.</source>
        <translation>ダウンロードが完了するまでは、オンデバイスモデルが代わりを務めます。</translation>
    </message>
    <message>
        <source>Suggestions start once the download is done.</source>
        <translation>ダウンロードが完了すると候補が表示されます。</translation>
    </message>
    <message>
        <source>This frees %1. The on-device model fills in until you download it again.</source>
        <translation>%1が解放されます。再びダウンロードするまでは、オンデバイスモデルが代わりを務めます。</translation>
    </message>
    <message>
        <source>This frees %1. The %app model can&apos;t suggest until you download it again.</source>
        <translation>%1が解放されます。再びダウンロードするまで、%appモデルは候補を出せません。</translation>
    </message>
    <message>
        <source>There&apos;s no room for it, or your panel has no system tray. Add the panel&apos;s system tray or status area applet in its settings.</source>
        <translation>表示する場所がないか、パネルにシステムトレイがありません。パネルの設定でシステムトレイまたはステータス領域のアプレットを追加してください。</translation>
    </message>
    <message>
        <source>GNOME shows tray icons only with the AppIndicator extension. Install the gnome-shell-extension-appindicator package, log out and in, then turn it on in Extensions.</source>
        <translation>GNOMEでトレイアイコンを表示するにはAppIndicator拡張機能が必要です。gnome-shell-extension-appindicatorパッケージをインストールし、ログアウトして再ログインしてから、「拡張機能」でオンにしてください。</translation>
    </message>
    <message>
        <source>GNOME shows tray icons only with the AppIndicator extension. It is installed but off: turn it on in Extensions.</source>
        <translation>GNOMEでトレイアイコンを表示するにはAppIndicator拡張機能が必要です。インストール済みですがオフになっています。「拡張機能」でオンにしてください。</translation>
    </message>
    <message>
        <source>Until then, open %app from your applications menu to reach Settings.</source>
        <translation>それまでは、アプリケーションメニューから%appを開いて設定にアクセスしてください。</translation>
    </message>
    <message>
        <source>Open Extensions</source>
        <translation>「拡張機能」を開く</translation>
    </message>
    <message>
        <source>Show Count in Tray</source>
        <translation>トレイに語数を表示</translation>
    </message>
    <message>
        <source>%1 shares no text</source>
        <translation>%1はテキストを共有していません</translation>
    </message>
    <message>
        <source>Copy command</source>
        <translation>コマンドをコピー</translation>
    </message>
    <message>
        <source>There&apos;s no account and no analytics. With the %app model or the on-device model, your text stays on this computer.</source>
        <translation>アカウント登録もアナリティクス（利用状況の収集）もありません。%appモデルまたはオンデバイスモデルなら、テキストはこのコンピューター内にとどまります。</translation>
    </message>
    <message>
        <source>There&apos;s no account and no analytics. With the %app model, your text stays on this computer.</source>
        <translation>アカウント登録もアナリティクス（利用状況の収集）もありません。%appモデルなら、テキストはこのコンピューター内にとどまります。</translation>
    </message>
    <message>
        <source>%app lives in your system tray from now on. Click its icon to pause it in an app or open Settings.</source>
        <translation>これから%appはシステムトレイに常駐します。アイコンをクリックすると、アプリごとに一時停止したり、設定を開いたりできます。</translation>
    </message>
    <message>
        <source>%app has no account, no analytics and no servers of its own. The %app model and the on-device model keep your text on this computer. Other engines get it only if you set one up.</source>
        <translation>%appにはアカウント登録も、アナリティクス（利用状況の収集）も、独自のサーバーもありません。%appモデルとオンデバイスモデルは、テキストをこのコンピューター内に保ちます。ほかのエンジンにテキストが渡るのは、それを設定した場合だけです。</translation>
    </message>
    <message>
        <source>%app has no account, no analytics and no servers of its own. The %app model keeps your text on this computer. Other engines get it only if you set one up.</source>
        <translation>%appにはアカウント登録も、アナリティクス（利用状況の収集）も、独自のサーバーもありません。%appモデルは、テキストをこのコンピューター内に保ちます。ほかのエンジンにテキストが渡るのは、それを設定した場合だけです。</translation>
    </message>
    <message>
        <source>Installed applications</source>
        <translation>インストール済みのアプリケーション</translation>
    </message>
    <message>
        <source>%app reads these only while making a suggestion and never saves them. With the %app model or the on-device model, nothing leaves your computer.</source>
        <translation>%appはこれらを候補の作成中にだけ読み取り、保存はしません。%appモデルまたはオンデバイスモデルなら、何もコンピューターの外に出ません。</translation>
    </message>
    <message>
        <source>%app reads these only while making a suggestion and never saves them. With the %app model, nothing leaves your computer.</source>
        <translation>%appはこれらを候補の作成中にだけ読み取り、保存はしません。%appモデルなら、何もコンピューターの外に出ません。</translation>
    </message>
    <message>
        <source>The %app model keeps your text on this computer.</source>
        <translation>%appモデルは、テキストをこのコンピューター内に保ちます。</translation>
    </message>
    <message>
        <source>The key holds a line break or another control character. Paste it again without them.</source>
        <translation>キーに改行などの制御文字が含まれています。それらを除いて貼り付け直してください。</translation>
    </message>
    <message>
        <source>Waiting for the keyring to store the key.</source>
        <translation>キーリングがキーを保存するのを待っています。</translation>
    </message>
    <message>
        <source>The keyring cannot keep this key, so it is used only until %app quits.</source>
        <translation>キーリングにこのキーを保存できないため、%appを終了するまでの間だけ使われます。</translation>
    </message>
    <message>
        <source>Show in the system tray</source>
        <translation>システムトレイに表示</translation>
    </message>
    <message>
        <source>Pause or open Settings from the system tray. Hidden? Open %app from your applications menu to come back.</source>
        <translation>システムトレイから一時停止したり設定を開いたりできます。非表示にした場合は、アプリケーションメニューから%appを開くと戻せます。</translation>
    </message>
    <message>
        <source>This tray can&apos;t show text beside icons, so the count shows in the icon&apos;s tooltip.</source>
        <translation>このトレイはアイコンの横に文字を表示できないため、語数はアイコンのツールチップに表示されます。</translation>
    </message>
    <message>
        <source>VS Code, VSCodium, Cursor, Zed, Kate, Sublime Text, JetBrains IDEs and similar apps.</source>
        <translation>VS Code、VSCodium、Cursor、Zed、Kate、Sublime Text、JetBrains IDEなどのアプリ。</translation>
    </message>
    <message>
        <source>Your settings could not be read, so they were set aside and %app started over with its defaults.</source>
        <translation>設定を読み込めなかったため、別の場所に退避し、%appを既定の設定で起動し直しました。</translation>
    </message>
    <message>
        <source>Your settings are not saved: %app cannot write to its settings folder.</source>
        <translation>設定は保存されません：%appが設定フォルダーに書き込めません。</translation>
    </message>
    <message>
        <source>Your app and website rules could not be read, so they were set aside.</source>
        <translation>アプリとWebサイトのルールを読み込めなかったため、別の場所に退避しました。</translation>
    </message>
    <message>
        <source>Your statistics could not be read, so they were set aside and counting started over.</source>
        <translation>統計を読み込めなかったため、別の場所に退避し、集計をやり直しました。</translation>
    </message>
    <message>
        <source>Not saved: %app cannot write to its data folder.</source>
        <translation>保存されていません：%appがデータフォルダーに書き込めません。</translation>
    </message>
    <message numerus="yes">
        <source>%Ln suggestions. %1 selected</source>
        <translation>
            <numerusform>候補%Ln件。%1を選択中</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln min</source>
        <translation>
            <numerusform>%Ln分</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln words</source>
        <translation>
            <numerusform>%Ln語</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln passages from here</source>
        <translation>
            <numerusform>ここからの文例：%Ln件</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>words</source>
        <comment>unit after a count</comment>
        <translation>
            <numerusform>語</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln days</source>
        <translation>
            <numerusform>%Ln日</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Words saved per day over the last %Ln days</source>
        <translation>
            <numerusform>過去%Ln日間に1日あたり節約した語数</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln day streak</source>
        <translation>
            <numerusform>%Ln日連続</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln passages remembered</source>
        <translation>
            <numerusform>記憶した文例：%Ln件</numerusform>
        </translation>
    </message>
    <message>
        <source>enter</source>
        <translation>enter</translation>
    </message>
    <message>
        <source>Allow screen capture so %app can read those too. Most apps work without it.</source>
        <translation>画面キャプチャを許可すると、%appはそうしたアプリも読み取れます。ほとんどのアプリは許可なしで動作します。</translation>
    </message>
    <message>
        <source>Type a colon and a word, like :rocket, then press Tab or Enter to pick.</source>
        <translation>コロンと語（:rocketなど）を入力し、TabまたはEnterで選びます。</translation>
    </message>
    <message>
        <source>You can switch memory off for single apps under Apps &amp; Sites. The key that unlocks it lives in your keyring.</source>
        <translation>「アプリとサイト」でアプリごとに記憶をオフにできます。記憶のロックを解除するキーはキーリングに保存されています。</translation>
    </message>
    <message numerus="yes">
        <source>%Ln emoji. %1 selected</source>
        <translation>
            <numerusform>絵文字%Ln件。%1を選択中</numerusform>
        </translation>
    </message>
    <message>
        <source>Suggestion: %1</source>
        <translation>候補：%1</translation>
    </message>
    <message numerus="yes">
        <source>%Ln models available</source>
        <translation>
            <numerusform>利用できるモデル：%Ln個</numerusform>
        </translation>
    </message>
    <message>
        <source>The model couldn&apos;t be saved: %1</source>
        <translation>モデルを保存できませんでした：%1</translation>
    </message>
    <message>
        <source>Ollama isn&apos;t running.</source>
        <translation>Ollamaが起動していません。</translation>
    </message>
    <message>
        <source>Ollama isn&apos;t running at %1.</source>
        <translation>Ollamaが起動していません（接続先：%1）。</translation>
    </message>
    <message>
        <source>No server answered.</source>
        <translation>サーバーから応答がありません。</translation>
    </message>
    <message>
        <source>No server answered at %1.</source>
        <translation>サーバーから応答がありません（接続先：%1）。</translation>
    </message>
    <message>
        <source>Range: %1</source>
        <translation>期間：%1</translation>
    </message>
    <message numerus="yes">
        <source>%1, %Ln to do</source>
        <translation>
            <numerusform>%1、残り%Ln件</numerusform>
        </translation>
    </message>
    <message>
        <source>Type the whole name of the website, such as wikipedia.org.</source>
        <translation>wikipedia.orgのように、Webサイトの名前を最後まで入力してください。</translation>
    </message>
    <message>
        <source>The key holds a space, an invisible character or a letter outside plain ASCII. Paste it again exactly as your server gave it.</source>
        <translation>キーにスペース、見えない文字、または通常のASCII以外の文字が含まれています。サーバーから渡されたとおりに貼り付け直してください。</translation>
    </message>
    <message>
        <source>The keyring could not be read, so your server is asked without an API key. Type the key again if your server needs one.</source>
        <translation>キーリングを読み取れなかったため、APIキーなしでサーバーに問い合わせています。サーバーにキーが必要な場合は、もう一度入力してください。</translation>
    </message>
    <message>
        <source>Your writing memory could not be opened, so it was set aside and %app started a new one.</source>
        <translation>文章の記憶を開けなかったため、別の場所に退避し、%appが新しい記憶を始めました。</translation>
    </message>
    <message>
        <source>%1, converted for llama.cpp by %2</source>
        <translation>%1（%2がllama.cpp用に変換）</translation>
    </message>
    <message>
        <source>The data folder %1 could not be made. Check that the folder above it exists and that you may write there.</source>
        <translation>データフォルダー%1を作成できませんでした。ひとつ上のフォルダーが存在し、そこに書き込めることを確認してください。</translation>
    </message>
    <message>
        <source>party</source>
        <comment>emoji search sample</comment>
        <translation>パーティー</translation>
    </message>
    <message numerus="yes">
        <source>%Ln settings held values %app cannot use, so they were corrected and saved.</source>
        <translation>
            <numerusform>%appで使えない値が入っていた設定が%Ln件あったため、修正して保存しました。</numerusform>
        </translation>
    </message>
    <message>
        <source>Your writing memory is not saved: the keyring is missing or locked, so its key cannot be kept.</source>
        <translation>文章の記憶は保存されていません。キーリングがないかロックされているため、そのキーを保管できません。</translation>
    </message>
    <message>
        <source>That address isn&apos;t valid</source>
        <translation>このアドレスは無効です</translation>
    </message>
    <message>
        <source>The request timed out.</source>
        <translation>リクエストがタイムアウトしました。</translation>
    </message>
    <message>
        <source>The server&apos;s reply was too long, so it was stopped.</source>
        <translation>サーバーの応答が長すぎたため、停止しました。</translation>
    </message>
    <message>
        <source>The server answered %1.</source>
        <translation>サーバーが%1を返しました。</translation>
    </message>
    <message>
        <source>The server answered %1: %2</source>
        <translation>サーバーが%1を返しました：%2</translation>
    </message>
    <message>
        <source>The download server answered %1. Try again later.</source>
        <translation>ダウンロードサーバーが%1を返しました。しばらくしてからもう一度お試しください。</translation>
    </message>
    <message>
        <source>The download couldn&apos;t be saved: %1</source>
        <translation>ダウンロードを保存できませんでした：%1</translation>
    </message>
    <message>
        <source>The download paused because the connection dropped. Try again to pick up where it stopped.</source>
        <translation>接続が切れたため、ダウンロードを一時停止しました。もう一度試すと、止まったところから再開します。</translation>
    </message>
    <message>
        <source>The download stopped. Check your connection, then try again.</source>
        <translation>ダウンロードが停止しました。接続を確認してから、もう一度お試しください。</translation>
    </message>
    <message>
        <source>Pick an Ollama model in Settings</source>
        <translation>設定でOllamaのモデルを選んでください</translation>
    </message>
    <message>
        <source>Pick a model for your local server</source>
        <translation>ローカルサーバーのモデルを選んでください</translation>
    </message>
    <message>
        <source>The server&apos;s answer is not HTTP.</source>
        <translation>サーバーの応答がHTTPではありません。</translation>
    </message>
    <message>
        <source>The data couldn&apos;t be read because it is missing.</source>
        <translation>データがないため、読み込めませんでした。</translation>
    </message>
    <message>
        <source>The data couldn&apos;t be read because it isn&apos;t in the correct format.</source>
        <translation>データの形式が正しくないため、読み込めませんでした。</translation>
    </message>
    <message>
        <source>:%1:</source>
        <comment>emoji name</comment>
        <translation>:%1:</translation>
    </message>
    <message>
        <source>This computer has no on-device language model.</source>
        <translation>このコンピューターにはオンデバイスの言語モデルがありません。</translation>
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
        <translation>%1で一時停止中</translation>
    </message>
    <message>
        <source>Paused in %1</source>
        <translation>%1で一時停止中</translation>
    </message>
    <message>
        <source>Off on %1</source>
        <translation>%1でオフ</translation>
    </message>
    <message>
        <source>Off in %1</source>
        <translation>%1でオフ</translation>
    </message>
    <message>
        <source>Off in %1 by default</source>
        <translation>%1では既定でオフ</translation>
    </message>
    <message>
        <source>Off in code editors</source>
        <translation>コードエディタではオフ</translation>
    </message>
    <message>
        <source>Off unless turned on per app</source>
        <translation>アプリごとにオンにしない限りオフ</translation>
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
        <translation>Delete</translation>
    </message>
    <message>
        <source>Space</source>
        <comment>key</comment>
        <translation>スペース</translation>
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
        <translation>キー%1</translation>
    </message>
    <message>
        <source>An email reply reads differently from a commit message.</source>
        <translation>メールの返信とコミットメッセージでは書き方が違います。</translation>
    </message>
    <message>
        <source>Writes straight into the field. Cleanest in GTK and Qt apps.</source>
        <translation>入力欄に直接書き込みます。GTKやQtのアプリで最もきれいに動きます。</translation>
    </message>
    <message>
        <source>Typing</source>
        <comment>insertion method</comment>
        <translation>キー入力</translation>
    </message>
    <message>
        <source>%1 h</source>
        <comment>hours with one decimal, such as 1.5</comment>
        <translation>%1時間</translation>
    </message>
    <message numerus="yes">
        <source>%Ln h</source>
        <translation>
            <numerusform>%Ln時間</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln ms</source>
        <translation>
            <numerusform>%Lnミリ秒</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>screen-reader name: a sentence, then the next part</comment>
        <translation>%1%2</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <comment>screen-reader name: a title, then the next part</comment>
        <translation>%1。%2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>screen-reader name: one item of a list, then the next</comment>
        <translation>%1、%2</translation>
    </message>
    <message numerus="yes">
        <source>%Ln words saved today</source>
        <translation>
            <numerusform>今日%Ln語を節約</numerusform>
        </translation>
    </message>
    <message>
        <source>Under a minute of typing saved today.</source>
        <translation>今日は1分足らずの入力を節約しました。</translation>
    </message>
    <message>
        <source>About %1 of typing saved today.</source>
        <translation>今日は約%1の入力を節約しました。</translation>
    </message>
    <message numerus="yes">
        <source>Step %1 of %Ln</source>
        <translation>
            <numerusform>ステップ%1／%Ln</numerusform>
        </translation>
    </message>
    <message>
        <source>%app reads and types into text fields through the desktop&apos;s accessibility support, which some desktops leave off. %app uses it only for the field you&apos;re writing in.</source>
        <translation>%appはデスクトップのアクセシビリティ機能を通じて、入力欄の内容を読み取り、文字を入力します。この機能がオフになっているデスクトップもあります。%appがこの機能を使うのは、いま書いている入力欄に対してだけです。</translation>
    </message>
    <message>
        <source>The button switches the desktop&apos;s accessibility support on. If the desktop&apos;s settings open instead, turn accessibility on there, then come back. This page updates by itself.</source>
        <translation>このボタンでデスクトップのアクセシビリティ機能がオンになります。代わりにデスクトップの設定が開いた場合は、そこでアクセシビリティをオンにしてから戻ってください。このページは自動で更新されます。</translation>
    </message>
    <message>
        <source>Still off? Some desktops start their accessibility service only when you log in. Log out and back in, then try again.</source>
        <translation>まだオフのままですか？&#x3000;デスクトップによっては、ログイン時にしかアクセシビリティサービスを起動しません。ログアウトしてからログインし直し、もう一度お試しください。</translation>
    </message>
    <message>
        <source>Pause</source>
        <comment>section header</comment>
        <translation>一時停止</translation>
    </message>
    <message>
        <source>Pause</source>
        <comment>button</comment>
        <translation>一時停止</translation>
    </message>
    <message>
        <source>typing</source>
        <comment>insertion method, in a sentence</comment>
        <translation>キー入力</translation>
    </message>
    <message>
        <source>accessibility</source>
        <comment>insertion method, in a sentence</comment>
        <translation>アクセシビリティ</translation>
    </message>
    <message>
        <source>paste</source>
        <comment>insertion method, in a sentence</comment>
        <translation>貼り付け</translation>
    </message>
    <message>
        <source>short</source>
        <comment>suggestion length, in a sentence</comment>
        <translation>短めの</translation>
    </message>
    <message>
        <source>medium</source>
        <comment>suggestion length, in a sentence</comment>
        <translation>標準の</translation>
    </message>
    <message>
        <source>long</source>
        <comment>suggestion length, in a sentence</comment>
        <translation>長めの</translation>
    </message>
    <message>
        <source>Default follows General: %1, %2 suggestions.</source>
        <translation>既定は「一般」に従います：%1、%2候補。</translation>
    </message>
    <message>
        <source>Yes, at %1, %2 on screen, %3 pt tall, %4 and %5</source>
        <translation>はい。画面上の位置%1、%2、高さ%3 pt、%4、%5</translation>
    </message>
    <message numerus="yes">
        <source>%Ln characters before it</source>
        <translation>
            <numerusform>前に%Ln文字</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln after</source>
        <comment>characters after the caret</comment>
        <translation>
            <numerusform>後に%Ln文字</numerusform>
        </translation>
    </message>
    <message>
        <source>No system tray runs on this desktop, so the icon cannot show. %1</source>
        <translation>このデスクトップではシステムトレイが動いていないため、アイコンを表示できません。%1</translation>
    </message>
    <message>
        <source>Typing</source>
        <comment>section header</comment>
        <translation>キー入力</translation>
    </message>
    <message>
        <source>Switch to the computer&apos;s language?</source>
        <translation>コンピューターの言語に切り替えますか？</translation>
    </message>
    <message numerus="yes">
        <source>%Ln words this week.</source>
        <translation>
            <numerusform>今週は%Ln語。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Under a minute of typing saved today. %Ln words this week.</source>
        <translation>
            <numerusform>今日は1分足らずの入力を節約しました。今週は%Ln語。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>About %1 of typing saved today. %Ln words this week.</source>
        <translation>
            <numerusform>今日は約%1の入力を節約しました。今週は%Ln語。</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>screen-reader name: a day of the week, then the words saved that day</comment>
        <translation>%1：%2</translation>
    </message>
    <message numerus="yes">
        <source>%Ln of %1 done</source>
        <translation>
            <numerusform>%Ln／%1完了</numerusform>
        </translation>
    </message>
    <message>
        <source>The server refused the connection. Check that it is running and that the address is right.</source>
        <translation>サーバーが接続を拒否しました。サーバーが動作していること、アドレスが正しいことを確認してください。</translation>
    </message>
    <message>
        <source>The server&apos;s name couldn&apos;t be found. Check the address.</source>
        <translation>サーバー名が見つかりませんでした。アドレスを確認してください。</translation>
    </message>
    <message>
        <source>A secure connection to the server couldn&apos;t be made.</source>
        <translation>サーバーとの安全な接続を確立できませんでした。</translation>
    </message>
    <message>
        <source>The server closed the connection before it answered.</source>
        <translation>サーバーが応答する前に接続を切断しました。</translation>
    </message>
    <message>
        <source>The network proxy couldn&apos;t be reached.</source>
        <translation>ネットワークのプロキシに接続できませんでした。</translation>
    </message>
    <message>
        <source>The server couldn&apos;t be reached.</source>
        <translation>サーバーに接続できませんでした。</translation>
    </message>
    <message>
        <source>Waiting for the network…</source>
        <translation>ネットワークを待っています…</translation>
    </message>
    <message>
        <source>%1 is taken by another program.</source>
        <translation>%1は別のプログラムが使用しています。</translation>
    </message>
    <message>
        <source>%1 could not open again. Your choice takes effect the next time you start it.</source>
        <translation>%1を再び開けませんでした。選択は次回の起動時に反映されます。</translation>
    </message>
    <message>
        <source>Downloading the model</source>
        <translation>モデルをダウンロード中</translation>
    </message>
    <message numerus="yes">
        <source>These apps answer the Tab key before %app can, so %app stays paused in your other apps until they quit.</source>
        <translation>
            <numerusform>これらのアプリが%appより先にTabキーを受け取るため、終了するまで%appはほかのアプリで一時停止します。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>It may be waiting on a dialog of its own. Force Quit closes it right away.</source>
        <translation>
            <numerusform>独自のダイアログで応答を待っている可能性があります。強制終了するとすぐに閉じます。</numerusform>
        </translation>
    </message>
    <message>
        <source>Set a Suggest Now shortcut in Keys to ask for suggestions</source>
        <translation>候補を呼び出すには、「キー」で「今すぐ候補」のショートカットを設定してください</translation>
    </message>
    <message>
        <source>Backspace</source>
        <comment>key above Enter that deletes backwards</comment>
        <translation>Backspace</translation>
    </message>
    <message>
        <source>0 words saved today</source>
        <translation>今日0語を節約</translation>
    </message>
    <message>
        <source>words saved today</source>
        <comment>beside the count 0</comment>
        <translation>語を節約（今日）</translation>
    </message>
    <message>
        <source>Quit the other app</source>
        <translation>もう一方のアプリを終了</translation>
    </message>
    <message>
        <source>None yet</source>
        <comment>no app looked at yet</comment>
        <translation>まだありません</translation>
    </message>
    <message>
        <source>None yet</source>
        <comment>no suggestion shown yet</comment>
        <translation>まだありません</translation>
    </message>
    <message>
        <source>The other app is also running</source>
        <translation>もう一方のアプリも起動しています</translation>
    </message>
    <message>
        <source>Both apps answer the Tab key, and the system gives it to the other app first. %app stays paused in your other apps until the other app quits.</source>
        <translation>どちらのアプリもTabキーに反応し、システムはもう一方のアプリに先にTabキーを渡します。もう一方のアプリが終了するまで、%appはほかのアプリで一時停止します。</translation>
    </message>
    <message>
        <source>The other app is still open</source>
        <translation>もう一方のアプリはまだ開いています</translation>
    </message>
    <message>
        <source>The other app quit, so your suggestions are back in every app.</source>
        <translation>もう一方のアプリが終了したため、すべてのアプリで候補が戻りました。</translation>
    </message>
    <message>
        <source>The other app quit. %app has the Tab key.</source>
        <translation>もう一方のアプリが終了しました。Tabキーは%appが使えます。</translation>
    </message>
</context>
</TS>
