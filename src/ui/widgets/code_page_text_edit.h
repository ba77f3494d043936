#pragma once

#include <QPlainTextEdit>
#include <QString>

// A plain multi-line text area that refuses, where they are typed, pasted or
// dropped, the characters the program's text files cannot hold. A refused paste
// inserts nothing; refused() carries the first such character.
class CodePageTextEdit : public QPlainTextEdit
{
    Q_OBJECT
public:
    explicit CodePageTextEdit(QWidget* parent = nullptr);

signals:
    void refused(const QString& character);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void insertFromMimeData(const QMimeData* source) override;

private:
    bool refuses(const QString& text);
};
