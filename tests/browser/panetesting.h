#pragma once

#include "webbrowser.h"

#include <QApplication>
#include <QSignalSpy>
#include <QTest>
#include <QWebEnginePage>
#include <QWebEngineView>

#include <csignal>
#include <functional>
#include <memory>
#include <optional>

#include <sys/types.h>

// Helpers for tests that drive the pane against the real engine.
namespace PaneTesting {

// Runs the action and waits for the load it starts; true when it loaded.
inline bool waitForLoad(Tagovnik::WebBrowser &pane, const std::function<void()> &action)
{
    QSignalSpy loaded(pane.view(), &QWebEngineView::loadFinished);
    action();
    if (!loaded.wait(20000))
        return false;
    return loaded.constLast().constFirst().toBool();
}

inline QByteArray page(const char *title, const QByteArray &body = {})
{
    return QByteArray("<html><head><meta charset=\"utf-8\"><title>") + title +
           "</title></head><body>" + (body.isEmpty() ? QByteArray(title) : body) +
           "</body></html>";
}

// Shows the pane as an active window, so that its shortcuts and the engine's
// input work, with the focus in the page.
inline bool showActive(Tagovnik::WebBrowser &pane)
{
    pane.resize(800, 600);
    pane.show();
    if (!QTest::qWaitForWindowExposed(&pane))
        return false;
    QApplication::setActiveWindow(&pane);
    if (!QTest::qWaitFor([&] { return pane.isActiveWindow(); }))
        return false;
    return QTest::qWaitFor([&] { return pane.view()->focusProxy() != nullptr; });
}

// The engine's own widget, which receives input for the page.
inline QWidget *engineWidget(Tagovnik::WebBrowser &pane)
{
    return pane.view()->focusProxy();
}

// Tests running side by side on one display take the activation from each
// other, so the window is made active again until the page has the focus.
inline bool focusPage(Tagovnik::WebBrowser &pane)
{
    return QTest::qWaitFor([&] {
        QWidget *engine = engineWidget(pane);
        if (!engine)
            return false;
        if (!pane.isActiveWindow())
            QApplication::setActiveWindow(&pane);
        engine->setFocus();
        return engine->hasFocus();
    });
}

// Kills the page's renderer process, as a crash would, and waits until the
// engine has noticed.
inline bool killRenderer(Tagovnik::WebBrowser &pane)
{
    const qint64 pid = pane.view()->page()->renderProcessPid();
    if (pid <= 0)
        return false;
    QSignalSpy terminated(pane.view()->page(), &QWebEnginePage::renderProcessTerminated);
    if (::kill(pid_t(pid), SIGKILL) != 0)
        return false;
    return terminated.wait(20000);
}

// Runs a script in the page and returns its result.
inline QVariant evaluate(Tagovnik::WebBrowser &pane, const QString &script)
{
    auto result = std::make_shared<std::optional<QVariant>>();
    pane.view()->page()->runJavaScript(script,
                                       [result](const QVariant &value) { *result = value; });
    if (!QTest::qWaitFor([&] { return result->has_value(); }, 10000))
        return {};
    return **result;
}

// The centre of the element with this id, in the engine widget's coordinates.
inline QPoint centreOf(Tagovnik::WebBrowser &pane, const QString &id)
{
    const QVariantList box =
        evaluate(pane, QStringLiteral("(function(){var r=document.getElementById('%1')"
                                      ".getBoundingClientRect();"
                                      "return [r.left+r.width/2, r.top+r.height/2];})()")
                           .arg(id))
            .toList();
    if (box.size() != 2)
        return {};
    const double zoom = pane.view()->zoomFactor();
    return QPoint(int(box.at(0).toDouble() * zoom), int(box.at(1).toDouble() * zoom));
}

// A page that has only just loaded may drop input until its first frame is on
// the screen, so the mouse is moved over it until the page has seen a move.
inline bool waitForInput(Tagovnik::WebBrowser &pane)
{
    evaluate(pane, QStringLiteral("window.tagovnikSawInput = false;"
                                  "addEventListener('mousemove',"
                                  " function() { window.tagovnikSawInput = true; });"));
    int step = 0;
    return QTest::qWaitFor([&] {
        QWidget *engine = engineWidget(pane);
        if (!engine)
            return false;
        QTest::mouseMove(engine, QPoint(4 + step++ % 2, 4));
        return evaluate(pane, QStringLiteral("window.tagovnikSawInput")).toBool();
    }, 20000);
}

} // namespace PaneTesting
