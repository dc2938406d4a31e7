#pragma once

#include <QtGlobal>
#include <qnamespace.h>

#include <array>
#include <optional>

class TRecordSet;

// The buttons of a record-set navigator, in the order they stand from left to right.
enum TNavigationButtons : quint8 { nbFirst, nbNext, nbPrior, nbLast, nbList, nbNew, nbDelete };
inline constexpr int NavButtonCount = 7;

// What a navigator button does; the same order as its buttons.
enum TButtonAction : quint8 { baFirst, baNext, baPrior, baLast, baList, baNew, baDelete };

// A set of navigator buttons: bit 0 for nbFirst up to bit 6 for nbDelete.
using TNavBtns = quint8;
inline constexpr TNavBtns NoNavBtns = 0;
inline constexpr TNavBtns AllNavBtns = 0x7F;
constexpr TNavBtns NavBtn(TNavigationButtons button) { return TNavBtns(1u << button); }
constexpr bool HasNavBtn(TNavBtns set, TNavigationButtons button) { return (set & NavBtn(button)) != 0; }

// The buttons a navigator enables over its record set. Nothing is enabled without an open
// record set or when the navigator does not perform its actions; a browse-only record set never
// offers New or Delete.
TNavBtns EnabledNavButtons(const TRecordSet* recordSet, bool autoPerform);

// Where one button stands in its bar.
struct NavButtonPlace {
    int left = 0;
    int width = 0;
    int height = 0;
};

inline constexpr int NavButtonSize = 22;

// Lays the buttons out for the visible set: each gets the standard width and the bar's height,
// and the visible ones stand side by side from the left edge; hidden ones keep their place.
// Returns the bar's new width, or nothing (and leaves the places alone) when no button is visible.
std::optional<int> LayOutNavButtons(TNavBtns visible, int barHeight, std::array<NavButtonPlace, NavButtonCount>& places);

// The button an Alt shortcut presses: Alt alone with F, N, P, L, I, E or D. Nothing for any other
// key or modifier combination.
std::optional<TNavigationButtons> NavButtonForKey(int key, Qt::KeyboardModifiers modifiers);
