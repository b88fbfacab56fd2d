#pragma once

#include "ribbon/captionbar/quickaccessendbutton.h"
#include "ribbon/geometry/quickaccesstoolbarlayout.h"
#include "ribbon/model/ribbonstructure.h"

#include <QAbstractButton>
#include <QList>
#include <QWidget>

namespace Tagovnik {
class ActionManager;
} // namespace Tagovnik

namespace Tagovnik::Ribbon {

class QuickAccessToolbarModel;
class RibbonContext;
class RibbonEntryButton;

// The quick access toolbar: picture-only ribbon buttons for the entries of its model, in the
// model's order, followed by the end button. It follows the model's changes. Whoever places it (the caption bar above the ribbon, the ribbon
// in its strip below) works out a layout for `entryWidths()` and hands it to `arrange()`.
class QuickAccessToolbarWidget : public QWidget
{
    Q_OBJECT

public:
    QuickAccessToolbarWidget(RibbonContext &context, QuickAccessToolbarModel &model,
                             QWidget *parent = nullptr);

    QuickAccessToolbarModel &model() const { return m_model; }

    // Every entry of the bar binding, shown or not, in order.
    const QList<RibbonEntryButton *> &entries() const { return m_entries; }
    // Widths of the shown entries, in order: the input of the toolbar's layout.
    QList<int> entryWidths() const;
    QList<RibbonEntryButton *> shownEntries() const;
    // Shown entries that the last layout left out of sight.
    QList<RibbonEntryButton *> overflowEntries() const;
    bool isOverflowing() const { return m_endButton->isOverflow(); }
    QAbstractButton *endButton() const { return m_endButton; }

    // Changes of the model through the entry's button.
    RibbonEntryButton *addEntry(const EntryDefinition &entry);
    void removeEntry(RibbonEntryButton *entry);
    void setEntryShown(RibbonEntryButton *entry, bool shown);
    bool isEntryShown(const RibbonEntryButton *entry) const;

    // Takes a layout made for `entryWidths()`, in the parent widget's coordinates.
    void arrange(const QuickAccessToolbarLayout &layout);

    // Above the ribbon the toolbar draws its own rounded backdrop on the caption bar.
    void setDrawsBackdrop(bool drawsBackdrop);

    QSize sizeHint() const override;

Q_SIGNALS:
    // Entries were added, removed, shown or hidden: the toolbar needs a new layout.
    void entriesChanged();

protected:
    void paintEvent(QPaintEvent *event) override;
    bool event(QEvent *event) override;

private:
    RibbonEntryButton *createButton(int index);
    void entryAdded(int index);
    void entryRemoved(int index);

    RibbonContext &m_context;
    QuickAccessToolbarModel &m_model;
    ActionManager *m_barList;
    QList<RibbonEntryButton *> m_entries; // one per model entry, in its order
    QList<RibbonEntryButton *> m_outOfSight;
    QuickAccessEndButton *m_endButton;
    bool m_drawsBackdrop = true;
};

} // namespace Tagovnik::Ribbon
