#pragma once
// Rectangles in pixels, with the window system's convention: right and bottom are
// one past the last pixel.

struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int width() const { return right - left; }
    int height() const { return bottom - top; }
    bool empty() const { return right <= left || bottom <= top; }
    bool operator==(const Rect& o) const {
        return left == o.left && top == o.top && right == o.right && bottom == o.bottom;
    }
    bool operator!=(const Rect& o) const { return !(*this == o); }

    static Rect fromSize(int x, int y, int w, int h) { return Rect{x, y, x + w, y + h}; }
};

struct Size {
    int width = 0;
    int height = 0;
};
