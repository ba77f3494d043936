#include "riff/riff_scheme.h"

#include "riff/tablature.h"

#include <algorithm>

namespace {

// Signature, empty separator line and six tablature lines.
constexpr int LinesPerScheme = tablature::Strings + 2;

} // namespace

void RiffScheme::addScheme(const QStringList& schemeLines)
{
    if (!m_lines.isEmpty())
        m_lines.removeLast();
    m_lines.append(schemeLines);
    m_lines.append(QString());
    m_lines.append(tablature::signature());
}

void RiffScheme::removeLastScheme()
{
    m_lines.resize(std::max<qsizetype>(0, m_lines.size() - LinesPerScheme));
    m_lines.append(tablature::signature());
}

void RiffScheme::clear()
{
    m_lines.clear();
}
