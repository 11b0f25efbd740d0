#pragma once

class QWidget;

// With VORBIA_TRACE_FIRST_FRAME set, prints to standard error the wall-clock time (seconds
// since the epoch) at which `window` has finished its first paint, so that a benchmark script
// can subtract the moment it started the program.
void ReportFirstFrameWhenAsked(QWidget& window);
