#pragma once

// Threads that paint the bands of a page beside the thread that asked. They stay for the whole
// run, so that what a thread keeps for itself (Qt's font engines) outlives one repaint, and they
// are stopped before the application goes away.

#include <condition_variable>
#include <deque>
#include <exception>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

namespace qel {

class BandWorkers {
public:
    // One per core, at least 2 and at most 8.
    static int defaultThreads();
    // The workers of the program, started on first use.
    static BandWorkers& shared();

    explicit BandWorkers(int workers);
    ~BandWorkers();
    BandWorkers(const BandWorkers&) = delete;
    BandWorkers& operator=(const BandWorkers&) = delete;

    // Runs job(0) .. job(count - 1), job(0) on the calling thread, and returns when all have
    // ended. The calling thread takes on waiting jobs too, so any count works with any number
    // of workers.
    void run(int count, const std::function<void(int)>& job);
    // Ends the threads; a later run starts them again.
    void stop();

private:
    struct Batch;
    struct Task {
        Batch* batch;
        int index;
    };
    void start();
    void work();
    static std::exception_ptr perform(const Task& task);
    void finish(const Task& task, std::exception_ptr failure);

    int workers_;
    std::mutex lock_;
    std::condition_variable wake_;
    std::deque<Task> tasks_;
    std::vector<std::thread> threads_;
    bool stopping_ = false;
};

} // namespace qel
