#pragma once

#include <QDialog>

class QCalendarWidget;
class QLabel;
class QPushButton;
class QToolButton;

// The month calendar a date field opens; the chosen day can be pasted into the field.
class TFrmCalendar : public QDialog {
    Q_OBJECT
public:
    explicit TFrmCalendar(QWidget* parent = nullptr);

    // The month name of the calendar's month and its year: "January, 2026".
    QString GetMonthYear() const;
    // The calendar's date as "mm/dd/yyyy".
    QString GetDate() const;
    // Shows the date when the text is a valid date; otherwise the calendar stays on its date.
    void PutDate(const QString& date);

    // The user chose Paste Date.
    bool paste() const { return paste_; }
    QCalendarWidget* calendar() const { return calendar_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void moveMonths(int months);
    void choose();
    bool previewKey(QKeyEvent* event);
    void updateHeader();

    QCalendarWidget* calendar_ = nullptr;
    QToolButton* btnPrior_ = nullptr;
    QToolButton* btnNext_ = nullptr;
    QLabel* panel_ = nullptr;
    QPushButton* btnPasteDate_ = nullptr;
    QPushButton* btnCancel_ = nullptr;
    bool paste_ = false;
};
