#pragma once

#include "client/PreparerChecks.h"

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QPushButton;
class TFilterEdit;
class TStateEdit;

// The paid preparer printed on Forms 940, 941 and 944, kept program-wide in the registry. OK
// stores the preparer only when all eight required fields are complete and valid; Cancel, Esc and
// the close box change nothing.
class TFrmPreparer : public QDialog {
    Q_OBJECT
public:
    explicit TFrmPreparer(QWidget* parent = nullptr);
    ~TFrmPreparer() override;

    static constexpr int kHelpContext = 52;

    TFilterEdit* PrepName = nullptr;
    TFilterEdit* FirmName = nullptr;
    TFilterEdit* Address = nullptr;
    TFilterEdit* City = nullptr;
    TStateEdit* State = nullptr;
    TFilterEdit* ZipCode = nullptr;
    QLineEdit* PhoneNum = nullptr;
    QLineEdit* EIN = nullptr;
    TFilterEdit* PTIN = nullptr;
    QCheckBox* SelfEmp = nullptr;
    QCheckBox* PrintDate = nullptr;
    QCheckBox* SignForm = nullptr;
    QPushButton* BtnOk = nullptr;
    QPushButton* BtnCancel = nullptr;
    QPushButton* BtnHelp = nullptr;

    // The binders: PreparerRec to and from the controls.
    void LoadPreparerForm();
    void SavePreparerForm();

    void CheckFieldStatus();
    void ValidateFields();
    void BtnOkClick();

    QWidget* FieldControl(PreparerField field) const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    PreparerRecord entries() const;

    bool shown_ = false;
    QMetaObject::Connection focusWatch_;
};
