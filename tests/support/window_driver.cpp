#include "support/window_driver.h"

#include "chordlist/chord_list_model.h"
#include "chords/chord_catalogue.h"
#include "support/chord_pictures.h"

#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>

namespace driver {

namespace {

bool buildHasEveryPicture()
{
    const QDir imm(QStringLiteral(CORVALTO_PROGRAM_DIR "/imm"));
    for (const QString& name : chords::allPictureFiles()) {
        if (!imm.exists(name))
            return false;
    }
    return true;
}

// Replaces the folder's link to the build's imm/ by a folder of links to its
// files, far cheaper than copies.
void linkEachPicture(const TestProgramFolder& folder)
{
    const QString imm = folder.file(QStringLiteral("imm"));
    QFile::remove(imm);
    QDir().mkpath(imm);
    const QDir built(QStringLiteral(CORVALTO_PROGRAM_DIR "/imm"));
    for (const QFileInfo& fi : built.entryInfoList(QDir::Files))
        QFile::link(fi.absoluteFilePath(), imm + QLatin1Char('/') + fi.fileName());
}

} // namespace

std::unique_ptr<TestApp> startShown(Pictures pictures)
{
    const bool complete = buildHasEveryPicture();
    auto folder = std::make_shared<TestProgramFolder>(TestProgramFolder::Imm::Linked);
    if (pictures == Pictures::Own || !complete) {
        linkEachPicture(*folder);
        ensureChordPictures(*folder);
    }
    auto t = std::make_unique<TestApp>(folder);
    t->app->show();
    if (!QTest::qWaitForWindowExposed(t->w().mainWindow))
        qWarning("main window not exposed");
    return t;
}

void clickIndicator(QAbstractButton* button)
{
    QStyleOptionButton opt;
    opt.initFrom(button);
    opt.text = button->text();
    const QStyle::SubElement element = qobject_cast<QCheckBox*>(button)
                                           ? QStyle::SE_CheckBoxIndicator
                                           : QStyle::SE_RadioButtonIndicator;
    const QPoint at = button->style()->subElementRect(element, &opt, button).center();
    QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, at);
}

void clickButton(QAbstractButton* button)
{
    QTest::mouseClick(button, Qt::LeftButton);
}

void clickRow(MainWindow* form, int row)
{
    const QModelIndex index = form->listDocument().entries().index(row, 0);
    controls(form).ListBox1->scrollTo(index);
    const QRect r = controls(form).ListBox1->visualRect(index);
    QTest::mouseClick(controls(form).ListBox1->viewport(), Qt::LeftButton, Qt::NoModifier,
                      r.center());
}

void pressKey(MainWindow* form, int key)
{
    controls(form).ListBox1->setFocus();
    QTest::keyClick(controls(form).ListBox1, static_cast<Qt::Key>(key));
}

void pickRoot(MainWindow* form, int root)
{
    clickIndicator(controls(form).note->button(root));
}

void pickType(MainWindow* form, int type)
{
    clickIndicator(controls(form).toni->button(type));
}

void pickChord(MainWindow* form, int root, int type)
{
    pickRoot(form, root);
    pickType(form, type);
}

QString shownPicture(MainWindow* form)
{
    const QString path = controls(form).gif->fileName();
    return path.isEmpty() ? QString() : QFileInfo(path).fileName();
}

} // namespace driver
