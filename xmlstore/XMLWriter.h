#pragma once

#include <QByteArray>

#include <string>

class clsXMLTag;

namespace XMLWriter {
// Appends a tag and its whole subtree as lines at the given depth, without recursion.
void AppendTag(const clsXMLTag& tag, int depth, std::string& out);
} // namespace XMLWriter
