<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>ReadingsChart</name>
    <message>
        <source>%1/%2, pulse %3</source>
        <extracomment>%1 systolic, %2 diastolic, %3 pulse</extracomment>
        <translation>%1/%2, pouls %3</translation>
    </message>
    <message numerus="yes">
        <source>%n days</source>
        <translation>
            <numerusform>%n jour</numerusform>
            <numerusform>%n jours</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n readings</source>
        <translation>
            <numerusform>%n mesure</numerusform>
            <numerusform>%n mesures</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 the day, %2 its values (&quot;128/84, pulse 71&quot;)</extracomment>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>%1, %2: average %3 (systolic %4, diastolic %5, pulse %6)</source>
        <extracomment>%1 the day, %2 how many readings, %3 their average values (&quot;128/84, pulse 71&quot;), %4 to %6 the lowest to highest systolic, diastolic and pulse values (&quot;120–135&quot;)</extracomment>
        <translation>%1, %2 : moyenne %3 (systolique %4, diastolique %5, pouls %6)</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>%1 how many days (&quot;30 days&quot;), %2 how many readings (&quot;45 readings&quot;)</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>135/85 home threshold</source>
        <extracomment>The chart&apos;s legend: the dashed lines of high blood pressure measured at home</extracomment>
        <translation>135/85 seuil à domicile</translation>
    </message>
    <message>
        <source>Your readings will appear here as a chart once you have entered them.</source>
        <translation>Vos mesures s&apos;afficheront ici sous forme de graphique dès que vous les aurez saisies.</translation>
    </message>
    <message>
        <source>Systolic</source>
        <extracomment>The chart&apos;s legend; keep it short</extracomment>
        <translation>Systolique</translation>
    </message>
    <message>
        <source>Diastolic</source>
        <translation>Diastolique</translation>
    </message>
    <message>
        <source>Pulse</source>
        <translation>Pouls</translation>
    </message>
    <message>
        <source>Readings chart</source>
        <translation>Graphique des mesures</translation>
    </message>
    <message>
        <source>%1 to %2 (%3)</source>
        <extracomment>A tooltip&apos;s first line: %1 first day, %2 last day, %3 how many days (and readings)</extracomment>
        <translation>%1 au %2 (%3)</translation>
    </message>
    <message>
        <source>Average %1</source>
        <extracomment>%1 the average values (&quot;128/84, pulse 71&quot;)</extracomment>
        <translation>Moyenne %1</translation>
    </message>
    <message>
        <source>Systolic %1, diastolic %2, pulse %3</source>
        <extracomment>Lowest to highest values (&quot;120–135&quot;)</extracomment>
        <translation>Systolique %1, diastolique %2, pouls %3</translation>
    </message>
    <message>
        <source>Readings chart: hidden, no readings to show.</source>
        <translation>Graphique des mesures : masqué, aucune mesure à afficher.</translation>
    </message>
    <message>
        <source>Readings chart: no readings yet.</source>
        <translation>Graphique des mesures : pas encore de mesures.</translation>
    </message>
    <message>
        <source>Readings chart: %1, %2.</source>
        <extracomment>%1 how many days (and readings), %2 the day</extracomment>
        <translation>Graphique des mesures : %1, %2.</translation>
    </message>
    <message>
        <source>Readings chart: %1 from %2 to %3.</source>
        <extracomment>%1 how many days (and readings), %2 the first day, %3 the last day</extracomment>
        <translation>Graphique des mesures : %1 du %2 au %3.</translation>
    </message>
    <message>
        <source>Latest %1.</source>
        <extracomment>%1 the latest day and its values</extracomment>
        <translation>Dernier jour, %1.</translation>
    </message>
    <message>
        <source>Last 7 days average %1/%2.</source>
        <extracomment>%1 systolic, %2 diastolic</extracomment>
        <translation>Moyenne des 7 derniers jours %1/%2.</translation>
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
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Question</translation>
    </message>
    <message>
        <source>Answers</source>
        <extracomment>A screen reader&apos;s name for the row of a message box&apos;s buttons</extracomment>
        <translation>Réponses</translation>
    </message>
    <message>
        <source>%1 has experienced a problem</source>
        <extracomment>%1 the program&apos;s name</extracomment>
        <translation>%1 a rencontré un problème</translation>
    </message>
    <message>
        <source>%1 has experienced an error : %2</source>
        <extracomment>%1 the program&apos;s name, %2 what went wrong</extracomment>
        <translation>%1 a rencontré une erreur : %2</translation>
    </message>
    <message>
        <source>%1 Warning</source>
        <extracomment>A message box&apos;s title; %1 the program&apos;s name</extracomment>
        <translation>%1 – Avertissement</translation>
    </message>
</context>
</TS>
