#include "ribbon/windowchrome/windowactions.h"

#include <QWidget>

namespace Tagovnik::Ribbon::WindowActions {

bool isResizable(const QWidget *window)
{
    return window->minimumSize() != window->maximumSize();
}

void toggleMaximised(QWidget *window)
{
    if (window->isMaximized())
        window->showNormal();
    else if (isResizable(window))
        window->showMaximized();
}

} // namespace Tagovnik::Ribbon::WindowActions
