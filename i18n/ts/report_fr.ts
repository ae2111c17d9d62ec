<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>ReportComposer</name>
    <message>
        <source>Average, %1: %2/%3, pulse %4</source>
        <extracomment>%1: which days (&quot;whole period&quot;), %2/%3: systolic/diastolic average, %4: pulse.</extracomment>
        <translation>Moyenne, %1&#xa0;: %2/%3, pouls %4</translation>
    </message>
    <message>
        <source>Average, %1: %2/%3</source>
        <extracomment>%1: which days (&quot;whole period&quot;), %2/%3: systolic/diastolic average.</extracomment>
        <translation>Moyenne, %1&#xa0;: %2/%3</translation>
    </message>
    <message>
        <source>up to %1</source>
        <extracomment>A pressure range of the colour key: this value and all below it.</extracomment>
        <translation>jusqu’à %1</translation>
    </message>
    <message>
        <source>from %1</source>
        <extracomment>A pressure range of the colour key: this value and all above it.</extracomment>
        <translation>à partir de %1</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <extracomment>Two pressure ranges of one colour: &quot;up to 99 or from 150&quot;.</extracomment>
        <translation>%1 ou %2</translation>
    </message>
    <message>
        <source>Home measurement week: none in these readings. It needs at least %1 consecutive days with morning (before noon) and evening readings; no day here has both.</source>
        <extracomment>%1: the fewest days the week needs (3).</extracomment>
        <translation>Semaine d’automesure&#xa0;: aucune dans ces mesures. Il faut au moins %1 jours consécutifs avec des mesures le matin (avant midi) et le soir&#xa0;; aucun jour ici n’a les deux.</translation>
    </message>
    <message numerus="yes">
        <source>Home measurement week: none in these readings. It needs at least %1 consecutive days with morning (before noon) and evening readings; the longest run here is %n day(s).</source>
        <extracomment>%1: the fewest days the week needs (3); %n: the longest run of such days.</extracomment>
        <translation>
            <numerusform>Semaine d’automesure&#xa0;: aucune dans ces mesures. Il faut au moins %1 jours consécutifs avec des mesures le matin (avant midi) et le soir&#xa0;; la plus longue série ici est de %n jour.</numerusform>
            <numerusform>Semaine d’automesure&#xa0;: aucune dans ces mesures. Il faut au moins %1 jours consécutifs avec des mesures le matin (avant midi) et le soir&#xa0;; la plus longue série ici est de %n jours.</numerusform>
        </translation>
    </message>
    <message>
        <source>Home measurement week %1 to %2, first day left out: %3 days, %4 readings</source>
        <extracomment>%1 and %2: the week&apos;s first and last day; %3: days counted (2 or more); %4: readings.</extracomment>
        <translation>Semaine d’automesure du %1 au %2, sans le premier jour&#xa0;: %3 jours, %4 mesures</translation>
    </message>
    <message>
        <source>Home measurement mean %1 (morning %2, evening %3): at or above %4</source>
        <extracomment>%1: the mean (systolic/diastolic), %2: morning mean, %3: evening mean, %4: the threshold (135/85).</extracomment>
        <translation>Moyenne d’automesure %1 (matin %2, soir %3)&#xa0;: égale ou supérieure à %4</translation>
    </message>
    <message>
        <source>Home measurement mean %1 (morning %2, evening %3): below %4</source>
        <extracomment>%1: the mean (systolic/diastolic), %2: morning mean, %3: evening mean, %4: the threshold (135/85).</extracomment>
        <translation>Moyenne d’automesure %1 (matin %2, soir %3)&#xa0;: inférieure à %4</translation>
    </message>
    <message>
        <source>%1: no days with both pressures</source>
        <extracomment>%1: the period (&quot;All readings&quot;, &quot;1 Sep 2026 to 8 Dec 2026&quot;).</extracomment>
        <translation>%1&#xa0;: aucun jour avec les deux valeurs de tension</translation>
    </message>
    <message>
        <source>%1: systolic %2 and diastolic %3</source>
        <extracomment>A line of the colour key. %1: the colour&apos;s name (shown in that colour), %2 and %3: the systolic and the diastolic ranges (&quot;100-129&quot;, &quot;up to 99 or from 150&quot;).</extracomment>
        <translation>%1&#xa0;: systolique %2 et diastolique %3</translation>
    </message>
    <message>
        <source>whole period</source>
        <extracomment>Which days an average is taken over.</extracomment>
        <translation>toute la période</translation>
    </message>
    <message numerus="yes">
        <source>last %n day(s) with readings</source>
        <extracomment>Which days an average is taken over: the latest %n days that hold readings.</extracomment>
        <translation>
            <numerusform>dernier %n jour avec mesures</numerusform>
            <numerusform>%n derniers jours avec mesures</numerusform>
        </translation>
    </message>
    <message>
        <source>Days at or above %1 (home measurement threshold, ESH 2023): %2 of %3</source>
        <extracomment>%1: the threshold (135/85); %2 of %3: days at or above it, of all days.</extracomment>
        <translation>Jours à %1 ou plus (seuil d’automesure, ESH 2023)&#xa0;: %2 sur %3</translation>
    </message>
    <message>
        <source>Pressures in mmHg, pulse in beats per minute</source>
        <translation>Tension en mmHg, pouls en battements par minute</translation>
    </message>
    <message>
        <source>Each pressure is coloured by its own range:</source>
        <translation>Chaque valeur est colorée selon sa propre plage&#xa0;:</translation>
    </message>
    <message>
        <source>All readings</source>
        <extracomment>The report&apos;s period when it is not limited to some days.</extracomment>
        <translation>Toutes les mesures</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <extracomment>The report&apos;s period: its first and its last day.</extracomment>
        <translation>%1 – %2</translation>
    </message>
    <message>
        <source>no time</source>
        <extracomment>In place of a reading&apos;s time of day, when it has none (the date column: keep short).</extracomment>
        <translation>sans heure</translation>
    </message>
    <message>
        <source>YOUR READINGS</source>
        <extracomment>The heading above the day lines.</extracomment>
        <translation>VOS MESURES</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n day(s) with both pressures, %2 readings</source>
        <extracomment>%1: the period; %n: days; %2: readings (always more than the days).</extracomment>
        <translation>
            <numerusform>%1&#xa0;: %n jour avec les deux valeurs de tension, %2 mesures</numerusform>
            <numerusform>%1&#xa0;: %n jours avec les deux valeurs de tension, %2 mesures</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %n day(s) with both pressures</source>
        <extracomment>%1: the period; %n: days.</extracomment>
        <translation>
            <numerusform>%1&#xa0;: %n jour avec les deux valeurs de tension</numerusform>
            <numerusform>%1&#xa0;: %n jours avec les deux valeurs de tension</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RichTextBox</name>
    <message>
        <source>Picture</source>
        <extracomment>What a screen reader says for a picture that has no words of its own.</extracomment>
        <translation>Image</translation>
    </message>
</context>
<context>
    <name>frmReport</name>
    <message>
        <source>Tensiolog Report</source>
        <translation>Rapport Tensiolog</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Rapport</translation>
    </message>
    <message>
        <source>Save as PDF…</source>
        <translation>Enregistrer en PDF…</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <extracomment>The &quot;Save as PDF…&quot; button&apos;s name for screen readers.</extracomment>
        <translation>Enregistrer en PDF</translation>
    </message>
    <message>
        <source>&amp;Period:</source>
        <extracomment>The accelerator (&amp;) must differ from the window&apos;s other ones (C of Export CSV).</extracomment>
        <translation>&amp;Période&#xa0;:</translation>
    </message>
    <message>
        <source>All readings</source>
        <translation>Toutes les mesures</translation>
    </message>
    <message numerus="yes">
        <source>Last %n day(s)</source>
        <translation>
            <numerusform>Dernier %n jour</numerusform>
            <numerusform>%n derniers jours</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Last %n month(s)</source>
        <translation>
            <numerusform>Dernier %n mois</numerusform>
            <numerusform>%n derniers mois</numerusform>
        </translation>
    </message>
    <message>
        <source>From … to …</source>
        <extracomment>The period choice whose first and last day are picked beside it.</extracomment>
        <translation>Du … au …</translation>
    </message>
    <message>
        <source>Report period</source>
        <translation>Période du rapport</translation>
    </message>
    <message>
        <source>Report from</source>
        <extracomment>Screen reader&apos;s name of the period&apos;s first day.</extracomment>
        <translation>Rapport à partir du</translation>
    </message>
    <message>
        <source>Report to</source>
        <extracomment>Screen reader&apos;s name of the period&apos;s last day.</extracomment>
        <translation>Rapport jusqu’au</translation>
    </message>
    <message>
        <source>Tensiolog report, %1</source>
        <extracomment>The printed document&apos;s title. %1: the period (&quot;1 Sep 2026 to 8 Dec 2026&quot;).</extracomment>
        <translation>Rapport Tensiolog, %1</translation>
    </message>
    <message>
        <source>%1, printed %2</source>
        <extracomment>The foot of each printed page. %1: the document&apos;s title, %2: the day it is printed.</extracomment>
        <translation>%1, imprimé le %2</translation>
    </message>
    <message>
        <source>Tensiolog, blood pressure diary</source>
        <extracomment>What a screen reader says in place of the report&apos;s header picture.</extracomment>
        <translation>Tensiolog, carnet de tension</translation>
    </message>
    <message>
        <source>This report was not printed. This was due to you either cancelling the printing or the printer being offline.</source>
        <translation>Ce rapport n’a pas été imprimé&#xa0;: soit l’impression a été annulée, soit l’imprimante n’est pas disponible.</translation>
    </message>
    <message>
        <source>This report has been sent to your default printer (%1).</source>
        <extracomment>%1: the printer&apos;s name.</extracomment>
        <translation>Ce rapport a été envoyé à votre imprimante par défaut (%1).</translation>
    </message>
    <message>
        <source>Tensiolog report %1.pdf</source>
        <extracomment>The file name proposed for the PDF. %1: today as 2027-03-07 (keep that form).</extracomment>
        <translation>Rapport Tensiolog %1.pdf</translation>
    </message>
    <message>
        <source>Save the report as PDF</source>
        <translation>Enregistrer le rapport en PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <extracomment>The file type of the save dialog: keep &quot;(*.pdf)&quot; as it is.</extracomment>
        <translation>Fichiers PDF (*.pdf)</translation>
    </message>
    <message>
        <source>This report has been saved as %1.</source>
        <extracomment>%1: the file&apos;s path.</extracomment>
        <translation>Ce rapport a été enregistré sous %1.</translation>
    </message>
    <message>
        <source>This report was not saved as %1 (%2).</source>
        <extracomment>%1: the file&apos;s path, %2: the reason.</extracomment>
        <translation>Ce rapport n’a pas été enregistré sous %1 (%2).</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>erreur inconnue</translation>
    </message>
    <message>
        <source>Export &amp;CSV…</source>
        <extracomment>The accelerator (&amp;) must differ from the window&apos;s other ones (P of Period).</extracomment>
        <translation>Exporter en &amp;CSV…</translation>
    </message>
    <message>
        <source>Export CSV…</source>
        <extracomment>The &quot;Export CSV…&quot; button&apos;s name for screen readers.</extracomment>
        <translation>Exporter en CSV…</translation>
    </message>
    <message>
        <source>Saves the readings as a CSV file for a spreadsheet</source>
        <translation>Enregistre les mesures dans un fichier CSV pour un tableur</translation>
    </message>
    <message>
        <source>Save the readings as a CSV file for a spreadsheet</source>
        <translation>Enregistrer les mesures dans un fichier CSV pour un tableur</translation>
    </message>
    <message>
        <source>Tensiolog readings %1.csv</source>
        <extracomment>The file name proposed for the CSV export. %1: today as 2027-03-07 (keep that form).</extracomment>
        <translation>Mesures Tensiolog %1.csv</translation>
    </message>
    <message>
        <source>Export the readings as CSV</source>
        <translation>Exporter les mesures en CSV</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <extracomment>The file type of the save dialog: keep &quot;(*.csv)&quot; as it is.</extracomment>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <extracomment>A message&apos;s title.</extracomment>
        <translation>Exporter en CSV</translation>
    </message>
    <message numerus="yes">
        <source>%n day(s) have been exported to %1.</source>
        <extracomment>%n: the days exported, %1: the file&apos;s path.</extracomment>
        <translation>
            <numerusform>%n jour a été exporté vers %1.</numerusform>
            <numerusform>%n jours ont été exportés vers %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 Warning</source>
        <extracomment>A message&apos;s title. %1: the program&apos;s name.</extracomment>
        <translation>%1 – Avertissement</translation>
    </message>
    <message>
        <source>The readings were not exported to %1 (%2).</source>
        <extracomment>%1: the file&apos;s path, %2: the reason.</extracomment>
        <translation>Les mesures n’ont pas été exportées vers %1 (%2).</translation>
    </message>
    <message>
        <source>blood pressure diary</source>
        <extracomment>The words after &quot;Tensiolog&quot; on the report&apos;s header picture (at most 20 letters).</extracomment>
        <translation>carnet de tension</translation>
    </message>
</context>
<context>
    <name>modPrint</name>
    <message>
        <source>Tensiolog report</source>
        <translation>Rapport Tensiolog</translation>
    </message>
    <message>
        <source>page %1 of %2</source>
        <extracomment>At the foot of each printed page.</extracomment>
        <translation>page %1 sur %2</translation>
    </message>
    <message>
        <source>the report could not be laid out on the page</source>
        <extracomment>Why a PDF was not saved (after &quot;This report was not saved as ... (&quot;).</extracomment>
        <translation>le rapport n’a pas pu être mis en page</translation>
    </message>
</context>
</TS>
