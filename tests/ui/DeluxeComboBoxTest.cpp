#include "FieldWindow.h"

#include "components/ui/DeluxeComboBox.h"

#include <QFile>
#include <QLineEdit>

namespace {

class DeluxeComboBoxTest : public FieldWindowTest {
protected:
    void SetUp() override
    {
        FieldWindowTest::SetUp();
        department = add<TDeluxeComboBox>();
        department->setSorted(true);
        department->setMaxLength(20);
        department->setFileName(tempPath(QStringLiteral("ACME.Dep")));
        next = add<QLineEdit>();
    }

    QStringList items() const { return department->items(); }

    TDeluxeComboBox* department = nullptr;
    QLineEdit* next = nullptr;
};

} // namespace

TEST_F(DeluxeComboBoxTest, StartsAsTheScreensExpect)
{
    TDeluxeComboBox fresh;
    EXPECT_TRUE(fresh.addText());
    EXPECT_TRUE(fresh.fileName().isEmpty());
    EXPECT_TRUE(fresh.isEditable());
    // Without a file name nothing is loaded or saved.
    fresh.addItem(QStringLiteral("Sales"));
    fresh.LoadItems();
    fresh.SaveItems();
    EXPECT_EQ(fresh.count(), 1);
}

TEST_F(DeluxeComboBoxTest, TypingCompletesFromTheListIgnoringCase)
{
    WriteTestFile(department->fileName(), QByteArray("Service\r\nSales\r\n"));
    department->LoadItems();
    EXPECT_EQ(items(), (QStringList{QStringLiteral("Sales"), QStringLiteral("Service")}));
    show();
    type(QStringLiteral("s"));
    EXPECT_EQ(department->currentText(), QStringLiteral("Sales"));
    EXPECT_EQ(department->lineEdit()->selectedText(), QStringLiteral("ales"));
    type(QStringLiteral("e"));
    EXPECT_EQ(department->currentText(), QStringLiteral("Service"));
    EXPECT_EQ(department->lineEdit()->selectedText(), QStringLiteral("rvice"));
    // Backspace removes the completion without completing again.
    key(Qt::Key_Backspace);
    EXPECT_EQ(department->currentText(), QStringLiteral("Se"));
    EXPECT_TRUE(department->lineEdit()->selectedText().isEmpty());
    type(QStringLiteral("x"));
    EXPECT_EQ(department->currentText(), QStringLiteral("Sex"));
    // Enter does not add the text to the list.
    key(Qt::Key_Return);
    EXPECT_EQ(department->count(), 2);
}

TEST_F(DeluxeComboBoxTest, TextSetByTheProgramIsNotCompleted)
{
    department->addItems({QStringLiteral("Sales"), QStringLiteral("Service")});
    department->setEditText(QStringLiteral("Sa"));
    EXPECT_EQ(department->currentText(), QStringLiteral("Sa"));
}

TEST_F(DeluxeComboBoxTest, LeavingPutsTheTextFirst)
{
    department->addItems({QStringLiteral("Sales"), QStringLiteral("Service")});
    department->setCurrentIndex(-1);
    show();
    type(QStringLiteral("Shipping"));
    tab();
    EXPECT_EQ(items(), (QStringList{QStringLiteral("Shipping"), QStringLiteral("Sales"), QStringLiteral("Service")}));
    EXPECT_EQ(department->currentText(), QStringLiteral("Shipping"));

    department->setFocus(Qt::TabFocusReason);
    department->setEditText(QStringLiteral("Service"));
    tab();
    EXPECT_EQ(items(), (QStringList{QStringLiteral("Service"), QStringLiteral("Shipping"), QStringLiteral("Sales")}));
    EXPECT_EQ(department->currentText(), QStringLiteral("Service"));

    department->setFocus(Qt::TabFocusReason);
    department->setEditText(QStringLiteral("  "));
    tab();
    EXPECT_EQ(items().size(), 3);

    department->setAddText(false);
    department->setFocus(Qt::TabFocusReason);
    department->setEditText(QStringLiteral("Payroll"));
    tab();
    EXPECT_EQ(items().size(), 3);
}

TEST_F(DeluxeComboBoxTest, SavesInListOrderAndLoadsSorted)
{
    department->addItems({QStringLiteral("Sales"), QStringLiteral("Service")});
    department->AddOrMoveItem(QStringLiteral("Admin"));
    department->AddOrMoveItem(QStringLiteral("Service"));
    department->SaveItems();
    EXPECT_EQ(ReadTestFile(department->fileName()), QByteArray("Service\r\nAdmin\r\nSales\r\n"));
    department->LoadItems();
    EXPECT_EQ(items(), (QStringList{QStringLiteral("Admin"), QStringLiteral("Sales"), QStringLiteral("Service")}));
}

TEST_F(DeluxeComboBoxTest, EmptyListAndMissingFile)
{
    WriteTestFile(department->fileName(), QByteArray("Sales\r\n"));
    department->clear();
    department->SaveItems();
    EXPECT_EQ(ReadTestFile(department->fileName()), QByteArray("Sales\r\n"));
    department->addItem(QStringLiteral("Old"));
    department->setFileName(tempPath(QStringLiteral("NEW.Dep")));
    department->LoadItems();
    EXPECT_EQ(department->count(), 0);
    EXPECT_FALSE(QFile::exists(department->fileName()));
}
