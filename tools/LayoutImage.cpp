// Renders one layout of a report project to a JPEG page image, the picture a tax-form screen
// shows behind its entry fields:
//
//   layout_image PROJECT LAYOUT PAGE DOTS_PER_INCH OUTPUT.jpg
#include "platform/Exceptions.h"
#include "platform/report/LayoutImage.h"

#include <QGuiApplication>

#include <cstdio>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 6) {
        std::fprintf(stderr, "usage: layout_image PROJECT LAYOUT PAGE DOTS_PER_INCH OUTPUT.jpg\n");
        return 2;
    }
    bool pageOk = false, dpiOk = false;
    const int page = args[3].toInt(&pageOk);
    const int dpi = args[4].toInt(&dpiOk);
    if (!pageOk || page < 1) {
        std::fprintf(stderr, "layout_image: the page is a number from 1\n");
        return 2;
    }
    if (!dpiOk || dpi < 10 || dpi > 1200) {
        std::fprintf(stderr, "layout_image: the resolution must be 10 to 1200 dots per inch\n");
        return 2;
    }
    try {
        WriteLayoutJpeg(args[1], args[2], page, dpi, args[5]);
    } catch (const Exception& error) {
        std::fprintf(stderr, "layout_image: %s\n", qPrintable(error.message()));
        return 1;
    }
    return 0;
}
