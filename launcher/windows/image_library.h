// image_library.h — the image library that decodes, draws and encodes the pictures of notes.
#pragma once

bool StartImageLibrary();
void StopImageLibrary();
