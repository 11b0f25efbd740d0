#pragma once
// What the rest of a hand is worth (the human's points less the computer's), estimated from what
// lies face up, for a lookahead to stand on where it stops looking. The estimate is a linear
// fit, one for each number of undrawn cards and each player to draw, to hands that a fair player
// played. Any estimate keeps the bound sound; the closer it comes, the tighter the bound.
#include <array>
#include <cstddef>

#include "Lookahead.h"
#include "Players.h"

namespace vorbia {

class RestOfHand {
  public:
    static constexpr size_t kFeatures = 15;
    using Features = std::array<double, kFeatures>;

    // What the estimate reads of a position: the table, and what the undrawn cards could do
    // with it.
    static Features Describe(const SeenPosition& position);

    // Before `mover` draws; nothing once the deck is out.
    double Estimate(const SeenPosition& position, Player mover) const;

    // One hand's points from `position` on to its end.
    void Observe(const SeenPosition& position, Player mover, double points);
    // Adds what another estimate observed apart (one for each thread).
    void Merge(const RestOfHand& other);
    // Fits every estimate to what was observed.
    void Fit();

  private:
    struct LinearFit {
        std::array<double, kFeatures * kFeatures> products{};  // the sums of x xᵀ
        std::array<double, kFeatures> withPoints{};            // the sums of x y
        std::array<double, kFeatures> weights{};
        void Solve();
    };
    LinearFit& FitFor(const SeenPosition& position, Player mover);
    const LinearFit& FitFor(const SeenPosition& position, Player mover) const;

    std::array<PerPlayer<LinearFit>, kCardCount + 1> fits_{};
};

}  // namespace vorbia
