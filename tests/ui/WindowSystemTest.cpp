// What differs between the window systems: the busy pointer, the bell and dialog placement, as
// the platform the test runs on gets them: offscreen in the suite, and as a Wayland client
// under weston in tests/ui/wayland.sh.
#include <QApplication>
#include <QCursor>
#include <QDialog>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

#include "Bell.h"
#include "BusyPointer.h"
#include "DialogFrame.h"
#include "WindowSystem.h"

using namespace vorbia;

class WindowSystemTest : public QObject {
    Q_OBJECT

  private slots:
    // Up once however often it is asked for, down once, and never taking down a pointer that
    // something else put up.
    void BusyPointerGoesUpAndDownOnce() {
        bool shown = false;
        QApplication::setOverrideCursor(Qt::CrossCursor);
        SetBusyPointer(shown, false);
        QVERIFY(QApplication::overrideCursor() != nullptr);
        QCOMPARE(QApplication::overrideCursor()->shape(), Qt::CrossCursor);
        QApplication::restoreOverrideCursor();

        SetBusyPointer(shown, true);
        SetBusyPointer(shown, true);
        QVERIFY(shown);
        QVERIFY(QApplication::overrideCursor() != nullptr);
        SetBusyPointer(shown, false);
        QVERIFY(!shown);
        QCOMPARE(QApplication::overrideCursor(), nullptr);
    }

    // On Wayland a picture of one frame, an hourglass with its neck under the hot spot: Qt
    // 6.4's Wayland client can crash on an animated theme pointer. Elsewhere the theme's own.
    void BusyPointerSuitsThePlatform() {
        bool shown = false;
        SetBusyPointer(shown, true);
        const QCursor pointer = *QApplication::overrideCursor();
        SetBusyPointer(shown, false);
        if (!OnWayland()) {
            QCOMPARE(pointer.shape(), Qt::WaitCursor);
            return;
        }
        QCOMPARE(pointer.shape(), Qt::BitmapCursor);
        const QPixmap picture = pointer.pixmap();
        QCOMPARE(picture.deviceIndependentSize(), QSizeF(24, 24));
        QCOMPARE(pointer.hotSpot(), QPoint(12, 12));
        const QImage image = picture.toImage();
        const auto at = [&](int x, int y) {
            return image.pixelColor(QPointF(QPointF(x, y) * picture.devicePixelRatio()).toPoint());
        };
        QCOMPARE(at(0, 12).alpha(), 0);
        QVERIFY(at(12, 12).alpha() > 0);
        QVERIFY(at(12, 2).alpha() > 0);
    }

    // On Wayland the sound theme's bell through canberra-gtk-play; elsewhere Qt's beep, and no
    // player is started.
    void BellSuitsThePlatform() {
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        const QString record = folder.filePath(QStringLiteral("rung"));
        QFile player(folder.filePath(QStringLiteral("canberra-gtk-play")));
        QVERIFY(player.open(QIODevice::WriteOnly));
        player.write("#!/bin/sh\necho \"$@\" >>\"" + record.toLocal8Bit() + "\"\n");
        player.close();
        QVERIFY(player.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", folder.path().toLocal8Bit() + ":" + path);

        RingBell();
        const auto rung = [&record] {
            QFile file(record);
            return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        };
        if (OnWayland()) {
            QTRY_COMPARE_WITH_TIMEOUT(rung(),
                                      QByteArray("--id=bell-window-system "
                                                 "--description=La VORBIA\n"),
                                      5000);
        } else {
            QTest::qWait(1000);
            QCOMPARE(rung(), QByteArray());
        }
        qputenv("PATH", path);
    }

    // Centred where the program may place its windows; on Wayland, where the compositor alone
    // does, the dialog is left where it is.
    void DialogCentredWherePlacingIsAllowed() {
        QDialog dialog;
        dialog.resize(200, 100);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        const QRect before = dialog.geometry();
        const QRect area(1000, 2000, 600, 400);
        CentreWithFrame(&dialog, [area] { return area; });
        QTest::qWait(200);
        if (OnWayland()) {
            QCOMPARE(dialog.geometry(), before);
        } else {
            QCOMPARE(dialog.geometry(), QRect(1200, 2150, 200, 100));
        }
    }
};

QTEST_MAIN(WindowSystemTest)
#include "WindowSystemTest.moc"
