// The audio module: plays through Qt Multimedia's QAudioSink on the default output.
// Loaded by the program at the first strum, never at start-up.

#include "chords/audio_output.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QMediaDevices>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <memory>

namespace {

// The device's preferred layout, with 16-bit samples where it takes them.
QAudioFormat chooseFormat(const QAudioDevice& device)
{
    QAudioFormat format = device.preferredFormat();
    QAudioFormat int16 = format;
    int16.setSampleFormat(QAudioFormat::Int16);
    if (device.isFormatSupported(int16))
        return int16;
    return format;
}

// One sample in the device's format, from -1..1.
void writeSample(char* at, QAudioFormat::SampleFormat format, float value)
{
    const float v = std::clamp(value, -1.0f, 1.0f);
    switch (format) {
    case QAudioFormat::UInt8: {
        const auto s = static_cast<quint8>(std::lround(128.0f + v * 127.0f));
        std::memcpy(at, &s, sizeof s);
        break;
    }
    case QAudioFormat::Int16: {
        const auto s = static_cast<qint16>(std::lround(v * 32767.0f));
        std::memcpy(at, &s, sizeof s);
        break;
    }
    case QAudioFormat::Int32: {
        const auto s = static_cast<qint32>(std::lround(static_cast<double>(v) * 2147483647.0));
        std::memcpy(at, &s, sizeof s);
        break;
    }
    case QAudioFormat::Float:
        std::memcpy(at, &v, sizeof v);
        break;
    default:
        break;
    }
}

class QtAudioOutput : public AudioOutput
{
public:
    explicit QtAudioOutput(const QAudioDevice& device)
        : m_format(chooseFormat(device)), m_sink(std::make_unique<QAudioSink>(device, m_format))
    {
    }

    ~QtAudioOutput() override { m_sink->stop(); }

    int sampleRate() const override { return m_format.sampleRate(); }

    bool play(const std::vector<float>& samples) override
    {
        if (m_format.sampleFormat() == QAudioFormat::Unknown || m_format.channelCount() < 1)
            return false;
        m_sink->stop();
        m_buffer.close();

        // Every channel gets the same mono signal.
        const int channels = m_format.channelCount();
        const int bytes = m_format.bytesPerSample();
        QByteArray data(static_cast<qsizetype>(samples.size()) * channels * bytes, '\0');
        char* at = data.data();
        for (float s : samples) {
            for (int c = 0; c < channels; ++c, at += bytes)
                writeSample(at, m_format.sampleFormat(), s);
        }
        m_buffer.setData(data);
        m_buffer.open(QIODevice::ReadOnly);
        // The whole strum is handed over at the start: a sound of a few seconds fits the
        // server's buffer, and nothing then depends on the sink being fed in time.
        m_sink->setBufferSize(data.size());
        m_sink->start(&m_buffer);
        return m_sink->error() == QAudio::NoError;
    }

    long long framesTaken() const override
    {
        return m_buffer.isOpen() ? m_buffer.pos() / m_format.bytesPerFrame() : 0;
    }

private:
    QAudioFormat m_format;
    std::unique_ptr<QAudioSink> m_sink;
    QBuffer m_buffer;
};

} // namespace

extern "C" Q_DECL_EXPORT AudioOutput* corvaltoCreateAudioOutput()
{
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull())
        return nullptr;
    return new QtAudioOutput(device);
}
