#pragma once

#include "report/ReportComposer.h"
#include "report/modPrint.h"
#include "xmlstore/clsXMLTag.h"

#include <QColor>
#include <QDate>
#include <QDialog>
#include <QImage>
#include <QString>

#include <functional>
#include <memory>
#include <utility>

class ctlChart;
class QPushButton;
class QTimer;
class RichTextBox;
class QComboBox;
class QDateEdit;
class QElapsedTimer;
class QLabel;

// The report window: the coloured report of every day with both pressures in the chosen period
// and its summary, under the header picture and a picture of the chart, ready to print or save
// as PDF.
class frmReport : public QDialog {
    Q_OBJECT
public:
    // Loads the window for the readings under objReadings (fills its hidden chart from them)
    // without showing it.
    explicit frmReport(std::shared_ptr<clsXMLTag> objReadings, QWidget* parent = nullptr);
    ~frmReport() override;

    // Colour of the frame around the control that has the keyboard focus.
    static inline const QColor kFocusColour = QColor(0x0b, 0x57, 0xd0);

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
    // Which days the report covers: the choice, and the first and last day of "From … to …"
    // (shown only for that choice).
    QLabel* lblPeriod = nullptr;
    QComboBox* cboPeriod = nullptr;
    QDateEdit* dtFrom = nullptr;
    QDateEdit* dtTo = nullptr;
    // Composes the report a moment after each activation.
    QTimer* tim = nullptr;
    // The header picture, and the holder each picture passes through on its way into the text
    // with the words a screen reader says in its place.
    QImage imgHeader;
    // The header picture, drawn for this report when it is first needed.
    const QImage& HeaderPicture();
    QImage img;
    QString szImgText;
    // What a screen reader says in place of the header picture: the words it shows.
    static QString HeaderPictureText();

    // Appends the complete report of the chosen period (text, then the header and chart pictures
    // at its top); returns the period in words.
    QString BuildReport(RichTextBox& rtbTarget);
    // Composes the copy that is printed or saved, afresh, in rtbPrint; returns what the printed
    // document says about itself (title, creator, footer).
    modPrint::DocumentInfo BuildPrintCopy();

    // The period chosen now, and a new choice (the report follows at once).
    ReportPeriod Period() const;
    void SetPeriod(const ReportPeriod& period);
    // Appends a composed report's lines and colours at the end of the box.
    static void WriteComposition(RichTextBox& rtbTarget, const ReportComposition& composition);
    // Appends text at the very end of the box in a colour.
    static void AppendColoredText(RichTextBox& rtbTarget, const QString& szText, long lColor);

    // Insert the picture in img, or a picture of the chart sized from the box, at the caret,
    // straight into the box's document (the clipboard is never used).
    void PasteImageRTF(RichTextBox& rtbTarget);
    void PasteChartRTF(RichTextBox& rtbTarget);
    // The size and scale of the chart's picture in a report written into rtbTarget.
    std::pair<QSize, qreal> ChartPictureSize(const RichTextBox& rtbTarget) const;

    // Rebuilds the hidden chart from the readings.
    void FillReadingsChart();

    // Event handlers.
    void Form_Load();
    void Form_Activate();
    void Form_Resize();
    void tim_Timer();
    // Halfway through the half-second wait: the report is written ahead, a step at a time, and
    // shown (laid out) once the wait is over; nothing when the wait is over or a writing is
    // under way.
    void WriteAhead();
    // Whether the screen report is still being written: the half-second pause's composition and
    // a new period or readings write it in steps, the window answering between them.
    bool IsWriting() const;
    // How long a step of that writing lasts at most (beyond its last 200 lines), in
    // nanoseconds; negative: the usual 40 ms. 0 makes every 200 lines a step.
    static void SetWriteStep(qint64 iNs);
    void rtb_GotFocus();
    void btPrint_Click();
    void btSavePdf_Click();
    void cboPeriod_Click();
    void dtFrom_Change();
    void dtTo_Change();

    // Writes the report of the period chosen as "Save as PDF…" writes it, to szPath, safely (the
    // file is replaced only when complete); false with the reason in pszError. pszPeriod: the
    // period in words, as the document's title gives it.
    bool SavePdf(const QString& szPath, QString* pszError = nullptr, QString* pszPeriod = nullptr);
    // The same without a window on the screen: the report of the readings under objReadings
    // for the period, laid out as the window at its designed size lays it out.
    static bool SaveReportAsPdf(std::shared_ptr<clsXMLTag> objReadings, const ReportPeriod& period,
                                const QString& szPath, QString* pszError = nullptr,
                                QString* pszPeriod = nullptr);

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
    // Test seam: the period chosen in this run is forgotten, as at the start of a new run.
    static void ForgetPeriodOfThisRun();
    // The readings it was given changed (another computer's were taken in): the chart and the
    // report are made again for the period shown.
    void ShowReadingsAgain();

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    // Scrolls the report box as the reading keys (PageUp, PageDown, Up, Down, Home, End) would;
    // false for any other key.
    bool ScrollReport(int iKey);
    // A new period: remembered, the chart refilled and the report shown composed afresh.
    void PeriodChanged();
    // Makes the chart and the report again at once; a composition still due is this one.
    void Recompose();
    // The period chosen earlier in this run ("All readings" in a new run), and back.
    void LoadPeriod();
    void StorePeriod();

    // The constructor's parts: the report box, its print copy and the chart behind them; the
    // Print and "Save as PDF…" buttons; the period's label, choice and dates.
    void BuildBoxes();
    void BuildButtons();
    void BuildPeriodChoice();
    // The "Export CSV…" button: made beside "Save as PDF…", and placed left of it.
    void BuildExportCsvButton();
    void PlaceExportCsvButton();
    // The period's label, choice and dates: left of the buttons, or above them where the row
    // has no room for them; the report box takes the height above.
    void PlacePeriodChoice();

    class Writing;
    // Writes the screen report into the emptied box, its first step at once. Written ahead,
    // during the half-second wait, the box is not laid out (and so shows nothing) before the
    // wait is over.
    void WriteInSteps(bool bAhead = false);
    // The next step of the screen report's writing, from a clock started at the step's start.
    void ContinueWriting(const QElapsedTimer& clock);
    // Stops a writing under way and empties the box.
    void StopWriting();
    // What follows the last line of a box's report: the caret to the top, read-only.
    void WritingDone(RichTextBox& rtbTarget);
    // Lines iFrom to iTo (exclusive) of a composition, each after a line break but the first
    // line of all: written range after range, the same text as written at once.
    static void WriteLines(RichTextBox& rtbTarget, const ReportComposition& composition,
                           size_t iFrom, size_t iTo);

    // The readings this window reports on.
    std::shared_ptr<clsXMLTag> m_objReadings;
    // The screen report while it is written in steps, and the timer of the next step.
    std::unique_ptr<Writing> m_writing;
    QTimer* m_timWriting = nullptr;
    // The writing under way began during the wait: written out, it is held until the wait ends.
    bool m_bWritingAhead = false;
    // The period in words of the copy composed last for the printer.
    QString m_szPrintedPeriod;
};
