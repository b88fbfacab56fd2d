#pragma once

#include "ribbon/customise/customisedbar.h"

#include <QList>
#include <QWidget>

class QListWidget;

namespace Tagovnik::Ribbon {

// The customise dialog's "Toolbars" page: one check item for each bar, checked while the bar
// is on screen; clearing a check hides the bar, setting it shows the bar again.
class CustomiseToolbarsPage : public QWidget
{
    Q_OBJECT

public:
    CustomiseToolbarsPage(QList<CustomisedBar> bars, QWidget *parent = nullptr);

    QListWidget *bars() const { return m_list; }
    // Takes the checks from the bars again.
    void refresh();

private:
    QList<CustomisedBar> m_bars;
    QListWidget *m_list;
    bool m_refreshing = false;
};

} // namespace Tagovnik::Ribbon
