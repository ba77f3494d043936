#include "screensaver/saver_settings_window.h"

#include "core/author.h"
#include "core/texts.h"
#include "screensaver/mesh_reader.h"
#include "shell/guard.h"
#include "ui/display/override_pointer.h"
#include "ui/widgets/up_down.h"
#include "ui_saver_settings_window.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTabBar>

#include <cmath>
#include <utility>

namespace {

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

SaverSettingsWindow::SaverSettingsWindow(AppContext& ctx, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint |
                          Qt::MSWindowsFixedSizeDialogHint),
      m_ctx(ctx), m_ui(std::make_unique<Ui::SaverSettingsWindow>())
{
    setObjectName(QStringLiteral("Form6"));
    setWindowTitle(texts::ScreenSaverTitle);
    setFixedSize(369, 276);
    createControls();

    for (auto [button, bits] :
         {std::pair{m_ui->bit16, 16}, std::pair{m_ui->bit24, 24}, std::pair{m_ui->bit32, 32}}) {
        connect(button, &QRadioButton::toggled, this, [this, bits = bits](bool on) {
            if (on)
                setBitCount(bits);
        });
    }
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
    connect(m_ui->Button1, &QPushButton::clicked, this, &SaverSettingsWindow::Button1Click);
    connect(m_ui->Button2, &QPushButton::clicked, this, &SaverSettingsWindow::Button2Click);
    connect(m_ui->Button3, &QPushButton::clicked, this, &SaverSettingsWindow::Button2Click);

    FormCreate();
}

SaverSettingsWindow::~SaverSettingsWindow() = default;

void SaverSettingsWindow::createControls()
{
    m_ui->setupUi(this);
    for (const saver::ObjectChoice& c : saver::objectChoices())
        m_ui->ogg->addItem(c.itemText);
    for (const saver::ResolutionChoice& c : saver::resolutionChoices())
        m_ui->ris->addItem(c.itemText);
    m_ui->UpDown1->setAssociate(m_ui->Edit1);
    m_ui->UpDown1->setValueName(QStringLiteral("Velocità"));

    // Both tab captions fit side by side in the small type.
    QFont small = m_ui->PageControl1->font();
    small.setPointSize(7);
    m_ui->PageControl1->tabBar()->setFont(small);
    m_objectLight = {{m_ui->elucr, m_ui->elucg, m_ui->elucb},
                     {m_ui->lucrUpDown, m_ui->lucgUpDown, m_ui->lucbUpDown},
                     m_ui->lucdefin,
                     m_ui->luccas,
                     m_ui->lucnorm};
    m_ambientLight = {{m_ui->eambr, m_ui->eambg, m_ui->eambb},
                      {m_ui->ambrUpDown, m_ui->ambgUpDown, m_ui->ambbUpDown},
                      m_ui->ambdefin,
                      m_ui->ambcas,
                      m_ui->ambnorm};
    const QString captions[3] = {QStringLiteral("R"), QStringLiteral("V"), QStringLiteral("B")};
    for (const auto& [c, lights] :
         {std::pair{&m_objectLight, QStringLiteral("luci oggetto")},
          std::pair{&m_ambientLight, QStringLiteral("luci ambientali")}}) {
        for (int i = 0; i < 3; ++i) {
            c->upDowns[i]->setAssociate(c->fields[i]);
            // Both light tabs have R, V and B: the arrows say which lights they step.
            c->upDowns[i]->setValueName(QStringLiteral("%1 %2").arg(captions[i], lights));
        }
    }

    m_ui->Button2->setText(texts::Close);
    m_ui->Button3->setText(texts::Close);
    // Five lines as written, in a type small enough for the longest.
    QLabel* info = m_ui->Label6;
    QFont infoFont = info->font();
    infoFont.setPointSize(7);
    info->setFont(infoFont);
    info->setText(QStringLiteral("Il sottoprogramma \"Virmosk Screen Saver\" di Corvalto 3.0 \n"
                                 "rimarrà alla versione 1.0 per non appesantire le dimensioni del\n"
                                 "programma principale; \"Virmosk Screen Saver 2.0\" e successivi\n"
                                 "verranno pubblicati separatamente sul sito \n") +
                  author::webPage());
}

void SaverSettingsWindow::FormCreate()
{
    m_ui->ogg->setCurrentIndex(0);
    m_ui->ris->setCurrentIndex(0);
    enableLightFields(m_objectLight, false);
    enableLightFields(m_ambientLight, false);
}

void SaverSettingsWindow::enableLightFields(const LightControls& c, bool enabled)
{
    for (int i = 0; i < 3; ++i) {
        c.fields[i]->setEnabled(enabled);
        c.upDowns[i]->setEnabled(enabled);
    }
}

int SaverSettingsWindow::objectItem() const
{
    return selectedItem(m_ui->ogg);
}

int SaverSettingsWindow::resolutionItem() const
{
    return selectedItem(m_ui->ris);
}

void SaverSettingsWindow::setDesktopMetricsSource(std::function<DesktopMetrics()> source)
{
    m_desktopMetrics = std::move(source);
}

SaverSettingsWindow::DesktopMetrics SaverSettingsWindow::desktopMetrics() const
{
    if (m_desktopMetrics)
        return m_desktopMetrics();
    const QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen();
    if (!s)
        return {};
    return {int(std::lround(s->geometry().width() * s->devicePixelRatio())), s->depth()};
}

void SaverSettingsWindow::setBitCount(int bits)
{
    emit depthChosen(bits);
}

void SaverSettingsWindow::openSettings()
{
    const QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen();
    if (s) {
        const QRect desk = s->availableGeometry();
        move(desk.x() + (desk.width() - width()) / 2, desk.y() + (desk.height() - height()) / 2);
    }
    m_ui->PageControl1->setCurrentIndex(0);

    const DesktopMetrics desktop = desktopMetrics();
    const int item = saver::resolutionItemForWidth(desktop.width);
    if (item >= 0)
        m_ui->ris->setCurrentIndex(item);
    // Selecting a depth button also sets the display's depth, through its handler.
    switch (desktop.bitsPerPixel) {
    case 16:
        m_ui->bit16->setChecked(true);
        break;
    case 24:
        m_ui->bit24->setChecked(true);
        break;
    case 32:
        m_ui->bit32->setChecked(true);
        break;
    default:
        break;
    }
    show();
    raise();
    activateWindow();
}

ScreenSaverSettings::Colour SaverSettingsWindow::lightFrom(const LightControls& c,
                                                           double normalLevel)
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

void SaverSettingsWindow::Button1Click()
{
    guarded(m_ctx, this, [this] {
        // Without the module that reads the meshes nothing starts, not even the
        // busy pointer.
        MeshReader::load();
        setPointer(Qt::WaitCursor);
        saver::applyObject(m_settings, objectItem());
        ScreenSaverStart start;
        start.resolutionItem = resolutionItem();
        start.zBuffer = m_ui->zbuffer->isChecked();
        m_settings.objectLight = lightFrom(m_objectLight, saver::NormalObjectLevel);
        m_settings.ambientLight = lightFrom(m_ambientLight, saver::NormalAmbientLevel);
        m_settings.rotationSpeed = saver::rotationSpeed(m_ui->Edit1->text().toInt());
        start.settings = m_settings;
        emit startRequested(start);
    });
}

void SaverSettingsWindow::Button2Click()
{
    close();
}
