#pragma once

#include "Unit1.h"
#include "fakebrowserpane.h"

// The main window with its handlers driving a recording pane instead of the web engine.
class RecordingForm : public Tagovnik::TForm1
{
public:
    FakeBrowserPane pane;

protected:
    Tagovnik::BrowserPane &browserPane() override { return pane; }
    Tagovnik::PrintablePage &printablePage() override { return pane; }
};
