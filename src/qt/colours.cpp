#include "colours.h"

namespace {

QPalette LightPalette()
{
    // From the light grey of the buttons Qt derives black texts, white fields and the
    // bevel shades, with greyed texts for disabled controls.
    QPalette light(QColor(239, 239, 239));
    light.setColor(QPalette::Window, Qt::white);
    light.setColor(QPalette::AlternateBase, QColor(247, 247, 247));
    light.setColor(QPalette::Highlight, QColor(48, 140, 198));
    light.setColor(QPalette::HighlightedText, Qt::white);
    light.setColor(QPalette::ToolTipBase, QColor(255, 255, 220));
    light.setColor(QPalette::ToolTipText, Qt::black);
    light.setColor(QPalette::Link, QColor(0, 0, 255));
    light.setColor(QPalette::LinkVisited, QColor(255, 0, 255));
    light.setColor(QPalette::PlaceholderText, QColor(0, 0, 0, 128));
    light.setColor(QPalette::Disabled, QPalette::Highlight, QColor(145, 145, 145));
    return light;
}

} // namespace

const QPalette& WindowPalette()
{
    static const QPalette palette = [] {
        QPalette light = LightPalette();
        for (int group = 0; group < QPalette::NColorGroups; ++group) {
            for (int role = 0; role < QPalette::NColorRoles; ++role) {
                const auto colorGroup = static_cast<QPalette::ColorGroup>(group);
                const auto colorRole = static_cast<QPalette::ColorRole>(role);
                light.setBrush(colorGroup, colorRole, light.brush(colorGroup, colorRole));
            }
        }
        return light;
    }();
    return palette;
}
