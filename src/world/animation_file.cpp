// The animation file: a model block between "!" lines, then frames between
// "#" lines, each holding part blocks between "$" lines. The reader stops at
// the end of the file wherever it is and keeps what it has read so far.

#include <cstdio>
#include <string>

#include "platform/sys_path.h"
#include "world/pawn_template.h"
#include "world/text_numbers.h"

namespace {

// Longest line kept, by where the line is read. Longer lines are cut there.
constexpr size_t kShortLine = 99;      // frame names, values, lines before a frame
constexpr size_t kModelRefLine = 198;  // the first value line of a part block
constexpr size_t kLongLine = 1198;     // model-block lines, lines searched inside a frame

constexpr int kTransformValues = 10;

class LineSource {
  public:
    explicit LineSource(FILE* file) : file_(file) {}

    // Reads the next line without its line feed (and a carriage return just
    // before it), cut to limit characters. False once the file has ended.
    bool Next(size_t limit, std::string* line) {
        line->clear();
        int c = std::getc(file_);
        if (c == EOF)
            return false;
        for (; c != EOF && c != '\n'; c = std::getc(file_))
            if (line->size() <= limit)  // one more than the limit, for a CR
                line->push_back(static_cast<char>(c));
        if (c == '\n' && !line->empty() && line->back() == '\r')
            line->pop_back();
        if (line->size() > limit)
            line->resize(limit);
        return true;
    }

  private:
    FILE* file_;
};

// The opening line and, when it is "!", the model block: each line inside
// appends its ordinal to ModelRefList. False when the file ends first.
bool ReadModelBlock(LineSource& lines, PawnTemplate* pawnTemplate) {
    std::string line;
    if (!lines.Next(kShortLine, &line))
        return false;
    if (line != "!")
        return true;
    for (int ordinal = 0;; ++ordinal) {
        if (!lines.Next(kLongLine, &line))
            return false;
        if (line == "!")
            return true;
        pawnTemplate->ModelRefList.PushBack(ordinal);
    }
}

Transform TransformFromValues(const float (&v)[kTransformValues]) {
    return Transform(v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7], v[8], v[9]);
}

// The twelve value lines after a "$" and the search for the closing "$". The
// part is kept once its twelve lines are read. False when the file ends.
bool ReadPartBlock(LineSource& lines, LinkedList<FramePart>* frame) {
    std::string line;
    FramePart part;
    if (!lines.Next(kModelRefLine, &line))
        return false;
    part.ModelRef = ParseWrappedInt(line.c_str());
    if (!lines.Next(kShortLine, &part.Label))
        return false;
    float values[kTransformValues];
    for (float& value : values) {
        if (!lines.Next(kShortLine, &line))
            return false;
        value = NarrowToFloat(ParseLeadingDouble(line.c_str()));
    }
    part.Transform = TransformFromValues(values);
    frame->PushBack(part);
    while (lines.Next(kLongLine, &line))
        if (line == "$")
            return true;
    return false;
}

// A frame after its opening "#": the name, then part blocks up to the closing
// "#"; other lines are skipped. False when the file ends first.
bool ReadFrame(LineSource& lines, PawnTemplate* pawnTemplate) {
    pawnTemplate->Frames.PushBack(LinkedList<FramePart>());
    LinkedList<FramePart>& frame = pawnTemplate->Frames.Last();
    std::string line;
    bool named = lines.Next(kShortLine, &line);
    pawnTemplate->FrameNames.PushBack(line);  // keeps names and frames in step
    if (!named)
        return false;
    while (lines.Next(kLongLine, &line)) {
        if (line == "#")
            return true;
        if (line == "$" && !ReadPartBlock(lines, &frame))
            return false;
    }
    return false;
}

void ReadFrames(LineSource& lines, PawnTemplate* pawnTemplate) {
    std::string line;
    while (lines.Next(kShortLine, &line))
        if (line == "#" && !ReadFrame(lines, pawnTemplate))
            return;
}

}  // namespace

bool PawnTemplate::LoadAnimation(const char* path) {
    FILE* file = path ? Sys_OpenFile(path, "r") : nullptr;
    if (!file)
        return false;
    Frames.Clear();
    ModelRefList.Clear();
    FrameNames.Clear();
    LineSource lines(file);
    if (ReadModelBlock(lines, this))
        ReadFrames(lines, this);
    std::fclose(file);
    return true;
}
