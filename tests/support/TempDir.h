#pragma once

#include <cstdint>
#include <string>
#include <vector>

// A fresh folder per test program under the system's temporary folder, for the
// files that tests write themselves (pictures, fonts, sounds).
std::string tempPath(const std::string& fileName);

// Writes the bytes to tempPath(fileName) and returns that path.
std::string writeTempFile(const std::string& fileName, const std::vector<std::uint8_t>& bytes);
