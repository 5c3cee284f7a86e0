<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>BMSMainWin</name>
    <message>
        <source>Command State:</source>
        <translation>Command State:</translation>
    </message>
</context>
</TS>
