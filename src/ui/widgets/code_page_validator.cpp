#include "ui/widgets/code_page_validator.h"

#include "core/text_file.h"

#include <QStringView>

#include <algorithm>

CodePageValidator::CodePageValidator(QObject* parent) : QValidator(parent) {}

QValidator::State CodePageValidator::validate(QString& input, int& pos) const
{
    keepFirstLine(input, pos);
    const QString character = firstRefused(input);
    if (character.isEmpty())
        return Acceptable;
    emit const_cast<CodePageValidator*>(this)->refused(character);
    return Invalid;
}

void CodePageValidator::keepFirstLine(QString& input, int& pos)
{
    const auto isBreak = [](QChar c) { return c == QLatin1Char('\r') || c == QLatin1Char('\n'); };
    const auto first = std::find_if(input.cbegin(), input.cend(), isBreak);
    if (first == input.cend())
        return;
    // The field held no line break before the edit, so every break lies in the
    // text just inserted, which ends at the cursor.
    const int from = static_cast<int>(first - input.cbegin());
    int to = std::clamp(pos, from, static_cast<int>(input.size()));
    const auto last = std::find_if(input.crbegin(), input.crend(), isBreak);
    to = std::max(to, static_cast<int>(input.crend() - last));
    input.remove(from, to - from);
    pos = from;
}

QString CodePageValidator::firstRefused(const QString& text)
{
    const QChar c = textfile::firstUnencodable(text);
    if (c.isNull())
        return {};
    const qsizetype at = text.indexOf(c);
    // A character outside the basic plane is a surrogate pair: report it whole.
    if (c.isHighSurrogate() && at + 1 < text.size() && text.at(at + 1).isLowSurrogate())
        return text.mid(at, 2);
    return QString(c);
}

QString CodePageValidator::refusedMessage(const QString& character)
{
    const char32_t code = character.isEmpty() ? 0 : character.toUcs4().value(0);
    const QString hex =
        QString::number(static_cast<uint>(code), 16).toUpper().rightJustified(4, QLatin1Char('0'));
    return QStringLiteral("Il carattere \"%1\" (U+%2) non è ammesso: i file di Corvalto usano la "
                          "codifica dell'Europa occidentale, che non lo contiene.")
        .arg(character, hex);
}
