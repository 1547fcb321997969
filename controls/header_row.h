#pragma once
// The hover buttons of a page: the row of six page buttons across its top and the page's
// own buttons (Apply, Search, Next, ...). The page's own header button stays a plain
// picture in the look of the page on show, unless the page gives it a picture to keep in
// every state (the wizard's later steps, where it leads back to the first). Clicks of the
// page buttons go on to the main window through PageBase.
//
//   init:       header_.attach(*window(), IDC_HEADER_LINK_INFO);
//               header_.add(*window(), IDC_LINK_SEARCH, IDB_SEARCH_BUTTON);
//   mouse move: header_.showNormal();

#include <cstddef>

#include "controls/hover_bitmap_button.h"

class DialogWindow;

class HeaderRow {
public:
    static constexpr int kPageButtons = 6;
    // Every page button and the most buttons a page has of its own (the site survey's five).
    static constexpr size_t kMaxButtons = kPageButtons + 5;

    // Each page button's bitmaps, left to right: the same on every page and on the main
    // window's hidden row. The pressed look is the normal one.
    struct PageButton {
        int id;
        int normal, hover;
    };
    static const PageButton kPageButtonLooks[kPageButtons];
    // True for the id of one of the six page buttons.
    static bool isPageButton(int id);

    // Takes over and loads the page buttons other than `ownId` (0: all six, as the main
    // window's own hidden row has them). With `ownPicture`, the own button becomes a hover
    // button that shows that picture in every state.
    void attach(DialogWindow& window, int ownId, int ownPicture = 0);
    // Takes over one of the page's own buttons. False, and nothing taken over, when the
    // control is missing or the row is full.
    bool add(DialogWindow& window, int id, int normal, int hover, int pressed);
    bool add(DialogWindow& window, int id, int bitmap) { return add(window, id, bitmap, bitmap, bitmap); }
    // The Apply and Cancel pictures of a page that changes settings.
    void addApplyAndCancel(DialogWindow& window);

    // Every button back to its normal bitmap.
    void showNormal();

    size_t count() const { return count_; }
    // The button of control `id`, or null (a plain picture, or an unknown id).
    HoverBitmapButton* button(int id);

private:
    HoverBitmapButton buttons_[kMaxButtons];
    int ids_[kMaxButtons] = {};
    size_t count_ = 0;
};
