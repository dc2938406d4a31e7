#pragma once

#include <QDialog>

class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class TDateEdit;
class TEnterAsTab;

// The copy dialog every printing form screen shows before it prints: which copy (the filing copy
// or the employer's file copy) and the date printed on the form. The choice and the date are
// kept in FilingCopyDefault and TaxFormPrintDateText whenever the dialog closes, by OK or Cancel
// alike, and are the defaults of the next print of any form. The caller sets the caption to the
// form's name, may reword RbFilingCopy or hide the print date, and shows it modally; OK prints.
class TFrmFormCopy : public QDialog {
    Q_OBJECT
public:
    explicit TFrmFormCopy(QWidget* parent = nullptr);

    // For a form that prints no date: the date row goes and the dialog shrinks to fit.
    void HidePrintDate();

    void done(int result) override;

    QLabel* LblSelectFormType;
    QGroupBox* GroupBox;
    QRadioButton* RbFilingCopy;
    QRadioButton* RbFileCopy;
    QLabel* LblFormPrintDate;
    TDateEdit* TaxFormPrintDate;
    QPushButton* BtnOk;
    QPushButton* BtnCancel;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormShow();
    void FormClose();

    TEnterAsTab* enterAsTab_;
    bool shown_ = false;
};
