#include "app/FittedSquare.h"

#include <algorithm>

FittedSquare FittedSquare::within(int windowWidth, int windowHeight)
{
    // A window shrunk to nothing still maps the pointer without dividing by zero.
    int side = std::max(1, std::min(windowWidth, windowHeight));
    return {std::max(0, (windowWidth - side) / 2), std::max(0, (windowHeight - side) / 2), side};
}

double FittedSquare::across(double x) const
{
    double half = side / 2.0;
    return (x - left - half) / half;
}

double FittedSquare::up(double y) const
{
    double half = side / 2.0;
    return -(y - top - half) / half;
}
