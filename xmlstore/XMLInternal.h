#pragma once

// What the store's own files share beyond the public classes: the loader (XMLLoader.cpp), the
// writer (XMLWriter.cpp) and the tag and list classes (clsXMLTag.cpp, clsXMLTags.cpp). Only
// xmlstore/ and its tests include this header; the application uses clsXML.h, clsXMLTag.h and
// clsXMLTags.h alone.

#include "xmlstore/clsXMLTag.h"
#include "xmlstore/clsXMLTags.h"

#include <QString>

#include <memory>
#include <string>
#include <utility>

namespace XMLInternal {

// The one way into the private parts of clsXMLTag and clsXMLTags, and their only friend.
struct Access {
    // The key a list stores a tag under: its szKey at the time it was added, which the list
    // keeps even when someone changes szKey later.
    static const QString& ListKey(const clsXMLTag& tag) { return tag.m_listKey; }
    static void SetListKey(clsXMLTag& tag, QString key) { tag.m_listKey = std::move(key); }

    // Appends a new tag for the loader (the texts are moved in, not copied); returns the list's
    // own pointer to it, which stays put while the list only grows.
    static const std::shared_ptr<clsXMLTag>& Append(clsXMLTags& list, QString&& szName,
                                                    QString&& szValue,
                                                    const std::shared_ptr<clsXMLTag>& objParent) {
        return list.Append(std::move(szName), std::move(szValue), objParent);
    }
    // Appends a value line (a name and a value, no sub-tags) for the loader, kept inline where
    // the list can (see clsXMLTags).
    static void AppendValue(clsXMLTags& list, const QString& szName, const QString* interned,
                            QString&& szValue, const std::shared_ptr<clsXMLTag>& objParent) {
        list.AppendValue(szName, interned, std::move(szValue), objParent);
    }
    // The tag at a 0-based position, made first if the item was kept inline.
    static const std::shared_ptr<clsXMLTag>& TagAt(const clsXMLTags& list, qsizetype index) {
        return list.TagAt(index);
    }
    // True when the item at a 0-based position is kept inline (it has no tag object yet).
    static bool IsInline(const clsXMLTags& list, qsizetype index) {
        return !list.m_slots[static_cast<size_t>(index)].IsTag();
    }
    // True when the item at a 0-based position is kept inline and its key is exactly key.
    static bool InlineKeyIs(const clsXMLTags& list, qsizetype index, const QString& key) {
        return list.InlineKeyIs(index, key);
    }
    // Number of items of a list kept inline (for tests and benchmarks).
    static qsizetype InlineCount(const clsXMLTags& list) { return list.InlineCount(); }
};

// The one shared copy of a name of items kept inline, or null when it is empty or the store
// already holds as many names as it keeps (such items become tags). Never let go.
const QString* InternedName(const QString& szName);

// A tag's own list of sub-tags, made when it has none yet (it holds the shared empty list) or
// when someone has let it go (clsXMLTag.cpp).
clsXMLTags& SubTagList(clsXMLTag& tag);
// The one empty list that every tag without sub-tags holds; nothing is ever added to it.
const std::shared_ptr<clsXMLTags>& SharedEmptyList();

// ---- Key texts (clsXMLTags.cpp) ----

// True when key texts can be cut from shared blocks with the Qt this was built with.
bool SharedKeyBlocksAvailable();
// Turns the shared blocks on (the default, where available) or off (every key an ordinary
// QString of its own); tests run both ways.
void SetSharedKeyBlocks(bool bOn);

// ---- Writing (XMLWriter.cpp) ----

// Appends a tag and its whole subtree as lines at the given depth, without recursion.
void AppendTag(const clsXMLTag& tag, int depth, std::string& out);

// For tests: makes the file of every following SaveXMLFile fail after a number of bytes, as a
// full disk does, to prove that no failed save replaces the old file.
struct SaveFault {
    // Bytes that reach the file before it fails; negative: no fault (the default).
    qint64 lBytes = -1;
    // false: the next write fails with the system's text for a full disk.
    // true: writes report success, but what follows the first lBytes bytes is lost.
    bool bSilent = false;
};
void SetSaveFault(const SaveFault& fault);

} // namespace XMLInternal
