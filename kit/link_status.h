#pragma once
// The link in one line, as the tray menu and the support report show it:
// "HomeNet – 72 %", "No Connect" or "No Card Found", in the language in force.

#include <string>

class LanguageTexts;

std::string LinkStatusLine(const LanguageTexts& texts);
