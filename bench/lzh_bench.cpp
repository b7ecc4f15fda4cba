// Decoding speed of the skin stream decoder against the plain byte-at-a-time decoder, on the
// compatibility vectors; and the tools' encoder speed.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

#include "lzh_reference_decoder.h"
#include "skin/data/lzh.h"
#include "skin/source/lzh_encoder.h"

namespace {

std::vector<std::uint8_t> ReadVector(const std::string& file) {
    const std::filesystem::path path = std::filesystem::path(TEST_DATA_DIR) / "lzh-vectors" / file;
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot open " + path.string());
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void Decode(benchmark::State& state, const std::string& name) {
    const std::vector<std::uint8_t> stream = ReadVector(name + ".lzh");
    std::size_t produced = 0;
    for (auto _ : state) {
        std::vector<std::uint8_t> out = skin::DecompressStream(stream);
        produced = out.size();
        benchmark::DoNotOptimize(out.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * produced));
}

void DecodePlain(benchmark::State& state, const std::string& name) {
    const std::vector<std::uint8_t> stream = ReadVector(name + ".lzh");
    std::size_t produced = 0;
    for (auto _ : state) {
        std::vector<std::uint8_t> out = reference::PlainDecompressStream(stream);
        produced = out.size();
        benchmark::DoNotOptimize(out.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * produced));
}

void BM_lzh_text_280k(benchmark::State& state) { Decode(state, "text_280k"); }
void BM_lzh_text_280k_baseline(benchmark::State& state) { DecodePlain(state, "text_280k"); }
void BM_lzh_bmp_300x200(benchmark::State& state) { Decode(state, "bmp_300x200"); }
void BM_lzh_bmp_300x200_baseline(benchmark::State& state) { DecodePlain(state, "bmp_300x200"); }

void BM_lzh_encode_text_280k(benchmark::State& state) {
    const std::vector<std::uint8_t> plain = ReadVector("text_280k.bin");
    for (auto _ : state) {
        std::vector<std::uint8_t> encoded = skin::source::EncodeLzhStream(plain);
        benchmark::DoNotOptimize(encoded.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * plain.size()));
}

}  // namespace

BENCHMARK(BM_lzh_text_280k)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_lzh_text_280k_baseline)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_lzh_bmp_300x200)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_lzh_bmp_300x200_baseline)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_lzh_encode_text_280k)->Unit(benchmark::kMillisecond);
