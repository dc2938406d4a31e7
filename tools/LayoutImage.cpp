// Renders one layout of a report project to a JPEG page image, the picture a tax-form screen
// shows behind its entry fields:
//
//   layout_image PROJECT LAYOUT DOTS_PER_INCH OUTPUT.jpg
#include "platform/Exceptions.h"
#include "platform/report/LayoutImage.h"

#include <QGuiApplication>

#include <cstdio>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 5) {
        std::fprintf(stderr, "usage: layout_image PROJECT LAYOUT DOTS_PER_INCH OUTPUT.jpg\n");
        return 2;
    }
    bool ok = false;
    const int dpi = args[3].toInt(&ok);
    if (!ok || dpi < 10 || dpi > 1200) {
        std::fprintf(stderr, "layout_image: the resolution must be 10 to 1200 dots per inch\n");
        return 2;
    }
    try {
        WriteLayoutJpeg(args[1], args[2], dpi, args[4]);
    } catch (const Exception& error) {
        std::fprintf(stderr, "layout_image: %s\n", qPrintable(error.message()));
        return 1;
    }
    return 0;
}
