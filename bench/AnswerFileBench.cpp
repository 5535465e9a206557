// Answer-file write and read of a full store, against a plain buffered copy
// of the same bytes through the same kind of file.

#include "core/AnswerFile.h"
#include "core/TAnswer.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

using namespace scrivix;

namespace {

// A client who has filled in most documents: names, addresses, amounts, dates,
// legal descriptions and multi-line blocks, with a few overrides.
void fillRealistically(TAnswer& store)
{
    const QString samples[] = {
        QStringLiteral("John Q. Smith"),
        QString::fromUtf8("Jos\u00e9 Pe\u00f1a and Mar\u00eda Pe\u00f1a, husband and wife"),
        QStringLiteral("1,250,000.00"),
        QStringLiteral("One Million Two Hundred Fifty Thousand and 00/100"),
        QStringLiteral("December 11, 2026"),
        QStringLiteral("Franklin"),
        QStringLiteral("1234 Northwest Boulevard | Suite 200 | Columbus, Ohio 43212"),
        QStringLiteral("Situated in the City of Columbus, County of Franklin and State of Ohio: Being Lot "
                       "Number Forty-Two (42) of Riverside Estates, as the same is numbered and delineated "
                       "upon the recorded plat thereof, of record in Plat Book 58, Page 17."),
        QStringLiteral("Grantors"),
        QStringLiteral("their"),
        QStringLiteral("\\b John Q. Smith\\b0 , Executor of the Estate of Mary A. Smith, Deceased"),
        QStringLiteral("X"),
    };
    int i = 0;
    for (int pageNo = 0; pageNo < TAnswer::PageCount; ++pageNo) {
        for (int answerNo = 0; answerNo < 600; ++answerNo, ++i) {
            store.setText(pageNo, answerNo, samples[i % std::size(samples)]);
            if (i % 37 == 0)
                store.setOvRide(pageNo, answerNo, true);
        }
    }
}

struct Fixture
{
    Fixture()
    {
        fillRealistically(store);
        path = dir.filePath(QStringLiteral("client.scx"));
        copyPath = dir.filePath(QStringLiteral("copy.scx"));
        bytes = AnswerFile::toBytes(store, path, 12);
    }
    QTemporaryDir dir;
    TAnswer store;
    QString path;
    QString copyPath;
    QByteArray bytes;
};

Fixture& fixture()
{
    static Fixture f;
    return f;
}

void writeStore(Fixture& f)
{
    QFile file(f.path);
    file.open(QIODevice::WriteOnly | QIODevice::Truncate);
    AnswerFile::write(file, f.store, f.path, 12);
}

void readStore(Fixture& f, TAnswer& into)
{
    QFile file(f.path);
    file.open(QIODevice::ReadOnly);
    AnswerFile::read(file, into);
}

void setBytes(benchmark::State& state, qint64 perIteration)
{
    state.SetBytesProcessed(state.iterations() * perIteration);
}

void BM_AnswerFileWrite(benchmark::State& state)
{
    Fixture& f = fixture();
    for (auto _ : state)
        writeStore(f);
    setBytes(state, f.bytes.size());
}

void BM_AnswerFileRead(benchmark::State& state)
{
    Fixture& f = fixture();
    writeStore(f);
    TAnswer into;
    for (auto _ : state)
        readStore(f, into);
    setBytes(state, f.bytes.size());
}

// Save, then open into a fresh store, as the program opens a client. Freeing
// the store afterwards belongs to the next New, and is not timed.
void BM_AnswerFileRoundTrip(benchmark::State& state)
{
    Fixture& f = fixture();
    for (auto _ : state) {
        writeStore(f);
        auto into = std::make_unique<TAnswer>();
        readStore(f, *into);
        state.PauseTiming();
        into.reset();
        state.ResumeTiming();
    }
    setBytes(state, 2 * f.bytes.size());
}

// The baseline: the same bytes written and read back through a buffered file.
void BM_PlainCopyRoundTrip(benchmark::State& state)
{
    Fixture& f = fixture();
    for (auto _ : state) {
        QFile out(f.copyPath);
        out.open(QIODevice::WriteOnly | QIODevice::Truncate);
        out.write(f.bytes);
        out.close();
        QFile in(f.copyPath);
        in.open(QIODevice::ReadOnly);
        QByteArray back = in.readAll();
        benchmark::DoNotOptimize(back.data());
    }
    setBytes(state, 2 * f.bytes.size());
}

// Saving as the program does: to a temporary file, synced, then renamed.
void BM_AnswerFileSave(benchmark::State& state)
{
    Fixture& f = fixture();
    for (auto _ : state)
        AnswerFile::save(f.path, f.store, 12);
    setBytes(state, f.bytes.size());
}

void BM_FreshStore(benchmark::State& state)
{
    for (auto _ : state) {
        TAnswer store;
        benchmark::DoNotOptimize(store.PAnsw.get());
    }
}

} // namespace

BENCHMARK(BM_AnswerFileWrite)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AnswerFileRead)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AnswerFileRoundTrip)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlainCopyRoundTrip)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AnswerFileSave)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FreshStore)->Unit(benchmark::kMillisecond);
