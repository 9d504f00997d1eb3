#include "world/pawn_template.h"

#include "world/template_assets.h"

PawnTemplate PawnTemplates[kPawnTemplateSlots];

void ResetPawnTemplates() {
    for (PawnTemplate& t : PawnTemplates)
        t = PawnTemplate();
}

bool PawnTemplate::LoadTexture(const char* path, int index) {
    if (index < 0)
        return true;
    int count = TextureList.LastIndex() + 1;
    for (; count < index + 1; ++count)
        TextureList.PushBack(-1);
    TemplateAssets* assets = GetTemplateAssets();
    if (assets)
        assets->LoadJpegTexture(&TextureList[index], path, 0);
    return true;
}

void PawnTemplate::IndexFrames() const {
    frameIndex_.clear();
    for (const LLNode<LinkedList<FramePart>>* node = Frames.head; node; node = node->next)
        frameIndex_.push_back(&node->data);
    indexedHead_ = Frames.head;
    indexedTail_ = Frames.tail;
}

// Frames are only ever appended or all cleared, so the ends show whether the
// index still matches the list.
const LinkedList<FramePart>* PawnTemplate::FrameAt(int frame) const {
    if (indexedHead_ != Frames.head || indexedTail_ != Frames.tail)
        IndexFrames();
    if (frame < 0 || frame >= static_cast<int>(frameIndex_.size()))
        return nullptr;
    return frameIndex_[static_cast<size_t>(frame)];
}

int PawnTemplate::FrameCount() const {
    if (indexedHead_ != Frames.head || indexedTail_ != Frames.tail)
        IndexFrames();
    return static_cast<int>(frameIndex_.size());
}
