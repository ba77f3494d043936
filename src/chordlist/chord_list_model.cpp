#include "chordlist/chord_list_model.h"

// Marks the span of a structural change of the lines.
class ChordListModel::ChangeScope
{
public:
    explicit ChangeScope(ChordListModel& model) : m_model(model) { ++m_model.m_changing; }
    ~ChangeScope() { --m_model.m_changing; }
    ChangeScope(const ChangeScope&) = delete;
    ChangeScope& operator=(const ChangeScope&) = delete;

private:
    ChordListModel& m_model;
};

ChordListModel::ChordListModel(QObject* parent) : QAbstractListModel(parent) {}

int ChordListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : count();
}

QVariant ChordListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || !isEntry(index.row()))
        return {};
    if (role == Qt::DisplayRole || role == Qt::EditRole)
        return m_lines.at(index.row());
    return {};
}

QString ChordListModel::picture(int slot) const
{
    if (slot < 0 || slot > Capacity)
        return {};
    return m_pictures[static_cast<size_t>(slot)];
}

void ChordListModel::setPicture(int slot, const QString& fileName)
{
    if (slot < 0 || slot > Capacity)
        return;
    m_pictures[static_cast<size_t>(slot)] = fileName;
}

bool ChordListModel::appendEntry(const QString& line, const QString& picture)
{
    return insertEntry(count(), line, picture);
}

bool ChordListModel::insertEntry(int position, const QString& line, const QString& picture)
{
    if (isFull() || position < 0 || position > count())
        return false;
    const QString pending = pendingPicture();
    const int n = count();
    for (int i = n; i > position; --i)
        slot(i) = slot(i - 1);
    slot(position) = picture;
    insertLine(position, line);
    setPendingPicture(pending);
    return true;
}

void ChordListModel::removeEntry(int position)
{
    if (!isEntry(position))
        return;
    const QString pending = pendingPicture();
    const int last = lastIndex();
    for (int i = position; i < last; ++i)
        slot(i) = slot(i + 1);
    slot(last + 1).clear();
    removeLine(position);
    setPendingPicture(pending);
}

void ChordListModel::clearEntries()
{
    const QString pending = pendingPicture();
    clearLines();
    clearPictures();
    setPendingPicture(pending);
}

void ChordListModel::appendLine(const QString& text)
{
    insertLine(count(), text);
}

void ChordListModel::insertLine(int position, const QString& text)
{
    if (isFull() || position < 0 || position > count())
        return;
    const ChangeScope scope(*this);
    beginInsertRows(QModelIndex(), position, position);
    m_lines.insert(position, text);
    endInsertRows();
}

void ChordListModel::removeLine(int position)
{
    if (!isEntry(position))
        return;
    const ChangeScope scope(*this);
    beginRemoveRows(QModelIndex(), position, position);
    m_lines.removeAt(position);
    endRemoveRows();
}

void ChordListModel::clearLines()
{
    const ChangeScope scope(*this);
    beginResetModel();
    m_lines.clear();
    endResetModel();
}

void ChordListModel::clearPictures()
{
    for (QString& p : m_pictures)
        p.clear();
}

void ChordListModel::replaceAll(const QStringList& lines, const QStringList& pictures)
{
    const ChangeScope scope(*this);
    beginResetModel();
    m_lines = lines.mid(0, Capacity);
    clearPictures();
    for (int i = 0; i < count(); ++i)
        m_pictures[static_cast<size_t>(i)] = pictures.value(i);
    endResetModel();
}

void ChordListModel::rewriteEntries(const QStringList& lines, const QStringList& pictures)
{
    if (isEmpty())
        return;
    for (int i = 0; i < count(); ++i) {
        m_lines[i] = lines.value(i);
        slot(i) = pictures.value(i);
    }
    emit dataChanged(index(0), index(lastIndex()));
}
