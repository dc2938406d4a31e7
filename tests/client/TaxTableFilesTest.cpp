#include "ClientFileTestHelpers.h"

#include "client/TaxTableFiles.h"
#include "platform/AppMessageBox.h"
#include "platform/Folders.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>

class TaxTableFilesTest : public LedgoraTest {
protected:
    QString federalFile() const { return ProgramDir() + QStringLiteral("LEDGORA.FTT"); }
    QString stateFile() const { return ProgramDir() + QStringLiteral("LEDGORA.ST"); }
    QString cityFile() const { return ProgramDir() + QStringLiteral("LEDGORA.CIT"); }

    static FederalTaxRecord sampleFederal()
    {
        auto record = FilledRecord<FederalTaxRecord>(0);
        record.SWagesOver[1] = 7500;
        record.STaxRate[7] = 37;
        record.FICARate = 6.2;
        record.MedExclWages = 200000;
        return record;
    }
};

TEST_F(TaxTableFilesTest, MissingFederalTableIsCreatedZeroFilledAndReported)
{
    auto table = FilledRecord<FederalTaxRecord>(0x5A);
    messages.expect(IdOk, QStringLiteral("LEDGORA.FTT was missing"));
    LoadFederalTable(federalFile(), table);
    EXPECT_TRUE(SameBytes(RecordBytes(table), QByteArray(760, '\0')));
    EXPECT_TRUE(SameBytes(ReadTestFile(federalFile()), QByteArray(760, '\0')));
    EXPECT_TRUE(messages.last().text.contains(QStringLiteral("computed as zero")));
    EXPECT_EQ(messages.last().flags, MbOk | MbIconWarning);
    EXPECT_EQ(messages.last().caption, QStringLiteral("Ledgora 2026"));
}

TEST_F(TaxTableFilesTest, AllZeroFederalTableIsReported)
{
    WriteTestFile(federalFile(), QByteArray(760, '\0'));
    FederalTaxRecord table = sampleFederal();
    messages.expect(IdOk, QStringLiteral("LEDGORA.FTT holds no figures"));
    LoadFederalTable(federalFile(), table);
    EXPECT_TRUE(SameBytes(RecordBytes(table), QByteArray(760, '\0')));
}

TEST_F(TaxTableFilesTest, FederalTableRoundTripsAndKeepsBytesAfterItsRecord)
{
    // A file longer than its record is read and written only in its first record.
    const QByteArray tail("kept as it was");
    WriteTestFile(federalFile(), RecordBytes(sampleFederal()) + tail);
    FederalTaxRecord table {};
    LoadFederalTable(federalFile(), table);
    EXPECT_TRUE(SameBytes(RecordBytes(table), RecordBytes(sampleFederal())));

    table.MaxFUTATax = 42;
    SaveFederalTable(federalFile(), table);
    EXPECT_TRUE(SameBytes(ReadTestFile(federalFile()), RecordBytes(table) + tail));
}

TEST_F(TaxTableFilesTest, SavingCreatesAMissingFederalTable)
{
    SaveFederalTable(federalFile(), sampleFederal());
    EXPECT_TRUE(SameBytes(ReadTestFile(federalFile()), RecordBytes(sampleFederal())));
}

TEST_F(TaxTableFilesTest, ShortFederalTableIsRefusedAndNothingIsLoaded)
{
    for (int size : {0, 1, 759}) {
        SCOPED_TRACE(size);
        WriteTestFile(federalFile(), RecordBytes(sampleFederal()).left(size));
        auto table = FilledRecord<FederalTaxRecord>(0x5A);
        ExpectInOutError([&] { LoadFederalTable(federalFile(), table); },
                         {federalFile(), QStringLiteral("holds %1 bytes, too few").arg(size)});
        EXPECT_TRUE(SameBytes(RecordBytes(table), RecordBytes(FilledRecord<FederalTaxRecord>(0x5A))));
    }
}

TEST_F(TaxTableFilesTest, FederalTableThatCannotBeCreatedIsReportedWithTheSystemReason)
{
    const QString unreachable = tempPath(QStringLiteral("no such folder/LEDGORA.FTT"));
    auto table = FilledRecord<FederalTaxRecord>(0x5A);
    ExpectInOutError([&] { LoadFederalTable(unreachable, table); },
                     {QStringLiteral("Unable to create"), unreachable});
    EXPECT_TRUE(SameBytes(RecordBytes(table), RecordBytes(FilledRecord<FederalTaxRecord>(0x5A))));
    ExpectInOutError([&] { SaveFederalTable(unreachable, sampleFederal()); }, {unreachable});
}

TEST_F(TaxTableFilesTest, NewStateTableHoldsEveryStateInOrderWithAlaskasWageBases)
{
    const char* order[] = {"AK", "AL", "AR", "AZ", "CA", "CO", "CT", "DC", "DE", "FL", "GA", "GU", "HI", "IA",
                           "ID", "IL", "IN", "KS", "KY", "LA", "MA", "MD", "ME", "MI", "MN", "MO", "MS", "MT",
                           "NC", "ND", "NE", "NH", "NJ", "NM", "NV", "NY", "OH", "OK", "OR", "PA", "PR", "RI",
                           "SC", "SD", "TN", "TX", "UT", "VA", "VI", "VT", "WA", "WI", "WV", "WY"};
    PrepareStateTable(stateFile());

    const QByteArray file = ReadTestFile(stateFile());
    ASSERT_EQ(file.size(), 54 * 920);
    for (int k = 1; k <= 54; ++k) {
        SCOPED_TRACE(order[k - 1]);
        auto expected = FilledRecord<StateTaxRecord>(0);
        expected.Abbreviation = QString::fromLatin1(order[k - 1]);
        expected.StateIndex = k;
        if (k == 1) {
            expected.UnempMaxWage = 34100;
            expected.DisbMaxWage = 31300;
        }
        EXPECT_TRUE(SameBytes(file.mid((k - 1) * 920, 920), RecordBytes(expected)));
    }
}

TEST_F(TaxTableFilesTest, EveryOpeningStampsAlaskaAndKeepsEverythingElse)
{
    auto alaska = FilledRecord<StateTaxRecord>(0xAB);
    alaska.Abbreviation = QStringLiteral("XX");
    alaska.S_Over[1] = 1234.5;
    alaska.UnempMaxWage = 1;
    alaska.DisbMaxWage = 2;
    const auto alabama = FilledRecord<StateTaxRecord>(0xCD);
    WriteTestFile(stateFile(), RecordBytes(alaska) + RecordBytes(alabama));

    PrepareStateTable(stateFile());

    auto expected = alaska;
    expected.Abbreviation = QStringLiteral("AK");
    expected.UnempMaxWage = 34100;
    expected.DisbMaxWage = 31300;
    EXPECT_TRUE(SameBytes(ReadTestFile(stateFile()), RecordBytes(expected) + RecordBytes(alabama)));
}

TEST_F(TaxTableFilesTest, TablesAlreadyRightAreNotWritten)
{
    // Opening a client must work from a program folder that others share read-only.
    PrepareStateTable(stateFile());
    PrepareCityTable(cityFile());
    const QDateTime past = QDateTime::currentDateTime().addDays(-3);
    for (const QString& name : {stateFile(), cityFile()}) {
        QFile file(name);
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        ASSERT_TRUE(file.setFileTime(past, QFileDevice::FileModificationTime));
    }
    PrepareStateTable(stateFile());
    PrepareCityTable(cityFile());
    EXPECT_EQ(QFileInfo(stateFile()).lastModified(), past);
    EXPECT_EQ(QFileInfo(cityFile()).lastModified(), past);
}

TEST_F(TaxTableFilesTest, NewCityTableHoldsOnlyNone)
{
    PrepareCityTable(cityFile());
    auto expected = FilledRecord<CityTaxRecord>(0);
    expected.CityName = QStringLiteral("NONE");
    EXPECT_TRUE(SameBytes(ReadTestFile(cityFile()), RecordBytes(expected)));
}

TEST_F(TaxTableFilesTest, EveryOpeningNamesTheFirstCityNoneAndKeepsItsFigures)
{
    auto first = FilledRecord<CityTaxRecord>(0x11);
    first.CityName = QStringLiteral("DAYTON");
    first.StdDeductPct1 = 5;
    const auto second = FilledRecord<CityTaxRecord>(0x22);
    WriteTestFile(cityFile(), RecordBytes(first) + RecordBytes(second));

    PrepareCityTable(cityFile());

    auto expected = first;
    expected.CityName = QStringLiteral("NONE");
    EXPECT_TRUE(SameBytes(ReadTestFile(cityFile()), RecordBytes(expected) + RecordBytes(second)));
}

TEST_F(TaxTableFilesTest, DamagedStateOrCityTableIsRefused)
{
    WriteTestFile(stateFile(), QByteArray(919, 'x'));
    ExpectInOutError([&] { PrepareStateTable(stateFile()); }, {stateFile(), QStringLiteral("919 bytes")});
    EXPECT_TRUE(SameBytes(ReadTestFile(stateFile()), QByteArray(919, 'x')));

    WriteTestFile(cityFile(), QByteArray());
    ExpectInOutError([&] { PrepareCityTable(cityFile()); }, {cityFile(), QStringLiteral("0 bytes")});
    EXPECT_TRUE(SameBytes(ReadTestFile(cityFile()), QByteArray()));
}
