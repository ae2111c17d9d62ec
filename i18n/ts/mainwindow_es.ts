<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>Artwork</name>
    <message>
        <source>your blood pressure diary</source>
        <extracomment>The window&apos;s heading, after the program&apos;s name; small room</extracomment>
        <translation>su diario de presión arterial</translation>
    </message>
    <message>
        <source>free blood pressure diary</source>
        <extracomment>The window&apos;s foot, after the web address; small room</extracomment>
        <translation>diario de presión libre</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>A button; small room</extracomment>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>View report</source>
        <extracomment>A button; small room</extracomment>
        <translation>Ver informe</translation>
    </message>
</context>
<context>
    <name>CalendarGridAccessible</name>
    <message>
        <source>Week %1</source>
        <extracomment>A screen reader&apos;s name of a row of the calendar; %1 the week&apos;s number in the year</extracomment>
        <translation>Semana %1</translation>
    </message>
</context>
<context>
    <name>ConflictPicker</name>
    <message>
        <source>(empty)</source>
        <extracomment>An empty value, as the choice between two values shows it</extracomment>
        <translation>(vacío)</translation>
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
        <translation>%1, medición %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>%1 the day (and reading), %2 which value (&quot;systolic&quot;)</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>time</source>
        <extracomment>The values of a reading, as a title names them (&quot;1 Dec 2026, systolic&quot;)</extracomment>
        <translation>hora</translation>
    </message>
    <message>
        <source>systolic</source>
        <translation>sistólica</translation>
    </message>
    <message>
        <source>diastolic</source>
        <translation>diastólica</translation>
    </message>
    <message>
        <source>pulse</source>
        <translation>pulso</translation>
    </message>
    <message>
        <source>comment</source>
        <translation>comentario</translation>
    </message>
    <message>
        <source>Values typed differently on two computers</source>
        <translation>Valores introducidos de forma distinta en dos ordenadores</translation>
    </message>
    <message>
        <source>These values were typed differently here and on the other computer. Pick the one to keep for each; the other computer&apos;s diary stays in &quot;%1&quot;.</source>
        <translation>Estos valores se introdujeron de forma distinta aquí y en el otro ordenador. Elija cuál conservar en cada caso; el diario del otro ordenador queda en «%1».</translation>
    </message>
    <message>
        <source>Here</source>
        <translation>Aquí</translation>
    </message>
    <message>
        <source>On the other computer</source>
        <translation>En el otro ordenador</translation>
    </message>
    <message>
        <source>&amp;Keep the picked values</source>
        <translation>&amp;Conservar los valores elegidos</translation>
    </message>
    <message>
        <source>&amp;Decide later</source>
        <translation>&amp;Decidir más tarde</translation>
    </message>
</context>
<context>
    <name>CsvImport</name>
    <message>
        <source>Nothing was imported. %1</source>
        <extracomment>%1 the reason</extracomment>
        <translation>No se ha importado nada. %1</translation>
    </message>
    <message>
        <source>%1 is not a CSV file (its name does not end in .csv).</source>
        <extracomment>%1 the file&apos;s name</extracomment>
        <translation>%1 no es un archivo CSV (su nombre no termina en .csv).</translation>
    </message>
    <message>
        <source>The command tlg --import-csv with --date-order dmy (day first) or mdy (month first) reads such a file.</source>
        <extracomment>Keep the command and its options as they are: they are typed as written</extracomment>
        <translation>La orden tlg --import-csv con --date-order dmy (día primero) o mdy (mes primero) lee un archivo así.</translation>
    </message>
    <message>
        <source>Import Readings</source>
        <translation>Importar mediciones</translation>
    </message>
    <message>
        <source>Nothing to import: the diary already holds the readings of this file.

%1</source>
        <extracomment>%1 what the file holds</extracomment>
        <translation>Nada que importar: el diario ya contiene las mediciones de este archivo.

%1</translation>
    </message>
    <message>
        <source>%1 will be added to the diary and %2 changed (empty values filled in).

%3

Import these readings?</source>
        <extracomment>%1 how many days are added (&quot;3 days&quot;), %2 how many are changed, %3 what the file holds</extracomment>
        <translation>Se añadirán al diario: %1; se cambiarán: %2 (se completan los valores vacíos).

%3

¿Importar estas mediciones?</translation>
    </message>
    <message numerus="yes">
        <source>%n days</source>
        <translation>
            <numerusform>%n día</numerusform>
            <numerusform>%n días</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DiaryReload</name>
    <message>
        <source>Click to close</source>
        <translation>Haga clic para cerrar</translation>
    </message>
</context>
<context>
    <name>ReadingSwitcher</name>
    <message>
        <source>Not a time: type it as 07:05 or 19:30 (24 hours). The reading keeps its last time until then.</source>
        <translation>No es una hora: escríbala como 07:05 o 19:30 (24 horas). Hasta entonces la medición conserva su última hora.</translation>
    </message>
    <message>
        <source>+ Reading</source>
        <extracomment>A small button under the pulse box that adds a reading; keep it very short</extracomment>
        <translation>+ Medición</translation>
    </message>
    <message>
        <source>Previous reading</source>
        <translation>Medición anterior</translation>
    </message>
    <message>
        <source>Show the day&apos;s previous reading (%1)</source>
        <extracomment>%1 the key that does it</extracomment>
        <translation>Mostrar la medición anterior del día (%1)</translation>
    </message>
    <message>
        <source>Next reading</source>
        <translation>Medición siguiente</translation>
    </message>
    <message>
        <source>Show the day&apos;s next reading (%1)</source>
        <extracomment>%1 the key that does it</extracomment>
        <translation>Mostrar la medición siguiente del día (%1)</translation>
    </message>
    <message>
        <source>Add a reading</source>
        <translation>Añadir una medición</translation>
    </message>
    <message>
        <source>Add another reading to this day, with its time (%1)</source>
        <extracomment>%1 the key that does it</extracomment>
        <translation>Añadir otra medición a este día, con su hora (%1)</translation>
    </message>
    <message>
        <source>Remove this reading</source>
        <translation>Quitar esta medición</translation>
    </message>
    <message>
        <source>Remove the reading shown from this day (%1)</source>
        <extracomment>%1 the key that does it</extracomment>
        <translation>Quitar de este día la medición mostrada (%1)</translation>
    </message>
    <message>
        <source>Readings of this day</source>
        <translation>Mediciones de este día</translation>
    </message>
    <message>
        <source>Time of this reading</source>
        <translation>Hora de esta medición</translation>
    </message>
    <message>
        <source>The time of day this reading was taken, as 07:05 (24 hours).</source>
        <translation>La hora de esta medición, como 07:05 (24 horas).</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>Which of the day&apos;s readings is shown (&quot;1 of 2&quot;); keep it very short</extracomment>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>Reading %1 of %2</source>
        <extracomment>A screen reader&apos;s name of the position: the reading shown of how many</extracomment>
        <translation>Medición %1 de %2</translation>
    </message>
    <message>
        <source>%1. Reading %2 of %3 is shown.</source>
        <extracomment>%1 the button&apos;s tip, %2 the reading shown, %3 of how many</extracomment>
        <translation>%1. Se muestra la medición %2 de %3.</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>[This comment is %1 characters long, longer than the %2 this box takes. It is kept whole in the diary; only its beginning is shown here, and it cannot be changed in this window.]</source>
        <extracomment>%1 the comment&apos;s length, %2 the most the box takes (numbers of characters)</extracomment>
        <translation>[Este comentario tiene %1 caracteres, más que los %2 que admite este cuadro. Se conserva entero en el diario; aquí solo se muestra su comienzo y no se puede cambiar en esta ventana.]</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>%1 the weekday (&quot;Monday&quot;), %2 the date (&quot;7 December 2026&quot;)</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Not a number: it is stored as typed but not counted in the chart or the report.</source>
        <translation>No es un número: se guarda tal como está escrito, pero no cuenta en el gráfico ni en el informe.</translation>
    </message>
    <message>
        <source>Calendar: the day of the readings</source>
        <translation>Calendario: el día de las mediciones</translation>
    </message>
    <message>
        <source>Close the Tensiolog now</source>
        <translation>Cerrar Tensiolog ahora</translation>
    </message>
    <message>
        <source>Close Tensiolog</source>
        <translation>Cerrar Tensiolog</translation>
    </message>
    <message>
        <source>View the detailed report of your readings.</source>
        <translation>Ver el informe detallado de sus mediciones.</translation>
    </message>
    <message>
        <source>View report</source>
        <translation>Ver el informe</translation>
    </message>
    <message>
        <source>Please enter a short comment on what you did on this day</source>
        <translation>Escriba un breve comentario sobre lo que hizo este día</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>Please enter your pulse measurement for this day.</source>
        <translation>Introduzca su pulso de este día.</translation>
    </message>
    <message>
        <source>Pulse, beats per minute</source>
        <translation>Pulso, latidos por minuto</translation>
    </message>
    <message>
        <source>Close the Tensiolog</source>
        <translation>Cerrar Tensiolog</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Please enter your Systolic pressure measurement for this day. The Systolic is the higher of the two pressure readings. </source>
        <translation>Introduzca su presión sistólica de este día. La sistólica es la más alta de las dos presiones. </translation>
    </message>
    <message>
        <source>Systolic pressure, mmHg</source>
        <translation>Presión sistólica, mmHg</translation>
    </message>
    <message>
        <source>Please enter your Diastolic pressure measurement for this day. The Diastolic is the lower of the two pressure readings.</source>
        <translation>Introduzca su presión diastólica de este día. La diastólica es la más baja de las dos presiones.</translation>
    </message>
    <message>
        <source>Diastolic pressure, mmHg</source>
        <translation>Presión diastólica, mmHg</translation>
    </message>
    <message>
        <source>Reset data and start again</source>
        <translation>Borrar todo y empezar de nuevo</translation>
    </message>
    <message>
        <source>Click here to remove all the readings you have supplied so far.</source>
        <translation>Haga clic aquí para borrar todas las mediciones introducidas hasta ahora.</translation>
    </message>
    <message>
        <source>Health Warning</source>
        <translation>Aviso de salud</translation>
    </message>
    <message>
        <source>Blood Pressure Information and Tips</source>
        <translation>Presión arterial: consejos</translation>
    </message>
    <message>
        <source>Find our more about blood pressure and taking your own readings</source>
        <translation>Más información sobre la presión arterial y cómo medirla usted mismo</translation>
    </message>
    <message>
        <source>The graph below illustrates the readings you have entered. To see a detailed report click on the button below.</source>
        <translation>El gráfico de abajo muestra sus mediciones. Para ver un informe detallado, pulse el botón de abajo.</translation>
    </message>
    <message>
        <source>Please select the day when you took the readings, enter the reading values and add a short comment about what you did on that day. </source>
        <translation>Elija el día de la medición, introduzca los valores y añada un breve comentario sobre lo que hizo ese día. </translation>
    </message>
    <message>
        <source>Go to the Corvalen Website</source>
        <translation>Ir al sitio web de Corvalen</translation>
    </message>
    <message>
        <source>Tensiolog web site, www.tensiolog.org</source>
        <translation>Sitio web de Tensiolog, www.tensiolog.org</translation>
    </message>
    <message>
        <source>Pulse</source>
        <translation>Pulso</translation>
    </message>
    <message>
        <source>Systolic</source>
        <translation>Sistólica</translation>
    </message>
    <message>
        <source>Diastolic</source>
        <translation>Diastólica</translation>
    </message>
    <message>
        <source>Previous month</source>
        <translation>Mes anterior</translation>
    </message>
    <message>
        <source>Next month</source>
        <translation>Mes siguiente</translation>
    </message>
    <message>
        <source>an unexpected error occurred</source>
        <translation>se produjo un error inesperado</translation>
    </message>
    <message>
        <source>Reading %1 of %2.</source>
        <extracomment>Said with each entry box on a day of several readings: the reading shown of how many</extracomment>
        <translation>Medición %1 de %2.</translation>
    </message>
    <message>
        <source>Reading %1 of %2, taken at %3.</source>
        <extracomment>%3 the reading&apos;s time (&quot;07:05&quot;)</extracomment>
        <translation>Medición %1 de %2, tomada a las %3.</translation>
    </message>
    <message numerus="yes">
        <source>This day holds %n readings, the most one day takes. Nothing was added.</source>
        <translation>
            <numerusform>Este día ya tiene %n medición, el máximo por día. No se ha añadido nada.</numerusform>
            <numerusform>Este día ya tiene %n mediciones, el máximo por día. No se ha añadido nada.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1/%2, pulse %3</source>
        <extracomment>%1 systolic, %2 diastolic, %3 pulse</extracomment>
        <translation>%1/%2, pulso %3</translation>
    </message>
    <message>
        <source>%1/%2, pulse %3, with its comment</source>
        <translation>%1/%2, pulso %3, con su comentario</translation>
    </message>
    <message>
        <source>Remove the reading %1 on %2 (%3)? It is taken out of the diary.</source>
        <extracomment>%1 the reading&apos;s number, %2 the day, %3 its values</extracomment>
        <translation>¿Quitar la medición %1 del %2 (%3)? Se borra del diario.</translation>
    </message>
    <message>
        <source>Remove the reading taken at %1 on %2 (%3)? It is taken out of the diary.</source>
        <extracomment>%1 the reading&apos;s time (&quot;07:05&quot;), %2 the day, %3 its values</extracomment>
        <translation>¿Quitar la medición tomada a las %1 el %2 (%3)? Se borra del diario.</translation>
    </message>
    <message>
        <source>Remove Reading</source>
        <translation>Quitar medición</translation>
    </message>
    <message>
        <source>No new day can be added; the days it holds can still be changed.</source>
        <translation>No se puede añadir ningún día nuevo; los días que contiene aún se pueden cambiar.</translation>
    </message>
    <message>
        <source>The diary is full: this day cannot be added to it.</source>
        <extracomment>Shown in the comment box; keep it short</extracomment>
        <translation>El diario está lleno: no se puede añadir este día.</translation>
    </message>
    <message>
        <source>Selected day: %1</source>
        <extracomment>%1 the day (&quot;Monday 7 December 2026&quot;)</extracomment>
        <translation>Día elegido: %1</translation>
    </message>
    <message>
        <source>Days of %1 %2</source>
        <extracomment>A screen reader&apos;s name of the calendar&apos;s grid; %1 the month&apos;s name, %2 the year</extracomment>
        <translation>Días de %1 de %2</translation>
    </message>
    <message>
        <source>Reset Data Confirmation</source>
        <translation>Confirmar el borrado</translation>
    </message>
    <message>
        <source>You are about to remove all the readings you have entered so far. Are you sure?</source>
        <translation>Está a punto de borrar todas las mediciones introducidas hasta ahora. ¿Está seguro?</translation>
    </message>
    <message>
        <source>Warning Disclaimer</source>
        <translation>Aviso legal</translation>
    </message>
    <message>
        <source>The information provided by this software should not be used as a basis for diagnosis or treament which can only be provided by a qualified medical practitioner. You should consult your doctor or an appropriate health professional for specific personal advice if you have any concerns about your health.</source>
        <translation>La información que ofrece este programa no debe servir de base para un diagnóstico o tratamiento, que solo puede dar un médico cualificado. Si le preocupa su salud, consulte a su médico o a otro profesional sanitario para recibir consejo personal.</translation>
    </message>
</context>
</TS>
