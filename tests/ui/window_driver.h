#pragma once

// Finds the program's windows and controls by their object names and drives them the way
// a person does, through keys and clicks.
#include "engine_text.h"
#include "form1.h"
#include "form1_layout.h"
#include "reading_oracle.h"

#include <QApplication>
#include <QComboBox>
#include <QDesktopServices>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QUrl>

#include <memory>

template <class T = QWidget> T* Child(const QWidget* parent, const QString& name)
{
    return parent ? parent->findChild<T*>(name) : nullptr;
}

// The visible top-level window of that name, or nullptr.
inline QWidget* OpenWindow(const QString& name)
{
    QWidget* found = nullptr;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->objectName() == name && window->isVisible()) {
            if (found)
                qWarning() << "more than one open" << name;
            found = window;
        }
    }
    return found;
}

inline int OpenWindowCount(const QString& name)
{
    int count = 0;
    for (QWidget* window : QApplication::topLevelWidgets())
        count += window->objectName() == name && window->isVisible();
    return count;
}

// The offscreen platform cannot raise windows and says so each time; that is no failure.
// Installed over the test library's own handler, so only once a test runs.
inline void MuteRaiseWarnings()
{
    static const QtMessageHandler previous =
        qInstallMessageHandler([](QtMsgType type, const QMessageLogContext& context, const QString& message) {
            if (message != QLatin1String("This plugin does not support raise()"))
                previous(type, context, message);
        });
}

// The texts a reading can put into each value label, by label number: the table texts,
// and the default tip for the tip label.
inline QMap<int, QStringList> ReadingTextsByLabel()
{
    QMap<int, QStringList> texts;
    const auto entryTexts = morvane::oracle::EntryTexts();
    for (std::size_t entry = 0; entry < entryTexts.size(); ++entry) {
        for (const std::string_view text : entryTexts[entry])
            texts[kReadingLabels[entry]] << FromEngine(text);
    }
    texts[kTipLabel] << QString::fromLatin1(kDefaultTip);
    return texts;
}

class WindowDriver {
public:
    WindowDriver()
        : form(std::make_unique<Form1>())
    {
        MuteRaiseWarnings();
        form->show();
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
    }

    ~WindowDriver()
    {
        form.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    QLineEdit* year() const { return Child<QLineEdit>(form.get(), "Text1"); }
    QComboBox* sex() const { return Child<QComboBox>(form.get(), "Combo1"); }
    QPushButton* button(int number) const { return Child<QPushButton>(form.get(), QString("Command%1").arg(number)); }
    QString label(int number) const { return Child<QLabel>(form.get(), QString("Label%1").arg(number))->text(); }

    // Types into the year box and the sex box as a person would, replacing what was there.
    void enter(const QString& yearText, const QString& sexText) const
    {
        year()->selectAll();
        QTest::keyClick(year(), Qt::Key_Backspace);
        QTest::keyClicks(year(), yearText);
        sex()->lineEdit()->selectAll();
        QTest::keyClick(sex()->lineEdit(), Qt::Key_Backspace);
        QTest::keyClicks(sex()->lineEdit(), sexText);
    }

    void clickCalculate() const { QTest::mouseClick(button(1), Qt::LeftButton); }

    void calculate(const QString& yearText, const QString& sexText) const
    {
        enter(yearText, sexText);
        clickCalculate();
    }

    std::unique_ptr<Form1> form;
};

// Clicks O&kay of an open dialog, which a click makes the active window first, and waits
// until the dialog has gone.
inline void PressOkay(const QString& dialogName)
{
    QWidget* dialog = OpenWindow(dialogName);
    QVERIFY(dialog);
    dialog->activateWindow();
    QTRY_VERIFY(dialog->isActiveWindow());
    QPointer<QWidget> watched(dialog);
    QTest::mouseClick(Child<QPushButton>(dialog, "Command1"), Qt::LeftButton);
    QTRY_VERIFY(watched.isNull());
}

inline const QString kDefaultTipText = " Never put water, plants or things representing them in your bed-room.";

// Records what the program asks the desktop to open, instead of starting a browser.
class UrlRecorder : public QObject {
    Q_OBJECT

public:
    UrlRecorder()
    {
        for (const char* scheme : {"file", "https"})
            QDesktopServices::setUrlHandler(scheme, this, "open");
    }
    ~UrlRecorder() override
    {
        for (const char* scheme : {"file", "https"})
            QDesktopServices::unsetUrlHandler(scheme);
    }

    QList<QUrl> opened;

public slots:
    void open(const QUrl& url) { opened << url; }
};
