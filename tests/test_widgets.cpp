#include "core/errors.h"
#include "shell/guarded_application.h"
#include "shell/real_prompts.h"
#include "support/scripted_prompts.h"
#include "support/test_app.h"
#include "ui/pictures/decoded_picture_cache.h"
#include "ui/style/design_font.h"
#include "ui/style/program_style.h"
#include "ui/widgets/entry_list_view.h"
#include "ui/widgets/picture_view.h"
#include "ui/widgets/radio_button.h"
#include "ui/widgets/radio_group.h"
#include "ui/widgets/scroll_bar.h"

#include <QAccessible>
#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QListView>
#include <QPainter>
#include <QProgressBar>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStringListModel>
#include <QStyleFactory>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>
#include <new>

namespace {

// Throws from its event handler, as a handler entered without the guard would.
class Thrower : public QObject
{
protected:
    bool event(QEvent* event) override
    {
        if (event->type() == QEvent::User)
            throw CorvaltoError(QStringLiteral("Errore di prova"));
        if (event->type() == QEvent::Type(QEvent::User + 1))
            throw std::bad_alloc();
        return QObject::event(event);
    }
};

// What a view shows of a JPEG picture: its decoded copy, the picture decoded
// again, or an error instead.
enum Shown { Copy, Picture, Error };

} // namespace

class TestWidgets : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { initTestEnvironment(); }
    void radioGroupEvents_data();
    void radioGroupEvents();
    void radioButtonEvents_data();
    void radioButtonEvents();
    void pictureView_data();
    void pictureView();
    void decodedCopies_data();
    void decodedCopies();
    void designFonts_data();
    void designFonts();
    void scrollBarPixels_data();
    void scrollBarPixels();
    void progressBarPixels_data();
    void progressBarPixels();
    void pictureCopiesPixels_data();
    void pictureCopiesPixels();
    void rowSizeFollowsRow_data();
    void rowSizeFollowsRow();
    void outlineInRuns_data();
    void outlineInRuns();
    void scrollBarRepaintsChanges_data();
    void scrollBarRepaintsChanges();
    void fileDialogModes_data();
    void fileDialogModes();
    void exceptionsStopAtTheEventLoop();
};

namespace {

// The widget drawn at (5, top) on a see-through magenta picture 10 pixels larger.
QImage overBackdrop(QWidget& widget, int top)
{
    QImage image(widget.size() + QSize(10, 10), QImage::Format_ARGB32_Premultiplied);
    image.fill(QColor(255, 0, 255, 200));
    widget.render(&image, QPoint(5, top));
    return image;
}

// The ways a user selects a radio item; "code" is the program's own selection.
enum class Means { Mouse, Space, Arrow, Toggle, Code };

void select(RadioGroup& group, int index, Means means)
{
    QRadioButton* item = group.button(index);
    switch (means) {
    case Means::Mouse:
        QTest::mouseClick(item, Qt::LeftButton);
        break;
    case Means::Space:
        item->setFocus();
        QTest::keyClick(item, Qt::Key_Space);
        break;
    case Means::Arrow:
        // From the item above, which need not be selected.
        QTest::keyClick(group.button(index - 1), Qt::Key_Down);
        break;
    case Means::Toggle:
        QAccessible::queryAccessibleInterface(item)->actionInterface()->doAction(
            QAccessibleActionInterface::toggleAction());
        break;
    case Means::Code:
        group.setItemIndex(index);
        break;
    }
}

} // namespace

Q_DECLARE_METATYPE(Means)

void TestWidgets::radioGroupEvents_data()
{
    QTest::addColumn<Means>("means");
    QTest::newRow("mouse") << Means::Mouse;
    QTest::newRow("space") << Means::Space;
    QTest::newRow("arrow key") << Means::Arrow;
    QTest::newRow("accessibility toggle") << Means::Toggle;
    QTest::newRow("code") << Means::Code;
}

void TestWidgets::radioGroupEvents()
{
    QFETCH(Means, means);
    RadioGroup group(QStringLiteral("Note"), {"DO", "RE", "MI"});
    group.resize(97, 120);
    group.show();
    group.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&group));
    QSignalSpy clicked(&group, &RadioGroup::clicked);
    auto checkedItems = [&] {
        QList<int> on;
        for (int i = 0; i < group.count(); ++i) {
            if (group.button(i)->isChecked())
                on.append(i);
        }
        return on;
    };
    // Tab enters a group without selection at its first item.
    QCOMPARE(group.button(0)->focusPolicy(), Qt::StrongFocus);

    select(group, 1, means);
    QCOMPARE(group.itemIndex(), 1);
    QCOMPARE(clicked.size(), 1);
    QCOMPARE(clicked.last().first().toInt(), 1);
    select(group, 2, means);
    QCOMPARE(group.itemIndex(), 2);
    QCOMPARE(checkedItems(), QList<int>{2});
    QCOMPARE(clicked.size(), 2);
    // The item already selected raises nothing and stays selected.
    select(group, 2, means);
    QCOMPARE(checkedItems(), QList<int>{2});
    QCOMPARE(clicked.size(), 2);
    // Tab enters at the selected item; the arrows stop at the ends of the column.
    QCOMPARE(group.button(2)->focusPolicy(), Qt::StrongFocus);
    QCOMPARE(group.button(0)->focusPolicy() & Qt::TabFocus, 0);
    QTest::keyClick(group.button(2), Qt::Key_Right);
    QCOMPARE(group.itemIndex(), 2);

    // New item texts keep the selection silently; no selection from code is silent.
    group.setItems({"C", "D", "E"});
    QCOMPARE(group.items(), QStringList({"C", "D", "E"}));
    QCOMPARE(group.itemIndex(), 2);
    group.setItemIndex(-1);
    QCOMPARE(group.itemIndex(), -1);
    QVERIFY(checkedItems().isEmpty());
    QCOMPARE(clicked.size(), 2);
    QCOMPARE(group.button(0)->focusPolicy(), Qt::StrongFocus);
    // The group is exclusive again after the silent clearing.
    select(group, 1, Means::Mouse);
    select(group, 0, Means::Mouse);
    QCOMPARE(checkedItems(), QList<int>{0});
    QCOMPARE(clicked.size(), 4);
    for (int i = 0; i < group.count(); ++i)
        QCOMPARE(QAccessible::queryAccessibleInterface(group.button(i))->role(),
                 QAccessible::RadioButton);
}

void TestWidgets::radioButtonEvents_data()
{
    QTest::addColumn<Means>("means");
    QTest::newRow("mouse") << Means::Mouse;
    QTest::newRow("space") << Means::Space;
    QTest::newRow("accessibility toggle") << Means::Toggle;
}

void TestWidgets::radioButtonEvents()
{
    QFETCH(Means, means);
    QWidget box;
    RadioButton button(QStringLiteral("Spazio Vuoto"), &box);
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(&button);
    QCOMPARE(iface->role(), QAccessible::RadioButton);
    QSignalSpy selected(&button, &RadioButton::selected);
    auto act = [&] {
        if (means == Means::Mouse)
            QTest::mouseClick(&button, Qt::LeftButton);
        else if (means == Means::Space)
            QTest::keyClick(&button, Qt::Key_Space);
        else
            iface->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    };
    act();
    QVERIFY(button.isChecked());
    QCOMPARE(selected.size(), 1);
    act();
    QVERIFY(button.isChecked());
    QCOMPARE(selected.size(), 1);
    button.deselect();
    QVERIFY(!button.isChecked());
    QCOMPARE(selected.size(), 1);
    act();
    QCOMPARE(selected.size(), 2);
}

void TestWidgets::pictureView_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("error"); // empty: loads
    QTest::addColumn<QSize>("size");
    const QString imm = QStringLiteral(CORVALTO_PROGRAM_DIR "/imm/");
    QTest::newRow("JPEG banner") << imm + "virmoskc.jpg" << QString() << QSize(233, 22);
    QTest::newRow("missing") << imm + "nessuno.gif"
                             << "Cannot open file " + imm + "nessuno.gif" << QSize();
    QTest::newRow("the imm folder itself") << imm << "Cannot open file " + imm << QSize();
}

void TestWidgets::designFonts_data()
{
    QTest::addColumn<QString>("family");
    QTest::addColumn<QString>("substitute"); // empty: none
    QTest::addColumn<QString>("used");
    QTest::newRow("installed") << "DejaVu Sans"
                               << ""
                               << "DejaVu Sans";
    QTest::newRow("absent, substitute installed") << "Famiglia Assente Uno"
                                                  << "DejaVu Sans Mono"
                                                  << "DejaVu Sans Mono";
    QTest::newRow("absent, no substitute") << "Famiglia Assente Due"
                                           << ""
                                           << "Famiglia Assente Due";
    QTest::newRow("absent, substitute absent") << "Famiglia Assente Tre"
                                               << "Famiglia Assente Quattro"
                                               << "Famiglia Assente Tre";
}

void TestWidgets::designFonts()
{
    QFETCH(QString, family);
    QFETCH(QString, substitute);
    QFETCH(QString, used);
    if (!substitute.isEmpty())
        QFont::insertSubstitution(family, substitute);
    // The substitution table holds its names in lower case.
    QCOMPARE(designFont(family).family().toCaseFolded(), used.toCaseFolded());
}

void TestWidgets::scrollBarPixels_data()
{
    QTest::addColumn<int>("height"); // of the list; its scroll bar is 2 pixels shorter
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<bool>("rightToLeft");
    QTest::addColumn<int>("row"); // the row scrolled to
    QTest::addColumn<int>("top"); // where the list is drawn; above 0 it is cut off
    QTest::addColumn<bool>("seeThrough");
    QTest::newRow("main window's list, top") << 321 << true << false << 0 << 5 << false;
    QTest::newRow("end, short last band") << 302 << true << false << 299 << 5 << false;
    QTest::newRow("disabled, right to left") << 131 << false << true << 150 << 5 << false;
    QTest::newRow("cut off at the top") << 321 << true << false << 150 << -70 << false;
    QTest::newRow("one band") << 66 << true << false << 20 << 5 << false;
    QTest::newRow("last band one row") << 98 << true << false << 299 << 5 << false;
    QTest::newRow("see-through colours") << 321 << true << false << 60 << 5 << true;
}

// The program's style draws tall scroll bars in bands: the pixels are the
// ones its base style draws in one go, here on a list's scroll bar as in the
// main window.
void TestWidgets::scrollBarPixels()
{
    QFETCH(int, height);
    QFETCH(bool, enabled);
    QFETCH(bool, rightToLeft);
    QFETCH(int, row);
    QFETCH(int, top);
    QFETCH(bool, seeThrough);
    ProgramStyle program;
    std::unique_ptr<QStyle> base(QStyleFactory::create(program.baseStyle()->name()));
    QVERIFY(base);
    QStringListModel model(QStringList(300, QStringLiteral("RE 6")));
    auto draw = [&](QStyle* style) {
        EntryListView list;
        list.setModel(&model);
        list.setUniformItemSizes(true);
        list.setEnabled(enabled);
        list.setLayoutDirection(rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
        if (seeThrough) {
            QPalette p = list.palette();
            for (QPalette::ColorRole role : {QPalette::Window, QPalette::Base, QPalette::Button})
                p.setColor(role, QColor(40, 90, 200, 120));
            list.setPalette(p);
        }
        list.verticalScrollBar()->setStyle(style);
        list.resize(177, height);
        list.scrollTo(model.index(row), QAbstractItemView::PositionAtTop);
        return overBackdrop(list, top);
    };
    QCOMPARE(draw(&program), draw(base.get()));
}

void TestWidgets::progressBarPixels_data()
{
    QTest::addColumn<int>("value"); // of 300
    QTest::addColumn<int>("height");
    QTest::addColumn<bool>("enabled");
    QTest::newRow("main window's, empty") << 0 << 16 << true;
    QTest::newRow("main window's, part full") << 113 << 16 << true;
    QTest::newRow("full, disabled") << 300 << 16 << false;
    QTest::newRow("tall, one band and a row") << 180 << 41 << true;
}

// The program's style draws a progress bar in bands of rows: the pixels are
// the ones its base style draws in one go.
void TestWidgets::progressBarPixels()
{
    QFETCH(int, value);
    QFETCH(int, height);
    QFETCH(bool, enabled);
    ProgramStyle program;
    std::unique_ptr<QStyle> base(QStyleFactory::create(program.baseStyle()->name()));
    QVERIFY(base);
    auto draw = [&](QStyle* style) {
        QProgressBar bar;
        bar.setStyle(style);
        bar.setRange(0, 300);
        bar.setValue(value);
        bar.setEnabled(enabled);
        bar.resize(100, height);
        return overBackdrop(bar, 5);
    };
    QCOMPARE(draw(&program), draw(base.get()));
}

void TestWidgets::pictureCopiesPixels_data()
{
    QTest::addColumn<bool>("edit");
    QTest::addColumn<bool>("on"); // checked, or read-only
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<bool>("rightToLeft");
    QTest::addColumn<QColor>("under");
    const QColor panel(250, 220, 190);
    const QColor seeThrough(40, 90, 200, 120);
    QTest::newRow("radio") << false << false << true << false << panel;
    QTest::newRow("radio, checked, right to left") << false << true << true << true << panel;
    QTest::newRow("radio, disabled") << false << true << false << false << panel;
    QTest::newRow("radio over see-through") << false << false << true << false << seeThrough;
    QTest::newRow("line edit") << true << false << true << false << panel;
    QTest::newRow("line edit, read-only, disabled") << true << true << false << false << panel;
    QTest::newRow("line edit over see-through") << true << false << true << true << seeThrough;
}

// Radio indicators and line edit panels copied from pictures, the first time
// and again, have the pixels the base style draws; over a colour that is not
// opaque they are drawn as the base style draws them.
void TestWidgets::pictureCopiesPixels()
{
    QFETCH(bool, edit);
    QFETCH(bool, on);
    QFETCH(bool, enabled);
    QFETCH(bool, rightToLeft);
    QFETCH(QColor, under);
    ProgramStyle program;
    std::unique_ptr<QStyle> base(QStyleFactory::create(program.baseStyle()->name()));
    QVERIFY(base);
    auto draw = [&](QStyle* style) {
        QWidget parent;
        parent.setAutoFillBackground(true);
        QPalette p = parent.palette();
        p.setColor(QPalette::Window, under);
        parent.setPalette(p);
        parent.resize(140, 40);
        QWidget* child = nullptr;
        if (edit) {
            auto* line = new QLineEdit(QStringLiteral("12"), &parent);
            line->setReadOnly(on);
            child = line;
        } else {
            auto* radio = new QRadioButton(QStringLiteral("DO# / REb"), &parent);
            radio->setChecked(on);
            child = radio;
        }
        child->setStyle(style);
        child->setEnabled(enabled);
        child->setLayoutDirection(rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
        child->setGeometry(6, 7, 110, 22);
        return overBackdrop(parent, 3);
    };
    const QImage expected = draw(base.get());
    QCOMPARE(draw(&program), expected);
    QCOMPARE(draw(&program), expected);
}

void TestWidgets::rowSizeFollowsRow_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("pointSize");
    QTest::newRow("same row") << QStringLiteral("RE 6") << 8;
    QTest::newRow("longer name") << QStringLiteral("SOL# / LAb Diminuito") << 8;
    QTest::newRow("two lines") << QStringLiteral("RE 6\nMI 7") << 8;
    QTest::newRow("larger font") << QStringLiteral("RE 6") << 14;
}

// The size a row delegate remembers is the style's for the row as it now is.
void TestWidgets::rowSizeFollowsRow()
{
    QFETCH(QString, text);
    QFETCH(int, pointSize);
    QStringListModel model({QStringLiteral("RE 6")});
    QListView view;
    view.setModel(&model);
    RowSizeDelegate remembering;
    QStyledItemDelegate plain;
    QStyleOptionViewItem option;
    option.initFrom(&view);
    option.widget = &view;
    const QModelIndex row = model.index(0);
    QCOMPARE(remembering.sizeHint(option, row), plain.sizeHint(option, row));
    model.setData(row, text);
    QFont font = option.font;
    font.setPointSize(pointSize);
    option.font = font;
    QCOMPARE(remembering.sizeHint(option, row), plain.sizeHint(option, row));
}

void TestWidgets::outlineInRuns_data()
{
    QTest::addColumn<QRectF>("outline");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("group box's, dark") << QRectF(0.5, 14.5, 120, 330) << QColor(40, 60, 40, 160);
    QTest::newRow("inner, light") << QRectF(1.5, 15.5, 118, 328) << QColor(240, 250, 240, 120);
    QTest::newRow("smallest with runs") << QRectF(3.5, 2.5, 8, 8) << QColor(0, 0, 255, 200);
    QTest::newRow("wide, opaque") << QRectF(7.5, 9.5, 300, 40) << QColor(200, 30, 30);
}

// An outline drawn in runs has the pixels of the same outline stroked whole.
void TestWidgets::outlineInRuns()
{
    QFETCH(QRectF, outline);
    QFETCH(QColor, colour);
    QImage runs(320, 360, QImage::Format_ARGB32_Premultiplied);
    runs.fill(QColor(255, 0, 255, 200));
    QImage whole = runs;
    QPainter p(&runs);
    p.translate(3, 4);
    QVERIFY(outlineFitsRuns(&p, outline, 2));
    drawOutlineInRuns(&p, outline, 2, colour);
    p.end();
    p.begin(&whole);
    p.translate(3, 4);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(colour);
    p.drawRoundedRect(outline, 2, 2);
    p.end();
    QCOMPARE(runs, whole);
}

void TestWidgets::scrollBarRepaintsChanges_data()
{
    QTest::addColumn<int>("from"); // entries at the start
    QTest::addColumn<int>("to");   // entries after adding or removing one at a time
    QTest::addColumn<bool>("followEnd");
    QTest::addColumn<int>("at"); // the row inserted or removed; -1: the last
    QTest::newRow("growing from empty") << 0 << 60 << false << -1;
    QTest::newRow("growing to 300") << 250 << 300 << false << -1;
    QTest::newRow("shrinking") << 300 << 260 << false << -1;
    QTest::newRow("growing, the end in view") << 100 << 140 << true << -1;
    QTest::newRow("inserting in view") << 5 << 30 << false << 3;
    QTest::newRow("removing in view") << 30 << 5 << false << 2;
    QTest::newRow("inserting above the view") << 100 << 110 << true << 40;
    QTest::newRow("removing the first") << 40 << 30 << false << 0;
}

// A change of range or value repaints part of the scroll bar at most, an entry
// added or removed the rows from it down: what is on screen after each is what
// drawing the list whole gives.
void TestWidgets::scrollBarRepaintsChanges()
{
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(bool, followEnd);
    QFETCH(int, at);
    QStringList lines;
    for (int i = 0; i < from; ++i)
        lines.append(QString::number(i));
    QStringListModel model(lines);
    ProgramStyle style;
    EntryListView list;
    list.setModel(&model);
    list.setUniformItemSizes(true);
    list.setVerticalScrollBar(new ScrollBar(Qt::Vertical));
    list.verticalScrollBar()->setStyle(&style);
    list.resize(177, 321);
    list.show();
    QVERIFY(QTest::qWaitForWindowExposed(&list));
    QScrollBar* bar = list.verticalScrollBar();
    while (model.rowCount() != to) {
        const int end = model.rowCount();
        const int row = at >= 0 ? at : to > from ? end : end - 1;
        if (to > from && model.insertRow(row))
            model.setData(model.index(row), QStringLiteral("LA Minore 7 %1").arg(end));
        else if (to < from)
            model.removeRow(row);
        if (followEnd)
            list.scrollToBottom();
        QApplication::processEvents();
        auto shown = [&](const QWidget* part) {
            const QRect area(part->mapTo(&list, QPoint(0, 0)), part->size());
            return list.screen()
                ->grabWindow(list.winId(), area.x(), area.y(), area.width(), area.height())
                .toImage()
                .convertToFormat(QImage::Format_RGB32);
        };
        auto drawn = [](QWidget* part) {
            return part->grab().toImage().convertToFormat(QImage::Format_RGB32);
        };
        QTRY_COMPARE(shown(list.viewport()), drawn(list.viewport()));
        // A scroll bar that has just appeared is drawn a moment later.
        if (bar->isVisible())
            QTRY_COMPARE(shown(bar), drawn(bar));
    }
}

void TestWidgets::pictureView()
{
    QFETCH(QString, file);
    QFETCH(QString, error);
    QFETCH(QSize, size);
    PictureView view;
    QString message;
    try {
        view.load(file);
    } catch (const CorvaltoError& e) {
        message = e.message();
    }
    QCOMPARE(message, error);
    if (error.isEmpty()) {
        QCOMPARE(view.fileName(), file);
        QCOMPARE(view.pixmap().size(), size);
    } else {
        QVERIFY(!view.hasPicture());
    }
}

// A JPEG picture's decoded copy, marked by one changed byte, is shown only while
// it fits the picture file; otherwise the picture is decoded again.
void TestWidgets::decodedCopies_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<int>("shown");
    QTest::newRow("copy fits") << QString() << int(Copy);
    QTest::newRow("picture touched") << "touch" << int(Picture);
    QTest::newRow("picture longer, same time") << "append" << int(Picture);
    QTest::newRow("copy cut short") << "truncate" << int(Picture);
    QTest::newRow("copy of another path") << "path" << int(Picture);
    QTest::newRow("picture removed") << "remove" << int(Error);
}

void TestWidgets::decodedCopies()
{
    QFETCH(QString, change);
    QFETCH(int, shown);
    QTemporaryDir dir;
    const QString picture = dir.filePath(QStringLiteral("banner.jpg"));
    QVERIFY(QFile::copy(QStringLiteral(CORVALTO_PROGRAM_DIR "/imm/virmoskc.jpg"), picture));
    // A whole second, which the file's time keeps exactly when set again.
    const QDateTime modified = QDateTime::fromSecsSinceEpoch(1700000000);
    QFile file(picture);
    QVERIFY(file.open(QIODevice::Append));
    QVERIFY(file.setFileTime(modified, QFileDevice::FileModificationTime));
    DecodedPictureCache::setFolder(dir.filePath(QStringLiteral("cache")));
    PictureView view;
    view.load(picture);
    const QImage decoded = view.pixmap().toImage();

    QFile copy(DecodedPictureCache::copyPath(picture));
    QVERIFY(copy.open(QIODevice::ReadWrite));
    QByteArray bytes = copy.readAll();
    bytes.back() = char(~bytes.back());
    if (change == "truncate")
        bytes.chop(1);
    if (change == "path")
        bytes[40] = char(bytes[40] ^ 1); // the path's first byte, after the header
    QVERIFY(copy.resize(0) && copy.write(bytes) == bytes.size());
    copy.close();
    if (change == "append")
        file.write("x");
    file.setFileTime(modified.addSecs(change == "touch" ? -60 : 0),
                     QFileDevice::FileModificationTime);
    file.close();
    if (change == "remove")
        QVERIFY(file.remove());

    QString message;
    try {
        view.load(picture);
    } catch (const CorvaltoError& e) {
        message = e.message();
    }
    DecodedPictureCache::setFolder(QString());
    QCOMPARE(message.isEmpty(), shown != Error);
    if (message.isEmpty())
        QCOMPARE(view.pixmap().toImage() == decoded, shown == Picture);
}

// The open dialog takes only an existing file; the save dialog any name.
void TestWidgets::fileDialogModes_data()
{
    QTest::addColumn<bool>("open");
    QTest::addColumn<int>("mode");
    QTest::newRow("open") << true << int(QFileDialog::ExistingFile);
    QTest::newRow("save") << false << int(QFileDialog::AnyFile);
}

void TestWidgets::fileDialogModes()
{
    QFETCH(bool, open);
    QFETCH(int, mode);
    RealPrompts prompts;
    int seen = -1;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (auto* d = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
            seen = d->fileMode();
            d->reject();
        }
    });
    poll.start(20);
    Prompts::FileDialog dialog;
    dialog.title = QStringLiteral("Apri lista...");
    dialog.filter = QStringLiteral("File Lista v3 (*.qvl)|*.qvl");
    QTemporaryDir folder;
    dialog.startFolder = folder.path();
    const std::optional<QString> chosen =
        open ? prompts.openFileName(nullptr, dialog) : prompts.saveFileName(nullptr, dialog);
    QVERIFY(!chosen);
    QCOMPARE(seen, mode);
}

// An exception that escapes a handler is reported like any other error, and
// the events after it are delivered.
void TestWidgets::exceptionsStopAtTheEventLoop()
{
    auto* app = static_cast<GuardedApplication*>(qApp);
    ScriptedPrompts prompts;
    AppContext ctx;
    ctx.prompts = &prompts;
    app->setContext(&ctx);
    Thrower thrower;
    QCoreApplication::postEvent(&thrower, new QEvent(QEvent::User));
    QCoreApplication::postEvent(&thrower, new QEvent(QEvent::Type(QEvent::User + 1)));
    QCoreApplication::sendPostedEvents(&thrower);
    app->setContext(nullptr);
    QCOMPARE(prompts.texts(QStringLiteral("error")),
             (QStringList{QStringLiteral("Errore di prova."), QStringLiteral("std::bad_alloc.")}));
    QCOMPARE(prompts.calls().first().caption, QStringLiteral("Corvalto 3.0"));
}

// The program's own application object, so that its last guard is tested too.
int main(int argc, char* argv[])
{
    GuardedApplication app(argc, argv);
    app.setAttribute(Qt::AA_Use96Dpi, true);
    TestWidgets test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}
#include "test_widgets.moc"
