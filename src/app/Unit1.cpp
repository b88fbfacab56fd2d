#include "Unit1.h"

#include "applicationicon.h"
#include "errorreport.h"
#include "form1definition.h"
#include "pageaddresses.h"
#include "error.h"
#include "webbrowser.h"
#include "windowfont.h"
#include "windowscaling.h"

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QScreen>

using namespace Qt::StringLiterals;

TForm1::TForm1(QWidget *parent) : QMainWindow(parent), WebBrowser1(new WebBrowser(this))
{
    setObjectName(u"Form1"_s);
    setWindowTitle(Form1Definition::caption.toString());
    setWindowIcon(Tagovnik::applicationIcon());
    setCentralWidget(WebBrowser1);
    applyScaling();

    // A failure of the creation handler is reported at once, and start-up goes on.
    try {
        FormCreate(this);
    } catch (const Error &error) {
        reportError(error.message());
    }
}

TForm1::~TForm1() = default;

void TForm1::applyScaling()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    const int ppi = screen ? qRound(screen->logicalDotsPerInchY())
                           : Form1Definition::designPixelsPerInch;
    setFont(windowFont(WindowScaling::fontPixelHeight(Form1Definition::fontPixelHeight, ppi)));
    m_scaleRatio = WindowScaling::ratio(qRound(QFontMetricsF(font()).height()),
                                        Form1Definition::designTextHeight);
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

void TForm1::FormCreate(QObject *sender)
{
    Q_UNUSED(sender);
    WebBrowser1->navigate(PageAddresses::homePage());
}
