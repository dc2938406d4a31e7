#include "TestSupport.h"

#include "client/PreparerRecord.h"
#include "platform/Exceptions.h"
#include "platform/Registry.h"

#include <cstring>

namespace {

const QString kRoot = QStringLiteral("Software\\Ledgora\\2026\\");

PreparerRecord samplePreparer()
{
    PreparerRecord record;
    std::memset(&record, 0, sizeof record);
    record.PrepName = QStringLiteral("Dana Whitfield");
    record.FirmName = QStringLiteral("Whitfield & Søn Payroll");
    record.Address = QStringLiteral("12 Harbor Road");
    record.City = QStringLiteral("Portland");
    record.State = QStringLiteral("ME");
    record.ZipCode = QStringLiteral("04101-2345");
    record.Phone = QStringLiteral("207-555-0147");
    record.SelfEmployed = true;
    record.EIN = QStringLiteral("12-3456789");
    record.PTIN = QStringLiteral("P01234567");
    record.PrintDate = false;
    record.SignForm = true;
    return record;
}

PreparerRecord emptyPreparer()
{
    PreparerRecord record;
    std::memset(&record, 0, sizeof record);
    return record;
}

void expectSamePreparer(const PreparerRecord& actual, const PreparerRecord& expected)
{
    EXPECT_EQ(actual.PrepName.get(), expected.PrepName.get());
    EXPECT_EQ(actual.FirmName.get(), expected.FirmName.get());
    EXPECT_EQ(actual.Address.get(), expected.Address.get());
    EXPECT_EQ(actual.City.get(), expected.City.get());
    EXPECT_EQ(actual.State.get(), expected.State.get());
    EXPECT_EQ(actual.ZipCode.get(), expected.ZipCode.get());
    EXPECT_EQ(actual.Phone.get(), expected.Phone.get());
    EXPECT_EQ(bool(actual.SelfEmployed), bool(expected.SelfEmployed));
    EXPECT_EQ(actual.EIN.get(), expected.EIN.get());
    EXPECT_EQ(actual.PTIN.get(), expected.PTIN.get());
    EXPECT_EQ(bool(actual.PrintDate), bool(expected.PrintDate));
    EXPECT_EQ(bool(actual.SignForm), bool(expected.SignForm));
}

} // namespace

using PreparerTest = LedgoraTest;

TEST_F(PreparerTest, SavedPreparerLoadsBackAndSwitchesAreIntegers)
{
    {
        Registry registry;
        SavePreparer(registry, kRoot, samplePreparer());
        EXPECT_TRUE(registry.CurrentPath().isEmpty()) << "the shared registry object is left with no key open";
    }
    Registry registry;
    PreparerRecord loaded = emptyPreparer();
    LoadPreparer(registry, kRoot, loaded);
    expectSamePreparer(loaded, samplePreparer());

    ASSERT_TRUE(registry.OpenKeyReadOnly(kRoot + QStringLiteral("Preparer")));
    EXPECT_EQ(registry.GetValueNames().size(), 12);
    EXPECT_EQ(registry.ReadInteger(QStringLiteral("SelfEmployed")), 1);
    EXPECT_EQ(registry.ReadInteger(QStringLiteral("PrintDate")), 0);
}

TEST_F(PreparerTest, WithoutTheKeyTheRecordStaysAsItIs)
{
    Registry registry;
    PreparerRecord record = samplePreparer();
    LoadPreparer(registry, kRoot, record);
    expectSamePreparer(record, samplePreparer());
    EXPECT_FALSE(registry.KeyExists(kRoot + QStringLiteral("Preparer")));
}

TEST_F(PreparerTest, MissingValuesReadAsEmptyOrOffAndLongTextsAreCut)
{
    Registry registry;
    ASSERT_TRUE(registry.OpenKey(kRoot + QStringLiteral("Preparer"), true));
    registry.WriteString(QStringLiteral("PrepName"), QString(60, QChar('N')));
    registry.WriteInteger(QStringLiteral("SignForm"), 1);
    registry.CloseKey();

    PreparerRecord record = samplePreparer();
    LoadPreparer(registry, kRoot, record);
    PreparerRecord expected = emptyPreparer();
    expected.PrepName = QString(45, QChar('N'));
    expected.SignForm = true;
    expectSamePreparer(record, expected);
}

TEST_F(PreparerTest, SwitchThatIsNotANumberIsRefusedAndNothingIsLoaded)
{
    Registry registry;
    ASSERT_TRUE(registry.OpenKey(kRoot + QStringLiteral("Preparer"), true));
    registry.WriteString(QStringLiteral("PrepName"), QStringLiteral("Someone Else"));
    registry.WriteString(QStringLiteral("PrintDate"), QStringLiteral("yes"));
    registry.CloseKey();

    PreparerRecord record = samplePreparer();
    EXPECT_THROW(LoadPreparer(registry, kRoot, record), ERegistryException);
    expectSamePreparer(record, samplePreparer());
    EXPECT_TRUE(registry.CurrentPath().isEmpty());
}

TEST_F(PreparerTest, KeyIsFoundFromTheTopWhateverKeyIsOpen)
{
    Registry registry;
    ASSERT_TRUE(registry.OpenKey(kRoot + QStringLiteral("Printer"), true));
    SavePreparer(registry, kRoot, samplePreparer());
    EXPECT_TRUE(registry.KeyExists(kRoot + QStringLiteral("Preparer")));

    ASSERT_TRUE(registry.OpenKey(kRoot + QStringLiteral("Printer"), false));
    PreparerRecord record = emptyPreparer();
    LoadPreparer(registry, kRoot, record);
    expectSamePreparer(record, samplePreparer());
}
