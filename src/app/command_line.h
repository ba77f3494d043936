#pragma once

#include <QString>
#include <QStringList>

// The program's command line: corvalto [-h | --help] [-v | --version] [lista]
// A list given here is opened after start-up as "Apri lista..." opens the one
// chosen in its dialog.
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

    // arguments[0] is the program's name.
    static CommandLine parse(const QStringList& arguments, const QString& startFolder);
};
