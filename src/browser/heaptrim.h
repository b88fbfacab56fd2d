#pragma once

#include <QObject>
#include <QTimer>

namespace Tagovnik {

// Gives the heap's freed memory back to the system once pages stop loading.
// The engine takes its frame and texture buffers, a set for every page shown,
// from the C library's heap; freed, they stay with the process in pieces the
// library does not return by itself, and over a long session the program kept
// 10-15% more memory after a thousand pages than after fifty, all of it free.
// A trim during a navigation would slow it, so it waits for a quiet moment.
class HeapTrim : public QObject
{
    Q_OBJECT

public:
    explicit HeapTrim(int quietMs, QObject *parent = nullptr);

    // A page finished loading: trim once nothing has loaded for the quiet time.
    void afterPageLoad();
    bool isPending() const { return m_quiet.isActive(); }

    // Returns the heap's free memory to the system now. False where the C
    // library cannot.
    static bool trimNow();

Q_SIGNALS:
    void trimmed();

private:
    QTimer m_quiet;
};

} // namespace Tagovnik
