#pragma once

#include "platform/report/ReportSystem.h"

#include <QDialog>

class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class TPayDateRangeBox;

// The Payroll Register Report window: asks for a range of posted pay dates and an optional
// period description, and prints the register of that range, as often as the user likes, until
// Cancel or Esc. The description is kept for the next report window that offers one.
class TFrmReconcileRpt : public QDialog {
    Q_OBJECT
public:
    // Needs at least one posted pay date; the main window enables the command only then.
    explicit TFrmReconcileRpt(QWidget* parent = nullptr);

    TPayDateRangeBox* GroupBox1 = nullptr;
    QComboBox* CbxPayDateFrom = nullptr;
    QComboBox* CbxPayDateTo = nullptr;
    QGroupBox* GroupBox2 = nullptr;
    QLineEdit* CustPayPerRpt = nullptr;
    QPushButton* BtnOk = nullptr;
    QPushButton* BtnCancel = nullptr;

    ReportSystem RptReconcile;

    void BtnOkClick();
    void done(int result) override;
};
