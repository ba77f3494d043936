#include "documents/information_window.h"

#include "core/prompts.h"
#include "core/texts.h"
#include "documents/chord_list_document.h"
#include "shell/guard.h"
#include "ui/style/design_font.h"
#include "ui/widgets/code_page_text_edit.h"
#include "ui/widgets/code_page_validator.h"
#include "ui_information_window.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPushButton>
#include <QResizeEvent>
#include <QScreen>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextLayout>

namespace {

// The extension a new list's name gets on the file-name line.
const QString NewListSuffix = QStringLiteral(".list");

// Tab stops every eight columns of the fixed-width font.
constexpr int TabColumns = 8;

// The longest run of characters other than blanks.
qsizetype longestUnbrokenRun(const QString& text)
{
    qsizetype longest = 0;
    qsizetype run = 0;
    for (QChar c : text) {
        run = c.isSpace() ? 0 : run + 1;
        longest = qMax(longest, run);
    }
    return longest;
}

// Laying a paragraph out whole costs time quadratic in the length of its
// longest unbroken run of text (the search for a word boundary starts again on
// every line: a 1 MB run took a minute), and linear otherwise. A paragraph with
// a long unbroken run is therefore laid out a window of text at a time: where a
// line ends depends only on the text from its start, so every line of a window
// but its last is final. A window that holds a single line (a long run of
// blanks) is doubled until it holds two. The toolkit also ends a line inside a
// run of blanks where its own runs of 4096 characters meet, which windows do
// not reproduce, so every other paragraph is laid out whole, exactly as the
// text area shows it.
void appendDisplayedLines(QStringList& lines, const QString& text, const QFont& font,
                          const QTextOption& option, qreal width)
{
    constexpr qsizetype FirstWindow = 1024;
    constexpr qsizetype LongRun = 512;
    const bool windowed = longestUnbrokenRun(text) > LongRun;
    qsizetype start = 0;
    qsizetype window = windowed ? FirstWindow : text.size();
    for (;;) {
        const bool whole = text.size() - start <= window;
        const QString part = text.mid(start, whole ? -1 : window);
        QTextLayout layout(part, font);
        layout.setTextOption(option);
        layout.beginLayout();
        QList<std::pair<int, int>> found;
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(width);
            found.append({line.textStart(), line.textLength()});
        }
        layout.endLayout();
        if (whole) {
            for (const auto& [at, length] : found)
                lines.append(part.mid(at, length));
            if (found.isEmpty())
                lines.append(QString());
            return;
        }
        if (found.size() < 2) {
            window *= 2;
            continue;
        }
        for (qsizetype i = 0; i + 1 < found.size(); ++i)
            lines.append(part.mid(found[i].first, found[i].second));
        start += found.constLast().first;
        window = FirstWindow;
    }
}

} // namespace

InformationWindow::InformationWindow(AppContext& ctx, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint),
      m_ctx(ctx), m_ui(std::make_unique<Ui::InformationWindow>())
{
    setObjectName(QStringLiteral("Form5"));
    setWindowTitle(texts::ListInformation);
    setFixedSize(395, 225);
    m_ui->setupUi(this);

    CodePageTextEdit* memo = m_ui->Memo1;
    memo->setAccessibleName(texts::ListInformation);
    memo->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    memo->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    // The scroll bar is always there, so the width lines wrap at never changes.
    // Button4 is wide enough for its caption in the substitute font.
    m_ui->Button4->setText(texts::ListFileName);
    m_ui->Button1->setText(texts::Close);

    connect(memo, &QPlainTextEdit::textChanged, this, &InformationWindow::textChanged);
    connect(memo, &CodePageTextEdit::refused, this, &InformationWindow::refuseCharacter,
            Qt::QueuedConnection);
    connectGuarded(m_ui->Button4, &QPushButton::clicked, this, m_ctx, this,
                   [this] { fileNameLine(); });
    connectGuarded(m_ui->Button3, &QPushButton::clicked, this, m_ctx, this,
                   [this] { replaceText(QString()); });
    connectGuarded(m_ui->Button1, &QPushButton::clicked, this, m_ctx, this,
                   [this] { closeWindow(); });

    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());

    if (ChordListDocument* document = m_ctx.document) {
        document->attachInformationText(
            {[this] { return m_ui->Memo1->document()->characterCount() - 1; },
             [this] { return informationLines(); }});
        connect(document, &ChordListDocument::informationChanged, this,
                &InformationWindow::setInformationLines);
    }
}

InformationWindow::~InformationWindow()
{
    if (m_ctx.document)
        m_ctx.document->attachInformationText({});
}

void InformationWindow::layOutTextArea() const
{
    if (m_laidOut)
        return;
    m_laidOut = true;
    CodePageTextEdit* memo = m_ui->Memo1;
    // The text area's font is given here, not at construction: setting it lays
    // the empty text out, which would load the font before the first paint.
    QFont fixed = designFont(QStringLiteral("Fixedsys"));
    fixed.setStyleHint(QFont::Monospace);
    fixed.setFixedPitch(true);
    fixed.setPixelSize(13);
    memo->setFont(fixed);
    memo->setTabStopDistance(TabColumns *
                             QFontMetricsF(memo->font()).horizontalAdvance(QLatin1Char(' ')));
    // The information lines are read from the layout also while the window was
    // never shown.
    memo->ensurePolished();
    QResizeEvent laidOut(memo->size(), QSize());
    QCoreApplication::sendEvent(memo, &laidOut);
}

void InformationWindow::showEvent(QShowEvent* event)
{
    layOutTextArea();
    QWidget::showEvent(event);
}

QStringList InformationWindow::informationLines() const
{
    layOutTextArea();
    const QTextDocument* doc = m_ui->Memo1->document();
    // The same width and options the text area lays its blocks out with.
    const qreal width = m_ui->Memo1->viewport()->width() - 2 * doc->documentMargin();
    QStringList lines;
    for (QTextBlock block = doc->begin(); block.isValid(); block = block.next())
        appendDisplayedLines(lines, block.text(), doc->defaultFont(), doc->defaultTextOption(),
                             width);
    if (!lines.isEmpty() && lines.constLast().isEmpty())
        lines.removeLast();
    return lines;
}

void InformationWindow::setInformationLines(const QStringList& lines)
{
    // A final line end starts no further line: a final empty line needs one of
    // its own, or it would be lost at the next save.
    QString text = lines.join(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.constLast().isEmpty())
        text.append(QLatin1Char('\n'));
    m_ui->Memo1->setPlainText(text);
}

void InformationWindow::clearInformation()
{
    m_ui->Memo1->clear();
}

void InformationWindow::enableFileNameButton()
{
    m_ui->Button4->setEnabled(true);
}

void InformationWindow::showWindow()
{
    show();
}

void InformationWindow::fileNameLine()
{
    const DocumentState& state = m_ctx.document->state();
    replaceText(state.listFromFile ? state.currentListFile : state.currentListFile + NewListSuffix);
}

// One step the user can undo with Ctrl+Z, unlike the replacement by an opened
// or new list. The text counts as changed even when it was already this one.
void InformationWindow::replaceText(const QString& text)
{
    QTextCursor cursor(m_ui->Memo1->document());
    cursor.beginEditBlock();
    cursor.select(QTextCursor::Document);
    cursor.insertText(text);
    cursor.endEditBlock();
    textChanged();
}

void InformationWindow::closeWindow()
{
    if (m_beforeClosing)
        m_beforeClosing();
    hide();
}

void InformationWindow::textChanged()
{
    // Only the flag: the caption keeps its form and the banner its picture.
    if (m_ctx.document)
        m_ctx.document->informationEdited();
}

void InformationWindow::refuseCharacter(const QString& character)
{
    m_ctx.prompts->information(this, CodePageValidator::refusedMessage(character));
}
