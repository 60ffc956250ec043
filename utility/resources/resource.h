// resource.h — Quorvel's ids in one place: the icon (shared by quorvel.rc and the code), the
// ids of the controls it makes itself (shared by the code and the tests) and its messages.
#pragma once

#define IDI_QUORVEL 1110

// Every child control carries IDC_CONTROL but the "過去" check box, whose clicks are told
// apart by their id.
#define IDC_CONTROL 1
#define IDC_PAST 1005

#ifndef RC_INVOKED
// A second start sends it to the running copy after writing its text into the input line.
inline constexpr unsigned kHandOffMessage = 266;
#endif
