#include "FieldWindow.h"

#include "components/ui/FilterEdit.h"
#include "platform/AppMessageBox.h"

#include <QClipboard>

namespace {
class FilterEditTest : public FieldWindowTest {};
}

TEST_F(FilterEditTest, StartsAsTheScreensExpect)
{
    auto* box = add<TFilterEdit>();
    EXPECT_EQ(box->validChars(), QStringLiteral("[]"));
    EXPECT_EQ(box->textAlignment(), taLeftJustify);
    EXPECT_FALSE(box->requiredField());
    EXPECT_FALSE(box->beepOnInvalid());
    EXPECT_EQ(box->charCase(), ecNormal);
    box->setTextAlignment(taRightJustify);
    EXPECT_EQ(box->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
}

TEST_F(FilterEditTest, TypedCharactersPassTheFilterAndCase)
{
    const struct {
        const char* validChars;
        TEditCharCase charCase;
        const char* keys;
        const char* text;
    } cases[] = {
        {"[0..9]", ecNormal, "a5x7", "57"},
        {"[A..Z]", ecUpperCase, "q7R", "QR"},
        {"[a..z]", ecLowerCase, "Qr", "qr"},
        {"[A..Z,a..z, ]", ecNormal, "Jo Ann-2", "Jo Ann"},
        {"[]", ecUpperCase, "main st. 5", "MAIN ST. 5"},
        {"0..9", ecNormal, "ab1", "ab1"},
    };
    std::vector<TFilterEdit*> boxes;
    for (const auto& c : cases) {
        boxes.push_back(add<TFilterEdit>());
        boxes.back()->setValidChars(QLatin1String(c.validChars));
        boxes.back()->setCharCase(c.charCase);
    }
    show();
    for (size_t i = 0; i < std::size(cases); ++i) {
        const auto& c = cases[i];
        SCOPED_TRACE(c.validChars);
        TFilterEdit* box = boxes[i];
        box->setFocus();
        type(QLatin1String(c.keys));
        EXPECT_EQ(box->text(), QLatin1String(c.text));
    }
}

TEST_F(FilterEditTest, BackspaceWorksAndOtherControlCharactersAreDroppedUnderAFilter)
{
    auto* box = add<TFilterEdit>();
    box->setValidChars(QStringLiteral("[0..9]"));
    show();
    type(QStringLiteral("123"));
    key(Qt::Key_Backspace);
    EXPECT_EQ(box->text(), QStringLiteral("12"));
    QGuiApplication::clipboard()->setText(QStringLiteral("99"));
    key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(box->text(), QStringLiteral("12"));
}

TEST_F(FilterEditTest, KeyPressHandlerSeesTheFilteredCharacter)
{
    auto* box = add<TFilterEdit>();
    box->setValidChars(QStringLiteral("[0..9]"));
    std::vector<QChar> seen;
    QObject::connect(box, &TFilterEdit::keyPressed, box, [&seen](QChar& key) {
        seen.push_back(key);
        if (key == QChar('1'))
            key = QChar('7');
    });
    show();
    type(QStringLiteral("a1"));
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_TRUE(seen[0].isNull());
    EXPECT_EQ(seen[1], QChar('1'));
    EXPECT_EQ(box->text(), QStringLiteral("7"));
}

TEST_F(FilterEditTest, PasteAndInsertAreFilteredButProgramTextIsNot)
{
    auto* box = add<TFilterEdit>();
    box->setValidChars(QStringLiteral("[A..Z,a..z, ]"));
    box->setCharCase(ecUpperCase);
    show();
    box->setText(QStringLiteral("O'Neil-Smith"));
    EXPECT_EQ(box->text(), QStringLiteral("O'Neil-Smith"));
    box->setText(QString());
    QGuiApplication::clipboard()->setText(QStringLiteral("mary-ann 2nd"));
    box->paste();
    EXPECT_EQ(box->text(), QStringLiteral("MARYANN ND"));
    EXPECT_EQ(box->cursorPosition(), 10);
    box->setCursorPosition(4);
    box->insert(QStringLiteral("#x"));
    EXPECT_EQ(box->text(), QStringLiteral("MARYXANN ND"));
    // A user edit still works next to program text the filter would not let in.
    box->setText(QStringLiteral("O'Neil"));
    box->end(false);
    type(QStringLiteral("s1"));
    EXPECT_EQ(box->text(), QStringLiteral("O'NeilS"));
}

TEST_F(FilterEditTest, CtrlLCapitalisesWordsAndCtrlUCapitalisesAll)
{
    auto* box = add<TFilterEdit>();
    box->setValidChars(QStringLiteral("[A..Z,a..z, ,']"));
    show();
    box->setText(QStringLiteral("  mARY   o'NEIL  "));
    key(Qt::Key_L, Qt::ControlModifier);
    EXPECT_EQ(box->text(), QStringLiteral("Mary   O'neil"));
    box->setText(QStringLiteral("Main St."));
    key(Qt::Key_U, Qt::ControlModifier);
    EXPECT_EQ(box->text(), QStringLiteral("MAIN ST."));
    // With Shift as well, neither acts.
    key(Qt::Key_L, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(box->text(), QStringLiteral("MAIN ST."));
}

TEST_F(FilterEditTest, EnteringSelectsTheWholeText)
{
    auto* first = add<TFilterEdit>();
    auto* second = add<TFilterEdit>();
    second->setText(QStringLiteral("Acme"));
    int entered = 0;
    QObject::connect(second, &TFilterEdit::entered, second, [&] { ++entered; });
    show();
    EXPECT_TRUE(first->hasFocus());
    tab();
    EXPECT_EQ(entered, 1);
    EXPECT_EQ(second->selectedText(), QStringLiteral("Acme"));
}

TEST_F(FilterEditTest, RequiredFieldKeepsTheFocusUntilFilled)
{
    auto* name = add<TFilterEdit>();
    auto* other = add<TFilterEdit>();
    name->setRequiredField(true);
    int exits = 0;
    QObject::connect(name, &TFilterEdit::exited, name, [&] { ++exits; });
    show();
    type(QStringLiteral("   "));
    messages.expect(IdOk, QStringLiteral("This field is required!"));
    tab();
    EXPECT_EQ(exits, 1);
    EXPECT_EQ(messages.last().flags, MbIconWarning);
    EXPECT_EQ(messages.last().caption, QStringLiteral("Ledgora 2026"));
    EXPECT_TRUE(name->hasFocus());
    type(QStringLiteral("Acme"));
    tab();
    EXPECT_TRUE(other->hasFocus());
}

TEST_F(FilterEditTest, TwoRequiredFieldsNeverTrapTheUser)
{
    auto* first = add<TFilterEdit>();
    auto* second = add<TFilterEdit>();
    first->setRequiredField(true);
    second->setRequiredField(true);
    show();
    // One message for the field left, none for the field the focus passed through.
    messages.expect(IdOk, QStringLiteral("This field is required!"));
    tab();
    EXPECT_TRUE(first->hasFocus());
    EXPECT_EQ(messages.shown().size(), 1u);
}

TEST_F(FilterEditTest, RequiredFieldNeverBlocksCancelOrEscape)
{
    auto* name = add<TFilterEdit>();
    name->setRequiredField(true);
    auto* cancel = addButton(QStringLiteral("Cancel"));
    QObject::connect(cancel, &QPushButton::clicked, window.get(), &QDialog::reject);
    show();
    click(cancel);
    EXPECT_FALSE(window->isVisible());

    show();
    name->setFocus();
    key(Qt::Key_Escape);
    EXPECT_FALSE(window->isVisible());
}
