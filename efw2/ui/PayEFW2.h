#pragma once

#include "efw2/EFW2ClientFile.h"

#include <QDialog>
#include <QMap>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class TCheckBoxEdit;
class TFilterEdit;
class TStateEdit;

// The EFW2 screen: the submitter's data, kept between uses in the submitter file, and the
// writing of the open client's wage report file. Clients processed one after another may also
// make one multi-client file: the screen keeps the run's total, its processed clients and its
// lines in their files, saved after each Process.
class TFrmEFW2 : public QDialog {
    Q_OBJECT
public:
    explicit TFrmEFW2(QWidget* parent = nullptr);
    ~TFrmEFW2() override;

    static constexpr int kHelpContext = 53;

    QLineEdit* EIN = nullptr;
    TFilterEdit* UserID = nullptr;
    TCheckBoxEdit* ResubInd = nullptr;
    TFilterEdit* ResubID = nullptr;
    TFilterEdit* CompanyName = nullptr;
    TFilterEdit* LocationAddr = nullptr;
    TFilterEdit* DeliveryAddr = nullptr;
    TFilterEdit* City = nullptr;
    TStateEdit* StateCode = nullptr;
    TFilterEdit* ZipCode = nullptr;
    TFilterEdit* ZipCodeExt = nullptr;
    TFilterEdit* ForeignState = nullptr;
    TFilterEdit* ForeignZip = nullptr;
    TFilterEdit* CountryCode = nullptr;
    TFilterEdit* SubmitName = nullptr;
    TFilterEdit* SubmitAddr1 = nullptr;
    TFilterEdit* SubmitAddr2 = nullptr;
    TFilterEdit* SubmitCity = nullptr;
    TStateEdit* SubmitState = nullptr;
    TFilterEdit* SubmitZip = nullptr;
    TFilterEdit* SubmitZipExt = nullptr;
    TFilterEdit* SubmitFSP = nullptr;
    TFilterEdit* SubmitFPC = nullptr;
    TFilterEdit* SubmitCC = nullptr;
    TFilterEdit* ContactName = nullptr;
    QLineEdit* ContactPhone = nullptr;
    TFilterEdit* ContactExt = nullptr;
    TFilterEdit* ContactEmail = nullptr;
    QLineEdit* ContactFax = nullptr;
    TFilterEdit* PreparerCode = nullptr;

    QPushButton* BtnHelp = nullptr;
    QPushButton* BtnProcess = nullptr;
    QPushButton* BtnReset = nullptr;
    QLabel* ProcessMissing = nullptr;      // what Process waits for, while it does
    QPushButton* BtnClose = nullptr;
    QPushButton* BtnViewCountryCodes = nullptr;
    QCheckBox* ChkSubmitter = nullptr;
    QCheckBox* ChkFinal = nullptr;
    QPlainTextEdit* MemoClientsProcessed = nullptr;
    QLineEdit* TotalRecords = nullptr;
    QLabel* CurClientPanel = nullptr;

    // The binders: EFW2SubmitterRec to and from the controls.
    void LoadEFW2Form();
    void SaveEFW2Form();

    void UpdateFieldColors();
    // Moves the focus to the first field that fails and raises EFieldException with its message.
    void ValidateSubmitterData();
    void BtnProcessClick();
    void BtnResetClick();
    void BtnViewCountryCodesClick();
    void ChkSubmitterClick();
    void ChkFinalClick();

    QWidget* Field(const QString& name) const { return fields_.value(name); }
    const EFW2RunFiles& runFiles() const { return files_; }

    static const QString kFinalWithdrawn;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    void FormShow();
    void refreshRunControls();
    bool processAllowed() const;

    EFW2RunFiles files_;
    EFW2Run run_;
    QMap<QString, QWidget*> fields_;
    bool shown_ = false;
    bool closing_ = false;
    bool runUnavailable_ = false;
    QMetaObject::Connection focusWatch_;
};
