#pragma once

#include "ribbon/model/ribbonstructure.h"

#include <QList>
#include <QPointer>
#include <QRect>
#include <QWidget>

namespace Tagovnik::Ribbon {

class CaptionBarWidget;

// A control that a key tip reaches, and where on it the key tip's label hangs.
struct KeyTipTarget
{
    enum class Kind { ApplicationButton, ToolbarEntry, Tab, PageEntry };

    QPointer<QWidget> control;
    QString keyTip;
    Kind kind = Kind::PageEntry;
    // Set for a toolbar entry out of sight: its label hangs, with its picture, in a row below
    // this control (the toolbar's end button) instead.
    QPointer<QWidget> anchor = {};
};

// The application button, the quick access toolbar's shown entries in toolbar order (also those
// the toolbar has no room for: their key tips still reach them), then the tabs with a key tip.
QList<KeyTipTarget> topLevelKeyTipTargets(QWidget &ribbon, CaptionBarWidget &captionBar,
                                          const RibbonDefinition &definition);
// The entries with a key tip on the page on show.
QList<KeyTipTarget> pageKeyTipTargets(QWidget &ribbon);

// Where a label of `labelSize` goes for a control at `control`: centred low on the application
// button, half below a toolbar entry or a tab, low on the left of a page's entry.
QRect keyTipLabelRect(KeyTipTarget::Kind kind, const QRect &control, const QSize &labelSize);
// Labels of `sizes` side by side half below `anchor`, starting at its centre, the whole row
// moved left as far as needed to end within `right`.
QList<QRect> keyTipRowRects(const QRect &anchor, const QList<QSize> &sizes, int right);

// Tells screen readers the keys that reach each control: "Alt, F", "Alt, 2", "Alt, H, B".
void updateSpokenKeyTips(QWidget &ribbon, CaptionBarWidget &captionBar,
                         const RibbonDefinition &definition);

} // namespace Tagovnik::Ribbon
