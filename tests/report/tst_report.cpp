// The report window: its text and colours, the pictures at its top, the clipboard it borrows,
// printing and saving as PDF.

#include "app/shell/modUtils.h"
#include "mainwindow/readings/ctlChart.h"
#include "report/RichTextBox.h"
#include "report/frmReport.h"
#include "report/modPrint.h"
#include "tests/report/ReportTestData.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMimeData>
#include <QPdfWriter>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>
#include <QTextLayout>
#include <QTimer>
#include <QUrl>

using namespace Qt::StringLiterals;
using reporttest::AddDay;
using reporttest::Day;
using reporttest::ResetReadings;

namespace {

struct Message {
    QMessageBox::Icon icon;
    QString szTitle;
    QString szText;
};

QString Heading() {
    return QStringLiteral("\r\nYOUR READINGS\r\n");
}

QString ColourName(long lColor) {
    switch (lColor) {
    case frmReport::kBlack:
        return QStringLiteral("black");
    case frmReport::kRed:
        return QStringLiteral("red");
    case frmReport::kGreen:
        return QStringLiteral("green");
    case frmReport::kOrange:
        return QStringLiteral("orange");
    default:
        return QString::number(lColor, 16);
    }
}

// The text runs of the box from its first day line on, as "colour:text", neighbours of one
// colour joined; line breaks as "\n".
QStringList DayRuns(const RichTextBox& box) {
    QStringList runs;
    QString szLastColour;
    int iBlock = 0;
    for (QTextBlock block = box.document()->begin(); block.isValid(); block = block.next()) {
        if (iBlock++ < 3) {
            continue; // the pictures, the heading and the empty line
        }
        QList<QPair<QString, QString>> pieces;
        if (iBlock > 4) {
            pieces.append({QStringLiteral("black"), QStringLiteral("\n")});
        }
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            pieces.append(
                {ColourName(RichTextBox::ColorValue(fragment.charFormat().foreground().color())),
                 fragment.text()});
        }
        for (const auto& [szColour, szText] : pieces) {
            if (!runs.isEmpty() && szColour == szLastColour) {
                runs.last() += szText;
            } else {
                runs.append(szColour + u':' + szText);
                szLastColour = szColour;
            }
        }
    }
    return runs;
}

QString Tool(const QString& szName) {
    return QStandardPaths::findExecutable(szName);
}

QString RunTool(const QString& szName, const QStringList& arguments) {
    QProcess process;
    process.start(Tool(szName), arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0) {
        return {};
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

int PdfPageCount(const QString& szPath) {
    const QString szInfo = RunTool(QStringLiteral("pdfinfo"), {szPath});
    const QRegularExpressionMatch match =
        QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(szInfo);
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

QString PdfText(const QString& szPath, int iPage = 0) {
    QStringList arguments{QStringLiteral("-layout")};
    if (iPage > 0) {
        arguments << QStringLiteral("-f") << QString::number(iPage) << QStringLiteral("-l")
                  << QString::number(iPage);
    }
    arguments << szPath << QStringLiteral("-");
    return RunTool(QStringLiteral("pdftotext"), arguments);
}

// Every format of the clipboard with its bytes (a picture as its pixels).
QMap<QString, QByteArray> ClipboardContent() {
    QMap<QString, QByteArray> content;
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    if (data == nullptr) {
        return content;
    }
    for (const QString& szFormat : data->formats()) {
        if (szFormat == QStringLiteral("application/x-qt-image")) {
            const QImage picture = qvariant_cast<QImage>(data->imageData());
            content.insert(szFormat, QByteArray(reinterpret_cast<const char*>(picture.constBits()),
                                                picture.sizeInBytes()));
        } else {
            content.insert(szFormat, data->data(szFormat));
        }
    }
    return content;
}

} // namespace

class tst_report : public QObject {
    Q_OBJECT

    std::vector<Message> m_messages;
    QTemporaryDir m_dir;

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void formatDayKey_data();
    void formatDayKey();
    void colours_data();
    void colours();
    void reportText_data();
    void reportText();
    void dayColours();
    void picturesAtTop();
    void clipboardKept_data();
    void clipboardKept();
    void activation();
    void roundHalfEven_data();
    void roundHalfEven();
    void drawingRectangle();
    void severalPages();
    void tallPictureFitsPage();
    void widePictureScaledSmoothly();
    void printOutcome_data();
    void printOutcome();
    void saveAsPdf();
    void saveAsPdfFails();
};

void tst_report::initTestCase() {
    QVERIFY(m_dir.isValid());
    // TLG_KEEP_TEST_FILES=1 keeps the PDF files made here, to look at.
    if (!qEnvironmentVariableIsEmpty("TLG_KEEP_TEST_FILES")) {
        m_dir.setAutoRemove(false);
        qInfo("PDF files are kept in %s", qPrintable(m_dir.path()));
    }
    SetMessageBoxHandler([this](QMessageBox::Icon icon, const QString& szTitle,
                                const QString& szText, QMessageBox::StandardButtons) {
        m_messages.push_back({icon, szTitle, szText});
        return QMessageBox::Ok;
    });
}

void tst_report::init() {
    m_messages.clear();
    ResetReadings();
    QGuiApplication::clipboard()->clear();
}

void tst_report::cleanup() {
    modPrint::SetPrinterFactory(nullptr);
    frmReport::SetSaveDialog(nullptr);
    SetToday(QDate());
}

void tst_report::formatDayKey_data() {
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("shown");
    QTest::newRow("March keeps the day's zero") << "20270307"
                                                << "07 Mar 2027";
    QTest::newRow("January") << "20260101"
                             << "01 Jan 2026";
    QTest::newRow("December") << "20261231"
                              << "31 Dec 2026";
    QTest::newRow("September") << "20250915"
                               << "15 Sep 2025";
    QTest::newRow("month 13 has no word") << "20271307"
                                          << "072027";
    QTest::newRow("month 00 has no word") << "20270007"
                                          << "072027";
    QTest::newRow("month not digits") << "2027ab07"
                                      << "072027";
}

void tst_report::formatDayKey() {
    QFETCH(QString, key);
    QFETCH(QString, shown);
    QCOMPARE(frmReport::FormatDayKey(key), shown);
}

void tst_report::colours_data() {
    QTest::addColumn<QString>("systolic");
    QTest::addColumn<QString>("systolicColour");
    QTest::addColumn<QString>("diastolic");
    QTest::addColumn<QString>("diastolicColour");
    QTest::newRow("low") << "99"
                         << "red"
                         << "59"
                         << "red";
    QTest::newRow("lowest normal") << "100"
                                   << "green"
                                   << "60"
                                   << "green";
    QTest::newRow("highest normal") << "129"
                                    << "green"
                                    << "84"
                                    << "green";
    QTest::newRow("lowest raised") << "130"
                                   << "orange"
                                   << "85"
                                   << "orange";
    QTest::newRow("highest raised") << "149"
                                    << "orange"
                                    << "94"
                                    << "orange";
    QTest::newRow("high") << "150"
                          << "red"
                          << "95"
                          << "red";
    QTest::newRow("zero and negative") << "0"
                                       << "red"
                                       << "-70"
                                       << "red";
    QTest::newRow("halves round to even") << "129.5"
                                          << "orange"
                                          << "84.5"
                                          << "green";
    QTest::newRow("blanks around") << " 120 "
                                   << "green"
                                   << " 80"
                                   << "green";
    QTest::newRow("not a number") << "12a"
                                  << "black"
                                  << "eighty"
                                  << "black";
    QTest::newRow("beyond 16 bits") << "40000"
                                    << "black"
                                    << "99999"
                                    << "black";
}

void tst_report::colours() {
    QFETCH(QString, systolic);
    QFETCH(QString, systolicColour);
    QFETCH(QString, diastolic);
    QFETCH(QString, diastolicColour);
    QCOMPARE(ColourName(frmReport::SystolicColor(systolic)), systolicColour);
    QCOMPARE(ColourName(frmReport::DiastolicColor(diastolic)), diastolicColour);
}

void tst_report::reportText_data() {
    QTest::addColumn<QList<QStringList>>("days");
    QTest::addColumn<QString>("text");

    QTest::newRow("no readings") << QList<QStringList>{} << Heading();
    QTest::newRow("placeholder only")
        << QList<QStringList>{{u"20270307"_s, u""_s, u""_s, u""_s, u""_s}} << Heading();
    QTest::newRow("one full day") << QList<QStringList>{{u"20270307"_s, u"120"_s, u"80"_s, u"72"_s,
                                                         u"Walked"_s}}
                                  << Heading() + u"\r\n07 Mar 2027\t120/80:72   \tWalked"_s;
    QTest::newRow("pressures only")
        << QList<QStringList>{{u"20270307"_s, u"120"_s, u"80"_s, u""_s, u""_s}}
        << Heading() + u"\r\n07 Mar 2027\t120/80:   \t"_s;
    QTest::newRow("a day needs both pressures")
        << QList<QStringList>{{u"20270301"_s, u""_s, u""_s, u"72"_s, u""_s},
                              {u"20270302"_s, u""_s, u""_s, u""_s, u"Only a comment"_s},
                              {u"20270303"_s, u"120"_s, u""_s, u"72"_s, u"No diastolic"_s},
                              {u"20270304"_s, u""_s, u"80"_s, u"72"_s, u"No systolic"_s},
                              {u"20270305"_s, u"121"_s, u"81"_s, u""_s, u""_s}}
        << Heading() + u"\r\n05 Mar 2027\t121/81:   \t"_s;
    QTest::newRow("comment line breaks stay")
        << QList<QStringList>{{u"20270307"_s, u"120"_s, u"80"_s, u"72"_s,
                               u"Walked\r\nSlept well"_s},
                              {u"20270308"_s, u"130"_s, u"85"_s, u"70"_s, u"Tired"_s}}
        << Heading() + u"\r\n07 Mar 2027\t120/80:72   \tWalked\r\nSlept well"_s
                       u"\r\n08 Mar 2027\t130/85:70   \tTired"_s;
    QTest::newRow("oldest first whatever the entry order")
        << QList<QStringList>{{u"20270310"_s, u"130"_s, u"85"_s, u""_s, u""_s},
                              {u"20261231"_s, u"120"_s, u"80"_s, u""_s, u""_s},
                              {u"20270101"_s, u"125"_s, u"82"_s, u""_s, u""_s}}
        << Heading() + u"\r\n31 Dec 2026\t120/80:   \t\r\n01 Jan 2027\t125/82:   \t"_s
                       u"\r\n10 Mar 2027\t130/85:   \t"_s;
    QTest::newRow("values that are not numbers are printed as stored")
        << QList<QStringList>{{u"20270307"_s, u"12a"_s, u"eighty"_s, u"7 2"_s, u"ok"_s}}
        << Heading() + u"\r\n07 Mar 2027\t12a/eighty:7 2   \tok"_s;
    QTest::newRow("odd month") << QList<QStringList>{{u"20271307"_s, u"120"_s, u"80"_s, u"72"_s,
                                                      u""_s}}
                               << Heading() + u"\r\n072027\t120/80:72   \t"_s;
}

void tst_report::reportText() {
    QFETCH(QList<QStringList>, days);
    QFETCH(QString, text);
    for (const QStringList& d : days) {
        AddDay({d[0], d[1], d[2], d[3], d[4]});
    }
    frmReport frm;
    frm.BuildReport(*frm.rtb);
    QCOMPARE(frm.rtb->Text(), text);
    QVERIFY(frm.rtb->isReadOnly());
    // The printed copy is the same report.
    frm.BuildReport(*frm.rtbPrint);
    QCOMPARE(frm.rtbPrint->Text(), text);
}

void tst_report::dayColours() {
    AddDay({u"20270301"_s, u"99"_s, u"95"_s, u"60"_s, u"low, high"_s});
    AddDay({u"20270302"_s, u"135"_s, u"70"_s, u""_s, u"raised"_s});
    AddDay({u"20270303"_s, u"x1"_s, u"88"_s, u"61"_s, u""_s});
    frmReport frm;
    frm.BuildReport(*frm.rtb);
    const QStringList expected{u"black:01 Mar 2027\t"_s,
                               u"red:99"_s,
                               u"black:/"_s,
                               u"red:95"_s,
                               u"black::60   \tlow, high\n02 Mar 2027\t"_s,
                               u"orange:135"_s,
                               u"black:/"_s,
                               u"green:70"_s,
                               u"black::   \traised\n03 Mar 2027\tx1/"_s,
                               u"orange:88"_s,
                               u"black::61   \t"_s};
    QCOMPARE(DayRuns(*frm.rtb), expected);
}

void tst_report::picturesAtTop() {
    AddDay({u"20270307"_s, u"120"_s, u"80"_s, u"72"_s, u"Walked"_s});
    AddDay({u"20270308"_s, u"125"_s, u"82"_s, u"70"_s, u""_s});
    frmReport frm;
    frm.resize(900, 700);
    frm.Form_Activate();
    frm.tim->stop();
    frm.BuildReport(*frm.rtb);
    frm.BuildReport(*frm.rtbPrint);

    for (RichTextBox* box : {frm.rtb, frm.rtbPrint}) {
        QCOMPARE(box->PictureCount(), 2);
        // Both pictures stand at the top, header first, each on a line of its own; then the
        // heading follows.
        const QTextBlock first = box->document()->begin();
        QCOMPARE(first.text(), RichTextBox::PictureBreak() + QChar::ObjectReplacementCharacter);
        // The pictures' line is no taller than the two pictures with some leading.
        const qreal height = box->document()->documentLayout()->blockBoundingRect(first).height();
        QVERIFY2(height <
                     box->PictureShownSize(0).height() + box->PictureShownSize(1).height() + 20,
                 qPrintable(QString::number(height)));
        QCOMPARE(first.next().text(), QStringLiteral("YOUR READINGS"));
        const QImage header = box->PictureAt(0);
        QCOMPARE(header.deviceIndependentSize().toSize(), QSize(1000, 70));
        QCOMPARE(header, frm.imgHeader);
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

void tst_report::clipboardKept_data() {
    QTest::addColumn<QString>("kind");
    QTest::newRow("text") << "text";
    QTest::newRow("picture") << "picture";
    QTest::newRow("rich text") << "rich";
    QTest::newRow("files") << "files";
    QTest::newRow("empty") << "empty";
}

void tst_report::clipboardKept() {
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
    const QMap<QString, QByteArray> expected = ClipboardContent();
    QCOMPARE(expected.isEmpty(), kind == u"empty"_s);

    frmReport frm;
    frm.BuildReport(*frm.rtb);
    QCOMPARE(frm.rtb->PictureCount(), 2);
    QCOMPARE(ClipboardContent(), expected);
}

void tst_report::activation() {
    reporttest::FillDays(40);
    AddDay({u"20270307"_s, u"120"_s, u"80"_s, u"72"_s, u"Walked"_s});
    frmReport frm;
    QCOMPARE(frm.windowTitle(), QStringLiteral("Tensiolog Report"));
    QCOMPARE(frm.btPrint->text(), QStringLiteral("Print"));
    frm.show();
    QVERIFY(QTest::qWaitForWindowActive(&frm));
    // Empty at first, composed half a second after the activation.
    QCOMPARE(frm.rtb->TextLength(), 0);
    QTRY_VERIFY_WITH_TIMEOUT(frm.rtb->Text().contains(QStringLiteral("07 Mar 2027")), 3000);
    QCOMPARE(frm.rtb->PictureCount(), 2);
    QVERIFY(!frm.tim->isActive());
    const QString szSnapshots = qEnvironmentVariable("TLG_SNAPSHOT_DIR");
    if (!szSnapshots.isEmpty()) {
        frm.grab().save(QDir(szSnapshots).filePath(QStringLiteral("report-window.png")));
    }

    const int W = frm.width();
    const int H = frm.height();
    QCOMPARE(frm.rtb->geometry(), QRect(0, 0, W, H - frm.btPrint->height()));
    QCOMPARE(frm.btPrint->geometry().bottomRight(), QPoint(W - 1, H - 1));
    QCOMPARE(frm.btSavePdf->geometry().top(), frm.btPrint->geometry().top());
    QVERIFY(frm.btSavePdf->geometry().right() < frm.btPrint->geometry().left());
    QCOMPARE(frm.rtbPrint->width(), qRound(0.8 * W));
    QVERIFY(frm.rtbPrint->isHidden());
    QVERIFY(frm.ctlChart->isHidden());

    // The report box hands its focus on: the user cannot type into it.
    frm.rtb->setFocus();
    QTRY_VERIFY(frm.btPrint->hasFocus());

    // Resizing leaves the controls where they are until the next activation.
    const QRect box = frm.rtb->geometry();
    frm.resize(W + 60, H + 40);
    QCoreApplication::processEvents();
    QCOMPARE(frm.rtb->geometry(), box);
}

void tst_report::roundHalfEven_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("rounded");
    QTest::newRow("2.5") << 2.5 << 2;
    QTest::newRow("3.5") << 3.5 << 4;
    QTest::newRow("2.4") << 2.4 << 2;
    QTest::newRow("2.6") << 2.6 << 3;
    QTest::newRow("-2.5") << -2.5 << -2;
    QTest::newRow("-3.5") << -3.5 << -4;
    QTest::newRow("359.99") << 359.99 << 360;
}

void tst_report::roundHalfEven() {
    QFETCH(double, value);
    QFETCH(int, rounded);
    QCOMPARE(modPrint::RoundHalfEven(value), rounded);
}

void tst_report::drawingRectangle() {
    // Letter paper, printable area a quarter inch in, the Print command's margins.
    const modPrint::TwipsRect rc =
        modPrint::DrawingRectangle(1000, 1000, 100, 100, 360, 360, 12240, 15840);
    QCOMPARE(rc, (modPrint::TwipsRect{640, 640, 11780, 15380}));
    // No offset: the margins themselves.
    QCOMPARE(modPrint::DrawingRectangle(1000, 1000, 100, 100, 0, 0, 11906, 16838),
             (modPrint::TwipsRect{1000, 1000, 11806, 16738}));
}

void tst_report::severalPages() {
    if (Tool(QStringLiteral("pdfinfo")).isEmpty() || Tool(QStringLiteral("pdftotext")).isEmpty()) {
        QSKIP("pdfinfo and pdftotext (poppler-utils) are needed to read the PDF back");
    }
    const int iDays = 300;
    reporttest::FillDays(iDays);
    frmReport frm;
    frm.BuildReport(*frm.rtbPrint);
    const QString szPath = m_dir.filePath(QStringLiteral("several.pdf"));
    QString szError;
    QVERIFY2(modPrint::SaveRichTextBoxAsPdf(*frm.rtbPrint, szPath, 1000, 1000, 100, 100, &szError),
             qPrintable(szError));
    const int iPages = PdfPageCount(szPath);
    QVERIFY2(iPages >= 3, qPrintable(QString::number(iPages)));

    // Every day is on paper exactly once: no line is lost or repeated at a page break.
    const QString szText = PdfText(szPath);
    const QRegularExpression dayLine(QStringLiteral("\\d\\d (Jan|Feb|Mar|Apr|May|Jun|Jul|Aug|Sep|"
                                                    "Oct|Nov|Dec) \\d{4}"));
    QCOMPARE(szText.count(dayLine), iDays);
    QVERIFY(PdfText(szPath, 1).contains(QStringLiteral("YOUR READINGS")));
    QVERIFY(PdfText(szPath, 1).contains(QStringLiteral("01 Jan 2000")));
    const QString szLastDay =
        frmReport::FormatDayKey(reporttest::KeyOf(QDate(2000, 1, 1).addDays(iDays - 1)));
    QVERIFY(PdfText(szPath, iPages).contains(szLastDay));
    // The box keeps showing its pictures at its own width: a copy was laid out for the paper.
    QVERIFY(frm.rtbPrint->PictureShownSize(1).width() <= frm.rtbPrint->ScreenPictureWidth() + 0.01);
}

void tst_report::tallPictureFitsPage() {
    RichTextBox box;
    box.resize(400, 300);
    QImage tall(60, 12000, QImage::Format_RGB32);
    tall.fill(Qt::darkBlue);
    box.InsertPicture(tall);
    box.SetSelStart(box.TextLength());
    box.SetSelText(QStringLiteral("\r\nafter the picture"));
    QBuffer buffer;
    QVERIFY(buffer.open(QIODevice::WriteOnly));
    QPdfWriter writer(&buffer);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    // Unscaled the picture would run over some thirty pages; scaled it takes one or two.
    const int iPages = modPrint::RenderPages(box, writer, 1000, 1000, 100, 100);
    QVERIFY2(iPages >= 1 && iPages <= 2, qPrintable(QString::number(iPages)));
    // An empty box still prints one page and ends.
    RichTextBox empty;
    QBuffer emptyBuffer;
    QVERIFY(emptyBuffer.open(QIODevice::WriteOnly));
    QPdfWriter emptyWriter(&emptyBuffer);
    QCOMPARE(modPrint::RenderPages(empty, emptyWriter, 1000, 1000, 100, 100), 1);
}

void tst_report::widePictureScaledSmoothly() {
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

void tst_report::printOutcome_data() {
    QTest::addColumn<QString>("printer");
    QTest::addColumn<QString>("message");
    const QString szNotPrinted =
        u"This report was not printed. This was due to you either cancelling the printing or the "_s
        u"printer being offline."_s;
    QTest::newRow("no default printer") << u"none"_s << szNotPrinted;
    QTest::newRow("a printer that would quietly write a file")
        << u"nameless file"_s << szNotPrinted;
    QTest::newRow("printed") << u"Office"_s
                             << u"This report has been sent to your default printer (Office)."_s;
}

void tst_report::printOutcome() {
    QFETCH(QString, printer);
    QFETCH(QString, message);
    AddDay({u"20270307"_s, u"120"_s, u"80"_s, u"72"_s, u"Walked"_s});
    const QString szOut = m_dir.filePath(QStringLiteral("printed-%1.pdf").arg(printer));
    modPrint::SetPrinterFactory([&]() {
        modPrint::PrinterChoice choice;
        if (printer == u"none"_s) {
            return choice;
        }
        choice.printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        choice.printer->setOutputFormat(QPrinter::PdfFormat);
        if (printer == u"Office"_s) {
            choice.printer->setOutputFileName(szOut);
        }
        choice.szName = printer;
        return choice;
    });
    frmReport frm;
    frm.btPrint->click();
    QCOMPARE(m_messages.size(), size_t(1));
    QCOMPARE(m_messages[0].icon, QMessageBox::Warning);
    QCOMPARE(m_messages[0].szTitle, QStringLiteral("Free Tensiolog Warning"));
    QCOMPARE(m_messages[0].szText, message);
    QCOMPARE(QFile::exists(szOut), printer == u"Office"_s);
    QVERIFY(frm.rtbPrint->Text().contains(QStringLiteral("07 Mar 2027")));

    // Printing twice prints the same report twice, each built afresh.
    if (printer == u"Office"_s) {
        const QString szFirst = frm.rtbPrint->Text();
        frm.btPrint->click();
        QCOMPARE(m_messages.size(), size_t(2));
        QCOMPARE(m_messages[1].szText, message);
        QCOMPARE(frm.rtbPrint->Text(), szFirst);
        QCOMPARE(frm.rtbPrint->PictureCount(), 2);
    }
}

void tst_report::saveAsPdf() {
    if (Tool(QStringLiteral("pdftotext")).isEmpty()) {
        QSKIP("pdftotext (poppler-utils) is needed to read the PDF back");
    }
    AddDay({u"20270307"_s, u"120"_s, u"80"_s, u"72"_s, u"Walked"_s});
    AddDay({u"20270308"_s, u"150"_s, u"95"_s, u"80"_s, u"Headache"_s});
    SetToday(QDate(2027, 3, 9));
    const QString szChosen = m_dir.filePath(QStringLiteral("for the doctor"));
    QString szProposed;
    frmReport::SetSaveDialog([&](QWidget*, const QString& szPath) {
        szProposed = szPath;
        return szChosen;
    });
    frmReport frm;
    frm.btSavePdf->click();

    QCOMPARE(QFileInfo(szProposed).fileName(), QStringLiteral("Tensiolog report 2027-03-09.pdf"));
    QCOMPARE(QFileInfo(szProposed).absolutePath(),
             QFileInfo(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
                 .absoluteFilePath());
    const QString szSaved = szChosen + QStringLiteral(".pdf");
    QVERIFY(QFile::exists(szSaved));
    QCOMPARE(m_messages.size(), size_t(1));
    QCOMPARE(m_messages[0].szTitle, QStringLiteral("Free Tensiolog Warning"));
    QCOMPARE(m_messages[0].szText, QStringLiteral("This report has been saved as ") +
                                       QDir::toNativeSeparators(szSaved) + QStringLiteral("."));
    const QString szText = PdfText(szSaved);
    QVERIFY(szText.contains(QStringLiteral("YOUR READINGS")));
    QVERIFY(szText.contains(QStringLiteral("07 Mar 2027")));
    QVERIFY(szText.contains(QStringLiteral("Headache")));
    QCOMPARE(PdfPageCount(szSaved), 1);

    // Cancelling the dialog saves nothing and says nothing.
    frmReport::SetSaveDialog([](QWidget*, const QString&) { return QString(); });
    frm.btSavePdf->click();
    QCOMPARE(m_messages.size(), size_t(1));
}

void tst_report::saveAsPdfFails() {
    const QString szPath = m_dir.filePath(QStringLiteral("no such folder/report.pdf"));
    frmReport::SetSaveDialog([&](QWidget*, const QString&) { return szPath; });
    frmReport frm;
    frm.btSavePdf->click();
    QVERIFY(!QFile::exists(szPath));
    QCOMPARE(m_messages.size(), size_t(1));
    QVERIFY2(m_messages[0].szText.startsWith(QStringLiteral("This report was not saved as ") +
                                             QDir::toNativeSeparators(szPath)),
             qPrintable(m_messages[0].szText));
}

QTEST_MAIN(tst_report)
#include "tst_report.moc"
