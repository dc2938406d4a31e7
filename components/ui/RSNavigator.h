#pragma once

#include "components/NavigatorRules.h"
#include "components/ui/RecordSetControl.h"

#include <QString>

#include <array>
#include <functional>

class QToolButton;
class TRecordSet;
class TRSNavigator;

// Every event of a navigator receives the navigator that fired it.
using TNavigatorEvent = std::function<void(TRSNavigator& sender)>;

// The bar of buttons with which a record screen moves through its record set, opens its record
// list, adds a record and deletes the current one. The bar performs the record operation itself
// and tells the screen before (to check and save its fields, or stop the action with Cancel) and
// after (to load the fields of the new current record).
//
// An exception from a handler or from the record operation ends the action at that point and
// reaches the caller.
class TRSNavigator : public TRecordSetControl {
    Q_OBJECT
public:
    explicit TRSNavigator(QWidget* parent = nullptr);

    // The record set is not owned and must outlive the bar's use of it.
    TRecordSet* RecordSet() const { return recordSet_; }
    void SetRecordSet(TRecordSet* recordSet);
    TNavBtns VisibleButtons() const { return visibleButtons_; }
    void SetVisibleButtons(TNavBtns buttons);
    // When false every button is disabled and does nothing.
    bool AutoPerform() const { return perform_; }
    void SetAutoPerform(bool perform);

    QString BtnFirstHint() const { return hint(nbFirst); }
    void SetBtnFirstHint(const QString& text) { setHint(nbFirst, text); }
    QString BtnNextHint() const { return hint(nbNext); }
    void SetBtnNextHint(const QString& text) { setHint(nbNext, text); }
    QString BtnPriorHint() const { return hint(nbPrior); }
    void SetBtnPriorHint(const QString& text) { setHint(nbPrior, text); }
    QString BtnLastHint() const { return hint(nbLast); }
    void SetBtnLastHint(const QString& text) { setHint(nbLast, text); }
    QString BtnListHint() const { return hint(nbList); }
    void SetBtnListHint(const QString& text) { setHint(nbList, text); }
    QString BtnNewHint() const { return hint(nbNew); }
    void SetBtnNewHint(const QString& text) { setHint(nbNew, text); }
    QString BtnDeleteHint() const { return hint(nbDelete); }
    void SetBtnDeleteHint(const QString& text) { setHint(nbDelete, text); }

    // The action under way, set before OnBeforeAction.
    TButtonAction Action() const { return action_; }

    // Recomputes which buttons are enabled; a screen that stops an action and moves the record
    // set itself calls it afterwards.
    void InitNavigator();
    // The screens call it from their key handler: Alt with F, N, P, L, I, E or D presses the
    // matching button when it is visible and enabled. The key is left to the caller.
    void KeyDownHandler(int key, Qt::KeyboardModifiers shift);
    // Called by an OnBeforeAction handler to stop the action.
    void Cancel() { cancel_ = true; }

    QToolButton* Button(TNavigationButtons button) const { return buttons_[button]; }

    QSize sizeHint() const override;

    TNavigatorEvent OnBeforeAction;
    TNavigatorEvent OnAfterAction;
    TNavigatorEvent OnBtnListClick;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QString hint(TNavigationButtons button) const { return hints_[button]; }
    void setHint(TNavigationButtons button, const QString& text);
    void layOutButtons();
    void perform(TNavigationButtons button);

    TRecordSet* recordSet_ = nullptr;
    TNavBtns visibleButtons_ = AllNavBtns;
    TButtonAction action_ = baFirst;
    bool perform_ = true;
    bool cancel_ = false;
    std::array<QToolButton*, NavButtonCount> buttons_{};
    std::array<QString, NavButtonCount> hints_;
    std::array<NavButtonPlace, NavButtonCount> places_{};
};
