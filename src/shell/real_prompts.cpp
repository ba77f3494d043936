#include "shell/real_prompts.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QUrl>

namespace {

// "File Lista v3 (*.qvl)|*.qvl" becomes Qt's "File Lista v3 (*.qvl)".
QString qtFilter(const QString& filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList out;
    for (int i = 0; i + 1 < parts.size(); i += 2)
        out.append(parts.at(i));
    return out.isEmpty() ? filter : out.join(QStringLiteral(";;"));
}

std::optional<QString> runDialog(QWidget* owner, const Prompts::FileDialog& d,
                                 QFileDialog::AcceptMode mode)
{
    // A start folder that does not exist falls back to the working directory.
    QString folder = d.startFolder;
    if (folder.isEmpty() || !QDir(folder).exists())
        folder = QDir::currentPath();
    QFileDialog dialog(owner, d.title, QDir(folder).absolutePath(), qtFilter(d.filter));
    dialog.setAcceptMode(mode);
    // The open dialog takes only a file that exists.
    dialog.setFileMode(mode == QFileDialog::AcceptSave ? QFileDialog::AnyFile
                                                       : QFileDialog::ExistingFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !d.overwritePrompt);
    dialog.setOption(QFileDialog::ReadOnly, false);
    if (!d.proposedName.isEmpty())
        dialog.selectFile(d.proposedName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

} // namespace

void RealPrompts::information(QWidget* owner, const QString& text)
{
    QMessageBox::information(owner, QStringLiteral("Informazione"), text);
}

Prompts::Answer RealPrompts::question(QWidget* owner, const QString& text, bool withCancel)
{
    auto buttons = QMessageBox::Yes | QMessageBox::No;
    if (withCancel)
        buttons |= QMessageBox::Cancel;
    switch (QMessageBox::question(owner, QStringLiteral("Conferma"), text, buttons)) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    default:
        return withCancel ? Answer::Cancel : Answer::No;
    }
}

void RealPrompts::error(QWidget* owner, const QString& text, const QString& caption)
{
    QMessageBox::critical(owner, caption, text);
}

std::optional<QString> RealPrompts::openFileName(QWidget* owner, const FileDialog& dialog)
{
    return runDialog(owner, dialog, QFileDialog::AcceptOpen);
}

std::optional<QString> RealPrompts::saveFileName(QWidget* owner, const FileDialog& dialog)
{
    return runDialog(owner, dialog, QFileDialog::AcceptSave);
}

void RealPrompts::openDocument(const QString& path)
{
    QDesktopServices::openUrl(QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()));
}

void RealPrompts::openUrl(const QString& url)
{
    QDesktopServices::openUrl(QUrl(url));
}

void RealPrompts::openFolder(const QString& path)
{
    QDesktopServices::openUrl(QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()));
}
