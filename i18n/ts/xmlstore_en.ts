<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>MessageText</name>
    <message numerus="yes">
        <source>%1 and %n more</source>
        <extracomment>%1: names, %n: how many more names there are</extracomment>
        <translation>
            <numerusform>%1 and %n more</numerusform>
            <numerusform>%1 and %n more</numerusform>
        </translation>
    </message>
</context>
</TS>
