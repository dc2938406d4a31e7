#include "client/ClientPassword.h"

#include "client/PasswordScramble.h"
#include "client/PayDataModule.h"
#include "client/PayRecords.h"
#include "components/TextRoutines.h"
#include "platform/AppMessageBox.h"

#include <algorithm>

namespace {

void StopMessage(const QString& text)
{
    AppMessageBox(text, QStringLiteral("Ledgora 2026"), MbOk | MbIconStop);
}

// Writes the stored password; the record in memory keeps the old one when the write fails.
void StorePassword(const QString& stored)
{
    const QString previous = CompanyRec.FilePassword.get();
    CompanyRec.FilePassword = stored;
    try {
        DataModule().RSCompany.PostRec();
    } catch (...) {
        CompanyRec.FilePassword = previous;
        throw;
    }
}

} // namespace

bool IsPasswordChar(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || (u >= '0' && u <= '9') || u == '!' || u == '@'
           || u == '#' || u == '$';
}

QString CurrentClientPassword()
{
    return UnscramblePassword(CompanyRec.FilePassword.get());
}

bool SaveClientPassword(const QString& password, const QString& confirmation)
{
    if (IsBlank(password)) {
        StorePassword(QString());
        return true;
    }
    if (password != confirmation) {
        StopMessage(QStringLiteral("The Password and Confirmation fields don't match"));
        return false;
    }
    if (password.trimmed().size() < kMinPasswordLength) {
        StopMessage(QStringLiteral("The Password cannot be less than 5 characters"));
        return false;
    }
    // A character the stored form cannot hold, or one past the fifteenth, would be dropped
    // silently and leave a password nobody could type.
    if (password.size() > kMaxPasswordLength || !std::all_of(password.begin(), password.end(), IsPasswordChar)) {
        StopMessage(QStringLiteral("The password may hold only the letters a to z and A to Z, the digits 0 to 9 "
                                   "and !, @, #, $, at most 15 of them."));
        return false;
    }
    StorePassword(ScramblePassword(password));
    return true;
}
