// Speed of the nine-part scaling and the region builder, each against a plain memory pass over the
// same pixels measured in the same run.

#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

#include "skin/data/pixels.h"
#include "skin/data/skin_image.h"

namespace {

constexpr int kWidth = 1920;
constexpr int kHeight = 1080;
const base::Rect kMargins{8, 24, 8, 8};

// A two-frame strip of 64 x 48 frames with a textured middle.
base::Bitmap FrameStrip() {
    base::Bitmap strip(128, 48);
    for (int y = 0; y < strip.Height(); ++y)
        for (int x = 0; x < strip.Width(); ++x)
            strip.At(x, y) = base::MakePixel(static_cast<std::uint8_t>(x * 3), static_cast<std::uint8_t>(y * 5),
                                             static_cast<std::uint8_t>((x ^ y) * 7));
    return strip;
}

void NineSlice(benchmark::State& state, bool tile) {
    const base::Bitmap strip = FrameStrip();
    base::Bitmap target(kWidth, kHeight);
    for (auto _ : state) {
        skin::DrawSkinObject(target, target.Bounds(), strip, false, tile, false, 2, 1, kMargins);
        benchmark::DoNotOptimize(target.Row(0));
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * kWidth * kHeight * 4);
}

void BM_nine_slice_stretch_1920x1080(benchmark::State& state) { NineSlice(state, false); }
void BM_nine_slice_tile_1920x1080(benchmark::State& state) { NineSlice(state, true); }

void CopyBaseline(benchmark::State& state) {
    const std::size_t bytes = static_cast<std::size_t>(kWidth) * kHeight * 4;
    std::vector<std::uint8_t> from(bytes, 1), to(bytes, 0);
    for (auto _ : state) {
        std::memcpy(to.data(), from.data(), bytes);
        benchmark::DoNotOptimize(to.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(bytes));
}

void BM_nine_slice_stretch_1920x1080_baseline(benchmark::State& state) { CopyBaseline(state); }
void BM_nine_slice_tile_1920x1080_baseline(benchmark::State& state) { CopyBaseline(state); }

// A 1920-pixel wide frame edge 30 rows high, as the region builder sees a window's top edge: rounded
// magenta corners and a few key pixels along the edge.
base::Bitmap FrameEdge() {
    base::Bitmap edge(kWidth, 30, base::MakePixel(40, 80, 160));
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8 - y; ++x) {
            edge.At(x, y) = base::kMagenta;
            edge.At(kWidth - 1 - x, y) = base::kMagenta;
        }
    for (int x = 100; x < kWidth; x += 400) edge.At(x, 0) = base::kMagenta;
    return edge;
}

void BM_region_frame_edge_1920(benchmark::State& state) {
    const base::Bitmap edge = FrameEdge();
    for (auto _ : state) {
        skin::RegionRects rects = skin::CreateRegionFromBitmap(edge, 0, 0, 1, 1, 1, base::kMagenta);
        benchmark::DoNotOptimize(rects.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * edge.Width() * edge.Height() * 4);
}

void BM_region_frame_edge_1920_baseline(benchmark::State& state) {
    const base::Bitmap edge = FrameEdge();
    for (auto _ : state) {
        int keys = 0;
        for (int y = 0; y < edge.Height(); ++y) {
            const base::Pixel* row = edge.Row(y);
            for (int x = 0; x < edge.Width(); ++x) keys += (row[x] & 0x00FFFFFFu) == base::kMagenta;
        }
        benchmark::DoNotOptimize(keys);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * edge.Width() * edge.Height() * 4);
}

}  // namespace

BENCHMARK(BM_nine_slice_stretch_1920x1080);
BENCHMARK(BM_nine_slice_stretch_1920x1080_baseline);
BENCHMARK(BM_nine_slice_tile_1920x1080);
BENCHMARK(BM_nine_slice_tile_1920x1080_baseline);
BENCHMARK(BM_region_frame_edge_1920);
BENCHMARK(BM_region_frame_edge_1920_baseline);
