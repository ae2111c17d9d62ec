<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>frmWelcome</name>
    <message>
        <source>your blood pressure diary</source>
        <translation>votre journal de tension artérielle</translation>
    </message>
    <message>
        <source>Welcome to Tensiolog</source>
        <translation>Bienvenue dans Tensiolog</translation>
    </message>
    <message>
        <source>Tensiolog keeps a simple diary of your blood pressure. Pick a day on the calendar, type in your systolic and diastolic pressure and your pulse, and add a short note about your day. The chart shows how your readings change over time, and the report prints them all for your doctor. Everything you enter is saved on this computer as soon as you type it.</source>
        <translation>Tensiolog tient un journal simple de votre tension artérielle. Choisissez un jour dans le calendrier, saisissez votre tension systolique et diastolique et votre pouls, et ajoutez une courte note sur votre journée. Le graphique montre l’évolution de vos mesures, et le rapport les imprime toutes pour votre médecin. Tout ce que vous saisissez est aussitôt enregistré sur cet ordinateur.</translation>
    </message>
    <message>
        <source>Taking your blood pressure at home</source>
        <translation>Bien mesurer sa tension à domicile</translation>
    </message>
    <message>
        <source>Rest first.</source>
        <translation>Reposez-vous.</translation>
    </message>
    <message>
        <source>Sit quietly for five minutes, back supported, feet flat, legs uncrossed.</source>
        <translation>Cinq minutes assis au calme, dos appuyé, pieds à plat, jambes non croisées.</translation>
    </message>
    <message>
        <source>Arm at heart level.</source>
        <translation>Bras à hauteur du cœur.</translation>
    </message>
    <message>
        <source>Rest your arm on a table, the cuff level with your heart.</source>
        <translation>Posez le bras sur une table, le brassard au niveau du cœur.</translation>
    </message>
    <message>
        <source>Bare arm, right cuff.</source>
        <translation>Bras nu, bon brassard.</translation>
    </message>
    <message>
        <source>Put the cuff on bare skin, never over a sleeve.</source>
        <translation>Brassard sur la peau, jamais sur une manche.</translation>
    </message>
    <message>
        <source>Wait 30 minutes</source>
        <extracomment>The bold start of a sentence that goes on with "after coffee, smoking, ...".</extracomment>
        <translation>Attendez 30 minutes</translation>
    </message>
    <message>
        <source>after coffee, smoking, exercise or a meal; empty your bladder.</source>
        <translation>après café, cigarette, effort ou repas ; videz votre vessie.</translation>
    </message>
    <message>
        <source>Keep still and quiet.</source>
        <translation>Restez immobile et silencieux.</translation>
    </message>
    <message>
        <source>Do not talk or move while the monitor measures.</source>
        <translation>Ne parlez pas et ne bougez pas pendant la mesure.</translation>
    </message>
    <message>
        <source>Take two readings</source>
        <extracomment>The bold start of a sentence that goes on with "one minute apart ...".</extracomment>
        <translation>Deux mesures</translation>
    </message>
    <message>
        <source>one minute apart and write down both, or their average.</source>
        <translation>à une minute d’intervalle ; notez les deux, ou leur moyenne.</translation>
    </message>
    <message>
        <source>Same time every day,</source>
        <extracomment>The bold start of a sentence that goes on with "for example in the morning ...".</extracomment>
        <translation>Même heure chaque jour,</translation>
    </message>
    <message>
        <source>for example in the morning before any medicine.</source>
        <translation>par exemple le matin avant tout médicament.</translation>
    </message>
    <message>
        <source>Share your diary</source>
        <extracomment>The bold start of a sentence that goes on with "with your doctor, who knows ...".</extracomment>
        <translation>Montrez votre journal</translation>
    </message>
    <message>
        <source>with your doctor, who knows what your numbers mean for you.</source>
        <translation>à votre médecin, qui sait ce que vos chiffres signifient pour vous.</translation>
    </message>
    <message>
        <source>See a doctor at once</source>
        <extracomment>The bold start of a sentence that goes on with "if a reading is 180/120 or higher ...".</extracomment>
        <translation>Consultez aussitôt un médecin</translation>
    </message>
    <message>
        <source>if a reading is 180/120 or higher, or if you have chest pain, shortness of breath, weakness, or trouble seeing or speaking. A diary never replaces your doctor.</source>
        <translation>si une mesure atteint 180/120 ou plus, ou en cas de douleur thoracique, d’essoufflement, de faiblesse, de troubles de la vue ou de la parole. Un journal ne remplace jamais votre médecin.</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>The button at the window's foot (about 12 letters at most).</extracomment>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Close the Tensiolog</source>
        <extracomment>The tooltip of the close mark at the window's top right.</extracomment>
        <translation>Fermer Tensiolog</translation>
    </message>
    <message>
        <source>Close the welcome window</source>
        <translation>Fermer la fenêtre d’accueil</translation>
    </message>
</context>
</TS>