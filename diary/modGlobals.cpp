#include "diary/modGlobals.h"

#include "i18n/Translations.h"
#include "xmlstore/clsXMLTag.h"
#include "xmlstore/clsXMLTags.h"

#include <QCoreApplication>
#include <QLocale>

#include <utility>

namespace {

struct modGlobals {
    Q_DECLARE_TR_FUNCTIONS(modGlobals)
};

// The program-wide state, in one place.
struct ProgramState {
    std::shared_ptr<clsXML> objXML;
    std::shared_ptr<clsXMLTag> objReadings;
    std::function<void()> onReadingsChanged;
    quint64 iGeneration = 0;
    QDate dtFixedToday;
};

ProgramState& State() {
    static ProgramState state;
    return state;
}

} // namespace

const std::shared_ptr<clsXML>& objXML = State().objXML;
const std::shared_ptr<clsXMLTag>& objReadings = State().objReadings;

void ReplaceDocument(std::shared_ptr<clsXML> objXMLNew, std::shared_ptr<clsXMLTag> objReadingsNew) {
    // The readings tag goes first: it lives inside the old document's tree.
    State().objReadings = std::move(objReadingsNew);
    State().objXML = std::move(objXMLNew);
    ++State().iGeneration;
}

void NoteReadingsChanged() {
    CountReadingsChange();
    if (State().onReadingsChanged) {
        State().onReadingsChanged();
    }
}

void CountReadingsChange() {
    ++State().iGeneration;
}

quint64 ReadingsGeneration() {
    return State().iGeneration;
}

void SetReadingsChangedHandler(std::function<void()> handler) {
    State().onReadingsChanged = std::move(handler);
}

bool EncodeProgramDocument(std::string& bytes, const QString& szFile, QString* pszReason) {
    const std::shared_ptr<clsXML>& objDoc = State().objXML;
    if (!objDoc) {
        *pszReason = modGlobals::tr("there is no diary to save");
        return false;
    }
    if (!objDoc->SaveXMLToBytes(bytes, szFile)) {
        *pszReason = objDoc->szErrorReason.isEmpty()
                         ? modGlobals::tr("the diary could not be written out")
                         : objDoc->szErrorReason;
        return false;
    }
    return true;
}

bool IsDiaryFull(const std::shared_ptr<clsXMLTag>& objReadings) {
    return objReadings && objReadings->objSubTags && objReadings->objSubTags->IsFull();
}

QString DiaryFullText() {
    //: %1: the most days a diary holds (32,767)
    return modGlobals::tr("The diary has reached the largest size this version can hold (%1 days).")
        .arg(DisplayLocale().toString(clsXMLTags::kCapacity));
}

QDate Today() {
    return State().dtFixedToday.isValid() ? State().dtFixedToday : QDate::currentDate();
}

void SetToday(const QDate& date) {
    State().dtFixedToday = date;
}
