#include "chords/strum_controller.h"

#include "chords/chooser_view.h"
#include "chords/strum_synth.h"
#include "chords/voicing_table.h"
#include "core/app_context.h"
#include "shell/guard.h"

#include <QFileInfo>
#include <QHelpEvent>
#include <QKeySequence>
#include <QMouseEvent>
#include <QShortcut>
#include <QToolTip>

namespace {

const QString ListenHint = QStringLiteral("Clic sulla figura o %1 per ascoltare l'accordo");
const QString NoSoundNote = QStringLiteral("Nessun suono: il dispositivo audio non risponde.");

// The program folder comes last, for programs run from elsewhere (tests, benchmarks).
QStringList moduleFolders(const AppContext& ctx)
{
    return ctx.moduleDirs + QStringList{ctx.programDir};
}

} // namespace

StrumController::StrumController(AppContext& ctx, ChooserView& view, QWidget* window)
    : QObject(window), m_ctx(ctx), m_view(view), m_window(window), m_player(moduleFolders(ctx))
{
    auto* shortcut = new QShortcut(QKeySequence(QString::fromLatin1(Shortcut)), window);
    shortcut->setObjectName(QStringLiteral("strumShortcut"));
    connect(shortcut, &QShortcut::activated, this, &StrumController::strum);
    m_player.setGiveUpHandler([this] { noteNoSound(); });
}

// Said once, quietly, in a note at the foot of the window that goes by itself: the program
// works on without sound.
void StrumController::noteNoSound()
{
    emit soundUnavailable(NoSoundNote);
    if (!m_window->isVisible())
        return;
    const QPoint foot(8, m_window->height() - 8);
    QToolTip::showText(m_window->mapToGlobal(foot), NoSoundNote, m_window, QRect(), 8000);
}

void StrumController::strum()
{
    guarded(m_ctx, m_window, [this] {
        const QString picture = pictureShown();
        const chords::Voicing* voicing = chords::voicingForPicture(picture.toStdString());
        if (!voicing)
            return;
        emit strummed(picture);
        m_player.play(chords::fretsOf(*voicing));
    });
}

QString StrumController::pictureShown() const
{
    return m_view.hasChordPicture() ? QFileInfo(m_view.chordPictureFile()).fileName() : QString();
}

// A press strums at once, as a pick does; the hint of the picture and its frame gains a
// line on how to hear the chord while there is one to hear.
bool StrumController::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
            strum();
        break;
    case QEvent::ToolTip: {
        auto* widget = static_cast<QWidget*>(watched);
        if (widget->toolTip().isEmpty() || !chords::voicingForPicture(pictureShown().toStdString()))
            break;
        const QString shortcut =
            QKeySequence(QString::fromLatin1(Shortcut)).toString(QKeySequence::NativeText);
        QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(),
                           widget->toolTip() + QLatin1Char('\n') + ListenHint.arg(shortcut),
                           widget);
        return true;
    }
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}
