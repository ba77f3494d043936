#include "ui/display/display_config.h"

#include "core/errors.h"

void DisplayConfig::setBitCount(int bits)
{
    if (bits != 8 && bits != 16 && bits != 24 && bits != 32)
        throw CorvaltoError(QStringLiteral("Display requires 8, 16, 24 or 32 bits"));
    m_bitCount = bits;
}
