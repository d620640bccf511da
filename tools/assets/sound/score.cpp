#include "tools/assets/sound/score.h"

#include <algorithm>
#include <cctype>
#include <stdexcept>
#include <string>

namespace tools::synth {
namespace {

struct Event {
    int step;
    int steps;
    std::vector<int> pitches; // midi; empty for a rest
};

struct Chord {
    int step;
    int steps;
    int root;               // pitch class
    std::vector<int> tones; // above the root
};

[[noreturn]] void fail(std::string_view score, std::string_view what, std::string_view text) {
    throw std::logic_error(std::string(score) + ": " + std::string(what) + " \"" + std::string(text) + "\"");
}

std::vector<std::string_view> tokens(std::string_view text) {
    std::vector<std::string_view> out;
    std::size_t at = 0;
    while (at < text.size()) {
        while (at < text.size() && std::isspace(static_cast<unsigned char>(text[at])))
            ++at;
        std::size_t end = at;
        while (end < text.size() && !std::isspace(static_cast<unsigned char>(text[end])))
            ++end;
        if (end > at) out.push_back(text.substr(at, end - at));
        at = end;
    }
    return out;
}

// A letter with an optional sharp or flat, in semitones above C (Cb is -1,
// B# 12); `at` moves past it. Answers false when there is no letter.
bool semitones(std::string_view text, std::size_t& at, int& value) {
    static constexpr int kNatural[] = {9, 11, 0, 2, 4, 5, 7}; // A..G
    if (at >= text.size() || text[at] < 'A' || text[at] > 'G') return false;
    value = kNatural[text[at++] - 'A'];
    if (at < text.size() && (text[at] == '#' || text[at] == 'b')) value += text[at++] == '#' ? 1 : -1;
    return true;
}

int parsePitch(std::string_view score, std::string_view text) {
    std::size_t at = 0;
    int value = 0;
    if (!semitones(text, at, value) || at + 1 != text.size() ||
        !std::isdigit(static_cast<unsigned char>(text[at])))
        fail(score, "not a pitch", text);
    return 12 * (text[at] - '0' + 1) + value;
}

// Splits "<head>:<steps>"; the steps stay as they were without ":".
std::string_view splitLength(std::string_view score, std::string_view token, int& steps) {
    const auto colon = token.find(':');
    if (colon == std::string_view::npos) return token;
    const auto count = token.substr(colon + 1);
    if (count.empty() || !std::all_of(count.begin(), count.end(), [](char c) {
            return std::isdigit(static_cast<unsigned char>(c)) != 0;
        }))
        fail(score, "not a length", token);
    steps = std::stoi(std::string(count));
    if (steps <= 0) fail(score, "not a length", token);
    return token.substr(0, colon);
}

std::vector<Event> parseLine(const Score& score, std::string_view text) {
    std::vector<Event> events;
    int step = 0;
    int steps = kStepsPerBeat;
    int barStart = 0;
    int bar = 1;
    for (const auto token : tokens(text)) {
        if (token == "|") {
            if (step - barStart != score.stepsPerBar())
                fail(score.name, "bar " + std::to_string(bar) + " does not add up in", text);
            barStart = step;
            ++bar;
            continue;
        }
        const auto head = splitLength(score.name, token, steps);
        Event event{step, steps, {}};
        if (head != "r") {
            std::size_t from = 0;
            while (from <= head.size()) {
                const auto plus = std::min(head.find('+', from), head.size());
                event.pitches.push_back(parsePitch(score.name, head.substr(from, plus - from)));
                from = plus + 1;
            }
        }
        events.push_back(std::move(event));
        step += steps;
    }
    return events;
}

std::vector<int> chordTones(std::string_view score, std::string_view quality) {
    if (quality.empty()) return {0, 4, 7};
    if (quality == "m") return {0, 3, 7};
    if (quality == "7") return {0, 4, 7, 10};
    if (quality == "m7") return {0, 3, 7, 10};
    if (quality == "maj7") return {0, 4, 7, 11};
    if (quality == "dim") return {0, 3, 6};
    if (quality == "sus4") return {0, 5, 7};
    if (quality == "sus2") return {0, 2, 7};
    if (quality == "5") return {0, 7};
    fail(score, "not a chord", quality);
}

std::vector<Chord> parseProgression(const Score& score) {
    std::vector<Chord> chords;
    int step = 0;
    for (const auto token : tokens(score.progression)) {
        int steps = score.stepsPerBar();
        const auto head = splitLength(score.name, token, steps);
        std::size_t at = 0;
        int root = 0;
        if (!semitones(head, at, root)) fail(score.name, "not a chord", token);
        chords.push_back({step, steps, (root + 12) % 12, chordTones(score.name, head.substr(at))});
        step += steps;
    }
    return chords;
}

// Repeats a part of `length` steps over the whole loop, handing each copy's offset to `play`.
template <typename Play> void repeatOver(const Score& score, int length, std::string_view text, Play play) {
    const int total = score.stepsPerBar() * score.bars;
    if (length <= 0 || total % length != 0) fail(score.name, "a part that does not divide the piece", text);
    for (int offset = 0; offset < total; offset += length)
        play(offset);
}

class Renderer {
  public:
    Renderer(const Score& score, int rate)
        : score_(score), rate_(rate), step_(score.samplesPerStep(rate)), out_(score.loopSamples(rate)),
          rng_(score.seed) {}

    void line(const LinePart& part) {
        const auto events = parseLine(score_, part.notes);
        const int length = events.empty() ? 0 : events.back().step + events.back().steps;
        repeatOver(score_, length, part.notes, [&](int offset) {
            for (const auto& event : events)
                for (const int pitch : event.pitches)
                    note(part.instrument, offset + event.step, event.steps * part.gate, pitch, 1.0f);
        });
    }

    void chords(const ChordPart& part, const std::vector<Chord>& progression) {
        const auto pattern = tokens(part.pattern);
        const int bar = score_.stepsPerBar();
        if (static_cast<int>(pattern.size()) != bar)
            fail(score_.name, "a pattern that is not one bar", part.pattern);
        const int length = progression.empty() ? 0 : progression.back().step + progression.back().steps;
        repeatOver(score_, length, score_.progression, [&](int offset) {
            for (const auto& chord : progression)
                for (int s = 0; s < chord.steps; ++s)
                    chordStep(part, pattern, chord, offset + chord.step + s,
                              offset + chord.step + chord.steps);
        });
    }

    void drums(const DrumPart& part) {
        const auto bar = compact(part.bar);
        const auto fill = compact(part.fill);
        for (int b = 0; b < score_.bars; ++b) {
            const bool filled = part.fillEvery > 0 && b % part.fillEvery == part.fillAt;
            const auto& letters = filled ? fill : bar;
            if (static_cast<int>(letters.size()) != score_.stepsPerBar())
                fail(score_.name, "a drum bar that is not one bar", filled ? part.fill : part.bar);
            for (int s = 0; s < score_.stepsPerBar(); ++s) {
                const char letter = letters[static_cast<std::size_t>(s)];
                if (letter == '.') continue;
                Drum drum;
                if (!DrumOfLetter(static_cast<char>(std::tolower(letter)), drum))
                    fail(score_.name, "not a drum",
                         std::string_view(&letters[static_cast<std::size_t>(s)], 1));
                const float velocity =
                    (std::isupper(static_cast<unsigned char>(letter)) ? 1.0f : 0.7f) * part.gain;
                PlayDrum(drum, static_cast<std::size_t>(b * score_.stepsPerBar() + s) * step_, velocity,
                         rate_, rng_, out_);
            }
        }
    }

    void echo() {
        const auto& echo = score_.echo;
        if (echo.mix <= 0) return;
        auto& samples = out_.samples();
        const auto delay = static_cast<std::size_t>(echo.seconds * rate_);
        if (delay == 0 || delay >= samples.size()) return;
        // The echo of the loop's end sounds at its start: run the delay line
        // round the loop twice and keep the second pass.
        std::vector<float> line(samples.size());
        for (int pass = 0; pass < 2; ++pass) {
            for (std::size_t i = 0; i < samples.size(); ++i) {
                const std::size_t from = (i + samples.size() - delay) % samples.size();
                line[i] = static_cast<float>(samples[from] + echo.feedback * line[from]);
            }
        }
        for (std::size_t i = 0; i < samples.size(); ++i)
            samples[i] += static_cast<float>(echo.mix * line[i]);
    }

    std::vector<float> finish() {
        auto samples = std::move(out_.samples());
        if (score_.drive > 0) {
            for (auto& s : samples)
                s = static_cast<float>(std::tanh(score_.drive * s) / std::tanh(score_.drive));
        }
        normalize(samples, 0.8f);
        return samples;
    }

  private:
    static std::string compact(std::string_view text) {
        std::string out;
        for (const char c : text)
            if (!std::isspace(static_cast<unsigned char>(c))) out.push_back(c);
        return out;
    }

    void note(const Instrument& instrument, int step, double steps, int pitch, float velocity) {
        const Note n{static_cast<std::size_t>(step) * step_, steps * static_cast<double>(step_) / rate_,
                     static_cast<double>(pitch), velocity};
        PlayNote(instrument, n, rate_, rng_, out_);
    }

    // The pattern's token at `step`, held over the "." that follow it within the chord.
    void chordStep(const ChordPart& part, const std::vector<std::string_view>& pattern, const Chord& chord,
                   int step, int chordEnd) {
        const int bar = score_.stepsPerBar();
        const auto at = [&](int s) { return pattern[static_cast<std::size_t>(s % bar)]; };
        const auto token = at(step);
        if (token == "." || token == "-") return;
        int held = 1;
        while (step + held < chordEnd && (step + held) % bar != 0 && at(step + held) == ".")
            ++held;
        const int root = 12 * (part.octave + 1) + chord.root;
        const auto tones = chord.tones.size();
        if (token == "c") {
            for (const int tone : chord.tones)
                note(part.instrument, step, held * part.gate, root + tone, 0.8f);
        } else if (token == "b") {
            note(part.instrument, step, held * part.gate, root - 12, 1.0f);
        } else if (token.size() == 1 && std::isdigit(static_cast<unsigned char>(token[0]))) {
            const auto k = static_cast<std::size_t>(token[0] - '0');
            note(part.instrument, step, held * part.gate,
                 root + chord.tones[k % tones] + 12 * static_cast<int>(k / tones), 1.0f);
        } else {
            fail(score_.name, "not a pattern step", token);
        }
    }

    const Score& score_;
    int rate_;
    std::size_t step_;
    LoopBuffer out_;
    Rng rng_;
};

} // namespace

std::vector<float> RenderScore(const Score& score, int rate) {
    Renderer renderer(score, rate);
    const auto progression = parseProgression(score);
    for (const auto& part : score.lines)
        renderer.line(part);
    for (const auto& part : score.chords)
        renderer.chords(part, progression);
    for (const auto& part : score.drums)
        renderer.drums(part);
    renderer.echo();
    return renderer.finish();
}

} // namespace tools::synth
