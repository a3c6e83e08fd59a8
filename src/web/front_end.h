#pragma once

#include "platform.h"
#include "program.h"

#include <array>
#include <string>

// The browser front end, inside the module: lends the program the page's windows, which
// the page's script draws from their descriptions, and the browser's services, through
// the script's functions (page.h); the script reports what a person does through the
// module's exports (main.cpp).
class FrontEnd final : private morvane::forms::Platform {
public:
    // In the language the page has chosen.
    explicit FrontEnd(morvane::forms::Language language);

    morvane::forms::Program& program() { return m_program; }

private:
    // One of the page's windows, by its place in the program's list.
    class Window : public morvane::forms::ShownWindow {
    public:
        explicit Window(int index);

        std::string text(std::string_view control) const override;
        void setText(std::string_view control, std::string_view text) override;
        void setDrawing(std::string_view control, const morvane::forms::Drawing& drawing) override;
        void moveFocus(std::string_view control) override;
        void activate() override;
        void close() override;

        int index() const { return m_index; }

    private:
        int control(std::string_view name) const;

        int m_index;
    };

    // Platform
    morvane::forms::ShownWindow& open(const morvane::forms::WindowDescription& window,
                                      morvane::forms::ShownWindow* around) override;
    void openAddress(std::string_view address) override;
    void openPage(std::string_view fileName) override;
    void announce(std::string_view text) override;
    std::string decimalSeparator() const override;
    void quit() override;
    void print(const std::function<morvane::forms::Drawing(double width, double height)>& sheet) override;
    void copy(std::string_view text) override;
    std::string today() const override;

    std::array<Window, 4> m_windows{Window(0), Window(1), Window(2), Window(3)};
    morvane::forms::Program m_program;
};
