#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;
class TEnterAsTab;

// "Hours and Minutes Payroll Clock": time to be paid entered as hours and minutes. The manual entry
// window keeps one and shows it for every clock button; each showing starts at 0:00.
class TFrmClock : public QDialog {
    Q_OBJECT
public:
    explicit TFrmClock(QWidget* parent = nullptr);

    // The time entered, in hours: 8 hours 30 minutes give 8.5, not rounded.
    double Hours() const;

    QLineEdit* EdtHours;
    QLineEdit* EdtMinutes;
    QPushButton* BtnOk;
    QPushButton* BtnCancel;

protected:
    void showEvent(QShowEvent* event) override;

private:
    TEnterAsTab* enterAsTab_;
};
