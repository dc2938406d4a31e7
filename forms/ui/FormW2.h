#pragma once

#include "forms/ui/TaxFormScreen.h"
#include "platform/report/ReportSystem.h"

#include <array>
#include <vector>

class QLabel;
class QPushButton;
class QScrollArea;
class TCheckBoxEdit;
class TDollarEdit;
class TFilterEdit;
class TFittedLabel;
class TLayoutPicture;
class TRSNavigator;
class TStateEdit;

// The Form W-2 screen: one employee's W-2 at a time over the picture of the form, the boxes the
// payroll fills shown from the year's totals, the boxes it cannot know (control number, box 12,
// 13, 14a, 14b, a second state and local line) entered and kept in the employee's record. Each
// employee is checked and posted when the screen moves on or closes; Print One prints the shown
// employee's copies, Print All (once every employee was shown) the copy chosen for all.
class TFrmW2 : public TTaxFormScreen {
    Q_OBJECT
public:
    static constexpr int kHelpContext = 34;

    // Raises EReportException when the layout or its picture cannot be read.
    explicit TFrmW2(QWidget* parent = nullptr);

    // Boxes a to f, shown only.
    TFittedLabel* SocSecNum;
    TFittedLabel* FederalID;
    TFittedLabel* CompName;
    TFittedLabel* CompTradeName;
    TFittedLabel* CompAddress;
    TFittedLabel* CompCityStateZip;
    TFilterEdit* FW2CtrlNum;
    TFittedLabel* EmpFirstName;
    TFittedLabel* EmpLastName;
    TFittedLabel* EmpSuffix;
    TFittedLabel* EmpAddress;
    TFittedLabel* EmpCityStateZip;
    // Boxes 1 to 11 from the year's totals.
    TDollarEdit* FedEarnings;
    TDollarEdit* FederalTax;
    TDollarEdit* SSWages;
    TDollarEdit* FICATax;
    TDollarEdit* MedEarnings;
    TDollarEdit* MedicareTax;
    TDollarEdit* Tips;
    TDollarEdit* AllocatedTip;
    TDollarEdit* DepCareBen;
    TDollarEdit* NonQualPlan;
    // Box 12: entries 1..12 (12a..12l), six shown at a time.
    QScrollArea* ScrollBox_Box12;
    std::array<TFilterEdit*, 13> FW2Box12Code{};
    std::array<TDollarEdit*, 13> FW2Box12Amt{};
    TCheckBoxEdit* FW2Box13Chk1;
    TCheckBoxEdit* FW2Box13Chk2;
    TCheckBoxEdit* FW2Box13Chk3;
    std::array<TFilterEdit*, 4> FW2Box14Desc{};
    std::array<TDollarEdit*, 4> FW2Box14Amt{};
    TFilterEdit* FW2Box14bTTOC;
    // Boxes 15 to 20: the first line from the payroll, the second entered.
    TFittedLabel* WorkState;
    TFittedLabel* StateID;
    TDollarEdit* StateEarning;
    TDollarEdit* StateTax;
    TStateEdit* FW2Box15Text;
    TFilterEdit* FW2StateID2;
    TDollarEdit* FW2Box16Amt;
    TDollarEdit* FW2Box17Amt;
    TDollarEdit* CityEarnings;
    TDollarEdit* CityTax;
    TFittedLabel* CityName;
    TDollarEdit* FW2Box18Amt;
    TDollarEdit* FW2Box19Amt;
    TFilterEdit* FW2Box20Text;

    QLabel* LblNotFinal;
    QLabel* LblBox12Hint;
    QLabel* LblBox14bHint;
    TRSNavigator* RSNavigator;
    QPushButton* BtnPrintOne;
    QPushButton* BtnPrintAll;
    QPushButton* BtnBox12Inst;
    QPushButton* BtnClose;
    QPushButton* BtnHelp;

    ReportSystem RptW2;
    ReportSystem RptW2D1;
    ReportSystem RptSSAW2;

    void BtnPrintOneClick();
    void BtnPrintAllClick();

    void done(int result) override;

protected:
    void FormShow() override;
    void SaveForm() override;
    void LoadForm() override;
    QWidget* FirstField() const override;
    QWidget* LastField() const override;
    void FieldEnter(QWidget* entry) override;
    void FieldExit(QWidget* entry) override;
    void SaveScreen() override;
    void RevertScreen() override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool FormKeyDown(QKeyEvent* event) override;
    bool FormMouseWheel(QWheelEvent* event) override;

private:
    void buildBox12(TLayoutPicture* picture);
    void buildBox14a(TLayoutPicture* picture, const ReportLayout& layout);
    void buildEmployer(TLayoutPicture* picture, const ReportLayout& layout);
    void setUpReports();
    // Entries into the employee record, then the checks; a failed check focuses its entry and
    // raises EFieldException.
    void saveAndCheck(bool forPrintOne);
    void RSNavigatorAfterAction();
    void UpdatePrintAll();
    void pickBox12Code(int entry);
    void pickBox14bCode();
    // Runs a printout over the employees W2FirstRecToPrint..W2LastRecToPrint, showing any failure.
    void runReport(ReportSystem& report);

    std::vector<bool> FW2Checked;
    int W2FirstRecToPrint = 0;
    int W2LastRecToPrint = 0;
};

// The Tax Forms menu's Form W-2: opens the screen on the open client; a client without employee
// records says so and opens nothing.
void OpenW2Screen();
