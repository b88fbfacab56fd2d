#pragma once

#include "browserpane.h"
#include "printablepage.h"

#include <QStringList>

class QPrinter;

// Records what the program asks of the browser pane, one line per operation.
class FakeBrowserPane : public Tagovnik::BrowserPane, public Tagovnik::PrintablePage
{
public:
    QStringList calls;
    QPrinter *printedOn = nullptr;

    void navigate(const QString &address) override
    {
        calls << QStringLiteral("navigate ") + address;
    }
    void goBack() override { calls << QStringLiteral("goBack"); }
    void goForward() override { calls << QStringLiteral("goForward"); }
    void refresh() override { calls << QStringLiteral("refresh"); }
    void stop() override { calls << QStringLiteral("stop"); }
    void setOffline(bool offline) override
    {
        calls << (offline ? QStringLiteral("setOffline true") : QStringLiteral("setOffline false"));
    }
    void printPage(QPrinter &printer) override
    {
        calls << QStringLiteral("printPage");
        printedOn = &printer;
    }
};
