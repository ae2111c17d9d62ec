#pragma once

#include "xmlstore/clsXML.h"
#include "xmlstore/clsXMLTag.h"
#include "xmlstore/clsXMLTags.h"

#include <QBuffer>
#include <QByteArray>
#include <QIODevice>
#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

namespace xmltest {

// Shows control and non-ASCII characters as \uXXXX so that differences are visible.
inline QString Visible(const QString& s) {
    QString out;
    for (QChar c : s) {
        if (c.unicode() < 0x20 || c.unicode() > 0x7E || c == u'\\') {
            out += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
        } else {
            out += c;
        }
    }
    return out;
}

// One line per tag below (and not including) top: depth, name and value.
inline QStringList Dump(const std::shared_ptr<clsXMLTag>& top) {
    QStringList lines;
    struct Frame {
        std::shared_ptr<clsXMLTag> tag;
        int depth;
    };
    std::vector<Frame> stack;
    const auto pushChildren = [&stack](const std::shared_ptr<clsXMLTag>& t, int depth) {
        std::vector<Frame> children;
        for (const auto& c : *t->objSubTags) {
            children.push_back({c, depth});
        }
        for (auto it = children.rbegin(); it != children.rend(); ++it) {
            stack.push_back(*it);
        }
    };
    pushChildren(top, 0);
    while (!stack.empty()) {
        Frame f = stack.back();
        stack.pop_back();
        lines << QStringLiteral("%1|%2|%3")
                     .arg(f.depth)
                     .arg(Visible(f.tag->szName), Visible(f.tag->szValue));
        pushChildren(f.tag, f.depth + 1);
    }
    return lines;
}

// Loads bytes as if they were a file's contents.
inline bool LoadBytes(clsXML& doc, const QByteArray& bytes, bool legal = false) {
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return doc.LoadXMLFromDevice(buffer, QStringLiteral("test.dat"), legal);
}

// The bytes a save writes.
inline QByteArray SaveBytes(clsXML& doc) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    if (!doc.SaveXMLToDevice(buffer, QStringLiteral("test.dat"))) {
        return QByteArrayLiteral("<save failed>");
    }
    return buffer.data();
}

// How a value comes back: every line break is CR LF; an LF without a CR before it is dropped.
inline QString Normalized(const QString& v) {
    QString out;
    for (qsizetype i = 0; i < v.size(); ++i) {
        if (v[i] == u'\r') {
            out += QLatin1String("\r\n");
            if (i + 1 < v.size() && v[i + 1] == u'\n') {
                ++i;
            }
        } else if (v[i] != u'\n') {
            out += v[i];
        }
    }
    return out;
}

// Lines joined with CR LF, each one ended by it; a tab for every leading '\t' is kept as is.
inline QByteArray CrLfLines(const QList<QByteArray>& lines) {
    QByteArray out;
    for (const QByteArray& l : lines) {
        out += l + "\r\n";
    }
    return out;
}

// A device that accepts the first `limit` bytes and then fails every write.
class FailingDevice : public QIODevice {
public:
    explicit FailingDevice(qint64 limit) : limit_(limit) {}
    QByteArray written;

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 len) override {
        const qint64 room = limit_ - written.size();
        if (room <= 0) {
            return -1;
        }
        const qint64 n = std::min(room, len);
        written.append(data, n);
        return n;
    }

private:
    qint64 limit_;
};

} // namespace xmltest
