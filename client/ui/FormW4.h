#pragma once

#include "client/W4Entries.h"

#include <QDialog>

#include <array>
#include <vector>

class QLineEdit;
class QToolButton;
class TCheckBoxEdit;
class TDollarEdit;
class TEnterAsTab;
class TFilterEdit;
class TStateEdit;
struct ReportLayout;
class ReportSystem;

// "Form W-4 Employee's Withholding Certificate": the employee's Form W-4 as a picture of the printed
// page with the entries on its boxes. The screen works on the entries it is given; its opener
// stores them (into the employee or the new employee dialog) when Processed() is true after it
// closes. Process and a confirmed Cancel are the ways out; Esc and the close box ask as Cancel.
class TFrmW4 : public QDialog {
    Q_OBJECT
public:
    // The page picture that the screen shows, rendered from the layout "FormW4" by the build.
    static QString PictureFile();
    static constexpr int kPictureDotsPerInch = 80;

    // Raises EReportException when the report project or the page picture cannot be read.
    TFrmW4(const W4Entries& entries, bool readOnly, QWidget* parent = nullptr);
    ~TFrmW4() override;

    // What the entries show now.
    W4Entries Entries() const;
    // True once Process stored nothing wrong and closed the screen (also in W4Processed).
    bool Processed() const;

    // Step 3's total from its two amounts.
    void CalcBox3();
    // The allowances that Process gives the employee.
    int GetNumDependents() const;
    void CheckFieldStatus();
    // Raises EFieldException after focusing the first entry that cannot be processed.
    void ValidateFields();

    void BtnProcessClick();
    void BtnCancelClick();
    void BtnPrintClick();

    void reject() override;

    TFilterEdit *FirstName, *MiddleName, *LastName;
    QLineEdit* SocSecNum;
    TFilterEdit *Address, *City;
    TStateEdit* State;
    TFilterEdit* ZipCode;
    TCheckBoxEdit *Single, *Married, *HOH, *FW4Box2c;
    TDollarEdit *FW4Box3a, *FW4Box3b, *FW4Box3, *FW4Box4a, *FW4Box4b, *FedAddTax;
    TCheckBoxEdit* FedWithExempt;
    QToolButton *BtnProcess, *BtnCancel, *BtnPrint;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildEntries();
    QWidget* buildPictures(const ReportLayout& layout);
    QWidget* buildBottomBar();
    void load(const W4Entries& entries);
    void MaritalStatusChange(TCheckBoxEdit* sender);
    void RptW4Print(ReportSystem& system);
    QWidget* entryOf(W4Field field) const;
    // Every entry in tab order, the step 3 total among them.
    std::vector<QWidget*> allEntries() const;
    QWidget* entryNamed(const QString& name) const;

    TEnterAsTab* enterAsTab_;
    std::array<TCheckBoxEdit*, 3> MaritalStatus{};
    bool readOnly_;
    bool maritalAttached_ = true;
};

// Shows the Form W-4 screen modally on the entries; true when it ended with Process, the entries
// then holding what it processed. A screen that cannot be shown says why and returns false.
bool ShowFormW4(W4Entries& entries, bool readOnly, QWidget* owner);
