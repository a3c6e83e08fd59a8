// Which page Help opens: the current directory's index.htm when there is one, otherwise
// the page installed beside the program.
#include "help_page.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class HelpPageTest : public QObject {
    Q_OBJECT

private slots:
    void shouldPreferThePageInTheCurrentDirectory_data()
    {
        // clang-format off
        QTest::addColumn<QString>("folder");
        QTest::newRow("plain folder") << "data";
        QTest::newRow("folder with blanks") << "my help pages";
        QTest::newRow("non-ASCII folder") << QString::fromUtf8("h\u00e9lp");
        // clang-format on
    }

    void shouldPreferThePageInTheCurrentDirectory()
    {
        QFETCH(QString, folder);
        QTemporaryDir root;
        QVERIFY(QDir(root.path()).mkpath(folder));
        const QString current = root.filePath(folder);
        QFile page(current + "/index.htm");
        QVERIFY(page.open(QIODevice::WriteOnly));
        page.close();

        const QUrl url = HelpPageUrl(current, root.filePath("bin"));
        QVERIFY(url.isLocalFile());
        QCOMPARE(url.toLocalFile(), current + "/index.htm"); // whole, blanks and all
    }

    void shouldFallBackToTheInstalledPage()
    {
        QTemporaryDir root;
        QVERIFY(QDir(root.path()).mkpath("work"));
        const QUrl url = HelpPageUrl(root.filePath("work"), root.filePath("prefix/bin"));
        QCOMPARE(url.toLocalFile(), root.filePath("prefix/share/morvane/index.htm"));
    }

    void shouldNotTakeAFolderNamedLikeThePage()
    {
        QTemporaryDir root;
        QVERIFY(QDir(root.path()).mkpath("work/index.htm"));
        const QUrl url = HelpPageUrl(root.filePath("work"), root.filePath("prefix/bin"));
        QCOMPARE(url.toLocalFile(), root.filePath("prefix/share/morvane/index.htm"));
    }
};

QTEST_APPLESS_MAIN(HelpPageTest)
#include "help_page_test.moc"
