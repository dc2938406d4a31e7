#include "TestSupport.h"

#include "client/PayRecords.h"
#include "forms/W2Checks.h"

#include <functional>

namespace {

// An employee with wages and nothing wrong with the W-2 entries.
EmployeeRecord WithWages()
{
    EmployeeRecord e{};
    e.FedEarnings[kYearToDateColumn] = 500;
    return e;
}

TEST(W2ChecksTest, TheChecksAndTheirMessagesInOrder)
{
    const struct {
        const char* what;
        std::function<void(EmployeeRecord&)> change;
        bool forPrintOne;
        W2Entry entry;
        int index;
        const char* message;  // empty: no problem
    } cases[] = {
        {"nothing wrong", [](EmployeeRecord&) {}, true, W2Entry::FedEarnings, 0, ""},
        {"no wages, printing one", [](EmployeeRecord& e) { e.FedEarnings[kYearToDateColumn] = -50; }, true,
         W2Entry::FedEarnings, 0, "Box 1 on Form W-2 must have a value greater than zero\ror one of the box 12 codes must be \"II\""},
        {"no wages, moving on", [](EmployeeRecord& e) { e.FedEarnings[kYearToDateColumn] = 0; }, false,
         W2Entry::FedEarnings, 0, ""},
        {"no wages but II in entry 12", [](EmployeeRecord& e) {
             e.FedEarnings[kYearToDateColumn] = 0;
             e.FW2Box12Code[12] = QStringLiteral("II");
             e.FW2Box12Amt[12] = 10;
         }, true, W2Entry::FedEarnings, 0, ""},
        {"amount without code in 12c", [](EmployeeRecord& e) { e.FW2Box12Amt[3] = 5; }, false, W2Entry::Box12Code, 3,
         "Box 12c code is missing."},
        {"code without amount in 12l", [](EmployeeRecord& e) { e.FW2Box12Code[12] = QStringLiteral("W"); }, false,
         W2Entry::Box12Amount, 12, "Box 12l amount is missing."},
        {"missing codes before missing amounts", [](EmployeeRecord& e) {
             e.FW2Box12Code[1] = QStringLiteral("W");
             e.FW2Box12Amt[9] = 5;
         }, false, W2Entry::Box12Code, 9, "Box 12i code is missing."},
        {"box 14 amount without description", [](EmployeeRecord& e) { e.FW2Box14Amt2 = 12; }, false,
         W2Entry::Box14Description, 2, "Box 14 description 2 is missing."},
        {"box 14 description without amount", [](EmployeeRecord& e) { e.FW2Box14Desc3 = QStringLiteral("Dues"); }, false,
         W2Entry::Box14Amount, 3, "Box 14 amount 3 is missing."},
        {"TP without box 14b", [](EmployeeRecord& e) {
             e.FW2Box12Code[7] = QStringLiteral("tp");
             e.FW2Box12Amt[7] = 800;
         }, false, W2Entry::Box14bCode, 0, "Box 14b requires an entry when the employee has tip income"},
        {"TP with box 14b", [](EmployeeRecord& e) {
             e.FW2Box12Code[7] = QStringLiteral("TP");
             e.FW2Box12Amt[7] = 800;
             e.FW2Box14bTTOC = QStringLiteral("102");
         }, false, W2Entry::Box14bCode, 0, ""},
        {"TT alone needs no box 14b", [](EmployeeRecord& e) {
             e.FW2Box12Code[1] = QStringLiteral("TT");
             e.FW2Box12Amt[1] = 450;
         }, false, W2Entry::Box14bCode, 0, ""},
    };
    for (const auto& c : cases) {
        EmployeeRecord e = WithWages();
        c.change(e);
        const std::optional<W2EntryProblem> problem = CheckW2Entries(e, c.forPrintOne);
        if (QString::fromUtf8(c.message).isEmpty()) {
            EXPECT_FALSE(problem) << c.what << ": " << (problem ? problem->message.toStdString() : std::string());
            continue;
        }
        ASSERT_TRUE(problem) << c.what;
        EXPECT_EQ(problem->entry, c.entry) << c.what;
        EXPECT_EQ(problem->index, c.index) << c.what;
        EXPECT_EQ(problem->message, QString::fromUtf8(c.message)) << c.what;
    }
}

} // namespace
