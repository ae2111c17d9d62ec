<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>frmWelcome</name>
    <message>
        <source>your blood pressure diary</source>
        <translation>su diario de presión arterial</translation>
    </message>
    <message>
        <source>Welcome to Tensiolog</source>
        <translation>Bienvenido a Tensiolog</translation>
    </message>
    <message>
        <source>Tensiolog keeps a simple diary of your blood pressure. Pick a day on the calendar, type in your systolic and diastolic pressure and your pulse, and add a short note about your day. The chart shows how your readings change over time, and the report prints them all for your doctor. Everything you enter is saved on this computer as soon as you type it.</source>
        <translation>Tensiolog lleva un diario sencillo de su presión arterial. Elija un día en el calendario, escriba su presión sistólica y diastólica y su pulso, y añada una breve nota sobre su día. El gráfico muestra cómo cambian sus lecturas, y el informe las imprime todas para su médico. Todo lo que escribe se guarda al momento en este ordenador.</translation>
    </message>
    <message>
        <source>Taking your blood pressure at home</source>
        <translation>Cómo medir su presión arterial en casa</translation>
    </message>
    <message>
        <source>Rest first.</source>
        <translation>Descanse.</translation>
    </message>
    <message>
        <source>Sit quietly for five minutes, back supported, feet flat, legs uncrossed.</source>
        <translation>Cinco minutos sentado, espalda apoyada, pies planos, piernas sin cruzar.</translation>
    </message>
    <message>
        <source>Arm at heart level.</source>
        <translation>Brazo a la altura del corazón.</translation>
    </message>
    <message>
        <source>Rest your arm on a table, the cuff level with your heart.</source>
        <translation>Apóyelo en una mesa, con el manguito a esa altura.</translation>
    </message>
    <message>
        <source>Bare arm, right cuff.</source>
        <translation>Brazo desnudo, manguito adecuado.</translation>
    </message>
    <message>
        <source>Put the cuff on bare skin, never over a sleeve.</source>
        <translation>El manguito sobre la piel, nunca sobre la manga.</translation>
    </message>
    <message>
        <source>Wait 30 minutes</source>
        <extracomment>The bold start of a sentence that goes on with "after coffee, smoking, ...".</extracomment>
        <translation>Espere 30 minutos</translation>
    </message>
    <message>
        <source>after coffee, smoking, exercise or a meal; empty your bladder.</source>
        <translation>tras café, tabaco, ejercicio o comida; vacíe la vejiga.</translation>
    </message>
    <message>
        <source>Keep still and quiet.</source>
        <translation>Quieto y en silencio.</translation>
    </message>
    <message>
        <source>Do not talk or move while the monitor measures.</source>
        <translation>No hable ni se mueva mientras el aparato mide.</translation>
    </message>
    <message>
        <source>Take two readings</source>
        <extracomment>The bold start of a sentence that goes on with "one minute apart ...".</extracomment>
        <translation>Tome dos lecturas</translation>
    </message>
    <message>
        <source>one minute apart and write down both, or their average.</source>
        <translation>con un minuto de intervalo y anote ambas, o su promedio.</translation>
    </message>
    <message>
        <source>Same time every day,</source>
        <extracomment>The bold start of a sentence that goes on with "for example in the morning ...".</extracomment>
        <translation>A la misma hora cada día,</translation>
    </message>
    <message>
        <source>for example in the morning before any medicine.</source>
        <translation>por ejemplo, por la mañana antes de cualquier medicamento.</translation>
    </message>
    <message>
        <source>Share your diary</source>
        <extracomment>The bold start of a sentence that goes on with "with your doctor, who knows ...".</extracomment>
        <translation>Comparta su diario</translation>
    </message>
    <message>
        <source>with your doctor, who knows what your numbers mean for you.</source>
        <translation>con su médico, que sabe lo que sus cifras significan para usted.</translation>
    </message>
    <message>
        <source>See a doctor at once</source>
        <extracomment>The bold start of a sentence that goes on with "if a reading is 180/120 or higher ...".</extracomment>
        <translation>Acuda de inmediato al médico</translation>
    </message>
    <message>
        <source>if a reading is 180/120 or higher, or if you have chest pain, shortness of breath, weakness, or trouble seeing or speaking. A diary never replaces your doctor.</source>
        <translation>si una lectura es de 180/120 o más, o si tiene dolor en el pecho, falta de aire, debilidad o dificultad para ver o hablar. Un diario nunca sustituye a su médico.</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>The button at the window's foot (about 12 letters at most).</extracomment>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Close the Tensiolog</source>
        <extracomment>The tooltip of the close mark at the window's top right.</extracomment>
        <translation>Cerrar Tensiolog</translation>
    </message>
    <message>
        <source>Close the welcome window</source>
        <translation>Cerrar la ventana de bienvenida</translation>
    </message>
</context>
</TS>