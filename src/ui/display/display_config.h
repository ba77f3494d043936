#pragma once

#include <QFlags>

// The display mode and options the display layer is asked for: size in pixels,
// bits per pixel and the option set. The layer reports what it achieved
// separately.
class DisplayConfig
{
public:
    enum Option {
        doFullScreen = 0x001,
        doAllowReboot = 0x002,
        doWaitVBlank = 0x004,
        doCenter = 0x008,
        do3D = 0x010,
        doRetainedMode = 0x020,
        doHardware = 0x040,
        doSelectDriver = 0x080,
        doZBuffer = 0x100,
    };
    Q_DECLARE_FLAGS(Options, Option)

    static constexpr Options DefaultOptions{doFullScreen | doAllowReboot | doWaitVBlank | doCenter |
                                            do3D | doRetainedMode | doHardware | doSelectDriver};

    int width() const { return m_width; }
    int height() const { return m_height; }
    void setWidth(int width) { m_width = width; }
    void setHeight(int height) { m_height = height; }

    int bitCount() const { return m_bitCount; }
    // Throws CorvaltoError "Display requires 8, 16, 24 or 32 bits" for any other
    // count and keeps the previous one.
    void setBitCount(int bits);

    Options options() const { return m_options; }
    void setOptions(Options options) { m_options = options; }
    bool hasOption(Option option) const { return m_options.testFlag(option); }
    void setOption(Option option, bool on) { m_options.setFlag(option, on); }

private:
    int m_width = 640;
    int m_height = 480;
    int m_bitCount = 16;
    Options m_options = DefaultOptions;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(DisplayConfig::Options)
