#include "documents/title_dialog.h"

#include "core/prompts.h"
#include "core/texts.h"
#include "shell/guard.h"
#include "ui/widgets/code_page_validator.h"
#include "ui_title_dialog.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>

TitleDialog::TitleDialog(AppContext& ctx, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      m_ctx(ctx), m_ui(std::make_unique<Ui::TitleDialog>())
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

TitleDialog::~TitleDialog() = default;

void TitleDialog::showWindow()
{
    show();
}

void TitleDialog::bringForward()
{
    showWindow();
    raise();
    activateWindow();
}

void TitleDialog::setTitleHandler(std::function<void(const QString&)> handler)
{
    m_titleHandler = std::move(handler);
}

bool TitleDialog::eventFilter(QObject* watched, QEvent* event)
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

void TitleDialog::confirmTitle()
{
    if (m_titleHandler)
        m_titleHandler(m_ui->Edit1->text());
    hide();
}
