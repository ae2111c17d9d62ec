#include "mainwindow/CsvImport.h"

#include "diary/ReadingsCsv.h"
#include "diary/modGlobals.h"
#include "widgets/modUtils.h"

#include <QCoreApplication>
#include <QDropEvent>
#include <QEvent>
#include <QMimeData>
#include <QUrl>
#include <QWidget>

#include <utility>

namespace {

// The import's words, under one context for translators.
struct Words {
    Q_DECLARE_TR_FUNCTIONS(CsvImport)
};

class CsvDropFilter : public QObject {
public:
    CsvDropFilter(QObject* parent, std::function<void(QDropEvent*)> over,
                  std::function<void(QDropEvent*)> drop)
        : QObject(parent), m_over(std::move(over)), m_drop(std::move(drop)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const QEvent::Type type = event->type();
        if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop) {
            return QObject::eventFilter(watched, event);
        }
        auto* drag = static_cast<QDropEvent*>(event);
        if (DroppedCsvFile(drag->mimeData()).isEmpty()) {
            return QObject::eventFilter(watched, event);
        }
        (type == QEvent::Drop ? m_drop : m_over)(drag);
        return true;
    }

private:
    std::function<void(QDropEvent*)> m_over;
    std::function<void(QDropEvent*)> m_drop;
};

void Refuse(const QString& szWhy) {
    //: %1 the reason
    ShowMessageBox(QMessageBox::Warning, WarningTitle(),
                   Words::tr("Nothing was imported. %1").arg(szWhy), QMessageBox::Ok);
}

// The readings of the file at szPath; on failure the user has been told why.
bool ReadImportableCsv(const QString& szPath, const QString& szName, CsvReadings* pReadings) {
    // The command line's rule: an ordinary file of at most 64 MB.
    QByteArray bytes;
    QString szReadError;
    if (!ReadCsvFile(szPath, &bytes, &szReadError)) {
        Refuse(szReadError + u'.');
        return false;
    }
    if (!IsCsvFileName(szPath)) {
        //: %1 the file's name
        Refuse(Words::tr("%1 is not a CSV file (its name does not end in .csv).").arg(szName));
        return false;
    }
    CsvReadError error;
    if (!ReadReadingsCsv(bytes, szName, CsvDateOrder::Unknown, pReadings, &error)) {
        QString szWhy = error.szMessage + u'.';
        if (error.bAmbiguousDates) {
            //: Keep the command and its options as they are: they are typed as written
            szWhy += QStringLiteral("\n\n") +
                     Words::tr("The command tlg --import-csv with --date-order dmy (day first) or "
                               "mdy (month first) reads such a file.");
        }
        Refuse(szWhy);
        return false;
    }
    return true;
}

// Tells what merging the readings would do and asks whether to; true on Yes.
bool ConfirmMerge(const QString& szName, const CsvReadings& readings,
                  const CsvMergeSummary& summary) {
    const QString szDescription =
        CsvReadingsDescription(szName, readings) + u'\n' + CsvMergeDescription(summary, false);
    if (summary.iAdded + summary.Changed() == 0) {
        ShowMessageBox(QMessageBox::Information, Words::tr("Import Readings"),
                       //: %1 what the file holds
                       Words::tr("Nothing to import: the diary already holds the readings of this "
                                 "file.\n\n%1")
                           .arg(szDescription),
                       QMessageBox::Ok);
        return false;
    }
    const QMessageBox::StandardButton answer = ShowMessageBox(
        QMessageBox::Question, Words::tr("Import Readings"),
        //: %1 how many days are added ("3 days"), %2 how many are changed, %3 what the file holds
        Words::tr("%1 will be added to the diary and %2 changed (empty values filled in).\n\n%3"
                  "\n\nImport these readings?")
            .arg(Words::tr("%n days", nullptr, summary.iAdded),
                 Words::tr("%n days", nullptr, summary.Changed()), szDescription),
        QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    return answer == QMessageBox::Yes;
}

} // namespace

QString DroppedCsvFile(const QMimeData* pData) {
    if (pData == nullptr || !pData->hasUrls() || pData->urls().size() != 1) {
        return {};
    }
    const QUrl url = pData->urls().constFirst();
    if (!url.isLocalFile() || !IsCsvFileName(url.fileName())) {
        return {};
    }
    return url.toLocalFile();
}

void PassCsvDrops(QWidget* window, const std::initializer_list<QWidget*>& controls,
                  std::function<void(QDropEvent*)> over, std::function<void(QDropEvent*)> drop) {
    auto* filter = new CsvDropFilter(window, std::move(over), std::move(drop));
    for (QWidget* control : controls) {
        control->installEventFilter(filter);
    }
}

bool AskAndImportCsv(const QString& szPath) {
    const QString szName = CsvNameForMessages(szPath);
    CsvReadings readings;
    if (!ReadImportableCsv(szPath, szName, &readings)) {
        return false;
    }
    CsvMergeSummary summary;
    QString szError;
    if (!MergeCsvReadings(objReadings, readings, false, false, &summary, &szError)) {
        Refuse(szError + u'.');
        return false;
    }
    if (!ConfirmMerge(szName, readings, summary)) {
        return false;
    }
    if (!MergeCsvReadings(objReadings, readings, false, true, &summary, &szError)) {
        Refuse(szError + u'.');
        return false;
    }
    return true;
}
