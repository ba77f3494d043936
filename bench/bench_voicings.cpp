#include "bench.h"

#include "chords/chord_catalogue.h"
#include "chords/chord_identifier.h"
#include "chords/fingering_engine.h"
#include "chords/tuning.h"

#include <QElapsedTimer>
#include <QFile>

#include <ctime>
#include <iomanip>
#include <iostream>

// The fingering engine: every fingering of all 144 chords in one tuning, target under
// 50 ms; and naming the chord of a shape, target under 1 ms.
//
//   corvalto-bench voicings [--tsv FILE]
//
// with --tsv writes every ranked fingering of all 144 chords in every tuning (capo 0), one
// a line: root and type as the selectors show them, tuning id, rank from 1, frets and
// fingers from the low MI string.
//
//   corvalto-bench which-chord --frets "x 3 2 0 1 0" [--tuning dadgad] [--capo N]
//
// prints the names of the chords the shape makes, best first, or one line "nessun
// accordo - Note: ...".
namespace {

using namespace chords;

QString valueAfter(const QStringList& args, const QString& option, const QString& fallback = {})
{
    const qsizetype at = args.indexOf(option);
    return at >= 0 && at + 1 < args.size() ? args[at + 1] : fallback;
}

size_t allFingerings(const Tuning& tuning)
{
    size_t count = 0;
    for (int type = 0; type < TypeCount; ++type) {
        for (int root = 0; root < RootCount; ++root)
            count += fingerings(root, static_cast<ChordType>(type), tuning).size();
    }
    return count;
}

int writeTsv(const QString& path)
{
    const QStringList roots = noteLabels(false);
    const QStringList types = typeLabels();
    QByteArray out;
    for (const Tuning& tuning : tunings()) {
        for (int root = 0; root < RootCount; ++root) {
            for (int type = 0; type < TypeCount; ++type) {
                const std::vector<Fingering> found =
                    fingerings(root, static_cast<ChordType>(type), tuning);
                const QByteArray head = roots[root].toUtf8() + '\t' + types[type].toUtf8() + '\t' +
                                        QByteArray(tuning.id) + '\t';
                for (size_t rank = 0; rank < found.size(); ++rank) {
                    out += head + QByteArray::number(static_cast<qulonglong>(rank + 1)) + '\t' +
                           QByteArray::fromStdString(found[rank].fretsText()) + '\t' +
                           QByteArray::fromStdString(found[rank].fingersText()) + '\n';
                }
            }
        }
    }
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(out) != out.size()) {
        std::cerr << "cannot write " << path.toStdString() << '\n';
        return 1;
    }
    std::cout << "wrote " << out.count('\n') << " fingerings to " << path.toStdString() << '\n';
    return 0;
}

int voicingsBench(const QStringList& args)
{
    const QString tsv = valueAfter(args, QStringLiteral("--tsv"));
    if (!tsv.isEmpty())
        return writeTsv(tsv);
    std::cout << std::fixed << std::setprecision(2);
    for (const Tuning& tuning : tunings()) {
        // The processor time beside the wall time: on a machine shared with other work the
        // wall time measures the neighbours too.
        std::vector<double> samples;
        std::vector<double> processor;
        size_t count = 0;
        for (int run = 0; run < 9; ++run) {
            QElapsedTimer timer;
            timer.start();
            const std::clock_t start = std::clock();
            count = allFingerings(tuning);
            processor.push_back(1000.0 * static_cast<double>(std::clock() - start) /
                                CLOCKS_PER_SEC);
            samples.push_back(bench::msSince(timer));
        }
        std::cout << "all fingerings of the 144 chords, " << std::left << std::setw(9) << tuning.id
                  << std::right << std::setw(8) << bench::median(samples)
                  << " ms (target < 50 ms; processor " << bench::median(processor) << " ms), "
                  << count << " fingerings\n";
    }
    return 0;
}

int whichChord(const QStringList& args)
{
    const QString fretsText = valueAfter(args, QStringLiteral("--frets"));
    const Tuning* tuning = findTuning(
        valueAfter(args, QStringLiteral("--tuning"), QStringLiteral("standard")).toStdString());
    bool capoOk = false;
    const int capo = valueAfter(args, QStringLiteral("--capo"), QStringLiteral("0")).toInt(&capoOk);
    if (fretsText.isEmpty()) {
        // Run with the others: time the naming of a few shapes.
        const std::vector<Frets> shapes = {*parseFrets("x32010"), *parseFrets("022100"),
                                           *parseFrets("xx2220"), *parseFrets("133211"),
                                           *parseFrets("x35343"), *parseFrets("x46654")};
        std::vector<double> samples;
        size_t names = 0;
        for (int run = 0; run < 200; ++run) {
            for (const Frets& frets : shapes) {
                QElapsedTimer timer;
                timer.start();
                const Identification found = identifyChord(frets, standardTuning());
                for (const ChordMatch& match : found.matches)
                    names += static_cast<size_t>(matchName(match).size());
                samples.push_back(bench::msSince(timer));
            }
        }
        std::cout << std::fixed << std::setprecision(4) << "naming a shape, median "
                  << bench::median(samples) << " ms (target < 1 ms), worst "
                  << *std::max_element(samples.begin(), samples.end()) << " ms (" << names
                  << " characters)\n";
        return 0;
    }
    const std::optional<Frets> frets = parseFrets(fretsText.toStdString());
    if (!frets || !tuning || !capoOk || capo < 0 || capo > MaxCapo) {
        std::cerr << "usage: corvalto-bench which-chord --frets \"x 3 2 0 1 0\" [--tuning "
                     "standard|halfdown|dropd|dadgad|openg|opend] [--capo 0-9]\n";
        return 2;
    }
    const Identification found = identifyChord(*frets, *tuning, capo);
    if (found.matches.empty()) {
        std::cout << "nessun accordo - Note: "
                  << noteNames(found.pitchClasses, found.bass).toStdString() << '\n';
        return 0;
    }
    for (const ChordMatch& match : found.matches)
        std::cout << matchName(match).toStdString() << '\n';
    return 0;
}

} // namespace

CORVALTO_BENCH("voicings", bench::Command(voicingsBench));
CORVALTO_BENCH("which-chord", bench::Command(whichChord));
