#include "components/NavigatorRules.h"

#include "components/RecordSet.h"

TNavBtns EnabledNavButtons(const TRecordSet* recordSet, bool autoPerform)
{
    if (!recordSet || !recordSet->Active() || !autoPerform)
        return NoNavBtns;
    TNavBtns enabled = NoNavBtns;
    if (!recordSet->Bof())
        enabled |= NavBtn(nbFirst) | NavBtn(nbPrior);
    if (!recordSet->Eof())
        enabled |= NavBtn(nbNext) | NavBtn(nbLast);
    const bool list = recordSet->RecordCount() > 1;
    if (list)
        enabled |= NavBtn(nbList);
    if (recordSet->RecordCount() < recordSet->MaxRec() && !recordSet->BrowseOnly())
        enabled |= NavBtn(nbNew);
    if (list && !recordSet->BrowseOnly())
        enabled |= NavBtn(nbDelete);
    return enabled;
}

std::optional<int> LayOutNavButtons(TNavBtns visible, int barHeight, std::array<NavButtonPlace, NavButtonCount>& places)
{
    int shown = 0;
    for (int b = 0; b < NavButtonCount; ++b)
        if (HasNavBtn(visible, TNavigationButtons(b)))
            ++shown;
    if (shown == 0)
        return std::nullopt;
    const int barWidth = NavButtonSize * shown;
    int left = 0;
    for (int b = 0; b < NavButtonCount; ++b) {
        NavButtonPlace& place = places[b];
        place.width = barWidth / shown;
        place.height = barHeight;
        if (HasNavBtn(visible, TNavigationButtons(b))) {
            place.left = left;
            left += place.width;
        }
    }
    return barWidth;
}

std::optional<TNavigationButtons> NavButtonForKey(int key, Qt::KeyboardModifiers modifiers)
{
    // A key from the keypad still counts as Alt alone.
    if ((modifiers & ~Qt::KeypadModifier) != Qt::AltModifier)
        return std::nullopt;
    switch (key) {
    case Qt::Key_F:
        return nbFirst;
    case Qt::Key_N:
        return nbNext;
    case Qt::Key_P:
        return nbPrior;
    case Qt::Key_L:
        return nbLast;
    case Qt::Key_I:
        return nbList;
    case Qt::Key_E:
        return nbNew;
    case Qt::Key_D:
        return nbDelete;
    default:
        return std::nullopt;
    }
}
