#include "client/EmployeeLoop.h"

#include "client/EmployeeIndex.h"
#include "client/PayDataModule.h"
#include "client/PayRecords.h"
#include "client/PayUtil.h"

#include <algorithm>

namespace {

// The employee record set, or none while no data module exists.
TRecordSet* EmployeeSet()
{
    return FrmDataModule ? &FrmDataModule->RSEmployee : nullptr;
}

int CurrentEmployeeNumber()
{
    TRecordSet* set = EmployeeSet();
    return set && set->Active() ? set->CurrentRecord() : 0;
}

// Reads record `number` of the employee file again when it still exists.
void RestoreEmployee(int number)
{
    TRecordSet* set = EmployeeSet();
    if (!set || !set->Active() || number < set->FirstRecord() || number > set->LastRecord())
        return;
    set->SetCurrentRecord(number);
    set->GetRec();
}

} // namespace

EmployeeLoop::EmployeeLoop()
{
    EmployeeCount = GetEmployeeCount();
    saved_ = CurrentEmployeeNumber();
    if (TRecordSet* set = EmployeeSet())
        set->RootRec();
}

EmployeeLoop::~EmployeeLoop()
{
    if (finished_)
        return;
    try {
        RestoreEmployee(saved_);
    } catch (...) {
        // A failure here must not replace the error that ended the walk.
    }
}

bool EmployeeLoop::Next()
{
    TRecordSet* set = EmployeeSet();
    if (finished_ || !set || visited_ >= EmployeeCount)
        return false;
    set->NextRec();
    ++visited_;
    return true;
}

void EmployeeLoop::Finish()
{
    if (finished_)
        return;
    finished_ = true;
    RestoreEmployee(saved_);
}

void ForEachEmployee(const std::function<void()>& visit)
{
    EmployeeLoop loop;
    while (loop.Next())
        visit();
    loop.Finish();
}

void ForEachEmployeeByName(const std::function<void()>& visit)
{
    BuildRecIndex();
    const int saved = CurrentEmployeeNumber();
    try {
        const int count = std::min<int>(EmployeeCount, static_cast<int>(RecIndex.size()));
        for (int i = 0; i < count; ++i) {
            ReadEmployeeRecord(RecIndex[static_cast<std::size_t>(i)].Index + 1);
            visit();
        }
    } catch (...) {
        try {
            RestoreEmployee(saved);
        } catch (...) {
            // The error that ended the walk is the one to report.
        }
        throw;
    }
    RestoreEmployee(saved);
}
