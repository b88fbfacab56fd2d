#pragma once

#include <QElapsedTimer>
#include <QPointer>
#include <QWidget>

class QAbstractButton;

namespace Tagovnik::Ribbon {

// What every pop-up of the ribbon shares. It hangs from an owner (the button that opened it);
// a press on the owner while it is open only closes it, without being replayed to the owner,
// which would open it again at once; and a button chosen in it closes the pop-up first and
// then runs, so that whatever the command shows is not covered by the pop-up, and the pop-up
// is gone even when the command fails. The keyboard goes through its items: the arrows move,
// Enter and Space choose, an access letter chooses its item, Esc closes. It offers no hover
// help.
class RibbonPopup : public QWidget
{
    Q_OBJECT

public:
    RibbonPopup(QWidget *owner, QWidget *parent);

    QWidget *owner() const { return m_owner; }

    // Shows the pop-up with its top left at `position` (on screen), already placed.
    void showAt(const QPoint &position);
    // Shows the pop-up below `anchor` (on screen), flipped above it where the screen ends and
    // kept inside the work area.
    void showBelow(const QRect &anchor);

    // Closes the pop-up, then clicks `button`; nothing when the button is disabled.
    void choose(QAbstractButton *button);

    // The screens' work areas, as the placement of pop-ups takes them.
    static QList<QRect> workAreas();

    // The item that the arrow keys moved to (shown hot; Enter chooses it), or nullptr.
    QAbstractButton *currentItem() const;

Q_SIGNALS:
    void shownChanged(bool shown);

protected:
    struct KeyboardItem
    {
        QAbstractButton *button = nullptr;
        QChar accessLetter; // lower case; null when the item has none
    };
    enum class ItemFlow { Column, Row };

    // Buttons in the pop-up that close it when clicked with the mouse.
    void watchChoice(QAbstractButton *button);
    // What the keyboard goes through, in order. In a row Left and Right move as well.
    void setKeyboardItems(const QList<KeyboardItem> &items, ItemFlow flow);
    // Whether a press at this screen point falls on the owner, outside the pop-up; round owners
    // narrow it.
    virtual bool pressHitsOwner(const QPoint &globalPos) const;
    // The press on the owner that closed the pop-up; `secondClick` when it came within the
    // double-click time of opening, which makes it the second click of a double-click.
    virtual void ownerPressed(bool secondClick) { Q_UNUSED(secondClick); }

    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    // True when the pop-up used the key.
    bool handleKey(const QKeyEvent &event);
    void setCurrent(int item);

    QPointer<QWidget> m_owner;
    QList<KeyboardItem> m_items;
    ItemFlow m_flow = ItemFlow::Column;
    int m_current = -1;
    QElapsedTimer m_openedAt;
};

} // namespace Tagovnik::Ribbon
