<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar" sourcelanguage="en">
<context>
    <name>tq::InsightsPane</name>
    <message>
        <source>Words saved</source>
        <translation>الكلمات الموفَّرة</translation>
    </message>
    <message>
        <source>%1 days</source>
        <translation>%1 يومًا</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>المدة</translation>
    </message>
    <message>
        <source>Nothing to chart yet</source>
        <translation>لا شيء لعرضه بعد</translation>
    </message>
    <message>
        <source>Accept a few suggestions and your days show up here.</source>
        <translation>اقبل بعض الاقتراحات وستظهر أيامك هنا.</translation>
    </message>
    <message>
        <source>Where you write</source>
        <translation>أين تكتب</translation>
    </message>
    <message>
        <source>Reset Statistics…</source>
        <translation>إعادة تعيين الإحصاءات…</translation>
    </message>
    <message>
        <source>Words saved per day over the last %1 days</source>
        <translation>الكلمات الموفَّرة يوميًا خلال آخر %1 يومًا</translation>
    </message>
    <message>
        <source>No apps yet</source>
        <translation>لا توجد تطبيقات بعد</translation>
    </message>
    <message>
        <source>Reset all statistics?</source>
        <translation>هل تريد إعادة تعيين كل الإحصاءات؟</translation>
    </message>
    <message>
        <source>This clears words saved, acceptance and timing history.</source>
        <translation>يمسح هذا الكلمات الموفَّرة وسجل القبول وأوقات الانتظار.</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>إعادة تعيين</translation>
    </message>
</context>
<context>
    <name>tq::InspectorPane</name>
    <message>
        <source>Copy Diagnostics</source>
        <translation>نسخ التشخيص</translation>
    </message>
    <message>
        <source>Diagnostics leave out the text you typed.</source>
        <translation>لا يتضمن التشخيص النص الذي كتبته.</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>الحالة</translation>
    </message>
    <message>
        <source>Right now</source>
        <translation>الآن</translation>
    </message>
    <message>
        <source>Accessibility</source>
        <translation>إمكانية الوصول</translation>
    </message>
    <message>
        <source>Allowed</source>
        <translation>مسموح</translation>
    </message>
    <message>
        <source>Not allowed</source>
        <translation>غير مسموح</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>لوحة المفاتيح</translation>
    </message>
    <message>
        <source>Listening</source>
        <translation>يستمع</translation>
    </message>
    <message>
        <source>Not listening</source>
        <translation>لا يستمع</translation>
    </message>
    <message>
        <source>Engine</source>
        <translation>المحرك</translation>
    </message>
    <message>
        <source>Focused field</source>
        <translation>الحقل النشط</translation>
    </message>
    <message>
        <source>Click into a text field in another app, then come back. The last field %1 saw stays here.</source>
        <translation>انقر داخل حقل نصي في تطبيق آخر، ثم عُد. يبقى هنا آخر حقل رآه %1.</translation>
    </message>
    <message>
        <source>App</source>
        <translation>التطبيق</translation>
    </message>
    <message>
        <source>Field type</source>
        <translation>نوع الحقل</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>الموقع</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>النافذة</translation>
    </message>
    <message>
        <source>Field size</source>
        <translation>حجم الحقل</translation>
    </message>
    <message>
        <source>Caret found</source>
        <translation>تم العثور على المؤشر</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>الخط</translation>
    </message>
    <message>
        <source>At end of line</source>
        <translation>في نهاية السطر</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>نعم</translation>
    </message>
    <message>
        <source>No</source>
        <translation>لا</translation>
    </message>
    <message>
        <source>Secure input</source>
        <translation>إدخال آمن</translation>
    </message>
    <message>
        <source>Looked at lately</source>
        <translation>ما نُظر إليه مؤخرًا</translation>
    </message>
    <message>
        <source>Text before the caret</source>
        <translation>النص قبل المؤشر</translation>
    </message>
    <message>
        <source>Last request</source>
        <translation>آخر طلب</translation>
    </message>
    <message>
        <source>Wait</source>
        <translation>الانتظار</translation>
    </message>
    <message>
        <source>Suggestion</source>
        <translation>الاقتراح</translation>
    </message>
    <message>
        <source>None yet</source>
        <translation>لا شيء بعد</translation>
    </message>
    <message>
        <source>Prompt sent to the engine</source>
        <translation>الموجِّه المرسل إلى المحرك</translation>
    </message>
    <message>
        <source>Raw answer</source>
        <translation>الإجابة الخام</translation>
    </message>
    <message>
        <source>(empty)</source>
        <translation>(فارغ)</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>تم النسخ</translation>
    </message>
</context>
<context>
    <name>tq::LanguageButton</name>
    <message>
        <source>Change the app language</source>
        <translation>تغيير لغة التطبيق</translation>
    </message>
</context>
<context>
    <name>tq::LanguageRow</name>
    <message>
        <source>App language</source>
        <translation>لغة التطبيق</translation>
    </message>
    <message>
        <source>Pick the language you read most easily. Suggestions follow whatever language you type.</source>
        <translation>اختر اللغة التي تقرؤها بسهولة أكبر. تتبع الاقتراحات أي لغة تكتب بها.</translation>
    </message>
</context>
<context>
    <name>tq::LanguageSheet</name>
    <message>
        <source>%1 could not open again: %2 Your choice takes effect the next time you start it.</source>
        <translation>تعذّر إعادة فتح %1: %2 سيسري اختيارك عند التشغيل التالي.</translation>
    </message>
    <message>
        <source>Choose a language</source>
        <translation>اختر لغة</translation>
    </message>
    <message>
        <source>Search languages</source>
        <translation>ابحث في اللغات</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>Same as my computer</source>
        <translation>مثل جهاز الكمبيوتر</translation>
    </message>
    <message>
        <source>Switch to %1?</source>
        <translation>هل تريد التبديل إلى %1؟</translation>
    </message>
    <message>
        <source>the computer&apos;s language</source>
        <translation>لغة جهاز الكمبيوتر</translation>
    </message>
    <message>
        <source>%1 closes and opens again in a second. Your settings stay as they are.</source>
        <translation>سيُغلق %1 ويُفتح من جديد خلال ثانية. تبقى إعداداتك كما هي.</translation>
    </message>
    <message>
        <source>Reopen Now</source>
        <translation>إعادة الفتح الآن</translation>
    </message>
</context>
<context>
    <name>tq::insights</name>
    <message>
        <source>word</source>
        <translation>كلمة</translation>
    </message>
    <message>
        <source>words</source>
        <translation>كلمات</translation>
    </message>
    <message>
        <source>0 min</source>
        <translation>0 دقيقة</translation>
    </message>
    <message>
        <source>under a minute</source>
        <translation>أقل من دقيقة</translation>
    </message>
    <message>
        <source>%1 min</source>
        <translation>%1 دقيقة</translation>
    </message>
    <message>
        <source>%1 h</source>
        <translation>%1 ساعة</translation>
    </message>
    <message>
        <source>Not yet</source>
        <translation>ليس بعد</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>اليوم</translation>
    </message>
    <message>
        <source>Last 7 days</source>
        <translation>آخر 7 أيام</translation>
    </message>
    <message>
        <source>All time</source>
        <translation>منذ البداية</translation>
    </message>
    <message>
        <source>Typing saved</source>
        <translation>وقت الكتابة الموفَّر</translation>
    </message>
    <message>
        <source>at 40 words a minute</source>
        <translation>بمعدل 40 كلمة في الدقيقة</translation>
    </message>
    <message>
        <source>Accepted</source>
        <translation>المقبولة</translation>
    </message>
    <message>
        <source>of suggestions shown</source>
        <translation>من الاقتراحات المعروضة</translation>
    </message>
    <message>
        <source>Typical wait</source>
        <translation>الانتظار المعتاد</translation>
    </message>
    <message>
        <source>9 in 10 under %1</source>
        <translation>9 من 10 أقل من %1</translation>
    </message>
    <message>
        <source>no requests yet</source>
        <translation>لا طلبات بعد</translation>
    </message>
</context>
<context>
    <name>tq::inspector</name>
    <message>
        <source>Unknown</source>
        <translation>غير معروف</translation>
    </message>
    <message>
        <source>%1 × %2 pt</source>
        <translation>%1 × %2 نقطة</translation>
    </message>
    <message>
        <source>No</source>
        <translation>لا</translation>
    </message>
    <message>
        <source>Yes, at %1, %2 on screen, %3 pt tall, %4 characters before it and %5 after</source>
        <translation>نعم، عند %1، %2 على الشاشة، بارتفاع %3 نقطة، وقبله %4 حرفًا وبعده %5</translation>
    </message>
    <message>
        <source>Not reported, estimated from the caret</source>
        <translation>غير مُبلَّغ عنه، مقدَّر من المؤشر</translation>
    </message>
    <message>
        <source>%1 %2 pt</source>
        <translation>%1 %2 نقطة</translation>
    </message>
    <message>
        <source>System</source>
        <translation>النظام</translation>
    </message>
    <message>
        <source>None yet</source>
        <translation>لا شيء بعد</translation>
    </message>
    <message>
        <source>Not yet</source>
        <translation>ليس بعد</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 ث</translation>
    </message>
    <message>
        <source>%1 ms</source>
        <translation>%1 م.ث</translation>
    </message>
</context>
</TS>
