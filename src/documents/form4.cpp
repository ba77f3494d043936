#include "documents/form4.h"

#include "app/form1.h"
#include "core/prompts.h"
#include "core/texts.h"
#include "documents/chord_list_document.h"
#include "htmlpage/page_controller.h"
#include "ui/code_page_validator.h"
#include "ui/guard.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

Form4::Form4(AppContext& ctx, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      m_ctx(ctx)
{
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(texts::ListTitle);
    setFixedSize(201, 78);

    Label1 = new QLabel(QStringLiteral("Titolo:"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(8, 5, 185, 13);
    Label1->setAlignment(Qt::AlignCenter);

    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setGeometry(8, 22, 185, 21);
    Edit1->setAccessibleName(texts::ListTitle);
    Label1->setBuddy(Edit1);
    auto* validator = new CodePageValidator(Edit1);
    Edit1->setValidator(validator);
    Edit1->installEventFilter(this);

    Button1 = new QPushButton(QStringLiteral("OK"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(64, 48, 75, 25);
    setTabOrder(Edit1, Button1);

    connect(
        validator, &CodePageValidator::refused, this,
        [this](const QString& character) {
            m_ctx.prompts->information(this, CodePageValidator::refusedMessage(character));
        },
        Qt::QueuedConnection);
    connectGuarded(Button1, &QPushButton::clicked, this, m_ctx, this, [this] { confirmTitle(); });

    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void Form4::showWindow()
{
    show();
}

bool Form4::eventFilter(QObject* watched, QEvent* event)
{
    // Enter confirms the title; the key reaches neither the field nor the window.
    if (watched == Edit1 && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            guarded(m_ctx, this, [this] { confirmTitle(); });
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void Form4::confirmTitle()
{
    Form1* form1 = m_ctx.windows.form1;
    // Setting the main window's field runs its title-change test.
    m_ctx.document->setTitle(Edit1->text());
    form1->page().generatePage();
    hide();
}
