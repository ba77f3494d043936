#include "ui/style/design_font.h"

#include <QFontDatabase>
#include <QHash>
#include <QStringList>

namespace {

// Looked up in the font database's own list: QFontDatabase::hasFamily would
// run the family through fontconfig's substitution rules first, which costs
// more than the lookup it saves. A family held by several foundries is listed
// as "Family [Foundry]".
bool installed(const QString& family, const QStringList& families)
{
    const QString withFoundry = family + QStringLiteral(" [");
    for (const QString& f : families) {
        if (f.compare(family, Qt::CaseInsensitive) == 0 ||
            f.startsWith(withFoundry, Qt::CaseInsensitive))
            return true;
    }
    return false;
}

} // namespace

QFont designFont(const QString& family)
{
    // The fonts installed do not change while the program runs; the answer is
    // kept per family (GUI thread only).
    static QHash<QString, QString> chosen;
    auto found = chosen.constFind(family);
    if (found == chosen.constEnd()) {
        const QStringList families = QFontDatabase::families();
        QString use = family;
        if (!installed(family, families)) {
            const QString substitute = QFont::substitute(family);
            if (substitute != family && installed(substitute, families))
                use = substitute;
        }
        found = chosen.insert(family, use);
    }
    return QFont(*found);
}
