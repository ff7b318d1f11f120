// Reads the pictures the tool writes back into plain pixel rows for the
// tests to probe. The game's own image reader is made for textures, not
// for checking a file pixel by pixel, so this goes through cairo.
#pragma once

#include <string>

// The PNG bytes as rows of nChannels (3 = RGB, 4 = RGBA) bytes a pixel,
// allocated with malloc (free them with free), or nullptr when the bytes
// are not a PNG.
unsigned char* DecodePng(const std::string& strPng, int* pWidth, int* pHeight, int nChannels);
