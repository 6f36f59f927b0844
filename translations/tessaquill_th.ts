<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="th" sourcelanguage="en">
<context>
    <name>Tessaquill</name>
    <message>
        <source>Accessibility is on. %app is ready in your other apps.</source>
        <translation>การช่วยการเข้าถึงเปิดอยู่ %app พร้อมใช้งานในแอปอื่นๆ ของคุณแล้ว</translation>
    </message>
    <message>
        <source>Paused while %1 is open</source>
        <translation>หยุดชั่วคราวขณะที่ %1 เปิดอยู่</translation>
    </message>
    <message>
        <source>Welcome to %app</source>
        <translation>ยินดีต้อนรับสู่ %app</translation>
    </message>
    <message>
        <source>%app</source>
        <translation>%app</translation>
    </message>
    <message>
        <source>Another autocomplete app is running</source>
        <translation>มีแอปเติมข้อความอัตโนมัติอื่นทำงานอยู่</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>พร้อม</translation>
    </message>
    <message>
        <source>Waiting for a pause</source>
        <translation>กำลังรอให้คุณหยุดพิมพ์</translation>
    </message>
    <message>
        <source>Thinking</source>
        <translation>กำลังคิด</translation>
    </message>
    <message>
        <source>Showing a suggestion</source>
        <translation>กำลังแสดงคำแนะนำ</translation>
    </message>
    <message>
        <source>The model took too long to answer</source>
        <translation>โมเดลใช้เวลาตอบนานเกินไป</translation>
    </message>
    <message>
        <source>This app doesn&apos;t report where the caret is</source>
        <translation>แอปนี้ไม่รายงานตำแหน่งเคอร์เซอร์</translation>
    </message>
    <message>
        <source>%app is turned off</source>
        <translation>%app ปิดอยู่</translation>
    </message>
    <message>
        <source>Secure input is on, so %app stays out</source>
        <translation>การป้อนข้อมูลแบบปลอดภัยเปิดอยู่ %app จึงไม่เข้าไปยุ่ง</translation>
    </message>
    <message>
        <source>Press %1 for a suggestion</source>
        <translation>กด %1 เพื่อรับคำแนะนำ</translation>
    </message>
    <message>
        <source>Text is selected</source>
        <translation>มีข้อความถูกเลือกอยู่</translation>
    </message>
    <message>
        <source>The caret is inside existing text</source>
        <translation>เคอร์เซอร์อยู่กลางข้อความที่มีอยู่</translation>
    </message>
    <message>
        <source>This field is too small</source>
        <translation>ช่องข้อความนี้เล็กเกินไป</translation>
    </message>
    <message>
        <source>Waiting for a few characters</source>
        <translation>กำลังรออักขระอีกสักสองสามตัว</translation>
    </message>
    <message>
        <source>Start of a new line</source>
        <translation>ต้นบรรทัดใหม่</translation>
    </message>
    <message>
        <source>The model is still downloading</source>
        <translation>โมเดลยังดาวน์โหลดอยู่</translation>
    </message>
    <message>
        <source>Download the %app model in Settings first</source>
        <translation>ดาวน์โหลดโมเดล %app ในการตั้งค่าก่อน</translation>
    </message>
    <message>
        <source>Not checked yet</source>
        <translation>ยังไม่ได้ตรวจสอบ</translation>
    </message>
    <message>
        <source>Checking…</source>
        <translation>กำลังตรวจสอบ…</translation>
    </message>
    <message>
        <source>The model stopped with error %1</source>
        <translation>โมเดลหยุดทำงานด้วยข้อผิดพลาด %1</translation>
    </message>
    <message>
        <source>The model file couldn&apos;t be loaded</source>
        <translation>โหลดไฟล์โมเดลไม่ได้</translation>
    </message>
    <message>
        <source>There wasn&apos;t enough memory to start the model</source>
        <translation>หน่วยความจำไม่พอที่จะเริ่มโมเดล</translation>
    </message>
    <message>
        <source>The text couldn&apos;t be prepared for the model</source>
        <translation>เตรียมข้อความสำหรับโมเดลไม่ได้</translation>
    </message>
    <message>
        <source>This computer needs %1 free for the download. Free up some space, then try again.</source>
        <translation>คอมพิวเตอร์เครื่องนี้ต้องมีพื้นที่ว่าง %1 สำหรับการดาวน์โหลด เพิ่มพื้นที่ว่างแล้วลองอีกครั้ง</translation>
    </message>
    <message>
        <source>The download didn&apos;t match the expected file, so it was deleted. Try again.</source>
        <translation>ไฟล์ที่ดาวน์โหลดไม่ตรงกับไฟล์ที่คาดไว้ จึงถูกลบแล้ว ลองอีกครั้ง</translation>
    </message>
    <message>
        <source>Downloaded</source>
        <translation>ดาวน์โหลดแล้ว</translation>
    </message>
    <message>
        <source>Downloading. Suggestions start once it&apos;s done.</source>
        <translation>กำลังดาวน์โหลด คำแนะนำจะเริ่มเมื่อเสร็จ</translation>
    </message>
    <message>
        <source>Checking the download.</source>
        <translation>กำลังตรวจสอบไฟล์ที่ดาวน์โหลด</translation>
    </message>
    <message>
        <source>Checking the download. Suggestions start once it&apos;s done.</source>
        <translation>กำลังตรวจสอบไฟล์ที่ดาวน์โหลด คำแนะนำจะเริ่มเมื่อเสร็จ</translation>
    </message>
    <message>
        <source>Download the model to start</source>
        <translation>ดาวน์โหลดโมเดลเพื่อเริ่มต้น</translation>
    </message>
    <message>
        <source>Ollama is running but has no models</source>
        <translation>Ollama ทำงานอยู่แต่ไม่มีโมเดล</translation>
    </message>
    <message>
        <source>Another app</source>
        <translation>แอปอื่น</translation>
    </message>
    <message>
        <source>There is no D-Bus session bus, so %1 cannot reach text fields.</source>
        <translation>ไม่มีบัสเซสชัน D-Bus %1 จึงเข้าถึงช่องข้อความไม่ได้</translation>
    </message>
    <message>
        <source>The desktop&apos;s accessibility bus is not running, so %1 cannot reach text fields.</source>
        <translation>บัสการช่วยการเข้าถึงของเดสก์ท็อปไม่ได้ทำงาน %1 จึงเข้าถึงช่องข้อความไม่ได้</translation>
    </message>
    <message>
        <source>Short</source>
        <translation>สั้น</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>ปานกลาง</translation>
    </message>
    <message>
        <source>Long</source>
        <translation>ยาว</translation>
    </message>
    <message>
        <source>Hide the suggestion</source>
        <translation>ซ่อนคำแนะนำ</translation>
    </message>
    <message>
        <source>Hide suggestions until I change fields</source>
        <translation>ซ่อนคำแนะนำจนกว่าฉันจะเปลี่ยนช่อง</translation>
    </message>
    <message>
        <source>Do nothing, send Escape to the app</source>
        <translation>ไม่ทำอะไร ส่ง Esc ให้แอป</translation>
    </message>
    <message>
        <source>Type it</source>
        <translation>พิมพ์</translation>
    </message>
    <message>
        <source>Insert through Accessibility</source>
        <translation>แทรกผ่านการช่วยการเข้าถึง</translation>
    </message>
    <message>
        <source>Paste it</source>
        <translation>วาง</translation>
    </message>
    <message>
        <source>Grey</source>
        <translation>เทา</translation>
    </message>
    <message>
        <source>Gold tint</source>
        <translation>โทนทอง</translation>
    </message>
    <message>
        <source>%app model</source>
        <translation>โมเดล %app</translation>
    </message>
    <message>
        <source>Ollama</source>
        <translation>Ollama</translation>
    </message>
    <message>
        <source>Local server</source>
        <translation>เซิร์ฟเวอร์ในเครื่อง</translation>
    </message>
    <message>
        <source>Runs on this computer after a one-time download. Works offline.</source>
        <translation>ทำงานบนคอมพิวเตอร์เครื่องนี้หลังดาวน์โหลดครั้งเดียว ใช้งานออฟไลน์ได้</translation>
    </message>
    <message>
        <source>Any model you run in Ollama, base models included.</source>
        <translation>โมเดลใดก็ได้ที่คุณรันใน Ollama รวมถึงโมเดลพื้นฐาน</translation>
    </message>
    <message>
        <source>LM Studio, llama-server or any OpenAI-compatible endpoint.</source>
        <translation>LM Studio, llama-server หรือปลายทางใดๆ ที่รองรับ OpenAI</translation>
    </message>
    <message>
        <source>Sends the text as keystrokes. Works almost everywhere.</source>
        <translation>ส่งข้อความเป็นการกดแป้นพิมพ์ ใช้ได้เกือบทุกที่</translation>
    </message>
    <message>
        <source>Uses the clipboard, then puts your clipboard back.</source>
        <translation>ใช้คลิปบอร์ด แล้วคืนค่าคลิปบอร์ดของคุณกลับ</translation>
    </message>
    <message>
        <source>Accessibility</source>
        <translation>การช่วยการเข้าถึง</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>วาง</translation>
    </message>
    <message>
        <source>Your writing memory could not be opened and was set aside. Nothing new is remembered until %app starts again.</source>
        <translation>เปิดความจำการเขียนของคุณไม่ได้ จึงแยกเก็บไว้ต่างหาก จะไม่มีการจำสิ่งใหม่จนกว่า %app จะเริ่มใหม่</translation>
    </message>
    <message>
        <source>Your writing memory could not be opened because its key could not be read from the keyring. Nothing new is remembered until %app starts again.</source>
        <translation>เปิดความจำการเขียนของคุณไม่ได้ เพราะอ่านคีย์จากพวงกุญแจไม่ได้ จะไม่มีการจำสิ่งใหม่จนกว่า %app จะเริ่มใหม่</translation>
    </message>
    <message>
        <source>Not Now</source>
        <translation>ไม่ใช่ตอนนี้</translation>
    </message>
    <message>
        <source>Open the desktop&apos;s settings</source>
        <translation>เปิดการตั้งค่าเดสก์ท็อป</translation>
    </message>
    <message>
        <source>Don&apos;t remind me again</source>
        <translation>ไม่ต้องเตือนอีก</translation>
    </message>
    <message>
        <source>Open Playground</source>
        <translation>เปิดช่องฝึกพิมพ์</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>การตั้งค่า</translation>
    </message>
    <message>
        <source>Quit %app</source>
        <translation>ออกจาก %app</translation>
    </message>
    <message>
        <source>Needs Accessibility access</source>
        <translation>ต้องการสิทธิ์การช่วยการเข้าถึง</translation>
    </message>
    <message>
        <source>Paused until you resume</source>
        <translation>หยุดชั่วคราวจนกว่าคุณจะทำต่อ</translation>
    </message>
    <message>
        <source>Paused until %1</source>
        <translation>หยุดชั่วคราวจนถึง %1</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>ปิด</translation>
    </message>
    <message numerus="yes">
        <source>Paused while %1 are open</source>
        <translation>
            <numerusform>หยุดชั่วคราวขณะที่ %1 เปิดอยู่</numerusform>
        </translation>
    </message>
    <message>
        <source>Grant Accessibility Access…</source>
        <translation>ให้สิทธิ์การช่วยการเข้าถึง…</translation>
    </message>
    <message numerus="yes">
        <source>Force Quit %1</source>
        <translation>
            <numerusform>บังคับออกจาก %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Quit %1</source>
        <translation>
            <numerusform>ออกจาก %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>words saved today</source>
        <translation>
            <numerusform>คำที่ประหยัดได้วันนี้</numerusform>
        </translation>
    </message>
    <message>
        <source>Start typing anywhere. %app keeps count here.</source>
        <translation>เริ่มพิมพ์ที่ไหนก็ได้ %app จะนับไว้ที่นี่</translation>
    </message>
    <message>
        <source>Resume in %1</source>
        <translation>ทำต่อใน %1</translation>
    </message>
    <message>
        <source>Pause in %1</source>
        <translation>หยุดชั่วคราวใน %1</translation>
    </message>
    <message>
        <source>Resume Everywhere</source>
        <translation>ทำต่อทุกที่</translation>
    </message>
    <message>
        <source>Pause Everywhere</source>
        <translation>หยุดชั่วคราวทุกที่</translation>
    </message>
    <message>
        <source>For 15 Minutes</source>
        <translation>15 นาที</translation>
    </message>
    <message>
        <source>For 1 Hour</source>
        <translation>1 ชั่วโมง</translation>
    </message>
    <message>
        <source>For 4 Hours</source>
        <translation>4 ชั่วโมง</translation>
    </message>
    <message>
        <source>Until I Resume</source>
        <translation>จนกว่าฉันจะทำต่อ</translation>
    </message>
    <message>
        <source>Example: after typing %1, %2 suggests %3</source>
        <translation>ตัวอย่าง: หลังพิมพ์ %1 แล้ว %2 จะแนะนำ %3</translation>
    </message>
    <message>
        <source>takes the next word</source>
        <translation>รับคำถัดไป</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>ดาวน์โหลด</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>ยกเลิก</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 จาก %2</translation>
    </message>
    <message>
        <source>%1 of %2. You can keep writing while it downloads.</source>
        <translation>%1 จาก %2 คุณเขียนต่อได้ระหว่างดาวน์โหลด</translation>
    </message>
    <message>
        <source>Checking the download</source>
        <translation>กำลังตรวจสอบไฟล์ที่ดาวน์โหลด</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>ลองอีกครั้ง</translation>
    </message>
    <message>
        <source>Remove…</source>
        <translation>เอาออก…</translation>
    </message>
    <message>
        <source>%1 license</source>
        <translation>สัญญาอนุญาต %1</translation>
    </message>
    <message>
        <source>Remove the %app model?</source>
        <translation>เอาโมเดล %app ออกหรือไม่?</translation>
    </message>
    <message>
        <source>Model download</source>
        <translation>ดาวน์โหลดโมเดล</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>เอาออก</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>ดำเนินการต่อ</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>ภายหลัง</translation>
    </message>
    <message>
        <source>Start Writing</source>
        <translation>เริ่มเขียน</translation>
    </message>
    <message>
        <source>Finish your sentences in any app.</source>
        <translation>เขียนประโยคของคุณให้จบได้ในทุกแอป</translation>
    </message>
    <message>
        <source>%app reads the words before your caret and suggests what comes next in grey. Press Tab to take one word, or the key above Tab to take the rest. If you don&apos;t want it, keep typing.</source>
        <translation>%app อ่านคำก่อนเคอร์เซอร์และแนะนำสิ่งที่จะตามมาเป็นสีเทา กด Tab เพื่อรับหนึ่งคำ หรือกดปุ่มที่อยู่เหนือ Tab เพื่อรับส่วนที่เหลือทั้งหมด ถ้าไม่ต้องการ ก็พิมพ์ต่อไปได้เลย</translation>
    </message>
    <message>
        <source>Sees what you see</source>
        <translation>เห็นสิ่งที่คุณเห็น</translation>
    </message>
    <message>
        <source>Private</source>
        <translation>เป็นส่วนตัว</translation>
    </message>
    <message>
        <source>It reads the window you&apos;re typing in, like the chat you&apos;re answering, so suggestions fit. None of it goes online, to us or any server. It stays private on your computer.</source>
        <translation>แอปจะอ่านหน้าต่างที่คุณกำลังพิมพ์ เช่น แชตที่คุณกำลังตอบ เพื่อให้คำแนะนำเข้ากับบริบท ไม่มีสิ่งใดถูกส่งออนไลน์ ไม่ว่าจะถึงเราหรือเซิร์ฟเวอร์ใด ทุกอย่างเป็นส่วนตัวอยู่บนคอมพิวเตอร์ของคุณ</translation>
    </message>
    <message>
        <source>Accessibility is on</source>
        <translation>การช่วยการเข้าถึงเปิดอยู่</translation>
    </message>
    <message>
        <source>%app can now read the field you&apos;re writing in and type suggestions for you.</source>
        <translation>ตอนนี้ %app อ่านช่องที่คุณกำลังเขียนและพิมพ์คำแนะนำให้คุณได้แล้ว</translation>
    </message>
    <message>
        <source>Let %app see what you type.</source>
        <translation>อนุญาตให้ %app เห็นสิ่งที่คุณพิมพ์</translation>
    </message>
    <message>
        <source>%app reads your text when you pause and forgets it after one suggestion, unless you turn on writing memory.</source>
        <translation>%app อ่านข้อความเมื่อคุณหยุดพิมพ์ และลืมหลังให้คำแนะนำหนึ่งครั้ง เว้นแต่คุณจะเปิดความจำการเขียน</translation>
    </message>
    <message>
        <source>%app skips password fields and anything else the system marks as secure.</source>
        <translation>%app ข้ามช่องรหัสผ่านและทุกอย่างที่ระบบระบุว่าปลอดภัย</translation>
    </message>
    <message>
        <source>Open Accessibility Settings</source>
        <translation>เปิดการตั้งค่าการช่วยการเข้าถึง</translation>
    </message>
    <message>
        <source>Pick what writes your suggestions.</source>
        <translation>เลือกเอนจินที่จะสร้างคำแนะนำให้คุณ</translation>
    </message>
    <message>
        <source>You can change this any time in Settings.</source>
        <translation>คุณเปลี่ยนได้ทุกเมื่อในการตั้งค่า</translation>
    </message>
    <message>
        <source>Give it a try.</source>
        <translation>ลองใช้ดู</translation>
    </message>
    <message>
        <source>Start typing a sentence. When grey words appear, press Tab for one word or the key above Tab for all of them.</source>
        <translation>เริ่มพิมพ์ประโยค เมื่อคำสีเทาปรากฏ ให้กด Tab เพื่อรับหนึ่งคำ หรือกดปุ่มที่อยู่เหนือ Tab เพื่อรับทั้งหมด</translation>
    </message>
    <message>
        <source>Hi Orlenn, thanks for the quick reply. I think we should</source>
        <translation>สวัสดี Orlenn ขอบคุณที่ตอบกลับเร็วนะ ฉันคิดว่าเราควร</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>ย้อนกลับ</translation>
    </message>
    <message>
        <source>Practice field</source>
        <translation>ช่องฝึกพิมพ์</translation>
    </message>
    <message>
        <source>Default, on</source>
        <translation>ค่าเริ่มต้น เปิด</translation>
    </message>
    <message>
        <source>Default, off</source>
        <translation>ค่าเริ่มต้น ปิด</translation>
    </message>
    <message>
        <source>Add a website</source>
        <translation>เพิ่มเว็บไซต์</translation>
    </message>
    <message>
        <source>Domain</source>
        <translation>โดเมน</translation>
    </message>
    <message>
        <source>Rules for a site apply in any browser %app can read.</source>
        <translation>กฎสำหรับเว็บไซต์ใช้กับทุกเบราว์เซอร์ที่ %app อ่านได้</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>เพิ่ม</translation>
    </message>
    <message>
        <source>Add App…</source>
        <translation>เพิ่มแอป…</translation>
    </message>
    <message>
        <source>Add an app</source>
        <translation>เพิ่มแอป</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>ค้นหา</translation>
    </message>
    <message>
        <source>Clear search</source>
        <translation>ล้างการค้นหา</translation>
    </message>
    <message>
        <source>Add an app or website</source>
        <translation>เพิ่มแอปหรือเว็บไซต์</translation>
    </message>
    <message>
        <source>Add Website…</source>
        <translation>เพิ่มเว็บไซต์…</translation>
    </message>
    <message>
        <source>Apps &amp; Sites</source>
        <translation>แอปและเว็บไซต์</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>หยุดชั่วคราวอยู่</translation>
    </message>
    <message>
        <source>Apps</source>
        <translation>แอป</translation>
    </message>
    <message>
        <source>Websites</source>
        <translation>เว็บไซต์</translation>
    </message>
    <message>
        <source>No matches</source>
        <translation>ไม่พบรายการที่ตรงกัน</translation>
    </message>
    <message>
        <source>No apps yet</source>
        <translation>ยังไม่มีแอป</translation>
    </message>
    <message>
        <source>Nothing matches “%1”.</source>
        <translation>ไม่มีรายการที่ตรงกับ “%1”</translation>
    </message>
    <message>
        <source>Apps appear here once you accept a suggestion in them, or add one with +.</source>
        <translation>แอปจะปรากฏที่นี่เมื่อคุณยอมรับคำแนะนำในแอปนั้น หรือเพิ่มเองด้วยปุ่ม +</translation>
    </message>
    <message>
        <source>Pick an app or site</source>
        <translation>เลือกแอปหรือเว็บไซต์</translation>
    </message>
    <message>
        <source>Each one can have its own rules. Anything you don&apos;t change follows General.</source>
        <translation>แต่ละรายการมีกฎของตัวเองได้ สิ่งที่คุณไม่เปลี่ยนจะเป็นไปตามหมวดทั่วไป</translation>
    </message>
    <message>
        <source>Words saved here</source>
        <translation>คำที่ประหยัดได้ที่นี่</translation>
    </message>
    <message>
        <source>Suggestions</source>
        <translation>คำแนะนำ</translation>
    </message>
    <message>
        <source>On</source>
        <translation>เปิด</translation>
    </message>
    <message>
        <source>Tab accepts suggestions</source>
        <translation>ใช้ Tab ยอมรับคำแนะนำ</translation>
    </message>
    <message>
        <source>Turn off where Tab already means something, like indenting. The other accept key still works.</source>
        <translation>ปิดในที่ที่ Tab มีหน้าที่อื่นอยู่แล้ว เช่น การย่อหน้า ปุ่มยอมรับอีกปุ่มยังใช้ได้</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>ค่าเริ่มต้น</translation>
    </message>
    <message>
        <source>Insert by</source>
        <translation>แทรกโดย</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>ความยาว</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>ทำต่อ</translation>
    </message>
    <message>
        <source>Pause here</source>
        <translation>หยุดชั่วคราวที่นี่</translation>
    </message>
    <message>
        <source>Memory</source>
        <translation>ความจำ</translation>
    </message>
    <message>
        <source>Remember my writing here</source>
        <translation>จำการเขียนของฉันที่นี่</translation>
    </message>
    <message>
        <source>Writing memory is off in Your Voice.</source>
        <translation>ความจำการเขียนปิดอยู่ใน “สไตล์ของคุณ”</translation>
    </message>
    <message>
        <source>Erase…</source>
        <translation>ลบ…</translation>
    </message>
    <message>
        <source>Reset to Defaults</source>
        <translation>รีเซ็ตเป็นค่าเริ่มต้น</translation>
    </message>
    <message>
        <source>Erase what %app remembered from %1?</source>
        <translation>ลบสิ่งที่ %app จำไว้จาก %1 หรือไม่?</translation>
    </message>
    <message>
        <source>Erase</source>
        <translation>ลบ</translation>
    </message>
    <message>
        <source>Passages from this app can shape suggestions everywhere.</source>
        <translation>ท่อนข้อความจากแอปนี้อาจมีผลต่อคำแนะนำในทุกที่</translation>
    </message>
    <message>
        <source>Finish setting up</source>
        <translation>ตั้งค่าให้เสร็จ</translation>
    </message>
    <message>
        <source>Setup progress</source>
        <translation>ความคืบหน้าการตั้งค่า</translation>
    </message>
    <message>
        <source>Done: %1</source>
        <translation>เสร็จแล้ว: %1</translation>
    </message>
    <message>
        <source>Best day yet!</source>
        <translation>วันที่ดีที่สุดเท่าที่เคยมี!</translation>
    </message>
    <message>
        <source>Try it here</source>
        <translation>ลองที่นี่</translation>
    </message>
    <message>
        <source>Thanks for sending the draft over. I had a look and</source>
        <translation>ขอบคุณที่ส่งฉบับร่างมานะ ฉันดูแล้วและ</translation>
    </message>
    <message>
        <source>next word</source>
        <translation>คำถัดไป</translation>
    </message>
    <message>
        <source>whole suggestion</source>
        <translation>คำแนะนำทั้งหมด</translation>
    </message>
    <message>
        <source>hide it</source>
        <translation>ซ่อน</translation>
    </message>
    <message>
        <source>This field runs the real engine. Start typing and grey words show up as you go.</source>
        <translation>ช่องนี้ใช้เอนจินจริง เริ่มพิมพ์แล้วคำสีเทาจะปรากฏขึ้นตามไป</translation>
    </message>
    <message>
        <source>This field runs the real engine, even before you allow Accessibility. Start typing and grey words show up as you go.</source>
        <translation>ช่องนี้ใช้เอนจินจริง แม้ก่อนที่คุณจะอนุญาตการช่วยการเข้าถึง เริ่มพิมพ์แล้วคำสีเทาจะปรากฏขึ้นตามไป</translation>
    </message>
    <message>
        <source>You&apos;re all set</source>
        <translation>พร้อมแล้ว</translation>
    </message>
    <message>
        <source>Accessibility is on and %1 is ready. %app works in every app you type in.</source>
        <translation>การช่วยการเข้าถึงเปิดอยู่และ %1 พร้อมแล้ว %app ทำงานในทุกแอปที่คุณพิมพ์</translation>
    </message>
    <message>
        <source>Waiting for %1 to quit</source>
        <translation>กำลังรอให้ %1 ปิด</translation>
    </message>
    <message>
        <source>Turned off</source>
        <translation>ปิดอยู่</translation>
    </message>
    <message>
        <source>Paused everywhere</source>
        <translation>หยุดชั่วคราวทุกที่</translation>
    </message>
    <message>
        <source>%1, %2 typical wait</source>
        <translation>%1 รอโดยทั่วไป %2</translation>
    </message>
    <message>
        <source>Start your streak today.</source>
        <translation>เริ่มสถิติต่อเนื่องของคุณวันนี้</translation>
    </message>
    <message>
        <source>Overview</source>
        <translation>ภาพรวม</translation>
    </message>
    <message>
        <source>General</source>
        <translation>ทั่วไป</translation>
    </message>
    <message>
        <source>Engine</source>
        <translation>เอนจิน</translation>
    </message>
    <message>
        <source>Context</source>
        <translation>บริบท</translation>
    </message>
    <message>
        <source>Your Voice</source>
        <translation>สไตล์ของคุณ</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>ปุ่ม</translation>
    </message>
    <message>
        <source>Emoji</source>
        <translation>อีโมจิ</translation>
    </message>
    <message>
        <source>Battery</source>
        <translation>แบตเตอรี่</translation>
    </message>
    <message>
        <source>Insights</source>
        <translation>สถิติ</translation>
    </message>
    <message>
        <source>Field Inspector</source>
        <translation>ตัวตรวจช่องข้อความ</translation>
    </message>
    <message>
        <source>About</source>
        <translation>เกี่ยวกับ</translation>
    </message>
    <message>
        <source>How %app is doing today</source>
        <translation>%app เป็นอย่างไรบ้างวันนี้</translation>
    </message>
    <message>
        <source>Where and how suggestions appear</source>
        <translation>คำแนะนำปรากฏที่ไหนและอย่างไร</translation>
    </message>
    <message>
        <source>The model that writes your suggestions</source>
        <translation>โมเดลที่สร้างคำแนะนำให้คุณ</translation>
    </message>
    <message>
        <source>What %app may look at to guess better</source>
        <translation>สิ่งที่ %app ดูได้เพื่อคาดเดาให้ดีขึ้น</translation>
    </message>
    <message>
        <source>Help suggestions sound like you</source>
        <translation>ช่วยให้คำแนะนำฟังดูเหมือนคุณ</translation>
    </message>
    <message>
        <source>Accept, dismiss and summon suggestions</source>
        <translation>ยอมรับ ปิด และเรียกคำแนะนำ</translation>
    </message>
    <message>
        <source>Emoji search and emoticons</source>
        <translation>ค้นหาอีโมจิและอีโมติคอน</translation>
    </message>
    <message>
        <source>Rules for each app and website</source>
        <translation>กฎสำหรับแต่ละแอปและเว็บไซต์</translation>
    </message>
    <message>
        <source>Save power when you&apos;re unplugged</source>
        <translation>ประหยัดพลังงานเมื่อไม่ได้เสียบปลั๊ก</translation>
    </message>
    <message>
        <source>Words saved and how fast suggestions arrive</source>
        <translation>คำที่ประหยัดได้และความเร็วของคำแนะนำ</translation>
    </message>
    <message>
        <source>What %app sees in the focused field</source>
        <translation>สิ่งที่ %app เห็นในช่องที่โฟกัสอยู่</translation>
    </message>
    <message>
        <source>Version and privacy</source>
        <translation>เวอร์ชันและความเป็นส่วนตัว</translation>
    </message>
    <message>
        <source>Writing</source>
        <translation>การเขียน</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>การป้อนข้อมูล</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>กฎ</translation>
    </message>
    <message>
        <source>Activity</source>
        <translation>กิจกรรม</translation>
    </message>
    <message>
        <source>%app can read the field you&apos;re typing in and insert suggestions in any app.</source>
        <translation>%app อ่านช่องที่คุณกำลังพิมพ์และแทรกคำแนะนำในแอปใดก็ได้</translation>
    </message>
    <message>
        <source>Allow Accessibility access</source>
        <translation>ให้สิทธิ์การช่วยการเข้าถึง</translation>
    </message>
    <message>
        <source>%app needs it to read the text you type in other apps and to insert suggestions.</source>
        <translation>%app ต้องใช้สิทธิ์นี้เพื่ออ่านข้อความที่คุณพิมพ์ในแอปอื่นและแทรกคำแนะนำ</translation>
    </message>
    <message>
        <source>Allow…</source>
        <translation>อนุญาต…</translation>
    </message>
    <message>
        <source>%1 is ready</source>
        <translation>%1 พร้อมแล้ว</translation>
    </message>
    <message>
        <source>Checking %1</source>
        <translation>กำลังตรวจสอบ %1</translation>
    </message>
    <message>
        <source>This takes a moment.</source>
        <translation>อาจใช้เวลาสักครู่</translation>
    </message>
    <message>
        <source>Your engine isn&apos;t ready</source>
        <translation>เอนจินของคุณยังไม่พร้อม</translation>
    </message>
    <message>
        <source>Open Engine</source>
        <translation>เปิดการตั้งค่าเอนจิน</translation>
    </message>
    <message>
        <source>The system&apos;s predictions are off</source>
        <translation>การคาดเดาของระบบปิดอยู่</translation>
    </message>
    <message>
        <source>Only %app&apos;s suggestions appear while you type.</source>
        <translation>ขณะที่คุณพิมพ์ จะมีเพียงคำแนะนำของ %app ที่ปรากฏ</translation>
    </message>
    <message>
        <source>Turn off the system&apos;s predictions</source>
        <translation>ปิดการคาดเดาของระบบ</translation>
    </message>
    <message>
        <source>The system shows its own grey suggestions on top of %app&apos;s. Each app picks up the change the next time you open it.</source>
        <translation>ระบบแสดงคำแนะนำสีเทาของตัวเองซ้อนทับคำแนะนำของ %app แต่ละแอปจะรับการเปลี่ยนแปลงเมื่อคุณเปิดครั้งถัดไป</translation>
    </message>
    <message>
        <source>Keyboard Settings</source>
        <translation>การตั้งค่าแป้นพิมพ์</translation>
    </message>
    <message>
        <source>Turn Off</source>
        <translation>ปิด</translation>
    </message>
    <message>
        <source>Only %app is suggesting</source>
        <translation>มีเพียง %app ที่ให้คำแนะนำ</translation>
    </message>
    <message>
        <source>Tab reaches %app again.</source>
        <translation>ปุ่ม Tab กลับมาเป็นของ %app แล้ว</translation>
    </message>
    <message numerus="yes">
        <source>%1 didn&apos;t quit. They may be showing a dialog. Force Quit closes them right away.</source>
        <translation>
            <numerusform>%1 ไม่ได้ปิด อาจกำลังแสดงกล่องโต้ตอบอยู่ “บังคับออก” จะปิดแอปทันที</numerusform>
        </translation>
    </message>
    <message>
        <source>Force Quit</source>
        <translation>บังคับออก</translation>
    </message>
    <message numerus="yes">
        <source>%1 take the Tab key before %app can, so %app stays paused in your other apps until you quit them.</source>
        <translation>
            <numerusform>%1 รับปุ่ม Tab ก่อน %app ดังนั้น %app จะหยุดชั่วคราวในแอปอื่นๆ ของคุณจนกว่าคุณจะปิดแอปดังกล่าว</numerusform>
        </translation>
    </message>
    <message>
        <source>Only when I ask</source>
        <translation>เฉพาะเมื่อฉันขอ</translation>
    </message>
    <message>
        <source>On battery, suggestions appear only after you press the Suggest Now shortcut.</source>
        <translation>เมื่อใช้แบตเตอรี่ คำแนะนำจะปรากฏหลังจากคุณกดปุ่มลัด “แนะนำเดี๋ยวนี้” เท่านั้น</translation>
    </message>
    <message>
        <source>Shorter suggestions</source>
        <translation>คำแนะนำที่สั้นลง</translation>
    </message>
    <message>
        <source>Fewer words take less power to write.</source>
        <translation>คำน้อยลงใช้พลังงานในการสร้างน้อยลง</translation>
    </message>
    <message>
        <source>Lighter model</source>
        <translation>โมเดลที่เบากว่า</translation>
    </message>
    <message>
        <source>Same as plugged in</source>
        <translation>เหมือนตอนเสียบปลั๊ก</translation>
    </message>
    <message>
        <source>Running on battery. These apply right now.</source>
        <translation>กำลังใช้แบตเตอรี่ การตั้งค่าเหล่านี้มีผลทันที</translation>
    </message>
    <message>
        <source>Plugged in. These wait until you unplug.</source>
        <translation>เสียบปลั๊กอยู่ การตั้งค่าเหล่านี้จะมีผลเมื่อคุณถอดปลั๊ก</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>โมเดล</translation>
    </message>
    <message>
        <source>Model name</source>
        <translation>ชื่อโมเดล</translation>
    </message>
    <message>
        <source>Reload the model list</source>
        <translation>รีเฟรชรายการโมเดล</translation>
    </message>
    <message>
        <source>Choose a model</source>
        <translation>เลือกโมเดล</translation>
    </message>
    <message>
        <source>For people who already run Ollama, LM Studio or llama-server.</source>
        <translation>สำหรับผู้ที่ใช้ Ollama, LM Studio หรือ llama-server อยู่แล้ว</translation>
    </message>
    <message>
        <source>Use your own model</source>
        <translation>ใช้โมเดลของคุณเอง</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>ที่อยู่</translation>
    </message>
    <message>
        <source>API key</source>
        <translation>คีย์ API</translation>
    </message>
    <message>
        <source>Only if your server asks for one</source>
        <translation>เฉพาะเมื่อเซิร์ฟเวอร์ของคุณขอ</translation>
    </message>
    <message>
        <source>Focused</source>
        <translation>แม่นยำ</translation>
    </message>
    <message>
        <source>Creativity</source>
        <translation>ความสร้างสรรค์</translation>
    </message>
    <message>
        <source>Loose</source>
        <translation>อิสระ</translation>
    </message>
    <message>
        <source>Lower stays close to the obvious next words. Higher tries more.</source>
        <translation>ค่าต่ำจะใกล้เคียงคำถัดไปที่ชัดเจน ค่าสูงจะลองมากขึ้น</translation>
    </message>
    <message>
        <source>Wait before suggesting</source>
        <translation>รอก่อนแนะนำ</translation>
    </message>
    <message>
        <source>How long you pause before %app starts.</source>
        <translation>คุณหยุดพิมพ์นานเท่าใดก่อนที่ %app จะเริ่ม</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>เรียกใช้</translation>
    </message>
    <message>
        <source>Try the engine</source>
        <translation>ทดลองเอนจิน</translation>
    </message>
    <message>
        <source>Sends a sample sentence and shows what comes back.</source>
        <translation>ส่งประโยคตัวอย่างและแสดงผลที่ได้กลับมา</translation>
    </message>
    <message>
        <source>Running…</source>
        <translation>กำลังทำงาน…</translation>
    </message>
    <message>
        <source>The engine answered in %1 but had nothing useful to add.</source>
        <translation>เอนจินตอบกลับใน %1 แต่ไม่มีอะไรที่เป็นประโยชน์เพิ่มเติม</translation>
    </message>
    <message>
        <source>That didn&apos;t work: %1</source>
        <translation>ไม่สำเร็จ: %1</translation>
    </message>
    <message>
        <source>The request was cancelled.</source>
        <translation>ยกเลิกคำขอแล้ว</translation>
    </message>
    <message>
        <source>Startup</source>
        <translation>การเริ่มต้น</translation>
    </message>
    <message>
        <source>Launch at login</source>
        <translation>เปิดเมื่อเข้าสู่ระบบ</translation>
    </message>
    <message>
        <source>Show today&apos;s word count next to the icon</source>
        <translation>แสดงจำนวนคำของวันนี้ข้างไอคอน</translation>
    </message>
    <message>
        <source>Where suggestions appear</source>
        <translation>ตำแหน่งที่คำแนะนำปรากฏ</translation>
    </message>
    <message>
        <source>Turn this off to use %app only in the apps you switch on under Apps &amp; Sites.</source>
        <translation>ปิดตัวเลือกนี้เพื่อใช้ %app เฉพาะในแอปที่คุณเปิดไว้ใน “แอปและเว็บไซต์”</translation>
    </message>
    <message>
        <source>By default %app waits until the caret is at the end of a line.</source>
        <translation>โดยค่าเริ่มต้น %app จะรอจนกว่าเคอร์เซอร์จะอยู่ท้ายบรรทัด</translation>
    </message>
    <message>
        <source>Without this, %app skips search bars and one-word boxes.</source>
        <translation>ถ้าไม่เปิด %app จะข้ามแถบค้นหาและช่องที่รับคำเดียว</translation>
    </message>
    <message>
        <source>Suggestions appear only after you press the Suggest Now shortcut.</source>
        <translation>คำแนะนำจะปรากฏหลังจากคุณกดปุ่มลัด “แนะนำเดี๋ยวนี้” เท่านั้น</translation>
    </message>
    <message>
        <source>Spelling</source>
        <translation>การสะกดคำ</translation>
    </message>
    <message>
        <source>Waits while the word you&apos;re typing looks misspelled, so %app doesn&apos;t build on a typo.</source>
        <translation>รอเมื่อคำที่คุณกำลังพิมพ์ดูเหมือนสะกดผิด เพื่อให้ %app ไม่ต่อยอดจากคำที่พิมพ์ผิด</translation>
    </message>
    <message>
        <source>After a misspelled word, shows a fix next to the caret. Press Tab to swap it in.</source>
        <translation>หลังคำที่สะกดผิด จะแสดงคำที่แก้ไขข้างเคอร์เซอร์ กด Tab เพื่อแทนที่</translation>
    </message>
    <message>
        <source>Look</source>
        <translation>รูปลักษณ์</translation>
    </message>
    <message>
        <source>Suggestion color</source>
        <translation>สีของคำแนะนำ</translation>
    </message>
    <message>
        <source>Text size</source>
        <translation>ขนาดข้อความ</translation>
    </message>
    <message>
        <source>Fine-tune if suggestions look larger or smaller than your text.</source>
        <translation>ปรับละเอียดหากคำแนะนำดูใหญ่หรือเล็กกว่าข้อความของคุณ</translation>
    </message>
    <message>
        <source>Vertical position</source>
        <translation>ตำแหน่งแนวตั้ง</translation>
    </message>
    <message>
        <source>Nudge suggestions up or down to line up with your text.</source>
        <translation>ขยับคำแนะนำขึ้นหรือลงให้ตรงแนวกับข้อความของคุณ</translation>
    </message>
    <message>
        <source>A small keycap after your first suggestions, as a reminder of what to press.</source>
        <translation>ปุ่มเล็กๆ หลังคำแนะนำแรกๆ เพื่อเตือนว่าต้องกดปุ่มใด</translation>
    </message>
    <message>
        <source>Insert suggestions by</source>
        <translation>แทรกคำแนะนำโดย</translation>
    </message>
    <message>
        <source>Other autocomplete apps</source>
        <translation>แอปเติมข้อความอัตโนมัติอื่นๆ</translation>
    </message>
    <message>
        <source>They take the Tab key before %app can. With this off, %app asks you first.</source>
        <translation>แอปเหล่านี้รับปุ่ม Tab ก่อน %app ถ้าปิดตัวเลือกนี้ %app จะถามคุณก่อน</translation>
    </message>
    <message>
        <source>%1 is another device on your network, so the text around your caret will be sent there.</source>
        <translation>%1 เป็นอุปกรณ์อื่นในเครือข่ายของคุณ ข้อความรอบเคอร์เซอร์จึงจะถูกส่งไปที่นั่น</translation>
    </message>
    <message>
        <source>%1 isn&apos;t this computer, so the text around your caret will be sent there.</source>
        <translation>%1 ไม่ใช่คอมพิวเตอร์เครื่องนี้ ข้อความรอบเคอร์เซอร์จึงจะถูกส่งไปที่นั่น</translation>
    </message>
    <message>
        <source>Both keep your text on this computer.</source>
        <translation>ทั้งสองเก็บข้อความของคุณไว้บนคอมพิวเตอร์เครื่องนี้</translation>
    </message>
    <message>
        <source>%app opens by itself when you start your computer.</source>
        <translation>%app จะเปิดเองเมื่อคุณเปิดคอมพิวเตอร์</translation>
    </message>
    <message>
        <source>System predictions</source>
        <translation>การคาดเดาของระบบ</translation>
    </message>
    <message>
        <source>The system can show its own grey predictions. Keeping them off avoids two suggestions at once.</source>
        <translation>ระบบอาจแสดงการคาดเดาสีเทาของตัวเอง การปิดไว้ช่วยไม่ให้มีคำแนะนำสองชุดพร้อมกัน</translation>
    </message>
    <message>
        <source>System predictions are on</source>
        <translation>การคาดเดาของระบบเปิดอยู่</translation>
    </message>
    <message>
        <source>System predictions are off</source>
        <translation>การคาดเดาของระบบปิดอยู่</translation>
    </message>
    <message>
        <source>tab</source>
        <translation>tab</translation>
    </message>
    <message>
        <source>Your next words, one Tab away.</source>
        <translation>คำถัดไปของคุณ ห่างแค่ปุ่ม Tab เดียว</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>ข้าม</translation>
    </message>
    <message>
        <source>Get Started</source>
        <translation>เริ่มต้นใช้งาน</translation>
    </message>
    <message>
        <source>Turn sound on</source>
        <translation>เปิดเสียง</translation>
    </message>
    <message>
        <source>Turn sound off</source>
        <translation>ปิดเสียง</translation>
    </message>
    <message>
        <source>The other app</source>
        <translation>แอปอีกตัว</translation>
    </message>
    <message numerus="yes">
        <source>Next time, quit %1 without asking</source>
        <translation>
            <numerusform>ครั้งหน้า ให้ปิด %1 โดยไม่ต้องถาม</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 is also running</source>
        <translation>
            <numerusform>%1 ทำงานอยู่ด้วย</numerusform>
        </translation>
    </message>
    <message>
        <source>Quitting…</source>
        <translation>กำลังปิด…</translation>
    </message>
    <message numerus="yes">
        <source>%1 is still open</source>
        <translation>
            <numerusform>%1 ยังเปิดอยู่</numerusform>
        </translation>
    </message>
    <message>
        <source>%app has the Tab key</source>
        <translation>ปุ่ม Tab เป็นของ %app แล้ว</translation>
    </message>
    <message>
        <source>%1 quit, so your suggestions are back in every app.</source>
        <translation>%1 ปิดแล้ว คำแนะนำกลับมาในทุกแอปแล้ว</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>เสร็จ</translation>
    </message>
    <message>
        <source>Open Source Notices</source>
        <translation>สัญญาอนุญาตโอเพนซอร์ส</translation>
    </message>
    <message>
        <source>Reset all settings?</source>
        <translation>รีเซ็ตการตั้งค่าทั้งหมดหรือไม่?</translation>
    </message>
    <message>
        <source>This also clears your rules for apps and sites. Your statistics and writing memory stay.</source>
        <translation>การดำเนินการนี้จะล้างกฎสำหรับแอปและเว็บไซต์ด้วย สถิติและความจำการเขียนจะยังอยู่</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>รีเซ็ต</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>เวอร์ชัน %1</translation>
    </message>
    <message>
        <source>Some apps hide their text</source>
        <translation>บางแอปซ่อนข้อความของตน</translation>
    </message>
    <message>
        <source>Suggest emoji after a colon</source>
        <translation>แนะนำอีโมจิหลังเครื่องหมายทวิภาค</translation>
    </message>
    <message>
        <source>Turn emoticons into emoji</source>
        <translation>เปลี่ยนอีโมติคอนเป็นอีโมจิ</translation>
    </message>
    <message>
        <source>After :-) or &lt;3, %app offers the matching emoji. Press Tab to swap it in.</source>
        <translation>หลัง :-) หรือ &lt;3 %app จะเสนออีโมจิที่ตรงกัน กด Tab เพื่อแทนที่</translation>
    </message>
    <message>
        <source>Skin tone</source>
        <translation>สีผิว</translation>
    </message>
    <message>
        <source>Also show the default yellow</source>
        <translation>แสดงสีเหลืองเริ่มต้นด้วย</translation>
    </message>
    <message>
        <source>Try a word</source>
        <translation>ลองพิมพ์คำ</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>เบา</translation>
    </message>
    <message>
        <source>No emoji match “%1”</source>
        <translation>ไม่มีอีโมจิที่ตรงกับ “%1”</translation>
    </message>
    <message>
        <source>Accepting</source>
        <translation>การยอมรับ</translation>
    </message>
    <message>
        <source>Take the next word</source>
        <translation>รับคำถัดไป</translation>
    </message>
    <message>
        <source>Press again for each following word.</source>
        <translation>กดอีกครั้งเพื่อรับคำถัดๆ ไป</translation>
    </message>
    <message>
        <source>Take the whole suggestion</source>
        <translation>รับคำแนะนำทั้งหมด</translation>
    </message>
    <message>
        <source>The key above Tab is easy to reach on most keyboards.</source>
        <translation>ปุ่มที่อยู่เหนือ Tab กดได้ง่ายบนแป้นพิมพ์ส่วนใหญ่</translation>
    </message>
    <message>
        <source>Include the space after a word</source>
        <translation>รวมเว้นวรรคหลังคำ</translation>
    </message>
    <message>
        <source>Include punctuation right after a word</source>
        <translation>รวมเครื่องหมายวรรคตอนที่อยู่ติดหลังคำ</translation>
    </message>
    <message>
        <source>When you press Escape</source>
        <translation>เมื่อคุณกด Esc</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>ปุ่มลัด</translation>
    </message>
    <message>
        <source>Suggest now</source>
        <translation>แนะนำเดี๋ยวนี้</translation>
    </message>
    <message>
        <source>Asks for a suggestion right away, even where %app would normally wait.</source>
        <translation>ขอคำแนะนำทันที แม้ในที่ที่ปกติ %app จะรอ</translation>
    </message>
    <message>
        <source>Other suggestions</source>
        <translation>คำแนะนำอื่นๆ</translation>
    </message>
    <message>
        <source>Lists a few different ways to continue. Choose with the arrow keys, then press Tab.</source>
        <translation>แสดงวิธีเขียนต่อที่แตกต่างกันสองสามแบบ เลือกด้วยปุ่มลูกศร แล้วกด Tab</translation>
    </message>
    <message>
        <source>Pause or resume in this app</source>
        <translation>หยุดชั่วคราวหรือทำต่อในแอปนี้</translation>
    </message>
    <message>
        <source>Pauses for 15 minutes.</source>
        <translation>หยุดชั่วคราว 15 นาที</translation>
    </message>
    <message>
        <source>Turn %app on or off</source>
        <translation>เปิดหรือปิด %app</translation>
    </message>
    <message>
        <source>Everywhere, until you press it again.</source>
        <translation>ทุกที่ จนกว่าคุณจะกดอีกครั้ง</translation>
    </message>
    <message>
        <source>Pause or resume</source>
        <translation>หยุดชั่วคราวหรือทำต่อ</translation>
    </message>
    <message>
        <source>Turn on or off</source>
        <translation>เปิดหรือปิด</translation>
    </message>
    <message>
        <source>%1 and %2 use the same keys. Only the first will work.</source>
        <translation>%1 และ %2 ใช้ปุ่มเดียวกัน จะใช้ได้เฉพาะรายการแรก</translation>
    </message>
    <message>
        <source>About you</source>
        <translation>เกี่ยวกับคุณ</translation>
    </message>
    <message>
        <source>For example: I&apos;m a product designer in Berlin. I write short, friendly emails in British English and sign off with Cheers.</source>
        <translation>ตัวอย่าง: ฉันเป็นนักออกแบบผลิตภัณฑ์ในเบอร์ลิน ฉันเขียนอีเมลสั้นๆ เป็นกันเองด้วยภาษาอังกฤษแบบบริติช และลงท้ายด้วย Cheers</translation>
    </message>
    <message>
        <source>Your role, the languages you write in, names you use often, how you like to sound.</source>
        <translation>บทบาทของคุณ ภาษาที่คุณใช้เขียน ชื่อที่ใช้บ่อย และน้ำเสียงที่คุณชอบ</translation>
    </message>
    <message>
        <source>Writing memory</source>
        <translation>ความจำการเขียน</translation>
    </message>
    <message>
        <source>Remember how I write</source>
        <translation>จำวิธีเขียนของฉัน</translation>
    </message>
    <message>
        <source>Also remember fields where I accept nothing</source>
        <translation>จำช่องที่ฉันไม่ได้ยอมรับอะไรด้วย</translation>
    </message>
    <message>
        <source>%app learns your style sooner but keeps more of what you type.</source>
        <translation>%app จะเรียนรู้สไตล์ของคุณได้เร็วขึ้น แต่จะเก็บสิ่งที่คุณพิมพ์ไว้มากขึ้น</translation>
    </message>
    <message>
        <source>Influence</source>
        <translation>ระดับอิทธิพล</translation>
    </message>
    <message>
        <source>Strong</source>
        <translation>แรง</translation>
    </message>
    <message>
        <source>How many of your passages each suggestion can draw on.</source>
        <translation>จำนวนท่อนข้อความของคุณที่แต่ละคำแนะนำใช้อ้างอิงได้</translation>
    </message>
    <message>
        <source>Erase All…</source>
        <translation>ลบทั้งหมด…</translation>
    </message>
    <message>
        <source>Erase everything %app remembered?</source>
        <translation>ลบทุกอย่างที่ %app จำไว้หรือไม่?</translation>
    </message>
    <message>
        <source>This can&apos;t be undone.</source>
        <translation>การดำเนินการนี้ย้อนกลับไม่ได้</translation>
    </message>
    <message>
        <source>Erase All</source>
        <translation>ลบทั้งหมด</translation>
    </message>
    <message>
        <source>Nothing remembered yet</source>
        <translation>ยังไม่ได้จำอะไร</translation>
    </message>
    <message>
        <source>App and window name</source>
        <translation>ชื่อแอปและหน้าต่าง</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>เว็บไซต์</translation>
    </message>
    <message>
        <source>The site&apos;s domain when you write in a browser.</source>
        <translation>โดเมนของเว็บไซต์เมื่อคุณเขียนในเบราว์เซอร์</translation>
    </message>
    <message>
        <source>Recently copied text</source>
        <translation>ข้อความที่คัดลอกล่าสุด</translation>
    </message>
    <message>
        <source>Anything you copied in the last 10 minutes. Copies from password managers are skipped.</source>
        <translation>ทุกอย่างที่คุณคัดลอกใน 10 นาทีที่ผ่านมา ข้ามสิ่งที่คัดลอกจากโปรแกรมจัดการรหัสผ่าน</translation>
    </message>
    <message>
        <source>Text on screen</source>
        <translation>ข้อความบนหน้าจอ</translation>
    </message>
    <message>
        <source>Reads the window you&apos;re writing in, so replies fit the conversation. It picks the lines closest to where you type.</source>
        <translation>อ่านหน้าต่างที่คุณกำลังเขียน เพื่อให้คำตอบเข้ากับบทสนทนา โดยเลือกบรรทัดที่ใกล้ตำแหน่งที่คุณพิมพ์ที่สุด</translation>
    </message>
    <message>
        <source>What you just looked at</source>
        <translation>สิ่งที่คุณเพิ่งดู</translation>
    </message>
    <message>
        <source>Windows beside you</source>
        <translation>หน้าต่างข้างๆ</translation>
    </message>
    <message>
        <source>Also reads up to two other windows on the same screen, like the document you&apos;re replying about. Skips password managers and apps you switched off.</source>
        <translation>อ่านหน้าต่างอื่นบนหน้าจอเดียวกันได้อีกสูงสุดสองหน้าต่าง เช่น เอกสารที่คุณกำลังตอบถึง ข้ามโปรแกรมจัดการรหัสผ่านและแอปที่คุณปิดไว้</translation>
    </message>
    <message>
        <source>Off in this app</source>
        <translation>ปิดในแอปนี้</translation>
    </message>
    <message>
        <source>This word looks misspelled</source>
        <translation>คำนี้ดูเหมือนสะกดผิด</translation>
    </message>
    <message>
        <source>Thanks for the notes. I&apos;ll send the revised deck</source>
        <translation>ขอบคุณสำหรับโน้ตนะ ฉันจะส่งสไลด์ฉบับแก้ไข</translation>
    </message>
    <message>
        <source> by Friday morning.</source>
        <translation>ภายในเช้าวันศุกร์</translation>
    </message>
    <message>
        <source>%1 quit. %app has the Tab key.</source>
        <translation>%1 ปิดแล้ว ปุ่ม Tab เป็นของ %app แล้ว</translation>
    </message>
    <message>
        <source>Open Data Folder</source>
        <translation>เปิดโฟลเดอร์ข้อมูล</translation>
    </message>
    <message>
        <source>Show Welcome Again</source>
        <translation>แสดงหน้าต้อนรับอีกครั้ง</translation>
    </message>
    <message>
        <source>Play Intro Again</source>
        <translation>เล่นบทนำอีกครั้ง</translation>
    </message>
    <message>
        <source>Reset Settings…</source>
        <translation>รีเซ็ตการตั้งค่า…</translation>
    </message>
    <message>
        <source>Suggest in every app</source>
        <translation>แนะนำในทุกแอป</translation>
    </message>
    <message>
        <source>Suggest in code editors</source>
        <translation>แนะนำในโปรแกรมแก้ไขโค้ด</translation>
    </message>
    <message>
        <source>Suggest in the middle of a line</source>
        <translation>แนะนำกลางบรรทัด</translation>
    </message>
    <message>
        <source>Suggest in small fields</source>
        <translation>แนะนำในช่องขนาดเล็ก</translation>
    </message>
    <message>
        <source>Hold back on misspelled words</source>
        <translation>ชะลอเมื่อคำสะกดผิด</translation>
    </message>
    <message>
        <source>Offer spelling fixes</source>
        <translation>เสนอการแก้ไขตัวสะกด</translation>
    </message>
    <message>
        <source>Show the key hint</source>
        <translation>แสดงคำใบ้ปุ่ม</translation>
    </message>
    <message>
        <source>Quit other autocomplete apps when they open</source>
        <translation>ปิดแอปเติมข้อความอัตโนมัติอื่นเมื่อเปิดขึ้นมา</translation>
    </message>
    <message>
        <source>Keeps a few minutes of text from windows you switched away from, like a page you read before replying. It stays on your computer and skips apps you switched off.</source>
        <translation>เก็บข้อความไม่กี่นาทีจากหน้าต่างที่คุณสลับออกไป เช่น หน้าเว็บที่คุณอ่านก่อนตอบ ข้อความจะอยู่บนคอมพิวเตอร์ของคุณและข้ามแอปที่คุณปิดไว้</translation>
    </message>
    <message numerus="yes">
        <source>Both apps answer the Tab key, and the system gives it to %1 first. %app stays paused in your other apps until %1 quits.</source>
        <translation>
            <numerusform>%1 รับปุ่ม Tab ก่อน %app ดังนั้น %app จะหยุดชั่วคราวในแอปอื่นๆ ของคุณจนกว่าคุณจะปิดแอปดังกล่าว</numerusform>
        </translation>
    </message>
    <message>
        <source>Finishes your sentences in any app, on your computer.</source>
        <translation>เขียนประโยคของคุณให้จบได้ในทุกแอป บนคอมพิวเตอร์ของคุณเอง</translation>
    </message>
    <message>
        <source>Keeps short passages from fields where you accepted a suggestion, encrypted on this computer, and shows them to the model as examples.</source>
        <translation>เก็บท่อนข้อความสั้นๆ จากช่องที่คุณยอมรับคำแนะนำ เข้ารหัสไว้บนคอมพิวเตอร์เครื่องนี้ และแสดงให้โมเดลดูเป็นตัวอย่าง</translation>
    </message>
    <message>
        <source>Light</source>
        <comment>skin tone</comment>
        <translation>อ่อน</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ตกลง</translation>
    </message>
    <message>
        <source>Default</source>
        <comment>skin tone</comment>
        <translation>ค่าเริ่มต้น</translation>
    </message>
    <message>
        <source>Medium light</source>
        <comment>skin tone</comment>
        <translation>อ่อนปานกลาง</translation>
    </message>
    <message>
        <source>Medium</source>
        <comment>skin tone</comment>
        <translation>ปานกลาง</translation>
    </message>
    <message>
        <source>Medium dark</source>
        <comment>skin tone</comment>
        <translation>เข้มปานกลาง</translation>
    </message>
    <message>
        <source>Dark</source>
        <comment>skin tone</comment>
        <translation>เข้ม</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>ไม่ทราบ</translation>
    </message>
    <message>
        <source>%1 × %2 pt</source>
        <translation>%1 × %2 pt</translation>
    </message>
    <message>
        <source>No</source>
        <translation>ไม่</translation>
    </message>
    <message>
        <source>Not reported, estimated from the caret</source>
        <translation>ไม่ได้รายงาน ประมาณจากเคอร์เซอร์</translation>
    </message>
    <message>
        <source>%1 %2 pt</source>
        <translation>%1 %2 pt</translation>
    </message>
    <message>
        <source>System</source>
        <translation>ระบบ</translation>
    </message>
    <message>
        <source>Not yet</source>
        <translation>ยังไม่มี</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>วันนี้</translation>
    </message>
    <message>
        <source>Last 7 days</source>
        <translation>7 วันที่ผ่านมา</translation>
    </message>
    <message>
        <source>All time</source>
        <translation>ทั้งหมด</translation>
    </message>
    <message>
        <source>Typing saved</source>
        <translation>เวลาพิมพ์ที่ประหยัดได้</translation>
    </message>
    <message>
        <source>at 40 words a minute</source>
        <translation>ที่ 40 คำต่อนาที</translation>
    </message>
    <message>
        <source>Accepted</source>
        <translation>อัตราการยอมรับ</translation>
    </message>
    <message>
        <source>of suggestions shown</source>
        <translation>ของคำแนะนำที่แสดง</translation>
    </message>
    <message>
        <source>Typical wait</source>
        <translation>เวลารอโดยทั่วไป</translation>
    </message>
    <message>
        <source>9 in 10 under %1</source>
        <translation>9 ใน 10 ครั้งต่ำกว่า %1</translation>
    </message>
    <message>
        <source>no requests yet</source>
        <translation>ยังไม่มีคำขอ</translation>
    </message>
    <message>
        <source>Words saved</source>
        <translation>คำที่ประหยัดได้</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>ช่วงเวลา</translation>
    </message>
    <message>
        <source>Nothing to chart yet</source>
        <translation>ยังไม่มีข้อมูลสำหรับแผนภูมิ</translation>
    </message>
    <message>
        <source>Accept a few suggestions and your days show up here.</source>
        <translation>ยอมรับคำแนะนำสักสองสามครั้ง แล้วข้อมูลรายวันของคุณจะแสดงที่นี่</translation>
    </message>
    <message>
        <source>Where you write</source>
        <translation>ที่ที่คุณเขียน</translation>
    </message>
    <message>
        <source>Reset Statistics…</source>
        <translation>รีเซ็ตสถิติ…</translation>
    </message>
    <message>
        <source>Reset all statistics?</source>
        <translation>รีเซ็ตสถิติทั้งหมดหรือไม่?</translation>
    </message>
    <message>
        <source>This clears words saved, acceptance and timing history.</source>
        <translation>การดำเนินการนี้จะล้างประวัติคำที่ประหยัดได้ การยอมรับ และเวลารอ</translation>
    </message>
    <message>
        <source>Copy Diagnostics</source>
        <translation>คัดลอกข้อมูลวินิจฉัย</translation>
    </message>
    <message>
        <source>Diagnostics leave out the text you typed.</source>
        <translation>ข้อมูลวินิจฉัยไม่รวมข้อความที่คุณพิมพ์</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>สถานะ</translation>
    </message>
    <message>
        <source>Right now</source>
        <translation>ขณะนี้</translation>
    </message>
    <message>
        <source>Allowed</source>
        <translation>อนุญาตแล้ว</translation>
    </message>
    <message>
        <source>Not allowed</source>
        <translation>ไม่ได้รับอนุญาต</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>แป้นพิมพ์</translation>
    </message>
    <message>
        <source>Listening</source>
        <translation>กำลังรับฟัง</translation>
    </message>
    <message>
        <source>Not listening</source>
        <translation>ไม่ได้รับฟัง</translation>
    </message>
    <message>
        <source>Focused field</source>
        <translation>ช่องที่โฟกัสอยู่</translation>
    </message>
    <message>
        <source>Click into a text field in another app, then come back. The last field %1 saw stays here.</source>
        <translation>คลิกในช่องข้อความของแอปอื่น แล้วกลับมาที่นี่ ช่องล่าสุดที่ %1 เห็นจะแสดงค้างไว้ที่นี่</translation>
    </message>
    <message>
        <source>App</source>
        <translation>แอป</translation>
    </message>
    <message>
        <source>Field type</source>
        <translation>ประเภทช่อง</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>หน้าต่าง</translation>
    </message>
    <message>
        <source>Field size</source>
        <translation>ขนาดช่อง</translation>
    </message>
    <message>
        <source>Caret found</source>
        <translation>พบเคอร์เซอร์</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>แบบอักษร</translation>
    </message>
    <message>
        <source>At end of line</source>
        <translation>อยู่ท้ายบรรทัด</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>ใช่</translation>
    </message>
    <message>
        <source>Secure input</source>
        <translation>การป้อนข้อมูลแบบปลอดภัย</translation>
    </message>
    <message>
        <source>Looked at lately</source>
        <translation>ดูล่าสุด</translation>
    </message>
    <message>
        <source>Text before the caret</source>
        <translation>ข้อความก่อนเคอร์เซอร์</translation>
    </message>
    <message>
        <source>Last request</source>
        <translation>คำขอล่าสุด</translation>
    </message>
    <message>
        <source>Wait</source>
        <translation>เวลารอ</translation>
    </message>
    <message>
        <source>Suggestion</source>
        <translation>คำแนะนำ</translation>
    </message>
    <message>
        <source>Prompt sent to the engine</source>
        <translation>พรอมต์ที่ส่งไปยังเอนจิน</translation>
    </message>
    <message>
        <source>Raw answer</source>
        <translation>คำตอบดิบ</translation>
    </message>
    <message>
        <source>(empty)</source>
        <translation>(ว่าง)</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>คัดลอกแล้ว</translation>
    </message>
    <message>
        <source>Choose a language</source>
        <translation>เลือกภาษา</translation>
    </message>
    <message>
        <source>Search languages</source>
        <translation>ค้นหาภาษา</translation>
    </message>
    <message>
        <source>Same as my computer</source>
        <translation>ตามระบบ</translation>
    </message>
    <message>
        <source>Switch to %1?</source>
        <translation>เปลี่ยนเป็น %1 หรือไม่?</translation>
    </message>
    <message>
        <source>%1 closes and opens again in a second. Your settings stay as they are.</source>
        <translation>%1 จะปิดและเปิดใหม่ในไม่กี่วินาที การตั้งค่าของคุณจะยังคงเดิม</translation>
    </message>
    <message>
        <source>Reopen Now</source>
        <translation>เปิดใหม่เดี๋ยวนี้</translation>
    </message>
    <message>
        <source>App language</source>
        <translation>ภาษาของแอป</translation>
    </message>
    <message>
        <source>Pick the language you read most easily. Suggestions follow whatever language you type.</source>
        <translation>เลือกภาษาที่คุณอ่านได้ง่ายที่สุด คำแนะนำจะเป็นไปตามภาษาที่คุณพิมพ์</translation>
    </message>
    <message>
        <source>Change the app language</source>
        <translation>เปลี่ยนภาษาของแอป</translation>
    </message>
    <message>
        <source>0 min</source>
        <translation>0 นาที</translation>
    </message>
    <message>
        <source>under a minute</source>
        <translation>ไม่ถึงหนึ่งนาที</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 วินาที</translation>
    </message>
    <message>
        <source>Not set</source>
        <translation>ยังไม่ได้ตั้ง</translation>
    </message>
    <message>
        <source>Clear shortcut</source>
        <translation>ล้างปุ่มลัด</translation>
    </message>
    <message>
        <source>Add Ctrl, Alt or Super so normal typing still works.</source>
        <translation>เพิ่ม Ctrl, Alt หรือ Super เพื่อให้พิมพ์ตามปกติได้</translation>
    </message>
    <message>
        <source>Type a shortcut…</source>
        <translation>พิมพ์ปุ่มลัด…</translation>
    </message>
    <message>
        <source>Recording shortcut</source>
        <translation>กำลังบันทึกปุ่มลัด</translation>
    </message>
    <message>
        <source>Shortcut %1</source>
        <translation>ปุ่มลัด %1</translation>
    </message>
    <message>
        <source>Record shortcut</source>
        <translation>บันทึกปุ่มลัด</translation>
    </message>
    <message>
        <source>Shortcut not set</source>
        <translation>ยังไม่ได้ตั้งปุ่มลัด</translation>
    </message>
    <message>
        <source>Press to record a new shortcut. Escape cancels.</source>
        <translation>กดเพื่อบันทึกปุ่มลัดใหม่ กด Esc เพื่อยกเลิก</translation>
    </message>
    <message>
        <source>Your tray icon is hidden</source>
        <translation>ไอคอนในถาดระบบของคุณถูกซ่อนอยู่</translation>
    </message>
    <message>
        <source>This computer has no on-device language model</source>
        <translation>คอมพิวเตอร์เครื่องนี้ไม่มีโมเดลภาษาในเครื่อง</translation>
    </message>
    <message>
        <source>Turn on the on-device model in the desktop&apos;s settings</source>
        <translation>เปิดโมเดลในเครื่องในการตั้งค่าเดสก์ท็อป</translation>
    </message>
    <message>
        <source>The on-device model is unavailable</source>
        <translation>โมเดลในเครื่องไม่พร้อมใช้งาน</translation>
    </message>
    <message>
        <source>Downloading. The on-device model fills in until it&apos;s done.</source>
        <translation>กำลังดาวน์โหลด โมเดลในเครื่องจะทำงานแทนจนกว่าจะเสร็จ</translation>
    </message>
    <message>
        <source>The on-device model fills in until you download it.</source>
        <translation>โมเดลในเครื่องจะทำงานแทนจนกว่าคุณจะดาวน์โหลด</translation>
    </message>
    <message>
        <source>%1 shares no text. Quit it and start it with %2 to get suggestions in it.</source>
        <translation>%1 ไม่แชร์ข้อความ ปิดแอปนั้นแล้วเริ่มด้วย %2 เพื่อรับคำแนะนำในแอปนั้น</translation>
    </message>
    <message>
        <source>On-device model</source>
        <translation>โมเดลในเครื่อง</translation>
    </message>
    <message>
        <source>The system&apos;s own language model. Nothing to download.</source>
        <translation>โมเดลภาษาของระบบเอง ไม่ต้องดาวน์โหลด</translation>
    </message>
    <message>
        <source>A website name cannot hold spaces, tabs or line breaks.</source>
        <translation>ชื่อเว็บไซต์ต้องไม่มีเว้นวรรค แท็บ หรือการขึ้นบรรทัดใหม่</translation>
    </message>
    <message>
        <source>Only addresses that start with http or https can be added.</source>
        <translation>เพิ่มได้เฉพาะที่อยู่ที่ขึ้นต้นด้วย http หรือ https</translation>
    </message>
    <message>
        <source>That is not a website name. Type one such as wikipedia.org.</source>
        <translation>นี่ไม่ใช่ชื่อเว็บไซต์ พิมพ์ชื่อ เช่น wikipedia.org</translation>
    </message>
    <message>
        <source>A port is a number from 1 to 65535.</source>
        <translation>พอร์ตคือตัวเลขตั้งแต่ 1 ถึง 65535</translation>
    </message>
    <message>
        <source>The on-device model fills in until the download is done.</source>
        <translation>โมเดลในเครื่องจะทำงานแทนจนกว่าการดาวน์โหลดจะเสร็จ</translation>
    </message>
    <message>
        <source>Suggestions start once the download is done.</source>
        <translation>คำแนะนำจะเริ่มเมื่อดาวน์โหลดเสร็จ</translation>
    </message>
    <message>
        <source>This frees %1. The on-device model fills in until you download it again.</source>
        <translation>จะได้พื้นที่คืน %1 โมเดลในเครื่องจะทำงานแทนจนกว่าคุณจะดาวน์โหลดอีกครั้ง</translation>
    </message>
    <message>
        <source>This frees %1. The %app model can&apos;t suggest until you download it again.</source>
        <translation>จะได้พื้นที่คืน %1 โมเดล %app จะแนะนำไม่ได้จนกว่าคุณจะดาวน์โหลดอีกครั้ง</translation>
    </message>
    <message>
        <source>There&apos;s no room for it, or your panel has no system tray. Add the panel&apos;s system tray or status area applet in its settings.</source>
        <translation>ไม่มีที่ว่างสำหรับไอคอน หรือแผงของคุณไม่มีถาดระบบ เพิ่มแอปเพล็ตถาดระบบหรือพื้นที่สถานะในการตั้งค่าของแผง</translation>
    </message>
    <message>
        <source>GNOME shows tray icons only with the AppIndicator extension. Install the gnome-shell-extension-appindicator package, log out and in, then turn it on in Extensions.</source>
        <translation>GNOME จะแสดงไอคอนในถาดเฉพาะเมื่อมีส่วนขยาย AppIndicator ติดตั้งแพ็กเกจ gnome-shell-extension-appindicator ออกจากระบบแล้วเข้าใหม่ จากนั้นเปิดใช้ในแอป “ส่วนขยาย”</translation>
    </message>
    <message>
        <source>GNOME shows tray icons only with the AppIndicator extension. It is installed but off: turn it on in Extensions.</source>
        <translation>GNOME จะแสดงไอคอนในถาดเฉพาะเมื่อมีส่วนขยาย AppIndicator ส่วนขยายติดตั้งแล้วแต่ปิดอยู่: เปิดใช้ในแอป “ส่วนขยาย”</translation>
    </message>
    <message>
        <source>Until then, open %app from your applications menu to reach Settings.</source>
        <translation>ระหว่างนี้ ให้เปิด %app จากเมนูแอปพลิเคชันเพื่อเข้าถึงการตั้งค่า</translation>
    </message>
    <message>
        <source>Open Extensions</source>
        <translation>เปิด “ส่วนขยาย”</translation>
    </message>
    <message>
        <source>Show Count in Tray</source>
        <translation>แสดงจำนวนในถาด</translation>
    </message>
    <message>
        <source>%1 shares no text</source>
        <translation>%1 ไม่แชร์ข้อความ</translation>
    </message>
    <message>
        <source>Copy command</source>
        <translation>คัดลอกคำสั่ง</translation>
    </message>
    <message>
        <source>There&apos;s no account and no analytics. With the %app model or the on-device model, your text stays on this computer.</source>
        <translation>ไม่มีบัญชีและไม่มีการเก็บข้อมูลการใช้งาน เมื่อใช้โมเดล %app หรือโมเดลในเครื่อง ข้อความของคุณจะอยู่บนคอมพิวเตอร์เครื่องนี้</translation>
    </message>
    <message>
        <source>There&apos;s no account and no analytics. With the %app model, your text stays on this computer.</source>
        <translation>ไม่มีบัญชีและไม่มีการเก็บข้อมูลการใช้งาน เมื่อใช้โมเดล %app ข้อความของคุณจะอยู่บนคอมพิวเตอร์เครื่องนี้</translation>
    </message>
    <message>
        <source>%app lives in your system tray from now on. Click its icon to pause it in an app or open Settings.</source>
        <translation>นับจากนี้ %app จะอยู่ในถาดระบบของคุณ คลิกไอคอนเพื่อหยุดชั่วคราวในแอปหรือเปิดการตั้งค่า</translation>
    </message>
    <message>
        <source>%app has no account, no analytics and no servers of its own. The %app model and the on-device model keep your text on this computer. Other engines get it only if you set one up.</source>
        <translation>%app ไม่มีบัญชี ไม่มีการเก็บข้อมูลการใช้งาน และไม่มีเซิร์ฟเวอร์ของตัวเอง โมเดล %app และโมเดลในเครื่องเก็บข้อความของคุณไว้บนคอมพิวเตอร์เครื่องนี้ เอนจินอื่นจะได้รับข้อความก็ต่อเมื่อคุณตั้งค่าไว้เท่านั้น</translation>
    </message>
    <message>
        <source>%app has no account, no analytics and no servers of its own. The %app model keeps your text on this computer. Other engines get it only if you set one up.</source>
        <translation>%app ไม่มีบัญชี ไม่มีการเก็บข้อมูลการใช้งาน และไม่มีเซิร์ฟเวอร์ของตัวเอง โมเดล %app เก็บข้อความของคุณไว้บนคอมพิวเตอร์เครื่องนี้ เอนจินอื่นจะได้รับข้อความก็ต่อเมื่อคุณตั้งค่าไว้เท่านั้น</translation>
    </message>
    <message>
        <source>Installed applications</source>
        <translation>แอปพลิเคชันที่ติดตั้ง</translation>
    </message>
    <message>
        <source>%app reads these only while making a suggestion and never saves them. With the %app model or the on-device model, nothing leaves your computer.</source>
        <translation>%app อ่านสิ่งเหล่านี้เฉพาะขณะสร้างคำแนะนำและไม่บันทึกไว้เลย เมื่อใช้โมเดล %app หรือโมเดลในเครื่อง จะไม่มีสิ่งใดออกจากคอมพิวเตอร์ของคุณ</translation>
    </message>
    <message>
        <source>%app reads these only while making a suggestion and never saves them. With the %app model, nothing leaves your computer.</source>
        <translation>%app อ่านสิ่งเหล่านี้เฉพาะขณะสร้างคำแนะนำและไม่บันทึกไว้เลย เมื่อใช้โมเดล %app จะไม่มีสิ่งใดออกจากคอมพิวเตอร์ของคุณ</translation>
    </message>
    <message>
        <source>The %app model keeps your text on this computer.</source>
        <translation>โมเดล %app เก็บข้อความของคุณไว้บนคอมพิวเตอร์เครื่องนี้</translation>
    </message>
    <message>
        <source>The key holds a line break or another control character. Paste it again without them.</source>
        <translation>คีย์มีการขึ้นบรรทัดใหม่หรืออักขระควบคุมอื่น วางอีกครั้งโดยไม่มีอักขระเหล่านั้น</translation>
    </message>
    <message>
        <source>Waiting for the keyring to store the key.</source>
        <translation>กำลังรอให้พวงกุญแจจัดเก็บคีย์</translation>
    </message>
    <message>
        <source>The keyring cannot keep this key, so it is used only until %app quits.</source>
        <translation>พวงกุญแจเก็บคีย์นี้ไม่ได้ จึงใช้ได้จนกว่า %app จะปิดเท่านั้น</translation>
    </message>
    <message>
        <source>Show in the system tray</source>
        <translation>แสดงในถาดระบบ</translation>
    </message>
    <message>
        <source>Pause or open Settings from the system tray. Hidden? Open %app from your applications menu to come back.</source>
        <translation>หยุดชั่วคราวหรือเปิดการตั้งค่าจากถาดระบบ หากซ่อนไว้ ให้เปิด %app จากเมนูแอปพลิเคชันเพื่อกลับมา</translation>
    </message>
    <message>
        <source>This tray can&apos;t show text beside icons, so the count shows in the icon&apos;s tooltip.</source>
        <translation>ถาดนี้แสดงข้อความข้างไอคอนไม่ได้ จำนวนจึงแสดงในทูลทิปของไอคอน</translation>
    </message>
    <message>
        <source>VS Code, VSCodium, Cursor, Zed, Kate, Sublime Text, JetBrains IDEs and similar apps.</source>
        <translation>VS Code, VSCodium, Cursor, Zed, Kate, Sublime Text, JetBrains IDE และแอปที่คล้ายกัน</translation>
    </message>
    <message>
        <source>Your settings could not be read, so they were set aside and %app started over with its defaults.</source>
        <translation>อ่านการตั้งค่าของคุณไม่ได้ จึงแยกเก็บไว้ต่างหาก และ %app เริ่มใหม่ด้วยค่าเริ่มต้น</translation>
    </message>
    <message>
        <source>Your settings are not saved: %app cannot write to its settings folder.</source>
        <translation>การตั้งค่าของคุณไม่ได้บันทึก: %app เขียนลงโฟลเดอร์การตั้งค่าไม่ได้</translation>
    </message>
    <message>
        <source>Your app and website rules could not be read, so they were set aside.</source>
        <translation>อ่านกฎของแอปและเว็บไซต์ของคุณไม่ได้ จึงแยกเก็บไว้ต่างหาก</translation>
    </message>
    <message>
        <source>Your statistics could not be read, so they were set aside and counting started over.</source>
        <translation>อ่านสถิติของคุณไม่ได้ จึงแยกเก็บไว้ต่างหาก และเริ่มนับใหม่</translation>
    </message>
    <message>
        <source>Not saved: %app cannot write to its data folder.</source>
        <translation>ไม่ได้บันทึก: %app เขียนลงโฟลเดอร์ข้อมูลไม่ได้</translation>
    </message>
    <message numerus="yes">
        <source>%Ln suggestions. %1 selected</source>
        <translation>
            <numerusform>คำแนะนำ %Ln รายการ เลือก %1 อยู่</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln min</source>
        <translation>
            <numerusform>%Ln นาที</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln words</source>
        <translation>
            <numerusform>%Ln คำ</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln passages from here</source>
        <translation>
            <numerusform>%Ln ท่อนข้อความจากที่นี่</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>words</source>
        <comment>unit after a count</comment>
        <translation>
            <numerusform>คำ</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln days</source>
        <translation>
            <numerusform>%Ln วัน</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Words saved per day over the last %Ln days</source>
        <translation>
            <numerusform>คำที่ประหยัดได้ต่อวันในช่วง %Ln วันที่ผ่านมา</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln day streak</source>
        <translation>
            <numerusform>ต่อเนื่อง %Ln วัน</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln passages remembered</source>
        <translation>
            <numerusform>จำไว้ %Ln ท่อนข้อความ</numerusform>
        </translation>
    </message>
    <message>
        <source>enter</source>
        <translation>enter</translation>
    </message>
    <message>
        <source>Allow screen capture so %app can read those too. Most apps work without it.</source>
        <translation>อนุญาตการจับภาพหน้าจอเพื่อให้ %app อ่านข้อความเหล่านั้นได้ด้วย แอปส่วนใหญ่ทำงานได้โดยไม่ต้องใช้</translation>
    </message>
    <message>
        <source>Type a colon and a word, like :rocket, then press Tab or Enter to pick.</source>
        <translation>พิมพ์ทวิภาคตามด้วยคำ เช่น :rocket แล้วกด Tab หรือ Enter เพื่อเลือก</translation>
    </message>
    <message>
        <source>You can switch memory off for single apps under Apps &amp; Sites. The key that unlocks it lives in your keyring.</source>
        <translation>คุณปิดความจำสำหรับแต่ละแอปได้ใน “แอปและเว็บไซต์” คีย์ที่ใช้ปลดล็อกเก็บอยู่ในพวงกุญแจของคุณ</translation>
    </message>
    <message numerus="yes">
        <source>%Ln emoji. %1 selected</source>
        <translation>
            <numerusform>อีโมจิ %Ln รายการ เลือก %1 อยู่</numerusform>
        </translation>
    </message>
    <message>
        <source>Suggestion: %1</source>
        <translation>คำแนะนำ: %1</translation>
    </message>
    <message numerus="yes">
        <source>%Ln models available</source>
        <translation>
            <numerusform>มีโมเดลให้ใช้ %Ln รายการ</numerusform>
        </translation>
    </message>
    <message>
        <source>The model couldn&apos;t be saved: %1</source>
        <translation>บันทึกโมเดลไม่ได้: %1</translation>
    </message>
    <message>
        <source>Ollama isn&apos;t running.</source>
        <translation>Ollama ไม่ได้ทำงาน</translation>
    </message>
    <message>
        <source>Ollama isn&apos;t running at %1.</source>
        <translation>Ollama ไม่ได้ทำงานที่ %1</translation>
    </message>
    <message>
        <source>No server answered.</source>
        <translation>ไม่มีเซิร์ฟเวอร์ตอบกลับ</translation>
    </message>
    <message>
        <source>No server answered at %1.</source>
        <translation>ไม่มีเซิร์ฟเวอร์ตอบกลับที่ %1</translation>
    </message>
    <message>
        <source>Range: %1</source>
        <translation>ช่วงเวลา: %1</translation>
    </message>
    <message numerus="yes">
        <source>%1, %Ln to do</source>
        <translation>
            <numerusform>%1 เหลืออีก %Ln</numerusform>
        </translation>
    </message>
    <message>
        <source>Type the whole name of the website, such as wikipedia.org.</source>
        <translation>พิมพ์ชื่อเว็บไซต์แบบเต็ม เช่น wikipedia.org</translation>
    </message>
    <message>
        <source>The key holds a space, an invisible character or a letter outside plain ASCII. Paste it again exactly as your server gave it.</source>
        <translation>คีย์มีช่องว่าง อักขระที่มองไม่เห็น หรือตัวอักษรนอก ASCII ธรรมดา วางอีกครั้งให้ตรงกับที่เซิร์ฟเวอร์ของคุณให้มา</translation>
    </message>
    <message>
        <source>The keyring could not be read, so your server is asked without an API key. Type the key again if your server needs one.</source>
        <translation>อ่านพวงกุญแจไม่ได้ จึงส่งคำขอไปยังเซิร์ฟเวอร์ของคุณโดยไม่มีคีย์ API พิมพ์คีย์อีกครั้งหากเซิร์ฟเวอร์ของคุณต้องใช้</translation>
    </message>
    <message>
        <source>Your writing memory could not be opened, so it was set aside and %app started a new one.</source>
        <translation>เปิดความจำการเขียนของคุณไม่ได้ จึงแยกเก็บไว้ต่างหาก และ %app ได้เริ่มความจำใหม่</translation>
    </message>
    <message>
        <source>%1, converted for llama.cpp by %2</source>
        <translation>%1 แปลงสำหรับ llama.cpp โดย %2</translation>
    </message>
    <message>
        <source>The data folder %1 could not be made. Check that the folder above it exists and that you may write there.</source>
        <translation>สร้างโฟลเดอร์ข้อมูล %1 ไม่ได้ ตรวจสอบว่าโฟลเดอร์ที่อยู่เหนือขึ้นไปมีอยู่และคุณเขียนลงไปได้</translation>
    </message>
    <message>
        <source>party</source>
        <comment>emoji search sample</comment>
        <translation>ปาร์ตี้</translation>
    </message>
    <message numerus="yes">
        <source>%Ln settings held values %app cannot use, so they were corrected and saved.</source>
        <translation>
            <numerusform>การตั้งค่า %Ln รายการมีค่าที่ %app ใช้ไม่ได้ จึงแก้ไขและบันทึกแล้ว</numerusform>
        </translation>
    </message>
    <message>
        <source>Your writing memory is not saved: the keyring is missing or locked, so its key cannot be kept.</source>
        <translation>ยังไม่ได้บันทึกความจำการเขียนของคุณ: ไม่มีพวงกุญแจหรือพวงกุญแจถูกล็อก จึงเก็บคีย์ของความจำไม่ได้</translation>
    </message>
    <message>
        <source>That address isn&apos;t valid</source>
        <translation>ที่อยู่นี้ไม่ถูกต้อง</translation>
    </message>
    <message>
        <source>The request timed out.</source>
        <translation>คำขอหมดเวลา</translation>
    </message>
    <message>
        <source>The server&apos;s reply was too long, so it was stopped.</source>
        <translation>คำตอบของเซิร์ฟเวอร์ยาวเกินไป จึงถูกหยุด</translation>
    </message>
    <message>
        <source>The server answered %1.</source>
        <translation>เซิร์ฟเวอร์ตอบกลับ %1</translation>
    </message>
    <message>
        <source>The server answered %1: %2</source>
        <translation>เซิร์ฟเวอร์ตอบกลับ %1: %2</translation>
    </message>
    <message>
        <source>The download server answered %1. Try again later.</source>
        <translation>เซิร์ฟเวอร์ดาวน์โหลดตอบกลับ %1 โปรดลองอีกครั้งภายหลัง</translation>
    </message>
    <message>
        <source>The download couldn&apos;t be saved: %1</source>
        <translation>บันทึกไฟล์ดาวน์โหลดไม่ได้: %1</translation>
    </message>
    <message>
        <source>The download paused because the connection dropped. Try again to pick up where it stopped.</source>
        <translation>การดาวน์โหลดหยุดชั่วคราวเพราะการเชื่อมต่อขาด ลองอีกครั้งเพื่อดาวน์โหลดต่อจากจุดที่หยุดไว้</translation>
    </message>
    <message>
        <source>The download stopped. Check your connection, then try again.</source>
        <translation>การดาวน์โหลดหยุดลง ตรวจสอบการเชื่อมต่อ แล้วลองอีกครั้ง</translation>
    </message>
    <message>
        <source>Pick an Ollama model in Settings</source>
        <translation>เลือกโมเดล Ollama ในการตั้งค่า</translation>
    </message>
    <message>
        <source>Pick a model for your local server</source>
        <translation>เลือกโมเดลสำหรับเซิร์ฟเวอร์ในเครื่องของคุณ</translation>
    </message>
    <message>
        <source>The server&apos;s answer is not HTTP.</source>
        <translation>คำตอบของเซิร์ฟเวอร์ไม่ใช่ HTTP</translation>
    </message>
    <message>
        <source>The data couldn&apos;t be read because it is missing.</source>
        <translation>อ่านข้อมูลไม่ได้เพราะข้อมูลหายไป</translation>
    </message>
    <message>
        <source>The data couldn&apos;t be read because it isn&apos;t in the correct format.</source>
        <translation>อ่านข้อมูลไม่ได้เพราะรูปแบบไม่ถูกต้อง</translation>
    </message>
    <message>
        <source>:%1:</source>
        <comment>emoji name</comment>
        <translation>:%1:</translation>
    </message>
    <message>
        <source>This computer has no on-device language model.</source>
        <translation>คอมพิวเตอร์เครื่องนี้ไม่มีโมเดลภาษาในเครื่อง</translation>
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
        <translation>หยุดชั่วคราวบน %1</translation>
    </message>
    <message>
        <source>Paused in %1</source>
        <translation>หยุดชั่วคราวใน %1</translation>
    </message>
    <message>
        <source>Off on %1</source>
        <translation>ปิดบน %1</translation>
    </message>
    <message>
        <source>Off in %1</source>
        <translation>ปิดใน %1</translation>
    </message>
    <message>
        <source>Off in %1 by default</source>
        <translation>ปิดใน %1 ตามค่าเริ่มต้น</translation>
    </message>
    <message>
        <source>Off in code editors</source>
        <translation>ปิดในโปรแกรมแก้ไขโค้ด</translation>
    </message>
    <message>
        <source>Off unless turned on per app</source>
        <translation>ปิด เว้นแต่เปิดเป็นรายแอป</translation>
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
        <translation>เว้นวรรค</translation>
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
        <translation>ปุ่ม %1</translation>
    </message>
    <message>
        <source>An email reply reads differently from a commit message.</source>
        <translation>การตอบกลับอีเมลเขียนต่างจากข้อความคอมมิต</translation>
    </message>
    <message>
        <source>Writes straight into the field. Cleanest in GTK and Qt apps.</source>
        <translation>เขียนลงในช่องโดยตรง สะอาดที่สุดในแอป GTK และ Qt</translation>
    </message>
    <message>
        <source>Typing</source>
        <comment>insertion method</comment>
        <translation>การพิมพ์</translation>
    </message>
    <message>
        <source>%1 h</source>
        <comment>hours with one decimal, such as 1.5</comment>
        <translation>%1 ชม.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln h</source>
        <translation>
            <numerusform>%Ln ชม.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln ms</source>
        <translation>
            <numerusform>%Ln มิลลิวินาที</numerusform>
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
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>screen-reader name: one item of a list, then the next</comment>
        <translation>%1 %2</translation>
    </message>
    <message numerus="yes">
        <source>%Ln words saved today</source>
        <translation>
            <numerusform>วันนี้ประหยัดได้ %Ln คำ</numerusform>
        </translation>
    </message>
    <message>
        <source>Under a minute of typing saved today.</source>
        <translation>วันนี้ประหยัดการพิมพ์ได้ไม่ถึงหนึ่งนาที</translation>
    </message>
    <message>
        <source>About %1 of typing saved today.</source>
        <translation>วันนี้ประหยัดการพิมพ์ได้ประมาณ %1</translation>
    </message>
    <message numerus="yes">
        <source>Step %1 of %Ln</source>
        <translation>
            <numerusform>ขั้นตอนที่ %1 จาก %Ln</numerusform>
        </translation>
    </message>
    <message>
        <source>%app reads and types into text fields through the desktop&apos;s accessibility support, which some desktops leave off. %app uses it only for the field you&apos;re writing in.</source>
        <translation>%app อ่านและพิมพ์ลงในช่องข้อความผ่านการรองรับการช่วยการเข้าถึงของเดสก์ท็อป ซึ่งบางเดสก์ท็อปปิดไว้ %app ใช้สิ่งนี้เฉพาะกับช่องที่คุณกำลังเขียนเท่านั้น</translation>
    </message>
    <message>
        <source>The button switches the desktop&apos;s accessibility support on. If the desktop&apos;s settings open instead, turn accessibility on there, then come back. This page updates by itself.</source>
        <translation>ปุ่มนี้จะเปิดการรองรับการช่วยการเข้าถึงของเดสก์ท็อป หากการตั้งค่าของเดสก์ท็อปเปิดขึ้นมาแทน ให้เปิดการช่วยการเข้าถึงที่นั่น แล้วกลับมาที่นี่ หน้านี้อัปเดตเอง</translation>
    </message>
    <message>
        <source>Still off? Some desktops start their accessibility service only when you log in. Log out and back in, then try again.</source>
        <translation>ยังปิดอยู่ใช่ไหม? บางเดสก์ท็อปเริ่มบริการการช่วยการเข้าถึงเฉพาะตอนเข้าสู่ระบบ ออกจากระบบแล้วเข้าสู่ระบบอีกครั้ง แล้วลองใหม่</translation>
    </message>
    <message>
        <source>Pause</source>
        <comment>section header</comment>
        <translation>หยุดชั่วคราว</translation>
    </message>
    <message>
        <source>Pause</source>
        <comment>button</comment>
        <translation>หยุดชั่วคราว</translation>
    </message>
    <message>
        <source>typing</source>
        <comment>insertion method, in a sentence</comment>
        <translation>การพิมพ์</translation>
    </message>
    <message>
        <source>accessibility</source>
        <comment>insertion method, in a sentence</comment>
        <translation>การช่วยการเข้าถึง</translation>
    </message>
    <message>
        <source>paste</source>
        <comment>insertion method, in a sentence</comment>
        <translation>การวาง</translation>
    </message>
    <message>
        <source>short</source>
        <comment>suggestion length, in a sentence</comment>
        <translation>แบบสั้น</translation>
    </message>
    <message>
        <source>medium</source>
        <comment>suggestion length, in a sentence</comment>
        <translation>แบบปานกลาง</translation>
    </message>
    <message>
        <source>long</source>
        <comment>suggestion length, in a sentence</comment>
        <translation>แบบยาว</translation>
    </message>
    <message>
        <source>Default follows General: %1, %2 suggestions.</source>
        <translation>ค่าเริ่มต้นตาม “ทั่วไป”: %1 คำแนะนำ%2</translation>
    </message>
    <message>
        <source>Yes, at %1, %2 on screen, %3 pt tall, %4 and %5</source>
        <translation>ใช่ ที่ %1, %2 บนหน้าจอ สูง %3 pt %4 และ %5</translation>
    </message>
    <message numerus="yes">
        <source>%Ln characters before it</source>
        <translation>
            <numerusform>มี %Ln อักขระก่อนหน้า</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln after</source>
        <comment>characters after the caret</comment>
        <translation>
            <numerusform>%Ln อักขระหลัง</numerusform>
        </translation>
    </message>
    <message>
        <source>No system tray runs on this desktop, so the icon cannot show. %1</source>
        <translation>ไม่มีถาดระบบทำงานอยู่บนเดสก์ท็อปนี้ จึงแสดงไอคอนไม่ได้ %1</translation>
    </message>
    <message>
        <source>Typing</source>
        <comment>section header</comment>
        <translation>การพิมพ์</translation>
    </message>
    <message>
        <source>Switch to the computer&apos;s language?</source>
        <translation>เปลี่ยนเป็นภาษาของคอมพิวเตอร์หรือไม่?</translation>
    </message>
    <message numerus="yes">
        <source>%Ln words this week.</source>
        <translation>
            <numerusform>สัปดาห์นี้ %Ln คำ</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Under a minute of typing saved today. %Ln words this week.</source>
        <translation>
            <numerusform>วันนี้ประหยัดการพิมพ์ได้ไม่ถึงหนึ่งนาที สัปดาห์นี้ %Ln คำ</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>About %1 of typing saved today. %Ln words this week.</source>
        <translation>
            <numerusform>วันนี้ประหยัดการพิมพ์ได้ประมาณ %1 สัปดาห์นี้ %Ln คำ</numerusform>
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
            <numerusform>เสร็จ %Ln จาก %1</numerusform>
        </translation>
    </message>
    <message>
        <source>The server refused the connection. Check that it is running and that the address is right.</source>
        <translation>เซิร์ฟเวอร์ปฏิเสธการเชื่อมต่อ ตรวจสอบว่าเซิร์ฟเวอร์ทำงานอยู่และที่อยู่ถูกต้อง</translation>
    </message>
    <message>
        <source>The server&apos;s name couldn&apos;t be found. Check the address.</source>
        <translation>ไม่พบชื่อเซิร์ฟเวอร์ ตรวจสอบที่อยู่</translation>
    </message>
    <message>
        <source>A secure connection to the server couldn&apos;t be made.</source>
        <translation>ไม่สามารถสร้างการเชื่อมต่อที่ปลอดภัยกับเซิร์ฟเวอร์ได้</translation>
    </message>
    <message>
        <source>The server closed the connection before it answered.</source>
        <translation>เซิร์ฟเวอร์ปิดการเชื่อมต่อก่อนที่จะตอบกลับ</translation>
    </message>
    <message>
        <source>The network proxy couldn&apos;t be reached.</source>
        <translation>ไม่สามารถเข้าถึงพร็อกซีของเครือข่ายได้</translation>
    </message>
    <message>
        <source>The server couldn&apos;t be reached.</source>
        <translation>ไม่สามารถเข้าถึงเซิร์ฟเวอร์ได้</translation>
    </message>
    <message>
        <source>Waiting for the network…</source>
        <translation>กำลังรอเครือข่าย…</translation>
    </message>
    <message>
        <source>%1 is taken by another program.</source>
        <translation>%1 ถูกใช้โดยโปรแกรมอื่นอยู่แล้ว</translation>
    </message>
    <message>
        <source>%1 could not open again. Your choice takes effect the next time you start it.</source>
        <translation>%1 เปิดใหม่ไม่ได้ ตัวเลือกของคุณจะมีผลเมื่อเริ่มครั้งถัดไป</translation>
    </message>
    <message>
        <source>Downloading the model</source>
        <translation>กำลังดาวน์โหลดโมเดล</translation>
    </message>
    <message numerus="yes">
        <source>These apps answer the Tab key before %app can, so %app stays paused in your other apps until they quit.</source>
        <translation>
            <numerusform>แอปเหล่านี้รับปุ่ม Tab ก่อน %app ดังนั้น %app จะหยุดชั่วคราวในแอปอื่นๆ ของคุณจนกว่าแอปเหล่านั้นจะปิด</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>It may be waiting on a dialog of its own. Force Quit closes it right away.</source>
        <translation>
            <numerusform>แอปอาจกำลังรอกล่องโต้ตอบของตัวเองอยู่ “บังคับออก” จะปิดแอปทันที</numerusform>
        </translation>
    </message>
    <message>
        <source>Set a Suggest Now shortcut in Keys to ask for suggestions</source>
        <translation>ตั้งปุ่มลัด “แนะนำเดี๋ยวนี้” ในหมวด “ปุ่ม” เพื่อขอคำแนะนำ</translation>
    </message>
    <message>
        <source>Backspace</source>
        <comment>key above Enter that deletes backwards</comment>
        <translation>Backspace</translation>
    </message>
    <message>
        <source>0 words saved today</source>
        <translation>วันนี้ประหยัดได้ 0 คำ</translation>
    </message>
    <message>
        <source>words saved today</source>
        <comment>beside the count 0</comment>
        <translation>คำที่ประหยัดได้วันนี้</translation>
    </message>
    <message>
        <source>Quit the other app</source>
        <translation>ออกจากแอปอีกตัว</translation>
    </message>
    <message>
        <source>None yet</source>
        <comment>no app looked at yet</comment>
        <translation>ยังไม่มี</translation>
    </message>
    <message>
        <source>None yet</source>
        <comment>no suggestion shown yet</comment>
        <translation>ยังไม่มี</translation>
    </message>
    <message>
        <source>The other app is also running</source>
        <translation>แอปอีกตัวทำงานอยู่ด้วย</translation>
    </message>
    <message>
        <source>Both apps answer the Tab key, and the system gives it to the other app first. %app stays paused in your other apps until the other app quits.</source>
        <translation>ทั้งสองแอปรับปุ่ม Tab แต่ระบบจะส่งปุ่มนี้ให้แอปอีกตัวก่อน ดังนั้น %app จะหยุดชั่วคราวในแอปอื่นๆ ของคุณจนกว่าแอปอีกตัวจะปิด</translation>
    </message>
    <message>
        <source>The other app is still open</source>
        <translation>แอปอีกตัวยังเปิดอยู่</translation>
    </message>
    <message>
        <source>The other app quit, so your suggestions are back in every app.</source>
        <translation>แอปอีกตัวปิดแล้ว คำแนะนำกลับมาในทุกแอปแล้ว</translation>
    </message>
    <message>
        <source>The other app quit. %app has the Tab key.</source>
        <translation>แอปอีกตัวปิดแล้ว ปุ่ม Tab เป็นของ %app แล้ว</translation>
    </message>
</context>
</TS>
