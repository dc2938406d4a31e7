#include "components/ColourContrast.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>

namespace {

// The linear light of each 8-bit sRGB channel value.
const std::array<double, 256>& LinearChannels()
{
    static const std::array<double, 256> table = [] {
        std::array<double, 256> values{};
        for (std::size_t v = 0; v < values.size(); ++v) {
            const double c = static_cast<double>(v) / 255.0;
            values[v] = c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
        }
        return values;
    }();
    return table;
}

double Luminance(QRgb colour)
{
    const auto& linear = LinearChannels();
    return 0.2126 * linear[static_cast<std::size_t>(qRed(colour))] + 0.7152 * linear[static_cast<std::size_t>(qGreen(colour))]
        + 0.0722 * linear[static_cast<std::size_t>(qBlue(colour))];
}

QColor Mix(const QColor& from, const QColor& to, double share)
{
    return QColor::fromRgbF(static_cast<float>(from.redF() + (to.redF() - from.redF()) * share),
                            static_cast<float>(from.greenF() + (to.greenF() - from.greenF()) * share),
                            static_cast<float>(from.blueF() + (to.blueF() - from.blueF()) * share));
}

} // namespace

double ContrastRatio(QRgb a, QRgb b)
{
    const double la = Luminance(a);
    const double lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor ReadableInk(const QColor& wanted, const QColor& background)
{
    return ReadableInk(wanted, background, background);
}

QColor ReadableInk(const QColor& wanted, const QColor& background, const QColor& otherBackground)
{
    const auto reads = [&](const QColor& ink) {
        return ContrastRatio(ink.rgb(), background.rgb()) >= kLegibleContrast
            && ContrastRatio(ink.rgb(), otherBackground.rgb()) >= kLegibleContrast;
    };
    if (reads(wanted))
        return wanted;
    const QColor white(Qt::white);
    const QColor black(Qt::black);
    const QColor& pole = ContrastRatio(white.rgb(), background.rgb()) >= ContrastRatio(black.rgb(), background.rgb()) ? white : black;
    // The better pole reads on any background (at least 4.58).
    for (int step = 1; step <= 20; ++step) {
        const QColor mixed = Mix(wanted, pole, step / 20.0);
        if (reads(mixed))
            return mixed;
    }
    return pole;
}
