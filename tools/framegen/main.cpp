#include "fontset.h"
#include "framegenerator.h"

#include <QCommandLineParser>
#include <QGuiApplication>
#include <cstdio>
#include <exception>

int main(int argc, char *argv[])
{
    // Painting needs no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QGuiApplication::setApplicationName(QStringLiteral("framegen"));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Draws the 74 frame pictures of both films and writes them in stored form."));
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("outdir"),
                                 QStringLiteral("Where ImageNN.bmp go (default: the source tree's mainwindow/pictures)."));
    const QCommandLineOption plain(QStringLiteral("plain"), QStringLiteral("Also write the plain pictures as PNG into <dir>."),
                                   QStringLiteral("dir"));
    const QCommandLineOption sheet(QStringLiteral("contact-sheet"),
                                   QStringLiteral("Write film1-contact-sheet.png and film2-contact-sheet.png into <dir>."),
                                   QStringLiteral("dir"));
    parser.addOption(plain);
    parser.addOption(sheet);
    parser.process(app);

    const QStringList args = parser.positionalArguments();
    if (args.size() > 1)
        parser.showHelp(2);
    const QString outDir = args.isEmpty() ? QStringLiteral(KALMORA_SOURCE_DIR "/mainwindow/pictures") : args.first();

    try {
        const FontSet fonts;
        FrameGenerator(fonts).writeAll(outDir, parser.value(plain), parser.value(sheet));
    } catch (const std::exception &e) {
        std::fprintf(stderr, "framegen: %s\n", e.what());
        return 1;
    }
    return 0;
}
