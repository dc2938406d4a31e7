// The From and To lists of stored pay dates: what they offer, and how a window that follows every
// choice and one with an OK button take or refuse a range.

#include "tests/payroll/PriorPeriodFixture.h"

#include "client/PayRecords.h"
#include "payroll/ui/PayDateRangeBox.h"

#include <QComboBox>
#include <QLabel>
#include <vector>

namespace {

class PayDateRangeBoxTest : public PriorPeriodTest {
protected:
    // Three weekly periods; the third is stored with the pay date of the second.
    void postThreeWeeksTheLastTwoOnOneDate()
    {
        addHourlyEmployee(QStringLiteral("Baker"), QStringLiteral("Ann"), 25);
        postWeeks(3);
        CompanyRec.PriorPayDate[3] = CompanyRec.PriorPayDate[2].get();
    }
};

} // namespace

TEST_F(PayDateRangeBoxTest, OffersEveryStoredPayDateAndStartsOnAllOfThem)
{
    addHourlyEmployee(QStringLiteral("Baker"), QStringLiteral("Ann"), 25);
    postWeeks(3);
    QWidget window;
    TPayDateRangeBox box(QStringLiteral("Pay Dates:"), &window);
    EXPECT_EQ(box.title(), QStringLiteral("Pay Dates:"));
    EXPECT_EQ(box.LblFrom->text(), QStringLiteral("From"));
    EXPECT_EQ(box.LblTo->text(), QStringLiteral("To"));
    for (QComboBox* list : {box.CbxPayDateFrom, box.CbxPayDateTo}) {
        ASSERT_EQ(list->count(), 3);
        EXPECT_FALSE(list->isEditable());
        EXPECT_EQ(list->itemText(2), QStringLiteral("01/21/2026 (3)"));
    }
    EXPECT_EQ(box.CbxPayDateFrom->currentIndex(), 0);
    EXPECT_EQ(box.CbxPayDateTo->currentIndex(), 2);
    EXPECT_EQ(box.Range(), (PayDateRange{1, 3}));
}

TEST_F(PayDateRangeBoxTest, FollowingChoicesRefusesReversedRangesAndPutsBothListsBack)
{
    postThreeWeeksTheLastTwoOnOneDate();
    QWidget window;
    TPayDateRangeBox box(QStringLiteral("Pay Dates:"), &window);
    box.FollowChoices();
    std::vector<PayDateRange> changes;
    QObject::connect(&box, &TPayDateRangeBox::RangeChanged, [&](const PayDateRange& range) { changes.push_back(range); });

    // One pay date as both ends stands.
    box.CbxPayDateFrom->setCurrentIndex(1);
    box.CbxPayDateTo->setCurrentIndex(1);
    EXPECT_EQ(box.Range(), (PayDateRange{2, 2}));

    struct Case {
        const char* what;
        int from, to;
    };
    const Case refused[] = {{"later date as From", 2, 0}, {"later slot of the same date as From", 2, 1}};
    for (const Case& c : refused) {
        box.SetRange({c.to + 1, c.to + 1});
        messages.expect(IdOk, QStringLiteral("The pay date from cannot be"));
        box.CbxPayDateFrom->setCurrentIndex(c.from);
        EXPECT_TRUE(messages.last().flags & MbIconStop) << c.what;
        EXPECT_EQ(box.CbxPayDateFrom->currentIndex(), c.to) << c.what;
        EXPECT_EQ(box.CbxPayDateTo->currentIndex(), c.to) << c.what;
        EXPECT_EQ(box.Range(), (PayDateRange{c.to + 1, c.to + 1})) << c.what;
    }
    const std::vector<PayDateRange> expected{{2, 3}, {2, 2}};
    EXPECT_EQ(changes, expected);
}

TEST_F(PayDateRangeBoxTest, AnOkButtonTakesTheChoiceOrLeavesTheRangeAsItWas)
{
    postThreeWeeksTheLastTwoOnOneDate();
    QWidget window;
    TPayDateRangeBox box(QStringLiteral("Payroll Pay Dates"), &window);
    box.CbxPayDateFrom->setCurrentIndex(2);
    box.CbxPayDateTo->setCurrentIndex(1);
    messages.expect(IdOk, QStringLiteral("The pay date from cannot be"));
    EXPECT_FALSE(box.AcceptChoice());
    EXPECT_EQ(box.Range(), (PayDateRange{1, 3}));
    EXPECT_EQ(box.CbxPayDateFrom->currentIndex(), 2);

    box.CbxPayDateTo->setCurrentIndex(2);
    EXPECT_TRUE(box.AcceptChoice());
    EXPECT_EQ(box.Range(), (PayDateRange{3, 3}));
}
