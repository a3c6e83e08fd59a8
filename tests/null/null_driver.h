#pragma once

#include "front_end.h"
#include "script_player.h"

// The front end with no toolkit, for the window scripts: what a person does is passed to
// it as calls, and what it shows is read from it.
class NullDriver : public FrontEndDriver {
public:
    NullDriver();

    void act(const std::string& verb, const std::string& argument) override;
    std::string text(std::string_view window, std::string_view control) const override;
    std::string focus() const override { return std::string(m_frontEnd.focus()); }
    std::string active() const override;
    int windowCount(std::string_view window, bool shownOnly) const override;
    std::optional<Point> centre(std::string_view window) const override;
    std::vector<std::string> takeOpened() override { return m_frontEnd.takeOpened(); }
    std::vector<std::string> takeSpoken() override { return m_frontEnd.takeSpoken(); }
    bool isFile(const std::string& opened) const override;
    bool ended() const override { return m_frontEnd.ended(); }
    void settle() override { }

    const FrontEnd& frontEnd() const { return m_frontEnd; }

private:
    FrontEnd m_frontEnd;
};
