#include "client/EmployeeDerivedFields.h"
#include "client/PayHistoryMap.h"
#include "client/PayRecords.h"
#include "client/ui/PayEmployee.h"
#include "components/NumberRoutines.h"
#include "components/TextRoutines.h"
#include "components/ui/CheckBoxEdit.h"
#include "components/ui/DateEdit.h"
#include "components/ui/DeluxeComboBox.h"
#include "components/ui/DollarEdit.h"
#include "components/ui/FilterEdit.h"
#include "components/ui/StateEdit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

namespace {

// Loading and saving change the name entries, whose change handler marks the employee list as
// stale; only the user's typing may do that.
class KeepRebuildFlag {
public:
    KeepRebuildFlag() : kept_(RebuildRecIndex) {}
    ~KeepRebuildFlag() { RebuildRecIndex = kept_; }
    KeepRebuildFlag(const KeepRebuildFlag&) = delete;
    KeepRebuildFlag& operator=(const KeepRebuildFlag&) = delete;

private:
    bool kept_;
};

void SelectText(QComboBox* box, const QString& text)
{
    box->setCurrentIndex(text.isEmpty() ? -1 : box->findText(text, Qt::MatchExactly));
}

void SelectNumber(QComboBox* box, int storedNumber)
{
    box->setCurrentIndex(storedNumber >= 1 && storedNumber <= box->count() ? storedNumber - 1 : -1);
}

QString ChosenText(const QComboBox* box)
{
    return box->currentIndex() >= 0 ? box->currentText() : QString();
}

struct MoneyBinding {
    TDollarEdit* TFrmEmployee::*entry;
    double EmployeeRecord::*field;
};

constexpr MoneyBinding kMoney[] = {
    {&TFrmEmployee::CurrSalary, &EmployeeRecord::CurrSalary},
    {&TFrmEmployee::InitSalary, &EmployeeRecord::InitSalary},
    {&TFrmEmployee::PrevSalary, &EmployeeRecord::PrevSalary},
    {&TFrmEmployee::AmtOfRaise, &EmployeeRecord::AmtOfRaise},
    {&TFrmEmployee::EstRaise, &EmployeeRecord::EstRaise},
    {&TFrmEmployee::ActualRaise, &EmployeeRecord::ActualRaise},
    {&TFrmEmployee::RegularRate, &EmployeeRecord::RegularRate},
    {&TFrmEmployee::OverTimeRate, &EmployeeRecord::OverTimeRate},
    {&TFrmEmployee::StdRegTime, &EmployeeRecord::StdRegTime},
    {&TFrmEmployee::StdOverTime, &EmployeeRecord::StdOverTime},
    {&TFrmEmployee::OtherRate, &EmployeeRecord::OtherRate},
    {&TFrmEmployee::VactAccrued, &EmployeeRecord::VactAccrued},
    {&TFrmEmployee::SickAccrued, &EmployeeRecord::SickAccrued},
    {&TFrmEmployee::FedAddTax, &EmployeeRecord::FedAddTax},
    {&TFrmEmployee::StAddTax, &EmployeeRecord::StAddTax},
    {&TFrmEmployee::StStdDeduct, &EmployeeRecord::StStdDeduct},
    {&TFrmEmployee::CityAddTax, &EmployeeRecord::CityAddTax},
    {&TFrmEmployee::CityStdDeduct, &EmployeeRecord::CityStdDeduct},
};

struct FlagBinding {
    QCheckBox* TFrmEmployee::*entry;
    RecordBool EmployeeRecord::*field;
};

constexpr FlagBinding kFlags[] = {
    {&TFrmEmployee::DirDeposit, &EmployeeRecord::DirDeposit},
    {&TFrmEmployee::Deceased, &EmployeeRecord::Deceased},
    {&TFrmEmployee::Salaried, &EmployeeRecord::Salaried},
    {&TFrmEmployee::DoubleOT, &EmployeeRecord::DoubleOT},
    {&TFrmEmployee::FedWithExempt, &EmployeeRecord::FedWithExempt},
    {&TFrmEmployee::StWithExempt, &EmployeeRecord::StWithExempt},
    {&TFrmEmployee::FedExempt, &EmployeeRecord::FedExempt},
    {&TFrmEmployee::FICAExempt, &EmployeeRecord::FICAExempt},
    {&TFrmEmployee::MedExempt, &EmployeeRecord::MedExempt},
    {&TFrmEmployee::FUTAExempt, &EmployeeRecord::FUTAExempt},
    {&TFrmEmployee::StateExempt, &EmployeeRecord::StateExempt},
    {&TFrmEmployee::UnempExempt, &EmployeeRecord::UnempExempt},
    {&TFrmEmployee::DisbExempt, &EmployeeRecord::DisbExempt},
};

template <class Each>
void ForEachDate(TFrmEmployee& form, EmployeeRecord& record, Each each)
{
    each(form.DateOfBirth, record.DateOfBirth);
    each(form.DateHired, record.DateHired);
    each(form.DatePromoted, record.DatePromoted);
    each(form.DateOfRaise, record.DateOfRaise);
    each(form.DateReviewed, record.DateReviewed);
    each(form.DateNextRev, record.DateNextRev);
    each(form.DateSuspend, record.DateSuspend);
    each(form.DateSuspEnds, record.DateSuspEnds);
    each(form.DateResigned, record.DateResigned);
}

template <class Each>
void ForEachText(TFrmEmployee& form, EmployeeRecord& record, Each each)
{
    each(form.MiddleName, record.MiddleName);
    each(form.Suffix, record.Suffix);
    each(form.Address, record.Address);
    each(form.City, record.City);
    each(form.ZipCode, record.ZipCode);
    each(form.PhoneNumber, record.PhoneNumber);
    each(form.SocSecNum, record.SocSecNum);
    each(form.EmailAddress, record.EmailAddress);
    each(form.BankAcctNum, record.BankAcctNum);
    each(form.BankRouting, record.BankRouting);
    each(form.EmployeeID, record.EmployeeID);
    each(form.Comment1, record.Comment1);
    each(form.Comment2, record.Comment2);
    each(form.OtherRateDesc, record.OtherRateDesc);
}

// A masked entry's text with its hyphens and blanks, as the record keeps it.
QString EntryText(const QLineEdit* entry)
{
    return entry->inputMask().isEmpty() ? entry->text() : entry->displayText();
}

} // namespace

void LoadEmployeeForm(TFrmEmployee& form)
{
    KeepRebuildFlag keep;
    EmployeeRecord& r = EmployeeRec;
    form.FirstName->setText(r.FirstName);
    form.LastName->setText(r.LastName);
    ForEachText(form, r, [](QLineEdit* entry, const auto& field) { entry->setText(field); });
    SelectText(form.State, r.State);
    form.EmployeeNum->setText(QString::number(r.EmployeeNum));
    SelectNumber(form.WorkState, r.WorkStateIndex);
    SelectNumber(form.CityName, r.CityIndex);
    SelectText(form.Gender, r.Gender == u' ' || r.Gender == 0 ? QString() : QString(QChar(r.Gender)));
    form.Department->setCurrentText(r.Department);
    form.Position->setCurrentText(r.Position);
    SelectText(form.AccountType, r.AccountType);
    ForEachDate(form, r, [](TDateEdit* entry, const auto& field) { entry->setText(field); });
    for (const MoneyBinding& b : kMoney)
        (form.*b.entry)->setValue(r.*b.field);
    for (const FlagBinding& b : kFlags)
        (form.*b.entry)->setChecked(r.*b.field);
    SelectNumber(form.Frequency, r.Frequency);
    // Loading is no choice of the user's: the boxes take the record's flags as they are.
    form.maritalAttached_ = false;
    form.Single->setChecked(r.Single);
    form.Married->setChecked(r.Married);
    form.HOH->setChecked(r.HOH);
    form.maritalAttached_ = true;
    form.FedWithAllow->setText(QString::number(r.FedWithAllow));
    form.StWithAllow->setText(QString::number(r.StWithAllow));
    form.CityWithAllow->setText(QString::number(r.CityWithAllow));
    for (const auto& [group, entries] : form.amounts_) {
        const TPeriodAmounts& amounts = AmountGroup(r, group);
        for (int column = kMonthToDateColumn; column <= kYearToDateColumn; ++column)
            entries[static_cast<std::size_t>(column - kMonthToDateColumn)]->setValue(amounts[column]);
    }
    form.DirDepositClick();
}

void SaveEmployeeForm(TFrmEmployee& form)
{
    KeepRebuildFlag keep;
    EmployeeRecord& r = EmployeeRec;
    r.FirstName = form.FirstName->text().trimmed();
    r.LastName = form.LastName->text().trimmed();
    ForEachText(form, r, [](QLineEdit* entry, auto& field) { field = EntryText(entry); });
    r.State = ChosenText(form.State);
    r.EmployeeNum = TextToInt(form.EmployeeNum->text());
    r.WorkState = ChosenText(form.WorkState);
    r.WorkStateIndex = form.WorkState->currentIndex() + 1;
    r.CityName = ChosenText(form.CityName);
    r.CityIndex = form.CityName->currentIndex() + 1;
    r.Gender = FirstCharOrSpace(ChosenText(form.Gender)).unicode();
    r.Department = form.Department->currentText();
    r.Position = form.Position->currentText();
    r.AccountType = ChosenText(form.AccountType);
    ForEachDate(form, r, [](TDateEdit* entry, auto& field) { field = entry->text(); });
    for (const MoneyBinding& b : kMoney)
        r.*b.field = (form.*b.entry)->value();
    for (const FlagBinding& b : kFlags)
        r.*b.field = (form.*b.entry)->isChecked();
    // An old record whose frequency no entry matches keeps it.
    if (form.Frequency->currentIndex() >= 0)
        r.Frequency = static_cast<std::uint8_t>(form.Frequency->currentIndex() + 1);
    r.Single = form.Single->checked();
    r.Married = form.Married->checked();
    r.HOH = form.HOH->checked();
    r.FedWithAllow = TextToInt(form.FedWithAllow->text());
    r.StWithAllow = TextToInt(form.StWithAllow->text());
    r.CityWithAllow = TextToInt(form.CityWithAllow->text());
    for (const auto& [group, entries] : form.amounts_) {
        TPeriodAmounts& amounts = AmountGroup(r, group);
        for (int column = kMonthToDateColumn; column <= kYearToDateColumn; ++column)
            amounts[column] = entries[static_cast<std::size_t>(column - kMonthToDateColumn)]->value();
    }
    DeriveEmployeeFields(r);
}
