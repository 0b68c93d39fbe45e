#include "construction/Random.h"

#include <cstdlib>
#include <ctime>

namespace {

constexpr int floatSteps = 10000;
constexpr float floatStep = 0.0001f;

void seedOnce()
{
    static bool seeded = false;
    if (seeded)
        return;
    seeded = true;
    std::srand(static_cast<unsigned>(std::time(nullptr)));
}

}

int randomInt(int n)
{
    seedOnce();
    if (n <= 0)
        return 0;
    return std::rand() % n;
}

float randomFloat(float limit)
{
    seedOnce();
    return static_cast<float>(std::rand() % floatSteps) * floatStep * limit;
}
