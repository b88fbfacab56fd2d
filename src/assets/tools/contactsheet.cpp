// Writes one PNG that shows every picture of the three lists, labelled with its
// index, at its real size (1x and 2x) and enlarged, plus the application icon,
// so the drawings can be judged at the size the ribbon shows them.
//
//   tagovnik_contact_sheet [output.png]

#include "applicationicon.h"
#include "imagelist.h"

#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <algorithm>
#include <cstdio>

using namespace Qt::StringLiterals;
using namespace Tagovnik;

namespace {

constexpr int cellWidth = 132;
constexpr int cellsPerRow = 10;
constexpr int margin = 16;
const QColor pageColour(0xf4, 0xf4, 0xf4);
const QColor ribbonColour(0xdd, 0xe3, 0xea); // the silver ribbon the pictures sit on

void drawChecker(QPainter &painter, const QRect &area)
{
    constexpr int square = 8;
    painter.save();
    painter.setClipRect(area);
    for (int y = area.top(); y < area.bottom(); y += square)
        for (int x = area.left(); x < area.right(); x += square) {
            const bool dark = ((x - area.left()) / square + (y - area.top()) / square) % 2;
            painter.fillRect(QRect(x, y, square, square),
                             dark ? QColor(0xcc, 0xcc, 0xcc) : QColor(0xff, 0xff, 0xff));
        }
    painter.restore();
}

// Enlarged without smoothing, so every real pixel stays visible as a square.
void drawEnlarged(QPainter &painter, const QImage &picture, const QRect &target)
{
    drawChecker(painter, target);
    QImage physical = picture;
    physical.setDevicePixelRatio(1.0);
    painter.drawImage(target, physical);
}

int zoomFor(int extent)
{
    return std::max(2, 100 / extent);
}

int cellHeight(int extent)
{
    return 18 + extent * zoomFor(extent) + 8 + extent + 8 + 2 * extent + 8;
}

int drawList(QPainter &painter, ImageListId id, int top)
{
    const ImageList normal(id, 1.0);
    const ImageList doubled(id, 2.0);
    const int extent = pictureExtent(id);

    QFont heading = painter.font();
    heading.setPixelSize(16);
    heading.setBold(true);
    painter.setFont(heading);
    painter.setPen(Qt::black);
    painter.drawText(QPoint(margin, top + 16),
                     u"%1 \u2014 %2 \u00d7 %2 px, %3 pictures"_s.arg(normal.name())
                         .arg(extent)
                         .arg(normal.count()));
    top += 28;

    QFont label = painter.font();
    label.setPixelSize(13);
    label.setBold(false);
    painter.setFont(label);

    const int zoomed = extent * zoomFor(extent);
    for (int index = 0; index < normal.count(); ++index) {
        const int left = margin + (index % cellsPerRow) * cellWidth;
        const int cellTop = top + (index / cellsPerRow) * (cellHeight(extent) + 8);
        const QRect cell(left, cellTop, cellWidth - 8, cellHeight(extent));
        painter.fillRect(cell, ribbonColour);
        painter.setPen(Qt::black);
        painter.drawText(QRect(left, cellTop, cell.width(), 18), Qt::AlignCenter,
                         QString::number(index));

        int y = cellTop + 18;
        const int centre = left + cell.width() / 2;
        drawEnlarged(painter, normal.picture(index), QRect(centre - zoomed / 2, y, zoomed, zoomed));
        y += zoomed + 8;
        painter.drawImage(QPoint(centre - extent / 2, y), normal.picture(index));
        y += extent + 8;
        QImage sharp = doubled.picture(index);
        sharp.setDevicePixelRatio(1.0); // show the 2x pixels one to one
        painter.drawImage(QPoint(centre - extent, y), sharp);
    }
    const int rows = (normal.count() + cellsPerRow - 1) / cellsPerRow;
    return top + rows * (cellHeight(extent) + 8) + 16;
}

int drawApplicationIcon(QPainter &painter, int top)
{
    QFont heading = painter.font();
    heading.setPixelSize(16);
    heading.setBold(true);
    painter.setFont(heading);
    painter.setPen(Qt::black);
    painter.drawText(QPoint(margin, top + 16), u"Application icon \u2014 48 \u00d7 48 px"_s);
    top += 28;

    const QImage icon = applicationIconImage();
    int left = margin;
    drawEnlarged(painter, icon, QRect(left, top, 192, 192));
    left += 192 + 16;
    const QList<QColor> backgrounds = {ribbonColour, Qt::white, QColor(0x30, 0x30, 0x30)};
    for (const QColor &background : backgrounds) {
        painter.fillRect(QRect(left, top, 64, 192), background);
        painter.drawImage(QPoint(left + 8, top + 8), icon);
        painter.drawImage(QRect(left + 20, top + 72, 24, 24), icon);  // application button
        painter.drawImage(QRect(left + 24, top + 112, 16, 16), icon); // caption-only ribbon
        left += 64 + 8;
    }
    return top + 192 + margin;
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    const QStringList arguments = application.arguments();
    const QString output = arguments.size() > 1 ? arguments.at(1) : u"contact-sheet.png"_s;

    QImage sheet(margin * 2 + cellsPerRow * cellWidth, 3000, QImage::Format_ARGB32_Premultiplied);
    sheet.fill(pageColour);
    int bottom = margin;
    {
        QPainter painter(&sheet);
        for (ImageListId id :
             {ImageListId::ImageList1, ImageListId::ImageList2, ImageListId::ImageList3})
            bottom = drawList(painter, id, bottom);
        bottom = drawApplicationIcon(painter, bottom);
    }
    if (!sheet.copy(0, 0, sheet.width(), bottom).save(output, "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(output));
        return 1;
    }
    std::printf("%s\n", qPrintable(output));
    return 0;
}
