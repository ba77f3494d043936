#include "chords/strum_synth.h"

#include "chords/voicing_table.h"

#include <algorithm>
#include <cmath>
#include <complex>
#include <numbers>
#include <random>
#include <stdexcept>
#include <string>

namespace chords {
namespace {

// MIDI note numbers of the open strings: E2 A2 D3 G3 B3 E4.
constexpr std::array<int, StringCount> OpenStringNotes = {40, 45, 50, 55, 59, 64};
constexpr int ConcertA = 69;
constexpr double ConcertAHz = 440.0;

// One string at its loudest, as a share of full scale: 6 x 0.16 = 0.96 keeps the mix of all
// six strings below full scale, since no string ever exceeds its pluck's peak.
constexpr double StringGain = 0.16;
// The time the fundamental takes to fall by 60 dB; higher partials die sooner.
constexpr double DecaySeconds = 2.0;
// Where the pick strikes, as a share of the string's length from the bridge.
constexpr double PickPosition = 0.13;
// The pick's scrape: noise over the pluck's shape, its share of the shape's height, and a
// one-pole low-pass over it (1 = no filtering, lower is a softer pick).
constexpr double PickNoise = 0.3;
constexpr double PickBrightness = 0.5;
// The end of the buffer fades out so that a sound cut there does not click.
constexpr double FadeSeconds = 0.05;

// The string's shape at the pluck: drawn aside at the pick into a triangle, which gives
// the partials the 1/k^2 fall of a plucked string and thins out those with a node at the
// pick, roughened by a little noise for the pick's scrape. Zero mean, peak 1.
std::vector<float> pluckShape(int length, unsigned seed)
{
    std::minstd_rand random(seed);
    const double apex = std::max(1.0, PickPosition * length);
    std::vector<double> shape(length);
    double noise = 0.0;
    double mean = 0.0;
    for (int n = 0; n < length; ++n) {
        const double white = 2.0 * (random() - random.min()) / (random.max() - random.min()) - 1.0;
        noise += PickBrightness * (white - noise);
        const double triangle = n < apex ? n / apex : (length - n) / (length - apex);
        shape[n] = triangle + PickNoise * noise;
        mean += shape[n];
    }
    mean /= length;
    double peak = 0.0;
    for (double& v : shape) {
        v -= mean;
        peak = std::max(peak, std::abs(v));
    }
    std::vector<float> result(length);
    for (int n = 0; n < length; ++n)
        result[n] = peak > 0.0 ? static_cast<float>(shape[n] / peak) : 0.0f;
    return result;
}

// Adds one plucked string to out from sample `start` on. The loop filter averages two
// neighbouring samples (half a sample of delay) and reads between samples by linear
// interpolation (`frac` of a sample): taps 0.5(1-frac), 0.5, 0.5 frac, all non-negative and
// summing to one, so the string never grows louder than its pluck.
void addString(std::vector<float>& out, int start, double frequency, int sampleRate, unsigned seed,
               std::vector<float>& line)
{
    const double period = sampleRate / frequency;
    const int delay = static_cast<int>(std::floor(period - 0.5));
    const double frac = period - 0.5 - delay;
    const float tap0 = static_cast<float>(0.5 * (1.0 - frac));
    const float tap1 = 0.5f;
    const float tap2 = static_cast<float>(0.5 * frac);

    // The loss per trip round the loop that leaves the fundamental 60 dB down after
    // DecaySeconds, less what the loop filter already takes at the fundamental.
    const double w = 2.0 * std::numbers::pi * frequency / sampleRate;
    const std::complex<double> z = std::polar(1.0, -w);
    const double filterGain = std::abs(0.5 * (1.0 - frac) + 0.5 * z + 0.5 * frac * z * z);
    const double tripGain = std::pow(10.0, -3.0 / (frequency * DecaySeconds));
    const float loss = static_cast<float>(std::min(1.0, tripGain / filterGain));

    const int count = static_cast<int>(out.size()) - start;
    if (count <= 0)
        return;
    const int primed = delay + 2;
    line.assign(std::max(count, primed), 0.0f);
    const std::vector<float> pluck = pluckShape(primed, seed);
    std::copy(pluck.begin(), pluck.end(), line.begin());
    for (int n = primed; n < count; ++n) {
        const float* back = &line[n - delay];
        line[n] = loss * (tap0 * back[0] + tap1 * back[-1] + tap2 * back[-2]);
    }
    float* target = out.data() + start;
    for (int n = 0; n < count; ++n)
        target[n] += static_cast<float>(StringGain) * line[n];
}

} // namespace

Frets fretsOf(const Voicing& voicing)
{
    const std::string text = voicing.frets;
    if (text.size() != StringCount)
        throw std::invalid_argument("a voicing needs six frets: " + text);
    Frets frets{};
    for (int s = 0; s < StringCount; ++s) {
        const char c = text[s];
        if (c == 'x')
            frets[s] = -1;
        else if (c >= '0' && c <= '9')
            frets[s] = c - '0';
        else
            throw std::invalid_argument("bad fret in voicing " + text);
    }
    return frets;
}

double stringFrequency(int string, int fret)
{
    const int note = OpenStringNotes.at(string) + fret;
    return ConcertAHz * std::exp2((note - ConcertA) / 12.0);
}

Strum renderStrum(const Frets& frets, int sampleRate)
{
    std::array<int, StringCount> pitches{};
    for (int s = 0; s < StringCount; ++s)
        pitches[s] = frets[s] < 0 ? -1 : OpenStringNotes.at(s) + frets[s];
    return renderStrumPitches(pitches, sampleRate);
}

Strum renderStrumPitches(const std::array<int, StringCount>& pitches, int sampleRate)
{
    Strum strum;
    strum.samples.assign(static_cast<size_t>(std::lround(Strum::Seconds * sampleRate)), 0.0f);
    const auto lowest = std::find_if(pitches.begin(), pitches.end(), [](int p) { return p >= 0; });
    const int first = static_cast<int>(lowest - pitches.begin());
    std::vector<float> line;
    for (int s = 0; s < StringCount; ++s) {
        const int gap = std::max(0, s - first);
        strum.onsets[s] = static_cast<int>(std::lround(gap * Strum::StringGapSeconds * sampleRate));
        if (pitches[s] >= 0)
            addString(strum.samples, strum.onsets[s],
                      ConcertAHz * std::exp2((pitches[s] - ConcertA) / 12.0), sampleRate,
                      1u + static_cast<unsigned>(s), line);
    }

    const int fade = std::min<int>(static_cast<int>(strum.samples.size()),
                                   static_cast<int>(std::lround(FadeSeconds * sampleRate)));
    const size_t fadeStart = strum.samples.size() - fade;
    for (int n = 0; n < fade; ++n)
        strum.samples[fadeStart + n] *= static_cast<float>(fade - n) / fade;
    return strum;
}

} // namespace chords
