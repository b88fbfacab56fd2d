#include "heaptrim.h"

#include <QFile>
#include <QSignalSpy>
#include <QTest>

#include <cstdlib>
#include <vector>

#include <unistd.h>

using namespace Tagovnik;

namespace {

// Resident memory of this process, in bytes.
qint64 residentBytes()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return -1;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields.at(1).toLongLong() * sysconf(_SC_PAGESIZE) : -1;
}

} // namespace

class TestHeapTrim : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Blocks freed below one still in use stay resident, as the engine's buffers
    // did, until the trim gives them back.
    void freedMemoryGoesBackToTheSystem()
    {
#if defined(__SANITIZE_ADDRESS__)
        QSKIP("The address sanitizer's allocator stands in for the C library's");
#endif
        constexpr std::size_t blockSize = 64 * 1024;
        constexpr int blocks = 400; // 25 MiB
        std::vector<char *> heap;
        for (int i = 0; i < blocks; ++i) {
            auto *block = static_cast<char *>(std::malloc(blockSize));
            QVERIFY(block);
            for (std::size_t at = 0; at < blockSize; at += 4096)
                block[at] = 1;
            heap.push_back(block);
        }
        // The last block keeps the heap from shrinking at its end by itself.
        for (int i = 0; i < blocks - 1; ++i)
            std::free(heap[i]);
        const qint64 before = residentBytes();
        QVERIFY(before > 0);
        QVERIFY(HeapTrim::trimNow());
        const qint64 after = residentBytes();
        std::free(heap.back());
        QVERIFY2(before - after > 16 * 1024 * 1024,
                 qPrintable(QStringLiteral("%1 -> %2").arg(before).arg(after)));
    }

    // Page after page, the trim waits until loads have stopped for the quiet time,
    // then runs once.
    void oneTrimAfterTheLoadsStop()
    {
        HeapTrim trim(100);
        QSignalSpy trims(&trim, &HeapTrim::trimmed);
        for (int load = 0; load < 5; ++load) {
            trim.afterPageLoad();
            QTest::qWait(40);
        }
        QCOMPARE(trims.count(), 0);
        QVERIFY(trim.isPending());
        QTRY_COMPARE(trims.count(), 1);
        QVERIFY(!trim.isPending());
        QTest::qWait(150);
        QCOMPARE(trims.count(), 1);
    }
};

QTEST_GUILESS_MAIN(TestHeapTrim)
#include "tst_heaptrim.moc"
