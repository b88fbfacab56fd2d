#pragma once

#include <QPointer>
#include <QWidget>

namespace Tagovnik::Ribbon {

// The frame that holds a page dropped down from the minimised ribbon. It is a child of the
// window, laid over the top of the client area without moving anything there, and casts a
// narrow shadow on what lies below. A right-click in it asks for the ribbon's context menu.
class DroppedPageHost : public QWidget
{
    Q_OBJECT

public:
    static constexpr int kShadowHeight = 3;

    explicit DroppedPageHost(QWidget *window);

    // Takes `page` in, sized to fill the frame above its shadow.
    void hold(QWidget *page);
    QWidget *page() const { return m_page; }
    // Places the frame for a page of `pageSize` with its top left at `topLeft` (in the
    // window's coordinates), and raises it over the window's other children.
    void place(QPoint topLeft, QSize pageSize);

Q_SIGNALS:
    void contextMenuRequested(QWidget *clicked, const QPoint &globalPos);

protected:
    bool event(QEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    QPointer<QWidget> m_page;
};

} // namespace Tagovnik::Ribbon
