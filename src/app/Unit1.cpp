#include "Unit1.h"

#include "actionmanager.h"
#include "applicationicon.h"
#include "enginehelper.h"
#include "errorboundary.h"
#include "form1definition.h"
#include "idleevaluator.h"
#include "pageaddresses.h"
#include "printdialog.h"
#include "ribbon/ribbonbar.h"
#include "ribbon/model/ribboncontext.h"
#include "ribbon/controls/ribbonentrybutton.h"
#include "ribbon/windowchrome/windowframe.h"
#include "shortcutdispatcher.h"
#include "webbrowser.h"
#include "windowfont.h"
#include "windowscaling.h"

#include <QGuiApplication>
#include <QScreen>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace Tagovnik {

using PageAddresses::RemotePage;

// Without its helper program the engine would end the program while creating
// the pane, so a missing helper is an error of start-up instead.
static WebBrowser *createBrowserPane(QWidget *owner)
{
    EngineHelper::requireAvailable();
    return new WebBrowser(owner);
}

TForm1::TForm1(QWidget *parent) : TForm1(createBrowserPane, parent) {}

TForm1::TForm1(const PaneFactory &createPane, QWidget *parent)
    : QMainWindow(parent), WebBrowser1(createPane(this)),
      m_printDialog(std::make_unique<PrintDialog>()), m_shortcuts(new ShortcutDispatcher(*this)),
      m_idleEvaluator(new IdleEvaluator(this))
{
    setObjectName(u"Form1"_s);
    setWindowTitle(Form1Definition::caption.toString());
    setWindowIcon(applicationIcon());
    setCentralWidget(WebBrowser1);
    // Keys go to the browser pane first when it has the focus.
    m_shortcuts->setFocusedControlClaim(
        [this](const QKeyEvent &key) { return WebBrowser1->claimsKey(key); });
    createCommands();
    // The pane's context menu prints through the print command, like Ctrl+P.
    connect(WebBrowser1, &WebBrowser::printRequested, this, [this] {
        ErrorBoundary::run([this] { ActionManager2->command(u"PrintDlg1"_s)->execute(); });
    });
    applyScaling();
    createRibbon();

    // A failure of the creation handler is reported at once, and start-up goes on.
    ErrorBoundary::run([this] { FormCreate(this); });
}

// Parts go in the reverse order of their dependencies: key dispatch and idle
// evaluation read the ribbon and the command lists, the ribbon's widgets refer
// to its context and hold the commands of the lists.
TForm1::~TForm1()
{
    delete m_shortcuts;
    delete m_idleEvaluator;
    delete Ribbon1;
    Ribbon1 = nullptr;
    m_ribbonContext.reset();
    delete ActionManager3;
    delete ActionManager2;
    delete ActionManager1;
}

void TForm1::createCommands()
{
    QList<ActionManager *> lists;
    for (const auto &list : Form1Definition::commandLists()) {
        lists.append(
            new ActionManager(list.name.toString(), list.images, list.styleName.toString(), this));
        m_shortcuts->addList(*lists.constLast());
    }
    ActionManager1 = lists.at(0);
    ActionManager2 = lists.at(1);
    ActionManager3 = lists.at(2);

    // A command names its list; every name it may give is one of the lists above.
    const auto listNamed = [&lists](QStringView name) {
        const auto found =
            std::find_if(lists.cbegin(), lists.cend(),
                         [name](const ActionManager *list) { return list->name() == name; });
        Q_ASSERT_X(found != lists.cend(), "createCommands", "a command names an unknown list");
        return *found;
    };
    for (const auto &row : Form1Definition::commands()) {
        Command *command = listNamed(row.list)->addCommand(
            row.name.toString(), row.kind,
            {row.category.toString(), row.caption.toString(), row.hint.toString(), row.imageIndex,
             row.shortcut.key() ? QKeySequence(row.shortcut) : QKeySequence()},
            row.autoCheck);
        if (row.onExecute)
            command->setOnExecute([this, handler = row.onExecute] { (this->*handler)(); });
        if (row.kind == CommandKind::TPrintDlg)
            command->setStandardBehaviour(
                [this] { m_printDialog->execute(this, printablePage()); });
    }
}

void TForm1::createRibbon()
{
    // The ribbon draws the title bar, so the window manager draws no frame.
    setWindowFlag(Qt::FramelessWindowHint);
    new Ribbon::WindowFrame(*this);

    m_ribbonContext = std::make_unique<Ribbon::RibbonContext>(
        QList<ActionManager *>{ActionManager1, ActionManager2, ActionManager3}, font());
    Ribbon1 = new Ribbon::RibbonBar(*m_ribbonContext, Form1Definition::ribbon(), this);
    setMenuWidget(Ribbon1);
    connect(Ribbon1, &Ribbon::RibbonBar::helpButtonClicked, this,
            [this] { ErrorBoundary::run([this] { Ribbon1HelpButtonClick(); }); });

    m_idleEvaluator->addSource([this] {
        QList<Command *> commands;
        if (!isVisible() || !isEnabled())
            return commands;
        for (const Ribbon::RibbonEntryButton *entry : Ribbon1->visibleEntries()) {
            if (entry->command() && entry->isVisible())
                commands.append(entry->command());
        }
        return commands;
    });
}

void TForm1::applyScaling()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    const int ppi =
        screen ? qRound(screen->logicalDotsPerInchY()) : Form1Definition::designPixelsPerInch;
    setFont(windowFont(WindowScaling::fontPixelHeight(Form1Definition::fontPixelHeight, ppi)));
    m_scaleRatio = WindowScaling::ratio(textCellHeight(font()), Form1Definition::designTextHeight);
    resize(scaledClientSize());
}

QSize TForm1::scaledClientSize() const
{
    return WindowScaling::scaled(Form1Definition::designClientSize, m_scaleRatio);
}

void TForm1::showOnStart()
{
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        move(WindowScaling::centredPlacement(size(), screen->availableGeometry(),
                                             screen->virtualGeometry()));
    }
    showMaximized();
}

BrowserPane &TForm1::browserPane()
{
    return *WebBrowser1;
}

PrintablePage &TForm1::printablePage()
{
    return *WebBrowser1;
}

void TForm1::FormCreate(QObject *sender)
{
    Q_UNUSED(sender);
    WebBrowser1->navigate(PageAddresses::homePage());
}

// Each handler does exactly one thing and keeps nothing: addresses are resolved
// immediately before navigating.

void TForm1::Action6Execute()
{
    browserPane().goBack();
}

void TForm1::akzualizovatExecute()
{
    browserPane().refresh();
}

void TForm1::VpredExecute()
{
    browserPane().goForward();
}

void TForm1::stopExecute()
{
    browserPane().stop();
}

void TForm1::web1Execute()
{
    browserPane().navigate(PageAddresses::homePage());
}

void TForm1::web2Execute()
{
    browserPane().navigate(PageAddresses::remotePage(RemotePage::OnlineEdition));
}

void TForm1::web3Execute()
{
    browserPane().navigate(PageAddresses::remotePage(RemotePage::MakerSite));
}

void TForm1::web4Execute()
{
    browserPane().navigate(PageAddresses::remotePage(RemotePage::CssProject));
}

void TForm1::web5Execute()
{
    browserPane().navigate(PageAddresses::remotePage(RemotePage::Support));
}

void TForm1::web6Execute()
{
    browserPane().navigate(PageAddresses::remotePage(RemotePage::Tips));
}

void TForm1::Action2Execute()
{
    // The command has just flipped its check mark; the pane follows it.
    browserPane().setOffline(ActionManager1->command(u"Action2"_s)->isChecked());
}

void TForm1::AktualizaceExecute()
{
    browserPane().navigate(PageAddresses::remotePage(RemotePage::NationalUpdate));
}

void TForm1::Action1Execute()
{
    browserPane().navigate(PageAddresses::recommendPage());
}

void TForm1::Action3Execute()
{
    browserPane().navigate(PageAddresses::remotePage(RemotePage::Help));
}

void TForm1::Action4Execute()
{
    browserPane().navigate(PageAddresses::remotePage(RemotePage::About));
}

void TForm1::Action7Execute()
{
    close();
}

void TForm1::domuExecute()
{
    browserPane().navigate(PageAddresses::homePage());
}

void TForm1::Action5Execute()
{
    browserPane().navigate(PageAddresses::remotePage(RemotePage::Update));
}

void TForm1::Ribbon1HelpButtonClick()
{
    browserPane().navigate(PageAddresses::remotePage(RemotePage::Help));
}

} // namespace Tagovnik
