#pragma once

#include "ribbon/customise/actioncategories.h"

#include <QIcon>
#include <QWidget>

class QLabel;
class QListWidget;

namespace Tagovnik {
class ActionManager;
class Command;
} // namespace Tagovnik

namespace Tagovnik::Ribbon {

class CustomiseCommandList;
class RibbonContext;

// The customise dialog's "Actions" page: the categories of the list's commands, the commands
// of the selected category with picture and caption, and the selected command's hint as its
// description. The first category is selected from the start.
class CustomiseActionsPage : public QWidget
{
    Q_OBJECT

public:
    CustomiseActionsPage(RibbonContext &context, ActionManager &list, QWidget *parent = nullptr);

    QListWidget *categories() const { return m_categories; }
    CustomiseCommandList *commands() const { return m_commands; }
    QLabel *description() const { return m_description; }

Q_SIGNALS:
    // Chosen by double-click or Enter.
    void commandChosen(const QString &name);

private:
    void showCategory(int row);
    void showDescription();
    QIcon pictureOf(const Command &command) const;

    RibbonContext &m_context;
    ActionManager &m_list;
    QList<ActionCategory> m_categoryList;
    QListWidget *m_categories;
    CustomiseCommandList *m_commands;
    QLabel *m_description;
};

} // namespace Tagovnik::Ribbon
