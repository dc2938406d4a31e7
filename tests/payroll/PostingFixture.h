#pragma once

#include "tests/client/ClientFixture.h"

#include "client/FileNames.h"
#include "client/PayUtil.h"
#include "components/StateTables.h"
#include "payroll/Posting.h"

#include <QFile>

// A client with an open, computed pay period, ready to post. Posting is confirmed without asking.
class PostingTest : public ClientTest {
protected:
    void SetUp() override
    {
        ClientTest::SetUp();
        PostingConfirmation = [this] {
            ++confirmations;
            return confirmAnswer;
        };
        // A client file is held exclusively by the opener that created it; reopened, it is shared
        // like any existing client.
        openClient();
        module->RSEmployee.CloseRecSet();
        openClient();
        openPeriod(QStringLiteral("01/01/2026"), QStringLiteral("01/07/2026"), QStringLiteral("01/09/2026"), 1);
    }

    void TearDown() override
    {
        PostingConfirmation = nullptr;
        AfterEmployeePosted = nullptr;
        ClientTest::TearDown();
    }

    static int StateNumber(const char* code) { return StateCodeIndex(QString::fromLatin1(code)) + 1; }

    // Opens the pay period in the company record and writes it.
    void openPeriod(const QString& from, const QString& to, const QString& payDate, int frequency)
    {
        CompanyRec.PayDateFrom = from;
        CompanyRec.PayDateTo = to;
        CompanyRec.PayDate = payDate;
        CompanyRec.ProcessFrequency = static_cast<std::uint8_t>(frequency);
        CompanyRec.PayrollPosted = false;
        module->RSCompany.PostRec();
    }

    // Sets the weekly base wages of a state in the state table.
    void setBaseWages(const char* state, double amount)
    {
        TRecordSet& table = module->RSState;
        table.SetCurrentRecord(StateNumber(state));
        table.GetRec();
        StateTaxRec.BaseWages = amount;
        table.PostRec();
    }

    // Appends an employee paid `wages` this period at `frequency`, working in `state`, with the
    // taxes a simple computation would give; the caller may change more and must post.
    void addPaidEmployee(const QString& last, double wages, int frequency = 1, const char* state = "PA")
    {
        addEmployee(last, QStringLiteral("Pat"));
        EmployeeRecord& e = EmployeeRec;
        e.Frequency = static_cast<std::uint8_t>(frequency);
        e.WorkState = QString::fromLatin1(state);
        e.WorkStateIndex = StateNumber(state);
        payCurrent(wages);
        module->RSEmployee.PostRec();
    }

    // Pays the current employee `wages` this period with the taxes of a simple computation, at
    // the rates given; the caller posts.
    static void payCurrent(double wages, double federalRate = 0.1, double stateRate = 0.03)
    {
        EmployeeRecord& e = EmployeeRec;
        e.Wages[kCurrentColumn] = wages;
        e.FICATax[kCurrentColumn] = e.FICALib[kCurrentColumn] = Cents(wages * 0.062);
        e.MedicareTax[kCurrentColumn] = e.MedicareLib[kCurrentColumn] = Cents(wages * 0.0145);
        e.FederalTax[kCurrentColumn] = Cents(wages * federalRate);
        e.StateTax[kCurrentColumn] = Cents(wages * stateRate);
        e.FUTALib[kCurrentColumn] = Cents(wages * 0.006);
        UpdateTotalColumns(kCurrentColumn);
    }

    // Reads employee record n (from 1) into EmployeeRec.
    void readEmployee(int n)
    {
        module->RSEmployee.SetCurrentRecord(n);
        module->RSEmployee.GetRec();
    }

    QString companyFile() const { return ChangeFileExt(clientPath(), QStringLiteral(".C26")); }

    // Both client files as they lie on disk.
    QByteArray clientBytes() const { return ReadTestFile(companyFile()) + ReadTestFile(clientPath()); }

    static double Cents(double amount) { return std::round(amount * 100) / 100; }

    int confirmations = 0;
    bool confirmAnswer = true;
};
