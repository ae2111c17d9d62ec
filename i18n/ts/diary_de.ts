<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>ConflictCopies</name>
    <message>
        <source>the folder %1 cannot be made</source>
        <translation>der Ordner %1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>too many earlier copies</source>
        <translation>zu viele frühere Kopien</translation>
    </message>
</context>
<context>
    <name>CsvDescriptions</name>
    <message>
        <source>fields separated by semicolons</source>
        <translation>Felder durch Semikolons getrennt</translation>
    </message>
    <message>
        <source>fields separated by tabs</source>
        <translation>Felder durch Tabulatoren getrennt</translation>
    </message>
    <message>
        <source>fields separated by commas</source>
        <translation>Felder durch Kommas getrennt</translation>
    </message>
    <message numerus="yes">
        <source>%n days</source>
        <translation>
            <numerusform>%n Tag</numerusform>
            <numerusform>%n Tage</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %n readings on %2 (%3, %4).</source>
        <extracomment>%1: the file&apos;s name, %2: &quot;on N days&quot;, %3: its encoding (&quot;UTF-8&quot;), %4: &quot;fields separated by commas&quot;</extracomment>
        <translation>
            <numerusform>%1: %n Messwert an %2 (%3, %4).</numerusform>
            <numerusform>%1: %n Messwerte an %2 (%3, %4).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n days</source>
        <comment>after &quot;on&quot;</comment>
        <translation>
            <numerusform>%n Tag</numerusform>
            <numerusform>%n Tagen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n days have more than one reading; each is kept with its time.</source>
        <translation>
            <numerusform>%n Tag hat mehr als einen Messwert; jeder wird mit seiner Uhrzeit übernommen.</numerusform>
            <numerusform>%n Tage haben mehr als einen Messwert; jeder wird mit seiner Uhrzeit übernommen.</numerusform>
        </translation>
    </message>
    <message>
        <source>Columns left out: %1.</source>
        <translation>Nicht übernommene Spalten: %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n lines above the header row skipped.</source>
        <translation>
            <numerusform>%n Zeile über der Kopfzeile übersprungen.</numerusform>
            <numerusform>%n Zeilen über der Kopfzeile übersprungen.</numerusform>
        </translation>
    </message>
    <message>
        <source>Added %1, filled in %2, replaced values of %3; %4 unchanged.</source>
        <extracomment>Each of %1 to %4 is a number of days (&quot;1 day&quot;, &quot;3 days&quot;)</extracomment>
        <translation>Hinzugefügt: %1, ergänzt: %2, mit ersetzten Werten: %3; unverändert: %4.</translation>
    </message>
    <message>
        <source>Would add %1, fill in %2, replace values of %3; %4 would stay unchanged.</source>
        <translation>Hinzuzufügen: %1, zu ergänzen: %2, mit zu ersetzenden Werten: %3; unverändert bleiben: %4.</translation>
    </message>
    <message numerus="yes">
        <source>%n days took readings of the file beside their own.</source>
        <translation>
            <numerusform>%n Tag hat Messwerte der Datei neben den eigenen aufgenommen.</numerusform>
            <numerusform>%n Tage haben Messwerte der Datei neben den eigenen aufgenommen.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n days would take readings of the file beside their own.</source>
        <translation>
            <numerusform>%n Tag würde Messwerte der Datei neben den eigenen aufnehmen.</numerusform>
            <numerusform>%n Tage würden Messwerte der Datei neben den eigenen aufnehmen.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n days kept stored values where the file has others.</source>
        <translation>
            <numerusform>%n Tag hat gespeicherte Werte behalten, wo die Datei andere hat.</numerusform>
            <numerusform>%n Tage haben gespeicherte Werte behalten, wo die Datei andere hat.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n days would keep stored values where the file has others.</source>
        <translation>
            <numerusform>%n Tag würde gespeicherte Werte behalten, wo die Datei andere hat.</numerusform>
            <numerusform>%n Tage würden gespeicherte Werte behalten, wo die Datei andere hat.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CsvExport</name>
    <message>
        <source>the bytes could not all be written</source>
        <translation>nicht alle Bytes konnten geschrieben werden</translation>
    </message>
</context>
<context>
    <name>CsvImport</name>
    <message>
        <source>no valid date</source>
        <translation>kein gültiges Datum</translation>
    </message>
    <message>
        <source>the diary holds at most %1 days; it has %2, and the file would add %3</source>
        <extracomment>%1: the most days a diary holds, %2: the days it has, %3: the days the file adds</extracomment>
        <translation>das Tagebuch fasst höchstens %1 Tage; es hat %2, und die Datei würde %3 hinzufügen</translation>
    </message>
    <message numerus="yes">
        <source>%1 would hold %n readings with those of the file; a day holds at most %2</source>
        <extracomment>%1: a date, %2: the most readings a day holds</extracomment>
        <translation>
            <numerusform>der %1 hätte zusammen mit der Datei %n Messwert; ein Tag fasst höchstens %2</numerusform>
            <numerusform>der %1 hätte zusammen mit der Datei %n Messwerte; ein Tag fasst höchstens %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 has %n readings; a day holds at most %2</source>
        <extracomment>%1: a date, %2: the most readings a day holds</extracomment>
        <translation>
            <numerusform>der %1 hat %n Messwert; ein Tag fasst höchstens %2</numerusform>
            <numerusform>der %1 hat %n Messwerte; ein Tag fasst höchstens %2</numerusform>
        </translation>
    </message>
    <message>
        <source>there is no list of readings to add to</source>
        <translation>es gibt keine Messwertliste, die ergänzt werden könnte</translation>
    </message>
    <message>
        <source>the columns &quot;%1&quot; and &quot;%2&quot; both hold the systolic pressure</source>
        <extracomment>%1 and %2: the names of two columns of a CSV file</extracomment>
        <translation>die Spalten „%1“ und „%2“ enthalten beide den systolischen Wert</translation>
    </message>
    <message>
        <source>the columns &quot;%1&quot; and &quot;%2&quot; both hold the diastolic pressure</source>
        <translation>die Spalten „%1“ und „%2“ enthalten beide den diastolischen Wert</translation>
    </message>
    <message>
        <source>the columns &quot;%1&quot; and &quot;%2&quot; both hold the pulse</source>
        <translation>die Spalten „%1“ und „%2“ enthalten beide den Puls</translation>
    </message>
    <message>
        <source>the columns &quot;%1&quot; and &quot;%2&quot; both hold the comment</source>
        <translation>die Spalten „%1“ und „%2“ enthalten beide die Bemerkung</translation>
    </message>
    <message>
        <source>column %1</source>
        <translation>Spalte %1</translation>
    </message>
    <message>
        <source>the systolic pressure &quot;%1&quot; is negative</source>
        <translation>der systolische Wert „%1“ ist negativ</translation>
    </message>
    <message>
        <source>the systolic pressure &quot;%1&quot; is not a whole number</source>
        <translation>der systolische Wert „%1“ ist keine ganze Zahl</translation>
    </message>
    <message>
        <source>the systolic pressure &quot;%1&quot; is larger than 999</source>
        <translation>der systolische Wert „%1“ ist größer als 999</translation>
    </message>
    <message>
        <source>the diastolic pressure &quot;%1&quot; is negative</source>
        <translation>der diastolische Wert „%1“ ist negativ</translation>
    </message>
    <message>
        <source>the diastolic pressure &quot;%1&quot; is not a whole number</source>
        <translation>der diastolische Wert „%1“ ist keine ganze Zahl</translation>
    </message>
    <message>
        <source>the diastolic pressure &quot;%1&quot; is larger than 999</source>
        <translation>der diastolische Wert „%1“ ist größer als 999</translation>
    </message>
    <message>
        <source>the pulse &quot;%1&quot; is negative</source>
        <translation>der Puls „%1“ ist negativ</translation>
    </message>
    <message>
        <source>the pulse &quot;%1&quot; is not a whole number</source>
        <translation>der Puls „%1“ ist keine ganze Zahl</translation>
    </message>
    <message>
        <source>the pulse &quot;%1&quot; is larger than 999</source>
        <translation>der Puls „%1“ ist größer als 999</translation>
    </message>
    <message>
        <source>the comment is %1 characters long; a comment holds at most %2</source>
        <extracomment>%1: the comment&apos;s length, %2: the most a comment holds (both over 1000)</extracomment>
        <translation>die Bemerkung ist %1 Zeichen lang; eine Bemerkung fasst höchstens %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a time in milliseconds since 1970</source>
        <translation>„%1“ ist keine Zeitangabe in Millisekunden seit 1970</translation>
    </message>
    <message>
        <source>the row has a reading but no date</source>
        <translation>die Zeile hat einen Messwert, aber kein Datum</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a date that can be read (it should read like 2026-12-08, 08.12.2026 or 08/12/2026)</source>
        <translation>„%1“ ist kein lesbares Datum (es sollte etwa 2026-12-08, 08.12.2026 oder 08/12/2026 lauten)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a time of day</source>
        <translation>„%1“ ist keine Uhrzeit</translation>
    </message>
    <message numerus="yes">
        <source>the row has %n fields, but the header names %1 columns</source>
        <extracomment>%1: how many columns the header row names (at least two)</extracomment>
        <translation>
            <numerusform>die Zeile hat %n Feld, die Kopfzeile nennt aber %1 Spalten</numerusform>
            <numerusform>die Zeile hat %n Felder, die Kopfzeile nennt aber %1 Spalten</numerusform>
        </translation>
    </message>
    <message>
        <source>the dates are in two orders: line %1 puts the day first (&quot;%2&quot;), line %3 the month (&quot;%4&quot;)</source>
        <translation>die Datumsangaben stehen in zwei Reihenfolgen: Zeile %1 nennt zuerst den Tag („%2“), Zeile %3 den Monat („%4“)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; can be read as %2 (day first) or as %3 (month first), and no date in the file tells which</source>
        <extracomment>%1: a date as the file gives it; %2 and %3: the two dates it can be</extracomment>
        <translation>„%1“ kann als %2 (Tag zuerst) oder als %3 (Monat zuerst) gelesen werden, und kein Datum der Datei sagt, was gilt</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a date of the calendar</source>
        <translation>„%1“ ist kein gültiges Kalenderdatum</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a date of the calendar (read day first)</source>
        <translation>„%1“ ist kein gültiges Kalenderdatum (Tag zuerst gelesen)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a date of the calendar (read month first)</source>
        <translation>„%1“ ist kein gültiges Kalenderdatum (Monat zuerst gelesen)</translation>
    </message>
    <message>
        <source>%1 is outside the years 1900 to 9999</source>
        <translation>%1 liegt außerhalb der Jahre 1900 bis 9999</translation>
    </message>
    <message>
        <source>%1 could not be read (it is larger than %2 MB, far more than any diary holds)</source>
        <extracomment>%1: the file&apos;s name, %2: a number of megabytes</extracomment>
        <translation>%1 konnte nicht gelesen werden (die Datei ist größer als %2 MB, weit mehr, als ein Tagebuch enthält)</translation>
    </message>
    <message>
        <source>%1 could not be read (%2)</source>
        <translation>%1 konnte nicht gelesen werden (%2)</translation>
    </message>
    <message>
        <source>%1 could not be read (it is %2, not an ordinary file)</source>
        <extracomment>%2: what the file is (&quot;a folder&quot;, &quot;a named pipe&quot;)</extracomment>
        <translation>%1 konnte nicht gelesen werden (es ist %2, keine gewöhnliche Datei)</translation>
    </message>
    <message>
        <source>something else</source>
        <translation>etwas anderes</translation>
    </message>
    <message>
        <source>%1 could not be opened (%2)</source>
        <translation>%1 konnte nicht geöffnet werden (%2)</translation>
    </message>
    <message>
        <source>%1, line %2: %3</source>
        <translation>%1, Zeile %2: %3</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>%1: the file&apos;s name, %2: what is wrong</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>the file holds no readings (it is empty)</source>
        <translation>die Datei enthält keine Messwerte (sie ist leer)</translation>
    </message>
    <message>
        <source>no header row names the columns: the first line should read like &quot;date,systolic,diastolic,pulse,comment&quot;, and it reads &quot;%1&quot;</source>
        <translation>keine Kopfzeile nennt die Spalten: die erste Zeile sollte etwa „Datum;Systolisch;Diastolisch;Puls;Bemerkung“ lauten, sie lautet aber „%1“</translation>
    </message>
    <message>
        <source>field %1 opens a quote on line %2 that is never closed</source>
        <extracomment>%1: the field&apos;s number in its row, %2: a line number</extracomment>
        <translation>Feld %1 öffnet in Zeile %2 ein Anführungszeichen, das nie geschlossen wird</translation>
    </message>
    <message>
        <source>field %1 has text after its closing quote</source>
        <translation>Feld %1 hat Text nach seinem schließenden Anführungszeichen</translation>
    </message>
</context>
<context>
    <name>DataFileLock</name>
    <message>
        <source>a named pipe (FIFO)</source>
        <translation>eine benannte Pipe (FIFO)</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>ein Ordner</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>ein Gerät</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>ein Socket</translation>
    </message>
    <message>
        <source>not an ordinary file</source>
        <translation>etwas anderes als eine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>the folder of &quot;%1&quot; may not be written to</source>
        <translation>in den Ordner von „%1“ darf nicht geschrieben werden</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be written</source>
        <translation>„%1“ konnte nicht geschrieben werden</translation>
    </message>
    <message>
        <source>&quot;%1&quot; kept coming back</source>
        <translation>„%1“ tauchte immer wieder auf</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is %2, not a lock file</source>
        <extracomment>%2: what is there (&quot;a folder&quot;, &quot;a named pipe (FIFO)&quot;)</extracomment>
        <translation>„%1“ ist %2, keine Sperrdatei</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be replaced</source>
        <translation>„%1“ konnte nicht ersetzt werden</translation>
    </message>
    <message>
        <source>The readings are open in Tensiolog on another computer (lock file &quot;%1&quot;).</source>
        <translation>Die Messwerte sind in Tensiolog auf einem anderen Computer geöffnet (Sperrdatei „%1“).</translation>
    </message>
    <message>
        <source>The readings are open in Tensiolog on another computer since %1 (lock file &quot;%2&quot;).</source>
        <extracomment>%1: a date and time</extracomment>
        <translation>Die Messwerte sind seit %1 in Tensiolog auf einem anderen Computer geöffnet (Sperrdatei „%2“).</translation>
    </message>
    <message>
        <source>The readings are open in Tensiolog on the computer &quot;%1&quot; (lock file &quot;%2&quot;).</source>
        <extracomment>%1: the other computer&apos;s name</extracomment>
        <translation>Die Messwerte sind in Tensiolog auf dem Computer „%1“ geöffnet (Sperrdatei „%2“).</translation>
    </message>
    <message>
        <source>The readings are open in Tensiolog on the computer &quot;%1&quot; since %2 (lock file &quot;%3&quot;).</source>
        <extracomment>%1: the other computer&apos;s name, %2: a date and time</extracomment>
        <translation>Die Messwerte sind seit %2 in Tensiolog auf dem Computer „%1“ geöffnet (Sperrdatei „%3“).</translation>
    </message>
</context>
<context>
    <name>DataFileSaver</name>
    <message>
        <source>there is no diary to save</source>
        <translation>es gibt kein Tagebuch zum Speichern</translation>
    </message>
    <message>
        <source>it is not an ordinary file</source>
        <translation>es ist keine gewöhnliche Datei</translation>
    </message>
</context>
<context>
    <name>DiaryLoad</name>
    <message>
        <source>it holds no list of readings</source>
        <translation>sie enthält keine Liste von Messwerten</translation>
    </message>
    <message>
        <source>it ends in the middle of its readings, as a file that was cut off does</source>
        <translation>sie endet mitten in ihren Messwerten, wie eine abgeschnittene Datei</translation>
    </message>
    <message>
        <source>it is damaged at line %1</source>
        <translation>sie ist in Zeile %1 beschädigt</translation>
    </message>
    <message>
        <source>its contents could not be made out</source>
        <translation>ihr Inhalt ließ sich nicht entziffern</translation>
    </message>
</context>
<context>
    <name>DocumentMerge</name>
    <message numerus="yes">
        <source>%1 and %n more</source>
        <extracomment>%1: three dates; %n: how many more days</extracomment>
        <translation>
            <numerusform>%1 und %n weiteren</numerusform>
            <numerusform>%1 und %n weiteren</numerusform>
        </translation>
    </message>
    <message>
        <source>the readings of %1 came from the other computer</source>
        <translation>die Messwerte vom %1 kamen vom anderen Computer</translation>
    </message>
    <message>
        <source>where a value was typed differently here and on the other computer (%1 on %2), yours is kept</source>
        <translation>wo ein Wert hier und auf dem anderen Computer verschieden eingegeben wurde (%1 am %2), bleibt Ihr Wert erhalten</translation>
    </message>
    <message>
        <source>where a value was typed differently here and on the other computer (%1 on %2), yours is kept and theirs is in &quot;%3&quot;</source>
        <translation>wo ein Wert hier und auf dem anderen Computer verschieden eingegeben wurde (%1 am %2), bleibt Ihr Wert erhalten und der andere steht in „%3“</translation>
    </message>
    <message>
        <source>nothing new came from the other computer</source>
        <translation>vom anderen Computer kam nichts Neues</translation>
    </message>
    <message>
        <source>the readings of %1 came from a change made to the file during the import</source>
        <translation>die Messwerte vom %1 kamen aus einer Änderung an der Datei während des Imports</translation>
    </message>
    <message>
        <source>where a value was typed differently here and on a change made to the file during the import (%1 on %2), yours is kept</source>
        <translation>wo ein Wert hier und in einer Änderung an der Datei während des Imports verschieden eingegeben wurde (%1 am %2), bleibt Ihr Wert erhalten</translation>
    </message>
    <message>
        <source>where a value was typed differently here and on a change made to the file during the import (%1 on %2), yours is kept and theirs is in &quot;%3&quot;</source>
        <translation>wo ein Wert hier und in einer Änderung an der Datei während des Imports verschieden eingegeben wurde (%1 am %2), bleibt Ihr Wert erhalten und der andere steht in „%3“</translation>
    </message>
    <message>
        <source>nothing new came from a change made to the file during the import</source>
        <translation>aus einer Änderung an der Datei während des Imports kam nichts Neues</translation>
    </message>
    <message>
        <source>the readings of %1 came from %2</source>
        <extracomment>%2: a file&apos;s name in quotes</extracomment>
        <translation>die Messwerte vom %1 kamen aus %2</translation>
    </message>
    <message>
        <source>where a value was typed differently here and on %3 (%1 on %2), yours is kept</source>
        <extracomment>%3: a file&apos;s name in quotes</extracomment>
        <translation>wo ein Wert hier und in %3 verschieden eingegeben wurde (%1 am %2), bleibt Ihr Wert erhalten</translation>
    </message>
    <message>
        <source>where a value was typed differently here and on %4 (%1 on %2), yours is kept and theirs is in &quot;%3&quot;</source>
        <extracomment>%4: a file&apos;s name in quotes</extracomment>
        <translation>wo ein Wert hier und in %4 verschieden eingegeben wurde (%1 am %2), bleibt Ihr Wert erhalten und der andere steht in „%3“</translation>
    </message>
    <message>
        <source>nothing new came from %1</source>
        <extracomment>%1: a file&apos;s name in quotes</extracomment>
        <translation>aus %1 kam nichts Neues</translation>
    </message>
    <message numerus="yes">
        <source>%n values</source>
        <comment>typed differently</comment>
        <extracomment>How many values were typed differently</extracomment>
        <translation>
            <numerusform>ein Wert</numerusform>
            <numerusform>%n Werte</numerusform>
        </translation>
    </message>
    <message>
        <source>%1; %2</source>
        <extracomment>Two parts of one sentence</extracomment>
        <translation>%1; %2</translation>
    </message>
</context>
<context>
    <name>PressureColours</name>
    <message>
        <source>red</source>
        <translation>rot</translation>
    </message>
    <message>
        <source>green</source>
        <translation>grün</translation>
    </message>
    <message>
        <source>orange</source>
        <translation>orange</translation>
    </message>
    <message>
        <source>black</source>
        <translation>schwarz</translation>
    </message>
</context>
<context>
    <name>SafeFile</name>
    <message>
        <source>it is not an ordinary file</source>
        <translation>es ist keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>only %1 of %2 bytes reached the disk</source>
        <extracomment>%1 and %2: numbers of bytes</extracomment>
        <translation>nur %1 von %2 Bytes erreichten den Datenträger</translation>
    </message>
    <message>
        <source>%1 was saved, but its folder could not be synced to disk (%2): a power cut soon may undo the save</source>
        <extracomment>%1: a file, %2: the system&apos;s reason</extracomment>
        <translation>%1 wurde gespeichert, aber sein Ordner konnte nicht auf den Datenträger geschrieben werden (%2): ein baldiger Stromausfall kann das Speichern rückgängig machen</translation>
    </message>
    <message>
        <source>another program changed the file during the save, and its version could not be put back (%1); it is kept as %2</source>
        <extracomment>%1: the system&apos;s reason, %2: a file</extracomment>
        <translation>ein anderes Programm hat die Datei während des Speicherns geändert, und seine Fassung konnte nicht zurückgelegt werden (%1); sie bleibt als %2 erhalten</translation>
    </message>
    <message>
        <source>too many earlier copies</source>
        <translation>zu viele frühere Kopien</translation>
    </message>
</context>
<context>
    <name>modFiles</name>
    <message>
        <source>&quot;%1&quot; is a file, not a folder</source>
        <translation>„%1“ ist eine Datei, kein Ordner</translation>
    </message>
    <message>
        <source>no folder may be made in &quot;%1&quot;</source>
        <translation>in „%1“ darf kein Ordner angelegt werden</translation>
    </message>
    <message>
        <source>it could not be made</source>
        <translation>er konnte nicht angelegt werden</translation>
    </message>
    <message>
        <source>the system names no folder for application data</source>
        <translation>das System nennt keinen Ordner für Programmdaten</translation>
    </message>
</context>
<context>
    <name>modGlobals</name>
    <message>
        <source>there is no diary to save</source>
        <translation>es gibt kein Tagebuch zum Speichern</translation>
    </message>
    <message>
        <source>the diary could not be written out</source>
        <translation>das Tagebuch konnte nicht geschrieben werden</translation>
    </message>
    <message>
        <source>The diary has reached the largest size this version can hold (%1 days).</source>
        <extracomment>%1: the most days a diary holds (32,767)</extracomment>
        <translation>Das Tagebuch hat den größten Umfang erreicht, den diese Version fassen kann (%1 Tage).</translation>
    </message>
</context>
</TS>
