#pragma once

#include "core/prompts.h"

class RealPrompts : public Prompts
{
public:
    void information(QWidget* owner, const QString& text) override;
    Answer question(QWidget* owner, const QString& text, bool withCancel) override;
    void error(QWidget* owner, const QString& text, const QString& caption) override;
    std::optional<QString> openFileName(QWidget* owner, const FileDialog& dialog) override;
    std::optional<QString> saveFileName(QWidget* owner, const FileDialog& dialog) override;
    void openDocument(const QString& path) override;
    void openUrl(const QString& url) override;
    void openFolder(const QString& path) override;
};
