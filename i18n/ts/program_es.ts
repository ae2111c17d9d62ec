<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
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
        <translation>Free Tensiolog, un diario de presión arterial. Sin opciones, abre su ventana.

Con un archivo CSV (tlg mediciones.csv, como hace «Abrir con» de un gestor de archivos), abre la ventana y pregunta si debe importar las mediciones del archivo, igual que al soltar el archivo sobre la ventana; un archivo cuyo nombre no termina en .csv, o que no se puede leer, se rechaza con un mensaje y nada cambia.

Con --export-csv, --export-pdf o --import-csv no necesita pantalla: trabaja con el archivo de mediciones de la carpeta de datos del usuario y termina. Se niega mientras la ventana está abierta con las mismas mediciones.

--export-pdf escribe el informe exactamente como «Guardar como PDF...» en la ventana del informe (gráfico, resumen, una línea por medición, en el papel de la impresora predeterminada), para todos los días o para los días de --from a --to; el archivo solo se reemplaza cuando está completo.

Los archivos CSV están en UTF-8, con la fila de encabezado date,time,systolic,diastolic,pulse,comment y una fila por medición (2026-12-08,07:05,120,80,72,Walked; la hora queda vacía en un día con una sola medición). Una importación también lee punto y coma o tabuladores como separadores, otros nombres de columna (sys, dia, heart rate, bpm, note, ...; también en alemán, francés y español; los demás se omiten), valores con unidades (134 mmHg, 72 bpm), fechas como 08.12.2026 o 08/12/2026, una hora después de la fecha y milisegundos desde 1970; cada fila es una medición con su hora, como máximo 12 al día. Los días que faltan en el diario se añaden; en un día que ya tiene, una medición del archivo se une a la guardada de la misma hora y rellena sus valores vacíos (o todos con --replace), y una que no se une a ninguna se añade. Un archivo con alguna línea que no se puede leer no cambia nada. Una importación lee un archivo normal o la entrada estándar de 64 MB como máximo. Una exportación pone una &apos; delante de un campo que una hoja de cálculo tomaría por una fórmula (que empieza por =, +, -, @); la importación de esa exportación la quita de nuevo.

Estado de salida: 0 hecho; 1 fallo, con el motivo en la salida de error estándar; 2 el programa está abierto con las mismas mediciones (aquí o en otro ordenador: véase --ignore-other-computer-lock).</translation>
    </message>
    <message>
        <source>warning: %1</source>
        <extracomment>%1: what went wrong (a sentence).</extracomment>
        <translation>aviso: %1</translation>
    </message>
    <message>
        <source>%1. Nothing was imported.</source>
        <extracomment>%1: the file, the line and what is wrong with it (a sentence without its full stop).</extracomment>
        <translation>%1. No se importó nada.</translation>
    </message>
    <message>
        <source>%1; nothing was imported.</source>
        <extracomment>%1: the file and why it could not be read (no full stop).</extracomment>
        <translation>%1; no se importó nada.</translation>
    </message>
    <message>
        <source>Tensiolog is open on these readings (%1; lock file %2). Close its window, then try again.</source>
        <extracomment>%1: the readings file, %2: its lock file.</extracomment>
        <translation>Tensiolog está abierto con estas mediciones (%1; archivo de bloqueo %2). Cierre su ventana y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>%1 If it is no longer running there, give --%2.</source>
        <extracomment>%1: which computer has the readings open (a sentence), %2: the option&apos;s name.</extracomment>
        <translation>%1 Si ya no está en marcha allí, indique --%2.</translation>
    </message>
    <message>
        <source>%1; going on without a lock. Move it away unless you know what it is.</source>
        <extracomment>%1: what lies where the lock file should be.</extracomment>
        <translation>%1; se continúa sin bloqueo. Muévalo a otro sitio, salvo que sepa qué es.</translation>
    </message>
    <message>
        <source>the readings file %1 could not be read (%2). Start Tensiolog to see what can be saved of it; nothing was done.</source>
        <extracomment>%1: the readings file, %2: why it could not be read.</extracomment>
        <translation>no se pudo leer el archivo de mediciones %1 (%2). Inicie Tensiolog para ver qué se puede salvar de él; no se hizo nada.</translation>
    </message>
    <message>
        <source>--delimiter takes &quot;,&quot;, &quot;;&quot; or &quot;tab&quot;, not &quot;%1&quot;</source>
        <extracomment>&quot;tab&quot; is the value as given on the command line; keep it.</extracomment>
        <translation>--delimiter admite &quot;,&quot;, &quot;;&quot; o &quot;tab&quot;, no &quot;%1&quot;</translation>
    </message>
    <message>
        <source>--%1 takes a day such as 2026-12-08, not &quot;%2&quot;</source>
        <extracomment>%1: the option&apos;s name (from, to), %2: what was given. The day is written as the command line takes it (year-month-day).</extracomment>
        <translation>--%1 admite un día como 2026-12-08, no &quot;%2&quot;</translation>
    </message>
    <message>
        <source>--from must not come after --to</source>
        <translation>--from no debe ser posterior a --to</translation>
    </message>
    <message>
        <source>the readings could not be written to standard output (%1)</source>
        <extracomment>%1: why not.</extracomment>
        <translation>no se pudieron escribir las mediciones en la salida estándar (%1)</translation>
    </message>
    <message numerus="yes">
        <source>%n days written to standard output.</source>
        <translation>
            <numerusform>%n día escrito en la salida estándar.</numerusform>
            <numerusform>%n días escritos en la salida estándar.</numerusform>
        </translation>
    </message>
    <message>
        <source>the readings could not be written to %1 (%2)</source>
        <extracomment>%1: the file, %2: why not.</extracomment>
        <translation>no se pudieron escribir las mediciones en %1 (%2)</translation>
    </message>
    <message numerus="yes">
        <source>%n days written to %1.</source>
        <extracomment>%1: the file written.</extracomment>
        <translation>
            <numerusform>%n día escrito en %1.</numerusform>
            <numerusform>%n días escritos en %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>--export-pdf writes to a file; give its name.</source>
        <translation>--export-pdf escribe en un archivo; indique su nombre.</translation>
    </message>
    <message>
        <source>the report cannot be drawn in this run.</source>
        <translation>el informe no se puede dibujar en esta ejecución.</translation>
    </message>
    <message>
        <source>the report could not be written to %1 (%2)</source>
        <extracomment>%1: the file, %2: why not.</extracomment>
        <translation>no se pudo escribir el informe en %1 (%2)</translation>
    </message>
    <message>
        <source>The report (%1) written to %2.</source>
        <extracomment>%1: the days the report covers (as its title names them), %2: the file written.</extracomment>
        <translation>El informe (%1) se escribió en %2.</translation>
    </message>
    <message>
        <source>--date-order takes dmy (day first) or mdy (month first), not &quot;%1&quot;</source>
        <extracomment>dmy and mdy are the values as given on the command line; keep them.</extracomment>
        <translation>--date-order admite dmy (día primero) o mdy (mes primero), no &quot;%1&quot;</translation>
    </message>
    <message>
        <source>the readings could not be saved to %1 (%2); the file is as it was and nothing was imported.</source>
        <extracomment>%1: the readings file, %2: why not.</extracomment>
        <translation>no se pudieron guardar las mediciones en %1 (%2); el archivo está como estaba y no se importó nada.</translation>
    </message>
    <message>
        <source>the readings file %1 was changed by another program during the import. It was left as it is; the diary with the import was saved beside it as %2.</source>
        <extracomment>%1: the readings file, %2: the copy saved beside it.</extracomment>
        <translation>otro programa cambió el archivo de mediciones %1 durante la importación. Se dejó como está; el diario con la importación se guardó junto a él como %2.</translation>
    </message>
    <message>
        <source>Saved to %1.</source>
        <translation>Guardado en %1.</translation>
    </message>
    <message>
        <source>standard input</source>
        <extracomment>Where the readings come from, in messages such as &quot;standard input, line 3: ...&quot;.</extracomment>
        <translation>entrada estándar</translation>
    </message>
    <message>
        <source>%1. Nothing was imported. Say which with --date-order dmy (day first) or --date-order mdy (month first).</source>
        <extracomment>%1: the file, the line and what is wrong with it (a sentence without its full stop).</extracomment>
        <translation>%1. No se importó nada. Indique cuál con --date-order dmy (día primero) o --date-order mdy (mes primero).</translation>
    </message>
    <message>
        <source>Dry run: nothing was changed.</source>
        <translation>Simulación: no se cambió nada.</translation>
    </message>
    <message>
        <source>Nothing to change.</source>
        <translation>Nada que cambiar.</translation>
    </message>
    <message>
        <source>file</source>
        <extracomment>The name of an option&apos;s value, shown as &lt;file&gt; in tlg --help; one word, no spaces.</extracomment>
        <translation>archivo</translation>
    </message>
    <message>
        <source>day</source>
        <extracomment>The name of an option&apos;s value, shown as &lt;day&gt; in tlg --help; one word, no spaces.</extracomment>
        <translation>día</translation>
    </message>
    <message>
        <source>Writes every reading to &lt;file&gt; as CSV (&quot;-&quot;: standard output) and ends.</source>
        <extracomment>&lt;file&gt;: keep it as the name of the value is translated.</extracomment>
        <translation>Escribe todas las mediciones como CSV en &lt;archivo&gt; (&quot;-&quot;: salida estándar) y termina.</translation>
    </message>
    <message>
        <source>Writes the report to &lt;file&gt; as PDF, as &quot;Save as PDF...&quot; does, and ends.</source>
        <extracomment>&quot;Save as PDF...&quot;: the button of the report window.</extracomment>
        <translation>Escribe el informe como PDF en &lt;archivo&gt;, igual que «Guardar como PDF...», y termina.</translation>
    </message>
    <message>
        <source>Adds the readings of the CSV &lt;file&gt; (&quot;-&quot;: standard input) to the diary and ends.</source>
        <translation>Añade al diario las mediciones del archivo CSV &lt;archivo&gt; (&quot;-&quot;: entrada estándar) y termina.</translation>
    </message>
    <message>
        <source>Export: the field separator, &quot;,&quot; (the default), &quot;;&quot; (for spreadsheets that write decimal commas) or &quot;tab&quot;.</source>
        <extracomment>&quot;Export:&quot; and &quot;Import:&quot; begin each option that belongs to one of them; &quot;tab&quot; is the value as given on the command line.</extracomment>
        <translation>Exportación: el separador de campos, &quot;,&quot; (el predeterminado), &quot;;&quot; (para hojas de cálculo que escriben comas decimales) o &quot;tab&quot;.</translation>
    </message>
    <message>
        <source>separator</source>
        <extracomment>The name of an option&apos;s value, shown as &lt;separator&gt; in tlg --help; one word.</extracomment>
        <translation>separador</translation>
    </message>
    <message>
        <source>Export (CSV or PDF): the first day written (2026-01-31).</source>
        <translation>Exportación (CSV o PDF): el primer día que se escribe (2026-01-31).</translation>
    </message>
    <message>
        <source>Export (CSV or PDF): the last day written.</source>
        <translation>Exportación (CSV o PDF): el último día que se escribe.</translation>
    </message>
    <message>
        <source>Import: read dates such as 03/04/2026 day first (dmy) or month first (mdy); needed only when no date in the file tells.</source>
        <extracomment>dmy and mdy are the values as given on the command line; keep them.</extracomment>
        <translation>Importación: leer fechas como 03/04/2026 con el día primero (dmy) o el mes primero (mdy); solo hace falta cuando ninguna fecha del archivo lo aclara.</translation>
    </message>
    <message>
        <source>order</source>
        <extracomment>The name of an option&apos;s value, shown as &lt;order&gt; in tlg --help; one word.</extracomment>
        <translation>orden</translation>
    </message>
    <message>
        <source>Import: the file&apos;s values replace stored ones (without it, only empty ones are filled in).</source>
        <translation>Importación: los valores del archivo reemplazan los guardados (sin esta opción, solo se rellenan los vacíos).</translation>
    </message>
    <message>
        <source>Import: tell what would change, and change nothing.</source>
        <translation>Importación: indicar qué cambiaría, sin cambiar nada.</translation>
    </message>
    <message>
        <source>Opens the readings although Tensiolog on another computer has them open (a copied or synchronised data folder). Give it only when it no longer runs there.</source>
        <translation>Abre las mediciones aunque Tensiolog las tenga abiertas en otro ordenador (una carpeta de datos copiada o sincronizada). Use esta opción solo si allí ya no está en marcha.</translation>
    </message>
    <message>
        <source>give one of --export-csv, --export-pdf and --import-csv, not more.</source>
        <translation>indique solo una de --export-csv, --export-pdf y --import-csv.</translation>
    </message>
    <message>
        <source>nothing to do: give --export-csv, --export-pdf or --import-csv. See tlg --help.</source>
        <translation>nada que hacer: indique --export-csv, --export-pdf o --import-csv. Véase tlg --help.</translation>
    </message>
    <message>
        <source>--%1 belongs to --%2.</source>
        <extracomment>%1: an option&apos;s name, %2 (and %3): the actions it belongs to (export-csv ...).</extracomment>
        <translation>--%1 solo se usa con --%2.</translation>
    </message>
    <message>
        <source>--%1 belongs to --%2 and --%3.</source>
        <translation>--%1 solo se usa con --%2 y --%3.</translation>
    </message>
    <message>
        <source>Opens the window and asks whether to import this CSV file.</source>
        <translation>Abre la ventana y pregunta si se debe importar este archivo CSV.</translation>
    </message>
    <message>
        <source>%1
See tlg --help.</source>
        <extracomment>%1: what is wrong with the command line (Qt&apos;s own words).</extracomment>
        <translation>%1
Véase tlg --help.</translation>
    </message>
    <message>
        <source>unexpected &quot;%1&quot;. See tlg --help.</source>
        <extracomment>%1: an argument the command line does not take.</extracomment>
        <translation>argumento &quot;%1&quot; inesperado. Véase tlg --help.</translation>
    </message>
</context>
<context>
    <name>CopyOffer</name>
    <message>
        <source>&quot;%1&quot; is no diary Tensiolog can read; it was left as it is.</source>
        <extracomment>%1: a file beside the diary.</extracomment>
        <translation>«%1» no es un diario que Tensiolog pueda leer; se dejó como está.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;</source>
        <extracomment>Where readings came from, in sentences such as &quot;the readings of 2 days came from %1&quot;: a file&apos;s name in quotation marks.</extracomment>
        <translation>«%1»</translation>
    </message>
    <message>
        <source>%1 It could not be moved aside (%2).</source>
        <extracomment>%1: what was merged from the copy (sentences), %2: why the copy could not be moved.</extracomment>
        <translation>%1 No se pudo apartar la copia (%2).</translation>
    </message>
    <message>
        <source>%1 (left by %2)</source>
        <extracomment>%1: a copy&apos;s file name, %2: the program or computer that left it.</extracomment>
        <translation>%1 (dejada por %2)</translation>
    </message>
    <message numerus="yes">
        <source>Beside your diary there are %n copies of it, left when two computers saved at once:

%1

Merge their readings into the diary? Readings the diary lacks are added; where a copy holds a different value, the diary keeps its own and the copy stays where it is. Each merged copy is moved into &quot;%2&quot;, never deleted.</source>
        <extracomment>%1: the copies&apos; names, one a line, %2: the folder merged copies are moved into.</extracomment>
        <translation>
            <numerusform>Junto a su diario hay una copia de él, que quedó cuando dos ordenadores guardaron a la vez:

%1

¿Combinar las mediciones de la copia con el diario? Las mediciones que faltan en el diario se añaden; donde la copia tiene un valor distinto, el diario conserva el suyo y la copia se queda donde está. Una copia combinada se mueve a «%2» y nunca se borra.</numerusform>
            <numerusform>Junto a su diario hay %n copias de él, que quedaron cuando dos ordenadores guardaron a la vez:

%1

¿Combinar las mediciones de las copias con el diario? Las mediciones que faltan en el diario se añaden; donde una copia tiene un valor distinto, el diario conserva el suyo y la copia se queda donde está. Cada copia combinada se mueve a «%2» y nunca se borra.</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Merge</source>
        <translation>&amp;Combinar</translation>
    </message>
    <message>
        <source>&amp;Not now</source>
        <translation>&amp;Ahora no</translation>
    </message>
</context>
<context>
    <name>modMain</name>
    <message>
        <source>%1 has experienced a problem</source>
        <extracomment>%1: the program&apos;s name (Free Tensiolog).</extracomment>
        <translation>%1 ha tenido un problema</translation>
    </message>
    <message numerus="yes">
        <source>The %Ln days read before the damaged part are shown, and they will be saved together with what you enter now.</source>
        <translation>
            <numerusform>Se muestra el día leído antes de la parte dañada, y se guardará junto con lo que introduzca ahora.</numerusform>
            <numerusform>Se muestran los %Ln días leídos antes de la parte dañada, y se guardarán junto con lo que introduzca ahora.</numerusform>
        </translation>
    </message>
    <message>
        <source>No readings could be read from it, so the diary starts empty.</source>
        <translation>No se pudo leer ninguna medición, así que el diario empieza vacío.</translation>
    </message>
    <message>
        <source>The readings file &quot;%1&quot; is damaged and could not be read completely (%2).

A copy of it as it was has been kept as &quot;%3&quot;.

%4</source>
        <extracomment>%1: the readings file, %2: what is wrong with it, %3: the copy kept, %4: what is shown of it (a sentence).</extracomment>
        <translation>El archivo de mediciones «%1» está dañado y no se pudo leer por completo (%2).

Se ha guardado una copia del archivo tal como estaba, con el nombre «%3».

%4</translation>
    </message>
    <message numerus="yes">
        <source>%1

&quot;%2&quot; holds more days than that, so only the first %Ln days are shown, and only they will be saved in it.

A copy of the whole file has been kept as &quot;%3&quot;.</source>
        <extracomment>%1: how many days the diary holds at most (sentences), %2: the readings file, %3: the copy kept of it.</extracomment>
        <translation>
            <numerusform>%1

«%2» contiene más días, así que solo se muestra el primer día, y solo ese se guardará en él.

Se ha guardado una copia del archivo entero como «%3».</numerusform>
            <numerusform>%1

«%2» contiene más días, así que solo se muestran los primeros %Ln días, y solo ellos se guardarán en él.

Se ha guardado una copia del archivo entero como «%3».</numerusform>
        </translation>
    </message>
    <message>
        <source>The readings are kept in &quot;%1&quot;: %2.</source>
        <extracomment>%1: the readings file, %2: why it is there.</extracomment>
        <translation>Las mediciones se guardan en «%1»: %2.</translation>
    </message>
    <message>
        <source>The data folder &quot;%1&quot; could not be made (%2), so the readings are kept in &quot;%3&quot;.</source>
        <extracomment>%1: the folder, %2: why it could not be made, %3: the readings file used instead.</extracomment>
        <translation>No se pudo crear la carpeta de datos «%1» (%2), así que las mediciones se guardan en «%3».</translation>
    </message>
    <message>
        <source>The readings file &quot;%1&quot; was changed by another program while Tensiolog was running. It was left as it is, and the readings of this session were saved beside it as &quot;%2&quot;; later changes of this session are saved there too.</source>
        <extracomment>%1: the readings file, %2: the copy saved beside it.</extracomment>
        <translation>Otro programa cambió el archivo de mediciones «%1» mientras Tensiolog estaba en marcha. Se dejó como está, y las mediciones de esta sesión se guardaron junto a él como «%2»; los cambios posteriores de esta sesión también se guardan allí.</translation>
    </message>
    <message>
        <source>The readings could not be saved to &quot;%1&quot; (%2).

Tensiolog keeps trying while it runs; if it still cannot save them when you close it, you can try again then.</source>
        <extracomment>%1: the readings file, %2: why not.</extracomment>
        <translation>No se pudieron guardar las mediciones en «%1» (%2).

Tensiolog lo sigue intentando mientras está en marcha; si al cerrarlo todavía no puede guardarlas, podrá intentarlo de nuevo entonces.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds the readings as they were when they were last saved, at %2.</source>
        <extracomment>%1: the readings file, %2: a time (today) or a date and time.</extracomment>
        <translation>«%1» contiene las mediciones tal como estaban cuando se guardaron por última vez (%2).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; still holds the readings as they were when the program started.</source>
        <translation>«%1» todavía contiene las mediciones tal como estaban cuando se inició el programa.</translation>
    </message>
    <message>
        <source>There is no file &quot;%1&quot; now.</source>
        <translation>Ahora no hay ningún archivo «%1».</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds what another program wrote into it, which was left as it is.</source>
        <translation>«%1» contiene lo que otro programa escribió en él, que se dejó como está.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be read now (%2).</source>
        <extracomment>%1: the readings file, %2: why not.</extracomment>
        <translation>«%1» no se puede leer ahora (%2).</translation>
    </message>
    <message>
        <source>%1

If Tensiolog is no longer running there, you can open the diary here. If it is, two copies would be changing the same readings: close it there first.</source>
        <extracomment>%1: which computer has the readings open (a sentence).</extracomment>
        <translation>%1

Si Tensiolog ya no está en marcha allí, puede abrir el diario aquí. Si lo está, dos copias cambiarían las mismas mediciones: ciérrelo allí primero.</translation>
    </message>
    <message>
        <source>&amp;Open anyway</source>
        <translation>&amp;Abrir de todos modos</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Tensiolog cannot keep a second copy of itself away from your readings: %1.

If you do not know what it is, move it away or delete it, and Tensiolog makes its own lock file at the next start. The diary opens now without one; if another copy changes the readings meanwhile, neither overwrites the other.</source>
        <extracomment>%1: what lies where the lock file should be.</extracomment>
        <translation>Tensiolog no puede mantener una segunda copia de sí mismo lejos de sus mediciones: %1.

Si no sabe qué es, muévalo o bórrelo, y Tensiolog creará su propio archivo de bloqueo en el próximo inicio. El diario se abre ahora sin él; si otra copia cambia las mediciones mientras tanto, ninguna sobrescribe a la otra.</translation>
    </message>
    <message>
        <source>Tensiolog is already running.

Please use the window that is already open, or wait until an import or export from the command line has finished: this second one ends now and leaves your readings as they are.

The readings are locked by &quot;%1&quot;.</source>
        <extracomment>%1: the lock file.</extracomment>
        <translation>Tensiolog ya está en marcha.

Use la ventana que ya está abierta, o espere a que termine una importación o exportación en la línea de órdenes: este segundo Tensiolog termina ahora y deja sus mediciones como están.

Las mediciones están bloqueadas por «%1».</translation>
    </message>
    <message>
        <source>the readings file &quot;%1&quot; could not be read (%2). The program ends and leaves the file as it is.</source>
        <extracomment>%1: the readings file, %2: why not.</extracomment>
        <translation>no se pudo leer el archivo de mediciones «%1» (%2). El programa termina y deja el archivo como está.</translation>
    </message>
    <message>
        <source>the readings file &quot;%1&quot; could not be read completely, and no copy of it could be kept (%2). The program ends and leaves the file as it is.</source>
        <extracomment>%1: the readings file, %2: why no copy could be kept.</extracomment>
        <translation>no se pudo leer por completo el archivo de mediciones «%1», y no se pudo guardar ninguna copia (%2). El programa termina y deja el archivo como está.</translation>
    </message>
    <message numerus="yes">
        <source>Nothing was imported: %n files were given, and Tensiolog imports one CSV file at a time.</source>
        <translation>
            <numerusform>No se importó nada: se indicó %n archivo, y Tensiolog importa un archivo CSV cada vez.</numerusform>
            <numerusform>No se importó nada: se indicaron %n archivos, y Tensiolog importa un solo archivo CSV cada vez.</numerusform>
        </translation>
    </message>
    <message>
        <source>unknown reason</source>
        <translation>motivo desconocido</translation>
    </message>
    <message>
        <source>The readings of the session that ended on %1 could not be saved to &quot;%2&quot; (%3). %4</source>
        <extracomment>%1: a date and time, %2: the readings file, %3: why not, %4: what the file holds now (a sentence).</extracomment>
        <translation>Las mediciones de la sesión que terminó el %1 no se pudieron guardar en «%2» (%3). %4</translation>
    </message>
    <message>
        <source>%1 has experienced an error : the readings could not be saved to &quot;%2&quot; (%3).

Press Retry to try again, or Cancel to end without saving them.</source>
        <extracomment>%1: the program&apos;s name (Free Tensiolog), %2: the readings file, %3: why not. Retry and Cancel: the box&apos;s buttons as Qt names them in this language.</extracomment>
        <translation>%1 ha tenido un error: no se pudieron guardar las mediciones en «%2» (%3).

Pulse «Reintentar» para volver a intentarlo, o «Cancelar» para terminar sin guardarlas.</translation>
    </message>
    <message>
        <source>The latest readings were not saved. %1</source>
        <extracomment>%1: what the file holds now (a sentence).</extracomment>
        <translation>Las últimas mediciones no se guardaron. %1</translation>
    </message>
    <message>
        <source>there is no such file</source>
        <translation>no existe ese archivo</translation>
    </message>
    <message>
        <source>an unexpected error</source>
        <translation>un error inesperado</translation>
    </message>
</context>
</TS>
