#include "SampleReport.h"
#include "TestSupport.h"

#include "platform/report/HtmlRenderer.h"
#include "platform/report/PageRenderer.h"
#include "platform/report/PdfRenderer.h"
#include "platform/ui/ReportPageView.h"

#include <QPainter>
#include <QProcess>
#include <QRegularExpression>

namespace {

struct PlacedWord {
    QString text;
    double left, top, right, bottom; // inches
};

// Runs a poppler tool and returns what it printed; fails the test when it does not run.
QString runTool(const QString& program, const QStringList& args)
{
    QProcess process;
    process.start(program, args);
    EXPECT_TRUE(process.waitForFinished(30000)) << program.toStdString();
    EXPECT_EQ(process.exitCode(), 0) << QString::fromUtf8(process.readAllStandardError()).toStdString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The words of one page of a PDF with their boxes, as pdftotext finds them.
std::vector<PlacedWord> pdfWords(const QString& pdf, int page)
{
    const QString html = runTool(QStringLiteral("pdftotext"),
                                 {QStringLiteral("-bbox"), QStringLiteral("-f"), QString::number(page), QStringLiteral("-l"),
                                  QString::number(page), pdf, QStringLiteral("-")});
    static const QRegularExpression word(
        QStringLiteral(R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re"));
    std::vector<PlacedWord> words;
    for (auto it = word.globalMatch(html); it.hasNext();) {
        const auto m = it.next();
        words.push_back({m.captured(5), m.captured(1).toDouble() / 72, m.captured(2).toDouble() / 72,
                         m.captured(3).toDouble() / 72, m.captured(4).toDouble() / 72});
    }
    return words;
}

class RenderTest : public LedgoraTest {
protected:
    void SetUp() override
    {
        LedgoraTest::SetUp();
        ReportCanvas canvas(document);
        DrawSampleReport(canvas);
    }

    QImage renderPage(int index, double dpi, bool preview) const
    {
        const ReportPage& page = document.pages[static_cast<size_t>(index)];
        QImage image(qRound(page.width * dpi), qRound(page.height * dpi), QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        RenderPage(painter, document, index, dpi, PageRenderOptions{preview, 1.0, true});
        return image;
    }

    // Dark pixels inside a box given in inches.
    static int darkPixels(const QImage& image, double dpi, const QRectF& inches)
    {
        int dark = 0;
        const QRect box(qFloor(inches.left() * dpi), qFloor(inches.top() * dpi), qCeil(inches.width() * dpi),
                        qCeil(inches.height() * dpi));
        for (int y = box.top(); y <= box.bottom(); ++y)
            for (int x = box.left(); x <= box.right(); ++x)
                dark += qGray(image.pixel(x, y)) < 128;
        return dark;
    }

    std::vector<const DrawOp*> texts(int index) const
    {
        std::vector<const DrawOp*> found;
        for (const DrawOp& op : document.pages[static_cast<size_t>(index)].ops)
            if (op.kind == DrawOp::Kind::Text)
                found.push_back(&op);
        return found;
    }

    ReportDocument document;
};

TEST_F(RenderTest, PreviewWidgetShowsExactlyThePaintedPage)
{
    ReportPageView view;
    PreviewRenderSettings settings;
    settings.zoomFactor = 85;
    settings.marginPercent = 2.5;
    settings.shadowDepth = 5;
    view.ApplySettings(settings);
    view.SetDocument(std::make_shared<ReportDocument>(document));
    view.RenderPage(2);
    ASSERT_EQ(view.CurrentPage(), 2);

    const QImage shown = view.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QRect paper = view.PageRect();
    const QImage painted = renderPage(1, view.DotsPerInch(), true);
    EXPECT_EQ(shown.copy(QRect(paper.topLeft(), painted.size())), painted);

    // Text shows where it was put, and the paper is white elsewhere.
    const double dpi = view.DotsPerInch();
    for (const DrawOp* op : texts(1)) {
        const QRectF box = OpBounds(*op, 2, 2);
        EXPECT_GT(darkPixels(painted, dpi, box), 0) << op->text.toStdString();
    }
    EXPECT_EQ(darkPixels(painted, dpi, QRectF(3.0, 7.0, 4.0, 1.0)), 0);

    view.ZoomIn();
    EXPECT_DOUBLE_EQ(view.ZoomFactor(), 95);
    view.SetZoomFactor(500);
    EXPECT_DOUBLE_EQ(view.ZoomFactor(), 200);
}

TEST_F(RenderTest, PreviewOnlyMarksAreNotPrinted)
{
    // The label outline's left side runs along x 0.188 from y 8.7 to 9.3.
    const QRectF outline(0.17, 8.8, 0.04, 0.4);
    EXPECT_GT(darkPixels(renderPage(0, 100, true), 100, outline), 0);
    EXPECT_EQ(darkPixels(renderPage(0, 100, false), 100, outline), 0);
}

TEST_F(RenderTest, PdfHoldsTheTextAtItsPositions)
{
    const QString pdf = tempPath(QStringLiteral("sample.pdf"));
    WritePdf(document, pdf, ProgramPdfInfo());

    for (int page = 1; page <= 2; ++page) {
        const std::vector<PlacedWord> words = pdfWords(pdf, page);
        for (const DrawOp* op : texts(page - 1)) {
            const QString shown = ShownText(*op, page, 2);
            const QString firstWord = shown.section(QLatin1Char(' '), 0, 0);
            const auto found = std::find_if(words.begin(), words.end(), [&](const PlacedWord& w) { return w.text == firstWord; });
            ASSERT_NE(found, words.end()) << shown.toStdString();
            EXPECT_NEAR(found->left, TextLeft(*op, page, 2), 0.01) << shown.toStdString();
            EXPECT_LT(found->top, op->y1) << shown.toStdString();
            EXPECT_GT(found->bottom, op->y1) << shown.toStdString();
        }
    }
    const QString text = runTool(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    EXPECT_TRUE(text.contains(QStringLiteral("Page 1 of 2")));
    EXPECT_TRUE(text.contains(QStringLiteral("Page 2 of 2")));
}

TEST_F(RenderTest, PdfCarriesTheDocumentInformationAndPaperSizes)
{
    document.pages[1].width = 11.0;
    document.pages[1].height = 8.5;
    const QString pdf = tempPath(QStringLiteral("info.pdf"));
    WritePdf(document, pdf, PdfDocumentInfo{QStringLiteral("Ledgora 2026"), QStringLiteral("Velmora"),
                                            QStringLiteral("Ledgora 2026 Adobe Portable Document"), QStringLiteral("Velmora"),
                                            QStringLiteral("Velmora")});
    const QString info = runTool(QStringLiteral("pdfinfo"), {QStringLiteral("-f"), QStringLiteral("1"), QStringLiteral("-l"),
                                                             QStringLiteral("2"), pdf});
    EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Title:\\s+Ledgora 2026\n"))));
    EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Author:\\s+Velmora\n"))));
    EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Subject:\\s+Ledgora 2026 Adobe Portable Document\n"))));
    EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Creator:\\s+Velmora\n"))));
    EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Producer:\\s+Velmora\n"))));
    EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+2\n"))));
    EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Page\\s+1 size:\\s+612 x 792 pts"))));
    EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Page\\s+2 size:\\s+792 x 612 pts"))));
}

TEST_F(RenderTest, HtmlPlacesEveryTextWhereTheCanvasPutIt)
{
    document.pages[0].ops[0].text = QStringLiteral("Smith & <Sons>");
    const QString html = QString::fromUtf8(HtmlBytes(document, QStringLiteral("Sample")));
    static const QRegularExpression span(QStringLiteral(R"(<span style="left:([\d.-]+)in;top:([\d.-]+)in;[^"]*">([^<]*)</span>)"));
    std::vector<std::pair<QPointF, QString>> placed;
    for (auto it = span.globalMatch(html); it.hasNext();) {
        const auto m = it.next();
        placed.emplace_back(QPointF(m.captured(1).toDouble(), m.captured(2).toDouble()), m.captured(3));
    }
    size_t expected = 0;
    for (int page = 1; page <= 2; ++page) {
        for (const DrawOp* op : texts(page - 1)) {
            ASSERT_LT(expected, placed.size());
            const auto& [at, text] = placed[expected++];
            EXPECT_EQ(text, ShownText(*op, page, 2).toHtmlEscaped());
            EXPECT_NEAR(at.x(), TextLeft(*op, page, 2), 0.0001);
            EXPECT_NEAR(at.y(), op->y1 - FontAscent(op->font), 0.0001);
        }
    }
    EXPECT_EQ(expected, placed.size());
    EXPECT_TRUE(html.contains(QStringLiteral("Smith &amp; &lt;Sons&gt;")));
    EXPECT_TRUE(html.contains(QStringLiteral("'Arial', 'Liberation Sans'")));
    EXPECT_FALSE(html.contains(QStringLiteral("rx=\"0.2000\""))) << "the label outline is for the preview only";
    EXPECT_EQ(html.count(QStringLiteral("class=\"page\"")), 2);
}

} // namespace
