#pragma once

#include "tests/client/ClientFixture.h"

#include "client/PayRecords.h"
#include "efw2/EFW2ClientFile.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <map>

// A small client ready for its EFW2 file: the company with its Form W-3 marks, a complete
// submitter and two employees who get a Form W-2, the second with allocated tips.
class EFW2Test : public ClientTest {
protected:
    void SetUp() override
    {
        ClientTest::SetUp();
        openClient();
        files.submitterFile = tempPath(QStringLiteral("Ledgora.W2S"));
        files.processedClientsFile = tempPath(QStringLiteral("Ledgora.CPF"));
        files.efw2Dir = tempPath(QStringLiteral("Documents/Data/EFW2/"));
        files.masterFile = files.efw2Dir + QStringLiteral("FormsW2Report.txt");
        fillCompany();
        fillSubmitter(run.submitter);
        addEmployees();
    }

    static void fillCompany()
    {
        CompanyRec.Name = QStringLiteral("Acme Tools");
        CompanyRec.Address = QStringLiteral("1 Main St");
        CompanyRec.SuiteNum = QStringLiteral("200");
        CompanyRec.City = QStringLiteral("Springfield");
        CompanyRec.State = QStringLiteral("PA");
        CompanyRec.ZipCode = QStringLiteral("17000-1234");
        CompanyRec.FederalID = QStringLiteral("12-3456789");
        CompanyRec.PhoneNumber = QStringLiteral("215-555-0100");
        CompanyRec.EmailAddress = QStringLiteral("Payroll@Acme.com");
        CompanyRec.FW3Contact = QStringLiteral("Pat Jones");
        CompanyRec.FW3ChkMark[1] = true;  // Form 941 payer
        CompanyRec.FW3ChkMark[8] = true;  // none of the kinds of employer apply
    }

    static void fillSubmitter(EFW2SubmitterRecord& s)
    {
        s.EIN = QStringLiteral("98-7654321");
        s.UserID = QStringLiteral("ABCD1234");
        s.ResubInd = QStringLiteral("0");
        s.CompanyName = QStringLiteral("Acme Tools");
        s.DeliveryAddr = QStringLiteral("1 Main St");
        s.City = QStringLiteral("Springfield");
        s.StateCode = QStringLiteral("PA");
        s.ZipCode = QStringLiteral("17000");
        s.ZipCodeExt = QStringLiteral("1234");
        s.SubmitName = QStringLiteral("Books & Co");
        s.SubmitAddr2 = QStringLiteral("5 Oak Ave");
        s.SubmitCity = QStringLiteral("Harrisburg");
        s.SubmitState = QStringLiteral("PA");
        s.SubmitZip = QStringLiteral("17101");
        s.ContactName = QStringLiteral("Pat Jones");
        s.ContactPhone = QStringLiteral("717-555-0199");
        s.ContactEmail = QStringLiteral("Pat@Books.com");
        s.ContactFax = QStringLiteral("   -   -    ");
        s.PreparerCode = QStringLiteral("A");
    }

    void addEmployees()
    {
        const int y = kYearToDateColumn;
        addEmployee(QStringLiteral("Smith"), QString::fromUtf8("Jos\xc3\xa9"), QStringLiteral("Q"), QStringLiteral("Jr"));
        EmployeeRecord& e = EmployeeRec;
        e.SocSecNum = QStringLiteral("231-45-6789");
        e.Address = QStringLiteral("10 Elm St");
        e.City = QStringLiteral("Springfield");
        e.State = QStringLiteral("PA");
        e.ZipCode = QStringLiteral("17001-2345");
        e.FedEarnings[y] = 30000;
        e.FICAEarnings[y] = 31000;
        e.Tips[y] = 1000;
        e.MedEarnings[y] = 31000;
        e.FederalTax[y] = 3000;
        e.FICATax[y] = 1922;
        e.MedicareTax[y] = 449.5;
        e.FW2Box12Code[1] = QStringLiteral("D");   // as posting stores it
        e.FW2Box12Amt[1] = 1500;
        e.FW2Box12Code[2] = QStringLiteral("dd");  // as typed on the W-2 screen
        e.FW2Box12Amt[2] = 4000;
        e.FW2Box13Chk2 = true;
        module->RSEmployee.PostRec();

        addEmployee(QStringLiteral("Lee"), QStringLiteral("Ann"));
        EmployeeRecord& f = EmployeeRec;
        f.SocSecNum = QStringLiteral("345-67-8901");
        f.Address = QStringLiteral("22 Pine Rd");
        f.City = QStringLiteral("York");
        f.State = QStringLiteral("PA");
        f.ZipCode = QStringLiteral("17402");
        f.FedEarnings[y] = 20000.5;
        f.FICAEarnings[y] = 20000.5;
        f.MedEarnings[y] = 20000.5;
        f.FederalTax[y] = 2000;
        f.FICATax[y] = 1240.03;
        f.MedicareTax[y] = 290.01;
        f.AllocatedTip[y] = 350.25;
        f.FW2Box12Code[1] = QStringLiteral("D");
        f.FW2Box12Amt[1] = 500;
        f.FW2Box12Code[3] = QStringLiteral("d");
        f.FW2Box12Amt[3] = 250;
        module->RSEmployee.PostRec();
        EmployeeCount = module->RSEmployee.RecordCount();
    }

    // A 512-character line from its record id and the texts that stand at given positions,
    // blanks everywhere else.
    static QString Line(const char* id, const std::map<int, QString>& fields)
    {
        QString line = QString::fromLatin1(id).leftJustified(512, QLatin1Char(' '));
        for (const auto& [position, text] : fields)
            line.replace(position - 1, text.size(), text);
        return line;
    }

    QStringList fileLines(const QString& fileName) const
    {
        const QByteArray bytes = ReadTestFile(fileName);
        EXPECT_TRUE(bytes.endsWith("\r\n"));
        QStringList lines = QString::fromLatin1(bytes).split(QStringLiteral("\r\n"));
        lines.removeLast();
        return lines;
    }

    static QStringList Kinds(const QStringList& lines)
    {
        QStringList kinds;
        for (const QString& line : lines)
            kinds << line.left(2);
        return kinds;
    }

    EFW2RunFiles files;
    EFW2Run run;
};
