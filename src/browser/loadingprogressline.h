#pragma once

#include <QWidget>

namespace Tagovnik {

// A thin line along the top edge of the pane that grows while a page loads.
class LoadingProgressLine : public QWidget
{
    Q_OBJECT

public:
    explicit LoadingProgressLine(QWidget *parent);

    void setProgress(int percent);
    int progress() const { return m_percent; }

    static constexpr int thickness = 3;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int m_percent = 0;
};

} // namespace Tagovnik
