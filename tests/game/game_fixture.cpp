#include "game_fixture.h"

#include <cstring>

#include "game/pawn_motion.h"
#include "level_pointers.h"

namespace game_test {

std::vector<PlayedSound> GameTest::played;
std::vector<std::string> GameTest::fatalErrors;

void RecordSound(int slot, SoundOp op, const char* file, bool) {
    GameTest::played.push_back({slot, op, file ? file : ""});
}

namespace {
void RecordFatal(const char* text) {
    GameTest::fatalErrors.push_back(text);
}

void Blocks(PawnTemplate& t) {
    t.BlocksCrate = t.BlocksHero = t.BlocksRock = 1;
}

void MakeBarrel(PawnTemplate& t, int id) {
    t.ID = id;
    t.Rolling = 1;
    t.WeightRock = 1;
    Blocks(t);
}

void MakeTemplates() {
    for (PawnTemplate& t : PawnTemplates)
        t = PawnTemplate();
    PawnTemplates[kHero].SpecialFlag = 11;
    PawnTemplates[kHero].WeightHero = 1;
    Blocks(PawnTemplates[kWall]);
    PawnTemplates[kCrate].WeightCrate = PawnTemplates[kCrate].Sliding = 1;
    Blocks(PawnTemplates[kCrate]);
    PawnTemplates[kRock].WeightRock = 1;
    Blocks(PawnTemplates[kRock]);
    PawnTemplates[kHolder].SpecialFlag = 1;
    PawnTemplates[kHolder].BlocksCrate = 1;
    PawnTemplates[kTall].SpecialFlag = 20;
    Blocks(PawnTemplates[kTall]);
    MakeBarrel(PawnTemplates[kBarrel], 0);
    MakeBarrel(PawnTemplates[kRollLeft], 32);
    MakeBarrel(PawnTemplates[kRollRight], 33);
    PawnTemplates[kLadder].ID = 10;
    PawnTemplates[kLadder].Ladder = 1;
    PawnTemplates[kBomb].SpecialFlag = 2;
    PawnTemplates[kBomb].Collectable = 1;
    PawnTemplates[kDeadly].ID = 34;
    PawnTemplates[kCheckpoint].ID = 29;
    PawnTemplates[kCheckpointTaken].ID = 36;
    PawnTemplates[kExit].ID = 35;
    PawnTemplates[kDestructible].ID = 3;
    Blocks(PawnTemplates[kDestructible]);
    PawnTemplates[kSwitchUp].ID = PawnTemplates[kSwitchUp].SpecialFlag = 15;
    PawnTemplates[kSwitchDown].ID = PawnTemplates[kSwitchDown].SpecialFlag = 16;
    PawnTemplates[kGateClosed].SpecialFlag = 5;
    Blocks(PawnTemplates[kGateClosed]);
    PawnTemplates[kGateOpen].SpecialFlag = 5;
    PawnTemplates[kColumnPawn].SpecialFlag = 30;
    PawnTemplates[kExplosion].ID = 21;
}

}  // namespace

void GameTest::SetUp() {
    MakeTemplates();
    ClearLevel();
    SavedPawns.Clear();
    std::memset(KeyDown, 0, sizeof KeyDown);
    InputCooldown = BombCount = 0;
    HeroDead = LevelFinished = false;
    ExplosionSoundIndex = 1;
    FrameStartTick = 0;
    played.clear();
    fatalErrors.clear();
    SetSoundObserver(RecordSound);
    SetFatalErrorHandler(RecordFatal);
}

void GameTest::TearDown() {
    SetSoundObserver(nullptr);
    SetFatalErrorHandler(nullptr);
    ClearLevel();
    SavedPawns.Clear();
}

Pawn* GameTest::Place(int slot, float x, float y) {
    LevelPawns.PushBack(Pawn(&PawnTemplates[slot], x, y));
    return &LevelPawns.Last();
}

void GameTest::Floor(float x0, float x1, float y) {
    for (float x = x0; x <= x1; x += 20.0f)
        Place(kWall, x, y);
}

void GameTest::Tick(int count) {
    for (int i = 0; i < count; ++i) {
        GameplayTick();
        EXPECT_TRUE(LevelPointersValid());
    }
}

void GameTest::Tap(int key) {
    KeyDown[key] = 1;
    Tick();
    KeyDown[key] = 0;
}

void GameTest::Walk(int key) {
    Tap(key);
    for (int i = 0; i < 40 && !MoveFinished(*PlayerPawn); ++i)
        Tick();
}

int GameTest::CountPlayed(int slot) const {
    int count = 0;
    for (const PlayedSound& s : played)
        if (s.slot == slot && s.op == SoundOp::PlayOnce)
            ++count;
    return count;
}

}  // namespace game_test
