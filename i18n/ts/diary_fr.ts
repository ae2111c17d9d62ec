<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>ConflictCopies</name>
    <message>
        <source>the folder %1 cannot be made</source>
        <translation>le dossier %1 ne peut pas être créé</translation>
    </message>
    <message>
        <source>too many earlier copies</source>
        <translation>trop de copies antérieures</translation>
    </message>
</context>
<context>
    <name>CsvDescriptions</name>
    <message>
        <source>fields separated by semicolons</source>
        <translation>champs séparés par des points-virgules</translation>
    </message>
    <message>
        <source>fields separated by tabs</source>
        <translation>champs séparés par des tabulations</translation>
    </message>
    <message>
        <source>fields separated by commas</source>
        <translation>champs séparés par des virgules</translation>
    </message>
    <message numerus="yes">
        <source>%n days</source>
        <translation>
            <numerusform>%n jour</numerusform>
            <numerusform>%n jours</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %n readings on %2 (%3, %4).</source>
        <extracomment>%1: the file&apos;s name, %2: &quot;on N days&quot;, %3: its encoding (&quot;UTF-8&quot;), %4: &quot;fields separated by commas&quot;</extracomment>
        <translation>
            <numerusform>%1&#xa0;: %n mesure sur %2 (%3, %4).</numerusform>
            <numerusform>%1&#xa0;: %n mesures sur %2 (%3, %4).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n days</source>
        <comment>after &quot;on&quot;</comment>
        <translation>
            <numerusform>%n jour</numerusform>
            <numerusform>%n jours</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n days have more than one reading; each is kept with its time.</source>
        <translation>
            <numerusform>%n jour a plus d’une mesure&#xa0;; chacune est gardée avec son heure.</numerusform>
            <numerusform>%n jours ont plus d’une mesure&#xa0;; chacune est gardée avec son heure.</numerusform>
        </translation>
    </message>
    <message>
        <source>Columns left out: %1.</source>
        <translation>Colonnes ignorées&#xa0;: %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n lines above the header row skipped.</source>
        <translation>
            <numerusform>%n ligne au-dessus de la ligne d’en-tête ignorée.</numerusform>
            <numerusform>%n lignes au-dessus de la ligne d’en-tête ignorées.</numerusform>
        </translation>
    </message>
    <message>
        <source>Added %1, filled in %2, replaced values of %3; %4 unchanged.</source>
        <extracomment>Each of %1 to %4 is a number of days (&quot;1 day&quot;, &quot;3 days&quot;)</extracomment>
        <translation>Jours ajoutés&#xa0;: %1, complétés&#xa0;: %2, avec valeurs remplacées&#xa0;: %3&#xa0;; inchangés&#xa0;: %4.</translation>
    </message>
    <message>
        <source>Would add %1, fill in %2, replace values of %3; %4 would stay unchanged.</source>
        <translation>Jours à ajouter&#xa0;: %1, à compléter&#xa0;: %2, avec valeurs à remplacer&#xa0;: %3&#xa0;; resteraient inchangés&#xa0;: %4.</translation>
    </message>
    <message numerus="yes">
        <source>%n days took readings of the file beside their own.</source>
        <translation>
            <numerusform>%n jour a reçu des mesures du fichier à côté des siennes.</numerusform>
            <numerusform>%n jours ont reçu des mesures du fichier à côté des leurs.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n days would take readings of the file beside their own.</source>
        <translation>
            <numerusform>%n jour recevrait des mesures du fichier à côté des siennes.</numerusform>
            <numerusform>%n jours recevraient des mesures du fichier à côté des leurs.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n days kept stored values where the file has others.</source>
        <translation>
            <numerusform>%n jour a gardé des valeurs enregistrées là où le fichier en a d’autres.</numerusform>
            <numerusform>%n jours ont gardé des valeurs enregistrées là où le fichier en a d’autres.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n days would keep stored values where the file has others.</source>
        <translation>
            <numerusform>%n jour garderait des valeurs enregistrées là où le fichier en a d’autres.</numerusform>
            <numerusform>%n jours garderaient des valeurs enregistrées là où le fichier en a d’autres.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CsvExport</name>
    <message>
        <source>the bytes could not all be written</source>
        <translation>tous les octets n’ont pas pu être écrits</translation>
    </message>
</context>
<context>
    <name>CsvImport</name>
    <message>
        <source>no valid date</source>
        <translation>aucune date valide</translation>
    </message>
    <message>
        <source>the diary holds at most %1 days; it has %2, and the file would add %3</source>
        <extracomment>%1: the most days a diary holds, %2: the days it has, %3: the days the file adds</extracomment>
        <translation>le carnet contient au plus %1 jours&#xa0;; il en a %2, et le fichier en ajouterait %3</translation>
    </message>
    <message numerus="yes">
        <source>%1 would hold %n readings with those of the file; a day holds at most %2</source>
        <extracomment>%1: a date, %2: the most readings a day holds</extracomment>
        <translation>
            <numerusform>le %1 aurait %n mesure avec celles du fichier&#xa0;; un jour en contient au plus %2</numerusform>
            <numerusform>le %1 aurait %n mesures avec celles du fichier&#xa0;; un jour en contient au plus %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 has %n readings; a day holds at most %2</source>
        <extracomment>%1: a date, %2: the most readings a day holds</extracomment>
        <translation>
            <numerusform>le %1 a %n mesure&#xa0;; un jour en contient au plus %2</numerusform>
            <numerusform>le %1 a %n mesures&#xa0;; un jour en contient au plus %2</numerusform>
        </translation>
    </message>
    <message>
        <source>there is no list of readings to add to</source>
        <translation>il n’y a pas de liste de mesures à compléter</translation>
    </message>
    <message>
        <source>the columns &quot;%1&quot; and &quot;%2&quot; both hold the systolic pressure</source>
        <extracomment>%1 and %2: the names of two columns of a CSV file</extracomment>
        <translation>les colonnes «&#xa0;%1&#xa0;» et «&#xa0;%2&#xa0;» contiennent toutes deux la pression systolique</translation>
    </message>
    <message>
        <source>the columns &quot;%1&quot; and &quot;%2&quot; both hold the diastolic pressure</source>
        <translation>les colonnes «&#xa0;%1&#xa0;» et «&#xa0;%2&#xa0;» contiennent toutes deux la pression diastolique</translation>
    </message>
    <message>
        <source>the columns &quot;%1&quot; and &quot;%2&quot; both hold the pulse</source>
        <translation>les colonnes «&#xa0;%1&#xa0;» et «&#xa0;%2&#xa0;» contiennent toutes deux le pouls</translation>
    </message>
    <message>
        <source>the columns &quot;%1&quot; and &quot;%2&quot; both hold the comment</source>
        <translation>les colonnes «&#xa0;%1&#xa0;» et «&#xa0;%2&#xa0;» contiennent toutes deux le commentaire</translation>
    </message>
    <message>
        <source>column %1</source>
        <translation>colonne %1</translation>
    </message>
    <message>
        <source>the systolic pressure &quot;%1&quot; is negative</source>
        <translation>la pression systolique «&#xa0;%1&#xa0;» est négative</translation>
    </message>
    <message>
        <source>the systolic pressure &quot;%1&quot; is not a whole number</source>
        <translation>la pression systolique «&#xa0;%1&#xa0;» n’est pas un nombre entier</translation>
    </message>
    <message>
        <source>the systolic pressure &quot;%1&quot; is larger than 999</source>
        <translation>la pression systolique «&#xa0;%1&#xa0;» est supérieure à 999</translation>
    </message>
    <message>
        <source>the diastolic pressure &quot;%1&quot; is negative</source>
        <translation>la pression diastolique «&#xa0;%1&#xa0;» est négative</translation>
    </message>
    <message>
        <source>the diastolic pressure &quot;%1&quot; is not a whole number</source>
        <translation>la pression diastolique «&#xa0;%1&#xa0;» n’est pas un nombre entier</translation>
    </message>
    <message>
        <source>the diastolic pressure &quot;%1&quot; is larger than 999</source>
        <translation>la pression diastolique «&#xa0;%1&#xa0;» est supérieure à 999</translation>
    </message>
    <message>
        <source>the pulse &quot;%1&quot; is negative</source>
        <translation>le pouls «&#xa0;%1&#xa0;» est négatif</translation>
    </message>
    <message>
        <source>the pulse &quot;%1&quot; is not a whole number</source>
        <translation>le pouls «&#xa0;%1&#xa0;» n’est pas un nombre entier</translation>
    </message>
    <message>
        <source>the pulse &quot;%1&quot; is larger than 999</source>
        <translation>le pouls «&#xa0;%1&#xa0;» est supérieur à 999</translation>
    </message>
    <message>
        <source>the comment is %1 characters long; a comment holds at most %2</source>
        <extracomment>%1: the comment&apos;s length, %2: the most a comment holds (both over 1000)</extracomment>
        <translation>le commentaire compte %1 caractères&#xa0;; un commentaire en contient au plus %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a time in milliseconds since 1970</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas une heure en millisecondes depuis 1970</translation>
    </message>
    <message>
        <source>the row has a reading but no date</source>
        <translation>la ligne a une mesure mais pas de date</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a date that can be read (it should read like 2026-12-08, 08.12.2026 or 08/12/2026)</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas une date lisible (elle devrait ressembler à 2026-12-08, 08.12.2026 ou 08/12/2026)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a time of day</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas une heure</translation>
    </message>
    <message numerus="yes">
        <source>the row has %n fields, but the header names %1 columns</source>
        <extracomment>%1: how many columns the header row names (at least two)</extracomment>
        <translation>
            <numerusform>la ligne a %n champ, mais l’en-tête nomme %1 colonnes</numerusform>
            <numerusform>la ligne a %n champs, mais l’en-tête nomme %1 colonnes</numerusform>
        </translation>
    </message>
    <message>
        <source>the dates are in two orders: line %1 puts the day first (&quot;%2&quot;), line %3 the month (&quot;%4&quot;)</source>
        <translation>les dates suivent deux ordres&#xa0;: la ligne %1 met le jour en premier («&#xa0;%2&#xa0;»), la ligne %3 le mois («&#xa0;%4&#xa0;»)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; can be read as %2 (day first) or as %3 (month first), and no date in the file tells which</source>
        <extracomment>%1: a date as the file gives it; %2 and %3: the two dates it can be</extracomment>
        <translation>«&#xa0;%1&#xa0;» peut se lire %2 (jour en premier) ou %3 (mois en premier), et aucune date du fichier ne permet de trancher</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a date of the calendar</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas une date du calendrier</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a date of the calendar (read day first)</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas une date du calendrier (lue jour en premier)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a date of the calendar (read month first)</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas une date du calendrier (lue mois en premier)</translation>
    </message>
    <message>
        <source>%1 is outside the years 1900 to 9999</source>
        <translation>%1 est hors des années 1900 à 9999</translation>
    </message>
    <message>
        <source>%1 could not be read (it is larger than %2 MB, far more than any diary holds)</source>
        <extracomment>%1: the file&apos;s name, %2: a number of megabytes</extracomment>
        <translation>%1 n’a pas pu être lu (il dépasse %2 Mo, bien plus que ne contient un carnet)</translation>
    </message>
    <message>
        <source>%1 could not be read (%2)</source>
        <translation>%1 n’a pas pu être lu (%2)</translation>
    </message>
    <message>
        <source>%1 could not be read (it is %2, not an ordinary file)</source>
        <extracomment>%2: what the file is (&quot;a folder&quot;, &quot;a named pipe&quot;)</extracomment>
        <translation>%1 n’a pas pu être lu (c’est %2, pas un fichier ordinaire)</translation>
    </message>
    <message>
        <source>something else</source>
        <translation>autre chose</translation>
    </message>
    <message>
        <source>%1 could not be opened (%2)</source>
        <translation>%1 n’a pas pu être ouvert (%2)</translation>
    </message>
    <message>
        <source>%1, line %2: %3</source>
        <translation>%1, ligne %2&#xa0;: %3</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>%1: the file&apos;s name, %2: what is wrong</extracomment>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>the file holds no readings (it is empty)</source>
        <translation>le fichier ne contient aucune mesure (il est vide)</translation>
    </message>
    <message>
        <source>no header row names the columns: the first line should read like &quot;date,systolic,diastolic,pulse,comment&quot;, and it reads &quot;%1&quot;</source>
        <translation>aucune ligne d’en-tête ne nomme les colonnes&#xa0;: la première ligne devrait ressembler à «&#xa0;Date;Systolique;Diastolique;Pouls;Commentaire&#xa0;», et elle contient «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>field %1 opens a quote on line %2 that is never closed</source>
        <extracomment>%1: the field&apos;s number in its row, %2: a line number</extracomment>
        <translation>le champ %1 ouvre à la ligne %2 un guillemet qui n’est jamais fermé</translation>
    </message>
    <message>
        <source>field %1 has text after its closing quote</source>
        <translation>le champ %1 contient du texte après son guillemet fermant</translation>
    </message>
</context>
<context>
    <name>DataFileLock</name>
    <message>
        <source>a named pipe (FIFO)</source>
        <translation>un tube nommé (FIFO)</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>un dossier</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>un périphérique</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>un socket</translation>
    </message>
    <message>
        <source>not an ordinary file</source>
        <translation>autre chose qu’un fichier ordinaire</translation>
    </message>
    <message>
        <source>the folder of &quot;%1&quot; may not be written to</source>
        <translation>le dossier de «&#xa0;%1&#xa0;» est protégé en écriture</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be written</source>
        <translation>«&#xa0;%1&#xa0;» n’a pas pu être écrit</translation>
    </message>
    <message>
        <source>&quot;%1&quot; kept coming back</source>
        <translation>«&#xa0;%1&#xa0;» revenait sans cesse</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is %2, not a lock file</source>
        <extracomment>%2: what is there (&quot;a folder&quot;, &quot;a named pipe (FIFO)&quot;)</extracomment>
        <translation>«&#xa0;%1&#xa0;» est %2, pas un fichier de verrou</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be replaced</source>
        <translation>«&#xa0;%1&#xa0;» n’a pas pu être remplacé</translation>
    </message>
    <message>
        <source>The readings are open in Tensiolog on another computer (lock file &quot;%1&quot;).</source>
        <translation>Les mesures sont ouvertes dans Tensiolog sur un autre ordinateur (fichier de verrou «&#xa0;%1&#xa0;»).</translation>
    </message>
    <message>
        <source>The readings are open in Tensiolog on another computer since %1 (lock file &quot;%2&quot;).</source>
        <extracomment>%1: a date and time</extracomment>
        <translation>Les mesures sont ouvertes dans Tensiolog sur un autre ordinateur depuis le %1 (fichier de verrou «&#xa0;%2&#xa0;»).</translation>
    </message>
    <message>
        <source>The readings are open in Tensiolog on the computer &quot;%1&quot; (lock file &quot;%2&quot;).</source>
        <extracomment>%1: the other computer&apos;s name</extracomment>
        <translation>Les mesures sont ouvertes dans Tensiolog sur l’ordinateur «&#xa0;%1&#xa0;» (fichier de verrou «&#xa0;%2&#xa0;»).</translation>
    </message>
    <message>
        <source>The readings are open in Tensiolog on the computer &quot;%1&quot; since %2 (lock file &quot;%3&quot;).</source>
        <extracomment>%1: the other computer&apos;s name, %2: a date and time</extracomment>
        <translation>Les mesures sont ouvertes dans Tensiolog sur l’ordinateur «&#xa0;%1&#xa0;» depuis le %2 (fichier de verrou «&#xa0;%3&#xa0;»).</translation>
    </message>
</context>
<context>
    <name>DataFileSaver</name>
    <message>
        <source>there is no diary to save</source>
        <translation>il n’y a pas de carnet à enregistrer</translation>
    </message>
    <message>
        <source>it is not an ordinary file</source>
        <translation>ce n’est pas un fichier ordinaire</translation>
    </message>
</context>
<context>
    <name>DiaryLoad</name>
    <message>
        <source>it holds no list of readings</source>
        <translation>il ne contient aucune liste de mesures</translation>
    </message>
    <message>
        <source>it ends in the middle of its readings, as a file that was cut off does</source>
        <translation>il s’arrête au milieu de ses mesures, comme un fichier tronqué</translation>
    </message>
    <message>
        <source>it is damaged at line %1</source>
        <translation>il est endommagé à la ligne %1</translation>
    </message>
    <message>
        <source>its contents could not be made out</source>
        <translation>son contenu n’a pas pu être déchiffré</translation>
    </message>
</context>
<context>
    <name>DocumentMerge</name>
    <message numerus="yes">
        <source>%1 and %n more</source>
        <extracomment>%1: three dates; %n: how many more days</extracomment>
        <translation>
            <numerusform>%1 et %n autre</numerusform>
            <numerusform>%1 et %n autres</numerusform>
        </translation>
    </message>
    <message>
        <source>the readings of %1 came from the other computer</source>
        <translation>les mesures du %1 sont venues de l’autre ordinateur</translation>
    </message>
    <message>
        <source>where a value was typed differently here and on the other computer (%1 on %2), yours is kept</source>
        <translation>là où une valeur a été saisie différemment ici et sur l’autre ordinateur (%1 le %2), la vôtre est conservée</translation>
    </message>
    <message>
        <source>where a value was typed differently here and on the other computer (%1 on %2), yours is kept and theirs is in &quot;%3&quot;</source>
        <translation>là où une valeur a été saisie différemment ici et sur l’autre ordinateur (%1 le %2), la vôtre est conservée et l’autre se trouve dans «&#xa0;%3&#xa0;»</translation>
    </message>
    <message>
        <source>nothing new came from the other computer</source>
        <translation>rien de nouveau n’est venu de l’autre ordinateur</translation>
    </message>
    <message>
        <source>the readings of %1 came from a change made to the file during the import</source>
        <translation>les mesures du %1 sont venues d’une modification du fichier pendant l’importation</translation>
    </message>
    <message>
        <source>where a value was typed differently here and on a change made to the file during the import (%1 on %2), yours is kept</source>
        <translation>là où une valeur a été saisie différemment ici et dans une modification du fichier pendant l’importation (%1 le %2), la vôtre est conservée</translation>
    </message>
    <message>
        <source>where a value was typed differently here and on a change made to the file during the import (%1 on %2), yours is kept and theirs is in &quot;%3&quot;</source>
        <translation>là où une valeur a été saisie différemment ici et dans une modification du fichier pendant l’importation (%1 le %2), la vôtre est conservée et l’autre se trouve dans «&#xa0;%3&#xa0;»</translation>
    </message>
    <message>
        <source>nothing new came from a change made to the file during the import</source>
        <translation>rien de nouveau n’est venu d’une modification du fichier pendant l’importation</translation>
    </message>
    <message>
        <source>the readings of %1 came from %2</source>
        <extracomment>%2: a file&apos;s name in quotes</extracomment>
        <translation>les mesures du %1 sont venues de %2</translation>
    </message>
    <message>
        <source>where a value was typed differently here and on %3 (%1 on %2), yours is kept</source>
        <extracomment>%3: a file&apos;s name in quotes</extracomment>
        <translation>là où une valeur a été saisie différemment ici et dans %3 (%1 le %2), la vôtre est conservée</translation>
    </message>
    <message>
        <source>where a value was typed differently here and on %4 (%1 on %2), yours is kept and theirs is in &quot;%3&quot;</source>
        <extracomment>%4: a file&apos;s name in quotes</extracomment>
        <translation>là où une valeur a été saisie différemment ici et dans %4 (%1 le %2), la vôtre est conservée et l’autre se trouve dans «&#xa0;%3&#xa0;»</translation>
    </message>
    <message>
        <source>nothing new came from %1</source>
        <extracomment>%1: a file&apos;s name in quotes</extracomment>
        <translation>rien de nouveau n’est venu de %1</translation>
    </message>
    <message numerus="yes">
        <source>%n values</source>
        <comment>typed differently</comment>
        <extracomment>How many values were typed differently</extracomment>
        <translation>
            <numerusform>une valeur</numerusform>
            <numerusform>%n valeurs</numerusform>
        </translation>
    </message>
    <message>
        <source>%1; %2</source>
        <extracomment>Two parts of one sentence</extracomment>
        <translation>%1&#xa0;; %2</translation>
    </message>
</context>
<context>
    <name>PressureColours</name>
    <message>
        <source>red</source>
        <translation>rouge</translation>
    </message>
    <message>
        <source>green</source>
        <translation>vert</translation>
    </message>
    <message>
        <source>orange</source>
        <translation>orange</translation>
    </message>
    <message>
        <source>black</source>
        <translation>noir</translation>
    </message>
</context>
<context>
    <name>SafeFile</name>
    <message>
        <source>it is not an ordinary file</source>
        <translation>ce n’est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>only %1 of %2 bytes reached the disk</source>
        <extracomment>%1 and %2: numbers of bytes</extracomment>
        <translation>seuls %1 octets sur %2 ont atteint le disque</translation>
    </message>
    <message>
        <source>%1 was saved, but its folder could not be synced to disk (%2): a power cut soon may undo the save</source>
        <extracomment>%1: a file, %2: the system&apos;s reason</extracomment>
        <translation>%1 a été enregistré, mais son dossier n’a pas pu être synchronisé sur le disque (%2)&#xa0;: une coupure de courant prochaine pourrait annuler l’enregistrement</translation>
    </message>
    <message>
        <source>another program changed the file during the save, and its version could not be put back (%1); it is kept as %2</source>
        <extracomment>%1: the system&apos;s reason, %2: a file</extracomment>
        <translation>un autre programme a modifié le fichier pendant l’enregistrement, et sa version n’a pas pu être remise en place (%1)&#xa0;; elle est conservée sous %2</translation>
    </message>
    <message>
        <source>too many earlier copies</source>
        <translation>trop de copies antérieures</translation>
    </message>
</context>
<context>
    <name>modFiles</name>
    <message>
        <source>&quot;%1&quot; is a file, not a folder</source>
        <translation>«&#xa0;%1&#xa0;» est un fichier, pas un dossier</translation>
    </message>
    <message>
        <source>no folder may be made in &quot;%1&quot;</source>
        <translation>aucun dossier ne peut être créé dans «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>it could not be made</source>
        <translation>il n’a pas pu être créé</translation>
    </message>
    <message>
        <source>the system names no folder for application data</source>
        <translation>le système n’indique aucun dossier pour les données d’application</translation>
    </message>
</context>
<context>
    <name>modGlobals</name>
    <message>
        <source>there is no diary to save</source>
        <translation>il n’y a pas de carnet à enregistrer</translation>
    </message>
    <message>
        <source>the diary could not be written out</source>
        <translation>le carnet n’a pas pu être écrit</translation>
    </message>
    <message>
        <source>The diary has reached the largest size this version can hold (%1 days).</source>
        <extracomment>%1: the most days a diary holds (32,767)</extracomment>
        <translation>Le carnet a atteint la plus grande taille que cette version peut contenir (%1 jours).</translation>
    </message>
</context>
</TS>
