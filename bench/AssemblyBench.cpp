// Document assembly of the executor's deed, and the template merge on a
// synthetic template grown 1x, 10x and 100x against one plain single-pass
// substitution of the same variables.

#include "core/TAnswer.h"
#include "template/DocumentAssembly.h"
#include "template/DocumentWriter.h"
#include "template/TemplateMerge.h"

#include <benchmark/benchmark.h>

using namespace scrivix;

namespace {

void fillExecutorsDeed(TAnswer& store)
{
    const std::pair<int, const char*> answers[] = {
        {2, "Franklin"},
        {3, "Ohio"},
        {4, "Franklin"},
        {5, "2026-EST-0421"},
        {6, "John Q. Smith and Mary A. Jones"},
        {7, "Robert Smith"},
        {8, "Instrument No. 200104170081234"},
        {9, "11th"},
        {10, "December"},
        {11, "2026"},
        {21, "412500"},
        {23, "Carl Buyer and Dora Buyer"},
        {25, "1234 Northwest Boulevard, Columbus, Ohio 43212"},
        {31, "City"},
        {32, "Columbus"},
        {33, "Franklin"},
        {34,
         "Situated in the City of Columbus, County of Franklin and State of Ohio: "
         "Being Lot Number Forty-Two (42) of Riverside Estates, as the same is "
         "numbered and delineated upon the recorded plat thereof"},
        {35, "010-123456-00"},
        {40, "1234 Northwest Boulevard"},
        {44, "3/4/2026"},
        {48, "X"},
        {63, "Nora Public"},
        {64, "Alice Attorney"},
        {65, "Suite 200"},
        {66, "1 Main Street"},
        {67, "Columbus, Ohio 43215"},
        {70, "John Q. Smith"},
        {71, "M"},
        {73, "Mary A. Jones"},
        {74, "F"},
        {130, "Carl Buyer"},
        {131, "M"},
        {133, "Dora Buyer"},
        {134, "F"},
    };
    for (const auto& [n, text] : answers)
        store.setText(0, n, QString::fromUtf8(text));
}

void BM_AssembleExecutorsDeed(benchmark::State& state)
{
    TAnswer store;
    fillExecutorsDeed(store);
    TemplateMerge merge;
    for (auto _ : state) {
        const QByteArray document =
            DocumentWriter::toAscii(assembleDocument(store, 0, QStringLiteral(SCRIVIX_TEMPLATES_DIR), merge));
        benchmark::DoNotOptimize(document.constData());
    }
    state.SetItemsProcessed(state.iterations());
}

// 100 variables per unit of RTF text, each answer about twenty characters.
struct Synthetic
{
    explicit Synthetic(int scale)
    {
        for (int n = 0; n < 100; ++n)
            store.setText(0, n, QStringLiteral("Answer number %1 text").arg(n));
        text = QStringLiteral("{\\rtf1\\ansi{\\fonttbl{\\f0 Times New Roman;}}\\fs24 ");
        for (int i = 0; i < 100 * scale; ++i)
            text +=
                QStringLiteral("\\par The party named /*%1/ agrees to the terms set out here. ").arg(i % 100);
        text += QLatin1Char('}');
    }
    TAnswer store;
    QString text;
};

void BM_MergeSynthetic(benchmark::State& state)
{
    const Synthetic synthetic(int(state.range(0)));
    TemplateMerge merge;
    for (auto _ : state) {
        const QString merged = merge.TransferAnswers(synthetic.text, synthetic.store, 0);
        benchmark::DoNotOptimize(merged.constData());
    }
    state.SetItemsProcessed(state.iterations() * 100 * state.range(0));
}

// The baseline: find each /*N/ and copy its answer in, in one pass, with no
// kinds, no font sizes and no rescanning.
QString substituteOnce(const QString& text, const TAnswer& store)
{
    QString out;
    out.reserve(text.size() * 3 / 2);
    qsizetype from = 0;
    for (qsizetype at = text.indexOf(QLatin1String("/*")); at >= 0;
         at = text.indexOf(QLatin1String("/*"), from)) {
        const qsizetype close = text.indexOf(QLatin1Char('/'), at + 2);
        out += QStringView(text).mid(from, at - from);
        out += store.text(0, QStringView(text).mid(at + 2, close - at - 2).toInt());
        from = close + 1;
    }
    out += QStringView(text).mid(from);
    return out;
}

void BM_SubstituteBaseline(benchmark::State& state)
{
    const Synthetic synthetic(int(state.range(0)));
    for (auto _ : state) {
        const QString merged = substituteOnce(synthetic.text, synthetic.store);
        benchmark::DoNotOptimize(merged.constData());
    }
    state.SetItemsProcessed(state.iterations() * 100 * state.range(0));
}

} // namespace

BENCHMARK(BM_AssembleExecutorsDeed)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_MergeSynthetic)->Arg(1)->Arg(10)->Arg(100)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SubstituteBaseline)->Arg(1)->Arg(10)->Arg(100)->Unit(benchmark::kMicrosecond);
