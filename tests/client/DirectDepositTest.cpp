#include "ClientFixture.h"

#include "client/PayUtil.h"
#include "platform/Exceptions.h"

#include <QFile>

class DirectDepositTest : public ClientTest {
protected:
    void SetUp() override
    {
        ClientTest::SetUp();
        openClient();
        CompanyRec.AccountID = QStringLiteral("A7");
        CompanyRec.PayDate = QStringLiteral("03/05/2026");
        CompanyRec.DirDeposit = true;
        module->RSCompany.PostRec();
    }

    void addDepositor(const QString& last, const QString& first, double netPay, const QString& type)
    {
        addEmployee(last, first);
        EmployeeRec.DirDeposit = true;
        EmployeeRec.BankAcctNum = QStringLiteral("000123456789");
        EmployeeRec.BankRouting = QStringLiteral("021000021");
        EmployeeRec.EmployeeID = QStringLiteral("E-") + last.left(3).toUpper();
        EmployeeRec.AccountType = type;
        EmployeeRec.NetPay[1] = netPay;
        module->RSEmployee.PostRec();
    }

    QString depositFile() const { return tempPath(QStringLiteral("ACME.txt")); }
};

TEST_F(DirectDepositTest, ExactLinesOfTheQualifyingEmployees)
{
    addDepositor(QStringLiteral("Adams"), QStringLiteral("Ann"), 1234.5, QStringLiteral("Checking"));
    addDepositor(QStringLiteral("Baker"), QStringLiteral("Bob"), 0, QStringLiteral("Checking"));      // nothing to deposit
    addDepositor(QStringLiteral("Clark"), QStringLiteral("Cy"), 88.057, QStringLiteral("Savings"));
    addDepositor(QStringLiteral("Dunn"), QStringLiteral("Di"), 10, QStringLiteral("checking"));       // not exactly "Checking"
    addEmployee(QStringLiteral("Evans"), QStringLiteral("Ed"));                                       // paid by check
    EmployeeRec.NetPay[1] = 500;
    module->RSEmployee.PostRec();
    addDepositor(QStringLiteral("Wolfeschlegelsteiner"), QStringLiteral("Bartholomew-Jon"), 2, QStringLiteral("Checking"));
    EmployeeRec.FullName = QStringLiteral("Bartholomew-Jon Wolfeschlegelsteiner ");
    module->RSEmployee.PostRec();
    module->RSEmployee.SetCurrentRecord(3);
    module->RSEmployee.GetRec();

    ExportDirectDeposit();
    EXPECT_EQ(QString::fromLatin1(ReadTestFile(depositFile())),
              QStringLiteral("A7,Ann Adams,000123456789,021000021,E-ADA,1234.50,5,22,\r\n"
                         "A7,Cy Clark,000123456789,021000021,E-CLA,88.06,5,32,\r\n"
                         "A7,Di Dunn,000123456789,021000021,E-DUN,10.00,5,32,\r\n"
                         "A7,Bartholomew-Jon Wolfes,000123456789,021000021,E-WOL,2.00,5,22,\r\n"));
    EXPECT_EQ(module->RSEmployee.CurrentRecord(), 3);
    EXPECT_EQ(EmployeeRec.LastName.get(), QStringLiteral("Clark"));
}

TEST_F(DirectDepositTest, PayDayAndEightBitCharacters)
{
    addDepositor(QStringLiteral("Müller"), QStringLiteral("Zoë"), 100, QStringLiteral("Checking"));
    EmployeeRec.FullName = QStringLiteral("Zoë Müller");
    module->RSEmployee.PostRec();
    CompanyRec.PayDate = QStringLiteral("12/31/2026");
    ExportDirectDeposit();
    EXPECT_EQ(ReadTestFile(depositFile()), QByteArray("A7,Zo\xEB M\xFCller,000123456789,021000021,E-M\xDCL,100.00,31,22,\r\n"));
    CompanyRec.PayDate = QStringLiteral("  /  /    ");
    ExportDirectDeposit();
    EXPECT_TRUE(ReadTestFile(depositFile()).contains(",100.00,0,22,\r\n"));
}

TEST_F(DirectDepositTest, NoQualifyingEmployeeLeavesNoFile)
{
    WriteTestFile(depositFile(), QByteArray("A7,old run\r\n"));
    addDepositor(QStringLiteral("Adams"), QStringLiteral("Ann"), 0, QStringLiteral("Checking"));
    ExportDirectDeposit();
    EXPECT_FALSE(QFile::exists(depositFile()));
}

TEST_F(DirectDepositTest, FieldThatWouldBreakTheLineIsRefused)
{
    addDepositor(QStringLiteral("Adams"), QStringLiteral("Ann"), 10, QStringLiteral("Checking"));
    addDepositor(QStringLiteral("Baker"), QStringLiteral("Bob"), 20, QStringLiteral("Checking"));
    const EmployeeRecord baker = EmployeeRec;
    struct {
        const char* what;
        void (*spoil)();
        const char* message;
    } const cases[] = {
        {"account", [] { EmployeeRec.BankAcctNum = QStringLiteral("0001,23"); }, "The bank account number of Bob Baker holds"},
        {"routing", [] { EmployeeRec.BankRouting = QStringLiteral("02100\n021"); }, "The bank routing number of Bob Baker holds"},
        {"id", [] { EmployeeRec.EmployeeID = QStringLiteral("E\r1"); }, "The employee I.D. of Bob Baker holds"},
        {"name", [] { EmployeeRec.FullName = QStringLiteral("Bob Baker, Jr"); }, "The name of Bob Baker, Jr holds"},
        {"company", [] { CompanyRec.AccountID = QStringLiteral("A,7"); }, "The company's direct-deposit account I.D. holds"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        CompanyRec.AccountID = QStringLiteral("A7");
        EmployeeRec = baker;
        EmployeeRec.FullName = QStringLiteral("Bob Baker");
        c.spoil();
        module->RSEmployee.PostRec();
        module->RSCompany.PostRec();
        WriteTestFile(depositFile(), QByteArray("old run\r\n"));
        try {
            ExportDirectDeposit();
            ADD_FAILURE() << "Nothing was refused";
        } catch (const ECustomException& e) {
            EXPECT_TRUE(e.message().startsWith(QString::fromLatin1(c.message))) << e.message().toStdString();
            EXPECT_TRUE(e.message().contains(QStringLiteral("No direct-deposit file was written.")));
        }
        EXPECT_EQ(ReadTestFile(depositFile()), QByteArray("old run\r\n"));  // the file of the earlier run stays
    }
    // A comma beyond the 22 characters written does no harm.
    EmployeeRec = baker;
    EmployeeRec.FullName = QStringLiteral("Bartholomew-Jon Bakers, Jr");
    module->RSEmployee.PostRec();
    CompanyRec.AccountID = QStringLiteral("A7");
    ExportDirectDeposit();
    EXPECT_TRUE(ReadTestFile(depositFile()).contains("A7,Bartholomew-Jon Bakers,000123456789,"));
}

TEST_F(DirectDepositTest, FileThatCannotBeWrittenIsReported)
{
    addDepositor(QStringLiteral("Adams"), QStringLiteral("Ann"), 10, QStringLiteral("Checking"));
    CurFileName = tempPath(QStringLiteral("missing-folder/ACME.P26"));
    EXPECT_THROW(ExportDirectDeposit(), EInOutError);
}
