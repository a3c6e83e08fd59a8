// Every dialog, old or new, paints with one palette: the style caches the buttons it draws
// under the palette's identity, so a palette of its own for each new dialog would fill
// the pixmap cache with pictures of dialogs that are gone.
#include "window_driver.h"

#include "dialog.h"
#include "dialog1.h"

namespace {

qint64 OkayPaletteKey(QWidget* dialog)
{
    dialog->ensurePolished();
    QPushButton* okay = Child<QPushButton>(dialog, "Command1");
    okay->ensurePolished();
    return okay->palette().cacheKey();
}

} // namespace

class DialogPaletteTest : public QObject {
    Q_OBJECT

private slots:
    void shouldGiveEveryOkayButtonOnePalette()
    {
        auto first = std::make_unique<Dialog1>();
        const qint64 key = OkayPaletteKey(first.get());
        first.reset();
        Dialog1 second;
        Dialog about;
        QCOMPARE(OkayPaletteKey(&second), key);
        QCOMPARE(OkayPaletteKey(&about), key);
    }
};

QTEST_MAIN(DialogPaletteTest)
#include "dialog_palette_test.moc"
