#pragma once
// Controls double: an in-memory dialog whose controls behave like the real ones where
// page logic can tell the difference.
//
// - A control exists only once the test adds it (addEdit, addComboBox, ...); every
//   operation on any other id is harmless, as on a real dialog.
// - Edits: setText and replaceSelection report a change (EN_CHANGE) to the handler
//   the test or page installed, so a change handler that edits its own field re-enters,
//   as it does in the real program. A text limit stops typing, pasting and
//   replaceSelection from adding more, but never shortens the text already there;
//   setText ignores it. limitText(id, 0) gives the edit's own maximum.
// - Combo and list boxes: setSelectionIndex beyond the items fails and keeps the
//   selection, as the controls under Wine do (checked by a Wine test); -1 clears it and
//   also answers false. getText of a drop-down list is the selected item.
// - List views: rows of an image and cell texts under columns. The selection mark is
//   the user's (selectRow); deleting or inserting rows moves it with its row, and
//   clearing the list drops it, as the real control does.
// - Radio buttons: setChecked touches only the one button; a user click (click())
//   checks it and clears the others of its group.
// - User actions (type, paste, focus, selectByUser, click) fire the notifications the
//   real control sends; program calls fire only what the real control also fires.
//
// Runaway re-entry (a change handler that keeps changing its own field) is cut at a
// fixed depth and flagged in `runaway`, so a test fails instead of overflowing the stack.
#include <algorithm>
#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "platform/controls.h"

class FakeControls : public Controls {
public:
    enum class Kind { Edit, ComboBox, ComboBoxEdit, ListBox, ListView, CheckBox, Radio, Button, Static };
    enum class Event { Change, SetFocus, KillFocus, SelChange, Clicked };
    using Handler = std::function<void()>;

    static constexpr int kDefaultEditLimit = 30000;    // a new edit's limit under Wine
    static constexpr int kMaximumEditLimit = 0x7FFFFFFE;  // limitText(id, 0)
    static constexpr int kMaxReentry = 200;

    // Texts set to what they already were: each is a needless repaint in the program.
    int unchangedTextSets = 0;
    // Texts set, by control id (cleared by whoever counts).
    std::map<int, int> textSets;

    struct Control {
        Kind kind = Kind::Static;
        std::string text;
        bool checked = false;
        bool enabled = true;
        bool visible = true;
        int limit = kDefaultEditLimit;
        char passwordChar = 0;
        int selStart = 0;
        int selEnd = 0;
        std::vector<std::string> items;
        int selection = -1;
        int group = 0;          // radio buttons of one group share a number
        int scrollCaretCalls = 0;
        // List views.
        struct Column {
            std::string title;
            int width;
        };
        struct Row {
            int image;
            std::vector<std::string> cells;
        };
        std::vector<Column> columns;
        std::vector<Row> rows;
        int selectionMark = -1;
        int selectedRow = -1;
        int clientWidth = 0;
        ImageListRef images = 0;
        uint32_t textColour = 0xFFFFFFFFu;   // never set
        bool fullRowSelect = false;
    };
    struct ImageList {
        int bitmapId;
        int imageSize;
        uint32_t transparent;
        bool destroyed;
    };
    // Every image list made, in order; a ref is its position + 1.
    std::vector<ImageList> imageLists;

    // ---- building the dialog ----
    Control& addEdit(int id, const std::string& text = "") {
        Control& c = add(id, Kind::Edit);
        c.text = text;
        return c;
    }
    Control& addComboBox(int id, const std::vector<std::string>& items = {}, bool withEdit = false) {
        Control& c = add(id, withEdit ? Kind::ComboBoxEdit : Kind::ComboBox);
        c.items = items;
        return c;
    }
    Control& addListBox(int id, const std::vector<std::string>& items = {}) {
        Control& c = add(id, Kind::ListBox);
        c.items = items;
        return c;
    }
    Control& addListView(int id, int clientWidth) {
        Control& c = add(id, Kind::ListView);
        c.clientWidth = clientWidth;
        return c;
    }
    Control& addCheckBox(int id) { return add(id, Kind::CheckBox); }
    Control& addRadio(int id, int group) {
        Control& c = add(id, Kind::Radio);
        c.group = group;
        return c;
    }
    Control& addButton(int id, const std::string& text = "") {
        Control& c = add(id, Kind::Button);
        c.text = text;
        return c;
    }
    Control& addStatic(int id, const std::string& text = "") {
        Control& c = add(id, Kind::Static);
        c.text = text;
        return c;
    }

    bool has(int id) const { return controls_.count(id) > 0; }
    // The control itself, for assertions; the id must have been added.
    const Control& at(int id) const { return controls_.at(id); }
    Control& at(int id) { return controls_.at(id); }

    // ---- notifications ----
    void on(int id, Event event, Handler handler) { handlers_[{id, event}] = std::move(handler); }
    // Sees every notification after its own handler, e.g. to route to a page's onCommand.
    void onAny(std::function<void(int, Event)> sink) { sink_ = std::move(sink); }

    int focusedId() const { return focused_; }
    bool runaway = false;
    // The deepest nesting of notifications seen: 1 for a handler that changes nothing.
    int deepest = 0;
    // Every notification fired, in order.
    std::vector<std::pair<int, Event>> events;

    // ---- user actions ----
    // The user moves the focus to `id` (EN_SETFOCUS / KillFocus of the previous one).
    void focus(int id) { moveFocus(id); }

    // The user types `text` into edit `id`, one character at a time at the caret. A
    // character that would exceed the limit is refused (nothing changes, no change
    // notification), as a real edit does.
    void type(int id, const std::string& text) {
        if (!isEdit(id)) return;
        if (focused_ != id) moveFocus(id);
        for (char ch : text) insertAtSelection(id, std::string(1, ch), true);
    }

    // The user pastes `text`: as much as the limit lets in replaces the selection, one
    // change notification.
    void paste(int id, const std::string& text) {
        if (!isEdit(id)) return;
        if (focused_ != id) moveFocus(id);
        insertAtSelection(id, text, true);
    }

    // The user picks item `index` of a combo box or list box (CBN_SELCHANGE).
    void selectByUser(int id, int index) {
        Control* c = find(id);
        if (!c || !isList(*c) || index < 0 || index >= static_cast<int>(c->items.size())) return;
        c->selection = index;
        if (c->kind == Kind::ComboBoxEdit) c->text = c->items[index];
        fire(id, Event::SelChange);
    }

    // The user clicks row `row` of a list view: it is selected and marked. Row -1 is a
    // click beside the rows: nothing is selected any more, but the mark stays, as in
    // the real control.
    void selectRow(int id, int row) {
        Control* c = listViewOf(id);
        if (!c || row >= static_cast<int>(c->rows.size())) return;
        c->selectedRow = row < 0 ? -1 : row;
        if (row >= 0) c->selectionMark = row;
    }

    // The user clicks a button, check box or radio button (BN_CLICKED).
    void click(int id) {
        Control* c = find(id);
        if (!c || !c->enabled) return;
        if (c->kind == Kind::CheckBox) c->checked = !c->checked;
        if (c->kind == Kind::Radio) {
            for (auto& other : controls_)
                if (other.second.kind == Kind::Radio && other.second.group == c->group)
                    other.second.checked = false;
            c->checked = true;
        }
        fire(id, Event::Clicked);
    }

    // ---- Controls ----
    std::string getText(int id) const override {
        const Control* c = find(id);
        if (!c) return "";
        if (c->kind == Kind::ComboBox || c->kind == Kind::ListBox)
            return c->selection >= 0 ? c->items[c->selection] : "";
        return c->text;
    }
    void setText(int id, const std::string& text) override {
        Control* c = find(id);
        if (!c) return;
        if (c->kind == Kind::ComboBox || c->kind == Kind::ListBox) return;
        if (c->text == text) ++unchangedTextSets;
        ++textSets[id];
        c->text = text;
        if (c->kind == Kind::Edit) {
            c->selStart = c->selEnd = 0;
            fire(id, Event::Change);
        }
    }
    bool isChecked(int id) const override {
        const Control* c = find(id);
        return c && c->checked;
    }
    void setChecked(int id, bool checked) override {
        if (Control* c = find(id)) c->checked = checked;
    }
    bool isEnabled(int id) const override {
        const Control* c = find(id);
        return c && c->enabled;
    }
    void setEnabled(int id, bool enabled) override {
        if (Control* c = find(id)) c->enabled = enabled;
    }
    bool isVisible(int id) const override {
        const Control* c = find(id);
        return c && c->visible;
    }
    void setVisible(int id, bool visible) override {
        if (Control* c = find(id)) c->visible = visible;
    }
    void limitText(int id, int maxChars) override {
        if (Control* c = editOf(id)) c->limit = maxChars <= 0 ? kMaximumEditLimit : maxChars;
    }
    int textLimit(int id) const override {
        const Control* c = find(id);
        return c && isEditKind(*c) ? c->limit : 0;
    }
    void setPasswordChar(int id, char ch) override {
        if (Control* c = editOf(id)) c->passwordChar = ch;
    }
    char passwordChar(int id) const override {
        const Control* c = find(id);
        return c && isEditKind(*c) ? c->passwordChar : 0;
    }
    void setSelection(int id, int start, int end) override {
        Control* c = editOf(id);
        if (!c) return;
        const int len = static_cast<int>(c->text.size());
        // As EM_SETSEL: -1 as start removes the selection, -1 as end means the end.
        if (start < 0) {
            c->selStart = c->selEnd = std::min(c->selEnd, len);
            return;
        }
        if (end < 0 || end > len) end = len;
        start = std::min(start, len);
        if (start > end) std::swap(start, end);
        c->selStart = start;
        c->selEnd = end;
    }
    void replaceSelection(int id, const std::string& text) override {
        if (!isEdit(id)) return;
        insertAtSelection(id, text, false);
    }
    void scrollCaret(int id) override {
        if (Control* c = editOf(id)) ++c->scrollCaretCalls;
    }
    void setFocus(int id) override {
        if (has(id)) moveFocus(id);
    }
    void clearItems(int id) override {
        if (Control* v = listViewOf(id)) {
            v->rows.clear();
            v->selectionMark = v->selectedRow = -1;
            return;
        }
        Control* c = find(id);
        if (!c || !isList(*c)) return;
        c->items.clear();
        c->selection = -1;
    }
    int addItem(int id, const std::string& text) override {
        Control* c = find(id);
        if (!c || !isList(*c)) return -1;
        c->items.push_back(text);
        return static_cast<int>(c->items.size()) - 1;
    }
    int itemCount(int id) const override {
        const Control* c = find(id);
        if (c && c->kind == Kind::ListView) return static_cast<int>(c->rows.size());
        return c && isList(*c) ? static_cast<int>(c->items.size()) : 0;
    }
    std::string itemText(int id, int index) const override {
        const Control* c = find(id);
        if (!c || !isList(*c) || index < 0 || index >= static_cast<int>(c->items.size())) return "";
        return c->items[index];
    }
    int selection(int id) const override {
        const Control* c = find(id);
        return c && isList(*c) ? c->selection : -1;
    }
    bool setSelectionIndex(int id, int index) override {
        Control* c = find(id);
        if (!c || !isList(*c)) return false;
        if (index == -1) {
            c->selection = -1;
            return false;
        }
        if (index < 0 || index >= static_cast<int>(c->items.size())) return false;
        c->selection = index;
        if (c->kind == Kind::ComboBoxEdit) c->text = c->items[index];
        return true;
    }
    int findItemExact(int id, const std::string& text) const override {
        const Control* c = find(id);
        if (!c || !isList(*c)) return -1;
        for (size_t i = 0; i < c->items.size(); ++i)
            if (equalNoCase(c->items[i], text)) return static_cast<int>(i);
        return -1;
    }

    int listClientWidth(int id) const override {
        const Control* c = find(id);
        return c && c->kind == Kind::ListView ? c->clientWidth : 0;
    }
    bool insertListColumn(int id, int column, const std::string& title, int width) override {
        Control* c = listViewOf(id);
        if (!c || column < 0) return false;
        const size_t at = std::min(static_cast<size_t>(column), c->columns.size());
        c->columns.insert(c->columns.begin() + static_cast<long>(at), {title, width});
        return true;
    }
    int insertListRow(int id, int row, int image, const std::vector<std::string>& cells) override {
        Control* c = listViewOf(id);
        if (!c || row < 0) return -1;
        const int at = std::min(row, static_cast<int>(c->rows.size()));
        c->rows.insert(c->rows.begin() + at, {image, cells});
        if (c->selectionMark >= at) ++c->selectionMark;
        if (c->selectedRow >= at) ++c->selectedRow;
        ++listRowInserts;
        return at;
    }
    void deleteListRow(int id, int row) override {
        Control* c = listViewOf(id);
        if (!c || row < 0 || row >= static_cast<int>(c->rows.size())) return;
        c->rows.erase(c->rows.begin() + row);
        for (int* r : {&c->selectionMark, &c->selectedRow}) {
            if (*r == row) *r = -1;
            else if (*r > row) --*r;
        }
    }
    std::string listCellText(int id, int row, int column) const override {
        const Control* c = find(id);
        if (!c || c->kind != Kind::ListView || row < 0 || row >= static_cast<int>(c->rows.size()) || column < 0)
            return "";
        const auto& cells = c->rows[static_cast<size_t>(row)].cells;
        return static_cast<size_t>(column) < cells.size() ? cells[static_cast<size_t>(column)] : "";
    }
    int listSelectionMark(int id) const override {
        const Control* c = find(id);
        return c && c->kind == Kind::ListView ? c->selectionMark : -1;
    }
    int listSelectedRow(int id) const override {
        const Control* c = find(id);
        return c && c->kind == Kind::ListView ? c->selectedRow : -1;
    }
    void setListTextColour(int id, uint32_t colour) override {
        if (Control* c = listViewOf(id)) c->textColour = colour;
    }
    void setListFullRowSelect(int id) override {
        if (Control* c = listViewOf(id)) c->fullRowSelect = true;
    }
    ImageListRef createImageList(int bitmapId, int imageSize, uint32_t transparent) override {
        imageLists.push_back({bitmapId, imageSize, transparent, false});
        return static_cast<ImageListRef>(imageLists.size());
    }
    void destroyImageList(ImageListRef images) override {
        if (images >= 1 && images <= imageLists.size()) imageLists[images - 1].destroyed = true;
    }
    void setListImages(int id, ImageListRef images) override {
        if (Control* c = listViewOf(id)) c->images = images;
    }

    // Rows inserted into any list view so far (for counting work).
    long listRowInserts = 0;

    // Selected text of an edit, for assertions.
    std::string selectedText(int id) const {
        const Control* c = find(id);
        if (!c || !isEditKind(*c)) return "";
        return c->text.substr(c->selStart, c->selEnd - c->selStart);
    }

private:
    Control& add(int id, Kind kind) {
        Control& c = controls_[id];
        c = Control{};
        c.kind = kind;
        return c;
    }
    Control* find(int id) {
        auto it = controls_.find(id);
        return it == controls_.end() ? nullptr : &it->second;
    }
    const Control* find(int id) const {
        auto it = controls_.find(id);
        return it == controls_.end() ? nullptr : &it->second;
    }
    static bool isEditKind(const Control& c) { return c.kind == Kind::Edit; }
    static bool isList(const Control& c) {
        return c.kind == Kind::ComboBox || c.kind == Kind::ComboBoxEdit || c.kind == Kind::ListBox;
    }
    bool isEdit(int id) const {
        const Control* c = find(id);
        return c && isEditKind(*c);
    }
    Control* listViewOf(int id) {
        Control* c = find(id);
        return c && c->kind == Kind::ListView ? c : nullptr;
    }
    Control* editOf(int id) {
        Control* c = find(id);
        return c && isEditKind(*c) ? c : nullptr;
    }
    static bool equalNoCase(const std::string& a, const std::string& b) {
        if (a.size() != b.size()) return false;
        for (size_t i = 0; i < a.size(); ++i) {
            const unsigned char x = static_cast<unsigned char>(a[i]);
            const unsigned char y = static_cast<unsigned char>(b[i]);
            if ((x >= 'A' && x <= 'Z' ? x + 32 : x) != (y >= 'A' && y <= 'Z' ? y + 32 : y)) return false;
        }
        return true;
    }

    // Replaces the selection with as much of `text` as the limit allows and puts the
    // caret after it. A user's keystroke that does not fit changes nothing and sends
    // no change; a program's replacement always reports a change, as the real edit
    // does for EM_REPLACESEL.
    void insertAtSelection(int id, const std::string& text, bool byUser) {
        Control& c = controls_.at(id);
        const int len = static_cast<int>(c.text.size());
        const int kept = len - (c.selEnd - c.selStart);
        const int room = std::max(0, c.limit - kept);
        const std::string in = text.substr(0, std::min<size_t>(text.size(), room));
        if (byUser && in.empty() && c.selEnd == c.selStart) return;
        c.text = c.text.substr(0, c.selStart) + in + c.text.substr(c.selEnd);
        c.selStart = c.selEnd = c.selStart + static_cast<int>(in.size());
        fire(id, Event::Change);
    }

    void moveFocus(int id) {
        if (focused_ == id) return;
        const int previous = focused_;
        focused_ = id;
        if (previous != 0) fire(previous, Event::KillFocus);
        fire(id, Event::SetFocus);
    }

    void fire(int id, Event event) {
        if (depth_ >= kMaxReentry) {
            runaway = true;
            return;
        }
        events.emplace_back(id, event);
        ++depth_;
        deepest = std::max(deepest, depth_);
        auto h = handlers_.find({id, event});
        if (h != handlers_.end() && h->second) {
            Handler copy = h->second;   // the handler may replace itself
            copy();
        }
        if (sink_) sink_(id, event);
        --depth_;
    }

    std::map<int, Control> controls_;
    std::map<std::pair<int, Event>, Handler> handlers_;
    std::function<void(int, Event)> sink_;
    int focused_ = 0;
    int depth_ = 0;
};
