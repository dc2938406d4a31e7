#pragma once

#include <functional>

// A walk over every employee of the open client in file order. Each step reads the next employee
// into EmployeeRec. When the walk ends, the employee that was current before it is read again,
// also when the walk ends by an exception: a screen or a computation that started the walk must
// find its own employee afterwards, never the last one visited.
//
// The walk remembers the current record itself rather than through the record set's one-level
// PushRec, so a walk inside another walk restores each to its own record.
class EmployeeLoop {
public:
    // Sets EmployeeCount from GetEmployeeCount and moves before the first employee.
    EmployeeLoop();
    // Restores the employee that was current unless Finish did; a failure to read it again while
    // another error is on its way is not allowed to hide that error.
    ~EmployeeLoop();
    EmployeeLoop(const EmployeeLoop&) = delete;
    EmployeeLoop& operator=(const EmployeeLoop&) = delete;

    // Reads the next employee; false once all EmployeeCount employees were visited.
    bool Next();
    // Reads the employee that was current again; a read failure raises here.
    void Finish();

private:
    int saved_ = 0;
    int visited_ = 0;
    bool finished_ = false;
};

// Calls visit once for every employee in file order, with that employee read into EmployeeRec.
void ForEachEmployee(const std::function<void()>& visit);

// Calls visit once for every employee in the order of the name index (BuildRecIndex), with that
// employee read into EmployeeRec. The employee that was current is read again afterwards, also
// when visit raises.
void ForEachEmployeeByName(const std::function<void()>& visit);
