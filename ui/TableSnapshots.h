#pragma once

#include <QDir>
#include <QString>

class QWidget;

namespace vorbia {

// Records what the table shows at the moments that do not depend on the clock, so that a
// scripted match can be compared picture by picture with an earlier run: DIR/NNNN.png is the
// drawing area with its panels as drawn, DIR/log.txt names each moment ("NNNN glide 7",
// "NNNN message ...", "NNNN end-of-match 51 38", "NNNN beep").
class TableSnapshots {
  public:
    TableSnapshots(QWidget& table, const QString& folder);

    // A card has finished a glide that was not cut short, and the table has settled on it.
    void GlideEnded(int card);
    // A message box of the rules, or the end-of-match dialog, is about to open over the table.
    void BoxOpening(const QString& text);
    void EndOfMatch(int humanScore, int computerScore);
    // A beep has no picture.
    void Beeped();

  private:
    void Record(const QString& moment, bool withPicture);

    QWidget& table_;
    QDir folder_;
    int count_ = 0;
};

}  // namespace vorbia
