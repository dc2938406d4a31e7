#pragma once

#include "client/MainMenuItems.h"

#include <span>

// The launch panel "What would you like to do?" of the main window: one label per command.
struct LaunchLabel {
    int tag;
    const char* caption;
    MenuItem command;   // the menu item whose command the label runs; None for the style note
    MenuItem gate;      // the label works only while this item is enabled; None when always
    int column;         // 0 left, 1 right
    int slot;           // line within its column, counting the blank lines between the groups
};

// The 37 labels, the left column top to bottom and then the right one.
std::span<const LaunchLabel> LaunchLabels();

const LaunchLabel* FindLaunchLabel(int tag);

// Where the labels stand on the panel at its designed size, in pixels; a column is at least
// kLaunchColumnWidth wide.
inline constexpr int kLaunchColumnLeft[2] = {8, 316};
inline constexpr int kLaunchColumnWidth = 300;
inline constexpr int kLaunchFirstLineTop = 40;
inline constexpr int kLaunchLineHeight = 16;

inline constexpr const char* kLaunchHeading = "What would you like to do?";

// The note of the label "Setting Styles ...", shown with its own caption.
inline constexpr const char* kStyleNoteCaption = "Setting Styles";
extern const char* const kStyleNoteText;
