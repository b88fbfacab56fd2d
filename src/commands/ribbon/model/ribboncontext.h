#pragma once

#include "imagelist.h"
#include "imagelistid.h"

#include <QFont>
#include <QList>
#include <QPixmap>

#include <map>
#include <memory>

namespace Tagovnik {
class ActionManager;
class Command;
} // namespace Tagovnik

namespace Tagovnik::Ribbon {

// What every ribbon widget needs from the rest of the window: the command lists
// (to find an entry's command and its bar's list), the pictures, and the
// ribbon's fonts.
class RibbonContext
{
public:
    RibbonContext(QList<ActionManager *> lists, QFont baseFont);
    ~RibbonContext();

    const QList<ActionManager *> &lists() const { return m_lists; }
    ActionManager *list(const QString &name) const;
    // A command of any list by its name; nullptr when there is none.
    Command *command(const QString &name) const;

    // A picture of a list, rendered for the given device pixel ratio and kept.
    QPixmap picture(ImageListId list, int index, qreal devicePixelRatio) const;
    int pictureCount(ImageListId list) const;

    // The window's font at 8 points (tabs, entries) or 10 points (caption).
    QFont font(int pointSize = 8) const;

private:
    QList<ActionManager *> m_lists;
    QFont m_baseFont;
    mutable std::map<std::pair<ImageListId, qreal>, std::unique_ptr<ImageList>> m_imageLists;
};

} // namespace Tagovnik::Ribbon
