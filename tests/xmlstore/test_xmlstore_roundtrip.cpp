#include "tests/xmlstore/XmlTestSupport.h"

#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

using xmltest::Dump;
using xmltest::LoadBytes;
using xmltest::SaveBytes;

namespace {

// Random text drawn mostly from the characters that are hard for the file format.
class TextMaker {
public:
    explicit TextMaker(quint32 seed) : rng_(seed) {}

    QString Text(int maxLength, bool allowEmpty) {
        const int length = static_cast<int>(rng_.bounded(maxLength + 1));
        QString s;
        for (int i = 0; i < length; ++i) {
            AppendOne(s);
        }
        if (s.isEmpty() && !allowEmpty) {
            s = QStringLiteral("n");
        }
        return s;
    }

    int Bounded(int n) { return static_cast<int>(rng_.bounded(n)); }

private:
    void AppendOne(QString& s) {
        static const char16_t kHard[] = {u'<',   u'>',   u'=',   u'/',  u'&', u'#',
                                         u';',   u'\r',  u'\n',  u'\t', u' ', 0x00F8,
                                         0x20AC, 0x0081, 0x00A0, u'0',  u'9', 0x0000};
        switch (rng_.bounded(6)) {
        case 0:
        case 1:
            s += QChar(kHard[rng_.bounded(static_cast<quint32>(std::size(kHard)))]);
            break;
        case 2:
            s += QLatin1String("&#");
            break;
        case 3:
            s += QChar(static_cast<char16_t>(0x20 + rng_.bounded(0x5F)));
            break;
        case 4: // anything in the basic plane, lone surrogates included
            s += QChar(static_cast<char16_t>(rng_.bounded(0x10000)));
            break;
        default: { // a character outside the basic plane
            const char32_t cp = 0x10000 + rng_.bounded(0x100000);
            s += QString::fromUcs4(&cp, 1);
            break;
        }
        }
    }

    QRandomGenerator rng_;
};

struct Built {
    int tags = 0;
};

// Fills top with a random tree of named tags.
void Grow(TextMaker& maker, const std::shared_ptr<clsXMLTag>& top, Built& built) {
    struct Frame {
        std::shared_ptr<clsXMLTag> tag;
        int depth;
    };
    std::vector<Frame> stack{{top, 0}};
    while (!stack.empty() && built.tags < 400) {
        Frame f = stack.back();
        stack.pop_back();
        const int children = f.depth > 6 ? 0 : maker.Bounded(5);
        std::vector<Frame> added;
        for (int i = 0; i < children; ++i) {
            auto child = f.tag->AddSubTag(maker.Text(8, false), maker.Text(12, true), false);
            ++built.tags;
            added.push_back({child, f.depth + 1});
        }
        for (auto it = added.rbegin(); it != added.rend(); ++it) {
            stack.push_back(*it);
        }
    }
}

} // namespace

class TestXmlStoreRoundTrip : public QObject {
    Q_OBJECT

private slots:
    void randomTrees_data() {
        QTest::addColumn<quint32>("seed");
        for (quint32 seed = 1; seed <= 40; ++seed) {
            QTest::addRow("seed %u", seed) << seed;
        }
    }
    void randomTrees() {
        QFETCH(quint32, seed);
        TextMaker maker(seed);
        clsXML doc;
        Built built;
        Grow(maker, doc.objBlockTag, built);

        // What must come back: the same tags, values with normalised line breaks.
        clsXML copy;
        struct Pair {
            std::shared_ptr<clsXMLTag> from, to;
        };
        std::vector<Pair> stack{{doc.objBlockTag, copy.objBlockTag}};
        while (!stack.empty()) {
            Pair p = stack.back();
            stack.pop_back();
            for (const auto& c : *p.from->objSubTags) {
                stack.push_back(
                    {c, p.to->AddSubTag(c->szName, xmltest::Normalized(c->szValue), false)});
            }
        }

        const QByteArray bytes = SaveBytes(doc);
        clsXML back;
        QVERIFY2(LoadBytes(back, bytes), qPrintable(back.szError));
        QCOMPARE(Dump(back.objBlockTag), Dump(copy.objBlockTag));
        // Writing what was read gives the bytes of the normalised tree.
        QCOMPARE(SaveBytes(back), SaveBytes(copy));
    }

    void randomTreesThroughFiles() {
        TextMaker maker(4242);
        clsXML doc;
        doc.objBlockTag->szName = QStringLiteral("TOP \u00f8");
        Built built;
        Grow(maker, doc.objBlockTag, built);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("rt.dat"));
        QVERIFY(doc.SaveXMLFile(path));
        QVERIFY(doc.SaveXMLFile(path)); // replacing an existing file
        clsXML back;
        QVERIFY2(back.LoadXMLFile(path, false), qPrintable(back.szError));
        const auto top = back.objBlockTag->objSubTags->Item(1);
        QCOMPARE(top->szName, doc.objBlockTag->szName);
        QCOMPARE(SaveBytes(back), SaveBytes(doc));
    }

    void everyCodeUnitInNamesAndValues() {
        // Every UTF-16 code unit once, as a name of its own and inside values of both line kinds.
        clsXML doc;
        auto parent = doc.objBlockTag->AddSubTag(QStringLiteral("P"), QStringLiteral("x"), false);
        QString all;
        for (int u = 1; u < 0x10000; ++u) {
            const QChar c(static_cast<char16_t>(u));
            if (u != '\r' && u != '\n') {
                all += c;
            }
            if (u % 2000 == 0 || u == 0xFFFF) {
                parent = doc.objBlockTag->AddSubTag(all, all, false);
                parent->AddSubTag(all, all, false);
                all.clear();
            }
        }
        const QByteArray bytes = SaveBytes(doc);
        clsXML back;
        QVERIFY2(LoadBytes(back, bytes), qPrintable(back.szError.left(300)));
        QCOMPARE(Dump(back.objBlockTag), Dump(doc.objBlockTag));
    }
};

QTEST_GUILESS_MAIN(TestXmlStoreRoundTrip)
#include "test_xmlstore_roundtrip.moc"
