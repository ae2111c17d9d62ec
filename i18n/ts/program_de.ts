<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>CommandLine</name>
    <message>
        <source>Free Tensiolog, a blood-pressure diary. Without options it opens its window.

Given a CSV file (tlg readings.csv, as a file manager&apos;s &quot;Open with&quot; does), it opens the window and asks whether to import the file&apos;s readings, as dropping the file on the window does; a file whose name does not end in .csv, or one that cannot be read, is refused with a message and nothing changes.

With --export-csv, --export-pdf or --import-csv it needs no display: it works on the readings file in the user&apos;s data folder and ends. It refuses while the window is open on the same readings.

--export-pdf writes the report exactly as the report window&apos;s &quot;Save as PDF...&quot; does (chart, summary, one line per reading, on the default printer&apos;s paper), for every day or for the days from --from to --to; the file is replaced only when it is complete.

CSV files are UTF-8 with the header row date,time,systolic,diastolic,pulse,comment and one row per reading (2026-12-08,07:05,120,80,72,Walked; the time is empty for a day with one reading). An import also reads semicolons or tabs as separators, other column names (sys, dia, heart rate, bpm, note, ...; German, French and Spanish ones too; others are left out), values with units (134 mmHg, 72 bpm), dates such as 08.12.2026 or 08/12/2026, a time after the date, and milliseconds since 1970; each row is a reading with its time, at most 12 a day. Days the diary lacks are added; in a day it has, a reading of the file meets the stored one of the same time and fills its empty values (or all with --replace), and one that meets none is added. A file with any line that cannot be read changes nothing. An import reads an ordinary file or standard input of at most 64 MB. An export puts a &apos; before a field a spreadsheet would take for a formula (=, +, -, @ first); the import of such an export takes it off again.

Exit status: 0 done; 1 failed, with the reason on standard error; 2 the program is open on the same readings (here, or on another computer: see --ignore-other-computer-lock).</source>
        <extracomment>The description at the top of tlg --help. Keep option names (--export-csv ...), the CSV header row date,time,systolic,diastolic,pulse,comment and the example row as they are.</extracomment>
        <translation>Free Tensiolog, ein Blutdruck-Tagebuch. Ohne Optionen öffnet es sein Fenster.

Mit einer CSV-Datei (tlg messwerte.csv, wie es das „Öffnen mit“ eines Dateimanagers tut) öffnet es das Fenster und fragt, ob es die Messwerte der Datei importieren soll, wie beim Ziehen der Datei auf das Fenster; eine Datei, deren Name nicht auf .csv endet, oder eine, die sich nicht lesen lässt, wird mit einer Meldung abgelehnt, und nichts ändert sich.

Mit --export-csv, --export-pdf oder --import-csv braucht es keinen Bildschirm: Es arbeitet mit der Messwertdatei im Datenordner des Benutzers und endet dann. Es lehnt ab, solange das Fenster mit denselben Messwerten geöffnet ist.

--export-pdf schreibt den Bericht genau so wie „Als PDF speichern...“ im Berichtsfenster (Diagramm, Zusammenfassung, eine Zeile pro Messung, auf dem Papier des Standarddruckers), für alle Tage oder für die Tage von --from bis --to; die Datei wird erst ersetzt, wenn sie vollständig ist.

CSV-Dateien sind in UTF-8, mit der Kopfzeile date,time,systolic,diastolic,pulse,comment und einer Zeile pro Messung (2026-12-08,07:05,120,80,72,Walked; die Uhrzeit ist leer bei einem Tag mit einer Messung). Ein Import liest auch Semikolons oder Tabulatoren als Trennzeichen, andere Spaltennamen (sys, dia, heart rate, bpm, note, ...; auch deutsche, französische und spanische; andere werden ausgelassen), Werte mit Einheiten (134 mmHg, 72 bpm), Datumsangaben wie 08.12.2026 oder 08/12/2026, eine Uhrzeit nach dem Datum und Millisekunden seit 1970; jede Zeile ist eine Messung mit ihrer Uhrzeit, höchstens 12 am Tag. Tage, die dem Tagebuch fehlen, kommen hinzu; an einem Tag, den es schon hat, trifft eine Messung der Datei auf die gespeicherte derselben Uhrzeit und füllt deren leere Werte (oder alle mit --replace), und eine, die auf keine trifft, kommt hinzu. Eine Datei mit auch nur einer Zeile, die sich nicht lesen lässt, ändert nichts. Ein Import liest eine gewöhnliche Datei oder die Standardeingabe von höchstens 64 MB. Ein Export setzt ein &apos; vor ein Feld, das eine Tabellenkalkulation für eine Formel halten würde (=, +, -, @ am Anfang); der Import eines solchen Exports nimmt es wieder weg.

Exit-Status: 0 erledigt; 1 fehlgeschlagen, mit dem Grund auf der Standardfehlerausgabe; 2 das Programm ist mit denselben Messwerten geöffnet (hier oder auf einem anderen Computer: siehe --ignore-other-computer-lock).</translation>
    </message>
    <message>
        <source>warning: %1</source>
        <extracomment>%1: what went wrong (a sentence).</extracomment>
        <translation>Warnung: %1</translation>
    </message>
    <message>
        <source>%1. Nothing was imported.</source>
        <extracomment>%1: the file, the line and what is wrong with it (a sentence without its full stop).</extracomment>
        <translation>%1. Es wurde nichts importiert.</translation>
    </message>
    <message>
        <source>%1; nothing was imported.</source>
        <extracomment>%1: the file and why it could not be read (no full stop).</extracomment>
        <translation>%1; es wurde nichts importiert.</translation>
    </message>
    <message>
        <source>Tensiolog is open on these readings (%1; lock file %2). Close its window, then try again.</source>
        <extracomment>%1: the readings file, %2: its lock file.</extracomment>
        <translation>Tensiolog ist mit diesen Messwerten geöffnet (%1; Sperrdatei %2). Schließen Sie sein Fenster und versuchen Sie es dann noch einmal.</translation>
    </message>
    <message>
        <source>%1 If it is no longer running there, give --%2.</source>
        <extracomment>%1: which computer has the readings open (a sentence), %2: the option&apos;s name.</extracomment>
        <translation>%1 Wenn es dort nicht mehr läuft, geben Sie --%2 an.</translation>
    </message>
    <message>
        <source>%1; going on without a lock. Move it away unless you know what it is.</source>
        <extracomment>%1: what lies where the lock file should be.</extracomment>
        <translation>%1; es geht ohne Sperre weiter. Verschieben Sie es, wenn Sie nicht wissen, was es ist.</translation>
    </message>
    <message>
        <source>the readings file %1 could not be read (%2). Start Tensiolog to see what can be saved of it; nothing was done.</source>
        <extracomment>%1: the readings file, %2: why it could not be read.</extracomment>
        <translation>die Messwertdatei %1 konnte nicht gelesen werden (%2). Starten Sie Tensiolog, um zu sehen, was sich davon retten lässt; es wurde nichts getan.</translation>
    </message>
    <message>
        <source>--delimiter takes &quot;,&quot;, &quot;;&quot; or &quot;tab&quot;, not &quot;%1&quot;</source>
        <extracomment>&quot;tab&quot; is the value as given on the command line; keep it.</extracomment>
        <translation>--delimiter nimmt &quot;,&quot;, &quot;;&quot; oder &quot;tab&quot;, nicht &quot;%1&quot;</translation>
    </message>
    <message>
        <source>--%1 takes a day such as 2026-12-08, not &quot;%2&quot;</source>
        <extracomment>%1: the option&apos;s name (from, to), %2: what was given. The day is written as the command line takes it (year-month-day).</extracomment>
        <translation>--%1 nimmt einen Tag wie 2026-12-08, nicht &quot;%2&quot;</translation>
    </message>
    <message>
        <source>--from must not come after --to</source>
        <translation>--from darf nicht nach --to liegen</translation>
    </message>
    <message>
        <source>the readings could not be written to standard output (%1)</source>
        <extracomment>%1: why not.</extracomment>
        <translation>die Messwerte konnten nicht auf die Standardausgabe geschrieben werden (%1)</translation>
    </message>
    <message numerus="yes">
        <source>%n days written to standard output.</source>
        <translation>
            <numerusform>%n Tag auf die Standardausgabe geschrieben.</numerusform>
            <numerusform>%n Tage auf die Standardausgabe geschrieben.</numerusform>
        </translation>
    </message>
    <message>
        <source>the readings could not be written to %1 (%2)</source>
        <extracomment>%1: the file, %2: why not.</extracomment>
        <translation>die Messwerte konnten nicht in %1 geschrieben werden (%2)</translation>
    </message>
    <message numerus="yes">
        <source>%n days written to %1.</source>
        <extracomment>%1: the file written.</extracomment>
        <translation>
            <numerusform>%n Tag in %1 geschrieben.</numerusform>
            <numerusform>%n Tage in %1 geschrieben.</numerusform>
        </translation>
    </message>
    <message>
        <source>--export-pdf writes to a file; give its name.</source>
        <translation>--export-pdf schreibt in eine Datei; geben Sie ihren Namen an.</translation>
    </message>
    <message>
        <source>the report cannot be drawn in this run.</source>
        <translation>der Bericht kann in diesem Lauf nicht gezeichnet werden.</translation>
    </message>
    <message>
        <source>the report could not be written to %1 (%2)</source>
        <extracomment>%1: the file, %2: why not.</extracomment>
        <translation>der Bericht konnte nicht in %1 geschrieben werden (%2)</translation>
    </message>
    <message>
        <source>The report (%1) written to %2.</source>
        <extracomment>%1: the days the report covers (as its title names them), %2: the file written.</extracomment>
        <translation>Der Bericht (%1) wurde in %2 geschrieben.</translation>
    </message>
    <message>
        <source>--date-order takes dmy (day first) or mdy (month first), not &quot;%1&quot;</source>
        <extracomment>dmy and mdy are the values as given on the command line; keep them.</extracomment>
        <translation>--date-order nimmt dmy (Tag zuerst) oder mdy (Monat zuerst), nicht &quot;%1&quot;</translation>
    </message>
    <message>
        <source>the readings could not be saved to %1 (%2); the file is as it was and nothing was imported.</source>
        <extracomment>%1: the readings file, %2: why not.</extracomment>
        <translation>die Messwerte konnten nicht in %1 gespeichert werden (%2); die Datei ist, wie sie war, und es wurde nichts importiert.</translation>
    </message>
    <message>
        <source>the readings file %1 was changed by another program during the import. It was left as it is; the diary with the import was saved beside it as %2.</source>
        <extracomment>%1: the readings file, %2: the copy saved beside it.</extracomment>
        <translation>die Messwertdatei %1 wurde während des Imports von einem anderen Programm geändert. Sie blieb, wie sie ist; das Tagebuch mit dem Import wurde daneben als %2 gespeichert.</translation>
    </message>
    <message>
        <source>Saved to %1.</source>
        <translation>In %1 gespeichert.</translation>
    </message>
    <message>
        <source>standard input</source>
        <extracomment>Where the readings come from, in messages such as &quot;standard input, line 3: ...&quot;.</extracomment>
        <translation>Standardeingabe</translation>
    </message>
    <message>
        <source>%1. Nothing was imported. Say which with --date-order dmy (day first) or --date-order mdy (month first).</source>
        <extracomment>%1: the file, the line and what is wrong with it (a sentence without its full stop).</extracomment>
        <translation>%1. Es wurde nichts importiert. Geben Sie mit --date-order dmy (Tag zuerst) oder --date-order mdy (Monat zuerst) an, welches gilt.</translation>
    </message>
    <message>
        <source>Dry run: nothing was changed.</source>
        <translation>Probelauf: Es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>Nothing to change.</source>
        <translation>Nichts zu ändern.</translation>
    </message>
    <message>
        <source>file</source>
        <extracomment>The name of an option&apos;s value, shown as &lt;file&gt; in tlg --help; one word, no spaces.</extracomment>
        <translation>Datei</translation>
    </message>
    <message>
        <source>day</source>
        <extracomment>The name of an option&apos;s value, shown as &lt;day&gt; in tlg --help; one word, no spaces.</extracomment>
        <translation>Tag</translation>
    </message>
    <message>
        <source>Writes every reading to &lt;file&gt; as CSV (&quot;-&quot;: standard output) and ends.</source>
        <extracomment>&lt;file&gt;: keep it as the name of the value is translated.</extracomment>
        <translation>Schreibt alle Messwerte als CSV in &lt;Datei&gt; (&quot;-&quot;: Standardausgabe) und endet.</translation>
    </message>
    <message>
        <source>Writes the report to &lt;file&gt; as PDF, as &quot;Save as PDF...&quot; does, and ends.</source>
        <extracomment>&quot;Save as PDF...&quot;: the button of the report window.</extracomment>
        <translation>Schreibt den Bericht als PDF in &lt;Datei&gt;, wie „Als PDF speichern...“, und endet.</translation>
    </message>
    <message>
        <source>Adds the readings of the CSV &lt;file&gt; (&quot;-&quot;: standard input) to the diary and ends.</source>
        <translation>Fügt die Messwerte der CSV-Datei &lt;Datei&gt; (&quot;-&quot;: Standardeingabe) dem Tagebuch hinzu und endet.</translation>
    </message>
    <message>
        <source>Export: the field separator, &quot;,&quot; (the default), &quot;;&quot; (for spreadsheets that write decimal commas) or &quot;tab&quot;.</source>
        <extracomment>&quot;Export:&quot; and &quot;Import:&quot; begin each option that belongs to one of them; &quot;tab&quot; is the value as given on the command line.</extracomment>
        <translation>Export: das Trennzeichen der Felder, &quot;,&quot; (die Vorgabe), &quot;;&quot; (für Tabellenkalkulationen, die Dezimalkommas schreiben) oder &quot;tab&quot;.</translation>
    </message>
    <message>
        <source>separator</source>
        <extracomment>The name of an option&apos;s value, shown as &lt;separator&gt; in tlg --help; one word.</extracomment>
        <translation>Trennzeichen</translation>
    </message>
    <message>
        <source>Export (CSV or PDF): the first day written (2026-01-31).</source>
        <translation>Export (CSV oder PDF): der erste geschriebene Tag (2026-01-31).</translation>
    </message>
    <message>
        <source>Export (CSV or PDF): the last day written.</source>
        <translation>Export (CSV oder PDF): der letzte geschriebene Tag.</translation>
    </message>
    <message>
        <source>Import: read dates such as 03/04/2026 day first (dmy) or month first (mdy); needed only when no date in the file tells.</source>
        <extracomment>dmy and mdy are the values as given on the command line; keep them.</extracomment>
        <translation>Import: Datumsangaben wie 03/04/2026 mit dem Tag zuerst (dmy) oder dem Monat zuerst (mdy) lesen; nur nötig, wenn kein Datum der Datei es verrät.</translation>
    </message>
    <message>
        <source>order</source>
        <extracomment>The name of an option&apos;s value, shown as &lt;order&gt; in tlg --help; one word.</extracomment>
        <translation>Reihenfolge</translation>
    </message>
    <message>
        <source>Import: the file&apos;s values replace stored ones (without it, only empty ones are filled in).</source>
        <translation>Import: Die Werte der Datei ersetzen gespeicherte (ohne die Option werden nur leere gefüllt).</translation>
    </message>
    <message>
        <source>Import: tell what would change, and change nothing.</source>
        <translation>Import: sagen, was sich ändern würde, und nichts ändern.</translation>
    </message>
    <message>
        <source>Opens the readings although Tensiolog on another computer has them open (a copied or synchronised data folder). Give it only when it no longer runs there.</source>
        <translation>Öffnet die Messwerte, obwohl Tensiolog sie auf einem anderen Computer geöffnet hat (ein kopierter oder synchronisierter Datenordner). Nur angeben, wenn es dort nicht mehr läuft.</translation>
    </message>
    <message>
        <source>give one of --export-csv, --export-pdf and --import-csv, not more.</source>
        <translation>geben Sie eine von --export-csv, --export-pdf und --import-csv an, nicht mehr.</translation>
    </message>
    <message>
        <source>nothing to do: give --export-csv, --export-pdf or --import-csv. See tlg --help.</source>
        <translation>nichts zu tun: Geben Sie --export-csv, --export-pdf oder --import-csv an. Siehe tlg --help.</translation>
    </message>
    <message>
        <source>--%1 belongs to --%2.</source>
        <extracomment>%1: an option&apos;s name, %2 (and %3): the actions it belongs to (export-csv ...).</extracomment>
        <translation>--%1 gehört zu --%2.</translation>
    </message>
    <message>
        <source>--%1 belongs to --%2 and --%3.</source>
        <translation>--%1 gehört zu --%2 und --%3.</translation>
    </message>
    <message>
        <source>Opens the window and asks whether to import this CSV file.</source>
        <translation>Öffnet das Fenster und fragt, ob diese CSV-Datei importiert werden soll.</translation>
    </message>
    <message>
        <source>%1
See tlg --help.</source>
        <extracomment>%1: what is wrong with the command line (Qt&apos;s own words).</extracomment>
        <translation>%1
Siehe tlg --help.</translation>
    </message>
    <message>
        <source>unexpected &quot;%1&quot;. See tlg --help.</source>
        <extracomment>%1: an argument the command line does not take.</extracomment>
        <translation>unerwartetes Argument &quot;%1&quot;. Siehe tlg --help.</translation>
    </message>
</context>
<context>
    <name>CopyOffer</name>
    <message>
        <source>&quot;%1&quot; is no diary Tensiolog can read; it was left as it is.</source>
        <extracomment>%1: a file beside the diary.</extracomment>
        <translation>„%1“ ist kein Tagebuch, das Tensiolog lesen kann; die Datei blieb, wie sie ist.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;</source>
        <extracomment>Where readings came from, in sentences such as &quot;the readings of 2 days came from %1&quot;: a file&apos;s name in quotation marks.</extracomment>
        <translation>„%1“</translation>
    </message>
    <message>
        <source>%1 It could not be moved aside (%2).</source>
        <extracomment>%1: what was merged from the copy (sentences), %2: why the copy could not be moved.</extracomment>
        <translation>%1 Die Kopie konnte nicht beiseitegelegt werden (%2).</translation>
    </message>
    <message>
        <source>%1 (left by %2)</source>
        <extracomment>%1: a copy&apos;s file name, %2: the program or computer that left it.</extracomment>
        <translation>%1 (hinterlassen von %2)</translation>
    </message>
    <message numerus="yes">
        <source>Beside your diary there are %n copies of it, left when two computers saved at once:

%1

Merge their readings into the diary? Readings the diary lacks are added; where a copy holds a different value, the diary keeps its own and the copy stays where it is. Each merged copy is moved into &quot;%2&quot;, never deleted.</source>
        <extracomment>%1: the copies&apos; names, one a line, %2: the folder merged copies are moved into.</extracomment>
        <translation>
            <numerusform>Neben Ihrem Tagebuch liegt eine Kopie davon, entstanden, als zwei Computer gleichzeitig gespeichert haben:

%1

Die Messwerte der Kopie in das Tagebuch übernehmen? Messwerte, die dem Tagebuch fehlen, kommen hinzu; wo die Kopie einen anderen Wert enthält, behält das Tagebuch seinen eigenen, und die Kopie bleibt, wo sie ist. Eine übernommene Kopie wird nach „%2“ verschoben, nie gelöscht.</numerusform>
            <numerusform>Neben Ihrem Tagebuch liegen %n Kopien davon, entstanden, als zwei Computer gleichzeitig gespeichert haben:

%1

Die Messwerte der Kopien in das Tagebuch übernehmen? Messwerte, die dem Tagebuch fehlen, kommen hinzu; wo eine Kopie einen anderen Wert enthält, behält das Tagebuch seinen eigenen, und die Kopie bleibt, wo sie ist. Jede übernommene Kopie wird nach „%2“ verschoben, nie gelöscht.</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Merge</source>
        <translation>&amp;Übernehmen</translation>
    </message>
    <message>
        <source>&amp;Not now</source>
        <translation>&amp;Nicht jetzt</translation>
    </message>
</context>
<context>
    <name>modMain</name>
    <message>
        <source>%1 has experienced a problem</source>
        <extracomment>%1: the program&apos;s name (Free Tensiolog).</extracomment>
        <translation>Bei %1 ist ein Problem aufgetreten</translation>
    </message>
    <message numerus="yes">
        <source>The %Ln days read before the damaged part are shown, and they will be saved together with what you enter now.</source>
        <translation>
            <numerusform>Der eine Tag, der vor der beschädigten Stelle gelesen wurde, wird gezeigt und zusammen mit dem gespeichert, was Sie jetzt eingeben.</numerusform>
            <numerusform>Die %Ln Tage, die vor der beschädigten Stelle gelesen wurden, werden gezeigt und zusammen mit dem gespeichert, was Sie jetzt eingeben.</numerusform>
        </translation>
    </message>
    <message>
        <source>No readings could be read from it, so the diary starts empty.</source>
        <translation>Es konnten keine Messwerte daraus gelesen werden, darum beginnt das Tagebuch leer.</translation>
    </message>
    <message>
        <source>The readings file &quot;%1&quot; is damaged and could not be read completely (%2).

A copy of it as it was has been kept as &quot;%3&quot;.

%4</source>
        <extracomment>%1: the readings file, %2: what is wrong with it, %3: the copy kept, %4: what is shown of it (a sentence).</extracomment>
        <translation>Die Messwertdatei „%1“ ist beschädigt und konnte nicht vollständig gelesen werden (%2).

Eine Kopie davon, wie sie war, wurde als „%3“ aufbewahrt.

%4</translation>
    </message>
    <message numerus="yes">
        <source>%1

&quot;%2&quot; holds more days than that, so only the first %Ln days are shown, and only they will be saved in it.

A copy of the whole file has been kept as &quot;%3&quot;.</source>
        <extracomment>%1: how many days the diary holds at most (sentences), %2: the readings file, %3: the copy kept of it.</extracomment>
        <translation>
            <numerusform>%1

„%2“ enthält mehr Tage, darum wird nur der erste Tag gezeigt, und nur er wird darin gespeichert.

Eine Kopie der ganzen Datei wurde als „%3“ aufbewahrt.</numerusform>
            <numerusform>%1

„%2“ enthält mehr Tage, darum werden nur die ersten %Ln Tage gezeigt, und nur sie werden darin gespeichert.

Eine Kopie der ganzen Datei wurde als „%3“ aufbewahrt.</numerusform>
        </translation>
    </message>
    <message>
        <source>The readings are kept in &quot;%1&quot;: %2.</source>
        <extracomment>%1: the readings file, %2: why it is there.</extracomment>
        <translation>Die Messwerte werden in „%1“ aufbewahrt: %2.</translation>
    </message>
    <message>
        <source>The data folder &quot;%1&quot; could not be made (%2), so the readings are kept in &quot;%3&quot;.</source>
        <extracomment>%1: the folder, %2: why it could not be made, %3: the readings file used instead.</extracomment>
        <translation>Der Datenordner „%1“ konnte nicht angelegt werden (%2), darum werden die Messwerte in „%3“ aufbewahrt.</translation>
    </message>
    <message>
        <source>The readings file &quot;%1&quot; was changed by another program while Tensiolog was running. It was left as it is, and the readings of this session were saved beside it as &quot;%2&quot;; later changes of this session are saved there too.</source>
        <extracomment>%1: the readings file, %2: the copy saved beside it.</extracomment>
        <translation>Die Messwertdatei „%1“ wurde von einem anderen Programm geändert, während Tensiolog lief. Sie blieb, wie sie ist, und die Messwerte dieser Sitzung wurden daneben als „%2“ gespeichert; spätere Änderungen dieser Sitzung werden ebenfalls dort gespeichert.</translation>
    </message>
    <message>
        <source>The readings could not be saved to &quot;%1&quot; (%2).

Tensiolog keeps trying while it runs; if it still cannot save them when you close it, you can try again then.</source>
        <extracomment>%1: the readings file, %2: why not.</extracomment>
        <translation>Die Messwerte konnten nicht in „%1“ gespeichert werden (%2).

Tensiolog versucht es weiter, solange es läuft; wenn es sie beim Schließen immer noch nicht speichern kann, können Sie es dann noch einmal versuchen.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds the readings as they were when they were last saved, at %2.</source>
        <extracomment>%1: the readings file, %2: a time (today) or a date and time.</extracomment>
        <translation>„%1“ enthält die Messwerte so, wie sie beim letzten Speichern waren (%2).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; still holds the readings as they were when the program started.</source>
        <translation>„%1“ enthält noch die Messwerte so, wie sie beim Start des Programms waren.</translation>
    </message>
    <message>
        <source>There is no file &quot;%1&quot; now.</source>
        <translation>Es gibt jetzt keine Datei „%1“.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds what another program wrote into it, which was left as it is.</source>
        <translation>„%1“ enthält, was ein anderes Programm hineingeschrieben hat; das blieb, wie es ist.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be read now (%2).</source>
        <extracomment>%1: the readings file, %2: why not.</extracomment>
        <translation>„%1“ lässt sich jetzt nicht lesen (%2).</translation>
    </message>
    <message>
        <source>%1

If Tensiolog is no longer running there, you can open the diary here. If it is, two copies would be changing the same readings: close it there first.</source>
        <extracomment>%1: which computer has the readings open (a sentence).</extracomment>
        <translation>%1

Wenn Tensiolog dort nicht mehr läuft, können Sie das Tagebuch hier öffnen. Wenn doch, würden zwei Kopien dieselben Messwerte ändern: Schließen Sie es zuerst dort.</translation>
    </message>
    <message>
        <source>&amp;Open anyway</source>
        <translation>&amp;Trotzdem öffnen</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Tensiolog cannot keep a second copy of itself away from your readings: %1.

If you do not know what it is, move it away or delete it, and Tensiolog makes its own lock file at the next start. The diary opens now without one; if another copy changes the readings meanwhile, neither overwrites the other.</source>
        <extracomment>%1: what lies where the lock file should be.</extracomment>
        <translation>Tensiolog kann eine zweite Kopie seiner selbst nicht von Ihren Messwerten fernhalten: %1.

Wenn Sie nicht wissen, was es ist, verschieben oder löschen Sie es, dann legt Tensiolog beim nächsten Start seine eigene Sperrdatei an. Das Tagebuch öffnet sich jetzt ohne eine; ändert eine andere Kopie die Messwerte inzwischen, überschreibt keine die andere.</translation>
    </message>
    <message>
        <source>Tensiolog is already running.

Please use the window that is already open, or wait until an import or export from the command line has finished: this second one ends now and leaves your readings as they are.

The readings are locked by &quot;%1&quot;.</source>
        <extracomment>%1: the lock file.</extracomment>
        <translation>Tensiolog läuft bereits.

Bitte nutzen Sie das Fenster, das schon offen ist, oder warten Sie, bis ein Import oder Export auf der Befehlszeile fertig ist: Dieses zweite endet jetzt und lässt Ihre Messwerte, wie sie sind.

Die Messwerte sind durch „%1“ gesperrt.</translation>
    </message>
    <message>
        <source>the readings file &quot;%1&quot; could not be read (%2). The program ends and leaves the file as it is.</source>
        <extracomment>%1: the readings file, %2: why not.</extracomment>
        <translation>die Messwertdatei „%1“ konnte nicht gelesen werden (%2). Das Programm endet und lässt die Datei, wie sie ist.</translation>
    </message>
    <message>
        <source>the readings file &quot;%1&quot; could not be read completely, and no copy of it could be kept (%2). The program ends and leaves the file as it is.</source>
        <extracomment>%1: the readings file, %2: why no copy could be kept.</extracomment>
        <translation>die Messwertdatei „%1“ konnte nicht vollständig gelesen werden, und es ließ sich keine Kopie davon aufbewahren (%2). Das Programm endet und lässt die Datei, wie sie ist.</translation>
    </message>
    <message numerus="yes">
        <source>Nothing was imported: %n files were given, and Tensiolog imports one CSV file at a time.</source>
        <translation>
            <numerusform>Es wurde nichts importiert: %n Datei wurde angegeben, und Tensiolog importiert eine CSV-Datei auf einmal.</numerusform>
            <numerusform>Es wurde nichts importiert: %n Dateien wurden angegeben, und Tensiolog importiert nur eine CSV-Datei auf einmal.</numerusform>
        </translation>
    </message>
    <message>
        <source>unknown reason</source>
        <translation>unbekannter Grund</translation>
    </message>
    <message>
        <source>The readings of the session that ended on %1 could not be saved to &quot;%2&quot; (%3). %4</source>
        <extracomment>%1: a date and time, %2: the readings file, %3: why not, %4: what the file holds now (a sentence).</extracomment>
        <translation>Die Messwerte der Sitzung, die am %1 endete, konnten nicht in „%2“ gespeichert werden (%3). %4</translation>
    </message>
    <message>
        <source>%1 has experienced an error : the readings could not be saved to &quot;%2&quot; (%3).

Press Retry to try again, or Cancel to end without saving them.</source>
        <extracomment>%1: the program&apos;s name (Free Tensiolog), %2: the readings file, %3: why not. Retry and Cancel: the box&apos;s buttons as Qt names them in this language.</extracomment>
        <translation>Bei %1 ist ein Fehler aufgetreten: Die Messwerte konnten nicht in „%2“ gespeichert werden (%3).

Drücken Sie „Wiederholen“, um es noch einmal zu versuchen, oder „Abbrechen“, um ohne Speichern zu beenden.</translation>
    </message>
    <message>
        <source>The latest readings were not saved. %1</source>
        <extracomment>%1: what the file holds now (a sentence).</extracomment>
        <translation>Die neuesten Messwerte wurden nicht gespeichert. %1</translation>
    </message>
    <message>
        <source>there is no such file</source>
        <translation>es gibt keine solche Datei</translation>
    </message>
    <message>
        <source>an unexpected error</source>
        <translation>ein unerwarteter Fehler</translation>
    </message>
</context>
</TS>
