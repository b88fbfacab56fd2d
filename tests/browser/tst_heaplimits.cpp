#include "heaplimits.h"

#include <QTest>

#include <cstdlib>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

class TestHeapLimits : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // A large block freed does not teach the library to take the next one of
    // its size from the heap: each comes in a mapping of its own again.
    void largeBlocksStayMappedAfterOneIsFreed()
    {
#if defined(__SANITIZE_ADDRESS__)
        QSKIP("The address sanitizer's allocator stands in for the C library's");
#elif defined(__GLIBC__)
        QVERIFY(Tagovnik::keepLargeBlocksOutOfTheHeap());
        constexpr std::size_t frameBuffer = 4 * 1024 * 1024;
        for (int round = 0; round < 3; ++round) {
            const std::size_t mappedBefore = mallinfo2().hblks;
            void *volatile block = std::malloc(frameBuffer);
            QVERIFY(block);
            static_cast<char *>(block)[0] = 1;
            QCOMPARE(mallinfo2().hblks, mappedBefore + 1);
            std::free(block);
            QCOMPARE(mallinfo2().hblks, mappedBefore);
        }
#else
        QVERIFY(!Tagovnik::keepLargeBlocksOutOfTheHeap());
#endif
    }
};

QTEST_APPLESS_MAIN(TestHeapLimits)
#include "tst_heaplimits.moc"
