#pragma once

class Mass;

// The player's one way of building, called on every press in play and every
// release, at the pointer's place in the world (held inside the Stage). A
// left press on the hovered crawler picks it up with a squeak and starts the
// preview; the release of any button builds what the preview shows: a new ball
// with a spring to each of the two nearest balls, or a spring made of the
// crawler between two balls, or nothing, the crawler dropping back into play.
// A new ball above the structure's top shows its height and plays a win sound.
void pointerButton(float x, float y, bool leftPress, bool rightPress, bool press);

// A ball is leaving the structure while the player holds a crawler: the
// preview springs are moved off it (the preview is made afresh), so none is
// left at a ball about to be destroyed.
void keepPreviewsOffBall(const Mass& ball);
