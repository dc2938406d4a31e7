#include "checks/CheckFace.h"

#include "client/CompanyAddress.h"
#include "client/CompanyRecord.h"
#include "client/PayRecords.h"
#include "components/AmountToWords.h"
#include "components/NumberRoutines.h"
#include "components/Validators.h"
#include "platform/report/PostNetBarCode.h"
#include "platform/report/ReportCanvas.h"
#include "platform/report/ReportProject.h"
#include "platform/report/TextFit.h"

namespace {

const QString kArial = QStringLiteral("Arial");
const QString kVoidAmount = QStringLiteral("***VOID***");
const QString kVoidWords = QStringLiteral("***VOID***THIS IS NOT A CHECK***VOID***THIS IS NOT A CHECK***");

// The amount in words runs from its start to the end of the amount's line on blank stock, to the
// printable edge of the sheet on pre-printed stock.
double WordsRoom(const CheckPosition& position, bool blankStock)
{
    return (blankStock ? 7.95 : 8.25) - position.x;
}

} // namespace

QString CheckAmountWords(double netPay, bool blankStock)
{
    QString words = QStringLiteral("***") + AmountToWords(netPay);
    if (blankStock)
        words += QStringLiteral(" DOLLARS");
    return (words + QStringLiteral("***")).toUpper();
}

QString CheckAmountFigure(double amount)
{
    return QStringLiteral("***") + FormatAmount(amount, 2, true);
}

bool IsVoidCheck(const CheckFace& face)
{
    return face.Advice || face.NetPay < 0.0;
}

void DrawCheckFace(ReportCanvas& report, const CheckPositions& positions, const CheckFace& face, bool blankStock)
{
    report.SetFont(kArial, 10);
    if (!blankStock && positions.Payee.IsSet())
        report.PrintXY(positions.Payee.x, positions.Payee.y, face.Payee);
    if (positions.Name.IsSet())
        report.PrintXY(positions.Name.x, positions.Name.y, face.Payee);
    if (positions.Address.IsSet()) {
        report.PrintXY(positions.Address.x, positions.Address.y, face.AddressLine);
        report.PrintXY(positions.Address.x, positions.Address.y + 0.1667, face.CityStateZip);
        if (IsZipPlus4(face.ZipCode)) {
            PostNetBarCode barCode;
            barCode.BarHeight = 0.13;
            barCode.BarWidth = 0.02;
            barCode.PrintReadable = false;
            barCode.UseChecksum = true;
            barCode.Left = positions.Address.x;
            barCode.Bottom = positions.Address.y + 0.4167;
            barCode.Text = face.ZipCode;
            const ReportCanvas::State state = report.SaveState();
            barCode.Print(report);
            report.RestoreState(state);
        }
    }
    report.PrintXY(positions.Date.x, positions.Date.y, face.Date);

    const bool isVoid = IsVoidCheck(face);
    report.SetYPos(positions.Amount.y);
    if (isVoid)
        report.PrintCenter(kVoidAmount, 7.0);
    else
        report.PrintLeft(CheckAmountFigure(face.NetPay) + (blankStock ? QStringLiteral("***") : QString()), positions.Amount.x);
    report.SetYPos(positions.AmountText.y);
    const QString words = isVoid ? kVoidWords : CheckAmountWords(face.NetPay, blankStock);
    PrintFitted(report, words, positions.AmountText.x, WordsRoom(positions.AmountText, blankStock));
}

void DrawBlankStockBlocks(ReportCanvas& report, ReportProject& project, const CompanyRecord& company,
                          const CheckFace& face)
{
    const int checkPos = company.CheckPos;
    const double t = CheckOffset(checkPos);
    project.ExecuteReport(CheckLayoutName(checkPos));

    report.SetFont(kArial, 10);
    report.SetYPos(t + 0.75);
    report.PrintCenter(QString::number(face.CheckNumber), 7.5);

    double y = t + 0.63;
    report.SetFont(kArial, 11);
    report.SetBold(true);
    report.SetYPos(y);
    report.PrintCenter(QString(company.Name).trimmed().toUpper(), 2.25);
    if (const QString trade = QString(company.TradeName).trimmed(); !trade.isEmpty()) {
        y += 0.17;
        report.SetYPos(y);
        report.PrintCenter(trade.toUpper(), 2.25);
    }
    report.SetFont(kArial, 9);
    y += 0.17;
    report.SetYPos(y);
    report.PrintCenter(CompanyStreetLine(company, QStringLiteral("STE")).trimmed().toUpper(), 2.25);
    y += 0.15;
    report.SetYPos(y);
    report.PrintCenter(CompanyCityStateZip.trimmed().toUpper(), 2.25);
    y += 0.15;
    report.SetYPos(y);
    report.PrintCenter(QString(company.PhoneNumber).trimmed(), 2.25);

    report.SetFont(kArial, 7);
    const QString bank[] = {company.BankName, company.BankAddress1, company.BankAddress2};
    for (int line = 0; line < 3; ++line) {
        report.SetYPos(t + 0.63 + 0.13 * line);
        report.PrintCenter(bank[line].trimmed().toUpper(), 4.75);
    }
    report.SetYPos(t + 1.17);
    report.PrintCenter(QString(company.BankFraction).trimmed(), 4.75);

    if (face.Advice) {
        report.SetFont(kArial, 10);
        report.SetBold(true);
        report.SetYPos(t + 2.55);
        report.PrintCenter(QStringLiteral("FOR DIRECT DEPOSIT ADVICE ONLY"), 6.75);
        report.SetYPos(t + 2.72);
        report.PrintCenter(QStringLiteral("NOT NEGOTIABLE"), 6.75);
        // The deposit lines stay above the band the bank's reader keeps clear for MICR, between the
        // address with its bar code and the advice lines.
        report.SetFont(kArial, 7.5);
        report.SetYPos(t + 2.55);
        report.PrintLeft(QStringLiteral("DEPOSIT ACCOUNT: ") + face.DepositAccount, 3.0);
        report.SetYPos(t + 2.72);
        report.PrintLeft(QStringLiteral("DEPOSIT AMOUNT: ") + CheckAmountFigure(face.NetPay), 3.0);
    } else if (!IsVoidCheck(face)) {
        DrawMicrLine(report,
                     ComposeMicrLine(QString(company.BankRtn).trimmed(), QString(company.AccountNum).trimmed(),
                                     face.CheckNumber, company.ChkNumPos),
                     checkPos);
    }
}

void DrawMicrLine(ReportCanvas& report, const MicrLine& line, int checkPos)
{
    report.SetFont(QStringLiteral("MICR"), 10);
    report.SetYPos(MicrBaseline(checkPos));
    if (!line.Number.isEmpty())
        report.PrintRight(line.Number, kMicrNumberEnd);
    report.PrintLeft(line.Main, kMicrLineStart);
}
