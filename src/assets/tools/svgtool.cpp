// Build-time companion of the asset library.
//
//   tagovnik_svg_tool check <file.svg>...
//       Fails unless every drawing loads without a single complaint from the SVG
//       module, has a square view box, uses no text or raster images (so it never
//       depends on installed fonts) and leaves visible pixels at 16 px. Run before
//       the drawings are compiled in, so a broken file stops the build instead of
//       showing a blank button.
//
//   tagovnik_svg_tool render <file.svg> <extent> <file.png>
//       Writes the drawing as a square PNG with soft edges.

#include "picturerendering.h"

#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QStringList>
#include <QSvgRenderer>

#include <cstdio>

using namespace Qt::StringLiterals;
using namespace Tagovnik;

namespace {

QStringList svgMessages;

void collectMessage(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtFatalMsg)
        std::fprintf(stderr, "fatal: %s\n", qPrintable(message));
    else if (type != QtDebugMsg && type != QtInfoMsg)
        svgMessages.append(message);
}

void printError(const QString &file, const QString &problem)
{
    std::fprintf(stderr, "%s: error: %s\n", qPrintable(file), qPrintable(problem));
}

bool hasOpaquePixel(const QImage &image)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) == 255)
                return true;
    return false;
}

QStringList problemsOf(const QString &file)
{
    QFile source(file);
    if (!source.open(QIODevice::ReadOnly))
        return {u"cannot be read: "_s + source.errorString()};
    const QString text = QString::fromUtf8(source.readAll());

    static const QRegularExpression forbidden(u"<\\s*(text|tspan|textPath|font|image)\\b"_s);
    if (const QRegularExpressionMatch match = forbidden.match(text); match.hasMatch()) {
        // Not even loaded: text would need fonts, and this tool runs without a GUI.
        return {u"uses <"_s + match.captured(1) + u">; draw letters and images as paths"_s};
    }

    svgMessages.clear();
    QSvgRenderer renderer;
    if (!renderer.load(text.toUtf8()) || !renderer.isValid())
        return QStringList{u"is not a valid SVG drawing"_s} + svgMessages;

    QStringList problems;
    const QRectF viewBox = renderer.viewBoxF();
    if (viewBox.isEmpty() || !qFuzzyCompare(viewBox.width(), viewBox.height()))
        problems.append(u"needs a square, non-empty viewBox"_s);
    if (!hasOpaquePixel(withBinaryAlpha(renderSvg(renderer, QSize(16, 16)))))
        problems.append(u"leaves no visible pixel at 16 px"_s);
    for (const QString &message : std::as_const(svgMessages))
        problems.append(u"SVG module complains: "_s + message);
    return problems;
}

int check(const QStringList &files)
{
    if (files.isEmpty()) {
        std::fprintf(stderr, "check: no files given\n");
        return 2;
    }
    qInstallMessageHandler(collectMessage);
    int failures = 0;
    for (const QString &file : files) {
        const QStringList problems = problemsOf(file);
        for (const QString &problem : problems)
            printError(file, problem);
        failures += problems.isEmpty() ? 0 : 1;
    }
    qInstallMessageHandler(nullptr);
    return failures == 0 ? 0 : 1;
}

int render(const QString &file, const QString &extentText, const QString &output)
{
    bool numeric = false;
    const int extent = extentText.toInt(&numeric);
    if (!numeric || extent <= 0) {
        printError(file, u"bad extent "_s + extentText);
        return 2;
    }
    QSvgRenderer renderer(file);
    if (!renderer.isValid()) {
        printError(file, u"is not a valid SVG drawing"_s);
        return 1;
    }
    if (!renderSvg(renderer, QSize(extent, extent)).save(output, "PNG")) {
        printError(output, u"cannot be written"_s);
        return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));

    const QString command = arguments.value(0);
    if (command == u"check")
        return check(arguments.mid(1));
    if (command == u"render" && arguments.size() == 4)
        return render(arguments.at(1), arguments.at(2), arguments.at(3));
    std::fprintf(stderr, "usage: tagovnik_svg_tool check <file.svg>...\n"
                         "       tagovnik_svg_tool render <file.svg> <extent> <file.png>\n");
    return 2;
}
