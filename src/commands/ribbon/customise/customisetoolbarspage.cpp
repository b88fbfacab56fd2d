#include "ribbon/customise/customisetoolbarspage.h"

#include "ribbon/look/ribbontexts.h"
#include "ribbon/geometry/ribbonlayoutsupport.h"

#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

namespace Tagovnik::Ribbon {

CustomiseToolbarsPage::CustomiseToolbarsPage(QList<CustomisedBar> bars, QWidget *parent)
    : QWidget(parent), m_bars(std::move(bars)), m_list(new QListWidget(this))
{
    m_list->setObjectName(QStringLiteral("toolbars"));
    m_list->setAccessibleName(displayedCaption(Texts::toolbarsLabel).chopped(1));
    for (const CustomisedBar &bar : std::as_const(m_bars)) {
        auto *item = new QListWidgetItem(bar.label, m_list);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
    }
    refresh();
    if (m_list->count() > 0)
        m_list->setCurrentRow(0);
    connect(m_list, &QListWidget::itemChanged, this, [this](QListWidgetItem *item) {
        const int row = m_list->row(item);
        if (m_refreshing || row < 0)
            return;
        m_bars.at(row).setShown(item->checkState() == Qt::Checked);
        refresh();
    });

    auto *label = new QLabel(Texts::toolbarsLabel, this);
    label->setBuddy(m_list);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(m_list, 1);
}

void CustomiseToolbarsPage::refresh()
{
    m_refreshing = true;
    for (int row = 0; row < m_bars.size(); ++row)
        m_list->item(row)->setCheckState(m_bars.at(row).isShown() ? Qt::Checked : Qt::Unchecked);
    m_refreshing = false;
}

} // namespace Tagovnik::Ribbon
