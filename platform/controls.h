#pragma once
// Access to a dialog's controls by their template id. Page and window logic talks to
// its dialog only through this seam, so it runs unchanged on the host (with a double)
// and in the program (with the Win32 binding over the real child windows).
//
// Every operation on an id the dialog does not have is harmless: setters do nothing,
// getters return an empty text, 0, -1 or false.

#include <cstdint>
#include <string>
#include <vector>

// An image list made by createImageList; 0 = none.
using ImageListRef = uintptr_t;

class Controls {
public:
    virtual ~Controls() = default;

    // Window text of any control (edit, static, button, combo box's edit part).
    virtual std::string getText(int id) const = 0;
    virtual void setText(int id, const std::string& text) = 0;
    // A text that only displays a figure: set only when it differs, since every set
    // repaints the control (and reaches the window system even while it is hidden).
    // A binding may hold it for a control nobody can see until something asks for it.
    // Not for edits whose change notification someone relies on.
    virtual void showText(int id, const std::string& text) {
        if (getText(id) != text) setText(id, text);
    }

    // Check boxes and radio buttons.
    virtual bool isChecked(int id) const = 0;
    virtual void setChecked(int id, bool checked) = 0;

    virtual bool isEnabled(int id) const = 0;
    virtual void setEnabled(int id, bool enabled) = 0;
    virtual bool isVisible(int id) const = 0;
    virtual void setVisible(int id, bool visible) = 0;

    // Edit controls. limitText(id, 0) is the edit's own maximum. setPasswordChar(id, 0)
    // shows the text in clear. setSelection(id, start, end) selects [start, end);
    // replaceSelection replaces it (an empty text deletes it), which the real edit
    // reports as a change.
    virtual void limitText(int id, int maxChars) = 0;
    virtual int textLimit(int id) const = 0;
    virtual void setPasswordChar(int id, char ch) = 0;
    virtual char passwordChar(int id) const = 0;
    virtual void setSelection(int id, int start, int end) = 0;
    virtual void replaceSelection(int id, const std::string& text) = 0;
    virtual void scrollCaret(int id) = 0;
    virtual void setFocus(int id) = 0;

    // Combo boxes and list boxes: items by position, selection -1 for none.
    virtual void clearItems(int id) = 0;
    virtual int addItem(int id, const std::string& text) = 0;
    virtual int itemCount(int id) const = 0;
    virtual std::string itemText(int id, int index) const = 0;
    virtual int selection(int id) const = 0;
    // Returns false (and leaves the selection as it was... or clears it, as the real
    // control does) when the position does not exist.
    virtual bool setSelectionIndex(int id, int index) = 0;
    virtual int findItemExact(int id, const std::string& text) const = 0;

    // List views in report view. clearItems and itemCount work on them too (all rows).
    // Rows carry an image (index into the small-image list) and one text per column.
    virtual int listClientWidth(int id) const = 0;
    // Inserts column `column` with its heading and width in pixels; false on failure.
    virtual bool insertListColumn(int id, int column, const std::string& title, int width) = 0;
    // Inserts a row at position `row` (the row count appends); its position, or -1.
    virtual int insertListRow(int id, int row, int image, const std::vector<std::string>& cells) = 0;
    virtual void deleteListRow(int id, int row) = 0;
    virtual std::string listCellText(int id, int row, int column) const = 0;
    // The row the user last selected (the selection mark), -1 for none.
    virtual int listSelectionMark(int id) const = 0;
    // The row shown selected, -1 for none. A click beside the rows clears it but keeps
    // the selection mark.
    virtual int listSelectedRow(int id) const = 0;
    virtual void setListTextColour(int id, uint32_t colour) = 0;   // 0x00BBGGRR
    virtual void setListFullRowSelect(int id) = 0;

    // An image list of `imageSize` square images cut from the bitmap strip `bitmapId` of
    // the dialog's resources, `transparent` (0x00BBGGRR) masked out. The caller owns it
    // and destroys it once no list shows it any more (the lists share their image
    // lists, so none of them destroys one). 0 when the bitmap cannot be loaded.
    virtual ImageListRef createImageList(int bitmapId, int imageSize, uint32_t transparent) = 0;
    virtual void destroyImageList(ImageListRef images) = 0;
    // Makes `images` the list's small-image list.
    virtual void setListImages(int id, ImageListRef images) = 0;
};
