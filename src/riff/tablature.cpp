#include "riff/tablature.h"

namespace tablature {

QStringList stringNames(Notation notation)
{
    if (notation == Notation::American)
        return {QStringLiteral("e"), QStringLiteral("b"), QStringLiteral("g"),
                QStringLiteral("d"), QStringLiteral("a"), QStringLiteral("E")};
    return {QStringLiteral(" mi"), QStringLiteral(" si"), QStringLiteral("sol"),
            QStringLiteral(" re"), QStringLiteral(" la"), QStringLiteral(" MI")};
}

QString line(const QString& stringName, const QStringList& cells)
{
    QString text = stringName + QStringLiteral("|--");
    for (const QString& cell : cells)
        text += cell + emptyStep();
    return text;
}

QStringList schemeLines(Notation notation, const QList<QStringList>& rows)
{
    const QStringList names = stringNames(notation);
    QStringList lines;
    for (int r = 0; r < names.size() && r < rows.size(); ++r)
        lines.append(line(names.at(r), rows.at(r)));
    return lines;
}

} // namespace tablature
