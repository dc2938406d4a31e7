#include "tests/forms/NJFormsFixture.h"

#include "forms/NJBox14Transfer.h"
#include "platform/AppMessageBox.h"
#include "platform/Exceptions.h"

namespace {

const QString kQuestion =
    QStringLiteral("Replace box 14 of the New Jersey employees' Forms W-2 with their UI/WF/SWF, DI and FLI amounts?");

struct Box14 {
    QString desc[3];
    double amount[3];
};

class NJBox14TransferTest : public NJFormsTest {
protected:
    // A New Jersey employee with the year's UI tax 190.40, DI tax 40.00 and DI wages 12,345.67,
    // and a Pennsylvania employee with the same amounts; both with old box 14 entries.
    void SetUp() override
    {
        NJFormsTest::SetUp();
        for (const char* state : {"NJ", "PA"}) {
            addPaidEmployee(QString::fromLatin1(state), {12345.67, 12345.67, 12345.67, 12345.67, 12345.67}, state);
            EmployeeRecord& e = EmployeeRec;
            e.UnempTax[kYearToDateColumn] = 190.40;
            e.DisbTax[kYearToDateColumn] = 40.00;
            e.FW2Box14Desc1 = QStringLiteral("OLD1");
            e.FW2Box14Amt1 = 1.00;
            e.FW2Box14Desc2 = QStringLiteral("OLD2");
            e.FW2Box14Amt2 = 2.00;
            e.FW2Box14Desc3 = QStringLiteral("OLD3");
            e.FW2Box14Amt3 = 3.00;
            module->RSEmployee.PostRec();
        }
    }

    Box14 box14(int record)
    {
        readEmployee(record);
        const EmployeeRecord& e = EmployeeRec;
        return {{e.FW2Box14Desc1, e.FW2Box14Desc2, e.FW2Box14Desc3}, {e.FW2Box14Amt1, e.FW2Box14Amt2, e.FW2Box14Amt3}};
    }

    void expectBox14(int record, const Box14& expected)
    {
        const Box14 stored = box14(record);
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(stored.desc[i], expected.desc[i]) << "entry " << i + 1;
            EXPECT_NEAR(stored.amount[i], expected.amount[i], 1e-9) << "entry " << i + 1;
        }
    }

    const Box14 old{{QStringLiteral("OLD1"), QStringLiteral("OLD2"), QStringLiteral("OLD3")}, {1.00, 2.00, 3.00}};
};

TEST_F(NJBox14TransferTest, StatePlanWritesUiTdiAndFliOfNewJerseyEmployees)
{
    messages.expect(IdYes, kQuestion);
    messages.expect(IdOk, QStringLiteral("Box 14 of 1 New Jersey employee's Form W-2 was updated."));
    EXPECT_EQ(RunNJBox14Transfer(QStringLiteral("S")), 1);
    EXPECT_EQ(messages.shown()[0].flags, MbYesNo | MbIconQuestion | MbDefButton2);
    expectBox14(1, {{QStringLiteral("UI/WF/SWF"), QStringLiteral("TDI"), QStringLiteral("FLI")}, {190.40, 11.60, 28.40}});
    expectBox14(2, old);
}

TEST_F(NJBox14TransferTest, PrivateOrNoPlanWritesUiAndFliOnly)
{
    for (const char* plan : {"P", "N"}) {
        messages.expect(IdYes, kQuestion);
        messages.expect(IdOk, QStringLiteral("was updated"));
        EXPECT_EQ(RunNJBox14Transfer(QString::fromLatin1(plan)), 1);
        expectBox14(1, {{QStringLiteral("UI/WF/SWF"), QStringLiteral("FLI"), QString()}, {190.40, 28.40, 0.00}});
    }
}

TEST_F(NJBox14TransferTest, NoChangesNothing)
{
    messages.expect(IdNo, kQuestion);
    EXPECT_EQ(RunNJBox14Transfer(QStringLiteral("S")), -1);
    expectBox14(1, old);
}

TEST_F(NJBox14TransferTest, ExemptOrUntaxedEntriesKeepWhatTheyHeld)
{
    readEmployee(1);
    EmployeeRec.DisbExempt = true;
    EmployeeRec.UnempTax[kYearToDateColumn] = 0;
    module->RSEmployee.PostRec();
    EXPECT_EQ(TransferNJBox14(QStringLiteral("S")), 0);
    expectBox14(1, old);

    readEmployee(1);
    EmployeeRec.DisbExempt = false;
    EmployeeRec.UnempExempt = true;
    EmployeeRec.UnempTax[kYearToDateColumn] = 190.40;
    module->RSEmployee.PostRec();
    EXPECT_EQ(TransferNJBox14(QStringLiteral("S")), 1);
    expectBox14(1, {{QStringLiteral("OLD1"), QStringLiteral("TDI"), QStringLiteral("FLI")}, {1.00, 11.60, 28.40}});
}

TEST_F(NJBox14TransferTest, TdiAndFliAddUpToTheDisabilityTaxWithheld)
{
    readEmployee(1);
    // FLI 28.405 and TDI 11.595 would each round up and print 40.01 in all.
    EmployeeRec.DisbEarnings[kYearToDateColumn] = 12350.00;
    module->RSEmployee.PostRec();
    TransferNJBox14(QStringLiteral("S"));
    const Box14 stored = box14(1);
    EXPECT_DOUBLE_EQ(stored.amount[2], 28.41);
    EXPECT_DOUBLE_EQ(stored.amount[1], 11.59);
}

TEST_F(NJBox14TransferTest, BrowseOnlyClientIsRefused)
{
    TFrmDataModule second;
    FrmDataModule = &second;
    messages.expect(IdOk, QStringLiteral(" is already in use!"));
    ASSERT_TRUE(second.OpenClient(clientPath()));
    try {
        RunNJBox14Transfer(QStringLiteral("S"));
        ADD_FAILURE() << "The transfer ran in browse mode";
    } catch (const ERecordSetException& error) {
        EXPECT_EQ(error.message(), QStringLiteral("Function is not executable in browse mode."));
    }
    second.RSEmployee.CloseRecSet();
    FrmDataModule = module.get();
    expectBox14(1, old);
}

} // namespace
