<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>ReportComposer</name>
    <message>
        <source>Average, %1: %2/%3, pulse %4</source>
        <extracomment>%1: which days (&quot;whole period&quot;), %2/%3: systolic/diastolic average, %4: pulse.</extracomment>
        <translation>Durchschnitt, %1: %2/%3, Puls %4</translation>
    </message>
    <message>
        <source>Average, %1: %2/%3</source>
        <extracomment>%1: which days (&quot;whole period&quot;), %2/%3: systolic/diastolic average.</extracomment>
        <translation>Durchschnitt, %1: %2/%3</translation>
    </message>
    <message>
        <source>up to %1</source>
        <extracomment>A pressure range of the colour key: this value and all below it.</extracomment>
        <translation>bis %1</translation>
    </message>
    <message>
        <source>from %1</source>
        <extracomment>A pressure range of the colour key: this value and all above it.</extracomment>
        <translation>ab %1</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <extracomment>Two pressure ranges of one colour: &quot;up to 99 or from 150&quot;.</extracomment>
        <translation>%1 oder %2</translation>
    </message>
    <message>
        <source>Home measurement week: none in these readings. It needs at least %1 consecutive days with morning (before noon) and evening readings; no day here has both.</source>
        <extracomment>%1: the fewest days the week needs (3).</extracomment>
        <translation>Messwoche (Selbstmessung): keine in diesen Werten. Nötig sind mindestens %1 aufeinanderfolgende Tage mit Messungen morgens (vor 12 Uhr) und abends; hier hat kein Tag beides.</translation>
    </message>
    <message numerus="yes">
        <source>Home measurement week: none in these readings. It needs at least %1 consecutive days with morning (before noon) and evening readings; the longest run here is %n day(s).</source>
        <extracomment>%1: the fewest days the week needs (3); %n: the longest run of such days.</extracomment>
        <translation>
            <numerusform>Messwoche (Selbstmessung): keine in diesen Werten. Nötig sind mindestens %1 aufeinanderfolgende Tage mit Messungen morgens (vor 12 Uhr) und abends; die längste Folge hier ist %n Tag.</numerusform>
            <numerusform>Messwoche (Selbstmessung): keine in diesen Werten. Nötig sind mindestens %1 aufeinanderfolgende Tage mit Messungen morgens (vor 12 Uhr) und abends; die längste Folge hier ist %n Tage.</numerusform>
        </translation>
    </message>
    <message>
        <source>Home measurement week %1 to %2, first day left out: %3 days, %4 readings</source>
        <extracomment>%1 and %2: the week&apos;s first and last day; %3: days counted (2 or more); %4: readings.</extracomment>
        <translation>Messwoche (Selbstmessung) %1 bis %2, ohne den ersten Tag: %3 Tage, %4 Messungen</translation>
    </message>
    <message>
        <source>Home measurement mean %1 (morning %2, evening %3): at or above %4</source>
        <extracomment>%1: the mean (systolic/diastolic), %2: morning mean, %3: evening mean, %4: the threshold (135/85).</extracomment>
        <translation>Mittelwert der Selbstmessung %1 (morgens %2, abends %3): auf oder über %4</translation>
    </message>
    <message>
        <source>Home measurement mean %1 (morning %2, evening %3): below %4</source>
        <extracomment>%1: the mean (systolic/diastolic), %2: morning mean, %3: evening mean, %4: the threshold (135/85).</extracomment>
        <translation>Mittelwert der Selbstmessung %1 (morgens %2, abends %3): unter %4</translation>
    </message>
    <message>
        <source>%1: no days with both pressures</source>
        <extracomment>%1: the period (&quot;All readings&quot;, &quot;1 Sep 2026 to 8 Dec 2026&quot;).</extracomment>
        <translation>%1: keine Tage mit beiden Blutdruckwerten</translation>
    </message>
    <message>
        <source>%1: systolic %2 and diastolic %3</source>
        <extracomment>A line of the colour key. %1: the colour&apos;s name (shown in that colour), %2 and %3: the systolic and the diastolic ranges (&quot;100-129&quot;, &quot;up to 99 or from 150&quot;).</extracomment>
        <translation>%1: systolisch %2 und diastolisch %3</translation>
    </message>
    <message>
        <source>whole period</source>
        <extracomment>Which days an average is taken over.</extracomment>
        <translation>gesamter Zeitraum</translation>
    </message>
    <message numerus="yes">
        <source>last %n day(s) with readings</source>
        <extracomment>Which days an average is taken over: the latest %n days that hold readings.</extracomment>
        <translation>
            <numerusform>letzter %n Tag mit Messungen</numerusform>
            <numerusform>letzte %n Tage mit Messungen</numerusform>
        </translation>
    </message>
    <message>
        <source>Days at or above %1 (home measurement threshold, ESH 2023): %2 of %3</source>
        <extracomment>%1: the threshold (135/85); %2 of %3: days at or above it, of all days.</extracomment>
        <translation>Tage auf oder über %1 (Grenzwert der Selbstmessung, ESH 2023): %2 von %3</translation>
    </message>
    <message>
        <source>Pressures in mmHg, pulse in beats per minute</source>
        <translation>Blutdruck in mmHg, Puls in Schlägen pro Minute</translation>
    </message>
    <message>
        <source>Each pressure is coloured by its own range:</source>
        <translation>Jeder Wert ist nach seinem eigenen Bereich gefärbt:</translation>
    </message>
    <message>
        <source>All readings</source>
        <extracomment>The report&apos;s period when it is not limited to some days.</extracomment>
        <translation>Alle Messungen</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <extracomment>The report&apos;s period: its first and its last day.</extracomment>
        <translation>%1 bis %2</translation>
    </message>
    <message>
        <source>no time</source>
        <extracomment>In place of a reading&apos;s time of day, when it has none (the date column: keep short).</extracomment>
        <translation>ohne Zeit</translation>
    </message>
    <message>
        <source>YOUR READINGS</source>
        <extracomment>The heading above the day lines.</extracomment>
        <translation>IHRE MESSWERTE</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n day(s) with both pressures, %2 readings</source>
        <extracomment>%1: the period; %n: days; %2: readings (always more than the days).</extracomment>
        <translation>
            <numerusform>%1: %n Tag mit beiden Blutdruckwerten, %2 Messungen</numerusform>
            <numerusform>%1: %n Tage mit beiden Blutdruckwerten, %2 Messungen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %n day(s) with both pressures</source>
        <extracomment>%1: the period; %n: days.</extracomment>
        <translation>
            <numerusform>%1: %n Tag mit beiden Blutdruckwerten</numerusform>
            <numerusform>%1: %n Tage mit beiden Blutdruckwerten</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RichTextBox</name>
    <message>
        <source>Picture</source>
        <extracomment>What a screen reader says for a picture that has no words of its own.</extracomment>
        <translation>Bild</translation>
    </message>
</context>
<context>
    <name>frmReport</name>
    <message>
        <source>Tensiolog Report</source>
        <translation>Tensiolog-Bericht</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Bericht</translation>
    </message>
    <message>
        <source>Save as PDF…</source>
        <translation>Als PDF speichern…</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <extracomment>The &quot;Save as PDF…&quot; button&apos;s name for screen readers.</extracomment>
        <translation>Als PDF speichern</translation>
    </message>
    <message>
        <source>&amp;Period:</source>
        <extracomment>The accelerator (&amp;) must differ from the window&apos;s other ones (C of Export CSV).</extracomment>
        <translation>&amp;Zeitraum:</translation>
    </message>
    <message>
        <source>All readings</source>
        <translation>Alle Messungen</translation>
    </message>
    <message numerus="yes">
        <source>Last %n day(s)</source>
        <translation>
            <numerusform>Letzter %n Tag</numerusform>
            <numerusform>Letzte %n Tage</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Last %n month(s)</source>
        <translation>
            <numerusform>Letzter %n Monat</numerusform>
            <numerusform>Letzte %n Monate</numerusform>
        </translation>
    </message>
    <message>
        <source>From … to …</source>
        <extracomment>The period choice whose first and last day are picked beside it.</extracomment>
        <translation>Von … bis …</translation>
    </message>
    <message>
        <source>Report period</source>
        <translation>Berichtszeitraum</translation>
    </message>
    <message>
        <source>Report from</source>
        <extracomment>Screen reader&apos;s name of the period&apos;s first day.</extracomment>
        <translation>Bericht ab</translation>
    </message>
    <message>
        <source>Report to</source>
        <extracomment>Screen reader&apos;s name of the period&apos;s last day.</extracomment>
        <translation>Bericht bis</translation>
    </message>
    <message>
        <source>Tensiolog report, %1</source>
        <extracomment>The printed document&apos;s title. %1: the period (&quot;1 Sep 2026 to 8 Dec 2026&quot;).</extracomment>
        <translation>Tensiolog-Bericht, %1</translation>
    </message>
    <message>
        <source>%1, printed %2</source>
        <extracomment>The foot of each printed page. %1: the document&apos;s title, %2: the day it is printed.</extracomment>
        <translation>%1, gedruckt am %2</translation>
    </message>
    <message>
        <source>Tensiolog, blood pressure diary</source>
        <extracomment>What a screen reader says in place of the report&apos;s header picture.</extracomment>
        <translation>Tensiolog, Blutdrucktagebuch</translation>
    </message>
    <message>
        <source>This report was not printed. This was due to you either cancelling the printing or the printer being offline.</source>
        <translation>Dieser Bericht wurde nicht gedruckt: Entweder wurde das Drucken abgebrochen, oder der Drucker ist nicht erreichbar.</translation>
    </message>
    <message>
        <source>This report has been sent to your default printer (%1).</source>
        <extracomment>%1: the printer&apos;s name.</extracomment>
        <translation>Dieser Bericht wurde an Ihren Standarddrucker (%1) gesendet.</translation>
    </message>
    <message>
        <source>Tensiolog report %1.pdf</source>
        <extracomment>The file name proposed for the PDF. %1: today as 2027-03-07 (keep that form).</extracomment>
        <translation>Tensiolog-Bericht %1.pdf</translation>
    </message>
    <message>
        <source>Save the report as PDF</source>
        <translation>Bericht als PDF speichern</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <extracomment>The file type of the save dialog: keep &quot;(*.pdf)&quot; as it is.</extracomment>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <source>This report has been saved as %1.</source>
        <extracomment>%1: the file&apos;s path.</extracomment>
        <translation>Dieser Bericht wurde als %1 gespeichert.</translation>
    </message>
    <message>
        <source>This report was not saved as %1 (%2).</source>
        <extracomment>%1: the file&apos;s path, %2: the reason.</extracomment>
        <translation>Dieser Bericht wurde nicht als %1 gespeichert (%2).</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>unbekannter Fehler</translation>
    </message>
    <message>
        <source>Export &amp;CSV…</source>
        <extracomment>The accelerator (&amp;) must differ from the window&apos;s other ones (P of Period).</extracomment>
        <translation>&amp;CSV exportieren…</translation>
    </message>
    <message>
        <source>Export CSV…</source>
        <extracomment>The &quot;Export CSV…&quot; button&apos;s name for screen readers.</extracomment>
        <translation>CSV exportieren…</translation>
    </message>
    <message>
        <source>Saves the readings as a CSV file for a spreadsheet</source>
        <translation>Speichert die Messwerte als CSV-Datei für eine Tabellenkalkulation</translation>
    </message>
    <message>
        <source>Save the readings as a CSV file for a spreadsheet</source>
        <translation>Messwerte als CSV-Datei für eine Tabellenkalkulation speichern</translation>
    </message>
    <message>
        <source>Tensiolog readings %1.csv</source>
        <extracomment>The file name proposed for the CSV export. %1: today as 2027-03-07 (keep that form).</extracomment>
        <translation>Tensiolog-Messwerte %1.csv</translation>
    </message>
    <message>
        <source>Export the readings as CSV</source>
        <translation>Messwerte als CSV exportieren</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <extracomment>The file type of the save dialog: keep &quot;(*.csv)&quot; as it is.</extracomment>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <extracomment>A message&apos;s title.</extracomment>
        <translation>CSV exportieren</translation>
    </message>
    <message numerus="yes">
        <source>%n day(s) have been exported to %1.</source>
        <extracomment>%n: the days exported, %1: the file&apos;s path.</extracomment>
        <translation>
            <numerusform>%n Tag wurde nach %1 exportiert.</numerusform>
            <numerusform>%n Tage wurden nach %1 exportiert.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 Warning</source>
        <extracomment>A message&apos;s title. %1: the program&apos;s name.</extracomment>
        <translation>%1 – Warnung</translation>
    </message>
    <message>
        <source>The readings were not exported to %1 (%2).</source>
        <extracomment>%1: the file&apos;s path, %2: the reason.</extracomment>
        <translation>Die Messwerte wurden nicht nach %1 exportiert (%2).</translation>
    </message>
    <message>
        <source>blood pressure diary</source>
        <extracomment>The words after &quot;Tensiolog&quot; on the report&apos;s header picture (at most 20 letters).</extracomment>
        <translation>Blutdrucktagebuch</translation>
    </message>
</context>
<context>
    <name>modPrint</name>
    <message>
        <source>Tensiolog report</source>
        <translation>Tensiolog-Bericht</translation>
    </message>
    <message>
        <source>page %1 of %2</source>
        <extracomment>At the foot of each printed page.</extracomment>
        <translation>Seite %1 von %2</translation>
    </message>
    <message>
        <source>the report could not be laid out on the page</source>
        <extracomment>Why a PDF was not saved (after &quot;This report was not saved as ... (&quot;).</extracomment>
        <translation>der Bericht konnte nicht auf der Seite angeordnet werden</translation>
    </message>
</context>
</TS>
