#pragma once

#include "Canvas.h"

// The one cloud picture the game stretches into its cloud band (16 times wider
// than high) and into scenery clouds of other shapes. Its puffs fade softly
// into clear sky well inside the picture's edges, so stretching only changes
// how flat the cloud looks and a quad's edges never show.
Canvas makeCloudPicture();

// Paints the same cloud into the box, at the given opacity, for the screens.
void paintCloud(Canvas& canvas, float left, float top, float width, float height, float opacity);
