<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>ReadingsChart</name>
    <message>
        <source>%1/%2, pulse %3</source>
        <extracomment>%1 systolic, %2 diastolic, %3 pulse</extracomment>
        <translation>%1/%2, Puls %3</translation>
    </message>
    <message numerus="yes">
        <source>%n days</source>
        <translation>
            <numerusform>%n Tag</numerusform>
            <numerusform>%n Tage</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n readings</source>
        <translation>
            <numerusform>%n Messung</numerusform>
            <numerusform>%n Messungen</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 the day, %2 its values (&quot;128/84, pulse 71&quot;)</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1, %2: average %3 (systolic %4, diastolic %5, pulse %6)</source>
        <extracomment>%1 the day, %2 how many readings, %3 their average values (&quot;128/84, pulse 71&quot;), %4 to %6 the lowest to highest systolic, diastolic and pulse values (&quot;120–135&quot;)</extracomment>
        <translation>%1, %2: Mittelwert %3 (systolisch %4, diastolisch %5, Puls %6)</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>%1 how many days (&quot;30 days&quot;), %2 how many readings (&quot;45 readings&quot;)</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>135/85 home threshold</source>
        <extracomment>The chart&apos;s legend: the dashed lines of high blood pressure measured at home</extracomment>
        <translation>135/85 Grenzwert zu Hause</translation>
    </message>
    <message>
        <source>Your readings will appear here as a chart once you have entered them.</source>
        <translation>Sobald Sie Werte eingegeben haben, erscheinen sie hier als Diagramm.</translation>
    </message>
    <message>
        <source>Systolic</source>
        <extracomment>The chart&apos;s legend; keep it short</extracomment>
        <translation>Systolisch</translation>
    </message>
    <message>
        <source>Diastolic</source>
        <translation>Diastolisch</translation>
    </message>
    <message>
        <source>Pulse</source>
        <translation>Puls</translation>
    </message>
    <message>
        <source>Readings chart</source>
        <translation>Diagramm der Messwerte</translation>
    </message>
    <message>
        <source>%1 to %2 (%3)</source>
        <extracomment>A tooltip&apos;s first line: %1 first day, %2 last day, %3 how many days (and readings)</extracomment>
        <translation>%1 bis %2 (%3)</translation>
    </message>
    <message>
        <source>Average %1</source>
        <extracomment>%1 the average values (&quot;128/84, pulse 71&quot;)</extracomment>
        <translation>Mittelwert %1</translation>
    </message>
    <message>
        <source>Systolic %1, diastolic %2, pulse %3</source>
        <extracomment>Lowest to highest values (&quot;120–135&quot;)</extracomment>
        <translation>Systolisch %1, diastolisch %2, Puls %3</translation>
    </message>
    <message>
        <source>Readings chart: hidden, no readings to show.</source>
        <translation>Diagramm der Messwerte: ausgeblendet, keine Messwerte vorhanden.</translation>
    </message>
    <message>
        <source>Readings chart: no readings yet.</source>
        <translation>Diagramm der Messwerte: noch keine Messwerte.</translation>
    </message>
    <message>
        <source>Readings chart: %1, %2.</source>
        <extracomment>%1 how many days (and readings), %2 the day</extracomment>
        <translation>Diagramm der Messwerte: %1, %2.</translation>
    </message>
    <message>
        <source>Readings chart: %1 from %2 to %3.</source>
        <extracomment>%1 how many days (and readings), %2 the first day, %3 the last day</extracomment>
        <translation>Diagramm der Messwerte: %1 vom %2 bis %3.</translation>
    </message>
    <message>
        <source>Latest %1.</source>
        <extracomment>%1 the latest day and its values</extracomment>
        <translation>Zuletzt %1.</translation>
    </message>
    <message>
        <source>Last 7 days average %1/%2.</source>
        <extracomment>%1 systolic, %2 diastolic</extracomment>
        <translation>Mittelwert der letzten 7 Tage %1/%2.</translation>
    </message>
</context>
<context>
    <name>modUtils</name>
    <message>
        <source>Information</source>
        <extracomment>What a screen reader says for a message box&apos;s icon</extracomment>
        <translation>Information</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Frage</translation>
    </message>
    <message>
        <source>Answers</source>
        <extracomment>A screen reader&apos;s name for the row of a message box&apos;s buttons</extracomment>
        <translation>Antworten</translation>
    </message>
    <message>
        <source>%1 has experienced a problem</source>
        <extracomment>%1 the program&apos;s name</extracomment>
        <translation>%1 hat ein Problem festgestellt</translation>
    </message>
    <message>
        <source>%1 has experienced an error : %2</source>
        <extracomment>%1 the program&apos;s name, %2 what went wrong</extracomment>
        <translation>In %1 ist ein Fehler aufgetreten: %2</translation>
    </message>
    <message>
        <source>%1 Warning</source>
        <extracomment>A message box&apos;s title; %1 the program&apos;s name</extracomment>
        <translation>%1 – Warnung</translation>
    </message>
</context>
</TS>
