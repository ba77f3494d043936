#pragma once

#include <QString>

#include <optional>

class QWidget;

// Everything the program asks of the user or the desktop shell goes through this
// interface: message boxes, file dialogs, opening documents, URLs and folders.
// The real implementation uses Qt's dialogs and QDesktopServices; tests use a
// scripted one that records every call and answers from a script.
class Prompts
{
public:
    enum class Answer { Yes, No, Cancel };

    struct FileDialog
    {
        QString title;
        QString filter;       // in the "Description (*.ext)|*.ext" form
        QString startFolder;  // relative folders resolve against the working directory
        QString proposedName; // the file-name field's text
        bool overwritePrompt = true;
    };

    virtual ~Prompts() = default;

    // OK box with the information icon and the caption "Informazione".
    virtual void information(QWidget* owner, const QString& text) = 0;
    // Question icon, caption "Conferma"; Yes/No, or Yes/No/Cancel when withCancel.
    virtual Answer question(QWidget* owner, const QString& text, bool withCancel) = 0;
    // Stop icon with the given caption (the default error report and the
    // display layer's messages).
    virtual void error(QWidget* owner, const QString& text, const QString& caption) = 0;

    // The chosen path, or nothing when the user cancelled.
    virtual std::optional<QString> openFileName(QWidget* owner, const FileDialog& dialog) = 0;
    virtual std::optional<QString> saveFileName(QWidget* owner, const FileDialog& dialog) = 0;

    // Shell requests; their results are ignored by the program.
    virtual void openDocument(const QString& path) = 0;
    virtual void openUrl(const QString& url) = 0;
    virtual void openFolder(const QString& path) = 0;
};
