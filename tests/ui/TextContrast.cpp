#include "TextContrast.h"
#include "TextRoom.h"

#include "components/ColourContrast.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QGroupBox>
#include <QHash>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QTabBar>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QToolButton>

#include <algorithm>
#include <cstdlib>
#include <functional>

namespace {

// A pixel this close to the background in every channel is background (or a faint edge of a glyph).
constexpr int kBackgroundNoise = 40;

int Distance(QRgb a, QRgb b)
{
    return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)), std::abs(qBlue(a) - qBlue(b))});
}

// A picture of a window (or of a combo box's list) as it is drawn.
struct Shot {
    QImage image;
    const QWidget* origin;
};

// The window as it is drawn now.
Shot ShotOf(QWidget& window)
{
    return Shot{window.grab().toImage().convertToFormat(QImage::Format_RGB32), &window};
}

// Where a rectangle of a control lies in the shot; empty when any of it is hidden by a scroll
// area or lies outside the shot.
QRect PlaceInShot(const Shot& shot, const QWidget& control, const QRect& rect)
{
    if (rect.isEmpty())
        return {};
    if (&control == shot.origin)
        return (rect & shot.image.rect()) == rect ? rect : QRect();
    const QRect placed(control.mapTo(shot.origin, rect.topLeft()), rect.size());
    QRect seen = placed & shot.image.rect();
    for (const QWidget* parent = control.parentWidget(); parent && parent != shot.origin; parent = parent->parentWidget())
        seen &= QRect(parent->mapTo(shot.origin, QPoint(0, 0)), parent->size());
    return seen == placed ? placed : QRect();
}

// The colour that covers most of the rectangle: the background behind its text.
QRgb Background(const QImage& image, const QRect& rect)
{
    QHash<QRgb, int> counts;
    QRgb most = image.pixel(rect.topLeft());
    int mostCount = 0;
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = rect.left(); x <= rect.right(); ++x) {
            const QRgb pixel = line[x] | 0xff000000u;
            const int count = ++counts[pixel];
            if (count > mostCount) {
                most = pixel;
                mostCount = count;
            }
        }
    }
    return most;
}

// The colour the text is drawn in: the palette's when the drawing goes the palette's way from the
// background (lighter or darker; anti-aliasing leaves small glyphs short of the full colour), else
// the drawn pixel that stands out most from the background (nothing drawn: the palette's).
QColor DrawnInk(const QImage& image, const QRect& rect, QRgb background, const QColor& ink)
{
    const int inkSide = qGray(ink.rgb()) - qGray(background);
    bool inkFound = false;
    QRgb boldest = background;
    double boldestRatio = 1;
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = rect.left(); x <= rect.right(); ++x) {
            const QRgb pixel = line[x];
            const int side = qGray(pixel) - qGray(background);
            inkFound = inkFound || (Distance(pixel, background) > kBackgroundNoise && (side > 0) == (inkSide > 0));
            const double ratio = ContrastRatio(pixel, background);
            if (ratio > boldestRatio) {
                boldestRatio = ratio;
                boldest = pixel;
            }
        }
    }
    return inkFound || boldest == background ? ink : QColor(boldest);
}

// A colour of the palette as the control is drawn: active or inactive with its window.
QColor Role(const QWidget& control, QPalette::ColorRole role)
{
    return control.palette().color(control.isActiveWindow() ? QPalette::Active : QPalette::Inactive, role);
}

class Checker {
public:
    QStringList faint;

    // A text drawn in the rectangle of a control (its coordinates) with the palette colour ink;
    // reported under the name of the owner, the control itself unless given.
    void text(const Shot& shot, const QWidget& control, const QRect& rect, const QString& text, QColor ink,
              const QWidget* owner = nullptr)
    {
        if (text.trimmed().isEmpty() && !qobject_cast<const QLineEdit*>(&control) && !qobject_cast<const QComboBox*>(&control))
            return;
        const QRect place = PlaceInShot(shot, control, rect);
        if (place.isEmpty())
            return;
        const QRgb background = Background(shot.image, place);
        // Text drawn on the selection colour is drawn in the selected text's colour.
        const QWidget& palette = owner ? *owner : control;
        if (Distance(background, Role(palette, QPalette::Highlight).rgb()) <= kBackgroundNoise)
            ink = Role(palette, QPalette::HighlightedText);
        // An empty entry shows what typing will show: the palette's colour.
        const QColor drawn = text.isEmpty() ? ink : DrawnInk(shot.image, place, background, ink);
        judge(owner ? *owner : control, text, drawn, QColor(background));
    }

    void judge(const QWidget& control, const QString& text, const QColor& ink, const QColor& background)
    {
        const double ratio = ContrastRatio(ink.rgb(), background.rgb());
        if (ratio >= kLegibleContrast)
            return;
        const QString name = control.objectName().isEmpty() ? QStringLiteral("-") : control.objectName();
        const QString line = QStringLiteral("%1 %2 \"%3\": %4 on %5, ratio %6")
                                 .arg(QLatin1String(control.metaObject()->className()), name, text.left(40),
                                      ink.name(), background.name())
                                 .arg(ratio, 0, 'f', 2);
        if (!faint.contains(line))
            faint << line;
    }
};

void CheckLabel(Checker& checker, const Shot& shot, const QLabel& label)
{
    if (label.text().isEmpty())
        return;
    const bool rich = label.textFormat() == Qt::RichText
        || (label.textFormat() == Qt::AutoText && Qt::mightBeRichText(label.text()));
    if (!rich) {
        checker.text(shot, label, label.contentsRect(), label.text(), Role(label, label.foregroundRole()));
        return;
    }
    // A rich-text label draws each run in its own colour: links in the colour the HTML parser gave
    // them, the rest in the label's; they all stand on the label's background.
    const QRect place = PlaceInShot(shot, label, label.contentsRect());
    if (place.isEmpty())
        return;
    const QColor background(Background(shot.image, place));
    QTextDocument document;
    document.setHtml(label.text());
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        for (auto run = block.begin(); !run.atEnd(); ++run) {
            const QTextFragment fragment = run.fragment();
            if (fragment.text().trimmed().isEmpty())
                continue;
            const QTextCharFormat format = fragment.charFormat();
            const QColor ink = format.foreground().style() != Qt::NoBrush ? format.foreground().color()
                                                                          : Role(label, label.foregroundRole());
            checker.judge(label, fragment.text(), ink, background);
        }
}

// Text documents draw each run in its own colour over the run's background, else the page's.
void CheckDocument(Checker& checker, const Shot& shot, const QTextEdit& edit)
{
    const QRect place = PlaceInShot(shot, *edit.viewport(), edit.viewport()->rect());
    if (place.isEmpty())
        return;
    const QColor page(Background(shot.image, place));
    for (QTextBlock block = edit.document()->begin(); block.isValid(); block = block.next())
        for (auto run = block.begin(); !run.atEnd(); ++run) {
            const QTextFragment fragment = run.fragment();
            if (fragment.text().trimmed().isEmpty())
                continue;
            const QTextCharFormat format = fragment.charFormat();
            const QColor ink = format.foreground().style() != Qt::NoBrush ? format.foreground().color() : Role(edit, QPalette::Text);
            QColor background = page;
            if (format.background().style() != Qt::NoBrush)
                background = format.background().color();
            else if (block.blockFormat().background().style() != Qt::NoBrush)
                background = block.blockFormat().background().color();
            checker.judge(edit, fragment.text(), ink, background);
        }
}

// The text of a line edit spans its advance, placed by its alignment inside the frame.
void CheckLineEdit(Checker& checker, const Shot& shot, const QLineEdit& edit)
{
    const QMargins margins = edit.textMargins();
    const QRect field = edit.rect().adjusted(2 + margins.left(), 1 + margins.top(), -2 - margins.right(), -1 - margins.bottom());
    const QString shown = edit.displayText();
    const int advance = edit.fontMetrics().horizontalAdvance(shown) + 6;
    QRect text = field;
    if (!shown.isEmpty() && advance < field.width()) {
        text.setWidth(advance);
        if (edit.alignment() & Qt::AlignRight)
            text.moveRight(field.right());
        else if (edit.alignment() & Qt::AlignHCenter)
            text.moveLeft(field.left() + (field.width() - advance) / 2);
    }
    checker.text(shot, edit, text, shown, Role(edit, QPalette::Text));
}

void CheckClosedCombo(Checker& checker, const Shot& shot, const QComboBox& combo)
{
    QStyleOptionComboBox option;
    option.initFrom(&combo);
    option.editable = false;
    option.frame = combo.hasFrame();
    option.subControls = QStyle::SC_All;
    const QRect field = combo.style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, &combo);
    checker.text(shot, combo, field, combo.currentText(), Role(combo, QPalette::Text));
}

// The items of a list, tree or table that show their whole height in its viewport.
void CheckItems(Checker& checker, const Shot& shot, const QAbstractItemView& view)
{
    const QAbstractItemModel* model = view.model();
    if (!model)
        return;
    const QModelIndex root = view.rootIndex();
    for (int row = 0; row < model->rowCount(root); ++row)
        for (int column = 0; column < model->columnCount(root); ++column) {
            const QModelIndex index = model->index(row, column, root);
            // An item wider than its list (a list drawn as a menu sizes its items to the widest
            // entry) counts by the part the list shows.
            const QRect whole = view.visualRect(index);
            const QRect rect = whole & view.viewport()->rect();
            if (rect.isEmpty() || rect.height() != whole.height())
                continue;
            const QVariant foreground = index.data(Qt::ForegroundRole);
            const QColor ink = foreground.canConvert<QBrush>() && foreground.value<QBrush>().style() != Qt::NoBrush
                ? foreground.value<QBrush>().color()
                : Role(view, QPalette::Text);
            checker.text(shot, *view.viewport(), rect, index.data(Qt::DisplayRole).toString(), ink, &view);
        }
}

void CheckHeader(Checker& checker, const Shot& shot, const QHeaderView& header)
{
    if (!header.model())
        return;
    for (int section = 0; section < header.count(); ++section) {
        if (header.isSectionHidden(section))
            continue;
        const int at = header.sectionViewportPosition(section);
        const QRect rect = header.orientation() == Qt::Horizontal ? QRect(at, 0, header.sectionSize(section), header.height())
                                                                  : QRect(0, at, header.width(), header.sectionSize(section));
        checker.text(shot, *header.viewport(), rect.adjusted(2, 2, -2, -2),
                     header.model()->headerData(section, header.orientation()).toString(), Role(header, QPalette::ButtonText),
                     &header);
    }
}

void CheckButton(Checker& checker, const Shot& shot, const QAbstractButton& button)
{
    if (button.text().isEmpty())
        return;
    if (auto* tool = qobject_cast<const QToolButton*>(&button); tool && tool->toolButtonStyle() == Qt::ToolButtonIconOnly)
        return;
    QRect rect = button.rect().adjusted(3, 3, -3, -3);
    if (qobject_cast<const QCheckBox*>(&button) || qobject_cast<const QRadioButton*>(&button)) {
        QStyleOptionButton option;
        option.initFrom(&button);
        option.text = button.text();
        const auto contents = qobject_cast<const QCheckBox*>(&button) ? QStyle::SE_CheckBoxContents : QStyle::SE_RadioButtonContents;
        rect = button.style()->subElementRect(contents, &option, &button);
    }
    checker.text(shot, button, rect, QString(button.text()).remove(QChar('&')), Role(button, button.foregroundRole()));
}

void CheckGroupBox(Checker& checker, const Shot& shot, const QGroupBox& box)
{
    if (!box.title().isEmpty())
        checker.text(shot, box, GroupBoxTitleRect(box), box.title(), Role(box, QPalette::WindowText));
}

void CheckTabBar(Checker& checker, const Shot& shot, const QTabBar& bar)
{
    for (int tab = 0; tab < bar.count(); ++tab) {
        const QColor own = bar.tabTextColor(tab);
        checker.text(shot, bar, bar.tabRect(tab).adjusted(3, 3, -3, -3), QString(bar.tabText(tab)).remove(QChar('&')),
                     own.isValid() ? own : Role(bar, QPalette::WindowText));
    }
}

void CheckMenuBar(Checker& checker, const Shot& shot, const QMenuBar& bar)
{
    for (QAction* action : bar.actions())
        if (action->isVisible() && action->isEnabled() && !action->isSeparator())
            checker.text(shot, bar, bar.actionGeometry(action).adjusted(2, 2, -2, -2), QString(action->text()).remove(QChar('&')),
                         Role(bar, QPalette::ButtonText));
}

void CheckControls(Checker& checker, QWidget& window)
{
    const Shot shot = ShotOf(window);
    for (QWidget* control : window.findChildren<QWidget*>()) {
        if (!control->isVisible() || !control->isEnabled() || control->window() != &window)
            continue;
        if (auto* label = qobject_cast<QLabel*>(control)) {
            if (label->pixmap().isNull())
                CheckLabel(checker, shot, *label);
        } else if (auto* edit = qobject_cast<QLineEdit*>(control))
            CheckLineEdit(checker, shot, *edit);
        else if (auto* combo = qobject_cast<QComboBox*>(control)) {
            if (!combo->isEditable())
                CheckClosedCombo(checker, shot, *combo);
        } else if (auto* button = qobject_cast<QAbstractButton*>(control))
            CheckButton(checker, shot, *button);
        else if (auto* box = qobject_cast<QGroupBox*>(control))
            CheckGroupBox(checker, shot, *box);
        else if (auto* header = qobject_cast<QHeaderView*>(control))
            CheckHeader(checker, shot, *header);
        else if (auto* view = qobject_cast<QAbstractItemView*>(control))
            CheckItems(checker, shot, *view);
        else if (auto* document = qobject_cast<QTextEdit*>(control))
            CheckDocument(checker, shot, *document);
        else if (auto* plain = qobject_cast<QPlainTextEdit*>(control))
            checker.text(shot, *plain->viewport(), plain->viewport()->rect(), plain->toPlainText(), Role(*plain, QPalette::Text),
                         plain);
        else if (auto* tabs = qobject_cast<QTabBar*>(control))
            CheckTabBar(checker, shot, *tabs);
        else if (auto* menus = qobject_cast<QMenuBar*>(control))
            CheckMenuBar(checker, shot, *menus);
    }
}

// The items of a pop-up list while it shows.
void CheckPopupList(Checker& checker, const QAbstractItemView& list)
{
    QWidget* popup = list.window();
    if (popup->isVisible())
        CheckItems(checker, ShotOf(*popup), list);
}

// Each combo box's list, opened as the user opens it.
void CheckOpenLists(Checker& checker, QWidget& window)
{
    for (QComboBox* combo : window.findChildren<QComboBox*>()) {
        if (!combo->isVisible() || !combo->isEnabled() || combo->count() == 0)
            continue;
        combo->showPopup();
        QCoreApplication::processEvents();
        CheckPopupList(checker, *combo->view());
        combo->hidePopup();
        QCoreApplication::processEvents();
    }
}

// Each completer's list, opened with every entry it can offer.
void CheckCompleters(Checker& checker, QWidget& window)
{
    for (QCompleter* completer : window.findChildren<QCompleter*>()) {
        const QWidget* field = completer->widget();
        if (!field || !field->isVisible() || !field->isEnabled())
            continue;
        completer->setCompletionPrefix(QString());
        completer->complete(field->rect());
        QCoreApplication::processEvents();
        CheckPopupList(checker, *completer->popup());
        completer->popup()->hide();
        QCoreApplication::processEvents();
    }
}

// Each menu of the window (the menu bar's, its submenus, pop-up menus, a calendar's months),
// opened; a command's text is judged in the menu's text colour.
void CheckMenus(Checker& checker, QWidget& window)
{
    for (QMenu* menu : window.findChildren<QMenu*>()) {
        const QList<QAction*> actions = menu->actions();
        const bool shown = std::any_of(actions.begin(), actions.end(), [](const QAction* action) { return action->isVisible(); });
        if (!shown)
            continue;
        menu->popup(window.mapToGlobal(QPoint(0, 0)));
        QCoreApplication::processEvents();
        if (menu->isVisible()) {
            const Shot shot = ShotOf(*menu);
            for (QAction* action : actions)
                if (action->isVisible() && action->isEnabled() && !action->isSeparator())
                    checker.text(shot, *menu, menu->actionGeometry(action).adjusted(2, 2, -2, -2),
                                 action->text().section(QChar('\t'), 0, 0).remove(QChar('&')), Role(*menu, QPalette::WindowText));
        }
        menu->hide();
        QCoreApplication::processEvents();
    }
}

} // namespace

QStringList FaintTexts(QWidget& window)
{
    Checker checker;
    CheckControls(checker, window);
    // Scroll areas show their controls a page at a time.
    for (QScrollArea* area : window.findChildren<QScrollArea*>()) {
        QScrollBar* bar = area->verticalScrollBar();
        if (!area->isVisible() || bar->maximum() == 0)
            continue;
        const int start = bar->value();
        for (int value = bar->minimum(); value < bar->maximum();) {
            value = std::min(value + std::max(bar->pageStep(), 1), bar->maximum());
            bar->setValue(value);
            QCoreApplication::processEvents();
            CheckControls(checker, window);
        }
        bar->setValue(start);
    }
    CheckOpenLists(checker, window);
    CheckCompleters(checker, window);
    CheckMenus(checker, window);
    return checker.faint;
}
