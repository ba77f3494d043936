#include "chords/fingering.h"

#include "chords/voicing_table.h"

#include <algorithm>
#include <cctype>

namespace chords {

std::vector<Barre> Fingering::barres() const
{
    std::vector<Barre> found;
    for (int finger = 1; finger <= 4; ++finger) {
        int low = -1;
        int high = -1;
        for (int s = 0; s < StringCount; ++s) {
            if (fingers[s] != finger)
                continue;
            if (low < 0)
                low = s;
            high = s;
        }
        if (high > low)
            found.push_back({frets[low], finger, low, high});
    }
    return found;
}

bool Fingering::hasBarre() const
{
    return !barres().empty();
}

int Fingering::lowestFret() const
{
    int lowest = 0;
    for (int f : frets) {
        if (f > 0 && (lowest == 0 || f < lowest))
            lowest = f;
    }
    return lowest;
}

int Fingering::highestFret() const
{
    return std::max(0, *std::max_element(frets.begin(), frets.end()));
}

int Fingering::firstFretShown() const
{
    const int lowest = lowestFret();
    if (lowest == 0)
        return 1;
    const bool open = std::find(frets.begin(), frets.end(), 0) != frets.end();
    if (highestFret() <= FretsShown && (open || lowest <= 1))
        return 1;
    return lowest;
}

int Fingering::bassString() const
{
    for (int s = 0; s < StringCount; ++s) {
        if (frets[s] >= 0)
            return s;
    }
    return -1;
}

int Fingering::soundingStrings() const
{
    return static_cast<int>(
        std::count_if(frets.begin(), frets.end(), [](int f) { return f >= 0; }));
}

int Fingering::fingerCount() const
{
    int used = 0;
    for (int finger = 1; finger <= 4; ++finger) {
        if (std::find(fingers.begin(), fingers.end(), finger) != fingers.end())
            ++used;
    }
    return used;
}

std::string Fingering::fretsText() const
{
    std::string text;
    for (int s = 0; s < StringCount; ++s) {
        if (s > 0)
            text += ' ';
        text += frets[s] < 0 ? std::string("x") : std::to_string(frets[s]);
    }
    return text;
}

std::string Fingering::fingersText() const
{
    std::string text;
    for (int s = 0; s < StringCount; ++s) {
        if (s > 0)
            text += ' ';
        text += std::to_string(fingers[s]);
    }
    return text;
}

Fingering fingeringOf(const Voicing& voicing)
{
    Fingering fingering;
    fingering.frets = fretsOf(voicing);
    const std::string_view fingers = voicing.fingers;
    for (int s = 0; s < StringCount && s < static_cast<int>(fingers.size()); ++s)
        fingering.fingers[s] = fingers[s] >= '1' && fingers[s] <= '4' ? fingers[s] - '0' : 0;
    return fingering;
}

std::optional<Frets> parseFrets(std::string_view text)
{
    std::vector<std::string_view> tokens;
    const bool spaced = text.find_first_of(" \t") != std::string_view::npos;
    size_t i = 0;
    while (i < text.size()) {
        if (std::isspace(static_cast<unsigned char>(text[i]))) {
            ++i;
            continue;
        }
        size_t end = i + 1;
        if (spaced) {
            while (end < text.size() && !std::isspace(static_cast<unsigned char>(text[end])))
                ++end;
        }
        tokens.push_back(text.substr(i, end - i));
        i = end;
    }
    if (tokens.size() != StringCount)
        return std::nullopt;
    Frets frets{};
    for (int s = 0; s < StringCount; ++s) {
        const std::string_view token = tokens[s];
        if (token == "x" || token == "X") {
            frets[s] = -1;
            continue;
        }
        if (token.empty() || token.size() > 2)
            return std::nullopt;
        int value = 0;
        for (char c : token) {
            if (c < '0' || c > '9')
                return std::nullopt;
            value = value * 10 + (c - '0');
        }
        if (value > MaxFret)
            return std::nullopt;
        frets[s] = value;
    }
    return frets;
}

} // namespace chords
