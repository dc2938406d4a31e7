#pragma once

#include "components/TabStopList.h"

#include <QListWidget>

#include <vector>

class TabbedItemDelegate;

// A list box whose lines may hold tabs aligned on tab stops and which can scroll sideways.
class TTabbedListBox : public QListWidget {
    Q_OBJECT
public:
    explicit TTabbedListBox(QWidget* parent = nullptr);

    // The width in pixels over which the lines scroll sideways.
    quint16 HorzExtent() const { return horzExtent_; }
    void SetHorzExtent(quint16 extent);
    bool HorzScrollBar() const { return horzScrollBar_; }
    void SetHorzScrollBar(bool show);
    // Tab stops in average character widths; a change to any of them is applied at once.
    TTabStopList& TabStops() { return tabStops_; }
    const TTabStopList& TabStops() const { return tabStops_; }
    void SetTabStops(const TIntegerList& stops);

    // Applies the first 100 stops, in quarters of the average character width, and repaints.
    // No stops means a stop every eight average characters.
    void UpdateTabStops();
    // The stops in force, in quarters of the average character width.
    const std::vector<int>& AppliedTabStops() const { return appliedStops_; }

private:
    TabbedItemDelegate* delegate_ = nullptr;
    TTabStopList tabStops_;
    std::vector<int> appliedStops_;
    quint16 horzExtent_ = 0;
    bool horzScrollBar_ = false;
};
