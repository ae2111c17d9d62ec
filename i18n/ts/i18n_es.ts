<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>LocalDates</name>
    <message>
        <source>dd/MM</source>
        <extracomment>Date format (QDate::toString) of a chart row label: day and month only, at most six characters.</extracomment>
        <translation>dd/MM</translation>
    </message>
    <message>
        <source>dd MMM yyyy</source>
        <extracomment>Date format (QDate::toString) of a report line: day, month and year, compact.</extracomment>
        <translation>dd/MM/yyyy</translation>
    </message>
    <message>
        <source>d MMMM yyyy</source>
        <extracomment>Date format (QDate::toString) in sentences: day, full month name and year.</extracomment>
        <translation>d &apos;de&apos; MMMM &apos;de&apos; yyyy</translation>
    </message>
    <message>
        <source>d MMM yyyy</source>
        <extracomment>Date format (QDate::toString) of one day named in a message: day, short month name and year.</extracomment>
        <translation>d MMM yyyy</translation>
    </message>
    <message>
        <source>yyyy-MM-dd HH:mm</source>
        <extracomment>Date and time format (QDateTime::toString) in messages: date, hours and minutes.</extracomment>
        <translation>dd/MM/yyyy H:mm</translation>
    </message>
</context>
</TS>
