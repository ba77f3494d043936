#include "support/chord_pictures.h"

#include "chords/chord_catalogue.h"
#include "support/test_app.h"

#include <QFile>

namespace {

// GIF89a, 1 x 1, a two-colour table, one image of colour 0.
const char TinyGif[] = "GIF89a\x01\x00\x01\x00\x80\x00\x00\x00\x00\x00\xff\xff\xff"
                       "\x2c\x00\x00\x00\x00\x01\x00\x01\x00\x00\x02\x02\x44\x01\x00\x3b";

} // namespace

void ensureChordPictures(const TestProgramFolder& folder)
{
    for (const QString& name : chords::allPictureFiles()) {
        QFile f(folder.file(QStringLiteral("imm/") + name));
        if (f.exists())
            continue;
        if (f.open(QIODevice::WriteOnly))
            f.write(TinyGif, sizeof(TinyGif) - 1);
    }
}
