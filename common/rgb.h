// rgb.h — a colour as its three parts, 0 to 255 each.
#pragma once

struct Rgb {
    int red = 0, green = 0, blue = 0;
};
