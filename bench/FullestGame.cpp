// The real game, its window, callbacks and loop, with the fullest world in
// place of the starting one: what the energy benchmark plays.
#include "app/Callbacks.h"
#include "bench/FullestWorld.h"

int main(int argc, char** argv)
{
    return runGame(argc, argv, [] {
        clearWorld();
        buildFullestWorld(true);
    });
}
