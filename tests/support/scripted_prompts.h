#pragma once

#include "core/prompts.h"

#include <QList>
#include <QString>

#include <deque>

// A Prompts implementation for tests and benchmarks: records every call and
// answers from a script. Questions without a scripted answer get Cancel (or No
// when Cancel is not offered); dialogs without a scripted answer are cancelled.
class ScriptedPrompts : public Prompts
{
public:
    struct Call
    {
        QString kind;    // "information", "question", "error", "open", "save",
                         // "document", "url", "folder"
        QString text;    // message text, or the path/URL of a shell request
        QString caption; // message caption
        bool withCancel = false;
        FileDialog dialog;
    };

    void information(QWidget* owner, const QString& text) override;
    Answer question(QWidget* owner, const QString& text, bool withCancel) override;
    void error(QWidget* owner, const QString& text, const QString& caption) override;
    std::optional<QString> openFileName(QWidget* owner, const FileDialog& dialog) override;
    std::optional<QString> saveFileName(QWidget* owner, const FileDialog& dialog) override;
    void openDocument(const QString& path) override;
    void openUrl(const QString& url) override;
    void openFolder(const QString& path) override;

    void answer(Answer a) { m_answers.push_back(a); }
    void chooseFile(const QString& path) { m_files.emplace_back(path); }
    void cancelDialog() { m_files.emplace_back(std::nullopt); }

    const QList<Call>& calls() const { return m_calls; }
    // The texts of the recorded calls of one kind, in order.
    QStringList texts(const QString& kind) const;
    bool scriptUsedUp() const { return m_answers.empty() && m_files.empty(); }
    void clear();

private:
    std::optional<QString> nextFile(const QString& kind, const FileDialog& dialog);

    QList<Call> m_calls;
    std::deque<Answer> m_answers;
    std::deque<std::optional<QString>> m_files;
};
