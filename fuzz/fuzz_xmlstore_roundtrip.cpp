// Load, save, load: whatever the loader accepts, the writer must write so that it loads back
// into the same tree (unnamed tags give their place to their sub-tags, line breaks come back
// as CR LF), and writing that again gives the same bytes.
#include "tests/xmlstore/XmlTestSupport.h"
#include "xmlstore/clsXML.h"

#include <QBuffer>
#include <QStringList>

#include <cstddef>
#include <cstdint>
#include <vector>

namespace {

// Named tags in writing order with their depth; unnamed tags are skipped, their sub-tags
// stand at their depth.
QStringList Shape(const std::shared_ptr<clsXMLTag>& top, bool normalize) {
    QStringList out;
    struct Frame {
        std::shared_ptr<clsXMLTag> tag;
        int depth;
    };
    std::vector<Frame> stack;
    auto push = [&stack](const std::shared_ptr<clsXMLTag>& t, int depth) {
        std::vector<Frame> children;
        for (const auto& c : *t->objSubTags) {
            children.push_back({c, depth});
        }
        for (auto it = children.rbegin(); it != children.rend(); ++it) {
            stack.push_back(*it);
        }
    };
    push(top, 0);
    while (!stack.empty()) {
        const Frame f = stack.back();
        stack.pop_back();
        if (f.tag->szName.isEmpty()) {
            push(f.tag, f.depth);
            continue;
        }
        out << QString::number(f.depth) + u'|' + f.tag->szName + u'|' +
                   (normalize ? xmltest::Normalized(f.tag->szValue) : f.tag->szValue);
        push(f.tag, f.depth + 1);
    }
    return out;
}

QByteArray Save(clsXML& doc) {
    QBuffer out;
    out.open(QIODevice::WriteOnly);
    if (!doc.SaveXMLToDevice(out, QStringLiteral("fuzz.dat"))) {
        __builtin_trap();
    }
    return out.data();
}

bool Load(clsXML& doc, const QByteArray& bytes) {
    QBuffer in;
    in.setData(bytes);
    in.open(QIODevice::ReadOnly);
    return doc.LoadXMLFromDevice(in, QStringLiteral("fuzz.dat"), false);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    clsXML first;
    if (!Load(first,
              QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)))) {
        return 0;
    }
    const QByteArray written = Save(first);
    clsXML second;
    if (!Load(second, written)) {
        __builtin_trap();
    }
    if (Shape(second.objBlockTag, false) != Shape(first.objBlockTag, true)) {
        __builtin_trap();
    }
    clsXML third;
    if (!Load(third, Save(second)) || Save(third) != Save(second)) {
        __builtin_trap();
    }
    return 0;
}
