// Parsing a skin definition and indexing a decompressed package, each against the least
// work the job needs: splitting the text into lines, and copying the package bytes.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "skin/data/quick_ini.h"
#include "skin/data/skin_reader.h"
#include "skin/source/package_writer.h"

namespace {

// About 450 lines: 40 sections of 10 keys with comments and blank lines, like a skin.
std::string Definition() {
    std::string text;
    for (int s = 0; s < 40; ++s) {
        text += "; section " + std::to_string(s) + "\r\n[Section" + std::to_string(s) + "]\r\n";
        for (int k = 0; k < 10; ++k) {
            text += "  Key" + std::to_string(k) + " = " + std::to_string(s * 100 + k) + "\r\n";
        }
        text += "\r\n";
    }
    return text;
}

void BM_DefinitionParse(benchmark::State& state) {
    const std::string text = Definition();
    for (auto _ : state) {
        skin::TQuickIni ini;
        ini.LoadFromStream(std::string_view(text));
        benchmark::DoNotOptimize(ini.Lines().data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}

void BM_DefinitionParse_baseline(benchmark::State& state) {
    const std::string text = Definition();
    for (auto _ : state) {
        std::vector<std::string> lines;
        std::size_t start = 0;
        for (std::size_t i = 0; i <= text.size(); ++i) {
            if (i == text.size() || text[i] == '\n') {
                lines.emplace_back(text, start, i - start);
                start = i + 1;
            }
        }
        benchmark::DoNotOptimize(lines.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}

// About 270 KB in 60 members, the size of a real skin.
std::vector<std::uint8_t> SkinSizedPackage() {
    std::vector<skin::source::TPackageMember> members;
    members.push_back({"skin.ini", std::vector<std::uint8_t>(8000, ';')});
    for (int i = 0; i < 59; ++i) {
        members.push_back(
            {"image" + std::to_string(i) + ".bmp", std::vector<std::uint8_t>(4500, static_cast<std::uint8_t>(i))});
    }
    return skin::source::WritePackage(members);
}

void BM_PackageIndex(benchmark::State& state) {
    const std::vector<std::uint8_t> package = SkinSizedPackage();
    for (auto _ : state) {
        skin::TSkinReader reader;
        benchmark::DoNotOptimize(reader.OpenDecompressed(package).Ok());
        benchmark::DoNotOptimize(reader.Data().data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * package.size()));
}

void BM_PackageIndex_baseline(benchmark::State& state) {
    const std::vector<std::uint8_t> package = SkinSizedPackage();
    for (auto _ : state) {
        std::vector<std::uint8_t> copy(package.begin(), package.end());
        benchmark::DoNotOptimize(copy.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * package.size()));
}

}  // namespace

BENCHMARK(BM_DefinitionParse);
BENCHMARK(BM_DefinitionParse_baseline);
BENCHMARK(BM_PackageIndex);
BENCHMARK(BM_PackageIndex_baseline);
