#pragma once
// The application's name: the title of its message boxes.
constexpr const char* kAppName = "Lumora";
