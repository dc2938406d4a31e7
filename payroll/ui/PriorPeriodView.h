#pragma once

#include <QDialog>

class PriorPeriodSums;
class QHBoxLayout;
class QLabel;
class QPushButton;
class QScrollArea;
class QVBoxLayout;
class TStatementColumns;

// What the two prior period views share: bold centred heading lines over the four statement
// columns in a scroll box, and a bottom row ending in Print and Close. Both only read.
class TPriorPeriodView : public QDialog {
    Q_OBJECT
public:
    QScrollArea* ScrollBox = nullptr;
    QWidget* Statement = nullptr;    // what is printed
    QLabel* CompanyName = nullptr;
    TStatementColumns* Columns = nullptr;
    QPushButton* BtnPrint = nullptr;
    QPushButton* BtnClose = nullptr;

protected:
    TPriorPeriodView(const QString& caption, QWidget* parent);

    // A further heading line, under those before it.
    QLabel* addHeading(const QString& objectName);
    // The bottom row, for controls that stand before the buttons.
    QHBoxLayout* BottomRow() const { return bottomRow_; }
    // Sizes the window to show the statement's width, once every part is in place.
    void fitToStatement();
    void showSums(const PriorPeriodSums& sums);

private:
    void BtnPrintClick();

    QHBoxLayout* bottomRow_ = nullptr;
    QVBoxLayout* headings_ = nullptr;
};
