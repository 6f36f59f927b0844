<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>tq::Sample</name>
    <message>
        <source>Reopen Now</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
