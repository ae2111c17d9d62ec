// Loading and saving the largest readings store (32,767 days), with pugixml on the same tree
// and a plain read of the file's bytes as references.
#include "xmlstore/clsXML.h"

#include <benchmark/benchmark.h>
#include <pugixml.hpp>

#include <QBuffer>
#include <QDate>
#include <QFile>
#include <QRandomGenerator>
#include <QSaveFile>
#include <QTemporaryDir>

#include <memory>
#include <sstream>
#include <string>

namespace {

constexpr int kDays = 32767;

const char* const kComments[] = {
    "",
    "",
    "Walked to work.",
    "Slept badly, headache in the morning.",
    "After the run",
    "Measured twice, took the lower one.\r\nFelt dizzy in the afternoon.",
    "New tablets from today (5 mg).",
    "Coffee before measuring",
    "Stressful day at the office.\r\nWill measure again tomorrow.\r\nDoctor on Friday.",
    "Garden work, 2 hours",
    "Søndag: family visit, big lunch",
    "Cold, blocked nose",
};

struct Fixture {
    QTemporaryDir dir;
    QString storePath;
    QString xmlPath;
    QByteArray storeBytes;
    std::string xmlText;

    Fixture() {
        storePath = dir.filePath(QStringLiteral("crtlg.dat"));
        xmlPath = dir.filePath(QStringLiteral("crtlg.xml"));
        clsXML doc;
        Build(doc);
        doc.SaveXMLFile(storePath);
        QFile f(storePath);
        f.open(QIODevice::ReadOnly);
        storeBytes = f.readAll();

        pugi::xml_document x;
        BuildPugi(doc, x);
        std::ostringstream out;
        x.save(out, "\t", pugi::format_default, pugi::encoding_utf8);
        xmlText = out.str();
        x.save_file(xmlPath.toStdString().c_str());
    }

    // The store as the program builds it: every day entry with its four value tags.
    static void Build(clsXML& doc) {
        QRandomGenerator rng(7);
        doc.objBlockTag->szName = QStringLiteral("CORVALEN TENSIOLOG");
        auto readings = doc.objBlockTag->AddSubTag(QStringLiteral("READINGS"), {}, true);
        QDate day(1936, 1, 1);
        for (int i = 0; i < kDays; ++i, day = day.addDays(1)) {
            auto entry = readings->AddSubTag(day.toString(QStringLiteral("yyyyMMdd")), {}, true);
            const bool placeholder = rng.bounded(20) == 0;
            auto value = [&](int lo, int hi) {
                return placeholder ? QString() : QString::number(lo + rng.bounded(hi - lo));
            };
            entry->AddSubTag(QStringLiteral("S"), value(105, 175), false);
            entry->AddSubTag(QStringLiteral("D"), value(60, 105), false);
            entry->AddSubTag(QStringLiteral("P"), value(50, 95), false);
            entry->AddSubTag(
                QStringLiteral("C"),
                QString::fromUtf8(
                    kComments[rng.bounded(static_cast<quint32>(std::size(kComments)))]),
                false);
        }
    }

    // The same tree as ordinary XML (day names get a letter in front to be valid names).
    static void BuildPugi(clsXML& doc, pugi::xml_document& x) {
        auto top = x.append_child("CORVALEN_TENSIOLOG");
        auto readings = top.append_child("READINGS");
        const auto r = doc.GetTagObjectFromNamePath(QStringLiteral("READINGS"), {});
        for (const auto& day : *r->objSubTags) {
            std::string name(1, 'd');
            name.append(day->szName.toStdString());
            auto d = readings.append_child(name.c_str());
            for (const auto& v : *day->objSubTags) {
                d.append_child(v->szName.toStdString().c_str())
                    .text()
                    .set(v->szValue.toStdString().c_str());
            }
        }
    }
};

Fixture& Data() {
    static Fixture f;
    return f;
}

void BM_ReadFileBytes(benchmark::State& state) {
    for (auto _ : state) {
        QFile f(Data().storePath);
        f.open(QIODevice::ReadOnly);
        QByteArray b = f.readAll();
        benchmark::DoNotOptimize(b.data());
    }
    state.SetBytesProcessed(state.iterations() * Data().storeBytes.size());
}

void BM_LoadXMLFile(benchmark::State& state) {
    for (auto _ : state) {
        auto doc = std::make_unique<clsXML>();
        if (!doc->LoadXMLFile(Data().storePath, false)) {
            state.SkipWithError("load failed");
        }
        state.PauseTiming();
        doc.reset();
        state.ResumeTiming();
    }
    state.SetBytesProcessed(state.iterations() * Data().storeBytes.size());
}

void BM_LoadXMLFromMemory(benchmark::State& state) {
    for (auto _ : state) {
        auto doc = std::make_unique<clsXML>();
        QBuffer in;
        in.setData(Data().storeBytes);
        in.open(QIODevice::ReadOnly);
        if (!doc->LoadXMLFromDevice(in, QStringLiteral("mem"), false)) {
            state.SkipWithError("load failed");
        }
        state.PauseTiming();
        doc.reset();
        state.ResumeTiming();
    }
    state.SetBytesProcessed(state.iterations() * Data().storeBytes.size());
}

void BM_TearDownTree(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        auto doc = std::make_unique<clsXML>();
        QBuffer in;
        in.setData(Data().storeBytes);
        in.open(QIODevice::ReadOnly);
        doc->LoadXMLFromDevice(in, QStringLiteral("mem"), false);
        state.ResumeTiming();
        doc.reset();
    }
}

void BM_SaveToBuffer(benchmark::State& state) {
    clsXML doc;
    Fixture::Build(doc);
    for (auto _ : state) {
        QBuffer out;
        out.open(QIODevice::WriteOnly);
        doc.SaveXMLToDevice(out, QStringLiteral("mem"));
        benchmark::DoNotOptimize(out.data().constData());
    }
    state.SetBytesProcessed(state.iterations() * Data().storeBytes.size());
}

void BM_SaveXMLFile(benchmark::State& state) {
    clsXML doc;
    Fixture::Build(doc);
    const QString path = Data().dir.filePath(QStringLiteral("save.dat"));
    for (auto _ : state) {
        if (!doc.SaveXMLFile(path)) {
            state.SkipWithError("save failed");
        }
    }
    state.SetBytesProcessed(state.iterations() * Data().storeBytes.size());
}

// The same bytes written with a plain file, without the replace-and-flush of the safe save.
void BM_WriteBytesUnsafe(benchmark::State& state) {
    const QString path = Data().dir.filePath(QStringLiteral("plain.dat"));
    for (auto _ : state) {
        QFile f(path);
        f.open(QIODevice::WriteOnly | QIODevice::Truncate);
        f.write(Data().storeBytes);
        f.close();
    }
    state.SetBytesProcessed(state.iterations() * Data().storeBytes.size());
}

// The same bytes through the safe save's file handling alone: written beside the target, flushed
// to disk and swapped in. Its difference to the plain write is the cost of the flush and swap.
void BM_WriteBytesSafe(benchmark::State& state) {
    const QString path = Data().dir.filePath(QStringLiteral("safe.dat"));
    for (auto _ : state) {
        QSaveFile f(path);
        if (!f.open(QIODevice::WriteOnly) ||
            f.write(Data().storeBytes) != Data().storeBytes.size() || !f.commit()) {
            state.SkipWithError("safe write failed");
        }
    }
    state.SetBytesProcessed(state.iterations() * Data().storeBytes.size());
}

void BM_PugiParseFile(benchmark::State& state) {
    const std::string path = Data().xmlPath.toStdString();
    for (auto _ : state) {
        auto x = std::make_unique<pugi::xml_document>();
        if (!x->load_file(path.c_str())) {
            state.SkipWithError("pugixml load failed");
        }
        state.PauseTiming();
        x.reset();
        state.ResumeTiming();
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(Data().xmlText.size()));
}

void BM_PugiParseMemory(benchmark::State& state) {
    for (auto _ : state) {
        auto x = std::make_unique<pugi::xml_document>();
        x->load_buffer(Data().xmlText.data(), Data().xmlText.size());
        state.PauseTiming();
        x.reset();
        state.ResumeTiming();
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(Data().xmlText.size()));
}

struct StringWriter : pugi::xml_writer {
    std::string out;
    void write(const void* data, size_t size) override {
        out.append(static_cast<const char*>(data), size);
    }
};

void BM_PugiSaveToBuffer(benchmark::State& state) {
    pugi::xml_document x;
    x.load_buffer(Data().xmlText.data(), Data().xmlText.size());
    for (auto _ : state) {
        StringWriter w;
        x.save(w, "\t");
        benchmark::DoNotOptimize(w.out.data());
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(Data().xmlText.size()));
}

void BM_PugiSaveFile(benchmark::State& state) {
    pugi::xml_document x;
    x.load_buffer(Data().xmlText.data(), Data().xmlText.size());
    const std::string path = Data().dir.filePath(QStringLiteral("pugi.xml")).toStdString();
    for (auto _ : state) {
        x.save_file(path.c_str(), "\t");
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(Data().xmlText.size()));
}

// Creating a day entry (sorted add and four value tags) in a store of 30,000 days.
void BM_AddDayEntry(benchmark::State& state) {
    const bool atEnd = state.range(0) == 1;
    auto top = std::make_shared<clsXMLTag>();
    QDate day(1940, 1, 1);
    for (int i = 0; i < 30000; ++i, day = day.addDays(2)) {
        top->AddSubTag(day.toString(QStringLiteral("yyyyMMdd")), {}, true);
    }
    QDate next = atEnd ? day : QDate(1980, 1, 2);
    for (auto _ : state) {
        auto entry = top->AddSubTag(next.toString(QStringLiteral("yyyyMMdd")), {}, true);
        entry->AddSubTag(QStringLiteral("S"), {}, false);
        entry->AddSubTag(QStringLiteral("D"), {}, false);
        entry->AddSubTag(QStringLiteral("P"), {}, false);
        entry->AddSubTag(QStringLiteral("C"), {}, false);
        next = next.addDays(2);
    }
}

} // namespace

BENCHMARK(BM_ReadFileBytes)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadXMLFile)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadXMLFromMemory)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PugiParseFile)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PugiParseMemory)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TearDownTree)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveToBuffer)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PugiSaveToBuffer)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveXMLFile)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WriteBytesUnsafe)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WriteBytesSafe)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PugiSaveFile)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AddDayEntry)->Arg(1)->Arg(0)->Iterations(2000)->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    Data(); // the store and its files are made before any timing starts
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
