#pragma once

class QPrinter;

namespace Tagovnik {

// Something that can put the page it shows on paper. Printing runs
// asynchronously; a print that fails raises an Error once the engine reports it.
class PrintablePage
{
public:
    virtual ~PrintablePage() = default;
    virtual void printPage(QPrinter &printer) = 0;
};

} // namespace Tagovnik
