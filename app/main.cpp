#include "app/Callbacks.h"
#include "app/ResourceFolder.h"

int main(int argc, char** argv)
{
    // Before anything is opened: every resource path is relative to it.
    enterResourceFolder();
    return runGame(argc, argv);
}
