#include "diary/RoundedMean.h"

#include "diary/TextToInteger.h"

qint64 RoundedMean(qint64 lSum, qint64 lCount) {
    // The whole part rounded down and a rest from 0 up to the count, for either sign.
    qint64 lWhole = lSum / lCount;
    qint64 lRest = lSum % lCount;
    if (lRest < 0) {
        --lWhole;
        lRest += lCount;
    }
    // The rest against half the count, without doubling it (which could overflow).
    const qint64 lOver = lCount - lRest;
    const int iRestAgainstHalf = lRest > lOver ? 1 : lRest == lOver ? 0 : -1;
    return RoundHalfEven(lWhole, iRestAgainstHalf);
}
