#pragma once

#include <QPointer>
#include <QWidget>

#include <array>

class Announcement;
class Dialog;
class Dialog1;
class QComboBox;
class QDialog;
class QLabel;
class QLineEdit;
class QPushButton;
class QWindow;

// The main window: the two inputs, the command buttons, the banner and the value labels
// that hold a reading. It reads the inputs, hands them to the engine and writes back what
// the engine returns; it keeps no reading of its own.
class Form1 : public QWidget {
    Q_OBJECT

public:
    explicit Form1(QWidget* parent = nullptr);
    ~Form1() override;

public slots:
    void calculate();
    void reset();
    void showAbout();
    void openHelp();
    void openWebSite();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createInputs();
    void createButtons();
    void createLabels();
    void describeForScreenReaders();
    void chainTabOrder();
    void onFocusWindowChanged(QWindow* window);
    void showDefaultTip();
    void showMessage(const QString& message);
    void adoptDialog(QDialog* dialog);
    void returnFromAbout();
    void activateAfterDialog();
    QLabel* label(int number) const;

    QLineEdit* Text1 = nullptr;
    QComboBox* Combo1 = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;
    QPushButton* Command3 = nullptr;
    QPushButton* Command4 = nullptr;
    QPushButton* Command5 = nullptr;
    std::array<QLabel*, 41> m_labels{}; // by number; 0 is unused
    Announcement* m_announcement = nullptr; // tells screen readers the reading

    // The dialogs are windows of their own, without an owner, that delete themselves when
    // closed; the pointers clear then, so the next use creates a fresh one.
    QPointer<Dialog1> m_messageDialog;
    QPointer<Dialog> m_aboutDialog;

    // Whether Form1 was the last of the program's windows to be active; returning from
    // another application leaves it set, returning from a dialog finds it cleared.
    bool m_wasActiveWindow = false;
};
