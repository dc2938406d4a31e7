#include "platform/report/ReportFontCache.h"

#include <QCoreApplication>
#include <QThread>

#include <memory>

// Every field counts: the key says exactly which report font was asked for.
static size_t qHash(const ReportFont& font, size_t seed)
{
    return qHashMulti(seed, font.name, font.size, font.bold, font.italic, font.underline, font.strikeout);
}

namespace {

// Bounds that no printout reaches in practice; past them a cache starts afresh rather than grow
// without end in a long-running program.
constexpr qsizetype kMaxFonts = 512;
constexpr qsizetype kMaxTextsPerFont = 50000;

// Report fonts that differ only in what the Qt font rounds away (a size of 9.999 points or 10)
// share one measured font.
struct FontCache {
    QHash<ReportFont, MeasuredFont*> byReportFont;
    QHash<QFont, std::shared_ptr<MeasuredFont>> byQFont;
    bool releasedWithApplication = false;
};

thread_local FontCache cache;

// The fonts hold font engines that belong to the application's font cache: they go before it does.
void ReleaseFonts()
{
    cache = FontCache{};
}

} // namespace

MeasuredFont::MeasuredFont(const QFont& font) : font_(font), metrics_(font_) {}

qreal MeasuredFont::Advance(const QString& text)
{
    const auto known = advances_.constFind(text);
    if (known != advances_.constEnd())
        return *known;
    if (advances_.size() >= kMaxTextsPerFont)
        advances_.clear();
    const qreal advance = metrics_.horizontalAdvance(text);
    advances_.insert(text, advance);
    return advance;
}

MeasuredFont& MeasuredFontOf(const ReportFont& font)
{
    const auto known = cache.byReportFont.constFind(font);
    if (known != cache.byReportFont.constEnd())
        return **known;
    if (cache.byReportFont.size() >= kMaxFonts) {
        cache.byReportFont.clear();
        cache.byQFont.clear();
    }
    if (!cache.releasedWithApplication && QCoreApplication::instance()
        && QCoreApplication::instance()->thread() == QThread::currentThread()) {
        qAddPostRoutine(ReleaseFonts);
        cache.releasedWithApplication = true;
    }
    const QFont qfont = ReportQFont(font);
    std::shared_ptr<MeasuredFont>& measured = cache.byQFont[qfont];
    if (!measured)
        measured = std::make_shared<MeasuredFont>(qfont);
    cache.byReportFont.insert(font, measured.get());
    return *measured;
}
