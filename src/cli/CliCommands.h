#pragma once

#include <QStringList>

namespace scrivix {

// The commands of scrivix-cli. Each takes its own arguments (the command name
// first) and returns the process exit status.
class CliCommands
{
public:
    static int run(const QStringList& arguments);

private:
    static int words(const QStringList& arguments);
    static int dump(const QStringList& arguments);
    static int set(const QStringList& arguments);
    static int calc(const QStringList& arguments);
    static int defaults(const QStringList& arguments);
    static int assemble(const QStringList& arguments);
    static int fixTemplate(const QStringList& arguments);
};

} // namespace scrivix
