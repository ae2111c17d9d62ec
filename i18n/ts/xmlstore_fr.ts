<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>FileSystem</name>
    <message>
        <source>a folder</source>
        <translation>un dossier</translation>
    </message>
    <message>
        <source>a named pipe</source>
        <translation>un tube nommé</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>un périphérique</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>un socket</translation>
    </message>
</context>
<context>
    <name>MessageText</name>
    <message numerus="yes">
        <source>%1 and %n more</source>
        <extracomment>%1: names, %n: how many more names there are</extracomment>
        <translation>
            <numerusform>%1 et %n autre</numerusform>
            <numerusform>%1 et %n autres</numerusform>
        </translation>
    </message>
</context>
</TS>
