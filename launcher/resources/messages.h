// messages.h — the names by which two copies of the program find each other; the ids of the
// messages they send stand in the resource header.
#pragma once
#include "launcher/resources/resource.h"
#include "launcher/resources/texts.h"

inline constexpr const char* kWindowClass = "marn";
inline constexpr const char* kMainWindowTitle = "Marnelo ver0.95 ";
