#include "render/bandworkers.h"

#include <QCoreApplication>
#include <algorithm>
#include <exception>

namespace qel {

struct BandWorkers::Batch {
    const std::function<void(int)>* job;
    int left;
    std::exception_ptr failure;
    std::condition_variable done;
};

int BandWorkers::defaultThreads() {
    return std::clamp(int(std::thread::hardware_concurrency()), 2, 8);
}

namespace {

BandWorkers* sharedWorkers = nullptr;

// Threads that used fonts must end while the application that owns the font database lives.
void stopSharedWorkers() {
    if (sharedWorkers) sharedWorkers->stop();
}

} // namespace

BandWorkers& BandWorkers::shared() {
    static BandWorkers workers(defaultThreads() - 1);
    static const bool registered = [] {
        sharedWorkers = &workers;
        if (QCoreApplication::instance()) qAddPostRoutine(stopSharedWorkers);
        return true;
    }();
    (void)registered;
    return workers;
}

BandWorkers::BandWorkers(int workers) : workers_(std::max(workers, 0)) {}

BandWorkers::~BandWorkers() {
    stop();
}

void BandWorkers::start() {
    // Called with lock_ held.
    if (!threads_.empty() || workers_ == 0) return;
    stopping_ = false;
    for (int i = 0; i < workers_; ++i)
        threads_.emplace_back([this] { work(); });
}

void BandWorkers::stop() {
    std::vector<std::thread> ending;
    {
        std::lock_guard guard(lock_);
        stopping_ = true;
        ending.swap(threads_);
    }
    wake_.notify_all();
    for (std::thread& t : ending)
        t.join();
}

std::exception_ptr BandWorkers::perform(const Task& task) {
    try {
        (*task.batch->job)(task.index);
    } catch (...) {
        return std::current_exception();
    }
    return nullptr;
}

// Called with lock_ held.
void BandWorkers::finish(const Task& task, std::exception_ptr failure) {
    if (failure && !task.batch->failure) task.batch->failure = failure;
    if (--task.batch->left == 0) task.batch->done.notify_all();
}

void BandWorkers::work() {
    std::unique_lock guard(lock_);
    for (;;) {
        wake_.wait(guard, [this] { return stopping_ || !tasks_.empty(); });
        if (tasks_.empty()) return; // stopping, nothing left
        const Task task = tasks_.front();
        tasks_.pop_front();
        guard.unlock();
        const std::exception_ptr failure = perform(task);
        guard.lock();
        finish(task, failure);
    }
}

void BandWorkers::run(int count, const std::function<void(int)>& job) {
    if (count <= 0) return;
    Batch batch{&job, count, nullptr, {}};
    {
        std::lock_guard guard(lock_);
        start();
        for (int i = 1; i < count; ++i)
            tasks_.push_back({&batch, i});
    }
    if (count > 1) wake_.notify_all();
    const std::exception_ptr first = perform({&batch, 0});
    std::unique_lock guard(lock_);
    finish({&batch, 0}, first);
    // Waiting jobs of this batch are taken here rather than waited for.
    for (;;) {
        const auto mine = std::find_if(tasks_.begin(), tasks_.end(),
                                       [&](const Task& t) { return t.batch == &batch; });
        if (mine == tasks_.end()) break;
        const Task task = *mine;
        tasks_.erase(mine);
        guard.unlock();
        const std::exception_ptr failure = perform(task);
        guard.lock();
        finish(task, failure);
    }
    batch.done.wait(guard, [&] { return batch.left == 0; });
    guard.unlock();
    if (batch.failure) std::rethrow_exception(batch.failure);
}

} // namespace qel
