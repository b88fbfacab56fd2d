#include "printdialog.h"

#include "printablepage.h"

#include <QPrintDialog>

namespace Tagovnik {

PrintDialog::PrintDialog() : m_printer(QPrinter::HighResolution) {}

void PrintDialog::configure(QPrintDialog &dialog)
{
    dialog.setOptions(QAbstractPrintDialog::PrintCollateCopies);
    dialog.setPrintRange(QAbstractPrintDialog::AllPages);
}

void PrintDialog::execute(QWidget *owner, PrintablePage &page)
{
    QPrintDialog dialog(&m_printer, owner);
    configure(dialog);
    if (dialog.exec() == QDialog::Accepted)
        page.printPage(m_printer);
}

} // namespace Tagovnik
