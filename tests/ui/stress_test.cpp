// A seeded random run of 20 000 user actions on the windows, checking after each one what
// must always hold (window_invariants.h). The seed comes from MORVANE_STRESS_SEED when set
// and is printed, so that any run can be replayed.
#include "random_user.h"
#include "window_invariants.h"

#include <QElapsedTimer>
#include <QLocale>
#include <QUrl>

namespace {

constexpr int kActions = 20'000;
constexpr quint32 kDefaultSeed = 20'260'101;
constexpr int kRecentActions = 25;

quint32 Seed()
{
    bool ok = false;
    const quint32 seed = qEnvironmentVariable("MORVANE_STRESS_SEED").toUInt(&ok);
    return ok ? seed : kDefaultSeed;
}

} // namespace

class StressTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void shouldHoldEverythingThroughRandomActions()
    {
        const quint32 seed = Seed();
        qInfo("seed %u (MORVANE_STRESS_SEED replays a run)", seed);
        UrlRecorder urls;
        WindowDriver window;
        const WindowInvariants invariants(window.form.get());
        RandomUser user(window.form.get(), seed);
        QStringList recent;
        QElapsedTimer clock;
        clock.start();

        for (int action = 1; action <= kActions; ++action) {
            recent << user.act();
            if (recent.size() > kRecentActions)
                recent.removeFirst();
            // What the event loop does between two inputs, freeing closed dialogs too.
            QCoreApplication::processEvents();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            const QString wrong = invariants.violation();
            if (!wrong.isEmpty())
                QFAIL(qPrintable(QString("seed %1, action %2: %3\nlast actions:\n  %4")
                                     .arg(seed)
                                     .arg(action)
                                     .arg(wrong, recent.join("\n  "))));
        }
        QTest::qWait(150); // the clicks of the last access keys land
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(invariants.violation(), QString());
        for (const QUrl& url : urls.opened)
            QVERIFY2(url == QUrl("https://www.orrindale.example") || url.path().endsWith("/index.htm"),
                     qPrintable(url.toString()));
        qInfo("seed %u: %d actions in %.1f s", seed, kActions, clock.elapsed() / 1000.0);
    }
};

QTEST_MAIN(StressTest)
#include "stress_test.moc"
