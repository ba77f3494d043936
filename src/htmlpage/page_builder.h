#pragma once

#include <QString>
#include <QStringList>

// The HTML page of a saved chord list: the title as a heading, the fingering
// picture of every chord, under each run of chords a line with their names,
// the additional list information and the closing credits.
namespace htmlpage {

struct PageInput
{
    QString title;
    // The list lines, index 0 to LastIndex; a blank entry is the line "-".
    QStringList entries;
    // The bare picture file name of each entry, same index; empty for an entry
    // without picture. Slots past the entries are not read.
    QStringList pictures;
    // The additional information as displayed lines.
    QStringList information;
    // CurrentListFile: the path of the saved list.
    QString listFile;
    // The program folder with its trailing "/".
    QString programDir;
};

// The page lines, ready for the text codec. Every text that comes from the list
// (title, chord names, information lines, file name) is HTML-escaped, so that a
// list file from someone else cannot inject markup or scripts; pictures and the
// style sheet are linked as file URLs, valid for any program folder. A picture
// name that is no bare file name (chords::isBarePictureName) is not linked: the
// chord shows its name without a picture.
QStringList buildPage(const PageInput& input);

// The page of a list file lies beside it: "<list file>.html".
QString pagePath(const QString& pageFolder, const QString& listFile);

// "&", "<", ">" and the double quote as character references; CR, LF and every
// character the code page cannot hold as numeric character references.
QString escaped(const QString& text);

// A local path as a percent-encoded file URL ("file:///opt/Corvalto%20Prova/imm/do.gif").
QString fileUrl(const QString& path);

} // namespace htmlpage
