<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_Hans" sourcelanguage="en">
<context>
    <name>Tessaquill</name>
    <message>
        <source>Accessibility is on. %app is ready in your other apps.</source>
        <translation>辅助功能已开启。%app 已可在你的其他应用中使用。</translation>
    </message>
    <message>
        <source>Paused while %1 is open</source>
        <translation>%1 打开时暂停</translation>
    </message>
    <message>
        <source>Welcome to %app</source>
        <translation>欢迎使用 %app</translation>
    </message>
    <message>
        <source>%app</source>
        <translation>%app</translation>
    </message>
    <message>
        <source>Another autocomplete app is running</source>
        <translation>另一个自动补全应用正在运行</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>就绪</translation>
    </message>
    <message>
        <source>Waiting for a pause</source>
        <translation>等待输入停顿</translation>
    </message>
    <message>
        <source>Thinking</source>
        <translation>正在思考</translation>
    </message>
    <message>
        <source>Showing a suggestion</source>
        <translation>正在显示建议</translation>
    </message>
    <message>
        <source>The model took too long to answer</source>
        <translation>模型响应超时</translation>
    </message>
    <message>
        <source>This app doesn&apos;t report where the caret is</source>
        <translation>此应用不报告光标位置</translation>
    </message>
    <message>
        <source>%app is turned off</source>
        <translation>%app 已关闭</translation>
    </message>
    <message>
        <source>Secure input is on, so %app stays out</source>
        <translation>安全输入已开启，%app 不会介入</translation>
    </message>
    <message>
        <source>Press %1 for a suggestion</source>
        <translation>按 %1 获取建议</translation>
    </message>
    <message>
        <source>Text is selected</source>
        <translation>已选中文本</translation>
    </message>
    <message>
        <source>The caret is inside existing text</source>
        <translation>光标位于现有文本中间</translation>
    </message>
    <message>
        <source>This field is too small</source>
        <translation>此输入框太小</translation>
    </message>
    <message>
        <source>Waiting for a few characters</source>
        <translation>等待输入几个字符</translation>
    </message>
    <message>
        <source>Start of a new line</source>
        <translation>新行开头</translation>
    </message>
    <message>
        <source>The model is still downloading</source>
        <translation>模型仍在下载</translation>
    </message>
    <message>
        <source>Download the %app model in Settings first</source>
        <translation>请先在设置中下载 %app 模型</translation>
    </message>
    <message>
        <source>Not checked yet</source>
        <translation>尚未检查</translation>
    </message>
    <message>
        <source>Checking…</source>
        <translation>正在检查…</translation>
    </message>
    <message>
        <source>The model stopped with error %1</source>
        <translation>模型因错误 %1 停止</translation>
    </message>
    <message>
        <source>The model file couldn&apos;t be loaded</source>
        <translation>无法加载模型文件</translation>
    </message>
    <message>
        <source>There wasn&apos;t enough memory to start the model</source>
        <translation>内存不足，无法启动模型</translation>
    </message>
    <message>
        <source>The text couldn&apos;t be prepared for the model</source>
        <translation>无法为模型准备文本</translation>
    </message>
    <message>
        <source>This computer needs %1 free for the download. Free up some space, then try again.</source>
        <translation>这台电脑需要 %1 的可用空间来下载。请释放一些空间，然后重试。</translation>
    </message>
    <message>
        <source>The download didn&apos;t match the expected file, so it was deleted. Try again.</source>
        <translation>下载的文件与预期不符，已被删除。请重试。</translation>
    </message>
    <message>
        <source>Downloaded</source>
        <translation>已下载</translation>
    </message>
    <message>
        <source>Downloading. Suggestions start once it&apos;s done.</source>
        <translation>正在下载。完成后即开始提供建议。</translation>
    </message>
    <message>
        <source>Checking the download.</source>
        <translation>正在检查下载。</translation>
    </message>
    <message>
        <source>Checking the download. Suggestions start once it&apos;s done.</source>
        <translation>正在检查下载。完成后即开始提供建议。</translation>
    </message>
    <message>
        <source>Download the model to start</source>
        <translation>下载模型以开始使用</translation>
    </message>
    <message>
        <source>Ollama is running but has no models</source>
        <translation>Ollama 正在运行，但没有模型</translation>
    </message>
    <message>
        <source>Another app</source>
        <translation>其他应用</translation>
    </message>
    <message>
        <source>There is no D-Bus session bus, so %1 cannot reach text fields.</source>
        <translation>没有 D-Bus 会话总线，%1 无法访问输入框。</translation>
    </message>
    <message>
        <source>The desktop&apos;s accessibility bus is not running, so %1 cannot reach text fields.</source>
        <translation>桌面的辅助功能总线未运行，%1 无法访问输入框。</translation>
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
        <translation>长</translation>
    </message>
    <message>
        <source>Hide the suggestion</source>
        <translation>隐藏建议</translation>
    </message>
    <message>
        <source>Hide suggestions until I change fields</source>
        <translation>在切换输入框前隐藏建议</translation>
    </message>
    <message>
        <source>Do nothing, send Escape to the app</source>
        <translation>不做处理，将 Esc 发送给应用</translation>
    </message>
    <message>
        <source>Type it</source>
        <translation>键入</translation>
    </message>
    <message>
        <source>Insert through Accessibility</source>
        <translation>通过辅助功能插入</translation>
    </message>
    <message>
        <source>Paste it</source>
        <translation>粘贴</translation>
    </message>
    <message>
        <source>Grey</source>
        <translation>灰色</translation>
    </message>
    <message>
        <source>Gold tint</source>
        <translation>金色调</translation>
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
        <translation>本地服务器</translation>
    </message>
    <message>
        <source>Runs on this computer after a one-time download. Works offline.</source>
        <translation>一次性下载后在这台电脑上运行。可离线使用。</translation>
    </message>
    <message>
        <source>Any model you run in Ollama, base models included.</source>
        <translation>你在 Ollama 中运行的任何模型，包括基础模型。</translation>
    </message>
    <message>
        <source>LM Studio, llama-server or any OpenAI-compatible endpoint.</source>
        <translation>LM Studio、llama-server 或任何兼容 OpenAI 的端点。</translation>
    </message>
    <message>
        <source>Sends the text as keystrokes. Works almost everywhere.</source>
        <translation>以按键方式发送文本。几乎在所有地方都可用。</translation>
    </message>
    <message>
        <source>Uses the clipboard, then puts your clipboard back.</source>
        <translation>使用剪贴板，然后恢复你的剪贴板内容。</translation>
    </message>
    <message>
        <source>Accessibility</source>
        <translation>辅助功能</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>粘贴</translation>
    </message>
    <message>
        <source>Your writing memory could not be opened and was set aside. Nothing new is remembered until %app starts again.</source>
        <translation>无法打开你的写作记忆，已将其另存备份。在 %app 重新启动前，不会记住任何新内容。</translation>
    </message>
    <message>
        <source>Your writing memory could not be opened because its key could not be read from the keyring. Nothing new is remembered until %app starts again.</source>
        <translation>无法从密钥环读取密钥，因此无法打开你的写作记忆。在 %app 重新启动前，不会记住任何新内容。</translation>
    </message>
    <message>
        <source>Not Now</source>
        <translation>以后再说</translation>
    </message>
    <message>
        <source>Open the desktop&apos;s settings</source>
        <translation>打开桌面设置</translation>
    </message>
    <message>
        <source>Don&apos;t remind me again</source>
        <translation>不再提醒</translation>
    </message>
    <message>
        <source>Open Playground</source>
        <translation>打开练习框</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>Quit %app</source>
        <translation>退出 %app</translation>
    </message>
    <message>
        <source>Needs Accessibility access</source>
        <translation>需要辅助功能权限</translation>
    </message>
    <message>
        <source>Paused until you resume</source>
        <translation>已暂停，直到你恢复</translation>
    </message>
    <message>
        <source>Paused until %1</source>
        <translation>暂停至 %1</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>已关闭</translation>
    </message>
    <message numerus="yes">
        <source>Paused while %1 are open</source>
        <translation>
            <numerusform>%1 打开时暂停</numerusform>
        </translation>
    </message>
    <message>
        <source>Grant Accessibility Access…</source>
        <translation>授予辅助功能权限…</translation>
    </message>
    <message numerus="yes">
        <source>Force Quit %1</source>
        <translation>
            <numerusform>强制退出 %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Quit %1</source>
        <translation>
            <numerusform>退出 %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>words saved today</source>
        <translation>
            <numerusform>个词（今日节省）</numerusform>
        </translation>
    </message>
    <message>
        <source>Start typing anywhere. %app keeps count here.</source>
        <translation>在任意位置开始输入。%app 会在这里计数。</translation>
    </message>
    <message>
        <source>Resume in %1</source>
        <translation>在 %1 中恢复</translation>
    </message>
    <message>
        <source>Pause in %1</source>
        <translation>在 %1 中暂停</translation>
    </message>
    <message>
        <source>Resume Everywhere</source>
        <translation>全部恢复</translation>
    </message>
    <message>
        <source>Pause Everywhere</source>
        <translation>全部暂停</translation>
    </message>
    <message>
        <source>For 15 Minutes</source>
        <translation>15 分钟</translation>
    </message>
    <message>
        <source>For 1 Hour</source>
        <translation>1 小时</translation>
    </message>
    <message>
        <source>For 4 Hours</source>
        <translation>4 小时</translation>
    </message>
    <message>
        <source>Until I Resume</source>
        <translation>直到我恢复</translation>
    </message>
    <message>
        <source>Example: after typing %1, %2 suggests %3</source>
        <translation>示例：输入“%1”后，%2 建议“%3”</translation>
    </message>
    <message>
        <source>takes the next word</source>
        <translation>接受下一个词</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>下载</translation>
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
        <translation>%1 / %2。下载时你可以继续写作。</translation>
    </message>
    <message>
        <source>Checking the download</source>
        <translation>正在检查下载</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>重试</translation>
    </message>
    <message>
        <source>Remove…</source>
        <translation>移除…</translation>
    </message>
    <message>
        <source>%1 license</source>
        <translation>%1 许可证</translation>
    </message>
    <message>
        <source>Remove the %app model?</source>
        <translation>移除 %app 模型？</translation>
    </message>
    <message>
        <source>Model download</source>
        <translation>模型下载</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>移除</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>继续</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>稍后</translation>
    </message>
    <message>
        <source>Start Writing</source>
        <translation>开始写作</translation>
    </message>
    <message>
        <source>Finish your sentences in any app.</source>
        <translation>在任何应用中补全你的句子。</translation>
    </message>
    <message>
        <source>%app reads the words before your caret and suggests what comes next in grey. Press Tab to take one word, or the key above Tab to take the rest. If you don&apos;t want it, keep typing.</source>
        <translation>%app 会读取光标前的文字，并以灰色显示接下来的内容。按 Tab 接受一个词，按 Tab 上方的键接受其余全部。不需要的话，继续输入即可。</translation>
    </message>
    <message>
        <source>Sees what you see</source>
        <translation>看见你所看见的</translation>
    </message>
    <message>
        <source>Private</source>
        <translation>私密</translation>
    </message>
    <message>
        <source>It reads the window you&apos;re typing in, like the chat you&apos;re answering, so suggestions fit. None of it goes online, to us or any server. It stays private on your computer.</source>
        <translation>它会读取你正在输入的窗口，例如你正在回复的聊天，让建议更贴切。这些内容不会上网，不会发给我们或任何服务器，只私密地留在你的电脑上。</translation>
    </message>
    <message>
        <source>Accessibility is on</source>
        <translation>辅助功能已开启</translation>
    </message>
    <message>
        <source>%app can now read the field you&apos;re writing in and type suggestions for you.</source>
        <translation>%app 现在可以读取你正在写的输入框，并为你输入建议。</translation>
    </message>
    <message>
        <source>Let %app see what you type.</source>
        <translation>允许 %app 查看你输入的内容。</translation>
    </message>
    <message>
        <source>%app reads your text when you pause and forgets it after one suggestion, unless you turn on writing memory.</source>
        <translation>%app 在你停顿时读取文本，给出一次建议后即忘记，除非你开启了写作记忆。</translation>
    </message>
    <message>
        <source>%app skips password fields and anything else the system marks as secure.</source>
        <translation>%app 会跳过密码框以及系统标记为安全的其他内容。</translation>
    </message>
    <message>
        <source>Open Accessibility Settings</source>
        <translation>打开辅助功能设置</translation>
    </message>
    <message>
        <source>Pick what writes your suggestions.</source>
        <translation>选择用来生成建议的引擎。</translation>
    </message>
    <message>
        <source>You can change this any time in Settings.</source>
        <translation>你可以随时在设置中更改。</translation>
    </message>
    <message>
        <source>Give it a try.</source>
        <translation>试一试。</translation>
    </message>
    <message>
        <source>Start typing a sentence. When grey words appear, press Tab for one word or the key above Tab for all of them.</source>
        <translation>开始输入一个句子。出现灰色文字时，按 Tab 接受一个词，或按 Tab 上方的键接受全部。</translation>
    </message>
    <message>
        <source>Hi Orlenn, thanks for the quick reply. I think we should</source>
        <translation>Orlenn 你好，谢谢你这么快回复。我觉得我们应该</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>返回</translation>
    </message>
    <message>
        <source>Practice field</source>
        <translation>练习框</translation>
    </message>
    <message>
        <source>Default, on</source>
        <translation>默认，已开启</translation>
    </message>
    <message>
        <source>Default, off</source>
        <translation>默认，已关闭</translation>
    </message>
    <message>
        <source>Add a website</source>
        <translation>添加网站</translation>
    </message>
    <message>
        <source>Domain</source>
        <translation>域名</translation>
    </message>
    <message>
        <source>Rules for a site apply in any browser %app can read.</source>
        <translation>网站规则适用于 %app 能读取的任何浏览器。</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>添加</translation>
    </message>
    <message>
        <source>Add App…</source>
        <translation>添加应用…</translation>
    </message>
    <message>
        <source>Add an app</source>
        <translation>添加应用</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>搜索</translation>
    </message>
    <message>
        <source>Clear search</source>
        <translation>清除搜索</translation>
    </message>
    <message>
        <source>Add an app or website</source>
        <translation>添加应用或网站</translation>
    </message>
    <message>
        <source>Add Website…</source>
        <translation>添加网站…</translation>
    </message>
    <message>
        <source>Apps &amp; Sites</source>
        <translation>应用和网站</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>已暂停</translation>
    </message>
    <message>
        <source>Apps</source>
        <translation>应用</translation>
    </message>
    <message>
        <source>Websites</source>
        <translation>网站</translation>
    </message>
    <message>
        <source>No matches</source>
        <translation>没有匹配项</translation>
    </message>
    <message>
        <source>No apps yet</source>
        <translation>还没有应用</translation>
    </message>
    <message>
        <source>Nothing matches “%1”.</source>
        <translation>没有与“%1”匹配的内容。</translation>
    </message>
    <message>
        <source>Apps appear here once you accept a suggestion in them, or add one with +.</source>
        <translation>在应用中接受建议后，它就会出现在这里；也可以用 + 添加。</translation>
    </message>
    <message>
        <source>Pick an app or site</source>
        <translation>选择应用或网站</translation>
    </message>
    <message>
        <source>Each one can have its own rules. Anything you don&apos;t change follows General.</source>
        <translation>每个都可以有自己的规则。未更改的项目跟随“通用”。</translation>
    </message>
    <message>
        <source>Words saved here</source>
        <translation>在此节省的词数</translation>
    </message>
    <message>
        <source>Suggestions</source>
        <translation>建议</translation>
    </message>
    <message>
        <source>On</source>
        <translation>已开启</translation>
    </message>
    <message>
        <source>Tab accepts suggestions</source>
        <translation>Tab 接受建议</translation>
    </message>
    <message>
        <source>Turn off where Tab already means something, like indenting. The other accept key still works.</source>
        <translation>如果 Tab 在此已有用途（例如缩进），请关闭。另一个接受键仍然有效。</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>默认</translation>
    </message>
    <message>
        <source>Insert by</source>
        <translation>插入方式</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>长度</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>恢复</translation>
    </message>
    <message>
        <source>Pause here</source>
        <translation>在此暂停</translation>
    </message>
    <message>
        <source>Memory</source>
        <translation>记忆</translation>
    </message>
    <message>
        <source>Remember my writing here</source>
        <translation>记住我在这里的写作</translation>
    </message>
    <message>
        <source>Writing memory is off in Your Voice.</source>
        <translation>写作记忆已在“你的风格”中关闭。</translation>
    </message>
    <message>
        <source>Erase…</source>
        <translation>清除…</translation>
    </message>
    <message>
        <source>Reset to Defaults</source>
        <translation>恢复默认设置</translation>
    </message>
    <message>
        <source>Erase what %app remembered from %1?</source>
        <translation>清除 %app 从 %1 记住的内容？</translation>
    </message>
    <message>
        <source>Erase</source>
        <translation>清除</translation>
    </message>
    <message>
        <source>Passages from this app can shape suggestions everywhere.</source>
        <translation>来自此应用的片段可能会影响所有地方的建议。</translation>
    </message>
    <message>
        <source>Finish setting up</source>
        <translation>完成设置</translation>
    </message>
    <message>
        <source>Setup progress</source>
        <translation>设置进度</translation>
    </message>
    <message>
        <source>Done: %1</source>
        <translation>已完成：%1</translation>
    </message>
    <message>
        <source>Best day yet!</source>
        <translation>目前为止最棒的一天！</translation>
    </message>
    <message>
        <source>Try it here</source>
        <translation>在这里试试</translation>
    </message>
    <message>
        <source>Thanks for sending the draft over. I had a look and</source>
        <translation>谢谢你把草稿发过来。我看了一下，</translation>
    </message>
    <message>
        <source>next word</source>
        <translation>下一个词</translation>
    </message>
    <message>
        <source>whole suggestion</source>
        <translation>整条建议</translation>
    </message>
    <message>
        <source>hide it</source>
        <translation>隐藏</translation>
    </message>
    <message>
        <source>This field runs the real engine. Start typing and grey words show up as you go.</source>
        <translation>此输入框运行的是真实引擎。开始输入，灰色文字就会随之出现。</translation>
    </message>
    <message>
        <source>This field runs the real engine, even before you allow Accessibility. Start typing and grey words show up as you go.</source>
        <translation>即使尚未允许辅助功能，此输入框也运行真实引擎。开始输入，灰色文字就会随之出现。</translation>
    </message>
    <message>
        <source>You&apos;re all set</source>
        <translation>一切就绪</translation>
    </message>
    <message>
        <source>Accessibility is on and %1 is ready. %app works in every app you type in.</source>
        <translation>辅助功能已开启，%1 已就绪。%app 可在你输入的每个应用中使用。</translation>
    </message>
    <message>
        <source>Waiting for %1 to quit</source>
        <translation>等待 %1 退出</translation>
    </message>
    <message>
        <source>Turned off</source>
        <translation>已关闭</translation>
    </message>
    <message>
        <source>Paused everywhere</source>
        <translation>已全部暂停</translation>
    </message>
    <message>
        <source>%1, %2 typical wait</source>
        <translation>%1，通常等待 %2</translation>
    </message>
    <message>
        <source>Start your streak today.</source>
        <translation>从今天开始连续记录。</translation>
    </message>
    <message>
        <source>Overview</source>
        <translation>概览</translation>
    </message>
    <message>
        <source>General</source>
        <translation>通用</translation>
    </message>
    <message>
        <source>Engine</source>
        <translation>引擎</translation>
    </message>
    <message>
        <source>Context</source>
        <translation>上下文</translation>
    </message>
    <message>
        <source>Your Voice</source>
        <translation>你的风格</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>按键</translation>
    </message>
    <message>
        <source>Emoji</source>
        <translation>表情</translation>
    </message>
    <message>
        <source>Battery</source>
        <translation>电池</translation>
    </message>
    <message>
        <source>Insights</source>
        <translation>统计</translation>
    </message>
    <message>
        <source>Field Inspector</source>
        <translation>输入框检查器</translation>
    </message>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>How %app is doing today</source>
        <translation>%app 今天的表现</translation>
    </message>
    <message>
        <source>Where and how suggestions appear</source>
        <translation>建议出现的位置和方式</translation>
    </message>
    <message>
        <source>The model that writes your suggestions</source>
        <translation>为你生成建议的模型</translation>
    </message>
    <message>
        <source>What %app may look at to guess better</source>
        <translation>%app 可以参考哪些内容来猜得更准</translation>
    </message>
    <message>
        <source>Help suggestions sound like you</source>
        <translation>让建议听起来像你</translation>
    </message>
    <message>
        <source>Accept, dismiss and summon suggestions</source>
        <translation>接受、隐藏和调出建议</translation>
    </message>
    <message>
        <source>Emoji search and emoticons</source>
        <translation>表情搜索和颜文字</translation>
    </message>
    <message>
        <source>Rules for each app and website</source>
        <translation>每个应用和网站的规则</translation>
    </message>
    <message>
        <source>Save power when you&apos;re unplugged</source>
        <translation>未接电源时节省电量</translation>
    </message>
    <message>
        <source>Words saved and how fast suggestions arrive</source>
        <translation>节省的词数和建议出现的速度</translation>
    </message>
    <message>
        <source>What %app sees in the focused field</source>
        <translation>%app 在当前输入框中看到的内容</translation>
    </message>
    <message>
        <source>Version and privacy</source>
        <translation>版本和隐私</translation>
    </message>
    <message>
        <source>Writing</source>
        <translation>写作</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>输入</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>规则</translation>
    </message>
    <message>
        <source>Activity</source>
        <translation>活动</translation>
    </message>
    <message>
        <source>%app can read the field you&apos;re typing in and insert suggestions in any app.</source>
        <translation>%app 可以读取你正在输入的输入框，并在任何应用中插入建议。</translation>
    </message>
    <message>
        <source>Allow Accessibility access</source>
        <translation>授予辅助功能权限</translation>
    </message>
    <message>
        <source>%app needs it to read the text you type in other apps and to insert suggestions.</source>
        <translation>%app 需要此权限来读取你在其他应用中输入的文本并插入建议。</translation>
    </message>
    <message>
        <source>Allow…</source>
        <translation>允许…</translation>
    </message>
    <message>
        <source>%1 is ready</source>
        <translation>%1 已就绪</translation>
    </message>
    <message>
        <source>Checking %1</source>
        <translation>正在检查 %1</translation>
    </message>
    <message>
        <source>This takes a moment.</source>
        <translation>这需要一点时间。</translation>
    </message>
    <message>
        <source>Your engine isn&apos;t ready</source>
        <translation>你的引擎尚未就绪</translation>
    </message>
    <message>
        <source>Open Engine</source>
        <translation>打开引擎设置</translation>
    </message>
    <message>
        <source>The system&apos;s predictions are off</source>
        <translation>系统预测已关闭</translation>
    </message>
    <message>
        <source>Only %app&apos;s suggestions appear while you type.</source>
        <translation>输入时只会显示 %app 的建议。</translation>
    </message>
    <message>
        <source>Turn off the system&apos;s predictions</source>
        <translation>关闭系统预测</translation>
    </message>
    <message>
        <source>The system shows its own grey suggestions on top of %app&apos;s. Each app picks up the change the next time you open it.</source>
        <translation>系统会在 %app 的建议上叠加显示它自己的灰色建议。更改将在各应用下次打开时生效。</translation>
    </message>
    <message>
        <source>Keyboard Settings</source>
        <translation>键盘设置</translation>
    </message>
    <message>
        <source>Turn Off</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Only %app is suggesting</source>
        <translation>只有 %app 在提供建议</translation>
    </message>
    <message>
        <source>Tab reaches %app again.</source>
        <translation>Tab 键重新交给 %app。</translation>
    </message>
    <message numerus="yes">
        <source>%1 didn&apos;t quit. They may be showing a dialog. Force Quit closes them right away.</source>
        <translation>
            <numerusform>%1 未退出，可能正在显示对话框。“强制退出”会立即将其关闭。</numerusform>
        </translation>
    </message>
    <message>
        <source>Force Quit</source>
        <translation>强制退出</translation>
    </message>
    <message numerus="yes">
        <source>%1 take the Tab key before %app can, so %app stays paused in your other apps until you quit them.</source>
        <translation>
            <numerusform>%1 会抢在 %app 之前接收 Tab 键，因此在你退出 %1 之前，%app 会在其他应用中保持暂停。</numerusform>
        </translation>
    </message>
    <message>
        <source>Only when I ask</source>
        <translation>仅在我请求时</translation>
    </message>
    <message>
        <source>On battery, suggestions appear only after you press the Suggest Now shortcut.</source>
        <translation>使用电池时，只有按下“立即建议”快捷键后才会出现建议。</translation>
    </message>
    <message>
        <source>Shorter suggestions</source>
        <translation>更短的建议</translation>
    </message>
    <message>
        <source>Fewer words take less power to write.</source>
        <translation>字数越少，生成越省电。</translation>
    </message>
    <message>
        <source>Lighter model</source>
        <translation>更轻量的模型</translation>
    </message>
    <message>
        <source>Same as plugged in</source>
        <translation>与接通电源时相同</translation>
    </message>
    <message>
        <source>Running on battery. These apply right now.</source>
        <translation>正在使用电池。这些设置立即生效。</translation>
    </message>
    <message>
        <source>Plugged in. These wait until you unplug.</source>
        <translation>已接通电源。这些设置会在拔掉电源后生效。</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>模型</translation>
    </message>
    <message>
        <source>Model name</source>
        <translation>模型名称</translation>
    </message>
    <message>
        <source>Reload the model list</source>
        <translation>刷新模型列表</translation>
    </message>
    <message>
        <source>Choose a model</source>
        <translation>选择模型</translation>
    </message>
    <message>
        <source>For people who already run Ollama, LM Studio or llama-server.</source>
        <translation>适合已经在运行 Ollama、LM Studio 或 llama-server 的用户。</translation>
    </message>
    <message>
        <source>Use your own model</source>
        <translation>使用你自己的模型</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>地址</translation>
    </message>
    <message>
        <source>API key</source>
        <translation>API 密钥</translation>
    </message>
    <message>
        <source>Only if your server asks for one</source>
        <translation>仅当你的服务器要求时</translation>
    </message>
    <message>
        <source>Focused</source>
        <translation>专注</translation>
    </message>
    <message>
        <source>Creativity</source>
        <translation>创造性</translation>
    </message>
    <message>
        <source>Loose</source>
        <translation>发散</translation>
    </message>
    <message>
        <source>Lower stays close to the obvious next words. Higher tries more.</source>
        <translation>越低越贴近显而易见的下一个词，越高越敢尝试。</translation>
    </message>
    <message>
        <source>Wait before suggesting</source>
        <translation>建议前等待</translation>
    </message>
    <message>
        <source>How long you pause before %app starts.</source>
        <translation>你停顿多久后 %app 开始工作。</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>运行</translation>
    </message>
    <message>
        <source>Try the engine</source>
        <translation>测试引擎</translation>
    </message>
    <message>
        <source>Sends a sample sentence and shows what comes back.</source>
        <translation>发送一个示例句子，并显示返回结果。</translation>
    </message>
    <message>
        <source>Running…</source>
        <translation>正在运行…</translation>
    </message>
    <message>
        <source>The engine answered in %1 but had nothing useful to add.</source>
        <translation>引擎在 %1 内作出了响应，但没有可用的补充。</translation>
    </message>
    <message>
        <source>That didn&apos;t work: %1</source>
        <translation>未成功：%1</translation>
    </message>
    <message>
        <source>The request was cancelled.</source>
        <translation>请求已取消。</translation>
    </message>
    <message>
        <source>Startup</source>
        <translation>启动</translation>
    </message>
    <message>
        <source>Launch at login</source>
        <translation>登录时启动</translation>
    </message>
    <message>
        <source>Show today&apos;s word count next to the icon</source>
        <translation>在图标旁显示今天的词数</translation>
    </message>
    <message>
        <source>Where suggestions appear</source>
        <translation>建议出现的位置</translation>
    </message>
    <message>
        <source>Turn this off to use %app only in the apps you switch on under Apps &amp; Sites.</source>
        <translation>关闭后，%app 只在你于“应用和网站”中开启的应用里使用。</translation>
    </message>
    <message>
        <source>By default %app waits until the caret is at the end of a line.</source>
        <translation>默认情况下，%app 会等到光标位于行尾。</translation>
    </message>
    <message>
        <source>Without this, %app skips search bars and one-word boxes.</source>
        <translation>关闭时，%app 会跳过搜索栏和只容一个词的输入框。</translation>
    </message>
    <message>
        <source>Suggestions appear only after you press the Suggest Now shortcut.</source>
        <translation>只有按下“立即建议”快捷键后才会出现建议。</translation>
    </message>
    <message>
        <source>Spelling</source>
        <translation>拼写</translation>
    </message>
    <message>
        <source>Waits while the word you&apos;re typing looks misspelled, so %app doesn&apos;t build on a typo.</source>
        <translation>当你正在输入的词看似拼错时先等待，以免 %app 在错字基础上续写。</translation>
    </message>
    <message>
        <source>After a misspelled word, shows a fix next to the caret. Press Tab to swap it in.</source>
        <translation>出现拼错的词后，在光标旁显示修正。按 Tab 替换。</translation>
    </message>
    <message>
        <source>Look</source>
        <translation>外观</translation>
    </message>
    <message>
        <source>Suggestion color</source>
        <translation>建议颜色</translation>
    </message>
    <message>
        <source>Text size</source>
        <translation>文字大小</translation>
    </message>
    <message>
        <source>Fine-tune if suggestions look larger or smaller than your text.</source>
        <translation>如果建议看起来比你的文字大或小，可在此微调。</translation>
    </message>
    <message>
        <source>Vertical position</source>
        <translation>垂直位置</translation>
    </message>
    <message>
        <source>Nudge suggestions up or down to line up with your text.</source>
        <translation>上下微调建议，使其与你的文字对齐。</translation>
    </message>
    <message>
        <source>A small keycap after your first suggestions, as a reminder of what to press.</source>
        <translation>在最初的几次建议后显示一个小按键图标，提醒你该按什么。</translation>
    </message>
    <message>
        <source>Insert suggestions by</source>
        <translation>插入建议的方式</translation>
    </message>
    <message>
        <source>Other autocomplete apps</source>
        <translation>其他自动补全应用</translation>
    </message>
    <message>
        <source>They take the Tab key before %app can. With this off, %app asks you first.</source>
        <translation>它们会抢在 %app 之前接收 Tab 键。关闭此项时，%app 会先询问你。</translation>
    </message>
    <message>
        <source>%1 is another device on your network, so the text around your caret will be sent there.</source>
        <translation>%1 是你网络中的另一台设备，因此光标周围的文本将被发送到那里。</translation>
    </message>
    <message>
        <source>%1 isn&apos;t this computer, so the text around your caret will be sent there.</source>
        <translation>%1 不是这台电脑，因此光标周围的文本将被发送到那里。</translation>
    </message>
    <message>
        <source>Both keep your text on this computer.</source>
        <translation>两者都会将你的文本保留在这台电脑上。</translation>
    </message>
    <message>
        <source>%app opens by itself when you start your computer.</source>
        <translation>电脑启动时 %app 会自动打开。</translation>
    </message>
    <message>
        <source>System predictions</source>
        <translation>系统预测</translation>
    </message>
    <message>
        <source>The system can show its own grey predictions. Keeping them off avoids two suggestions at once.</source>
        <translation>系统可能会显示自己的灰色预测。保持关闭可避免同时出现两条建议。</translation>
    </message>
    <message>
        <source>System predictions are on</source>
        <translation>系统预测已开启</translation>
    </message>
    <message>
        <source>System predictions are off</source>
        <translation>系统预测已关闭</translation>
    </message>
    <message>
        <source>tab</source>
        <translation>tab</translation>
    </message>
    <message>
        <source>Your next words, one Tab away.</source>
        <translation>你要写的下文，只差一个 Tab。</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>跳过</translation>
    </message>
    <message>
        <source>Get Started</source>
        <translation>开始使用</translation>
    </message>
    <message>
        <source>Turn sound on</source>
        <translation>打开声音</translation>
    </message>
    <message>
        <source>Turn sound off</source>
        <translation>关闭声音</translation>
    </message>
    <message>
        <source>The other app</source>
        <translation>另一个应用</translation>
    </message>
    <message numerus="yes">
        <source>Next time, quit %1 without asking</source>
        <translation>
            <numerusform>下次直接退出 %1，不再询问</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 is also running</source>
        <translation>
            <numerusform>%1 也在运行</numerusform>
        </translation>
    </message>
    <message>
        <source>Quitting…</source>
        <translation>正在退出…</translation>
    </message>
    <message numerus="yes">
        <source>%1 is still open</source>
        <translation>
            <numerusform>%1 仍然打开</numerusform>
        </translation>
    </message>
    <message>
        <source>%app has the Tab key</source>
        <translation>%app 已接管 Tab 键</translation>
    </message>
    <message>
        <source>%1 quit, so your suggestions are back in every app.</source>
        <translation>%1 已退出，你的建议已在所有应用中恢复。</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完成</translation>
    </message>
    <message>
        <source>Open Source Notices</source>
        <translation>开源声明</translation>
    </message>
    <message>
        <source>Reset all settings?</source>
        <translation>重置所有设置？</translation>
    </message>
    <message>
        <source>This also clears your rules for apps and sites. Your statistics and writing memory stay.</source>
        <translation>这也会清除你的应用和网站规则。你的统计和写作记忆会保留。</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>重置</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>版本 %1</translation>
    </message>
    <message>
        <source>Some apps hide their text</source>
        <translation>有些应用会隐藏其文本</translation>
    </message>
    <message>
        <source>Suggest emoji after a colon</source>
        <translation>在冒号后建议表情</translation>
    </message>
    <message>
        <source>Turn emoticons into emoji</source>
        <translation>将颜文字转换为表情</translation>
    </message>
    <message>
        <source>After :-) or &lt;3, %app offers the matching emoji. Press Tab to swap it in.</source>
        <translation>输入 :-) 或 &lt;3 后，%app 会提供对应的表情。按 Tab 替换。</translation>
    </message>
    <message>
        <source>Skin tone</source>
        <translation>肤色</translation>
    </message>
    <message>
        <source>Also show the default yellow</source>
        <translation>同时显示默认黄色</translation>
    </message>
    <message>
        <source>Try a word</source>
        <translation>试试输入一个词</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>弱</translation>
    </message>
    <message>
        <source>No emoji match “%1”</source>
        <translation>没有与“%1”匹配的表情</translation>
    </message>
    <message>
        <source>Accepting</source>
        <translation>接受</translation>
    </message>
    <message>
        <source>Take the next word</source>
        <translation>接受下一个词</translation>
    </message>
    <message>
        <source>Press again for each following word.</source>
        <translation>每再按一次接受一个词。</translation>
    </message>
    <message>
        <source>Take the whole suggestion</source>
        <translation>接受整条建议</translation>
    </message>
    <message>
        <source>The key above Tab is easy to reach on most keyboards.</source>
        <translation>在大多数键盘上，Tab 上方的键都很容易按到。</translation>
    </message>
    <message>
        <source>Include the space after a word</source>
        <translation>包括词后的空格</translation>
    </message>
    <message>
        <source>Include punctuation right after a word</source>
        <translation>包括紧跟在词后的标点</translation>
    </message>
    <message>
        <source>When you press Escape</source>
        <translation>按下 Esc 时</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>快捷键</translation>
    </message>
    <message>
        <source>Suggest now</source>
        <translation>立即建议</translation>
    </message>
    <message>
        <source>Asks for a suggestion right away, even where %app would normally wait.</source>
        <translation>立即请求建议，即使 %app 通常会等待。</translation>
    </message>
    <message>
        <source>Other suggestions</source>
        <translation>其他建议</translation>
    </message>
    <message>
        <source>Lists a few different ways to continue. Choose with the arrow keys, then press Tab.</source>
        <translation>列出几种不同的续写方式。用方向键选择，然后按 Tab。</translation>
    </message>
    <message>
        <source>Pause or resume in this app</source>
        <translation>在此应用中暂停或恢复</translation>
    </message>
    <message>
        <source>Pauses for 15 minutes.</source>
        <translation>暂停 15 分钟。</translation>
    </message>
    <message>
        <source>Turn %app on or off</source>
        <translation>开启或关闭 %app</translation>
    </message>
    <message>
        <source>Everywhere, until you press it again.</source>
        <translation>在所有地方生效，直到你再按一次。</translation>
    </message>
    <message>
        <source>Pause or resume</source>
        <translation>暂停或恢复</translation>
    </message>
    <message>
        <source>Turn on or off</source>
        <translation>开启或关闭</translation>
    </message>
    <message>
        <source>%1 and %2 use the same keys. Only the first will work.</source>
        <translation>%1 和 %2 使用了相同的按键。只有第一个有效。</translation>
    </message>
    <message>
        <source>About you</source>
        <translation>关于你</translation>
    </message>
    <message>
        <source>For example: I&apos;m a product designer in Berlin. I write short, friendly emails in British English and sign off with Cheers.</source>
        <translation>例如：我是柏林的一名产品设计师。我用英式英语写简短友好的邮件，结尾常用 Cheers。</translation>
    </message>
    <message>
        <source>Your role, the languages you write in, names you use often, how you like to sound.</source>
        <translation>你的角色、你使用的语言、常用的名字、你希望的语气。</translation>
    </message>
    <message>
        <source>Writing memory</source>
        <translation>写作记忆</translation>
    </message>
    <message>
        <source>Remember how I write</source>
        <translation>记住我的写作方式</translation>
    </message>
    <message>
        <source>Also remember fields where I accept nothing</source>
        <translation>也记住我没有接受任何建议的输入框</translation>
    </message>
    <message>
        <source>%app learns your style sooner but keeps more of what you type.</source>
        <translation>%app 会更快学会你的风格，但会保留更多你输入的内容。</translation>
    </message>
    <message>
        <source>Influence</source>
        <translation>影响程度</translation>
    </message>
    <message>
        <source>Strong</source>
        <translation>强</translation>
    </message>
    <message>
        <source>How many of your passages each suggestion can draw on.</source>
        <translation>每条建议可以参考多少个你的片段。</translation>
    </message>
    <message>
        <source>Erase All…</source>
        <translation>全部清除…</translation>
    </message>
    <message>
        <source>Erase everything %app remembered?</source>
        <translation>清除 %app 记住的所有内容？</translation>
    </message>
    <message>
        <source>This can&apos;t be undone.</source>
        <translation>此操作无法撤销。</translation>
    </message>
    <message>
        <source>Erase All</source>
        <translation>全部清除</translation>
    </message>
    <message>
        <source>Nothing remembered yet</source>
        <translation>尚未记住任何内容</translation>
    </message>
    <message>
        <source>App and window name</source>
        <translation>应用和窗口名称</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>网站</translation>
    </message>
    <message>
        <source>The site&apos;s domain when you write in a browser.</source>
        <translation>在浏览器中写作时所在网站的域名。</translation>
    </message>
    <message>
        <source>Recently copied text</source>
        <translation>最近复制的文本</translation>
    </message>
    <message>
        <source>Anything you copied in the last 10 minutes. Copies from password managers are skipped.</source>
        <translation>你在过去 10 分钟内复制的任何内容。来自密码管理器的复制内容会被跳过。</translation>
    </message>
    <message>
        <source>Text on screen</source>
        <translation>屏幕上的文本</translation>
    </message>
    <message>
        <source>Reads the window you&apos;re writing in, so replies fit the conversation. It picks the lines closest to where you type.</source>
        <translation>读取你正在写作的窗口，让回复贴合对话。它会挑选离你输入位置最近的几行。</translation>
    </message>
    <message>
        <source>What you just looked at</source>
        <translation>你刚看过的内容</translation>
    </message>
    <message>
        <source>Windows beside you</source>
        <translation>旁边的窗口</translation>
    </message>
    <message>
        <source>Also reads up to two other windows on the same screen, like the document you&apos;re replying about. Skips password managers and apps you switched off.</source>
        <translation>还会读取同一屏幕上最多两个其他窗口，例如你正在回复的文档。跳过密码管理器和你关闭的应用。</translation>
    </message>
    <message>
        <source>Off in this app</source>
        <translation>在此应用中已关闭</translation>
    </message>
    <message>
        <source>This word looks misspelled</source>
        <translation>这个词似乎拼错了</translation>
    </message>
    <message>
        <source>Thanks for the notes. I&apos;ll send the revised deck</source>
        <translation>谢谢你的批注。修改后的演示文稿我会</translation>
    </message>
    <message>
        <source> by Friday morning.</source>
        <translation>在周五上午前发给你。</translation>
    </message>
    <message>
        <source>%1 quit. %app has the Tab key.</source>
        <translation>%1 已退出。%app 已接管 Tab 键。</translation>
    </message>
    <message>
        <source>Open Data Folder</source>
        <translation>打开数据文件夹</translation>
    </message>
    <message>
        <source>Show Welcome Again</source>
        <translation>再次显示欢迎页</translation>
    </message>
    <message>
        <source>Play Intro Again</source>
        <translation>再次播放介绍</translation>
    </message>
    <message>
        <source>Reset Settings…</source>
        <translation>重置设置…</translation>
    </message>
    <message>
        <source>Suggest in every app</source>
        <translation>在所有应用中提供建议</translation>
    </message>
    <message>
        <source>Suggest in code editors</source>
        <translation>在代码编辑器中提供建议</translation>
    </message>
    <message>
        <source>Suggest in the middle of a line</source>
        <translation>在行中间提供建议</translation>
    </message>
    <message>
        <source>Suggest in small fields</source>
        <translation>在小输入框中提供建议</translation>
    </message>
    <message>
        <source>Hold back on misspelled words</source>
        <translation>遇到拼错的词时暂缓</translation>
    </message>
    <message>
        <source>Offer spelling fixes</source>
        <translation>提供拼写修正</translation>
    </message>
    <message>
        <source>Show the key hint</source>
        <translation>显示按键提示</translation>
    </message>
    <message>
        <source>Quit other autocomplete apps when they open</source>
        <translation>其他自动补全应用打开时将其退出</translation>
    </message>
    <message>
        <source>Keeps a few minutes of text from windows you switched away from, like a page you read before replying. It stays on your computer and skips apps you switched off.</source>
        <translation>保留你切换离开的窗口中几分钟的文本，例如你回复前读过的页面。内容留在你的电脑上，并跳过你关闭的应用。</translation>
    </message>
    <message numerus="yes">
        <source>Both apps answer the Tab key, and the system gives it to %1 first. %app stays paused in your other apps until %1 quits.</source>
        <translation>
            <numerusform>%1 会抢在 %app 之前接收 Tab 键，因此在你将其退出之前，%app 会在其他应用中保持暂停。</numerusform>
        </translation>
    </message>
    <message>
        <source>Finishes your sentences in any app, on your computer.</source>
        <translation>在任何应用中补全你的句子，全在你的电脑上完成。</translation>
    </message>
    <message>
        <source>Keeps short passages from fields where you accepted a suggestion, encrypted on this computer, and shows them to the model as examples.</source>
        <translation>保留你接受过建议的输入框中的简短片段，在这台电脑上加密存储，并作为示例提供给模型。</translation>
    </message>
    <message>
        <source>Light</source>
        <comment>skin tone</comment>
        <translation>浅色</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Default</source>
        <comment>skin tone</comment>
        <translation>默认</translation>
    </message>
    <message>
        <source>Medium light</source>
        <comment>skin tone</comment>
        <translation>中等浅色</translation>
    </message>
    <message>
        <source>Medium</source>
        <comment>skin tone</comment>
        <translation>中等</translation>
    </message>
    <message>
        <source>Medium dark</source>
        <comment>skin tone</comment>
        <translation>中等深色</translation>
    </message>
    <message>
        <source>Dark</source>
        <comment>skin tone</comment>
        <translation>深色</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>未知</translation>
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
        <translation>未报告，根据光标估算</translation>
    </message>
    <message>
        <source>%1 %2 pt</source>
        <translation>%1 %2 pt</translation>
    </message>
    <message>
        <source>System</source>
        <translation>系统</translation>
    </message>
    <message>
        <source>Not yet</source>
        <translation>暂无</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>今天</translation>
    </message>
    <message>
        <source>Last 7 days</source>
        <translation>最近 7 天</translation>
    </message>
    <message>
        <source>All time</source>
        <translation>全部时间</translation>
    </message>
    <message>
        <source>Typing saved</source>
        <translation>节省的输入时间</translation>
    </message>
    <message>
        <source>at 40 words a minute</source>
        <translation>按每分钟 40 个词计算</translation>
    </message>
    <message>
        <source>Accepted</source>
        <translation>接受率</translation>
    </message>
    <message>
        <source>of suggestions shown</source>
        <translation>占已显示的建议</translation>
    </message>
    <message>
        <source>Typical wait</source>
        <translation>通常等待</translation>
    </message>
    <message>
        <source>9 in 10 under %1</source>
        <translation>十次中有九次低于 %1</translation>
    </message>
    <message>
        <source>no requests yet</source>
        <translation>尚无请求</translation>
    </message>
    <message>
        <source>Words saved</source>
        <translation>节省的词数</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>范围</translation>
    </message>
    <message>
        <source>Nothing to chart yet</source>
        <translation>暂无可绘制的数据</translation>
    </message>
    <message>
        <source>Accept a few suggestions and your days show up here.</source>
        <translation>接受几条建议后，你的每日数据就会显示在这里。</translation>
    </message>
    <message>
        <source>Where you write</source>
        <translation>你在哪里写作</translation>
    </message>
    <message>
        <source>Reset Statistics…</source>
        <translation>重置统计…</translation>
    </message>
    <message>
        <source>Reset all statistics?</source>
        <translation>重置所有统计？</translation>
    </message>
    <message>
        <source>This clears words saved, acceptance and timing history.</source>
        <translation>这会清除节省的词数、接受率和等待时间历史。</translation>
    </message>
    <message>
        <source>Copy Diagnostics</source>
        <translation>复制诊断信息</translation>
    </message>
    <message>
        <source>Diagnostics leave out the text you typed.</source>
        <translation>诊断信息不包含你输入的文本。</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>状态</translation>
    </message>
    <message>
        <source>Right now</source>
        <translation>当前</translation>
    </message>
    <message>
        <source>Allowed</source>
        <translation>已允许</translation>
    </message>
    <message>
        <source>Not allowed</source>
        <translation>未允许</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>键盘</translation>
    </message>
    <message>
        <source>Listening</source>
        <translation>正在监听</translation>
    </message>
    <message>
        <source>Not listening</source>
        <translation>未监听</translation>
    </message>
    <message>
        <source>Focused field</source>
        <translation>当前输入框</translation>
    </message>
    <message>
        <source>Click into a text field in another app, then come back. The last field %1 saw stays here.</source>
        <translation>点击另一个应用中的文本框，然后返回。%1 最后看到的输入框会保留在这里。</translation>
    </message>
    <message>
        <source>App</source>
        <translation>应用</translation>
    </message>
    <message>
        <source>Field type</source>
        <translation>输入框类型</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>窗口</translation>
    </message>
    <message>
        <source>Field size</source>
        <translation>输入框大小</translation>
    </message>
    <message>
        <source>Caret found</source>
        <translation>找到光标</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>字体</translation>
    </message>
    <message>
        <source>At end of line</source>
        <translation>位于行尾</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>是</translation>
    </message>
    <message>
        <source>Secure input</source>
        <translation>安全输入</translation>
    </message>
    <message>
        <source>Looked at lately</source>
        <translation>最近查看</translation>
    </message>
    <message>
        <source>Text before the caret</source>
        <translation>光标前的文本</translation>
    </message>
    <message>
        <source>Last request</source>
        <translation>上次请求</translation>
    </message>
    <message>
        <source>Wait</source>
        <translation>等待</translation>
    </message>
    <message>
        <source>Suggestion</source>
        <translation>建议</translation>
    </message>
    <message>
        <source>Prompt sent to the engine</source>
        <translation>发送给引擎的提示词</translation>
    </message>
    <message>
        <source>Raw answer</source>
        <translation>原始响应</translation>
    </message>
    <message>
        <source>(empty)</source>
        <translation>（空）</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>已复制</translation>
    </message>
    <message>
        <source>Choose a language</source>
        <translation>选择语言</translation>
    </message>
    <message>
        <source>Search languages</source>
        <translation>搜索语言</translation>
    </message>
    <message>
        <source>Same as my computer</source>
        <translation>跟随系统</translation>
    </message>
    <message>
        <source>Switch to %1?</source>
        <translation>切换到 %1？</translation>
    </message>
    <message>
        <source>%1 closes and opens again in a second. Your settings stay as they are.</source>
        <translation>%1 会关闭并在一秒后重新打开。你的设置保持不变。</translation>
    </message>
    <message>
        <source>Reopen Now</source>
        <translation>立即重新打开</translation>
    </message>
    <message>
        <source>App language</source>
        <translation>应用语言</translation>
    </message>
    <message>
        <source>Pick the language you read most easily. Suggestions follow whatever language you type.</source>
        <translation>选择你最容易阅读的语言。建议会跟随你输入的语言。</translation>
    </message>
    <message>
        <source>Change the app language</source>
        <translation>更改应用语言</translation>
    </message>
    <message>
        <source>0 min</source>
        <translation>0 分钟</translation>
    </message>
    <message>
        <source>under a minute</source>
        <translation>不到一分钟</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 秒</translation>
    </message>
    <message>
        <source>Not set</source>
        <translation>未设置</translation>
    </message>
    <message>
        <source>Clear shortcut</source>
        <translation>清除快捷键</translation>
    </message>
    <message>
        <source>Add Ctrl, Alt or Super so normal typing still works.</source>
        <translation>请加上 Ctrl、Alt 或 Super，以免影响正常输入。</translation>
    </message>
    <message>
        <source>Type a shortcut…</source>
        <translation>输入快捷键…</translation>
    </message>
    <message>
        <source>Recording shortcut</source>
        <translation>正在录制快捷键</translation>
    </message>
    <message>
        <source>Shortcut %1</source>
        <translation>快捷键 %1</translation>
    </message>
    <message>
        <source>Record shortcut</source>
        <translation>录制快捷键</translation>
    </message>
    <message>
        <source>Shortcut not set</source>
        <translation>未设置快捷键</translation>
    </message>
    <message>
        <source>Press to record a new shortcut. Escape cancels.</source>
        <translation>按下以录制新的快捷键。按 Esc 取消。</translation>
    </message>
    <message>
        <source>Your tray icon is hidden</source>
        <translation>你的托盘图标已隐藏</translation>
    </message>
    <message>
        <source>This computer has no on-device language model</source>
        <translation>这台电脑没有设备端语言模型</translation>
    </message>
    <message>
        <source>Turn on the on-device model in the desktop&apos;s settings</source>
        <translation>请在桌面设置中开启设备端模型</translation>
    </message>
    <message>
        <source>The on-device model is unavailable</source>
        <translation>设备端模型不可用</translation>
    </message>
    <message>
        <source>Downloading. The on-device model fills in until it&apos;s done.</source>
        <translation>正在下载。完成前由设备端模型代劳。</translation>
    </message>
    <message>
        <source>The on-device model fills in until you download it.</source>
        <translation>在你下载之前，由设备端模型代劳。</translation>
    </message>
    <message>
        <source>%1 shares no text. Quit it and start it with %2 to get suggestions in it.</source>
        <translation>%1 不共享任何文本。请退出它，然后用 %2 启动，才能在其中获得建议。</translation>
    </message>
    <message>
        <source>On-device model</source>
        <translation>设备端模型</translation>
    </message>
    <message>
        <source>The system&apos;s own language model. Nothing to download.</source>
        <translation>系统自带的语言模型。无需下载。</translation>
    </message>
    <message>
        <source>A website name cannot hold spaces, tabs or line breaks.</source>
        <translation>网站名称不能包含空格、制表符或换行符。</translation>
    </message>
    <message>
        <source>Only addresses that start with http or https can be added.</source>
        <translation>只能添加以 http 或 https 开头的地址。</translation>
    </message>
    <message>
        <source>That is not a website name. Type one such as wikipedia.org.</source>
        <translation>这不是网站名称。请输入类似 wikipedia.org 的名称。</translation>
    </message>
    <message>
        <source>A port is a number from 1 to 65535.</source>
        <translation>端口是 1 到 65535 之间的数字。</translation>
    </message>
    <message>
        <source>The on-device model fills in until the download is done.</source>
        <translation>下载完成前由设备端模型代劳。</translation>
    </message>
    <message>
        <source>Suggestions start once the download is done.</source>
        <translation>下载完成后即开始提供建议。</translation>
    </message>
    <message>
        <source>This frees %1. The on-device model fills in until you download it again.</source>
        <translation>这会释放 %1。在你重新下载之前，由设备端模型代劳。</translation>
    </message>
    <message>
        <source>This frees %1. The %app model can&apos;t suggest until you download it again.</source>
        <translation>这会释放 %1。在你重新下载之前，%app 模型无法提供建议。</translation>
    </message>
    <message>
        <source>There&apos;s no room for it, or your panel has no system tray. Add the panel&apos;s system tray or status area applet in its settings.</source>
        <translation>没有空间显示它，或者你的面板没有系统托盘。请在面板设置中添加系统托盘或状态区域小程序。</translation>
    </message>
    <message>
        <source>GNOME shows tray icons only with the AppIndicator extension. Install the gnome-shell-extension-appindicator package, log out and in, then turn it on in Extensions.</source>
        <translation>GNOME 只有安装 AppIndicator 扩展后才显示托盘图标。请安装 gnome-shell-extension-appindicator 软件包，注销后重新登录，然后在“扩展”中开启它。</translation>
    </message>
    <message>
        <source>GNOME shows tray icons only with the AppIndicator extension. It is installed but off: turn it on in Extensions.</source>
        <translation>GNOME 只有安装 AppIndicator 扩展后才显示托盘图标。它已安装但未开启：请在“扩展”中开启。</translation>
    </message>
    <message>
        <source>Until then, open %app from your applications menu to reach Settings.</source>
        <translation>在此之前，请从应用程序菜单打开 %app 以进入设置。</translation>
    </message>
    <message>
        <source>Open Extensions</source>
        <translation>打开“扩展”</translation>
    </message>
    <message>
        <source>Show Count in Tray</source>
        <translation>在托盘中显示计数</translation>
    </message>
    <message>
        <source>%1 shares no text</source>
        <translation>%1 不共享任何文本</translation>
    </message>
    <message>
        <source>Copy command</source>
        <translation>复制命令</translation>
    </message>
    <message>
        <source>There&apos;s no account and no analytics. With the %app model or the on-device model, your text stays on this computer.</source>
        <translation>没有账户，也没有数据分析。使用 %app 模型或设备端模型时，你的文本会留在这台电脑上。</translation>
    </message>
    <message>
        <source>There&apos;s no account and no analytics. With the %app model, your text stays on this computer.</source>
        <translation>没有账户，也没有数据分析。使用 %app 模型时，你的文本会留在这台电脑上。</translation>
    </message>
    <message>
        <source>%app lives in your system tray from now on. Click its icon to pause it in an app or open Settings.</source>
        <translation>从现在起，%app 常驻在你的系统托盘中。点击它的图标即可在某个应用中暂停，或打开设置。</translation>
    </message>
    <message>
        <source>%app has no account, no analytics and no servers of its own. The %app model and the on-device model keep your text on this computer. Other engines get it only if you set one up.</source>
        <translation>%app 没有账户、没有数据分析，也没有自己的服务器。%app 模型和设备端模型会将你的文本保留在这台电脑上。只有当你设置了其他引擎时，它们才会收到你的文本。</translation>
    </message>
    <message>
        <source>%app has no account, no analytics and no servers of its own. The %app model keeps your text on this computer. Other engines get it only if you set one up.</source>
        <translation>%app 没有账户、没有数据分析，也没有自己的服务器。%app 模型会将你的文本保留在这台电脑上。只有当你设置了其他引擎时，它们才会收到你的文本。</translation>
    </message>
    <message>
        <source>Installed applications</source>
        <translation>已安装的应用程序</translation>
    </message>
    <message>
        <source>%app reads these only while making a suggestion and never saves them. With the %app model or the on-device model, nothing leaves your computer.</source>
        <translation>%app 仅在生成建议时读取这些内容，从不保存。使用 %app 模型或设备端模型时，任何内容都不会离开你的电脑。</translation>
    </message>
    <message>
        <source>%app reads these only while making a suggestion and never saves them. With the %app model, nothing leaves your computer.</source>
        <translation>%app 仅在生成建议时读取这些内容，从不保存。使用 %app 模型时，任何内容都不会离开你的电脑。</translation>
    </message>
    <message>
        <source>The %app model keeps your text on this computer.</source>
        <translation>%app 模型会将你的文本保留在这台电脑上。</translation>
    </message>
    <message>
        <source>The key holds a line break or another control character. Paste it again without them.</source>
        <translation>密钥中包含换行符或其他控制字符。请去掉后重新粘贴。</translation>
    </message>
    <message>
        <source>Waiting for the keyring to store the key.</source>
        <translation>正在等待密钥环存储密钥。</translation>
    </message>
    <message>
        <source>The keyring cannot keep this key, so it is used only until %app quits.</source>
        <translation>密钥环无法保存此密钥，因此它只在 %app 退出前有效。</translation>
    </message>
    <message>
        <source>Show in the system tray</source>
        <translation>在系统托盘中显示</translation>
    </message>
    <message>
        <source>Pause or open Settings from the system tray. Hidden? Open %app from your applications menu to come back.</source>
        <translation>从系统托盘暂停或打开设置。已隐藏？从应用程序菜单打开 %app 即可返回。</translation>
    </message>
    <message>
        <source>This tray can&apos;t show text beside icons, so the count shows in the icon&apos;s tooltip.</source>
        <translation>此托盘无法在图标旁显示文字，因此计数显示在图标的工具提示中。</translation>
    </message>
    <message>
        <source>VS Code, VSCodium, Cursor, Zed, Kate, Sublime Text, JetBrains IDEs and similar apps.</source>
        <translation>VS Code、VSCodium、Cursor、Zed、Kate、Sublime Text、JetBrains IDE 及类似应用。</translation>
    </message>
    <message>
        <source>Your settings could not be read, so they were set aside and %app started over with its defaults.</source>
        <translation>无法读取你的设置，已将其另存备份，%app 已使用默认设置重新开始。</translation>
    </message>
    <message>
        <source>Your settings are not saved: %app cannot write to its settings folder.</source>
        <translation>你的设置未保存：%app 无法写入其设置文件夹。</translation>
    </message>
    <message>
        <source>Your app and website rules could not be read, so they were set aside.</source>
        <translation>无法读取你的应用和网站规则，已将其另存备份。</translation>
    </message>
    <message>
        <source>Your statistics could not be read, so they were set aside and counting started over.</source>
        <translation>无法读取你的统计数据，已将其另存备份并重新开始计数。</translation>
    </message>
    <message>
        <source>Not saved: %app cannot write to its data folder.</source>
        <translation>未保存：%app 无法写入其数据文件夹。</translation>
    </message>
    <message numerus="yes">
        <source>%Ln suggestions. %1 selected</source>
        <translation>
            <numerusform>%Ln 条建议。已选择 %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln min</source>
        <translation>
            <numerusform>%Ln 分钟</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln words</source>
        <translation>
            <numerusform>%Ln 个词</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln passages from here</source>
        <translation>
            <numerusform>%Ln 个片段来自这里</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>words</source>
        <comment>unit after a count</comment>
        <translation>
            <numerusform>个词</numerusform>
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
            <numerusform>最近 %Ln 天每天节省的词数</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln day streak</source>
        <translation>
            <numerusform>连续 %Ln 天</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln passages remembered</source>
        <translation>
            <numerusform>已记住 %Ln 个片段</numerusform>
        </translation>
    </message>
    <message>
        <source>enter</source>
        <translation>enter</translation>
    </message>
    <message>
        <source>Allow screen capture so %app can read those too. Most apps work without it.</source>
        <translation>允许屏幕捕获，%app 就能读取这些文本。大多数应用无需此权限。</translation>
    </message>
    <message>
        <source>Type a colon and a word, like :rocket, then press Tab or Enter to pick.</source>
        <translation>输入冒号和一个词，例如 :rocket，然后按 Tab 或 Enter 选择。</translation>
    </message>
    <message>
        <source>You can switch memory off for single apps under Apps &amp; Sites. The key that unlocks it lives in your keyring.</source>
        <translation>你可以在“应用和网站”中为单个应用关闭记忆。解锁它的密钥保存在你的密钥环中。</translation>
    </message>
    <message numerus="yes">
        <source>%Ln emoji. %1 selected</source>
        <translation>
            <numerusform>%Ln 个表情。已选择 %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Suggestion: %1</source>
        <translation>建议：%1</translation>
    </message>
    <message numerus="yes">
        <source>%Ln models available</source>
        <translation>
            <numerusform>%Ln 个模型可用</numerusform>
        </translation>
    </message>
    <message>
        <source>The model couldn&apos;t be saved: %1</source>
        <translation>无法保存模型：%1</translation>
    </message>
    <message>
        <source>Ollama isn&apos;t running.</source>
        <translation>Ollama 未运行。</translation>
    </message>
    <message>
        <source>Ollama isn&apos;t running at %1.</source>
        <translation>Ollama 未在 %1 运行。</translation>
    </message>
    <message>
        <source>No server answered.</source>
        <translation>没有服务器响应。</translation>
    </message>
    <message>
        <source>No server answered at %1.</source>
        <translation>地址 %1 没有服务器响应。</translation>
    </message>
    <message>
        <source>Range: %1</source>
        <translation>范围：%1</translation>
    </message>
    <message numerus="yes">
        <source>%1, %Ln to do</source>
        <translation>
            <numerusform>%1，还剩 %Ln 项</numerusform>
        </translation>
    </message>
    <message>
        <source>Type the whole name of the website, such as wikipedia.org.</source>
        <translation>请输入网站的完整名称，例如 wikipedia.org。</translation>
    </message>
    <message>
        <source>The key holds a space, an invisible character or a letter outside plain ASCII. Paste it again exactly as your server gave it.</source>
        <translation>密钥中包含空格、不可见字符或普通 ASCII 以外的字母。请按服务器给出的原样重新粘贴。</translation>
    </message>
    <message>
        <source>The keyring could not be read, so your server is asked without an API key. Type the key again if your server needs one.</source>
        <translation>无法读取密钥环，因此向服务器发出的请求不带 API 密钥。如果你的服务器需要密钥，请重新输入。</translation>
    </message>
    <message>
        <source>Your writing memory could not be opened, so it was set aside and %app started a new one.</source>
        <translation>无法打开你的写作记忆，已将其另存备份，%app 已新建一份写作记忆。</translation>
    </message>
    <message>
        <source>%1, converted for llama.cpp by %2</source>
        <translation>%1，由 %2 转换为 llama.cpp 格式</translation>
    </message>
    <message>
        <source>The data folder %1 could not be made. Check that the folder above it exists and that you may write there.</source>
        <translation>无法创建数据文件夹 %1。请检查其上一级文件夹是否存在，以及你是否可以在那里写入。</translation>
    </message>
    <message>
        <source>party</source>
        <comment>emoji search sample</comment>
        <translation>派对</translation>
    </message>
    <message numerus="yes">
        <source>%Ln settings held values %app cannot use, so they were corrected and saved.</source>
        <translation>
            <numerusform>%Ln 项设置的值 %app 无法使用，已更正并保存。</numerusform>
        </translation>
    </message>
    <message>
        <source>Your writing memory is not saved: the keyring is missing or locked, so its key cannot be kept.</source>
        <translation>你的写作记忆未保存：密钥环不存在或已锁定，无法保管其密钥。</translation>
    </message>
    <message>
        <source>That address isn&apos;t valid</source>
        <translation>该地址无效</translation>
    </message>
    <message>
        <source>The request timed out.</source>
        <translation>请求超时。</translation>
    </message>
    <message>
        <source>The server&apos;s reply was too long, so it was stopped.</source>
        <translation>服务器的回复太长，已停止接收。</translation>
    </message>
    <message>
        <source>The server answered %1.</source>
        <translation>服务器返回了 %1。</translation>
    </message>
    <message>
        <source>The server answered %1: %2</source>
        <translation>服务器返回了 %1：%2</translation>
    </message>
    <message>
        <source>The download server answered %1. Try again later.</source>
        <translation>下载服务器返回了 %1。请稍后再试。</translation>
    </message>
    <message>
        <source>The download couldn&apos;t be saved: %1</source>
        <translation>无法保存下载内容：%1</translation>
    </message>
    <message>
        <source>The download paused because the connection dropped. Try again to pick up where it stopped.</source>
        <translation>连接中断，下载已暂停。再试一次即可从中断处继续。</translation>
    </message>
    <message>
        <source>The download stopped. Check your connection, then try again.</source>
        <translation>下载已停止。请检查网络连接，然后再试一次。</translation>
    </message>
    <message>
        <source>Pick an Ollama model in Settings</source>
        <translation>请在设置中选择一个 Ollama 模型</translation>
    </message>
    <message>
        <source>Pick a model for your local server</source>
        <translation>请为你的本地服务器选择一个模型</translation>
    </message>
    <message>
        <source>The server&apos;s answer is not HTTP.</source>
        <translation>服务器的响应不是 HTTP。</translation>
    </message>
    <message>
        <source>The data couldn&apos;t be read because it is missing.</source>
        <translation>无法读取数据，因为数据缺失。</translation>
    </message>
    <message>
        <source>The data couldn&apos;t be read because it isn&apos;t in the correct format.</source>
        <translation>无法读取数据，因为数据格式不正确。</translation>
    </message>
    <message>
        <source>:%1:</source>
        <comment>emoji name</comment>
        <translation>:%1:</translation>
    </message>
    <message>
        <source>This computer has no on-device language model.</source>
        <translation>这台电脑没有设备端语言模型。</translation>
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
        <translation>已在 %1 暂停</translation>
    </message>
    <message>
        <source>Paused in %1</source>
        <translation>已在 %1 暂停</translation>
    </message>
    <message>
        <source>Off on %1</source>
        <translation>在 %1 上已关闭</translation>
    </message>
    <message>
        <source>Off in %1</source>
        <translation>在 %1 中已关闭</translation>
    </message>
    <message>
        <source>Off in %1 by default</source>
        <translation>在 %1 中默认关闭</translation>
    </message>
    <message>
        <source>Off in code editors</source>
        <translation>在代码编辑器中已关闭</translation>
    </message>
    <message>
        <source>Off unless turned on per app</source>
        <translation>已关闭，除非按应用开启</translation>
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
        <translation>空格</translation>
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
        <translation>按键 %1</translation>
    </message>
    <message>
        <source>An email reply reads differently from a commit message.</source>
        <translation>回复邮件和写提交信息的口吻不同。</translation>
    </message>
    <message>
        <source>Writes straight into the field. Cleanest in GTK and Qt apps.</source>
        <translation>直接写入输入框。在 GTK 和 Qt 应用中效果最好。</translation>
    </message>
    <message>
        <source>Typing</source>
        <comment>insertion method</comment>
        <translation>键入</translation>
    </message>
    <message>
        <source>%1 h</source>
        <comment>hours with one decimal, such as 1.5</comment>
        <translation>%1 小时</translation>
    </message>
    <message numerus="yes">
        <source>%Ln h</source>
        <translation>
            <numerusform>%Ln 小时</numerusform>
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
            <numerusform>今天已节省 %Ln 个词</numerusform>
        </translation>
    </message>
    <message>
        <source>Under a minute of typing saved today.</source>
        <translation>今天节省了不到一分钟的输入。</translation>
    </message>
    <message>
        <source>About %1 of typing saved today.</source>
        <translation>今天节省了约 %1 的输入。</translation>
    </message>
    <message numerus="yes">
        <source>Step %1 of %Ln</source>
        <translation>
            <numerusform>第 %1 步，共 %Ln 步</numerusform>
        </translation>
    </message>
    <message>
        <source>%app reads and types into text fields through the desktop&apos;s accessibility support, which some desktops leave off. %app uses it only for the field you&apos;re writing in.</source>
        <translation>%app 通过桌面的辅助功能支持读取输入框并向其中输入；有些桌面默认关闭此功能。%app 只将它用于你正在书写的输入框。</translation>
    </message>
    <message>
        <source>The button switches the desktop&apos;s accessibility support on. If the desktop&apos;s settings open instead, turn accessibility on there, then come back. This page updates by itself.</source>
        <translation>此按钮会打开桌面的辅助功能支持。如果打开的是桌面设置，请在那里开启辅助功能，然后回来。此页面会自动更新。</translation>
    </message>
    <message>
        <source>Still off? Some desktops start their accessibility service only when you log in. Log out and back in, then try again.</source>
        <translation>仍未开启？有些桌面只在登录时启动辅助功能服务。请注销并重新登录，然后再试一次。</translation>
    </message>
    <message>
        <source>Pause</source>
        <comment>section header</comment>
        <translation>暂停</translation>
    </message>
    <message>
        <source>Pause</source>
        <comment>button</comment>
        <translation>暂停</translation>
    </message>
    <message>
        <source>typing</source>
        <comment>insertion method, in a sentence</comment>
        <translation>键入</translation>
    </message>
    <message>
        <source>accessibility</source>
        <comment>insertion method, in a sentence</comment>
        <translation>辅助功能</translation>
    </message>
    <message>
        <source>paste</source>
        <comment>insertion method, in a sentence</comment>
        <translation>粘贴</translation>
    </message>
    <message>
        <source>short</source>
        <comment>suggestion length, in a sentence</comment>
        <translation>短</translation>
    </message>
    <message>
        <source>medium</source>
        <comment>suggestion length, in a sentence</comment>
        <translation>中等长度的</translation>
    </message>
    <message>
        <source>long</source>
        <comment>suggestion length, in a sentence</comment>
        <translation>长</translation>
    </message>
    <message>
        <source>Default follows General: %1, %2 suggestions.</source>
        <translation>默认跟随“通用”：%1，%2建议。</translation>
    </message>
    <message>
        <source>Yes, at %1, %2 on screen, %3 pt tall, %4 and %5</source>
        <translation>是，位于屏幕上 %1, %2，高 %3 pt，%4，%5</translation>
    </message>
    <message numerus="yes">
        <source>%Ln characters before it</source>
        <translation>
            <numerusform>前面 %Ln 个字符</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln after</source>
        <comment>characters after the caret</comment>
        <translation>
            <numerusform>后面 %Ln 个</numerusform>
        </translation>
    </message>
    <message>
        <source>No system tray runs on this desktop, so the icon cannot show. %1</source>
        <translation>此桌面上没有运行系统托盘，因此无法显示图标。%1</translation>
    </message>
    <message>
        <source>Typing</source>
        <comment>section header</comment>
        <translation>键入</translation>
    </message>
    <message>
        <source>Switch to the computer&apos;s language?</source>
        <translation>切换到电脑的语言？</translation>
    </message>
    <message numerus="yes">
        <source>%Ln words this week.</source>
        <translation>
            <numerusform>本周 %Ln 个词。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Under a minute of typing saved today. %Ln words this week.</source>
        <translation>
            <numerusform>今天节省了不到一分钟的输入。本周 %Ln 个词。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>About %1 of typing saved today. %Ln words this week.</source>
        <translation>
            <numerusform>今天节省了约 %1 的输入。本周 %Ln 个词。</numerusform>
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
        <translation>服务器拒绝了连接。请检查服务器是否正在运行，以及地址是否正确。</translation>
    </message>
    <message>
        <source>The server&apos;s name couldn&apos;t be found. Check the address.</source>
        <translation>找不到服务器的名称。请检查地址。</translation>
    </message>
    <message>
        <source>A secure connection to the server couldn&apos;t be made.</source>
        <translation>无法与服务器建立安全连接。</translation>
    </message>
    <message>
        <source>The server closed the connection before it answered.</source>
        <translation>服务器在应答之前关闭了连接。</translation>
    </message>
    <message>
        <source>The network proxy couldn&apos;t be reached.</source>
        <translation>无法连接网络代理。</translation>
    </message>
    <message>
        <source>The server couldn&apos;t be reached.</source>
        <translation>无法连接服务器。</translation>
    </message>
    <message>
        <source>Waiting for the network…</source>
        <translation>正在等待网络…</translation>
    </message>
    <message>
        <source>%1 is taken by another program.</source>
        <translation>%1 已被另一个程序占用。</translation>
    </message>
    <message>
        <source>%1 could not open again. Your choice takes effect the next time you start it.</source>
        <translation>%1 无法重新打开。你的选择将在下次启动时生效。</translation>
    </message>
    <message>
        <source>Downloading the model</source>
        <translation>正在下载模型</translation>
    </message>
    <message numerus="yes">
        <source>These apps answer the Tab key before %app can, so %app stays paused in your other apps until they quit.</source>
        <translation>
            <numerusform>这些应用会抢在 %app 之前接收 Tab 键，因此在它们退出之前，%app 会在其他应用中保持暂停。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>It may be waiting on a dialog of its own. Force Quit closes it right away.</source>
        <translation>
            <numerusform>可能正在等待其自身的对话框。“强制退出”会立即将其关闭。</numerusform>
        </translation>
    </message>
    <message>
        <source>Set a Suggest Now shortcut in Keys to ask for suggestions</source>
        <translation>在“按键”中设置“立即建议”快捷键，即可请求建议</translation>
    </message>
    <message>
        <source>Backspace</source>
        <comment>key above Enter that deletes backwards</comment>
        <translation>退格</translation>
    </message>
    <message>
        <source>0 words saved today</source>
        <translation>今天已节省 0 个词</translation>
    </message>
    <message>
        <source>words saved today</source>
        <comment>beside the count 0</comment>
        <translation>个词（今日节省）</translation>
    </message>
    <message>
        <source>Quit the other app</source>
        <translation>退出另一个应用</translation>
    </message>
    <message>
        <source>None yet</source>
        <comment>no app looked at yet</comment>
        <translation>暂无</translation>
    </message>
    <message>
        <source>None yet</source>
        <comment>no suggestion shown yet</comment>
        <translation>暂无</translation>
    </message>
    <message>
        <source>The other app is also running</source>
        <translation>另一个应用也在运行</translation>
    </message>
    <message>
        <source>Both apps answer the Tab key, and the system gives it to the other app first. %app stays paused in your other apps until the other app quits.</source>
        <translation>两个应用都会响应 Tab 键，系统会先把它交给另一个应用。在另一个应用退出之前，%app 会在其他应用中保持暂停。</translation>
    </message>
    <message>
        <source>The other app is still open</source>
        <translation>另一个应用仍然打开</translation>
    </message>
    <message>
        <source>The other app quit, so your suggestions are back in every app.</source>
        <translation>另一个应用已退出，你的建议已在所有应用中恢复。</translation>
    </message>
    <message>
        <source>The other app quit. %app has the Tab key.</source>
        <translation>另一个应用已退出。%app 已接管 Tab 键。</translation>
    </message>
</context>
</TS>
