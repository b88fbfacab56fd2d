#pragma once

#include "ribbon/geometry/ribbonentrysize.h"
#include "ribbon/model/ribbonstructure.h"

#include "ribbon/controls/ribbonbutton.h"

#include <QPixmap>

namespace Tagovnik {
class ActionManager;
class Command;
} // namespace Tagovnik

namespace Tagovnik::Ribbon {

class RibbonContext;

// One entry of a ribbon bar: shows its command's picture and caption, runs the
// command when clicked and follows the command's enabled state. Its kind
// follows the style of the list that feeds its bar: small ribbon buttons on the
// "Ribbon - Silver" bars, platform toolbar buttons on the others, and the large
// rows of the application menu.
class RibbonEntryButton : public RibbonButton
{
    Q_OBJECT

public:
    enum class Kind { SmallRibbon, Platform, ApplicationMenu };

    RibbonEntryButton(RibbonContext &context, const EntryDefinition &entry, ActionManager &barList,
                      Kind kind, QWidget *parent = nullptr);

    Kind kind() const { return m_kind; }
    const EntryDefinition &entry() const { return m_entry; }
    Command *command() const { return m_command; }
    ActionManager &barList() const { return m_barList; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }
    // The picture the entry shows, or a null pixmap when it shows none.
    QPixmap picture(qreal devicePixelRatio) const;

    // Height of an application-menu row and the size of its picture place.
    static constexpr int applicationMenuRowHeight = 44;
    static constexpr int applicationMenuPictureSize = 32;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    EntryGeometry geometryFor(const QSize &size) const;
    void followCommand();

    RibbonContext &m_context;
    EntryDefinition m_entry;
    ActionManager &m_barList;
    Kind m_kind;
    Command *m_command;
};

} // namespace Tagovnik::Ribbon
