#pragma once

#include "components/NavigatorRules.h"

#include <QColor>
#include <QDialog>
#include <QPointer>
#include <QSize>
#include <QWidget>

#include <functional>

class QHBoxLayout;
class QLabel;
class QPushButton;
class TRSNavigator;

// What every setup and entry screen does alike: the status colours of its fields, the marking of
// the focused field, scaling, one way out for the Close button, Esc and the close box, browse-only
// clients and F1 help.

// A missing or invalid entry.
inline const QColor kMissingFieldColor{0xFF, 0x93, 0x93};
// The focused entry of screens that draw no focus frame.
inline const QColor kFocusedFieldColor{0xBB, 0xFF, 0xFF};

// Paints the background of an entry, also under a style sheet; an invalid colour gives the field
// back the window colour of the style in force.
void PaintField(QWidget* field, const QColor& color);
// $9393FF when missing, else the window colour.
void PaintFieldStatus(QWidget* field, bool missing);
// The colour PaintField last gave the field; invalid while it shows the window colour.
QColor PaintedColor(const QWidget* field);

// Shows the label's text in the wanted colour, or in the nearest colour that reads on its window's
// background under the visual style in force; more is added to the label's sheet (font weight).
// Call once the label is in its window.
void SetReadableInk(QLabel* label, const QColor& wanted, const QString& more = QString());

// A plain container of the white pages the employee screens are printed forms on: white in every
// visual style, with black captions (the common style rules name its property). Entries on it keep
// the style's colours.
QWidget* WhitePage(QWidget* parent = nullptr);

// Gives a screen its starting client size and, when the scaling setting is below 100 %, shrinks its
// font and that size by the setting. The window never starts smaller than its layout needs.
void ScaleScreen(QWidget* window, QSize clientSize);

// A 2-pixel black rectangle 2 pixels outside the focused entry of its window. It follows the focus
// only inside its own window, so a window opened over it with a frame of its own does not move it.
class TFocusFrame : public QWidget {
    Q_OBJECT
public:
    explicit TFocusFrame(QWidget* window);
    // The entry the frame surrounds, or null.
    QWidget* framed() const { return framed_; }
    // Which focused controls get the frame (every entry field unless set); focusing any other
    // leaves the frame where it is.
    void setFramedEntries(std::function<bool(const QWidget*)> test) { framedTest_ = std::move(test); }

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void follow(QWidget* focused);

    QPointer<QWidget> framed_;
    std::function<bool(const QWidget*)> framedTest_;
};

// Paints the focused entry of its window $FFFFBB and gives it back its own colour when the focus
// moves on inside the window.
class TFocusHighlight : public QObject {
    Q_OBJECT
public:
    explicit TFocusHighlight(QWidget* window);

private:
    void follow(QWidget* focused);

    QWidget* window_;
    QPointer<QWidget> highlighted_;
    QColor savedColor_;
};

// The base of the setup screens. The Close button calls CloseScreen: the screen saves or, when its
// save is refused, stays open with the message shown. Esc and the close box cancel: the screen
// tries to save as well, and when the save is refused it shows the message and asks whether to
// close without saving; Yes puts back what the screen changed. On a browse-only client the screen
// says so once when shown, shows its entries read-only, and closing writes nothing. F1 shows the
// screen's help. No exception leaves these paths.
class TSetupScreen : public QDialog {
    Q_OBJECT
public:
    TSetupScreen(QWidget* parent, int helpContext);

    int helpContext() const { return helpContext_; }
    bool browseOnly() const { return browseOnly_; }
    // Set before the screen is shown.
    void setBrowseOnly(bool browseOnly) { browseOnly_ = browseOnly; }

    void CloseScreen();
    void reject() override;

    static const QString kBrowseOnlyNotice;
    static const QString kCloseWithoutSaving;

protected:
    // Checks, stores and posts what the screen shows; throws (EFieldException after moving the
    // focus to the field) when it refuses.
    virtual void SaveScreen() = 0;
    // Puts the records back as they were when the screen opened; writes nothing.
    virtual void RevertScreen() = 0;
    // Browse-only: the entries that stay usable (a navigation field, say) are left out by the screen.
    virtual void MakeEntriesReadOnly();
    // Checks and posts the record shown before a navigator leaves it; false (the message shown)
    // keeps the screen on it. A browse-only screen writes nothing and always lets go.
    bool SaveBeforeMoving();
    // The row a navigated setup screen ends with: the navigator showing `visible`, Close in the
    // middle and Help at the right. A move first saves the record shown and stays when refused.
    QHBoxLayout* MakeNavigatorBar(TRSNavigator*& navigator, QPushButton*& close, QPushButton*& help,
                                  TNavBtns visible);

    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void closeBy(bool cancelling);
    bool trySave();

    int helpContext_;
    bool browseOnly_ = false;
    bool noticeShown_ = false;
    bool closing_ = false;
};

// True while the open client's files were opened browse-only (another program holds them).
bool ClientIsBrowseOnly();
