// Thousands of random clicks, keys, pointer moves and pauses on the table window, with the
// engine's bookkeeping checked after each one. VORBIA_MONKEY_EVENTS and VORBIA_MONKEY_SEED
// choose the run; a failure prints the seed, the event number and the last events; a hang is
// ended by the test's time limit. Runs longer than Qt Test's 300 s per test function need
// QTEST_FUNCTION_TIMEOUT (ms) set higher.
#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <deque>
#include <functional>
#include <random>

#include "CardPicture.h"
#include "CardTable.h"
#include "DrawingArea.h"
#include "Fonts.h"
#include "MessageBoxes.h"
#include "TableGeometry.h"

using namespace vorbia;

namespace {

constexpr size_t kTrailLength = 12;
constexpr int kStretch = 5000;
constexpr int kRestless = 1000;

uint64_t FromEnvironment(const char* name, uint64_t fallback) {
    bool ok = false;
    const qulonglong value = qEnvironmentVariable(name).toULongLong(&ok);
    return ok ? value : fallback;
}

// The engine's bookkeeping, as it must hold between any two events.
QString BrokenInvariant(const CardTable& table) {
    const MatchState& state = table.State();
    int drawn = 0;
    for (int card = 1; card <= kCardCount; ++card) drawn += state.Drawn[card] != kFalse;
    if (drawn != state.CardsDrawn || drawn > kCardCount)
        return QString("CardsDrawn %1, Drawn flags %2").arg(state.CardsDrawn).arg(drawn);
    std::array<int, kCardCount + 1> cells{};
    int occupied = 0;
    for (int row = 1; row <= kRows; ++row) {
        for (int column = 1; column <= kColumns; ++column) {
            const int card = state.TableGrid[row][column];
            if (card < 0 || card > kCardCount) return QString("cell holds %1").arg(card);
            if (card == 0) continue;
            ++occupied;
            if (++cells[card] > 1) return QString("card %1 in two cells").arg(card);
            if (state.Drawn[card] == kFalse) return QString("undrawn card %1 in a cell").arg(card);
        }
    }
    if (state.Turn < 0 || state.Turn > 2) return QString("Turn %1").arg(state.Turn);
    if (state.TurnCount < 0 || state.TurnCount > 41)
        return QString("TurnCount %1").arg(state.TurnCount);
    const int card = state.CurrentCard;
    const bool none = card == 0;
    if (card < 0 || card > kCardCount || state.CurrentValue != (none ? 0 : CardValue(card)) ||
        state.CurrentSuit != (none ? 0 : CardSuit(card)))
        return QString("CurrentCard %1 with value %2 and suit %3")
            .arg(card)
            .arg(state.CurrentValue)
            .arg(state.CurrentSuit);
    if (table.Engine().Busy()) return {};
    if (occupied != state.TableCount)
        return QString("TableCount %1, occupied cells %2").arg(state.TableCount).arg(occupied);
    for (int selected = 0; selected <= kCardCount; ++selected) {
        if (state.Selected[selected] != kFalse && cells[selected] == 0)
            return QString("card %1 selected off the table").arg(selected);
    }
    return {};
}

// The last events, for the report of a failure.
struct Trail {
    uint64_t seed = 0;
    int event = 0;
    std::deque<QString> last;

    void Start(int number, const QString& what) {
        event = number;
        last.push_back(QString::number(number) + ": " + what);
        if (last.size() > kTrailLength) last.pop_front();
    }
    QString Report() const {
        QString text =
            QString("VORBIA_MONKEY_SEED=%1, event %2; last events:\n").arg(seed).arg(event);
        for (const QString& line : last) text += "  " + line + "\n";
        return text;
    }
};
Trail trail;

QPoint RandomPoint(std::mt19937_64& random, QSize size) {
    return {std::uniform_int_distribution(0, size.width() - 1)(random),
            std::uniform_int_distribution(0, size.height() - 1)(random)};
}

QString Where(const QWidget* target, QPoint at) {
    return QString("%1 at %2,%3").arg(target->objectName()).arg(at.x()).arg(at.y());
}

}  // namespace

class MonkeyTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { LoadFonts(); }

    void randomEventsKeepTheTableConsistent() {
        const int events = static_cast<int>(FromEnvironment("VORBIA_MONKEY_EVENTS", 2000));
        trail.seed = FromEnvironment("VORBIA_MONKEY_SEED", 2002);
        qInfo("monkey: VORBIA_MONKEY_SEED=%llu, %d events", qulonglong(trail.seed), events);

        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        QFile settings(folder.filePath("vorbia.ini"));
        QVERIFY(settings.open(QIODevice::WriteOnly) && settings.write("VelocitaCarta=40\r\n") > 0);
        settings.close();
        QVERIFY(QFile::copy(VORBIA_SOURCE_DIR "/assets/Vorbia.bmp", folder.filePath("Vorbia.bmp")));
        int newMatches = 0;
        SetMessageBoxHandler([&](const QString&, const QString& text) {
            newMatches += text.contains("nuova partita.");
        });
        CardTable table(
            CardTableOptions{folder.path().toStdString(), kDesignDrawingArea, trail.seed});
        QVERIFY(table.StartUp());
        table.show();
        table.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&table));
        DrawingArea& area = table.Area();

        std::mt19937_64 random(trail.seed);
        auto chance = [&](int from, int to) {
            return std::uniform_int_distribution(from, to)(random);
        };
        auto click = [](QWidget* target, QPoint at) {
            QTest::mouseClick(target, Qt::LeftButton, {}, at);
        };
        auto key = [&](int code, Qt::KeyboardModifiers modifiers = {}) {
            QTest::keyClick(&table, Qt::Key(code), modifiers);
        };
        // Whatever lies under a random point of the table, and the point in its coordinates.
        auto anywhere = [&] {
            const QPoint at = RandomPoint(random, area.size());
            QWidget* target = area.childAt(at) ? area.childAt(at) : &area;
            return std::pair{target, target->mapFrom(&area, at)};
        };
        int delay = 0;
        // Each kind names its target before acting: the act may run a glide or a dialog, and
        // the next events happen inside it.
        using Note = std::function<void(const QString&)>;
        struct Kind {
            const char* name;
            int weight;
            std::function<void(const Note&)> act;
        };
        const std::vector<Kind> kinds{
            {"card click", 40,
             [&](const Note& note) {
                 std::vector<CardPicture*> shown;
                 for (auto* card : area.findChildren<CardPicture*>())
                     if (card->isVisible()) shown.push_back(card);
                 if (shown.empty()) return note("no card shown");
                 CardPicture* card = shown[chance(0, int(shown.size()) - 1)];
                 const QPoint at = RandomPoint(random, card->size());
                 note("click " + Where(card, at));
                 click(card, at);
             }},
            {"click anywhere", 8,
             [&](const Note& note) {
                 const auto [target, at] = anywhere();
                 note("click " + Where(target, at));
                 click(target, at);
             }},
            {"panel click", 4,
             [&](const Note& note) {
                 const QString name = QString("Panel3D%1").arg(chance(1, 3));
                 auto* panel = area.findChild<QWidget*>(name);
                 note("click " + name);
                 click(panel, RandomPoint(random, panel->size()));
             }},
            {"new match button", 1,
             [&](const Note& note) {
                 note("click Command3d1");
                 click(area.findChild<QWidget*>("Command3d1"), {11, 11});
             }},
            {"F2", 1, [&](const Note& note) { note("F2"), key(Qt::Key_F2); }},
            {"Ctrl+R", 1,
             [&](const Note& note) { note("Ctrl+R"), key(Qt::Key_R, Qt::ControlModifier); }},
            {"F4", 1, [&](const Note& note) { note("F4"), key(Qt::Key_F4); }},
            {"pointer move", 25,
             [&](const Note& note) {
                 const auto [target, at] = anywhere();
                 note("move over " + Where(target, at));
                 QMouseEvent move(QEvent::MouseMove, at, target->mapToGlobal(at), Qt::NoButton,
                                  Qt::NoButton, Qt::NoModifier);
                 QApplication::sendEvent(target, &move);
             }},
            {"time passes", 6,
             [&](const Note& note) {
                 delay = chance(20, 400);
                 note(QString("wait %1 ms").arg(delay));
             }},
        };
        // A new match every few dozen events would never let a match end: in each stretch of
        // kStretch events only the first kRestless ones may start one.
        std::vector<double> weights;
        for (const Kind& kind : kinds) weights.push_back(kind.weight);
        std::discrete_distribution<size_t> restless(weights.begin(), weights.end());
        const size_t newMatchButton = 3;
        const size_t newMatchKey = 4;
        weights[newMatchButton] = weights[newMatchKey] = 0;
        std::discrete_distribution<size_t> calm(weights.begin(), weights.end());
        QCOMPARE(kinds[newMatchButton].name, "new match button");
        QCOMPARE(kinds[newMatchKey].name, "F2");

        // The player can only answer a modal box: the end of a match always with OK.
        auto answer = [&](QWidget* modal, const Note& note) {
            const QString name = modal->objectName();
            auto button = [&](const char* child) {
                return modal->findChild<QAbstractButton*>(child);
            };
            if (name == "Form4") return note("OK on Form4"), click(button("Command1"), {});
            if (name == "Form2" && chance(0, 2) == 0) {
                const int speed = chance(10, 50);
                const bool messages = chance(0, 1) == 1;
                note(QString("OK on Form2, speed %1, messages %2").arg(speed).arg(messages));
                modal->findChild<QScrollBar*>("HScroll1")->setValue(speed);
                modal->findChild<QCheckBox*>("Check3d1")->setChecked(messages);
                return click(button("Command3d1"), {});
            }
            if (chance(0, 1) == 0)
                return note("Escape on " + name), QTest::keyClick(modal, Qt::Key_Escape);
            note("reject " + name);
            if (auto* dialog = qobject_cast<QDialog*>(modal)) dialog->reject();
        };

        QString failure;
        bool finished = false;
        int sent = 0;
        auto check = [&] {
            const QString broken = BrokenInvariant(table);
            if (broken.isEmpty() || !failure.isEmpty()) return;
            failure = broken + " after " + trail.Report();
            finished = true;
        };
        // Every event runs from this timer, started again before the event acts, so events also
        // land inside glides and modal boxes, as a player's would.
        QTimer step;
        step.setSingleShot(true);
        connect(&step, &QTimer::timeout, [&] {
            check();
            QWidget* modal = QApplication::activeModalWidget();
            if (finished || sent == events) {
                finished = true;
                step.start(10);
                if (modal) answer(modal, [](const QString&) {});
                return;
            }
            // A closed box gives the focus back to the table, as a window manager would.
            if (!modal && !table.isActiveWindow()) table.activateWindow();
            const int number = ++sent;
            delay = chance(0, 4);
            const Note note = [&, number](const QString& what) {
                trail.Start(number, what);
                step.start(delay);
            };
            // Nothing happens on the table before the first new match.
            const bool isRestless = (number - 1) % kStretch < kRestless;
            const Kind& kind = kinds[number == 1  ? newMatchKey
                                     : isRestless ? restless(random)
                                                  : calm(random)];
            if (modal) {
                answer(modal, note);
            } else {
                kind.act(note);
            }
            check();
        });

        QElapsedTimer clock;
        clock.start();
        step.start(0);
        while (!finished || table.Engine().Busy() || QApplication::activeModalWidget()) {
            QTest::qWait(5);
        }
        step.stop();
        SetMessageBoxHandler({});

        qInfo("monkey: %d events in %.1f s, %d new matches", sent, double(clock.elapsed()) / 1000,
              newMatches);
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
        QVERIFY2(newMatches > 0, "no match was ever started");
    }
};

QTEST_MAIN(MonkeyTest)
#include "MonkeyTest.moc"
