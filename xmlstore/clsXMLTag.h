#pragma once

#include <QString>

#include <memory>

class clsXMLTags;
class QIODevice;
namespace XMLInternal {
struct Access;
}

// One tag of the tree: a name, a value text and an ordered, keyed list of sub-tags.
// Tags are held through std::shared_ptr; a list owns its tags, objParent does not own.
class clsXMLTag : public std::enable_shared_from_this<clsXMLTag> {
public:
    clsXMLTag();
    ~clsXMLTag();
    clsXMLTag(const clsXMLTag&) = delete;
    clsXMLTag& operator=(const clsXMLTag&) = delete;

    // Identity in the tree: the parent's key, ":" and the parent list's add count.
    QString szKey;
    // Value text, held decoded (line breaks are CR LF).
    QString szValue;
    // Tag name; may be empty (an unnamed tag writes only its sub-tags).
    QString szName;
    // The tag whose list holds this tag; does not own it.
    std::weak_ptr<clsXMLTag> objParent;
    // This tag's list of sub-tags; never null. A tag without sub-tags shares one empty list
    // with every other such tag (most tags of a diary are values, and a list of their own would
    // cost more than the tag); the first sub-tag added gives the tag a list of its own.
    std::shared_ptr<clsXMLTags> objSubTags;

    // Adds a sub-tag through this tag's list and returns it.
    std::shared_ptr<clsXMLTag> AddSubTag(const QString& szName, const QString& szValue,
                                         bool bSorted);
    // Removes the first tag found by name and value; throws unless it is a direct sub-tag.
    void DeleteSubTag(const QString& szName, const QString& szValue);
    // Depth-first search by exact key, this tag first; null when not found.
    std::shared_ptr<clsXMLTag> FindSubTagObject(const QString& szKey);
    // Depth-first search by exact name (and value unless it is empty), this tag first.
    std::shared_ptr<clsXMLTag> FindSubTagObjectByName(const QString& szName,
                                                      const QString& szValue);
    // Value of the first tag found by name (empty value), or empty text.
    QString GetSubTagValue(const QString& szName);

    // Writes this tag and its sub-tags as lines at depth iTagTab; returns true. Throws on failure.
    bool WriteToFile(float iTagTab, QIODevice& hFile);
    // Encodes a value for the file (CR as the marker character, LF dropped).
    QString ConvertTagValue(const QString& szValueRaw) const;
    // Decodes a value read from the file (the marker character becomes CR LF).
    QString ReConvertTagValue(const QString& szValueRaw) const;

private:
    // The store's own code (xmlstore/XMLInternal.h) reaches the list key through this.
    friend struct XMLInternal::Access;
    // The key this tag's list stores it under (its szKey when it was added).
    QString m_listKey;
};
