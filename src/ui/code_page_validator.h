#pragma once

#include <QString>
#include <QValidator>

// Refuses, where it is typed or pasted, any character the program's text files
// cannot hold (they use the Western European code page), so that nothing is
// replaced silently when the text is saved. Emits refused() with the first such
// character; the field keeps the text it had.
class CodePageValidator : public QValidator
{
    Q_OBJECT
public:
    explicit CodePageValidator(QObject* parent = nullptr);

    State validate(QString& input, int& pos) const override;

    // The first character of text (a whole code point) the code page cannot
    // hold, or an empty string.
    static QString firstRefused(const QString& text);
    // The Italian message shown when such a character is refused.
    static QString refusedMessage(const QString& character);

signals:
    void refused(const QString& character);
};
