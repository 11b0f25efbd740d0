#pragma once

#include <coroutine>
#include <cstddef>
#include <exception>
#include <new>
#include <utility>

namespace vorbia {

// Coroutine frames of the rules, recycled: a match starts a few of them every turn, and a
// simulated match must not pay the heap for each. Frames of one size class are kept for their
// thread once made.
class FrameRecycler {
  public:
    static void* Allocate(std::size_t size) {
        const std::size_t sizeClass = SizeClass(size);
        if (sizeClass >= kSizeClasses) return ::operator new(size);
        if (spare_[sizeClass] == nullptr) return AllocateNew(sizeClass);
        return std::exchange(spare_[sizeClass], spare_[sizeClass]->next);
    }
    static void Free(void* frame, std::size_t size) {
        const std::size_t sizeClass = SizeClass(size);
        if (sizeClass >= kSizeClasses) {
            ::operator delete(frame);
            return;
        }
        spare_[sizeClass] = new (frame) Spare{spare_[sizeClass]};
    }

  private:
    struct Spare {
        Spare* next;
    };
    static constexpr std::size_t kGrain = 64;
    static constexpr std::size_t kSizeClasses = 16;
    static std::size_t SizeClass(std::size_t size) { return (size - 1) / kGrain; }

    // The spare frames are given back when their thread ends, as a simulation's worker
    // threads do. Only a new frame pays for making sure of that: the lists themselves stay
    // plain, quick to reach.
    struct GiveBackAtThreadEnd {
        ~GiveBackAtThreadEnd() {
            for (Spare*& spare : spare_) {
                while (spare != nullptr) ::operator delete(std::exchange(spare, spare->next));
            }
        }
    };
    static void* AllocateNew(std::size_t sizeClass) {
        thread_local GiveBackAtThreadEnd giveBack;
        (void)giveBack;
        return ::operator new((sizeClass + 1) * kGrain);
    }
    static inline thread_local Spare* spare_[kSizeClasses] = {};
};

// A stretch of the game that may have to wait for the table to show a step (a glide, a
// message box) before it goes on. Written as a coroutine, a turn reads as its steps in order.
// A flow runs as soon as it is called, up to its first wait or its end: a table that shows
// every step at once never makes it wait, and then it costs little more than a call. A flow
// that awaits another goes on when that one ends. Destroying a waiting flow ends it where it
// waits, with the flows it awaits.
class [[nodiscard]] Flow {
  public:
    struct promise_type {
        std::coroutine_handle<> awaiter = std::noop_coroutine();

        static void* operator new(std::size_t size) { return FrameRecycler::Allocate(size); }
        static void operator delete(void* frame, std::size_t size) {
            FrameRecycler::Free(frame, size);
        }
        Flow get_return_object() {
            return Flow(std::coroutine_handle<promise_type>::from_promise(*this));
        }
        std::suspend_never initial_suspend() noexcept { return {}; }
        struct HandBack {
            bool await_ready() noexcept { return false; }
            std::coroutine_handle<> await_suspend(
                std::coroutine_handle<promise_type> ending) noexcept {
                return ending.promise().awaiter;
            }
            void await_resume() noexcept {}
        };
        HandBack final_suspend() noexcept { return {}; }
        void return_void() noexcept {}
        void unhandled_exception() noexcept { std::terminate(); }
    };

    Flow() = default;
    Flow(Flow&& other) noexcept : handle_(std::exchange(other.handle_, {})) {}
    Flow& operator=(Flow&& other) noexcept {
        if (this != &other) {
            if (handle_) handle_.destroy();
            handle_ = std::exchange(other.handle_, {});
        }
        return *this;
    }
    ~Flow() {
        if (handle_) handle_.destroy();
    }

    bool await_ready() const noexcept { return handle_.done(); }
    void await_suspend(std::coroutine_handle<> awaiter) noexcept {
        handle_.promise().awaiter = awaiter;
    }
    void await_resume() const noexcept {}

  private:
    explicit Flow(std::coroutine_handle<promise_type> handle) : handle_(handle) {}
    std::coroutine_handle<promise_type> handle_;
};

}  // namespace vorbia
