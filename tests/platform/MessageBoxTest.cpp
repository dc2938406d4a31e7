#include "TestSupport.h"

#include "platform/AppMessageBox.h"
#include "platform/ui/SystemDialogs.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

namespace {

struct FlagCase {
    int flags;
    std::vector<QMessageBox::StandardButton> buttons;
    QMessageBox::Icon icon;
    QMessageBox::StandardButton defaultButton;
    int escapeResult;  // what pressing the escape button answers, or 0 when there is none
};

const std::vector<FlagCase> kFlagCases = {
    {0, {QMessageBox::Ok}, QMessageBox::NoIcon, QMessageBox::Ok, IdOk},
    {1, {QMessageBox::Ok, QMessageBox::Cancel}, QMessageBox::NoIcon, QMessageBox::Ok, IdCancel},
    {16, {QMessageBox::Ok}, QMessageBox::Critical, QMessageBox::Ok, IdOk},
    {33, {QMessageBox::Ok, QMessageBox::Cancel}, QMessageBox::Question, QMessageBox::Ok, IdCancel},
    {36, {QMessageBox::Yes, QMessageBox::No}, QMessageBox::Question, QMessageBox::Yes, 0},
    {48, {QMessageBox::Ok}, QMessageBox::Warning, QMessageBox::Ok, IdOk},
    {64, {QMessageBox::Ok}, QMessageBox::Information, QMessageBox::Ok, IdOk},
    {68, {QMessageBox::Yes, QMessageBox::No}, QMessageBox::Information, QMessageBox::Yes, 0},
    {289, {QMessageBox::Ok, QMessageBox::Cancel}, QMessageBox::Question, QMessageBox::Cancel, IdCancel},
    {292, {QMessageBox::Yes, QMessageBox::No}, QMessageBox::Question, QMessageBox::No, 0},
    {305, {QMessageBox::Ok, QMessageBox::Cancel}, QMessageBox::Warning, QMessageBox::Cancel, IdCancel},
    {308, {QMessageBox::Yes, QMessageBox::No}, QMessageBox::Warning, QMessageBox::No, 0},
};

int resultOf(QMessageBox::StandardButton button)
{
    switch (button) {
    case QMessageBox::Ok: return IdOk;
    case QMessageBox::Cancel: return IdCancel;
    case QMessageBox::Yes: return IdYes;
    case QMessageBox::No: return IdNo;
    default: return 0;
    }
}

} // namespace

using MessageBoxTest = LedgoraTest;

TEST_F(MessageBoxTest, RealBoxShowsButtonsIconAndDefaultOfEveryFlagValue)
{
    InstallSystemDialogs();
    for (const FlagCase& c : kFlagCases) {
        SCOPED_TRACE(c.flags);
        QString seenText;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            seenText = box->text();
            EXPECT_EQ(box->icon(), c.icon);
            EXPECT_EQ(box->windowTitle(), QStringLiteral("Caption"));
            std::vector<QMessageBox::StandardButton> buttons;
            for (QAbstractButton* b : box->buttons())
                buttons.push_back(box->standardButton(b));
            std::sort(buttons.begin(), buttons.end());
            auto expected = c.buttons;
            std::sort(expected.begin(), expected.end());
            EXPECT_EQ(buttons, expected);
            ASSERT_NE(box->defaultButton(), nullptr);
            EXPECT_EQ(box->standardButton(box->defaultButton()), c.defaultButton);
            box->defaultButton()->click();
        });
        const int result = AppMessageBox(QStringLiteral("first~second"), QStringLiteral("Caption"), c.flags);
        EXPECT_EQ(result, resultOf(c.defaultButton));
        EXPECT_EQ(seenText, QStringLiteral("first\nsecond"));
    }
}

TEST_F(MessageBoxTest, StyleDecodesEveryFlagValue)
{
    for (const FlagCase& c : kFlagCases) {
        SCOPED_TRACE(c.flags);
        const MessageBoxStyle style = MessageBoxStyle::fromFlags(c.flags);
        EXPECT_EQ(style.defaultResult(), resultOf(c.defaultButton));
        EXPECT_EQ(style.buttons == MessageBoxStyle::Buttons::YesNo, c.escapeResult == 0);
    }
}

TEST_F(MessageBoxTest, TildeBecomesCarriageReturnAndPlainTextPassesUnchanged)
{
    messages.expect(IdYes);
    messages.expect(IdOk);
    EXPECT_EQ(AppMessageBox(QStringLiteral("Post now?~~Really"), QStringLiteral("Ledgora 2026"), 292), IdYes);
    EXPECT_EQ(messages.last().text, QStringLiteral("Post now?\r\rReally"));
    EXPECT_EQ(messages.last().flags, 292);
    EXPECT_EQ(AppMessageBox(QStringLiteral("No breaks here."), QStringLiteral("Ledgora 2026"), 0), IdOk);
    EXPECT_EQ(messages.last().text, QStringLiteral("No breaks here."));
}
