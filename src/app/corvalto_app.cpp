#include "app/corvalto_app.h"

#include "app/form1.h"
#include "app/form2.h"
#include "documents/document_controller.h"
#include "documents/form4.h"
#include "documents/form5.h"
#include "htmlpage/form3.h"
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

CorvaltoApp::CorvaltoApp(AppContext& ctx, QObject* parent) : QObject(parent), m_ctx(ctx)
{
    ProgramStyle::install();
    m_ctx.setApplicationTitle(AppContext::InitialTitle);
    QApplication::setWindowIcon(icon());
    installAccessibility();
    Windows& w = m_ctx.windows;
    w.form1 = new Form1(m_ctx);
    w.form2 = new Form2(m_ctx);
    w.form3 = new Form3(m_ctx);
    w.form4 = new Form4(m_ctx);
    w.form5 = new Form5(m_ctx);
    w.form6 = new Form6(m_ctx);
    w.form7 = new Form7(m_ctx);
    w.form8 = new Form8(m_ctx);
    connect(w.form1, &Form1::mainWindowClosed, qApp, &QApplication::quit, Qt::QueuedConnection);
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
}

void CorvaltoApp::show()
{
    centreOnScreen(m_ctx.windows.form1);
    m_ctx.windows.form1->show();
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
    QFont::insertSubstitution(QStringLiteral("Bookman Old Style"), QStringLiteral("TeX Gyre Bonum"));
    QFont::insertSubstitution(QStringLiteral("Fixedsys"), QStringLiteral("DejaVu Sans Mono"));
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("DejaVu Sans"));
    QFont base(QStringLiteral("DejaVu Sans"));
    base.setPointSize(8);
    QApplication::setFont(base);
}
