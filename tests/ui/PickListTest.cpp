#include "TestSupport.h"

#include "components/StateTables.h"
#include "components/ui/RecList.h"
#include "components/ui/StateList.h"
#include "components/ui/TabbedListBox.h"
#include "platform/ui/ShowModal.h"

#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QtTest/QTest>

namespace {

void clickRow(QListWidget* list, int row)
{
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, list->visualItemRect(list->item(row)).center());
}

// A double-click as the system delivers it: a click, then the second press as a double-click
// and its release.
void doubleClickRow(QListWidget* list, int row)
{
    const QPoint at = list->visualItemRect(list->item(row)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, at);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, at);
    QTest::mouseRelease(list->viewport(), Qt::LeftButton, Qt::NoModifier, at);
}

QStringList employeeNames(int count)
{
    QStringList names;
    for (int i = 0; i < count; ++i)
        names << QStringLiteral("Employee %1, Pat").arg(i + 1, 2, 10, QChar('0'));
    return names;
}

using StateListTest = LedgoraTest;
using RecListTest = LedgoraTest;

} // namespace

TEST_F(StateListTest, ListsTheCodesInTheirFixedOrder)
{
    TFrmStateList picker;
    picker.AssignLabels(QStringLiteral("Select state to which"), QStringLiteral("this report applies"));
    EXPECT_EQ(picker.windowTitle(), QStringLiteral("State Code List Box"));
    EXPECT_EQ(picker.size(), QSize(177, 225));
    EXPECT_EQ(picker.Label1->text(), QStringLiteral("Select state to which"));
    EXPECT_EQ(picker.Label2->text(), QStringLiteral("this report applies"));
    ASSERT_EQ(picker.StateListBox->count(), StateCount);
    for (int i = 0; i < StateCount; ++i)
        EXPECT_EQ(picker.StateListBox->item(i)->text(), QLatin1String(StateCodes[i]));
    EXPECT_TRUE(picker.BtnOk->isDefault());
}

TEST_F(StateListTest, GivesThePositionOfTheChosenStateOrMinusOne)
{
    const int ny = StateCodeIndex(QStringLiteral("NY"));
    const struct {
        const char* what;
        std::function<void(TFrmStateList&)> drive;
        int selection;
    } cases[] = {
        {"click and Ok", [&](TFrmStateList& p) { clickRow(p.StateListBox, ny); p.BtnOk->click(); }, ny},
        {"click and Enter", [&](TFrmStateList& p) { clickRow(p.StateListBox, 3); QTest::keyClick(p.StateListBox, Qt::Key_Return); }, 3},
        {"double-click", [&](TFrmStateList& p) { doubleClickRow(p.StateListBox, 0); }, 0},
        {"Ok without a choice", [](TFrmStateList& p) { p.BtnOk->click(); }, -1},
        {"Cancel after a choice", [&](TFrmStateList& p) { clickRow(p.StateListBox, ny); p.BtnCancel->click(); }, -1},
        {"Esc in the list", [&](TFrmStateList& p) { clickRow(p.StateListBox, ny); QTest::keyClick(p.StateListBox, Qt::Key_Escape); }, -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TFrmStateList picker;
        picker.Selection = 7; // left from an earlier use: the show starts over
        dialogs.onNextModal([&](QDialog&) {
            EXPECT_EQ(picker.Selection, -1);
            c.drive(picker);
        });
        ShowModal(picker);
        EXPECT_FALSE(picker.isVisible());
        EXPECT_EQ(picker.Selection, c.selection);
    }
}

TEST_F(StateListTest, TheClickedStateIsNamedBelowTheList)
{
    TFrmStateList picker;
    dialogs.onNextModal([&](QDialog&) {
        clickRow(picker.StateListBox, StateCodeIndex(QStringLiteral("NJ")));
        EXPECT_EQ(picker.CurStatePanel->text(), QStringLiteral("New Jersey"));
        QTest::keyClick(picker.StateListBox, Qt::Key_Down);
        EXPECT_EQ(picker.CurStatePanel->text(), StateNameOf(QLatin1String(StateCodes[picker.StateListBox->currentRow()])));
        picker.BtnCancel->click();
    });
    ShowModal(picker);
}

TEST_F(RecListTest, SizesItselfByTheEmployeeCount)
{
    const struct {
        int employees;
        int window;
        int list;
    } cases[] = {{2, 141, 33}, {5, 173, 70}, {9, 226, 121}, {25, 237, 134}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.employees);
        TFrmRecList picker;
        picker.AssignEntries(employeeNames(c.employees));
        EXPECT_EQ(picker.height(), c.window);
        // The designed width, grown only where the heading's font needs it.
        EXPECT_GE(picker.width(), 273);
        EXPECT_GE(picker.width(), picker.EmployeeListHeader->sectionSize(0));
        EXPECT_EQ(picker.EmployeeListBox->height(), c.list);
        EXPECT_EQ(picker.EmployeeListBox->count(), c.employees);
        EXPECT_EQ(picker.PanelContainer->geometry().bottom(), c.window - 1);
    }
}

TEST_F(RecListTest, ALongListScrolls)
{
    TFrmRecList picker;
    picker.AssignEntries(employeeNames(25));
    dialogs.onNextModal([&](QDialog&) {
        EXPECT_GT(picker.EmployeeListBox->verticalScrollBar()->maximum(), 0);
        picker.BtnCancel->click();
    });
    ShowModal(picker);
}

TEST_F(RecListTest, StartsOnTheFirstNameWithTheListFocused)
{
    TFrmRecList picker;
    picker.AssignEntries(employeeNames(4));
    EXPECT_EQ(picker.windowTitle(), QStringLiteral("Employee List"));
    EXPECT_EQ(picker.EmployeeListHeader->model()->headerData(0, Qt::Horizontal).toString(),
              QStringLiteral("Last Name,  First and Middle Name or Initial"));
    EXPECT_GE(picker.EmployeeListHeader->sectionSize(0), 215);
    EXPECT_GE(picker.EmployeeListHeader->sectionSize(0),
              picker.EmployeeListHeader->fontMetrics().horizontalAdvance(
                  picker.EmployeeListHeader->model()->headerData(0, Qt::Horizontal).toString()));
    EXPECT_EQ(picker.BtnOk->focusPolicy() & Qt::TabFocus, 0);
    EXPECT_EQ(picker.BtnCancel->focusPolicy() & Qt::TabFocus, 0);
    dialogs.onNextModal([&](QDialog&) {
        EXPECT_EQ(picker.Selected, -1);
        EXPECT_EQ(picker.EmployeeListBox->currentRow(), 0);
        EXPECT_TRUE(picker.EmployeeListBox->currentItem()->isSelected());
        EXPECT_EQ(picker.focusWidget(), picker.EmployeeListBox);
        picker.BtnOk->click();
    });
    ShowModal(picker);
    EXPECT_EQ(picker.Selected, 0);
}

TEST_F(RecListTest, GivesTheChosenEntryOrMinusOne)
{
    const struct {
        const char* what;
        std::function<void(TFrmRecList&)> drive;
        int selected;
    } cases[] = {
        {"arrow down and Enter", [](TFrmRecList& p) {
             QTest::keyClick(p.EmployeeListBox, Qt::Key_Down);
             QTest::keyClick(p.EmployeeListBox, Qt::Key_Down);
             QTest::keyClick(p.EmployeeListBox, Qt::Key_Return);
         }, 2},
        {"click and Ok", [](TFrmRecList& p) { clickRow(p.EmployeeListBox, 4); p.BtnOk->click(); }, 4},
        {"double-click", [](TFrmRecList& p) { doubleClickRow(p.EmployeeListBox, 3); }, 3},
        {"Cancel", [](TFrmRecList& p) { clickRow(p.EmployeeListBox, 4); p.BtnCancel->click(); }, -1},
        {"Esc", [](TFrmRecList& p) { QTest::keyClick(p.EmployeeListBox, Qt::Key_Escape); }, -1},
        {"Ok with nothing selected", [](TFrmRecList& p) { p.EmployeeListBox->clearSelection(); p.BtnOk->click(); }, -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TFrmRecList picker;
        picker.AssignEntries(employeeNames(6));
        dialogs.onNextModal([&](QDialog&) { c.drive(picker); });
        ShowModal(picker);
        EXPECT_FALSE(picker.isVisible());
        EXPECT_EQ(picker.Selected, c.selected);
    }
}
