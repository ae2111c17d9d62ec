#pragma once

#include <QString>

#include <functional>
#include <memory>

class clsXMLTag;

// At start: copies of the diary that synchronising tools (and this program) left beside it when
// two computers saved at once are offered for merging into the diary. Readings the diary lacks
// are added; where a copy holds a different value, the diary keeps its own and the copy stays
// where it is; each copy merged without such a conflict is moved aside (never deleted). What
// happened is told in one message. onChanged: the diary took readings in (to be saved).
void OfferToMergeCopies(const QString& szDataFile, const std::shared_ptr<clsXMLTag>& objReadings,
                        const std::function<void()>& onChanged);
