#include "forms/Form1095CPrint.h"

#include "client/PayDataModule.h"
#include "client/PayRecords.h"
#include "forms/Form1095CParams.h"
#include "forms/FormOutput.h"
#include "forms/FormParams.h"

namespace {

const QString kLayout = QStringLiteral("Form1095C");

// Puts the employee that was current back into the buffer, as it was, however the printing ends.
class CurrentEmployeeGuard {
public:
    CurrentEmployeeGuard() : record_(DataModule().RSEmployee.CurrentRecord()), buffer_(EmployeeRec) {}
    ~CurrentEmployeeGuard()
    {
        DataModule().RSEmployee.SetCurrentRecord(record_);
        EmployeeRec = buffer_;
    }
    CurrentEmployeeGuard(const CurrentEmployeeGuard&) = delete;
    CurrentEmployeeGuard& operator=(const CurrentEmployeeGuard&) = delete;

    int record() const { return record_; }
    const EmployeeRecord& buffer() const { return buffer_; }

private:
    int record_;
    EmployeeRecord buffer_;
};

} // namespace

void Print1095CForms(FormProjectRun& run, int first, int last, bool maskNumbers)
{
    TRecordSet& employees = DataModule().RSEmployee;
    const CurrentEmployeeGuard current;
    const FormParams employer = Form1095CEmployerParams(CompanyRec);
    for (int n = first; n <= last; ++n) {
        // The employee shown on the screen prints as shown; the others as stored.
        if (n == current.record()) {
            EmployeeRec = current.buffer();
        } else {
            employees.SetCurrentRecord(n);
            employees.GetRec();
        }
        FormParams params = employer;
        const FormParams employee = Form1095CEmployeeParams(EmployeeRec, maskNumbers);
        for (const auto& [name, value] : employee.Values())
            params.Set(name, value);
        run.Fill(kLayout, params);
        if (n != last)
            run.NewPage();
    }
}
