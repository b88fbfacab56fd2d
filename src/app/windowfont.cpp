#include "windowfont.h"

#include "form1definition.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QRawFont>
#include <QtEndian>

using namespace Qt::StringLiterals;

namespace Tagovnik {

static void registerBundledTahoma()
{
    static const bool registered = [] {
        const QString family = Form1Definition::fontFamily.toString();
        if (QFontInfo(QFont(family)).family() == family)
            return true;
        for (const QString &file :
             {u"/usr/share/wine/fonts/tahoma.ttf"_s, u"/usr/share/wine/fonts/tahomabd.ttf"_s})
            QFontDatabase::addApplicationFont(file);
        return true;
    }();
    Q_UNUSED(registered);
}

QFont windowFont(int pixelHeight)
{
    registerBundledTahoma();
    QFont font(Form1Definition::fontFamily.toString());
    font.setPixelSize(pixelHeight);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

int textCellHeight(const QFont &font)
{
    const QRawFont raw = QRawFont::fromFont(font);
    const QByteArray os2 = raw.fontTable("OS/2");
    const QByteArray head = raw.fontTable("head");
    // usWinAscent and usWinDescent at 74 and 76 of OS/2, unitsPerEm at 18 of head.
    if (raw.isValid() && os2.size() >= 78 && head.size() >= 20) {
        const int ascent = qFromBigEndian<quint16>(os2.constData() + 74);
        const int descent = qFromBigEndian<quint16>(os2.constData() + 76);
        const int unitsPerEm = qFromBigEndian<quint16>(head.constData() + 18);
        if (unitsPerEm > 0)
            return qRound(double(ascent + descent) * raw.pixelSize() / unitsPerEm);
    }
    return qRound(QFontMetricsF(font).height());
}

} // namespace Tagovnik
