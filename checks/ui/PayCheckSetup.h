#pragma once

#include "platform/report/ReportSystem.h"

#include <QDialog>

class QCheckBox;
class QPushButton;
class TDollarEdit;

// Where the texts of a check go on pre-printed stock, with a test check and an alignment grid to
// read the positions from.
class TFrmCheckSetup : public QDialog {
    Q_OBJECT
public:
    static constexpr int HelpContext = 29;
    static const QString kIncomplete;
    static const QString kGridNotice;

    explicit TFrmCheckSetup(QWidget* parent = nullptr);

    // Left column: from the paper's left edge; right column: from its top edge.
    TDollarEdit* vpFullName = nullptr;
    TDollarEdit* hpFullName = nullptr;
    TDollarEdit* vpAddress1 = nullptr;
    TDollarEdit* hpAddress1 = nullptr;
    TDollarEdit* vpAddress2 = nullptr;
    TDollarEdit* hpAddress2 = nullptr;
    TDollarEdit* vpCheckDate = nullptr;
    TDollarEdit* hpCheckDate = nullptr;
    TDollarEdit* vpAmount = nullptr;
    TDollarEdit* hpAmount = nullptr;
    TDollarEdit* vpAmountText = nullptr;
    TDollarEdit* hpAmountText = nullptr;
    QCheckBox* PrintStub = nullptr;
    TDollarEdit* vpCheckStub = nullptr;
    TDollarEdit* hpCheckStub = nullptr;
    QPushButton* BtnProcess = nullptr;
    QPushButton* BtnCancel = nullptr;
    QPushButton* BtnTest = nullptr;
    QPushButton* BtnGrid = nullptr;
    QPushButton* BtnHelp = nullptr;
    ReportSystem RptCheckTest;
    ReportSystem RptPrinterGrid;

    bool IsValidData() const;
    void LoadCheckSetupForm();
    void SaveCheckSetupForm();
    void BtnProcessClick();
    void BtnTestClick();
    void BtnGridClick();

private:
    void run(ReportSystem& system);
};

// Creates the setup window, shows it modally and releases it.
void ShowCheckSetup();
