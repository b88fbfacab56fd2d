#include "ribbon/keytips/keytiplabels.h"

#include "ribbon/controls/ribbonentrybutton.h"
#include "ribbon/keytips/keytiplabel.h"

#include <QTimer>

namespace Tagovnik::Ribbon {

namespace {

QRect onWindow(const QWidget &control, const QWidget &window)
{
    return QRect(control.mapTo(&window, QPoint(0, 0)), control.size());
}

QRect keptInside(QRect label, const QWidget &window)
{
    label.moveLeft(qBound(0, label.left(), qMax(0, window.width() - label.width())));
    label.moveTop(qBound(0, label.top(), qMax(0, window.height() - label.height())));
    return label;
}

} // namespace

KeyTipLabels::KeyTipLabels(QWidget &window, QObject *parent) : QObject(parent), m_window(window)
{
}

KeyTipLabels::~KeyTipLabels()
{
    clear();
}

void KeyTipLabels::show(const QList<KeyTipTarget> &targets, const QFont &font)
{
    clear();
    m_targets = targets;
    for (const KeyTipTarget &target : targets) {
        KeyTipLabel *label = nullptr;
        const QWidget *hangsFrom = target.anchor ? target.anchor.data() : target.control.data();
        if (hangsFrom && hangsFrom->isVisible()) {
            label = new KeyTipLabel(target.keyTip, &m_window);
            label->setFont(font);
            if (target.anchor) {
                if (auto *entry = qobject_cast<RibbonEntryButton *>(target.control.data()))
                    label->setPicture(entry->picture(m_window.devicePixelRatioF()));
            }
            label->resize(label->sizeHint());
        }
        m_labels.append(label);
    }
    place();
    for (KeyTipLabel *label : std::as_const(m_labels)) {
        if (label) {
            label->raise();
            label->show();
        }
    }
}

void KeyTipLabels::clear()
{
    for (const QPointer<KeyTipLabel> &label : std::as_const(m_labels))
        delete label.data();
    m_labels.clear();
    m_targets.clear();
    m_placingScheduled = false;
}

void KeyTipLabels::showCandidates(const std::function<bool(int)> &isCandidate)
{
    for (int i = 0; i < m_labels.size(); ++i) {
        if (KeyTipLabel *label = m_labels.at(i))
            label->setVisible(isCandidate(i));
    }
}

void KeyTipLabels::schedulePlacing()
{
    if (m_placingScheduled || m_labels.isEmpty())
        return;
    m_placingScheduled = true;
    QTimer::singleShot(0, this, [this] {
        if (m_placingScheduled)
            place();
    });
}

QList<KeyTipLabel *> KeyTipLabels::shown() const
{
    QList<KeyTipLabel *> shown;
    for (KeyTipLabel *label : m_labels) {
        if (label && label->isVisible())
            shown.append(label);
    }
    return shown;
}

bool KeyTipLabels::owns(const QObject *object) const
{
    return std::any_of(m_labels.cbegin(), m_labels.cend(),
                       [object](const QPointer<KeyTipLabel> &label) { return label == object; });
}

// Each label hangs from its control; those of entries out of sight form one row below the
// toolbar's end button.
void KeyTipLabels::place()
{
    m_placingScheduled = false;
    QWidget *rowAnchor = nullptr;
    QList<KeyTipLabel *> row;
    for (int i = 0; i < m_targets.size(); ++i) {
        const KeyTipTarget &target = m_targets.at(i);
        KeyTipLabel *label = m_labels.at(i);
        if (!label || !target.control)
            continue;
        label->setDimmed(!target.control->isEnabled());
        if (target.anchor) {
            rowAnchor = target.anchor;
            row.append(label);
            continue;
        }
        const QRect rect =
            keyTipLabelRect(target.kind, onWindow(*target.control, m_window), label->size());
        label->move(keptInside(rect, m_window).topLeft());
    }
    if (!rowAnchor)
        return;
    QList<QSize> sizes;
    for (const KeyTipLabel *label : std::as_const(row))
        sizes.append(label->size());
    const QList<QRect> rects =
        keyTipRowRects(onWindow(*rowAnchor, m_window), sizes, m_window.width() - 1);
    for (int i = 0; i < row.size(); ++i)
        row.at(i)->move(keptInside(rects.at(i), m_window).topLeft());
}

} // namespace Tagovnik::Ribbon
