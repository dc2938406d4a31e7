#include "checks/CheckPrinting.h"

#include "checks/CheckFace.h"
#include "checks/CheckLayout.h"
#include "checks/CheckStub.h"
#include "checks/OpenedProject.h"
#include "client/CompanyRecord.h"
#include "client/EmployeeLoop.h"
#include "client/EmployeeRecord.h"
#include "client/PayDataModule.h"
#include "client/PayRecords.h"
#include "client/PayUtil.h"
#include "payroll/CheckNumbers.h"
#include "platform/Exceptions.h"
#include "platform/report/ReportCanvas.h"
#include "platform/report/ReportProject.h"

#include <QColor>

#include <optional>

namespace {

const QString kArial = QStringLiteral("Arial");
const QString kGridLayout = QStringLiteral("PrinterGrid");

CheckFace EmployeeFace(const EmployeeRecord& employee, const CompanyRecord& company, bool adviceChecked)
{
    CheckFace face;
    face.Payee = QString(employee.FullName).trimmed().toUpper();
    face.AddressLine = QString(employee.Address).trimmed().toUpper();
    face.CityStateZip = QString(employee.CityStateZip).trimmed().toUpper();
    face.ZipCode = QString(employee.ZipCode).trimmed();
    face.Date = company.PayDate;
    face.NetPay = employee.NetPay[kCurrentColumn];
    face.CheckNumber = employee.CheckNumber;
    face.Advice = adviceChecked && employee.DirDeposit;
    face.DepositAccount = QString(employee.BankAcctNum).trimmed();
    return face;
}

void PrintEmployeeCheck(ReportCanvas& report, ReportProject& project, const CheckPositions& positions,
                        bool adviceChecked)
{
    const bool blankStock = CompanyRec.GenerateChk;
    const CheckFace face = EmployeeFace(EmployeeRec, CompanyRec, adviceChecked);
    if (blankStock)
        DrawBlankStockBlocks(report, project, CompanyRec, face);
    DrawCheckFace(report, positions, face, blankStock);
    if (positions.PrintStub && positions.Stub.IsSet()) {
        DrawStubHeadings(report, positions.Stub.y, EmployeeStubHeadings(CompanyRec, EmployeeRec));
        DrawStubFrame(report, positions.Stub.y);
        DrawStubAmounts(report, positions.Stub.y, CompanyRec, EmployeeRec);
    }
}

bool InRun(int first, int last)
{
    const int record = FrmDataModule->RSEmployee.CurrentRecord();
    return record >= first && record <= last && EmployeeHasPay();
}

// The last line of defence for numbered stock: a live check numbered 0 would go to the bank with
// a number that matches no register line, so the run stops before its first page instead.
void RefuseUnnumberedChecks(int first, int last)
{
    if (!ChecksNumbered())
        return;
    EmployeeLoop employees;
    while (employees.Next()) {
        if (InRun(first, last) && EmployeeRec.CheckNumber <= 0) {
            const QString name = QString(EmployeeRec.FullName).trimmed();
            throw ECustomException(QStringLiteral("The check for %1 has no check number.~Open Manual Entry and "
                                                  "process the employee again to number the checks.")
                                       .arg(name));
        }
    }
    employees.Finish();
}

} // namespace

int PrintCheckRun(ReportCanvas& report, ReportProject& project, int first, int last, bool adviceChecked)
{
    RefuseUnnumberedChecks(first, last);
    const int withPay = CountEmployeesWithPay();
    const bool blankStock = CompanyRec.GenerateChk;
    const CheckPositions positions =
        blankStock ? BlankStockPositions(CompanyRec.CheckPos, CompanyRec.PrintStub) : StoredCheckPositions(CompanyRec);
    std::optional<OpenedProject> opened;
    if (blankStock)
        opened.emplace(project);

    int printed = 0;
    EmployeeLoop employees;
    while (employees.Next()) {
        if (!InRun(first, last))
            continue;
        ++printed;
        PrintEmployeeCheck(report, project, positions, adviceChecked);
        if (first != last && printed != withPay)
            report.NewPage();
    }
    employees.Finish();
    return printed;
}

void PrintGeneratorTestCheck(ReportCanvas& report, ReportProject& project, const CompanyRecord& company)
{
    OpenedProject opened(project);
    const int checkPos = company.CheckPos;
    const CheckPositions positions = BlankStockPositions(checkPos, company.PrintStub);
    CheckFace face;
    face.Payee = QStringLiteral("JAMES SMITH");
    face.AddressLine = QStringLiteral("123 ANY ST");
    face.CityStateZip = QStringLiteral("ANY CITY, ANY STATE 12345");
    face.Date = QStringLiteral("01/01/2026");
    face.NetPay = 1234.56;
    face.CheckNumber = 1234;
    DrawBlankStockBlocks(report, project, company, face);
    DrawCheckFace(report, positions, face, true);
    if (positions.PrintStub) {
        StubHeadings headings;
        headings.CompanyName = QStringLiteral("Company Name");
        headings.PayPeriod = QStringLiteral("99/99/9999 to 99/99/9999");
        headings.EmployeeName = QStringLiteral("Employee Name");
        headings.PayDate = QStringLiteral("99/99/9999");
        headings.SocialSecurity = QStringLiteral("***-**-9999");
        headings.CheckNumber = QStringLiteral("1234");
        headings.EmployeeNumber = QStringLiteral("999");
        headings.StatusLabel = QStringLiteral("Withholding Tax Status:");
        headings.Status = QStringLiteral("Status/Deps.");
        DrawStubHeadings(report, positions.Stub.y, headings);
        DrawStubFrame(report, positions.Stub.y);
    }
    report.SetPen(Qt::black, PenStyle::Dash, 2);
    for (const double y : CheckCutLines(checkPos))
        report.Line(0.25, y, 8.25, y);
}

void PrintSetupTestCheck(ReportCanvas& report, ReportProject& project, const CompanyRecord& company)
{
    OpenedProject opened(project);
    project.ExecuteReport(kGridLayout);
    const CheckPositions positions = StoredCheckPositions(company);
    report.SetFont(kArial, 10);
    report.SetBold(true);
    const auto sample = [&report](const CheckPosition& position, const QString& text) {
        report.PrintXY(position.x, position.y, text);
    };
    sample(positions.Payee, QStringLiteral("JOHN SMITH"));
    if (positions.Name.IsSet())
        sample(positions.Name, QStringLiteral("JOHN SMITH"));
    if (positions.Address.IsSet()) {
        sample(positions.Address, QStringLiteral("100 JONES ST"));
        sample({positions.Address.x, positions.Address.y + 0.1667}, QStringLiteral("CITY, STATE, ZIP"));
    }
    sample(positions.Date, QStringLiteral("01/01/2026"));
    sample(positions.Amount, QStringLiteral("***1,234.56***"));
    sample(positions.AmountText, QStringLiteral("***ONE THOUSAND TWO HUNDRED THIRTY FOUR AND 56/100***"));
    if (positions.PrintStub) {
        const double y0 = positions.Stub.y;
        StubHeadings headings;
        headings.CompanyName = QStringLiteral("Company Name");
        headings.PayPeriod = QStringLiteral("99/99/9999 to 99/99/9999");
        headings.EmployeeName = QStringLiteral("Employee Name");
        headings.PayDate = QStringLiteral("99/99/9999");
        headings.SocialSecurity = QStringLiteral("XXX-XX-9999");
        headings.CheckNumber = QStringLiteral("1234");
        headings.EmployeeNumber = QStringLiteral("999");
        headings.StatusLabel = QStringLiteral("Marital Status:");
        headings.Status = QStringLiteral("Status/Deps.");
        DrawStubHeadings(report, y0, headings);
        report.SetPen(Qt::black, PenStyle::Solid, -5);
        report.SetBrush(Qt::white, BrushStyle::Clear);
        report.Rectangle(0.5, y0 + 0.4225, 8.0, y0 + 0.4225 + 2.815);
    }
}

void PrintPrinterGrid(ReportProject& project)
{
    OpenedProject opened(project);
    project.ExecuteReport(kGridLayout);
}
