#pragma once

#include "xmlstore/NodePool.h"

#include <QHash>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <iterator>
#include <memory>
#include <vector>

class clsXMLTag;
namespace XMLInternal {
struct Access;
}

// A tag's ordered list of sub-tags, each stored under the key it had when it was added.
// Keys are unique within one list; key lookup ignores letter case. Positions are 1-based.
//
// A value line read from a file (a name and a value, no sub-tags: most lines of a diary) is kept
// inline as its name and value until someone asks for its tag object (Item, iteration, a
// search that finds it); the tag is made then, once, with the key, parent and texts it would
// have had, and from then on it is the item. NameAt, ValueAt and HasSubTagsAt read an item
// without making its tag, so that reading every day of a large diary costs no tag objects.
class clsXMLTags {
    class Slot;

public:
    // Most tags one list can ever take through Add (its add count is 16-bit).
    static constexpr int kCapacity = 32767;

    // Walks the items in list order; reading an item makes its tag if it was kept inline.
    class const_iterator {
    public:
        using iterator_category = std::forward_iterator_tag;
        using value_type = std::shared_ptr<clsXMLTag>;
        using difference_type = std::ptrdiff_t;
        using pointer = const std::shared_ptr<clsXMLTag>*;
        using reference = const std::shared_ptr<clsXMLTag>&;

        const_iterator() = default;
        reference operator*() const { return m_list->TagAt(m_index); }
        pointer operator->() const { return &m_list->TagAt(m_index); }
        const_iterator& operator++() {
            ++m_index;
            return *this;
        }
        const_iterator operator++(int) {
            const_iterator before = *this;
            ++m_index;
            return before;
        }
        difference_type operator-(const const_iterator& other) const {
            return m_index - other.m_index;
        }
        bool operator==(const const_iterator& other) const {
            return m_index == other.m_index && m_list == other.m_list;
        }
        bool operator!=(const const_iterator& other) const { return !(*this == other); }

    private:
        friend class clsXMLTags;
        const_iterator(const clsXMLTags* list, std::ptrdiff_t index)
            : m_list(list), m_index(index) {}
        const clsXMLTags* m_list = nullptr;
        std::ptrdiff_t m_index = 0;
    };

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

    // The name and value of the item at a 1-based position, and whether it has sub-tags, read
    // without making a tag object for an item kept inline; std::out_of_range when there is none.
    const QString& NameAt(int position) const;
    const QString& ValueAt(int position) const;
    bool HasSubTagsAt(int position) const;

    const_iterator begin() const;
    const_iterator end() const;

private:
    // The store's own code (xmlstore/XMLInternal.h) comes in through this.
    friend struct XMLInternal::Access;

    // One item: a tag, or a value line kept inline (its interned name, its value and the add
    // count that makes its key). 40 bytes, where a tag object with its slot takes about 200.
    class Slot {
    public:
        explicit Slot(std::shared_ptr<clsXMLTag> tag) noexcept;
        Slot(const QString* name, QString&& value, int16_t number) noexcept;
        Slot(Slot&& other) noexcept;
        Slot& operator=(Slot&& other) noexcept;
        Slot(const Slot&) = delete;
        Slot& operator=(const Slot&) = delete;
        ~Slot();

        bool IsTag() const { return m_name == nullptr; }
        // Only for a tag.
        const std::shared_ptr<clsXMLTag>& Tag() const { return m_tag; }
        std::shared_ptr<clsXMLTag> TakeTag() noexcept;
        // Only for an inline value.
        const QString& Name() const { return *m_name; }
        const QString& Value() const { return m_value; }
        QString TakeValue() noexcept { return std::move(m_value); }
        int16_t Number() const { return m_number; }

    private:
        void Destroy() noexcept;
        void MoveFrom(Slot&& other) noexcept;
        union {
            std::shared_ptr<clsXMLTag> m_tag; // when m_name is null
            QString m_value;                  // otherwise
        };
        const QString* m_name = nullptr;
        int16_t m_number = 0;
    };
    // A day's list of its value lines is one such array, from the store's pool.
    using Slots = std::vector<Slot, NodePool::Allocator<Slot>>;

    // A new tag under objParent carrying this list's next key; not in the list yet.
    std::shared_ptr<clsXMLTag> NewTag(QString szName, QString szValue,
                                      const std::shared_ptr<clsXMLTag>& objParent);
    // Puts a new tag at a 0-based position, or at the end when at is negative, and counts the
    // add; returns the list's own pointer to it, which stays put until the list next changes.
    const std::shared_ptr<clsXMLTag>& Insert(std::shared_ptr<clsXMLTag> tag, qsizetype at);
    // Add at the end, for the loader: the texts are moved in, not copied.
    const std::shared_ptr<clsXMLTag>& Append(QString&& szName, QString&& szValue,
                                             const std::shared_ptr<clsXMLTag>& objParent);
    // The loader's value line: kept inline where it can be, else appended as a tag. interned is
    // the store's shared copy of szName, or null where it keeps none.
    void AppendValue(const QString& szName, const QString* interned, QString&& szValue,
                     const std::shared_ptr<clsXMLTag>& objParent);
    // The tag at a 0-based position, made first if the item was kept inline.
    const std::shared_ptr<clsXMLTag>& TagAt(qsizetype index) const;
    // True when the item at a 0-based position is kept inline and its key is key (exactly).
    bool InlineKeyIs(qsizetype index, const QString& key) const;
    // Number of items kept inline.
    qsizetype InlineCount() const;
    // Insertion position for a sorted add, or -1 to append.
    int32_t FindSortedPosition(const QString& szName, const QString& szValue) const;
    // Sign of the new name and value against the item at a 1-based position.
    int16_t CompareItem(int32_t position, const QString& szName, const QString& szValue) const;
    // Position (0-based) of a tag in the list, or -1.
    qsizetype IndexOf(const clsXMLTag* tag) const;
    void RemoveAt(qsizetype index);
    // Hands every tag over to the caller (items kept inline simply go) and leaves the list empty.
    std::vector<std::shared_ptr<clsXMLTag>> TakeAll();
    // The 0-based index of a 1-based position; std::out_of_range (naming what) when there is none.
    size_t Checked(int position, const char* what) const;

    using KeyIndex = QHash<QString, clsXMLTag*>;
    // Case-folded key to item; built on the first lookup by key (every item is then made a
    // tag), kept up to date after that.
    const KeyIndex& Index() const;
    qsizetype IndexOfKey(const QString& key) const;

    // Items are made tags from const readers: the slots change, the list's content does not.
    mutable Slots m_slots;
    mutable std::unique_ptr<KeyIndex> m_index;
    // For the items kept inline: the tag that holds this list, and its key when they were
    // added (their keys are this, ":" and their number).
    std::weak_ptr<clsXMLTag> m_inlineParent;
    QString m_inlinePrefix;
    int16_t m_addCount = 0;
};
