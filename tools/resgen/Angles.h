#pragma once

constexpr float pi = 3.14159265358979f;
constexpr float fullTurn = 2 * pi;
