#include "PayRunFixture.h"

#include "payroll/UserFieldSetup.h"
#include "platform/Exceptions.h"

#include <map>

namespace {

struct FlagCase {
    int p;
    bool exempt;
    bool deferred;
    bool cafe;
};

} // namespace

TEST(UserFieldSetupRules, EachKindOfFieldHasItsOwnTaxFlags)
{
    for (const FlagCase& c : {FlagCase{1, true, false, false}, FlagCase{5, true, false, false},
                              FlagCase{6, true, true, true}, FlagCase{10, true, true, true},
                              FlagCase{11, false, false, false}, FlagCase{15, false, false, false}}) {
        SCOPED_TRACE(c.p);
        EXPECT_EQ(HasTaxExemptFlag(c.p), c.exempt);
        EXPECT_EQ(HasTaxDeferredFlag(c.p), c.deferred);
        EXPECT_EQ(HasCafePlanFlag(c.p), c.cafe);
    }
}

TEST(UserFieldSetupRules, FlagsAFieldDoesNotHaveStayAsStored)
{
    EmployeeRecord e{};
    e.UserTaxExemp[3] = true;  // belongs to user earning 3, not to liability 13
    e.UserTaxDefr[3] = true;   // belongs to user deduction 8
    e.UserCafePlan[3] = true;
    UserFieldSetup setup = UnusedUserFieldSetup();
    StoreUserFieldSetup(setup, 13, e);
    EXPECT_TRUE(e.UserTaxExemp[3]);
    EXPECT_TRUE(e.UserTaxDefr[3]);
    EXPECT_TRUE(e.UserCafePlan[3]);
    EXPECT_EQ(e.UserMaxAmt[13], kNoUserFieldMaximum);

    // An earning stores only its exempt flag.
    setup.TaxExempt = false;
    setup.TaxDeferred = false;
    StoreUserFieldSetup(setup, 3, e);
    EXPECT_FALSE(e.UserTaxExemp[3]);
    EXPECT_TRUE(e.UserTaxDefr[3]);

    // No action chosen leaves the stored one; an action outside 1..7 reads as none.
    e.UserAction[4] = 9;
    EXPECT_EQ(LoadUserFieldSetup(e, 4).Action, 0);
    setup.Action = -1;
    StoreUserFieldSetup(setup, 4, e);
    EXPECT_EQ(e.UserAction[4], 9);
}

TEST(UserFieldSetupRules, OkRulesInTheirOrder)
{
    struct Case {
        double multiplier;
        int action;
        double maximum;
        std::optional<UserSetupField> field;
        const char* message;
    };
    for (const Case& c : {Case{0, 2, 100, UserSetupField::Multiplier, "User Field Multiplier must be entered"},
                          Case{0.5, 2, 0, UserSetupField::MaxAmount, "Maximum amount to be paid/deducted"},
                          Case{0.5, 0, 100, UserSetupField::Multiplier, "an Action to be calculated must be set"},
                          Case{0, 0, 0, std::nullopt, ""}, Case{0.5, 7, 100, std::nullopt, ""}}) {
        UserFieldSetup setup;
        setup.Multiplier = c.multiplier;
        setup.Action = c.action;
        setup.MaxAmount = c.maximum;
        const std::optional<UserSetupProblem> problem = CheckUserFieldSetup(setup);
        ASSERT_EQ(problem.has_value(), c.field.has_value()) << c.message;
        if (problem) {
            EXPECT_EQ(problem->Field, *c.field);
            EXPECT_TRUE(problem->Message.contains(QString::fromLatin1(c.message))) << problem->Message.toStdString();
        }
    }
}

class UserFieldSetupTest : public PayRunTest {
protected:
    void SetUp() override
    {
        PayRunTest::SetUp();
        for (const char* first : {"Ann", "Bob", "Cy"})
            addPaidEmployee(QString::fromLatin1(first), QStringLiteral("Smith"));
        module->RSEmployee.OnAfterPost = [this](TRecordSet& sender) { ++posts[sender.CurrentRecord()]; };
    }

    std::map<int, int> posts;
};

TEST_F(UserFieldSetupTest, ApplyToAllWritesEveryEmployeeOnceAndKeepsUnpostedEntries)
{
    readEmployee(2);
    EmployeeRec.RUserDeduct2 = 12.5;  // typed on the recurring screen, not yet posted
    UserFieldSetup setup;
    setup.Multiplier = 2;
    setup.Action = 3;
    setup.MaxAmount = 500;
    setup.CafePlan = true;
    ApplyUserFieldSetupToAll(setup, 7);

    EXPECT_EQ(posts, (std::map<int, int>{{1, 1}, {2, 1}, {3, 1}}));
    EXPECT_EQ(module->RSEmployee.CurrentRecord(), 2);
    EXPECT_EQ(EmployeeRec.RUserDeduct2, 12.5);
    EXPECT_EQ(EmployeeRec.UserAction[7], 3);
    EXPECT_TRUE(EmployeeRec.UserCafePlan[2]);
    for (int n : {1, 2, 3}) {
        readEmployee(n);
        EXPECT_EQ(EmployeeRec.UserAmount[7], 2.0);
        EXPECT_EQ(EmployeeRec.UserAction[7], 3);
        EXPECT_EQ(EmployeeRec.UserMaxAmt[7], 500.0);
        EXPECT_TRUE(EmployeeRec.UserCafePlan[2]);
    }
}

TEST_F(UserFieldSetupTest, ApplyToAllRefusesAnInvalidSetupBeforeWriting)
{
    readEmployee(1);
    UserFieldSetup setup;
    setup.Multiplier = 2;
    setup.Action = 0;
    EXPECT_THROW(ApplyUserFieldSetupToAll(setup, 1), EFieldException);
    EXPECT_TRUE(posts.empty());
    readEmployee(3);
    EXPECT_EQ(EmployeeRec.UserAmount[1], 0.0);
}
