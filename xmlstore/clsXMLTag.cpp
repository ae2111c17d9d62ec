#include "xmlstore/clsXMLTag.h"

#include "xmlstore/NodePool.h"

#include "xmlstore/XMLCodec.h"
#include "xmlstore/XMLWriter.h"
#include "xmlstore/clsXMLTags.h"

#include <QIODevice>

#include <cmath>
#include <stdexcept>
#include <utility>
#include <vector>

clsXMLTag::clsXMLTag()
    : objSubTags(std::allocate_shared<clsXMLTags>(NodePool::Allocator<clsXMLTags>())) {}

clsXMLTag::~clsXMLTag() {
    // A subtree is let go without recursion, so that neither deep nor long trees can exhaust
    // the stack: every tag and list that nobody else holds hands its items over to this loop.
    if (!objSubTags || objSubTags.use_count() != 1) {
        return;
    }
    clsXMLTags::Items pending = objSubTags->TakeAll();
    while (!pending.empty()) {
        std::shared_ptr<clsXMLTag> t = std::move(pending.back());
        pending.pop_back();
        if (t && t.use_count() == 1 && t->objSubTags && t->objSubTags.use_count() == 1) {
            clsXMLTags::Items sub = t->objSubTags->TakeAll();
            pending.reserve(pending.size() + sub.size());
            for (auto& s : sub) {
                pending.push_back(std::move(s));
            }
        }
    }
}

std::shared_ptr<clsXMLTag> clsXMLTag::AddSubTag(const QString& szName, const QString& szValue,
                                                bool bSorted) {
    return SubTagList().Add(szName, szValue, shared_from_this(), bSorted);
}

clsXMLTags& clsXMLTag::SubTagList() {
    if (!objSubTags) {
        objSubTags = std::allocate_shared<clsXMLTags>(NodePool::Allocator<clsXMLTags>());
    }
    return *objSubTags;
}

void clsXMLTag::DeleteSubTag(const QString& szName, const QString& szValue) {
    const std::shared_ptr<clsXMLTag> found = FindSubTagObjectByName(szName, szValue);
    if (!found) {
        throw std::invalid_argument("clsXMLTag::DeleteSubTag: no such tag");
    }
    const qsizetype at = objSubTags ? objSubTags->IndexOf(found.get()) : -1;
    if (at < 0) {
        throw std::invalid_argument("clsXMLTag::DeleteSubTag: the tag found is not a sub-tag");
    }
    objSubTags->RemoveAt(at);
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

bool clsXMLTag::WriteToFile(float iTagTab, QIODevice& hFile) {
    int depth = 0;
    if (std::isfinite(iTagTab) && iTagTab > 0) {
        depth = iTagTab > 1.0e6F ? 1000000 : static_cast<int>(std::floor(iTagTab));
    }
    std::string out;
    XMLWriter::AppendTag(*this, depth, out);
    if (out.empty()) {
        return true;
    }
    if (hFile.write(out.data(), static_cast<qint64>(out.size())) !=
        static_cast<qint64>(out.size())) {
        throw std::runtime_error("clsXMLTag::WriteToFile: the file could not be written");
    }
    return true;
}

QString clsXMLTag::ConvertTagValue(const QString& szValueRaw) const {
    return XMLCodec::EncodeValueText(szValueRaw);
}

QString clsXMLTag::ReConvertTagValue(const QString& szValueRaw) const {
    return XMLCodec::DecodeValue(szValueRaw);
}

namespace {

void AppendIndent(int depth, std::string& out) {
    out.append(static_cast<size_t>(depth), '\t');
}

void AppendLeaf(const clsXMLTag& t, int depth, std::string& out) {
    AppendIndent(depth, out);
    out.push_back('<');
    const size_t nameAt = out.size();
    XMLCodec::AppendName(t.szName, false, out);
    const size_t nameLen = out.size() - nameAt;
    out.push_back('>');
    XMLCodec::AppendValue(t.szValue, false, out);
    out.reserve(out.size() + nameLen + 5); // the name is copied from out itself below
    out.append("</", 2);
    out.append(out.data() + nameAt, nameLen);
    out.append(">\r\n", 3);
}

void AppendOpening(const clsXMLTag& t, int depth, std::string& out) {
    AppendIndent(depth, out);
    out.push_back('<');
    XMLCodec::AppendName(t.szName, true, out);
    if (!t.szValue.isEmpty()) {
        out.push_back('=');
        XMLCodec::AppendValue(t.szValue, true, out);
    }
    out.append(">\r\n", 3);
}

void AppendClosing(const clsXMLTag& t, int depth, std::string& out) {
    AppendIndent(depth, out);
    out.append("</", 2);
    XMLCodec::AppendName(t.szName, true, out);
    out.append(">\r\n", 3);
}

} // namespace

void XMLWriter::AppendTag(const clsXMLTag& tag, int depth, std::string& out) {
    // One frame per tag whose sub-tags are being written; named tags close after them.
    struct Frame {
        const clsXMLTag* tag;
        clsXMLTags::Items::const_iterator it, end;
        int childDepth;
        bool closes;
    };
    std::vector<Frame> stack;

    auto visit = [&](const clsXMLTag& t, int d) {
        const bool hasSubTags = t.objSubTags && t.objSubTags->Count() > 0;
        if (t.szName.isEmpty()) {
            if (hasSubTags) {
                stack.push_back({&t, t.objSubTags->begin(), t.objSubTags->end(), d, false});
            }
            return;
        }
        if (!hasSubTags) {
            AppendLeaf(t, d, out);
            return;
        }
        AppendOpening(t, d, out);
        stack.push_back({&t, t.objSubTags->begin(), t.objSubTags->end(), d + 1, true});
    };

    visit(tag, depth);
    while (!stack.empty()) {
        Frame& f = stack.back();
        if (f.it == f.end) {
            const Frame done = f;
            stack.pop_back();
            if (done.closes) {
                AppendClosing(*done.tag, done.childDepth - 1, out);
            }
            continue;
        }
        const clsXMLTag* t = f.it->get();
        const int d = f.childDepth;
        ++f.it;
        if (t) {
            visit(*t, d); // may grow the stack: f is not used after this
        }
    }
}
