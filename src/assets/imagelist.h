#pragma once

#include "imagelistid.h"

#include <QImage>
#include <QList>
#include <QSize>

namespace Tagovnik {

// One of the three picture lists: equally sized square pictures addressed by a
// zero-based index. All pictures are rendered when the list is made, for one
// device pixel ratio, and every pixel is either opaque or fully transparent.
class ImageList
{
public:
    explicit ImageList(ImageListId id, qreal devicePixelRatio = 1.0);

    ImageListId id() const { return m_id; }
    QString name() const { return imageListName(m_id); }
    // In device-independent pixels; the images hold this times the pixel ratio.
    QSize pictureSize() const;
    qreal devicePixelRatio() const { return m_devicePixelRatio; }
    int count() const { return int(m_pictures.size()); }
    bool contains(int index) const { return index >= 0 && index < count(); }

    // A null image for an index outside the list.
    QImage picture(int index) const;

private:
    ImageListId m_id;
    qreal m_devicePixelRatio;
    QList<QImage> m_pictures;
};

} // namespace Tagovnik
