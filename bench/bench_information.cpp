#include "bench.h"

#include "app/main_window.h"
#include "chordlist/chord_list_model.h"
#include "documents/document_controller.h"
#include "documents/information_window.h"
#include "support/main_window_controls.h"
#include "ui/widgets/code_page_text_edit.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <iostream>

namespace {

// Saving a list whose information text is one long line, through the real save
// command: the line is laid out into the lines the information window shows,
// and the file written; a text beyond the information limit is refused before
// it is laid out.
void informationBench()
{
    bench::Program program;
    MainWindow* f = program.app->windows().mainWindow;
    const MainWindowControls ui = controls(f);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Lunga.qvl"));
    f->listDocument().entries().appendLine(QStringLiteral("DO Maggiore"));
    f->listDocument().entries().setPicture(0, QStringLiteral("do.gif"));
    f->listDocument().setCurrentListFile(path);
    f->listDocument().setHasFile(true);

    struct Case
    {
        qsizetype megabytes;
        const char* kind;
        QString pattern;
    };
    const QString sentence = QStringLiteral("Capo al II tasto, arpeggio lento sul ritornello. ");
    // Words, then one unbroken run: the case the toolkit lays out in quadratic time.
    for (const Case& c : {Case{1, "line of words", sentence}, Case{10, "line of words", sentence},
                          Case{1, "unbroken line", QStringLiteral("x")}}) {
        const qsizetype length = c.megabytes * 1000 * 1000;
        QString line;
        line.reserve(length + c.pattern.size());
        while (line.size() < length)
            line += c.pattern;
        line.truncate(length);
        program.app->windows()
            .informationWindow->findChild<QPlainTextEdit*>(QStringLiteral("Memo1"))
            ->setPlainText(line);

        program.prompts.clear();
        QFile::remove(path);
        std::vector<double> saves;
        for (int i = 0; i < 3; ++i) {
            QElapsedTimer timer;
            timer.start();
            ui.Salva1->trigger();
            saves.push_back(bench::msSince(timer));
        }
        const QStringList errors = program.prompts.texts(QStringLiteral("error"));
        std::cout << "save list with a " << c.megabytes << " MB information " << c.kind
                  << ": median " << bench::median(saves) << " ms (target well under 1000 ms), "
                  << (errors.isEmpty()
                          ? QStringLiteral("saved, file %1 bytes").arg(QFileInfo(path).size())
                          : QStringLiteral("refused: ") + errors.first())
                         .toStdString()
                  << std::endl;
    }
}

} // namespace

CORVALTO_BENCH("information", informationBench);
