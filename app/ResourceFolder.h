#pragma once

// The game opens its files as "./res/...", relative to the working folder.
// Makes that the folder res/ is shipped in, where the platform's way of
// starting the game does not already choose it.
void enterResourceFolder();
