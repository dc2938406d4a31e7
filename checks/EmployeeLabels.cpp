#include "checks/EmployeeLabels.h"

#include "client/EmployeeIndex.h"
#include "client/EmployeeLoop.h"
#include "client/PayRecords.h"
#include "components/Validators.h"
#include "platform/report/LabelShell.h"
#include "platform/report/PostNetBarCode.h"
#include "platform/report/ReportCanvas.h"
#include "platform/report/TextFit.h"

namespace {

constexpr double kZipPlus4Top = 0.25;   // three lines and a bar code
constexpr double kFiveDigitTop = 0.38;  // three lines, centred a little lower

void PrintLabel(ReportCanvas& report, const LabelShell& shell, const PostNetBarCode& barCodeSettings)
{
    const EmployeeRecord& e = EmployeeRec;
    const bool zipPlus4 = IsZipPlus4(e.ZipCode);
    report.SetYPos(zipPlus4 ? kZipPlus4Top : kFiveDigitTop);
    for (const QString& line : {GetEmployeeName(1, true), QString(e.Address), QString(e.CityStateZip)}) {
        // A long name shrinks to the label rather than run into the next one.
        PrintFitted(report, line, shell.Border, shell.PrintableWidth());
        report.NewLine();
    }
    if (zipPlus4) {
        PostNetBarCode barCode = barCodeSettings;
        barCode.Text = e.ZipCode;
        barCode.Bottom = report.YPos() + 0.13;
        barCode.Print(report);
    }
}

} // namespace

void PrintEmployeeLabels(ReportCanvas& report)
{
    const LabelShell shell = Avery5160();
    PostNetBarCode barCode;
    barCode.BarHeight = 0.13;
    barCode.BarWidth = 0.02;
    barCode.PrintReadable = false;
    barCode.UseChecksum = true;
    barCode.Left = shell.Border;

    EmployeeLoop employees;
    if (!employees.Next())
        return;
    report.SetFont(QStringLiteral("Arial"), 9);
    shell.Execute(report, [&](ReportCanvas& canvas) {
        PrintLabel(canvas, shell, barCode);
        return employees.Next();
    });
    employees.Finish();
}
