#include "level_check.h"

#include <cmath>
#include <filesystem>
#include <set>

#include "core/fatal_error.h"
#include "game/level_changes.h"
#include "game/pawn_motion.h"
#include "levels_xml.h"
#include "platform/sys_path.h"
#include "tool_templates.h"
#include "world/level_list.h"
#include "world/template_roles.h"

namespace {

class Checker {
  public:
    explicit Checker(const LevelText& level) : level_(level), pawns_(OrderedPawns(level)) {}
    std::vector<Diagnostic> Run();

  private:
    void Report(const SourcePos& pos, const std::string& message);
    SourcePos LevelPos() const;
    void CheckHeroes();
    void CheckTemplates();
    void CheckGrid();
    void CheckSupport();
    void CheckPictureColumn();
    void CheckDataFile(const char* what, const std::string& name, const SourcePos& pos,
                       const std::string& numbered);

    const LevelText& level_;
    std::vector<PlacedPawn> pawns_;
    std::vector<Diagnostic> found_;
};

bool OnGrid(float v) {
    return v == std::round(v / kCellSize) * kCellSize;
}

void Checker::Report(const SourcePos& pos, const std::string& message) {
    found_.push_back({level_.file, pos, message});
}

SourcePos Checker::LevelPos() const {
    return level_.numberPos.line ? level_.numberPos : SourcePos{1, 1};
}

void Checker::CheckHeroes() {
    int heroes = 0;
    for (const PlacedPawn& pawn : pawns_)
        if (IsHero(PawnTemplates[pawn.slot]) && ++heroes > 1)
            Report(pawn.pos, "a second hero: a level has exactly one");
    if (heroes == 0)
        Report(LevelPos(), "the level has no hero (a pawn whose template has SpecialFlag 11)");
}

void Checker::CheckTemplates() {
    const int loaded = LoadedTemplateCount();
    std::set<int> seen;
    for (const PlacedPawn& pawn : pawns_) {
        if (!seen.insert(pawn.slot).second)
            continue;
        std::string why;
        if (pawn.slot >= loaded)
            Report(pawn.pos, "template slot " + std::to_string(pawn.slot) +
                                 " is not loaded (pawntemp.xml has slots 0 to " +
                                 std::to_string(loaded - 1) + ")");
        else if (!TemplateHasAnimation(pawn.slot, &why))
            Report(pawn.pos, "template slot " + std::to_string(pawn.slot) + ": " + why);
    }
}

void Checker::CheckGrid() {
    for (const PlacedPawn& pawn : pawns_) {
        const Transform& at = pawn.placement;
        if (HasRuleRole(PawnTemplates[pawn.slot]) && !(OnGrid(at.xoffset) && OnGrid(at.yoffset)))
            Report(pawn.pos, "this pawn takes part in the rules but is not on the 20-unit grid");
    }
}

// The game's own support test on the level as it starts.
void Checker::CheckSupport() {
    Position position;
    for (const PlacedPawn& pawn : pawns_) {
        position.LevelPawns.push_back(Pawn(&PawnTemplates[pawn.slot]));
        position.LevelPawns.back().Placement = pawn.placement;
    }
    position.IndexOutOfDate = true;
    FatalErrorHandler previous = SetFatalErrorHandler(nullptr);  // checked by CheckHeroes
    BuildLevelIndex(&position);
    SetFatalErrorHandler(previous);
    SilentSoundSink silent;
    RuleStep step(position, silent);
    for (size_t i = 0; i < position.LevelPawns.size(); ++i) {
        Pawn* pawn = &position.LevelPawns[i];
        if (CanMove(*pawn->Template) && !IsSupported(&step, pawn) && !OnLadder(position, *pawn))
            Report(pawns_[i].pos, "nothing carries this pawn: it falls once the hero comes near");
    }
}

void Checker::CheckPictureColumn() {
    for (const PlacedPawn& pawn : pawns_)
        if (pawn.placement.xoffset == 0.0f && IsFixedBlocker(PawnTemplates[pawn.slot]))
            return;
    Report(LevelPos(),
           "no fixed blocker in column x = 0: the loading picture stands in that column and "
           "falls without one (see gamedata/README.md)");
}

std::vector<Diagnostic> Checker::Run() {
    CheckHeroes();
    CheckTemplates();
    CheckGrid();
    CheckSupport();
    CheckPictureColumn();
    CheckDataFile("loading picture", level_.picture, level_.picturePos,
                  DefaultLevelPicture(level_.number));
    CheckDataFile("music", level_.music, level_.musicPos, DefaultLevelMusic(level_.number));
    return found_;
}

// The picture and the music the game will load for the level, read from the
// data folder of the root the check runs in.
void Checker::CheckDataFile(const char* what, const std::string& name, const SourcePos& pos,
                            const std::string& numbered) {
    const std::string path = name.empty() ? numbered : DataFolderPath(name);
    std::error_code code;
    const bool found =
        Sys_DataPathConfined(path) && std::filesystem::is_regular_file(Sys_HostPath(path), code);
    if (!found)
        Report(name.empty() ? LevelPos() : pos,
               std::string("the level's ") + what + " " + path + " is missing");
}

}  // namespace

std::vector<Diagnostic> CheckLevel(const LevelText& level) {
    return Checker(level).Run();
}
