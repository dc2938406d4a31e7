#include "ClientFixture.h"

#include "client/EmployeeTaxTables.h"
#include "platform/Exceptions.h"

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
