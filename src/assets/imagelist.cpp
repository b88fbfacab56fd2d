#include "imagelist.h"

#include "picturecatalogue.h"
#include "picturerendering.h"

#include <QSvgRenderer>

#include <cmath>

namespace Tagovnik {

ImageList::ImageList(ImageListId id, qreal devicePixelRatio)
    : m_id(id), m_devicePixelRatio(devicePixelRatio > 0 ? devicePixelRatio : 1.0)
{
    const int pixels = int(std::lround(pictureExtent(id) * m_devicePixelRatio));
    const int count = pictureCount(id);
    m_pictures.reserve(count);
    for (int index = 0; index < count; ++index) {
        QSvgRenderer renderer(pictureResourcePath(id, index));
        QImage picture = withBinaryAlpha(renderSvg(renderer, QSize(pixels, pixels)));
        picture.setDevicePixelRatio(m_devicePixelRatio);
        m_pictures.append(picture);
    }
}

QSize ImageList::pictureSize() const
{
    return QSize(pictureExtent(m_id), pictureExtent(m_id));
}

QImage ImageList::picture(int index) const
{
    return contains(index) ? m_pictures.at(index) : QImage();
}

} // namespace Tagovnik
