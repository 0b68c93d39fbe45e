// The web side of DisplaySync: the browser draws on the display's refresh by
// itself (GLUT draws in animation frames), and keeps the rate to itself.
#include "app/DisplaySync.h"

bool requestVsync()
{
    return true;
}

double displayRefreshRate()
{
    return 0;
}
