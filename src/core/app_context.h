#pragma once

#include <QString>

#include <functional>
#include <random>

class ChordListDocument;
class Prompts;
// What the running program shares beyond the main window's own state, and what
// tests inject: the prompts, the program folder, the random seed.
struct AppContext
{
    static inline const QString InitialTitle = QStringLiteral("Corvalto 3.0");

    Prompts* prompts = nullptr;
    // The folder of imm/ and the help document with a trailing "/", set before
    // the main window's start-up steps read it: the executable's folder when
    // portable, <prefix>/share/corvalto/ when installed (ProgramLayout).
    QString programDir;
    // config.ini with its full path; empty means config.ini in programDir.
    QString configFile;
    // The application title (task-bar text); it scrolls and captions error reports.
    QString applicationTitle = InitialTitle;
    // Gives the seed of the random generator at start-up; defaults to the time of
    // day in milliseconds.
    std::function<unsigned()> seedSource;
    std::mt19937 random;
    // The chord list the windows show, created before them and ending after them.
    ChordListDocument* document = nullptr;
    // Called whenever applicationTitle changes.
    std::function<void(const QString&)> onTitleChanged;

    void setApplicationTitle(const QString& title)
    {
        applicationTitle = title;
        if (onTitleChanged)
            onTitleChanged(title);
    }

    QString configPath() const
    {
        return configFile.isEmpty() ? programDir + QStringLiteral("config.ini") : configFile;
    }

    // A uniformly distributed integer in 0..max from the program's one generator.
    int draw(int max) { return std::uniform_int_distribution<int>(0, max)(random); }
};
