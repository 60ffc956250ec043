// note_fields.h — every stored field of a note as one tuple, so that the unit tests and the fuzz
// targets compare whole notes and a failure names the record that differs.
#pragma once
#include <tuple>

#include "launcher/model/note.h"

inline auto AllFields(const Note& n) {
    return std::tie(n.text, n.command, n.x, n.y, n.height, n.width, n.mediaPath, n.fontSize,
                    n.transparency, n.topmost, n.backColor, n.textColor, n.runType, n.align,
                    n.common, n.mini, n.miniWidth, n.miniHeight, n.raiseOnHover, n.borderless,
                    n.spare, n.fontFace, n.textRed, n.textGreen, n.textBlue, n.backRed, n.backGreen,
                    n.backBlue);
}
