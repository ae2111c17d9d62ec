#include "diary/DiaryLoad.h"

#include "diary/ReadingsSchema.h"
#include "diary/modGlobals.h"
#include "xmlstore/clsXML.h"
#include "xmlstore/clsXMLTag.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QRegularExpression>
#include <QThread>

#include <utility>

namespace {

struct DiaryLoad {
    Q_DECLARE_TR_FUNCTIONS(DiaryLoad)
};

} // namespace

LoadedDiary LoadDiary(const QString& szFile) {
    LoadedDiary diary;
    diary.read = ReadWholeFile(szFile, false);
    diary.objDoc = std::make_shared<clsXML>();
    if (!diary.read.version.bExists) {
        diary.eOutcome = DiaryLoadOutcome::kMissing;
        return diary;
    }
    if (!diary.read.bOk) {
        diary.eOutcome = DiaryLoadOutcome::kUnreadable;
        return diary;
    }
    QBuffer buffer(&diary.read.bytes);
    buffer.open(QIODevice::ReadOnly);
    const bool bLoaded = diary.objDoc->LoadXMLFromDevice(buffer, szFile, false);
    diary.objReadings =
        diary.objDoc->objBlockTag->FindSubTagObjectByName(kReadingsTagName, QString());
    if (!bLoaded) {
        // A load that failed with its readings list full stopped because the list overflowed.
        diary.eOutcome = IsDiaryFull(diary.objReadings) ? DiaryLoadOutcome::kTooManyDays
                                                        : DiaryLoadOutcome::kDamaged;
    } else if (!diary.objReadings) {
        diary.eOutcome = DiaryLoadOutcome::kNoReadings;
    } else if (diary.objDoc->bEndedWithOpenTags) {
        diary.eOutcome = DiaryLoadOutcome::kCutOff;
    } else {
        diary.eOutcome = DiaryLoadOutcome::kLoaded;
    }
    return diary;
}

BackgroundDiaryLoad::BackgroundDiaryLoad(QString szFile) : m_szFile(std::move(szFile)) {
    m_thread.reset(QThread::create([this] {
        m_diary = LoadDiary(m_szFile);
        std::function<void(const LoadedDiary&)> then;
        {
            std::unique_lock<std::mutex> lock(m_gateMutex);
            m_gate.wait(lock, [this] { return m_bReleased; });
            then = std::move(m_then);
        }
        if (then) {
            try {
                then(m_diary);
            } catch (...) {
                // What then made is missing: its caller makes it itself.
            }
        }
        m_pool = NodePool::HandOver();
        m_bLoaded.store(true, std::memory_order_release);
    }));
    m_thread->start();
}

BackgroundDiaryLoad::~BackgroundDiaryLoad() {
    Release(nullptr);
    m_thread->wait();
}

bool BackgroundDiaryLoad::Release(std::function<void(const LoadedDiary&)> then) {
    {
        const std::lock_guard<std::mutex> lock(m_gateMutex);
        if (m_bReleased) {
            return false;
        }
        m_bReleased = true;
        m_then = std::move(then);
    }
    m_gate.notify_one();
    return true;
}

bool BackgroundDiaryLoad::ThenOnLoadingThread(std::function<void(const LoadedDiary&)> then) {
    return Release(std::move(then));
}

void BackgroundDiaryLoad::Wait() {
    Release(nullptr);
    m_thread->wait();
}

LoadedDiary BackgroundDiaryLoad::Take() {
    Release(nullptr);
    m_thread->wait();
    if (!m_bLoaded.load(std::memory_order_acquire)) {
        m_diary = LoadDiary(m_szFile);
        m_bLoaded.store(true, std::memory_order_relaxed);
    }
    // The tree's blocks are freed here from now on: the loader's pool serves this thread.
    NodePool::TakeOver(std::move(m_pool));
    return std::exchange(m_diary, LoadedDiary());
}

QString LoadFailureReason(const LoadedDiary& diary) {
    switch (diary.eOutcome) {
    case DiaryLoadOutcome::kUnreadable:
        return diary.read.szReason;
    case DiaryLoadOutcome::kNoReadings:
        return DiaryLoad::tr("it holds no list of readings");
    case DiaryLoadOutcome::kCutOff:
        return DiaryLoad::tr("it ends in the middle of its readings, as a file that was cut off "
                             "does");
    case DiaryLoadOutcome::kTooManyDays:
        return DiaryFullText();
    case DiaryLoadOutcome::kDamaged:
    case DiaryLoadOutcome::kLoaded:
    case DiaryLoadOutcome::kMissing:
        break;
    }
    static const QRegularExpression kLine(QStringLiteral(" on line (\\d+)$"));
    const QRegularExpressionMatch match = kLine.match(diary.objDoc->szError);
    if (match.hasMatch()) {
        return DiaryLoad::tr("it is damaged at line %1").arg(match.captured(1));
    }
    return DiaryLoad::tr("its contents could not be made out");
}
