// Key texts. A large document holds one key per tag, and one heap allocation per key was most of
// the cost of loading it; so keys are cut from shared blocks of text instead. This is the only
// code of the store that relies on how QString keeps its text, and it is compiled only for the
// Qt versions it was checked on; any other Qt gives every key an ordinary QString of its own.

#include "xmlstore/XMLInternal.h"

#include <QtGlobal>

#include <algorithm>
#include <new>

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

} // namespace

QString XMLInternal::MakeTagKey(const QString& parentKey, int number) {
    char16_t digits[12];
    int nDigits = 0;
    for (int v = number; v > 0; v /= 10) {
        digits[nDigits++] = static_cast<char16_t>(u'0' + v % 10);
    }
    const auto write = [&](char16_t* k) {
        k = std::copy_n(reinterpret_cast<const char16_t*>(parentKey.constData()), parentKey.size(),
                        k);
        *k++ = u':';
        for (int d = nDigits; d > 0;) {
            *k++ = digits[--d];
        }
    };
    const qsizetype n = parentKey.size() + 1 + nDigits;
#if TLG_SHARED_KEY_BLOCKS
    if (gSharedBlocks) {
        return tKeyBlocks.Make(n, write);
    }
#endif
    return PlainKey(n, write);
}

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
