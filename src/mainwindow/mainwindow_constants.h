#pragma once
// The main window's own constants.

// The window's title, in every language.
inline constexpr const char* kWindowTitle = "NorvaneBat - V2.8.6";
