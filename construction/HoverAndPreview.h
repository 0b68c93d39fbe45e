#pragma once

class Crawler;
class Spring;

// What the player is doing with the pointer, none of it outside a hold: the
// crawler carried, and the two preview springs that show what releasing it
// here would build. The springs belong to the game's spring list.
extern Crawler* heldCrawler;
extern Spring* previewA;
extern Spring* previewB;

// Runs on every pointer movement, at the pointer's place in the world (held
// inside the Stage). Holding nothing, it marks the crawler under the pointer
// (within 0.55 m) as hovered. Dragging a crawler with the left button down, it
// moves the crawler there and sets the preview from the two structure balls
// nearest to it:
// - triangle, the two already joined: a spring from each to the crawler, both
//   at most 3 m long;
// - bridge, the two not yet joined: the crawler hidden, previewA between them,
//   at most 6 m long;
// - rejected, too long either way, or fewer than two balls: nothing shown.
void hoverAndPreview(float x, float y, bool leftDown);

// Holds a world point inside the Stage's bounds.
void clampToStage(float& x, float& y);
