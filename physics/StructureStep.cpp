#include "physics/StructureStep.h"

#include "physics/MassList.h"
#include "physics/SpringList.h"

namespace {

// The explicit step keeps the structure standing only while steps are short:
// at 15 steps a second the starting structure already folds flat, and a ball
// grounded out of shape stays so. A long frame is therefore simulated in
// slices no longer than a 60-per-second frame.
constexpr float longestSlice = 1.0f / 60.0f;
// Bounds the work of one frame after a long pause (a window drag, a stall):
// the rest of such a pause is not simulated.
constexpr int mostSlices = 8;

}

StructureSlices sliceFrame(float frameTime)
{
    if (frameTime > mostSlices * longestSlice)
        return {mostSlices, longestSlice};
    // Counted by trial rather than by rounding frameTime * 60 up, which turns a
    // frame of exactly 1/60 s in single precision into two slices.
    int count = 1;
    while (frameTime / count > longestSlice)
        ++count;
    return {count, frameTime / count};
}

void stepStructureSlice(MassList& masses, SpringList& springs, float sliceTime)
{
    // The springs push from the geometry they cached, so each slice first
    // brings it up to where the balls are now.
    springs.measureAll();
    masses.clearForces();
    springs.applyForces(sliceTime);
    masses.advance(sliceTime, springs);
}

void stepStructure(MassList& masses, SpringList& springs, float frameTime)
{
    StructureSlices slices = sliceFrame(frameTime);
    for (int slice = 0; slice < slices.count; ++slice)
        stepStructureSlice(masses, springs, slices.sliceTime);
}
