#include "ui/widgets/code_page_text_edit.h"

#include "ui/widgets/code_page_validator.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMimeData>

CodePageTextEdit::CodePageTextEdit(QWidget* parent) : QPlainTextEdit(parent) {}

bool CodePageTextEdit::refuses(const QString& text)
{
    const QString character = CodePageValidator::firstRefused(text);
    if (character.isEmpty())
        return false;
    emit refused(character);
    return true;
}

void CodePageTextEdit::keyPressEvent(QKeyEvent* event)
{
    if (!isReadOnly() && refuses(event->text())) {
        event->accept();
        return;
    }
    // Shift+Enter would insert a line separator, which no text file can hold:
    // every Enter starts a new line.
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && (event->modifiers() & Qt::ShiftModifier)) {
        QKeyEvent plain(event->type(), event->key(), event->modifiers() & ~Qt::ShiftModifier,
                        event->text(), event->isAutoRepeat(), event->count());
        QPlainTextEdit::keyPressEvent(&plain);
        event->setAccepted(plain.isAccepted());
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void CodePageTextEdit::inputMethodEvent(QInputMethodEvent* event)
{
    if (!isReadOnly() && refuses(event->commitString())) {
        QInputMethodEvent kept(event->preeditString(), event->attributes());
        kept.setCommitString(QString(), event->replacementStart(), event->replacementLength());
        QPlainTextEdit::inputMethodEvent(&kept);
        return;
    }
    QPlainTextEdit::inputMethodEvent(event);
}

void CodePageTextEdit::insertFromMimeData(const QMimeData* source)
{
    if (isReadOnly() || !source || !source->hasText())
        return;
    QString text = source->text();
    if (refuses(text))
        return;
    // Pasted line ends of any convention become plain new lines.
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    insertPlainText(text);
    ensureCursorVisible();
}
