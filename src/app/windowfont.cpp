#include "windowfont.h"

#include "form1definition.h"

#include <QFontDatabase>
#include <QFontInfo>

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

} // namespace Tagovnik
