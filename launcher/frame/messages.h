// messages.h — the names by which two copies of the program find each other; the ids of the
// messages they send stand in the resource header.
#pragma once
#include "launcher/resources/resource.h"

inline constexpr const char* kWindowClass = "marn";
inline constexpr const char* kMainWindowTitle = "Marnelo ver0.95 ";
inline constexpr const char* kMutexName =
    "_\x83\x74\x83\x62\x83\x4e_marn_Mutex_";  // _フック_marn_Mutex_
