<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_Hant" sourcelanguage="en">
<context>
    <name>Tessaquill</name>
    <message>
        <source>Accessibility is on. %app is ready in your other apps.</source>
        <translation>無障礙功能已開啟。現在可以在你的其他應用程式中使用 %app。</translation>
    </message>
    <message>
        <source>Paused while %1 is open</source>
        <translation>%1 開啟時暫停</translation>
    </message>
    <message>
        <source>Welcome to %app</source>
        <translation>歡迎使用 %app</translation>
    </message>
    <message>
        <source>%app</source>
        <translation>%app</translation>
    </message>
    <message>
        <source>Another autocomplete app is running</source>
        <translation>另一個自動完成程式正在執行</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>就緒</translation>
    </message>
    <message>
        <source>Waiting for a pause</source>
        <translation>正在等待輸入停頓</translation>
    </message>
    <message>
        <source>Thinking</source>
        <translation>思考中</translation>
    </message>
    <message>
        <source>Showing a suggestion</source>
        <translation>正在顯示建議</translation>
    </message>
    <message>
        <source>The model took too long to answer</source>
        <translation>模型回應時間過長</translation>
    </message>
    <message>
        <source>This app doesn&apos;t report where the caret is</source>
        <translation>此應用程式不會回報游標位置</translation>
    </message>
    <message>
        <source>%app is turned off</source>
        <translation>%app 已關閉</translation>
    </message>
    <message>
        <source>Secure input is on, so %app stays out</source>
        <translation>安全輸入已開啟，%app 不會介入</translation>
    </message>
    <message>
        <source>Press %1 for a suggestion</source>
        <translation>按 %1 取得建議</translation>
    </message>
    <message>
        <source>Text is selected</source>
        <translation>已選取文字</translation>
    </message>
    <message>
        <source>The caret is inside existing text</source>
        <translation>游標位於現有文字中間</translation>
    </message>
    <message>
        <source>This field is too small</source>
        <translation>此輸入欄位太小</translation>
    </message>
    <message>
        <source>Waiting for a few characters</source>
        <translation>正在等待輸入幾個字元</translation>
    </message>
    <message>
        <source>Start of a new line</source>
        <translation>新的一行開頭</translation>
    </message>
    <message>
        <source>The model is still downloading</source>
        <translation>模型仍在下載中</translation>
    </message>
    <message>
        <source>Download the %app model in Settings first</source>
        <translation>請先在設定中下載 %app 模型</translation>
    </message>
    <message>
        <source>Not checked yet</source>
        <translation>尚未檢查</translation>
    </message>
    <message>
        <source>Checking…</source>
        <translation>正在檢查…</translation>
    </message>
    <message>
        <source>The model stopped with error %1</source>
        <translation>模型因錯誤 %1 而停止</translation>
    </message>
    <message>
        <source>The model file couldn&apos;t be loaded</source>
        <translation>無法載入模型檔案</translation>
    </message>
    <message>
        <source>There wasn&apos;t enough memory to start the model</source>
        <translation>記憶體不足，無法啟動模型</translation>
    </message>
    <message>
        <source>The text couldn&apos;t be prepared for the model</source>
        <translation>無法為模型準備文字</translation>
    </message>
    <message>
        <source>This computer needs %1 free for the download. Free up some space, then try again.</source>
        <translation>這部電腦需要 %1 的可用空間才能下載。請釋出一些空間，然後再試一次。</translation>
    </message>
    <message>
        <source>The download didn&apos;t match the expected file, so it was deleted. Try again.</source>
        <translation>下載的檔案與預期不符，已被刪除。請再試一次。</translation>
    </message>
    <message>
        <source>Downloaded</source>
        <translation>已下載</translation>
    </message>
    <message>
        <source>Downloading. Suggestions start once it&apos;s done.</source>
        <translation>下載中。完成後就會開始提供建議。</translation>
    </message>
    <message>
        <source>Checking the download.</source>
        <translation>正在檢查下載內容。</translation>
    </message>
    <message>
        <source>Checking the download. Suggestions start once it&apos;s done.</source>
        <translation>正在檢查下載內容。完成後就會開始提供建議。</translation>
    </message>
    <message>
        <source>Download the model to start</source>
        <translation>下載模型即可開始</translation>
    </message>
    <message>
        <source>Ollama is running but has no models</source>
        <translation>Ollama 正在執行，但沒有任何模型</translation>
    </message>
    <message>
        <source>Another app</source>
        <translation>其他應用程式</translation>
    </message>
    <message>
        <source>There is no D-Bus session bus, so %1 cannot reach text fields.</source>
        <translation>沒有 D-Bus 工作階段匯流排，因此 %1 無法存取輸入欄位。</translation>
    </message>
    <message>
        <source>The desktop&apos;s accessibility bus is not running, so %1 cannot reach text fields.</source>
        <translation>桌面的無障礙匯流排未在執行，因此 %1 無法存取輸入欄位。</translation>
    </message>
    <message>
        <source>Short</source>
        <translation>短</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>中</translation>
    </message>
    <message>
        <source>Long</source>
        <translation>長</translation>
    </message>
    <message>
        <source>Hide the suggestion</source>
        <translation>隱藏建議</translation>
    </message>
    <message>
        <source>Hide suggestions until I change fields</source>
        <translation>在我切換欄位前隱藏建議</translation>
    </message>
    <message>
        <source>Do nothing, send Escape to the app</source>
        <translation>不做任何事，將 Esc 傳給應用程式</translation>
    </message>
    <message>
        <source>Type it</source>
        <translation>模擬鍵入</translation>
    </message>
    <message>
        <source>Insert through Accessibility</source>
        <translation>透過無障礙功能插入</translation>
    </message>
    <message>
        <source>Paste it</source>
        <translation>貼上</translation>
    </message>
    <message>
        <source>Grey</source>
        <translation>灰色</translation>
    </message>
    <message>
        <source>Gold tint</source>
        <translation>金色調</translation>
    </message>
    <message>
        <source>%app model</source>
        <translation>%app 模型</translation>
    </message>
    <message>
        <source>Ollama</source>
        <translation>Ollama</translation>
    </message>
    <message>
        <source>Local server</source>
        <translation>本機伺服器</translation>
    </message>
    <message>
        <source>Runs on this computer after a one-time download. Works offline.</source>
        <translation>下載一次後即可在這部電腦上執行，離線也能使用。</translation>
    </message>
    <message>
        <source>Any model you run in Ollama, base models included.</source>
        <translation>你在 Ollama 中執行的任何模型，包含基礎模型。</translation>
    </message>
    <message>
        <source>LM Studio, llama-server or any OpenAI-compatible endpoint.</source>
        <translation>LM Studio、llama-server 或任何與 OpenAI 相容的端點。</translation>
    </message>
    <message>
        <source>Sends the text as keystrokes. Works almost everywhere.</source>
        <translation>以按鍵方式送出文字。幾乎在任何地方都能使用。</translation>
    </message>
    <message>
        <source>Uses the clipboard, then puts your clipboard back.</source>
        <translation>使用剪貼簿，之後再還原你的剪貼簿內容。</translation>
    </message>
    <message>
        <source>Accessibility</source>
        <translation>無障礙</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>貼上</translation>
    </message>
    <message>
        <source>Your writing memory could not be opened and was set aside. Nothing new is remembered until %app starts again.</source>
        <translation>無法開啟你的寫作記憶，已將其另存備份。在 %app 重新啟動之前，不會記住任何新內容。</translation>
    </message>
    <message>
        <source>Your writing memory could not be opened because its key could not be read from the keyring. Nothing new is remembered until %app starts again.</source>
        <translation>無法從金鑰圈讀取金鑰，因此無法開啟你的寫作記憶。在 %app 重新啟動之前，不會記住任何新內容。</translation>
    </message>
    <message>
        <source>Not Now</source>
        <translation>現在不要</translation>
    </message>
    <message>
        <source>Open the desktop&apos;s settings</source>
        <translation>開啟桌面設定</translation>
    </message>
    <message>
        <source>Don&apos;t remind me again</source>
        <translation>不要再提醒我</translation>
    </message>
    <message>
        <source>Open Playground</source>
        <translation>開啟練習欄位</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Quit %app</source>
        <translation>結束 %app</translation>
    </message>
    <message>
        <source>Needs Accessibility access</source>
        <translation>需要無障礙權限</translation>
    </message>
    <message>
        <source>Paused until you resume</source>
        <translation>已暫停，直到你繼續</translation>
    </message>
    <message>
        <source>Paused until %1</source>
        <translation>暫停到 %1</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>關閉</translation>
    </message>
    <message numerus="yes">
        <source>Paused while %1 are open</source>
        <translation>
            <numerusform>%1 開啟時暫停</numerusform>
        </translation>
    </message>
    <message>
        <source>Grant Accessibility Access…</source>
        <translation>授予無障礙權限…</translation>
    </message>
    <message numerus="yes">
        <source>Force Quit %1</source>
        <translation>
            <numerusform>強制結束 %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Quit %1</source>
        <translation>
            <numerusform>結束 %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>words saved today</source>
        <translation>
            <numerusform>個字詞（今天節省）</numerusform>
        </translation>
    </message>
    <message>
        <source>Start typing anywhere. %app keeps count here.</source>
        <translation>在任何地方開始輸入。%app 會在這裡計數。</translation>
    </message>
    <message>
        <source>Resume in %1</source>
        <translation>在 %1 中繼續</translation>
    </message>
    <message>
        <source>Pause in %1</source>
        <translation>在 %1 中暫停</translation>
    </message>
    <message>
        <source>Resume Everywhere</source>
        <translation>全部繼續</translation>
    </message>
    <message>
        <source>Pause Everywhere</source>
        <translation>全部暫停</translation>
    </message>
    <message>
        <source>For 15 Minutes</source>
        <translation>15 分鐘</translation>
    </message>
    <message>
        <source>For 1 Hour</source>
        <translation>1 小時</translation>
    </message>
    <message>
        <source>For 4 Hours</source>
        <translation>4 小時</translation>
    </message>
    <message>
        <source>Until I Resume</source>
        <translation>直到我繼續</translation>
    </message>
    <message>
        <source>Example: after typing %1, %2 suggests %3</source>
        <translation>範例：輸入「%1」後，%2 建議「%3」</translation>
    </message>
    <message>
        <source>takes the next word</source>
        <translation>接受下一個字詞</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>下載</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>%1 of %2. You can keep writing while it downloads.</source>
        <translation>%1 / %2。下載期間你可以繼續寫作。</translation>
    </message>
    <message>
        <source>Checking the download</source>
        <translation>正在檢查下載內容</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>再試一次</translation>
    </message>
    <message>
        <source>Remove…</source>
        <translation>移除…</translation>
    </message>
    <message>
        <source>%1 license</source>
        <translation>%1 授權條款</translation>
    </message>
    <message>
        <source>Remove the %app model?</source>
        <translation>要移除 %app 模型嗎？</translation>
    </message>
    <message>
        <source>Model download</source>
        <translation>模型下載</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>移除</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>繼續</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>稍後</translation>
    </message>
    <message>
        <source>Start Writing</source>
        <translation>開始寫作</translation>
    </message>
    <message>
        <source>Finish your sentences in any app.</source>
        <translation>在任何應用程式中幫你把句子寫完。</translation>
    </message>
    <message>
        <source>%app reads the words before your caret and suggests what comes next in grey. Press Tab to take one word, or the key above Tab to take the rest. If you don&apos;t want it, keep typing.</source>
        <translation>%app 會讀取游標前的文字，並以灰色文字建議接下來的內容。按 Tab 接受一個字詞，按 Tab 上方的按鍵接受其餘全部。不需要的話，繼續輸入就好。</translation>
    </message>
    <message>
        <source>Sees what you see</source>
        <translation>看見你所看見的</translation>
    </message>
    <message>
        <source>Private</source>
        <translation>私密</translation>
    </message>
    <message>
        <source>It reads the window you&apos;re typing in, like the chat you&apos;re answering, so suggestions fit. None of it goes online, to us or any server. It stays private on your computer.</source>
        <translation>它會讀取你正在輸入的視窗，例如你正在回覆的聊天，讓建議更貼切。這些內容都不會上網，不會傳給我們或任何伺服器，而是私密地留在你的電腦上。</translation>
    </message>
    <message>
        <source>Accessibility is on</source>
        <translation>無障礙功能已開啟</translation>
    </message>
    <message>
        <source>%app can now read the field you&apos;re writing in and type suggestions for you.</source>
        <translation>%app 現在可以讀取你正在寫的輸入欄位，並替你輸入建議。</translation>
    </message>
    <message>
        <source>Let %app see what you type.</source>
        <translation>允許 %app 查看你輸入的內容。</translation>
    </message>
    <message>
        <source>%app reads your text when you pause and forgets it after one suggestion, unless you turn on writing memory.</source>
        <translation>%app 會在你停頓時讀取文字，提供一次建議後就會忘記，除非你開啟寫作記憶。</translation>
    </message>
    <message>
        <source>%app skips password fields and anything else the system marks as secure.</source>
        <translation>%app 會略過密碼欄位，以及系統標示為安全的其他任何內容。</translation>
    </message>
    <message>
        <source>Open Accessibility Settings</source>
        <translation>開啟無障礙設定</translation>
    </message>
    <message>
        <source>Pick what writes your suggestions.</source>
        <translation>選擇用來產生建議的引擎。</translation>
    </message>
    <message>
        <source>You can change this any time in Settings.</source>
        <translation>你隨時可以在設定中更改。</translation>
    </message>
    <message>
        <source>Give it a try.</source>
        <translation>試試看。</translation>
    </message>
    <message>
        <source>Start typing a sentence. When grey words appear, press Tab for one word or the key above Tab for all of them.</source>
        <translation>開始輸入一個句子。出現灰色文字時，按 Tab 接受一個字詞，或按 Tab 上方的按鍵全部接受。</translation>
    </message>
    <message>
        <source>Hi Orlenn, thanks for the quick reply. I think we should</source>
        <translation>Orlenn 你好，謝謝你這麼快回覆。我覺得我們應該</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>返回</translation>
    </message>
    <message>
        <source>Practice field</source>
        <translation>練習欄位</translation>
    </message>
    <message>
        <source>Default, on</source>
        <translation>預設，開啟</translation>
    </message>
    <message>
        <source>Default, off</source>
        <translation>預設，關閉</translation>
    </message>
    <message>
        <source>Add a website</source>
        <translation>新增網站</translation>
    </message>
    <message>
        <source>Domain</source>
        <translation>網域</translation>
    </message>
    <message>
        <source>Rules for a site apply in any browser %app can read.</source>
        <translation>網站規則適用於 %app 能讀取的任何瀏覽器。</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>新增</translation>
    </message>
    <message>
        <source>Add App…</source>
        <translation>新增應用程式…</translation>
    </message>
    <message>
        <source>Add an app</source>
        <translation>新增應用程式</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>搜尋</translation>
    </message>
    <message>
        <source>Clear search</source>
        <translation>清除搜尋</translation>
    </message>
    <message>
        <source>Add an app or website</source>
        <translation>新增應用程式或網站</translation>
    </message>
    <message>
        <source>Add Website…</source>
        <translation>新增網站…</translation>
    </message>
    <message>
        <source>Apps &amp; Sites</source>
        <translation>應用程式與網站</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>已暫停</translation>
    </message>
    <message>
        <source>Apps</source>
        <translation>應用程式</translation>
    </message>
    <message>
        <source>Websites</source>
        <translation>網站</translation>
    </message>
    <message>
        <source>No matches</source>
        <translation>沒有符合的項目</translation>
    </message>
    <message>
        <source>No apps yet</source>
        <translation>尚無應用程式</translation>
    </message>
    <message>
        <source>Nothing matches “%1”.</source>
        <translation>沒有符合「%1」的項目。</translation>
    </message>
    <message>
        <source>Apps appear here once you accept a suggestion in them, or add one with +.</source>
        <translation>在應用程式中接受建議後，它就會出現在這裡；也可以用 + 新增。</translation>
    </message>
    <message>
        <source>Pick an app or site</source>
        <translation>選擇應用程式或網站</translation>
    </message>
    <message>
        <source>Each one can have its own rules. Anything you don&apos;t change follows General.</source>
        <translation>每一個都可以有自己的規則。未更改的項目會依照「一般」。</translation>
    </message>
    <message>
        <source>Words saved here</source>
        <translation>在此節省的字詞</translation>
    </message>
    <message>
        <source>Suggestions</source>
        <translation>建議</translation>
    </message>
    <message>
        <source>On</source>
        <translation>開啟</translation>
    </message>
    <message>
        <source>Tab accepts suggestions</source>
        <translation>用 Tab 接受建議</translation>
    </message>
    <message>
        <source>Turn off where Tab already means something, like indenting. The other accept key still works.</source>
        <translation>如果 Tab 在這裡已有其他用途（例如縮排），請關閉。另一個接受鍵仍可使用。</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>預設</translation>
    </message>
    <message>
        <source>Insert by</source>
        <translation>插入方式</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>長度</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>繼續</translation>
    </message>
    <message>
        <source>Pause here</source>
        <translation>在此暫停</translation>
    </message>
    <message>
        <source>Memory</source>
        <translation>記憶</translation>
    </message>
    <message>
        <source>Remember my writing here</source>
        <translation>記住我在這裡的寫作</translation>
    </message>
    <message>
        <source>Writing memory is off in Your Voice.</source>
        <translation>寫作記憶已在「你的風格」中關閉。</translation>
    </message>
    <message>
        <source>Erase…</source>
        <translation>清除…</translation>
    </message>
    <message>
        <source>Reset to Defaults</source>
        <translation>重設為預設值</translation>
    </message>
    <message>
        <source>Erase what %app remembered from %1?</source>
        <translation>要清除 %app 從 %1 記住的內容嗎？</translation>
    </message>
    <message>
        <source>Erase</source>
        <translation>清除</translation>
    </message>
    <message>
        <source>Passages from this app can shape suggestions everywhere.</source>
        <translation>來自此應用程式的片段可能會影響所有地方的建議。</translation>
    </message>
    <message>
        <source>Finish setting up</source>
        <translation>完成設定</translation>
    </message>
    <message>
        <source>Setup progress</source>
        <translation>設定進度</translation>
    </message>
    <message>
        <source>Done: %1</source>
        <translation>已完成：%1</translation>
    </message>
    <message>
        <source>Best day yet!</source>
        <translation>目前為止最棒的一天！</translation>
    </message>
    <message>
        <source>Try it here</source>
        <translation>在這裡試試看</translation>
    </message>
    <message>
        <source>Thanks for sending the draft over. I had a look and</source>
        <translation>謝謝你把草稿寄過來。我看過了，</translation>
    </message>
    <message>
        <source>next word</source>
        <translation>下一個字詞</translation>
    </message>
    <message>
        <source>whole suggestion</source>
        <translation>整個建議</translation>
    </message>
    <message>
        <source>hide it</source>
        <translation>隱藏</translation>
    </message>
    <message>
        <source>This field runs the real engine. Start typing and grey words show up as you go.</source>
        <translation>這個欄位執行的是真正的引擎。開始輸入，灰色文字就會隨之出現。</translation>
    </message>
    <message>
        <source>This field runs the real engine, even before you allow Accessibility. Start typing and grey words show up as you go.</source>
        <translation>即使尚未允許無障礙權限，這個欄位也會執行真正的引擎。開始輸入，灰色文字就會隨之出現。</translation>
    </message>
    <message>
        <source>You&apos;re all set</source>
        <translation>一切就緒</translation>
    </message>
    <message>
        <source>Accessibility is on and %1 is ready. %app works in every app you type in.</source>
        <translation>無障礙功能已開啟，%1 已就緒。%app 可在你輸入的每個應用程式中運作。</translation>
    </message>
    <message>
        <source>Waiting for %1 to quit</source>
        <translation>正在等待 %1 結束</translation>
    </message>
    <message>
        <source>Turned off</source>
        <translation>已關閉</translation>
    </message>
    <message>
        <source>Paused everywhere</source>
        <translation>已全部暫停</translation>
    </message>
    <message>
        <source>%1, %2 typical wait</source>
        <translation>%1，一般等待 %2</translation>
    </message>
    <message>
        <source>Start your streak today.</source>
        <translation>從今天開始連續紀錄。</translation>
    </message>
    <message>
        <source>Overview</source>
        <translation>總覽</translation>
    </message>
    <message>
        <source>General</source>
        <translation>一般</translation>
    </message>
    <message>
        <source>Engine</source>
        <translation>引擎</translation>
    </message>
    <message>
        <source>Context</source>
        <translation>情境</translation>
    </message>
    <message>
        <source>Your Voice</source>
        <translation>你的風格</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>按鍵</translation>
    </message>
    <message>
        <source>Emoji</source>
        <translation>表情符號</translation>
    </message>
    <message>
        <source>Battery</source>
        <translation>電池</translation>
    </message>
    <message>
        <source>Insights</source>
        <translation>統計</translation>
    </message>
    <message>
        <source>Field Inspector</source>
        <translation>欄位檢查器</translation>
    </message>
    <message>
        <source>About</source>
        <translation>關於</translation>
    </message>
    <message>
        <source>How %app is doing today</source>
        <translation>%app 今天的表現</translation>
    </message>
    <message>
        <source>Where and how suggestions appear</source>
        <translation>建議出現的位置與方式</translation>
    </message>
    <message>
        <source>The model that writes your suggestions</source>
        <translation>產生建議的模型</translation>
    </message>
    <message>
        <source>What %app may look at to guess better</source>
        <translation>%app 可以參考哪些內容來猜得更準</translation>
    </message>
    <message>
        <source>Help suggestions sound like you</source>
        <translation>讓建議聽起來像你</translation>
    </message>
    <message>
        <source>Accept, dismiss and summon suggestions</source>
        <translation>接受、隱藏與叫出建議</translation>
    </message>
    <message>
        <source>Emoji search and emoticons</source>
        <translation>表情符號搜尋與顏文字</translation>
    </message>
    <message>
        <source>Rules for each app and website</source>
        <translation>每個應用程式與網站的規則</translation>
    </message>
    <message>
        <source>Save power when you&apos;re unplugged</source>
        <translation>未接電源時節省電力</translation>
    </message>
    <message>
        <source>Words saved and how fast suggestions arrive</source>
        <translation>節省的字詞與建議出現的速度</translation>
    </message>
    <message>
        <source>What %app sees in the focused field</source>
        <translation>%app 在目前欄位中看到的內容</translation>
    </message>
    <message>
        <source>Version and privacy</source>
        <translation>版本與隱私權</translation>
    </message>
    <message>
        <source>Writing</source>
        <translation>寫作</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>輸入</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>規則</translation>
    </message>
    <message>
        <source>Activity</source>
        <translation>活動</translation>
    </message>
    <message>
        <source>%app can read the field you&apos;re typing in and insert suggestions in any app.</source>
        <translation>%app 可以讀取你正在輸入的欄位，並在任何應用程式中插入建議。</translation>
    </message>
    <message>
        <source>Allow Accessibility access</source>
        <translation>授予無障礙權限</translation>
    </message>
    <message>
        <source>%app needs it to read the text you type in other apps and to insert suggestions.</source>
        <translation>%app 需要此權限來讀取你在其他應用程式中輸入的文字並插入建議。</translation>
    </message>
    <message>
        <source>Allow…</source>
        <translation>允許…</translation>
    </message>
    <message>
        <source>%1 is ready</source>
        <translation>%1 已就緒</translation>
    </message>
    <message>
        <source>Checking %1</source>
        <translation>正在檢查 %1</translation>
    </message>
    <message>
        <source>This takes a moment.</source>
        <translation>這需要一點時間。</translation>
    </message>
    <message>
        <source>Your engine isn&apos;t ready</source>
        <translation>你的引擎尚未就緒</translation>
    </message>
    <message>
        <source>Open Engine</source>
        <translation>開啟引擎設定</translation>
    </message>
    <message>
        <source>The system&apos;s predictions are off</source>
        <translation>系統預測已關閉</translation>
    </message>
    <message>
        <source>Only %app&apos;s suggestions appear while you type.</source>
        <translation>輸入時只會出現 %app 的建議。</translation>
    </message>
    <message>
        <source>Turn off the system&apos;s predictions</source>
        <translation>關閉系統預測</translation>
    </message>
    <message>
        <source>The system shows its own grey suggestions on top of %app&apos;s. Each app picks up the change the next time you open it.</source>
        <translation>系統會在 %app 的建議上方顯示自己的灰色建議。各應用程式會在下次開啟時套用變更。</translation>
    </message>
    <message>
        <source>Keyboard Settings</source>
        <translation>鍵盤設定</translation>
    </message>
    <message>
        <source>Turn Off</source>
        <translation>關閉</translation>
    </message>
    <message>
        <source>Only %app is suggesting</source>
        <translation>只有 %app 在提供建議</translation>
    </message>
    <message>
        <source>Tab reaches %app again.</source>
        <translation>Tab 鍵重新交給 %app。</translation>
    </message>
    <message numerus="yes">
        <source>%1 didn&apos;t quit. They may be showing a dialog. Force Quit closes them right away.</source>
        <translation>
            <numerusform>%1 沒有結束，可能正在顯示對話框。「強制結束」會立即將其關閉。</numerusform>
        </translation>
    </message>
    <message>
        <source>Force Quit</source>
        <translation>強制結束</translation>
    </message>
    <message numerus="yes">
        <source>%1 take the Tab key before %app can, so %app stays paused in your other apps until you quit them.</source>
        <translation>
            <numerusform>%1 會比 %app 先接收 Tab 鍵，因此在你結束 %1 之前，%app 會在其他應用程式中保持暫停。</numerusform>
        </translation>
    </message>
    <message>
        <source>Only when I ask</source>
        <translation>只在我要求時</translation>
    </message>
    <message>
        <source>On battery, suggestions appear only after you press the Suggest Now shortcut.</source>
        <translation>使用電池時，只有按下「立即建議」快速鍵後才會出現建議。</translation>
    </message>
    <message>
        <source>Shorter suggestions</source>
        <translation>較短的建議</translation>
    </message>
    <message>
        <source>Fewer words take less power to write.</source>
        <translation>字詞越少，產生時越省電。</translation>
    </message>
    <message>
        <source>Lighter model</source>
        <translation>較輕量的模型</translation>
    </message>
    <message>
        <source>Same as plugged in</source>
        <translation>與接上電源時相同</translation>
    </message>
    <message>
        <source>Running on battery. These apply right now.</source>
        <translation>正在使用電池。這些設定會立即套用。</translation>
    </message>
    <message>
        <source>Plugged in. These wait until you unplug.</source>
        <translation>已接上電源。這些設定會在拔除電源後套用。</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>模型</translation>
    </message>
    <message>
        <source>Model name</source>
        <translation>模型名稱</translation>
    </message>
    <message>
        <source>Reload the model list</source>
        <translation>重新整理模型清單</translation>
    </message>
    <message>
        <source>Choose a model</source>
        <translation>選擇模型</translation>
    </message>
    <message>
        <source>For people who already run Ollama, LM Studio or llama-server.</source>
        <translation>適合已經在執行 Ollama、LM Studio 或 llama-server 的使用者。</translation>
    </message>
    <message>
        <source>Use your own model</source>
        <translation>使用你自己的模型</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>位址</translation>
    </message>
    <message>
        <source>API key</source>
        <translation>API 金鑰</translation>
    </message>
    <message>
        <source>Only if your server asks for one</source>
        <translation>僅在你的伺服器要求時</translation>
    </message>
    <message>
        <source>Focused</source>
        <translation>專注</translation>
    </message>
    <message>
        <source>Creativity</source>
        <translation>創意</translation>
    </message>
    <message>
        <source>Loose</source>
        <translation>奔放</translation>
    </message>
    <message>
        <source>Lower stays close to the obvious next words. Higher tries more.</source>
        <translation>越低越貼近顯而易見的下一個字詞，越高越會多方嘗試。</translation>
    </message>
    <message>
        <source>Wait before suggesting</source>
        <translation>建議前等待</translation>
    </message>
    <message>
        <source>How long you pause before %app starts.</source>
        <translation>你停頓多久之後 %app 才開始。</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>執行</translation>
    </message>
    <message>
        <source>Try the engine</source>
        <translation>測試引擎</translation>
    </message>
    <message>
        <source>Sends a sample sentence and shows what comes back.</source>
        <translation>送出一個範例句子，並顯示回傳的結果。</translation>
    </message>
    <message>
        <source>Running…</source>
        <translation>執行中…</translation>
    </message>
    <message>
        <source>The engine answered in %1 but had nothing useful to add.</source>
        <translation>引擎在 %1 內回應了，但沒有可用的內容。</translation>
    </message>
    <message>
        <source>That didn&apos;t work: %1</source>
        <translation>沒有成功：%1</translation>
    </message>
    <message>
        <source>The request was cancelled.</source>
        <translation>已取消請求。</translation>
    </message>
    <message>
        <source>Startup</source>
        <translation>啟動</translation>
    </message>
    <message>
        <source>Launch at login</source>
        <translation>登入時啟動</translation>
    </message>
    <message>
        <source>Show today&apos;s word count next to the icon</source>
        <translation>在圖示旁顯示今天的字詞數</translation>
    </message>
    <message>
        <source>Where suggestions appear</source>
        <translation>建議出現的位置</translation>
    </message>
    <message>
        <source>Turn this off to use %app only in the apps you switch on under Apps &amp; Sites.</source>
        <translation>關閉後，%app 只會在你於「應用程式與網站」中開啟的應用程式裡使用。</translation>
    </message>
    <message>
        <source>By default %app waits until the caret is at the end of a line.</source>
        <translation>根據預設，%app 會等到游標位於行尾。</translation>
    </message>
    <message>
        <source>Without this, %app skips search bars and one-word boxes.</source>
        <translation>關閉時，%app 會略過搜尋列和只容一個字詞的輸入框。</translation>
    </message>
    <message>
        <source>Suggestions appear only after you press the Suggest Now shortcut.</source>
        <translation>只有按下「立即建議」快速鍵後才會出現建議。</translation>
    </message>
    <message>
        <source>Spelling</source>
        <translation>拼字</translation>
    </message>
    <message>
        <source>Waits while the word you&apos;re typing looks misspelled, so %app doesn&apos;t build on a typo.</source>
        <translation>當你正在輸入的字詞看似拼錯時先等待，以免 %app 在錯字上繼續寫。</translation>
    </message>
    <message>
        <source>After a misspelled word, shows a fix next to the caret. Press Tab to swap it in.</source>
        <translation>出現拼錯的字詞後，在游標旁顯示修正。按 Tab 替換。</translation>
    </message>
    <message>
        <source>Look</source>
        <translation>外觀</translation>
    </message>
    <message>
        <source>Suggestion color</source>
        <translation>建議顏色</translation>
    </message>
    <message>
        <source>Text size</source>
        <translation>文字大小</translation>
    </message>
    <message>
        <source>Fine-tune if suggestions look larger or smaller than your text.</source>
        <translation>如果建議看起來比你的文字大或小，可在此微調。</translation>
    </message>
    <message>
        <source>Vertical position</source>
        <translation>垂直位置</translation>
    </message>
    <message>
        <source>Nudge suggestions up or down to line up with your text.</source>
        <translation>上下微調建議，使其與你的文字對齊。</translation>
    </message>
    <message>
        <source>A small keycap after your first suggestions, as a reminder of what to press.</source>
        <translation>在最初幾次建議後顯示一個小按鍵圖示，提醒你該按什麼。</translation>
    </message>
    <message>
        <source>Insert suggestions by</source>
        <translation>插入建議的方式</translation>
    </message>
    <message>
        <source>Other autocomplete apps</source>
        <translation>其他自動完成程式</translation>
    </message>
    <message>
        <source>They take the Tab key before %app can. With this off, %app asks you first.</source>
        <translation>它們會比 %app 先接收 Tab 鍵。關閉此項時，%app 會先詢問你。</translation>
    </message>
    <message>
        <source>%1 is another device on your network, so the text around your caret will be sent there.</source>
        <translation>%1 是你網路上的另一部裝置，因此游標周圍的文字會被傳送到那裡。</translation>
    </message>
    <message>
        <source>%1 isn&apos;t this computer, so the text around your caret will be sent there.</source>
        <translation>%1 不是這部電腦，因此游標周圍的文字會被傳送到那裡。</translation>
    </message>
    <message>
        <source>Both keep your text on this computer.</source>
        <translation>兩者都會把你的文字留在這部電腦上。</translation>
    </message>
    <message>
        <source>%app opens by itself when you start your computer.</source>
        <translation>電腦啟動時會自動開啟 %app。</translation>
    </message>
    <message>
        <source>System predictions</source>
        <translation>系統預測</translation>
    </message>
    <message>
        <source>The system can show its own grey predictions. Keeping them off avoids two suggestions at once.</source>
        <translation>系統可能會顯示自己的灰色預測。保持關閉可避免同時出現兩個建議。</translation>
    </message>
    <message>
        <source>System predictions are on</source>
        <translation>系統預測已開啟</translation>
    </message>
    <message>
        <source>System predictions are off</source>
        <translation>系統預測已關閉</translation>
    </message>
    <message>
        <source>tab</source>
        <translation>tab</translation>
    </message>
    <message>
        <source>Your next words, one Tab away.</source>
        <translation>接下來要寫的，只差一個 Tab。</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>略過</translation>
    </message>
    <message>
        <source>Get Started</source>
        <translation>開始使用</translation>
    </message>
    <message>
        <source>Turn sound on</source>
        <translation>開啟聲音</translation>
    </message>
    <message>
        <source>Turn sound off</source>
        <translation>關閉聲音</translation>
    </message>
    <message>
        <source>The other app</source>
        <translation>另一個應用程式</translation>
    </message>
    <message numerus="yes">
        <source>Next time, quit %1 without asking</source>
        <translation>
            <numerusform>下次直接結束 %1，不再詢問</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 is also running</source>
        <translation>
            <numerusform>%1 也在執行</numerusform>
        </translation>
    </message>
    <message>
        <source>Quitting…</source>
        <translation>正在結束…</translation>
    </message>
    <message numerus="yes">
        <source>%1 is still open</source>
        <translation>
            <numerusform>%1 仍在開啟中</numerusform>
        </translation>
    </message>
    <message>
        <source>%app has the Tab key</source>
        <translation>Tab 鍵已交給 %app</translation>
    </message>
    <message>
        <source>%1 quit, so your suggestions are back in every app.</source>
        <translation>%1 已結束，你的建議已在所有應用程式中恢復。</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完成</translation>
    </message>
    <message>
        <source>Open Source Notices</source>
        <translation>開放原始碼聲明</translation>
    </message>
    <message>
        <source>Reset all settings?</source>
        <translation>要重設所有設定嗎？</translation>
    </message>
    <message>
        <source>This also clears your rules for apps and sites. Your statistics and writing memory stay.</source>
        <translation>這也會清除你的應用程式與網站規則。你的統計與寫作記憶會保留。</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>重設</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>版本 %1</translation>
    </message>
    <message>
        <source>Some apps hide their text</source>
        <translation>有些應用程式會隱藏文字</translation>
    </message>
    <message>
        <source>Suggest emoji after a colon</source>
        <translation>在冒號後建議表情符號</translation>
    </message>
    <message>
        <source>Turn emoticons into emoji</source>
        <translation>將顏文字轉換成表情符號</translation>
    </message>
    <message>
        <source>After :-) or &lt;3, %app offers the matching emoji. Press Tab to swap it in.</source>
        <translation>輸入 :-) 或 &lt;3 後，%app 會提供對應的表情符號。按 Tab 替換。</translation>
    </message>
    <message>
        <source>Skin tone</source>
        <translation>膚色</translation>
    </message>
    <message>
        <source>Also show the default yellow</source>
        <translation>同時顯示預設黃色</translation>
    </message>
    <message>
        <source>Try a word</source>
        <translation>試著輸入一個字詞</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>弱</translation>
    </message>
    <message>
        <source>No emoji match “%1”</source>
        <translation>沒有符合「%1」的表情符號</translation>
    </message>
    <message>
        <source>Accepting</source>
        <translation>接受</translation>
    </message>
    <message>
        <source>Take the next word</source>
        <translation>接受下一個字詞</translation>
    </message>
    <message>
        <source>Press again for each following word.</source>
        <translation>每多按一次就接受下一個字詞。</translation>
    </message>
    <message>
        <source>Take the whole suggestion</source>
        <translation>接受整個建議</translation>
    </message>
    <message>
        <source>The key above Tab is easy to reach on most keyboards.</source>
        <translation>在大多數鍵盤上，Tab 上方的按鍵都很容易按到。</translation>
    </message>
    <message>
        <source>Include the space after a word</source>
        <translation>包含字詞後的空格</translation>
    </message>
    <message>
        <source>Include punctuation right after a word</source>
        <translation>包含緊接在字詞後的標點符號</translation>
    </message>
    <message>
        <source>When you press Escape</source>
        <translation>按下 Esc 時</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>快速鍵</translation>
    </message>
    <message>
        <source>Suggest now</source>
        <translation>立即建議</translation>
    </message>
    <message>
        <source>Asks for a suggestion right away, even where %app would normally wait.</source>
        <translation>立即要求建議，即使 %app 通常會等待。</translation>
    </message>
    <message>
        <source>Other suggestions</source>
        <translation>其他建議</translation>
    </message>
    <message>
        <source>Lists a few different ways to continue. Choose with the arrow keys, then press Tab.</source>
        <translation>列出幾種不同的接續方式。用方向鍵選擇，然後按 Tab。</translation>
    </message>
    <message>
        <source>Pause or resume in this app</source>
        <translation>在此應用程式中暫停或繼續</translation>
    </message>
    <message>
        <source>Pauses for 15 minutes.</source>
        <translation>暫停 15 分鐘。</translation>
    </message>
    <message>
        <source>Turn %app on or off</source>
        <translation>開啟或關閉 %app</translation>
    </message>
    <message>
        <source>Everywhere, until you press it again.</source>
        <translation>在所有地方生效，直到你再按一次。</translation>
    </message>
    <message>
        <source>Pause or resume</source>
        <translation>暫停或繼續</translation>
    </message>
    <message>
        <source>Turn on or off</source>
        <translation>開啟或關閉</translation>
    </message>
    <message>
        <source>%1 and %2 use the same keys. Only the first will work.</source>
        <translation>%1 和 %2 使用相同的按鍵。只有第一個有效。</translation>
    </message>
    <message>
        <source>About you</source>
        <translation>關於你</translation>
    </message>
    <message>
        <source>For example: I&apos;m a product designer in Berlin. I write short, friendly emails in British English and sign off with Cheers.</source>
        <translation>例如：我是柏林的產品設計師。我用英式英文寫簡短友善的電子郵件，結尾常用 Cheers。</translation>
    </message>
    <message>
        <source>Your role, the languages you write in, names you use often, how you like to sound.</source>
        <translation>你的角色、你寫作使用的語言、常用的名字、你想呈現的語氣。</translation>
    </message>
    <message>
        <source>Writing memory</source>
        <translation>寫作記憶</translation>
    </message>
    <message>
        <source>Remember how I write</source>
        <translation>記住我的寫作方式</translation>
    </message>
    <message>
        <source>Also remember fields where I accept nothing</source>
        <translation>也記住我沒有接受任何建議的欄位</translation>
    </message>
    <message>
        <source>%app learns your style sooner but keeps more of what you type.</source>
        <translation>%app 會更快學會你的風格，但會保留更多你輸入的內容。</translation>
    </message>
    <message>
        <source>Influence</source>
        <translation>影響程度</translation>
    </message>
    <message>
        <source>Strong</source>
        <translation>強</translation>
    </message>
    <message>
        <source>How many of your passages each suggestion can draw on.</source>
        <translation>每個建議可以參考多少個你的片段。</translation>
    </message>
    <message>
        <source>Erase All…</source>
        <translation>全部清除…</translation>
    </message>
    <message>
        <source>Erase everything %app remembered?</source>
        <translation>要清除 %app 記住的所有內容嗎？</translation>
    </message>
    <message>
        <source>This can&apos;t be undone.</source>
        <translation>此動作無法復原。</translation>
    </message>
    <message>
        <source>Erase All</source>
        <translation>全部清除</translation>
    </message>
    <message>
        <source>Nothing remembered yet</source>
        <translation>尚未記住任何內容</translation>
    </message>
    <message>
        <source>App and window name</source>
        <translation>應用程式與視窗名稱</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>網站</translation>
    </message>
    <message>
        <source>The site&apos;s domain when you write in a browser.</source>
        <translation>在瀏覽器中寫作時所在網站的網域。</translation>
    </message>
    <message>
        <source>Recently copied text</source>
        <translation>最近複製的文字</translation>
    </message>
    <message>
        <source>Anything you copied in the last 10 minutes. Copies from password managers are skipped.</source>
        <translation>你在過去 10 分鐘內複製的任何內容。會略過從密碼管理程式複製的內容。</translation>
    </message>
    <message>
        <source>Text on screen</source>
        <translation>螢幕上的文字</translation>
    </message>
    <message>
        <source>Reads the window you&apos;re writing in, so replies fit the conversation. It picks the lines closest to where you type.</source>
        <translation>讀取你正在寫作的視窗，讓回覆符合對話內容。它會挑出最靠近你輸入位置的幾行。</translation>
    </message>
    <message>
        <source>What you just looked at</source>
        <translation>你剛剛看過的內容</translation>
    </message>
    <message>
        <source>Windows beside you</source>
        <translation>旁邊的視窗</translation>
    </message>
    <message>
        <source>Also reads up to two other windows on the same screen, like the document you&apos;re replying about. Skips password managers and apps you switched off.</source>
        <translation>也會讀取同一個螢幕上最多兩個其他視窗，例如你正在回覆的文件。會略過密碼管理程式和你關閉的應用程式。</translation>
    </message>
    <message>
        <source>Off in this app</source>
        <translation>在此應用程式中已關閉</translation>
    </message>
    <message>
        <source>This word looks misspelled</source>
        <translation>這個字詞看起來拼錯了</translation>
    </message>
    <message>
        <source>Thanks for the notes. I&apos;ll send the revised deck</source>
        <translation>謝謝你的意見。修改後的簡報我會</translation>
    </message>
    <message>
        <source> by Friday morning.</source>
        <translation>在週五早上前寄給你。</translation>
    </message>
    <message>
        <source>%1 quit. %app has the Tab key.</source>
        <translation>%1 已結束。Tab 鍵已交給 %app。</translation>
    </message>
    <message>
        <source>Open Data Folder</source>
        <translation>開啟資料資料夾</translation>
    </message>
    <message>
        <source>Show Welcome Again</source>
        <translation>再次顯示歡迎畫面</translation>
    </message>
    <message>
        <source>Play Intro Again</source>
        <translation>再次播放簡介</translation>
    </message>
    <message>
        <source>Reset Settings…</source>
        <translation>重設設定…</translation>
    </message>
    <message>
        <source>Suggest in every app</source>
        <translation>在所有應用程式中提供建議</translation>
    </message>
    <message>
        <source>Suggest in code editors</source>
        <translation>在程式碼編輯器中提供建議</translation>
    </message>
    <message>
        <source>Suggest in the middle of a line</source>
        <translation>在一行中間提供建議</translation>
    </message>
    <message>
        <source>Suggest in small fields</source>
        <translation>在小型欄位中提供建議</translation>
    </message>
    <message>
        <source>Hold back on misspelled words</source>
        <translation>遇到拼錯的字詞時暫緩</translation>
    </message>
    <message>
        <source>Offer spelling fixes</source>
        <translation>提供拼字修正</translation>
    </message>
    <message>
        <source>Show the key hint</source>
        <translation>顯示按鍵提示</translation>
    </message>
    <message>
        <source>Quit other autocomplete apps when they open</source>
        <translation>其他自動完成程式開啟時將其結束</translation>
    </message>
    <message>
        <source>Keeps a few minutes of text from windows you switched away from, like a page you read before replying. It stays on your computer and skips apps you switched off.</source>
        <translation>保留你切換離開的視窗中幾分鐘的文字，例如你回覆前讀過的網頁。內容留在你的電腦上，並會略過你關閉的應用程式。</translation>
    </message>
    <message numerus="yes">
        <source>Both apps answer the Tab key, and the system gives it to %1 first. %app stays paused in your other apps until %1 quits.</source>
        <translation>
            <numerusform>%1 會比 %app 先接收 Tab 鍵，因此在你將其結束之前，%app 會在其他應用程式中保持暫停。</numerusform>
        </translation>
    </message>
    <message>
        <source>Finishes your sentences in any app, on your computer.</source>
        <translation>在任何應用程式中幫你把句子寫完，全在你的電腦上完成。</translation>
    </message>
    <message>
        <source>Keeps short passages from fields where you accepted a suggestion, encrypted on this computer, and shows them to the model as examples.</source>
        <translation>保留你接受過建議的欄位中的簡短片段，在這部電腦上加密儲存，並作為範例提供給模型。</translation>
    </message>
    <message>
        <source>Light</source>
        <comment>skin tone</comment>
        <translation>淺色</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Default</source>
        <comment>skin tone</comment>
        <translation>預設</translation>
    </message>
    <message>
        <source>Medium light</source>
        <comment>skin tone</comment>
        <translation>中淺色</translation>
    </message>
    <message>
        <source>Medium</source>
        <comment>skin tone</comment>
        <translation>中等</translation>
    </message>
    <message>
        <source>Medium dark</source>
        <comment>skin tone</comment>
        <translation>中深色</translation>
    </message>
    <message>
        <source>Dark</source>
        <comment>skin tone</comment>
        <translation>深色</translation>
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
        <translation>否</translation>
    </message>
    <message>
        <source>Not reported, estimated from the caret</source>
        <translation>未回報，根據游標估算</translation>
    </message>
    <message>
        <source>%1 %2 pt</source>
        <translation>%1 %2 pt</translation>
    </message>
    <message>
        <source>System</source>
        <translation>系統</translation>
    </message>
    <message>
        <source>Not yet</source>
        <translation>尚無</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>今天</translation>
    </message>
    <message>
        <source>Last 7 days</source>
        <translation>過去 7 天</translation>
    </message>
    <message>
        <source>All time</source>
        <translation>所有時間</translation>
    </message>
    <message>
        <source>Typing saved</source>
        <translation>節省的輸入時間</translation>
    </message>
    <message>
        <source>at 40 words a minute</source>
        <translation>以每分鐘 40 個字詞計算</translation>
    </message>
    <message>
        <source>Accepted</source>
        <translation>接受率</translation>
    </message>
    <message>
        <source>of suggestions shown</source>
        <translation>佔已顯示的建議</translation>
    </message>
    <message>
        <source>Typical wait</source>
        <translation>一般等待時間</translation>
    </message>
    <message>
        <source>9 in 10 under %1</source>
        <translation>十次中有九次低於 %1</translation>
    </message>
    <message>
        <source>no requests yet</source>
        <translation>尚無請求</translation>
    </message>
    <message>
        <source>Words saved</source>
        <translation>節省的字詞</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>範圍</translation>
    </message>
    <message>
        <source>Nothing to chart yet</source>
        <translation>尚無可繪製圖表的資料</translation>
    </message>
    <message>
        <source>Accept a few suggestions and your days show up here.</source>
        <translation>接受幾個建議後，你每天的資料就會顯示在這裡。</translation>
    </message>
    <message>
        <source>Where you write</source>
        <translation>你在哪裡寫作</translation>
    </message>
    <message>
        <source>Reset Statistics…</source>
        <translation>重設統計…</translation>
    </message>
    <message>
        <source>Reset all statistics?</source>
        <translation>要重設所有統計嗎？</translation>
    </message>
    <message>
        <source>This clears words saved, acceptance and timing history.</source>
        <translation>這會清除節省的字詞、接受率與等待時間紀錄。</translation>
    </message>
    <message>
        <source>Copy Diagnostics</source>
        <translation>複製診斷資訊</translation>
    </message>
    <message>
        <source>Diagnostics leave out the text you typed.</source>
        <translation>診斷資訊不包含你輸入的文字。</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>狀態</translation>
    </message>
    <message>
        <source>Right now</source>
        <translation>目前</translation>
    </message>
    <message>
        <source>Allowed</source>
        <translation>已允許</translation>
    </message>
    <message>
        <source>Not allowed</source>
        <translation>未允許</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>鍵盤</translation>
    </message>
    <message>
        <source>Listening</source>
        <translation>正在監聽</translation>
    </message>
    <message>
        <source>Not listening</source>
        <translation>未監聽</translation>
    </message>
    <message>
        <source>Focused field</source>
        <translation>目前欄位</translation>
    </message>
    <message>
        <source>Click into a text field in another app, then come back. The last field %1 saw stays here.</source>
        <translation>點選其他應用程式中的文字欄位，然後回到這裡。%1 最後看到的欄位會保留在此處。</translation>
    </message>
    <message>
        <source>App</source>
        <translation>應用程式</translation>
    </message>
    <message>
        <source>Field type</source>
        <translation>欄位類型</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>視窗</translation>
    </message>
    <message>
        <source>Field size</source>
        <translation>欄位大小</translation>
    </message>
    <message>
        <source>Caret found</source>
        <translation>找到游標</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>字型</translation>
    </message>
    <message>
        <source>At end of line</source>
        <translation>位於行尾</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>是</translation>
    </message>
    <message>
        <source>Secure input</source>
        <translation>安全輸入</translation>
    </message>
    <message>
        <source>Looked at lately</source>
        <translation>最近看過</translation>
    </message>
    <message>
        <source>Text before the caret</source>
        <translation>游標前的文字</translation>
    </message>
    <message>
        <source>Last request</source>
        <translation>上一次請求</translation>
    </message>
    <message>
        <source>Wait</source>
        <translation>等待</translation>
    </message>
    <message>
        <source>Suggestion</source>
        <translation>建議</translation>
    </message>
    <message>
        <source>Prompt sent to the engine</source>
        <translation>傳送給引擎的提示詞</translation>
    </message>
    <message>
        <source>Raw answer</source>
        <translation>原始回應</translation>
    </message>
    <message>
        <source>(empty)</source>
        <translation>（空白）</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>已複製</translation>
    </message>
    <message>
        <source>Choose a language</source>
        <translation>選擇語言</translation>
    </message>
    <message>
        <source>Search languages</source>
        <translation>搜尋語言</translation>
    </message>
    <message>
        <source>Same as my computer</source>
        <translation>跟隨系統</translation>
    </message>
    <message>
        <source>Switch to %1?</source>
        <translation>要切換為 %1 嗎？</translation>
    </message>
    <message>
        <source>%1 closes and opens again in a second. Your settings stay as they are.</source>
        <translation>%1 會關閉並在一秒後重新開啟。你的設定會維持不變。</translation>
    </message>
    <message>
        <source>Reopen Now</source>
        <translation>立即重新開啟</translation>
    </message>
    <message>
        <source>App language</source>
        <translation>應用程式語言</translation>
    </message>
    <message>
        <source>Pick the language you read most easily. Suggestions follow whatever language you type.</source>
        <translation>選擇你最容易閱讀的語言。建議會依照你輸入的語言。</translation>
    </message>
    <message>
        <source>Change the app language</source>
        <translation>更改應用程式語言</translation>
    </message>
    <message>
        <source>0 min</source>
        <translation>0 分鐘</translation>
    </message>
    <message>
        <source>under a minute</source>
        <translation>不到一分鐘</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 秒</translation>
    </message>
    <message>
        <source>Not set</source>
        <translation>未設定</translation>
    </message>
    <message>
        <source>Clear shortcut</source>
        <translation>清除快速鍵</translation>
    </message>
    <message>
        <source>Add Ctrl, Alt or Super so normal typing still works.</source>
        <translation>請加上 Ctrl、Alt 或 Super，以免影響一般輸入。</translation>
    </message>
    <message>
        <source>Type a shortcut…</source>
        <translation>輸入快速鍵…</translation>
    </message>
    <message>
        <source>Recording shortcut</source>
        <translation>正在錄製快速鍵</translation>
    </message>
    <message>
        <source>Shortcut %1</source>
        <translation>快速鍵 %1</translation>
    </message>
    <message>
        <source>Record shortcut</source>
        <translation>錄製快速鍵</translation>
    </message>
    <message>
        <source>Shortcut not set</source>
        <translation>未設定快速鍵</translation>
    </message>
    <message>
        <source>Press to record a new shortcut. Escape cancels.</source>
        <translation>按下以錄製新的快速鍵。按 Esc 取消。</translation>
    </message>
    <message>
        <source>Your tray icon is hidden</source>
        <translation>你的系統匣圖示已隱藏</translation>
    </message>
    <message>
        <source>This computer has no on-device language model</source>
        <translation>這部電腦沒有裝置端語言模型</translation>
    </message>
    <message>
        <source>Turn on the on-device model in the desktop&apos;s settings</source>
        <translation>請在桌面設定中開啟裝置端模型</translation>
    </message>
    <message>
        <source>The on-device model is unavailable</source>
        <translation>裝置端模型無法使用</translation>
    </message>
    <message>
        <source>Downloading. The on-device model fills in until it&apos;s done.</source>
        <translation>下載中。完成前由裝置端模型暫代。</translation>
    </message>
    <message>
        <source>The on-device model fills in until you download it.</source>
        <translation>在你下載之前，由裝置端模型暫代。</translation>
    </message>
    <message>
        <source>%1 shares no text. Quit it and start it with %2 to get suggestions in it.</source>
        <translation>%1 不分享任何文字。請結束它，再用 %2 啟動，才能在其中取得建議。</translation>
    </message>
    <message>
        <source>On-device model</source>
        <translation>裝置端模型</translation>
    </message>
    <message>
        <source>The system&apos;s own language model. Nothing to download.</source>
        <translation>系統內建的語言模型，不需要下載。</translation>
    </message>
    <message>
        <source>A website name cannot hold spaces, tabs or line breaks.</source>
        <translation>網站名稱不能包含空格、定位字元或換行。</translation>
    </message>
    <message>
        <source>Only addresses that start with http or https can be added.</source>
        <translation>只能新增以 http 或 https 開頭的位址。</translation>
    </message>
    <message>
        <source>That is not a website name. Type one such as wikipedia.org.</source>
        <translation>這不是網站名稱。請輸入像 wikipedia.org 這樣的名稱。</translation>
    </message>
    <message>
        <source>A port is a number from 1 to 65535.</source>
        <translation>連接埠是 1 到 65535 之間的數字。</translation>
    </message>
    <message>
        <source>The on-device model fills in until the download is done.</source>
        <translation>下載完成前由裝置端模型暫代。</translation>
    </message>
    <message>
        <source>Suggestions start once the download is done.</source>
        <translation>下載完成後就會開始提供建議。</translation>
    </message>
    <message>
        <source>This frees %1. The on-device model fills in until you download it again.</source>
        <translation>這會釋出 %1。在你重新下載之前，由裝置端模型暫代。</translation>
    </message>
    <message>
        <source>This frees %1. The %app model can&apos;t suggest until you download it again.</source>
        <translation>這會釋出 %1。在你重新下載之前，%app 模型無法提供建議。</translation>
    </message>
    <message>
        <source>There&apos;s no room for it, or your panel has no system tray. Add the panel&apos;s system tray or status area applet in its settings.</source>
        <translation>沒有空間顯示，或你的面板沒有系統匣。請在面板設定中新增系統匣或狀態區域小程式。</translation>
    </message>
    <message>
        <source>GNOME shows tray icons only with the AppIndicator extension. Install the gnome-shell-extension-appindicator package, log out and in, then turn it on in Extensions.</source>
        <translation>GNOME 只有在安裝 AppIndicator 擴充功能後才會顯示系統匣圖示。請安裝 gnome-shell-extension-appindicator 套件，登出再登入，然後在「擴充功能」中開啟它。</translation>
    </message>
    <message>
        <source>GNOME shows tray icons only with the AppIndicator extension. It is installed but off: turn it on in Extensions.</source>
        <translation>GNOME 只有在安裝 AppIndicator 擴充功能後才會顯示系統匣圖示。它已安裝但未開啟：請在「擴充功能」中開啟。</translation>
    </message>
    <message>
        <source>Until then, open %app from your applications menu to reach Settings.</source>
        <translation>在那之前，請從應用程式選單開啟 %app 以進入設定。</translation>
    </message>
    <message>
        <source>Open Extensions</source>
        <translation>開啟「擴充功能」</translation>
    </message>
    <message>
        <source>Show Count in Tray</source>
        <translation>在系統匣中顯示計數</translation>
    </message>
    <message>
        <source>%1 shares no text</source>
        <translation>%1 不分享任何文字</translation>
    </message>
    <message>
        <source>Copy command</source>
        <translation>複製指令</translation>
    </message>
    <message>
        <source>There&apos;s no account and no analytics. With the %app model or the on-device model, your text stays on this computer.</source>
        <translation>沒有帳號，也沒有分析追蹤。使用 %app 模型或裝置端模型時，你的文字會留在這部電腦上。</translation>
    </message>
    <message>
        <source>There&apos;s no account and no analytics. With the %app model, your text stays on this computer.</source>
        <translation>沒有帳號，也沒有分析追蹤。使用 %app 模型時，你的文字會留在這部電腦上。</translation>
    </message>
    <message>
        <source>%app lives in your system tray from now on. Click its icon to pause it in an app or open Settings.</source>
        <translation>從現在起，%app 會常駐在你的系統匣中。點選它的圖示即可在某個應用程式中暫停，或開啟設定。</translation>
    </message>
    <message>
        <source>%app has no account, no analytics and no servers of its own. The %app model and the on-device model keep your text on this computer. Other engines get it only if you set one up.</source>
        <translation>%app 沒有帳號、沒有分析追蹤，也沒有自己的伺服器。%app 模型和裝置端模型會把你的文字留在這部電腦上。只有當你設定了其他引擎時，它們才會收到你的文字。</translation>
    </message>
    <message>
        <source>%app has no account, no analytics and no servers of its own. The %app model keeps your text on this computer. Other engines get it only if you set one up.</source>
        <translation>%app 沒有帳號、沒有分析追蹤，也沒有自己的伺服器。%app 模型會把你的文字留在這部電腦上。只有當你設定了其他引擎時，它們才會收到你的文字。</translation>
    </message>
    <message>
        <source>Installed applications</source>
        <translation>已安裝的應用程式</translation>
    </message>
    <message>
        <source>%app reads these only while making a suggestion and never saves them. With the %app model or the on-device model, nothing leaves your computer.</source>
        <translation>%app 只在產生建議時讀取這些內容，且從不儲存。使用 %app 模型或裝置端模型時，任何內容都不會離開你的電腦。</translation>
    </message>
    <message>
        <source>%app reads these only while making a suggestion and never saves them. With the %app model, nothing leaves your computer.</source>
        <translation>%app 只在產生建議時讀取這些內容，且從不儲存。使用 %app 模型時，任何內容都不會離開你的電腦。</translation>
    </message>
    <message>
        <source>The %app model keeps your text on this computer.</source>
        <translation>%app 模型會把你的文字留在這部電腦上。</translation>
    </message>
    <message>
        <source>The key holds a line break or another control character. Paste it again without them.</source>
        <translation>金鑰中含有換行或其他控制字元。請移除後重新貼上。</translation>
    </message>
    <message>
        <source>Waiting for the keyring to store the key.</source>
        <translation>正在等待金鑰圈儲存金鑰。</translation>
    </message>
    <message>
        <source>The keyring cannot keep this key, so it is used only until %app quits.</source>
        <translation>金鑰圈無法保存此金鑰，因此只會使用到 %app 結束為止。</translation>
    </message>
    <message>
        <source>Show in the system tray</source>
        <translation>在系統匣中顯示</translation>
    </message>
    <message>
        <source>Pause or open Settings from the system tray. Hidden? Open %app from your applications menu to come back.</source>
        <translation>從系統匣暫停或開啟設定。已隱藏？從應用程式選單開啟 %app 即可回來。</translation>
    </message>
    <message>
        <source>This tray can&apos;t show text beside icons, so the count shows in the icon&apos;s tooltip.</source>
        <translation>此系統匣無法在圖示旁顯示文字，因此計數會顯示在圖示的工具提示中。</translation>
    </message>
    <message>
        <source>VS Code, VSCodium, Cursor, Zed, Kate, Sublime Text, JetBrains IDEs and similar apps.</source>
        <translation>VS Code、VSCodium、Cursor、Zed、Kate、Sublime Text、JetBrains IDE 和類似的應用程式。</translation>
    </message>
    <message>
        <source>Your settings could not be read, so they were set aside and %app started over with its defaults.</source>
        <translation>無法讀取你的設定，已將其另存備份，%app 已使用預設值重新開始。</translation>
    </message>
    <message>
        <source>Your settings are not saved: %app cannot write to its settings folder.</source>
        <translation>你的設定未儲存：%app 無法寫入其設定資料夾。</translation>
    </message>
    <message>
        <source>Your app and website rules could not be read, so they were set aside.</source>
        <translation>無法讀取你的應用程式與網站規則，已將其另存備份。</translation>
    </message>
    <message>
        <source>Your statistics could not be read, so they were set aside and counting started over.</source>
        <translation>無法讀取你的統計資料，已將其另存備份並重新開始計數。</translation>
    </message>
    <message>
        <source>Not saved: %app cannot write to its data folder.</source>
        <translation>未儲存：%app 無法寫入其資料資料夾。</translation>
    </message>
    <message numerus="yes">
        <source>%Ln suggestions. %1 selected</source>
        <translation>
            <numerusform>%Ln 個建議。已選取 %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln min</source>
        <translation>
            <numerusform>%Ln 分鐘</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln words</source>
        <translation>
            <numerusform>%Ln 個字詞</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln passages from here</source>
        <translation>
            <numerusform>%Ln 個片段來自這裡</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>words</source>
        <comment>unit after a count</comment>
        <translation>
            <numerusform>個字詞</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln days</source>
        <translation>
            <numerusform>%Ln 天</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Words saved per day over the last %Ln days</source>
        <translation>
            <numerusform>過去 %Ln 天每天節省的字詞</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln day streak</source>
        <translation>
            <numerusform>連續 %Ln 天</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln passages remembered</source>
        <translation>
            <numerusform>已記住 %Ln 個片段</numerusform>
        </translation>
    </message>
    <message>
        <source>enter</source>
        <translation>enter</translation>
    </message>
    <message>
        <source>Allow screen capture so %app can read those too. Most apps work without it.</source>
        <translation>允許螢幕擷取，%app 就能讀取這些文字。大多數應用程式不需要它也能運作。</translation>
    </message>
    <message>
        <source>Type a colon and a word, like :rocket, then press Tab or Enter to pick.</source>
        <translation>輸入冒號和一個字詞，例如 :rocket，然後按 Tab 或 Enter 選取。</translation>
    </message>
    <message>
        <source>You can switch memory off for single apps under Apps &amp; Sites. The key that unlocks it lives in your keyring.</source>
        <translation>你可以在「應用程式與網站」中為個別應用程式關閉記憶。解鎖它的金鑰存放在你的金鑰圈中。</translation>
    </message>
    <message numerus="yes">
        <source>%Ln emoji. %1 selected</source>
        <translation>
            <numerusform>%Ln 個表情符號。已選取 %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Suggestion: %1</source>
        <translation>建議：%1</translation>
    </message>
    <message numerus="yes">
        <source>%Ln models available</source>
        <translation>
            <numerusform>有 %Ln 個可用模型</numerusform>
        </translation>
    </message>
    <message>
        <source>The model couldn&apos;t be saved: %1</source>
        <translation>無法儲存模型：%1</translation>
    </message>
    <message>
        <source>Ollama isn&apos;t running.</source>
        <translation>Ollama 未在執行。</translation>
    </message>
    <message>
        <source>Ollama isn&apos;t running at %1.</source>
        <translation>Ollama 未在 %1 執行。</translation>
    </message>
    <message>
        <source>No server answered.</source>
        <translation>沒有伺服器回應。</translation>
    </message>
    <message>
        <source>No server answered at %1.</source>
        <translation>位址 %1 沒有伺服器回應。</translation>
    </message>
    <message>
        <source>Range: %1</source>
        <translation>範圍：%1</translation>
    </message>
    <message numerus="yes">
        <source>%1, %Ln to do</source>
        <translation>
            <numerusform>%1，還有 %Ln 項</numerusform>
        </translation>
    </message>
    <message>
        <source>Type the whole name of the website, such as wikipedia.org.</source>
        <translation>請輸入網站的完整名稱，例如 wikipedia.org。</translation>
    </message>
    <message>
        <source>The key holds a space, an invisible character or a letter outside plain ASCII. Paste it again exactly as your server gave it.</source>
        <translation>金鑰中含有空格、不可見字元或一般 ASCII 以外的字母。請依伺服器提供的原樣重新貼上。</translation>
    </message>
    <message>
        <source>The keyring could not be read, so your server is asked without an API key. Type the key again if your server needs one.</source>
        <translation>無法讀取金鑰圈，因此向伺服器發出的請求不含 API 金鑰。如果你的伺服器需要金鑰，請重新輸入。</translation>
    </message>
    <message>
        <source>Your writing memory could not be opened, so it was set aside and %app started a new one.</source>
        <translation>無法開啟你的寫作記憶，已將其另存備份，%app 已建立新的寫作記憶。</translation>
    </message>
    <message>
        <source>%1, converted for llama.cpp by %2</source>
        <translation>%1，由 %2 轉換為 llama.cpp 格式</translation>
    </message>
    <message>
        <source>The data folder %1 could not be made. Check that the folder above it exists and that you may write there.</source>
        <translation>無法建立資料資料夾 %1。請檢查其上一層資料夾是否存在，以及你是否可以在那裡寫入。</translation>
    </message>
    <message>
        <source>party</source>
        <comment>emoji search sample</comment>
        <translation>派對</translation>
    </message>
    <message numerus="yes">
        <source>%Ln settings held values %app cannot use, so they were corrected and saved.</source>
        <translation>
            <numerusform>%Ln 項設定的值 %app 無法使用，已更正並儲存。</numerusform>
        </translation>
    </message>
    <message>
        <source>Your writing memory is not saved: the keyring is missing or locked, so its key cannot be kept.</source>
        <translation>你的寫作記憶尚未儲存：金鑰圈不存在或已鎖定，無法保管其金鑰。</translation>
    </message>
    <message>
        <source>That address isn&apos;t valid</source>
        <translation>此位址無效</translation>
    </message>
    <message>
        <source>The request timed out.</source>
        <translation>要求逾時。</translation>
    </message>
    <message>
        <source>The server&apos;s reply was too long, so it was stopped.</source>
        <translation>伺服器的回覆太長，已停止接收。</translation>
    </message>
    <message>
        <source>The server answered %1.</source>
        <translation>伺服器回覆了 %1。</translation>
    </message>
    <message>
        <source>The server answered %1: %2</source>
        <translation>伺服器回覆了 %1：%2</translation>
    </message>
    <message>
        <source>The download server answered %1. Try again later.</source>
        <translation>下載伺服器回覆了 %1。請稍後再試。</translation>
    </message>
    <message>
        <source>The download couldn&apos;t be saved: %1</source>
        <translation>無法儲存下載內容：%1</translation>
    </message>
    <message>
        <source>The download paused because the connection dropped. Try again to pick up where it stopped.</source>
        <translation>連線中斷，下載已暫停。再試一次即可從中斷處繼續。</translation>
    </message>
    <message>
        <source>The download stopped. Check your connection, then try again.</source>
        <translation>下載已停止。請檢查網路連線，然後再試一次。</translation>
    </message>
    <message>
        <source>Pick an Ollama model in Settings</source>
        <translation>請在設定中選擇一個 Ollama 模型</translation>
    </message>
    <message>
        <source>Pick a model for your local server</source>
        <translation>請為你的本機伺服器選擇一個模型</translation>
    </message>
    <message>
        <source>The server&apos;s answer is not HTTP.</source>
        <translation>伺服器的回應不是 HTTP。</translation>
    </message>
    <message>
        <source>The data couldn&apos;t be read because it is missing.</source>
        <translation>無法讀取資料，因為資料遺失。</translation>
    </message>
    <message>
        <source>The data couldn&apos;t be read because it isn&apos;t in the correct format.</source>
        <translation>無法讀取資料，因為資料格式不正確。</translation>
    </message>
    <message>
        <source>:%1:</source>
        <comment>emoji name</comment>
        <translation>:%1:</translation>
    </message>
    <message>
        <source>This computer has no on-device language model.</source>
        <translation>這部電腦沒有裝置端語言模型。</translation>
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
        <translation>已在 %1 暫停</translation>
    </message>
    <message>
        <source>Paused in %1</source>
        <translation>已在 %1 暫停</translation>
    </message>
    <message>
        <source>Off on %1</source>
        <translation>在 %1 上已關閉</translation>
    </message>
    <message>
        <source>Off in %1</source>
        <translation>在 %1 中已關閉</translation>
    </message>
    <message>
        <source>Off in %1 by default</source>
        <translation>在 %1 中預設關閉</translation>
    </message>
    <message>
        <source>Off in code editors</source>
        <translation>在程式碼編輯器中已關閉</translation>
    </message>
    <message>
        <source>Off unless turned on per app</source>
        <translation>已關閉，除非針對個別應用程式開啟</translation>
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
        <translation>空白鍵</translation>
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
        <translation>按鍵 %1</translation>
    </message>
    <message>
        <source>An email reply reads differently from a commit message.</source>
        <translation>回覆電子郵件和撰寫提交訊息的口吻不同。</translation>
    </message>
    <message>
        <source>Writes straight into the field. Cleanest in GTK and Qt apps.</source>
        <translation>直接寫入輸入欄位。在 GTK 和 Qt 應用程式中效果最好。</translation>
    </message>
    <message>
        <source>Typing</source>
        <comment>insertion method</comment>
        <translation>模擬鍵入</translation>
    </message>
    <message>
        <source>%1 h</source>
        <comment>hours with one decimal, such as 1.5</comment>
        <translation>%1 小時</translation>
    </message>
    <message numerus="yes">
        <source>%Ln h</source>
        <translation>
            <numerusform>%Ln 小時</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln ms</source>
        <translation>
            <numerusform>%Ln 毫秒</numerusform>
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
        <translation>%1，%2</translation>
    </message>
    <message numerus="yes">
        <source>%Ln words saved today</source>
        <translation>
            <numerusform>今天已節省 %Ln 個字詞</numerusform>
        </translation>
    </message>
    <message>
        <source>Under a minute of typing saved today.</source>
        <translation>今天節省了不到一分鐘的輸入。</translation>
    </message>
    <message>
        <source>About %1 of typing saved today.</source>
        <translation>今天節省了約 %1 的輸入。</translation>
    </message>
    <message numerus="yes">
        <source>Step %1 of %Ln</source>
        <translation>
            <numerusform>第 %1 步，共 %Ln 步</numerusform>
        </translation>
    </message>
    <message>
        <source>%app reads and types into text fields through the desktop&apos;s accessibility support, which some desktops leave off. %app uses it only for the field you&apos;re writing in.</source>
        <translation>%app 透過桌面的無障礙支援讀取輸入欄位並在其中輸入；有些桌面預設關閉這項功能。%app 只會將它用於你正在書寫的輸入欄位。</translation>
    </message>
    <message>
        <source>The button switches the desktop&apos;s accessibility support on. If the desktop&apos;s settings open instead, turn accessibility on there, then come back. This page updates by itself.</source>
        <translation>此按鈕會開啟桌面的無障礙支援。如果開啟的是桌面設定，請在那裡開啟無障礙功能，然後回來。此頁面會自動更新。</translation>
    </message>
    <message>
        <source>Still off? Some desktops start their accessibility service only when you log in. Log out and back in, then try again.</source>
        <translation>仍未開啟？有些桌面只在登入時啟動無障礙服務。請登出後重新登入，然後再試一次。</translation>
    </message>
    <message>
        <source>Pause</source>
        <comment>section header</comment>
        <translation>暫停</translation>
    </message>
    <message>
        <source>Pause</source>
        <comment>button</comment>
        <translation>暫停</translation>
    </message>
    <message>
        <source>typing</source>
        <comment>insertion method, in a sentence</comment>
        <translation>模擬鍵入</translation>
    </message>
    <message>
        <source>accessibility</source>
        <comment>insertion method, in a sentence</comment>
        <translation>無障礙</translation>
    </message>
    <message>
        <source>paste</source>
        <comment>insertion method, in a sentence</comment>
        <translation>貼上</translation>
    </message>
    <message>
        <source>short</source>
        <comment>suggestion length, in a sentence</comment>
        <translation>短</translation>
    </message>
    <message>
        <source>medium</source>
        <comment>suggestion length, in a sentence</comment>
        <translation>中等長度的</translation>
    </message>
    <message>
        <source>long</source>
        <comment>suggestion length, in a sentence</comment>
        <translation>長</translation>
    </message>
    <message>
        <source>Default follows General: %1, %2 suggestions.</source>
        <translation>預設依照「一般」：%1，%2建議。</translation>
    </message>
    <message>
        <source>Yes, at %1, %2 on screen, %3 pt tall, %4 and %5</source>
        <translation>是，位於螢幕上 %1, %2，高 %3 pt，%4，%5</translation>
    </message>
    <message numerus="yes">
        <source>%Ln characters before it</source>
        <translation>
            <numerusform>前面 %Ln 個字元</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln after</source>
        <comment>characters after the caret</comment>
        <translation>
            <numerusform>後面 %Ln 個</numerusform>
        </translation>
    </message>
    <message>
        <source>No system tray runs on this desktop, so the icon cannot show. %1</source>
        <translation>此桌面上沒有執行系統匣，因此無法顯示圖示。%1</translation>
    </message>
    <message>
        <source>Typing</source>
        <comment>section header</comment>
        <translation>輸入</translation>
    </message>
    <message>
        <source>Switch to the computer&apos;s language?</source>
        <translation>要切換為電腦的語言嗎？</translation>
    </message>
    <message numerus="yes">
        <source>%Ln words this week.</source>
        <translation>
            <numerusform>本週 %Ln 個字詞。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Under a minute of typing saved today. %Ln words this week.</source>
        <translation>
            <numerusform>今天節省了不到一分鐘的輸入。本週 %Ln 個字詞。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>About %1 of typing saved today. %Ln words this week.</source>
        <translation>
            <numerusform>今天節省了約 %1 的輸入。本週 %Ln 個字詞。</numerusform>
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
            <numerusform>已完成 %Ln/%1</numerusform>
        </translation>
    </message>
    <message>
        <source>The server refused the connection. Check that it is running and that the address is right.</source>
        <translation>伺服器拒絕了連線。請檢查伺服器是否正在執行，以及位址是否正確。</translation>
    </message>
    <message>
        <source>The server&apos;s name couldn&apos;t be found. Check the address.</source>
        <translation>找不到伺服器的名稱。請檢查位址。</translation>
    </message>
    <message>
        <source>A secure connection to the server couldn&apos;t be made.</source>
        <translation>無法與伺服器建立安全連線。</translation>
    </message>
    <message>
        <source>The server closed the connection before it answered.</source>
        <translation>伺服器在回應之前關閉了連線。</translation>
    </message>
    <message>
        <source>The network proxy couldn&apos;t be reached.</source>
        <translation>無法連上網路代理伺服器。</translation>
    </message>
    <message>
        <source>The server couldn&apos;t be reached.</source>
        <translation>無法連上伺服器。</translation>
    </message>
    <message>
        <source>Waiting for the network…</source>
        <translation>正在等待網路…</translation>
    </message>
    <message>
        <source>%1 is taken by another program.</source>
        <translation>%1 已被另一個程式佔用。</translation>
    </message>
    <message>
        <source>%1 could not open again. Your choice takes effect the next time you start it.</source>
        <translation>%1 無法重新開啟。你的選擇將在下次啟動時生效。</translation>
    </message>
    <message>
        <source>Downloading the model</source>
        <translation>正在下載模型</translation>
    </message>
    <message numerus="yes">
        <source>These apps answer the Tab key before %app can, so %app stays paused in your other apps until they quit.</source>
        <translation>
            <numerusform>這些應用程式會比 %app 先接收 Tab 鍵，因此在它們結束之前，%app 會在其他應用程式中保持暫停。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>It may be waiting on a dialog of its own. Force Quit closes it right away.</source>
        <translation>
            <numerusform>可能正在等待其自身的對話框。「強制結束」會立即將其關閉。</numerusform>
        </translation>
    </message>
    <message>
        <source>Set a Suggest Now shortcut in Keys to ask for suggestions</source>
        <translation>在「按鍵」中設定「立即建議」快速鍵，即可要求建議</translation>
    </message>
    <message>
        <source>Backspace</source>
        <comment>key above Enter that deletes backwards</comment>
        <translation>退格鍵</translation>
    </message>
    <message>
        <source>0 words saved today</source>
        <translation>今天已節省 0 個字詞</translation>
    </message>
    <message>
        <source>words saved today</source>
        <comment>beside the count 0</comment>
        <translation>個字詞（今天節省）</translation>
    </message>
    <message>
        <source>Quit the other app</source>
        <translation>結束另一個應用程式</translation>
    </message>
    <message>
        <source>None yet</source>
        <comment>no app looked at yet</comment>
        <translation>尚無</translation>
    </message>
    <message>
        <source>None yet</source>
        <comment>no suggestion shown yet</comment>
        <translation>尚無</translation>
    </message>
    <message>
        <source>The other app is also running</source>
        <translation>另一個應用程式也在執行</translation>
    </message>
    <message>
        <source>Both apps answer the Tab key, and the system gives it to the other app first. %app stays paused in your other apps until the other app quits.</source>
        <translation>兩個應用程式都會回應 Tab 鍵，系統會先把它交給另一個應用程式。在另一個應用程式結束之前，%app 會在其他應用程式中保持暫停。</translation>
    </message>
    <message>
        <source>The other app is still open</source>
        <translation>另一個應用程式仍在開啟中</translation>
    </message>
    <message>
        <source>The other app quit, so your suggestions are back in every app.</source>
        <translation>另一個應用程式已結束，你的建議已在所有應用程式中恢復。</translation>
    </message>
    <message>
        <source>The other app quit. %app has the Tab key.</source>
        <translation>另一個應用程式已結束。Tab 鍵已交給 %app。</translation>
    </message>
</context>
</TS>
