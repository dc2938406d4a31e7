#include "forms/W2Printing.h"

#include "client/CompanyAddress.h"
#include "client/EmployeeLoop.h"
#include "client/PayDataModule.h"
#include "client/PayRecords.h"
#include "components/NumberRoutines.h"
#include "components/TextRoutines.h"
#include "components/Validators.h"
#include "forms/FormParams.h"
#include "forms/W2Forms.h"
#include "platform/report/ReportCanvas.h"
#include "platform/report/ReportLayout.h"
#include "platform/report/ReportProject.h"

#include <algorithm>

namespace {

const QString kEmployeeLayout = QStringLiteral("FormW2");
const QString kFourUpLayout = QStringLiteral("FormW2_CopyD1");
const QString kCopyALayout = QStringLiteral("FormW2_SSA");

// Forms a page of Copy D or Copy 1, and of Copy A.
constexpr int kFourUpSlots = 4;
constexpr int kCopyASlots = 2;

// The VOID banner of an empty quarter on the last page of Copy D or Copy 1: its baseline from the
// top and its centre from the left, in inches, for quarters 2, 3 and 4.
struct BannerSpot {
    double line;
    double centre;
};
constexpr BannerSpot kVoidBanners[kFourUpSlots + 1] = {{0, 0}, {0, 0}, {1.83, 6.3}, {7.25, 2.2}, {7.25, 6.3}};

// The printed text of an amount: empty when it is 0 at cents.
QString Amount(double value, bool thousands)
{
    return IsZeroAtCents(value) ? QString() : FormatAmount(value, 2, thousands);
}

// Lines 1 to 4 of box c. Copy A keeps the address at the bottom of the box and leaves the top
// line empty when there is no trade name; the other copies close up from the top.
QStringList EmployerLines(const CompanyRecord& company, const QString& companyCityStateZip, W2Copy copy)
{
    const QString street =
        StreetWithSuite(FormUpperCase(company.Address.get()), company.SuiteNum.get(), QStringLiteral("STE"));
    const QString name = FormUpperCase(company.Name.get());
    const QString city = FormUpperCase(companyCityStateZip);
    if (!IsBlank(company.TradeName.get()))
        return {name, FormUpperCase(company.TradeName.get()), street, city};
    if (copy == W2Copy::CopyA)
        return {QString(), name, street, city};
    return {name, street, city, QString()};
}

// Box a: masked to its last four digits on the copies the employee and employer keep, when asked.
QString SocialSecurityNumber(const EmployeeRecord& employee, W2Copy copy, bool maskSSN)
{
    const bool masked = maskSSN && (copy == W2Copy::Employee || copy == W2Copy::CopyD);
    return masked ? MaskSSN(employee.SocSecNum.get()) : employee.SocSecNum.get();
}

// The employer's state ID of the employee's work state; none for a work state out of range.
QString StateID(const EmployeeRecord& employee, const CompanyRecord& company)
{
    const int state = employee.WorkStateIndex;
    return state >= 1 && state <= 54 ? company.StateID[state].get() : QString();
}

// The employees who get a W-2 and each one's forms, in the order they print.
struct PrintedForm {
    int record;
    int form;
};

void AddForms(std::vector<PrintedForm>& forms)
{
    if (!EmployeeGetsW2(EmployeeRec))
        return;
    const int record = DataModule().RSEmployee.CurrentRecord();
    for (int form = 0; form < W2FormsOfEmployee(EmployeeRec); ++form)
        forms.push_back({record, form});
}

std::vector<PrintedForm> FormsInRecordOrder(int first, int last)
{
    std::vector<PrintedForm> forms;
    EmployeeLoop loop;
    while (loop.Next()) {
        const int record = DataModule().RSEmployee.CurrentRecord();
        if (record >= first && record <= last)
            AddForms(forms);
    }
    loop.Finish();
    return forms;
}

std::vector<PrintedForm> FormsInNameOrder()
{
    std::vector<PrintedForm> forms;
    ForEachEmployeeByName([&] { AddForms(forms); });
    return forms;
}

// Opens the project for one run and closes it when the run ends, however it ends; the employee
// current before the run is read again then.
class W2Run {
public:
    explicit W2Run(ReportProject& project, const QString& layout)
        : project_(project)
    {
        project_.Open();
        project_.SelectReport(layout, false);
    }
    ~W2Run()
    {
        project_.ClearParams();
        project_.Close();
        try {
            if (saved_ >= employees_.FirstRecord() && saved_ <= employees_.LastRecord()) {
                employees_.SetCurrentRecord(saved_);
                employees_.GetRec();
            }
        } catch (...) {
            // A failure to read the employee again must not hide the error that ended the run.
        }
    }
    W2Run(const W2Run&) = delete;
    W2Run& operator=(const W2Run&) = delete;

    // Reads the form's employee and sets its parameters, with the slot's suffix where the layout
    // has slots (slot 0: none).
    void setForm(const PrintedForm& form, W2Copy copy, int slot, bool maskSSN)
    {
        employees_.SetCurrentRecord(form.record);
        employees_.GetRec();
        const QString suffix = slot > 0 ? QString::number(slot) : QString();
        const FormParams params = W2FormParams(EmployeeRec, CompanyRec, CompanyCityStateZip, copy, form.form, maskSSN);
        for (const auto& [name, value] : params.Values())
            project_.SetParam(SuffixedFieldName(name, suffix), value);
    }

private:
    ReportProject& project_;
    TRecordSet& employees_ = DataModule().RSEmployee;
    int saved_ = DataModule().RSEmployee.CurrentRecord();
};

} // namespace

QString W2FormTypeTitle(W2Copy copy)
{
    switch (copy) {
    case W2Copy::CopyD:
        return QStringLiteral("Copy D — For Employer");
    case W2Copy::Copy1:
        return QStringLiteral("Copy 1 — For State, City, or Local Tax Department");
    default:
        return QString();
    }
}

FormParams W2FormParams(const EmployeeRecord& e, const CompanyRecord& company, const QString& companyCityStateZip,
                        W2Copy copy, int form, bool maskSSN)
{
    const bool thousands = copy != W2Copy::CopyA;
    const bool first = form == 0;
    const auto amount = [&](double value) { return first ? Amount(value, thousands) : QString(); };
    const auto text = [&](const QString& value) { return first ? value : QString(); };
    const auto mark = [&](bool set) { return first && set ? QStringLiteral("X") : QString(); };
    const int y = kYearToDateColumn;

    FormParams params;
    const auto add = [&](const QString& name, const QString& value) { params.Set(name, value); };
    add(QStringLiteral("Boxa"), SocialSecurityNumber(e, copy, maskSSN));
    add(QStringLiteral("Boxb"), company.FederalID.get());
    const QStringList employer = EmployerLines(company, companyCityStateZip, copy);
    for (int line = 0; line < employer.size(); ++line)
        add(QStringLiteral("Boxc%1").arg(line + 1), employer[line]);
    add(QStringLiteral("Boxd"), e.FW2CtrlNum.get());
    const bool initial = copy == W2Copy::Copy1 || copy == W2Copy::CopyA;
    const QString middle = initial ? e.MiddleInitial.get() : e.MiddleName.get();
    add(QStringLiteral("Boxe1"), FormUpperCase(e.FirstName.get() + QLatin1Char(' ') + middle).trimmed());
    add(QStringLiteral("Boxe2"), FormUpperCase(e.LastName.get()));
    add(QStringLiteral("Boxe3"), FormUpperCase(e.Suffix.get()));
    add(QStringLiteral("Boxf1"), FormUpperCase(e.Address.get()));
    add(QStringLiteral("Boxf2"), FormUpperCase(e.CityStateZip.get()));

    // Box 1 always prints on the first form, so a W-2 owed for code II alone shows 0.00.
    add(QStringLiteral("Box1"), first ? FormatAmount(e.FedEarnings[y], 2, thousands) : QString());
    add(QStringLiteral("Box2"), amount(e.FederalTax[y] + e.TPSPFederalTax[y]));
    add(QStringLiteral("Box3"), amount(W2SocialSecurityWages(e)));
    add(QStringLiteral("Box4"), amount(e.FICATax[y] + e.TPSPFICATax[y]));
    add(QStringLiteral("Box5"), amount(e.MedEarnings[y]));
    add(QStringLiteral("Box6"), amount(e.MedicareTax[y] + e.TPSPMedicareTax[y]));
    add(QStringLiteral("Box7"), amount(e.Tips[y]));
    add(QStringLiteral("Box8"), amount(e.AllocatedTip[y]));
    add(QStringLiteral("Box10"), amount(e.DepCareBen[y]));
    add(QStringLiteral("Box11"), amount(e.NonQualPlan[y]));

    const std::vector<Box12Amount> entries = FilledBox12Entries(e);
    for (int place = 0; place < kBox12EntriesPerForm; ++place) {
        const size_t index = static_cast<size_t>(form * kBox12EntriesPerForm + place);
        const QString letter = QChar(QLatin1Char('a').unicode() + place);
        const bool filled = index < entries.size();
        add(QStringLiteral("Box12") + letter + QLatin1Char('1'), filled ? entries[index].code : QString());
        add(QStringLiteral("Box12") + letter + QLatin1Char('2'), filled ? FormatAmount(entries[index].amount, 2, thousands) : QString());
    }

    add(QStringLiteral("Box13a"), mark(e.FW2Box13Chk1));
    add(QStringLiteral("Box13b"), mark(e.FW2Box13Chk2));
    add(QStringLiteral("Box13c"), mark(e.FW2Box13Chk3));
    const QString descriptions[] = {e.FW2Box14Desc1.get(), e.FW2Box14Desc2.get(), e.FW2Box14Desc3.get()};
    const double amounts14[] = {e.FW2Box14Amt1, e.FW2Box14Amt2, e.FW2Box14Amt3};
    for (int line = 0; line < 3; ++line) {
        const QString letter = QChar(QLatin1Char('a').unicode() + line);
        const QString value = amount(amounts14[line]);
        add(QStringLiteral("Box14") + letter + QLatin1Char('1'), value.isEmpty() ? QString() : FormUpperCase(descriptions[line]));
        add(QStringLiteral("Box14") + letter + QLatin1Char('2'), value);
    }
    const QString ttoc = e.FW2Box14bTTOC.get();
    add(QStringLiteral("Box14bTTOC"), copy == W2Copy::Copy1 || IsBlank(ttoc) ? QString() : text(ttoc));

    add(QStringLiteral("Box15a1"), text(e.WorkState.get()));
    add(QStringLiteral("Box15a2"), text(StateID(e, company)));
    add(QStringLiteral("Box15b1"), text(e.FW2Box15Text.get()));
    add(QStringLiteral("Box15b2"), text(e.FW2StateID2.get()));
    add(QStringLiteral("Box16a"), amount(e.StateEarning[y]));
    add(QStringLiteral("Box16b"), amount(e.FW2Box16Amt));
    add(QStringLiteral("Box17a"), amount(e.StateTax[y]));
    add(QStringLiteral("Box17b"), amount(e.FW2Box17Amt));
    add(QStringLiteral("Box18a"), amount(e.CityEarnings[y]));
    add(QStringLiteral("Box18b"), amount(e.FW2Box18Amt));
    add(QStringLiteral("Box19a"), amount(e.CityTax[y]));
    add(QStringLiteral("Box19b"), amount(e.FW2Box19Amt));
    add(QStringLiteral("Box20a"), e.CityIndex == 1 ? QString() : text(e.CityName.get()));
    add(QStringLiteral("Box20b"), text(FormUpperCase(e.FW2Box20Text.get())));
    return params;
}

void PrintW2EmployeeCopies(ReportCanvas& report, ReportProject& project, int first, int last, bool maskSSN)
{
    const std::vector<PrintedForm> forms = FormsInRecordOrder(first, last);
    W2Run run(project, kEmployeeLayout);
    for (size_t k = 0; k < forms.size(); ++k) {
        if (k > 0)
            report.NewPage();
        run.setForm(forms[k], W2Copy::Employee, 0, maskSSN);
        project.Execute();
    }
}

void PrintW2CopyD1(ReportCanvas& report, ReportProject& project, int first, int last, W2Copy copy, bool maskSSN)
{
    const std::vector<PrintedForm> forms = FormsInRecordOrder(first, last);
    W2Run run(project, kFourUpLayout);
    for (size_t start = 0; start < forms.size(); start += kFourUpSlots) {
        if (start > 0) {
            report.NewPage();
            project.ClearParams();
        }
        const int onPage = static_cast<int>(std::min<size_t>(kFourUpSlots, forms.size() - start));
        project.SetParam(QStringLiteral("FormType"), W2FormTypeTitle(copy));
        for (int slot = 1; slot <= onPage; ++slot)
            run.setForm(forms[start + slot - 1], copy, slot, maskSSN);
        project.Execute();
        if (onPage < kFourUpSlots) {
            const ReportCanvas::State saved = report.SaveState();
            report.SetFont(QStringLiteral("Liberation Sans"), 30);
            report.SetBold(true);
            report.SetFontColor(Qt::black);
            for (int slot = onPage + 1; slot <= kFourUpSlots; ++slot) {
                report.GotoXY(0, kVoidBanners[slot].line);
                report.PrintCenter(kW2VoidBanner, kVoidBanners[slot].centre);
            }
            report.RestoreState(saved);
        }
    }
}

void PrintW2CopyA(ReportCanvas& report, ReportProject& project)
{
    const std::vector<PrintedForm> forms = FormsInNameOrder();
    W2Run run(project, kCopyALayout);
    for (size_t start = 0; start < forms.size(); start += kCopyASlots) {
        if (start > 0) {
            report.NewPage();
            project.ClearParams();
        }
        const int onPage = static_cast<int>(std::min<size_t>(kCopyASlots, forms.size() - start));
        for (int slot = 1; slot <= onPage; ++slot)
            run.setForm(forms[start + slot - 1], W2Copy::CopyA, slot, false);
        if (onPage < kCopyASlots)
            project.SetParam(QStringLiteral("Void2"), QStringLiteral("X"));
        project.Execute();
    }
}
