// What a frame of play costs without its drawing, and proof that a steady
// frame allocates nothing: the structure's step alone (also a stalled frame
// and the starting structure), the whole step of play over the fullest world,
// the search for the crawler under the pointer, and one drag's preview.
#include "app/Game.h"
#include "bench/AllocationCounter.h"
#include "bench/FullestWorld.h"
#include "construction/CrawlerList.h"
#include "construction/HoverAndPreview.h"
#include "graphics/Stage.h"
#include "physics/MassList.h"
#include "physics/SpringList.h"
#include "physics/StartingStructure.h"
#include "physics/StructureStep.h"

#include <benchmark/benchmark.h>
#include <functional>

namespace {

constexpr float sixtiethOfASecond = 1.0f / 60.0f;
constexpr float stalledFrame = 0.5f;
constexpr int settlingFrames = 600;
constexpr int warmUpFrames = 60;

void measure(benchmark::State& state, const std::function<void()>& work)
{
    for (int frame = 0; frame < warmUpFrames; ++frame)
        work(); // the first frames make the singletons they reach
    std::size_t allocationsBefore = allocationCount();
    for (auto _ : state) {
        work();
        benchmark::ClobberMemory();
    }
    double allocations = static_cast<double>(allocationCount() - allocationsBefore);
    state.counters["allocations"] = benchmark::Counter(allocations, benchmark::Counter::kAvgIterations);
    state.counters["balls"] = static_cast<double>(massList.size());
    state.counters["springs"] = static_cast<double>(springList.size());
    state.counters["crawlers"] = static_cast<double>(crawlerList.size());
    clearWorld();
    if (allocations > 0)
        state.SkipWithError("a steady frame allocated");
}

void structureStep(benchmark::State& state)
{
    buildFullestWorld(false);
    measure(state, [] { stepStructure(massList, springList, sixtiethOfASecond); });
}

// Eight slices, each measuring every spring first.
void stalledStructureFrame(benchmark::State& state)
{
    buildFullestWorld(false);
    measure(state, [] { stepStructure(massList, springList, stalledFrame); });
}

// The structure the game starts with, once it has landed and stands.
void startingStructureStep(benchmark::State& state)
{
    Stage::instance().setBounds(playingField);
    addStartingStructure(massList, springList);
    for (int frame = 0; frame < settlingFrames; ++frame)
        stepStructure(massList, springList, sixtiethOfASecond);
    measure(state, [] { stepStructure(massList, springList, sixtiethOfASecond); });
}

void playStep(benchmark::State& state)
{
    buildFullestWorld(true);
    measure(state, [] { stepPlay(sixtiethOfASecond); });
}

void nearestCrawler(benchmark::State& state)
{
    buildFullestWorld(true);
    float x = 0;
    measure(state, [&x] {
        x = x > 2 ? -2 : x + 0.01f;
        benchmark::DoNotOptimize(crawlerList.nearestTo(x, 12));
    });
}

// The pointer dragging a crawler to and fro beside the tower.
void dragPreview(benchmark::State& state)
{
    buildFullestWorld(true);
    heldCrawler = crawlerList.at(0);
    heldCrawler->active = false;
    previewA = new Spring();
    previewB = new Spring();
    previewA->active = previewB->active = false;
    previewA->attach(heldCrawler, heldCrawler);
    previewB->attach(heldCrawler, heldCrawler);
    springList.add(previewA);
    springList.add(previewB);
    float y = 1;
    measure(state, [&y] {
        y = y > 22 ? 1 : y + 0.1f;
        hoverAndPreview(3, y, true);
    });
    heldCrawler = nullptr;
    previewA = previewB = nullptr;
}

}

BENCHMARK(structureStep);
BENCHMARK(stalledStructureFrame);
BENCHMARK(startingStructureStep);
BENCHMARK(playStep);
BENCHMARK(nearestCrawler);
BENCHMARK(dragPreview);

BENCHMARK_MAIN();
