#include "fixedarguments.h"

namespace Tagovnik {

FixedArguments::FixedArguments(const char *programName)
    : m_programName(programName && *programName ? programName : "tagovnik")
{
    m_values[0] = m_programName.data();
    m_values[1] = nullptr; // argv ends with a null pointer, as main() receives it
}

} // namespace Tagovnik
