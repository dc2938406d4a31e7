#include "TestSupport.h"

#include "client/StylePack.h"
#include "client/ui/VisualStyle.h"

#include <QApplication>
#include <QCheckBox>
#include <QDateEdit>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QImage>
#include <QLabel>
#include <QRadioButton>
#include <QSpinBox>
#include <QStyle>
#include <QStyleOption>

#include <algorithm>
#include <cstdlib>
#include <map>

// Every visual style shows the parts of its controls that carry their state: the indicator of
// a check box and a radio button, unchecked, checked and disabled; the arrows of the spin
// boxes; and disabled text apart from live text. Each is read from the pixels of a panel
// rendered under the style.

namespace {

// Two colours a reader tells apart at a glance differ by at least this much in some channel.
constexpr int kVisibleDifference = 48;
// A mark stands out from its background by at least this much: a disabled one is faint by design.
constexpr int kStandsOut = 32;
// A drawn indicator or arrow has at least this many pixels that stand out.
constexpr int kMinimumMarkPixels = 4;

int Difference(QRgb a, QRgb b)
{
    return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)), std::abs(qBlue(a) - qBlue(b))});
}

// How many pixels of `area` stand out from `colour`.
int PixelsApartFrom(const QImage& area, QRgb colour)
{
    int count = 0;
    for (int y = 0; y < area.height(); ++y)
        for (int x = 0; x < area.width(); ++x)
            if (Difference(area.pixel(x, y), colour) >= kStandsOut)
                ++count;
    return count;
}

// How many pixels differ visibly between two areas of one size.
int PixelsApart(const QImage& a, const QImage& b)
{
    int count = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (Difference(a.pixel(x, y), b.pixel(x, y)) >= kVisibleDifference)
                ++count;
    return count;
}

// The colour most pixels of an area have: the background under whatever is drawn on it.
QRgb CommonColour(const QImage& area)
{
    std::map<QRgb, int> counts;
    for (int y = 0; y < area.height(); ++y)
        for (int x = 0; x < area.width(); ++x)
            ++counts[area.pixel(x, y)];
    return std::max_element(counts.begin(), counts.end(), [](const auto& a, const auto& b) { return a.second < b.second; })
        ->first;
}

// The colour of the text in an area: the pixel furthest from its background.
QRgb InkOf(const QImage& area)
{
    const QRgb background = CommonColour(area);
    QRgb ink = background;
    for (int y = 0; y < area.height(); ++y)
        for (int x = 0; x < area.width(); ++x)
            if (Difference(area.pixel(x, y), background) > Difference(ink, background))
                ink = area.pixel(x, y);
    return ink;
}

class StyleControlsTest : public LedgoraTest {
protected:
    void SetUp() override
    {
        LedgoraTest::SetUp();
        UseFusionStyle();
    }

    void TearDown() override
    {
        qApp->setStyleSheet(QString());
        QApplication::setStyle(QStringLiteral("Fusion"));
        LedgoraTest::TearDown();
    }

    static QString shippedStyles() { return QCoreApplication::applicationDirPath() + QStringLiteral("/styles"); }
};

// The sample panel: one control per state, each named for the look-up.
struct SamplePanel {
    QWidget window;
    QCheckBox* unchecked = new QCheckBox(QStringLiteral("Unchecked"));
    QCheckBox* checked = new QCheckBox(QStringLiteral("Checked"));
    QCheckBox* uncheckedOff = new QCheckBox(QStringLiteral("Unchecked"));
    QCheckBox* checkedOff = new QCheckBox(QStringLiteral("Checked"));
    QRadioButton* radio = new QRadioButton(QStringLiteral("Off"));
    QRadioButton* radioOn = new QRadioButton(QStringLiteral("On"));
    QRadioButton* radioOff = new QRadioButton(QStringLiteral("Off"));
    QRadioButton* radioOnOff = new QRadioButton(QStringLiteral("On"));
    QSpinBox* spin = new QSpinBox;
    QDoubleSpinBox* money = new QDoubleSpinBox;
    QDateEdit* date = new QDateEdit(QDate(2026, 6, 15));
    QLabel* live = new QLabel(QStringLiteral("Employee Roster"));
    QLabel* off = new QLabel(QStringLiteral("Employee Roster"));

    SamplePanel()
    {
        auto* grid = new QGridLayout(&window);
        checked->setChecked(true);
        checkedOff->setChecked(true);
        // Radio buttons in one parent are exclusive: each checked one sits alone.
        auto* liveGroup = new QWidget;
        auto* offGroup = new QWidget;
        auto* liveRadios = new QGridLayout(liveGroup);
        auto* offRadios = new QGridLayout(offGroup);
        liveRadios->addWidget(radio, 0, 0);
        offRadios->addWidget(radioOff, 0, 0);
        auto* onGroup = new QWidget;
        auto* onOffGroup = new QWidget;
        (new QGridLayout(onGroup))->addWidget(radioOn);
        (new QGridLayout(onOffGroup))->addWidget(radioOnOff);
        radioOn->setChecked(true);
        radioOnOff->setChecked(true);
        for (QWidget* control : {static_cast<QWidget*>(uncheckedOff), static_cast<QWidget*>(checkedOff),
                                 static_cast<QWidget*>(offGroup), static_cast<QWidget*>(onOffGroup),
                                 static_cast<QWidget*>(off)})
            control->setEnabled(false);
        grid->addWidget(unchecked, 0, 0);
        grid->addWidget(checked, 0, 1);
        grid->addWidget(uncheckedOff, 1, 0);
        grid->addWidget(checkedOff, 1, 1);
        grid->addWidget(liveGroup, 2, 0);
        grid->addWidget(onGroup, 2, 1);
        grid->addWidget(offGroup, 3, 0);
        grid->addWidget(onOffGroup, 3, 1);
        spin->setRange(0, 10);
        spin->setValue(5);
        money->setRange(0, 10);
        money->setValue(5);
        date->setDateRange(QDate(2026, 1, 1), QDate(2026, 12, 31));
        grid->addWidget(spin, 4, 0);
        grid->addWidget(money, 4, 1);
        grid->addWidget(date, 5, 0);
        grid->addWidget(live, 6, 0);
        grid->addWidget(off, 6, 1);
        window.resize(360, 260);
        window.show();
        QApplication::processEvents();
    }

    QImage grab() { return window.grab().toImage().convertToFormat(QImage::Format_RGB32); }

    // A rectangle of the panel in the pixels of its grabbed image, which has the screen's resolution.
    QRect inPixels(const QRect& rect) const
    {
        const qreal ratio = window.devicePixelRatioF();
        return QRect(qRound(rect.x() * ratio), qRound(rect.y() * ratio), qRound(rect.width() * ratio),
                     qRound(rect.height() * ratio));
    }

    // The indicator square of a check box or radio button, in the image's pixels.
    QRect indicator(QAbstractButton* button) const
    {
        QStyleOptionButton option;
        option.initFrom(button);
        const bool radioButton = qobject_cast<QRadioButton*>(button) != nullptr;
        const QRect local = button->style()->subElementRect(
            radioButton ? QStyle::SE_RadioButtonIndicator : QStyle::SE_CheckBoxIndicator, &option, button);
        return inPixels(local.translated(button->mapTo(&window, QPoint(0, 0))));
    }

    // The up and down buttons of a spin box, in the image's pixels.
    QRect spinButton(QAbstractSpinBox* box, QStyle::SubControl which) const
    {
        QStyleOptionSpinBox option;
        option.initFrom(box);
        option.buttonSymbols = box->buttonSymbols();
        option.stepEnabled = QAbstractSpinBox::StepUpEnabled | QAbstractSpinBox::StepDownEnabled;
        option.frame = box->hasFrame();
        option.subControls = QStyle::SC_SpinBoxUp | QStyle::SC_SpinBoxDown | QStyle::SC_SpinBoxFrame;
        const QRect local = box->style()->subControlRect(QStyle::CC_SpinBox, &option, which, box);
        return inPixels(local.translated(box->mapTo(&window, QPoint(0, 0))));
    }

    QRect textArea(QLabel* label) const
    {
        return inPixels(label->contentsRect().translated(label->mapTo(&window, QPoint(0, 0))));
    }
};

TEST_F(StyleControlsTest, EveryStyleIsTested)
{
    EXPECT_EQ(AvailableStyles(shippedStyles()).size(), 21);
}

TEST_F(StyleControlsTest, IndicatorsShowTheirStateInEveryStyle)
{
    for (const QString& style : AvailableStyles(shippedStyles())) {
        SCOPED_TRACE(style.toStdString());
        ApplyStyleSheet(LoadStyleSheet(shippedStyles(), style));
        SamplePanel panel;
        const QImage image = panel.grab();
        const auto check = [&](const char* kind, const std::vector<std::pair<const char*, QAbstractButton*>>& states) {
            std::vector<QImage> looks;
            for (const auto& [state, button] : states) {
                const QRect area = panel.indicator(button);
                ASSERT_FALSE(area.isEmpty());
                // The background just left of the indicator, where nothing is drawn.
                const QRgb background = image.pixel(std::max(0, area.left() - 2), area.center().y());
                looks.push_back(image.copy(area));
                EXPECT_GE(PixelsApartFrom(looks.back(), background), kMinimumMarkPixels)
                    << kind << " " << state << " draws nothing that stands out from its background";
            }
            for (std::size_t i = 0; i < looks.size(); ++i)
                for (std::size_t j = i + 1; j < looks.size(); ++j)
                    EXPECT_GE(PixelsApart(looks[i], looks[j]), kMinimumMarkPixels)
                        << kind << " " << states[i].first << " looks like " << states[j].first;
        };
        check("check box", {{"unchecked", panel.unchecked},
                            {"checked", panel.checked},
                            {"disabled unchecked", panel.uncheckedOff},
                            {"disabled checked", panel.checkedOff}});
        check("radio button", {{"unchecked", panel.radio},
                               {"checked", panel.radioOn},
                               {"disabled unchecked", panel.radioOff},
                               {"disabled checked", panel.radioOnOff}});
    }
}

TEST_F(StyleControlsTest, SpinArrowsShowInEveryStyle)
{
    for (const QString& style : AvailableStyles(shippedStyles())) {
        SCOPED_TRACE(style.toStdString());
        ApplyStyleSheet(LoadStyleSheet(shippedStyles(), style));
        SamplePanel panel;
        const QImage image = panel.grab();
        for (QAbstractSpinBox* box : {static_cast<QAbstractSpinBox*>(panel.spin),
                                      static_cast<QAbstractSpinBox*>(panel.money),
                                      static_cast<QAbstractSpinBox*>(panel.date)}) {
            for (QStyle::SubControl which : {QStyle::SC_SpinBoxUp, QStyle::SC_SpinBoxDown}) {
                const QRect area = panel.spinButton(box, which);
                ASSERT_GE(area.width(), 6) << box->metaObject()->className();
                ASSERT_GE(area.height(), 4) << box->metaObject()->className();
                // The arrow sits in the middle of its button, apart from the button's own edges.
                const QImage button = image.copy(area);
                const QRect middle(area.width() / 4, area.height() / 4, area.width() - area.width() / 2,
                                   area.height() - area.height() / 2);
                EXPECT_GE(PixelsApartFrom(button.copy(middle), CommonColour(button)), kMinimumMarkPixels)
                    << box->metaObject()->className() << (which == QStyle::SC_SpinBoxUp ? " up" : " down")
                    << " arrow cannot be seen";
            }
        }
    }
}

TEST_F(StyleControlsTest, DisabledTextDiffersFromLiveTextInEveryStyle)
{
    for (const QString& style : AvailableStyles(shippedStyles())) {
        SCOPED_TRACE(style.toStdString());
        ApplyStyleSheet(LoadStyleSheet(shippedStyles(), style));
        SamplePanel panel;
        const QImage image = panel.grab();
        const QRgb live = InkOf(image.copy(panel.textArea(panel.live)));
        const QRgb off = InkOf(image.copy(panel.textArea(panel.off)));
        EXPECT_GE(Difference(live, off), kVisibleDifference)
            << "live text " << qPrintable(QColor(live).name()) << ", disabled text " << qPrintable(QColor(off).name());
    }
}

} // namespace
