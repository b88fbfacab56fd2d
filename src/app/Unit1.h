#pragma once

#include <QMainWindow>

class WebBrowser;

// The main window: the browser pane below the command surface. Its components
// and their settings come from Form1Definition; its handlers each do one thing.
class TForm1 : public QMainWindow
{
    Q_OBJECT

public:
    explicit TForm1(QWidget *parent = nullptr);
    ~TForm1() override;

    // Shows the window maximised, with its restored placement centred on the
    // primary screen's work area.
    void showOnStart();

    // The window's size at design time after scaling for the screen and font.
    QSize scaledClientSize() const;

    WebBrowser *const WebBrowser1;

    // Runs once construction is complete, before the window is shown.
    void FormCreate(QObject *sender);

private:
    void applyScaling();

    double m_scaleRatio = 1.0;
};
