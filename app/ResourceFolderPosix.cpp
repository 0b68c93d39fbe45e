#include "app/ResourceFolder.h"

// On Linux the game runs where it is started: from the source tree beside its
// res/, or through the installed launcher, which starts it in its data folder.
void enterResourceFolder()
{
}
