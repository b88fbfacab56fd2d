#pragma once

#include <QTimer>
#include <QWidget>

namespace Tagovnik {

// A thin line along the top edge of the pane that grows while a page loads. It
// appears only once a load has taken a moment: a page that comes at once shows
// no flash of a line, and costs the window no frames for it. The first load is
// the home page at start, which waits for the engine to come up: it shows no
// line, whose repaints would be frames of the whole window as it appears.
class LoadingProgressLine : public QWidget
{
    Q_OBJECT

public:
    explicit LoadingProgressLine(QWidget *parent);

    static constexpr int appearanceDelay = 250; // ms

    // A load began: the line shows after the delay if finish() has not come
    // by then. The first load never shows it.
    void start();
    void finish();
    void setProgress(int percent);
    int progress() const { return m_percent; }

    static constexpr int thickness = 3;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int m_percent = 0;
    bool m_afterFirstLoad = false;
    QTimer m_appearance;
};

} // namespace Tagovnik
