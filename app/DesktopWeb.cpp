// The web side of Desktop: the browser window's inside is the screen. The page
// fits the game's square into it afterwards, as it does on every resize.
#include "app/Desktop.h"

#include <emscripten/emscripten.h>

WorkArea desktopWorkArea()
{
    return {0, 0, EM_ASM_INT({ return window.innerWidth; }), EM_ASM_INT({ return window.innerHeight; })};
}
