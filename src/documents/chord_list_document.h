#pragma once

#include "core/document_state.h"
#include "documents/list_file.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>

class ChordListModel;

// The chord list as one document: its title, its entries with their pictures,
// its additional information, whether and where it is saved, and the lines of
// its list file. Windows show it and hand it the user's edits; every change is
// signalled. Saving and the HTML page take the same snapshot().
class ChordListDocument : public QObject
{
    Q_OBJECT
public:
    // The information text as the window that edits it holds it: its length in
    // characters and its lines as displayed (a wrapped line counts once per
    // displayed line), which only that window's layout can tell.
    struct InformationText
    {
        std::function<qsizetype()> characterCount;
        std::function<QStringList()> displayedLines;
    };

    explicit ChordListDocument(QObject* parent = nullptr);

    QString title() const { return m_title; }
    void setTitle(const QString& title);
    // True when the title differs from the first line of the list file.
    bool titleDiffersFromFile() const;

    ChordListModel& entries() { return *m_entries; }
    const ChordListModel& entries() const { return *m_entries; }

    // The information as displayed lines: the attached text's when there is one,
    // otherwise the lines last set.
    QStringList information() const;
    qsizetype informationCharacters() const;
    void setInformation(const QStringList& lines);
    void attachInformationText(InformationText text);
    // The user edited the information text: only the modified flag follows.
    void informationEdited();

    const DocumentState& state() const { return m_state; }
    void setCurrentListFile(const QString& path);
    void setHasFile(bool hasFile);
    void setFromFile(bool fromFile);
    void setModified(bool modified);

    // The lines of the list file last built for writing or successfully read.
    const QStringList& listFileLines() const { return m_listFileLines; }
    void setListFileLines(const QStringList& lines);

    ListFile snapshot() const;
    // The lines to write for the document as it is, which become the list-file
    // lines. Throws CorvaltoError, before the lines change, when the
    // information is too long or the file could not be read back.
    QStringList takeLinesForWriting();
    // Replaces title, entries, information and list-file lines by the file's, or
    // throws CorvaltoError and changes nothing. The pending picture is kept as
    // given; the document state is the caller's.
    void load(const QStringList& lines, const QString& pendingPicture);

signals:
    void titleChanged(const QString& title);
    void entriesChanged();
    void informationChanged(const QStringList& lines);
    void stateChanged();

private:
    QString m_title;
    ChordListModel* m_entries;
    QStringList m_information;
    InformationText m_informationText;
    DocumentState m_state;
    QStringList m_listFileLines;
};
