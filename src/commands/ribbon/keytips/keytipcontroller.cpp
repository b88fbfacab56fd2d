#include "ribbon/keytips/keytipcontroller.h"

#include "ribbon/captionbar/captionbarwidget.h"
#include "ribbon/captionbar/quickaccesstoolbarwidget.h"
#include "ribbon/keytips/keytipkey.h"
#include "ribbon/keytips/keytiplabels.h"
#include "ribbon/keytips/keytiptargets.h"
#include "ribbon/keytips/ribbonkeyboardnavigation.h"

#include <QApplication>
#include <QInputMethod>
#include <QInputMethodQueryEvent>
#include <QKeyEvent>

namespace Tagovnik::Ribbon {

namespace {

bool isModifierKey(int key)
{
    switch (key) {
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Meta:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_Super_L:
    case Qt::Key_Super_R:
    case Qt::Key_Hyper_L:
    case Qt::Key_Hyper_R:
    case Qt::Key_CapsLock:
    case Qt::Key_NumLock:
    case Qt::Key_ScrollLock:
        return true;
    default:
        return false;
    }
}

bool isPlain(const QKeyEvent &key)
{
    return !(key.modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier |
                                Qt::MetaModifier));
}

} // namespace

KeyTipController::KeyTipController(QWidget &ribbon, CaptionBarWidget &captionBar,
                                   const RibbonDefinition &definition)
    : QObject(&ribbon), m_ribbon(ribbon), m_captionBar(captionBar), m_definition(definition),
      m_navigation(new RibbonKeyboardNavigation(ribbon, captionBar.applicationButton())),
      m_labels(new KeyTipLabels(*ribbon.window(), this)),
      m_evdevKeyCodes(platformUsesEvdevKeyCodes())
{
    setObjectName(QStringLiteral("KeyTips"));
    connect(captionBar.quickAccessToolbar(), &QuickAccessToolbarWidget::entriesChanged, this,
            [this] {
                updateAccessibleKeyTips();
                if (m_mode == Mode::TopLevel)
                    show(Mode::TopLevel);
            });
    updateAccessibleKeyTips();
    qApp->installEventFilter(this);
}

KeyTipController::~KeyTipController()
{
    qApp->removeEventFilter(this);
}

QList<KeyTipLabel *> KeyTipController::labels() const
{
    return m_labels->shown();
}

void KeyTipController::enter()
{
    if (m_mode != Mode::Off)
        return;
    if (m_navigation->isActive()) {
        // From keyboard navigation the focus goes back, later, where it was before that.
        m_returnFocus = m_navigation->returnFocus();
        m_navigation->end(false);
    } else {
        m_returnFocus = QApplication::focusWidget();
    }
    suppressInputMethod(true);
    show(Mode::TopLevel);
}

void KeyTipController::leave()
{
    if (m_mode == Mode::Off)
        return;
    m_labels->clear();
    m_targets.clear();
    m_matcher.setKeyTips({});
    m_mode = Mode::Off;
    suppressInputMethod(false);
    // The focus goes back where it was, unless a pop-up holds it: that gives it back itself.
    const QPointer<QWidget> returnFocus = std::exchange(m_returnFocus, nullptr);
    if (returnFocus && QApplication::focusWidget() != returnFocus &&
        !QApplication::activePopupWidget())
        returnFocus->setFocus(Qt::OtherFocusReason);
    Q_EMIT modeChanged(m_mode);
}

void KeyTipController::show(Mode mode)
{
    m_targets = mode == Mode::PageLevel
                    ? pageKeyTipTargets(m_ribbon)
                    : topLevelKeyTipTargets(m_ribbon, m_captionBar, m_definition);
    QStringList keyTips;
    for (const KeyTipTarget &target : std::as_const(m_targets))
        keyTips.append(target.keyTip);
    m_matcher.setKeyTips(keyTips);
    m_labels->show(m_targets, m_ribbon.font());
    const bool changed = mode != m_mode;
    m_mode = mode;
    if (changed)
        Q_EMIT modeChanged(m_mode);
}

// Labels whose key tip no longer begins with what was typed go away meanwhile.
void KeyTipController::updateCandidates()
{
    m_labels->showCandidates([this](int target) { return m_matcher.isCandidate(target); });
}

// Key events are looked at once, where they are delivered first: at the control with the
// focus in the ribbon's window. Pop-ups and dialogs handle their own keys.
bool KeyTipController::isForThisWindow(QObject *watched) const
{
    QWidget *window = m_ribbon.window();
    if (QApplication::activePopupWidget() || QApplication::activeModalWidget() ||
        QApplication::activeWindow() != window)
        return false;
    QWidget *receiver = QApplication::focusWidget() ? QApplication::focusWidget() : window;
    return watched == receiver;
}

KeyTipController::KeyUse KeyTipController::useOf(const QKeyEvent &key) const
{
    const int code = key.key();
    const bool f10 = code == Qt::Key_F10 && isPlain(key);
    if (m_mode == Mode::Off) {
        if (f10)
            return KeyUse::Take;
        return m_navigation->isActive() && RibbonKeyboardNavigation::takesKey(key) ? KeyUse::Take
                                                                                   : KeyUse::Pass;
    }
    if (isModifierKey(code))
        return KeyUse::Pass;
    if (f10 || ((code == Qt::Key_Escape || code == Qt::Key_Left || code == Qt::Key_Right) &&
                isPlain(key)))
        return KeyUse::Take;
    if (keyTipCharacter(key, m_evdevKeyCodes))
        return KeyUse::Take;
    // Tab, Up, Down and any other key or combination end the mode and go on as usual.
    return KeyUse::LeaveAndPass;
}

bool KeyTipController::handleKey(QKeyEvent &key)
{
    const int code = key.key();
    if (key.type() == QEvent::KeyRelease) {
        if (m_altTap.keyReleased(code)) {
            if (m_mode != Mode::Off)
                leave();
            else if (m_navigation->isActive())
                m_navigation->end(true);
            else
                enter();
            return false;
        }
        if (!key.isAutoRepeat() && m_takenPresses.remove(code))
            return true;
        return false;
    }
    if (key.type() == QEvent::KeyPress)
        m_altTap.keyPressed(code, key.isAutoRepeat());

    switch (useOf(key)) {
    case KeyUse::Pass:
        return false;
    case KeyUse::LeaveAndPass:
        leave();
        return false;
    case KeyUse::Take:
        // Taking the key's override keeps it from every shortcut; its press is then ours.
        key.accept();
        if (key.type() == QEvent::KeyPress) {
            m_takenPresses.insert(code);
            take(key);
        }
        return true;
    }
    return false;
}

void KeyTipController::take(const QKeyEvent &key)
{
    const int code = key.key();
    if (m_mode == Mode::Off) {
        if (m_navigation->isActive() && code != Qt::Key_F10)
            m_navigation->handleKey(key);
        else
            enter();
        return;
    }
    switch (code) {
    case Qt::Key_F10:
        leave();
        return;
    case Qt::Key_Escape:
        if (m_mode == Mode::PageLevel)
            show(Mode::TopLevel);
        else
            leave();
        return;
    case Qt::Key_Left:
    case Qt::Key_Right: {
        const QPointer<QWidget> returnFocus = m_returnFocus;
        leave();
        const int forward = m_ribbon.layoutDirection() == Qt::RightToLeft ? -1 : 1;
        m_navigation->start(code == Qt::Key_Left ? -forward : forward, returnFocus);
        return;
    }
    default:
        if (const std::optional<QChar> character = keyTipCharacter(key, m_evdevKeyCodes))
            type(*character);
        return;
    }
}

void KeyTipController::type(QChar character)
{
    const KeyTipMatcher::Step step = m_matcher.type(character);
    switch (step.outcome) {
    case KeyTipMatcher::Outcome::Rejected:
        reject();
        break;
    case KeyTipMatcher::Outcome::Waiting:
        updateCandidates();
        break;
    case KeyTipMatcher::Outcome::Matched:
        act(m_targets.at(step.target));
        break;
    }
}

void KeyTipController::act(const KeyTipTarget target)
{
    const QPointer<QWidget> control = target.control;
    auto *button = qobject_cast<QAbstractButton *>(control.data());
    if (!button || !button->isEnabled()) {
        reject();
        updateCandidates();
        return;
    }
    if (target.kind == KeyTipTarget::Kind::Tab) {
        button->click();
        show(Mode::PageLevel);
        return;
    }
    // The mode ends before the control acts: a menu it opens, a dialog or an error box that
    // its command shows, finds the focus where it was.
    leave();
    button->click();
}

void KeyTipController::reject()
{
    QApplication::beep();
    Q_EMIT keyRejected();
}

void KeyTipController::suppressInputMethod(bool suppress)
{
    if (suppress == m_inputMethodSuppressed)
        return;
    m_inputMethodSuppressed = suppress;
    QGuiApplication::inputMethod()->update(suppress ? Qt::ImEnabled : Qt::ImQueryAll);
}

void KeyTipController::updateAccessibleKeyTips()
{
    updateSpokenKeyTips(m_ribbon, m_captionBar, m_definition);
}

bool KeyTipController::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::ShortcutOverride:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
        if (isForThisWindow(watched))
            return handleKey(*static_cast<QKeyEvent *>(event));
        break;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::NonClientAreaMouseButtonPress:
        // Any click ends both; the click then goes where it was aimed.
        m_altTap.interrupt();
        leave();
        m_navigation->end(true);
        break;
    case QEvent::Wheel:
        if (m_mode != Mode::Off) {
            auto *widget = qobject_cast<QWidget *>(watched);
            if (widget && (widget == &m_ribbon || m_ribbon.isAncestorOf(widget)))
                return true;
        }
        break;
    case QEvent::ApplicationDeactivate:
    case QEvent::WindowDeactivate:
        if (event->type() == QEvent::ApplicationDeactivate || watched == m_ribbon.window()) {
            m_altTap.interrupt();
            leave();
        }
        break;
    case QEvent::InputMethodQuery:
        // The input method of the control with the focus rests while the mode is on.
        if (m_inputMethodSuppressed && watched == m_returnFocus) {
            auto *query = static_cast<QInputMethodQueryEvent *>(event);
            if (query->queries() & Qt::ImEnabled) {
                query->setValue(Qt::ImEnabled, false);
                query->accept();
                return true;
            }
        }
        break;
    case QEvent::Resize:
    case QEvent::Move:
    case QEvent::LayoutRequest:
        if (m_mode != Mode::Off && watched->isWidgetType() &&
            (watched == m_ribbon.window() ||
             m_ribbon.window()->isAncestorOf(static_cast<QWidget *>(watched))) &&
            !m_labels->owns(watched))
            m_labels->schedulePlacing();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace Tagovnik::Ribbon
