#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// The program's command line: corvalto [-h | --help] [-v | --version] [--] [lista]
// Read before the toolkit starts, so that its errors, --help and --version need
// no display. A list given here is opened after start-up as "Apri lista..."
// opens the one chosen in its dialog.
struct CommandLine
{
    enum class Action { Run, ShowHelp, ShowVersion, Refuse };

    Action action = Action::Run;
    // The list to open, made absolute against the folder the program was
    // started in; empty when none was given.
    QString listPath;
    // What to print for ShowHelp, ShowVersion (standard output) and Refuse
    // (standard error, exit status 1), in Italian.
    QString text;
    // For Run, the arguments before "--", program name included: the toolkit
    // reads its own documented options (-platform, -style ...) from these.
    int toolkitArgumentCount = 0;

    // The arguments as the system gives them; arguments[0] is the program's name.
    static CommandLine parse(const QList<QByteArray>& arguments, const QString& startFolder);
};
