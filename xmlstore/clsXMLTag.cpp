#include "xmlstore/clsXMLTag.h"

#include "xmlstore/NodePool.h"

#include "xmlstore/XMLCodec.h"
#include "xmlstore/XMLInternal.h"
#include "xmlstore/clsXMLTags.h"

#include <algorithm>
#include <stdexcept>
#include <vector>

clsXMLTag::clsXMLTag() : objSubTags(XMLInternal::SharedEmptyList()) {}

// The list lets the subtree go (without recursion) when the tag lets go of its list.
clsXMLTag::~clsXMLTag() = default;

std::shared_ptr<clsXMLTag> clsXMLTag::AddSubTag(const QString& szName, const QString& szValue,
                                                bool bSorted) {
    return XMLInternal::SubTagList(*this).Add(szName, szValue, shared_from_this(), bSorted);
}

const std::shared_ptr<clsXMLTags>& XMLInternal::SharedEmptyList() {
    // Made once and never let go: tags may outlive every static of the program.
    static const auto* const empty =
        new std::shared_ptr<clsXMLTags>(std::make_shared<clsXMLTags>());
    return *empty;
}

clsXMLTags& XMLInternal::SubTagList(clsXMLTag& tag) {
    if (!tag.objSubTags || tag.objSubTags == SharedEmptyList()) {
        tag.objSubTags = std::allocate_shared<clsXMLTags>(NodePool::Allocator<clsXMLTags>());
    }
    return *tag.objSubTags;
}

void clsXMLTag::DeleteSubTag(const QString& szName, const QString& szValue) {
    const std::shared_ptr<clsXMLTag> found = FindSubTagObjectByName(szName, szValue);
    if (!found) {
        throw std::invalid_argument("clsXMLTag::DeleteSubTag: no such tag");
    }
    int position = 0;
    if (objSubTags) {
        const auto it = std::find(objSubTags->begin(), objSubTags->end(), found);
        if (it != objSubTags->end()) {
            position = static_cast<int>(it - objSubTags->begin()) + 1;
        }
    }
    if (position == 0) {
        throw std::invalid_argument("clsXMLTag::DeleteSubTag: the tag found is not a sub-tag");
    }
    objSubTags->Remove(position);
}

namespace {

using XMLInternal::Access;

// Where a search found its tag: a list and a 0-based index in it, or no list.
struct Found {
    const clsXMLTags* list = nullptr;
    qsizetype index = -1;
};

// Depth-first search below a tag (not the tag itself), without recursion: match(list, index)
// looks at one item, and the first that matches is returned. Items kept inline are looked at
// without making their tags. The search stack is kept from call to call, so that the many
// small lookups of a chart or a report allocate nothing.
template <class Match> Found FindBelow(const clsXMLTag& start, Match match) {
    struct Frame {
        const clsXMLTags* list;
        qsizetype index, count;
    };
    thread_local std::vector<Frame> stack;
    stack.clear();
    if (start.objSubTags) {
        stack.push_back({start.objSubTags.get(), 0, start.objSubTags->Count()});
    }
    while (!stack.empty()) {
        Frame& f = stack.back();
        if (f.index == f.count) {
            stack.pop_back();
            continue;
        }
        const clsXMLTags* list = f.list;
        const qsizetype i = f.index++;
        if (match(*list, i)) {
            return {list, i};
        }
        if (Access::IsInline(*list, i)) {
            continue; // a value line has no sub-tags
        }
        const std::shared_ptr<clsXMLTag>& t = Access::TagAt(*list, i);
        if (t && t->objSubTags && t->objSubTags->Count() > 0) {
            stack.push_back({t->objSubTags.get(), 0, t->objSubTags->Count()});
        }
    }
    return {};
}

// Depth-first search, the tag itself (self) before its sub-tags (item).
template <class Self, class Item>
std::shared_ptr<clsXMLTag> FindDepthFirst(clsXMLTag& start, Self self, Item item) {
    if (self(start)) {
        return start.shared_from_this();
    }
    const Found found = FindBelow(start, item);
    return found.list ? Access::TagAt(*found.list, found.index) : nullptr;
}

} // namespace

std::shared_ptr<clsXMLTag> clsXMLTag::FindSubTagObject(const QString& szKey) {
    return FindDepthFirst(
        *this, [&szKey](const clsXMLTag& t) { return t.szKey == szKey; },
        [&szKey](const clsXMLTags& list, qsizetype i) {
            return Access::IsInline(list, i) ? Access::InlineKeyIs(list, i, szKey)
                                             : Access::TagAt(list, i)->szKey == szKey;
        });
}

std::shared_ptr<clsXMLTag> clsXMLTag::FindSubTagObjectByName(const QString& szName,
                                                             const QString& szValue) {
    const bool anyValue = szValue.isEmpty();
    return FindDepthFirst(
        *this,
        [&](const clsXMLTag& t) {
            return t.szName == szName && (anyValue || t.szValue == szValue);
        },
        [&](const clsXMLTags& list, qsizetype i) {
            const int position = static_cast<int>(i) + 1;
            return list.NameAt(position) == szName &&
                   (anyValue || list.ValueAt(position) == szValue);
        });
}

QString clsXMLTag::GetSubTagValue(const QString& szName) {
    if (this->szName == szName) {
        return szValue;
    }
    const Found found = FindBelow(*this, [&szName](const clsXMLTags& list, qsizetype i) {
        return list.NameAt(static_cast<int>(i) + 1) == szName;
    });
    return found.list ? found.list->ValueAt(static_cast<int>(found.index) + 1) : QString();
}

QString clsXMLTag::ConvertTagValue(const QString& szValueRaw) const {
    return XMLCodec::EncodeValueText(szValueRaw);
}

QString clsXMLTag::ReConvertTagValue(const QString& szValueRaw) const {
    return XMLCodec::DecodeValue(szValueRaw);
}
