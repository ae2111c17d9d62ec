#pragma once

#include <QtGlobal>

// The mean of whole numbers (their sum and their count, the count above 0) to the nearest whole
// number, an exact half to the even neighbour, by the program's one rounding rule
// (RoundHalfEven): 241 over 2 gives 120, 243 over 2 gives 122, -241 over 2 gives -120. Exact for
// every sum and count: no floating point is involved.
qint64 RoundedMean(qint64 lSum, qint64 lCount);
