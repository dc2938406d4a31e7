#pragma once

#include "TestSupport.h"

#include <QApplication>
#include <QDialog>
#include <QPushButton>
#include <QVBoxLayout>
#include <QtTest/QTest>

// A window of entry fields, shown and active, for typing into them with simulated keys.
class FieldWindowTest : public LedgoraTest {
protected:
    void SetUp() override
    {
        LedgoraTest::SetUp();
        window = std::make_unique<QDialog>();
        layout = new QVBoxLayout(window.get());
    }

    void TearDown() override
    {
        window.reset();
        LedgoraTest::TearDown();
    }

    template <class Field>
    Field* add()
    {
        auto* field = new Field(window.get());
        layout->addWidget(field);
        return field;
    }

    QPushButton* addButton(const QString& caption)
    {
        auto* button = new QPushButton(caption, window.get());
        layout->addWidget(button);
        return button;
    }

    // Shows the window active, its first field focused.
    void show()
    {
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

    // Moves to a field as a click would.
    static void click(QWidget* field) { QTest::mouseClick(field, Qt::LeftButton, Qt::NoModifier, QPoint(4, 4)); }
    // Keys go to the focused control. After a modal window closes, a window manager would give the
    // window its activation back; offscreen, the test does.
    QWidget* focused()
    {
        if (!QApplication::focusWidget()) {
            window->activateWindow();
            EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
        }
        return QApplication::focusWidget();
    }
    void tab() { QTest::keyClick(focused(), Qt::Key_Tab); }
    void type(const QString& keys) { QTest::keyClicks(focused(), keys); }
    void key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(focused(), key, modifiers);
    }

    std::unique_ptr<QDialog> window;
    QVBoxLayout* layout = nullptr;
};

// Where a key typed into a window goes: its focused control, or the window itself.
inline QWidget* KeyTarget(QWidget* window)
{
    QWidget* focus = QApplication::focusWidget();
    return focus && focus->window() == window ? focus : window;
}
