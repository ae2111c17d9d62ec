<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>ReadingsChart</name>
    <message numerus="yes">
        <source>%n days</source>
        <translation>
            <numerusform>%n day</numerusform>
            <numerusform>%n days</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n readings</source>
        <translation>
            <numerusform>%n reading</numerusform>
            <numerusform>%n readings</numerusform>
        </translation>
    </message>
</context>
</TS>
