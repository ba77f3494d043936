#include "chords/which_chord_page.h"

#include "ui_which_chord_page.h"

#include "chords/chord_identifier.h"
#include "chords/fingering.h"
#include "chords/fingerings_window.h"
#include "chords/tuning.h"

#include <algorithm>

namespace {

constexpr int RootRole = Qt::UserRole;
constexpr int TypeRole = Qt::UserRole + 1;

// What kind of match a result is, as its hint says.
QString kindText(chords::MatchKind kind)
{
    switch (kind) {
    case chords::MatchKind::RootInBass:
        return QStringLiteral("Tutte le note dell'accordo, la fondamentale al basso");
    case chords::MatchKind::Inversion:
        return QStringLiteral("Rivolto: un'altra nota dell'accordo al basso");
    case chords::MatchKind::NoFifth:
        return QStringLiteral("Senza la quinta");
    }
    return {};
}

} // namespace

WhichChordPage::WhichChordPage(QWidget* parent)
    : QWidget(parent), m_ui(std::make_unique<Ui::WhichChordPage>()),
      m_tuning(&chords::standardTuning())
{
    m_ui->setupUi(this);
    connect(m_ui->tastiera, &FretboardWidget::fretsChanged, this, &WhichChordPage::refresh);
    connect(m_ui->tastiera, &FretboardWidget::playRequested, this, &WhichChordPage::strum);
    connect(m_ui->ascolta, &QPushButton::clicked, this, &WhichChordPage::strum);
    connect(m_ui->vuoto, &QPushButton::clicked, this, [this] { setFrets({0, 0, 0, 0, 0, 0}); });
    // A click with the mouse, Enter or a double click from the keyboard's current row.
    connect(m_ui->risultati, &QListWidget::itemClicked, this, &WhichChordPage::choose);
    connect(m_ui->risultati, &QListWidget::itemActivated, this, &WhichChordPage::choose);
    setFocusProxy(m_ui->tastiera);
    refresh();
}

WhichChordPage::~WhichChordPage() = default;

WhichChordPage* WhichChordPage::addTo(FingeringsWindow& window)
{
    auto* page = new WhichChordPage;
    window.addPage(page, QStringLiteral("Che accordo è?"));
    page->setTuning(QString::fromLatin1(window.tuning().id));
    page->setCapo(window.capo());
    page->setLeftHanded(window.leftHanded());
    page->setAmericanNotation(window.americanNotation());
    connect(&window, &FingeringsWindow::tuningChanged, page, &WhichChordPage::setTuning);
    connect(&window, &FingeringsWindow::capoChanged, page, &WhichChordPage::setCapo);
    connect(&window, &FingeringsWindow::leftHandedChanged, page, &WhichChordPage::setLeftHanded);
    connect(&window, &FingeringsWindow::notationChanged, page,
            &WhichChordPage::setAmericanNotation);
    connect(page, &WhichChordPage::strumRequested, &window, &FingeringsWindow::strum);
    connect(page, &WhichChordPage::chordChosen, &window, &FingeringsWindow::chooseChord);
    return page;
}

chords::Frets WhichChordPage::frets() const
{
    return m_ui->tastiera->frets();
}

void WhichChordPage::setFrets(const chords::Frets& frets)
{
    m_ui->tastiera->setFrets(frets);
}

void WhichChordPage::setTuning(const QString& id)
{
    const chords::Tuning* tuning = chords::findTuning(id.toStdString());
    if (!tuning || tuning == m_tuning)
        return;
    m_tuning = tuning;
    m_ui->tastiera->setTuning(*tuning);
    refresh();
}

void WhichChordPage::setCapo(int capo)
{
    capo = std::clamp(capo, 0, chords::MaxCapo);
    if (capo == m_capo)
        return;
    m_capo = capo;
    m_ui->tastiera->setCapo(capo);
    refresh();
}

void WhichChordPage::setLeftHanded(bool leftHanded)
{
    m_ui->tastiera->setLeftHanded(leftHanded);
}

void WhichChordPage::setAmericanNotation(bool american)
{
    if (american == m_american)
        return;
    m_american = american;
    m_ui->tastiera->setAmericanNotation(american);
    refresh();
}

QStringList WhichChordPage::chordNames() const
{
    QStringList names;
    for (int row = 0; row < m_ui->risultati->count(); ++row)
        names << m_ui->risultati->item(row)->text();
    return names;
}

void WhichChordPage::refresh()
{
    const chords::Frets shape = frets();
    const chords::Identification found = chords::identifyChord(shape, *m_tuning, m_capo);
    m_ui->diteggiatura->setText(QStringLiteral("Corde: ") +
                                QString::fromStdString(chords::Fingering{shape}.fretsText()));
    m_ui->ascolta->setEnabled(found.bass >= 0);

    m_ui->risultati->clear();
    for (const chords::ChordMatch& match : found.matches) {
        auto* item = new QListWidgetItem(chords::matchName(match, m_american), m_ui->risultati);
        item->setData(RootRole, match.root);
        item->setData(TypeRole, static_cast<int>(match.type));
        item->setToolTip(kindText(match.kind));
    }

    QString outcome;
    if (found.bass < 0) {
        outcome = QStringLiteral("Nessuna corda suona.");
    } else {
        const QString notes = QStringLiteral("Note: ") +
                              chords::noteNames(found.pitchClasses, found.bass, m_american);
        outcome = found.matches.empty()
                      ? QStringLiteral("Nessun accordo del programma ha queste note. ") + notes
                      : notes;
    }
    m_ui->note->setText(outcome);
    // A screen reader on the list hears why it is empty, or the notes.
    m_ui->risultati->setAccessibleDescription(outcome);
}

void WhichChordPage::strum()
{
    const chords::Frets shape = frets();
    if (std::any_of(shape.begin(), shape.end(), [](int fret) { return fret >= 0; }))
        emit strumRequested(shape);
}

void WhichChordPage::choose(const QListWidgetItem* item)
{
    if (item)
        emit chordChosen(item->data(RootRole).toInt(), item->data(TypeRole).toInt());
}
