#include "FormChecks.h"

#include "platform/report/ReportProject.h"
#include "platform/report/ReportSystem.h"

#include <QProcess>
#include <QRegularExpression>

namespace {

constexpr double kPointsPerInch = 72.0;

QString DecodeEntities(QString text)
{
    text.replace(QStringLiteral("&lt;"), QStringLiteral("<"));
    text.replace(QStringLiteral("&gt;"), QStringLiteral(">"));
    text.replace(QStringLiteral("&quot;"), QStringLiteral("\""));
    text.replace(QStringLiteral("&apos;"), QStringLiteral("'"));
    text.replace(QStringLiteral("&#39;"), QStringLiteral("'"));
    return text.replace(QStringLiteral("&amp;"), QStringLiteral("&"));
}

QString Describe(const QRectF& r)
{
    return QStringLiteral("(%1, %2)-(%3, %4)").arg(r.left()).arg(r.top()).arg(r.right()).arg(r.bottom());
}

} // namespace

std::vector<PdfWord> ReadPdfWords(const QString& pdf)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    if (!process.waitForFinished(60000) || process.exitCode() != 0) {
        ADD_FAILURE() << "pdftotext could not read " << pdf.toStdString();
        return {};
    }
    const QString html = QString::fromUtf8(process.readAllStandardOutput());
    static const QRegularExpression token(
        QStringLiteral(R"re(<page\b|<word xMin="([0-9.]+)" yMin="([0-9.]+)" xMax="([0-9.]+)" yMax="([0-9.]+)">([^<]*)</word>)re"));
    std::vector<PdfWord> words;
    int page = 0;
    for (auto it = token.globalMatch(html); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        if (m.captured(0).startsWith(QStringLiteral("<page"))) {
            ++page;
            continue;
        }
        const QRectF box(QPointF(m.captured(1).toDouble() / kPointsPerInch, m.captured(2).toDouble() / kPointsPerInch),
                         QPointF(m.captured(3).toDouble() / kPointsPerInch, m.captured(4).toDouble() / kPointsPerInch));
        words.push_back(PdfWord{page, DecodeEntities(m.captured(5)), box});
    }
    return words;
}

void WriteFilledLayoutPdf(const QString& projectFile, const QString& layout, const FormParams& params,
                          const QString& pdf)
{
    ReportSystem system;
    system.SystemSetups = 0;
    ReportProject project;
    project.ProjectFile = projectFile;
    system.OnPrint = [&](ReportCanvas&) {
        project.Engine = &system;
        project.Open();
        ASSERT_TRUE(project.SelectReport(layout, false)) << layout.toStdString();
        for (const auto& [name, value] : params.Values())
            project.SetParam(name, value);
        project.Execute();
        project.Close();
    };
    ASSERT_TRUE(system.Execute());
    WriteReportFile(*system.Document(), pdf);
}

std::optional<QRectF> FieldBox(const ReportLayout& layout, const QString& field)
{
    const LayoutElement* f = layout.Field(field);
    if (!f)
        return std::nullopt;
    // A point just above the baseline, inside whatever box holds the value.
    const QPointF anchor(f->align == TextAlign::Right ? f->x1 - 0.01 : f->align == TextAlign::Left ? f->x1 + 0.01 : f->x1,
                         f->y1 - 0.03);
    std::optional<QRectF> best;
    for (const LayoutElement& e : layout.elements) {
        if (e.page != f->page || (e.kind != LayoutElement::Kind::Rectangle && e.kind != LayoutElement::Kind::RoundRect))
            continue;
        const QRectF r = QRectF(QPointF(e.x1, e.y1), QPointF(e.x2, e.y2)).normalized();
        if (r.contains(anchor) && (!best || r.width() * r.height() < best->width() * best->height()))
            best = r;
    }
    return best;
}

::testing::AssertionResult ValueInFieldBox(const std::vector<PdfWord>& words, const ReportLayout& layout,
                                           const QString& field, const QString& value)
{
    const LayoutElement* f = layout.Field(field);
    if (!f)
        return ::testing::AssertionFailure() << "the layout has no field " << field.toStdString();
    const std::optional<QRectF> box = FieldBox(layout, field);
    if (!box)
        return ::testing::AssertionFailure() << "no box around the field " << field.toStdString();
    const QStringList parts = value.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    std::optional<QRectF> elsewhere;
    for (std::size_t i = 0; i + parts.size() <= words.size(); ++i) {
        bool same = true;
        QRectF found;
        for (qsizetype k = 0; k < parts.size() && same; ++k) {
            const PdfWord& w = words[i + static_cast<std::size_t>(k)];
            same = w.page == f->page + 1 && w.text == parts[k];
            found = found.isNull() ? w.box : found.united(w.box);
        }
        if (!same)
            continue;
        // Glyph boxes reach a little above and below the letters.
        if (box->adjusted(-0.01, -0.03, 0.01, 0.03).contains(found))
            return ::testing::AssertionSuccess();
        if (!elsewhere)
            elsewhere = found;
    }
    if (elsewhere)
        return ::testing::AssertionFailure() << field.toStdString() << " \"" << value.toStdString() << "\" prints at "
                                             << Describe(*elsewhere).toStdString() << ", outside its box "
                                             << Describe(*box).toStdString();
    return ::testing::AssertionFailure() << "\"" << value.toStdString() << "\" of " << field.toStdString()
                                         << " is not in the PDF";
}

::testing::AssertionResult ParamsNameFields(const ReportLayout& layout, const FormParams& params)
{
    QStringList strays;
    for (const auto& [name, value] : params.Values()) {
        if (!layout.Field(name))
            strays << name;
    }
    if (strays.isEmpty())
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "parameters that name no field of " << layout.name.toStdString() << ": "
                                         << strays.join(QStringLiteral(", ")).toStdString();
}

ReportLayout ReadLayout(const QString& projectFile, const QString& name)
{
    ReportProject project;
    project.ProjectFile = projectFile;
    project.Open();
    const ReportLayout* layout = project.Layout(name);
    EXPECT_NE(layout, nullptr) << name.toStdString();
    return layout ? *layout : ReportLayout{};
}
