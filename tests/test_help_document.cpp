#include "app/about_window.h"
#include "core/author.h"
#include "documents/information_window.h"
#include "documents/title_dialog.h"
#include "htmlpage/page_preview_window.h"
#include "riff/riff_editor.h"
#include "screensaver/saver_settings_window.h"
#include "support/window_driver.h"

#include <QAbstractButton>
#include <QFile>
#include <QMenuBar>
#include <QRegularExpression>
#include <QSet>
#include <QShortcut>
#include <QStringDecoder>
#include <QTextDocumentFragment>
#include <QtTest>

// The help document beside the program is the user's guide to the program as it
// is: every caption, command and shortcut the main window shows, and every other
// window by its caption, must be found in it.
class TestHelpDocument : public QObject
{
    Q_OBJECT

private:
    static QString helpPath()
    {
        return QStringLiteral(CORVALTO_PROGRAM_DIR "/Corvalto 3.0 Help.html");
    }

    static QByteArray helpBytes()
    {
        QFile f(helpPath());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    // The text a reader sees, blanks folded.
    static QString helpText()
    {
        const QString html = QString::fromUtf8(helpBytes());
        return QTextDocumentFragment::fromHtml(html).toPlainText().simplified();
    }

private slots:
    void initTestCase() { initTestEnvironment(); }

    void selfContainedAndNavigable()
    {
        const QByteArray bytes = helpBytes();
        QVERIFY2(!bytes.isEmpty(), qPrintable(helpPath()));

        QStringDecoder utf8(QStringDecoder::Utf8);
        const QString html = utf8(bytes);
        QVERIFY2(!utf8.hasError(), "the help document is not valid UTF-8");
        QVERIFY(html.contains(QLatin1String("<meta charset=\"utf-8\">")));
        QVERIFY(html.contains(QLatin1String("<html lang=\"it\">")));

        // Opened from the program folder by any browser: nothing may come from elsewhere.
        QVERIFY(!html.contains(QRegularExpression(QStringLiteral("<(script|img|link|iframe)\\b"))));
        QVERIFY(!html.contains(QRegularExpression(QStringLiteral("url\\s*\\("))));

        QSet<QString> ids;
        for (const auto& m :
             QRegularExpression(QStringLiteral("\\bid=\"([^\"]+)\"")).globalMatch(html)) {
            const QString id = m.captured(1);
            QVERIFY2(!ids.contains(id), qPrintable(QStringLiteral("duplicate id ") + id));
            ids.insert(id);
        }
        int links = 0;
        for (const auto& m :
             QRegularExpression(QStringLiteral("href=\"#([^\"]*)\"")).globalMatch(html)) {
            ++links;
            QVERIFY2(ids.contains(m.captured(1)),
                     qPrintable(QStringLiteral("no anchor #") + m.captured(1)));
        }
        QVERIFY(links > 20);
    }

    void namesWhatTheProgramShows_data()
    {
        QTest::addColumn<QString>("shown");

        TestApp t;
        MainWindow* f = t.w().mainWindow;
        QStringList texts{f->windowTitle()};
        for (QAction* menu : f->menuBar()->actions()) {
            texts << menu->text();
            for (QAction* a : menu->menu()->actions()) {
                texts << a->text();
                if (!a->shortcut().isEmpty())
                    texts << a->shortcut().toString(QKeySequence::PortableText);
            }
        }
        for (QAction* a : controls(f).PopupMenu1->actions())
            texts << a->text();
        for (QShortcut* s : f->findChildren<QShortcut*>())
            texts << s->key().toString(QKeySequence::PortableText);
        for (QToolButton* b : f->findChildren<QToolButton*>())
            texts << b->toolTip();
        for (QAbstractButton* b : f->findChildren<QAbstractButton*>())
            texts << b->text();
        for (QGroupBox* g : f->findChildren<QGroupBox*>())
            texts << g->title();
        for (QWidget* w :
             QList<QWidget*>{t.w().aboutWindow, t.w().pagePreview, t.w().titleDialog,
                             t.w().informationWindow, t.w().saverSettings, t.w().riffEditor})
            texts << w->windowTitle();

        QSet<QString> seen;
        for (QString text : texts) {
            // The menus show a mnemonic's "&" as an underlined letter.
            text.remove(QLatin1Char('&'));
            // Separators and icon-only buttons have nothing to look up.
            if (text.isEmpty() || text == QLatin1String("-") || seen.contains(text))
                continue;
            seen.insert(text);
            QTest::newRow(qPrintable(text)) << text;
        }
        QVERIFY(seen.size() > 40);
    }

    void namesWhatTheProgramShows()
    {
        static const QString text = helpText();
        QFETCH(QString, shown);
        QVERIFY2(text.contains(shown),
                 qPrintable(QStringLiteral("the help never mentions ") + shown));
    }

    void namesTheProgramFolders_data()
    {
        QTest::addColumn<QString>("phrase");
        QTest::newRow("list files") << QStringLiteral(".qvl");
        QTest::newRow("list folder") << QStringLiteral("liste");
        QTest::newRow("riff folder") << QStringLiteral("riff");
        QTest::newRow("recent files") << QStringLiteral("config.ini");
        QTest::newRow("page beside the list") << QStringLiteral("Canzone.qvl.html");
        QTest::newRow("author's page") << author::webPage();
        QTest::newRow("author's e-mail") << author::email();
    }

    void namesTheProgramFolders()
    {
        static const QString text = helpText();
        QFETCH(QString, phrase);
        QVERIFY(text.contains(phrase));
    }
};

QTEST_MAIN(TestHelpDocument)
#include "test_help_document.moc"
