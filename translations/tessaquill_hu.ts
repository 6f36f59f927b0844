<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hu" sourcelanguage="en">
<context>
    <name>tq::InsightsPane</name>
    <message>
        <source>Words saved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 days</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing to chart yet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Accept a few suggestions and your days show up here.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Where you write</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset Statistics…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Words saved per day over the last %1 days</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No apps yet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset all statistics?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This clears words saved, acceptance and timing history.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tq::InspectorPane</name>
    <message>
        <source>Copy Diagnostics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Diagnostics leave out the text you typed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Accessibility</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Allowed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not allowed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Listening</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not listening</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Engine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Focused field</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click into a text field in another app, then come back. The last field %1 saw stays here.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>App</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Field type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Website</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Field size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Caret found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Font</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>At end of line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Secure input</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Looked at lately</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text before the caret</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last request</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wait</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Suggestion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None yet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prompt sent to the engine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Raw answer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(empty)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copied</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tq::LanguageButton</name>
    <message>
        <source>Change the app language</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tq::LanguageRow</name>
    <message>
        <source>App language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pick the language you read most easily. Suggestions follow whatever language you type.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tq::LanguageSheet</name>
    <message>
        <source>%1 could not open again: %2 Your choice takes effect the next time you start it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search languages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Same as my computer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Switch to %1?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the computer&apos;s language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 closes and opens again in a second. Your settings stay as they are.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reopen Now</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tq::insights</name>
    <message>
        <source>word</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>words</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0 min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>under a minute</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 h</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not yet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Today</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last 7 days</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Typing saved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>at 40 words a minute</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Accepted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>of suggestions shown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Typical wait</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>9 in 10 under %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no requests yet</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tq::inspector</name>
    <message>
        <source>Unknown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 × %2 pt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yes, at %1, %2 on screen, %3 pt tall, %4 characters before it and %5 after</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not reported, estimated from the caret</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2 pt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None yet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not yet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 ms</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
