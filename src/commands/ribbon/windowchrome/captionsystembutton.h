#pragma once

#include "ribbon/controls/ribbonbutton.h"

namespace Tagovnik::Ribbon {

// One of the window's buttons at the caption bar's right end, with its glyph drawn thin.
class CaptionSystemButton : public RibbonButton
{
    Q_OBJECT

public:
    enum class Kind { Minimise, Maximise, Restore, Close };

    CaptionSystemButton(Kind kind, QWidget *parent = nullptr);

    Kind kind() const { return m_kind; }
    void setKind(Kind kind);

protected:
    void paintEvent(QPaintEvent *event) override;
    bool event(QEvent *event) override;

private:
    Kind m_kind;
};

} // namespace Tagovnik::Ribbon
