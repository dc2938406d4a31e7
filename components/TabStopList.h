#pragma once

#include "components/IntegerList.h"

#include <functional>
#include <vector>

// The tab stops of a tabbed list box, in average character widths. Every change to a stop is
// passed on to the box, which applies the stops again.
class TTabStopList : public TIntegerList {
public:
    // applyStops is called after each change; the box that owns the list passes its own.
    explicit TTabStopList(std::function<void()> applyStops = {});

    void SetItem(int index, qint32 value) override;
    void Delete(int index) override;
    void Insert(int index, qint32 value) override;
    void Clear() override;
    void Exchange(int index1, int index2) override;
    void Move(int curIndex, int newIndex) override;
    void Sort() override;

    // The stops as a list box takes them: the first 100 at most, each in quarters of the average
    // character width.
    std::vector<int> ListBoxTabStops() const;

private:
    void changed();

    std::function<void()> applyStops_;
};

inline constexpr int MaxListBoxTabStops = 100;
