<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>ConflictCopies</name>
    <message>
        <source>the folder %1 cannot be made</source>
        <translation>no se puede crear la carpeta %1</translation>
    </message>
    <message>
        <source>too many earlier copies</source>
        <translation>demasiadas copias anteriores</translation>
    </message>
</context>
<context>
    <name>CsvDescriptions</name>
    <message>
        <source>fields separated by semicolons</source>
        <translation>campos separados por punto y coma</translation>
    </message>
    <message>
        <source>fields separated by tabs</source>
        <translation>campos separados por tabuladores</translation>
    </message>
    <message>
        <source>fields separated by commas</source>
        <translation>campos separados por comas</translation>
    </message>
    <message numerus="yes">
        <source>%n days</source>
        <translation>
            <numerusform>%n día</numerusform>
            <numerusform>%n días</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %n readings on %2 (%3, %4).</source>
        <extracomment>%1: the file&apos;s name, %2: &quot;on N days&quot;, %3: its encoding (&quot;UTF-8&quot;), %4: &quot;fields separated by commas&quot;</extracomment>
        <translation>
            <numerusform>%1: %n medición en %2 (%3, %4).</numerusform>
            <numerusform>%1: %n mediciones en %2 (%3, %4).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n days</source>
        <comment>after &quot;on&quot;</comment>
        <translation>
            <numerusform>%n día</numerusform>
            <numerusform>%n días</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n days have more than one reading; each is kept with its time.</source>
        <translation>
            <numerusform>%n día tiene más de una medición; cada una se guarda con su hora.</numerusform>
            <numerusform>%n días tienen más de una medición; cada una se guarda con su hora.</numerusform>
        </translation>
    </message>
    <message>
        <source>Columns left out: %1.</source>
        <translation>Columnas omitidas: %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n lines above the header row skipped.</source>
        <translation>
            <numerusform>%n línea sobre la fila de encabezado omitida.</numerusform>
            <numerusform>%n líneas sobre la fila de encabezado omitidas.</numerusform>
        </translation>
    </message>
    <message>
        <source>Added %1, filled in %2, replaced values of %3; %4 unchanged.</source>
        <extracomment>Each of %1 to %4 is a number of days (&quot;1 day&quot;, &quot;3 days&quot;)</extracomment>
        <translation>Días añadidos: %1; completados: %2; con valores sustituidos: %3; sin cambios: %4.</translation>
    </message>
    <message>
        <source>Would add %1, fill in %2, replace values of %3; %4 would stay unchanged.</source>
        <translation>Días que se añadirían: %1; que se completarían: %2; con valores que se sustituirían: %3; que quedarían sin cambios: %4.</translation>
    </message>
    <message numerus="yes">
        <source>%n days took readings of the file beside their own.</source>
        <translation>
            <numerusform>%n día ha recibido mediciones del archivo junto a las suyas.</numerusform>
            <numerusform>%n días han recibido mediciones del archivo junto a las suyas.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n days would take readings of the file beside their own.</source>
        <translation>
            <numerusform>%n día recibiría mediciones del archivo junto a las suyas.</numerusform>
            <numerusform>%n días recibirían mediciones del archivo junto a las suyas.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n days kept stored values where the file has others.</source>
        <translation>
            <numerusform>%n día ha conservado valores guardados donde el archivo tiene otros.</numerusform>
            <numerusform>%n días han conservado valores guardados donde el archivo tiene otros.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n days would keep stored values where the file has others.</source>
        <translation>
            <numerusform>%n día conservaría valores guardados donde el archivo tiene otros.</numerusform>
            <numerusform>%n días conservarían valores guardados donde el archivo tiene otros.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CsvExport</name>
    <message>
        <source>the bytes could not all be written</source>
        <translation>no se pudieron escribir todos los bytes</translation>
    </message>
</context>
<context>
    <name>CsvImport</name>
    <message>
        <source>no valid date</source>
        <translation>ninguna fecha válida</translation>
    </message>
    <message>
        <source>the diary holds at most %1 days; it has %2, and the file would add %3</source>
        <extracomment>%1: the most days a diary holds, %2: the days it has, %3: the days the file adds</extracomment>
        <translation>el diario admite como máximo %1 días; tiene %2 y el archivo añadiría %3</translation>
    </message>
    <message numerus="yes">
        <source>%1 would hold %n readings with those of the file; a day holds at most %2</source>
        <extracomment>%1: a date, %2: the most readings a day holds</extracomment>
        <translation>
            <numerusform>el %1 tendría %n medición con las del archivo; un día admite como máximo %2</numerusform>
            <numerusform>el %1 tendría %n mediciones con las del archivo; un día admite como máximo %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 has %n readings; a day holds at most %2</source>
        <extracomment>%1: a date, %2: the most readings a day holds</extracomment>
        <translation>
            <numerusform>el %1 tiene %n medición; un día admite como máximo %2</numerusform>
            <numerusform>el %1 tiene %n mediciones; un día admite como máximo %2</numerusform>
        </translation>
    </message>
    <message>
        <source>there is no list of readings to add to</source>
        <translation>no hay ninguna lista de mediciones que completar</translation>
    </message>
    <message>
        <source>the columns &quot;%1&quot; and &quot;%2&quot; both hold the systolic pressure</source>
        <extracomment>%1 and %2: the names of two columns of a CSV file</extracomment>
        <translation>las columnas «%1» y «%2» contienen ambas la presión sistólica</translation>
    </message>
    <message>
        <source>the columns &quot;%1&quot; and &quot;%2&quot; both hold the diastolic pressure</source>
        <translation>las columnas «%1» y «%2» contienen ambas la presión diastólica</translation>
    </message>
    <message>
        <source>the columns &quot;%1&quot; and &quot;%2&quot; both hold the pulse</source>
        <translation>las columnas «%1» y «%2» contienen ambas el pulso</translation>
    </message>
    <message>
        <source>the columns &quot;%1&quot; and &quot;%2&quot; both hold the comment</source>
        <translation>las columnas «%1» y «%2» contienen ambas el comentario</translation>
    </message>
    <message>
        <source>column %1</source>
        <translation>columna %1</translation>
    </message>
    <message>
        <source>the systolic pressure &quot;%1&quot; is negative</source>
        <translation>la presión sistólica «%1» es negativa</translation>
    </message>
    <message>
        <source>the systolic pressure &quot;%1&quot; is not a whole number</source>
        <translation>la presión sistólica «%1» no es un número entero</translation>
    </message>
    <message>
        <source>the systolic pressure &quot;%1&quot; is larger than 999</source>
        <translation>la presión sistólica «%1» es mayor que 999</translation>
    </message>
    <message>
        <source>the diastolic pressure &quot;%1&quot; is negative</source>
        <translation>la presión diastólica «%1» es negativa</translation>
    </message>
    <message>
        <source>the diastolic pressure &quot;%1&quot; is not a whole number</source>
        <translation>la presión diastólica «%1» no es un número entero</translation>
    </message>
    <message>
        <source>the diastolic pressure &quot;%1&quot; is larger than 999</source>
        <translation>la presión diastólica «%1» es mayor que 999</translation>
    </message>
    <message>
        <source>the pulse &quot;%1&quot; is negative</source>
        <translation>el pulso «%1» es negativo</translation>
    </message>
    <message>
        <source>the pulse &quot;%1&quot; is not a whole number</source>
        <translation>el pulso «%1» no es un número entero</translation>
    </message>
    <message>
        <source>the pulse &quot;%1&quot; is larger than 999</source>
        <translation>el pulso «%1» es mayor que 999</translation>
    </message>
    <message>
        <source>the comment is %1 characters long; a comment holds at most %2</source>
        <extracomment>%1: the comment&apos;s length, %2: the most a comment holds (both over 1000)</extracomment>
        <translation>el comentario tiene %1 caracteres; un comentario admite como máximo %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a time in milliseconds since 1970</source>
        <translation>«%1» no es una hora en milisegundos desde 1970</translation>
    </message>
    <message>
        <source>the row has a reading but no date</source>
        <translation>la fila tiene una medición pero no tiene fecha</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a date that can be read (it should read like 2026-12-08, 08.12.2026 or 08/12/2026)</source>
        <translation>«%1» no es una fecha legible (debería tener la forma 2026-12-08, 08.12.2026 o 08/12/2026)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a time of day</source>
        <translation>«%1» no es una hora del día</translation>
    </message>
    <message numerus="yes">
        <source>the row has %n fields, but the header names %1 columns</source>
        <extracomment>%1: how many columns the header row names (at least two)</extracomment>
        <translation>
            <numerusform>la fila tiene %n campo, pero el encabezado nombra %1 columnas</numerusform>
            <numerusform>la fila tiene %n campos, pero el encabezado nombra %1 columnas</numerusform>
        </translation>
    </message>
    <message>
        <source>the dates are in two orders: line %1 puts the day first (&quot;%2&quot;), line %3 the month (&quot;%4&quot;)</source>
        <translation>las fechas siguen dos órdenes: la línea %1 pone primero el día («%2»), la línea %3 el mes («%4»)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; can be read as %2 (day first) or as %3 (month first), and no date in the file tells which</source>
        <extracomment>%1: a date as the file gives it; %2 and %3: the two dates it can be</extracomment>
        <translation>«%1» puede leerse como %2 (primero el día) o como %3 (primero el mes), y ninguna fecha del archivo indica cuál</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a date of the calendar</source>
        <translation>«%1» no es una fecha del calendario</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a date of the calendar (read day first)</source>
        <translation>«%1» no es una fecha del calendario (leída con el día primero)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a date of the calendar (read month first)</source>
        <translation>«%1» no es una fecha del calendario (leída con el mes primero)</translation>
    </message>
    <message>
        <source>%1 is outside the years 1900 to 9999</source>
        <translation>%1 está fuera de los años 1900 a 9999</translation>
    </message>
    <message>
        <source>%1 could not be read (it is larger than %2 MB, far more than any diary holds)</source>
        <extracomment>%1: the file&apos;s name, %2: a number of megabytes</extracomment>
        <translation>no se pudo leer %1 (ocupa más de %2 MB, mucho más de lo que contiene cualquier diario)</translation>
    </message>
    <message>
        <source>%1 could not be read (%2)</source>
        <translation>no se pudo leer %1 (%2)</translation>
    </message>
    <message>
        <source>%1 could not be read (it is %2, not an ordinary file)</source>
        <extracomment>%2: what the file is (&quot;a folder&quot;, &quot;a named pipe&quot;)</extracomment>
        <translation>no se pudo leer %1 (es %2, no un archivo normal)</translation>
    </message>
    <message>
        <source>something else</source>
        <translation>otra cosa</translation>
    </message>
    <message>
        <source>%1 could not be opened (%2)</source>
        <translation>no se pudo abrir %1 (%2)</translation>
    </message>
    <message>
        <source>%1, line %2: %3</source>
        <translation>%1, línea %2: %3</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>%1: the file&apos;s name, %2: what is wrong</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>the file holds no readings (it is empty)</source>
        <translation>el archivo no contiene mediciones (está vacío)</translation>
    </message>
    <message>
        <source>no header row names the columns: the first line should read like &quot;date,systolic,diastolic,pulse,comment&quot;, and it reads &quot;%1&quot;</source>
        <translation>ninguna fila de encabezado nombra las columnas: la primera línea debería parecerse a «Fecha;Sistólica;Diastólica;Pulso;Comentario», y dice «%1»</translation>
    </message>
    <message>
        <source>field %1 opens a quote on line %2 that is never closed</source>
        <extracomment>%1: the field&apos;s number in its row, %2: a line number</extracomment>
        <translation>el campo %1 abre en la línea %2 unas comillas que nunca se cierran</translation>
    </message>
    <message>
        <source>field %1 has text after its closing quote</source>
        <translation>el campo %1 tiene texto después de las comillas de cierre</translation>
    </message>
</context>
<context>
    <name>DataFileLock</name>
    <message>
        <source>a named pipe (FIFO)</source>
        <translation>una tubería con nombre (FIFO)</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>una carpeta</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>un dispositivo</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>un socket</translation>
    </message>
    <message>
        <source>not an ordinary file</source>
        <translation>algo que no es un archivo normal</translation>
    </message>
    <message>
        <source>the folder of &quot;%1&quot; may not be written to</source>
        <translation>no se permite escribir en la carpeta de «%1»</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be written</source>
        <translation>no se pudo escribir «%1»</translation>
    </message>
    <message>
        <source>&quot;%1&quot; kept coming back</source>
        <translation>«%1» volvía a aparecer una y otra vez</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is %2, not a lock file</source>
        <extracomment>%2: what is there (&quot;a folder&quot;, &quot;a named pipe (FIFO)&quot;)</extracomment>
        <translation>«%1» es %2, no un archivo de bloqueo</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be replaced</source>
        <translation>no se pudo sustituir «%1»</translation>
    </message>
    <message>
        <source>The readings are open in Tensiolog on another computer (lock file &quot;%1&quot;).</source>
        <translation>Las mediciones están abiertas en Tensiolog en otro ordenador (archivo de bloqueo «%1»).</translation>
    </message>
    <message>
        <source>The readings are open in Tensiolog on another computer since %1 (lock file &quot;%2&quot;).</source>
        <extracomment>%1: a date and time</extracomment>
        <translation>Las mediciones están abiertas en Tensiolog en otro ordenador desde el %1 (archivo de bloqueo «%2»).</translation>
    </message>
    <message>
        <source>The readings are open in Tensiolog on the computer &quot;%1&quot; (lock file &quot;%2&quot;).</source>
        <extracomment>%1: the other computer&apos;s name</extracomment>
        <translation>Las mediciones están abiertas en Tensiolog en el ordenador «%1» (archivo de bloqueo «%2»).</translation>
    </message>
    <message>
        <source>The readings are open in Tensiolog on the computer &quot;%1&quot; since %2 (lock file &quot;%3&quot;).</source>
        <extracomment>%1: the other computer&apos;s name, %2: a date and time</extracomment>
        <translation>Las mediciones están abiertas en Tensiolog en el ordenador «%1» desde el %2 (archivo de bloqueo «%3»).</translation>
    </message>
</context>
<context>
    <name>DataFileSaver</name>
    <message>
        <source>there is no diary to save</source>
        <translation>no hay ningún diario que guardar</translation>
    </message>
    <message>
        <source>it is not an ordinary file</source>
        <translation>no es un archivo normal</translation>
    </message>
</context>
<context>
    <name>DiaryLoad</name>
    <message>
        <source>it holds no list of readings</source>
        <translation>no contiene ninguna lista de mediciones</translation>
    </message>
    <message>
        <source>it ends in the middle of its readings, as a file that was cut off does</source>
        <translation>termina en medio de sus mediciones, como un archivo cortado</translation>
    </message>
    <message>
        <source>it is damaged at line %1</source>
        <translation>está dañado en la línea %1</translation>
    </message>
    <message>
        <source>its contents could not be made out</source>
        <translation>no se pudo interpretar su contenido</translation>
    </message>
</context>
<context>
    <name>DocumentMerge</name>
    <message numerus="yes">
        <source>%1 and %n more</source>
        <extracomment>%1: three dates; %n: how many more days</extracomment>
        <translation>
            <numerusform>%1 y %n más</numerusform>
            <numerusform>%1 y %n más</numerusform>
        </translation>
    </message>
    <message>
        <source>the readings of %1 came from the other computer</source>
        <translation>las mediciones del %1 llegaron del otro ordenador</translation>
    </message>
    <message>
        <source>where a value was typed differently here and on the other computer (%1 on %2), yours is kept</source>
        <translation>donde un valor se escribió de forma distinta aquí y en el otro ordenador (%1 el %2), se conserva el suyo</translation>
    </message>
    <message>
        <source>where a value was typed differently here and on the other computer (%1 on %2), yours is kept and theirs is in &quot;%3&quot;</source>
        <translation>donde un valor se escribió de forma distinta aquí y en el otro ordenador (%1 el %2), se conserva el suyo y el otro está en «%3»</translation>
    </message>
    <message>
        <source>nothing new came from the other computer</source>
        <translation>no llegó nada nuevo del otro ordenador</translation>
    </message>
    <message>
        <source>the readings of %1 came from a change made to the file during the import</source>
        <translation>las mediciones del %1 llegaron de un cambio hecho en el archivo durante la importación</translation>
    </message>
    <message>
        <source>where a value was typed differently here and on a change made to the file during the import (%1 on %2), yours is kept</source>
        <translation>donde un valor se escribió de forma distinta aquí y en un cambio hecho en el archivo durante la importación (%1 el %2), se conserva el suyo</translation>
    </message>
    <message>
        <source>where a value was typed differently here and on a change made to the file during the import (%1 on %2), yours is kept and theirs is in &quot;%3&quot;</source>
        <translation>donde un valor se escribió de forma distinta aquí y en un cambio hecho en el archivo durante la importación (%1 el %2), se conserva el suyo y el otro está en «%3»</translation>
    </message>
    <message>
        <source>nothing new came from a change made to the file during the import</source>
        <translation>no llegó nada nuevo de un cambio hecho en el archivo durante la importación</translation>
    </message>
    <message>
        <source>the readings of %1 came from %2</source>
        <extracomment>%2: a file&apos;s name in quotes</extracomment>
        <translation>las mediciones del %1 llegaron de %2</translation>
    </message>
    <message>
        <source>where a value was typed differently here and on %3 (%1 on %2), yours is kept</source>
        <extracomment>%3: a file&apos;s name in quotes</extracomment>
        <translation>donde un valor se escribió de forma distinta aquí y en %3 (%1 el %2), se conserva el suyo</translation>
    </message>
    <message>
        <source>where a value was typed differently here and on %4 (%1 on %2), yours is kept and theirs is in &quot;%3&quot;</source>
        <extracomment>%4: a file&apos;s name in quotes</extracomment>
        <translation>donde un valor se escribió de forma distinta aquí y en %4 (%1 el %2), se conserva el suyo y el otro está en «%3»</translation>
    </message>
    <message>
        <source>nothing new came from %1</source>
        <extracomment>%1: a file&apos;s name in quotes</extracomment>
        <translation>no llegó nada nuevo de %1</translation>
    </message>
    <message numerus="yes">
        <source>%n values</source>
        <comment>typed differently</comment>
        <extracomment>How many values were typed differently</extracomment>
        <translation>
            <numerusform>un valor</numerusform>
            <numerusform>%n valores</numerusform>
        </translation>
    </message>
    <message>
        <source>%1; %2</source>
        <extracomment>Two parts of one sentence</extracomment>
        <translation>%1; %2</translation>
    </message>
</context>
<context>
    <name>PressureColours</name>
    <message>
        <source>red</source>
        <translation>rojo</translation>
    </message>
    <message>
        <source>green</source>
        <translation>verde</translation>
    </message>
    <message>
        <source>orange</source>
        <translation>naranja</translation>
    </message>
    <message>
        <source>black</source>
        <translation>negro</translation>
    </message>
</context>
<context>
    <name>SafeFile</name>
    <message>
        <source>it is not an ordinary file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>only %1 of %2 bytes reached the disk</source>
        <extracomment>%1 and %2: numbers of bytes</extracomment>
        <translation>solo %1 de %2 bytes llegaron al disco</translation>
    </message>
    <message>
        <source>%1 was saved, but its folder could not be synced to disk (%2): a power cut soon may undo the save</source>
        <extracomment>%1: a file, %2: the system&apos;s reason</extracomment>
        <translation>%1 se guardó, pero su carpeta no se pudo sincronizar con el disco (%2): un corte de luz inminente podría deshacer el guardado</translation>
    </message>
    <message>
        <source>another program changed the file during the save, and its version could not be put back (%1); it is kept as %2</source>
        <extracomment>%1: the system&apos;s reason, %2: a file</extracomment>
        <translation>otro programa cambió el archivo durante el guardado y su versión no se pudo restablecer (%1); se conserva como %2</translation>
    </message>
    <message>
        <source>too many earlier copies</source>
        <translation>demasiadas copias anteriores</translation>
    </message>
</context>
<context>
    <name>modFiles</name>
    <message>
        <source>&quot;%1&quot; is a file, not a folder</source>
        <translation>«%1» es un archivo, no una carpeta</translation>
    </message>
    <message>
        <source>no folder may be made in &quot;%1&quot;</source>
        <translation>no se permite crear carpetas en «%1»</translation>
    </message>
    <message>
        <source>it could not be made</source>
        <translation>no se pudo crear</translation>
    </message>
    <message>
        <source>the system names no folder for application data</source>
        <translation>el sistema no indica ninguna carpeta para datos de aplicaciones</translation>
    </message>
</context>
<context>
    <name>modGlobals</name>
    <message>
        <source>there is no diary to save</source>
        <translation>no hay ningún diario que guardar</translation>
    </message>
    <message>
        <source>the diary could not be written out</source>
        <translation>no se pudo escribir el diario</translation>
    </message>
    <message>
        <source>The diary has reached the largest size this version can hold (%1 days).</source>
        <extracomment>%1: the most days a diary holds (32,767)</extracomment>
        <translation>El diario ha alcanzado el tamaño máximo que admite esta versión (%1 días).</translation>
    </message>
</context>
</TS>
