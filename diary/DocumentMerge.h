#pragma once

#include "diary/DataFileSaver.h"
#include "diary/DiaryMerge.h"

#include <QByteArray>
#include <QString>

#include <memory>

class clsXMLTag;

// Taking another computer's version of the data file into a diary open here, by the rules of
// MergeDiaries.

// What merging a file into a readings tag did.
struct FileMerge {
    // Their file was a whole diary and is merged in; false: nothing was changed.
    bool bMerged = false;
    // The merged diary holds readings their file lacks (it must be written back).
    bool bDiffersFromTheirs = false;
    DiaryMerge merge;
};

// The days a data file's bytes hold; false when they are no whole diary (damaged, cut off, no
// list of readings). Empty bytes are an empty diary.
bool DiaryDaysOfBytes(const QByteArray& bytes, DiaryDays* pDays);

// Merges their file (theirs) into objReadings (mine), both changed from base (the file as it was
// read or written last; bytes that are no whole diary count as an empty one; null bytes: there is
// no version in common, and they are merged as MergeCopyInto merges). Empty day entries (a day
// only selected) count as no day.
FileMerge MergeFileInto(const std::shared_ptr<clsXMLTag>& objReadings, const QByteArray& base,
                        const QByteArray& theirs);

// What a merge did, as the saver takes it.
DataFileSaver::MergeOutcome SaverOutcomeOf(const FileMerge& merge);

// Merges a copy of the diary that shares no recorded version with it (a synchronising tool's
// conflict copy) into objReadings, against CommonBase.
FileMerge MergeCopyInto(const std::shared_ptr<clsXMLTag>& objReadings, const QByteArray& copy);

// Puts the other side's value of each conflict into objReadings in place of this side's.
void TakeTheirValues(const std::shared_ptr<clsXMLTag>& objReadings,
                     const QList<MergeConflict>& picked);

// The other side of a merge that is no file of its own.
enum class MergeSource {
    // The data file as another computer wrote it.
    kOtherComputer,
    // The data file as something changed it while the command line imported a CSV file.
    kChangeDuringImport,
};

// Tells in one sentence what came from the other side and, for conflicts, which value this side
// kept and where the other side's diary is (szTheirsCopy).
QString MergedFromText(const DiaryMerge& merge, MergeSource eFrom, const QString& szTheirsCopy);

// The same for another side that is a file: szFrom names it as the user reads it, a file's name
// in quotes.
QString MergedFromText(const DiaryMerge& merge, const QString& szFrom, const QString& szTheirsCopy);
