#pragma once

#include <QMainWindow>

#include <memory>

class BrowserPane;
class PrintablePage;
class WebBrowser;

namespace Tagovnik {
class ActionManager;
class IdleEvaluator;
class PrintDialog;
class ShortcutDispatcher;
} // namespace Tagovnik

// The main window: the browser pane below the command surface. Its components
// and their settings come from Form1Definition; each handler does one thing.
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
    Tagovnik::ActionManager *ActionManager1 = nullptr;
    Tagovnik::ActionManager *ActionManager2 = nullptr;
    Tagovnik::ActionManager *ActionManager3 = nullptr;

    Tagovnik::ShortcutDispatcher &shortcuts() const { return *m_shortcuts; }
    Tagovnik::IdleEvaluator &idleEvaluator() const { return *m_idleEvaluator; }

    // Runs once construction is complete, before the window is shown.
    void FormCreate(QObject *sender);

    void Action6Execute();
    void akzualizovatExecute();
    void VpredExecute();
    void stopExecute();
    void web1Execute();
    void web2Execute();
    void web3Execute();
    void web4Execute();
    void web5Execute();
    void web6Execute();
    void Action2Execute();
    void AktualizaceExecute();
    void Action1Execute();
    void Action3Execute();
    void Action4Execute();
    void Action7Execute();
    void domuExecute();
    void Action5Execute();
    void Ribbon1HelpButtonClick();

protected:
    // The pane the handlers drive and the print command prints: WebBrowser1.
    virtual BrowserPane &browserPane();
    virtual PrintablePage &printablePage();

private:
    void applyScaling();
    void createCommands();

    double m_scaleRatio = 1.0;
    std::unique_ptr<Tagovnik::PrintDialog> m_printDialog;
    Tagovnik::ShortcutDispatcher *m_shortcuts = nullptr;
    Tagovnik::IdleEvaluator *m_idleEvaluator = nullptr;
};
