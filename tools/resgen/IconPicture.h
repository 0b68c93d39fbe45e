#pragma once

#include "Canvas.h"

// The game's icon for desktop menus: a crawler in front of a little tower,
// on the game's sky and grass, in a rounded square.
Canvas makeIconPicture();
