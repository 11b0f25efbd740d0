#pragma once

#include <string>

#include "Card.h"
#include "CardSet.h"
#include "TableGrid.h"

namespace vorbia {

// The coach's advice for `card` in words, to be read aloud: the table cards to take in scan
// order, the order the keyboard visits them ("prendi 3 di Coppe e 4 di Spade"); with none to
// take, that laying the card is best, or that nothing can be taken at all.
std::string CoachAdviceSentence(const TableGrid& table, Card card, CardSet taken);

}  // namespace vorbia
