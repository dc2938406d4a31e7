#include "TestSupport.h"

#include "components/RecordSet.h"
#include "components/ui/RSNavigator.h"
#include "platform/AppMessageBox.h"
#include "platform/Exceptions.h"

#include <QCoreApplication>
#include <QToolButton>
#include <QtTest/QTest>

#include <memory>

namespace {

constexpr int Size = 32;

TNavBtns btns(std::initializer_list<TNavigationButtons> buttons)
{
    TNavBtns set = NoNavBtns;
    for (TNavigationButtons b : buttons)
        set |= NavBtn(b);
    return set;
}

// A navigator over a file of records tagged 1, 2, 3, ... that logs its events.
class RSNavigatorTest : public LedgoraTest {
protected:
    void open(int count)
    {
        QByteArray bytes;
        for (int k = 1; k <= count; ++k)
            bytes += QByteArray(Size, char(k));
        WriteTestFile(tempPath(QStringLiteral("EMPLOYEE.P26")), bytes);
        rs = std::make_unique<TRecordSet>();
        rs->SetRecSize(Size);
        rs->SetFileName(tempPath(QStringLiteral("EMPLOYEE.P26")));
        rs->SetFileShareMode(smShareDenyWrite);
        rs->OpenRecSet();
        ASSERT_TRUE(rs->Active());
        rs->FirstRec();
        nav.OnBeforeAction = [this](TRSNavigator& sender) {
            log.push_back(QStringLiteral("Before %1").arg(int(sender.Action())));
            if (before)
                before(sender);
        };
        nav.OnAfterAction = [this](TRSNavigator& sender) {
            log.push_back(QStringLiteral("After %1 at %2").arg(int(sender.Action())).arg(tag()));
        };
        nav.OnBtnListClick = [this](TRSNavigator&) { log.push_back(QStringLiteral("List")); };
        nav.SetRecordSet(rs.get());
    }

    int tag() const { return static_cast<unsigned char>(rs->RecordBuffer()[0]); }

    TNavBtns enabled() const
    {
        TNavBtns set = NoNavBtns;
        for (int b = 0; b < NavButtonCount; ++b)
            if (nav.Button(TNavigationButtons(b))->isEnabled())
                set |= NavBtn(TNavigationButtons(b));
        return set;
    }

    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::AltModifier) { nav.KeyDownHandler(key, modifiers); }

    TRSNavigator nav;
    std::unique_ptr<TRecordSet> rs;
    std::vector<QString> log;
    std::function<void(TRSNavigator&)> before;
};

} // namespace

TEST_F(RSNavigatorTest, StartsWithSevenButtonsInTheirOrder)
{
    EXPECT_EQ(nav.size(), QSize(154, 22));
    EXPECT_EQ(nav.VisibleButtons(), AllNavBtns);
    EXPECT_TRUE(nav.AutoPerform());
    EXPECT_EQ(nav.RecordSet(), nullptr);
    const char* names[] = {"NavBtnFirst", "NavBtnNext", "NavBtnPrior", "NavBtnLast", "NavBtnList", "NavBtnNew", "NavBtnDelete"};
    const char* hints[] = {"First Record", "Next Record", "Prior Record", "Last Record", "List Records", "New Record", "Delete Record"};
    for (int b = 0; b < NavButtonCount; ++b) {
        QToolButton* button = nav.Button(TNavigationButtons(b));
        EXPECT_EQ(button->objectName(), QLatin1String(names[b]));
        EXPECT_EQ(button->toolTip(), QLatin1String(hints[b]));
        EXPECT_EQ(button->geometry(), QRect(22 * b, 0, 22, 22));
        EXPECT_FALSE(button->isEnabled()) << "no record set yet";
        EXPECT_TRUE(button->text().isEmpty());
    }
    nav.SetBtnListHint(QStringLiteral("List Employees (Alt+I)"));
    EXPECT_EQ(nav.Button(nbList)->toolTip(), QStringLiteral("List Employees (Alt+I)"));
    EXPECT_EQ(nav.BtnListHint(), QStringLiteral("List Employees (Alt+I)"));
}

TEST_F(RSNavigatorTest, HiddenButtonsNarrowTheBar)
{
    nav.SetVisibleButtons(btns({nbFirst, nbNext, nbPrior, nbLast, nbNew}));
    EXPECT_EQ(nav.width(), 110);
    EXPECT_TRUE(nav.Button(nbList)->isHidden());
    EXPECT_TRUE(nav.Button(nbDelete)->isHidden());
    EXPECT_EQ(nav.Button(nbNew)->geometry(), QRect(88, 0, 22, 22));
    EXPECT_EQ(nav.sizeHint(), QSize(110, 22));
    nav.SetVisibleButtons(NoNavBtns);
    EXPECT_EQ(nav.width(), 110);
}

TEST_F(RSNavigatorTest, EnablingFollowsTheRecordSet)
{
    open(1);
    EXPECT_EQ(enabled(), btns({nbNew}));
    rs->CloseRecSet();
    nav.InitNavigator();
    EXPECT_EQ(enabled(), NoNavBtns);
    nav.SetRecordSet(nullptr);
    rs.reset();
    log.clear();

    open(3);
    EXPECT_EQ(enabled(), btns({nbNext, nbLast, nbList, nbNew, nbDelete}));
    press(Qt::Key_L);
    EXPECT_EQ(tag(), 3);
    EXPECT_EQ(enabled(), btns({nbFirst, nbPrior, nbList, nbNew, nbDelete}));
    nav.SetAutoPerform(false);
    EXPECT_EQ(enabled(), NoNavBtns);
    press(Qt::Key_F);
    EXPECT_EQ(tag(), 3);
}

TEST_F(RSNavigatorTest, BrowseOnlyDisablesNewAndDelete)
{
    open(3);
    TRecordSet browser;
    browser.SetRecSize(Size);
    browser.SetFileName(rs->FileName());
    browser.SetFileShareMode(smShareDenyWrite);
    messages.expect(IdOk, QStringLiteral("browse only"));
    browser.OpenRecSet();
    ASSERT_TRUE(browser.BrowseOnly());
    nav.SetRecordSet(&browser);
    EXPECT_EQ(enabled(), btns({nbNext, nbLast, nbList}));
    press(Qt::Key_E);
    EXPECT_EQ(browser.RecordCount(), 3);
}

TEST_F(RSNavigatorTest, EachButtonActsBetweenItsEvents)
{
    open(3);
    const struct {
        Qt::Key key;
        int tag;
        const char* after;
    } steps[] = {
        {Qt::Key_N, 2, "After 1 at 2"},
        {Qt::Key_L, 3, "After 3 at 3"},
        {Qt::Key_P, 2, "After 2 at 2"},
        {Qt::Key_F, 1, "After 0 at 1"},
    };
    for (const auto& step : steps) {
        log.clear();
        press(step.key);
        EXPECT_EQ(tag(), step.tag);
        ASSERT_EQ(log.size(), 2u);
        EXPECT_EQ(log[1], QLatin1String(step.after));
    }
    log.clear();
    press(Qt::Key_I);
    EXPECT_EQ(log, (std::vector<QString>{"Before 4", "List", "After 4 at 1"}));

    log.clear();
    press(Qt::Key_E);
    EXPECT_EQ(rs->RecordCount(), 4);
    EXPECT_EQ(rs->CurrentRecord(), 4);
    EXPECT_EQ(log, (std::vector<QString>{"Before 5", "After 5 at 0"}));
    EXPECT_EQ(enabled(), btns({nbFirst, nbPrior, nbList, nbNew, nbDelete}));

    messages.expect(IdOk, QStringLiteral("Delete current record"));
    press(Qt::Key_D);
    EXPECT_EQ(rs->RecordCount(), 3);
    EXPECT_EQ(enabled(), btns({nbNext, nbLast, nbList, nbNew, nbDelete}));
}

TEST_F(RSNavigatorTest, NextFromTheLastRecordWrapsToTheFirst)
{
    open(3);
    rs->LastRec();
    // The button is disabled on the last record; a click on it while stale still wraps safely.
    nav.Button(nbNext)->setEnabled(true);
    nav.Button(nbNext)->click();
    EXPECT_EQ(tag(), 1);
    EXPECT_FALSE(nav.Button(nbFirst)->isEnabled());
}

TEST_F(RSNavigatorTest, ShortcutsNeedAltAloneAndAnEnabledVisibleButton)
{
    open(3);
    press(Qt::Key_N, Qt::NoModifier);
    press(Qt::Key_N, Qt::AltModifier | Qt::ControlModifier);
    press(Qt::Key_P); // disabled on the first record
    EXPECT_EQ(tag(), 1);
    EXPECT_TRUE(log.empty());
    nav.SetVisibleButtons(btns({nbFirst, nbPrior, nbLast}));
    press(Qt::Key_N);
    EXPECT_EQ(tag(), 1);
    EXPECT_TRUE(log.empty());
}

TEST_F(RSNavigatorTest, CancelInTheBeforeHandlerStopsTheAction)
{
    open(3);
    before = [](TRSNavigator& sender) { sender.Cancel(); };
    const TNavBtns enabledBefore = enabled();
    press(Qt::Key_L);
    EXPECT_EQ(tag(), 1);
    EXPECT_EQ(rs->CurrentRecord(), 1);
    EXPECT_EQ(log, (std::vector<QString>{"Before 3"}));
    EXPECT_EQ(enabled(), enabledBefore);
    press(Qt::Key_E);
    EXPECT_EQ(rs->RecordCount(), 3);

    // The flag does not outlive the action it stopped.
    before = nullptr;
    log.clear();
    press(Qt::Key_L);
    EXPECT_EQ(tag(), 3);
    EXPECT_EQ(log.size(), 2u);
}

TEST_F(RSNavigatorTest, AFieldErrorInTheBeforeHandlerLeavesTheRecordWhereItWas)
{
    open(3);
    before = [](TRSNavigator& sender) {
        sender.Cancel(); // even a handler that also cancelled leaves no stale flag behind
        throw EFieldException(QStringLiteral("Enter the employee's last name."));
    };
    EXPECT_THROW(press(Qt::Key_N), EFieldException);
    EXPECT_EQ(rs->CurrentRecord(), 1);
    EXPECT_EQ(log, (std::vector<QString>{"Before 1"}));

    // Clicked, the error reaches the application's handler, which shows it.
    messages.expect(IdOk, QStringLiteral("Enter the employee's last name."));
    QMetaObject::invokeMethod(nav.Button(nbNext), &QToolButton::click, Qt::QueuedConnection);
    QCoreApplication::processEvents();
    EXPECT_EQ(rs->CurrentRecord(), 1);

    before = nullptr;
    press(Qt::Key_N);
    EXPECT_EQ(tag(), 2);
}

TEST_F(RSNavigatorTest, ARefusedDeleteEndsTheActionWithItsError)
{
    open(3);
    rs->OnBeforeDelete = [](TRecordSet&) { throw ERecordSetException(QStringLiteral("The employee has pay history.")); };
    messages.expect(IdOk, QStringLiteral("Delete current record"));
    EXPECT_THROW(press(Qt::Key_D), ERecordSetException);
    EXPECT_EQ(rs->RecordCount(), 3);
    EXPECT_EQ(log, (std::vector<QString>{"Before 6"}));
}

TEST_F(RSNavigatorTest, AMouseClickPerformsTheAction)
{
    open(3);
    nav.show();
    QTest::mouseClick(nav.Button(nbLast), Qt::LeftButton);
    EXPECT_EQ(tag(), 3);
}
