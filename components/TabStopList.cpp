#include "components/TabStopList.h"

#include <algorithm>
#include <limits>
#include <utility>

TTabStopList::TTabStopList(std::function<void()> applyStops)
    : applyStops_(std::move(applyStops))
{
    SetMax(std::numeric_limits<qint32>::max());
}

void TTabStopList::SetItem(int index, qint32 value)
{
    TIntegerList::SetItem(index, value);
    changed();
}

void TTabStopList::Delete(int index)
{
    TIntegerList::Delete(index);
    changed();
}

void TTabStopList::Insert(int index, qint32 value)
{
    TIntegerList::Insert(index, value);
    changed();
}

void TTabStopList::Clear()
{
    TIntegerList::Clear();
    changed();
}

void TTabStopList::Exchange(int index1, int index2)
{
    TIntegerList::Exchange(index1, index2);
    changed();
}

void TTabStopList::Move(int curIndex, int newIndex)
{
    TIntegerList::Move(curIndex, newIndex);
    changed();
}

void TTabStopList::Sort()
{
    TIntegerList::Sort();
    changed();
}

std::vector<int> TTabStopList::ListBoxTabStops() const
{
    std::vector<int> stops;
    const int count = std::min(Count(), MaxListBoxTabStops);
    for (int i = 0; i < count; ++i)
        stops.push_back(int(std::min<qint64>(qint64(GetItem(i)) * 4, std::numeric_limits<int>::max())));
    return stops;
}

void TTabStopList::changed()
{
    if (applyStops_)
        applyStops_();
}
