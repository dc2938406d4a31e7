#pragma once

#include "platform/report/ReportSystem.h"

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class TFilterEdit;

// Switches the company between pre-printed check stock and checks generated on blank stock, and
// holds the bank data a generated check prints.
class TFrmPayCheckGen : public QDialog {
    Q_OBJECT
public:
    static constexpr int HelpContext = 46;
    static const QString kAccountTooLong;

    explicit TFrmPayCheckGen(QWidget* parent = nullptr);

    QCheckBox* GenerateChk = nullptr;
    QLineEdit* BankName = nullptr;
    QLineEdit* BankAddress1 = nullptr;
    QLineEdit* BankAddress2 = nullptr;
    TFilterEdit* BankFraction = nullptr;
    TFilterEdit* BankRtn = nullptr;
    TFilterEdit* AccountNum = nullptr;
    TFilterEdit* StartChkNum = nullptr;
    QRadioButton* ChkNumPos1 = nullptr;
    QRadioButton* ChkNumPos2 = nullptr;
    QRadioButton* cp_Top = nullptr;
    QRadioButton* cp_Middle = nullptr;
    QRadioButton* cp_Bottom = nullptr;
    QCheckBox* PrintStub = nullptr;
    QPushButton* BtnProcess = nullptr;
    QPushButton* BtnCancel = nullptr;
    QPushButton* BtnTest = nullptr;
    QPushButton* BtnHelp = nullptr;
    ReportSystem RptCheckTest;

    void LoadPayCheckGenForm();
    void SavePayCheckGenForm();
    void SetupFields();
    void CheckFieldStatus();
    // Refuses the first missing or invalid entry, focused, with EFieldException.
    void ValidateFields();
    void BtnProcessClick();
    void BtnTestClick();

protected:
    void done(int result) override;

private:
    void DataChangeClick();
    void GenerateChkClick();
    QList<QWidget*> dataControls() const;
};

// Creates the generator window, shows it modally and releases it.
void ShowCheckGenerator();
