#pragma once

#include "app/corvalto_app.h"
#include "core/app_context.h"
#include "support/scripted_prompts.h"

#include <QString>
#include <QTemporaryDir>

#include <memory>

// A program folder of its own for one test: the built pictures (imm/ linked
// from the build's program folder, or copied when the test wants to change
// them), an empty config.ini, liste/ and riff/; the working directory is moved
// into it for the test's lifetime.
class TestProgramFolder
{
public:
    enum class Imm { Linked, Copied };

    explicit TestProgramFolder(Imm imm = Imm::Linked, bool withConfig = true);
    ~TestProgramFolder();

    // With a trailing "/".
    QString path() const { return m_dir.path() + QLatin1Char('/'); }
    QString file(const QString& relative) const { return path() + relative; }
    void writeConfig(const QStringList& lines);
    void removeFile(const QString& relative);

private:
    QTemporaryDir m_dir;
    QString m_previousDir;
};

// The whole program with scripted prompts, a fixed seed and its own folder.
class TestApp
{
public:
    explicit TestApp(TestProgramFolder::Imm imm = TestProgramFolder::Imm::Linked,
                     bool withConfig = true, unsigned seed = 1);
    // Starts the program on a folder the test has prepared.
    TestApp(std::shared_ptr<TestProgramFolder> folder, unsigned seed = 1);
    ~TestApp();

    ScriptedPrompts prompts;
    AppContext ctx;
    std::shared_ptr<TestProgramFolder> folder;
    std::unique_ptr<CorvaltoApp> app;

    const Windows& w() const { return app->windows(); }

private:
    void start(unsigned seed);
};

// Fixed locale and font so that no test depends on the machine.
void initTestEnvironment();
