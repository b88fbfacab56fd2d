#include "enginerendering.h"

#include <QDir>
#include <QFileInfo>
#include <QQuickWindow>
#include <QSGRendererInterface>

using namespace Qt::StringLiterals;

namespace Tagovnik {

RenderingMachine RenderingMachine::current()
{
    RenderingMachine machine{qgetenv("QT_QUICK_BACKEND"), qgetenv("QSG_RHI_BACKEND"),
                             qgetenv("LIBGL_ALWAYS_SOFTWARE"), {}};
    // Device nodes are listed only as system entries.
    const QDir dri(u"/dev/dri"_s);
    for (const QString &name : dri.entryList({u"card*"_s, u"renderD*"_s}, QDir::System))
        machine.gpuDevices << dri.filePath(name);
    // The NVIDIA driver without kernel mode setting has no DRM node.
    if (QFileInfo::exists(u"/dev/nvidiactl"_s))
        machine.gpuDevices << u"/dev/nvidiactl"_s;
    return machine;
}

static bool mesaReadsAsTrue(const QByteArray &value)
{
    const QByteArray lower = value.trimmed().toLower();
    return lower == "1" || lower == "true" || lower == "y" || lower == "yes";
}

bool drawsInSoftware(const RenderingMachine &machine)
{
    if (!machine.quickBackend.isEmpty() || !machine.rhiBackend.isEmpty())
        return false;
    return machine.gpuDevices.isEmpty() || mesaReadsAsTrue(machine.mesaSoftware);
}

void chooseEngineRendering()
{
    // Qt WebEngine follows Qt Quick: with the software scene graph the engine's
    // compositor draws in software too, and OpenGL is never set up.
    if (drawsInSoftware(RenderingMachine::current()))
        QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
}

} // namespace Tagovnik
