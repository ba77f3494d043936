#include "ui/widgets/entry_list_view.h"

#include <QApplication>
#include <QScrollBar>

#include <algorithm>

void EntryListView::setModel(QAbstractItemModel* model)
{
    m_whole = true;
    QListView::setModel(model);
    if (!model)
        return;
    // A model that reorders or replaces its rows moves rows this view is not told of.
    const auto whole = [this] { m_whole = true; };
    connect(model, &QAbstractItemModel::layoutChanged, this, whole);
    connect(model, &QAbstractItemModel::modelReset, this, whole);
}

void EntryListView::reset()
{
    m_whole = true;
    QListView::reset();
}

void EntryListView::rowsInserted(const QModelIndex& parent, int start, int end)
{
    moved(parent, start);
    QListView::rowsInserted(parent, start, end);
}

void EntryListView::rowsAboutToBeRemoved(const QModelIndex& parent, int start, int end)
{
    moved(parent, start);
    QListView::rowsAboutToBeRemoved(parent, start, end);
}

void EntryListView::moved(const QModelIndex& parent, int row)
{
    if (parent != rootIndex())
        return;
    m_movedFrom = m_movedFrom < 0 ? row : std::min(m_movedFrom, row);
}

EntryListView::Placement EntryListView::placement() const
{
    Placement p;
    p.viewport = viewport()->size();
    p.offset = QPoint(horizontalOffset(), verticalOffset());
    p.font = font();
    p.style = style();
    p.direction = layoutDirection();
    p.plainRows = uniformItemSizes() && viewMode() == ListMode && flow() == TopToBottom &&
                  !isWrapping() && gridSize().isEmpty();
    return p;
}

void EntryListView::doItemsLayout()
{
    QWidget* area = viewport();
    const Placement before = placement();
    const bool partial = !m_whole && m_movedFrom >= 0 && before.plainRows && before == m_placed &&
                         !area->testAttribute(Qt::WA_UpdatesDisabled);
    const int from = m_movedFrom;
    m_movedFrom = -1;
    m_whole = false;
    if (!partial) {
        QListView::doItemsLayout();
        m_placed = placement();
        return;
    }
    // The base lays out every row and asks for the whole viewport; only the
    // rows from the first that moved down look different.
    area->setAttribute(Qt::WA_UpdatesDisabled, true);
    QListView::doItemsLayout();
    area->setAttribute(Qt::WA_UpdatesDisabled, false);
    m_placed = placement();
    if (m_placed != before) {
        area->update();
        return;
    }
    const int rows = model() ? model()->rowCount(rootIndex()) : 0;
    int top = 0;
    if (from < rows)
        top = visualRect(model()->index(from, modelColumn(), rootIndex())).top();
    else if (rows > 0)
        top = visualRect(model()->index(rows - 1, modelColumn(), rootIndex())).bottom() + 1;
    top = std::max(top, 0);
    if (top < area->height())
        area->update(0, top, area->width(), area->height() - top);
}

QSize RowSizeDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    if (index.data(Qt::SizeHintRole).isValid())
        return QStyledItemDelegate::sizeHint(option, index);
    QStyleOptionViewItem o = option;
    initStyleOption(&o, index);
    const Measured now{o.text,
                       o.font,
                       o.decorationSize,
                       o.rect.size(),
                       o.icon.cacheKey(),
                       int(o.features),
                       int(o.state),
                       int(o.checkState),
                       int(o.displayAlignment),
                       int(o.textElideMode),
                       o.direction,
                       o.widget ? o.widget->style() : QApplication::style()};
    if (!m_last || m_last->first != now)
        m_last = std::pair(now, QStyledItemDelegate::sizeHint(option, index));
    return m_last->second;
}
