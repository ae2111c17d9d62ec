// The diary's messages in the user's language: CSV refusals name the line and the reason in
// German, French and Spanish, counts take their plural forms, and dates and numbers in the
// messages follow the language. English is checked beside them, as it reads without a
// translation installed.

#include "diary/DataFileLock.h"
#include "diary/DocumentMerge.h"
#include "diary/ReadingsCsv.h"
#include "i18n/Translations.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// A CSV file of our export's columns with these rows under its header, lines ended by CR LF.
QByteArray CsvFile(const QStringList& rows) {
    return (QStringList{u"date,systolic,diastolic,pulse,comment"_s} + rows)
        .join(u"\r\n"_s)
        .toUtf8();
}

// Installs the translation for a language ("en": none).
bool Speak(const QString& szLanguage) {
    RemoveTranslations();
    return szLanguage == u"en"_s || InstallTranslations(QLocale(szLanguage));
}

// French puts a no-break space before ":" and ";" and inside « »; the expected texts are written
// with plain spaces there and "<<", ">>" for the quotes.
QString French(QString szText) {
    return szText.replace(u" :"_s, u"\u00A0:"_s)
        .replace(u" ;"_s, u"\u00A0;"_s)
        .replace(u"<< "_s, u"\u00AB\u00A0"_s)
        .replace(u" >>"_s, u"\u00A0\u00BB"_s);
}

MergeConflict Conflict(const QString& szDayKey, const QString& szValueName) {
    MergeConflict conflict;
    conflict.szDayKey = szDayKey;
    conflict.szValueName = szValueName;
    conflict.szMine = u"120"_s;
    conflict.szTheirs = u"125"_s;
    return conflict;
}

} // namespace

class TestDiaryLanguages : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { RemoveTranslations(); }

    // A refused CSV file: the line and the reason in the user's language, a count in its plural
    // form, dates and numbers as the language writes them.
    void csvRefusals_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("message");
        const QByteArray negative =
            CsvFile({u"2026-03-01,120,80,70,"_s, u"2026-03-02,120,80,-5,"_s});
        QTest::newRow("en, a negative pulse")
            << u"en"_s << negative << u"r.csv, line 3: the pulse \"-5\" is negative"_s;
        QTest::newRow("de, a negative pulse")
            << u"de"_s << negative << u"r.csv, Zeile 3: der Puls \u201E-5\u201C ist negativ"_s;
        QTest::newRow("fr, a negative pulse")
            << u"fr"_s << negative << French(u"r.csv, ligne 3 : le pouls << -5 >> est négatif"_s);
        QTest::newRow("es, a negative pulse")
            << u"es"_s << negative << u"r.csv, línea 3: el pulso «-5» es negativo"_s;

        const QByteArray systolic = CsvFile({u"2026-03-01,12.5,80,70,"_s});
        QTest::newRow("de, a systolic pressure that is no whole number")
            << u"de"_s << systolic
            << u"r.csv, Zeile 2: der systolische Wert \u201E12.5\u201C ist keine ganze Zahl"_s;
        QTest::newRow("fr, a systolic pressure that is no whole number")
            << u"fr"_s << systolic
            << French(u"r.csv, ligne 2 : la pression systolique << 12.5 >> n’est pas un nombre "
                      "entier"_s);
        QTest::newRow("es, a systolic pressure that is no whole number")
            << u"es"_s << systolic
            << u"r.csv, línea 2: la presión sistólica «12.5» no es un número entero"_s;

        const QByteArray crowded = CsvFile(QStringList(13, u"2026-03-01,120,80,70,"_s));
        QTest::newRow("en, more readings than a day holds")
            << u"en"_s << crowded << u"r.csv: 1 Mar 2026 has 13 readings; a day holds at most 12"_s;
        QTest::newRow("de, more readings than a day holds")
            << u"de"_s << crowded
            << u"r.csv: der 1. März 2026 hat 13 Messwerte; ein Tag fasst höchstens 12"_s;
        QTest::newRow("fr, more readings than a day holds")
            << u"fr"_s << crowded
            << French(u"r.csv : le 1 mars 2026 a 13 mesures ; un jour en contient au plus 12"_s);
        QTest::newRow("es, more readings than a day holds")
            << u"es"_s << crowded
            << u"r.csv: el 1 mar 2026 tiene 13 mediciones; un día admite como máximo 12"_s;

        const QByteArray ambiguous =
            CsvFile({u"03/03/2026,120,80,70,"_s, u"03/04/2026,120,80,70,"_s});
        QTest::newRow("de, dates that read both ways")
            << u"de"_s << ambiguous
            << u"r.csv, Zeile 3: \u201E03/04/2026\u201C kann als 3. April 2026 (Tag zuerst) oder "
               "als 4. März 2026 (Monat zuerst) gelesen werden, und kein Datum der Datei sagt, "
               "was gilt"_s;
        QTest::newRow("fr, dates that read both ways")
            << u"fr"_s << ambiguous
            << French(u"r.csv, ligne 3 : << 03/04/2026 >> peut se lire 3 avril 2026 (jour en "
                      "premier) ou 4 mars 2026 (mois en premier), et aucune date du fichier ne "
                      "permet de trancher"_s);
        QTest::newRow("es, dates that read both ways")
            << u"es"_s << ambiguous
            << u"r.csv, línea 3: «03/04/2026» puede leerse como 3 de abril de 2026 (primero el "
               "día) o como 4 de marzo de 2026 (primero el mes), y ninguna fecha del archivo "
               "indica cuál"_s;

        const QByteArray wide = CsvFile({u"2026-03-01,120,80,70,ok,extra"_s});
        QTest::newRow("de, more fields than columns")
            << u"de"_s << wide
            << u"r.csv, Zeile 2: die Zeile hat 6 Felder, die Kopfzeile nennt aber 5 Spalten"_s;
        QTest::newRow("fr, more fields than columns")
            << u"fr"_s << wide
            << French(u"r.csv, ligne 2 : la ligne a 6 champs, mais l’en-tête nomme 5 colonnes"_s);
        QTest::newRow("es, more fields than columns")
            << u"es"_s << wide
            << u"r.csv, línea 2: la fila tiene 6 campos, pero el encabezado nombra 5 columnas"_s;

        const QByteArray longComment = CsvFile({u"2026-03-01,120,80,70,"_s + QString(4001, u'x')});
        QTest::newRow("de, a comment too long")
            << u"de"_s << longComment
            << u"r.csv, Zeile 2: die Bemerkung ist 4.001 Zeichen lang; eine Bemerkung fasst "
               "höchstens 4.000"_s;
        QTest::newRow("fr, a comment too long")
            << u"fr"_s << longComment
            << French(u"r.csv, ligne 2 : le commentaire compte 4\u202F001 caractères ; un "
                      "commentaire en contient au plus 4\u202F000"_s);

        const QByteArray empty;
        QTest::newRow("es, an empty file")
            << u"es"_s << empty << u"r.csv: el archivo no contiene mediciones (está vacío)"_s;
    }
    void csvRefusals() {
        QFETCH(QString, language);
        QFETCH(QByteArray, file);
        QFETCH(QString, message);
        QVERIFY(Speak(language));
        CsvReadings readings;
        CsvReadError error;
        QVERIFY(!ReadReadingsCsv(file, u"r.csv"_s, CsvDateOrder::Unknown, &readings, &error));
        QCOMPARE(error.szMessage, message);
    }

    // What an import reads and would do, with counts of one and of several.
    void csvDescriptions_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("description");
        QTest::addColumn<QString>("merge");
        const QByteArray one = CsvFile({u"2026-03-01,120,80,70,"_s});
        const QByteArray several =
            u"Blood pressure\r\n"_s.toUtf8() +
            CsvFile({u"2026-03-01 08:00,120,80,70,"_s, u"2026-03-01 20:00,125,82,71,"_s,
                     u"2026-03-02,121,81,69,"_s});
        QTest::newRow("en, one") << u"en"_s << one
                                 << u"r.csv: 1 reading on 1 day (UTF-8, fields separated by "
                                    "commas)."_s
                                 << u"Added 1 day, filled in 0 days, replaced values of 0 days; "
                                    "0 days unchanged."_s;
        QTest::newRow("en, several")
            << u"en"_s << several
            << u"r.csv: 3 readings on 2 days (UTF-8, fields separated by commas).\n1 day has "
               "more than one reading; each is kept with its time.\n1 line above the header "
               "row skipped."_s
            << u"Added 1 day, filled in 0 days, replaced values of 0 days; 0 days unchanged.\n1 "
               "day took readings of the file beside their own.\n1 day kept stored values "
               "where the file has others."_s;
        QTest::newRow("de, one")
            << u"de"_s << one
            << u"r.csv: 1 Messwert an 1 Tag (UTF-8, Felder durch Kommas getrennt)."_s
            << u"Hinzugefügt: 1 Tag, ergänzt: 0 Tage, mit ersetzten Werten: 0 Tage; "
               "unverändert: 0 Tage."_s;
        QTest::newRow("de, several")
            << u"de"_s << several
            << u"r.csv: 3 Messwerte an 2 Tagen (UTF-8, Felder durch Kommas getrennt).\n1 Tag "
               "hat mehr als einen Messwert; jeder wird mit seiner Uhrzeit übernommen.\n1 Zeile "
               "über der Kopfzeile übersprungen."_s
            << u"Hinzugefügt: 1 Tag, ergänzt: 0 Tage, mit ersetzten Werten: 0 Tage; "
               "unverändert: 0 Tage.\n1 Tag hat Messwerte der Datei neben den eigenen "
               "aufgenommen.\n1 Tag hat gespeicherte Werte behalten, wo die Datei andere hat."_s;
        QTest::newRow("fr, one")
            << u"fr"_s << one
            << French(u"r.csv : 1 mesure sur 1 jour (UTF-8, champs séparés par des virgules)."_s)
            << French(u"Jours ajoutés : 1 jour, complétés : 0 jour, avec valeurs remplacées : 0 "
                      "jour ; inchangés : 0 jour."_s);
        QTest::newRow("fr, several")
            << u"fr"_s << several
            << French(u"r.csv : 3 mesures sur 2 jours (UTF-8, champs séparés par des "
                      "virgules).\n1 jour a plus d’une mesure ; chacune est gardée avec son "
                      "heure.\n1 ligne au-dessus de la ligne d’en-tête ignorée."_s)
            << French(u"Jours ajoutés : 1 jour, complétés : 0 jour, avec valeurs remplacées : 0 "
                      "jour ; inchangés : 0 jour.\n1 jour a reçu des mesures du fichier à côté "
                      "des siennes.\n1 jour a gardé des valeurs enregistrées là où le fichier en "
                      "a d’autres."_s);
        QTest::newRow("es, one")
            << u"es"_s << one
            << u"r.csv: 1 medición en 1 día (UTF-8, campos separados por comas)."_s
            << u"Días añadidos: 1 día; completados: 0 días; con valores sustituidos: 0 días; sin "
               "cambios: 0 días."_s;
        QTest::newRow("es, several")
            << u"es"_s << several
            << u"r.csv: 3 mediciones en 2 días (UTF-8, campos separados por comas).\n1 día tiene "
               "más de una medición; cada una se guarda con su hora.\n1 línea sobre la fila de "
               "encabezado omitida."_s
            << u"Días añadidos: 1 día; completados: 0 días; con valores sustituidos: 0 días; sin "
               "cambios: 0 días.\n1 día ha recibido mediciones del archivo junto a las "
               "suyas.\n1 día ha conservado valores guardados donde el archivo tiene otros."_s;
    }
    void csvDescriptions() {
        QFETCH(QString, language);
        QFETCH(QByteArray, file);
        QFETCH(QString, description);
        QFETCH(QString, merge);
        QVERIFY(Speak(language));
        CsvReadings readings;
        CsvReadError error;
        QVERIFY2(ReadReadingsCsv(file, u"r.csv"_s, CsvDateOrder::Unknown, &readings, &error),
                 qPrintable(error.szMessage));
        QCOMPARE(CsvReadingsDescription(u"r.csv"_s, readings), description);
        // The store holds 1 March with another value; 2 March is new.
        CsvMergeSummary summary;
        summary.iAdded = 1;
        if (readings.iRows > 1) {
            summary.iGrown = 1;
            summary.iKeptDifferent = 1;
        }
        QCOMPARE(CsvMergeDescription(summary, true), merge);
    }

    // The sentence that tells what came from the other side: its dates in the language, counts
    // of one and of several.
    void mergeSentences_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QStringList>("daysFromTheirs");
        QTest::addColumn<QList<MergeConflict>>("conflicts");
        // Empty: the other computer; "-": a change during an import; else a file's name.
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("theirsCopy");
        QTest::addColumn<QString>("sentence");
        const QStringList oneDay{u"20270307"_s};
        const QList<MergeConflict> twoValues{Conflict(u"20270308"_s, u"S"_s),
                                             Conflict(u"20270308"_s, u"D"_s)};
        const QStringList fourDays{u"20270301"_s, u"20270302"_s, u"20270303"_s, u"20270304"_s};
        const QList<MergeConflict> oneValue{Conflict(u"20270308"_s, u"P"_s)};
        const QString szFile = u"\"c.dat\""_s;
        const QString szCopy = u"/t/c.dat"_s;

        QTest::newRow("en, a day and two values")
            << u"en"_s << oneDay << twoValues << QString() << szCopy
            << u"The readings of 7 March 2027 came from the "
               "other computer; where a value was typed "
               "differently here and on the other computer "
               "(2 values on 8 March 2027), yours is kept "
               "and theirs is in \"/t/c.dat\"."_s;
        QTest::newRow("de, a day and two values")
            << u"de"_s << oneDay << twoValues << QString() << szCopy
            << u"Die Messwerte vom 7. März 2027 kamen vom anderen Computer; wo ein Wert hier und "
               "auf dem anderen Computer verschieden eingegeben wurde (2 Werte am 8. März 2027), "
               "bleibt Ihr Wert erhalten und der andere steht in \u201E/t/c.dat\u201C."_s;
        QTest::newRow("fr, a day and two values")
            << u"fr"_s << oneDay << twoValues << QString() << szCopy
            << French(u"Les mesures du 7 mars 2027 sont venues de l’autre ordinateur ; là où une "
                      "valeur a été saisie différemment ici et sur l’autre ordinateur (2 valeurs "
                      "le 8 mars 2027), la vôtre est conservée et l’autre se trouve dans << "
                      "/t/c.dat >>."_s);
        QTest::newRow("es, a day and two values")
            << u"es"_s << oneDay << twoValues << QString() << szCopy
            << u"Las mediciones del 7 de marzo de 2027 llegaron del otro ordenador; donde un "
               "valor se escribió de forma distinta aquí y en el otro ordenador (2 valores el 8 "
               "de marzo de 2027), se conserva el suyo y el otro está en «/t/c.dat»."_s;

        QTest::newRow("en, four days during an import")
            << u"en"_s << fourDays << QList<MergeConflict>() << u"-"_s << QString()
            << u"The readings of 1 March 2027, 2 March 2027, 3 March 2027 and 1 more came from "
               "a change made to the file during the import."_s;
        QTest::newRow("de, four days during an import")
            << u"de"_s << fourDays << QList<MergeConflict>() << u"-"_s << QString()
            << u"Die Messwerte vom 1. März 2027, 2. März 2027, 3. März 2027 und 1 weiteren "
               "kamen aus einer Änderung an der Datei während des Imports."_s;
        QTest::newRow("fr, four days during an import")
            << u"fr"_s << fourDays << QList<MergeConflict>() << u"-"_s << QString()
            << u"Les mesures du 1 mars 2027, 2 mars 2027, 3 mars 2027 et 1 autre sont venues "
               "d’une modification du fichier pendant l’importation."_s;
        QTest::newRow("es, four days during an import")
            << u"es"_s << fourDays << QList<MergeConflict>() << u"-"_s << QString()
            << u"Las mediciones del 1 de marzo de 2027, 2 de marzo de 2027, 3 de marzo de 2027 "
               "y 1 más llegaron de un cambio hecho en el archivo durante la importación."_s;

        QTest::newRow("en, one value in a file")
            << u"en"_s << QStringList() << oneValue << szFile << QString()
            << u"Where a value was typed differently here "
               "and on \"c.dat\" (one value on 8 March "
               "2027), yours is kept."_s;
        QTest::newRow("de, one value in a file")
            << u"de"_s << QStringList() << oneValue << szFile << QString()
            << u"Wo ein Wert hier und in \"c.dat\" verschieden eingegeben wurde (ein Wert am 8. "
               "März 2027), bleibt Ihr Wert erhalten."_s;
        QTest::newRow("fr, one value in a file")
            << u"fr"_s << QStringList() << oneValue << szFile << QString()
            << u"Là où une valeur a été saisie différemment ici et dans \"c.dat\" (une valeur le "
               "8 mars 2027), la vôtre est conservée."_s;
        QTest::newRow("es, one value in a file")
            << u"es"_s << QStringList() << oneValue << szFile << QString()
            << u"Donde un valor se escribió de forma distinta aquí y en \"c.dat\" (un valor el 8 "
               "de marzo de 2027), se conserva el suyo."_s;

        QTest::newRow("de, nothing new")
            << u"de"_s << QStringList() << QList<MergeConflict>() << QString() << QString()
            << u"Vom anderen Computer kam nichts Neues."_s;
        QTest::newRow("fr, nothing new")
            << u"fr"_s << QStringList() << QList<MergeConflict>() << QString() << QString()
            << u"Rien de nouveau n’est venu de l’autre ordinateur."_s;
        QTest::newRow("es, nothing new")
            << u"es"_s << QStringList() << QList<MergeConflict>() << szFile << QString()
            << u"No llegó nada nuevo de \"c.dat\"."_s;
    }
    void mergeSentences() {
        QFETCH(QString, language);
        QFETCH(QStringList, daysFromTheirs);
        QFETCH(QList<MergeConflict>, conflicts);
        QFETCH(QString, from);
        QFETCH(QString, theirsCopy);
        QFETCH(QString, sentence);
        QVERIFY(Speak(language));
        DiaryMerge merge;
        merge.daysFromTheirs = daysFromTheirs;
        merge.conflicts = conflicts;
        const QString szText =
            from.isEmpty()   ? MergedFromText(merge, MergeSource::kOtherComputer, theirsCopy)
            : from == u"-"_s ? MergedFromText(merge, MergeSource::kChangeDuringImport, theirsCopy)
                             : MergedFromText(merge, from, theirsCopy);
        QCOMPARE(szText, sentence);
    }

    // Columns beyond the ten a summary names are counted, in the plural form of the count.
    void columnsBeyondTheListed_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<int>("unknown");
        QTest::addColumn<QString>("line");
        QTest::newRow("en, one more") << u"en"_s << 11 << u"Columns left out: %1 and 1 more."_s;
        QTest::newRow("de, one more")
            << u"de"_s << 11 << u"Nicht übernommene Spalten: %1 und 1 weitere."_s;
        QTest::newRow("fr, one more")
            << u"fr"_s << 11 << French(u"Colonnes ignorées : %1 et 1 autre."_s);
        QTest::newRow("fr, two more")
            << u"fr"_s << 12 << French(u"Colonnes ignorées : %1 et 2 autres."_s);
        QTest::newRow("es, two more") << u"es"_s << 12 << u"Columnas omitidas: %1 y 2 más."_s;
    }
    void columnsBeyondTheListed() {
        QFETCH(QString, language);
        QFETCH(int, unknown);
        QFETCH(QString, line);
        QVERIFY(Speak(language));
        QStringList header{u"date"_s, u"sys"_s};
        QStringList row{u"2026-03-01"_s, u"120"_s};
        QStringList listed;
        for (int i = 1; i <= unknown; ++i) {
            header << u"c%1"_s.arg(i);
            row << QString();
            if (i <= 10) {
                listed << u"c%1"_s.arg(i);
            }
        }
        CsvReadings readings;
        CsvReadError error;
        QVERIFY2(ReadReadingsCsv((header.join(u',') + u"\r\n"_s + row.join(u',')).toUtf8(),
                                 u"r.csv"_s, CsvDateOrder::Unknown, &readings, &error),
                 qPrintable(error.szMessage));
        const QStringList lines = CsvReadingsDescription(u"r.csv"_s, readings).split(u'\n');
        QCOMPARE(lines.value(1), line.arg(listed.join(u", "_s)));
    }

    // A folder where a CSV file was expected: what it is, in the user's language.
    void folderInsteadOfFile_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("reason");
        QTest::newRow("en") << u"en"_s
                            << u"%1 could not be read (it is a folder, not an ordinary file)"_s;
        QTest::newRow("de")
            << u"de"_s
            << u"%1 konnte nicht gelesen werden (es ist ein Ordner, keine gewöhnliche "
               "Datei)"_s;
        QTest::newRow("fr")
            << u"fr"_s << u"%1 n’a pas pu être lu (c’est un dossier, pas un fichier ordinaire)"_s;
        QTest::newRow("es") << u"es"_s
                            << u"no se pudo leer %1 (es una carpeta, no un archivo normal)"_s;
    }
    void folderInsteadOfFile() {
        QFETCH(QString, language);
        QFETCH(QString, reason);
        QVERIFY(Speak(language));
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        QByteArray bytes;
        QString szReason;
        QVERIFY(!ReadCsvFile(dir.path(), &bytes, &szReason));
        QCOMPARE(szReason, reason.arg(QDir::toNativeSeparators(dir.path())));
    }

    // A device that fails without a reason of its own ("Unknown error", in Qt's words in the
    // installed language): the export says what happened in that language.
    void exportWriteWithoutReason_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("reason");
        QTest::newRow("en") << u"en"_s << u"the bytes could not all be written"_s;
        QTest::newRow("de") << u"de"_s << u"nicht alle Bytes konnten geschrieben werden"_s;
        QTest::newRow("fr") << u"fr"_s << u"tous les octets n’ont pas pu être écrits"_s;
        QTest::newRow("es") << u"es"_s << u"no se pudieron escribir todos los bytes"_s;
    }
    void exportWriteWithoutReason() {
        QFETCH(QString, language);
        QFETCH(QString, reason);
        QVERIFY(Speak(language));
        QByteArray bytes;
        QBuffer readOnly(&bytes);
        QVERIFY(readOnly.open(QIODevice::ReadOnly));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(u"ReadOnly device"_s));
        QString szReason;
        QVERIFY(!WriteCsvBytes(readOnly, "x", &szReason));
        QCOMPARE(szReason, reason);
    }

    // A data file open on another computer: since when, on the clock of the user's language.
    // The test runs with TZ=UTC.
    void lockOfAnotherComputer_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("text");
        QTest::newRow("en") << u"en"_s
                            << u"The readings are open in Tensiolog on the computer "
                               "\"far-away-pc\" since 2026-12-01 08:30 (lock file \"%1\")."_s;
        QTest::newRow("de") << u"de"_s
                            << u"Die Messwerte sind seit 01.12.2026 08:30 in Tensiolog auf dem "
                               "Computer \u201Efar-away-pc\u201C geöffnet (Sperrdatei "
                               "\u201E%1\u201C)."_s;
        QTest::newRow("fr") << u"fr"_s
                            << French(u"Les mesures sont ouvertes dans Tensiolog sur l’ordinateur "
                                      "<< far-away-pc >> depuis le 01/12/2026 08:30 (fichier de "
                                      "verrou << %1 >>)."_s);
        QTest::newRow("es")
            << u"es"_s
            << u"Las mediciones están abiertas en Tensiolog en el ordenador "
               "«far-away-pc» desde el 01/12/2026 8:30 (archivo de bloqueo «%1»)."_s;
    }
    void lockOfAnotherComputer() {
        QFETCH(QString, language);
        QFETCH(QString, text);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString szFile = dir.filePath(u"crtlg.dat"_s);
        QFile lockFile(szFile + u".lock"_s);
        QVERIFY(lockFile.open(QIODevice::WriteOnly));
        lockFile.write("4242\ntlg\nfar-away-pc\n0123456789abcdef0123456789abcdef\n"
                       "5c1e0d7a-9f4b-4d8e-a0e1-2b3c4d5e6f70\n2026-12-01T08:30:00Z\n");
        lockFile.close();
        QVERIFY(Speak(language));
        DataFileLock lock(szFile);
        QCOMPARE(lock.Acquire(), DataFileLock::kHeldElsewhere);
        QCOMPARE(lock.HeldElsewhereText(), text.arg(QDir::toNativeSeparators(lockFile.fileName())));
    }
};

QTEST_GUILESS_MAIN(TestDiaryLanguages)
#include "test_diary_languages.moc"
