#pragma once

// What the report's tests share beyond their data: the messages the window shows, the text and
// colour runs of a box, and the poppler tools that read a PDF back.

#include "diary/PressureColours.h"
#include "diary/modGlobals.h"
#include "report/RichTextBox.h"
#include "report/frmReport.h"
#include "report/modPrint.h"
#include "tests/report/ReportTestData.h"
#include "widgets/modUtils.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QMap>
#include <QMimeData>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QSize>
#include <QSizeF>
#include <QStandardPaths>
#include <QStringList>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>
#include <QTimer>

#include <vector>

namespace reporttest {

// One message box the window showed.
struct Message {
    QMessageBox::Icon icon;
    QString szTitle;
    QString szText;
};

// Answers every message box with OK and keeps what was shown, from construction to destruction.
class Messages {
public:
    Messages() {
        SetMessageBoxHandler([this](QMessageBox::Icon icon, const QString& szTitle,
                                    const QString& szText, QMessageBox::StandardButtons) {
            shown.push_back({icon, szTitle, szText});
            return QMessageBox::Ok;
        });
    }
    ~Messages() { SetMessageBoxHandler(nullptr); }
    Messages(const Messages&) = delete;
    Messages& operator=(const Messages&) = delete;

    std::vector<Message> shown;
};

// Keeps the settings the window stores (its period) in a folder of the test's own, also when
// the test is run by hand, from construction on; Clear starts a test from none.
class PrivateSettings {
public:
    PrivateSettings() {
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_dir.path());
        QSettings::setDefaultFormat(QSettings::IniFormat);
    }
    static void Clear() {
        QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("tlg"),
                  QStringLiteral("tlg"))
            .clear();
    }

private:
    QTemporaryDir m_dir;
};

// The heading above the day lines, in the language taken in ("YOUR READINGS" in English).
inline QString HeadingWords() {
    return QCoreApplication::translate("ReportComposer", "YOUR READINGS");
}

// The report's text down to its day lines when there are none.
inline QString Heading() {
    return QStringLiteral("\r\n") + HeadingWords() + QStringLiteral("\r\n");
}

// The report's day part (from the empty line before "YOUR READINGS" to its end: Heading() and
// the day lines), and the summary's lines (between the first empty line and that part). The
// summary's first line is the one that counts the days "with both pressures".
inline QString DayPart(const QString& szText) {
    const qsizetype iHeading = szText.indexOf(QStringLiteral("\r\n") + Heading());
    return iHeading < 0 ? QStringLiteral("<no day part>") : szText.mid(iHeading + 2);
}
inline QStringList SummaryLines(const QString& szText) {
    const qsizetype iHeading = szText.indexOf(QStringLiteral("\r\n") + Heading());
    if (!szText.startsWith(QStringLiteral("\r\n")) || iHeading < 0) {
        return {QStringLiteral("<no summary>")};
    }
    return szText.mid(2, iHeading - 2).split(QStringLiteral("\r\n"));
}

inline QString ColourName(long lColor) {
    const QString szName = PressureColourName(lColor);
    return szName.isEmpty() ? QString::number(lColor, 16) : szName;
}

// The text runs of the box from its first day line on, as "colour:text", neighbours of one
// colour joined; line breaks as "\n". iDayLines: how many lines to take (-1: all).
// The first day line's block of a report's document: the one after "YOUR READINGS" and the
// empty line under it (the pictures and the summary stand above).
inline QTextBlock FirstDayBlock(const QTextDocument& document) {
    QTextBlock block = document.begin();
    while (block.isValid() && block.text() != HeadingWords()) {
        block = block.next();
    }
    return block.isValid() ? block.next().next() : block;
}

inline QStringList DayRuns(const RichTextBox& box, int iLines = -1) {
    QStringList runs;
    QString szLastColour;
    int iBlock = 0;
    const QTextBlock first = FirstDayBlock(*box.document());
    for (QTextBlock block = first; block.isValid(); block = block.next()) {
        if (iLines >= 0 && ++iBlock > iLines) {
            break;
        }
        QList<QPair<QString, QString>> pieces;
        if (block != first) {
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

inline QString Tool(const QString& szName) {
    return QStandardPaths::findExecutable(szName);
}

inline QString RunTool(const QString& szName, const QStringList& arguments) {
    QProcess process;
    process.start(Tool(szName), arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0) {
        return {};
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

inline int PdfPageCount(const QString& szPath) {
    const QString szInfo = RunTool(QStringLiteral("pdfinfo"), {szPath});
    const QRegularExpressionMatch match =
        QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(szInfo);
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

// The text of a PDF (iPage > 0: of that page alone), laid out as on the page.
inline QString PdfText(const QString& szPath, int iPage = 0) {
    QStringList arguments{QStringLiteral("-layout")};
    if (iPage > 0) {
        arguments << QStringLiteral("-f") << QString::number(iPage) << QStringLiteral("-l")
                  << QString::number(iPage);
    }
    arguments << szPath << QStringLiteral("-");
    return RunTool(QStringLiteral("pdftotext"), arguments);
}

// A picture a PDF places on a page: its pixels and the size it takes there.
struct PlacedPicture {
    int iPage = 0;
    QSize pixels;
    QSizeF inches;
};

// Every picture placed in a PDF, in the order of its pages (masks left out), as poppler's
// pdfimages reads them: the placed size comes from the picture's pixels and its dots per inch
// on the page.
inline std::vector<PlacedPicture> PdfPictures(const QString& szPath) {
    std::vector<PlacedPicture> pictures;
    const QString szList = RunTool(QStringLiteral("pdfimages"), {QStringLiteral("-list"), szPath});
    for (const QString& szLine : szList.split(u'\n')) {
        // page num type width height color comp bpc enc interp object ID x-ppi y-ppi size ratio
        const QStringList fields = szLine.simplified().split(u' ');
        if (fields.size() < 14 || fields[2] != QStringLiteral("image")) {
            continue;
        }
        PlacedPicture picture;
        picture.iPage = fields[0].toInt();
        picture.pixels = QSize(fields[3].toInt(), fields[4].toInt());
        const double xPpi = fields[12].toDouble();
        const double yPpi = fields[13].toDouble();
        if (picture.iPage <= 0 || picture.pixels.isEmpty() || xPpi <= 0 || yPpi <= 0) {
            continue;
        }
        picture.inches = QSizeF(picture.pixels.width() / xPpi, picture.pixels.height() / yPpi);
        pictures.push_back(picture);
    }
    return pictures;
}

// Every format of the clipboard with its bytes (a picture as its pixels).
inline QMap<QString, QByteArray> ClipboardContent() {
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

// Lays a report window out at 900 x 700 as its activation does, with no composition pending,
// and composes the report into its box.
inline void ComposeLaidOut(frmReport& frm) {
    frm.resize(900, 700);
    frm.Form_Activate();
    frm.tim->stop();
    frm.BuildReport(*frm.rtb);
}

// Before each test: no settings, no readings, no messages, an empty clipboard.
inline void StartTest(Messages& boxes) {
    PrivateSettings::Clear();
    boxes.shown.clear();
    ResetReadings();
    QGuiApplication::clipboard()->clear();
}

// After each test: the printer, save dialog and date hooks back to the real ones.
inline void EndTest() {
    modPrint::SetPrinterFactory(nullptr);
    frmReport::SetSaveDialog(nullptr);
    SetToday(QDate());
    frmReport::ForgetPeriodOfThisRun();
    frmReport::SetWriteStep(-1);
}

} // namespace reporttest
