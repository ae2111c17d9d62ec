// The document: its block tag, path lookups and the legal header. Loading is in XMLLoader.cpp,
// saving in XMLWriter.cpp.

#include "xmlstore/clsXML.h"

#include "xmlstore/NodePool.h"

#include <QList>
#include <QStringView>

#include <utility>

namespace {

clsXML::ErrorReporter& Reporter() {
    static clsXML::ErrorReporter reporter;
    return reporter;
}

void Report(const QString& message) {
    const clsXML::ErrorReporter& r = Reporter();
    if (r) {
        r(message);
    }
}

} // namespace

clsXML::clsXML() {
    Reset();
}

clsXML::~clsXML() = default;

bool clsXML::ExtractLegalHeader() {
    std::shared_ptr<clsXMLTag> tag = GetTagObjectFromNamePath(QStringLiteral("COPYRIGHT"), {});
    if (!tag) {
        Report(QStringLiteral("There is no copyright on the xml file being loaded"));
        return false;
    }
    szCopyright = tag->szValue;
    tag = GetTagObjectFromNamePath(QStringLiteral("VERSION"), {});
    if (!tag) {
        Report(QStringLiteral("There is no version on the xml file being loaded"));
        return false;
    }
    szVersion = tag->szValue;
    return true;
}

std::shared_ptr<clsXMLTag> clsXML::GetTagObject(const QString& szKey) {
    return objBlockTag ? objBlockTag->FindSubTagObject(szKey) : nullptr;
}

std::shared_ptr<clsXMLTag> clsXML::GetTagObjectFromNamePath(const QString& szNamePathColonDelimited,
                                                            const QString& szLastTagValue) {
    std::shared_ptr<clsXMLTag> t = objBlockTag;
    if (szNamePathColonDelimited.isEmpty() || !t) {
        return t;
    }
    const QList<QStringView> elements = QStringView(szNamePathColonDelimited).split(u':');
    for (qsizetype e = 0; e < elements.size(); ++e) {
        const bool last = e == elements.size() - 1;
        const QString name = elements[e].toString();
        t = t->FindSubTagObjectByName(name, last ? szLastTagValue : QString());
        if (!t) {
            szError =
                QLatin1String("Tag ") + QLatin1String(" not found in ") + szNamePathColonDelimited;
            return nullptr;
        }
    }
    return t;
}

void clsXML::Reset() {
    auto block = std::allocate_shared<clsXMLTag>(NodePool::Allocator<clsXMLTag>());
    block->szKey = QStringLiteral("root");
    objCurrentTag = block;
    objBlockTag = std::move(block);
}

void clsXML::SetErrorReporter(ErrorReporter reporter) {
    Reporter() = std::move(reporter);
}
