#include "riff/riff_editor.h"

#include "core/prompts.h"
#include "core/texts.h"
#include "riff/riff_file.h"
#include "shell/guard.h"
#include "ui/style/design_font.h"
#include "ui/widgets/code_page_validator.h"
#include "ui_riff_editor.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QScreen>
#include <QScrollBar>

namespace {

// The folder riff files are proposed in, relative to the working directory.
const QString RiffFolder = QStringLiteral("riff");

QFont fixedFont()
{
    QFont f = designFont(QStringLiteral("Fixedsys"));
    f.setStyleHint(QFont::Monospace);
    f.setFixedPitch(true);
    f.setPixelSize(13);
    return f;
}

} // namespace

RiffEditor::RiffEditor(AppContext& ctx, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                          Qt::WindowStaysOnTopHint),
      m_ctx(ctx), m_ui(std::make_unique<Ui::RiffEditor>())
{
    setObjectName(QStringLiteral("Form8"));
    setWindowTitle(texts::RiffEditorTitle);
    setFixedSize(449, 526);

    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());

    m_ui->setupUi(this);
    createGrid();
    createCommands();
    connectCommands();
    setTabOrder();
    clearAll();
}

RiffEditor::~RiffEditor() = default;

void RiffEditor::setListTitleSource(std::function<QString()> source)
{
    m_listTitle = std::move(source);
}

void RiffEditor::createGrid()
{
    auto* validator = new CodePageValidator(this);
    connect(
        validator, &CodePageValidator::refused, this,
        [this](const QString& character) {
            m_ctx.prompts->information(this, CodePageValidator::refusedMessage(character));
        },
        Qt::QueuedConnection);

    // The dashes between the cells draw the strings.
    QFont lineFont = font();
    lineFont.setPixelSize(53);
    lineFont.setWeight(QFont::ExtraLight);
    for (int i = 1; i <= tablature::Strings * (tablature::Steps + 1); ++i) {
        auto* dash = findChild<QLabel*>(QStringLiteral("Label%1").arg(i));
        dash->setFont(lineFont);
        dash->setAttribute(Qt::WA_TransparentForMouseEvents);
    }
    const QStringList names = tablature::stringNames(tablature::Notation::Italian);
    for (int r = 0; r < tablature::Strings; ++r) {
        for (int c = 0; c < tablature::Steps; ++c) {
            auto* edit = findChild<QLineEdit*>(QStringLiteral("Edit%1").arg(m_cells.size() + 1));
            edit->setTextMargins(0, 0, 0, 0);
            edit->setValidator(validator);
            edit->setAccessibleName(QStringLiteral("Corda %1 (%2), passo %3")
                                        .arg(r + 1)
                                        .arg(names.at(r).trimmed())
                                        .arg(c + 1));
            edit->installEventFilter(this);
            m_cells.append(edit);
        }
        // Six buttons read "X": screen readers tell them apart by their string.
        auto* clear = findChild<QPushButton*>(QStringLiteral("Button%1").arg(5 + r));
        clear->setAccessibleName(
            QStringLiteral("Cancella corda %1 (%2)").arg(r + 1).arg(names.at(r).trimmed()));
        connectGuarded(clear, &QPushButton::clicked, this, m_ctx, this,
                       [this, r] { clearRow(r + 1); });
    }
}

void RiffEditor::createCommands()
{
    // Tab moves through the cells, the notation and the scheme text only; the
    // caption of "Notazione italiana" stands to the left of its button.
    QRadioButton* ita = m_ui->ita;
    QRadioButton* ame = m_ui->ame;
    ita->setGeometry(8, 293, ita->sizeHint().width(), 21);
    ame->setGeometry(449 - 8 - ame->sizeHint().width(), 293, ame->sizeHint().width(), 21);

    QPlainTextEdit* memo = m_ui->Memo1;
    memo->setFont(fixedFont());
    QTextOption centred = memo->document()->defaultTextOption();
    centred.setAlignment(Qt::AlignHCenter);
    memo->document()->setDefaultTextOption(centred);

    m_ui->Button3->setText(texts::RiffFolder);
    m_ui->Button1->setText(texts::Close);
}

void RiffEditor::connectCommands()
{
    auto bind = [this](QPushButton* button, auto handler) {
        connectGuarded(button, &QPushButton::clicked, this, m_ctx, this,
                       [this, handler] { (this->*handler)(); });
    };
    bind(m_ui->Button4, &RiffEditor::addScheme);
    bind(m_ui->Button12, &RiffEditor::clearGrid);
    bind(m_ui->Button13, &RiffEditor::removeLastScheme);
    bind(m_ui->Button2, &RiffEditor::save);
    bind(m_ui->Button3, &RiffEditor::openRiffFolder);
    bind(m_ui->Button11, &RiffEditor::clearAll);
    connect(m_ui->Button1, &QPushButton::clicked, this, &QWidget::hide);
}

void RiffEditor::setTabOrder()
{
    QRadioButton* ita = m_ui->ita;
    QRadioButton* ame = m_ui->ame;
    QWidget* previous = nullptr;
    for (QLineEdit* edit : m_cells) {
        if (previous)
            QWidget::setTabOrder(previous, edit);
        previous = edit;
    }
    QWidget::setTabOrder(previous, ita);
    QWidget::setTabOrder(ita, ame);
    QWidget::setTabOrder(ame, m_ui->Memo1);
    // Of the two notation buttons only the selected one is a tab stop.
    auto followSelection = [ita, ame] {
        ita->setFocusPolicy(ita->isChecked() ? Qt::StrongFocus : Qt::ClickFocus);
        ame->setFocusPolicy(ame->isChecked() ? Qt::StrongFocus : Qt::ClickFocus);
    };
    connect(ita, &QRadioButton::toggled, this, followSelection);
    followSelection();
}

QLineEdit* RiffEditor::cell(int row, int column) const
{
    return m_cells.at((row - 1) * tablature::Steps + (column - 1));
}

bool RiffEditor::eventFilter(QObject* watched, QEvent* event)
{
    // A double-click selects the whole cell, so that what is typed replaces it.
    if (event->type() == QEvent::MouseButtonDblClick) {
        if (auto* edit = qobject_cast<QLineEdit*>(watched); edit && m_cells.contains(edit)) {
            edit->setFocus(Qt::MouseFocusReason);
            edit->selectAll();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void RiffEditor::clearAll()
{
    clearGrid();
    m_scheme.clear();
    showScheme();
}

void RiffEditor::showWindow()
{
    show();
}

void RiffEditor::addScheme()
{
    const tablature::Notation notation =
        m_ui->ame->isChecked() ? tablature::Notation::American : tablature::Notation::Italian;
    // Empty cells of the two highest strings count as unplayed steps; the other
    // strings keep theirs empty.
    for (int r = 1; r <= 2; ++r) {
        for (int c = 1; c <= tablature::Steps; ++c) {
            if (cell(r, c)->text().isEmpty())
                cell(r, c)->setText(tablature::emptyStep());
        }
    }
    QList<QStringList> rows;
    for (int r = 1; r <= tablature::Strings; ++r) {
        QStringList row;
        for (int c = 1; c <= tablature::Steps; ++c)
            row.append(cell(r, c)->text());
        rows.append(row);
    }
    m_scheme.addScheme(tablature::schemeLines(notation, rows));
    showScheme();
}

void RiffEditor::clearRow(int row)
{
    for (int c = 1; c <= tablature::Steps; ++c)
        cell(row, c)->setText(tablature::emptyStep());
}

void RiffEditor::clearGrid()
{
    for (int r = 1; r <= tablature::Strings; ++r)
        clearRow(r);
}

void RiffEditor::removeLastScheme()
{
    m_scheme.removeLastScheme();
    showScheme();
}

void RiffEditor::save()
{
    Prompts::FileDialog dialog;
    dialog.title = QStringLiteral("Salva riff...");
    dialog.filter = QStringLiteral("File di Testo (*.txt)|*.txt");
    dialog.startFolder = RiffFolder;
    dialog.proposedName = m_listTitle() + QStringLiteral(" - riff.txt");
    dialog.overwritePrompt = true;
    const std::optional<QString> chosen = m_ctx.prompts->saveFileName(this, dialog);
    if (!chosen)
        return;
    // The dialog asked about overwriting the name as typed; a file under the
    // name with ".txt" appended is not replaced without asking as well.
    const QString target = rifffile::targetPath(*chosen);
    if (target != *chosen && QFileInfo::exists(target)) {
        const QString question = QStringLiteral("Il file \"%1\" esiste già. Sostituirlo?")
                                     .arg(QDir::toNativeSeparators(target));
        if (m_ctx.prompts->question(this, question, false) != Prompts::Answer::Yes)
            return;
    }
    // The header lines go into the file only: the scheme text stays as it is.
    rifffile::save(*chosen, m_scheme.lines());
}

void RiffEditor::openRiffFolder()
{
    // A missing folder is neither created nor reported.
    if (QDir(RiffFolder).exists())
        m_ctx.prompts->openFolder(RiffFolder);
}

void RiffEditor::showScheme()
{
    QPlainTextEdit* memo = m_ui->Memo1;
    memo->setPlainText(m_scheme.lines().join(QLatin1Char('\n')));
    memo->verticalScrollBar()->setValue(memo->verticalScrollBar()->maximum());
}
