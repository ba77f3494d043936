#pragma once

#include <QDialog>
#include <QStringList>

#include <memory>

namespace Ui {
class TransposeDialog;
}

// "Trasponi lista...": the interval, up or down by 1 to 11 semitones, a preview of the
// first entries ("DO Maggiore -> RE Maggiore") and how many entries stay as they are
// because they name no chord. Modal to the window it belongs to.
class TransposeDialog : public QDialog
{
    Q_OBJECT
public:
    explicit TransposeDialog(QWidget* parent = nullptr);
    ~TransposeDialog() override;

    // Up 1 semitone, the next time it is shown.
    void reset();
    // Positive up, negative down.
    int semitones() const;
    // previewLines: "before -> after" of the first entries; more: how many entries
    // follow them.
    void showPreview(const QStringList& previewLines, int more, int unrecognised);

signals:
    void intervalChanged(int semitones);
    void transposeRequested(int semitones);

private:
    std::unique_ptr<Ui::TransposeDialog> m_ui;
};
