#pragma once

#include <QAbstractListModel>
#include <QString>
#include <QStringList>

#include <array>

// The chord list: at most 300 entries, each a chord name or the blank "-", with
// the bare picture file name of each entry in the slot of the same index.
// Slot lastIndex() + 1 holds the pending picture, the picture of the chord on
// display that the next appended entry takes over; with 300 entries that slot
// is storage of its own beyond the list's 300 slots.
class ChordListModel : public QAbstractListModel
{
    Q_OBJECT
public:
    static constexpr int Capacity = 300;
    static inline const QString BlankLine = QStringLiteral("-");

    explicit ChordListModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    const QStringList& lines() const { return m_lines; }
    int count() const { return static_cast<int>(m_lines.size()); }
    int lastIndex() const { return count() - 1; }
    bool isEmpty() const { return m_lines.isEmpty(); }
    bool isFull() const { return count() >= Capacity; }
    QString line(int i) const { return m_lines.value(i); }
    bool isEntry(int i) const { return i >= 0 && i < count(); }

    // Slots 0..300; slot 300 exists only for the pending picture of a full list.
    QString picture(int slot) const;
    void setPicture(int slot, const QString& fileName);
    QString pendingPicture() const { return picture(count()); }
    void setPendingPicture(const QString& fileName) { setPicture(count(), fileName); }

    // Line edits that keep the view in step; the caller keeps the pictures.
    void appendLine(const QString& text);
    void insertLine(int position, const QString& text);
    void removeLine(int position);
    void clearLines();
    // Empties every picture slot, the pending one included.
    void clearPictures();
    // Replaces the lines and the pictures of slots 0..n-1 at once (loading a file);
    // every other slot is emptied.
    void replaceAll(const QStringList& lines, const QStringList& pictures);

    int selectedPos() const { return m_selectedPos; }
    void setSelectedPos(int pos) { m_selectedPos = pos; }
    bool entrySelected() const { return m_entrySelected; }
    void setEntrySelected(bool selected) { m_entrySelected = selected; }

private:
    QStringList m_lines;
    std::array<QString, Capacity + 1> m_pictures;
    int m_selectedPos = 0;
    bool m_entrySelected = false;
};
