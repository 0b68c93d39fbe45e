#pragma once

// Loads a ".tga" picture (any letter case) into a new GL texture and returns its
// name, or 0 when the name, the file or its format is not one we read, which
// the player is told on stderr. Textures are linear-filtered, repeat at the
// edges and are left bound.
unsigned loadTexture(const char* fileName);

// Whether the name ends in ".tga", ignoring letter case.
bool hasTgaExtension(const char* fileName);
