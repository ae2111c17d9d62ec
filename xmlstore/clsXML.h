#pragma once

#include "xmlstore/clsXMLTag.h"
#include "xmlstore/clsXMLTags.h"

#include <QString>

class QIODevice;

#include <functional>
#include <memory>
#include <string>

// A document: the top tag of a tag tree, the loader's position and the last error text.
class clsXML {
public:
    // Receives the messages the library has for the user (it shows none itself).
    using ErrorReporter = std::function<void(const QString&)>;

    // Why the last load failed, for a caller that must answer each case differently; szError
    // holds the text.
    enum class LoadError {
        None,               // the last load succeeded, or none was made
        CannotRead,         // the file is missing, or could not be opened or read
        NotRegularFile,     // the path names a folder, a pipe, a device...: nothing was read
        Damaged,            // the lines do not form a tag tree
        StoreFull,          // a tag has more sub-tags than a list can hold (clsXMLTags::kCapacity)
        MissingLegalHeader, // no COPYRIGHT or VERSION tag, when they were asked for
    };

    clsXML();
    ~clsXML();
    clsXML(const clsXML&) = delete;
    clsXML& operator=(const clsXML&) = delete;

    // The tag under which the loader adds the next tag.
    std::shared_ptr<clsXMLTag> objCurrentTag;
    // The top tag, key "root".
    std::shared_ptr<clsXMLTag> objBlockTag;
    // Text of the last error of a load, save or path lookup.
    QString szError;
    // Value of the COPYRIGHT tag after a load that extracted the legal header.
    QString szCopyright;
    // Value of the VERSION tag after a load that extracted the legal header.
    QString szVersion;
    // The system's reason for the last failed save (e.g. "Permission denied"); empty when none.
    QString szErrorReason;
    // Why the last load failed; LoadError::None after a successful one.
    LoadError lLoadError = LoadError::None;
    // After a successful load: the file ended while some of the tags it opened were still open.
    // The format allows it, but a file the writer made never ends so: it is what a file cut off
    // at the end of a line looks like.
    bool bEndedWithOpenTags = false;

    // Reads a file into the tree under the current tag; never throws. Only a regular file (or a
    // link to one) is read: for anything else the load fails at once.
    bool LoadXMLFile(const QString& szFilename, bool bExtractLegalHeader);
    // Reads from an open device (the file's bytes) the same way; never throws.
    bool LoadXMLFromDevice(QIODevice& device, const QString& szFilename, bool bExtractLegalHeader);
    // Writes the whole tree over a file, safely (the old file stays until all was written).
    bool SaveXMLFile(const QString& szFilename);
    // Writes the whole tree to an open device; never throws.
    bool SaveXMLToDevice(QIODevice& device, const QString& szFilename);
    // Puts the whole tree, as the file's bytes, into bytes in place of what it held; its memory
    // is used again, so that a caller who saves often keeps one buffer. Never throws; on failure
    // bytes is empty and szError names szFilename.
    bool SaveXMLToBytes(std::string& bytes, const QString& szFilename);
    // The tag with this key anywhere in the tree, or null.
    std::shared_ptr<clsXMLTag> GetTagObject(const QString& szKey);
    // Follows a colon-separated path of names from the block tag; null and szError when missing.
    std::shared_ptr<clsXMLTag> GetTagObjectFromNamePath(const QString& szNamePathColonDelimited,
                                                        const QString& szLastTagValue);
    // Lets the tree go and starts again with a new, empty block tag.
    void Reset();

    // Sets where user messages go (the application routes them to its error box).
    static void SetErrorReporter(ErrorReporter reporter);

private:
    // The whole tree as the file's bytes, appended to bytes; makes the block tag current. Throws
    // on failure.
    void EncodeDocument(std::string& bytes);
    std::string EncodeDocument();
    // Reads COPYRIGHT and VERSION after a load; reports and fails when one is missing.
    bool ExtractLegalHeader();
};
