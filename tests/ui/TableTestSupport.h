#pragma once

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <functional>
#include <memory>

#include "CardPicture.h"
#include "CardTable.h"
#include "DrawingArea.h"
#include "MessageBoxes.h"
#include "ScoreBar.h"
#include "TableLayout.h"

namespace vorbia::testing {

// A table in a program folder of its own, so that no test reads or writes the build's settings
// nor the player's, with its message boxes answered at once and remembered in the order shown.
class TestTable {
    QTemporaryDir dir_;

  public:
    TestTable() {
        qputenv("XDG_CONFIG_HOME", dir_.path().toLocal8Bit());
        SetMessageBoxHandler([this](const QString&, const QString& text) { messages << text; });
    }
    ~TestTable() { SetMessageBoxHandler({}); }

    QString FilePath(const QString& name) const { return dir_.filePath(name); }
    void Write(const QString& name, const QByteArray& bytes) const {
        QFile file(FilePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    }
    void CopyBackgroundPicture(const QString& name = QStringLiteral("Vorbia.bmp")) const {
        QVERIFY(
            QFile::copy(QStringLiteral(VORBIA_SOURCE_DIR "/assets/Vorbia.bmp"), FilePath(name)));
    }
    // On the drawing area the table was designed around, its hands seeded from `seed`.
    bool StartUp(uint64_t seed = 7) {
        table = std::make_unique<CardTable>(
            CardTableOptions{dir_.path().toStdString(),
                             QSize(kDesignDrawingArea.width, kDesignDrawingArea.height), seed});
        return table->StartUp();
    }

    QStringList messages;
    std::unique_ptr<CardTable> table;
};

// Runs `check` at every pass of any event loop, glides' and dialogs' own included.
class EveryPass : public QTimer {
  public:
    explicit EveryPass(const std::function<void()>& check) {
        connect(this, &QTimer::timeout, check);
        start(0);
    }
};

// The engine's bookkeeping and what the table shows, as they must hold between any two events:
// empty when they hold, else what is wrong.
inline QString BrokenInvariant(const CardTable& table) {
    const MatchState& state = table.State();
    for (const auto [slot, card] : state.Table.OccupiedSlots()) {
        if (!state.Drawn.Contains(card)) {
            return QStringLiteral("%1 lies on the table undrawn")
                .arg(QString::fromStdString(CardName(card)));
        }
    }
    // During a play the played card belongs to the capture without a frame of its own.
    if (table.Engine().Busy()) return {};
    // A black frame around each selected table card and nowhere else.
    std::vector<QRect> blackFrames;
    for (const DrawingArea::Frame& frame : table.Area().Frames()) {
        if (frame.colour == QColor(Qt::black)) blackFrames.push_back(frame.rect);
    }
    int selected = 0;
    for (int position = 0; position < kCardCount; ++position) {
        const Card card = CardAtDeckPosition(position);
        if (!state.Selected.Contains(card)) continue;
        ++selected;
        if (!state.Table.Contains(card)) {
            return QStringLiteral("%1 selected off the table")
                .arg(QString::fromStdString(CardName(card)));
        }
        const QRect around = table.PictureOf(card).geometry();
        if (std::ranges::none_of(blackFrames, [&](const QRect& f) { return f.contains(around); }))
            return QStringLiteral("%1 selected without a black frame")
                .arg(QString::fromStdString(CardName(card)));
    }
    if (static_cast<int>(blackFrames.size()) != selected)
        return QStringLiteral("a black frame too many");
    // Each score bar in its player's colour.
    const std::pair<const char*, QColor> bars[] = {{"humanScoreBar", QColor(128, 0, 0)},
                                                   {"computerScoreBar", QColor(0, 0, 128)}};
    for (const auto& [name, colour] : bars) {
        for (const ScoreBar::Box& box :
             table.findChild<ScoreBar*>(QString::fromLatin1(name))->Boxes()) {
            if (box.colour != colour)
                return QStringLiteral("%1 in another colour").arg(QString::fromLatin1(name));
        }
    }
    return {};
}

inline bool HumanMayPlay(const CardTable& table) {
    return !table.Engine().Busy() && table.State().Turn == Player::Human &&
           table.State().CurrentCardOnPlaySpot();
}

// Waits until the human may play and `ready` agrees.
inline bool WaitForHumanTurn(
    const CardTable& table, const std::function<bool()>& ready = [] { return true; }) {
    return QTest::qWaitFor([&] { return HumanMayPlay(table) && ready(); }, 30000);
}

// A table in play: shown, active, gliding fast enough for a whole match within seconds, and
// its invariants checked at every pass while it is shown.
struct PlayTable : TestTable {
    explicit PlayTable(uint64_t seed, const QByteArray& settings = {}) {
        Write(QStringLiteral("vorbia.ini"), "VelocitaCarta=50\r\n" + settings);
        QVERIFY(StartUp(seed));
        table->show();
        table->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(table.get()));
    }
    QString broken;
    EveryPass invariants{[this] {
        if (broken.isEmpty() && table && table->isVisible()) broken = BrokenInvariant(*table);
    }};
};

}  // namespace vorbia::testing
