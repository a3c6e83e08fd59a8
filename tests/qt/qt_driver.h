#pragma once

#include "front_end.h"
#include "script_player.h"

#include <QObject>
#include <QUrl>

// The Qt windows, offscreen, for the window scripts: the program started afresh, driven
// with Qt's simulated keys and clicks, each inside the application's event loop as when
// the program runs, for Qt ends a program only from there; its windows and controls found
// by their names, and what it asks the browser to open, tells screen readers and whether
// it asked to end, recorded.
class QtDriver : public QObject, public FrontEndDriver {
    Q_OBJECT

public:
    QtDriver();
    ~QtDriver() override;

    void act(const std::string& verb, const std::string& argument) override;
    std::string text(std::string_view window, std::string_view control) const override;
    std::string focus() const override;
    std::string active() const override;
    int windowCount(std::string_view window, bool shownOnly) const override;
    std::optional<Point> centre(std::string_view window) const override;
    std::vector<std::string> takeOpened() override { return std::exchange(m_opened, {}); }
    std::vector<std::string> takeSpoken() override;
    bool isFile(const std::string& opened) const override;
    bool ended() const override { return m_ended; }
    void settle() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private slots:
    void record(const QUrl& url) { m_opened.push_back(url.toString().toStdString()); }

private:
    void actNow(const std::string& verb, const std::string& argument);

    FrontEnd m_frontEnd;
    std::vector<std::string> m_opened;
    bool m_ended = false;
};

// The shown window of that name, or none.
QWidget* OpenWindow(std::string_view name);
