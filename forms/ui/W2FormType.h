#pragma once

#include <QDialog>

class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

// The copy of Form W-2 that Print All prints: the employee's copies, Copy D for the employer,
// Copy 1 for a state, or Copy A for the Social Security Administration, and whether box a is
// masked on the employee's and employer's copies. Its choice is kept in W2CopyType and
// MaskSSNOnCopies, after OK and Cancel alike; the mask is on every time the dialog opens.
class TFrmFormType : public QDialog {
    Q_OBJECT
public:
    explicit TFrmFormType(QWidget* parent = nullptr);

    QLabel* LblSelectFormType = nullptr;
    QGroupBox* GrpFormType = nullptr;
    QRadioButton* RbEmployee = nullptr;
    QRadioButton* RbEmployer = nullptr;
    QRadioButton* RbState = nullptr;
    QRadioButton* RbSSA = nullptr;
    QCheckBox* ChkMaskSSN = nullptr;
    QPushButton* BtnOk = nullptr;
    QPushButton* BtnCancel = nullptr;

    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void ChkMaskSSNClick();
};
