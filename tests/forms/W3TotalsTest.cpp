#include "W2Fixture.h"

#include "forms/W2Forms.h"
#include "forms/W3Totals.h"

namespace {

class W3TotalsTest : public W2Test {
protected:
    // A: 30,000.00 of box 1 with 2,000.00 deferred into a 401(k) (posted code D) and 500.00 typed
    // under AA; B: everything deferred; C: only dependent care benefits, so no W-2.
    void addHandWorkedEmployees()
    {
        const int y = kYearToDateColumn;
        addW2Employee(QStringLiteral("Adams"), QStringLiteral("Ann"), 30000);
        EmployeeRecord& a = EmployeeRec;
        a.FICAEarnings[y] = a.MedEarnings[y] = 32000;
        a.FICATax[y] = 1984;
        a.MedicareTax[y] = 464;
        a.FW2Box12Code[1] = QStringLiteral("D");
        a.FW2Box12Amt[1] = 2000;
        a.FW2Box12Code[6] = QStringLiteral("aa");
        a.FW2Box12Amt[6] = 500;
        module->RSEmployee.PostRec();

        addW2Employee(QStringLiteral("Baker"), QStringLiteral("Bo"), 0);
        EmployeeRecord& b = EmployeeRec;
        b.FICAEarnings[y] = b.MedEarnings[y] = 1200;
        b.FICATax[y] = 74.40;
        b.MedicareTax[y] = 17.40;
        b.FW2Box12Code[1] = QStringLiteral("D");
        b.FW2Box12Amt[1] = 1200;
        module->RSEmployee.PostRec();

        addW2Employee(QStringLiteral("Cole"), QStringLiteral("Cy"), 0);
        EmployeeRec.DepCareBen[y] = 300;
        EmployeeRec.StateTax[y] = 0;
        module->RSEmployee.PostRec();
    }
};

TEST_F(W3TotalsTest, TotalsAreTheSumOfTheW2s)
{
    addHandWorkedEmployees();
    readEmployee(2);
    const W3StateBox box15 = CalcW3Totals(CompanyRec);
    EXPECT_EQ(QString(EmployeeRec.LastName), QStringLiteral("Baker"));   // the walk put it back
    EXPECT_EQ(GetNumToPrint(), 2);
    const auto& box = CompanyRec.FW3Amount;
    EXPECT_DOUBLE_EQ(box[1], 30000.00);
    EXPECT_DOUBLE_EQ(box[2], 3000.00);
    EXPECT_DOUBLE_EQ(box[3], 33200.00);
    EXPECT_DOUBLE_EQ(box[4], 2058.40);
    EXPECT_DOUBLE_EQ(box[5], 33200.00);
    EXPECT_DOUBLE_EQ(box[6], 481.40);
    EXPECT_DOUBLE_EQ(box[10], 0);                  // C gets no W-2
    EXPECT_DOUBLE_EQ(box[kW3Box12a], 3700.00);     // D 2,000 + AA 500 + D 1,200
    EXPECT_DOUBLE_EQ(CompanyRec.FW3Box16, 30000.00);
    EXPECT_TRUE(box15.oneState);
    EXPECT_EQ(box15.code, QStringLiteral("PA"));
    EXPECT_EQ(box15.stateId, QStringLiteral("8765-432"));

    const FormParams params = W3Params(CompanyRec, 2, box15, true, QStringLiteral("01/29/2027"));
    EXPECT_EQ(params.Get(QStringLiteral("Boxc")), QStringLiteral("2"));
    EXPECT_EQ(params.Get(QStringLiteral("Box3")), QStringLiteral("33200.00"));
    EXPECT_EQ(params.Get(QStringLiteral("Box12a")), QStringLiteral("3700.00"));
    EXPECT_FALSE(params.Has(QStringLiteral("Box10")));
    EXPECT_EQ(params.Get(QStringLiteral("Box15")), QStringLiteral("PA"));
    EXPECT_EQ(params.Get(QStringLiteral("EmployerStateID")), QStringLiteral("8765-432"));
    EXPECT_EQ(params.Get(QStringLiteral("Date")), QStringLiteral("01/29/2027"));
}

TEST_F(W3TotalsTest, Box15NamesOneStateOnlyWhenEveryW2Does)
{
    const struct {
        const char* secondWorkState;
        const char* secondStateLine;   // of the first employee
        bool oneState;
    } cases[] = {
        {"PA", "", true},
        {"PA", "pa", true},
        {"NJ", "", false},
        {"PA", "NJ", false},
    };
    addW2Employee(QStringLiteral("Adams"), QStringLiteral("Ann"), 1000);
    addW2Employee(QStringLiteral("Baker"), QStringLiteral("Bo"), 1000);
    CompanyRec.CurrentState = StateNumber("NJ");   // the state the screen happens to show counts for nothing
    for (const auto& c : cases) {
        readEmployee(1);
        EmployeeRec.FW2Box15Text = QString::fromLatin1(c.secondStateLine);
        module->RSEmployee.PostRec();
        readEmployee(2);
        EmployeeRec.WorkState = QString::fromLatin1(c.secondWorkState);
        module->RSEmployee.PostRec();
        const W3StateBox box15 = CalcW3Totals(CompanyRec);
        EXPECT_EQ(box15.oneState, c.oneState) << c.secondWorkState << " " << c.secondStateLine;
        const FormParams params = W3Params(CompanyRec, 2, box15, true, QString());
        EXPECT_EQ(params.Get(QStringLiteral("Box15")), c.oneState ? QStringLiteral("PA") : QStringLiteral("X"));
        EXPECT_EQ(params.Has(QStringLiteral("EmployerStateID")), c.oneState);
    }
}

TEST_F(W3TotalsTest, ThirdPartySickPayAddsItsTaxesAndChecksItsMark)
{
    addW2Employee(QStringLiteral("Adams"), QStringLiteral("Ann"), 1000);
    const int y = kYearToDateColumn;
    EmployeeRec.TPSPFederalTax[y] = 40;
    EmployeeRec.TPSPFICATax[y] = 12.40;
    EmployeeRec.TPSPMedicareTax[y] = 2.90;
    module->RSEmployee.PostRec();
    CalcW3Totals(CompanyRec);
    EXPECT_DOUBLE_EQ(CompanyRec.FW3Amount[2], 140.00);
    EXPECT_DOUBLE_EQ(CompanyRec.FW3Amount[4], 74.40);
    EXPECT_DOUBLE_EQ(CompanyRec.FW3Amount[6], 17.40);
    EXPECT_DOUBLE_EQ(CompanyRec.FW3Box14, 40.00);
    EXPECT_TRUE(CompanyRec.FW3ChkMark[kThirdPartySickPayMark]);
    EXPECT_EQ(W3Params(CompanyRec, 1, {}, true, QString()).Get(QStringLiteral("Boxb13")), QStringLiteral("X"));
}

TEST_F(W3TotalsTest, ChecksKindOfPayerEmployerAndContactInThatOrder)
{
    CompanyRecord& c = CompanyRec;
    c.FW3ChkMark = {};
    c.FW3Contact = QString();
    ASSERT_TRUE(CheckW3(c));
    EXPECT_EQ(CheckW3(c)->check, W3Check::KindOfPayer);
    c.FW3ChkMark[kLastKindOfPayer] = true;
    EXPECT_EQ(CheckW3(c)->check, W3Check::KindOfEmployer);
    c.FW3ChkMark[kFirstKindOfEmployer] = true;
    EXPECT_EQ(CheckW3(c)->check, W3Check::Contact);
    EXPECT_EQ(CheckW3(c)->message, QStringLiteral("Employer's contact person is missing."));
    c.FW3Contact = QStringLiteral("Pat Doe");
    EXPECT_FALSE(CheckW3(c));
}

TEST_F(W3TotalsTest, OptionalParametersFollowTheirRules)
{
    CompanyRecord& c = CompanyRec;
    c.FW3OtherID = QStringLiteral("  -       ");
    c.FaxNumber = QStringLiteral("5551234");
    c.SignForm = true;
    c.SignerName = QStringLiteral("Pat Doe");
    c.SignerTitle = QStringLiteral("owner");
    c.FW3Amount[7] = 0.004;
    FormParams params = W3Params(c, 0, {}, true, QStringLiteral("not a date"));
    EXPECT_FALSE(params.Has(QStringLiteral("Boxh")));
    EXPECT_FALSE(params.Has(QStringLiteral("FaxNum")));
    EXPECT_FALSE(params.Has(QStringLiteral("Box7")));
    EXPECT_FALSE(params.Has(QStringLiteral("Date")));
    EXPECT_FALSE(params.Has(kFormCopyParam));
    EXPECT_EQ(params.Get(QStringLiteral("Signature")), QStringLiteral("Pat Doe"));
    EXPECT_EQ(params.Get(QStringLiteral("Title")), QStringLiteral("OWNER"));

    c.FW3OtherID = QStringLiteral("98-7654321");
    c.FaxNumber = QStringLiteral("555-123-4567");
    params = W3Params(c, 0, {}, false, QString());
    EXPECT_EQ(params.Get(QStringLiteral("Boxh")), QStringLiteral("98-7654321"));
    EXPECT_EQ(params.Get(QStringLiteral("FaxNum")), QStringLiteral("555-123-4567"));
    EXPECT_EQ(params.Get(kFormCopyParam), kFileCopyText);
    EXPECT_FALSE(params.Has(QStringLiteral("Signature")));
    EXPECT_FALSE(params.Has(QStringLiteral("Title")));
}

} // namespace
