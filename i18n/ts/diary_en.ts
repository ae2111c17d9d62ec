<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>CsvDescriptions</name>
    <message numerus="yes">
        <source>%n days</source>
        <translation>
            <numerusform>%n day</numerusform>
            <numerusform>%n days</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %n readings on %2 (%3, %4).</source>
        <extracomment>%1: the file&apos;s name, %2: &quot;on N days&quot;, %3: its encoding (&quot;UTF-8&quot;), %4: &quot;fields separated by commas&quot;</extracomment>
        <translation>
            <numerusform>%1: %n reading on %2 (%3, %4).</numerusform>
            <numerusform>%1: %n readings on %2 (%3, %4).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n days</source>
        <comment>after &quot;on&quot;</comment>
        <translation>
            <numerusform>%n day</numerusform>
            <numerusform>%n days</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n days have more than one reading; each is kept with its time.</source>
        <translation>
            <numerusform>%n day has more than one reading; each is kept with its time.</numerusform>
            <numerusform>%n days have more than one reading; each is kept with its time.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n lines above the header row skipped.</source>
        <translation>
            <numerusform>%n line above the header row skipped.</numerusform>
            <numerusform>%n lines above the header row skipped.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n days took readings of the file beside their own.</source>
        <translation>
            <numerusform>%n day took readings of the file beside their own.</numerusform>
            <numerusform>%n days took readings of the file beside their own.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n days would take readings of the file beside their own.</source>
        <translation>
            <numerusform>%n day would take readings of the file beside their own.</numerusform>
            <numerusform>%n days would take readings of the file beside their own.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n days kept stored values where the file has others.</source>
        <translation>
            <numerusform>%n day kept stored values where the file has others.</numerusform>
            <numerusform>%n days kept stored values where the file has others.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n days would keep stored values where the file has others.</source>
        <translation>
            <numerusform>%n day would keep stored values where the file has others.</numerusform>
            <numerusform>%n days would keep stored values where the file has others.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CsvImport</name>
    <message numerus="yes">
        <source>%1 would hold %n readings with those of the file; a day holds at most %2</source>
        <extracomment>%1: a date, %2: the most readings a day holds</extracomment>
        <translation>
            <numerusform>%1 would hold %n reading with those of the file; a day holds at most %2</numerusform>
            <numerusform>%1 would hold %n readings with those of the file; a day holds at most %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 has %n readings; a day holds at most %2</source>
        <extracomment>%1: a date, %2: the most readings a day holds</extracomment>
        <translation>
            <numerusform>%1 has %n reading; a day holds at most %2</numerusform>
            <numerusform>%1 has %n readings; a day holds at most %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>the row has %n fields, but the header names %1 columns</source>
        <extracomment>%1: how many columns the header row names (at least two)</extracomment>
        <translation>
            <numerusform>the row has %n field, but the header names %1 columns</numerusform>
            <numerusform>the row has %n fields, but the header names %1 columns</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DocumentMerge</name>
    <message numerus="yes">
        <source>%1 and %n more</source>
        <extracomment>%1: three dates; %n: how many more days</extracomment>
        <translation>
            <numerusform>%1 and %n more</numerusform>
            <numerusform>%1 and %n more</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n values</source>
        <comment>typed differently</comment>
        <extracomment>How many values were typed differently</extracomment>
        <translation>
            <numerusform>one value</numerusform>
            <numerusform>%n values</numerusform>
        </translation>
    </message>
</context>
</TS>
