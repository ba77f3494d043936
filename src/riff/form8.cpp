#include "riff/form8.h"

#include "app/form1.h"
#include "core/prompts.h"
#include "core/texts.h"
#include "riff/riff_file.h"
#include "ui/code_page_validator.h"
#include "ui/guard.h"

#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>

namespace {

// The folder riff files are proposed in, relative to the working directory.
const QString RiffFolder = QStringLiteral("riff");

// Grid geometry inside the group box, in pixels.
constexpr int CellLeft = 37;
constexpr int CellTop = 40;
constexpr int CellWidth = 25;
constexpr int CellHeight = 21;
constexpr int ColumnPitch = 48;
constexpr int RowPitch = 40;
constexpr int LineLeft = 17;
constexpr int LineWidth = 20;

QFont fixedFont()
{
    QFont f(QStringLiteral("Fixedsys"));
    f.setStyleHint(QFont::Monospace);
    f.setFixedPitch(true);
    f.setPixelSize(13);
    return f;
}

QPushButton* commandButton(const QString& text, const char* name, QWidget* parent)
{
    auto* b = new QPushButton(text, parent);
    b->setObjectName(QString::fromLatin1(name));
    // Tab moves through the cells, the notation and the scheme text only.
    b->setFocusPolicy(Qt::ClickFocus);
    return b;
}

} // namespace

Form8::Form8(AppContext& ctx, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                          Qt::WindowStaysOnTopHint),
      m_ctx(ctx)
{
    setObjectName(QStringLiteral("Form8"));
    setWindowTitle(texts::RiffEditorTitle);
    setFixedSize(449, 526);

    createGrid();
    createCommands();
    connectCommands();
    setTabOrder();
    clearAll();

    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void Form8::createGrid()
{
    GroupBox1 = new QGroupBox(QStringLiteral("Schema"), this);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    GroupBox1->setGeometry(0, 0, 449, 289);

    Label55 =
        new QLabel(QStringLiteral("Clicca 2 volte sulla casella per inserire i valori"), GroupBox1);
    Label55->setObjectName(QStringLiteral("Label55"));
    Label55->setGeometry(8, 18, 433, 15);
    Label55->setAlignment(Qt::AlignCenter);

    auto* validator = new CodePageValidator(this);
    connect(
        validator, &CodePageValidator::refused, this,
        [this](const QString& character) {
            m_ctx.prompts->information(this, CodePageValidator::refusedMessage(character));
        },
        Qt::QueuedConnection);

    QFont lineFont = font();
    lineFont.setPixelSize(53);
    lineFont.setWeight(QFont::ExtraLight);
    const QStringList names = tablature::stringNames(tablature::Notation::Italian);
    for (int r = 0; r < tablature::Strings; ++r) {
        const int y = CellTop + RowPitch * r;
        for (int k = 0; k <= tablature::Steps; ++k) {
            auto* dash = new QLabel(QStringLiteral("-"), GroupBox1);
            dash->setObjectName(QStringLiteral("Label%1").arg(stringLines.size() + 1));
            dash->setFont(lineFont);
            dash->setAlignment(Qt::AlignCenter);
            dash->setGeometry(LineLeft + ColumnPitch * k, y - 22, LineWidth, CellHeight + 40);
            dash->setAttribute(Qt::WA_TransparentForMouseEvents);
            stringLines.append(dash);
        }
        for (int c = 0; c < tablature::Steps; ++c) {
            auto* edit = new QLineEdit(GroupBox1);
            edit->setObjectName(QStringLiteral("Edit%1").arg(cells.size() + 1));
            edit->setGeometry(CellLeft + ColumnPitch * c, y, CellWidth, CellHeight);
            edit->setMaxLength(2);
            edit->setAlignment(Qt::AlignCenter);
            edit->setTextMargins(0, 0, 0, 0);
            edit->setValidator(validator);
            edit->setAccessibleName(QStringLiteral("Corda %1 (%2), passo %3")
                                        .arg(r + 1)
                                        .arg(names.at(r).trimmed())
                                        .arg(c + 1));
            edit->installEventFilter(this);
            cells.append(edit);
        }
        // The dashes lie under the cells they join.
        for (int c = 0; c < tablature::Steps; ++c)
            cells.at(r * tablature::Steps + c)->raise();

        auto* clear =
            commandButton(QStringLiteral("X"),
                          QStringLiteral("Button%1").arg(5 + r).toLatin1().constData(), GroupBox1);
        clear->setGeometry(LineLeft + ColumnPitch * tablature::Steps + LineWidth + 3, y, 21,
                           CellHeight);
        clear->setToolTip(QStringLiteral("Cancella la riga"));
        // Six buttons read "X": screen readers tell them apart by their string.
        clear->setAccessibleName(
            QStringLiteral("Cancella corda %1 (%2)").arg(r + 1).arg(names.at(r).trimmed()));
        rowClearButtons.append(clear);
    }

    // Under the grid: the grid commands, "Aggiungi" in the middle.
    Button12 = commandButton(QStringLiteral("Cancella schema"), "Button12", GroupBox1);
    Button12->setGeometry(82, 264, 100, 22);
    Button4 = commandButton(QStringLiteral("Aggiungi"), "Button4", GroupBox1);
    Button4->setGeometry(187, 264, 75, 22);
    Button13 = commandButton(QStringLiteral("Cancella ultimo"), "Button13", GroupBox1);
    Button13->setGeometry(267, 264, 100, 22);
}

void Form8::createCommands()
{
    ita = new QRadioButton(QStringLiteral("Notazione italiana"), this);
    ita->setObjectName(QStringLiteral("ita"));
    // Its caption stands to the left of the button.
    ita->setLayoutDirection(Qt::RightToLeft);
    ita->setGeometry(8, 293, ita->sizeHint().width(), 21);
    ita->setChecked(true);
    ame = new QRadioButton(QStringLiteral("Notazione americana"), this);
    ame->setObjectName(QStringLiteral("ame"));
    ame->setGeometry(449 - 8 - ame->sizeHint().width(), 293, ame->sizeHint().width(), 21);

    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setAccessibleName(QStringLiteral("Schemi riff"));
    Memo1->setGeometry(0, 319, 449, 177);
    Memo1->setReadOnly(true);
    Memo1->setFocusPolicy(Qt::StrongFocus);
    Memo1->setTabChangesFocus(true);
    Memo1->setFont(fixedFont());
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QTextOption centred = Memo1->document()->defaultTextOption();
    centred.setAlignment(Qt::AlignHCenter);
    Memo1->document()->setDefaultTextOption(centred);

    Button2 = commandButton(QStringLiteral("Salva"), "Button2", this);
    Button2->setGeometry(10, 499, 100, 23);
    Button3 = commandButton(texts::RiffFolder, "Button3", this);
    Button3->setGeometry(120, 499, 100, 23);
    Button11 = commandButton(QStringLiteral("Cancella tutto"), "Button11", this);
    Button11->setGeometry(230, 499, 100, 23);
    Button1 = commandButton(texts::Close, "Button1", this);
    Button1->setGeometry(340, 499, 100, 23);
}

void Form8::connectCommands()
{
    auto bind = [this](QPushButton* button, auto handler) {
        connectGuarded(button, &QPushButton::clicked, this, m_ctx, this,
                       [this, handler] { (this->*handler)(); });
    };
    bind(Button4, &Form8::addScheme);
    bind(Button12, &Form8::clearGrid);
    bind(Button13, &Form8::removeLastScheme);
    bind(Button2, &Form8::save);
    bind(Button3, &Form8::openRiffFolder);
    bind(Button11, &Form8::clearAll);
    connect(Button1, &QPushButton::clicked, this, &QWidget::hide);
    for (int r = 0; r < rowClearButtons.size(); ++r) {
        connectGuarded(rowClearButtons.at(r), &QPushButton::clicked, this, m_ctx, this,
                       [this, r] { clearRow(r + 1); });
    }
}

void Form8::setTabOrder()
{
    QWidget* previous = nullptr;
    for (QLineEdit* edit : cells) {
        if (previous)
            QWidget::setTabOrder(previous, edit);
        previous = edit;
    }
    QWidget::setTabOrder(previous, ita);
    QWidget::setTabOrder(ita, ame);
    QWidget::setTabOrder(ame, Memo1);
    // Of the two notation buttons only the selected one is a tab stop.
    auto followSelection = [this] {
        ita->setFocusPolicy(ita->isChecked() ? Qt::StrongFocus : Qt::ClickFocus);
        ame->setFocusPolicy(ame->isChecked() ? Qt::StrongFocus : Qt::ClickFocus);
    };
    connect(ita, &QRadioButton::toggled, this, followSelection);
    followSelection();
}

QLineEdit* Form8::cell(int row, int column) const
{
    return cells.at((row - 1) * tablature::Steps + (column - 1));
}

bool Form8::eventFilter(QObject* watched, QEvent* event)
{
    // A double-click selects the whole cell, so that what is typed replaces it.
    if (event->type() == QEvent::MouseButtonDblClick) {
        if (auto* edit = qobject_cast<QLineEdit*>(watched); edit && cells.contains(edit)) {
            edit->setFocus(Qt::MouseFocusReason);
            edit->selectAll();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void Form8::clearAll()
{
    clearGrid();
    m_scheme.clear();
    showScheme();
}

void Form8::showWindow()
{
    show();
}

void Form8::addScheme()
{
    const tablature::Notation notation =
        ame->isChecked() ? tablature::Notation::American : tablature::Notation::Italian;
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

void Form8::clearRow(int row)
{
    for (int c = 1; c <= tablature::Steps; ++c)
        cell(row, c)->setText(tablature::emptyStep());
}

void Form8::clearGrid()
{
    for (int r = 1; r <= tablature::Strings; ++r)
        clearRow(r);
}

void Form8::removeLastScheme()
{
    m_scheme.removeLastScheme();
    showScheme();
}

void Form8::save()
{
    Prompts::FileDialog dialog;
    dialog.title = QStringLiteral("Salva riff...");
    dialog.filter = QStringLiteral("File di Testo (*.txt)|*.txt");
    dialog.startFolder = RiffFolder;
    dialog.proposedName =
        m_ctx.windows.form1->listDocument().title() + QStringLiteral(" - riff.txt");
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

void Form8::openRiffFolder()
{
    // A missing folder is neither created nor reported.
    if (QDir(RiffFolder).exists())
        m_ctx.prompts->openFolder(RiffFolder);
}

void Form8::showScheme()
{
    Memo1->setPlainText(m_scheme.lines().join(QLatin1Char('\n')));
    Memo1->verticalScrollBar()->setValue(Memo1->verticalScrollBar()->maximum());
}
