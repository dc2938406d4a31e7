#pragma once

#include "ReportFixture.h"

#include "tests/payroll/PriorPeriodFixture.h"

#include "client/PayDataModule.h"
#include "client/PayHistoryMap.h"
#include "platform/report/ReportProject.h"

#include <QRegularExpression>

// Three hourly employees at 25.00 for 40 hours a week (Able, Baker, Carter), the weeks paid on
// 01/09, 01/16 and 01/23/2026 posted, Carter unpaid on 01/16. Printouts go to PDF files of the
// test's folder.
class PayDateHistoryTest : public ReportTestBase<PriorPeriodTest> {
protected:
    void postThreeWeeks()
    {
        module->RaveProject.ProjectFile = QCoreApplication::applicationDirPath() + QStringLiteral("/TAXFORMS.RAV");
        addHourlyEmployee(QStringLiteral("Able"), QStringLiteral("Ann"), 25.0);
        EmployeeRec.SocSecNum = QStringLiteral("212-55-6789");
        module->RSEmployee.PostRec();
        addHourlyEmployee(QStringLiteral("Baker"), QStringLiteral("Bob"), 25.0);
        addHourlyEmployee(QStringLiteral("Carter"), QStringLiteral("Cy"), 25.0);
        postPeriod(QDate(2026, 1, 9));
        postPeriod(QDate(2026, 1, 16), 1, 7, [this] { setStandardHours(3, 0); });
        setStandardHours(3, 40);
        postPeriod(QDate(2026, 1, 23));
    }

    void setStandardHours(int employee, int hours)
    {
        readEmployee(employee);
        EmployeeRec.StdRegTime = hours;
        module->RSEmployee.PostRec();
    }

    // Replaces what slot `slot` of employee `employee` stored: every amount 0 but the given ones.
    void writeSlot(int employee, int slot, const std::map<QString, double>& amounts, int checkNumber = 0)
    {
        readEmployee(employee);
        for (int row = 0; row < kPayHistoryRowCount; ++row)
            EmployeeRec.PayHistory[row][slot] = 0.0;
        for (const auto& [group, amount] : amounts)
            EmployeeRec.PayHistory[*PayHistoryRowOfGroup(AmountGroupNumber(group))][slot] = amount;
        EmployeeRec.CheckNumHistory[slot] = checkNumber;
        module->RSEmployee.PostRec();
    }

    // Runs a printout as its window's report system does, into the next PDF file.
    std::shared_ptr<const ReportDocument> print(const std::function<void(ReportCanvas&)>& draw,
                                                PageOrientation orientation = PageOrientation::Portrait)
    {
        ReportSystem system;
        system.OnBeforePrint = [orientation](ReportCanvas& report) { report.SetOrientation(orientation); };
        module->RaveProject.Engine = &system;
        system.OnPrint = draw;
        EXPECT_TRUE(system.Execute());
        module->RaveProject.Engine = nullptr;
        return system.Document();
    }

    // The PDF's text with every run of blanks made one blank, line by line.
    QString flatText() const
    {
        QString text = pdfText();
        return text.replace(QRegularExpression(QStringLiteral("[ \\t]+")), QStringLiteral(" "));
    }

    // The money or hours printed right of a label on the line of a page, or a note why not.
    static QString AmountBeside(const ReportDocument& document, int page, const QString& label, double amountX = 6.5)
    {
        const DrawOp* op = FindText(document, page, label);
        if (!op)
            return QStringLiteral("(no line)");
        for (const DrawOp& other : document.pages[page].ops) {
            if (other.kind == DrawOp::Kind::Text && other.align == TextAlign::Right && other.y1 == op->y1
                && other.x1 == amountX)
                return other.text;
        }
        return QStringLiteral("(no amount)");
    }

    static int CountText(const ReportDocument& document, int page, const QString& text)
    {
        return static_cast<int>(PageTexts(document, page).count(text));
    }
};
