<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko" sourcelanguage="en">
<context>
    <name>Tessaquill</name>
    <message>
        <source>Accessibility is on. %app is ready in your other apps.</source>
        <translation>접근성이 켜졌습니다. 이제 다른 앱에서 %app을(를) 사용할 수 있습니다.</translation>
    </message>
    <message>
        <source>Paused while %1 is open</source>
        <translation>%1 실행 중에는 일시 정지</translation>
    </message>
    <message>
        <source>Welcome to %app</source>
        <translation>%app에 오신 것을 환영합니다</translation>
    </message>
    <message>
        <source>%app</source>
        <translation>%app</translation>
    </message>
    <message>
        <source>Another autocomplete app is running</source>
        <translation>다른 자동 완성 앱이 실행 중입니다</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>준비됨</translation>
    </message>
    <message>
        <source>Waiting for a pause</source>
        <translation>입력이 멈추기를 기다리는 중</translation>
    </message>
    <message>
        <source>Thinking</source>
        <translation>생각하는 중</translation>
    </message>
    <message>
        <source>Showing a suggestion</source>
        <translation>제안 표시 중</translation>
    </message>
    <message>
        <source>The model took too long to answer</source>
        <translation>모델의 응답이 너무 오래 걸렸습니다</translation>
    </message>
    <message>
        <source>This app doesn&apos;t report where the caret is</source>
        <translation>이 앱은 커서 위치를 알려 주지 않습니다</translation>
    </message>
    <message>
        <source>%app is turned off</source>
        <translation>%app이(가) 꺼져 있습니다</translation>
    </message>
    <message>
        <source>Secure input is on, so %app stays out</source>
        <translation>보안 입력이 켜져 있어 %app이(가) 동작하지 않습니다</translation>
    </message>
    <message>
        <source>Press %1 for a suggestion</source>
        <translation>제안을 받으려면 %1을(를) 누르십시오</translation>
    </message>
    <message>
        <source>Text is selected</source>
        <translation>텍스트가 선택되어 있습니다</translation>
    </message>
    <message>
        <source>The caret is inside existing text</source>
        <translation>커서가 기존 텍스트 중간에 있습니다</translation>
    </message>
    <message>
        <source>This field is too small</source>
        <translation>이 입력란은 너무 작습니다</translation>
    </message>
    <message>
        <source>Waiting for a few characters</source>
        <translation>몇 글자 입력을 기다리는 중</translation>
    </message>
    <message>
        <source>Start of a new line</source>
        <translation>새 줄의 시작</translation>
    </message>
    <message>
        <source>The model is still downloading</source>
        <translation>모델을 아직 다운로드하는 중입니다</translation>
    </message>
    <message>
        <source>Download the %app model in Settings first</source>
        <translation>먼저 설정에서 %app 모델을 다운로드하십시오</translation>
    </message>
    <message>
        <source>Not checked yet</source>
        <translation>아직 확인하지 않음</translation>
    </message>
    <message>
        <source>Checking…</source>
        <translation>확인 중…</translation>
    </message>
    <message>
        <source>The model stopped with error %1</source>
        <translation>모델이 오류 %1(으)로 중지되었습니다</translation>
    </message>
    <message>
        <source>The model file couldn&apos;t be loaded</source>
        <translation>모델 파일을 불러올 수 없습니다</translation>
    </message>
    <message>
        <source>There wasn&apos;t enough memory to start the model</source>
        <translation>메모리가 부족하여 모델을 시작할 수 없습니다</translation>
    </message>
    <message>
        <source>The text couldn&apos;t be prepared for the model</source>
        <translation>텍스트를 모델에 맞게 준비할 수 없습니다</translation>
    </message>
    <message>
        <source>This computer needs %1 free for the download. Free up some space, then try again.</source>
        <translation>다운로드하려면 이 컴퓨터에 %1의 여유 공간이 필요합니다. 공간을 확보한 후 다시 시도하십시오.</translation>
    </message>
    <message>
        <source>The download didn&apos;t match the expected file, so it was deleted. Try again.</source>
        <translation>다운로드한 파일이 예상한 파일과 일치하지 않아 삭제했습니다. 다시 시도하십시오.</translation>
    </message>
    <message>
        <source>Downloaded</source>
        <translation>다운로드됨</translation>
    </message>
    <message>
        <source>Downloading. Suggestions start once it&apos;s done.</source>
        <translation>다운로드 중입니다. 완료되면 제안이 시작됩니다.</translation>
    </message>
    <message>
        <source>Checking the download.</source>
        <translation>다운로드를 확인하는 중입니다.</translation>
    </message>
    <message>
        <source>Checking the download. Suggestions start once it&apos;s done.</source>
        <translation>다운로드를 확인하는 중입니다. 완료되면 제안이 시작됩니다.</translation>
    </message>
    <message>
        <source>Download the model to start</source>
        <translation>시작하려면 모델을 다운로드하십시오</translation>
    </message>
    <message>
        <source>Ollama is running but has no models</source>
        <translation>Ollama가 실행 중이지만 모델이 없습니다</translation>
    </message>
    <message>
        <source>Another app</source>
        <translation>다른 앱</translation>
    </message>
    <message>
        <source>There is no D-Bus session bus, so %1 cannot reach text fields.</source>
        <translation>D-Bus 세션 버스가 없어 %1이(가) 입력란에 접근할 수 없습니다.</translation>
    </message>
    <message>
        <source>The desktop&apos;s accessibility bus is not running, so %1 cannot reach text fields.</source>
        <translation>데스크톱의 접근성 버스가 실행되고 있지 않아 %1이(가) 입력란에 접근할 수 없습니다.</translation>
    </message>
    <message>
        <source>Short</source>
        <translation>짧게</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>보통</translation>
    </message>
    <message>
        <source>Long</source>
        <translation>길게</translation>
    </message>
    <message>
        <source>Hide the suggestion</source>
        <translation>제안 숨기기</translation>
    </message>
    <message>
        <source>Hide suggestions until I change fields</source>
        <translation>입력란을 바꿀 때까지 제안 숨기기</translation>
    </message>
    <message>
        <source>Do nothing, send Escape to the app</source>
        <translation>아무것도 하지 않고 앱에 Esc 키 보내기</translation>
    </message>
    <message>
        <source>Type it</source>
        <translation>입력하기</translation>
    </message>
    <message>
        <source>Insert through Accessibility</source>
        <translation>접근성으로 삽입하기</translation>
    </message>
    <message>
        <source>Paste it</source>
        <translation>붙여넣기</translation>
    </message>
    <message>
        <source>Grey</source>
        <translation>회색</translation>
    </message>
    <message>
        <source>Gold tint</source>
        <translation>금색 계열</translation>
    </message>
    <message>
        <source>%app model</source>
        <translation>%app 모델</translation>
    </message>
    <message>
        <source>Ollama</source>
        <translation>Ollama</translation>
    </message>
    <message>
        <source>Local server</source>
        <translation>로컬 서버</translation>
    </message>
    <message>
        <source>Runs on this computer after a one-time download. Works offline.</source>
        <translation>한 번 다운로드하면 이 컴퓨터에서 실행됩니다. 오프라인에서도 작동합니다.</translation>
    </message>
    <message>
        <source>Any model you run in Ollama, base models included.</source>
        <translation>Ollama에서 실행하는 모든 모델(베이스 모델 포함).</translation>
    </message>
    <message>
        <source>LM Studio, llama-server or any OpenAI-compatible endpoint.</source>
        <translation>LM Studio, llama-server 또는 OpenAI 호환 엔드포인트.</translation>
    </message>
    <message>
        <source>Sends the text as keystrokes. Works almost everywhere.</source>
        <translation>텍스트를 키 입력으로 보냅니다. 거의 모든 곳에서 작동합니다.</translation>
    </message>
    <message>
        <source>Uses the clipboard, then puts your clipboard back.</source>
        <translation>클립보드를 사용한 뒤 원래 클립보드 내용을 되돌려 놓습니다.</translation>
    </message>
    <message>
        <source>Accessibility</source>
        <translation>접근성</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>붙여넣기</translation>
    </message>
    <message>
        <source>Your writing memory could not be opened and was set aside. Nothing new is remembered until %app starts again.</source>
        <translation>글쓰기 기억을 열 수 없어 따로 보관했습니다. %app을(를) 다시 시작할 때까지 새로운 내용은 기억되지 않습니다.</translation>
    </message>
    <message>
        <source>Your writing memory could not be opened because its key could not be read from the keyring. Nothing new is remembered until %app starts again.</source>
        <translation>키링에서 키를 읽을 수 없어 글쓰기 기억을 열지 못했습니다. %app을(를) 다시 시작할 때까지 새로운 내용은 기억되지 않습니다.</translation>
    </message>
    <message>
        <source>Not Now</source>
        <translation>나중에</translation>
    </message>
    <message>
        <source>Open the desktop&apos;s settings</source>
        <translation>데스크톱 설정 열기</translation>
    </message>
    <message>
        <source>Don&apos;t remind me again</source>
        <translation>다시 알리지 않기</translation>
    </message>
    <message>
        <source>Open Playground</source>
        <translation>연습용 입력란 열기</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>설정</translation>
    </message>
    <message>
        <source>Quit %app</source>
        <translation>%app 종료</translation>
    </message>
    <message>
        <source>Needs Accessibility access</source>
        <translation>접근성 권한 필요</translation>
    </message>
    <message>
        <source>Paused until you resume</source>
        <translation>재개할 때까지 일시 정지됨</translation>
    </message>
    <message>
        <source>Paused until %1</source>
        <translation>%1까지 일시 정지됨</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>끔</translation>
    </message>
    <message numerus="yes">
        <source>Paused while %1 are open</source>
        <translation>
            <numerusform>%1 실행 중에는 일시 정지</numerusform>
        </translation>
    </message>
    <message>
        <source>Grant Accessibility Access…</source>
        <translation>접근성 권한 허용…</translation>
    </message>
    <message numerus="yes">
        <source>Force Quit %1</source>
        <translation>
            <numerusform>%1 강제 종료</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Quit %1</source>
        <translation>
            <numerusform>%1 종료</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>words saved today</source>
        <translation>
            <numerusform>단어 절약 (오늘)</numerusform>
        </translation>
    </message>
    <message>
        <source>Start typing anywhere. %app keeps count here.</source>
        <translation>아무 곳에서나 입력을 시작하십시오. %app이(가) 여기에서 집계합니다.</translation>
    </message>
    <message>
        <source>Resume in %1</source>
        <translation>%1에서 재개</translation>
    </message>
    <message>
        <source>Pause in %1</source>
        <translation>%1에서 일시 정지</translation>
    </message>
    <message>
        <source>Resume Everywhere</source>
        <translation>모든 곳에서 재개</translation>
    </message>
    <message>
        <source>Pause Everywhere</source>
        <translation>모든 곳에서 일시 정지</translation>
    </message>
    <message>
        <source>For 15 Minutes</source>
        <translation>15분 동안</translation>
    </message>
    <message>
        <source>For 1 Hour</source>
        <translation>1시간 동안</translation>
    </message>
    <message>
        <source>For 4 Hours</source>
        <translation>4시간 동안</translation>
    </message>
    <message>
        <source>Until I Resume</source>
        <translation>재개할 때까지</translation>
    </message>
    <message>
        <source>Example: after typing %1, %2 suggests %3</source>
        <translation>예: ‘%1’ 입력 후 %2의 제안: ‘%3’</translation>
    </message>
    <message>
        <source>takes the next word</source>
        <translation>다음 단어 수락</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>다운로드</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>%1 of %2. You can keep writing while it downloads.</source>
        <translation>%1 / %2. 다운로드하는 동안에도 계속 쓸 수 있습니다.</translation>
    </message>
    <message>
        <source>Checking the download</source>
        <translation>다운로드 확인 중</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>다시 시도</translation>
    </message>
    <message>
        <source>Remove…</source>
        <translation>제거…</translation>
    </message>
    <message>
        <source>%1 license</source>
        <translation>%1 라이선스</translation>
    </message>
    <message>
        <source>Remove the %app model?</source>
        <translation>%app 모델을 제거하시겠습니까?</translation>
    </message>
    <message>
        <source>Model download</source>
        <translation>모델 다운로드</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>제거</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>계속</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>나중에</translation>
    </message>
    <message>
        <source>Start Writing</source>
        <translation>쓰기 시작</translation>
    </message>
    <message>
        <source>Finish your sentences in any app.</source>
        <translation>어떤 앱에서든 문장을 완성해 드립니다.</translation>
    </message>
    <message>
        <source>%app reads the words before your caret and suggests what comes next in grey. Press Tab to take one word, or the key above Tab to take the rest. If you don&apos;t want it, keep typing.</source>
        <translation>%app은(는) 커서 앞의 단어를 읽고 다음에 올 내용을 회색으로 제안합니다. Tab 키로 한 단어를, Tab 위의 키로 나머지 전체를 수락합니다. 원하지 않으면 계속 입력하면 됩니다.</translation>
    </message>
    <message>
        <source>Sees what you see</source>
        <translation>보이는 것을 함께 봅니다</translation>
    </message>
    <message>
        <source>Private</source>
        <translation>비공개</translation>
    </message>
    <message>
        <source>It reads the window you&apos;re typing in, like the chat you&apos;re answering, so suggestions fit. None of it goes online, to us or any server. It stays private on your computer.</source>
        <translation>답장 중인 채팅처럼 지금 입력 중인 창을 읽어 상황에 맞는 제안을 합니다. 읽은 내용은 인터넷으로 나가지 않으며, 저희나 어떤 서버에도 전송되지 않습니다. 컴퓨터에만 비공개로 남습니다.</translation>
    </message>
    <message>
        <source>Accessibility is on</source>
        <translation>접근성이 켜져 있습니다</translation>
    </message>
    <message>
        <source>%app can now read the field you&apos;re writing in and type suggestions for you.</source>
        <translation>이제 %app이(가) 작성 중인 입력란을 읽고 제안을 입력할 수 있습니다.</translation>
    </message>
    <message>
        <source>Let %app see what you type.</source>
        <translation>%app이(가) 입력 내용을 볼 수 있게 허용하십시오.</translation>
    </message>
    <message>
        <source>%app reads your text when you pause and forgets it after one suggestion, unless you turn on writing memory.</source>
        <translation>%app은(는) 입력을 멈추면 텍스트를 읽고 제안을 한 번 한 뒤 잊어버립니다. 글쓰기 기억을 켠 경우는 예외입니다.</translation>
    </message>
    <message>
        <source>%app skips password fields and anything else the system marks as secure.</source>
        <translation>%app은(는) 암호 입력란과 시스템이 보안 항목으로 표시한 모든 곳을 건너뜁니다.</translation>
    </message>
    <message>
        <source>Open Accessibility Settings</source>
        <translation>접근성 설정 열기</translation>
    </message>
    <message>
        <source>Pick what writes your suggestions.</source>
        <translation>제안을 작성할 엔진을 선택하십시오.</translation>
    </message>
    <message>
        <source>You can change this any time in Settings.</source>
        <translation>설정에서 언제든지 변경할 수 있습니다.</translation>
    </message>
    <message>
        <source>Give it a try.</source>
        <translation>직접 해 보십시오.</translation>
    </message>
    <message>
        <source>Start typing a sentence. When grey words appear, press Tab for one word or the key above Tab for all of them.</source>
        <translation>문장을 입력해 보십시오. 회색 글자가 나타나면 Tab 키로 한 단어를, Tab 위의 키로 전체를 수락합니다.</translation>
    </message>
    <message>
        <source>Hi Orlenn, thanks for the quick reply. I think we should</source>
        <translation>Orlenn 님, 빠른 답장 감사합니다. 제 생각에는 우리가</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>뒤로</translation>
    </message>
    <message>
        <source>Practice field</source>
        <translation>연습용 입력란</translation>
    </message>
    <message>
        <source>Default, on</source>
        <translation>기본값, 켬</translation>
    </message>
    <message>
        <source>Default, off</source>
        <translation>기본값, 끔</translation>
    </message>
    <message>
        <source>Add a website</source>
        <translation>웹사이트 추가</translation>
    </message>
    <message>
        <source>Domain</source>
        <translation>도메인</translation>
    </message>
    <message>
        <source>Rules for a site apply in any browser %app can read.</source>
        <translation>사이트 규칙은 %app에서 읽을 수 있는 모든 브라우저에 적용됩니다.</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>추가</translation>
    </message>
    <message>
        <source>Add App…</source>
        <translation>앱 추가…</translation>
    </message>
    <message>
        <source>Add an app</source>
        <translation>앱 추가</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>검색</translation>
    </message>
    <message>
        <source>Clear search</source>
        <translation>검색어 지우기</translation>
    </message>
    <message>
        <source>Add an app or website</source>
        <translation>앱 또는 웹사이트 추가</translation>
    </message>
    <message>
        <source>Add Website…</source>
        <translation>웹사이트 추가…</translation>
    </message>
    <message>
        <source>Apps &amp; Sites</source>
        <translation>앱 및 사이트</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>일시 정지됨</translation>
    </message>
    <message>
        <source>Apps</source>
        <translation>앱</translation>
    </message>
    <message>
        <source>Websites</source>
        <translation>웹사이트</translation>
    </message>
    <message>
        <source>No matches</source>
        <translation>일치하는 항목 없음</translation>
    </message>
    <message>
        <source>No apps yet</source>
        <translation>아직 앱이 없습니다</translation>
    </message>
    <message>
        <source>Nothing matches “%1”.</source>
        <translation>‘%1’과(와) 일치하는 항목이 없습니다.</translation>
    </message>
    <message>
        <source>Apps appear here once you accept a suggestion in them, or add one with +.</source>
        <translation>앱에서 제안을 수락하면 여기에 표시됩니다. +로 직접 추가할 수도 있습니다.</translation>
    </message>
    <message>
        <source>Pick an app or site</source>
        <translation>앱 또는 사이트 선택</translation>
    </message>
    <message>
        <source>Each one can have its own rules. Anything you don&apos;t change follows General.</source>
        <translation>각 항목마다 규칙을 따로 지정할 수 있습니다. 변경하지 않은 항목은 일반 설정을 따릅니다.</translation>
    </message>
    <message>
        <source>Words saved here</source>
        <translation>여기에서 절약한 단어</translation>
    </message>
    <message>
        <source>Suggestions</source>
        <translation>제안</translation>
    </message>
    <message>
        <source>On</source>
        <translation>켬</translation>
    </message>
    <message>
        <source>Tab accepts suggestions</source>
        <translation>Tab 키로 제안 수락</translation>
    </message>
    <message>
        <source>Turn off where Tab already means something, like indenting. The other accept key still works.</source>
        <translation>들여쓰기처럼 Tab 키에 이미 다른 기능이 있는 곳에서는 끄십시오. 다른 수락 키는 계속 작동합니다.</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>기본값</translation>
    </message>
    <message>
        <source>Insert by</source>
        <translation>삽입 방법</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>길이</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>재개</translation>
    </message>
    <message>
        <source>Pause here</source>
        <translation>여기에서 일시 정지</translation>
    </message>
    <message>
        <source>Memory</source>
        <translation>기억</translation>
    </message>
    <message>
        <source>Remember my writing here</source>
        <translation>여기에서 쓴 글 기억하기</translation>
    </message>
    <message>
        <source>Writing memory is off in Your Voice.</source>
        <translation>‘나의 문체’에서 글쓰기 기억이 꺼져 있습니다.</translation>
    </message>
    <message>
        <source>Erase…</source>
        <translation>지우기…</translation>
    </message>
    <message>
        <source>Reset to Defaults</source>
        <translation>기본값으로 재설정</translation>
    </message>
    <message>
        <source>Erase what %app remembered from %1?</source>
        <translation>%app이(가) %1에서 기억한 내용을 지우시겠습니까?</translation>
    </message>
    <message>
        <source>Erase</source>
        <translation>지우기</translation>
    </message>
    <message>
        <source>Passages from this app can shape suggestions everywhere.</source>
        <translation>이 앱의 구절이 모든 곳의 제안에 반영될 수 있습니다.</translation>
    </message>
    <message>
        <source>Finish setting up</source>
        <translation>설정 마치기</translation>
    </message>
    <message>
        <source>Setup progress</source>
        <translation>설정 진행 상황</translation>
    </message>
    <message>
        <source>Done: %1</source>
        <translation>완료: %1</translation>
    </message>
    <message>
        <source>Best day yet!</source>
        <translation>최고 기록을 세운 날입니다!</translation>
    </message>
    <message>
        <source>Try it here</source>
        <translation>여기에서 해 보기</translation>
    </message>
    <message>
        <source>Thanks for sending the draft over. I had a look and</source>
        <translation>초안을 보내 주셔서 감사합니다. 살펴보았는데</translation>
    </message>
    <message>
        <source>next word</source>
        <translation>다음 단어</translation>
    </message>
    <message>
        <source>whole suggestion</source>
        <translation>제안 전체</translation>
    </message>
    <message>
        <source>hide it</source>
        <translation>숨기기</translation>
    </message>
    <message>
        <source>This field runs the real engine. Start typing and grey words show up as you go.</source>
        <translation>이 입력란에서는 실제 엔진이 작동합니다. 입력을 시작하면 회색 글자가 나타납니다.</translation>
    </message>
    <message>
        <source>This field runs the real engine, even before you allow Accessibility. Start typing and grey words show up as you go.</source>
        <translation>이 입력란에서는 접근성을 허용하기 전에도 실제 엔진이 작동합니다. 입력을 시작하면 회색 글자가 나타납니다.</translation>
    </message>
    <message>
        <source>You&apos;re all set</source>
        <translation>모든 준비가 끝났습니다</translation>
    </message>
    <message>
        <source>Accessibility is on and %1 is ready. %app works in every app you type in.</source>
        <translation>접근성이 켜져 있고 %1 준비가 끝났습니다. %app은(는) 입력하는 모든 앱에서 작동합니다.</translation>
    </message>
    <message>
        <source>Waiting for %1 to quit</source>
        <translation>%1 종료를 기다리는 중</translation>
    </message>
    <message>
        <source>Turned off</source>
        <translation>꺼짐</translation>
    </message>
    <message>
        <source>Paused everywhere</source>
        <translation>모든 곳에서 일시 정지됨</translation>
    </message>
    <message>
        <source>%1, %2 typical wait</source>
        <translation>%1, 보통 대기 시간 %2</translation>
    </message>
    <message>
        <source>Start your streak today.</source>
        <translation>오늘부터 연속 기록을 시작해 보십시오.</translation>
    </message>
    <message>
        <source>Overview</source>
        <translation>개요</translation>
    </message>
    <message>
        <source>General</source>
        <translation>일반</translation>
    </message>
    <message>
        <source>Engine</source>
        <translation>엔진</translation>
    </message>
    <message>
        <source>Context</source>
        <translation>맥락</translation>
    </message>
    <message>
        <source>Your Voice</source>
        <translation>나의 문체</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>키</translation>
    </message>
    <message>
        <source>Emoji</source>
        <translation>이모지</translation>
    </message>
    <message>
        <source>Battery</source>
        <translation>배터리</translation>
    </message>
    <message>
        <source>Insights</source>
        <translation>통계</translation>
    </message>
    <message>
        <source>Field Inspector</source>
        <translation>입력란 검사기</translation>
    </message>
    <message>
        <source>About</source>
        <translation>정보</translation>
    </message>
    <message>
        <source>How %app is doing today</source>
        <translation>오늘 %app의 상태</translation>
    </message>
    <message>
        <source>Where and how suggestions appear</source>
        <translation>제안이 나타나는 위치와 방식</translation>
    </message>
    <message>
        <source>The model that writes your suggestions</source>
        <translation>제안을 생성하는 모델</translation>
    </message>
    <message>
        <source>What %app may look at to guess better</source>
        <translation>더 잘 예측하기 위해 %app에서 참고할 수 있는 내용</translation>
    </message>
    <message>
        <source>Help suggestions sound like you</source>
        <translation>제안이 내 말투처럼 들리도록</translation>
    </message>
    <message>
        <source>Accept, dismiss and summon suggestions</source>
        <translation>제안 수락, 닫기, 호출</translation>
    </message>
    <message>
        <source>Emoji search and emoticons</source>
        <translation>이모지 검색 및 이모티콘</translation>
    </message>
    <message>
        <source>Rules for each app and website</source>
        <translation>앱 및 웹사이트별 규칙</translation>
    </message>
    <message>
        <source>Save power when you&apos;re unplugged</source>
        <translation>전원이 연결되지 않았을 때 전력 절약</translation>
    </message>
    <message>
        <source>Words saved and how fast suggestions arrive</source>
        <translation>절약한 단어 수와 제안 속도</translation>
    </message>
    <message>
        <source>What %app sees in the focused field</source>
        <translation>포커스된 입력란에서 %app이(가) 보는 내용</translation>
    </message>
    <message>
        <source>Version and privacy</source>
        <translation>버전 및 개인정보 보호</translation>
    </message>
    <message>
        <source>Writing</source>
        <translation>글쓰기</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>입력</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>규칙</translation>
    </message>
    <message>
        <source>Activity</source>
        <translation>활동</translation>
    </message>
    <message>
        <source>%app can read the field you&apos;re typing in and insert suggestions in any app.</source>
        <translation>%app은(는) 입력 중인 입력란을 읽고 어떤 앱에서든 제안을 삽입할 수 있습니다.</translation>
    </message>
    <message>
        <source>Allow Accessibility access</source>
        <translation>접근성 권한 허용</translation>
    </message>
    <message>
        <source>%app needs it to read the text you type in other apps and to insert suggestions.</source>
        <translation>다른 앱에서 입력하는 텍스트를 읽고 제안을 삽입하려면 %app에 이 권한이 필요합니다.</translation>
    </message>
    <message>
        <source>Allow…</source>
        <translation>허용…</translation>
    </message>
    <message>
        <source>%1 is ready</source>
        <translation>%1 준비됨</translation>
    </message>
    <message>
        <source>Checking %1</source>
        <translation>%1 확인 중</translation>
    </message>
    <message>
        <source>This takes a moment.</source>
        <translation>잠시 기다려 주십시오.</translation>
    </message>
    <message>
        <source>Your engine isn&apos;t ready</source>
        <translation>엔진이 준비되지 않았습니다</translation>
    </message>
    <message>
        <source>Open Engine</source>
        <translation>엔진 설정 열기</translation>
    </message>
    <message>
        <source>The system&apos;s predictions are off</source>
        <translation>시스템 예측이 꺼져 있습니다</translation>
    </message>
    <message>
        <source>Only %app&apos;s suggestions appear while you type.</source>
        <translation>입력하는 동안 %app의 제안만 나타납니다.</translation>
    </message>
    <message>
        <source>Turn off the system&apos;s predictions</source>
        <translation>시스템 예측 끄기</translation>
    </message>
    <message>
        <source>The system shows its own grey suggestions on top of %app&apos;s. Each app picks up the change the next time you open it.</source>
        <translation>시스템이 자체 회색 제안을 %app의 제안 위에 겹쳐 표시합니다. 변경 사항은 각 앱을 다음에 열 때 적용됩니다.</translation>
    </message>
    <message>
        <source>Keyboard Settings</source>
        <translation>키보드 설정</translation>
    </message>
    <message>
        <source>Turn Off</source>
        <translation>끄기</translation>
    </message>
    <message>
        <source>Only %app is suggesting</source>
        <translation>%app만 제안하고 있습니다</translation>
    </message>
    <message>
        <source>Tab reaches %app again.</source>
        <translation>Tab 키가 다시 %app에 전달됩니다.</translation>
    </message>
    <message numerus="yes">
        <source>%1 didn&apos;t quit. They may be showing a dialog. Force Quit closes them right away.</source>
        <translation>
            <numerusform>%1이(가) 종료되지 않았습니다. 대화 상자를 표시하고 있을 수 있습니다. 강제 종료하면 즉시 닫힙니다.</numerusform>
        </translation>
    </message>
    <message>
        <source>Force Quit</source>
        <translation>강제 종료</translation>
    </message>
    <message numerus="yes">
        <source>%1 take the Tab key before %app can, so %app stays paused in your other apps until you quit them.</source>
        <translation>
            <numerusform>%1이(가) %app보다 먼저 Tab 키를 받기 때문에, %1을(를) 종료할 때까지 %app은(는) 다른 앱에서 일시 정지됩니다.</numerusform>
        </translation>
    </message>
    <message>
        <source>Only when I ask</source>
        <translation>요청할 때만</translation>
    </message>
    <message>
        <source>On battery, suggestions appear only after you press the Suggest Now shortcut.</source>
        <translation>배터리 사용 중에는 ‘지금 제안’ 단축키를 누른 후에만 제안이 나타납니다.</translation>
    </message>
    <message>
        <source>Shorter suggestions</source>
        <translation>더 짧은 제안</translation>
    </message>
    <message>
        <source>Fewer words take less power to write.</source>
        <translation>단어가 적을수록 생성에 드는 전력이 줄어듭니다.</translation>
    </message>
    <message>
        <source>Lighter model</source>
        <translation>더 가벼운 모델</translation>
    </message>
    <message>
        <source>Same as plugged in</source>
        <translation>전원 연결 시와 동일</translation>
    </message>
    <message>
        <source>Running on battery. These apply right now.</source>
        <translation>배터리로 실행 중입니다. 지금 바로 적용됩니다.</translation>
    </message>
    <message>
        <source>Plugged in. These wait until you unplug.</source>
        <translation>전원이 연결되어 있습니다. 전원을 분리하면 적용됩니다.</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>모델</translation>
    </message>
    <message>
        <source>Model name</source>
        <translation>모델 이름</translation>
    </message>
    <message>
        <source>Reload the model list</source>
        <translation>모델 목록 새로 고침</translation>
    </message>
    <message>
        <source>Choose a model</source>
        <translation>모델 선택</translation>
    </message>
    <message>
        <source>For people who already run Ollama, LM Studio or llama-server.</source>
        <translation>이미 Ollama, LM Studio 또는 llama-server를 사용하는 분을 위한 옵션입니다.</translation>
    </message>
    <message>
        <source>Use your own model</source>
        <translation>직접 준비한 모델 사용</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>주소</translation>
    </message>
    <message>
        <source>API key</source>
        <translation>API 키</translation>
    </message>
    <message>
        <source>Only if your server asks for one</source>
        <translation>서버에서 요구하는 경우에만</translation>
    </message>
    <message>
        <source>Focused</source>
        <translation>정확하게</translation>
    </message>
    <message>
        <source>Creativity</source>
        <translation>창의성</translation>
    </message>
    <message>
        <source>Loose</source>
        <translation>자유롭게</translation>
    </message>
    <message>
        <source>Lower stays close to the obvious next words. Higher tries more.</source>
        <translation>낮을수록 뻔한 다음 단어에 가깝고, 높을수록 다양하게 시도합니다.</translation>
    </message>
    <message>
        <source>Wait before suggesting</source>
        <translation>제안 전 대기 시간</translation>
    </message>
    <message>
        <source>How long you pause before %app starts.</source>
        <translation>입력을 멈춘 뒤 %app이(가) 시작하기까지의 시간입니다.</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>실행</translation>
    </message>
    <message>
        <source>Try the engine</source>
        <translation>엔진 테스트</translation>
    </message>
    <message>
        <source>Sends a sample sentence and shows what comes back.</source>
        <translation>예문을 보내고 돌아온 결과를 보여 줍니다.</translation>
    </message>
    <message>
        <source>Running…</source>
        <translation>실행 중…</translation>
    </message>
    <message>
        <source>The engine answered in %1 but had nothing useful to add.</source>
        <translation>엔진이 %1 만에 응답했지만 쓸 만한 내용이 없었습니다.</translation>
    </message>
    <message>
        <source>That didn&apos;t work: %1</source>
        <translation>실패했습니다: %1</translation>
    </message>
    <message>
        <source>The request was cancelled.</source>
        <translation>요청이 취소되었습니다.</translation>
    </message>
    <message>
        <source>Startup</source>
        <translation>시작</translation>
    </message>
    <message>
        <source>Launch at login</source>
        <translation>로그인 시 실행</translation>
    </message>
    <message>
        <source>Show today&apos;s word count next to the icon</source>
        <translation>아이콘 옆에 오늘의 단어 수 표시</translation>
    </message>
    <message>
        <source>Where suggestions appear</source>
        <translation>제안이 나타나는 곳</translation>
    </message>
    <message>
        <source>Turn this off to use %app only in the apps you switch on under Apps &amp; Sites.</source>
        <translation>끄면 ‘앱 및 사이트’에서 켠 앱에서만 %app을(를) 사용합니다.</translation>
    </message>
    <message>
        <source>By default %app waits until the caret is at the end of a line.</source>
        <translation>기본적으로 %app은(는) 커서가 줄 끝에 올 때까지 기다립니다.</translation>
    </message>
    <message>
        <source>Without this, %app skips search bars and one-word boxes.</source>
        <translation>이 옵션이 꺼져 있으면 %app은(는) 검색창과 한 단어 입력란을 건너뜁니다.</translation>
    </message>
    <message>
        <source>Suggestions appear only after you press the Suggest Now shortcut.</source>
        <translation>‘지금 제안’ 단축키를 누른 후에만 제안이 나타납니다.</translation>
    </message>
    <message>
        <source>Spelling</source>
        <translation>맞춤법</translation>
    </message>
    <message>
        <source>Waits while the word you&apos;re typing looks misspelled, so %app doesn&apos;t build on a typo.</source>
        <translation>입력 중인 단어의 철자가 틀린 것 같으면 기다려서, %app이(가) 오타를 바탕으로 이어 쓰지 않게 합니다.</translation>
    </message>
    <message>
        <source>After a misspelled word, shows a fix next to the caret. Press Tab to swap it in.</source>
        <translation>철자가 틀린 단어 뒤에 커서 옆으로 수정안을 보여 줍니다. Tab 키를 눌러 바꿉니다.</translation>
    </message>
    <message>
        <source>Look</source>
        <translation>모양</translation>
    </message>
    <message>
        <source>Suggestion color</source>
        <translation>제안 색상</translation>
    </message>
    <message>
        <source>Text size</source>
        <translation>텍스트 크기</translation>
    </message>
    <message>
        <source>Fine-tune if suggestions look larger or smaller than your text.</source>
        <translation>제안이 텍스트보다 크거나 작아 보이면 미세 조정하십시오.</translation>
    </message>
    <message>
        <source>Vertical position</source>
        <translation>세로 위치</translation>
    </message>
    <message>
        <source>Nudge suggestions up or down to line up with your text.</source>
        <translation>제안을 위아래로 조금씩 옮겨 텍스트와 줄을 맞춥니다.</translation>
    </message>
    <message>
        <source>A small keycap after your first suggestions, as a reminder of what to press.</source>
        <translation>처음 몇 번의 제안 뒤에 무엇을 눌러야 하는지 알려 주는 작은 키 모양 표시입니다.</translation>
    </message>
    <message>
        <source>Insert suggestions by</source>
        <translation>제안 삽입 방법</translation>
    </message>
    <message>
        <source>Other autocomplete apps</source>
        <translation>다른 자동 완성 앱</translation>
    </message>
    <message>
        <source>They take the Tab key before %app can. With this off, %app asks you first.</source>
        <translation>이 앱들은 %app보다 먼저 Tab 키를 받습니다. 이 옵션을 끄면 %app이(가) 먼저 물어봅니다.</translation>
    </message>
    <message>
        <source>%1 is another device on your network, so the text around your caret will be sent there.</source>
        <translation>%1은(는) 네트워크의 다른 기기이므로 커서 주변 텍스트가 그곳으로 전송됩니다.</translation>
    </message>
    <message>
        <source>%1 isn&apos;t this computer, so the text around your caret will be sent there.</source>
        <translation>%1은(는) 이 컴퓨터가 아니므로 커서 주변 텍스트가 그곳으로 전송됩니다.</translation>
    </message>
    <message>
        <source>Both keep your text on this computer.</source>
        <translation>둘 다 텍스트를 이 컴퓨터에만 보관합니다.</translation>
    </message>
    <message>
        <source>%app opens by itself when you start your computer.</source>
        <translation>컴퓨터를 시작하면 %app이(가) 자동으로 열립니다.</translation>
    </message>
    <message>
        <source>System predictions</source>
        <translation>시스템 예측</translation>
    </message>
    <message>
        <source>The system can show its own grey predictions. Keeping them off avoids two suggestions at once.</source>
        <translation>시스템에서 자체 회색 예측을 표시할 수 있습니다. 꺼 두면 제안이 두 개씩 나타나지 않습니다.</translation>
    </message>
    <message>
        <source>System predictions are on</source>
        <translation>시스템 예측이 켜져 있습니다</translation>
    </message>
    <message>
        <source>System predictions are off</source>
        <translation>시스템 예측이 꺼져 있습니다</translation>
    </message>
    <message>
        <source>tab</source>
        <translation>tab</translation>
    </message>
    <message>
        <source>Your next words, one Tab away.</source>
        <translation>다음 말은 Tab 한 번이면 됩니다.</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>건너뛰기</translation>
    </message>
    <message>
        <source>Get Started</source>
        <translation>시작하기</translation>
    </message>
    <message>
        <source>Turn sound on</source>
        <translation>소리 켜기</translation>
    </message>
    <message>
        <source>Turn sound off</source>
        <translation>소리 끄기</translation>
    </message>
    <message>
        <source>The other app</source>
        <translation>다른 앱</translation>
    </message>
    <message numerus="yes">
        <source>Next time, quit %1 without asking</source>
        <translation>
            <numerusform>다음부터 묻지 않고 %1 종료</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 is also running</source>
        <translation>
            <numerusform>%1도 실행 중입니다</numerusform>
        </translation>
    </message>
    <message>
        <source>Quitting…</source>
        <translation>종료 중…</translation>
    </message>
    <message numerus="yes">
        <source>%1 is still open</source>
        <translation>
            <numerusform>%1이(가) 아직 열려 있습니다</numerusform>
        </translation>
    </message>
    <message>
        <source>%app has the Tab key</source>
        <translation>이제 %app이(가) Tab 키를 사용합니다</translation>
    </message>
    <message>
        <source>%1 quit, so your suggestions are back in every app.</source>
        <translation>%1이(가) 종료되어 모든 앱에서 다시 제안이 나타납니다.</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>완료</translation>
    </message>
    <message>
        <source>Open Source Notices</source>
        <translation>오픈 소스 라이선스</translation>
    </message>
    <message>
        <source>Reset all settings?</source>
        <translation>모든 설정을 재설정하시겠습니까?</translation>
    </message>
    <message>
        <source>This also clears your rules for apps and sites. Your statistics and writing memory stay.</source>
        <translation>앱 및 사이트 규칙도 지워집니다. 통계와 글쓰기 기억은 유지됩니다.</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>재설정</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>버전 %1</translation>
    </message>
    <message>
        <source>Some apps hide their text</source>
        <translation>일부 앱은 텍스트를 숨깁니다</translation>
    </message>
    <message>
        <source>Suggest emoji after a colon</source>
        <translation>콜론 뒤에 이모지 제안</translation>
    </message>
    <message>
        <source>Turn emoticons into emoji</source>
        <translation>이모티콘을 이모지로 바꾸기</translation>
    </message>
    <message>
        <source>After :-) or &lt;3, %app offers the matching emoji. Press Tab to swap it in.</source>
        <translation>:-) 또는 &lt;3 뒤에 %app이(가) 어울리는 이모지를 제안합니다. Tab 키를 눌러 바꿉니다.</translation>
    </message>
    <message>
        <source>Skin tone</source>
        <translation>피부색</translation>
    </message>
    <message>
        <source>Also show the default yellow</source>
        <translation>기본 노란색도 표시</translation>
    </message>
    <message>
        <source>Try a word</source>
        <translation>단어를 입력해 보십시오</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>약하게</translation>
    </message>
    <message>
        <source>No emoji match “%1”</source>
        <translation>‘%1’과(와) 일치하는 이모지가 없습니다</translation>
    </message>
    <message>
        <source>Accepting</source>
        <translation>수락</translation>
    </message>
    <message>
        <source>Take the next word</source>
        <translation>다음 단어 수락</translation>
    </message>
    <message>
        <source>Press again for each following word.</source>
        <translation>누를 때마다 다음 단어를 수락합니다.</translation>
    </message>
    <message>
        <source>Take the whole suggestion</source>
        <translation>제안 전체 수락</translation>
    </message>
    <message>
        <source>The key above Tab is easy to reach on most keyboards.</source>
        <translation>Tab 위의 키는 대부분의 키보드에서 누르기 쉽습니다.</translation>
    </message>
    <message>
        <source>Include the space after a word</source>
        <translation>단어 뒤의 공백 포함</translation>
    </message>
    <message>
        <source>Include punctuation right after a word</source>
        <translation>단어 바로 뒤의 문장 부호 포함</translation>
    </message>
    <message>
        <source>When you press Escape</source>
        <translation>Esc 키를 누르면</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>단축키</translation>
    </message>
    <message>
        <source>Suggest now</source>
        <translation>지금 제안</translation>
    </message>
    <message>
        <source>Asks for a suggestion right away, even where %app would normally wait.</source>
        <translation>%app이(가) 평소라면 기다리는 상황에서도 즉시 제안을 요청합니다.</translation>
    </message>
    <message>
        <source>Other suggestions</source>
        <translation>다른 제안</translation>
    </message>
    <message>
        <source>Lists a few different ways to continue. Choose with the arrow keys, then press Tab.</source>
        <translation>몇 가지 다른 이어 쓰기를 보여 줍니다. 화살표 키로 고른 다음 Tab 키를 누르십시오.</translation>
    </message>
    <message>
        <source>Pause or resume in this app</source>
        <translation>이 앱에서 일시 정지 또는 재개</translation>
    </message>
    <message>
        <source>Pauses for 15 minutes.</source>
        <translation>15분 동안 일시 정지합니다.</translation>
    </message>
    <message>
        <source>Turn %app on or off</source>
        <translation>%app 켜기 또는 끄기</translation>
    </message>
    <message>
        <source>Everywhere, until you press it again.</source>
        <translation>모든 곳에서, 다시 누를 때까지.</translation>
    </message>
    <message>
        <source>Pause or resume</source>
        <translation>일시 정지 또는 재개</translation>
    </message>
    <message>
        <source>Turn on or off</source>
        <translation>켜기 또는 끄기</translation>
    </message>
    <message>
        <source>%1 and %2 use the same keys. Only the first will work.</source>
        <translation>%1과(와) %2에 같은 키가 지정되어 있습니다. 첫 번째만 작동합니다.</translation>
    </message>
    <message>
        <source>About you</source>
        <translation>나에 대해</translation>
    </message>
    <message>
        <source>For example: I&apos;m a product designer in Berlin. I write short, friendly emails in British English and sign off with Cheers.</source>
        <translation>예: 베를린에서 일하는 프로덕트 디자이너입니다. 영국식 영어로 짧고 친근한 이메일을 쓰고, 끝인사는 Cheers로 합니다.</translation>
    </message>
    <message>
        <source>Your role, the languages you write in, names you use often, how you like to sound.</source>
        <translation>역할, 사용하는 언어, 자주 쓰는 이름, 원하는 말투.</translation>
    </message>
    <message>
        <source>Writing memory</source>
        <translation>글쓰기 기억</translation>
    </message>
    <message>
        <source>Remember how I write</source>
        <translation>내 글쓰기 방식 기억하기</translation>
    </message>
    <message>
        <source>Also remember fields where I accept nothing</source>
        <translation>아무것도 수락하지 않은 입력란도 기억하기</translation>
    </message>
    <message>
        <source>%app learns your style sooner but keeps more of what you type.</source>
        <translation>%app이(가) 문체를 더 빨리 익히지만, 입력한 내용을 더 많이 보관합니다.</translation>
    </message>
    <message>
        <source>Influence</source>
        <translation>영향력</translation>
    </message>
    <message>
        <source>Strong</source>
        <translation>강하게</translation>
    </message>
    <message>
        <source>How many of your passages each suggestion can draw on.</source>
        <translation>각 제안이 참고할 수 있는 구절의 수입니다.</translation>
    </message>
    <message>
        <source>Erase All…</source>
        <translation>모두 지우기…</translation>
    </message>
    <message>
        <source>Erase everything %app remembered?</source>
        <translation>%app이(가) 기억한 내용을 모두 지우시겠습니까?</translation>
    </message>
    <message>
        <source>This can&apos;t be undone.</source>
        <translation>이 작업은 되돌릴 수 없습니다.</translation>
    </message>
    <message>
        <source>Erase All</source>
        <translation>모두 지우기</translation>
    </message>
    <message>
        <source>Nothing remembered yet</source>
        <translation>아직 기억한 내용 없음</translation>
    </message>
    <message>
        <source>App and window name</source>
        <translation>앱 및 창 이름</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>웹사이트</translation>
    </message>
    <message>
        <source>The site&apos;s domain when you write in a browser.</source>
        <translation>브라우저에서 글을 쓸 때의 사이트 도메인입니다.</translation>
    </message>
    <message>
        <source>Recently copied text</source>
        <translation>최근 복사한 텍스트</translation>
    </message>
    <message>
        <source>Anything you copied in the last 10 minutes. Copies from password managers are skipped.</source>
        <translation>최근 10분 동안 복사한 모든 내용입니다. 암호 관리자에서 복사한 내용은 제외됩니다.</translation>
    </message>
    <message>
        <source>Text on screen</source>
        <translation>화면의 텍스트</translation>
    </message>
    <message>
        <source>Reads the window you&apos;re writing in, so replies fit the conversation. It picks the lines closest to where you type.</source>
        <translation>글을 쓰고 있는 창을 읽어 대화에 맞는 답장을 제안합니다. 입력 위치에 가장 가까운 줄을 고릅니다.</translation>
    </message>
    <message>
        <source>What you just looked at</source>
        <translation>방금 본 내용</translation>
    </message>
    <message>
        <source>Windows beside you</source>
        <translation>옆에 있는 창</translation>
    </message>
    <message>
        <source>Also reads up to two other windows on the same screen, like the document you&apos;re replying about. Skips password managers and apps you switched off.</source>
        <translation>같은 화면에 있는 다른 창도 최대 두 개까지 읽습니다(예: 답장하려는 문서). 암호 관리자와 꺼 둔 앱은 건너뜁니다.</translation>
    </message>
    <message>
        <source>Off in this app</source>
        <translation>이 앱에서는 꺼짐</translation>
    </message>
    <message>
        <source>This word looks misspelled</source>
        <translation>이 단어는 철자가 틀린 것 같습니다</translation>
    </message>
    <message>
        <source>Thanks for the notes. I&apos;ll send the revised deck</source>
        <translation>의견 감사합니다. 수정한 발표 자료는</translation>
    </message>
    <message>
        <source> by Friday morning.</source>
        <translation> 금요일 오전까지 보내 드리겠습니다.</translation>
    </message>
    <message>
        <source>%1 quit. %app has the Tab key.</source>
        <translation>%1이(가) 종료되었습니다. 이제 %app이(가) Tab 키를 사용합니다.</translation>
    </message>
    <message>
        <source>Open Data Folder</source>
        <translation>데이터 폴더 열기</translation>
    </message>
    <message>
        <source>Show Welcome Again</source>
        <translation>환영 화면 다시 보기</translation>
    </message>
    <message>
        <source>Play Intro Again</source>
        <translation>소개 다시 재생</translation>
    </message>
    <message>
        <source>Reset Settings…</source>
        <translation>설정 재설정…</translation>
    </message>
    <message>
        <source>Suggest in every app</source>
        <translation>모든 앱에서 제안</translation>
    </message>
    <message>
        <source>Suggest in code editors</source>
        <translation>코드 편집기에서 제안</translation>
    </message>
    <message>
        <source>Suggest in the middle of a line</source>
        <translation>줄 중간에서도 제안</translation>
    </message>
    <message>
        <source>Suggest in small fields</source>
        <translation>작은 입력란에서도 제안</translation>
    </message>
    <message>
        <source>Hold back on misspelled words</source>
        <translation>철자가 틀린 단어에서는 대기</translation>
    </message>
    <message>
        <source>Offer spelling fixes</source>
        <translation>맞춤법 수정 제안</translation>
    </message>
    <message>
        <source>Show the key hint</source>
        <translation>키 힌트 표시</translation>
    </message>
    <message>
        <source>Quit other autocomplete apps when they open</source>
        <translation>다른 자동 완성 앱이 열리면 종료</translation>
    </message>
    <message>
        <source>Keeps a few minutes of text from windows you switched away from, like a page you read before replying. It stays on your computer and skips apps you switched off.</source>
        <translation>다른 창으로 전환하기 전의 텍스트를 몇 분간 보관합니다(예: 답장 전에 읽은 페이지). 이 컴퓨터에만 남으며 꺼 둔 앱은 건너뜁니다.</translation>
    </message>
    <message numerus="yes">
        <source>Both apps answer the Tab key, and the system gives it to %1 first. %app stays paused in your other apps until %1 quits.</source>
        <translation>
            <numerusform>두 앱 모두 Tab 키에 응답하며, 시스템은 Tab 키를 %1에 먼저 전달합니다. %1이(가) 종료될 때까지 %app은(는) 다른 앱에서 일시 정지됩니다.</numerusform>
        </translation>
    </message>
    <message>
        <source>Finishes your sentences in any app, on your computer.</source>
        <translation>어떤 앱에서든 이 컴퓨터에서 문장을 완성해 드립니다.</translation>
    </message>
    <message>
        <source>Keeps short passages from fields where you accepted a suggestion, encrypted on this computer, and shows them to the model as examples.</source>
        <translation>제안을 수락한 입력란의 짧은 구절을 이 컴퓨터에 암호화하여 보관하고, 모델에 예시로 보여 줍니다.</translation>
    </message>
    <message>
        <source>Light</source>
        <comment>skin tone</comment>
        <translation>밝은 톤</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Default</source>
        <comment>skin tone</comment>
        <translation>기본</translation>
    </message>
    <message>
        <source>Medium light</source>
        <comment>skin tone</comment>
        <translation>약간 밝은 톤</translation>
    </message>
    <message>
        <source>Medium</source>
        <comment>skin tone</comment>
        <translation>중간 톤</translation>
    </message>
    <message>
        <source>Medium dark</source>
        <comment>skin tone</comment>
        <translation>약간 어두운 톤</translation>
    </message>
    <message>
        <source>Dark</source>
        <comment>skin tone</comment>
        <translation>어두운 톤</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>알 수 없음</translation>
    </message>
    <message>
        <source>%1 × %2 pt</source>
        <translation>%1 × %2pt</translation>
    </message>
    <message>
        <source>No</source>
        <translation>아니요</translation>
    </message>
    <message>
        <source>Not reported, estimated from the caret</source>
        <translation>보고되지 않음, 커서로 추정</translation>
    </message>
    <message>
        <source>%1 %2 pt</source>
        <translation>%1 %2pt</translation>
    </message>
    <message>
        <source>System</source>
        <translation>시스템</translation>
    </message>
    <message>
        <source>Not yet</source>
        <translation>아직 없음</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>오늘</translation>
    </message>
    <message>
        <source>Last 7 days</source>
        <translation>최근 7일</translation>
    </message>
    <message>
        <source>All time</source>
        <translation>전체 기간</translation>
    </message>
    <message>
        <source>Typing saved</source>
        <translation>절약한 입력 시간</translation>
    </message>
    <message>
        <source>at 40 words a minute</source>
        <translation>분당 40단어 기준</translation>
    </message>
    <message>
        <source>Accepted</source>
        <translation>수락률</translation>
    </message>
    <message>
        <source>of suggestions shown</source>
        <translation>표시된 제안 중</translation>
    </message>
    <message>
        <source>Typical wait</source>
        <translation>보통 대기 시간</translation>
    </message>
    <message>
        <source>9 in 10 under %1</source>
        <translation>10번 중 9번은 %1 미만</translation>
    </message>
    <message>
        <source>no requests yet</source>
        <translation>아직 요청 없음</translation>
    </message>
    <message>
        <source>Words saved</source>
        <translation>절약한 단어 수</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>기간</translation>
    </message>
    <message>
        <source>Nothing to chart yet</source>
        <translation>아직 차트로 표시할 데이터가 없습니다</translation>
    </message>
    <message>
        <source>Accept a few suggestions and your days show up here.</source>
        <translation>제안을 몇 번 수락하면 여기에 날짜별로 표시됩니다.</translation>
    </message>
    <message>
        <source>Where you write</source>
        <translation>글을 쓰는 곳</translation>
    </message>
    <message>
        <source>Reset Statistics…</source>
        <translation>통계 재설정…</translation>
    </message>
    <message>
        <source>Reset all statistics?</source>
        <translation>모든 통계를 재설정하시겠습니까?</translation>
    </message>
    <message>
        <source>This clears words saved, acceptance and timing history.</source>
        <translation>절약한 단어 수, 수락률, 대기 시간 기록이 지워집니다.</translation>
    </message>
    <message>
        <source>Copy Diagnostics</source>
        <translation>진단 정보 복사</translation>
    </message>
    <message>
        <source>Diagnostics leave out the text you typed.</source>
        <translation>진단 정보에는 입력한 텍스트가 포함되지 않습니다.</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>상태</translation>
    </message>
    <message>
        <source>Right now</source>
        <translation>현재</translation>
    </message>
    <message>
        <source>Allowed</source>
        <translation>허용됨</translation>
    </message>
    <message>
        <source>Not allowed</source>
        <translation>허용되지 않음</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>키보드</translation>
    </message>
    <message>
        <source>Listening</source>
        <translation>감지 중</translation>
    </message>
    <message>
        <source>Not listening</source>
        <translation>감지 안 함</translation>
    </message>
    <message>
        <source>Focused field</source>
        <translation>포커스된 입력란</translation>
    </message>
    <message>
        <source>Click into a text field in another app, then come back. The last field %1 saw stays here.</source>
        <translation>다른 앱의 텍스트 입력란을 클릭한 다음 돌아오십시오. %1이(가) 마지막으로 본 입력란이 여기에 남아 있습니다.</translation>
    </message>
    <message>
        <source>App</source>
        <translation>앱</translation>
    </message>
    <message>
        <source>Field type</source>
        <translation>입력란 유형</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>창</translation>
    </message>
    <message>
        <source>Field size</source>
        <translation>입력란 크기</translation>
    </message>
    <message>
        <source>Caret found</source>
        <translation>커서 찾음</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>글꼴</translation>
    </message>
    <message>
        <source>At end of line</source>
        <translation>줄 끝</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>예</translation>
    </message>
    <message>
        <source>Secure input</source>
        <translation>보안 입력</translation>
    </message>
    <message>
        <source>Looked at lately</source>
        <translation>최근에 본 항목</translation>
    </message>
    <message>
        <source>Text before the caret</source>
        <translation>커서 앞 텍스트</translation>
    </message>
    <message>
        <source>Last request</source>
        <translation>마지막 요청</translation>
    </message>
    <message>
        <source>Wait</source>
        <translation>대기 시간</translation>
    </message>
    <message>
        <source>Suggestion</source>
        <translation>제안</translation>
    </message>
    <message>
        <source>Prompt sent to the engine</source>
        <translation>엔진에 보낸 프롬프트</translation>
    </message>
    <message>
        <source>Raw answer</source>
        <translation>원본 응답</translation>
    </message>
    <message>
        <source>(empty)</source>
        <translation>(비어 있음)</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>복사됨</translation>
    </message>
    <message>
        <source>Choose a language</source>
        <translation>언어 선택</translation>
    </message>
    <message>
        <source>Search languages</source>
        <translation>언어 검색</translation>
    </message>
    <message>
        <source>Same as my computer</source>
        <translation>시스템과 동일</translation>
    </message>
    <message>
        <source>Switch to %1?</source>
        <translation>%1(으)로 전환하시겠습니까?</translation>
    </message>
    <message>
        <source>%1 closes and opens again in a second. Your settings stay as they are.</source>
        <translation>%1이(가) 닫혔다가 곧바로 다시 열립니다. 설정은 그대로 유지됩니다.</translation>
    </message>
    <message>
        <source>Reopen Now</source>
        <translation>지금 다시 열기</translation>
    </message>
    <message>
        <source>App language</source>
        <translation>앱 언어</translation>
    </message>
    <message>
        <source>Pick the language you read most easily. Suggestions follow whatever language you type.</source>
        <translation>가장 읽기 편한 언어를 선택하십시오. 제안은 입력하는 언어를 따릅니다.</translation>
    </message>
    <message>
        <source>Change the app language</source>
        <translation>앱 언어 변경</translation>
    </message>
    <message>
        <source>0 min</source>
        <translation>0분</translation>
    </message>
    <message>
        <source>under a minute</source>
        <translation>1분 미만</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1초</translation>
    </message>
    <message>
        <source>Not set</source>
        <translation>설정 안 됨</translation>
    </message>
    <message>
        <source>Clear shortcut</source>
        <translation>단축키 지우기</translation>
    </message>
    <message>
        <source>Add Ctrl, Alt or Super so normal typing still works.</source>
        <translation>일반 입력에 방해가 되지 않도록 Ctrl, Alt 또는 Super를 추가하십시오.</translation>
    </message>
    <message>
        <source>Type a shortcut…</source>
        <translation>단축키 입력…</translation>
    </message>
    <message>
        <source>Recording shortcut</source>
        <translation>단축키 기록 중</translation>
    </message>
    <message>
        <source>Shortcut %1</source>
        <translation>단축키 %1</translation>
    </message>
    <message>
        <source>Record shortcut</source>
        <translation>단축키 기록</translation>
    </message>
    <message>
        <source>Shortcut not set</source>
        <translation>단축키가 설정되지 않음</translation>
    </message>
    <message>
        <source>Press to record a new shortcut. Escape cancels.</source>
        <translation>눌러서 새 단축키를 기록합니다. Esc 키를 누르면 취소됩니다.</translation>
    </message>
    <message>
        <source>Your tray icon is hidden</source>
        <translation>트레이 아이콘이 숨겨져 있습니다</translation>
    </message>
    <message>
        <source>This computer has no on-device language model</source>
        <translation>이 컴퓨터에는 온디바이스 언어 모델이 없습니다</translation>
    </message>
    <message>
        <source>Turn on the on-device model in the desktop&apos;s settings</source>
        <translation>데스크톱 설정에서 온디바이스 모델을 켜십시오</translation>
    </message>
    <message>
        <source>The on-device model is unavailable</source>
        <translation>온디바이스 모델을 사용할 수 없습니다</translation>
    </message>
    <message>
        <source>Downloading. The on-device model fills in until it&apos;s done.</source>
        <translation>다운로드 중입니다. 완료될 때까지 온디바이스 모델이 대신합니다.</translation>
    </message>
    <message>
        <source>The on-device model fills in until you download it.</source>
        <translation>다운로드할 때까지 온디바이스 모델이 대신합니다.</translation>
    </message>
    <message>
        <source>%1 shares no text. Quit it and start it with %2 to get suggestions in it.</source>
        <translation>%1은(는) 텍스트를 공유하지 않습니다. 종료한 후 %2(으)로 시작하면 제안을 받을 수 있습니다.</translation>
    </message>
    <message>
        <source>On-device model</source>
        <translation>온디바이스 모델</translation>
    </message>
    <message>
        <source>The system&apos;s own language model. Nothing to download.</source>
        <translation>시스템에 내장된 언어 모델입니다. 다운로드할 필요가 없습니다.</translation>
    </message>
    <message>
        <source>A website name cannot hold spaces, tabs or line breaks.</source>
        <translation>웹사이트 이름에는 공백, 탭, 줄바꿈을 넣을 수 없습니다.</translation>
    </message>
    <message>
        <source>Only addresses that start with http or https can be added.</source>
        <translation>http 또는 https로 시작하는 주소만 추가할 수 있습니다.</translation>
    </message>
    <message>
        <source>That is not a website name. Type one such as wikipedia.org.</source>
        <translation>웹사이트 이름이 아닙니다. wikipedia.org처럼 입력하십시오.</translation>
    </message>
    <message>
        <source>A port is a number from 1 to 65535.</source>
        <translation>포트는 1부터 65535까지의 숫자입니다.</translation>
    </message>
    <message>
        <source>The on-device model fills in until the download is done.</source>
        <translation>다운로드가 완료될 때까지 온디바이스 모델이 대신합니다.</translation>
    </message>
    <message>
        <source>Suggestions start once the download is done.</source>
        <translation>다운로드가 완료되면 제안이 시작됩니다.</translation>
    </message>
    <message>
        <source>This frees %1. The on-device model fills in until you download it again.</source>
        <translation>%1의 공간이 확보됩니다. 다시 다운로드할 때까지 온디바이스 모델이 대신합니다.</translation>
    </message>
    <message>
        <source>This frees %1. The %app model can&apos;t suggest until you download it again.</source>
        <translation>%1의 공간이 확보됩니다. 다시 다운로드할 때까지 %app 모델은 제안할 수 없습니다.</translation>
    </message>
    <message>
        <source>There&apos;s no room for it, or your panel has no system tray. Add the panel&apos;s system tray or status area applet in its settings.</source>
        <translation>표시할 공간이 없거나 패널에 시스템 트레이가 없습니다. 패널 설정에서 시스템 트레이 또는 상태 영역 애플릿을 추가하십시오.</translation>
    </message>
    <message>
        <source>GNOME shows tray icons only with the AppIndicator extension. Install the gnome-shell-extension-appindicator package, log out and in, then turn it on in Extensions.</source>
        <translation>GNOME은 AppIndicator 확장이 있어야 트레이 아이콘을 표시합니다. gnome-shell-extension-appindicator 패키지를 설치하고 로그아웃했다가 다시 로그인한 뒤, ‘확장’ 앱에서 켜십시오.</translation>
    </message>
    <message>
        <source>GNOME shows tray icons only with the AppIndicator extension. It is installed but off: turn it on in Extensions.</source>
        <translation>GNOME은 AppIndicator 확장이 있어야 트레이 아이콘을 표시합니다. 설치되어 있지만 꺼져 있으니 ‘확장’ 앱에서 켜십시오.</translation>
    </message>
    <message>
        <source>Until then, open %app from your applications menu to reach Settings.</source>
        <translation>그때까지는 응용 프로그램 메뉴에서 %app을(를) 열어 설정에 들어가십시오.</translation>
    </message>
    <message>
        <source>Open Extensions</source>
        <translation>‘확장’ 열기</translation>
    </message>
    <message>
        <source>Show Count in Tray</source>
        <translation>트레이에 개수 표시</translation>
    </message>
    <message>
        <source>%1 shares no text</source>
        <translation>%1은(는) 텍스트를 공유하지 않습니다</translation>
    </message>
    <message>
        <source>Copy command</source>
        <translation>명령어 복사</translation>
    </message>
    <message>
        <source>There&apos;s no account and no analytics. With the %app model or the on-device model, your text stays on this computer.</source>
        <translation>계정도 없고 사용 데이터 수집도 없습니다. %app 모델이나 온디바이스 모델을 사용하면 텍스트는 이 컴퓨터에만 남습니다.</translation>
    </message>
    <message>
        <source>There&apos;s no account and no analytics. With the %app model, your text stays on this computer.</source>
        <translation>계정도 없고 사용 데이터 수집도 없습니다. %app 모델을 사용하면 텍스트는 이 컴퓨터에만 남습니다.</translation>
    </message>
    <message>
        <source>%app lives in your system tray from now on. Click its icon to pause it in an app or open Settings.</source>
        <translation>이제 %app은(는) 시스템 트레이에 있습니다. 아이콘을 클릭하면 앱별로 일시 정지하거나 설정을 열 수 있습니다.</translation>
    </message>
    <message>
        <source>%app has no account, no analytics and no servers of its own. The %app model and the on-device model keep your text on this computer. Other engines get it only if you set one up.</source>
        <translation>%app에는 계정도, 사용 데이터 수집도, 자체 서버도 없습니다. %app 모델과 온디바이스 모델은 텍스트를 이 컴퓨터에만 보관합니다. 다른 엔진은 직접 설정한 경우에만 텍스트를 받습니다.</translation>
    </message>
    <message>
        <source>%app has no account, no analytics and no servers of its own. The %app model keeps your text on this computer. Other engines get it only if you set one up.</source>
        <translation>%app에는 계정도, 사용 데이터 수집도, 자체 서버도 없습니다. %app 모델은 텍스트를 이 컴퓨터에만 보관합니다. 다른 엔진은 직접 설정한 경우에만 텍스트를 받습니다.</translation>
    </message>
    <message>
        <source>Installed applications</source>
        <translation>설치된 응용 프로그램</translation>
    </message>
    <message>
        <source>%app reads these only while making a suggestion and never saves them. With the %app model or the on-device model, nothing leaves your computer.</source>
        <translation>%app은(는) 제안을 만드는 동안에만 이 내용을 읽고 저장하지 않습니다. %app 모델이나 온디바이스 모델을 사용하면 어떤 것도 컴퓨터 밖으로 나가지 않습니다.</translation>
    </message>
    <message>
        <source>%app reads these only while making a suggestion and never saves them. With the %app model, nothing leaves your computer.</source>
        <translation>%app은(는) 제안을 만드는 동안에만 이 내용을 읽고 저장하지 않습니다. %app 모델을 사용하면 어떤 것도 컴퓨터 밖으로 나가지 않습니다.</translation>
    </message>
    <message>
        <source>The %app model keeps your text on this computer.</source>
        <translation>%app 모델은 텍스트를 이 컴퓨터에만 보관합니다.</translation>
    </message>
    <message>
        <source>The key holds a line break or another control character. Paste it again without them.</source>
        <translation>키에 줄바꿈이나 다른 제어 문자가 있습니다. 이를 제외하고 다시 붙여넣으십시오.</translation>
    </message>
    <message>
        <source>Waiting for the keyring to store the key.</source>
        <translation>키링에 키가 저장되기를 기다리는 중입니다.</translation>
    </message>
    <message>
        <source>The keyring cannot keep this key, so it is used only until %app quits.</source>
        <translation>키링에 이 키를 보관할 수 없어 %app을(를) 종료할 때까지만 사용됩니다.</translation>
    </message>
    <message>
        <source>Show in the system tray</source>
        <translation>시스템 트레이에 표시</translation>
    </message>
    <message>
        <source>Pause or open Settings from the system tray. Hidden? Open %app from your applications menu to come back.</source>
        <translation>시스템 트레이에서 일시 정지하거나 설정을 열 수 있습니다. 아이콘이 보이지 않으면 응용 프로그램 메뉴에서 %app을(를) 열어 돌아오십시오.</translation>
    </message>
    <message>
        <source>This tray can&apos;t show text beside icons, so the count shows in the icon&apos;s tooltip.</source>
        <translation>이 트레이는 아이콘 옆에 텍스트를 표시할 수 없어 개수를 아이콘의 도구 설명에 표시합니다.</translation>
    </message>
    <message>
        <source>VS Code, VSCodium, Cursor, Zed, Kate, Sublime Text, JetBrains IDEs and similar apps.</source>
        <translation>VS Code, VSCodium, Cursor, Zed, Kate, Sublime Text, JetBrains IDE 및 유사한 앱.</translation>
    </message>
    <message>
        <source>Your settings could not be read, so they were set aside and %app started over with its defaults.</source>
        <translation>설정을 읽을 수 없어 따로 보관했습니다. %app은(는) 기본 설정으로 돌아갔습니다.</translation>
    </message>
    <message>
        <source>Your settings are not saved: %app cannot write to its settings folder.</source>
        <translation>설정이 저장되지 않습니다. %app이(가) 설정 폴더에 쓸 수 없습니다.</translation>
    </message>
    <message>
        <source>Your app and website rules could not be read, so they were set aside.</source>
        <translation>앱 및 웹사이트 규칙을 읽을 수 없어 따로 보관했습니다.</translation>
    </message>
    <message>
        <source>Your statistics could not be read, so they were set aside and counting started over.</source>
        <translation>통계를 읽을 수 없어 따로 보관하고 집계를 처음부터 다시 시작했습니다.</translation>
    </message>
    <message>
        <source>Not saved: %app cannot write to its data folder.</source>
        <translation>저장되지 않음: %app이(가) 데이터 폴더에 쓸 수 없습니다.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln suggestions. %1 selected</source>
        <translation>
            <numerusform>제안 %Ln개. %1 선택됨</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln min</source>
        <translation>
            <numerusform>%Ln분</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln words</source>
        <translation>
            <numerusform>%Ln단어</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln passages from here</source>
        <translation>
            <numerusform>이곳의 구절 %Ln개</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>words</source>
        <comment>unit after a count</comment>
        <translation>
            <numerusform>단어</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln days</source>
        <translation>
            <numerusform>%Ln일</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Words saved per day over the last %Ln days</source>
        <translation>
            <numerusform>최근 %Ln일 동안 하루에 절약한 단어 수</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln day streak</source>
        <translation>
            <numerusform>%Ln일 연속</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln passages remembered</source>
        <translation>
            <numerusform>구절 %Ln개 기억됨</numerusform>
        </translation>
    </message>
    <message>
        <source>enter</source>
        <translation>enter</translation>
    </message>
    <message>
        <source>Allow screen capture so %app can read those too. Most apps work without it.</source>
        <translation>화면 캡처를 허용하면 %app이(가) 이런 앱도 읽을 수 있습니다. 대부분의 앱은 없어도 작동합니다.</translation>
    </message>
    <message>
        <source>Type a colon and a word, like :rocket, then press Tab or Enter to pick.</source>
        <translation>콜론과 단어(예: :rocket)를 입력한 후 Tab 또는 Enter를 눌러 선택합니다.</translation>
    </message>
    <message>
        <source>You can switch memory off for single apps under Apps &amp; Sites. The key that unlocks it lives in your keyring.</source>
        <translation>‘앱 및 사이트’에서 앱별로 기억을 끌 수 있습니다. 기억을 여는 키는 키링에 보관됩니다.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln emoji. %1 selected</source>
        <translation>
            <numerusform>이모지 %Ln개. %1 선택됨</numerusform>
        </translation>
    </message>
    <message>
        <source>Suggestion: %1</source>
        <translation>제안: %1</translation>
    </message>
    <message numerus="yes">
        <source>%Ln models available</source>
        <translation>
            <numerusform>사용 가능한 모델 %Ln개</numerusform>
        </translation>
    </message>
    <message>
        <source>The model couldn&apos;t be saved: %1</source>
        <translation>모델을 저장할 수 없습니다: %1</translation>
    </message>
    <message>
        <source>Ollama isn&apos;t running.</source>
        <translation>Ollama가 실행되고 있지 않습니다.</translation>
    </message>
    <message>
        <source>Ollama isn&apos;t running at %1.</source>
        <translation>%1에서 Ollama가 실행되고 있지 않습니다.</translation>
    </message>
    <message>
        <source>No server answered.</source>
        <translation>응답한 서버가 없습니다.</translation>
    </message>
    <message>
        <source>No server answered at %1.</source>
        <translation>%1에서 응답한 서버가 없습니다.</translation>
    </message>
    <message>
        <source>Range: %1</source>
        <translation>기간: %1</translation>
    </message>
    <message numerus="yes">
        <source>%1, %Ln to do</source>
        <translation>
            <numerusform>%1, %Ln개 남음</numerusform>
        </translation>
    </message>
    <message>
        <source>Type the whole name of the website, such as wikipedia.org.</source>
        <translation>wikipedia.org처럼 웹사이트 이름 전체를 입력하십시오.</translation>
    </message>
    <message>
        <source>The key holds a space, an invisible character or a letter outside plain ASCII. Paste it again exactly as your server gave it.</source>
        <translation>키에 공백, 보이지 않는 문자 또는 일반 ASCII가 아닌 문자가 있습니다. 서버가 준 그대로 다시 붙여넣으십시오.</translation>
    </message>
    <message>
        <source>The keyring could not be read, so your server is asked without an API key. Type the key again if your server needs one.</source>
        <translation>키링을 읽을 수 없어 API 키 없이 서버에 요청합니다. 서버에 키가 필요하면 다시 입력하십시오.</translation>
    </message>
    <message>
        <source>Your writing memory could not be opened, so it was set aside and %app started a new one.</source>
        <translation>글쓰기 기억을 열 수 없어 따로 보관하고 %app이(가) 새 기억을 시작했습니다.</translation>
    </message>
    <message>
        <source>%1, converted for llama.cpp by %2</source>
        <translation>%1, %2에서 llama.cpp용으로 변환</translation>
    </message>
    <message>
        <source>The data folder %1 could not be made. Check that the folder above it exists and that you may write there.</source>
        <translation>데이터 폴더 %1을(를) 만들 수 없습니다. 상위 폴더가 있는지, 그리고 그곳에 쓸 수 있는지 확인하십시오.</translation>
    </message>
    <message>
        <source>party</source>
        <comment>emoji search sample</comment>
        <translation>파티</translation>
    </message>
    <message numerus="yes">
        <source>%Ln settings held values %app cannot use, so they were corrected and saved.</source>
        <translation>
            <numerusform>%app에서 쓸 수 없는 값이 들어 있던 설정 %Ln개를 바로잡아 저장했습니다.</numerusform>
        </translation>
    </message>
    <message>
        <source>Your writing memory is not saved: the keyring is missing or locked, so its key cannot be kept.</source>
        <translation>글쓰기 기억이 저장되지 않습니다. 키링이 없거나 잠겨 있어 키를 보관할 수 없습니다.</translation>
    </message>
    <message>
        <source>That address isn&apos;t valid</source>
        <translation>주소가 올바르지 않습니다</translation>
    </message>
    <message>
        <source>The request timed out.</source>
        <translation>요청 시간이 초과되었습니다.</translation>
    </message>
    <message>
        <source>The server&apos;s reply was too long, so it was stopped.</source>
        <translation>서버 응답이 너무 길어서 중단했습니다.</translation>
    </message>
    <message>
        <source>The server answered %1.</source>
        <translation>서버가 %1(으)로 응답했습니다.</translation>
    </message>
    <message>
        <source>The server answered %1: %2</source>
        <translation>서버가 %1(으)로 응답했습니다: %2</translation>
    </message>
    <message>
        <source>The download server answered %1. Try again later.</source>
        <translation>다운로드 서버가 %1(으)로 응답했습니다. 나중에 다시 시도하십시오.</translation>
    </message>
    <message>
        <source>The download couldn&apos;t be saved: %1</source>
        <translation>다운로드를 저장할 수 없습니다: %1</translation>
    </message>
    <message>
        <source>The download paused because the connection dropped. Try again to pick up where it stopped.</source>
        <translation>연결이 끊어져 다운로드가 일시 정지되었습니다. 다시 시도하면 멈춘 곳부터 이어서 받습니다.</translation>
    </message>
    <message>
        <source>The download stopped. Check your connection, then try again.</source>
        <translation>다운로드가 중단되었습니다. 연결을 확인한 다음 다시 시도하십시오.</translation>
    </message>
    <message>
        <source>Pick an Ollama model in Settings</source>
        <translation>설정에서 Ollama 모델을 선택하십시오</translation>
    </message>
    <message>
        <source>Pick a model for your local server</source>
        <translation>로컬 서버에 사용할 모델을 선택하십시오</translation>
    </message>
    <message>
        <source>The server&apos;s answer is not HTTP.</source>
        <translation>서버 응답이 HTTP가 아닙니다.</translation>
    </message>
    <message>
        <source>The data couldn&apos;t be read because it is missing.</source>
        <translation>데이터가 없어서 읽을 수 없습니다.</translation>
    </message>
    <message>
        <source>The data couldn&apos;t be read because it isn&apos;t in the correct format.</source>
        <translation>데이터 형식이 올바르지 않아 읽을 수 없습니다.</translation>
    </message>
    <message>
        <source>:%1:</source>
        <comment>emoji name</comment>
        <translation>:%1:</translation>
    </message>
    <message>
        <source>This computer has no on-device language model.</source>
        <translation>이 컴퓨터에는 온디바이스 언어 모델이 없습니다.</translation>
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
        <translation>%1에서 일시 정지됨</translation>
    </message>
    <message>
        <source>Paused in %1</source>
        <translation>%1에서 일시 정지됨</translation>
    </message>
    <message>
        <source>Off on %1</source>
        <translation>%1에서 꺼짐</translation>
    </message>
    <message>
        <source>Off in %1</source>
        <translation>%1에서 꺼짐</translation>
    </message>
    <message>
        <source>Off in %1 by default</source>
        <translation>%1에서 기본적으로 꺼짐</translation>
    </message>
    <message>
        <source>Off in code editors</source>
        <translation>코드 편집기에서 꺼짐</translation>
    </message>
    <message>
        <source>Off unless turned on per app</source>
        <translation>앱별로 켜지 않으면 꺼짐</translation>
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
        <translation>Space</translation>
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
        <translation>키 %1</translation>
    </message>
    <message>
        <source>An email reply reads differently from a commit message.</source>
        <translation>이메일 답장은 커밋 메시지와 다르게 쓰입니다.</translation>
    </message>
    <message>
        <source>Writes straight into the field. Cleanest in GTK and Qt apps.</source>
        <translation>입력란에 바로 씁니다. GTK 및 Qt 앱에서 가장 깔끔합니다.</translation>
    </message>
    <message>
        <source>Typing</source>
        <comment>insertion method</comment>
        <translation>키 입력</translation>
    </message>
    <message>
        <source>%1 h</source>
        <comment>hours with one decimal, such as 1.5</comment>
        <translation>%1시간</translation>
    </message>
    <message numerus="yes">
        <source>%Ln h</source>
        <translation>
            <numerusform>%Ln시간</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln ms</source>
        <translation>
            <numerusform>%Lnms</numerusform>
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
            <numerusform>오늘 %Ln단어 절약</numerusform>
        </translation>
    </message>
    <message>
        <source>Under a minute of typing saved today.</source>
        <translation>오늘 1분 미만의 입력을 절약했습니다.</translation>
    </message>
    <message>
        <source>About %1 of typing saved today.</source>
        <translation>오늘 약 %1의 입력을 절약했습니다.</translation>
    </message>
    <message numerus="yes">
        <source>Step %1 of %Ln</source>
        <translation>
            <numerusform>%1/%Ln단계</numerusform>
        </translation>
    </message>
    <message>
        <source>%app reads and types into text fields through the desktop&apos;s accessibility support, which some desktops leave off. %app uses it only for the field you&apos;re writing in.</source>
        <translation>%app은(는) 데스크톱의 접근성 지원을 통해 텍스트 입력란의 내용을 읽고 글자를 입력합니다. 일부 데스크톱에서는 이 기능이 꺼져 있습니다. %app은(는) 지금 쓰고 있는 입력란에만 이 기능을 사용합니다.</translation>
    </message>
    <message>
        <source>The button switches the desktop&apos;s accessibility support on. If the desktop&apos;s settings open instead, turn accessibility on there, then come back. This page updates by itself.</source>
        <translation>이 버튼은 데스크톱의 접근성 지원을 켭니다. 대신 데스크톱 설정이 열리면 그곳에서 접근성을 켠 다음 돌아오십시오. 이 페이지는 자동으로 업데이트됩니다.</translation>
    </message>
    <message>
        <source>Still off? Some desktops start their accessibility service only when you log in. Log out and back in, then try again.</source>
        <translation>아직 꺼져 있습니까? 일부 데스크톱은 로그인할 때만 접근성 서비스를 시작합니다. 로그아웃했다가 다시 로그인한 다음 다시 시도하십시오.</translation>
    </message>
    <message>
        <source>Pause</source>
        <comment>section header</comment>
        <translation>일시 정지</translation>
    </message>
    <message>
        <source>Pause</source>
        <comment>button</comment>
        <translation>일시 정지</translation>
    </message>
    <message>
        <source>typing</source>
        <comment>insertion method, in a sentence</comment>
        <translation>키 입력</translation>
    </message>
    <message>
        <source>accessibility</source>
        <comment>insertion method, in a sentence</comment>
        <translation>접근성</translation>
    </message>
    <message>
        <source>paste</source>
        <comment>insertion method, in a sentence</comment>
        <translation>붙여넣기</translation>
    </message>
    <message>
        <source>short</source>
        <comment>suggestion length, in a sentence</comment>
        <translation>짧은</translation>
    </message>
    <message>
        <source>medium</source>
        <comment>suggestion length, in a sentence</comment>
        <translation>보통 길이의</translation>
    </message>
    <message>
        <source>long</source>
        <comment>suggestion length, in a sentence</comment>
        <translation>긴</translation>
    </message>
    <message>
        <source>Default follows General: %1, %2 suggestions.</source>
        <translation>기본값은 일반 설정을 따릅니다: %1, %2 제안.</translation>
    </message>
    <message>
        <source>Yes, at %1, %2 on screen, %3 pt tall, %4 and %5</source>
        <translation>예, 화면의 %1, %2 위치, 높이 %3pt, %4, %5</translation>
    </message>
    <message numerus="yes">
        <source>%Ln characters before it</source>
        <translation>
            <numerusform>앞에 %Ln자</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln after</source>
        <comment>characters after the caret</comment>
        <translation>
            <numerusform>뒤에 %Ln자</numerusform>
        </translation>
    </message>
    <message>
        <source>No system tray runs on this desktop, so the icon cannot show. %1</source>
        <translation>이 데스크톱에서 실행 중인 시스템 트레이가 없어 아이콘을 표시할 수 없습니다. %1</translation>
    </message>
    <message>
        <source>Typing</source>
        <comment>section header</comment>
        <translation>키 입력</translation>
    </message>
    <message>
        <source>Switch to the computer&apos;s language?</source>
        <translation>컴퓨터 언어로 전환하시겠습니까?</translation>
    </message>
    <message numerus="yes">
        <source>%Ln words this week.</source>
        <translation>
            <numerusform>이번 주에는 %Ln단어를 절약했습니다.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Under a minute of typing saved today. %Ln words this week.</source>
        <translation>
            <numerusform>오늘 1분 미만의 입력을 절약했습니다. 이번 주에는 %Ln단어를 절약했습니다.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>About %1 of typing saved today. %Ln words this week.</source>
        <translation>
            <numerusform>오늘 약 %1의 입력을 절약했습니다. 이번 주에는 %Ln단어를 절약했습니다.</numerusform>
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
            <numerusform>%Ln/%1 완료</numerusform>
        </translation>
    </message>
    <message>
        <source>The server refused the connection. Check that it is running and that the address is right.</source>
        <translation>서버가 연결을 거부했습니다. 서버가 실행 중인지, 주소가 올바른지 확인하십시오.</translation>
    </message>
    <message>
        <source>The server&apos;s name couldn&apos;t be found. Check the address.</source>
        <translation>서버 이름을 찾을 수 없습니다. 주소를 확인하십시오.</translation>
    </message>
    <message>
        <source>A secure connection to the server couldn&apos;t be made.</source>
        <translation>서버와 보안 연결을 맺을 수 없습니다.</translation>
    </message>
    <message>
        <source>The server closed the connection before it answered.</source>
        <translation>서버가 응답하기 전에 연결을 끊었습니다.</translation>
    </message>
    <message>
        <source>The network proxy couldn&apos;t be reached.</source>
        <translation>네트워크 프록시에 연결할 수 없습니다.</translation>
    </message>
    <message>
        <source>The server couldn&apos;t be reached.</source>
        <translation>서버에 연결할 수 없습니다.</translation>
    </message>
    <message>
        <source>Waiting for the network…</source>
        <translation>네트워크를 기다리는 중…</translation>
    </message>
    <message>
        <source>%1 is taken by another program.</source>
        <translation>%1은(는) 다른 프로그램이 사용하고 있습니다.</translation>
    </message>
    <message>
        <source>%1 could not open again. Your choice takes effect the next time you start it.</source>
        <translation>%1을(를) 다시 열 수 없습니다. 선택한 내용은 다음에 시작할 때 적용됩니다.</translation>
    </message>
    <message>
        <source>Downloading the model</source>
        <translation>모델 다운로드 중</translation>
    </message>
    <message numerus="yes">
        <source>These apps answer the Tab key before %app can, so %app stays paused in your other apps until they quit.</source>
        <translation>
            <numerusform>이 앱들이 %app보다 먼저 Tab 키를 받기 때문에, 앱들이 종료될 때까지 %app은(는) 다른 앱에서 일시 정지됩니다.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>It may be waiting on a dialog of its own. Force Quit closes it right away.</source>
        <translation>
            <numerusform>자체 대화 상자를 띄운 채 기다리고 있을 수 있습니다. 강제 종료하면 즉시 닫힙니다.</numerusform>
        </translation>
    </message>
    <message>
        <source>Set a Suggest Now shortcut in Keys to ask for suggestions</source>
        <translation>제안을 요청하려면 ‘키’에서 ‘지금 제안’ 단축키를 지정하십시오</translation>
    </message>
    <message>
        <source>Backspace</source>
        <comment>key above Enter that deletes backwards</comment>
        <translation>Backspace</translation>
    </message>
    <message>
        <source>0 words saved today</source>
        <translation>오늘 0단어 절약</translation>
    </message>
    <message>
        <source>words saved today</source>
        <comment>beside the count 0</comment>
        <translation>단어 절약 (오늘)</translation>
    </message>
    <message>
        <source>Quit the other app</source>
        <translation>다른 앱 종료</translation>
    </message>
    <message>
        <source>None yet</source>
        <comment>no app looked at yet</comment>
        <translation>아직 없음</translation>
    </message>
    <message>
        <source>None yet</source>
        <comment>no suggestion shown yet</comment>
        <translation>아직 없음</translation>
    </message>
    <message>
        <source>The other app is also running</source>
        <translation>다른 앱도 실행 중입니다</translation>
    </message>
    <message>
        <source>Both apps answer the Tab key, and the system gives it to the other app first. %app stays paused in your other apps until the other app quits.</source>
        <translation>두 앱 모두 Tab 키에 응답하며, 시스템은 Tab 키를 다른 앱에 먼저 전달합니다. 그 앱이 종료될 때까지 %app은(는) 다른 앱에서 일시 정지됩니다.</translation>
    </message>
    <message>
        <source>The other app is still open</source>
        <translation>다른 앱이 아직 열려 있습니다</translation>
    </message>
    <message>
        <source>The other app quit, so your suggestions are back in every app.</source>
        <translation>다른 앱이 종료되어 모든 앱에서 다시 제안이 나타납니다.</translation>
    </message>
    <message>
        <source>The other app quit. %app has the Tab key.</source>
        <translation>다른 앱이 종료되었습니다. 이제 %app이(가) Tab 키를 사용합니다.</translation>
    </message>
</context>
</TS>
