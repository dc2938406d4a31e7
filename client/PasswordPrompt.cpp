#include "client/PasswordPrompt.h"

namespace {

PasswordPromptHandler& InstalledHandler()
{
    static PasswordPromptHandler handler;
    return handler;
}

} // namespace

PasswordPromptHandler SetPasswordPromptHandler(PasswordPromptHandler handler)
{
    PasswordPromptHandler previous = std::move(InstalledHandler());
    InstalledHandler() = std::move(handler);
    return previous;
}

bool TPasswordDialog::Execute()
{
    cancel_ = false;
    const PasswordPromptHandler& handler = InstalledHandler();
    const PasswordAnswer answer = handler ? handler(Caption, Prompt, Password) : PasswordAnswer::Cancelled;
    cancel_ = answer == PasswordAnswer::Cancelled;
    return answer == PasswordAnswer::Correct;
}
