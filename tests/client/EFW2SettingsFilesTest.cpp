#include "ClientFileTestHelpers.h"

#include "client/EFW2SettingsFiles.h"
#include "platform/Folders.h"

#include <QFile>

namespace {

// "Ledgora.W2S" as the EFW2 module leaves it after processing a file: the padded line values,
// file state at the end and odd filler bytes that must pass through unchanged.
QByteArray submitterFixture()
{
    QByteArray bytes(564, '\0');
    PutText(bytes, 0, "RA");
    PutText(bytes, 3, "12-3456789");
    PutText(bytes, 14, "AB12CD34");
    PutText(bytes, 23, "    ");
    PutText(bytes, 28, "     ");
    PutText(bytes, 34, "0");
    PutText(bytes, 36, "      ");
    PutText(bytes, 43, "98");
    PutText(bytes, 46, "NORTHWIND TRADING COMPANY");
    PutText(bytes, 104, "SUITE 400");
    PutText(bytes, 127, "1200 HARBOR DRIVE");
    PutText(bytes, 150, "NEWARK");
    PutText(bytes, 173, "NJ");
    PutText(bytes, 176, "07102");
    PutText(bytes, 182, "1234");
    PutText(bytes, 236, "WHITFIELD PAYROLL SERVICES");
    PutText(bytes, 317, "12 HARBOR ROAD");
    PutText(bytes, 340, "PORTLAND");
    PutText(bytes, 363, "ME");
    PutText(bytes, 366, "04101");
    PutText(bytes, 426, "DANA WHITFIELD");
    PutText(bytes, 454, "207-555-0147");
    PutText(bytes, 470, "12");
    PutText(bytes, 480, "dana@example.com");
    PutText(bytes, 525, "207-555-0148");
    PutText(bytes, 540, "L");
    PutText(bytes, 542, "            ");
    bytes[555] = char(0x5A);
    bytes[556] = char(0xD2); // TotalRecords 1234, little-endian
    bytes[557] = char(0x04);
    bytes[560] = 1;          // ExcludeSubmitter
    bytes[562] = 1;          // FinalPending
    bytes[563] = char(0x77);
    return bytes;
}

QByteArray njFixture()
{
    return QByteArray("\x01\xAA\xBB\xCC\x39\x30\x00\x00\x00\x01\x01\xDD", 12);
}

} // namespace

class EFW2SettingsFilesTest : public LedgoraTest {
protected:
    QString submitterFile() const { return ProgramDir() + QStringLiteral("Ledgora.W2S"); }
    QString njFile() const { return ProgramDir() + QStringLiteral("Ledgora.NJS"); }
};

TEST_F(EFW2SettingsFilesTest, SubmitterFileLoadsFieldByFieldAndSavesByteForByte)
{
    WriteTestFile(submitterFile(), submitterFixture());
    auto record = FilledRecord<EFW2SubmitterRecord>(0);
    LoadSubmitterFile(submitterFile(), record);

    EXPECT_EQ(record.RecordId.get(), QStringLiteral("RA"));
    EXPECT_EQ(record.EIN.get(), QStringLiteral("12-3456789"));
    EXPECT_EQ(record.UserID.get(), QStringLiteral("AB12CD34"));
    EXPECT_EQ(record.ResubID.get(), QStringLiteral("      "));
    EXPECT_EQ(record.SoftwareCode.get(), QStringLiteral("98"));
    EXPECT_EQ(record.CompanyName.get(), QStringLiteral("NORTHWIND TRADING COMPANY"));
    EXPECT_EQ(record.ZipCodeExt.get(), QStringLiteral("1234"));
    EXPECT_EQ(record.SubmitAddr2.get(), QStringLiteral("12 HARBOR ROAD"));
    EXPECT_EQ(record.SubmitZip.get(), QStringLiteral("04101"));
    EXPECT_EQ(record.ContactPhone.get(), QStringLiteral("207-555-0147"));
    EXPECT_EQ(record.ContactEmail.get(), QStringLiteral("dana@example.com"));
    EXPECT_EQ(record.ContactFax.get(), QStringLiteral("207-555-0148"));
    EXPECT_EQ(record.PreparerCode.get(), QStringLiteral("L"));
    EXPECT_EQ(record.Blank7.get(), QString(12, QChar(' ')));
    EXPECT_EQ(record.TotalRecords, 1234);
    EXPECT_TRUE(record.ExcludeSubmitter);
    EXPECT_FALSE(record.ExcludeFinal);
    EXPECT_TRUE(record.FinalPending);

    const QString copy = ProgramDir() + QStringLiteral("copy.W2S");
    SaveSubmitterFile(copy, record);
    EXPECT_TRUE(SameBytes(ReadTestFile(copy), submitterFixture()));
}

TEST_F(EFW2SettingsFilesTest, NewJerseyFileLoadsAndSavesByteForByte)
{
    WriteTestFile(njFile(), njFixture());
    auto record = FilledRecord<NJStateFileRecord>(0);
    LoadNJStateFile(njFile(), record);
    EXPECT_TRUE(record.TestFile);
    EXPECT_EQ(record.TotalRecords, 12345);
    EXPECT_FALSE(record.ExcludeSubmitter);
    EXPECT_TRUE(record.ExcludeFinal);
    EXPECT_TRUE(record.FinalPending);

    record.TotalRecords = 0;
    record.FinalPending = false;
    SaveNJStateFile(njFile(), record);
    EXPECT_TRUE(SameBytes(ReadTestFile(njFile()), QByteArray("\x01\xAA\xBB\xCC\x00\x00\x00\x00\x00\x01\x00\xDD", 12)));
}

TEST_F(EFW2SettingsFilesTest, MissingFilesAreCreatedWithOneZeroFilledRecord)
{
    auto submitter = FilledRecord<EFW2SubmitterRecord>(0x5A);
    LoadSubmitterFile(submitterFile(), submitter);
    EXPECT_TRUE(SameBytes(RecordBytes(submitter), QByteArray(564, '\0')));
    EXPECT_TRUE(SameBytes(ReadTestFile(submitterFile()), QByteArray(564, '\0')));

    auto nj = FilledRecord<NJStateFileRecord>(0x5A);
    LoadNJStateFile(njFile(), nj);
    EXPECT_TRUE(SameBytes(RecordBytes(nj), QByteArray(12, '\0')));
    EXPECT_TRUE(SameBytes(ReadTestFile(njFile()), QByteArray(12, '\0')));
}

TEST_F(EFW2SettingsFilesTest, ShortFilesAreRefusedAndNothingIsLoaded)
{
    for (int size : {0, 100, 563}) {
        SCOPED_TRACE(size);
        WriteTestFile(submitterFile(), submitterFixture().left(size));
        auto record = FilledRecord<EFW2SubmitterRecord>(0x5A);
        ExpectInOutError([&] { LoadSubmitterFile(submitterFile(), record); },
                         {submitterFile(), QStringLiteral("holds %1 bytes").arg(size), QStringLiteral("damaged")});
        EXPECT_TRUE(SameBytes(RecordBytes(record), RecordBytes(FilledRecord<EFW2SubmitterRecord>(0x5A))));
        EXPECT_EQ(ReadTestFile(submitterFile()).size(), size) << "a damaged file is left for the user to inspect";
    }
    for (int size : {0, 11}) {
        SCOPED_TRACE(size);
        WriteTestFile(njFile(), njFixture().left(size));
        auto record = FilledRecord<NJStateFileRecord>(0x5A);
        ExpectInOutError([&] { LoadNJStateFile(njFile(), record); }, {njFile(), QStringLiteral("holds %1 bytes").arg(size)});
        EXPECT_TRUE(SameBytes(RecordBytes(record), RecordBytes(FilledRecord<NJStateFileRecord>(0x5A))));
    }
}

TEST_F(EFW2SettingsFilesTest, LongerFilesAreReadAndWrittenOnlyInTheirFirstRecord)
{
    const QByteArray tail("left from an older version");
    WriteTestFile(submitterFile(), submitterFixture() + tail);
    auto record = FilledRecord<EFW2SubmitterRecord>(0);
    LoadSubmitterFile(submitterFile(), record);
    EXPECT_TRUE(SameBytes(RecordBytes(record), submitterFixture()));

    record.TotalRecords = 0;
    SaveSubmitterFile(submitterFile(), record);
    EXPECT_TRUE(SameBytes(ReadTestFile(submitterFile()), RecordBytes(record) + tail));
}

TEST_F(EFW2SettingsFilesTest, FileThatCannotBeWrittenIsReportedAndRecordKept)
{
    const QString unreachable = tempPath(QStringLiteral("gone/Ledgora.NJS"));
    auto record = FilledRecord<NJStateFileRecord>(0x5A);
    ExpectInOutError([&] { LoadNJStateFile(unreachable, record); }, {QStringLiteral("Unable to create"), unreachable});
    EXPECT_TRUE(SameBytes(RecordBytes(record), RecordBytes(FilledRecord<NJStateFileRecord>(0x5A))));
    ExpectInOutError([&] { SaveSubmitterFile(tempPath(QStringLiteral("gone/Ledgora.W2S")), FilledRecord<EFW2SubmitterRecord>(0)); },
                     {QStringLiteral("gone/Ledgora.W2S")});
}

TEST_F(EFW2SettingsFilesTest, NewJerseyFilingNeedsTheSubmitterFile)
{
    auto record = FilledRecord<EFW2SubmitterRecord>(0);
    try {
        LoadSubmitterForNewJersey(submitterFile(), record);
        ADD_FAILURE() << "a missing submitter file was accepted";
    } catch (const EFileNotFoundException& e) {
        EXPECT_EQ(e.message(), QStringLiteral("SSA EFW2 Submitter file not found."));
    }
    EXPECT_FALSE(QFile::exists(submitterFile())) << "the check creates nothing";
}

TEST_F(EFW2SettingsFilesTest, NewJerseyFilingNeedsEverySubmitterDetail)
{
    struct Case {
        const char* what;
        int offset;               // field to replace; -1 keeps the fixture whole
        QByteArray text;
    };
    const Case cases[] = {
        {"complete", -1, {}},
        {"EIN without dash", 3, "123456789"},
        {"EIN with an unused prefix", 3, "00-3456789"},
        {"short user ID", 14, "AB12CD3 "},
        {"blank submitter name", 236, "   "},
        {"no delivery address", 317, ""},
        {"no submitter city", 340, ""},
        {"no state", 173, "  "},
        {"short ZIP code", 176, "0710 "},
        {"no contact", 426, ""},
        {"bad telephone", 454, "2075550147"},
        {"bad e-mail", 480, "dana at example.com"},
        {"no preparer code", 540, " "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QByteArray bytes = submitterFixture();
        if (c.offset >= 0)
            PutText(bytes, c.offset, c.text);
        WriteTestFile(submitterFile(), bytes);
        auto record = FilledRecord<EFW2SubmitterRecord>(0);
        const bool complete = c.offset < 0;
        try {
            LoadSubmitterForNewJersey(submitterFile(), record);
            EXPECT_TRUE(complete) << "incomplete data was accepted";
        } catch (const EFieldException& e) {
            EXPECT_FALSE(complete) << "complete data was refused";
            EXPECT_EQ(e.message(), QStringLiteral("SSA EFW2 Submitter data is incomplete."));
        }
        EXPECT_TRUE(SameBytes(RecordBytes(record), bytes)) << "the record is read before it is checked";
    }
}
