<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>tq::Sample</name>
    <message>
        <source>Switch to %1?</source>
        <translation>Zu %1 wechseln?</translation>
    </message>
    <message numerus="yes">
        <source>%n words</source>
        <translation>
            <numerusform>%n Wort</numerusform>
            <numerusform>%n Wörter</numerusform>
        </translation>
    </message>
</context>
</TS>
