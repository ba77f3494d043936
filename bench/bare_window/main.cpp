#include "ui/first_paint_probe.h"

#include <QApplication>
#include <QMainWindow>

// The floor of the start-up benchmark: an empty Qt main window whose client area
// has the size of Corvalto's main window, nothing else.
int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    auto* client = new QWidget(&window);
    client->setFixedSize(624, 436);
    window.setCentralWidget(client);
    FirstPaintProbe::installIfRequested(&window);
    window.show();
    return app.exec();
}
