#pragma once

#include "platform/report/ReportSystem.h"

#include <QDialog>

class QLabel;
class QPushButton;

// The New Jersey UI/DI rate change utility: prints the adjustment of the quarter's employer UI
// and DI contributions of the employees who work in New Jersey at the rates now stored for New
// Jersey. It reads and computes only; it changes no record.
class TFrmNJUIDIRA : public QDialog {
    Q_OBJECT
public:
    explicit TFrmNJUIDIRA(QWidget* parent = nullptr);

    QPushButton* BtnOk;
    QPushButton* BtnCancel;
    ReportSystem RptNUUIDIRA;

    // Prints the report (or says there is nobody to list), then closes, printed or not.
    void BtnOkClick();

protected:
    void showEvent(QShowEvent* event) override;
};

// Opens the utility modally, owned by the application, and releases it.
void ShowNJUIDIRateAdjustment();
