<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>ReportComposer</name>
    <message>
        <source>Average, %1: %2/%3, pulse %4</source>
        <extracomment>%1: which days (&quot;whole period&quot;), %2/%3: systolic/diastolic average, %4: pulse.</extracomment>
        <translation>Promedio, %1: %2/%3, pulso %4</translation>
    </message>
    <message>
        <source>Average, %1: %2/%3</source>
        <extracomment>%1: which days (&quot;whole period&quot;), %2/%3: systolic/diastolic average.</extracomment>
        <translation>Promedio, %1: %2/%3</translation>
    </message>
    <message>
        <source>up to %1</source>
        <extracomment>A pressure range of the colour key: this value and all below it.</extracomment>
        <translation>hasta %1</translation>
    </message>
    <message>
        <source>from %1</source>
        <extracomment>A pressure range of the colour key: this value and all above it.</extracomment>
        <translation>desde %1</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <extracomment>Two pressure ranges of one colour: &quot;up to 99 or from 150&quot;.</extracomment>
        <translation>%1 o %2</translation>
    </message>
    <message>
        <source>Home measurement week: none in these readings. It needs at least %1 consecutive days with morning (before noon) and evening readings; no day here has both.</source>
        <extracomment>%1: the fewest days the week needs (3).</extracomment>
        <translation>Semana de automedición: ninguna en estas lecturas. Se necesitan al menos %1 días seguidos con lecturas por la mañana (antes del mediodía) y por la noche; aquí ningún día tiene ambas.</translation>
    </message>
    <message numerus="yes">
        <source>Home measurement week: none in these readings. It needs at least %1 consecutive days with morning (before noon) and evening readings; the longest run here is %n day(s).</source>
        <extracomment>%1: the fewest days the week needs (3); %n: the longest run of such days.</extracomment>
        <translation>
            <numerusform>Semana de automedición: ninguna en estas lecturas. Se necesitan al menos %1 días seguidos con lecturas por la mañana (antes del mediodía) y por la noche; la serie más larga aquí es de %n día.</numerusform>
            <numerusform>Semana de automedición: ninguna en estas lecturas. Se necesitan al menos %1 días seguidos con lecturas por la mañana (antes del mediodía) y por la noche; la serie más larga aquí es de %n días.</numerusform>
        </translation>
    </message>
    <message>
        <source>Home measurement week %1 to %2, first day left out: %3 days, %4 readings</source>
        <extracomment>%1 and %2: the week&apos;s first and last day; %3: days counted (2 or more); %4: readings.</extracomment>
        <translation>Semana de automedición del %1 al %2, sin el primer día: %3 días, %4 lecturas</translation>
    </message>
    <message>
        <source>Home measurement mean %1 (morning %2, evening %3): at or above %4</source>
        <extracomment>%1: the mean (systolic/diastolic), %2: morning mean, %3: evening mean, %4: the threshold (135/85).</extracomment>
        <translation>Media de automedición %1 (mañana %2, noche %3): igual o superior a %4</translation>
    </message>
    <message>
        <source>Home measurement mean %1 (morning %2, evening %3): below %4</source>
        <extracomment>%1: the mean (systolic/diastolic), %2: morning mean, %3: evening mean, %4: the threshold (135/85).</extracomment>
        <translation>Media de automedición %1 (mañana %2, noche %3): inferior a %4</translation>
    </message>
    <message>
        <source>%1: no days with both pressures</source>
        <extracomment>%1: the period (&quot;All readings&quot;, &quot;1 Sep 2026 to 8 Dec 2026&quot;).</extracomment>
        <translation>%1: ningún día con los dos valores de presión</translation>
    </message>
    <message>
        <source>%1: systolic %2 and diastolic %3</source>
        <extracomment>A line of the colour key. %1: the colour&apos;s name (shown in that colour), %2 and %3: the systolic and the diastolic ranges (&quot;100-129&quot;, &quot;up to 99 or from 150&quot;).</extracomment>
        <translation>%1: sistólica %2 y diastólica %3</translation>
    </message>
    <message>
        <source>whole period</source>
        <extracomment>Which days an average is taken over.</extracomment>
        <translation>todo el período</translation>
    </message>
    <message numerus="yes">
        <source>last %n day(s) with readings</source>
        <extracomment>Which days an average is taken over: the latest %n days that hold readings.</extracomment>
        <translation>
            <numerusform>último %n día con lecturas</numerusform>
            <numerusform>últimos %n días con lecturas</numerusform>
        </translation>
    </message>
    <message>
        <source>Days at or above %1 (home measurement threshold, ESH 2023): %2 of %3</source>
        <extracomment>%1: the threshold (135/85); %2 of %3: days at or above it, of all days.</extracomment>
        <translation>Días en %1 o más (umbral de automedición, ESH 2023): %2 de %3</translation>
    </message>
    <message>
        <source>Pressures in mmHg, pulse in beats per minute</source>
        <translation>Presión en mmHg, pulso en latidos por minuto</translation>
    </message>
    <message>
        <source>Each pressure is coloured by its own range:</source>
        <translation>Cada valor se colorea según su propio rango:</translation>
    </message>
    <message>
        <source>All readings</source>
        <extracomment>The report&apos;s period when it is not limited to some days.</extracomment>
        <translation>Todas las lecturas</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <extracomment>The report&apos;s period: its first and its last day.</extracomment>
        <translation>%1 – %2</translation>
    </message>
    <message>
        <source>no time</source>
        <extracomment>In place of a reading&apos;s time of day, when it has none (the date column: keep short).</extracomment>
        <translation>sin hora</translation>
    </message>
    <message>
        <source>YOUR READINGS</source>
        <extracomment>The heading above the day lines.</extracomment>
        <translation>SUS LECTURAS</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n day(s) with both pressures, %2 readings</source>
        <extracomment>%1: the period; %n: days; %2: readings (always more than the days).</extracomment>
        <translation>
            <numerusform>%1: %n día con los dos valores de presión, %2 lecturas</numerusform>
            <numerusform>%1: %n días con los dos valores de presión, %2 lecturas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %n day(s) with both pressures</source>
        <extracomment>%1: the period; %n: days.</extracomment>
        <translation>
            <numerusform>%1: %n día con los dos valores de presión</numerusform>
            <numerusform>%1: %n días con los dos valores de presión</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RichTextBox</name>
    <message>
        <source>Picture</source>
        <extracomment>What a screen reader says for a picture that has no words of its own.</extracomment>
        <translation>Imagen</translation>
    </message>
</context>
<context>
    <name>frmReport</name>
    <message>
        <source>Tensiolog Report</source>
        <translation>Informe de Tensiolog</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Informe</translation>
    </message>
    <message>
        <source>Save as PDF…</source>
        <translation>Guardar como PDF…</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <extracomment>The &quot;Save as PDF…&quot; button&apos;s name for screen readers.</extracomment>
        <translation>Guardar como PDF</translation>
    </message>
    <message>
        <source>&amp;Period:</source>
        <extracomment>The accelerator (&amp;) must differ from the window&apos;s other ones (C of Export CSV).</extracomment>
        <translation>&amp;Periodo:</translation>
    </message>
    <message>
        <source>All readings</source>
        <translation>Todas las lecturas</translation>
    </message>
    <message numerus="yes">
        <source>Last %n day(s)</source>
        <translation>
            <numerusform>Último %n día</numerusform>
            <numerusform>Últimos %n días</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Last %n month(s)</source>
        <translation>
            <numerusform>Último %n mes</numerusform>
            <numerusform>Últimos %n meses</numerusform>
        </translation>
    </message>
    <message>
        <source>From … to …</source>
        <extracomment>The period choice whose first and last day are picked beside it.</extracomment>
        <translation>Del … al …</translation>
    </message>
    <message>
        <source>Report period</source>
        <translation>Periodo del informe</translation>
    </message>
    <message>
        <source>Report from</source>
        <extracomment>Screen reader&apos;s name of the period&apos;s first day.</extracomment>
        <translation>Informe desde</translation>
    </message>
    <message>
        <source>Report to</source>
        <extracomment>Screen reader&apos;s name of the period&apos;s last day.</extracomment>
        <translation>Informe hasta</translation>
    </message>
    <message>
        <source>Tensiolog report, %1</source>
        <extracomment>The printed document&apos;s title. %1: the period (&quot;1 Sep 2026 to 8 Dec 2026&quot;).</extracomment>
        <translation>Informe de Tensiolog, %1</translation>
    </message>
    <message>
        <source>%1, printed %2</source>
        <extracomment>The foot of each printed page. %1: the document&apos;s title, %2: the day it is printed.</extracomment>
        <translation>%1, impreso el %2</translation>
    </message>
    <message>
        <source>Tensiolog, blood pressure diary</source>
        <extracomment>What a screen reader says in place of the report&apos;s header picture.</extracomment>
        <translation>Tensiolog, diario de presión</translation>
    </message>
    <message>
        <source>This report was not printed. This was due to you either cancelling the printing or the printer being offline.</source>
        <translation>Este informe no se ha impreso: se canceló la impresión o la impresora no está disponible.</translation>
    </message>
    <message>
        <source>This report has been sent to your default printer (%1).</source>
        <extracomment>%1: the printer&apos;s name.</extracomment>
        <translation>Este informe se ha enviado a su impresora predeterminada (%1).</translation>
    </message>
    <message>
        <source>Tensiolog report %1.pdf</source>
        <extracomment>The file name proposed for the PDF. %1: today as 2027-03-07 (keep that form).</extracomment>
        <translation>Informe Tensiolog %1.pdf</translation>
    </message>
    <message>
        <source>Save the report as PDF</source>
        <translation>Guardar el informe como PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <extracomment>The file type of the save dialog: keep &quot;(*.pdf)&quot; as it is.</extracomment>
        <translation>Archivos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>This report has been saved as %1.</source>
        <extracomment>%1: the file&apos;s path.</extracomment>
        <translation>Este informe se ha guardado como %1.</translation>
    </message>
    <message>
        <source>This report was not saved as %1 (%2).</source>
        <extracomment>%1: the file&apos;s path, %2: the reason.</extracomment>
        <translation>Este informe no se ha guardado como %1 (%2).</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>error desconocido</translation>
    </message>
    <message>
        <source>Export &amp;CSV…</source>
        <extracomment>The accelerator (&amp;) must differ from the window&apos;s other ones (P of Period).</extracomment>
        <translation>Exportar &amp;CSV…</translation>
    </message>
    <message>
        <source>Export CSV…</source>
        <extracomment>The &quot;Export CSV…&quot; button&apos;s name for screen readers.</extracomment>
        <translation>Exportar CSV…</translation>
    </message>
    <message>
        <source>Saves the readings as a CSV file for a spreadsheet</source>
        <translation>Guarda las lecturas en un archivo CSV para una hoja de cálculo</translation>
    </message>
    <message>
        <source>Save the readings as a CSV file for a spreadsheet</source>
        <translation>Guardar las lecturas en un archivo CSV para una hoja de cálculo</translation>
    </message>
    <message>
        <source>Tensiolog readings %1.csv</source>
        <extracomment>The file name proposed for the CSV export. %1: today as 2027-03-07 (keep that form).</extracomment>
        <translation>Lecturas Tensiolog %1.csv</translation>
    </message>
    <message>
        <source>Export the readings as CSV</source>
        <translation>Exportar las lecturas como CSV</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <extracomment>The file type of the save dialog: keep &quot;(*.csv)&quot; as it is.</extracomment>
        <translation>Archivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <extracomment>A message&apos;s title.</extracomment>
        <translation>Exportar CSV</translation>
    </message>
    <message numerus="yes">
        <source>%n day(s) have been exported to %1.</source>
        <extracomment>%n: the days exported, %1: the file&apos;s path.</extracomment>
        <translation>
            <numerusform>Se ha exportado %n día a %1.</numerusform>
            <numerusform>Se han exportado %n días a %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 Warning</source>
        <extracomment>A message&apos;s title. %1: the program&apos;s name.</extracomment>
        <translation>%1 – Advertencia</translation>
    </message>
    <message>
        <source>The readings were not exported to %1 (%2).</source>
        <extracomment>%1: the file&apos;s path, %2: the reason.</extracomment>
        <translation>Las lecturas no se han exportado a %1 (%2).</translation>
    </message>
    <message>
        <source>blood pressure diary</source>
        <extracomment>The words after &quot;Tensiolog&quot; on the report&apos;s header picture (at most 20 letters).</extracomment>
        <translation>diario de presión</translation>
    </message>
</context>
<context>
    <name>modPrint</name>
    <message>
        <source>Tensiolog report</source>
        <translation>Informe de Tensiolog</translation>
    </message>
    <message>
        <source>page %1 of %2</source>
        <extracomment>At the foot of each printed page.</extracomment>
        <translation>página %1 de %2</translation>
    </message>
    <message>
        <source>the report could not be laid out on the page</source>
        <extracomment>Why a PDF was not saved (after &quot;This report was not saved as ... (&quot;).</extracomment>
        <translation>el informe no se pudo maquetar en la página</translation>
    </message>
</context>
</TS>
