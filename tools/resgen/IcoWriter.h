#pragma once

#include "Canvas.h"

#include <string>
#include <vector>

// Saves the square picture as a Windows icon file holding it at each of the
// given sizes (at most 256), each entry a PNG as Windows Vista and later read
// them. Throws when the file can't be written.
void writeIco(const Canvas& picture, const std::vector<int>& sizes, const std::string& fileName);
