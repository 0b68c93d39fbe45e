#pragma once

// The fullest world the game can hold, built into the game's own lists: a
// tower of 104 balls (the four the game starts with and a hundred crawlers,
// all placed) and 203 springs; optionally the hundred crawlers, most of them
// walking on it and some still falling; and a message that stays on the
// board. The tower is weightless, so it stands as built: every ball
// integrates and every spring works at every step, on numbers that stay the
// same, the most work a step can be given.
void buildFullestWorld(bool withCrawlers);

// Empties the game's lists and the message board again.
void clearWorld();
