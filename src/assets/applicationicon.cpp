#include "applicationicon.h"

#include "picturerendering.h"

#include <QPixmap>
#include <QSvgRenderer>

using namespace Qt::StringLiterals;

namespace Tagovnik {

QString applicationIconResourcePath()
{
    return u":/tagovnik/tagovnik.svg"_s;
}

QImage applicationIconImage(int extent)
{
    QSvgRenderer renderer(applicationIconResourcePath());
    return renderSvg(renderer, QSize(extent, extent));
}

QIcon applicationIcon()
{
    QIcon icon;
    icon.addPixmap(QPixmap::fromImage(applicationIconImage()));
    return icon;
}

} // namespace Tagovnik
