#include "htmlpage/page_preview_window.h"

#include "core/prompts.h"
#include "core/texts.h"
#include "htmlpage/page_builder.h"
#include "shell/guard.h"
#include "shell/window_placement.h"
#include "ui/widgets/browser_view.h"
#include "ui/widgets/caption_fit.h"
#include "ui_page_preview_window.h"

#include <QCloseEvent>

PagePreviewWindow::PagePreviewWindow(AppContext& ctx, QWidget* parent)
    : QWidget(parent, Qt::Window), m_ctx(ctx), m_ui(std::make_unique<Ui::PagePreviewWindow>())
{
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(texts::PagePreview);
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setFixedSize(617, 531);
    createControls();
    connectHandlers();
}

PagePreviewWindow::~PagePreviewWindow() = default;

void PagePreviewWindow::setPageSource(PageSource source)
{
    m_source = std::move(source);
}

void PagePreviewWindow::createControls()
{
    m_ui->setupUi(this);
    m_ui->WebBrowser1->setPrompts(m_ctx.prompts);
    m_ui->Button3->setText(texts::ListInformation);
    m_ui->Button5->setText(texts::RiffFolder);
    m_ui->Button2->setText(texts::Close);
    // None of the buttons takes part in tab navigation.
    for (QPushButton* b :
         {m_ui->Button3, m_ui->Button4, m_ui->Button5, m_ui->Button2, m_ui->Button1, m_ui->Button6})
        fitCaption(b, b->text(), b->width(), 10);

    QFont bold = m_ui->modificata->font();
    bold.setBold(true);
    m_ui->modificata->setFont(bold);
    for (QLabel* l : {m_ui->Label1, m_ui->modificata, m_ui->Label2})
        fitCaption(l, l->text(), l->width());
}

void PagePreviewWindow::connectHandlers()
{
    auto bind = [this](QPushButton* b, auto handler) {
        connectGuarded(b, &QPushButton::clicked, this, m_ctx, this, handler);
    };
    bind(m_ui->Button1, [this] { openInBrowser(); });
    connect(m_ui->Button2, &QPushButton::clicked, this, &QWidget::close);
    bind(m_ui->Button3, [this] { emit informationRequested(); });
    bind(m_ui->Button4, [this] { emit titleRequested(); });
    bind(m_ui->Button5, [this] { openRiffFolder(); });
    bind(m_ui->Button6, [this] { reloadPage(); });
}

void PagePreviewWindow::showPreview()
{
    if (!m_placed) {
        centreOnScreen(this);
        m_placed = true;
    }
    show();
    raise();
    activateWindow();
}

void PagePreviewWindow::showListModified(bool modified)
{
    m_ui->modificata->setVisible(modified);
}

void PagePreviewWindow::showPage(const QString& path)
{
    m_ui->WebBrowser1->navigate(path);
}

void PagePreviewWindow::setPageLines(const QStringList& lines)
{
    m_ui->Memo1->setPlainText(lines.join(QLatin1Char('\n')));
}

QStringList PagePreviewWindow::pageLines() const
{
    const QString text = m_ui->Memo1->toPlainText();
    return text.isEmpty() ? QStringList() : text.split(QLatin1Char('\n'));
}

void PagePreviewWindow::closeEvent(QCloseEvent* event)
{
    // The main window comes back before this one goes, so that the program
    // never finds itself without a visible window.
    emit closing();
    event->accept();
}

void PagePreviewWindow::openInBrowser()
{
    m_ctx.prompts->openDocument(m_source.listFile() + QStringLiteral(".html"));
}

void PagePreviewWindow::openRiffFolder()
{
    m_ctx.prompts->openFolder(QStringLiteral("riff"));
}

void PagePreviewWindow::reloadPage()
{
    showPage(htmlpage::pagePath(m_source.pageFolder(), m_source.listFile()));
}
