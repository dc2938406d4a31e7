#include "ClientFixture.h"

#include "client/ClientPassword.h"
#include "client/PasswordScramble.h"
#include "platform/AppMessageBox.h"

#include <QFile>
#include <cstring>

namespace {

QString PasswordInFile(const QString& companyFile)
{
    CompanyRecord record;
    const QByteArray bytes = ReadTestFile(companyFile);
    if (bytes.size() < static_cast<qsizetype>(sizeof record)) {
        ADD_FAILURE() << "no company record in " << companyFile.toStdString();
        return {};
    }
    std::memcpy(&record, bytes.constData(), sizeof record);
    return record.FilePassword.get();
}

} // namespace

using ClientPasswordTest = ClientTest;

TEST_F(ClientPasswordTest, RulesOfTheDialog)
{
    struct Case {
        const char* password;
        const char* confirmation;
        const char* message;  // null: accepted
    };
    const Case cases[] = {
        {"abcde", "abcde", nullptr},
        {"Ab1!@#$Cd2xyz9Q", "Ab1!@#$Cd2xyz9Q", nullptr},
        {"abcd", "abcd", "The Password cannot be less than 5 characters"},
        {"abcde", "abcdE", "The Password and Confirmation fields don't match"},
        {"abcd", "abcde", "The Password and Confirmation fields don't match"},
        {"abc def", "abc def", "The password may hold only"},
        {"abcdefghijklmnop", "abcdefghijklmnop", "The password may hold only"},
    };
    openClient();
    for (const Case& c : cases) {
        CompanyRec.FilePassword = ScramblePassword(QStringLiteral("Before1"));
        module->RSCompany.PostRec();
        if (c.message)
            messages.expect(IdOk, QString::fromUtf8(c.message));
        const bool accepted = SaveClientPassword(QString::fromUtf8(c.password), QString::fromUtf8(c.confirmation));
        EXPECT_EQ(accepted, c.message == nullptr) << c.password;
        const QString expected = QString::fromUtf8(c.message ? "Before1" : c.password);
        EXPECT_EQ(CurrentClientPassword(), expected) << c.password;
        EXPECT_EQ(UnscramblePassword(PasswordInFile(CompanyFileName)), expected) << c.password;
        if (c.message) {
            EXPECT_EQ(messages.last().flags, MbOk | MbIconStop) << c.password;
        }
    }
}

TEST_F(ClientPasswordTest, BlankFirstFieldRemovesThePasswordWhateverTheSecondHolds)
{
    openClient();
    ASSERT_TRUE(SaveClientPassword(QStringLiteral("Secret1"), QStringLiteral("Secret1")));
    EXPECT_TRUE(SaveClientPassword(QString(), QStringLiteral("Secret1")));
    EXPECT_TRUE(CompanyRec.FilePassword.get().isEmpty());
    EXPECT_TRUE(PasswordInFile(CompanyFileName).isEmpty());
    EXPECT_TRUE(messages.shown().empty());
}

TEST_F(ClientPasswordTest, TheNewPasswordIsAskedAtTheNextOpening)
{
    openClient();
    ASSERT_TRUE(SaveClientPassword(QStringLiteral("Pay2026"), QStringLiteral("Pay2026")));
    module->RSEmployee.CloseRecSet();
    typed.push_back(QStringLiteral("Pay2026"));
    openClient();
    ASSERT_EQ(prompts.size(), 1u);
    EXPECT_EQ(prompts[0].password, QStringLiteral("Pay2026"));
}

TEST(ClientPasswordChars, LettersDigitsAndFourMarks)
{
    for (QChar c : QStringLiteral("azAZ09!@#$"))
        EXPECT_TRUE(IsPasswordChar(c)) << c.toLatin1();
    for (QChar c : QStringLiteral(" -_.%&*\u00e9"))
        EXPECT_FALSE(IsPasswordChar(c)) << static_cast<int>(c.unicode());
}
