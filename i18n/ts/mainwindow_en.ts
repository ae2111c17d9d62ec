<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>CsvImport</name>
    <message numerus="yes">
        <source>%n days</source>
        <translation>
            <numerusform>%n day</numerusform>
            <numerusform>%n days</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message numerus="yes">
        <source>This day holds %n readings, the most one day takes. Nothing was added.</source>
        <translation>
            <numerusform>This day holds %n reading, the most one day takes. Nothing was added.</numerusform>
            <numerusform>This day holds %n readings, the most one day takes. Nothing was added.</numerusform>
        </translation>
    </message>
</context>
</TS>
