#include "app/command_line.h"

#include <QDir>
#include <QFile>

namespace {

const QString HelpText =
    QStringLiteral("Uso: corvalto [opzioni] [--] [lista]\n"
                   "Corvalto 3.0, prontuario di accordi per chitarristi.\n"
                   "\n"
                   "Opzioni:\n"
                   "  -h, --help     Mostra questo aiuto ed esce.\n"
                   "  -v, --version  Mostra la versione ed esce.\n"
                   "  --             Quel che segue è la lista, anche se comincia con \"-\".\n"
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

// The toolkit's own documented options, with one dash or two: -1 for none of
// them, else how many of the following arguments the option takes.
int toolkitOption(QByteArray option)
{
    if (option.startsWith("--"))
        option.remove(0, 1);
    static const QList<QByteArray> flags = {"-reverse", "-widgetcount", "-nograb", "-dograb",
                                            "-sync"};
    static const QList<QByteArray> withValue = {"-platform",
                                                "-platformpluginpath",
                                                "-platformtheme",
                                                "-plugin",
                                                "-qwindowgeometry",
                                                "-qwindowicon",
                                                "-qwindowtitle",
                                                "-session",
                                                "-display",
                                                "-geometry",
                                                "-title",
                                                "-icon",
                                                "-name",
                                                "-visual",
                                                "-style",
                                                "-stylesheet",
                                                "-qmljsdebugger"};
    if (flags.contains(option))
        return 0;
    const qsizetype equals = option.indexOf('=');
    if (equals > 0)
        return withValue.contains(option.left(equals)) ? 0 : -1;
    return withValue.contains(option) ? 1 : -1;
}

// An argument as text; one that is not UTF-8 with its other bytes as \xNN.
QString shown(const QByteArray& argument)
{
    const QString name = QFile::decodeName(argument);
    if (QFile::encodeName(name) == argument)
        return name;
    QString text;
    for (const char c : argument) {
        const auto byte = static_cast<unsigned char>(c);
        text += byte >= 0x20 && byte < 0x7f
                    ? QString(QLatin1Char(c))
                    : QStringLiteral("\\x%1").arg(byte, 2, 16, QLatin1Char('0'));
    }
    return text;
}

} // namespace

CommandLine CommandLine::parse(const QList<QByteArray>& arguments, const QString& startFolder)
{
    bool help = false;
    bool version = false;
    QByteArray unknown;
    QList<QByteArray> names;
    int toolkitArguments = int(arguments.size());
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QByteArray& argument = arguments[i];
        if (argument == "--") {
            toolkitArguments = int(i);
            names += arguments.mid(i + 1);
            break;
        }
        // A lone "-" is a name, as everywhere.
        if (argument.size() < 2 || !argument.startsWith('-'))
            names << argument;
        else if (argument == "-h" || argument == "--help")
            help = true;
        else if (argument == "-v" || argument == "--version")
            version = true;
        else if (const int values = toolkitOption(argument); values >= 0)
            i += values;
        // Never read as a row of one-letter options: "-dash.qvl" is not -d -a -s -h.
        else if (unknown.isEmpty())
            unknown = argument;
    }

    CommandLine line;
    line.toolkitArgumentCount = toolkitArguments;
    if (help) {
        line.action = Action::ShowHelp;
        line.text = HelpText;
        return line;
    }
    if (version) {
        line.action = Action::ShowVersion;
        line.text = VersionText;
        return line;
    }
    if (!unknown.isEmpty() && unknown.startsWith("--"))
        return refused(QStringLiteral("opzione sconosciuta \"%1\".").arg(shown(unknown)));
    if (!unknown.isEmpty())
        return refused(QStringLiteral("opzione sconosciuta \"%1\"; una lista il cui nome comincia "
                                      "con \"-\" si apre con \"corvalto -- %1\".")
                           .arg(shown(unknown)));
    if (names.size() > 1)
        return refused(QStringLiteral("si apre una lista alla volta."));
    if (names.isEmpty())
        return line;
    // Paths are held as text and given back to the system as UTF-8: a name in
    // another encoding could only be opened as another name.
    const QString name = QFile::decodeName(names.first());
    if (QFile::encodeName(name) != names.first())
        return refused(QStringLiteral("il nome \"%1\" non è in UTF-8: il programma non può "
                                      "aprirlo; rinominare il file.")
                           .arg(shown(names.first())));
    line.listPath = QDir::cleanPath(QDir(startFolder).absoluteFilePath(name));
    return line;
}
