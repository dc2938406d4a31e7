#include "TextRoom.h"

#include "components/DollarEditRules.h"
#include "components/ui/DollarEdit.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QStyleOptionGroupBox>
#include <QToolButton>

#include <algorithm>
#include <cmath>

namespace {

// What a window's title bar needs beside its caption on the usual Linux desktops: the icon and
// margins, and a box for each of close, minimise and maximise the window shows.
constexpr int kTitleBarRoom = 40;
constexpr int kTitleBarBoxWidth = 28;

int titleBarRoom(const QWidget& window)
{
    int room = kTitleBarRoom;
    for (Qt::WindowType box : {Qt::WindowCloseButtonHint, Qt::WindowMinimizeButtonHint, Qt::WindowMaximizeButtonHint})
        if (window.windowFlags() & box)
            room += kTitleBarBoxWidth;
    return room;
}

QString describe(const QWidget& control, const QString& text, int needed, int room)
{
    const QString name = control.objectName().isEmpty() ? QStringLiteral("-") : control.objectName();
    return QStringLiteral("%1 %2 \"%3\": needs %4, has %5")
        .arg(QLatin1String(control.metaObject()->className()), name, text)
        .arg(needed)
        .arg(room);
}

constexpr int kWidestDollars = 6;

QSize textSize(const QWidget& control, const QString& text)
{
    return control.fontMetrics().size(Qt::TextShowMnemonic, text);
}

void checkLabel(const QLabel& label, QStringList& cut)
{
    if (label.text().isEmpty() || label.textFormat() == Qt::RichText)
        return;
    if (label.wordWrap()) {
        const int needed = label.heightForWidth(label.width());
        if (needed > label.height())
            cut << describe(label, label.text(), needed, label.height()) + QStringLiteral(" (height)");
        return;
    }
    const QSize needed = label.minimumSizeHint();
    if (needed.width() > label.width())
        cut << describe(label, label.text(), needed.width(), label.width());
    else if (needed.height() > label.height())
        cut << describe(label, label.text(), needed.height(), label.height()) + QStringLiteral(" (height)");
}

// The room a push button, check box or radio button leaves its text, as the style draws it.
void checkButton(const QAbstractButton& button, QStyle::SubElement contents, QStringList& cut)
{
    QStyleOptionButton option;
    option.initFrom(&button);
    option.text = button.text();
    option.icon = button.icon();
    option.iconSize = button.iconSize();
    const QRect room = button.style()->subElementRect(contents, &option, &button);
    QSize needed = textSize(button, button.text());
    if (!button.icon().isNull())
        needed.rwidth() += button.iconSize().width() + 4;
    if (needed.width() > room.width())
        cut << describe(button, button.text(), needed.width(), room.width());
    else if (needed.height() > room.height())
        cut << describe(button, button.text(), needed.height(), room.height()) + QStringLiteral(" (height)");
}

void checkToolButton(const QToolButton& button, QStringList& cut)
{
    if (button.text().isEmpty() || button.toolButtonStyle() == Qt::ToolButtonIconOnly)
        return;
    const QSize needed = button.sizeHint();
    if (needed.width() > button.width())
        cut << describe(button, button.text(), needed.width(), button.width());
}

// The title as the style places it must lie inside the box, as wide as its text.
void checkGroupBox(const QGroupBox& box, QStringList& cut)
{
    if (box.title().isEmpty())
        return;
    const QRect label = GroupBoxTitleRect(box);
    const int needed = std::max(label.left(), 0) + box.fontMetrics().horizontalAdvance(QString(box.title()).remove(QChar('&')));
    const int room = std::min(label.right() + 1, box.width());
    // Styles round the title's place to the pixel.
    if (needed > room + 1 || label.left() < 0)
        cut << describe(box, box.title(), needed, room);
}

// The widest value an entry may hold: an amount of six digits of dollars (or as many as it takes)
// and its decimals, a ZIP code with its leading zero and its four more digits.
QString widestValue(const QLineEdit& entry)
{
    // Amounts of money (two decimals); rates and hours keep their own widths.
    if (const auto* money = qobject_cast<const TDollarEdit*>(&entry); money && money->centDigits() == 2) {
        const int dollars = std::min(money->dollarDigits(), kWidestDollars);
        const double largest = std::pow(10.0, dollars) - std::pow(10.0, -money->centDigits());
        return FormatMoney(largest, money->centDigits(), money->currency());
    }
    const QString name = entry.objectName();
    if (name.contains(QLatin1String("Zip"), Qt::CaseInsensitive) && !name.contains(QLatin1String("Foreign")) && entry.maxLength() >= 5)
        return entry.maxLength() >= 10 ? QStringLiteral("00000-0000") : QStringLiteral("00000");
    return QString();
}

// An entry shows its widest value whole inside its frame.
void checkEntry(const QLineEdit& entry, QStringList& cut)
{
    const QString widest = widestValue(entry);
    if (widest.isEmpty())
        return;
    const int frame = entry.hasFrame() ? 2 * entry.style()->pixelMetric(QStyle::PM_DefaultFrameWidth) : 0;
    const QMargins margins = entry.textMargins();
    const int room = entry.width() - frame - 4 - margins.left() - margins.right();
    const int needed = entry.fontMetrics().horizontalAdvance(widest);
    if (needed > room)
        cut << describe(entry, widest, needed, room) + QStringLiteral(" (widest value)");
}

void checkComboBox(const QComboBox& combo, QStringList& cut)
{
    QStyleOptionComboBox option;
    option.initFrom(&combo);
    option.editable = combo.isEditable();
    option.frame = combo.hasFrame();
    option.subControls = QStyle::SC_All;
    const int room = combo.style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, &combo).width();
    for (int k = 0; k < combo.count(); ++k) {
        const int needed = combo.fontMetrics().horizontalAdvance(combo.itemText(k));
        if (needed > room)
            cut << describe(combo, combo.itemText(k), needed, room);
    }
}

} // namespace

QRect GroupBoxTitleRect(const QGroupBox& box)
{
    QStyleOptionGroupBox option;
    option.initFrom(&box);
    option.text = box.title();
    option.textAlignment = box.alignment();
    option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
    if (box.isCheckable())
        option.subControls |= QStyle::SC_GroupBoxCheckBox;
    option.features = box.isFlat() ? QStyleOptionFrame::Flat : QStyleOptionFrame::None;
    option.lineWidth = 1;
    return box.style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, &box);
}

QStringList CutTexts(QWidget& window)
{
    QStringList cut;
    if (!window.windowTitle().isEmpty()) {
        const int needed = window.fontMetrics().horizontalAdvance(window.windowTitle()) + titleBarRoom(window);
        if (needed > window.width())
            cut << describe(window, window.windowTitle(), needed, window.width()) + QStringLiteral(" (caption)");
    }
    for (QWidget* control : window.findChildren<QWidget*>()) {
        if (!control->isVisibleTo(&window))
            continue;
        // A tool bar too narrow for its buttons hides the last ones behind its extension button.
        if (control->objectName() == QLatin1String("qt_toolbar_ext_button")) {
            cut << describe(*control->parentWidget(), QStringLiteral("(buttons hidden)"), control->parentWidget()->sizeHint().width(),
                            control->parentWidget()->width());
            continue;
        }
        if (auto* label = qobject_cast<QLabel*>(control))
            checkLabel(*label, cut);
        else if (auto* check = qobject_cast<QCheckBox*>(control))
            checkButton(*check, QStyle::SE_CheckBoxContents, cut);
        else if (auto* radio = qobject_cast<QRadioButton*>(control))
            checkButton(*radio, QStyle::SE_RadioButtonContents, cut);
        else if (auto* push = qobject_cast<QPushButton*>(control))
            checkButton(*push, QStyle::SE_PushButtonContents, cut);
        else if (auto* tool = qobject_cast<QToolButton*>(control))
            checkToolButton(*tool, cut);
        else if (auto* box = qobject_cast<QGroupBox*>(control))
            checkGroupBox(*box, cut);
        else if (auto* combo = qobject_cast<QComboBox*>(control))
            checkComboBox(*combo, cut);
        else if (auto* entry = qobject_cast<QLineEdit*>(control))
            checkEntry(*entry, cut);
    }
    return cut;
}
