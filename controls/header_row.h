#pragma once
// The row of six page buttons across the top of every page. The page's own button is a
// plain picture in the look of the page on show; the other five are hover buttons whose
// clicks PageBase passes on to the main window.
//
//   init:       header_.attach(*window(), IDC_HEADER_LINK_INFO);
//   mouse move: header_.showNormal();

#include "controls/hover_bitmap_button.h"

class DialogWindow;

class HeaderRow {
public:
    static constexpr int kButtons = 6;

    // Takes over and loads the buttons other than `ownId` (0: all six, as the main
    // window's own hidden row has them).
    void attach(DialogWindow& window, int ownId);
    // Every button back to its normal bitmap.
    void showNormal();

    // The button of control `id`, or null (the page's own picture, or an unknown id).
    HoverBitmapButton* button(int id);

private:
    HoverBitmapButton buttons_[kButtons];
    int ids_[kButtons] = {};
};
