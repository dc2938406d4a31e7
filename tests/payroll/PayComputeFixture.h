#pragma once

#include "TestSupport.h"

#include "client/PayDataModule.h"
#include "client/PayHistoryMap.h"
#include "client/PayRecords.h"
#include "client/TaxTableFiles.h"
#include "components/NumberRoutines.h"
#include "components/StateTables.h"
#include "platform/Exceptions.h"

#include <QCoreApplication>

#include <cstring>

#include <functional>
#include <memory>

// An open client with fresh state and city tables, the shipped 2026 federal table, and a weekly
// single employee working in Texas with no city and nothing entered yet.
class PayComputeTest : public LedgoraTest {
protected:
    static constexpr int Now = kCurrentColumn;
    static constexpr int Ytd = kYearToDateColumn;

    void SetUp() override
    {
        LedgoraTest::SetUp();
        ResetClientState();
        LoadFederalTable(QCoreApplication::applicationDirPath() + QStringLiteral("/LEDGORA.FTT"), FederalTaxRec);
        module = std::make_unique<TFrmDataModule>();
        ASSERT_TRUE(module->OpenClient(tempPath(QStringLiteral("TEST.P26"))));
        CompanyRec.IncludeTips = true;

        EmployeeRec = NewEmployeeRecord();
        EmployeeRec.FullName = QStringLiteral("Ann Smith");
        EmployeeRec.Frequency = 1;
        EmployeeRec.Single = true;
        setWorkState("TX");
    }

    void TearDown() override
    {
        module.reset();
        ResetClientState();
        LedgoraTest::TearDown();
    }

    static int stateIndex(const char* code) { return StateCodeIndex(QString::fromLatin1(code)) + 1; }

    void setWorkState(const char* code)
    {
        EmployeeRec.WorkState = QString::fromLatin1(code);
        EmployeeRec.WorkStateIndex = stateIndex(code);
    }

    // Changes the stored state table of a state; the employee record in memory is untouched.
    void editStateTable(const char* code, const std::function<void(StateTaxRecord&)>& edit)
    {
        module->RSState.SetCurrentRecord(stateIndex(code));
        module->RSState.GetRec();
        edit(StateTaxRec);
        module->RSState.PostRec();
    }

    // Adds a city to the city table and makes it the employee's work city.
    void addWorkCity(const QString& name, const std::function<void(CityTaxRecord&)>& edit)
    {
        module->RSCity.NewRec();
        std::memset(&CityTaxRec, 0, sizeof CityTaxRec);
        CityTaxRec.CityName = name;
        edit(CityTaxRec);
        module->RSCity.PostRec();
        EmployeeRec.CityName = name;
        EmployeeRec.CityIndex = module->RSCity.LastRecord();
    }

    // What posting does to the figures the computation reads: the current column is added into
    // the month-, quarter- and year-to-date columns.
    static void postCurrentPeriod()
    {
        for (int group = 0; group < kAmountGroupCount; ++group) {
            TPeriodAmounts& amounts = AmountGroup(EmployeeRec, group);
            for (int column = kMonthToDateColumn; column <= kYearToDateColumn; ++column)
                amounts[column] += amounts[Now];
        }
    }

    std::unique_ptr<TFrmDataModule> module;
};
