#include "ClientFixture.h"

#include "client/EmployeeTaxTables.h"
#include "platform/Exceptions.h"

#include <QFile>

#include <cstddef>

class EmployeeTaxTablesTest : public ClientTest {
protected:
    void SetUp() override
    {
        ClientTest::SetUp();
        openClient();
        module->RSCity.NewRec();
        CityTaxRec.CityName = QStringLiteral("NYC");
        CityTaxRec.WithValue = 1000;
        module->RSCity.PostRec();
        module->RSState.SetCurrentRecord(33);
        module->RSState.GetRec();
        StateTaxRec.WithValue = 1000;
        module->RSState.PostRec();
        EmployeeRec.FullName = QStringLiteral("Ann Smith ");
    }
};

TEST_F(EmployeeTaxTablesTest, ReadsTheEmployeesStateAndCity)
{
    EmployeeRec.WorkStateIndex = 33;
    EmployeeRec.CityIndex = 2;
    module->RSState.FirstRec();
    module->RSCity.FirstRec();
    GotoEmployeeState();
    GotoEmployeeCity();
    EXPECT_EQ(StateTaxRec.Abbreviation.get(), QStringLiteral("NJ"));
    EXPECT_EQ(StateTaxRec.WithValue, 1000);
    EXPECT_EQ(CityTaxRec.CityName.get(), QStringLiteral("NYC"));
    EXPECT_EQ(module->RSState.CurrentRecord(), 33);
    EXPECT_EQ(module->RSCity.CurrentRecord(), 2);

    EmployeeRec.CityIndex = 1;
    GotoEmployeeCity();
    EXPECT_EQ(CityTaxRec.CityName.get(), QStringLiteral("NONE"));
}

// An employee must never be taxed with the table of the state or city read before.
TEST_F(EmployeeTaxTablesTest, OutOfRangeIndexIsRefusedNamingTheEmployee)
{
    module->RSState.SetCurrentRecord(33);
    module->RSState.GetRec();
    for (int index : {0, -1, 55}) {
        SCOPED_TRACE(index);
        EmployeeRec.WorkStateIndex = index;
        try {
            GotoEmployeeState();
            ADD_FAILURE() << "The state was not refused";
        } catch (const ECustomException& e) {
            EXPECT_TRUE(e.message().startsWith(QStringLiteral("The work state of Ann Smith is not set or is not in the "
                                                              "state tax table")))
                << e.message().toStdString();
        }
        EXPECT_EQ(module->RSState.CurrentRecord(), 33);
    }
    for (int index : {0, 3}) {
        SCOPED_TRACE(index);
        EmployeeRec.CityIndex = index;
        try {
            GotoEmployeeCity();
            ADD_FAILURE() << "The city was not refused";
        } catch (const ECustomException& e) {
            EXPECT_TRUE(e.message().startsWith(QStringLiteral("The work city of Ann Smith is not set")))
                << e.message().toStdString();
        }
    }
}

// The records read for an employee are copied again while their tables stay as they were; any
// change of the table, of the employee's state or city, or of the record in memory is followed.
TEST_F(EmployeeTaxTablesTest, KeptRecordsFollowTheTablesAndTheEmployee)
{
    EmployeeRec.WorkStateIndex = 33;
    EmployeeRec.CityIndex = 2;
    GotoEmployeeState();
    GotoEmployeeCity();

    StateTaxRec.WithValue = 5;  // changed in memory only
    CityTaxRec.WithValue = 5;
    GotoEmployeeState();
    GotoEmployeeCity();
    EXPECT_EQ(StateTaxRec.WithValue, 1000);
    EXPECT_EQ(CityTaxRec.WithValue, 1000);

    module->RSState.SetCurrentRecord(5);  // another state read in between
    module->RSState.GetRec();
    GotoEmployeeState();
    EXPECT_EQ(StateTaxRec.Abbreviation.get(), QStringLiteral("NJ"));
    EXPECT_EQ(module->RSState.CurrentRecord(), 33);

    module->RSState.GetRec();  // the table changed through its record set
    StateTaxRec.WithValue = 1500;
    module->RSState.PostRec();
    module->RSCity.SetCurrentRecord(2);
    module->RSCity.GetRec();
    CityTaxRec.WithValue = 1500;
    module->RSCity.PostRec();
    StateTaxRec.WithValue = 0;
    CityTaxRec.WithValue = 0;
    GotoEmployeeState();
    GotoEmployeeCity();
    EXPECT_EQ(StateTaxRec.WithValue, 1500);
    EXPECT_EQ(CityTaxRec.WithValue, 1500);

    EmployeeRec.WorkStateIndex = 5;  // another employee's state and city
    EmployeeRec.CityIndex = 1;
    GotoEmployeeState();
    GotoEmployeeCity();
    EXPECT_EQ(StateTaxRec.StateIndex, 5);
    EXPECT_EQ(CityTaxRec.CityName.get(), QStringLiteral("NONE"));
}

TEST_F(EmployeeTaxTablesTest, ReopenedTableIsReadAgain)
{
    EmployeeRec.WorkStateIndex = 33;
    GotoEmployeeState();
    ASSERT_EQ(StateTaxRec.WithValue, 1000);

    module->RSState.CloseRecSet();
    QFile file(module->RSState.FileName());
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    const double changed = 2500;
    ASSERT_TRUE(file.seek(32 * qint64(sizeof(StateTaxRecord)) + qint64(offsetof(StateTaxRecord, WithValue))));
    ASSERT_EQ(file.write(reinterpret_cast<const char*>(&changed), sizeof changed), qint64(sizeof changed));
    file.close();
    module->RSState.OpenRecSet();

    GotoEmployeeState();
    EXPECT_EQ(StateTaxRec.WithValue, 2500);
}
