#include "app/corvalto_app.h"

#include "app/form1.h"
#include "app/form2.h"
#include "chordlist/list_controller.h"
#include "documents/chord_list_document.h"
#include "documents/document_controller.h"
#include "documents/form4.h"
#include "documents/form5.h"
#include "htmlpage/form3.h"
#include "htmlpage/page_controller.h"
#include "riff/form8.h"
#include "screensaver/form6.h"
#include "screensaver/form7.h"
#include "ui/accessibility.h"
#include "ui/guard.h"
#include "ui/program_style.h"
#include "ui/sized_icon.h"
#include "ui/window_placement.h"

#include <QApplication>
#include <QFont>
#include <QLineEdit>

CorvaltoApp::CorvaltoApp(AppContext& ctx, QObject* parent) : QObject(parent), m_ctx(ctx)
{
    ProgramStyle::install();
    m_ctx.setApplicationTitle(AppContext::InitialTitle);
    installAccessibility();
    m_ctx.document = new ChordListDocument(this);
    Windows& w = m_ctx.windows;
    w.form1 = new Form1(m_ctx);
    // The window system is given a window's icon as it makes the window, in
    // every size; a window that takes the application's icon is given it twice.
    // The main window has the icon as its own, and the application takes it
    // only once the main window exists (see show()).
    w.form1->setWindowIcon(icon());
    w.form2 = new Form2(m_ctx);
    w.form3 = new Form3(m_ctx);
    w.form4 = new Form4(m_ctx);
    w.form5 = new Form5(m_ctx);
    w.form6 = new Form6(m_ctx);
    w.form7 = new Form7(m_ctx);
    w.form8 = new Form8(m_ctx);
    connect(w.form1, &Form1::mainWindowClosed, qApp, &QApplication::quit, Qt::QueuedConnection);
    connectWindows();
}

void CorvaltoApp::connectWindows()
{
    Windows& w = m_ctx.windows;
    Form1* form1 = w.form1;

    // The main window's commands that show other windows; errors are reported
    // over the main window.
    Form2* form2 = w.form2;
    connectGuarded(form1, &Form1::aboutRequested, form2, m_ctx, form1,
                   [form2] { form2->aboutCommand(); });
    Form6* form6 = w.form6;
    connectGuarded(form1, &Form1::screenSaverRequested, form6, m_ctx, form1,
                   [form6] { form6->openSettings(); });
    Form8* form8 = w.form8;
    connectGuarded(form1, &Form1::riffEditorRequested, form8, m_ctx, form1,
                   [form8] { form8->showWindow(); });
    // The file-name line is offered once the list has a file; nothing withdraws it.
    Form5* form5 = w.form5;
    connectGuarded(form1, &Form1::informationRequested, form5, m_ctx, form1, [this, form5] {
        if (m_ctx.document->state().listHasFile)
            form5->enableFileNameButton();
        form5->showWindow();
    });
    connect(&form1->documents(), &DocumentController::listCleared, form8, &Form8::clearAll);

    // Until the user selects an entry again, remove and insert are refused; the
    // counter keeps showing the old position.
    connect(w.form2, &Form2::opening, form1,
            [form1] { form1->listController().forgetSelection(); });

    form1->page().setPreview(w.form3);
    form1->page().setTitleDialog([form4 = w.form4] { form4->bringForward(); });
    w.form3->setPageSource({[this] { return m_ctx.document->state().currentListFile; },
                            [form1] { return form1->page().pageFolder(); }});
    connectGuarded(w.form3, &Form3::informationRequested, form1, m_ctx, w.form3,
                   [form1] { form1->showAdditionalInformation(); });
    Form4* form4 = w.form4;
    connectGuarded(w.form3, &Form3::titleRequested, form4, m_ctx, w.form3,
                   [form4] { form4->bringForward(); });
    connect(w.form3, &Form3::closing, form1, &QWidget::show);

    // The main window shows the new title and runs its title-change test; the
    // page is made again under the new title.
    ChordListDocument* document = m_ctx.document;
    form4->setTitleHandler([document, form1](const QString& title) {
        document->setTitle(title);
        form1->page().generatePage();
    });

    Form7* form7 = w.form7;
    connect(w.form6, &Form6::depthChosen, form7, &Form7::setDepth);
    connectGuarded(w.form6, &Form6::startRequested, form7, m_ctx, w.form6,
                   [form7](const ScreenSaverStart& start) { form7->start(start); });
    form7->setResolutionItemSource([form6] { return form6->resolutionItem(); });

    form8->setListTitleSource([document] { return document->title(); });

    // Closing the information window brings an open preview up to date first.
    Form3* form3 = w.form3;
    w.form5->setBeforeClosing([form1, form3] {
        if (form3->isVisible())
            form1->page().generatePage();
    });
}

CorvaltoApp::~CorvaltoApp()
{
    Windows& w = m_ctx.windows;
    delete w.form8;
    delete w.form7;
    delete w.form6;
    delete w.form5;
    delete w.form4;
    delete w.form3;
    delete w.form2;
    delete w.form1;
    w = Windows{};
    delete m_ctx.document;
    m_ctx.document = nullptr;
}

void CorvaltoApp::show()
{
    centreOnScreen(m_ctx.windows.form1);
    m_ctx.windows.form1->show();
    // For the other windows and the dialogs, all made later by the window system.
    QApplication::setWindowIcon(m_ctx.windows.form1->windowIcon());
}

void CorvaltoApp::openListFile(const QString& path)
{
    Form1* form1 = m_ctx.windows.form1;
    guarded(m_ctx, form1, [form1, &path] { form1->documents().openChosenList(path); });
}

QIcon CorvaltoApp::icon()
{
    QList<SizedPicture> pictures;
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256})
        pictures.append({QSize(size, size), QStringLiteral(":/icons/%1.argb").arg(size)});
    return sizedIcon(pictures);
}

void CorvaltoApp::installFonts()
{
    QFont::insertSubstitution(QStringLiteral("Bookman Old Style"),
                              QStringLiteral("TeX Gyre Bonum"));
    QFont::insertSubstitution(QStringLiteral("Fixedsys"), QStringLiteral("DejaVu Sans Mono"));
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("DejaVu Sans"));
    QFont base(QStringLiteral("DejaVu Sans"));
    base.setPointSize(8);
    QApplication::setFont(base);
}
