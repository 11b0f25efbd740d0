// Thousands of random clicks, keys, pointer moves and pauses on the table window, with the
// engine's bookkeeping checked at every pass of the event loop. VORBIA_MONKEY_EVENTS and
// VORBIA_MONKEY_SEED choose the run; a failure prints the seed and the last events; a hang is ended
// by the test's time limit (runs beyond Qt Test's 300 s need QTEST_FUNCTION_TIMEOUT in ms).
#include <QAbstractButton>
#include <QCheckBox>
#include <QDialog>
#include <QScrollBar>
#include <random>

#include "DrawingArea.h"
#include "Fonts.h"
#include "TableTestSupport.h"

using namespace vorbia;
using namespace vorbia::testing;

class MonkeyTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { LoadFonts(); }

    void randomEventsKeepTheTableConsistent() {
        const int events =
            qEnvironmentVariable("VORBIA_MONKEY_EVENTS", QStringLiteral("2000")).toInt();
        const uint64_t seed =
            qEnvironmentVariable("VORBIA_MONKEY_SEED", QStringLiteral("2002")).toULongLong();
        PlayTable t(seed);
        CardTable& table = *t.table;
        DrawingArea& area = table.Area();
        std::mt19937_64 random(seed);
        auto chance = [&](int from, int to) {
            return std::uniform_int_distribution(from, to)(random);
        };
        QStringList trail;  // the last events, for the report of a failure
        int sent = 0;
        auto note = [&](const QString& what) {
            trail << QStringLiteral("%1: %2").arg(sent).arg(what);
            if (trail.size() > 12) trail.removeFirst();
        };
        auto click = [&](QWidget* target, QPoint at) {
            note(QStringLiteral("click %1 at %2,%3")
                     .arg(target->objectName())
                     .arg(at.x())
                     .arg(at.y()));
            QTest::mouseClick(target, Qt::LeftButton, {}, at);
        };
        auto clickSomewhere = [&](QWidget* target) {
            click(target, {chance(0, target->width() - 1), chance(0, target->height() - 1)});
        };
        auto key = [&](QWidget* target, Qt::Key code, Qt::KeyboardModifiers modifiers = {}) {
            note(QKeySequence(code | modifiers).toString() + QStringLiteral(" on ") +
                 target->objectName());
            QTest::keyClick(target, code, modifiers);
        };
        QTimer step;  // runs every event, and is started again before the event acts
        step.setSingleShot(true);

        // Mostly clicks on cards; a new match only now and then, and only in the first fifth
        // of every 5,000 events, or no match would ever reach its end.
        auto act = [&] {
            const int roll = sent == 1 ? 0 : chance(0, 86);
            const bool restless = (sent - 1) % 5000 < 1000;
            if (roll == 0 && restless) return key(&table, Qt::Key_F2);
            if (roll == 1 && restless)
                return clickSomewhere(area.findChild<QWidget*>(QStringLiteral("newMatchButton")));
            if (roll < 42) {
                QList<CardPicture*> shown;
                for (auto* card : area.findChildren<CardPicture*>())
                    if (card->isVisible()) shown << card;
                if (!shown.isEmpty()) clickSomewhere(shown[chance(0, int(shown.size()) - 1)]);
                return;
            }
            const QPoint at(chance(0, area.width() - 1), chance(0, area.height() - 1));
            QWidget* target = area.childAt(at) ? area.childAt(at) : &area;
            if (roll < 50) return click(target, target->mapFrom(&area, at));
            if (roll < 54) {
                const char* panels[] = {"titlePanel", "computerNamePanel", "humanNamePanel"};
                return clickSomewhere(
                    area.findChild<QWidget*>(QString::fromLatin1(panels[chance(0, 2)])));
            }
            if (roll == 54) return key(&table, Qt::Key_R, Qt::ControlModifier);
            if (roll == 55) return key(&table, Qt::Key_F4);
            if (roll < 81) {
                note(QStringLiteral("move over ") + target->objectName());
                return QTest::mouseMove(target, target->mapFrom(&area, at));
            }
            const int pause = chance(20, 400);
            note(QStringLiteral("wait %1 ms").arg(pause));
            step.start(pause);
        };

        // A player can only answer a modal box: the end of a match always with OK, the options
        // now and then with new values.
        auto answer = [&](QWidget* box) {
            auto button = [&](const char* name) {
                return box->findChild<QAbstractButton*>(QString::fromLatin1(name));
            };
            if (box->objectName() == QStringLiteral("endOfMatchDialog"))
                return click(button("okButton"), {});
            if (box->objectName() == QStringLiteral("optionsDialog") && chance(0, 2) == 0) {
                box->findChild<QScrollBar*>(QStringLiteral("speedScrollBar"))
                    ->setValue(chance(10, 50));
                box->findChild<QCheckBox*>(QStringLiteral("messagesCheckBox"))
                    ->setChecked(chance(0, 1) == 1);
                return click(button("okButton"), {});
            }
            if (chance(0, 1) == 0) return key(box, Qt::Key_Escape);
            note(QStringLiteral("reject ") + box->objectName());
            qobject_cast<QDialog*>(box)->reject();
        };

        // Events land inside glides and modal boxes too, as a player's would.
        QString trailAtFailure;
        connect(&step, &QTimer::timeout, [&] {
            if (!t.broken.isEmpty() && trailAtFailure.isEmpty())
                trailAtFailure = trail.join(QStringLiteral("\n  "));
            const bool more = sent < events && t.broken.isEmpty();
            step.start(more ? chance(0, 4) : 10);
            if (more) ++sent;
            if (QWidget* box = QApplication::activeModalWidget()) return answer(box);
            if (!more) return;
            // A closed box gives the focus back to the table, as a window manager would.
            if (!table.isActiveWindow()) table.activateWindow();
            act();
        });
        step.start(0);
        while ((sent < events && t.broken.isEmpty()) || table.Engine().Busy() ||
               QApplication::activeModalWidget())
            QTest::qWait(5);
        step.stop();

        QVERIFY2(t.broken.isEmpty(),
                 qPrintable(QStringLiteral("%1 with VORBIA_MONKEY_SEED=%2 after:\n  %3")
                                .arg(t.broken, QString::number(seed), trailAtFailure)));
        QVERIFY2(t.messages.filter(QStringLiteral("nuova partita.")).size() > 0,
                 "no match was ever started");
    }
};

QTEST_MAIN(MonkeyTest)
#include "MonkeyTest.moc"
