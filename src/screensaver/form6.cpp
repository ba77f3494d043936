#include "screensaver/form6.h"

#include "core/author.h"
#include "core/texts.h"
#include "screensaver/form7.h"
#include "screensaver/mesh_reader.h"
#include "ui/display_layer.h"
#include "ui/guard.h"
#include "ui/override_pointer.h"
#include "ui/up_down.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTabBar>
#include <QTabWidget>

#include <cmath>

namespace {

QLabel* label(const QString& text, QWidget* parent, const QRect& geometry)
{
    auto* l = new QLabel(text, parent);
    l->setGeometry(geometry);
    return l;
}

// The application-wide pointer; the saver keeps at most one override in force.
void setPointer(Qt::CursorShape shape)
{
    overridepointer::set(shape);
}

// The item the box shows, or -1 when its text was typed and names no item.
int selectedItem(const QComboBox* box)
{
    const int i = box->currentIndex();
    return i >= 0 && box->currentText() == box->itemText(i) ? i : -1;
}

} // namespace

Form6::Form6(AppContext& ctx, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint |
                          Qt::MSWindowsFixedSizeDialogHint),
      m_ctx(ctx)
{
    setObjectName(QStringLiteral("Form6"));
    setWindowTitle(texts::ScreenSaverTitle);
    setFixedSize(369, 276);

    PageControl2 = new QTabWidget(this);
    PageControl2->setObjectName(QStringLiteral("PageControl2"));
    PageControl2->setGeometry(0, 0, 369, 276);
    PageControl2->addTab(createDirect3DTab(), QStringLiteral("Direct3D"));
    PageControl2->addTab(createInfoTab(), QStringLiteral("Info"));

    connect(bit16, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            setBitCount(16);
    });
    connect(bit24, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            setBitCount(24);
    });
    connect(bit32, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            setBitCount(32);
    });
    for (LightControls* c : {&m_objectLight, &m_ambientLight}) {
        connect(c->definite, &QRadioButton::toggled, this, [this, c](bool on) {
            if (on)
                enableLightFields(*c, true);
        });
        for (QRadioButton* b : {c->random, c->normal}) {
            connect(b, &QRadioButton::toggled, this, [this, c](bool on) {
                if (on)
                    enableLightFields(*c, false);
            });
        }
    }
    connect(Button1, &QPushButton::clicked, this, &Form6::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &Form6::Button2Click);
    connect(Button3, &QPushButton::clicked, this, &Form6::Button2Click);

    FormCreate();
}

QWidget* Form6::createDirect3DTab()
{
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("Direct3D"));

    GroupBox1 = new QGroupBox(QStringLiteral("Settaggi Generali"), page);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    GroupBox1->setGeometry(4, 2, 355, 166);

    auto* oggLabel = label(QStringLiteral("Oggetto 3D:"), GroupBox1, {8, 16, 156, 14});
    ogg = new QComboBox(GroupBox1);
    oggLabel->setBuddy(ogg);
    ogg->setObjectName(QStringLiteral("ogg"));
    ogg->setEditable(true);
    ogg->setInsertPolicy(QComboBox::NoInsert);
    for (const saver::ObjectChoice& c : saver::objectChoices())
        ogg->addItem(c.itemText);
    ogg->setGeometry(8, 30, 152, 22);

    auto* risLabel =
        label(QStringLiteral("Risoluzione dello schermo:"), GroupBox1, {8, 55, 156, 14});
    ris = new QComboBox(GroupBox1);
    risLabel->setBuddy(ris);
    ris->setObjectName(QStringLiteral("ris"));
    ris->setEditable(true);
    ris->setInsertPolicy(QComboBox::NoInsert);
    for (const saver::ResolutionChoice& c : saver::resolutionChoices())
        ris->addItem(c.itemText);
    ris->setGeometry(8, 69, 152, 22);

    label(QStringLiteral("Profondità colore:"), GroupBox1, {8, 94, 156, 14});
    bit16 = new QRadioButton(QStringLiteral("16 bit"), GroupBox1);
    bit16->setObjectName(QStringLiteral("bit16"));
    bit16->setGeometry(8, 108, 52, 18);
    bit16->setChecked(true);
    bit24 = new QRadioButton(QStringLiteral("24 bit"), GroupBox1);
    bit24->setObjectName(QStringLiteral("bit24"));
    bit24->setGeometry(60, 108, 52, 18);
    bit32 = new QRadioButton(QStringLiteral("32 bit"), GroupBox1);
    bit32->setObjectName(QStringLiteral("bit32"));
    bit32->setGeometry(112, 108, 52, 18);

    label(QStringLiteral("Altro:"), GroupBox1, {8, 128, 60, 14});
    zbuffer = new QCheckBox(QStringLiteral("Z-Buffer"), GroupBox1);
    zbuffer->setObjectName(QStringLiteral("zbuffer"));
    zbuffer->setGeometry(8, 142, 72, 18);
    zbuffer->setChecked(true);
    auto* speedLabel = label(QStringLiteral("Velocità:"), GroupBox1, {84, 144, 48, 14});
    Edit1 = new QLineEdit(GroupBox1);
    speedLabel->setBuddy(Edit1);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setGeometry(132, 141, 22, 20);
    UpDown1 = new UpDown(1, 10, 1, GroupBox1);
    UpDown1->setObjectName(QStringLiteral("UpDown1"));
    UpDown1->setGeometry(154, 141, 14, 20);
    UpDown1->setAssociate(Edit1);
    UpDown1->setValueName(QStringLiteral("Velocità"));

    PageControl1 = new QTabWidget(GroupBox1);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    PageControl1->setGeometry(166, 14, 185, 146);
    // Both tab captions fit side by side in the small type.
    QFont small = PageControl1->font();
    small.setPointSize(7);
    PageControl1->tabBar()->setFont(small);
    PageControl1->setUsesScrollButtons(false);
    PageControl1->addTab(createLightTab(QStringLiteral("Settaggi Luci Oggetto"),
                                        QStringLiteral("luc"), m_objectLight,
                                        QStringLiteral("luci oggetto")),
                         QStringLiteral("Luci Oggetto"));
    PageControl1->addTab(createLightTab(QStringLiteral("Settaggi Luci Ambientali"),
                                        QStringLiteral("amb"), m_ambientLight,
                                        QStringLiteral("luci ambientali")),
                         QStringLiteral("Luci Ambientali"));

    auto* warning = label(
        QStringLiteral(
            "ATTENZIONE:Non utilizzare risoluzioni non supportate dal monitor o s.video!"),
        page, {2, 169, 355, 28});
    warning->setObjectName(QStringLiteral("Label4"));
    auto* escNotice = label(QStringLiteral("Premere ESC per disattivarlo (anche in caso di errore)."),
                            page, {2, 196, 355, 16});
    escNotice->setObjectName(QStringLiteral("Label5"));
    for (QLabel* l : {warning, escNotice}) {
        l->setAlignment(Qt::AlignCenter);
        l->setWordWrap(true);
    }

    Button1 = new QPushButton(QStringLiteral("Attiva"), page);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(98, 214, 75, 24);
    Button2 = new QPushButton(texts::Close, page);
    Button2->setObjectName(QStringLiteral("Button2"));
    Button2->setGeometry(189, 214, 75, 24);
    return page;
}

QWidget* Form6::createLightTab(const QString& caption, const QString& prefix, LightControls& c,
                               const QString& lights)
{
    auto* page = new QWidget;
    auto* group = new QGroupBox(caption, page);
    group->setGeometry(3, 2, 173, 114);

    const QString letters[3] = {QStringLiteral("r"), QStringLiteral("g"), QStringLiteral("b")};
    const QString captions[3] = {QStringLiteral("R"), QStringLiteral("V"), QStringLiteral("B")};
    for (int i = 0; i < 3; ++i) {
        const int y = 20 + 30 * i;
        auto* fieldLabel = label(captions[i], group, {8, y + 3, 12, 14});
        c.fields[i] = new QLineEdit(group);
        fieldLabel->setBuddy(c.fields[i]);
        c.fields[i]->setObjectName(QStringLiteral("e") + prefix + letters[i]);
        c.fields[i]->setGeometry(20, y, 24, 20);
        c.upDowns[i] = new UpDown(1, 10, 1, group);
        c.upDowns[i]->setObjectName(prefix + letters[i] + QStringLiteral("UpDown"));
        c.upDowns[i]->setGeometry(44, y, 14, 20);
        c.upDowns[i]->setAssociate(c.fields[i]);
        // Both light tabs have R, V and B: the arrows say which lights they step.
        c.upDowns[i]->setValueName(QStringLiteral("%1 %2").arg(captions[i], lights));
    }
    c.definite = new QRadioButton(QStringLiteral("Definite"), group);
    c.definite->setObjectName(prefix + QStringLiteral("defin"));
    c.definite->setGeometry(76, 21, 90, 18);
    c.random = new QRadioButton(QStringLiteral("Casuali"), group);
    c.random->setObjectName(prefix + QStringLiteral("cas"));
    c.random->setGeometry(76, 51, 90, 18);
    c.normal = new QRadioButton(QStringLiteral("Normali"), group);
    c.normal->setObjectName(prefix + QStringLiteral("norm"));
    c.normal->setGeometry(76, 81, 90, 18);
    c.normal->setChecked(true);

    if (&c == &m_objectLight) {
        elucr = c.fields[0];
        elucg = c.fields[1];
        elucb = c.fields[2];
        lucrUpDown = c.upDowns[0];
        lucgUpDown = c.upDowns[1];
        lucbUpDown = c.upDowns[2];
        lucdefin = c.definite;
        luccas = c.random;
        lucnorm = c.normal;
    } else {
        eambr = c.fields[0];
        eambg = c.fields[1];
        eambb = c.fields[2];
        ambrUpDown = c.upDowns[0];
        ambgUpDown = c.upDowns[1];
        ambbUpDown = c.upDowns[2];
        ambdefin = c.definite;
        ambcas = c.random;
        ambnorm = c.normal;
    }
    return page;
}

QWidget* Form6::createInfoTab()
{
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("Info"));
    auto* group = new QGroupBox(QStringLiteral("Info"), page);
    group->setGeometry(4, 2, 355, 204);
    InfoLabel = new QLabel(group);
    InfoLabel->setObjectName(QStringLiteral("Label6"));
    InfoLabel->setGeometry(6, 18, 343, 180);
    InfoLabel->setAlignment(Qt::AlignCenter);
    // Five lines as written, in a type small enough for the longest.
    QFont small = InfoLabel->font();
    small.setPointSize(7);
    InfoLabel->setFont(small);
    InfoLabel->setText(
        QStringLiteral("Il sottoprogramma \"Virmosk Screen Saver\" di Corvalto 3.0 \n"
                       "rimarrà alla versione 1.0 per non appesantire le dimensioni del\n"
                       "programma principale; \"Virmosk Screen Saver 2.0\" e successivi\n"
                       "verranno pubblicati separatamente sul sito \n") +
        author::webPage());
    Button3 = new QPushButton(texts::Close, page);
    Button3->setObjectName(QStringLiteral("Button3"));
    Button3->setGeometry(144, 214, 75, 24);
    // The Direct3D page has a "Chiudi" of its own.
    Button3->setAccessibleName(QStringLiteral("Chiudi Info"));
    return page;
}

void Form6::FormCreate()
{
    ogg->setCurrentIndex(0);
    ris->setCurrentIndex(0);
    enableLightFields(m_objectLight, false);
    enableLightFields(m_ambientLight, false);
}

void Form6::enableLightFields(const LightControls& c, bool enabled)
{
    for (int i = 0; i < 3; ++i) {
        c.fields[i]->setEnabled(enabled);
        c.upDowns[i]->setEnabled(enabled);
    }
}

int Form6::objectItem() const
{
    return selectedItem(ogg);
}

int Form6::resolutionItem() const
{
    return selectedItem(ris);
}

void Form6::setDesktopMetricsSource(std::function<DesktopMetrics()> source)
{
    m_desktopMetrics = std::move(source);
}

Form6::DesktopMetrics Form6::desktopMetrics() const
{
    if (m_desktopMetrics)
        return m_desktopMetrics();
    const QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen();
    if (!s)
        return {};
    return {int(std::lround(s->geometry().width() * s->devicePixelRatio())), s->depth()};
}

DisplayLayer* Form6::display() const
{
    return m_ctx.windows.form7 ? m_ctx.windows.form7->DXDraw : nullptr;
}

void Form6::setBitCount(int bits)
{
    if (DisplayLayer* d = display())
        d->config().setBitCount(bits);
}

void Form6::openSettings()
{
    const QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen();
    if (s) {
        const QRect desk = s->availableGeometry();
        move(desk.x() + (desk.width() - width()) / 2, desk.y() + (desk.height() - height()) / 2);
    }
    PageControl1->setCurrentIndex(0);

    const DesktopMetrics desktop = desktopMetrics();
    const int item = saver::resolutionItemForWidth(desktop.width);
    if (item >= 0)
        ris->setCurrentIndex(item);
    // Selecting a depth button also sets the display's depth, through its handler.
    switch (desktop.bitsPerPixel) {
    case 16:
        bit16->setChecked(true);
        break;
    case 24:
        bit24->setChecked(true);
        break;
    case 32:
        bit32->setChecked(true);
        break;
    default:
        break;
    }
    show();
    raise();
    activateWindow();
}

ScreenSaverSettings::Colour Form6::lightFrom(const LightControls& c, double normalLevel)
{
    saver::LightMode mode = saver::LightMode::Normal;
    if (c.definite->isChecked())
        mode = saver::LightMode::Definite;
    else if (c.random->isChecked())
        mode = saver::LightMode::Random;
    return saver::lightColour(mode, normalLevel, c.fields[0]->text().toInt(),
                              c.fields[1]->text().toInt(), c.fields[2]->text().toInt(),
                              [this](int max) { return m_ctx.draw(max); });
}

void Form6::Button1Click()
{
    guarded(m_ctx, this, [this] {
        // Without the module that reads the meshes nothing starts, not even the
        // busy pointer.
        MeshReader::load();
        setPointer(Qt::WaitCursor);
        saver::applyObject(m_settings, objectItem());
        DisplayLayer* d = display();
        const int res = resolutionItem();
        if (d && res >= 0) {
            d->config().setWidth(saver::resolutionChoices()[res].width);
            d->config().setHeight(saver::resolutionChoices()[res].height);
        }
        if (d)
            d->config().setOption(DisplayConfig::doZBuffer, zbuffer->isChecked());
        m_settings.objectLight = lightFrom(m_objectLight, saver::NormalObjectLevel);
        m_settings.ambientLight = lightFrom(m_ambientLight, saver::NormalAmbientLevel);
        m_settings.rotationSpeed = saver::rotationSpeed(Edit1->text().toInt());

        if (Form7* f = m_ctx.windows.form7) {
            f->showWindow();
            setPointer(Qt::BlankCursor);
            f->DXDraw->initialize();
        }
    });
}

void Form6::Button2Click()
{
    close();
}
