<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
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
        <translation>Free Tensiolog, un journal de tension artérielle. Sans option, il ouvre sa fenêtre.

Avec un fichier CSV (tlg mesures.csv, comme le fait &quot;Ouvrir avec&quot; d&apos;un gestionnaire de fichiers), il ouvre la fenêtre et demande s&apos;il faut importer les mesures du fichier, comme quand on dépose le fichier sur la fenêtre ; un fichier dont le nom ne se termine pas par .csv, ou qui ne peut pas être lu, est refusé avec un message et rien ne change.

Avec --export-csv, --export-pdf ou --import-csv, il n&apos;a besoin d&apos;aucun écran : il travaille sur le fichier des mesures du dossier de données de l&apos;utilisateur, puis s&apos;arrête. Il refuse tant que la fenêtre est ouverte sur les mêmes mesures.

--export-pdf écrit le rapport exactement comme &quot;Enregistrer en PDF...&quot; dans la fenêtre du rapport (graphique, résumé, une ligne par mesure, sur le papier de l&apos;imprimante par défaut), pour tous les jours ou pour les jours de --from à --to ; le fichier n&apos;est remplacé qu&apos;une fois complet.

Les fichiers CSV sont en UTF-8, avec la ligne d&apos;en-tête date,time,systolic,diastolic,pulse,comment et une ligne par mesure (2026-12-08,07:05,120,80,72,Walked ; l&apos;heure est vide pour un jour d&apos;une seule mesure). Un import lit aussi les points-virgules ou les tabulations comme séparateurs, d&apos;autres noms de colonnes (sys, dia, heart rate, bpm, note, ... ; aussi en allemand, en français et en espagnol ; les autres sont ignorés), des valeurs avec unités (134 mmHg, 72 bpm), des dates comme 08.12.2026 ou 08/12/2026, une heure après la date et des millisecondes depuis 1970 ; chaque ligne est une mesure avec son heure, au plus 12 par jour. Les jours absents du journal sont ajoutés ; dans un jour qu&apos;il contient déjà, une mesure du fichier rencontre celle enregistrée à la même heure et remplit ses valeurs vides (ou toutes avec --replace), et une mesure qui n&apos;en rencontre aucune est ajoutée. Un fichier dont une seule ligne ne peut pas être lue ne change rien. Un import lit un fichier ordinaire ou l&apos;entrée standard de 64 Mo au plus. Un export place une &apos; devant un champ qu&apos;un tableur prendrait pour une formule (commençant par =, +, -, @) ; l&apos;import d&apos;un tel export la retire.

Code de retour : 0 terminé ; 1 échec, avec la raison sur la sortie d&apos;erreur standard ; 2 le programme est ouvert sur les mêmes mesures (ici ou sur un autre ordinateur : voir --ignore-other-computer-lock).</translation>
    </message>
    <message>
        <source>warning: %1</source>
        <extracomment>%1: what went wrong (a sentence).</extracomment>
        <translation>avertissement : %1</translation>
    </message>
    <message>
        <source>%1. Nothing was imported.</source>
        <extracomment>%1: the file, the line and what is wrong with it (a sentence without its full stop).</extracomment>
        <translation>%1. Rien n&apos;a été importé.</translation>
    </message>
    <message>
        <source>%1; nothing was imported.</source>
        <extracomment>%1: the file and why it could not be read (no full stop).</extracomment>
        <translation>%1 ; rien n&apos;a été importé.</translation>
    </message>
    <message>
        <source>Tensiolog is open on these readings (%1; lock file %2). Close its window, then try again.</source>
        <extracomment>%1: the readings file, %2: its lock file.</extracomment>
        <translation>Tensiolog est ouvert sur ces mesures (%1 ; fichier de verrou %2). Fermez sa fenêtre, puis réessayez.</translation>
    </message>
    <message>
        <source>%1 If it is no longer running there, give --%2.</source>
        <extracomment>%1: which computer has the readings open (a sentence), %2: the option&apos;s name.</extracomment>
        <translation>%1 S&apos;il n&apos;y tourne plus, donnez --%2.</translation>
    </message>
    <message>
        <source>%1; going on without a lock. Move it away unless you know what it is.</source>
        <extracomment>%1: what lies where the lock file should be.</extracomment>
        <translation>%1 ; on continue sans verrou. Déplacez-le, sauf si vous savez ce que c&apos;est.</translation>
    </message>
    <message>
        <source>the readings file %1 could not be read (%2). Start Tensiolog to see what can be saved of it; nothing was done.</source>
        <extracomment>%1: the readings file, %2: why it could not be read.</extracomment>
        <translation>le fichier des mesures %1 n&apos;a pas pu être lu (%2). Lancez Tensiolog pour voir ce qui peut en être sauvé ; rien n&apos;a été fait.</translation>
    </message>
    <message>
        <source>--delimiter takes &quot;,&quot;, &quot;;&quot; or &quot;tab&quot;, not &quot;%1&quot;</source>
        <extracomment>&quot;tab&quot; is the value as given on the command line; keep it.</extracomment>
        <translation>--delimiter accepte &quot;,&quot;, &quot;;&quot; ou &quot;tab&quot;, pas &quot;%1&quot;</translation>
    </message>
    <message>
        <source>--%1 takes a day such as 2026-12-08, not &quot;%2&quot;</source>
        <extracomment>%1: the option&apos;s name (from, to), %2: what was given. The day is written as the command line takes it (year-month-day).</extracomment>
        <translation>--%1 accepte un jour comme 2026-12-08, pas &quot;%2&quot;</translation>
    </message>
    <message>
        <source>--from must not come after --to</source>
        <translation>--from ne doit pas venir après --to</translation>
    </message>
    <message>
        <source>the readings could not be written to standard output (%1)</source>
        <extracomment>%1: why not.</extracomment>
        <translation>les mesures n&apos;ont pas pu être écrites sur la sortie standard (%1)</translation>
    </message>
    <message numerus="yes">
        <source>%n days written to standard output.</source>
        <translation>
            <numerusform>%n jour écrit sur la sortie standard.</numerusform>
            <numerusform>%n jours écrits sur la sortie standard.</numerusform>
        </translation>
    </message>
    <message>
        <source>the readings could not be written to %1 (%2)</source>
        <extracomment>%1: the file, %2: why not.</extracomment>
        <translation>les mesures n&apos;ont pas pu être écrites dans %1 (%2)</translation>
    </message>
    <message numerus="yes">
        <source>%n days written to %1.</source>
        <extracomment>%1: the file written.</extracomment>
        <translation>
            <numerusform>%n jour écrit dans %1.</numerusform>
            <numerusform>%n jours écrits dans %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>--export-pdf writes to a file; give its name.</source>
        <translation>--export-pdf écrit dans un fichier ; donnez son nom.</translation>
    </message>
    <message>
        <source>the report cannot be drawn in this run.</source>
        <translation>le rapport ne peut pas être dessiné dans cette exécution.</translation>
    </message>
    <message>
        <source>the report could not be written to %1 (%2)</source>
        <extracomment>%1: the file, %2: why not.</extracomment>
        <translation>le rapport n&apos;a pas pu être écrit dans %1 (%2)</translation>
    </message>
    <message>
        <source>The report (%1) written to %2.</source>
        <extracomment>%1: the days the report covers (as its title names them), %2: the file written.</extracomment>
        <translation>Le rapport (%1) a été écrit dans %2.</translation>
    </message>
    <message>
        <source>--date-order takes dmy (day first) or mdy (month first), not &quot;%1&quot;</source>
        <extracomment>dmy and mdy are the values as given on the command line; keep them.</extracomment>
        <translation>--date-order accepte dmy (jour d&apos;abord) ou mdy (mois d&apos;abord), pas &quot;%1&quot;</translation>
    </message>
    <message>
        <source>the readings could not be saved to %1 (%2); the file is as it was and nothing was imported.</source>
        <extracomment>%1: the readings file, %2: why not.</extracomment>
        <translation>les mesures n&apos;ont pas pu être enregistrées dans %1 (%2) ; le fichier est tel qu&apos;il était et rien n&apos;a été importé.</translation>
    </message>
    <message>
        <source>the readings file %1 was changed by another program during the import. It was left as it is; the diary with the import was saved beside it as %2.</source>
        <extracomment>%1: the readings file, %2: the copy saved beside it.</extracomment>
        <translation>le fichier des mesures %1 a été modifié par un autre programme pendant l&apos;import. Il a été laissé tel quel ; le journal avec l&apos;import a été enregistré à côté sous %2.</translation>
    </message>
    <message>
        <source>Saved to %1.</source>
        <translation>Enregistré dans %1.</translation>
    </message>
    <message>
        <source>standard input</source>
        <extracomment>Where the readings come from, in messages such as &quot;standard input, line 3: ...&quot;.</extracomment>
        <translation>entrée standard</translation>
    </message>
    <message>
        <source>%1. Nothing was imported. Say which with --date-order dmy (day first) or --date-order mdy (month first).</source>
        <extracomment>%1: the file, the line and what is wrong with it (a sentence without its full stop).</extracomment>
        <translation>%1. Rien n&apos;a été importé. Indiquez lequel avec --date-order dmy (jour d&apos;abord) ou --date-order mdy (mois d&apos;abord).</translation>
    </message>
    <message>
        <source>Dry run: nothing was changed.</source>
        <translation>Simulation : rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>Nothing to change.</source>
        <translation>Rien à modifier.</translation>
    </message>
    <message>
        <source>file</source>
        <extracomment>The name of an option&apos;s value, shown as &lt;file&gt; in tlg --help; one word, no spaces.</extracomment>
        <translation>fichier</translation>
    </message>
    <message>
        <source>day</source>
        <extracomment>The name of an option&apos;s value, shown as &lt;day&gt; in tlg --help; one word, no spaces.</extracomment>
        <translation>jour</translation>
    </message>
    <message>
        <source>Writes every reading to &lt;file&gt; as CSV (&quot;-&quot;: standard output) and ends.</source>
        <extracomment>&lt;file&gt;: keep it as the name of the value is translated.</extracomment>
        <translation>Écrit toutes les mesures en CSV dans &lt;fichier&gt; (&quot;-&quot; : sortie standard) et s&apos;arrête.</translation>
    </message>
    <message>
        <source>Writes the report to &lt;file&gt; as PDF, as &quot;Save as PDF...&quot; does, and ends.</source>
        <extracomment>&quot;Save as PDF...&quot;: the button of the report window.</extracomment>
        <translation>Écrit le rapport en PDF dans &lt;fichier&gt;, comme &quot;Enregistrer en PDF...&quot;, et s&apos;arrête.</translation>
    </message>
    <message>
        <source>Adds the readings of the CSV &lt;file&gt; (&quot;-&quot;: standard input) to the diary and ends.</source>
        <translation>Ajoute au journal les mesures du fichier CSV &lt;fichier&gt; (&quot;-&quot; : entrée standard) et s&apos;arrête.</translation>
    </message>
    <message>
        <source>Export: the field separator, &quot;,&quot; (the default), &quot;;&quot; (for spreadsheets that write decimal commas) or &quot;tab&quot;.</source>
        <extracomment>&quot;Export:&quot; and &quot;Import:&quot; begin each option that belongs to one of them; &quot;tab&quot; is the value as given on the command line.</extracomment>
        <translation>Export : le séparateur des champs, &quot;,&quot; (par défaut), &quot;;&quot; (pour les tableurs qui écrivent des virgules décimales) ou &quot;tab&quot;.</translation>
    </message>
    <message>
        <source>separator</source>
        <extracomment>The name of an option&apos;s value, shown as &lt;separator&gt; in tlg --help; one word.</extracomment>
        <translation>séparateur</translation>
    </message>
    <message>
        <source>Export (CSV or PDF): the first day written (2026-01-31).</source>
        <translation>Export (CSV ou PDF) : le premier jour écrit (2026-01-31).</translation>
    </message>
    <message>
        <source>Export (CSV or PDF): the last day written.</source>
        <translation>Export (CSV ou PDF) : le dernier jour écrit.</translation>
    </message>
    <message>
        <source>Import: read dates such as 03/04/2026 day first (dmy) or month first (mdy); needed only when no date in the file tells.</source>
        <extracomment>dmy and mdy are the values as given on the command line; keep them.</extracomment>
        <translation>Import : lire les dates comme 03/04/2026 jour d&apos;abord (dmy) ou mois d&apos;abord (mdy) ; utile seulement quand aucune date du fichier ne l&apos;indique.</translation>
    </message>
    <message>
        <source>order</source>
        <extracomment>The name of an option&apos;s value, shown as &lt;order&gt; in tlg --help; one word.</extracomment>
        <translation>ordre</translation>
    </message>
    <message>
        <source>Import: the file&apos;s values replace stored ones (without it, only empty ones are filled in).</source>
        <translation>Import : les valeurs du fichier remplacent celles enregistrées (sans cette option, seules les vides sont remplies).</translation>
    </message>
    <message>
        <source>Import: tell what would change, and change nothing.</source>
        <translation>Import : dire ce qui changerait, sans rien modifier.</translation>
    </message>
    <message>
        <source>Opens the readings although Tensiolog on another computer has them open (a copied or synchronised data folder). Give it only when it no longer runs there.</source>
        <translation>Ouvre les mesures bien que Tensiolog les ait ouvertes sur un autre ordinateur (un dossier de données copié ou synchronisé). N&apos;utilisez cette option que s&apos;il n&apos;y tourne plus.</translation>
    </message>
    <message>
        <source>give one of --export-csv, --export-pdf and --import-csv, not more.</source>
        <translation>donnez une seule option parmi --export-csv, --export-pdf et --import-csv.</translation>
    </message>
    <message>
        <source>nothing to do: give --export-csv, --export-pdf or --import-csv. See tlg --help.</source>
        <translation>rien à faire : donnez --export-csv, --export-pdf ou --import-csv. Voir tlg --help.</translation>
    </message>
    <message>
        <source>--%1 belongs to --%2.</source>
        <extracomment>%1: an option&apos;s name, %2 (and %3): the actions it belongs to (export-csv ...).</extracomment>
        <translation>--%1 s&apos;emploie uniquement avec --%2.</translation>
    </message>
    <message>
        <source>--%1 belongs to --%2 and --%3.</source>
        <translation>--%1 s&apos;emploie uniquement avec --%2 et --%3.</translation>
    </message>
    <message>
        <source>Opens the window and asks whether to import this CSV file.</source>
        <translation>Ouvre la fenêtre et demande s&apos;il faut importer ce fichier CSV.</translation>
    </message>
    <message>
        <source>%1
See tlg --help.</source>
        <extracomment>%1: what is wrong with the command line (Qt&apos;s own words).</extracomment>
        <translation>%1
Voir tlg --help.</translation>
    </message>
    <message>
        <source>unexpected &quot;%1&quot;. See tlg --help.</source>
        <extracomment>%1: an argument the command line does not take.</extracomment>
        <translation>argument &quot;%1&quot; inattendu. Voir tlg --help.</translation>
    </message>
</context>
<context>
    <name>CopyOffer</name>
    <message>
        <source>&quot;%1&quot; is no diary Tensiolog can read; it was left as it is.</source>
        <extracomment>%1: a file beside the diary.</extracomment>
        <translation>« %1 » n&apos;est pas un journal que Tensiolog peut lire ; il a été laissé tel quel.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;</source>
        <extracomment>Where readings came from, in sentences such as &quot;the readings of 2 days came from %1&quot;: a file&apos;s name in quotation marks.</extracomment>
        <translation>« %1 »</translation>
    </message>
    <message>
        <source>%1 It could not be moved aside (%2).</source>
        <extracomment>%1: what was merged from the copy (sentences), %2: why the copy could not be moved.</extracomment>
        <translation>%1 La copie n&apos;a pas pu être mise de côté (%2).</translation>
    </message>
    <message>
        <source>%1 (left by %2)</source>
        <extracomment>%1: a copy&apos;s file name, %2: the program or computer that left it.</extracomment>
        <translation>%1 (laissée par %2)</translation>
    </message>
    <message numerus="yes">
        <source>Beside your diary there are %n copies of it, left when two computers saved at once:

%1

Merge their readings into the diary? Readings the diary lacks are added; where a copy holds a different value, the diary keeps its own and the copy stays where it is. Each merged copy is moved into &quot;%2&quot;, never deleted.</source>
        <extracomment>%1: the copies&apos; names, one a line, %2: the folder merged copies are moved into.</extracomment>
        <translation>
            <numerusform>À côté de votre journal se trouve une copie de celui-ci, laissée quand deux ordinateurs ont enregistré en même temps :

%1

Fusionner les mesures de la copie dans le journal ? Les mesures qui manquent au journal sont ajoutées ; là où la copie contient une valeur différente, le journal garde la sienne et la copie reste où elle est. Une copie fusionnée est déplacée dans « %2 », jamais supprimée.</numerusform>
            <numerusform>À côté de votre journal se trouvent %n copies de celui-ci, laissées quand deux ordinateurs ont enregistré en même temps :

%1

Fusionner les mesures des copies dans le journal ? Les mesures qui manquent au journal sont ajoutées ; là où une copie contient une valeur différente, le journal garde la sienne et la copie reste où elle est. Chaque copie fusionnée est déplacée dans « %2 », jamais supprimée.</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Merge</source>
        <translation>&amp;Fusionner</translation>
    </message>
    <message>
        <source>&amp;Not now</source>
        <translation>&amp;Pas maintenant</translation>
    </message>
</context>
<context>
    <name>modMain</name>
    <message>
        <source>%1 has experienced a problem</source>
        <extracomment>%1: the program&apos;s name (Free Tensiolog).</extracomment>
        <translation>%1 a rencontré un problème</translation>
    </message>
    <message numerus="yes">
        <source>The %Ln days read before the damaged part are shown, and they will be saved together with what you enter now.</source>
        <translation>
            <numerusform>Le jour lu avant la partie endommagée est affiché, et il sera enregistré avec ce que vous saisissez maintenant.</numerusform>
            <numerusform>Les %Ln jours lus avant la partie endommagée sont affichés, et ils seront enregistrés avec ce que vous saisissez maintenant.</numerusform>
        </translation>
    </message>
    <message>
        <source>No readings could be read from it, so the diary starts empty.</source>
        <translation>Aucune mesure n&apos;a pu y être lue, le journal commence donc vide.</translation>
    </message>
    <message>
        <source>The readings file &quot;%1&quot; is damaged and could not be read completely (%2).

A copy of it as it was has been kept as &quot;%3&quot;.

%4</source>
        <extracomment>%1: the readings file, %2: what is wrong with it, %3: the copy kept, %4: what is shown of it (a sentence).</extracomment>
        <translation>Le fichier des mesures « %1 » est endommagé et n&apos;a pas pu être lu entièrement (%2).

Une copie de ce fichier tel qu&apos;il était a été gardée sous « %3 ».

%4</translation>
    </message>
    <message numerus="yes">
        <source>%1

&quot;%2&quot; holds more days than that, so only the first %Ln days are shown, and only they will be saved in it.

A copy of the whole file has been kept as &quot;%3&quot;.</source>
        <extracomment>%1: how many days the diary holds at most (sentences), %2: the readings file, %3: the copy kept of it.</extracomment>
        <translation>
            <numerusform>%1

« %2 » contient plus de jours, seul le premier jour est donc affiché, et seul lui y sera enregistré.

Une copie du fichier entier a été gardée sous « %3 ».</numerusform>
            <numerusform>%1

« %2 » contient plus de jours, seuls les %Ln premiers jours sont donc affichés, et seuls eux y seront enregistrés.

Une copie du fichier entier a été gardée sous « %3 ».</numerusform>
        </translation>
    </message>
    <message>
        <source>The readings are kept in &quot;%1&quot;: %2.</source>
        <extracomment>%1: the readings file, %2: why it is there.</extracomment>
        <translation>Les mesures sont gardées dans « %1 » : %2.</translation>
    </message>
    <message>
        <source>The data folder &quot;%1&quot; could not be made (%2), so the readings are kept in &quot;%3&quot;.</source>
        <extracomment>%1: the folder, %2: why it could not be made, %3: the readings file used instead.</extracomment>
        <translation>Le dossier de données « %1 » n&apos;a pas pu être créé (%2), les mesures sont donc gardées dans « %3 ».</translation>
    </message>
    <message>
        <source>The readings file &quot;%1&quot; was changed by another program while Tensiolog was running. It was left as it is, and the readings of this session were saved beside it as &quot;%2&quot;; later changes of this session are saved there too.</source>
        <extracomment>%1: the readings file, %2: the copy saved beside it.</extracomment>
        <translation>Le fichier des mesures « %1 » a été modifié par un autre programme pendant que Tensiolog tournait. Il a été laissé tel quel, et les mesures de cette session ont été enregistrées à côté sous « %2 » ; les modifications suivantes de cette session y sont aussi enregistrées.</translation>
    </message>
    <message>
        <source>The readings could not be saved to &quot;%1&quot; (%2).

Tensiolog keeps trying while it runs; if it still cannot save them when you close it, you can try again then.</source>
        <extracomment>%1: the readings file, %2: why not.</extracomment>
        <translation>Les mesures n&apos;ont pas pu être enregistrées dans « %1 » (%2).

Tensiolog continue d&apos;essayer tant qu&apos;il tourne ; s&apos;il ne peut toujours pas les enregistrer quand vous le fermez, vous pourrez réessayer à ce moment-là.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds the readings as they were when they were last saved, at %2.</source>
        <extracomment>%1: the readings file, %2: a time (today) or a date and time.</extracomment>
        <translation>« %1 » contient les mesures telles qu&apos;elles étaient lors du dernier enregistrement (%2).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; still holds the readings as they were when the program started.</source>
        <translation>« %1 » contient encore les mesures telles qu&apos;elles étaient au démarrage du programme.</translation>
    </message>
    <message>
        <source>There is no file &quot;%1&quot; now.</source>
        <translation>Il n&apos;y a plus de fichier « %1 ».</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds what another program wrote into it, which was left as it is.</source>
        <translation>« %1 » contient ce qu&apos;un autre programme y a écrit, qui a été laissé tel quel.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be read now (%2).</source>
        <extracomment>%1: the readings file, %2: why not.</extracomment>
        <translation>« %1 » ne peut pas être lu maintenant (%2).</translation>
    </message>
    <message>
        <source>%1

If Tensiolog is no longer running there, you can open the diary here. If it is, two copies would be changing the same readings: close it there first.</source>
        <extracomment>%1: which computer has the readings open (a sentence).</extracomment>
        <translation>%1

Si Tensiolog n&apos;y tourne plus, vous pouvez ouvrir le journal ici. S&apos;il y tourne encore, deux copies modifieraient les mêmes mesures : fermez-le d&apos;abord là-bas.</translation>
    </message>
    <message>
        <source>&amp;Open anyway</source>
        <translation>&amp;Ouvrir quand même</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Tensiolog cannot keep a second copy of itself away from your readings: %1.

If you do not know what it is, move it away or delete it, and Tensiolog makes its own lock file at the next start. The diary opens now without one; if another copy changes the readings meanwhile, neither overwrites the other.</source>
        <extracomment>%1: what lies where the lock file should be.</extracomment>
        <translation>Tensiolog ne peut pas tenir une deuxième copie de lui-même à l&apos;écart de vos mesures : %1.

Si vous ne savez pas ce que c&apos;est, déplacez-le ou supprimez-le, et Tensiolog créera son propre fichier de verrou au prochain démarrage. Le journal s&apos;ouvre maintenant sans verrou ; si une autre copie modifie les mesures entre-temps, aucune n&apos;écrase l&apos;autre.</translation>
    </message>
    <message>
        <source>Tensiolog is already running.

Please use the window that is already open, or wait until an import or export from the command line has finished: this second one ends now and leaves your readings as they are.

The readings are locked by &quot;%1&quot;.</source>
        <extracomment>%1: the lock file.</extracomment>
        <translation>Tensiolog est déjà en cours d&apos;exécution.

Utilisez la fenêtre déjà ouverte, ou attendez la fin d&apos;un import ou d&apos;un export en ligne de commande : ce second Tensiolog s&apos;arrête maintenant et laisse vos mesures telles qu&apos;elles sont.

Les mesures sont verrouillées par « %1 ».</translation>
    </message>
    <message>
        <source>the readings file &quot;%1&quot; could not be read (%2). The program ends and leaves the file as it is.</source>
        <extracomment>%1: the readings file, %2: why not.</extracomment>
        <translation>le fichier des mesures « %1 » n&apos;a pas pu être lu (%2). Le programme s&apos;arrête et laisse le fichier tel quel.</translation>
    </message>
    <message>
        <source>the readings file &quot;%1&quot; could not be read completely, and no copy of it could be kept (%2). The program ends and leaves the file as it is.</source>
        <extracomment>%1: the readings file, %2: why no copy could be kept.</extracomment>
        <translation>le fichier des mesures « %1 » n&apos;a pas pu être lu entièrement, et aucune copie n&apos;a pu en être gardée (%2). Le programme s&apos;arrête et laisse le fichier tel quel.</translation>
    </message>
    <message numerus="yes">
        <source>Nothing was imported: %n files were given, and Tensiolog imports one CSV file at a time.</source>
        <translation>
            <numerusform>Rien n&apos;a été importé : %n fichier a été donné, et Tensiolog importe un fichier CSV à la fois.</numerusform>
            <numerusform>Rien n&apos;a été importé : %n fichiers ont été donnés, et Tensiolog importe un seul fichier CSV à la fois.</numerusform>
        </translation>
    </message>
    <message>
        <source>unknown reason</source>
        <translation>raison inconnue</translation>
    </message>
    <message>
        <source>The readings of the session that ended on %1 could not be saved to &quot;%2&quot; (%3). %4</source>
        <extracomment>%1: a date and time, %2: the readings file, %3: why not, %4: what the file holds now (a sentence).</extracomment>
        <translation>Les mesures de la session terminée le %1 n&apos;ont pas pu être enregistrées dans « %2 » (%3). %4</translation>
    </message>
    <message>
        <source>%1 has experienced an error : the readings could not be saved to &quot;%2&quot; (%3).

Press Retry to try again, or Cancel to end without saving them.</source>
        <extracomment>%1: the program&apos;s name (Free Tensiolog), %2: the readings file, %3: why not. Retry and Cancel: the box&apos;s buttons as Qt names them in this language.</extracomment>
        <translation>%1 a rencontré une erreur : les mesures n&apos;ont pas pu être enregistrées dans « %2 » (%3).

Appuyez sur « Réessayer » pour essayer à nouveau, ou sur « Annuler » pour quitter sans les enregistrer.</translation>
    </message>
    <message>
        <source>The latest readings were not saved. %1</source>
        <extracomment>%1: what the file holds now (a sentence).</extracomment>
        <translation>Les dernières mesures n&apos;ont pas été enregistrées. %1</translation>
    </message>
    <message>
        <source>there is no such file</source>
        <translation>ce fichier n&apos;existe pas</translation>
    </message>
    <message>
        <source>an unexpected error</source>
        <translation>une erreur inattendue</translation>
    </message>
</context>
</TS>
