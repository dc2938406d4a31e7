#include "FieldWindow.h"

#include "client/PayRecords.h"
#include "client/ui/ScreenRules.h"
#include "components/ui/FilterEdit.h"
#include "platform/AppMessageBox.h"
#include "platform/Exceptions.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QPushButton>

namespace {

// A screen with one required entry: saving refuses an empty name, keeps the text otherwise.
class NameScreen : public TSetupScreen {
public:
    NameScreen()
        : TSetupScreen(nullptr, 7)
    {
        auto* layout = new QFormLayout(this);
        Name = new TFilterEdit(this);
        Other = new TFilterEdit(this);
        Choice = new QComboBox(this);
        Option = new QCheckBox(QStringLiteral("Option"), this);
        BtnClose = new QPushButton(QStringLiteral("&Close"), this);
        layout->addRow(QStringLiteral("Name"), Name);
        layout->addRow(QStringLiteral("Other"), Other);
        layout->addRow(QStringLiteral("Choice"), Choice);
        layout->addRow(Option);
        layout->addRow(BtnClose);
        connect(BtnClose, &QPushButton::clicked, this, &TSetupScreen::CloseScreen);
    }

    TFilterEdit* Name;
    TFilterEdit* Other;
    QComboBox* Choice;
    QCheckBox* Option;
    QPushButton* BtnClose;
    QString saved;
    int saves = 0;
    int reverts = 0;
    bool failWithIoError = false;

protected:
    void SaveScreen() override
    {
        ++saves;
        if (failWithIoError)
            throw EInOutError(QStringLiteral("Disk full"));
        if (Name->text().isEmpty()) {
            Name->setFocus();
            throw EFieldException(QStringLiteral("Company name is missing"));
        }
        saved = Name->text();
    }
    void RevertScreen() override { ++reverts; }
};

class ScreenRulesTest : public FieldWindowTest {
protected:
    void showScreen()
    {
        screen.show();
        screen.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&screen));
    }
    NameScreen screen;
};

enum class Way { CloseButton, Escape, CloseBox };

void CloseThe(NameScreen& screen, Way way)
{
    switch (way) {
    case Way::CloseButton:
        screen.BtnClose->click();
        break;
    case Way::Escape:
        QTest::keyClick(screen.Name, Qt::Key_Escape);
        break;
    case Way::CloseBox:
        screen.close();
        break;
    }
}

} // namespace

TEST_F(ScreenRulesTest, EveryWayOutSavesWhatIsValid)
{
    for (const Way way : {Way::CloseButton, Way::Escape, Way::CloseBox}) {
        SCOPED_TRACE(static_cast<int>(way));
        screen.saved.clear();
        showScreen();
        screen.Name->setText(QStringLiteral("Acme"));
        CloseThe(screen, way);
        EXPECT_FALSE(screen.isVisible());
        EXPECT_EQ(screen.result(), QDialog::Accepted);
        EXPECT_EQ(screen.saved, QStringLiteral("Acme"));
    }
    EXPECT_EQ(screen.reverts, 0);
    EXPECT_TRUE(messages.shown().empty());
}

TEST_F(ScreenRulesTest, CloseButtonKeepsARefusedScreenOpen)
{
    showScreen();
    messages.expect(IdOk, QStringLiteral("Company name is missing"));
    screen.BtnClose->click();
    EXPECT_TRUE(screen.isVisible());
    EXPECT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(screen.focusWidget(), screen.Name);
    EXPECT_EQ(screen.reverts, 0);
}

TEST_F(ScreenRulesTest, CancellingARefusedSaveAsksBeforeClosingWithoutSaving)
{
    for (const Way way : {Way::Escape, Way::CloseBox}) {
        SCOPED_TRACE(static_cast<int>(way));
        screen.reverts = 0;
        showScreen();
        // No, the default, keeps the screen open with nothing put back.
        messages.expect(IdOk, QStringLiteral("Company name is missing"));
        messages.expect(IdNo, TSetupScreen::kCloseWithoutSaving);
        CloseThe(screen, way);
        EXPECT_TRUE(screen.isVisible());
        EXPECT_EQ(screen.reverts, 0);
        EXPECT_EQ(messages.last().flags, MbYesNo | MbIconQuestion | MbDefButton2);

        messages.expect(IdOk, QStringLiteral("Company name is missing"));
        messages.expect(IdYes, TSetupScreen::kCloseWithoutSaving);
        CloseThe(screen, way);
        EXPECT_FALSE(screen.isVisible());
        EXPECT_EQ(screen.result(), QDialog::Rejected);
        EXPECT_EQ(screen.reverts, 1);
    }
    EXPECT_TRUE(messages.allAnswered());
}

TEST_F(ScreenRulesTest, AFailedWriteIsShownAndTreatedAsARefusal)
{
    showScreen();
    screen.Name->setText(QStringLiteral("Acme"));
    screen.failWithIoError = true;
    messages.expect(IdOk, QStringLiteral("Disk full"));
    screen.BtnClose->click();
    EXPECT_TRUE(screen.isVisible());
    messages.expect(IdOk, QStringLiteral("Disk full"));
    messages.expect(IdYes, TSetupScreen::kCloseWithoutSaving);
    QTest::keyClick(screen.Name, Qt::Key_Escape);
    EXPECT_FALSE(screen.isVisible());
    EXPECT_EQ(screen.reverts, 1);
}

TEST_F(ScreenRulesTest, BrowseOnlySaysSoOnceShowsReadOnlyAndSavesNothing)
{
    screen.setBrowseOnly(true);
    messages.expect(IdOk, TSetupScreen::kBrowseOnlyNotice);
    showScreen();
    EXPECT_EQ(messages.shown().size(), 1u);
    EXPECT_TRUE(screen.Name->isReadOnly());
    EXPECT_TRUE(screen.Other->isReadOnly());
    EXPECT_FALSE(screen.Choice->isEnabled());
    EXPECT_FALSE(screen.Option->isEnabled());
    EXPECT_TRUE(screen.BtnClose->isEnabled());
    QTest::keyClicks(screen.Name, QStringLiteral("abc"));
    EXPECT_TRUE(screen.Name->text().isEmpty());

    // An empty name would be refused; browse-only closes without checking or saving.
    screen.BtnClose->click();
    EXPECT_FALSE(screen.isVisible());
    showScreen();
    QTest::keyClick(screen.Name, Qt::Key_Escape);
    EXPECT_FALSE(screen.isVisible());
    EXPECT_EQ(screen.saves, 0);
    EXPECT_EQ(screen.reverts, 2);
    EXPECT_EQ(messages.shown().size(), 1u);
}

TEST_F(ScreenRulesTest, StatusColourUnderEveryKindOfStyle)
{
    for (const QString& sheet : {QString(), QStringLiteral("QLineEdit { background-color: #22303b; color: white; }")}) {
        SCOPED_TRACE(sheet.toStdString());
        qApp->setStyleSheet(sheet);
        showScreen();
        PaintFieldStatus(screen.Name, true);
        PaintFieldStatus(screen.Choice, true);
        EXPECT_EQ(PaintedColor(screen.Name), kMissingFieldColor);
        const QImage painted = screen.Name->grab().toImage();
        EXPECT_EQ(painted.pixelColor(painted.width() / 2, painted.height() / 2), kMissingFieldColor);

        PaintFieldStatus(screen.Name, false);
        PaintFieldStatus(screen.Choice, false);
        EXPECT_FALSE(PaintedColor(screen.Name).isValid());
        const QImage plain = screen.Name->grab().toImage();
        const QImage other = screen.Other->grab().toImage();
        EXPECT_EQ(plain.pixelColor(plain.width() / 2, plain.height() / 2),
                  other.pixelColor(other.width() / 2, other.height() / 2));
        // The text takes the style's colour again, not the plain palette's black.
        EXPECT_EQ(screen.Name->palette().color(QPalette::Text), screen.Other->palette().color(QPalette::Text));
        screen.hide();
    }
    qApp->setStyleSheet(QString());
}

TEST_F(ScreenRulesTest, FocusHighlightPaintsTheFocusedEntryAndGivesBackItsColour)
{
    new TFocusHighlight(&screen);
    showScreen();
    PaintFieldStatus(screen.Other, true);
    screen.Name->setFocus();
    EXPECT_EQ(PaintedColor(screen.Name), kFocusedFieldColor);
    screen.Other->setFocus();
    EXPECT_FALSE(PaintedColor(screen.Name).isValid());
    EXPECT_EQ(PaintedColor(screen.Other), kFocusedFieldColor);
    screen.Name->setFocus();
    EXPECT_EQ(PaintedColor(screen.Other), kMissingFieldColor);
}

TEST_F(ScreenRulesTest, FocusFrameFollowsTheFocusOnlyInItsWindow)
{
    auto* frame = new TFocusFrame(&screen);
    showScreen();
    screen.Other->setFocus();
    EXPECT_EQ(frame->framed(), screen.Other);

    // A field of another window takes the focus: the frame stays where it was.
    auto* field = add<TFilterEdit>();
    show();
    field->setFocus();
    EXPECT_EQ(frame->framed(), screen.Other);
    window->hide();

    screen.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&screen));
    screen.Name->setFocus();
    EXPECT_EQ(frame->framed(), screen.Name);
    const QImage image = screen.grab().toImage();
    const QPoint corner = screen.Name->mapTo(&screen, QPoint(0, 0)) - QPoint(3, 3);
    EXPECT_EQ(image.pixelColor(corner), QColor(Qt::black));
}

TEST_F(ScreenRulesTest, AFocusFrameForSomeEntriesStaysPutForOthers)
{
    auto* frame = new TFocusFrame(&screen);
    frame->setFramedEntries([](const QWidget* w) { return qobject_cast<const TFilterEdit*>(w) != nullptr; });
    showScreen();
    screen.Other->setFocus();
    EXPECT_EQ(frame->framed(), screen.Other);
    screen.Choice->setFocus();
    EXPECT_EQ(frame->framed(), screen.Other) << "a choice list is not framed";
    screen.Name->setFocus();
    EXPECT_EQ(frame->framed(), screen.Name);
}

TEST_F(ScreenRulesTest, ScalingShrinksFontAndStartingSize)
{
    ScaleScreen(&screen, QSize(400, 300));
    EXPECT_EQ(screen.size(), QSize(400, 300));
    const qreal fullSize = screen.font().pointSizeF();

    NameScreen smaller;
    ScalingPercent = 85;
    ScaleScreen(&smaller, QSize(400, 300));
    EXPECT_EQ(smaller.size(), QSize(340, 255));
    EXPECT_DOUBLE_EQ(smaller.font().pointSizeF(), fullSize * 0.85);
    ScalingPercent = 100;
}
