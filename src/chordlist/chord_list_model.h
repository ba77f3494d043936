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

    // Entry edits that keep each entry's picture in the slot of its index and
    // carry the pending picture along to the slot after the last entry, so that
    // it stays the picture of the chord on display. A full list refuses more.
    bool appendEntry(const QString& line, const QString& picture);
    bool insertEntry(int position, const QString& line, const QString& picture);
    void removeEntry(int position);
    // Empties the lines; the pending picture moves to slot 0, every other slot
    // is emptied.
    void clearEntries();

    // True while lines are being inserted, removed or replaced: selection
    // changes a view makes meanwhile are the program's, not the user's.
    bool isChanging() const { return m_changing > 0; }

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
    // Rewrites the text and picture of every entry in place (as many as there are
    // entries); the number of entries, the pending picture and a view's selection stay.
    void rewriteEntries(const QStringList& lines, const QStringList& pictures);

    int selectedPos() const { return m_selectedPos; }
    void setSelectedPos(int pos) { m_selectedPos = pos; }
    bool entrySelected() const { return m_entrySelected; }
    void setEntrySelected(bool selected) { m_entrySelected = selected; }

private:
    class ChangeScope;

    QString& slot(int i) { return m_pictures[static_cast<size_t>(i)]; }

    QStringList m_lines;
    std::array<QString, Capacity + 1> m_pictures;
    int m_selectedPos = 0;
    bool m_entrySelected = false;
    int m_changing = 0;
};
