#pragma once

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "CardPicture.h"
#include "CardTable.h"
#include "MessageBoxes.h"
#include "TableGeometry.h"

namespace vorbia::testing {

// A table in a program folder of its own, so that no test reads or writes the build's, with its
// message boxes answered at once and remembered in the order shown.
class TestTable {
    QTemporaryDir dir_;

  public:
    TestTable() {
        // Nor the player's own settings.
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
            CardTableOptions{dir_.path().toStdString(), kDesignDrawingArea, seed});
        return table->StartUp();
    }

    QStringList messages;
    std::unique_ptr<CardTable> table;
};

inline CardPicture* Picture1(const CardTable& table, int index) {
    return table.findChild<CardPicture*>(QStringLiteral("Picture1(%1)").arg(index));
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
