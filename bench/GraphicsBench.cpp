#include "Veltis/Graphics/CDIBBitmap.h"
#include "Veltis/Graphics/CImageGraphics.h"
#include "Veltis/Graphics/IDrawSurface.h"
#include "Veltis/Graphics/ISharedImage.h"

#include "Native/Harness.h"

#include <benchmark/benchmark.h>

#include <cstring>
#include <memory>

using namespace Veltis::Graphics;
using Veltis::Core::C2DSize;

// Tiled backgrounds: one image call per tile, so a small tile over a large area costs the most.
static void BM_TiledImageOver512(benchmark::State& state)
{
    Native::Harness::SetPolicy(Native::Harness::EPolicy::Lenient);
    int side = int(state.range(0));
    int height = int(state.range(1));
    std::unique_ptr<CDIBBitmap> tile(new CDIBBitmap(C2DSize(side, height), 32));
    std::memset(tile->GetBits(), 0x80, size_t(side) * size_t(height) * 4);
    std::unique_ptr<ISharedImage> image(dynamic_cast<ISharedImage*>(tile->GetImage()));
    tile.reset();
    CImageGraphics graphics;
    graphics.SetImage(image.get(), nullptr);
    graphics.SetDrawMode(1);
    graphics.SetSize(C2DSize(512, 512));
    CDIBBitmap target(C2DSize(512, 512), 32);
    std::unique_ptr<IDrawSurface> surface(target.GetDrawSurface());
    for (auto _ : state) {
        graphics.Draw(*surface, nullptr);
        benchmark::DoNotOptimize(target.GetBits());
    }
    state.SetItemsProcessed(state.iterations() * 512 * 512);
}
BENCHMARK(BM_TiledImageOver512)->Args({1, 1})->Args({30, 20})->Unit(benchmark::kMillisecond);
