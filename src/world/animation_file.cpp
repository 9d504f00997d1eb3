// The animation file: a model block between "!" lines, then frames between
// "#" lines, each holding part blocks between "$" lines. The reader stops at
// the end of the file wherever it is and keeps what it has read so far.

#include <algorithm>
#include <string>
#include <vector>

#include "platform/sys_path.h"
#include "world/pawn_template.h"
#include "world/text_numbers.h"

namespace {

// Longest line kept, by where the line is read. Longer lines are cut there.
constexpr size_t kShortLine = 99;      // frame names, values, lines before a frame
constexpr size_t kModelRefLine = 198;  // the first value line of a part block
constexpr size_t kLongLine = 1198;     // model-block lines, lines searched inside a frame

constexpr int kTransformValues = 10;

// The largest animation file read: 100,000 frames of one part take about
// 6 MB; anything much larger is not an animation.
constexpr size_t kMaxAnimationBytes = 16u << 20;

class LineSource {
  public:
    explicit LineSource(const std::vector<char>& bytes) : bytes_(bytes) {}

    // Reads the next line without its line feed (and a carriage return just
    // before it), cut to limit characters. False once the file has ended.
    bool Next(size_t limit, std::string* line) {
        line->clear();
        if (at_ >= bytes_.size())
            return false;
        size_t end = at_;
        while (end < bytes_.size() && bytes_[end] != '\n')
            ++end;
        line->assign(bytes_.data() + at_, std::min(end - at_, limit + 1));  // + 1 for a CR
        if (end < bytes_.size() && !line->empty() && line->back() == '\r')
            line->pop_back();
        if (line->size() > limit)
            line->resize(limit);
        at_ = end + 1;
        return true;
    }

  private:
    const std::vector<char>& bytes_;
    size_t at_ = 0;
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
    std::vector<char> bytes;
    std::string why;
    if (!path || !Sys_ReadDataFile(path, kMaxAnimationBytes, &bytes, &why)) {
        Sys_ReportFileProblem(path ? path : "(no animation file)", why);
        return false;
    }
    Frames.Clear();
    ModelRefList.Clear();
    FrameNames.Clear();
    try {
        LineSource lines(bytes);
        if (ReadModelBlock(lines, this))
            ReadFrames(lines, this);
    } catch (const std::exception& failure) {  // nothing a file holds may end the program
        Frames.Clear();
        FrameNames.Clear();
        Sys_ReportFileProblem(path, failure.what());
        return false;
    }
    IndexFrames();
    return true;
}
