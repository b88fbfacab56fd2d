#pragma once

#include "ribbon/keytips/alttap.h"
#include "ribbon/keytips/keytipmatcher.h"
#include "ribbon/keytips/keytiptargets.h"
#include "ribbon/model/ribbonstructure.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QSet>

class QKeyEvent;
class QWidget;

namespace Tagovnik::Ribbon {

class CaptionBarWidget;
class KeyTipLabel;
class KeyTipLabels;
class RibbonKeyboardNavigation;

// Key tips: Alt pressed and released alone, or F10, shows a key tip on each control the
// keyboard can reach ("F" on the application button, "1", "2" ... on the quick access toolbar's
// shown entries, and those of the tabs that have one); typing a key tip makes its control act.
// It watches the application's events instead of running a loop of its own, so pages keep
// loading and painting meanwhile. The focus stays with the control that had it; only that
// control's input method rests while the mode is on. Left and Right hand over to keyboard
// navigation across the tabs.
class KeyTipController : public QObject
{
    Q_OBJECT

public:
    enum class Mode { Off, TopLevel, PageLevel };
    Q_ENUM(Mode)

    KeyTipController(QWidget &ribbon, CaptionBarWidget &captionBar,
                     const RibbonDefinition &definition);
    ~KeyTipController() override;

    Mode mode() const { return m_mode; }
    RibbonKeyboardNavigation &navigation() const { return *m_navigation; }
    // The labels on show, in the order of their targets.
    QList<KeyTipLabel *> labels() const;

    void enter();
    void leave();

Q_SIGNALS:
    void modeChanged(Tagovnik::Ribbon::KeyTipController::Mode mode);
    // A key that matched no key tip was dropped (and the beep sounded).
    void keyRejected();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    enum class KeyUse { Pass, Take, LeaveAndPass };

    void show(Mode mode);
    void updateCandidates();

    bool isForThisWindow(QObject *watched) const;
    bool handleKey(QKeyEvent &key);
    KeyUse useOf(const QKeyEvent &key) const;
    void take(const QKeyEvent &key);
    void type(QChar character);
    void act(KeyTipTarget target);
    void reject();
    void suppressInputMethod(bool suppress);
    void updateAccessibleKeyTips();

    QWidget &m_ribbon;
    CaptionBarWidget &m_captionBar;
    RibbonDefinition m_definition;
    RibbonKeyboardNavigation *m_navigation;
    Mode m_mode = Mode::Off;
    QList<KeyTipTarget> m_targets;
    KeyTipLabels *m_labels;
    KeyTipMatcher m_matcher;
    AltTap m_altTap;
    const bool m_evdevKeyCodes;
    QPointer<QWidget> m_returnFocus;
    bool m_inputMethodSuppressed = false;
    // Keys whose press the mode took: their releases are taken too.
    QSet<int> m_takenPresses;
};

} // namespace Tagovnik::Ribbon
