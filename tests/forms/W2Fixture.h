#pragma once

#include "FormChecks.h"
#include "tests/client/ClientFixture.h"

#include "client/PayRecords.h"
#include "client/PayUtil.h"
#include "components/StateTables.h"
#include "platform/report/ReportProject.h"
#include "platform/report/ReportSystem.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QRectF>

#include <functional>
#include <memory>
#include <vector>

// A client whose employees carry year-to-date W-2 amounts, with the layouts as the build ships
// them, and the means to print a W-2 run into a document or a PDF and read it back.
class W2Test : public ClientTest {
protected:
    void SetUp() override
    {
        ClientTest::SetUp();
        openClient();
        module->RaveProject.ProjectFile = QCoreApplication::applicationDirPath() + QStringLiteral("/TAXFORMS.RAV");
        CompanyRec.Name = QStringLiteral("Acme Tools");
        CompanyRec.Address = QStringLiteral("1 Main St");
        CompanyRec.City = QStringLiteral("Springfield");
        CompanyRec.State = QStringLiteral("PA");
        CompanyRec.ZipCode = QStringLiteral("17000");
        CompanyRec.FederalID = QStringLiteral("12-3456789");
        CompanyRec.StateID[StateNumber("PA")] = QStringLiteral("8765-432");
        module->RSCompany.PostRec();
        CompanyCityStateZip = BuildCompanyCityStateZip();
    }

    static int StateNumber(const char* code) { return StateCodeIndex(QString::fromLatin1(code)) + 1; }

    // Appends an employee with these year-to-date wages in boxes 1, 3 and 5 and the taxes on
    // them; the caller may change more and must post.
    void addW2Employee(const QString& last, const QString& first, double wages)
    {
        addEmployee(last, first, QStringLiteral("Quincy"));
        EmployeeRecord& e = EmployeeRec;
        e.MiddleInitial = QStringLiteral("Q");
        e.SocSecNum = QStringLiteral("231-45-6789");
        e.Address = QStringLiteral("10 Elm St");
        e.CityStateZip = QStringLiteral("Springfield, PA 17001");
        e.WorkState = QStringLiteral("PA");
        e.WorkStateIndex = StateNumber("PA");
        e.CityIndex = 1;
        e.CityName = QStringLiteral("NONE");
        const int y = kYearToDateColumn;
        e.FedEarnings[y] = wages;
        e.FICAEarnings[y] = wages;
        e.MedEarnings[y] = wages;
        e.StateEarning[y] = wages;
        e.FederalTax[y] = wages / 10;
        e.FICATax[y] = wages * 0.062;
        e.MedicareTax[y] = wages * 0.0145;
        e.StateTax[y] = wages * 0.0307;
        module->RSEmployee.PostRec();
        RebuildRecIndex = true;
    }

    // Reads employee record n (from 1) into EmployeeRec.
    void readEmployee(int n)
    {
        module->RSEmployee.SetCurrentRecord(n);
        module->RSEmployee.GetRec();
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

    // The texts drawn on a page, in drawing order.
    static QStringList Texts(const ReportPage& page)
    {
        QStringList texts;
        for (const DrawOp& op : page.ops) {
            if (op.kind == DrawOp::Kind::Text)
                texts << op.text;
        }
        return texts;
    }

    // Renders the PDF's pages to PNGs in LEDGORA_SCREENSHOT_DIR, when set, to be looked at.
    void renderPages(const QString& fileName, const QString& image)
    {
        const QString folder = qEnvironmentVariable("LEDGORA_SCREENSHOT_DIR");
        if (folder.isEmpty())
            return;
        QProcess::execute(QStringLiteral("pdftoppm"), {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("100"),
                                                       tempPath(fileName), QDir(folder).filePath(image)});
    }
};
