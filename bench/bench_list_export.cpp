#include "bench.h"

#include "chordlist/chord_spelling.h"
#include "chordlist/list_transposer.h"
#include "chords/chord_catalogue.h"
#include "documents/list_file.h"
#include "export/chord_sheet.h"
#include "export/chordpro_writer.h"

#include <QBuffer>
#include <QElapsedTimer>

#include <iostream>

namespace {

// A full list: 300 entries of every chord in turn, a blank after every five chords, the
// second position where a chord has one every other time, and four lines of information.
ListFile fullList()
{
    ListFile list;
    list.title = QStringLiteral("Lista piena");
    for (int i = 0; list.entries.size() < ListFile::MaxEntries; ++i) {
        if (i % 6 == 5) {
            list.entries << QStringLiteral("-");
            list.pictures << QString();
            continue;
        }
        const int root = (i * 5) % chords::RootCount;
        const int type = (i / 2) % chords::TypeCount;
        const QString name = chordlist::italianName(root, type);
        const auto second = chords::secondPosition(name);
        list.entries << name;
        list.pictures << (second && i % 2 ? second->secondPicture
                                          : chords::chordPicture(root, type));
    }
    list.information = {"Capo al II tasto", "Strofa e ritornello due volte", "", "Finale lento"};
    return list;
}

template <typename Run> double medianOf(int runs, Run run)
{
    std::vector<double> samples;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        run();
        samples.push_back(bench::msSince(timer));
    }
    return bench::median(samples);
}

// Transposing, the PDF and the ChordPro song of a full list, as the commands make them
// once the file is chosen (the PDF into memory: the disk is not what is measured).
void listExportBench()
{
    const ListFile list = fullList();
    int unrecognised = 0;
    const double transpose = medianOf(50, [&] {
        chordlist::ListTransposer transposer;
        unrecognised += transposer.transpose(list.entries, list.pictures, 2).unrecognised;
    });
    qint64 pdfBytes = 0;
    int pages = 0;
    const double pdf = medianOf(10, [&] {
        const ChordSheet sheet(list);
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        sheet.writePdf(buffer);
        pdfBytes = buffer.size();
        pages = sheet.pageCount();
    });
    qsizetype songBytes = 0;
    const double chordPro = medianOf(50, [&] { songBytes = chordpro::songBytes(list).size(); });

    std::cout << "transpose 300 entries up 2 semitones: median " << transpose << " ms ("
              << unrecognised << " unrecognised)\n"
              << "PDF of 300 entries: median " << pdf << " ms (" << pages << " pages, " << pdfBytes
              << " bytes)\n"
              << "ChordPro of 300 entries: median " << chordPro << " ms (" << songBytes
              << " bytes)\n";
}

} // namespace

CORVALTO_BENCH("list export", listExportBench);
