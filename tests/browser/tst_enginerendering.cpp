#include "enginerendering.h"

#include <QDir>
#include <QFileInfo>
#include <QTest>

using namespace Tagovnik;
using namespace Qt::StringLiterals;

class TestEngineRendering : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void softwareOnlyWithoutAGpuOrWhenMesaIsToldSo_data()
    {
        QTest::addColumn<QByteArray>("quick");
        QTest::addColumn<QByteArray>("rhi");
        QTest::addColumn<QByteArray>("mesa");
        QTest::addColumn<QStringList>("devices");
        QTest::addColumn<bool>("software");

        const QStringList none;
        const QStringList drm{u"/dev/dri/card0"_s, u"/dev/dri/renderD128"_s};
        const QStringList nvidia{u"/dev/nvidiactl"_s};
        QTest::newRow("no GPU") << QByteArray() << QByteArray() << QByteArray() << none << true;
        QTest::newRow("DRM GPU") << QByteArray() << QByteArray() << QByteArray() << drm << false;
        QTest::newRow("NVIDIA GPU") << QByteArray() << QByteArray() << QByteArray() << nvidia
                                    << false;
        QTest::newRow("GPU, Mesa told 1") << QByteArray() << QByteArray() << "1"_ba << drm << true;
        QTest::newRow("GPU, Mesa told Yes") << QByteArray() << QByteArray() << " Yes"_ba << drm
                                            << true;
        QTest::newRow("GPU, Mesa told true") << QByteArray() << QByteArray() << "TRUE"_ba << drm
                                             << true;
        QTest::newRow("GPU, Mesa told 0") << QByteArray() << QByteArray() << "0"_ba << drm << false;
        QTest::newRow("GPU, Mesa told false") << QByteArray() << QByteArray() << "false"_ba << drm
                                              << false;
        // A backend the user named is never overridden, even on a machine without a GPU.
        QTest::newRow("no GPU, user chose Quick's backend")
            << "opengl"_ba << QByteArray() << QByteArray() << none << false;
        QTest::newRow("no GPU, user chose the RHI backend")
            << QByteArray() << "opengl"_ba << "1"_ba << none << false;
    }

    void softwareOnlyWithoutAGpuOrWhenMesaIsToldSo()
    {
        QFETCH(QByteArray, quick);
        QFETCH(QByteArray, rhi);
        QFETCH(QByteArray, mesa);
        QFETCH(QStringList, devices);
        QFETCH(bool, software);
        QCOMPARE(drawsInSoftware(RenderingMachine{quick, rhi, mesa, devices}), software);
    }

    void theCurrentMachineIsReadFromTheEnvironmentAndTheDevices()
    {
        qputenv("QT_QUICK_BACKEND", "software");
        qputenv("QSG_RHI_BACKEND", "vulkan");
        qputenv("LIBGL_ALWAYS_SOFTWARE", "1");
        const RenderingMachine machine = RenderingMachine::current();
        QCOMPARE(machine.quickBackend, "software"_ba);
        QCOMPARE(machine.rhiBackend, "vulkan"_ba);
        QCOMPARE(machine.mesaSoftware, "1"_ba);
        for (const QString &device : machine.gpuDevices)
            QVERIFY2(QFileInfo::exists(device), qPrintable(device));
        QCOMPARE(machine.gpuDevices.isEmpty(),
                 QDir(u"/dev/dri"_s).entryList(QDir::System).isEmpty()
                     && !QFileInfo::exists(u"/dev/nvidiactl"_s));
    }
};

QTEST_GUILESS_MAIN(TestEngineRendering)
#include "tst_enginerendering.moc"
