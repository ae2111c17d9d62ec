// The loader: the lines of a data file into the tag tree under the document's current tag.

#include "xmlstore/XMLInternal.h"
#include "xmlstore/clsXML.h"

#include "xmlstore/CodePage.h"
#include "xmlstore/FileSystem.h"
#include "xmlstore/MessageText.h"
#include "xmlstore/XMLCodec.h"

#include <QBuffer>
#include <QFile>
#include <QFileDevice>
#include <QIODevice>
#include <QStringView>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <vector>

namespace {

// Deepest nesting of opening lines one load builds; deeper files are refused as damaged.
constexpr int kMaxLoadDepth = 1000;

enum LineKind { OpeningTag = 1, ClosingTag = 2, CompleteTag = 3 };

// Shares the text of names and values that repeat from line to line ("S", "120", a comment
// used every day), so that a large file holds one copy of each instead of a hundred thousand,
// and loading makes one allocation per new text instead of one per line.
class TextCache {
public:
    // Longest text worth looking up; longer texts are rarely repeated.
    static constexpr qsizetype kLongest = 64;

    // A text as it stands in a line, decoded; for a name, also its interned copy, once asked.
    struct Entry {
        QString raw;  // as it stands in the line
        QString text; // decoded
        const QString* interned = nullptr;
        bool bInternedKnown = false;
    };

    // The entry of s as it stands in a line, valid until the next Get; decode is called only for
    // a text not seen lately. Texts longer than kLongest are decoded every time (into an entry
    // of their own).
    template <class Decode> Entry& Get(QStringView s, Decode decode) {
        const char16_t* p = s.utf16();
        const qsizetype n = s.size();
        if (n > kLongest) {
            long_ = Entry{QString(), decode(s), nullptr, false};
            return long_;
        }
        size_t h = static_cast<size_t>(n);
        for (qsizetype i = 0; i < n; ++i) {
            h = h * 31u + p[i];
        }
        Entry& slot = slots_[(h ^ (h >> 9)) % kSlots];
        if (slot.raw.size() != n || !std::equal(p, p + n, slot.raw.utf16())) {
            slot.text = decode(s);
            slot.raw = slot.text == s ? slot.text : s.toString();
            slot.interned = nullptr;
            slot.bInternedKnown = false;
        }
        return slot;
    }

    // The store's one shared copy of an entry's text as a name (null where it keeps none),
    // looked up once for as long as the entry stays.
    static const QString* Interned(Entry& entry) {
        if (!entry.bInternedKnown) {
            entry.interned = XMLInternal::InternedName(entry.text);
            entry.bInternedKnown = true;
        }
        return entry.interned;
    }

private:
    static constexpr size_t kSlots = 509;
    std::array<Entry, kSlots> slots_;
    Entry long_;
};

// before + text + after, for the messages about a line; the text as MessageText::Quoted shows
// it (cut to a few dozen characters, control characters made visible).
QString Quote(const char* before, QStringView text, const char* after) {
    return QLatin1String(before) + MessageText::Quoted(text) + QLatin1String(after);
}

// Position of the first c in p[from, n), or -1. Lines are short: a plain loop beats a library
// search's set-up.
inline qsizetype Find(const char16_t* p, qsizetype from, qsizetype n, char16_t c) {
    for (qsizetype i = from; i < n; ++i) {
        if (p[i] == c) {
            return i;
        }
    }
    return -1;
}

// The parts of one line, as views into the file's text.
struct ParsedLine {
    QStringView name;
    QStringView value;
    LineKind kind = OpeningTag;
};

// One load: splits the file into lines, each line into name, value and kind, and builds the tags
// under the document's current tag. Messages go to the document's szError.
class Loader {
public:
    explicit Loader(clsXML& doc) : doc_(doc) {}

    // Splits a line; on failure szError holds the message (without the line number).
    bool ExtractTagText(QStringView line, QStringView& tagText, QStringView& data,
                        bool& explicitEmpty) {
        tagText = QStringView();
        data = QStringView();
        explicitEmpty = false;
        const qsizetype n = line.size();
        const char16_t* p = line.utf16();
        const qsizetype i = Find(p, 0, n, u'<');
        if (i < 0) {
            doc_.szError = Quote("XML Line ", line, " has no opening brace");
            return false;
        }
        // The quoted part of the "XML Tag" messages: n - i - 1 characters (1-based i).
        const qsizetype quoteLen = std::max<qsizetype>(0, n - i - 2);
        const qsizetype j = Find(p, i + 1, n, u'>');
        if (j < 0) {
            doc_.szError = Quote("XML Tag ", line.mid(i + 1, quoteLen), " has no closing brace");
            return false;
        }
        tagText = line.mid(i + 1, j - i - 1);
        if (j == n - 1) {
            doc_.szError.clear();
            return true;
        }
        const qsizetype k = Find(p, j + 1, n, u'<');
        if (k < 0) {
            doc_.szError = Quote("XML Tag ", line.mid(i, quoteLen),
                                 " has enclosed tag data contents but no closing tag");
            return false;
        }
        const qsizetype tagLen = tagText.size();
        const bool matches = k + tagLen + 3 <= n && p[k + 1] == u'/' &&
                             std::equal(p + k + 2, p + k + 2 + tagLen, p + i + 1) &&
                             p[k + 2 + tagLen] == u'>';
        if (!matches) {
            doc_.szError = Quote("XML Tag ", line.mid(i, quoteLen),
                                 " has enclosed tag data contents but the closing tag does not "
                                 "match the opening tag");
            return false;
        }
        data = line.mid(j + 1, k - j - 1);
        explicitEmpty = k == j + 1;
        doc_.szError.clear();
        return true;
    }

    bool ParseXMLLine(QStringView line, ParsedLine& out) {
        out = ParsedLine();
        QStringView tagText;
        QStringView data;
        bool explicitEmpty = false;
        if (!ExtractTagText(line, tagText, data, explicitEmpty)) {
            return false;
        }
        if (!data.isEmpty() || explicitEmpty) {
            out.kind = CompleteTag;
            out.name = tagText;
            out.value = data;
        } else if (!tagText.isEmpty() && tagText.front() == u'/') {
            out.kind = ClosingTag;
            out.name = tagText.mid(1);
        } else {
            out.kind = OpeningTag;
            const qsizetype eq = tagText.lastIndexOf(u'=');
            if (eq < 0) {
                out.name = tagText;
            } else if (eq == 0) {
                out.name = tagText;
                out.value = tagText.mid(1);
            } else {
                out.name = tagText.left(eq);
                out.value = tagText.mid(eq + 1);
            }
        }
        return true;
    }

    TextCache::Entry& Name(QStringView s) {
        return names_.Get(s, [](QStringView raw) {
            return XMLCodec::NameNeedsDecoding(raw) ? XMLCodec::DecodeName(raw) : raw.toString();
        });
    }

    QString Value(QStringView s) {
        return values_
            .Get(s,
                 [](QStringView raw) {
                     return XMLCodec::ValueNeedsDecoding(raw) ? XMLCodec::DecodeValue(raw)
                                                              : raw.toString();
                 })
            .text;
    }

    enum class Result { Ok, Failed, OpeningError, StoreFull };

    Result Load(const QByteArray& bytes) {
        // The open tags, innermost last. Each is the list entry that holds the tag, which stays
        // put while the tag is open (its list only grows after it is closed). The first is
        // where loading starts; closing it climbs to its parent.
        std::shared_ptr<clsXMLTag> start = doc_.objCurrentTag;
        std::vector<const std::shared_ptr<clsXMLTag>*> open{&start};
        // Whatever happens, the document's current tag is the innermost tag open at the end.
        const auto leave = [&] { doc_.objCurrentTag = open.empty() ? nullptr : *open.back(); };
        try {
            const Result result = LoadLines(bytes, start, open);
            leave();
            return result;
        } catch (...) {
            leave();
            throw;
        }
    }

    Result LoadLines(const QByteArray& bytes, std::shared_ptr<clsXMLTag>& start,
                     std::vector<const std::shared_ptr<clsXMLTag>*>& open) {
        const char* all = bytes.constData();
        const qsizetype size = bytes.size();
        qsizetype pos = 0;
        int32_t lineNumber = 0;
        ParsedLine parsed;
        QString text; // the current line, decoded; reused from line to line
        while (pos < size) {
            NextLine(all, size, pos, text);
            const QStringView line(text);
            ++lineNumber;
            if (line.isEmpty()) {
                continue;
            }
            if (!ParseXMLLine(line, parsed)) {
                doc_.szError = QLatin1String("Damaged XML File : ") + doc_.szError +
                               QLatin1String(" on line ") + QString::number(lineNumber);
                return Result::Failed;
            }
            if (open.empty() || !*open.back()) {
                return Result::OpeningError;
            }
            if (const Result result = ApplyLine(parsed, lineNumber, start, open);
                result != Result::Ok) {
                return result;
            }
        }
        endedOpen_ = open.size() > 1;
        return Result::Ok;
    }

    // After an Ok load: the file ended while tags it opened were still open.
    bool EndedOpen() const { return endedOpen_; }

private:
    // The line at pos, up to its CR or the end of the bytes, decoded into text; pos moves past
    // its line end (CR LF or CR).
    static void NextLine(const char* all, qsizetype size, qsizetype& pos, QString& text) {
        const void* cr = std::memchr(all + pos, '\r', static_cast<size_t>(size - pos));
        qsizetype end;
        qsizetype next;
        if (cr == nullptr) {
            end = size;
            next = size;
        } else {
            end = static_cast<const char*>(cr) - all;
            next = end + 1;
            if (next < size && all[next] == '\n') {
                ++next;
            }
        }
        CodePage::DecodeInto(all + pos, end - pos, text);
        pos = next;
    }

    // A parsed line in the innermost open tag: a tag opened, closed or added whole. Ok, or why
    // loading stops.
    Result ApplyLine(const ParsedLine& parsed, int32_t lineNumber,
                     std::shared_ptr<clsXMLTag>& start,
                     std::vector<const std::shared_ptr<clsXMLTag>*>& open) {
        const std::shared_ptr<clsXMLTag>& current = *open.back();
        switch (parsed.kind) {
        case OpeningTag: {
            if (open.size() > kMaxLoadDepth) {
                return Result::OpeningError;
            }
            clsXMLTags& list = XMLInternal::SubTagList(*current);
            if (list.IsFull()) {
                return StoreFull(*current, lineNumber);
            }
            open.push_back(&XMLInternal::Access::Append(list, QString(Name(parsed.name).text),
                                                        Value(parsed.value), current));
            break;
        }
        case ClosingTag: {
            // A name that needs no decoding is compared as it stands.
            const bool bPlain = !XMLCodec::NameNeedsDecoding(parsed.name);
            if (bPlain ? current->szName != parsed.name
                       : current->szName != Name(parsed.name).text) {
                const QString name = bPlain ? parsed.name.toString() : Name(parsed.name).text;
                // name, a blank, the (always empty) value of a closing line, " on line "
                doc_.szError =
                    Quote("XML File contains corrupt nesting of tag: ", name, "  on line ") +
                    QString::number(lineNumber);
                return Result::Failed;
            }
            if (open.size() > 1) {
                open.pop_back();
            } else {
                start = start->objParent.lock();
            }
            break;
        }
        case CompleteTag: {
            clsXMLTags& list = XMLInternal::SubTagList(*current);
            if (list.IsFull()) {
                return StoreFull(*current, lineNumber);
            }
            TextCache::Entry& name = Name(parsed.name);
            XMLInternal::Access::AppendValue(list, name.text, TextCache::Interned(name),
                                             Value(parsed.value), current);
            break;
        }
        }
        return Result::Ok;
    }

    // The failure of a line that would add to a list that has taken all the tags it can.
    Result StoreFull(const clsXMLTag& tag, int32_t lineNumber) {
        doc_.szError = Quote("XML File Too Large : Tag ", tag.szName, " has more than the ") +
                       QString::number(clsXMLTags::kCapacity) +
                       QLatin1String(" sub-tags one tag can hold on line ") +
                       QString::number(lineNumber);
        return Result::StoreFull;
    }

    clsXML& doc_;
    TextCache names_;
    TextCache values_;
    bool endedOpen_ = false;
};

} // namespace

namespace {

// What is left to read of the device. Bytes already in memory (a QBuffer) are shared, not
// copied: a large diary's bytes are then held once while it loads.
QByteArray ReadRest(QIODevice& device) {
    if (auto* buffer = qobject_cast<QBuffer*>(&device)) {
        const qint64 lFrom = buffer->pos();
        QByteArray rest = buffer->data().mid(lFrom); // the same bytes when lFrom is 0
        buffer->seek(buffer->size());
        return rest;
    }
    return device.readAll();
}

QString OpeningError(const QString& szFilename) {
    return QLatin1String("XML File Opening Error : Failed to open XML File ") + szFilename;
}

} // namespace

bool clsXML::LoadXMLFile(const QString& szFilename, bool bExtractLegalHeader) {
    bEndedWithOpenTags = false;
    try {
        QFile file;
        switch (FileSystem::OpenRegularFile(file, szFilename)) {
        case FileSystem::OpenResult::Opened:
            return LoadXMLFromDevice(file, szFilename, bExtractLegalHeader);
        case FileSystem::OpenResult::NotRegularFile:
            szError = QLatin1String("XML File Opening Error : ") + szFilename +
                      QLatin1String(" is not a regular file");
            lLoadError = LoadError::NotRegularFile;
            return false;
        case FileSystem::OpenResult::Failed:
            break;
        }
    } catch (...) {
    }
    szError = OpeningError(szFilename);
    lLoadError = LoadError::CannotRead;
    return false;
}

bool clsXML::LoadXMLFromDevice(QIODevice& device, const QString& szFilename,
                               bool bExtractLegalHeader) {
    lLoadError = LoadError::CannotRead;
    bEndedWithOpenTags = false;
    try {
        if (!device.isOpen() || !device.isReadable()) {
            szError = OpeningError(szFilename);
            return false;
        }
        const QByteArray bytes = ReadRest(device);
        if (auto* file = qobject_cast<QFileDevice*>(&device);
            file && file->error() != QFileDevice::NoError) {
            szError = OpeningError(szFilename);
            return false;
        }
        Loader loader(*this);
        switch (loader.Load(bytes)) {
        case Loader::Result::Ok:
            bEndedWithOpenTags = loader.EndedOpen();
            break;
        case Loader::Result::Failed:
            lLoadError = LoadError::Damaged;
            return false;
        case Loader::Result::StoreFull:
            lLoadError = LoadError::StoreFull;
            return false;
        case Loader::Result::OpeningError:
            // a damaged file, reported with the general message
            szError = OpeningError(szFilename);
            lLoadError = LoadError::Damaged;
            return false;
        }
        objCurrentTag = objBlockTag;
        if (bExtractLegalHeader && !ExtractLegalHeader()) {
            lLoadError = LoadError::MissingLegalHeader;
            return false;
        }
        lLoadError = LoadError::None;
        return true;
    } catch (...) {
        szError = OpeningError(szFilename);
        lLoadError = LoadError::CannotRead;
        return false;
    }
}
