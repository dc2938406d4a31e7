#pragma once

#include "TestSupport.h"

#include "client/PayRecords.h"

// A pay computation step tested on the global records alone: a new monthly employee working in
// Maryland, no client file open.
class PayStepTest : public LedgoraTest {
protected:
    void SetUp() override
    {
        LedgoraTest::SetUp();
        ResetClientState();
        EmployeeRec = NewEmployeeRecord();
        EmployeeRec.FullName = QStringLiteral("Ann Example");
        EmployeeRec.Frequency = 4;
        EmployeeRec.Single = true;
        EmployeeRec.WorkState = QStringLiteral("MD");
        EmployeeRec.WorkStateIndex = 22;
    }

    void TearDown() override
    {
        ResetClientState();
        LedgoraTest::TearDown();
    }

    static constexpr int Now = kCurrentColumn;
    static constexpr int Ytd = kYearToDateColumn;
};
