#pragma once

class Spring;

// Where a spring's sprite goes: the unit quad scaled to width x length, turned
// by angle degrees about z and moved to the centre.
struct SpringStrip {
    float centreX;
    float centreY;
    float angle;
    float width;
    float length;
};

// The strip between the spring's two centres, from its cached geometry (which
// must have a non-zero length): as wide as the smaller ball, lengthwise along
// the spring. The direction is only known modulo a half turn.
SpringStrip stripOf(const Spring& spring);
