#include "files/ButtonFile.h"
#include "files/SafeWrite.h"
#include "generate/Scrambler.h"
#include "tests/support/SampleButtons.h"

#include <benchmark/benchmark.h>
#include <filesystem>

namespace corvane {
namespace {

void BM_GenerateSingleItemCode(benchmark::State& state) {
    const SingleItemButton button = test::FullSingleItem();
    for (auto _ : state)
        benchmark::DoNotOptimize(GenerateSingleItemCode(button));
}
BENCHMARK(BM_GenerateSingleItemCode);

void BM_GenerateSubscriptionCode(benchmark::State& state) {
    const SubscriptionButton button = test::FullSubscription();
    for (auto _ : state)
        benchmark::DoNotOptimize(GenerateSubscriptionCode(button));
}
BENCHMARK(BM_GenerateSubscriptionCode);

void BM_GenerateCartCode(benchmark::State& state) {
    const CartButton button = test::FullCart();
    for (auto _ : state)
        benchmark::DoNotOptimize(GenerateCartCode(button));
}
BENCHMARK(BM_GenerateCartCode);

// A typical button is about 1 KB of HTML; 1 MB shows the throughput.
void BM_EncryptCode(benchmark::State& state) {
    std::string html = GenerateSubscriptionCode(test::FullSubscription());
    html.resize(static_cast<std::size_t>(state.range(0)), 'x');
    FillerGenerator filler;
    for (auto _ : state)
        benchmark::DoNotOptimize(EncryptCode(html, filler));
    state.SetBytesProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_EncryptCode)->Arg(1024)->Arg(1 << 20);

// Text with letters outside ASCII, which go into the block as character references first.
void BM_EncryptCodeWithLetters(benchmark::State& state) {
    std::string html;
    while (html.size() < static_cast<std::size_t>(state.range(0)))
        html += "<input value=\"Caf\xC3\xA9 cr\xC3\xA8me 9,99 \xE2\x82\xAC\">";
    html.resize(static_cast<std::size_t>(state.range(0)));
    html.back() = 'x'; // not a character cut short
    FillerGenerator filler;
    for (auto _ : state)
        benchmark::DoNotOptimize(EncryptCode(html, filler));
    state.SetBytesProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_EncryptCodeWithLetters)->Arg(1024)->Arg(1 << 20);

// Reading and decoding a 1 MB button file from disk (a subscription whose name is that long).
void BM_ReadAndDecodeButtonFile(benchmark::State& state) {
    const auto path = std::filesystem::temp_directory_path() / "corvane-benchmark.crv";
    SubscriptionButton button = test::FullSubscription();
    button.Name.assign(static_cast<std::size_t>(state.range(0)), 'n');
    WriteButtonFile(path.string(), button);
    for (auto _ : state) {
        const ButtonFileLines lines = ReadButtonFile(path.string());
        benchmark::DoNotOptimize(DecodeSubscription(lines));
    }
    state.SetBytesProcessed(state.iterations() * state.range(0));
    std::filesystem::remove(path);
}
BENCHMARK(BM_ReadAndDecodeButtonFile)->Arg(1 << 20)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace corvane

BENCHMARK_MAIN();
