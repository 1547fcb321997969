#pragma once
// Controls of a dialog that has no window (yet, or any more): holds nothing, and every
// call is harmless, as the Controls contract asks for unknown ids.

#include "platform/controls.h"

class NullControls : public Controls {
public:
    std::string getText(int) const override { return {}; }
    void setText(int, const std::string&) override {}
    bool isChecked(int) const override { return false; }
    void setChecked(int, bool) override {}
    bool isEnabled(int) const override { return false; }
    void setEnabled(int, bool) override {}
    bool isVisible(int) const override { return false; }
    void setVisible(int, bool) override {}
    void limitText(int, int) override {}
    int textLimit(int) const override { return 0; }
    void setPasswordChar(int, char) override {}
    char passwordChar(int) const override { return 0; }
    void setSelection(int, int, int) override {}
    void replaceSelection(int, const std::string&) override {}
    void scrollCaret(int) override {}
    void setFocus(int) override {}
    void clearItems(int) override {}
    int addItem(int, const std::string&) override { return -1; }
    int itemCount(int) const override { return 0; }
    std::string itemText(int, int) const override { return {}; }
    int selection(int) const override { return -1; }
    bool setSelectionIndex(int, int) override { return false; }
    int findItemExact(int, const std::string&) const override { return -1; }
    int listClientWidth(int) const override { return 0; }
    bool insertListColumn(int, int, const std::string&, int) override { return false; }
    int insertListRow(int, int, int, const std::vector<std::string>&) override { return -1; }
    void deleteListRow(int, int) override {}
    std::string listCellText(int, int, int) const override { return {}; }
    int listSelectionMark(int) const override { return -1; }
    int listSelectedRow(int) const override { return -1; }
    void setListTextColour(int, uint32_t) override {}
    void setListFullRowSelect(int) override {}
    ImageListRef createImageList(int, int, uint32_t) override { return 0; }
    void destroyImageList(ImageListRef) override {}
    void setListImages(int, ImageListRef) override {}
};
