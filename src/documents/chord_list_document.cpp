#include "documents/chord_list_document.h"

#include "chordlist/chord_list_model.h"
#include "core/errors.h"
#include "core/texts.h"

ChordListDocument::ChordListDocument(QObject* parent)
    : QObject(parent), m_title(texts::ListTitle), m_entries(new ChordListModel(this))
{
    for (auto signal : {&ChordListModel::rowsInserted, &ChordListModel::rowsRemoved})
        connect(m_entries, signal, this, &ChordListDocument::entriesChanged);
    connect(m_entries, &ChordListModel::modelReset, this, &ChordListDocument::entriesChanged);
}

void ChordListDocument::setTitle(const QString& title)
{
    if (title == m_title)
        return;
    m_title = title;
    emit titleChanged(m_title);
}

bool ChordListDocument::titleDiffersFromFile() const
{
    const QString stored = m_listFileLines.isEmpty() ? QString() : m_listFileLines.constFirst();
    return m_title != stored;
}

QStringList ChordListDocument::information() const
{
    return m_informationText.displayedLines ? m_informationText.displayedLines() : m_information;
}

qsizetype ChordListDocument::informationCharacters() const
{
    if (m_informationText.characterCount)
        return m_informationText.characterCount();
    qsizetype n = 0;
    for (const QString& line : m_information)
        n += line.size() + 1;
    return n > 0 ? n - 1 : 0;
}

void ChordListDocument::setInformation(const QStringList& lines)
{
    m_information = lines;
    emit informationChanged(m_information);
}

void ChordListDocument::attachInformationText(InformationText text)
{
    m_informationText = std::move(text);
}

void ChordListDocument::informationEdited()
{
    setModified(true);
}

void ChordListDocument::setCurrentListFile(const QString& path)
{
    m_state.currentListFile = path;
    emit stateChanged();
}

void ChordListDocument::setHasFile(bool hasFile)
{
    m_state.listHasFile = hasFile;
    emit stateChanged();
}

void ChordListDocument::setFromFile(bool fromFile)
{
    m_state.listFromFile = fromFile;
    emit stateChanged();
}

void ChordListDocument::setModified(bool modified)
{
    m_state.listModified = modified;
    emit stateChanged();
}

void ChordListDocument::setListFileLines(const QStringList& lines)
{
    m_listFileLines = lines;
}

ListFile ChordListDocument::snapshot() const
{
    ListFile file;
    file.title = m_title;
    file.entries = m_entries->lines();
    for (int i = 0; i < m_entries->count(); ++i)
        file.pictures.append(m_entries->picture(i));
    file.information = information();
    return file;
}

QStringList ChordListDocument::takeLinesForWriting()
{
    // Refused before the information is laid out into lines.
    if (informationCharacters() > ListFile::MaxInformationCharacters)
        throw CorvaltoError(ListFile::informationTooLongMessage());
    QStringList lines = snapshot().lines();
    if (!ListFile::fitsReadLimits(lines))
        throw CorvaltoError(ListFile::tooLargeToSaveMessage());
    m_listFileLines = lines;
    return lines;
}

void ChordListDocument::load(const QStringList& lines, const QString& pendingPicture)
{
    const ListFile file = ListFile::fromLines(lines);
    // The lines come first, so that the new title is not taken for an edit.
    m_listFileLines = lines;
    setTitle(file.title);
    m_entries->replaceAll(file.entries, file.pictures);
    m_entries->setPendingPicture(pendingPicture);
    setInformation(file.information);
}
