#pragma once
// Hint searches on a thread of their own, one at a time, so that the game
// keeps its 27 ms tick while a hint is sought. Only the latest request
// counts: a new one replaces any not yet started and cancels one running.

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <optional>
#include <thread>

#include "search/hint_search.h"

class HintWorker {
  public:
    HintWorker();
    ~HintWorker();  // cancels the search running and waits for its thread
    HintWorker(const HintWorker&) = delete;
    HintWorker& operator=(const HintWorker&) = delete;

    // The worker keeps its own copy of the position.
    void Request(const Position& atRest, uint64_t ticket, const HintLimits& limits = HintLimits());
    // True once, with the hint and ticket of the latest request, when it is found.
    bool Take(Hint* hint, uint64_t* ticket);
    // Forgets the latest request: nothing is taken until the next. Returns
    // once no search runs, so that the caller may then load templates (a
    // search stops within one position's presses).
    void Cancel();

  private:
    struct Job {
        Position position;
        uint64_t ticket;
        HintLimits limits;
    };

    struct Found {
        Hint hint;
        uint64_t ticket;
    };

    void Run();
    void Finish(const Job& job, const Hint& hint);

    std::mutex mutex_;
    std::condition_variable wake_;  // a request waits, or the worker stops
    std::condition_variable idle_;  // the running search ended
    std::optional<Job> waiting_;
    std::optional<uint64_t> latest_;   // the ticket whose hint Take may give
    std::optional<Found> found_;       // the latest request's hint, not yet taken
    std::atomic<bool> cancel_{false};  // the running search stops
    bool running_ = false;
    bool stop_ = false;
    std::thread thread_;  // last: it starts once everything above is made
};
