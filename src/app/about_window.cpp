#include "app/about_window.h"

#include "core/author.h"
#include "core/prompts.h"
#include "core/texts.h"
#include "shell/guard.h"
#include "shell/window_placement.h"
#include "ui/style/design_font.h"
#include "ui/widgets/caption_fit.h"
#include "ui/widgets/credits_panel.h"
#include "ui/widgets/picture_view.h"
#include "ui_about_window.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPushButton>

namespace {

QFont badgeFont(const QString& family, int pixels, bool italic)
{
    QFont f = designFont(family);
    f.setPixelSize(pixels);
    f.setBold(true);
    f.setItalic(italic);
    return f;
}

// The program's own badge, 100 x 28: a pick and the program's name on a plate.
QPixmap badgePicture()
{
    QPixmap picture(100, 28);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    QPainterPath plate;
    plate.addRoundedRect(QRectF(0.5, 0.5, 99, 27), 6, 6);
    QLinearGradient fill(0, 0, 0, 28);
    fill.setColorAt(0.0, QColor(40, 44, 110));
    fill.setColorAt(1.0, QColor(14, 18, 58));
    p.fillPath(plate, fill);
    p.setPen(QPen(QColor(255, 201, 16), 1));
    p.drawPath(plate);

    QPainterPath pick;
    pick.moveTo(14, 23);
    pick.cubicTo(6, 14, 5, 5, 14, 5);
    pick.cubicTo(23, 5, 22, 14, 14, 23);
    p.setBrush(QColor(255, 150, 40));
    p.setPen(QPen(QColor(60, 16, 0), 1));
    p.drawPath(pick);
    p.setFont(badgeFont(QStringLiteral("Bookman Old Style"), 11, true));
    p.setPen(QColor(40, 10, 0));
    p.drawText(QRectF(8, 5, 12, 13), Qt::AlignCenter, QStringLiteral("C"));

    p.setPen(QColor(255, 201, 16));
    p.setFont(badgeFont(QStringLiteral("Bookman Old Style"), 13, true));
    p.drawText(QRectF(26, 1, 72, 16), Qt::AlignCenter, QStringLiteral("Corvalto"));
    p.setPen(QColor(236, 236, 250));
    p.setFont(badgeFont(QStringLiteral("DejaVu Sans"), 8, false));
    p.drawText(QRectF(26, 15, 72, 11), Qt::AlignCenter, QStringLiteral("per chitarra"));
    p.end();
    return picture;
}

} // namespace

AboutWindow::AboutWindow(AppContext& ctx, QWidget* parent)
    : QWidget(parent, Qt::Window), m_ctx(ctx), m_ui(std::make_unique<Ui::AboutWindow>())
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("About"));
    // A dialog frame with the close box only, above the program's other windows.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint);
    setFixedSize(369, 448);
    QPalette p = palette();
    p.setColor(QPalette::Window, p.color(QPalette::ToolTipBase));
    p.setColor(QPalette::WindowText, p.color(QPalette::ToolTipText));
    setPalette(p);
    setAutoFillBackground(true);
    createControls();

    connectGuarded(m_ui->SecretPanel1, &CreditsPanel::clicked, this, m_ctx, this,
                   [this] { m_ctx.prompts->openUrl(author::webPage()); });
    connect(m_ui->Button1, &QPushButton::clicked, this, &QWidget::close);
    m_ui->SecretPanel1->setActive(true);
}

AboutWindow::~AboutWindow() = default;

void AboutWindow::createControls()
{
    m_ui->setupUi(this);
    // The centred labels span the window; the four on the last line end where the
    // next one starts.
    for (QLabel* heading : {m_ui->Label1, m_ui->Label6, m_ui->Label8}) {
        QFont f = heading->font();
        f.setBold(true);
        f.setUnderline(true);
        heading->setFont(f);
    }
    for (QLabel* l : {m_ui->Label1, m_ui->Label2, m_ui->Label4, m_ui->Label10, m_ui->Label6,
                      m_ui->Label7, m_ui->Label8, m_ui->Label9})
        fitCaption(l, l->text(), l->width());

    CreditsPanel* credits = m_ui->SecretPanel1;
    QPalette panel = credits->palette();
    panel.setColor(QPalette::Window, QColor(219, 210, 217));
    panel.setColor(QPalette::WindowText, Qt::black);
    credits->setPalette(panel);
    credits->setAutoFillBackground(true);
    credits->setLines({QStringLiteral("Corvalto by Virmosk   --- Versione 3.0 ---"), QString(),
                       QStringLiteral("Sito internet : ") + author::webPage(), QString(),
                       QStringLiteral("E-mail : ") + author::email()});
    fitCaption(credits, credits->lines().join(QLatin1Char('\n')), credits->width(), 6);

    m_ui->Button1->setText(texts::Close);
}

void AboutWindow::finishForShowing()
{
    m_ui->Image1->setPixmap(badgePicture());
    m_finished = true;
}

void AboutWindow::showEvent(QShowEvent* event)
{
    if (!m_finished)
        finishForShowing();
    QWidget::showEvent(event);
}

void AboutWindow::aboutCommand()
{
    emit opening();

    loadAnimation();
    m_ui->SecretPanel1->setActive(true);

    if (!m_placed) {
        centreOnScreen(this);
        m_placed = true;
    }
    show();
    raise();
}

void AboutWindow::loadAnimation()
{
    // A missing animation leaves the view empty; the window works otherwise.
    try {
        m_ui->WebBrowser1->load(m_ctx.programDir + QStringLiteral("imm/about.gif"));
    } catch (const CorvaltoError&) {
        m_ui->WebBrowser1->clearPicture();
    }
}
