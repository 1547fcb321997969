#pragma once
// Access to a dialog's controls by their template id. Page and window logic talks to
// its dialog only through this seam, so it runs unchanged on the host (with a double)
// and in the program (with the Win32 binding over the real child windows).
//
// Every operation on an id the dialog does not have is harmless: setters do nothing,
// getters return an empty text, 0, -1 or false.

#include <cstdint>
#include <string>

class Controls {
public:
    virtual ~Controls() = default;

    // Window text of any control (edit, static, button, combo box's edit part).
    virtual std::string getText(int id) const = 0;
    virtual void setText(int id, const std::string& text) = 0;

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
};
