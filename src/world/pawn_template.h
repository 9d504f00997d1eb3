#pragma once
// A kind of object: its animation frames (each a list of models with their
// own transforms), its textures, and the flags the game rules test.

#include <cstdint>
#include <string>
#include <vector>

#include "core/linked_list.h"
#include "world/transform.h"

// One model drawn in one frame.
struct FramePart {
    std::string Label;
    ::Transform Transform;
    int32_t ModelRef = 0;  // index into the template's ModelRefList
};

class PawnTemplate {
  public:
    LinkedList<LinkedList<FramePart>> Frames;
    LinkedList<int> ModelRefList;  // model slots of the renderer's model table
    LinkedList<int> TextureList;   // GL texture names by material number; -1: none
    LinkedList<std::string> FrameNames;

    int32_t ID = 0;
    int32_t BlocksCrate = 0;
    int32_t BlocksHero = 0;
    int32_t BlocksRock = 0;
    int32_t WeightCrate = 0;
    int32_t WeightHero = 0;
    int32_t WeightRock = 0;
    int32_t Weightless = 0;
    int32_t Bombable = 0;
    int32_t Sliding = 0;
    int32_t Rolling = 0;
    int32_t Collectable = 0;
    int32_t Ladder = 0;
    int32_t SpecialFlag = 0;

    // Reads an animation file; false when it cannot be opened.
    bool LoadAnimation(const char* path);
    // Loads a JPEG texture into TextureList[index], padding with -1 up to it.
    bool LoadTexture(const char* path, int index);

    // Two or more frames: the template's pawns step through them.
    bool IsAnimated() const { return Frames.head && Frames.head != Frames.tail; }

    // Frame number `frame`, or null when there is none; and the number of
    // frames. Both take constant time however long the animation is: an
    // index of the frames is built when the animation is read (and again if
    // frames were added since, or the template was copied).
    const LinkedList<FramePart>* FrameAt(int frame) const;
    int FrameCount() const;
    void IndexFrames() const;

  private:
    mutable std::vector<const LinkedList<FramePart>*> frameIndex_;
    mutable const void* indexedHead_ = nullptr;
    mutable const void* indexedTail_ = nullptr;
};

constexpr int kPawnTemplateSlots = 99;
extern PawnTemplate PawnTemplates[kPawnTemplateSlots];

// Every numbered list of the template file (models, templates, model
// references, textures) stops after this number: slots above it stay empty.
constexpr int kLastListNumber = 90;

// Fills the model table and PawnTemplates from "pawntemp.xml".
void LoadPawnTemplates();

// Every slot of PawnTemplates empty again, as before the first load.
void ResetPawnTemplates();
