#include "documents/form4.h"

#include "core/prompts.h"
#include "core/texts.h"
#include "ui/code_page_validator.h"
#include "ui/guard.h"
#include "ui_form4.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>

Form4::Form4(AppContext& ctx, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      m_ctx(ctx), m_ui(std::make_unique<Ui::Form4>())
{
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(texts::ListTitle);
    setFixedSize(201, 78);
    m_ui->setupUi(this);

    QLineEdit* edit = m_ui->Edit1;
    // Never filled by the program: it keeps what the user last typed.
    edit->setAccessibleName(texts::ListTitle);
    auto* validator = new CodePageValidator(edit);
    edit->setValidator(validator);
    edit->installEventFilter(this);

    connect(
        validator, &CodePageValidator::refused, this,
        [this](const QString& character) {
            m_ctx.prompts->information(this, CodePageValidator::refusedMessage(character));
        },
        Qt::QueuedConnection);
    connectGuarded(m_ui->Button1, &QPushButton::clicked, this, m_ctx, this,
                   [this] { confirmTitle(); });

    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

Form4::~Form4() = default;

void Form4::showWindow()
{
    show();
}

void Form4::bringForward()
{
    showWindow();
    raise();
    activateWindow();
}

void Form4::setTitleHandler(std::function<void(const QString&)> handler)
{
    m_titleHandler = std::move(handler);
}

bool Form4::eventFilter(QObject* watched, QEvent* event)
{
    // Enter confirms the title; the key reaches neither the field nor the window.
    if (watched == m_ui->Edit1 && event->type() == QEvent::KeyPress) {
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
    if (m_titleHandler)
        m_titleHandler(m_ui->Edit1->text());
    hide();
}
