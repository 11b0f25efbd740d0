#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "CardPicture.h"
#include "CardTable.h"
#include "MessageBoxes.h"
#include "TableGeometry.h"

namespace vorbia::testing {

// A program folder of its own for each test, so that no test reads or writes the build's.
class ProgramFolder {
  public:
    ProgramFolder() { QVERIFY(dir_.isValid()); }

    std::filesystem::path Path() const { return dir_.path().toStdString(); }
    QString FilePath(const QString& name) const { return dir_.filePath(name); }

    void WriteSettings(const QByteArray& lines) const {
        QFile file(FilePath(QStringLiteral("vorbia.ini")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(lines);
    }
    void CopyBackgroundPicture(const QString& name = QStringLiteral("Vorbia.bmp")) const {
        QVERIFY(
            QFile::copy(QStringLiteral(VORBIA_SOURCE_DIR "/assets/Vorbia.bmp"), FilePath(name)));
    }

  private:
    QTemporaryDir dir_;
};

// Message boxes answered at once and remembered, in the order shown.
class AnsweredMessages {
  public:
    AnsweredMessages() {
        SetMessageBoxHandler([this](const QString&, const QString& text) { texts.append(text); });
    }
    ~AnsweredMessages() { SetMessageBoxHandler({}); }
    QStringList texts;
};

inline std::unique_ptr<CardTable> DesignTable(const ProgramFolder& folder, uint64_t seed = 7) {
    return std::make_unique<CardTable>(CardTableOptions{folder.Path(), kDesignDrawingArea, seed});
}

inline CardPicture* Picture1(const CardTable& table, int index) {
    return table.findChild<CardPicture*>(QStringLiteral("Picture1(%1)").arg(index));
}

template <class T>
T* Find(const CardTable& table, const QString& name) {
    return table.findChild<T*>(name);
}

// Shown on screen: inside the drawing area, not merely not hidden.
inline bool OnTable(const CardTable& table, int picture) {
    const CardPicture* card = Picture1(table, picture);
    return card->isVisible() &&
           QRect(QPoint(0, 0), kDesignDrawingArea).intersects(card->geometry());
}

// The engine's bookkeeping, as it must hold between any two events.
inline QString BrokenInvariant(const CardTable& table) {
    const MatchState& state = table.State();
    int drawn = 0;
    for (int card = 1; card <= 40; ++card) drawn += state.Drawn[static_cast<size_t>(card)] ? 1 : 0;
    if (drawn != state.CardsDrawn) {
        return QStringLiteral("CardsDrawn %1, Drawn flags %2").arg(state.CardsDrawn).arg(drawn);
    }
    std::array<int, 41> cells{};
    int occupied = 0;
    for (int row = 1; row <= 3; ++row) {
        for (int column = 1; column <= 7; ++column) {
            const int card = state.TableGrid[static_cast<size_t>(row)][static_cast<size_t>(column)];
            if (card == 0) continue;
            ++occupied;
            if (++cells[static_cast<size_t>(card)] > 1)
                return QStringLiteral("card %1 twice").arg(card);
            if (!state.Drawn[static_cast<size_t>(card)]) {
                return QStringLiteral("undrawn card %1 on the table").arg(card);
            }
        }
    }
    if (state.TurnCount > 0 && state.Turn != 1 && state.Turn != 2) {
        return QStringLiteral("Turn %1").arg(state.Turn);
    }
    // A capture empties cells one by one and recounts once at its end.
    if (!table.Engine().Busy() && occupied != state.TableCount) {
        return QStringLiteral("TableCount %1, occupied %2").arg(state.TableCount).arg(occupied);
    }
    return {};
}

// Runs the event loop until `done` or the time is up.
template <class Predicate>
bool WaitUntil(Predicate done, int timeoutMs) {
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > timeoutMs) return false;
        QTest::qWait(5);
    }
    return true;
}

}  // namespace vorbia::testing
