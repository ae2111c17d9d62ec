// The main window in each of its languages: every control inside the window, none over another,
// every text whole in its control; the calendar and the chart's day labels in the language's
// words and order, and exactly as before in English.

#include "i18n/Translations.h"
#include "mainwindow/ReadingSwitcher.h"
#include "resources/Resources.h"
#include "tests/support/MainWindowTestSupport.h"
#include "tests/support/WindowFit.h"
#include "widgets/ReadingsChart.h"
#include "widgets/ctlChart.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QCalendarWidget>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QSvgRenderer>
#include <QToolButton>

using namespace tlgtest;
using namespace Qt::StringLiterals;

namespace {

const QDate kToday(2026, 12, 9);

// A control of the window and the box its text (or, for others, the control itself) takes on
// the window.
struct Part {
    QWidget* widget;
    QRect box;
};

QRect OnWindow(const QWidget& window, const QWidget& widget, const QRect& area) {
    return QRect(widget.mapTo(&window, area.topLeft()), area.size());
}

// Where a label's words are drawn, on the window: two labels whose boxes overlap may still keep
// their words apart.
QRect InkOf(const QWidget& window, const QLabel& label) {
    const int iFlags = int(label.alignment()) | (label.wordWrap() ? Qt::TextWordWrap : 0);
    const QRect inside = label.contentsRect();
    QRect ink = label.fontMetrics().boundingRect(inside, iFlags, label.text());
    return OnWindow(window, label, ink.intersected(inside));
}

// The visible controls of parent, each with its box on the window. (The main window's labels
// lie over the edges of the boxes they name, so words, not label boxes, must keep apart.)
std::vector<Part> PartsOf(const QWidget& window, const QWidget& parent) {
    std::vector<Part> parts;
    for (QWidget* child : windowfit::Controls(parent)) {
        const auto* label = qobject_cast<QLabel*>(child);
        parts.push_back({child, label != nullptr && !label->text().isEmpty()
                                    ? InkOf(window, *label)
                                    : OnWindow(window, *child, child->rect())});
    }
    return parts;
}

QString Named(const QWidget* widget) {
    return widget->objectName().isEmpty() ? QString::fromLatin1(widget->metaObject()->className())
                                          : widget->objectName();
}

// Two boxes that share more than a line of pixels (neighbours may touch).
bool Overlap(const QRect& a, const QRect& b) {
    const QRect shared = a.intersected(b);
    return shared.width() > 1 && shared.height() > 1;
}

// Why a control's text does not fit it (empty when it fits): as for any window, but the
// reading switcher's sign buttons, 16 px wide, need room for their frame alone.
QString TextProblem(const QWidget& control) {
    const auto* button = qobject_cast<const QToolButton*>(&control);
    if (button == nullptr) {
        return windowfit::TextProblem(control);
    }
    const int iNeeded = button->fontMetrics().horizontalAdvance(button->text()) + 2;
    return iNeeded <= button->width() ? QString()
                                      : u"%1 needs %2 px of width, has %3"_s.arg(Named(button))
                                            .arg(iNeeded)
                                            .arg(button->width());
}

// Every fault of the fit of the parts among themselves: outside their place, over another, or
// their text not whole.
QStringList Faults(const std::vector<Part>& parts, const QRect& place) {
    QStringList faults;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        const Part& part = parts[i];
        if (!place.contains(OnWindow(*part.widget->window(), *part.widget, part.widget->rect()))) {
            faults << u"%1 lies outside its place"_s.arg(Named(part.widget));
        }
        if (const QString szFault = TextProblem(*part.widget); !szFault.isEmpty()) {
            faults << szFault;
        }
        for (std::size_t j = i + 1; j < parts.size(); ++j) {
            if (Overlap(part.box, parts[j].box)) {
                faults << u"%1 overlaps %2"_s.arg(Named(part.widget), Named(parts[j].widget));
            }
        }
    }
    return faults;
}

// The parts that run across a frame the window draws (partly inside it, partly out).
QStringList FramesCrossed(const std::vector<Part>& parts, const std::vector<QRect>& frames) {
    QStringList faults;
    for (const Part& part : parts) {
        for (const QRect& frame : frames) {
            if (Overlap(part.box, frame) && !frame.contains(part.box)) {
                faults << u"%1 runs across the frame at %2,%3"_s.arg(Named(part.widget))
                              .arg(frame.x())
                              .arg(frame.y());
            }
        }
    }
    return faults;
}

// A picture of the program drawn at twice its size, its words in the language installed.
QImage Drawn(const QString& szArtwork) {
    QSvgRenderer renderer(ArtworkSvg(ArtworkPath(szArtwork)));
    QImage image(renderer.defaultSize() * 2, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter);
    return image;
}

// The language of a test row: English as before, or its translation installed (the system's
// locale stays the test's own); false when the translation is missing.
bool UseLanguage(const QString& szLanguage) {
    RemoveTranslations();
    return szLanguage == u"en"_s || InstallTranslations(QLocale(szLanguage));
}

void LanguageRows() {
    QTest::addColumn<QString>("language");
    for (const char* szLanguage : {"en", "de", "fr", "es"}) {
        QTest::newRow(szLanguage) << QString::fromLatin1(szLanguage);
    }
}

} // namespace

class TestMainWindowLanguages : public QObject {
    Q_OBJECT

private:
    PrivateSettings m_settings;

private slots:
    void init() {
        NewDocument();
        SetMessageBoxHandler(nullptr);
    }
    void cleanup() { RemoveTranslations(); }

    // Every control lies inside the window, none covers another, and every text is whole: with
    // an empty diary and with a day of two readings, the chart shown.
    void windowFits_data() { LanguageRows(); }
    void windowFits() {
        QFETCH(QString, language);
        QVERIFY(UseLanguage(language));
        for (const bool bReadings : {false, true}) {
            if (bReadings) {
                AddDay(u"20261208"_s, u"128"_s, u"84"_s, u"71"_s, u"walk"_s);
                AddDay(u"20261209"_s, u"120"_s, u"80"_s, u"70"_s);
            }
            const auto window = OpenWindow(kToday);
            QVERIFY(window);
            if (bReadings) {
                // A second reading: the switcher shows "1 of 2", its time and its buttons.
                QTest::keyClick(window->windowHandle(), Qt::Key_N, Qt::ControlModifier);
                QTest::keyClick(window->windowHandle(), Qt::Key_PageUp, Qt::ControlModifier);
                QTRY_VERIFY(window->ctlReadings->lblPosition->isVisible());
            }
            const QRect whole = window->rect();
            const std::vector<Part> parts = PartsOf(*window, *window);
            QStringList faults = Faults(parts, whole);
            faults << FramesCrossed(parts, frmMain::GroupFrames());
            const QWidget* switcher = window->ctlReadings;
            faults << Faults(PartsOf(*window, *switcher),
                             OnWindow(*window, *switcher, switcher->rect()));
            const QWidget* bar =
                window->ctlCal->findChild<QWidget*>(u"qt_calendar_navigationbar"_s);
            QVERIFY(bar);
            faults << Faults(PartsOf(*window, *bar), OnWindow(*window, *bar, bar->rect()));
            if (window->ctlCal->sizeHint().height() > window->ctlCal->height() ||
                window->ctlCal->sizeHint().width() > window->ctlCal->width()) {
                faults << u"the calendar needs more room than it has"_s;
            }
            if (const QString szDir = qEnvironmentVariable("TLG_SCREENSHOT_DIR");
                !szDir.isEmpty()) {
                window->grab().save(QDir(szDir).filePath(
                    u"main-%1-%2.png"_s.arg(language, bReadings ? u"readings"_s : u"empty"_s)));
            }
            QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u"\n"_s)));
        }
    }

    // What the window says is in the language: a label, a box's warning on what is not a number,
    // the reading switcher, a refused file and its warning's title.
    void textsInLanguage_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("systolic");
        QTest::addColumn<QString>("notANumber");
        QTest::addColumn<QString>("position");
        QTest::addColumn<QString>("refused");
        QTest::newRow("en") << u"en"_s << u"Systolic"_s << u"Not a number: "_s << u"2 of 2"_s
                            << u"Nothing was imported. "_s;
        QTest::newRow("de") << u"de"_s << u"Systolisch"_s << u"Keine Zahl: "_s << u"2 von 2"_s
                            << u"Es wurde nichts importiert. "_s;
        QTest::newRow("fr") << u"fr"_s << u"Systolique"_s << u"Pas un nombre : "_s << u"2 sur 2"_s
                            << u"Rien n'a été importé. "_s;
        QTest::newRow("es") << u"es"_s << u"Sistólica"_s << u"No es un número: "_s << u"2 de 2"_s
                            << u"No se ha importado nada. "_s;
    }
    void textsInLanguage() {
        QFETCH(QString, language);
        QFETCH(QString, systolic);
        QFETCH(QString, notANumber);
        QFETCH(QString, position);
        QFETCH(QString, refused);
        QVERIFY(UseLanguage(language));
        const auto window = OpenWindow(kToday);
        QVERIFY(window);
        QCOMPARE(window->lbl[1]->text(), systolic);
        window->txtSystolic->setText(u"abc"_s);
        QVERIFY2(window->txtSystolic->toolTip().startsWith(notANumber),
                 qPrintable(window->txtSystolic->toolTip()));
        window->txtSystolic->setText(u"120"_s);
        QTest::keyClick(window->windowHandle(), Qt::Key_N, Qt::ControlModifier);
        QTRY_COMPARE(window->ctlReadings->lblPosition->text(), position);
        MessageBoxes boxes;
        QVERIFY(!window->ImportCsvFile(QDir::temp().filePath(u"no-such-readings.csv"_s)));
        QCOMPARE(boxes.shown.size(), std::size_t(1));
        QVERIFY2(boxes.shown[0].szText.startsWith(refused), qPrintable(boxes.shown[0].szText));
    }

    // A button picture's caption, however long in its language, stays clear of the picture's
    // icon: the icon's columns look as they do in English.
    void pictureCaptionsClearIcons_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("artwork");
        QTest::addColumn<int>("iconRight");
        for (const char* szLanguage : {"de", "fr", "es"}) {
            QTest::addRow("%s close", szLanguage)
                << QString::fromLatin1(szLanguage) << u"main-close-button.svg"_s << 88;
            QTest::addRow("%s report", szLanguage)
                << QString::fromLatin1(szLanguage) << u"main-report-button.svg"_s << 79;
        }
    }
    void pictureCaptionsClearIcons() {
        QFETCH(QString, language);
        QFETCH(QString, artwork);
        QFETCH(int, iconRight);
        const QImage english = Drawn(artwork);
        const QByteArray englishSvg = ArtworkSvg(ArtworkPath(artwork));
        QVERIFY(UseLanguage(language));
        const QImage translated = Drawn(artwork);
        // The caption is the language's own.
        QVERIFY(ArtworkSvg(ArtworkPath(artwork)) != englishSvg);
        const QRect icon(0, 0, 2 * iconRight, english.height());
        QCOMPARE(translated.copy(icon), english.copy(icon));
    }

    // The calendar speaks the language: its month, its day names and the first day of the week
    // are the locale's; in English they stay as they were.
    void calendarInLanguage_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("month");
        QTest::addColumn<QString>("firstDayName");
        QTest::addColumn<QString>("firstDayInFull");
        QTest::addColumn<QString>("week");
        QTest::newRow("en") << u"en"_s << u"December"_s << u"Mon"_s << u"Monday"_s << u"Week 49"_s;
        QTest::newRow("de") << u"de"_s << u"Dezember"_s << u"Mo."_s << u"Montag"_s << u"Woche 49"_s;
        QTest::newRow("fr") << u"fr"_s << u"décembre"_s << u"lun."_s << u"lundi"_s
                            << u"Semaine 49"_s;
        QTest::newRow("es") << u"es"_s << u"diciembre"_s << u"lun"_s << u"lunes"_s
                            << u"Semana 49"_s;
    }
    void calendarInLanguage() {
        QFETCH(QString, language);
        QFETCH(QString, month);
        QFETCH(QString, firstDayName);
        QFETCH(QString, firstDayInFull);
        QFETCH(QString, week);
        QVERIFY(UseLanguage(language));
        const auto window = OpenWindow(kToday);
        QVERIFY(window);
        const QCalendarWidget& calendar = *window->ctlCal;
        QCOMPARE(calendar.firstDayOfWeek(), Qt::Monday);
        const auto* monthButton = calendar.findChild<QToolButton*>(u"qt_calendar_monthbutton"_s);
        QVERIFY(monthButton);
        QCOMPARE(monthButton->text(), month);
        const auto* days = calendar.findChild<QAbstractItemView*>();
        QVERIFY(days);
        QCOMPARE(days->model()->index(0, 0).data().toString(), firstDayName);
        // What a screen reader hears of the grid, and of the day picked, is in the language too.
        QAccessibleInterface* grid =
            QAccessible::queryAccessibleInterface(const_cast<QAbstractItemView*>(days));
        QVERIFY(grid && grid->tableInterface());
        QCOMPARE(grid->tableInterface()->columnDescription(0), firstDayInFull);
        QCOMPARE(grid->tableInterface()->rowDescription(1), week);
        QVERIFY2(days->accessibleName().contains(month, Qt::CaseInsensitive),
                 qPrintable(days->accessibleName()));
    }

    // The chart's day labels follow the language's order: "07/12" in English as before,
    // "07.12." in German.
    void chartRowLabels_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("label");
        QTest::newRow("en") << u"en"_s << u"07/12"_s;
        QTest::newRow("de") << u"de"_s << u"07.12."_s;
        QTest::newRow("fr") << u"fr"_s << u"07/12"_s;
        QTest::newRow("es") << u"es"_s << u"07/12"_s;
    }
    void chartRowLabels() {
        QFETCH(QString, language);
        QFETCH(QString, label);
        QVERIFY(UseLanguage(language));
        AddDay(u"20261207"_s, u"128"_s, u"84"_s, u"71"_s);
        AddDay(u"20261208"_s, u"120"_s, u"80"_s, u"70"_s);
        ctlChart chart;
        FillChartFromReadings(chart, objReadings);
        QCOMPARE(chart.RowCount(), qint16(2));
        QCOMPARE(chart.RowLabelAt(1), label);
    }
};

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    TestMainWindowLanguages test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_mainwindow_languages.moc"
