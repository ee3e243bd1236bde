#pragma once
// What a benchmark measures against, made at its first use for each size and
// kept for the run: the benchmark library runs each body several times.
#include <map>
#include <memory>

namespace bench_support {

template <typename Made>
Made& OncePerSize(int size) {
    static std::map<int, std::unique_ptr<Made>> made;
    auto& slot = made[size];
    if (!slot) {
        slot = std::make_unique<Made>(size);
    }
    return *slot;
}

}  // namespace bench_support
