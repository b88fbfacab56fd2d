#pragma once

#include <QMainWindow>

#include <functional>
#include <memory>

namespace Tagovnik {

class ActionManager;
class BrowserPane;
class IdleEvaluator;
class PrintablePage;
class PrintDialog;
class ShortcutDispatcher;
class WebBrowser;

namespace Ribbon {
class RibbonBar;
class RibbonContext;
} // namespace Ribbon

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

    Ribbon::RibbonBar *Ribbon1 = nullptr;
    WebBrowser *const WebBrowser1;
    ActionManager *ActionManager1 = nullptr;
    ActionManager *ActionManager2 = nullptr;
    ActionManager *ActionManager3 = nullptr;

    ShortcutDispatcher &shortcuts() const { return *m_shortcuts; }
    IdleEvaluator &idleEvaluator() const { return *m_idleEvaluator; }

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
    using PaneFactory = std::function<WebBrowser *(QWidget *owner)>;
    // The window with the pane that createPane makes in WebBrowser1's place.
    TForm1(const PaneFactory &createPane, QWidget *parent);

    // The pane the handlers drive and the print command prints: WebBrowser1.
    virtual BrowserPane &browserPane();
    virtual PrintablePage &printablePage();

private:
    void applyScaling();
    void createCommands();
    void createRibbon();

    double m_scaleRatio = 1.0;
    std::unique_ptr<PrintDialog> m_printDialog;
    std::unique_ptr<Ribbon::RibbonContext> m_ribbonContext;
    ShortcutDispatcher *m_shortcuts = nullptr;
    IdleEvaluator *m_idleEvaluator = nullptr;
};

} // namespace Tagovnik
