#include "TestSupport.h"

#include "platform/AppMessageBox.h"
#include "platform/Exceptions.h"
#include "platform/ui/LedgoraApplication.h"
#include "platform/ui/ShowModal.h"

#include <QApplication>
#include <QDialog>
#include <QPushButton>
#include <QVBoxLayout>

using ApplicationTest = LedgoraTest;

TEST_F(ApplicationTest, ExceptionEscapingAnEventHandlerIsShownWithTheStopIcon)
{
    QPushButton button;
    QObject::connect(&button, &QPushButton::clicked, [] { throw EFieldException(QStringLiteral("Name is required.~Enter it.")); });
    messages.expect(IdOk, QStringLiteral("Name is required."));
    // A queued click goes through the event dispatch, as a real one does.
    QMetaObject::invokeMethod(&button, &QPushButton::click, Qt::QueuedConnection);
    QCoreApplication::processEvents();
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.last().text, QStringLiteral("Name is required.\rEnter it."));
    EXPECT_EQ(messages.last().caption, QStringLiteral("Ledgora 2026"));
    EXPECT_EQ(messages.last().flags, 16);

    // The program goes on: a second click is handled again.
    messages.expect(IdOk);
    QMetaObject::invokeMethod(&button, &QPushButton::click, Qt::QueuedConnection);
    QCoreApplication::processEvents();
    EXPECT_EQ(messages.shown().size(), 2u);
}

TEST_F(ApplicationTest, ShowModalHandsTheShownWindowToTheTest)
{
    QDialog dialog;
    dialog.setWindowTitle(QStringLiteral("Pay Period"));
    bool wasVisible = false;
    dialogs.onNextModal([&](QDialog& shown) {
        wasVisible = shown.isVisible();
        EXPECT_EQ(shown.windowTitle(), QStringLiteral("Pay Period"));
        shown.accept();
    });
    EXPECT_EQ(ShowModal(dialog), QDialog::Accepted);
    EXPECT_TRUE(wasVisible);

    dialogs.onNextModal([](QDialog& shown) { shown.reject(); });
    EXPECT_EQ(ShowModal(dialog), QDialog::Rejected);
}

TEST_F(ApplicationTest, SilentAbortEndsTheCommandWithoutAMessage)
{
    QPushButton button;
    bool ran = false;
    QObject::connect(&button, &QPushButton::clicked, [&] {
        ran = true;
        throw EAbort();
    });
    QMetaObject::invokeMethod(&button, &QPushButton::click, Qt::QueuedConnection);
    QCoreApplication::processEvents();
    EXPECT_TRUE(ran);
    EXPECT_TRUE(messages.shown().empty());

    // The standard handler, which commands also call themselves, stays silent too.
    LedgoraApplication::ShowException(EAbort());
    EXPECT_TRUE(messages.shown().empty());
}
