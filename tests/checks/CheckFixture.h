#pragma once

#include "tests/payroll/PostingFixture.h"

#include "client/PayDataModule.h"
#include "platform/report/MicrGlyphs.h"
#include "platform/report/ReportProject.h"
#include "platform/report/ReportSystem.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>

#include <cmath>
#include <functional>
#include <map>

// A client whose open pay period pays its employees 1,000.00 each, and the means to print checks
// into a document or a file and read them back.
class CheckTest : public PostingTest {
protected:
    void SetUp() override
    {
        PostingTest::SetUp();
        // The project as the build ships it beside the test programs.
        module->RaveProject.ProjectFile = QCoreApplication::applicationDirPath() + QStringLiteral("/TAXFORMS.RAV");
        CompanyRec.Name = QStringLiteral("Acme Tools");
        CompanyRec.Address = QStringLiteral("1 Main St");
        CompanyRec.PhoneNumber = QStringLiteral("555-123-4567");
        CompanyRec.BankName = QStringLiteral("First Test Bank");
        CompanyRec.BankAddress1 = QStringLiteral("2 Bank St");
        CompanyRec.BankAddress2 = QStringLiteral("Springfield, PA 17000");
        CompanyRec.BankFraction = QStringLiteral("60-123/313");
        CompanyRec.BankRtn = QStringLiteral("031300012");
        CompanyRec.AccountNum = QStringLiteral("1234567890");
        CompanyRec.ChkNumPos = 1;
        CompanyRec.PrintStub = true;
        module->RSCompany.PostRec();
    }

    // A weekly single employee paid 1,000.00: federal 78.00, Social Security 62.00, Medicare 14.50.
    void addCheckEmployee(const QString& last, bool salaried, const QString& zip, bool directDeposit, int checkNumber)
    {
        addEmployee(last, QStringLiteral("Pat"));
        EmployeeRecord& e = EmployeeRec;
        e.Frequency = 1;
        e.WorkState = QStringLiteral("PA");
        e.WorkStateIndex = StateNumber("PA");
        e.Salaried = salaried;
        e.RegularRate = salaried ? 1000.0 : 25.0;
        e.RegularTime = salaried ? 5.0 : 40.0;
        e.Address = QStringLiteral("10 Elm St");
        e.ZipCode = zip;
        e.CityStateZip = QStringLiteral("Springfield, PA ") + zip;
        e.DirDeposit = directDeposit;
        e.BankAcctNum = QStringLiteral("555000111");
        e.CheckNumber = checkNumber;
        e.Wages[kCurrentColumn] = 1000.0;
        e.FederalTax[kCurrentColumn] = 78.0;
        e.FICATax[kCurrentColumn] = e.FICALib[kCurrentColumn] = 62.0;
        e.MedicareTax[kCurrentColumn] = e.MedicareLib[kCurrentColumn] = 14.5;
        UpdateTotalColumns(kCurrentColumn);
        module->RSEmployee.PostRec();
    }

    // Runs `draw` as a printout to `fileName` in the test's folder (no file: kept in memory only).
    std::shared_ptr<const ReportDocument> print(const std::function<void(ReportCanvas&)>& draw,
                                                const QString& fileName = QString())
    {
        ReportSystem system;
        ReportProject& project = module->RaveProject;
        project.Engine = &system;
        system.OnPrint = draw;
        const OutputOptionsHandler previous =
            ReportSystem::SetOutputOptionsHandler([&](const ReportSystem&, OutputChoice& choice) {
                choice.destination = fileName.isEmpty() ? ReportDestination::Preview : ReportDestination::File;
                choice.fileName = fileName.isEmpty() ? QString() : tempPath(fileName);
                return true;
            });
        const bool ran = system.Execute();
        ReportSystem::SetOutputOptionsHandler(previous);
        project.Engine = nullptr;
        EXPECT_TRUE(ran);
        return system.Document();
    }

    // The text of a PDF written to the test's folder, as pdftotext reads it (layout kept).
    QString pdfText(const QString& fileName)
    {
        QProcess process;
        process.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), tempPath(fileName), QStringLiteral("-")});
        EXPECT_TRUE(process.waitForFinished(60000));
        return QString::fromUtf8(process.readAllStandardOutput());
    }

    // Renders the PDF's first page to a PNG beside it, and into LEDGORA_SCREENSHOT_DIR when set.
    void renderPage(const QString& fileName, const QString& image)
    {
        const QString folder = qEnvironmentVariable("LEDGORA_SCREENSHOT_DIR");
        if (folder.isEmpty())
            return;
        QProcess::execute(QStringLiteral("pdftoppm"), {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("60"),
                                                       QStringLiteral("-singlefile"), tempPath(fileName),
                                                       QDir(folder).filePath(image)});
    }
};

// A MICR line read back from the shapes on a page: each 1/8-in cell's shapes matched against the
// E-13B characters.
struct ReadMicr {
    QString text;          // blanks for empty cells between characters
    double left = 0.0;     // left edge of the first cell
    double right = 0.0;    // right edge of the last cell
    double baseline = 0.0;
    bool matched = true;   // every cell was a known character
};

inline ReadMicr ReadMicrLine(const ReportPage& page, double bandTop, double bandBottom)
{
    constexpr double pitch = 0.125;
    constexpr double grid = 2.8125;   // the line's cells lie on this 1/8-in grid
    std::map<int, std::vector<QRectF>> cells;
    double baseline = 0.0;
    for (const DrawOp& op : page.ops) {
        if (op.kind != DrawOp::Kind::Rectangle || op.pen.style != PenStyle::Clear)
            continue;
        if (op.y1 < bandTop || op.y2 > bandBottom)
            continue;
        const int cell = static_cast<int>(std::floor((op.x1 - grid) / pitch + 1e-6));
        cells[cell].push_back(QRectF(QPointF(op.x1, op.y1), QPointF(op.x2, op.y2)));
        baseline = std::max(baseline, op.y2);
    }
    ReadMicr read;
    if (cells.empty())
        return read;
    read.baseline = baseline;
    const int first = cells.begin()->first;
    const int last = cells.rbegin()->first;
    read.left = grid + first * pitch;
    read.right = grid + (last + 1) * pitch;
    const QString alphabet = QStringLiteral("0123456789to");
    for (int cell = first; cell <= last; ++cell) {
        const auto found = cells.find(cell);
        if (found == cells.end()) {
            read.text += QLatin1Char(' ');
            continue;
        }
        const double cellLeft = grid + cell * pitch;
        QChar match;
        for (const QChar c : alphabet) {
            const std::vector<QRectF> glyph = MicrGlyphRects(c, 10);
            if (glyph.size() != found->second.size())
                continue;
            bool same = true;
            for (size_t i = 0; i < glyph.size() && same; ++i) {
                const QRectF drawn = found->second[i].translated(-cellLeft, -baseline);
                same = std::abs(drawn.left() - glyph[i].left()) < 1e-6 && std::abs(drawn.top() - glyph[i].top()) < 1e-6
                       && std::abs(drawn.right() - glyph[i].right()) < 1e-6
                       && std::abs(drawn.bottom() - glyph[i].bottom()) < 1e-6;
            }
            if (same) {
                match = c;
                break;
            }
        }
        if (match.isNull()) {
            read.matched = false;
            read.text += QLatin1Char('?');
        } else {
            read.text += match;
        }
    }
    return read;
}
