#include "ribbon/model/ribboncontext.h"

#include "actionmanager.h"
#include "picturecatalogue.h"


namespace Tagovnik::Ribbon {

RibbonContext::RibbonContext(QList<ActionManager *> lists, QFont baseFont)
    : m_lists(std::move(lists)), m_baseFont(std::move(baseFont))
{
}

RibbonContext::~RibbonContext() = default;

ActionManager *RibbonContext::list(const QString &name) const
{
    for (ActionManager *list : m_lists) {
        if (list->name() == name)
            return list;
    }
    return nullptr;
}

Command *RibbonContext::command(const QString &name) const
{
    for (ActionManager *list : m_lists) {
        if (Command *command = list->command(name))
            return command;
    }
    return nullptr;
}

QPixmap RibbonContext::picture(ImageListId list, int index, qreal devicePixelRatio) const
{
    auto &images = m_imageLists[{list, devicePixelRatio}];
    if (!images)
        images = std::make_unique<ImageList>(list, devicePixelRatio);
    return QPixmap::fromImage(images->picture(index));
}

int RibbonContext::pictureCount(ImageListId list) const
{
    return Tagovnik::pictureCount(list);
}

QFont RibbonContext::font(int pointSize) const
{
    QFont font = m_baseFont;
    font.setPointSizeF(pointSize);
    return font;
}

} // namespace Tagovnik::Ribbon
