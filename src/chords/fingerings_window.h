#pragma once

#include "chords/fingering.h"
#include "chords/fingerings_panel.h"
#include "chords/strum_synth.h"
#include "chords/tuning.h"

#include <QList>
#include <QString>
#include <QWidget>

#include <memory>
#include <vector>

namespace Ui {
class FingeringsWindow;
}

class DiagramButton;

// The window "Diteggiature": every way to play the chord on display in the main window,
// up to twelve ranked diagrams in the chosen tuning, capo and hand. The tuning, capo and
// hand sit at the top, shared by every page of the window's tabs; the fingerings are the
// first page, and other pages join with addPage and follow the choices through the
// signals. The choices are kept in the user's settings for the next start. Built into the
// module the program loads when the window is first opened (see FingeringsPanel).
class FingeringsWindow : public QWidget, public FingeringsPanel
{
    Q_OBJECT
public:
    static constexpr int MaxDiagrams = 12;

    explicit FingeringsWindow(QWidget* parent = nullptr);
    ~FingeringsWindow() override;

    // FingeringsPanel. The name is "LA Minore", a list entry's text, "Scegli" or "Spazio
    // Vuoto"; the picture's fingering becomes the current diagram when it is among them.
    QWidget* widget() override { return this; }
    void showChord(const QString& name, const QString& picture) override;
    void showWindow() override;
    void setAmericanNotation(bool american) override;
    void setStrumHandler(StrumHandler handler) override { m_strumHandler = std::move(handler); }
    void setChordHandler(ChordHandler handler) override { m_chordHandler = std::move(handler); }

    // A page of its own, as a tab after the fingerings; returns its tab index.
    int addPage(QWidget* page, const QString& title);
    // Strums a shape in the tuning and at the capo chosen (the strum handler, strumRequested).
    void strum(const chords::Frets& frets);
    // Shows a chord in the main window (the chord handler).
    void chooseChord(int root, int type)
    {
        if (m_chordHandler)
            m_chordHandler(root, type);
    }

    const chords::Tuning& tuning() const;
    int capo() const;
    bool leftHanded() const;
    void setTuning(const QString& id);
    void setCapo(int capo);
    void setLeftHanded(bool leftHanded);
    // The chord names keep Italian notation whatever the notation.
    bool americanNotation() const { return m_american; }

    // The diagrams shown, best first.
    const std::vector<chords::Fingering>& fingeringsShown() const { return m_fingerings; }
    // The chord on display as a root and a type, or -1 and -1 when it is none of the
    // catalogue's.
    int root() const { return m_root; }
    int type() const { return m_type; }

signals:
    // The id of the tuning chosen ("standard", "dadgad", ...).
    void tuningChanged(const QString& id);
    void capoChanged(int capo);
    void leftHandedChanged(bool leftHanded);
    void notationChanged(bool american);
    // A diagram clicked or entered: the pitches its strings sound in the tuning with the
    // capo, -1 for a muted string.
    void strumRequested(const chords::Pitches& pitches);

private:
    void fillTunings();
    void loadChoices();
    void saveChoices() const;
    void choicesChanged();
    // Ranks the chord's fingerings again and shows them.
    void refresh();
    void showDiagrams();
    void moveFocus(DiagramButton* from, int key);

    std::unique_ptr<Ui::FingeringsWindow> m_ui;
    QList<DiagramButton*> m_buttons;
    QString m_name;
    QString m_picture;
    int m_root = -1;
    int m_type = -1;
    bool m_american = false;
    std::vector<chords::Fingering> m_fingerings;
    StrumHandler m_strumHandler;
    ChordHandler m_chordHandler;
};
