// The writer: a tag tree as the lines of the data file, and the safe save that puts them on disk.

#include "xmlstore/XMLInternal.h"
#include "xmlstore/clsXML.h"

#include "xmlstore/XMLCodec.h"

#include <QFile>
#include <QFileDevice>
#include <QIODevice>
#include <QSaveFile>

#include <cmath>
#include <stdexcept>
#include <string>
#include <vector>

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

void XMLInternal::AppendTag(const clsXMLTag& tag, int depth, std::string& out) {
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

} // namespace

std::string clsXML::EncodeDocument() {
    objCurrentTag = objBlockTag;
    std::string bytes;
    if (objBlockTag) {
        XMLInternal::AppendTag(*objBlockTag, 0, bytes);
    }
    return bytes;
}

bool clsXML::SaveXMLFile(const QString& szFilename) {
    szErrorReason.clear();
    const QString creationError = CreationError(szFilename);
    try {
        const std::string bytes = EncodeDocument();
        const auto size = static_cast<qint64>(bytes.size());
        const bool isNew = !QFile::exists(szFilename);
        // Written beside the target and swapped in only when all of it was written and flushed.
        QSaveFile file(szFilename);
        bool ok = file.open(QIODevice::WriteOnly);
        if (ok && isNew) {
            // The file holds health data: only its owner may read it.
            file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        }
        ok = ok && file.write(bytes.data(), size) == size;
        if (!ok) {
            szErrorReason = file.errorString();
            file.cancelWriting();
        } else if (!file.commit()) {
            szErrorReason = file.errorString();
            ok = false;
        }
        if (!ok) {
            szError = creationError;
        }
        return ok;
    } catch (...) {
        szError = creationError;
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
