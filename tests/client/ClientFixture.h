#pragma once

#include "TestSupport.h"

#include "client/PasswordPrompt.h"
#include "client/PayDataModule.h"
#include "client/PayRecords.h"

#include <deque>
#include <memory>

// A test with fresh client state, a data module, and a password window answered from a queue.
class ClientTest : public LedgoraTest {
protected:
    void SetUp() override
    {
        LedgoraTest::SetUp();
        ResetClientState();
        SetPasswordPromptHandler([this](const QString& caption, const QString& prompt, const QString& password) {
            prompts.push_back({caption, prompt, password});
            if (typed.empty()) {
                ADD_FAILURE() << "Unexpected password prompt";
                return PasswordAnswer::Cancelled;
            }
            const std::optional<QString> text = typed.front();
            typed.pop_front();
            if (!text)
                return PasswordAnswer::Cancelled;
            return *text == password ? PasswordAnswer::Correct : PasswordAnswer::Wrong;
        });
        module = std::make_unique<TFrmDataModule>();
        ASSERT_EQ(FrmDataModule, module.get());
    }

    void TearDown() override
    {
        module.reset();
        SetPasswordPromptHandler(nullptr);
        EXPECT_TRUE(typed.empty()) << "Not every queued password was asked for";
        ResetClientState();
        LedgoraTest::TearDown();
    }

    // The path of a client file in the test's folder.
    QString clientPath(const QString& name = QStringLiteral("ACME")) const { return tempPath(name + QStringLiteral(".P26")); }

    // Opens (creating when missing) a client; the client must open.
    void openClient(const QString& name = QStringLiteral("ACME"))
    {
        ASSERT_TRUE(module->OpenClient(clientPath(name)));
    }

    // Appends an employee with the given names and makes it current; the caller sets more fields
    // and posts.
    void addEmployee(const QString& last, const QString& first, const QString& middle = QString(),
                     const QString& suffix = QString())
    {
        if (!(EmployeeCount == 1 && IsUnnamed()))
            module->RSEmployee.NewRec();
        EmployeeRec.LastName = last;
        EmployeeRec.FirstName = first;
        EmployeeRec.MiddleName = middle;
        EmployeeRec.Suffix = suffix;
        EmployeeRec.FullName = first + QChar(' ') + last;
        module->RSEmployee.PostRec();
        EmployeeCount = module->RSEmployee.RecordCount();
    }

    struct Prompt {
        QString caption;
        QString prompt;
        QString password;
    };
    std::vector<Prompt> prompts;
    // What the user types at the next prompts; an empty entry cancels.
    std::deque<std::optional<QString>> typed;
    std::unique_ptr<TFrmDataModule> module;

private:
    // The first record of a new client file has no name yet and is used for the first employee.
    static bool IsUnnamed() { return EmployeeRec.LastName.get().isEmpty() && EmployeeRec.FirstName.get().isEmpty(); }
};
