<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Artwork</name>
    <message>
        <source>your blood pressure diary</source>
        <extracomment>The window&apos;s heading, after the program&apos;s name; small room</extracomment>
        <translation>Ihr Blutdruck-Tagebuch</translation>
    </message>
    <message>
        <source>free blood pressure diary</source>
        <extracomment>The window&apos;s foot, after the web address; small room</extracomment>
        <translation>freies Blutdruck-Tagebuch</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>A button; small room</extracomment>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>View report</source>
        <extracomment>A button; small room</extracomment>
        <translation>Zum Bericht</translation>
    </message>
</context>
<context>
    <name>CalendarGridAccessible</name>
    <message>
        <source>Week %1</source>
        <extracomment>A screen reader&apos;s name of a row of the calendar; %1 the week&apos;s number in the year</extracomment>
        <translation>Woche %1</translation>
    </message>
</context>
<context>
    <name>ConflictPicker</name>
    <message>
        <source>(empty)</source>
        <extracomment>An empty value, as the choice between two values shows it</extracomment>
        <translation>(leer)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 whose value it is (&quot;Here&quot;, &quot;On the other computer&quot;), %2 the value
----------
A screen reader&apos;s name of a choice: %1 the day and value, %2 whose value it is</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1, reading %2</source>
        <extracomment>%1 the day, %2 the number of the reading on that day</extracomment>
        <translation>%1, Messung %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>%1 the day (and reading), %2 which value (&quot;systolic&quot;)</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>time</source>
        <extracomment>The values of a reading, as a title names them (&quot;1 Dec 2026, systolic&quot;)</extracomment>
        <translation>Uhrzeit</translation>
    </message>
    <message>
        <source>systolic</source>
        <translation>systolisch</translation>
    </message>
    <message>
        <source>diastolic</source>
        <translation>diastolisch</translation>
    </message>
    <message>
        <source>pulse</source>
        <translation>Puls</translation>
    </message>
    <message>
        <source>comment</source>
        <translation>Kommentar</translation>
    </message>
    <message>
        <source>Values typed differently on two computers</source>
        <translation>Auf zwei Computern verschieden eingegebene Werte</translation>
    </message>
    <message>
        <source>These values were typed differently here and on the other computer. Pick the one to keep for each; the other computer&apos;s diary stays in &quot;%1&quot;.</source>
        <translation>Diese Werte wurden hier und auf dem anderen Computer verschieden eingegeben. Wählen Sie jeweils den Wert, der bleiben soll; das Tagebuch des anderen Computers bleibt in „%1“.</translation>
    </message>
    <message>
        <source>Here</source>
        <translation>Hier</translation>
    </message>
    <message>
        <source>On the other computer</source>
        <translation>Auf dem anderen Computer</translation>
    </message>
    <message>
        <source>&amp;Keep the picked values</source>
        <translation>Gewählte Werte &amp;behalten</translation>
    </message>
    <message>
        <source>&amp;Decide later</source>
        <translation>&amp;Später entscheiden</translation>
    </message>
</context>
<context>
    <name>CsvImport</name>
    <message>
        <source>Nothing was imported. %1</source>
        <extracomment>%1 the reason</extracomment>
        <translation>Es wurde nichts importiert. %1</translation>
    </message>
    <message>
        <source>%1 is not a CSV file (its name does not end in .csv).</source>
        <extracomment>%1 the file&apos;s name</extracomment>
        <translation>%1 ist keine CSV-Datei (der Name endet nicht auf .csv).</translation>
    </message>
    <message>
        <source>The command tlg --import-csv with --date-order dmy (day first) or mdy (month first) reads such a file.</source>
        <extracomment>Keep the command and its options as they are: they are typed as written</extracomment>
        <translation>Der Befehl tlg --import-csv mit --date-order dmy (Tag zuerst) oder mdy (Monat zuerst) liest eine solche Datei.</translation>
    </message>
    <message>
        <source>Import Readings</source>
        <translation>Messwerte importieren</translation>
    </message>
    <message>
        <source>Nothing to import: the diary already holds the readings of this file.

%1</source>
        <extracomment>%1 what the file holds</extracomment>
        <translation>Nichts zu importieren: Das Tagebuch enthält die Messwerte dieser Datei bereits.

%1</translation>
    </message>
    <message>
        <source>%1 will be added to the diary and %2 changed (empty values filled in).

%3

Import these readings?</source>
        <extracomment>%1 how many days are added (&quot;3 days&quot;), %2 how many are changed, %3 what the file holds</extracomment>
        <translation>Neu ins Tagebuch: %1; geändert: %2 (leere Werte ergänzt).

%3

Diese Messwerte importieren?</translation>
    </message>
    <message numerus="yes">
        <source>%n days</source>
        <translation>
            <numerusform>%n Tag</numerusform>
            <numerusform>%n Tage</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DiaryReload</name>
    <message>
        <source>Click to close</source>
        <translation>Zum Schließen klicken</translation>
    </message>
</context>
<context>
    <name>ReadingSwitcher</name>
    <message>
        <source>Not a time: type it as 07:05 or 19:30 (24 hours). The reading keeps its last time until then.</source>
        <translation>Keine Uhrzeit: Geben Sie sie als 07:05 oder 19:30 ein (24 Stunden). Bis dahin behält die Messung ihre letzte Uhrzeit.</translation>
    </message>
    <message>
        <source>+ Reading</source>
        <extracomment>A small button under the pulse box that adds a reading; keep it very short</extracomment>
        <translation>+ Messung</translation>
    </message>
    <message>
        <source>Previous reading</source>
        <translation>Vorige Messung</translation>
    </message>
    <message>
        <source>Show the day&apos;s previous reading (%1)</source>
        <extracomment>%1 the key that does it</extracomment>
        <translation>Vorige Messung des Tages zeigen (%1)</translation>
    </message>
    <message>
        <source>Next reading</source>
        <translation>Nächste Messung</translation>
    </message>
    <message>
        <source>Show the day&apos;s next reading (%1)</source>
        <extracomment>%1 the key that does it</extracomment>
        <translation>Nächste Messung des Tages zeigen (%1)</translation>
    </message>
    <message>
        <source>Add a reading</source>
        <translation>Messung hinzufügen</translation>
    </message>
    <message>
        <source>Add another reading to this day, with its time (%1)</source>
        <extracomment>%1 the key that does it</extracomment>
        <translation>Eine weitere Messung mit Uhrzeit zu diesem Tag hinzufügen (%1)</translation>
    </message>
    <message>
        <source>Remove this reading</source>
        <translation>Diese Messung entfernen</translation>
    </message>
    <message>
        <source>Remove the reading shown from this day (%1)</source>
        <extracomment>%1 the key that does it</extracomment>
        <translation>Die angezeigte Messung aus diesem Tag entfernen (%1)</translation>
    </message>
    <message>
        <source>Readings of this day</source>
        <translation>Messungen dieses Tages</translation>
    </message>
    <message>
        <source>Time of this reading</source>
        <translation>Uhrzeit dieser Messung</translation>
    </message>
    <message>
        <source>The time of day this reading was taken, as 07:05 (24 hours).</source>
        <translation>Die Uhrzeit dieser Messung, als 07:05 (24 Stunden).</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>Which of the day&apos;s readings is shown (&quot;1 of 2&quot;); keep it very short</extracomment>
        <translation>%1 von %2</translation>
    </message>
    <message>
        <source>Reading %1 of %2</source>
        <extracomment>A screen reader&apos;s name of the position: the reading shown of how many</extracomment>
        <translation>Messung %1 von %2</translation>
    </message>
    <message>
        <source>%1. Reading %2 of %3 is shown.</source>
        <extracomment>%1 the button&apos;s tip, %2 the reading shown, %3 of how many</extracomment>
        <translation>%1. Messung %2 von %3 wird angezeigt.</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>[This comment is %1 characters long, longer than the %2 this box takes. It is kept whole in the diary; only its beginning is shown here, and it cannot be changed in this window.]</source>
        <extracomment>%1 the comment&apos;s length, %2 the most the box takes (numbers of characters)</extracomment>
        <translation>[Dieser Kommentar ist %1 Zeichen lang, länger als die %2, die dieses Feld aufnimmt. Er bleibt im Tagebuch vollständig erhalten; hier wird nur sein Anfang gezeigt, und er kann in diesem Fenster nicht geändert werden.]</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>%1 the weekday (&quot;Monday&quot;), %2 the date (&quot;7 December 2026&quot;)</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Not a number: it is stored as typed but not counted in the chart or the report.</source>
        <translation>Keine Zahl: Der Wert wird wie eingegeben gespeichert, aber im Diagramm und im Bericht nicht berücksichtigt.</translation>
    </message>
    <message>
        <source>Calendar: the day of the readings</source>
        <translation>Kalender: der Tag der Messungen</translation>
    </message>
    <message>
        <source>Close the Tensiolog now</source>
        <translation>Tensiolog jetzt schließen</translation>
    </message>
    <message>
        <source>Close Tensiolog</source>
        <translation>Tensiolog schließen</translation>
    </message>
    <message>
        <source>View the detailed report of your readings.</source>
        <translation>Den ausführlichen Bericht Ihrer Messwerte ansehen.</translation>
    </message>
    <message>
        <source>View report</source>
        <translation>Bericht ansehen</translation>
    </message>
    <message>
        <source>Please enter a short comment on what you did on this day</source>
        <translation>Bitte notieren Sie kurz, was Sie an diesem Tag getan haben</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Notiz</translation>
    </message>
    <message>
        <source>Please enter your pulse measurement for this day.</source>
        <translation>Bitte geben Sie Ihren Puls für diesen Tag ein.</translation>
    </message>
    <message>
        <source>Pulse, beats per minute</source>
        <translation>Puls, Schläge pro Minute</translation>
    </message>
    <message>
        <source>Close the Tensiolog</source>
        <translation>Tensiolog schließen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Please enter your Systolic pressure measurement for this day. The Systolic is the higher of the two pressure readings. </source>
        <translation>Bitte geben Sie Ihren systolischen Blutdruck für diesen Tag ein. Der systolische ist der höhere der beiden Druckwerte. </translation>
    </message>
    <message>
        <source>Systolic pressure, mmHg</source>
        <translation>Systolischer Druck, mmHg</translation>
    </message>
    <message>
        <source>Please enter your Diastolic pressure measurement for this day. The Diastolic is the lower of the two pressure readings.</source>
        <translation>Bitte geben Sie Ihren diastolischen Blutdruck für diesen Tag ein. Der diastolische ist der niedrigere der beiden Druckwerte.</translation>
    </message>
    <message>
        <source>Diastolic pressure, mmHg</source>
        <translation>Diastolischer Druck, mmHg</translation>
    </message>
    <message>
        <source>Reset data and start again</source>
        <translation>Daten löschen und neu beginnen</translation>
    </message>
    <message>
        <source>Click here to remove all the readings you have supplied so far.</source>
        <translation>Hier klicken, um alle bisher eingegebenen Messwerte zu löschen.</translation>
    </message>
    <message>
        <source>Health Warning</source>
        <translation>Warnhinweis</translation>
    </message>
    <message>
        <source>Blood Pressure Information and Tips</source>
        <translation>Blutdruck: Wissen und Tipps</translation>
    </message>
    <message>
        <source>Find our more about blood pressure and taking your own readings</source>
        <translation>Mehr über den Blutdruck und das Messen zu Hause erfahren</translation>
    </message>
    <message>
        <source>The graph below illustrates the readings you have entered. To see a detailed report click on the button below.</source>
        <translation>Das Diagramm unten zeigt Ihre eingegebenen Werte. Für einen ausführlichen Bericht klicken Sie auf die Schaltfläche darunter.</translation>
    </message>
    <message>
        <source>Please select the day when you took the readings, enter the reading values and add a short comment about what you did on that day. </source>
        <translation>Wählen Sie den Tag der Messung, geben Sie die Werte ein und notieren Sie kurz, was Sie an dem Tag getan haben. </translation>
    </message>
    <message>
        <source>Go to the Corvalen Website</source>
        <translation>Zur Corvalen-Website</translation>
    </message>
    <message>
        <source>Tensiolog web site, www.tensiolog.org</source>
        <translation>Tensiolog-Website, www.tensiolog.org</translation>
    </message>
    <message>
        <source>Pulse</source>
        <translation>Puls</translation>
    </message>
    <message>
        <source>Systolic</source>
        <translation>Systolisch</translation>
    </message>
    <message>
        <source>Diastolic</source>
        <translation>Diastolisch</translation>
    </message>
    <message>
        <source>Previous month</source>
        <translation>Voriger Monat</translation>
    </message>
    <message>
        <source>Next month</source>
        <translation>Nächster Monat</translation>
    </message>
    <message>
        <source>an unexpected error occurred</source>
        <translation>ein unerwarteter Fehler ist aufgetreten</translation>
    </message>
    <message>
        <source>Reading %1 of %2.</source>
        <extracomment>Said with each entry box on a day of several readings: the reading shown of how many</extracomment>
        <translation>Messung %1 von %2.</translation>
    </message>
    <message>
        <source>Reading %1 of %2, taken at %3.</source>
        <extracomment>%3 the reading&apos;s time (&quot;07:05&quot;)</extracomment>
        <translation>Messung %1 von %2, gemessen um %3.</translation>
    </message>
    <message numerus="yes">
        <source>This day holds %n readings, the most one day takes. Nothing was added.</source>
        <translation>
            <numerusform>Dieser Tag hat schon %n Messung, mehr nimmt ein Tag nicht auf. Es wurde nichts hinzugefügt.</numerusform>
            <numerusform>Dieser Tag hat schon %n Messungen, mehr nimmt ein Tag nicht auf. Es wurde nichts hinzugefügt.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1/%2, pulse %3</source>
        <extracomment>%1 systolic, %2 diastolic, %3 pulse</extracomment>
        <translation>%1/%2, Puls %3</translation>
    </message>
    <message>
        <source>%1/%2, pulse %3, with its comment</source>
        <translation>%1/%2, Puls %3, mit Kommentar</translation>
    </message>
    <message>
        <source>Remove the reading %1 on %2 (%3)? It is taken out of the diary.</source>
        <extracomment>%1 the reading&apos;s number, %2 the day, %3 its values</extracomment>
        <translation>Messung %1 vom %2 (%3) entfernen? Sie wird aus dem Tagebuch gelöscht.</translation>
    </message>
    <message>
        <source>Remove the reading taken at %1 on %2 (%3)? It is taken out of the diary.</source>
        <extracomment>%1 the reading&apos;s time (&quot;07:05&quot;), %2 the day, %3 its values</extracomment>
        <translation>Die Messung von %1 Uhr am %2 (%3) entfernen? Sie wird aus dem Tagebuch gelöscht.</translation>
    </message>
    <message>
        <source>Remove Reading</source>
        <translation>Messung entfernen</translation>
    </message>
    <message>
        <source>No new day can be added; the days it holds can still be changed.</source>
        <translation>Es kann kein neuer Tag hinzukommen; die vorhandenen Tage können Sie weiter ändern.</translation>
    </message>
    <message>
        <source>The diary is full: this day cannot be added to it.</source>
        <extracomment>Shown in the comment box; keep it short</extracomment>
        <translation>Das Tagebuch ist voll: Dieser Tag kann nicht hinzukommen.</translation>
    </message>
    <message>
        <source>Selected day: %1</source>
        <extracomment>%1 the day (&quot;Monday 7 December 2026&quot;)</extracomment>
        <translation>Gewählter Tag: %1</translation>
    </message>
    <message>
        <source>Days of %1 %2</source>
        <extracomment>A screen reader&apos;s name of the calendar&apos;s grid; %1 the month&apos;s name, %2 the year</extracomment>
        <translation>Tage im %1 %2</translation>
    </message>
    <message>
        <source>Reset Data Confirmation</source>
        <translation>Daten wirklich löschen?</translation>
    </message>
    <message>
        <source>You are about to remove all the readings you have entered so far. Are you sure?</source>
        <translation>Sie sind dabei, alle bisher eingegebenen Messwerte zu löschen. Sind Sie sicher?</translation>
    </message>
    <message>
        <source>Warning Disclaimer</source>
        <translation>Haftungsausschluss</translation>
    </message>
    <message>
        <source>The information provided by this software should not be used as a basis for diagnosis or treament which can only be provided by a qualified medical practitioner. You should consult your doctor or an appropriate health professional for specific personal advice if you have any concerns about your health.</source>
        <translation>Die Angaben dieses Programms dürfen nicht als Grundlage für eine Diagnose oder Behandlung dienen; beides kann nur ein qualifizierter Arzt leisten. Wenn Sie sich um Ihre Gesundheit sorgen, fragen Sie Ihren Arzt oder eine andere Fachkraft des Gesundheitswesens um persönlichen Rat.</translation>
    </message>
</context>
</TS>
