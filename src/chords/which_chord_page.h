#pragma once

#include "chords/strum_synth.h"

#include <QWidget>

#include <memory>

namespace Ui {
class WhichChordPage;
}

namespace chords {
struct Tuning;
}

class FingeringsWindow;
class QListWidgetItem;

// "Che accordo è?": the reverse of the chooser. The user puts a shape down on a neck drawn
// in code and reads, best first, every chord of the catalogue its notes make (root in
// the bass, then inversions as slash chords, then chords without their fifth), or, where
// none does, the notes heard. A click or Enter on a chord asks the main window to show
// it; the shape can be heard. The tuning, capo, hand and notation come from the window
// the page sits in.
class WhichChordPage : public QWidget
{
    Q_OBJECT
public:
    explicit WhichChordPage(QWidget* parent = nullptr);
    ~WhichChordPage() override;

    // The page as a tab of "Diteggiature", following its tuning, capo, hand and notation;
    // the shape is heard through the window's strum, as its diagrams are, and a chord
    // chosen goes to the main window through the window.
    static WhichChordPage* addTo(FingeringsWindow& window);

    // Low MI string first: -1 muted, 0 open, n the fret above the nut or the capo.
    chords::Frets frets() const;
    void setFrets(const chords::Frets& frets);

    // A tuning id ("standard", "dadgad", ...); an unknown one is ignored.
    void setTuning(const QString& id);
    void setCapo(int capo);
    void setLeftHanded(bool leftHanded);
    void setAmericanNotation(bool american);

    // The names listed, best first, as shown.
    QStringList chordNames() const;

signals:
    // A chord of the list chosen: its root (0 DO ... 11 SI) and type, as the chooser's
    // groups number them.
    void chordChosen(int root, int type);
    // "Ascolta" or Enter on the neck, with at least one string sounding.
    void strumRequested(const chords::Frets& frets);

private:
    // Names the shape on the neck again.
    void refresh();
    void strum();
    void choose(const QListWidgetItem* item);

    std::unique_ptr<Ui::WhichChordPage> m_ui;
    const chords::Tuning* m_tuning;
    int m_capo = 0;
    bool m_american = false;
};
