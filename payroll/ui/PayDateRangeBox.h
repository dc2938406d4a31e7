#pragma once

#include "payroll/PayDateRange.h"

#include <QGroupBox>

class QComboBox;
class QLabel;

// The From and To lists of stored pay dates that the windows over a range of posted pay periods
// share, in a group box of their own. Both lists hold StoredPayDateLines (pick only, no typing);
// the box keeps the range it last accepted. Two ways to use it:
//   - a window that follows every choice calls FollowChoices(); every accepted change then sets
//     the range and emits RangeChanged, and a refused one puts both lists back on the kept range
//     and shows kPayDateRangeRefused, so lists and what the window shows describe one range;
//   - a window with an OK button calls AcceptChoice() there: it takes the lists' choice as the
//     range or shows the refusal and leaves range and lists as they are.
// It needs at least one stored pay period.
class TPayDateRangeBox : public QGroupBox {
    Q_OBJECT
public:
    // Fills both lists and selects the whole stored range.
    TPayDateRangeBox(const QString& title, QWidget* parent);

    QLabel* LblFrom = nullptr;
    QComboBox* CbxPayDateFrom = nullptr;
    QLabel* LblTo = nullptr;
    QComboBox* CbxPayDateTo = nullptr;

    // The range last accepted (at first, every stored pay period).
    PayDateRange Range() const { return range_; }
    // Sets the range and selects it in both lists, without emitting RangeChanged.
    void SetRange(const PayDateRange& range);

    void FollowChoices();
    // True when the lists' choice was accepted and is now the range.
    bool AcceptChoice();

signals:
    void RangeChanged(const PayDateRange& range);

private:
    void ListChanged();
    PayDateRange chosen() const;
    static void ShowRefusal();

    PayDateRange range_;
};
