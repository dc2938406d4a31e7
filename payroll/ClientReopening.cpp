#include "payroll/ClientReopening.h"

#include "client/PayDataModule.h"
#include "client/PayRecords.h"
#include "platform/Exceptions.h"

void ReopenClient(TFrmDataModule& module)
{
    struct SkipPassword {
        SkipPassword() { SkipPasswordPrompt = true; }
        ~SkipPassword() { SkipPasswordPrompt = false; }
    } skip;
    module.RSEmployee.OpenRecSet();
    if (!module.RSEmployee.Active())
        throw ECustomException(QStringLiteral("%1 could not be opened again.").arg(CurFileName));
}
