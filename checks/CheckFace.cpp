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

// The right-hand end of a text's room: on blank stock the end of the amount's line, on
// pre-printed stock the printable edge of the sheet.
constexpr double kBlankStockRight = 7.95;
constexpr double kPrintableRight = 8.25;

// On blank stock the payee's name and address end short of the deposit lines of an advice, which
// stand to their right on the same lines.
constexpr double kDepositX = 5.45;
constexpr double kPayeeRight = kDepositX - 0.1;

// The company block is centred on 2.25 and the bank block on 4.75; each may fill its half of
// the room between them, and the bank block ends short of the date at 6.1.
constexpr double kCompanyCentre = 2.25;
constexpr double kCompanyRoom = 2.3;
constexpr double kBankCentre = 4.75;
constexpr double kBankRoom = 2.6;

double TextRoom(const CheckPosition& position, bool blankStock)
{
    return (blankStock ? kBlankStockRight : kPrintableRight) - position.x;
}

double PayeeRoom(const CheckPosition& position, bool blankStock)
{
    return (blankStock ? kPayeeRight : kPrintableRight) - position.x;
}

void PrintCentredLine(ReportCanvas& report, double y, const QString& text, double centre, double room)
{
    report.SetYPos(y);
    PrintFitted(report, text, centre, room, TextAlign::Center);
}

void PrintLineAt(ReportCanvas& report, double x, double y, const QString& text, double room)
{
    report.SetYPos(y);
    PrintFitted(report, text, x, room);
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
    // A check for nothing is as void as one for less than nothing: nobody may fill in its amount.
    return face.Advice || RoundToDecimals(face.NetPay, 2) <= 0.0;
}

void DrawCheckFace(ReportCanvas& report, const CheckPositions& positions, const CheckFace& face, bool blankStock)
{
    report.SetFont(kArial, 10);
    if (!blankStock && positions.Payee.IsSet())
        PrintLineAt(report, positions.Payee.x, positions.Payee.y, face.Payee, TextRoom(positions.Payee, false));
    if (positions.Name.IsSet())
        PrintLineAt(report, positions.Name.x, positions.Name.y, face.Payee, PayeeRoom(positions.Name, blankStock));
    if (positions.Address.IsSet()) {
        const double room = PayeeRoom(positions.Address, blankStock);
        PrintLineAt(report, positions.Address.x, positions.Address.y, face.AddressLine, room);
        PrintLineAt(report, positions.Address.x, positions.Address.y + 0.1667, face.CityStateZip, room);
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
    const QString words = isVoid ? kVoidWords : CheckAmountWords(face.NetPay, blankStock);
    PrintLineAt(report, positions.AmountText.x, positions.AmountText.y, words, TextRoom(positions.AmountText, blankStock));
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
    PrintCentredLine(report, y, QString(company.Name).trimmed().toUpper(), kCompanyCentre, kCompanyRoom);
    if (const QString trade = QString(company.TradeName).trimmed(); !trade.isEmpty()) {
        y += 0.17;
        PrintCentredLine(report, y, trade.toUpper(), kCompanyCentre, kCompanyRoom);
    }
    report.SetFont(kArial, 9);
    y += 0.17;
    PrintCentredLine(report, y, CompanyStreetLine(company, QStringLiteral("STE")).trimmed().toUpper(), kCompanyCentre,
                     kCompanyRoom);
    y += 0.15;
    PrintCentredLine(report, y, CompanyCityStateZip.trimmed().toUpper(), kCompanyCentre, kCompanyRoom);
    y += 0.15;
    PrintCentredLine(report, y, QString(company.PhoneNumber).trimmed(), kCompanyCentre, kCompanyRoom);

    report.SetFont(kArial, 7);
    const QString bank[] = {company.BankName, company.BankAddress1, company.BankAddress2};
    for (int line = 0; line < 3; ++line)
        PrintCentredLine(report, t + 0.63 + 0.13 * line, bank[line].trimmed().toUpper(), kBankCentre, kBankRoom);
    PrintCentredLine(report, t + 1.17, QString(company.BankFraction).trimmed(), kBankCentre, kBankRoom);

    if (face.Advice) {
        report.SetFont(kArial, 10);
        report.SetBold(true);
        report.SetYPos(t + 2.55);
        report.PrintCenter(QStringLiteral("FOR DIRECT DEPOSIT ADVICE ONLY"), 6.75);
        report.SetYPos(t + 2.72);
        report.PrintCenter(QStringLiteral("NOT NEGOTIABLE"), 6.75);
        // The deposit lines stand beside the payee's name and address: the band below belongs to
        // the MICR reader, the address's bar code and the advice lines fill the lines under them.
        report.SetFont(kArial, 7.5);
        const double room = kBlankStockRight - kDepositX;
        PrintLineAt(report, kDepositX, t + 2.17, QStringLiteral("DEPOSIT ACCOUNT: ") + face.DepositAccount, room);
        PrintLineAt(report, kDepositX, t + 2.33, QStringLiteral("DEPOSIT AMOUNT: ") + CheckAmountFigure(face.NetPay), room);
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
