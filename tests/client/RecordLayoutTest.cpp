#include "TestSupport.h"
#include "RecordBytes.h"

#include "client/CompanyRecord.h"
#include "client/EmployeeRecord.h"

#include <QFile>

namespace {

struct OffsetCase {
    const char* field;
    std::ptrdiff_t actual;
    std::ptrdiff_t expected;
};

} // namespace

// Offsets the file format spells out as formulas, checked on elements deep inside the arrays
// where an off-by-one in the index base or the element size would show.
TEST(RecordLayout, ArrayElementsLieWhereTheFileHasThem)
{
    CompanyRecord company;
    EmployeeRecord employee;
    const OffsetCase cases[] = {
        {"PayDate", ByteOffset(company, company.PayDate), 9490},
        {"PriorPayDate[1]", ByteOffset(company, company.PriorPayDate[1]), 11346},
        {"PriorPayDate[65]", ByteOffset(company, company.PriorPayDate[65]), 11346 + 11 * 64},
        {"PriorPayDateTo[65]", ByteOffset(company, company.PriorPayDateTo[65]), 10631 + 11 * 64},
        {"TaxLibMonth[1][1]", ByteOffset(company, company.TaxLibMonth[1][1]), 8456},
        {"TaxLibMonth[2][15]", ByteOffset(company, company.TaxLibMonth[2][15]), 8456 + 8 * (32 + 14)},
        {"TaxLibMonth[3][32]", ByteOffset(company, company.TaxLibMonth[3][32]), 8456 + 8 * (32 * 2 + 31)},
        {"StateID[54]", ByteOffset(company, company.StateID[54]), 343 + 17 * 53},
        {"UnempTaxRate[54]", ByteOffset(company, company.UnempTaxRate[54]), 2184 + 8 * 53},
        {"F1094CBoxaY[0]", ByteOffset(company, company.F1094CBoxaY[0]), 4474},
        {"F1094CBoxe[12]", ByteOffset(company, company.F1094CBoxe[12]), 4618 + 2 * 12},
        {"F1094CPIVEIN[30]", ByteOffset(company, company.F1094CPIVEIN[30]), 5874 + 11 * 29},
        {"UserLib[5]", ByteOffset(company, company.UserLib[5]), 4128 + 21 * 4},
        {"Wages[4]", ByteOffset(employee, employee.Wages[4]), 984 + 24},
        {"QualifiedOT[1]", ByteOffset(employee, employee.QualifiedOT[1]), 3416},
        {"UserMaxAmt[15]", ByteOffset(employee, employee.UserMaxAmt[15]), 3608 + 8 * 14},
        {"F1095CBox17[12]", ByteOffset(employee, employee.F1095CBox17[12]), 4399 + 21 * 12},
        {"F1095CBoxe[13][12]", ByteOffset(employee, employee.F1095CBoxe[13][12]), 5518 + 12 * 12 + 11},
        {"CheckNumHistory[65]", ByteOffset(employee, employee.CheckNumHistory[65]), 5680 + 4 * 64},
        {"PayHistory[0][1]", ByteOffset(employee, employee.PayHistory[0][1]), 5944},
        {"PayHistory[74][65]", ByteOffset(employee, employee.PayHistory[74][65]), 5944 + 520 * 74 + 8 * 64},
    };
    for (const OffsetCase& c : cases)
        EXPECT_EQ(c.actual, c.expected) << c.field;
}

class RecordRoundTrip : public LedgoraTest {
protected:
    // Writes the image to a file and reads it back into a record the way the record sets do.
    template <typename Record>
    Record readThroughFile(const QByteArray& image)
    {
        const QString path = tempPath(QStringLiteral("record.bin"));
        WriteTestFile(path, image);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        Record record;
        EXPECT_EQ(file.read(reinterpret_cast<char*>(&record), sizeof record), qint64(sizeof record));
        return record;
    }

    // Writes a record the way the record sets do and returns what the file then holds.
    template <typename Record>
    QByteArray writeThroughFile(const Record& record)
    {
        const QString path = tempPath(QStringLiteral("written.bin"));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        EXPECT_EQ(file.write(reinterpret_cast<const char*>(&record), sizeof record), qint64(sizeof record));
        file.close();
        return ReadTestFile(path);
    }
};

TEST_F(RecordRoundTrip, EveryByteOfACompanyRecordPassesThrough)
{
    const QByteArray image = RandomBytes(sizeof(CompanyRecord), 2026);
    const CompanyRecord record = readThroughFile<CompanyRecord>(image);
    EXPECT_TRUE(SameBytes(writeThroughFile(record), image));
    CompanyRecord copy = record;
    EXPECT_TRUE(SameBytes(RecordBytes(copy), image));

    // Changing fields touches their own bytes only: filler and reserved ranges around them stay.
    copy.Name = QStringLiteral("Harbor Street Bakery");
    copy.CurrentState = 33;
    copy.PayrollPosted = false;
    copy.TaxLibMonth[3][32] = 1234.56;
    QByteArray expected = image;
    expected.replace(0, 46, QByteArray(1, 20) + "Harbor Street Bakery" + QByteArray(25, '\0'));
    expected.replace(3912, 4, QByteArray("\x21\0\0\0", 4));
    expected[9512] = 0;
    expected.replace(9216, 8, QByteArray::fromHex("0ad7a3703d4a9340"));
    EXPECT_TRUE(SameBytes(writeThroughFile(copy), expected));
}

TEST_F(RecordRoundTrip, EveryByteOfAnEmployeeRecordPassesThrough)
{
    const QByteArray image = RandomBytes(sizeof(EmployeeRecord), 1099);
    const EmployeeRecord record = readThroughFile<EmployeeRecord>(image);
    EXPECT_TRUE(SameBytes(writeThroughFile(record), image));
    EmployeeRecord copy = record;
    EXPECT_TRUE(SameBytes(RecordBytes(copy), image));

    copy.LastName = QStringLiteral("O'Neil");
    copy.PayHistory[74][65] = 87.5;
    copy.Married = true;
    QByteArray expected = image;
    expected.replace(38, 21, QByteArray(1, 6) + "O'Neil" + QByteArray(14, '\0'));
    expected.replace(44936, 8, QByteArray::fromHex("0000000000e05540"));
    expected[633] = 1;
    EXPECT_TRUE(SameBytes(writeThroughFile(copy), expected));
}

TEST(NewRecords, ACompanyRecordIsZeroButPayrollPostedAndCurrentState)
{
    QByteArray expected(sizeof(CompanyRecord), '\0');
    expected[3912] = 1; // CurrentState, little-endian
    expected[9512] = 1; // PayrollPosted
    const CompanyRecord record = NewCompanyRecord();
    EXPECT_TRUE(SameBytes(RecordBytes(record), expected));
    EXPECT_TRUE(record.PayrollPosted);
    EXPECT_EQ(record.CurrentState, 1);
}

TEST(NewRecords, AnEmployeeRecordHasNoCityAndTheUserFieldMaxima)
{
    QByteArray expected(sizeof(EmployeeRecord), '\0');
    expected.replace(212, 5, QByteArray("\x04NONE", 5));
    expected[220] = 1;
    const QByteArray maximum = QByteArray::fromHex("ae47e1fa7f842e41"); // 999999.99
    for (int p = 0; p < 15; ++p)
        expected.replace(3608 + 8 * p, 8, maximum);
    const EmployeeRecord record = NewEmployeeRecord();
    EXPECT_TRUE(SameBytes(RecordBytes(record), expected));
    EXPECT_EQ(record.CityName.get(), QStringLiteral("NONE"));
    EXPECT_EQ(record.UserMaxAmt[15], 999999.99);
}
