#pragma once

#include <QByteArray>
#include <QStringList>

namespace Tagovnik {

// What decides how the engine should draw its frames on this machine: a
// backend the user chose for Qt Quick, Mesa told to rasterise on the
// processor, and the GPU devices there are.
struct RenderingMachine
{
    QByteArray quickBackend;  // QT_QUICK_BACKEND
    QByteArray rhiBackend;    // QSG_RHI_BACKEND
    QByteArray mesaSoftware;  // LIBGL_ALWAYS_SOFTWARE
    QStringList gpuDevices;   // DRM cards and render nodes, the NVIDIA control device

    static RenderingMachine current();
};

// Without a GPU, OpenGL is Mesa's llvmpipe, the processor pretending to be one:
// the engine's compositor, then Qt Quick, drive it for every frame, at about
// twice the processor time of drawing in software outright. A backend the user
// chose stands.
bool drawsInSoftware(const RenderingMachine &machine);

// Applies the choice for this machine. Call before the application object exists.
void chooseEngineRendering();

} // namespace Tagovnik
