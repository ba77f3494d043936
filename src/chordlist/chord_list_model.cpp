#include "chordlist/chord_list_model.h"

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

void ChordListModel::appendLine(const QString& text)
{
    insertLine(count(), text);
}

void ChordListModel::insertLine(int position, const QString& text)
{
    if (isFull() || position < 0 || position > count())
        return;
    beginInsertRows(QModelIndex(), position, position);
    m_lines.insert(position, text);
    endInsertRows();
}

void ChordListModel::removeLine(int position)
{
    if (!isEntry(position))
        return;
    beginRemoveRows(QModelIndex(), position, position);
    m_lines.removeAt(position);
    endRemoveRows();
}

void ChordListModel::clearLines()
{
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
    beginResetModel();
    m_lines = lines.mid(0, Capacity);
    clearPictures();
    for (int i = 0; i < count(); ++i)
        m_pictures[static_cast<size_t>(i)] = pictures.value(i);
    endResetModel();
}
