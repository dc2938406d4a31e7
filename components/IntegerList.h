#pragma once

#include "platform/Exceptions.h"

#include <QtGlobal>

#include <vector>

// A value outside a list's bounds, or bounds the list's values do not fit.
class EOutOfRange : public EListError {
public:
    using EListError::EListError;
};

enum TDuplicates : quint8 { dupIgnore, dupAccept, dupError };

// A list of 32-bit integers with optional bounds. Min equal to Max means unbounded. Sorted only
// tells Find and IndexOf that the list is in ascending order: Add and Insert put a value where
// they are told, so a list that must stay sorted is kept so by its user.
class TIntegerList {
public:
    TIntegerList() = default;
    virtual ~TIntegerList() = default;
    TIntegerList(const TIntegerList&) = delete;
    TIntegerList& operator=(const TIntegerList&) = delete;

    int Count() const { return static_cast<int>(items_.size()); }
    qint32 Min() const { return min_; }
    qint32 Max() const { return max_; }
    bool Sorted() const { return sorted_; }
    TDuplicates Duplicates() const { return duplicates_; }
    void SetMin(qint32 value);
    void SetMax(qint32 value);
    void SetSorted(bool value);
    void SetDuplicates(TDuplicates value) { duplicates_ = value; }

    // Binary search of an ascending list: True when found; index receives the position of the
    // match, or where value would be inserted.
    virtual bool Find(qint32 value, int& index) const;
    virtual qint32 GetItem(int index) const;
    virtual void SetItem(int index, qint32 value);
    virtual void Sort();
    virtual int Add(qint32 value);
    virtual void AddIntegers(const TIntegerList& list);
    virtual void Clear();
    virtual void Delete(int index);
    virtual void Exchange(int index1, int index2);
    virtual int IndexOf(qint32 value) const;
    virtual void Insert(int index, qint32 value);
    virtual void Move(int curIndex, int newIndex);

    // Takes the other list's values; its bounds, Sorted and Duplicates stay as they are.
    void Assign(const TIntegerList& source);
    bool Equals(const TIntegerList& list) const;

private:
    void checkBounds(qint32 value) const;
    void checkIndex(int index, int size) const;

    std::vector<qint32> items_;
    TDuplicates duplicates_ = dupIgnore;
    qint32 min_ = 0;
    qint32 max_ = 0;
    bool sorted_ = false;
};
