#include "components/ui/RSNavigator.h"

#include "components/RecordSet.h"
#include "components/ui/NavigatorGlyphs.h"

#include <QResizeEvent>
#include <QToolButton>

namespace {

const char* const ButtonNames[NavButtonCount] = {
    "NavBtnFirst", "NavBtnNext", "NavBtnPrior", "NavBtnLast", "NavBtnList", "NavBtnNew", "NavBtnDelete",
};

const char* const DefaultHints[NavButtonCount] = {
    "First Record", "Next Record", "Prior Record", "Last Record", "List Records", "New Record", "Delete Record",
};

} // namespace

TRSNavigator::TRSNavigator(QWidget* parent)
    : TRecordSetControl(parent)
{
    resize(154, NavButtonSize);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setBackgroundRole(QPalette::Button);
    setAutoFillBackground(true);
    for (int b = 0; b < NavButtonCount; ++b) {
        const auto button = TNavigationButtons(b);
        auto* tool = new QToolButton(this);
        tool->setObjectName(QLatin1String(ButtonNames[b]));
        tool->setToolButtonStyle(Qt::ToolButtonIconOnly);
        tool->setIcon(NavigatorGlyph(button));
        tool->setIconSize(QSize(15, 15));
        tool->setAutoRaise(false);
        tool->setFocusPolicy(Qt::NoFocus);
        hints_[b] = QLatin1String(DefaultHints[b]);
        tool->setToolTip(hints_[b]);
        connect(tool, &QToolButton::clicked, this, [this, button] { perform(button); });
        buttons_[b] = tool;
    }
    layOutButtons();
    InitNavigator();
}

void TRSNavigator::SetRecordSet(TRecordSet* recordSet)
{
    if (recordSet == recordSet_)
        return;
    recordSet_ = recordSet;
    InitNavigator();
}

void TRSNavigator::SetVisibleButtons(TNavBtns buttons)
{
    buttons &= AllNavBtns;
    if (buttons == visibleButtons_)
        return;
    visibleButtons_ = buttons;
    layOutButtons();
}

void TRSNavigator::SetAutoPerform(bool perform)
{
    if (perform == perform_)
        return;
    perform_ = perform;
    InitNavigator();
}

void TRSNavigator::setHint(TNavigationButtons button, const QString& text)
{
    if (text == hints_[button])
        return;
    hints_[button] = text;
    buttons_[button]->setToolTip(text);
}

void TRSNavigator::InitNavigator()
{
    const TNavBtns enabled = EnabledNavButtons(recordSet_, perform_);
    for (int b = 0; b < NavButtonCount; ++b)
        buttons_[b]->setEnabled(HasNavBtn(enabled, TNavigationButtons(b)));
}

void TRSNavigator::KeyDownHandler(int key, Qt::KeyboardModifiers shift)
{
    const std::optional<TNavigationButtons> button = NavButtonForKey(key, shift);
    if (!button || !HasNavBtn(visibleButtons_, *button) || !buttons_[*button]->isEnabled())
        return;
    perform(*button);
}

QSize TRSNavigator::sizeHint() const
{
    return size();
}

void TRSNavigator::resizeEvent(QResizeEvent* event)
{
    TRecordSetControl::resizeEvent(event);
    layOutButtons();
}

void TRSNavigator::layOutButtons()
{
    for (int b = 0; b < NavButtonCount; ++b)
        buttons_[b]->setVisible(HasNavBtn(visibleButtons_, TNavigationButtons(b)));
    const std::optional<int> barWidth = LayOutNavButtons(visibleButtons_, height(), places_);
    if (!barWidth)
        return;
    if (width() != *barWidth)
        resize(*barWidth, height()); // lays the buttons out again from its resize event
    for (int b = 0; b < NavButtonCount; ++b)
        buttons_[b]->setGeometry(places_[b].left, 0, places_[b].width, places_[b].height);
    updateGeometry();
}

void TRSNavigator::perform(TNavigationButtons button)
{
    if (!recordSet_ || !recordSet_->Active() || !perform_)
        return;
    action_ = TButtonAction(button);
    // A flag left set by a handler that then failed must not stop the next action.
    cancel_ = false;
    if (OnBeforeAction)
        OnBeforeAction(*this);
    if (cancel_) {
        cancel_ = false;
        return;
    }
    switch (button) {
    case nbFirst:
        recordSet_->FirstRec();
        break;
    case nbNext:
        recordSet_->NextRec();
        break;
    case nbPrior:
        recordSet_->PriorRec();
        break;
    case nbLast:
        recordSet_->LastRec();
        break;
    case nbList:
        if (OnBtnListClick)
            OnBtnListClick(*this);
        break;
    case nbNew:
        recordSet_->NewRec();
        break;
    case nbDelete:
        recordSet_->DeleteRec();
        break;
    }
    if (OnAfterAction)
        OnAfterAction(*this);
    InitNavigator();
}
