#include "support/scripted_prompts.h"

void ScriptedPrompts::information(QWidget*, const QString& text)
{
    m_calls.append(
        {QStringLiteral("information"), text, QStringLiteral("Informazione"), false, {}});
}

Prompts::Answer ScriptedPrompts::question(QWidget*, const QString& text, bool withCancel)
{
    m_calls.append({QStringLiteral("question"), text, QStringLiteral("Conferma"), withCancel, {}});
    if (m_answers.empty())
        return withCancel ? Answer::Cancel : Answer::No;
    const Answer a = m_answers.front();
    m_answers.pop_front();
    return a;
}

void ScriptedPrompts::error(QWidget*, const QString& text, const QString& caption)
{
    m_calls.append({QStringLiteral("error"), text, caption, false, {}});
}

std::optional<QString> ScriptedPrompts::nextFile(const QString& kind, const FileDialog& dialog)
{
    m_calls.append({kind, QString(), dialog.title, false, dialog});
    if (m_files.empty())
        return std::nullopt;
    auto f = m_files.front();
    m_files.pop_front();
    return f;
}

std::optional<QString> ScriptedPrompts::openFileName(QWidget*, const FileDialog& dialog)
{
    return nextFile(QStringLiteral("open"), dialog);
}

std::optional<QString> ScriptedPrompts::saveFileName(QWidget*, const FileDialog& dialog)
{
    return nextFile(QStringLiteral("save"), dialog);
}

void ScriptedPrompts::openDocument(const QString& path)
{
    m_calls.append({QStringLiteral("document"), path, QString(), false, {}});
}

void ScriptedPrompts::openUrl(const QString& url)
{
    m_calls.append({QStringLiteral("url"), url, QString(), false, {}});
}

void ScriptedPrompts::openFolder(const QString& path)
{
    m_calls.append({QStringLiteral("folder"), path, QString(), false, {}});
}

QStringList ScriptedPrompts::texts(const QString& kind) const
{
    QStringList out;
    for (const Call& c : m_calls) {
        if (c.kind == kind)
            out.append(c.text);
    }
    return out;
}

void ScriptedPrompts::clear()
{
    m_calls.clear();
    m_answers.clear();
    m_files.clear();
}
