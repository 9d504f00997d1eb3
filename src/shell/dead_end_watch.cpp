#include "shell/dead_end_watch.h"

#include "game/rest_state.h"

void DeadEndWatch::SetEnabled(bool on) {
    if (!on)
        Stop();
    enabled_ = on;
}

bool DeadEndWatch::Follow(const Position& here) {
    changed_ = false;
    if (!enabled_ || !LevelBeingPlayed(here)) {
        Stop();
        return changed_;
    }
    if (searching_)
        TakeAnswer();
    if (GameAtRest(here)) {
        Position atRest = AtRestForm(here);
        if (!checked_ || *checked_ != atRest)
            Check(atRest);
    }
    return changed_;
}

void DeadEndWatch::Stop() {
    if (searching_)
        worker_->Cancel();
    searching_ = false;
    checked_.reset();
    winnable_.clear();
    dead_.clear();
    SetTold(false);
}

// A position already known is told at once; any other is searched, and what
// was told stays until the answer comes (a press from a dead end mostly leads
// to another).
void DeadEndWatch::Check(const Position& atRest) {
    if (searching_)
        worker_->Cancel();
    searching_ = false;
    checkedHash_ = HashPosition(atRest);
    checked_ = atRest;
    if (dead_.count(checkedHash_) > 0 || winnable_.count(checkedHash_) > 0)
        return SetTold(dead_.count(checkedHash_) > 0);
    HintLimits limits;
    limits.hashWayAhead = true;
    if (atOnce_)
        return Answer(FindHint(atRest, limits));
    if (!worker_)
        worker_ = std::make_unique<HintWorker>();
    worker_->Request(atRest, ++ticket_, limits);
    searching_ = true;
}

// A search that gave up tells nothing: the way may be longer than it looked.
void DeadEndWatch::Answer(const Hint& hint) {
    searching_ = false;
    if (hint.kind == HintKind::kPress) {
        winnable_.insert(checkedHash_);
        winnable_.insert(hint.wayAhead.begin(), hint.wayAhead.end());
    } else if (hint.kind == HintKind::kNoWay) {
        dead_.insert(checkedHash_);
    }
    SetTold(hint.kind == HintKind::kNoWay);
}

void DeadEndWatch::TakeAnswer() {
    Hint hint;
    uint64_t ticket = 0;
    if (worker_->Take(&hint, &ticket) && ticket == ticket_)
        Answer(hint);
}

void DeadEndWatch::SetTold(bool told) {
    changed_ = changed_ || told != told_;
    told_ = told;
}
