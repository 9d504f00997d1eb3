#include "search/hint_worker.h"

#include <utility>

HintWorker::HintWorker() : thread_(&HintWorker::Run, this) {}

HintWorker::~HintWorker() {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        stop_ = true;
        cancel_ = true;
    }
    wake_.notify_one();
    thread_.join();
}

void HintWorker::Request(const Position& atRest, uint64_t ticket, const HintLimits& limits) {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        waiting_ = Job{atRest, ticket, limits};
        latest_ = ticket;
        found_.reset();
        cancel_ = true;
    }
    wake_.notify_one();
}

bool HintWorker::Take(Hint* hint, uint64_t* ticket) {
    std::lock_guard<std::mutex> lock(mutex_);
    if (!found_)
        return false;
    *hint = found_->hint;
    *ticket = found_->ticket;
    found_.reset();
    return true;
}

void HintWorker::Cancel() {
    std::unique_lock<std::mutex> lock(mutex_);
    waiting_.reset();
    latest_.reset();
    found_.reset();
    cancel_ = true;
    idle_.wait(lock, [this] { return !running_; });
}

// A hint is kept only while no newer request came in.
void HintWorker::Finish(const Job& job, const Hint& hint) {
    if (!waiting_ && latest_ == job.ticket)
        found_ = Found{hint, job.ticket};
    running_ = false;
    idle_.notify_all();
}

void HintWorker::Run() {
    std::unique_lock<std::mutex> lock(mutex_);
    for (;;) {
        wake_.wait(lock, [this] { return stop_ || waiting_; });
        if (stop_)
            return;
        const Job job = std::move(*waiting_);
        waiting_.reset();
        cancel_ = false;
        running_ = true;
        lock.unlock();
        const Hint hint = FindHint(job.position, job.limits, &cancel_);
        lock.lock();
        Finish(job, hint);
    }
}
