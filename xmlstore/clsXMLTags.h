#pragma once

#include "xmlstore/NodePool.h"

#include <QHash>
#include <QString>

#include <cstdint>
#include <memory>
#include <vector>

class clsXMLTag;
namespace XMLInternal {
struct Access;
}

// A tag's ordered list of sub-tags, each stored under the key it had when it was added.
// Keys are unique within one list; key lookup ignores letter case. Positions are 1-based.
class clsXMLTags {
public:
    // Short lists (a day's value tags) keep their pointers in the store's pool.
    using Items =
        std::vector<std::shared_ptr<clsXMLTag>, NodePool::Allocator<std::shared_ptr<clsXMLTag>>>;

    // Most tags one list can ever take through Add (its add count is 16-bit).
    static constexpr int kCapacity = 32767;

    clsXMLTags();
    // Lets the items go, and with them every subtree nobody else holds, without recursion.
    ~clsXMLTags();
    clsXMLTags(const clsXMLTags&) = delete;
    clsXMLTags& operator=(const clsXMLTags&) = delete;

    // Creates a tag under objParent and inserts it (sorted or appended); throws on misuse,
    // std::overflow_error on the 32,768th add.
    std::shared_ptr<clsXMLTag> Add(const QString& szName, const QString& szValue,
                                   const std::shared_ptr<clsXMLTag>& objParent, bool bSorted);
    // Removes the first item with exactly this name and value; no match changes nothing.
    void DeleteItem(const QString& szName, const QString& szValue);
    // Removes every item; the add count stays.
    void Clear();
    // The item at a 1-based position; throws std::out_of_range when there is none.
    std::shared_ptr<clsXMLTag> Item(int position) const;
    // The item stored under a key (letter case ignored); throws std::out_of_range.
    std::shared_ptr<clsXMLTag> Item(const QString& key) const;
    // Number of items.
    int32_t Count() const;
    // Removes the item at a 1-based position; throws std::out_of_range.
    void Remove(int position);
    // Removes the item stored under a key; throws std::out_of_range.
    void Remove(const QString& key);
    // Number of tags ever added through Add.
    int16_t AddCount() const;
    // True when the list has taken its kCapacity tags: every further Add throws, even after
    // items were removed. Ask this before adding where a full list is not a program error.
    bool IsFull() const { return m_addCount == kCapacity; }

    Items::const_iterator begin() const;
    Items::const_iterator end() const;

private:
    // The loader's Append (xmlstore/XMLInternal.h) comes in through this.
    friend struct XMLInternal::Access;
    // A new tag under objParent carrying this list's next key; not in the list yet.
    std::shared_ptr<clsXMLTag> NewTag(QString szName, QString szValue,
                                      const std::shared_ptr<clsXMLTag>& objParent);
    // Puts a new tag at a 0-based position, or at the end when at is negative, and counts the
    // add; returns the list's own pointer to it, which stays put until the list next changes.
    const std::shared_ptr<clsXMLTag>& Insert(std::shared_ptr<clsXMLTag> tag, qsizetype at);
    // Add at the end, for the loader: the texts are moved in, not copied.
    const std::shared_ptr<clsXMLTag>& Append(QString&& szName, QString&& szValue,
                                             const std::shared_ptr<clsXMLTag>& objParent);
    // Insertion position for a sorted add, or -1 to append.
    int32_t FindSortedPosition(const QString& szName, const QString& szValue) const;
    // Sign of the new name and value against the item at a 1-based position.
    int16_t CompareItem(int32_t position, const QString& szName, const QString& szValue) const;
    // Position (0-based) of a tag in the list, or -1.
    qsizetype IndexOf(const clsXMLTag* tag) const;
    void RemoveAt(qsizetype index);
    // Hands every item over to the caller and leaves the list empty.
    Items TakeAll();

    using KeyIndex = QHash<QString, clsXMLTag*>;
    // Case-folded key to item; built on the first lookup by key, kept up to date after that.
    const KeyIndex& Index() const;
    qsizetype IndexOfKey(const QString& key) const;

    Items m_items;
    mutable std::unique_ptr<KeyIndex> m_index;
    int16_t m_addCount = 0;
};
