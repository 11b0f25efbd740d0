#include "RestOfHand.h"

#include <bit>
#include <cmath>
#include <optional>
#include <utility>

namespace vorbia {

namespace {

// The sums from 1 to 10 that some of a set of cards add up to.
class ReachableSums {
  public:
    void Add(int value) { sums_ |= (sums_ << value) & kUpToTen; }
    bool Reaches(int value) const { return ((sums_ >> value) & 1) != 0; }

  private:
    static constexpr uint32_t kUpToTen = (1u << 11) - 1;
    uint32_t sums_ = 1;  // the empty set's: never a capture, since values start at 1
};

}  // namespace

RestOfHand::Features RestOfHand::Describe(const SeenPosition& position) {
    ReachableSums anySuit;
    std::array<ReachableSums, kSuits> bySuit;
    double tableCards = 0, tablePoints = 0, tableScopa = 0;
    int tableSum = 0;
    std::optional<int> lastCardValue;  // the card the next player may take for a scopa
    for (const auto [slot, card] : position.table.OccupiedSlots()) {
        anySuit.Add(card.value);
        bySuit[static_cast<size_t>(card.suit)].Add(card.value);
        tableCards += 1;
        tablePoints += CardPoints(card);
        tableScopa += ScopaValue(card);
        tableSum += card.value;
        if (card == position.justUncovered) lastCardValue = card.value;
    }
    // Over the undrawn cards: what each could take, and roughly what its scopas would bring
    // (the card and table cards adding up to it).
    double undrawn = 0, undrawnPoints = 0, takes = 0, pointsTaken = 0;
    double sameSuit = 0, sameSuitScopa = 0, clears = 0, clearScopa = 0, lastCard = 0,
           lastCardScopa = 0;
    for (uint64_t deck = position.deck; deck != 0; deck &= deck - 1) {
        const Card card = CardAtDeckPosition(std::countr_zero(deck));
        undrawn += 1;
        undrawnPoints += CardPoints(card);
        if (anySuit.Reaches(card.value)) {
            takes += 1;
            pointsTaken += CardPoints(card);
        }
        if (bySuit[static_cast<size_t>(card.suit)].Reaches(card.value)) {
            sameSuit += 1;
            sameSuitScopa += ScopaValue(card) + card.value;
        }
        if (card.value == tableSum) {
            clears += 1;
            clearScopa += ScopaValue(card) + tableScopa;
        }
        if (card.value == lastCardValue) {
            lastCard += 1;
            lastCardScopa += 2 * ScopaValue(card);
        }
    }
    const double share = undrawn > 0 ? 1 / undrawn : 0;
    return {1,
            tableCards,
            tablePoints,
            tableScopa,
            position.table.Empty() ? 1.0 : 0.0,
            position.table.Full() ? 1.0 : 0.0,
            undrawnPoints * share,
            takes * share,
            pointsTaken * share,
            sameSuit * share,
            sameSuitScopa * share,
            clears * share,
            clearScopa * share,
            lastCard * share,
            lastCardScopa * share};
}

const RestOfHand::LinearFit& RestOfHand::FitFor(const SeenPosition& position, Player mover) const {
    return fits_[static_cast<size_t>(std::popcount(position.deck))][mover];
}

RestOfHand::LinearFit& RestOfHand::FitFor(const SeenPosition& position, Player mover) {
    return const_cast<LinearFit&>(std::as_const(*this).FitFor(position, mover));
}

double RestOfHand::Estimate(const SeenPosition& position, Player mover) const {
    if (position.deck == 0) return 0;
    const Features x = Describe(position);
    const LinearFit& fit = FitFor(position, mover);
    double estimate = 0;
    for (size_t i = 0; i < x.size(); ++i) estimate += fit.weights[i] * x[i];
    return estimate;
}

void RestOfHand::Observe(const SeenPosition& position, Player mover, double points) {
    const Features x = Describe(position);
    LinearFit& fit = FitFor(position, mover);
    for (size_t i = 0; i < x.size(); ++i) {
        for (size_t j = 0; j < x.size(); ++j) fit.products[i * kFeatures + j] += x[i] * x[j];
        fit.withPoints[i] += x[i] * points;
    }
}

void RestOfHand::Merge(const RestOfHand& other) {
    for (size_t count = 0; count < fits_.size(); ++count) {
        for (const Player mover : {Player::Human, Player::Computer}) {
            LinearFit& fit = fits_[count][mover];
            const LinearFit& theirs = other.fits_[count][mover];
            for (size_t i = 0; i < fit.products.size(); ++i) fit.products[i] += theirs.products[i];
            for (size_t i = 0; i < fit.withPoints.size(); ++i) {
                fit.withPoints[i] += theirs.withPoints[i];
            }
        }
    }
}

void RestOfHand::Fit() {
    for (auto& perMover : fits_) {
        for (const Player mover : {Player::Human, Player::Computer}) perMover[mover].Solve();
    }
}

// Least squares by Gaussian elimination. A slight ridge keeps the features that never vary
// among the observations (no full table with few cards left) from making it singular.
void RestOfHand::LinearFit::Solve() {
    constexpr size_t n = kFeatures;
    std::array<double, n* n> a = products;
    std::array<double, n> b = withPoints;
    for (size_t i = 0; i < n; ++i) a[i * n + i] += 1e-9 * a[i * n + i] + 1e-12;
    for (size_t column = 0; column < n; ++column) {
        size_t pivot = column;
        for (size_t row = column + 1; row < n; ++row) {
            if (std::abs(a[row * n + column]) > std::abs(a[pivot * n + column])) pivot = row;
        }
        for (size_t j = 0; j < n; ++j) std::swap(a[column * n + j], a[pivot * n + j]);
        std::swap(b[column], b[pivot]);
        for (size_t row = column + 1; row < n; ++row) {
            const double factor = a[row * n + column] / a[column * n + column];
            for (size_t j = column; j < n; ++j) a[row * n + j] -= factor * a[column * n + j];
            b[row] -= factor * b[column];
        }
    }
    for (size_t row = n; row-- > 0;) {
        double sum = b[row];
        for (size_t j = row + 1; j < n; ++j) sum -= a[row * n + j] * weights[j];
        weights[row] = sum / a[row * n + row];
    }
}

}  // namespace vorbia
