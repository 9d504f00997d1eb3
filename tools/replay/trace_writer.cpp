#include "trace_writer.h"

#include <cmath>

#include "core/keys.h"
#include "platform/sys_path.h"

std::string JsonNumber(float value) {
    if (!std::isfinite(value))
        return "null";  // JSON has no infinities; never expected in a game
    char text[32];
    std::snprintf(text, sizeof text, "%.9g", static_cast<double>(value));
    return text;
}

std::string JsonString(const std::string& text) {
    std::string out = "\"";
    for (unsigned char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c < 0x20) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", c);
            out += escape;
        } else {
            out += static_cast<char>(c);
        }
    }
    return out + "\"";
}

const char* PhaseName(int phase) {
    switch (phase) {
        case kPhaseStartLevel:
            return "StartLevel";
        case kPhaseLoadingScreen:
            return "LoadingScreen";
        case kPhaseLoadLevel:
            return "LoadLevel";
        case kPhasePlaying:
            return "Playing";
        case kPhaseEnded:
            return "Ended";
        default:
            return "None";
    }
}

bool TraceWriter::Open(const std::string& path) {
    Close();
    ownsFile_ = path != "-";
    out_ = ownsFile_ ? Sys_OpenFile(path, "wb") : stdout;
    return out_ != nullptr;
}

void TraceWriter::Close() {
    if (out_ && ownsFile_)
        std::fclose(out_);
    else if (out_)
        std::fflush(out_);
    out_ = nullptr;
}

namespace {

const char* Bool(bool value) {
    return value ? "true" : "false";
}

std::string HeroText(const Pawn* hero) {
    if (!hero)
        return "\"hero\":null";
    const Transform& at = hero->Placement;
    return "\"hero\":[" + JsonNumber(at.xoffset) + "," + JsonNumber(at.yoffset) + "," +
           JsonNumber(at.zoffset) + "],\"yangle\":" + JsonNumber(at.yangle);
}

std::string PawnText(const Pawn& pawn) {
    long slot = pawn.Template ? static_cast<long>(pawn.Template - PawnTemplates) : -1;
    int id = pawn.Template ? pawn.Template->ID : 0;
    const Transform& at = pawn.Placement;
    return "{\"slot\":" + std::to_string(slot) + ",\"id\":" + std::to_string(id) +
           ",\"x\":" + JsonNumber(at.xoffset) + ",\"y\":" + JsonNumber(at.yoffset) +
           ",\"z\":" + JsonNumber(at.zoffset) + ",\"opacity\":" + JsonNumber(at.opacity) +
           ",\"visible\":" + Bool(pawn.Visible) + ",\"type\":" + std::to_string(pawn.Type) +
           ",\"frame\":" + std::to_string(pawn.Frame) + "}";
}

}  // namespace

void TraceWriter::Tick(uint32_t t, const Position& position) {
    if (!out_)
        return;
    std::fprintf(out_,
                 "{\"t\":%u,\"level\":%d,\"phase\":\"%s\",%s,\"bombs\":%d,\"dead\":%s,"
                 "\"finished\":%s,\"cooldown\":%d}\n",
                 t, position.CurrentLevel, PhaseName(position.LevelPhase),
                 HeroText(position.PlayerPawn()).c_str(), position.BombCount,
                 Bool(position.HeroDead), Bool(position.LevelFinished), position.InputCooldown);
}

void TraceWriter::Phase(uint32_t t, int level, int phase) {
    if (out_)
        std::fprintf(out_, "{\"t\":%u,\"event\":\"phase\",\"level\":%d,\"phase\":\"%s\"}\n", t,
                     level, PhaseName(phase));
}

void TraceWriter::Sound(uint32_t t, int slot, const char* op, const char* file, bool withFile,
                        bool ok) {
    if (!out_)
        return;
    std::string tail;
    if (withFile)
        tail = ",\"file\":" + JsonString(file ? file : "") + ",\"ok\":" + Bool(ok);
    std::fprintf(out_, "{\"t\":%u,\"event\":\"sound\",\"slot\":%d,\"op\":\"%s\"%s}\n", t, slot, op,
                 tail.c_str());
}

void TraceWriter::Message(uint32_t t, const std::string& caption, const std::string& text) {
    if (out_)
        std::fprintf(out_, "{\"t\":%u,\"event\":\"message\",\"caption\":%s,\"text\":%s}\n", t,
                     JsonString(caption).c_str(), JsonString(text).c_str());
}

void TraceWriter::Memory(uint32_t t, const char* at, size_t bytes) {
    if (out_)
        std::fprintf(out_, "{\"t\":%u,\"event\":\"memory\",\"at\":\"%s\",\"bytes\":%zu}\n", t, at,
                     bytes);
}

void TraceWriter::Quit(uint32_t t, int code) {
    if (out_)
        std::fprintf(out_, "{\"t\":%u,\"event\":\"quit\",\"code\":%d}\n", t, code);
}

void TraceWriter::HintShown(uint32_t t, const Hint& hint) {
    if (!out_)
        return;
    std::string result = "\"result\":\"no way\"";
    if (hint.kind == HintKind::kPress)
        result = "\"result\":\"press\",\"key\":" + JsonString(KeyName(hint.keyCode)) +
                 ",\"presses\":" + std::to_string(hint.presses);
    else if (hint.kind == HintKind::kGaveUp)
        result = "\"result\":\"gave up\"";
    std::fprintf(out_, "{\"t\":%u,\"event\":\"hint\",%s,\"text\":%s}\n", t, result.c_str(),
                 JsonString(HintText(hint)).c_str());
}

void TraceWriter::DeadEnd(uint32_t t) {
    if (out_)
        std::fprintf(out_, "{\"t\":%u,\"event\":\"dead end\"}\n", t);
}

void TraceWriter::Pawns(uint32_t t, const Position& position) {
    if (!out_)
        return;
    std::string list;
    for (const Pawn& pawn : position.LevelPawns)
        list += (list.empty() ? "" : ",") + PawnText(pawn);
    std::fprintf(out_, "{\"t\":%u,\"pawns\":[%s]}\n", t, list.c_str());
}
