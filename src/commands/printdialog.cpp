#include "printdialog.h"

#include "printablepage.h"

#include <QPrintDialog>
#include <QPrinter>

namespace Tagovnik {

PrintDialog::PrintDialog() = default;

PrintDialog::~PrintDialog() = default;

QPrinter &PrintDialog::printer()
{
    if (!m_printer)
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *m_printer;
}

void PrintDialog::configure(QPrintDialog &dialog)
{
    dialog.setOptions(QAbstractPrintDialog::PrintCollateCopies);
    dialog.setPrintRange(QAbstractPrintDialog::AllPages);
}

void PrintDialog::execute(QWidget *owner, PrintablePage &page)
{
    QPrintDialog dialog(&printer(), owner);
    configure(dialog);
    if (dialog.exec() == QDialog::Accepted)
        page.printPage(printer());
}

} // namespace Tagovnik
