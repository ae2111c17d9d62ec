<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>ReportComposer</name>
    <message numerus="yes">
        <source>Home measurement week: none in these readings. It needs at least %1 consecutive days with morning (before noon) and evening readings; the longest run here is %n day(s).</source>
        <extracomment>%1: the fewest days the week needs (3); %n: the longest run of such days.</extracomment>
        <translation>
            <numerusform>Home measurement week: none in these readings. It needs at least %1 consecutive days with morning (before noon) and evening readings; the longest run here is %n day.</numerusform>
            <numerusform>Home measurement week: none in these readings. It needs at least %1 consecutive days with morning (before noon) and evening readings; the longest run here is %n days.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>last %n day(s) with readings</source>
        <extracomment>Which days an average is taken over: the latest %n days that hold readings.</extracomment>
        <translation>
            <numerusform>last %n day with readings</numerusform>
            <numerusform>last %n days with readings</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %n day(s) with both pressures, %2 readings</source>
        <extracomment>%1: the period; %n: days; %2: readings (always more than the days).</extracomment>
        <translation>
            <numerusform>%1: %n day with both pressures, %2 readings</numerusform>
            <numerusform>%1: %n days with both pressures, %2 readings</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %n day(s) with both pressures</source>
        <extracomment>%1: the period; %n: days.</extracomment>
        <translation>
            <numerusform>%1: %n day with both pressures</numerusform>
            <numerusform>%1: %n days with both pressures</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>frmReport</name>
    <message numerus="yes">
        <source>Last %n day(s)</source>
        <translation>
            <numerusform>Last %n day</numerusform>
            <numerusform>Last %n days</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Last %n month(s)</source>
        <translation>
            <numerusform>Last %n month</numerusform>
            <numerusform>Last %n months</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n day(s) have been exported to %1.</source>
        <extracomment>%n: the days exported, %1: the file&apos;s path.</extracomment>
        <translation>
            <numerusform>%n day has been exported to %1.</numerusform>
            <numerusform>%n days have been exported to %1.</numerusform>
        </translation>
    </message>
</context>
</TS>
