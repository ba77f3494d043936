#include "app/command_line.h"

#include <QCommandLineParser>
#include <QDir>

namespace {

const QString HelpText =
    QStringLiteral("Uso: corvalto [opzioni] [lista]\n"
                   "Corvalto 3.0, prontuario di accordi per chitarristi.\n"
                   "\n"
                   "Opzioni:\n"
                   "  -h, --help     Mostra questo aiuto ed esce.\n"
                   "  -v, --version  Mostra la versione ed esce.\n"
                   "\n"
                   "Argomenti:\n"
                   "  lista          Lista di accordi (.qvl) da aprire all'avvio.\n");

const QString VersionText = QStringLiteral("Corvalto 3.0\n");

CommandLine refused(const QString& reason)
{
    CommandLine line;
    line.action = CommandLine::Action::Refuse;
    line.text = QStringLiteral("corvalto: %1\nProvare \"corvalto --help\".\n").arg(reason);
    return line;
}

} // namespace

CommandLine CommandLine::parse(const QStringList& arguments, const QString& startFolder)
{
    QCommandLineParser parser;
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, QString());
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")}, QString());
    parser.addOption(help);
    parser.addOption(version);
    const bool parsed = parser.parse(arguments);

    CommandLine line;
    if (parser.isSet(help)) {
        line.action = Action::ShowHelp;
        line.text = HelpText;
        return line;
    }
    if (parser.isSet(version)) {
        line.action = Action::ShowVersion;
        line.text = VersionText;
        return line;
    }
    if (!parsed) {
        const QStringList unknown = parser.unknownOptionNames();
        if (!unknown.isEmpty())
            return refused(QStringLiteral("opzione sconosciuta \"%1\".").arg(unknown.first()));
        return refused(parser.errorText());
    }
    const QStringList lists = parser.positionalArguments();
    if (lists.size() > 1)
        return refused(QStringLiteral("si apre una lista alla volta."));
    if (lists.size() == 1)
        line.listPath = QDir::cleanPath(QDir(startFolder).absoluteFilePath(lists.first()));
    return line;
}
