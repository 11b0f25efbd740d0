#pragma once

namespace vorbia {

// Puts up the busy pointer over the whole program while `busy`, and takes it down after.
// `shown` records whether this caller has it up, so that a repeated request changes nothing.
void SetBusyPointer(bool& shown, bool busy);

}  // namespace vorbia
