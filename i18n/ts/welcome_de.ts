<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>frmWelcome</name>
    <message>
        <source>your blood pressure diary</source>
        <translation>Ihr Blutdrucktagebuch</translation>
    </message>
    <message>
        <source>Welcome to Tensiolog</source>
        <translation>Willkommen bei Tensiolog</translation>
    </message>
    <message>
        <source>Tensiolog keeps a simple diary of your blood pressure. Pick a day on the calendar, type in your systolic and diastolic pressure and your pulse, and add a short note about your day. The chart shows how your readings change over time, and the report prints them all for your doctor. Everything you enter is saved on this computer as soon as you type it.</source>
        <translation>Tensiolog führt ein einfaches Tagebuch Ihres Blutdrucks. Wählen Sie einen Tag im Kalender, geben Sie den systolischen und diastolischen Blutdruck und den Puls ein, und notieren Sie kurz etwas zu Ihrem Tag. Das Diagramm zeigt den Verlauf Ihrer Werte, und der Bericht druckt sie alle für Ihren Arzt. Alles, was Sie eingeben, wird sofort auf diesem Computer gespeichert.</translation>
    </message>
    <message>
        <source>Taking your blood pressure at home</source>
        <translation>Blutdruck zu Hause richtig messen</translation>
    </message>
    <message>
        <source>Rest first.</source>
        <translation>Erst ausruhen.</translation>
    </message>
    <message>
        <source>Sit quietly for five minutes, back supported, feet flat, legs uncrossed.</source>
        <translation>Fünf Minuten sitzen, Rücken angelehnt, Füße flach, Beine nicht gekreuzt.</translation>
    </message>
    <message>
        <source>Arm at heart level.</source>
        <translation>Arm auf Herzhöhe.</translation>
    </message>
    <message>
        <source>Rest your arm on a table, the cuff level with your heart.</source>
        <translation>Arm auf den Tisch legen, die Manschette auf Herzhöhe.</translation>
    </message>
    <message>
        <source>Bare arm, right cuff.</source>
        <translation>Freier Arm, passende Manschette.</translation>
    </message>
    <message>
        <source>Put the cuff on bare skin, never over a sleeve.</source>
        <translation>Manschette auf die Haut, nie über den Ärmel.</translation>
    </message>
    <message>
        <source>Wait 30 minutes</source>
        <extracomment>The bold start of a sentence that goes on with "after coffee, smoking, ...".</extracomment>
        <translation>30 Minuten warten</translation>
    </message>
    <message>
        <source>after coffee, smoking, exercise or a meal; empty your bladder.</source>
        <translation>nach Kaffee, Rauchen, Sport oder Essen; vorher zur Toilette gehen.</translation>
    </message>
    <message>
        <source>Keep still and quiet.</source>
        <translation>Still und ruhig bleiben.</translation>
    </message>
    <message>
        <source>Do not talk or move while the monitor measures.</source>
        <translation>Während der Messung nicht sprechen oder bewegen.</translation>
    </message>
    <message>
        <source>Take two readings</source>
        <extracomment>The bold start of a sentence that goes on with "one minute apart ...".</extracomment>
        <translation>Zweimal messen,</translation>
    </message>
    <message>
        <source>one minute apart and write down both, or their average.</source>
        <translation>eine Minute Abstand; beide Werte oder den Mittelwert notieren.</translation>
    </message>
    <message>
        <source>Same time every day,</source>
        <extracomment>The bold start of a sentence that goes on with "for example in the morning ...".</extracomment>
        <translation>Jeden Tag zur gleichen Zeit,</translation>
    </message>
    <message>
        <source>for example in the morning before any medicine.</source>
        <translation>zum Beispiel morgens vor den Medikamenten.</translation>
    </message>
    <message>
        <source>Share your diary</source>
        <extracomment>The bold start of a sentence that goes on with "with your doctor, who knows ...".</extracomment>
        <translation>Zeigen Sie Ihr Tagebuch</translation>
    </message>
    <message>
        <source>with your doctor, who knows what your numbers mean for you.</source>
        <translation>Ihrem Arzt; er weiß, was Ihre Werte für Sie bedeuten.</translation>
    </message>
    <message>
        <source>See a doctor at once</source>
        <extracomment>The bold start of a sentence that goes on with "if a reading is 180/120 or higher ...".</extracomment>
        <translation>Gehen Sie sofort zum Arzt,</translation>
    </message>
    <message>
        <source>if a reading is 180/120 or higher, or if you have chest pain, shortness of breath, weakness, or trouble seeing or speaking. A diary never replaces your doctor.</source>
        <translation>wenn ein Wert 180/120 oder höher ist oder bei Brustschmerzen, Atemnot, Schwäche, Seh- oder Sprachstörungen. Ein Tagebuch ersetzt nie Ihren Arzt.</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>The button at the window's foot (about 12 letters at most).</extracomment>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Close the Tensiolog</source>
        <extracomment>The tooltip of the close mark at the window's top right.</extracomment>
        <translation>Tensiolog schließen</translation>
    </message>
    <message>
        <source>Close the welcome window</source>
        <translation>Begrüßungsfenster schließen</translation>
    </message>
</context>
</TS>