#pragma once

#include "ribbon/geometry/ribbongrouplayout.h"
#include "ribbon/model/ribbonstructure.h"

#include <QList>
#include <QWidget>

namespace Tagovnik::Ribbon {

class RibbonContext;
class RibbonEntryButton;

// One group of a ribbon page: its entries as buttons in vertical flow (columns of entries that
// stop above the caption band) and its caption centred in the band along the bottom. The
// buttons are small ribbon buttons when the group's command list has the "Ribbon - Silver"
// style, platform buttons otherwise. A group that reads right-to-left keeps its columns flowing
// left to right; its entries put their captions left of the picture.
//
// The widget is 86 high and as wide as `expandedWidth()`; whoever holds it gives it that
// geometry. It takes no wheel events, so they pass on to the ribbon.
class RibbonGroupWidget : public QWidget
{
    Q_OBJECT

public:
    RibbonGroupWidget(RibbonContext &context, const GroupDefinition &group,
                      QWidget *parent = nullptr);

    const GroupDefinition &definition() const { return m_definition; }
    // The entry buttons in entry order (separators, which groups do not use, get none).
    const QList<RibbonEntryButton *> &entries() const { return m_entries; }
    // 8 plus the widths of the columns; 100 for a group without entries.
    int expandedWidth() const { return m_layout.width; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    // Measures the entries again; asks the holder for new geometry when the width changed.
    void relayout();
    // Places the buttons where the layout put them.
    void placeEntries();

    RibbonContext &m_context;
    GroupDefinition m_definition;
    QList<RibbonEntryButton *> m_entries;
    GroupLayout m_layout;
};

} // namespace Tagovnik::Ribbon
