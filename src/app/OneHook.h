#pragma once
// A function slot with exactly one owner: the one place that answers a
// question (the canvas empties the page, the viewer renders it).

#include <cstddef>
#include <functional>
#include <stdexcept>
#include <utility>

// A hook that one subsystem fills. A second filler is refused with a
// std::logic_error instead of silently taking the first one's place; a
// caller tests an unfilled hook before calling it. Tests that answer in the
// program's place say so with `replace`.
template <class Signature>
class TOneHook;
template <class R, class... Args>
class TOneHook<R(Args...)> {
public:
    TOneHook& operator=(std::function<R(Args...)> f) {
        if (f_ && f)
            throw std::logic_error("a stage hook filled twice");
        f_ = std::move(f);
        return *this;
    }
    TOneHook& operator=(std::nullptr_t) {
        f_ = nullptr;
        return *this;
    }
    void replace(std::function<R(Args...)> f) { f_ = std::move(f); }
    explicit operator bool() const { return bool(f_); }
    R operator()(Args... args) const { return f_(std::forward<Args>(args)...); }

private:
    std::function<R(Args...)> f_;
};
