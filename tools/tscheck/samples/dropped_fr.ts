<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>tq::Sample</name>
    <message>
        <source>%1 closes and opens again in a second.</source>
        <translation>Se ferme et se rouvre dans une seconde.</translation>
    </message>
    <message>
        <source>%app closes.</source>
        <translation>Le programme se ferme.</translation>
    </message>
    <message>
        <source>Reopen Now</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
