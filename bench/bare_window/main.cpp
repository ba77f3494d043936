#include "shell/first_paint_probe.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QVBoxLayout>

#include <cstring>

namespace {

QLabel* label(const QString& text, QWidget* parent, const QFont& font)
{
    auto* l = new QLabel(text, parent);
    l->setFont(font);
    parent->layout()->addWidget(l);
    return l;
}

// Three captions, one in each face Corvalto's main window shows, at its sizes:
// what any window showing the program's texts pays for them.
void addTexts(QWidget* client)
{
    QFont base(QStringLiteral("DejaVu Sans"));
    base.setPointSize(8);
    QApplication::setFont(base);
    new QVBoxLayout(client);
    label(QStringLiteral("Aggiungi in Lista"), client, base);
    QFont condensed(QStringLiteral("DejaVu Sans Condensed"));
    condensed.setPointSize(8);
    label(QStringLiteral("DO# / REb"), client, condensed);
    QFont design(QStringLiteral("TeX Gyre Bonum"));
    design.setPixelSize(21);
    design.setBold(true);
    design.setItalic(true);
    label(QStringLiteral("Scegli"), client, design);
}

} // namespace

// The floor of the start-up benchmark: an empty Qt main window whose client area
// has the size of Corvalto's main window, nothing else; with --text, the same
// window with a caption in each of Corvalto's faces.
int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    auto* client = new QWidget(&window);
    client->setFixedSize(624, 436);
    window.setCentralWidget(client);
    if (argc > 1 && std::strcmp(argv[1], "--text") == 0)
        addTexts(client);
    FirstPaintProbe::installIfRequested(&window);
    window.show();
    return app.exec();
}
