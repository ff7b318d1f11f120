// The configuration API of the start-up script: the constant tables "ct",
// "at" and "it" and the functions that fill the item colours, the item
// animation layers and the game parameters.
#pragma once

#include <string>

// Registers the API into the scripting manager's state; later calls do
// nothing.
void RegisterGameScript();
// Registers the API, then runs the script. A Lua error, or a failure of the
// animation data, throws and leaves configured what ran before it.
void RunStartupScript(const std::string& strFileName = "init.lua");
