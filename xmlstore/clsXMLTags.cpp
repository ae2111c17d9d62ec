#include "xmlstore/clsXMLTags.h"

#include "xmlstore/NodePool.h"

#include "xmlstore/XMLInternal.h"
#include "xmlstore/clsXMLTag.h"

#include <QHash>
#include <QtGlobal>

#include <algorithm>
#include <cmath>
#include <mutex>
#include <new>
#include <stdexcept>
#include <unordered_set>

namespace {

// Rounds to the nearest integer, halves to the even neighbour.
int32_t Nearest(double x) {
    double f = std::floor(x);
    const double frac = x - f;
    if (frac > 0.5 || (frac == 0.5 && std::fmod(f, 2.0) != 0.0)) {
        f += 1.0;
    }
    return static_cast<int32_t>(f);
}

inline bool PlainAlnum(char16_t c) {
    return (c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z');
}

inline char16_t AsciiUpper(char16_t c) {
    return (c >= u'a' && c <= u'z') ? c - 32 : c;
}

// Compares upper-cased texts in the locale's order, giving -1, 0 or 1. Texts of ASCII letters
// and digits only are compared directly: for them every collation is plain character order
// after upper-casing, and day keys are compared thousands of times per sorted add.
int CompareUpper(const QString& a, const QString& b) {
    const qsizetype na = a.size();
    const qsizetype nb = b.size();
    bool plain = true;
    for (qsizetype i = 0; i < na && plain; ++i) {
        plain = PlainAlnum(a[i].unicode());
    }
    for (qsizetype i = 0; i < nb && plain; ++i) {
        plain = PlainAlnum(b[i].unicode());
    }
    if (plain) {
        const qsizetype n = std::min(na, nb);
        for (qsizetype i = 0; i < n; ++i) {
            const char16_t ca = AsciiUpper(a[i].unicode());
            const char16_t cb = AsciiUpper(b[i].unicode());
            if (ca != cb) {
                return ca < cb ? -1 : 1;
            }
        }
        return na == nb ? 0 : (na < nb ? -1 : 1);
    }
    const int c = QString::localeAwareCompare(a.toUpper(), b.toUpper());
    return c < 0 ? -1 : (c > 0 ? 1 : 0);
}

QString Folded(const QString& key) {
    return key.toCaseFolded();
}

} // namespace

// Key texts. A large document holds one key per tag, and one heap allocation per key was most of
// the cost of loading it; so keys are cut from shared blocks of text instead. MakeKey below is
// the only code of the store that relies on how QString keeps its text, and it does so only for
// the Qt versions it was checked on; any other Qt gives every key an ordinary QString of its own.
// (It lives here, beside its one caller, so that it is compiled into the add.)

// Checked on Qt 6.4 (Debian 12 ships 6.4.2): QString::DataPointer is QArrayDataPointer<char16_t>,
// which can point into the middle of a block it holds a reference to, and
// QTypedArrayData<char16_t>::allocate returns the header and the text of a new block.
#if QT_VERSION >= QT_VERSION_CHECK(6, 4, 0) && QT_VERSION < QT_VERSION_CHECK(6, 5, 0)
#define TLG_SHARED_KEY_BLOCKS 1
#else
#define TLG_SHARED_KEY_BLOCKS 0
#endif

namespace {

// An ordinary QString of n characters, filled in by write(char16_t*), which must write exactly n.
template <class Write> QString PlainKey(qsizetype n, Write write) {
    QString key(n, Qt::Uninitialized);
    write(reinterpret_cast<char16_t*>(key.data()));
    return key;
}

#if TLG_SHARED_KEY_BLOCKS

// Each key is an ordinary QString holding a reference to its block (the block goes when its last
// key goes); like any QString it copies its text out before it is changed while shared.
class KeyBlocks {
public:
    // A key of n characters, filled in by write(char16_t*), which must write exactly n.
    template <class Write> QString Make(qsizetype n, Write write) {
        if (n > kBlockChars / 8) {
            return PlainKey(n, write);
        }
        if (!block_.d_ptr() || used_ + n + 1 > kBlockChars) {
            block_ = QString::DataPointer(QTypedArrayData<char16_t>::allocate(kBlockChars));
            used_ = 0;
            if (!block_.d_ptr()) {
                throw std::bad_alloc();
            }
        }
        char16_t* text = block_.data() + used_;
        write(text);
        text[n] = u'\0'; // a QString's text is followed by a terminating zero
        used_ += n + 1;
        block_.d_ptr()->ref();
        return QString(QString::DataPointer(block_.d_ptr(), text, n));
    }

private:
    static constexpr qsizetype kBlockChars = 4096;
    QString::DataPointer block_; // the block being filled; holds one reference to it
    qsizetype used_ = 0;
};

thread_local KeyBlocks tKeyBlocks;
bool gSharedBlocks = true;

#endif

// The key of a new tag: the parent's key, ":" and the number in decimal. Where the Qt version
// allows, cut from a shared block; otherwise (or when switched off) an ordinary QString.
QString MakeKey(const QString& parentKey, int number) {
    char16_t digits[12];
    int nDigits = 0;
    for (int v = number; v > 0; v /= 10) {
        digits[nDigits++] = static_cast<char16_t>(u'0' + v % 10);
    }
    const qsizetype n = parentKey.size() + 1 + nDigits;
    const auto write = [&](char16_t* k) {
        k = std::copy_n(reinterpret_cast<const char16_t*>(parentKey.constData()), parentKey.size(),
                        k);
        *k++ = u':';
        while (nDigits > 0) {
            *k++ = digits[--nDigits];
        }
    };
#if TLG_SHARED_KEY_BLOCKS
    if (gSharedBlocks) [[likely]] {
        return tKeyBlocks.Make(n, write);
    }
#endif
    return PlainKey(n, write);
}

} // namespace

bool XMLInternal::SharedKeyBlocksAvailable() {
    return TLG_SHARED_KEY_BLOCKS != 0;
}

void XMLInternal::SetSharedKeyBlocks(bool bOn) {
#if TLG_SHARED_KEY_BLOCKS
    gSharedBlocks = bOn;
#else
    Q_UNUSED(bOn);
#endif
}

// ---- Names of the items kept inline

namespace {

struct NameHash {
    size_t operator()(const QString& s) const noexcept { return qHash(s); }
};

// Most distinct names kept; a file with more gets tags for the rest (a diary uses a handful).
constexpr size_t kMostInternedNames = 4096;

} // namespace

const QString* XMLInternal::InternedName(const QString& szName) {
    // Made once and never let go, like the shared empty list: items may outlive every static.
    static std::mutex* const mutex = new std::mutex;
    static auto* const names = new std::unordered_set<QString, NameHash>;
    const std::lock_guard<std::mutex> lock(*mutex);
    if (const auto it = names->find(szName); it != names->end()) {
        return &*it;
    }
    if (szName.isEmpty() || names->size() >= kMostInternedNames) {
        return nullptr;
    }
    return &*names->insert(szName).first;
}

// ---- Slot

clsXMLTags::Slot::Slot(std::shared_ptr<clsXMLTag> tag) noexcept : m_tag(std::move(tag)) {}

clsXMLTags::Slot::Slot(const QString* name, QString&& value, int16_t number) noexcept
    : m_value(std::move(value)), m_name(name), m_number(number) {}

// The union starts out holding nothing; MoveFrom constructs the member other holds.
clsXMLTags::Slot::Slot(Slot&& other) noexcept {
    MoveFrom(std::move(other));
}

clsXMLTags::Slot& clsXMLTags::Slot::operator=(Slot&& other) noexcept {
    if (this != &other) {
        Destroy();
        MoveFrom(std::move(other));
    }
    return *this;
}

clsXMLTags::Slot::~Slot() {
    Destroy();
}

std::shared_ptr<clsXMLTag> clsXMLTags::Slot::TakeTag() noexcept {
    return std::move(m_tag);
}

void clsXMLTags::Slot::Destroy() noexcept {
    if (IsTag()) {
        m_tag.~shared_ptr();
    } else {
        m_value.~QString();
    }
}

// Constructs this slot (its union holding nothing) from other.
void clsXMLTags::Slot::MoveFrom(Slot&& other) noexcept {
    m_name = other.m_name;
    m_number = other.m_number;
    if (IsTag()) {
        new (&m_tag) std::shared_ptr<clsXMLTag>(std::move(other.m_tag));
    } else {
        new (&m_value) QString(std::move(other.m_value));
    }
}

// ---- The list

clsXMLTags::clsXMLTags() = default;

clsXMLTags::~clsXMLTags() {
    // A subtree is let go without recursion, so that neither deep nor long trees can exhaust
    // the stack: every tag and list that nobody else holds hands its items over to this loop.
    std::vector<std::shared_ptr<clsXMLTag>> pending = TakeAll();
    while (!pending.empty()) {
        std::shared_ptr<clsXMLTag> t = std::move(pending.back());
        pending.pop_back();
        if (t && t.use_count() == 1 && t->objSubTags && t->objSubTags.use_count() == 1) {
            std::vector<std::shared_ptr<clsXMLTag>> sub = t->objSubTags->TakeAll();
            pending.reserve(pending.size() + sub.size());
            for (auto& s : sub) {
                pending.push_back(std::move(s));
            }
        }
    }
}

std::shared_ptr<clsXMLTag> clsXMLTags::NewTag(QString szName, QString szValue,
                                              const std::shared_ptr<clsXMLTag>& objParent) {
    if (!objParent) {
        throw std::invalid_argument("clsXMLTags::Add: no parent tag");
    }
    if (IsFull()) {
        throw std::overflow_error("clsXMLTags::Add: the list has taken its 32767 tags");
    }
    auto tag = std::allocate_shared<clsXMLTag>(NodePool::Allocator<clsXMLTag>());
    tag->szName = std::move(szName);
    tag->szValue = std::move(szValue);
    tag->objParent = objParent;
    // The parent's key, ":" and the count in decimal.
    tag->szKey = MakeKey(objParent->szKey, m_addCount + 1);
    const QString& key = tag->szKey;
    // The text after the last ":" is the add count, which no earlier add produced, so a
    // generated key can only collide when the stored index says so.
    if (m_index && m_index->contains(Folded(key))) {
        throw std::invalid_argument("clsXMLTags::Add: the key is already in the list");
    }
    XMLInternal::Access::SetListKey(*tag, key);
    return tag;
}

const std::shared_ptr<clsXMLTag>& clsXMLTags::Insert(std::shared_ptr<clsXMLTag> tag, qsizetype at) {
    if (m_slots.empty()) {
        m_slots.reserve(4); // a day entry's value tags
    }
    if (m_index) {
        m_index->insert(Folded(XMLInternal::Access::ListKey(*tag)), tag.get());
    }
    const clsXMLTag* added = tag.get();
    try {
        if (at < 0) {
            m_slots.emplace_back(std::move(tag));
            at = static_cast<qsizetype>(m_slots.size()) - 1;
        } else {
            m_slots.insert(m_slots.begin() + at, Slot(std::move(tag)));
        }
    } catch (...) {
        if (m_index) {
            m_index->remove(Folded(XMLInternal::Access::ListKey(*added)));
        }
        throw;
    }
    ++m_addCount;
    return m_slots[static_cast<size_t>(at)].Tag();
}

std::shared_ptr<clsXMLTag> clsXMLTags::Add(const QString& szName, const QString& szValue,
                                           const std::shared_ptr<clsXMLTag>& objParent,
                                           bool bSorted) {
    if (this == XMLInternal::SharedEmptyList().get()) {
        // The list a tag without sub-tags shares: the tag gets a list of its own first.
        if (!objParent || objParent->objSubTags.get() != this) {
            throw std::invalid_argument("clsXMLTags::Add: the shared empty list takes no tags");
        }
        return XMLInternal::SubTagList(*objParent).Add(szName, szValue, objParent, bSorted);
    }
    std::shared_ptr<clsXMLTag> tag = NewTag(szName, szValue, objParent);
    qsizetype at = -1;
    if (bSorted && !m_slots.empty()) {
        const int32_t pos = FindSortedPosition(szName, szValue);
        if (pos > 0) {
            at = pos - 1;
        }
    }
    return Insert(std::move(tag), at);
}

const std::shared_ptr<clsXMLTag>& clsXMLTags::Append(QString&& szName, QString&& szValue,
                                                     const std::shared_ptr<clsXMLTag>& objParent) {
    return Insert(NewTag(std::move(szName), std::move(szValue), objParent), -1);
}

void clsXMLTags::AppendValue(const QString& szName, const QString* interned, QString&& szValue,
                             const std::shared_ptr<clsXMLTag>& objParent) {
    // Inline only where the item's tag, made later, comes out as Append would make it now: the
    // same parent and key prefix for every inline item, and no key index to keep (an index
    // holds tags).
    const QString* name = m_index || !objParent ? nullptr : interned;
    const bool samePrefix = m_inlinePrefix.isNull() ? !objParent->szKey.isNull()
                                                    : (m_inlinePrefix == objParent->szKey &&
                                                       !m_inlineParent.owner_before(objParent) &&
                                                       !objParent.owner_before(m_inlineParent));
    if (!name || !samePrefix || IsFull()) {
        Append(QString(szName), std::move(szValue), objParent);
        return;
    }
    if (m_inlinePrefix.isNull()) {
        m_inlinePrefix = objParent->szKey;
        m_inlineParent = objParent;
    }
    if (m_slots.empty()) {
        m_slots.reserve(4); // a day entry's value lines
    }
    m_slots.emplace_back(name, std::move(szValue), static_cast<int16_t>(m_addCount + 1));
    ++m_addCount;
}

const std::shared_ptr<clsXMLTag>& clsXMLTags::TagAt(qsizetype index) const {
    Slot& slot = m_slots[static_cast<size_t>(index)];
    if (!slot.IsTag()) {
        auto tag = std::allocate_shared<clsXMLTag>(NodePool::Allocator<clsXMLTag>());
        tag->szName = slot.Name();
        tag->szValue = slot.TakeValue();
        tag->objParent = m_inlineParent;
        tag->szKey = MakeKey(m_inlinePrefix, slot.Number());
        XMLInternal::Access::SetListKey(*tag, tag->szKey);
        slot = Slot(std::move(tag));
    }
    return slot.Tag();
}

bool clsXMLTags::InlineKeyIs(qsizetype index, const QString& key) const {
    const Slot& slot = m_slots[static_cast<size_t>(index)];
    if (slot.IsTag()) {
        return false;
    }
    // prefix, ":" and the number in decimal, compared without making the text
    const qsizetype n = m_inlinePrefix.size();
    if (key.size() <= n + 1 || !key.startsWith(m_inlinePrefix) || key[n] != u':') {
        return false;
    }
    int value = 0;
    for (qsizetype i = n + 1; i < key.size(); ++i) {
        const char16_t c = key[i].unicode();
        if (c < u'0' || c > u'9' || (i == n + 1 && c == u'0') || value > kCapacity) {
            return false;
        }
        value = value * 10 + (c - u'0');
    }
    return value == slot.Number();
}

qsizetype clsXMLTags::InlineCount() const {
    return std::count_if(m_slots.begin(), m_slots.end(), [](const Slot& s) { return !s.IsTag(); });
}

void clsXMLTags::DeleteItem(const QString& szName, const QString& szValue) {
    const size_t n = m_slots.size();
    for (size_t i = 0; i < n; ++i) {
        const int position = static_cast<int>(i) + 1;
        if (NameAt(position) == szName && ValueAt(position) == szValue) {
            RemoveAt(static_cast<qsizetype>(i));
            return;
        }
    }
}

void clsXMLTags::Clear() {
    std::vector<std::shared_ptr<clsXMLTag>> gone = TakeAll();
    // the tags go here, after the list is already consistent
}

size_t clsXMLTags::Checked(int position, const char* what) const {
    if (position < 1 || static_cast<size_t>(position) > m_slots.size()) {
        throw std::out_of_range(what);
    }
    return static_cast<size_t>(position) - 1;
}

std::shared_ptr<clsXMLTag> clsXMLTags::Item(int position) const {
    return TagAt(
        static_cast<qsizetype>(Checked(position, "clsXMLTags::Item: no item at this position")));
}

std::shared_ptr<clsXMLTag> clsXMLTags::Item(const QString& key) const {
    const qsizetype i = IndexOfKey(key);
    if (i < 0) {
        throw std::out_of_range("clsXMLTags::Item: no item under this key");
    }
    return TagAt(i);
}

const QString& clsXMLTags::NameAt(int position) const {
    const Slot& slot = m_slots[Checked(position, "clsXMLTags::NameAt: no item at this position")];
    return slot.IsTag() ? slot.Tag()->szName : slot.Name();
}

const QString& clsXMLTags::ValueAt(int position) const {
    const Slot& slot = m_slots[Checked(position, "clsXMLTags::ValueAt: no item at this position")];
    return slot.IsTag() ? slot.Tag()->szValue : slot.Value();
}

bool clsXMLTags::HasSubTagsAt(int position) const {
    const Slot& slot =
        m_slots[Checked(position, "clsXMLTags::HasSubTagsAt: no item at this position")];
    return slot.IsTag() && slot.Tag()->objSubTags && slot.Tag()->objSubTags->Count() > 0;
}

int32_t clsXMLTags::Count() const {
    return static_cast<int32_t>(m_slots.size());
}

void clsXMLTags::Remove(int position) {
    RemoveAt(
        static_cast<qsizetype>(Checked(position, "clsXMLTags::Remove: no item at this position")));
}

void clsXMLTags::Remove(const QString& key) {
    const qsizetype i = IndexOfKey(key);
    if (i < 0) {
        throw std::out_of_range("clsXMLTags::Remove: no item under this key");
    }
    RemoveAt(i);
}

int16_t clsXMLTags::AddCount() const {
    return m_addCount;
}

clsXMLTags::const_iterator clsXMLTags::begin() const {
    return const_iterator(this, 0);
}

clsXMLTags::const_iterator clsXMLTags::end() const {
    return const_iterator(this, static_cast<std::ptrdiff_t>(m_slots.size()));
}

int32_t clsXMLTags::FindSortedPosition(const QString& szName, const QString& szValue) const {
    const int32_t n = Count();
    int32_t low = 1;
    int32_t mid = Nearest((n - 1) / 2.0);
    for (int step = 0; step < 10; ++step) {
        if (mid < 1) {
            mid = 1;
        }
        if (CompareItem(mid, szName, szValue) > 0) {
            low = mid;
            mid = Nearest(mid + (n - mid) / 2.0);
        } else {
            mid = Nearest(mid - mid / 2.0);
        }
    }
    for (int32_t p = low; p <= n; ++p) {
        if (CompareItem(p, szName, szValue) <= 0) {
            return p;
        }
    }
    return -1;
}

int16_t clsXMLTags::CompareItem(int32_t position, const QString& szName,
                                const QString& szValue) const {
    int c = CompareUpper(szName, NameAt(position));
    if (c == 0) {
        c = CompareUpper(szValue, ValueAt(position));
    }
    return static_cast<int16_t>(c);
}

qsizetype clsXMLTags::IndexOf(const clsXMLTag* tag) const {
    for (size_t i = 0; i < m_slots.size(); ++i) {
        if (m_slots[i].IsTag() && m_slots[i].Tag().get() == tag) {
            return static_cast<qsizetype>(i);
        }
    }
    return -1;
}

void clsXMLTags::RemoveAt(qsizetype index) {
    const auto i = static_cast<size_t>(index);
    std::shared_ptr<clsXMLTag> gone = m_slots[i].IsTag() ? m_slots[i].TakeTag() : nullptr;
    if (m_index && gone) {
        m_index->remove(Folded(XMLInternal::Access::ListKey(*gone)));
    }
    m_slots.erase(m_slots.begin() + index);
    // gone is released last, when the list no longer refers to it
}

std::vector<std::shared_ptr<clsXMLTag>> clsXMLTags::TakeAll() {
    Slots all;
    all.swap(m_slots);
    m_index.reset();
    std::vector<std::shared_ptr<clsXMLTag>> tags;
    tags.reserve(all.size());
    for (Slot& s : all) {
        if (s.IsTag()) {
            tags.push_back(s.TakeTag());
        }
    }
    return tags;
}

const clsXMLTags::KeyIndex& clsXMLTags::Index() const {
    if (!m_index) {
        auto built = std::make_unique<KeyIndex>();
        built->reserve(static_cast<qsizetype>(m_slots.size()));
        for (size_t i = 0; i < m_slots.size(); ++i) {
            const std::shared_ptr<clsXMLTag>& t = TagAt(static_cast<qsizetype>(i));
            built->insert(Folded(XMLInternal::Access::ListKey(*t)), t.get());
        }
        m_index = std::move(built);
    }
    return *m_index;
}

qsizetype clsXMLTags::IndexOfKey(const QString& key) const {
    if (m_slots.empty()) {
        // Nothing to find, and no index to build (the shared empty list never changes).
        return -1;
    }
    const KeyIndex& idx = Index();
    const auto it = idx.constFind(Folded(key));
    return it == idx.cend() ? -1 : IndexOf(it.value());
}
