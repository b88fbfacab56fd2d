#pragma once

#include <QString>

namespace Tagovnik {

// The six things the program asks of the browser pane. Every operation either
// succeeds or raises an Error (see error.h); none returns a value.
class BrowserPane
{
public:
    virtual ~BrowserPane() = default;

    // A plain file-system path for local pages or an absolute URL for remote ones.
    virtual void navigate(const QString &address) = 0;
    virtual void goBack() = 0;
    virtual void goForward() = 0;
    virtual void refresh() = 0;
    virtual void stop() = 0;
    virtual void setOffline(bool offline) = 0;
};

} // namespace Tagovnik
