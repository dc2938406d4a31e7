#include "components/IntegerList.h"

#include <algorithm>
#include <utility>

void TIntegerList::SetMin(qint32 value)
{
    if (value == min_)
        return;
    for (qint32 item : items_)
        if (item < value)
            throw EOutOfRange(QStringLiteral("Unable to set new minimum value.\rList contains values below %1").arg(value));
    min_ = value;
    if (max_ < min_)
        max_ = min_;
}

void TIntegerList::SetMax(qint32 value)
{
    if (value == max_)
        return;
    for (qint32 item : items_)
        if (item > value)
            throw EOutOfRange(QStringLiteral("Unable to set new maximum value.\rList contains values above %1").arg(value));
    max_ = value;
    if (min_ > max_)
        min_ = max_;
}

void TIntegerList::SetSorted(bool value)
{
    if (value == sorted_)
        return;
    if (value)
        Sort();
    sorted_ = value;
}

bool TIntegerList::Find(qint32 value, int& index) const
{
    bool found = false;
    int low = 0;
    int high = Count() - 1;
    while (low <= high) {
        const int mid = (low + high) / 2;
        if (items_[mid] < value) {
            low = mid + 1;
        } else {
            high = mid - 1;
            if (items_[mid] == value) {
                found = true;
                if (duplicates_ != dupAccept)
                    low = mid;
            }
        }
    }
    index = low;
    return found;
}

qint32 TIntegerList::GetItem(int index) const
{
    checkIndex(index, Count());
    return items_[index];
}

void TIntegerList::SetItem(int index, qint32 value)
{
    checkBounds(value);
    checkIndex(index, Count());
    items_[index] = value;
}

void TIntegerList::Sort()
{
    if (!sorted_)
        std::sort(items_.begin(), items_.end());
}

int TIntegerList::Add(qint32 value)
{
    const int index = Count();
    Insert(index, value);
    return index;
}

void TIntegerList::AddIntegers(const TIntegerList& list)
{
    for (int i = 0; i < list.Count(); ++i)
        Add(list.GetItem(i));
}

void TIntegerList::Clear()
{
    items_.clear();
}

void TIntegerList::Delete(int index)
{
    checkIndex(index, Count());
    items_.erase(items_.begin() + index);
}

void TIntegerList::Exchange(int index1, int index2)
{
    checkIndex(index1, Count());
    checkIndex(index2, Count());
    std::swap(items_[index1], items_[index2]);
}

int TIntegerList::IndexOf(qint32 value) const
{
    if (sorted_) {
        int index = -1;
        return Find(value, index) ? index : -1;
    }
    for (int i = 0; i < Count(); ++i)
        if (items_[i] == value)
            return i;
    return -1;
}

void TIntegerList::Insert(int index, qint32 value)
{
    checkBounds(value);
    checkIndex(index, Count() + 1);
    items_.insert(items_.begin() + index, value);
}

void TIntegerList::Move(int curIndex, int newIndex)
{
    if (curIndex == newIndex)
        return;
    checkIndex(curIndex, Count());
    checkIndex(newIndex, Count());
    const qint32 value = items_[curIndex];
    items_.erase(items_.begin() + curIndex);
    items_.insert(items_.begin() + newIndex, value);
}

void TIntegerList::Assign(const TIntegerList& source)
{
    if (&source == this)
        return;
    Clear();
    AddIntegers(source);
}

bool TIntegerList::Equals(const TIntegerList& list) const
{
    return items_ == list.items_;
}

void TIntegerList::checkBounds(qint32 value) const
{
    if (min_ != max_ && (value < min_ || value > max_))
        throw EOutOfRange(QStringLiteral("Value must be within %1..%2").arg(min_).arg(max_));
}

void TIntegerList::checkIndex(int index, int size) const
{
    if (index < 0 || index >= size)
        throw EListError(QStringLiteral("List index out of bounds (%1)").arg(index));
}
