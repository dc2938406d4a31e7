#pragma once

#include "FormChecks.h"
#include "tests/payroll/PostingFixture.h"
#include "tests/ui/FormsFixture.h"

#include "client/PayRecords.h"
#include "platform/Registry.h"
#include "platform/report/ReportSystem.h"

#include <QDate>
#include <QDir>
#include <QImage>
#include <QWidget>

// A client whose first quarter of 2026 is posted: two employees paid on one date in each month
// (01/09, 02/13 and 03/13), the company named, with its EIN, and the program's layouts and page
// pictures beside the program. Print runs go to a PDF file the test names.
class FormTest : public PostingTest {
protected:
    void SetUp() override
    {
        PostingTest::SetUp();
        AppRegistry = std::make_unique<Registry>();
        RegistryRoot = QStringLiteral("Software\\Ledgora\\2026\\");
        CopyShippedForms(programDir());
        CompanyRec.Name = QStringLiteral("Dover Bakery & Cafe");
        CompanyRec.FederalID = QStringLiteral("12-3456789");
        CompanyRec.Address = QStringLiteral("5 Loockerman St");
        CompanyRec.City = QStringLiteral("Dover");
        CompanyRec.State = QStringLiteral("DE");
        CompanyRec.ZipCode = QStringLiteral("19901");
        module->RSCompany.PostRec();
        addPaidEmployee(QStringLiteral("Lee"), 1000);
        addPaidEmployee(QStringLiteral("Diaz"), 600);
        PostPayroll();
        // Weeks ending on their pay dates: March's includes the 12th, for line 1 of Form 941.
        for (const char* payDate : {"02/13/2026", "03/13/2026"}) {
            const QDate date = QDate::fromString(QString::fromLatin1(payDate), QStringLiteral("MM/dd/yyyy"));
            const auto text = [](const QDate& day) { return day.toString(QStringLiteral("MM/dd/yyyy")); };
            openPeriod(text(date.addDays(-6)), text(date), text(date), 1);
            payEveryoneAgain();
            PostPayroll();
        }
        ASSERT_TRUE(CompanyRec.PayrollPosted);
        ASSERT_EQ(CompanyRec.CurrentQuarter, 1);
    }

    void TearDown() override
    {
        ReportSystem::SetOutputOptionsHandler(nullptr);
        PostingTest::TearDown();
    }

    // Sends the next report runs to a PDF file instead of the preview.
    void printTo(const QString& pdf)
    {
        ReportSystem::SetOutputOptionsHandler([pdf](const ReportSystem&, OutputChoice& choice) {
            choice.destination = ReportDestination::File;
            choice.fileName = pdf;
            return true;
        });
    }

    // The shipped layout of that name.
    static ReportLayout shippedLayout(const QString& name) { return ReadLayout(ReportProjectFileName(), name); }

    // Saves a picture of the window in the test's folder, and in LEDGORA_SCREENSHOT_DIR when set.
    void screenshot(QWidget& window, const QString& name)
    {
        const QImage picture = window.grab().toImage();
        EXPECT_TRUE(picture.save(tempPath(name)));
        const QString folder = qEnvironmentVariable("LEDGORA_SCREENSHOT_DIR");
        if (!folder.isEmpty())
            picture.save(QDir(folder).filePath(name));
    }

private:
    // Each employee is paid as on the first date.
    void payEveryoneAgain()
    {
        const int count = module->RSEmployee.RecordCount();
        for (int n = 1; n <= count; ++n) {
            readEmployee(n);
            const double wages = n == 1 ? 1000 : 600;
            EmployeeRecord& e = EmployeeRec;
            e.Wages[kCurrentColumn] = wages;
            e.FICATax[kCurrentColumn] = e.FICALib[kCurrentColumn] = Cents(wages * 0.062);
            e.MedicareTax[kCurrentColumn] = e.MedicareLib[kCurrentColumn] = Cents(wages * 0.0145);
            e.FederalTax[kCurrentColumn] = Cents(wages * 0.1);
            e.StateTax[kCurrentColumn] = Cents(wages * 0.03);
            e.FUTALib[kCurrentColumn] = Cents(wages * 0.006);
            UpdateTotalColumns(kCurrentColumn);
            module->RSEmployee.PostRec();
        }
    }
};
