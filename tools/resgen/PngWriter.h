#pragma once

#include "Canvas.h"

#include <string>
#include <vector>

// Saves the canvas as an 8-bit RGBA PNG, the format desktop menus take for
// icons. Throws when the file can't be written.
void writePng(const Canvas& canvas, const std::string& fileName);

// The same PNG, in memory.
std::vector<unsigned char> pngBytes(const Canvas& canvas);
