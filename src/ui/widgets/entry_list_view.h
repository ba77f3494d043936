#pragma once

#include <QListView>
#include <QStyledItemDelegate>

#include <optional>
#include <utility>

// A list of rows of one size from top to bottom that, when rows are inserted or
// removed, repaints its viewport only from the first row that moved to the
// bottom: the rows above keep their pixels (an entry appended to a list longer
// than the viewport repaints nothing there). Anything else that lays the rows
// out anew repaints the viewport whole, as any list view.
class EntryListView : public QListView
{
    Q_OBJECT
public:
    using QListView::QListView;

    void setModel(QAbstractItemModel* model) override;
    void reset() override;
    void doItemsLayout() override;

protected:
    void rowsInserted(const QModelIndex& parent, int start, int end) override;
    void rowsAboutToBeRemoved(const QModelIndex& parent, int start, int end) override;

private:
    // What places the rows besides their number.
    struct Placement
    {
        QSize viewport;
        QPoint offset;
        QFont font;
        const QStyle* style = nullptr;
        Qt::LayoutDirection direction = Qt::LeftToRight;
        bool plainRows = false;

        bool operator==(const Placement&) const = default;
    };
    Placement placement() const;
    void moved(const QModelIndex& parent, int row);

    // The first row that moved since the last layout; -1 when none did or
    // when the viewport must be repainted whole.
    int m_movedFrom = -1;
    bool m_whole = true;
    Placement m_placed;
};

// The style's delegate that remembers the size it last gave: a list of rows of
// one size asks for its first row's size on every entry added or removed, and
// the answer changes only with what the row shows or how.
class RowSizeDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    // What the style measures.
    struct Measured
    {
        QString text;
        QFont font;
        QSize decorationSize;
        QSize rect;
        qint64 icon = 0;
        int features = 0;
        int state = 0;
        int checkState = 0;
        int alignment = 0;
        int elide = 0;
        Qt::LayoutDirection direction = Qt::LeftToRight;
        const QStyle* style = nullptr;

        bool operator==(const Measured&) const = default;
    };
    mutable std::optional<std::pair<Measured, QSize>> m_last;
};
