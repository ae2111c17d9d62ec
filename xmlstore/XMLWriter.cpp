// The writer: a tag tree as the lines of the data file, and the safe save that puts them on disk.

#include "xmlstore/XMLInternal.h"
#include "xmlstore/clsXML.h"

#include "xmlstore/FileSystem.h"
#include "xmlstore/XMLCodec.h"

#include <QFile>
#include <QFileDevice>
#include <QIODevice>
#include <QSaveFile>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

void AppendIndent(int depth, std::string& out) {
    out.append(static_cast<size_t>(depth), '\t');
}

void AppendLeaf(const QString& szName, const QString& szValue, int depth, std::string& out) {
    AppendIndent(depth, out);
    out.push_back('<');
    const size_t nameAt = out.size();
    XMLCodec::AppendName(szName, false, out);
    const size_t nameLen = out.size() - nameAt;
    out.push_back('>');
    XMLCodec::AppendValue(szValue, false, out);
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

void XMLInternal::AppendTag(const clsXMLTag& tag, int depth, std::string& out) {
    // One frame per tag whose sub-tags are being written; named tags close after them.
    struct Frame {
        const clsXMLTag* tag;
        const clsXMLTags* list;
        qsizetype index, count;
        int childDepth;
        bool closes;
    };
    std::vector<Frame> stack;

    auto visit = [&](const clsXMLTag& t, int d) {
        const bool hasSubTags = t.objSubTags && t.objSubTags->Count() > 0;
        if (t.szName.isEmpty()) {
            if (hasSubTags) {
                stack.push_back({&t, t.objSubTags.get(), 0, t.objSubTags->Count(), d, false});
            }
            return;
        }
        if (!hasSubTags) {
            AppendLeaf(t.szName, t.szValue, d, out);
            return;
        }
        AppendOpening(t, d, out);
        stack.push_back({&t, t.objSubTags.get(), 0, t.objSubTags->Count(), d + 1, true});
    };

    visit(tag, depth);
    while (!stack.empty()) {
        Frame& f = stack.back();
        if (f.index == f.count) {
            const Frame done = f;
            stack.pop_back();
            if (done.closes) {
                AppendClosing(*done.tag, done.childDepth - 1, out);
            }
            continue;
        }
        const clsXMLTags& list = *f.list;
        const qsizetype i = f.index++;
        const int d = f.childDepth;
        if (XMLInternal::Access::IsInline(list, i)) {
            // a value line read from a file and not asked for since (its name is never empty)
            const int position = static_cast<int>(i) + 1;
            AppendLeaf(list.NameAt(position), list.ValueAt(position), d, out);
            continue;
        }
        const clsXMLTag* t = XMLInternal::Access::TagAt(list, i).get();
        if (t) {
            visit(*t, d); // may grow the stack: f is not used after this
        }
    }
}

bool clsXMLTag::WriteToFile(float iTagTab, QIODevice& hFile) {
    int depth = 0;
    if (std::isfinite(iTagTab) && iTagTab > 0) {
        depth = iTagTab > 1.0e6F ? 1000000 : static_cast<int>(std::floor(iTagTab));
    }
    std::string out;
    XMLInternal::AppendTag(*this, depth, out);
    if (out.empty()) {
        return true;
    }
    if (hFile.write(out.data(), static_cast<qint64>(out.size())) !=
        static_cast<qint64>(out.size())) {
        throw std::runtime_error("clsXMLTag::WriteToFile: the file could not be written");
    }
    return true;
}

namespace {

// The one message of every failed save.
QString CreationError(const QString& szFilename) {
    return QLatin1String("XML File Creation Error : Failed to open XML File ") + szFilename;
}

XMLInternal::SaveFault gSaveFault;

// The system's text for a full disk ("No space left on device").
QString FullDiskText() {
    return QString::fromLocal8Bit(std::strerror(ENOSPC));
}

// Stands between a save and its file while a test asks for a fault (SetSaveFault): passes the
// first bytes on, then fails as a full disk does, or claims to write what it drops.
class FaultyDevice : public QIODevice {
public:
    FaultyDevice(QIODevice& file, const XMLInternal::SaveFault& fault)
        : file_(file), fault_(fault) {
        open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 len) override {
        const qint64 n = std::min(len, std::max<qint64>(0, fault_.lBytes - passed_));
        if (n > 0) {
            const qint64 written = file_.write(data, n);
            if (written < 0) {
                setErrorString(file_.errorString());
                return -1;
            }
            passed_ += written;
            if (written < n) {
                return written;
            }
        }
        if (n == len || fault_.bSilent) {
            return len;
        }
        setErrorString(FullDiskText());
        return n > 0 ? n : -1;
    }

private:
    QIODevice& file_;
    XMLInternal::SaveFault fault_;
    qint64 passed_ = 0;
};

// Writes all bytes, again and again while the device takes only a part; false on a failure.
bool WriteAll(QIODevice& out, const char* data, qint64 size) {
    while (size > 0) {
        const qint64 n = out.write(data, size);
        if (n <= 0) {
            return false;
        }
        data += n;
        size -= n;
    }
    return true;
}

// The system's reason for a file's failure, never "Unknown error".
QString ReasonOf(const QFileDevice& file, const QString& otherwise) {
    return file.error() != QFileDevice::NoError && !file.errorString().isEmpty()
               ? file.errorString()
               : otherwise;
}

// Writes bytes to a new file beside path and puts it in path's place only when every byte has
// reached it; on any failure the old file stays as it was and reason says why.
bool ReplaceFile(const QString& path, const std::string& bytes, QString& reason) {
    const auto size = static_cast<qint64>(bytes.size());
    const bool isNew = !QFile::exists(path);
    QSaveFile file(path);
    // Unbuffered, so that a full disk fails the write itself. With a buffer, Qt 6.4 writes a
    // small file only inside commit(), whose failed flush it ignores: commit() then returns true
    // and swaps the short file in over the good one.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        reason = ReasonOf(file, QStringLiteral("the file could not be created"));
        return false;
    }
    if (isNew) {
        // The file holds health data: only its owner may read it.
        file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    }
    std::optional<FaultyDevice> fault;
    QIODevice* out = &file;
    if (gSaveFault.lBytes >= 0) {
        out = &fault.emplace(file, gSaveFault);
    }
    bool ok = WriteAll(*out, bytes.data(), size);
    if (!ok) {
        reason = out->errorString();
    } else if (!file.flush()) {
        ok = false;
        reason = ReasonOf(file, FullDiskText());
    } else if (const qint64 onDisk = file.size(); onDisk != size) {
        // Checked before commit(): what it would put in place must be the whole document.
        ok = false;
        reason = ReasonOf(
            file, QStringLiteral("only %1 of %2 bytes reached the file").arg(onDisk).arg(size));
    }
    if (!ok) {
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        reason = ReasonOf(file, QStringLiteral("the file could not be put in place"));
        return false;
    }
    FileSystem::SyncFolderOf(path);
    return true;
}

} // namespace

void XMLInternal::SetSaveFault(const SaveFault& fault) {
    gSaveFault = fault;
}

void clsXML::EncodeDocument(std::string& bytes) {
    objCurrentTag = objBlockTag;
    if (objBlockTag) {
        XMLInternal::AppendTag(*objBlockTag, 0, bytes);
    }
}

std::string clsXML::EncodeDocument() {
    std::string bytes;
    EncodeDocument(bytes);
    return bytes;
}

bool clsXML::SaveXMLFile(const QString& szFilename) {
    szErrorReason.clear();
    try {
        if (ReplaceFile(szFilename, EncodeDocument(), szErrorReason)) {
            return true;
        }
    } catch (...) {
    }
    szError = CreationError(szFilename);
    return false;
}

bool clsXML::SaveXMLToBytes(std::string& bytes, const QString& szFilename) {
    szErrorReason.clear();
    bytes.clear();
    try {
        EncodeDocument(bytes);
        return true;
    } catch (...) {
        bytes.clear();
        szError = CreationError(szFilename);
        return false;
    }
}

bool clsXML::SaveXMLToDevice(QIODevice& device, const QString& szFilename) {
    szErrorReason.clear();
    const QString creationError = CreationError(szFilename);
    try {
        const std::string bytes = EncodeDocument();
        const auto size = static_cast<qint64>(bytes.size());
        if (!device.isOpen() || !device.isWritable() || device.write(bytes.data(), size) != size) {
            szErrorReason = device.errorString();
            szError = creationError;
            return false;
        }
        return true;
    } catch (...) {
        szError = creationError;
        return false;
    }
}
