#pragma once

#include "ribbon/keytips/keytiptargets.h"

#include <QList>
#include <QObject>
#include <QPointer>

#include <functional>

class QFont;

namespace Tagovnik::Ribbon {

class KeyTipLabel;

// The labels of the key tips on show, one per target that can be seen: on its control, or for
// a toolbar entry out of sight in a row below the toolbar's end button, with its picture. They
// follow their controls when the window moves things, and always stay inside the window.
class KeyTipLabels : public QObject
{
    Q_OBJECT

public:
    explicit KeyTipLabels(QWidget &window, QObject *parent = nullptr);
    ~KeyTipLabels() override;

    // Replaces the labels by those of `targets`, in the window's `font`.
    void show(const QList<KeyTipTarget> &targets, const QFont &font);
    void clear();
    // Shows only the labels whose target `isCandidate` says so, by index into the targets.
    void showCandidates(const std::function<bool(int)> &isCandidate);
    // Places them again once the events of the moment have settled.
    void schedulePlacing();

    // The labels on show, in the order of their targets.
    QList<KeyTipLabel *> shown() const;
    bool owns(const QObject *object) const;

private:
    void place();

    QWidget &m_window;
    QList<KeyTipTarget> m_targets;
    // Per target; null where its control is out of sight with nowhere to hang the label.
    QList<QPointer<KeyTipLabel>> m_labels;
    bool m_placingScheduled = false;
};

} // namespace Tagovnik::Ribbon
