#include "tests/client/ClientFixture.h"
#include "tests/client/ValidEmployee.h"
#include "tests/ui/FormsFixture.h"

#include "client/EmployeeIndex.h"
#include "client/PayHistoryMap.h"
#include "client/StylePack.h"
#include "client/ui/FormW4.h"
#include "client/ui/PayEmployee.h"
#include "client/ui/VisualStyle.h"
#include "components/ui/CheckBoxEdit.h"
#include "components/ui/DateEdit.h"
#include "components/ui/DeluxeComboBox.h"
#include "components/ui/DollarEdit.h"
#include "components/ui/FilterEdit.h"
#include "components/ui/RSNavigator.h"
#include "components/StateTables.h"
#include "components/ui/StateEdit.h"
#include "platform/AppMessageBox.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QToolButton>
#include <QWheelEvent>
#include <QtTest/QTest>

namespace {

// The employee screen on a client whose employees the test writes first.
class EmployeeScreenTest : public ClientTest {
protected:
    void SetUp() override
    {
        ClientTest::SetUp();
        openClient();
        FillValidEmployee(EmployeeRec, QStringLiteral("Lee"), QStringLiteral("234-56-7890"));
        module->RSEmployee.PostRec();
    }

    void TearDown() override
    {
        screen.reset();
        qApp->setStyleSheet(QString());
        ClientTest::TearDown();
    }

    // Adds a valid employee after the others; the first one stays current.
    void addValidEmployee(const QString& last, const QString& ssn)
    {
        module->RSEmployee.NewRec();
        FillValidEmployee(EmployeeRec, last, ssn);
        module->RSEmployee.PostRec();
        module->RSEmployee.FirstRec();
    }

    TFrmEmployee& show()
    {
        screen = std::make_unique<TFrmEmployee>();
        screen->show();
        QApplication::setActiveWindow(screen.get());
        return *screen;
    }

    QByteArray employeeFile() const { return ReadTestFile(CurFileName); }

    std::unique_ptr<TFrmEmployee> screen;
};

} // namespace

TEST_F(EmployeeScreenTest, StartsAtItsSizeAndScrollsThroughAllSections)
{
    TFrmEmployee& s = show();
    EXPECT_EQ(s.size(), QSize(686, 730));
    QScrollBar* bar = s.ScrollBox1->verticalScrollBar();
    EXPECT_FALSE(s.ScrollBox1->horizontalScrollBar()->isVisible());
    EXPECT_LE(s.ScrollBox1->widget()->minimumSizeHint().width(), s.ScrollBox1->viewport()->width());
    int page = 0;
    do {
        const QImage shot = s.grab().toImage();
        ASSERT_FALSE(shot.isNull());
        ASSERT_TRUE(shot.save(tempPath(QStringLiteral("employee%1.png").arg(page++))));
        bar->setValue(bar->value() + TFrmEmployee::kPageStep);
    } while (bar->value() < bar->maximum() && page < 20);
    QWidget* last = s.AmountEntry(AmountGroupNumber(QStringLiteral("QualifiedOT")), 4);
    bar->setValue(bar->maximum());
    EXPECT_TRUE(s.ScrollBox1->viewport()->rect().contains(
        last->mapTo(s.ScrollBox1->viewport(), QPoint(last->width() / 2, last->height() / 2))));
}

// Moves the focus from one entry to another as Tab does, so the first one is left by the user.
void Leave(QWidget* from, QWidget* to)
{
    from->setFocus(Qt::TabFocusReason);
    to->setFocus(Qt::TabFocusReason);
}

void TypeMoney(TDollarEdit* entry, const QString& keys, QWidget* next)
{
    entry->setFocus(Qt::TabFocusReason);
    entry->selectAll();
    QTest::keyClicks(entry, keys);
    next->setFocus(Qt::TabFocusReason);
}

TEST_F(EmployeeScreenTest, RestrictedModeLocksTheFieldsThatDecidePay)
{
    struct Case {
        const char* what;
        bool payPeriodOpen;
        bool onTemplate;
        bool restricted;
    };
    for (const Case& c : {Case{"neither", false, false, false}, Case{"open pay period", true, false, true},
                          Case{"template client", false, true, true}}) {
        CompanyRec.PayDate = c.payPeriodOpen ? QStringLiteral("03/13/2026") : QStringLiteral("  /  /    ");
        TemplateFileName = c.onTemplate ? CurFileName.toUpper() : tempPath(QStringLiteral("Template.P26"));
        TFrmEmployee& s = show();
        EXPECT_EQ(s.Restricted(), c.restricted) << c.what;
        int visible = 0;
        for (int b = nbFirst; b <= nbDelete; ++b)
            visible += s.RSNavigator->Button(TNavigationButtons(b))->isVisible();
        EXPECT_EQ(visible, c.restricted ? 5 : 7) << c.what;
        EXPECT_EQ(s.RSNavigator->Button(nbNew)->isVisible(), !c.restricted) << c.what;
        for (QWidget* locked : std::initializer_list<QWidget*>{s.DateHired, s.DateSuspend, s.DateSuspEnds,
                                                                s.DateResigned, s.Deceased, s.Frequency})
            EXPECT_EQ(locked->isEnabled(), !c.restricted) << c.what << " " << locked->objectName().toStdString();
        EXPECT_TRUE(s.DateOfBirth->isEnabled());
        screen.reset();
    }
}

TEST_F(EmployeeScreenTest, RestrictedModeLetsAnOldRecordWithoutFrequencyBeLeft)
{
    EmployeeRec.Frequency = 0;
    module->RSEmployee.PostRec();
    CompanyRec.PayDate = QStringLiteral("03/13/2026");
    TFrmEmployee& s = show();
    s.BtnClose->click();
    EXPECT_FALSE(s.isVisible());
    module->RSEmployee.GetRec();
    EXPECT_EQ(EmployeeRec.Frequency, 0);
}

TEST_F(EmployeeScreenTest, UserItemsNameTheirRowsAndABlankOneDisablesItsRow)
{
    CompanyRec.UserEarnings[2] = QStringLiteral("Commission");
    CompanyRec.UserLib[5] = QStringLiteral("Uniforms");
    TFrmEmployee& s = show();
    for (int item = 1; item <= 15; ++item) {
        const bool named = item == 2 || item == 15;
        EXPECT_EQ(s.UserItemLabel(item)->text().isEmpty(), !named) << item;
        const int group = item <= 5 ? AmountGroupNumber(QStringLiteral("UserPay%1").arg(item))
                          : item <= 10 ? AmountGroupNumber(QStringLiteral("UserDeduct%1").arg(item - 5))
                                       : AmountGroupNumber(QStringLiteral("UserLib%1").arg(item - 10));
        for (int column = 2; column <= 4; ++column)
            EXPECT_EQ(s.AmountEntry(group, column)->isEnabled(), named) << item;
    }
    EXPECT_EQ(s.UserItemLabel(2)->text(), QStringLiteral("Commission"));
    EXPECT_EQ(s.UserItemLabel(15)->text(), QStringLiteral("Uniforms"));
}

TEST_F(EmployeeScreenTest, LeavingTheSalariesComputesTheRaise)
{
    TFrmEmployee& s = show();
    s.AmtOfRaise->setValue(123);
    TypeMoney(s.CurrSalary, QStringLiteral("45000"), s.InitSalary);
    EXPECT_EQ(s.AmtOfRaise->value(), 123) << "no previous salary yet";
    TypeMoney(s.PrevSalary, QStringLiteral("40000"), s.EstRaise);
    EXPECT_EQ(s.AmtOfRaise->value(), 5000);
}

TEST_F(EmployeeScreenTest, OvertimeRateFollowsTheRegularRateAndTheDoubleBox)
{
    EmployeeRec.RegularRate = 0;
    EmployeeRec.OverTimeRate = 0;
    module->RSEmployee.PostRec();
    TFrmEmployee& s = show();
    TypeMoney(s.RegularRate, QStringLiteral("20"), s.StdRegTime);
    EXPECT_EQ(s.OverTimeRate->value(), 30);
    QTest::mouseClick(s.DoubleOT, Qt::LeftButton, {}, QPoint(6, s.DoubleOT->height() / 2));
    EXPECT_EQ(s.OverTimeRate->value(), 40);
    TypeMoney(s.OverTimeRate, QStringLiteral("33"), s.StdRegTime);
    QTest::mouseClick(s.DoubleOT, Qt::LeftButton, {}, QPoint(6, s.DoubleOT->height() / 2));
    EXPECT_EQ(s.OverTimeRate->value(), 30);
    // A typed overtime rate stays when the regular rate is left again.
    TypeMoney(s.OverTimeRate, QStringLiteral("35"), s.StdRegTime);
    TypeMoney(s.RegularRate, QStringLiteral("22"), s.StdRegTime);
    EXPECT_EQ(s.OverTimeRate->value(), 35);
}

TEST_F(EmployeeScreenTest, MaritalBoxesActAsOneChoice)
{
    TFrmEmployee& s = show();
    const auto marks = [&s] {
        return std::vector<bool>{s.Single->checked(), s.Married->checked(), s.HOH->checked()};
    };
    EXPECT_EQ(marks(), (std::vector<bool>{false, true, false}));
    QTest::mouseClick(s.Married, Qt::LeftButton);
    EXPECT_EQ(marks(), (std::vector<bool>{false, true, false})) << "the checked box stays checked";
    QTest::mouseClick(s.HOH, Qt::LeftButton);
    EXPECT_EQ(marks(), (std::vector<bool>{false, false, true}));
    s.Single->setFocus();
    QTest::keyClick(s.Single, Qt::Key_Space);
    EXPECT_EQ(marks(), (std::vector<bool>{true, false, false}));
}

TEST_F(EmployeeScreenTest, CaptionEndsInABlankWithoutSuffix)
{
    TFrmEmployee& s = show();
    EXPECT_EQ(s.windowTitle(), QStringLiteral("Employee File Maintenance - Mary Lee "));
    s.MiddleName->setText(QStringLiteral("Ann"));
    s.Suffix->setText(QStringLiteral("JR"));
    Leave(s.LastName, s.Suffix);
    EXPECT_EQ(s.windowTitle(), QStringLiteral("Employee File Maintenance - Mary Ann Lee JR"));
}

TEST_F(EmployeeScreenTest, SaveKeepsTheMiddleInitialAndDerivesAgeAndControlNumber)
{
    EmployeeRec.MiddleName = QStringLiteral("Ann");
    EmployeeRec.MiddleInitial = QStringLiteral("A");
    module->RSEmployee.PostRec();
    TFrmEmployee& s = show();
    s.MiddleName->clear();
    s.DateOfBirth->setText(QStringLiteral("07/04/1980"));
    s.BtnClose->click();
    ASSERT_FALSE(s.isVisible());
    module->RSEmployee.GetRec();
    EXPECT_EQ(EmployeeRec.MiddleName.get(), QString());
    EXPECT_EQ(EmployeeRec.MiddleInitial.get(), QStringLiteral("A"));
    EXPECT_EQ(EmployeeRec.EmployeeAge, 45);
    EXPECT_EQ(EmployeeRec.FW2CtrlNum.get(), QStringLiteral("Lee-7890"));
    EXPECT_EQ(EmployeeRec.FullName.get(), QStringLiteral("Mary Lee "));
    EXPECT_EQ(EmployeeRec.CityStateZip.get(), QStringLiteral("Springfield IL 62701"));
}

TEST_F(EmployeeScreenTest, KeysScrollTheWindowAndReachItsEnds)
{
    TFrmEmployee& s = show();
    QScrollBar* bar = s.ScrollBox1->verticalScrollBar();
    s.FirstName->setFocus();
    QTest::keyClick(s.FirstName, Qt::Key_PageDown);
    EXPECT_EQ(bar->value(), TFrmEmployee::kPageStep);
    QTest::keyClick(s.FirstName, Qt::Key_PageUp);
    EXPECT_EQ(bar->value(), 0);
    QTest::keyClick(s.FirstName, Qt::Key_PageUp);
    EXPECT_EQ(bar->value(), 0);

    // An arrow on a drop-down list scrolls instead of changing the choice.
    s.Frequency->setFocus();
    QTest::keyClick(s.Frequency, Qt::Key_Down);
    EXPECT_EQ(s.Frequency->currentIndex(), 0);
    EXPECT_EQ(bar->value(), bar->singleStep());

    QTest::keyClick(s.Frequency, Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(bar->value(), bar->maximum());
    EXPECT_EQ(QApplication::focusWidget(), s.AmountEntry(AmountGroupNumber(QStringLiteral("QualifiedOT")), 4));
    EXPECT_EQ(QApplication::focusWidget()->objectName(), QStringLiteral("QualifiedOT_iYtd"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Home, Qt::ControlModifier);
    EXPECT_EQ(bar->value(), 0);
    EXPECT_EQ(QApplication::focusWidget(), s.FirstName);
}

TEST_F(EmployeeScreenTest, SuspensionDatesAreColouredAndRefusedOnTwoLines)
{
    struct Case {
        const char* begin;
        const char* end;
        TDateEdit* TFrmEmployee::*coloured;
        const char* message;
    };
    const Case cases[] = {
        {"03/01/2026", "  /  /    ", &TFrmEmployee::DateSuspEnds,
         "Date suspended has a valid entry, however\rdate suspension ends is invalid"},
        {"03/10/2026", "03/09/2026", &TFrmEmployee::DateSuspend, "Date suspended is after the date suspension ends."},
        {"02/30/2026", "  /  /    ", &TFrmEmployee::DateSuspend, "Employee's date suspended is invalid"},
    };
    for (const Case& c : cases) {
        TFrmEmployee& s = show();
        s.DateSuspend->setText(QString::fromLatin1(c.begin));
        s.DateSuspEnds->setText(QString::fromLatin1(c.end));
        s.CheckFieldStatus();
        QWidget* coloured = s.*c.coloured;
        EXPECT_EQ(PaintedColor(coloured), kMissingFieldColor) << c.message;
        messages.expect(IdOk, QString::fromLatin1(c.message));
        s.BtnClose->click();
        EXPECT_TRUE(s.isVisible());
        EXPECT_EQ(messages.last().text, QString::fromLatin1(c.message));
        EXPECT_EQ(QApplication::focusWidget(), coloured);
        screen.reset();
    }
}

TEST_F(EmployeeScreenTest, DuplicateSocialSecurityNumbers)
{
    addValidEmployee(QStringLiteral("Baker"), QStringLiteral("345-67-8901"));
    const QString duplicate =
        QStringLiteral("There already exists an employee with the same\rsocial security number in the database.");
    {
        TFrmEmployee& s = show();
        s.SocSecNum->setText(QStringLiteral("345-67-8901"));
        messages.expect(IdOk, duplicate);
        s.BtnClose->click();
        EXPECT_TRUE(s.isVisible());
        EXPECT_EQ(QApplication::focusWidget(), s.SocSecNum);
        // The own number again is fine.
        s.SocSecNum->setText(QStringLiteral("234-56-7890"));
        s.BtnClose->click();
        EXPECT_FALSE(s.isVisible());
        screen.reset();
    }
    // A duplicate already in the file that nobody edits does not hold the employee.
    EmployeeRec.SocSecNum = QStringLiteral("345-67-8901");
    module->RSEmployee.PostRec();
    TFrmEmployee& s = show();
    s.BtnClose->click();
    EXPECT_FALSE(s.isVisible());
}

TEST_F(EmployeeScreenTest, NewEmployeeStartsBlankAndNeedsAMaritalStatus)
{
    TFrmEmployee& s = show();
    s.RSNavigator->Button(nbNew)->click();
    EXPECT_EQ(module->RSEmployee.CurrentRecord(), 2);
    EXPECT_FALSE(s.Single->checked() || s.Married->checked() || s.HOH->checked());
    EXPECT_EQ(s.FirstName->text(), QString());
    EXPECT_EQ(PaintedColor(s.Single), kMissingFieldColor);

    const EmployeeRecord first = [this] {
        module->RSEmployee.PushRec();
        module->RSEmployee.FirstRec();
        EmployeeRecord record = EmployeeRec;
        module->RSEmployee.PopRec();
        return record;
    }();
    FillValidEmployee(EmployeeRec, QStringLiteral("Baker"), QStringLiteral("345-67-8901"));
    EmployeeRec.Married = false;
    LoadEmployeeForm(s);
    messages.expect(IdOk, QStringLiteral("You must check one of the Marital Status boxes"));
    QTest::mouseClick(s.RSNavigator->Button(nbFirst), Qt::LeftButton);
    EXPECT_EQ(module->RSEmployee.CurrentRecord(), 2) << "the record set does not move";
    QTest::mouseClick(s.Single, Qt::LeftButton);
    QTest::mouseClick(s.RSNavigator->Button(nbFirst), Qt::LeftButton);
    EXPECT_EQ(module->RSEmployee.CurrentRecord(), 1);
    EXPECT_EQ(s.LastName->text(), first.LastName.get());
    module->RSEmployee.LastRec();
    EXPECT_EQ(EmployeeRec.LastName.get(), QStringLiteral("Baker"));
    EXPECT_TRUE(EmployeeRec.Single);
}

TEST_F(EmployeeScreenTest, BrowseOnlyClientShowsReadOnlyMovesAndWritesNothing)
{
    addValidEmployee(QStringLiteral("Baker"), QStringLiteral("345-67-8901"));
    // Files are held exclusively by the opener that created them, so the first opener opens an
    // existing client.
    module->RSEmployee.CloseRecSet();
    openClient();
    const QByteArray before = ReadTestFile(clientPath());

    TFrmDataModule second;
    FrmDataModule = &second;
    messages.expect(IdOk, QStringLiteral(" is already in use!"));
    ASSERT_TRUE(second.OpenClient(clientPath()));
    messages.expect(IdOk, TSetupScreen::kBrowseOnlyNotice);
    TFrmEmployee& s = show();
    EXPECT_TRUE(s.FirstName->isReadOnly());
    EXPECT_TRUE(s.DateOfBirth->isReadOnly());
    EXPECT_FALSE(s.Frequency->isEnabled());
    EXPECT_FALSE(s.RSNavigator->Button(nbNew)->isEnabled());
    EXPECT_FALSE(s.RSNavigator->Button(nbDelete)->isEnabled());

    s.LastName->setText(QStringLiteral("Changed"));
    QTest::mouseClick(s.RSNavigator->Button(nbNext), Qt::LeftButton);
    EXPECT_EQ(s.LastName->text(), QStringLiteral("Baker"));
    s.SocSecNum->setText(QStringLiteral("456-78-9012"));
    QTest::mouseClick(s.RSNavigator->Button(nbPrior), Qt::LeftButton);
    EXPECT_EQ(s.LastName->text(), QStringLiteral("Lee"));
    s.FirstName->setFocus();
    QTest::keyClick(s.FirstName, Qt::Key_Escape);
    EXPECT_FALSE(s.isVisible());
    screen.reset();

    int notices = 0;
    for (const ShownMessage& shown : messages.shown())
        notices += shown.text == TSetupScreen::kBrowseOnlyNotice;
    EXPECT_EQ(notices, 1);
    second.RSEmployee.CloseRecSet();
    FrmDataModule = module.get();
    EXPECT_EQ(ReadTestFile(clientPath()), before);
    EXPECT_FALSE(QFile::exists(tempPath(QStringLiteral("ACME.Dep"))));
    EXPECT_FALSE(QFile::exists(tempPath(QStringLiteral("ACME.Pos"))));
}

TEST_F(EmployeeScreenTest, EscapeAfterARefusalLeavesWithoutSaving)
{
    TFrmEmployee& s = show();
    s.LastName->clear();
    s.FirstName->setFocus();
    messages.expect(IdOk, QStringLiteral("Employee's last name is missing"));
    messages.expect(IdNo, TSetupScreen::kCloseWithoutSaving);
    QTest::keyClick(s.FirstName, Qt::Key_Escape);
    EXPECT_TRUE(s.isVisible());
    EXPECT_EQ(QApplication::focusWidget(), s.LastName);
    messages.expect(IdOk, QStringLiteral("Employee's last name is missing"));
    messages.expect(IdYes, TSetupScreen::kCloseWithoutSaving);
    QTest::keyClick(s.LastName, Qt::Key_Escape);
    EXPECT_FALSE(s.isVisible());
    EXPECT_EQ(EmployeeRec.LastName.get(), QStringLiteral("Lee"));
    module->RSEmployee.GetRec();
    EXPECT_EQ(EmployeeRec.LastName.get(), QStringLiteral("Lee"));
}

TEST_F(EmployeeScreenTest, TextFitsItsRoomInTheStylesAndScalings)
{
    struct Case {
        const char* style;
        int scaling;
    };
    const QString styles = QCoreApplication::applicationDirPath() + QStringLiteral("/styles");
    for (const Case& c : {Case{"Windows", 100}, Case{"Cyan Dusk", 100}, Case{"Windows", 85}, Case{"Cyan Dusk", 85}}) {
        ApplyStyleSheet(LoadStyleSheet(styles, QString::fromLatin1(c.style)));
        ScalingPercent = c.scaling;
        CompanyRec.UserEarnings[1] = QStringLiteral("Commission on Sales");
        TFrmEmployee& s = show();
        QCoreApplication::processEvents();
        for (QWidget* w : s.findChildren<QWidget*>()) {
            QString text;
            if (auto* label = qobject_cast<QLabel*>(w)) {
                if (label->wordWrap()) {
                    EXPECT_LE(label->heightForWidth(label->width()), label->height())
                        << c.style << " " << label->text().toStdString();
                    continue;
                }
                text = label->text();
            } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
                text = button->text();
            } else {
                continue;
            }
            if (text.isEmpty() || !w->isVisibleTo(&s))
                continue;
            EXPECT_LE(w->sizeHint().width(), w->width()) << c.style << " " << c.scaling << "% " << text.toStdString();
        }
        screen.reset();
    }
}

TEST_F(EmployeeScreenTest, OpenerWithoutNavigationDisablesEveryButtonAndItsKeys)
{
    addValidEmployee(QStringLiteral("Baker"), QStringLiteral("345-67-8901"));
    screen = std::make_unique<TFrmEmployee>();
    screen->RSNavigator->SetAutoPerform(false);
    screen->show();
    QApplication::setActiveWindow(screen.get());
    for (int b = nbFirst; b <= nbDelete; ++b)
        EXPECT_FALSE(screen->RSNavigator->Button(TNavigationButtons(b))->isEnabled()) << b;
    screen->FirstName->setFocus();
    QTest::keyClick(screen->FirstName, Qt::Key_N, Qt::AltModifier);
    EXPECT_EQ(module->RSEmployee.CurrentRecord(), 1);
    EXPECT_EQ(screen->LastName->text(), QStringLiteral("Lee"));
}

TEST_F(EmployeeScreenTest, FrameSurroundsTheFocusedEntry)
{
    TFrmEmployee& s = show();
    auto* frame = s.findChild<TFocusFrame*>();
    ASSERT_TRUE(frame);
    for (QWidget* entry : std::initializer_list<QWidget*>{s.City, s.Gender, s.DateOfBirth, s.Married, s.RegularRate,
                                                          s.AmountEntry(AmountGroupNumber(QStringLiteral("Tips")), 3)}) {
        entry->setFocus(Qt::TabFocusReason);
        EXPECT_EQ(frame->framed(), entry) << entry->objectName().toStdString();
    }
    s.BtnCalculate->setFocus();
    EXPECT_EQ(frame->framed(), s.AmountEntry(AmountGroupNumber(QStringLiteral("Tips")), 3));
}

TEST_F(EmployeeScreenTest, WheelOverAChoiceScrollsTheWindow)
{
    TFrmEmployee& s = show();
    QScrollBar* bar = s.ScrollBox1->verticalScrollBar();
    s.Frequency->setFocus();
    const QPoint at(5, 5);
    QWheelEvent wheel(at, s.Frequency->mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(s.Frequency, &wheel);
    EXPECT_EQ(s.Frequency->currentIndex(), 0);
    EXPECT_EQ(bar->value(), bar->singleStep());
}

TEST_F(EmployeeScreenTest, FormW4ButtonOpensTheFormOnTheEntriesAsTyped)
{
    CopyShippedForms(programDir());
    TFrmEmployee& s = show();
    s.LastName->setText(QStringLiteral("Lo"));
    dialogs.onNextModal([this](QDialog& shown) {
        auto& w = dynamic_cast<TFrmW4&>(shown);
        EXPECT_EQ(w.LastName->text(), QStringLiteral("Lo"));
        w.FW4Box3b->setValue(1500);
        messages.expect(IdYes, QStringLiteral("are you sure you want to cancel?"));
        w.BtnCancel->click();
    });
    QTest::mouseClick(s.BtnFormW4, Qt::LeftButton);
    EXPECT_TRUE(dialogs.allUsed());
    EXPECT_EQ(s.LastName->text(), QStringLiteral("Lo"));
    EXPECT_EQ(EmployeeRec.FW4Box3b, 0);
    EXPECT_EQ(s.FedWithAllow->text(), QStringLiteral("0"));
}
