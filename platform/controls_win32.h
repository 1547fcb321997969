#pragma once
// Controls over the child windows of a real dialog, found by id with GetDlgItem.
// Combo boxes, list boxes and list views are told apart by their window class.

#include <windows.h>

#include <unordered_map>

#include "platform/controls.h"

class ControlsWin32 : public Controls {
public:
    explicit ControlsWin32(HWND dialog = nullptr) : dialog_(dialog) {}
    void setDialog(HWND dialog) {
        dialog_ = dialog;
        found_.clear();
    }
    HWND dialog() const { return dialog_; }

    std::string getText(int id) const override;
    void setText(int id, const std::string& text) override;
    void showText(int id, const std::string& text) override;
    bool isChecked(int id) const override;
    void setChecked(int id, bool checked) override;
    bool isEnabled(int id) const override;
    void setEnabled(int id, bool enabled) override;
    bool isVisible(int id) const override;
    void setVisible(int id, bool visible) override;
    void limitText(int id, int maxChars) override;
    int textLimit(int id) const override;
    void setPasswordChar(int id, char ch) override;
    char passwordChar(int id) const override;
    void setSelection(int id, int start, int end) override;
    void replaceSelection(int id, const std::string& text) override;
    void scrollCaret(int id) override;
    void setFocus(int id) override;
    void clearItems(int id) override;
    int addItem(int id, const std::string& text) override;
    int itemCount(int id) const override;
    std::string itemText(int id, int index) const override;
    int selection(int id) const override;
    bool setSelectionIndex(int id, int index) override;
    int findItemExact(int id, const std::string& text) const override;
    int listClientWidth(int id) const override;
    bool insertListColumn(int id, int column, const std::string& title, int width) override;
    int insertListRow(int id, int row, int image, const std::vector<std::string>& cells) override;
    void deleteListRow(int id, int row) override;
    std::string listCellText(int id, int row, int column) const override;
    int listSelectionMark(int id) const override;
    int listSelectedRow(int id) const override;
    void setListTextColour(int id, uint32_t colour) override;
    void setListFullRowSelect(int id) override;
    ImageListRef createImageList(int bitmapId, int imageSize, uint32_t transparent) override;
    void destroyImageList(ImageListRef images) override;
    void setListImages(int id, ImageListRef images) override;

private:
    enum class ListKind { None, Combo, List, ListView };
    // The control when it is a list view, else null.
    HWND listView(int id) const;
    HWND item(int id) const;
    ListKind listKind(HWND control) const;

    HWND dialog_;
    // Controls found so far, by id. GetDlgItem asks the window server every time, and
    // the monitor names a dozen controls a second all day.
    mutable std::unordered_map<int, HWND> found_;
};
