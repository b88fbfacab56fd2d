#include "ribbon/customise/customiseactionspage.h"

#include "actionmanager.h"
#include "ribbon/customise/customisecommandlist.h"
#include "ribbon/geometry/ribbonlayoutsupport.h"
#include "ribbon/look/ribbontexts.h"
#include "ribbon/model/ribboncontext.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

namespace Tagovnik::Ribbon {

CustomiseActionsPage::CustomiseActionsPage(RibbonContext &context, ActionManager &list,
                                           QWidget *parent)
    : QWidget(parent), m_context(context), m_list(list), m_categories(new QListWidget(this)),
      m_commands(new CustomiseCommandList(this)), m_description(new QLabel(this))
{
    QStringList categoryNames;
    for (const Command *command : list.commands())
        categoryNames.append(command->category());
    m_categoryList = actionCategories(categoryNames);

    m_categories->setObjectName(QStringLiteral("categories"));
    m_categories->setAccessibleName(displayedCaption(Texts::categoriesLabel).chopped(1));
    m_categories->setSelectionMode(QAbstractItemView::SingleSelection);
    for (const ActionCategory &category : std::as_const(m_categoryList))
        m_categories->addItem(category.caption);
    m_commands->setObjectName(QStringLiteral("actions"));
    m_commands->setAccessibleName(displayedCaption(Texts::actionsLabel).chopped(1));

    m_description->setObjectName(QStringLiteral("description"));
    m_description->setAccessibleName(Texts::description);
    m_description->setWordWrap(true);
    m_description->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_description->setTextFormat(Qt::PlainText);
    m_description->setMinimumHeight(m_description->fontMetrics().lineSpacing() * 3);

    auto *categoriesLabel = new QLabel(Texts::categoriesLabel, this);
    categoriesLabel->setBuddy(m_categories);
    auto *actionsLabel = new QLabel(Texts::actionsLabel, this);
    actionsLabel->setBuddy(m_commands);
    auto *hint = new QLabel(Texts::dragHint, this);
    hint->setWordWrap(true);

    auto *descriptionBox = new QGroupBox(Texts::description, this);
    auto *descriptionLayout = new QVBoxLayout(descriptionBox);
    descriptionLayout->addWidget(m_description);

    auto *layout = new QGridLayout(this);
    layout->addWidget(hint, 0, 0, 1, 2);
    layout->addWidget(categoriesLabel, 1, 0);
    layout->addWidget(actionsLabel, 1, 1);
    layout->addWidget(m_categories, 2, 0);
    layout->addWidget(m_commands, 2, 1);
    layout->addWidget(descriptionBox, 3, 0, 1, 2);
    layout->setColumnStretch(0, 2);
    layout->setColumnStretch(1, 3);
    layout->setRowStretch(2, 1);

    connect(m_categories, &QListWidget::currentRowChanged, this,
            &CustomiseActionsPage::showCategory);
    connect(m_commands, &QListWidget::currentRowChanged, this,
            &CustomiseActionsPage::showDescription);
    connect(m_commands, &CustomiseCommandList::commandChosen, this,
            &CustomiseActionsPage::commandChosen);
    m_categories->setCurrentRow(0);
}

void CustomiseActionsPage::showCategory(int row)
{
    m_commands->clear();
    if (row < 0 || row >= m_categoryList.size()) {
        showDescription();
        return;
    }
    for (int position : m_categoryList.at(row).commands) {
        const Command *command = m_list.commands().at(position);
        auto *item = new QListWidgetItem(displayedCaption(command->caption()), m_commands);
        item->setData(CustomiseCommandList::commandRole, command->name());
        item->setData(Qt::AccessibleDescriptionRole, command->hint());
        item->setIcon(pictureOf(*command));
    }
    m_commands->setCurrentRow(0);
    showDescription();
}

// The picture at the ordinary and the double pixel density, so that it stays crisp at any
// scale; a command without one keeps the place empty, so that the captions line up.
QIcon CustomiseActionsPage::pictureOf(const Command &command) const
{
    const ImageListId images = command.list().images();
    const int index = command.imageIndex();
    const bool hasPicture = index >= 0 && index < m_context.pictureCount(images);
    QIcon icon;
    for (const qreal ratio : {1.0, 2.0}) {
        if (hasPicture) {
            icon.addPixmap(m_context.picture(images, index, ratio));
            continue;
        }
        QPixmap none(QSize(16, 16) * ratio);
        none.setDevicePixelRatio(ratio);
        none.fill(Qt::transparent);
        icon.addPixmap(none);
    }
    return icon;
}

void CustomiseActionsPage::showDescription()
{
    const Command *command = m_list.command(m_commands->commandAt(m_commands->currentRow()));
    m_description->setText(command ? command->hint() : QString());
}

} // namespace Tagovnik::Ribbon
