// The new-match button's picture is drawn pixel for pixel: scaled, it blurs. Run once at the
// screen's usual scale and once at twice it, where the double-size picture must be used.
#include <QToolButton>

#include "TableTestSupport.h"

using namespace vorbia;
using namespace vorbia::testing;

namespace {

// Where `picture` appears unchanged in `image`, or an invalid point.
QPoint FindExactly(const QImage& image, const QImage& picture) {
    for (int top = 0; top + picture.height() <= image.height(); ++top) {
        for (int left = 0; left + picture.width() <= image.width(); ++left) {
            if (image.copy(QRect(QPoint(left, top), picture.size())) == picture) return {left, top};
        }
    }
    return {-1, -1};
}

}  // namespace

class NewMatchButtonTest : public QObject {
    Q_OBJECT

  private slots:
    void thePictureIsDrawnAtItsOwnSize() {
        TestTable t;
        QVERIFY(t.StartUp());
        t.table->show();
        QVERIFY(QTest::qWaitForWindowExposed(t.table.get()));
        auto* button = t.table->findChild<QToolButton*>(QStringLiteral("newMatchButton"));
        QVERIFY(button != nullptr);

        // The scale asked for is the one drawn at, else the run at twice the scale proves nothing.
        const qreal ratio = button->devicePixelRatioF();
        QCOMPARE(ratio, qEnvironmentVariable("QT_SCALE_FACTOR", QStringLiteral("1")).toDouble());
        const QString file =
            ratio > 1.5 ? QStringLiteral("new-match@2x.png") : QStringLiteral("new-match.png");
        const QImage picture = QImage(QStringLiteral(VORBIA_SOURCE_DIR "/assets/icons/") + file)
                                   .convertToFormat(QImage::Format_RGB32);
        const QImage drawn = button->grab().toImage().convertToFormat(QImage::Format_RGB32);
        QVERIFY2(FindExactly(drawn, picture).x() >= 0,
                 qPrintable(file + QStringLiteral(" not found unscaled at device pixel ratio ") +
                            QString::number(ratio)));
    }
};

QTEST_MAIN(NewMatchButtonTest)
#include "NewMatchButtonTest.moc"
