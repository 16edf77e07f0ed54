#pragma once

#include <algorithm>
#include <condition_variable>
#include <cstddef>
#include <exception>
#include <functional>
#include <mutex>
#include <optional>
#include <system_error>
#include <thread>
#include <vector>

namespace veltrix {

// Runs work(i) for i = 0 .. count-1 on up to `jobs` threads and hands every result to
// deliver(i, result) on the calling thread, in index order. At most `window` items are in
// flight (being worked on or waiting for their turn), so memory stays bounded however many
// items there are. An exception from work(i) is thrown again on the calling thread at item
// i's turn, once the threads have stopped. With one job everything runs on the calling thread.
template <class Result>
void RunInOrder(size_t count, unsigned jobs, size_t window,
                const std::function<Result(size_t)>& work,
                const std::function<void(size_t, Result&)>& deliver) {
  auto sequential = [&](size_t from) {
    for (size_t i = from; i < count; ++i) {
      Result result = work(i);
      deliver(i, result);
    }
  };
  if (jobs <= 1 || count <= 1) return sequential(0);
  window = std::max<size_t>(window, jobs);

  struct Slot {
    bool done = false;
    std::optional<Result> result;
    std::exception_ptr failure;
  };
  std::mutex mutex;
  std::condition_variable workAllowed, resultReady;
  std::vector<Slot> slots(window);  // item i waits in slot i % window
  size_t next = 0;
  size_t delivered = 0;
  bool stop = false;

  auto worker = [&] {
    std::unique_lock lock(mutex);
    for (;;) {
      workAllowed.wait(lock, [&] { return stop || next >= count || next < delivered + window; });
      if (stop || next >= count) return;
      const size_t item = next++;
      lock.unlock();
      std::optional<Result> result;
      std::exception_ptr failure;
      try {
        result.emplace(work(item));
      } catch (...) {
        failure = std::current_exception();
      }
      lock.lock();
      Slot& slot = slots[item % window];
      slot.result = std::move(result);
      slot.failure = failure;
      slot.done = true;
      resultReady.notify_all();
    }
  };

  std::vector<std::thread> threads;
  struct Stopper {
    std::function<void()> run;
    ~Stopper() { run(); }
  } stopper{[&] {
    {
      std::lock_guard lock(mutex);
      stop = true;
    }
    workAllowed.notify_all();
    for (std::thread& thread : threads) thread.join();
  }};
  try {
    for (unsigned j = 0; j < jobs; ++j) threads.emplace_back(worker);
  } catch (const std::system_error&) {
    // Fewer threads than asked for: the ones that started do the work.
  }
  if (threads.empty()) return sequential(0);

  for (size_t item = 0; item < count; ++item) {
    Slot slot;
    {
      std::unique_lock lock(mutex);
      resultReady.wait(lock, [&] { return slots[item % window].done; });
      slot = std::move(slots[item % window]);
      slots[item % window] = Slot{};
    }
    if (slot.failure) std::rethrow_exception(slot.failure);
    deliver(item, *slot.result);
    {
      // Only now does the item leave the window: its result is gone.
      std::lock_guard lock(mutex);
      ++delivered;
    }
    workAllowed.notify_all();
  }
}

}  // namespace veltrix
