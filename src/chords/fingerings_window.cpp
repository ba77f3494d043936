#include "chords/fingerings_window.h"

#include "ui_fingerings_window.h"

#include "chords/chord_catalogue.h"
#include "chords/diagram_button.h"
#include "chords/fingering_engine.h"
#include "chords/voicing_table.h"
#include "core/texts.h"

#include <QHash>
#include <QSettings>

#include <algorithm>
#include <utility>

namespace {

constexpr int Columns = 4;

// The user's settings (~/.config/corvalto/corvalto.conf), not config.ini, whose lines
// are the recent files.
QSettings userSettings()
{
    return QSettings(QStringLiteral("corvalto"), QStringLiteral("corvalto"));
}
const QString TuningKey = QStringLiteral("Diteggiature/accordatura");
const QString CapoKey = QStringLiteral("Diteggiature/capotasto");
const QString LeftHandedKey = QStringLiteral("Diteggiature/mancino");

const QString NoChord = QStringLiteral("Nessun accordo scelto: scegli una nota e una tonalità "
                                       "nella finestra principale.");

// The root and type of a name the catalogue gives, whichever group completed the choice;
// a list entry shows the same names.
std::pair<int, int> catalogueChord(const QString& name)
{
    static const QHash<QString, std::pair<int, int>> names = [] {
        QHash<QString, std::pair<int, int>> all;
        for (int root = 0; root < chords::RootCount; ++root) {
            for (int type = 0; type < chords::TypeCount; ++type) {
                for (auto source : {chords::Source::TypeGroup, chords::Source::NoteGroup})
                    all.insert(chords::chordName(root, type, source), {root, type});
            }
        }
        return all;
    }();
    return names.value(name, {-1, -1});
}

} // namespace

FingeringsWindow::FingeringsWindow(QWidget* parent)
    : QWidget(parent, Qt::Window), m_ui(std::make_unique<Ui::FingeringsWindow>())
{
    m_ui->setupUi(this);
    fillTunings();
    m_ui->capotasto->setMaximum(chords::MaxCapo);
    for (int i = 0; i < MaxDiagrams; ++i) {
        auto* button = new DiagramButton(m_ui->diagrammi);
        button->setObjectName(QStringLiteral("diagramma%1").arg(i + 1));
        m_ui->griglia->addWidget(button, i / Columns, i % Columns);
        button->hide();
        connect(button, &QAbstractButton::clicked, this,
                [this, button] { strum(button->fingering().frets); });
        connect(button, &DiagramButton::arrowPressed, this,
                [this, button](int key) { moveFocus(button, key); });
        m_buttons.append(button);
    }
    // The grid keeps its size whatever the number of diagrams, so the window does not jump.
    const QSize cell = m_buttons.constFirst()->sizeHint();
    const int spacing = m_ui->griglia->spacing();
    m_ui->diagrammi->setFixedSize(Columns * cell.width() + (Columns - 1) * spacing,
                                  3 * cell.height() + 2 * spacing);
    QFont heading = m_ui->accordo->font();
    if (heading.pointSizeF() > 0)
        heading.setPointSizeF(heading.pointSizeF() * 1.5);
    else
        heading.setPixelSize(heading.pixelSize() * 3 / 2);
    heading.setBold(true);
    m_ui->accordo->setFont(heading);

    loadChoices();
    connect(m_ui->accordatura, &QComboBox::currentIndexChanged, this, [this] {
        choicesChanged();
        emit tuningChanged(QString::fromLatin1(tuning().id));
    });
    connect(m_ui->capotasto, &QSpinBox::valueChanged, this, [this](int value) {
        choicesChanged();
        emit capoChanged(value);
    });
    connect(m_ui->mancino, &QCheckBox::toggled, this, [this](bool on) {
        for (DiagramButton* button : std::as_const(m_buttons))
            button->setLeftHanded(on);
        saveChoices();
        emit leftHandedChanged(on);
    });
    for (DiagramButton* button : std::as_const(m_buttons))
        button->setLeftHanded(leftHanded());
    showDiagrams();
}

FingeringsWindow::~FingeringsWindow() = default;

void FingeringsWindow::fillTunings()
{
    for (const chords::Tuning& t : chords::tunings())
        m_ui->accordatura->addItem(QString::fromUtf8(t.caption), QString::fromLatin1(t.id));
}

void FingeringsWindow::loadChoices()
{
    const QSettings settings = userSettings();
    const int tuningIndex = m_ui->accordatura->findData(
        settings.value(TuningKey, QString::fromLatin1(chords::standardTuning().id)).toString());
    m_ui->accordatura->setCurrentIndex(std::max(0, tuningIndex));
    m_ui->capotasto->setValue(std::clamp(settings.value(CapoKey, 0).toInt(), 0, chords::MaxCapo));
    m_ui->mancino->setChecked(settings.value(LeftHandedKey, false).toBool());
}

void FingeringsWindow::saveChoices() const
{
    QSettings settings = userSettings();
    settings.setValue(TuningKey, QString::fromLatin1(tuning().id));
    settings.setValue(CapoKey, capo());
    settings.setValue(LeftHandedKey, leftHanded());
}

void FingeringsWindow::choicesChanged()
{
    saveChoices();
    refresh();
}

void FingeringsWindow::showChord(const QString& name, const QString& picture)
{
    const std::pair<int, int> chord = catalogueChord(name);
    const bool sameChord = chord.first == m_root && chord.second == m_type && name == m_name;
    m_name = name;
    m_picture = picture;
    if (sameChord) {
        // Only the position on display may have changed (the second position).
        showDiagrams();
        return;
    }
    m_root = chord.first;
    m_type = chord.second;
    refresh();
}

void FingeringsWindow::refresh()
{
    m_fingerings.clear();
    if (m_root >= 0) {
        m_fingerings = chords::fingerings(m_root, chords::ChordType(m_type), tuning(), capo());
        if (m_fingerings.size() > size_t(MaxDiagrams))
            m_fingerings.resize(MaxDiagrams);
    }
    showDiagrams();
}

void FingeringsWindow::showDiagrams()
{
    if (m_name.isEmpty() || m_name == texts::NothingChosen || m_name == texts::Blank)
        m_ui->accordo->setText(NoChord);
    else if (m_root < 0)
        m_ui->accordo->setText(QStringLiteral("«%1» non è un accordo del catalogo.").arg(m_name));
    else if (m_fingerings.empty())
        m_ui->accordo->setText(
            QStringLiteral("%1: nessuna diteggiatura in questa accordatura.").arg(m_name));
    else
        m_ui->accordo->setText(m_name);

    const int count = int(m_fingerings.size());
    for (int i = 0; i < MaxDiagrams; ++i) {
        DiagramButton* button = m_buttons[i];
        if (i < count) {
            button->setTuning(tuning());
            button->setFingering(m_fingerings[size_t(i)], i + 1);
        }
        button->setVisible(i < count);
    }
    if (count == 0) {
        // The keyboard goes on from the choices rather than from a hidden diagram.
        if (qobject_cast<DiagramButton*>(focusWidget()))
            m_ui->accordatura->setFocus(Qt::OtherFocusReason);
        return;
    }

    // The fingering of the main window's picture is the current diagram, in the tuning
    // and at the capo the picture is drawn for.
    int current = 0;
    if (const chords::Voicing* voicing = chords::voicingForPicture(m_picture.toStdString());
        voicing && capo() == 0 && &tuning() == &chords::standardTuning()) {
        const chords::Frets frets = chords::fingeringOf(*voicing).frets;
        const auto found =
            std::find_if(m_fingerings.begin(), m_fingerings.end(),
                         [&](const chords::Fingering& f) { return f.frets == frets; });
        if (found != m_fingerings.end())
            current = int(found - m_fingerings.begin());
    }
    // The focus moves only while the user is elsewhere or on the diagrams already.
    QWidget* focused = focusWidget();
    if (!isActiveWindow() || !focused || qobject_cast<DiagramButton*>(focused) ||
        focused->isHidden())
        m_buttons[current]->setFocus(Qt::OtherFocusReason);
}

void FingeringsWindow::moveFocus(DiagramButton* from, int key)
{
    const int at = int(m_buttons.indexOf(from));
    int to = at;
    switch (key) {
    case Qt::Key_Left:
        to = at - 1;
        break;
    case Qt::Key_Right:
        to = at + 1;
        break;
    case Qt::Key_Up:
        to = at - Columns;
        break;
    case Qt::Key_Down:
        to = at + Columns;
        break;
    default:
        return;
    }
    if (to >= 0 && to < int(m_fingerings.size()))
        m_buttons[to]->setFocus(Qt::TabFocusReason);
}

void FingeringsWindow::showWindow()
{
    show();
    raise();
    activateWindow();
}

void FingeringsWindow::strum(const chords::Frets& frets)
{
    const chords::Pitches pitches = chords::soundingPitches(frets, tuning(), capo());
    if (m_strumHandler)
        m_strumHandler(pitches);
    emit strumRequested(pitches);
}

int FingeringsWindow::addPage(QWidget* page, const QString& title)
{
    return m_ui->pagine->addTab(page, title);
}

const chords::Tuning& FingeringsWindow::tuning() const
{
    const QString id = m_ui->accordatura->currentData().toString();
    const chords::Tuning* found = chords::findTuning(id.toStdString());
    return found ? *found : chords::standardTuning();
}

int FingeringsWindow::capo() const
{
    return m_ui->capotasto->value();
}

bool FingeringsWindow::leftHanded() const
{
    return m_ui->mancino->isChecked();
}

void FingeringsWindow::setTuning(const QString& id)
{
    const int index = m_ui->accordatura->findData(id);
    if (index >= 0)
        m_ui->accordatura->setCurrentIndex(index);
}

void FingeringsWindow::setCapo(int capo)
{
    m_ui->capotasto->setValue(capo);
}

void FingeringsWindow::setLeftHanded(bool leftHanded)
{
    m_ui->mancino->setChecked(leftHanded);
}

void FingeringsWindow::setAmericanNotation(bool american)
{
    if (m_american == american)
        return;
    m_american = american;
    emit notationChanged(american);
}
