<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>CommandLine</name>
    <message numerus="yes">
        <source>%n days written to standard output.</source>
        <translation>
            <numerusform>%n day written to standard output.</numerusform>
            <numerusform>%n days written to standard output.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n days written to %1.</source>
        <extracomment>%1: the file written.</extracomment>
        <translation>
            <numerusform>%n day written to %1.</numerusform>
            <numerusform>%n days written to %1.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CopyOffer</name>
    <message numerus="yes">
        <source>Beside your diary there are %n copies of it, left when two computers saved at once:

%1

Merge their readings into the diary? Readings the diary lacks are added; where a copy holds a different value, the diary keeps its own and the copy stays where it is. Each merged copy is moved into &quot;%2&quot;, never deleted.</source>
        <extracomment>%1: the copies&apos; names, one a line, %2: the folder merged copies are moved into.</extracomment>
        <translation>
            <numerusform>Beside your diary there is a copy of it, left when two computers saved at once:

%1

Merge their readings into the diary? Readings the diary lacks are added; where a copy holds a different value, the diary keeps its own and the copy stays where it is. Each merged copy is moved into &quot;%2&quot;, never deleted.</numerusform>
            <numerusform>Beside your diary there are %n copies of it, left when two computers saved at once:

%1

Merge their readings into the diary? Readings the diary lacks are added; where a copy holds a different value, the diary keeps its own and the copy stays where it is. Each merged copy is moved into &quot;%2&quot;, never deleted.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>modMain</name>
    <message numerus="yes">
        <source>The %Ln days read before the damaged part are shown, and they will be saved together with what you enter now.</source>
        <translation>
            <numerusform>The %Ln day read before the damaged part is shown, and it will be saved together with what you enter now.</numerusform>
            <numerusform>The %Ln days read before the damaged part are shown, and they will be saved together with what you enter now.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1

&quot;%2&quot; holds more days than that, so only the first %Ln days are shown, and only they will be saved in it.

A copy of the whole file has been kept as &quot;%3&quot;.</source>
        <extracomment>%1: how many days the diary holds at most (sentences), %2: the readings file, %3: the copy kept of it.</extracomment>
        <translation>
            <numerusform>%1

&quot;%2&quot; holds more days than that, so only the first %Ln day is shown, and only it will be saved in it.

A copy of the whole file has been kept as &quot;%3&quot;.</numerusform>
            <numerusform>%1

&quot;%2&quot; holds more days than that, so only the first %Ln days are shown, and only they will be saved in it.

A copy of the whole file has been kept as &quot;%3&quot;.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Nothing was imported: %n files were given, and Tensiolog imports one CSV file at a time.</source>
        <translation>
            <numerusform>Nothing was imported: %n file was given, and Tensiolog imports one CSV file at a time.</numerusform>
            <numerusform>Nothing was imported: %n files were given, and Tensiolog imports one CSV file at a time.</numerusform>
        </translation>
    </message>
</context>
</TS>
