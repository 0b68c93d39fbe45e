#pragma once

class MassList;
class SpringList;

// The structure the player starts from: four balls in a four-sided shape three
// to five meters up, its four sides and two diagonals as springs at their rest
// lengths, so it falls unstressed and stands where its two lowest balls land.
void addStartingStructure(MassList& masses, SpringList& springs);

// Loads the two lists' sprites and puts the starting structure into the game's
// lists.
void buildStartingStructure();
