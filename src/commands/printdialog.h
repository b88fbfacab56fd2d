#pragma once

#include <memory>

class QPrintDialog;
class QPrinter;
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
    ~PrintDialog();

    void execute(QWidget *owner, PrintablePage &page);

    // The options the dialog opens with.
    static void configure(QPrintDialog &dialog);

    // The printer the dialog configures; it lives as long as the command, since
    // the engine prints asynchronously. Made on first use: a printer loads the
    // print system and asks it for its printers, which start-up has no need of.
    QPrinter &printer();

private:
    std::unique_ptr<QPrinter> m_printer;
};

} // namespace Tagovnik
