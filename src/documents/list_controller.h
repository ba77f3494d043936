#pragma once

#include <QObject>

class ChooserController;
class ChordListDocument;
class ChordListModel;
class DocumentController;
class ListView;
class QWidget;
struct AppContext;

// The chord list's editing commands: add, insert, remove, clear and select.
// Every command keeps the lines, the entries' pictures, the pending picture
// and the counters in step, also when a later step of it fails.
class ListController : public QObject
{
    Q_OBJECT
public:
    // Errors and notices are reported over window.
    ListController(AppContext& ctx, ChordListDocument& document, DocumentController& documents,
                   ChooserController& chooser, ListView& view, QWidget* window);

    void add();
    void insert();
    void remove();
    void clear();
    void select(int row);
    // No entry counts as selected any more: remove and insert are refused until
    // the user selects one, the list shows none highlighted (so that a click on
    // any entry selects it) and Edit2 is disabled, keeping its text.
    void forgetSelection();
    // The user highlighted row; a view moves its highlight by itself while the
    // list changes, which selects nothing.
    void rowHighlighted(int row);

private:
    void inform(const QString& text);
    void showSelectedPosition();

    AppContext& m_ctx;
    ChordListDocument& m_document;
    // Marks the document modified, with its caption and banner.
    DocumentController& m_documents;
    ChordListModel& m_list;
    ChooserController& m_chooser;
    ListView& m_view;
    QWidget* m_window;
};
