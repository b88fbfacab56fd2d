#pragma once

#include <QWidget>

namespace Tagovnik::Ribbon {

// The upright bar that shows where a dragged command or entry would land on the quick access
// toolbar: a dark line with a small tick at either end. The mouse passes through it.
class DropPlaceMarker : public QWidget
{
    Q_OBJECT

public:
    static constexpr int kWidth = 6;

    explicit DropPlaceMarker(QWidget *parent);

    // Stands centred on `x` over the whole height of the parent.
    void showAt(int x);

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace Tagovnik::Ribbon
