#include "client/ui/ClientStateWindows.h"

#include "client/EmployeeIndex.h"
#include "client/PasswordPrompt.h"
#include "components/ui/PasswordDlg.h"
#include "components/ui/RecList.h"

void InstallClientStateWindows()
{
    SetPasswordPromptHandler([](const QString& caption, const QString& prompt, const QString& password) {
        const std::optional<QString> typed = AskPassword(caption, prompt);
        if (!typed)
            return PasswordAnswer::Cancelled;
        return *typed == password ? PasswordAnswer::Correct : PasswordAnswer::Wrong;
    });
    SetEmployeePicker(PickEmployee);
}
