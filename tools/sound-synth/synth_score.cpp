#include "synth_score.h"

#include <cmath>
#include <cstdlib>
#include <sstream>

#include "synth_dsp.h"

namespace SoundSynth {

namespace {

struct ChordSpan {
    double start, end;  // beats
    std::vector<int> tones;  // semitones above C0 (midi), rising
};

class CParser {
public:
    explicit CParser(Score& score) : m_Score(score) {}
    void line(const std::string& strLine);
    // Applies the section levels to every note, wherever it was written.
    void finish();

private:
    using Words = std::vector<std::string>;
    void command(const std::string& strCommand, Words& words, const Words& pattern);
    void instrument(const Words& words);
    void chords(const Words& words, const Words& pattern);
    void note(const Words& words);
    void pad(const Words& words);
    void arpeggio(const Words& words, const Words& pattern, bool bBass);
    void melody(const Words& words, const Words& pattern);
    void add(double fBeat, double fBeats, float fMidi, float fVelocity, const Instrument* pInstrument);

    const Instrument* findInstrument(const std::string& strName) const;
    const ChordSpan& chordAt(double fBeat) const;
    static double Number(const std::string& strWord);
    static float Pitch(const std::string& strWord);
    static std::vector<int> Chord(const std::string& strSymbol);
    static float Option(const Words& words, const std::string& strName, float fDefault);

    struct Section {
        double start, end;  // beats
        float gain;
    };

    Score& m_Score;
    std::vector<ChordSpan> m_Chords;
    std::vector<Section> m_Sections;
    CNoise m_Humanize{12345};
};

double CParser::Number(const std::string& strWord)
{
    char* pEnd = nullptr;
    double f = std::strtod(strWord.c_str(), &pEnd);
    if (strWord.empty() || *pEnd)
        throw std::string("not a number: " + strWord);
    return f;
}

float CParser::Pitch(const std::string& strWord)
{
    static const int letters[] = {9, 11, 0, 2, 4, 5, 7};  // A B C D E F G
    if (strWord.empty())
        throw std::string("empty pitch");
    if (isdigit(static_cast<unsigned char>(strWord[0])))
        return static_cast<float>(Number(strWord));
    char c = static_cast<char>(toupper(strWord[0]));
    if (c < 'A' || c > 'G')
        throw std::string("not a pitch: " + strWord);
    int n = letters[c - 'A'];
    size_t i = 1;
    for (; i < strWord.size() && (strWord[i] == '#' || strWord[i] == 'b'); ++i)
        n += strWord[i] == '#' ? 1 : -1;
    return static_cast<float>(12 * (static_cast<int>(Number(strWord.substr(i))) + 1) + n);
}

std::vector<int> CParser::Chord(const std::string& strSymbol)
{
    static const std::map<std::string, std::vector<int>> qualities = {
        {"", {0, 4, 7}}, {"m", {0, 3, 7}}, {"7", {0, 4, 7, 10}}, {"m7", {0, 3, 7, 10}},
        {"maj7", {0, 4, 7, 11}}, {"sus2", {0, 2, 7}}, {"sus4", {0, 5, 7}}, {"add9", {0, 4, 7, 14}},
        {"m9", {0, 3, 7, 10, 14}}, {"maj9", {0, 4, 7, 11, 14}}, {"6", {0, 4, 7, 9}}, {"m6", {0, 3, 7, 9}},
        {"dim", {0, 3, 6}}, {"madd9", {0, 3, 7, 14}}};
    size_t nRoot = strSymbol.size() > 1 && (strSymbol[1] == '#' || strSymbol[1] == 'b') ? 2 : 1;
    int nBase = static_cast<int>(Pitch(strSymbol.substr(0, nRoot) + "0")) % 12;
    auto it = qualities.find(strSymbol.substr(nRoot));
    if (it == qualities.end())
        throw std::string("unknown chord: " + strSymbol);
    std::vector<int> tones;
    for (int n : it->second)
        tones.push_back(nBase + n);
    return tones;
}

float CParser::Option(const Words& words, const std::string& strName, float fDefault)
{
    for (const std::string& strWord : words) {
        if (strWord.compare(0, strName.size() + 1, strName + "=") == 0)
            return static_cast<float>(Number(strWord.substr(strName.size() + 1)));
    }
    return fDefault;
}

const Instrument* CParser::findInstrument(const std::string& strName) const
{
    auto it = m_Score.instruments.find(strName);
    if (it == m_Score.instruments.end())
        throw std::string("unknown instrument: " + strName);
    return it->second.get();
}

const ChordSpan& CParser::chordAt(double fBeat) const
{
    for (const ChordSpan& span : m_Chords) {
        if (fBeat >= span.start && fBeat < span.end)
            return span;
    }
    throw std::string("no chord at beat " + std::to_string(fBeat));
}

void CParser::add(double fBeat, double fBeats, float fMidi, float fVelocity, const Instrument* pInstrument)
{
    // A little life in the dynamics; a machine-flat velocity tires the ear.
    float fHuman = 1.0f + 0.06f * m_Humanize.next();
    m_Score.notes.push_back({m_Score.seconds(fBeat), m_Score.seconds(fBeats), fMidi, fVelocity * fHuman, pInstrument});
}

void CParser::finish()
{
    for (NoteEvent& note : m_Score.notes)
        for (const Section& section : m_Sections)
            if (note.start >= m_Score.seconds(section.start) && note.start < m_Score.seconds(section.end))
                note.velocity *= section.gain;
}

void CParser::line(const std::string& strLine)
{
    // "#" starts a comment only after a blank, since "F#5" is a pitch.
    size_t nHash = strLine.find('#');
    while (nHash != std::string::npos && nHash > 0 && !isspace(static_cast<unsigned char>(strLine[nHash - 1])))
        nHash = strLine.find('#', nHash + 1);
    std::string strText = strLine.substr(0, nHash);
    size_t nColon = strText.find(':');
    Words words, pattern;
    std::istringstream head(strText.substr(0, nColon));
    for (std::string w; head >> w;)
        words.push_back(w);
    if (nColon != std::string::npos) {
        std::istringstream tail(strText.substr(nColon + 1));
        for (std::string w; tail >> w;)
            pattern.push_back(w);
    }
    if (words.empty())
        return;
    std::string strCommand = words.front();
    words.erase(words.begin());
    command(strCommand, words, pattern);
}

void CParser::command(const std::string& strCommand, Words& words, const Words& pattern)
{
    auto arg = [&](size_t i) {
        if (i >= words.size())
            throw std::string(strCommand + ": too few values");
        return Number(words[i]);
    };
    if (strCommand == "tempo") m_Score.tempo = static_cast<float>(arg(0));
    else if (strCommand == "length") m_Score.length = static_cast<float>(arg(0));
    else if (strCommand == "loop") m_Score.loop = !words.empty() && words[0] == "on";
    else if (strCommand == "level") m_Score.level = static_cast<float>(arg(0));
    else if (strCommand == "quality") m_Score.quality = static_cast<float>(arg(0));
    else if (strCommand == "room") {
        m_Score.roomSize = static_cast<float>(arg(0));
        m_Score.roomDamping = static_cast<float>(arg(1));
        m_Score.roomMix = static_cast<float>(arg(2));
    } else if (strCommand == "chorus") {
        m_Score.chorusRate = static_cast<float>(arg(0));
        m_Score.chorusDepth = static_cast<float>(arg(1));
    } else if (strCommand == "instrument") instrument(words);
    else if (strCommand == "chords") chords(words, pattern);
    else if (strCommand == "note") note(words);
    else if (strCommand == "pad") pad(words);
    else if (strCommand == "arp") arpeggio(words, pattern, false);
    else if (strCommand == "bass") arpeggio(words, pattern, true);
    else if (strCommand == "melody") melody(words, pattern);
    else if (strCommand == "section") m_Sections.push_back({arg(0), arg(1), DbToGain(static_cast<float>(arg(2)))});
    else throw std::string("unknown command: " + strCommand);
}

void CParser::instrument(const Words& words)
{
    if (words.empty())
        throw std::string("instrument: no name");
    auto pInstrument = std::make_unique<Instrument>();
    for (size_t i = 1; i < words.size(); ++i) {
        size_t nEquals = words[i].find('=');
        if (nEquals == std::string::npos ||
            !SetParameter(*pInstrument, words[i].substr(0, nEquals), words[i].substr(nEquals + 1)))
            throw std::string("instrument: bad parameter " + words[i]);
    }
    m_Score.instruments[words[0]] = std::move(pInstrument);
}

// chords START BEATS_EACH : SYMBOL ...
void CParser::chords(const Words& words, const Words& pattern)
{
    if (words.size() < 2)
        throw std::string("chords: start and beats per chord needed");
    double fBeat = Number(words[0]), fEach = Number(words[1]);
    for (const std::string& strSymbol : pattern) {
        m_Chords.push_back({fBeat, fBeat + fEach, Chord(strSymbol)});
        fBeat += fEach;
    }
}

// note START INSTRUMENT PITCH BEATS [vel=V]
void CParser::note(const Words& words)
{
    if (words.size() < 4)
        throw std::string("note: start, instrument, pitch and length needed");
    add(Number(words[0]), Number(words[3]), Pitch(words[2]), Option(words, "vel", 0.8f), findInstrument(words[1]));
}

// pad INSTRUMENT START END [oct=N] [vel=V]: every chord in the range, held.
void CParser::pad(const Words& words)
{
    if (words.size() < 3)
        throw std::string("pad: instrument, start and end needed");
    const Instrument* pInstrument = findInstrument(words[0]);
    double fStart = Number(words[1]), fEnd = Number(words[2]);
    int nOctave = static_cast<int>(Option(words, "oct", 4));
    for (const ChordSpan& span : m_Chords) {
        if (span.start < fStart || span.start >= fEnd)
            continue;
        for (int nTone : span.tones)
            add(span.start, span.end - span.start, static_cast<float>(12 * (nOctave + 1) + nTone),
                Option(words, "vel", 0.6f), pInstrument);
    }
}

// arp/bass INSTRUMENT START END STEP [oct=N] [vel=V] : TONE ...
// Tones count the chord's notes from 1 and climb octaves past its top;
// "." rests and "-" holds the previous note one step longer.
void CParser::arpeggio(const Words& words, const Words& pattern, bool bBass)
{
    if (words.size() < 4 || pattern.empty())
        throw std::string("arp: instrument, start, end, step and a pattern needed");
    const Instrument* pInstrument = findInstrument(words[0]);
    double fStart = Number(words[1]), fEnd = Number(words[2]), fStep = Number(words[3]);
    int nOctave = static_cast<int>(Option(words, "oct", bBass ? 2 : 4));
    float fVelocity = Option(words, "vel", 0.7f);
    size_t nStep = 0;
    for (double fBeat = fStart; fBeat < fEnd - 1e-9; fBeat += fStep, ++nStep) {
        const std::string& strTone = pattern[nStep % pattern.size()];
        if (strTone == "-" && !m_Score.notes.empty()) {
            m_Score.notes.back().duration += m_Score.seconds(fStep);
            continue;
        }
        if (strTone == "." || strTone == "-")
            continue;
        const std::vector<int>& tones = chordAt(fBeat).tones;
        int nIndex = static_cast<int>(Number(strTone)) - 1;
        int nSize = static_cast<int>(tones.size());
        int nTone = tones[static_cast<size_t>(nIndex % nSize)] + 12 * (nIndex / nSize);
        add(fBeat, fStep, static_cast<float>(12 * (nOctave + 1) + nTone), fVelocity, pInstrument);
    }
}

// melody INSTRUMENT START [vel=V] : PITCH/BEATS ...   ("." rests)
void CParser::melody(const Words& words, const Words& pattern)
{
    if (words.size() < 2)
        throw std::string("melody: instrument and start needed");
    const Instrument* pInstrument = findInstrument(words[0]);
    double fBeat = Number(words[1]);
    float fVelocity = Option(words, "vel", 0.8f);
    for (const std::string& strNote : pattern) {
        size_t nSlash = strNote.find('/');
        double fBeats = nSlash == std::string::npos ? 1.0 : Number(strNote.substr(nSlash + 1));
        std::string strPitch = strNote.substr(0, nSlash);
        if (strPitch != ".")
            add(fBeat, fBeats, Pitch(strPitch), fVelocity, pInstrument);
        fBeat += fBeats;
    }
}

}  // namespace

bool ParseScore(const std::string& strText, Score& score, std::string& strError)
{
    CParser parser(score);
    std::istringstream lines(strText);
    int nLine = 0;
    for (std::string strLine; std::getline(lines, strLine);) {
        ++nLine;
        try {
            parser.line(strLine);
        } catch (const std::string& strWhy) {
            strError = "line " + std::to_string(nLine) + ": " + strWhy;
            return false;
        }
    }
    if (score.length <= 0) {
        strError = "no length given";
        return false;
    }
    parser.finish();
    return true;
}

}  // namespace SoundSynth
