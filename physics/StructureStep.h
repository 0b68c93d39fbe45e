#pragma once

class MassList;
class SpringList;

// How one frame's time is cut up for the structure: that many passes of
// sliceTime seconds each.
struct StructureSlices {
    int count;
    float sliceTime;

    // The time the slices simulate: the frame's, or the cap after a stall.
    float simulatedTime() const { return static_cast<float>(count) * sliceTime; }
};

// A frame of up to 1/60 s is one pass of the whole frame time. A longer one is
// cut into the fewest equal slices of at most 1/60 s, up to 8: longer than
// 8/60 s, only its first 8/60 s are simulated.
StructureSlices sliceFrame(float frameTime);

// One slice of the structure's step: every spring measured where its balls now
// are, forces cleared, every spring's force added, every ball moved. Play runs
// the crawlers after each slice, so they move on the structure as it stands.
void stepStructureSlice(MassList& masses, SpringList& springs, float sliceTime);

// The structure alone through one frame: one slice after another.
void stepStructure(MassList& masses, SpringList& springs, float frameTime);
