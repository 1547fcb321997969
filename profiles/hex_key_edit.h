#pragma once
// The check every WEP key edit runs while the user types: its length limit for the key's
// size and format and, for a hexadecimal key, the characters that are no digits taken
// off the end of the text, one beep each, until only digits remain.
//
// The deletions are made in one loop here. Each of them is a change of the edit, which
// the edit reports back to its window; while the loop runs, that notification reaches
// this same object again and is ignored, so the handler never recurses however long the
// pasted text was.
//
//   HexKeyEdit check;                       // one per key edit (or per window)
//   on EN_CHANGE / EN_SETFOCUS:  check.run(controls, desktop, id, limit, hex);

#include <string>

class Controls;
class Desktop;

class HexKeyEdit {
public:
    // Sets the edit's limit (when > 0; a lower limit never shortens the text, it only
    // stops further typing) and, when `hex`, drops the last character while the text
    // holds a character that is no hexadecimal digit. The empty text passes without a
    // beep. A call made while the loop runs (the edit's own change notification) does
    // nothing. Returns the number of characters dropped.
    int run(Controls& controls, Desktop& desktop, int editId, int limit, bool hex);

    // True while the loop is deleting characters.
    bool busy() const { return busy_; }

private:
    bool busy_ = false;
};
