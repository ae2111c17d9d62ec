<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>Artwork</name>
    <message>
        <source>your blood pressure diary</source>
        <extracomment>The window&apos;s heading, after the program&apos;s name; small room</extracomment>
        <translation>votre carnet de tension</translation>
    </message>
    <message>
        <source>free blood pressure diary</source>
        <extracomment>The window&apos;s foot, after the web address; small room</extracomment>
        <translation>carnet de tension libre</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>A button; small room</extracomment>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>View report</source>
        <extracomment>A button; small room</extracomment>
        <translation>Rapport</translation>
    </message>
</context>
<context>
    <name>CalendarGridAccessible</name>
    <message>
        <source>Week %1</source>
        <extracomment>A screen reader&apos;s name of a row of the calendar; %1 the week&apos;s number in the year</extracomment>
        <translation>Semaine %1</translation>
    </message>
</context>
<context>
    <name>ConflictPicker</name>
    <message>
        <source>(empty)</source>
        <extracomment>An empty value, as the choice between two values shows it</extracomment>
        <translation>(vide)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 whose value it is (&quot;Here&quot;, &quot;On the other computer&quot;), %2 the value
----------
A screen reader&apos;s name of a choice: %1 the day and value, %2 whose value it is</extracomment>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>%1, reading %2</source>
        <extracomment>%1 the day, %2 the number of the reading on that day</extracomment>
        <translation>%1, mesure %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>%1 the day (and reading), %2 which value (&quot;systolic&quot;)</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>time</source>
        <extracomment>The values of a reading, as a title names them (&quot;1 Dec 2026, systolic&quot;)</extracomment>
        <translation>heure</translation>
    </message>
    <message>
        <source>systolic</source>
        <translation>systolique</translation>
    </message>
    <message>
        <source>diastolic</source>
        <translation>diastolique</translation>
    </message>
    <message>
        <source>pulse</source>
        <translation>pouls</translation>
    </message>
    <message>
        <source>comment</source>
        <translation>commentaire</translation>
    </message>
    <message>
        <source>Values typed differently on two computers</source>
        <translation>Valeurs saisies différemment sur deux ordinateurs</translation>
    </message>
    <message>
        <source>These values were typed differently here and on the other computer. Pick the one to keep for each; the other computer&apos;s diary stays in &quot;%1&quot;.</source>
        <translation>Ces valeurs ont été saisies différemment ici et sur l&apos;autre ordinateur. Choisissez pour chacune celle à garder ; le carnet de l&apos;autre ordinateur reste dans « %1 ».</translation>
    </message>
    <message>
        <source>Here</source>
        <translation>Ici</translation>
    </message>
    <message>
        <source>On the other computer</source>
        <translation>Sur l&apos;autre ordinateur</translation>
    </message>
    <message>
        <source>&amp;Keep the picked values</source>
        <translation>&amp;Garder les valeurs choisies</translation>
    </message>
    <message>
        <source>&amp;Decide later</source>
        <translation>&amp;Décider plus tard</translation>
    </message>
</context>
<context>
    <name>CsvImport</name>
    <message>
        <source>Nothing was imported. %1</source>
        <extracomment>%1 the reason</extracomment>
        <translation>Rien n&apos;a été importé. %1</translation>
    </message>
    <message>
        <source>%1 is not a CSV file (its name does not end in .csv).</source>
        <extracomment>%1 the file&apos;s name</extracomment>
        <translation>%1 n&apos;est pas un fichier CSV (son nom ne se termine pas par .csv).</translation>
    </message>
    <message>
        <source>The command tlg --import-csv with --date-order dmy (day first) or mdy (month first) reads such a file.</source>
        <extracomment>Keep the command and its options as they are: they are typed as written</extracomment>
        <translation>La commande tlg --import-csv avec --date-order dmy (jour d&apos;abord) ou mdy (mois d&apos;abord) lit un tel fichier.</translation>
    </message>
    <message>
        <source>Import Readings</source>
        <translation>Importer des mesures</translation>
    </message>
    <message>
        <source>Nothing to import: the diary already holds the readings of this file.

%1</source>
        <extracomment>%1 what the file holds</extracomment>
        <translation>Rien à importer : le carnet contient déjà les mesures de ce fichier.

%1</translation>
    </message>
    <message>
        <source>%1 will be added to the diary and %2 changed (empty values filled in).

%3

Import these readings?</source>
        <extracomment>%1 how many days are added (&quot;3 days&quot;), %2 how many are changed, %3 what the file holds</extracomment>
        <translation>Ajout au carnet : %1 ; modification : %2 (valeurs vides complétées).

%3

Importer ces mesures ?</translation>
    </message>
    <message numerus="yes">
        <source>%n days</source>
        <translation>
            <numerusform>%n jour</numerusform>
            <numerusform>%n jours</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DiaryReload</name>
    <message>
        <source>Click to close</source>
        <translation>Cliquer pour fermer</translation>
    </message>
</context>
<context>
    <name>ReadingSwitcher</name>
    <message>
        <source>Not a time: type it as 07:05 or 19:30 (24 hours). The reading keeps its last time until then.</source>
        <translation>Pas une heure : saisissez-la sous la forme 07:05 ou 19:30 (24 heures). D&apos;ici là, la mesure garde sa dernière heure.</translation>
    </message>
    <message>
        <source>+ Reading</source>
        <extracomment>A small button under the pulse box that adds a reading; keep it very short</extracomment>
        <translation>+ Mesure</translation>
    </message>
    <message>
        <source>Previous reading</source>
        <translation>Mesure précédente</translation>
    </message>
    <message>
        <source>Show the day&apos;s previous reading (%1)</source>
        <extracomment>%1 the key that does it</extracomment>
        <translation>Afficher la mesure précédente du jour (%1)</translation>
    </message>
    <message>
        <source>Next reading</source>
        <translation>Mesure suivante</translation>
    </message>
    <message>
        <source>Show the day&apos;s next reading (%1)</source>
        <extracomment>%1 the key that does it</extracomment>
        <translation>Afficher la mesure suivante du jour (%1)</translation>
    </message>
    <message>
        <source>Add a reading</source>
        <translation>Ajouter une mesure</translation>
    </message>
    <message>
        <source>Add another reading to this day, with its time (%1)</source>
        <extracomment>%1 the key that does it</extracomment>
        <translation>Ajouter une autre mesure à ce jour, avec son heure (%1)</translation>
    </message>
    <message>
        <source>Remove this reading</source>
        <translation>Supprimer cette mesure</translation>
    </message>
    <message>
        <source>Remove the reading shown from this day (%1)</source>
        <extracomment>%1 the key that does it</extracomment>
        <translation>Supprimer de ce jour la mesure affichée (%1)</translation>
    </message>
    <message>
        <source>Readings of this day</source>
        <translation>Mesures de ce jour</translation>
    </message>
    <message>
        <source>Time of this reading</source>
        <translation>Heure de cette mesure</translation>
    </message>
    <message>
        <source>The time of day this reading was taken, as 07:05 (24 hours).</source>
        <translation>L&apos;heure de cette mesure, sous la forme 07:05 (24 heures).</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>Which of the day&apos;s readings is shown (&quot;1 of 2&quot;); keep it very short</extracomment>
        <translation>%1 sur %2</translation>
    </message>
    <message>
        <source>Reading %1 of %2</source>
        <extracomment>A screen reader&apos;s name of the position: the reading shown of how many</extracomment>
        <translation>Mesure %1 sur %2</translation>
    </message>
    <message>
        <source>%1. Reading %2 of %3 is shown.</source>
        <extracomment>%1 the button&apos;s tip, %2 the reading shown, %3 of how many</extracomment>
        <translation>%1. La mesure %2 sur %3 est affichée.</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>[This comment is %1 characters long, longer than the %2 this box takes. It is kept whole in the diary; only its beginning is shown here, and it cannot be changed in this window.]</source>
        <extracomment>%1 the comment&apos;s length, %2 the most the box takes (numbers of characters)</extracomment>
        <translation>[Ce commentaire compte %1 caractères, plus que les %2 que cette zone accepte. Il est conservé en entier dans le carnet ; seul son début est affiché ici, et il ne peut pas être modifié dans cette fenêtre.]</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>%1 the weekday (&quot;Monday&quot;), %2 the date (&quot;7 December 2026&quot;)</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Not a number: it is stored as typed but not counted in the chart or the report.</source>
        <translation>Pas un nombre : la valeur est enregistrée telle quelle mais n&apos;est comptée ni dans le graphique ni dans le rapport.</translation>
    </message>
    <message>
        <source>Calendar: the day of the readings</source>
        <translation>Calendrier : le jour des mesures</translation>
    </message>
    <message>
        <source>Close the Tensiolog now</source>
        <translation>Fermer Tensiolog maintenant</translation>
    </message>
    <message>
        <source>Close Tensiolog</source>
        <translation>Fermer Tensiolog</translation>
    </message>
    <message>
        <source>View the detailed report of your readings.</source>
        <translation>Voir le rapport détaillé de vos mesures.</translation>
    </message>
    <message>
        <source>View report</source>
        <translation>Voir le rapport</translation>
    </message>
    <message>
        <source>Please enter a short comment on what you did on this day</source>
        <translation>Veuillez noter brièvement ce que vous avez fait ce jour-là</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Please enter your pulse measurement for this day.</source>
        <translation>Veuillez saisir votre pouls pour ce jour.</translation>
    </message>
    <message>
        <source>Pulse, beats per minute</source>
        <translation>Pouls, battements par minute</translation>
    </message>
    <message>
        <source>Close the Tensiolog</source>
        <translation>Fermer Tensiolog</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Please enter your Systolic pressure measurement for this day. The Systolic is the higher of the two pressure readings. </source>
        <translation>Veuillez saisir votre tension systolique pour ce jour. La systolique est la plus élevée des deux valeurs de tension. </translation>
    </message>
    <message>
        <source>Systolic pressure, mmHg</source>
        <translation>Tension systolique, mmHg</translation>
    </message>
    <message>
        <source>Please enter your Diastolic pressure measurement for this day. The Diastolic is the lower of the two pressure readings.</source>
        <translation>Veuillez saisir votre tension diastolique pour ce jour. La diastolique est la plus basse des deux valeurs de tension.</translation>
    </message>
    <message>
        <source>Diastolic pressure, mmHg</source>
        <translation>Tension diastolique, mmHg</translation>
    </message>
    <message>
        <source>Reset data and start again</source>
        <translation>Tout effacer et recommencer</translation>
    </message>
    <message>
        <source>Click here to remove all the readings you have supplied so far.</source>
        <translation>Cliquez ici pour effacer toutes les mesures saisies jusqu&apos;à présent.</translation>
    </message>
    <message>
        <source>Health Warning</source>
        <translation>Mise en garde</translation>
    </message>
    <message>
        <source>Blood Pressure Information and Tips</source>
        <translation>Tension : infos et conseils</translation>
    </message>
    <message>
        <source>Find our more about blood pressure and taking your own readings</source>
        <translation>En savoir plus sur la tension artérielle et l&apos;automesure</translation>
    </message>
    <message>
        <source>The graph below illustrates the readings you have entered. To see a detailed report click on the button below.</source>
        <translation>Le graphique ci-dessous montre vos mesures. Pour un rapport détaillé, cliquez sur le bouton ci-dessous.</translation>
    </message>
    <message>
        <source>Please select the day when you took the readings, enter the reading values and add a short comment about what you did on that day. </source>
        <translation>Choisissez le jour de la mesure, saisissez les valeurs et ajoutez un court commentaire sur ce que vous avez fait ce jour-là. </translation>
    </message>
    <message>
        <source>Go to the Corvalen Website</source>
        <translation>Aller sur le site de Corvalen</translation>
    </message>
    <message>
        <source>Tensiolog web site, www.tensiolog.org</source>
        <translation>Site web de Tensiolog, www.tensiolog.org</translation>
    </message>
    <message>
        <source>Pulse</source>
        <translation>Pouls</translation>
    </message>
    <message>
        <source>Systolic</source>
        <translation>Systolique</translation>
    </message>
    <message>
        <source>Diastolic</source>
        <translation>Diastolique</translation>
    </message>
    <message>
        <source>Previous month</source>
        <translation>Mois précédent</translation>
    </message>
    <message>
        <source>Next month</source>
        <translation>Mois suivant</translation>
    </message>
    <message>
        <source>an unexpected error occurred</source>
        <translation>une erreur inattendue s&apos;est produite</translation>
    </message>
    <message>
        <source>Reading %1 of %2.</source>
        <extracomment>Said with each entry box on a day of several readings: the reading shown of how many</extracomment>
        <translation>Mesure %1 sur %2.</translation>
    </message>
    <message>
        <source>Reading %1 of %2, taken at %3.</source>
        <extracomment>%3 the reading&apos;s time (&quot;07:05&quot;)</extracomment>
        <translation>Mesure %1 sur %2, prise à %3.</translation>
    </message>
    <message numerus="yes">
        <source>This day holds %n readings, the most one day takes. Nothing was added.</source>
        <translation>
            <numerusform>Ce jour compte déjà %n mesure, le maximum pour un jour. Rien n&apos;a été ajouté.</numerusform>
            <numerusform>Ce jour compte déjà %n mesures, le maximum pour un jour. Rien n&apos;a été ajouté.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1/%2, pulse %3</source>
        <extracomment>%1 systolic, %2 diastolic, %3 pulse</extracomment>
        <translation>%1/%2, pouls %3</translation>
    </message>
    <message>
        <source>%1/%2, pulse %3, with its comment</source>
        <translation>%1/%2, pouls %3, avec son commentaire</translation>
    </message>
    <message>
        <source>Remove the reading %1 on %2 (%3)? It is taken out of the diary.</source>
        <extracomment>%1 the reading&apos;s number, %2 the day, %3 its values</extracomment>
        <translation>Supprimer la mesure %1 du %2 (%3) ? Elle est retirée du carnet.</translation>
    </message>
    <message>
        <source>Remove the reading taken at %1 on %2 (%3)? It is taken out of the diary.</source>
        <extracomment>%1 the reading&apos;s time (&quot;07:05&quot;), %2 the day, %3 its values</extracomment>
        <translation>Supprimer la mesure prise à %1 le %2 (%3) ? Elle est retirée du carnet.</translation>
    </message>
    <message>
        <source>Remove Reading</source>
        <translation>Supprimer la mesure</translation>
    </message>
    <message>
        <source>No new day can be added; the days it holds can still be changed.</source>
        <translation>Aucun nouveau jour ne peut être ajouté ; les jours présents peuvent encore être modifiés.</translation>
    </message>
    <message>
        <source>The diary is full: this day cannot be added to it.</source>
        <extracomment>Shown in the comment box; keep it short</extracomment>
        <translation>Le carnet est plein : ce jour ne peut pas y être ajouté.</translation>
    </message>
    <message>
        <source>Selected day: %1</source>
        <extracomment>%1 the day (&quot;Monday 7 December 2026&quot;)</extracomment>
        <translation>Jour choisi : %1</translation>
    </message>
    <message>
        <source>Days of %1 %2</source>
        <extracomment>A screen reader&apos;s name of the calendar&apos;s grid; %1 the month&apos;s name, %2 the year</extracomment>
        <translation>Jours de %1 %2</translation>
    </message>
    <message>
        <source>Reset Data Confirmation</source>
        <translation>Confirmer l&apos;effacement</translation>
    </message>
    <message>
        <source>You are about to remove all the readings you have entered so far. Are you sure?</source>
        <translation>Vous êtes sur le point d&apos;effacer toutes les mesures saisies jusqu&apos;à présent. Voulez-vous vraiment continuer ?</translation>
    </message>
    <message>
        <source>Warning Disclaimer</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>The information provided by this software should not be used as a basis for diagnosis or treament which can only be provided by a qualified medical practitioner. You should consult your doctor or an appropriate health professional for specific personal advice if you have any concerns about your health.</source>
        <translation>Les informations fournies par ce logiciel ne doivent pas servir de base à un diagnostic ou à un traitement, que seul un médecin qualifié peut établir. Si votre santé vous inquiète, consultez votre médecin ou un professionnel de santé pour un conseil personnalisé.</translation>
    </message>
</context>
</TS>
