#include "bench.h"

#include "app/corvalto_app.h"
#include "app/main_window.h"
#include "chordlist/chord_list_model.h"
#include "core/app_context.h"
#include "core/text_file.h"
#include "documents/document_controller.h"
#include "documents/information_window.h"
#include "documents/list_file.h"
#include "support/scripted_prompts.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLineEdit>
#include <QTemporaryDir>

#include <iostream>

namespace {

// Save in place and open of a full list (300 entries) with 200 lines of
// additional information, through the main window's real commands: the buffer
// built, the file encoded and written atomically, the banner and caption
// updated; the file read, checked, and the list, title, information and
// counters replaced.
void documentsBench()
{
    bench::Program program;
    program.app->show();
    QApplication::processEvents();
    MainWindow* f = program.app->windows().mainWindow;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Trecento.qvl"));

    ListFile full;
    full.title = QStringLiteral("Trecento accordi");
    for (int i = 0; i < ChordListModel::Capacity; ++i) {
        full.entries.append(i % 10 == 9 ? QStringLiteral("-") : QStringLiteral("FA# 9 / SOLb 9"));
        full.pictures.append(i % 10 == 9 ? QString() : QStringLiteral("fa_diesis_9.gif"));
    }
    for (int i = 0; i < 200; ++i)
        full.information.append(QStringLiteral("Riga %1: capo al II tasto.").arg(i + 1));
    textfile::writeLines(path, full.lines());

    DocumentController& documents = f->documents();
    std::vector<double> opens;
    std::vector<double> saves;
    for (int i = 0; i < 60; ++i) {
        QElapsedTimer timer;
        timer.start();
        documents.loadListFile(path);
        opens.push_back(bench::msSince(timer));

        f->documents().markModified();
        timer.restart();
        documents.saveList();
        saves.push_back(bench::msSince(timer));
        QApplication::processEvents();
    }
    const QStringList written = textfile::readLines(path);
    const qsizetype infoLines = written.size() - 2 - 2 * ChordListModel::Capacity;

    // The parts: encoding and the atomic write (temporary file, sync, rename).
    std::vector<double> encodes;
    std::vector<double> writes;
    const QStringList lines = full.lines();
    for (int i = 0; i < 60; ++i) {
        QElapsedTimer timer;
        timer.start();
        const QByteArray bytes = textfile::encodeLines(lines);
        encodes.push_back(bench::msSince(timer));
        timer.restart();
        textfile::writeLines(path, lines);
        writes.push_back(bench::msSince(timer));
    }

    std::cout << "open list (300 entries, 200 information lines in the file): median "
              << bench::median(opens) << " ms (target < 5 ms)" << std::endl;
    std::cout << "save list in place (300 entries, " << infoLines
              << " information lines written): median " << bench::median(saves)
              << " ms (target < 5 ms)" << std::endl;
    std::cout << "of which encoding " << bench::median(encodes)
              << " ms; the atomic write alone (temporary file, data sync, rename) "
              << bench::median(writes) << " ms" << std::endl;
    std::cout << "file size " << QFileInfo(path).size() << " bytes, errors reported "
              << program.prompts.texts(QStringLiteral("error")).size() << std::endl;
}

} // namespace

CORVALTO_BENCH("documents", documentsBench);
