#pragma once

#include <cstddef>

// How many times operator new has run in this program so far. The benchmark
// program replaces the global allocation functions to count them.
std::size_t allocationCount();
