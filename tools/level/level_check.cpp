#include "level_check.h"

#include <cmath>
#include <set>

#include "core/fatal_error.h"
#include "game/pawn_motion.h"
#include "levels_xml.h"
#include "tool_templates.h"
#include "world/level.h"
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

    const LevelText& level_;
    std::vector<PlacedPawn> pawns_;
    std::vector<Diagnostic> found_;
};

bool OnGrid(float v) {
    return v == std::round(v / kCellSize) * kCellSize;
}

// Pawns the rules find by cell: they must stand on the grid.
bool HasRuleRole(const PawnTemplate& t) {
    return CanMove(t) || Blocks(t) || t.Ladder || t.Collectable || t.SpecialFlag == kFlagGate ||
           t.SpecialFlag == kFlagSwitchUp || t.SpecialFlag == kFlagSwitchDown ||
           t.ID == kIdDestructible || t.ID == kIdCheckpoint || t.ID == kIdDeadly || t.ID == kIdExit;
}

// Nothing pushes, blows up or swaps it: it stays in its column for good.
bool IsFixedBlocker(const PawnTemplate& t) {
    return Blocks(t) && !CanMove(t) && !t.Sliding && !t.Rolling && t.ID != kIdDestructible &&
           t.SpecialFlag != kFlagGate;
}

void IgnoreFatalError(const char*) {}

void Checker::Report(const SourcePos& pos, const std::string& message) {
    found_.push_back({level_.file, pos, message});
}

SourcePos Checker::LevelPos() const {
    return level_.numberPos.line ? level_.numberPos : SourcePos{1, 1};
}

void Checker::CheckHeroes() {
    int heroes = 0;
    for (const PlacedPawn& pawn : pawns_)
        if (ClassOf(pawn.slot) == PawnClass::kHero && ++heroes > 1)
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
    LevelPawns.Clear();
    for (const PlacedPawn& pawn : pawns_) {
        LevelPawns.PushBack(Pawn(&PawnTemplates[pawn.slot]));
        LevelPawns.Last().Placement = pawn.placement;
    }
    FatalErrorHandler previous = SetFatalErrorHandler(IgnoreFatalError);
    BuildLevelIndex();
    SetFatalErrorHandler(previous);
    size_t i = 0;
    for (auto* node = LevelPawns.head; node; node = node->next, ++i) {
        Pawn* pawn = &node->data;
        if (CanMove(*pawn->Template) && !IsSupported(pawn) && !OnLadder(*pawn))
            Report(pawns_[i].pos, "nothing carries this pawn: it falls once the hero comes near");
    }
    ClearLevelIndex();
    LevelPawns.Clear();
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
    return found_;
}

}  // namespace

std::vector<Diagnostic> CheckLevel(const LevelText& level) {
    return Checker(level).Run();
}
