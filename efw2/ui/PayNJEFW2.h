#pragma once

#include "client/EFW2SubmitterRecord.h"
#include "efw2/NJEFW2File.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class TCheckBoxEdit;
class TFilterEdit;

// The New Jersey EFW2 screen: writes the open client's New Jersey wage report (the EFW2 lines
// with an RS line for each employee working in New Jersey) and builds a New Jersey multi-client
// file over several clients. Its submitter is the EFW2 submitter checked by the NJ-W-3 screen.
// The plan boxes and IDs are not kept: every opening starts with both unchecked and empty.
class TFrmNJEFW2 : public QDialog {
    Q_OBJECT
public:
    explicit TFrmNJEFW2(const EFW2SubmitterRecord& submitter, QWidget* parent = nullptr);

    static constexpr int kHelpContext = 55;

    TCheckBoxEdit* Indicator = nullptr;
    TCheckBoxEdit* DisbPlanType = nullptr;
    TFilterEdit* DisbPlanNum = nullptr;
    TCheckBoxEdit* FLIPlanType = nullptr;
    TFilterEdit* FLIPlanNum = nullptr;
    QCheckBox* ChkNJSubmitter = nullptr;
    QCheckBox* ChkNJFinal = nullptr;
    QPushButton* BtnHelp = nullptr;
    QPushButton* BtnProcess = nullptr;
    QPushButton* BtnReset = nullptr;
    QLabel* ProcessMissing = nullptr;      // what Process waits for, while it does
    QPushButton* BtnClose = nullptr;
    QPlainTextEdit* MemoClientsProcessed = nullptr;
    QLineEdit* TotalRecords = nullptr;
    QLabel* CurClientPanel = nullptr;

    void UpdatePlanFields();
    void BtnProcessClick();
    void BtnResetClick();
    void ChkNJFinalClick();

    const NJEFW2RunFiles& runFiles() const { return files_; }
    const NJEFW2Run& run() const { return run_; }

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    void FormShow();
    void LoadNJEFW2Form();
    void SaveNJEFW2Form();
    void refreshRunControls();
    NJStateOptions options() const;

    NJSubmitterRecord submitter_;
    NJEFW2RunFiles files_;
    NJEFW2Run run_;
    bool shown_ = false;
    bool closing_ = false;
    bool runUnavailable_ = false;
};

// Shows the New Jersey EFW2 screen modally for the open client.
void OpenNJEFW2Screen(const EFW2SubmitterRecord& submitter);
