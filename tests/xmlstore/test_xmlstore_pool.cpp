// The node pool's hand-over: a thread that built a tree for another gives it the blocks it freed
// and the rest of its chunks, so that the other thread's frees and allocations use them instead
// of a pool of its own. And memory made ready before it is written.

#include "xmlstore/NodePool.h"
#include "xmlstore/ReadyMemory.h"

#include <QString>
#include <QtTest>

#include <algorithm>
#include <cstdint>
#include <set>
#include <thread>
#include <vector>

namespace {

// What a giving thread left: the blocks it freed, the last block it cut, and its parcel.
struct Given {
    std::set<void*> freed;
    std::vector<void*> kept;
    NodePool::ParcelPtr parcel;
};

// On a thread of its own: cuts iBlocks blocks of iSize bytes, frees every other one and hands
// its pool over.
Given GiveFromThread(std::size_t iSize, int iBlocks) {
    Given given;
    std::thread([&] {
        std::vector<void*> blocks;
        for (int i = 0; i < iBlocks; ++i) {
            blocks.push_back(NodePool::Allocate(iSize));
        }
        for (int i = 0; i < iBlocks; ++i) {
            if (i % 2 == 0) {
                NodePool::Deallocate(blocks[std::size_t(i)], iSize);
                given.freed.insert(blocks[std::size_t(i)]);
            } else {
                given.kept.push_back(blocks[std::size_t(i)]);
            }
        }
        given.kept.push_back(blocks.back());
        given.parcel = NodePool::HandOver();
    }).join();
    return given;
}

std::uintptr_t Address(const void* p) {
    return reinterpret_cast<std::uintptr_t>(p);
}

// iSize bytes that differ from page to page and within one.
QByteArray Pattern(int iSize) {
    QByteArray bytes(iSize, Qt::Uninitialized);
    for (int i = 0; i < iSize; ++i) {
        bytes[i] = static_cast<char>((i * 31 + i / 4096) & 0xFF);
    }
    return bytes;
}

} // namespace

class TestXmlStorePool : public QObject {
    Q_OBJECT

private slots:
    void init() {
        if (!NodePool::IsPooled() &&
            qstrcmp(QTest::currentTestFunction(), "readyMemoryKeepsItsContents") != 0) {
            QSKIP("every block comes from the general heap in this build");
        }
    }

    void takenOver_data() {
        QTest::addColumn<int>("iSize");
        QTest::addColumn<bool>("bTakerHasChunk");
        for (const int iSize : {8, 40, 136, 256}) {
            QTest::addRow("%d bytes, taker new", iSize) << iSize << false;
            QTest::addRow("%d bytes, taker with a chunk", iSize) << iSize << true;
        }
    }

    // The taker reuses every freed block first, then goes on in the giver's chunk; the blocks the
    // giver kept are never handed out again.
    void takenOver() {
        QFETCH(int, iSize);
        QFETCH(bool, bTakerHasChunk);
        const auto size = static_cast<std::size_t>(iSize);
        Given given = GiveFromThread(size, 21);
        const std::uintptr_t last = Address(given.kept.back());
        const std::set<void*> kept(given.kept.begin(), given.kept.end());

        std::vector<void*> taken;
        std::vector<void*> own;
        std::thread([&] {
            if (bTakerHasChunk) {
                own.push_back(NodePool::Allocate(size));
            }
            NodePool::TakeOver(std::move(given.parcel));
            for (std::size_t i = 0; i < given.freed.size() + 3; ++i) {
                taken.push_back(NodePool::Allocate(size));
            }
            for (void* p : taken) {
                NodePool::Deallocate(p, size);
            }
            for (void* p : own) {
                NodePool::Deallocate(p, size);
            }
        }).join();

        const std::set<void*> firstOnes(taken.begin(),
                                        taken.begin() + std::ptrdiff_t(given.freed.size()));
        QCOMPARE(firstOnes, given.freed);
        for (std::size_t i = given.freed.size(); i < taken.size(); ++i) {
            QVERIFY(!kept.count(taken[i]));
            QVERIFY2(Address(taken[i]) > last && Address(taken[i]) - last < 64 * 1024,
                     "a block after the freed ones comes from the rest of the giver's chunk");
            QVERIFY(std::find(own.begin(), own.end(), taken[i]) == own.end());
        }
    }

    // A parcel nobody takes is let go; the pool of the thread that handed it over starts afresh.
    void untakenParcel() {
        Given given = GiveFromThread(48, 5);
        given.parcel.reset();
        void* fresh = nullptr;
        std::thread([&] {
            fresh = NodePool::Allocate(48);
            NodePool::Deallocate(fresh, 48);
        }).join();
        QVERIFY(!given.freed.count(fresh));
    }

    // Memory made ready keeps what was written into it: a buffer's part that starts and ends
    // inside pages, and vectors that grow to hold tens of thousands of elements (a chart's).
    void readyMemoryKeepsItsContents_data() {
        QTest::addColumn<int>("iSize");
        QTest::addColumn<int>("iFrom");
        QTest::addColumn<int>("iLength");
        QTest::newRow("a small part") << 8192 << 5 << 4000;
        QTest::newRow("from inside a page to inside another") << 300000 << 4099 << 200001;
        QTest::newRow("the whole of 1 MB") << (1 << 20) << 0 << (1 << 20);
    }
    void readyMemoryKeepsItsContents() {
        QFETCH(int, iSize);
        QFETCH(int, iFrom);
        QFETCH(int, iLength);
        QByteArray buffer = Pattern(iSize);
        const QByteArray before = buffer;
        MakeMemoryReady(buffer.data() + iFrom, static_cast<std::size_t>(iLength));
        QVERIFY(buffer == before);

        std::vector<QString> labels(static_cast<std::size_t>(iSize / 64));
        for (std::size_t i = 0; i < labels.size(); ++i) {
            labels[i] = QString::number(i);
        }
        std::vector<float> values(labels.size(), 1.5F);
        ReserveReady(labels, 32767);
        ReserveReady(values, 32767);
        QVERIFY(labels.capacity() >= 32767);
        QVERIFY(values.capacity() >= 32767);
        QCOMPARE(labels.size(), static_cast<std::size_t>(iSize / 64));
        for (std::size_t i = 0; i < labels.size(); ++i) {
            QCOMPARE(labels[i], QString::number(i));
            QCOMPARE(values[i], 1.5F);
        }
        labels.resize(32767);
        QVERIFY(labels.back().isNull());

        // A list's vector from the pool's allocator: small ones from the pool, this one not.
        std::vector<int, NodePool::Allocator<int>> numbers;
        for (int i = 0; i < iSize / 64; ++i) {
            numbers.push_back(i * 3);
        }
        ReserveReady(numbers, numbers.size() * 2 + 20000);
        for (int i = 0; i < iSize / 64; ++i) {
            QCOMPARE(numbers[static_cast<std::size_t>(i)], i * 3);
        }
    }
};

QTEST_APPLESS_MAIN(TestXmlStorePool)

#include "test_xmlstore_pool.moc"
