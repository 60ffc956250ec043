#include "launcher/windows/attribute_rules.h"

#include <algorithm>

const char* const kAttributeKindNames[kAttributeKindCount] = {
    "\x94\x77\x8c\x69\x90\x46\x2b\x95\xb6\x8e\x9a\x90\x46",  // 背景色+文字色
    "\x94\x77\x8c\x69\x90\x46",                              // 背景色
    "\x95\xb6\x8e\x9a\x90\x46",                              // 文字色
    "\x58\x8d\xc0\x95\x57",                                  // X座標
    "\x59\x8d\xc0\x95\x57",                                  // Y座標
    "\x95\x9d",                                              // 幅
    "\x8d\x82\x82\xb3",                                      // 高さ
    "\x95\xb6\x8e\x9a\x82\xcc\x91\xe5\x82\xab\x82\xb3",      // 文字の大きさ
};

namespace {

enum Kind { kBoth, kBack, kText, kLeft, kTop, kWidth, kHeight, kFontSize };

void SetBack(Note& n, int red, int green, int blue) {
    n.backRed = red, n.backGreen = green, n.backBlue = blue;
}

void SetText(Note& n, int red, int green, int blue) {
    n.textRed = red, n.textGreen = green, n.textBlue = blue;
}

int AtLeastOne(int value) {
    return std::max(1, value);
}

}  // namespace

bool KindHasColours(int kind) {
    return kind >= kBoth && kind <= kText;
}

AttributeBuffer PickAttribute(int kind, const Note& n, const WindowBox& box,
                              AttributeBuffer buffer) {
    switch (kind) {
        case kBoth:
            buffer = {n.backColor, n.textColor, n.backRed,   n.backGreen,
                      n.backBlue,  n.textRed,   n.textGreen, n.textBlue};
            break;
        case kBack:
            buffer[0] = n.backColor;
            buffer[2] = n.backRed, buffer[3] = n.backGreen, buffer[4] = n.backBlue;
            break;
        case kText:
            buffer[0] = n.textColor;
            buffer[2] = n.textRed, buffer[3] = n.textGreen, buffer[4] = n.textBlue;
            break;
        case kLeft:
            buffer[0] = box.left;
            break;
        case kTop:
            buffer[0] = box.top;
            break;
        case kWidth:
            buffer[0] = box.width;
            break;
        case kHeight:
            buffer[0] = box.height;
            break;
        case kFontSize:
            buffer[0] = n.fontSize;
            break;
    }
    return buffer;
}

PasteResult PasteAttribute(int kind, const AttributeBuffer& b, std::optional<unsigned> randomSeed,
                           Note n, WindowBox box) {
    PasteResult result{PasteEffect::None, n, box};
    Note& out = result.note;
    bool random = randomSeed.has_value();
    std::vector<int> r =
        random ? RandomComponents(*randomSeed, kind == kBoth ? 6 : 3) : std::vector<int>{};
    switch (kind) {
        case kBoth:
            if (random) {
                SetBack(out, r[0], r[1], r[2]);
                SetText(out, r[3], r[4], r[5]);
            } else {
                out.backColor = b[0], out.textColor = b[1];
                SetBack(out, b[2], b[3], b[4]);
                SetText(out, b[5], b[6], b[7]);
            }
            result.effect = PasteEffect::ColoursAndBrush;
            break;
        case kBack:
            if (random) {
                SetBack(out, r[0], r[1], r[2]);
            } else {
                out.backColor = b[0];
                SetBack(out, b[2], b[3], b[4]);
            }
            result.effect = PasteEffect::ColoursAndBrush;
            break;
        case kText:
            if (random) {
                SetText(out, r[0], r[1], r[2]);
            } else {
                out.textColor = b[0];
                SetText(out, b[2], b[3], b[4]);
            }
            result.effect = PasteEffect::Colours;
            break;
        case kLeft:
            result.box.left = b[0];
            result.effect = PasteEffect::Place;
            break;
        case kTop:
            result.box.top = b[0];
            result.effect = PasteEffect::Place;
            break;
        case kWidth:
            result.box.width = AtLeastOne(b[0]);
            result.effect = PasteEffect::Place;
            break;
        case kHeight:
            result.box.height = AtLeastOne(b[0]);
            result.effect = PasteEffect::Place;
            break;
        case kFontSize:
            out.fontSize = AtLeastOne(b[0]);
            result.effect = PasteEffect::Font;
            break;
    }
    return result;
}

std::vector<int> RandomComponents(unsigned seed, int count) {
    std::vector<int> components;
    unsigned state = seed;
    for (int i = 0; i < count; ++i) {
        // A linear congruential generator of 15-bit values, the same on every system.
        state = state * 214013u + 2531011u;
        int r = static_cast<int>((state >> 16) & 0x7FFF);
        components.push_back(static_cast<int>(r / 32768.0 * 255));
    }
    return components;
}
