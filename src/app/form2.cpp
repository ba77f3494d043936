#include "app/form2.h"

#include "core/author.h"
#include "app/form1.h"
#include "chordlist/list_controller.h"
#include "core/prompts.h"
#include "core/texts.h"
#include "ui/caption_fit.h"
#include "ui/credits_panel.h"
#include "ui/guard.h"
#include "ui/picture_view.h"
#include "ui/window_placement.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPushButton>

namespace {

template <typename W> W* named(W* w, const char* name)
{
    w->setObjectName(QString::fromLatin1(name));
    return w;
}

QFont badgeFont(const QString& family, int pixels, bool italic)
{
    QFont f(family);
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

Form2::Form2(AppContext& ctx, QWidget* parent) : QWidget(parent, Qt::Window), m_ctx(ctx)
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("About"));
    // A dialog frame with the close box only, above the program's other windows.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint);
    setFixedSize(369, 448);
    QPalette p = palette();
    p.setColor(QPalette::Window, p.color(QPalette::ToolTipBase));
    p.setColor(QPalette::WindowText, Qt::black);
    setPalette(p);
    setAutoFillBackground(true);
    createControls();

    connectGuarded(SecretPanel1, &CreditsPanel::clicked, this, m_ctx, this,
                   [this] { m_ctx.prompts->openUrl(author::webPage()); });
    connect(Button1, &QPushButton::clicked, this, &QWidget::close);
    SecretPanel1->setActive(true);
}

void Form2::createControls()
{
    Bevel1 = named(new QFrame(this), "Bevel1");
    Bevel1->setGeometry(8, 7, 355, 267);
    Bevel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);

    WebBrowser1 = named(new PictureView(this), "WebBrowser1");
    WebBrowser1->setGeometry(9, 8, 353, 265);
    WebBrowser1->setAccessibleName(QStringLiteral("Animazione"));

    // The centred labels span the window; the four on the last line end where the
    // next one starts.
    auto label = [this](const char* name, const QString& text, int left, int top, int width,
                        bool centred, bool heading) {
        auto* l = named(new QLabel(text, this), name);
        if (heading) {
            QFont f = l->font();
            f.setBold(true);
            f.setUnderline(true);
            l->setFont(f);
        }
        fitCaption(l, text, width);
        l->setGeometry(left, top, width, 16);
        l->setAlignment((centred ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignTop);
        return l;
    };
    Label1 =
        label("Label1", QStringLiteral("Requisiti minimi di sistema:"), 8, 280, 353, true, true);
    Label2 = label("Label2",
                   QStringLiteral("Windows 9x/Me*, Directx 8.0a*, Macromedia Flash Player 5.0*"), 8,
                   296, 353, true, false);
    Label4 = label(
        "Label4",
        QStringLiteral("Microsoft Internet Explorer 6*, monitor e scheda video che supportino"), 8,
        312, 353, true, false);
    Label10 = label("Label10",
                    QStringLiteral("una risoluzione di almeno 1024x768dpi. *versione consigliata."),
                    8, 328, 353, true, false);
    Label6 = label("Label6", QStringLiteral("Ultima modifica:"), 40, 344, 94, false, true);
    Label7 = label("Label7", QStringLiteral("26/10/2001"), 136, 344, 70, false, false);
    Label8 = label("Label8", QStringLiteral("N° liste contenute:"), 208, 344, 110, false, true);
    Label9 = label("Label9", QStringLiteral("5"), 320, 344, 40, false, false);

    SecretPanel1 = named(new CreditsPanel(this), "SecretPanel1");
    SecretPanel1->setGeometry(8, 368, 353, 41);
    SecretPanel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    SecretPanel1->setCursor(Qt::PointingHandCursor);
    SecretPanel1->setToolTip(QStringLiteral("Clicca per entrare nel sito..."));
    SecretPanel1->setAccessibleName(SecretPanel1->toolTip());
    QPalette panel = SecretPanel1->palette();
    panel.setColor(QPalette::Window, QColor(219, 210, 217));
    SecretPanel1->setPalette(panel);
    SecretPanel1->setAutoFillBackground(true);
    SecretPanel1->setLines({QStringLiteral("Corvalto by Virmosk   --- Versione 3.0 ---"), QString(),
                            QStringLiteral("Sito internet : ") + author::webPage(), QString(),
                            QStringLiteral("E-mail : ") + author::email()});
    fitCaption(SecretPanel1, SecretPanel1->lines().join(QLatin1Char('\n')), SecretPanel1->width(),
               6);

    Image1 = named(new QLabel(this), "Image1");
    Image1->setGeometry(264, 413, 100, 28);

    Button1 = named(new QPushButton(texts::Close, this), "Button1");
    Button1->setGeometry(144, 416, 75, 25);
    Button1->setFocusPolicy(Qt::ClickFocus);
}

void Form2::finishForShowing()
{
    Image1->setPixmap(badgePicture());
    m_finished = true;
}

void Form2::showEvent(QShowEvent* event)
{
    if (!m_finished)
        finishForShowing();
    QWidget::showEvent(event);
}

void Form2::aboutCommand()
{
    Form1* form1 = m_ctx.windows.form1;
    // Until the user selects an entry again, remove and insert are refused; the
    // counter keeps showing the old position.
    form1->listController().forgetSelection();

    loadAnimation();
    SecretPanel1->setActive(true);

    if (!m_placed) {
        centreOnScreen(this);
        m_placed = true;
    }
    show();
    raise();
}

void Form2::loadAnimation()
{
    // A missing animation leaves the view empty; the window works otherwise.
    try {
        WebBrowser1->load(m_ctx.programDir + QStringLiteral("imm/about.gif"));
    } catch (const CorvaltoError&) {
        WebBrowser1->clearPicture();
    }
}
