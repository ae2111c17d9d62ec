// What a screen reader reads of the report: each picture by its words, with every offset of the
// text interface (caret, selection, units of text) in the text it reads.

#include "report/RichTextBox.h"
#include "report/frmReport.h"
#include "tests/report/ReportTestData.h"
#include "tests/report/ReportTestTools.h"

#include <QAccessible>
#include <QTest>
#include <QTextCursor>

using namespace Qt::StringLiterals;
using reporttest::AddDay;

namespace {

QAccessibleTextInterface* TextOf(QWidget* widget) {
    QAccessibleInterface* node = QAccessible::queryAccessibleInterface(widget);
    return node != nullptr ? node->textInterface() : nullptr;
}

QImage SmallPicture() {
    QImage picture(40, 20, QImage::Format_RGB32);
    picture.fill(Qt::red);
    return picture;
}

// "Top line", a picture read as "Heart picture" on a line of its own, then "end":
// spoken "Top line\nHeart picture\nend" (the words at 9 to 22, "end" at 23).
void FillWithPicture(RichTextBox& box) {
    box.SetText(u"Top line\n"_s);
    box.SetSelStart(box.TextLength());
    box.InsertPicture(SmallPicture(), u"Heart picture"_s);
    box.SetSelText(u"\nend"_s);
}

} // namespace

class test_report_speech : public QObject {
    Q_OBJECT

    reporttest::PrivateSettings m_settings;
    reporttest::Messages m_boxes;

private slots:
    void init() { reporttest::StartTest(m_boxes); }
    void cleanup() { reporttest::EndTest(); }

    void reportPicturesAreRead_data();
    void reportPicturesAreRead();
    void positionsMapBothWays_data();
    void positionsMapBothWays();
    void unitsOfText_data();
    void unitsOfText();
    void selectionTakesWholePictures_data();
    void selectionTakesWholePictures();
    void charactersOfAPictureAreWhereItIs();
    void changedTextIsReadAfresh();
};

void test_report_speech::reportPicturesAreRead_data() {
    QTest::addColumn<bool>("bReadings");
    QTest::addColumn<QString>("szChartWords");
    QTest::newRow("two days") << true
                              << u"Readings chart: 2 days from 7 Mar 2027 to 8 Mar 2027. "
                                 "Latest 8 Mar 2027: 125/82, pulse 70."_s;
    QTest::newRow("no readings") << false << u"Readings chart: no readings yet."_s;
}

void test_report_speech::reportPicturesAreRead() {
    QFETCH(bool, bReadings);
    QFETCH(QString, szChartWords);
    if (bReadings) {
        AddDay({u"20270307"_s, u"120"_s, u"80"_s, u"72"_s, u"Walked"_s});
        AddDay({u"20270308"_s, u"125"_s, u"82"_s, u"70"_s, u""_s});
    }
    frmReport frm(reporttest::Readings());
    reporttest::ComposeLaidOut(frm);

    QAccessibleTextInterface* text = TextOf(frm.rtb);
    QVERIFY(text != nullptr);
    const QString szSpoken = text->text(0, text->characterCount());
    QCOMPARE(szSpoken.size(), text->characterCount());
    QVERIFY2(!szSpoken.contains(QChar::ObjectReplacementCharacter), qPrintable(szSpoken));
    const QStringList lines = szSpoken.split(u'\n');
    QVERIFY(lines.size() > 3);
    QCOMPARE(lines[0], u"Tensiolog, blood pressure diary"_s);
    QVERIFY2(lines[1].startsWith(szChartWords), qPrintable(lines[1]));
    QVERIFY2(lines[2].contains(u" with both pressures"_s), qPrintable(lines[2]));
    // The report's own text follows unchanged, from its summary's first line on.
    const QString szText = frm.rtb->Text().replace(u"\r\n"_s, u"\n"_s);
    QCOMPARE(szSpoken.mid(szSpoken.indexOf(lines[2])), szText.mid(szText.indexOf(lines[2])));
    // The value a screen reader reads at once is the same text.
    QCOMPARE(QAccessible::queryAccessibleInterface(frm.rtb)->text(QAccessible::Value), szSpoken);
}

void test_report_speech::positionsMapBothWays_data() {
    QTest::addColumn<int>("iSpoken");
    QTest::addColumn<int>("iDocument");
    QTest::addColumn<int>("iSpokenAgain");
    QTest::newRow("before the picture") << 3 << 3 << 3;
    QTest::newRow("at the picture's words") << 9 << 9 << 9;
    QTest::newRow("inside its words: the picture") << 15 << 9 << 9;
    QTest::newRow("just behind its words") << 22 << 10 << 22;
    QTest::newRow("after the picture") << 24 << 12 << 24;
    QTest::newRow("the end") << 26 << 14 << 26;
}

void test_report_speech::positionsMapBothWays() {
    QFETCH(int, iSpoken);
    QFETCH(int, iDocument);
    QFETCH(int, iSpokenAgain);
    RichTextBox box;
    FillWithPicture(box);
    QAccessibleTextInterface* text = TextOf(&box);
    QVERIFY(text != nullptr);
    QCOMPARE(text->characterCount(), 26);
    text->setCursorPosition(iSpoken);
    QCOMPARE(box.textCursor().position(), iDocument);
    QCOMPARE(text->cursorPosition(), iSpokenAgain);
}

void test_report_speech::unitsOfText_data() {
    QTest::addColumn<int>("iOffset");
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("szBefore");
    QTest::addColumn<QString>("szAt");
    QTest::addColumn<QString>("szAfter");
    QTest::newRow("a character of the picture's words")
        << 12 << int(QAccessible::CharBoundary) << u"a"_s << u"r"_s << u"t"_s;
    QTest::newRow("the picture is one word")
        << 15 << int(QAccessible::WordBoundary) << u"line"_s << u"Heart picture"_s << u"end"_s;
    QTest::newRow("the word after the picture")
        << 24 << int(QAccessible::WordBoundary) << u"Heart picture"_s << u"end"_s << QString();
    QTest::newRow("the picture's line")
        << 15 << int(QAccessible::LineBoundary) << u"Top line"_s << u"Heart picture"_s << u"end"_s;
    QTest::newRow("a line of text")
        << 2 << int(QAccessible::LineBoundary) << QString() << u"Top line"_s << u"Heart picture"_s;
    QTest::newRow("the whole text") << 15 << int(QAccessible::NoBoundary) << QString()
                                    << u"Top line\nHeart picture\nend"_s << QString();
}

void test_report_speech::unitsOfText() {
    QFETCH(int, iOffset);
    QFETCH(int, type);
    QFETCH(QString, szBefore);
    QFETCH(QString, szAt);
    QFETCH(QString, szAfter);
    RichTextBox box;
    FillWithPicture(box);
    QAccessibleTextInterface* text = TextOf(&box);
    QVERIFY(text != nullptr);
    const auto kind = QAccessible::TextBoundaryType(type);
    int iStart = -1;
    int iEnd = -1;
    const QString szGot = text->textAtOffset(iOffset, kind, &iStart, &iEnd);
    QCOMPARE(szGot.trimmed(), szAt);
    // The offsets given back are those of the text given back.
    QCOMPARE(text->text(iStart, iEnd), szGot);
    QCOMPARE(text->textBeforeOffset(iOffset, kind, &iStart, &iEnd).trimmed(), szBefore);
    QCOMPARE(text->textAfterOffset(iOffset, kind, &iStart, &iEnd).trimmed(), szAfter);
}

void test_report_speech::selectionTakesWholePictures_data() {
    QTest::addColumn<int>("iStart");
    QTest::addColumn<int>("iEnd");
    QTest::addColumn<int>("iDocumentStart");
    QTest::addColumn<int>("iDocumentEnd");
    QTest::addColumn<QString>("szSelected");
    QTest::newRow("text only") << 0 << 3 << 0 << 3 << u"Top"_s;
    QTest::newRow("into the words: the whole picture")
        << 4 << 12 << 4 << 10 << u"line\nHeart picture"_s;
    QTest::newRow("from inside the words") << 15 << 26 << 9 << 14 << u"Heart picture\nend"_s;
    QTest::newRow("up to the words: no picture") << 0 << 9 << 0 << 9 << u"Top line\n"_s;
    QTest::newRow("backwards over the picture") << 24 << 12 << 9 << 12 << u"Heart picture\ne"_s;
}

void test_report_speech::selectionTakesWholePictures() {
    QFETCH(int, iStart);
    QFETCH(int, iEnd);
    QFETCH(int, iDocumentStart);
    QFETCH(int, iDocumentEnd);
    QFETCH(QString, szSelected);
    RichTextBox box;
    FillWithPicture(box);
    QAccessibleTextInterface* text = TextOf(&box);
    QVERIFY(text != nullptr);
    text->setSelection(0, iStart, iEnd);
    QCOMPARE(box.textCursor().selectionStart(), iDocumentStart);
    QCOMPARE(box.textCursor().selectionEnd(), iDocumentEnd);
    QCOMPARE(text->selectionCount(), 1);
    int iGotStart = -1;
    int iGotEnd = -1;
    text->selection(0, &iGotStart, &iGotEnd);
    QCOMPARE(text->text(iGotStart, iGotEnd), szSelected);
    text->removeSelection(0);
    QCOMPARE(text->selectionCount(), 0);
}

void test_report_speech::charactersOfAPictureAreWhereItIs() {
    RichTextBox box;
    box.resize(400, 300);
    FillWithPicture(box);
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    QAccessibleTextInterface* text = TextOf(&box);
    QVERIFY(text != nullptr);
    const QRect before = text->characterRect(2);
    const QRect picture = text->characterRect(15);
    const QRect after = text->characterRect(24);
    // The picture's words lie on the picture's line, as wide as the picture, between the lines
    // before and after it.
    QCOMPARE(text->characterRect(9), picture);
    QVERIFY(picture.top() >= before.bottom());
    QVERIFY(after.top() >= picture.bottom());
    QVERIFY2(qAbs(picture.width() - 40) <= 1, qPrintable(QString::number(picture.width())));
    // Anywhere on the picture is its words' start; on a letter, that letter.
    QCOMPARE(text->offsetAtPoint(picture.topLeft() + QPoint(2, 2)), 9);
    QCOMPARE(text->offsetAtPoint(picture.bottomRight() - QPoint(2, 2)), 9);
    QCOMPARE(text->offsetAtPoint(after.center()), 24);
    QCOMPARE(text->offsetAtPoint(QPoint(after.right() + 1, after.center().y())), 25);
}

void test_report_speech::changedTextIsReadAfresh() {
    RichTextBox box;
    FillWithPicture(box);
    QAccessibleTextInterface* text = TextOf(&box);
    QVERIFY(text != nullptr);
    QCOMPARE(text->text(0, text->characterCount()), u"Top line\nHeart picture\nend"_s);
    box.SetSelStart(0);
    box.InsertPicture(SmallPicture());
    QCOMPARE(text->text(0, text->characterCount()), u"PictureTop line\nHeart picture\nend"_s);
    box.SetText(u"plain"_s);
    QCOMPARE(text->characterCount(), 5);
    QCOMPARE(text->text(0, 5), u"plain"_s);
}

QTEST_MAIN(test_report_speech)
#include "test_report_speech.moc"
