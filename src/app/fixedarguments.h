#pragma once

#include <QByteArray>

#include <array>

namespace Tagovnik {

// The argument list the program hands Qt and the web engine: the program's
// name and nothing else. The viewer reads no command-line arguments, so none
// may reach the toolkit on its behalf either ("-reverse", "-style", "-platform")
// or the engine ("--webEngineArgs --remote-debugging-port=..."). The list lives
// as long as the application object that keeps referring to it.
class FixedArguments
{
public:
    explicit FixedArguments(const char *programName);
    FixedArguments(const FixedArguments &) = delete;
    FixedArguments &operator=(const FixedArguments &) = delete;

    int &count() { return m_count; }
    char **values() { return m_values.data(); }

private:
    QByteArray m_programName;
    std::array<char *, 2> m_values{};
    int m_count = 1;
};

} // namespace Tagovnik
