#pragma once

#include <QPrinter>

class QPrintDialog;
class QWidget;
namespace Tagovnik {

class PrintablePage;

// The print command's dialog: the platform's print dialog, modal over the main
// window, offering the printer, copies and collation for all pages. Confirming
// prints the page that the browser pane shows; cancelling prints nothing.
class PrintDialog
{
public:
    PrintDialog();

    void execute(QWidget *owner, PrintablePage &page);

    // The options the dialog opens with.
    static void configure(QPrintDialog &dialog);

    // The printer the dialog configures; it lives as long as the command, since
    // the engine prints asynchronously.
    QPrinter &printer() { return m_printer; }

private:
    QPrinter m_printer;
};

} // namespace Tagovnik
