#pragma once

#include "client/CompanyRecord.h"
#include "client/ui/ScreenRules.h"
#include "forms/FormOutput.h"

#include <QRectF>
#include <QSize>
#include <QString>

#include <functional>

class QHBoxLayout;
class QKeyEvent;
class QPushButton;
class QScrollArea;
class QVBoxLayout;
class QWheelEvent;
class ReportSystem;
class TEnterAsTab;
class TFocusFrame;
class TFrmFormCopy;
class TLayoutPicture;
struct ReportLayout;

// The frame every tax-form screen is built on: the form's pages as pictures in a scrolling box
// with each entry laid over the field of its name, the button row, and the steps every form
// screen takes alike.
//
// - The focus frame surrounds the focused entry of the classes the screen names, and only its own
//   entries: a window opened over it with a frame of its own never moves it. The focused entry is
//   painted $FFFFBB. Leaving an entry runs FieldExit (by default Calculate).
// - Keys: Page Up/Down and Up/Down (alone or with Ctrl) scroll; Ctrl+Home and Ctrl+End scroll to
//   the top or bottom and focus the first or last field; other keys and modifiers reach the entry.
//   The wheel scrolls one step a notch. Enter moves on like Tab; Esc and the close box close.
// - Calculate saves the entries into the company record, computes the lines and loads them back.
//   Closing does the same and posts the company record, asking nothing.
// - Browse-only client: the screen says so once, shows its entries read-only; Calculate and
//   closing write nothing (the record is put back as it was); printing works.
// - Print: Calculate, ValidateFields (EFieldException with the field focused stops it), the
//   output set, the copy dialog, the report. The dialog is released and a failed run shown
//   however the run ends.
class TTaxFormScreen : public TSetupScreen {
    Q_OBJECT
public:
    // The build renders the page pictures (data/CMakeLists.txt, LAYOUT_PICTURES) at this
    // resolution into forms/ beside the program.
    static constexpr int kPictureDotsPerInch = 80;
    // ProgramDir() + "forms/<layout>Pg<page>.jpg".
    static QString PictureFile(const QString& layout, int page);
    // The layout from the program's report project; EReportException when it is missing.
    static ReportLayout ReadFormLayout(const QString& name);

    // The entry classes that get the focus frame, combined with |.
    enum FramedClass : int {
        FrameDollarEdit = 0x01,
        FrameCheckBoxEdit = 0x02,
        FrameFilterEdit = 0x04,
        FrameDateEdit = 0x08,
        FrameStateEdit = 0x10,
        FrameMaskEdit = 0x20,   // a plain masked line edit
    };

    // The scrolling box of the pages, white, without horizontal bar.
    QScrollArea* ScrollBox;
    // The button row at the bottom.
    QWidget* PanelContainer;

    void BtnCalculateClick();
    void BtnCloseClick();
    // The vertical scroll position of ScrollBox, and its largest one.
    int ScrollPosition() const;
    int ScrollRange() const;
    void ScrollTo(int position);
    TFocusFrame* FocusFrame() const { return focusFrame_; }

protected:
    // helpContext: the F1 topic (0 for none); scaled: the screen shrinks with the scaling setting.
    TTaxFormScreen(QWidget* parent, int helpContext, bool scaled);

    // Building, in the screen's constructor.
    // Appends page `page` (from 1) of the layout below the pages before, shown whole.
    TLayoutPicture* AddPage(const ReportLayout& layout, int page);
    // Appends a region (inches) of the page, whose picture the build renders at dotsPerInch: a
    // screen that shows one form of a page holding several.
    TLayoutPicture* AddPageRegion(const ReportLayout& layout, int page, const QRectF& region, int dotsPerInch);
    // Lays the entry over the layout's field `field` (by default the entry's object name): the
    // field's room wide (or `width` inches when given), its text on the field's baseline. Raises
    // EReportException when the layout has no such field.
    void PlaceOnField(TLayoutPicture* picture, const ReportLayout& layout, QWidget* entry,
                      const QString& field = QString(), double width = 0);
    // A button of the row, left to right in the order added; no focus, as on the forms.
    QPushButton* AddButton(const char* name, const QString& caption, const QString& hint = QString());
    // Room between buttons, and the row's own layout for anything else.
    QHBoxLayout* ButtonRow() const { return buttonRow_; }
    // A strip between the pages and the button row, for notes that stay in view while the pages
    // scroll.
    void AddNoteStrip(QWidget* strip);
    // Last step of the constructor: the focus frame for these classes, the start size (scaled).
    void FinishFrame(int framedClasses, QSize clientSize);

    // The screen's own steps.
    // Runs once when the screen is first shown: header, totals, lines, record to entries.
    virtual void FormShow() = 0;
    // Entries into the company record (the save binder) and back (the load binder).
    virtual void SaveForm() = 0;
    virtual void LoadForm() = 0;
    virtual void CalcLines() {}
    // Read-only and enabled states that follow the values.
    virtual void EnableControls() {}
    virtual QWidget* FirstField() const = 0;
    virtual QWidget* LastField() const = 0;
    // Entering and leaving an entry by the user; leaving calculates unless a screen says otherwise.
    virtual void FieldEnter(QWidget* entry);
    virtual void FieldExit(QWidget* entry);
    // Page Up and Page Down: 256 pixels, or the ends where a screen jumps.
    virtual void PageUp();
    virtual void PageDown();
    // The window's keys before its entries see them; true when the key was used. The frame's
    // scrolling and jump keys unless a screen has its own (a navigator's keys, say).
    virtual bool FormKeyDown(QKeyEvent* event);
    // A notch of the wheel over the pages; true when it was used. One step up or down unless a
    // screen scrolls the usual way (false).
    virtual bool FormMouseWheel(QWheelEvent* event);

    // The print step: Calculate, validate (throws, leaving the window as it is), the output set,
    // the copy dialog under `caption` (adjusted before it shows), and on OK the report. Whatever
    // the report throws is shown once the dialog is released.
    void PrintForm(ReportSystem& report, FormOutputSet set, const QString& caption,
                   const std::function<void()>& validate, const std::function<void(TFrmFormCopy&)>& adjust = {});
    // Refuses, through an EFieldException, to print the federal form `form` (for example
    // "Form 941") while the company's EIN is missing or invalid.
    static void RequireCompanyEIN(const QString& form);
    // Readies a form report: titles from the printout, saved printer settings before it draws,
    // the program's preview.
    void SetUpFormReport(ReportSystem& report, const PrintoutFrame& frame);
    // Opens an instruction document beside the program, or says `missingMessage` (stop icon).
    void ShowInstructions(const QString& fileName, const QString& missingMessage);

    // The company header into the entries named EIN1..EIN9, CompanyName and the address entries
    // the screen has (found by name; missing ones are skipped).
    void LoadCompanyHeader(const QString& nameEntry = QStringLiteral("CompanyName"));

    // Lets the screen see the focus of an entry it lays out itself (FieldEnter, FieldExit).
    void WatchEntry(QWidget* entry) { watchEntry(entry); }

    void SaveScreen() override;
    void RevertScreen() override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void watchEntry(QWidget* entry);
    void applyBrowseOnly();

    QWidget* pages_;
    QVBoxLayout* pageColumn_;
    QHBoxLayout* buttonRow_;
    TFocusFrame* focusFrame_ = nullptr;
    TEnterAsTab* enterAsTab_;
    bool scaled_;
    int pictureDotsPerInch_ = kPictureDotsPerInch;   // as the pages are shown, scaling included
    bool shown_ = false;
    CompanyRecord opened_;   // the company record as the screen found it
};
