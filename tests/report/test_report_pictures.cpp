// The pictures at the report's top, which go into it without the user's clipboard.

#include "diary/PressureColours.h"
#include "diary/modGlobals.h"
#include "report/ReportComposer.h"
#include "report/RichTextBox.h"
#include "report/frmReport.h"
#include "report/modPrint.h"
#include "tests/report/ReportTestData.h"
#include "tests/report/ReportTestTools.h"
#include "widgets/ctlChart.h"

#include <QAbstractTextDocumentLayout>
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QSignalSpy>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTimer>
#include <QUrl>

using namespace Qt::StringLiterals;
using reporttest::AddDay;
using reporttest::ColourName;
using reporttest::Day;
using reporttest::Heading;
using reporttest::ResetReadings;

class test_report_pictures : public QObject {
    Q_OBJECT

    reporttest::PrivateSettings m_settings;
    reporttest::Messages m_boxes;

private slots:
    void init();
    void cleanup();

    void picturesAtTop();
    void clipboardNeverTouched_data();
    void clipboardNeverTouched();
    void widePictureScaledSmoothly();
};

void test_report_pictures::init() {
    reporttest::StartTest(m_boxes);
}

void test_report_pictures::cleanup() {
    reporttest::EndTest();
}

void test_report_pictures::picturesAtTop() {
    AddDay({u"20270307"_s, u"120"_s, u"80"_s, u"72"_s, u"Walked"_s});
    AddDay({u"20270308"_s, u"125"_s, u"82"_s, u"70"_s, u""_s});
    frmReport frm(reporttest::Readings());
    reporttest::ComposeLaidOut(frm);
    frm.BuildReport(*frm.rtbPrint);

    for (RichTextBox* box : {frm.rtb, frm.rtbPrint}) {
        QCOMPARE(box->PictureCount(), 2);
        // Both pictures stand at the top, header first, each on a line of its own; then the
        // summary follows.
        const QTextBlock first = box->document()->begin();
        QCOMPARE(first.text(), RichTextBox::PictureBreak() + QChar::ObjectReplacementCharacter);
        // The pictures' line is no taller than the two pictures with some leading.
        const qreal height = box->document()->documentLayout()->blockBoundingRect(first).height();
        QVERIFY2(height <
                     box->PictureShownSize(0).height() + box->PictureShownSize(1).height() + 20,
                 qPrintable(QString::number(height)));
        QCOMPARE(first.next().text(), u"7 Mar 2027 to 8 Mar 2027: 2 days with both pressures"_s);
        const QImage header = box->PictureAt(0);
        QCOMPARE(header.deviceIndependentSize().toSize(), QSize(1000, 70));
        QCOMPARE(header, frm.HeaderPicture());
        // Shown no wider than the box, in proportion.
        for (int i = 0; i < 2; ++i) {
            const QSizeF shown = box->PictureShownSize(i);
            const QSizeF own = box->PictureAt(i).deviceIndependentSize();
            QVERIFY(shown.width() <= box->ScreenPictureWidth() + 0.01);
            QVERIFY(qAbs(shown.width() / shown.height() - own.width() / own.height()) < 0.01);
        }
    }
    // The chart is drawn 1.96 times as wide and 1.12 times as tall as the box it goes into, so
    // the printed copy's chart (box 0.8 times as wide) is narrower by that factor.
    const QSizeF screenChart = frm.rtb->PictureAt(1).deviceIndependentSize();
    const QSizeF printChart = frm.rtbPrint->PictureAt(1).deviceIndependentSize();
    QVERIFY(qAbs(screenChart.width() - 1.96 * frm.rtb->width()) <= 1);
    QVERIFY(qAbs(screenChart.height() - 1.12 * frm.rtb->height()) <= 1);
    QVERIFY(qAbs(printChart.width() / screenChart.width() - 0.8) < 0.01);
    QVERIFY(frm.ctlChart->isHidden());

    // Emptying the box lets its pictures go (each activation rebuilds the report).
    frm.rtb->SetText(QString());
    QVERIFY(frm.rtb->document()
                ->resource(QTextDocument::ImageResource, QUrl(QStringLiteral("tlg-picture:1")))
                .isNull());
    // Building again into the emptied box shows both pictures again, read-only or not.
    frm.BuildReport(*frm.rtb);
    QCOMPARE(frm.rtb->PictureCount(), 2);
}

void test_report_pictures::clipboardNeverTouched_data() {
    QTest::addColumn<QString>("kind");
    QTest::newRow("text") << "text";
    QTest::newRow("picture") << "picture";
    QTest::newRow("rich text") << "rich";
    QTest::newRow("files") << "files";
    QTest::newRow("empty") << "empty";
}

void test_report_pictures::clipboardNeverTouched() {
    QFETCH(QString, kind);
    AddDay({u"20270307"_s, u"120"_s, u"80"_s, u"72"_s, u"Walked"_s});
    QClipboard* clipboard = QGuiApplication::clipboard();
    auto* before = new QMimeData;
    if (kind == u"text"_s) {
        before->setText(QStringLiteral("a note for later"));
    } else if (kind == u"picture"_s) {
        QImage picture(37, 23, QImage::Format_ARGB32);
        picture.fill(QColor(10, 200, 30, 128));
        picture.setPixelColor(3, 4, Qt::red);
        before->setImageData(picture);
    } else if (kind == u"rich"_s) {
        before->setHtml(QStringLiteral("<b>bold</b> words"));
        before->setText(QStringLiteral("bold words"));
        before->setData(QStringLiteral("application/x-tlg-private"), QByteArray("\x00\x01\x02", 3));
    } else if (kind == u"files"_s) {
        before->setUrls({QUrl::fromLocalFile(QStringLiteral("/tmp/one.txt")),
                         QUrl::fromLocalFile(QStringLiteral("/tmp/two.pdf"))});
    }
    if (kind == u"empty"_s) {
        delete before;
        clipboard->clear();
    } else {
        clipboard->setMimeData(before);
    }
    const QMap<QString, QByteArray> expected = reporttest::ClipboardContent();
    QCOMPARE(expected.isEmpty(), kind == u"empty"_s);

    // Whatever another program offers, the report neither reads nor changes it: the pictures go
    // into the document directly (another program's large picture once froze the window while
    // every format of it was fetched, and the clipboard was set and cleared three times).
    QSignalSpy changes(clipboard, &QClipboard::dataChanged);
    frmReport frm(reporttest::Readings());
    frm.BuildReport(*frm.rtb);
    frm.BuildPrintCopy();
    QCOMPARE(frm.rtb->PictureCount(), 2);
    QCOMPARE(frm.rtbPrint->PictureCount(), 2);
    QCOMPARE(changes.count(), 0);
    QCOMPARE(reporttest::ClipboardContent(), expected);
}

void test_report_pictures::widePictureScaledSmoothly() {
    // One-pixel black lines on white, four times wider than the box: shown scaled down, they
    // must come out as an even grey, not as whole black or white columns picked at random.
    RichTextBox box;
    box.resize(300, 300);
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    QImage lines(1200, 200, QImage::Format_RGB32);
    lines.fill(Qt::white);
    for (int x = 0; x < lines.width(); x += 2) {
        for (int y = 0; y < lines.height(); ++y) {
            lines.setPixel(x, y, qRgb(0, 0, 0));
        }
    }
    box.InsertPicture(lines);
    const QSizeF shown = box.PictureShownSize(0);
    QVERIFY(shown.width() < 400);
    const QImage screen = box.viewport()->grab().toImage();
    int iPure = 0;
    int iSamples = 0;
    for (int x = 20; x < static_cast<int>(shown.width()) - 20; ++x) {
        const int grey =
            qGray(screen.pixel(x * screen.width() / box.viewport()->width(), screen.height() / 8));
        iPure += grey < 40 || grey > 215 ? 1 : 0;
        ++iSamples;
    }
    QVERIFY(iSamples > 100);
    QVERIFY2(iPure * 10 < iSamples,
             qPrintable(QStringLiteral("%1 of %2").arg(iPure).arg(iSamples)));
}

QTEST_MAIN(test_report_pictures)
#include "test_report_pictures.moc"
