#pragma once

#include <QString>
#include <QValidator>

// Guards a one-line field whose text goes into a line of a text file. Refuses,
// where it is typed or pasted, any character the program's text files cannot
// hold (they use the Western European code page), so that nothing is replaced
// silently when the text is saved: emits refused() with the first such
// character, and the field keeps the text it had. A pasted text of several lines
// keeps only its first line, since a line break would split the file's line.
class CodePageValidator : public QValidator
{
    Q_OBJECT
public:
    explicit CodePageValidator(QObject* parent = nullptr);

    State validate(QString& input, int& pos) const override;

    // Cuts the text inserted before pos at its first CR or LF: the rest of the
    // inserted lines is dropped, the text after pos kept.
    static void keepFirstLine(QString& input, int& pos);

    // The first character of text (a whole code point) the code page cannot
    // hold, or an empty string.
    static QString firstRefused(const QString& text);
    // The Italian message shown when such a character is refused.
    static QString refusedMessage(const QString& character);

signals:
    void refused(const QString& character);
};
