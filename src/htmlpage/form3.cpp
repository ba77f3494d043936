#include "htmlpage/form3.h"

#include "app/form1.h"
#include "core/document_state.h"
#include "core/prompts.h"
#include "core/texts.h"
#include "documents/form4.h"
#include "htmlpage/page_builder.h"
#include "htmlpage/page_controller.h"
#include "ui/browser_view.h"
#include "ui/caption_fit.h"
#include "ui/guard.h"
#include "ui/window_placement.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

template <typename W> W* named(W* w, const char* name)
{
    w->setObjectName(QString::fromLatin1(name));
    return w;
}

} // namespace

Form3::Form3(AppContext& ctx, QWidget* parent) : QWidget(parent, Qt::Window), m_ctx(ctx)
{
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(texts::PagePreview);
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setFixedSize(617, 531);
    createControls();
    connectHandlers();
}

void Form3::createControls()
{
    WebBrowser1 = named(new BrowserView(*m_ctx.prompts, this), "WebBrowser1");
    WebBrowser1->setGeometry(8, 8, 601, 393);
    WebBrowser1->setAccessibleName(QStringLiteral("Pagina anteprima lista"));

    auto button = [this](const char* name, const QString& caption, const QRect& place,
                         QWidget* parent) {
        auto* b = named(new QPushButton(caption, parent), name);
        b->setGeometry(place);
        fitCaption(b, caption, place.width(), 10);
        // None of the buttons takes part in tab navigation.
        b->setFocusPolicy(Qt::ClickFocus);
        return b;
    };
    Button3 =
        button("Button3", texts::ListInformation, {8, 408, 145, 17}, this);
    Button4 = button("Button4", QStringLiteral("Modifica titolo"), {160, 408, 145, 17}, this);
    Button5 = button("Button5", texts::RiffFolder, {312, 408, 145, 17}, this);
    Button2 = button("Button2", texts::Close, {464, 408, 145, 17}, this);

    Label1 = named(
        new QLabel(QStringLiteral("File html creato nella directory\ndella lista salvata"), this),
        "Label1");
    Label1->setGeometry(8, 430, 142, 26);
    Label1->setAlignment(Qt::AlignCenter);
    fitCaption(Label1, Label1->text(), Label1->width());

    Button1 =
        button("Button1", QStringLiteral("Visualizza e stampa con Microsoft Internet Explorer"),
               {176, 432, 265, 25}, this);

    modificata = named(new QLabel(QStringLiteral("*Lista modificata"), this), "modificata");
    modificata->setGeometry(464, 438, 145, 13);
    modificata->setAlignment(Qt::AlignCenter);
    QFont bold = modificata->font();
    bold.setBold(true);
    modificata->setFont(bold);
    fitCaption(modificata, modificata->text(), modificata->width());
    modificata->setVisible(false);

    GroupBox1 = named(new QGroupBox(QStringLiteral("Info"), this), "GroupBox1");
    GroupBox1->setGeometry(0, 457, 617, 73);
    Label2 =
        named(new QLabel(QStringLiteral(
                             "Se non si dispone di una buona quantità di memoria RAM, Internet "
                             "Explorer potrebbe non caricare correttamente la pagina html;\nIn "
                             "questo caso basta cliccare sul pulsante Aggiorna finchè la pagina "
                             "non viene caricata correttamente. ***Virmosk***"),
                         GroupBox1),
              "Label2");
    Label2->setGeometry(8, 16, 601, 33);
    Label2->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    fitCaption(Label2, Label2->text(), Label2->width());
    Button6 = button("Button6", QStringLiteral("Aggiorna"), {272, 48, 75, 17}, GroupBox1);

    // The page lines while they are built; never shown.
    Memo1 = named(new QPlainTextEdit(this), "Memo1");
    Memo1->setVisible(false);
}

void Form3::connectHandlers()
{
    auto bind = [this](QPushButton* b, void (Form3::*handler)()) {
        connectGuarded(b, &QPushButton::clicked, this, m_ctx, this,
                       [this, handler] { (this->*handler)(); });
    };
    bind(Button1, &Form3::openInBrowser);
    connect(Button2, &QPushButton::clicked, this, &QWidget::close);
    bind(Button3, &Form3::showInformation);
    bind(Button4, &Form3::showTitleDialog);
    bind(Button5, &Form3::openRiffFolder);
    bind(Button6, &Form3::reloadPage);
}

void Form3::showPreview()
{
    if (!m_placed) {
        centreOnScreen(this);
        m_placed = true;
    }
    show();
    raise();
    activateWindow();
}

void Form3::setPageLines(const QStringList& lines)
{
    Memo1->setPlainText(lines.join(QLatin1Char('\n')));
}

QStringList Form3::pageLines() const
{
    const QString text = Memo1->toPlainText();
    return text.isEmpty() ? QStringList() : text.split(QLatin1Char('\n'));
}

void Form3::closeEvent(QCloseEvent* event)
{
    // The main window comes back before this one goes, so that the program
    // never finds itself without a visible window.
    if (Form1* form1 = m_ctx.windows.form1)
        form1->show();
    event->accept();
}

void Form3::openInBrowser()
{
    m_ctx.prompts->openDocument(m_ctx.windows.form1->document().currentListFile +
                                QStringLiteral(".html"));
}

void Form3::showInformation()
{
    m_ctx.windows.form1->showAdditionalInformation();
}

void Form3::showTitleDialog()
{
    if (Form4* form4 = m_ctx.windows.form4) {
        form4->showWindow();
        form4->raise();
        form4->activateWindow();
    }
}

void Form3::openRiffFolder()
{
    m_ctx.prompts->openFolder(QStringLiteral("riff"));
}

void Form3::reloadPage()
{
    Form1* form1 = m_ctx.windows.form1;
    WebBrowser1->navigate(
        htmlpage::pagePath(form1->page().pageFolder(), form1->document().currentListFile));
}
