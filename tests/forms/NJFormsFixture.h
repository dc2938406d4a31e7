#pragma once

#include "tests/client/ClientFixture.h"

#include "client/PayDataModule.h"
#include "client/PayUtil.h"
#include "components/StateTables.h"
#include "platform/report/ReportProject.h"
#include "platform/report/ReportSystem.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>

#include <functional>
#include <memory>

// What an employee has of the quarter (and, where the test says so, of the year).
struct NJQuarterPay {
    double gross = 0;          // wages
    double stateWages = 0;
    double uiWages = 0;
    double diEmployerWages = 0;
    double diWorkerWages = 0;
};

// A New Jersey client in its first quarter with everything posted, and the means to print into a
// document or a PDF file and read them back.
class NJFormsTest : public ClientTest {
protected:
    void SetUp() override
    {
        ClientTest::SetUp();
        // A client file is held exclusively by the opener that created it; reopened, it is shared
        // like any existing client.
        openClient();
        module->RSEmployee.CloseRecSet();
        openClient();
        module->RaveProject.ProjectFile = QCoreApplication::applicationDirPath() + QStringLiteral("/TAXFORMS.RAV");
        const int nj = StateNumber("NJ");
        CompanyRec.Name = QStringLiteral("Garden State Tools & Dies");
        CompanyRec.State = QStringLiteral("NJ");
        CompanyRec.CurrentState = nj;
        CompanyRec.StateID2[nj] = QStringLiteral("123-456-789/000");
        CompanyRec.UnempTaxRate[nj] = 2.575;
        CompanyRec.DisbTaxRate[nj] = 0.5;
        CompanyRec.CurrentQuarter = 1;
        CompanyRec.QuarterEndDate = QStringLiteral("03/31/2026");
        CompanyRec.PayrollPosted = true;
        module->RSCompany.PostRec();
    }

    static int StateNumber(const char* code) { return StateCodeIndex(QString::fromLatin1(code)) + 1; }

    // Appends an employee working in `state` with the quarter's pay in the month-, quarter- and
    // year-to-date columns; the caller may change more and must post.
    void addPaidEmployee(const QString& last, const NJQuarterPay& pay, const char* state = "NJ",
                         const QString& ssn = QStringLiteral("123-45-6789"))
    {
        addEmployee(last, QStringLiteral("Pat"));
        EmployeeRecord& e = EmployeeRec;
        e.WorkState = QString::fromLatin1(state);
        e.WorkStateIndex = StateNumber(state);
        e.SocSecNum = ssn;
        for (int c = kMonthToDateColumn; c <= kYearToDateColumn; ++c) {
            e.Wages[c] = pay.gross;
            e.StateEarning[c] = pay.stateWages;
            e.UnempEarning[c] = pay.uiWages;
            e.UICompWages[c] = pay.uiWages;
            e.DICompWages[c] = pay.diEmployerWages;
            e.DisbEarnings[c] = pay.diWorkerWages;
        }
        UpdateTotalColumns(kMonthToDateColumn);
        module->RSEmployee.PostRec();
    }

    // Reads employee record n (from 1) into EmployeeRec.
    void readEmployee(int n)
    {
        module->RSEmployee.SetCurrentRecord(n);
        module->RSEmployee.GetRec();
    }

    // Runs `draw` as a printout to `fileName` in the test's folder (no file: kept in memory only).
    std::shared_ptr<const ReportDocument> print(const std::function<void(ReportProject&)>& draw,
                                                const QString& fileName = QString())
    {
        ReportSystem system;
        ReportProject& project = module->RaveProject;
        project.Engine = &system;
        system.OnPrint = [&](ReportCanvas&) { draw(project); };
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

    // Keeps a copy of a PDF written to the test's folder in LEDGORA_SCREENSHOT_DIR, when set, to
    // be looked at.
    void keepForLooking(const QString& fileName)
    {
        const QString folder = qEnvironmentVariable("LEDGORA_SCREENSHOT_DIR");
        if (folder.isEmpty())
            return;
        const QString copy = QDir(folder).filePath(fileName);
        QFile::remove(copy);
        EXPECT_TRUE(QFile::copy(tempPath(fileName), copy));
    }
};

// The texts drawn on a page, in drawing order.
inline QStringList PageTexts(const ReportPage& page)
{
    QStringList texts;
    for (const DrawOp& op : page.ops) {
        if (op.kind == DrawOp::Kind::Text)
            texts << op.text;
    }
    return texts;
}

// The text operation on the page whose text is `text`; null when there is none.
inline const DrawOp* FindText(const ReportPage& page, const QString& text)
{
    for (const DrawOp& op : page.ops) {
        if (op.kind == DrawOp::Kind::Text && op.text == text)
            return &op;
    }
    return nullptr;
}
