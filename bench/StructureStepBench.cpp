#include "bench/AllocationCounter.h"
#include "physics/Mass.h"
#include "physics/MassList.h"
#include "physics/Spring.h"
#include "physics/SpringList.h"
#include "physics/StartingStructure.h"
#include "physics/StructureStep.h"

#include <benchmark/benchmark.h>
#include <vector>

namespace {

// The most balls the structure can ever hold: the four it starts with and the
// hundred crawlers, all placed.
constexpr int mostBalls = 104;
constexpr int towerColumns = 2;
constexpr int towerRows = mostBalls / towerColumns;
constexpr float towerWidth = 1.5f;
constexpr float rowRise = 1.0f;
constexpr float sixtiethOfASecond = 1.0f / 60.0f;
constexpr float stalledFrame = 0.5f;
constexpr int settlingFrames = 600;

struct World {
    World() = default;
    World(const World&) = delete;
    World& operator=(const World&) = delete;
    ~World()
    {
        while (springs.size() > 0)
            springs.remove(springs.at(0));
        while (masses.size() > 0)
            masses.remove(masses.at(0));
    }

    void link(Mass* a, Mass* b)
    {
        Spring* spring = new Spring();
        spring->attach(a, b);
        spring->restLength = spring->measure();
        springs.add(spring);
    }

    MassList masses;
    SpringList springs;
};

// A ladder two balls wide and 52 rows high, each cell split by a diagonal:
// 104 balls, 205 springs. No spring this stiff holds such a tower up, and a
// collapsed one is mostly grounded balls that skip their integration, so it
// floats at rest without weight: every ball integrates and every spring
// works, every step, on numbers that stay the same.
void buildTower(World& world)
{
    std::vector<Mass*> balls;
    for (int row = 0; row < towerRows; ++row) {
        for (int column = 0; column < towerColumns; ++column) {
            Mass* ball = new Mass();
            ball->gravityY = 0;
            ball->setX(column * towerWidth);
            ball->setY(1 + row * rowRise);
            world.masses.add(ball);
            balls.push_back(ball);
        }
    }
    for (int row = 0; row < towerRows; ++row) {
        Mass* left = balls[row * towerColumns];
        Mass* right = balls[row * towerColumns + 1];
        world.link(left, right);
        if (row + 1 < towerRows) {
            Mass* upperLeft = balls[(row + 1) * towerColumns];
            Mass* upperRight = balls[(row + 1) * towerColumns + 1];
            world.link(left, upperLeft);
            world.link(right, upperRight);
            world.link(left, upperRight);
        }
    }
}

void measureSteps(benchmark::State& state, World& world, float frameTime)
{
    std::size_t allocationsBefore = allocationCount();
    for (auto _ : state) {
        stepStructure(world.masses, world.springs, frameTime);
        benchmark::ClobberMemory();
    }
    double allocations = static_cast<double>(allocationCount() - allocationsBefore);
    state.counters["allocations_per_step"] = benchmark::Counter(allocations, benchmark::Counter::kAvgIterations);
    state.counters["balls"] = static_cast<double>(world.masses.size());
    state.counters["springs"] = static_cast<double>(world.springs.size());
    if (allocations > 0)
        state.SkipWithError("the structure step allocated");
}

void towerStep(benchmark::State& state)
{
    World world;
    buildTower(world);
    measureSteps(state, world, sixtiethOfASecond);
}

// A stalled frame: eight slices, each measuring every spring first.
void towerStalledFrame(benchmark::State& state)
{
    World world;
    buildTower(world);
    measureSteps(state, world, stalledFrame);
}

// The structure the game starts with, once it has landed and stands.
void startingStructureStep(benchmark::State& state)
{
    World world;
    addStartingStructure(world.masses, world.springs);
    for (int frame = 0; frame < settlingFrames; ++frame)
        stepStructure(world.masses, world.springs, sixtiethOfASecond);
    measureSteps(state, world, sixtiethOfASecond);
}

}

BENCHMARK(towerStep);
BENCHMARK(towerStalledFrame);
BENCHMARK(startingStructureStep);

BENCHMARK_MAIN();
