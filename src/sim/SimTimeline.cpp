// The exclusive shares of the wall clock: one sweep over the intervals of every kind.
#include "sim/SimTimeline.h"

#include <algorithm>

namespace {
constexpr std::size_t kMostKept = 1 << 16;
// Nothing the JIG records starts this long before the newest work.
constexpr std::int64_t kSettleBehind = 30'000'000'000;

std::int64_t& ShareOf(SimShares& s, int kind) {
    switch (kind) {
    case SimTimeline::Wire:
        return s.wireNanos;
    case SimTimeline::Jig:
        return s.jigNanos;
    case SimTimeline::Chip:
        return s.chipNanos;
    case SimTimeline::Usb:
        return s.usbNanos;
    case SimTimeline::Host:
        return s.hostNanos;
    default:
        return s.simLagNanos;
    }
}
} // namespace

void SimTimeline::Add(Kind kind, Deadline from, Deadline to) {
    std::int64_t a = std::chrono::duration_cast<std::chrono::nanoseconds>(from - started_).count();
    const std::int64_t b =
        std::chrono::duration_cast<std::chrono::nanoseconds>(to - started_).count();
    a = std::max(a, settledUntil_);
    if (b <= a)
        return;
    first_ = first_ < 0 ? a : std::min(first_, a);
    last_ = std::max(last_, b);
    std::vector<Span>& spans = spans_[kind];
    // Work of one kind mostly comes in order: a byte after a byte joins its interval.
    if (!spans.empty() && a <= spans.back().to && a >= spans.back().from) {
        spans.back().to = std::max(spans.back().to, b);
        return;
    }
    spans.push_back({a, b});
    if (++count_ > kMostKept)
        Settle();
}

void SimTimeline::Sweep(std::int64_t until, SimShares& into) const {
    struct Edge {
        std::int64_t at;
        int kind;
        int step;
    };
    std::vector<Edge> edges;
    for (int k = 0; k < kKinds; ++k)
        for (const Span& s : spans_[static_cast<std::size_t>(k)]) {
            const std::int64_t to = std::min(s.to, until);
            if (s.from < to) {
                edges.push_back({s.from, k, +1});
                edges.push_back({to, k, -1});
            }
        }
    std::sort(edges.begin(), edges.end(), [](const Edge& x, const Edge& y) { return x.at < y.at; });
    std::array<int, kKinds> open{};
    std::int64_t at = 0;
    for (const Edge& e : edges) {
        if (e.at > at) {
            const auto top = std::find_if(open.begin(), open.end(), [](int n) { return n > 0; });
            if (top != open.end())
                ShareOf(into, static_cast<int>(top - open.begin())) += e.at - at;
        }
        at = e.at;
        open[static_cast<std::size_t>(e.kind)] += e.step;
    }
}

void SimTimeline::Settle() {
    const std::int64_t until = last_ - kSettleBehind;
    // A sweep costs all that is kept: settle in steps, not at every interval.
    if (until <= settledUntil_ + kSettleBehind / 4)
        return;
    Sweep(until, settled_);
    count_ = 0;
    for (std::vector<Span>& spans : spans_) {
        std::vector<Span> kept;
        for (Span s : spans)
            if (s.to > until) {
                s.from = std::max(s.from, until);
                kept.push_back(s);
            }
        spans = std::move(kept);
        count_ += spans.size();
    }
    settledUntil_ = until;
}

SimShares SimTimeline::Shares() const {
    SimShares s = settled_;
    Sweep(last_, s);
    s.spanNanos = first_ < 0 ? 0 : last_ - first_;
    return s;
}
