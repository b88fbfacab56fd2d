#pragma once

#include "ribbon/model/ribbonstructure.h"

#include "ribbon/controls/ribbonbutton.h"

namespace Tagovnik::Ribbon {

class RibbonContext;

// A button along the bottom of the application menu, such as " Konec": it runs its command.
class ApplicationMenuOptionButton : public RibbonButton
{
    Q_OBJECT

public:
    ApplicationMenuOptionButton(RibbonContext &context, const EntryDefinition &entry,
                                QWidget *parent = nullptr);

    const EntryDefinition &entry() const { return m_entry; }
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    EntryDefinition m_entry;
};

} // namespace Tagovnik::Ribbon
