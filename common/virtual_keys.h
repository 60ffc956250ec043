// virtual_keys.h — virtual-key codes as the system numbers them, for the logic, which has no
// <windows.h>.
#pragma once

namespace Vk {
inline constexpr unsigned Back = 0x08, Tab = 0x09, Enter = 0x0D, Shift = 0x10, Control = 0x11,
                          Escape = 0x1B, Space = 0x20, Left = 0x25, Up = 0x26, Right = 0x27,
                          Down = 0x28, Delete = 0x2E, F1 = 0x70, F6 = 0x75, F9 = 0x78, F10 = 0x79,
                          F11 = 0x7A, F12 = 0x7B;
}  // namespace Vk
