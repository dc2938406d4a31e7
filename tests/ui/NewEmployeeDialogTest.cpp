#include "tests/client/ClientFixture.h"
#include "tests/ui/FormsFixture.h"

#include "client/CompanyRecord.h"
#include "client/EmployeeRecord.h"
#include "client/PayRecords.h"
#include "client/ui/FormW4.h"
#include "client/ui/PayNewEmployee.h"
#include "components/ui/CheckBoxEdit.h"
#include "components/ui/DateEdit.h"
#include "components/ui/DeluxeComboBox.h"
#include "components/ui/DollarEdit.h"
#include "components/ui/FilterEdit.h"
#include "components/ui/StateEdit.h"
#include "platform/AppMessageBox.h"
#include "platform/Registry.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QToolButton>

#include <cstring>

namespace {

void FillDialog(TFrmNewEmployee& d, const QString& ssn)
{
    d.FirstName->setText(QStringLiteral("Pat"));
    d.LastName->setText(QStringLiteral("Adams"));
    d.Address->setText(QStringLiteral("1 Main Street"));
    d.City->setText(QStringLiteral("Dover"));
    d.State->setCurrentIndex(d.State->findText(QStringLiteral("DE")));
    d.ZipCode->setText(QStringLiteral("19901"));
    d.EmployeeNum->setText(QStringLiteral("12"));
    d.WorkState->setCurrentIndex(d.WorkState->findText(QStringLiteral("DE")));
    d.PhoneNumber->setText(QStringLiteral("302-555-0100"));
    d.Gender->setCurrentIndex(1);
    d.SocSecNum->setText(ssn);
    d.Department->setCurrentText(QStringLiteral("Bakery"));
    d.Position->setCurrentText(QStringLiteral("Clerk"));
    d.DateOfBirth->setText(QStringLiteral("04/12/1990"));
    d.Frequency->setCurrentIndex(0);
    QTest::mouseClick(d.Single, Qt::LeftButton);
    d.RegularRate->setValue(18);
    d.StdRegTime->setValue(40);
}

// The dialog opened directly on an open client with one employee.
class NewEmployeeDialogTest : public ClientTest {
protected:
    void SetUp() override
    {
        ClientTest::SetUp();
        AppRegistry = std::make_unique<Registry>();
        CopyShippedForms(programDir());
        openClient();
        module->RSEmployee.NewRec();
        EmployeeRec.FirstName = QStringLiteral("Lee");
        EmployeeRec.LastName = QStringLiteral("Moss");
        EmployeeRec.SocSecNum = QStringLiteral("345-67-8901");
        module->RSEmployee.PostRec();
        std::memcpy(&first_, &EmployeeRec, sizeof first_);
        mossRecord_ = module->RSEmployee.LastRecord();
    }

    // Shows the dialog, hands it to drive and returns whether it created an employee.
    bool runDialog(const std::function<void(TFrmNewEmployee&)>& drive)
    {
        TFrmNewEmployee dialog;
        dialog.show();
        QApplication::setActiveWindow(&dialog);
        EXPECT_TRUE(W4FromNewEmployee);
        drive(dialog);
        EXPECT_FALSE(dialog.isVisible()) << "the dialog must be closed by the test";
        EXPECT_FALSE(W4FromNewEmployee);
        return NewEmployeeAdded;
    }

    EmployeeRecord storedEmployee(int record)
    {
        module->RSEmployee.SetCurrentRecord(record);
        module->RSEmployee.GetRec();
        EmployeeRecord r;
        std::memcpy(&r, &EmployeeRec, sizeof r);
        return r;
    }

    void screenshot(QWidget& window, const QString& name)
    {
        const QImage picture = window.grab().toImage();
        EXPECT_TRUE(picture.save(tempPath(name)));
        const QString folder = qEnvironmentVariable("LEDGORA_SCREENSHOT_DIR");
        if (!folder.isEmpty())
            picture.save(QDir(folder).filePath(name));
    }

    EmployeeRecord first_{};
    int mossRecord_ = 0;
};

} // namespace

TEST_F(NewEmployeeDialogTest, ACompanyOfOneFrequencyPresetsAndLocksIt)
{
    CompanyRec.ProcessFrequency = 2;
    runDialog([&](TFrmNewEmployee& d) {
        screenshot(d, QStringLiteral("NewEmployee.png"));
        auto* scroll = d.findChild<QScrollArea*>(QStringLiteral("ScrollBox1"));
        ASSERT_NE(scroll, nullptr);
        EXPECT_LE(scroll->widget()->minimumSizeHint().width(), scroll->viewport()->width()) << "nothing cut off at the sides";
        scroll->verticalScrollBar()->setValue(scroll->verticalScrollBar()->maximum());
        screenshot(d, QStringLiteral("NewEmployeeProcessing.png"));
        EXPECT_EQ(d.Frequency->currentText(), QStringLiteral("Biweekly"));
        EXPECT_FALSE(d.Frequency->isEnabled());
        messages.expect(IdOk, QStringLiteral("This will discard all entries"));
        d.BtnCancel->click();
    });
    CompanyRec.ProcessFrequency = 0;
    runDialog([&](TFrmNewEmployee& d) {
        EXPECT_EQ(d.Frequency->currentIndex(), -1);
        EXPECT_TRUE(d.Frequency->isEnabled());
        messages.expect(IdOk, QStringLiteral("This will discard all entries"));
        d.BtnCancel->click();
    });
}

TEST_F(NewEmployeeDialogTest, OkRefusesFaultsAndKeepsTheDialogOpen)
{
    struct Case {
        const char* what;
        std::function<void(TFrmNewEmployee&)> spoil;
        const char* message;
    };
    const Case cases[] = {
        {"nine digits", [](TFrmNewEmployee& d) { d.ZipCode->setText(QStringLiteral("199011234")); }, "Employee's Zip+4 is invalid"},
        {"four digits", [](TFrmNewEmployee& d) { d.ZipCode->setText(QStringLiteral("1990")); }, "Employee's Zip Code is invalid"},
        {"no zip", [](TFrmNewEmployee& d) { d.ZipCode->clear(); }, "Employee's Zip Code is missing"},
        {"1234-", [](TFrmNewEmployee& d) { d.ZipCode->setText(QStringLiteral("1234-")); }, "Employee's Zip Code is invalid"},
        {"no city", [](TFrmNewEmployee& d) { d.City->clear(); }, "Employee's City, State, and Zip Code are missing"},
        {"a number in use", [](TFrmNewEmployee& d) { d.SocSecNum->setText(QStringLiteral("345-67-8901")); },
         "There already exists an employee with the same"},
    };
    const qint64 size = QFileInfo(CurFileName).size();
    for (const Case& c : cases) {
        const bool created = runDialog([&](TFrmNewEmployee& d) {
            FillDialog(d, QStringLiteral("234-56-7890"));
            c.spoil(d);
            messages.expect(IdOk, QString::fromUtf8(c.message));
            d.BtnOk->click();
            EXPECT_TRUE(d.isVisible()) << c.what;
            EXPECT_TRUE(messages.allAnswered()) << c.what;
            messages.expect(IdOk, QStringLiteral("This will discard all entries"));
            d.BtnCancel->click();
        });
        EXPECT_FALSE(created) << c.what;
    }
    EXPECT_EQ(QFileInfo(CurFileName).size(), size);
}

TEST_F(NewEmployeeDialogTest, CancelAsksAndAConfirmedCancelCreatesNothing)
{
    const qint64 size = QFileInfo(CurFileName).size();
    const bool created = runDialog([&](TFrmNewEmployee& d) {
        FillDialog(d, QStringLiteral("234-56-7890"));
        messages.expect(IdCancel, QStringLiteral("are you sure you want to cancel?"));
        d.BtnCancel->click();
        EXPECT_TRUE(d.isVisible());
        messages.expect(IdCancel, QStringLiteral("are you sure you want to cancel?"));
        QTest::keyClick(d.FirstName, Qt::Key_Escape);
        EXPECT_TRUE(d.isVisible());
        messages.expect(IdOk, QStringLiteral("are you sure you want to cancel?"));
        d.BtnCancel->click();
    });
    EXPECT_FALSE(created);
    EXPECT_EQ(messages.last().flags & 0xFFF, MbOkCancel | MbIconWarning | MbDefButton2);
    EXPECT_EQ(QFileInfo(CurFileName).size(), size);
}

TEST_F(NewEmployeeDialogTest, OkAppendsTheEmployeeWithTheFormW4AndTheDerivedFields)
{
    const bool created = runDialog([&](TFrmNewEmployee& d) {
        FillDialog(d, QStringLiteral("234-56-7890"));
        d.MiddleName->setText(QStringLiteral("  Jo "));
        dialogs.onNextModal([](QDialog& shown) {
            auto& w = dynamic_cast<TFrmW4&>(shown);
            EXPECT_EQ(w.LastName->text(), QStringLiteral("Adams"));
            EXPECT_EQ(w.State->currentText(), QStringLiteral("DE"));
            w.FW4Box3a->setValue(4400);
            w.FW4Box3b->setValue(1000);
            w.FW4Box4a->setValue(5000);
            w.FW4Box4b->setValue(2000);
            w.FedAddTax->setValue(20);
            w.Address->setText(QStringLiteral("2 Main Street"));
            QTest::mouseClick(w.Married, Qt::LeftButton);
            QTest::mouseClick(w.FW4Box2c, Qt::LeftButton);
            w.BtnProcess->click();
        });
        d.BtnFormW4->click();
        EXPECT_TRUE(dialogs.allUsed());
        EXPECT_EQ(d.FedWithAllow->text(), QStringLiteral("4"));
        EXPECT_EQ(d.Address->text(), QStringLiteral("2 Main Street"));
        EXPECT_TRUE(d.Married->checked());
        EXPECT_FALSE(d.Single->checked());
        EXPECT_EQ(d.FedAddTax->value(), 20);
        EXPECT_EQ(std::memcmp(&EmployeeRec, &first_, sizeof first_), 0) << "the W-4 leaves the current employee alone";
        d.BtnOk->click();
    });
    ASSERT_TRUE(created);
    ASSERT_EQ(module->RSEmployee.LastRecord(), mossRecord_ + 1) << "appended after the last employee";
    const EmployeeRecord r = storedEmployee(mossRecord_ + 1);
    EXPECT_EQ(r.LastName.get(), QStringLiteral("Adams"));
    EXPECT_EQ(r.MiddleName.get(), QStringLiteral("Jo"));
    EXPECT_EQ(r.Address.get(), QStringLiteral("2 Main Street"));
    EXPECT_EQ(r.FedWithAllow, 4);
    EXPECT_EQ(r.FW4Box3a, 4400);
    EXPECT_EQ(r.FW4Box3b, 1000);
    EXPECT_EQ(r.FW4Box3, 5400);
    EXPECT_EQ(r.FW4Box4a, 5000);
    EXPECT_EQ(r.FW4Box4b, 2000);
    EXPECT_TRUE(r.FW4Box2c);
    EXPECT_TRUE(r.Married);
    EXPECT_EQ(r.FedAddTax, 20);
    EXPECT_EQ(r.CityStateZip.get(), QStringLiteral("Dover DE 19901"));
    EXPECT_EQ(r.EmployeeAge, 35);
    EXPECT_EQ(r.FW2CtrlNum.get(), QStringLiteral("Adam-7890"));
    EXPECT_EQ(storedEmployee(mossRecord_).LastName.get(), QStringLiteral("Moss"));
}

TEST_F(NewEmployeeDialogTest, AFullFileCreatesNothingAndChangesNoEmployee)
{
    module->RSEmployee.SetMaxRec(mossRecord_);
    const QByteArray before = ReadTestFile(CurFileName);
    const bool created = runDialog([&](TFrmNewEmployee& d) {
        FillDialog(d, QStringLiteral("234-56-7890"));
        messages.expect(IdOk);
        d.BtnOk->click();
    });
    EXPECT_FALSE(created);
    EXPECT_EQ(ReadTestFile(CurFileName), before);
    EXPECT_EQ(EmployeeRec.LastName.get(), QStringLiteral("Moss"));
}

TEST_F(NewEmployeeDialogTest, TheOpenerTellsWhetherAnEmployeeWasCreated)
{
    dialogs.onNextModal([](QDialog& shown) {
        auto& d = dynamic_cast<TFrmNewEmployee&>(shown);
        FillDialog(d, QStringLiteral("234-56-7890"));
        d.BtnOk->click();
    });
    EXPECT_TRUE(ShowNewEmployeeDialog(nullptr));
    EXPECT_FALSE(W4FromNewEmployee);
    EXPECT_EQ(module->RSEmployee.LastRecord(), mossRecord_ + 1);
    EXPECT_EQ(EmployeeRec.LastName.get(), QStringLiteral("Adams")) << "the new employee is current";

    dialogs.onNextModal([this](QDialog& shown) {
        auto& d = dynamic_cast<TFrmNewEmployee&>(shown);
        messages.expect(IdOk, QStringLiteral("are you sure you want to cancel?"));
        d.BtnCancel->click();
    });
    EXPECT_FALSE(ShowNewEmployeeDialog(nullptr));
    EXPECT_EQ(module->RSEmployee.LastRecord(), mossRecord_ + 1);
}
