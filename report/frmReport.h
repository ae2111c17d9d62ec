#pragma once

#include "xmlstore/clsXMLTag.h"

#include <QDate>
#include <QDialog>
#include <QImage>
#include <QString>

#include <functional>
#include <memory>

class ctlChart;
class QPushButton;
class QTimer;
class RichTextBox;

// The report window: the coloured report of every day with both pressures, under the header
// picture and a picture of the chart, ready to print or save as PDF.
class frmReport : public QDialog {
    Q_OBJECT
public:
    // Loads the window (fills its hidden chart from the readings) without showing it.
    explicit frmReport(QWidget* parent = nullptr);
    ~frmReport() override;

    // Colour values (red in the lowest byte) of the report text.
    static constexpr long kBlack = 0x000000;
    static constexpr long kRed = 0x0000FF;
    static constexpr long kGreen = 0x00FF00;
    static constexpr long kOrange = 0x0080FF;

    // Margins of a printed report, in twips from the paper's edges.
    static constexpr qint32 kLeftMargin = 1000;
    static constexpr qint32 kTopMargin = 1000;
    static constexpr qint32 kRightMargin = 100;
    static constexpr qint32 kBottomMargin = 100;

    // The report as the user sees it, and the copy that is printed (never shown).
    RichTextBox* rtb = nullptr;
    RichTextBox* rtbPrint = nullptr;
    // Source of the chart picture; never shown.
    ::ctlChart* ctlChart = nullptr;
    QPushButton* btPrint = nullptr;
    QPushButton* btSavePdf = nullptr;
    QPushButton* btExportCsv = nullptr;
    // Composes the report a moment after each activation.
    QTimer* tim = nullptr;
    // The header picture, and the holder each picture passes through on its way into the text.
    QImage imgHeader;
    QImage img;

    // Appends the complete report (text, then the header and chart pictures at its top).
    void BuildReport(RichTextBox& rtbTarget);
    // Appends one day's line, or nothing unless both pressures are present.
    static void WriteFormattedEntry(RichTextBox& rtbTarget, const QString& szDate,
                                    const QString& szSys, const QString& szDia,
                                    const QString& szPulse, const QString& szComment);
    // Display date of a day entry from its key: "07 Mar 2027".
    static QString FormatDayKey(const clsXMLTag& objDay);
    static QString FormatDayKey(const QString& szDayKey);
    // Appends text at the very end of the box in a colour.
    static void AppendColoredText(RichTextBox& rtbTarget, const QString& szText, long lColor);
    // Colour of a systolic or diastolic text by its range; black for text that is not a number.
    static long SystolicColor(const QString& szReading);
    static long DiastolicColor(const QString& szReading);

    // Insert the picture in img, or a picture of the chart sized from the box, at the caret.
    void PasteImageRTF(RichTextBox& rtbTarget);
    void PasteChartRTF(RichTextBox& rtbTarget);

    // Rebuilds the hidden chart from the readings.
    void FillReadingsChart();

    // Event handlers.
    void Form_Load();
    void Form_Activate();
    void Form_Resize();
    void tim_Timer();
    void rtb_GotFocus();
    void btPrint_Click();
    void btSavePdf_Click();

    // Where "Save as PDF…" proposes to save: the documents folder, "Tensiolog report <date>.pdf".
    static QString DefaultPdfPath(const QDate& today);

    // "Export CSV…": asks where, then writes the readings the report shows as CSV.
    void btExportCsv_Click();
    // Writes the readings from dtFirst to dtLast (an invalid date leaves that end open) as CSV
    // over szPath, safely, separated as the user's spreadsheets expect; tells the user where
    // they went, or why not. True when written.
    bool ExportCsv(const QString& szPath, const QDate& dtFirst = QDate(),
                   const QDate& dtLast = QDate());
    // Where "Export CSV…" proposes to save: the documents folder, "Tensiolog readings <date>.csv".
    static QString DefaultCsvPath(const QDate& today);

    // Test seam: the save dialog (returns the chosen path, empty when cancelled).
    using SaveDialog = std::function<QString(QWidget* parent, const QString& szProposedPath)>;
    static void SetSaveDialog(SaveDialog dialog);

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    bool PutClipboardPicture(const QImage& objPicture);
    // The "Export CSV…" button: made beside "Save as PDF…", and placed left of it.
    void BuildExportCsvButton();
    void PlaceExportCsvButton();
};
