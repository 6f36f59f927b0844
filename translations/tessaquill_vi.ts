<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="vi" sourcelanguage="en">
<context>
    <name>Tessaquill</name>
    <message>
        <source>Accessibility is on. %app is ready in your other apps.</source>
        <translation>Trợ năng đã bật. %app đã sẵn sàng trong các ứng dụng khác của bạn.</translation>
    </message>
    <message>
        <source>Paused while %1 is open</source>
        <translation>Tạm dừng khi %1 đang mở</translation>
    </message>
    <message>
        <source>Welcome to %app</source>
        <translation>Chào mừng đến với %app</translation>
    </message>
    <message>
        <source>%app</source>
        <translation>%app</translation>
    </message>
    <message>
        <source>Another autocomplete app is running</source>
        <translation>Một ứng dụng tự hoàn thành khác đang chạy</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Sẵn sàng</translation>
    </message>
    <message>
        <source>Waiting for a pause</source>
        <translation>Đang chờ bạn ngừng gõ</translation>
    </message>
    <message>
        <source>Thinking</source>
        <translation>Đang suy nghĩ</translation>
    </message>
    <message>
        <source>Showing a suggestion</source>
        <translation>Đang hiện gợi ý</translation>
    </message>
    <message>
        <source>The model took too long to answer</source>
        <translation>Mô hình trả lời quá lâu</translation>
    </message>
    <message>
        <source>This app doesn&apos;t report where the caret is</source>
        <translation>Ứng dụng này không cho biết vị trí con trỏ</translation>
    </message>
    <message>
        <source>%app is turned off</source>
        <translation>%app đang tắt</translation>
    </message>
    <message>
        <source>Secure input is on, so %app stays out</source>
        <translation>Nhập liệu bảo mật đang bật nên %app không can thiệp</translation>
    </message>
    <message>
        <source>Press %1 for a suggestion</source>
        <translation>Nhấn %1 để nhận gợi ý</translation>
    </message>
    <message>
        <source>Text is selected</source>
        <translation>Đang có văn bản được chọn</translation>
    </message>
    <message>
        <source>The caret is inside existing text</source>
        <translation>Con trỏ đang ở giữa văn bản có sẵn</translation>
    </message>
    <message>
        <source>This field is too small</source>
        <translation>Ô nhập này quá nhỏ</translation>
    </message>
    <message>
        <source>Waiting for a few characters</source>
        <translation>Đang chờ vài ký tự</translation>
    </message>
    <message>
        <source>Start of a new line</source>
        <translation>Đầu dòng mới</translation>
    </message>
    <message>
        <source>The model is still downloading</source>
        <translation>Mô hình vẫn đang tải xuống</translation>
    </message>
    <message>
        <source>Download the %app model in Settings first</source>
        <translation>Hãy tải mô hình %app xuống trong Cài đặt trước</translation>
    </message>
    <message>
        <source>Not checked yet</source>
        <translation>Chưa kiểm tra</translation>
    </message>
    <message>
        <source>Checking…</source>
        <translation>Đang kiểm tra…</translation>
    </message>
    <message>
        <source>The model stopped with error %1</source>
        <translation>Mô hình đã dừng với lỗi %1</translation>
    </message>
    <message>
        <source>The model file couldn&apos;t be loaded</source>
        <translation>Không thể nạp tệp mô hình</translation>
    </message>
    <message>
        <source>There wasn&apos;t enough memory to start the model</source>
        <translation>Không đủ bộ nhớ để khởi động mô hình</translation>
    </message>
    <message>
        <source>The text couldn&apos;t be prepared for the model</source>
        <translation>Không thể chuẩn bị văn bản cho mô hình</translation>
    </message>
    <message>
        <source>This computer needs %1 free for the download. Free up some space, then try again.</source>
        <translation>Máy tính này cần %1 dung lượng trống để tải xuống. Hãy giải phóng bớt dung lượng rồi thử lại.</translation>
    </message>
    <message>
        <source>The download didn&apos;t match the expected file, so it was deleted. Try again.</source>
        <translation>Tệp tải xuống không khớp với tệp mong đợi nên đã bị xóa. Hãy thử lại.</translation>
    </message>
    <message>
        <source>Downloaded</source>
        <translation>Đã tải xuống</translation>
    </message>
    <message>
        <source>Downloading. Suggestions start once it&apos;s done.</source>
        <translation>Đang tải xuống. Gợi ý sẽ bắt đầu khi hoàn tất.</translation>
    </message>
    <message>
        <source>Checking the download.</source>
        <translation>Đang kiểm tra bản tải xuống.</translation>
    </message>
    <message>
        <source>Checking the download. Suggestions start once it&apos;s done.</source>
        <translation>Đang kiểm tra bản tải xuống. Gợi ý sẽ bắt đầu khi hoàn tất.</translation>
    </message>
    <message>
        <source>Download the model to start</source>
        <translation>Tải mô hình xuống để bắt đầu</translation>
    </message>
    <message>
        <source>Ollama is running but has no models</source>
        <translation>Ollama đang chạy nhưng không có mô hình nào</translation>
    </message>
    <message>
        <source>Another app</source>
        <translation>Ứng dụng khác</translation>
    </message>
    <message>
        <source>There is no D-Bus session bus, so %1 cannot reach text fields.</source>
        <translation>Không có bus phiên D-Bus nên %1 không thể truy cập các ô nhập.</translation>
    </message>
    <message>
        <source>The desktop&apos;s accessibility bus is not running, so %1 cannot reach text fields.</source>
        <translation>Bus trợ năng của màn hình nền không chạy nên %1 không thể truy cập các ô nhập.</translation>
    </message>
    <message>
        <source>Short</source>
        <translation>Ngắn</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Vừa</translation>
    </message>
    <message>
        <source>Long</source>
        <translation>Dài</translation>
    </message>
    <message>
        <source>Hide the suggestion</source>
        <translation>Ẩn gợi ý</translation>
    </message>
    <message>
        <source>Hide suggestions until I change fields</source>
        <translation>Ẩn gợi ý cho đến khi tôi đổi ô nhập</translation>
    </message>
    <message>
        <source>Do nothing, send Escape to the app</source>
        <translation>Không làm gì, gửi phím Esc cho ứng dụng</translation>
    </message>
    <message>
        <source>Type it</source>
        <translation>Gõ phím</translation>
    </message>
    <message>
        <source>Insert through Accessibility</source>
        <translation>Chèn qua Trợ năng</translation>
    </message>
    <message>
        <source>Paste it</source>
        <translation>Dán</translation>
    </message>
    <message>
        <source>Grey</source>
        <translation>Xám</translation>
    </message>
    <message>
        <source>Gold tint</source>
        <translation>Ánh vàng</translation>
    </message>
    <message>
        <source>%app model</source>
        <translation>Mô hình %app</translation>
    </message>
    <message>
        <source>Ollama</source>
        <translation>Ollama</translation>
    </message>
    <message>
        <source>Local server</source>
        <translation>Máy chủ cục bộ</translation>
    </message>
    <message>
        <source>Runs on this computer after a one-time download. Works offline.</source>
        <translation>Chạy trên máy tính này sau một lần tải xuống. Hoạt động ngoại tuyến.</translation>
    </message>
    <message>
        <source>Any model you run in Ollama, base models included.</source>
        <translation>Bất kỳ mô hình nào bạn chạy trong Ollama, kể cả mô hình cơ sở.</translation>
    </message>
    <message>
        <source>LM Studio, llama-server or any OpenAI-compatible endpoint.</source>
        <translation>LM Studio, llama-server hoặc bất kỳ endpoint tương thích OpenAI nào.</translation>
    </message>
    <message>
        <source>Sends the text as keystrokes. Works almost everywhere.</source>
        <translation>Gửi văn bản dưới dạng thao tác gõ phím. Hoạt động gần như mọi nơi.</translation>
    </message>
    <message>
        <source>Uses the clipboard, then puts your clipboard back.</source>
        <translation>Dùng bộ nhớ tạm, sau đó trả lại nội dung bộ nhớ tạm của bạn.</translation>
    </message>
    <message>
        <source>Accessibility</source>
        <translation>Trợ năng</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Dán</translation>
    </message>
    <message>
        <source>Your writing memory could not be opened and was set aside. Nothing new is remembered until %app starts again.</source>
        <translation>Không thể mở bộ nhớ văn phong nên nó đã được để riêng. Sẽ không ghi nhớ gì mới cho đến khi %app khởi động lại.</translation>
    </message>
    <message>
        <source>Your writing memory could not be opened because its key could not be read from the keyring. Nothing new is remembered until %app starts again.</source>
        <translation>Không thể mở bộ nhớ văn phong vì không đọc được khóa từ chùm khóa. Sẽ không ghi nhớ gì mới cho đến khi %app khởi động lại.</translation>
    </message>
    <message>
        <source>Not Now</source>
        <translation>Để sau</translation>
    </message>
    <message>
        <source>Open the desktop&apos;s settings</source>
        <translation>Mở cài đặt màn hình nền</translation>
    </message>
    <message>
        <source>Don&apos;t remind me again</source>
        <translation>Không nhắc lại</translation>
    </message>
    <message>
        <source>Open Playground</source>
        <translation>Mở ô luyện tập</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Cài đặt</translation>
    </message>
    <message>
        <source>Quit %app</source>
        <translation>Thoát %app</translation>
    </message>
    <message>
        <source>Needs Accessibility access</source>
        <translation>Cần quyền Trợ năng</translation>
    </message>
    <message>
        <source>Paused until you resume</source>
        <translation>Tạm dừng cho đến khi bạn tiếp tục</translation>
    </message>
    <message>
        <source>Paused until %1</source>
        <translation>Tạm dừng đến %1</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Tắt</translation>
    </message>
    <message numerus="yes">
        <source>Paused while %1 are open</source>
        <translation>
            <numerusform>Tạm dừng khi %1 đang mở</numerusform>
        </translation>
    </message>
    <message>
        <source>Grant Accessibility Access…</source>
        <translation>Cấp quyền Trợ năng…</translation>
    </message>
    <message numerus="yes">
        <source>Force Quit %1</source>
        <translation>
            <numerusform>Buộc thoát %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Quit %1</source>
        <translation>
            <numerusform>Thoát %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>words saved today</source>
        <translation>
            <numerusform>từ tiết kiệm được hôm nay</numerusform>
        </translation>
    </message>
    <message>
        <source>Start typing anywhere. %app keeps count here.</source>
        <translation>Hãy bắt đầu gõ ở bất kỳ đâu. %app sẽ đếm tại đây.</translation>
    </message>
    <message>
        <source>Resume in %1</source>
        <translation>Tiếp tục trong %1</translation>
    </message>
    <message>
        <source>Pause in %1</source>
        <translation>Tạm dừng trong %1</translation>
    </message>
    <message>
        <source>Resume Everywhere</source>
        <translation>Tiếp tục ở mọi nơi</translation>
    </message>
    <message>
        <source>Pause Everywhere</source>
        <translation>Tạm dừng ở mọi nơi</translation>
    </message>
    <message>
        <source>For 15 Minutes</source>
        <translation>Trong 15 phút</translation>
    </message>
    <message>
        <source>For 1 Hour</source>
        <translation>Trong 1 giờ</translation>
    </message>
    <message>
        <source>For 4 Hours</source>
        <translation>Trong 4 giờ</translation>
    </message>
    <message>
        <source>Until I Resume</source>
        <translation>Đến khi tôi tiếp tục</translation>
    </message>
    <message>
        <source>Example: after typing %1, %2 suggests %3</source>
        <translation>Ví dụ: sau khi gõ %1, %2 gợi ý %3</translation>
    </message>
    <message>
        <source>takes the next word</source>
        <translation>lấy từ tiếp theo</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Tải xuống</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Hủy</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>%1 of %2. You can keep writing while it downloads.</source>
        <translation>%1 / %2. Bạn vẫn có thể viết trong khi tải xuống.</translation>
    </message>
    <message>
        <source>Checking the download</source>
        <translation>Đang kiểm tra bản tải xuống</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Thử lại</translation>
    </message>
    <message>
        <source>Remove…</source>
        <translation>Gỡ bỏ…</translation>
    </message>
    <message>
        <source>%1 license</source>
        <translation>Giấy phép %1</translation>
    </message>
    <message>
        <source>Remove the %app model?</source>
        <translation>Gỡ bỏ mô hình %app?</translation>
    </message>
    <message>
        <source>Model download</source>
        <translation>Tải mô hình xuống</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Gỡ bỏ</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Tiếp tục</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Để sau</translation>
    </message>
    <message>
        <source>Start Writing</source>
        <translation>Bắt đầu viết</translation>
    </message>
    <message>
        <source>Finish your sentences in any app.</source>
        <translation>Viết nốt câu của bạn trong mọi ứng dụng.</translation>
    </message>
    <message>
        <source>%app reads the words before your caret and suggests what comes next in grey. Press Tab to take one word, or the key above Tab to take the rest. If you don&apos;t want it, keep typing.</source>
        <translation>%app đọc những từ trước con trỏ và gợi ý phần tiếp theo bằng chữ xám. Nhấn Tab để lấy một từ, hoặc phím phía trên Tab để lấy phần còn lại. Nếu không cần, cứ gõ tiếp.</translation>
    </message>
    <message>
        <source>Sees what you see</source>
        <translation>Thấy những gì bạn thấy</translation>
    </message>
    <message>
        <source>Private</source>
        <translation>Riêng tư</translation>
    </message>
    <message>
        <source>It reads the window you&apos;re typing in, like the chat you&apos;re answering, so suggestions fit. None of it goes online, to us or any server. It stays private on your computer.</source>
        <translation>Ứng dụng đọc cửa sổ bạn đang gõ, như cuộc trò chuyện bạn đang trả lời, để gợi ý phù hợp. Không gì trong đó được gửi lên mạng, cho chúng tôi hay bất kỳ máy chủ nào. Mọi thứ được giữ riêng tư trên máy tính của bạn.</translation>
    </message>
    <message>
        <source>Accessibility is on</source>
        <translation>Trợ năng đã bật</translation>
    </message>
    <message>
        <source>%app can now read the field you&apos;re writing in and type suggestions for you.</source>
        <translation>Giờ đây %app có thể đọc ô bạn đang viết và gõ gợi ý giúp bạn.</translation>
    </message>
    <message>
        <source>Let %app see what you type.</source>
        <translation>Cho phép %app thấy những gì bạn gõ.</translation>
    </message>
    <message>
        <source>%app reads your text when you pause and forgets it after one suggestion, unless you turn on writing memory.</source>
        <translation>%app đọc văn bản khi bạn ngừng gõ và quên nó sau một lần gợi ý, trừ khi bạn bật bộ nhớ văn phong.</translation>
    </message>
    <message>
        <source>%app skips password fields and anything else the system marks as secure.</source>
        <translation>%app bỏ qua ô mật khẩu và mọi thứ khác mà hệ thống đánh dấu là bảo mật.</translation>
    </message>
    <message>
        <source>Open Accessibility Settings</source>
        <translation>Mở cài đặt Trợ năng</translation>
    </message>
    <message>
        <source>Pick what writes your suggestions.</source>
        <translation>Chọn bộ máy tạo gợi ý cho bạn.</translation>
    </message>
    <message>
        <source>You can change this any time in Settings.</source>
        <translation>Bạn có thể đổi lựa chọn này bất cứ lúc nào trong Cài đặt.</translation>
    </message>
    <message>
        <source>Give it a try.</source>
        <translation>Thử ngay nhé.</translation>
    </message>
    <message>
        <source>Start typing a sentence. When grey words appear, press Tab for one word or the key above Tab for all of them.</source>
        <translation>Hãy gõ một câu. Khi chữ xám xuất hiện, nhấn Tab để lấy một từ hoặc phím phía trên Tab để lấy tất cả.</translation>
    </message>
    <message>
        <source>Hi Orlenn, thanks for the quick reply. I think we should</source>
        <translation>Chào Orlenn, cảm ơn bạn đã trả lời nhanh. Mình nghĩ chúng ta nên</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Quay lại</translation>
    </message>
    <message>
        <source>Practice field</source>
        <translation>Ô luyện tập</translation>
    </message>
    <message>
        <source>Default, on</source>
        <translation>Mặc định, bật</translation>
    </message>
    <message>
        <source>Default, off</source>
        <translation>Mặc định, tắt</translation>
    </message>
    <message>
        <source>Add a website</source>
        <translation>Thêm trang web</translation>
    </message>
    <message>
        <source>Domain</source>
        <translation>Tên miền</translation>
    </message>
    <message>
        <source>Rules for a site apply in any browser %app can read.</source>
        <translation>Quy tắc cho một trang áp dụng trong mọi trình duyệt mà %app đọc được.</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Thêm</translation>
    </message>
    <message>
        <source>Add App…</source>
        <translation>Thêm ứng dụng…</translation>
    </message>
    <message>
        <source>Add an app</source>
        <translation>Thêm ứng dụng</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Tìm kiếm</translation>
    </message>
    <message>
        <source>Clear search</source>
        <translation>Xóa tìm kiếm</translation>
    </message>
    <message>
        <source>Add an app or website</source>
        <translation>Thêm ứng dụng hoặc trang web</translation>
    </message>
    <message>
        <source>Add Website…</source>
        <translation>Thêm trang web…</translation>
    </message>
    <message>
        <source>Apps &amp; Sites</source>
        <translation>Ứng dụng và trang web</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Đã tạm dừng</translation>
    </message>
    <message>
        <source>Apps</source>
        <translation>Ứng dụng</translation>
    </message>
    <message>
        <source>Websites</source>
        <translation>Trang web</translation>
    </message>
    <message>
        <source>No matches</source>
        <translation>Không có kết quả</translation>
    </message>
    <message>
        <source>No apps yet</source>
        <translation>Chưa có ứng dụng nào</translation>
    </message>
    <message>
        <source>Nothing matches “%1”.</source>
        <translation>Không có gì khớp với “%1”.</translation>
    </message>
    <message>
        <source>Apps appear here once you accept a suggestion in them, or add one with +.</source>
        <translation>Ứng dụng sẽ xuất hiện ở đây khi bạn chấp nhận một gợi ý trong đó, hoặc thêm bằng nút +.</translation>
    </message>
    <message>
        <source>Pick an app or site</source>
        <translation>Chọn một ứng dụng hoặc trang web</translation>
    </message>
    <message>
        <source>Each one can have its own rules. Anything you don&apos;t change follows General.</source>
        <translation>Mỗi mục có thể có quy tắc riêng. Những gì bạn không thay đổi sẽ theo mục “Chung”.</translation>
    </message>
    <message>
        <source>Words saved here</source>
        <translation>Số từ tiết kiệm ở đây</translation>
    </message>
    <message>
        <source>Suggestions</source>
        <translation>Gợi ý</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Bật</translation>
    </message>
    <message>
        <source>Tab accepts suggestions</source>
        <translation>Dùng Tab để chấp nhận gợi ý</translation>
    </message>
    <message>
        <source>Turn off where Tab already means something, like indenting. The other accept key still works.</source>
        <translation>Tắt ở nơi Tab đã có chức năng khác, như thụt lề. Phím chấp nhận còn lại vẫn hoạt động.</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Mặc định</translation>
    </message>
    <message>
        <source>Insert by</source>
        <translation>Chèn bằng</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Độ dài</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Tiếp tục</translation>
    </message>
    <message>
        <source>Pause here</source>
        <translation>Tạm dừng tại đây</translation>
    </message>
    <message>
        <source>Memory</source>
        <translation>Bộ nhớ</translation>
    </message>
    <message>
        <source>Remember my writing here</source>
        <translation>Ghi nhớ cách tôi viết ở đây</translation>
    </message>
    <message>
        <source>Writing memory is off in Your Voice.</source>
        <translation>Bộ nhớ văn phong đang tắt trong “Giọng văn của bạn”.</translation>
    </message>
    <message>
        <source>Erase…</source>
        <translation>Xóa…</translation>
    </message>
    <message>
        <source>Reset to Defaults</source>
        <translation>Khôi phục mặc định</translation>
    </message>
    <message>
        <source>Erase what %app remembered from %1?</source>
        <translation>Xóa những gì %app đã ghi nhớ từ %1?</translation>
    </message>
    <message>
        <source>Erase</source>
        <translation>Xóa</translation>
    </message>
    <message>
        <source>Passages from this app can shape suggestions everywhere.</source>
        <translation>Đoạn văn từ ứng dụng này có thể ảnh hưởng đến gợi ý ở mọi nơi.</translation>
    </message>
    <message>
        <source>Finish setting up</source>
        <translation>Hoàn tất thiết lập</translation>
    </message>
    <message>
        <source>Setup progress</source>
        <translation>Tiến độ thiết lập</translation>
    </message>
    <message>
        <source>Done: %1</source>
        <translation>Đã xong: %1</translation>
    </message>
    <message>
        <source>Best day yet!</source>
        <translation>Ngày tuyệt nhất từ trước đến nay!</translation>
    </message>
    <message>
        <source>Try it here</source>
        <translation>Thử tại đây</translation>
    </message>
    <message>
        <source>Thanks for sending the draft over. I had a look and</source>
        <translation>Cảm ơn bạn đã gửi bản nháp. Mình đã xem qua và</translation>
    </message>
    <message>
        <source>next word</source>
        <translation>từ tiếp theo</translation>
    </message>
    <message>
        <source>whole suggestion</source>
        <translation>toàn bộ gợi ý</translation>
    </message>
    <message>
        <source>hide it</source>
        <translation>ẩn đi</translation>
    </message>
    <message>
        <source>This field runs the real engine. Start typing and grey words show up as you go.</source>
        <translation>Ô này chạy bộ máy thật. Hãy bắt đầu gõ và chữ xám sẽ hiện ra theo.</translation>
    </message>
    <message>
        <source>This field runs the real engine, even before you allow Accessibility. Start typing and grey words show up as you go.</source>
        <translation>Ô này chạy bộ máy thật, kể cả trước khi bạn cho phép Trợ năng. Hãy bắt đầu gõ và chữ xám sẽ hiện ra theo.</translation>
    </message>
    <message>
        <source>You&apos;re all set</source>
        <translation>Bạn đã sẵn sàng</translation>
    </message>
    <message>
        <source>Accessibility is on and %1 is ready. %app works in every app you type in.</source>
        <translation>Trợ năng đã bật và %1 đã sẵn sàng. %app hoạt động trong mọi ứng dụng bạn gõ.</translation>
    </message>
    <message>
        <source>Waiting for %1 to quit</source>
        <translation>Đang chờ %1 thoát</translation>
    </message>
    <message>
        <source>Turned off</source>
        <translation>Đã tắt</translation>
    </message>
    <message>
        <source>Paused everywhere</source>
        <translation>Đã tạm dừng ở mọi nơi</translation>
    </message>
    <message>
        <source>%1, %2 typical wait</source>
        <translation>%1, thường chờ %2</translation>
    </message>
    <message>
        <source>Start your streak today.</source>
        <translation>Bắt đầu chuỗi ngày của bạn hôm nay.</translation>
    </message>
    <message>
        <source>Overview</source>
        <translation>Tổng quan</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Chung</translation>
    </message>
    <message>
        <source>Engine</source>
        <translation>Bộ máy</translation>
    </message>
    <message>
        <source>Context</source>
        <translation>Ngữ cảnh</translation>
    </message>
    <message>
        <source>Your Voice</source>
        <translation>Giọng văn của bạn</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Phím</translation>
    </message>
    <message>
        <source>Emoji</source>
        <translation>Emoji</translation>
    </message>
    <message>
        <source>Battery</source>
        <translation>Pin</translation>
    </message>
    <message>
        <source>Insights</source>
        <translation>Thống kê</translation>
    </message>
    <message>
        <source>Field Inspector</source>
        <translation>Trình kiểm tra ô nhập</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Giới thiệu</translation>
    </message>
    <message>
        <source>How %app is doing today</source>
        <translation>Hôm nay %app hoạt động ra sao</translation>
    </message>
    <message>
        <source>Where and how suggestions appear</source>
        <translation>Gợi ý xuất hiện ở đâu và như thế nào</translation>
    </message>
    <message>
        <source>The model that writes your suggestions</source>
        <translation>Mô hình tạo gợi ý cho bạn</translation>
    </message>
    <message>
        <source>What %app may look at to guess better</source>
        <translation>Những gì %app được xem để đoán tốt hơn</translation>
    </message>
    <message>
        <source>Help suggestions sound like you</source>
        <translation>Giúp gợi ý nghe giống bạn</translation>
    </message>
    <message>
        <source>Accept, dismiss and summon suggestions</source>
        <translation>Chấp nhận, bỏ qua và gọi gợi ý</translation>
    </message>
    <message>
        <source>Emoji search and emoticons</source>
        <translation>Tìm emoji và biểu tượng cảm xúc</translation>
    </message>
    <message>
        <source>Rules for each app and website</source>
        <translation>Quy tắc cho từng ứng dụng và trang web</translation>
    </message>
    <message>
        <source>Save power when you&apos;re unplugged</source>
        <translation>Tiết kiệm pin khi không cắm sạc</translation>
    </message>
    <message>
        <source>Words saved and how fast suggestions arrive</source>
        <translation>Số từ tiết kiệm được và tốc độ gợi ý</translation>
    </message>
    <message>
        <source>What %app sees in the focused field</source>
        <translation>Những gì %app thấy trong ô đang được chọn</translation>
    </message>
    <message>
        <source>Version and privacy</source>
        <translation>Phiên bản và quyền riêng tư</translation>
    </message>
    <message>
        <source>Writing</source>
        <translation>Viết</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Nhập liệu</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Quy tắc</translation>
    </message>
    <message>
        <source>Activity</source>
        <translation>Hoạt động</translation>
    </message>
    <message>
        <source>%app can read the field you&apos;re typing in and insert suggestions in any app.</source>
        <translation>%app có thể đọc ô bạn đang gõ và chèn gợi ý trong mọi ứng dụng.</translation>
    </message>
    <message>
        <source>Allow Accessibility access</source>
        <translation>Cho phép quyền Trợ năng</translation>
    </message>
    <message>
        <source>%app needs it to read the text you type in other apps and to insert suggestions.</source>
        <translation>%app cần quyền này để đọc văn bản bạn gõ trong các ứng dụng khác và chèn gợi ý.</translation>
    </message>
    <message>
        <source>Allow…</source>
        <translation>Cho phép…</translation>
    </message>
    <message>
        <source>%1 is ready</source>
        <translation>%1 đã sẵn sàng</translation>
    </message>
    <message>
        <source>Checking %1</source>
        <translation>Đang kiểm tra %1</translation>
    </message>
    <message>
        <source>This takes a moment.</source>
        <translation>Việc này mất một lúc.</translation>
    </message>
    <message>
        <source>Your engine isn&apos;t ready</source>
        <translation>Bộ máy của bạn chưa sẵn sàng</translation>
    </message>
    <message>
        <source>Open Engine</source>
        <translation>Mở cài đặt bộ máy</translation>
    </message>
    <message>
        <source>The system&apos;s predictions are off</source>
        <translation>Tính năng dự đoán của hệ thống đang tắt</translation>
    </message>
    <message>
        <source>Only %app&apos;s suggestions appear while you type.</source>
        <translation>Chỉ gợi ý của %app xuất hiện khi bạn gõ.</translation>
    </message>
    <message>
        <source>Turn off the system&apos;s predictions</source>
        <translation>Tắt tính năng dự đoán của hệ thống</translation>
    </message>
    <message>
        <source>The system shows its own grey suggestions on top of %app&apos;s. Each app picks up the change the next time you open it.</source>
        <translation>Hệ thống hiện gợi ý màu xám của riêng nó chồng lên gợi ý của %app. Mỗi ứng dụng sẽ nhận thay đổi vào lần mở tiếp theo.</translation>
    </message>
    <message>
        <source>Keyboard Settings</source>
        <translation>Cài đặt bàn phím</translation>
    </message>
    <message>
        <source>Turn Off</source>
        <translation>Tắt</translation>
    </message>
    <message>
        <source>Only %app is suggesting</source>
        <translation>Chỉ %app đang gợi ý</translation>
    </message>
    <message>
        <source>Tab reaches %app again.</source>
        <translation>Phím Tab lại được chuyển cho %app.</translation>
    </message>
    <message numerus="yes">
        <source>%1 didn&apos;t quit. They may be showing a dialog. Force Quit closes them right away.</source>
        <translation>
            <numerusform>%1 chưa thoát, có thể do đang hiện hộp thoại. “Buộc thoát” sẽ đóng ngay lập tức.</numerusform>
        </translation>
    </message>
    <message>
        <source>Force Quit</source>
        <translation>Buộc thoát</translation>
    </message>
    <message numerus="yes">
        <source>%1 take the Tab key before %app can, so %app stays paused in your other apps until you quit them.</source>
        <translation>
            <numerusform>%1 nhận phím Tab trước %app, nên %app sẽ tạm dừng trong các ứng dụng khác cho đến khi bạn thoát %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Only when I ask</source>
        <translation>Chỉ khi tôi yêu cầu</translation>
    </message>
    <message>
        <source>On battery, suggestions appear only after you press the Suggest Now shortcut.</source>
        <translation>Khi dùng pin, gợi ý chỉ xuất hiện sau khi bạn nhấn phím tắt “Gợi ý ngay”.</translation>
    </message>
    <message>
        <source>Shorter suggestions</source>
        <translation>Gợi ý ngắn hơn</translation>
    </message>
    <message>
        <source>Fewer words take less power to write.</source>
        <translation>Ít từ hơn thì tốn ít điện hơn để tạo.</translation>
    </message>
    <message>
        <source>Lighter model</source>
        <translation>Mô hình nhẹ hơn</translation>
    </message>
    <message>
        <source>Same as plugged in</source>
        <translation>Giống như khi cắm sạc</translation>
    </message>
    <message>
        <source>Running on battery. These apply right now.</source>
        <translation>Đang chạy bằng pin. Các thiết lập này áp dụng ngay.</translation>
    </message>
    <message>
        <source>Plugged in. These wait until you unplug.</source>
        <translation>Đang cắm sạc. Các thiết lập này chờ đến khi bạn rút sạc.</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Mô hình</translation>
    </message>
    <message>
        <source>Model name</source>
        <translation>Tên mô hình</translation>
    </message>
    <message>
        <source>Reload the model list</source>
        <translation>Làm mới danh sách mô hình</translation>
    </message>
    <message>
        <source>Choose a model</source>
        <translation>Chọn mô hình</translation>
    </message>
    <message>
        <source>For people who already run Ollama, LM Studio or llama-server.</source>
        <translation>Dành cho người đã chạy Ollama, LM Studio hoặc llama-server.</translation>
    </message>
    <message>
        <source>Use your own model</source>
        <translation>Dùng mô hình của riêng bạn</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Địa chỉ</translation>
    </message>
    <message>
        <source>API key</source>
        <translation>Khóa API</translation>
    </message>
    <message>
        <source>Only if your server asks for one</source>
        <translation>Chỉ khi máy chủ của bạn yêu cầu</translation>
    </message>
    <message>
        <source>Focused</source>
        <translation>Tập trung</translation>
    </message>
    <message>
        <source>Creativity</source>
        <translation>Sáng tạo</translation>
    </message>
    <message>
        <source>Loose</source>
        <translation>Phóng khoáng</translation>
    </message>
    <message>
        <source>Lower stays close to the obvious next words. Higher tries more.</source>
        <translation>Thấp thì bám sát những từ tiếp theo hiển nhiên. Cao thì thử nhiều hơn.</translation>
    </message>
    <message>
        <source>Wait before suggesting</source>
        <translation>Chờ trước khi gợi ý</translation>
    </message>
    <message>
        <source>How long you pause before %app starts.</source>
        <translation>Bạn ngừng gõ bao lâu thì %app bắt đầu.</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Chạy</translation>
    </message>
    <message>
        <source>Try the engine</source>
        <translation>Thử bộ máy</translation>
    </message>
    <message>
        <source>Sends a sample sentence and shows what comes back.</source>
        <translation>Gửi một câu mẫu và hiện kết quả trả về.</translation>
    </message>
    <message>
        <source>Running…</source>
        <translation>Đang chạy…</translation>
    </message>
    <message>
        <source>The engine answered in %1 but had nothing useful to add.</source>
        <translation>Bộ máy đã trả lời trong %1 nhưng không có gì hữu ích để thêm.</translation>
    </message>
    <message>
        <source>That didn&apos;t work: %1</source>
        <translation>Không thành công: %1</translation>
    </message>
    <message>
        <source>The request was cancelled.</source>
        <translation>Yêu cầu đã bị hủy.</translation>
    </message>
    <message>
        <source>Startup</source>
        <translation>Khởi động</translation>
    </message>
    <message>
        <source>Launch at login</source>
        <translation>Mở khi đăng nhập</translation>
    </message>
    <message>
        <source>Show today&apos;s word count next to the icon</source>
        <translation>Hiện số từ hôm nay cạnh biểu tượng</translation>
    </message>
    <message>
        <source>Where suggestions appear</source>
        <translation>Nơi gợi ý xuất hiện</translation>
    </message>
    <message>
        <source>Turn this off to use %app only in the apps you switch on under Apps &amp; Sites.</source>
        <translation>Tắt mục này để chỉ dùng %app trong các ứng dụng bạn bật ở “Ứng dụng và trang web”.</translation>
    </message>
    <message>
        <source>By default %app waits until the caret is at the end of a line.</source>
        <translation>Theo mặc định, %app chờ đến khi con trỏ ở cuối dòng.</translation>
    </message>
    <message>
        <source>Without this, %app skips search bars and one-word boxes.</source>
        <translation>Nếu tắt, %app bỏ qua thanh tìm kiếm và các ô chỉ nhập một từ.</translation>
    </message>
    <message>
        <source>Suggestions appear only after you press the Suggest Now shortcut.</source>
        <translation>Gợi ý chỉ xuất hiện sau khi bạn nhấn phím tắt “Gợi ý ngay”.</translation>
    </message>
    <message>
        <source>Spelling</source>
        <translation>Chính tả</translation>
    </message>
    <message>
        <source>Waits while the word you&apos;re typing looks misspelled, so %app doesn&apos;t build on a typo.</source>
        <translation>Chờ khi từ bạn đang gõ có vẻ sai chính tả, để %app không viết tiếp dựa trên lỗi gõ.</translation>
    </message>
    <message>
        <source>After a misspelled word, shows a fix next to the caret. Press Tab to swap it in.</source>
        <translation>Sau một từ sai chính tả, hiện cách sửa cạnh con trỏ. Nhấn Tab để thay vào.</translation>
    </message>
    <message>
        <source>Look</source>
        <translation>Giao diện</translation>
    </message>
    <message>
        <source>Suggestion color</source>
        <translation>Màu gợi ý</translation>
    </message>
    <message>
        <source>Text size</source>
        <translation>Cỡ chữ</translation>
    </message>
    <message>
        <source>Fine-tune if suggestions look larger or smaller than your text.</source>
        <translation>Tinh chỉnh nếu gợi ý trông lớn hơn hoặc nhỏ hơn chữ của bạn.</translation>
    </message>
    <message>
        <source>Vertical position</source>
        <translation>Vị trí dọc</translation>
    </message>
    <message>
        <source>Nudge suggestions up or down to line up with your text.</source>
        <translation>Dịch gợi ý lên hoặc xuống cho thẳng hàng với chữ của bạn.</translation>
    </message>
    <message>
        <source>A small keycap after your first suggestions, as a reminder of what to press.</source>
        <translation>Một phím nhỏ sau vài gợi ý đầu tiên, để nhắc bạn nhấn phím nào.</translation>
    </message>
    <message>
        <source>Insert suggestions by</source>
        <translation>Chèn gợi ý bằng</translation>
    </message>
    <message>
        <source>Other autocomplete apps</source>
        <translation>Ứng dụng tự hoàn thành khác</translation>
    </message>
    <message>
        <source>They take the Tab key before %app can. With this off, %app asks you first.</source>
        <translation>Chúng nhận phím Tab trước %app. Khi tắt mục này, %app sẽ hỏi bạn trước.</translation>
    </message>
    <message>
        <source>%1 is another device on your network, so the text around your caret will be sent there.</source>
        <translation>%1 là một thiết bị khác trong mạng của bạn, nên văn bản quanh con trỏ sẽ được gửi đến đó.</translation>
    </message>
    <message>
        <source>%1 isn&apos;t this computer, so the text around your caret will be sent there.</source>
        <translation>%1 không phải máy tính này, nên văn bản quanh con trỏ sẽ được gửi đến đó.</translation>
    </message>
    <message>
        <source>Both keep your text on this computer.</source>
        <translation>Cả hai đều giữ văn bản của bạn trên máy tính này.</translation>
    </message>
    <message>
        <source>%app opens by itself when you start your computer.</source>
        <translation>%app tự mở khi bạn khởi động máy tính.</translation>
    </message>
    <message>
        <source>System predictions</source>
        <translation>Dự đoán của hệ thống</translation>
    </message>
    <message>
        <source>The system can show its own grey predictions. Keeping them off avoids two suggestions at once.</source>
        <translation>Hệ thống có thể hiện dự đoán màu xám của riêng nó. Tắt chúng đi để tránh hai gợi ý cùng lúc.</translation>
    </message>
    <message>
        <source>System predictions are on</source>
        <translation>Dự đoán của hệ thống đang bật</translation>
    </message>
    <message>
        <source>System predictions are off</source>
        <translation>Dự đoán của hệ thống đang tắt</translation>
    </message>
    <message>
        <source>tab</source>
        <translation>tab</translation>
    </message>
    <message>
        <source>Your next words, one Tab away.</source>
        <translation>Những từ tiếp theo, chỉ cách một phím Tab.</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Bỏ qua</translation>
    </message>
    <message>
        <source>Get Started</source>
        <translation>Bắt đầu</translation>
    </message>
    <message>
        <source>Turn sound on</source>
        <translation>Bật âm thanh</translation>
    </message>
    <message>
        <source>Turn sound off</source>
        <translation>Tắt âm thanh</translation>
    </message>
    <message>
        <source>The other app</source>
        <translation>Ứng dụng kia</translation>
    </message>
    <message numerus="yes">
        <source>Next time, quit %1 without asking</source>
        <translation>
            <numerusform>Lần sau, thoát %1 mà không hỏi</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 is also running</source>
        <translation>
            <numerusform>%1 cũng đang chạy</numerusform>
        </translation>
    </message>
    <message>
        <source>Quitting…</source>
        <translation>Đang thoát…</translation>
    </message>
    <message numerus="yes">
        <source>%1 is still open</source>
        <translation>
            <numerusform>%1 vẫn đang mở</numerusform>
        </translation>
    </message>
    <message>
        <source>%app has the Tab key</source>
        <translation>Phím Tab giờ thuộc về %app</translation>
    </message>
    <message>
        <source>%1 quit, so your suggestions are back in every app.</source>
        <translation>%1 đã thoát, gợi ý đã trở lại trong mọi ứng dụng.</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Xong</translation>
    </message>
    <message>
        <source>Open Source Notices</source>
        <translation>Giấy phép mã nguồn mở</translation>
    </message>
    <message>
        <source>Reset all settings?</source>
        <translation>Đặt lại mọi cài đặt?</translation>
    </message>
    <message>
        <source>This also clears your rules for apps and sites. Your statistics and writing memory stay.</source>
        <translation>Thao tác này cũng xóa các quy tắc cho ứng dụng và trang web. Thống kê và bộ nhớ văn phong được giữ nguyên.</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Đặt lại</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Phiên bản %1</translation>
    </message>
    <message>
        <source>Some apps hide their text</source>
        <translation>Một số ứng dụng ẩn văn bản</translation>
    </message>
    <message>
        <source>Suggest emoji after a colon</source>
        <translation>Gợi ý emoji sau dấu hai chấm</translation>
    </message>
    <message>
        <source>Turn emoticons into emoji</source>
        <translation>Chuyển biểu tượng cảm xúc thành emoji</translation>
    </message>
    <message>
        <source>After :-) or &lt;3, %app offers the matching emoji. Press Tab to swap it in.</source>
        <translation>Sau :-) hoặc &lt;3, %app đề xuất emoji tương ứng. Nhấn Tab để thay vào.</translation>
    </message>
    <message>
        <source>Skin tone</source>
        <translation>Tông màu da</translation>
    </message>
    <message>
        <source>Also show the default yellow</source>
        <translation>Hiện cả màu vàng mặc định</translation>
    </message>
    <message>
        <source>Try a word</source>
        <translation>Thử gõ một từ</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Nhẹ</translation>
    </message>
    <message>
        <source>No emoji match “%1”</source>
        <translation>Không có emoji nào khớp với “%1”</translation>
    </message>
    <message>
        <source>Accepting</source>
        <translation>Chấp nhận</translation>
    </message>
    <message>
        <source>Take the next word</source>
        <translation>Lấy từ tiếp theo</translation>
    </message>
    <message>
        <source>Press again for each following word.</source>
        <translation>Nhấn lại để lấy từng từ tiếp theo.</translation>
    </message>
    <message>
        <source>Take the whole suggestion</source>
        <translation>Lấy toàn bộ gợi ý</translation>
    </message>
    <message>
        <source>The key above Tab is easy to reach on most keyboards.</source>
        <translation>Phím phía trên Tab dễ bấm trên hầu hết bàn phím.</translation>
    </message>
    <message>
        <source>Include the space after a word</source>
        <translation>Kèm dấu cách sau từ</translation>
    </message>
    <message>
        <source>Include punctuation right after a word</source>
        <translation>Kèm dấu câu ngay sau từ</translation>
    </message>
    <message>
        <source>When you press Escape</source>
        <translation>Khi bạn nhấn Esc</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Phím tắt</translation>
    </message>
    <message>
        <source>Suggest now</source>
        <translation>Gợi ý ngay</translation>
    </message>
    <message>
        <source>Asks for a suggestion right away, even where %app would normally wait.</source>
        <translation>Yêu cầu gợi ý ngay lập tức, kể cả khi %app thường sẽ chờ.</translation>
    </message>
    <message>
        <source>Other suggestions</source>
        <translation>Gợi ý khác</translation>
    </message>
    <message>
        <source>Lists a few different ways to continue. Choose with the arrow keys, then press Tab.</source>
        <translation>Liệt kê vài cách viết tiếp khác nhau. Chọn bằng phím mũi tên, rồi nhấn Tab.</translation>
    </message>
    <message>
        <source>Pause or resume in this app</source>
        <translation>Tạm dừng hoặc tiếp tục trong ứng dụng này</translation>
    </message>
    <message>
        <source>Pauses for 15 minutes.</source>
        <translation>Tạm dừng trong 15 phút.</translation>
    </message>
    <message>
        <source>Turn %app on or off</source>
        <translation>Bật hoặc tắt %app</translation>
    </message>
    <message>
        <source>Everywhere, until you press it again.</source>
        <translation>Ở mọi nơi, cho đến khi bạn nhấn lại.</translation>
    </message>
    <message>
        <source>Pause or resume</source>
        <translation>Tạm dừng hoặc tiếp tục</translation>
    </message>
    <message>
        <source>Turn on or off</source>
        <translation>Bật hoặc tắt</translation>
    </message>
    <message>
        <source>%1 and %2 use the same keys. Only the first will work.</source>
        <translation>%1 và %2 dùng cùng một tổ hợp phím. Chỉ cái đầu tiên hoạt động.</translation>
    </message>
    <message>
        <source>About you</source>
        <translation>Về bạn</translation>
    </message>
    <message>
        <source>For example: I&apos;m a product designer in Berlin. I write short, friendly emails in British English and sign off with Cheers.</source>
        <translation>Ví dụ: Tôi là nhà thiết kế sản phẩm ở Berlin. Tôi viết email ngắn, thân thiện bằng tiếng Anh kiểu Anh và kết thư bằng Cheers.</translation>
    </message>
    <message>
        <source>Your role, the languages you write in, names you use often, how you like to sound.</source>
        <translation>Vai trò của bạn, các ngôn ngữ bạn viết, những cái tên bạn hay dùng, giọng điệu bạn muốn.</translation>
    </message>
    <message>
        <source>Writing memory</source>
        <translation>Bộ nhớ văn phong</translation>
    </message>
    <message>
        <source>Remember how I write</source>
        <translation>Ghi nhớ cách tôi viết</translation>
    </message>
    <message>
        <source>Also remember fields where I accept nothing</source>
        <translation>Ghi nhớ cả những ô mà tôi không chấp nhận gợi ý nào</translation>
    </message>
    <message>
        <source>%app learns your style sooner but keeps more of what you type.</source>
        <translation>%app học văn phong của bạn nhanh hơn nhưng giữ lại nhiều hơn những gì bạn gõ.</translation>
    </message>
    <message>
        <source>Influence</source>
        <translation>Mức ảnh hưởng</translation>
    </message>
    <message>
        <source>Strong</source>
        <translation>Mạnh</translation>
    </message>
    <message>
        <source>How many of your passages each suggestion can draw on.</source>
        <translation>Số đoạn văn của bạn mà mỗi gợi ý có thể tham khảo.</translation>
    </message>
    <message>
        <source>Erase All…</source>
        <translation>Xóa tất cả…</translation>
    </message>
    <message>
        <source>Erase everything %app remembered?</source>
        <translation>Xóa mọi thứ %app đã ghi nhớ?</translation>
    </message>
    <message>
        <source>This can&apos;t be undone.</source>
        <translation>Không thể hoàn tác thao tác này.</translation>
    </message>
    <message>
        <source>Erase All</source>
        <translation>Xóa tất cả</translation>
    </message>
    <message>
        <source>Nothing remembered yet</source>
        <translation>Chưa ghi nhớ gì</translation>
    </message>
    <message>
        <source>App and window name</source>
        <translation>Tên ứng dụng và cửa sổ</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>Trang web</translation>
    </message>
    <message>
        <source>The site&apos;s domain when you write in a browser.</source>
        <translation>Tên miền của trang khi bạn viết trong trình duyệt.</translation>
    </message>
    <message>
        <source>Recently copied text</source>
        <translation>Văn bản vừa sao chép</translation>
    </message>
    <message>
        <source>Anything you copied in the last 10 minutes. Copies from password managers are skipped.</source>
        <translation>Bất cứ thứ gì bạn đã sao chép trong 10 phút qua. Nội dung sao chép từ trình quản lý mật khẩu sẽ bị bỏ qua.</translation>
    </message>
    <message>
        <source>Text on screen</source>
        <translation>Văn bản trên màn hình</translation>
    </message>
    <message>
        <source>Reads the window you&apos;re writing in, so replies fit the conversation. It picks the lines closest to where you type.</source>
        <translation>Đọc cửa sổ bạn đang viết để câu trả lời hợp với cuộc trò chuyện. Chọn những dòng gần chỗ bạn gõ nhất.</translation>
    </message>
    <message>
        <source>What you just looked at</source>
        <translation>Thứ bạn vừa xem</translation>
    </message>
    <message>
        <source>Windows beside you</source>
        <translation>Cửa sổ bên cạnh</translation>
    </message>
    <message>
        <source>Also reads up to two other windows on the same screen, like the document you&apos;re replying about. Skips password managers and apps you switched off.</source>
        <translation>Đọc thêm tối đa hai cửa sổ khác trên cùng màn hình, như tài liệu bạn đang trả lời. Bỏ qua trình quản lý mật khẩu và các ứng dụng bạn đã tắt.</translation>
    </message>
    <message>
        <source>Off in this app</source>
        <translation>Tắt trong ứng dụng này</translation>
    </message>
    <message>
        <source>This word looks misspelled</source>
        <translation>Từ này có vẻ sai chính tả</translation>
    </message>
    <message>
        <source>Thanks for the notes. I&apos;ll send the revised deck</source>
        <translation>Cảm ơn về các ghi chú. Mình sẽ gửi bản slide đã sửa</translation>
    </message>
    <message>
        <source> by Friday morning.</source>
        <translation> trước sáng thứ Sáu.</translation>
    </message>
    <message>
        <source>%1 quit. %app has the Tab key.</source>
        <translation>%1 đã thoát. Phím Tab giờ thuộc về %app.</translation>
    </message>
    <message>
        <source>Open Data Folder</source>
        <translation>Mở thư mục dữ liệu</translation>
    </message>
    <message>
        <source>Show Welcome Again</source>
        <translation>Hiện lại màn hình chào mừng</translation>
    </message>
    <message>
        <source>Play Intro Again</source>
        <translation>Phát lại phần giới thiệu</translation>
    </message>
    <message>
        <source>Reset Settings…</source>
        <translation>Đặt lại cài đặt…</translation>
    </message>
    <message>
        <source>Suggest in every app</source>
        <translation>Gợi ý trong mọi ứng dụng</translation>
    </message>
    <message>
        <source>Suggest in code editors</source>
        <translation>Gợi ý trong trình soạn thảo mã</translation>
    </message>
    <message>
        <source>Suggest in the middle of a line</source>
        <translation>Gợi ý ở giữa dòng</translation>
    </message>
    <message>
        <source>Suggest in small fields</source>
        <translation>Gợi ý trong ô nhỏ</translation>
    </message>
    <message>
        <source>Hold back on misspelled words</source>
        <translation>Tạm chờ khi từ sai chính tả</translation>
    </message>
    <message>
        <source>Offer spelling fixes</source>
        <translation>Đề xuất sửa chính tả</translation>
    </message>
    <message>
        <source>Show the key hint</source>
        <translation>Hiện gợi ý phím</translation>
    </message>
    <message>
        <source>Quit other autocomplete apps when they open</source>
        <translation>Thoát các ứng dụng tự hoàn thành khác khi chúng mở</translation>
    </message>
    <message>
        <source>Keeps a few minutes of text from windows you switched away from, like a page you read before replying. It stays on your computer and skips apps you switched off.</source>
        <translation>Giữ văn bản trong vài phút từ các cửa sổ bạn vừa chuyển đi, như trang bạn đọc trước khi trả lời. Văn bản ở lại trên máy tính của bạn và bỏ qua các ứng dụng bạn đã tắt.</translation>
    </message>
    <message numerus="yes">
        <source>Both apps answer the Tab key, and the system gives it to %1 first. %app stays paused in your other apps until %1 quits.</source>
        <translation>
            <numerusform>%1 nhận phím Tab trước %app, nên %app sẽ tạm dừng trong các ứng dụng khác cho đến khi bạn thoát ứng dụng đó.</numerusform>
        </translation>
    </message>
    <message>
        <source>Finishes your sentences in any app, on your computer.</source>
        <translation>Viết nốt câu của bạn trong mọi ứng dụng, ngay trên máy tính của bạn.</translation>
    </message>
    <message>
        <source>Keeps short passages from fields where you accepted a suggestion, encrypted on this computer, and shows them to the model as examples.</source>
        <translation>Giữ các đoạn văn ngắn từ những ô bạn đã chấp nhận gợi ý, được mã hóa trên máy tính này, và đưa chúng cho mô hình làm ví dụ.</translation>
    </message>
    <message>
        <source>Light</source>
        <comment>skin tone</comment>
        <translation>Sáng</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Default</source>
        <comment>skin tone</comment>
        <translation>Mặc định</translation>
    </message>
    <message>
        <source>Medium light</source>
        <comment>skin tone</comment>
        <translation>Sáng vừa</translation>
    </message>
    <message>
        <source>Medium</source>
        <comment>skin tone</comment>
        <translation>Trung bình</translation>
    </message>
    <message>
        <source>Medium dark</source>
        <comment>skin tone</comment>
        <translation>Tối vừa</translation>
    </message>
    <message>
        <source>Dark</source>
        <comment>skin tone</comment>
        <translation>Tối</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Không rõ</translation>
    </message>
    <message>
        <source>%1 × %2 pt</source>
        <translation>%1 × %2 pt</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Không</translation>
    </message>
    <message>
        <source>Not reported, estimated from the caret</source>
        <translation>Không được báo, ước tính từ con trỏ</translation>
    </message>
    <message>
        <source>%1 %2 pt</source>
        <translation>%1 %2 pt</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Hệ thống</translation>
    </message>
    <message>
        <source>Not yet</source>
        <translation>Chưa có</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Hôm nay</translation>
    </message>
    <message>
        <source>Last 7 days</source>
        <translation>7 ngày qua</translation>
    </message>
    <message>
        <source>All time</source>
        <translation>Toàn bộ thời gian</translation>
    </message>
    <message>
        <source>Typing saved</source>
        <translation>Thời gian gõ tiết kiệm được</translation>
    </message>
    <message>
        <source>at 40 words a minute</source>
        <translation>với tốc độ 40 từ một phút</translation>
    </message>
    <message>
        <source>Accepted</source>
        <translation>Tỷ lệ chấp nhận</translation>
    </message>
    <message>
        <source>of suggestions shown</source>
        <translation>trong số gợi ý đã hiện</translation>
    </message>
    <message>
        <source>Typical wait</source>
        <translation>Thời gian chờ thông thường</translation>
    </message>
    <message>
        <source>9 in 10 under %1</source>
        <translation>9/10 lần dưới %1</translation>
    </message>
    <message>
        <source>no requests yet</source>
        <translation>chưa có yêu cầu nào</translation>
    </message>
    <message>
        <source>Words saved</source>
        <translation>Số từ tiết kiệm được</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>Khoảng thời gian</translation>
    </message>
    <message>
        <source>Nothing to chart yet</source>
        <translation>Chưa có gì để vẽ biểu đồ</translation>
    </message>
    <message>
        <source>Accept a few suggestions and your days show up here.</source>
        <translation>Hãy chấp nhận vài gợi ý và các ngày của bạn sẽ hiện ở đây.</translation>
    </message>
    <message>
        <source>Where you write</source>
        <translation>Nơi bạn viết</translation>
    </message>
    <message>
        <source>Reset Statistics…</source>
        <translation>Đặt lại thống kê…</translation>
    </message>
    <message>
        <source>Reset all statistics?</source>
        <translation>Đặt lại mọi thống kê?</translation>
    </message>
    <message>
        <source>This clears words saved, acceptance and timing history.</source>
        <translation>Thao tác này xóa lịch sử số từ tiết kiệm được, tỷ lệ chấp nhận và thời gian chờ.</translation>
    </message>
    <message>
        <source>Copy Diagnostics</source>
        <translation>Sao chép chẩn đoán</translation>
    </message>
    <message>
        <source>Diagnostics leave out the text you typed.</source>
        <translation>Dữ liệu chẩn đoán không bao gồm văn bản bạn đã gõ.</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Trạng thái</translation>
    </message>
    <message>
        <source>Right now</source>
        <translation>Hiện tại</translation>
    </message>
    <message>
        <source>Allowed</source>
        <translation>Được phép</translation>
    </message>
    <message>
        <source>Not allowed</source>
        <translation>Không được phép</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Bàn phím</translation>
    </message>
    <message>
        <source>Listening</source>
        <translation>Đang lắng nghe</translation>
    </message>
    <message>
        <source>Not listening</source>
        <translation>Không lắng nghe</translation>
    </message>
    <message>
        <source>Focused field</source>
        <translation>Ô đang được chọn</translation>
    </message>
    <message>
        <source>Click into a text field in another app, then come back. The last field %1 saw stays here.</source>
        <translation>Bấm vào một ô nhập trong ứng dụng khác rồi quay lại. Ô cuối cùng %1 thấy sẽ được giữ ở đây.</translation>
    </message>
    <message>
        <source>App</source>
        <translation>Ứng dụng</translation>
    </message>
    <message>
        <source>Field type</source>
        <translation>Loại ô</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>Cửa sổ</translation>
    </message>
    <message>
        <source>Field size</source>
        <translation>Kích thước ô</translation>
    </message>
    <message>
        <source>Caret found</source>
        <translation>Tìm thấy con trỏ</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Phông chữ</translation>
    </message>
    <message>
        <source>At end of line</source>
        <translation>Ở cuối dòng</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Có</translation>
    </message>
    <message>
        <source>Secure input</source>
        <translation>Nhập liệu bảo mật</translation>
    </message>
    <message>
        <source>Looked at lately</source>
        <translation>Vừa xem gần đây</translation>
    </message>
    <message>
        <source>Text before the caret</source>
        <translation>Văn bản trước con trỏ</translation>
    </message>
    <message>
        <source>Last request</source>
        <translation>Yêu cầu gần nhất</translation>
    </message>
    <message>
        <source>Wait</source>
        <translation>Thời gian chờ</translation>
    </message>
    <message>
        <source>Suggestion</source>
        <translation>Gợi ý</translation>
    </message>
    <message>
        <source>Prompt sent to the engine</source>
        <translation>Lời nhắc gửi tới bộ máy</translation>
    </message>
    <message>
        <source>Raw answer</source>
        <translation>Câu trả lời thô</translation>
    </message>
    <message>
        <source>(empty)</source>
        <translation>(trống)</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>Đã sao chép</translation>
    </message>
    <message>
        <source>Choose a language</source>
        <translation>Chọn ngôn ngữ</translation>
    </message>
    <message>
        <source>Search languages</source>
        <translation>Tìm ngôn ngữ</translation>
    </message>
    <message>
        <source>Same as my computer</source>
        <translation>Theo hệ thống</translation>
    </message>
    <message>
        <source>Switch to %1?</source>
        <translation>Chuyển sang %1?</translation>
    </message>
    <message>
        <source>%1 closes and opens again in a second. Your settings stay as they are.</source>
        <translation>%1 sẽ đóng và mở lại sau một giây. Cài đặt của bạn vẫn giữ nguyên.</translation>
    </message>
    <message>
        <source>Reopen Now</source>
        <translation>Mở lại ngay</translation>
    </message>
    <message>
        <source>App language</source>
        <translation>Ngôn ngữ ứng dụng</translation>
    </message>
    <message>
        <source>Pick the language you read most easily. Suggestions follow whatever language you type.</source>
        <translation>Chọn ngôn ngữ bạn đọc dễ nhất. Gợi ý sẽ theo ngôn ngữ bạn gõ.</translation>
    </message>
    <message>
        <source>Change the app language</source>
        <translation>Đổi ngôn ngữ ứng dụng</translation>
    </message>
    <message>
        <source>0 min</source>
        <translation>0 phút</translation>
    </message>
    <message>
        <source>under a minute</source>
        <translation>chưa đến một phút</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 giây</translation>
    </message>
    <message>
        <source>Not set</source>
        <translation>Chưa đặt</translation>
    </message>
    <message>
        <source>Clear shortcut</source>
        <translation>Xóa phím tắt</translation>
    </message>
    <message>
        <source>Add Ctrl, Alt or Super so normal typing still works.</source>
        <translation>Thêm Ctrl, Alt hoặc Super để việc gõ bình thường vẫn hoạt động.</translation>
    </message>
    <message>
        <source>Type a shortcut…</source>
        <translation>Nhập phím tắt…</translation>
    </message>
    <message>
        <source>Recording shortcut</source>
        <translation>Đang ghi phím tắt</translation>
    </message>
    <message>
        <source>Shortcut %1</source>
        <translation>Phím tắt %1</translation>
    </message>
    <message>
        <source>Record shortcut</source>
        <translation>Ghi phím tắt</translation>
    </message>
    <message>
        <source>Shortcut not set</source>
        <translation>Chưa đặt phím tắt</translation>
    </message>
    <message>
        <source>Press to record a new shortcut. Escape cancels.</source>
        <translation>Nhấn để ghi phím tắt mới. Nhấn Esc để hủy.</translation>
    </message>
    <message>
        <source>Your tray icon is hidden</source>
        <translation>Biểu tượng khay của bạn đang bị ẩn</translation>
    </message>
    <message>
        <source>This computer has no on-device language model</source>
        <translation>Máy tính này không có mô hình ngôn ngữ trên thiết bị</translation>
    </message>
    <message>
        <source>Turn on the on-device model in the desktop&apos;s settings</source>
        <translation>Hãy bật mô hình trên thiết bị trong cài đặt của màn hình nền</translation>
    </message>
    <message>
        <source>The on-device model is unavailable</source>
        <translation>Không dùng được mô hình trên thiết bị</translation>
    </message>
    <message>
        <source>Downloading. The on-device model fills in until it&apos;s done.</source>
        <translation>Đang tải xuống. Mô hình trên thiết bị sẽ thay thế cho đến khi xong.</translation>
    </message>
    <message>
        <source>The on-device model fills in until you download it.</source>
        <translation>Mô hình trên thiết bị sẽ thay thế cho đến khi bạn tải xuống.</translation>
    </message>
    <message>
        <source>%1 shares no text. Quit it and start it with %2 to get suggestions in it.</source>
        <translation>%1 không chia sẻ văn bản. Hãy thoát nó và khởi động bằng %2 để nhận gợi ý trong đó.</translation>
    </message>
    <message>
        <source>On-device model</source>
        <translation>Mô hình trên thiết bị</translation>
    </message>
    <message>
        <source>The system&apos;s own language model. Nothing to download.</source>
        <translation>Mô hình ngôn ngữ riêng của hệ thống. Không cần tải xuống.</translation>
    </message>
    <message>
        <source>A website name cannot hold spaces, tabs or line breaks.</source>
        <translation>Tên trang web không được chứa dấu cách, tab hoặc ngắt dòng.</translation>
    </message>
    <message>
        <source>Only addresses that start with http or https can be added.</source>
        <translation>Chỉ có thể thêm địa chỉ bắt đầu bằng http hoặc https.</translation>
    </message>
    <message>
        <source>That is not a website name. Type one such as wikipedia.org.</source>
        <translation>Đây không phải tên trang web. Hãy nhập tên như wikipedia.org.</translation>
    </message>
    <message>
        <source>A port is a number from 1 to 65535.</source>
        <translation>Cổng là một số từ 1 đến 65535.</translation>
    </message>
    <message>
        <source>The on-device model fills in until the download is done.</source>
        <translation>Mô hình trên thiết bị sẽ thay thế cho đến khi tải xuống xong.</translation>
    </message>
    <message>
        <source>Suggestions start once the download is done.</source>
        <translation>Gợi ý sẽ bắt đầu khi tải xuống xong.</translation>
    </message>
    <message>
        <source>This frees %1. The on-device model fills in until you download it again.</source>
        <translation>Thao tác này giải phóng %1. Mô hình trên thiết bị sẽ thay thế cho đến khi bạn tải xuống lại.</translation>
    </message>
    <message>
        <source>This frees %1. The %app model can&apos;t suggest until you download it again.</source>
        <translation>Thao tác này giải phóng %1. Mô hình %app không thể gợi ý cho đến khi bạn tải xuống lại.</translation>
    </message>
    <message>
        <source>There&apos;s no room for it, or your panel has no system tray. Add the panel&apos;s system tray or status area applet in its settings.</source>
        <translation>Không còn chỗ cho nó, hoặc bảng điều khiển của bạn không có khay hệ thống. Hãy thêm applet khay hệ thống hoặc vùng trạng thái trong cài đặt của bảng điều khiển.</translation>
    </message>
    <message>
        <source>GNOME shows tray icons only with the AppIndicator extension. Install the gnome-shell-extension-appindicator package, log out and in, then turn it on in Extensions.</source>
        <translation>GNOME chỉ hiện biểu tượng khay khi có tiện ích mở rộng AppIndicator. Hãy cài gói gnome-shell-extension-appindicator, đăng xuất rồi đăng nhập lại, sau đó bật nó trong “Tiện ích mở rộng”.</translation>
    </message>
    <message>
        <source>GNOME shows tray icons only with the AppIndicator extension. It is installed but off: turn it on in Extensions.</source>
        <translation>GNOME chỉ hiện biểu tượng khay khi có tiện ích mở rộng AppIndicator. Tiện ích đã được cài nhưng đang tắt: hãy bật nó trong “Tiện ích mở rộng”.</translation>
    </message>
    <message>
        <source>Until then, open %app from your applications menu to reach Settings.</source>
        <translation>Trong lúc chờ, hãy mở %app từ menu ứng dụng để vào Cài đặt.</translation>
    </message>
    <message>
        <source>Open Extensions</source>
        <translation>Mở “Tiện ích mở rộng”</translation>
    </message>
    <message>
        <source>Show Count in Tray</source>
        <translation>Hiện số đếm trên khay</translation>
    </message>
    <message>
        <source>%1 shares no text</source>
        <translation>%1 không chia sẻ văn bản</translation>
    </message>
    <message>
        <source>Copy command</source>
        <translation>Sao chép lệnh</translation>
    </message>
    <message>
        <source>There&apos;s no account and no analytics. With the %app model or the on-device model, your text stays on this computer.</source>
        <translation>Không có tài khoản, không thu thập dữ liệu sử dụng. Với mô hình %app hoặc mô hình trên thiết bị, văn bản của bạn ở lại trên máy tính này.</translation>
    </message>
    <message>
        <source>There&apos;s no account and no analytics. With the %app model, your text stays on this computer.</source>
        <translation>Không có tài khoản, không thu thập dữ liệu sử dụng. Với mô hình %app, văn bản của bạn ở lại trên máy tính này.</translation>
    </message>
    <message>
        <source>%app lives in your system tray from now on. Click its icon to pause it in an app or open Settings.</source>
        <translation>Từ nay %app nằm trong khay hệ thống. Nhấn vào biểu tượng để tạm dừng trong một ứng dụng hoặc mở Cài đặt.</translation>
    </message>
    <message>
        <source>%app has no account, no analytics and no servers of its own. The %app model and the on-device model keep your text on this computer. Other engines get it only if you set one up.</source>
        <translation>%app không có tài khoản, không thu thập dữ liệu sử dụng và không có máy chủ riêng. Mô hình %app và mô hình trên thiết bị giữ văn bản của bạn trên máy tính này. Các bộ máy khác chỉ nhận được văn bản nếu bạn thiết lập chúng.</translation>
    </message>
    <message>
        <source>%app has no account, no analytics and no servers of its own. The %app model keeps your text on this computer. Other engines get it only if you set one up.</source>
        <translation>%app không có tài khoản, không thu thập dữ liệu sử dụng và không có máy chủ riêng. Mô hình %app giữ văn bản của bạn trên máy tính này. Các bộ máy khác chỉ nhận được văn bản nếu bạn thiết lập chúng.</translation>
    </message>
    <message>
        <source>Installed applications</source>
        <translation>Ứng dụng đã cài đặt</translation>
    </message>
    <message>
        <source>%app reads these only while making a suggestion and never saves them. With the %app model or the on-device model, nothing leaves your computer.</source>
        <translation>%app chỉ đọc những thứ này khi đang tạo gợi ý và không bao giờ lưu lại. Với mô hình %app hoặc mô hình trên thiết bị, không gì rời khỏi máy tính của bạn.</translation>
    </message>
    <message>
        <source>%app reads these only while making a suggestion and never saves them. With the %app model, nothing leaves your computer.</source>
        <translation>%app chỉ đọc những thứ này khi đang tạo gợi ý và không bao giờ lưu lại. Với mô hình %app, không gì rời khỏi máy tính của bạn.</translation>
    </message>
    <message>
        <source>The %app model keeps your text on this computer.</source>
        <translation>Mô hình %app giữ văn bản của bạn trên máy tính này.</translation>
    </message>
    <message>
        <source>The key holds a line break or another control character. Paste it again without them.</source>
        <translation>Khóa có chứa ngắt dòng hoặc ký tự điều khiển khác. Hãy dán lại mà không có chúng.</translation>
    </message>
    <message>
        <source>Waiting for the keyring to store the key.</source>
        <translation>Đang chờ chùm khóa lưu khóa.</translation>
    </message>
    <message>
        <source>The keyring cannot keep this key, so it is used only until %app quits.</source>
        <translation>Chùm khóa không thể giữ khóa này, nên nó chỉ được dùng cho đến khi %app thoát.</translation>
    </message>
    <message>
        <source>Show in the system tray</source>
        <translation>Hiện trong khay hệ thống</translation>
    </message>
    <message>
        <source>Pause or open Settings from the system tray. Hidden? Open %app from your applications menu to come back.</source>
        <translation>Tạm dừng hoặc mở Cài đặt từ khay hệ thống. Đã ẩn? Mở %app từ menu ứng dụng để quay lại.</translation>
    </message>
    <message>
        <source>This tray can&apos;t show text beside icons, so the count shows in the icon&apos;s tooltip.</source>
        <translation>Khay này không thể hiện chữ cạnh biểu tượng, nên số đếm hiện trong chú giải của biểu tượng.</translation>
    </message>
    <message>
        <source>VS Code, VSCodium, Cursor, Zed, Kate, Sublime Text, JetBrains IDEs and similar apps.</source>
        <translation>VS Code, VSCodium, Cursor, Zed, Kate, Sublime Text, các IDE của JetBrains và các ứng dụng tương tự.</translation>
    </message>
    <message>
        <source>Your settings could not be read, so they were set aside and %app started over with its defaults.</source>
        <translation>Không đọc được cài đặt của bạn, nên chúng đã được để riêng và %app đã khởi động lại với cài đặt mặc định.</translation>
    </message>
    <message>
        <source>Your settings are not saved: %app cannot write to its settings folder.</source>
        <translation>Cài đặt của bạn chưa được lưu: %app không thể ghi vào thư mục cài đặt.</translation>
    </message>
    <message>
        <source>Your app and website rules could not be read, so they were set aside.</source>
        <translation>Không đọc được quy tắc ứng dụng và trang web của bạn, nên chúng đã được để riêng.</translation>
    </message>
    <message>
        <source>Your statistics could not be read, so they were set aside and counting started over.</source>
        <translation>Không đọc được thống kê của bạn, nên chúng đã được để riêng và việc đếm bắt đầu lại từ đầu.</translation>
    </message>
    <message>
        <source>Not saved: %app cannot write to its data folder.</source>
        <translation>Chưa lưu: %app không thể ghi vào thư mục dữ liệu.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln suggestions. %1 selected</source>
        <translation>
            <numerusform>%Ln gợi ý. Đã chọn %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln min</source>
        <translation>
            <numerusform>%Ln phút</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln words</source>
        <translation>
            <numerusform>%Ln từ</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln passages from here</source>
        <translation>
            <numerusform>%Ln đoạn văn từ đây</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>words</source>
        <comment>unit after a count</comment>
        <translation>
            <numerusform>từ</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln days</source>
        <translation>
            <numerusform>%Ln ngày</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Words saved per day over the last %Ln days</source>
        <translation>
            <numerusform>Số từ tiết kiệm được mỗi ngày trong %Ln ngày qua</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln day streak</source>
        <translation>
            <numerusform>Chuỗi %Ln ngày</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln passages remembered</source>
        <translation>
            <numerusform>Đã ghi nhớ %Ln đoạn văn</numerusform>
        </translation>
    </message>
    <message>
        <source>enter</source>
        <translation>enter</translation>
    </message>
    <message>
        <source>Allow screen capture so %app can read those too. Most apps work without it.</source>
        <translation>Cho phép chụp màn hình để %app đọc được cả những ứng dụng đó. Hầu hết ứng dụng hoạt động mà không cần quyền này.</translation>
    </message>
    <message>
        <source>Type a colon and a word, like :rocket, then press Tab or Enter to pick.</source>
        <translation>Gõ dấu hai chấm và một từ, như :rocket, rồi nhấn Tab hoặc Enter để chọn.</translation>
    </message>
    <message>
        <source>You can switch memory off for single apps under Apps &amp; Sites. The key that unlocks it lives in your keyring.</source>
        <translation>Bạn có thể tắt bộ nhớ cho từng ứng dụng trong “Ứng dụng và trang web”. Khóa để mở nó nằm trong chùm khóa của bạn.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln emoji. %1 selected</source>
        <translation>
            <numerusform>%Ln emoji. Đã chọn %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Suggestion: %1</source>
        <translation>Gợi ý: %1</translation>
    </message>
    <message numerus="yes">
        <source>%Ln models available</source>
        <translation>
            <numerusform>Có %Ln mô hình khả dụng</numerusform>
        </translation>
    </message>
    <message>
        <source>The model couldn&apos;t be saved: %1</source>
        <translation>Không thể lưu mô hình: %1</translation>
    </message>
    <message>
        <source>Ollama isn&apos;t running.</source>
        <translation>Ollama không chạy.</translation>
    </message>
    <message>
        <source>Ollama isn&apos;t running at %1.</source>
        <translation>Ollama không chạy tại %1.</translation>
    </message>
    <message>
        <source>No server answered.</source>
        <translation>Không có máy chủ nào trả lời.</translation>
    </message>
    <message>
        <source>No server answered at %1.</source>
        <translation>Không có máy chủ nào trả lời tại %1.</translation>
    </message>
    <message>
        <source>Range: %1</source>
        <translation>Khoảng thời gian: %1</translation>
    </message>
    <message numerus="yes">
        <source>%1, %Ln to do</source>
        <translation>
            <numerusform>%1, còn %Ln việc</numerusform>
        </translation>
    </message>
    <message>
        <source>Type the whole name of the website, such as wikipedia.org.</source>
        <translation>Hãy nhập tên đầy đủ của trang web, ví dụ wikipedia.org.</translation>
    </message>
    <message>
        <source>The key holds a space, an invisible character or a letter outside plain ASCII. Paste it again exactly as your server gave it.</source>
        <translation>Khóa chứa dấu cách, ký tự vô hình hoặc chữ nằm ngoài ASCII thông thường. Hãy dán lại đúng như máy chủ đã cấp.</translation>
    </message>
    <message>
        <source>The keyring could not be read, so your server is asked without an API key. Type the key again if your server needs one.</source>
        <translation>Không đọc được chùm khóa, nên yêu cầu được gửi tới máy chủ mà không kèm khóa API. Hãy nhập lại khóa nếu máy chủ của bạn cần.</translation>
    </message>
    <message>
        <source>Your writing memory could not be opened, so it was set aside and %app started a new one.</source>
        <translation>Không thể mở bộ nhớ văn phong nên nó đã được để riêng và %app đã tạo một bộ nhớ mới.</translation>
    </message>
    <message>
        <source>%1, converted for llama.cpp by %2</source>
        <translation>%1, được %2 chuyển đổi cho llama.cpp</translation>
    </message>
    <message>
        <source>The data folder %1 could not be made. Check that the folder above it exists and that you may write there.</source>
        <translation>Không thể tạo thư mục dữ liệu %1. Hãy kiểm tra xem thư mục cha có tồn tại không và bạn có quyền ghi vào đó không.</translation>
    </message>
    <message>
        <source>party</source>
        <comment>emoji search sample</comment>
        <translation>tiệc</translation>
    </message>
    <message numerus="yes">
        <source>%Ln settings held values %app cannot use, so they were corrected and saved.</source>
        <translation>
            <numerusform>%Ln cài đặt có giá trị mà %app không dùng được, nên đã được sửa và lưu.</numerusform>
        </translation>
    </message>
    <message>
        <source>Your writing memory is not saved: the keyring is missing or locked, so its key cannot be kept.</source>
        <translation>Bộ nhớ văn phong chưa được lưu: không có chùm khóa hoặc chùm khóa đang khóa, nên không giữ được khóa của nó.</translation>
    </message>
    <message>
        <source>That address isn&apos;t valid</source>
        <translation>Địa chỉ đó không hợp lệ</translation>
    </message>
    <message>
        <source>The request timed out.</source>
        <translation>Yêu cầu đã hết thời gian chờ.</translation>
    </message>
    <message>
        <source>The server&apos;s reply was too long, so it was stopped.</source>
        <translation>Phản hồi của máy chủ quá dài nên đã bị dừng.</translation>
    </message>
    <message>
        <source>The server answered %1.</source>
        <translation>Máy chủ đã trả lời %1.</translation>
    </message>
    <message>
        <source>The server answered %1: %2</source>
        <translation>Máy chủ đã trả lời %1: %2</translation>
    </message>
    <message>
        <source>The download server answered %1. Try again later.</source>
        <translation>Máy chủ tải xuống đã trả lời %1. Hãy thử lại sau.</translation>
    </message>
    <message>
        <source>The download couldn&apos;t be saved: %1</source>
        <translation>Không thể lưu bản tải xuống: %1</translation>
    </message>
    <message>
        <source>The download paused because the connection dropped. Try again to pick up where it stopped.</source>
        <translation>Quá trình tải xuống đã tạm dừng vì mất kết nối. Hãy thử lại để tiếp tục từ chỗ đã dừng.</translation>
    </message>
    <message>
        <source>The download stopped. Check your connection, then try again.</source>
        <translation>Quá trình tải xuống đã dừng. Hãy kiểm tra kết nối rồi thử lại.</translation>
    </message>
    <message>
        <source>Pick an Ollama model in Settings</source>
        <translation>Chọn một mô hình Ollama trong Cài đặt</translation>
    </message>
    <message>
        <source>Pick a model for your local server</source>
        <translation>Chọn một mô hình cho máy chủ cục bộ của bạn</translation>
    </message>
    <message>
        <source>The server&apos;s answer is not HTTP.</source>
        <translation>Phản hồi của máy chủ không phải HTTP.</translation>
    </message>
    <message>
        <source>The data couldn&apos;t be read because it is missing.</source>
        <translation>Không thể đọc dữ liệu vì dữ liệu bị thiếu.</translation>
    </message>
    <message>
        <source>The data couldn&apos;t be read because it isn&apos;t in the correct format.</source>
        <translation>Không thể đọc dữ liệu vì dữ liệu không đúng định dạng.</translation>
    </message>
    <message>
        <source>:%1:</source>
        <comment>emoji name</comment>
        <translation>:%1:</translation>
    </message>
    <message>
        <source>This computer has no on-device language model.</source>
        <translation>Máy tính này không có mô hình ngôn ngữ trên thiết bị.</translation>
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
        <translation>Đã tạm dừng trên %1</translation>
    </message>
    <message>
        <source>Paused in %1</source>
        <translation>Đã tạm dừng trong %1</translation>
    </message>
    <message>
        <source>Off on %1</source>
        <translation>Tắt trên %1</translation>
    </message>
    <message>
        <source>Off in %1</source>
        <translation>Tắt trong %1</translation>
    </message>
    <message>
        <source>Off in %1 by default</source>
        <translation>Tắt mặc định trong %1</translation>
    </message>
    <message>
        <source>Off in code editors</source>
        <translation>Tắt trong trình soạn thảo mã</translation>
    </message>
    <message>
        <source>Off unless turned on per app</source>
        <translation>Tắt trừ khi bật cho từng ứng dụng</translation>
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
        <translation>Phím cách</translation>
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
        <translation>Phím %1</translation>
    </message>
    <message>
        <source>An email reply reads differently from a commit message.</source>
        <translation>Thư trả lời email được viết khác với thông điệp commit.</translation>
    </message>
    <message>
        <source>Writes straight into the field. Cleanest in GTK and Qt apps.</source>
        <translation>Ghi thẳng vào ô nhập. Hoạt động trơn tru nhất trong các ứng dụng GTK và Qt.</translation>
    </message>
    <message>
        <source>Typing</source>
        <comment>insertion method</comment>
        <translation>Gõ phím</translation>
    </message>
    <message>
        <source>%1 h</source>
        <comment>hours with one decimal, such as 1.5</comment>
        <translation>%1 giờ</translation>
    </message>
    <message numerus="yes">
        <source>%Ln h</source>
        <translation>
            <numerusform>%Ln giờ</numerusform>
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
            <numerusform>Hôm nay tiết kiệm được %Ln từ</numerusform>
        </translation>
    </message>
    <message>
        <source>Under a minute of typing saved today.</source>
        <translation>Hôm nay tiết kiệm được chưa đến một phút gõ phím.</translation>
    </message>
    <message>
        <source>About %1 of typing saved today.</source>
        <translation>Hôm nay tiết kiệm được khoảng %1 gõ phím.</translation>
    </message>
    <message numerus="yes">
        <source>Step %1 of %Ln</source>
        <translation>
            <numerusform>Bước %1/%Ln</numerusform>
        </translation>
    </message>
    <message>
        <source>%app reads and types into text fields through the desktop&apos;s accessibility support, which some desktops leave off. %app uses it only for the field you&apos;re writing in.</source>
        <translation>%app đọc và gõ vào các ô nhập qua tính năng hỗ trợ trợ năng của màn hình nền, vốn bị tắt trên một số màn hình nền. %app chỉ dùng nó cho ô nhập bạn đang viết.</translation>
    </message>
    <message>
        <source>The button switches the desktop&apos;s accessibility support on. If the desktop&apos;s settings open instead, turn accessibility on there, then come back. This page updates by itself.</source>
        <translation>Nút này bật tính năng hỗ trợ trợ năng của màn hình nền. Nếu thay vào đó phần cài đặt của màn hình nền mở ra, hãy bật trợ năng ở đó rồi quay lại. Trang này tự cập nhật.</translation>
    </message>
    <message>
        <source>Still off? Some desktops start their accessibility service only when you log in. Log out and back in, then try again.</source>
        <translation>Vẫn tắt? Một số màn hình nền chỉ khởi động dịch vụ trợ năng khi bạn đăng nhập. Đăng xuất rồi đăng nhập lại, sau đó thử lại.</translation>
    </message>
    <message>
        <source>Pause</source>
        <comment>section header</comment>
        <translation>Tạm dừng</translation>
    </message>
    <message>
        <source>Pause</source>
        <comment>button</comment>
        <translation>Tạm dừng</translation>
    </message>
    <message>
        <source>typing</source>
        <comment>insertion method, in a sentence</comment>
        <translation>gõ phím</translation>
    </message>
    <message>
        <source>accessibility</source>
        <comment>insertion method, in a sentence</comment>
        <translation>trợ năng</translation>
    </message>
    <message>
        <source>paste</source>
        <comment>insertion method, in a sentence</comment>
        <translation>dán</translation>
    </message>
    <message>
        <source>short</source>
        <comment>suggestion length, in a sentence</comment>
        <translation>ngắn</translation>
    </message>
    <message>
        <source>medium</source>
        <comment>suggestion length, in a sentence</comment>
        <translation>vừa</translation>
    </message>
    <message>
        <source>long</source>
        <comment>suggestion length, in a sentence</comment>
        <translation>dài</translation>
    </message>
    <message>
        <source>Default follows General: %1, %2 suggestions.</source>
        <translation>Mặc định theo mục “Chung”: %1, gợi ý %2.</translation>
    </message>
    <message>
        <source>Yes, at %1, %2 on screen, %3 pt tall, %4 and %5</source>
        <translation>Có, tại %1, %2 trên màn hình, cao %3 pt, %4 và %5</translation>
    </message>
    <message numerus="yes">
        <source>%Ln characters before it</source>
        <translation>
            <numerusform>%Ln ký tự phía trước</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln after</source>
        <comment>characters after the caret</comment>
        <translation>
            <numerusform>%Ln phía sau</numerusform>
        </translation>
    </message>
    <message>
        <source>No system tray runs on this desktop, so the icon cannot show. %1</source>
        <translation>Không có khay hệ thống nào chạy trên màn hình nền này, nên biểu tượng không thể hiện ra. %1</translation>
    </message>
    <message>
        <source>Typing</source>
        <comment>section header</comment>
        <translation>Gõ phím</translation>
    </message>
    <message>
        <source>Switch to the computer&apos;s language?</source>
        <translation>Chuyển sang ngôn ngữ của máy tính?</translation>
    </message>
    <message numerus="yes">
        <source>%Ln words this week.</source>
        <translation>
            <numerusform>Tuần này: %Ln từ.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Under a minute of typing saved today. %Ln words this week.</source>
        <translation>
            <numerusform>Hôm nay tiết kiệm được chưa đến một phút gõ phím. Tuần này: %Ln từ.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>About %1 of typing saved today. %Ln words this week.</source>
        <translation>
            <numerusform>Hôm nay tiết kiệm được khoảng %1 gõ phím. Tuần này: %Ln từ.</numerusform>
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
            <numerusform>Đã xong %Ln/%1</numerusform>
        </translation>
    </message>
    <message>
        <source>The server refused the connection. Check that it is running and that the address is right.</source>
        <translation>Máy chủ đã từ chối kết nối. Hãy kiểm tra máy chủ có đang chạy và địa chỉ có đúng không.</translation>
    </message>
    <message>
        <source>The server&apos;s name couldn&apos;t be found. Check the address.</source>
        <translation>Không tìm thấy tên máy chủ. Hãy kiểm tra địa chỉ.</translation>
    </message>
    <message>
        <source>A secure connection to the server couldn&apos;t be made.</source>
        <translation>Không thể tạo kết nối an toàn tới máy chủ.</translation>
    </message>
    <message>
        <source>The server closed the connection before it answered.</source>
        <translation>Máy chủ đã đóng kết nối trước khi trả lời.</translation>
    </message>
    <message>
        <source>The network proxy couldn&apos;t be reached.</source>
        <translation>Không thể kết nối tới proxy của mạng.</translation>
    </message>
    <message>
        <source>The server couldn&apos;t be reached.</source>
        <translation>Không thể kết nối tới máy chủ.</translation>
    </message>
    <message>
        <source>Waiting for the network…</source>
        <translation>Đang chờ mạng…</translation>
    </message>
    <message>
        <source>%1 is taken by another program.</source>
        <translation>%1 đang được một chương trình khác sử dụng.</translation>
    </message>
    <message>
        <source>%1 could not open again. Your choice takes effect the next time you start it.</source>
        <translation>Không thể mở lại %1. Lựa chọn của bạn sẽ có hiệu lực vào lần khởi động tới.</translation>
    </message>
    <message>
        <source>Downloading the model</source>
        <translation>Đang tải xuống mô hình</translation>
    </message>
    <message numerus="yes">
        <source>These apps answer the Tab key before %app can, so %app stays paused in your other apps until they quit.</source>
        <translation>
            <numerusform>Các ứng dụng này nhận phím Tab trước %app, nên %app sẽ tạm dừng trong các ứng dụng khác cho đến khi chúng thoát.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>It may be waiting on a dialog of its own. Force Quit closes it right away.</source>
        <translation>
            <numerusform>Có thể ứng dụng đang chờ một hộp thoại của chính nó. “Buộc thoát” sẽ đóng ngay lập tức.</numerusform>
        </translation>
    </message>
    <message>
        <source>Set a Suggest Now shortcut in Keys to ask for suggestions</source>
        <translation>Đặt phím tắt “Gợi ý ngay” trong mục “Phím” để yêu cầu gợi ý</translation>
    </message>
    <message>
        <source>Backspace</source>
        <comment>key above Enter that deletes backwards</comment>
        <translation>Backspace</translation>
    </message>
    <message>
        <source>0 words saved today</source>
        <translation>Hôm nay tiết kiệm được 0 từ</translation>
    </message>
    <message>
        <source>words saved today</source>
        <comment>beside the count 0</comment>
        <translation>từ tiết kiệm được hôm nay</translation>
    </message>
    <message>
        <source>Quit the other app</source>
        <translation>Thoát ứng dụng kia</translation>
    </message>
    <message>
        <source>None yet</source>
        <comment>no app looked at yet</comment>
        <translation>Chưa có</translation>
    </message>
    <message>
        <source>None yet</source>
        <comment>no suggestion shown yet</comment>
        <translation>Chưa có</translation>
    </message>
    <message>
        <source>The other app is also running</source>
        <translation>Ứng dụng kia cũng đang chạy</translation>
    </message>
    <message>
        <source>Both apps answer the Tab key, and the system gives it to the other app first. %app stays paused in your other apps until the other app quits.</source>
        <translation>Cả hai ứng dụng đều nhận phím Tab, và hệ thống chuyển phím này cho ứng dụng kia trước. %app sẽ tạm dừng trong các ứng dụng khác cho đến khi ứng dụng kia thoát.</translation>
    </message>
    <message>
        <source>The other app is still open</source>
        <translation>Ứng dụng kia vẫn đang mở</translation>
    </message>
    <message>
        <source>The other app quit, so your suggestions are back in every app.</source>
        <translation>Ứng dụng kia đã thoát, gợi ý đã trở lại trong mọi ứng dụng.</translation>
    </message>
    <message>
        <source>The other app quit. %app has the Tab key.</source>
        <translation>Ứng dụng kia đã thoát. Phím Tab giờ thuộc về %app.</translation>
    </message>
</context>
</TS>
