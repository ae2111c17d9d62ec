// Any bytes given to the loader: it must return, never crash, hang or read out of bounds.
#include "xmlstore/clsXML.h"

#include <QBuffer>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    QBuffer buffer;
    buffer.setData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    buffer.open(QIODevice::ReadOnly);
    clsXML doc;
    const bool ok = doc.LoadXMLFromDevice(buffer, QStringLiteral("fuzz.dat"), size % 2 == 1);
    if (!ok && doc.szError.isEmpty()) {
        __builtin_trap(); // a failed load always says why
    }
    if (ok != (doc.lLoadError == clsXML::LoadError::None)) {
        __builtin_trap(); // and tells what kind of failure it was
    }
    if (doc.szError.size() > 300) {
        __builtin_trap(); // quoting at most a short piece of the line
    }
    doc.GetTagObjectFromNamePath(QStringLiteral("A:B"), QString());
    doc.GetTagObject(QStringLiteral("root:1:1"));
    return 0;
}
