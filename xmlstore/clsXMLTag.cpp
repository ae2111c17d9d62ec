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

// Depth-first search below a tag (not the tag itself), without recursion: the list entry of the
// first tag that matches, or null. The search stack is kept from call to call, so that the many
// small lookups of a chart or a report allocate nothing.
template <class Match>
const std::shared_ptr<clsXMLTag>* FindBelow(const clsXMLTag& start, Match match) {
    struct Frame {
        clsXMLTags::Items::const_iterator it, end;
    };
    thread_local std::vector<Frame> stack;
    stack.clear();
    if (start.objSubTags) {
        stack.push_back({start.objSubTags->begin(), start.objSubTags->end()});
    }
    while (!stack.empty()) {
        Frame& f = stack.back();
        if (f.it == f.end) {
            stack.pop_back();
            continue;
        }
        const std::shared_ptr<clsXMLTag>& t = *f.it;
        ++f.it;
        if (!t) {
            continue;
        }
        if (match(*t)) {
            return &t;
        }
        if (t->objSubTags && t->objSubTags->Count() > 0) {
            stack.push_back({t->objSubTags->begin(), t->objSubTags->end()});
        }
    }
    return nullptr;
}

// Depth-first search, the tag itself before its sub-tags.
template <class Match> std::shared_ptr<clsXMLTag> FindDepthFirst(clsXMLTag& start, Match match) {
    if (match(start)) {
        return start.shared_from_this();
    }
    const std::shared_ptr<clsXMLTag>* found = FindBelow(start, match);
    return found ? *found : nullptr;
}

} // namespace

std::shared_ptr<clsXMLTag> clsXMLTag::FindSubTagObject(const QString& szKey) {
    return FindDepthFirst(*this, [&szKey](const clsXMLTag& t) { return t.szKey == szKey; });
}

std::shared_ptr<clsXMLTag> clsXMLTag::FindSubTagObjectByName(const QString& szName,
                                                             const QString& szValue) {
    const bool anyValue = szValue.isEmpty();
    return FindDepthFirst(*this, [&](const clsXMLTag& t) {
        return t.szName == szName && (anyValue || t.szValue == szValue);
    });
}

QString clsXMLTag::GetSubTagValue(const QString& szName) {
    const auto named = [&szName](const clsXMLTag& t) { return t.szName == szName; };
    if (named(*this)) {
        return szValue;
    }
    const std::shared_ptr<clsXMLTag>* found = FindBelow(*this, named);
    return found ? (*found)->szValue : QString();
}

QString clsXMLTag::ConvertTagValue(const QString& szValueRaw) const {
    return XMLCodec::EncodeValueText(szValueRaw);
}

QString clsXMLTag::ReConvertTagValue(const QString& szValueRaw) const {
    return XMLCodec::DecodeValue(szValueRaw);
}
