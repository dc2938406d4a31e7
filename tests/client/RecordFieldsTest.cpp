#include "TestSupport.h"
#include "RecordBytes.h"

#include "client/CompanyRecord.h"
#include "client/EmployeeRecord.h"

#include <stdexcept>

// Files from other programs or damaged disks may hold any byte in a boolean; each counts as set.
TEST(RecordFields, ABooleanByteOtherThanZeroReadsAsSet)
{
    for (int stored : {1, 2, 0x7F, 0x80, 0xFF}) {
        QByteArray image(sizeof(CompanyRecord), '\0');
        image[159] = static_cast<char>(stored);
        const CompanyRecord record = RecordFromBytes<CompanyRecord>(image);
        EXPECT_TRUE(record.ForeignAdr) << stored;
        EXPECT_EQ(record.ForeignAdr ? 1 : 0, 1) << stored;
    }
    CompanyRecord record = NewCompanyRecord();
    EXPECT_FALSE(record.ForeignAdr);
    record.ForeignAdr = true;
    EXPECT_EQ(RecordBytes(record)[159], 1);
    record.ForeignAdr = false;
    EXPECT_EQ(RecordBytes(record)[159], 0);
}

TEST(RecordFields, ArraysCountFromTheirFirstIndexAndRefuseAnyOther)
{
    CompanyRecord record = NewCompanyRecord();
    record.UnempTaxRate[1] = 3.4;
    record.UnempTaxRate[54] = 5.4;
    EXPECT_EQ(RecordBytes(record).mid(2184, 8), QByteArray::fromHex("3333333333330b40")); // 3.4
    EXPECT_EQ(record.UnempTaxRate[54], 5.4);
    record.F1094CBoxb[0] = 12;
    EXPECT_EQ(record.F1094CBoxb[0], 12);

    EXPECT_THROW(record.UnempTaxRate[0], std::out_of_range);
    EXPECT_THROW(record.UnempTaxRate[55], std::out_of_range);
    EXPECT_THROW(record.F1094CBoxb[13], std::out_of_range);
    EXPECT_THROW(record.F1094CBoxb[-1], std::out_of_range);
    EXPECT_THROW(record.TaxLibMonth[4][1], std::out_of_range);
    EXPECT_THROW(record.TaxLibMonth[1][33], std::out_of_range);
    EXPECT_THROW(record.PriorPayDate[66], std::out_of_range);
}

TEST(RecordFields, ATextLongerThanItsFieldIsCutToTheCapacity)
{
    struct Case {
        QString stored;
        QString read;
    };
    EmployeeRecord record = NewEmployeeRecord();
    const Case cases[] = {
        {QString(), QString()},
        {QStringLiteral("Jo"), QStringLiteral("Jo")},
        {QStringLiteral("Maximiliana-Theodora"), QStringLiteral("Maximiliana-Theodora")}, // exactly 20
        {QStringLiteral("Maximiliana-Theodora Smith"), QStringLiteral("Maximiliana-Theodora")},
        {QStringLiteral("M\u00fcller-Fran\u00e7ois \u20ac"), QStringLiteral("M\u00fcller-Fran\u00e7ois \u20ac")},
        {QStringLiteral("Nguy\u1ec5n"), QStringLiteral("Nguy?n")}, // no Windows-1252 character for it
    };
    for (const Case& c : cases) {
        record.LastName = c.stored;
        EXPECT_EQ(record.LastName.get(), c.read) << c.stored.toStdString();
        EXPECT_LE(record.LastName.length, 20);
    }
    // The next field is untouched by a cut text.
    EXPECT_EQ(record.Suffix.length, 0);

    record.MiddleInitial = QStringLiteral("Quincy");
    EXPECT_EQ(record.MiddleInitial.get(), QStringLiteral("Q"));
    record.FullName = QString(60, QLatin1Char('x'));
    EXPECT_EQ(record.FullName.get().size(), 43);
}

// A damaged length byte must not let a text run into the fields behind it.
TEST(RecordFields, AStoredLengthBeyondTheFieldReadsOnlyTheField)
{
    QByteArray image(sizeof(CompanyRecord), '\0');
    image[0] = char(0xFF); // Name, capacity 45
    image.replace(1, 45, QByteArray(45, 'A'));
    image.replace(46, 4, QByteArray("\x03XYZ", 4)); // TradeName
    image[145] = char(3); // State, capacity 2
    image.replace(146, 2, "NJ");
    const CompanyRecord record = RecordFromBytes<CompanyRecord>(image);
    EXPECT_EQ(record.Name.get(), QString(45, QLatin1Char('A')));
    EXPECT_EQ(record.TradeName.get(), QStringLiteral("XYZ"));
    EXPECT_EQ(record.State.get(), QStringLiteral("NJ"));
}

// Windows-1252 bytes above 0x7F read as the characters that code page gives them.
TEST(RecordFields, TextBytesConvertThroughWindows1252)
{
    QByteArray image(sizeof(EmployeeRecord), '\0');
    image.replace(38, 8, QByteArray("\x07Pe\xf1" "a \x80\x93", 8)); // LastName
    EmployeeRecord record = RecordFromBytes<EmployeeRecord>(image);
    EXPECT_EQ(record.LastName.get(), QStringLiteral("Pe\u00f1a \u20ac\u201c"));

    record.LastName = QStringLiteral("Pe\u00f1a \u20ac\u201c");
    EXPECT_EQ(RecordBytes(record).mid(38, 21), QByteArray("\x07Pe\xf1" "a \x80\x93", 8) + QByteArray(13, '\0'));
}
